// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoboardTestSupport.h"
#include "ShellTestSupport.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untParam.h"
#include "untProgramReminders.h"

#include <QtTest>

class TestProgramReminders : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void fallingDueShowsTheDuePictureOnTheShownNote_data();
    void fallingDueShowsTheDuePictureOnTheShownNote();
};

void TestProgramReminders::cleanup() {
    DiscardOpenNotes();
    Clock::Reset();
}

void TestProgramReminders::fallingDueShowsTheDuePictureOnTheShownNote_data() {
    QTest::addColumn<bool>("onAMemoboard");
    QTest::newRow("desktop note") << false;
    QTest::newRow("memoboard note") << true;
}

void TestProgramReminders::fallingDueShowsTheDuePictureOnTheShownNote() {
    QFETCH(bool, onAMemoboard);
    MemoboardFixture fixture;
    WriteBoolSetting(QString::fromLatin1(SysConfig::ReminderIsPlaySound.key), false);
    const QDateTime now(QDate(2026, 12, 10), QTime(9, 0));
    Clock::Set(now);
    TestNoteRow row;
    row.type2 = 2;
    row.nTime = DateTimeText::FromDateTime(now.addSecs(60));
    TfmNote* note = nullptr;
    if (onAMemoboard) {
        const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
        row.parentId = board.TabId;
        const int noteId = InsertTestNote(row);
        note = OpenBoard(board.MemoboardId, board.TabId)->FindNoteWindow(noteId);
    } else {
        note = TfmUntil::Instance().OpenNote(InsertTestNote(row), nullptr, nullptr);
    }
    QVERIFY(note);
    QCOMPARE(note->ReminderPicture(), QStringLiteral("n_alarm"));

    TProgramReminders reminders(fixture.Message());
    reminders.Scheduler().Start();
    QCOMPARE(note->ReminderPicture(), QStringLiteral("n_alarm"));
    Clock::Set(now.addSecs(90));
    reminders.Scheduler().CheckDue();
    QCOMPARE(note->ReminderPicture(), QStringLiteral("n_alarm_timeto"));
}

QTEST_MAIN(TestProgramReminders)
#include "tst_programreminders.moc"
