// The RTF codec over the public samples (see SOURCES.md beside them): what the upstream projects'
// own tests assert, and read -> write -> read round trips over every file.
#include "DocumentDump.h"
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
QByteArray Sample(const QString& name) {
    QFile file(QStringLiteral(VELMAR_RTF_SAMPLES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing RTF sample %s", qPrintable(file.fileName()));
    return file.readAll();
}

// Every public sample and every fixture of ours, fuzzer finds included.
QStringList AllRtfFiles() {
    QStringList files;
    for (const char* folder :
         {VELMAR_RTF_SAMPLES_DIR, VELMAR_RTF_FIXTURES_DIR, VELMAR_RTF_FIXTURES_DIR "/fuzz"})
        for (const QFileInfo& info :
             QDir(QLatin1String(folder)).entryInfoList({QStringLiteral("*.rtf")}, QDir::Files))
            files.append(info.absoluteFilePath());
    return files;
}

QString SimplifiedText(const QTextDocument& document) {
    return document.toPlainText().simplified();
}
} // namespace

class TestRtfSamples : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void matchesUpstreamOracles_data();
    void matchesUpstreamOracles();
    void decodesFontNamesInTheirCharset_data();
    void decodesFontNamesInTheirCharset();
    void keepsRichEditListsAndLinks();
    void readsRichEditTables();
    void readsPicturesOfAllKinds();
    void keepsBinaryObjectData();
    void roundTripsEverySample_data();
    void roundTripsEverySample();
};

void TestRtfSamples::initTestCase() {
    QVERIFY2(AllRtfFiles().size() >= 39, "the public RTF samples are missing");
}

void TestRtfSamples::matchesUpstreamOracles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected"); // each must appear, in this order
    QTest::addColumn<QStringList>("absent");
    const auto row = [](const char* file, QStringList expected, QStringList absent = {}) {
        QTest::newRow(file) << QString::fromLatin1(file) << expected << absent;
    };
    row("richedit-msftedit_u-escapes-mixed-fcharsets.rtf",
        {"Արամ", "Johann Strauß", "België", "René Magritte", "বাংলা", "་ཡུལ།",
         "ប្រទេស\u200B\u200B\u200Bកម្ពុជា", "ᓄᓇᕗᒻᒥᐅᑦ", "中国", "Česká republika"});
    row("richedit-riched20v5_ansicpg932-shiftjis-dbcs-hex.rtf", {"お元気ですか？"});
    row("richedit-msftedit_cp1252-doc-shiftjis-font-fcharset128.rtf",
        {"バージョンアップ注文書（銀行振込）"});
    row("richedit-msftedit_gb2312-fcharset134-pntext-bullets.rtf", {"新功能"});
    row("wordpad-msftedit_fcharset238-in-cp1252-doc_u8201.rtf",
        {"Článek týdne", "starověké židovské náboženské texty"});
    row("richedit-msftedit_surrogate-pairs-negative-u.rtf",
        {QString::fromUtf8("\xF0\x90\x8C\xB2\xF0\x90\x8C\xBF\xF0\x90\x8D\x84\xF0\x90\x8C\xB9"
                           "\xF0\x90\x8D\x83\xF0\x90\x8C\xBA")});
    row("richedit-msftedit_ansicpg1250-polish-fname.rtf",
        {"zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ"});
    row("richedit-msftedit_table-trowd-cell-row.rtf", {"a b c d ä ë ö ü"});
    row("richedit-legacy_no-generator_ansicpg1251-highlight-qj.rtf", {"УХВАЛА"});
    row("word2003_ansicpg932-uc2-loch-hich-dbch-upr.rtf", {"こんにちは"}, {"タイトル"});
    row("word_ansicpg936-gb2312-uc2-dbch.rtf", {"测试"});
    row("word_listtable-ls-listtext.rtf", {"one two three", "first second"});
    row("textedit_ansicpg936-gb2312-backslash-newline.rtf", {"印刷情况反映："});
    row("textedit_uc0-unpaired-surrogates.rtf",
        {"Unpaired hi \uFFFD here", "Unpaired lo \uFFFD here",
         "Mismatched pair \uFFFD\uFFFD here"});
    row("libreoffice6_u-with-hex-fallback.rtf", {"柔道"});
    row("libreoffice_listtable-listtext-pard-plain.rtf", {"one two three", "first second"});
    row("libreoffice_bin-inside-ignorable-shprslt.rtf", {"text"}, {"MUST NOT IMPORT"});
    row("handmade_u-negative-surrogates-uc2-in-group.rtf",
        {QString::fromUtf8("“hi”‘hi’\uF0B7αä\xF0\x9D\x90\xBB\uFFFDunpaired")});
    row("handmade_invalid-hex-as-u-fallback.rtf", {"xřx"});
    row("txtextcontrol14_strike-cb-chcbpat-plain-uc0-upr-unknown-dest.rtf",
        {"[A] == [A] == [A] == [A]", "Unicode: [Γ] - ANSI-fallback: [G]", "\"[Γ]\"", "visible."},
        {"should not appear", "this neither", "[G][Γ]"});
    row("malformed_truncated_unclosed-groups.rtf", {"Hello world in {RTF}…"});
    row("malformed_richedit-header_fonttbl-not-closed.rtf", {}, {"Auf Patronen"});
}

