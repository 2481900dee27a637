// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untHotKeyTable.h"

#include <QList>
#include <QObject>

#include <functional>

class QWidget;
class THotKeyService;

// The main window's nine global hot keys: the stored combinations of section "hotkey" grabbed
// system-wide, a pressed one running its command, and the menu entries showing the shortcuts in
// force. A command runs through the main window's action of that name (found when pressed, so
// an action added later is reached as well); "DefaultNote" has no action and runs
// `newDefaultNote`.
class TMainHotKeys : public QObject {
    Q_OBJECT
public:
    TMainHotKeys(QWidget& mainForm, std::function<void()> newDefaultNote);

    // Whether this session can have global hot keys (false without an X server).
    bool IsAvailable() const;

    // Grabs the stored combinations and shows on each menu entry the combination that runs its
    // command, clearing the entries whose command has none.
    const THotKeyRegistration& RegisterHotKeys();
    void UnregisterHotKeys();
    const THotKeyRegistration& Registration() const { return FRegistration; }

    // Runs the command of a pressed combination's id; an unknown id does nothing.
    void HotKeyPressed(int id);

    // The name of the main window's action a command runs and whose menu entry shows its
    // combination; empty for "DefaultNote".
    static QString CommandActionName(int commandIndex);

    // Test seam: grabs through `grab` instead of the X server.
    void SetGrabForTest(std::function<bool(int shortcut)> grab) { FGrabForTest = std::move(grab); }

private:
    void ShowShortcutsInForce(const QList<int>& values);
    void RunCommand(int commandIndex);

    QWidget& FMainForm;
    std::function<void()> FNewDefaultNote;
    THotKeyService* FService;
    THotKeyRegistration FRegistration;
    std::function<bool(int)> FGrabForTest;
};
