// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmHotkey.h"

#include "EKButton.h"
#include "untHotKeyEdit.h"
#include "untVirtualKeys.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace {
constexpr QSize FormSize(348, 170);
} // namespace

TfmHotkey::TfmHotkey(QWidget* parent)
    : TSkinnedDialog(QStringLiteral("fmHotkey"), FormSize, QStringLiteral("hotkey_bg"), parent) {
    setWindowTitle(QStringLiteral("Set Hot Key"));
    auto* group = new QGroupBox(QStringLiteral("Set Hot Key"), this);
    group->setObjectName(QStringLiteral("gbxHotKey"));
    group->setGeometry(12, 36, 324, 82);

    FCbxShift = CreateModifierBox(group, QStringLiteral("cbxShift"), QStringLiteral("Shift"), 14);
    FCbxCtrl = CreateModifierBox(group, QStringLiteral("cbxCtrl"), QStringLiteral("Ctrl"), 74);
    FCbxAlt = CreateModifierBox(group, QStringLiteral("cbxAlt"), QStringLiteral("Alt"), 134);

    FHkKey = new THotKeyEdit(group);
    FHkKey->setObjectName(QStringLiteral("hkKey"));
    FHkKey->SetKeyOnly(true);
    FHkKey->setGeometry(194, 20, 116, 22);
    connect(FHkKey, &THotKeyEdit::ValueChanged, this, &TfmHotkey::RefreshLabel);

    FLblHK = new QLabel(group);
    FLblHK->setObjectName(QStringLiteral("lblHK"));
    FLblHK->setGeometry(14, 54, 296, 18);

    FEKButton1 = CreateButton(QStringLiteral("EKButton1"), {150, 136, 88, 24},
                              QStringLiteral("sethotkey"), QStringLiteral("sethotkey_"));
    FEKButton2 = CreateButton(QStringLiteral("EKButton2"), {246, 136, 88, 24},
                              QStringLiteral("Cancel"), QStringLiteral("Cancel_"));
    FEkbtnClose = CreateCloseButton(FormSize.width() - 58);
    connect(FEKButton1, &TEKButton::OnClick, this, &TfmHotkey::accept);
    connect(FEKButton2, &TEKButton::OnClick, this, &TfmHotkey::reject);
    connect(FEkbtnClose, &TEKButton::OnClick, this, &TfmHotkey::reject);
}

QCheckBox* TfmHotkey::CreateModifierBox(QWidget* group, const QString& name, const QString& text,
                                        int left) {
    auto* box = new QCheckBox(text, group);
    box->setObjectName(name);
    box->move(left, 22);
    box->resize(56, box->sizeHint().height());
    connect(box, &QCheckBox::toggled, this, &TfmHotkey::RefreshLabel);
    return box;
}

void TfmHotkey::Load(int shortcut) {
    const QSignalBlocker blockShift(FCbxShift), blockCtrl(FCbxCtrl), blockAlt(FCbxAlt);
    FCbxShift->setChecked(shortcut & ShortcutShift);
    FCbxCtrl->setChecked(shortcut & ShortcutCtrl);
    FCbxAlt->setChecked(shortcut & ShortcutAlt);
    FHkKey->SetValue(IsValidShortcut(shortcut) ? ShortcutVirtualKey(shortcut) : 0);
    RefreshLabel();
}

int TfmHotkey::Shortcut() const {
    const int key = FHkKey->Value();
    if (key == 0)
        return 0;
    int shortcut = key;
    if (FCbxShift->isChecked())
        shortcut |= ShortcutShift;
    if (FCbxCtrl->isChecked())
        shortcut |= ShortcutCtrl;
    if (FCbxAlt->isChecked())
        shortcut |= ShortcutAlt;
    return shortcut;
}

std::optional<int> TfmHotkey::Edit(int shortcut) {
    Load(shortcut);
    if (exec() != Accepted)
        return std::nullopt;
    return Shortcut();
}

// "Shift + ", "Ctrl + ", "Alt + " for the checked boxes, always in that order, then the key.
void TfmHotkey::RefreshLabel() {
    QString text;
    if (FCbxShift->isChecked())
        text += QStringLiteral("Shift + ");
    if (FCbxCtrl->isChecked())
        text += QStringLiteral("Ctrl + ");
    if (FCbxAlt->isChecked())
        text += QStringLiteral("Alt + ");
    FLblHK->setText(text + ShortcutText(FHkKey->Value()));
}
