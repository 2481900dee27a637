// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMainHotKeys.h"

#include "untHotKeys.h"
#include "untParam.h"
#include "untVirtualKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QLoggingCategory>
#include <QWidget>

#include <array>

namespace {

Q_LOGGING_CATEGORY(lcMainHotKeys, "velmar.shell.hotkeys")

constexpr int CommandCount = 9;

// By command index: the action each command runs.
constexpr std::array<const char*, CommandCount> ActionNames = {
    "acFindnotes", "acReminderList", "acAddDTNote",    "acAddRadomColorNote", "acAddOnTheTop",
    nullptr,       "acTrashList",    "acShowAllNotes", "acHideAllNotes"};

} // namespace

TMainHotKeys::TMainHotKeys(QWidget& mainForm, std::function<void()> newDefaultNote)
    : QObject(&mainForm), FMainForm(mainForm), FNewDefaultNote(std::move(newDefaultNote)),
      FService(new THotKeyService(this)) {
    connect(FService, &THotKeyService::HotKeyPressed, this, &TMainHotKeys::HotKeyPressed);
}

bool TMainHotKeys::IsAvailable() const {
    return FGrabForTest || FService->IsAvailable();
}

QString TMainHotKeys::CommandActionName(int commandIndex) {
    if (commandIndex < 0 || commandIndex >= CommandCount || !ActionNames[commandIndex])
        return {};
    return QString::fromLatin1(ActionNames[commandIndex]);
}

const THotKeyRegistration& TMainHotKeys::RegisterHotKeys() {
    QList<int> values;
    for (int index = 0; index < CommandCount; ++index)
        values.append(ReadHotKey(index));
    FRegistration = FGrabForTest ? RegisterHotKeyTable(values, FGrabForTest)
                                 : FService->RegisterCommands(values);
    ShowShortcutsInForce(values);
    qCInfo(lcMainHotKeys) << FRegistration.CommandsById.size() << "hot keys registered;"
                          << FRegistration.NotTaken.size() << "commands' hot keys not taken";
    return FRegistration;
}

void TMainHotKeys::UnregisterHotKeys() {
    FService->UnregisterAll();
    FRegistration = {};
}

// An entry shows a combination only while pressing it runs the entry's command: a removed
// combination, one another program holds, or one an earlier command takes shows nothing.
void TMainHotKeys::ShowShortcutsInForce(const QList<int>& values) {
    for (int index = 0; index < CommandCount; ++index) {
        const QString name = CommandActionName(index);
        auto* action = name.isEmpty() ? nullptr : FMainForm.findChild<QAction*>(name);
        if (!action)
            continue;
        const bool inForce = values[index] != 0 && FRegistration.CommandOf(values[index]) == index;
        action->setShortcut(inForce ? QKeySequence(ShortcutToKeyCombination(values[index]))
                                    : QKeySequence());
        // The key belongs to the global grab; as a menu shortcut it acts only inside the open
        // menu, which holds the keyboard while it is open.
        action->setShortcutContext(Qt::WidgetShortcut);
    }
}

void TMainHotKeys::HotKeyPressed(int id) {
    const int command = FRegistration.CommandOf(id);
    if (command < 0)
        return;
    qCInfo(lcMainHotKeys) << "hot key" << ShortcutText(id) << "runs" << HotKeyCommandName(command);
    RunCommand(command);
}

void TMainHotKeys::RunCommand(int commandIndex) {
    const QString name = CommandActionName(commandIndex);
    if (name.isEmpty()) {
        FNewDefaultNote();
        return;
    }
    if (auto* action = FMainForm.findChild<QAction*>(name))
        action->trigger();
    else
        qCWarning(lcMainHotKeys) << "no command" << name << "for its hot key";
}
