// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF the editor palette produces is read back the same by our reader and by LibreOffice:
// text, bold, italic, underline, colour, highlight, alignment, bullets and a picture. LibreOffice
// starts slowly, so one note is made and converted once.
#include "frmEditor.h"

#include "NoteTestSupport.h"
#include "OfficeConverter.h"
#include "RtfReader.h"
#include "TestDataFolder.h"
#include "untEditorImage.h"
#include "untFileChooser.h"
#include "untSwatchMenu.h"

#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QtTest>

#include <memory>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The character format inside `word`, and its paragraph.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& word) {
    QTextCursor at = document.find(word);
    if (at.isNull())
        return {};
    at.setPosition(at.selectionStart() + 1);
    return at.charFormat();
}

// What both readers must agree on, one line per fact.
QStringList Facts(const QTextDocument& document) {
    QStringList facts;
    const auto fact = [&facts](const QString& what, bool holds) {
        if (holds)
            facts.append(what);
    };
    fact(QStringLiteral("bold"), FormatOf(document, QStringLiteral("Bold")).fontWeight() >= 600);
    fact(QStringLiteral("plain"), FormatOf(document, QStringLiteral("Plain")).fontWeight() < 600 &&
                                      !FormatOf(document, QStringLiteral("Plain")).fontItalic());
    fact(QStringLiteral("italic"), FormatOf(document, QStringLiteral("Italic")).fontItalic());
    fact(QStringLiteral("underline"),
         FormatOf(document, QStringLiteral("Underlined")).fontUnderline());
    fact(QStringLiteral("red"),
         FormatOf(document, QStringLiteral("Red")).foreground().color() == QColor(255, 0, 0));
    fact(QStringLiteral("centred"), document.find(QStringLiteral("Centred"))
                                        .block()
                                        .blockFormat()
                                        .alignment()
                                        .testFlag(Qt::AlignHCenter));
    const QTextList* list = document.find(QStringLiteral("Bullet")).block().textList();
    fact(QStringLiteral("bullet"), list && list->format().style() == QTextListFormat::ListDisc);
    bool picture = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            picture = picture || it.fragment().charFormat().isImageFormat();
    fact(QStringLiteral("picture"), picture);
    const QString text = document.toPlainText();
    fact(QStringLiteral("text"), text.contains(QStringLiteral("Bold Italic Underlined Red "
                                                              "Marked Plain")));
    return facts;
}

} // namespace

class TestEditorLibreOffice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void ourReaderReadsThePalettesFormats();
    void libreOfficeReadsThemAlike();
    void libreOfficeKeepsTheHighlight();

private:
    void Select(const QString& word);
    void Click(const char* image);

    std::unique_ptr<TestDataFolder> FFolder;
    std::unique_ptr<TfmEditor> FEditor;
    QTemporaryDir FWork;
    QString FOffice;
    TfmNote* FNote = nullptr;
    QByteArray FRtf;
};

void TestEditorLibreOffice::Select(const QString& word) {
    QTextCursor found = FNote->retShow()->document()->find(word);
    QVERIFY(!found.isNull());
    FNote->retShow()->setTextCursor(found);
}

void TestEditorLibreOffice::Click(const char* image) {
    auto* button = FEditor->findChild<TEditorImage*>(QString::fromLatin1(image));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestEditorLibreOffice::initTestCase() {
    FOffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QVERIFY2(!FOffice.isEmpty(), "soffice is missing: install libreoffice-writer-nogui");
    QVERIFY(FWork.isValid());
    FFolder = std::make_unique<TestDataFolder>();
    FEditor = std::make_unique<TfmEditor>();
    TfmUntil::Instance().SetEditor(FEditor.get());

    TestNoteRow row;
    row.content = QStringLiteral("Bold Italic Underlined Red Marked Plain\nCentred\nBullet");
    const int id = InsertTestNote(row);
    FNote = TfmUntil::Instance().OpenNote(id, nullptr, nullptr);
    QVERIFY(FNote && Activate(*FNote));
    emit FNote->EditRequested();
    QVERIFY(FEditor->isVisible());

    Select(QStringLiteral("Bold"));
    Click("Font_BImg");
    Select(QStringLiteral("Italic"));
    Click("Font_IImg");
    Select(QStringLiteral("Underlined"));
    Click("Font_UImg");
    Select(QStringLiteral("Red"));
    FEditor->popFontColor()->actions().at(9)->trigger();
    Select(QStringLiteral("Marked"));
    FEditor->popBGColor()->actions().at(11)->trigger();
    Select(QStringLiteral("Centred"));
    Click("Font_CenterImg");
    Select(QStringLiteral("Bullet"));
    Click("Font_ListIimg");

    const QString picture = FWork.filePath(QStringLiteral("dot.png"));
    QImage dot(40, 30, QImage::Format_RGB32);
    dot.fill(Qt::darkMagenta);
    QVERIFY(dot.save(picture));
    FNote->retShow()->moveCursor(QTextCursor::End);
    FileChooser::SetNextChosenFileForTest(picture);
    Click("Note_PicImg");

    FRtf = FNote->RtfText();
    QFile file(FWork.filePath(QStringLiteral("note.rtf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(FRtf) == FRtf.size());
    file.close();
    for (const char* format : {"html", "fodt"}) {
        const QString failure = ConvertWithOffice(
            FOffice, FWork.path(), {QStringLiteral("--convert-to"), QString::fromLatin1(format)},
            FWork.filePath(QString::fromLatin1(format)), {file.fileName()});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
}

void TestEditorLibreOffice::cleanupTestCase() {
    CloseAllNotes();
    TfmUntil::Instance().SetEditor(nullptr);
    FEditor.reset();
    FFolder.reset();
}

void TestEditorLibreOffice::ourReaderReadsThePalettesFormats() {
    QTextDocument ours;
    QVERIFY(RtfReader::Read(FRtf, ours));
    QCOMPARE(
        Facts(ours),
        (QStringList{QStringLiteral("bold"), QStringLiteral("plain"), QStringLiteral("italic"),
                     QStringLiteral("underline"), QStringLiteral("red"), QStringLiteral("centred"),
                     QStringLiteral("bullet"), QStringLiteral("picture"), QStringLiteral("text")}));
    QCOMPARE(FormatOf(ours, QStringLiteral("Marked")).background().color(), QColor(255, 255, 0));
}

void TestEditorLibreOffice::libreOfficeReadsThemAlike() {
    const QByteArray html = ReadFile(FWork.filePath(QStringLiteral("html/note.html")));
    QVERIFY(!html.isEmpty());
    QTextDocument theirs;
    theirs.setHtml(QString::fromUtf8(html));
    QTextDocument ours;
    QVERIFY(RtfReader::Read(FRtf, ours));
    QVERIFY2(Facts(theirs) == Facts(ours), html.constData());
}

// LibreOffice's HTML export leaves highlighting out; its own format keeps it.
void TestEditorLibreOffice::libreOfficeKeepsTheHighlight() {
    const QByteArray odf = ReadFile(FWork.filePath(QStringLiteral("fodt/note.fodt")));
    QVERIFY(!odf.isEmpty());
    QVERIFY(odf.contains("fo:background-color=\"#ffff00\""));
}

QTEST_MAIN(TestEditorLibreOffice)
#include "tst_editor_libreoffice.moc"
