// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteAnimation.h"

#include "untWindowShape.h"

#include <QVariantAnimation>
#include <QWidget>

namespace {

constexpr int CornerDiameter = 9;

QRect Revealed(const QSize& size, NoteAnimation kind, double progress) {
    const int width = std::max(1, static_cast<int>(size.width() * progress));
    const int height = std::max(1, static_cast<int>(size.height() * progress));
    switch (kind) {
    case NoteAnimation::Roll:
        return {0, 0, width, height};
    case NoteAnimation::SlideRight:
        return {0, 0, width, size.height()};
    case NoteAnimation::SlideLeft:
        return {size.width() - width, 0, width, size.height()};
    case NoteAnimation::Centre:
        break;
    }
    return {(size.width() - width) / 2, (size.height() - height) / 2, width, height};
}

QVariantAnimation* RevealAnimation(QWidget& window, NoteAnimation kind, double from, double to,
                                   int duration) {
    auto* animation = new QVariantAnimation(&window);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(duration);
    QObject::connect(animation, &QVariantAnimation::valueChanged, &window,
                     [&window, kind](const QVariant& value) {
                         window.setMask(RoundedRegion(window.size(), CornerDiameter) &
                                        Revealed(window.size(), kind, value.toDouble()));
                     });
    return animation;
}

} // namespace

bool AnimationsEnabled() {
    return qEnvironmentVariableIntValue("VELMAR_NO_ANIMATION") != 1;
}

void AnimateNoteShow(QWidget& window, NoteAnimation kind) {
    if (!AnimationsEnabled())
        return;
    QVariantAnimation* animation = RevealAnimation(window, kind, 0.0, 1.0, 300);
    QObject::connect(animation, &QVariantAnimation::finished, &window,
                     [&window] { window.setMask(RoundedRegion(window.size(), CornerDiameter)); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void AnimateNoteHide(QWidget& window, NoteAnimation kind, const std::function<void()>& done) {
    if (!AnimationsEnabled() || !window.isVisible()) {
        done();
        return;
    }
    const int duration = kind == NoteAnimation::Roll ? 400 : 300;
    QVariantAnimation* animation = RevealAnimation(window, kind, 1.0, 0.0, duration);
    QObject::connect(animation, &QVariantAnimation::finished, &window, [&window, done] {
        done();
        window.setMask(RoundedRegion(window.size(), CornerDiameter));
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
