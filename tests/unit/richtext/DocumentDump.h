// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextDocument;

// A readable account of everything the RTF codec keeps: per paragraph its alignment, margins,
// line height and list, per run its text and character format, per picture its size and a
// digest of its bytes. Two documents with the same account hold the same content.
QString DumpDocument(const QTextDocument& document);
