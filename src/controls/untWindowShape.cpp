// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWindowShape.h"

#include <QRect>

#include <algorithm>
#include <cmath>

QRegion RoundedRegion(const QSize& size, int diameter) {
    const int w = size.width();
    const int h = size.height();
    const double radius = diameter / 2.0;
    const int cornerRows = std::min(diameter / 2, h / 2);
    QRegion region(0, cornerRows, w, h - 2 * cornerRows);
    for (int y = 0; y < cornerRows; ++y) {
        // A pixel belongs to the window when its centre lies inside the corner ellipse.
        const double dy = radius - (y + 0.5);
        const int inset = int(std::ceil(radius - std::sqrt(radius * radius - dy * dy) - 0.5));
        const int span = std::max(0, w - 2 * inset);
        region += QRect(inset, y, span, 1);
        region += QRect(inset, h - 1 - y, span, 1);
    }
    return region;
}
