// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// True while the user's session is locked: the freedesktop screen saver, then GNOME's, then
// logind's LockedHint of our session. False when nothing answers.
bool IsWorkstationLocked();
