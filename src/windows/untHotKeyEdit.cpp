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
    if (combination.key() == Qt::Key_Backspace &&
        !(combination.keyboardModifiers() & ~Qt::KeypadModifier)) {
        SetValue(0);
        return;
    }
    // Tab and Escape keep their meaning in the dialog; a key the table lacks (a modifier held
    // alone while the rest of the combination is being pressed) leaves the value as it is.
    if (combination.key() == Qt::Key_Tab || combination.key() == Qt::Key_Backtab ||
        combination.key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    const int shortcut = KeyCombinationToShortcut(combination);
    if (shortcut != 0)
        SetValue(shortcut);
}
