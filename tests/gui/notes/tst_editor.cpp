// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEditor.h"

#include "../controls/MouseEvents.h"
#include "NoteTestSupport.h"
#include "RtfReader.h"
#include "TestDataFolder.h"
#include "frmMessage.h"
#include "frmNoteInfo.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untEditorImage.h"
#include "untErrorBoundary.h"
#include "untFileChooser.h"
#include "untNoteInsert.h"
#include "untNotePrint.h"
#include "untQuickReminder.h"
#include "untSwatchMenu.h"

#include <QClipboard>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

TEditorImage* Image(const TfmEditor& editor, const char* name) {
    return editor.findChild<TEditorImage*>(QString::fromLatin1(name));
}

void Click(TEditorImage* image) {
    QVERIFY(image);
    QTest::mouseClick(image, Qt::LeftButton);
}

// The stored Rtf of a note, read back into a document.
std::unique_ptr<QTextDocument> StoredDocument(int noteId) {
    auto document = std::make_unique<QTextDocument>();
    RtfReader::Read(NoteColumn(noteId, QStringLiteral("Rtf")).toUtf8(), *document);
    return document;
}

QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position);
    return cursor.charFormat();
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void standsBesideTheNote_data();
    void standsBesideTheNote();
    void followsTheNoteAndHidesWithIt();
    void editButtonTogglesThePaletteWithoutTakingTheActivation();
    void boldOnAnEmptyNoteAppliesToTheFirstTypedCharacters();
    void commandReachesTheStoredRtf_data();
    void commandReachesTheStoredRtf();
    void latchesFollowTheSelection();
    void undoToTheEndLatchesTheUnavailableLook();
    void sizeZeroChangesNothing();
    void ctrlKeysToggleStylesAndTheLatchesFollow();
    void unreadablePictureIsReportedAndChangesNothing();
    void hugePictureIsScaledDownAndTheClipboardIsKept();
    void printWritesTheTextToAPdf();
    void cancelledDialogsChangeNothing();
    void attachedFileIsCopiedAndLinked();
    void linkToAMissingAttachmentSaysSo();
    void noteInfoOpensBesideTheNote();
    void quickReminderMenuOffersTheRemainingHours_data();
    void quickReminderMenuOffersTheRemainingHours();
    void quickSetWritesTheTimeAndKeepsTheRepeat();
    void repeatEntryWritesTheRepeat();
    void repeatText_data();
    void repeatText();
    void noteColourAndOnTopGoThroughTheNote();

private:
    TfmNote* Open(const TestNoteRow& row = {});
    // Shows the palette for an active note with its text selected.
    TfmNote* OpenWithPalette(const TestNoteRow& row = {});
    // Lets the note lose the activation, so that its text is written.
    void Deactivate();

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmEditor> FEditor;
    std::unique_ptr<TfmMessage> FMessage;
    std::unique_ptr<QWidget> FElsewhere;
};

void TestEditor::init() {
    FFolder = std::make_unique<TestDataFolder>();
    FEditor = std::make_unique<TfmEditor>();
    TfmUntil::Instance().SetEditor(FEditor.get());
    FMessage = std::make_unique<TfmMessage>();
    SetErrorBox(FMessage.get());
    FElsewhere = std::make_unique<QWidget>();
    FElsewhere->setGeometry(700, 500, 50, 50);
}

void TestEditor::cleanup() {
    CloseAllNotes();
    SetErrorBox(nullptr);
    TfmUntil::Instance().SetEditor(nullptr);
    FEditor.reset();
    FMessage.reset();
    FElsewhere.reset();
    Clock::Reset();
    FFolder.reset();
}

TfmNote* TestEditor::Open(const TestNoteRow& row) {
    const int id = InsertTestNote(row);
    TfmNote* note = TfmUntil::Instance().OpenNote(id, nullptr, nullptr);
    if (note)
        note->SetModified(false);
    return note;
}

TfmNote* TestEditor::OpenWithPalette(const TestNoteRow& row) {
    TfmNote* note = Open(row);
    if (!note || !Activate(*note))
        return nullptr;
    note->retShow()->selectAll();
    emit note->EditRequested();
    return FEditor->isVisible() ? note : nullptr;
}

void TestEditor::Deactivate() {
    QVERIFY(Activate(*FElsewhere));
}

