// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusyReader.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

BusyReader::BusyReader(const QString& databasePath) {
    std::promise<bool> held;
    std::future<bool> holding = held.get_future();
    FThread = std::thread(&BusyReader::Read, this, databasePath, std::move(held));
    FHolding = holding.get();
}

BusyReader::~BusyReader() {
    {
        const std::lock_guard lock(FMutex);
        FRelease = true;
    }
    FReleaseAsked.notify_one();
    FThread.join();
}

void BusyReader::ReleaseAfter(std::chrono::milliseconds delay) {
    {
        const std::lock_guard lock(FMutex);
        FRelease = true;
        FDelay = delay;
    }
    FReleaseAsked.notify_one();
}

void BusyReader::Read(const QString& databasePath, std::promise<bool> held) {
    bool announced = false;
    try {
        SQLite::Database connection(databasePath.toStdString(), SQLite::OPEN_READONLY);
        connection.exec("BEGIN");
        // The first read of the transaction takes the shared lock, kept until COMMIT.
        SQLite::Statement(connection, "SELECT count(*) FROM sqlite_master").executeStep();
        held.set_value(true);
        announced = true;
        std::unique_lock lock(FMutex);
        FReleaseAsked.wait(lock, [this] { return FRelease; });
        const std::chrono::milliseconds delay = FDelay;
        lock.unlock();
        std::this_thread::sleep_for(delay);
        connection.exec("COMMIT");
    } catch (const std::exception&) {
        if (!announced)
            held.set_value(false);
    }
}
