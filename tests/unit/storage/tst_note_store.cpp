#include "TestDataFolder.h"
#include "frmData.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untNoteDB.h"

#include <QtTest>

namespace {
// A note window's values as the store reads them.
struct FakeNote : BoundNote {
    int id = 0;
    int parent = 0;
    int color = 12615680;
    int onTop = 0;
    QPoint position{30, 40};
    QSize size{172, 120};
    QString text = QStringLiteral("hello");
    QString rtf = QStringLiteral("{\\rtf1 hello\\par}");

    int NoteId() const override { return id; }
    int ParentId() const override { return parent; }
    int NoteColor() const override { return color; }
    int OnTop() const override { return onTop; }
    QPoint NotePosition() const override { return position; }
    QSize NoteSize() const override { return size; }
    QString PlainText() const override { return text; }
    QString RtfText() const override { return rtf; }
};

int Insert(FakeNote& note) {
    note.id = NoteDB(&note).InsertNote();
    return note.id;
}

int InsertWithText(const QString& text, int type = NoteDB::StateShown) {
    FakeNote note;
    note.text = text;
    const int id = Insert(note);
    NoteDB(&note).SetState(type);
    return id;
}

QList<int> Ids(const Dataset& dataset) {
    QList<int> ids;
    for (const Dataset::Row row : dataset)
        ids << int(row.FieldByName("Id").AsInteger());
    return ids;
}

NoteRow Row(int id) {
    const std::optional<NoteRow> row = NoteDB::ReadNote(id);
    if (!row)
        throw std::runtime_error("note row missing");
    return *row;
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
    FakeNote note;
    note.parent = 0;
    note.onTop = 1;
    note.text = u"Grüße"_qs;
    QCOMPARE(Insert(note), 1);
    const NoteRow row = Row(1);
    QCOMPARE(row.parentId, 0);
    QCOMPARE(row.position, QString("30,40"));
    QCOMPARE(row.size, QString("172,120"));
    QCOMPARE(row.content, note.text);
    QCOMPARE(row.rtf, note.rtf);
    QCOMPARE(row.color, 12615680);
    QCOMPARE(row.type, 1);
    QCOMPARE(row.type2, 1);
    QCOMPARE(row.type3, 1);
    QCOMPARE(row.noteType, 0);
    QCOMPARE(row.nTime, QString("0"));
    QCOMPARE(row.timeOut, 0);
    QCOMPARE(row.timeOutType, 0);
    QCOMPARE(row.createTime, DateTimeText::FromDateTime(Clock::Now()));
    QCOMPARE(row.modifyTime, row.createTime);
    QCOMPARE(Insert(note), 2);
}

void TestNoteStore::failedInsertAnswersZero() {
    FakeNote first;
    QCOMPARE(Insert(first), 1);
    TfmData::Instance().FailNextStatements(1);
    FakeNote second;
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
    FakeNote note;
    Insert(note);
    note.position = {-5, 700};
    note.size = {300, 200};
    note.color = 255;
    note.text = "changed";
    note.rtf = "{\\rtf1 changed\\par}";
    note.parent = 9;
    Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(18, 0)));

    QVERIFY(NoteDB(&note).SaveField(code, value));
    Dataset dataset;
    QueryIntoParams("select * from note where id=:id", {{"id", note.id}}, dataset);
    QCOMPARE(dataset.FieldByName(column).AsString(), expected);
    // Nothing but the code's own columns changed.
    const NoteRow row = NoteRow::FromCurrent(dataset);
    if (column != "ParentId")
        QCOMPARE(row.parentId, 0);
    if (column != "Content" && column != "Rtf")
        QCOMPARE(row.content, QString("hello"));
    if (column != "Position")
        QCOMPARE(row.position, QString("30,40"));
}

