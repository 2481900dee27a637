// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "MainForm.h"

#include "ShellTestSupport.h"
#include "TestDataFolder.h"
#include "frmAbout.h"
#include "frmAlarmList.h"
#include "frmData.h"
#include "frmHelp.h"
#include "frmMemoboard.h"
#include "frmMemoboardData.h"
#include "frmMessage.h"
#include "untClock.h"
#include "untDB.h"
#include "untDateTime.h"
#include "untMainMenuStyle.h"
#include "untMemoboardDB.h"
#include "untNoteListModel.h"
#include "untParam.h"
#include "untReminderScheduler.h"
#include "untSchema.h"
#include "untSkin.h"
#include "untSoundPlayer.h"
#include "untWebPages.h"
#include "untWindowShape.h"

#include "MouseEvents.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTextBrowser>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QRect Screen(0, 0, 1024, 768);
const QRect WorkArea(0, 0, 1024, 736); // a 32-pixel panel at the bottom

// A captionless entry stands for a separator, an entry with a submenu for its caption plus ">".
QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            captions << QStringLiteral("-");
        else
            captions << action->text() + (action->menu() ? QStringLiteral(" >") : QString()) +
                            (action->isVisible() ? QString() : QStringLiteral(" (hidden)"));
    }
    return captions;
}

// Records the URLs the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void isASkinnedNotepadWithoutTaskbarButton();
    void menuHasEveryCaption();
    void menuTopEntriesAreTheirPictures();
    void memoboardsSubmenuListsTheStoredMemoboards();
    void memoboardsSubmenuTabEntryOpensItsMemoboard();
    void menuButtonPopsTheMenuUpAtItsCorner();
    void twelveDefaultNotesCascade();
    void dateTimeNoteStartsWithNowAndIsInsertedWithIt();
    void onTopNoteIsStoredOnTop();
    void randomColourNoteTakesATableColour();
    void addButtonAndTrayClickMakeTheDefaultKind();
    void newNoteTypesInTheSettingsFont();
    void showPlacesOnceAndAppliesStoredChoices();
    void alwaysOnTopToggles();
    void hideAllAndShowAll();
    void hiddenNotepadTogglesItsCaption();
    void trayIconAtStart_data();
    void trayIconAtStart();
    void exitAsks_data();
    void exitAsks();
    void exitWithoutTipsEndsAtOnce();
    void closeHidesTheTrayIconAndEnds();
    void webPageEntries_data();
    void webPageEntries();
    void webPageAddresses_data() { webPageEntries_data(); }
    void webPageAddresses();
    void helpEntryOpensTheContents();
    void aboutEntryShowsTheAboutBox();
    void reminderIndicatorsShowForADueReminderAtStart();
    void reminderIndicatorClickAcknowledges_data();
    void reminderIndicatorClickAcknowledges();
    void reminderIndicatorsHideWhenNothingIsDue();

private:
    QAction* Action(const char* name) const {
        auto* action = FForm->findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            qFatal("the main window has no action %s", name);
        return action;
    }
    QMenu* Submenu(const char* name) const {
        auto* menu = FForm->findChild<QMenu*>(QString::fromLatin1(name));
        if (!menu)
            qFatal("the main menu has no submenu %s", name);
        return menu;
    }

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmMessage> FMessage;
    std::unique_ptr<TfmAbout> FAbout;
    std::unique_ptr<TfmMainForm> FForm;
};

void TestMainForm::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    FMessage = std::make_unique<TfmMessage>();
    FAbout = std::make_unique<TfmAbout>();
    FForm = std::make_unique<TfmMainForm>(*FMessage, *FAbout);
    FForm->SetScreenForTest(Screen, WorkArea);
}

void TestMainForm::cleanup() {
    DiscardOpenNotes();
    FForm.reset();
    FAbout.reset();
    FMessage.reset();
    FFolder.reset();
}

