// SPDX-License-Identifier: GPL-3.0-or-later
#include "untProgramReminders.h"

#include "frmNote.h"
#include "frmUntil.h"
#include "untErrorBoundary.h"

TProgramReminders::TProgramReminders(TfmMessage& message)
    : FScheduler(FSound, &FNotifier), FSetAlarm(message) {
    TfmUntil& registry = TfmUntil::Instance();
    registry.SetDueListReload([this] { FScheduler.ReloadDueList(); });
    QObject::connect(&FScheduler, &TReminderScheduler::NoteDue, &FScheduler, [](int noteId) {
        if (TfmNote* note = TfmUntil::Instance().FindNoteWindow(noteId))
            note->ShowReminderDue();
    });
    QObject::connect(
        &FScheduler, &TReminderScheduler::ShowNoteRequested, &FScheduler,
        [](int noteId) { RunGuarded([noteId] { TfmUntil::Instance().FlashNote(noteId); }); });
    QObject::connect(&registry, &TfmUntil::ReminderRequested, &FSetAlarm, [this](TfmNote* note) {
        RunGuarded([this, note] { FSetAlarm.ToggleFor(note); });
    });
}

TProgramReminders::~TProgramReminders() {
    TfmUntil::Instance().SetDueListReload({});
}
