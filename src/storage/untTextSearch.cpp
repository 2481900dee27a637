// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTextSearch.h"

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

namespace {

QString FromSqlText(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

// velmar_contains(text, term): 1 when the text holds the term without regard to case, 0 when
// not, NULL when either is NULL (as LIKE answers, so a NULL Content never matches).
void Contains(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL ||
        sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QString text = FromSqlText(arguments[0]);
    const QString term = FromSqlText(arguments[1]);
    sqlite3_result_int(context, text.contains(term, Qt::CaseInsensitive) ? 1 : 0);
}

} // namespace

namespace TextSearch {

bool IsAscii(const QString& term) {
    for (const QChar c : term)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

QString ContainsPattern(const QString& term) {
    QString pattern;
    pattern.reserve(term.size() + 2);
    pattern += u'%';
    for (const QChar c : term) {
        if (c == u'%' || c == u'_' || c == u'\\')
            pattern += u'\\';
        pattern += c;
    }
    pattern += u'%';
    return pattern;
}

QString Condition(const QString& column, const QString& term) {
    return IsAscii(term) ? column + QStringLiteral(" LIKE :term ESCAPE '\\'")
                         : QStringLiteral("velmar_contains(%1, :term)").arg(column);
}

QString TermValue(const QString& term) {
    return IsAscii(term) ? ContainsPattern(term) : term;
}

void RegisterFunctions(SQLite::Database& connection) {
    sqlite3_create_function_v2(connection.getHandle(), "velmar_contains", 2,
                               SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &Contains, nullptr,
                               nullptr, nullptr);
}

} // namespace TextSearch
