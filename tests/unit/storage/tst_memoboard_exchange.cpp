// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusyReader.h"
#include "FullDisk.h"
#include "MemoboardFixtures.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "untMemoboardDB.h"
#include "untMemoboardExchange.h"
#include "untPaths.h"
#include "untSchema.h"

#include <QtTest>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {
const QString kTabColumns = QStringLiteral("Caption,Position,Color,Bgimg,BgColor");
const QString kNoteColumns =
    QStringLiteral("Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,CreateTime,"
                   "ModifyTime,NTime,TimeOut,TimeOutType");

// The rows under a memoboard without their ids and parents: its caption, then every tab with
// its notes.
QStringList MemoboardContent(int memoboardId) {
    QStringList content =
        Rows(QStringLiteral("SELECT Caption FROM Memoboard WHERE Id=%1").arg(memoboardId));
    for (const QString& tabId :
         Rows(QStringLiteral("SELECT Id FROM Memoboard WHERE ParentId=%1 ORDER BY Id")
                  .arg(memoboardId))) {
        content +=
            Rows(QStringLiteral("SELECT %1 FROM Memoboard WHERE Id=%2").arg(kTabColumns, tabId));
        content += Rows(QStringLiteral("SELECT %1 FROM Note WHERE ParentId=%2 ORDER BY Id")
                            .arg(kNoteColumns, tabId));
    }
    return content;
}

const QByteArray kPlansHead = "#M|0-UGxhbnM=-0-0--0\r\n#T|0-VGFiMQ==-3-65535--8421631\r\n";

// The note record of plans-with-notes.mbir with one field replaced.
QString NoteWith(int field, const QString& value) {
    QStringList fields{"#N|0",    "12,12",   "aGVsbG8=", "e1xydGYxIGhlbGxvXHBhcn0=",
                       "8454143", "1",       "1",        "0",
                       "0",       "172,120", "46366.5",  "46366.75",
                       "0",       "0",       "0"};
    fields[field] = value;
    return fields.join(u'-');
}

int FileMode(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : -1;
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

struct Opened {
    int calls = 0;
    int memoboardId = 0;
    int tabId = 0;
    TOpenMemoboard Callback() {
        return [this](int memoboard, int tab) {
            ++calls;
            memoboardId = memoboard;
            tabId = tab;
        };
    }
};
} // namespace

class TestMemoboardExchange : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void plansExportsAsTwoLines();
    void importingPlansStoresItAndOpensIt();
    void importingTwiceGivesTwoMemoboards();
    void emptyCaptionRoundTrip();
    void noteRecordLayout();
    void blanksAreEscapedOutsideTabRecords();
    void negativeCoordinatesAreWrittenAsZero();
    void roundTripKeepsEveryNoteState();
    void anyLineEndEndsALine_data();
    void anyLineEndEndsALine();
    void brokenFileChangesNothing_data();
    void brokenFileChangesNothing();
    void recordThatDoesNotFitChangesNothing_data();
    void recordThatDoesNotFitChangesNothing();
    void pairIsStoredAsTheProgramWritesIt();
    void largeNoteRoundTrip_data();
    void largeNoteRoundTrip();
    void importedPictureNameKeepsTheFileNameOnly();
    void importWaitsForABusyDatabase();
    void unwritableExportFileFails();
    void exportToAFullPlaceFailsAndLeavesNothing_data();
    void exportToAFullPlaceFailsAndLeavesNothing();
    void exportIsOwnerOnly_data();
    void exportIsOwnerOnly();

private:
    // Runs `import` over a store holding one other memoboard and checks that it failed for
    // `reason` and changed nothing: no row, no window, no transaction left open.
    void CheckRefused(const std::function<TExchangeResult(const TOpenMemoboard&)>& import,
                      const QString& reason, bool refuseNotes = false);

    QString TempFile(const QString& name) const { return FFolder->Root() + u'/' + name; }
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestMemoboardExchange::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
}

void TestMemoboardExchange::cleanup() {
    FFolder.reset();
}

