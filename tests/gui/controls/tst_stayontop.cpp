// SPDX-License-Identifier: GPL-3.0-or-later
#include "untStayOnTop.h"

#include <QWidget>
#include <QWindow>
#include <QtTest>

// The one way windows (notes, their tiles, the notepad) take and drop the stay-on-top flag.
class TestStayOnTop : public QObject {
    Q_OBJECT

private slots:
    void shownWindowKeepsItsPlaceAndKind();
    void hiddenWindowTakesTheFlagWithoutShowing();
};

void TestStayOnTop::shownWindowKeepsItsPlaceAndKind() {
    QWidget window(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 35, 32);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SetStaysOnTop(window, true);
    QVERIFY(StaysOnTop(window));
    QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowType(), Qt::Tool);
    QCOMPARE(window.pos(), QPoint(100, 100));

    SetStaysOnTop(window, false);
    QVERIFY(!StaysOnTop(window));
    QVERIFY(!window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestStayOnTop::hiddenWindowTakesTheFlagWithoutShowing() {
    QWidget window(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    SetStaysOnTop(window, true);
    QVERIFY(StaysOnTop(window));
    QVERIFY(window.isHidden());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(TestStayOnTop)
#include "tst_stayontop.moc"