void TestEditor::standsBesideTheNote_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<bool>("right");
    QTest::newRow("room on the left") << QStringLiteral("400,80") << false;
    QTest::newRow("at the left edge") << QStringLiteral("0,80") << true;
    QTest::newRow("a little room only") << QStringLiteral("200,80") << true;
    QTest::newRow("just room") << QStringLiteral("241,80") << false;
}

void TestEditor::standsBesideTheNote() {
    QFETCH(QString, position);
    QFETCH(bool, right);
    TestNoteRow row;
    row.position = position;
    TfmNote* note = OpenWithPalette(row);
    QVERIFY(note);
    QCOMPARE(FEditor->size(), QSize(239, 170));
    QCOMPARE(FEditor->PlacedRight(), right);
    QCOMPARE(FEditor->y(), note->y());
    if (right)
        QCOMPARE(FEditor->x(), note->x() + note->width() + 2);
    else
        QCOMPARE(FEditor->x() + FEditor->width() + 2, note->x());
}

void TestEditor::followsTheNoteAndHidesWithIt() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    note->move(500, 300);
    QCOMPARE(FEditor->pos(), QPoint(500 - 239 - 2, 300));
    note->Minimize();
    QTRY_VERIFY(FEditor->isHidden());
    QCOMPARE(FEditor->Note(), note);
}

