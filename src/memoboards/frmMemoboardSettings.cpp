// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMemoboardSettings.h"

#include "EKButton.h"
#include "untFileChooser.h"
#include "untMemoboardBackground.h"
#include "untNoteColors.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

const std::array<int, 18> TfmMemoboardSettings::SwatchColors = {
    8421631, 8454143, 16744448, 8454016, 16744703, 4227327, 4210816, 4194432, 16711808,
    255,     65535,   12615680, 65408,   16711935, 16512,   128,     8388736, 8388672};

namespace {

constexpr int PageTop = 76;
constexpr int HelpContext = 50011;
const QRect PageRect(12, PageTop, 464, 356);

// A swatch: a coloured square that copies its colour into the page's preview when clicked.
class TSwatch : public QWidget {
public:
    TSwatch(int color, QWidget* parent, std::function<void(int)> chosen)
        : QWidget(parent), FChosen(std::move(chosen)), FColor(color) {
        setObjectName(QStringLiteral("swatch%1").arg(color));
        setFixedSize(22, 22);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, ColorFromValue(color));
        setPalette(colours);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            FChosen(FColor);
    }

private:
    std::function<void(int)> FChosen;
    int FColor;
};

QLineEdit* NamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QGroupBox* NameGroup(QWidget* page, const QString& title, const QString& caption, QLineEdit* edit) {
    auto* group = new QGroupBox(title, page);
    group->setGeometry(8, 8, 448, 64);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(caption, group));
    row->addWidget(edit, 1);
    return group;
}

} // namespace

TfmMemoboardSettings::TfmMemoboardSettings(QWidget* parent)
    : TSkinnedDialog(QStringLiteral("fmMemoboardSettings"), {FormWidth, FormHeight},
                     QStringLiteral("mbsettings_bg"), parent),
      FPageGroup(new TEKControl(this)), FEkbtnS1(new TEKButton(this)),
      FEkbtnS2(new TEKButton(this)) {
    setWindowTitle(QStringLiteral("Memoboard/Tab Settings"));
    const std::pair<TEKButton*, std::pair<const char*, const char*>> pageButtons[] = {
        {FEkbtnS1, {"ekbtnS1", "Memoboard Settings"}}, {FEkbtnS2, {"ekbtnS2", "Tab Settings"}}};
    int left = 12;
    for (const auto& [button, names] : pageButtons) {
        button->setObjectName(QString::fromLatin1(names.first));
        button->SetBtnType(btThird);
        button->SetPictures(QStringLiteral("btab"), QStringLiteral("btab2"),
                            QStringLiteral("btab3"));
        button->SetGroupControl(FPageGroup);
        button->setGeometry(left, PageTop - 33, 148, 33);
        auto* label = new QLabel(QString::fromLatin1(names.second), button);
        label->setGeometry(button->rect());
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        left += 150;
    }
    connect(FEkbtnS1, &TEKButton::OnClick, this, [this] { ShowPage(1); });
    connect(FEkbtnS2, &TEKButton::OnClick, this, [this] { ShowPage(2); });

    FNb1 = CreateMemoboardPage();
    FNb2 = CreateTabPage();

    TEKButton* help = CreateButton(QStringLiteral("Image2"), {FormWidth - 36, PageTop - 26, 18, 18},
                                   QStringLiteral("set_help"), QStringLiteral("set_help"));
    help->setCursor(Qt::PointingHandCursor);
    connect(help, &TEKButton::OnClick, this, [this] { emit HelpRequested(HelpContext); });
    TEKButton* ok = CreateButton(QStringLiteral("ekbtnOK"), {292, 446, 88, 24},
                                 QStringLiteral("ok"), QStringLiteral("ok_"));
    TEKButton* cancel = CreateButton(QStringLiteral("ekbtnCancel"), {388, 446, 88, 24},
                                     QStringLiteral("Cancel"), QStringLiteral("Cancel_"));
    TEKButton* close = CreateCloseButton(FormWidth - 46 - 8);
    TEKButton* minimise =
        CreateButton(QStringLiteral("imgMin"), {FormWidth - 2 * 46 - 10, 0, 46, 18},
                     QStringLiteral("min_left_"), QStringLiteral("min_left"));
    connect(ok, &TEKButton::OnClick, this, &TfmMemoboardSettings::ekbtnOKClick);
    connect(cancel, &TEKButton::OnClick, this, &QDialog::reject);
    connect(close, &TEKButton::OnClick, this, &QDialog::reject);
    connect(minimise, &TEKButton::OnClick, this, &QWidget::showMinimized);
}

