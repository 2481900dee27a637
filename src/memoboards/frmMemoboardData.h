// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmMessage.h"
#include "untMemoboardDB.h"
#include "untMemoboardExchange.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>

class QWidget;
class TfmMemoboard;
class TfmNote;

// One open memoboard window. The record never owns the window.
struct TLMemoboardinfo {
    int MemoboardId = 0;
    QPointer<TfmMemoboard> Window;
    QString Caption;
};

// What memoboard windows and their notes share for the whole run: the list of open memoboard
// windows (the one way a memoboard window opens is OpenMemoboard), the current-note switch, the
// go-to-note operation, the background pictures and the import of an exchange file.
class TfmMemoboardData : public QObject {
    Q_OBJECT
public:
    static TfmMemoboardData& Instance();

    // The program's message box, for confirmations and a failed import; none: every question
    // is answered Cancel and failures are only logged.
    void SetMessageBox(TfmMessage* box) { FMessage = box; }
    TfmMessage* MessageBox() const { return FMessage; }

    // Shows the memoboard: its open window is restored, raised and switched to the tab (when
    // that is another one); otherwise a window is created for (memoboard, tab) and recorded.
    TfmMemoboard* OpenMemoboard(int memoboardId, int tabId);
    // The same for a tab just moved onto the memoboard: an open window adds the tab's page and
    // shows it.
    TfmMemoboard* OpenMemoboardWithTab(int memoboardId, const TTabInfo& tab);
    TfmMemoboard* FindMemoboardWindow(int memoboardId) const;
    // Forgets the memoboard's window (it closes).
    void UnregisterMemoboard(int memoboardId);
    // Records a memoboard's new caption, so every list shows it.
    void SetMemoboardCaption(int memoboardId, const QString& caption);
    const QList<TLMemoboardinfo>& MemoboardList() const { return FMemoboardList; }

    // Makes a memoboard note its memoboard's current note: the previous one is deactivated,
    // this one raised and painted in its full colour. Nothing for none or the current note.
    void SetCurrentNote(TfmNote* note);
    // The inactive look of a memoboard note (text saved when changed); nothing for none.
    void DeactivateNote(TfmNote* note);
    // Opens the stored note on the window's tab page `box` and refreshes the due list.
    TfmNote* LoadNoteOnTab(int noteId, TfmMemoboard& memoboard, QWidget* box);

    // "Go to note" of the find, trash and reminder lists: opens the memoboard of the note's tab
    // on that tab, shows the note there (restoring it from its tile) and shakes it. Nothing
    // more for a note that is not on a tab, is in the trash, or is gone; NoteShown tells when
    // the note was brought forward.
    void ShowNoteOnMemoboard(int noteId);
    // The note's window on the open memoboard of its tab; none when that memoboard is not open.
    TfmNote* FindOpenNote(int noteId, int tabId) const;
    // A note that came onto a tab (moved there, or restored from the trash): an open window of
    // that tab's memoboard shows it there.
    void NoteMovedToTab(int noteId, int tabId);

    // The background pictures (untMemoboardBackground.h).
    static QPixmap LoadDefaultBackground();
    static QPixmap LoadBackground(const QString& path);

    // "New Memoboard": names and creates a memoboard, then opens it.
    void NewMemoboardDialog();
    // Asks for an ".mbir" file and imports it.
    void ImportDialog(QWidget* parent);
    // Imports the file (busy cursor) and opens the new memoboard; a failure shows the line and
    // the reason in the message box and leaves the store unchanged.
    TExchangeResult ImportFile(const QString& fileName);

signals:
    // The memoboard help page (help context), the trash, find and reminder lists: the program's
    // main window answers these.
    void HelpRequested(int helpContext);
    void TrashListRequested();
    void FindNotesRequested();
    void ReminderListRequested();
    // ShowNoteOnMemoboard brought the note forward and its shake is over.
    void NoteShown(int noteId);

private:
    TfmMemoboardData();
    TfmMemoboard* CreateWindow(int memoboardId, int tabId);

    QList<TLMemoboardinfo> FMemoboardList;
    QPointer<TfmMessage> FMessage;
};
