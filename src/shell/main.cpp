// SPDX-License-Identifier: GPL-3.0-or-later
#include "untAppIcon.h"
#include "untDisplayPlatform.h"
#include "untSingleInstance.h"
#include "untStartup.h"
#include "untVelmarApplication.h"

int main(int argc, char** argv) {
    SingleInstance instance;
    if (!instance.Acquire())
        return 0; // another copy runs for this session: end at once, touching nothing

    if (!PrepareDisplay(argc, argv))
        return 1;

    TVelmarApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar Notes"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmar Notes"));
    QApplication::setDesktopFileName(QStringLiteral("velmarnotes"));
    QApplication::setWindowIcon(AppWindowIcon());
    // Which windows appear is decided by the start-up sequence alone, and closing the last of
    // them does not end the program: only Exit and the notepad's close do.
    QApplication::setQuitOnLastWindowClosed(false);
    return RunProgram();
}
