// SPDX-License-Identifier: GPL-3.0-or-later
#include "untPicShow.h"

#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

#include <cmath>

namespace {

enum Effect { Fade, WipeLeft, WipeRight, WipeTop, WipeBottom, Push, Iris, Blinds };
constexpr int BlindCount = 8;

} // namespace

TPicShow::TPicShow(QWidget* parent) : QWidget(parent), FAnimation(new QVariantAnimation(this)) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    FAnimation->setStartValue(0.0);
    FAnimation->setEndValue(1.0);
    FAnimation->setDuration(DurationMs);
    connect(FAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        FProgress = value.toDouble();
        update();
    });
}

void TPicShow::SetStyle(int style) {
    FStyle = style >= 1 && style <= StyleCount ? style : 1;
}

void TPicShow::Execute() {
    FAnimation->stop();
    FFrom = FTo;
    FTo = FNext;
    FProgress = 0.0;
    FAnimation->start();
    update();
}

// The part of the control where the new picture shows at this point of the transition.
QRegion TPicShow::Revealed(double progress) const {
    const int w = width();
    const int h = height();
    switch (Effect()) {
    case WipeLeft:
        return QRect(0, 0, int(w * progress), h);
    case WipeRight:
        return QRect(w - int(w * progress), 0, int(w * progress), h);
    case WipeTop:
        return QRect(0, 0, w, int(h * progress));
    case WipeBottom:
        return QRect(0, h - int(h * progress), w, int(h * progress));
    case Iris: {
        const int radius = int(std::hypot(w, h) / 2 * progress);
        return QRegion(QRect(w / 2 - radius, h / 2 - radius, 2 * radius, 2 * radius),
                       QRegion::Ellipse);
    }
    case Blinds: {
        QRegion region;
        const int band = (h + BlindCount - 1) / BlindCount;
        for (int i = 0; i < BlindCount; ++i)
            region += QRect(0, i * band, w, int(band * progress));
        return region;
    }
    default:
        return rect();
    }
}

void TPicShow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = rect();
    if (Effect() == Push) {
        const int shift = int(width() * FProgress);
        if (!FFrom.isNull())
            painter.drawImage(area.translated(-shift, 0), FFrom);
        if (!FTo.isNull())
            painter.drawImage(area.translated(width() - shift, 0), FTo);
        return;
    }
    if (!FFrom.isNull() && FProgress < 1.0)
        painter.drawImage(area, FFrom);
    if (FTo.isNull())
        return;
    if (Effect() == Fade) {
        painter.setOpacity(FProgress);
    } else {
        painter.setClipRegion(Revealed(FProgress));
    }
    painter.drawImage(area, FTo);
}
