// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeNotificationService.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untAlarmDB.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untDesktopNotifier.h"
#include "untParam.h"
#include "untPaths.h"
#include "untReminderScheduler.h"
#include "untSchema.h"
#include "untSoundPlayer.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const QDateTime Now(QDate(2026, 12, 10), QTime(9, 30));

// Inserts a note with a reminder; answers its id.
int InsertReminder(const QString& dueText, const QString& content = "note", int type = 1) {
    RunSQLParams("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,"
                 "Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) VALUES(0,'1,1',:content,"
                 "'',0,:type,2,0,0,'172,120','1','1',:ntime,0,0)",
                 {{"content", content}, {"type", type}, {"ntime", dueText}});
    Dataset last;
    QueryInto("select max(Id) as id from Note", last);
    return int(last.FieldByName("id").AsInteger());
}

int InsertReminder(const QDateTime& due, const QString& content = "note") {
    return InsertReminder(DateTimeText::FromDateTime(due), content);
}

QList<int> Ids(const QSignalSpy& spy) {
    QList<int> ids;
    for (const QList<QVariant>& arguments : spy)
        ids << arguments.at(0).toInt();
    return ids;
}

QList<bool> Flags(const QSignalSpy& spy) {
    QList<bool> flags;
    for (const QList<QVariant>& arguments : spy)
        flags << arguments.at(0).toBool();
    return flags;
}

QStringList Names(const TSoundPlayer& sound) {
    QStringList names;
    for (const TSoundRequest& request : sound.Requests())
        names << request.name;
    return names;
}
} // namespace

// One scheduler with a recording sound player, a lock switch and spies on its signals.
struct SchedulerRig {
    TSoundPlayer sound{TSoundPlayer::Output::RecordOnly};
    TReminderScheduler scheduler{sound, nullptr};
    bool locked = false;
    QSignalSpy due{&scheduler, &TReminderScheduler::NoteDue};
    QSignalSpy indicators{&scheduler, &TReminderScheduler::IndicatorsChanged};

    SchedulerRig() {
        scheduler.SetLockTest([this] { return locked; });
    }
};

class TestReminderScheduler : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dueWhileClosedIsSignalledAtStart();
    void fallsDueOnTheMinute();
    void twoDueInOneCheck();
    void signalledOncePerLoad();
    void acknowledgeThenRefresh();
    void refreshWithNothingDueHidesAndStops_data();
    void refreshWithNothingDueHidesAndStops();
    void refreshWithSomethingDueKeepsTheSound();
    void soundOff();
    void repeatOffAtSignalTime();
    void repeatOffWhileTheTimerRuns();
    void repeatPeriod_data();
    void repeatPeriod();
    void repeatsPlayTheChosenSound();
    void lockedSession();
    void unreadableDueTimeHidesNothing();
    void checksEveryThirtySeconds();
    void notifiesTheDueNote_data();
    void notifiesTheDueNote();
    void notificationShowsTheNote();
    void withoutNotificationServiceNothingElseChanges();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestReminderScheduler::init() {
    FFolder = std::make_unique<TestDataFolder>();
    QVERIFY(CreateSchema());
    Clock::Set(Now);
}

void TestReminderScheduler::cleanup() {
    FFolder.reset();
}

void TestReminderScheduler::dueWhileClosedIsSignalledAtStart() {
    const int overdue = InsertReminder(Now.addDays(-2));
    const int pending = InsertReminder(Now.addSecs(3600));
    SchedulerRig rig;
    rig.scheduler.Start();
    QCOMPARE(Ids(rig.due), QList<int>({overdue}));
    QCOMPARE(Flags(rig.indicators), QList<bool>({true}));
    QVERIFY(rig.scheduler.IndicatorsShown());
    QCOMPARE(Names(rig.sound), QStringList({"reminder.wav"}));
    QVERIFY(rig.scheduler.IsSoundRepeating());
    QCOMPARE(rig.scheduler.DueList(),
             QStringList({QString::number(overdue) + '&' +
                              DateTimeText::FromDateTime(Now.addDays(-2)) + "&T",
                          QString::number(pending) + '&' +
                              DateTimeText::FromDateTime(Now.addSecs(3600)) + "&F"}));
}

