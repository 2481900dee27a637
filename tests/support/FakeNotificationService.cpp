// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeNotificationService.h"

namespace {
const QString ConnectionName = QStringLiteral("fake-notifications");
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
constexpr uint ClosedByUser = 2;
} // namespace

FakeNotificationService::FakeNotificationService()
    : FBus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, ConnectionName)) {
    FRegistered = FBus.isConnected() &&
                  FBus.registerObject(Path, this,
                                      QDBusConnection::ExportAllSlots |
                                          QDBusConnection::ExportAllSignals) &&
                  FBus.registerService(Service);
}

FakeNotificationService::~FakeNotificationService() {
    FBus.unregisterService(Service);
    FBus.unregisterObject(Path);
    QDBusConnection::disconnectFromBus(ConnectionName);
}

void FakeNotificationService::ClickAction(uint id, const QString& actionKey) {
    emit ActionInvoked(id, actionKey);
}

void FakeNotificationService::Close(uint id) {
    emit NotificationClosed(id, ClosedByUser);
}

uint FakeNotificationService::Notify(const QString& appName, uint replacesId,
                                     const QString& /*appIcon*/, const QString& summary,
                                     const QString& body, const QStringList& actions,
                                     const QVariantMap& /*hints*/, int /*expireTimeout*/) {
    const uint id = replacesId != 0 ? replacesId : FNextId++;
    FReceived.append({appName, replacesId, summary, body, actions, id});
    return id;
}
