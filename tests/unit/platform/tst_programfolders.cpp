// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "untPaths.h"
#include "untProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray FileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgramFolders : public QObject {
    Q_OBJECT

private slots:
    void searchOrderPutsTheDataFolderFirst();
    void fileNamesListTheDataFoldersFilesFirstAndEachNameOnce();
    void copyIntoDataFolder_data();
    void copyIntoDataFolder();
    void aFileAlreadyInTheDataFolderIsNotCopied();
    void aMissingSourceGivesNoName();
};

void TestProgramFolders::searchOrderPutsTheDataFolderFirst() {
    TestDataFolder folder;
    QCOMPARE(ProgramFolders::SearchOrder(),
             QStringList({VelmarPaths::DataFolder(), ProgramFolders::Installed()}));
    QVERIFY(ProgramFolders::Installed().endsWith(QStringLiteral("/share/velmarnotes/")));
}

void TestProgramFolders::fileNamesListTheDataFoldersFilesFirstAndEachNameOnce() {
    TestDataFolder folder;
    QVERIFY(VelmarPaths::EnsureDataFolder());
    const QDir data(VelmarPaths::DataFolder());
    for (const char* name : {"zeta.wav", "alpha.wav", "notes.txt"})
        WriteFile(data.filePath(QString::fromLatin1(name)), "x");

    const QStringList names = ProgramFolders::FileNames(QStringLiteral("*.wav"));
    QCOMPARE(names.mid(0, 2), QStringList({"alpha.wav", "zeta.wav"}));
    QVERIFY(!names.contains(QStringLiteral("notes.txt")));
    QCOMPARE(names.count(QStringLiteral("alpha.wav")), 1);
}

// What lies in the data folder before a file "bell.wav" with the content "new" is brought in,
// and the name the copy answers.
void TestProgramFolders::copyIntoDataFolder_data() {
    QTest::addColumn<QStringList>("existingNames");
    QTest::addColumn<QList<QByteArray>>("existingContents");
    QTest::addColumn<QString>("expectedName");

    QTest::newRow("nothing of that name") << QStringList() << QList<QByteArray>() << "bell.wav";
    QTest::newRow("the same file, not copied twice")
        << QStringList({"bell.wav"}) << QList<QByteArray>({"new"}) << "bell.wav";
    QTest::newRow("a different file of that name is kept")
        << QStringList({"bell.wav"}) << QList<QByteArray>({"old"}) << "bell (2).wav";
    QTest::newRow("the renamed copy made before is used again")
        << QStringList({"bell.wav", "bell (2).wav"}) << QList<QByteArray>({"old", "new"})
        << "bell (2).wav";
    QTest::newRow("the next free name") << QStringList({"bell.wav", "bell (2).wav"})
                                        << QList<QByteArray>({"old", "other"}) << "bell (3).wav";
    QTest::newRow("same size, different content")
        << QStringList({"bell.wav"}) << QList<QByteArray>({"wen"}) << "bell (2).wav";
}

void TestProgramFolders::copyIntoDataFolder() {
    QFETCH(QStringList, existingNames);
    QFETCH(QList<QByteArray>, existingContents);
    QFETCH(QString, expectedName);
    TestDataFolder folder;
    QVERIFY(VelmarPaths::EnsureDataFolder());
    const QDir data(VelmarPaths::DataFolder());
    for (int i = 0; i < existingNames.size(); ++i)
        WriteFile(data.filePath(existingNames[i]), existingContents[i]);
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(QStringLiteral("bell.wav"));
    WriteFile(source, "new");

    QCOMPARE(ProgramFolders::CopyIntoDataFolder(source), expectedName);

    QCOMPARE(FileContent(data.filePath(expectedName)), QByteArray("new"));
    for (int i = 0; i < existingNames.size(); ++i)
        QCOMPARE(FileContent(data.filePath(existingNames[i])), existingContents[i]);
    const int filesBefore = existingNames.size();
    const bool copied = !existingNames.contains(expectedName);
    QCOMPARE(data.entryList(QDir::Files).size(), filesBefore + (copied ? 1 : 0));
}

void TestProgramFolders::aFileAlreadyInTheDataFolderIsNotCopied() {
    TestDataFolder folder;
    QVERIFY(VelmarPaths::EnsureDataFolder());
    const QDir data(VelmarPaths::DataFolder());
    WriteFile(data.filePath(QStringLiteral("chime.wav")), "chime");
    QCOMPARE(ProgramFolders::CopyIntoDataFolder(data.filePath(QStringLiteral("chime.wav"))),
             QStringLiteral("chime.wav"));
    QCOMPARE(data.entryList(QDir::Files), QStringList({"chime.wav"}));
}

void TestProgramFolders::aMissingSourceGivesNoName() {
    TestDataFolder folder;
    QTemporaryDir elsewhere;
    QCOMPARE(ProgramFolders::CopyIntoDataFolder(elsewhere.filePath(QStringLiteral("none.wav"))),
             QString());
}

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
