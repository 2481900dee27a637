// SPDX-License-Identifier: GPL-3.0-or-later
#include "untImagePlacement.h"

#include <QPainter>
#include <QPixmap>
#include <QtTest>

namespace {

const QColor Paint(Qt::red);
const QColor Clear(Qt::white);

// The area after the routine drew a `picture`-sized red picture on a white area.
QImage Draw(void (*routine)(QPainter&, const QSize&, const QPixmap&), const QSize& area,
            const QSize& picture) {
    QImage canvas(area, QImage::Format_RGB32);
    canvas.fill(Clear);
    QPixmap red(picture.isEmpty() ? QSize(1, 1) : picture);
    red.fill(Paint);
    if (picture.isEmpty())
        red = QPixmap();
    QPainter painter(&canvas);
    routine(painter, area, red);
    painter.end();
    return canvas;
}

// Each pixel painted red as a string of rows, '#' painted, '.' not.
QStringList Rows(const QImage& image) {
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += image.pixelColor(x, y) == Paint ? u'#' : u'.';
        rows.append(row);
    }
    return rows;
}

} // namespace

class TestImagePlacement : public QObject {
    Q_OBJECT

private slots:
    void tileCoversTheAreaFromTheCorner();
    void centreUsesHalvesRoundedTowardZero_data();
    void centreUsesHalvesRoundedTowardZero();
    void placeDrawsOnceAtTheCorner();
    void emptyPictureDrawsNothing();
    void placementCodeChoosesTheRoutine_data();
    void placementCodeChoosesTheRoutine();
};

void TestImagePlacement::tileCoversTheAreaFromTheCorner() {
    // 2x2 pictures on 5x3: every pixel is covered, the last column and row cut off.
    const QImage image = Draw(&TileImage, {5, 3}, {2, 2});
    QCOMPARE(Rows(image), QStringList({"#####", "#####", "#####"}));
}

void TestImagePlacement::centreUsesHalvesRoundedTowardZero_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("even in odd") << QSize(7, 7) << QSize(2, 2) << QPoint(2, 2);
    QTest::newRow("odd in even") << QSize(8, 6) << QSize(3, 3) << QPoint(3, 2);
    QTest::newRow("larger than the area") << QSize(4, 4) << QSize(7, 7) << QPoint(-1, -1);
}

void TestImagePlacement::centreUsesHalvesRoundedTowardZero() {
    QFETCH(QSize, area);
    QFETCH(QSize, picture);
    QFETCH(QPoint, topLeft);
    const QImage image = Draw(&CenterImage, area, picture);
    const QRect drawn = QRect(topLeft, picture) & QRect(QPoint(), area);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            QCOMPARE(image.pixelColor(x, y) == Paint, drawn.contains(x, y));
}

void TestImagePlacement::placeDrawsOnceAtTheCorner() {
    const QImage image = Draw(&PlaceImage, {4, 3}, {2, 2});
    QCOMPARE(Rows(image), QStringList({"##..", "##..", "...."}));
}

void TestImagePlacement::emptyPictureDrawsNothing() {
    for (auto routine : {&TileImage, &CenterImage, &PlaceImage})
        QCOMPARE(Rows(Draw(routine, {3, 2}, {0, 0})), QStringList({"...", "..."}));
}

void TestImagePlacement::placementCodeChoosesTheRoutine_data() {
    QTest::addColumn<int>("placement");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("none") << 0 << QStringList({"....", "....", "...."});
    QTest::newRow("top left") << 1 << QStringList({"##..", "##..", "...."});
    QTest::newRow("centre") << 2 << QStringList({".##.", ".##.", "...."});
    QTest::newRow("tile") << 3 << QStringList({"####", "####", "####"});
}

void TestImagePlacement::placementCodeChoosesTheRoutine() {
    QFETCH(int, placement);
    QFETCH(QStringList, rows);
    QImage canvas(4, 3, QImage::Format_RGB32);
    canvas.fill(Clear);
    QPixmap red(2, 2);
    red.fill(Paint);
    QPainter painter(&canvas);
    PaintPlacedImage(painter, canvas.size(), red, placement);
    painter.end();
    QCOMPARE(Rows(canvas), rows);
}

QTEST_MAIN(TestImagePlacement)
#include "tst_imageplacement.moc"
