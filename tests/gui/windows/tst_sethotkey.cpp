// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "TestDataFolder.h"
#include "WindowsTestSupport.h"
#include "frmHotkey.h"
#include "frmMessage.h"
#include "frmSetHotKey.h"
#include "untHotKeyEdit.h"
#include "untParam.h"
#include "untVirtualKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

constexpr int CtrlShiftF = 24646;
constexpr int CtrlShiftR = ShortcutCtrl | ShortcutShift | 'R';
constexpr int CtrlR = ShortcutCtrl | 'R';

const char* const RowNames[] = {"hkFindNotes",   "hkReminderList", "hkDateTime",
                                "hkRadomColors", "hkAlwaysOnTop",  "hkDefaultNote",
                                "hkTrashList",   "hkShowAll",      "hkHideAll"};

THotKeyEdit* Row(const TfmSetHotKey& dialog, int commandIndex) {
    return Child<THotKeyEdit>(dialog, RowNames[commandIndex]);
}

QList<int> StoredValues() {
    QList<int> values;
    for (int index = 0; index < TfmSetHotKey::CommandCount; ++index)
        values.append(ReadHotKey(index));
    return values;
}

void Press(const QWidget& window, const char* button) {
    QTest::mousePress(Child<TEKButton>(window, button), Qt::LeftButton);
}

// The dialog, with a re-register callback that counts its calls and answers `notTaken`.
struct TFixture {
    TfmSetHotKey dialog;
    int reregistered = 0;
    QList<int> notTaken;

    TFixture() {
        dialog.SetReregister([this] {
            ++reregistered;
            THotKeyRegistration registration;
            registration.NotTaken = notTaken;
            return registration;
        });
    }
};

} // namespace

class TestSetHotKey : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // TfmHotkey
    void editorLoadsACombination_data();
    void editorLoadsACombination();
    void uncheckingShiftGivesCtrlR();
    void keyFieldTakesTheKeyAlone();
    void noKeyGivesNoHotKey();
    void editAnswersOnlyWhenApplied();

    // TfmSetHotKey
    void rowsFollowTheScreenOrder();
    void emptySectionShowsAndStoresNoCombinations();
    void showLoadsTheStoredCombinations();
    void okStoresInCommandIndexOrder();
    void sameCombinationTwiceIsRefused();
    void removedCombinationIsStoredAsZero();
    void cancelLeavesTheSectionUntouched();
    void enterInARowIsOKAndCtrlEnterIsACombination();
    void rowButtonEditsTheRowThroughTheEditor();
    void combinationsNotTakenAreReported();
    void unavailableHotKeysAreSaid();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestSetHotKey::init() {
    FFolder = std::make_unique<TestDataFolder>();
}

void TestSetHotKey::cleanup() {
    FFolder.reset();
}

void TestSetHotKey::editorLoadsACombination_data() {
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QString>("label");
    QTest::newRow("Ctrl+Shift+R") << CtrlShiftR << true << true << false << "Shift + Ctrl + R";
    QTest::newRow("Alt+F5") << (ShortcutAlt | 0x74) << false << false << true << "Alt + F5";
    QTest::newRow("all three with Left") << (ShortcutAlt | ShortcutCtrl | ShortcutShift | 0x25)
                                         << true << true << true << "Shift + Ctrl + Alt + Left";
    QTest::newRow("a digit alone") << int('7') << false << false << false << "7";
    QTest::newRow("none") << 0 << false << false << false << "";
}

