// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAlarmList.h"

#include "ListWindowTestSupport.h"
#include "TestDataFolder.h"
#include "frmMessage.h"
#include "untClock.h"
#include "untDateTime.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include <memory>

namespace {

const QDateTime Now(QDate(2026, 3, 10), QTime(8, 15, 0));

QString Moment(const QDateTime& moment) {
    return QLocale().toString(moment.date(), QLocale::ShortFormat) + u' ' +
           QLocale().toString(moment.time(), QLocale::LongFormat);
}

} // namespace

class TestAlarmList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsLiveRemindersDueOrPendingWithTheirDateAndTime();
    void selectingARowShowsItsTimeAndSnoozeOnlyWhenDue_data();
    void selectingARowShowsItsTimeAndSnoozeOnlyWhenDue();
    void snoozeMovesADueReminderAndItsWindowLosesTheDuePicture();
    void snoozeRefusesAnAmountThatIsNoPositiveWholeNumber_data();
    void snoozeRefusesAnAmountThatIsNoPositiveWholeNumber();
    void clearAdvancesARepeatingReminderAndKeepsTheRow();
    void clearEndsAOneTimeReminderAndLeavesOneBlankRow();
    void trashClosesTheNotesWindowAndLeavesAWindowlessDesktopNote();
    void thePreviewFollowsTheWindow();

private:
    // A note with a reminder at `due`, repeating every `count` units of `unit` (0: once).
    static int Reminder(const QString& text, const QDateTime& due, int count = 0, int unit = 0,
                        int type = 1) {
        TestNoteRow row;
        row.content = text;
        row.type = type;
        row.type2 = 2;
        row.nTime = DateTimeText::FromDateTime(due);
        const int id = InsertTestNote(row);
        RunSQLParams(QStringLiteral("UPDATE Note SET TimeOut=:c, TimeOutType=:u WHERE Id=:id"),
                     {{QStringLiteral("c"), count},
                      {QStringLiteral("u"), unit},
                      {QStringLiteral("id"), id}});
        return id;
    }
    void Open() {
        FWindow = new TfmAlarmList(*FMessage);
        FWindow->Fill();
        FWindow->show();
    }
    static TfmNote* OpenWindow(int noteId) {
        return TfmUntil::Instance().OpenNote(noteId, nullptr, nullptr);
    }
    static QString AlarmPicture(const TfmNote& note) {
        return note.ReminderIconShown() ? note.ReminderPicture() : QString();
    }
    bool SnoozeShown() const { return Child<QWidget>(*FWindow, "imgSnoozefor")->isVisible(); }

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmMessage> FMessage;
    QPointer<TfmAlarmList> FWindow;
};

void TestAlarmList::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    Clock::Set(Now);
    FMessage = std::make_unique<TfmMessage>();
}

void TestAlarmList::cleanup() {
    QVERIFY(CloseListWindowAndNotes(FWindow.data()));
    Clock::Reset();
    FMessage.reset();
    FFolder.reset();
}

void TestAlarmList::listsLiveRemindersDueOrPendingWithTheirDateAndTime() {
    const QDateTime past = Now.addSecs(-60);
    const QDateTime future = Now.addDays(2);
    Reminder(QStringLiteral("due"), past);
    Reminder(QStringLiteral("  "), future);
    Reminder(QStringLiteral("trashed"), past, 0, 0, 3);
    InsertTestNote({});
    Open();
    QCOMPARE(GridColumn(*FWindow, 0), (QStringList{"1", "0"}));
    QCOMPARE(GridColumn(*FWindow, 1),
             (QStringList{QLocale().toString(past.date(), QLocale::ShortFormat),
                          QLocale().toString(future.date(), QLocale::ShortFormat)}));
    QCOMPARE(GridColumn(*FWindow, 2),
             (QStringList{QLocale().toString(past.time(), QLocale::LongFormat),
                          QLocale().toString(future.time(), QLocale::LongFormat)}));
    QCOMPARE(GridColumn(*FWindow, 3), (QStringList{"due", "<not text>"}));
}

void TestAlarmList::selectingARowShowsItsTimeAndSnoozeOnlyWhenDue_data() {
    QTest::addColumn<int>("minutesFromNow");
    QTest::addColumn<int>("repeatUnit");
    QTest::addColumn<bool>("snooze");
    QTest::newRow("due, once") << -5 << 0 << true;
    QTest::newRow("due now") << 0 << 0 << true;
    QTest::newRow("pending, hourly") << 5 << 2 << false;
}

void TestAlarmList::selectingARowShowsItsTimeAndSnoozeOnlyWhenDue() {
    QFETCH(int, minutesFromNow);
    QFETCH(int, repeatUnit);
    QFETCH(bool, snooze);
    const QDateTime due = Now.addSecs(minutesFromNow * 60);
    const int id = Reminder(QStringLiteral("r"), due, 1, repeatUnit);
    Open();
    QVERIFY(!SnoozeShown());
    FWindow->Grid()->selectRow(0);
    QCOMPARE(SnoozeShown(), snooze);
    QCOMPARE(FWindow->lblAlarmTime()->text(), Moment(due));
    QCOMPARE(FWindow->lblNextRepeat()->isVisible(), repeatUnit != 0);
    if (repeatUnit != 0)
        QCOMPARE(FWindow->lblNextRepeat()->text(), Moment(Now.addSecs(3600)));
    QVERIFY(PreviewShowsNoteAtMarker(*FWindow, id));
}

