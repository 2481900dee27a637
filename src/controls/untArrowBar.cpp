// SPDX-License-Identifier: GPL-3.0-or-later
#include "untArrowBar.h"

#include "EKButton.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

TArrowBar::TArrowBar(QWidget* parent)
    : QWidget(parent),
      FImgUp(CreateArrow(QStringLiteral("imgup"), QStringLiteral("arrow_up"), 0, 14)),
      FImgDown(CreateArrow(QStringLiteral("imgdown"), QStringLiteral("arrow_down"), 14, 13)) {
    setObjectName(QStringLiteral("ArrowBar"));
    resize(parent->width(), BarHeight);
    connect(FImgUp, &TEKButton::OnClick, this,
            [this] { ScrollLine(QAbstractSlider::SliderSingleStepSub); });
    connect(FImgDown, &TEKButton::OnClick, this,
            [this] { ScrollLine(QAbstractSlider::SliderSingleStepAdd); });
}

TEKButton* TArrowBar::CreateArrow(const QString& name, const QString& picture, int left,
                                  int width) {
    auto* arrow = new TEKButton(this);
    arrow->setObjectName(name);
    arrow->SetBtnType(btEnter);
    const QString hover = picture + QLatin1Char('2');
    arrow->SetPictures(picture, hover, hover);
    arrow->setGeometry(left, 0, width, BarHeight);
    return arrow;
}

void TArrowBar::ScrollLine(QAbstractSlider::SliderAction action) {
    if (FEdit)
        FEdit->verticalScrollBar()->triggerAction(action);
    emit OnSyncBar();
    emit OnArrowClick();
}
