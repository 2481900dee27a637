// SPDX-License-Identifier: GPL-3.0-or-later
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

void ApplyCharacterWord(RtfCharacterState& characters, RtfKeyword keyword, int parameter,
                        bool hasParameter) {
    const bool on = !hasParameter || parameter != 0;
    switch (keyword) {
    case RtfKeyword::Plain:
        characters = RtfCharacterState();
        break;
    case RtfKeyword::Bold:
        characters.bold = on;
        break;
    case RtfKeyword::Italic:
        characters.italic = on;
        break;
    case RtfKeyword::Underline:
        characters.underline = on;
        break;
    case RtfKeyword::UnderlineNone:
        characters.underline = false;
        break;
    case RtfKeyword::Strike:
        characters.strike = on;
        break;
    case RtfKeyword::Hidden:
        characters.hidden = on;
        break;
    case RtfKeyword::Superscript:
        characters.vertical = QTextCharFormat::AlignSuperScript;
        break;
    case RtfKeyword::Subscript:
        characters.vertical = QTextCharFormat::AlignSubScript;
        break;
    case RtfKeyword::NoSuperSub:
        characters.vertical = QTextCharFormat::AlignNormal;
        break;
    case RtfKeyword::Font:
        characters.font = parameter;
        break;
    case RtfKeyword::FontSize:
        characters.halfPoints = hasParameter ? std::clamp(parameter, 2, 3276) : 24;
        break;
    case RtfKeyword::Foreground:
        characters.foreground = parameter;
        break;
    case RtfKeyword::Background:
    case RtfKeyword::Highlight:
        characters.background = parameter;
        break;
    default:
        break;
    }
}

void ApplyParagraphWord(RtfParagraphState& paragraph, RtfKeyword keyword, int parameter) {
    switch (keyword) {
    case RtfKeyword::ParagraphDefault:
        paragraph = RtfParagraphState();
        break;
    case RtfKeyword::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        break;
    case RtfKeyword::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        break;
    case RtfKeyword::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        break;
    case RtfKeyword::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        break;
    case RtfKeyword::LeftIndent:
        paragraph.leftIndent = parameter;
        break;
    case RtfKeyword::RightIndent:
        paragraph.rightIndent = parameter;
        break;
    case RtfKeyword::FirstIndent:
        paragraph.firstIndent = parameter;
        break;
    case RtfKeyword::SpaceBefore:
        paragraph.spaceBefore = parameter;
        break;
    case RtfKeyword::SpaceAfter:
        paragraph.spaceAfter = parameter;
        break;
    case RtfKeyword::LineSpacing:
        // Negative for an exact height, which the writer negates back.
        paragraph.lineSpacing = std::clamp(parameter, -MaxPageTwips, MaxPageTwips);
        break;
    case RtfKeyword::LineMultiple:
        paragraph.lineMultiple = parameter != 0;
        break;
    case RtfKeyword::ListLevel:
        paragraph.list.level = std::clamp(parameter, 0, 8);
        break;
    case RtfKeyword::InTable:
        paragraph.inTable = true;
        break;
    default:
        break;
    }
}

void ApplyListDescriptorWord(RtfListState& list, RtfKeyword keyword, int parameter) {
    switch (keyword) {
    case RtfKeyword::ListBullet:
        list.style = QTextListFormat::ListDisc;
        break;
    case RtfKeyword::ListLevelNumber:
        list.level = parameter - 1;
        break;
    case RtfKeyword::ListDecimal:
        list.style = QTextListFormat::ListDecimal;
        break;
    case RtfKeyword::ListUpperAlpha:
        list.style = QTextListFormat::ListUpperAlpha;
        break;
    case RtfKeyword::ListLowerAlpha:
        list.style = QTextListFormat::ListLowerAlpha;
        break;
    case RtfKeyword::ListUpperRoman:
        list.style = QTextListFormat::ListUpperRoman;
        break;
    case RtfKeyword::ListLowerRoman:
        list.style = QTextListFormat::ListLowerRoman;
        break;
    default:
        break;
    }
}
