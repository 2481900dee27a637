// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class UnixSignals;

// Leaving the desktop session must not lose a typed word. SIGTERM, SIGHUP and SIGINT run the
// save and end the event loop with exit code 0, also while a modal window runs its own loop. When
// the X connection breaks, the display plugin says so and then ends the process with exit(1); while
// this object lives, that message runs the save first and ends the process with code 0 instead.
class TSessionEnd : public QObject {
    Q_OBJECT
public:
    explicit TSessionEnd(std::function<void()> save, QObject* parent = nullptr);
    ~TSessionEnd() override;

private:
    static void WatchMessage(QtMsgType type, const QMessageLogContext& context,
                             const QString& message);

    std::function<void()> FSave;
    UnixSignals* FSignals;
};
