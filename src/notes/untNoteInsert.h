// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextEdit;

// What the editor palette puts into a note's text besides typing: pictures and attached files.
// Both go straight into the document, so the clipboard stays as the user had it, and both
// travel with the note's RTF.
namespace NoteInsert {

// A picture is stored at most this many pixels wide or high; larger ones are scaled down.
constexpr int MaxPictureSide = 1024;

// Reads the picture file and embeds it at the caret, shown no wider than the text area.
// Answers the message to show when the file cannot be read (the text is then unchanged), or
// an empty text.
QString InsertPicture(QTextEdit& edit, const QString& path);

// The folder attached files are copied into: "attachments" in the data folder.
QString AttachmentsFolder();
// Copies the file into the attachments folder (under a free name) and inserts a link to the
// copy at the caret, so the note keeps working when the original moves. Answers the message to
// show when the copy failed (the text is then unchanged), or an empty text.
QString AttachFile(QTextEdit& edit, const QString& path);

} // namespace NoteInsert
