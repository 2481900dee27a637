// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupTestSupport.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untBackup.h"
#include "untClock.h"
#include "untDB.h"
#include "untPaths.h"
#include "untSchema.h"

#include <QDir>
#include <QtTest>

using namespace DatabaseBackup;

class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fortyDaysLeaveSevenDailyAndFourWeeklyCopies();
    void daysToKeep_data();
    void daysToKeep();
    void oneDailyCopyPerDayAndOwnerOnly();
    void backupNowReplacesTodaysCopy();
    void otherFilesInTheFolderStay();
    void failureIsLoggedAndAnswered();
    void neverCopiesOntoTheDatabaseItself();
    void restorePutsTheCopyBackAndKeepsTheReplacedFile();
    void restoreRefusesWhatIsNoNotesDatabase();

private:
    // Records `text` in the search history, so that each copy shows what it was made from.
    static void Remember(const QString& text);
    static QString NewestRemembered(const QString& database);
    static QStringList BackupFiles();
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestBackup::init() {
    FFolder = std::make_unique<TestDataFolder>();
    QVERIFY(CreateSchema());
}

void TestBackup::cleanup() {
    FFolder.reset();
}

void TestBackup::Remember(const QString& text) {
    QVERIFY(RunSQLParams(QStringLiteral("INSERT INTO FindInfo (info, ctime) VALUES (:info, '0')"),
                         {{QStringLiteral("info"), text}}));
}

QString TestBackup::NewestRemembered(const QString& database) {
    return QueryFile(database, "SELECT info FROM FindInfo ORDER BY Id DESC LIMIT 1");
}

QStringList TestBackup::BackupFiles() {
    return QDir(BackupFolder()).entryList(QDir::Files, QDir::Name);
}

void TestBackup::fortyDaysLeaveSevenDailyAndFourWeeklyCopies() {
    // Monday 5 January to Friday 13 February 2026, the program started twice a day.
    const QDate first(2026, 1, 5);
    for (int day = 0; day < 40; ++day) {
        const QDate date = first.addDays(day);
        for (const QTime time : {QTime(8, 0), QTime(17, 30)}) {
            Clock::Set(QDateTime(date, time));
            Remember(QDateTime(date, time).toString(Qt::ISODate));
            QVERIFY(RunDailyBackup().Ok);
        }
    }
    // The daily copies of 7 to 13 February; of the weeks before, each week's first copy, for
    // the weeks of 2 February, 26 January, 19 January and 12 January.
    const QStringList expected{"Data-2026-01-12.db", "Data-2026-01-19.db", "Data-2026-01-26.db",
                               "Data-2026-02-02.db", "Data-2026-02-07.db", "Data-2026-02-08.db",
                               "Data-2026-02-09.db", "Data-2026-02-10.db", "Data-2026-02-11.db",
                               "Data-2026-02-12.db", "Data-2026-02-13.db"};
    QCOMPARE(BackupFiles(), expected);
    // Each copy holds its day's data as of the day's first start.
    for (const QString& name : expected) {
        const QString day = name.mid(5, 10);
        QCOMPARE(NewestRemembered(BackupFolder() + name), day + QStringLiteral("T08:00:00"));
    }
}

void TestBackup::daysToKeep_data() {
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<QList<QDate>>("kept");
    const auto d = [](int month, int day) { return QDate(2026, month, day); };
    QTest::newRow("fewer than seven")
        << QList<QDate>{d(3, 2), d(3, 9)} << QList<QDate>{d(3, 9), d(3, 2)};
    // Used on Mondays, Wednesdays and Fridays: 7 latest, then the Monday of each older week.
    QList<QDate> everyOtherDay;
    for (QDate day = d(3, 2); day <= d(4, 10); day = day.addDays(day.dayOfWeek() == 5 ? 3 : 2))
        everyOtherDay.append(day);
    QTest::newRow("three days a week")
        << everyOtherDay << QList<QDate>{d(4, 10), d(4, 8),  d(4, 6),  d(4, 3), d(4, 1), d(3, 30),
                                         d(3, 27), d(3, 23), d(3, 16), d(3, 9), d(3, 2)};
    // A week partly among the daily copies keeps its first older copy; weeks without copies
    // count for none.
    QTest::newRow("weeks with gaps")
        << QList<QDate>{d(1, 2), d(1, 20), d(1, 21), d(2, 4),  d(2, 5),  d(2, 6), d(2, 7),
                        d(2, 8), d(2, 9),  d(2, 10), d(2, 11), d(2, 12), d(3, 3)}
        << QList<QDate>{d(3, 3), d(2, 12), d(2, 11), d(2, 10), d(2, 9),
                        d(2, 8), d(2, 7),  d(2, 4),  d(1, 20), d(1, 2)};
}

void TestBackup::daysToKeep() {
    QFETCH(QList<QDate>, days);
    QFETCH(QList<QDate>, kept);
    QCOMPARE(DaysToKeep(days), kept);
}

