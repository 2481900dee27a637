// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmFindNotes.h"

#include "ListWindowTestSupport.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "frmMessage.h"
#include "untErrorBoundary.h"
#include "untNoteDB.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include <memory>

class TestFindNotes : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void findsTheTermAnywhereWithoutRegardToCase_data();
    void findsTheTermAnywhereWithoutRegardToCase();
    void emptySearchListsEveryNoteAndAddsNoHistory();
    void sameTermTwiceKeepsOneHistoryRowAndTheBoxShowsSix();
    void noMatchShowsZeroAndOneBlankRowThatSelectsNothing();
    void selectedNoteShowsInThePreviewWhichFollowsTheWindow();
    void failingSearchIsReportedAndTheWindowStaysUsable();
    void matchTextIsReadWhenDrawnAndAFailedReadLeavesTheCellBlank();
    void goToNoteShakesADesktopNoteAndTheMemoboardHookGetsTheRest();
    void buttonsWithoutASelectedNoteDoNothing();

private:
    void Search(const QString& term, bool inTrash = false) {
        FWindow->cbxFindout()->setCurrentText(term);
        FWindow->checkbxTrach()->setChecked(inTrash);
        Press(*FWindow, "imgFindNotes");
    }
    static int Note(const QString& text, int type = 1, int parentId = 0) {
        TestNoteRow row;
        row.content = text;
        row.type = type;
        row.parentId = parentId;
        return InsertTestNote(row);
    }

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmMessage> FMessage;
    QPointer<TfmFindNotes> FWindow;
};

void TestFindNotes::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    FMessage = std::make_unique<TfmMessage>();
    FWindow = new TfmFindNotes(*FMessage);
    FWindow->show();
}

void TestFindNotes::cleanup() {
    QVERIFY(CloseListWindowAndNotes(FWindow.data()));
    TListWindow::SetMemoboardHooks({});
    SetErrorBox(nullptr);
    FMessage.reset();
    FFolder.reset();
}

void TestFindNotes::findsTheTermAnywhereWithoutRegardToCase_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("inTrash");
    QTest::addColumn<QStringList>("found");
    // Notes: "Plan B", "two plans", "airplane", "planet" (trashed), "Café au lait",
    // "100% sure_ly it's"; no match leaves one blank row
    QTest::newRow("plan") << "plan" << false << QStringList{"Plan B", "two plans", "airplane"};
    QTest::newRow("plan with the trash")
        << "plan" << true << QStringList{"Plan B", "two plans", "airplane", "planet"};
    QTest::newRow("PLAN") << "PLAN" << false << QStringList{"Plan B", "two plans", "airplane"};
    QTest::newRow("non-ascii case") << u"CAFÉ"_qs << false << QStringList{u"Café au lait"_qs};
    QTest::newRow("percent itself") << "0% s" << false << QStringList{"100% sure_ly it's"};
    QTest::newRow("percent no wildcard") << "a%b" << false << QStringList{""}; // one blank row
    QTest::newRow("underscore itself") << "e_l" << false << QStringList{"100% sure_ly it's"};
    QTest::newRow("underscore no wildcard") << "Pla_" << false << QStringList{""}; // one blank row
    QTest::newRow("apostrophe") << "it's" << false << QStringList{"100% sure_ly it's"};
}

void TestFindNotes::findsTheTermAnywhereWithoutRegardToCase() {
    QFETCH(QString, term);
    QFETCH(bool, inTrash);
    QFETCH(QStringList, found);
    for (const QString& text : {u"Plan B"_qs, u"two plans"_qs, u"airplane"_qs})
        Note(text);
    Note(QStringLiteral("planet"), 3);
    Note(u"Café au lait"_qs);
    Note(QStringLiteral("100% sure_ly it's"));
    Search(term, inTrash);
    QCOMPARE(GridColumn(*FWindow), found);
}

void TestFindNotes::emptySearchListsEveryNoteAndAddsNoHistory() {
    Note(QStringLiteral("one"));
    Note(QStringLiteral("   "));
    Note(QStringLiteral("gone"), 3);
    Search(QString());
    QCOMPARE(GridColumn(*FWindow), (QStringList{"one", "<not text>"}));
    QCOMPARE(FWindow->lblResult()->text(), QStringLiteral("2 Notes Found"));
    Search(QString(), true);
    QCOMPARE(GridColumn(*FWindow), (QStringList{"one", "<not text>", "gone"}));
    QCOMPARE(NoteDB::SearchHistory(), QStringList{QString()});
}

void TestFindNotes::sameTermTwiceKeepsOneHistoryRowAndTheBoxShowsSix() {
    Search(QStringLiteral("alpha"));
    Search(QStringLiteral("alpha"));
    QCOMPARE(NoteDB::SearchHistory(), (QStringList{QString(), "alpha"}));
    QCOMPARE(FWindow->cbxFindout()->count(), 2);
    for (const char* term : {"b", "c", "d", "e", "f", "g"})
        Search(QString::fromLatin1(term));
    QComboBox* box = FWindow->cbxFindout();
    QCOMPARE(box->count(), 7);
    QCOMPARE(box->itemText(0), QString());
    // The typed text stays in the box after the list is refilled.
    QCOMPARE(box->currentText(), QStringLiteral("g"));
}

