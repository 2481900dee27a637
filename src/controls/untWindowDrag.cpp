// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

Qt::CursorShape SizingCursor(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling =
            edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

// One side's new start and length after dragging its low edge (left/top) or high edge
// (right/bottom) by delta, with the length kept between min and max and the other edge fixed.
void DragSpan(int& start, int& length, int delta, bool lowEdge, bool highEdge, int min, int max) {
    if (lowEdge) {
        const int end = start + length;
        length = std::clamp(length - delta, min, max);
        start = end - length;
    } else if (highEdge) {
        length = std::clamp(length + delta, min, max);
    }
}

} // namespace

WindowDragHelper::WindowDragHelper(QWidget* handle, QWidget* window, Qt::Edges edges)
    : QObject(handle), FWindow(window), FEdges(edges) {
    handle->installEventFilter(this);
    if (edges)
        handle->setCursor(SizingCursor(edges));
}

WindowDragHelper::WindowDragHelper(QWidget* handle, QWidget* window, HandleAt handleAt)
    : QObject(handle), FWindow(window), FHandleAt(std::move(handleAt)) {
    handle->installEventFilter(this);
}

void WindowDragHelper::UpdateCursor(const QPoint& position) {
    std::optional<Qt::Edges> edges = FHandleAt(position);
    if (edges && !*edges)
        edges.reset(); // a moving part keeps the ordinary cursor
    if (edges == FCursorEdges)
        return; // the cursor is set only when it changes: each change is a request to the X server
    FCursorEdges = edges;
    auto* handle = static_cast<QWidget*>(parent());
    if (edges)
        handle->setCursor(SizingCursor(*edges));
    else
        handle->unsetCursor();
}

bool WindowDragHelper::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (FHandleAt) {
            const std::optional<Qt::Edges> edges = FHandleAt(mouse->position().toPoint());
            if (!edges)
                break;
            FEdges = *edges;
        }
        FDragging = true;
        FStartMouse = mouse->globalPosition().toPoint();
        FStartGeometry = FWindow->geometry();
        if (FWindow->isWindow()) {
            // A top-level window lies where the press says, in the window system's own
            // coordinates: Qt's record of its place can lag behind the window manager's.
            const QPoint inWindow =
                static_cast<QWidget*>(watched)->mapTo(FWindow, mouse->position().toPoint());
            FStartGeometry.moveTopLeft(FStartMouse - inWindow);
        }
        emit DragStarted();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!FDragging) {
            if (FHandleAt)
                UpdateCursor(mouse->position().toPoint());
            break;
        }
        const QRect target = DraggedGeometry(mouse->globalPosition().toPoint() - FStartMouse);
        if (FEdges)
            FWindow->setGeometry(target);
        else
            FWindow->move(target.topLeft());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!FDragging || mouse->button() != Qt::LeftButton)
            break;
        FDragging = false;
        emit DragFinished();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QRect WindowDragHelper::DraggedGeometry(const QPoint& travel) const {
    if (!FEdges)
        return FStartGeometry.translated(travel);
    int left = FStartGeometry.left();
    int top = FStartGeometry.top();
    int width = FStartGeometry.width();
    int height = FStartGeometry.height();
    const QSize min = FWindow->minimumSize();
    const QSize max = FWindow->maximumSize();
    DragSpan(left, width, travel.x(), FEdges & Qt::LeftEdge, FEdges & Qt::RightEdge, min.width(),
             max.width());
    DragSpan(top, height, travel.y(), FEdges & Qt::TopEdge, FEdges & Qt::BottomEdge, min.height(),
             max.height());
    return {left, top, width, height};
}
