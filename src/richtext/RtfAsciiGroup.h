// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The same RTF group in 7-bit ASCII: raw high bytes become hex escapes and `\bin` data becomes
// hex digits (as picture data may be written either way). ASCII input comes back unchanged.
QByteArray RtfGroupAsAscii(QByteArrayView group);
