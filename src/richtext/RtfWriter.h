// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a QTextDocument as RTF in the shape a Windows rich-edit control writes: pure 7-bit
// ASCII, a font table with charsets, a colour table with the "automatic" entry first, `\uN?` for
// every character outside ASCII, one `\par` ending each paragraph, bullets and numbers in the
// `\pntext` + `\pn` form, links as HYPERLINK fields and pictures as PNG or JPEG.
class RtfWriter {
public:
    static QByteArray Write(const QTextDocument& document);
};
