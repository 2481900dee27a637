// SPDX-License-Identifier: GPL-3.0-or-later
#include "untUtil.h"

#include "untClock.h"

#include <QHash>

#include <algorithm>

int AdjustColor(int color, int delta) {
    if (color == -1)
        color = 0;
    const auto adjust = [delta](int channel) {
        channel += delta;
        return delta > 0 ? std::min(channel, 255) : std::max(channel, 0);
    };
    const int red = adjust(color & 0xFF);
    const int green = adjust((color >> 8) & 0xFF);
    const int blue = adjust((color >> 16) & 0xFF);
    return red | (green << 8) | (blue << 16);
}

int LightenColor(int color) {
    return AdjustColor(color, 65);
}

int IsoWeekday() {
    return Clock::Now().date().dayOfWeek();
}

QString EncodeBlanks(const QString& text) {
    QString encoded;
    encoded.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\t':
            encoded += QStringLiteral("#1");
            break;
        case u'\n':
            encoded += QStringLiteral("#2");
            break;
        case u'\r':
            encoded += QStringLiteral("#3");
            break;
        case u' ':
            encoded += QStringLiteral("#4");
            break;
        default:
            encoded += c;
        }
    }
    return encoded;
}

QString HelpPage(int topicId) {
    static const QHash<int, QString> pages = {
        {5002, QStringLiteral("UsingNotes.htm")},
        {5003, QStringLiteral("MainControlInterface and TaskbarIcon.htm")},
        {5004, QStringLiteral("UsingReminder.htm")},
        {5005, QStringLiteral("FindingNotes.htm")},
        {5006, QStringLiteral("Settings.htm")},
        {5007, QStringLiteral("NotesTrash.htm")},
        {5008, QStringLiteral("BackingUp and RestoringNotes.htm")},
        {50010, QStringLiteral("suport.htm")},
        {50011, QStringLiteral("Memoboards and Tabs.htm")},
    };
    if (topicId >= 50021 && topicId <= 50028)
        return QStringLiteral("UsingNotes.htm#t%1").arg(topicId - 50020);
    return pages.value(topicId, QStringLiteral("default.htm"));
}

QString PairText(int first, int second) {
    return QString::number(first) + u',' + QString::number(second);
}

std::optional<std::pair<int, int>> ParsePair(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    bool firstOk = false;
    bool secondOk = false;
    const int first = text.left(comma).toInt(&firstOk);
    const int second = text.mid(comma + 1).toInt(&secondOk);
    if (!firstOk || !secondOk)
        return std::nullopt;
    return std::pair{first, second};
}
