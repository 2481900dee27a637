// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSetAlarm.h"

#include "NoteTestSupport.h"
#include "TestDataFolder.h"
#include "frmData.h"
#include "frmMessage.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untParam.h"
#include "untReminderTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

namespace {

QDateTime At(int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, 12, 10), QTime(hour, minute, second));
}

// A note row with a one-time reminder due at `due`.
TestNoteRow ReminderRow(const QDateTime& due) {
    TestNoteRow row;
    row.type2 = 2;
    row.nTime = DateTimeText::FromDateTime(due);
    return row;
}

void SetRepeat(int noteId, int count, int unit) {
    RunSQLParams(QStringLiteral("update Note set TimeOut=:count, TimeOutType=:unit where Id=:id"),
                 {{QStringLiteral("count"), count},
                  {QStringLiteral("unit"), unit},
                  {QStringLiteral("id"), noteId}});
}

std::optional<QDateTime> StoredDue(int noteId) {
    return DateTimeText::ToDateTime(NoteColumn(noteId, QStringLiteral("NTime")));
}

} // namespace

class TestSetAlarm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void isA440By281PanelBesideTheNote_data();
    void isA440By281PanelBesideTheNote();
    void openingWithoutAReminder();
    void snoozeAndClearShowOnlyForADueReminder_data();
    void snoozeAndClearShowOnlyForADueReminder();
    void repeatingReminderOpensWithItsRepeat();
    void timePickerAloneSetsAReminderOnTheWholeMinute();
    void repeatOnANewReminderIsStored();
    void snoozeCountsFromNow_data();
    void snoozeCountsFromNow();
    void clearAdvancesARepeatingReminder();
    void clearRemovesAOneTimeReminder();
    void checkingThenUncheckingRepeatLeavesNothingToSave();
    void uncheckingRepeatKeepsAnEarlierTimeChange();
    void closeWithoutChangeWritesNothing();
    void refusedRepeatCountWritesNothing_data();
    void refusedRepeatCountWritesNothing();
    void refusedSnoozeAmountChangesNothing();
    void failedDueTimeWriteLeavesTheNoteWithoutReminder();
    void reminderIconAgainHidesAndDiscards();
    void hidingTheNoteDiscards();
    void followsTheNoteWhenItMoves();

private:
    TfmNote* Open(const TestNoteRow& row = {}) {
        TfmNote* note = TfmUntil::Instance().OpenNote(InsertTestNote(row), nullptr, nullptr);
        note->SetModified(false);
        return note;
    }
    template <typename T> T* Control(const char* name) const {
        auto* control = FPanel->findChild<T*>(QString::fromLatin1(name));
        if (!control)
            qFatal("the panel has no control %s", name);
        return control;
    }
    void Click(const char* name) const {
        QTest::mouseClick(Control<QWidget>(name), Qt::LeftButton);
    }
    void TypeNumber(const char* name, const QString& text) const {
        auto* field = Control<QLineEdit>(name);
        field->clear();
        QTest::keyClicks(field, text);
    }

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmMessage> FMessage;
    std::unique_ptr<TfmSetAlarm> FPanel;
    int FDueListReloads = 0;
};

void TestSetAlarm::init() {
    FFolder = std::make_unique<TestDataFolder>();
    CreateSchema();
    Clock::Set(At(10, 0, 20));
    FMessage = std::make_unique<TfmMessage>();
    FPanel = std::make_unique<TfmSetAlarm>(*FMessage);
    FDueListReloads = 0;
    TfmUntil::Instance().SetDueListReload([this] { ++FDueListReloads; });
}

void TestSetAlarm::cleanup() {
    TfmUntil::Instance().SetDueListReload({});
    FPanel.reset();
    CloseAllNotes();
    FMessage.reset();
    Clock::Reset();
    FFolder.reset();
}

void TestSetAlarm::isA440By281PanelBesideTheNote_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<QPoint>("expected");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The note is 200 wide; the panel goes right of it while the screen has room.
    QTest::newRow("room on the right") << "100,80" << QPoint(302, 80);
    const int left = screen.right() - 300;
    QTest::newRow("no room on the right")
        << QStringLiteral("%1,120").arg(left) << QPoint(left - 440 - 2, 120);
}

