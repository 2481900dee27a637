// SPDX-License-Identifier: GPL-3.0-or-later
#include "untReminderTime.h"

namespace {
// Adds seconds to the local date and time as written, so "two hours later" across a clock
// change is still two hours on the wall clock, as the stored date-time numbers count.
QDateTime AddWallClockSeconds(const QDateTime& base, qint64 seconds) {
    const QDateTime wall = QDateTime(base.date(), base.time(), Qt::UTC).addSecs(seconds);
    QDateTime result = base;
    result.setDate(wall.date());
    result.setTime(wall.time());
    return result;
}

QDateTime WithDate(const QDateTime& base, const QDate& date) {
    QDateTime result = base;
    result.setDate(date);
    return result;
}

// Days from `weekday` (Monday 1 ... Sunday 7) to the next Monday-to-Friday day.
int DaysToNextWorkday(int weekday) {
    switch (weekday) {
    case Qt::Friday:
        return 3;
    case Qt::Saturday:
        return 2;
    default:
        return 1;
    }
}
} // namespace

std::optional<QDateTime> NextOccurrence(int count, int timeOutType, const QDateTime& base) {
    switch (static_cast<RepeatUnit>(timeOutType)) {
    case RepeatUnit::Minutes:
        return AddWallClockSeconds(base, qint64{count} * 60);
    case RepeatUnit::Hours:
        return AddWallClockSeconds(base, qint64{count} * 3600);
    case RepeatUnit::Days:
        return WithDate(base, base.date().addDays(count));
    case RepeatUnit::Weeks:
        return WithDate(base, base.date().addDays(qint64{count} * 7));
    case RepeatUnit::Months:
        return WithDate(base, base.date().addMonths(count));
    case RepeatUnit::Years:
        return WithDate(base, base.date().addYears(count));
    case RepeatUnit::MondayToFriday:
        return WithDate(base, base.date().addDays(DaysToNextWorkday(base.date().dayOfWeek())));
    case RepeatUnit::None:
        break;
    }
    return std::nullopt;
}
