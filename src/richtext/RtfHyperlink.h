// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The link target of a field instruction such as `HYPERLINK "http://x" \o "tip"` or
// `HYPERLINK \l "bookmark"`; empty when the field is not a hyperlink.
QString HyperlinkTarget(const QString& fieldInstruction);
