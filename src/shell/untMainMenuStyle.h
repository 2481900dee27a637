// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The owner drawing of the main popup menu's six top entries: each is a 188×43 picture, one for
// the normal and one for the highlighted state, chosen by the entry's tag (its action's data,
// 0 to 5), with the combination of a global hot key drawn small at its lower right. Set it on
// that menu only; its submenus keep the ordinary look.
class TMainMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int ItemWidth = 188;
    static constexpr int ItemHeight = 43;

    // The skin picture of the entry with that tag in either state; empty for an unknown tag.
    static QString PictureName(int tag, bool highlighted);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
