#include "RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextList>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document) : FCursor(&document) {}

void RtfDocumentBuilder::AppendText(const QString& text, const QTextCharFormat& format) {
    if (text.isEmpty())
        return;
    OpenPendingBlock();
    if (!FText.isEmpty() && format != FTextFormat)
        FlushText();
    FTextFormat = format;
    FText += text;
    FBlockHasContent = true;
}

void RtfDocumentBuilder::InsertImage(const QTextImageFormat& format) {
    OpenPendingBlock();
    FlushText();
    FCursor.insertImage(format);
    FBlockHasContent = true;
}

void RtfDocumentBuilder::EndParagraph(const QTextBlockFormat& blockFormat,
                                      const QTextListFormat& listFormat,
                                      const QTextCharFormat& charFormat) {
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
    while (!FOpenLists.empty() && FOpenLists.back().format.indent() > listFormat.indent())
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
