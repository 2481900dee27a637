// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteListModel.h"

#include "untDB.h"
#include "untNoteDB.h"

TNoteListModel::TNoteListModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), FColumnCount(columnCount) {}

void TNoteListModel::SetRows(QList<TNoteListRow> rows) {
    beginResetModel();
    FRows = std::move(rows);
    endResetModel();
}

void TNoteListModel::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= FRows.size() || column < 0 || column >= FColumnCount)
        return;
    QStringList& cells = FRows[row].Cells;
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
    emit dataChanged(index(row, column), index(row, column));
}

const TNoteListRow* TNoteListModel::NoteRow(int row) const {
    return row >= 0 && row < FRows.size() ? &FRows[row] : nullptr;
}

int TNoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max<int>(1, static_cast<int>(FRows.size()));
}

int TNoteListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FColumnCount;
}

QVariant TNoteListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    const TNoteListRow* row = NoteRow(index.row());
    if (!row)
        return QString();
    if (row->Cells.isEmpty() && index.column() == 0) {
        const std::optional<QByteArray> text = TextOf(index.row());
        return text ? OneLine(NoteListText(QString::fromUtf8(*text))) : QString();
    }
    if (index.column() >= row->Cells.size())
        return QString();
    return OneLine(row->Cells[index.column()]);
}

std::optional<QByteArray> TNoteListModel::TextOf(int rowIndex) const {
    TNoteListRow& row = FRows[rowIndex];
    if (!row.StoredText) {
        // Asked for while painting: a store that cannot answer leaves the cell blank until the
        // next paint asks again (the failure is logged) rather than interrupting the paint.
        try {
            row.StoredText = NoteDB::ReadContent(row.NoteId);
        } catch (const DatabaseError&) {
        }
    }
    return row.StoredText;
}

QString TNoteListModel::OneLine(QString text) {
    // A cell shows its text on one line; only visible cells are asked for.
    text.replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}

QString NoteListText(const QString& content) {
    return content.trimmed().isEmpty() ? QStringLiteral("<not text>") : content;
}

QList<TNoteListRow> NoteTextRows(const Dataset& notes) {
    QList<TNoteListRow> rows;
    rows.reserve(notes.RecordCount());
    for (const Dataset::Row note : notes)
        rows.append({static_cast<int>(note.FieldByName(QStringLiteral("Id")).AsInteger()),
                     static_cast<int>(note.FieldByName(QStringLiteral("ParentId")).AsInteger()),
                     {},
                     note.FieldByName(QStringLiteral("Content")).AsBytes()});
    return rows;
}

QList<TNoteListRow> NoteTextRows(const QList<NoteMatch>& matches) {
    QList<TNoteListRow> rows;
    rows.reserve(matches.size());
    for (const NoteMatch& match : matches)
        rows.append({match.id, match.parentId, {}, std::nullopt});
    return rows;
}
