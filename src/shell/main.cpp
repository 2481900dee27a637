#include "frmData.h"
#include "untSingleInstance.h"
#include "untUnixSignals.h"

#include <QApplication>

#include <cstdio>

namespace {
// QApplication aborts without a display; say plainly what is missing instead.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char** argv) {
    SingleInstance instance;
    if (!instance.Acquire())
        return 0; // another copy runs for this session: end at once, touching nothing

    if (!HasDisplay()) {
        std::fprintf(stderr, "Velmar Notes needs a graphical desktop session: no display was "
                             "found (DISPLAY is not set).\n");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar Notes"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmar Notes"));
    QApplication::setQuitOnLastWindowClosed(false);

    CreateSchema();

    UnixSignals endSignals;
    QObject::connect(&endSignals, &UnixSignals::endRequested, &app, [] { QApplication::exit(0); });
    return QApplication::exec();
}
