// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"
#include "ShellTestSupport.h"
#include "TestDataFolder.h"
#include "frmAbout.h"
#include "frmMessage.h"
#include "untMainHotKeys.h"
#include "untMainMenuStyle.h"
#include "untParam.h"
#include "untSchema.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int CtrlShiftF = 24646;
constexpr int CtrlShiftR = 24658;

// The nine commands, their stored names and the entries that show their combinations.
const QStringList CommandActions = {"acFindnotes",         "acReminderList", "acAddDTNote",
                                    "acAddRadomColorNote", "acAddOnTheTop",  "",
                                    "acTrashList",         "acShowAllNotes", "acHideAllNotes"};

} // namespace

class TestMainHotKeys : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptySectionGrabsNothingAndShowsNoShortcut();
    void storedCombinationShowsOnItsEntry_data();
    void storedCombinationShowsOnItsEntry();
    void pressedCombinationRunsItsCommand_data();
    void pressedCombinationRunsItsCommand();
    void sharedCombinationRunsTheFirstCommand();
    void removedCombinationLeavesTheMenuAndTheKeyboard();
    void combinationNotTakenShowsNoShortcut();
    void unknownIdDoesNothing();
    void sessionWithoutAnXServerHasNoHotKeys();

private:
    QAction* Action(const QString& name) const {
        auto* action = FForm->findChild<QAction*>(name);
        if (!action)
            qFatal("no action %s", qPrintable(name));
        return action;
    }
    // The shortcut texts of the command entries, by command index ("" for DefaultNote).
    QStringList ShownShortcuts() const {
        QStringList texts;
        for (const QString& name : CommandActions)
            texts << (name.isEmpty() ? QString() : Action(name)->shortcut().toString());
        return texts;
    }
    // Registers again with every combination grabbed except those in `refused`.
    const THotKeyRegistration& Register(const QList<int>& refused = {}) {
        FGrabbed.clear();
        FForm->HotKeys().SetGrabForTest([this, refused](int shortcut) {
            FGrabbed.append(shortcut);
            return !refused.contains(shortcut);
        });
        FForm->HotKeys().UnregisterHotKeys();
        return FForm->HotKeys().RegisterHotKeys();
    }

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmMessage> FMessage;
    std::unique_ptr<TfmAbout> FAbout;
    std::unique_ptr<TfmMainForm> FForm;
    QList<int> FGrabbed;
};

void TestMainHotKeys::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    FMessage = std::make_unique<TfmMessage>();
    FAbout = std::make_unique<TfmAbout>();
    FForm = std::make_unique<TfmMainForm>(*FMessage, *FAbout);
}

void TestMainHotKeys::cleanup() {
    DiscardOpenNotes();
    FForm.reset();
    FAbout.reset();
    FMessage.reset();
    FFolder.reset();
}

void TestMainHotKeys::emptySectionGrabsNothingAndShowsNoShortcut() {
    const THotKeyRegistration& registration = Register();
    QVERIFY(FGrabbed.isEmpty());
    QVERIFY(registration.CommandsById.isEmpty());
    QCOMPARE(ShownShortcuts(), QStringList(9, QString()));
}

void TestMainHotKeys::storedCombinationShowsOnItsEntry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("FindNotes") << "FindNotes" << 0;
    QTest::newRow("ReminderList") << "ReminderList" << 1;
    QTest::newRow("DateTime") << "DateTime" << 2;
    QTest::newRow("RadomColors") << "RadomColors" << 3;
    QTest::newRow("AlwaysOnTop") << "AlwaysOnTop" << 4;
    QTest::newRow("DefaultNote: no entry") << "DefaultNote" << 5;
    QTest::newRow("TrashList") << "TrashList" << 6;
    QTest::newRow("ShowAll") << "ShowAll" << 7;
    QTest::newRow("HideAll") << "HideAll" << 8;
}

void TestMainHotKeys::storedCombinationShowsOnItsEntry() {
    QFETCH(QString, name);
    QFETCH(int, index);
    StoreHotKeys({name + QStringLiteral("=24646")});
    Register();
    QCOMPARE(FGrabbed, QList<int>({CtrlShiftF}));
    QStringList expected(9, QString());
    if (!CommandActions[index].isEmpty())
        expected[index] = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F).toString();
    QCOMPARE(ShownShortcuts(), expected);
    // The top entries' pictures keep the menu's width; their shortcut is drawn on them.
    QCOMPARE(FForm->pmenuMain()->sizeHint().width(), TMainMenuStyle::ItemWidth);
}

void TestMainHotKeys::pressedCombinationRunsItsCommand_data() {
    QTest::addColumn<int>("index");
    for (int index = 0; index < 9; ++index)
        QTest::newRow(qPrintable(HotKeyCommandName(index))) << index;
}

