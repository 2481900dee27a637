// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps Qt's record of a frameless top-level window's place true to the X server. After the
// window manager places a window, Qt can be left believing that it lies at 0,0 (seen under
// openbox when a window is first mapped just after another one was hidden), and the next resize
// would then move the window there. After each move the window manager makes, the place is read
// back from the X server a little later and set again where the two differ. Call it once, when
// the window is made. Does nothing outside an X11 session.
void KeepTruePlace(QWidget& window);
