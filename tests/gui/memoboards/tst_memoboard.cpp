// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMemoboard.h"

#include "MemoboardTestSupport.h"
#include "frmMemoboardSettings.h"
#include "frmNote.h"
#include "untFileChooser.h"
#include "untMemoboardBackground.h"
#include "untNoteColors.h"
#include "untPaths.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// A small picture file of one colour.
QString WritePicture(const QString& folder, const QString& name, const QColor& colour) {
    QDir().mkpath(folder);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder + u'/' + name;
    image.save(path, "JPG");
    return path;
}

} // namespace

class TestMemoboard : public QObject {
    Q_OBJECT

private slots:
    void init() { FFixture = std::make_unique<MemoboardFixture>(); }
    void cleanup() { FFixture.reset(); }

    void opensOnTheRequestedTabOnly();
    void aSecondOpeningRaisesTheSameWindow();
    void newNotesFollowTheNextNotePoint();
    void newNoteIsStoredOnTheTabAndTyped();
    void cascadeByCreationWalksTheIdsAsText();
    void cascadeByModifyDateWrapsAtColumnSix();
    void deletingTheOnlyTabMakesANewTab1();
    void cancellingDeleteTabKeepsIt();
    void movingTheOnlyTabLeavesANewTab1AndShowsItOnTheOpenTarget();
    void cancellingDeleteMemoboardClosesWithoutDeleting();
    void renameIsStoredWhicheverWayItIsConfirmed_data();
    void renameIsStoredWhicheverWayItIsConfirmed();
    void placementAndImageSurviveATabSwitch();
    void chosenPicturesOfTheSameNameAreKeptApart();
    void settingsChangesAreStoredAndKept();
    void settingsClearImageStoresNoPlacement();
    void renamedBoardIsListedUnderItsNewName();
    void missingBackgroundShowsMemoBg();
    void hugePictureIsScaledWhenRead();
    void hitTestFollowsTheBand_data();
    void hitTestFollowsTheBand();
    void noteOnTabBecomesCurrentOnPressAndOthersGoLight();
    void closingANoteForgetsIt();

private:
    std::unique_ptr<MemoboardFixture> FFixture;
};

void TestMemoboard::opensOnTheRequestedTabOnly() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, second);
    QCOMPARE(window->lblCaption()->text(), QStringLiteral("Ideas"));
    QCOMPARE(window->TabEx()->TabCount(), 2);
    QCOMPARE(window->TabEx()->ActiveTab()->Tag(), second);
    QCOMPARE(window->TabEx()->ActiveTab()->height(), 30);
    QCOMPARE(window->CurrentTabId(), second);
    QVERIFY(window->PageOfTab(second)->isVisible());
    QVERIFY(!window->PageOfTab(board.TabId)->isVisible());
    QCOMPARE(window->size(), QSize(TfmMemoboard::DesignWidth, TfmMemoboard::DesignHeight));
}

void TestMemoboard::aSecondOpeningRaisesTheSameWindow() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    QCOMPARE(OpenBoard(board.MemoboardId, second), window);
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().size(), 1);
    QCOMPARE(window->CurrentTabId(), second);
    window->close();
    ProcessDeletions();
    QCOMPARE(TfmMemoboardData::Instance().FindMemoboardWindow(board.MemoboardId), nullptr);
}

void TestMemoboard::newNotesFollowTheNextNotePoint() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    QCOMPARE(window->CurrentPage()->width(), 671);
    QList<QPoint> places;
    for (int i = 0; i < 3; ++i)
        places.append(window->NewNoteOnTab(0)->pos());
    QCOMPARE(places, QList<QPoint>({{6, 6}, {56, 18}, {106, 30}}));
    // Past the right edge the next note starts a new row half a note lower.
    window->CurrentEntry()->NextNote = {600, 30};
    window->NewNoteOnTab(0);
    QCOMPARE(window->CurrentEntry()->NextNote, QPoint(6, 30 + TfmNote::DefaultHeight / 2));
}

