// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "frmData.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untNoteDB.h"
#include "untSchema.h"

#include <QtTest>

namespace {
// A note window's values as the store takes them.
NoteValues NewValues() {
    NoteValues note;
    note.color = 12615680;
    note.position = {30, 40};
    note.size = {172, 120};
    note.plainText = QStringLiteral("hello");
    note.rtf = "{\\rtf1 hello\\par}";
    return note;
}

int Insert(NoteValues& note) {
    note.id = NoteDB::InsertNote(note);
    return note.id;
}

int InsertWithText(const QString& text, NoteState state = NoteState::Shown) {
    NoteValues note = NewValues();
    note.plainText = text;
    const int id = Insert(note);
    NoteDB::SetState(id, state);
    return id;
}

QList<int> Ids(const Dataset& dataset) {
    QList<int> ids;
    for (const Dataset::Row row : dataset)
        ids << int(row.FieldByName("Id").AsInteger());
    return ids;
}

QList<int> Ids(const QList<NoteRecord>& records) {
    QList<int> ids;
    for (const NoteRecord& record : records)
        ids << record.id;
    return ids;
}

NoteRecord Row(int id) {
    const std::optional<NoteRecord> row = NoteDB::ReadNote(id);
    if (!row)
        throw std::runtime_error("note row missing");
    return *row;
}

// One stored column of a note as text.
QString Column(int id, const QString& column) {
    Dataset dataset;
    QueryIntoParams("select " + column + " from note where id=:id", {{"id", id}}, dataset);
    return dataset.FieldByName(column).AsString();
}
} // namespace

class TestNoteStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newNoteRowValues();
    void failedInsertAnswersZero();
    void saveFieldWritesOneColumn_data();
    void saveFieldWritesOneColumn();
    void unknownCodeChangesNothing();
    void onTopMovesTheNoteToTheDesktop();
    void moveNoteStartsAtTheTabCornerOnlyFromTheDesktop();
    void loadOrderZeroAndOneAgree();
    void rowIsReadTyped_data();
    void rowIsReadTyped();
    void rtfBytesPassUnchanged();
    void searchBindsTheText_data();
    void searchBindsTheText();
    void trashListDeleteAndEmpty();
    void noteTimes();
    void searchHistoryKeepsOneRowPerTextAndSixTexts();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestNoteStore::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
}

void TestNoteStore::cleanup() {
    FFolder.reset();
}

void TestNoteStore::newNoteRowValues() {
    NoteValues note = NewValues();
    note.parentId = 0;
    note.onTop = true;
    note.plainText = u"Grüße"_qs;
    QCOMPARE(Insert(note), 1);
    const NoteRecord row = Row(1);
    QCOMPARE(row.parentId, 0);
    QCOMPARE(row.position, std::optional<QPoint>(QPoint(30, 40)));
    QCOMPARE(row.size, QSize(172, 120));
    QCOMPARE(row.content, note.plainText);
    QCOMPARE(row.rtf, note.rtf);
    QCOMPARE(row.color, 12615680);
    QCOMPARE(row.state, NoteState::Shown);
    QVERIFY(!row.hasReminder);
    QVERIFY(row.onTop);
    QCOMPARE(row.kind, NoteKind::Plain);
    QCOMPARE(row.repeatCount, 0);
    QCOMPARE(row.repeatUnit, 0);
    QCOMPARE(row.createTime, Clock::Now());
    QCOMPARE(row.modifyTime, row.createTime);
    // The stored codes and texts themselves.
    const QStringList columns = {"Position", "Size",  "Type",    "Type2",       "Type3",
                                 "NoteType", "NTime", "TimeOut", "TimeOutType", "CreateTime"};
    QStringList stored;
    for (const QString& column : columns)
        stored << Column(1, column);
    QCOMPARE(stored, (QStringList{"30,40", "172,120", "1", "1", "1", "0", "0", "0", "0",
                                  DateTimeText::FromDateTime(Clock::Now())}));
    QCOMPARE(Insert(note), 2);
}

