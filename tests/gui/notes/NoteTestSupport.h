// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmData.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untDB.h"
#include "untSchema.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>

// A row of table Note as a test wants it; the rest of the columns get a new note's values.
struct TestNoteRow {
    QString position = QStringLiteral("100,80");
    QString size = QStringLiteral("200,150");
    int type = 1;
    int type3 = 0;
    int color = 8454143; // 255, 255, 128
    QString content = QStringLiteral("hello");
    QString rtf;
    int parentId = 0;
    int type2 = 1;
    QString nTime = QStringLiteral("0");
};

// Inserts the row into Data.db (creating the file first) and answers its id.
inline int InsertTestNote(const TestNoteRow& note) {
    CreateSchema();
    const bool inserted = RunSQLParams(
        QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,"
                       "NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) "
                       "VALUES(:pid,:pos,:content,:rtf,:color,:type,:type2,:type3,0,:size,"
                       "'46000','46000',:ntime,0,0)"),
        {{QStringLiteral("pid"), note.parentId},
         {QStringLiteral("pos"), note.position},
         {QStringLiteral("content"), note.content},
         {QStringLiteral("rtf"), note.rtf},
         {QStringLiteral("color"), note.color},
         {QStringLiteral("type"), note.type},
         {QStringLiteral("type2"), note.type2},
         {QStringLiteral("type3"), note.type3},
         {QStringLiteral("size"), note.size},
         {QStringLiteral("ntime"), note.nTime}});
    if (!inserted)
        return 0;
    Dataset dataset;
    QueryInto(QStringLiteral("SELECT max(Id) AS Id FROM Note"), dataset);
    return static_cast<int>(dataset.FieldByName(QStringLiteral("Id")).AsInteger());
}

// One column of a note row as text.
inline QString NoteColumn(int noteId, const QString& column) {
    Dataset dataset;
    QueryIntoParams(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM Note WHERE Id=:id"),
                    {{QStringLiteral("id"), noteId}}, dataset);
    return dataset.IsEmpty() ? QString() : dataset.FieldByName(column).AsString();
}

// Records every statement that writes a column of table Note, as (column, new value) rows of a
// table WriteLog filled by triggers, so a test sees how often a column was written, not only
// its last value.
class NoteWriteLog {
public:
    NoteWriteLog() {
        CreateSchema();
        RunSQL(QStringLiteral("CREATE TABLE IF NOT EXISTS WriteLog(Seq INTEGER PRIMARY KEY, "
                              "Col TEXT, Value TEXT)"));
        for (const char* column :
             {"Position", "Size", "Color", "Type", "Type3", "ParentId", "Content", "Rtf",
              "ModifyTime", "Type2", "NTime", "TimeOut", "TimeOutType"}) {
            const QString name = QString::fromLatin1(column);
            RunSQL(QStringLiteral("CREATE TRIGGER IF NOT EXISTS Log%1 AFTER UPDATE OF %1 ON Note "
                                  "BEGIN INSERT INTO WriteLog(Col, Value) VALUES('%1', new.%1); "
                                  "END")
                       .arg(name));
        }
    }

    // The values written to a column, oldest first.
    QStringList Writes(const QString& column) const {
        Dataset dataset;
        QueryIntoParams(QStringLiteral("SELECT Value FROM WriteLog WHERE Col=:col ORDER BY Seq"),
                        {{QStringLiteral("col"), column}}, dataset);
        QStringList values;
        for (const Dataset::Row row : dataset)
            values.append(row.FieldByName(QStringLiteral("Value")).AsString());
        return values;
    }

    int Total() const {
        Dataset dataset;
        QueryInto(QStringLiteral("SELECT count(*) AS n FROM WriteLog"), dataset);
        return static_cast<int>(dataset.FieldByName(QStringLiteral("n")).AsInteger());
    }
};

// Runs the deletions that closing windows asked for.
inline void ProcessDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes every registered note window and frees it, so each test starts without windows.
inline void CloseAllNotes() {
    const QList<TLNoteinfo> notes = TfmUntil::Instance().NoteList();
    for (const TLNoteinfo& info : notes)
        if (info.Note)
            info.Note->close();
    ProcessDeletions();
}

// Gives the activation to a window the way the window system does, and waits for it.
inline bool Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
