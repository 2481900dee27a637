// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untDB.h"

#include <QString>
#include <QStringList>

#include <functional>

// The SQL of the reminder columns of table Note (NTime, TimeOut, TimeOutType) and the two
// lists of notes with a live reminder (Type2 = 2 and not in the trash).
class Alarm {
public:
    static bool SetReminder(int noteId, const QString& dueText, int repeatCount, int repeatUnit);
    static bool SetReminderTime(int noteId, const QString& dueText);
    static bool SetRepeat(int noteId, int repeatCount, int repeatUnit);
    static void ListReminders(Dataset& dataset);

    // Appends one due-list entry ("id&NTime&F") per live reminder, in NTime text order.
    // When none of them is due by the program clock, `noneDue` runs: it hides the reminder
    // indicators and stops the repeating sound. An NTime that is no date-time is logged and
    // left out.
    static void LoadDueList(QStringList& list, const std::function<void()>& noneDue);
};
