// SPDX-License-Identifier: GPL-3.0-or-later
#include "untBackup.h"

#include "untClock.h"
#include "untPaths.h"
#include "untStorageLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <memory>

namespace DatabaseBackup {
namespace {

constexpr int kDailyCopies = 7;
constexpr int kWeeklyCopies = 4;
// A writer of the source may hold its lock for a moment; retry for up to about 10 seconds.
constexpr int kBusyRetries = 200;
constexpr int kBusyWaitMs = 50;

const QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

TResult Failure(const QString& error) {
    return {false, error, {}};
}

// Opens `path` (never creating it); sets `error` and answers null on failure.
Connection Open(const QString& path, int flags, QString& error) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    Connection connection(raw);
    if (rc != SQLITE_OK) {
        error = QStringLiteral("cannot open %1: %2")
                    .arg(path, QString::fromUtf8(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
        return nullptr;
    }
    sqlite3_busy_timeout(raw, kBusyRetries * kBusyWaitMs);
    return connection;
}

// Copies every page of `from` into `to` in one step, retrying while a writer holds the source.
QString CopyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return QString::fromUtf8(sqlite3_errmsg(to));
    int rc = SQLITE_OK;
    for (int attempt = 0; attempt < kBusyRetries; ++attempt) {
        rc = sqlite3_backup_step(backup, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        sqlite3_sleep(kBusyWaitMs);
    }
    sqlite3_backup_finish(backup);
    return rc == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errstr(rc));
}

// The one-row answer of `sql` on `connection` as text; empty when there is none.
QString QueryText(sqlite3* connection, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    QString answer;
    if (sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        answer =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return answer;
}

// Why `file` is not a sound notes database; empty when it is one.
QString CheckNotesDatabase(const QString& file) {
    if (!QFileInfo(file).isFile())
        return QStringLiteral("%1 is not a file").arg(file);
    QString error;
    const Connection connection = Open(file, SQLITE_OPEN_READONLY, error);
    if (!connection)
        return error;
    const QString integrity = QueryText(connection.get(), "PRAGMA integrity_check");
    if (integrity != u"ok")
        return QStringLiteral("%1 is not a sound SQLite database (%2)")
            .arg(file, integrity.isEmpty() ? QStringLiteral("unreadable") : integrity);
    if (QueryText(connection.get(),
                  "SELECT name FROM sqlite_master WHERE type='table' AND name='Note'")
            .isEmpty())
        return QStringLiteral("%1 holds no notes").arg(file);
    return {};
}

QList<QDate> DailyCopyDays(const QDir& folder) {
    static const QRegularExpression name(QStringLiteral("^Data-(\\d{4}-\\d{2}-\\d{2})\\.db$"));
    QList<QDate> days;
    for (const QString& file : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        const QDate day =
            match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
        if (day.isValid())
            days.append(day);
    }
    return days;
}

bool EnsureBackupFolder() {
    const QString folder = BackupFolder();
    if (QDir(folder).exists())
        return true;
    return VelmarPaths::EnsureDataFolder() && QDir().mkdir(folder) &&
           QFile::setPermissions(folder, kOwnerOnly | QFileDevice::ExeOwner);
}

TResult BackupToday(bool replace) {
    if (!QFileInfo::exists(VelmarPaths::DatabaseFile()))
        return Failure(
            QStringLiteral("there is no Data.db to back up in %1").arg(VelmarPaths::DataFolder()));
    if (!EnsureBackupFolder())
        return Failure(QStringLiteral("cannot create %1").arg(BackupFolder()));
    const QString target = BackupFolder() + DailyFileName(Clock::Now().date());
    TResult result{true, {}, target};
    if (replace || !QFileInfo::exists(target))
        result = CopyDatabase(VelmarPaths::DatabasePath(), target);
    if (result.Ok)
        RotateBackups(BackupFolder());
    return result;
}

// The files that belong to a database besides itself.
const QStringList& CompanionSuffixes() {
    static const QStringList suffixes{QStringLiteral("-journal"), QStringLiteral("-wal"),
                                      QStringLiteral("-shm")};
    return suffixes;
}

// Renames `path` and its companion files to `aside` (+ the same suffixes).
bool MoveDatabase(const QString& path, const QString& aside) {
    if (!QFile::rename(path, aside))
        return false;
    for (const QString& suffix : CompanionSuffixes())
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, aside + suffix);
    return true;
}

} // namespace

TResult CopyDatabase(const QString& source, const QString& target) {
    // Replacing the live file would leave the program writing to a deleted one.
    const QString sourceFile = QFileInfo(source).canonicalFilePath();
    if (!sourceFile.isEmpty() && sourceFile == QFileInfo(target).canonicalFilePath())
        return Failure(QStringLiteral("%1 is the database itself").arg(target));
    const QString partial = target + QStringLiteral(".partial");
    // A fresh owner-only file, so the copy never exists with wider rights (a leftover of a
    // failed copy is replaced, not reused with its mode).
    QFile::remove(partial);
    if (!VelmarPaths::CreatePrivateFile(partial))
        return Failure(QStringLiteral("cannot create %1").arg(partial));
    QString error;
    {
        const Connection from = Open(source, SQLITE_OPEN_READONLY, error);
        const Connection to = from ? Open(partial, SQLITE_OPEN_READWRITE, error) : nullptr;
        if (to)
            error = CopyPages(from.get(), to.get());
    }
    if (error.isEmpty()) {
        QFile::remove(target);
        if (!QFile::rename(partial, target))
            error = QStringLiteral("cannot write %1").arg(target);
    }
    if (!error.isEmpty()) {
        QFile::remove(partial);
        return Failure(QStringLiteral("backup of %1 failed: %2").arg(source, error));
    }
    return {true, {}, target};
}

QString BackupFolder() {
    return VelmarPaths::DataFolder() + QStringLiteral("backups/");
}

QString DailyFileName(const QDate& day) {
    return QStringLiteral("Data-%1.db").arg(day.toString(Qt::ISODate));
}

QList<QDate> DaysToKeep(QList<QDate> days) {
    std::sort(days.begin(), days.end(), std::greater<>());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    QList<QDate> keep = days.mid(0, kDailyCopies);
    // Older copies by the Monday of their week; walking newest first, the last one seen in a
    // week is its first day.
    std::map<QDate, QDate, std::greater<>> firstOfWeek;
    for (const QDate& day : days.mid(kDailyCopies))
        firstOfWeek[day.addDays(1 - day.dayOfWeek())] = day;
    for (const auto& [monday, first] : firstOfWeek) {
        if (keep.size() == kDailyCopies + kWeeklyCopies)
            break;
        keep.append(first);
    }
    return keep;
}

void RotateBackups(const QString& folder) {
    const QDir dir(folder);
    const QList<QDate> days = DailyCopyDays(dir);
    const QList<QDate> keep = DaysToKeep(days);
    for (const QDate& day : days)
        if (!keep.contains(day) && !QFile::remove(dir.filePath(DailyFileName(day))))
            qCWarning(lcStorage) << "cannot remove the old backup" << DailyFileName(day);
}

TResult RunDailyBackup() {
    const TResult result = BackupToday(false);
    if (!result.Ok)
        qCWarning(lcStorage) << "the daily backup failed:" << result.Error;
    return result;
}

TResult BackupNow() {
    return BackupToday(true);
}

TResult RestoreDatabase(const QString& file) {
    const QString problem = CheckNotesDatabase(file);
    if (!problem.isEmpty())
        return Failure(problem);
    const QString database = VelmarPaths::DatabasePath();
    QString aside;
    if (QFileInfo::exists(database)) {
        aside = database + QStringLiteral(".replaced-") +
                Clock::Now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!MoveDatabase(database, aside))
            return Failure(QStringLiteral("cannot set %1 aside").arg(database));
    }
    TResult copied = CopyDatabase(file, database);
    if (!copied.Ok) {
        if (!aside.isEmpty())
            MoveDatabase(aside, database);
        return copied;
    }
    return {true, {}, aside};
}

} // namespace DatabaseBackup
