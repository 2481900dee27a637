// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteLoader.h"

#include "NoteTestSupport.h"
#include "TestDataFolder.h"
#include "frmNote.h"
#include "frmNoteMinimize.h"
#include "frmUntil.h"
#include "untDateTime.h"
#include "untWindowShape.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTextEdit>
#include <QVariantAnimation>
#include <QtTest>

#include <memory>

namespace {

QString ChineseRtf() {
    QFile file(QStringLiteral(VELMAR_TEST_DATA "/notes/chinese_gb2312.rtf"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QList<int> RegisteredIds() {
    QList<int> ids;
    for (const TLNoteinfo& info : TfmUntil::Instance().NoteList())
        ids.append(info.NoteId);
    return ids;
}

} // namespace

class TestNoteLoader : public QObject {
    Q_OBJECT

private slots:
    void init() { FFolder = std::make_unique<TestDataFolder>(); }
    void cleanup() {
        CloseAllNotes();
        TfmUntil::Instance().SetShowAllNotesChoice(true);
        FFolder.reset();
    }

    void desktopNotesOpenAtTheirStoredPlaceSizeColourAndState();
    void orderCodesDecideTheOpeningOrder_data();
    void orderCodesDecideTheOpeningOrder();
    void notesOfTabsAreNotOpenedOnTheDesktop();
    void notesOfATabOpenAsChildrenOfItsPage();
    void theFirstRowLiesInFront();
    void unreadablePlaceOrSizeOpensAtTheDefault_data();
    void unreadablePlaceOrSizeOpensAtTheDefault();
    void noteOffEveryScreenIsShownAtTheNearestPlace();
    void notesOpenedAtStartAppearAtOnceInTheirInactiveColour();
    void storedSizeIsKeptWithinTheScreen_data();
    void storedSizeIsKeptWithinTheScreen();
    void chineseRichEditTextShows();
    void showAllOffLoadsNotesHidden();
    void openNoteShowsAnyStateAndAnswersNoneForAMissingRow();
    void reloadNoteReadsTheRowAgain();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestNoteLoader::desktopNotesOpenAtTheirStoredPlaceSizeColourAndState() {
    TestNoteRow shown;
    shown.position = QStringLiteral("40,50");
    shown.size = QStringLiteral("220,160");
    shown.color = 255;
    const int shownId = InsertTestNote(shown);
    TestNoteRow minimised;
    minimised.position = QStringLiteral("300,60");
    minimised.type = 2;
    const int minimisedId = InsertTestNote(minimised);
    TestNoteRow trashed;
    trashed.type = 3;
    const int trashedId = InsertTestNote(trashed);
    TestNoteRow onTop;
    onTop.type3 = 1;
    onTop.position = QStringLiteral("500,300");
    const int onTopId = InsertTestNote(onTop);
    NoteWriteLog log;

    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);

    TfmUntil& until = TfmUntil::Instance();
    QCOMPARE(RegisteredIds(), (QList<int>{onTopId, minimisedId, shownId}));
    QCOMPARE(until.FindNoteWindow(trashedId), nullptr);

    TfmNote* a = until.FindNoteWindow(shownId);
    QVERIFY(a->isVisible());
    QVERIFY(a->isWindow());
    QCOMPARE(a->geometry(), QRect(40, 50, 220, 160));
    QCOMPARE(a->NoteColor(), 255);
    QCOMPARE(a->retShow()->toPlainText(), QStringLiteral("hello"));
    QVERIFY(!a->IsModified());
    QVERIFY(!a->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    TfmNote* b = until.FindNoteWindow(minimisedId);
    QVERIFY(!b->isVisible());
    QCOMPARE(b->State(), NoteState::Minimized);
    QVERIFY(b->Tile()->isVisible());
    QCOMPARE(b->Tile()->geometry(), QRect(300, 60, 35, 32));

    TfmNote* c = until.FindNoteWindow(onTopId);
    QVERIFY(c->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(c->MenuOnTheTop()->isChecked());
    QVERIFY(c->OnTop());
    QCOMPARE(log.Total(), 0); // loading writes nothing
}

void TestNoteLoader::orderCodesDecideTheOpeningOrder_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<int>>("expected"); // indexes into the inserted rows
    QTest::newRow("0 newest first") << 0 << QList<int>{2, 1, 0};
    QTest::newRow("1 like 0") << 1 << QList<int>{2, 1, 0};
    QTest::newRow("2 oldest first") << 2 << QList<int>{0, 1, 2};
}

void TestNoteLoader::orderCodesDecideTheOpeningOrder() {
    QFETCH(int, order);
    QFETCH(QList<int>, expected);
    const QList<int> ids = {InsertTestNote({}), InsertTestNote({}), InsertTestNote({})};
    TfmUntil::Instance().LoadNotes(order, nullptr, 0, nullptr);
    QList<int> wanted;
    for (const int index : expected)
        wanted.append(ids.at(index));
    QCOMPARE(RegisteredIds(), wanted);
}

void TestNoteLoader::notesOfTabsAreNotOpenedOnTheDesktop() {
    TestNoteRow onTab;
    onTab.parentId = 7;
    InsertTestNote(onTab);
    const int desktopId = InsertTestNote({});
    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    QCOMPARE(RegisteredIds(), QList<int>{desktopId});
}

void TestNoteLoader::theFirstRowLiesInFront() {
    TestNoteRow onTab;
    onTab.parentId = 7;
    const int older = InsertTestNote(onTab);
    const int newer = InsertTestNote(onTab);
    QWidget page;
    page.resize(600, 400);
    page.show();
    TfmUntil::Instance().LoadNotes(0, &page, 7, &page); // newest first, so newest in front

    QWidget* top = page.childAt(QPoint(150, 150));
    while (top && !qobject_cast<TfmNote*>(top))
        top = top->parentWidget();
    QVERIFY(top);
    QCOMPARE(static_cast<TfmNote*>(top)->NoteId(), newer);
    QVERIFY(older != newer);
}

void TestNoteLoader::notesOfATabOpenAsChildrenOfItsPage() {
    TestNoteRow onTab;
    onTab.parentId = 7;
    onTab.position = QStringLiteral("30,40");
    const int id = InsertTestNote(onTab);
    QWidget memoboard;
    QWidget page(&memoboard);
    page.resize(600, 400);
    memoboard.show();
    NoteWriteLog log;
    TfmUntil::Instance().LoadNotes(2, &memoboard, 7, &page);

    QVERIFY(TfmUntil::Instance().NoteList().isEmpty());
    auto* note = page.findChild<TfmNote*>();
    QVERIFY(note);
    QCOMPARE(note->NoteId(), id);
    QVERIFY(!note->isWindow());
    QVERIFY(note->InMemoboard());
    QVERIFY(note->isVisible());
    QCOMPARE(note->geometry(), QRect(30, 40, 200, 150));
    QVERIFY(!note->MenuOnTheTop()->isEnabled());
    QTest::keyClick(note->retShow(), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(note->retShow(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(note->isVisible());
    QCOMPARE(log.Total(), 0);

    // Opened onto a tab, a note always starts at 12,12 and stores that place.
    TfmNote* opened = TfmUntil::Instance().OpenNote(id, &memoboard, &page);
    QCOMPARE(opened->parentWidget(), &page);
    QCOMPARE(opened->pos(), QPoint(12, 12));
    QCOMPARE(log.Writes(QStringLiteral("Position")), QStringList{QStringLiteral("12,12")});
    QVERIFY(TfmUntil::Instance().NoteList().isEmpty());
}

void TestNoteLoader::unreadablePlaceOrSizeOpensAtTheDefault_data() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint cascade(screen.width() / 3, screen.height() / 3);
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("no comma") << "120"
                              << "200,150" << QRect(cascade, QSize(200, 150));
    QTest::newRow("letters") << "a,b"
                             << "200,150" << QRect(cascade, QSize(200, 150));
    QTest::newRow("empty size") << "10,20"
                                << "" << QRect(10, 20, 172, 120);
    QTest::newRow("semicolon size") << "10,20"
                                    << "300;90" << QRect(10, 20, 172, 120);
}

void TestNoteLoader::unreadablePlaceOrSizeOpensAtTheDefault() {
    QFETCH(QString, position);
    QFETCH(QString, size);
    QFETCH(QRect, geometry);
    const int good = InsertTestNote({});
    TestNoteRow bad;
    bad.position = position;
    bad.size = size;
    const int badId = InsertTestNote(bad);
    const int newer = InsertTestNote({});

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^note %1 has an unreadable").arg(badId)));
    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    // The rows after the bad one still open.
    QCOMPARE(RegisteredIds(), (QList<int>{newer, badId, good}));
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(badId)->geometry(), geometry);
    QCOMPARE(NoteColumn(badId, QStringLiteral("Position")), position);
    QCOMPARE(NoteColumn(badId, QStringLiteral("Size")), size);
}

void TestNoteLoader::noteOffEveryScreenIsShownAtTheNearestPlace() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    TestNoteRow far;
    far.position = QStringLiteral("%1,40").arg(screen.right() + 3000);
    const int farId = InsertTestNote(far);
    TestNoteRow partly;
    partly.position = QStringLiteral("-150,-100"); // a corner still on screen: stays
    const int partlyId = InsertTestNote(partly);

    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    const QRect shown = TfmUntil::Instance().FindNoteWindow(farId)->geometry();
    QCOMPARE(shown, QRect(screen.right() - 200 + 1, 40, 200, 150));
    QVERIFY(screen.contains(shown));
    QCOMPARE(NoteColumn(farId, QStringLiteral("Position")), far.position);
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(partlyId)->pos(), QPoint(-150, -100));
}

void TestNoteLoader::notesOpenedAtStartAppearAtOnceInTheirInactiveColour() {
    qputenv("VELMAR_NO_ANIMATION", "0");
    const auto animationsOff = qScopeGuard([] { qputenv("VELMAR_NO_ANIMATION", "1"); });
    TestNoteRow row;
    row.color = 12615680; // 0, 128, 192
    const int loadedId = InsertTestNote(row);

    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    TfmNote* loaded = TfmUntil::Instance().FindNoteWindow(loadedId);
    QVERIFY(loaded->isVisible());
    // Its whole rounded outline at once, and the light colour of a note that is not active.
    QCOMPARE(loaded->mask(), RoundedRegion(loaded->size(), 9));
    QCOMPARE(loaded->palette().color(QPalette::Window), QColor(65, 193, 255));
    QVERIFY(!loaded->findChild<QVariantAnimation*>());
    QVERIFY(!loaded->testAttribute(Qt::WA_ShowWithoutActivating));

    // A note the user opens still plays the show animation and takes its full colour.
    row.position = QStringLiteral("400,300");
    TfmNote* opened = TfmUntil::Instance().OpenNote(InsertTestNote(row), nullptr, nullptr);
    QVERIFY(opened->findChild<QVariantAnimation*>());
    QTRY_VERIFY(opened->mask() != RoundedRegion(opened->size(), 9));
    QCOMPARE(opened->palette().color(QPalette::Window), QColor(0, 128, 192));
}

void TestNoteLoader::storedSizeIsKeptWithinTheScreen_data() {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QTest::addColumn<QString>("size");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("far beyond the screen") << "100000,100000" << screen;
    QTest::newRow("too wide") << "100000,90" << QSize(screen.width(), 90);
    QTest::newRow("too high") << "250,40000" << QSize(250, screen.height());
    QTest::newRow("below the minimum") << "10,10" << QSize(172, 50);
}

void TestNoteLoader::storedSizeIsKeptWithinTheScreen() {
    QFETCH(QString, size);
    QFETCH(QSize, shown);
    TestNoteRow row;
    row.size = size;
    const int id = InsertTestNote(row);

    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    const TfmNote* note = TfmUntil::Instance().FindNoteWindow(id);
    QVERIFY(note);
    QCOMPARE(note->size(), shown);
    QCOMPARE(note->pos(), QPoint(100, 80));
    // The row keeps its value until the user resizes the note.
    QCOMPARE(NoteColumn(id, QStringLiteral("Size")), size);
}

void TestNoteLoader::chineseRichEditTextShows() {
    TestNoteRow row;
    row.rtf = ChineseRtf();
    QVERIFY(!row.rtf.isEmpty());
    row.content = QStringLiteral("stale plain text");
    const int id = InsertTestNote(row);
    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    TfmNote* note = TfmUntil::Instance().FindNoteWindow(id);
    QCOMPARE(note->retShow()->toPlainText(), QStringLiteral("你好，新功能"));
    QCOMPARE(note->PlainText(), QStringLiteral("你好，新功能"));
    QVERIFY(note->RtfText().contains("\\u20320?"));
    QVERIFY(!note->IsModified());
}

void TestNoteLoader::showAllOffLoadsNotesHidden() {
    TfmUntil::Instance().SetShowAllNotesChoice(false);
    const int id = InsertTestNote({});
    TfmUntil::Instance().LoadNotes(0, nullptr, 0, nullptr);
    TfmNote* note = TfmUntil::Instance().FindNoteWindow(id);
    QVERIFY(note);
    QVERIFY(!note->isVisible());
    QCOMPARE(note->State(), NoteState::Shown);
    TfmUntil::Instance().ShowAllNotes();
    QVERIFY(note->isVisible());
}

void TestNoteLoader::openNoteShowsAnyStateAndAnswersNoneForAMissingRow() {
    TfmUntil::Instance().SetShowAllNotesChoice(false);
    TestNoteRow trashed;
    trashed.type = 3;
    TfmNote* note = TfmUntil::Instance().OpenNote(InsertTestNote(trashed), nullptr, nullptr);
    QVERIFY(note);
    QVERIFY(note->isVisible());
    QCOMPARE(TfmUntil::Instance().NoteList().size(), 1);

    TestNoteRow minimised;
    minimised.type = 2;
    TfmNote* tiled = TfmUntil::Instance().OpenNote(InsertTestNote(minimised), nullptr, nullptr);
    QVERIFY(!tiled->isVisible());
    QVERIFY(tiled->Tile()->isVisible());

    QCOMPARE(TfmUntil::Instance().OpenNote(9999, nullptr, nullptr), nullptr);
    QCOMPARE(TfmUntil::Instance().NoteList().size(), 2);
}

void TestNoteLoader::reloadNoteReadsTheRowAgain() {
    const int id = InsertTestNote({});
    TfmNote* note = TfmUntil::Instance().OpenNote(id, nullptr, nullptr);
    RunSQL(QStringLiteral("UPDATE Note SET Color=255, Type2=2, NTime='45000.5', TimeOut=3, "
                          "TimeOutType=2, Type3=1, ParentId=4 WHERE Id=%1")
               .arg(id));
    TfmUntil::Instance().ReloadNote(*note);
    QCOMPARE(note->NoteColor(), 255);
    QVERIFY(note->HasReminder());
    QCOMPARE(note->ReminderTime(), DateTimeText::FromNumber(45000.5));
    QCOMPARE(note->RepeatCount(), 3);
    QCOMPARE(note->RepeatUnit(), 2);
    QVERIFY(note->OnTop());
    QCOMPARE(note->ParentId(), 4);
    QVERIFY(note->InMemoboard());

    RunSQL(QStringLiteral("UPDATE Note SET Type2=1 WHERE Id=%1").arg(id));
    TfmUntil::Instance().ReloadNote(*note);
    QVERIFY(!note->HasReminder());
}

QTEST_MAIN(TestNoteLoader)
#include "tst_noteloader.moc"
