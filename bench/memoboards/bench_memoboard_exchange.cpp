// SPDX-License-Identifier: GPL-3.0-or-later
// Export and import of a memoboard holding 10,000 notes on one tab.
#include "frmData.h"
#include "untDB.h"
#include "untMemoboardExchange.h"
#include "untPaths.h"
#include "untSchema.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {
constexpr int kNotes = 10000;

// A data folder with memoboard 1 and its tab 2 holding kNotes notes of a typical size.
class BenchStore {
public:
    BenchStore() {
        VelmarPaths::SetDataFolderOverride(FFolder.path());
        TfmData::Instance().Disconnect();
        CreateSchema();
        SQLite::Transaction transaction(TfmData::Instance().Connection());
        Run("INSERT INTO Memoboard(ParentId,Caption,Position,Color,BgColor) VALUES(0,'Big',0,0,0)");
        Run("INSERT INTO Memoboard(ParentId,Caption,Position,Color,BgColor) "
            "VALUES(1,'Tab1',3,65535,8421631)");
        const QByteArray content =
            QByteArray("Call the printer about the spring catalogue, ").repeated(4);
        const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\\viewkind4\\uc1"
                               "\\pard\\f0\\fs16 " +
                               content + "\\par\r\n}";
        for (int note = 0; note < kNotes; ++note)
            RunParams("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,"
                      "NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) VALUES(2,"
                      "'12,12',:c,:r,8454143,1,1,0,0,'172,120','46366.5','46366.75','0',0,0)",
                      {{QStringLiteral("c"), content}, {QStringLiteral("r"), rtf}});
        transaction.commit();
    }

    QString File(const char* name) const { return FFolder.filePath(QString::fromLatin1(name)); }

    // Removes every memoboard but the first, with its notes.
    static void DropImports() {
        Run("DELETE FROM Note WHERE ParentId IN (SELECT Id FROM Memoboard WHERE Id>2)");
        Run("DELETE FROM Memoboard WHERE Id>2");
    }

private:
    static void Run(const char* sql) { RunParams(sql, {}); }
    static void RunParams(const char* sql, const SqlParams& params) {
        if (!RunSQLParams(QString::fromLatin1(sql), params))
            throw std::runtime_error(sql);
    }

    QTemporaryDir FFolder;
};

BenchStore& Store() {
    static BenchStore store;
    return store;
}

void BM_ExportMemoboard(benchmark::State& state) {
    const QString file = Store().File("big.mbir");
    for (auto _ : state)
        if (!ExportMemoboard(1, QStringLiteral("Big"), file).Ok)
            state.SkipWithError("export failed");
    state.SetItemsProcessed(state.iterations() * kNotes);
}
BENCHMARK(BM_ExportMemoboard)->Unit(benchmark::kMillisecond);

// The whole import, one transaction, from reading the file to the commit.
void BM_ImportMemoboard(benchmark::State& state) {
    const QString file = Store().File("import.mbir");
    ExportMemoboard(1, QStringLiteral("Big"), file);
    for (auto _ : state) {
        if (!ImportMemoboard(file).Ok)
            state.SkipWithError("import failed");
        state.PauseTiming();
        BenchStore::DropImports();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kNotes);
}
BENCHMARK(BM_ImportMemoboard)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
