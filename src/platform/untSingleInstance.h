// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One copy of the program per user session: an exclusive lock on a file in the user's runtime
// folder. The kernel frees it when the process ends, however it ends.
class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock; false when another copy holds it.
    bool Acquire();
    static QString LockPath();

private:
    int FDescriptor = -1;
};
