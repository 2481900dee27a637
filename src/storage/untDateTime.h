// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Date-time numbers: days since 1899-12-30 00:00 local time, the fraction being the time of
// day. Before that day the integer part counts back while the fraction still counts forward
// (-1.25 is 1899-12-29 06:00), as the stored files have it.
namespace DateTimeText {

double ToNumber(const QDateTime& moment);
QDateTime FromNumber(double number);

// General floating form: at most 15 significant digits, no exponent, the locale's decimal
// separator.
QString FormatNumber(double number);
// Reads "." or "," as the decimal separator, whatever the locale; nullopt when it is no number.
std::optional<double> ParseNumber(const QString& text);

QString FromDateTime(const QDateTime& moment);
std::optional<QDateTime> ToDateTime(const QString& text);

// The text of Clock::Now().
QString Now();

// A moment as the user reads it: the locale's short date, a blank and its long time.
QString ForDisplay(const QDateTime& moment);
QString DisplayDate(const QDateTime& moment);
QString DisplayTime(const QDateTime& moment);

} // namespace DateTimeText
