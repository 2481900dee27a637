// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// One entry of the due list: the note id, the NTime text exactly as stored and whether the
// scheduler has signalled it, written "id&NTime&F" (or "&T" once signalled).
struct TDueEntry {
    int noteId = 0;
    QString dueText;
    bool signalled = false;

    QString Text() const;
    // Splits at the first two '&'; nothing when the id is no integer, a field is missing
    // or the flag is neither "F" nor "T".
    static std::optional<TDueEntry> Parse(const QString& text);
};
