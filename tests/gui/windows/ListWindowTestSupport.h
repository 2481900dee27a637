// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EKButton.h"
#include "NoteTestSupport.h"
#include "WindowsTestSupport.h"
#include "untListWindow.h"
#include "untNoteListModel.h"

#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <QTest>

// The text of one column of the grid, row by row, as the view shows it.
inline QStringList GridColumn(const TListWindow& window, int column = 0) {
    QStringList texts;
    const TNoteListModel& model = window.Model();
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column), Qt::DisplayRole).toString());
    return texts;
}

// The note ids of the listed rows.
inline QList<int> GridNoteIds(const TListWindow& window) {
    QList<int> ids;
    for (int row = 0; row < window.Model().NoteCount(); ++row)
        ids.append(window.Model().NoteRow(row)->NoteId);
    return ids;
}

// Closes the list window under test and every note window, and answers whether the list window
// deleted itself on closing, as every list window does.
inline bool CloseListWindowAndNotes(const QPointer<TListWindow>& window) {
    if (window)
        window->close();
    CloseAllNotes();
    ProcessDeletions();
    return window.isNull();
}

// Presses a picture button as the user does (it acts on the press).
inline void Press(const TListWindow& window, const char* button) {
    QTest::mousePress(Child<TEKButton>(window, button), Qt::LeftButton);
}

// Whether the preview shows the note at the window's preview marker.
inline bool PreviewShowsNoteAtMarker(const TListWindow& window, int noteId) {
    const TfmNote* preview = window.Preview();
    const QWidget* marker = Child<QWidget>(window, "pnlPosition");
    return preview && preview->isVisible() && preview->NoteId() == noteId &&
           preview->pos() == marker->mapToGlobal(QPoint(0, 0));
}