void TestMainForm::isASkinnedNotepadWithoutTaskbarButton() {
    const Qt::WindowFlags flags = FForm->windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QCOMPARE(FForm->size(), QSize(84, 61));
    QCOMPARE(FForm->mask(), RoundedRegion(QSize(85, 62), 7) & QRegion(0, 0, 84, 61));

    const auto* image = FForm->findChild<TSkinImage*>(QStringLiteral("imgMain"));
    QVERIFY(image);
    QCOMPARE(image->geometry(), QRect(0, 0, 84, 61));
    QCOMPARE(image->PictureName(), QStringLiteral("mnote"));
    QCOMPARE(image->cursor().shape(), Qt::SizeAllCursor);

    const auto* add = FForm->findChild<TEKButton*>(QStringLiteral("ekbtnAddNew"));
    QVERIFY(add);
    QCOMPARE(add->geometry(), QRect(17, 5, 42, 43));
    QCOMPARE(add->toolTip(), QStringLiteral("Add Note"));
    QCOMPARE(add->Pic(), QStringLiteral("mf_addnote"));
    QCOMPARE(add->PicEnter(), QStringLiteral("mf_addnote_"));

    const auto* menu = FForm->findChild<TEKButton*>(QStringLiteral("ekbtnShowMenu"));
    QVERIFY(menu);
    QCOMPARE(menu->geometry(), QRect(63, 7, 20, 27));
    QCOMPARE(menu->toolTip(), QStringLiteral("Show Menu"));
    QCOMPARE(menu->Pic(), QStringLiteral("mf_menu"));
    QCOMPARE(menu->PicEnter(), QStringLiteral("mf_menu_"));

    const auto* reminder = FForm->findChild<TSkinImage*>(QStringLiteral("imgReminder"));
    QVERIFY(reminder);
    QCOMPARE(reminder->geometry(), QRect(61, 37, 20, 24));
    QVERIFY(reminder->isHidden());

    QCOMPARE(FForm->MFtray()->toolTip(),
             QStringLiteral("Left click for new note -- right click for tools"));
    QCOMPARE(FForm->MFtray()->contextMenu(), FForm->pmenuMain());
    QVERIFY(!FForm->MFtray()->isVisible()); // until LoadAtStart
    QVERIFY(!FForm->MFtray()->icon().isNull());
    QVERIFY(!FForm->trayicnReminder()->icon().isNull());
    QVERIFY(!FForm->trayicnReminder()->isVisible());
}

void TestMainForm::menuHasEveryCaption() {
    QCOMPARE(Captions(*FForm->pmenuMain()),
             QStringList({"Find Notes", "Reminder List", "New Note >", "Memoboards >", "Tools >",
                          "Help >"}));
    QCOMPARE(Captions(*Submenu("itemNewNote")),
             QStringList({"Date/Time Note", "Always On Top Note", "Random Colors Note"}));
    QCOMPARE(Captions(*Submenu("itemMemoboard")), QStringList({"New Memoboard...", "-"}));
    QCOMPARE(Captions(*Submenu("itemTools")),
             QStringList({"Always On Top", "Trash List", "Show All Desktop Notes",
                          "Hide All Desktop Notes", "Import Memoboard", "Hidden Notepad (hidden)",
                          "Settings", "Hot Keys Settings", "-", "Exit"}));
    QCOMPARE(Captions(*Submenu("itemHelp")),
             QStringList({"Velmar Notes Help", "Show Welcome Window", "Getting Started Videos", "-",
                          "Write to Us", "Tell a Friend", "Check for Updates", "-",
                          "Visit Home Page", "About..."}));
    QList<int> tags;
    for (const QAction* action : FForm->pmenuMain()->actions())
        tags << action->data().toInt();
    QCOMPARE(tags, QList<int>({0, 1, 2, 3, 4, 5}));
    QCOMPARE(Action("acFindnotes")->text(), QStringLiteral("Find Notes"));
    QCOMPARE(Action("acAddRadomColorNote")->text(), QStringLiteral("Random Colors Note"));
}

