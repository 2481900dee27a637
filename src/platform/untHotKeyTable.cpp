// SPDX-License-Identifier: GPL-3.0-or-later
#include "untHotKeyTable.h"

#include <algorithm>

namespace {

// Each distinct non-zero value with the commands bound to it, ordered by its first command.
QList<std::pair<int, QList<int>>> CommandsByValue(const QList<int>& values) {
    QList<std::pair<int, QList<int>>> groups;
    for (int index = 0; index < values.size(); ++index) {
        const int value = values[index];
        if (value == 0)
            continue;
        const auto group = std::find_if(groups.begin(), groups.end(), [value](const auto& entry) {
            return entry.first == value;
        });
        if (group == groups.end())
            groups.append({value, {index}});
        else
            group->second.append(index);
    }
    return groups;
}

} // namespace

int THotKeyRegistration::CommandOf(int id) const {
    const auto found = CommandsById.constFind(id);
    return found == CommandsById.constEnd() ? -1 : found->first();
}

THotKeyRegistration RegisterHotKeyTable(const QList<int>& values,
                                        const std::function<bool(int shortcut)>& grab) {
    THotKeyRegistration registration;
    for (const auto& [value, commands] : CommandsByValue(values)) {
        if (grab(value))
            registration.CommandsById.insert(value, commands);
        else
            registration.NotTaken.append(commands);
    }
    std::sort(registration.NotTaken.begin(), registration.NotTaken.end());
    return registration;
}

QList<QList<int>> DuplicateHotKeys(const QList<int>& values) {
    QList<QList<int>> duplicates;
    for (const auto& [value, commands] : CommandsByValue(values)) {
        if (commands.size() > 1)
            duplicates.append(commands);
    }
    return duplicates;
}
