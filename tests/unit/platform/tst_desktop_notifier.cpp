// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeNotificationService.h"
#include "untDesktopNotifier.h"

#include <QDBusConnectionInterface>
#include <QSignalSpy>
#include <QtTest>

namespace {
constexpr int MarkerNote = -1;

// Notifies and waits until the service has answered.
bool Deliver(TDesktopNotifier& notifier, int noteId, const QString& title = "title") {
    QSignalSpy delivered(&notifier, &TDesktopNotifier::Delivered);
    notifier.Notify(noteId, title, "due");
    return delivered.wait() && delivered.last().at(0).toInt() == noteId;
}

// Everything the service sent before this call has reached the notifier once the answer to a
// marker notification is in: one sender's messages arrive in order.
bool SyncWithService(TDesktopNotifier& notifier) {
    return Deliver(notifier, MarkerNote);
}
} // namespace

class TestDesktopNotifier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void notifiesWithAShowAction();
    void showActionNamesTheNote_data();
    void showActionNamesTheNote();
    void laterNotificationReplacesTheNotesOwn();
    void closedNotificationIsNotReplaced();
    void withoutServiceNothingHappens();
};

void TestDesktopNotifier::initTestCase() {
    QVERIFY2(QDBusConnection::sessionBus().isConnected(),
             "run under dbus-run-session: the test needs a private session bus");
}

void TestDesktopNotifier::notifiesWithAShowAction() {
    FakeNotificationService service;
    QVERIFY(service.IsRegistered());
    TDesktopNotifier notifier;
    notifier.Notify(7, "Call the bakery", "10/12/2026 09:30");
    QTRY_COMPARE(service.Received().size(), 1);
    const FakeNotificationService::Notification& shown = service.Received().first();
    QCOMPARE(shown.appName, QString("Velmar Notes"));
    QCOMPARE(shown.replacesId, 0u);
    QCOMPARE(shown.summary, QString("Call the bakery"));
    QCOMPARE(shown.body, QString("10/12/2026 09:30"));
    QCOMPARE(shown.actions, QStringList({"show", "Show"}));
}

void TestDesktopNotifier::showActionNamesTheNote_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("actionKey");
    QTest::addColumn<QList<int>>("shownNotes");
    QTest::newRow("first note's Show") << 0 << "show" << QList<int>{3};
    QTest::newRow("second note's Show") << 1 << "show" << QList<int>{9};
    QTest::newRow("the body's default action") << 1 << "default" << QList<int>{};
    QTest::newRow("a notification of somebody else") << 2 << "show" << QList<int>{};
}

void TestDesktopNotifier::showActionNamesTheNote() {
    QFETCH(int, clicked);
    QFETCH(QString, actionKey);
    QFETCH(QList<int>, shownNotes);
    FakeNotificationService service;
    TDesktopNotifier notifier;
    QVERIFY(Deliver(notifier, 3));
    QVERIFY(Deliver(notifier, 9));
    const QList<uint> ids{service.Received().at(0).id, service.Received().at(1).id, 999u};
    QSignalSpy shown(&notifier, &TDesktopNotifier::ShowRequested);

    service.ClickAction(ids.at(clicked), actionKey);
    QVERIFY(SyncWithService(notifier));
    QList<int> notes;
    for (const QList<QVariant>& arguments : shown)
        notes << arguments.at(0).toInt();
    QCOMPARE(notes, shownNotes);
}

void TestDesktopNotifier::laterNotificationReplacesTheNotesOwn() {
    FakeNotificationService service;
    TDesktopNotifier notifier;
    QVERIFY(Deliver(notifier, 4, "first"));
    QVERIFY(Deliver(notifier, 5, "other note"));
    QVERIFY(Deliver(notifier, 4, "again"));
    QCOMPARE(service.Received().size(), 3);
    QCOMPARE(service.Received().at(1).replacesId, 0u);
    QCOMPARE(service.Received().at(2).replacesId, service.Received().at(0).id);
}

void TestDesktopNotifier::closedNotificationIsNotReplaced() {
    FakeNotificationService service;
    TDesktopNotifier notifier;
    QVERIFY(Deliver(notifier, 4));
    service.Close(service.Received().first().id);
    QVERIFY(SyncWithService(notifier));
    QVERIFY(Deliver(notifier, 4));
    QCOMPARE(service.Received().last().replacesId, 0u);
}

void TestDesktopNotifier::withoutServiceNothingHappens() {
    TDesktopNotifier notifier;
    QSignalSpy delivered(&notifier, &TDesktopNotifier::Delivered);
    QSignalSpy shown(&notifier, &TDesktopNotifier::ShowRequested);
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("reminder of note 1 not notified"));
    notifier.Notify(1, "nobody listens", "due");
    // Calls on one connection reach the bus in order: this answer comes after the bus has
    // turned the notification away.
    QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
        "org.freedesktop.Notifications"));
    FakeNotificationService service;
    QVERIFY(Deliver(notifier, 2, "now someone does"));
    QCOMPARE(service.Received().size(), 1);
    QCOMPARE(service.Received().first().summary, QString("now someone does"));
    QCOMPARE(delivered.size(), 1);
    QVERIFY(shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestDesktopNotifier)
#include "tst_desktop_notifier.moc"
