// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoboardFixtures.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untClock.h"
#include "untMemoboardDB.h"
#include "untSchema.h"

#include <QtTest>

#include <algorithm>
#include <set>

namespace {
bool Contains(const auto& table, int value, size_t count) {
    return std::find(table.begin(), table.begin() + count, value) != table.begin() + count;
}

QString TabValue(int tabId, const QString& column) {
    return Rows(QStringLiteral("SELECT %1 FROM Memoboard WHERE Id=%2").arg(column).arg(tabId))
        .value(0);
}

QString NoteState(int noteId) {
    return Rows(QStringLiteral("SELECT ParentId, Type FROM Note WHERE Id=%1").arg(noteId)).value(0);
}
} // namespace

class TestMemoboardStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addMemoboardStoresTheMemoboardAndTab1();
    void randomColoursComeFromTheirTables();
    void addTabStoresOneColourTwice();
    void failedAddAnswersZeroAndStoresNothing_data();
    void failedAddAnswersZeroAndStoresNothing();
    void deleteMemoboardTrashesTheNotesOfItsTabsOnly();
    void deleteMemoboardWithoutTabs();
    void deleteTabTrashesItsNotes();
    void failedNoteUpdateDeletesNothing_data();
    void failedNoteUpdateDeletesNothing();
    void moveTabKeepsItsIdAndNotes();
    void codesOutsideTheirRangeStoreZero_data();
    void codesOutsideTheirRangeStoreZero();
    void backgroundImageKeepsTheFileNameOnly_data();
    void backgroundImageKeepsTheFileNameOnly();
    void updateTabAndCaption();
    void tabsAndRowsAreRead();
    void tabInfoFormsThePathFromTheFileName();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestMemoboardStore::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    RandomSource::Seed(7);
}

void TestMemoboardStore::cleanup() {
    FFolder.reset();
}

void TestMemoboardStore::addMemoboardStoresTheMemoboardAndTab1() {
    const TNewMemoboard created = MemoboardDB::AddMemoboard(QStringLiteral("Work"));
    QCOMPARE(created.MemoboardId, 1);
    QCOMPARE(created.TabId, 2);
    const QStringList rows =
        Rows(QStringLiteral("SELECT Id,ParentId,Caption,Position,Color,Bgimg,BgColor,Sort "
                            "FROM Memoboard ORDER BY Id"));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0], QStringLiteral("1|0|Work|0|0|NULL|0|0"));
    const QStringList tab = rows[1].split(u'|');
    QCOMPARE(tab.mid(0, 4), (QStringList{"2", "1", "Tab1", "3"}));
    QVERIFY(Contains(MemoboardDB::RandomColorTable, tab[4].toInt(), 5));
    QCOMPARE(tab[5], QStringLiteral("NULL"));
    QVERIFY(Contains(MemoboardDB::PageColorTable, tab[6].toInt(), 19));
    QCOMPARE(tab[7], QStringLiteral("0"));
}

void TestMemoboardStore::randomColoursComeFromTheirTables() {
    std::set<int> tabColours;
    std::set<int> pageColours;
    for (int draw = 0; draw < 2000; ++draw) {
        tabColours.insert(MemoboardDB::RandomTabColor());
        pageColours.insert(MemoboardDB::RandomPageColor());
    }
    const auto& tabs = MemoboardDB::RandomColorTable;
    const auto& pages = MemoboardDB::PageColorTable;
    QCOMPARE(tabColours, std::set<int>(tabs.begin(), tabs.end()));
    // Entry 19 (12632256) is never drawn; 65408, 128 and 33023 appear twice in the table.
    QCOMPARE(pageColours, std::set<int>(pages.begin(), pages.begin() + 19));
    QVERIFY(!pageColours.contains(12632256));
}

void TestMemoboardStore::addTabStoresOneColourTwice() {
    const TNewMemoboard created = MemoboardDB::AddMemoboard(QStringLiteral("Work"));
    const int tabId = MemoboardDB::AddTab(created.MemoboardId, QStringLiteral("Ideas"), 33023);
    QCOMPARE(tabId, 3);
    QCOMPARE(Rows(QStringLiteral("SELECT ParentId,Caption,Position,Color,BgColor,Sort FROM "
                                 "Memoboard WHERE Id=3")),
             QStringList{QStringLiteral("1|Ideas|3|33023|33023|0")});
}

