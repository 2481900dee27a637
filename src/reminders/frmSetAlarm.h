// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QPointer>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLineEdit;
class QTimeEdit;
class TEKButton;
class TfmMessage;
class TfmNote;
class TSkinImage;

// "Set Reminder": the 440 × 281 panel in which the user sets, repeats, snoozes or clears the
// reminder of one note. It stands beside its note (right of it when the screen has room, else
// left), slides in and out, is not modal, and writes the reminder when OK or its close button
// closes it; every other way of hiding it (the note's reminder icon again, the note hidden,
// minimised, trashed or moved, another note activated) discards the edits.
//
// What is stored is the date picker's value: its date, with the time of day the time picker
// last gave it. A repeat count or snooze amount that is not a whole number above 0 is refused
// with a message, and nothing is written; a new reminder's due time is written before the note
// is marked as having one.
class TfmSetAlarm : public QWidget {
    Q_OBJECT
public:
    static constexpr int FormWidth = 440;
    static constexpr int FormHeight = 281;
    static constexpr int NoteGap = 2;

    explicit TfmSetAlarm(TfmMessage& message, QWidget* parent = nullptr);
    ~TfmSetAlarm() override;

    // The note's reminder icon (and the editor's reminder controls): opens for the note, or,
    // when already shown for it, hides without saving.
    void ToggleFor(TfmNote* note);
    // Opens for the note beside it, filled from the note's reminder fields.
    void OpenFor(TfmNote* note);
    // Hides without writing anything.
    void Discard();
    // OK and the close button: writes the reminder when something changed, then hides. Stays
    // open, writing nothing, when a number field is refused.
    void CloseAndSave();

    TfmNote* Note() const;
    bool IsModified() const { return FModified; }
    // The value that is stored: the date picker's date with its time of day.
    const QDateTime& DueValue() const { return FDue; }

signals:
    // The note's reminder was written (the editor palette shows it again).
    void ReminderSaved(TfmNote* note);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateStatusGroup();
    void CreateDateTimeGroup();
    void CreateRepeatGroup();
    void FormShow();
    void PlaceBesideNote();
    void SlideIn();
    void SlideOut();
    void Follow(TfmNote* note);
    void Forget();
    void NoteActivated(QWidget* now);

    void SetDue(const QDateTime& due);
    void SetSnoozeControlsVisible(bool visible);
    void SetRepeatControlsEnabled(bool enabled);
    void UpdateStatus();
    // The amount in a number field, or none after telling the user why it is refused.
    std::optional<int> ReadAmount(QLineEdit* field, const QString& what);
    int SelectedRepeatUnit() const;
    bool NoteRepeats() const;
    // Writes the reminder; `repeatCount` is the read repeat amount when Repeat Every is on.
    void Save(int repeatCount);

    void dtpkDateChange();
    void dtpkTimeChange();
    void ckbxRepeatClick(bool checked);
    void ckbxSetAlarmClick(bool checked);
    void imgSnoozeforClick();
    void imgClearAlarmClick();

    TfmMessage& FMessage;
    TEKButton* FImgClose;
    TEKButton* FImgOK;
    QFrame* FSheStatus;
    TSkinImage* FImgStatus;
    QCheckBox* FCkbxSetAlarm;
    TEKButton* FImgSnoozefor;
    QLineEdit* FEdtSnoozefor;
    QComboBox* FCbxSnoozefor;
    TEKButton* FImgClearAlarm;
    QDateEdit* FDtpkDate;
    QTimeEdit* FDtpkTime;
    QCheckBox* FCkbxRepeat;
    QLineEdit* FEdtNumber;
    QComboBox* FCbxRepeat;

    QPointer<TfmNote> FNote;
    QDateTime FDue;
    bool FPlacedRight = true;
    bool FModified = false;
    bool FSliding = false;
    // Dropped first on destruction: the focus can still move while the widget goes.
    QMetaObject::Connection FFocusChanged;
};
