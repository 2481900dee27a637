// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteDB.h"

#include "frmData.h"
#include "untDateTime.h"
#include "untStorageLog.h"
#include "untTextSearch.h"
#include "untUtil.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace {

// The codes of column Type.
constexpr int TypeShown = 1;
constexpr int TypeMinimized = 2;
constexpr int TypeTrashed = 3;
// The codes of column Type2.
constexpr int NoReminder = 1;
constexpr int ReminderSet = 2;

int TypeOf(NoteState state) {
    switch (state) {
    case NoteState::Minimized:
        return TypeMinimized;
    case NoteState::Trashed:
        return TypeTrashed;
    case NoteState::Shown:
        break;
    }
    return TypeShown;
}

// Any code but minimised and trashed opens the note as shown, as loading always has.
NoteState StateOf(int type) {
    switch (type) {
    case TypeMinimized:
        return NoteState::Minimized;
    case TypeTrashed:
        return NoteState::Trashed;
    default:
        return NoteState::Shown;
    }
}

std::optional<QPoint> PositionOf(int noteId, const QString& text) {
    if (const auto pair = ParsePair(text))
        return QPoint(pair->first, pair->second);
    qCWarning(lcStorage).nospace() << "note " << noteId << " has an unreadable position " << text
                                   << " - opened at the cascade start";
    return std::nullopt;
}

QSize SizeOf(int noteId, const QString& text) {
    if (const auto pair = ParsePair(text))
        return {pair->first, pair->second};
    qCWarning(lcStorage).nospace() << "note " << noteId << " has an unreadable size " << text
                                   << " - opened at the default size";
    return DefaultNoteSize;
}

QDateTime MomentOf(const QString& text) {
    return DateTimeText::FromNumber(DateTimeText::ParseNumber(text).value_or(0));
}

NoteRecord RecordOf(const Dataset::Row& row) {
    const auto field = [&](const char* name) { return row.FieldByName(QString::fromLatin1(name)); };
    const auto integer = [&](const char* name) {
        return static_cast<int>(field(name).AsInteger());
    };
    NoteRecord record;
    record.id = integer("Id");
    record.parentId = integer("ParentId");
    record.position = PositionOf(record.id, field("Position").AsString());
    record.size = SizeOf(record.id, field("Size").AsString());
    record.content = field("Content").AsString();
    record.rtf = field("Rtf").AsBytes();
    record.color = integer("Color");
    record.state = StateOf(integer("Type"));
    record.hasReminder = integer("Type2") != NoReminder;
    record.onTop = integer("Type3") == 1;
    record.kind = static_cast<NoteKind>(integer("NoteType"));
    record.createTime = MomentOf(field("CreateTime").AsString());
    record.modifyTime = MomentOf(field("ModifyTime").AsString());
    record.reminderTime = MomentOf(field("NTime").AsString());
    record.repeatCount = integer("TimeOut");
    record.repeatUnit = integer("TimeOutType");
    return record;
}

bool RunOnNote(int noteId, const QString& sql, SqlParams params) {
    params.append({QStringLiteral("id"), noteId});
    return RunSQLParams(sql, params);
}

} // namespace

bool NoteDB::SaveField(int code, const NoteValues& note, int value) {
    switch (code) {
    case SavePositionCode:
        return SavePosition(note.id, note.position);
    case SaveSizeCode:
        return SaveSize(note.id, note.size);
    case SaveColorCode:
        return SaveColor(note.id, note.color);
    case SaveContentCode:
        return SaveContent(note.id, note.plainText, note.rtf);
    case SetStateCode:
        return RunOnNote(note.id, QStringLiteral("update note set type=:type Where id=:id"),
                         {{QStringLiteral("type"), value}});
    case SetReminderFlagCode:
        return RunOnNote(note.id, QStringLiteral("update note set type2=:type2 Where id=:id"),
                         {{QStringLiteral("type2"), value}});
    case SetOnTopCode:
        return RunOnNote(note.id,
                         QStringLiteral("update note set type3=:type3,ParentId=0 Where id=:id"),
                         {{QStringLiteral("type3"), value}});
    case TouchModifiedCode:
        return TouchModified(note.id);
    case SaveParentCode:
        return SaveParent(note.id, note.parentId);
    default:
        return false;
    }
}

