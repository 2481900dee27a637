#include "RtfReaderState.h"

#include "RtfPicture.h"

#include <algorithm>

namespace {
bool IsNumbered(QTextListFormat::Style style) {
    return style != QTextListFormat::ListDisc && style != QTextListFormat::ListCircle &&
           style != QTextListFormat::ListSquare;
}
} // namespace

QTextBlockFormat BlockFormatFor(const RtfParagraphState& paragraph) {
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    // A list's own indentation stands for the item's indents.
    if (ListFormatFor(paragraph).style() == QTextListFormat::ListStyleUndefined) {
        if (paragraph.leftIndent != 0)
            format.setLeftMargin(paragraph.leftIndent / TwipsPerPixel);
        if (paragraph.firstIndent != 0)
            format.setTextIndent(paragraph.firstIndent / TwipsPerPixel);
    }
    if (paragraph.rightIndent != 0)
        format.setRightMargin(paragraph.rightIndent / TwipsPerPixel);
    if (paragraph.spaceBefore != 0)
        format.setTopMargin(paragraph.spaceBefore / TwipsPerPixel);
    if (paragraph.spaceAfter != 0)
        format.setBottomMargin(paragraph.spaceAfter / TwipsPerPixel);
    if (paragraph.lineSpacing > 0 && paragraph.lineMultiple)
        format.setLineHeight(paragraph.lineSpacing * 100.0 / 240.0,
                             QTextBlockFormat::ProportionalHeight);
    else if (paragraph.lineSpacing > 0)
        format.setLineHeight(paragraph.lineSpacing / TwipsPerPixel,
                             QTextBlockFormat::MinimumHeight);
    else if (paragraph.lineSpacing < 0)
        format.setLineHeight(-paragraph.lineSpacing / TwipsPerPixel, QTextBlockFormat::FixedHeight);
    return format;
}

QTextListFormat ListFormatFor(const RtfParagraphState& paragraph) {
    const RtfListState& list = paragraph.list;
    QTextListFormat format;
    const QTextListFormat::Style style =
        list.style != QTextListFormat::ListStyleUndefined ? list.style : list.textStyle;
    if (style == QTextListFormat::ListStyleUndefined)
        return format;
    format.setStyle(style);
    // The rich-edit form has no level of its own: each level indents 720 twips further.
    const int level = list.level > 0 ? list.level : paragraph.leftIndent / 720 - 1;
    format.setIndent(std::clamp(level, 0, 8) + 1);
    if (IsNumbered(style)) {
        format.setNumberPrefix(list.prefix);
        format.setNumberSuffix(list.suffix.isEmpty() ? QStringLiteral(".") : list.suffix);
    }
    return format;
}

QTextListFormat::Style ListStyleOfItemText(const QString& itemText) {
    const QString text = itemText.trimmed();
    if (text.isEmpty())
        return QTextListFormat::ListStyleUndefined;
    // A letter alone is a symbol font's bullet ("o", "l"); "a." or "B)" is a number.
    const bool punctuated = text.contains(u'.') || text.contains(u')');
    for (const QChar c : text) {
        if (c.isDigit())
            return QTextListFormat::ListDecimal;
        if (punctuated && c >= u'a' && c <= u'z')
            return QTextListFormat::ListLowerAlpha;
        if (punctuated && c >= u'A' && c <= u'Z')
            return QTextListFormat::ListUpperAlpha;
    }
    return QTextListFormat::ListDisc;
}
