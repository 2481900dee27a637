// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "untAutorun.h"
#include "untSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void autorunOffAndOnLeavesOneEntry();
    void autorunEntryNamesThisProgram();
    void secondInstanceIsRefusedUntilTheFirstEnds();
    void lockWithoutItsFileSaysSoAndLetsTheProgramRun();
};

void TestPlatform::autorunOffAndOnLeavesOneEntry() {
    TestDataFolder folder;
    QVERIFY(!Autorun::IsEnabled());
    QVERIFY(Autorun::EnableAutorun());
    Autorun::DisableAutorun();
    QVERIFY(!Autorun::IsEnabled());
    QVERIFY(Autorun::EnableAutorun());
    QVERIFY(Autorun::EnableAutorun());
    const QDir autostart(QFileInfo(Autorun::EntryPath()).absolutePath());
    QCOMPARE(autostart.entryList(QDir::Files), QStringList({"VelmarNotes.desktop"}));
    Autorun::DisableAutorun();
    Autorun::DisableAutorun(); // a second switch-off is harmless
    QVERIFY(autostart.entryList(QDir::Files).isEmpty());
}

void TestPlatform::autorunEntryNamesThisProgram() {
    TestDataFolder folder;
    QVERIFY(Autorun::EnableAutorun());
    QFile entry(Autorun::EntryPath());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("Type=Application\n"));
    QVERIFY(text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\"\n"));
}

void TestPlatform::secondInstanceIsRefusedUntilTheFirstEnds() {
    TestDataFolder folder;
    auto first = std::make_unique<SingleInstance>();
    QVERIFY(first->Acquire());
    QVERIFY(QFile::exists(folder.Root() + "/runtime/Velmar Notes.lock"));
    SingleInstance second;
    QVERIFY(!second.Acquire());
    first.reset();
    SingleInstance third;
    QVERIFY(third.Acquire());
}

void TestPlatform::lockWithoutItsFileSaysSoAndLetsTheProgramRun() {
    TestDataFolder folder;
    // Not even root creates a file in a folder that does not exist.
    const QString runtime = folder.Root() + "/no such folder";
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    QTest::ignoreMessage(QtWarningMsg, "cannot create the single-copy lock \"" + runtime.toUtf8() +
                                           "/Velmar Notes.lock\" (No such file or directory); "
                                           "starting without it");
    SingleInstance instance;
    QVERIFY(instance.Acquire());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
