// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF subcommands: conversions between RTF, plain text and HTML through the notes' codec.
#include "cliCommands.h"

#include "RtfReader.h"
#include "RtfWriter.h"

#include <QFile>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {
std::optional<QByteArray> ReadInput(const QStringList& args) {
    if (args.size() != 1) {
        QTextStream(stderr) << "velmar-cli: give exactly one FILE\n";
        return std::nullopt;
    }
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "velmar-cli: cannot read " << args.first() << ": "
                            << file.errorString() << '\n';
        return std::nullopt;
    }
    return file.readAll();
}

// Reads FILE as RTF into the document; false (with a message) when it cannot.
bool ReadRtfInput(const QStringList& args, QTextDocument& document) {
    const std::optional<QByteArray> rtf = ReadInput(args);
    if (!rtf)
        return false;
    if (!RtfReader::Read(*rtf, document)) {
        QTextStream(stderr) << "velmar-cli: " << args.first() << " is not RTF\n";
        return false;
    }
    return true;
}

int WriteOutput(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
               ? 0
               : 1;
}

// Runs a conversion from an RTF file to bytes on standard output.
CliCommand RtfConversion(const char* name, QByteArray (*convert)(const QTextDocument&)) {
    return {QLatin1String(name), QStringLiteral("FILE"), [convert](const QStringList& args) {
                QTextDocument document;
                return ReadRtfInput(args, document) ? WriteOutput(convert(document)) : 1;
            }};
}
} // namespace

std::vector<CliCommand> RtfCliCommands() {
    return {
        RtfConversion("rtf-to-text",
                      [](const QTextDocument& document) {
                          return (document.toPlainText() + u'\n').toUtf8();
                      }),
        RtfConversion("rtf-to-html",
                      [](const QTextDocument& document) { return document.toHtml().toUtf8(); }),
        RtfConversion("rtf-roundtrip", RtfWriter::Write),
        {QStringLiteral("html-to-rtf"), QStringLiteral("FILE"),
         [](const QStringList& args) {
             const std::optional<QByteArray> html = ReadInput(args);
             if (!html)
                 return 1;
             QTextDocument document;
             document.setHtml(QString::fromUtf8(*html));
             return WriteOutput(RtfWriter::Write(document));
         }},
    };
}