void TestNoteStore::unknownCodeChangesNothing() {
    FakeNote note;
    Insert(note);
    note.color = 1;
    QVERIFY(!NoteDB(&note).SaveField(9, 3));
    QVERIFY(!NoteDB(&note).SaveField(-1));
    QCOMPARE(Row(note.id).color, 12615680);
    QCOMPARE(Row(note.id).type, 1);
}

void TestNoteStore::onTopMovesTheNoteToTheDesktop() {
    FakeNote note;
    note.parent = 4;
    Insert(note);
    QCOMPARE(Row(note.id).parentId, 4);
    QVERIFY(NoteDB(&note).SetOnTop(1));
    QCOMPARE(Row(note.id).parentId, 0);
    QCOMPARE(Row(note.id).type3, 1);
}

void TestNoteStore::moveNoteStartsAtTheTabCornerOnlyFromTheDesktop() {
    FakeNote note;
    Insert(note);
    QVERIFY(NoteDB::MoveNote(5, note.id, 0));
    QCOMPARE(Row(note.id).parentId, 5);
    QCOMPARE(Row(note.id).position, QString("12,12"));

    QVERIFY(NoteDB::SavePositionOf(note.id, 80, 90));
    QVERIFY(NoteDB::MoveNote(6, note.id, 5));
    QCOMPARE(Row(note.id).parentId, 6);
    QCOMPARE(Row(note.id).position, QString("80,90"));

    QVERIFY(NoteDB::MoveNote(0, note.id, 6));
    QCOMPARE(Row(note.id).parentId, 0);
    QCOMPARE(Row(note.id).position, QString("80,90"));
}

void TestNoteStore::loadOrderZeroAndOneAgree() {
    for (int i = 0; i < 3; ++i)
        InsertWithText(QString::number(i));
    InsertWithText("trashed", NoteDB::StateTrashed);
    InsertWithText("minimised", NoteDB::StateMinimized);
    Dataset zero, one, two;
    NoteDB::ListForLoading(0, 0, zero);
    NoteDB::ListForLoading(1, 0, one);
    NoteDB::ListForLoading(2, 0, two);
    QCOMPARE(Ids(zero), QList<int>({5, 3, 2, 1}));
    QCOMPARE(Ids(one), Ids(zero));
    QCOMPARE(Ids(two), QList<int>({1, 2, 3, 5}));
}

void TestNoteStore::searchBindsTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("includeTrash");
    QTest::addColumn<QList<int>>("expected");
    // Notes: 1 "it's done", 2 "ITS DONE", 3 "Straße", 4 "100% sure", 5 trashed "it's gone"
    QTest::newRow("apostrophe") << "it's" << false << QList<int>{1};
    QTest::newRow("apostrophe with trash") << "it's" << true << QList<int>{1, 5};
    QTest::newRow("ascii case folding") << "its done" << false << QList<int>{2};
    QTest::newRow("non-ascii case kept") << u"STRASSE"_qs << false << QList<int>{};
    QTest::newRow("non-ascii") << u"aße"_qs << false << QList<int>{3};
    QTest::newRow("percent is a wildcard") << "it%done" << false << QList<int>{1, 2};
    QTest::newRow("underscore is a wildcard") << "it_s" << false << QList<int>{1};
    QTest::newRow("underscore folds case too") << "i_s d" << false << QList<int>{2};
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
    InsertWithText("it's gone", NoteDB::StateTrashed);
    Dataset dataset;
    NoteDB::SearchContent(text, dataset, includeTrash);
    QCOMPARE(Ids(dataset), expected);
    QVERIFY(NoteDB::ReadNote(1).has_value());
}

void TestNoteStore::trashListDeleteAndEmpty() {
    InsertWithText("a", NoteDB::StateTrashed);
    InsertWithText("b");
    InsertWithText("c", NoteDB::StateTrashed);
    InsertWithText("d", NoteDB::StateTrashed);
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
    FakeNote note;
    note.id = id;
    NoteDB(&note).TouchModified();
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
