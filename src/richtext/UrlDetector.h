// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

// A URL found in plain text: where it lies and the address it opens.
struct UrlSpan {
    int start;
    int length;
    QString url;

    bool operator==(const UrlSpan&) const = default;
};

// URLs in the text as a note shows them while typing: http://, https://, ftp://, file://,
// mailto: and bare "www." names (opened as http://). A URL ends at a blank, a control character
// or a quote or angle bracket; trailing punctuation and an unmatched closing bracket are not part
// of it.
QList<UrlSpan> FindUrls(const QString& text);

// The URL covering the character at `position`, for the click handler.
std::optional<UrlSpan> UrlAt(const QString& text, int position);
