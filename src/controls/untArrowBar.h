// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QPointer>
#include <QWidget>

class TEKButton;

// The pair of scroll arrows beside the note's skinned scroll bar: imgup (14 wide, "arrow_up")
// and imgdown (13 wide, "arrow_down"), each showing its "2" picture under the mouse. Pressing
// an arrow scrolls Edit one line up or down, then raises OnSyncBar and OnArrowClick, in that
// order.
class TArrowBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 13;

    // Created inside its panel and as wide as it.
    explicit TArrowBar(QWidget* parent);

    QAbstractScrollArea* Edit() const { return FEdit; }
    void SetEdit(QAbstractScrollArea* edit) { FEdit = edit; }

    TEKButton* imgup() const { return FImgUp; }
    TEKButton* imgdown() const { return FImgDown; }

signals:
    void OnSyncBar();
    void OnArrowClick();

private:
    TEKButton* CreateArrow(const QString& name, const QString& picture, int left, int width);
    void ScrollLine(QAbstractSlider::SliderAction action);

    TEKButton* FImgUp;
    TEKButton* FImgDown;
    QPointer<QAbstractScrollArea> FEdit;
};
