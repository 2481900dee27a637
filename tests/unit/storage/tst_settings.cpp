// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsSnapshot.h"
#include "TestDataFolder.h"
#include "untParam.h"
#include "untPaths.h"

#include <QDirIterator>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using SettingsWrite = std::function<void()>;
Q_DECLARE_METATYPE(SettingsWrite)
Q_DECLARE_METATYPE(IntSetting)

namespace {
void WriteConfig(const QByteArray& text) {
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// The file's bytes; a null array when there is no such file.
QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes every write beyond `bytes` into a file fail (EFBIG), as on a full disk; unlike file
// permissions this holds for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &FOld);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, FOld.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};

// Gives a file or folder the permissions `during` for its lifetime, then `after`.
class TemporaryPermissions {
public:
    TemporaryPermissions(QString path, QFileDevice::Permissions during,
                         QFileDevice::Permissions after)
        : FPath(std::move(path)), FAfter(after) {
        QFile::setPermissions(FPath, during);
    }
    ~TemporaryPermissions() { QFile::setPermissions(FPath, FAfter); }
    TemporaryPermissions(const TemporaryPermissions&) = delete;
    TemporaryPermissions& operator=(const TemporaryPermissions&) = delete;

private:
    QString FPath;
    QFileDevice::Permissions FAfter;
};

enum class Obstacle { FolderInTheFilesPlace, FullDisk, ReadOnlyFolder, UnreadableFile };
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void defaultsFromMissingOrEmptyFile_data();
    void defaultsFromMissingOrEmptyFile();
    void valuesAreReadAsWritten();
    void valueParsing_data();
    void valueParsing();
    void keysMatchWithoutCase();
    void writersKeepEachOthersEntries();
    void changesMadeElsewhereShowAtOnce();
    void fontSizeIsAnIndex();
    void hotKeys();
    void outOfRangeReadsAsDefault_data();
    void outOfRangeReadsAsDefault();
    void writingWhatAKeyReadsLeavesTheFileAlone_data();
    void writingWhatAKeyReadsLeavesTheFileAlone();
    void writeKeepsTheFilesShape_data();
    void writeKeepsTheFilesShape();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void fixturesReadTheSameAfterAWrite_data();
    void fixturesReadTheSameAfterAWrite();
};

void TestSettings::defaultsFromMissingOrEmptyFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("createFile");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("other section only") << QByteArray("[hotkey]\r\nFindNotes=1\r\n") << true;
}

void TestSettings::defaultsFromMissingOrEmptyFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, createFile);
    TestDataFolder folder;
    if (createFile)
        WriteConfig(content);
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 1);
    QCOMPARE(ReadSetting(SysConfig::OnTheTop), true);
    QCOMPARE(ReadSetting(SysConfig::ShowAllDeskNotes), true);
    QCOMPARE(ReadSetting(SysConfig::ExitReminder), false);
    QCOMPARE(ReadSetting(SysConfig::IsShowWelcome), true);
    QCOMPARE(ReadSetting(SysConfig::AutoRun), true);
    QCOMPARE(ReadSetting(SysConfig::DefautNoteType), 0);
    QCOMPARE(ReadSetting(SysConfig::FontName), QString("Tahoma"));
    QCOMPARE(ReadSetting(SysConfig::FontSize), 0);
    QCOMPARE(ReadSetting(SysConfig::NoteColor), 12615680);
    QCOMPARE(ReadSetting(SysConfig::ReminderIsPlaySound), true);
    QCOMPARE(ReadSetting(SysConfig::IsRepeatSound), true);
    QCOMPARE(ReadSetting(SysConfig::RepeatTime), QString("30"));
    QCOMPARE(ReadSetting(SysConfig::ReminderSount), QString("reminder.wav"));
    QCOMPARE(ReadSetting(SysConfig::Snoozefor), QString("5"));
    // Reading writes nothing.
    QCOMPARE(QFile::exists(SettingsPath()), createFile);
}

void TestSettings::valuesAreReadAsWritten() {
    TestDataFolder folder;
    WriteBoolSetting("onthetop", false);
    WriteBoolSetting("ExitReminder", true);
    WriteIntSetting("NotepadDisply", 3);
    WriteTextSetting("FontName", u"文泉驿 Micro Hei"_qs);
    QCOMPARE(ReadSetting(SysConfig::OnTheTop), false);
    QCOMPARE(ReadSetting(SysConfig::ExitReminder), true);
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 3);
    QCOMPARE(ReadSetting(SysConfig::FontName), u"文泉驿 Micro Hei"_qs);

    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[sysconfig]"));
    QVERIFY(text.contains("onthetop=0"));
    QVERIFY(text.contains("ExitReminder=1"));
}

