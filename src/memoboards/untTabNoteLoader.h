// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untBusyCursor.h"
#include "untNoteDB.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class TfmNote;

// Opens the note windows of one tab page: the first few at once, the rest a slice at a time
// from the event loop, so a board with thousands of notes shows at once and answers the user
// while its notes arrive. The notes end stacked in the stored order, the first in front. A
// busy cursor shows while notes are still waiting.
class TTabNoteLoader : public QObject {
    Q_OBJECT
public:
    // Opens the window of one row on the page.
    using TOpenRow = std::function<TfmNote*(const NoteRecord&)>;

    // How many notes open before the first paint; smaller pages open whole at once.
    static constexpr int OpenedAtOnce = 100;
    // How long one slice of the event loop may spend opening notes.
    static constexpr int SliceMs = 25;

    TTabNoteLoader(QList<NoteRecord> rows, TOpenRow openRow, QObject* parent);
    ~TTabNoteLoader() override;
    TTabNoteLoader(const TTabNoteLoader&) = delete;
    TTabNoteLoader& operator=(const TTabNoteLoader&) = delete;

    // Opens the first notes, and schedules the rest.
    void Start();
    bool IsLoading() const { return FNext < FRows.size(); }
    // Opens the note of that id ahead of its turn; none when it is not waiting.
    TfmNote* OpenNow(int noteId);
    // Opens every note still waiting.
    void FinishNow();
    // Drops the notes still waiting: the page is going away.
    void Stop();

signals:
    void NoteOpened(TfmNote* note);

private:
    void OpenSlice();
    void OpenRow(const NoteRecord& row);

    QList<NoteRecord> FRows;
    qsizetype FNext = 0;
    TOpenRow FOpenRow;
    QTimer FSliceTimer;
    QPointer<TfmNote> FInFront;
    // Shown while notes are waiting.
    std::optional<TBusyCursor> FBusy;
};
