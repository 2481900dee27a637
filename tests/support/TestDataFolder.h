// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// Gives a test its own XDG data, config and runtime folders, so it never touches a user's
// notes; the shared database connection is dropped on entry and on exit.
class TestDataFolder {
public:
    TestDataFolder();
    ~TestDataFolder();
    TestDataFolder(const TestDataFolder&) = delete;
    TestDataFolder& operator=(const TestDataFolder&) = delete;

    QString Root() const { return FRoot.path(); }
    // The program's data folder inside it (ends with '/'); not created yet.
    QString DataFolder() const;

private:
    QTemporaryDir FRoot;
};
