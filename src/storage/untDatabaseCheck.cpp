// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDatabaseCheck.h"

#include "frmData.h"
#include "untClock.h"
#include "untConnection.h"
#include "untPaths.h"
#include "untSchema.h"
#include "untStorageLog.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

// The tables and columns the program reads and writes.
const std::vector<std::pair<std::string, std::vector<std::string>>>& OurColumns() {
    static const std::vector<std::pair<std::string, std::vector<std::string>>> tables = {
        {"Note",
         {"Id", "ParentId", "Position", "Content", "Rtf", "Color", "Type", "Type2", "Type3",
          "NoteType", "Size", "CreateTime", "ModifyTime", "NTime", "TimeOut", "TimeOutType"}},
        {"Memoboard", {"Id", "ParentId", "Caption", "Position", "Color", "Bgimg", "BgColor"}},
        {"FindInfo", {"Id", "info", "ctime"}},
    };
    return tables;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool HasOurTables(SQLite::Database& db) {
    for (const auto& [table, columns] : OurColumns()) {
        std::set<std::string> present;
        SQLite::Statement info(db, "PRAGMA table_info(\"" + table + "\")");
        while (info.executeStep())
            present.insert(Lower(info.getColumn(1).getString()));
        for (const std::string& column : columns)
            if (!present.contains(Lower(column)))
                return false;
    }
    return true;
}

bool PassesQuickCheck(SQLite::Database& db) {
    SQLite::Statement check(db, "PRAGMA quick_check");
    return check.executeStep() && check.getColumn(0).getString() == "ok" && !check.executeStep();
}

// Renames `path` and the journals SQLite may keep beside it; answers the new name, empty when
// the file could not be moved.
QString MoveAside(const QString& path) {
    const QString stamp = Clock::Now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, target))
        return {};
    // A journal left beside a new, empty file would be played into it.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString journal = path + QLatin1String(suffix);
        if (QFileInfo::exists(journal) && !QFile::rename(journal, target + QLatin1String(suffix)))
            qCWarning(lcStorage) << "cannot move aside" << journal;
    }
    return target;
}

bool HasSqliteHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16);
}

DatabaseVerdict ReadVerdict(const QString& path, int openFlags) {
    SQLite::Database db(path.toStdString(), openFlags, kBusyTimeoutMs);
    return PassesQuickCheck(db) && HasOurTables(db) ? DatabaseVerdict::Ours
                                                    : DatabaseVerdict::Unreadable;
}

DatabaseVerdict ErrorVerdict(const QString& path, const SQLite::Exception& error) {
    qCWarning(lcStorage) << "cannot read" << path << ':' << error.what();
    const int code = error.getErrorCode() & 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT ? DatabaseVerdict::Unreadable
                                                           : DatabaseVerdict::Undecided;
}

bool Writable(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

DatabaseVerdict InspectDatabaseFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() || (file.isFile() && file.size() == 0))
        return DatabaseVerdict::Missing;
    if (!file.isFile())
        return DatabaseVerdict::Unreadable;
    if (!HasSqliteHeader(path))
        return DatabaseVerdict::Unreadable; // never handed to SQLite, which may play a journal
    try {
        return ReadVerdict(path, SQLite::OPEN_READONLY);
    } catch (const SQLite::Exception& error) {
        // A hot journal that a killed writer left needs a read-write open to be rolled back,
        // as any later open of the file would do.
        if ((error.getErrorCode() & 0xff) != SQLITE_READONLY)
            return ErrorVerdict(path, error);
    }
    try {
        return ReadVerdict(path, SQLite::OPEN_READWRITE);
    } catch (const SQLite::Exception& error) {
        return ErrorVerdict(path, error);
    }
}

TDatabaseStart PrepareDatabase() {

    VelmarPaths::EnsureDataFolder();
    TDatabaseStart start;
    start.FolderInTheWay = VelmarPaths::DatabaseNameTakenByFolder();
    start.DatabasePath = VelmarPaths::DatabaseFile();
    TfmData::Instance().Disconnect();
    if (InspectDatabaseFile(start.DatabasePath) == DatabaseVerdict::Unreadable) {
        start.MovedAside = MoveAside(start.DatabasePath);
        start.CannotMoveAside = start.MovedAside.isEmpty();
        if (start.CannotMoveAside)
            TfmData::Instance().Refuse(start.DatabasePath);
        else
            qCWarning(lcStorage) << "moved an unreadable database aside to" << start.MovedAside;
    }
    if (!start.CannotMoveAside)
        start.Created = CreateSchema();
    start.ReadOnly = start.CannotMoveAside || !Writable(VelmarPaths::DataFolder()) ||
                     (QFileInfo::exists(start.DatabasePath) && !Writable(start.DatabasePath));
    return start;
}