void TestMainForm::menuTopEntriesAreTheirPictures() {
    QMenu& menu = *FForm->pmenuMain();
    menu.ensurePolished();
    menu.adjustSize();
    QCOMPARE(menu.size(), QSize(188, 6 * 43));
    for (int tag = 0; tag < 6; ++tag)
        QCOMPARE(menu.actionGeometry(menu.actions().at(tag)), QRect(0, tag * 43, 188, 43));

    const QList<QAction*> entries = menu.actions();
    menu.setActiveAction(entries.at(2)); // "New Note" under the mouse
    const QImage drawn = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int tag = 0; tag < 6; ++tag) {
        const QString name = TMainMenuStyle::PictureName(tag, tag == 2);
        const QImage picture =
            SkinPixmap(name, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.copy(0, tag * 43, 188, 43), picture);
    }
    QCOMPARE(TMainMenuStyle::PictureName(2, true), QStringLiteral("m_newnote_n"));
    QCOMPARE(TMainMenuStyle::PictureName(4, false), QStringLiteral("m_tool_"));
}

void TestMainForm::memoboardsSubmenuListsTheStoredMemoboards() {
    QVERIFY(MemoboardDB::AddMemoboard(QStringLiteral("Work")).MemoboardId != 0);
    emit FForm->pmenuMain()->aboutToShow(); // what opening the menu does
    QMenu* memoboards = Submenu("itemMemoboard");
    QCOMPARE(Captions(*memoboards), QStringList({"New Memoboard...", "-", "Work >"}));
    QCOMPARE(Captions(*memoboards->actions().at(2)->menu()), QStringList({"Tab1"}));
    emit FForm->pmenuMain()->aboutToShow();
    QCOMPARE(Captions(*memoboards), QStringList({"New Memoboard...", "-", "Work >"}));
    // Each opening replaces the memoboards' submenus instead of piling them up.
    ProcessDeletions();
    QCOMPARE(memoboards->findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size(), 1);
}

void TestMainForm::memoboardsSubmenuTabEntryOpensItsMemoboard() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Work"));
    emit FForm->pmenuMain()->aboutToShow();
    QMenu* tabs = Submenu("itemMemoboard")->actions().at(2)->menu();
    tabs->actions().at(0)->trigger();
    TfmMemoboard* window = TfmMemoboardData::Instance().FindMemoboardWindow(board.MemoboardId);
    QVERIFY(window);
    QCOMPARE(window->CurrentTabId(), board.TabId);
    window->close();
    ProcessDeletions();
}

void TestMainForm::menuButtonPopsTheMenuUpAtItsCorner() {
    FForm->show();
    FForm->move(100, 150);
    PressAt(FForm->findChild<TEKButton*>(QStringLiteral("ekbtnShowMenu")), QPoint(5, 5));
    QVERIFY(FForm->pmenuMain()->isVisible());
    // The corner point: (left of imgMain + its width - 22, top of imgMain - 2).
    QCOMPARE(FForm->pmenuMain()->pos(), QPoint(100 + 84 - 22, 150 - 2));
    FForm->pmenuMain()->hide();
}

void TestMainForm::twelveDefaultNotesCascade() {
    for (int i = 0; i < 12; ++i)
        FForm->NewNote(TfmMainForm::DefaultKind);
    const QList<QPoint> expected = {{341, 256}, {411, 326}, {481, 256}, {551, 326},
                                    {621, 256}, {691, 326}, {761, 256}, {831, 326},
                                    {901, 256}, {341, 386}, {411, 316}, {481, 386}};
    const QList<TfmNote*> notes = OpenNotes();
    QCOMPARE(notes.size(), expected.size());
    for (int i = 0; i < notes.size(); ++i) {
        TfmNote* note = notes.at(i);
        QCOMPARE(note->pos(), expected.at(i));
        QCOMPARE(note->size(), QSize(172, 120));
        QVERIFY(note->isVisible());
        QVERIFY(note->NoteId() > 0);
        QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Position")),
                 QStringLiteral("%1,%2").arg(expected.at(i).x()).arg(expected.at(i).y()));
        QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Size")), QStringLiteral("172,120"));
        QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type3")), QStringLiteral("0"));
        QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("ParentId")), QStringLiteral("0"));
        QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Color")), QStringLiteral("12615680"));
    }
}

