// velmar-cli: the command-line companion of Velmar Notes.
#include "cliCommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
void PrintUsage(const std::vector<CliCommand>& commands) {
    QTextStream err(stderr);
    err << "usage: velmar-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const CliCommand& command : commands)
        err << "  " << command.name << ' ' << command.usage << '\n';
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmar-cli"));
    const std::vector<CliCommand> commands = AllCliCommands();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
        PrintUsage(commands);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& command : commands)
        if (name == command.name)
            return command.run(args);
    QTextStream(stderr) << "velmar-cli: unknown command '" << name << "'\n";
    PrintUsage(commands);
    return 2;
}
