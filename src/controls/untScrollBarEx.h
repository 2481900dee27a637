// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <QWidget>

class QScrollBar;
class TSkinImage;

// The note's skinned scroll bar: a thumb picture ("b_bar2", 47×13) sliding over a stretched
// track picture ("b_bg"). It lies horizontally in the note's bottom strip yet drives the
// vertical scroll of a text control, Edit, whose own scroll bar stays hidden: the thumb's left
// edge travels from 0 to (bar width − thumb width) as the text scrolls from its top to its
// bottom.
//
// Pressing the track jumps the thumb's centre to the mouse; dragging the thumb scrolls along.
// The thumb follows the text when it scrolls by other means (keys, wheel, arrows, typing) and
// when the bar is resized.
class TScrollBarEx : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 13;
    static constexpr int ThumbWidth = 47;

    // Created inside its panel and as wide as it; it keeps the panel's width when the panel
    // resizes. Until an Edit is set the thumb sits at the right end.
    explicit TScrollBarEx(QWidget* parent);

    QAbstractScrollArea* Edit() const { return FEdit; }
    void SetEdit(QAbstractScrollArea* edit);

    // Places the thumb after the text scrolled by other means.
    void SyncThumb();

    TSkinImage* imgbg() const { return FImgBg; }
    TSkinImage* imgbar() const { return FImgBar; }

signals:
    // A mouse button went down on the thumb.
    void OnBarMouseDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QScrollBar* EditBar() const;
    int ThumbTravel() const { return width() - ThumbWidth; }
    void PlaceThumb(int left);
    void ScrollToThumb();
    void TrackMouseDown(int x);

    TSkinImage* FImgBg;
    TSkinImage* FImgBar;
    QPointer<QAbstractScrollArea> FEdit;
    QMetaObject::Connection FValueConnection;
    QMetaObject::Connection FRangeConnection;
    int FDragX = 0;
};
