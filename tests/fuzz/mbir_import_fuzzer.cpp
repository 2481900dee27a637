// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the ".mbir" import: any bytes must import or be refused without a crash,
// leak or hang; a refused file leaves the store as it was, and a memoboard that was imported
// exports to a file that imports again and exports the same once more.
#include "frmData.h"
#include "untDB.h"
#include "untMemoboardDB.h"
#include "untMemoboardExchange.h"
#include "untPaths.h"
#include "untSchema.h"

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void Abort(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    std::abort();
}

int RowCount(const QString& table) {
    Dataset rows;
    QueryInto(QStringLiteral("SELECT count(*) AS n FROM ") + table, rows);
    return static_cast<int>(rows.FieldByName(QStringLiteral("n")).AsInteger());
}

bool StoreIsEmpty() {
    return RowCount(QStringLiteral("Memoboard")) == 0 && RowCount(QStringLiteral("Note")) == 0;
}

// The memoboard's file as the program exports it, with the caption its window shows.
QByteArray Exported(int memoboardId) {
    Dataset row;
    MemoboardDB::GetMemoboardRow(memoboardId, row);
    return ExportMemoboardText(memoboardId, row.FieldByName(QStringLiteral("Caption")).AsString());
}

void ExpectImported(const TExchangeResult& result) {
    if (!result.Ok) {
        std::fprintf(stderr, "%s\n", qPrintable(result.Error));
        Abort("an exported memoboard did not import again");
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Refused files are logged on every run; only crashes and broken promises matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QTemporaryDir folder;
    VelmarPaths::SetDataFolderOverride(folder.path());
    CreateSchema();
    // Nothing here needs to survive a power cut: keep the journal in memory for speed.
    TfmData::Instance().Connection().exec("PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const TExchangeResult result = ImportMemoboardText(text);
    if (!sqlite3_get_autocommit(TfmData::Instance().Connection().getHandle()))
        Abort("the import left its transaction open");
    if (!result.Ok) {
        if (!StoreIsEmpty())
            Abort("a refused file left rows behind");
        return 0;
    }
    const QByteArray first = Exported(result.MemoboardId);
    const TExchangeResult again = ImportMemoboardText(first);
    ExpectImported(again);
    if (Exported(again.MemoboardId) != first)
        Abort("a memoboard changed on its way through export and import");
    RunSQL(QStringLiteral("DELETE FROM Note"));
    RunSQL(QStringLiteral("DELETE FROM Memoboard"));
    return 0;
}
