// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer: the shape a rich-edit control writes, escapes, and documents that come back
// unchanged from the reader.
#include "DocumentDump.h"
#include "NoteDocuments.h"
#include "RtfFormatProperties.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

// On failure, shows the whole RTF.
#define QVERIFY_CONTAINS(rtf, part) QVERIFY2((rtf).contains(part), (rtf).constData())

namespace {
QByteArray WriteText(const QString& text) {
    QTextDocument document;
    document.setPlainText(text);
    return RtfWriter::Write(document);
}

bool IsAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}
} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT

private slots:
    void writesRichEditShape();
    void escapesText_data();
    void escapesText();
    void writesTransparentColoursAsAutomatic();
    void writesPixelSizesInPoints();
    void endsEachParagraphWithPar();
    void writesListsInRichEditForm();
    void writesTablesInRichEditForm();
    void boundsTableWidths();
    void writesLinksAsHyperlinkFields();
    void roundTripsFormattedNote();
    void roundTripsScripts();
    void writesReadPicturesAndObjectsBackUnchanged();
};

void TestRtfWriter::writesRichEditShape() {
    QTextDocument document;
    FillFormattedNote(document);
    const QByteArray rtf = RtfWriter::Write(document);
    QVERIFY(IsAscii(rtf));
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY_CONTAINS(rtf, "{\\fonttbl{\\f0\\fnil\\fcharset0 ");
    QVERIFY(rtf.contains("\\fcharset0 Tahoma;}"));
    QVERIFY(rtf.contains("\\fcharset0 Courier New;}"));
    // The automatic colour first, then the colours in the order the text uses them.
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red255\\green255\\blue0;"
                         "\\red0\\green0\\blue255;}"));
    QVERIFY_CONTAINS(rtf, "\\b Bold\\b0 ");
    QVERIFY_CONTAINS(rtf, "\\i Italic\\i0 ");
    QVERIFY_CONTAINS(rtf, "\\ul Underlined\\ulnone ");
    QVERIFY_CONTAINS(rtf, "\\strike Struck\\strike0 ");
    QVERIFY_CONTAINS(rtf, "\\fs40 Big\\fs20 ");
    QVERIFY_CONTAINS(rtf, "\\cf1 Red\\cf0 ");
    QVERIFY_CONTAINS(rtf, "\\highlight2 Marked\\highlight0 ");
    QVERIFY_CONTAINS(rtf, "\\pard\\qc \\f1 Centred\\par");
    QVERIFY_CONTAINS(rtf, "\\pard\\qr Right\\par");
    QVERIFY_CONTAINS(rtf, "{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450\r\n89504e47");
    QVERIFY(rtf.endsWith("\\par\r\n}\r\n"));
}

void TestRtfWriter::escapesText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("rtf characters") << QStringLiteral("a\\b{c}") << QByteArray("a\\\\b\\{c\\}");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::newRow("line break") << QStringLiteral("a\u2028b") << QByteArray("a\\line b");
    QTest::newRow("no-break space and soft hyphen")
        << QStringLiteral("a\u00A0b\u00ADc") << QByteArray("a\\~b\\-c");
    QTest::newRow("latin") << QStringLiteral("café €") << QByteArray("caf\\u233? \\u8364?");
    QTest::newRow("greek") << QStringLiteral("Ωμέγα")
                           << QByteArray("\\u937?\\u956?\\u941?\\u947?\\u945?");
    QTest::newRow("chinese") << QStringLiteral("中文") << QByteArray("\\u20013?\\u25991?");
    QTest::newRow("above 32767 is negative") << QStringLiteral("\uFFFD") << QByteArray("\\u-3?");
    QTest::newRow("emoji as a surrogate pair")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("control characters dropped") << QStringLiteral("a\u0001b") << QByteArray("ab");
}

void TestRtfWriter::escapesText() {
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    const QByteArray written = WriteText(text);
    QVERIFY2(written.contains(' ' + rtf + "\\par"), written.constData());
    QVERIFY(IsAscii(written));
}

void TestRtfWriter::writesTransparentColoursAsAutomatic() {
    QTextDocument document;
    document.setHtml(QStringLiteral("<p><span style=\"background: transparent; color: "
                                    "transparent\">plain</span> <span style=\"background: "
                                    "#ffff00\">marked</span></p>"));
    const QByteArray rtf = RtfWriter::Write(document);
    QVERIFY_CONTAINS(rtf, "{\\colortbl ;\\red255\\green255\\blue0;}");
    QVERIFY_CONTAINS(rtf, " plain \\highlight1 marked\\par");
}

void TestRtfWriter::writesPixelSizesInPoints() {
    QTextDocument document;
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11); // the note's own font
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("default "));
    QTextCharFormat big;
    big.setProperty(QTextFormat::FontPixelSize, 32);
    cursor.insertText(QStringLiteral("big"), big);
    const QByteArray rtf = RtfWriter::Write(document);
    QVERIFY_CONTAINS(rtf, "\\fs16 default \\fs48 big\\par");
}

void TestRtfWriter::endsEachParagraphWithPar() {
    for (const QString& text :
         {QString(), QStringLiteral("one"), QStringLiteral("one\n"), QStringLiteral("\n\nthree")}) {
        const QByteArray rtf = WriteText(text);
        QCOMPARE(rtf.count("\\par\r\n"), text.count(u'\n') + 1);
        QTextDocument again;
        QVERIFY(RtfReader::Read(rtf, again));
        QCOMPARE(again.toPlainText(), text);
    }
}

