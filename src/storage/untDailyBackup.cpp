// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDailyBackup.h"

#include "untBackup.h"
#include "untClock.h"

#include <chrono>

namespace {
// How often the date is looked at; the check itself reads the clock only.
constexpr std::chrono::minutes kDateCheckInterval{10};
} // namespace

TDailyBackup::TDailyBackup(QObject* parent) : QObject(parent) {
    FTimer.setInterval(kDateCheckInterval);
    connect(&FTimer, &QTimer::timeout, this, &TDailyBackup::RunIfDue);
    FTimer.start();
    RunIfDue();
}

void TDailyBackup::RunIfDue() {
    const QDate today = Clock::Now().date();
    if (today == FLastTried)
        return;
    FLastTried = today;
    DatabaseBackup::RunDailyBackup();
}
