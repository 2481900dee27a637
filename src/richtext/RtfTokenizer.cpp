// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace {
RtfToken TokenOf(RtfTokenKind kind, QByteArrayView bytes = {}) {
    RtfToken token;
    token.kind = kind;
    token.bytes = bytes;
    return token;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::Next() {
    if (FPendingBinary >= 0) {
        const qsizetype length = std::min(FPendingBinary, FInput.size() - FPosition);
        FPendingBinary = -1;
        RtfToken token = TokenOf(RtfTokenKind::Binary, FInput.sliced(FPosition, length));
        FPosition += length;
        return token;
    }
    while (FPosition < FInput.size()) {
        const char c = FInput[FPosition];
        if (c == '\r' || c == '\n') {
            ++FPosition;
            continue;
        }
        if (c == '{' || c == '}') {
            ++FPosition;
            return TokenOf(c == '{' ? RtfTokenKind::GroupStart : RtfTokenKind::GroupEnd);
        }
        if (c == '\\')
            return ReadControl();
        return ReadText();
    }
    return TokenOf(RtfTokenKind::End);
}

RtfToken RtfTokenizer::ReadControl() {
    const qsizetype start = FPosition;
    RtfToken token = ReadControlAfterBackslash();
    token.offset = start;
    return token;
}

RtfToken RtfTokenizer::ReadControlAfterBackslash() {
    ++FPosition; // the backslash
    if (FPosition >= FInput.size())
        return TokenOf(RtfTokenKind::End);
    const char c = FInput[FPosition];
    if (!IsLetter(c)) {
        ++FPosition;
        if (c == '\'')
            return ReadHex();
        RtfToken token = TokenOf(RtfTokenKind::ControlSymbol);
        token.symbol = (c == '\r') ? '\n' : c;
        return token;
    }
    const qsizetype start = FPosition;
    while (FPosition < FInput.size() && IsLetter(FInput[FPosition]))
        ++FPosition;
    RtfToken token = TokenOf(RtfTokenKind::ControlWord);
    // Overlong words are cut to the longest legal length; they match nothing we know.
    token.bytes = FInput.sliced(start, std::min<qsizetype>(FPosition - start, MaxWordLength + 1));
    token.parameter = ReadParameter(token.hasParameter);
    if (FPosition < FInput.size() && FInput[FPosition] == ' ')
        ++FPosition;
    if (token.bytes == "bin" && token.hasParameter)
        FPendingBinary = std::max(token.parameter, 0);
    return token;
}

int RtfTokenizer::ReadParameter(bool& hasParameter) {
    const qsizetype start = FPosition;
    const bool negative = FPosition < FInput.size() && FInput[FPosition] == '-';
    if (negative)
        ++FPosition;
    long long value = 0;
    hasParameter = false;
    while (FPosition < FInput.size() && IsDigit(FInput[FPosition])) {
        hasParameter = true;
        // Clamped, not wrapped: a huge number stays huge, and we never overflow.
        value = std::min<long long>(value * 10 + (FInput[FPosition] - '0'),
                                    std::numeric_limits<int>::max() + 1LL);
        ++FPosition;
    }
    if (!hasParameter) {
        FPosition = start; // a lone '-' is text
        return 0;
    }
    value = negative ? -value : value;
    return int(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

RtfToken RtfTokenizer::ReadHex() {
    const qsizetype available = std::min<qsizetype>(2, FInput.size() - FPosition);
    const int high = available > 0 ? HexDigitValue(FInput[FPosition]) : -1;
    const int low = available > 1 ? HexDigitValue(FInput[FPosition + 1]) : -1;
    // Both characters belong to the escape even when they are not hex digits, as Word reads it.
    FPosition += available;
    if (high < 0 || low < 0)
        return TokenOf(RtfTokenKind::InvalidHex);
    RtfToken token = TokenOf(RtfTokenKind::HexByte);
    token.byte = static_cast<unsigned char>(high * 16 + low);
    return token;
}

RtfToken RtfTokenizer::ReadText() {
    const qsizetype start = FPosition;
    while (FPosition < FInput.size()) {
        const char c = FInput[FPosition];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++FPosition;
    }
    return TokenOf(RtfTokenKind::Text, FInput.sliced(start, FPosition - start));
}