void TestMainForm::dateTimeNoteStartsWithNowAndIsInsertedWithIt() {
    const QDateTime now(QDate(2026, 3, 4), QTime(5, 6, 7));
    Clock::Set(now);
    FForm->NewNote(TfmMainForm::DateTimeKind);
    const QList<TfmNote*> notes = OpenNotes();
    QCOMPARE(notes.size(), 1);
    const QString line = QLocale().toString(now.date(), QLocale::ShortFormat) + u' ' +
                         QLocale().toString(now.time(), QLocale::LongFormat);
    QCOMPARE(notes.first()->retShow()->toPlainText(), line);
    QVERIFY(notes.first()->isVisible());
    // The row was inserted after the line was written.
    QCOMPARE(NoteColumn(notes.first()->NoteId(), QStringLiteral("Content")), line);
    QVERIFY(NoteColumn(notes.first()->NoteId(), QStringLiteral("Rtf"))
                .contains(QStringLiteral("2026")));
}

void TestMainForm::onTopNoteIsStoredOnTop() {
    FForm->NewNote(TfmMainForm::OnTopKind);
    TfmNote* note = OpenNotes().value(0);
    QVERIFY(note);
    QVERIFY(note->OnTop());
    QVERIFY(note->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(note->isVisible());
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type3")), QStringLiteral("1"));
}

void TestMainForm::randomColourNoteTakesATableColour() {
    QSet<int> colours;
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        RandomSource::Seed(seed);
        const int expected = MemoboardDB::RandomColorTable[std::size_t(RandomSource::Next(5))];
        RandomSource::Seed(seed);
        FForm->NewNote(TfmMainForm::RandomColorKind);
        TfmNote* note = OpenNotes().last();
        QCOMPARE(note->NoteColor(), expected);
        QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Color")), QString::number(expected));
        QVERIFY(note->isVisible());
        colours.insert(expected);
    }
    QVERIFY2(colours.size() > 1, "eight seeds all chose the same colour");
}

void TestMainForm::addButtonAndTrayClickMakeTheDefaultKind() {
    WriteIntSetting(QStringLiteral("DefautNoteType"), TfmMainForm::OnTopKind);
    PressAt(FForm->findChild<TEKButton*>(QStringLiteral("ekbtnAddNew")), QPoint(20, 20));
    QCOMPARE(OpenNotes().size(), 1);
    QCOMPARE(NoteColumn(OpenNotes().last()->NoteId(), QStringLiteral("Type3")),
             QStringLiteral("1"));

    WriteIntSetting(QStringLiteral("DefautNoteType"), TfmMainForm::DefaultKind);
    emit FForm->MFtray()->activated(QSystemTrayIcon::Trigger);
    QCOMPARE(OpenNotes().size(), 2);
    QCOMPARE(NoteColumn(OpenNotes().last()->NoteId(), QStringLiteral("Type3")),
             QStringLiteral("0"));
    QCOMPARE(OpenNotes().last()->pos(), QPoint(411, 326)); // the second place of the cascade

    emit FForm->MFtray()->activated(QSystemTrayIcon::Context); // the menu, not a note
    QCOMPARE(OpenNotes().size(), 2);
}

void TestMainForm::newNoteTypesInTheSettingsFont() {
    WriteTextSetting(QStringLiteral("FontName"), QStringLiteral("DejaVu Serif"));
    WriteIntSetting(QStringLiteral("FontSize"), 5); // 14 points
    FForm->NewNote(TfmMainForm::DefaultKind);
    QTextEdit* text = OpenNotes().value(0)->retShow();
    QCOMPARE(text->currentCharFormat().fontFamilies().toStringList(),
             QStringList({"DejaVu Serif"}));
    QCOMPARE(text->currentCharFormat().fontPointSize(), 14.0);
}

void TestMainForm::showPlacesOnceAndAppliesStoredChoices() {
    WriteBoolSetting(QStringLiteral("showalldesknotes"), false);
    FForm->show();
    // Left: screen width - 2 x 84; top: work area bottom - 61 - 4.
    QCOMPARE(FForm->pos(), QPoint(856, 671));
    QVERIFY(FForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Action("acAlwaysOnTop")->isChecked());
    // Applying a stored choice writes nothing.
    QCOMPARE(ReadIntSetting(QStringLiteral("onthetop"), 42), 42);
    QVERIFY(!FForm->ShowAllNotesChoice());
    QVERIFY(!TfmUntil::Instance().ShowAllNotesChoice());
    QVERIFY(Action("acHideAllNotes")->isChecked());
    QVERIFY(!Action("acShowAllNotes")->isChecked());

    // A later show keeps the place the user dragged it to.
    FForm->move(100, 100);
    FForm->hide();
    FForm->show();
    QCOMPARE(FForm->pos(), QPoint(100, 100));
}

