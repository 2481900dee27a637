// SPDX-License-Identifier: GPL-3.0-or-later
#include "untStartup.h"

#include "MainForm.h"
#include "frmAbout.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include "frmLearning.h"
#include "frmMemoboardData.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmSetAlarm.h"
#include "frmSetHotKey.h"
#include "frmSettings.h"
#include "frmUntil.h"
#include "untDailyBackup.h"
#include "untErrorBoundary.h"
#include "untListWindow.h"
#include "untMainHotKeys.h"
#include "untParam.h"
#include "untProgramReminders.h"
#include "untSessionEnd.h"
#include "untStorageNotices.h"

#include <QAction>
#include <QApplication>
#include <QSystemTrayIcon>
#include <QTimer>

TVelmarProgram::TVelmarProgram() : FDatabaseStart(PrepareDatabase()) {
    TfmUntil::Instance();
    FSettings = std::make_unique<TfmSettings>();
    FAbout = std::make_unique<TfmAbout>();
    FMessage = std::make_unique<TfmMessage>();
    SetErrorBox(FMessage.get());
    FNotices = std::make_unique<TStorageNotices>(*FMessage);
    FNotices->TellStart(FDatabaseStart);
    FHelp = std::make_unique<TfmHelp>();
    FSetHotKey = std::make_unique<TfmSetHotKey>();
    FLearning = std::make_unique<TfmLearning>();
    FEditor = std::make_unique<TfmEditor>();
    TfmUntil::Instance().SetEditor(FEditor.get());
    FReminders = std::make_unique<TProgramReminders>(*FMessage);
    FMainForm = std::make_unique<TfmMainForm>(*FMessage, *FAbout);
    FMainForm->AttachReminderScheduler(FReminders->Scheduler());
    QObject::connect(FMainForm.get(), &TfmMainForm::ProgramEndRequested, FMainForm.get(),
                     [this] { End(); });
    ConnectMainFormWindows();
    ConnectAcrossFolders();
}

// What windows of different folders ask of each other: the palette's reminder entries open the
// set-reminder panel, the list windows reach memoboard notes, and the memoboard window's tools
// open the list windows.
void TVelmarProgram::ConnectAcrossFolders() {
    TfmSetAlarm& setAlarm = FReminders->SetAlarm();
    QObject::connect(FEditor.get(), &TfmEditor::SetReminderRequested, &setAlarm,
                     [&setAlarm](TfmNote* note) { RunGuarded([&] { setAlarm.OpenFor(note); }); });
    QObject::connect(&setAlarm, &TfmSetAlarm::ReminderSaved, FEditor.get(),
                     [this] { FEditor->ShowReminderInfo(); });

    TfmMemoboardData& memoboards = TfmMemoboardData::Instance();
    TListWindow::SetMemoboardHooks({
        .ShowNoteOnMemoboard = [&memoboards](int noteId,
                                             int) { memoboards.ShowNoteOnMemoboard(noteId); },
        .FindNoteOnMemoboard =
            [&memoboards](int noteId, int tabId) { return memoboards.FindOpenNote(noteId, tabId); },
        .OpenRestoredNote = [&memoboards](int noteId,
                                          int tabId) { memoboards.NoteMovedToTab(noteId, tabId); },
    });
    TfmMainForm* mainForm = FMainForm.get();
    const auto trigger = [mainForm](const char* action) {
        return [mainForm, action] {
            mainForm->findChild<QAction*>(QString::fromLatin1(action), Qt::FindDirectChildrenOnly)
                ->trigger();
        };
    };
    QObject::connect(&memoboards, &TfmMemoboardData::TrashListRequested, mainForm,
                     trigger("acTrashList"));
    QObject::connect(&memoboards, &TfmMemoboardData::FindNotesRequested, mainForm,
                     trigger("acFindnotes"));
    QObject::connect(&memoboards, &TfmMemoboardData::ReminderListRequested, mainForm,
                     trigger("acReminderList"));
}

// The main window's menu entries that open the dialogs start-up owns, and what those dialogs
// change in the main window.
void TVelmarProgram::ConnectMainFormWindows() {
    TfmMainForm* mainForm = FMainForm.get();
    QObject::connect(mainForm, &TfmMainForm::SettingsRequested, FSettings.get(),
                     &TfmSettings::exec);
    QObject::connect(FSettings.get(), &TfmSettings::NotepadDisplayChanged, mainForm,
                     &TfmMainForm::ApplyNotepadDisplay);
    QObject::connect(FSettings.get(), &TfmSettings::HelpRequested, FSettings.get(), &ShowHelp);

    TMainHotKeys& hotKeys = mainForm->HotKeys();
    FSetHotKey->SetHotKeysAvailable(hotKeys.IsAvailable());
    FSetHotKey->SetNotTaken(hotKeys.Registration().NotTaken);
    FSetHotKey->SetReregister([&hotKeys] {
        hotKeys.UnregisterHotKeys();
        return hotKeys.RegisterHotKeys();
    });
    QObject::connect(mainForm, &TfmMainForm::HotKeysSettingsRequested, FSetHotKey.get(),
                     &TfmSetHotKey::exec);

    QObject::connect(mainForm, &TfmMainForm::WelcomeRequested, FLearning.get(),
                     [this] { ShowWelcome(); });
}

void TVelmarProgram::ShowWelcome() {
    FLearning->show();
    FLearning->raise();
    FLearning->activateWindow();
}

TVelmarProgram::~TVelmarProgram() {
    SetErrorBox(nullptr);
    // Note windows have no owner widget; they go before the windows they may refer to.
    QList<QPointer<TfmNote>> notes;
    for (const TLNoteinfo& info : TfmUntil::Instance().NoteList())
        notes.append(info.Note);
    for (const QPointer<TfmNote>& note : notes)
        delete note.data();
}

void TVelmarProgram::Start() {
    RunGuarded([this] {
        ShowNotepadAtStart();
        if (ReadSetting(SysConfig::IsShowWelcome))
            ShowWelcome();
        FMainForm->LoadAtStart();
    });
}

void TVelmarProgram::ShowNotepadAtStart() {
    switch (ReadSetting(SysConfig::NotepadDisply)) {
    case 1:
    case 2:
        FMainForm->show();
        break;
    case 3:
        // Shown once so that its placement and stored choices apply, then hidden.
        FMainForm->show();
        FMainForm->hide();
        break;
    default:
        break;
    }
}

void TVelmarProgram::End() {
    TfmUntil::Instance().SaveAllModifiedNotes();
    FMainForm->MFtray()->hide();
    FMainForm->trayicnReminder()->hide();
    QCoreApplication::exit(0);
}

int RunProgram() {
    TVelmarProgram program;
    // Data.db exists from here on: today's copy is made now, a new day's when the date changes.
    TDailyBackup dailyBackup;
    TSessionEnd sessionEnd([] { TfmUntil::Instance().SaveAllModifiedNotes(); });
    // The rest of the start runs inside the event loop, so that a message it shows is a loop
    // nested in it and an end signal can always end the program.
    QTimer::singleShot(0, &program.MainForm(), [&program] { program.Start(); });
    return QApplication::exec();
}
