// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untSkinImage.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class TEKControl;

// How a picture button reacts:
// btEnter  a hover button: Pic, PicEnter under the mouse;
// btThird  a hover button that, once pressed, stays pressed (PicClick) as one of a radio group;
// btClick  a radio-group button without hover.
enum TBtnType { btEnter = 0, btThird = 1, btClick = 2 };

// A picture button. It acts on the press of the left button, not on the release, and raises
// OnClick then for all three types. A btThird or btClick button belongs to a group
// (GroupControl) in which one button at a time is Selected and keeps its click picture; such a
// button left without a group forms a group of its own.
class TEKButton : public TSkinImage {
    Q_OBJECT
public:
    explicit TEKButton(QWidget* parent = nullptr);
    // A dialog's picture button: named, placed, showing picHover under the mouse and while
    // pressed, acting on Enter like a push button.
    static TEKButton* CreateDialogButton(QWidget* parent, const QString& name,
                                         const QRect& geometry, const QString& pic,
                                         const QString& picHover);

    TBtnType BtnType() const { return FBtnType; }
    void SetBtnType(TBtnType type) { FBtnType = type; }

    // The normal picture; shown at once unless the button is Selected.
    const QString& Pic() const { return FPic; }
    void SetPic(const QString& name);
    const QString& PicEnter() const { return FPicEnter; }
    void SetPicEnter(const QString& name) { FPicEnter = name; }
    const QString& PicClick() const { return FPicClick; }
    void SetPicClick(const QString& name) { FPicClick = name; }

    // Sets the three pictures together, the usual way of configuring a button.
    void SetPictures(const QString& pic, const QString& picEnter, const QString& picClick);

    TEKControl* GroupControl() const { return FGroupControl; }
    void SetGroupControl(TEKControl* group) { FGroupControl = group; }

    // The button is its group's current one and keeps its click picture.
    bool Selected() const { return FSelected; }

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend class TEKControl;

    bool HasHover() const { return FBtnType == btEnter || FBtnType == btThird; }
    void Select();
    void Deselect();

    TBtnType FBtnType = btEnter;
    QString FPic;
    QString FPicEnter;
    QString FPicClick;
    QPointer<TEKControl> FGroupControl;
    bool FSelected = false;
};

// The radio group of btThird and btClick buttons: holds the selected button, Current (none at
// first).
class TEKControl : public QObject {
    Q_OBJECT
public:
    explicit TEKControl(QObject* parent = nullptr);

    TEKButton* Current() const { return FCurrent; }

    // Makes the button the group's selected one, showing its click picture; the previous one
    // goes back to its normal picture. Raises no OnClick.
    void SelectButton(TEKButton* button);

private:
    QPointer<TEKButton> FCurrent;
};
