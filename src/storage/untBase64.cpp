// SPDX-License-Identifier: GPL-3.0-or-later
#include "untBase64.h"

namespace {
bool IsAlphabet(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'+' || c == u'/';
}

// Whole groups of four, '=' only as the padding of the last group ("xx==" or "xxx="). Checked
// character by character: a pattern match over a picture's megabytes of text runs out of the
// regular-expression engine's stack.
bool IsWholeGroups(const QString& text) {
    if (text.size() % 4 != 0)
        return false;
    qsizetype padding = 0;
    if (text.endsWith(u"=="))
        padding = 2;
    else if (text.endsWith(u'='))
        padding = 1;
    const qsizetype data = text.size() - padding;
    for (qsizetype i = 0; i < data; ++i)
        if (!IsAlphabet(text.at(i).unicode()))
            return false;
    return true;
}
} // namespace

QString Base64Encode(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toBase64());
}

std::optional<QByteArray> Base64Decode(const QString& text) {
    if (!IsWholeGroups(text))
        return std::nullopt;
    return QByteArray::fromBase64(text.toLatin1());
}