void TestMainHotKeys::pressedCombinationRunsItsCommand() {
    QFETCH(int, index);
    // Every command its own combination: Ctrl+Shift+1 to Ctrl+Shift+9.
    QStringList lines;
    for (int command = 0; command < 9; ++command)
        lines << HotKeyCommandName(command) + u'=' + QString::number(24625 + command);
    StoreHotKeys(lines);
    Register();
    // The list windows' commands are checked for being run, not for what they show (the
    // windows' own tests do that): an empty list would answer with a modal box.
    for (const char* listCommand : {"acFindnotes", "acReminderList", "acTrashList"})
        QObject::disconnect(Action(QString::fromLatin1(listCommand)), &QAction::triggered,
                            FForm.get(), nullptr);
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (const QString& name : CommandActions)
        spies << (name.isEmpty() ? nullptr
                                 : std::make_shared<QSignalSpy>(Action(name), &QAction::triggered));

    FForm->HotKeys().HotKeyPressed(24625 + index);

    for (int command = 0; command < 9; ++command) {
        if (spies[command])
            QCOMPARE(spies[command]->size(), command == index ? 1 : 0);
    }
    // The commands that make a note made one; the default note has no entry of its own.
    const bool makesANote = index >= 2 && index <= 5;
    QCOMPARE(OpenNotes().size(), makesANote ? 1 : 0);
    if (index == 4)
        QVERIFY(OpenNotes().first()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The always-on-top note leaves the notepad's own stay-on-top state alone.
    QVERIFY(!Action(QStringLiteral("acAlwaysOnTop"))->isChecked());
}

void TestMainHotKeys::sharedCombinationRunsTheFirstCommand() {
    StoreHotKeys({QStringLiteral("FindNotes=24646"), QStringLiteral("TrashList=24646")});
    const THotKeyRegistration& registration = Register();
    QCOMPARE(FGrabbed, QList<int>({CtrlShiftF})); // one grab for both
    QCOMPARE(registration.CommandsById.value(CtrlShiftF), QList<int>({0, 6}));
    QSignalSpy find(Action(QStringLiteral("acFindnotes")), &QAction::triggered);
    QSignalSpy trash(Action(QStringLiteral("acTrashList")), &QAction::triggered);
    FForm->HotKeys().HotKeyPressed(CtrlShiftF);
    QCOMPARE(find.size(), 1);
    QCOMPARE(trash.size(), 0);
    // Only the entry the combination runs shows it.
    QVERIFY(!Action(QStringLiteral("acFindnotes"))->shortcut().isEmpty());
    QVERIFY(Action(QStringLiteral("acTrashList"))->shortcut().isEmpty());
}

void TestMainHotKeys::removedCombinationLeavesTheMenuAndTheKeyboard() {
    StoreHotKeys({QStringLiteral("ReminderList=24658")});
    Register();
    QCOMPARE(Action(QStringLiteral("acReminderList"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));

    StoreHotKeys({QStringLiteral("ReminderList=0")});
    Register();
    QVERIFY(FGrabbed.isEmpty());
    QVERIFY(Action(QStringLiteral("acReminderList"))->shortcut().isEmpty());
    QSignalSpy reminders(Action(QStringLiteral("acReminderList")), &QAction::triggered);
    FForm->HotKeys().HotKeyPressed(CtrlShiftR);
    QCOMPARE(reminders.size(), 0);
}

void TestMainHotKeys::combinationNotTakenShowsNoShortcut() {
    StoreHotKeys({QStringLiteral("FindNotes=24646"), QStringLiteral("ReminderList=24658")});
    const THotKeyRegistration& registration = Register({CtrlShiftF});
    QCOMPARE(registration.NotTaken, QList<int>({0}));
    QVERIFY(Action(QStringLiteral("acFindnotes"))->shortcut().isEmpty());
    QVERIFY(!Action(QStringLiteral("acReminderList"))->shortcut().isEmpty());
}

void TestMainHotKeys::unknownIdDoesNothing() {
    StoreHotKeys({QStringLiteral("DefaultNote=24646")});
    Register();
    FForm->HotKeys().HotKeyPressed(CtrlShiftR);
    QVERIFY(OpenNotes().isEmpty());
    FForm->HotKeys().HotKeyPressed(CtrlShiftF);
    QCOMPARE(OpenNotes().size(), 1);
}

// The offscreen platform stands for a session without an X server, as a Wayland one.
void TestMainHotKeys::sessionWithoutAnXServerHasNoHotKeys() {
    StoreHotKeys({QStringLiteral("FindNotes=24646")});
    FForm = std::make_unique<TfmMainForm>(*FMessage, *FAbout);
    QVERIFY(!FForm->HotKeys().IsAvailable());
    QVERIFY(FForm->HotKeys().Registration().CommandsById.isEmpty());
    QVERIFY(Action(QStringLiteral("acFindnotes"))->shortcut().isEmpty());
}

QTEST_MAIN(TestMainHotKeys)
#include "tst_mainhotkeys.moc"
