// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

// Where the benchmark puts note number `index` (from 0): a grid of 7 × 8 places on a
// 1280 × 1024 screen, each further round of 56 notes 6 px lower and to the right, so every
// window lies wholly on the screen. The notes' database and the floor program use the same
// places.
inline QPoint NoteGridPlace(int index) {
    const int round = index / 56;
    return {4 + (index % 7) * 180 + 6 * round, 4 + (index / 7 % 8) * 124 + 6 * round};
}

inline constexpr QSize NoteGridSize(172, 120);