bool NoteDB::SavePosition(int noteId, const QPoint& position) {
    return RunOnNote(noteId, QStringLiteral("update note set Position=:Position Where id=:id"),
                     {{QStringLiteral("Position"), PairText(position.x(), position.y())}});
}

bool NoteDB::SaveSize(int noteId, const QSize& size) {
    return RunOnNote(noteId, QStringLiteral("update note set size=:size Where id=:id"),
                     {{QStringLiteral("size"), PairText(size.width(), size.height())}});
}

bool NoteDB::SaveColor(int noteId, int color) {
    return RunOnNote(noteId, QStringLiteral("update note set Color=:Color Where id=:id"),
                     {{QStringLiteral("Color"), color}});
}

bool NoteDB::SaveContent(int noteId, const QString& plainText, const QByteArray& rtf) {
    return RunOnNote(noteId,
                     QStringLiteral("update note set Content=:Content,Rtf=:Rtf  Where id=:id"),
                     {{QStringLiteral("Content"), plainText}, {QStringLiteral("Rtf"), rtf}});
}

bool NoteDB::SetState(int noteId, NoteState state) {
    return SaveField(SetStateCode, {.id = noteId}, TypeOf(state));
}

bool NoteDB::SetReminderFlag(int noteId, bool hasReminder) {
    return SaveField(SetReminderFlagCode, {.id = noteId}, hasReminder ? ReminderSet : NoReminder);
}

bool NoteDB::SetOnTop(int noteId, bool onTop) {
    return SaveField(SetOnTopCode, {.id = noteId}, onTop ? 1 : 0);
}

bool NoteDB::TouchModified(int noteId) {
    return RunOnNote(noteId, QStringLiteral("update note set ModifyTime=:ModifyTime Where id=:id"),
                     {{QStringLiteral("ModifyTime"), DateTimeText::Now()}});
}

bool NoteDB::SaveParent(int noteId, int parentId) {
    return RunOnNote(noteId, QStringLiteral("update note set ParentId=:ParentId Where id=:id"),
                     {{QStringLiteral("ParentId"), parentId}});
}

int NoteDB::InsertNote(const NoteValues& note) {
    const QString sql = QStringLiteral(
        "INSERT INTO Note(ParentId,Position,Content,Rtf, "
        "Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)  "
        "VALUES(:Pid,:Position,:Content,:Rtf, :Color,1,1,:Type3,0,:Size,:CreateTime, "
        ":ModifyTime,\"0\",0,0)");
    const QString now = DateTimeText::Now();
    const SqlParams params = {
        {QStringLiteral("Pid"), note.parentId},
        {QStringLiteral("Position"), PairText(note.position.x(), note.position.y())},
        {QStringLiteral("Content"), note.plainText},
        {QStringLiteral("Rtf"), note.rtf},
        {QStringLiteral("Color"), note.color},
        {QStringLiteral("Type3"), note.onTop ? 1 : 0},
        {QStringLiteral("Size"), PairText(note.size.width(), note.size.height())},
        {QStringLiteral("CreateTime"), now},
        {QStringLiteral("ModifyTime"), now},
    };
    try {
        // A private connection, so the row id read back is this insert's own.
        const std::unique_ptr<SQLite::Database> connection =
            TfmData::Instance().OpenPrivateConnection();
        if (!RunOnConnection(*connection, sql, params))
            return 0;
        return static_cast<int>(connection->getLastInsertRowid());
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "cannot open the database for an insert:" << error.what();
        return 0;
    }
}

std::optional<NoteRecord> NoteDB::ReadNote(int noteId) {
    Dataset dataset;
    QueryIntoParams(QStringLiteral("SELECT * FROM note WHERE id=:id"),
                    {{QStringLiteral("id"), noteId}}, dataset);
    if (dataset.IsEmpty())
        return std::nullopt;
    return RecordOf(*dataset.begin());
}

QByteArray NoteDB::ReadContent(int noteId) {
    QByteArray content;
    QueryEachRow(QStringLiteral("SELECT Content FROM note WHERE id=:id"),
                 {{QStringLiteral("id"), noteId}},
                 [&content](SQLite::Statement& row) { content = ColumnBytes(row.getColumn(0)); });
    return content;
}

