// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "frmData.h"
#include "untAlarmDB.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untDueEntry.h"
#include "untNoteDB.h"
#include "untSchema.h"

#include <QtTest>

namespace {
// Inserts a note row directly with the reminder columns given.
int InsertReminderNote(int type, int type2, const QString& nTime) {
    const bool ok = RunSQLParams(
        "INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,"
        "CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) VALUES(0,'1,1','x','',0,:type,:type2,0,"
        "0,'172,120','1','1',:ntime,0,0)",
        {{"type", type}, {"type2", type2}, {"ntime", nTime}});
    Dataset last;
    QueryInto("select max(Id) as id from Note", last);
    return ok ? int(last.FieldByName("id").AsInteger()) : 0;
}
} // namespace

class TestReminderStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void updatesWriteTheReminderColumns();
    void listsHoldOnlyLiveReminders();
    void dueListEntriesInTextOrder();
    void noneDueRunsTheCallback_data();
    void noneDueRunsTheCallback();
    void unreadableDueTimeIsSkipped();
    void dueEntryFields_data();
    void dueEntryFields();
    void dueEntryRejects_data();
    void dueEntryRejects();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestReminderStore::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(12, 0))); // 46366.5
}

void TestReminderStore::cleanup() {
    FFolder.reset();
}

void TestReminderStore::updatesWriteTheReminderColumns() {
    for (int i = 0; i < 7; ++i)
        InsertReminderNote(1, 1, "0");
    QVERIFY(Alarm::SetReminder(7, "46367.5", 2, 3));
    std::optional<NoteRecord> row = NoteDB::ReadNote(7);
    QVERIFY(row);
    QCOMPARE(row->reminderTime, DateTimeText::FromNumber(46367.5));
    QCOMPARE(row->repeatCount, 2);
    QCOMPARE(row->repeatUnit, 3);

    QVERIFY(Alarm::SetReminderTime(7, "46368.25"));
    QVERIFY(Alarm::SetRepeat(7, 0, 0));
    row = NoteDB::ReadNote(7);
    QCOMPARE(row->reminderTime, DateTimeText::FromNumber(46368.25));
    QCOMPARE(row->repeatCount, 0);
    QCOMPARE(row->repeatUnit, 0);
    QCOMPARE(NoteDB::ReadNote(6)->reminderTime, DateTimeText::FromNumber(0));
}

void TestReminderStore::listsHoldOnlyLiveReminders() {
    InsertReminderNote(1, 2, "46367");   // live
    InsertReminderNote(3, 2, "46367");   // trashed
    InsertReminderNote(2, 2, "46366.1"); // minimised, live
    InsertReminderNote(1, 1, "46367");   // no reminder
    Dataset reminders;
    Alarm::ListReminders(reminders);
    QList<int> ids;
    for (const Dataset::Row row : reminders)
        ids << int(row.FieldByName("Id").AsInteger());
    QCOMPARE(ids, QList<int>({1, 3}));

    QStringList due;
    Alarm::LoadDueList(due, nullptr);
    QCOMPARE(due, QStringList({"3&46366.1&F", "1&46367&F"}));
}

void TestReminderStore::dueListEntriesInTextOrder() {
    InsertReminderNote(1, 2, "46370");
    InsertReminderNote(1, 2, "46367.5");
    InsertReminderNote(1, 2, "46367.5");
    InsertReminderNote(1, 2, "100000"); // text order puts "1..." first
    QStringList due;
    Alarm::LoadDueList(due, nullptr);
    QCOMPARE(due, QStringList({"4&100000&F", "2&46367.5&F", "3&46367.5&F", "1&46370&F"}));
}

void TestReminderStore::noneDueRunsTheCallback_data() {
    QTest::addColumn<QStringList>("dueTimes");
    QTest::addColumn<bool>("callbackRuns");
    QTest::newRow("no reminders") << QStringList{} << true;
    QTest::newRow("only future") << QStringList{"46366.6", "46400"} << true;
    QTest::newRow("one due now") << QStringList{"46400", "46366.5"} << false;
    QTest::newRow("one overdue") << QStringList{"46300"} << false;
    QTest::newRow("comma separator read too") << QStringList{"46366,25"} << false;
}

void TestReminderStore::noneDueRunsTheCallback() {
    QFETCH(QStringList, dueTimes);
    QFETCH(bool, callbackRuns);
    for (const QString& due : dueTimes)
        InsertReminderNote(1, 2, due);
    bool ran = false;
    QStringList due;
    Alarm::LoadDueList(due, [&ran] { ran = true; });
    QCOMPARE(ran, callbackRuns);
    QCOMPARE(due.size(), dueTimes.size());
}

void TestReminderStore::unreadableDueTimeIsSkipped() {
    InsertReminderNote(1, 2, "46300");
    InsertReminderNote(1, 2, "soon");
    InsertReminderNote(1, 2, "46400");
    QStringList due;
    bool ran = false;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no date-time"));
    Alarm::LoadDueList(due, [&ran] { ran = true; });
    QCOMPARE(due, QStringList({"1&46300&F", "3&46400&F"}));
    QVERIFY(!ran);
}

void TestReminderStore::dueEntryFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("noteId");
    QTest::addColumn<QString>("dueText");
    QTest::addColumn<bool>("signalled");
    QTest::newRow("pending") << "12&46367.5&F" << 12 << "46367.5" << false;
    QTest::newRow("signalled") << "3&46366,25&T" << 3 << "46366,25" << true;
    QTest::newRow("empty time text kept") << "4&&F" << 4 << "" << false;
}

void TestReminderStore::dueEntryFields() {
    QFETCH(QString, text);
    QFETCH(int, noteId);
    QFETCH(QString, dueText);
    QFETCH(bool, signalled);
    const std::optional<TDueEntry> entry = TDueEntry::Parse(text);
    QVERIFY(entry);
    QCOMPARE(entry->noteId, noteId);
    QCOMPARE(entry->dueText, dueText);
    QCOMPARE(entry->signalled, signalled);
    QCOMPARE(entry->Text(), text);
}

void TestReminderStore::dueEntryRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("no flag") << "12&46367.5";
    QTest::newRow("id no number") << "x&46367.5&F";
    QTest::newRow("unknown flag") << "12&46367.5&Y";
    QTest::newRow("a fourth field") << "12&46367.5&F&F";
    QTest::newRow("empty") << "";
}

void TestReminderStore::dueEntryRejects() {
    QFETCH(QString, text);
    QVERIFY(!TDueEntry::Parse(text));
}

QTEST_GUILESS_MAIN(TestReminderStore)
#include "tst_reminder_store.moc"