void TestEditor::editButtonTogglesThePaletteWithoutTakingTheActivation() {
    TfmNote* note = Open();
    QVERIFY(Activate(*note));
    note->retShow()->selectAll();
    const QPoint edit = note->ChromeRect(QStringLiteral("imgEdit")).center();
    QTest::mouseClick(note, Qt::LeftButton, {}, edit);
    QVERIFY(FEditor->isVisible());
    QVERIFY(FEditor->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(FEditor->testAttribute(Qt::WA_ShowWithoutActivating));
    Click(Image(*FEditor, "Font_BImg"));
    QVERIFY(note->isActiveWindow());
    QCOMPARE(note->retShow()->textCursor().selectedText(), QStringLiteral("hello"));

    QTest::mouseClick(note, Qt::LeftButton, {}, edit);
    QTRY_VERIFY(FEditor->isHidden());
    QTest::mouseClick(note, Qt::LeftButton, {}, edit);
    QVERIFY(FEditor->isVisible());
    Deactivate();
    QTRY_VERIFY(FEditor->isHidden());
}

void TestEditor::boldOnAnEmptyNoteAppliesToTheFirstTypedCharacters() {
    TestNoteRow row;
    row.content.clear();
    TfmNote* note = OpenWithPalette(row);
    QVERIFY(note);
    Click(Image(*FEditor, "Font_BImg"));
    QVERIFY(Image(*FEditor, "Font_BImg")->Latched());
    QTest::keyClicks(note->retShow(), QStringLiteral("Hi"));
    Deactivate();
    QTRY_COMPARE(NoteColumn(note->NoteId(), QStringLiteral("Content")), QStringLiteral("Hi"));
    QVERIFY(NoteColumn(note->NoteId(), QStringLiteral("Rtf"))
                .contains(QRegularExpression(QStringLiteral(R"(\\b[^a-z0-9][^}]*Hi)"))));
}

// Each command on the selected text, then deactivation: the written Rtf holds its effect, as
// our reader reads it back. No text is typed, so the format change alone is what is saved.
void TestEditor::commandReachesTheStoredRtf_data() {
    using Command = std::function<void(TfmEditor&)>;
    using Check = std::function<bool(const QTextDocument&)>;
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("rtf");    // a pattern the stored Rtf matches
    QTest::addColumn<QString>("absent"); // one it must not match
    QTest::addColumn<Check>("check");
    const auto image = [](const char* name) {
        return Command([name](TfmEditor& editor) { Click(Image(editor, name)); });
    };
    const auto entries = [](TSwatchMenu* (TfmEditor::*menu)() const, QList<int> chosen) {
        return Command([menu, chosen](TfmEditor& editor) {
            for (const int entry : chosen)
                (editor.*menu)()->actions().at(entry)->trigger();
        });
    };
    const auto first = [](const std::function<bool(const QTextCharFormat&)>& test) {
        return Check([test](const QTextDocument& d) { return test(FormatAt(d, 1)); });
    };
    const auto paragraph = [](Qt::Alignment alignment) {
        return Check([alignment](const QTextDocument& d) {
            return (d.begin().blockFormat().alignment() & alignment) != 0;
        });
    };
    QTest::newRow("bold") << image("Font_BImg") << R"(\\b[^a-z0-9])" << QString()
                          << first([](const QTextCharFormat& f) { return f.fontWeight() > 500; });
    QTest::newRow("italic") << image("Font_IImg") << R"(\\i[^a-z0-9])" << QString()
                            << first([](const QTextCharFormat& f) { return f.fontItalic(); });
    QTest::newRow("underline") << image("Font_UImg") << R"(\\ul[^a-z0-9])" << QString()
                               << first([](const QTextCharFormat& f) { return f.fontUnderline(); });
    QTest::newRow("text colour") << entries(&TfmEditor::popFontColor, {9})
                                 << R"(\\red255\\green0\\blue0;)" << QString()
                                 << first([](const QTextCharFormat& f) {
                                        return f.foreground().color() == Qt::red;
                                    });
    QTest::newRow("automatic colour after a colour")
        << entries(&TfmEditor::popFontColor, {12, 16}) << R"(hello)"
        << R"(\\cf[1-9])"
        << first([](const QTextCharFormat& f) { return f.foreground().style() == Qt::NoBrush; });
    QTest::newRow("highlight") << entries(&TfmEditor::popBGColor, {11}) << R"(\\highlight[1-9])"
                               << QString() << first([](const QTextCharFormat& f) {
                                      return f.background().color() == Qt::yellow;
                                  });
    QTest::newRow("highlight removed")
        << entries(&TfmEditor::popBGColor, {11, 16}) << R"(hello)"
        << R"(\\highlight[1-9])"
        << first([](const QTextCharFormat& f) { return f.background().style() == Qt::NoBrush; });
    QTest::newRow("centre") << image("Font_CenterImg") << R"(\\qc)" << QString()
                            << paragraph(Qt::AlignHCenter);
    QTest::newRow("right") << image("Font_RightImg") << R"(\\qr)" << QString()
                           << paragraph(Qt::AlignRight);
    QTest::newRow("bullets") << image("Font_ListIimg") << R"(\\pntext)" << QString()
                             << Check([](const QTextDocument& d) {
                                    return d.begin().textList() &&
                                           d.begin().textList()->format().style() ==
                                               QTextListFormat::ListDisc;
                                });
    QTest::newRow("size") << Command([](TfmEditor& editor) {
        editor.findChild<QSpinBox*>(QStringLiteral("FontSize"))->setValue(20);
    }) << R"(\\fs40)" << QString()
                          << first(
                                 [](const QTextCharFormat& f) { return f.fontPointSize() == 20; });
    QTest::newRow("font") << Command([](TfmEditor& editor) {
        auto* fonts = editor.findChild<QFontComboBox*>(QStringLiteral("FontName"));
        fonts->setCurrentIndex(fonts->currentIndex() == 0 ? 1 : 0);
    }) << R"(\\f1[^0-9])" << QString()
                          << first([](const QTextCharFormat& f) {
                                 return f.fontFamilies().toStringList().value(0) !=
                                        QStringLiteral("Tahoma");
                             });
}

void TestEditor::commandReachesTheStoredRtf() {
    QFETCH(std::function<void(TfmEditor&)>, command);
    QFETCH(QString, rtf);
    QFETCH(QString, absent);
    QFETCH(std::function<bool(const QTextDocument&)>, check);
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    command(*FEditor);
    QVERIFY(note->IsModified());
    Deactivate();
    QTRY_VERIFY(!note->IsModified());
    const QString stored = NoteColumn(note->NoteId(), QStringLiteral("Rtf"));
    QVERIFY2(stored.contains(QRegularExpression(rtf)), qPrintable(stored));
    QVERIFY2(absent.isEmpty() || !stored.contains(QRegularExpression(absent)), qPrintable(stored));
    QVERIFY(check(*StoredDocument(note->NoteId())));
}

void TestEditor::latchesFollowTheSelection() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    QTextCursor cursor = note->retShow()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    note->retShow()->setTextCursor(cursor);
    Click(Image(*FEditor, "Font_BImg"));
    Click(Image(*FEditor, "Font_CenterImg"));

    cursor.setPosition(1);
    note->retShow()->setTextCursor(cursor);
    QVERIFY(Image(*FEditor, "Font_BImg")->Latched());
    QVERIFY(Image(*FEditor, "Font_CenterImg")->Latched());
    QVERIFY(!Image(*FEditor, "Font_LeftImg")->Latched());
    QVERIFY(Image(*FEditor, "Font_CutImg")->Latched());
    QCOMPARE(Image(*FEditor, "Font_CutImg")->PictureName(), QStringLiteral("cut_h"));
    QCOMPARE(Image(*FEditor, "Font_CopyImg")->PictureName(), QStringLiteral("copy_h"));

    cursor.setPosition(4);
    note->retShow()->setTextCursor(cursor);
    QVERIFY(!Image(*FEditor, "Font_BImg")->Latched());
    QCOMPARE(Image(*FEditor, "Font_BImg")->PictureName(), QString());
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    note->retShow()->setTextCursor(cursor);
    QVERIFY(!Image(*FEditor, "Font_CutImg")->Latched());
    QCOMPARE(Image(*FEditor, "Font_CutImg")->PictureName(), QString());
}

