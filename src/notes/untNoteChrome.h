// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// The pieces of a note window's chrome, by their control names: the title strip with the logo,
// the edit button and the reminder icon, the one-pixel frame with its corner pieces, and the
// bottom strip with its panels and the size grip.
enum class ChromePart {
    imgTitle,
    imgIcon,
    imgEdit,
    imgAlarm,
    imgTopborder,
    imgBottomborder,
    imgLeftborder,
    imgRightborder,
    imgTopleft,
    imgTopright,
    imgBottomleft,
    imgBottomright,
    pnlToolbar,
    pnlLeftBorder,
    pnlArrow,
    pnlBar,
    pnlResize,
    imgResize,
};

// Where each piece of the chrome lies for a window size, how it is painted and which piece is
// under a point. The whole chrome is painted by the window itself in one pass instead of by a
// dozen child widgets: fewer widgets to build, walk and repaint, and one paint per window.
// Listed in painting order; a later piece lies above an earlier one.
class TNoteChrome {
public:
    static constexpr int TitleHeight = 29;
    static constexpr int ToolbarHeight = 20;
    static constexpr int PartCount = int(ChromePart::imgResize) + 1;

    // Places every piece for a window of this size.
    void Layout(const QSize& size);

    QRect Rect(ChromePart part) const { return FRects[std::size_t(part)]; }
    // The part named by its control name ("imgTopleft"), if there is one.
    static std::optional<ChromePart> PartNamed(const QString& name);

    // The topmost piece that takes the mouse at a point (the logo does not); the reminder icon
    // only while it shows.
    std::optional<ChromePart> PartAt(const QPoint& point, bool alarmShown) const;
    // The window edges a piece resizes: none for a piece that is not a sizing handle.
    static Qt::Edges SizingEdges(ChromePart part);

    // Paints the pictures and the frame over the window's background; the reminder icon with
    // the named picture, none when the name is empty.
    void Paint(QPainter& painter, qreal devicePixelRatio, const QString& alarmPicture) const;

private:
    std::array<QRect, PartCount> FRects{};
};
