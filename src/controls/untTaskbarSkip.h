// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a top-level window out of the taskbar and the pager: gives its native window the
// skip-taskbar and skip-pager states whenever it is shown (the window manager drops them when
// the window is hidden). Qt::Tool alone does not keep every taskbar from listing a window. Call
// it once, when the window is made. Does nothing outside an X11 session.
void KeepOffTaskbar(QWidget& window);
