// SPDX-License-Identifier: GPL-3.0-or-later
#include "untScrollBarEx.h"

#include "untSkinImage.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

TScrollBarEx::TScrollBarEx(QWidget* parent)
    : QWidget(parent), FImgBg(new TSkinImage(this)), FImgBar(new TSkinImage(this)) {
    setObjectName(QStringLiteral("ScrollBarEx"));
    FImgBg->setObjectName(QStringLiteral("imgbg"));
    FImgBg->SetStretch(true);
    FImgBg->LoadPicture(QStringLiteral("b_bg"));
    FImgBar->setObjectName(QStringLiteral("imgbar"));
    FImgBar->LoadPicture(QStringLiteral("b_bar2"));
    FImgBar->resize(ThumbWidth, BarHeight);
    FImgBg->installEventFilter(this);
    FImgBar->installEventFilter(this);
    parent->installEventFilter(this);
    resize(parent->width(), BarHeight);
    // A hidden widget gets its resize event only when shown: lay the parts out now as well.
    FImgBg->resize(size());
    PlaceThumb(ThumbTravel());
}

void TScrollBarEx::SetEdit(QAbstractScrollArea* edit) {
    disconnect(FValueConnection);
    disconnect(FRangeConnection);
    FEdit = edit;
    if (edit) {
        QScrollBar* bar = edit->verticalScrollBar();
        FValueConnection = connect(bar, &QScrollBar::valueChanged, this, &TScrollBarEx::SyncThumb);
        FRangeConnection = connect(bar, &QScrollBar::rangeChanged, this, &TScrollBarEx::SyncThumb);
        SyncThumb();
    }
}

QScrollBar* TScrollBarEx::EditBar() const {
    return FEdit ? FEdit->verticalScrollBar() : nullptr;
}

void TScrollBarEx::SyncThumb() {
    const QScrollBar* bar = EditBar();
    if (!bar)
        return;
    // The bar's own range is exactly the text's travel, so its ends meet the thumb's ends.
    const int range = bar->maximum() - bar->minimum();
    if (range <= 0 || ThumbTravel() <= 0) {
        PlaceThumb(0);
        return;
    }
    const double left = double(bar->sliderPosition() - bar->minimum()) * ThumbTravel() / range;
    PlaceThumb(int(std::nearbyint(left))); // halves to even
}

void TScrollBarEx::ScrollToThumb() {
    QScrollBar* bar = EditBar();
    if (!bar)
        return;
    const int left = FImgBar->x();
    const int range = bar->maximum() - bar->minimum();
    const int position =
        left > 0 && ThumbTravel() > 0 ? int(double(left) * range / ThumbTravel()) : 0;
    bar->setValue(bar->minimum() + position);
}

void TScrollBarEx::PlaceThumb(int left) {
    FImgBar->move(left, 0);
}

void TScrollBarEx::TrackMouseDown(int x) {
    const int half = ThumbWidth / 2;
    PlaceThumb(std::clamp(x - half, 0, std::max(0, ThumbTravel())));
    ScrollToThumb();
}

bool TScrollBarEx::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent()) {
        if (event->type() == QEvent::Resize)
            resize(parentWidget()->width(), height());
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int x = int(mouse->position().x());
        if (watched == FImgBg) {
            TrackMouseDown(x);
        } else if (watched == FImgBar) {
            emit OnBarMouseDown();
            FDragX = x;
        }
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched == FImgBar) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton) {
            const int left = FImgBar->x() + int(mouse->position().x()) - FDragX;
            PlaceThumb(std::clamp(left, 0, std::max(0, ThumbTravel())));
            ScrollToThumb();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TScrollBarEx::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FImgBg->resize(size());
    FImgBar->resize(ThumbWidth, height());
    if (EditBar())
        SyncThumb();
    else
        PlaceThumb(ThumbTravel());
}
