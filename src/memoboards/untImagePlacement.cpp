// SPDX-License-Identifier: GPL-3.0-or-later
#include "untImagePlacement.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The picture's size in the painter's (device-independent) pixels.
QSize LogicalSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
}

} // namespace

void TileImage(QPainter& painter, const QSize& area, const QPixmap& picture) {
    const QSize step = LogicalSize(picture);
    if (step.width() <= 0 || step.height() <= 0)
        return;
    for (int y = 0; y < area.height(); y += step.height())
        for (int x = 0; x < area.width(); x += step.width())
            painter.drawPixmap(x, y, picture);
}

void CenterImage(QPainter& painter, const QSize& area, const QPixmap& picture) {
    const QSize size = LogicalSize(picture);
    painter.drawPixmap(area.width() / 2 - size.width() / 2, area.height() / 2 - size.height() / 2,
                       picture);
}

void PlaceImage(QPainter& painter, const QSize&, const QPixmap& picture) {
    painter.drawPixmap(0, 0, picture);
}

void PaintPlacedImage(QPainter& painter, const QSize& area, const QPixmap& picture, int placement) {
    switch (placement) {
    case 1:
        PlaceImage(painter, area, picture);
        break;
    case 2:
        CenterImage(painter, area, picture);
        break;
    case 3:
        TileImage(painter, area, picture);
        break;
    default:
        break; // 0: the page colour only
    }
}
