// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untHotKeyTable.h"
#include "untSkinnedDialog.h"

#include <QList>

#include <functional>

class QLabel;
class TEKButton;
class TfmHotkey;
class TfmMessage;
class THotKeyEdit;

// "Hot Keys Settings": the nine hot-key commands, one row each with its combination (a hot key
// control such as hkFindNotes) and a "Set" button that edits it in TfmHotkey. Every show loads
// the stored combinations; OK stores all nine in command-index order to section "hotkey" and
// then has the program's hot keys registered again through the re-register callback. Cancel
// stores nothing.
//
// Beyond storing, the dialog refuses to store one combination given to two commands (it says
// which), tells after OK which combinations another program holds, and shows in its status line
// when global hot keys cannot be had in this session at all.
class TfmSetHotKey : public TSkinnedDialog {
    Q_OBJECT
public:
    static constexpr int CommandCount = 9;

    explicit TfmSetHotKey(QWidget* parent = nullptr);

    // Unregisters every hot key and registers the stored ones again; answers the result.
    using TReregister = std::function<THotKeyRegistration()>;
    void SetReregister(TReregister reregister) { FReregister = std::move(reregister); }

    // Whether this session can have global hot keys at all (false without an X server).
    void SetHotKeysAvailable(bool available);
    // The command indexes whose stored combination another program holds, as the latest
    // registration found them.
    void SetNotTaken(const QList<int>& commandIndexes);

    // The rows' combinations in command-index order.
    QList<int> Values() const;

    // OK: stores, re-registers and closes; stays open when two commands share a combination.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadStoredValues();
    void Save();
    void EditRow(int commandIndex);
    bool RefuseDuplicates(const QList<int>& values);
    void ReportNotTaken(const QList<int>& commandIndexes, const QList<int>& values);
    void ShowNotice(const QString& message);
    void RefreshStatus();

    QList<THotKeyEdit*> FRows; // by command index
    QLabel* FLblStatus;
    TfmHotkey* FFmHotkey;
    TfmMessage* FFmMessage; // the notices about duplicates and combinations not taken
    TReregister FReregister;
    bool FAvailable = true;
    QList<int> FNotTaken;
};
