// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>
#include <QSize>

// The region of a skinned window: the rectangle of the given size with each corner cut along an
// ellipse of the given diameter, pixel by pixel, so that the window's own corner artwork lines
// up with it. Set it with QWidget::setMask on every resize.
QRegion RoundedRegion(const QSize& size, int diameter);
