// SPDX-License-Identifier: GPL-3.0-or-later
#include "UrlHighlighter.h"

#include "UrlDetector.h"

UrlHighlighter::UrlHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void UrlHighlighter::highlightBlock(const QString& text) {
    // Laid over the text's own format: fonts and sizes stay, the link look is added.
    QTextCharFormat link;
    link.setFontUnderline(true);
    link.setForeground(QColor(0, 0, 255));
    for (const UrlSpan& span : FindUrls(text))
        setFormat(span.start, span.length, link);
}
