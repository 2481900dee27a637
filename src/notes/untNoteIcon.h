// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The icon of the note windows and tiles: the application's icon at 16 and 32 px only. These
// windows have no taskbar button, and Qt converts and sends every size of a window's icon to the
// X server for each window it creates: with the application's eight sizes up to 256 px that
// was most of the cost of opening many notes. Made on first use, once the application's icon
// is set; empty when it has none.
const QIcon& NoteWindowIcon();
