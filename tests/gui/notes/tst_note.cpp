// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmNote.h"

#include "../controls/MouseEvents.h"
#include "NoteTestSupport.h"
#include "TestDataFolder.h"
#include "frmMessage.h"
#include "frmNoteMinimize.h"
#include "untAlarmDB.h"
#include "untArrowBar.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untErrorBoundary.h"
#include "untMemoboardDB.h"
#include "untNoteColors.h"
#include "untParam.h"
#include "untScrollBarEx.h"
#include "untUtil.h"

#include <QDesktopServices>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

QColor PaintedColor(const TfmNote& note) {
    return note.palette().color(QPalette::Window);
}

QAction* MenuAction(QMenu* menu, const char* name) {
    return menu->findChild<QAction*>(QString::fromLatin1(name));
}

// Records the URLs the desktop was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

} // namespace

class TestNote : public QObject {
    Q_OBJECT

private slots:
    void init() { FFolder = std::make_unique<TestDataFolder>(); }
    void cleanup() {
        CloseAllNotes();
        FFolder.reset();
    }

    void newNoteHasTheDefaultSizeAndTheNewNoteColour();
    void titleDragWritesThePositionOnce();
    void frameDragWritesTheSizeAndAMovedCorner_data();
    void frameDragWritesTheSizeAndAMovedCorner();
    void noteCannotBeSizedBelowTheMinimum();
    void colourEntryPaintsAndWritesTheColour();
    void colourMenuOffersTheTableAsTwoHalfSwatches();
    void alwaysOnTopWritesType3AndParentZero();
    void minimiseWritesType2AndRestoreType1AtTheTilesPlace();
    void tileShowsTheFirstLineAsItsTooltip_data();
    void tileShowsTheFirstLineAsItsTooltip();
    void trashWritesType3AndLeavesNoWindow();
    void deactivationSavesTheTextOnlyWhenModified();
    void failedContentWriteIsRetriedAtTheNextDeactivation();
    void reactivationBeforeTheTimerKeepsTheFullColourAndWritesNothing();
    void typingSavesAfterAPauseWhileTheNoteStaysActive();
    void failedAutosaveIsTriedAgainUntilItIsWritten();
    void failedPlaceWriteIsTriedAgainUntilItIsWritten();
    void minimisingAChangedNoteSavesItsText();
    void sizeToContentFitsTheTextAndWritesTheSize();
    void scrollBarShowsOnlyWhenTheTextNeedsScrolling();
    void ctrlShortcuts_data();
    void ctrlShortcuts();
    void previewNeverTakesTheFullColour();
    void clickOnUrlOpensIt();
    void textMenuEnablesCutAndCopyOnlyWithASelection();
    void moveToTabWritesTheParentAndClosesTheWindow();
    void menuCaptions();
    void rightClickOnTheTitleOpensTheNoteMenu();
    void editIconClickAsksForTheEditor_data();
    void editIconClickAsksForTheEditor();
    void chromeIsPaintedByTheWindow();
    void frameShowsTheSizingCursors_data();
    void frameShowsTheSizingCursors();
    void typingStartsInTheTypingFont();
    void reminderIconShowsTheReminderState_data();
    void reminderIconShowsTheReminderState();
    void failingQueryShowsTheMessageAndTheProgramGoesOn_data();
    void failingQueryShowsTheMessageAndTheProgramGoesOn();

private:
    TfmNote* Open(const TestNoteRow& row = {}) {
        const int id = InsertTestNote(row);
        TfmNote* note = TfmUntil::Instance().OpenNote(id, nullptr, nullptr);
        if (note)
            note->SetModified(false);
        return note;
    }

    std::unique_ptr<TestDataFolder> FFolder;
};