void TestBackup::oneDailyCopyPerDayAndOwnerOnly() {
    Clock::Set(QDateTime(QDate(2026, 5, 4), QTime(9, 0)));
    Remember(QStringLiteral("morning"));
    const TResult first = RunDailyBackup();
    QVERIFY(first.Ok);
    QCOMPARE(first.Path, BackupFolder() + QStringLiteral("Data-2026-05-04.db"));
    Remember(QStringLiteral("evening"));
    QVERIFY(RunDailyBackup().Ok);
    QCOMPARE(NewestRemembered(first.Path), QStringLiteral("morning"));
    QCOMPARE(FileMode(first.Path), 0600);
    QCOMPARE(QueryFile(first.Path, "PRAGMA integrity_check"), QStringLiteral("ok"));
}

void TestBackup::backupNowReplacesTodaysCopy() {
    Clock::Set(QDateTime(QDate(2026, 5, 4), QTime(9, 0)));
    Remember(QStringLiteral("morning"));
    QVERIFY(RunDailyBackup().Ok);
    Remember(QStringLiteral("evening"));
    const TResult now = BackupNow();
    QVERIFY(now.Ok);
    QCOMPARE(BackupFiles(), QStringList{"Data-2026-05-04.db"});
    QCOMPARE(NewestRemembered(now.Path), QStringLiteral("evening"));
}

void TestBackup::otherFilesInTheFolderStay() {
    QVERIFY(QDir().mkpath(BackupFolder()));
    const QStringList others{"Data-2020-01-01.db.partial", "Data-old.db", "mine.db"};
    for (const QString& name : others) {
        QFile file(BackupFolder() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (int day = 0; day < 30; ++day) {
        Clock::Set(QDateTime(QDate(2026, 6, 1).addDays(day), QTime(9, 0)));
        QVERIFY(RunDailyBackup().Ok);
    }
    for (const QString& name : others)
        QVERIFY2(BackupFiles().contains(name), qPrintable(name));
    QCOMPARE(BackupFiles().size(), others.size() + 7 + 4);
}

void TestBackup::failureIsLoggedAndAnswered() {
    // A plain file where the folder should be: the copy cannot be made.
    QFile blocker(BackupFolder().chopped(1));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("the daily backup failed: .*backups"));
    const TResult result = RunDailyBackup();
    QVERIFY(!result.Ok);
    QVERIFY(!result.Error.isEmpty());
}

void TestBackup::neverCopiesOntoTheDatabaseItself() {
    Remember(QStringLiteral("mine"));
    const QString database = VelmarPaths::DataFolder() + QStringLiteral("Data.db");
    const TResult result = CopyDatabase(database, VelmarPaths::DataFolder() + "./Data.db");
    QVERIFY(!result.Ok);
    QVERIFY2(result.Error.contains("is the database itself"), qPrintable(result.Error));
    Remember(QStringLiteral("still written"));
    QCOMPARE(NewestRemembered(database), QStringLiteral("still written"));
}

void TestBackup::restorePutsTheCopyBackAndKeepsTheReplacedFile() {
    Clock::Set(QDateTime(QDate(2026, 5, 4), QTime(9, 0)));
    Remember(QStringLiteral("kept"));
    const TResult backup = BackupNow();
    QVERIFY(backup.Ok);
    Remember(QStringLiteral("replaced"));
    TfmData::Instance().Disconnect();

    Clock::Set(QDateTime(QDate(2026, 5, 5), QTime(10, 11, 12)));
    const TResult restored = RestoreDatabase(backup.Path);
    QVERIFY2(restored.Ok, qPrintable(restored.Error));
    const QString database = VelmarPaths::DataFolder() + QStringLiteral("Data.db");
    QCOMPARE(restored.Path, database + QStringLiteral(".replaced-20260505-101112"));
    QCOMPARE(NewestRemembered(database), QStringLiteral("kept"));
    QCOMPARE(NewestRemembered(restored.Path), QStringLiteral("replaced"));
    QCOMPARE(FileMode(database), 0600);
}

void TestBackup::restoreRefusesWhatIsNoNotesDatabase() {
    Remember(QStringLiteral("mine"));
    TfmData::Instance().Disconnect();
    const QString text = FFolder->Root() + QStringLiteral("/text.db");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const QString database = VelmarPaths::DataFolder() + QStringLiteral("Data.db");
    for (const QString& wrong : {text, FFolder->Root() + QStringLiteral("/missing.db")}) {
        const TResult result = RestoreDatabase(wrong);
        QVERIFY(!result.Ok);
        QVERIFY2(result.Error.contains(wrong), qPrintable(result.Error));
    }
    QCOMPARE(NewestRemembered(database), QStringLiteral("mine"));
    QCOMPARE(QDir(VelmarPaths::DataFolder()).entryList({"Data.db*"}, QDir::Files),
             QStringList{"Data.db"});
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
