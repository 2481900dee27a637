// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDevice;

// Where the program keeps its per-user files: Data.db and config.ini share one folder.
// Notes are private: the folder is open to its owner only (0700), and every file the program
// makes in it, or exports, is readable and writable by its owner only (0600), whatever the
// umask.
namespace VelmarPaths {

// The per-user data folder, always ending with '/'. Does not create anything.
QString DataFolder();

// Creates the data folder (one level, mode 0700) when it is missing, and narrows an existing
// one to 0700 (once per folder and process); answers false when it cannot be created.
bool EnsureDataFolder();

// data folder + "Data.db", creating the folder first. When a folder stands where Data.db
// belongs, it is left alone and the notes live in data folder + FallbackDatabaseName instead.
QString DatabasePath();
// The same path without creating anything.
QString DatabaseFile();
inline constexpr const char* FallbackDatabaseName = "Data-2.db";
// Whether a folder stands where Data.db belongs.
bool DatabaseNameTakenByFolder();

// Points the program at another data folder (the command-line companion's --data-dir);
// an empty path goes back to the per-user default.
void SetDataFolderOverride(const QString& folder);

// Creates `path` as an empty owner-only file when it is missing, so whatever opens it next
// (SQLite, a writer) keeps that mode; an existing file is left as it is. Answers whether the
// file exists afterwards.
bool CreatePrivateFile(const QString& path);

// Makes an open file owner-only. For a QSaveFile call it right after open(): it applies to the
// new content before anything is written, and the file keeps the mode when it replaces the
// old one on commit.
bool MakePrivate(QFileDevice& file);

} // namespace VelmarPaths