void TestNote::newNoteHasTheDefaultSizeAndTheNewNoteColour() {
    WriteIntSetting(QString::fromLatin1(SysConfig::NoteColor.key), 255);
    auto note = std::make_unique<TfmNote>();
    QCOMPARE(note->size(), QSize(172, 120));
    QCOMPARE(note->minimumSize(), QSize(172, 50));
    QCOMPARE(note->NoteColor(), 255);
    QVERIFY(note->isWindow());
    QVERIFY(note->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(note->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(note->ChromeRect(QStringLiteral("imgTitle")), QRect(5, 2, 162, 29));
    QCOMPARE(note->ChromeRect(QStringLiteral("imgEdit")), QRect(4, 6, 25, 24));
    QCOMPARE(note->ChromeRect(QStringLiteral("pnlToolbar")), QRect(5, 98, 162, 20));
    QCOMPARE(note->ChromeRect(QStringLiteral("imgResize")), QRect(154, 105, 8, 8));
}

void TestNote::titleDragWritesThePositionOnce() {
    TfmNote* note = Open();
    NoteWriteLog log;
    DragBy(note, note->ChromeRect(QStringLiteral("imgTitle")).topLeft() + QPoint(40, 10),
           QPoint(30, 25));

    QCOMPARE(note->pos(), QPoint(130, 105));
    QCOMPARE(log.Writes(QStringLiteral("Position")), QStringList{QStringLiteral("130,105")});
    QCOMPARE(log.Total(), 1);
}

void TestNote::frameDragWritesTheSizeAndAMovedCorner_data() {
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QStringList>("positions");
    QTest::newRow("top-left corner") << QStringLiteral("imgTopleft") << QPoint(-20, -10)
                                     << QRect(80, 70, 220, 160) << QStringList{"80,70"};
    QTest::newRow("top line") << QStringLiteral("imgTopborder") << QPoint(7, 25)
                              << QRect(100, 105, 200, 125) << QStringList{"100,105"};
    QTest::newRow("top-right corner") << QStringLiteral("imgTopright") << QPoint(10, -5)
                                      << QRect(100, 75, 210, 155) << QStringList{"100,75"};
    QTest::newRow("bottom-right corner") << QStringLiteral("imgBottomright") << QPoint(30, 20)
                                         << QRect(100, 80, 230, 170) << QStringList{};
    QTest::newRow("grip") << QStringLiteral("imgResize") << QPoint(-10, 5)
                          << QRect(100, 80, 190, 155) << QStringList{};
    QTest::newRow("left line") << QStringLiteral("imgLeftborder") << QPoint(15, 40)
                               << QRect(115, 80, 185, 150) << QStringList{"115,80"};
    QTest::newRow("bottom line") << QStringLiteral("imgBottomborder") << QPoint(3, 30)
                                 << QRect(100, 80, 200, 180) << QStringList{};
}

void TestNote::frameDragWritesTheSizeAndAMovedCorner() {
    QFETCH(QString, piece);
    QFETCH(QPoint, travel);
    QFETCH(QRect, geometry);
    QFETCH(QStringList, positions);
    TfmNote* note = Open();
    NoteWriteLog log;
    DragBy(note, note->ChromeRect(piece).center(), travel);

    QCOMPARE(note->geometry(), geometry);
    QCOMPARE(log.Writes(QStringLiteral("Size")),
             QStringList{PairText(geometry.width(), geometry.height())});
    // Position only when the drag moved the window's corner, so a restart shows it there.
    QCOMPARE(log.Writes(QStringLiteral("Position")), positions);
    QCOMPARE(log.Total(), 1 + positions.size());
    QCOMPARE(note->retShow()->parentWidget()->geometry(),
             QRect(5, 31, geometry.width() - 10, geometry.height() - 53));
}

void TestNote::noteCannotBeSizedBelowTheMinimum() {
    TfmNote* note = Open();
    DragBy(note, note->ChromeRect(QStringLiteral("imgResize")).center(), QPoint(-500, -500));
    QCOMPARE(note->size(), QSize(172, 50));
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Size")), QStringLiteral("172,50"));
}

void TestNote::colourEntryPaintsAndWritesTheColour() {
    TfmNote* note = Open();
    NoteWriteLog log;
    auto* menu = note->NotePopupMenu()->findChild<TNoteColorMenu*>(QStringLiteral("menuColor"));
    QVERIFY(menu);
    menu->actions().at(19)->trigger(); // 0, 0, 255

    QCOMPARE(note->NoteColor(), 16711680);
    QCOMPARE(log.Writes(QStringLiteral("Color")), QStringList{QStringLiteral("16711680")});
    QCOMPARE(PaintedColor(*note), QColor(0, 0, 255));
}

void TestNote::colourMenuOffersTheTableAsTwoHalfSwatches() {
    TfmNote* note = Open();
    auto* menu = note->NotePopupMenu()->findChild<TNoteColorMenu*>(QStringLiteral("menuColor"));
    QCOMPARE(menu->actions().size(), 26);
    QCOMPARE(menu->actions().at(11)->data().toInt(), 12615680);
    for (const QAction* item : menu->actions())
        QVERIFY(!item->isChecked());

    menu->ensurePolished();
    menu->adjustSize();
    const QRect entry = menu->actionGeometry(menu->actions().at(0));
    QCOMPARE(entry.size(), QSize(120, 15));
    const QImage image = menu->grab().toImage();
    const QPoint left = entry.topLeft() + QPoint(entry.width() / 4, entry.height() / 2);
    const QPoint right = entry.topLeft() + QPoint(entry.width() * 3 / 4, entry.height() / 2);
    QCOMPARE(QColor(image.pixel(left)), QColor(255, 128, 128));
    QCOMPARE(QColor(image.pixel(right)), ColorFromValue(LightenColor(NoteColorTable[0])));
}

void TestNote::alwaysOnTopWritesType3AndParentZero() {
    TfmNote* note = Open();
    NoteWriteLog log;
    note->menuOnTheTopClick();
    QVERIFY(note->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(note->MenuOnTheTop()->isChecked());
    QVERIFY(note->isVisible());
    QCOMPARE(log.Writes(QStringLiteral("Type3")), QStringList{QStringLiteral("1")});
    QCOMPARE(log.Writes(QStringLiteral("ParentId")), QStringList{QStringLiteral("0")});

    note->menuOnTheTopClick();
    QVERIFY(!note->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!note->MenuOnTheTop()->isChecked());
    QCOMPARE(log.Writes(QStringLiteral("Type3")), (QStringList{"1", "0"}));
}

void TestNote::minimiseWritesType2AndRestoreType1AtTheTilesPlace() {
    TfmNote* note = Open();
    NoteWriteLog log;
    note->Minimize();
    QVERIFY(!note->isVisible());
    QVERIFY(note->Tile()->isVisible());
    QCOMPARE(note->Tile()->pos(), QPoint(100, 80));
    QCOMPARE(note->Tile()->size(), QSize(35, 32));
    QCOMPARE(note->Tile()->NoteColor(), note->NoteColor());
    QCOMPARE(note->State(), NoteState::Minimized);
    QCOMPARE(log.Writes(QStringLiteral("Type")), QStringList{QStringLiteral("2")});

    note->Tile()->move(300, 200);
    QTest::mouseDClick(note->Tile(), Qt::LeftButton);
    QVERIFY(note->isVisible());
    QVERIFY(!note->Tile()->isVisible());
    QCOMPARE(note->pos(), QPoint(300, 200));
    QCOMPARE(note->State(), NoteState::Shown);
    QCOMPARE(log.Writes(QStringLiteral("Type")), (QStringList{"2", "1"}));
    // The place the tile was dragged to is the note's place from now on.
    QCOMPARE(log.Writes(QStringLiteral("Position")), QStringList{QStringLiteral("300,200")});

    // Restored where it was minimised, the note writes no Position.
    note->Minimize();
    QTest::mouseDClick(note->Tile(), Qt::LeftButton);
    QCOMPARE(note->pos(), QPoint(300, 200));
    QCOMPARE(log.Writes(QStringLiteral("Position")), QStringList{QStringLiteral("300,200")});
}

void TestNote::tileShowsTheFirstLineAsItsTooltip_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("paragraphs") << "Shopping list\nmilk\nbread"
                                << "Shopping list";
    QTest::newRow("line break") << QStringLiteral("Call Anna") + QChar::LineSeparator + "at 5"
                                << "Call Anna";
    QTest::newRow("one line") << "just this"
                              << "just this";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNote::tileShowsTheFirstLineAsItsTooltip() {
    QFETCH(QString, content);
    QFETCH(QString, tooltip);
    TestNoteRow row;
    row.content = content;
    TfmNote* note = Open(row);
    note->Minimize();
    QCOMPARE(note->Tile()->toolTip(), tooltip);
}

void TestNote::trashWritesType3AndLeavesNoWindow() {
    QPointer<TfmNote> note = Open();
    const int id = note->NoteId();
    NoteWriteLog log;
    note->menuTrashNoteClick();
    ProcessDeletions();

    QVERIFY(note.isNull());
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(id), nullptr);
    QVERIFY(TfmUntil::Instance().NoteList().isEmpty());
    QCOMPARE(log.Writes(QStringLiteral("Type")), QStringList{QStringLiteral("3")});
}

void TestNote::deactivationSavesTheTextOnlyWhenModified() {
    TfmNote* note = Open();
    QWidget elsewhere;
    NoteWriteLog log;
    QVERIFY(Activate(*note));
    QVERIFY(note->IsActive());
    QCOMPARE(PaintedColor(*note), ColorFromValue(note->NoteColor()));
    QVERIFY(Activate(elsewhere));
    QTRY_COMPARE(PaintedColor(*note), ColorFromValue(LightenColor(note->NoteColor())));
    QCOMPARE(log.Total(), 0);

    QVERIFY(Activate(*note));
    note->retShow()->moveCursor(QTextCursor::End);
    QTest::keyClicks(note->retShow(), QStringLiteral(" world"));
    QVERIFY(note->IsModified());
    QVERIFY(Activate(elsewhere));
    QTRY_COMPARE(PaintedColor(*note), ColorFromValue(LightenColor(note->NoteColor())));
    QCOMPARE(log.Writes(QStringLiteral("Content")), QStringList{QStringLiteral("hello world")});
    QCOMPARE(log.Writes(QStringLiteral("Rtf")).size(), 1);
    QVERIFY(log.Writes(QStringLiteral("Rtf")).at(0).startsWith(QStringLiteral("{\\rtf1")));
    QVERIFY(log.Writes(QStringLiteral("Rtf")).at(0).contains(QStringLiteral("hello world")));
    QCOMPARE(log.Writes(QStringLiteral("ModifyTime")).size(), 1);
    QVERIFY(!note->IsModified());
}

void TestNote::failedContentWriteIsRetriedAtTheNextDeactivation() {
    TfmNote* note = Open();
    QWidget elsewhere;
    NoteWriteLog log;
    const QColor light = ColorFromValue(LightenColor(note->NoteColor()));
    QVERIFY(Activate(*note));
    QTest::keyClicks(note->retShow(), QStringLiteral("new "));
    TfmData::Instance().FailNextStatements(1); // the content write
    QVERIFY(Activate(elsewhere));
    QTRY_COMPARE(PaintedColor(*note), light);
    QVERIFY(note->IsModified());
    QVERIFY(log.Writes(QStringLiteral("Content")).isEmpty());
    // The time of the last save is not touched by a save that did not happen.
    QVERIFY(log.Writes(QStringLiteral("ModifyTime")).isEmpty());

    QVERIFY(Activate(*note));
    QVERIFY(Activate(elsewhere));
    QTRY_COMPARE(PaintedColor(*note), light);
    QCOMPARE(log.Writes(QStringLiteral("Content")), QStringList{QStringLiteral("new hello")});
    QCOMPARE(log.Writes(QStringLiteral("ModifyTime")).size(), 1);
    QVERIFY(!note->IsModified());
}

void TestNote::typingSavesAfterAPauseWhileTheNoteStaysActive() {
    TfmNote* note = Open();
    NoteWriteLog log;
    QVERIFY(Activate(*note));
    note->retShow()->moveCursor(QTextCursor::End);
    QTest::keyClicks(note->retShow(), QStringLiteral(" typed"));
    QVERIFY(note->IsModified());
    QVERIFY(log.Writes(QStringLiteral("Content")).isEmpty()); // not on every keystroke
    QTRY_VERIFY_WITH_TIMEOUT(!note->IsModified(), 5000);
    QVERIFY(note->IsActive());
    QCOMPARE(log.Writes(QStringLiteral("Content")), QStringList{QStringLiteral("hello typed")});
    QVERIFY(log.Writes(QStringLiteral("Rtf")).at(0).contains(QStringLiteral("hello typed")));
    QCOMPARE(log.Writes(QStringLiteral("ModifyTime")).size(), 1);
}

void TestNote::failedAutosaveIsTriedAgainUntilItIsWritten() {
    TfmNote* note = Open();
    NoteWriteLog log;
    QVERIFY(Activate(*note));
    QTest::keyClicks(note->retShow(), QStringLiteral("kept "));
    TfmData::Instance().FailNextStatements(2); // the first autosave and its first retry
    QTRY_VERIFY_WITH_TIMEOUT(!note->IsModified(), 20000);
    QCOMPARE(log.Writes(QStringLiteral("Content")), QStringList{QStringLiteral("kept hello")});
    QCOMPARE(log.Writes(QStringLiteral("ModifyTime")).size(), 1);
}

void TestNote::failedPlaceWriteIsTriedAgainUntilItIsWritten() {
    TfmNote* note = Open();
    NoteWriteLog log;
    TfmData::Instance().FailNextStatements(1);
    DragBy(note, note->ChromeRect(QStringLiteral("imgTitle")).topLeft() + QPoint(40, 10),
           QPoint(30, 25));
    QCOMPARE(note->pos(), QPoint(130, 105));
    QVERIFY(log.Writes(QStringLiteral("Position")).isEmpty());
    QVERIFY(note->HasUnsavedChanges());
    QTRY_VERIFY_WITH_TIMEOUT(!note->HasUnsavedChanges(), 15000);
    QCOMPARE(log.Writes(QStringLiteral("Position")), QStringList{QStringLiteral("130,105")});
}

void TestNote::reactivationBeforeTheTimerKeepsTheFullColourAndWritesNothing() {
    TfmNote* note = Open();
    QWidget elsewhere;
    elsewhere.show();
    NoteWriteLog log;
    QVERIFY(Activate(*note));
    QTest::keyClicks(note->retShow(), QStringLiteral("x"));
    // Away and back with no event handled in between: the deferred deactivation finds the
    // note active again.
    QApplication::setActiveWindow(&elsewhere);
    QVERIFY(!note->IsActive());
    QApplication::setActiveWindow(note);
    QTest::qWait(20);
    QCOMPARE(PaintedColor(*note), ColorFromValue(note->NoteColor()));
    QCOMPARE(log.Total(), 0);
    QVERIFY(note->IsModified());
}

void TestNote::minimisingAChangedNoteSavesItsText() {
    TfmNote* note = Open();
    NoteWriteLog log;
    QVERIFY(Activate(*note));
    note->retShow()->moveCursor(QTextCursor::End);
    QTest::keyClicks(note->retShow(), QStringLiteral("!"));
    QTest::keyClick(note->retShow(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!note->isVisible());
    QTRY_COMPARE(log.Writes(QStringLiteral("Content")), QStringList{QStringLiteral("hello!")});
    QCOMPARE(log.Writes(QStringLiteral("Type")), QStringList{QStringLiteral("2")});
}

void TestNote::sizeToContentFitsTheTextAndWritesTheSize() {
    TfmNote* note = Open();
    NoteWriteLog log;
    for (int line = 0; line < 12; ++line)
        note->AppendTextLine(QStringLiteral("line %1").arg(line));
    QVERIFY(note->retShow()->verticalScrollBar()->maximum() > 0);

    note->menuSizetoConClick();
    QVERIFY(note->height() > 150);
    QCOMPARE(note->retShow()->verticalScrollBar()->maximum(), 0);
    QCOMPARE(log.Writes(QStringLiteral("Size")), QStringList{PairText(200, note->height())});

    const int fitted = note->height();
    note->menuSizetoConClick(); // text that fits already: no change, Size still written
    QCOMPARE(note->height(), fitted);
    QCOMPARE(log.Writes(QStringLiteral("Size")).size(), 2);
}

void TestNote::scrollBarShowsOnlyWhenTheTextNeedsScrolling() {
    TfmNote* note = Open();
    QVERIFY(note->ScrollBar()->isHidden());
    QVERIFY(note->ArrowBar()->isHidden());
    for (int line = 0; line < 12; ++line)
        note->AppendTextLine(QStringLiteral("line %1").arg(line));
    note->UpdateScrollBars();
    QVERIFY(!note->ScrollBar()->isHidden());
    QVERIFY(!note->ArrowBar()->isHidden());
    note->retShow()->clear();
    note->UpdateScrollBars();
    QVERIFY(note->ScrollBar()->isHidden());
}

void TestNote::ctrlShortcuts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Shift+S sizes") << int(Qt::Key_S) << ctrlShift << "Size"
                                        << "";
    QTest::newRow("Ctrl+S alone nothing") << int(Qt::Key_S) << ctrl << ""
                                          << "";
    QTest::newRow("Ctrl+W on top") << int(Qt::Key_W) << ctrl << "Type3"
                                   << "1";
    QTest::newRow("Ctrl+Q minimises") << int(Qt::Key_Q) << ctrl << "Type"
                                      << "2";
    QTest::newRow("Ctrl+T trashes") << int(Qt::Key_T) << ctrl << "Type"
                                    << "3";
    QTest::newRow("Ctrl+Shift+T nothing") << int(Qt::Key_T) << ctrlShift << ""
                                          << "";
    QTest::newRow("Ctrl+Shift+W nothing") << int(Qt::Key_W) << ctrlShift << ""
                                          << "";
}

void TestNote::ctrlShortcuts() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, column);
    QFETCH(QString, value);
    TfmNote* note = Open();
    for (int line = 0; line < 12; ++line)
        note->AppendTextLine(QStringLiteral("line %1").arg(line));
    note->SetModified(false);
    const QString text = note->retShow()->toPlainText();
    const QSize size = note->size();
    NoteWriteLog log;
    QTest::keyClick(note->retShow(), Qt::Key(key), modifiers);

    if (column.isEmpty()) {
        QCOMPARE(log.Total(), 0);
        QCOMPARE(note->size(), size);
        QCOMPARE(note->retShow()->toPlainText(), text);
        return;
    }
    QCOMPARE(log.Total(), column == QLatin1String("Type3") ? 2 : 1); // Type3 with ParentId
    const QStringList writes = log.Writes(column);
    QCOMPARE(writes.size(), 1);
    if (!value.isEmpty())
        QCOMPARE(writes.at(0), value);
    else
        QVERIFY(writes.at(0) != PairText(size.width(), size.height()));
}

