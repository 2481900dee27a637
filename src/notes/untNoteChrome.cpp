// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteChrome.h"

#include "untSkin.h"

#include <QPainter>

namespace {

constexpr int CornerSize = 6;
constexpr int ArrowPanelWidth = 29;
constexpr int LeftSpacerWidth = 8;
constexpr int ResizePanelWidth = 16;
constexpr int GripSize = 8;
constexpr int AlarmWidth = 20;
constexpr int AlarmHeight = 24;
const QColor FrameColor(191, 200, 196);

constexpr std::array<const char*, TNoteChrome::PartCount> PartNames = {
    "imgTitle",        "imgIcon",        "imgEdit",        "imgAlarm",      "imgTopborder",
    "imgBottomborder", "imgLeftborder",  "imgRightborder", "imgTopleft",    "imgTopright",
    "imgBottomleft",   "imgBottomright", "pnlToolbar",     "pnlLeftBorder", "pnlArrow",
    "pnlBar",          "pnlResize",      "imgResize"};

// The picture each piece shows; the alarm's is given at paint time.
const char* PictureOf(ChromePart part) {
    switch (part) {
    case ChromePart::imgIcon:
        return "n_title";
    case ChromePart::imgEdit:
        return "n_edit";
    case ChromePart::imgTopleft:
        return "n_topleft";
    case ChromePart::imgTopright:
        return "n_topright";
    case ChromePart::imgBottomleft:
        return "n_bottomleft";
    case ChromePart::imgBottomright:
        return "n_bottomright";
    case ChromePart::imgResize:
        return "n_resize2";
    default:
        return nullptr;
    }
}

bool IsFrameLine(ChromePart part) {
    return part == ChromePart::imgTopborder || part == ChromePart::imgBottomborder ||
           part == ChromePart::imgLeftborder || part == ChromePart::imgRightborder;
}

QSize PictureSize(const char* name) {
    return SkinPixmap(QString::fromLatin1(name)).deviceIndependentSize().toSize();
}

} // namespace

void TNoteChrome::Layout(const QSize& size) {
    const int w = size.width();
    const int h = size.height();
    const auto set = [this](ChromePart part, const QRect& rect) {
        FRects[std::size_t(part)] = rect;
    };
    set(ChromePart::imgTitle, {5, 2, w - 10, TitleHeight});
    const QSize icon = PictureSize("n_title");
    set(ChromePart::imgIcon, {w / 2 - icon.width() / 2, 5, icon.width(), icon.height()});
    const QSize edit = PictureSize("n_edit");
    const int iconTop = TitleHeight / 2 - edit.height() / 2 + 4;
    set(ChromePart::imgEdit, {4, iconTop, edit.width(), edit.height()});
    set(ChromePart::imgAlarm, {w - AlarmWidth - 9, iconTop, AlarmWidth, AlarmHeight});

    set(ChromePart::imgTopborder, {CornerSize, 0, w - 2 * CornerSize, 1});
    // The bottom line runs under the bottom corner pieces.
    set(ChromePart::imgBottomborder, {0, h - 1, w - 2, 1});
    set(ChromePart::imgLeftborder, {0, CornerSize, 1, h - 2 * CornerSize});
    set(ChromePart::imgRightborder, {w - 1, CornerSize, 1, h - 2 * CornerSize});
    set(ChromePart::imgTopleft, {0, 0, CornerSize, CornerSize});
    set(ChromePart::imgTopright, {w - CornerSize, 0, CornerSize, CornerSize});
    set(ChromePart::imgBottomleft, {0, h - CornerSize, CornerSize, CornerSize});
    set(ChromePart::imgBottomright, {w - CornerSize, h - CornerSize, CornerSize, CornerSize});

    const QRect toolbar(5, h - 2 - ToolbarHeight, w - 10, ToolbarHeight);
    set(ChromePart::pnlToolbar, toolbar);
    set(ChromePart::pnlLeftBorder, {toolbar.left(), toolbar.top(), LeftSpacerWidth, ToolbarHeight});
    set(ChromePart::pnlArrow,
        {toolbar.left() + LeftSpacerWidth, toolbar.top(), ArrowPanelWidth, ToolbarHeight});
    const int barLeft = LeftSpacerWidth + ArrowPanelWidth;
    set(ChromePart::pnlBar, {toolbar.left() + barLeft, toolbar.top(),
                             toolbar.width() - barLeft - ResizePanelWidth, ToolbarHeight});
    const QRect resize(toolbar.right() + 1 - ResizePanelWidth, toolbar.top(), ResizePanelWidth,
                       ToolbarHeight);
    set(ChromePart::pnlResize, resize);
    set(ChromePart::imgResize, {resize.right() + 1 - 5 - GripSize,
                                resize.bottom() + 1 - 5 - GripSize, GripSize, GripSize});
}

std::optional<ChromePart> TNoteChrome::PartNamed(const QString& name) {
    for (int index = 0; index < PartCount; ++index)
        if (name == QLatin1String(PartNames[std::size_t(index)]))
            return ChromePart(index);
    return std::nullopt;
}

std::optional<ChromePart> TNoteChrome::PartAt(const QPoint& point, bool alarmShown) const {
    for (int index = PartCount - 1; index >= 0; --index) {
        const auto part = ChromePart(index);
        if (part == ChromePart::imgIcon || (part == ChromePart::imgAlarm && !alarmShown))
            continue;
        if (Rect(part).contains(point))
            return part;
    }
    return std::nullopt;
}

Qt::Edges TNoteChrome::SizingEdges(ChromePart part) {
    switch (part) {
    case ChromePart::imgLeftborder:
        return Qt::LeftEdge;
    case ChromePart::imgRightborder:
        return Qt::RightEdge;
    case ChromePart::imgTopborder:
        return Qt::TopEdge;
    case ChromePart::imgBottomborder:
        return Qt::BottomEdge;
    case ChromePart::imgTopleft:
        return Qt::TopEdge | Qt::LeftEdge;
    case ChromePart::imgTopright:
        return Qt::TopEdge | Qt::RightEdge;
    case ChromePart::imgBottomleft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case ChromePart::imgBottomright:
    case ChromePart::imgResize:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

void TNoteChrome::Paint(QPainter& painter, qreal devicePixelRatio,
                        const QString& alarmPicture) const {
    for (int index = 0; index < PartCount; ++index) {
        const auto part = ChromePart(index);
        const QRect rect = Rect(part);
        if (IsFrameLine(part)) {
            painter.fillRect(rect, FrameColor);
            continue;
        }
        QString picture;
        if (part == ChromePart::imgAlarm)
            picture = alarmPicture;
        else if (const char* name = PictureOf(part))
            picture = QString::fromLatin1(name);
        if (picture.isEmpty())
            continue;
        // At its designed size from the piece's corner, cut off where the piece ends.
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.drawPixmap(rect.topLeft(), SkinPixmap(picture, devicePixelRatio));
        painter.restore();
    }
}
