// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Why a write to Data.db failed, as far as the user can do something about it.
enum class WriteTrouble {
    Busy,     // another process held the database longer than the busy timeout
    DiskFull, // no space left for the data or its journal
    ReadOnly, // the file, its folder or the file system cannot be written
    Other,    // anything else (a wrong statement, an I/O error)
};

// The trouble an SQLite result code (primary or extended) stands for.
WriteTrouble TroubleOfSqliteCode(int code);

// Failed writes are reported here, so the program can tell the user why their changes are not
// being saved. Each kind of trouble reaches the handler once per run: the notes stay modified
// and are written again later, so repeating the message would only nag.
namespace WriteTroubles {
void Report(WriteTrouble trouble);
// Whether that trouble was reported in this run.
bool WasReported(WriteTrouble trouble);
// The handler sees each trouble the first time it is reported; none by default.
void SetHandler(std::function<void(WriteTrouble)> handler);
// Forgets what was reported; tests only.
void ResetForTest();
} // namespace WriteTroubles