void TestSettings::valueParsing_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("asInteger");
    QTest::addColumn<bool>("asBoolean");
    // Defaults here: integer 42, boolean true.
    QTest::newRow("one") << QByteArray("1") << 1 << true;
    QTest::newRow("zero") << QByteArray("0") << 0 << false;
    QTest::newRow("other non-zero") << QByteArray("7") << 7 << true;
    QTest::newRow("negative") << QByteArray("-3") << -3 << true;
    QTest::newRow("hexadecimal") << QByteArray("0x1F") << 31 << true;
    QTest::newRow("leading zero is decimal") << QByteArray("010") << 10 << true;
    QTest::newRow("yes reads as default") << QByteArray("yes") << 42 << true;
    QTest::newRow("false reads as default") << QByteArray("false") << 42 << true;
    QTest::newRow("empty reads as default") << QByteArray("") << 42 << true;
}

void TestSettings::valueParsing() {
    QFETCH(QByteArray, stored);
    QFETCH(int, asInteger);
    QFETCH(bool, asBoolean);
    TestDataFolder folder;
    WriteConfig("[sysconfig]\r\nvalue=" + stored + "\r\n");
    QCOMPARE(ReadIntSetting("value", 42), asInteger);
    QCOMPARE(ReadBoolSetting("value", true), asBoolean);
}

void TestSettings::keysMatchWithoutCase() {
    TestDataFolder folder;
    WriteConfig("[SysConfig]\r\nNOTEPADDISPLY=2\r\nfontname=Arial\r\n");
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 2);
    QCOMPARE(ReadSetting(SysConfig::FontName), QString("Arial"));
    WriteIntSetting("notepaddisply", 3);
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 3);
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toLower().count("notepaddisply"), 1);
}

void TestSettings::writersKeepEachOthersEntries() {
    TestDataFolder folder;
    WriteIntSetting("NoteColor", 255);
    StoreHotKeys({"FindNotes=16454"});
    WriteTextSetting("Snoozefor", "10");
    QCOMPARE(ReadSetting(SysConfig::NoteColor), 255);
    QCOMPARE(ReadHotKey(0), 16454);
    QCOMPARE(ReadSetting(SysConfig::Snoozefor), QString("10"));
}

// Another program (an editor, a second copy of ours) changes the file between two reads: each
// read answers what the file holds then, even when the file keeps its size and its time stamp.
void TestSettings::changesMadeElsewhereShowAtOnce() {
    TestDataFolder folder;
    WriteConfig("[sysconfig]\r\nNotepadDisply=2\r\n");
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 2);
    WriteConfig("[sysconfig]\r\nNotepadDisply=3\r\n");
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 3);
    QVERIFY(QFile::remove(SettingsPath()));
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 1);
    QVERIFY(QDir().mkdir(SettingsPath()));
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 1);
    QVERIFY(QDir().rmdir(SettingsPath()));
    WriteConfig("[sysconfig]\r\nNotepadDisply=2\r\n");
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 2);
    // A write starts from the file as it is now, not as it was last read.
    WriteConfig("[sysconfig]\r\nNotepadDisply=3\r\nFontName=Arial\r\n");
    WriteIntSetting("NoteColor", 255);
    QCOMPARE(ReadSetting(SysConfig::NotepadDisply), 3);
    QCOMPARE(ReadSetting(SysConfig::FontName), QString("Arial"));
    QCOMPARE(ReadSetting(SysConfig::NoteColor), 255);
}

void TestSettings::fontSizeIsAnIndex() {
    TestDataFolder folder;
    WriteIntSetting("FontSize", 5);
    QCOMPARE(FontSizeList().at(ReadSetting(SysConfig::FontSize)), QString("14"));
    QCOMPARE(FontSizeList().size(), 16);
    QCOMPARE(FontSizeList().first(), QString("8"));
    QCOMPARE(FontSizeList().last(), QString("72"));
}

void TestSettings::hotKeys() {
    TestDataFolder folder;
    QCOMPARE(HotKeyCommandName(0), QString("FindNotes"));
    QCOMPARE(HotKeyCommandName(3), QString("RadomColors"));
    QCOMPARE(HotKeyCommandName(8), QString("HideAll"));
    QVERIFY(HotKeyCommandName(9).isEmpty());
    QVERIFY(HotKeyCommandName(-1).isEmpty());
    for (int i = 0; i < 9; ++i)
        QCOMPARE(ReadHotKey(i), 0);
    StoreHotKeys({"FindNotes=16454", "HideAll=0", "DateTime=0x4044", "ShowAll=49222"});
    QCOMPARE(ReadHotKey(0), 16454);
    QCOMPARE(ReadHotKey(2), 0x4044);
    QCOMPARE(ReadHotKey(7), 49222);
    QCOMPARE(ReadHotKey(8), 0);
    QCOMPARE(ReadHotKey(9), 0);
}

