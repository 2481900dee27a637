// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <utility>

// Colour values are 0x00BBGGRR: red + green * 256 + blue * 65536.
int AdjustColor(int color, int delta);
// The inactive look of a note: every channel 65 brighter.
int LightenColor(int color);

// Today's weekday by the program clock, Monday = 1 ... Sunday = 7.
int IsoWeekday();

// Escapes the exchange file's separators: tab "#1", line feed "#2", carriage return "#3",
// blank "#4". A '#' already in the text stays as it is.
QString EncodeBlanks(const QString& text);

// The help page (with its anchor) of a help topic id.
QString HelpPage(int topicId);

// Position and size text: two decimal integers joined by one comma, no blanks.
QString PairText(int first, int second);
// nullopt when the text is not two integers around a comma.
std::optional<std::pair<int, int>> ParsePair(const QString& text);
