// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF codec over whole files: our own fixtures (tests/data/rtf, fuzzer finds included) and,
// when VELMAR_RTF_CORPUS names them, the public samples (see SOURCES.md beside them) with what
// the upstream projects' own tests assert. Every behaviour checked on a public sample is also
// checked on a fixture of ours, so a clone without the samples still tests all of it.
#include "DocumentDump.h"
#include "RtfCorpus.h"
#include "RtfFormatProperties.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>

namespace {
// A row names one of our fixtures by its path below tests/data/rtf, or a public sample by
// CorpusPrefix and its file name.
const QString CorpusPrefix = QStringLiteral("corpus:");

QString Corpus(const char* name) {
    return CorpusPrefix + QLatin1String(name);
}

bool IsCorpus(const QString& file) {
    return file.startsWith(CorpusPrefix);
}

QString RowFilePath(const QString& file) {
    return IsCorpus(file) ? RtfCorpus::Path(file.mid(CorpusPrefix.size()))
                          : QStringLiteral(VELMAR_RTF_FIXTURES_DIR "/") + file;
}

QByteArray ReadRowFile(const QString& file) {
    QFile in(RowFilePath(file));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Our fixtures, the fuzzer's finds included, as row names.
QStringList Fixtures() {
    QStringList files;
    for (const QString& folder : {QString(), QStringLiteral("fuzz/")})
        for (const QString& name :
             QDir(QStringLiteral(VELMAR_RTF_FIXTURES_DIR "/") + folder)
                 .entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
            files.append(folder + name);
    return files;
}

// Every public sample as a row name; a single row that skips (or fails) when they are not there.
QStringList CorpusFiles() {
    QStringList files;
    for (const QString& path : RtfCorpus::Files())
        files.append(CorpusPrefix + QFileInfo(path).fileName());
    return files.isEmpty() ? QStringList{CorpusPrefix} : files;
}

QString SimplifiedText(const QTextDocument& document) {
    return document.toPlainText().simplified();
}
} // namespace

// Reads a row's file into `bytes`; a public sample's row skips when the samples are not set.
#define READ_ROW_FILE(file, bytes)                                                                 \
    do {                                                                                           \
        if (IsCorpus(file))                                                                        \
            REQUIRE_RTF_CORPUS();                                                                  \
        bytes = ReadRowFile(file);                                                                 \
        QVERIFY2(!bytes.isEmpty(), qPrintable("cannot read " + RowFilePath(file)));                \
    } while (false)

class TestRtfSamples : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void matchesOracles_data();
    void matchesOracles();
    void decodesFontNamesInTheirCharset_data();
    void decodesFontNamesInTheirCharset();
    void keepsRichEditLists_data();
    void keepsRichEditLists();
    void keepsLinkLook_data();
    void keepsLinkLook();
    void readsRichEditTables();
    void readsPicturesOfAllKinds();
    void writesBinaryObjectDataAsHex_data();
    void writesBinaryObjectDataAsHex();
    void roundTripsEveryFile_data();
    void roundTripsEveryFile();
};

void TestRtfSamples::initTestCase() {
    QVERIFY2(!Fixtures().isEmpty(), "the RTF fixtures in tests/data/rtf are missing");
}

void TestRtfSamples::matchesOracles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected"); // each must appear, in this order
    QTest::addColumn<QStringList>("absent");
    const auto row = [](const QString& file, QStringList expected, QStringList absent = {}) {
        QTest::newRow(qPrintable(file)) << file << expected << absent;
    };
    // Ours.
    row("double-byte-font-charsets.rtf", {"Latin café", "お元気ですか？", "新功能"});
    row("single-byte-code-pages.rtf", {"zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ", "Вітаю"});
    row("unicode-skipping.rtf",
        {"Greeting: こんにちは", "four ways: [A] == [A] == [A] == [A]",
         "fallback: [Γ] upr: \"[Γ]\"", "Lone high \uFFFD here", "Lone low \uFFFD here",
         "Swapped pair \uFFFD\uFFFD here", "skip: shown."},
        {"タイトル", "someone", "、", "[G]", "not shown", "nor this"});
    row("word-list-table.rtf", {"one two three between first second"}, {"1.", "\u2022"});
    row("binary-run-in-ignorable-group.rtf", {"before after"}, {"NOT TEXT"});
    row("font-table-not-closed.rtf", {}, {"inside the font table"});
    row("object-with-raw-binary-picture.rtf", {"object:", "done"});
    // What the upstream projects' tests assert for the public samples.
    row(Corpus("richedit-msftedit_u-escapes-mixed-fcharsets.rtf"),
        {"Արամ", "Johann Strauß", "België", "René Magritte", "বাংলা", "་ཡུལ།",
         "ប្រទេស\u200B\u200B\u200Bកម្ពុជា", "ᓄᓇᕗᒻᒥᐅᑦ", "中国", "Česká republika"});
    row(Corpus("richedit-riched20v5_ansicpg932-shiftjis-dbcs-hex.rtf"), {"お元気ですか？"});
    row(Corpus("richedit-msftedit_cp1252-doc-shiftjis-font-fcharset128.rtf"),
        {"バージョンアップ注文書（銀行振込）"});
    row(Corpus("richedit-msftedit_gb2312-fcharset134-pntext-bullets.rtf"), {"新功能"});
    row(Corpus("wordpad-msftedit_fcharset238-in-cp1252-doc_u8201.rtf"),
        {"Článek týdne", "starověké židovské náboženské texty"});
    row(Corpus("richedit-msftedit_surrogate-pairs-negative-u.rtf"),
        {QString::fromUtf8("\xF0\x90\x8C\xB2\xF0\x90\x8C\xBF\xF0\x90\x8D\x84\xF0\x90\x8C\xB9"
                           "\xF0\x90\x8D\x83\xF0\x90\x8C\xBA")});
    row(Corpus("richedit-msftedit_ansicpg1250-polish-fname.rtf"),
        {"zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ"});
    row(Corpus("richedit-msftedit_table-trowd-cell-row.rtf"), {"a b c d ä ë ö ü"});
    row(Corpus("richedit-legacy_no-generator_ansicpg1251-highlight-qj.rtf"), {"УХВАЛА"});
    row(Corpus("word2003_ansicpg932-uc2-loch-hich-dbch-upr.rtf"), {"こんにちは"}, {"タイトル"});
    row(Corpus("word_ansicpg936-gb2312-uc2-dbch.rtf"), {"测试"});
    row(Corpus("word_listtable-ls-listtext.rtf"), {"one two three", "first second"});
    row(Corpus("textedit_ansicpg936-gb2312-backslash-newline.rtf"), {"印刷情况反映："});
    row(Corpus("textedit_uc0-unpaired-surrogates.rtf"),
        {"Unpaired hi \uFFFD here", "Unpaired lo \uFFFD here",
         "Mismatched pair \uFFFD\uFFFD here"});
    row(Corpus("libreoffice6_u-with-hex-fallback.rtf"), {"柔道"});
    row(Corpus("libreoffice_listtable-listtext-pard-plain.rtf"), {"one two three", "first second"});
    row(Corpus("libreoffice_bin-inside-ignorable-shprslt.rtf"), {"text"}, {"MUST NOT IMPORT"});
    row(Corpus("handmade_u-negative-surrogates-uc2-in-group.rtf"),
        {QString::fromUtf8("“hi”‘hi’\uF0B7αä\xF0\x9D\x90\xBB\uFFFDunpaired")});
    row(Corpus("handmade_invalid-hex-as-u-fallback.rtf"), {"xřx"});
    row(Corpus("txtextcontrol14_strike-cb-chcbpat-plain-uc0-upr-unknown-dest.rtf"),
        {"[A] == [A] == [A] == [A]", "Unicode: [Γ] - ANSI-fallback: [G]", "\"[Γ]\"", "visible."},
        {"should not appear", "this neither", "[G][Γ]"});
    row(Corpus("malformed_truncated_unclosed-groups.rtf"), {"Hello world in {RTF}…"});
    row(Corpus("malformed_richedit-header_fonttbl-not-closed.rtf"), {}, {"Auf Patronen"});
}

