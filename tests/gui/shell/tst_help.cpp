// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "frmHelp.h"
#include "untPaths.h"
#include "untProgramFolders.h"
#include "untUtil.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

namespace {

QString InstalledHelpFolder() {
    return ProgramFolders::Installed() + QStringLiteral("help/");
}

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init() { FFolder = std::make_unique<TestDataFolder>(); }
    void cleanup() { FFolder.reset(); }

    void everyTopicOpensItsPage_data();
    void everyTopicOpensItsPage();
    void anchorsScrollToTheirSection();
    void everyLinkLeadsToAPageAndAnchor();
    void aCopyInTheDataFolderWins();
    void showHelpUsesTheProgramsWindow();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestHelp::everyTopicOpensItsPage_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("5001") << 5001 << "default.htm"
                          << "";
    QTest::newRow("5002") << 5002 << "UsingNotes.htm"
                          << "";
    QTest::newRow("5003") << 5003 << "MainControlInterface and TaskbarIcon.htm"
                          << "";
    QTest::newRow("5004") << 5004 << "UsingReminder.htm"
                          << "";
    QTest::newRow("5005") << 5005 << "FindingNotes.htm"
                          << "";
    QTest::newRow("5006") << 5006 << "Settings.htm"
                          << "";
    QTest::newRow("5007") << 5007 << "NotesTrash.htm"
                          << "";
    QTest::newRow("5008") << 5008 << "BackingUp and RestoringNotes.htm"
                          << "";
    QTest::newRow("50010") << 50010 << "suport.htm"
                           << "";
    QTest::newRow("50011") << 50011 << "Memoboards and Tabs.htm"
                           << "";
    for (int t = 1; t <= 8; ++t)
        QTest::addRow("%d", 50020 + t)
            << 50020 + t << "UsingNotes.htm" << QStringLiteral("t%1").arg(t);
    QTest::newRow("9999") << 9999 << "default.htm"
                          << "";
}

void TestHelp::everyTopicOpensItsPage() {
    QFETCH(int, topic);
    QFETCH(QString, page);
    QFETCH(QString, anchor);
    TfmHelp help;
    help.ShowTopic(topic);
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowTitle(), QStringLiteral("Velmar Notes Help"));
    const QUrl source = help.brsHelp()->source();
    QCOMPARE(source.toLocalFile(), InstalledHelpFolder() + page);
    QCOMPARE(source.fragment(), anchor);
    QVERIFY(help.brsHelp()->toPlainText().contains(QStringLiteral("Contents")));
    if (!anchor.isEmpty())
        QVERIFY(ReadText(InstalledHelpFolder() + page)
                    .contains(QStringLiteral("<a name=\"%1\"></a>").arg(anchor)));
}

void TestHelp::anchorsScrollToTheirSection() {
    TfmHelp help;
    help.resize(360, 160); // small, so that the page scrolls
    QList<int> positions;
    for (const int topic : {50021, 50024, 50028}) {
        help.ShowTopic(topic);
        positions << help.brsHelp()->verticalScrollBar()->value();
    }
    QVERIFY2(positions[0] < positions[1] && positions[1] < positions[2],
             qPrintable(QStringLiteral("scroll positions of t1, t4, t8: %1, %2, %3")
                            .arg(positions[0])
                            .arg(positions[1])
                            .arg(positions[2])));
}

void TestHelp::everyLinkLeadsToAPageAndAnchor() {
    const QDir folder(InstalledHelpFolder());
    const QStringList pages = folder.entryList({QStringLiteral("*.htm")}, QDir::Files);
    // The topics' pages and the three that stand in for the web site's pages.
    QCOMPARE(pages.size(), 13);
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    int links = 0;
    for (const QString& page : pages) {
        const QString text = ReadText(folder.filePath(page));
        for (auto match = link.globalMatch(text); match.hasNext();) {
            const auto found = match.next();
            const QString target = found.captured(1).isEmpty() ? page : found.captured(1);
            QVERIFY2(pages.contains(target),
                     qPrintable(page + QStringLiteral(" links to ") + target));
            if (!found.captured(2).isEmpty())
                QVERIFY(ReadText(folder.filePath(target))
                            .contains(QStringLiteral("name=\"%1\"").arg(found.captured(2))));
            ++links;
        }
    }
    QVERIFY(links > 0);
}

void TestHelp::aCopyInTheDataFolderWins() {
    QVERIFY(VelmarPaths::EnsureDataFolder());
    QDir().mkpath(VelmarPaths::DataFolder() + QStringLiteral("help"));
    QFile copy(VelmarPaths::DataFolder() + QStringLiteral("help/Settings.htm"));
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write("<html><body><p>My own settings page</p></body></html>");
    copy.close();
    TfmHelp help;
    help.ShowTopic(5006);
    QCOMPARE(help.brsHelp()->source().toLocalFile(), copy.fileName());
    QVERIFY(help.brsHelp()->toPlainText().contains(QStringLiteral("My own settings page")));
}

void TestHelp::showHelpUsesTheProgramsWindow() {
    QVERIFY(!TfmHelp::Instance());
    {
        TfmHelp help;
        QCOMPARE(TfmHelp::Instance(), &help);
        ShowHelp(5004);
        QVERIFY(help.isVisible());
        QCOMPARE(help.brsHelp()->source().fileName(), QStringLiteral("UsingReminder.htm"));
    }
    QVERIFY(!TfmHelp::Instance());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
