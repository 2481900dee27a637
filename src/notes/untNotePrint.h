// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

// Printing a note's text: the print dialog, then the text as a document named "Untitled".
namespace NotePrint {

// Runs the print dialog and, once confirmed, prints; false when the dialog was cancelled.
bool PrintWithDialog(QWidget* parent, const QTextDocument& document);
// Prints on a printer set up by the caller.
void PrintOn(QPrinter& printer, const QTextDocument& document);

// Test seam: the next PrintWithDialog prints to this PDF file without showing the dialog (an
// empty path: as if cancelled), once.
void SetNextPdfFileForTest(const QString& path);

} // namespace NotePrint
