// SPDX-License-Identifier: GPL-3.0-or-later
#include "untProgramReminders.h"

#include "frmMemoboardData.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untErrorBoundary.h"
#include "untNoteDB.h"

namespace {
// The note's window on the desktop or on its open memoboard; none when it is not shown.
TfmNote* ShownNoteWindow(int noteId) {
    if (TfmNote* note = TfmUntil::Instance().FindNoteWindow(noteId))
        return note;
    const std::optional<NoteRecord> record = NoteDB::ReadNote(noteId);
    if (!record || record->parentId == 0)
        return nullptr;
    return TfmMemoboardData::Instance().FindOpenNote(noteId, record->parentId);
}
} // namespace

TProgramReminders::TProgramReminders(TfmMessage& message)
    : FScheduler(FSound, &FNotifier), FSetAlarm(message) {
    TfmUntil& registry = TfmUntil::Instance();
    registry.SetDueListReload([this] { FScheduler.ReloadDueList(); });
    QObject::connect(&FScheduler, &TReminderScheduler::NoteDue, &FScheduler, [](int noteId) {
        RunGuarded([noteId] {
            if (TfmNote* note = ShownNoteWindow(noteId))
                note->ShowReminderDue();
        });
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
