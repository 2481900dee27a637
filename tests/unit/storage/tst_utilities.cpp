// SPDX-License-Identifier: GPL-3.0-or-later
#include "untBase64.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untUtil.h"

#include <QtTest>

namespace {
int Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}
} // namespace

class TestUtilities : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void adjustColor_data();
    void adjustColor();
    void encodeBlanks_data();
    void encodeBlanks();
    void base64RoundTrip_data();
    void base64RoundTrip();
    void base64RejectsWhatIsNotWholeGroups_data();
    void base64RejectsWhatIsNotWholeGroups();
    void isoWeekday_data();
    void isoWeekday();
    void helpPages_data();
    void helpPages();
    void pairText_data();
    void pairText();
    void dateTimeNumbers_data();
    void dateTimeNumbers();
    void dateTimeTextForm_data();
    void dateTimeTextForm();
    void dateTimeTextUsesTheLocaleSeparator();
    void dateTimeTextRejectsNonNumbers_data();
    void dateTimeTextRejectsNonNumbers();
};

void TestUtilities::cleanup() {
    Clock::Reset();
    QLocale::setDefault(QLocale::c());
}

void TestUtilities::adjustColor_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");
    QTest::newRow("near white to white") << Rgb(240, 240, 240) << 65 << Rgb(255, 255, 255);
    QTest::newRow("minus one counts as black") << -1 << 65 << Rgb(65, 65, 65);
    QTest::newRow("default note colour") << 12615680 << 65 << Rgb(65, 193, 255);
    QTest::newRow("darker clamps at zero") << Rgb(10, 100, 200) << -50 << Rgb(0, 50, 150);
    QTest::newRow("zero delta") << Rgb(1, 2, 3) << 0 << Rgb(1, 2, 3);
}

void TestUtilities::adjustColor() {
    QFETCH(int, color);
    QFETCH(int, delta);
    QFETCH(int, expected);
    QCOMPARE(AdjustColor(color, delta), expected);
    if (delta == 65)
        QCOMPARE(LightenColor(color), expected);
}

void TestUtilities::encodeBlanks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blank cr lf") << "a b\r\n"
                                 << "a#4b#3#2";
    QTest::newRow("tab") << "x\ty"
                         << "x#1y";
    QTest::newRow("hash stays") << "#1 done"
                                << "#1#4done";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("unicode") << u"中 文"_qs << u"中#4文"_qs;
}

void TestUtilities::encodeBlanks() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(EncodeBlanks(text), expected);
}

void TestUtilities::base64RoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("one byte") << QByteArray("M") << "TQ==";
    QTest::newRow("two bytes") << QByteArray("Ma") << "TWE=";
    QTest::newRow("three bytes") << QByteArray("Man") << "TWFu";
    QTest::newRow("plus and slash") << QByteArray("\xfb\xff\xbf", 3) << "+/+/";
    QTest::newRow("utf-8 text") << u"中文"_qs.toUtf8() << "5Lit5paH";
}

void TestUtilities::base64RoundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Base64Encode(bytes), text);
    const std::optional<QByteArray> decoded = Base64Decode(text);
    QVERIFY(decoded);
    QCOMPARE(*decoded, bytes);
}

void TestUtilities::base64RejectsWhatIsNotWholeGroups_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("short group") << "TWF";
    QTest::newRow("character outside the alphabet") << "TW-u";
    QTest::newRow("url alphabet") << "TW_u";
    QTest::newRow("line break") << "TWFu\r\nTWFu";
    QTest::newRow("padding inside") << "TQ==TWFu";
    QTest::newRow("three pads") << "T===";
    QTest::newRow("blank") << "TW u";
}

void TestUtilities::base64RejectsWhatIsNotWholeGroups() {
    QFETCH(QString, text);
    QVERIFY(!Base64Decode(text));
}

void TestUtilities::isoWeekday_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("weekday");
    QTest::newRow("monday") << QDate(2026, 12, 7) << 1;
    QTest::newRow("thursday") << QDate(2026, 12, 10) << 4;
    QTest::newRow("sunday") << QDate(2026, 12, 13) << 7;
}

void TestUtilities::isoWeekday() {
    QFETCH(QDate, date);
    QFETCH(int, weekday);
    Clock::Set(QDateTime(date, QTime(23, 59)));
    QCOMPARE(IsoWeekday(), weekday);
}

