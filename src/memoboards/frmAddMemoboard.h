// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untMemoboardDB.h"
#include "untSkinnedDialog.h"

class QLineEdit;

// "Add Memoboard": names a new memoboard and creates it with its first tab "Tab1". The caller
// opens what Created() gives once the dialog is accepted.
class TfmAddMemoboard : public TSkinnedDialog {
    Q_OBJECT
public:
    static constexpr int FormWidth = 399;
    static constexpr int FormHeight = 147;

    explicit TfmAddMemoboard(QWidget* parent = nullptr);

    QLineEdit* edtMemoboard() const { return FEdtMemoboard; }
    // The memoboard and tab OK created.
    const TNewMemoboard& Created() const { return FCreated; }

    // OK: the memoboard is created under the typed name (an empty name too).
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* FEdtMemoboard;
    TNewMemoboard FCreated;
};
