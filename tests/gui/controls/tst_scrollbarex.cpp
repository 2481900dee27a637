// SPDX-License-Identifier: GPL-3.0-or-later
#include "untScrollBarEx.h"
#include "untSkinImage.h"

#include "MouseEvents.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

namespace {

constexpr int BarWidth = 160;
constexpr int Travel = BarWidth - TScrollBarEx::ThumbWidth; // 113

// A panel holding the bar, and a scroll area whose vertical range the test sets itself.
struct Fixture {
    QWidget panel;
    TScrollBarEx* bar;
    QAbstractScrollArea area;

    explicit Fixture(int range) {
        panel.resize(BarWidth, 20);
        bar = new TScrollBarEx(&panel);
        panel.show();
        area.verticalScrollBar()->setRange(0, range);
        bar->SetEdit(&area);
    }
    QScrollBar* Vertical() { return area.verticalScrollBar(); }
    int ThumbLeft() const { return bar->imgbar()->x(); }
};

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestScrollBarEx : public QObject {
    Q_OBJECT

private slots:
    void startsAtTheRightEndAsWideAsItsPanel();
    void followsItsPanelsWidth();
    void thumbFollowsThePosition_data();
    void thumbFollowsThePosition();
    void textThatDoesNotScrollKeepsTheThumbLeft();
    void pressingTheTrackCentresTheThumbOnTheMouse_data();
    void pressingTheTrackCentresTheThumbOnTheMouse();
    void draggingPastEitherEndStopsThere_data();
    void draggingPastEitherEndStopsThere();
    void pressingTheThumbReportsItAndKeepsThePosition();
    void thumbFollowsATextScrolledByOtherMeans();
};

void TestScrollBarEx::startsAtTheRightEndAsWideAsItsPanel() {
    QWidget panel;
    panel.resize(BarWidth, 20);
    TScrollBarEx bar(&panel);
    panel.show();
    QCOMPARE(bar.size(), QSize(BarWidth, TScrollBarEx::BarHeight));
    QCOMPARE(bar.imgbar()->geometry(), QRect(Travel, 0, 47, 13));
    QCOMPARE(bar.imgbg()->geometry(), bar.rect());
    QCOMPARE(bar.imgbg()->PictureName(), QStringLiteral("b_bg"));
    QVERIFY(bar.imgbg()->Stretch());
    QCOMPARE(bar.imgbar()->PictureName(), QStringLiteral("b_bar2"));
}

void TestScrollBarEx::followsItsPanelsWidth() {
    Fixture f(226);
    f.Vertical()->setValue(226);
    f.panel.resize(BarWidth + 40, 20);
    QCOMPARE(f.bar->width(), BarWidth + 40);
    QCOMPARE(f.bar->imgbg()->width(), BarWidth + 40);
    QCOMPARE(f.ThumbLeft(), Travel + 40); // still at the bottom end
}

void TestScrollBarEx::thumbFollowsThePosition_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("thumbLeft");
    // Travel 113 over a range of 226: half a pixel per position; halves go to the even pixel.
    QTest::newRow("top") << 226 << 0 << 0;
    QTest::newRow("0.5 to even 0") << 226 << 1 << 0;
    QTest::newRow("1.5 to even 2") << 226 << 3 << 2;
    QTest::newRow("2.5 to even 2") << 226 << 5 << 2;
    QTest::newRow("56.5 to even 56") << 226 << 113 << 56;
    QTest::newRow("bottom") << 226 << 226 << Travel;
    QTest::newRow("long text, bottom") << 400000 << 400000 << Travel;
}

void TestScrollBarEx::thumbFollowsThePosition() {
    QFETCH(int, range);
    QFETCH(int, position);
    QFETCH(int, thumbLeft);
    Fixture f(range);
    f.Vertical()->setValue(position);
    f.bar->SyncThumb();
    QCOMPARE(f.ThumbLeft(), thumbLeft);
}