QWidget* TfmMemoboardSettings::CreateSwatches(QWidget* parent, QWidget* preview) {
    auto* grid = new QWidget(parent);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (std::size_t i = 0; i < SwatchColors.size(); ++i)
        layout->addWidget(new TSwatch(SwatchColors[i], grid,
                                      [preview](int color) { SetPanelColor(preview, color); }),
                          int(i / 9), int(i % 9));
    return grid;
}

QWidget* TfmMemoboardSettings::CreateMemoboardPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("nb1"));
    page->setGeometry(PageRect);
    FEdtMemoboardName = NamedEdit(page, "edtMemoboardName");
    NameGroup(page, QStringLiteral("Memoboard Name"), QStringLiteral("Memoboard Name"),
              FEdtMemoboardName);

    auto* colours = new QGroupBox(QStringLiteral("Select Background Color or Image"), page);
    colours->setGeometry(8, 80, 448, 180);
    FPnlMemoboard = new QWidget(colours);
    FPnlMemoboard->setObjectName(QStringLiteral("pnlMemoboard"));
    FPnlMemoboard->setGeometry(14, 28, 57, 56);
    FPnlMemoboard->setAutoFillBackground(true);
    CreateSwatches(colours, FPnlMemoboard)->setGeometry(84, 28, 226, 48);
    FImgBk = new QLabel(colours);
    FImgBk->setObjectName(QStringLiteral("imgBk"));
    FImgBk->setGeometry(14, 90, 130, 80);
    FImgBk->setScaledContents(true);
    FImgBk->setFrameShape(QFrame::Box);
    const std::tuple<const char*, const char*, void (TfmMemoboardSettings::*)()> buttons[] = {
        {"btnSelectImg", "Select Image", &TfmMemoboardSettings::btnSelectImgClick},
        {"btnClearImg", "Clear Image", &TfmMemoboardSettings::btnClearImgClick},
        {"btnResetImg", "Reset Default", &TfmMemoboardSettings::btnResetImgClick}};
    int top = 92;
    for (const auto& [name, caption, handler] : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(caption), colours);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(160, top, 110, 24);
        connect(button, &QPushButton::clicked, this, handler);
        top += 27;
    }

    auto* placement = new QGroupBox(QStringLiteral("Image Position"), page);
    placement->setGeometry(8, 268, 448, 56);
    auto* row = new QHBoxLayout(placement);
    FRbTopLeft = new QRadioButton(QStringLiteral("Top Left"), placement);
    FRbCenter = new QRadioButton(QStringLiteral("Center"), placement);
    FRbTile = new QRadioButton(QStringLiteral("Tile"), placement);
    FRbTopLeft->setObjectName(QStringLiteral("rbTopLeft"));
    FRbCenter->setObjectName(QStringLiteral("rbCenter"));
    FRbTile->setObjectName(QStringLiteral("rbTile"));
    FRbTile->setChecked(true);
    for (QRadioButton* radio : {FRbTopLeft, FRbCenter, FRbTile})
        row->addWidget(radio);
    return page;
}

QWidget* TfmMemoboardSettings::CreateTabPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("nb2"));
    page->setGeometry(PageRect);
    FEdtTabName = NamedEdit(page, "edtTabName");
    NameGroup(page, QStringLiteral("Tab Name"), QStringLiteral("Tab Name"), FEdtTabName);
    auto* colours = new QGroupBox(QStringLiteral("Select Tab Background Color"), page);
    colours->setGeometry(8, 80, 448, 100);
    FPnlTab = new QWidget(colours);
    FPnlTab->setObjectName(QStringLiteral("pnlTab"));
    FPnlTab->setGeometry(14, 28, 57, 56);
    FPnlTab->setAutoFillBackground(true);
    CreateSwatches(colours, FPnlTab)->setGeometry(84, 28, 226, 48);
    page->hide();
    return page;
}

