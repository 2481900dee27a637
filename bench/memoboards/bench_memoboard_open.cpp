// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a memoboard whose tab holds 100, 1,000 and 10,000 notes: the time until the window
// is shown and answers input (FirstPaint), and until every note window of the tab exists
// (AllNotes). Run with QT_QPA_PLATFORM=offscreen.
#include "frmData.h"
#include "frmMemoboard.h"
#include "frmMemoboardData.h"
#include "frmMessage.h"
#include "untDB.h"
#include "untMemoboardDB.h"
#include "untPaths.h"
#include "untSchema.h"

#include <SQLiteCpp/Transaction.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {
// A data folder with one memoboard whose tab holds `notes` notes spread over the page.
class BoardStore {
public:
    explicit BoardStore(int notes) {
        VelmarPaths::SetDataFolderOverride(FFolder.path());
        TfmData::Instance().Disconnect();
        CreateSchema();
        FBoard = MemoboardDB::AddMemoboard(QStringLiteral("Big"));
        SQLite::Transaction transaction(TfmData::Instance().Connection());
        const QString content =
            QStringLiteral("Call the printer about the spring catalogue, ").repeated(4);
        const QString rtf = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}"
                                           "\\viewkind4\\uc1\\pard\\f0\\fs16 ") +
                            content + QStringLiteral("\\par\r\n}");
        for (int note = 0; note < notes; ++note) {
            const QString position =
                QStringLiteral("%1,%2").arg(12 + (note % 40) * 30).arg(12 + (note / 40) * 20);
            if (!RunSQLParams(
                    QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,"
                                   "Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,"
                                   "TimeOut,TimeOutType) VALUES(:t,:p,:c,:r,8454143,1,1,0,0,"
                                   "'172,120','46366.5','46366.75','0',0,0)"),
                    {{QStringLiteral("t"), FBoard.TabId},
                     {QStringLiteral("p"), position},
                     {QStringLiteral("c"), content},
                     {QStringLiteral("r"), rtf}}))
                throw std::runtime_error("insert failed");
        }
        transaction.commit();
        TfmMemoboardData::Instance().SetMessageBox(&FMessage);
    }
    ~BoardStore() {
        TfmMemoboardData::Instance().SetMessageBox(nullptr);
        TfmData::Instance().Disconnect();
        VelmarPaths::SetDataFolderOverride({});
    }

    const TNewMemoboard& Board() const { return FBoard; }

private:
    QTemporaryDir FFolder;
    TfmMessage FMessage;
    TNewMemoboard FBoard;
};

void CloseBoard(TfmMemoboard* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MemoboardOpen(benchmark::State& state) {
    const int notes = int(state.range(0));
    BoardStore store(notes);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        TfmMemoboard* window = TfmMemoboardData::Instance().OpenMemoboard(store.Board().MemoboardId,
                                                                          store.Board().TabId);
        QCoreApplication::processEvents();
        const double firstPaint = double(clock.nsecsElapsed()) / 1e9;
        while (window->NoteList().size() < notes)
            QCoreApplication::processEvents();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        state.counters["FirstPaint_ms"] = firstPaint * 1000;
        state.PauseTiming();
        CloseBoard(window);
        state.ResumeTiming();
    }
}
BENCHMARK(MemoboardOpen)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