void TestNote::previewNeverTakesTheFullColour() {
    auto note = std::make_unique<TfmNote>(NoteMode::Preview);
    note->SetColor(12615680);
    note->retShow()->setPlainText(QStringLiteral("preview"));
    note->show();
    const QColor light = ColorFromValue(LightenColor(12615680));
    QCOMPARE(PaintedColor(*note), light);
    QVERIFY(Activate(*note));
    QTest::mouseClick(note->retShow()->viewport(), Qt::LeftButton);
    QCOMPARE(PaintedColor(*note), light);
    QVERIFY(note->retShow()->isReadOnly());
    QTest::keyClick(note->retShow(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(note->isVisible()); // no trashing from a preview
    QVERIFY(TfmUntil::Instance().NoteList().isEmpty());
}

void TestNote::clickOnUrlOpensIt() {
    TestNoteRow row;
    row.content = QStringLiteral("see www.example.org today");
    TfmNote* note = Open(row);
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "Open");
    const QTextCursor cursor = [&] {
        QTextCursor c(note->retShow()->document());
        c.setPosition(8);
        return c;
    }();
    const QPoint onUrl = note->retShow()->cursorRect(cursor).center();
    QWidget* viewport = note->retShow()->viewport();
    QTest::mouseMove(viewport, onUrl);
    QCOMPARE(viewport->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onUrl);
    QTest::mouseClick(viewport, Qt::RightButton, {}, onUrl);
    const QPoint offUrl =
        note->retShow()->cursorRect(QTextCursor(note->retShow()->document())).center();
    QTest::mouseMove(viewport, offUrl);
    QCOMPARE(viewport->cursor().shape(), Qt::IBeamCursor);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, offUrl);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() - 3, onUrl.y()));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(recorder.Opened, QList<QUrl>{QUrl(QStringLiteral("http://www.example.org"))});
}

