#pragma once

#include "untNoteDB.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <memory>

class QFrame;
class QMenu;
class QAction;
class QTextEdit;
class TArrowBar;
class TfmNoteMinimize;
class TNoteColorMenu;
class TScrollBarEx;
class TSkinImage;

// The sticky note: a borderless window with rounded corners, painted in the note's colour,
// holding the note's rich text, with its own chrome (title strip with the edit and reminder
// icons, a one-pixel frame whose pieces resize it, a bottom strip with the skinned scroll bar and
// a size grip). Every change the user makes (place, size, colour, on-top, minimise, trash, text)
// is written to the note store at once.
//
// The same window serves as a desktop note (a top-level window), a memoboard note (a child of a
// tab page, given as `container`) and a read-only preview (SetupPreview) that is never written.
class TfmNote : public QWidget, public BoundNote {
    Q_OBJECT
public:
    // True while notes are created as top-level desktop windows.
    static bool FDesktopMode;
    static constexpr int DefaultWidth = 172;
    static constexpr int DefaultHeight = 120;
    static constexpr int MinimumWidth = 172;
    static constexpr int MinimumHeight = 50;

    // A new note window 172x120 in the new-note colour (setting NoteColor). With a container
    // it is a child window on it (a memoboard note), else a top-level desktop window.
    explicit TfmNote(QWidget* container = nullptr);
    ~TfmNote() override;

    int FNoteId = 0;
    int FParentId = 0;
    int FColor = 0;
    int FOnTop = 0;
    int FState = 0; // 0 shown, 1 minimised to its tile, 2 being trashed
    bool FInMemoboard = false;
    bool FHasReminder = false;
    bool FModified = false;
    bool FActive = false;
    bool FPreview = false;
    bool FAnimateClose = true;
    double FReminderTime = 0;
    int FRepeatCount = 0;
    int FRepeatUnit = 0;

    QTextEdit* retShow;

    // Turns the window into a read-only preview: light colour only, no drag, no editing, no
    // registry record, no store writes.
    void SetupPreview();

    // The stay-on-top window flag and the tick of the Always On Top entry; writes nothing.
    void SetOnTopStyle(bool on);
    // Paints the window with FColor as the active note shows it (a preview always light).
    void ApplyColor();
    // What losing the activation does to a changed note: writes Content and Rtf, then
    // ModifyTime. FModified stays set when the text could not be written, so the next
    // deactivation or close tries again.
    void SaveIfModified();
    // The font that typing starts in.
    void SetTypingFont(const QString& family, int pointSize);
    // Appends a paragraph of plain text (date/time notes).
    void AppendTextLine(const QString& line);

    // The reminder icon: visible exactly when the note has a reminder, the due picture once
    // FReminderTime has passed. ShowReminderDue shows the due picture at once.
    void UpdateReminderIcon();
    void ShowReminderDue();

    // To the tile and back, writing Type 2 and Type 1.
    void Minimize();
    void Restore();
    // Hides the note into its tile without writing the store (notes stored minimised).
    void MinimizeToTile();
    // The tile, made when first needed.
    TfmNoteMinimize* Tile();

    // The Note menu's commands, also run by the keyboard and the editor.
    void menuOnTheTopClick();
    void menuMinimizeNoteClick() { Minimize(); }
    void menuTrashNoteClick();
    void menuSizetoConClick();
    void ColorItemClick(int color);
    // Moves the note to a memoboard tab (or, with 0, to the desktop).
    void MoveToClick(int tabId);
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

    // What the note store reads from the bound note.
    int NoteId() const override { return FNoteId; }
    int ParentId() const override { return FParentId; }
    int NoteColor() const override { return FColor; }
    int OnTop() const override { return FOnTop; }
    QPoint NotePosition() const override { return pos(); }
    QSize NoteSize() const override { return size(); }
    QString PlainText() const override;
    QString RtfText() const override;

signals:
    // The attachment points of the editor palette and of the set-reminder dialog.
    void EditRequested();
    void ReminderRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateChrome();
    void CreateFrame();
    void CreateToolbar();
    void CreateContent();
    void CreateNoteMenu();
    void CreateTextMenu();
    void CreateTile();
    // The Always On Top and Minimize Note entries as the note's state has them.
    void UpdateNoteMenuState();
    void LayoutChrome();
    void PaintColor(int color);
    bool FormKeyDown(const QKeyEvent& key);
    void ActivationChanged(bool active);
    void stateTimerTimer();
    void NotePopupMenuPopup();
    void popEditorPopup();
    // The URL under a point of the text, if it is one a click may open.
    QUrl UrlAtPoint(const QPoint& position) const;
    void retShowURLClick(const QPoint& position);
    void LeftClick(QObject* watched, const QPoint& position);
    bool IsDesktopNote() const { return isWindow(); }

    TSkinImage* FImgTitle;
    TSkinImage* FImgIcon;
    TSkinImage* FImgEdit;
    TSkinImage* FImgAlarm;
    TSkinImage* FImgTopleft;
    TSkinImage* FImgTopright;
    TSkinImage* FImgBottomleft;
    TSkinImage* FImgBottomright;
    TSkinImage* FImgTopborder;
    TSkinImage* FImgBottomborder;
    TSkinImage* FImgLeftborder;
    TSkinImage* FImgRightborder;
    QWidget* FPnlToolbar;
    QWidget* FPnlBar;
    QWidget* FPnlResize;
    TSkinImage* FImgResize;
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
    std::unique_ptr<TfmNoteMinimize> FTile;
    bool FMinimizing = false;
    bool FCloseAnimated = false;
};