void TestEditor::undoToTheEndLatchesTheUnavailableLook() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    TEditorImage* undo = Image(*FEditor, "Font_UndoImg");
    TEditorImage* redo = Image(*FEditor, "Font_RedoImg");
    QCOMPARE(undo->PictureName(), QStringLiteral("undo_h"));
    Click(Image(*FEditor, "Font_BImg"));
    Click(Image(*FEditor, "Font_IImg"));
    QVERIFY(!undo->Latched());
    QVERIFY(redo->Latched());
    Click(undo);
    QVERIFY(!Image(*FEditor, "Font_IImg")->Latched());
    QVERIFY(Image(*FEditor, "Font_BImg")->Latched());
    Click(undo);
    QVERIFY(!Image(*FEditor, "Font_BImg")->Latched());
    QVERIFY(undo->Latched());
    QVERIFY(!redo->Latched());
    SendEnter(undo);
    QCOMPARE(undo->PictureName(), QStringLiteral("undo_h"));
    SendLeave(undo);
    QCOMPARE(undo->PictureName(), QStringLiteral("undo_h"));
    SendEnter(redo);
    QCOMPARE(redo->PictureName(), QStringLiteral("redo"));
}

void TestEditor::sizeZeroChangesNothing() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    const QString before = note->retShow()->document()->toHtml();
    FEditor->findChild<QSpinBox*>(QStringLiteral("FontSize"))->setValue(0);
    QCOMPARE(note->retShow()->document()->toHtml(), before);
    QVERIFY(!note->IsModified());
}

