// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// An image control showing one skin picture by name (see untSkin.h). Without a picture it is a
// transparent area that still takes the mouse, which is how drag handles such as a window's
// title strip are made. The picture is drawn at its designed size from the top-left corner, or
// stretched over the whole control.
class TSkinImage : public QWidget {
    Q_OBJECT
public:
    explicit TSkinImage(QWidget* parent = nullptr);

    // Shows the named picture; an empty name shows nothing.
    void LoadPicture(const QString& name);
    const QString& PictureName() const { return FPictureName; }

    void SetStretch(bool stretch);
    bool Stretch() const { return FStretch; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FPictureName;
    bool FStretch = false;
};
