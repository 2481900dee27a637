#include "untNoteLoader.h"

#include "RtfReader.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untDateTime.h"
#include "untNoteDB.h"
#include "untUtil.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QTextEdit>

namespace {

Q_LOGGING_CATEGORY(lcLoader, "velmar.notes.loader")

// Where a new note starts its cascade, also the place of a note whose Position is unreadable.
QPoint CascadeStart() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    const QRect area = screen->geometry();
    return {area.width() / 3, area.height() / 3};
}

QPoint StoredPosition(const NoteRow& row) {
    if (const auto pair = ParsePair(row.position))
        return {pair->first, pair->second};
    qCWarning(lcLoader) << "note" << row.id << "has an unreadable position" << row.position
                        << "- opened at the cascade start";
    return CascadeStart();
}

QSize StoredSize(const NoteRow& row) {
    if (const auto pair = ParsePair(row.size))
        return {pair->first, pair->second};
    qCWarning(lcLoader) << "note" << row.id << "has an unreadable size" << row.size
                        << "- opened at the default size";
    return {TfmNote::DefaultWidth, TfmNote::DefaultHeight};
}

// A desktop note lying entirely off every screen is shown at the nearest place where it is
// whole on a screen; the stored Position stays until the user moves the note.
QPoint ReachablePosition(const QRect& note) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return note.topLeft();
    QPoint best = note.topLeft();
    qint64 bestDistance = -1;
    for (const QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        if (area.intersects(note))
            return note.topLeft();
        const QPoint inside(std::clamp(note.left(), area.left(),
                                       std::max(area.left(), area.right() - note.width() + 1)),
                            std::clamp(note.top(), area.top(),
                                       std::max(area.top(), area.bottom() - note.height() + 1)));
        const QPoint travel = inside - note.topLeft();
        const qint64 distance = qint64(travel.x()) * travel.x() + qint64(travel.y()) * travel.y();
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = inside;
        }
    }
    return best;
}

void ApplyReminder(TfmNote& note, const NoteRow& row) {
    if (row.type2 == NoteDB::NoReminder) {
        note.FHasReminder = false;
        return;
    }
    note.FHasReminder = true;
    note.FReminderTime = DateTimeText::ParseNumber(row.nTime).value_or(0);
    note.FRepeatCount = row.timeOut;
    note.FRepeatUnit = row.timeOutType;
}

void LoadText(TfmNote& note, const NoteRow& row) {
    // A row whose Rtf is not RTF (or empty) shows its plain text.
    if (!RtfReader::Read(row.rtf.toUtf8(), *note.retShow->document()))
        note.retShow->setPlainText(row.content);
}

// A note window for one row, not shown yet. Desktop notes are top-level windows, notes of a
// tab children of its page.
TfmNote* CreateNoteWindow(const NoteRow& row, QWidget* memoboard, QWidget* container) {
    TfmNote::FDesktopMode = memoboard == nullptr;
    auto* note = new TfmNote(container);
    TfmNote::FDesktopMode = true;
    note->FInMemoboard = memoboard != nullptr;
    note->FParentId = row.parentId;
    note->FNoteId = row.id;
    note->FColor = row.color;
    ApplyReminder(*note, row);
    QRect geometry(StoredPosition(row), StoredSize(row));
    if (note->isWindow())
        geometry.moveTopLeft(ReachablePosition(geometry));
    note->setGeometry(geometry);
    LoadText(*note, row);
    note->FOnTop = row.type3;
    if (note->isWindow())
        note->SetOnTopStyle(row.type3 == 1);
    note->LayoutContent();
    return note;
}

void Register(TfmNote* note, QWidget* memoboard) {
    if (!memoboard)
        TfmUntil::Instance().RegisterNote(note->FNoteId, note);
}

} // namespace

void LoadNotes(int orderCode, QWidget* memoboard, int parentId, QWidget* container) {
    Dataset rows;
    NoteDB::ListForLoading(orderCode, parentId, rows);
    for (const Dataset::Row record : rows) {
        const NoteRow row = NoteRow::FromRecord(record);
        TfmNote* note = CreateNoteWindow(row, memoboard, container);
        if (row.type == NoteDB::StateMinimized) {
            note->MinimizeToTile();
        } else {
            note->FState = 0;
            if (TfmUntil::Instance().FShowAllNotes || memoboard)
                note->show();
            note->lower();
        }
        note->FModified = false;
        Register(note, memoboard);
    }
}

TfmNote* OpenNote(int noteId, QWidget* memoboard, QWidget* container) {
    const std::optional<NoteRow> row = NoteDB::ReadNote(noteId);
    if (!row)
        return nullptr;
    TfmNote* note = CreateNoteWindow(*row, memoboard, container);
    if (memoboard) {
        note->move(12, 12);
        NoteDB(note).SavePosition();
    }
    if (row->type == NoteDB::StateMinimized) {
        note->MinimizeToTile();
    } else {
        note->FState = 0;
        note->show();
        note->raise();
    }
    note->FModified = false;
    Register(note, memoboard);
    return note;
}

void ReloadNote(TfmNote& note) {
    const std::optional<NoteRow> row = NoteDB::ReadNote(note.FNoteId);
    if (!row)
        return;
    note.FParentId = row->parentId;
    note.FNoteId = row->id;
    note.FInMemoboard = note.FParentId != 0;
    note.FColor = row->color;
    ApplyReminder(note, *row);
    note.FOnTop = row->type3;
}
