// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

// Where the next new desktop note goes. Notes step 70 pixels right while alternating 70 pixels
// down and up from a third of the screen; at the right edge the row restarts half a note lower,
// at the bottom edge the whole cascade starts again.
class TNoteCascade {
public:
    // Starts at a third of the screen's width and height.
    explicit TNoteCascade(const QSize& screen);

    // The place of the next note of the given size on a screen of the given size; advances the
    // cascade.
    QPoint Next(const QSize& note, const QSize& screen);

    int NextLeft() const { return FNextLeft; }
    int NextTop() const { return FNextTop; }
    bool CascadeDown() const { return FCascadeDown; }

private:
    void Restart(const QSize& screen);

    int FNextLeft = 0;
    int FNextTop = 0;
    bool FCascadeDown = true;
};
