// SPDX-License-Identifier: GPL-3.0-or-later
// Memoboard backup and restore from scripts: export, import and list.
#include "cliCommands.h"

#include "frmData.h"
#include "untDB.h"
#include "untMemoboardDB.h"
#include "untMemoboardExchange.h"
#include "untPaths.h"
#include "untSchema.h"

#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

int Fail(const QString& message) {
    QTextStream(stderr) << "velmar-cli: " << message << '\n';
    return kFailure;
}

// A command taking `count` positional arguments besides --data-dir, which is applied before
// `run` sees the positional ones.
CliCommand Command(const QString& name, const QString& usage, qsizetype count,
                   int (*run)(const QStringList& positional)) {
    return {name, usage, [=](const QStringList& args) {
                if (!ApplyDataDirOption(args))
                    return kUsageError;
                const QStringList positional = WithoutDataDirOption(args);
                if (positional.size() != count) {
                    QTextStream(stderr) << "usage: velmar-cli " << name << ' ' << usage << '\n';
                    return kUsageError;
                }
                return run(positional);
            }};
}

// Reading needs an existing Data.db: opening a missing one would create an empty file.
bool DatabaseExists() {
    return QFileInfo::exists(VelmarPaths::DatabaseFile());
}

QString MissingDatabase() {
    return QStringLiteral("no Data.db in %1").arg(VelmarPaths::DataFolder());
}

// The caption of memoboard `id`; nullopt when the row is missing or is a tab.
std::optional<QString> MemoboardCaption(int id) {
    Dataset row;
    MemoboardDB::GetMemoboardRow(id, row);
    if (row.IsEmpty() || row.FieldByName(QStringLiteral("ParentId")).AsInteger() != 0)
        return std::nullopt;
    return row.FieldByName(QStringLiteral("Caption")).AsString();
}

int ExportCommand(const QStringList& positional) {
    bool isNumber = false;
    const int id = positional.at(0).toInt(&isNumber);
    if (!isNumber)
        return Fail(QStringLiteral("'%1' is not a memoboard id").arg(positional.at(0)));
    if (!DatabaseExists())
        return Fail(MissingDatabase());
    try {
        const std::optional<QString> caption = MemoboardCaption(id);
        if (!caption)
            return Fail(QStringLiteral("there is no memoboard with id %1").arg(id));
        const TExchangeResult result = ExportMemoboard(id, *caption, positional.at(1));
        return result.Ok ? 0 : Fail(QStringLiteral("export failed: ") + result.Error);
    } catch (const DatabaseError& error) {
        return Fail(QStringLiteral("export failed: ") + QString::fromUtf8(error.what()));
    }
}

int ImportCommand(const QStringList& positional) {
    CreateSchema(); // restoring into a fresh data folder
    const TExchangeResult result = ImportMemoboard(positional.at(0));
    if (!result.Ok)
        return Fail(QStringLiteral("import failed, nothing was stored: ") + result.Error);
    QTextStream(stdout) << "imported memoboard " << result.MemoboardId << '\n';
    return 0;
}

// One line per memoboard, "id<TAB>caption", followed by one line per tab, "<TAB>id<TAB>caption".
int ListCommand(const QStringList&) {
    if (!DatabaseExists())
        return Fail(MissingDatabase());
    try {
        QTextStream out(stdout);
        for (const TMemoboardInfo& memoboard : MemoboardDB::Memoboards()) {
            out << memoboard.Id << '\t' << memoboard.Caption << '\n';
            Dataset tabs;
            MemoboardDB::GetTabs(memoboard.Id, tabs);
            for (const Dataset::Row tab : tabs)
                out << '\t' << tab.FieldByName(QStringLiteral("Id")).AsInteger() << '\t'
                    << tab.FieldByName(QStringLiteral("Caption")).AsString() << '\n';
        }
        return 0;
    } catch (const DatabaseError& error) {
        return Fail(QStringLiteral("cannot list the memoboards: ") +
                    QString::fromUtf8(error.what()));
    }
}

} // namespace

std::vector<CliCommand> MemoboardCliCommands() {
    return {
        Command(QStringLiteral("export-memoboard"), QStringLiteral("ID FILE [--data-dir DIR]"), 2,
                ExportCommand),
        Command(QStringLiteral("import-memoboard"), QStringLiteral("FILE [--data-dir DIR]"), 1,
                ImportCommand),
        Command(QStringLiteral("list-memoboards"), QStringLiteral("[--data-dir DIR]"), 0,
                ListCommand),
    };
}