void TestEditor::ctrlKeysToggleStylesAndTheLatchesFollow() {
    TfmNote* note = Open();
    QVERIFY(Activate(*note));
    note->retShow()->selectAll();
    QTest::keyClick(note->retShow(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(note->retShow(), Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(note->retShow(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(note->retShow(), Qt::Key_B, Qt::ControlModifier);
    const QTextCharFormat format = note->retShow()->currentCharFormat();
    QVERIFY(format.fontItalic());
    QVERIFY(format.fontUnderline());
    QVERIFY(format.fontWeight() <= QFont::Medium);
    QCOMPARE(note->retShow()->toPlainText(), QStringLiteral("hello"));

    emit note->EditRequested();
    QVERIFY(Image(*FEditor, "Font_IImg")->Latched());
    QTest::keyClick(note->retShow(), Qt::Key_B, Qt::ControlModifier);
    QVERIFY(Image(*FEditor, "Font_BImg")->Latched());
    QTest::keyClick(note->retShow(), Qt::Key_I, Qt::ControlModifier);
    QVERIFY(!Image(*FEditor, "Font_IImg")->Latched());
    Deactivate();
    QTRY_VERIFY(!note->IsModified());
    const QString rtf = NoteColumn(note->NoteId(), QStringLiteral("Rtf"));
    QVERIFY(rtf.contains(QRegularExpression(QStringLiteral(R"(\\b[^a-z0-9])"))));
    QVERIFY(rtf.contains(QRegularExpression(QStringLiteral(R"(\\ul[^a-z0-9])"))));
    QVERIFY(!rtf.contains(QRegularExpression(QStringLiteral(R"(\\i[^a-z0-9])"))));
}

void TestEditor::unreadablePictureIsReportedAndChangesNothing() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    const QString path = FFolder->Root() + QStringLiteral("/broken.png");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG not really");
    file.close();
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's clipboard"));
    const QString before = note->retShow()->document()->toHtml();

    FileChooser::SetNextChosenFileForTest(path);
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    Click(Image(*FEditor, "Note_PicImg"));
    QVERIFY(FMessage->Message().contains(QStringLiteral("broken.png")));
    QCOMPARE(note->retShow()->document()->toHtml(), before);
    QVERIFY(!note->IsModified());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's clipboard"));
}

void TestEditor::hugePictureIsScaledDownAndTheClipboardIsKept() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    const QString path = FFolder->Root() + QStringLiteral("/wide.png");
    QImage picture(3000, 1500, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(path));
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's clipboard"));
    note->retShow()->moveCursor(QTextCursor::End);

    FileChooser::SetNextChosenFileForTest(path);
    Click(Image(*FEditor, "Note_PicImg"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's clipboard"));
    Deactivate();
    QTRY_VERIFY(!note->IsModified());
    const QString rtf = NoteColumn(note->NoteId(), QStringLiteral("Rtf"));
    QVERIFY(rtf.contains(QStringLiteral("\\picw1024\\pich512")));
    const std::unique_ptr<QTextDocument> stored = StoredDocument(note->NoteId());
    const QTextCharFormat image = FormatAt(*stored, 6);
    QVERIFY(image.isImageFormat());
    QVERIFY(image.toImageFormat().width() <= note->retShow()->viewport()->width());
    QVERIFY(image.toImageFormat().width() > 0);
}

void TestEditor::printWritesTheTextToAPdf() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestNoteRow row;
    row.content = QStringLiteral("Print me please");
    TfmNote* note = OpenWithPalette(row);
    QVERIFY(note);
    const QString pdf = FFolder->Root() + QStringLiteral("/note.pdf");
    NotePrint::SetNextPdfFileForTest(pdf);
    Click(Image(*FEditor, "Note_PrintImg"));
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput())
                .contains(QStringLiteral("Print me please")));
    process.start(QStringLiteral("pdfinfo"), {pdf});
    if (process.waitForFinished())
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput())
                    .contains(QStringLiteral("Untitled")));
}

void TestEditor::cancelledDialogsChangeNothing() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    const QString before = note->retShow()->document()->toHtml();
    NotePrint::SetNextPdfFileForTest({});
    Click(Image(*FEditor, "Note_PrintImg"));
    FileChooser::SetNextChosenFileForTest({});
    Click(Image(*FEditor, "Note_PicImg"));
    FileChooser::SetNextChosenFileForTest({});
    Click(Image(*FEditor, "Note_ObjImg"));
    QCOMPARE(note->retShow()->document()->toHtml(), before);
    QVERIFY(!note->IsModified());
    QVERIFY(!QFileInfo::exists(NoteInsert::AttachmentsFolder()));
}

void TestEditor::attachedFileIsCopiedAndLinked() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    note->retShow()->moveCursor(QTextCursor::End);
    const QString path = FFolder->Root() + QStringLiteral("/plan b.txt");
    for (int i = 0; i < 2; ++i) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the plan");
        file.close();
        FileChooser::SetNextChosenFileForTest(path);
        Click(Image(*FEditor, "Note_ObjImg"));
    }
    const QString first = NoteInsert::AttachmentsFolder() + QStringLiteral("/plan b.txt");
    const QString second = NoteInsert::AttachmentsFolder() + QStringLiteral("/plan b (2).txt");
    QVERIFY(QFileInfo::exists(first));
    QVERIFY(QFileInfo::exists(second));
    QFile::remove(path); // the note keeps working without the original

    Deactivate();
    QTRY_VERIFY(!note->IsModified());
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Content")),
             QStringLiteral("helloplan b.txt plan b (2).txt "));
    const QString rtf = NoteColumn(note->NoteId(), QStringLiteral("Rtf"));
    QVERIFY(rtf.contains(QStringLiteral("HYPERLINK \"") +
                         QUrl::fromLocalFile(first).toString(QUrl::FullyEncoded)));
    const std::unique_ptr<QTextDocument> stored = StoredDocument(note->NoteId());
    QCOMPARE(QUrl(FormatAt(*stored, 7).anchorHref()).toLocalFile(), first);
}

