// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoboardFixtures.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untMemoboardDB.h"
#include "untSchema.h"

#include <QtTest>

namespace {
// An entry as "caption#tag" with its flags and its sub-entries in brackets, so a whole menu
// compares as one text list.
QString Describe(const TMenuItem& item) {
    QString text = item.Caption + u'#' + QString::number(item.Tag);
    if (item.Radio)
        text += QStringLiteral(" radio");
    if (item.Clickable)
        text += QStringLiteral(" click");
    if (item.Measured)
        text += QStringLiteral(" measure");
    if (!item.Items.empty()) {
        QStringList children;
        for (const TMenuItem& child : item.Items)
            children.append(Describe(child));
        text += QStringLiteral(" [") + children.join(QStringLiteral(", ")) + u']';
    }
    return text;
}

QStringList Describe(const std::vector<TMenuItem>& items) {
    QStringList texts;
    for (const TMenuItem& item : items)
        texts.append(Describe(item));
    return texts;
}

// A menu that already holds fixed entries and a stale memoboard entry from an earlier fill.
TMenuItem MenuWithEntries(int tag) {
    return TMenuItem{
        QString(),
        tag,
        false,
        false,
        false,
        {{"New Memoboard...", 0, false, false, false, {}},
         {"-", 0, false, false, false, {}},
         {"Gone", 99, false, false, false, {{"Old tab", 100, false, true, false, {}}}}}};
}

enum class Fill { Memoboard, Switch, MoveTo };
} // namespace

class TestMemoboardMenus : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void moveMenuOfATabNote();
    void moveMenuOfADesktopNote();
    void mainMenuKeepsTwoEntries();
    void switchMenuLeavesOutTheCurrentMemoboard();
    void switchMenuCanIncludeTheCurrentMemoboard();
    void moveToMenuListsTheOtherMemoboards();
    void nothingToListLeavesTheMenu_data();
    void nothingToListLeavesTheMenu();

private:
    std::unique_ptr<TestDataFolder> FFolder;
    int FWork = 0, FHome = 0, FTodo = 0, FDone = 0, FGarden = 0;
};

void TestMemoboardMenus::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    FWork = InsertMemoboardRow(QStringLiteral("Work"));
    FHome = InsertMemoboardRow(QStringLiteral("Home"));
    FTodo = InsertTabRow(FWork, QStringLiteral("Todo"), 3, 128, 128);
    FGarden = InsertTabRow(FHome, QStringLiteral("Garden"), 3, 128, 128);
    FDone = InsertTabRow(FWork, QStringLiteral("Done"), 3, 128, 128);
}

void TestMemoboardMenus::cleanup() {
    FFolder.reset();
}

void TestMemoboardMenus::moveMenuOfATabNote() {
    TMenuItem root{QString(), FDone, false, false, false, {}};
    MemoboardDB store;
    store.SetItemMeasure(true);
    store.FillMemoboardMenu(root, true, 0);
    QCOMPARE(
        Describe(root.Items),
        (QStringList{
            "Desktop#0 click measure",
            QStringLiteral("Work#%1 measure [Todo#%2 click measure]").arg(FWork).arg(FTodo),
            QStringLiteral("Home#%1 measure [Garden#%2 click measure]").arg(FHome).arg(FGarden)}));
}

void TestMemoboardMenus::moveMenuOfADesktopNote() {
    TMenuItem root{QString(), 0, false, false, false, {}};
    MemoboardDB().FillMemoboardMenu(root, true, 0);
    QCOMPARE(Describe(root.Items),
             (QStringList{QStringLiteral("Work#%1 [Todo#%2 click, Done#%3 click]")
                              .arg(FWork)
                              .arg(FTodo)
                              .arg(FDone),
                          QStringLiteral("Home#%1 [Garden#%2 click]").arg(FHome).arg(FGarden)}));
}

