// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

class QTableView;
class TEKButton;
class TfmMessage;
class TfmNote;
class TNoteListModel;
struct NoteRecord;
struct TNoteListRow;

// What the list windows need of the memoboards, which lie above them: set once by the program.
struct TMemoboardHooks {
    // Opens or raises the memoboard of the tab on that tab and draws attention to the note.
    std::function<void(int noteId, int tabId)> ShowNoteOnMemoboard;
    // The note's window on its open memoboard; none when the memoboard is not open.
    std::function<TfmNote*(int noteId, int tabId)> FindNoteOnMemoboard;
    // A note just restored from the trash: its window opens on its tab if the memoboard is open.
    std::function<void(int noteId, int tabId)> OpenRestoredNote;
};

// The place and pictures of a list window.
struct TListWindowLayout {
    const char* Name;   // object name
    QString Title;      // the taskbar's caption
    QSize Size;         // client size
    QString Background; // skin picture
    int HelpTopic;
    int PrintLeft; // the print and help pictures' row
    int HelpLeft;
};

// The shape shared by the find, trash and reminder lists: a skinned top-level window with its
// own taskbar button, a title strip that drags it, minimise and close buttons, a grid of notes
// (never fewer than one row; the blank row stands for no note), print and help pictures, and a
// read-only preview note that floats at the window's preview marker, follows the window when
// it moves, stays on top while the window is active and is a normal window when it is not.
// Each window frees itself on close, closing its preview first.
class TListWindow : public QWidget {
    Q_OBJECT
public:
    ~TListWindow() override;

    static void SetMemoboardHooks(TMemoboardHooks hooks);

    QTableView* Grid() const { return FGrid; }
    TNoteListModel& Model() const { return *FModel; }
    // The preview note while the window is shown.
    TfmNote* Preview() const;
    // The selected note's row; none when nothing or the blank row is selected.
    const TNoteListRow* SelectedNote() const;
    int SelectedRow() const;

    // Selects the grid row of a note (as a click would); false when the note is not listed.
    bool SelectNote(int noteId);

    // Print and go-to of the selected note; nothing without one.
    void PrintSelectedNote();
    void GoToSelectedNote();

signals:
    // The help picture was clicked.
    void HelpRequested(int topicId);

protected:
    TListWindow(const TListWindowLayout& layout, TfmMessage& message);

    // The grid, a child of `parent` at `geometry`, one column per width; the last column takes
    // the rest of the width.
    void CreateGrid(QWidget* parent, const QRect& geometry, const QList<int>& columnWidths);
    // The invisible marker whose top-left corner is the preview's place.
    void CreatePreviewMarker(QWidget* parent, const QPoint& at);
    // A picture button with its hover picture (the name with "_" appended).
    TEKButton* CreateButton(QWidget* parent, const char* name, const QRect& geometry,
                            const QString& picture);
    // Asks the user through the message box; true for OK.
    bool Confirm(const QString& title, const QString& text, bool withCancel, int lines);
    TfmMessage& Message() const { return FMessage; }

    // Selects a row without running NoteSelected (the selection kept across a refill).
    void SelectRowQuietly(int row);
    // Loads a stored note into the preview and shows it at the marker, on top.
    void ShowPreview(const NoteRecord& record);
    // Clears the preview's note and hides it.
    void HidePreview();
    // Selecting a note row: by default its stored note goes into the preview.
    virtual void NoteSelected(const TNoteListRow& row);
    // Runs a user action inside the error boundary.
    static void Guarded(const std::function<void()>& action);
    // The note's own open window, on its memoboard (a tab id as parent) or on the desktop.
    static TfmNote* OwnWindow(int noteId, int parentId);
    static const TMemoboardHooks& MemoboardHooks();

    // What every show does after the preview is made (not a restore from the minimised state).
    virtual void FormShow() {}

    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateChrome(const TListWindowLayout& layout);
    void PlacePreview();
    void ClosePreview();
    void SelectionChanged();

    TfmMessage& FMessage;
    QTableView* FGrid = nullptr;
    TNoteListModel* FModel = nullptr;
    QWidget* FPnlPosition = nullptr;
    QPointer<TfmNote> FPreview;
    bool FQuiet = false;
};
