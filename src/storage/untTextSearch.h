// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace SQLite {
class Database;
}

// How a search term reaches SQL. A term of ASCII characters only goes through SQLite's own LIKE
// (letters of the ASCII range match without regard to case, exactly as fast as LIKE can be),
// its '%', '_' and '\' escaped so that they match themselves. A term with other characters
// goes through the function velmar_contains(text, term), which folds case by Unicode's simple
// case folding (é/É, ä/Ä, Cyrillic), so only such a term pays for decoding every note.
namespace TextSearch {

// Whether the term takes the LIKE path.
bool IsAscii(const QString& term);
// The term as a LIKE pattern matching it anywhere, with '\' as the escape character.
QString ContainsPattern(const QString& term);
// The condition on `column` for a term bound as :term (with the value TermValue(term)).
QString Condition(const QString& column, const QString& term);
QString TermValue(const QString& term);

// Registers velmar_contains on a connection (every connection of the program gets it).
void RegisterFunctions(SQLite::Database& connection);

} // namespace TextSearch