void TestSettings::outOfRangeReadsAsDefault_data() {
    QTest::addColumn<IntSetting>("setting");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("note kind 2147483647")
        << SysConfig::DefautNoteType << QByteArray("2147483647") << 0;
    QTest::newRow("note kind -3") << SysConfig::DefautNoteType << QByteArray("-3") << 0;
    QTest::newRow("note kind 4") << SysConfig::DefautNoteType << QByteArray("4") << 0;
    QTest::newRow("note kind 3") << SysConfig::DefautNoteType << QByteArray("3") << 3;
    QTest::newRow("font size -1") << SysConfig::FontSize << QByteArray("-1") << 0;
    QTest::newRow("font size 16") << SysConfig::FontSize << QByteArray("16") << 0;
    QTest::newRow("font size 15") << SysConfig::FontSize << QByteArray("15") << 15;
    QTest::newRow("note colour -1") << SysConfig::NoteColor << QByteArray("-1") << 12615680;
    QTest::newRow("note colour with a high byte")
        << SysConfig::NoteColor << QByteArray("0x1000000") << 12615680;
    QTest::newRow("note colour white")
        << SysConfig::NoteColor << QByteArray("0xFFFFFF") << 0xFFFFFF;
    QTest::newRow("note colour black") << SysConfig::NoteColor << QByteArray("0") << 0;
    // Every value of NotepadDisply has a meaning (others show nothing at start).
    QTest::newRow("notepad display 0") << SysConfig::NotepadDisply << QByteArray("0") << 0;
}

void TestSettings::outOfRangeReadsAsDefault() {
    QFETCH(IntSetting, setting);
    QFETCH(QByteArray, stored);
    QFETCH(int, read);
    TestDataFolder folder;
    WriteConfig("[sysconfig]\r\n" + QByteArray(setting.key) + '=' + stored + "\r\n");
    QCOMPARE(ReadSetting(setting), read);
}

void TestSettings::writingWhatAKeyReadsLeavesTheFileAlone_data() {
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<SettingsWrite>("write");
    QTest::newRow("no file, default boolean")
        << QByteArray() << SettingsWrite([] { WriteBoolSetting("onthetop", true); });
    QTest::newRow("no file, default integer")
        << QByteArray() << SettingsWrite([] { WriteIntSetting("NotepadDisply", 1); });
    QTest::newRow("no file, default text")
        << QByteArray() << SettingsWrite([] { WriteTextSetting("FontName", "Tahoma"); });
    QTest::newRow("no file, no hot keys") << QByteArray() << SettingsWrite([] {
        StoreHotKeys({"FindNotes=0", "HideAll=0x0"});
    });
    QTest::newRow("hexadecimal stays") << QByteArray("[sysconfig]\r\nNoteColor=0xFF\r\n")
                                       << SettingsWrite([] { WriteIntSetting("NoteColor", 255); });
    QTest::newRow("any non-zero boolean is true")
        << QByteArray("[sysconfig]\r\nonthetop=7\r\n")
        << SettingsWrite([] { WriteBoolSetting("OnTheTop", true); });
    QTest::newRow("no integer reads as the default")
        << QByteArray("[sysconfig]\r\nshowalldesknotes=yes\r\n")
        << SettingsWrite([] { WriteBoolSetting("showalldesknotes", true); });
    QTest::newRow("same hot key") << QByteArray("[hotkey]\r\nFindNotes=16454\r\n")
                                  << SettingsWrite([] {
                                         StoreHotKeys({"findnotes=0x4046", "ShowAll=0"});
                                     });
    QTest::newRow("file with a byte-order mark and comments")
        << QByteArray("\xEF\xBB\xBF; mine\r\n[sysconfig]\r\nNotepadDisply = 3\r\n; end\r\n")
        << SettingsWrite([] {
               WriteIntSetting("NotepadDisply", 3);
               WriteBoolSetting("ExitReminder", false);
               WriteTextSetting("Snoozefor", "5");
           });
}

void TestSettings::writingWhatAKeyReadsLeavesTheFileAlone() {
    QFETCH(QByteArray, content);
    QFETCH(SettingsWrite, write);
    TestDataFolder folder;
    if (!content.isNull())
        WriteConfig(content);
    write();
    QCOMPARE(FileBytes(SettingsPath()), content);
}

void TestSettings::writeKeepsTheFilesShape_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("CR LF and a byte-order mark")
        << QByteArray("\r\n") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("LF") << QByteArray("\n") << QByteArray();
}