void TestMemoboardExchange::plansExportsAsTwoLines() {
    const TNewMemoboard plans = MemoboardDB::AddMemoboard(QStringLiteral("Plans"));
    QVERIFY(MemoboardDB::UpdateTab({plans.TabId, "Tab1", 65535, 8421631, QString(), 3}));
    const QString file = TempFile("Plans.mbir");
    const TExchangeResult result = ExportMemoboard(plans.MemoboardId, "Plans", file);
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(ReadFile(file), QByteArray("#M|0-UGxhbnM=-0-0--0\r\n"
                                        "#T|0-VGFiMQ==-3-65535--8421631\r\n"));
    QCOMPARE(ReadFile(file), ReadFile(FixturePath("plans.mbir")));
}

void TestMemoboardExchange::importingPlansStoresItAndOpensIt() {
    Opened opened;
    const TExchangeResult result = ImportMemoboard(FixturePath("plans.mbir"), opened.Callback());
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(Rows("SELECT Id,ParentId,Caption,Position,Color,Bgimg,BgColor,Sort FROM Memoboard "
                  "ORDER BY Id"),
             (QStringList{"1|0|Plans|0|0||0|0", "2|1|Tab1|3|65535||8421631|0"}));
    QCOMPARE(opened.calls, 1);
    QCOMPARE(opened.memoboardId, 1);
    QCOMPARE(opened.tabId, 2);
    QCOMPARE(result.MemoboardId, 1);
    QCOMPARE(result.TabId, 2);
}

void TestMemoboardExchange::importingTwiceGivesTwoMemoboards() {
    QVERIFY(ImportMemoboard(FixturePath("plans.mbir")).Ok);
    QVERIFY(ImportMemoboard(FixturePath("plans.mbir")).Ok);
    QCOMPARE(Rows("SELECT Id,Caption FROM Memoboard WHERE ParentId=0 ORDER BY Id"),
             (QStringList{"1|Plans", "3|Plans"}));
    QCOMPARE(MemoboardContent(3), MemoboardContent(1));
}

void TestMemoboardExchange::emptyCaptionRoundTrip() {
    const int memoboard = InsertMemoboardRow(QString());
    const QString file = TempFile("empty.mbir");
    QVERIFY(ExportMemoboard(memoboard, QString(), file).Ok);
    QCOMPARE(ReadFile(file), QByteArray("#M|0--0-0--0\r\n"));
    const TExchangeResult result = ImportMemoboard(file);
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(
        Rows(QStringLiteral("SELECT Caption FROM Memoboard WHERE Id=%1").arg(result.MemoboardId)),
        QStringList{QString()});
    QCOMPARE(result.TabId, 0);
}

void TestMemoboardExchange::noteRecordLayout() {
    const int memoboard = InsertMemoboardRow("Plans");
    const int tab = InsertTabRow(memoboard, "Tab1", 3, 65535, 8421631);
    InsertNoteRow({.parentId = tab,
                   .content = "hi there",
                   .rtf = "{\\rtf1 hi\\par}",
                   .type2 = 2,
                   .nTime = "46400.375",
                   .timeOut = 3,
                   .timeOutType = 2});
    const QString file = TempFile("note.mbir");
    QVERIFY(ExportMemoboard(memoboard, "Plans", file).Ok);
    // Content and Rtf travel in Base64; every other field as stored or in decimal.
    QCOMPARE(ReadFile(file).split('\n').value(2),
             QByteArray("#N|0-12,12-aGkgdGhlcmU=-e1xydGYxIGhpXHBhcn0=-8454143-1-2-0-0-172,120-"
                        "46366.5-46366.75-46400.375-3-2\r"));
}

