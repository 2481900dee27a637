// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "frmData.h"
#include "untDB.h"
#include "untPaths.h"
#include "untSchema.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestAccessLayer : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesFolderAndFourTables();
    void secondStartCreatesNothing();
    void emptyFileIsCreatedAnew();
    void failedStatementAnswersFalse();
    void failedQueryThrowsAndKeepsTheDataset();
    void emptyResultIsAtItsEndAtOnce();
    void datasetIsIndependentOfTheConnection();
    void textParametersAreStoredByteForByte();
    void fieldKindFromDeclaredType_data();
    void fieldKindFromDeclaredType();
    void characterFieldsAreCutToTheirSize();
    void injectedFailureReachesStatementsAndQueries();
};

void TestAccessLayer::firstStartCreatesFolderAndFourTables() {
    TestDataFolder folder;
    QVERIFY(!QFile::exists(folder.DataFolder()));
    QVERIFY(CreateSchema());
    QVERIFY(QFile::exists(folder.DataFolder() + "Data.db"));
    QCOMPARE(QFile::permissions(folder.DataFolder()) & 0x7777,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                 QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);

    Dataset tables;
    QueryInto("select name, sql from sqlite_master where name<>'sqlite_sequence' order by rowid",
              tables);
    QCOMPARE(tables.RecordCount(), 4);
    const QStringList expected = SchemaStatements();
    const QStringList names{"Note", "Memoboard", "FindInfo", "User"};
    int i = 0;
    for (const Dataset::Row row : tables) {
        QCOMPARE(row.FieldByName("name").AsString(), names[i]);
        // SQLite keeps the statement's text without the closing semicolon.
        QString statement = expected[i];
        statement.chop(1);
        QCOMPARE(row.FieldByName("sql").AsString(), statement);
        ++i;
    }
}

void TestAccessLayer::secondStartCreatesNothing() {
    TestDataFolder folder;
    QVERIFY(CreateSchema());
    QVERIFY(RunSQL("DROP TABLE [User]"));
    QVERIFY(!CreateSchema());
    Dataset tables;
    QueryInto("select name from sqlite_master where name='User'", tables);
    QVERIFY(tables.IsEmpty());
}

void TestAccessLayer::emptyFileIsCreatedAnew() {
    TestDataFolder folder;
    QVERIFY(QDir().mkpath(folder.DataFolder()));
    QFile empty(folder.DataFolder() + "Data.db");
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(CreateSchema());
    Dataset tables;
    QueryInto("select name from sqlite_master where name in ('Note','Memoboard','FindInfo','User')",
              tables);
    QCOMPARE(tables.RecordCount(), 4);
}

void TestAccessLayer::failedStatementAnswersFalse() {
    TestDataFolder folder;
    CreateSchema();
    QVERIFY(!RunSQL("UPDATE Nowhere SET x=1"));
    QVERIFY(!RunSQL("this is not SQL"));
    QVERIFY(!RunSQLParams("update note set Color=:Color", {{"Missing", 1}}));
    QVERIFY(RunSQL("update note set Color=1"));
}

void TestAccessLayer::failedQueryThrowsAndKeepsTheDataset() {
    TestDataFolder folder;
    CreateSchema();
    Dataset dataset;
    QueryInto("select 7 as seven", dataset);
    try {
        QueryInto("select * from Missing", dataset);
        QFAIL("a query on a missing table must throw");
    } catch (const DatabaseError& error) {
        QVERIFY(QString::fromUtf8(error.what()).contains("no such table"));
    }
    QCOMPARE(dataset.RecordCount(), 1);
    QCOMPARE(dataset.FieldByName("seven").AsInteger(), 7);
}

void TestAccessLayer::emptyResultIsAtItsEndAtOnce() {
    TestDataFolder folder;
    CreateSchema();
    Dataset dataset;
    QueryInto("select * from Note", dataset);
    QVERIFY(dataset.Eof());
    QCOMPARE(dataset.RecordCount(), 0);
    QCOMPARE(int(dataset.Fields().size()), 16);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dataset.FieldByName("Id"));
}

