// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "MainForm.h"
#include "ShellTestSupport.h"
#include "TestDataFolder.h"
#include "frmLearning.h"
#include "frmMessage.h"
#include "frmSetHotKey.h"
#include "frmSettings.h"
#include "untColorTables.h"
#include "untHotKeyEdit.h"
#include "untMainHotKeys.h"
#include "untParam.h"
#include "untStartup.h"
#include "untSwatchMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int CtrlShiftF = 24646;
constexpr int CtrlShiftT = 24660;

template <typename T> T* Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("%s has no %s", qPrintable(window.objectName()), name);
    return child;
}

void Press(const QWidget& window, const char* button) {
    QTest::mousePress(Child<TEKButton>(window, button), Qt::LeftButton);
}

// Chooses a main-menu entry whose command opens a modal dialog, and runs `act` inside it.
template <typename Act> void ChooseAndDo(TfmMainForm& form, const char* action, Act act) {
    bool acted = false;
    QTimer::singleShot(0, &form, [&] {
        act();
        acted = true;
    });
    form.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    QVERIFY(acted);
}

} // namespace

// The start-up's windows that the main window's menu opens, and what they change in it.
class TestProgramWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void welcomeAtStart_data();
    void welcomeAtStart();
    void welcomeEntryShowsItWithTheStoredChoice();
    void settingsOKAppliesTheNotepadDisplayAtOnce_data();
    void settingsOKAppliesTheNotepadDisplayAtOnce();
    void settingsColourGoesToTheNextNote();
    void hotKeyDialogSaysWhenHotKeysAreNotAvailable();
    void hotKeyDialogOKShowsTheShortcutsInForce();
    void hotKeyDialogReportsACombinationNotTaken();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestProgramWindows::init() {
    FFolder = std::make_unique<TestDataFolder>();
}

void TestProgramWindows::cleanup() {
    DiscardOpenNotes();
    FFolder.reset();
}

void TestProgramWindows::welcomeAtStart_data() {
    QTest::addColumn<QString>("stored"); // empty: not written
    QTest::addColumn<bool>("shown");
    QTest::newRow("first start") << QString() << true;
    QTest::newRow("set") << "1" << true;
    QTest::newRow("cleared") << "0" << false;
}

void TestProgramWindows::welcomeAtStart() {
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    if (!stored.isEmpty())
        WriteTextSetting(QStringLiteral("IsShowWelcome"), stored);
    TVelmarProgram program;
    QVERIFY(!program.Learning().isVisible());
    program.Start();
    QCOMPARE(program.Learning().isVisible(), shown);
}

void TestProgramWindows::welcomeEntryShowsItWithTheStoredChoice() {
    WriteBoolSetting(QStringLiteral("IsShowWelcome"), false);
    TVelmarProgram program;
    program.Start();
    program.MainForm().findChild<QAction*>(QStringLiteral("itemShowWelcome"))->trigger();
    QVERIFY(program.Learning().isVisible());
    QVERIFY(!Child<QCheckBox>(program.Learning(), "cbxShow")->isChecked());
}

void TestProgramWindows::settingsOKAppliesTheNotepadDisplayAtOnce_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<bool>("notepadShown");
    QTest::addColumn<bool>("trayShown");
    QTest::newRow("both") << "rdbtnBouth" << true << true;
    QTest::newRow("desktop only") << "rdbtnDesktop" << true << false;
    QTest::newRow("tray only") << "rdbtnTaskbar" << false << true;
}

void TestProgramWindows::settingsOKAppliesTheNotepadDisplayAtOnce() {
    QFETCH(QString, radio);
    QFETCH(bool, notepadShown);
    QFETCH(bool, trayShown);
    WriteIntSetting(QStringLiteral("NotepadDisply"), 2);
    TVelmarProgram program;
    program.Start();
    TfmSettings& settings = program.Settings();
    ChooseAndDo(program.MainForm(), "acSettings", [&] {
        QVERIFY(settings.isVisible());
        Child<QRadioButton>(settings, qPrintable(radio))->setChecked(true);
        Press(settings, "ekbtnOK");
    });
    QVERIFY(!settings.isVisible());
    QCOMPARE(program.MainForm().isVisible(), notepadShown);
    QCOMPARE(program.MainForm().MFtray()->isVisible(), trayShown);
}