void TestScrollBarEx::textThatDoesNotScrollKeepsTheThumbLeft() {
    QWidget panel;
    panel.resize(BarWidth, 20);
    TScrollBarEx bar(&panel);
    panel.show();
    QTextEdit edit(QStringLiteral("fits"));
    edit.resize(200, 200);
    edit.show();
    bar.SetEdit(&edit);
    QCOMPARE(edit.verticalScrollBar()->maximum(), 0);
    QCOMPARE(bar.imgbar()->x(), 0);
}

void TestScrollBarEx::pressingTheTrackCentresTheThumbOnTheMouse_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("thumbLeft");
    QTest::addColumn<int>("position");
    QTest::newRow("near the left end") << 10 << 0 << 0;
    QTest::newRow("middle") << 80 << 57 << 114; // 80 - 47 div 2; 57 * 226 / 113
    QTest::newRow("near the right end") << 150 << Travel << 226;
}

void TestScrollBarEx::pressingTheTrackCentresTheThumbOnTheMouse() {
    QFETCH(int, x);
    QFETCH(int, thumbLeft);
    QFETCH(int, position);
    Fixture f(226);
    f.Vertical()->setValue(100);
    PressAt(f.bar->imgbg(), {x, 6});
    QCOMPARE(f.ThumbLeft(), thumbLeft);
    QCOMPARE(f.Vertical()->value(), position);
}

void TestScrollBarEx::draggingPastEitherEndStopsThere_data() {
    QTest::addColumn<int>("travel");
    QTest::addColumn<bool>("toBottom");
    QTest::newRow("far right") << 1000 << true;
    QTest::newRow("just past the right end") << 60 << true;
    QTest::newRow("far left") << -1000 << false;
}

void TestScrollBarEx::draggingPastEitherEndStopsThere() {
    QFETCH(int, travel);
    QFETCH(bool, toBottom);
    QWidget panel;
    panel.resize(BarWidth, 20);
    TScrollBarEx bar(&panel);
    panel.show();
    QTextEdit edit;
    edit.resize(200, 100);
    edit.show();
    edit.setPlainText(Lines(200));
    QScrollBar* vertical = edit.verticalScrollBar();
    QVERIFY(vertical->maximum() > 0);
    vertical->setValue(vertical->maximum() / 2);
    bar.SetEdit(&edit);
    const int middle = bar.imgbar()->x();
    QVERIFY(middle > 0 && middle < Travel);

    DragBy(bar.imgbar(), {20, 6}, {travel, 3});
    QCOMPARE(bar.imgbar()->x(), toBottom ? Travel : 0);
    QCOMPARE(vertical->value(), toBottom ? vertical->maximum() : 0);
}

void TestScrollBarEx::pressingTheThumbReportsItAndKeepsThePosition() {
    Fixture f(226);
    f.Vertical()->setValue(100);
    f.bar->SyncThumb();
    const int left = f.ThumbLeft();
    QSignalSpy reported(f.bar, &TScrollBarEx::OnBarMouseDown);
    PressAt(f.bar->imgbar(), {20, 6});
    QCOMPARE(reported.count(), 1);
    QCOMPARE(f.Vertical()->value(), 100);
    QCOMPARE(f.ThumbLeft(), left);
}

void TestScrollBarEx::thumbFollowsATextScrolledByOtherMeans() {
    QWidget panel;
    panel.resize(BarWidth, 20);
    TScrollBarEx bar(&panel);
    panel.show();
    QTextEdit edit;
    edit.resize(200, 100);
    edit.show();
    bar.SetEdit(&edit);
    QCOMPARE(bar.imgbar()->x(), 0);

    edit.setPlainText(Lines(200));
    QScrollBar* vertical = edit.verticalScrollBar();
    QVERIFY(vertical->maximum() > 0);
    QCOMPARE(bar.imgbar()->x(), 0);

    // As by the wheel.
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(bar.imgbar()->x(), Travel);

    // By the keyboard.
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(vertical->value() < vertical->maximum() / Travel); // less than a pixel's worth
    QCOMPARE(bar.imgbar()->x(), 0);
}

QTEST_MAIN(TestScrollBarEx)
#include "tst_scrollbarex.moc"
