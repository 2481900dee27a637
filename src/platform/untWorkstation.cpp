// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWorkstation.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

namespace {
constexpr int ReplyTimeoutMs = 500;

// Asks one screen saver service for GetActive; nullopt when it does not answer.
std::optional<bool> ScreenSaverActive(const QString& service, const QString& path,
                                      const QString& interface) {
    QDBusInterface saver(service, path, interface, QDBusConnection::sessionBus());
    if (!saver.isValid())
        return std::nullopt;
    saver.setTimeout(ReplyTimeoutMs);
    const QDBusReply<bool> reply = saver.call(QStringLiteral("GetActive"));
    if (!reply.isValid())
        return std::nullopt;
    return reply.value();
}

std::optional<bool> LogindLockedHint() {
    const QString service = QStringLiteral("org.freedesktop.login1");
    QDBusInterface manager(service, QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"),
                           QDBusConnection::systemBus());
    if (!manager.isValid())
        return std::nullopt;
    manager.setTimeout(ReplyTimeoutMs);
    const QDBusReply<QDBusObjectPath> session =
        manager.call(QStringLiteral("GetSessionByPID"), static_cast<quint32>(getpid()));
    if (!session.isValid())
        return std::nullopt;
    QDBusInterface properties(service, session.value().path(),
                              QStringLiteral("org.freedesktop.DBus.Properties"),
                              QDBusConnection::systemBus());
    properties.setTimeout(ReplyTimeoutMs);
    const QDBusReply<QDBusVariant> hint =
        properties.call(QStringLiteral("Get"), QStringLiteral("org.freedesktop.login1.Session"),
                        QStringLiteral("LockedHint"));
    if (!hint.isValid())
        return std::nullopt;
    return hint.value().variant().toBool();
}
} // namespace

bool IsWorkstationLocked() {
    if (const auto active = ScreenSaverActive(QStringLiteral("org.freedesktop.ScreenSaver"),
                                              QStringLiteral("/org/freedesktop/ScreenSaver"),
                                              QStringLiteral("org.freedesktop.ScreenSaver")))
        return *active;
    if (const auto active = ScreenSaverActive(QStringLiteral("org.gnome.ScreenSaver"),
                                              QStringLiteral("/org/gnome/ScreenSaver"),
                                              QStringLiteral("org.gnome.ScreenSaver")))
        return *active;
    return LogindLockedHint().value_or(false);
}
