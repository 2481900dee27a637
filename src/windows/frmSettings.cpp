// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSettings.h"

#include "EKButton.h"
#include "untAutorun.h"
#include "untColorTables.h"
#include "untErrorBoundary.h"
#include "untFileChooser.h"
#include "untParam.h"
#include "untPaths.h"
#include "untProgramFolders.h"
#include "untSwatchMenu.h"
#include "untUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace {

constexpr QSize FormSize(488, 350);
constexpr QRect PageGeometry(9, 124, 470, 179);
constexpr int HelpTopic = 5006;
const QColor TabTextColor(70, 98, 106);

QColor ColorOfValue(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QLabel* CreateLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QGroupBox* CreateGroup(QWidget* page, const QString& title, const QRect& geometry) {
    auto* group = new QGroupBox(title, page);
    group->setGeometry(geometry);
    return group;
}

template <typename Control>
Control* Place(Control* control, const QString& name, const QRect& geometry) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// The repeat and snooze fields take digits only, so that typed letters never reach config.ini.
QLineEdit* CreateNumberField(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* field = Place(new QLineEdit(parent), name, geometry);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), field));
    return field;
}

// Writers by the setting's own description, as the readers take them.
void Write(BoolSetting setting, bool value) {
    WriteBoolSetting(QString::fromLatin1(setting.key), value);
}
void Write(IntSetting setting, int value) {
    WriteIntSetting(QString::fromLatin1(setting.key), value);
}
void Write(TextSetting setting, const QString& value) {
    WriteTextSetting(QString::fromLatin1(setting.key), value);
}

// A stored index outside the list chooses the setting's default, so OK never writes "no item".
void ChooseIndex(QComboBox* box, IntSetting setting) {
    const int index = ReadSetting(setting);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : setting.fallback);
}

// An empty number field stands for the setting's default rather than being stored empty.
QString NumberText(const QLineEdit* field, TextSetting setting) {
    const QString text = field->text();
    return text.isEmpty() ? QString::fromLatin1(setting.fallback) : text;
}

} // namespace

TfmSettings::TfmSettings(QWidget* parent)
    : TSkinnedDialog(QStringLiteral("fmSettings"), FormSize, QStringLiteral("settings_bg"), parent),
      FTabGroup(new TEKControl(this)) {
    setWindowTitle(QStringLiteral("Velmar Notes Settings"));
    CreateFrame();
    CreateTabs();
    CreateNotePage();
    CreateMiscellaneousPage();
    CreateReminderPage();
    ShowPage(0);
    Load();
}

void TfmSettings::CreateFrame() {
    // Minimise and close show their rest look on the background and a picture under the mouse.
    TEKButton* imgMin =
        CreateButton(QStringLiteral("imgMin"), {384, 0, 46, 18}, {}, QStringLiteral("min_left"));
    connect(imgMin, &TEKButton::OnClick, this, &TfmSettings::showMinimized);
    TEKButton* imgClose =
        CreateButton(QStringLiteral("imgClose"), {430, 0, 46, 18}, {}, QStringLiteral("close"));
    connect(imgClose, &TEKButton::OnClick, this, &TfmSettings::reject);
    TEKButton* help = CreateButton(QStringLiteral("Image3"), {360, 5, 18, 18},
                                   QStringLiteral("set_help"), QStringLiteral("set_help"));
    help->setCursor(Qt::PointingHandCursor);
    help->setToolTip(QStringLiteral("Help"));
    connect(help, &TEKButton::OnClick, this, [this] { emit HelpRequested(HelpTopic); });

    TEKButton* ok = CreateButton(QStringLiteral("ekbtnOK"), {266, 309, 88, 24},
                                 QStringLiteral("ok"), QStringLiteral("ok_"));
    connect(ok, &TEKButton::OnClick, this, &TfmSettings::accept);
    TEKButton* cancel = CreateButton(QStringLiteral("ekbtnCancel"), {362, 309, 88, 24},
                                     QStringLiteral("Cancel"), QStringLiteral("Cancel_"));
    connect(cancel, &TEKButton::OnClick, this, &TfmSettings::reject);
}

