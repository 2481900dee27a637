#include "frmData.h"

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
        FConnection = std::make_unique<SQLite::Database>(
            path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        FConnectionPath = path;
    }
    return *FConnection;
}

std::unique_ptr<SQLite::Database> TfmData::OpenPrivateConnection() {
    return std::make_unique<SQLite::Database>(VelmarPaths::DatabasePath().toStdString(),
                                              SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
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