void TestReminderScheduler::fallsDueOnTheMinute() {
    const int id = InsertReminder(Now.addSecs(60));
    SchedulerRig rig;
    rig.scheduler.Start();
    Clock::Set(Now.addSecs(59));
    rig.scheduler.CheckDue();
    QVERIFY(rig.due.isEmpty());
    QVERIFY(!rig.scheduler.IndicatorsShown());
    Clock::Set(Now.addSecs(60));
    rig.scheduler.CheckDue();
    QCOMPARE(Ids(rig.due), QList<int>({id}));
    QCOMPARE(Flags(rig.indicators), QList<bool>({true}));
    QCOMPARE(rig.sound.Requests().size(), 1);
}

void TestReminderScheduler::twoDueInOneCheck() {
    const int first = InsertReminder(Now.addSecs(-600));
    const int second = InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    QCOMPARE(Ids(rig.due), QList<int>({first, second}));
    QCOMPARE(Flags(rig.indicators), QList<bool>({true}));
    QCOMPARE(Names(rig.sound), QStringList({"reminder.wav"}));
}

void TestReminderScheduler::signalledOncePerLoad() {
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    Clock::Set(Now.addSecs(30));
    rig.scheduler.CheckDue();
    rig.scheduler.CheckDue();
    QCOMPARE(rig.due.size(), 1);
    QCOMPARE(rig.sound.Requests().size(), 1);
}

void TestReminderScheduler::acknowledgeThenRefresh() {
    const int id = InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    const int stopsBefore = rig.sound.StopCount();
    rig.scheduler.Acknowledge();
    QCOMPARE(Flags(rig.indicators), QList<bool>({true, false}));
    QVERIFY(!rig.scheduler.IsSoundRepeating());
    // The chime under way is cut short too.
    QCOMPARE(rig.sound.StopCount(), stopsBefore + 1);

    rig.scheduler.CheckDue(); // still overdue, but already signalled in this load
    QCOMPARE(rig.due.size(), 1);
    QVERIFY(!rig.scheduler.IndicatorsShown());

    rig.scheduler.ReloadDueList();
    QCOMPARE(rig.indicators.size(), 2);
    rig.scheduler.CheckDue();
    QCOMPARE(Ids(rig.due), QList<int>({id, id}));
    QCOMPARE(Flags(rig.indicators), QList<bool>({true, false, true}));
    QCOMPARE(Names(rig.sound), QStringList({"reminder.wav", "reminder.wav"}));
    QVERIFY(rig.scheduler.IsSoundRepeating());
}

void TestReminderScheduler::refreshWithNothingDueHidesAndStops_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("snoozed") << "update Note set NTime=:later";
    QTest::newRow("reminder cleared") << "update Note set Type2=1";
    QTest::newRow("note trashed") << "update Note set Type=3";
}

void TestReminderScheduler::refreshWithNothingDueHidesAndStops() {
    QFETCH(QString, change);
    InsertReminder(Now.addSecs(-60));
    InsertReminder(Now.addDays(1)); // pending: no reason to keep ringing
    SchedulerRig rig;
    rig.scheduler.Start();
    QVERIFY(rig.scheduler.IsSoundRepeating());
    SqlParams params;
    if (change.contains(":later"))
        params.append({"later", DateTimeText::FromDateTime(Now.addSecs(300))});
    QVERIFY(RunSQLParams(change + " where Id=1", params));

    rig.scheduler.ReloadDueList();
    QCOMPARE(Flags(rig.indicators), QList<bool>({true, false}));
    QVERIFY(!rig.scheduler.IsSoundRepeating());
    rig.scheduler.CheckDue();
    QCOMPARE(rig.due.size(), 1);
}

