// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Standard Base64 ("A-Z a-z 0-9 + /", '=' padding, no line breaks).
QString Base64Encode(const QByteArray& bytes);
// nullopt unless the text is whole groups of four characters of the alphabet, with '=' only
// as the padding of the last group.
std::optional<QByteArray> Base64Decode(const QString& text);
