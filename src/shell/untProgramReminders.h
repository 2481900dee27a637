// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmSetAlarm.h"
#include "untDesktopNotifier.h"
#include "untReminderScheduler.h"
#include "untSoundPlayer.h"

class TfmMessage;

// The reminders of the running program: the sound player, the desktop notifier, the scheduler
// and the set-reminder panel, joined to the open-window registry. The registry's due-list
// refreshes rebuild the scheduler's list; a due reminder shows the due picture on its note, on the
// desktop or on an open memoboard; a notification's "Show" flashes the note; a note's reminder icon
// toggles the panel for it.
class TProgramReminders {
public:
    explicit TProgramReminders(TfmMessage& message);
    ~TProgramReminders();
    TProgramReminders(const TProgramReminders&) = delete;
    TProgramReminders& operator=(const TProgramReminders&) = delete;

    TReminderScheduler& Scheduler() { return FScheduler; }
    TfmSetAlarm& SetAlarm() { return FSetAlarm; }

private:
    TSoundPlayer FSound;
    TDesktopNotifier FNotifier;
    TReminderScheduler FScheduler;
    TfmSetAlarm FSetAlarm;
};
