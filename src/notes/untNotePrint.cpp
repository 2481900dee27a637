// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNotePrint.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <memory>
#include <optional>

namespace NotePrint {
namespace {
std::optional<QString> NextPdfFile;
} // namespace

bool PrintWithDialog(QWidget* parent, const QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    if (NextPdfFile) {
        const QString path = *NextPdfFile;
        NextPdfFile.reset();
        if (path.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    } else {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    PrintOn(printer, document);
    return true;
}

void PrintOn(QPrinter& printer, const QTextDocument& document) {
    printer.setDocName(QStringLiteral("Untitled"));
    // Printing lays the text out again for the page; the note's own layout stays as it is.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->print(&printer);
}

void SetNextPdfFileForTest(const QString& path) {
    NextPdfFile = path;
}

} // namespace NotePrint
