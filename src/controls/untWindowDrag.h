// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Moves or resizes a window while the left mouse button is dragged on a handle widget (a title
// strip, a frame piece, a size grip). It stands in for the window manager's move and size loops
// and, unlike them, tells when the drag ends: that is where a window writes its new place or
// size, once per drag. Works for top-level and child windows alike, because it applies the
// mouse's travel to the window's geometry in its own parent's coordinates.
//
// The helper takes the left button's press, moves and release on the handle; other buttons
// reach the handle as usual. It is owned by the handle.
class WindowDragHelper : public QObject {
    Q_OBJECT
public:
    // With no edges the handle moves the window; with edges it resizes the window on those
    // sides (Qt::TopEdge | Qt::LeftEdge for a top-left corner piece), keeping the opposite sides
    // in place and the window within its minimum and maximum size. A resizing handle shows the
    // matching sizing cursor.
    WindowDragHelper(QWidget* handle, QWidget* window, Qt::Edges edges = {});

    bool IsDragging() const { return FDragging; }

signals:
    void DragStarted();
    // The left button was released after a press on the handle, whether or not it moved.
    void DragFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect DraggedGeometry(const QPoint& travel) const;

    QWidget* FWindow;
    Qt::Edges FEdges;
    bool FDragging = false;
    QPoint FStartMouse;
    QRect FStartGeometry;
};
