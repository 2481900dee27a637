// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"

#include <QProcess>

CliRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(VELMAR_CLI), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
