// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteColors.h"

#include "untUtil.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// Measures and draws the colour entries: the entry's colour comes from its action's data.
class TColorMenuStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem)
            return {TNoteColorMenu::ItemWidth, TNoteColorMenu::ItemHeight};
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* menu = qobject_cast<const QMenu*>(widget);
        const QAction* action = menu ? menu->actionAt(option->rect.center()) : nullptr;
        if (element != CE_MenuItem || !action) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect r = option->rect;
        const bool selected = option->state & State_Selected;
        painter->fillRect(r, selected ? QColor(49, 106, 197) : QColor(Qt::white));
        const int color = action->data().toInt();
        const int middle = r.left() + r.width() / 2;
        painter->fillRect(
            QRect(QPoint(r.left() + 2, r.top() + 2), QPoint(middle - 1, r.bottom() - 2)),
            ColorFromValue(color));
        painter->fillRect(QRect(QPoint(middle, r.top() + 2), QPoint(r.right() - 2, r.bottom() - 2)),
                          ColorFromValue(LightenColor(color)));
    }
};

} // namespace

QColor ColorFromValue(int color) {
    if (color == -1)
        return Qt::black;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TNoteColorMenu::TNoteColorMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
    setObjectName(QStringLiteral("menuColor"));
    auto* style = new TColorMenuStyle;
    style->setParent(this);
    setStyle(style);
    for (const int color : NoteColorTable) {
        QAction* item = addAction(QString());
        item->setData(color);
        connect(item, &QAction::triggered, this, [this, color] { emit ColorChosen(color); });
    }
}
