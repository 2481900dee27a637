// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Delivers a mouse event straight to a widget at a screen position, as Qt delivers the moves of
// a drag to the widget that holds the mouse grab, wherever the mouse is.
inline void SendMouseAt(QWidget* widget, QEvent::Type type, const QPoint& global,
                        Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(widget->mapFromGlobal(global)), QPointF(global), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void PressAt(QWidget* widget, const QPoint& local, Qt::MouseButton button = Qt::LeftButton) {
    SendMouseAt(widget, QEvent::MouseButtonPress, widget->mapToGlobal(local), button, button);
}

// Presses the left button on `widget` at `from` (its own coordinates), moves the mouse by
// `travel` in two steps while the button is held, and releases it there.
inline void DragBy(QWidget* widget, const QPoint& from, const QPoint& travel) {
    const QPoint start = widget->mapToGlobal(from);
    SendMouseAt(widget, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    SendMouseAt(widget, QEvent::MouseMove, start + travel / 2, Qt::NoButton, Qt::LeftButton);
    SendMouseAt(widget, QEvent::MouseMove, start + travel, Qt::NoButton, Qt::LeftButton);
    SendMouseAt(widget, QEvent::MouseButtonRelease, start + travel, Qt::LeftButton, Qt::NoButton);
}

inline void SendEnter(QWidget* widget) {
    const QPointF inside(1, 1);
    QEnterEvent event(inside, inside, QPointF(widget->mapToGlobal(QPoint(1, 1))));
    QApplication::sendEvent(widget, &event);
}

inline void SendLeave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}
