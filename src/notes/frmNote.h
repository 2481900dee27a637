// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untNoteChrome.h"
#include "untNoteDB.h"

#include <QDateTime>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <memory>
#include <optional>

class QFrame;
class QMenu;
class QAction;
class QTextEdit;
class TArrowBar;
class TfmNoteMinimize;
class TNoteColorMenu;
class TScrollBarEx;
class WindowDragHelper;

// How a note window is used: a desktop note (a top-level window), a memoboard note (a child of
// a tab page) or a read-only preview that is never written.
enum class NoteMode { Desktop, Memoboard, Preview };

// The sticky note: a borderless window with rounded corners, painted in the note's colour,
// holding the note's rich text, with its own chrome (title strip with the edit and reminder
// icons, a one-pixel frame whose pieces resize it, a bottom strip with the skinned scroll bar and
// a size grip). Every change the user makes (place, size, colour, on-top, minimise, trash, text)
// is written to the note store at once. What needs more than the window itself (the registry,
// another window, the due list) it asks for by a signal.
class TfmNote : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = DefaultNoteSize.width();
    static constexpr int DefaultHeight = DefaultNoteSize.height();
    static constexpr int MinimumWidth = 172;
    static constexpr int MinimumHeight = 50;

    // A new note window 172x120 in the new-note colour (setting NoteColor). A memoboard note is
    // a child window of `container`; a desktop note or a preview is a top-level window. A
    // preview shows the light colour only, cannot be dragged or edited, is never registered
    // and never writes the store.
    explicit TfmNote(NoteMode mode = NoteMode::Desktop, QWidget* container = nullptr);
    ~TfmNote() override;

    int NoteId() const { return FNoteId; }
    int ParentId() const { return FParentId; }
    int NoteColor() const { return FColor; }
    bool OnTop() const { return FOnTop; }
    NoteState State() const { return FState; }
    bool InMemoboard() const { return FInMemoboard; }
    bool IsPreview() const { return FMode == NoteMode::Preview; }
    bool IsActive() const { return FActive; }
    // Whether the text changed since it was last written (or loaded).
    bool IsModified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }
    bool HasReminder() const { return FHasReminder; }
    const QDateTime& ReminderTime() const { return FReminderTime; }
    int RepeatCount() const { return FRepeatCount; }
    int RepeatUnit() const { return FRepeatUnit; }
    // The reminder fields as a reminder command has just written them; writes nothing.
    void SetReminderValues(bool hasReminder, const QDateTime& time, int repeatCount,
                           int repeatUnit);

    // The text control.
    QTextEdit* retShow() const { return FRetShow; }
    QString PlainText() const;
    // The text's first line (the tile's tooltip).
    QString FirstLine() const;
    QByteArray RtfText() const;

    // Takes a stored row's id, parent, colour, on-top choice and reminder; writes nothing and
    // changes neither place, size nor text.
    void TakeStoredValues(const NoteRecord& record);
    // Whether the note lies on a tab page, as its parent says after a reload.
    void SetInMemoboard(bool inMemoboard) { FInMemoboard = inMemoboard; }
    // Shows the stored text: the RTF when it reads, else the plain text.
    void LoadText(const QByteArray& rtf, const QString& plainText);
    // Inserts the window's values as a new desktop note row and takes its id (0 when the insert
    // failed).
    void InsertIntoStore();
    // The window's state as the registry changes it (restored by a flash, or seen as trashed).
    void SetState(NoteState state) { FState = state; }
    // The note's colour, painted at once; writes nothing.
    void SetColor(int color);
    // The note counts as active: its deferred deactivation neither lightens nor saves it
    // (while its information window has the activation).
    void HoldActive() { FActive = true; }

    // The stay-on-top window flag, the on-top choice and the tick of the Always On Top entry;
    // writes nothing.
    void SetOnTopStyle(bool on);
    // Paints the window with its colour as the active note shows it (a preview always light).
    void ApplyColor();
    // What losing the activation does to a changed note: writes Content and Rtf, then
    // ModifyTime, and a place whose write failed before. The note stays modified when the text
    // could not be written, so the next autosave, deactivation or close tries again.
    void SaveIfModified();
    // Whether a write is still owed to the store (text or place).
    bool HasUnsavedChanges() const { return FModified || FPlaceUnsaved; }

    // Typing saves itself this long after the last change; a failed write is tried again
    // after the longer delay.
    static constexpr int AutosaveDelayMs = 1000;
    static constexpr int AutosaveRetryMs = 5000;
    // The font that typing starts in.
    void SetTypingFont(const QString& family, int pointSize);
    // Appends a paragraph of plain text (date/time notes).
    void AppendTextLine(const QString& line);
    // A memoboard note that stops being its memoboard's current note: the light colour, and
    // the text written when it changed.
    void DeactivateInMemoboard();

    // The reminder icon: visible exactly when the note has a reminder, the due picture once
    // the reminder time has passed. ShowReminderDue shows the due picture at once.
    void UpdateReminderIcon();
    void ShowReminderDue();
    // Whether the reminder icon shows, and the picture it shows (or would show).
    bool ReminderIconShown() const { return FAlarmShown; }
    const QString& ReminderPicture() const { return FAlarmPicture; }

    // Where a piece of the chrome lies, by its control name ("imgTitle", "imgEdit", "imgAlarm",
    // "imgTopleft", "imgResize", "pnlToolbar"...), in the window's coordinates; an empty
    // rectangle for an unknown name. The chrome is painted by the window itself.
    QRect ChromeRect(const QString& name) const;

    // Shows a note opened at start: at once, without the show animation and without taking the
    // activation, so it appears in its inactive (light) colour and is painted once. A note the
    // user creates, restores or shows again animates as usual.
    void ShowLoaded();

    // To the tile and back, writing the minimised and the shown state.
    void Minimize();
    void Restore();
    // Hides the note into its tile without writing the store (notes stored minimised).
    void MinimizeToTile();
    // The tile, made when first needed.
    TfmNoteMinimize* Tile();

    // The Note menu's commands, also run by the keyboard and the editor.
    void menuOnTheTopClick();
    void menuTrashNoteClick();
    void menuSizetoConClick();
    void ColorItemClick(int color);
    // Moves the note to a memoboard tab (or, with 0, to the desktop).
    void MoveToClick(int tabId);
    // Fills a menu with the Move To... destinations, each running MoveToClick.
    void BuildMoveToMenu(QMenu& menu);
    void itmInsertDTClick();

    // Shows or hides the skinned scroll bar and arrows by whether the text needs scrolling.
    void UpdateScrollBars();
    void LayoutContent();

    // The Note menu and the text menu are built when first asked for (most notes never open
    // them, and a start with many notes would otherwise build thousands of entries).
    QMenu* NotePopupMenu();
    QMenu* PopEditor();
    QAction* MenuOnTheTop();
    TScrollBarEx* ScrollBar() const { return FScrollBar; }
    TArrowBar* ArrowBar() const { return FArrowBar; }

