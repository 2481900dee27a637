// SPDX-License-Identifier: GPL-3.0-or-later
#include "untStartup.h"

#include "MainForm.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmLearning.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmSetHotKey.h"
#include "frmSettings.h"
#include "frmUntil.h"
#include "untDailyBackup.h"
#include "untErrorBoundary.h"
#include "untMainHotKeys.h"
#include "untParam.h"
#include "untSchema.h"
#include "untSessionEnd.h"

#include <QApplication>
#include <QSystemTrayIcon>

TVelmarProgram::TVelmarProgram() {
    CreateSchema();
    TfmUntil::Instance();
    FSettings = std::make_unique<TfmSettings>();
    FAbout = std::make_unique<TfmAbout>();
    FMessage = std::make_unique<TfmMessage>();
    SetErrorBox(FMessage.get());
    FHelp = std::make_unique<TfmHelp>();
    FSetHotKey = std::make_unique<TfmSetHotKey>();
    FLearning = std::make_unique<TfmLearning>();
    FMainForm = std::make_unique<TfmMainForm>(*FMessage, *FAbout);
    QObject::connect(FMainForm.get(), &TfmMainForm::ProgramEndRequested, FMainForm.get(),
                     [this] { End(); });
    ConnectMainFormWindows();
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
    QCoreApplication::exit(0);
}

int RunProgram() {
    TVelmarProgram program;
    // Data.db exists from here on: today's copy is made now, a new day's when the date changes.
    TDailyBackup dailyBackup;
    TSessionEnd sessionEnd([] { TfmUntil::Instance().SaveAllModifiedNotes(); });
    program.Start();
    return QApplication::exec();
}