void TestMemoboardStore::failedAddAnswersZeroAndStoresNothing_data() {
    QTest::addColumn<QString>("refusedRows"); // which inserts SQLite refuses
    QTest::addColumn<bool>("wholeMemoboard");
    QTest::newRow("memoboard row refused") << "NEW.ParentId=0" << true;
    QTest::newRow("first tab refused") << "NEW.ParentId<>0" << true;
    QTest::newRow("tab refused") << "NEW.ParentId<>0" << false;
}

void TestMemoboardStore::failedAddAnswersZeroAndStoresNothing() {
    QFETCH(QString, refusedRows);
    QFETCH(bool, wholeMemoboard);
    // An earlier insert on the same connection: its id must not be handed back.
    const TNewMemoboard earlier = MemoboardDB::AddMemoboard(QStringLiteral("Earlier"));
    QVERIFY(earlier.TabId != 0);
    RefuseStatements(QStringLiteral("INSERT"), QStringLiteral("Memoboard"), refusedRows);
    const QStringList before = StoreDump();
    if (wholeMemoboard) {
        const TNewMemoboard created = MemoboardDB::AddMemoboard(QStringLiteral("Work"));
        QCOMPARE(created.MemoboardId, 0);
        QCOMPARE(created.TabId, 0);
    } else {
        QCOMPARE(MemoboardDB::AddTab(earlier.MemoboardId, QStringLiteral("Tab2"), 128), 0);
    }
    QCOMPARE(StoreDump(), before);
}

void TestMemoboardStore::deleteMemoboardTrashesTheNotesOfItsTabsOnly() {
    const int doomed = InsertMemoboardRow(QStringLiteral("Doomed"));
    const int tabA = InsertTabRow(doomed, QStringLiteral("A"), 3, 128, 128);
    const int tabB = InsertTabRow(doomed, QStringLiteral("B"), 3, 128, 128);
    const int kept = InsertMemoboardRow(QStringLiteral("Kept"));
    const int keptTab = InsertTabRow(kept, QStringLiteral("C"), 3, 128, 128);
    const int noteA = InsertNoteRow({.parentId = tabA, .type = 2});
    const int noteB = InsertNoteRow({.parentId = tabB});
    const int noteKept = InsertNoteRow({.parentId = keptTab});
    const int desktopNote = InsertNoteRow({.parentId = 0});

    const TDeletedNotes deleted = MemoboardDB::DeleteMemoboard(doomed);

    QVERIFY(deleted.Deleted);
    QCOMPARE(deleted.TabIds, (QList<int>{tabA, tabB}));
    QCOMPARE(deleted.NoteIds, (QList<int>{noteA, noteB}));
    QCOMPARE(NoteState(noteA), QStringLiteral("0|3"));
    QCOMPARE(NoteState(noteB), QStringLiteral("0|3"));
    QCOMPARE(NoteState(noteKept), QStringLiteral("%1|1").arg(keptTab));
    QCOMPARE(NoteState(desktopNote), QStringLiteral("0|1"));
    QCOMPARE(Rows(QStringLiteral("SELECT Id FROM Memoboard ORDER BY Id")),
             (QStringList{QString::number(kept), QString::number(keptTab)}));
}

void TestMemoboardStore::deleteMemoboardWithoutTabs() {
    const int empty = InsertMemoboardRow(QStringLiteral("Empty"));
    const int note = InsertNoteRow({.parentId = 0});
    const TDeletedNotes deleted = MemoboardDB::DeleteMemoboard(empty);
    QVERIFY(deleted.Deleted);
    QVERIFY(deleted.NoteIds.isEmpty());
    QVERIFY(Rows(QStringLiteral("SELECT Id FROM Memoboard")).isEmpty());
    QCOMPARE(NoteState(note), QStringLiteral("0|1"));
}

void TestMemoboardStore::deleteTabTrashesItsNotes() {
    const int memoboard = InsertMemoboardRow(QStringLiteral("Work"));
    const int doomed = InsertTabRow(memoboard, QStringLiteral("A"), 3, 128, 128);
    const int kept = InsertTabRow(memoboard, QStringLiteral("B"), 3, 128, 128);
    const int doomedNote = InsertNoteRow({.parentId = doomed, .type2 = 2});
    const int keptNote = InsertNoteRow({.parentId = kept});

    const TDeletedNotes deleted = MemoboardDB::DeleteTab(doomed);

    QVERIFY(deleted.Deleted);
    QCOMPARE(deleted.NoteIds, QList<int>{doomedNote});
    QCOMPARE(NoteState(doomedNote), QStringLiteral("0|3"));
    QCOMPARE(NoteState(keptNote), QStringLiteral("%1|1").arg(kept));
    QCOMPARE(Rows(QStringLiteral("SELECT Id FROM Memoboard ORDER BY Id")),
             (QStringList{QString::number(memoboard), QString::number(kept)}));
}

