// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untDB.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Where a note is: on screen (or on its tab page), minimised to its tile, or in the trash.
// Stored in column Type; NoteDB alone knows the codes.
enum class NoteState { Shown, Minimized, Trashed };

// Column NoteType. Every note made by this program is a plain note; other values, which
// imported files may carry, pass through unchanged.
enum class NoteKind : int { Plain = 0 };

// The size a note opens at when its Size text does not read.
inline constexpr QSize DefaultNoteSize(172, 120);

// One row of table Note, read and parsed once by the store.
struct NoteRecord {
    int id = 0;
    int parentId = 0;
    // None when the Position text does not read (the store has logged it); the window side
    // chooses where such a note opens.
    std::optional<QPoint> position;
    QSize size = DefaultNoteSize; // DefaultNoteSize when the Size text does not read (logged)
    QString content;
    QByteArray rtf; // the stored bytes, as the RTF reader takes them
    int color = 0;
    NoteState state = NoteState::Shown;
    bool hasReminder = false; // Type2
    bool onTop = false;       // Type3
    NoteKind kind = NoteKind::Plain;
    QDateTime createTime;
    QDateTime modifyTime;
    QDateTime reminderTime; // NTime; meaningful with hasReminder
    int repeatCount = 0;    // TimeOut
    int repeatUnit = 0;     // TimeOutType
};

// A note a search found. A search may match most of the notes: their text is read by id when
// a list draws them (ReadContent).
struct NoteMatch {
    int id = 0;
    int parentId = 0;
    NoteState state = NoteState::Shown;
};

// A note's own values as its window holds them: what a new row and SaveField are written from.
struct NoteValues {
    int id = 0;
    int parentId = 0;
    int color = 0;
    bool onTop = false;
    QPoint position{};
    QSize size = DefaultNoteSize;
    QString plainText{};
    QByteArray rtf{};
};

// The SQL of table Note (but the reminder columns) and of the search history. Every operation
// writes at once and takes the values it writes; the store never sees a window.
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

    // Writes the columns of `code` from the note's values; `value` is the stored code that
    // codes 4 (Type), 5 (Type2) and 6 (Type3) write. Unknown codes do nothing and answer false.
    static bool SaveField(int code, const NoteValues& note, int value = 0);
    static bool SavePosition(int noteId, const QPoint& position);
    static bool SaveSize(int noteId, const QSize& size);
    static bool SaveColor(int noteId, int color);
    static bool SaveContent(int noteId, const QString& plainText, const QByteArray& rtf);
    static bool SetState(int noteId, NoteState state);
    static bool SetReminderFlag(int noteId, bool hasReminder);
    static bool SetOnTop(int noteId, bool onTop); // also moves the note to the desktop
    static bool TouchModified(int noteId);
    static bool SaveParent(int noteId, int parentId);

    // Inserts the note as a new row (its id is not used); answers the new id, or 0 when the
    // insert failed.
    static int InsertNote(const NoteValues& note);
    // The row of one note, any state; nullopt when there is none.
    static std::optional<NoteRecord> ReadNote(int noteId);
    // A note's plain text as stored (UTF-8); empty when there is no such note.
    static QByteArray ReadContent(int noteId);
    // The non-trashed notes of one parent in the order of a tab's order code (0..4).
    static QList<NoteRecord> ListForLoading(int orderCode, int parentId);

    static bool MoveNote(int targetTabId, int noteId, int currentParentId);
    static void ListByParent(int parentId, Dataset& dataset);
    // Notes whose Content contains `text` anywhere, without regard to case (see
    // untTextSearch.h); every character of the text, '%' and '_' included, matches itself.
    static QList<NoteMatch> SearchContent(const QString& text, bool includeTrash);
    static void GetNoteTimes(int noteId, Dataset& dataset);
    static void ListTrash(Dataset& dataset);
    static bool DeleteNote(int noteId);
    static bool EmptyTrash();

    // The items of the search-history box: one empty item, then up to six texts, newest
    // first-search first.
    static QStringList SearchHistory();
    static void AddSearchHistory(const QString& text);
};