void TestSettings::writeKeepsTheFilesShape() {
    QFETCH(QByteArray, lineEnd);
    QFETCH(QByteArray, start);
    TestDataFolder folder;
    const QByteArrayList before = {"; Velmar Notes",
                                   "",
                                   "[sysconfig]",
                                   "; shown on the desktop and in the tray",
                                   "NotepadDisply=1",
                                   "NoteColor=65280",
                                   "ComingLater=some value",
                                   "",
                                   "[hotkey]",
                                   "FindNotes=16454",
                                   "",
                                   "# another program's section",
                                   "[addon]",
                                   "name=x",
                                   "; the end"};
    WriteConfig(start + before.join(lineEnd) + lineEnd);
    WriteIntSetting("NoteColor", 255);
    StoreHotKeys({"HideAll=49222"});

    const QByteArray after = FileBytes(SettingsPath());
    QVERIFY2(after.startsWith(start + "; Velmar Notes" + lineEnd), after.constData());
    QCOMPARE(after.count('\n'), after.count(lineEnd));
    QVERIFY(!after.contains("65280"));
    QByteArrayList expected = before;
    expected.removeAll(QByteArray());
    expected.replace(expected.indexOf("NoteColor=65280"), "NoteColor=255");
    expected.insert(expected.indexOf("FindNotes=16454") + 1, "HideAll=49222");
    qsizetype from = 0;
    for (const QByteArray& line : expected) {
        const qsizetype at = after.indexOf(line + lineEnd, from);
        QVERIFY2(at >= from, qPrintable(line + " missing or out of place in:\n" + after));
        from = at + line.size();
    }
    QVERIFY(after.endsWith("; the end" + lineEnd));
}

void TestSettings::failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("folder in the file's place") << Obstacle::FolderInTheFilesPlace;
    QTest::newRow("full disk") << Obstacle::FullDisk;
    QTest::newRow("read-only folder") << Obstacle::ReadOnlyFolder;
    QTest::newRow("unreadable file") << Obstacle::UnreadableFile;
}

void TestSettings::failedWriteKeepsTheOldFile() {
    QFETCH(Obstacle, obstacle);
    if ((obstacle == Obstacle::ReadOnlyFolder || obstacle == Obstacle::UnreadableFile) &&
        geteuid() == 0)
        QSKIP("root reads and writes whatever the permissions say");
    TestDataFolder folder;
    const QByteArray old = "[sysconfig]\r\nNoteColor=65280\r\n[addon]\r\nname=x\r\n";
    if (obstacle == Obstacle::FolderInTheFilesPlace)
        QVERIFY(QDir().mkpath(SettingsPath()));
    else
        WriteConfig(old);

    std::optional<QString> error;
    {
        std::optional<FileSizeLimit> fullDisk;
        std::optional<TemporaryPermissions> permissions;
        if (obstacle == Obstacle::FullDisk)
            fullDisk.emplace(old.size() / 2);
        if (obstacle == Obstacle::ReadOnlyFolder) // no writing into the folder
            permissions.emplace(folder.DataFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner,
                                QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner);
        if (obstacle == Obstacle::UnreadableFile) // the file stays writable
            permissions.emplace(SettingsPath(), QFileDevice::WriteOwner,
                                QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        try {
            WriteIntSetting("NoteColor", 1);
        } catch (const SettingsError& raised) {
            error = QString::fromUtf8(raised.what());
        }
    }
    QVERIFY(error);
    QVERIFY2(error->contains(SettingsPath()), qPrintable(*error));
    if (obstacle == Obstacle::FolderInTheFilesPlace) {
        QVERIFY(QFileInfo(SettingsPath()).isDir());
        QCOMPARE(ReadSetting(SysConfig::NoteColor), 12615680);
        return;
    }
    QCOMPARE(FileBytes(SettingsPath()), old);
    QCOMPARE(ReadSetting(SysConfig::NoteColor), 65280);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(folder.DataFolder()).entryList(QDir::Files), QStringList{"config.ini"});
}

// The fuzzer's check on our fixtures and its finds (tests/data/config).
void TestSettings::fixturesReadTheSameAfterAWrite_data() {
    QTest::addColumn<QString>("path");
    QDirIterator files(QStringLiteral(VELMAR_CONFIG_FIXTURES_DIR), {QStringLiteral("*.ini")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QTest::newRow(qPrintable(path.mid(qstrlen(VELMAR_CONFIG_FIXTURES_DIR) + 1))) << path;
    }
}

void TestSettings::fixturesReadTheSameAfterAWrite() {
    QFETCH(QString, path);
    TestDataFolder folder;
    QVERIFY(VelmarPaths::EnsureDataFolder());
    QVERIFY(QFile::copy(path, SettingsPath()));
    QFile::setPermissions(SettingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QMap<QString, QString> expected = WriteTwoChangedSettings();
    QCOMPARE(ReadEverySetting(), expected);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
