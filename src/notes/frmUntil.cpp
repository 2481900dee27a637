// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmUntil.h"

#include "frmEditor.h"
#include "frmNote.h"
#include "frmNoteMinimize.h"
#include "untErrorBoundary.h"
#include "untNoteLoader.h"
#include "untNoteShake.h"

TfmUntil& TfmUntil::Instance() {
    static TfmUntil instance;
    return instance;
}

QList<TfmNote*> TfmUntil::LoadNotes(int orderCode, QWidget* memoboard, int parentId,
                                    QWidget* container) {
    const QList<TfmNote*> notes =
        ::LoadNotes(orderCode, memoboard, parentId, container, FShowAllNotes);
    for (TfmNote* note : notes)
        Adopt(note, memoboard);
    return notes;
}

TfmNote* TfmUntil::OpenListedNote(const NoteRecord& row, QWidget* memoboard, QWidget* container) {
    TfmNote* note = ::OpenListedNote(row, memoboard, container, FShowAllNotes);
    Adopt(note, memoboard);
    return note;
}

TfmNote* TfmUntil::OpenNote(int noteId, QWidget* memoboard, QWidget* container) {
    TfmNote* note = ::OpenNote(noteId, memoboard, container);
    if (note)
        Adopt(note, memoboard);
    return note;
}

void TfmUntil::Adopt(TfmNote* note, QWidget* memoboard) {
    if (memoboard)
        Attach(note);
    else
        RegisterNote(note->NoteId(), note);
}

void TfmUntil::ReloadNote(TfmNote& note) {
    ::ReloadNote(note);
}

void TfmUntil::RegisterNote(int noteId, TfmNote* note) {
    FNoteList.append({noteId, note});
    Attach(note);
}

void TfmUntil::Attach(TfmNote* note) {
    connect(note, &TfmNote::UnregisterRequested, this, &TfmUntil::UnregisterNote,
            Qt::UniqueConnection);
    connect(note, &TfmNote::ReopenRequested, this, &TfmUntil::ReopenNote, Qt::UniqueConnection);
    connect(note, &TfmNote::DueListChanged, this, &TfmUntil::RefreshDueList, Qt::UniqueConnection);
    connect(note, &TfmNote::MovedToTab, this, &TfmUntil::NoteMovedToTab, Qt::UniqueConnection);
    connect(note, &TfmNote::ReminderRequested, this, &TfmUntil::NoteReminderRequested,
            Qt::UniqueConnection);
    connect(note, &TfmNote::EditRequested, this, &TfmUntil::EditNote, Qt::UniqueConnection);
}

void TfmUntil::EditNote() {
    auto* note = qobject_cast<TfmNote*>(sender());
    if (FEditor && note)
        FEditor->ToggleFor(note);
}

TfmEditor* TfmUntil::Editor() const {
    return FEditor;
}

void TfmUntil::SetEditor(TfmEditor* editor) {
    if (FEditor)
        disconnect(FEditor, nullptr, this, nullptr);
    FEditor = editor;
    if (editor)
        connect(editor, &TfmEditor::DueListChanged, this, &TfmUntil::RefreshDueList);
}

void TfmUntil::ReopenNote(int noteId) {
    RunGuarded([this, noteId] { OpenNoteById(noteId); });
}

void TfmUntil::RefreshDueList() {
    RunGuarded([this] { ReloadDueList(); });
}

void TfmUntil::NoteReminderRequested() {
    if (auto* note = qobject_cast<TfmNote*>(sender()))
        emit ReminderRequested(note);
}

TfmNote* TfmUntil::FindNoteWindow(int noteId) const {
    for (const TLNoteinfo& info : FNoteList)
        if (info.NoteId == noteId)
            return info.Note;
    return nullptr;
}

void TfmUntil::UnregisterNote(int noteId) {
    for (qsizetype i = 0; i < FNoteList.size(); ++i) {
        if (FNoteList[i].NoteId == noteId) {
            FNoteList.removeAt(i);
            return;
        }
    }
}

void TfmUntil::OpenNoteById(int noteId) {
    OpenNote(noteId, nullptr, nullptr);
    ReloadDueList();
}

void TfmUntil::FlashNote(int noteId) {
    TfmNote* note = FindNoteWindow(noteId);
    if (!note || note->State() == NoteState::Trashed)
        return;
    if (note->State() == NoteState::Minimized)
        note->Restore();
    else if (!note->isVisible())
        note->show();
    note->SetState(NoteState::Shown);
    note->raise();
    ShakeNote(*note, [this, noteId] { emit FlashFinished(noteId); });
}

void TfmUntil::ShowAllNotes() {
    for (const TLNoteinfo& info : FNoteList) {
        TfmNote* note = info.Note;
        if (!note)
            continue;
        if (note->isHidden() && note->State() == NoteState::Shown)
            note->show();
        else if (note->State() == NoteState::Minimized)
            note->Tile()->show();
    }
}

void TfmUntil::HideAllNotes() {
    for (const TLNoteinfo& info : FNoteList) {
        TfmNote* note = info.Note;
        if (!note)
            continue;
        if (note->isVisible() && note->State() == NoteState::Shown)
            note->hide();
        else if (note->State() == NoteState::Minimized)
            note->Tile()->hide();
    }
}

void TfmUntil::ReloadDueList() {
    if (FDueListReload)
        FDueListReload();
}

void TfmUntil::SetDueListReload(std::function<void()> reload) {
    FDueListReload = std::move(reload);
}

void TfmUntil::SaveAllModifiedNotes() {
    for (const TLNoteinfo& info : FNoteList)
        if (info.Note)
            info.Note->SaveIfModified();
}
