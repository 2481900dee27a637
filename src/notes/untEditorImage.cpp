// SPDX-License-Identifier: GPL-3.0-or-later
#include "untEditorImage.h"

#include <QMouseEvent>

TEditorImage::TEditorImage(QWidget* parent, const char* name, const QRect& geometry,
                           const QString& hint, const QString& hoverPicture)
    : TSkinImage(parent), FHoverPicture(hoverPicture) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setToolTip(hint.section(u'|', 0, 0));
    setCursor(Qt::PointingHandCursor);
}

void TEditorImage::SetLatched(bool on) {
    FLatched = on;
    LoadPicture(on ? (FLatchedPicture.isEmpty() ? FHoverPicture : FLatchedPicture) : QString());
}

void TEditorImage::ShowHover(bool on) {
    if (!FLatched && isEnabled())
        LoadPicture(on ? FHoverPicture : QString());
}

void TEditorImage::enterEvent(QEnterEvent* event) {
    TSkinImage::enterEvent(event);
    if (!isEnabled())
        return;
    ShowHover(true);
    if (FCompanion)
        FCompanion->ShowHover(true);
}

void TEditorImage::leaveEvent(QEvent* event) {
    TSkinImage::leaveEvent(event);
    if (!isEnabled())
        return;
    ShowHover(false);
    if (FCompanion)
        FCompanion->ShowHover(false);
}

void TEditorImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled())
        emit Clicked();
    event->accept();
}

void TEditorImage::SetDisabledPicture(const QString& picture) {
    FDisabledPicture = picture;
    if (!isEnabled() && !FLatched)
        LoadPicture(picture);
}

// A latch stays whether enabled or not.
void TEditorImage::changeEvent(QEvent* event) {
    TSkinImage::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !FLatched)
        LoadPicture(isEnabled() ? QString() : FDisabledPicture);
}
