// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

// Copies of Data.db: one a day in the data folder's backups/ (the last 7 days and 4 weeks kept),
// one on request anywhere, and putting a copy back. Copies are made with SQLite's online backup,
// so they are consistent even while the program writes, and are readable by the owner only.
namespace DatabaseBackup {

struct TResult {
    bool Ok = false;
    QString Error; // why it failed, for the log or the user
    QString Path;  // the file written (a backup) or set aside (a restore)
};

// Copies the SQLite database `source` to `target` (replaced whole, never left half-written).
TResult CopyDatabase(const QString& source, const QString& target);

// data folder + "backups/", ending with '/'.
QString BackupFolder();
// The file name of the daily copy of `day`: "Data-YYYY-MM-DD.db".
QString DailyFileName(const QDate& day);

// Of the days that have a daily copy, those to keep: the 7 latest, and of the older ones the
// first of each of the 4 latest calendar weeks (Monday to Sunday).
QList<QDate> DaysToKeep(QList<QDate> days);

// Removes the daily copies in `folder` that DaysToKeep does not keep; other files stay.
void RotateBackups(const QString& folder);

// Makes today's copy (by the program's clock) when there is none yet, then rotates. A failure
// is logged and answered, never thrown: a backup must not stop the program.
TResult RunDailyBackup();

// Makes today's copy now, replacing one made earlier today, then rotates.
TResult BackupNow();

// Puts the database `file` in place of Data.db, after checking that it is a sound notes
// database. The replaced Data.db (with its journal, if any) is renamed to
// "Data.db.replaced-YYYYMMDD-HHMMSS" beside it; Path names it. The caller makes sure the
// program is not running.
TResult RestoreDatabase(const QString& file);

} // namespace DatabaseBackup
