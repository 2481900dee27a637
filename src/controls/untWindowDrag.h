// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

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

    // A handle made of several parts, such as a window that paints its own frame: at each press
    // of the left button `handleAt` says what lies under the point (in the handle's
    // coordinates): no value lets the press through, no edges moves the window, edges resize it
    // on those sides. The handle shows the sizing cursor of the part under the mouse (which
    // needs the handle's mouse tracking).
    using HandleAt = std::function<std::optional<Qt::Edges>(const QPoint&)>;
    WindowDragHelper(QWidget* handle, QWidget* window, HandleAt handleAt);

    // The edges the last drag resized; none when it moved the window.
    Qt::Edges Edges() const { return FEdges; }

    bool IsDragging() const { return FDragging; }
    // The window's geometry when the last drag started.
    const QRect& StartGeometry() const { return FStartGeometry; }

signals:
    void DragStarted();
    // The left button was released after a press on the handle, whether or not it moved.
    void DragFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect DraggedGeometry(const QPoint& travel) const;
    // Over a handle of several parts: the cursor of the part under the mouse.
    void UpdateCursor(const QPoint& position);

    QWidget* FWindow;
    Qt::Edges FEdges;
    HandleAt FHandleAt;
    std::optional<Qt::Edges> FCursorEdges;
    bool FDragging = false;
    QPoint FStartMouse;
    QRect FStartGeometry;
};