void TestNote::textMenuEnablesCutAndCopyOnlyWithASelection() {
    TfmNote* note = Open();
    QMenu* menu = note->PopEditor();
    emit menu->aboutToShow();
    QVERIFY(!MenuAction(menu, "itmCut")->isEnabled());
    QVERIFY(!MenuAction(menu, "itmCopy")->isEnabled());
    note->retShow()->selectAll();
    emit menu->aboutToShow();
    QVERIFY(MenuAction(menu, "itmCut")->isEnabled());
    QVERIFY(MenuAction(menu, "itmCopy")->isEnabled());

    Clock::Set(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    note->retShow()->moveCursor(QTextCursor::End);
    MenuAction(menu, "itmInsertDT")->trigger();
    const QLocale locale;
    QCOMPARE(note->retShow()->toPlainText(),
             QStringLiteral("hello") + locale.toString(QDate(2024, 3, 5), QLocale::ShortFormat) +
                 QLatin1Char(' ') + locale.toString(QTime(14, 7, 9), QLocale::LongFormat));
}

void TestNote::moveToTabWritesTheParentAndClosesTheWindow() {
    QPointer<TfmNote> note = Open();
    const int id = note->NoteId();
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Work"));
    QVERIFY(board.TabId != 0);
    QMenu* menu = note->NotePopupMenu();
    emit menu->aboutToShow();
    auto* moveTo = menu->findChild<QMenu*>(QStringLiteral("menuMoveTo"));
    QVERIFY(moveTo->isEnabled());
    QCOMPARE(moveTo->actions().size(), 1);
    QMenu* boardMenu = moveTo->actions().at(0)->menu();
    QCOMPARE(boardMenu->title(), QStringLiteral("Work"));
    QCOMPARE(boardMenu->actions().at(0)->text(), QStringLiteral("Tab1"));
    boardMenu->actions().at(0)->trigger();
    ProcessDeletions();

    QVERIFY(note.isNull());
    QCOMPARE(NoteColumn(id, QStringLiteral("ParentId")), QString::number(board.TabId));
    QCOMPARE(NoteColumn(id, QStringLiteral("Position")), QStringLiteral("12,12"));
    QCOMPARE(TfmUntil::Instance().FindNoteWindow(id), nullptr);
}

void TestNote::menuCaptions() {
    TfmNote* note = Open();
    QStringList noteMenu;
    for (const QAction* item : note->NotePopupMenu()->actions())
        noteMenu.append(item->text());
    QCOMPARE(noteMenu, (QStringList{"Move To...", "Note Color", "Always On Top\tCtrl+W",
                                    "Minimize Note\tCtrl+Q", "Trash Note\tCtrl+T",
                                    "Size to Content  \tCtrl+Shift+S"}));
    QStringList textMenu;
    for (const QAction* item : note->PopEditor()->actions())
        textMenu.append(item->isSeparator() ? QStringLiteral("-")
                                            : item->text().section('\t', 0, 0));
    QCOMPARE(textMenu, (QStringList{"Cut", "Copy", "Paste", "-", "Edit Note", "Select All",
                                    "Insert Date and Time ", "-", "Trash Note"}));
}

void TestNote::rightClickOnTheTitleOpensTheNoteMenu() {
    TfmNote* note = Open();
    NoteWriteLog log;
    QTest::mouseClick(note, Qt::RightButton, {},
                      note->ChromeRect(QStringLiteral("imgTitle")).topLeft() + QPoint(60, 10));
    QVERIFY(note->NotePopupMenu()->isVisible());
    note->NotePopupMenu()->hide();
    QCOMPARE(note->pos(), QPoint(100, 80));
    QCOMPARE(log.Total(), 0);
}

void TestNote::editIconClickAsksForTheEditor_data() {
    QTest::addColumn<bool>("preview");
    QTest::newRow("note") << false;
    QTest::newRow("preview") << true;
}

void TestNote::editIconClickAsksForTheEditor() {
    QFETCH(bool, preview);
    auto note = std::make_unique<TfmNote>(preview ? NoteMode::Preview : NoteMode::Desktop);
    QSignalSpy edit(note.get(), &TfmNote::EditRequested);
    QTest::mouseClick(note.get(), Qt::LeftButton, {},
                      note->ChromeRect(QStringLiteral("imgEdit")).center());
    QCOMPARE(edit.count(), preview ? 0 : 1);
    // Beside the icon, on the title strip, a click asks for nothing.
    QTest::mouseClick(note.get(), Qt::LeftButton, {},
                      note->ChromeRect(QStringLiteral("imgEdit")).topRight() + QPoint(10, 5));
    QCOMPARE(edit.count(), preview ? 0 : 1);
}

void TestNote::chromeIsPaintedByTheWindow() {
    TfmNote* note = Open();
    const QImage image = note->grab().toImage();
    const QColor frame(191, 200, 196);
    QCOMPARE(QColor(image.pixel(0, 60)), frame);    // left line
    QCOMPARE(QColor(image.pixel(199, 60)), frame);  // right line
    QCOMPARE(QColor(image.pixel(100, 0)), frame);   // top line
    QCOMPARE(QColor(image.pixel(100, 149)), frame); // bottom line
    // The logo and the edit button are drawn over the note's colour.
    const QRect logo = note->ChromeRect(QStringLiteral("imgIcon"));
    QCOMPARE(logo.size(), QSize(89, 23));
    bool logoDrawn = false;
    for (int x = logo.left(); x <= logo.right() && !logoDrawn; ++x)
        logoDrawn = QColor(image.pixel(x, logo.center().y())) != PaintedColor(*note);
    QVERIFY(logoDrawn);
}

void TestNote::frameShowsTheSizingCursors_data() {
    QTest::addColumn<QString>("piece");
    QTest::addColumn<Qt::CursorShape>("shape");
    QTest::newRow("top-left") << "imgTopleft" << Qt::SizeFDiagCursor;
    QTest::newRow("top-right") << "imgTopright" << Qt::SizeBDiagCursor;
    QTest::newRow("left") << "imgLeftborder" << Qt::SizeHorCursor;
    QTest::newRow("bottom") << "imgBottomborder" << Qt::SizeVerCursor;
    QTest::newRow("grip") << "imgResize" << Qt::SizeFDiagCursor;
    QTest::newRow("title") << "imgTitle" << Qt::ArrowCursor;
}

void TestNote::frameShowsTheSizingCursors() {
    QFETCH(QString, piece);
    QFETCH(Qt::CursorShape, shape);
    TfmNote* note = Open();
    const QPoint over = note->ChromeRect(piece).center();
    SendMouseAt(note, QEvent::MouseMove, note->mapToGlobal(QPoint(100, 60)), Qt::NoButton,
                Qt::NoButton);
    SendMouseAt(note, QEvent::MouseMove, note->mapToGlobal(over), Qt::NoButton, Qt::NoButton);
    QCOMPARE(note->cursor().shape(), shape);
}

void TestNote::typingStartsInTheTypingFont() {
    auto note = std::make_unique<TfmNote>();
    note->SetTypingFont(QStringLiteral("Courier New"), 14);
    QTest::keyClicks(note->retShow(), QStringLiteral("abc"));
    QTextCursor cursor(note->retShow()->document());
    cursor.movePosition(QTextCursor::End);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList(),
             QStringList{QStringLiteral("Courier New")});
    QCOMPARE(cursor.charFormat().fontPointSize(), 14.0);
    QVERIFY(note->RtfText().contains("Courier New"));
    QVERIFY(note->RtfText().contains("\\fs28"));
    QCOMPARE(note->retShow()->font().pointSize(), 8); // the control's own font stays
}

