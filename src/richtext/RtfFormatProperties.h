// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextFormat>

// Properties the RTF codec keeps in QTextFormat objects, beyond what Qt itself knows.
namespace RtfFormatProperty {
// QTextCharFormat, int: the `\fcharset` of the text's font as it was read, written back with the
// font so that Windows picks the same script.
constexpr int FontCharset = QTextFormat::UserProperty + 0x5201;
// QTextImageFormat, QByteArray: an embedded object we cannot show (a metafile, an OLE object),
// kept as its complete RTF group and written back unchanged.
constexpr int OpaqueRtfGroup = QTextFormat::UserProperty + 0x5202;
} // namespace RtfFormatProperty