void TestFindNotes::noMatchShowsZeroAndOneBlankRowThatSelectsNothing() {
    Note(QStringLiteral("something"));
    Search(QStringLiteral("nothing like it"));
    QCOMPARE(FWindow->lblResult()->text(), QStringLiteral("0 Notes Found"));
    QCOMPARE(FWindow->Model().rowCount(), 1);
    FWindow->Grid()->selectRow(0);
    QCOMPARE(FWindow->SelectedNote(), nullptr);
    QVERIFY(!FWindow->Preview()->isVisible());
}

void TestFindNotes::selectedNoteShowsInThePreviewWhichFollowsTheWindow() {
    TestNoteRow row;
    row.content = QStringLiteral("shown in the preview");
    row.size = QStringLiteral("220,140");
    row.color = 0x80FFFF;
    const int id = InsertTestNote(row);
    Search(QStringLiteral("preview"));
    FWindow->Grid()->selectRow(0);
    QVERIFY(PreviewShowsNoteAtMarker(*FWindow, id));
    TfmNote* preview = FWindow->Preview();
    QCOMPARE(preview->size(), QSize(220, 140));
    QCOMPARE(preview->PlainText(), QStringLiteral("shown in the preview"));
    QVERIFY(preview->retShow()->isReadOnly());
    QVERIFY(!preview->IsModified());
    FWindow->move(FWindow->pos() + QPoint(37, 23));
    QVERIFY(PreviewShowsNoteAtMarker(*FWindow, id));
    // The preview is never written: a change in it leaves the row as it was.
    preview->retShow()->setPlainText(QStringLiteral("typed"));
    preview->close();
    ProcessDeletions();
    QCOMPARE(NoteColumn(id, QStringLiteral("Content")), QStringLiteral("shown in the preview"));
}

void TestFindNotes::failingSearchIsReportedAndTheWindowStaysUsable() {
    Note(QStringLiteral("still here"));
    TfmMessage errorBox;
    SetErrorBox(&errorBox);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    TfmData::Instance().FailNextStatements(1);
    Search(QString()); // an empty term writes no history, so the search is the failing query
    QVERIFY(!errorBox.Message().isEmpty());
    QCOMPARE(FWindow->Model().NoteCount(), 0);
    Search(QStringLiteral("still"));
    QCOMPARE(GridColumn(*FWindow), QStringList{"still here"});
}

void TestFindNotes::matchTextIsReadWhenDrawnAndAFailedReadLeavesTheCellBlank() {
    const int first = Note(QStringLiteral("match one"));
    Note(QStringLiteral("match two"));
    const int third = Note(QStringLiteral("match three"));
    FWindow->Model().SetRows(NoteTextRows(NoteDB::SearchContent(QStringLiteral("match"), false)));
    RunSQL(QStringLiteral("UPDATE note SET Content='match one, edited' WHERE id=%1").arg(first));
    RunSQL(QStringLiteral("DELETE FROM note WHERE id=%1").arg(third));
    TfmMessage errorBox;
    SetErrorBox(&errorBox);
    const TNoteListModel& model = FWindow->Model();
    TfmData::Instance().FailNextStatements(1);
    QCOMPARE(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QString());
    QVERIFY(errorBox.Message().isEmpty());
    // Rows not yet drawn, and a row whose read failed, read what is stored now.
    QCOMPARE(GridColumn(*FWindow), (QStringList{"match one, edited", "match two", "<not text>"}));
}

void TestFindNotes::goToNoteShakesADesktopNoteAndTheMemoboardHookGetsTheRest() {
    TfmNote* desktop =
        TfmUntil::Instance().OpenNote(Note(QStringLiteral("go desk")), nullptr, nullptr);
    const int boardNote = Note(QStringLiteral("go board"), 1, 77);
    QList<QPair<int, int>> shownOnBoard;
    TMemoboardHooks hooks;
    hooks.ShowNoteOnMemoboard = [&](int noteId, int tabId) {
        shownOnBoard.append({noteId, tabId});
    };
    TListWindow::SetMemoboardHooks(hooks);
    QSignalSpy flashed(&TfmUntil::Instance(), &TfmUntil::FlashFinished);
    Search(QStringLiteral("go "));
    FWindow->Grid()->selectRow(0);
    Press(*FWindow, "imgToNote");
    QVERIFY(flashed.wait(3000));
    QCOMPARE(flashed.at(0).at(0).toInt(), desktop->NoteId());
    FWindow->Grid()->selectRow(1);
    Press(*FWindow, "imgToNote");
    QCOMPARE(shownOnBoard, (QList<QPair<int, int>>{{boardNote, 77}}));
}

void TestFindNotes::buttonsWithoutASelectedNoteDoNothing() {
    TfmNote* note = TfmUntil::Instance().OpenNote(Note(QStringLiteral("alone")), nullptr, nullptr);
    QSignalSpy flashed(&TfmUntil::Instance(), &TfmUntil::FlashFinished);
    Search(QStringLiteral("alone"));
    Press(*FWindow, "imgToNote");
    Press(*FWindow, "imgPrint");
    QVERIFY(!note->findChild<QObject*>(QStringLiteral("NoteShake")));
    QCOMPARE(flashed.size(), 0);
}

QTEST_MAIN(TestFindNotes)
#include "tst_findnotes.moc"
