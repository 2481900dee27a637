// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMenuModel.h"

#include <QMenu>
#include <QtTest>

namespace {

std::vector<TMenuItem> Board(bool measured) {
    TMenuItem board{QStringLiteral("Work"), 5, false, false, measured, {}};
    board.Items.push_back({QStringLiteral("Tab1"), 11, false, true, measured, {}});
    board.Items.push_back({QStringLiteral("Tab2"), 12, false, true, measured, {}});
    return {TMenuItem{QStringLiteral("Desktop"), 0, false, true, measured, {}}, board,
            TMenuItem{QStringLiteral("Empty"), 6, false, false, measured, {}}};
}

} // namespace

class TestMenuModel : public QObject {
    Q_OBJECT

private slots:
    void entriesBecomeActionsAndSubmenus();
    void measuredEntriesAreFifteenPixelsWider();
    void clearRemovesEntriesAndSubmenus();
};

void TestMenuModel::entriesBecomeActionsAndSubmenus() {
    QMenu menu;
    QList<QPair<int, int>> clicks;
    FillMenu(menu, Board(false), 0, [&](int parent, int tag) { clicks.append({parent, tag}); });
    QCOMPARE(menu.actions().size(), 3);
    QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("Desktop"));
    QMenu* board = menu.actions().at(1)->menu();
    QVERIFY(board);
    QCOMPARE(board->title(), QStringLiteral("Work"));
    QVERIFY(!menu.actions().at(2)->isEnabled()); // a memoboard without tabs
    menu.actions().at(0)->trigger();
    board->actions().at(1)->trigger();
    QCOMPARE(clicks, (QList<QPair<int, int>>{{0, 0}, {5, 12}}));
}

void TestMenuModel::measuredEntriesAreFifteenPixelsWider() {
    QMenu plain;
    QMenu measured;
    FillMenu(plain, Board(false), 0, [](int, int) {});
    FillMenu(measured, Board(true), 0, [](int, int) {});
    plain.adjustSize();
    measured.adjustSize();
    QCOMPARE(measured.sizeHint().width(), plain.sizeHint().width() + 15);
    QMenu* plainBoard = plain.actions().at(1)->menu();
    QMenu* measuredBoard = measured.actions().at(1)->menu();
    QCOMPARE(measuredBoard->sizeHint().width(), plainBoard->sizeHint().width() + 15);
}

void TestMenuModel::clearRemovesEntriesAndSubmenus() {
    QMenu menu;
    FillMenu(menu, Board(true), 0, [](int, int) {});
    ClearMenu(menu);
    FillMenu(menu, Board(true), 0, [](int, int) {});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(menu.actions().size(), 3);
    QCOMPARE(menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size(), 1);
}

QTEST_MAIN(TestMenuModel)
#include "tst_menumodel.moc"