QList<NoteRecord> NoteDB::ListForLoading(int orderCode, int parentId) {
    QString order;
    switch (orderCode) {
    case 2:
        order = QStringLiteral(" ORDER BY ID;");
        break;
    case 3:
        order = QStringLiteral(" ORDER BY ModifyTime DESC;");
        break;
    case 4:
        order = QStringLiteral(" ORDER BY ModifyTime;");
        break;
    default: // 0 and 1: newest first
        order = QStringLiteral(" ORDER BY ID DESC;");
    }
    Dataset dataset;
    QueryInto(QStringLiteral("SELECT * FROM note  WHERE Type<>3 and ParentId=") +
                  QString::number(parentId) + order,
              dataset);
    QList<NoteRecord> records;
    records.reserve(dataset.RecordCount());
    for (const Dataset::Row row : dataset)
        records.append(RecordOf(row));
    return records;
}

bool NoteDB::MoveNote(int targetTabId, int noteId, int currentParentId) {
    QString sql = QStringLiteral("update note set ParentId=:ParentId");
    if (currentParentId == 0) // a note leaving the desktop starts at the tab page's corner
        sql += QStringLiteral(",Position='12,12'");
    sql += QStringLiteral(" Where id=:id");
    return RunSQLParams(
        sql, {{QStringLiteral("ParentId"), targetTabId}, {QStringLiteral("id"), noteId}});
}

void NoteDB::ListByParent(int parentId, Dataset& dataset) {
    QueryInto(QStringLiteral("select * from note where ParentId=") + QString::number(parentId) +
                  QStringLiteral(" ORDER BY id"),
              dataset);
}

QList<NoteMatch> NoteDB::SearchContent(const QString& text, bool includeTrash) {
    // The text is bound, never spliced into the SQL, and matches itself, '%' and '_' included.
    // Only the matches' ids are read: a search may match most of the notes, and their text is
    // read one note at a time when it is looked at.
    QString sql = QStringLiteral("SELECT Id,ParentId,Type FROM note WHERE ") +
                  TextSearch::Condition(QStringLiteral("Content"), text);
    if (!includeTrash)
        sql += QStringLiteral(" AND Type<>3");
    QList<NoteMatch> matches;
    QueryEachRow(sql, {{QStringLiteral("term"), TextSearch::TermValue(text)}},
                 [&matches](SQLite::Statement& row) {
                     matches.append({row.getColumn(0).getInt(), row.getColumn(1).getInt(),
                                     StateOf(row.getColumn(2).getInt())});
                 });
    return matches;
}

void NoteDB::GetNoteTimes(int noteId, Dataset& dataset) {
    QueryIntoParams(QStringLiteral("SELECT CreateTime,ModifyTime FROM Note WHERE ID=:ID"),
                    {{QStringLiteral("ID"), QString::number(noteId)}}, dataset);
}

void NoteDB::ListTrash(Dataset& dataset) {
    QueryInto(QStringLiteral("SELECT * FROM note WHERE Type=3 "), dataset);
}

bool NoteDB::DeleteNote(int noteId) {
    return RunSQLParams(QStringLiteral("DELETE FROM Note WHERE ID=:ID"),
                        {{QStringLiteral("ID"), QString::number(noteId)}});
}

bool NoteDB::EmptyTrash() {
    return RunSQL(QStringLiteral("DELETE FROM Note WHERE Type=3"));
}

QStringList NoteDB::SearchHistory() {
    Dataset dataset;
    QueryInto(QStringLiteral("SELECT * FROM FindInfo ORDER BY ctime DESC limit 0,6;"), dataset);
    QStringList items{QString()};
    for (const Dataset::Row row : dataset)
        items.append(row.FieldByName(QStringLiteral("info")).AsString());
    return items;
}

void NoteDB::AddSearchHistory(const QString& text) {
    if (text.isEmpty())
        return;
    Dataset existing;
    QueryIntoParams(QStringLiteral("SELECT * FROM FindInfo WHERE info=:info"),
                    {{QStringLiteral("info"), text}}, existing);
    if (!existing.IsEmpty())
        return; // an existing entry keeps its first-search time
    RunSQLParams(QStringLiteral("Insert Into FindInfo(info,ctime) values(:info,:ctime)"),
                 {{QStringLiteral("info"), text}, {QStringLiteral("ctime"), DateTimeText::Now()}});
}