void TestUtilities::helpPages_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("page");
    QTest::newRow("main help") << 5001 << "default.htm";
    QTest::newRow("unknown") << 9999 << "default.htm";
    QTest::newRow("notes") << 5002 << "UsingNotes.htm";
    QTest::newRow("notepad") << 5003 << "MainControlInterface and TaskbarIcon.htm";
    QTest::newRow("backup") << 5008 << "BackingUp and RestoringNotes.htm";
    QTest::newRow("support") << 50010 << "suport.htm";
    QTest::newRow("memoboards") << 50011 << "Memoboards and Tabs.htm";
    QTest::newRow("first anchor") << 50021 << "UsingNotes.htm#t1";
    QTest::newRow("third anchor") << 50023 << "UsingNotes.htm#t3";
    QTest::newRow("last anchor") << 50028 << "UsingNotes.htm#t8";
    QTest::newRow("past the anchors") << 50029 << "default.htm";
}

void TestUtilities::helpPages() {
    QFETCH(int, topic);
    QFETCH(QString, page);
    QCOMPARE(HelpPage(topic), page);
}

void TestUtilities::pairText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("plain") << "12,12" << true << 12 << 12;
    QTest::newRow("negative") << "-30,700" << true << -30 << 700;
    QTest::newRow("no comma") << "1212" << false << 0 << 0;
    QTest::newRow("letters") << "a,1" << false << 0 << 0;
    QTest::newRow("empty part") << "5," << false << 0 << 0;
    QTest::newRow("two commas") << "1,2,3" << false << 0 << 0;
}

void TestUtilities::pairText() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, first);
    QFETCH(int, second);
    const auto pair = ParsePair(text);
    QCOMPARE(pair.has_value(), valid);
    if (valid) {
        QCOMPARE(pair->first, first);
        QCOMPARE(pair->second, second);
        QCOMPARE(PairText(first, second), text);
    }
}

void TestUtilities::dateTimeNumbers_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("number");
    QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("noon of the epoch") << QDateTime(QDate(1899, 12, 30), QTime(12, 0)) << 0.5;
    QTest::newRow("today noon") << QDateTime(QDate(2026, 12, 10), QTime(12, 0)) << 46366.5;
    QTest::newRow("quarter past six") << QDateTime(QDate(2026, 12, 10), QTime(6, 0)) << 46366.25;
    QTest::newRow("before the epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
    QTest::newRow("long before the epoch")
        << QDateTime(QDate(1800, 1, 1), QTime(18, 0)) << -36522.75;
    QTest::newRow("milliseconds") << QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15, 250))
                                  << 46366.0 +
                                         (9 * 3600000.0 + 30 * 60000.0 + 15250.0) / 86400000.0;
}

void TestUtilities::dateTimeNumbers() {
    QFETCH(QDateTime, moment);
    QFETCH(double, number);
    QCOMPARE(DateTimeText::ToNumber(moment), number);
    QCOMPARE(DateTimeText::FromNumber(number), moment);
    // The text form round-trips to the millisecond.
    QCOMPARE(DateTimeText::ToDateTime(DateTimeText::FromDateTime(moment)), moment);
}

void TestUtilities::dateTimeTextForm_data() {
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole day") << 46366.0 << "46366";
    QTest::newRow("half") << 46366.5 << "46366.5";
    QTest::newRow("fifteen digits") << 46366.123456789012345 << "46366.1234567890";
    QTest::newRow("one second") << 46366.0 + 1.0 / 86400 << "46366.0000115741";
    QTest::newRow("negative") << -1.25 << "-1.25";
    QTest::newRow("tiny fraction has no exponent") << 1.0 / 86400000 << "0.0000000115740740740741";
}

void TestUtilities::dateTimeTextForm() {
    QFETCH(double, number);
    QFETCH(QString, text);
    QString expected = text;
    // 15 significant digits drop trailing zeros, as the general format does.
    while (expected.contains(u'.') && expected.endsWith(u'0'))
        expected.chop(1);
    QCOMPARE(DateTimeText::FormatNumber(number), expected);
}

void TestUtilities::dateTimeTextUsesTheLocaleSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(DateTimeText::FormatNumber(46366.5), QString("46366,5"));
    QCOMPARE(DateTimeText::ParseNumber("46366,5"), 46366.5);
    QCOMPARE(DateTimeText::ParseNumber("46366.5"), 46366.5);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(DateTimeText::FormatNumber(46366.5), QString("46366.5"));
    QCOMPARE(DateTimeText::ParseNumber("46366,5"), 46366.5);
}

void TestUtilities::dateTimeTextRejectsNonNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("word") << "soon";
    QTest::newRow("two separators") << "1.2.3";
    QTest::newRow("infinite") << "inf";
    QTest::newRow("not a number") << "nan";
}

void TestUtilities::dateTimeTextRejectsNonNumbers() {
    QFETCH(QString, text);
    QVERIFY(!DateTimeText::ParseNumber(text));
    QVERIFY(!DateTimeText::ToDateTime(text));
}

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_utilities.moc"
