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
        FList = nullptr;
    else
        JoinList(listFormat);
}

void RtfDocumentBuilder::JoinList(const QTextListFormat& listFormat) {
    const QTextBlock previous = FCursor.block().previous();
    const bool continues =
        FList && previous.isValid() && previous.textList() == FList && FListFormat == listFormat;
    if (continues) {
        FList->add(FCursor.block());
        return;
    }
    FList = FCursor.createList(listFormat);
    FListFormat = listFormat;
}
