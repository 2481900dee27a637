// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on small hand-written streams: one behaviour per row.
#include "RtfFormatProperties.h"
#include "RtfPicture.h"
#include "RtfReader.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace {
QTextDocument* Read(const QByteArray& rtf, QObject* parent) {
    auto* document = new QTextDocument(parent);
    if (!RtfReader::Read(rtf, *document))
        return nullptr;
    return document;
}

// The character format of the first character of `word` in the document.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& word) {
    const QTextCursor found = document.find(word);
    QTextCursor at(found.block());
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}
} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void readsText_data();
    void readsText();
    void keepsCharacterFormats();
    void keepsParagraphFormats();
    void buildsListsFromPnAndListText();
    void buildsTables();
    void keepsHyperlinkFields();
    void endsLinkAtParagraphMarkInsideResult();
    void showsPngPictureAtGoalSize();
    void judgesPictureHeaders_data();
    void judgesPictureHeaders();
    void keepsUnshowableObjectWhole();
    void refusesWhatIsNotRtf();
    void loadingIsNoUndoStep();
    void survivesDeepNestingAndHugeNumbers();
};

void TestRtfReader::readsText_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("final par ends the last paragraph")
        << QByteArray("{\\rtf1 a\\par b\\par}") << QStringLiteral("a\nb");
    QTest::newRow("empty paragraphs stay")
        << QByteArray("{\\rtf1 a\\par\\par\\par b}") << QStringLiteral("a\n\n\nb");
    QTest::newRow("backslash newline is a paragraph")
        << QByteArray("{\\rtf1 a\\\r\nb\\\nc}") << QStringLiteral("a\nb\nc");
    QTest::newRow("bare line ends are nothing")
        << QByteArray("{\\rtf1 a\r\nb\nc}") << QStringLiteral("abc");
    QTest::newRow("tab and line") << QByteArray("{\\rtf1 a\\tab b\\line c}")
                                  << QStringLiteral("a\tb\u2028c");
    QTest::newRow("escaped braces and backslash")
        << QByteArray("{\\rtf1 \\{x\\}\\\\}") << QStringLiteral("{x}\\");
    QTest::newRow("unicode skips one fallback by default")
        << QByteArray("{\\rtf1 \\u945?b}") << QStringLiteral("\u03B1b");
    QTest::newRow("uc is scoped to its group")
        << QByteArray("{\\rtf1\\uc1 {\\uc2\\u228\\'E8a}\\u228?b}")
        << QStringLiteral("\u00E4\u00E4b");
    QTest::newRow("hex fallback counts as one")
        << QByteArray("{\\rtf1 \\u26580\\'3f\\u36947\\'3f}") << QStringLiteral("\u67D4\u9053");
    QTest::newRow("group end stops the fallback")
        << QByteArray("{\\rtf1\\uc3 {\\u945}bcd}") << QStringLiteral("\u03B1bcd");
    QTest::newRow("negative u") << QByteArray("{\\rtf1 \\u-3913?}") << QStringLiteral("\uF0B7");
    QTest::newRow("surrogate pair joined")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("lone surrogates become replacement characters")
        << QByteArray("{\\rtf1 \\u-10240?x\\u-9216?}") << QStringLiteral("\uFFFDx\uFFFD");
    QTest::newRow("double-byte character split over two escapes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'b9\\'fa}") << QStringLiteral("中国");
    QTest::newRow("ascii trail byte of a double-byte character")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'8bC}") << QStringLiteral("気");
    QTest::newRow("the font's charset wins over ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset238 A;}"
                      "{\\f1\\fcharset204 B;}}\\f0\\'c8\\f1\\'c8}")
        << QStringLiteral("ČИ");
    QTest::newRow("utf-8 rtf")
        << QByteArray("{\\urtf1{\\fonttbl{\\f0\\fcharset0 A;}}caf\xC3\xA9 \\'e4\\'b8\\'ad}")
        << QStringLiteral("café 中");
    QTest::newRow("symbol font bullet") << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}"
                                                      "{\\f1\\'B7}x}")
                                        << QStringLiteral("\u2022x");
    QTest::newRow("invalid hex escape is consumed")
        << QByteArray("{\\rtf1 x\\u345\\'3?x}") << QStringLiteral("xřx");
    QTest::newRow("unknown ignorable destination skipped")
        << QByteArray("{\\rtf1 a{\\*\\foo {\\b no}}b}") << QStringLiteral("ab");
    QTest::newRow("bin data inside a skipped group")
        << QByteArray("{\\rtf1 a{\\*\\foo\\bin4 }{\\}}b}") << QStringLiteral("ab");
    QTest::newRow("ud part of upr")
        << QByteArray("{\\rtf1 {\\upr{G}{\\*\\ud{\\uc0\\u915}}}}") << QStringLiteral("\u0393");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b}") << QStringLiteral("ab");
    QTest::newRow("after the outer group nothing counts")
        << QByteArray("{\\rtf1 a}\0b", 12) << QStringLiteral("a");
    QTest::newRow("truncated stream reads as far as it goes")
        << QByteArray("{\\rtf1 {\\b a\\par b") << QStringLiteral("a\nb");
    QTest::newRow("special characters")
        << QByteArray(
               "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\_}")
        << QStringLiteral("—–•‘’“”\u00A0\u2011");
    QTest::newRow("field instruction is not text")
        << QByteArray("{\\rtf1 {\\field{\\*\\fldinst{ PAGE }}{\\fldrslt 7}}}")
        << QStringLiteral("7");
    QTest::newRow("header, info and stylesheet are not text")
        << QByteArray("{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\header H}x}")
        << QStringLiteral("x");
}

