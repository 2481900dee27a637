// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupTestSupport.h"
#include "CliRunner.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untBackup.h"
#include "untDB.h"
#include "untPaths.h"
#include "untSchema.h"
#include "untSingleInstance.h"

#include <QDir>
#include <QtTest>

class TestBackupCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void backupToAFileAndIntoTheBackupFolder();
    void restoreRefusedWhileTheProgramRuns();
    void restoreAfterTheProgramEnded();
    void wrongUse_data();
    void wrongUse();

private:
    static void Remember(const QString& text);
    QString Database() const { return VelmarPaths::DataFolder() + QStringLiteral("Data.db"); }
    QString Newest(const QString& path) const {
        return QueryFile(path, "SELECT info FROM FindInfo ORDER BY Id DESC LIMIT 1");
    }
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestBackupCli::init() {
    FFolder = std::make_unique<TestDataFolder>();
    QVERIFY(CreateSchema());
}

void TestBackupCli::cleanup() {
    FFolder.reset();
}

void TestBackupCli::Remember(const QString& text) {
    QVERIFY(RunSQLParams(QStringLiteral("INSERT INTO FindInfo (info, ctime) VALUES (:info, '0')"),
                         {{QStringLiteral("info"), text}}));
}

void TestBackupCli::backupToAFileAndIntoTheBackupFolder() {
    Remember(QStringLiteral("first"));
    const QString file = FFolder->Root() + QStringLiteral("/copy.db");
    const CliRun toFile = RunCli({"backup", file});
    QCOMPARE(toFile.exitCode, 0);
    QCOMPARE(toFile.OutText(), QStringLiteral("backed up to %1\n").arg(file));
    QCOMPARE(Newest(file), QStringLiteral("first"));
    QCOMPARE(FileMode(file), 0600);

    // Without FILE, today's copy in backups/ (the companion reads the real clock).
    const CliRun daily = RunCli({"backup"});
    QCOMPARE(daily.exitCode, 0);
    const QString expected =
        DatabaseBackup::BackupFolder() + DatabaseBackup::DailyFileName(QDate::currentDate());
    QCOMPARE(daily.OutText(), QStringLiteral("backed up to %1\n").arg(expected));
    QCOMPARE(Newest(expected), QStringLiteral("first"));
}

void TestBackupCli::restoreRefusedWhileTheProgramRuns() {
    Remember(QStringLiteral("old"));
    const QString file = FFolder->Root() + QStringLiteral("/copy.db");
    QCOMPARE(RunCli({"backup", file}).exitCode, 0);
    Remember(QStringLiteral("current"));

    SingleInstance running; // what a running Velmar Notes holds
    QVERIFY(running.Acquire());
    const CliRun refused = RunCli({"restore", file});
    QCOMPARE(refused.exitCode, 3);
    QVERIFY2(refused.err.contains("Velmar Notes is running"), qPrintable(refused.err));
    QCOMPARE(Newest(Database()), QStringLiteral("current"));
    QCOMPARE(QDir(VelmarPaths::DataFolder()).entryList({"Data.db*"}, QDir::Files),
             QStringList{"Data.db"});
}

void TestBackupCli::restoreAfterTheProgramEnded() {
    Remember(QStringLiteral("old"));
    const QString file = FFolder->Root() + QStringLiteral("/copy.db");
    QCOMPARE(RunCli({"backup", file}).exitCode, 0);
    Remember(QStringLiteral("current"));
    TfmData::Instance().Disconnect();

    const CliRun restored = RunCli({"restore", file});
    QCOMPARE(restored.exitCode, 0);
    QCOMPARE(Newest(Database()), QStringLiteral("old"));
    const QStringList aside =
        QDir(VelmarPaths::DataFolder()).entryList({"Data.db.replaced-*"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(restored.OutText(), QStringLiteral("restored; the replaced file is %1\n")
                                     .arg(VelmarPaths::DataFolder() + aside.first()));
    QCOMPARE(Newest(VelmarPaths::DataFolder() + aside.first()), QStringLiteral("current"));
}

void TestBackupCli::wrongUse_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("restore without FILE")
        << QStringList{"restore"} << 2 << "usage: velmar-cli restore FILE [--data-dir DIR]";
    QTest::newRow("backup of two files") << QStringList{"backup", "a.db", "b.db"} << 2
                                         << "usage: velmar-cli backup [FILE] [--data-dir DIR]";
    QTest::newRow("restore of a missing file")
        << QStringList{"restore", "/nonexistent/copy.db"} << 1
        << "velmar-cli: /nonexistent/copy.db is not a file";
    QTest::newRow("backup without Data.db")
        << QStringList{"backup", "--data-dir", "/nonexistent/folder"} << 1
        << "there is no Data.db to back up in /nonexistent/folder/";
}

void TestBackupCli::wrongUse() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TfmData::Instance().Disconnect();
    const CliRun run = RunCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestBackupCli)
#include "tst_backup_cli.moc"
