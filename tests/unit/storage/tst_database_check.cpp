// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "frmData.h"
#include "untClock.h"
#include "untDB.h"
#include "untDatabaseCheck.h"
#include "untPaths.h"
#include "untSchema.h"
#include "untWriteTrouble.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {
const QString kStamp = QStringLiteral("20260102-030405");

QString DataFile(const QString& name) {
    return VelmarPaths::DataFolder() + name;
}

QByteArray Checksum(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Our own database with enough notes to span many pages; the shared connection is closed
// afterwards, so the file can be changed behind its back.
void MakeOurDatabase() {
    CreateSchema();
    const QString filler(2000, u'n');
    RunSQL(QStringLiteral("BEGIN"));
    for (int i = 0; i < 40; ++i)
        RunSQLParams(QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,"
                                    "Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,"
                                    "TimeOut,TimeOutType) VALUES(0,'1,1',:c,'',1,1,1,0,0,"
                                    "'172,120','1','1','0',0,0)"),
                     {{QStringLiteral("c"), filler}});
    RunSQL(QStringLiteral("COMMIT"));
    TfmData::Instance().Disconnect();
}

void Overwrite(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(offset));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Makes Data.db of the named kind in the data folder.
void MakeKind(const QString& kind) {
    VelmarPaths::EnsureDataFolder();
    const QString path = DataFile(QStringLiteral("Data.db"));
    if (kind == u"garbage") {
        WriteFile(path, QByteArray(20000, '\x5a'));
    } else if (kind == u"foreign") {
        RunSQL(QStringLiteral("CREATE TABLE Photos(Id INTEGER PRIMARY KEY, Path TEXT)"));
        RunSQL(QStringLiteral("INSERT INTO Photos(Path) VALUES('/pictures/a.jpg')"));
        TfmData::Instance().Disconnect();
    } else if (kind == u"our tables without a column") {
        MakeOurDatabase();
        RunSQL(QStringLiteral("ALTER TABLE Note DROP COLUMN NTime"));
        TfmData::Instance().Disconnect();
    } else if (kind == u"damaged page") {
        MakeOurDatabase();
        Overwrite(path, 2 * 4096, QByteArray(4096, '\xff'));
    } else if (kind == u"cut short") {
        MakeOurDatabase();
        QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
    } else if (kind == u"ours") {
        MakeOurDatabase();
    } else if (kind == u"ours with a newer version's table and column") {
        MakeOurDatabase();
        RunSQL(QStringLiteral("CREATE TABLE Tags(Id INTEGER PRIMARY KEY, Name TEXT)"));
        RunSQL(QStringLiteral("ALTER TABLE Note ADD COLUMN Pinned INTEGER DEFAULT 0"));
        TfmData::Instance().Disconnect();
    } else if (kind == u"empty file") {
        WriteFile(path, {});
    } else if (kind != u"missing") {
        QFAIL("unknown kind");
    }
}

QStringList TableNames(const QString& path) {
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement query(db, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
    QStringList names;
    while (query.executeStep())
        names.append(QString::fromStdString(query.getColumn(0).getString()));
    return names;
}
} // namespace

// What the start does with the file at Data.db's place: ours is used, anything else is put
// aside unchanged and a new file is made; a folder there is left alone.
class TestDatabaseCheck : public QObject {
    Q_OBJECT

private slots:
    void init() {
        FFolder = std::make_unique<TestDataFolder>();
        Clock::Set(QDateTime::fromString(kStamp, QStringLiteral("yyyyMMdd-HHmmss")));
    }
    void cleanup() {
        Clock::Reset();
        TfmData::Instance().Disconnect();
        FFolder.reset();
    }

