// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class TDesktopNotifier;
class TSoundPlayer;

// Decides when reminders fall due and signals them: a due check at start and every 30 seconds
// on the UI thread over the due list (the store's "id&NTime&F" entries), the two reminder
// indicators as one shown/hidden state, and the sound that repeats until acknowledged. The
// windows only listen: they mark due notes and show or hide the indicators.
class TReminderScheduler : public QObject {
    Q_OBJECT
public:
    static constexpr int CheckPeriodMs = 30000;
    // The first sound of a signal; the repeats play the ReminderSount setting.
    static constexpr const char* FirstSound = "reminder.wav";

    // `notifier` may be null: no desktop notifications then.
    TReminderScheduler(TSoundPlayer& sound, TDesktopNotifier* notifier, QObject* parent = nullptr);

    // The locked-session test of the repeat ticks; IsWorkstationLocked unless replaced.
    void SetLockTest(std::function<bool()> isLocked);

    // Loads the due list, checks it at once and then every CheckPeriodMs.
    void Start();
    // Rebuilds the due list from the reminder store, every entry unsignalled again; when nothing
    // is due, hides the indicators and stops the repeating sound. Run after every change of a
    // reminder or of a note's trash state.
    void ReloadDueList();
    // Signals every entry that is due by the program clock and not yet signalled.
    void CheckDue();
    // A click on either indicator: hides them and stops the repeating sound. The reminders stay
    // due; they are signalled again after the next ReloadDueList.
    void Acknowledge();
    // One tick of the repeating sound: silent while the session is locked, and the end of the
    // repeat once the IsRepeatSound setting is off.
    void PlaySoundTick();

    const QStringList& DueList() const { return FDueList; }
    // The first note of the due list whose time has come by the program clock; 0 for none.
    int FirstDueNoteId() const;
    bool IndicatorsShown() const { return FIndicatorsShown; }
    bool IsSoundRepeating() const { return FSoundTimer.isActive(); }
    int SoundRepeatIntervalMs() const { return FSoundTimer.interval(); }

signals:
    // Show or hide the notepad's reminder picture and the reminder tray icon.
    void IndicatorsChanged(bool shown);
    // The note's reminder fell due: its window shows the due picture.
    void NoteDue(int noteId);
    // The user asked a note's desktop notification to show the note.
    void ShowNoteRequested(int noteId);

private:
    void SignalDue();
    void NotifyDue(int noteId, const QDateTime& due);
    void SetIndicatorsShown(bool shown);
    void StopIndicators();

    TSoundPlayer& FSound;
    TDesktopNotifier* FNotifier;
    std::function<bool()> FIsLocked;
    QStringList FDueList;
    bool FIndicatorsShown = false;
    // Children of the scheduler, found by name: "timerCheckDue", "timerPlaySound".
    QTimer FCheckTimer;
    QTimer FSoundTimer;
};