void TestSetAlarm::isA440By281PanelBesideTheNote() {
    QFETCH(QString, position);
    QFETCH(QPoint, expected);
    TestNoteRow row;
    row.position = position;
    TfmNote* note = Open(row);
    FPanel->ToggleFor(note);
    QVERIFY(FPanel->isVisible());
    QVERIFY(!FPanel->isModal());
    QCOMPARE(FPanel->size(), QSize(440, 281));
    QVERIFY(FPanel->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(FPanel->pos(), expected);
    QCOMPARE(FPanel->Note(), note);
}

void TestSetAlarm::openingWithoutAReminder() {
    WriteTextSetting(QString::fromLatin1(SysConfig::Snoozefor.key), QStringLiteral("10"));
    FPanel->ToggleFor(Open());
    auto* reminder = Control<QCheckBox>("ckbxSetAlarm");
    QVERIFY(!reminder->isChecked());
    QVERIFY(!reminder->isEnabled());
    QCOMPARE(FPanel->DueValue(), Clock::Now());
    QCOMPARE(Control<QDateEdit>("dtpkDate")->date(), Clock::Now().date());
    for (const char* name : {"imgSnoozefor", "imgClearAlarm", "edtSnoozefor", "cbxSnoozefor"})
        QVERIFY2(Control<QWidget>(name)->isHidden(), name);
    QVERIFY(!Control<QCheckBox>("ckbxRepeat")->isChecked());
    QVERIFY(!Control<QLineEdit>("edtNumber")->isEnabled());
    QVERIFY(!Control<QComboBox>("cbxRepeat")->isEnabled());
    QCOMPARE(Control<QLineEdit>("edtNumber")->text(), QStringLiteral("10"));
    QCOMPARE(Control<QLineEdit>("edtSnoozefor")->text(), QStringLiteral("10"));
    QCOMPARE(Control<QComboBox>("cbxRepeat")->currentText(), QStringLiteral("Minutes"));
    QVERIFY(!FPanel->IsModified());
}

void TestSetAlarm::snoozeAndClearShowOnlyForADueReminder_data() {
    QTest::addColumn<QDateTime>("due");
    QTest::addColumn<bool>("shown");
    QTest::newRow("due a minute ago") << At(9, 59, 20) << true;
    QTest::newRow("due this second") << At(10, 0, 20) << true;
    QTest::newRow("pending") << At(10, 1, 20) << false;
}

void TestSetAlarm::snoozeAndClearShowOnlyForADueReminder() {
    QFETCH(QDateTime, due);
    QFETCH(bool, shown);
    FPanel->ToggleFor(Open(ReminderRow(due)));
    QVERIFY(Control<QCheckBox>("ckbxSetAlarm")->isChecked());
    QVERIFY(Control<QCheckBox>("ckbxSetAlarm")->isEnabled());
    for (const char* name : {"imgSnoozefor", "imgClearAlarm", "edtSnoozefor", "cbxSnoozefor"})
        QCOMPARE(Control<QWidget>(name)->isVisible(), shown);
    QCOMPARE(FPanel->DueValue(), due);
    QVERIFY(!FPanel->IsModified());
}

void TestSetAlarm::repeatingReminderOpensWithItsRepeat() {
    TfmNote* note = Open(ReminderRow(At(9, 30)));
    SetRepeat(note->NoteId(), 3, int(RepeatUnit::Weeks));
    TfmUntil::Instance().ReloadNote(*note);
    FPanel->ToggleFor(note);
    QVERIFY(Control<QCheckBox>("ckbxRepeat")->isChecked());
    QVERIFY(Control<QLineEdit>("edtNumber")->isEnabled());
    QCOMPARE(Control<QLineEdit>("edtNumber")->text(), QStringLiteral("3"));
    QCOMPARE(Control<QComboBox>("cbxRepeat")->currentText(), QStringLiteral("Weeks"));
    QVERIFY(!FPanel->IsModified());
}

void TestSetAlarm::timePickerAloneSetsAReminderOnTheWholeMinute() {
    TfmNote* note = Open();
    FPanel->ToggleFor(note);
    Control<QTimeEdit>("dtpkTime")->setTime(QTime(11, 45, 33));
    QVERIFY(Control<QCheckBox>("ckbxSetAlarm")->isChecked());
    Click("imgOK");

    QVERIFY(!FPanel->isVisible());
    const int id = note->NoteId();
    QCOMPARE(NoteColumn(id, QStringLiteral("Type2")), QStringLiteral("2"));
    QCOMPARE(StoredDue(id), At(11, 45));
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOutType")), QStringLiteral("0"));
    // The window takes the stored reminder and shows its icon; the due list is rebuilt.
    QVERIFY(note->HasReminder());
    QCOMPARE(note->ReminderTime(), At(11, 45));
    QVERIFY(note->ReminderIconShown());
    QCOMPARE(FDueListReloads, 1);
}

void TestSetAlarm::repeatOnANewReminderIsStored() {
    TfmNote* note = Open();
    QSignalSpy saved(FPanel.get(), &TfmSetAlarm::ReminderSaved);
    FPanel->ToggleFor(note);
    Click("ckbxRepeat");
    QVERIFY(Control<QCheckBox>("ckbxSetAlarm")->isChecked());
    TypeNumber("edtNumber", QStringLiteral("3"));
    Control<QComboBox>("cbxRepeat")->setCurrentIndex(int(RepeatUnit::Days) - 1);
    Click("imgClose");

    const int id = note->NoteId();
    QCOMPARE(NoteColumn(id, QStringLiteral("Type2")), QStringLiteral("2"));
    QCOMPARE(StoredDue(id), Clock::Now());
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOut")), QStringLiteral("3"));
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOutType")), QStringLiteral("3"));
    QCOMPARE(note->RepeatUnit(), int(RepeatUnit::Days));
    QCOMPARE(saved.count(), 1);
}

void TestSetAlarm::snoozeCountsFromNow_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("5 minutes") << 0 << At(10, 5, 20);
    QTest::newRow("5 hours") << 1 << At(15, 0, 20);
    QTest::newRow("5 days") << 2 << At(10, 0, 20).addDays(5);
}

