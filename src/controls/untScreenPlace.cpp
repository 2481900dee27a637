// SPDX-License-Identifier: GPL-3.0-or-later
#include "untScreenPlace.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect frame = window.rect();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
