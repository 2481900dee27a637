// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmMessage.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untMemoboardDB.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class TEKButton;
struct TMemoboardSettingsValues;
class TSkinImage;
class TTabExV2;
class TTabNoteLoader;
class TTabPage;
class TTabPanel;

// One tab page this window built. A deleted entry has lost its page and is skipped.
struct TLTabInfo {
    int TabId = 0;
    QPointer<TTabPage> Page;
    bool Deleted = false;
    // The tab's record; every change the window makes to the tab lands here.
    TTabInfo Info;
    // Where the next new note on the tab goes.
    QPoint NextNote{6, 6};
    // Opens the tab's notes; a child of the page.
    QPointer<TTabNoteLoader> Loader;
};

// The window of one memoboard: a skinned borderless window with a title bar, five toolbar
// buttons, the tab strip and one page per tab, on which the tab's notes lie as child note
// windows; only the active tab's page shows. It makes notes on the current tab, cascades them,
// manages tabs (new, delete, rename, move, colours, background picture) and deletes or exports
// the memoboard. Opened only through TfmMemoboardData::OpenMemoboard, at most once per board.
class TfmMemoboard : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 689;
    static constexpr int DesignHeight = 542;
    static constexpr int MinimumWidth = 450;
    static constexpr int MinimumHeight = 240;
    // The width of the border band that resizes the window.
    static constexpr int BorderBand = 3;

    // Cascade orders of the Tools menu.
    enum CascadeOrder {
        CreationNewest = 1,
        CreationOldest = 2,
        ModifyNewest = 3,
        ModifyOldest = 4
    };

    // A window for the memoboard, to show the tab `tabId` first.
    TfmMemoboard(int memoboardId, int tabId);
    ~TfmMemoboard() override;

    int MemoboardId() const { return FMemoboard.Id; }
    QString Caption() const { return FMemoboard.Caption; }
    TTabExV2* TabEx() const { return FTabEx; }
    // The current tab's page and record; none while no tab is active.
    TTabPage* CurrentPage() const;
    TLTabInfo* CurrentEntry();
    int CurrentTabId() const;
    TTabPage* PageOfTab(int tabId) const;
    const std::vector<TLTabInfo>& TabList() const { return FTabList; }

    // The current note (see TfmMemoboardData::SetCurrentNote).
    TfmNote* CurrentNote() const { return FCurrentNote; }
    // Makes one of this window's notes the current one: the previous one is deactivated, this
    // one raised and painted in its full colour. Nothing for none or the current note.
    void SetCurrentNote(TfmNote* note);
    // The inactive look of a memoboard note, its text saved when changed; nothing for none.
    static void DeactivateNote(TfmNote* note);
    // The message box for confirmations and failures; none answers Cancel.
    void SetMessageBox(TfmMessage* box) { FMessage = box; }
    const QList<TLNoteinfo>& NoteList() const { return FNoteList; }
    TfmNote* FindNoteWindow(int noteId) const;
    // The note's window, opened ahead of its turn when its page is still opening its notes;
    // none when the note is on none of this window's pages.
    TfmNote* NoteWindowNow(int noteId);
    // Whether a page is still opening its notes.
    bool IsLoadingNotes() const;
    // Forgets the note's window (it closed); also the current-note reference.
    void ForgetNote(int noteId);
    // Takes a note window opened on one of this window's pages into the note list.
    void AdoptNote(TfmNote* note);
    // Adds the page of a tab moved onto this memoboard and shows it.
    void ShowMovedTab(const TTabInfo& tab);

    // A new note on the current tab (kinds of the main window: 1 date/time, 3 random colour,
    // others plain) at the tab's next-note point, stored with the tab as its parent.
    TfmNote* NewNoteOnTab(int kind);
    // Stores the order and rearranges the current tab's notes in it.
    void Cascade(CascadeOrder order);

    void actNewTabExecute();
    void actDeleteTabExecute();
    void actRenameTabExecute();
    // Moves the current tab to another memoboard.
    void MoveTabClick(int targetMemoboardId);
    // Placement 1 top left, 2 centre, 3 tile.
    void SetImagePosition(int placement);
    void actSelectImgExecute();
    // The settings dialog on its memoboard page (1) or tab page (2).
    void actMTSettingsExecute(int firstPage);
    void actNewMemoboardExecute();
    void actDeleteMExecute();
    void actExportExecute();
    void actImportExecute();
    void actOntheTopExecute();
    void ekbtnPrintClick();
    // A press on the frame, the toolbar, the tab row or a page: a rename open on the strip is
    // finished and stored, and the current note loses its current look.
    void EdtSubmitMouseDown();

    // What the settings dialog confirmed, written to the store and shown.
    void ApplySettings(const TMemoboardSettingsValues& values);
    // The settings dialog's starting values from the current tab.
    TMemoboardSettingsValues SettingsValues() const;
    // Brings a chosen picture into the data folder; answers its path there, empty on failure.
    static QString CopyBackgroundImage(const QString& chosenPath);
    // Paints the current tab's page from its record.
    void PaintBackground();

    // The edges a press at `point` (window coordinates) resizes in a window of `size`.
    static Qt::Edges BorderHit(const QPoint& point, const QSize& size);

    QMenu* popmuMemoboard() const { return FPopmuMemoboard; }
    QMenu* popmuTools() const { return FPopmuTools; }
    QMenu* popmuTab() const { return FPopmuTab; }
    QMenu* popNewNote() const { return FPopNewNote; }
    QLabel* lblCaption() const { return FLblCaption; }