void TestSetAlarm::snoozeCountsFromNow() {
    QFETCH(int, unit);
    QFETCH(QDateTime, expected);
    TfmNote* note = Open(ReminderRow(At(9, 0)));
    FPanel->ToggleFor(note);
    TypeNumber("edtSnoozefor", QStringLiteral("5"));
    Control<QComboBox>("cbxSnoozefor")->setCurrentIndex(unit);
    Click("imgSnoozefor");
    QVERIFY(Control<QWidget>("imgSnoozefor")->isHidden());
    QCOMPARE(StoredDue(note->NoteId()), At(9, 0)); // nothing is stored before OK
    Click("imgOK");

    QCOMPARE(StoredDue(note->NoteId()), expected);
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type2")), QStringLiteral("2"));
}

void TestSetAlarm::clearAdvancesARepeatingReminder() {
    Clock::Set(At(9, 30));
    TfmNote* note = Open(ReminderRow(At(9, 30)));
    SetRepeat(note->NoteId(), 2, int(RepeatUnit::Hours));
    TfmUntil::Instance().ReloadNote(*note);
    FPanel->ToggleFor(note);
    Click("imgClearAlarm");
    Click("imgOK");

    const int id = note->NoteId();
    QCOMPARE(StoredDue(id), At(11, 30));
    QCOMPARE(NoteColumn(id, QStringLiteral("Type2")), QStringLiteral("2"));
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOut")), QStringLiteral("2"));
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOutType")), QStringLiteral("2"));
}

void TestSetAlarm::clearRemovesAOneTimeReminder() {
    TfmNote* note = Open(ReminderRow(At(9, 0)));
    FPanel->ToggleFor(note);
    Click("imgClearAlarm");
    QVERIFY(!Control<QCheckBox>("ckbxSetAlarm")->isChecked());
    Click("imgOK");

    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type2")), QStringLiteral("1"));
    QVERIFY(!note->HasReminder());
    QVERIFY(!note->ReminderIconShown());
    QCOMPARE(FDueListReloads, 1);
}

void TestSetAlarm::checkingThenUncheckingRepeatLeavesNothingToSave() {
    TfmNote* note = Open();
    FPanel->ToggleFor(note);
    NoteWriteLog log;
    Click("ckbxRepeat");
    QVERIFY(FPanel->IsModified());
    Click("ckbxRepeat");
    QVERIFY(!FPanel->IsModified());
    QVERIFY(!Control<QCheckBox>("ckbxSetAlarm")->isChecked());
    QVERIFY(!Control<QCheckBox>("ckbxSetAlarm")->isEnabled());
    Click("imgOK");
    QCOMPARE(log.Total(), 0);
    QCOMPARE(FDueListReloads, 0);
}

// Unchecking Repeat Every on a one-time reminder must not throw away a time chosen before.
void TestSetAlarm::uncheckingRepeatKeepsAnEarlierTimeChange() {
    TfmNote* note = Open(ReminderRow(At(12, 0)));
    FPanel->ToggleFor(note);
    Control<QTimeEdit>("dtpkTime")->setTime(QTime(14, 15));
    Click("ckbxRepeat");
    Click("ckbxRepeat");
    Click("imgOK");
    QCOMPARE(StoredDue(note->NoteId()), At(14, 15));
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("TimeOutType")), QStringLiteral("0"));
}