void TestRtfReader::readsText() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(RtfReader::Read(rtf, document));
    QCOMPARE(document.toRawText(), text.replace(u'\n', QChar(QChar::ParagraphSeparator)));
}

void TestRtfReader::keepsCharacterFormats() {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset134 "
        "SimSun;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}"
        "\\pard\\f0\\fs22 plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  \\strike struck"
        "\\strike0  \\f1\\fs40 big\\f0\\fs22  \\cf1 red\\cf0  \\highlight2 marked\\highlight0  "
        "{\\cb2 shaded} {\\chcbpat2 patterned} {\\super up}\\par}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    const QTextCharFormat plain = FormatOf(*document, QStringLiteral("plain"));
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QCOMPARE(plain.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    QCOMPARE(plain.fontPointSize(), 11.0);
    QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(FormatOf(*document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(FormatOf(*document, QStringLiteral("italic")).fontItalic());
    QVERIFY(FormatOf(*document, QStringLiteral("under")).fontUnderline());
    QVERIFY(FormatOf(*document, QStringLiteral("struck")).fontStrikeOut());
    const QTextCharFormat big = FormatOf(*document, QStringLiteral("big"));
    QCOMPARE(big.fontPointSize(), 20.0);
    QCOMPARE(big.fontFamilies().toStringList(), QStringList{QStringLiteral("SimSun")});
    QCOMPARE(big.intProperty(RtfFormatProperty::FontCharset), 134);
    QCOMPARE(FormatOf(*document, QStringLiteral("red")).foreground().color(), QColor(Qt::red));
    for (const char* word : {"marked", "shaded", "patterned"})
        QCOMPARE(FormatOf(*document, QLatin1String(word)).background().color(), QColor(Qt::yellow));
    QVERIFY(
        !FormatOf(*document, QStringLiteral("plain")).hasProperty(QTextFormat::BackgroundBrush));
    QCOMPARE(FormatOf(*document, QStringLiteral("up")).verticalAlignment(),
             QTextCharFormat::AlignSuperScript);
}

void TestRtfReader::keepsParagraphFormats() {
    const QByteArray rtf = "{\\rtf1\\pard\\qc centred\\par\\qr right\\par\\pard left\\par"
                           "\\pard\\li720\\fi-360\\sa200\\sl276\\slmult1 spaced\\par}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->blockCount(), 4);
    QCOMPARE(document->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(document->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignRight);
    QCOMPARE(document->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignLeft);
    const QTextBlockFormat spaced = document->findBlockByNumber(3).blockFormat();
    QCOMPARE(spaced.leftMargin(), 48.0);
    QCOMPARE(spaced.textIndent(), -24.0);
    QCOMPARE(qRound(spaced.bottomMargin() * 15), 200);
    QCOMPARE(spaced.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(spaced.lineHeight(), 115.0);
}

void TestRtfReader::buildsListsFromPnAndListText() {
    // The rich-edit form (\pn, later items repeat only \pntext) and the Word form (\ls with a
    // \listtext group that carries its own \pard\plain).
    const QByteArray rtf =
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
        "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
        "\\fi-360\\li720 one\\par{\\pntext\\f1\\'B7\\tab}two\\par"
        "\\pard plain\\par"
        "\\pard{\\pntext\\f0 "
        "1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta)}}"
        "\\fi-360\\li720 first\\par{\\pntext\\f0 2.\\tab}second\\par"
        "\\pard\\ls1\\ilvl0{\\listtext\\pard\\plain\\f0 1.\\tab}word\\par}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("one\ntwo\nplain\nfirst\nsecond\nword"));
    const QTextList* bullets = document->findBlockByNumber(0).textList();
    QVERIFY(bullets);
    QCOMPARE(bullets->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(document->findBlockByNumber(1).textList(), bullets);
    QVERIFY(!document->findBlockByNumber(2).textList());
    const QTextList* numbers = document->findBlockByNumber(3).textList();
    QVERIFY(numbers);
    QCOMPARE(numbers->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(numbers->itemText(document->findBlockByNumber(4)), QStringLiteral("2)"));
    const QTextList* word = document->findBlockByNumber(5).textList();
    QVERIFY(word);
    QCOMPARE(word->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(document->findBlockByNumber(5).charFormat().fontWeight(), int(QFont::Normal));
}

void TestRtfReader::buildsTables() {
    const QByteArray rtf =
        "{\\rtf1 before\\par\\trowd\\cellx1500\\cellx4500\\pard\\intbl one\\par\\cell "
        "two\\cell\\row\\trowd\\cellx1500\\cellx4500\\pard\\intbl\\cell three\\cell\\row"
        "\\pard after\\par}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("before\none\n\ntwo\n\nthree\nafter"));
    const QTextTable* table = QTextCursor(document->find(QStringLiteral("two"))).currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("one"));
    QCOMPARE(table->cellAt(0, 0).lastCursorPosition().block().text(), QString()); // "a\par\cell"
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("three"));
    QCOMPARE(table->format().columnWidthConstraints(),
             (QList<QTextLength>{QTextLength(QTextLength::FixedLength, 100),
                                 QTextLength(QTextLength::FixedLength, 200)}));
    QVERIFY(!QTextCursor(document->find(QStringLiteral("after"))).currentTable());
    QVERIFY(!QTextCursor(document->find(QStringLiteral("before"))).currentTable());

    // A bullet item closing the last cell at the end of the stream: its list must survive.
    QVERIFY(RtfReader::Read("{\\rtf1\\trowd\\cellx900\\pard\\intbl{\\*\\pn\\pnlvlblt}x\\cell}",
                            *document));
    const QTextBlock item = document->find(QStringLiteral("x")).block();
    QVERIFY(item.textList());
    QCOMPARE(item.textList()->format().style(), QTextListFormat::ListDisc);
}

void TestRtfReader::keepsHyperlinkFields() {
    const QByteArray rtf =
        "{\\rtf1 see {\\field{\\*\\fldinst{\\b HYPERLINK \"http://example.com/a b\" \\\\o \"tip\"}}"
        "{\\fldrslt{\\ul link}}} and {\\field{\\*\\fldinst HYPERLINK \\\\l \"mark\"}{\\fldrslt "
        "here}}"
        " and {\\field{\\*\\fldinst HYPERLINK www.example.org}{\\fldrslt bare}} after}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("see link and here and bare after"));
    QCOMPARE(FormatOf(*document, QStringLiteral("link")).anchorHref(),
             QStringLiteral("http://example.com/a b"));
    QCOMPARE(FormatOf(*document, QStringLiteral("here")).anchorHref(), QStringLiteral("#mark"));
    QCOMPARE(FormatOf(*document, QStringLiteral("bare")).anchorHref(),
             QStringLiteral("www.example.org"));
    QVERIFY(!FormatOf(*document, QStringLiteral("after")).isAnchor());
}

void TestRtfReader::endsLinkAtParagraphMarkInsideResult() {
    const QByteArray rtf = "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"#t\"}{\\fldrslt line1\\par "
                           "line2}} after\\par}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(FormatOf(*document, QStringLiteral("line1")).anchorHref(), QStringLiteral("#t"));
    QVERIFY(!FormatOf(*document, QStringLiteral("line2")).isAnchor());
    QVERIFY(!FormatOf(*document, QStringLiteral("after")).isAnchor());
}

void TestRtfReader::showsPngPictureAtGoalSize() {
    // A 1x1 PNG shown at 30x15 twips-per-pixel-scaled goal size, then scaled to 50 %.
    const QByteArray png = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAA"
                                                  "DElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC");
    const QByteArray rtf = "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picw1\\pich1\\picwgoal450"
                           "\\pichgoal225\\picscalex50\\picscaley50 " +
                           png.toHex() + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b}";
    QScopedPointer<QTextDocument> document(Read(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("a\uFFFCb"));
    const QTextImageFormat image = FormatOf(*document, QStringLiteral("\uFFFC")).toImageFormat();
    QVERIFY(image.isValid());
    QCOMPARE(image.width(), 15.0);
    QCOMPARE(image.height(), 7.5);
    const QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(image.name()));
    QCOMPARE(resource.toByteArray(), png);
    QCOMPARE(QImage::fromData(resource.toByteArray()).pixelColor(0, 0), QColor(0xff, 0x00, 0x00));
}

void TestRtfReader::judgesPictureHeaders_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    const QByteArray png = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAA"
                                                  "DElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC");
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage(5, 3, QImage::Format_RGB32).save(&buffer, "JPG");
    QByteArray wide = png;
    wide.replace(16, 4, QByteArray::fromHex("000186a0")); // 100000 pixels wide
    QTest::newRow("png") << png << QSize(1, 1);
    QTest::newRow("jpeg") << jpeg << QSize(5, 3);
    QTest::newRow("png wider than any note") << wide << QSize();
    QTest::newRow("png cut in its header") << png.left(20) << QSize();
    QTest::newRow("jpeg without a frame header")
        << QByteArray::fromHex("ffd8ffe000104a46") << QSize();
    QTest::newRow("jpeg with a broken marker") << jpeg.left(2) + "xx" + jpeg.mid(4) << QSize();
    QTest::newRow("neither") << QByteArray("GIF89a") << QSize();
}

void TestRtfReader::judgesPictureHeaders() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QCOMPARE(EncodedPictureSize(bytes), size);
}

void TestRtfReader::keepsUnshowableObjectWhole() {
    const QByteArray object = "{\\object\\objemb\\objw300\\objh150{\\*\\objclass PBrush}"
                              "{\\*\\objdata 0102}{\\result{\\pict\\wmetafile8\\bin3 \xFF}\xFF}}}";
    const QByteArray metafile = "{\\pict\\wmetafile8\\picwgoal300\\pichgoal300 0a0b0c}";
    QScopedPointer<QTextDocument> document(Read("{\\rtf1 x" + object + metafile + "y}", nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("x\uFFFC\uFFFCy"));
    QTextCursor cursor(document.data());
    cursor.setPosition(2);
    const QTextImageFormat first = cursor.charFormat().toImageFormat();
    QCOMPARE(first.property(RtfFormatProperty::OpaqueRtfGroup).toByteArray(), object);
    QCOMPARE(first.width(), 20.0);
    QCOMPARE(first.height(), 10.0);
    cursor.setPosition(3);
    QCOMPARE(cursor.charFormat().property(RtfFormatProperty::OpaqueRtfGroup).toByteArray(),
             metafile);
}

void TestRtfReader::refusesWhatIsNotRtf() {
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    QVERIFY(!RtfReader::Read("plain text", document));
    QVERIFY(!RtfReader::Read(QByteArray(), document));
    QVERIFY(!RtfReader::Read("{\\pard not rtf}", document));
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));
}

