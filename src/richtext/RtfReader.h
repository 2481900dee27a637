// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QTextDocument;

// Reads RTF into a QTextDocument: text in any Windows code page and in `\u` escapes, character
// and paragraph formats, bullet and numbered lists, hyperlink fields and pictures. Objects that
// cannot be shown (metafiles, OLE objects) are kept whole, for the writer to put back.
class RtfReader {
public:
    // Replaces the document's content. False, with the document untouched, when the bytes are
    // not RTF at all; malformed or cut-off RTF is read as far as it goes.
    static bool Read(const QByteArray& rtf, QTextDocument& document);

    // Groups nested deeper than this are read as if they were empty.
    static constexpr int MaxGroupDepth = 256;
};