    void inspectSaysWhatTheFileIs_data();
    void inspectSaysWhatTheFileIs();
    void unreadableFileIsMovedAsideUnchanged_data();
    void unreadableFileIsMovedAsideUnchanged();
    void ourFileIsUsedAsItIs_data();
    void ourFileIsUsedAsItIs();
    void secondMoveInTheSameSecondGetsItsOwnName();
    void journalBesideAnUnreadableFileMovesWithIt();
    void folderNamedDataDbIsLeftAloneAndAnotherFileUsed();
    void writeTroubleOfSqliteCodes_data();
    void writeTroubleOfSqliteCodes();
    void eachTroubleReachesTheHandlerOnce();
    void failedStatementReportsItsTrouble();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestDatabaseCheck::inspectSaysWhatTheFileIs_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<DatabaseVerdict>("verdict");
    QTest::newRow("missing") << QStringLiteral("missing") << DatabaseVerdict::Missing;
    QTest::newRow("empty file") << QStringLiteral("empty file") << DatabaseVerdict::Missing;
    QTest::newRow("ours") << QStringLiteral("ours") << DatabaseVerdict::Ours;
    QTest::newRow("newer") << QStringLiteral("ours with a newer version's table and column")
                           << DatabaseVerdict::Ours;
    QTest::newRow("garbage") << QStringLiteral("garbage") << DatabaseVerdict::Unreadable;
    QTest::newRow("foreign") << QStringLiteral("foreign") << DatabaseVerdict::Unreadable;
    QTest::newRow("no column") << QStringLiteral("our tables without a column")
                               << DatabaseVerdict::Unreadable;
    QTest::newRow("damaged") << QStringLiteral("damaged page") << DatabaseVerdict::Unreadable;
    QTest::newRow("cut short") << QStringLiteral("cut short") << DatabaseVerdict::Unreadable;
}

void TestDatabaseCheck::inspectSaysWhatTheFileIs() {
    QFETCH(QString, kind);
    QFETCH(DatabaseVerdict, verdict);
    MakeKind(kind);
    const QString path = DataFile(QStringLiteral("Data.db"));
    const QByteArray before = Checksum(path);
    QCOMPARE(InspectDatabaseFile(path), verdict);
    QCOMPARE(Checksum(path), before);
}

void TestDatabaseCheck::unreadableFileIsMovedAsideUnchanged_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"garbage", "foreign", "damaged page", "cut short"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestDatabaseCheck::unreadableFileIsMovedAsideUnchanged() {
    QFETCH(QString, kind);
    MakeKind(kind);
    const QString path = DataFile(QStringLiteral("Data.db"));
    const QByteArray before = Checksum(path);

    const TDatabaseStart start = PrepareDatabase();

    const QString moved = path + QStringLiteral(".unreadable-") + kStamp;
    QCOMPARE(start.MovedAside, moved);
    QCOMPARE(Checksum(moved), before);
    QVERIFY(start.Created);
    QVERIFY(!start.CannotMoveAside);
    QCOMPARE(start.DatabasePath, path);
    QCOMPARE(InspectDatabaseFile(path), DatabaseVerdict::Ours);
    QVERIFY(RunSQL(QStringLiteral("INSERT INTO FindInfo(info,ctime) VALUES('new','1')")));
    QCOMPARE(Checksum(moved), before);
}

void TestDatabaseCheck::ourFileIsUsedAsItIs_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("ours") << QStringLiteral("ours");
    QTest::newRow("newer") << QStringLiteral("ours with a newer version's table and column");
}

void TestDatabaseCheck::ourFileIsUsedAsItIs() {
    QFETCH(QString, kind);
    MakeKind(kind);
    const QString path = DataFile(QStringLiteral("Data.db"));
    const QStringList tables = TableNames(path);
    const TDatabaseStart start = PrepareDatabase();
    QVERIFY(start.MovedAside.isEmpty());
    QVERIFY(!start.Created);
    QVERIFY(!start.ReadOnly);
    QCOMPARE(TableNames(path), tables);
    QCOMPARE(QDir(VelmarPaths::DataFolder()).entryList({QStringLiteral("*unreadable*")}),
             QStringList());
}

void TestDatabaseCheck::secondMoveInTheSameSecondGetsItsOwnName() {
    MakeKind(QStringLiteral("garbage"));
    const QString path = DataFile(QStringLiteral("Data.db"));
    QCOMPARE(PrepareDatabase().MovedAside, path + QStringLiteral(".unreadable-") + kStamp);
    TfmData::Instance().Disconnect();
    WriteFile(path, "not a database either, and longer than nothing");
    QCOMPARE(PrepareDatabase().MovedAside,
             path + QStringLiteral(".unreadable-") + kStamp + QStringLiteral("-2"));
}

