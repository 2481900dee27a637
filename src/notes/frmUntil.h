// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class TfmEditor;
class TfmNote;
struct NoteRecord;

// One open desktop note window. The record never owns the window.
struct TLNoteinfo {
    int NoteId;
    QPointer<TfmNote> Note;
};

// The registry of open desktop note windows: any window can find, raise, show, hide or forget a
// note's window through it without asking the database. It alone opens note windows from the
// store (the loaders) and answers what a note window asks for by its signals: to be forgotten,
// to open again on the desktop, a fresh due list, the set-reminder dialog.
class TfmUntil : public QObject {
    Q_OBJECT
public:
    static TfmUntil& Instance();

    // The main window's show-all choice: desktop notes load hidden without it.
    bool ShowAllNotesChoice() const { return FShowAllNotes; }
    void SetShowAllNotesChoice(bool showAll) { FShowAllNotes = showAll; }

    // Opens the windows of a parent's notes (LoadNotes in untNoteLoader.h); the desktop ones
    // are registered. Answers the windows opened.
    QList<TfmNote*> LoadNotes(int orderCode, QWidget* memoboard, int parentId, QWidget* container);
    // Opens the window of one listed row (OpenListedNote in untNoteLoader.h) and takes it in as
    // LoadNotes takes each.
    TfmNote* OpenListedNote(const NoteRecord& row, QWidget* memoboard, QWidget* container);
    // Opens one note's window (OpenNote in untNoteLoader.h), registered when it is a desktop
    // note; none when there is no such row.
    TfmNote* OpenNote(int noteId, QWidget* memoboard, QWidget* container);
    // Reads a note's stored values again into its window.
    void ReloadNote(TfmNote& note);

    // Records the window under the id and answers its requests.
    void RegisterNote(int noteId, TfmNote* note);
    // Answers the requests of a window this registry does not record (a new memoboard note).
    void Attach(TfmNote* note);
    // The window of the first record with that id, or none.
    TfmNote* FindNoteWindow(int noteId) const;
    // Forgets the first record with that id, if any.
    void UnregisterNote(int noteId);
    const QList<TLNoteinfo>& NoteList() const { return FNoteList; }

    // Opens the note as a desktop note (from the trash, or back from a memoboard).
    void OpenNoteById(int noteId);
    // Brings a desktop note to the user's attention: shows it (restoring it from its tile when
    // minimised), raises it and shakes it for about a second. The shake runs on a timer, so the
    // windows keep painting.
    void FlashNote(int noteId);
    // Shows every hidden desktop note in use and every minimised note's tile; HideAllNotes
    // hides them. Neither changes a note's state or the database.
    void ShowAllNotes();
    void HideAllNotes();

    // Rebuilds the due list from the reminder store. The list lives with the reminder
    // scheduler, which the program gives here at start as `reload`; before that a rebuild has
    // nothing to do.
    void ReloadDueList();
    void SetDueListReload(std::function<void()> reload);

    // Writes the text of every open note that changed (log-out, SIGTERM).
    void SaveAllModifiedNotes();

    // The one editor palette: every note's edit button and Edit Note show or hide it for that
    // note; its reminder changes rebuild the due list. None: the edit button does nothing.
    void SetEditor(TfmEditor* editor);
    TfmEditor* Editor() const;

signals:
    // The shake of FlashNote is over and the window is back at its place.
    void FlashFinished(int noteId);
    // A click on a note's reminder icon: the set-reminder dialog is to toggle for the note.
    void ReminderRequested(TfmNote* note);
    // A note went to a memoboard tab: a window of that memoboard, if one is open, shows it.
    void NoteMovedToTab(int noteId, int tabId);

private:
    TfmUntil() = default;
    // A window a loader opened: registered when it is a desktop note, answered in any case.
    void Adopt(TfmNote* note, QWidget* memoboard);
    void ReopenNote(int noteId);
    void RefreshDueList();
    // The edit button of the note that sent EditRequested.
    void EditNote();
    void NoteReminderRequested();

    bool FShowAllNotes = true;
    QList<TLNoteinfo> FNoteList;
    std::function<void()> FDueListReload;
    QPointer<TfmEditor> FEditor;
};