void TestAlarmList::snoozeMovesADueReminderAndItsWindowLosesTheDuePicture() {
    const int id = Reminder(QStringLiteral("wake"), Now.addSecs(-60));
    TfmNote* note = OpenWindow(id);
    QCOMPARE(AlarmPicture(*note), QStringLiteral("n_alarm_timeto"));
    Open();
    FWindow->Grid()->selectRow(0);
    FWindow->edtSnoozefor()->setText(QStringLiteral("1"));
    FWindow->cbxSnoozefor()->setCurrentIndex(1); // Hours
    Press(*FWindow, "imgSnoozefor");
    const QDateTime later = Now.addSecs(3600);
    QCOMPARE(GridColumn(*FWindow, 0), QStringList{"0"});
    QCOMPARE(GridColumn(*FWindow, 2),
             QStringList{QLocale().toString(later.time(), QLocale::LongFormat)});
    QCOMPARE(NoteColumn(id, QStringLiteral("NTime")), DateTimeText::FromDateTime(later));
    QCOMPARE(AlarmPicture(*note), QStringLiteral("n_alarm"));
    QCOMPARE(AlarmPicture(*FWindow->Preview()), QStringLiteral("n_alarm"));
    QVERIFY(!SnoozeShown());
    QCOMPARE(FWindow->SelectedNote()->NoteId, id);
}

void TestAlarmList::snoozeRefusesAnAmountThatIsNoPositiveWholeNumber_data() {
    QTest::addColumn<QString>("amount");
    for (const char* amount : {"0", "-3", "abc", "1.5", ""})
        QTest::newRow(amount) << QString::fromLatin1(amount);
}

void TestAlarmList::snoozeRefusesAnAmountThatIsNoPositiveWholeNumber() {
    QFETCH(QString, amount);
    const int id = Reminder(QStringLiteral("wake"), Now.addSecs(-60));
    const QString stored = NoteColumn(id, QStringLiteral("NTime"));
    Open();
    FWindow->Grid()->selectRow(0);
    FWindow->edtSnoozefor()->setText(amount);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Press(*FWindow, "imgSnoozefor");
    QCOMPARE(FMessage->Message(),
             QStringLiteral("The snooze time must be a whole number greater than 0."));
    QCOMPARE(NoteColumn(id, QStringLiteral("NTime")), stored);
    QCOMPARE(GridColumn(*FWindow, 0), QStringList{"1"});
    QVERIFY(SnoozeShown());
}

void TestAlarmList::clearAdvancesARepeatingReminderAndKeepsTheRow() {
    const int id = Reminder(QStringLiteral("daily"), Now, 1, 3); // every 1 day at 08:15
    Open();
    FWindow->Grid()->selectRow(0);
    Press(*FWindow, "imgClearAlarm");
    QCOMPARE(FWindow->lblAlarmTime()->text(), Moment(Now.addDays(1)));
    QCOMPARE(FWindow->lblNextRepeat()->text(), Moment(Now.addDays(2)));
    QCOMPARE(NoteColumn(id, QStringLiteral("NTime")), DateTimeText::FromDateTime(Now.addDays(1)));
    QCOMPARE(GridNoteIds(*FWindow), QList<int>{id});
    QCOMPARE(GridColumn(*FWindow, 0), QStringList{"0"});
    QVERIFY(FWindow->SelectedNote());
}

void TestAlarmList::clearEndsAOneTimeReminderAndLeavesOneBlankRow() {
    const int id = Reminder(QStringLiteral("once"), Now.addSecs(-60));
    TfmNote* note = OpenWindow(id);
    Open();
    FWindow->Grid()->selectRow(0);
    Press(*FWindow, "imgClearAlarm");
    QCOMPARE(NoteColumn(id, QStringLiteral("Type2")), QStringLiteral("1"));
    QVERIFY(!note->HasReminder());
    QCOMPARE(AlarmPicture(*note), QString());
    QVERIFY(FWindow->isVisible());
    QCOMPARE(FWindow->Model().rowCount(), 1);
    FWindow->Grid()->selectRow(0);
    QCOMPARE(FWindow->SelectedNote(), nullptr);
    QVERIFY(!FWindow->Preview()->isVisible());
}

void TestAlarmList::trashClosesTheNotesWindowAndLeavesAWindowlessDesktopNote() {
    const int open = Reminder(QStringLiteral("open"), Now.addSecs(-60));
    const int windowless = Reminder(QStringLiteral("windowless"), Now.addSecs(-60));
    QPointer<TfmNote> note = OpenWindow(open);
    Open();
    FWindow->Grid()->selectRow(1);
    Press(*FWindow, "imgTrashAlarm");
    QCOMPARE(NoteColumn(windowless, QStringLiteral("Type")), QStringLiteral("1"));
    QCOMPARE(GridNoteIds(*FWindow), (QList<int>{open, windowless}));
    FWindow->Grid()->selectRow(0);
    Press(*FWindow, "imgTrashAlarm");
    ProcessDeletions();
    QVERIFY(!note);
    QCOMPARE(NoteColumn(open, QStringLiteral("Type")), QStringLiteral("3"));
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(open), nullptr);
    QCOMPARE(GridNoteIds(*FWindow), QList<int>{windowless});
}

void TestAlarmList::thePreviewFollowsTheWindow() {
    const int id = Reminder(QStringLiteral("follow"), Now.addDays(1));
    Open();
    FWindow->Grid()->selectRow(0);
    for (const QPoint step : {QPoint(40, 0), QPoint(-15, 60)}) {
        FWindow->move(FWindow->pos() + step);
        QVERIFY(PreviewShowsNoteAtMarker(*FWindow, id));
    }
}

QTEST_MAIN(TestAlarmList)
#include "tst_alarmlist.moc"
