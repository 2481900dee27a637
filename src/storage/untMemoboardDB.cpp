// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMemoboardDB.h"

#include "frmData.h"
#include "untClock.h"
#include "untStorageLog.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <optional>

const std::array<int, 5> MemoboardDB::RandomColorTable = {65408, 12615680, 65535, 33023, 128};

const std::array<int, 20> MemoboardDB::PageColorTable = {
    8421631, 16744703, 16711935, 128,   33023,   8454143,  16777088, 16744448, 12615680, 8404992,
    8454016, 65408,    4259584,  32768, 8421376, 16744576, 16711808, 32896,    8421504,  12632256};

namespace {

const QString kInsertSql =
    QStringLiteral("INSERT INTO Memoboard(ParentId,Caption,Position,Color,BgColor)  "
                   "VALUES(:Pid,:Caption,3,:Color,:BgColor);");

QString IdText(int id) {
    return QString::number(id);
}

// The row id of an insert on the shared connection, or 0 when it failed.
int InsertRow(const QString& sql, const SqlParams& params) {
    SQLite::Database& connection = TfmData::Instance().Connection();
    if (!RunOnConnection(connection, sql, params))
        return 0;
    return static_cast<int>(connection.getLastInsertRowid());
}

int InsertTab(int memoboardId, const QString& caption, int color, int bgColor) {
    return InsertRow(kInsertSql, {{QStringLiteral("Pid"), memoboardId},
                                  {QStringLiteral("Caption"), caption},
                                  {QStringLiteral("Color"), color},
                                  {QStringLiteral("BgColor"), bgColor}});
}

QList<int> IdsOf(const Dataset& dataset, const QString& column) {
    QList<int> ids;
    for (const Dataset::Row row : dataset)
        ids.append(static_cast<int>(row.FieldByName(column).AsInteger()));
    return ids;
}

QString JoinIds(const QList<int>& ids) {
    QStringList texts;
    for (int id : ids)
        texts.append(IdText(id));
    return texts.join(u',');
}

// Trashes the notes lying on `tabIds` as desktop notes, then runs `deletions` in order while
// they succeed.
TDeletedNotes TrashNotesThenDelete(const QList<int>& tabIds, const QStringList& deletions) {
    const QString onTabs = QStringLiteral(" WHERE ParentId IN (") + JoinIds(tabIds) + u')';
    Dataset notes;
    QueryInto(QStringLiteral("SELECT Id FROM Note") + onTabs, notes);
    TDeletedNotes result;
    if (!RunSQL(QStringLiteral("UPDATE Note set ParentId=0,Type=3") + onTabs + u';'))
        return result;
    result.NoteIds = IdsOf(notes, QStringLiteral("Id"));
    result.TabIds = tabIds;
    result.Deleted = true;
    for (const QString& deletion : deletions)
        if (!RunSQL(deletion)) {
            result.Deleted = false;
            break;
        }
    return result;
}

int PlacementCode(int code) {
    return code >= 1 && code <= 3 ? code : 0;
}

// Removes entries from the last one backwards until `keepCount` remain.
void TrimItems(std::vector<TMenuItem>& items, int keepCount) {
    while (static_cast<int>(items.size()) > std::max(keepCount, 0))
        items.pop_back();
}

struct MenuRows {
    Dataset memoboards;
    Dataset tabs;
};

// nullopt when there is no memoboard to list or a query failed.
std::optional<MenuRows> QueryMenuRows(const QString& memoboardSql, const QString& tabSql) {
    MenuRows rows;
    try {
        QueryInto(memoboardSql, rows.memoboards);
        QueryInto(tabSql, rows.tabs);
    } catch (const DatabaseError& error) {
        qCWarning(lcStorage) << "memoboard menu left as it was:" << error.what();
        return std::nullopt;
    }
    if (rows.memoboards.IsEmpty())
        return std::nullopt;
    return rows;
}

struct EntryStyle {
    bool radio = false;
    bool measured = false;
};

TMenuItem Entry(const Dataset::Row& row, bool clickable, EntryStyle style) {
    return TMenuItem{row.FieldByName(QStringLiteral("Caption")).AsString(),
                     static_cast<int>(row.FieldByName(QStringLiteral("Id")).AsInteger()),
                     style.radio,
                     clickable,
                     style.measured,
                     {}};
}

// Each memoboard as an entry of its own with its tabs as clickable sub-entries.
void AppendMemoboards(std::vector<TMenuItem>& items, const MenuRows& rows, EntryStyle style) {
    for (const Dataset::Row memoboard : rows.memoboards) {
        TMenuItem entry = Entry(memoboard, false, style);
        for (const Dataset::Row tab : rows.tabs)
            if (tab.FieldByName(QStringLiteral("ParentId")).AsInteger() == entry.Tag)
                entry.Items.push_back(Entry(tab, true, style));
        items.push_back(std::move(entry));
    }
}

const QString kMemoboardsSql = QStringLiteral("SELECT * FROM Memoboard WHERE ParentId=0");
const QString kTabsSql = QStringLiteral("SELECT * FROM Memoboard WHERE ParentId<>0");

} // namespace