void TestNote::reminderIconShowsTheReminderState_data() {
    QTest::addColumn<int>("type2");
    QTest::addColumn<int>("dueInHours");
    QTest::addColumn<QString>("picture"); // empty: no icon
    QTest::newRow("no reminder") << 1 << 5 << QString();
    QTest::newRow("pending") << 2 << 5 << QStringLiteral("n_alarm");
    QTest::newRow("due") << 2 << -1 << QStringLiteral("n_alarm_timeto");
}

void TestNote::reminderIconShowsTheReminderState() {
    QFETCH(int, type2);
    QFETCH(int, dueInHours);
    QFETCH(QString, picture);
    const QDateTime now(QDate(2025, 6, 1), QTime(12, 0));
    Clock::Set(now);
    TestNoteRow row;
    row.type2 = type2;
    row.nTime = DateTimeText::FromDateTime(now.addSecs(dueInHours * 3600));
    TfmNote* note = Open(row);
    const QRect icon = note->ChromeRect(QStringLiteral("imgAlarm"));
    QCOMPARE(icon, QRect(200 - 29, 6, 20, 24));
    QCOMPARE(note->ReminderIconShown(), !picture.isEmpty());
    QSignalSpy reminder(note, &TfmNote::ReminderRequested);
    QTest::mouseClick(note, Qt::LeftButton, {}, icon.center());
    // Without a reminder the place is the title strip's: the click asks for nothing.
    QCOMPARE(reminder.count(), picture.isEmpty() ? 0 : 1);
    if (!picture.isEmpty())
        QCOMPARE(note->ReminderPicture(), picture);
}

