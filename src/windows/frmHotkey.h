// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untSkinnedDialog.h"

#include <optional>

class QCheckBox;
class QLabel;
class TEKButton;
class THotKeyEdit;

// "Set Hot Key": edits one combination from three modifier check boxes (cbxShift, cbxCtrl,
// cbxAlt) and one key (hkKey), showing it as text in lblHK ("Shift + Ctrl + F"). The key is
// carried as its value, so function keys, arrows and the like come through as well as letters
// and digits. Applying without a key gives 0 (no hot key).
class TfmHotkey : public TSkinnedDialog {
    Q_OBJECT
public:
    explicit TfmHotkey(QWidget* parent = nullptr);

    // Shows the combination in the controls.
    void Load(int shortcut);
    // The combination the controls hold: the checked modifiers and hkKey's key; 0 without a key.
    int Shortcut() const;

    // Loads the combination and shows the dialog modally; the new combination when it is
    // applied, nothing when it is cancelled or closed.
    std::optional<int> Edit(int shortcut);

private:
    QCheckBox* CreateModifierBox(QWidget* group, const QString& name, const QString& text,
                                 int left);
    void RefreshLabel();

    QCheckBox* FCbxShift;
    QCheckBox* FCbxCtrl;
    QCheckBox* FCbxAlt;
    THotKeyEdit* FHkKey;
    QLabel* FLblHK;
    TEKButton* FEKButton1;
    TEKButton* FEKButton2;
    TEKButton* FEkbtnClose;
};
