// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "TestDataFolder.h"
#include "WindowsTestSupport.h"
#include "frmSettings.h"
#include "untAutorun.h"
#include "untColorTables.h"
#include "untFileChooser.h"
#include "untParam.h"
#include "untPaths.h"
#include "untSwatchMenu.h"
#include "untUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// One change a user makes in the dialog.
using Edit = void (*)(TfmSettings&);

void ReplaceText(QLineEdit* field, const QString& typed) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

QColor SwatchColor(const TfmSettings& dialog, const char* name) {
    return Child<QLabel>(dialog, name)->palette().color(QPalette::Window);
}

QColor ColorOf(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QStringList AutostartEntries() {
    const QDir autostart(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/autostart"));
    return autostart.entryList(QDir::Files);
}

QStringList WavFilesInDataFolder() {
    return QDir(VelmarPaths::DataFolder()).entryList({QStringLiteral("*.wav")}, QDir::Files);
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void isASkinnedDialogOfThreePages();
    void tabsShowOnePageAtATime();
    void showLoadsTheDefaults();
    void showLoadsTheStoredValues();
    void fieldWrittenOnlyOnOK_data();
    void fieldWrittenOnlyOnOK();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void nextShowAfterCancelShowsTheStoredValues();
    void colourMenuSetsBothSwatches();
    void notepadDisplaySignalledOnOK_data();
    void notepadDisplaySignalledOnOK();
    void autorunLeavesOneEntryOrNone();
    void heldDefaultsFollowOK();
    void numberFieldsTakeDigitsOnly_data();
    void numberFieldsTakeDigitsOnly();
    void emptyNumberFieldsStoreTheirDefaults();
    void soundListHoldsTheWavFilesAndTheStoredSound();
    void browsedSoundIsCopiedIntoTheDataFolder();
    void browsingCancelledChangesNothing();
    void enterIsOKAndEscapeIsCancel();
    void helpPictureAsksForTheSettingsPage();
    void failedWriteLeavesTheDialogOpen();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestSettings::init() {
    FFolder = std::make_unique<TestDataFolder>();
}

void TestSettings::cleanup() {
    FFolder.reset();
}

void TestSettings::isASkinnedDialogOfThreePages() {
    TfmSettings dialog;
    QCOMPARE(dialog.size(), QSize(488, 350));
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmar Notes Settings"));
    for (const char* page : {"nb1", "nb2", "nb3"})
        QCOMPARE(Child<QWidget>(dialog, page)->geometry(), QRect(9, 124, 470, 179));
    QCOMPARE(Child<TEKButton>(dialog, "ekbtnOK")->geometry(), QRect(266, 309, 88, 24));
    QCOMPARE(Child<TEKButton>(dialog, "ekbtnCancel")->geometry(), QRect(362, 309, 88, 24));
    QCOMPARE(Child<QComboBox>(dialog, "cbxFontsize")->count(), 16);
    QCOMPARE(Child<QComboBox>(dialog, "cbxNoteType")->itemText(3),
             QStringLiteral("Random Colors Note"));
}

void TestSettings::tabsShowOnePageAtATime() {
    TfmSettings dialog;
    dialog.show();
    QVERIFY(Child<QWidget>(dialog, "nb1")->isVisible());
    auto* second = Child<TEKButton>(dialog, "ekbtnS2");
    QTest::mousePress(second, Qt::LeftButton);
    QVERIFY(!Child<QWidget>(dialog, "nb1")->isVisible());
    QVERIFY(Child<QWidget>(dialog, "nb2")->isVisible());
    QVERIFY(!Child<QWidget>(dialog, "nb3")->isVisible());
    QVERIFY(second->Selected());
    QCOMPARE(second->PictureName(), QStringLiteral("btab3"));
    QVERIFY(!Child<TEKButton>(dialog, "ekbtnS1")->Selected());
    // The caption over a tab lets the press through to it.
    QVERIFY(Child<QLabel>(dialog, "lbls3")->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestSettings::showLoadsTheDefaults() {
    TfmSettings dialog;
    dialog.show();
    QCOMPARE(Child<QFontComboBox>(dialog, "fbxFont")->currentText(), QStringLiteral("Tahoma"));
    QCOMPARE(Child<QComboBox>(dialog, "cbxFontsize")->currentText(), QStringLiteral("8"));
    QCOMPARE(SwatchColor(dialog, "pnlC"), QColor(0, 128, 192));
    QCOMPARE(SwatchColor(dialog, "pnlCL"), QColor(65, 193, 255));
    QCOMPARE(Child<QComboBox>(dialog, "cbxNoteType")->currentIndex(), 0);
    QVERIFY(Child<QRadioButton>(dialog, "rdbtnBouth")->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, "rdbtnAutoRun")->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, "ckbxPlay")->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, "cbxRepeatSd")->isChecked());
    QCOMPARE(Child<QComboBox>(dialog, "cbxSound")->currentText(), QStringLiteral("reminder.wav"));
    QCOMPARE(Child<QLineEdit>(dialog, "edtRepeat")->text(), QStringLiteral("30"));
    QCOMPARE(Child<QLineEdit>(dialog, "edtSnooze")->text(), QStringLiteral("5"));
    QVERIFY(!SettingsFileExists());
}

void TestSettings::showLoadsTheStoredValues() {
    WriteTextSetting(QStringLiteral("FontName"), QStringLiteral("DejaVu Serif"));
    WriteIntSetting(QStringLiteral("FontSize"), 5);
    WriteIntSetting(QStringLiteral("NoteColor"), NoteColorTable[0]);
    WriteIntSetting(QStringLiteral("DefautNoteType"), 2);
    WriteIntSetting(QStringLiteral("NotepadDisply"), 3);
    WriteBoolSetting(QStringLiteral("AutoRun"), false);
    WriteBoolSetting(QStringLiteral("ReminderIsPlaySound"), false);
    WriteBoolSetting(QStringLiteral("IsRepeatSound"), false);
    WriteTextSetting(QStringLiteral("RepeatTime"), QStringLiteral("45"));
    WriteTextSetting(QStringLiteral("Snoozefor"), QStringLiteral("10"));

    TfmSettings dialog;
    dialog.show();
    QCOMPARE(Child<QFontComboBox>(dialog, "fbxFont")->currentText(),
             QStringLiteral("DejaVu Serif"));
    QCOMPARE(Child<QComboBox>(dialog, "cbxFontsize")->currentText(), QStringLiteral("14"));
    QCOMPARE(SwatchColor(dialog, "pnlC"), QColor(255, 128, 128));
    QCOMPARE(Child<QComboBox>(dialog, "cbxNoteType")->currentIndex(), 2);
    QVERIFY(Child<QRadioButton>(dialog, "rdbtnTaskbar")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, "rdbtnAutoRun")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, "ckbxPlay")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, "cbxRepeatSd")->isChecked());
    QCOMPARE(Child<QLineEdit>(dialog, "edtRepeat")->text(), QStringLiteral("45"));
    QCOMPARE(Child<QLineEdit>(dialog, "edtSnooze")->text(), QStringLiteral("10"));
}

