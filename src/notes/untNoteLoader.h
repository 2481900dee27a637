// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;
class TfmNote;
struct NoteRecord;

// The window side of the note store: note windows built from rows of table Note. The registry
// (TfmUntil) calls these and registers what they open.

// Opens a window for every non-trashed note of one parent, in the order of the order code
// (0 and 1 newest first, 2 oldest first, 3 and 4 by modification time, newest or oldest
// first); the first one opened ends up in front. Desktop notes (no memoboard) are shown only
// with `showDesktopNotes`. Answers the windows in the order they opened.
QList<TfmNote*> LoadNotes(int orderCode, QWidget* memoboard, int parentId, QWidget* container,
                          bool showDesktopNotes);
// Opens the window of one row that NoteDB::ListForLoading answered, as LoadNotes opens each.
TfmNote* OpenListedNote(const NoteRecord& row, QWidget* memoboard, QWidget* container,
                        bool showDesktopNotes);
// Opens the window of one note in any state, the trash included, and shows it unless it is
// minimised; none when there is no such row.
TfmNote* OpenNote(int noteId, QWidget* memoboard, QWidget* container);
// Reads the note's parent, colour, reminder and on-top columns again (after a reminder change).
void ReloadNote(TfmNote& note);
