// SPDX-License-Identifier: GPL-3.0-or-later
#include "untConnection.h"

#include "untPaths.h"
#include "untTextSearch.h"

#include <SQLiteCpp/Database.h>

std::unique_ptr<SQLite::Database> OpenDatabaseFile(const QString& path) {
    // Made before SQLite sees it: SQLite would create it with the umask's mode.
    VelmarPaths::CreatePrivateFile(path);
    auto connection = std::make_unique<SQLite::Database>(
        path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, kBusyTimeoutMs);
    TextSearch::RegisterFunctions(*connection);
    return connection;
}
