// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Start at log-on through an XDG autostart entry "VelmarNotes.desktop" naming the running
// executable.
namespace Autorun {
QString EntryPath();
// Writes the entry (through a temporary file renamed into place); false when it cannot.
bool EnableAutorun();
void DisableAutorun();
bool IsEnabled();
} // namespace Autorun
