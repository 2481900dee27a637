// SPDX-License-Identifier: GPL-3.0-or-later
#include "untVirtualKeys.h"

#include <QtTest>

#include <X11/keysym.h>

class TestVirtualKeys : public QObject {
    Q_OBJECT

private slots:
    void virtualKeyAndKeysymBothWays_data();
    void virtualKeyAndKeysymBothWays();
    void keysOutsideTheTableHaveNoCounterpart_data();
    void keysOutsideTheTableHaveNoCounterpart();
    void upperCaseLetterKeysymIsItsKey();
    void shortcutText_data();
    void shortcutText();
    void keyCombinationBothWays_data();
    void keyCombinationBothWays();
    void keyCombinationToShortcut_data();
    void keyCombinationToShortcut();
    void everyKeyOfTheTableGoesRoundTrip();
};

void TestVirtualKeys::virtualKeyAndKeysymBothWays_data() {
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<quint32>("keysym");
    const auto row = [](const char* name, int virtualKey, quint32 keysym) {
        QTest::newRow(name) << virtualKey << keysym;
    };
    row("A", 0x41, XK_a);
    row("F", 0x46, XK_f);
    row("Z", 0x5A, XK_z);
    row("0", 0x30, XK_0);
    row("9", 0x39, XK_9);
    row("F1", 0x70, XK_F1);
    row("F12", 0x7B, XK_F12);
    row("F24", 0x87, XK_F24);
    row("Left", 0x25, XK_Left);
    row("Up", 0x26, XK_Up);
    row("Right", 0x27, XK_Right);
    row("Down", 0x28, XK_Down);
    row("Home", 0x24, XK_Home);
    row("End", 0x23, XK_End);
    row("PageUp", 0x21, XK_Page_Up);
    row("PageDown", 0x22, XK_Page_Down);
    row("Insert", 0x2D, XK_Insert);
    row("Delete", 0x2E, XK_Delete);
    row("Space", 0x20, XK_space);
    row("Escape", 0x1B, XK_Escape);
    row("OEM_1 ;", 0xBA, XK_semicolon);
    row("OEM_PLUS =", 0xBB, XK_equal);
    row("OEM_COMMA", 0xBC, XK_comma);
    row("OEM_MINUS", 0xBD, XK_minus);
    row("OEM_PERIOD", 0xBE, XK_period);
    row("OEM_2 /", 0xBF, XK_slash);
    row("OEM_3 `", 0xC0, XK_grave);
    row("OEM_4 [", 0xDB, XK_bracketleft);
    row("OEM_5 \\", 0xDC, XK_backslash);
    row("OEM_6 ]", 0xDD, XK_bracketright);
    row("OEM_7 '", 0xDE, XK_apostrophe);
    row("NUMPAD0", 0x60, XK_KP_0);
    row("NUMPAD9", 0x69, XK_KP_9);
    row("MULTIPLY", 0x6A, XK_KP_Multiply);
    row("ADD", 0x6B, XK_KP_Add);
    row("SUBTRACT", 0x6D, XK_KP_Subtract);
    row("DECIMAL", 0x6E, XK_KP_Decimal);
    row("DIVIDE", 0x6F, XK_KP_Divide);
}

void TestVirtualKeys::virtualKeyAndKeysymBothWays() {
    QFETCH(int, virtualKey);
    QFETCH(quint32, keysym);
    QCOMPARE(VirtualKeyToKeysym(virtualKey), keysym);
    QCOMPARE(KeysymToVirtualKey(keysym), virtualKey);
}

void TestVirtualKeys::keysOutsideTheTableHaveNoCounterpart_data() {
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<quint32>("keysym");
    QTest::newRow("none") << 0x00 << quint32(XK_VoidSymbol);
    QTest::newRow("VK_SHIFT / Shift_L") << 0x10 << quint32(XK_Shift_L);
    QTest::newRow("VK_SEPARATOR / KP_Separator") << 0x6C << quint32(XK_KP_Separator);
    QTest::newRow("past F24 / F25") << 0x88 << quint32(XK_F25);
    QTest::newRow("VK_OEM_CLEAR / a dead key") << 0xFE << quint32(XK_dead_acute);
}

