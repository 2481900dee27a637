// SPDX-License-Identifier: GPL-3.0-or-later
// The find window's search over 100,000 notes of about 300 characters each, against the same
// LIKE scan run by the sqlite3 command-line program on the same Data.db, and the filling of the
// find window's grid with 10,000 matches.
#include "frmData.h"
#include "frmFindNotes.h"
#include "frmMessage.h"
#include "untDB.h"
#include "untNoteDB.h"
#include "untNoteListModel.h"
#include "untPaths.h"
#include "untSchema.h"
#include "untTextSearch.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int NoteCount = 100000;
// One note in 10,000 holds the rare word; every tenth note the word that fills the grid.
constexpr int RareEvery = 10000;
constexpr int TenthEvery = 10;

const QString RareTerm = QStringLiteral("quokka");
const QString TenthTerm = QStringLiteral("tenthnote");
const QString CommonTerm = QStringLiteral("the");
const QString AccentedTerm = QStringLiteral("CAFÉ");

const QStringList Words = {
    QStringLiteral("the"),      QStringLiteral("meeting"), QStringLiteral("call"),
    QStringLiteral("bakery"),   QStringLiteral("order"),   QStringLiteral("Friday"),
    QStringLiteral("remember"), QStringLiteral("to"),      QStringLiteral("buy"),
    QStringLiteral("milk"),     QStringLiteral("and"),     QStringLiteral("bread"),
    QStringLiteral("project"),  QStringLiteral("plan"),    QStringLiteral("review"),
    QStringLiteral("with"),     QStringLiteral("Anna"),    QStringLiteral("café"),
    QStringLiteral("send"),     QStringLiteral("report"),  QStringLiteral("before"),
    QStringLiteral("noon"),     QStringLiteral("garden"),  QStringLiteral("water")};

// About 300 characters of everyday words, the rare and the tenth word where they belong.
QString NoteText(int index, QRandomGenerator& random) {
    QString text;
    if (index % RareEvery == 0)
        text += RareTerm + u' ';
    if (index % TenthEvery == 0)
        text += TenthTerm + u' ';
    while (text.size() < 300)
        text += Words[random.bounded(int(Words.size()))] + u' ';
    return text;
}

// Data.db of 100,000 notes in a folder of its own, made once: the note store's schema, the
// rows written in one transaction to save time.
class BenchDatabase {
public:
    static BenchDatabase& Instance() {
        static BenchDatabase database;
        return database;
    }
    QString Path() const { return VelmarPaths::DatabasePath(); }

private:
    BenchDatabase() {
        VelmarPaths::SetDataFolderOverride(FDir.path());
        TfmData::Instance().Disconnect();
        CreateSchema();
        QRandomGenerator random(7);
        RunSQL(QStringLiteral("BEGIN"));
        for (int index = 0; index < NoteCount; ++index) {
            const QString text = NoteText(index, random);
            const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil "
                                   "Tahoma;}}\\pard\\f0\\fs16 " +
                                   text.toUtf8() + "\\par}";
            RunSQLParams(QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,"
                                        "Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,"
                                        "TimeOut,TimeOutType) VALUES(0,'20,20',:Content,:Rtf,"
                                        "12615680,1,1,0,0,'172,120','46366.5','46366.5','0',0,0)"),
                         {{QStringLiteral("Content"), text}, {QStringLiteral("Rtf"), rtf}});
        }
        RunSQL(QStringLiteral("COMMIT"));
    }

    QTemporaryDir FDir;
};

void Search(benchmark::State& state, const QString& term) {
    BenchDatabase::Instance();
    int matches = 0;
    for (auto _ : state) {
        matches = static_cast<int>(NoteDB::SearchContent(term, false).size());
    }
    state.counters["matches"] = matches;
}

// The same statement as the search's (its LIKE with the escaped term spliced in, which is safe
// for these fixed terms), timed by the command-line program itself with its output thrown
// away: its "Run Time" is the scan and the row output, without starting the process.
void SqliteCli(benchmark::State& state, const QString& term) {
    const QString sql = QStringLiteral("SELECT Id,ParentId,Type FROM note WHERE Content "
                                       "LIKE '%1' ESCAPE '\\' AND Type<>3;")
                            .arg(TextSearch::ContainsPattern(term));
    const QString path = BenchDatabase::Instance().Path();
    double cpuSeconds = 0;
    static const QRegularExpression runTime(
        QStringLiteral("Run Time: real ([0-9.]+) user ([0-9.]+) sys ([0-9.]+)"));
    for (auto _ : state) {
        QProcess cli;
        cli.start(QStringLiteral("sqlite3"), {path});
        cli.write(QStringLiteral(".timer on\n.output /dev/null\n%1\n").arg(sql).toUtf8());
        cli.closeWriteChannel();
        if (!cli.waitForFinished(60000)) {
            state.SkipWithError("sqlite3 did not finish");
            return;
        }
        const QRegularExpressionMatch match =
            runTime.match(QString::fromUtf8(cli.readAllStandardOutput()));
        if (!match.hasMatch()) {
            state.SkipWithError("sqlite3 reported no run time (is the sqlite3 package installed?)");
            return;
        }
        state.SetIterationTime(match.captured(1).toDouble());
        cpuSeconds += match.captured(2).toDouble() + match.captured(3).toDouble();
    }
    // The program's own processor time, comparable with the search's CPU column on a busy
    // machine.
    state.counters["cli_cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void BM_SearchRare(benchmark::State& state) {
    Search(state, RareTerm);
}
void BM_SqliteCliRare(benchmark::State& state) {
    SqliteCli(state, RareTerm);
}
void BM_SearchCommon(benchmark::State& state) {
    Search(state, CommonTerm);
}
void BM_SqliteCliCommon(benchmark::State& state) {
    SqliteCli(state, CommonTerm);
}
void BM_SearchTenth(benchmark::State& state) {
    Search(state, TenthTerm);
}
// A term with a letter beyond ASCII goes through the case-folding function.
void BM_SearchNonAscii(benchmark::State& state) {
    Search(state, AccentedTerm);
}

// The grid of the find window filled with the 10,000 matches of a search and painted once:
// the rows made from the dataset, handed to the model, the view scrolled to the end and drawn.
void BM_FillGrid10k(benchmark::State& state) {
    BenchDatabase::Instance();
    const QList<NoteMatch> matches = NoteDB::SearchContent(TenthTerm, false);
    TfmMessage message;
    TfmFindNotes window(message);
    window.show();
    for (auto _ : state) {
        window.Model().SetRows(NoteTextRows(matches));
        window.Grid()->scrollToBottom();
        benchmark::DoNotOptimize(window.Grid()->grab());
    }
    state.counters["rows"] = window.Model().NoteCount();
}

} // namespace

BENCHMARK(BM_SearchRare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteCliRare)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_SearchCommon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteCliCommon)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_SearchTenth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchNonAscii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillGrid10k)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
