// SPDX-License-Identifier: GPL-3.0-or-later
#include "untHotKeyTable.h"
#include "untHotKeys.h"

#include <QGuiApplication>
#include <QtTest>

namespace {
constexpr int CtrlShiftF = 24646;
constexpr int CtrlC = 16384 + 'C';
constexpr int AltF5 = 32768 + 0x74;

// Stands in for the system: records what is asked and refuses the combinations held elsewhere.
struct FakeGrabber {
    QList<int> HeldElsewhere;
    QList<int> Asked;
    bool operator()(int shortcut) {
        Asked.append(shortcut);
        return !HeldElsewhere.contains(shortcut);
    }
};
} // namespace

class TestHotKeyTable : public QObject {
    Q_OBJECT

private slots:
    void emptySectionGrabsNothing();
    void sharedCombinationIsGrabbedOnceAndRunsTheFirstCommand();
    void combinationsHeldElsewhereAreReported();
    void duplicates_data();
    void duplicates();
    void withoutXServerNothingIsRegistered();
};

void TestHotKeyTable::emptySectionGrabsNothing() {
    FakeGrabber grabber;
    const THotKeyRegistration registration =
        RegisterHotKeyTable(QList<int>(9, 0), std::ref(grabber));
    QVERIFY(grabber.Asked.isEmpty());
    QVERIFY(registration.CommandsById.isEmpty());
    QVERIFY(registration.NotTaken.isEmpty());
}

void TestHotKeyTable::sharedCombinationIsGrabbedOnceAndRunsTheFirstCommand() {
    FakeGrabber grabber;
    const QList<int> values{CtrlShiftF, 0, CtrlC, 0, 0, 0, CtrlShiftF, 0, 0};
    const THotKeyRegistration registration = RegisterHotKeyTable(values, std::ref(grabber));
    QCOMPARE(grabber.Asked, QList<int>({CtrlShiftF, CtrlC}));
    QCOMPARE(registration.CommandsById.value(CtrlShiftF), QList<int>({0, 6}));
    QCOMPARE(registration.CommandsById.value(CtrlC), QList<int>({2}));
    QCOMPARE(registration.CommandsById.size(), 2);
    QCOMPARE(registration.CommandOf(CtrlShiftF), 0);
    QCOMPARE(registration.CommandOf(CtrlC), 2);
    QCOMPARE(registration.CommandOf(AltF5), -1);
    QVERIFY(registration.NotTaken.isEmpty());
}

void TestHotKeyTable::combinationsHeldElsewhereAreReported() {
    FakeGrabber grabber;
    grabber.HeldElsewhere = {CtrlC, AltF5};
    const QList<int> values{0, AltF5, CtrlShiftF, CtrlC, 0, 0, 0, AltF5, 0};
    const THotKeyRegistration registration = RegisterHotKeyTable(values, std::ref(grabber));
    QCOMPARE(grabber.Asked, QList<int>({AltF5, CtrlShiftF, CtrlC}));
    QCOMPARE(registration.NotTaken, QList<int>({1, 3, 7}));
    QCOMPARE(registration.CommandsById.keys(), QList<int>({CtrlShiftF}));
    QCOMPARE(registration.CommandOf(AltF5), -1);
}

void TestHotKeyTable::duplicates_data() {
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QList<QList<int>>>("duplicates");
    QTest::newRow("empty section") << QList<int>(9, 0) << QList<QList<int>>();
    QTest::newRow("all distinct") << QList<int>{CtrlShiftF, CtrlC, AltF5, 0, 0, 0, 0, 0, 0}
                                  << QList<QList<int>>();
    QTest::newRow("one pair") << QList<int>{0, 0, 0, CtrlC, 0, CtrlShiftF, 0, CtrlC, 0}
                              << QList<QList<int>>{{3, 7}};
    QTest::newRow("a triple and a pair")
        << QList<int>{AltF5, 0, AltF5, CtrlC, CtrlShiftF, CtrlShiftF, 0, 0, AltF5}
        << QList<QList<int>>{{0, 2, 8}, {4, 5}};
}

void TestHotKeyTable::duplicates() {
    QFETCH(QList<int>, values);
    QFETCH(QList<QList<int>>, duplicates);
    QCOMPARE(DuplicateHotKeys(values), duplicates);
}

// The tests run on the offscreen platform, as in a session without an X server.
void TestHotKeyTable::withoutXServerNothingIsRegistered() {
    QVERIFY(QGuiApplication::platformName() != "xcb");
    THotKeyService service;
    QVERIFY(!service.IsAvailable());
    QVERIFY(!service.Register(CtrlShiftF));
    const THotKeyRegistration registration =
        service.RegisterCommands({CtrlShiftF, 0, 0, 0, 0, 0, CtrlShiftF, 0, 0});
    QVERIFY(registration.CommandsById.isEmpty());
    QCOMPARE(registration.NotTaken, QList<int>({0, 6}));
}

QTEST_MAIN(TestHotKeyTable)
#include "tst_hotkeytable.moc"
