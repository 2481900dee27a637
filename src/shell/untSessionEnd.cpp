#include "untSessionEnd.h"

#include "untUnixSignals.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// The object whose save runs when exit() is called while the event loop runs.
TSessionEnd* ActiveSessionEnd = nullptr;
} // namespace

TSessionEnd::TSessionEnd(std::function<void()> save, QObject* parent)
    : QObject(parent), FSave(std::move(save)), FSignals(new UnixSignals(this)) {
    connect(FSignals, &UnixSignals::endRequested, this, [this] {
        FSave();
        QCoreApplication::exit(0);
    });
    static const bool registered = std::atexit(&TSessionEnd::SaveAtExit) == 0;
    Q_UNUSED(registered);
    ActiveSessionEnd = this;
}

TSessionEnd::~TSessionEnd() {
    if (ActiveSessionEnd == this)
        ActiveSessionEnd = nullptr;
}

void TSessionEnd::SaveAtExit() {
    TSessionEnd* active = ActiveSessionEnd;
    if (!active)
        return; // an ordinary end: main() returned after the loop
    ActiveSessionEnd = nullptr;
    active->FSave();
    std::fflush(nullptr);
    std::_Exit(0);
}
