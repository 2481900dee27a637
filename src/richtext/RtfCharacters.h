// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RtfKeywords.h"

#include <QChar>
#include <QString>

// The character a control word such as \emdash or \tab stands for; null for other words.
QChar SpecialCharacter(RtfKeyword keyword);
// The character a control symbol such as \~ or \{ stands for; null for other symbols.
QChar SymbolCharacter(char symbol);
// The text without what a note does not show: control characters other than the tab, and stray
// object marks.
QString ShownText(const QString& text);