signals:
    // What lies outside the window: the data module answers these.
    void OpenMemoboardRequested(int memoboardId, int tabId);
    void MoveTabRequested(int targetMemoboardId, const TTabInfo& tab);
    void NewMemoboardRequested();
    void ImportRequested();
    void CaptionChanged(int memoboardId, const QString& caption);
    void Closed(int memoboardId);
    void HelpRequested(int helpContext);
    void TrashListRequested();
    void FindNotesRequested();
    void ReminderListRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateTitleBar();
    void CreateToolbar();
    void CreateMenus();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       void (TfmMemoboard::*handler)());
    void LayoutControls();
    void FormShow();
    TLTabInfo& BuildPage(const TTabInfo& tab);
    void PaintPage(const TLTabInfo& entry);
    void LoadTabNotes(TLTabInfo& entry, int orderCode);
    // Drops the notes the page has not opened yet: the page or the window is going away.
    void StopLoading(TLTabInfo& entry);
    void SwitchPage(TTabPanel* tab);
    // After a tab left the strip: a new tab when none is left, then the last tab shown.
    void ShowRemainingTab();
    void DropTab(int tabId);
    void popmuMemoboardPopup();
    void popmuTabPopup();
    void UpdateMaximizeButton(bool hover);
    void ToggleMaximized();
    void PopupBelow(QMenu* menu, QWidget* button);
    void Guarded(void (TfmMemoboard::*action)());
    // The open notes lying on the tab's page.
    QList<TfmNote*> NotesOnTab(int tabId) const;
    bool Confirm(const QString& text);

    TTabInfo FRequestedTab;
    TMemoboardInfo FMemoboard;
    TTabExV2* FTabEx = nullptr;
    int FCurrentTabIndex = -1;
    QPointer<TfmNote> FCurrentNote;
    QList<TLNoteinfo> FNoteList;
    std::vector<TLTabInfo> FTabList;
    bool FShown = false;
    QPointer<TfmMessage> FMessage;

    TSkinImage* FImgTop;
    TSkinImage* FImgIcon;
    QLabel* FLblCaption;
    TEKButton* FEkbtnMin;
    TSkinImage* FImgMax;
    TEKButton* FEkbtnClose;
    QWidget* FPnlToolbar;
    TEKButton* FEkbtnNewNote;
    TEKButton* FEkbtnMemoboard;
    TEKButton* FEkbtnTools;
    TEKButton* FEkbtnPrint;
    TEKButton* FEkbtnTrash;
    QLabel* FLabel1;
    QWidget* FPnlTab;
    QWidget* FPnlcon;
    QMenu* FPopmuMemoboard;
    QMenu* FPopmuTools;
    QMenu* FPopmuTab;
    QMenu* FPopNewNote;
    QMenu* FItemMoveto;
    QAction* FMenuKeepTop;
    QActionGroup* FPlacementGroup;
};
