// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMemoboardData.h"

#include "frmAddMemoboard.h"
#include "frmMemoboard.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmNoteMinimize.h"
#include "frmUntil.h"
#include "untBusyCursor.h"
#include "untErrorBoundary.h"
#include "untFileChooser.h"
#include "untMemoboardBackground.h"
#include "untNoteDB.h"
#include "untNoteShake.h"
#include "untTabExV2.h"
#include "untTabPage.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcMemoboards, "velmar.memoboards")

// The memoboard a tab row belongs to; 0 when there is no such tab.
int MemoboardOfTab(int tabId) {
    Dataset row;
    MemoboardDB::GetMemoboardRow(tabId, row);
    return row.IsEmpty() ? 0 : int(row.FieldByName(QStringLiteral("ParentId")).AsInteger());
}

// Restores, raises and activates an open window.
void BringForward(TfmMemoboard& window) {
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace

TfmMemoboardData& TfmMemoboardData::Instance() {
    static TfmMemoboardData instance;
    return instance;
}

TfmMemoboardData::TfmMemoboardData() {
    connect(&TfmUntil::Instance(), &TfmUntil::NoteMovedToTab, this, [this](int noteId, int tabId) {
        RunGuarded([this, noteId, tabId] { NoteMovedToTab(noteId, tabId); });
    });
}

TfmMemoboard* TfmMemoboardData::FindMemoboardWindow(int memoboardId) const {
    for (const TLMemoboardinfo& info : FMemoboardList)
        if (info.MemoboardId == memoboardId && info.Window)
            return info.Window;
    return nullptr;
}

void TfmMemoboardData::UnregisterMemoboard(int memoboardId) {
    for (qsizetype i = 0; i < FMemoboardList.size(); ++i) {
        if (FMemoboardList[i].MemoboardId == memoboardId) {
            FMemoboardList.removeAt(i);
            return;
        }
    }
}

void TfmMemoboardData::SetMemoboardCaption(int memoboardId, const QString& caption) {
    for (TLMemoboardinfo& info : FMemoboardList)
        if (info.MemoboardId == memoboardId)
            info.Caption = caption;
}

TfmMemoboard* TfmMemoboardData::CreateWindow(int memoboardId, int tabId) {
    auto* window = new TfmMemoboard(memoboardId, tabId);
    window->SetMessageBox(FMessage);
    connect(window, &TfmMemoboard::OpenMemoboardRequested, this, [this](int memoboard, int tab) {
        RunGuarded([this, memoboard, tab] { OpenMemoboard(memoboard, tab); });
    });
    connect(window, &TfmMemoboard::MoveTabRequested, this,
            [this](int memoboard, const TTabInfo& tab) {
                RunGuarded([this, memoboard, tab] { OpenMemoboardWithTab(memoboard, tab); });
            });
    connect(window, &TfmMemoboard::NewMemoboardRequested, this,
            [this] { RunGuarded([this] { NewMemoboardDialog(); }); });
    connect(window, &TfmMemoboard::ImportRequested, this, [this, window] { ImportDialog(window); });
    connect(window, &TfmMemoboard::CaptionChanged, this, &TfmMemoboardData::SetMemoboardCaption);
    connect(window, &TfmMemoboard::Closed, this, &TfmMemoboardData::UnregisterMemoboard);
    connect(window, &TfmMemoboard::HelpRequested, this, &TfmMemoboardData::HelpRequested);
    connect(window, &TfmMemoboard::TrashListRequested, this, &TfmMemoboardData::TrashListRequested);
    connect(window, &TfmMemoboard::FindNotesRequested, this, &TfmMemoboardData::FindNotesRequested);
    connect(window, &TfmMemoboard::ReminderListRequested, this,
            &TfmMemoboardData::ReminderListRequested);
    FMemoboardList.append({memoboardId, window, {}});
    window->show();
    SetMemoboardCaption(memoboardId, window->Caption());
    return window;
}

TfmMemoboard* TfmMemoboardData::OpenMemoboard(int memoboardId, int tabId) {
    if (TfmMemoboard* window = FindMemoboardWindow(memoboardId)) {
        BringForward(*window);
        if (window->CurrentTabId() != tabId && window->TabEx())
            window->TabEx()->ActivateTabById(tabId);
        return window;
    }
    return CreateWindow(memoboardId, tabId);
}

TfmMemoboard* TfmMemoboardData::OpenMemoboardWithTab(int memoboardId, const TTabInfo& tab) {
    if (TfmMemoboard* window = FindMemoboardWindow(memoboardId)) {
        BringForward(*window);
        window->ShowMovedTab(tab);
        return window;
    }
    return CreateWindow(memoboardId, tab.Id);
}

void TfmMemoboardData::SetCurrentNote(TfmNote* note) {
    if (!note)
        return;
    if (auto* window = qobject_cast<TfmMemoboard*>(note->window()))
        window->SetCurrentNote(note);
}

void TfmMemoboardData::DeactivateNote(TfmNote* note) {
    TfmMemoboard::DeactivateNote(note);
}

TfmNote* TfmMemoboardData::LoadNoteOnTab(int noteId, TfmMemoboard& memoboard, QWidget* box) {
    TfmNote* note = TfmUntil::Instance().OpenNote(noteId, &memoboard, box);
    if (note) {
        memoboard.AdoptNote(note);
        TfmMemoboard::DeactivateNote(note);
    }
    TfmUntil::Instance().ReloadDueList();
    return note;
}

void TfmMemoboardData::NoteMovedToTab(int noteId, int tabId) {
    TfmMemoboard* window = FindMemoboardWindow(MemoboardOfTab(tabId));
    if (!window || !window->TabEx())
        return;
    BringForward(*window);
    if (window->CurrentTabId() != tabId)
        window->TabEx()->ActivateTabById(tabId);
    if (TTabPage* page = window->PageOfTab(tabId))
        LoadNoteOnTab(noteId, *window, page->Box());
}

TfmNote* TfmMemoboardData::FindOpenNote(int noteId, int tabId) const {
    TfmMemoboard* window = FindMemoboardWindow(MemoboardOfTab(tabId));
    return window ? window->FindNoteWindow(noteId) : nullptr;
}

void TfmMemoboardData::ShowNoteOnMemoboard(int noteId) {
    const std::optional<NoteRecord> note = NoteDB::ReadNote(noteId);
    if (!note || note->parentId == 0)
        return;
    const int memoboardId = MemoboardOfTab(note->parentId);
    if (memoboardId == 0)
        return;
    OpenMemoboard(memoboardId, note->parentId);
    TfmMemoboard* window = FindMemoboardWindow(memoboardId);
    TfmNote* shown = window ? window->NoteWindowNow(noteId) : nullptr;
    if (!shown || shown->State() == NoteState::Trashed || note->state == NoteState::Trashed)
        return;
    if (shown->State() == NoteState::Minimized)
        shown->Restore();
    else if (!shown->isVisible())
        shown->show();
    window->SetCurrentNote(shown);
    shown->raise();
    ShakeNote(*shown, [this, noteId] { emit NoteShown(noteId); });
}

QPixmap TfmMemoboardData::LoadDefaultBackground() {
    return MemoboardBackground::Default();
}

QPixmap TfmMemoboardData::LoadBackground(const QString& path) {
    return MemoboardBackground::Load(path);
}

void TfmMemoboardData::NewMemoboardDialog() {
    TfmAddMemoboard dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TNewMemoboard created = dialog.Created();
    if (created.MemoboardId != 0)
        OpenMemoboard(created.MemoboardId, created.TabId);
}

void TfmMemoboardData::ImportDialog(QWidget* parent) {
    const QString file = FileChooser::ChooseOpenFile(parent, QStringLiteral("Import Memoboard"), {},
                                                     QStringLiteral("velmarnote file (*.mbir)"));
    if (!file.isEmpty())
        RunGuarded([this, &file] { ImportFile(file); });
}

TExchangeResult TfmMemoboardData::ImportFile(const QString& fileName) {
    TExchangeResult result;
    {
        const TBusyCursor busy(Qt::WaitCursor);
        result = ImportMemoboard(fileName);
    }
    if (result.Ok) {
        OpenMemoboard(result.MemoboardId, result.TabId);
        return result;
    }
    qCWarning(lcMemoboards) << "import of" << fileName << "failed:" << result.Error;
    if (FMessage) {
        FMessage->SetTitle(QStringLiteral("Velmar Notes"));
        FMessage->SetMessage(QStringLiteral("The memoboard could not be imported: ") +
                             result.Error);
        FMessage->SetShowCancel(false);
        FMessage->SetLineCount(2);
        FMessage->exec();
    }
    return result;
}
