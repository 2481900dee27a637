// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoteDocuments.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace {
QTextCharFormat Plain() {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Tahoma")});
    format.setFontPointSize(10);
    return format;
}

void InsertRun(QTextCursor& cursor, const QString& text, QTextCharFormat format) {
    cursor.insertText(text, format);
    cursor.insertText(QStringLiteral(" "), Plain());
}

void InsertParagraph(QTextCursor& cursor, const QString& text, Qt::Alignment alignment) {
    QTextBlockFormat block;
    block.setAlignment(alignment);
    cursor.insertBlock(block, Plain());
    cursor.insertText(text, Plain());
}

void InsertList(QTextCursor& cursor, QTextListFormat::Style style, const QStringList& items) {
    QTextList* list = nullptr;
    for (const QString& item : items) {
        cursor.insertBlock(QTextBlockFormat(), Plain());
        if (list)
            list->add(cursor.block());
        else
            list = cursor.createList(style);
        cursor.insertText(item, Plain());
    }
}
} // namespace

void FillFormattedNote(QTextDocument& document) {
    document.clear();
    QTextCursor cursor(&document);
    cursor.setBlockCharFormat(Plain());
    InsertRun(cursor, QStringLiteral("Plain"), Plain());
    QTextCharFormat format = Plain();
    format.setFontWeight(QFont::Bold);
    InsertRun(cursor, QStringLiteral("Bold"), format);
    format = Plain();
    format.setFontItalic(true);
    InsertRun(cursor, QStringLiteral("Italic"), format);
    format = Plain();
    format.setFontUnderline(true);
    InsertRun(cursor, QStringLiteral("Underlined"), format);
    format = Plain();
    format.setFontStrikeOut(true);
    InsertRun(cursor, QStringLiteral("Struck"), format);
    format = Plain();
    format.setFontPointSize(20);
    InsertRun(cursor, QStringLiteral("Big"), format);
    format = Plain();
    format.setForeground(QColor(255, 0, 0));
    InsertRun(cursor, QStringLiteral("Red"), format);
    format = Plain();
    format.setBackground(QColor(255, 255, 0));
    InsertRun(cursor, QStringLiteral("Marked"), format);
    format = Plain();
    format.setFontFamilies({QStringLiteral("Courier New")});
    cursor.insertText(QStringLiteral("Courier"), format);

    InsertParagraph(cursor, QStringLiteral("Centred"), Qt::AlignHCenter);
    InsertParagraph(cursor, QStringLiteral("Right"), Qt::AlignRight);
    InsertList(cursor, QTextListFormat::ListDisc,
               {QStringLiteral("Bullet one"), QStringLiteral("Bullet two")});
    InsertList(cursor, QTextListFormat::ListDecimal,
               {QStringLiteral("Number one"), QStringLiteral("Number two")});

    InsertParagraph(cursor, QStringLiteral("Link: "), Qt::AlignLeft);
    format = Plain();
    format.setAnchor(true);
    format.setAnchorHref(QStringLiteral("http://example.com/page"));
    format.setFontUnderline(true);
    format.setForeground(QColor(0, 0, 255));
    cursor.insertText(QStringLiteral("example"), format);

    InsertParagraph(cursor, QStringLiteral("Table:"), Qt::AlignLeft);
    QTextTableFormat grid;
    grid.setBorder(1);
    grid.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 96), QTextLength(QTextLength::FixedLength, 144)});
    QTextTable* table = cursor.insertTable(2, 2, grid);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            table->cellAt(row, column)
                .firstCursorPosition()
                .insertText(QStringLiteral("Cell %1%2").arg(QChar(u'A' + column)).arg(row + 1),
                            Plain());
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);

    cursor.insertText(QStringLiteral("Picture: "), Plain());
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    picture.setPixelColor(0, 0, QColor(255, 0, 0));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("note:picture")),
                         picture);
    QTextImageFormat image;
    image.setName(QStringLiteral("note:picture"));
    image.setWidth(40);
    image.setHeight(30);
    cursor.insertImage(image);
}

QString ScriptsNoteText() {
    return QString::fromUtf8("中文笔记：你好，世界\nΕλληνικά: Καλημέρα κόσμε\n"
                             "Emoji: \xF0\x9F\x98\x80\xF0\x9F\x8E\x89\xF0\x9F\x91\x8D");
}

void FillScriptsNote(QTextDocument& document) {
    document.clear();
    QTextCursor cursor(&document);
    const QStringList lines = ScriptsNoteText().split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), Plain());
        cursor.insertText(lines[i], Plain());
    }
}
