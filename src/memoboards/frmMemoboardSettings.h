// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untSkinnedDialog.h"

#include <QPixmap>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class TEKButton;
class TEKControl;

// What the settings dialog edits: the memoboard's name and the current tab's name, label
// colour, page colour and background picture.
struct TMemoboardSettingsValues {
    QString MemoboardName;
    QString TabName;
    int TabColor = 0;
    int PageColor = 0;
    // 0 no picture, 1 top left, 2 centre, 3 tile.
    int Placement = 3;
    // The picture in use (a full path), empty for the built-in one.
    QString Bgimg;
    // A picture file chosen in the dialog, to be brought into the data folder; empty when none.
    QString NewImage;
};

// "Memoboard/Tab Settings": a skinned dialog with two pages, the memoboard's (name, page colour
// from 18 swatches, background picture with its placement) and the tab's (name, label colour).
// It edits values only; the memoboard window applies what OK confirms.
class TfmMemoboardSettings : public TSkinnedDialog {
    Q_OBJECT
public:
    static constexpr int FormWidth = 488;
    static constexpr int FormHeight = 482;
    // The swatches, two rows of nine, as colour values.
    static const std::array<int, 18> SwatchColors;

    explicit TfmMemoboardSettings(QWidget* parent = nullptr);

    // Fills the controls and shows page 1 (memoboard) or 2 (tab).
    void Load(const TMemoboardSettingsValues& values, int firstPage);
    // The values as the controls hold them.
    TMemoboardSettingsValues Values() const;
    // Runs the dialog modally on the values; answers whether OK confirmed them (then `values`
    // holds the result).
    bool Edit(TMemoboardSettingsValues& values, int firstPage);

    // 1 or 2: the page showing.
    int CurrentPage() const;
    void ShowPage(int page);

    QLineEdit* edtMemoboardName() const { return FEdtMemoboardName; }
    QLineEdit* edtTabName() const { return FEdtTabName; }
    QWidget* pnlMemoboard() const { return FPnlMemoboard; }
    QWidget* pnlTab() const { return FPnlTab; }
    QLabel* imgBk() const { return FImgBk; }
    QRadioButton* rbTopLeft() const { return FRbTopLeft; }
    QRadioButton* rbCenter() const { return FRbCenter; }
    QRadioButton* rbTile() const { return FRbTile; }
    int ImageMode() const { return FImageMode; }

    void btnSelectImgClick();
    void btnClearImgClick();
    void btnResetImgClick();
    // Both run accept(), which keeps the dialog open while a name is empty (also for Enter).
    void ekbtnOKClick();
    void accept() override;

signals:
    // The help icon: the memoboard help page.
    void HelpRequested(int helpContext);

private:
    QWidget* CreateMemoboardPage();
    QWidget* CreateTabPage();
    QWidget* CreateSwatches(QWidget* parent, QWidget* preview);
    void ShowPreview(const QPixmap& picture);
    static int PanelColor(const QWidget* panel);
    static void SetPanelColor(QWidget* panel, int color);

    TEKControl* FPageGroup;
    TEKButton* FEkbtnS1;
    TEKButton* FEkbtnS2;
    QWidget* FNb1;
    QWidget* FNb2;
    QLineEdit* FEdtMemoboardName;
    QLineEdit* FEdtTabName;
    QWidget* FPnlMemoboard;
    QWidget* FPnlTab;
    QLabel* FImgBk;
    QRadioButton* FRbTopLeft;
    QRadioButton* FRbCenter;
    QRadioButton* FRbTile;
    int FImageMode = 3;
    QString FBgimg;
    QString FNewImage;
};
