// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace SQLite {
class Database;
}

// The database data module: owns the shared connection to Data.db, which opens on the first
// statement and stays open. The connection path is applied anew before every statement, so a
// change of data folder (tests, the command-line companion) reaches the next statement.
class TfmData {
public:
    TfmData();
    ~TfmData();
    TfmData(const TfmData&) = delete;
    TfmData& operator=(const TfmData&) = delete;

    // The one instance; created on first use when start-up has not created it yet.
    static TfmData& Instance();

    // The shared connection, opened (the file created when missing) at DatabasePath().
    SQLite::Database& Connection();
    // A new private connection to the same file, for inserts that need their own row id.
    std::unique_ptr<SQLite::Database> OpenPrivateConnection();

    // Closes the shared connection; the next statement opens it again.
    void Disconnect();
    // Never opens the file at `path` (one that is not ours and could not be moved aside):
    // every statement on it fails instead.
    void Refuse(const QString& path) { FRefusedPath = path; }

    // Test seam: the next `count` statements or queries fail as if SQLite had refused them.
    void FailNextStatements(int count) { FFailuresToInject = count; }
    // Throws DatabaseError when a failure is pending; called before every statement.
    void ThrowIfFailureInjected();

private:
    std::unique_ptr<SQLite::Database> FConnection;
    QString FConnectionPath;
    QString FRefusedPath;
    int FFailuresToInject = 0;
};
