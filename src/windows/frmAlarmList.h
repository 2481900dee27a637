// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untListWindow.h"

#include <QDateTime>

class QComboBox;
class QLabel;
class QLineEdit;
class TEKButton;

// "Reminder List": every note with a live reminder, due (the due icon) or pending, with its
// date and time; the selected note in the preview, with its reminder time and, for a repeating
// reminder, the next repeat. A due reminder can be snoozed; any reminder cleared (a repeating
// one advances to its next occurrence), its note trashed, printed or gone to.
class TfmAlarmList : public TListWindow {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 5004;

    explicit TfmAlarmList(TfmMessage& message);

    // Lists the reminders again; answers how many there are.
    int Fill();

    void imgSnoozeforClick();
    void imgClearAlarmClick();
    void imgTrashAlarmClick();

    QLabel* lblAlarmTime() const { return FLblAlarmTime; }
    QLabel* lblNextRepeat() const { return FLblNextRepeat; }
    QLineEdit* edtSnoozefor() const { return FEdtSnoozefor; }
    QComboBox* cbxSnoozefor() const { return FCbxSnoozefor; }

protected:
    void FormShow() override;
    void NoteSelected(const TNoteListRow& row) override;

private:
    // A listed reminder, row for row with the grid.
    struct TReminderRow {
        int NoteId = 0;
        int ParentId = 0;
        QDateTime DueTime;
        int RepeatCount = 0;
        int RepeatUnit = 0;
    };

    void CreateReminderControls();
    void ShowSnoozeControls(bool show);
    // No row selected: the time labels and snooze controls hidden.
    void ClearSelectionDetails();
    // The reminder of the selected row; none without a selected note.
    TReminderRow* SelectedReminder();
    // Writes a new due time and shows it in the row.
    void MoveReminder(int row, const QDateTime& dueTime);
    // Brings the preview and the note's own window up to date with the store, and the due list.
    void SyncNote(const TReminderRow& reminder);
    // The snooze amount typed, when it is a whole number above zero.
    std::optional<int> SnoozeAmount() const;

    QList<TReminderRow> FReminders;
    QLabel* FLblMessage = nullptr;
    QLabel* FLblAlarmTime = nullptr;
    QLabel* FLblNextRepeatCap = nullptr;
    QLabel* FLblNextRepeat = nullptr;
    TEKButton* FImgSnoozefor = nullptr;
    QLineEdit* FEdtSnoozefor = nullptr;
    QComboBox* FCbxSnoozefor = nullptr;
};
