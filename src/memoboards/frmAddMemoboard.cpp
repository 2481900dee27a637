// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAddMemoboard.h"

#include "EKButton.h"
#include "untErrorBoundary.h"

#include <QLabel>
#include <QLineEdit>

TfmAddMemoboard::TfmAddMemoboard(QWidget* parent)
    : TSkinnedDialog(QStringLiteral("fmAddMemoboard"), {FormWidth, FormHeight},
                     QStringLiteral("addmemo_bg"), parent),
      FEdtMemoboard(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Add Memoboard"));
    auto* label = new QLabel(QStringLiteral("Memoboard Name :"), this);
    label->setObjectName(QStringLiteral("lblName"));
    label->setGeometry(25, 42, 200, 16);
    FEdtMemoboard->setObjectName(QStringLiteral("edtMemoboard"));
    FEdtMemoboard->setGeometry(25, 62, 348, 22);
    TEKButton* ok = CreateButton(QStringLiteral("ekbtnOK"), {189, 111, 88, 24},
                                 QStringLiteral("ok"), QStringLiteral("ok_"));
    TEKButton* cancel = CreateButton(QStringLiteral("ekbtnCancel"), {285, 111, 88, 24},
                                     QStringLiteral("Cancel"), QStringLiteral("Cancel_"));
    TEKButton* close = CreateCloseButton(FormWidth - 46 - 8);
    connect(ok, &TEKButton::OnClick, this, &TfmAddMemoboard::accept);
    connect(cancel, &TEKButton::OnClick, this, &TfmAddMemoboard::reject);
    connect(close, &TEKButton::OnClick, this, &TfmAddMemoboard::reject);
}

void TfmAddMemoboard::showEvent(QShowEvent* event) {
    FEdtMemoboard->clear();
    FEdtMemoboard->setFocus();
    TSkinnedDialog::showEvent(event);
}

void TfmAddMemoboard::accept() {
    RunGuarded([this] { FCreated = MemoboardDB::AddMemoboard(FEdtMemoboard->text()); });
    TSkinnedDialog::accept();
}