void TestRtfSamples::matchesUpstreamOracles() {
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    QTextDocument document;
    QVERIFY(RtfReader::Read(Sample(file), document));
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
    QTest::newRow("shift-jis") << QStringLiteral(
                                      "richedit-riched20v5_ansicpg932-shiftjis-dbcs-hex.rtf")
                               << QStringLiteral("ＭＳ Ｐゴシック");
    QTest::newRow("gbk") << QStringLiteral(
                                "richedit-msftedit_gb2312-fcharset134-pntext-bullets.rtf")
                         << QStringLiteral("宋体");
}

void TestRtfSamples::decodesFontNamesInTheirCharset() {
    QFETCH(QString, file);
    QFETCH(QString, font);
    QTextDocument document;
    QVERIFY(RtfReader::Read(Sample(file), document));
    bool found = false;
    for (QTextBlock block = document.begin(); block.isValid() && !found; block = block.next())
        for (auto it = block.begin(); !it.atEnd() && !found; ++it)
            found = it.fragment().charFormat().fontFamilies().toStringList().contains(font);
    QVERIFY2(found, qPrintable(font));
}

void TestRtfSamples::keepsRichEditListsAndLinks() {
    QTextDocument lists;
    QVERIFY(RtfReader::Read(
        Sample(QStringLiteral("richedit-riched20v10_pntext-bullets-numbered.rtf")), lists));
    QCOMPARE(lists.toPlainText(),
             QStringLiteral("Paragraph\nBullet\nBullet 2\nParagraph 2\nList 1\nList 2"));
    QCOMPARE(lists.findBlockByNumber(1).textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(lists.findBlockByNumber(2).textList(), lists.findBlockByNumber(1).textList());
    QVERIFY(!lists.findBlockByNumber(3).textList());
    QCOMPARE(lists.findBlockByNumber(5).textList()->itemText(lists.findBlockByNumber(5)),
             QStringLiteral("2."));

    QTextDocument links;
    QVERIFY(RtfReader::Read(
        Sample(QStringLiteral("richedit-msftedit_hyperlink-field-negative-u.rtf")), links));
    const QTextBlock first = links.firstBlock();
    auto fragment = first.begin();
    ++fragment;
    const QTextCharFormat link = fragment.fragment().charFormat();
    QCOMPARE(link.anchorHref(), QStringLiteral("http://unicode-table.com/en/#private-use-area"));
    QVERIFY(link.fontUnderline());
    QCOMPARE(link.foreground().color(), QColor(0, 0, 255));
}

void TestRtfSamples::readsRichEditTables() {
    QTextDocument document;
    QVERIFY(RtfReader::Read(Sample(QStringLiteral("richedit-msftedit_table-trowd-cell-row.rtf")),
                            document));
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
    QTextDocument document;
    QVERIFY(RtfReader::Read(Sample(QStringLiteral("phprtflite_pict-png-jpeg-wmf.rtf")), document));
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

void TestRtfSamples::keepsBinaryObjectData() {
    const QByteArray rtf = Sample(QStringLiteral("word_object-result-pict-bin-raw-bytes.rtf"));
    QTextDocument document;
    QVERIFY(RtfReader::Read(rtf, document));
    const QByteArray written = RtfWriter::Write(document);
    // The ten raw bytes of \bin10, "}" among them, come back as hex picture data.
    QVERIFY(written.contains("ffffffff7dffffffffff"));
    QVERIFY(std::all_of(written.begin(), written.end(), [](char c) { return (c & 0x80) == 0; }));
}

void TestRtfSamples::roundTripsEverySample_data() {
    QTest::addColumn<QString>("path");
    for (const QString& path : AllRtfFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestRtfSamples::roundTripsEverySample() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument read;
    QVERIFY(RtfReader::Read(file.readAll(), read));
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
