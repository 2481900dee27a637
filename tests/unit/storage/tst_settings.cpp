#include "TestDataFolder.h"
#include "untParam.h"

#include <QFile>
#include <QtTest>

namespace {
void WriteConfig(const QByteArray& text) {
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}
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
    void fontSizeIsAnIndex();
    void hotKeys();
    void unwritableFileRaises();
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

void TestSettings::unwritableFileRaises() {
    TestDataFolder folder;
    // A folder where the file should be cannot be written, even by root.
    QVERIFY(QDir().mkpath(SettingsPath()));
    QVERIFY_THROWS_EXCEPTION(SettingsError, WriteIntSetting("NoteColor", 1));
    QCOMPARE(ReadSetting(SysConfig::NoteColor), 12615680);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
