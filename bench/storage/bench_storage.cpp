// SPDX-License-Identifier: GPL-3.0-or-later
// Access-layer costs with a realistic table: 10,000 notes inserted one statement at a time
// (each committed on its own, as the program does), loaded whole, and searched.
#include "frmData.h"
#include "untDB.h"
#include "untNoteDB.h"
#include "untPaths.h"
#include "untSchema.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {
constexpr int NoteCount = 10000;

// The values of the index-th benchmark note.
NoteValues BenchNote(int index) {
    NoteValues note;
    note.color = 12615680;
    note.position = {20 + index % 400, 20 + index % 300};
    note.size = {172, 120};
    note.plainText =
        QStringLiteral("Note %1: call the bakery about the order for Friday").arg(index);
    note.rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}"
                              "\\pard\\f0\\fs16 Note %1: call the bakery about the order for "
                              "Friday\\par}")
                   .arg(index)
                   .toLatin1();
    return note;
}

// A fresh data folder per benchmark run.
struct Folder {
    QTemporaryDir dir;
    Folder() {
        VelmarPaths::SetDataFolderOverride(dir.path());
        TfmData::Instance().Disconnect();
        CreateSchema();
    }
    ~Folder() {
        TfmData::Instance().Disconnect();
        VelmarPaths::SetDataFolderOverride({});
    }
};

void InsertNotes(int count) {
    for (int index = 0; index < count; ++index)
        if (NoteDB::InsertNote(BenchNote(index)) == 0)
            throw std::runtime_error("insert failed");
}

// Setup for the read benchmarks: the same rows, written in one transaction to save time.
void FillNotes(int count) {
    RunSQL(QStringLiteral("BEGIN"));
    for (int index = 0; index < count; ++index) {
        const NoteValues note = BenchNote(index);
        RunSQLParams(
            QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,"
                           "Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,"
                           "TimeOut,TimeOutType) VALUES(0,'20,20',:Content,:Rtf,"
                           "12615680,1,1,0,0,'172,120','46366.5','46366.5','0',0,0)"),
            {{QStringLiteral("Content"), note.plainText}, {QStringLiteral("Rtf"), note.rtf}});
    }
    RunSQL(QStringLiteral("COMMIT"));
}

void BM_InsertNote10k(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Folder folder;
        state.ResumeTiming();
        InsertNotes(NoteCount);
    }
    state.SetItemsProcessed(state.iterations() * NoteCount);
}
BENCHMARK(BM_InsertNote10k)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_QueryInto10k(benchmark::State& state) {
    Folder folder;
    FillNotes(NoteCount);
    for (auto _ : state) {
        Dataset dataset;
        QueryInto(QStringLiteral("SELECT * FROM note"), dataset);
        benchmark::DoNotOptimize(dataset.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * NoteCount);
}
BENCHMARK(BM_QueryInto10k)->Unit(benchmark::kMillisecond);

void BM_SearchContent10k(benchmark::State& state) {
    Folder folder;
    FillNotes(NoteCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(NoteDB::SearchContent(QStringLiteral("note 99"), false).size());
}
BENCHMARK(BM_SearchContent10k)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