void TestReminderScheduler::refreshWithSomethingDueKeepsTheSound() {
    const int id = InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    rig.scheduler.ReloadDueList();
    QVERIFY(rig.scheduler.IndicatorsShown());
    QVERIFY(rig.scheduler.IsSoundRepeating());
    rig.scheduler.CheckDue();
    QCOMPARE(Ids(rig.due), QList<int>({id, id})); // the note is marked again ...
    QCOMPARE(rig.indicators.size(), 1);           // ... the indicators were never hidden
    QCOMPARE(rig.sound.Requests().size(), 1);     // and the first sound does not restart
}

void TestReminderScheduler::soundOff() {
    WriteBoolSetting("ReminderIsPlaySound", false);
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    QCOMPARE(Flags(rig.indicators), QList<bool>({true}));
    QVERIFY(rig.sound.Requests().isEmpty());
    QVERIFY(!rig.scheduler.IsSoundRepeating());
}

void TestReminderScheduler::repeatOffAtSignalTime() {
    WriteBoolSetting("IsRepeatSound", false);
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    QCOMPARE(Names(rig.sound), QStringList({"reminder.wav"}));
    QVERIFY(!rig.scheduler.IsSoundRepeating());
    QVERIFY(rig.scheduler.IndicatorsShown());
}

void TestReminderScheduler::repeatOffWhileTheTimerRuns() {
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    rig.scheduler.PlaySoundTick();
    QCOMPARE(rig.sound.Requests().size(), 2);
    WriteBoolSetting("IsRepeatSound", false);
    rig.scheduler.PlaySoundTick();
    QCOMPARE(rig.sound.Requests().size(), 2);
    QVERIFY(!rig.scheduler.IsSoundRepeating());
    QVERIFY(rig.scheduler.IndicatorsShown());
}

void TestReminderScheduler::repeatPeriod_data() {
    QTest::addColumn<QString>("repeatTime");
    QTest::addColumn<int>("intervalMs");
    QTest::newRow("default 30") << "30" << 30000;
    QTest::newRow("5 seconds") << "5" << 5000;
    QTest::newRow("an hour") << "3600" << 3600000;
    QTest::newRow("not a number") << "half a minute" << 30000;
    QTest::newRow("empty") << "" << 30000;
    QTest::newRow("zero would ring without pause") << "0" << 30000;
    QTest::newRow("negative") << "-5" << 30000;
}

void TestReminderScheduler::repeatPeriod() {
    QFETCH(QString, repeatTime);
    QFETCH(int, intervalMs);
    WriteTextSetting("RepeatTime", repeatTime);
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    if (intervalMs == 30000 && repeatTime != "30")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is no number of seconds"));
    rig.scheduler.Start();
    QVERIFY(rig.scheduler.IsSoundRepeating());
    QCOMPARE(rig.scheduler.SoundRepeatIntervalMs(), intervalMs);
}

void TestReminderScheduler::repeatsPlayTheChosenSound() {
    WriteTextSetting("ReminderSount", "bells.wav");
    QFile bells(VelmarPaths::DataFolder() + "bells.wav");
    QVERIFY(bells.open(QIODevice::WriteOnly));
    bells.close();
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.scheduler.Start();
    rig.scheduler.PlaySoundTick();
    QCOMPARE(Names(rig.sound), QStringList({"reminder.wav", "bells.wav"}));
    QCOMPARE(rig.sound.Requests().last().file, bells.fileName());
}

void TestReminderScheduler::lockedSession() {
    InsertReminder(Now.addSecs(-60));
    SchedulerRig rig;
    rig.locked = true;
    rig.scheduler.Start();
    QCOMPARE(rig.sound.Requests().size(), 1); // the first sound of a signal always plays
    rig.scheduler.PlaySoundTick();
    rig.scheduler.PlaySoundTick();
    QCOMPARE(rig.sound.Requests().size(), 1);
    QVERIFY(rig.scheduler.IsSoundRepeating());
    rig.locked = false;
    rig.scheduler.PlaySoundTick();
    QCOMPARE(rig.sound.Requests().size(), 2);
}

