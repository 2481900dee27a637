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

namespace {
void ThrowIfRefused(const QString& path, const QString& refused) {
    if (!refused.isEmpty() && path == refused)
        throw DatabaseError("the notes file " + path.toStdString() + " cannot be read");
}
} // namespace

SQLite::Database& TfmData::Connection() {
    const QString path = VelmarPaths::DatabasePath();
    ThrowIfRefused(path, FRefusedPath);
    if (!FConnection || path != FConnectionPath) {
        FConnection.reset();
        FConnection = OpenDatabaseFile(path);
        FConnectionPath = path;
    }
    return *FConnection;
}

std::unique_ptr<SQLite::Database> TfmData::OpenPrivateConnection() {
    const QString path = VelmarPaths::DatabasePath();
    ThrowIfRefused(path, FRefusedPath);
    return OpenDatabaseFile(path);
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
