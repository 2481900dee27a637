// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSkinImage.h"

#include "untSkin.h"

#include <QPainter>

TSkinImage::TSkinImage(QWidget* parent) : QWidget(parent) {}

void TSkinImage::LoadPicture(const QString& name) {
    if (name == FPictureName)
        return;
    FPictureName = name;
    update();
}

void TSkinImage::SetStretch(bool stretch) {
    FStretch = stretch;
    update();
}

QSize TSkinImage::sizeHint() const {
    if (FPictureName.isEmpty())
        return QWidget::sizeHint();
    return SkinPixmap(FPictureName).deviceIndependentSize().toSize();
}

void TSkinImage::paintEvent(QPaintEvent*) {
    if (FPictureName.isEmpty())
        return;
    // Looked up per paint so that a window moved to a screen of another ratio stays crisp.
    const QPixmap& picture = SkinPixmap(FPictureName, devicePixelRatioF());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, FStretch);
    if (FStretch)
        painter.drawPixmap(rect(), picture);
    else
        painter.drawPixmap(0, 0, picture);
}