void TestNoteStore::failedInsertAnswersZero() {
    NoteValues first = NewValues();
    QCOMPARE(Insert(first), 1);
    TfmData::Instance().FailNextStatements(1);
    NoteValues second = NewValues();
    QCOMPARE(Insert(second), 0);
}

void TestNoteStore::saveFieldWritesOneColumn_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("expected");
    QTest::newRow("position") << 0 << 0 << "Position"
                              << "-5,700";
    QTest::newRow("size") << 1 << 0 << "Size"
                          << "300,200";
    QTest::newRow("color") << 2 << 0 << "Color"
                           << "255";
    QTest::newRow("content") << 3 << 0 << "Content"
                             << "changed";
    QTest::newRow("rtf with content") << 3 << 0 << "Rtf"
                                      << "{\\rtf1 changed\\par}";
    QTest::newRow("minimise") << 4 << 2 << "Type"
                              << "2";
    QTest::newRow("trash") << 4 << 3 << "Type"
                           << "3";
    QTest::newRow("reminder flag") << 5 << 2 << "Type2"
                                   << "2";
    QTest::newRow("on top") << 6 << 1 << "Type3"
                            << "1";
    QTest::newRow("modify time") << 7 << 0 << "ModifyTime"
                                 << "46366.75";
    QTest::newRow("parent") << 8 << 0 << "ParentId"
                            << "9";
}

void TestNoteStore::saveFieldWritesOneColumn() {
    QFETCH(int, code);
    QFETCH(int, value);
    QFETCH(QString, column);
    QFETCH(QString, expected);
    NoteValues note = NewValues();
    Insert(note);
    note.position = {-5, 700};
    note.size = {300, 200};
    note.color = 255;
    note.plainText = "changed";
    note.rtf = "{\\rtf1 changed\\par}";
    note.parentId = 9;
    Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(18, 0)));

    QVERIFY(NoteDB::SaveField(code, note, value));
    QCOMPARE(Column(note.id, column), expected);
    // Nothing but the code's own columns changed.
    if (column != "ParentId")
        QCOMPARE(Column(note.id, "ParentId"), QString("0"));
    if (column != "Content" && column != "Rtf")
        QCOMPARE(Column(note.id, "Content"), QString("hello"));
    if (column != "Position")
        QCOMPARE(Column(note.id, "Position"), QString("30,40"));
}

void TestNoteStore::unknownCodeChangesNothing() {
    NoteValues note = NewValues();
    Insert(note);
    note.color = 1;
    QVERIFY(!NoteDB::SaveField(9, note, 3));
    QVERIFY(!NoteDB::SaveField(-1, note));
    QCOMPARE(Row(note.id).color, 12615680);
    QCOMPARE(Row(note.id).state, NoteState::Shown);
}

void TestNoteStore::onTopMovesTheNoteToTheDesktop() {
    NoteValues note = NewValues();
    note.parentId = 4;
    Insert(note);
    QCOMPARE(Row(note.id).parentId, 4);
    QVERIFY(NoteDB::SetOnTop(note.id, true));
    QCOMPARE(Row(note.id).parentId, 0);
    QVERIFY(Row(note.id).onTop);
}

void TestNoteStore::moveNoteStartsAtTheTabCornerOnlyFromTheDesktop() {
    NoteValues note = NewValues();
    Insert(note);
    QVERIFY(NoteDB::MoveNote(5, note.id, 0));
    QCOMPARE(Row(note.id).parentId, 5);
    QCOMPARE(Row(note.id).position, std::optional<QPoint>(QPoint(12, 12)));

    QVERIFY(NoteDB::SavePosition(note.id, {80, 90}));
    QVERIFY(NoteDB::MoveNote(6, note.id, 5));
    QCOMPARE(Row(note.id).parentId, 6);
    QCOMPARE(Row(note.id).position, std::optional<QPoint>(QPoint(80, 90)));

    QVERIFY(NoteDB::MoveNote(0, note.id, 6));
    QCOMPARE(Row(note.id).parentId, 0);
    QCOMPARE(Row(note.id).position, std::optional<QPoint>(QPoint(80, 90)));
}

