// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QScrollArea>

// The page of one memoboard tab: a scroll box as large as the screen whose visible part shows
// the page colour with the tab's background picture laid over it (none, top left, centre or
// tiled). The notes of the tab are child windows of Box().
class TTabPage : public QScrollArea {
    Q_OBJECT
public:
    explicit TTabPage(QWidget* parent);

    // The notes' parent, as large as the screen.
    QWidget* Box() const { return widget(); }
    // The page colour as a stored colour value.
    int BgColor() const { return FBgColor; }
    void SetBgColor(int color);
    // The picture and its placement code (0 none, 1 top left, 2 centre, 3 tile).
    void SetBackground(const QPixmap& picture, int placement);
    const QPixmap& Picture() const { return FPicture; }
    int Placement() const { return FPlacement; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FBgColor = 0xFFFFFF;
    QPixmap FPicture;
    int FPlacement = 0;
};