void TestRtfSamples::matchesOracles() {
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    QByteArray rtf;
    READ_ROW_FILE(file, rtf);
    QTextDocument document;
    QVERIFY(RtfReader::Read(rtf, document));
    const QString text = SimplifiedText(document);
    qsizetype from = 0;
    for (const QString& part : expected) {
        const qsizetype at = text.indexOf(part, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("'%1' missing in '%2'").arg(part, text)));
        from = at + part.size();
    }
    for (const QString& part : absent)
        QVERIFY2(!text.contains(part), qPrintable(part));
}

void TestRtfSamples::decodesFontNamesInTheirCharset_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("font");
    QTest::newRow("shift-jis") << QStringLiteral("double-byte-font-charsets.rtf")
                               << QStringLiteral("ＭＳ ゴシック");
    QTest::newRow("gbk") << QStringLiteral("double-byte-font-charsets.rtf")
                         << QStringLiteral("宋体");
    QTest::newRow("name beside an fname group")
        << QStringLiteral("single-byte-code-pages.rtf") << QStringLiteral("Arial CE");
    QTest::newRow("public shift-jis")
        << Corpus("richedit-riched20v5_ansicpg932-shiftjis-dbcs-hex.rtf")
        << QStringLiteral("ＭＳ Ｐゴシック");
    QTest::newRow("public gbk") << Corpus("richedit-msftedit_gb2312-fcharset134-pntext-bullets.rtf")
                                << QStringLiteral("宋体");
}

