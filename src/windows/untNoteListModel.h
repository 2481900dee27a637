// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// One row of a list window's grid: the note it stands for and the text of its cells.
struct TNoteListRow {
    int NoteId = 0;
    int ParentId = 0;
    QStringList Cells;
    // The note's text as stored (UTF-8), shown as the first cell when Cells is empty. Left
    // unset, it is read from the store when the row is first drawn: a list of many thousand
    // matches reads and converts only the rows it draws.
    std::optional<QByteArray> StoredText;
};

// The rows of a list window's grid. A grid never has fewer than one row: with no notes the
// model answers one blank row, which stands for no note. Rows are kept as plain values and
// drawn only when visible, so a list of ten thousand notes fills at once.
class TNoteListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TNoteListModel(int columnCount, QObject* parent);

    // Replaces every row.
    void SetRows(QList<TNoteListRow> rows);
    // Replaces one cell's text.
    void SetCell(int row, int column, const QString& text);
    // The note row at a grid row; none for the blank row and rows out of range.
    const TNoteListRow* NoteRow(int row) const;
    int NoteCount() const { return static_cast<int>(FRows.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    static QString OneLine(QString text);
    std::optional<QByteArray> TextOf(int rowIndex) const;

    int FColumnCount;
    // Mutable: a row's text is read when it is first drawn.
    mutable QList<TNoteListRow> FRows;
};

class Dataset;
struct NoteMatch;

// A note's text as a grid cell shows it: "<not text>" when it is empty or blank.
QString NoteListText(const QString& content);
// One row per note of a dataset with the columns Id, ParentId and Content, in its order, the
// text as the only cell.
QList<TNoteListRow> NoteTextRows(const Dataset& notes);
// The same of a search's matches; each row's text is read when it is first drawn.
QList<TNoteListRow> NoteTextRows(const QList<NoteMatch>& matches);