void TestMainForm::alwaysOnTopToggles() {
    FForm->show();
    Action("acAlwaysOnTop")->trigger();
    QVERIFY(!FForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!Action("acAlwaysOnTop")->isChecked());
    QCOMPARE(ReadBoolSetting(QStringLiteral("onthetop"), true), false);
    QVERIFY(FForm->isVisible());
    Action("acAlwaysOnTop")->trigger();
    QVERIFY(FForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Action("acAlwaysOnTop")->isChecked());
    QCOMPARE(ReadBoolSetting(QStringLiteral("onthetop"), false), true);
}

void TestMainForm::hideAllAndShowAll() {
    FForm->show();
    FForm->NewNote(TfmMainForm::DefaultKind);
    FForm->NewNote(TfmMainForm::DefaultKind);
    Action("acHideAllNotes")->trigger();
    for (TfmNote* note : OpenNotes())
        QVERIFY(!note->isVisible());
    QVERIFY(Action("acHideAllNotes")->isChecked());
    QVERIFY(!Action("acShowAllNotes")->isChecked());
    QCOMPARE(ReadBoolSetting(QStringLiteral("showalldesknotes"), true), false);

    Action("acShowAllNotes")->trigger();
    for (TfmNote* note : OpenNotes())
        QVERIFY(note->isVisible());
    QVERIFY(Action("acShowAllNotes")->isChecked());
    QVERIFY(!Action("acHideAllNotes")->isChecked());
    QCOMPARE(ReadBoolSetting(QStringLiteral("showalldesknotes"), false), true);
}

void TestMainForm::hiddenNotepadTogglesItsCaption() {
    FForm->show();
    Action("acHideMain")->trigger();
    QVERIFY(!FForm->isVisible());
    QCOMPARE(Action("acHideMain")->text(), QStringLiteral("Display  Notepad"));
    Action("acHideMain")->trigger();
    QVERIFY(FForm->isVisible());
    QCOMPARE(Action("acHideMain")->text(), QStringLiteral("Hidden  Notepad"));
}

void TestMainForm::trayIconAtStart_data() {
    QTest::addColumn<int>("display");
    QTest::addColumn<bool>("trayShown");
    QTest::newRow("notepad and tray") << 1 << true;
    QTest::newRow("notepad only") << 2 << false;
    QTest::newRow("tray only") << 3 << true;
}

void TestMainForm::trayIconAtStart() {
    QFETCH(int, display);
    QFETCH(bool, trayShown);
    WriteIntSetting(QStringLiteral("NotepadDisply"), display);
    FForm->ShowTrayIconAtStart();
    QCOMPARE(FForm->MFtray()->isVisible(), trayShown);
}

void TestMainForm::exitAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("exitDirectNextTime");
    QTest::newRow("Cancel") << TfmMessage::ResultCancel << false << false << false;
    QTest::newRow("Cancel with the tick") << TfmMessage::ResultCancel << true << false << false;
    QTest::newRow("OK") << TfmMessage::ResultOK << false << true << false;
    QTest::newRow("OK with the tick") << TfmMessage::ResultOK << true << true << true;
}

void TestMainForm::exitAsks() {
    QFETCH(int, answer);
    QFETCH(bool, ticked);
    QFETCH(bool, ends);
    QFETCH(bool, exitDirectNextTime);
    QSignalSpy end(FForm.get(), &TfmMainForm::ProgramEndRequested);
    TfmMessage::SetNextAnswerForTest(answer, ticked);
    Action("acExit")->trigger();
    QCOMPARE(end.size(), ends ? 1 : 0);
    QCOMPARE(ReadBoolSetting(QStringLiteral("ExitReminder"), false), exitDirectNextTime);
    QCOMPARE(FMessage->Title(), QStringLiteral("Velmar Notes will close"));
    QCOMPARE(FMessage->Message(), QStringLiteral("Application will exit.You will not access to "
                                                 "your notes and reminder until you restart."));
    QCOMPARE(FMessage->lblcbx()->text(), QStringLiteral("Exit direct without tips"));
    QVERIFY(FMessage->ShowCancel());
    QCOMPARE(FMessage->LineCount(), 2);
}

