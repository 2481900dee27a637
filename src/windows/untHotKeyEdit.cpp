// SPDX-License-Identifier: GPL-3.0-or-later
#include "untHotKeyEdit.h"

#include "untVirtualKeys.h"

#include <QKeyEvent>

THotKeyEdit::THotKeyEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void THotKeyEdit::SetValue(int shortcut) {
    const int value = FKeyOnly ? ShortcutVirtualKey(shortcut) : shortcut;
    FValue = IsValidShortcut(value) ? value : 0;
    setText(ShortcutText(FValue));
    emit ValueChanged(FValue);
}

void THotKeyEdit::keyPressEvent(QKeyEvent* event) {
    const QKeyCombination combination = event->keyCombination();
    const Qt::Key key = combination.key();
    const bool bare = !(combination.keyboardModifiers() & ~Qt::KeypadModifier);
    if (key == Qt::Key_Backspace && bare) {
        SetValue(0);
        return;
    }
    // Tab, Escape and a bare Enter keep their meaning in the dialog; a key the table lacks (a
    // modifier held alone while the rest of the combination is being pressed) leaves the value
    // as it is.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape ||
        (bare && (key == Qt::Key_Return || key == Qt::Key_Enter))) {
        event->ignore();
        return;
    }
    const int shortcut = KeyCombinationToShortcut(combination);
    if (shortcut != 0)
        SetValue(shortcut);
}
