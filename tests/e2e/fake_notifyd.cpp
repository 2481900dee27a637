// SPDX-License-Identifier: GPL-3.0-or-later
// A notifications service for the end-to-end tests, on the session bus the test gives it. It
// prints one line per notification it receives, "notify ID SUMMARY|BODY|ACTIONS", and reads
// commands from its standard input: "click ID KEY" sends the signal of a click on that action.
#include "FakeNotificationService.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// Prints the notifications that came in since the last call.
void PrintNew(const FakeNotificationService& service, qsizetype& printed) {
    QTextStream out(stdout);
    for (; printed < service.Received().size(); ++printed) {
        const FakeNotificationService::Notification& note = service.Received().at(printed);
        out << "notify " << note.id << ' ' << note.summary << '|' << note.body << '|'
            << note.actions.join(u',') << Qt::endl;
    }
}

void RunCommand(FakeNotificationService& service, const QString& line) {
    const QStringList words = line.simplified().split(u' ');
    if (words.size() == 3 && words.at(0) == QLatin1String("click"))
        service.ClickAction(words.at(1).toUInt(), words.at(2));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FakeNotificationService service;
    if (!service.IsRegistered()) {
        std::fprintf(stderr, "fake_notifyd: the notifications service name is taken or there "
                             "is no session bus\n");
        return 1;
    }
    std::fprintf(stderr, "fake_notifyd: ready\n");

    qsizetype printed = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] { PrintNew(service, printed); });
    poll.start(100);

    QFile input;
    if (!input.open(STDIN_FILENO, QIODevice::ReadOnly))
        return 1;
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, &app, [&] {
        const QByteArray line = input.readLine();
        if (line.isEmpty()) { // the writer has gone
            commands.setEnabled(false);
            return;
        }
        RunCommand(service, QString::fromUtf8(line));
    });
    return QCoreApplication::exec();
}