void TestAccessLayer::datasetIsIndependentOfTheConnection() {
    TestDataFolder folder;
    CreateSchema();
    QVERIFY(RunSQL("insert into FindInfo(info,ctime) values('a','1'),('b','2')"));
    Dataset first;
    QueryInto("select info from FindInfo order by Id", first);
    Dataset second;
    QueryInto("select count(*) as n from Note", second);
    TfmData::Instance().Disconnect();
    QVERIFY(RunSQL("delete from FindInfo"));

    QStringList seen;
    for (first.First(); !first.Eof(); first.Next())
        seen << first.FieldByName("INFO").AsString();
    QCOMPARE(seen, QStringList({"a", "b"}));
    QCOMPARE(second.FieldByName("n").AsInteger(), 0);
}

void TestAccessLayer::textParametersAreStoredByteForByte() {
    TestDataFolder folder;
    CreateSchema();
    const QByteArray latin1 = "caf\xe9";    // not UTF-8: kept as it is
    const QString chinese = u"中文便签"_qs; // stored as UTF-8
    QVERIFY(RunSQLParams("insert into Memoboard(ParentId,Caption,Bgimg) values(0,:c,:b)",
                         {{"c", chinese}, {"b", latin1}}));
    Dataset dataset;
    QueryInto("select Caption, Bgimg, hex(Caption) as h from Memoboard", dataset);
    QCOMPARE(dataset.FieldByName("Bgimg").AsBytes(), latin1);
    QCOMPARE(dataset.FieldByName("Caption").AsString(), chinese);
    QCOMPARE(dataset.FieldByName("h").AsString(), QString(chinese.toUtf8().toHex().toUpper()));
}

void TestAccessLayer::fieldKindFromDeclaredType_data() {
    QTest::addColumn<QString>("declared");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::newRow("varchar") << "VARCHAR(20)" << int(FieldKind::Character) << 20;
    QTest::newRow("char") << "char(3)" << int(FieldKind::Character) << 3;
    QTest::newRow("varchar2") << "Varchar2(9)" << int(FieldKind::Character) << 9;
    QTest::newRow("nvarchar") << "NVARCHAR(5)" << int(FieldKind::WideCharacter) << 5;
    QTest::newRow("integer") << "integer" << int(FieldKind::Integer) << 0;
    QTest::newRow("int") << "INT" << int(FieldKind::Integer) << 0;
    QTest::newRow("real") << "REAL" << int(FieldKind::Float) << 0;
    QTest::newRow("float") << "float" << int(FieldKind::Float) << 0;
    QTest::newRow("text") << "TEXT" << int(FieldKind::Memo) << 0;
    QTest::newRow("clob") << "clob" << int(FieldKind::Memo) << 0;
    QTest::newRow("unknown") << "BLOBBY" << int(FieldKind::Character) << 255;
    QTest::newRow("varchar without size") << "varchar" << int(FieldKind::Character) << 255;
}

void TestAccessLayer::fieldKindFromDeclaredType() {
    QFETCH(QString, declared);
    QFETCH(int, kind);
    QFETCH(int, size);
    const FieldDef def = FieldDefFromDeclaredType("x", declared);
    QCOMPARE(int(def.kind), kind);
    QCOMPARE(def.size, size);
}

void TestAccessLayer::characterFieldsAreCutToTheirSize() {
    TestDataFolder folder;
    CreateSchema();
    const QString longCaption = QString(40, u'x');
    const QString chineseCaption = QString(35, QChar(0x4E2D));
    QVERIFY(
        RunSQLParams("insert into Memoboard(ParentId,Caption) values(0,:c)", {{"c", longCaption}}));
    QVERIFY(RunSQLParams("insert into Memoboard(ParentId,Caption) values(0,:c)",
                         {{"c", chineseCaption}}));
    Dataset dataset;
    QueryInto("select Caption from Memoboard order by Id", dataset);
    QCOMPARE(dataset.FieldByName("Caption").AsString(), QString(30, u'x'));
    dataset.Next();
    QCOMPARE(dataset.FieldByName("Caption").AsString(), QString(30, QChar(0x4E2D)));
}

void TestAccessLayer::injectedFailureReachesStatementsAndQueries() {
    TestDataFolder folder;
    CreateSchema();
    TfmData::Instance().FailNextStatements(2);
    QVERIFY(!RunSQL("update note set Color=1"));
    Dataset dataset;
    QVERIFY_THROWS_EXCEPTION(DatabaseError, QueryInto("select 1", dataset));
    QVERIFY(RunSQL("update note set Color=1"));
}

QTEST_GUILESS_MAIN(TestAccessLayer)
#include "tst_access_layer.moc"
