// SPDX-License-Identifier: GPL-3.0-or-later
// URL detection in note text, and the highlighter that paints URLs without storing a format.
#include "RtfWriter.h"
#include "UrlDetector.h"
#include "UrlHighlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

class TestUrlDetector : public QObject {
    Q_OBJECT

private slots:
    void findsUrls_data();
    void findsUrls();
    void findsUrlAtPosition_data();
    void findsUrlAtPosition();
    void highlighterPaintsWithoutStoring();
};

void TestUrlDetector::findsUrls_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<UrlSpan>>("spans");
    const auto span = [](int start, int length, const char* url) {
        return UrlSpan{start, length, QString::fromUtf8(url)};
    };
    QTest::newRow("sentence dot is not part") << QStringLiteral("go to http://example.com.")
                                              << QList<UrlSpan>{span(6, 18, "http://example.com")};
    QTest::newRow("scheme in any case")
        << QStringLiteral("HTTPS://Example.com/x?a=1&b=2#top")
        << QList<UrlSpan>{span(0, 33, "HTTPS://Example.com/x?a=1&b=2#top")};
    QTest::newRow("www gets http and keeps its own brackets")
        << QStringLiteral("(see www.example.org/a_(b)), ok")
        << QList<UrlSpan>{span(5, 21, "http://www.example.org/a_(b)")};
    QTest::newRow("mailto") << QStringLiteral("mail mailto:someone@example.com!")
                            << QList<UrlSpan>{span(5, 26, "mailto:someone@example.com")};
    QTest::newRow("ftp and file")
        << QStringLiteral("ftp://files.example.net/pub and file:///home/me/notes.txt")
        << QList<UrlSpan>{span(0, 27, "ftp://files.example.net/pub"),
                          span(32, 25, "file:///home/me/notes.txt")};
    QTest::newRow("quotes and angle brackets end it")
        << QStringLiteral("\"http://q.example/\" <https://a.example/b>")
        << QList<UrlSpan>{span(1, 17, "http://q.example/"), span(21, 19, "https://a.example/b")};
    QTest::newRow("non-latin address") << QStringLiteral("网址 http://例子.中国/路径 谢谢")
                                       << QList<UrlSpan>{span(3, 15, "http://例子.中国/路径")};
    QTest::newRow("not inside a word")
        << QStringLiteral("awww.example.com xhttp://no") << QList<UrlSpan>{};
    QTest::newRow("scheme alone") << QStringLiteral("http:// and www.") << QList<UrlSpan>{};
    QTest::newRow("other schemes are text")
        << QStringLiteral("javascript:alert(1) news:x") << QList<UrlSpan>{};
}

void TestUrlDetector::findsUrls() {
    QFETCH(QString, text);
    QFETCH(QList<UrlSpan>, spans);
    const QList<UrlSpan> found = FindUrls(text);
    QCOMPARE(found.size(), spans.size());
    for (qsizetype i = 0; i < spans.size(); ++i) {
        QCOMPARE(found[i].url, spans[i].url);
        QCOMPARE(found[i].start, spans[i].start);
        QCOMPARE(found[i].length, spans[i].length);
    }
}

void TestUrlDetector::findsUrlAtPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("url");
    QTest::newRow("before") << 3 << QString();
    QTest::newRow("first character") << 4 << QStringLiteral("http://www.example.com");
    QTest::newRow("last character") << 18 << QStringLiteral("http://www.example.com");
    QTest::newRow("just after") << 19 << QString();
    QTest::newRow("second url") << 24 << QStringLiteral("ftp://x.org");
    QTest::newRow("outside the text") << 99 << QString();
}

void TestUrlDetector::findsUrlAtPosition() {
    QFETCH(int, position);
    QFETCH(QString, url);
    const std::optional<UrlSpan> span =
        UrlAt(QStringLiteral("see www.example.com and ftp://x.org"), position);
    QCOMPARE(span ? span->url : QString(), url);
}

void TestUrlDetector::highlighterPaintsWithoutStoring() {
    QTextDocument document;
    document.documentLayout(); // as in a text edit: without a layout no change is reported
    document.setPlainText(QStringLiteral("see www.example.com now"));
    UrlHighlighter highlighter(&document);
    QCoreApplication::processEvents(); // the highlighter's first pass is queued, as in the note
    const QList<QTextLayout::FormatRange> ranges = document.firstBlock().layout()->formats();
    QCOMPARE(ranges.size(), 1);
    QCOMPARE(ranges[0].start, 4);
    QCOMPARE(ranges[0].length, 15);
    QVERIFY(ranges[0].format.fontUnderline());

    QTextCursor cursor(&document);
    cursor.setPosition(5);
    QVERIFY(!cursor.charFormat().fontUnderline());
    QVERIFY(!RtfWriter::Write(document).contains("\\ul"));

    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" http://typed.example"));
    QCOMPARE(document.firstBlock().layout()->formats().size(), 2);
}

QTEST_MAIN(TestUrlDetector)
#include "tst_url_detector.moc"