void TestEditor::linkToAMissingAttachmentSaysSo() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    note->retShow()->moveCursor(QTextCursor::End);
    const QString path = FFolder->Root() + QStringLiteral("/gone.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    FileChooser::SetNextChosenFileForTest(path);
    Click(Image(*FEditor, "Note_ObjImg"));
    const QString copy = NoteInsert::AttachmentsFolder() + QStringLiteral("/gone.txt");
    QVERIFY(QFile::remove(copy));

    QTextCursor at = note->retShow()->textCursor();
    at.setPosition(7);
    note->retShow()->setTextCursor(at);
    const QPoint onLink = note->retShow()->cursorRect(at).center();
    TfmMessage::SetNextAnswerForTest(TfmMessage::ResultOK);
    QTest::mouseClick(note->retShow()->viewport(), Qt::LeftButton, {}, onLink);
    QVERIFY(FMessage->Message().contains(QStringLiteral("can no longer be found")));
    QVERIFY(FMessage->Message().contains(copy));
}

void TestEditor::noteInfoOpensBesideTheNote() {
    TestNoteRow row;
    row.position = QStringLiteral("400,200");
    TfmNote* note = OpenWithPalette(row);
    QVERIFY(note);
    QPoint shownAt;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        auto* info = qobject_cast<TfmNoteInfo*>(QApplication::activeModalWidget());
        if (!info)
            return;
        shownAt = info->pos();
        modal = info->isModal();
        info->reject();
    });
    QTimer::singleShot(2000, this, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->close();
    });
    Click(Image(*FEditor, "Note_InfoImg"));
    QVERIFY(modal);
    QCOMPARE(shownAt, QPoint(425, 225));
}

void TestEditor::quickReminderMenuOffersTheRemainingHours_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QStringList>("today");
    QTest::newRow("morning") << QTime(7, 10)
                             << QStringList{QStringLiteral("8:00 AM"),  QStringLiteral("9:00 AM"),
                                            QStringLiteral("10:00 AM"), QStringLiteral("11:00 AM"),
                                            QStringLiteral("12:00 PM"), QStringLiteral("1:00 PM"),
                                            QStringLiteral("2:00 PM"),  QStringLiteral("3:00 PM"),
                                            QStringLiteral("4:00 PM"),  QStringLiteral("5:00 PM")};
    QTest::newRow("half past nine")
        << QTime(9, 30) << QStringList{QStringLiteral("10:00 AM"), QStringLiteral("11:00 AM"),
                                       QStringLiteral("12:00 PM"), QStringLiteral("1:00 PM"),
                                       QStringLiteral("2:00 PM"),  QStringLiteral("3:00 PM"),
                                       QStringLiteral("4:00 PM"),  QStringLiteral("5:00 PM")};
    QTest::newRow("after five") << QTime(17, 5) << QStringList{};
}

void TestEditor::quickReminderMenuOffersTheRemainingHours() {
    QFETCH(QTime, now);
    QFETCH(QStringList, today);
    Clock::Set(QDateTime(QDate(2026, 12, 10), now)); // a Thursday
    FEditor->BuildQuickReminderMenu();
    const QList<QAction*> days = FEditor->popAlarm()->actions();
    QStringList captions;
    for (QAction* day : days)
        captions.append(day->text());
    QCOMPARE(captions, (QStringList{QStringLiteral("Today"), QStringLiteral("Friday"),
                                    QStringLiteral("Saturday"), QStringLiteral("Sunday"),
                                    QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                                    QStringLiteral("Wednesday")}));
    QStringList hours;
    for (QAction* hour : days.first()->menu()->actions())
        hours.append(hour->text());
    QCOMPARE(hours, today);
    QCOMPARE(days.at(1)->menu()->actions().size(), 10);
}

