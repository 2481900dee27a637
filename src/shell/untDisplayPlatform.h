// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The windows of Velmar Notes need X11: note places, stay-on-top, rounded shapes and global hot
// keys. In a Wayland session with XWayland the program asks Qt for X11; without any X server it
// says so plainly instead of failing inside Qt.

// What the environment offers: DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM.
struct TDisplayEnvironment {
    QString Display;
    QString WaylandDisplay;
    QString QpaPlatform;

    static TDisplayEnvironment Current();
};

enum class TDisplayPlan {
    AsIs,      // Qt's own choice (or the user's QT_QPA_PLATFORM) is right
    UseX11,    // a Wayland session with an X server: ask Qt for X11
    NoXServer, // there is a desktop but no X server answers
    NoDisplay, // no graphical session at all
};

TDisplayPlan PlanDisplay(const TDisplayEnvironment& environment, bool xServerAnswers);

// Why the program cannot start, for TDisplayPlan::NoXServer and NoDisplay.
QString NoDisplayMessage(TDisplayPlan plan, const TDisplayEnvironment& environment);

// Plans for the current environment and applies the plan before the application object exists:
// sets QT_QPA_PLATFORM=xcb for UseX11; for the other failures writes the reason to standard
// error (the program's log) and, in a Wayland session, as a desktop notification. Answers
// whether the program can start.
bool PrepareDisplay(int argc, char** argv);