namespace {

void AddFieldRows() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");

    QTest::newRow("font face") << Edit([](TfmSettings& d) {
        Child<QFontComboBox>(d, "fbxFont")->setCurrentText(QStringLiteral("DejaVu Sans Mono"));
    }) << "FontName"
                               << "DejaVu Sans Mono";
    QTest::newRow("font size 14 stores its index") << Edit([](TfmSettings& d) {
        auto* box = Child<QComboBox>(d, "cbxFontsize");
        box->setCurrentIndex(box->findText(QStringLiteral("14")));
    }) << "FontSize"
                                                   << "5";
    QTest::newRow("note colour") << Edit([](TfmSettings& d) {
        Child<TSwatchMenu>(d, "popNcolor")->actions().at(1)->trigger();
    }) << "NoteColor" << QString::number(NoteColorTable[1]);
    QTest::newRow("default note kind")
        << Edit([](TfmSettings& d) { Child<QComboBox>(d, "cbxNoteType")->setCurrentIndex(3); })
        << "DefautNoteType"
        << "3";
    QTest::newRow("desktop only") << Edit([](TfmSettings& d) {
        Child<QRadioButton>(d, "rdbtnDesktop")->click();
    }) << "NotepadDisply"
                                  << "2";
    QTest::newRow("taskbar only") << Edit([](TfmSettings& d) {
        Child<QRadioButton>(d, "rdbtnTaskbar")->click();
    }) << "NotepadDisply"
                                  << "3";
    QTest::newRow("autorun off") << Edit([](TfmSettings& d) {
        Child<QCheckBox>(d, "rdbtnAutoRun")->click();
    }) << "AutoRun"
                                 << "0";
    QTest::newRow("play sounds off")
        << Edit([](TfmSettings& d) { Child<QCheckBox>(d, "ckbxPlay")->click(); })
        << "ReminderIsPlaySound"
        << "0";
    QTest::newRow("repeat off") << Edit([](TfmSettings& d) {
        Child<QCheckBox>(d, "cbxRepeatSd")->click();
    }) << "IsRepeatSound"
                                << "0";
    QTest::newRow("repeat time") << Edit([](TfmSettings& d) {
        ReplaceText(Child<QLineEdit>(d, "edtRepeat"), QStringLiteral("45"));
    }) << "RepeatTime"
                                 << "45";
    QTest::newRow("snooze") << Edit([](TfmSettings& d) {
        ReplaceText(Child<QLineEdit>(d, "edtSnooze"), QStringLiteral("10"));
    }) << "Snoozefor"
                            << "10";
}

} // namespace