void TestMemoboardExchange::blanksAreEscapedOutsideTabRecords() {
    const int memoboard = InsertMemoboardRow("Plans");
    const int tab = InsertTabRow(memoboard, "Tab1", 3, 65535, 8421631);
    // Text columns as a hand-edited database may hold them.
    QVERIFY(RunSQL(QStringLiteral("UPDATE Memoboard set Position='3 ' WHERE Id=%1").arg(tab)));
    InsertNoteRow({.parentId = tab, .modifyTime = "46366.75\t", .nTime = "0 \r\n"});
    const QString file = TempFile("blanks.mbir");
    QVERIFY(ExportMemoboard(memoboard, "Plans", file).Ok);
    const QList<QByteArray> lines = ReadFile(file).split('\n');
    QCOMPARE(lines.value(1), QByteArray("#T|0-VGFiMQ==-3 -65535--8421631\r"));
    QVERIFY2(lines.value(2).endsWith("-46366.5-46366.75#1-0#4#3#2-0-0\r"), lines.value(2));
}

void TestMemoboardExchange::negativeCoordinatesAreWrittenAsZero() {
    const int memoboard = InsertMemoboardRow("Plans");
    const int tab = InsertTabRow(memoboard, "Tab1", 3, 65535, 8421631);
    InsertNoteRow({.parentId = tab, .position = "-30,-5"});
    InsertNoteRow({.parentId = tab, .position = "40,-12"});
    const QString file = TempFile("negative.mbir");
    QVERIFY(ExportMemoboard(memoboard, "Plans", file).Ok);
    const QList<QByteArray> lines = ReadFile(file).split('\n');
    QVERIFY(lines.value(2).startsWith("#N|0-0,0-"));
    QVERIFY(lines.value(3).startsWith("#N|0-40,0-"));
    const TExchangeResult result = ImportMemoboard(file);
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(Rows(QStringLiteral("SELECT Position,Size FROM Note WHERE ParentId=%1 ORDER BY Id")
                      .arg(result.TabId)),
             (QStringList{"0,0|172,120", "40,0|172,120"}));
}

void TestMemoboardExchange::roundTripKeepsEveryNoteState() {
    const int memoboard = InsertMemoboardRow(u"项目 Velmar"_qs);
    const int ideas = InsertTabRow(memoboard, "Ideas", 1, 33023, 8454143, "sea.jpg");
    const int chinese = InsertTabRow(memoboard, u"海报"_qs, 2, 128, 16744703);
    InsertTabRow(memoboard, "Empty", 0, 65408, 12632256);
    InsertNoteRow({.parentId = ideas, .position = "6,6", .type = 1});
    InsertNoteRow({.parentId = ideas, .position = "300,40", .type = 2});
    InsertNoteRow({.parentId = ideas, .type = 3});
    InsertNoteRow({.parentId = ideas, .type3 = 1, .noteType = 4});
    InsertNoteRow({.parentId = chinese,
                   .content = u"你好，世界\r\n\t第二行 with blanks"_qs.toUtf8(),
                   .rtf = "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 "
                          "\\'cb\\'ce\\'cc\\'e5;}}\r\n\\f0\\'c4\\'e3\\'ba\\'c3\\u20320?\\par\r\n"
                          "{\\pict\\pngblip\\picw1\\pich1 89504e470d0a1a0a0000000d49484452}\\par}",
                   .color = 16744703,
                   .type2 = 2,
                   .nTime = "46400.375",
                   .timeOut = 3,
                   .timeOutType = 7});
    const QString file = TempFile("round.mbir");
    QVERIFY(ExportMemoboard(memoboard, u"项目 Velmar"_qs, file).Ok);

    Opened opened;
    const TExchangeResult result = ImportMemoboard(file, opened.Callback());
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(MemoboardContent(result.MemoboardId), MemoboardContent(memoboard));
    QCOMPARE(MemoboardContent(memoboard).size(), 1 + 3 + 5);
    QCOMPARE(opened.tabId, Rows("SELECT max(Id) FROM Memoboard").value(0).toInt());
}