void TestReminderScheduler::unreadableDueTimeHidesNothing() {
    InsertReminder("soon");
    const int due = InsertReminder(Now.addSecs(-60));
    InsertReminder("");
    SchedulerRig rig;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no date-time: \"soon\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no date-time: \"\""));
    rig.scheduler.Start();
    QCOMPARE(Ids(rig.due), QList<int>({due}));
    QVERIFY(rig.scheduler.IndicatorsShown());
    QCOMPARE(rig.sound.Requests().size(), 1);
}

void TestReminderScheduler::checksEveryThirtySeconds() {
    SchedulerRig rig;
    auto* timer = rig.scheduler.findChild<QTimer*>("timerCheckDue");
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    rig.scheduler.Start();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 30000);
}

void TestReminderScheduler::notifiesTheDueNote_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("title");
    QTest::newRow("first line") << "Call the bakery\r\nabout the cake"
                                << "Call the bakery";
    QTest::newRow("blank lines first") << "\n  \n  Water the plants  \nand more"
                                       << "Water the plants";
    QTest::newRow("empty note") << ""
                                << "Reminder";
    QTest::newRow("long line") << QString(100, 'x') << QString(79, 'x') + QChar(0x2026);
}

void TestReminderScheduler::notifiesTheDueNote() {
    QFETCH(QString, content);
    QFETCH(QString, title);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    FakeNotificationService service;
    QVERIFY(service.IsRegistered());
    InsertReminder(QDateTime(QDate(2026, 12, 10), QTime(9, 15)), content);
    TSoundPlayer sound(TSoundPlayer::Output::RecordOnly);
    TDesktopNotifier notifier;
    TReminderScheduler scheduler(sound, &notifier);
    scheduler.SetLockTest([] { return false; });
    scheduler.Start();
    QTRY_COMPARE(service.Received().size(), 1);
    QCOMPARE(service.Received().first().summary, title);
    QCOMPARE(service.Received().first().body, QString("10/12/2026 09:15"));
    QLocale::setDefault(QLocale::system());
}

void TestReminderScheduler::notificationShowsTheNote() {
    FakeNotificationService service;
    const int id = InsertReminder(Now.addSecs(-60));
    TSoundPlayer sound(TSoundPlayer::Output::RecordOnly);
    TDesktopNotifier notifier;
    TReminderScheduler scheduler(sound, &notifier);
    scheduler.SetLockTest([] { return false; });
    QSignalSpy delivered(&notifier, &TDesktopNotifier::Delivered);
    QSignalSpy show(&scheduler, &TReminderScheduler::ShowNoteRequested);
    scheduler.Start();
    QVERIFY(delivered.wait());
    service.ClickAction(service.Received().first().id, "show");
    QVERIFY(show.wait());
    QCOMPARE(Ids(show), QList<int>({id}));
}

void TestReminderScheduler::withoutNotificationServiceNothingElseChanges() {
    const int id = InsertReminder(Now.addSecs(-60));
    SchedulerRig plain;
    plain.scheduler.Start();

    TSoundPlayer sound(TSoundPlayer::Output::RecordOnly);
    TDesktopNotifier notifier;
    TReminderScheduler scheduler(sound, &notifier);
    scheduler.SetLockTest([] { return false; });
    QSignalSpy due(&scheduler, &TReminderScheduler::NoteDue);
    scheduler.Start();
    QCOMPARE(Ids(due), QList<int>({id}));
    QCOMPARE(scheduler.IndicatorsShown(), plain.scheduler.IndicatorsShown());
    QCOMPARE(scheduler.DueList(), plain.scheduler.DueList());
    QCOMPARE(sound.Requests(), plain.sound.Requests());
    QCOMPARE(scheduler.IsSoundRepeating(), plain.scheduler.IsSoundRepeating());
}

QTEST_GUILESS_MAIN(TestReminderScheduler)
#include "tst_reminder_scheduler.moc"