void TestSettings::fieldWrittenOnlyOnOK_data() {
    AddFieldRows();
}

void TestSettings::fieldWrittenOnlyOnOK() {
    QFETCH(Edit, edit);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    TfmSettings dialog;
    dialog.show();
    edit(dialog);
    QVERIFY(!SettingsFileExists());

    QTest::mousePress(Child<TEKButton>(dialog, "ekbtnOK"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(StoredText(key), stored);
}

void TestSettings::cancelWritesNothing_data() {
    AddFieldRows();
}

// Every change is tried with the Cancel button and with the close picture.
void TestSettings::cancelWritesNothing() {
    QFETCH(Edit, edit);
    for (const char* closer : {"ekbtnCancel", "imgClose"}) {
        TfmSettings dialog;
        dialog.show();
        edit(dialog);
        QTest::mousePress(Child<TEKButton>(dialog, closer), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY2(!SettingsFileExists(), closer);
        QVERIFY(AutostartEntries().isEmpty());
    }
}

void TestSettings::nextShowAfterCancelShowsTheStoredValues() {
    WriteTextSetting(QStringLiteral("Snoozefor"), QStringLiteral("7"));
    TfmSettings dialog;
    dialog.show();
    auto* snooze = Child<QLineEdit>(dialog, "edtSnooze");
    ReplaceText(snooze, QStringLiteral("99"));
    Child<QComboBox>(dialog, "cbxFontsize")->setCurrentIndex(9);
    dialog.reject();

    dialog.show();
    QCOMPARE(snooze->text(), QStringLiteral("7"));
    QCOMPARE(Child<QComboBox>(dialog, "cbxFontsize")->currentIndex(), 0);
    QCOMPARE(dialog.SnoozeAmount(), 7);
}

void TestSettings::colourMenuSetsBothSwatches() {
    TfmSettings dialog;
    dialog.show();
    auto* menu = Child<TSwatchMenu>(dialog, "popNcolor");
    QCOMPARE(menu->actions().size(), 26);
    // A press on either swatch opens the menu.
    QTest::mousePress(Child<QLabel>(dialog, "pnlCL"), Qt::LeftButton);
    QVERIFY(menu->isVisible());
    menu->actions().first()->trigger();
    menu->hide();

    QCOMPARE(SwatchColor(dialog, "pnlC"), QColor(255, 128, 128));
    QCOMPARE(SwatchColor(dialog, "pnlCL"), ColorOf(LightenColor(NoteColorTable[0])));
    QCOMPARE(menu->Swatches(menu->actions().first()),
             std::make_pair(QColor(255, 128, 128), QColor(255, 193, 193)));
}

void TestSettings::notepadDisplaySignalledOnOK_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("display");
    QTest::newRow("both") << "rdbtnBouth" << 1;
    QTest::newRow("desktop only") << "rdbtnDesktop" << 2;
    QTest::newRow("taskbar only") << "rdbtnTaskbar" << 3;
}

void TestSettings::notepadDisplaySignalledOnOK() {
    QFETCH(QString, radio);
    QFETCH(int, display);
    WriteIntSetting(QStringLiteral("NotepadDisply"), display == 1 ? 2 : 1);
    TfmSettings dialog;
    QSignalSpy spy(&dialog, &TfmSettings::NotepadDisplayChanged);
    dialog.show();
    Child<QRadioButton>(dialog, qPrintable(radio))->click();
    QCOMPARE(spy.size(), 0);

    dialog.accept();

    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toInt(), display);
    QCOMPARE(dialog.NotepadDisplay(), display);
    QCOMPARE(ReadIntSetting(QStringLiteral("NotepadDisply"), 0), display);
}

void TestSettings::autorunLeavesOneEntryOrNone() {
    TfmSettings dialog;
    auto* autorun = Child<QCheckBox>(dialog, "rdbtnAutoRun");
    for (const bool on : {true, false, true, true, false, false}) {
        dialog.show();
        autorun->setChecked(on);
        dialog.accept();
        QCOMPARE(AutostartEntries(), on ? QStringList({"VelmarNotes.desktop"}) : QStringList());
        QCOMPARE(Autorun::IsEnabled(), on);
        QCOMPARE(ReadSetting(SysConfig::AutoRun), on);
    }
}

void TestSettings::heldDefaultsFollowOK() {
    TfmSettings dialog;
    QSignalSpy saved(&dialog, &TfmSettings::SettingsSaved);
    dialog.show();
    QCOMPARE(dialog.FontSize(), 8);
    QCOMPARE(dialog.NoteColor(), 12615680);
    auto* size = Child<QComboBox>(dialog, "cbxFontsize");
    size->setCurrentIndex(size->findText(QStringLiteral("14")));
    Child<TSwatchMenu>(dialog, "popNcolor")->actions().at(4)->trigger();
    Child<QComboBox>(dialog, "cbxNoteType")->setCurrentIndex(1);
    ReplaceText(Child<QLineEdit>(dialog, "edtSnooze"), QStringLiteral("10"));
    ReplaceText(Child<QLineEdit>(dialog, "edtRepeat"), QStringLiteral("12"));
    Child<QCheckBox>(dialog, "ckbxPlay")->click();
    // Unconfirmed edits are not the program's defaults.
    QCOMPARE(dialog.SnoozeAmount(), 5);
    QCOMPARE(dialog.FontSize(), 8);

    dialog.accept();

    QCOMPARE(saved.size(), 1);
    QCOMPARE(dialog.FontSize(), 14);
    QCOMPARE(dialog.NoteColor(), NoteColorTable[4]);
    QCOMPARE(dialog.DefaultNoteKind(), 1);
    QCOMPARE(dialog.SnoozeAmount(), 10);
    QCOMPARE(dialog.RepeatTime(), 12);
    QVERIFY(!dialog.PlaySound());
    QVERIFY(dialog.RepeatSound());
    QCOMPARE(dialog.FontName(), QStringLiteral("Tahoma"));
    QCOMPARE(dialog.SoundFile(), QStringLiteral("reminder.wav"));
}

void TestSettings::numberFieldsTakeDigitsOnly_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const char* field : {"edtRepeat", "edtSnooze"}) {
        const QString name = QString::fromLatin1(field);
        QTest::newRow(qPrintable(name + " digits")) << name << "120"
                                                    << "120";
        QTest::newRow(qPrintable(name + " letters")) << name << "abc"
                                                     << "";
        QTest::newRow(qPrintable(name + " mixed")) << name << "1a2-b3 "
                                                   << "123";
    }
}

