// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QPainter;
class QPixmap;

// How a tab page lays its background picture over the area it paints. Each routine draws on a
// painter whose area (0, 0, area) the caller has already cleared to the page colour.

// Copies of the picture row by row from (0, 0), one picture's width and height apart, while
// they start inside the area; nothing for a picture without width or height.
void TileImage(QPainter& painter, const QSize& area, const QPixmap& picture);
// The picture once, its centre on the area's centre (halves rounded toward zero).
void CenterImage(QPainter& painter, const QSize& area, const QPixmap& picture);
// The picture once at the top-left corner.
void PlaceImage(QPainter& painter, const QSize& area, const QPixmap& picture);

// The tab's placement code: 0 none, 1 top left, 2 centre, 3 tile.
void PaintPlacedImage(QPainter& painter, const QSize& area, const QPixmap& picture, int placement);
