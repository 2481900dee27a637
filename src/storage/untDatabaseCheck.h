// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the start finds at Data.db's place.
enum class DatabaseVerdict {
    Missing,    // no file, or an empty one: the schema is made there
    Ours,       // SQLite, sound, with our tables and columns (more tables or columns are fine)
    Unreadable, // not SQLite, damaged, or another program's tables: never written into
    Undecided,  // could not be read just now (busy, no permission): left as it is
};

// Looks at the database file without changing it.
DatabaseVerdict InspectDatabaseFile(const QString& path);

// What the start did about Data.db, for the message the user sees.
struct TDatabaseStart {
    QString DatabasePath;         // where the notes are kept in this run
    QString MovedAside;           // where an unreadable file was put, unchanged; empty when none
    bool CannotMoveAside = false; // unreadable and could not be moved: it is not opened at all
    bool FolderInTheWay = false;  // a folder named Data.db: the notes live in another file
    bool Created = false;         // the database file was made in this start
    bool ReadOnly = false;        // the notes can be read, but changes cannot be saved
};

// The database part of the start: a folder where Data.db belongs is left alone (another file
// name is used), an unreadable file is renamed to "<name>.unreadable-YYYYMMDD-HHMMSS" with its
// journal beside it, and a missing file is made with the schema.
TDatabaseStart PrepareDatabase();
