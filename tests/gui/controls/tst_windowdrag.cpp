// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWindowDrag.h"

#include "MouseEvents.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QRect Start(100, 100, 200, 120);

// A window with a handle child, as a note has its title strip and frame pieces.
struct Fixture {
    QWidget window;
    QWidget* handle;

    Fixture() : handle(new QWidget(&window)) {
        window.setGeometry(Start);
        window.setMinimumSize(172, 50);
        handle->setGeometry(10, 10, 20, 20);
    }
};

} // namespace

class TestWindowDrag : public QObject {
    Q_OBJECT

private slots:
    void dragMovesTheWindowAndReportsTheEndOnce();
    void resizeKeepsTheOppositeSidesAndTheMinimum_data();
    void resizeKeepsTheOppositeSidesAndTheMinimum();
    void movesAChildWindowWithinItsParent();
    void otherButtonsNeitherMoveNorReport();
    void pressWithoutMoveStillReportsTheEnd();
    void partsOfOneHandleMoveResizeOrLetThePressThrough_data();
    void partsOfOneHandleMoveResizeOrLetThePressThrough();
    void partsOfOneHandleShowTheirCursors();
    void aWindowMovesFromWhereThePressSaysItLies();
};

namespace {

// A window that is its own handle: a 6x6 top-left corner, a right edge line, a title strip
// 20 high that moves it, and nothing elsewhere.
std::optional<Qt::Edges> PartAt(const QPoint& point) {
    if (point.x() < 6 && point.y() < 6)
        return Qt::TopEdge | Qt::LeftEdge;
    if (point.x() >= Start.width() - 4)
        return Qt::RightEdge;
    if (point.y() < 20)
        return Qt::Edges();
    return std::nullopt;
}

} // namespace

void TestWindowDrag::dragMovesTheWindowAndReportsTheEndOnce() {
    Fixture f;
    WindowDragHelper drag(f.handle, &f.window);
    QSignalSpy started(&drag, &WindowDragHelper::DragStarted);
    QSignalSpy finished(&drag, &WindowDragHelper::DragFinished);

    const QPoint from = f.handle->mapToGlobal(QPoint(5, 5));
    SendMouseAt(f.handle, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(drag.IsDragging());
    SendMouseAt(f.handle, QEvent::MouseMove, from + QPoint(30, 10), Qt::NoButton, Qt::LeftButton);
    SendMouseAt(f.handle, QEvent::MouseMove, from + QPoint(45, -20), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(f.window.pos(), Start.topLeft() + QPoint(45, -20));
    QCOMPARE(finished.count(), 0);
    SendMouseAt(f.handle, QEvent::MouseButtonRelease, from + QPoint(45, -20), Qt::LeftButton,
                Qt::NoButton);

    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!drag.IsDragging());
    QCOMPARE(f.window.size(), Start.size());
}

void TestWindowDrag::resizeKeepsTheOppositeSidesAndTheMinimum_data() {
    QTest::addColumn<Qt::Edges>("edges");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<Qt::CursorShape>("cursor");
    QTest::newRow("right wider") << Qt::Edges(Qt::RightEdge) << QPoint(40, 9)
                                 << QRect(100, 100, 240, 120) << Qt::SizeHorCursor;
    QTest::newRow("left narrower") << Qt::Edges(Qt::LeftEdge) << QPoint(20, 0)
                                   << QRect(120, 100, 180, 120) << Qt::SizeHorCursor;
    QTest::newRow("left past the minimum") << Qt::Edges(Qt::LeftEdge) << QPoint(100, 0)
                                           << QRect(128, 100, 172, 120) << Qt::SizeHorCursor;
    QTest::newRow("bottom past the minimum") << Qt::Edges(Qt::BottomEdge) << QPoint(0, -200)
                                             << QRect(100, 100, 200, 50) << Qt::SizeVerCursor;
    QTest::newRow("top-left larger") << (Qt::TopEdge | Qt::LeftEdge) << QPoint(-30, -20)
                                     << QRect(70, 80, 230, 140) << Qt::SizeFDiagCursor;
    QTest::newRow("top-right") << (Qt::TopEdge | Qt::RightEdge) << QPoint(10, 10)
                               << QRect(100, 110, 210, 110) << Qt::SizeBDiagCursor;
    QTest::newRow("bottom-right") << (Qt::BottomEdge | Qt::RightEdge) << QPoint(-50, 30)
                                  << QRect(100, 100, 172, 150) << Qt::SizeFDiagCursor;
}

void TestWindowDrag::resizeKeepsTheOppositeSidesAndTheMinimum() {
    QFETCH(Qt::Edges, edges);
    QFETCH(QPoint, travel);
    QFETCH(QRect, geometry);
    QFETCH(Qt::CursorShape, cursor);
    Fixture f;
    WindowDragHelper drag(f.handle, &f.window, edges);
    QSignalSpy finished(&drag, &WindowDragHelper::DragFinished);
    QCOMPARE(f.handle->cursor().shape(), cursor);

    DragBy(f.handle, {5, 5}, travel);
    QCOMPARE(f.window.geometry(), geometry);
    QCOMPARE(finished.count(), 1);
}

void TestWindowDrag::movesAChildWindowWithinItsParent() {
    QWidget board;
    board.setGeometry(300, 300, 600, 400);
    QWidget note(&board);
    note.setGeometry(12, 12, 172, 120);
    QWidget title(&note);
    title.setGeometry(5, 2, 162, 29);
    WindowDragHelper drag(&title, &note);

    DragBy(&title, {10, 10}, {50, 40});
    QCOMPARE(note.pos(), QPoint(62, 52));
}

void TestWindowDrag::otherButtonsNeitherMoveNorReport() {
    Fixture f;
    WindowDragHelper drag(f.handle, &f.window);
    QSignalSpy started(&drag, &WindowDragHelper::DragStarted);
    QSignalSpy finished(&drag, &WindowDragHelper::DragFinished);
    const QPoint from = f.handle->mapToGlobal(QPoint(5, 5));
    SendMouseAt(f.handle, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::RightButton);
    SendMouseAt(f.handle, QEvent::MouseMove, from + QPoint(30, 30), Qt::NoButton, Qt::RightButton);
    SendMouseAt(f.handle, QEvent::MouseButtonRelease, from + QPoint(30, 30), Qt::RightButton,
                Qt::NoButton);
    QCOMPARE(f.window.geometry(), Start);
    QCOMPARE(started.count(), 0);
    QCOMPARE(finished.count(), 0);
}

void TestWindowDrag::pressWithoutMoveStillReportsTheEnd() {
    Fixture f;
    WindowDragHelper drag(f.handle, &f.window);
    QSignalSpy finished(&drag, &WindowDragHelper::DragFinished);
    DragBy(f.handle, {5, 5}, {0, 0});
    QCOMPARE(finished.count(), 1);
    QCOMPARE(f.window.geometry(), Start);
}

void TestWindowDrag::partsOfOneHandleMoveResizeOrLetThePressThrough_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRect>("geometry"); // after a drag by 20, 10
    QTest::newRow("title strip") << QPoint(50, 5) << Start.translated(20, 10);
    QTest::newRow("right edge") << QPoint(198, 60) << QRect(100, 100, 220, 120);
    QTest::newRow("top-left corner") << QPoint(2, 2) << QRect(120, 110, 180, 110);
    QTest::newRow("no part") << QPoint(100, 60) << Start;
}

