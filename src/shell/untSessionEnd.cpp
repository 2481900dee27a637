// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSessionEnd.h"

#include "untUnixSignals.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {
TSessionEnd* ActiveSessionEnd = nullptr;
QtMessageHandler PreviousHandler = nullptr;
} // namespace

TSessionEnd::TSessionEnd(std::function<void()> save, QObject* parent)
    : QObject(parent), FSave(std::move(save)), FSignals(new UnixSignals(this)) {
    PreviousHandler = qInstallMessageHandler(&TSessionEnd::WatchMessage);
    connect(FSignals, &UnixSignals::endRequested, this, [this] {
        FSave();
        // Inside a loop of its own (a message box, a menu, a dialog) the code after that loop
        // would run on and could open the next one: with the notes saved, the process ends here.
        if (QThread::currentThread()->loopLevel() > 1) {
            std::fflush(nullptr);
            std::_Exit(0);
        }
        QCoreApplication::exit(0);
    });
    ActiveSessionEnd = this;
}

TSessionEnd::~TSessionEnd() {
    ActiveSessionEnd = nullptr;
    qInstallMessageHandler(PreviousHandler);
}

void TSessionEnd::WatchMessage(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    PreviousHandler(type, context, message);
    TSessionEnd* active = ActiveSessionEnd;
    if (!active)
        return;
    // The X connection is gone for good: the notes are still whole, the windows are not.
    // Saving here, before exit() tears down the program's statics, keeps every typed word.
    if (message.startsWith(QLatin1String("The X11 connection broke")) &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        ActiveSessionEnd = nullptr;
        active->FSave();
        std::fflush(nullptr);
        std::_Exit(0);
    }
}
