// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>
#include <QtGlobal>

// Hot keys are stored as Windows shortcut values, so that config.ini moves between systems
// unchanged: a virtual-key code in the low byte plus the modifier flags below. One table
// translates the virtual-key codes to X11 keysyms, to Qt keys and to their shortcut text.

inline constexpr int ShortcutShift = 8192;
inline constexpr int ShortcutCtrl = 16384;
inline constexpr int ShortcutAlt = 32768;

inline int ShortcutVirtualKey(int shortcut) {
    return shortcut & 0xFF;
}
inline int ShortcutModifiers(int shortcut) {
    return shortcut & (ShortcutShift | ShortcutCtrl | ShortcutAlt);
}

// A shortcut value that names a key of the table and nothing but the three modifier flags
// besides; 0 (no hot key) is not valid.
bool IsValidShortcut(int shortcut);

// The keysym of a virtual-key code (the unshifted symbol on a US layout, lower case for
// letters); 0 when the table has no such key.
quint32 VirtualKeyToKeysym(int virtualKey);
// The virtual-key code of a keysym (a letter in either case); 0 when the table has none.
int KeysymToVirtualKey(quint32 keysym);

// "Ctrl+Alt+Shift+F"; empty for a value that is not valid.
QString ShortcutText(int shortcut);

// The Qt key combination of a stored value; QKeyCombination() for a value that is not valid.
QKeyCombination ShortcutToKeyCombination(int shortcut);
// The stored value of a Qt key combination. A shifted symbol of a US layout (Shift+1 arrives as
// "!") counts as its key. 0 when the key has no virtual-key code, is a modifier alone, or the
// combination holds Meta.
int KeyCombinationToShortcut(QKeyCombination combination);