void TestMemoboardMenus::mainMenuKeepsTwoEntries() {
    TMenuItem root = MenuWithEntries(0);
    MemoboardDB().FillMemoboardMenu(root, false, 2);
    QCOMPARE(Describe(root.Items),
             (QStringList{"New Memoboard...#0", "-#0",
                          QStringLiteral("Work#%1 [Todo#%2 click, Done#%3 click]")
                              .arg(FWork)
                              .arg(FTodo)
                              .arg(FDone),
                          QStringLiteral("Home#%1 [Garden#%2 click]").arg(FHome).arg(FGarden)}));
}

void TestMemoboardMenus::switchMenuLeavesOutTheCurrentMemoboard() {
    TMenuItem popup = MenuWithEntries(0);
    MemoboardDB store;
    store.SetItemMeasure(true); // the switch menu never measures
    store.FillSwitchMenu(popup, 1, FWork, false);
    QCOMPARE(Describe(popup.Items),
             (QStringList{
                 "New Memoboard...#0",
                 QStringLiteral("Home#%1 radio [Garden#%2 radio click]").arg(FHome).arg(FGarden)}));
}

void TestMemoboardMenus::switchMenuCanIncludeTheCurrentMemoboard() {
    TMenuItem popup;
    MemoboardDB().FillSwitchMenu(popup, 5, FWork, true);
    QCOMPARE(Describe(popup.Items),
             (QStringList{
                 QStringLiteral("Work#%1 radio [Todo#%2 radio click, Done#%3 radio click]")
                     .arg(FWork)
                     .arg(FTodo)
                     .arg(FDone),
                 QStringLiteral("Home#%1 radio [Garden#%2 radio click]").arg(FHome).arg(FGarden)}));
}

void TestMemoboardMenus::moveToMenuListsTheOtherMemoboards() {
    const int third = InsertMemoboardRow(QStringLiteral("Third"));
    TMenuItem item = MenuWithEntries(FHome);
    MemoboardDB().FillMoveToMenu(item);
    QCOMPARE(Describe(item.Items),
             (QStringList{QStringLiteral("Work#%1 radio click").arg(FWork),
                          QStringLiteral("Third#%1 radio click").arg(third)}));
}

void TestMemoboardMenus::nothingToListLeavesTheMenu_data() {
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<bool>("queryFails");
    QTest::newRow("memoboards, empty store") << Fill::Memoboard << false;
    QTest::newRow("switch, empty store") << Fill::Switch << false;
    QTest::newRow("move to, one memoboard") << Fill::MoveTo << false;
    QTest::newRow("memoboards, failed query") << Fill::Memoboard << true;
    QTest::newRow("switch, failed query") << Fill::Switch << true;
    QTest::newRow("move to, failed query") << Fill::MoveTo << true;
}

void TestMemoboardMenus::nothingToListLeavesTheMenu() {
    QFETCH(Fill, fill);
    QFETCH(bool, queryFails);
    if (queryFails) {
        TfmData::Instance().FailNextStatements(1);
    } else {
        // Empty store for the first two; for "move to" only the menu's own memoboard is left.
        QVERIFY(MemoboardDB::DeleteMemoboard(FHome).Deleted);
        if (fill != Fill::MoveTo)
            QVERIFY(MemoboardDB::DeleteMemoboard(FWork).Deleted);
    }
    TMenuItem menu = MenuWithEntries(FWork);
    const QStringList before = Describe(menu.Items);
    MemoboardDB store;
    switch (fill) {
    case Fill::Memoboard:
        store.FillMemoboardMenu(menu, true, 0);
        break;
    case Fill::Switch:
        store.FillSwitchMenu(menu, 0, 0, true);
        break;
    case Fill::MoveTo:
        store.FillMoveToMenu(menu);
        break;
    }
    QCOMPARE(Describe(menu.Items), before);
}

QTEST_GUILESS_MAIN(TestMemoboardMenus)
#include "tst_memoboard_menus.moc"
