// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One subcommand: its name, the arguments it takes, and what runs it. `run` answers the
// process exit code and writes its own message to standard error on failure.
struct CliCommand {
    QString name;
    QString usage;
    std::function<int(const QStringList& args)> run;
};

// Every subcommand; each group of commands lives in a file of its own and is listed in
// AllCliCommands().
std::vector<CliCommand> AllCliCommands();

// export-memoboard, import-memoboard and list-memoboards.
std::vector<CliCommand> MemoboardCliCommands();

// backup and restore.
std::vector<CliCommand> BackupCliCommands();

// rtf-to-text, rtf-to-html, html-to-rtf and rtf-roundtrip.
std::vector<CliCommand> RtfCliCommands();

// "--data-dir DIR" among the arguments points the data folder at DIR; false (with a message)
// when DIR is missing.
bool ApplyDataDirOption(const QStringList& args);
// The arguments with "--data-dir DIR" taken out.
QStringList WithoutDataDirOption(QStringList args);
