// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Places where every write runs out of space.

// A device that answers every write with "No space left on device": a node like /dev/full made
// in `folder` when the test may make device nodes (as root), so a writer that wrongly replaced
// it would not replace the system's; otherwise /dev/full itself, which a process that may not
// make nodes cannot replace either.
QString FullDevice(const QString& folder);

// A file system of `bytes` mounted at `folder` for the object's lifetime; mounting needs root.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, int bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return FReason.isEmpty(); }
    // Why it could not be mounted.
    QString Reason() const { return FReason; }

private:
    QString FFolder;
    QString FReason;
};