// Three picture tabs in a radio group, their captions laid over them. The captions let the
// mouse through, so hovering or pressing one is hovering or pressing its tab.
void TfmSettings::CreateTabs() {
    const struct {
        const char* button;
        const char* label;
        const char* caption;
        int left;
    } tabs[] = {{"ekbtnS1", "lblS1", "Default Note Settings", 20},
                {"ekbtnS2", "lblS2", "Miscellaneous", 170},
                {"ekbtnS3", "lbls3", "Reminder Settings", 319}};
    for (const auto& tab : tabs) {
        auto* button = new TEKButton(this);
        button->setObjectName(QString::fromLatin1(tab.button));
        button->SetBtnType(btThird);
        button->SetGroupControl(FTabGroup);
        button->SetPictures(QStringLiteral("btab"), QStringLiteral("btab2"),
                            QStringLiteral("btab3"));
        button->setGeometry(tab.left, 91, 148, 33);
        const int page = FTabButtons.size();
        connect(button, &TEKButton::OnClick, this, [this, page] { ShowPage(page); });
        FTabButtons.append(button);

        auto* label = new QLabel(QString::fromLatin1(tab.caption), this);
        label->setObjectName(QString::fromLatin1(tab.label));
        label->setGeometry(button->geometry().adjusted(0, 4, 0, 0));
        label->setAlignment(Qt::AlignCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, TabTextColor);
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

QWidget* TfmSettings::CreatePage(const QString& name) {
    auto* page = new QWidget(this);
    page->setObjectName(name);
    page->setGeometry(PageGeometry);
    FPages.append(page);
    return page;
}

void TfmSettings::CreateNotePage() {
    QWidget* page = CreatePage(QStringLiteral("nb1"));
    QGroupBox* note = CreateGroup(page, QStringLiteral("Velmar Note Settings"), {10, 6, 450, 96});
    CreateLabel(note, QStringLiteral("Font face:"), 14, 28);
    FFbxFont = Place(new QFontComboBox(note), QStringLiteral("fbxFont"), {90, 24, 190, 22});
    FFbxFont->setInsertPolicy(QComboBox::NoInsert);
    CreateLabel(note, QStringLiteral("Font size:"), 296, 28);
    FCbxFontsize = Place(new QComboBox(note), QStringLiteral("cbxFontsize"), {360, 24, 70, 22});
    FCbxFontsize->addItems(FontSizeList());

    CreateLabel(note, QStringLiteral("Note color:"), 14, 64);
    FPnlC = Place(new QLabel(note), QStringLiteral("pnlC"), {90, 60, 68, 22});
    FPnlCL = Place(new QLabel(note), QStringLiteral("pnlCL"), {158, 60, 68, 22});
    for (QLabel* swatch : {FPnlC, FPnlCL}) {
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
    }
    FPopNcolor = new TSwatchMenu(this);
    FPopNcolor->setObjectName(QStringLiteral("popNcolor"));
    for (const int color : NoteColorTable)
        FPopNcolor->AddSwatch(color, ColorOfValue(color), ColorOfValue(LightenColor(color)));
    connect(FPopNcolor, &TSwatchMenu::SwatchChosen, this, &TfmSettings::SetColor);

    QGroupBox* kind =
        CreateGroup(page, QStringLiteral("Default Note Selection"), {10, 108, 450, 62});
    CreateLabel(kind, QStringLiteral("Default note:"), 14, 30);
    FCbxNoteType = Place(new QComboBox(kind), QStringLiteral("cbxNoteType"), {90, 26, 190, 22});
    FCbxNoteType->addItems({QStringLiteral("Default "), QStringLiteral("Date/Time Note"),
                            QStringLiteral("Always On Top Note"),
                            QStringLiteral("Random Colors Note")});
}

void TfmSettings::CreateMiscellaneousPage() {
    QWidget* page = CreatePage(QStringLiteral("nb2"));
    QGroupBox* display = CreateGroup(page, QStringLiteral("Notepad Display"), {10, 6, 450, 100});
    FRdbtnBouth = Place(
        new QRadioButton(QStringLiteral("Both desktop and taskbar notification area"), display),
        QStringLiteral("rdbtnBouth"), {16, 22, 420, 20});
    FRdbtnDesktop = Place(new QRadioButton(QStringLiteral("Desktop only"), display),
                          QStringLiteral("rdbtnDesktop"), {16, 46, 420, 20});
    FRdbtnTaskbar = Place(new QRadioButton(QStringLiteral("Taskbar notification only"), display),
                          QStringLiteral("rdbtnTaskbar"), {16, 70, 420, 20});
    FRdbtnBouth->setChecked(true);

    QGroupBox* application =
        CreateGroup(page, QStringLiteral("Application Settings"), {10, 112, 450, 58});
    FRdbtnAutoRun = Place(
        new QCheckBox(QStringLiteral("Automatically run Velmar Notes when I log on."), application),
        QStringLiteral("rdbtnAutoRun"), {16, 26, 420, 20});
}

void TfmSettings::CreateReminderPage() {
    QWidget* page = CreatePage(QStringLiteral("nb3"));
    QGroupBox* group =
        CreateGroup(page, QStringLiteral("Reminder Notification"), {10, 6, 450, 164});
    FCkbxPlay = Place(new QCheckBox(QStringLiteral("Play sounds "), group),
                      QStringLiteral("ckbxPlay"), {16, 24, 300, 20});

    CreateLabel(group, QStringLiteral("Reminder sound: "), 16, 58);
    FCbxSound = Place(new QComboBox(group), QStringLiteral("cbxSound"), {130, 54, 170, 22});
    FBtnSelectSound = Place(new QPushButton(QStringLiteral("Browse for Sound..."), group),
                            QStringLiteral("btnSelectSound"), {308, 53, 128, 24});
    // Enter means OK everywhere in the dialog, not this button.
    FBtnSelectSound->setAutoDefault(false);
    connect(FBtnSelectSound, &QPushButton::clicked, this, &TfmSettings::btnSelectSoundClick);

    FCbxRepeatSd = Place(new QCheckBox(QStringLiteral("Repeat sound every "), group),
                         QStringLiteral("cbxRepeatSd"), {16, 92, 140, 20});
    FEdtRepeat = CreateNumberField(group, QStringLiteral("edtRepeat"), {160, 90, 50, 22});
    // The reminder scheduler counts this period in seconds.
    CreateLabel(group, QStringLiteral("seconds"), 218, 94);

    CreateLabel(group, QStringLiteral("Default snooze for:"), 16, 128);
    FEdtSnooze = CreateNumberField(group, QStringLiteral("edtSnooze"), {160, 124, 50, 22});
    CreateLabel(group, QStringLiteral("minutes"), 218, 128);
}

void TfmSettings::ShowPage(int page) {
    for (int index = 0; index < FPages.size(); ++index)
        FPages[index]->setVisible(index == page);
    FTabGroup->SelectButton(FTabButtons[page]);
}

void TfmSettings::showEvent(QShowEvent* event) {
    ShowPage(0);
    Load();
    TSkinnedDialog::showEvent(event);
}

void TfmSettings::Load() {
    FFbxFont->setCurrentText(ReadSetting(SysConfig::FontName));
    ChooseIndex(FCbxFontsize, SysConfig::FontSize);
    SetColor(ReadSetting(SysConfig::NoteColor));
    ChooseIndex(FCbxNoteType, SysConfig::DefautNoteType);
    FRdbtnAutoRun->setChecked(ReadSetting(SysConfig::AutoRun));
    switch (ReadSetting(SysConfig::NotepadDisply)) {
    case 1:
        FRdbtnBouth->setChecked(true);
        break;
    case 2:
        FRdbtnDesktop->setChecked(true);
        break;
    case 3:
        FRdbtnTaskbar->setChecked(true);
        break;
    default:
        break;
    }
    ListSounds(ReadSetting(SysConfig::ReminderSount));
    FCkbxPlay->setChecked(ReadSetting(SysConfig::ReminderIsPlaySound));
    FCbxRepeatSd->setChecked(ReadSetting(SysConfig::IsRepeatSound));
    FEdtRepeat->setText(ReadSetting(SysConfig::RepeatTime));
    FEdtSnooze->setText(ReadSetting(SysConfig::Snoozefor));
    RefreshDefaults();
}

// The .wav files of the program's folders, with `current` chosen. A current sound whose file
// is missing stays in the list, so that OK keeps it rather than storing another sound.
void TfmSettings::ListSounds(const QString& current) {
    QStringList names = ProgramFolders::FileNames(QStringLiteral("*.wav"));
    if (!current.isEmpty() && !names.contains(current))
        names.append(current);
    FCbxSound->clear();
    FCbxSound->addItems(names);
    FCbxSound->setCurrentIndex(names.indexOf(current));
}

void TfmSettings::SetColor(int color) {
    FColor = color;
    const std::pair<QLabel*, int> swatches[] = {{FPnlC, color}, {FPnlCL, LightenColor(color)}};
    for (const auto& [swatch, shade] : swatches) {
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, ColorOfValue(shade));
        swatch->setPalette(palette);
    }
}

bool TfmSettings::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == FPnlC || watched == FPnlCL) && event->type() == QEvent::MouseButtonPress) {
        FPopNcolor->popup(FPnlC->mapToGlobal(QPoint(0, FPnlC->height())));
        return true;
    }
    return TSkinnedDialog::eventFilter(watched, event);
}

