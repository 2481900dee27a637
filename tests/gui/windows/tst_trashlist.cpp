// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmTrashList.h"

#include "ListWindowTestSupport.h"
#include "TestDataFolder.h"
#include "frmMessage.h"
#include "untErrorBoundary.h"

#include <QtTest>

#include <memory>

class TestTrashList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsTrashedNotesOnlyBlankOnesAsNotText();
    void restoreAsksAndBringsTheWindowBackAtItsPlace_data();
    void restoreAsksAndBringsTheWindowBackAtItsPlace();
    void restoredMemoboardNoteGoesToItsTab();
    void deleteAsksAndDeletesForGood_data();
    void deleteAsksAndDeletesForGood();
    void emptyTrashAsksAndDeletesEveryTrashedNote_data();
    void emptyTrashAsksAndDeletesEveryTrashedNote();
    void emptyingTenThousandNotesIsAllOrNothing();
    void deleteAndRestoreWithoutASelectedNoteDoNothing();

private:
    static int Trashed(const QString& text, int parentId = 0) {
        TestNoteRow row;
        row.content = text;
        row.type = 3;
        row.parentId = parentId;
        row.position = QStringLiteral("321,123");
        return InsertTestNote(row);
    }
    void Open() {
        FWindow = new TfmTrashList(*FMessage);
        FWindow->show();
    }

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmMessage> FMessage;
    QPointer<TfmTrashList> FWindow;
};

void TestTrashList::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    FMessage = std::make_unique<TfmMessage>();
}

void TestTrashList::cleanup() {
    QVERIFY(CloseListWindowAndNotes(FWindow.data()));
    TListWindow::SetMemoboardHooks({});
    SetErrorBox(nullptr);
    FMessage.reset();
    FFolder.reset();
}

void TestTrashList::listsTrashedNotesOnlyBlankOnesAsNotText() {
    Trashed(QStringLiteral("first"));
    InsertTestNote({});
    Trashed(QStringLiteral(" \n "));
    Open();
    QCOMPARE(GridColumn(*FWindow), (QStringList{"first", "<not text>"}));
}

void TestTrashList::restoreAsksAndBringsTheWindowBackAtItsPlace_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("OK") << TfmMessage::ResultOK;
    QTest::newRow("Cancel") << TfmMessage::ResultCancel;
}

void TestTrashList::restoreAsksAndBringsTheWindowBackAtItsPlace() {
    QFETCH(int, answer);
    const int id = Trashed(QStringLiteral("bring me back"));
    Open();
    FWindow->Grid()->selectRow(0);
    TfmMessage::SetNextAnswerForTest(answer);
    Press(*FWindow, "imgRestoreNote");
    QCOMPARE(FMessage->Title(), QStringLiteral("Restore Note"));
    QCOMPARE(FMessage->Message(), QStringLiteral("Will restore selected note from the Trash."));
    QVERIFY(FMessage->ShowCancel());
    const bool restored = answer == TfmMessage::ResultOK;
    QCOMPARE(NoteColumn(id, QStringLiteral("Type")),
             restored ? QStringLiteral("1") : QStringLiteral("3"));
    TfmNote* note = TfmUntil::Instance().FindNoteWindow(id);
    QCOMPARE(note != nullptr, restored);
    QCOMPARE(GridNoteIds(*FWindow), restored ? QList<int>{} : QList<int>{id});
    if (!restored)
        return;
    QVERIFY(note->isVisible());
    QCOMPARE(note->pos(), QPoint(321, 123));
    QVERIFY(!FWindow->Preview()->isVisible());
}

void TestTrashList::restoredMemoboardNoteGoesToItsTab() {
    const int id = Trashed(QStringLiteral("on a tab"), 42);
    QList<QPair<int, int>> opened;
    TMemoboardHooks hooks;
    hooks.OpenRestoredNote = [&](int noteId, int tabId) { opened.append({noteId, tabId}); };
    TListWindow::SetMemoboardHooks(hooks);
    Open();
    FWindow->Grid()->selectRow(0);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Press(*FWindow, "imgRestoreNote");
    QCOMPARE(opened, (QList<QPair<int, int>>{{id, 42}}));
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(id), nullptr);
    QCOMPARE(NoteColumn(id, QStringLiteral("Type")), QStringLiteral("1"));
}

