// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteLoader.h"

#include "frmNote.h"
#include "untNoteDB.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// Where a new note starts its cascade, also the place of a note whose Position is unreadable.
QPoint CascadeStart() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    const QRect area = screen->geometry();
    return {area.width() / 3, area.height() / 3};
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

// A stored Size no larger than the screen the note lies on and no smaller than a note can be,
// so a damaged row cannot make a window of gigabytes; the row keeps its value until the user
// resizes the note.
QSize ShownSize(const QSize& stored, const QPoint& place, bool desktopNote) {
    const QScreen* screen = desktopNote ? QGuiApplication::screenAt(place) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QSize smallest(TfmNote::MinimumWidth, TfmNote::MinimumHeight);
    if (!screen)
        return stored.expandedTo(smallest);
    return stored.boundedTo(screen->geometry().size()).expandedTo(smallest);
}

// A note window for one row, not shown yet. Desktop notes are top-level windows, notes of a
// tab children of its page. A Position that does not read opens the note at the cascade start.
TfmNote* CreateNoteWindow(const NoteRecord& row, QWidget* memoboard, QWidget* container) {
    auto* note = new TfmNote(memoboard ? NoteMode::Memoboard : NoteMode::Desktop, container);
    note->TakeStoredValues(row);
    const QPoint place = row.position.value_or(CascadeStart());
    QRect geometry(place, ShownSize(row.size, place, note->isWindow()));
    if (note->isWindow())
        geometry.moveTopLeft(ReachablePosition(geometry));
    note->setGeometry(geometry);
    note->LoadText(row.rtf, row.content);
    if (note->isWindow())
        note->SetOnTopStyle(row.onTop);
    note->LayoutContent();
    return note;
}

} // namespace

QList<TfmNote*> LoadNotes(int orderCode, QWidget* memoboard, int parentId, QWidget* container,
                          bool showDesktopNotes) {
    // Opened from the last row to the first: each window appears in front of those opened
    // before it, so the notes lie in the order of the rows without restacking every one (a
    // restack makes the X server expose, and the program repaint, the windows it uncovers).
    const QList<NoteRecord> rows = NoteDB::ListForLoading(orderCode, parentId);
    QList<TfmNote*> notes;
    notes.reserve(rows.size());
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        notes.prepend(OpenListedNote(*row, memoboard, container, showDesktopNotes));
    return notes;
}

TfmNote* OpenListedNote(const NoteRecord& row, QWidget* memoboard, QWidget* container,
                        bool showDesktopNotes) {
    TfmNote* note = CreateNoteWindow(row, memoboard, container);
    if (row.state == NoteState::Minimized) {
        note->MinimizeToTile();
    } else {
        note->SetState(NoteState::Shown);
        if (showDesktopNotes || memoboard)
            note->ShowLoaded();
    }
    note->SetModified(false);
    return note;
}

TfmNote* OpenNote(int noteId, QWidget* memoboard, QWidget* container) {
    const std::optional<NoteRecord> row = NoteDB::ReadNote(noteId);
    if (!row)
        return nullptr;
    TfmNote* note = CreateNoteWindow(*row, memoboard, container);
    if (memoboard) {
        note->move(12, 12);
        NoteDB::SavePosition(note->NoteId(), note->pos());
    }
    if (row->state == NoteState::Minimized) {
        note->MinimizeToTile();
    } else {
        note->SetState(NoteState::Shown);
        note->show();
        note->raise();
    }
    note->SetModified(false);
    return note;
}

void ReloadNote(TfmNote& note) {
    const std::optional<NoteRecord> row = NoteDB::ReadNote(note.NoteId());
    if (!row)
        return;
    note.TakeStoredValues(*row);
    note.SetInMemoboard(row->parentId != 0);
}
