// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmTrashList.h"

#include "EKButton.h"
#include "frmUntil.h"
#include "untDB.h"
#include "untNoteDB.h"
#include "untNoteListModel.h"

namespace {

const TListWindowLayout Layout{"fmTrashList",
                               QStringLiteral("Trash List"),
                               QSize(488, 321),
                               QStringLiteral("trashlist_bg"),
                               TfmTrashList::HelpTopic,
                               415,
                               450};

} // namespace

TfmTrashList::TfmTrashList(TfmMessage& message) : TListWindow(Layout, message) {
    CreateGrid(this, {18, 94, 452, 147}, {452});
    connect(CreateButton(this, "imgClearNote", {35, 249, 88, 24}, QStringLiteral("ClearNote")),
            &TEKButton::OnClick, this, [this] { Guarded([this] { imgClearNoteClick(); }); });
    connect(CreateButton(this, "imgRestoreNote", {128, 249, 88, 24}, QStringLiteral("RestoreNote")),
            &TEKButton::OnClick, this, [this] { Guarded([this] { imgRestoreNoteClick(); }); });
    connect(
        CreateButton(this, "imgClearAllNote", {35, 279, 181, 24}, QStringLiteral("ClearAllNote")),
        &TEKButton::OnClick, this, [this] { Guarded([this] { imgClearAllNoteClick(); }); });
    CreatePreviewMarker(this, {260, 247});
}

void TfmTrashList::FormShow() {
    Guarded([this] { Fill(); });
}

int TfmTrashList::Fill() {
    Dataset trash;
    NoteDB::ListTrash(trash);
    Model().SetRows(NoteTextRows(trash));
    return Model().NoteCount();
}

void TfmTrashList::imgClearNoteClick() {
    const TNoteListRow* row = SelectedNote();
    if (!row ||
        !Confirm(QStringLiteral("Delete Note"),
                 QStringLiteral("Will delete selected note from the Trash,It cannot be restore."),
                 true, 1))
        return;
    NoteDB::DeleteNote(row->NoteId);
    HidePreview();
    Fill();
}

void TfmTrashList::imgRestoreNoteClick() {
    const TNoteListRow* row = SelectedNote();
    if (!row || !Confirm(QStringLiteral("Restore Note"),
                         QStringLiteral("Will restore selected note from the Trash."), true, 1))
        return;
    const TNoteListRow restored = *row;
    NoteDB::SetState(restored.NoteId, NoteState::Shown);
    if (restored.ParentId == 0) {
        TfmUntil::Instance().OpenNoteById(restored.NoteId);
    } else {
        if (MemoboardHooks().OpenRestoredNote)
            MemoboardHooks().OpenRestoredNote(restored.NoteId, restored.ParentId);
        TfmUntil::Instance().ReloadDueList();
    }
    HidePreview();
    Fill();
}

void TfmTrashList::imgClearAllNoteClick() {
    if (!Confirm(QStringLiteral("Empty Trash"),
                 QStringLiteral("Will empty all notes from the Trash,It cannot be restore."), true,
                 1))
        return;
    NoteDB::EmptyTrash();
    HidePreview();
    Fill();
}
