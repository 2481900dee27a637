// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Windows code pages as RTF uses them: `\ansicpgN`, `\cpgN` and the charsets of `\fcharsetN`.
namespace RtfCodePages {
constexpr int Ansi = 1252;
constexpr int Symbol = 42; // the Symbol font's own encoding (charset 2)
constexpr int Utf8 = 65001;

// The code page of a `\fcharset` value; `documentCodePage` answers for charset 1 ("default") and
// for charsets that have no code page of their own.
int FromCharset(int charset, int documentCodePage);

// Decodes bytes of one code page. Multi-byte code pages need the whole run at once, so that a
// lead byte and its trail byte are decoded together. Undecodable bytes become U+FFFD.
QString Decode(QByteArrayView bytes, int codePage);

// Encodes text in a code page; nullopt when a character has no place in it.
std::optional<QByteArray> Encode(const QString& text, int codePage);
} // namespace RtfCodePages
