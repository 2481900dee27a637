// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A hot key control: shows a stored shortcut value as its text ("Ctrl+Shift+F", empty for none)
// and takes a new one from the next key combination pressed in it. Backspace alone clears it
// (0, no hot key); Tab, Escape and a bare Enter act on the dialog as usual. With KeyOnly set it
// holds a key without modifiers.
class THotKeyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit THotKeyEdit(QWidget* parent = nullptr);

    int Value() const { return FValue; }
    void SetValue(int shortcut);

    void SetKeyOnly(bool keyOnly) { FKeyOnly = keyOnly; }

signals:
    void ValueChanged(int shortcut);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FValue = 0;
    bool FKeyOnly = false;
};
