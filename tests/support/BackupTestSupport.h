// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <sqlite3.h>
#include <sys/stat.h>

// The one-value answer of `sql` in the SQLite file `path`, read through a connection of its
// own; "<error>" when the file cannot be read.
inline QString QueryFile(const QString& path, const char* sql) {
    sqlite3* connection = nullptr;
    QString answer = QStringLiteral("<error>");
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &connection, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            answer =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(connection);
    return answer;
}

// The permission bits of `path` (as in 0600); -1 when it is missing.
inline int FileMode(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                     : -1;
}
