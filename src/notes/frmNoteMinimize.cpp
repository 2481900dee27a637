// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmNoteMinimize.h"

#include "untNoteColors.h"
#include "untTaskbarSkip.h"
#include "untTruePlace.h"
#include "untUtil.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QMouseEvent>

namespace {

constexpr QSize TileSize(35, 32);
constexpr int CornerDiameter = 8;

void FillWith(QWidget* widget, int color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ColorFromValue(color));
    widget->setPalette(palette);
}

} // namespace

TfmNoteMinimize::TfmNoteMinimize(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("fmNoteMinimize"));
    KeepOffTaskbar(*this);
    KeepTruePlace(*this);
    setFixedSize(TileSize);
    setAutoFillBackground(true);
    for (int index = 0; index < int(FStripes.size()); ++index) {
        auto* stripe = new QWidget(this);
        stripe->setObjectName(QStringLiteral("Panel%1").arg(index + 1));
        stripe->setGeometry(4, 5 * index + 4, 26, 3);
        stripe->setAutoFillBackground(true);
        // A press or double click on a stripe is one on the tile.
        stripe->setAttribute(Qt::WA_TransparentForMouseEvents);
        FStripes[index] = stripe;
    }
    new WindowDragHelper(this, this);
}

void TfmNoteMinimize::showEvent(QShowEvent* event) {
    FormShow();
    QWidget::showEvent(event);
}

void TfmNoteMinimize::FormShow() {
    FBackColor = LightenColor(FNoteColor);
    FillWith(this, FBackColor);
    for (QWidget* stripe : FStripes)
        FillWith(stripe, FNoteColor);
    // Unlike the other windows' outlines, the tile's stops one pixel short of its right and
    // bottom edges: a 34×31 shape in the 35×32 window.
    setMask(RoundedRegion(size() - QSize(1, 1), CornerDiameter));
}

void TfmNoteMinimize::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit RestoreRequested();
}