void TestRtfSamples::decodesFontNamesInTheirCharset() {
    QFETCH(QString, file);
    QFETCH(QString, font);
    QByteArray rtf;
    READ_ROW_FILE(file, rtf);
    QTextDocument document;
    QVERIFY(RtfReader::Read(rtf, document));
    bool found = false;
    for (QTextBlock block = document.begin(); block.isValid() && !found; block = block.next())
        for (auto it = block.begin(); !it.atEnd() && !found; ++it)
            found = it.fragment().charFormat().fontFamilies().toStringList().contains(font);
    QVERIFY2(found, qPrintable(font));
}

// Both files hold a paragraph, two bullets, a paragraph and two numbered items, in the form a
// rich-edit control writes (\pntext and \pn).
void TestRtfSamples::keepsRichEditLists_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("ours") << QStringLiteral("richedit-bullets-numbers-link.rtf")
                          << QStringLiteral(
                                 "Intro\nApple\nPear\nBetween\nStep one\nStep two\nSee our "
                                 "\uF0B7page now");
    QTest::newRow("public") << Corpus("richedit-riched20v10_pntext-bullets-numbered.rtf")
                            << QStringLiteral(
                                   "Paragraph\nBullet\nBullet 2\nParagraph 2\nList 1\nList 2");
}