void TestRtfReader::loadingIsNoUndoStep() {
    QTextDocument document;
    document.setPlainText(QStringLiteral("before"));
    QTextCursor(&document).insertText(QStringLiteral("typed "));
    QVERIFY(document.isUndoAvailable());
    QVERIFY(RtfReader::Read("{\\rtf1 loaded\\par}", document));
    QCOMPARE(document.toPlainText(), QStringLiteral("loaded"));
    QVERIFY(!document.isUndoAvailable());
    QVERIFY(document.isUndoRedoEnabled());
    QTextCursor(&document).insertText(QStringLiteral("x"));
    document.undo();
    QCOMPARE(document.toPlainText(), QStringLiteral("loaded"));
}

void TestRtfReader::survivesDeepNestingAndHugeNumbers() {
    QByteArray deep = "{\\rtf1 a";
    deep += QByteArray(100000, '{') + "\\b hidden" + QByteArray(100000, '}') + "b}";
    QTextDocument document;
    QVERIFY(RtfReader::Read(deep, document));
    QCOMPARE(document.toPlainText(), QStringLiteral("ab"));
    const QByteArray huge = "{\\rtf1{\\fonttbl{\\f2147483648 A;}}\\f2147483648\\fs99999999999"
                            "\\cf-2147483649\\uc2147483647\\u99999999 x\\bin-5 y}";
    QVERIFY(RtfReader::Read(huge, document));
    QCOMPARE(document.toPlainText(), QStringLiteral("\uFFFD"));
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"
