#include "untMenuModel.h"

#include <QMenu>

void FillMenu(QMenu& menu, const std::vector<TMenuItem>& items, int parentTag,
              const TMenuItemClick& click) {
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