void TestRtfWriter::writesListsInRichEditForm() {
    QTextDocument document;
    FillFormattedNote(document);
    const QByteArray rtf = RtfWriter::Write(document);
    const QByteArray bullet = "{\\pntext\\f3\\'B7\\tab}";
    QVERIFY(rtf.contains("\\fcharset2 Symbol;}"));
    QVERIFY_CONTAINS(rtf, "\\pard" + bullet +
                              "{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 "
                              "Bullet one\\par\r\n" +
                              bullet + "Bullet two\\par");
    QVERIFY_CONTAINS(rtf, "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0"
                          "\\pnstart1\\pndec{\\pntxta .}}\\fi-360\\li720 Number one\\par\r\n"
                          "{\\pntext\\f0 2.\\tab}Number two\\par");
}

void TestRtfWriter::writesTablesInRichEditForm() {
    QTextDocument document;
    FillFormattedNote(document);
    const QByteArray rtf = RtfWriter::Write(document);
    const QByteArray border = "\\clbrdrt\\brdrw10\\brdrs\\clbrdrl\\brdrw10\\brdrs"
                              "\\clbrdrb\\brdrw10\\brdrs\\clbrdrr\\brdrw10\\brdrs";
    const QByteArray row =
        "\\trowd\\trgaph108\\trleft-108" + border + "\\cellx1440" + border + "\\cellx3600\r\n";
    QVERIFY_CONTAINS(rtf, "Table:\\par\r\n" + row +
                              "\\pard\\intbl Cell A1\\cell Cell B1\\cell \\row\r\n" + row +
                              "Cell A2\\cell Cell B2\\cell \\row\r\n\\pard Picture: ");
}

void TestRtfWriter::boundsTableWidths() {
    QTextDocument document;
    QVERIFY(RtfReader::Read("{\\rtf1\\trowd\\cellx2147483647\\cellx-2147483648\\cellx900\\pard"
                            "\\intbl a\\cell b\\cell c\\cell\\row}",
                            document));
    const QByteArray rtf = RtfWriter::Write(document);
    // The widest column is 22 inches; a column never has a width of zero or less.
    QVERIFY_CONTAINS(rtf, "\\cellx31680");
    QVERIFY_CONTAINS(rtf, "\\cellx31695");
    QVERIFY_CONTAINS(rtf, "\\cellx32595\r\n");
}

void TestRtfWriter::writesLinksAsHyperlinkFields() {
    QTextDocument document;
    FillFormattedNote(document);
    const QByteArray rtf = RtfWriter::Write(document);
    QVERIFY_CONTAINS(rtf, "{\\field{\\*\\fldinst{HYPERLINK \"http://example.com/page\"}}"
                          "{\\fldrslt{\\ul\\cf3 example}}}");
}

void TestRtfWriter::roundTripsFormattedNote() {
    QTextDocument document;
    FillFormattedNote(document);
    QTextDocument again;
    QVERIFY(RtfReader::Read(RtfWriter::Write(document), again));
    QCOMPARE(DumpDocument(again), DumpDocument(document));
}

void TestRtfWriter::roundTripsScripts() {
    QTextDocument document;
    FillScriptsNote(document);
    const QByteArray rtf = RtfWriter::Write(document);
    QVERIFY(IsAscii(rtf));
    QTextDocument again;
    QVERIFY(RtfReader::Read(rtf, again));
    QCOMPARE(again.toPlainText(), ScriptsNoteText());
    QCOMPARE(DumpDocument(again), DumpDocument(document));
}

void TestRtfWriter::writesReadPicturesAndObjectsBackUnchanged() {
    const QByteArray png = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAA"
                                                  "DElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC");
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QImage photo(3, 2, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    QVERIFY(photo.save(&buffer, "JPG"));
    // Pictures whose header is damaged are not shown; they are kept like metafiles.
    const QByteArray damaged = "{\\pict\\jpegblip\\picwgoal15\\pichgoal15 ffd8ffe0}";
    const QByteArray metafile = "{\\pict\\wmetafile8\\picw10\\pich10\\picwgoal300\\pichgoal300 "
                                "0100090000031e00000000000500}";
    const QByteArray object = "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw300\\objh300"
                              "{\\*\\objdata 01050000}{\\result{\\pict\\dibitmap0 2800}}}";
    QTextDocument document;
    QVERIFY(RtfReader::Read("{\\rtf1 {\\pict\\jpegblip " + jpeg.toHex() + "}{\\pict\\pngblip " +
                                png.toHex() + "}" + damaged + metafile + object + "\\par}",
                            document));
    const QByteArray rtf = RtfWriter::Write(document);
    const QByteArray joined = QByteArray(rtf).replace("\r\n", "");
    QVERIFY_CONTAINS(rtf, "{\\pict\\jpegblip\\picw3\\pich2\\picwgoal45\\pichgoal30");
    QVERIFY_CONTAINS(joined, jpeg.toHex());
    QVERIFY_CONTAINS(rtf, "{\\pict\\pngblip\\picw1\\pich1");
    QVERIFY_CONTAINS(joined, png.toHex());
    QVERIFY_CONTAINS(rtf, damaged + metafile + object + "\\par");
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtf_writer.moc"
