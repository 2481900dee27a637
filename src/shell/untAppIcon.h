// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The application icon (resources/shell/velmarnotes.svg, compiled in), rendered once at the
// usual icon sizes.
const QIcon& AppIcon();

// The icon the program's windows carry (QApplication::windowIcon): the application icon at the
// sizes taskbars, pagers and window switchers show, 16 to 48 px. Every top-level window sends
// its icon to the X server when it is made; the larger sizes would add about 350 KB a window.
const QIcon& AppWindowIcon();