int MemoboardDB::RandomTabColor() {
    return RandomColorTable[RandomSource::Next(static_cast<int>(RandomColorTable.size()))];
}

int MemoboardDB::RandomPageColor() {
    // The last entry is never drawn.
    return PageColorTable[RandomSource::Next(static_cast<int>(PageColorTable.size()) - 1)];
}

TNewMemoboard MemoboardDB::AddMemoboard(const QString& name) {
    try {
        SQLite::Transaction transaction(TfmData::Instance().Connection());
        TNewMemoboard created;
        created.MemoboardId =
            InsertRow(QStringLiteral("INSERT INTO Memoboard(ParentId,Caption,Position,Color,"
                                     "BgColor)  VALUES(0,:Caption,0,0,0);"),
                      {{QStringLiteral("Caption"), name}});
        if (created.MemoboardId == 0)
            return {};
        created.TabId = InsertTab(created.MemoboardId, QStringLiteral("Tab1"), RandomTabColor(),
                                  RandomPageColor());
        if (created.TabId == 0)
            return {};
        transaction.commit();
        return created;
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "cannot add a memoboard:" << error.what();
        return {};
    }
}

int MemoboardDB::AddTab(int memoboardId, const QString& caption, int color) {
    try {
        return InsertTab(memoboardId, caption, color, color);
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "cannot add a tab:" << error.what();
        return 0;
    }
}

TDeletedNotes MemoboardDB::DeleteMemoboard(int memoboardId) {
    Dataset tabs;
    QueryInto(QStringLiteral("SELECT * FROM Memoboard WHERE Parentid=") + IdText(memoboardId),
              tabs);
    return TrashNotesThenDelete(
        IdsOf(tabs, QStringLiteral("id")),
        {QStringLiteral("DELETE FROM Memoboard WHERE parentid=") + IdText(memoboardId),
         QStringLiteral("DELETE FROM Memoboard WHERE Id=") + IdText(memoboardId)});
}

bool MemoboardDB::MoveTab(int targetMemoboardId, int tabId) {
    return RunSQL(QStringLiteral("UPDATE Memoboard set ParentId=") + IdText(targetMemoboardId) +
                  QStringLiteral(" WHERE id=") + IdText(tabId));
}

TDeletedNotes MemoboardDB::DeleteTab(int tabId) {
    return TrashNotesThenDelete(
        {tabId}, {QStringLiteral("DELETE FROM Memoboard WHERE id=") + IdText(tabId)});
}

bool MemoboardDB::SetImagePosition(int code, int tabId) {
    return RunSQL(QStringLiteral("UPDATE Memoboard set Position=") + IdText(PlacementCode(code)) +
                  QStringLiteral(" WHERE id=") + IdText(tabId) + u';');
}

bool MemoboardDB::SetNoteOrder(int code, int tabId) {
    const int order = code >= 1 && code <= 4 ? code : 0;
    return RunSQL(QStringLiteral("UPDATE Memoboard set sort=") + IdText(order) +
                  QStringLiteral(" WHERE id=") + IdText(tabId) + u';');
}

bool MemoboardDB::SetBackgroundImage(const QString& fileName, int tabId) {
    return RunSQLParams(QStringLiteral("UPDATE Memoboard set Bgimg=:bgimg WHERE id=") +
                            IdText(tabId) + u';',
                        {{QStringLiteral("bgimg"), BareFileName(fileName)}});
}

bool MemoboardDB::SetCaption(const QString& caption, int rowId) {
    return RunSQLParams(QStringLiteral("UPDATE Memoboard set Caption=:Caption WHERE id=") +
                            IdText(rowId) + u';',
                        {{QStringLiteral("Caption"), caption}});
}

