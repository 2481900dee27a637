// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTabNoteLoader.h"

#include "frmNote.h"

#include <QElapsedTimer>

#include <algorithm>

TTabNoteLoader::TTabNoteLoader(QList<NoteRecord> rows, TOpenRow openRow, QObject* parent)
    : QObject(parent), FRows(std::move(rows)), FOpenRow(std::move(openRow)) {
    // The last row first: each window opens in front of those opened before it, so the first
    // row ends in front without restacking (a widget's repaint walks the siblings in front).
    std::reverse(FRows.begin(), FRows.end());
    FSliceTimer.setInterval(0);
    connect(&FSliceTimer, &QTimer::timeout, this, &TTabNoteLoader::OpenSlice);
}

TTabNoteLoader::~TTabNoteLoader() = default;

void TTabNoteLoader::Start() {
    while (IsLoading() && FNext < OpenedAtOnce)
        OpenRow(FRows.at(FNext++));
    if (IsLoading()) {
        FBusy.emplace(Qt::BusyCursor);
        FSliceTimer.start();
    }
}

void TTabNoteLoader::OpenSlice() {
    QElapsedTimer slice;
    slice.start();
    do {
        OpenRow(FRows.at(FNext++));
    } while (IsLoading() && slice.elapsed() < SliceMs);
    if (!IsLoading())
        Stop();
}

TfmNote* TTabNoteLoader::OpenNow(int noteId) {
    for (qsizetype i = FNext; i < FRows.size(); ++i) {
        if (FRows.at(i).id != noteId)
            continue;
        const NoteRecord row = FRows.takeAt(i);
        if (!IsLoading())
            Stop();
        TfmNote* note = FOpenRow(row);
        FInFront = note;
        emit NoteOpened(note);
        return note;
    }
    return nullptr;
}

void TTabNoteLoader::FinishNow() {
    while (IsLoading())
        OpenRow(FRows.at(FNext++));
    Stop();
}

void TTabNoteLoader::Stop() {
    FSliceTimer.stop();
    FNext = FRows.size();
    FBusy.reset();
}

void TTabNoteLoader::OpenRow(const NoteRecord& row) {
    TfmNote* note = FOpenRow(row);
    // A note opened ahead of its turn was asked for: it stays in front.
    if (FInFront)
        note->stackUnder(FInFront);
    emit NoteOpened(note);
}