void TestNote::failingQueryShowsTheMessageAndTheProgramGoesOn_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("failures");
    // Trashing writes Type, then rebuilds the due list with a query: both fail.
    QTest::newRow("Trash Note entry") << "menu" << 2;
    QTest::newRow("Ctrl+T") << "key" << 2;
}

void TestNote::failingQueryShowsTheMessageAndTheProgramGoesOn() {
    QFETCH(QString, action);
    QFETCH(int, failures);
    TfmMessage box;
    SetErrorBox(&box);
    // The due-list rebuild the reminders run after a trash.
    TfmUntil::Instance().SetDueListReload([] {
        QStringList dueList;
        Alarm::LoadDueList(dueList, [] {});
    });
    TfmNote* note = Open();
    TfmNote* other = Open();
    const int otherId = other->NoteId();

    TfmData::Instance().FailNextStatements(failures);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    if (action == QLatin1String("menu"))
        MenuAction(note->NotePopupMenu(), "menuTrashNote")->trigger();
    else
        QTest::keyClick(note->retShow(), Qt::Key_T, Qt::ControlModifier);
    SetErrorBox(nullptr);

    QCOMPARE(box.Title(), QStringLiteral("Velmar Notes"));
    QVERIFY2(box.Message().contains(QStringLiteral("the database refused the statement")),
             qPrintable(box.Message()));
    // The program goes on: the next action on a note works.
    QTest::keyClick(other->retShow(), Qt::Key_T, Qt::ControlModifier);
    TfmUntil::Instance().SetDueListReload({});
    QCOMPARE(NoteColumn(otherId, QStringLiteral("Type")), QStringLiteral("3"));
}

QTEST_MAIN(TestNote)
#include "tst_note.moc"