int TfmSettings::NotepadDisplayChoice() const {
    if (FRdbtnDesktop->isChecked())
        return 2;
    if (FRdbtnTaskbar->isChecked())
        return 3;
    return 1;
}

void TfmSettings::RefreshDefaults() {
    FFontName = FFbxFont->currentText();
    FFontSize = FCbxFontsize->currentText().toInt();
    FNoteColor = FColor;
    FDefaultNoteKind = FCbxNoteType->currentIndex();
    FNotepadDisplay = NotepadDisplayChoice();
    FSoundFile = FCbxSound->currentText();
    FPlaySound = FCkbxPlay->isChecked();
    FRepeatSound = FCbxRepeatSd->isChecked();
    FRepeatTime = NumberText(FEdtRepeat, SysConfig::RepeatTime).toInt();
    FSnoozeAmount = NumberText(FEdtSnooze, SysConfig::Snoozefor).toInt();
}

// A write that fails is shown by the error handler and leaves the dialog open.
void TfmSettings::accept() {
    RunGuarded([this] { Save(); });
}

void TfmSettings::Save() {
    const QString fontName = FFbxFont->currentText().trimmed();
    Write(SysConfig::FontName,
          fontName.isEmpty() ? QString::fromLatin1(SysConfig::FontName.fallback) : fontName);
    Write(SysConfig::FontSize, FCbxFontsize->currentIndex());
    Write(SysConfig::NoteColor, FColor);
    Write(SysConfig::DefautNoteType, FCbxNoteType->currentIndex());
    Write(SysConfig::AutoRun, FRdbtnAutoRun->isChecked());
    Write(SysConfig::NotepadDisply, NotepadDisplayChoice());
    Write(SysConfig::ReminderSount, FCbxSound->currentText());
    Write(SysConfig::ReminderIsPlaySound, FCkbxPlay->isChecked());
    Write(SysConfig::IsRepeatSound, FCbxRepeatSd->isChecked());
    Write(SysConfig::RepeatTime, NumberText(FEdtRepeat, SysConfig::RepeatTime));
    Write(SysConfig::Snoozefor, NumberText(FEdtSnooze, SysConfig::Snoozefor));
    RefreshDefaults();

    // Applied once everything is written, so a failed write changes nothing on screen either.
    emit NotepadDisplayChanged(FNotepadDisplay);
    if (FRdbtnAutoRun->isChecked())
        Autorun::EnableAutorun();
    else
        Autorun::DisableAutorun();
    emit SettingsSaved();
    TSkinnedDialog::accept();
}

// The chosen sound is copied into the data folder, so it stays playable wherever it came from.
void TfmSettings::btnSelectSoundClick() {
    const QString path =
        FileChooser::ChooseOpenFile(this, QStringLiteral("Browse for Sound"),
                                    VelmarPaths::DataFolder(), QStringLiteral("wav file (*.wav)"));
    if (path.isEmpty())
        return;
    const QString name = ProgramFolders::CopyIntoDataFolder(path);
    if (!name.isEmpty())
        ListSounds(name);
}
