// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace SQLite {
class Database;
}

// How long a statement waits for another process (a backup program, the sqlite3 shell, a file
// indexer) to let go of the database before it gives up with "database is locked".
inline constexpr int kBusyTimeoutMs = 5000;

// Opens a read-write connection to the database file at `path`, creating the file when it is
// missing. Every connection the program makes goes through here, so each one waits out a busy
// database and a new file is owner-only; SQLite gives its journal the mode of the database
// file. Throws SQLite::Exception when the file cannot be opened.
std::unique_ptr<SQLite::Database> OpenDatabaseFile(const QString& path);
