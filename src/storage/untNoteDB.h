#pragma once

#include "untDB.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// What the note store reads from the note window it is bound to. The note window implements
// it; the store never sees the window itself.
class BoundNote {
public:
    virtual ~BoundNote() = default;
    virtual int NoteId() const = 0;
    virtual int ParentId() const = 0;
    virtual int NoteColor() const = 0;
    virtual int OnTop() const = 0;
    virtual QPoint NotePosition() const = 0;
    virtual QSize NoteSize() const = 0;
    virtual QString PlainText() const = 0;
    virtual QString RtfText() const = 0;
};

// One row of table Note as plain values.
struct NoteRow {
    int id = 0;
    int parentId = 0;
    QString position;
    QString content;
    QString rtf;
    int color = 0;
    int type = 1;
    int type2 = 1;
    int type3 = 0;
    int noteType = 0;
    QString size;
    QString createTime;
    QString modifyTime;
    QString nTime;
    int timeOut = 0;
    int timeOutType = 0;

    static NoteRow FromRecord(const Dataset::Row& record);
    static NoteRow FromCurrent(const Dataset& dataset);
};

// The SQL of table Note (but the reminder columns) and of the search history. Operations on
// the bound note read its values at the moment of the call; every operation writes at once.
class NoteDB {
public:
    // The codes of SaveField.
    enum FieldCode {
        SavePositionCode = 0,
        SaveSizeCode = 1,
        SaveColorCode = 2,
        SaveContentCode = 3,
        SetStateCode = 4,
        SetReminderFlagCode = 5,
        SetOnTopCode = 6,
        TouchModifiedCode = 7,
        SaveParentCode = 8,
    };
    // Note states (column Type) and reminder flags (column Type2).
    enum State { StateShown = 1, StateMinimized = 2, StateTrashed = 3 };
    enum ReminderFlag { NoReminder = 1, ReminderSet = 2 };

    explicit NoteDB(const BoundNote* note = nullptr) : FNote(note) {}

    // Runs the operation of `code`; `value` is used by codes 4, 5 and 6. Unknown codes do
    // nothing and answer false.
    bool SaveField(int code, int value = 0);
    bool SavePosition();
    bool SaveSize();
    bool SaveColor();
    bool SaveContent();
    bool SetState(int state);
    bool SetReminderFlag(int flag);
    bool SetOnTop(int onTop); // also moves the note to the desktop
    bool TouchModified();
    bool SaveParent();

    // Inserts the bound note as a new row; answers its id, or 0 when the insert failed.
    int InsertNote();
    // The row of one note, any state; nullopt when there is none.
    static std::optional<NoteRow> ReadNote(int noteId);

    static bool MoveNote(int targetTabId, int noteId, int currentParentId);
    static bool SavePositionOf(int noteId, int left, int top);
    static void ListByParent(int parentId, Dataset& dataset);
    // The non-trashed notes of one parent in the order of a tab's order code (0..4).
    static void ListForLoading(int orderCode, int parentId, Dataset& dataset);
    // Notes whose Content contains `text` ('%' and '_' act as wildcards; ASCII letters match
    // without regard to case).
    static void SearchContent(const QString& text, Dataset& dataset, bool includeTrash);
    static void GetNoteTimes(int noteId, Dataset& dataset);
    static void ListTrash(Dataset& dataset);
    static bool DeleteNote(int noteId);
    static bool EmptyTrash();

    // The items of the search-history box: one empty item, then up to six texts, newest
    // first-search first.
    static QStringList SearchHistory();
    static void AddSearchHistory(const QString& text);

private:
    bool RunOnNote(const QString& sql, SqlParams params);

    const BoundNote* FNote;
};
