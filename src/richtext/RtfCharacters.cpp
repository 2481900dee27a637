// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfCharacters.h"

#include <algorithm>

QChar SpecialCharacter(RtfKeyword keyword) {
    switch (keyword) {
    case RtfKeyword::Tab:
        return u'\t';
    case RtfKeyword::Line:
        return QChar(QChar::LineSeparator);
    case RtfKeyword::EmDash:
        return QChar(0x2014);
    case RtfKeyword::EnDash:
        return QChar(0x2013);
    case RtfKeyword::EmSpace:
        return QChar(0x2003);
    case RtfKeyword::EnSpace:
        return QChar(0x2002);
    case RtfKeyword::QuarterEmSpace:
        return QChar(0x2005);
    case RtfKeyword::Bullet:
        return QChar(0x2022);
    case RtfKeyword::LeftQuote:
        return QChar(0x2018);
    case RtfKeyword::RightQuote:
        return QChar(0x2019);
    case RtfKeyword::LeftDoubleQuote:
        return QChar(0x201C);
    case RtfKeyword::RightDoubleQuote:
        return QChar(0x201D);
    case RtfKeyword::ZeroWidthJoiner:
        return QChar(0x200D);
    case RtfKeyword::ZeroWidthNonJoiner:
        return QChar(0x200C);
    case RtfKeyword::LeftToRightMark:
        return QChar(0x200E);
    case RtfKeyword::RightToLeftMark:
        return QChar(0x200F);
    default:
        return {};
    }
}

QChar SymbolCharacter(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        return QLatin1Char(symbol);
    case '~':
        return QChar(QChar::Nbsp);
    case '-':
        return QChar(QChar::SoftHyphen);
    case '_':
        return QChar(0x2011);
    default:
        return {};
    }
}

QString ShownText(const QString& text) {
    const auto hidden = [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\t') || c == QChar::ObjectReplacementCharacter;
    };
    if (std::none_of(text.begin(), text.end(), hidden))
        return text;
    QString shown = text;
    shown.removeIf(hidden);
    return shown;
}
