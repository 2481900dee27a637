// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The application icon (resources/shell/velmarnotes.svg, compiled in), rendered once at the
// usual icon sizes.
const QIcon& AppIcon();