void TestMainForm::exitWithoutTipsEndsAtOnce() {
    WriteBoolSetting(QStringLiteral("ExitReminder"), true);
    QSignalSpy end(FForm.get(), &TfmMainForm::ProgramEndRequested);
    // Were the box asked, it would answer Cancel and nothing would end.
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultCancel);
    Action("acExit")->trigger();
    QCOMPARE(end.size(), 1);
    QCOMPARE(FMessage->Title(), QString());               // the box was never set up
    QCOMPARE(FMessage->exec(), TfmMessage::ResultCancel); // the unused answer, used up here
}

void TestMainForm::closeHidesTheTrayIconAndEnds() {
    FForm->show();
    FForm->MFtray()->show();
    QSignalSpy end(FForm.get(), &TfmMainForm::ProgramEndRequested);
    QVERIFY(FForm->close());
    QVERIFY(!FForm->MFtray()->isVisible());
    QCOMPARE(end.size(), 1);
}

void TestMainForm::webPageEntries_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("helpPage");
    const QString site = QStringLiteral("https://www.velmarnotes.example/");
    QTest::newRow("home") << "acHome" << site + "notes.html"
                          << "default.htm";
    QTest::newRow("videos") << "itemGettingStartedVideos" << site + "notesvideos.html"
                            << "GettingStarted.htm";
    QTest::newRow("write") << "itemWriteToUs" << site + "contactus.html"
                           << "suport.htm";
    QTest::newRow("friend") << "itemTellAFriend" << site + "tellafriend.html?product=notes"
                            << "TellAFriend.htm";
    QTest::newRow("updates") << "itemCheckForUpdates"
                             << site + "update.html?product=notes&ver=6&bd=0501"
                             << "Updates.htm";
}

// The build names no web site, so each entry opens its page of our own help, which exists.
void TestMainForm::webPageEntries() {
    QFETCH(QString, action);
    QFETCH(QString, helpPage);
    QVERIFY(WebSiteAddress().isEmpty());
    TfmHelp help;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    Action(action.toLatin1().constData())->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QVERIFY(recorder.opened.isEmpty());
    QVERIFY(help.isVisible());
    QCOMPARE(help.brsHelp()->source().fileName(), helpPage);
    QVERIFY(!help.brsHelp()->toPlainText().contains(QStringLiteral("not found")));
}

// With a web site, each entry's page on it.
void TestMainForm::webPageAddresses() {
    QFETCH(QString, action);
    QFETCH(QString, url);
    const QList<TWebEntry>& entries = WebEntries();
    const auto entry = std::find_if(entries.cbegin(), entries.cend(), [&](const TWebEntry& e) {
        return QLatin1String(e.ActionName) == action;
    });
    QVERIFY(entry != entries.cend());
    QCOMPARE(Action(entry->ActionName)->text(), entry->Caption);
    QCOMPARE(WebPageUrl(QStringLiteral("https://www.velmarnotes.example"), *entry), QUrl(url));
    QCOMPARE(WebPageUrl(QStringLiteral("https://www.velmarnotes.example/"), *entry), QUrl(url));
}

void TestMainForm::helpEntryOpensTheContents() {
    TfmHelp help;
    Action("acHelp")->trigger();
    QVERIFY(help.isVisible());
    QCOMPARE(help.brsHelp()->source().fileName(), QStringLiteral("default.htm"));
    QVERIFY(help.brsHelp()->toPlainText().contains(QStringLiteral("Contents")));
}

