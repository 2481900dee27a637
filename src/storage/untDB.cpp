// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDB.h"

#include "frmData.h"
#include "untStorageLog.h"
#include "untWriteTrouble.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <optional>

#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcStorage, "velmar.storage")

// ---------------------------------------------------------------- field types

FieldDef FieldDefFromDeclaredType(const QString& name, const QString& declaredType) {
    static const QRegularExpression sized(
        QStringLiteral(R"(^\s*(\w+)\s*(?:\(\s*(\d+)\s*\))?\s*$)"));
    const QRegularExpressionMatch match = sized.match(declaredType);
    const QString base = match.hasMatch() ? match.captured(1).toLower() : QString();
    const bool hasSize = match.hasMatch() && !match.captured(2).isEmpty();
    const int size = hasSize ? match.captured(2).toInt() : 0;

    if (base == u"integer" || base == u"int")
        return {name, FieldKind::Integer, 0};
    if (base == u"float" || base == u"real")
        return {name, FieldKind::Float, 0};
    if (base == u"text" || base == u"longtext" || base == u"memo" || base == u"clob")
        return {name, FieldKind::Memo, 0};
    if (hasSize && (base == u"varchar" || base == u"char" || base == u"varchar2"))
        return {name, FieldKind::Character, size};
    if (hasSize && (base == u"nvarchar" || base == u"nchar" || base == u"nvarchar2"))
        return {name, FieldKind::WideCharacter, size};
    return {name, FieldKind::Character, 255};
}

// ---------------------------------------------------------------- Field

qint64 Field::AsInteger() const {
    if (FValue.typeId() == QMetaType::QByteArray)
        return FValue.toByteArray().trimmed().toLongLong();
    return FValue.toLongLong();
}

double Field::AsFloat() const {
    if (FValue.typeId() == QMetaType::QByteArray)
        return FValue.toByteArray().trimmed().toDouble();
    return FValue.toDouble();
}

