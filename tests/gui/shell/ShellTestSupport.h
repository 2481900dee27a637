#pragma once

#include "frmNote.h"
#include "frmUntil.h"
#include "untDB.h"
#include "untNoteDB.h"

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

// One column of a note row as text; empty when there is no such row.
inline QString NoteField(int noteId, const char* column) {
    Dataset dataset;
    QueryIntoParams(QStringLiteral("SELECT ") + QString::fromLatin1(column) +
                        QStringLiteral(" FROM Note WHERE Id=:id"),
                    {{QStringLiteral("id"), noteId}}, dataset);
    return dataset.IsEmpty() ? QString()
                             : dataset.FieldByName(QString::fromLatin1(column)).AsString();
}

// A stored desktop note made through the note store's own insert, as a note window would be.
class StoredNote : public BoundNote {
public:
    StoredNote(const QString& text, const QPoint& position) : FText(text), FPosition(position) {
        FId = NoteDB(this).InsertNote();
    }
    int Id() const { return FId; }
    void Trash() { NoteDB(this).SetState(NoteDB::StateTrashed); }

    int NoteId() const override { return FId; }
    int ParentId() const override { return 0; }
    int NoteColor() const override { return 8454143; }
    int OnTop() const override { return 0; }
    QPoint NotePosition() const override { return FPosition; }
    QSize NoteSize() const override { return {200, 150}; }
    QString PlainText() const override { return FText; }
    QString RtfText() const override { return {}; }

private:
    QString FText;
    QPoint FPosition;
    int FId = 0;
};
