// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDateTime.h"

#include "untClock.h"

#include <QLocale>

#include <cmath>

namespace DateTimeText {
namespace {
constexpr double MsecsPerDay = 86400000.0;
const QDate Epoch(1899, 12, 30);
} // namespace

double ToNumber(const QDateTime& moment) {
    const double days = static_cast<double>(Epoch.daysTo(moment.date()));
    const double time = moment.time().msecsSinceStartOfDay() / MsecsPerDay;
    return days >= 0 ? days + time : days - time;
}

QDateTime FromNumber(double number) {
    const double wholeDays = std::trunc(number);
    qint64 msecs = std::llround(std::fabs(number - wholeDays) * MsecsPerDay);
    qint64 days = static_cast<qint64>(wholeDays);
    if (msecs >= static_cast<qint64>(MsecsPerDay)) { // rounding reached the next midnight
        msecs = 0;
        days += number >= 0 ? 1 : -1;
    }
    return QDateTime(Epoch.addDays(days), QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
}

QString FormatNumber(double number) {
    QString text = QString::number(number, 'g', 15);
    if (text.contains(u'e')) {
        // Tiny fractions: spell out the digits rather than use an exponent.
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(number))));
        const int decimals = std::min(14 - exponent, 320);
        text = QString::number(number, 'f', decimals);
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    const QString separator = QLocale().decimalPoint();
    if (separator != u".")
        text.replace(u'.', separator);
    return text;
}

std::optional<double> ParseNumber(const QString& text) {
    QString normalized = text.trimmed();
    normalized.replace(u',', u'.');
    bool ok = false;
    const double number = normalized.toDouble(&ok);
    if (!ok || !std::isfinite(number) || normalized.isEmpty())
        return std::nullopt;
    return number;
}

QString FromDateTime(const QDateTime& moment) {
    return FormatNumber(ToNumber(moment));
}

std::optional<QDateTime> ToDateTime(const QString& text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number)
        return std::nullopt;
    return FromNumber(*number);
}

QString Now() {
    return FromDateTime(Clock::Now());
}

QString ForDisplay(const QDateTime& moment) {
    return DisplayDate(moment) + u' ' + DisplayTime(moment);
}

QString DisplayDate(const QDateTime& moment) {
    return QLocale().toString(moment.date(), QLocale::ShortFormat);
}

QString DisplayTime(const QDateTime& moment) {
    return QLocale().toString(moment.time(), QLocale::LongFormat);
}

} // namespace DateTimeText