void TestMemoboard::newNoteIsStoredOnTheTabAndTyped() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TfmNote* note = window->NewNoteOnTab(0);
    QCOMPARE(note->parentWidget(), window->CurrentPage()->Box());
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("ParentId")).toInt(), board.TabId);
    QCOMPARE(window->CurrentNote(), note);
    QCOMPARE(window->FindNoteWindow(note->NoteId()), note);
    note->retShow()->setPlainText(QStringLiteral("typed on the board"));
    window->EdtSubmitMouseDown(); // a click on the page: the note is no longer current
    QCOMPARE(window->CurrentNote(), nullptr);
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Content")),
             QStringLiteral("typed on the board"));

    TfmNote* dated = window->NewNoteOnTab(1);
    QVERIFY(!dated->PlainText().isEmpty());
    QVERIFY(window->NewNoteOnTab(3));
}

void TestMemoboard::cascadeByCreationWalksTheIdsAsText() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    for (int i = 0; i < 8; ++i)
        InsertTestNote({});
    TestNoteRow row;
    row.parentId = board.TabId;
    const int nine = InsertTestNote(row);
    const int ten = InsertTestNote(row);
    QCOMPARE(nine, 9);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    window->Cascade(TfmMemoboard::CreationOldest);
    TfmNote* noteNine = window->FindNoteWindow(nine);
    TfmNote* noteTen = window->FindNoteWindow(ten);
    // "10=…" sorts before "9=…": note 10 is placed first and ends in front.
    QCOMPARE(noteTen->pos(), QPoint(6, 6));
    QCOMPARE(noteNine->pos(), QPoint(56, 18));
    const QObjectList stack = window->CurrentPage()->Box()->children();
    QVERIFY(stack.indexOf(noteTen) > stack.indexOf(noteNine));
    QCOMPARE(NoteColumn(ten, QStringLiteral("Position")), QStringLiteral("6,6"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Sort")), QStringLiteral("2"));

    window->Cascade(TfmMemoboard::CreationNewest);
    QCOMPARE(noteNine->pos(), QPoint(6, 6));
    QCOMPARE(noteTen->pos(), QPoint(56, 18));
}

void TestMemoboard::cascadeByModifyDateWrapsAtColumnSix() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TestNoteRow row;
    row.parentId = board.TabId;
    row.size = QStringLiteral("670,150");
    const int first = InsertTestNote(row);
    const int second = InsertTestNote(row);
    QVERIFY(RunSQL(QStringLiteral("UPDATE Note SET ModifyTime='46001' WHERE Id=%1").arg(second)));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    window->Cascade(TfmMemoboard::ModifyOldest);
    // The older note first; as wide as the page, it wraps the row at column 6.
    QCOMPARE(window->FindNoteWindow(first)->pos(), QPoint(6, 6));
    QCOMPARE(window->FindNoteWindow(second)->pos(), QPoint(6, 153));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Sort")), QStringLiteral("4"));
}

void TestMemoboard::deletingTheOnlyTabMakesANewTab1() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TestNoteRow row;
    row.parentId = board.TabId;
    const int note = InsertTestNote(row);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    QVERIFY(window->FindNoteWindow(note));
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    window->actDeleteTabExecute();
    QCOMPARE(window->TabEx()->TabCount(), 1);
    QVERIFY(window->CurrentTabId() != board.TabId);
    QCOMPARE(window->TabEx()->ActiveTab()->text(), QStringLiteral("Tab1"));
    QVERIFY(window->CurrentPage()->isVisible());
    QCOMPARE(window->FindNoteWindow(note), nullptr);
    QCOMPARE(NoteColumn(note, QStringLiteral("Type")), QStringLiteral("3"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Id")), QString());
}

void TestMemoboard::cancellingDeleteTabKeepsIt() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultCancel);
    window->actDeleteTabExecute();
    QCOMPARE(window->CurrentTabId(), board.TabId);
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Caption")), QStringLiteral("Tab1"));
}