QString Field::AsString() const {
    if (FValue.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(FValue.toByteArray());
    return FValue.toString();
}

QByteArray Field::AsBytes() const {
    if (FValue.typeId() == QMetaType::QByteArray)
        return FValue.toByteArray();
    return FValue.toString().toUtf8();
}

// ---------------------------------------------------------------- Dataset

int Dataset::FieldIndex(const QString& name) const {
    for (size_t i = 0; i < FFields.size(); ++i)
        if (FFields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

Field Dataset::FieldAt(int row, const QString& name) const {
    const int column = FieldIndex(name);
    if (column < 0)
        throw DatabaseError("Field '" + name.toStdString() + "' not found");
    if (row < 0 || row >= RecordCount())
        throw DatabaseError("No current record");
    return Field(FRows[row][column]);
}

Field Dataset::FieldByName(const QString& name) const {
    return FieldAt(FCursor, name);
}

Field Dataset::Row::FieldByName(const QString& name) const {
    return FOwner->FieldAt(FIndex, name);
}

void Dataset::Reset(std::vector<FieldDef> fields) {
    FFields = std::move(fields);
    FRows.clear();
    FCursor = 0;
}

void Dataset::AppendRow(std::vector<QVariant> values) {
    FRows.push_back(std::move(values));
}

// ---------------------------------------------------------------- statements

QByteArray ColumnBytes(const SQLite::Column& column) {
    return QByteArray(static_cast<const char*>(column.getBlob()), column.getBytes());
}

namespace {

void Bind(SQLite::Statement& statement, const SqlParams& params) {
    for (const SqlParam& param : params) {
        const std::string name = ':' + param.name.toStdString();
        const QVariant& value = param.value;
        if (value.isNull()) {
            statement.bind(name);
            continue;
        }
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            statement.bind(name, static_cast<int64_t>(value.toLongLong()));
            break;
        case QMetaType::Double:
            statement.bind(name, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            statement.bind(name, std::string(bytes.constData(), bytes.size()));
            break;
        }
        default:
            statement.bind(name, value.toString().toStdString());
            break;
        }
    }
}

// A column's field type from its declared type. An expression column has none: it keeps the
// type SQLite reports for each value.
std::optional<FieldDef> DeclaredColumnDef(const SQLite::Statement& statement, int column) {
    const QString name = QString::fromUtf8(statement.getColumnName(column));
    try {
        return FieldDefFromDeclaredType(name,
                                        QString::fromUtf8(statement.getColumnDeclaredType(column)));
    } catch (const SQLite::Exception&) {
        return std::nullopt;
    }
}

QString CutToCharacters(const QString& value, int characters) {
    if (value.size() <= characters)
        return value;
    QString cut;
    int kept = 0;
    for (auto it = value.cbegin(); it != value.cend() && kept < characters; ++kept, ++it) {
        cut += *it;
        if (it->isHighSurrogate() && std::next(it) != value.cend())
            cut += *++it;
    }
    return cut;
}

QVariant ValueOfType(const SQLite::Column& column) {
    switch (column.getType()) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(column.getInt64());
    case SQLITE_FLOAT:
        return column.getDouble();
    default:
        return ColumnBytes(column);
    }
}

QVariant ColumnValue(const SQLite::Column& column, const std::optional<FieldDef>& def) {
    if (column.isNull())
        return {};
    if (!def)
        return ValueOfType(column);
    switch (def->kind) {
    case FieldKind::Integer:
        return QVariant::fromValue<qint64>(column.getInt64());
    case FieldKind::Float:
        return column.getDouble();
    case FieldKind::Memo:
        return ColumnBytes(column);
    case FieldKind::Character:
    case FieldKind::WideCharacter:
        return CutToCharacters(
            QString::fromUtf8(static_cast<const char*>(column.getBlob()), column.getBytes()),
            def->size);
    }
    return {};
}

bool Execute(SQLite::Database& connection, const QString& sql, const SqlParams& params) {
    try {
        TfmData::Instance().ThrowIfFailureInjected();
        SQLite::Statement statement(connection, sql.toStdString());
        Bind(statement, params);
        statement.exec();
        return true;
    } catch (const SQLite::Exception& error) {
        qCWarning(lcStorage) << "statement failed:" << error.what() << "SQL:" << sql;
        WriteTroubles::Report(TroubleOfSqliteCode(error.getExtendedErrorCode()));
        return false;
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "statement failed:" << error.what() << "SQL:" << sql;
        return false;
    }
}

} // namespace

bool RunSQL(const QString& sql) {
    return RunSQLParams(sql, {});
}

bool RunSQLParams(const QString& sql, const SqlParams& params) {
    try {
        return Execute(TfmData::Instance().Connection(), sql, params);
    } catch (const SQLite::Exception& error) {
        qCWarning(lcStorage) << "cannot open the database:" << error.what();
        WriteTroubles::Report(TroubleOfSqliteCode(error.getExtendedErrorCode()));
        return false;
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "cannot open the database:" << error.what();
        return false;
    }
}

bool RunOnConnection(SQLite::Database& connection, const QString& sql, const SqlParams& params) {
    return Execute(connection, sql, params);
}

void QueryInto(const QString& sql, Dataset& dataset) {
    QueryIntoParams(sql, {}, dataset);
}

void QueryEachRow(const QString& sql, const SqlParams& params,
                  const std::function<void(SQLite::Statement& row)>& onRow) {
    try {
        TfmData::Instance().ThrowIfFailureInjected();
        SQLite::Statement statement(TfmData::Instance().Connection(), sql.toStdString());
        Bind(statement, params);
        while (statement.executeStep())
            onRow(statement);
    } catch (const DatabaseError&) {
        throw;
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "query failed:" << error.what() << "SQL:" << sql;
        throw DatabaseError(error.what());
    }
}

void QueryIntoParams(const QString& sql, const SqlParams& params, Dataset& dataset) {
    try {
        TfmData::Instance().ThrowIfFailureInjected();
        SQLite::Statement statement(TfmData::Instance().Connection(), sql.toStdString());
        Bind(statement, params);
        const int columns = statement.getColumnCount();
        std::vector<std::optional<FieldDef>> declared;
        std::vector<FieldDef> fields;
        for (int column = 0; column < columns; ++column) {
            declared.push_back(DeclaredColumnDef(statement, column));
            fields.push_back(declared.back().value_or(
                FieldDef{QString::fromUtf8(statement.getColumnName(column)), FieldKind::Memo, 0}));
        }

        Dataset result;
        result.Reset(fields);
        while (statement.executeStep()) {
            std::vector<QVariant> row;
            row.reserve(columns);
            for (int column = 0; column < columns; ++column)
                row.push_back(ColumnValue(statement.getColumn(column), declared[column]));
            result.AppendRow(std::move(row));
        }
        dataset = std::move(result);
    } catch (const DatabaseError&) {
        throw;
    } catch (const std::exception& error) {
        qCWarning(lcStorage) << "query failed:" << error.what() << "SQL:" << sql;
        throw DatabaseError(error.what());
    }
}