void TestSetAlarm::closeWithoutChangeWritesNothing() {
    TfmNote* note = Open(ReminderRow(At(9, 30, 20)));
    SetRepeat(note->NoteId(), 2, int(RepeatUnit::Hours));
    TfmUntil::Instance().ReloadNote(*note);
    NoteWriteLog log;
    for (const char* button : {"imgOK", "imgClose"}) {
        FPanel->ToggleFor(note);
        Click(button);
        QVERIFY(!FPanel->isVisible());
    }
    QCOMPARE(log.Total(), 0);
    QCOMPARE(FDueListReloads, 0);
}

void TestSetAlarm::refusedRepeatCountWritesNothing_data() {
    QTest::addColumn<QString>("count");
    QTest::newRow("empty") << "";
    QTest::newRow("words") << "two";
    QTest::newRow("fraction") << "2.5";
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-3";
}

void TestSetAlarm::refusedRepeatCountWritesNothing() {
    QFETCH(QString, count);
    TfmNote* note = Open();
    FPanel->ToggleFor(note);
    NoteWriteLog log;
    Click("ckbxRepeat");
    TypeNumber("edtNumber", count);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Click("imgOK");

    QCOMPARE(FMessage->Message(),
             QStringLiteral("The repeat count must be a whole number greater than 0."));
    QVERIFY(FPanel->isVisible());
    QCOMPARE(log.Total(), 0);
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type2")), QStringLiteral("1"));
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("NTime")), QStringLiteral("0"));

    // Mended, the same panel saves.
    TypeNumber("edtNumber", QStringLiteral("4"));
    Click("imgOK");
    QVERIFY(!FPanel->isVisible());
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("TimeOut")), QStringLiteral("4"));
}

void TestSetAlarm::refusedSnoozeAmountChangesNothing() {
    TfmNote* note = Open(ReminderRow(At(9, 0)));
    FPanel->ToggleFor(note);
    TypeNumber("edtSnoozefor", QStringLiteral("0"));
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Click("imgSnoozefor");

    QCOMPARE(FMessage->Message(),
             QStringLiteral("The snooze amount must be a whole number greater than 0."));
    QCOMPARE(FPanel->DueValue(), At(9, 0));
    QVERIFY(Control<QWidget>("imgSnoozefor")->isVisible());
    QVERIFY(!FPanel->IsModified());
}

void TestSetAlarm::failedDueTimeWriteLeavesTheNoteWithoutReminder() {
    TfmNote* note = Open();
    FPanel->ToggleFor(note);
    Control<QTimeEdit>("dtpkTime")->setTime(QTime(11, 0));
    TfmData::Instance().FailNextStatements(1);
    Click("imgOK");

    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type2")), QStringLiteral("1"));
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("NTime")), QStringLiteral("0"));
    QVERIFY(!note->HasReminder());
}

void TestSetAlarm::reminderIconAgainHidesAndDiscards() {
    TfmNote* note = Open(ReminderRow(At(12, 0)));
    FPanel->ToggleFor(note);
    Control<QTimeEdit>("dtpkTime")->setTime(QTime(13, 0));
    NoteWriteLog log;
    // As the program answers the icon's click.
    connect(&TfmUntil::Instance(), &TfmUntil::ReminderRequested, FPanel.get(),
            &TfmSetAlarm::ToggleFor);
    QTest::mouseClick(note, Qt::LeftButton, {},
                      note->ChromeRect(QStringLiteral("imgAlarm")).center());
    QVERIFY(!FPanel->isVisible());
    QCOMPARE(log.Total(), 0);

    // Opened again, it shows the stored reminder, not the discarded edit.
    FPanel->ToggleFor(note);
    QCOMPARE(FPanel->DueValue(), At(12, 0));
}

void TestSetAlarm::hidingTheNoteDiscards() {
    TfmNote* note = Open(ReminderRow(At(12, 0)));
    FPanel->ToggleFor(note);
    Control<QTimeEdit>("dtpkTime")->setTime(QTime(13, 0));
    NoteWriteLog log;
    note->hide();
    QVERIFY(!FPanel->isVisible());
    QVERIFY(!FPanel->Note());
    QCOMPARE(log.Total(), 0);
}

void TestSetAlarm::followsTheNoteWhenItMoves() {
    TfmNote* note = Open();
    FPanel->ToggleFor(note);
    note->move(150, 200);
    QTRY_COMPARE(FPanel->pos(), QPoint(150 + 200 + 2, 200));
}

QTEST_MAIN(TestSetAlarm)
#include "tst_setalarm.moc"
