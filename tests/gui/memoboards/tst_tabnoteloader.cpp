// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTabNoteLoader.h"

#include "MemoboardTestSupport.h"
#include "untTabPage.h"

#include <QGuiApplication>
#include <QtTest>

#include <memory>

// A tab with more notes than open at once: the board shows with the first of them and takes
// the rest from the event loop.
class TestTabNoteLoader : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { FFixture.reset(); }

    void theRestArriveFromTheEventLoopStackedInTheStoredOrder();
    void aNoteAskedForOpensAheadAndStaysInFront();
    void cascadeWaitsForEveryNote();
    void closingWhileLoadingOpensNoMore();

private:
    static constexpr int Notes = TTabNoteLoader::OpenedAtOnce + 40;

    // The ids of the page's note windows, back to front.
    QList<int> StackedIds() const {
        QList<int> ids;
        for (QObject* child : FWindow->CurrentPage()->Box()->children())
            if (auto* note = qobject_cast<TfmNote*>(child))
                ids.append(note->NoteId());
        return ids;
    }
    bool Busy() const { return QGuiApplication::overrideCursor() != nullptr; }

    std::unique_ptr<MemoboardFixture> FFixture;
    TNewMemoboard FBoard;
    // The ids in the stored order, front first.
    QList<int> FOrder;
    TfmMemoboard* FWindow = nullptr;
};

void TestTabNoteLoader::init() {
    FFixture = std::make_unique<MemoboardFixture>();
    FBoard = MemoboardDB::AddMemoboard(QStringLiteral("Big"));
    TestNoteRow row;
    row.parentId = FBoard.TabId;
    for (int i = 0; i < Notes; ++i)
        InsertTestNote(row);
    FOrder.clear();
    for (const NoteRecord& note : NoteDB::ListForLoading(0, FBoard.TabId))
        FOrder.append(note.id);
    QCOMPARE(FOrder.size(), Notes);
    FWindow = OpenBoard(FBoard.MemoboardId, FBoard.TabId);
    QVERIFY(FWindow);
}

void TestTabNoteLoader::theRestArriveFromTheEventLoopStackedInTheStoredOrder() {
    QCOMPARE(FWindow->NoteList().size(), TTabNoteLoader::OpenedAtOnce);
    QVERIFY(FWindow->IsLoadingNotes());
    QVERIFY(Busy());

    QTRY_VERIFY(!FWindow->IsLoadingNotes());
    QCOMPARE(FWindow->NoteList().size(), Notes);
    QList<int> backToFront = FOrder;
    std::reverse(backToFront.begin(), backToFront.end());
    QCOMPARE(StackedIds(), backToFront);
    QVERIFY(!Busy());
}

void TestTabNoteLoader::aNoteAskedForOpensAheadAndStaysInFront() {
    // The front note is the last to open in turn.
    const int front = FOrder.first();
    QVERIFY(!FWindow->FindNoteWindow(front));
    TfmNote* note = FWindow->NoteWindowNow(front);
    QVERIFY(note);
    QCOMPARE(note->NoteId(), front);
    QCOMPARE(FWindow->FindNoteWindow(front), note);

    QTRY_VERIFY(!FWindow->IsLoadingNotes());
    QCOMPARE(FWindow->NoteList().size(), Notes);
    QCOMPARE(StackedIds().last(), front);
    QCOMPARE(StackedIds().count(front), 1);
}

void TestTabNoteLoader::cascadeWaitsForEveryNote() {
    FWindow->Cascade(TfmMemoboard::CreationNewest);
    QVERIFY(!FWindow->IsLoadingNotes());
    QVERIFY(!Busy());
    QCOMPARE(FWindow->NoteList().size(), Notes);
    // Every note was placed: none is left where it was stored.
    for (const TLNoteinfo& info : FWindow->NoteList())
        QVERIFY(info.Note->pos() != QPoint(100, 80));
}

void TestTabNoteLoader::closingWhileLoadingOpensNoMore() {
    QPointer<TfmMemoboard> window = FWindow;
    window->close();
    QVERIFY(!Busy());
    QTest::qWait(50);
    QVERIFY(!Busy());
    QTRY_VERIFY(!window);
}

QTEST_MAIN(TestTabNoteLoader)
#include "tst_tabnoteloader.moc"
