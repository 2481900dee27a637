// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>

#include <functional>

// The nine hot-key commands' stored values, in command-index order, against what the system
// could grab. A combination is grabbed once however many commands share it; its id is its
// shortcut value.
struct THotKeyRegistration {
    // The id of each combination grabbed, with the indexes of the commands bound to it
    // (ascending).
    QMap<int, QList<int>> CommandsById;
    // The indexes of the commands whose combination could not be grabbed (ascending).
    QList<int> NotTaken;

    // The command a pressed id runs: the first bound to it in command-index order; -1 when the
    // id is not grabbed.
    int CommandOf(int id) const;
};

// Grabs each distinct non-zero value of values (indexed by command) through grab, which answers
// whether the combination is now ours.
THotKeyRegistration RegisterHotKeyTable(const QList<int>& values,
                                        const std::function<bool(int shortcut)>& grab);

// The groups of command indexes that share one non-zero value, each ascending, ordered by their
// first command. Empty when every combination is distinct.
QList<QList<int>> DuplicateHotKeys(const QList<int>& values);