signals:
    // A click on the edit icon or the Edit Note entry, and a click on the reminder icon.
    void EditRequested();
    void ReminderRequested();
    // A desktop note's window closes: the registry forgets it.
    void UnregisterRequested(int noteId);
    // The note has moved back to the desktop: its desktop window is to open.
    void ReopenRequested(int noteId);
    // A change that may alter which reminders are due (the note went to the trash).
    void DueListChanged();
    // The note went to a memoboard tab and its window closed: the tab is to show it.
    void MovedToTab(int noteId, int tabId);
    // A memoboard note's window closes: its memoboard window forgets it.
    void MemoboardNoteClosed(int noteId);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateChrome();
    void CreateToolbar();
    void CreateContent();
    void CreateNoteMenu();
    void CreateTextMenu();
    void CreateTile();
    // The Always On Top and Minimize Note entries as the note's state has them.
    void UpdateNoteMenuState();
    void LayoutChrome();
    // What a left press at a point of the chrome drags: nothing (no value), the window (no
    // edges: the title strip) or its size (the frame pieces and the grip).
    std::optional<Qt::Edges> HandleAt(const QPoint& point) const;
    // A drag of the title strip has ended (writes Position) or one of the frame (Size).
    void ChromeDragFinished();
    // A frame drag has ended: writes Size, and Position when the window's corner moved.
    void FrameDragFinished(const QPoint& placeBefore);
    // A click on a piece of the chrome: the title's right button opens the Note menu, the edit
    // and reminder icons ask for their windows.
    void ChromeClick(ChromePart part, const QMouseEvent& mouse);
    void PaintColor(int color);
    bool FormKeyDown(const QKeyEvent& key);
    void ActivationChanged(bool active);
    void stateTimerTimer();
    void AutosaveTimerTimer();
    // Writes the window's place; a failed write is owed and tried again later.
    void SavePlace();
    void NotePopupMenuPopup();
    void popEditorPopup();
    // The URL under a point of the text, if it is one a click may open.
    QUrl UrlAtPoint(const QPoint& position) const;
    void retShowURLClick(const QPoint& position);
    bool IsDesktopNote() const { return isWindow(); }
    // Runs a user action inside the error boundary.
    void Guarded(void (TfmNote::*action)());

    // The chrome's pieces (imgTitle, imgEdit, imgAlarm, the frame, the bottom strip) are
    // regions of the window, painted by paintEvent; the bottom strip's panels pnlArrow and
    // pnlBar are widgets because they hold the skinned bars.
    TNoteChrome FChrome;
    WindowDragHelper* FDrag = nullptr;
    std::optional<ChromePart> FPressedPart;
    bool FAlarmShown = false;
    QString FAlarmPicture = QStringLiteral("n_alarm");
    QWidget* FPnlArrow;
    QWidget* FPnlBar;
    QWidget* FPnlContent;
    TScrollBarEx* FScrollBar;
    TArrowBar* FArrowBar;
    QMenu* FNotePopupMenu = nullptr;
    QMenu* FMoveToMenu = nullptr;
    TNoteColorMenu* FColorMenu = nullptr;
    QAction* FMenuOnTheTop = nullptr;
    QAction* FMenuMinimize = nullptr;
    QMenu* FPopEditor = nullptr;
    QAction* FItmCut = nullptr;
    QAction* FItmCopy = nullptr;
    QTimer FStateTimer;
    QTimer FAutosaveTimer;
    bool FPlaceUnsaved = false;
    std::unique_ptr<TfmNoteMinimize> FTile;
    bool FMinimizing = false;
    bool FCloseAnimated = false;
    bool FShowingLoaded = false;

    const NoteMode FMode;
    int FNoteId = 0;
    int FParentId = 0;
    int FColor = 0;
    bool FOnTop = false;
    NoteState FState = NoteState::Shown;
    bool FInMemoboard = false;
    bool FHasReminder = false;
    bool FModified = false;
    bool FActive = false;
    QDateTime FReminderTime;
    int FRepeatCount = 0;
    int FRepeatUnit = 0;
    QTextEdit* FRetShow;
};
