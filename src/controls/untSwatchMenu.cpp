// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSwatchMenu.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

const QColor SelectionBlue(49, 106, 197);

// Measures every entry at the fixed size and paints its two swatches.
class TSwatchMenuStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (const auto* menu = qobject_cast<const TSwatchMenu*>(widget);
            menu && type == CT_MenuItem)
            return {menu->ItemWidthInUse(), TSwatchMenu::ItemHeight};
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* menu = qobject_cast<const TSwatchMenu*>(widget);
        const QAction* action = menu ? menu->actionAt(option->rect.center()) : nullptr;
        if (element != CE_MenuItem || !action) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect r = option->rect;
        painter->fillRect(r, option->state & State_Selected ? SelectionBlue : QColor(Qt::white));
        const auto [left, right] = menu->Swatches(action);
        const int middle = r.left() + r.width() / 2;
        painter->fillRect(
            QRect(QPoint(r.left() + 2, r.top() + 2), QPoint(middle - 1, r.bottom() - 2)), left);
        painter->fillRect(QRect(QPoint(middle, r.top() + 2), QPoint(r.right() - 2, r.bottom() - 2)),
                          right);
    }
};

} // namespace

TSwatchMenu::TSwatchMenu(QWidget* parent) : QMenu(parent) {
    auto* style = new TSwatchMenuStyle;
    style->setParent(this);
    setStyle(style);
}

QAction* TSwatchMenu::AddSwatch(int value, const QColor& left, const QColor& right) {
    QAction* action = addAction(QString());
    action->setData(value);
    FSwatches.insert(action, {left, right});
    connect(action, &QAction::triggered, this, [this, value] { emit SwatchChosen(value); });
    return action;
}

std::pair<QColor, QColor> TSwatchMenu::Swatches(const QAction* action) const {
    return FSwatches.value(action, {QColor(Qt::black), QColor(Qt::black)});
}
