// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMemoboardData.h"

#include "MemoboardTestSupport.h"
#include "frmAddMemoboard.h"
#include "frmNote.h"
#include "untFileChooser.h"
#include "untMemoboardExchange.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Runs `step` on the modal dialog once it shows.
void OnNextModal(std::function<void(QWidget&)> step) {
    QTimer::singleShot(0, [step = std::move(step)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        step(*modal);
    });
}

} // namespace

class TestMemoboardData : public QObject {
    Q_OBJECT

private slots:
    void init() { FFixture = std::make_unique<MemoboardFixture>(); }
    void cleanup() { FFixture.reset(); }

    void newMemoboardOpensItsWindowOnTab1();
    void cancelledNewMemoboardCreatesNothing();
    void importOpensTheNewMemoboardAtOnce();
    void failedImportSaysWhereAndChangesNothing();
    void exportWritesWhatTheImportReadsBack();
    void showNoteOnMemoboardShakesTheNoteOnItsTab();
    void showNoteOnMemoboardForATrashedNoteShakesNothing();
    void desktopNoteMovedToATabShowsOnTheOpenBoard();

private:
    std::unique_ptr<MemoboardFixture> FFixture;
};

void TestMemoboardData::newMemoboardOpensItsWindowOnTab1() {
    OnNextModal([](QWidget& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("edtMemoboard"))
            ->setText(QStringLiteral("Ideas"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    TfmMemoboardData::Instance().NewMemoboardDialog();
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().size(), 1);
    TfmMemoboard* window = TfmMemoboardData::Instance().MemoboardList().at(0).Window;
    QCOMPARE(window->Caption(), QStringLiteral("Ideas"));
    QCOMPARE(window->TabEx()->ActiveTab()->text(), QStringLiteral("Tab1"));
    QCOMPARE(window->CurrentPage()->Placement(), 3);
    QVERIFY(!window->CurrentPage()->Picture().isNull());
}

void TestMemoboardData::cancelledNewMemoboardCreatesNothing() {
    OnNextModal([](QWidget& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("edtMemoboard"))
            ->setText(QStringLiteral("Ideas"));
        static_cast<QDialog&>(dialog).reject();
    });
    TfmMemoboardData::Instance().NewMemoboardDialog();
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().size(), 0);
    QCOMPARE(CountRows(QStringLiteral("Memoboard")), 0);
}

void TestMemoboardData::importOpensTheNewMemoboardAtOnce() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Plans"));
    MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TestNoteRow row;
    row.parentId = board.TabId;
    InsertTestNote(row);
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Plans.mbir"));
    QVERIFY(ExportMemoboard(board.MemoboardId, QStringLiteral("Plans"), file).Ok);

    FileChooser::SetNextChosenFileForTest(file);
    TfmMemoboardData::Instance().ImportDialog(nullptr);
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().size(), 1);
    TfmMemoboard* window = TfmMemoboardData::Instance().MemoboardList().at(0).Window;
    QVERIFY(window->MemoboardId() != board.MemoboardId);
    QCOMPARE(window->Caption(), QStringLiteral("Plans"));
    QCOMPARE(window->TabEx()->TabCount(), 2);
    QCOMPARE(window->TabEx()->ActiveTab()->text(), QStringLiteral("Second"));
    QCOMPARE(window->NoteList().size(), 1);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMemoboardData::failedImportSaysWhereAndChangesNothing() {
    // A note record with no tab record before it.
    const QString file = QStringLiteral(VELMAR_TEST_DATA "/mbir/note-before-tab.mbir");
    const int boards = CountRows(QStringLiteral("Memoboard"));
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    const TExchangeResult result = TfmMemoboardData::Instance().ImportFile(file);
    QVERIFY(!result.Ok);
    QVERIFY(FFixture->Message().Message().contains(result.Error));
    QVERIFY(result.Error.startsWith(QStringLiteral("line 2")));
    QCOMPARE(CountRows(QStringLiteral("Memoboard")), boards);
    QCOMPARE(CountRows(QStringLiteral("Note")), 0);
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().size(), 0);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMemoboardData::exportWritesWhatTheImportReadsBack() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Plans"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    window->NewNoteOnTab(0)->retShow()->setPlainText(QStringLiteral("exported"));
    window->EdtSubmitMouseDown();
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("out.mbir"));
    FileChooser::SetNextChosenFileForTest(file);
    window->actExportExecute();
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), ExportMemoboardText(board.MemoboardId, QStringLiteral("Plans")));
}

void TestMemoboardData::showNoteOnMemoboardShakesTheNoteOnItsTab() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TestNoteRow row;
    row.parentId = second;
    row.position = QStringLiteral("30,40");
    const int note = InsertTestNote(row);
    QSignalSpy shown(&TfmMemoboardData::Instance(), &TfmMemoboardData::NoteShown);
    TfmMemoboardData::Instance().ShowNoteOnMemoboard(note);
    TfmMemoboard* window = TfmMemoboardData::Instance().FindMemoboardWindow(board.MemoboardId);
    QVERIFY(window);
    QCOMPARE(window->CurrentTabId(), second);
    QCOMPARE(window->CurrentNote(), window->FindNoteWindow(note));
    QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 5000);
    QCOMPARE(window->FindNoteWindow(note)->pos(), QPoint(30, 40));
}

void TestMemoboardData::showNoteOnMemoboardForATrashedNoteShakesNothing() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TestNoteRow row;
    row.parentId = second;
    row.type = 3;
    const int note = InsertTestNote(row);
    QSignalSpy shown(&TfmMemoboardData::Instance(), &TfmMemoboardData::NoteShown);
    TfmMemoboardData::Instance().ShowNoteOnMemoboard(note);
    TfmMemoboard* window = TfmMemoboardData::Instance().FindMemoboardWindow(board.MemoboardId);
    QVERIFY(window);
    QCOMPARE(window->CurrentTabId(), second);
    QCOMPARE(window->FindNoteWindow(note), nullptr);
    QTest::qWait(100);
    QCOMPARE(shown.count(), 0);
    // A note that is gone, or on the desktop, opens nothing.
    TfmMemoboardData::Instance().ShowNoteOnMemoboard(9999);
    TfmMemoboardData::Instance().ShowNoteOnMemoboard(InsertTestNote({}));
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().size(), 1);
}

void TestMemoboardData::desktopNoteMovedToATabShowsOnTheOpenBoard() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TfmNote* desktop = TfmUntil::Instance().OpenNote(InsertTestNote({}), nullptr, nullptr);
    const int id = desktop->NoteId();
    desktop->MoveToClick(second);
    ProcessDeletions();
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(id), nullptr);
    QCOMPARE(window->CurrentTabId(), second);
    TfmNote* shown = window->FindNoteWindow(id);
    QVERIFY(shown);
    QCOMPARE(shown->parentWidget(), window->PageOfTab(second)->Box());
    QVERIFY(shown->isVisible());
    QCOMPARE(NoteColumn(id, QStringLiteral("ParentId")).toInt(), second);

    // Moved on to the first tab of the same board, it follows.
    shown->MoveToClick(board.TabId);
    ProcessDeletions();
    QCOMPARE(window->CurrentTabId(), board.TabId);
    QCOMPARE(window->FindNoteWindow(id)->parentWidget(), window->PageOfTab(board.TabId)->Box());
    QCOMPARE(window->NoteList().size(), 1);
}

QTEST_MAIN(TestMemoboardData)
#include "tst_memoboarddata.moc"