void TestMemoboardExchange::anyLineEndEndsALine_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestMemoboardExchange::anyLineEndEndsALine() {
    QFETCH(QByteArray, lineEnd);
    const QString file = TempFile("ends.mbir");
    QStringList lines;
    for (const QByteArray& line : ReadFile(FixturePath("plans-with-notes.mbir")).split('\n'))
        if (!line.isEmpty())
            lines.append(QString::fromLatin1(line.chopped(1)));
    QCOMPARE(lines.size(), 4);
    WriteLines(file, lines, lineEnd);
    const TExchangeResult result = ImportMemoboard(file);
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(Rows(QStringLiteral("SELECT ParentId,Position,Content,Type FROM Note ORDER BY Id")),
             (QStringList{QStringLiteral("%1|12,12|hello|1").arg(result.TabId),
                          QStringLiteral("%1|12,12|hello|3").arg(result.TabId)}));
}

void TestMemoboardExchange::brokenFileChangesNothing_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("refuseNotes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("note before any tab")
        << "note-before-tab.mbir" << false << "line 2: a note record before any tab record";
    QTest::newRow("tab before the memoboard")
        << "tab-before-memoboard.mbir" << false << "line 1: a tab record before any memoboard";
    QTest::newRow("tab with five fields")
        << "tab-five-fields.mbir" << false << "line 2: the record has 5 fields, 6 needed";
    QTest::newRow("note with fourteen fields")
        << "note-fourteen-fields.mbir" << false << "line 3: the record has 14 fields, 15 needed";
    QTest::newRow("bad integer") << "bad-integer.mbir" << false
                                 << "line 3: field 4 (\"84541x3\") is not an integer";
    QTest::newRow("bad Base64") << "bad-base64.mbir" << false << "line 3: field 2 is not Base64";
    QTest::newRow("cut in the middle")
        << "cut-in-the-middle.mbir" << false << "line 4 has no line end: the file is cut short";
    QTest::newRow("date-time with a tab")
        << "time-with-a-tab.mbir" << false
        << "line 4: field 10 (\"46366.5\t\") is not a date-time number";
    QTest::newRow("second memoboard")
        << "second-memoboard.mbir" << false << "line 3: a second memoboard record";
    QTest::newRow("no memoboard") << "no-memoboard.mbir" << false << "no memoboard record";
    QTest::newRow("missing file") << "missing.mbir" << false << "cannot read";
    QTest::newRow("note refused by the database")
        << "plans-with-notes.mbir" << true << "line 3: the database refused the record";
}

void TestMemoboardExchange::brokenFileChangesNothing() {
    QFETCH(QString, fixture);
    QFETCH(bool, refuseNotes);
    QFETCH(QString, reason);
    CheckRefused(
        [&](const TOpenMemoboard& open) { return ImportMemoboard(FixturePath(fixture), open); },
        reason, refuseNotes);
}

void TestMemoboardExchange::CheckRefused(
    const std::function<TExchangeResult(const TOpenMemoboard&)>& import, const QString& reason,
    bool refuseNotes) {
    const int kept = InsertMemoboardRow("Kept");
    InsertNoteRow({.parentId = InsertTabRow(kept, "Tab1", 3, 128, 128)});
    if (refuseNotes)
        RefuseStatements("INSERT", "Note");
    const QStringList before = StoreDump();

    Opened opened;
    const TExchangeResult result = import(opened.Callback());

    QVERIFY(!result.Ok);
    QVERIFY2(result.Error.contains(reason), qPrintable(result.Error));
    QCOMPARE(opened.calls, 0);
    QCOMPARE(StoreDump(), before);
    // The shared connection is usable again: the transaction did not stay open.
    QVERIFY(ImportMemoboard(FixturePath("plans.mbir")).Ok);
}

