// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmData.h"

#include "untConnection.h"
#include "untDatabaseError.h"
#include "untPaths.h"

#include <SQLiteCpp/Database.h>

TfmData::TfmData() = default;
TfmData::~TfmData() = default;

TfmData& TfmData::Instance() {
    static TfmData instance;
    return instance;
}

SQLite::Database& TfmData::Connection() {
    const QString path = VelmarPaths::DatabasePath();
    if (!FConnection || path != FConnectionPath) {
        FConnection.reset();
        FConnection = OpenDatabaseFile(path);
        FConnectionPath = path;
    }
    return *FConnection;
}

std::unique_ptr<SQLite::Database> TfmData::OpenPrivateConnection() {
    return OpenDatabaseFile(VelmarPaths::DatabasePath());
}

void TfmData::Disconnect() {
    FConnection.reset();
    FConnectionPath.clear();
}

void TfmData::ThrowIfFailureInjected() {
    if (FFailuresToInject <= 0)
        return;
    --FFailuresToInject;
    throw DatabaseError("injected failure: the database refused the statement");
}
