// SPDX-License-Identifier: GPL-3.0-or-later
#include "untHotKeys.h"
#include "untVirtualKeys.h"

#include <QGuiApplication>
#include <QProcess>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

// Runs on an X server of its own (see CMakeLists.txt): grabs combinations for real and sends
// them with xdotool, as another program would have the focus.
namespace {
constexpr int CtrlShiftF = 24646;
constexpr int AltF5 = ShortcutAlt | 0x74;
constexpr int CtrlAltG = ShortcutCtrl | ShortcutAlt | 'G';

// Xvfb's keyboard has Alt on Mod1 and NumLock on Mod2.
constexpr quint16 CtrlAltMask = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
constexpr quint16 NumLockMask = XCB_MOD_MASK_2;

void SendKeys(const QStringList& keys) {
    QProcess xdotool;
    xdotool.start("xdotool", QStringList{"key"} + keys);
    QVERIFY2(xdotool.waitForFinished(), "xdotool did not finish");
    QCOMPARE(xdotool.exitCode(), 0);
}

// A second X client, to hold combinations before us and to ask the server's state.
class OtherClient {
public:
    OtherClient() : FConnection(xcb_connect(nullptr, nullptr)) {
        FRoot = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data->root;
    }
    ~OtherClient() { xcb_disconnect(FConnection); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    bool Grab(xcb_keysym_t keysym, quint16 modifiers) {
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(FConnection);
        xcb_keycode_t* keycodes = xcb_key_symbols_get_keycode(symbols, keysym);
        const xcb_keycode_t keycode = keycodes[0];
        std::free(keycodes);
        xcb_key_symbols_free(symbols);
        xcb_generic_error_t* error = xcb_request_check(
            FConnection, xcb_grab_key_checked(FConnection, false, FRoot, modifiers, keycode,
                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }

    // The modifier and lock state of the keyboard now.
    quint16 KeyboardState() {
        xcb_query_pointer_reply_t* reply =
            xcb_query_pointer_reply(FConnection, xcb_query_pointer(FConnection, FRoot), nullptr);
        const quint16 state = reply ? reply->mask : 0;
        std::free(reply);
        return state;
    }

private:
    xcb_connection_t* FConnection;
    xcb_window_t FRoot = 0;
};
} // namespace

class TestHotKeysX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pressedCombinationIsReported_data();
    void pressedCombinationIsReported();
    void eachCombinationHasItsOwnId();
    void sharedCombinationRunsTheFirstCommand();
    void combinationHeldByAnotherClientIsNotTaken();
    void unregisterAllReleasesTheCombinations();
};

void TestHotKeysX11::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
}

void TestHotKeysX11::pressedCombinationIsReported_data() {
    QTest::addColumn<QStringList>("locks");
    QTest::addColumn<quint16>("lockMask");
    QTest::newRow("no lock") << QStringList() << quint16(0);
    QTest::newRow("NumLock") << QStringList{"Num_Lock"} << NumLockMask;
    QTest::newRow("CapsLock") << QStringList{"Caps_Lock"} << quint16(XCB_MOD_MASK_LOCK);
    QTest::newRow("NumLock and CapsLock")
        << QStringList{"Num_Lock", "Caps_Lock"} << quint16(NumLockMask | XCB_MOD_MASK_LOCK);
}

void TestHotKeysX11::pressedCombinationIsReported() {
    QFETCH(QStringList, locks);
    QFETCH(quint16, lockMask);
    THotKeyService service;
    QVERIFY(service.IsAvailable());
    QVERIFY(service.Register(CtrlShiftF));
    QSignalSpy pressed(&service, &THotKeyService::HotKeyPressed);

    OtherClient state;
    if (!locks.isEmpty())
        SendKeys(locks); // the lock keys toggle: on now, off again at the end
    const auto locksOff = qScopeGuard([&] {
        if (!locks.isEmpty())
            SendKeys(locks);
    });
    QCOMPARE(quint16(state.KeyboardState() & (NumLockMask | XCB_MOD_MASK_LOCK)), lockMask);

    SendKeys({"ctrl+shift+f"});
    QVERIFY(pressed.wait());
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.first().first().toInt(), CtrlShiftF);
}

void TestHotKeysX11::eachCombinationHasItsOwnId() {
    THotKeyService service;
    QVERIFY(service.Register(CtrlShiftF));
    QVERIFY(service.Register(AltF5));
    QSignalSpy pressed(&service, &THotKeyService::HotKeyPressed);
    SendKeys({"alt+F5"});
    QVERIFY(pressed.wait());
    SendKeys({"ctrl+shift+f"});
    QTRY_COMPARE(pressed.size(), 2);
    QCOMPARE(pressed.at(0).first().toInt(), AltF5);
    QCOMPARE(pressed.at(1).first().toInt(), CtrlShiftF);
}

void TestHotKeysX11::sharedCombinationRunsTheFirstCommand() {
    THotKeyService service;
    const THotKeyRegistration registration =
        service.RegisterCommands({0, 0, 0, AltF5, 0, 0, CtrlShiftF, AltF5, 0});
    QCOMPARE(registration.CommandsById.keys(), QList<int>({CtrlShiftF, AltF5}));
    QVERIFY(registration.NotTaken.isEmpty());
    QSignalSpy pressed(&service, &THotKeyService::HotKeyPressed);
    SendKeys({"alt+F5"});
    QVERIFY(pressed.wait());
    QCOMPARE(registration.CommandOf(pressed.first().first().toInt()), 3);
}

// The other client holds the combination only without locks: what we grabbed of it with the
// locks must be given back, so that the combination is wholly someone else's.
void TestHotKeysX11::combinationHeldByAnotherClientIsNotTaken() {
    OtherClient other;
    QVERIFY(other.Grab('g', CtrlAltMask));
    THotKeyService service;
    QVERIFY(!service.Register(CtrlAltG));
    const THotKeyRegistration registration =
        service.RegisterCommands({CtrlShiftF, 0, CtrlAltG, 0, 0, 0, 0, 0, CtrlAltG});
    QCOMPARE(registration.NotTaken, QList<int>({2, 8}));
    QCOMPARE(registration.CommandsById.keys(), QList<int>({CtrlShiftF}));
    QVERIFY(other.Grab('g', CtrlAltMask | NumLockMask));
    QVERIFY(other.Grab('g', CtrlAltMask | XCB_MOD_MASK_LOCK));
}

void TestHotKeysX11::unregisterAllReleasesTheCombinations() {
    THotKeyService service;
    QVERIFY(service.Register(CtrlAltG));
    OtherClient other;
    QVERIFY(!other.Grab('g', CtrlAltMask));
    QVERIFY(!other.Grab('g', CtrlAltMask | NumLockMask | XCB_MOD_MASK_LOCK));
    service.UnregisterAll();
    QVERIFY(other.Grab('g', CtrlAltMask));
    QVERIFY(other.Grab('g', CtrlAltMask | NumLockMask | XCB_MOD_MASK_LOCK));
}

QTEST_MAIN(TestHotKeysX11)
#include "tst_hotkeys_x11.moc"
