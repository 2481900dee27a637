// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// Draws the eye to a note: 21 steps 50 ms apart, the window 2 px down-right on odd steps and
// 2 px up-left on even ones, then back where it was. Timer-driven, so the windows keep
// painting; it ends early when the window goes away. A second shake while one runs is not
// started (it would take the shaken place for home). `finished` runs once the note is back.
void ShakeNote(QWidget& note, std::function<void()> finished = {});