void TestMemoboardStore::failedNoteUpdateDeletesNothing_data() {
    QTest::addColumn<bool>("wholeMemoboard");
    QTest::newRow("memoboard") << true;
    QTest::newRow("tab") << false;
}

void TestMemoboardStore::failedNoteUpdateDeletesNothing() {
    QFETCH(bool, wholeMemoboard);
    const int memoboard = InsertMemoboardRow(QStringLiteral("Work"));
    const int tab = InsertTabRow(memoboard, QStringLiteral("A"), 3, 128, 128);
    InsertNoteRow({.parentId = tab});
    RefuseStatements(QStringLiteral("UPDATE"), QStringLiteral("Note"));
    const QStringList before = StoreDump();

    const TDeletedNotes deleted =
        wholeMemoboard ? MemoboardDB::DeleteMemoboard(memoboard) : MemoboardDB::DeleteTab(tab);

    QVERIFY(!deleted.Deleted);
    QVERIFY(deleted.NoteIds.isEmpty());
    QCOMPARE(StoreDump(), before);
}

void TestMemoboardStore::moveTabKeepsItsIdAndNotes() {
    const int from = InsertMemoboardRow(QStringLiteral("From"));
    const int to = InsertMemoboardRow(QStringLiteral("To"));
    const int tab = InsertTabRow(from, QStringLiteral("A"), 3, 128, 128);
    const int note = InsertNoteRow({.parentId = tab});
    QVERIFY(MemoboardDB::MoveTab(to, tab));
    QCOMPARE(TabValue(tab, QStringLiteral("ParentId")), QString::number(to));
    QCOMPARE(NoteState(note), QStringLiteral("%1|1").arg(tab));
}

void TestMemoboardStore::codesOutsideTheirRangeStoreZero_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("stored");
    for (int code : {1, 2, 3})
        QTest::addRow("placement %d", code) << "Position" << code << QString::number(code);
    QTest::newRow("placement 9") << "Position" << 9 << "0";
    QTest::newRow("placement -1") << "Position" << -1 << "0";
    for (int code : {1, 2, 3, 4})
        QTest::addRow("order %d", code) << "Sort" << code << QString::number(code);
    QTest::newRow("order 7") << "Sort" << 7 << "0";
    QTest::newRow("order -2") << "Sort" << -2 << "0";
}

void TestMemoboardStore::codesOutsideTheirRangeStoreZero() {
    QFETCH(QString, column);
    QFETCH(int, code);
    QFETCH(QString, stored);
    // Starts from values that no call stores, so every row shows a change.
    const int tab =
        InsertTabRow(InsertMemoboardRow(QStringLiteral("Work")), QStringLiteral("A"), 5, 128, 128);
    QVERIFY(RunSQL(QStringLiteral("UPDATE Memoboard set Sort=5 WHERE Id=%1").arg(tab)));
    QVERIFY(column == u"Sort" ? MemoboardDB::SetNoteOrder(code, tab)
                              : MemoboardDB::SetImagePosition(code, tab));
    QCOMPARE(TabValue(tab, column), stored);
}

void TestMemoboardStore::backgroundImageKeepsTheFileNameOnly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("bare") << "sea.jpg"
                          << "sea.jpg";
    QTest::newRow("unix path") << "/home/me/pics/sea.jpg"
                               << "sea.jpg";
    QTest::newRow("windows path") << "C:\\pics\\sea.jpg"
                                  << "sea.jpg";
    QTest::newRow("climbing out") << "../../x"
                                  << "x";
    QTest::newRow("parent only") << ".."
                                 << "";
    QTest::newRow("folder only") << "/tmp/"
                                 << "";
    QTest::newRow("non-ASCII") << u"/tmp/海边.jpg"_qs << u"海边.jpg"_qs;
}