void TestVirtualKeys::keysOutsideTheTableHaveNoCounterpart() {
    QFETCH(int, virtualKey);
    QFETCH(quint32, keysym);
    QCOMPARE(VirtualKeyToKeysym(virtualKey), 0u);
    QCOMPARE(KeysymToVirtualKey(keysym), 0);
    QVERIFY(!IsValidShortcut(ShortcutCtrl | virtualKey));
}

void TestVirtualKeys::upperCaseLetterKeysymIsItsKey() {
    QCOMPARE(KeysymToVirtualKey(XK_A), 0x41);
    QCOMPARE(KeysymToVirtualKey(XK_Q), 0x51);
    QCOMPARE(KeysymToVirtualKey(XK_Z), 0x5A);
}

void TestVirtualKeys::shortcutText_data() {
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ctrl+Shift+F") << 24646 << "Ctrl+Shift+F";
    QTest::newRow("key alone") << 0x46 << "F";
    QTest::newRow("Alt+A") << (ShortcutAlt | 0x41) << "Alt+A";
    QTest::newRow("all three") << (ShortcutShift | ShortcutCtrl | ShortcutAlt | 0x7B)
                               << "Ctrl+Alt+Shift+F12";
    QTest::newRow("Ctrl+digit") << (ShortcutCtrl | 0x37) << "Ctrl+7";
    QTest::newRow("Shift+PageUp") << (ShortcutShift | 0x21) << "Shift+PgUp";
    QTest::newRow("Ctrl+Alt+Delete") << (ShortcutCtrl | ShortcutAlt | 0x2E) << "Ctrl+Alt+Del";
    QTest::newRow("Ctrl+Space") << (ShortcutCtrl | 0x20) << "Ctrl+Space";
    QTest::newRow("Ctrl+Down") << (ShortcutCtrl | 0x28) << "Ctrl+Down";
    QTest::newRow("Ctrl+apostrophe") << (ShortcutCtrl | 0xDE) << "Ctrl+'";
    QTest::newRow("Ctrl+numpad 0") << (ShortcutCtrl | 0x60) << "Ctrl+Num 0";
    QTest::newRow("no hot key") << 0 << "";
    QTest::newRow("modifier without key") << ShortcutCtrl << "";
    QTest::newRow("key outside the table") << (ShortcutCtrl | 0x88) << "";
    QTest::newRow("bits beside key and flags") << (24646 | 0x100) << "";
    QTest::newRow("beyond 16 bits") << (0x10000 | 24646) << "";
    QTest::newRow("negative") << -1 << "";
}

void TestVirtualKeys::shortcutText() {
    QFETCH(int, shortcut);
    QFETCH(QString, text);
    QCOMPARE(ShortcutText(shortcut), text);
    QCOMPARE(IsValidShortcut(shortcut), !text.isEmpty());
}

void TestVirtualKeys::keyCombinationBothWays_data() {
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<QKeyCombination>("combination");
    QTest::newRow("Ctrl+Shift+F") << 24646
                                  << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier,
                                                     Qt::Key_F);
    QTest::newRow("Alt+F4") << (ShortcutAlt | 0x73) << QKeyCombination(Qt::AltModifier, Qt::Key_F4);
    QTest::newRow("Ctrl+5") << (ShortcutCtrl | 0x35)
                            << QKeyCombination(Qt::ControlModifier, Qt::Key_5);
    QTest::newRow("Ctrl+numpad 5")
        << (ShortcutCtrl | 0x65)
        << QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_5);
    QTest::newRow("Ctrl+numpad +")
        << (ShortcutCtrl | 0x6B)
        << QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus);
    QTest::newRow("Ctrl+Shift+;") << (ShortcutCtrl | ShortcutShift | 0xBA)
                                  << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier,
                                                     Qt::Key_Semicolon);
    QTest::newRow("Ctrl+Alt+Delete")
        << (ShortcutCtrl | ShortcutAlt | 0x2E)
        << QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_Delete);
    QTest::newRow("Shift+Home") << (ShortcutShift | 0x24)
                                << QKeyCombination(Qt::ShiftModifier, Qt::Key_Home);
    QTest::newRow("key alone") << 0x20 << QKeyCombination(Qt::Key_Space);
}