void TestMemoboardExchange::recordThatDoesNotFitChangesNothing_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    const QByteArray plansLf = QByteArray(kPlansHead).replace("\r\n", "\n");
    const auto note = [&](int field, const QString& value) {
        return kPlansHead + NoteWith(field, value).toLatin1() + "\r\n";
    };
    QTest::newRow("cut inside the tab's colour")
        << kPlansHead.chopped(7) << "line 2 has no line end: the file is cut short";
    QTest::newRow("whole note without its line end, LF file")
        << plansLf + NoteWith(0, "#N|0").toLatin1() << "line 3 has no line end";
    QTest::newRow("size out of range")
        << note(9, "99999999999999999999,")
        << "line 3: field 9 (\"99999999999999999999,\") is not two integers joined by a comma";
    QTest::newRow("height out of range")
        << note(9, "172,2147483648") << "field 9 (\"172,2147483648\") is not two integers";
    QTest::newRow("position without its comma")
        << note(1, "12") << "field 1 (\"12\") is not two integers";
    QTest::newRow("colour out of range")
        << note(4, "4294967296") << "field 4 (\"4294967296\") is not an integer";
    QTest::newRow("due time out of range")
        << note(12, "1e300") << "field 12 (\"1e300\") is not a date-time number";
    QTest::newRow("creation time no number")
        << note(10, "46366.5x") << "field 10 (\"46366.5x\") is not a date-time number";
    QTest::newRow("a stray -1 in a note's position")
        << note(1, "-1,5") << "line 3: the record has 16 fields, 15 needed";
    QTest::newRow("a field too many after a note")
        << note(14, "0-0") << "line 3: the record has 16 fields, 15 needed";
    QTest::newRow("a stray -1 in a tab's colour") << kPlansHead + "#T|0-VGFiMQ==-3--1--8421631\r\n"
                                                  << "line 3: the record has 7 fields, 6 needed";
    QTest::newRow("tab placement no number") << kPlansHead + "#T|0-VGFiMQ==-x-65535--8421631\r\n"
                                             << "line 3: field 2 (\"x\") is not an integer";
    QTest::newRow("memoboard record with seven fields")
        << QByteArray("#M|0-UGxhbnM=-0-0--0-\r\n") << "line 1: the record has 7 fields, 6 needed";
    QTest::newRow("size longer than its column")
        << note(9, "2147483647,2147483647")
        << "field 9 (\"2147483647,2147483647\") is not a pair that fits its column";
    QTest::newRow("creation time longer than its column")
        << note(10, "0000000000000000000046366.5")
        << "field 10 (\"0000000000000000000046366.5\") is not a date-time number that fits";
    QTest::newRow("a long broken field is quoted short")
        << note(4, QString(100, u'9'))
        << "field 4 (\"9999999999999999999999999999999999999999...\")";
}

void TestMemoboardExchange::recordThatDoesNotFitChangesNothing() {
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    CheckRefused([&](const TOpenMemoboard& open) { return ImportMemoboardText(text, open); },
                 reason);
}

void TestMemoboardExchange::pairIsStoredAsTheProgramWritesIt() {
    const TExchangeResult result = ImportMemoboardText(
        kPlansHead + NoteWith(1, QString(60, u'0') + "12,0034").toLatin1() + "\r\n");
    QVERIFY2(result.Ok, qPrintable(result.Error));
    Dataset rows;
    QueryInto(QStringLiteral("SELECT Position FROM Note"), rows);
    QCOMPARE(rows.FieldByName(QStringLiteral("Position")).AsString(), QStringLiteral("12,34"));
}

void TestMemoboardExchange::largeNoteRoundTrip_data() {
    QTest::addColumn<qsizetype>("bytes");
    QTest::newRow("200 KB") << qsizetype(200 * 1024);
    QTest::newRow("1 MB") << qsizetype(1024 * 1024);
    QTest::newRow("10 MB") << qsizetype(10 * 1024 * 1024);
}

void TestMemoboardExchange::largeNoteRoundTrip() {
    QFETCH(qsizetype, bytes);
    const int memoboard = InsertMemoboardRow("Photos");
    const int tab = InsertTabRow(memoboard, "Tab1", 3, 65535, 8421631);
    const QByteArray rtf = PictureRtf(bytes);
    const int note = InsertNoteRow({.parentId = tab, .content = rtf.right(bytes / 4), .rtf = rtf});
    const QString file = TempFile("photos.mbir");
    QVERIFY(ExportMemoboard(memoboard, "Photos", file).Ok);
    // Still one line per record, however long.
    QCOMPARE(ReadFile(file).count("\r\n"), 3);
    QCOMPARE(ReadFile(file).count('\n'), 3);

    const TExchangeResult result = ImportMemoboard(file);
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(Rows(QStringLiteral("SELECT count(*) FROM Note a, Note b WHERE a.Id=%1 AND "
                                 "b.ParentId=%2 AND a.Rtf=b.Rtf AND a.Content=b.Content")
                      .arg(note)
                      .arg(result.TabId)),
             QStringList{"1"});
}

