// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDisplayPlatform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include <xcb/xcb.h>

#include <cstdio>

namespace {
// Whether the X server named by DISPLAY accepts a connection.
bool XServerAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// Shows `text` as a desktop notification when a notification service runs; a Wayland desktop
// without X has one even though no window of ours can appear.
void NotifyDesktop(int argc, char** argv, const QString& text) {
    const QCoreApplication app(argc, argv);
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QStringLiteral("Velmar Notes") << 0u << QStringLiteral("velmarnotes")
           << QStringLiteral("Velmar Notes cannot start") << text << QStringList() << QVariantMap()
           << -1;
    QDBusConnection::sessionBus().call(notify, QDBus::Block, 2000);
}
} // namespace

TDisplayEnvironment TDisplayEnvironment::Current() {
    return {qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("QT_QPA_PLATFORM")};
}

TDisplayPlan PlanDisplay(const TDisplayEnvironment& environment, bool xServerAnswers) {
    if (!environment.QpaPlatform.isEmpty())
        return TDisplayPlan::AsIs;
    if (!environment.Display.isEmpty()) {
        if (!xServerAnswers)
            return TDisplayPlan::NoXServer;
        return environment.WaylandDisplay.isEmpty() ? TDisplayPlan::AsIs : TDisplayPlan::UseX11;
    }
    return environment.WaylandDisplay.isEmpty() ? TDisplayPlan::NoDisplay : TDisplayPlan::NoXServer;
}

QString NoDisplayMessage(TDisplayPlan plan, const TDisplayEnvironment& environment) {
    if (plan == TDisplayPlan::NoDisplay)
        return QStringLiteral("Velmar Notes needs a graphical desktop session: no display was "
                              "found (DISPLAY is not set).");
    if (environment.Display.isEmpty())
        return QStringLiteral("Velmar Notes needs an X server, and this Wayland session has none "
                              "(DISPLAY is not set): turn on XWayland and start it again.");
    return QStringLiteral("Velmar Notes cannot reach the X server of DISPLAY=%1.")
        .arg(environment.Display);
}

bool PrepareDisplay(int argc, char** argv) {
    const TDisplayEnvironment environment = TDisplayEnvironment::Current();
    const TDisplayPlan plan =
        PlanDisplay(environment, !environment.Display.isEmpty() && XServerAnswers());
    switch (plan) {
    case TDisplayPlan::AsIs:
        return true;
    case TDisplayPlan::UseX11:
        qputenv("QT_QPA_PLATFORM", "xcb");
        qInfo("Wayland session: Velmar Notes uses X11 through DISPLAY=%s",
              qPrintable(environment.Display));
        return true;
    case TDisplayPlan::NoXServer:
    case TDisplayPlan::NoDisplay:
        break;
    }
    const QString message = NoDisplayMessage(plan, environment);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (!environment.WaylandDisplay.isEmpty())
        NotifyDesktop(argc, argv, message);
    return false;
}