void TestVirtualKeys::keyCombinationBothWays() {
    QFETCH(int, shortcut);
    QFETCH(QKeyCombination, combination);
    QCOMPARE(ShortcutToKeyCombination(shortcut).toCombined(), combination.toCombined());
    QCOMPARE(KeyCombinationToShortcut(combination), shortcut);
}

void TestVirtualKeys::keyCombinationToShortcut_data() {
    QTest::addColumn<QKeyCombination>("combination");
    QTest::addColumn<int>("shortcut");
    QTest::newRow("Shift+1 arrives as !")
        << QKeyCombination(Qt::ShiftModifier, Qt::Key_Exclam) << (ShortcutShift | 0x31);
    QTest::newRow("Shift+8 arrives as *")
        << QKeyCombination(Qt::ShiftModifier, Qt::Key_Asterisk) << (ShortcutShift | 0x38);
    QTest::newRow("Ctrl+Shift+; arrives as :")
        << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Colon)
        << (ShortcutCtrl | ShortcutShift | 0xBA);
    QTest::newRow("Shift+' arrives as \"")
        << QKeyCombination(Qt::ShiftModifier, Qt::Key_QuoteDbl) << (ShortcutShift | 0xDE);
    QTest::newRow("Shift+Tab arrives as Backtab")
        << QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab) << (ShortcutShift | 0x09);
    QTest::newRow("keypad * is the numpad key")
        << QKeyCombination(Qt::KeypadModifier, Qt::Key_Asterisk) << 0x6A;
    QTest::newRow("keypad Home without NumLock is Home")
        << QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Home)
        << (ShortcutCtrl | 0x24);
    QTest::newRow("Meta is not stored") << QKeyCombination(Qt::MetaModifier, Qt::Key_F) << 0;
    QTest::newRow("modifier alone") << QKeyCombination(Qt::ControlModifier, Qt::Key_Control) << 0;
    QTest::newRow("key outside the table")
        << QKeyCombination(Qt::ControlModifier, Qt::Key_F25) << 0;
    QTest::newRow("no key") << QKeyCombination() << 0;
}

void TestVirtualKeys::keyCombinationToShortcut() {
    QFETCH(QKeyCombination, combination);
    QFETCH(int, shortcut);
    QCOMPARE(KeyCombinationToShortcut(combination), shortcut);
}

void TestVirtualKeys::everyKeyOfTheTableGoesRoundTrip() {
    int keys = 0;
    for (int virtualKey = 0; virtualKey < 256; ++virtualKey) {
        const quint32 keysym = VirtualKeyToKeysym(virtualKey);
        if (keysym == 0)
            continue;
        ++keys;
        const int shortcut = ShortcutCtrl | ShortcutAlt | virtualKey;
        QCOMPARE(KeysymToVirtualKey(keysym), virtualKey);
        QVERIFY(ShortcutText(shortcut).startsWith("Ctrl+Alt+"));
        QCOMPARE(KeyCombinationToShortcut(ShortcutToKeyCombination(shortcut)), shortcut);
    }
    // Letters, digits, F1-F24 and the numpad's ten digits at least.
    QVERIFY(keys >= 26 + 10 + 24 + 10);
}

QTEST_APPLESS_MAIN(TestVirtualKeys)
#include "tst_virtualkeys.moc"
