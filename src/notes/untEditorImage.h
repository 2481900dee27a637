// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untSkinImage.h"

// A toolbar button of the editor palette: a transparent image over the page's picture of its
// buttons. Under the mouse it shows its hover picture; latched, it keeps a picture (the hover
// picture, or an own one such as an "unavailable" look) and hover and leave leave it alone.
// A disabled image ignores the mouse and may show an unavailable look. A left click raises Clicked.
class TEditorImage : public TSkinImage {
    Q_OBJECT
public:
    // `hint` is "tooltip|long text"; the part before "|" becomes the tooltip.
    TEditorImage(QWidget* parent, const char* name, const QRect& geometry, const QString& hint,
                 const QString& hoverPicture);

    const QString& HoverPicture() const { return FHoverPicture; }
    // The picture a latch shows; the hover picture unless set.
    void SetLatchedPicture(const QString& picture) { FLatchedPicture = picture; }
    // The picture a disabled image shows over the page's resting look; none unless set.
    void SetDisabledPicture(const QString& picture);

    // An image that shows its own hover picture together with this one's (the reminder
    // arrows light their alarm clock too).
    void SetCompanion(TEditorImage* companion) { FCompanion = companion; }

    bool Latched() const { return FLatched; }
    // Latches (showing the latched picture) or releases (clearing the picture).
    void SetLatched(bool on);

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows or clears the hover picture, unless latched or disabled.
    void ShowHover(bool on);

    TEditorImage* FCompanion = nullptr;
    QString FHoverPicture;
    QString FLatchedPicture;
    QString FDisabledPicture;
    bool FLatched = false;
};