void TestEditor::quickSetWritesTheTimeAndKeepsTheRepeat() {
    Clock::Set(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    TestNoteRow row;
    row.type2 = 2;
    row.nTime = DateTimeText::FromDateTime(QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
    const int id = InsertTestNote(row);
    QVERIFY(RunSQL(QStringLiteral("UPDATE Note SET TimeOut=2, TimeOutType=3")));
    TfmNote* note = TfmUntil::Instance().OpenNote(id, nullptr, nullptr);
    QVERIFY(Activate(*note));
    emit note->EditRequested();
    auto* repeat = FEditor->findChild<QLabel*>(QStringLiteral("Note_lblAlarmRep"));
    QCOMPARE(repeat->text(), QStringLiteral("Every 2 days"));
    QSignalSpy dueList(FEditor.get(), &TfmEditor::DueListChanged);

    // Friday, 3 PM.
    FEditor->popAlarm()->actions().at(1)->menu()->actions().at(7)->trigger();
    const QDateTime due(QDate(2026, 12, 11), QTime(15, 0));
    QCOMPARE(NoteColumn(id, QStringLiteral("NTime")), DateTimeText::FromDateTime(due));
    QCOMPARE(NoteColumn(id, QStringLiteral("Type2")), QStringLiteral("2"));
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOut")), QStringLiteral("2"));
    QCOMPARE(NoteColumn(id, QStringLiteral("TimeOutType")), QStringLiteral("3"));
    QCOMPARE(note->ReminderTime(), due);
    QCOMPARE(note->RepeatUnit(), 3);
    QCOMPARE(repeat->text(), QStringLiteral("Every 2 days"));
    QCOMPARE(FEditor->findChild<QLabel*>(QStringLiteral("Note_lblAlarm"))->text(),
             DateTimeText::ForDisplay(due));
    QCOMPARE(dueList.size(), 1);
}

void TestEditor::repeatEntryWritesTheRepeat() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    QVERIFY(!Image(*FEditor, "Note_AlarmRImg")->isEnabled());
    QVERIFY(!Image(*FEditor, "Note_imgArrowAP")->isEnabled());
    QCOMPARE(Image(*FEditor, "Note_AlarmRImg")->PictureName(), QStringLiteral("alarm_repeat_h"));
    QCOMPARE(FEditor->findChild<QLabel*>(QStringLiteral("Note_lblAlarm"))->text(),
             QStringLiteral("Click here to set Reminder"));
    FEditor->popAlarm()->actions().at(2)->menu()->actions().at(0)->trigger();
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type2")), QStringLiteral("2"));
    QVERIFY(Image(*FEditor, "Note_AlarmRImg")->isEnabled());
    QCOMPARE(Image(*FEditor, "Note_AlarmRImg")->PictureName(), QString());
    FEditor->popAlarmReapt()->actions().at(6)->trigger();
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("TimeOut")), QStringLiteral("1"));
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("TimeOutType")), QStringLiteral("7"));
    QCOMPARE(FEditor->findChild<QLabel*>(QStringLiteral("Note_lblAlarmRep"))->text(),
             QStringLiteral("Monday through Friday"));

    QList<TfmNote*> requested;
    connect(FEditor.get(), &TfmEditor::SetReminderRequested, this,
            [&requested](TfmNote* asked) { requested.append(asked); });
    Click(Image(*FEditor, "Note_AlarmImg"));
    QTest::mouseClick(FEditor->findChild<QLabel*>(QStringLiteral("Note_lblAlarm")), Qt::LeftButton);
    QCOMPARE(requested, (QList<TfmNote*>{note, note}));
}

void TestEditor::repeatText_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 day") << 1 << 3 << QStringLiteral("Every days");
    QTest::newRow("3 hours") << 3 << 2 << QStringLiteral("Every 3 hours");
    QTest::newRow("2 years") << 2 << 6 << QStringLiteral("Every 2 years");
    QTest::newRow("weekdays") << 1 << 7 << QStringLiteral("Monday through Friday");
    QTest::newRow("none") << 0 << 0 << QString();
}

void TestEditor::repeatText() {
    QFETCH(int, count);
    QFETCH(int, unit);
    QFETCH(QString, text);
    QCOMPARE(QuickReminder::RepeatText(count, unit), text);
}

void TestEditor::noteColourAndOnTopGoThroughTheNote() {
    TfmNote* note = OpenWithPalette();
    QVERIFY(note);
    TEditorImage* onTop = Image(*FEditor, "Note_OntheTopImg");
    Click(onTop);
    QVERIFY(note->OnTop());
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Type3")), QStringLiteral("1"));
    SendLeave(onTop);
    QCOMPARE(onTop->PictureName(), QStringLiteral("onthetop"));
    Click(onTop);
    QVERIFY(!note->OnTop());
    QCOMPARE(onTop->PictureName(), QString());

    FEditor->popNcolor()->actions().at(1)->trigger();
    QCOMPARE(note->NoteColor(), 255);
    QCOMPARE(NoteColumn(note->NoteId(), QStringLiteral("Color")), QStringLiteral("255"));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