void TestSetHotKey::editorLoadsACombination() {
    QFETCH(int, shortcut);
    QFETCH(bool, shift);
    QFETCH(bool, ctrl);
    QFETCH(bool, alt);
    QFETCH(QString, label);
    TfmHotkey editor;
    editor.Load(shortcut);
    QCOMPARE(Child<QCheckBox>(editor, "cbxShift")->isChecked(), shift);
    QCOMPARE(Child<QCheckBox>(editor, "cbxCtrl")->isChecked(), ctrl);
    QCOMPARE(Child<QCheckBox>(editor, "cbxAlt")->isChecked(), alt);
    QCOMPARE(Child<QLabel>(editor, "lblHK")->text(), label);
    // Keys that are not letters or digits come through as well: the key travels as its value.
    QCOMPARE(editor.Shortcut(), shortcut);
}

void TestSetHotKey::uncheckingShiftGivesCtrlR() {
    TfmHotkey editor;
    editor.Load(CtrlShiftR);
    Child<QCheckBox>(editor, "cbxShift")->click();
    QCOMPARE(Child<QLabel>(editor, "lblHK")->text(), QStringLiteral("Ctrl + R"));
    QCOMPARE(editor.Shortcut(), CtrlR);
}

void TestSetHotKey::keyFieldTakesTheKeyAlone() {
    TfmHotkey editor;
    editor.Load(CtrlR);
    auto* key = Child<THotKeyEdit>(editor, "hkKey");
    QTest::keyClick(key, Qt::Key_F7, Qt::AltModifier);
    QCOMPARE(key->Value(), 0x76);
    QCOMPARE(Child<QLabel>(editor, "lblHK")->text(), QStringLiteral("Ctrl + F7"));
    QCOMPARE(editor.Shortcut(), ShortcutCtrl | 0x76);
}

void TestSetHotKey::noKeyGivesNoHotKey() {
    TfmHotkey editor;
    editor.Load(CtrlR);
    QTest::keyClick(Child<THotKeyEdit>(editor, "hkKey"), Qt::Key_Backspace);
    QCOMPARE(Child<QLabel>(editor, "lblHK")->text(), QStringLiteral("Ctrl + "));
    QCOMPARE(editor.Shortcut(), 0);
}

void TestSetHotKey::editAnswersOnlyWhenApplied() {
    TfmHotkey editor;
    const auto editWith = [&](const char* button) {
        QTimer::singleShot(0, &editor, [&editor, button] {
            Child<QCheckBox>(editor, "cbxShift")->click();
            Press(editor, button);
        });
        return editor.Edit(CtrlShiftR);
    };
    QCOMPARE(editWith("EKButton1"), std::optional<int>(CtrlR));
    QCOMPARE(editWith("EKButton2"), std::optional<int>());
    QCOMPARE(editWith("ekbtnClose"), std::optional<int>());
}

void TestSetHotKey::rowsFollowTheScreenOrder() {
    TfmSetHotKey dialog;
    QCOMPARE(dialog.size(), QSize(455, 357));
    // "Always On Top" stands above "Random Colors" on screen.
    const QList<int> top = {Row(dialog, 0)->y(), Row(dialog, 1)->y(), Row(dialog, 2)->y(),
                            Row(dialog, 4)->y(), Row(dialog, 3)->y(), Row(dialog, 5)->y(),
                            Row(dialog, 6)->y(), Row(dialog, 7)->y(), Row(dialog, 8)->y()};
    QVERIFY(std::is_sorted(top.begin(), top.end()));
    QCOMPARE(Child<QLabel>(dialog, "lblRadomColors")->text(),
             QStringLiteral("Add Random Colors Note"));
    QVERIFY(Child<TEKButton>(dialog, "EKButton4")->y() == Row(dialog, 4)->y() - 1);
}

void TestSetHotKey::emptySectionShowsAndStoresNoCombinations() {
    TFixture fixture;
    fixture.dialog.show();
    for (int index = 0; index < TfmSetHotKey::CommandCount; ++index) {
        QCOMPARE(Row(fixture.dialog, index)->Value(), 0);
        QCOMPARE(Row(fixture.dialog, index)->text(), QString());
    }
    Press(fixture.dialog, "ekbtnOK");
    QCOMPARE(fixture.dialog.result(), int(QDialog::Accepted));
    // Nothing to store: a missing key already reads as no combination.
    QCOMPARE(StoredValues(), QList<int>(9, 0));
    QCOMPARE(fixture.reregistered, 1);
}

