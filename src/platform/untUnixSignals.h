// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the UI thread (self-pipe), so the
// program can save its notes before it ends.
class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(QObject* parent = nullptr);
    ~UnixSignals() override;

signals:
    void endRequested(int signalNumber);

private:
    void Drain();

    QSocketNotifier* FNotifier = nullptr;
};
