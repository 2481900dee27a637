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
};

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

QTEST_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