void TestMainForm::aboutEntryShowsTheAboutBox() {
    bool shown = false;
    QTimer::singleShot(0, FAbout.get(), [&] {
        shown = FAbout->isVisible();
        FAbout->accept();
    });
    Action("acAbout")->trigger();
    QVERIFY(shown);
    QVERIFY(!FAbout->isVisible());
}

// A scheduler with a recording sound player, attached to the form and answering the
// registry's due-list refreshes, over one note due a minute ago.
TfmAlarmList* OpenReminderList() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* list = qobject_cast<TfmAlarmList*>(window); list && list->isVisible())
            return list;
    }
    return nullptr;
}

struct ReminderRig {
    TSoundPlayer sound{TSoundPlayer::Output::RecordOnly};
    TReminderScheduler scheduler{sound, nullptr};
    int noteId = 0;

    explicit ReminderRig(TfmMainForm& form) {
        Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        RunSQLParams(
            QStringLiteral("INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,"
                           "Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,"
                           "TimeOut,TimeOutType) VALUES(0,'100,80','due','',0,1,2,0,0,"
                           "'172,120','1','1',:ntime,0,0)"),
            {{QStringLiteral("ntime"), DateTimeText::FromDateTime(Clock::Now().addSecs(-60))}});
        Dataset last;
        QueryInto(QStringLiteral("select max(Id) as id from Note"), last);
        noteId = int(last.FieldByName(QStringLiteral("id")).AsInteger());
        TfmUntil::Instance().SetDueListReload([this] { scheduler.ReloadDueList(); });
        form.AttachReminderScheduler(scheduler);
    }
    ~ReminderRig() {
        TfmUntil::Instance().SetDueListReload({});
        Clock::Reset();
    }
};

void TestMainForm::reminderIndicatorsShowForADueReminderAtStart() {
    ReminderRig rig(*FForm);
    auto* reminder = FForm->findChild<TSkinImage*>(QStringLiteral("imgReminder"));
    QVERIFY(reminder->isHidden());

    FForm->LoadAtStart();
    QVERIFY(!reminder->isHidden());
    QVERIFY(FForm->trayicnReminder()->isVisible());
    QCOMPARE(rig.sound.Requests().size(), 1);
    QVERIFY(rig.scheduler.IsSoundRepeating());
}

void TestMainForm::reminderIndicatorClickAcknowledges_data() {
    QTest::addColumn<bool>("onTheTray");
    QTest::newRow("the notepad's picture") << false;
    QTest::newRow("the tray icon") << true;
}

void TestMainForm::reminderIndicatorClickAcknowledges() {
    QFETCH(bool, onTheTray);
    ReminderRig rig(*FForm);
    FForm->show();
    FForm->LoadAtStart();
    auto* reminder = FForm->findChild<TSkinImage*>(QStringLiteral("imgReminder"));
    if (onTheTray)
        emit FForm->trayicnReminder()->activated(QSystemTrayIcon::Trigger);
    else
        QTest::mouseClick(reminder, Qt::LeftButton);

    QVERIFY(reminder->isHidden());
    QVERIFY(!FForm->trayicnReminder()->isVisible());
    QVERIFY(!rig.scheduler.IsSoundRepeating());
    // The reminder list opens with the due note selected.
    TfmAlarmList* list = OpenReminderList();
    QVERIFY(list);
    QVERIFY(list->SelectedNote());
    QCOMPARE(list->SelectedNote()->NoteId, rig.noteId);
    list->close();
    // The reminder itself stays due until it is snoozed, cleared or advanced.
    QCOMPARE(rig.scheduler.DueList().size(), 1);
}

void TestMainForm::reminderIndicatorsHideWhenNothingIsDue() {
    ReminderRig rig(*FForm);
    FForm->LoadAtStart();
    auto* reminder = FForm->findChild<TSkinImage*>(QStringLiteral("imgReminder"));
    QVERIFY(!reminder->isHidden());

    RunSQLParams(QStringLiteral("update Note set Type2=1 where Id=:id"),
                 {{QStringLiteral("id"), rig.noteId}});
    TfmUntil::Instance().ReloadDueList();
    QVERIFY(reminder->isHidden());
    QVERIFY(!FForm->trayicnReminder()->isVisible());
    QVERIFY(!rig.scheduler.IsSoundRepeating());
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
