// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The editor palette's reminder texts and its quick reminder menu, as plain values.
namespace QuickReminder {

// One entry of the quick reminder menu: "Today" or a weekday name, the days ahead of today, and
// the hours (0 to 23) it offers.
struct Day {
    int daysAhead;
    QString caption;
    QList<int> hours;
};

// Today and the six following days. Each offers the hours from 8 to 17; today only those after
// the current hour (none after 17:00).
QList<Day> Days(const QDateTime& now);
// "8:00 AM" ... "12:00 PM", "1:00 PM" ...
QString HourCaption(int hour);
// The due time of a quick entry: today plus the days, at the hour, minute and second 0.
QDateTime DueTime(const QDate& today, int daysAhead, int hour);

// One entry of the repeat menu: its caption and its repeat unit (TimeOutType).
struct RepeatEntry {
    QString caption;
    int unit;
};
const QList<RepeatEntry>& RepeatEntries();

// "Every days", "Every 3 hours", "Monday through Friday"; empty for no repeat.
QString RepeatText(int count, int unit);

} // namespace QuickReminder