void TestSetHotKey::showLoadsTheStoredCombinations() {
    StoreHotKeys({QStringLiteral("FindNotes=24646"), QStringLiteral("AlwaysOnTop=16468")});
    TfmSetHotKey dialog;
    dialog.show();
    QCOMPARE(Row(dialog, 0)->text(), QStringLiteral("Ctrl+Shift+F"));
    QCOMPARE(Row(dialog, 4)->Value(), 16468);
    QCOMPARE(dialog.Values(), QList<int>({24646, 0, 0, 0, 16468, 0, 0, 0, 0}));
}

void TestSetHotKey::okStoresInCommandIndexOrder() {
    TFixture fixture;
    fixture.dialog.show();
    Row(fixture.dialog, 3)->SetValue(ShortcutCtrl | 'C');
    Row(fixture.dialog, 4)->SetValue(ShortcutCtrl | 'T');
    fixture.dialog.accept();
    QCOMPARE(StoredValues(),
             QList<int>({0, 0, 0, ShortcutCtrl | 'C', ShortcutCtrl | 'T', 0, 0, 0, 0}));
    const QByteArray ini = SettingsFileContent();
    QVERIFY(ini.indexOf("RadomColors=16451") < ini.indexOf("AlwaysOnTop=16468"));
}

void TestSetHotKey::sameCombinationTwiceIsRefused() {
    TFixture fixture;
    fixture.dialog.show();
    Row(fixture.dialog, 0)->SetValue(CtrlShiftF);
    Row(fixture.dialog, 6)->SetValue(CtrlShiftF);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);

    fixture.dialog.accept();

    QVERIFY(fixture.dialog.isVisible());
    QCOMPARE(fixture.reregistered, 0);
    QVERIFY(!SettingsFileExists());
    auto* box = Child<TfmMessage>(fixture.dialog, "fmMessage");
    QCOMPARE(box->Message(), QStringLiteral("The hot key Ctrl+Shift+F is given to Find Notes and "
                                            "Trash List. Give each command its own hot key."));
    QVERIFY(!box->ShowCancel());

    Row(fixture.dialog, 6)->SetValue(0);
    fixture.dialog.accept();
    QVERIFY(!fixture.dialog.isVisible());
    QCOMPARE(ReadHotKey(0), CtrlShiftF);
    QCOMPARE(fixture.reregistered, 1);
}

void TestSetHotKey::removedCombinationIsStoredAsZero() {
    StoreHotKeys({QStringLiteral("FindNotes=24646"), QStringLiteral("TrashList=16468")});
    TFixture fixture;
    fixture.dialog.show();
    QTest::keyClick(Row(fixture.dialog, 0), Qt::Key_Backspace);
    QCOMPARE(Row(fixture.dialog, 0)->text(), QString());
    fixture.dialog.accept();
    QCOMPARE(ReadHotKey(0), 0);
    QVERIFY(SettingsFileContent().contains("FindNotes=0"));
    QCOMPARE(ReadHotKey(6), 16468);
    QCOMPARE(fixture.reregistered, 1);
}

