// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untNoteCascade.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

class QAction;
class QMenu;
class QSystemTrayIcon;
class TEKButton;
class TfmAbout;
class TfmAlarmList;
class TfmFindNotes;
class TfmTrashList;
class TListWindow;
class TfmMessage;
class TReminderScheduler;
class TMainHotKeys;
class TSkinImage;

// The main window, the "notepad": an 84×61 skinned picture at the bottom right of the work area
// with an add button and a menu button, together with the tray icon MFtray. Both offer the main
// popup menu pmenuMain. It creates new desktop notes (cascading them), keeps the show-all and
// stay-on-top choices, loads the desktop notes at start and asks for the program's end (Exit,
// close).
class TfmMainForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int FormWidth = 84;
    static constexpr int FormHeight = 61;

    // Note kinds of NewNote.
    enum NoteKind { DefaultKind = 0, DateTimeKind = 1, OnTopKind = 2, RandomColorKind = 3 };

    TfmMainForm(TfmMessage& message, TfmAbout& about);
    ~TfmMainForm() override;

    // Creates a desktop note of the kind at the next cascade place, inserts its row and
    // registers its window.
    void NewNote(int kind);
    // Run once by start-up: the tray icon, every desktop note, the reminders.
    void LoadAtStart();
    // imgReminder and trayicnReminder show while the scheduler signals due reminders; a click
    // on either acknowledges them and runs acReminderList. LoadAtStart starts the scheduler.
    void AttachReminderScheduler(TReminderScheduler& scheduler);
    void ShowTrayIconAtStart();
    void SetNotepadOnTop(bool on);
    // The settings' notepad display, at once: 1 the notepad and the tray icon, 2 the notepad
    // only, 3 the tray icon only.
    void ApplyNotepadDisplay(int display);
    // Ticks Show All or Hide All by FShowAllNotes and stores the choice.
    void UpdateShowHideMarks();
    // Opens the reminder list (the Reminder List entry, the reminder indicators) and, when the
    // note is listed, selects it; an empty list shows its message instead.
    void ShowReminderList(int noteId);

    // Test seam: the screen and work area the window acts on (normally the primary screen's);
    // the cascade starts again from this screen.
    void SetScreenForTest(const QRect& screen, const QRect& workArea);

    QMenu* pmenuMain() const { return FPmenuMain; }
    QSystemTrayIcon* MFtray() const { return FMFtray; }
    QSystemTrayIcon* trayicnReminder() const { return FTrayicnReminder; }
    bool ShowAllNotesChoice() const { return FShowAllNotes; }
    TMainHotKeys& HotKeys() { return *FHotKeys; }

signals:
    // Exit or a close of this window: the program is to end (the owner window closes).
    void ProgramEndRequested();
    // Tools, "Settings": the settings dialog is to be shown.
    void SettingsRequested();
    // Tools, "Hot Keys Settings": the hot-key dialog is to be shown.
    void HotKeysSettingsRequested();
    // Help, "Show Welcome Window".
    void WelcomeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateTrayIcons();
    void CreateActions();
    void CreateMenu();
    QAction* NewAction(const char* name, const QString& caption);
    QMenu* NewSubmenu(const char* name, const QString& caption, int tag);
    void FormShow();
    void RebuildMemoboardMenu();
    // NewNote from a button, the tray or a menu entry, inside the error boundary.
    void GuardedNewNote(int kind);
    void ShowReminderIndicators(bool shown);
    void ReminderIndicatorClick();
    int DefaultNoteKind() const;
    QRect ScreenGeometry() const;
    QRect WorkArea() const;

    template <typename Window> Window* ListWindow(QPointer<Window>& window);
    static void ShowListWindow(TListWindow& window);
    void ShowFilledList(TListWindow& window, int count, const QString& emptyMessage, int lines);
    void acFindnotesExecute();
    void acTrashListExecute();
    void ekbtnShowMenuClick();
    void acAlwaysOnTopExecute();
    void acShowAllNotesExecute();
    void acHideAllNotesExecute();
    void acHideMainExecute();
    void acHelpExecute();
    void acAboutExecute();
    void acExitExecute();

    TfmMessage& FMessage;
    TfmAbout& FAbout;

    TSkinImage* FImgMain;
    TEKButton* FEkbtnAddNew;
    TEKButton* FEkbtnShowMenu;
    TEKButton* FImgReminder;
    QSystemTrayIcon* FMFtray;
    QSystemTrayIcon* FTrayicnReminder;
    QMenu* FPmenuMain;
    QMenu* FMemoboardMenu = nullptr;
    TReminderScheduler* FScheduler = nullptr;
    TMainHotKeys* FHotKeys = nullptr;

    QAction* FAcAlwaysOnTop = nullptr;
    QAction* FAcShowAllNotes = nullptr;
    QAction* FAcHideAllNotes = nullptr;
    QAction* FAcHideMain = nullptr;

    QPointer<TfmFindNotes> FFindForm;
    QPointer<TfmAlarmList> FReminderListForm;
    QPointer<TfmTrashList> FTrashListForm;

    QRect FScreenOverride;
    QRect FWorkAreaOverride;
    TNoteCascade FCascade;
    bool FPlaced = false;
    bool FShowAllNotes = true;
};