bool MemoboardDB::UpdateTab(const TTabInfo& tab) {
    return RunSQLParams(
        QStringLiteral("UPDATE Memoboard set Caption=:Caption,Position=:Position,Color=:Color,"
                       "Bgimg=:Bgimg,BgColor=:BgColor WHERE id=:id;"),
        {{QStringLiteral("Caption"), tab.Caption},
         {QStringLiteral("Position"), PlacementCode(tab.Position)},
         {QStringLiteral("Color"), tab.Color},
         {QStringLiteral("Bgimg"), BareFileName(tab.Bgimg)},
         {QStringLiteral("BgColor"), tab.BgColor},
         {QStringLiteral("id"), tab.Id}});
}

void MemoboardDB::GetMemoboardRow(int id, Dataset& dataset) {
    QueryInto(QStringLiteral("select * from memoboard where id=") + IdText(id), dataset);
}

void MemoboardDB::GetTabs(int memoboardId, Dataset& dataset) {
    QueryInto(QStringLiteral("select * from memoboard where ParentId=") + IdText(memoboardId) +
                  QStringLiteral(" ORDER BY id"),
              dataset);
}

std::vector<TMemoboardInfo> MemoboardDB::Memoboards() {
    Dataset rows;
    QueryInto(kMemoboardsSql, rows);
    std::vector<TMemoboardInfo> memoboards;
    for (const Dataset::Row row : rows)
        memoboards.push_back({static_cast<int>(row.FieldByName(QStringLiteral("Id")).AsInteger()),
                              row.FieldByName(QStringLiteral("Caption")).AsString()});
    return memoboards;
}

TTabInfo MemoboardDB::TabInfoFromRow(const Dataset::Row& row, const QString& imageFolder) {
    TTabInfo tab;
    tab.Id = static_cast<int>(row.FieldByName(QStringLiteral("Id")).AsInteger());
    tab.Caption = row.FieldByName(QStringLiteral("Caption")).AsString();
    tab.Color = static_cast<int>(row.FieldByName(QStringLiteral("Color")).AsInteger());
    tab.BgColor = static_cast<int>(row.FieldByName(QStringLiteral("BgColor")).AsInteger());
    const QString fileName = BareFileName(row.FieldByName(QStringLiteral("Bgimg")).AsString());
    if (!fileName.isEmpty())
        tab.Bgimg = imageFolder + fileName;
    const qint64 placement = row.FieldByName(QStringLiteral("Position")).AsInteger();
    if (placement >= 0 && placement <= 3)
        tab.Position = static_cast<std::uint8_t>(placement);
    return tab;
}

void MemoboardDB::FillMemoboardMenu(TMenuItem& root, bool excludeCurrentTab, int keepCount) const {
    const QString tabSql =
        excludeCurrentTab ? kTabsSql + QStringLiteral(" and id<>") + IdText(root.Tag) : kTabsSql;
    const std::optional<MenuRows> rows = QueryMenuRows(kMemoboardsSql, tabSql);
    if (!rows)
        return;
    TrimItems(root.Items, keepCount);
    if (excludeCurrentTab && root.Tag != 0)
        root.Items.push_back({QStringLiteral("Desktop"), 0, false, true, FItemMeasure, {}});
    AppendMemoboards(root.Items, *rows, {false, FItemMeasure});
}

void MemoboardDB::FillSwitchMenu(TMenuItem& popup, int keepCount, int currentMemoboardId,
                                 bool includeCurrent) const {
    const QString memoboardSql =
        includeCurrent ? kMemoboardsSql
                       : kMemoboardsSql + QStringLiteral(" and id<>") + IdText(currentMemoboardId);
    const std::optional<MenuRows> rows = QueryMenuRows(memoboardSql, kTabsSql);
    if (!rows)
        return;
    TrimItems(popup.Items, keepCount);
    AppendMemoboards(popup.Items, *rows, {true, false});
}

void MemoboardDB::FillMoveToMenu(TMenuItem& item) const {
    Dataset others;
    try {
        QueryInto(kMemoboardsSql + QStringLiteral(" and id<>") + IdText(item.Tag), others);
    } catch (const DatabaseError& error) {
        qCWarning(lcStorage) << "move-to menu left as it was:" << error.what();
        return;
    }
    if (others.IsEmpty())
        return;
    item.Items.clear();
    for (const Dataset::Row row : others)
        item.Items.push_back(Entry(row, true, {true, false}));
}

QString BareFileName(const QString& name) {
    const qsizetype separator = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const QString fileName = name.mid(separator + 1);
    if (fileName == u"." || fileName == u"..")
        return {};
    return fileName;
}
