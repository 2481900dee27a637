// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <optional>

// The repeat units of a reminder (column TimeOutType); the set-reminder dialog's repeat choice
// is the item index + 1.
enum class RepeatUnit {
    None = 0,
    Minutes = 1,
    Hours = 2,
    Days = 3,
    Weeks = 4,
    Months = 5,
    Years = 6,
    MondayToFriday = 7,
};

// The next due time of a reminder repeating every `count` units of `timeOutType`, from `base`.
// The steps are on the wall clock: the time of day of `base` carries over. Months keep the
// day of month, clipped to the target month's length; years clip 29 February to the 28th in
// other years. Monday through Friday ignores `count` and answers the first weekday after
// `base`'s own day. Nothing for "no repeat" and for codes outside the table.
std::optional<QDateTime> NextOccurrence(int count, int timeOutType, const QDateTime& base);
