// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

// Another program reading the database, as a backup program, the sqlite3 shell or a file
// indexer does: a connection of its own, on a thread of its own, holds a read transaction on
// the file, so writers must wait until it ends.
class BusyReader {
public:
    // Returns once the read transaction holds the file (or failed to: see Holding()).
    explicit BusyReader(const QString& databasePath);
    // Ends the read transaction now if ReleaseAfter() was not called.
    ~BusyReader();
    BusyReader(const BusyReader&) = delete;
    BusyReader& operator=(const BusyReader&) = delete;

    bool Holding() const { return FHolding; }

    // Ends the read transaction `delay` after this call; returns at once, so the caller can
    // start the write that has to wait.
    void ReleaseAfter(std::chrono::milliseconds delay);

private:
    void Read(const QString& databasePath, std::promise<bool> held);

    std::mutex FMutex;
    std::condition_variable FReleaseAsked;
    bool FRelease = false;
    std::chrono::milliseconds FDelay{0};
    bool FHolding = false;
    std::thread FThread;
};
