// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A freedesktop notifications service on its own connection to the test's session bus, so
// calls reach it over the bus as they reach a real one. It records every notification and
// sends the signals a user's click on an action would.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notification {
        QString appName;
        uint replacesId;
        QString summary;
        QString body;
        QStringList actions;
        uint id;
    };

    FakeNotificationService();
    ~FakeNotificationService() override;

    // Whether it owns the service name on the bus.
    bool IsRegistered() const { return FRegistered; }
    const QList<Notification>& Received() const { return FReceived; }

    void ClickAction(uint id, const QString& actionKey);
    void Close(uint id);

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    QDBusConnection FBus;
    bool FRegistered = false;
    QList<Notification> FReceived;
    uint FNextId = 1;
};
