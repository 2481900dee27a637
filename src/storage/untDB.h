// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untDatabaseError.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

namespace SQLite {
class Column;
class Database;
class Statement;
} // namespace SQLite

// One named parameter of a statement, written in the SQL as ":name". The value is an
// integer (bound as an SQLite integer), a QString (bound as its UTF-8 text), a QByteArray
// (bound as text, byte for byte) or null (bound as NULL).
struct SqlParam {
    QString name;
    QVariant value;
};
using SqlParams = QList<SqlParam>;

// The field type a result column gets from its declared type.
enum class FieldKind { Integer, Float, Character, WideCharacter, Memo };

struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::Character;
    int size = 0; // characters kept by a (wide) character field
};

// Maps a declared column type ("VARCHAR(20)", "integer", "TEXT", ...) to its field type.
FieldDef FieldDefFromDeclaredType(const QString& name, const QString& declaredType);

// One value of a dataset row. Character fields hold text; memo fields hold the stored bytes.
class Field {
public:
    explicit Field(const QVariant& value) : FValue(value) {}
    bool IsNull() const { return FValue.isNull(); }
    qint64 AsInteger() const;
    double AsFloat() const;
    QString AsString() const; // memo bytes are decoded as UTF-8
    QByteArray AsBytes() const;
    const QVariant& Value() const { return FValue; }

private:
    QVariant FValue;
};

// A disconnected in-memory copy of a query result: column definitions and every row.
// It is walked with First/Next/Eof or with a range-for over its rows; fields are found by
// column name without regard to case.
class Dataset {
public:
    class Row {
    public:
        Row(const Dataset& owner, int index) : FOwner(&owner), FIndex(index) {}
        Field FieldByName(const QString& name) const;

    private:
        const Dataset* FOwner;
        int FIndex;
    };

    class Iterator {
    public:
        Iterator(const Dataset& owner, int index) : FOwner(&owner), FIndex(index) {}
        Row operator*() const { return Row(*FOwner, FIndex); }
        Iterator& operator++() {
            ++FIndex;
            return *this;
        }
        bool operator==(const Iterator& other) const = default;

    private:
        const Dataset* FOwner;
        int FIndex;
    };

    int RecordCount() const { return static_cast<int>(FRows.size()); }
    bool IsEmpty() const { return FRows.empty(); }
    const std::vector<FieldDef>& Fields() const { return FFields; }
    int FieldIndex(const QString& name) const; // -1 when there is no such column

    void First() { FCursor = 0; }
    void Next() {
        if (!Eof())
            ++FCursor;
    }
    bool Eof() const { return FCursor >= RecordCount(); }
    // A field of the current row; throws DatabaseError for an unknown column or past the end.
    Field FieldByName(const QString& name) const;

    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, RecordCount()); }

    // Used by the access layer to fill the dataset.
    void Reset(std::vector<FieldDef> fields);
    void AppendRow(std::vector<QVariant> values);

private:
    Field FieldAt(int row, const QString& name) const;

    std::vector<FieldDef> FFields;
    std::vector<std::vector<QVariant>> FRows;
    int FCursor = 0;
};

// Statement operations: a failure is logged and answers false.
bool RunSQL(const QString& sql);
bool RunSQLParams(const QString& sql, const SqlParams& params);
// The same on a connection the caller owns, for callers that need its last inserted row id.
bool RunOnConnection(SQLite::Database& connection, const QString& sql, const SqlParams& params);

// Queries replace the dataset's content with the whole result, positioned on its first row.
// A failure throws DatabaseError and leaves the dataset as it was.
void QueryInto(const QString& sql, Dataset& dataset);
void QueryIntoParams(const QString& sql, const SqlParams& params, Dataset& dataset);
// Hands each row of a query to `onRow` straight off the statement, with no dataset in between:
// for results of many thousand rows of which the caller keeps little. A failure throws
// DatabaseError.
void QueryEachRow(const QString& sql, const SqlParams& params,
                  const std::function<void(SQLite::Statement& row)>& onRow);
// A column's bytes as stored: text as UTF-8, a blob as it is.
QByteArray ColumnBytes(const SQLite::Column& column);
