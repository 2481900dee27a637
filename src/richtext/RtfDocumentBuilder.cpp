// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document) : FCursor(&document) {}

void RtfDocumentBuilder::AppendText(const QString& text, const QTextCharFormat& format) {
    if (text.isEmpty())
        return;
    PlaceCursor();
    OpenPendingBlock();
    if (!FText.isEmpty() && format != FTextFormat)
        FlushText();
    FTextFormat = format;
    FText += text;
    FBlockHasContent = true;
}

void RtfDocumentBuilder::InsertImage(const QTextImageFormat& format) {
    PlaceCursor();
    OpenPendingBlock();
    FlushText();
    FCursor.insertImage(format);
    FBlockHasContent = true;
}

void RtfDocumentBuilder::EndParagraph(const QTextBlockFormat& blockFormat,
                                      const QTextListFormat& listFormat,
                                      const QTextCharFormat& charFormat) {
    PlaceCursor();
    OpenPendingBlock();
    ApplyParagraph(blockFormat, listFormat, charFormat);
    FBlockPending = true;
}

void RtfDocumentBuilder::Finish(const QTextBlockFormat& blockFormat,
                                const QTextListFormat& listFormat,
                                const QTextCharFormat& charFormat) {
    if (!FBlockPending)
        ApplyParagraph(blockFormat, listFormat, charFormat);
}

void RtfDocumentBuilder::FlushText() {
    if (FText.isEmpty())
        return;
    FCursor.insertText(FText, FTextFormat);
    FText.clear();
}

void RtfDocumentBuilder::OpenPendingBlock() {
    if (!FBlockPending)
        return;
    // A fresh format: the new block must not inherit the previous one's list membership.
    FCursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    FBlockPending = false;
    FBlockHasContent = false;
}

// A paragraph that Qt made (a new cell's, the one after a table) takes what follows.
void RtfDocumentBuilder::StartBlockAtCursor() {
    FBlockPending = false;
    FBlockHasContent = false;
    FOpenLists.clear();
}

void RtfDocumentBuilder::ApplyParagraph(const QTextBlockFormat& blockFormat,
                                        const QTextListFormat& listFormat,
                                        const QTextCharFormat& charFormat) {
    FlushText();
    FCursor.setBlockFormat(blockFormat);
    // An empty paragraph keeps the character format it was typed in: it sets its height.
    if (!FBlockHasContent)
        FCursor.setBlockCharFormat(charFormat);
    if (listFormat.style() == QTextListFormat::ListStyleUndefined)
        FOpenLists.clear();
    else
        JoinList(listFormat);
}

// Consecutive items join their list; an item one level deeper opens a nested list, and an item
// back at an outer level continues the outer list (and its numbering).
void RtfDocumentBuilder::JoinList(const QTextListFormat& listFormat) {
    while (!FOpenLists.empty() &&
           (!FOpenLists.back().list || FOpenLists.back().format.indent() > listFormat.indent()))
        FOpenLists.pop_back();
    if (!FOpenLists.empty() && FOpenLists.back().format.indent() == listFormat.indent()) {
        if (FOpenLists.back().format == listFormat) {
            FOpenLists.back().list->add(FCursor.block());
            return;
        }
        FOpenLists.pop_back();
    }
    FOpenLists.push_back(OpenList{listFormat, FCursor.createList(listFormat)});
}

void RtfDocumentBuilder::SetTableContext(bool inTable, const QList<int>& cellEdges) {
    FInTable = inTable;
    FCellEdges = cellEdges;
}

void RtfDocumentBuilder::EndCell(const QTextBlockFormat& blockFormat,
                                 const QTextListFormat& listFormat,
                                 const QTextCharFormat& charFormat) {
    FInTable = true; // a cell mark makes a table even without \intbl
    PlaceCursor();
    OpenPendingBlock(); // "text\par\cell": the cell ends with an empty paragraph
    ApplyParagraph(blockFormat, listFormat, charFormat);
    FBlockPending = true; // done: the end of the document must not format it again
    ++FColumn;
    FCellEnded = true;
}

void RtfDocumentBuilder::EndRow() {
    if (!FTable)
        return;
    FRowEnded = true;
    FCellEnded = false;
}

// Enters, moves within or leaves a table as the content that comes next asks.
void RtfDocumentBuilder::PlaceCursor() {
    if (!FInTable) {
        if (FTable)
            LeaveTable();
        return;
    }
    if (!FTable) {
        StartTable();
        return;
    }
    if (FRowEnded) {
        ++FRow;
        FColumn = 0;
        FRowEnded = false;
        MoveToCell();
    } else if (FCellEnded) {
        MoveToCell();
    }
}

void RtfDocumentBuilder::StartTable() {
    FlushText();
    QTextTableFormat format;
    format.setBorder(1);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    QList<QTextLength> widths;
    int left = 0;
    for (const int edge : FCellEdges) {
        widths.append(QTextLength(QTextLength::FixedLength, std::max(edge - left, 15) / 15.0));
        left = edge;
    }
    if (!widths.isEmpty())
        format.setColumnWidthConstraints(widths);
    // After the current paragraph; Qt keeps a paragraph before and after every table.
    FTable = FCursor.insertTable(1, std::max<int>(1, int(widths.size())), format);
    FRow = 0;
    FColumn = 0;
    FCellEnded = false;
    FRowEnded = false;
    StartBlockAtCursor();
}

void RtfDocumentBuilder::LeaveTable() {
    FlushText();
    FCursor = FTable->lastCursorPosition();
    FCursor.movePosition(QTextCursor::NextBlock);
    FTable = nullptr;
    StartBlockAtCursor();
}

void RtfDocumentBuilder::MoveToCell() {
    FlushText();
    if (FRow >= FTable->rows())
        FTable->appendRows(FRow - FTable->rows() + 1);
    if (FColumn >= FTable->columns())
        FTable->appendColumns(FColumn - FTable->columns() + 1);
    FCursor = FTable->cellAt(FRow, FColumn).firstCursorPosition();
    FCellEnded = false;
    StartBlockAtCursor();
}