void TestMemoboard::movingTheOnlyTabLeavesANewTab1AndShowsItOnTheOpenTarget() {
    const TNewMemoboard source = MemoboardDB::AddMemoboard(QStringLiteral("Source"));
    const TNewMemoboard target = MemoboardDB::AddMemoboard(QStringLiteral("Target"));
    TestNoteRow row;
    row.parentId = source.TabId;
    const int note = InsertTestNote(row);
    TfmMemoboard* targetWindow = OpenBoard(target.MemoboardId, target.TabId);
    TfmMemoboard* window = OpenBoard(source.MemoboardId, source.TabId);
    window->MoveTabClick(target.MemoboardId);

    QCOMPARE(window->TabEx()->TabCount(), 1);
    QVERIFY(window->CurrentTabId() != source.TabId);
    QCOMPARE(window->TabEx()->ActiveTab()->text(), QStringLiteral("Tab1"));
    QCOMPARE(window->FindNoteWindow(note), nullptr);
    QCOMPARE(BoardColumn(source.TabId, QStringLiteral("ParentId")).toInt(), target.MemoboardId);
    // The open target shows the moved tab's page with its note at once.
    QCOMPARE(targetWindow->TabEx()->TabCount(), 2);
    QCOMPARE(targetWindow->CurrentTabId(), source.TabId);
    QVERIFY(targetWindow->CurrentPage()->isVisible());
    QVERIFY(targetWindow->FindNoteWindow(note));
}

void TestMemoboard::cancellingDeleteMemoboardClosesWithoutDeleting() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    QPointer<TfmMemoboard> window = OpenBoard(board.MemoboardId, board.TabId);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultCancel);
    window->actDeleteMExecute();
    ProcessDeletions();
    QVERIFY(window.isNull());
    QCOMPARE(BoardColumn(board.MemoboardId, QStringLiteral("Caption")), QStringLiteral("Ideas"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Caption")), QStringLiteral("Tab1"));

    window = OpenBoard(board.MemoboardId, board.TabId);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    window->actDeleteMExecute();
    ProcessDeletions();
    QVERIFY(window.isNull());
    QCOMPARE(CountRows(QStringLiteral("Memoboard")), 0);
}

void TestMemoboard::renameIsStoredWhicheverWayItIsConfirmed_data() {
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("click on the toolbar background") << QStringLiteral("frame");
    QTest::newRow("click on another tab") << QStringLiteral("other tab");
    QTest::newRow("Enter") << QStringLiteral("enter");
}

void TestMemoboard::renameIsStoredWhicheverWayItIsConfirmed() {
    QFETCH(QString, confirmation);
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TTabPanel* first = window->TabEx()->TabById(board.TabId);
    QTest::mouseDClick(first, Qt::LeftButton);
    window->TabEx()->RenameEdit()->setText(QStringLiteral("Plans"));
    if (confirmation == u"frame")
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(400, 60));
    else if (confirmation == u"other tab")
        QTest::mouseClick(window->TabEx()->TabById(second), Qt::LeftButton);
    else
        QTest::keyClick(window->TabEx()->RenameEdit(), Qt::Key_Return);
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Caption")), QStringLiteral("Plans"));

    window->close();
    ProcessDeletions();
    window = OpenBoard(board.MemoboardId, board.TabId);
    QCOMPARE(window->TabEx()->TabById(board.TabId)->text(), QStringLiteral("Plans"));
}

void TestMemoboard::placementAndImageSurviveATabSwitch() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    window->SetImagePosition(2);
    const QTemporaryDir pictures;
    FileChooser::SetNextChosenFileForTest(
        WritePicture(pictures.path(), QStringLiteral("sea.jpg"), Qt::blue));
    window->actSelectImgExecute();
    window->TabEx()->ActivateTabById(second);
    window->TabEx()->ActivateTabById(board.TabId);
    QCOMPARE(window->CurrentEntry()->Info.Position, 2);
    QCOMPARE(window->CurrentEntry()->Info.Bgimg, VelmarPaths::DataFolder() + "sea.jpg");
    QCOMPARE(window->CurrentPage()->Placement(), 2);
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Position")), QStringLiteral("2"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Bgimg")), QStringLiteral("sea.jpg"));
}

