// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSkinnedDialog.h"

#include "EKButton.h"
#include "untScreenPlace.h"
#include "untSkinImage.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QFont>
#include <QKeyEvent>

namespace {
constexpr int CornerDiameter = 9;
constexpr int TitleHeight = 28;
} // namespace

TSkinnedDialog::TSkinnedDialog(const QString& name, const QSize& size, const QString& background,
                               QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(name);
    setFixedSize(size);
    setMask(RoundedRegion(size, CornerDiameter));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);

    auto* imgBG = new TSkinImage(this);
    imgBG->setObjectName(QStringLiteral("imgBG"));
    imgBG->setGeometry(rect());
    imgBG->LoadPicture(background);
    imgBG->lower();

    auto* imgTitle = new TSkinImage(this);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, 0, size.width(), TitleHeight);
    new WindowDragHelper(imgTitle, this);
}

TEKButton* TSkinnedDialog::CreateButton(const QString& name, const QRect& geometry,
                                        const QString& pic, const QString& picHover) {
    return TEKButton::CreateDialogButton(this, name, geometry, pic, picHover);
}

TEKButton* TSkinnedDialog::CreateCloseButton(int left) {
    return CreateButton(QStringLiteral("ekbtnClose"), {left, 0, 46, 18},
                        QStringLiteral("close_left_"), QStringLiteral("close_left"));
}

void TSkinnedDialog::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    QDialog::showEvent(event);
}

void TSkinnedDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
