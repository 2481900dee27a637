// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWorkstation.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

namespace {
// A screen saver on the test's private session bus that answers what the test tells it.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    bool active = false;

public slots:
    bool GetActive() const { return active; }
};
} // namespace

class TestWorkstation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unlockedWhenNothingAnswers();
    void followsTheScreenSaver_data();
    void followsTheScreenSaver();
};

void TestWorkstation::initTestCase() {
    QVERIFY2(QDBusConnection::sessionBus().isConnected(),
             "run under dbus-run-session: the test needs a private session bus");
}

void TestWorkstation::unlockedWhenNothingAnswers() {
    QVERIFY(!IsWorkstationLocked());
}

void TestWorkstation::followsTheScreenSaver_data() {
    QTest::addColumn<bool>("active");
    QTest::newRow("screen saver running") << true;
    QTest::newRow("screen saver off") << false;
}

void TestWorkstation::followsTheScreenSaver() {
    QFETCH(bool, active);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeScreenSaver saver;
    saver.active = active;
    QVERIFY(bus.registerService("org.freedesktop.ScreenSaver"));
    QVERIFY(bus.registerObject("/org/freedesktop/ScreenSaver", &saver,
                               QDBusConnection::ExportAllSlots));
    QCOMPARE(IsWorkstationLocked(), active);
    bus.unregisterObject("/org/freedesktop/ScreenSaver");
    QVERIFY(bus.unregisterService("org.freedesktop.ScreenSaver"));
}

QTEST_GUILESS_MAIN(TestWorkstation)
#include "tst_workstation.moc"
