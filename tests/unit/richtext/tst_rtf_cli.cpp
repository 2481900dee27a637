// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli's RTF subcommands, run as the real program.
#include "CliRunner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(VELMAR_RTF_FIXTURES_DIR "/") + QLatin1String(name);
}
} // namespace

class TestRtfCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void converts_data();
    void converts();
    void failsWithAReason_data();
    void failsWithAReason();

private:
    QString TemporaryFile(const QString& name, const QByteArray& content);

    QTemporaryDir FFolder;
};

QString TestRtfCli::TemporaryFile(const QString& name, const QByteArray& content) {
    QFile file(FFolder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

void TestRtfCli::initTestCase() {
    QVERIFY(FFolder.isValid());
}

void TestRtfCli::converts_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::newRow("rtf-to-text") << QStringLiteral("rtf-to-text")
                                 << Fixture("double-byte-font-charsets.rtf")
                                 << QByteArrayList{"Latin caf\xC3\xA9\n"
                                                   "\xE3\x81\x8A\xE5\x85\x83\xE6\xB0\x97"
                                                   "\xE3\x81\xA7\xE3\x81\x99\xE3\x81\x8B"
                                                   "\xEF\xBC\x9F\n"};
    QTest::newRow("rtf-to-html") << QStringLiteral("rtf-to-html")
                                 << Fixture("richedit-bullets-numbers-link.rtf")
                                 << QByteArrayList{"<html>",
                                                   "<a href=\"http://example.org/notes?q=1\">"};
    QTest::newRow("rtf-roundtrip")
        << QStringLiteral("rtf-roundtrip") << Fixture("richedit-bullets-numbers-link.rtf")
        << QByteArrayList{"{\\rtf1\\ansi\\ansicpg1252\\deff0", "{\\pntext\\f", "}Pear\\par",
                          "{\\pntext\\f0 2.\\tab}Step two\\par"};
    QTest::newRow("html-to-rtf")
        << QStringLiteral("html-to-rtf")
        << TemporaryFile(
               QStringLiteral("note.html"),
               "<html><body><p align=\"center\"><b>bold</b> \xE4\xB8\xAD</p></body></html>")
        << QByteArrayList{"{\\rtf1\\ansi", "\\qc", "\\b bold\\b0", "\\u20013?"};
}

void TestRtfCli::converts() {
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QByteArrayList, expected);
    const CliRun run = RunCli({command, file});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(run.err.isEmpty());
    for (const QByteArray& part : expected)
        QVERIFY2(run.out.contains(part), run.out.constData());
}

void TestRtfCli::failsWithAReason_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << QStringList{QStringLiteral("rtf-to-text"),
                                                 FFolder.filePath(QStringLiteral("none.rtf"))}
                                  << QStringLiteral("cannot read");
    QTest::newRow("not rtf") << QStringList{QStringLiteral("rtf-roundtrip"),
                                            TemporaryFile(QStringLiteral("plain.rtf"), "just text")}
                             << QStringLiteral("is not RTF");
    QTest::newRow("no file") << QStringList{QStringLiteral("rtf-to-html")}
                             << QStringLiteral("give exactly one FILE");
    QTest::newRow("html file missing")
        << QStringList{QStringLiteral("html-to-rtf"), FFolder.filePath(QStringLiteral("no.html"))}
        << QStringLiteral("cannot read");
}

void TestRtfCli::failsWithAReason() {
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    const CliRun run = RunCli(args);
    QVERIFY(run.exitCode > 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestRtfCli)
#include "tst_rtf_cli.moc"
