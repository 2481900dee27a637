// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmUntil.h"

#include "NoteTestSupport.h"
#include "TestDataFolder.h"
#include "frmNote.h"
#include "frmNoteMinimize.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untNoteLoader.h"

#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// Collects the places a window is moved to.
class MoveRecorder : public QObject {
public:
    explicit MoveRecorder(QWidget* window) { window->installEventFilter(this); }
    QList<QPoint> Places;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move)
            Places.append(static_cast<QWidget*>(watched)->pos());
        return false;
    }
};

} // namespace

class TestUntil : public QObject {
    Q_OBJECT

private slots:
    void init() { FFolder = std::make_unique<TestDataFolder>(); }
    void cleanup() {
        CloseAllNotes();
        TfmUntil::Instance().SetDueListReload({});
        FFolder.reset();
    }

    void registryFindsAndForgetsWindowsById();
    void closingANoteRemovesExactlyOneRecord();
    void flashRestoresAMinimisedNoteAndShakesItBackToItsPlace();
    void flashOnANoteBeingTrashedDoesNothing();
    void hideAllThenShowAllBringsBackNotesAndTiles();
    void openNoteByIdOpensATrashedNoteAsADesktopNote();
    void dueListRefreshesGoToTheReminders();
    void reminderIconClickIsPassedOnWithItsNote();
    void saveAllModifiedNotesWritesOnlyChangedNotes();

private:
    static TfmNote* Open(const TestNoteRow& row = {}) {
        TfmNote* note = TfmUntil::Instance().OpenNote(InsertTestNote(row), nullptr, nullptr);
        note->SetModified(false);
        return note;
    }

    std::unique_ptr<TestDataFolder> FFolder;
};

void TestUntil::registryFindsAndForgetsWindowsById() {
    TfmNote* first = Open();
    TfmNote* second = Open();
    TfmUntil& until = TfmUntil::Instance();
    QCOMPARE(until.NoteList().size(), 2);
    QCOMPARE(until.FindNoteWindow(first->NoteId()), first);
    QCOMPARE(until.FindNoteWindow(second->NoteId()), second);
    QCOMPARE(until.FindNoteWindow(9999), nullptr);
    until.UnregisterNote(9999);
    QCOMPARE(until.NoteList().size(), 2);
    until.UnregisterNote(first->NoteId());
    QCOMPARE(until.FindNoteWindow(first->NoteId()), nullptr);
    QCOMPARE(until.NoteList().size(), 1);
    until.RegisterNote(first->NoteId(), first);
}

void TestUntil::closingANoteRemovesExactlyOneRecord() {
    QPointer<TfmNote> note = Open();
    TfmUntil& until = TfmUntil::Instance();
    // A second record for the same id (none exists normally) survives the close.
    auto other = std::make_unique<TfmNote>();
    until.RegisterNote(note->NoteId(), other.get());
    note->close();
    ProcessDeletions();
    QVERIFY(note.isNull());
    QCOMPARE(until.NoteList().size(), 1);
    QCOMPARE(until.FindNoteWindow(until.NoteList().at(0).NoteId), other.get());
    until.UnregisterNote(until.NoteList().at(0).NoteId);
}

void TestUntil::flashRestoresAMinimisedNoteAndShakesItBackToItsPlace() {
    TestNoteRow row;
    row.type = 2;
    TfmNote* note = Open(row);
    QVERIFY(note->Tile()->isVisible());
    QVERIFY(!note->isVisible());
    NoteWriteLog log;
    MoveRecorder moves(note);
    QSignalSpy finished(&TfmUntil::Instance(), &TfmUntil::FlashFinished);

    TfmUntil::Instance().FlashNote(note->NoteId());
    QVERIFY(note->isVisible());
    QVERIFY(!note->Tile()->isVisible());
    QCOMPARE(note->State(), NoteState::Shown);
    QCOMPARE(log.Writes(QStringLiteral("Type")), QStringList{QStringLiteral("1")});
    QVERIFY(note->findChild<QObject*>(QStringLiteral("NoteShake")));

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
    QCOMPARE(finished.at(0).at(0).toInt(), note->NoteId());
    QCOMPARE(note->pos(), QPoint(100, 80));
    QVERIFY(moves.Places.size() >= 21);
    for (const QPoint& place : moves.Places)
        QVERIFY(place == QPoint(102, 82) || place == QPoint(98, 78) || place == QPoint(100, 80));
    QCOMPARE(log.Writes(QStringLiteral("Position")), QStringList{});
}

