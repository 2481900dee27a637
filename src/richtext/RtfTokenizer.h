// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

// The lexical pieces of an RTF stream.
enum class RtfTokenKind {
    GroupStart,    // {
    GroupEnd,      // }
    ControlWord,   // \letters with an optional signed parameter
    ControlSymbol, // \ and one non-letter character (\~ \* \\ ...)
    HexByte,       // \'hh
    InvalidHex,    // \' followed by something that is not two hex digits (consumed, never shown)
    Text,          // a run of plain bytes
    Binary,        // the raw bytes that follow \binN
    End
};

// The value of one hexadecimal digit, either case; -1 for any other character.
int HexDigitValue(char c);

struct RtfToken {
    RtfTokenKind kind = RtfTokenKind::End;
    QByteArrayView bytes; // the control word's letters, the text run or the binary data
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;
    unsigned char byte = 0;
    qsizetype offset = 0; // where a control word or symbol starts (its backslash)

    bool IsWord(const char* name) const {
        return kind == RtfTokenKind::ControlWord && bytes == name;
    }
};

// Splits RTF bytes into tokens. Knows the few lexical rules that change how the following bytes
// are read: `\binN` makes the next N bytes one Binary token, backslash + CR or LF is the symbol
// '\n' (a paragraph mark), bare CR and LF are dropped.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input) : FInput(input) {}

    RtfToken Next();
    // Offset of the next unread byte.
    qsizetype Position() const { return FPosition; }

    static constexpr int MaxWordLength = 32;

private:
    RtfToken ReadControl();
    RtfToken ReadControlAfterBackslash();
    RtfToken ReadHex();
    RtfToken ReadText();
    int ReadParameter(bool& hasParameter);

    QByteArrayView FInput;
    qsizetype FPosition = 0;
    qsizetype FPendingBinary = -1;
};
