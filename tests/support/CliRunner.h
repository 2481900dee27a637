// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What one run of the built velmar-cli gave back.
struct CliRun {
    int exitCode = -1; // -1 when it crashed or did not finish
    QByteArray out;
    QString err;

    QString OutText() const { return QString::fromUtf8(out); }
};

// Runs the velmar-cli of this build with the arguments and waits for it to end.
CliRun RunCli(const QStringList& args);
