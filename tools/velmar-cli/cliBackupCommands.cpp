// SPDX-License-Identifier: GPL-3.0-or-later
// Backing up Data.db and putting a backup back from the command line.
#include "cliCommands.h"

#include "untBackup.h"
#include "untPaths.h"
#include "untSingleInstance.h"

#include <QTextStream>

namespace {

// The exit code of a restore refused because Velmar Notes is running.
constexpr int kProgramRunning = 3;

// Runs `run` with the positional arguments when there are between `least` and `most` of them
// besides --data-dir, which is applied first.
CliCommand Command(const QString& name, const QString& usage, qsizetype least, qsizetype most,
                   int (*run)(const QStringList& positional)) {
    return {name, usage, [=](const QStringList& args) {
                if (!ApplyDataDirOption(args))
                    return 2;
                const QStringList positional = WithoutDataDirOption(args);
                if (positional.size() < least || positional.size() > most) {
                    QTextStream(stderr) << "usage: velmar-cli " << name << ' ' << usage << '\n';
                    return 2;
                }
                return run(positional);
            }};
}

int Report(const DatabaseBackup::TResult& result, const QString& done) {
    if (!result.Ok) {
        QTextStream(stderr) << "velmar-cli: " << result.Error << '\n';
        return 1;
    }
    QTextStream(stdout) << done << '\n';
    return 0;
}

int BackupCommand(const QStringList& positional) {
    const DatabaseBackup::TResult result =
        positional.isEmpty()
            ? DatabaseBackup::BackupNow()
            : DatabaseBackup::CopyDatabase(VelmarPaths::DatabasePath(), positional.first());
    return Report(result, QStringLiteral("backed up to ") + result.Path);
}

int RestoreCommand(const QStringList& positional) {
    // Holding the program's own single-copy lock keeps it from starting halfway through.
    SingleInstance lock;
    if (!lock.Acquire()) {
        QTextStream(stderr) << "velmar-cli: Velmar Notes is running; exit it, then restore\n";
        return kProgramRunning;
    }
    const DatabaseBackup::TResult result = DatabaseBackup::RestoreDatabase(positional.first());
    return Report(result, result.Path.isEmpty()
                              ? QStringLiteral("restored")
                              : QStringLiteral("restored; the replaced file is ") + result.Path);
}

} // namespace

std::vector<CliCommand> BackupCliCommands() {
    return {
        Command(QStringLiteral("backup"), QStringLiteral("[FILE] [--data-dir DIR]"), 0, 1,
                BackupCommand),
        Command(QStringLiteral("restore"), QStringLiteral("FILE [--data-dir DIR]"), 1, 1,
                RestoreCommand),
    };
}