void TestMemoboardStore::backgroundImageKeepsTheFileNameOnly() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    const int memoboard = InsertMemoboardRow(QStringLiteral("Work"));
    const int byImage = InsertTabRow(memoboard, QStringLiteral("A"), 3, 128, 128);
    const int bySettings = InsertTabRow(memoboard, QStringLiteral("B"), 3, 128, 128);
    QCOMPARE(BareFileName(name), stored);
    QVERIFY(MemoboardDB::SetBackgroundImage(name, byImage));
    QVERIFY(MemoboardDB::UpdateTab({bySettings, QStringLiteral("B"), 128, 128, name, 3}));
    QCOMPARE(TabValue(byImage, QStringLiteral("Bgimg")), stored);
    QCOMPARE(TabValue(bySettings, QStringLiteral("Bgimg")), stored);
}

void TestMemoboardStore::updateTabAndCaption() {
    const int memoboard = InsertMemoboardRow(QStringLiteral("Work"));
    const int tab = InsertTabRow(memoboard, QStringLiteral("A"), 3, 128, 128);
    QVERIFY(MemoboardDB::UpdateTab({tab, u"Ideen für 2027"_qs, 65535, 8421631, "sea.jpg", 7}));
    QCOMPARE(Rows(QStringLiteral("SELECT Caption,Position,Color,Bgimg,BgColor FROM Memoboard "
                                 "WHERE Id=%1")
                      .arg(tab)),
             QStringList{u"Ideen für 2027|0|65535|sea.jpg|8421631"_qs});
    QVERIFY(MemoboardDB::SetCaption(QStringLiteral("Home"), memoboard));
    QVERIFY(MemoboardDB::SetCaption(QStringLiteral("Tab9"), tab));
    QCOMPARE(TabValue(memoboard, QStringLiteral("Caption")), QStringLiteral("Home"));
    QCOMPARE(TabValue(tab, QStringLiteral("Caption")), QStringLiteral("Tab9"));
}

void TestMemoboardStore::tabsAndRowsAreRead() {
    const int first = InsertMemoboardRow(QStringLiteral("First"));
    const int second = InsertMemoboardRow(QStringLiteral("Second"));
    const int tab1 = InsertTabRow(first, QStringLiteral("A"), 3, 128, 128);
    InsertTabRow(second, QStringLiteral("X"), 3, 128, 128);
    const int tab2 = InsertTabRow(first, QStringLiteral("B"), 3, 128, 128);

    Dataset tabs;
    MemoboardDB::GetTabs(first, tabs);
    QList<int> ids;
    for (const Dataset::Row row : tabs)
        ids.append(int(row.FieldByName("Id").AsInteger()));
    QCOMPARE(ids, (QList<int>{tab1, tab2}));

    Dataset row;
    MemoboardDB::GetMemoboardRow(tab2, row);
    QCOMPARE(row.FieldByName("ParentId").AsInteger(), first);
    QCOMPARE(row.FieldByName("Caption").AsString(), QStringLiteral("B"));

    const std::vector<TMemoboardInfo> memoboards = MemoboardDB::Memoboards();
    QCOMPARE(memoboards.size(), size_t(2));
    QCOMPARE(memoboards[1].Id, second);
    QCOMPARE(memoboards[1].Caption, QStringLiteral("Second"));
}

void TestMemoboardStore::tabInfoFormsThePathFromTheFileName() {
    const int memoboard = InsertMemoboardRow(QStringLiteral("Work"));
    // Rows as a file from elsewhere may have left them.
    const int climbing = InsertTabRow(memoboard, QStringLiteral("A"), 2, 255, 65280, "../../x");
    const int builtIn = InsertTabRow(memoboard, QStringLiteral("B"), 9, 255, 65280);
    Dataset tabs;
    MemoboardDB::GetTabs(memoboard, tabs);

    const TTabInfo first = MemoboardDB::TabInfoFromRow(*tabs.begin(), "/opt/velmar/");
    QCOMPARE(first.Id, climbing);
    QCOMPARE(first.Caption, QStringLiteral("A"));
    QCOMPARE(first.Color, 255);
    QCOMPARE(first.BgColor, 65280);
    QCOMPARE(first.Bgimg, QStringLiteral("/opt/velmar/x"));
    QCOMPARE(int(first.Position), 2);

    const TTabInfo second = MemoboardDB::TabInfoFromRow(*++tabs.begin(), "/opt/velmar/");
    QCOMPARE(second.Id, builtIn);
    QCOMPARE(second.Bgimg, QString());
    QCOMPARE(int(second.Position), 0);
}

QTEST_GUILESS_MAIN(TestMemoboardStore)
#include "tst_memoboard_store.moc"
