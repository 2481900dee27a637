// SPDX-License-Identifier: GPL-3.0-or-later
#include "untStayOnTop.h"

#include <QWidget>
#include <QWindow>

void SetStaysOnTop(QWidget& window, bool on) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle())
        handle->setFlags(flags);
}

bool StaysOnTop(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
