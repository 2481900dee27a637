// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextDocument;

// Notes as the editor makes them, for the writer's tests.

// Every format the editor applies: bold, italic, underline, strike-through, size, font, text and
// highlight colour, the three alignments, bullets, numbers, a link, a 2x2 table ("Cell A1" to
// "Cell B2") and a picture.
void FillFormattedNote(QTextDocument& document);

// A paragraph each of Chinese, Greek and emoji.
void FillScriptsNote(QTextDocument& document);
QString ScriptsNoteText();