int TfmMemoboardSettings::PanelColor(const QWidget* panel) {
    return panel->property("colorValue").toInt();
}

void TfmMemoboardSettings::SetPanelColor(QWidget* panel, int color) {
    panel->setProperty("colorValue", color);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, ColorFromValue(color));
    panel->setPalette(colours);
}

int TfmMemoboardSettings::CurrentPage() const {
    return FNb2->isVisibleTo(this) ? 2 : 1;
}

void TfmMemoboardSettings::ShowPage(int page) {
    FPageGroup->SelectButton(page == 2 ? FEkbtnS2 : FEkbtnS1);
    FNb1->setVisible(page != 2);
    FNb2->setVisible(page == 2);
}

void TfmMemoboardSettings::ShowPreview(const QPixmap& picture) {
    FImgBk->setPixmap(picture);
}

void TfmMemoboardSettings::Load(const TMemoboardSettingsValues& values, int firstPage) {
    ShowPage(firstPage);
    FEdtMemoboardName->setText(values.MemoboardName);
    FEdtTabName->setText(values.TabName);
    SetPanelColor(FPnlMemoboard, values.PageColor);
    SetPanelColor(FPnlTab, values.TabColor);
    FImageMode = values.Placement;
    FBgimg = values.Bgimg;
    FNewImage.clear();
    ShowPreview(values.Placement == 0 ? QPixmap() : MemoboardBackground::Load(values.Bgimg));
    FRbTopLeft->setChecked(values.Placement == 1);
    FRbCenter->setChecked(values.Placement == 2);
    FRbTile->setChecked(values.Placement == 0 || values.Placement == 3);
}

TMemoboardSettingsValues TfmMemoboardSettings::Values() const {
    TMemoboardSettingsValues values;
    values.MemoboardName = FEdtMemoboardName->text();
    values.TabName = FEdtTabName->text();
    values.PageColor = PanelColor(FPnlMemoboard);
    values.TabColor = PanelColor(FPnlTab);
    values.Placement = FRbTopLeft->isChecked() ? 1 : FRbCenter->isChecked() ? 2 : 3;
    if (FImageMode == 0)
        values.Placement = 0;
    values.Bgimg = FBgimg;
    values.NewImage = FNewImage;
    return values;
}

bool TfmMemoboardSettings::Edit(TMemoboardSettingsValues& values, int firstPage) {
    Load(values, firstPage);
    if (exec() != QDialog::Accepted)
        return false;
    values = Values();
    return true;
}

void TfmMemoboardSettings::btnSelectImgClick() {
    const QString chosen = FileChooser::ChooseOpenFile(
        this, QStringLiteral("Select Image"), {},
        QStringLiteral("All (*.jpg *.bmp);;JPEG Image File (*.jpg);;Bitmaps (*.bmp)"));
    if (chosen.isEmpty())
        return;
    FNewImage = chosen;
    ShowPreview(MemoboardBackground::Load(chosen));
    FImageMode = 3;
}

void TfmMemoboardSettings::btnClearImgClick() {
    ShowPreview({});
    FImageMode = 0;
}

void TfmMemoboardSettings::btnResetImgClick() {
    // The built-in picture is what the page shows after OK, not a picture chosen before.
    ShowPreview(MemoboardBackground::Default());
    FBgimg.clear();
    FNewImage.clear();
    FImageMode = 3;
}

void TfmMemoboardSettings::ekbtnOKClick() {
    accept();
}

void TfmMemoboardSettings::accept() {
    if (FEdtMemoboardName->text().isEmpty() || FEdtTabName->text().isEmpty())
        return;
    TSkinnedDialog::accept();
}
