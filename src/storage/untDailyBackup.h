// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>
#include <QTimer>

// Runs the daily backup at start and again whenever the day has changed while the program runs:
// a light timer looks at the date now and then, so a program left running past midnight makes
// the new day's copy before (or soon after) the first change of that day.
class TDailyBackup : public QObject {
    Q_OBJECT
public:
    explicit TDailyBackup(QObject* parent = nullptr);
    // Backs up now when today has not been tried yet.
    void RunIfDue();

private:
    QTimer FTimer;
    QDate FLastTried;
};