void TestNoteStore::loadOrderZeroAndOneAgree() {
    for (int i = 0; i < 3; ++i)
        InsertWithText(QString::number(i));
    InsertWithText("trashed", NoteState::Trashed);
    InsertWithText("minimised", NoteState::Minimized);
    const QList<NoteRecord> zero = NoteDB::ListForLoading(0, 0);
    QCOMPARE(Ids(zero), QList<int>({5, 3, 2, 1}));
    QCOMPARE(Ids(NoteDB::ListForLoading(1, 0)), Ids(zero));
    QCOMPARE(Ids(NoteDB::ListForLoading(2, 0)), QList<int>({1, 2, 3, 5}));
    QCOMPARE(zero.at(0).state, NoteState::Minimized);
    QCOMPARE(zero.at(1).state, NoteState::Shown);
}

void TestNoteStore::rowIsReadTyped_data() {
    QTest::addColumn<QString>("update");
    QTest::addColumn<QString>("warning"); // empty: none
    QTest::addColumn<std::optional<QPoint>>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<NoteState>("state");
    QTest::addColumn<bool>("hasReminder");
    QTest::addColumn<QDateTime>("reminderTime");
    QTest::newRow("as written")
        << "Position='-5,700', Size='300,200', Type=2, Type2=2, NTime='45000.5'"
        << "" << std::optional<QPoint>(QPoint(-5, 700)) << QSize(300, 200) << NoteState::Minimized
        << true << DateTimeText::FromNumber(45000.5);
    QTest::newRow("unreadable position")
        << "Position='abc', Type=3"
        << "^note 1 has an unreadable position" << std::optional<QPoint>() << QSize(172, 120)
        << NoteState::Trashed << false << DateTimeText::FromNumber(0);
    QTest::newRow("unreadable size")
        << "Size='300;90', Type=7, Type2=1, NTime='x'"
        << "^note 1 has an unreadable size" << std::optional<QPoint>(QPoint(30, 40))
        << QSize(172, 120) << NoteState::Shown << false << DateTimeText::FromNumber(0);
}

void TestNoteStore::rowIsReadTyped() {
    QFETCH(QString, update);
    QFETCH(QString, warning);
    QFETCH(std::optional<QPoint>, position);
    QFETCH(QSize, size);
    QFETCH(NoteState, state);
    QFETCH(bool, hasReminder);
    QFETCH(QDateTime, reminderTime);
    NoteValues note = NewValues();
    Insert(note);
    QVERIFY(RunSQL("update note set " + update + " where id=1"));
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    const NoteRecord row = Row(1);
    QCOMPARE(row.position, position);
    QCOMPARE(row.size, size);
    QCOMPARE(row.state, state);
    QCOMPARE(row.hasReminder, hasReminder);
    QCOMPARE(row.reminderTime, reminderTime);
}

void TestNoteStore::rtfBytesPassUnchanged() {
    // Bytes that are no UTF-8 (a rich-edit control may write raw code-page bytes) come back
    // as they were stored.
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936 \xc4\xe3\xba\xc3\\par}";
    NoteValues note = NewValues();
    Insert(note);
    QVERIFY(NoteDB::SaveContent(note.id, QStringLiteral("x"), rtf));
    QCOMPARE(Row(note.id).rtf, rtf);
    QCOMPARE(NoteDB::ListForLoading(0, 0).at(0).rtf, rtf);
}

void TestNoteStore::searchBindsTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("includeTrash");
    QTest::addColumn<QList<int>>("expected");
    // Notes: 1 "it's done", 2 "ITS DONE", 3 "Straße", 4 "100% sure", 5 trashed "it's gone",
    // 6 "Привет, ÉLAN C:\tmp"
    QTest::newRow("apostrophe") << "it's" << false << QList<int>{1};
    QTest::newRow("apostrophe with trash") << "it's" << true << QList<int>{1, 5};
    QTest::newRow("ascii case folding") << "its done" << false << QList<int>{2};
    QTest::newRow("non-ascii") << u"aße"_qs << false << QList<int>{3};
    QTest::newRow("non-ascii case folding") << u"STRAßE"_qs << false << QList<int>{3};
    QTest::newRow("sharp s is no ss") << u"STRASSE"_qs << false << QList<int>{};
    QTest::newRow("cyrillic and accents") << u"привет, élan"_qs << false << QList<int>{6};
    QTest::newRow("percent matches itself") << "0% s" << false << QList<int>{4};
    QTest::newRow("percent is no wildcard") << "it%done" << false << QList<int>{};
    QTest::newRow("underscore is no wildcard") << "it_s" << false << QList<int>{};
    QTest::newRow("backslash matches itself") << "c:\\t" << false << QList<int>{6};
    QTest::newRow("quote and semicolon") << "'; drop table note; --" << true << QList<int>{};
}