void TestMemoboard::chosenPicturesOfTheSameNameAreKeptApart() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    const QTemporaryDir pictures;
    const QString blue = WritePicture(pictures.path() + "/a", QStringLiteral("sea.jpg"), Qt::blue);
    const QString green =
        WritePicture(pictures.path() + "/b", QStringLiteral("sea.jpg"), Qt::green);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    FileChooser::SetNextChosenFileForTest(blue);
    window->actSelectImgExecute();
    window->TabEx()->ActivateTabById(second);
    FileChooser::SetNextChosenFileForTest(green);
    window->actSelectImgExecute();
    const QString firstName = BoardColumn(board.TabId, QStringLiteral("Bgimg"));
    const QString secondName = BoardColumn(second, QStringLiteral("Bgimg"));
    QCOMPARE(firstName, QStringLiteral("sea.jpg"));
    QVERIFY(secondName != firstName);
    QCOMPARE(QImage(VelmarPaths::DataFolder() + firstName).pixelColor(4, 4).blue() > 200, true);
    QCOMPARE(QImage(VelmarPaths::DataFolder() + secondName).pixelColor(4, 4).green() > 200, true);
    // The same file chosen again is not copied a second time.
    FileChooser::SetNextChosenFileForTest(green);
    window->actSelectImgExecute();
    QCOMPARE(BoardColumn(second, QStringLiteral("Bgimg")), secondName);
    QCOMPARE(QDir(VelmarPaths::DataFolder()).entryList({QStringLiteral("sea*")}).size(), 2);
}

void TestMemoboard::settingsChangesAreStoredAndKept() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    const int second = MemoboardDB::AddTab(board.MemoboardId, QStringLiteral("Second"), 255);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TMemoboardSettingsValues values = window->SettingsValues();
    QCOMPARE(values.MemoboardName, QStringLiteral("Ideas"));
    QCOMPARE(values.TabName, QStringLiteral("Tab1"));
    values.TabName = QStringLiteral("Renamed");
    values.TabColor = 65535;
    values.PageColor = 128;
    values.Placement = 1;
    window->ApplySettings(values);
    window->TabEx()->ActivateTabById(second);
    window->TabEx()->ActivateTabById(board.TabId);
    const TTabInfo& tab = window->CurrentEntry()->Info;
    QCOMPARE(tab.Caption, QStringLiteral("Renamed"));
    QCOMPARE(tab.Position, 1);
    QCOMPARE(tab.BgColor, 128);
    QCOMPARE(window->CurrentPage()->BgColor(), 128);
    QCOMPARE(window->TabEx()->ActiveTab()->text(), QStringLiteral("Renamed"));
    QCOMPARE(window->TabEx()->ActiveTab()->Color(), 65535);
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Caption")), QStringLiteral("Renamed"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Color")), QStringLiteral("65535"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("BgColor")), QStringLiteral("128"));
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Position")), QStringLiteral("1"));
    QCOMPARE(BoardColumn(board.MemoboardId, QStringLiteral("Caption")), QStringLiteral("Ideas"));
}

void TestMemoboard::settingsClearImageStoresNoPlacement() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TfmMemoboardSettings dialog;
    dialog.Load(window->SettingsValues(), 1);
    dialog.rbCenter()->setChecked(true);
    dialog.btnClearImgClick();
    window->ApplySettings(dialog.Values());
    QCOMPARE(BoardColumn(board.TabId, QStringLiteral("Position")), QStringLiteral("0"));
    QVERIFY(window->CurrentPage()->Picture().isNull());
}

void TestMemoboard::renamedBoardIsListedUnderItsNewName() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().at(0).Caption, QStringLiteral("Ideas"));
    TMemoboardSettingsValues values = window->SettingsValues();
    values.MemoboardName = QStringLiteral("Plans");
    window->ApplySettings(values);
    QCOMPARE(TfmMemoboardData::Instance().MemoboardList().at(0).Caption, QStringLiteral("Plans"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Plans"));
    QCOMPARE(window->lblCaption()->text(), QStringLiteral("Plans"));
    QCOMPARE(BoardColumn(board.MemoboardId, QStringLiteral("Caption")), QStringLiteral("Plans"));
    // The window's switch menu lists it under the new name too.
    std::vector<TMemoboardInfo> boards = MemoboardDB::Memoboards();
    QCOMPARE(boards.at(0).Caption, QStringLiteral("Plans"));
}

void TestMemoboard::missingBackgroundShowsMemoBg() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    MemoboardDB::SetBackgroundImage(QStringLiteral("gone.jpg"), board.TabId);
    QFile notPicture(FFixture->DataFolder() + "text.jpg");
    QVERIFY(notPicture.open(QIODevice::WriteOnly));
    notPicture.write("no picture here");
    notPicture.close();
    const QSize memoBg = MemoboardBackground::Default().deviceIndependentSize().toSize();
    QVERIFY(!memoBg.isEmpty());
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    QCOMPARE(window->CurrentPage()->Placement(), 3);
    QCOMPARE(window->CurrentPage()->Picture().deviceIndependentSize().toSize(), memoBg);
    QCOMPARE(MemoboardBackground::Load(notPicture.fileName()).deviceIndependentSize().toSize(),
             memoBg);
}

