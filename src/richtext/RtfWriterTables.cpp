// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfWriterTables.h"

#include "RtfCodePages.h"

RtfFontTable::RtfFontTable(const QString& defaultFamily) {
    IndexOf(defaultFamily, 0);
}

int RtfFontTable::IndexOf(const QString& family, int charset) {
    for (qsizetype i = 0; i < FEntries.size(); ++i)
        if (FEntries[i].charset == charset && FEntries[i].family == family)
            return int(i);
    FEntries.append(Entry{family, charset});
    return int(FEntries.size()) - 1;
}

QByteArray RtfFontTable::ToRtf() const {
    QByteArray out = "{\\fonttbl";
    for (qsizetype i = 0; i < FEntries.size(); ++i) {
        const Entry& entry = FEntries[i];
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" +
               QByteArray::number(entry.charset) + ' ';
        QString name = entry.family;
        name.remove(u';');
        const std::optional<QByteArray> encoded =
            RtfCodePages::Encode(name, RtfCodePages::FromCharset(entry.charset, 1252));
        if (encoded) {
            for (const char c : *encoded) {
                const auto byte = static_cast<unsigned char>(c);
                if (byte >= 0x80 || c == '\\' || c == '{' || c == '}')
                    out += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
                else
                    out += c;
            }
        } else {
            AppendRtfText(out, name);
        }
        out += ";}";
    }
    out += '}';
    return out;
}

int RtfColorTable::IndexOf(const QColor& color) {
    const QRgb rgb = color.rgb();
    const qsizetype at = FColors.indexOf(rgb);
    if (at >= 0)
        return int(at) + 1;
    FColors.append(rgb);
    return int(FColors.size());
}

QByteArray RtfColorTable::ToRtf() const {
    QByteArray out = "{\\colortbl ;";
    for (const QRgb rgb : FColors)
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
               QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    out += '}';
    return out;
}

void AppendRtfText(QByteArray& out, const QString& text) {
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += char(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += char(unit);
        } else if (unit == u'\t') {
            out += "\\tab ";
        } else if (unit == QChar::LineSeparator || unit == QChar::ParagraphSeparator) {
            out += "\\line ";
        } else if (unit == QChar::Nbsp) {
            out += "\\~";
        } else if (unit == QChar::SoftHyphen) {
            out += "\\-";
        } else if (unit == 0x2011) {
            out += "\\_";
        } else if (unit < 0x20 || unit == QChar::ObjectReplacementCharacter) {
            continue; // control characters; pictures are written on their own
        } else {
            // Signed 16 bits, as readers of RTF 1.5 expect; '?' for readers without Unicode.
            out += "\\u" + QByteArray::number(int(static_cast<int16_t>(unit))) + '?';
        }
    }
}
