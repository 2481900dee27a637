// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli: the command-line companion of Velmar Notes.
#include "cliCommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
// What --help shows besides the commands. man/velmar-cli.1 documents the same options and exit
// codes; a test compares the two.
constexpr const char* kOptions = "options:\n"
                                 "  --data-dir DIR  use DIR as the data folder\n"
                                 "  --help, -h      show this help and end\n"
                                 "  --version       show the version and end\n";
constexpr const char* kExitCodes = "exit codes:\n"
                                   "  0  success\n"
                                   "  1  the command failed\n"
                                   "  2  wrong usage\n"
                                   "  3  restore refused: Velmar Notes is running\n";

void PrintUsage(QTextStream& out, const std::vector<CliCommand>& commands) {
    out << "usage: velmar-cli COMMAND [ARGS]\n"
           "       velmar-cli --help | --version\n\ncommands:\n";
    for (const CliCommand& command : commands)
        out << "  " << command.name << ' ' << command.usage << '\n';
    out << '\n' << kOptions << '\n' << kExitCodes;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmar-cli"));
    const std::vector<CliCommand> commands = AllCliCommands();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream err(stderr);
        PrintUsage(err, commands);
        return 2;
    }
    if (args.first() == u"--help" || args.first() == u"-h") {
        QTextStream out(stdout);
        PrintUsage(out, commands);
        return 0;
    }
    if (args.first() == u"--version") {
        QTextStream(stdout) << "velmar-cli " VELMAR_VERSION "\n";
        return 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& command : commands)
        if (name == command.name)
            return command.run(args);
    QTextStream err(stderr);
    err << "velmar-cli: unknown command '" << name << "'\n";
    PrintUsage(err, commands);
    return 2;
}