void TestProgramWindows::settingsColourGoesToTheNextNote() {
    TVelmarProgram program;
    program.Start();
    program.MainForm().NewNote(TfmMainForm::DefaultKind);
    const int before = OpenNotes().last()->NoteColor();
    QCOMPARE(before, SysConfig::NoteColor.fallback);

    TfmSettings& settings = program.Settings();
    ChooseAndDo(program.MainForm(), "acSettings", [&] {
        Child<TSwatchMenu>(settings, "popNcolor")->actions().at(3)->trigger();
        Press(settings, "ekbtnOK");
    });
    program.MainForm().NewNote(TfmMainForm::DefaultKind);
    QCOMPARE(OpenNotes().last()->NoteColor(), NoteColorTable[3]);
    QCOMPARE(OpenNotes().first()->NoteColor(), before); // the open note keeps its colour
}

// The offscreen platform stands for a session without an X server, as a Wayland one.
void TestProgramWindows::hotKeyDialogSaysWhenHotKeysAreNotAvailable() {
    TVelmarProgram program;
    program.Start();
    TfmSetHotKey& dialog = program.SetHotKey();
    ChooseAndDo(program.MainForm(), "itemHotKeysSettings", [&] {
        QVERIFY(dialog.isVisible());
        QVERIFY(
            Child<QLabel>(dialog, "lblStatus")->text().contains(QStringLiteral("not available")));
        dialog.reject();
    });
}

// After the dialog stores new combinations, the menu shows the new ones at once, and a removed
// one no longer.
void TestProgramWindows::hotKeyDialogOKShowsTheShortcutsInForce() {
    StoreHotKeys({QStringLiteral("FindNotes=24646")});
    TVelmarProgram program;
    TMainHotKeys& hotKeys = program.MainForm().HotKeys();
    hotKeys.SetGrabForTest([](int) { return true; });
    hotKeys.RegisterHotKeys();
    QAction* find = program.MainForm().findChild<QAction*>(QStringLiteral("acFindnotes"));
    QAction* trash = program.MainForm().findChild<QAction*>(QStringLiteral("acTrashList"));
    QCOMPARE(find->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));

    TfmSetHotKey& dialog = program.SetHotKey();
    ChooseAndDo(program.MainForm(), "itemHotKeysSettings", [&] {
        Child<THotKeyEdit>(dialog, "hkFindNotes")->SetValue(0);
        Child<THotKeyEdit>(dialog, "hkTrashList")->SetValue(CtrlShiftT);
        Press(dialog, "ekbtnOK");
    });
    QVERIFY(!dialog.isVisible());
    QVERIFY(find->shortcut().isEmpty());
    QCOMPARE(trash->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    QCOMPARE(hotKeys.Registration().CommandOf(CtrlShiftT), 6);
    QCOMPARE(hotKeys.Registration().CommandOf(CtrlShiftF), -1);
}

void TestProgramWindows::hotKeyDialogReportsACombinationNotTaken() {
    TVelmarProgram program;
    program.MainForm().HotKeys().SetGrabForTest(
        [](int shortcut) { return shortcut != CtrlShiftF; });
    TfmSetHotKey& dialog = program.SetHotKey();
    dialog.SetHotKeysAvailable(true);
    ChooseAndDo(program.MainForm(), "itemHotKeysSettings", [&] {
        Child<THotKeyEdit>(dialog, "hkFindNotes")->SetValue(CtrlShiftF);
        TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK); // the notice about it
        Press(dialog, "ekbtnOK");
    });
    QCOMPARE(ReadHotKey(0), CtrlShiftF);
    QCOMPARE(Child<QLabel>(dialog, "lblStatus")->text(),
             QStringLiteral("In use by another program: Find Notes (Ctrl+Shift+F)"));
}

QTEST_MAIN(TestProgramWindows)
#include "tst_programwindows.moc"
