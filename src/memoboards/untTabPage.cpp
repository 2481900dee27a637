// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTabPage.h"

#include "untImagePlacement.h"
#include "untNoteColors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TTabPage::TTabPage(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("sbTab"));
    setFrameShape(QFrame::NoFrame);
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("box"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    box->resize(screen ? screen->size() : QSize(1024, 768));
    setWidget(box);
    // The box lets the page's painting show through it.
    box->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

void TTabPage::SetBgColor(int color) {
    FBgColor = color;
    viewport()->update();
}

void TTabPage::SetBackground(const QPixmap& picture, int placement) {
    FPicture = placement == 0 ? QPixmap() : picture;
    FPlacement = placement;
    viewport()->update();
}

void TTabPage::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), ColorFromValue(FBgColor));
    PaintPlacedImage(painter, viewport()->size(), FPicture, FPlacement);
}
