// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusyReader.h"
#include "CliRunner.h"
#include "FullDisk.h"
#include "MemoboardFixtures.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untPaths.h"

#include <QtTest>

using namespace std::chrono_literals;

class TestMemoboardCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void importListExportRoundTrip();
    void failuresExitNonZeroWithAReason_data();
    void failuresExitNonZeroWithAReason();
    void importWaitsForABusyDatabase();

private:
    QString DataDir() const { return FFolder->Root() + QStringLiteral("/cli-data"); }
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestMemoboardCli::init() {
    FFolder = std::make_unique<TestDataFolder>();
}

void TestMemoboardCli::cleanup() {
    VelmarPaths::SetDataFolderOverride({});
    FFolder.reset();
}

void TestMemoboardCli::importListExportRoundTrip() {
    const QString fixture = FixturePath("plans-with-notes.mbir");
    const CliRun imported = RunCli({"import-memoboard", fixture, "--data-dir", DataDir()});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.OutText(), QStringLiteral("imported memoboard 1\n"));
    QVERIFY(RunCli({"import-memoboard", "--data-dir", DataDir(), fixture}).exitCode == 0);

    const CliRun listed = RunCli({"list-memoboards", "--data-dir", DataDir()});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.OutText(), QStringLiteral("1\tPlans\n\t2\tTab1\n3\tPlans\n\t4\tTab1\n"));

    const QString exported = FFolder->Root() + QStringLiteral("/back.mbir");
    QCOMPARE(RunCli({"export-memoboard", "3", exported, "--data-dir", DataDir()}).exitCode, 0);
    QCOMPARE(ReadFile(exported), ReadFile(fixture));
}

void TestMemoboardCli::failuresExitNonZeroWithAReason_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString plans = FixturePath("plans.mbir");
    QTest::newRow("broken file") << QStringList{"import-memoboard", FixturePath("bad-integer.mbir")}
                                 << 1 << "import failed, nothing was stored: line 3: field 4";
    QTest::newRow("file cut short")
        << QStringList{"import-memoboard", FixturePath("cut-in-the-middle.mbir")} << 1
        << "import failed, nothing was stored: line 4 has no line end: the file is cut short";
    QTest::newRow("size out of range")
        << QStringList{"import-memoboard", FixturePath("size-out-of-range.mbir")} << 1
        << "line 3: field 9 (\"99999999999999999999,\") is not two integers joined by a comma";
    QTest::newRow("export to a full device") << QStringList{"export-memoboard", "1", "full-device"}
                                             << 1 << "export failed: cannot write";
    QTest::newRow("missing file") << QStringList{"import-memoboard", "/nonexistent/x.mbir"} << 1
                                  << "cannot read /nonexistent/x.mbir";
    QTest::newRow("unknown memoboard") << QStringList{"export-memoboard", "7", "out.mbir"} << 1
                                       << "there is no memoboard with id 7";
    QTest::newRow("a tab is no memoboard") << QStringList{"export-memoboard", "2", "out.mbir"} << 1
                                           << "there is no memoboard with id 2";
    QTest::newRow("id not a number") << QStringList{"export-memoboard", "Plans", "out.mbir"} << 1
                                     << "'Plans' is not a memoboard id";
    QTest::newRow("file missing from the arguments")
        << QStringList{"export-memoboard", "1"} << 2
        << "usage: velmar-cli export-memoboard ID FILE";
    QTest::newRow("too many arguments") << QStringList{"import-memoboard", plans, plans} << 2
                                        << "usage: velmar-cli import-memoboard FILE";
}

void TestMemoboardCli::failuresExitNonZeroWithAReason() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QCOMPARE(
        RunCli({"import-memoboard", FixturePath("plans.mbir"), "--data-dir", DataDir()}).exitCode,
        0);
    const QString exported = FFolder->Root() + QStringLiteral("/out.mbir");
    args.replaceInStrings(QRegularExpression("^out.mbir$"), exported);
    args.replaceInStrings(QRegularExpression("^full-device$"), FullDevice(FFolder->Root()));
    VelmarPaths::SetDataFolderOverride(DataDir());
    const QStringList before = StoreDump();
    TfmData::Instance().Disconnect();

    const CliRun run = RunCli(args + QStringList{"--data-dir", DataDir()});

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(exported));
    QCOMPARE(StoreDump(), before);
}

void TestMemoboardCli::importWaitsForABusyDatabase() {
    const QString fixture = FixturePath("plans-with-notes.mbir");
    QCOMPARE(RunCli({"import-memoboard", fixture, "--data-dir", DataDir()}).exitCode, 0);
    BusyReader reader(DataDir() + QStringLiteral("/Data.db"));
    QVERIFY(reader.Holding());
    reader.ReleaseAfter(500ms);
    const CliRun imported = RunCli({"import-memoboard", fixture, "--data-dir", DataDir()});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    QCOMPARE(imported.OutText(), QStringLiteral("imported memoboard 3\n"));
}

QTEST_GUILESS_MAIN(TestMemoboardCli)
#include "tst_memoboard_cli.moc"