void TestTrashList::deleteAsksAndDeletesForGood_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("OK") << TfmMessage::ResultOK;
    QTest::newRow("Cancel") << TfmMessage::ResultCancel;
}

void TestTrashList::deleteAsksAndDeletesForGood() {
    QFETCH(int, answer);
    const int id = Trashed(QStringLiteral("delete me"));
    Open();
    FWindow->Grid()->selectRow(0);
    QVERIFY(FWindow->Preview()->isVisible());
    TfmMessage::SetNextAnswerForTest(answer);
    Press(*FWindow, "imgClearNote");
    QCOMPARE(FMessage->Title(), QStringLiteral("Delete Note"));
    QCOMPARE(FMessage->Message(),
             QStringLiteral("Will delete selected note from the Trash,It cannot be restore."));
    const bool deleted = answer == TfmMessage::ResultOK;
    QCOMPARE(NoteDB::ReadNote(id).has_value(), !deleted);
    QCOMPARE(FWindow->Preview()->isVisible(), !deleted);
    // The last note gone, one blank row is left, on which selection does nothing.
    QCOMPARE(FWindow->Model().rowCount(), 1);
    FWindow->Grid()->selectRow(0);
    QCOMPARE(FWindow->SelectedNote() != nullptr, !deleted);
}

void TestTrashList::emptyTrashAsksAndDeletesEveryTrashedNote_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("OK") << TfmMessage::ResultOK;
    QTest::newRow("Cancel") << TfmMessage::ResultCancel;
}

void TestTrashList::emptyTrashAsksAndDeletesEveryTrashedNote() {
    QFETCH(int, answer);
    const int first = Trashed(QStringLiteral("a"));
    const int second = Trashed(QStringLiteral("b"));
    const int kept = InsertTestNote({});
    Open();
    TfmMessage::SetNextAnswerForTest(answer);
    Press(*FWindow, "imgClearAllNote");
    QCOMPARE(FMessage->Title(), QStringLiteral("Empty Trash"));
    QCOMPARE(FMessage->Message(),
             QStringLiteral("Will empty all notes from the Trash,It cannot be restore."));
    const bool emptied = answer == TfmMessage::ResultOK;
    QCOMPARE(GridNoteIds(*FWindow), emptied ? QList<int>{} : QList<int>({first, second}));
    QCOMPARE(NoteDB::ReadNote(first).has_value(), !emptied);
    QVERIFY(NoteDB::ReadNote(kept).has_value());
}

void TestTrashList::emptyingTenThousandNotesIsAllOrNothing() {
    const int first = Trashed(QStringLiteral("t"));
    QVERIFY(
        RunSQL(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                              "WHERE i<9999) INSERT INTO Note(ParentId,Position,Content,Rtf,Color,"
                              "Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,"
                              "TimeOutType) SELECT 0,'0,0','t','',0,3,1,0,0,'172,120','46000',"
                              "'46000','0',0,0 FROM n")));
    Open();
    QCOMPARE(FWindow->Model().NoteCount(), 10000);
    // The delete fails at its very last note: none is gone.
    QVERIFY(RunSQL(
        QStringLiteral("CREATE TRIGGER KeepLast BEFORE DELETE ON Note WHEN old.Id = "
                       "(SELECT max(Id) FROM Note) BEGIN SELECT RAISE(ABORT, 'kept'); END")));
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Press(*FWindow, "imgClearAllNote");
    QCOMPARE(FWindow->Model().NoteCount(), 10000);
    QVERIFY(RunSQL(QStringLiteral("DROP TRIGGER KeepLast")));
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Press(*FWindow, "imgClearAllNote");
    QCOMPARE(FWindow->Model().NoteCount(), 0);
    QVERIFY(!NoteDB::ReadNote(first).has_value());
}

void TestTrashList::deleteAndRestoreWithoutASelectedNoteDoNothing() {
    const int id = Trashed(QStringLiteral("untouched"));
    Open();
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Press(*FWindow, "imgClearNote");
    Press(*FWindow, "imgRestoreNote");
    QCOMPARE(NoteColumn(id, QStringLiteral("Type")), QStringLiteral("3"));
    // The prepared answer is still unused: no box was shown.
    QCOMPARE(FMessage->exec(), TfmMessage::ResultOK);
}

QTEST_MAIN(TestTrashList)
#include "tst_trashlist.moc"
