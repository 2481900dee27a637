#include "untStartup.h"

#include "MainForm.h"
#include "frmAbout.h"
#include "frmData.h"
#include "frmHelp.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untDailyBackup.h"
#include "untParam.h"
#include "untSessionEnd.h"
#include "untVelmarApplication.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <exception>

TVelmarProgram::TVelmarProgram() {
    CreateSchema();
    TfmUntil::Instance();
    FAbout = std::make_unique<TfmAbout>();
    FMessage = std::make_unique<TfmMessage>();
    TVelmarApplication::SetErrorBox(FMessage.get());
    FHelp = std::make_unique<TfmHelp>();
    FMainForm = std::make_unique<TfmMainForm>(*FMessage, *FAbout);
    QObject::connect(FMainForm.get(), &TfmMainForm::ProgramEndRequested, FMainForm.get(),
                     [this] { End(); });
}

TVelmarProgram::~TVelmarProgram() {
    TVelmarApplication::SetErrorBox(nullptr);
    // Note windows have no owner widget; they go before the windows they may refer to.
    QList<QPointer<TfmNote>> notes;
    for (const TLNoteinfo& info : TfmUntil::Instance().NoteList())
        notes.append(info.Note);
    for (const QPointer<TfmNote>& note : notes)
        delete note.data();
}

void TVelmarProgram::Start() {
    try {
        ShowNotepadAtStart();
        // The welcome window is offered here (IsShowWelcome) once it exists.
        FMainForm->LoadAtStart();
    } catch (const std::exception& error) {
        TVelmarApplication::ShowError(QString::fromUtf8(error.what()));
    }
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
