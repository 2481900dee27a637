// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSetHotKey.h"

#include "EKButton.h"
#include "frmHotkey.h"
#include "frmMessage.h"
#include "untErrorBoundary.h"
#include "untHotKeyEdit.h"
#include "untParam.h"
#include "untVirtualKeys.h"

#include <QLabel>

#include <array>

namespace {

constexpr QSize FormSize(455, 357);
constexpr int FirstRowTop = 36;
constexpr int RowHeight = 29;

// The rows top to bottom, by the command index each edits; "Always On Top" stands above
// "Random Colors" although it comes after it in command-index order.
constexpr std::array<int, TfmSetHotKey::CommandCount> RowCommands = {0, 1, 2, 4, 3, 5, 6, 7, 8};

QString CommandLabel(int commandIndex) {
    static const std::array<const char*, TfmSetHotKey::CommandCount> labels = {
        "Find Notes",
        "Reminder List",
        "Add Date/Time Note",
        "Add Random Colors Note",
        "Add Always On Top Note",
        "Add Default Note",
        "Trash List",
        "Show All Desktop Notes",
        "Hide All Desktop Notes",
    };
    return QString::fromLatin1(labels[commandIndex]);
}

// "Find Notes (Ctrl+Shift+F)" for each command, joined by ", ".
QString CommandsWithKeys(const QList<int>& commandIndexes, const QList<int>& values) {
    QStringList parts;
    for (const int index : commandIndexes)
        parts.append(
            QStringLiteral("%1 (%2)").arg(CommandLabel(index), ShortcutText(values[index])));
    return parts.join(QStringLiteral(", "));
}

// "A", "A and B", "A, B and C".
QString JoinedNames(const QList<int>& commandIndexes) {
    QStringList names;
    for (const int index : commandIndexes)
        names.append(CommandLabel(index));
    const QString last = names.takeLast();
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

TfmSetHotKey::TfmSetHotKey(QWidget* parent)
    : TSkinnedDialog(QStringLiteral("fmSetHotKey"), FormSize, QStringLiteral("sethotkeys_bg"),
                     parent),
      FLblStatus(new QLabel(this)), FFmHotkey(new TfmHotkey(this)),
      FFmMessage(new TfmMessage(this)) {
    setWindowTitle(QStringLiteral("Hot Keys Settings"));
    FRows.resize(CommandCount);
    for (int row = 0; row < CommandCount; ++row) {
        const int command = RowCommands[row];
        const int top = FirstRowTop + row * RowHeight;
        auto* label = new QLabel(CommandLabel(command), this);
        label->setObjectName(QStringLiteral("lbl") + HotKeyCommandName(command));
        label->setGeometry(20, top + 4, 165, 16);

        auto* edit = new THotKeyEdit(this);
        edit->setObjectName(QStringLiteral("hk") + HotKeyCommandName(command));
        edit->setGeometry(190, top + 1, 150, 22);
        FRows[command] = edit;

        TEKButton* button =
            CreateButton(QStringLiteral("EKButton%1").arg(row + 1), {350, top, 88, 24},
                         QStringLiteral("sethotkey"), QStringLiteral("sethotkey_"));
        button->setToolTip(QStringLiteral("Set Hot Key"));
        connect(button, &TEKButton::OnClick, this, [this, command] { EditRow(command); });
    }

    FLblStatus->setObjectName(QStringLiteral("lblStatus"));
    FLblStatus->setGeometry(20, 296, 415, 16);
    QPalette warning = FLblStatus->palette();
    warning.setColor(QPalette::WindowText, QColor(163, 48, 43));
    FLblStatus->setPalette(warning);

    TEKButton* ok = CreateButton(QStringLiteral("ekbtnOK"), {257, 325, 88, 24},
                                 QStringLiteral("sethotkey"), QStringLiteral("sethotkey_"));
    TEKButton* cancel = CreateButton(QStringLiteral("ekbtnCancel"), {353, 325, 88, 24},
                                     QStringLiteral("Cancel"), QStringLiteral("Cancel_"));
    TEKButton* close = CreateCloseButton(FormSize.width() - 58);
    connect(ok, &TEKButton::OnClick, this, &TfmSetHotKey::accept);
    connect(cancel, &TEKButton::OnClick, this, &TfmSetHotKey::reject);
    connect(close, &TEKButton::OnClick, this, &TfmSetHotKey::reject);
}

void TfmSetHotKey::SetHotKeysAvailable(bool available) {
    FAvailable = available;
    RefreshStatus();
}

void TfmSetHotKey::SetNotTaken(const QList<int>& commandIndexes) {
    FNotTaken = commandIndexes;
    RefreshStatus();
}

QList<int> TfmSetHotKey::Values() const {
    QList<int> values;
    for (const THotKeyEdit* row : FRows)
        values.append(row->Value());
    return values;
}

void TfmSetHotKey::showEvent(QShowEvent* event) {
    LoadStoredValues();
    TSkinnedDialog::showEvent(event);
}

void TfmSetHotKey::LoadStoredValues() {
    for (int index = 0; index < CommandCount; ++index)
        FRows[index]->SetValue(ReadHotKey(index));
    RefreshStatus();
}

void TfmSetHotKey::EditRow(int commandIndex) {
    if (FFmHotkey->isVisible())
        return;
    if (const auto shortcut = FFmHotkey->Edit(FRows[commandIndex]->Value()))
        FRows[commandIndex]->SetValue(*shortcut);
}

// A write that fails is shown by the error handler and leaves the dialog open.
void TfmSetHotKey::accept() {
    RunGuarded([this] { Save(); });
}

void TfmSetHotKey::Save() {
    const QList<int> values = Values();
    if (RefuseDuplicates(values))
        return;
    QStringList lines;
    for (int index = 0; index < CommandCount; ++index)
        lines.append(HotKeyCommandName(index) + u'=' + QString::number(quint16(values[index])));
    StoreHotKeys(lines);
    if (FReregister) {
        const THotKeyRegistration registration = FReregister();
        SetNotTaken(registration.NotTaken);
        if (FAvailable && !registration.NotTaken.isEmpty())
            ReportNotTaken(registration.NotTaken, values);
    }
    TSkinnedDialog::accept();
}

// One combination can run one command only: say which commands share one and store nothing.
bool TfmSetHotKey::RefuseDuplicates(const QList<int>& values) {
    const QList<QList<int>> duplicates = DuplicateHotKeys(values);
    if (duplicates.isEmpty())
        return false;
    const QList<int>& commands = duplicates.first();
    ShowNotice(QStringLiteral("The hot key %1 is given to %2. Give each command its own "
                              "hot key.")
                   .arg(ShortcutText(values[commands.first()]), JoinedNames(commands)));
    return true;
}

void TfmSetHotKey::ReportNotTaken(const QList<int>& commandIndexes, const QList<int>& values) {
    ShowNotice(QStringLiteral("Another program already uses these hot keys, so they do "
                              "not work: %1.")
                   .arg(CommandsWithKeys(commandIndexes, values)));
}

void TfmSetHotKey::ShowNotice(const QString& message) {
    FFmMessage->SetTitle(QStringLiteral("Hot Keys Settings"));
    FFmMessage->SetMessage(message);
    FFmMessage->SetShowCancel(false);
    FFmMessage->SetLineCount(2);
    FFmMessage->exec();
}

void TfmSetHotKey::RefreshStatus() {
    if (!FAvailable) {
        FLblStatus->setText(
            QStringLiteral("Global hot keys are not available in this session (no X server)."));
        return;
    }
    QList<int> stored;
    for (int index = 0; index < CommandCount; ++index)
        stored.append(ReadHotKey(index));
    FLblStatus->setText(FNotTaken.isEmpty() ? QString()
                                            : QStringLiteral("In use by another program: %1")
                                                  .arg(CommandsWithKeys(FNotTaken, stored)));
}
