// SPDX-License-Identifier: GPL-3.0-or-later
#include "untVelmarApplication.h"

#include "untErrorBoundary.h"

TVelmarApplication::TVelmarApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVelmarApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