void TestRtfSamples::keepsRichEditLists() {
    QFETCH(QString, file);
    QFETCH(QString, text);
    QByteArray rtf;
    READ_ROW_FILE(file, rtf);
    QTextDocument lists;
    QVERIFY(RtfReader::Read(rtf, lists));
    QCOMPARE(lists.toPlainText(), text);
    QVERIFY(!lists.findBlockByNumber(0).textList());
    QCOMPARE(lists.findBlockByNumber(1).textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(lists.findBlockByNumber(2).textList(), lists.findBlockByNumber(1).textList());
    QVERIFY(!lists.findBlockByNumber(3).textList());
    QCOMPARE(lists.findBlockByNumber(4).textList()->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(lists.findBlockByNumber(5).textList()->itemText(lists.findBlockByNumber(5)),
             QStringLiteral("2."));
}

// A link as a rich-edit control writes it: underlined and blue through the colour table.
void TestRtfSamples::keepsLinkLook_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("href");
    QTest::newRow("ours") << QStringLiteral("richedit-bullets-numbers-link.rtf")
                          << QStringLiteral("http://example.org/notes?q=1");
    QTest::newRow("public") << Corpus("richedit-msftedit_hyperlink-field-negative-u.rtf")
                            << QStringLiteral("http://unicode-table.com/en/#private-use-area");
}

void TestRtfSamples::keepsLinkLook() {
    QFETCH(QString, file);
    QFETCH(QString, href);
    QByteArray rtf;
    READ_ROW_FILE(file, rtf);
    QTextDocument links;
    QVERIFY(RtfReader::Read(rtf, links));
    QTextCharFormat link;
    for (QTextBlock block = links.begin(); block.isValid() && !link.isAnchor();
         block = block.next())
        for (auto it = block.begin(); !it.atEnd() && !link.isAnchor(); ++it)
            link = it.fragment().charFormat();
    QCOMPARE(link.anchorHref(), href);
    QVERIFY(link.fontUnderline());
    QCOMPARE(link.foreground().color(), QColor(0, 0, 255));
}

void TestRtfSamples::readsRichEditTables() {
    REQUIRE_RTF_CORPUS();
    QTextDocument document;
    QVERIFY(RtfReader::Read(
        RtfCorpus::Read(QStringLiteral("richedit-msftedit_table-trowd-cell-row.rtf")), document));
    const QTextTable* table = QTextCursor(document.find(QStringLiteral("a"))).currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 2);
    const QStringList cells = {"a", "b", "c", "d", "ä", "ë", "ö", "ü"};
    for (int i = 0; i < cells.size(); ++i) {
        const QTextTableCell cell = table->cellAt(i / 2, i % 2);
        QCOMPARE(cell.firstCursorPosition().block().text(), cells[i]);
    }
    QCOMPARE(table->format().columnWidthConstraints().value(0).rawValue(), 4680 / 15.0);
}

void TestRtfSamples::readsPicturesOfAllKinds() {
    REQUIRE_RTF_CORPUS();
    QTextDocument document;
    QVERIFY(RtfReader::Read(RtfCorpus::Read(QStringLiteral("phprtflite_pict-png-jpeg-wmf.rtf")),
                            document));
    int pictures = 0;
    int objects = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            if (image.hasProperty(RtfFormatProperty::OpaqueRtfGroup)) {
                ++objects;
                continue;
            }
            const QVariant data =
                document.resource(QTextDocument::ImageResource, QUrl(image.name()));
            QVERIFY(!QImage::fromData(data.toByteArray()).isNull());
            ++pictures;
        }
    QCOMPARE(pictures, 5);
    QCOMPARE(objects, 2);
}

// An object's picture given as a \bin run of raw bytes, a "}" among them, is written back as
// hex picture data, in ASCII.
void TestRtfSamples::writesBinaryObjectDataAsHex_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("ours") << QStringLiteral("object-with-raw-binary-picture.rtf")
                          << QByteArray("fefefe7dfefefefefefe");
    QTest::newRow("public") << Corpus("word_object-result-pict-bin-raw-bytes.rtf")
                            << QByteArray("ffffffff7dffffffffff");
}

void TestRtfSamples::writesBinaryObjectDataAsHex() {
    QFETCH(QString, file);
    QFETCH(QByteArray, hex);
    QByteArray rtf;
    READ_ROW_FILE(file, rtf);
    QTextDocument document;
    QVERIFY(RtfReader::Read(rtf, document));
    const QByteArray written = RtfWriter::Write(document);
    QVERIFY2(written.contains(hex), written.constData());
    QVERIFY(std::all_of(written.begin(), written.end(), [](char c) { return (c & 0x80) == 0; }));
}

void TestRtfSamples::roundTripsEveryFile_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : Fixtures() + CorpusFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestRtfSamples::roundTripsEveryFile() {
    QFETCH(QString, file);
    QByteArray rtf;
    READ_ROW_FILE(file, rtf);
    QTextDocument read;
    QVERIFY(RtfReader::Read(rtf, read));
    const QByteArray written = RtfWriter::Write(read);
    QVERIFY(written.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(std::all_of(written.begin(), written.end(), [](char c) { return (c & 0x80) == 0; }));
    QTextDocument again;
    QVERIFY(RtfReader::Read(written, again));
    QCOMPARE(again.toPlainText(), read.toPlainText());
    QCOMPARE(DumpDocument(again), DumpDocument(read));
}

QTEST_MAIN(TestRtfSamples)
#include "tst_rtf_samples.moc"