void TestSettings::numberFieldsTakeDigitsOnly() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TfmSettings dialog;
    dialog.show();
    auto* edit = Child<QLineEdit>(dialog, qPrintable(field));
    ReplaceText(edit, typed);
    QCOMPARE(edit->text(), shown);
    // Inserted text (as pasted) goes through the same check: other scripts' digits included.
    for (const QString& pasted : {QStringLiteral("9x"), QStringLiteral("\u0663\u0664")}) {
        edit->insert(pasted);
        QCOMPARE(edit->text(), shown);
    }
}

void TestSettings::emptyNumberFieldsStoreTheirDefaults() {
    WriteTextSetting(QStringLiteral("RepeatTime"), QStringLiteral("45"));
    WriteTextSetting(QStringLiteral("Snoozefor"), QStringLiteral("10"));
    TfmSettings dialog;
    dialog.show();
    Child<QLineEdit>(dialog, "edtRepeat")->clear();
    Child<QLineEdit>(dialog, "edtSnooze")->clear();
    dialog.accept();
    QCOMPARE(StoredText(QStringLiteral("RepeatTime")), QStringLiteral("30"));
    QCOMPARE(StoredText(QStringLiteral("Snoozefor")), QStringLiteral("5"));
    QCOMPARE(dialog.RepeatTime(), 30);
    QCOMPARE(dialog.SnoozeAmount(), 5);
}

