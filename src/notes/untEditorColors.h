// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untColorTables.h"

#include <array>

// The last entry of both editor colour menus stands for the system's colour: choosing it gives
// the text its automatic colour (text menu) or removes the highlight (highlight menu).
constexpr int SystemColorEntry = -2;

// The text colour menu, as colour values (red + green × 256 + blue × 65536): sixteen colours,
// then the automatic text colour.
constexpr std::array<int, 17> TextColorTable = {
    ColorTables::Rgb(0, 0, 0),
    ColorTables::Rgb(128, 0, 0),
    ColorTables::Rgb(0, 128, 0),
    ColorTables::Rgb(128, 128, 0),
    ColorTables::Rgb(0, 0, 128),
    ColorTables::Rgb(128, 0, 128),
    ColorTables::Rgb(0, 128, 128),
    ColorTables::Rgb(128, 128, 128),
    ColorTables::Rgb(192, 192, 192),
    ColorTables::Rgb(255, 0, 0),
    ColorTables::Rgb(0, 255, 0),
    ColorTables::Rgb(255, 255, 0),
    ColorTables::Rgb(0, 0, 255),
    ColorTables::Rgb(255, 0, 255),
    ColorTables::Rgb(0, 255, 255),
    ColorTables::Rgb(255, 255, 255),
    SystemColorEntry,
};

// The highlight colour menu: the same sixteen colours, then no highlight.
constexpr std::array<int, 17> HighlightColorTable = TextColorTable;
