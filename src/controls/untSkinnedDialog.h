// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class TEKButton;

// The frame shared by the program's skinned dialogs: a borderless tool window of a fixed size
// without a taskbar button, clipped to 9 × 9 rounded corners, with its background picture, a
// title strip that drags it, and centred on the screen whenever it is shown. Enter accepts it
// (a dialog does its OK work in accept()) and Escape rejects it.
class TSkinnedDialog : public QDialog {
    Q_OBJECT
public:
    TSkinnedDialog(const QString& name, const QSize& size, const QString& background,
                   QWidget* parent);

protected:
    // A picture button of the hover kind (btEnter) at the given place.
    TEKButton* CreateButton(const QString& name, const QRect& geometry, const QString& pic,
                            const QString& picHover);
    // The window's close button at the right of its title strip.
    TEKButton* CreateCloseButton(int left);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
