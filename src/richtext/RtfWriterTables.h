// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

// The font table a writer fills as it meets fonts: font 0 is the document's default font.
class RtfFontTable {
public:
    explicit RtfFontTable(const QString& defaultFamily);

    // The index of the font, added when new.
    int IndexOf(const QString& family, int charset);
    // `{\fonttbl...}`: each name in its charset's code page, so Windows finds the font.
    QByteArray ToRtf() const;

private:
    struct Entry {
        QString family;
        int charset;
    };
    QList<Entry> FEntries;
};

// The colour table a writer fills: index 0 is the "automatic" colour.
class RtfColorTable {
public:
    int IndexOf(const QColor& color);
    QByteArray ToRtf() const;

private:
    QList<QRgb> FColors;
};

// Text as RTF: printable ASCII stays, `\ { }` are escaped, tabs, line breaks, no-break spaces
// and soft hyphens become their control words, the rest becomes `\uN?` per UTF-16 unit.
void AppendRtfText(QByteArray& out, const QString& text);
