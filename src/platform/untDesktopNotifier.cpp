// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QVariantMap>

namespace {
Q_LOGGING_CATEGORY(lcNotify, "velmar.platform.notify")

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString ShowAction = QStringLiteral("show");
constexpr int ReplyTimeoutMs = 2000;
constexpr int ServerDefaultExpiry = -1;
} // namespace

TDesktopNotifier::TDesktopNotifier(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(OnNotificationClosed(uint, uint)));
}

void TDesktopNotifier::Notify(int noteId, const QString& title, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCInfo(lcNotify) << "no session bus: reminder of note" << noteId << "not notified";
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface,
                                                       QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("velmarnotes")}};
    call << QStringLiteral("Velmar Notes") << FShown.value(noteId, 0u)
         << QStringLiteral("velmarnotes") << title << body
         << QStringList{ShowAction, QStringLiteral("Show")} << hints << ServerDefaultExpiry;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, ReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, noteId](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    qCInfo(lcNotify) << "reminder of note" << noteId
                                     << "not notified:" << reply.error().message();
                    return;
                }
                FShown.insert(noteId, reply.value());
                emit Delivered(noteId);
            });
}

void TDesktopNotifier::OnActionInvoked(uint notificationId, const QString& actionKey) {
    if (actionKey != ShowAction)
        return;
    for (auto it = FShown.cbegin(); it != FShown.cend(); ++it) {
        if (it.value() == notificationId) {
            emit ShowRequested(it.key());
            return;
        }
    }
}

void TDesktopNotifier::OnNotificationClosed(uint notificationId, uint /*reason*/) {
    for (auto it = FShown.begin(); it != FShown.end(); ++it) {
        if (it.value() == notificationId) {
            FShown.erase(it);
            return;
        }
    }
}
