// SPDX-License-Identifier: GPL-3.0-or-later
#include "untUnixSignals.h"

#include "untPlatformLog.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void OnSignal(int number) {
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}
} // namespace

UnixSignals::UnixSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        const int error = errno;
        qCWarning(lcPlatform) << "cannot watch for end signals:" << std::strerror(error);
        return;
    }
    FNotifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &UnixSignals::Drain);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(number, &action, nullptr);
}

UnixSignals::~UnixSignals() {
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        ::signal(number, SIG_DFL);
    for (int& end : signalPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void UnixSignals::Drain() {
    unsigned char byte = 0;
    while (::read(signalPipe[1], &byte, 1) == 1)
        emit endRequested(byte);
}
