// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "untArrowBar.h"
#include "untScrollBarEx.h"
#include "untSkinImage.h"

#include "MouseEvents.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QtTest>

class TestArrowBar : public QObject {
    Q_OBJECT

private slots:
    void arrowsLieSideBySideFromTheLeft();
    void arrowScrollsOneLine_data();
    void arrowScrollsOneLine();
    void notificationsFollowInOrder();
    void worksWithoutAText();
    void hoverShowsTheSecondPicture_data();
    void hoverShowsTheSecondPicture();
    void scrollBarFollowsTheArrows();
};

void TestArrowBar::arrowsLieSideBySideFromTheLeft() {
    QWidget panel;
    panel.resize(29, 20);
    TArrowBar bar(&panel);
    QCOMPARE(bar.size(), QSize(29, 13));
    QCOMPARE(bar.imgup()->geometry(), QRect(0, 0, 14, 13));
    QCOMPARE(bar.imgdown()->geometry(), QRect(14, 0, 13, 13));
    QCOMPARE(bar.imgup()->PictureName(), QStringLiteral("arrow_up"));
    QCOMPARE(bar.imgdown()->PictureName(), QStringLiteral("arrow_down"));
}

void TestArrowBar::arrowScrollsOneLine_data() {
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("after");
    QTest::newRow("up") << true << 50 << 40;
    QTest::newRow("down") << false << 50 << 60;
    QTest::newRow("up at the top") << true << 0 << 0;
    QTest::newRow("down at the bottom") << false << 100 << 100;
}

void TestArrowBar::arrowScrollsOneLine() {
    QFETCH(bool, up);
    QFETCH(int, start);
    QFETCH(int, after);
    QWidget panel;
    TArrowBar bar(&panel);
    QAbstractScrollArea area;
    area.verticalScrollBar()->setRange(0, 100);
    area.verticalScrollBar()->setSingleStep(10);
    area.verticalScrollBar()->setValue(start);
    bar.SetEdit(&area);

    PressAt(up ? bar.imgup() : bar.imgdown(), {5, 5});
    QCOMPARE(area.verticalScrollBar()->value(), after);
}

void TestArrowBar::notificationsFollowInOrder() {
    QWidget panel;
    TArrowBar bar(&panel);
    QAbstractScrollArea area;
    area.verticalScrollBar()->setRange(0, 100);
    bar.SetEdit(&area);
    QStringList heard;
    connect(&bar, &TArrowBar::OnSyncBar, this, [&] { heard << QStringLiteral("sync"); });
    connect(&bar, &TArrowBar::OnArrowClick, this, [&] { heard << QStringLiteral("click"); });
    PressAt(bar.imgdown(), {5, 5});
    PressAt(bar.imgup(), {5, 5});
    QCOMPARE(heard, QStringList({"sync", "click", "sync", "click"}));
}

void TestArrowBar::worksWithoutAText() {
    QWidget panel;
    TArrowBar bar(&panel);
    int clicks = 0;
    connect(&bar, &TArrowBar::OnArrowClick, this, [&] { ++clicks; });
    PressAt(bar.imgdown(), {5, 5});
    QCOMPARE(clicks, 1);
}

void TestArrowBar::hoverShowsTheSecondPicture_data() {
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("normal");
    QTest::newRow("up") << true << QStringLiteral("arrow_up");
    QTest::newRow("down") << false << QStringLiteral("arrow_down");
}

void TestArrowBar::hoverShowsTheSecondPicture() {
    QFETCH(bool, up);
    QFETCH(QString, normal);
    QWidget panel;
    TArrowBar bar(&panel);
    TEKButton* arrow = up ? bar.imgup() : bar.imgdown();
    SendEnter(arrow);
    QCOMPARE(arrow->PictureName(), normal + QLatin1Char('2'));
    PressAt(arrow, {5, 5});
    QCOMPARE(arrow->PictureName(), normal + QLatin1Char('2'));
    SendLeave(arrow);
    QCOMPARE(arrow->PictureName(), normal);
}

void TestArrowBar::scrollBarFollowsTheArrows() {
    QWidget strip;
    strip.resize(200, 20);
    QWidget pnlArrow(&strip);
    pnlArrow.resize(29, 20);
    QWidget pnlBar(&strip);
    pnlBar.resize(160, 20);
    TArrowBar arrows(&pnlArrow);
    TScrollBarEx bar(&pnlBar);
    QAbstractScrollArea area;
    area.verticalScrollBar()->setRange(0, 113);
    area.verticalScrollBar()->setSingleStep(10);
    arrows.SetEdit(&area);
    bar.SetEdit(&area);
    connect(&arrows, &TArrowBar::OnSyncBar, &bar, &TScrollBarEx::SyncThumb);

    PressAt(arrows.imgdown(), {5, 5});
    PressAt(arrows.imgdown(), {5, 5});
    QCOMPARE(bar.imgbar()->x(), 20); // one pixel per position over a travel of 113
    PressAt(arrows.imgup(), {5, 5});
    QCOMPARE(bar.imgbar()->x(), 10);
}

QTEST_MAIN(TestArrowBar)
#include "tst_arrowbar.moc"
