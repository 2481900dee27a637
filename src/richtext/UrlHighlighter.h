// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSyntaxHighlighter>

// Paints the URLs of a note's text as links (underlined, in the link colour) while the user
// types, as the rich-edit control's URL detection does. Only the layout shows it: nothing is
// stored in the document, so the RTF written stays free of it.
class UrlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit UrlHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};
