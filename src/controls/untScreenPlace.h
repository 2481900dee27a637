// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Centres a top-level window on the screen under the mouse (the primary one when there is none).
void CentreOnScreen(QWidget& window);
