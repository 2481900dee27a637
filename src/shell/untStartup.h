// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untDatabaseCheck.h"

#include <memory>

class TfmAbout;
class TfmEditor;
class TfmHelp;
class TfmLearning;
class TfmMainForm;
class TfmMessage;
class TfmSetHotKey;
class TfmSettings;
class TStorageNotices;
class TProgramReminders;

// The long-lived objects of the running program, created once in their fixed order: the
// database (made when missing, put aside when it cannot be read), the open-window registry, the
// settings dialog (whose defaults new notes read), the About dialog, the message box (also the
// default error handler's), the help window, the hot-key dialogs, the welcome window, the note
// editor palette, the reminders (scheduler and set-reminder panel) and last the main window,
// which registers the global hot keys.
class TVelmarProgram {
public:
    TVelmarProgram();
    ~TVelmarProgram();
    TVelmarProgram(const TVelmarProgram&) = delete;
    TVelmarProgram& operator=(const TVelmarProgram&) = delete;

    // The rest of the start: shows or hides the notepad by NotepadDisply, shows the welcome
    // window while IsShowWelcome is set and runs LoadAtStart.
    // An error on the way goes to the default error handler and the start goes on.
    void Start();
    // The program's end: saves every changed note, hides the tray icons and ends the event loop
    // with exit code 0.
    void End();

    TfmMainForm& MainForm() { return *FMainForm; }
    TfmMessage& Message() { return *FMessage; }
    const TDatabaseStart& DatabaseStart() const { return FDatabaseStart; }
    TStorageNotices& Notices() { return *FNotices; }
    TfmSettings& Settings() { return *FSettings; }
    TfmSetHotKey& SetHotKey() { return *FSetHotKey; }
    TfmLearning& Learning() { return *FLearning; }

private:
    void ShowNotepadAtStart();
    void ConnectAcrossFolders();
    void ConnectMainFormWindows();
    void ShowWelcome();

    std::unique_ptr<TfmSettings> FSettings;
    std::unique_ptr<TfmAbout> FAbout;
    TDatabaseStart FDatabaseStart;
    std::unique_ptr<TfmMessage> FMessage;
    std::unique_ptr<TStorageNotices> FNotices;
    std::unique_ptr<TfmHelp> FHelp;
    std::unique_ptr<TfmSetHotKey> FSetHotKey;
    std::unique_ptr<TfmLearning> FLearning;
    std::unique_ptr<TfmEditor> FEditor;
    std::unique_ptr<TProgramReminders> FReminders;
    std::unique_ptr<TfmMainForm> FMainForm;
};

// Runs the program in an existing application object until it ends; answers the exit code.
int RunProgram();
