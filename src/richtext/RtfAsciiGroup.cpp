// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfAsciiGroup.h"

#include "RtfTokenizer.h"

#include <algorithm>

namespace {
void AppendHex(QByteArray& out, unsigned char byte) {
    static constexpr char digits[] = "0123456789abcdef";
    out.append(digits[byte >> 4]);
    out.append(digits[byte & 0x0F]);
}

void AppendControlWord(QByteArray& out, const RtfToken& token) {
    out.append('\\');
    out.append(token.bytes);
    if (token.hasParameter)
        out.append(QByteArray::number(token.parameter));
    out.append(' ');
}
} // namespace

QByteArray RtfGroupAsAscii(QByteArrayView group) {
    if (std::all_of(group.begin(), group.end(), [](char c) { return (c & 0x80) == 0; }))
        return group.toByteArray();
    QByteArray out;
    out.reserve(group.size() * 2);
    RtfTokenizer tokens(group);
    for (RtfToken token = tokens.Next(); token.kind != RtfTokenKind::End; token = tokens.Next()) {
        switch (token.kind) {
        case RtfTokenKind::GroupStart:
            out.append('{');
            break;
        case RtfTokenKind::GroupEnd:
            out.append('}');
            break;
        case RtfTokenKind::ControlWord:
            if (!token.IsWord("bin"))
                AppendControlWord(out, token);
            break;
        case RtfTokenKind::ControlSymbol:
            if (token.symbol == '\n') {
                out.append("\\par ");
            } else if ((token.symbol & 0x80) == 0) { // a backslash before a high byte means nothing
                out.append('\\');
                out.append(token.symbol);
            }
            break;
        case RtfTokenKind::HexByte:
            out.append("\\'");
            AppendHex(out, token.byte);
            break;
        case RtfTokenKind::Text:
            for (const char c : token.bytes) {
                if ((c & 0x80) == 0) {
                    out.append(c);
                } else {
                    out.append("\\'");
                    AppendHex(out, static_cast<unsigned char>(c));
                }
            }
            break;
        case RtfTokenKind::Binary:
            for (const char c : token.bytes)
                AppendHex(out, static_cast<unsigned char>(c));
            out.append(' ');
            break;
        case RtfTokenKind::InvalidHex:
        case RtfTokenKind::End:
            break;
        }
    }
    return out;
}
