// SPDX-License-Identifier: GPL-3.0-or-later
// What an autosave costs while the user types: a note of 1 KB, 100 KB and 1 MB of text is
// changed by one character and saved as a pause in typing saves it (the whole SaveIfModified:
// plain text, the RTF writer, the Content/Rtf update and ModifyTime, each committed to disk).
// Run with QT_QPA_PLATFORM=offscreen.
#include "frmData.h"
#include "frmNote.h"
#include "untNoteDB.h"
#include "untPaths.h"
#include "untSchema.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextEdit>

#include <stdexcept>

namespace {
// Lines of ordinary prose until `bytes` is reached.
QString TextOf(int bytes) {
    const QString line = QStringLiteral("Call the bakery about Friday's order, then the plumber. ");
    QString text;
    while (text.size() < bytes)
        text += line + (text.size() % 1000 < line.size() ? QStringLiteral("\n") : QString());
    text.truncate(bytes);
    return text;
}

void NoteSave(benchmark::State& state) {
    QTemporaryDir folder;
    VelmarPaths::SetDataFolderOverride(folder.path());
    TfmData::Instance().Disconnect();
    CreateSchema();
    TfmNote note;
    note.retShow()->setPlainText(TextOf(int(state.range(0))));
    note.InsertIntoStore();
    if (note.NoteId() == 0)
        throw std::runtime_error("insert failed");
    for (auto _ : state) {
        state.PauseTiming();
        note.retShow()->moveCursor(QTextCursor::End);
        note.retShow()->insertPlainText(QStringLiteral("x")); // marks the note modified
        state.ResumeTiming();
        note.SaveIfModified();
        if (note.IsModified())
            throw std::runtime_error("save failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    TfmData::Instance().Disconnect();
    VelmarPaths::SetDataFolderOverride({});
}
BENCHMARK(NoteSave)
    ->Arg(1 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
