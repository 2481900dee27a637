// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

class QVariantAnimation;

// A picture-transition control: it takes a new picture and a transition style (1 to 176) and
// runs the transition from the picture it shows to the new one. The styles cycle through eight
// effects: fade, wipes from the left, right, top and bottom, a push from the right, an iris from
// the centre and blinds; the style number chooses the effect by (style - 1) mod 8.
class TPicShow : public QWidget {
    Q_OBJECT
public:
    static constexpr int StyleCount = 176;
    static constexpr int EffectCount = 8;
    static constexpr int DurationMs = 700;

    explicit TPicShow(QWidget* parent = nullptr);

    // The picture the next transition leads to.
    void SetPicture(const QImage& picture) { FNext = picture; }
    // A style outside 1..176 is taken as 1.
    void SetStyle(int style);
    int Style() const { return FStyle; }
    // The effect of the current style, 0 to 7.
    int Effect() const { return (FStyle - 1) % EffectCount; }
    // Runs the transition from the picture shown to the one set.
    void Execute();

    // The picture shown once the running transition ends.
    const QImage& Picture() const { return FTo; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRegion Revealed(double progress) const;

    QImage FFrom;
    QImage FTo;
    QImage FNext;
    int FStyle = 1;
    double FProgress = 1.0;
    QVariantAnimation* FAnimation;
};