void TestDatabaseCheck::journalBesideAnUnreadableFileMovesWithIt() {
    MakeKind(QStringLiteral("garbage"));
    const QString path = DataFile(QStringLiteral("Data.db"));
    WriteFile(path + QStringLiteral("-journal"), "the journal of another program's file");
    const QByteArray journal = Checksum(path + QStringLiteral("-journal"));
    const QString moved = PrepareDatabase().MovedAside;
    QCOMPARE(Checksum(moved + QStringLiteral("-journal")), journal);
    QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    QCOMPARE(InspectDatabaseFile(path), DatabaseVerdict::Ours);
}

void TestDatabaseCheck::folderNamedDataDbIsLeftAloneAndAnotherFileUsed() {
    VelmarPaths::EnsureDataFolder();
    const QString folder = DataFile(QStringLiteral("Data.db"));
    QVERIFY(QDir().mkdir(folder));
    WriteFile(folder + QStringLiteral("/inside"), "keep");

    const TDatabaseStart start = PrepareDatabase();
    QVERIFY(start.FolderInTheWay);
    QVERIFY(start.Created);
    QCOMPARE(start.DatabasePath, DataFile(QLatin1String(VelmarPaths::FallbackDatabaseName)));
    QCOMPARE(VelmarPaths::DatabasePath(), start.DatabasePath);
    QVERIFY(RunSQL(QStringLiteral("INSERT INTO FindInfo(info,ctime) VALUES('new','1')")));
    QCOMPARE(InspectDatabaseFile(start.DatabasePath), DatabaseVerdict::Ours);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("inside")});

    TfmData::Instance().Disconnect();
    QVERIFY(!PrepareDatabase().Created); // the next start uses the same file
}

void TestDatabaseCheck::writeTroubleOfSqliteCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<WriteTrouble>("trouble");
    QTest::newRow("busy") << SQLITE_BUSY << WriteTrouble::Busy;
    QTest::newRow("locked") << SQLITE_LOCKED << WriteTrouble::Busy;
    QTest::newRow("full") << SQLITE_FULL << WriteTrouble::DiskFull;
    QTest::newRow("read-only") << SQLITE_READONLY << WriteTrouble::ReadOnly;
    QTest::newRow("read-only directory") << SQLITE_READONLY_DIRECTORY << WriteTrouble::ReadOnly;
    QTest::newRow("cannot open journal") << SQLITE_CANTOPEN << WriteTrouble::ReadOnly;
    QTest::newRow("constraint") << SQLITE_CONSTRAINT_NOTNULL << WriteTrouble::Other;
    QTest::newRow("i/o error") << SQLITE_IOERR_WRITE << WriteTrouble::Other;
}

void TestDatabaseCheck::writeTroubleOfSqliteCodes() {
    QFETCH(int, code);
    QFETCH(WriteTrouble, trouble);
    QCOMPARE(TroubleOfSqliteCode(code), trouble);
}

void TestDatabaseCheck::eachTroubleReachesTheHandlerOnce() {
    WriteTroubles::ResetForTest();
    QList<WriteTrouble> seen;
    WriteTroubles::SetHandler([&seen](WriteTrouble trouble) { seen.append(trouble); });
    WriteTroubles::Report(WriteTrouble::DiskFull);
    WriteTroubles::Report(WriteTrouble::DiskFull);
    WriteTroubles::Report(WriteTrouble::ReadOnly);
    WriteTroubles::Report(WriteTrouble::DiskFull);
    WriteTroubles::SetHandler({});
    QCOMPARE(seen, (QList<WriteTrouble>{WriteTrouble::DiskFull, WriteTrouble::ReadOnly}));
    QVERIFY(WriteTroubles::WasReported(WriteTrouble::DiskFull));
    QVERIFY(!WriteTroubles::WasReported(WriteTrouble::Busy));
    WriteTroubles::ResetForTest();
}

void TestDatabaseCheck::failedStatementReportsItsTrouble() {
    WriteTroubles::ResetForTest();
    CreateSchema();
    QVERIFY(RunSQL(QStringLiteral("PRAGMA query_only=1")));
    QVERIFY(!RunSQL(QStringLiteral("INSERT INTO FindInfo(info,ctime) VALUES('x','1')")));
    QVERIFY(WriteTroubles::WasReported(WriteTrouble::ReadOnly));
    QVERIFY(!WriteTroubles::WasReported(WriteTrouble::DiskFull));
    WriteTroubles::ResetForTest();
}

QTEST_GUILESS_MAIN(TestDatabaseCheck)
#include "tst_database_check.moc"
