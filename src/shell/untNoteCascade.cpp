// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteCascade.h"

namespace {
constexpr int Step = 70;
}

TNoteCascade::TNoteCascade(const QSize& screen) {
    Restart(screen);
}

void TNoteCascade::Restart(const QSize& screen) {
    FNextLeft = screen.width() / 3;
    FNextTop = screen.height() / 3;
    FCascadeDown = true;
}

QPoint TNoteCascade::Next(const QSize& note, const QSize& screen) {
    const QPoint place(FNextLeft, FNextTop);
    if (FNextLeft + note.width() < screen.width()) {
        FNextLeft += Step;
    } else {
        Restart(screen);
        FNextTop += note.height() / 2;
    }
    if (screen.height() < FNextTop + note.height())
        Restart(screen);
    FNextTop += FCascadeDown ? Step : -Step;
    FCascadeDown = !FCascadeDown;
    return place;
}
