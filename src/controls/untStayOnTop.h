// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Sets or clears a top-level window's stay-on-top flag. The change goes through the window
// handle, so a shown window stays mapped and in place (QWidget::setWindowFlag would hide it);
// a window not created yet takes the flag when it is first shown.
void SetStaysOnTop(QWidget& window, bool on);

// Whether the window has the stay-on-top flag.
bool StaysOnTop(const QWidget& window);
