// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NoteTestSupport.h"
#include "TestDataFolder.h"
#include "frmMemoboard.h"
#include "frmMemoboardData.h"
#include "frmMessage.h"
#include "untMemoboardDB.h"
#include "untTabExV2.h"
#include "untTabPage.h"

#include <memory>

// A fresh data folder and the message box the memoboard windows ask, for one test function.
class MemoboardFixture {
public:
    MemoboardFixture() {
        CreateSchema();
        TfmMemoboardData::Instance().SetMessageBox(&FMessage);
    }
    ~MemoboardFixture() {
        CloseAllMemoboards();
        CloseAllNotes();
        TfmMemoboardData::Instance().SetMessageBox(nullptr);
    }
    MemoboardFixture(const MemoboardFixture&) = delete;
    MemoboardFixture& operator=(const MemoboardFixture&) = delete;

    TfmMessage& Message() { return FMessage; }
    QString DataFolder() const { return FFolder.DataFolder(); }

    static void CloseAllMemoboards() {
        const QList<TLMemoboardinfo> open = TfmMemoboardData::Instance().MemoboardList();
        for (const TLMemoboardinfo& info : open)
            if (info.Window)
                info.Window->close();
        ProcessDeletions();
    }

private:
    TestDataFolder FFolder;
    TfmMessage FMessage;
};

// A memoboard window opened the one way windows open.
inline TfmMemoboard* OpenBoard(int memoboardId, int tabId) {
    return TfmMemoboardData::Instance().OpenMemoboard(memoboardId, tabId);
}

// A column of a memoboard or tab row as text.
inline QString BoardColumn(int rowId, const QString& column) {
    Dataset dataset;
    MemoboardDB::GetMemoboardRow(rowId, dataset);
    return dataset.IsEmpty() ? QString() : dataset.FieldByName(column).AsString();
}

inline int CountRows(const QString& table) {
    Dataset dataset;
    QueryInto(QStringLiteral("SELECT count(*) AS n FROM ") + table, dataset);
    return static_cast<int>(dataset.FieldByName(QStringLiteral("n")).AsInteger());
}