void TestSetHotKey::cancelLeavesTheSectionUntouched() {
    StoreHotKeys({QStringLiteral("FindNotes=24646")});
    const QByteArray before = SettingsFileContent();
    for (const char* closer : {"ekbtnCancel", "ekbtnClose"}) {
        TFixture fixture;
        fixture.dialog.show();
        Row(fixture.dialog, 0)->SetValue(0);
        Row(fixture.dialog, 8)->SetValue(CtrlR);
        Press(fixture.dialog, closer);
        QCOMPARE(fixture.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(SettingsFileContent(), before);
        QCOMPARE(fixture.reregistered, 0);
        // The next show drops the abandoned edits.
        fixture.dialog.show();
        QCOMPARE(fixture.dialog.Values(), QList<int>({CtrlShiftF, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
}

void TestSetHotKey::enterInARowIsOKAndCtrlEnterIsACombination() {
    TFixture fixture;
    fixture.dialog.show();
    QTest::keyClick(Row(fixture.dialog, 2), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(Row(fixture.dialog, 2)->text(), QStringLiteral("Ctrl+Enter"));
    QTest::keyClick(Row(fixture.dialog, 2), Qt::Key_Return);
    QCOMPARE(fixture.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ReadHotKey(2), ShortcutCtrl | 0x0D);
}

void TestSetHotKey::rowButtonEditsTheRowThroughTheEditor() {
    StoreHotKeys({QStringLiteral("ReminderList=") + QString::number(CtrlShiftR)});
    TfmSetHotKey dialog;
    dialog.show();
    auto* editor = Child<TfmHotkey>(dialog, "fmHotkey");
    bool shownChecked = false;
    QTimer::singleShot(0, editor, [&] {
        shownChecked =
            Child<QCheckBox>(*editor, "cbxShift")->isChecked() &&
            Child<QCheckBox>(*editor, "cbxCtrl")->isChecked() &&
            Child<QLabel>(*editor, "lblHK")->text() == QStringLiteral("Shift + Ctrl + R");
        Child<QCheckBox>(*editor, "cbxShift")->click();
        Press(*editor, "EKButton1");
    });
    Press(dialog, "EKButton2");
    QVERIFY(shownChecked);
    QCOMPARE(Row(dialog, 1)->Value(), CtrlR);
    QCOMPARE(Row(dialog, 1)->text(), QStringLiteral("Ctrl+R"));
    // Nothing is stored before the dialog's OK.
    QCOMPARE(ReadHotKey(1), CtrlShiftR);
}

void TestSetHotKey::combinationsNotTakenAreReported() {
    TFixture fixture;
    fixture.notTaken = {0, 7};
    fixture.dialog.show();
    Row(fixture.dialog, 0)->SetValue(CtrlShiftF);
    Row(fixture.dialog, 7)->SetValue(ShortcutAlt | 0x70);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);

    fixture.dialog.accept();

    QVERIFY(!fixture.dialog.isVisible());
    QCOMPARE(fixture.reregistered, 1);
    const QString expected = QStringLiteral("Find Notes (Ctrl+Shift+F), Show All Desktop Notes "
                                            "(Alt+F1)");
    QCOMPARE(Child<TfmMessage>(fixture.dialog, "fmMessage")->Message(),
             QStringLiteral("Another program already uses these hot keys, so they do not "
                            "work: %1.")
                 .arg(expected));
    fixture.dialog.show();
    QCOMPARE(Child<QLabel>(fixture.dialog, "lblStatus")->text(),
             QStringLiteral("In use by another program: ") + expected);
}

void TestSetHotKey::unavailableHotKeysAreSaid() {
    TFixture fixture;
    fixture.notTaken = {0};
    fixture.dialog.SetHotKeysAvailable(false);
    fixture.dialog.show();
    auto* status = Child<QLabel>(fixture.dialog, "lblStatus");
    QCOMPARE(status->text(),
             QStringLiteral("Global hot keys are not available in this session (no X server)."));
    Row(fixture.dialog, 0)->SetValue(CtrlShiftF);
    // Stored all the same, for a session that has them; no notice about other programs.
    fixture.dialog.accept();
    QCOMPARE(ReadHotKey(0), CtrlShiftF);
    QCOMPARE(Child<TfmMessage>(fixture.dialog, "fmMessage")->Message(), QString());
    QVERIFY(status->text().contains(QStringLiteral("not available")));
}

QTEST_MAIN(TestSetHotKey)
#include "tst_sethotkey.moc"
