// SPDX-License-Identifier: GPL-3.0-or-later
// Access-layer costs with a realistic table: 10,000 notes inserted one statement at a time
// (each committed on its own, as the program does), loaded whole, and searched; and one setting
// read from a config.ini as Settings writes it, as each note window does when it is made.
#include "frmData.h"
#include "untDB.h"
#include "untNoteDB.h"
#include "untParam.h"
#include "untPaths.h"
#include "untSchema.h"

#include <benchmark/benchmark.h>

#include <QFile>
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

void BM_ReadSetting(benchmark::State& state) {
    QTemporaryDir dir;
    VelmarPaths::SetDataFolderOverride(dir.path());
    QFile file(SettingsPath());
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write config.ini");
        return;
    }
    file.write("[sysconfig]\r\nNotepadDisply=1\r\nonthetop=1\r\nshowalldesknotes=1\r\n"
               "ExitReminder=0\r\nIsShowWelcome=0\r\nAutoRun=1\r\nDefautNoteType=0\r\n"
               "FontName=Tahoma\r\nFontSize=2\r\nNoteColor=12615680\r\n"
               "ReminderIsPlaySound=1\r\nIsRepeatSound=1\r\nRepeatTime=30\r\n"
               "ReminderSount=reminder.wav\r\nSnoozefor=5\r\n[hotkey]\r\nFindNotes=24646\r\n"
               "ReminderList=0\r\nDateTime=0\r\nRadomColors=0\r\nAlwaysOnTop=0\r\n"
               "DefaultNote=49230\r\nTrashList=0\r\nShowAll=0\r\nHideAll=0\r\n");
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSetting(SysConfig::NoteColor));
    VelmarPaths::SetDataFolderOverride({});
}
BENCHMARK(BM_ReadSetting)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