void TestMemoboard::hugePictureIsScaledWhenRead() {
    const QTemporaryDir pictures;
    QImage huge(6000, 300, QImage::Format_RGB32);
    huge.fill(Qt::darkGreen);
    const QString path = pictures.filePath(QStringLiteral("wide.jpg"));
    QVERIFY(huge.save(path, "JPG"));
    const QPixmap read = MemoboardBackground::Load(path);
    QVERIFY(read.width() < 6000);
    QVERIFY(read.width() >= 1920);
    QCOMPARE(read.width() / read.height(), 20); // the shape is kept
    // Read once, however many tabs show it.
    QCOMPARE(MemoboardBackground::Load(path).cacheKey(), read.cacheKey());
}

void TestMemoboard::hitTestFollowsTheBand_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("edges");
    const QSize size(689, 542);
    QTest::newRow("bottom-right") << QPoint(688, 541) << int(Qt::BottomEdge | Qt::RightEdge);
    QTest::newRow("top-left") << QPoint(3, 3) << int(Qt::TopEdge | Qt::LeftEdge);
    QTest::newRow("left") << QPoint(0, 300) << int(Qt::LeftEdge);
    QTest::newRow("top-right is the right edge") << QPoint(688, 0) << int(Qt::RightEdge);
    QTest::newRow("bottom-left is the bottom edge") << QPoint(0, 541) << int(Qt::BottomEdge);
    QTest::newRow("bottom") << QPoint(300, 539) << int(Qt::BottomEdge);
    QTest::newRow("top") << QPoint(300, 3) << int(Qt::TopEdge);
    QTest::newRow("inside") << QPoint(300, 4) << 0;
}

void TestMemoboard::hitTestFollowsTheBand() {
    QFETCH(QPoint, point);
    QFETCH(int, edges);
    QCOMPARE(int(TfmMemoboard::BorderHit(point, QSize(689, 542))), edges);
}

void TestMemoboard::noteOnTabBecomesCurrentOnPressAndOthersGoLight() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TestNoteRow row;
    row.parentId = board.TabId;
    row.color = 255;
    const int first = InsertTestNote(row);
    const int second = InsertTestNote(row);
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TfmNote* one = window->FindNoteWindow(first);
    TfmNote* two = window->FindNoteWindow(second);
    const QColor full = ColorFromValue(255);
    QVERIFY(one->palette().color(QPalette::Window) != full); // loaded inactive
    QTest::mousePress(one->retShow()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window->CurrentNote(), one);
    QCOMPARE(one->palette().color(QPalette::Window), full);
    one->retShow()->setPlainText(QStringLiteral("changed"));
    QTest::mousePress(two->retShow()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window->CurrentNote(), two);
    QVERIFY(one->palette().color(QPalette::Window) != full);
    QCOMPARE(NoteColumn(first, QStringLiteral("Content")), QStringLiteral("changed"));
}

void TestMemoboard::closingANoteForgetsIt() {
    const TNewMemoboard board = MemoboardDB::AddMemoboard(QStringLiteral("Ideas"));
    TfmMemoboard* window = OpenBoard(board.MemoboardId, board.TabId);
    TfmNote* note = window->NewNoteOnTab(0);
    const int id = note->NoteId();
    note->menuTrashNoteClick();
    QCOMPARE(window->FindNoteWindow(id), nullptr);
    QCOMPARE(window->CurrentNote(), nullptr);
    QCOMPARE(window->NoteList().size(), 0);
}

QTEST_MAIN(TestMemoboard)
#include "tst_memoboard.moc"
