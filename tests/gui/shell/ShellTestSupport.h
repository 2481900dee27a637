// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NoteTestSupport.h"
#include "frmNote.h"
#include "frmUntil.h"

#include <QList>
#include <QPointer>
#include <QString>

// The open desktop note windows, in the order they were registered.
inline QList<TfmNote*> OpenNotes() {
    QList<TfmNote*> notes;
    for (const TLNoteinfo& info : TfmUntil::Instance().NoteList())
        if (info.Note)
            notes.append(info.Note);
    return notes;
}

// Closes every registered note window and empties the registry, so tests do not meet each
// other's notes.
inline void DiscardOpenNotes() {
    QList<int> ids;
    QList<QPointer<TfmNote>> windows;
    for (const TLNoteinfo& info : TfmUntil::Instance().NoteList()) {
        ids.append(info.NoteId);
        windows.append(info.Note);
    }
    for (const int id : ids)
        TfmUntil::Instance().UnregisterNote(id);
    for (const QPointer<TfmNote>& window : windows)
        delete window.data();
}
