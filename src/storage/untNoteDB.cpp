#include "untNoteDB.h"

#include "frmData.h"
#include "untDateTime.h"
#include "untStorageLog.h"
#include "untUtil.h"

#include <SQLiteCpp/Database.h>

NoteRow NoteRow::FromRecord(const Dataset::Row& record) {
    const auto integer = [&](const char* name) {
        return static_cast<int>(record.FieldByName(QString::fromLatin1(name)).AsInteger());
    };
    const auto text = [&](const char* name) {
        return record.FieldByName(QString::fromLatin1(name)).AsString();
    };
    NoteRow row;
    row.id = integer("Id");
    row.parentId = integer("ParentId");
    row.position = text("Position");
    row.content = text("Content");
    row.rtf = text("Rtf");
    row.color = integer("Color");
    row.type = integer("Type");
    row.type2 = integer("Type2");
    row.type3 = integer("Type3");
    row.noteType = integer("NoteType");
    row.size = text("Size");
    row.createTime = text("CreateTime");
    row.modifyTime = text("ModifyTime");
    row.nTime = text("NTime");
    row.timeOut = integer("TimeOut");
    row.timeOutType = integer("TimeOutType");
    return row;
}

NoteRow NoteRow::FromCurrent(const Dataset& dataset) {
    return FromRecord(*(dataset.begin()));
}

bool NoteDB::SaveField(int code, int value) {
    switch (code) {
    case SavePositionCode:
        return SavePosition();
    case SaveSizeCode:
        return SaveSize();
    case SaveColorCode:
        return SaveColor();
    case SaveContentCode:
        return SaveContent();
    case SetStateCode:
        return SetState(value);
    case SetReminderFlagCode:
        return SetReminderFlag(value);
    case SetOnTopCode:
        return SetOnTop(value);
    case TouchModifiedCode:
        return TouchModified();
    case SaveParentCode:
        return SaveParent();
    default:
        return false;
    }
}

bool NoteDB::RunOnNote(const QString& sql, SqlParams params) {
    if (!FNote)
        return false;
    params.append({QStringLiteral("id"), FNote->NoteId()});
    return RunSQLParams(sql, params);
}

bool NoteDB::SavePosition() {
    if (!FNote)
        return false;
    const QPoint position = FNote->NotePosition();
    return RunOnNote(QStringLiteral("update note set Position=:Position Where id=:id"),
                     {{QStringLiteral("Position"), PairText(position.x(), position.y())}});
}

bool NoteDB::SaveSize() {
    if (!FNote)
        return false;
    const QSize size = FNote->NoteSize();
    return RunOnNote(QStringLiteral("update note set size=:size Where id=:id"),
                     {{QStringLiteral("size"), PairText(size.width(), size.height())}});
}

bool NoteDB::SaveColor() {
    if (!FNote)
        return false;
    return RunOnNote(QStringLiteral("update note set Color=:Color Where id=:id"),
                     {{QStringLiteral("Color"), FNote->NoteColor()}});
}

bool NoteDB::SaveContent() {
    if (!FNote)
        return false;
    return RunOnNote(QStringLiteral("update note set Content=:Content,Rtf=:Rtf  Where id=:id"),
                     {{QStringLiteral("Content"), FNote->PlainText()},
                      {QStringLiteral("Rtf"), FNote->RtfText()}});
}

bool NoteDB::SetState(int state) {
    return RunOnNote(QStringLiteral("update note set type=:type Where id=:id"),
                     {{QStringLiteral("type"), state}});
}

bool NoteDB::SetReminderFlag(int flag) {
    return RunOnNote(QStringLiteral("update note set type2=:type2 Where id=:id"),
                     {{QStringLiteral("type2"), flag}});
}

bool NoteDB::SetOnTop(int onTop) {
    return RunOnNote(QStringLiteral("update note set type3=:type3,ParentId=0 Where id=:id"),
                     {{QStringLiteral("type3"), onTop}});
}

bool NoteDB::TouchModified() {
    return RunOnNote(QStringLiteral("update note set ModifyTime=:ModifyTime Where id=:id"),
                     {{QStringLiteral("ModifyTime"), DateTimeText::Now()}});
}

bool NoteDB::SaveParent() {
    if (!FNote)
        return false;
    return RunOnNote(QStringLiteral("update note set ParentId=:ParentId Where id=:id"),
                     {{QStringLiteral("ParentId"), FNote->ParentId()}});
}

int NoteDB::InsertNote() {
    if (!FNote)
        return 0;
    const QString sql = QStringLiteral(
        "INSERT INTO Note(ParentId,Position,Content,Rtf, "
        "Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)  "
        "VALUES(:Pid,:Position,:Content,:Rtf, :Color,1,1,:Type3,0,:Size,:CreateTime, "
        ":ModifyTime,\"0\",0,0)");
    const QPoint position = FNote->NotePosition();
    const QSize size = FNote->NoteSize();
    const QString now = DateTimeText::Now();
    const SqlParams params = {
        {QStringLiteral("Pid"), FNote->ParentId()},
        {QStringLiteral("Position"), PairText(position.x(), position.y())},
        {QStringLiteral("Content"), FNote->PlainText()},
        {QStringLiteral("Rtf"), FNote->RtfText()},
        {QStringLiteral("Color"), FNote->NoteColor()},
        {QStringLiteral("Type3"), FNote->OnTop()},
        {QStringLiteral("Size"), PairText(size.width(), size.height())},
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

std::optional<NoteRow> NoteDB::ReadNote(int noteId) {
    Dataset dataset;
    QueryIntoParams(QStringLiteral("SELECT * FROM note WHERE id=:id"),
                    {{QStringLiteral("id"), noteId}}, dataset);
    if (dataset.IsEmpty())
        return std::nullopt;
    return NoteRow::FromCurrent(dataset);
}

bool NoteDB::MoveNote(int targetTabId, int noteId, int currentParentId) {
    QString sql = QStringLiteral("update note set ParentId=:ParentId");
    if (currentParentId == 0) // a note leaving the desktop starts at the tab page's corner
        sql += QStringLiteral(",Position='12,12'");
    sql += QStringLiteral(" Where id=:id");
    return RunSQLParams(
        sql, {{QStringLiteral("ParentId"), targetTabId}, {QStringLiteral("id"), noteId}});
}

bool NoteDB::SavePositionOf(int noteId, int left, int top) {
    return RunSQLParams(
        QStringLiteral("update note set Position=:Position Where id=:id"),
        {{QStringLiteral("Position"), PairText(left, top)}, {QStringLiteral("id"), noteId}});
}

void NoteDB::ListByParent(int parentId, Dataset& dataset) {
    QueryInto(QStringLiteral("select * from note where ParentId=") + QString::number(parentId) +
                  QStringLiteral(" ORDER BY id"),
              dataset);
}

void NoteDB::ListForLoading(int orderCode, int parentId, Dataset& dataset) {
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
    QueryInto(QStringLiteral("SELECT * FROM note  WHERE Type<>3 and ParentId=") +
                  QString::number(parentId) + order,
              dataset);
}

void NoteDB::SearchContent(const QString& text, Dataset& dataset, bool includeTrash) {
    // The text is bound, never spliced into the SQL: '%' and '_' still act as wildcards.
    QString sql = QStringLiteral("SELECT * FROM note WHERE Content Like '%' || :text || '%'");
    if (!includeTrash)
        sql += QStringLiteral(" AND Type<>3");
    QueryIntoParams(sql, {{QStringLiteral("text"), text}}, dataset);
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
