// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"
#include "untPaths.h"
#include "untProgramFolders.h"
#include "untSoundPlayer.h"

#include <QFile>
#include <QtTest>

class TestSoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void findsTheFileInTheProgramFolders_data();
    void findsTheFileInTheProgramFolders();
    void missingFilePlaysTheThemeEvent_data();
    void missingFilePlaysTheThemeEvent();
    void recordsEveryRequestInOrder();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestSoundPlayer::init() {
    FFolder = std::make_unique<TestDataFolder>();
    QVERIFY(VelmarPaths::EnsureDataFolder());
}

void TestSoundPlayer::cleanup() {
    FFolder.reset();
}

void TestSoundPlayer::findsTheFileInTheProgramFolders_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("copyInDataFolder");
    QTest::addColumn<bool>("fromDataFolder");
    QTest::newRow("shipped chime") << "reminder.wav" << false << false;
    QTest::newRow("user's copy of the chime wins") << "reminder.wav" << true << true;
    QTest::newRow("user's own sound") << "bells.wav" << true << true;
}

void TestSoundPlayer::findsTheFileInTheProgramFolders() {
    QFETCH(QString, name);
    QFETCH(bool, copyInDataFolder);
    QFETCH(bool, fromDataFolder);
    if (copyInDataFolder) {
        QFile copy(VelmarPaths::DataFolder() + name);
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("RIFF");
    }
    TSoundPlayer player(TSoundPlayer::Output::RecordOnly);
    player.Play(name);
    const QString folder = fromDataFolder ? VelmarPaths::DataFolder() : ProgramFolders::Installed();
    QCOMPARE(player.Requests(), QList<TSoundRequest>({{name, folder + name}}));
}

void TestSoundPlayer::missingFilePlaysTheThemeEvent_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("deleted sound") << "gone.wav";
    QTest::newRow("empty setting") << "";
    QTest::newRow("a folder, not a file") << "../VelmarNotes";
}

void TestSoundPlayer::missingFilePlaysTheThemeEvent() {
    QFETCH(QString, name);
    TSoundPlayer player(TSoundPlayer::Output::RecordOnly);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("not found; playing the theme's.*alarm-clock-elapsed"));
    player.Play(name);
    QCOMPARE(player.Requests(), QList<TSoundRequest>({{name, QString()}}));
}

void TestSoundPlayer::recordsEveryRequestInOrder() {
    TSoundPlayer player(TSoundPlayer::Output::RecordOnly);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not found"));
    player.Play("reminder.wav");
    player.Play("gone.wav");
    player.Play("reminder.wav");
    QList<QString> names;
    for (const TSoundRequest& request : player.Requests())
        names << request.name;
    QCOMPARE(names, QList<QString>({"reminder.wav", "gone.wav", "reminder.wav"}));
    QVERIFY(player.Requests().at(1).file.isEmpty());
}

QTEST_GUILESS_MAIN(TestSoundPlayer)
#include "tst_sound_player.moc"
