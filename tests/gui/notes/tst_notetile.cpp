// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmNoteMinimize.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int ColorValue(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

QWidget* Stripe(const TfmNoteMinimize& tile, int number) {
    return tile.findChild<QWidget*>(QStringLiteral("Panel%1").arg(number));
}

// Shows the tile at a known place and waits until its window exists.
void ShowAt(TfmNoteMinimize& tile, const QPoint& place) {
    tile.move(place);
    tile.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tile));
}

} // namespace

class TestNoteTile : public QObject {
    Q_OBJECT

private slots:
    void isASmallToolWindowWithFiveStripes();
    void outlineHasRoundedCornersAndLeavesOutTheLastColumnAndRow();
    void stripesInTheNoteColourOnItsLightForm_data();
    void stripesInTheNoteColourOnItsLightForm();
    void doubleClickRequestsTheRestore_data();
    void doubleClickRequestsTheRestore();
    void dragByAStripeMovesTheTileWithoutRestoring();
};

void TestNoteTile::isASmallToolWindowWithFiveStripes() {
    TfmNoteMinimize tile;
    QCOMPARE(tile.size(), QSize(35, 32));
    QVERIFY(tile.isWindow());
    QCOMPARE(tile.windowType(), Qt::Tool);
    QVERIFY(tile.windowFlags().testFlag(Qt::FramelessWindowHint));
    for (int number = 1; number <= 5; ++number) {
        QWidget* stripe = Stripe(tile, number);
        QVERIFY2(stripe, qPrintable(QStringLiteral("Panel%1").arg(number)));
        QCOMPARE(stripe->geometry(), QRect(4, 5 * number - 1, 26, 3));
    }
    QVERIFY(!Stripe(tile, 6));
}

void TestNoteTile::outlineHasRoundedCornersAndLeavesOutTheLastColumnAndRow() {
    TfmNoteMinimize tile;
    ShowAt(tile, {100, 100});
    const QRegion outline = tile.mask();
    QCOMPARE(outline.boundingRect(), QRect(0, 0, 34, 31));
    QVERIFY(!outline.contains(QPoint(0, 0)));
    QVERIFY(!outline.contains(QPoint(33, 30)));
    QVERIFY(outline.contains(QPoint(4, 0)));
    QVERIFY(outline.contains(QPoint(0, 16)));
    QVERIFY(outline.contains(QPoint(33, 16)));
}

void TestNoteTile::stripesInTheNoteColourOnItsLightForm_data() {
    QTest::addColumn<int>("noteColor");
    QTest::addColumn<QColor>("ground");
    QTest::newRow("sea blue") << ColorValue(0, 128, 192) << QColor(65, 193, 255);
    QTest::newRow("rose") << ColorValue(255, 128, 128) << QColor(255, 193, 193);
    QTest::newRow("dark red") << ColorValue(128, 0, 0) << QColor(193, 65, 65);
    QTest::newRow("silver") << ColorValue(192, 192, 192) << QColor(255, 255, 255);
}

void TestNoteTile::stripesInTheNoteColourOnItsLightForm() {
    QFETCH(int, noteColor);
    QFETCH(QColor, ground);
    const QColor stripe(noteColor & 0xFF, (noteColor >> 8) & 0xFF, noteColor >> 16);
    TfmNoteMinimize tile;
    tile.SetNoteColor(noteColor);
    ShowAt(tile, {100, 100});

    QCOMPARE(tile.BackColor(), ColorValue(ground.red(), ground.green(), ground.blue()));
    const QImage picture = tile.grab().toImage();
    QCOMPARE(picture.pixelColor(2, 16), ground);  // left of the stripes
    QCOMPARE(picture.pixelColor(16, 7), ground);  // between stripes 1 and 2
    QCOMPARE(picture.pixelColor(16, 28), ground); // below the last stripe
    for (int top : {4, 9, 14, 19, 24}) {
        QCOMPARE(picture.pixelColor(4, top), stripe);
        QCOMPARE(picture.pixelColor(29, top + 2), stripe);
    }
}

void TestNoteTile::doubleClickRequestsTheRestore_data() {
    QTest::addColumn<QPoint>("place");
    QTest::newRow("ground") << QPoint(2, 16);
    QTest::newRow("first stripe") << QPoint(10, 5);
    QTest::newRow("last stripe") << QPoint(20, 25);
}

void TestNoteTile::doubleClickRequestsTheRestore() {
    QFETCH(QPoint, place);
    TfmNoteMinimize tile;
    ShowAt(tile, {100, 100});
    QSignalSpy restore(&tile, &TfmNoteMinimize::RestoreRequested);

    QTest::mouseDClick(tile.windowHandle(), Qt::LeftButton, {}, place);

    QCOMPARE(restore.count(), 1);
    QCOMPARE(tile.pos(), QPoint(100, 100));
}

void TestNoteTile::dragByAStripeMovesTheTileWithoutRestoring() {
    TfmNoteMinimize tile;
    ShowAt(tile, {100, 100});
    QSignalSpy restore(&tile, &TfmNoteMinimize::RestoreRequested);
    QWindow* window = tile.windowHandle();
    const QPoint onStripe(12, 15);

    QTest::mousePress(window, Qt::LeftButton, {}, onStripe);
    QTest::mouseMove(window, onStripe + QPoint(140, 60));
    QTRY_COMPARE(tile.pos(), QPoint(240, 160));
    QTest::mouseRelease(window, Qt::LeftButton, {}, onStripe);

    QCOMPARE(tile.pos(), QPoint(240, 160));
    QCOMPARE(restore.count(), 0);
}

QTEST_MAIN(TestNoteTile)
#include "tst_notetile.moc"
