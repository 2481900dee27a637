// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QGuiApplication>

// A busy cursor over every window of the program for as long as it lives.
class TBusyCursor {
public:
    // Qt::WaitCursor while the user must wait; Qt::BusyCursor while work goes on behind a window
    // that still answers.
    explicit TBusyCursor(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
