// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untSkinnedDialog.h"

#include <QStringList>

class QCheckBox;
class QTimer;
class TPicShow;

// "Welcome - Velmar Notes": a slide show of six pictures of the program's windows, one every
// five seconds with a transition chosen at random, and the check box "Show this dialog at
// startup" (setting IsShowWelcome). Every show starts again at the first slide; closing it by
// either button (or Escape) stores the check box.
class TfmLearning : public TSkinnedDialog {
    Q_OBJECT
public:
    static constexpr int SlideIntervalMs = 5000;

    explicit TfmLearning(QWidget* parent = nullptr);

    // The slides' resource names, in the order they are shown.
    static const QStringList& SlideNames();

    // The slide the last tick showed; empty before the first tick of a show.
    const QString& ShownSlide() const { return FShownSlide; }
    TPicShow* PicShow() const { return FPicShow; }
    QTimer* Timer() const { return FTimer; }

    // A tick of the slide show: the next slide, with a transition chosen at random.
    void TimerTimer();

    // Stores the check box and closes.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TPicShow* FPicShow;
    QCheckBox* FCbxShow;
    QTimer* FTimer;
    int FNextIndex = 0;
    QString FShownSlide;
};
