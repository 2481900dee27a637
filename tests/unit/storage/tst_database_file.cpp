// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusyReader.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untDB.h"
#include "untPaths.h"
#include "untSchema.h"

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QSaveFile>
#include <QtTest>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {
int FileMode(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : -1;
}

int SearchCount() {
    Dataset rows;
    QueryInto(QStringLiteral("SELECT count(*) AS n FROM FindInfo"), rows);
    return static_cast<int>(rows.FieldByName(QStringLiteral("n")).AsInteger());
}

const QString kInsertSearch = QStringLiteral("INSERT INTO FindInfo(info,ctime) VALUES('x','1')");
} // namespace

// How Data.db and the data folder are opened and made: busy databases are waited for, and the
// files are private to their owner whatever the umask (the usual 022 here).
class TestDatabaseFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void writeWaitsForABusyReader_data();
    void writeWaitsForABusyReader();
    void newDataFolderIsOwnerOnly();
    void existingDataFolderIsNarrowed();
    void databaseAndJournalAreOwnerOnly();
    void existingFileKeepsItsContent();
    void savedFileMadePrivateIsOwnerOnly_data();
    void savedFileMadePrivateIsOwnerOnly();

private:
    mode_t FUmask = 0;
};

void TestDatabaseFile::initTestCase() {
    FUmask = ::umask(022);
}

void TestDatabaseFile::cleanupTestCase() {
    ::umask(FUmask);
}

void TestDatabaseFile::writeWaitsForABusyReader_data() {
    QTest::addColumn<bool>("privateConnection");
    QTest::newRow("shared connection") << false;
    QTest::newRow("private connection") << true;
}

void TestDatabaseFile::writeWaitsForABusyReader() {
    QFETCH(bool, privateConnection);
    TestDataFolder folder;
    QVERIFY(CreateSchema());
    QVERIFY(RunSQL(kInsertSearch));

    BusyReader reader(VelmarPaths::DatabasePath());
    QVERIFY(reader.Holding());
    reader.ReleaseAfter(300ms);
    bool written = false;
    if (privateConnection)
        written = RunOnConnection(*TfmData::Instance().OpenPrivateConnection(), kInsertSearch, {});
    else
        written = RunSQL(kInsertSearch);

    QVERIFY(written);
    QCOMPARE(SearchCount(), 2);
}

void TestDatabaseFile::newDataFolderIsOwnerOnly() {
    TestDataFolder folder;
    QVERIFY(VelmarPaths::EnsureDataFolder());
    QCOMPARE(FileMode(folder.DataFolder()), 0700);
}

void TestDatabaseFile::existingDataFolderIsNarrowed() {
    TestDataFolder folder;
    QVERIFY(QDir().mkpath(folder.DataFolder()));
    QCOMPARE(FileMode(folder.DataFolder()), 0755);
    CreateSchema();
    QCOMPARE(FileMode(folder.DataFolder()), 0700);
}

void TestDatabaseFile::databaseAndJournalAreOwnerOnly() {
    TestDataFolder folder;
    QVERIFY(CreateSchema());
    const QString database = VelmarPaths::DatabasePath();
    QCOMPARE(FileMode(database), 0600);
    // The rollback journal lives only while a write transaction is open.
    QVERIFY(RunSQL(QStringLiteral("BEGIN")));
    QVERIFY(RunSQL(kInsertSearch));
    QCOMPARE(FileMode(database + QStringLiteral("-journal")), 0600);
    QVERIFY(RunSQL(QStringLiteral("COMMIT")));
    QVERIFY(!QFile::exists(database + QStringLiteral("-journal")));
    QCOMPARE(SearchCount(), 1);
}

void TestDatabaseFile::existingFileKeepsItsContent() {
    TestDataFolder folder;
    QVERIFY(CreateSchema());
    QVERIFY(RunSQL(kInsertSearch));
    TfmData::Instance().Disconnect();
    QVERIFY(VelmarPaths::CreatePrivateFile(VelmarPaths::DatabasePath()));
    QCOMPARE(SearchCount(), 1);
}

void TestDatabaseFile::savedFileMadePrivateIsOwnerOnly_data() {
    QTest::addColumn<bool>("replacing");
    QTest::newRow("new file") << false;
    QTest::newRow("replacing a file everyone may read") << true;
}

// What a writer of config.ini or another file in the data folder does with QSaveFile.
void TestDatabaseFile::savedFileMadePrivateIsOwnerOnly() {
    QFETCH(bool, replacing);
    TestDataFolder folder;
    QVERIFY(VelmarPaths::EnsureDataFolder());
    const QString path = folder.DataFolder() + QStringLiteral("config.ini");
    if (replacing) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[sysconfig]\r\n");
        old.close();
        QCOMPARE(FileMode(path), 0644);
    }
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(VelmarPaths::MakePrivate(file));
    file.write("[sysconfig]\r\nNoteColor=8454143\r\n");
    QVERIFY(file.commit());
    QCOMPARE(FileMode(path), 0600);
}

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_database_file.moc"
