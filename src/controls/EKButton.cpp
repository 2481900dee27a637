// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"

#include <QEnterEvent>
#include <QMouseEvent>

TEKButton::TEKButton(QWidget* parent) : TSkinImage(parent) {}

void TEKButton::SetPic(const QString& name) {
    FPic = name;
    if (!FSelected)
        LoadPicture(FPic);
}

void TEKButton::SetPictures(const QString& pic, const QString& picEnter, const QString& picClick) {
    FPicEnter = picEnter;
    FPicClick = picClick;
    SetPic(pic);
}

void TEKButton::enterEvent(QEnterEvent* event) {
    if (!FSelected && HasHover())
        LoadPicture(FPicEnter);
    TSkinImage::enterEvent(event);
    emit OnMouseEnter();
}

void TEKButton::leaveEvent(QEvent* event) {
    if (!FSelected && HasHover())
        LoadPicture(FPic);
    TSkinImage::leaveEvent(event);
    emit OnMouseLeave();
}

void TEKButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        TSkinImage::mousePressEvent(event);
        return;
    }
    event->accept();
    if (FBtnType != btEnter) {
        if (FGroupControl)
            FGroupControl->SelectButton(this);
        else
            Select();
    }
    emit OnClick();
}

void TEKButton::Select() {
    FSelected = true;
    LoadPicture(FPicClick);
}

void TEKButton::Deselect() {
    FSelected = false;
    LoadPicture(FPic);
}

TEKControl::TEKControl(QObject* parent) : QObject(parent) {}

void TEKControl::SelectButton(TEKButton* button) {
    if (button != FCurrent && FCurrent)
        FCurrent->Deselect();
    FCurrent = button;
    if (button)
        button->Select();
}

TEKButton* TEKButton::CreateDialogButton(QWidget* parent, const QString& name,
                                         const QRect& geometry, const QString& pic,
                                         const QString& picHover) {
    auto* button = new TEKButton(parent);
    button->setObjectName(name);
    button->SetBtnType(btEnter);
    button->SetPictures(pic, picHover, picHover);
    button->setGeometry(geometry);
    return button;
}
