// SPDX-License-Identifier: GPL-3.0-or-later
#include "untQuickReminder.h"

#include <array>

namespace QuickReminder {
namespace {

constexpr int FirstHour = 8;
constexpr int LastHour = 17;

// Fixed English names, whatever the locale, like the rest of the program's texts.
QString WeekdayName(const QDate& date) {
    static const std::array<const char*, 7> names = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                     "Friday", "Saturday", "Sunday"};
    return QString::fromLatin1(names[static_cast<size_t>(date.dayOfWeek() - 1)]);
}

} // namespace

QList<Day> Days(const QDateTime& now) {
    QList<Day> days;
    for (int ahead = 0; ahead <= 6; ++ahead) {
        Day day{ahead,
                ahead == 0 ? QStringLiteral("Today") : WeekdayName(now.date().addDays(ahead)),
                {}};
        const int first = ahead == 0 && now.time().hour() > 7 ? now.time().hour() + 1 : FirstHour;
        for (int hour = first; hour <= LastHour; ++hour)
            day.hours.append(hour);
        days.append(day);
    }
    return days;
}

QString HourCaption(int hour) {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    return QStringLiteral("%1:00 %2")
        .arg(twelve)
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QDateTime DueTime(const QDate& today, int daysAhead, int hour) {
    return QDateTime(today.addDays(daysAhead), QTime(hour, 0, 0));
}

const QList<RepeatEntry>& RepeatEntries() {
    static const QList<RepeatEntry> entries = {
        {QStringLiteral("Every minutes"), 1},
        {QStringLiteral("Every hours"), 2},
        {QStringLiteral("Every days"), 3},
        {QStringLiteral("Every weeks"), 4},
        {QStringLiteral("Every months"), 5},
        {QStringLiteral("Every years"), 6},
        {QStringLiteral("Monday through Friday"), 7},
    };
    return entries;
}

QString RepeatText(int count, int unit) {
    static const std::array<const char*, 6> units = {" minutes", " hours",  " days",
                                                     " weeks",   " months", " years"};
    const QString n = count == 1 ? QString() : u' ' + QString::number(count);
    if (unit >= 1 && unit <= 6)
        return QStringLiteral("Every") + n + QString::fromLatin1(units[size_t(unit - 1)]);
    if (unit == 7)
        return QStringLiteral("Monday") + n + QStringLiteral(" through Friday");
    return {};
}

} // namespace QuickReminder
