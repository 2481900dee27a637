// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDueEntry.h"

QString TDueEntry::Text() const {
    return QString::number(noteId) + u'&' + dueText + u'&' + (signalled ? u'T' : u'F');
}

std::optional<TDueEntry> TDueEntry::Parse(const QString& text) {
    const qsizetype first = text.indexOf(u'&');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u'&', first + 1);
    if (second < 0)
        return std::nullopt;
    bool isNumber = false;
    const int noteId = text.first(first).toInt(&isNumber);
    const QStringView flag = QStringView(text).sliced(second + 1);
    if (!isNumber || (flag != u"F" && flag != u"T"))
        return std::nullopt;
    return TDueEntry{noteId, text.sliced(first + 1, second - first - 1), flag == u"T"};
}
