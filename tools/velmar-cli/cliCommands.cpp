// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliCommands.h"

#include "untPaths.h"

#include <QTextStream>

namespace {
std::vector<CliCommand> DataFolderCommands() {
    return {{QStringLiteral("data-folder"), QStringLiteral("[--data-dir DIR]"),
             [](const QStringList& args) {
                 if (!ApplyDataDirOption(args))
                     return 2;
                 QTextStream(stdout) << VelmarPaths::DataFolder() << '\n';
                 return 0;
             }}};
}
} // namespace

bool ApplyDataDirOption(const QStringList& args) {
    const qsizetype at = args.indexOf(QStringLiteral("--data-dir"));
    if (at < 0)
        return true;
    if (at + 1 >= args.size()) {
        QTextStream(stderr) << "velmar-cli: --data-dir needs a folder\n";
        return false;
    }
    VelmarPaths::SetDataFolderOverride(args.at(at + 1));
    return true;
}

QStringList WithoutDataDirOption(QStringList args) {
    const qsizetype at = args.indexOf(QStringLiteral("--data-dir"));
    if (at >= 0)
        args.remove(at, std::min<qsizetype>(2, args.size() - at));
    return args;
}

std::vector<CliCommand> AllCliCommands() {
    std::vector<CliCommand> commands;
    for (auto group : {DataFolderCommands, MemoboardCliCommands, BackupCliCommands, RtfCliCommands})
        for (CliCommand& command : group())
            commands.push_back(std::move(command));
    return commands;
}
