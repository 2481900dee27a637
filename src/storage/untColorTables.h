// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace ColorTables {
constexpr int Rgb(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}
} // namespace ColorTables

// The 26 note colours, in the order of every note-colour menu, as colour values (0x00BBGGRR).
constexpr std::array<int, 26> NoteColorTable = {
    ColorTables::Rgb(255, 128, 128), ColorTables::Rgb(255, 0, 0),
    ColorTables::Rgb(255, 128, 255), ColorTables::Rgb(255, 0, 255),
    ColorTables::Rgb(128, 0, 0),     ColorTables::Rgb(255, 128, 0),
    ColorTables::Rgb(255, 255, 128), ColorTables::Rgb(255, 255, 0),
    ColorTables::Rgb(128, 255, 255), ColorTables::Rgb(0, 255, 255),
    ColorTables::Rgb(0, 128, 255),   ColorTables::Rgb(0, 128, 192),
    ColorTables::Rgb(0, 64, 128),    ColorTables::Rgb(128, 255, 128),
    ColorTables::Rgb(128, 255, 0),   ColorTables::Rgb(0, 255, 128),
    ColorTables::Rgb(0, 255, 64),    ColorTables::Rgb(0, 128, 0),
    ColorTables::Rgb(0, 128, 128),   ColorTables::Rgb(0, 0, 255),
    ColorTables::Rgb(128, 128, 255), ColorTables::Rgb(128, 0, 255),
    ColorTables::Rgb(64, 0, 128),    ColorTables::Rgb(128, 128, 0),
    ColorTables::Rgb(128, 128, 128), ColorTables::Rgb(192, 192, 192),
};
