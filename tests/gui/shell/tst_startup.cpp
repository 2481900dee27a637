// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"
#include "ShellTestSupport.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "frmMessage.h"
#include "untParam.h"
#include "untPaths.h"
#include "untSchema.h"
#include "untStartup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTextEdit>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartMakesTheDatabaseBeforeTheNotepad();
    void notepadDisplay_data();
    void notepadDisplay();
    void otherDisplayValueLeavesTheNotepadAlone();
    void desktopNotesOpenAtStart();
    void hiddenNotesStayHiddenAtStart();
    void endSavesTheNoteBeingTyped();
    void failingQueryAtStartIsShownAndStartGoesOn();
    void startLeavesConfigIniAsItIs();
    void notepadShowsWhenConfigIniCannotBeWritten();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestStartup::init() {
    FFolder = std::make_unique<TestDataFolder>();
}

void TestStartup::cleanup() {
    DiscardOpenNotes();
    FFolder.reset();
}

void TestStartup::firstStartMakesTheDatabaseBeforeTheNotepad() {
    QVERIFY(!QFile::exists(VelmarPaths::DataFolder() + QStringLiteral("Data.db")));
    TVelmarProgram program;
    QVERIFY(QFile::exists(VelmarPaths::DataFolder() + QStringLiteral("Data.db")));
    QVERIFY(!program.MainForm().isVisible()); // nothing shows before Start
}

void TestStartup::notepadDisplay_data() {
    QTest::addColumn<int>("display");
    QTest::addColumn<bool>("notepadShown");
    QTest::addColumn<bool>("trayShown");
    QTest::newRow("1: notepad and tray") << 1 << true << true;
    QTest::newRow("2: notepad only") << 2 << true << false;
    QTest::newRow("3: tray only") << 3 << false << true;
}

void TestStartup::notepadDisplay() {
    QFETCH(int, display);
    QFETCH(bool, notepadShown);
    QFETCH(bool, trayShown);
    WriteIntSetting(QStringLiteral("NotepadDisply"), display);
    WriteBoolSetting(QStringLiteral("onthetop"), false);
    TVelmarProgram program;
    program.Start();
    TfmMainForm& form = program.MainForm();
    QCOMPARE(form.isVisible(), notepadShown);
    QCOMPARE(form.MFtray()->isVisible(), trayShown);
    // The show handler ran once in every case: placed, stored choices applied.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    QCOMPARE(form.pos(),
             QPoint(screen->geometry().width() - 2 * 84, area.y() + area.height() - 61 - 4));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Applying a stored choice writes nothing.
    QCOMPARE(ReadIntSetting(QStringLiteral("showalldesknotes"), 42), 42);
}

void TestStartup::otherDisplayValueLeavesTheNotepadAlone() {
    WriteIntSetting(QStringLiteral("NotepadDisply"), 0);
    TVelmarProgram program;
    program.Start();
    QVERIFY(!program.MainForm().isVisible());
    QVERIFY(!program.MainForm().MFtray()->isVisible());
    // The show handler never ran, so it stored nothing.
    QCOMPARE(ReadIntSetting(QStringLiteral("onthetop"), 42), 42);
}

void TestStartup::desktopNotesOpenAtStart() {
    TestNoteRow first;
    first.position = QStringLiteral("120,90");
    TestNoteRow second;
    second.position = QStringLiteral("400,300");
    const int firstId = InsertTestNote(first);
    const int secondId = InsertTestNote(second);
    TestNoteRow trashed;
    trashed.type = 3;
    InsertTestNote(trashed);

    TVelmarProgram program;
    program.Start();
    const QList<TfmNote*> notes = OpenNotes();
    QCOMPARE(notes.size(), 2);
    QSet<int> ids;
    for (TfmNote* note : notes) {
        QVERIFY(note->isVisible());
        ids.insert(note->NoteId());
        QCOMPARE(note->pos(), note->NoteId() == firstId ? QPoint(120, 90) : QPoint(400, 300));
    }
    QCOMPARE(ids, QSet<int>({firstId, secondId}));
}

void TestStartup::hiddenNotesStayHiddenAtStart() {
    InsertTestNote(TestNoteRow());
    WriteBoolSetting(QStringLiteral("showalldesknotes"), false);
    TVelmarProgram program;
    program.Start();
    const QList<TfmNote*> notes = OpenNotes();
    QCOMPARE(notes.size(), 1);
    QVERIFY(!notes.first()->isVisible());
    QVERIFY(program.MainForm().findChild<QAction*>(QStringLiteral("acHideAllNotes"))->isChecked());
}

void TestStartup::endSavesTheNoteBeingTyped() {
    TVelmarProgram program;
    program.Start();
    program.MainForm().NewNote(TfmMainForm::DefaultKind);
    TfmNote* note = OpenNotes().value(0);
    QVERIFY(note);
    QTest::keyClicks(note->retShow(), QStringLiteral("typed before log-out"));
    QVERIFY(note->IsModified());
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Content")), QString());
    program.End();
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Content")),
             QStringLiteral("typed before log-out"));
    QVERIFY(!program.MainForm().MFtray()->isVisible());
}

void TestStartup::failingQueryAtStartIsShownAndStartGoesOn() {
    CreateSchema();
    TVelmarProgram program;
    TfmData::Instance().FailNextStatements(1); // the loader's query of the desktop notes
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    program.Start();
    QCOMPARE(program.Message().Title(), QStringLiteral("Velmar Notes"));
    QVERIFY2(program.Message().Message().contains(QStringLiteral("refused the statement")),
             qPrintable(program.Message().Message()));
    QVERIFY(!program.Message().ShowCancel());
    QVERIFY(program.MainForm().isVisible());
    QVERIFY(program.MainForm().MFtray()->isVisible());
}

void TestStartup::startLeavesConfigIniAsItIs() {
    const QByteArray config = "\xEF\xBB\xBF; written by hand\r\n[sysconfig]\r\nNotepadDisply=1\r\n"
                              "onthetop = 0\r\nFutureKey=x\r\n";
    QVERIFY(VelmarPaths::EnsureDataFolder());
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(config), config.size());
    file.close();
    TVelmarProgram program;
    program.Start();
    QVERIFY(program.MainForm().isVisible());
    QVERIFY(!program.MainForm().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), config);
}

void TestStartup::notepadShowsWhenConfigIniCannotBeWritten() {
    InsertTestNote(TestNoteRow());
    QVERIFY(QDir().mkpath(SettingsPath())); // a folder where config.ini should be
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    TVelmarProgram program;
    program.Start();
    QVERIFY(program.MainForm().isVisible());
    QVERIFY(program.MainForm().MFtray()->isVisible());
    QCOMPARE(OpenNotes().size(), 1);
    QCOMPARE(program.Message().Message(), QString()); // no error box came up
    program.Message().exec();                         // takes back the answer that no box asked for
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