void TestMemoboardExchange::importedPictureNameKeepsTheFileNameOnly() {
    const TExchangeResult result = ImportMemoboard(FixturePath("climbing-bgimg.mbir"));
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(
        Rows(QStringLiteral("SELECT Position,Bgimg FROM Memoboard WHERE Id=%1").arg(result.TabId)),
        QStringList{"2|x"});
}

void TestMemoboardExchange::importWaitsForABusyDatabase() {
    BusyReader reader(VelmarPaths::DatabasePath());
    QVERIFY(reader.Holding());
    reader.ReleaseAfter(300ms);
    const TExchangeResult result = ImportMemoboard(FixturePath("plans-with-notes.mbir"));
    QVERIFY2(result.Ok, qPrintable(result.Error));
    QCOMPARE(Rows("SELECT count(*) FROM Note"), QStringList{"2"});
}

void TestMemoboardExchange::unwritableExportFileFails() {
    const int memoboard = InsertMemoboardRow("Plans");
    const QString file = TempFile("no such folder/Plans.mbir");
    const TExchangeResult result = ExportMemoboard(memoboard, "Plans", file);
    QVERIFY(!result.Ok);
    QVERIFY2(result.Error.contains("cannot write"), qPrintable(result.Error));
    QVERIFY(!QFile::exists(file));
}

void TestMemoboardExchange::exportToAFullPlaceFailsAndLeavesNothing_data() {
    QTest::addColumn<bool>("device");
    QTest::newRow("full device") << true;
    QTest::newRow("full file system") << false;
}

void TestMemoboardExchange::exportToAFullPlaceFailsAndLeavesNothing() {
    QFETCH(bool, device);
    const QString folder = TempFile("full");
    QVERIFY(QDir().mkpath(folder));
    std::optional<SmallFileSystem> small;
    if (!device) {
        small.emplace(folder, 64 * 1024);
        if (!small->Mounted())
            QSKIP(qPrintable(small->Reason()));
    }
    const QString target = device ? FullDevice(folder) : folder + QStringLiteral("/Photos.mbir");
    const int memoboard = InsertMemoboardRow("Photos");
    InsertNoteRow(
        {.parentId = InsertTabRow(memoboard, "Tab1", 3, 128, 128), .rtf = PictureRtf(200 * 1024)});
    const QStringList entries = FolderEntries(folder);

    const TExchangeResult result = ExportMemoboard(memoboard, "Photos", target);

    QVERIFY(!result.Ok);
    QVERIFY2(result.Error.contains("No space left on device"), qPrintable(result.Error));
    QCOMPARE(FolderEntries(folder), entries);
    QVERIFY(!QFileInfo(target).isFile());
}

void TestMemoboardExchange::exportIsOwnerOnly_data() {
    QTest::addColumn<bool>("replacing");
    QTest::newRow("new file") << false;
    QTest::newRow("replacing a file everyone may read") << true;
}

void TestMemoboardExchange::exportIsOwnerOnly() {
    QFETCH(bool, replacing);
    const mode_t umaskBefore = ::umask(022);
    const QString file = TempFile("Plans.mbir");
    if (replacing) {
        WriteLines(file, {"old"});
        QCOMPARE(FileMode(file), 0644);
    }
    const int memoboard = InsertMemoboardRow("Plans");
    const bool exported = ExportMemoboard(memoboard, "Plans", file).Ok;
    ::umask(umaskBefore);
    QVERIFY(exported);
    QCOMPARE(FileMode(file), 0600);
    QCOMPARE(ReadFile(file), QByteArray("#M|0-UGxhbnM=-0-0--0\r\n"));
}

QTEST_GUILESS_MAIN(TestMemoboardExchange)
#include "tst_memoboard_exchange.moc"
