// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untDB.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// One tab as the memoboard window keeps it. In memory `Bgimg` is the full path of the
// background picture (or empty for the built-in one); the table keeps the bare file name.
struct TTabInfo {
    int Id = 0;
    QString Caption;
    int Color = 0;
    int BgColor = 0;
    QString Bgimg;
    std::uint8_t Position = 0; // image placement: 0 none, 1 top left, 2 centre, 3 tile
};

struct TMemoboardInfo {
    int Id = 0;
    QString Caption;
};

// One entry of a menu filled by the store. The window side turns the model into real menu
// entries: a `Clickable` entry runs the caller's click handler with (parent tag, own tag), a
// `Measured` one gets the caller's measure handler.
struct TMenuItem {
    QString Caption;
    int Tag = 0;
    bool Radio = false;
    bool Clickable = false;
    bool Measured = false;
    std::vector<TMenuItem> Items;
};

// The ids of a new memoboard and of its first tab; both 0 when nothing was created.
struct TNewMemoboard {
    int MemoboardId = 0;
    int TabId = 0;
};

// What deleting a memoboard or a tab did. When `NoteIds` is filled those notes went to the trash
// as desktop notes, so the window side can close their windows and refresh the due list, even
// if a later delete failed and `Deleted` is false. A failed query throws DatabaseError.
struct TDeletedNotes {
    bool Deleted = false;
    QList<int> TabIds;
    QList<int> NoteIds;
};

// The SQL of table Memoboard (memoboard rows and their tab rows) and the menus listing them.
// The store keeps no state between calls but the measure choice of the menu fills.
class MemoboardDB {
public:
    static const std::array<int, 5> RandomColorTable;
    static const std::array<int, 20> PageColorTable;
    // A tab label colour drawn from RandomColorTable.
    static int RandomTabColor();
    // A page colour drawn from the first 19 entries of PageColorTable.
    static int RandomPageColor();

    // A new memoboard with its first tab "Tab1"; both rows or neither are stored.
    static TNewMemoboard AddMemoboard(const QString& name);
    // A new tab whose label and page share `color`; 0 when the insert failed.
    static int AddTab(int memoboardId, const QString& caption, int color);
    // Sends every note of the memoboard's tabs to the trash, then deletes the tabs and the
    // memoboard; nothing is deleted when the notes cannot be moved.
    static TDeletedNotes DeleteMemoboard(int memoboardId);
    // The tab keeps its id, so its notes move with it.
    static bool MoveTab(int targetMemoboardId, int tabId);
    static TDeletedNotes DeleteTab(int tabId);
    // Codes outside 1..3 (placement) and 1..4 (note order) are stored as 0.
    static bool SetImagePosition(int code, int tabId);
    static bool SetNoteOrder(int code, int tabId);
    static bool SetBackgroundImage(const QString& fileName, int tabId);
    // For memoboard rows and tab rows alike.
    static bool SetCaption(const QString& caption, int rowId);
    static bool UpdateTab(const TTabInfo& tab);

    static void GetMemoboardRow(int id, Dataset& dataset);
    // The memoboard's tabs in creation order.
    static void GetTabs(int memoboardId, Dataset& dataset);
    // Every memoboard (not its tabs), in table order.
    static std::vector<TMemoboardInfo> Memoboards();
    // A tab row as the window keeps it, its picture looked for in `imageFolder`.
    static TTabInfo TabInfoFromRow(const Dataset::Row& row, const QString& imageFolder);

    // Created menu entries get the caller's measure handler (the note window's move menu).
    void SetItemMeasure(bool measure) { FItemMeasure = measure; }

    // The menu fills leave the menu as it was when the store holds no (other) memoboard or the
    // query fails.
    // Memoboards with their tabs under `root`, after trimming it to `keepCount` entries. With
    // `excludeCurrentTab` the root's tag is the tab the note lies on: that tab is left out and
    // "Desktop" comes first unless the tag is 0.
    void FillMemoboardMenu(TMenuItem& root, bool excludeCurrentTab, int keepCount) const;
    // Radio entries of the memoboards (without the current one unless `includeCurrent`) with
    // their tabs, after trimming `popup` to `keepCount` entries.
    void FillSwitchMenu(TMenuItem& popup, int keepCount, int currentMemoboardId,
                        bool includeCurrent) const;
    // `item`'s tag is the current memoboard; its entries become the other memoboards.
    void FillMoveToMenu(TMenuItem& item) const;

private:
    bool FItemMeasure = false;
};

// The file-name part of a stored or chosen picture name ('/' and '\' both separate folders), so
// a name can never point outside the folder it is looked for in; "." and ".." give "".
QString BareFileName(const QString& name);