void TestWindowDrag::partsOfOneHandleMoveResizeOrLetThePressThrough() {
    QFETCH(QPoint, at);
    QFETCH(QRect, geometry);
    QWidget window;
    window.setGeometry(Start);
    window.setMinimumSize(172, 50);
    WindowDragHelper drag(&window, &window, PartAt);
    QSignalSpy finished(&drag, &WindowDragHelper::DragFinished);

    DragBy(&window, at, QPoint(20, 10));
    QCOMPARE(window.geometry(), geometry);
    const bool taken = geometry != Start;
    QCOMPARE(finished.count(), taken ? 1 : 0);
    QCOMPARE(drag.Edges(), taken ? *PartAt(at) : Qt::Edges());
}

void TestWindowDrag::partsOfOneHandleShowTheirCursors() {
    QWidget window;
    window.setGeometry(Start);
    window.setMouseTracking(true);
    WindowDragHelper drag(&window, &window, PartAt);
    const auto hover = [&window](const QPoint& at) {
        SendMouseAt(&window, QEvent::MouseMove, window.mapToGlobal(at), Qt::NoButton, Qt::NoButton);
        return window.cursor().shape();
    };
    QCOMPARE(hover({198, 60}), Qt::SizeHorCursor);
    QCOMPARE(hover({2, 2}), Qt::SizeFDiagCursor);
    QCOMPARE(hover({50, 5}), Qt::ArrowCursor); // the moving part keeps the ordinary cursor
    QCOMPARE(hover({198, 30}), Qt::SizeHorCursor);
    QCOMPARE(hover({100, 60}), Qt::ArrowCursor);
}

QTEST_MAIN(TestWindowDrag)
void TestWindowDrag::aWindowMovesFromWhereThePressSaysItLies() {
    // The window manager placed the window at 300,200, but Qt still records 100,100: the
    // press on the handle (10,10 into the window) says where it truly is.
    Fixture f;
    WindowDragHelper drag(f.handle, &f.window);
    const QPoint truePlace(300, 200);
    const QPoint grab = truePlace + QPoint(10, 10) + QPoint(5, 5);
    auto send = [&](QEvent::Type type, const QPoint& global, Qt::MouseButton button,
                    Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(global - truePlace - QPoint(10, 10)), QPointF(global),
                          button, buttons, Qt::NoModifier);
        QApplication::sendEvent(f.handle, &event);
    };
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, grab + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grab + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(f.window.geometry(), QRect(truePlace + QPoint(30, 20), Start.size()));
}

#include "tst_windowdrag.moc"