void TestSettings::soundListHoldsTheWavFilesAndTheStoredSound() {
    QVERIFY(VelmarPaths::EnsureDataFolder());
    for (const char* name : {"bell.wav", "chime.wav", "readme.txt"})
        WriteFile(VelmarPaths::DataFolder() + QString::fromLatin1(name), "RIFF");
    WriteTextSetting(QStringLiteral("ReminderSount"), QStringLiteral("gone.wav"));

    TfmSettings dialog;
    dialog.show();
    auto* sound = Child<QComboBox>(dialog, "cbxSound");
    QStringList listed;
    for (int i = 0; i < sound->count(); ++i)
        listed.append(sound->itemText(i));
    QCOMPARE(listed.mid(0, 2), QStringList({"bell.wav", "chime.wav"}));
    QVERIFY(!listed.contains(QStringLiteral("readme.txt")));
    // The stored sound stays chosen although its file is gone, so OK keeps it.
    QCOMPARE(sound->currentText(), QStringLiteral("gone.wav"));
    QVERIFY(!sound->isEditable());

    sound->setCurrentIndex(sound->findText(QStringLiteral("chime.wav")));
    dialog.accept();
    QCOMPARE(StoredText(QStringLiteral("ReminderSount")), QStringLiteral("chime.wav"));
}

void TestSettings::browsedSoundIsCopiedIntoTheDataFolder() {
    QTemporaryDir elsewhere, other;
    const QString first = elsewhere.filePath(QStringLiteral("gong.wav"));
    const QString sameName = other.filePath(QStringLiteral("gong.wav"));
    WriteFile(first, "RIFF first");
    WriteFile(sameName, "RIFF second");

    TfmSettings dialog;
    dialog.show();
    auto* sound = Child<QComboBox>(dialog, "cbxSound");
    auto* browse = Child<QPushButton>(dialog, "btnSelectSound");
    const auto choose = [&](const QString& path) {
        FileChooser::SetNextChosenFileForTest(path);
        browse->click();
    };

    choose(first);
    QCOMPARE(sound->currentText(), QStringLiteral("gong.wav"));
    QCOMPARE(WavFilesInDataFolder(), QStringList({"gong.wav"}));

    choose(first); // the same file again is not copied twice
    QCOMPARE(sound->currentText(), QStringLiteral("gong.wav"));
    QCOMPARE(WavFilesInDataFolder(), QStringList({"gong.wav"}));

    choose(sameName); // another file of that name keeps the first
    QCOMPARE(sound->currentText(), QStringLiteral("gong (2).wav"));
    QCOMPARE(WavFilesInDataFolder(), QStringList({"gong (2).wav", "gong.wav"}));
    QVERIFY(sound->findText(QStringLiteral("gong.wav")) >= 0);
    QVERIFY(!SettingsFileExists());

    dialog.accept();
    QCOMPARE(StoredText(QStringLiteral("ReminderSount")), QStringLiteral("gong (2).wav"));
}

void TestSettings::browsingCancelledChangesNothing() {
    TfmSettings dialog;
    dialog.show();
    auto* sound = Child<QComboBox>(dialog, "cbxSound");
    FileChooser::SetNextChosenFileForTest({});
    Child<QPushButton>(dialog, "btnSelectSound")->click();
    QCOMPARE(sound->currentText(), QStringLiteral("reminder.wav"));
    QVERIFY(WavFilesInDataFolder().isEmpty());
}

void TestSettings::enterIsOKAndEscapeIsCancel() {
    TfmSettings dialog;
    dialog.show();
    ReplaceText(Child<QLineEdit>(dialog, "edtSnooze"), QStringLiteral("3"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!SettingsFileExists());

    dialog.show();
    auto* snooze = Child<QLineEdit>(dialog, "edtSnooze");
    ReplaceText(snooze, QStringLiteral("3"));
    // Enter in a number field reaches the dialog as OK, not the Browse button.
    QTest::keyClick(snooze, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(StoredText(QStringLiteral("Snoozefor")), QStringLiteral("3"));
}

void TestSettings::helpPictureAsksForTheSettingsPage() {
    TfmSettings dialog;
    QSignalSpy help(&dialog, &TfmSettings::HelpRequested);
    dialog.show();
    QTest::mousePress(Child<TEKButton>(dialog, "Image3"), Qt::LeftButton);
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.first().first().toInt(), 5006);
}

void TestSettings::failedWriteLeavesTheDialogOpen() {
    TfmSettings dialog;
    QSignalSpy saved(&dialog, &TfmSettings::SettingsSaved);
    QSignalSpy display(&dialog, &TfmSettings::NotepadDisplayChanged);
    dialog.show();
    Child<QLineEdit>(dialog, "edtSnooze")->setText(QStringLiteral("7"));
    // A folder where config.ini should be: every write fails.
    QVERIFY(QDir().mkpath(SettingsPath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".")));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(saved.size(), 0);
    QCOMPARE(display.size(), 0);
    QVERIFY(AutostartEntries().isEmpty());
}

QTEST_MAIN(TestSettings)
#include "tst_settingsdialog.moc"
