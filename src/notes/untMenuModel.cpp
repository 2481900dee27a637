// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMenuModel.h"

#include <QMenu>
#include <QProxyStyle>

#include <algorithm>

namespace {

// Entries the store marks as measured are drawn 15 px wider than the style measures them.
class TWiderItemsStyle : public QProxyStyle {
public:
    static constexpr int ExtraWidth = 15;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize measured = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuItem)
            measured.rwidth() += ExtraWidth;
        return measured;
    }
};

bool AnyMeasured(const std::vector<TMenuItem>& items) {
    return std::any_of(items.begin(), items.end(),
                       [](const TMenuItem& item) { return item.Measured; });
}

} // namespace

void FillMenu(QMenu& menu, const std::vector<TMenuItem>& items, int parentTag,
              const TMenuItemClick& click) {
    if (AnyMeasured(items) && !dynamic_cast<const TWiderItemsStyle*>(menu.style())) {
        auto* style = new TWiderItemsStyle;
        style->setParent(&menu);
        menu.setStyle(style);
    }
    for (const TMenuItem& item : items) {
        if (!item.Items.empty()) {
            QMenu* submenu = menu.addMenu(item.Caption);
            FillMenu(*submenu, item.Items, item.Tag, click);
            continue;
        }
        QAction* action = menu.addAction(item.Caption);
        action->setData(item.Tag);
        action->setCheckable(item.Radio);
        action->setEnabled(item.Clickable);
        if (item.Clickable)
            QObject::connect(action, &QAction::triggered, &menu,
                             [click, parentTag, tag = item.Tag] { click(parentTag, tag); });
    }
}

void ClearMenu(QMenu& menu) {
    menu.clear();
    // The submenus belong to the menu as child widgets, which clear() leaves behind.
    for (QMenu* submenu : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        submenu->deleteLater();
}