void TestUntil::flashOnANoteBeingTrashedDoesNothing() {
    TfmNote* note = Open();
    note->hide();
    note->SetState(NoteState::Trashed);
    TfmUntil::Instance().FlashNote(note->NoteId());
    TfmUntil::Instance().FlashNote(9999);
    QVERIFY(!note->isVisible());
    QCOMPARE(note->State(), NoteState::Trashed);
    QCOMPARE(note->findChild<QObject*>(QStringLiteral("NoteShake")), nullptr);
}

void TestUntil::hideAllThenShowAllBringsBackNotesAndTiles() {
    TfmNote* shown = Open();
    TestNoteRow minimisedRow;
    minimisedRow.type = 2;
    TfmNote* minimised = Open(minimisedRow);
    NoteWriteLog log;

    TfmUntil::Instance().HideAllNotes();
    QVERIFY(!shown->isVisible());
    QVERIFY(!minimised->isVisible());
    QVERIFY(!minimised->Tile()->isVisible());
    QCOMPARE(shown->State(), NoteState::Shown);
    QCOMPARE(minimised->State(), NoteState::Minimized);

    TfmUntil::Instance().ShowAllNotes();
    QVERIFY(shown->isVisible());
    QVERIFY(!minimised->isVisible());
    QVERIFY(minimised->Tile()->isVisible());
    QCOMPARE(minimised->State(), NoteState::Minimized);
    QCOMPARE(log.Total(), 0);
}

void TestUntil::openNoteByIdOpensATrashedNoteAsADesktopNote() {
    TestNoteRow row;
    row.type = 3;
    const int id = InsertTestNote(row);
    TfmUntil::Instance().OpenNoteById(id);
    TfmNote* note = TfmUntil::Instance().FindNoteWindow(id);
    QVERIFY(note);
    QVERIFY(note->isVisible());
    QVERIFY(note->isWindow());
    QCOMPARE(note->geometry(), QRect(100, 80, 200, 150));
}

void TestUntil::dueListRefreshesGoToTheReminders() {
    TfmNote* note = Open();
    TfmUntil::Instance().ReloadDueList(); // before the reminders start: nothing to do
    int reloads = 0;
    TfmUntil::Instance().SetDueListReload([&reloads] { ++reloads; });

    TfmUntil::Instance().ReloadDueList();
    QCOMPARE(reloads, 1);
    // A trashed note asks for a fresh due list.
    note->menuTrashNoteClick();
    QCOMPARE(reloads, 2);
}

void TestUntil::reminderIconClickIsPassedOnWithItsNote() {
    TestNoteRow row;
    row.type2 = 2;
    row.nTime = DateTimeText::FromDateTime(QDateTime(QDate(2030, 1, 1), QTime(9, 0)));
    Open();
    TfmNote* note = Open(row);
    QSignalSpy requests(&TfmUntil::Instance(), &TfmUntil::ReminderRequested);
    QTest::mouseClick(note, Qt::LeftButton, {},
                      note->ChromeRect(QStringLiteral("imgAlarm")).center());
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<TfmNote*>(), note);
}

void TestUntil::saveAllModifiedNotesWritesOnlyChangedNotes() {
    TfmNote* changed = Open();
    Open();
    NoteWriteLog log;
    changed->retShow()->setPlainText(QStringLiteral("changed"));
    TfmUntil::Instance().SaveAllModifiedNotes();
    QCOMPARE(log.Writes(QStringLiteral("Content")), QStringList{QStringLiteral("changed")});
    QCOMPARE(log.Writes(QStringLiteral("ModifyTime")).size(), 1);
    QVERIFY(!changed->IsModified());
}

QTEST_MAIN(TestUntil)
#include "tst_until.moc"
