// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untSkinnedDialog.h"

#include <QList>
#include <QString>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TEKButton;
class TEKControl;
class TSwatchMenu;

// "Velmar Notes Settings": the preferences of section "sysconfig" on three pages (default note
// settings, miscellaneous, reminder settings). Every show reloads the controls from config.ini;
// OK writes them all, switches the autostart entry on or off and applies the notepad display at
// once through NotepadDisplayChanged; Cancel, Escape and the close button write nothing.
//
// The one instance also holds the current defaults the rest of the program reads: new notes
// take their font, size, colour and kind from it, the reminder windows their snooze amount and
// sound. They are refreshed from the controls after every load and every OK.
class TfmSettings : public TSkinnedDialog {
    Q_OBJECT
public:
    explicit TfmSettings(QWidget* parent = nullptr);

    // The held defaults.
    const QString& FontName() const { return FFontName; }
    int FontSize() const { return FFontSize; } // in points
    int NoteColor() const { return FNoteColor; }
    int DefaultNoteKind() const { return FDefaultNoteKind; }
    int NotepadDisplay() const { return FNotepadDisplay; } // 1 both, 2 notepad only, 3 tray only
    const QString& SoundFile() const { return FSoundFile; }
    bool PlaySound() const { return FPlaySound; }
    bool RepeatSound() const { return FRepeatSound; }
    int RepeatTime() const { return FRepeatTime; }
    int SnoozeAmount() const { return FSnoozeAmount; }

    // Shows one page (0, 1 or 2) and presses its tab button.
    void ShowPage(int page);

    // OK: writes every setting, applies them and closes.
    void accept() override;

signals:
    // OK was pressed: show the notepad and the tray icon as `display` says (1 both, 2 the
    // notepad only, 3 the tray icon only).
    void NotepadDisplayChanged(int display);
    // OK has written the settings and refreshed the held defaults.
    void SettingsSaved();
    // The help picture was clicked: show the help page of this topic.
    void HelpRequested(int topicId);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateFrame();
    void CreateTabs();
    QWidget* CreatePage(const QString& name);
    void CreateNotePage();
    void CreateMiscellaneousPage();
    void CreateReminderPage();

    void Load();
    void ListSounds(const QString& current);
    void SetColor(int color);
    int NotepadDisplayChoice() const;
    void RefreshDefaults();
    void Save();
    void btnSelectSoundClick();

    TEKControl* FTabGroup;
    QList<TEKButton*> FTabButtons;
    QList<QWidget*> FPages;

    QFontComboBox* FFbxFont = nullptr;
    QComboBox* FCbxFontsize = nullptr;
    QLabel* FPnlC = nullptr;
    QLabel* FPnlCL = nullptr;
    TSwatchMenu* FPopNcolor = nullptr;
    QComboBox* FCbxNoteType = nullptr;
    QRadioButton* FRdbtnBouth = nullptr;
    QRadioButton* FRdbtnDesktop = nullptr;
    QRadioButton* FRdbtnTaskbar = nullptr;
    QCheckBox* FRdbtnAutoRun = nullptr;
    QCheckBox* FCkbxPlay = nullptr;
    QComboBox* FCbxSound = nullptr;
    QPushButton* FBtnSelectSound = nullptr;
    QCheckBox* FCbxRepeatSd = nullptr;
    QLineEdit* FEdtRepeat = nullptr;
    QLineEdit* FEdtSnooze = nullptr;

    int FColor = 0; // the colour shown on pnlC

    QString FFontName;
    int FFontSize = 8;
    int FNoteColor = 0;
    int FDefaultNoteKind = 0;
    int FNotepadDisplay = 1;
    QString FSoundFile;
    bool FPlaySound = true;
    bool FRepeatSound = true;
    int FRepeatTime = 30;
    int FSnoozeAmount = 5;
};
