// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMainMenuStyle.h"

#include "untSkin.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <array>

namespace {

struct EntryPictures {
    const char* normal;
    const char* highlighted;
};

// By tag: Find Notes, Reminder List, New Note, Memoboards, Tools, Help.
constexpr std::array<EntryPictures, 6> Pictures{{
    {"m_findnotes_", "m_findnotes"},
    {"m_alarmlist_", "m_alarmlist"},
    {"m_newnote_", "m_newnote_n"},
    {"m_memoboard_", "m_memoboard"},
    {"m_tool_", "m_tool_n"},
    {"m_help_", "m_help"},
}};

// A global hot key's combination, small at the entry's lower right under its caption.
void DrawShortcut(const QAction& action, const QRect& rect, bool highlighted, QPainter& painter) {
    if (action.shortcut().isEmpty())
        return;
    painter.save();
    QFont font = painter.font();
    font.setPointSize(7);
    painter.setFont(font);
    painter.setPen(highlighted ? QColor(Qt::white) : QColor(70, 98, 106));
    painter.drawText(rect.adjusted(0, 0, -10, -2), Qt::AlignRight | Qt::AlignBottom,
                     action.shortcut().toString(QKeySequence::NativeText));
    painter.restore();
}

} // namespace

QString TMainMenuStyle::PictureName(int tag, bool highlighted) {
    if (tag < 0 || tag >= int(Pictures.size()))
        return {};
    const EntryPictures& pictures = Pictures[std::size_t(tag)];
    return QString::fromLatin1(highlighted ? pictures.highlighted : pictures.normal);
}

int TMainMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
    // The pictures fill the menu from edge to edge.
    case PM_MenuPanelWidth:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize TMainMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem)
        return {ItemWidth, ItemHeight};
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void TMainMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (element != CE_MenuItem || !menu) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QAction* action = menu->actionAt(option->rect.center());
    if (!action)
        return;
    const QString name = PictureName(action->data().toInt(), option->state & State_Selected);
    if (!name.isEmpty())
        painter->drawPixmap(option->rect.topLeft(),
                            SkinPixmap(name, painter->device()->devicePixelRatioF()));
    DrawShortcut(*action, option->rect, option->state & State_Selected, *painter);
}

void TMainMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    // No panel or frame around the pictures.
    if (element == PE_PanelMenu || element == PE_FrameMenu)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