void TestNoteStore::searchBindsTheText() {
    QFETCH(QString, text);
    QFETCH(bool, includeTrash);
    QFETCH(QList<int>, expected);
    InsertWithText("it's done");
    InsertWithText("ITS DONE");
    InsertWithText(u"Straße"_qs);
    InsertWithText("100% sure");
    InsertWithText("it's gone", NoteState::Trashed);
    InsertWithText(u"Привет, ÉLAN C:\\tmp"_qs);
    const QList<NoteMatch> matches = NoteDB::SearchContent(text, includeTrash);
    QList<int> ids;
    for (const NoteMatch& match : matches) {
        ids.append(match.id);
        QCOMPARE(QString::fromUtf8(NoteDB::ReadContent(match.id)), Row(match.id).content);
        QCOMPARE(match.state, Row(match.id).state);
    }
    QCOMPARE(ids, expected);
    QVERIFY(NoteDB::ReadNote(1).has_value());
    QVERIFY(NoteDB::ReadContent(100).isEmpty());
}

void TestNoteStore::trashListDeleteAndEmpty() {
    InsertWithText("a", NoteState::Trashed);
    InsertWithText("b");
    InsertWithText("c", NoteState::Trashed);
    InsertWithText("d", NoteState::Trashed);
    Dataset trash;
    NoteDB::ListTrash(trash);
    QCOMPARE(Ids(trash), QList<int>({1, 3, 4}));
    QVERIFY(NoteDB::DeleteNote(3));
    QVERIFY(!NoteDB::ReadNote(3));
    QVERIFY(NoteDB::EmptyTrash());
    NoteDB::ListTrash(trash);
    QVERIFY(trash.IsEmpty());
    QVERIFY(NoteDB::ReadNote(2));
    // Ids are never reused after a delete.
    QCOMPARE(InsertWithText("e"), 5);
}

void TestNoteStore::noteTimes() {
    const int id = InsertWithText("timed");
    Clock::Set(QDateTime(QDate(2026, 12, 11), QTime(6, 0)));
    NoteDB::TouchModified(id);
    Dataset times;
    NoteDB::GetNoteTimes(id, times);
    QCOMPARE(times.RecordCount(), 1);
    QCOMPARE(times.FieldByName("CreateTime").AsString(), QString("46366.5"));
    QCOMPARE(times.FieldByName("ModifyTime").AsString(), QString("46367.25"));
}

void TestNoteStore::searchHistoryKeepsOneRowPerTextAndSixTexts() {
    NoteDB::AddSearchHistory({});
    QCOMPARE(NoteDB::SearchHistory(), QStringList({""}));
    for (int i = 1; i <= 8; ++i) {
        Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(8 + i, 0)));
        NoteDB::AddSearchHistory(QStringLiteral("text %1").arg(i));
        NoteDB::AddSearchHistory(QStringLiteral("text %1").arg(i));
    }
    // Searching an old text again keeps its first-search time.
    Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(23, 0)));
    NoteDB::AddSearchHistory("text 1");

    Dataset rows;
    QueryInto("select info from FindInfo", rows);
    QCOMPARE(rows.RecordCount(), 8);
    QCOMPARE(NoteDB::SearchHistory(),
             QStringList({"", "text 8", "text 7", "text 6", "text 5", "text 4", "text 3"}));
}

QTEST_GUILESS_MAIN(TestNoteStore)
#include "tst_note_store.moc"
