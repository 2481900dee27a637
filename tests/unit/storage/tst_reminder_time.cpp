// SPDX-License-Identifier: GPL-3.0-or-later
#include "untClock.h"
#include "untReminderTime.h"

#include <QtTest>

#include <ctime>

namespace {
QDateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}
} // namespace

class TestReminderTime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void nextOccurrence_data();
    void nextOccurrence();
    void noNextOccurrence_data();
    void noNextOccurrence();
};

void TestReminderTime::initTestCase() {
    // Central European rules written out, so the clock-change rows need no zone database.
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    // "Today" is a Sunday: the weekday rows must follow the due time, not today.
    Clock::Set(At(2026, 12, 13, 12, 0));
}

void TestReminderTime::cleanupTestCase() {
    Clock::Reset();
}

void TestReminderTime::nextOccurrence_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QDateTime>("base");
    QTest::addColumn<QDateTime>("expected");

    const auto row = [](const char* name, int count, RepeatUnit unit, const QDateTime& base,
                        const QDateTime& expected) {
        QTest::newRow(name) << count << int(unit) << base << expected;
    };
    using enum RepeatUnit;
    row("15 minutes", 15, Minutes, At(2026, 12, 10, 9, 30, 20), At(2026, 12, 10, 9, 45, 20));
    row("minutes past midnight", 20, Minutes, At(2026, 12, 31, 23, 50), At(2027, 1, 1, 0, 10));
    row("2 hours", 2, Hours, At(2026, 12, 10, 9, 30), At(2026, 12, 10, 11, 30));
    row("hours past midnight", 3, Hours, At(2026, 2, 28, 23, 0), At(2026, 3, 1, 2, 0));
    row("hours over the spring clock change", 3, Hours, At(2026, 3, 29, 0, 30),
        At(2026, 3, 29, 3, 30));
    row("1 day", 1, Days, At(2026, 12, 10, 8, 15, 20), At(2026, 12, 11, 8, 15, 20));
    row("day after the year's end", 1, Days, At(2026, 12, 31, 18, 0), At(2027, 1, 1, 18, 0));
    row("day over the autumn clock change", 1, Days, At(2026, 10, 24, 9, 0),
        At(2026, 10, 25, 9, 0));
    row("30 days", 30, Days, At(2026, 1, 31, 7, 0), At(2026, 3, 2, 7, 0));
    row("1 week", 1, Weeks, At(2026, 12, 10, 9, 0), At(2026, 12, 17, 9, 0));
    row("3 weeks over the year's end", 3, Weeks, At(2026, 12, 20, 9, 0), At(2027, 1, 10, 9, 0));
    row("1 month", 1, Months, At(2026, 12, 10, 9, 0), At(2027, 1, 10, 9, 0));
    row("31 January to February", 1, Months, At(2026, 1, 31, 9, 0), At(2026, 2, 28, 9, 0));
    row("31 January to leap February", 1, Months, At(2028, 1, 31, 9, 0), At(2028, 2, 29, 9, 0));
    row("31 March to April", 1, Months, At(2026, 3, 31, 9, 0), At(2026, 4, 30, 9, 0));
    row("31 January two months on", 2, Months, At(2026, 1, 31, 9, 0), At(2026, 3, 31, 9, 0));
    row("31 August 13 months on", 13, Months, At(2026, 8, 31, 9, 0), At(2027, 9, 30, 9, 0));
    row("28 February to March", 1, Months, At(2026, 2, 28, 9, 0), At(2026, 3, 28, 9, 0));
    row("1 year", 1, Years, At(2026, 12, 10, 9, 0), At(2027, 12, 10, 9, 0));
    row("29 February to a common year", 1, Years, At(2028, 2, 29, 9, 0), At(2029, 2, 28, 9, 0));
    row("29 February to a leap year", 4, Years, At(2028, 2, 29, 9, 0), At(2032, 2, 29, 9, 0));
    row("31 December", 2, Years, At(2026, 12, 31, 9, 0), At(2028, 12, 31, 9, 0));
    row("weekdays from Monday", 1, MondayToFriday, At(2026, 12, 7, 8, 15, 20),
        At(2026, 12, 8, 8, 15, 20));
    row("weekdays from Tuesday", 1, MondayToFriday, At(2026, 12, 8, 8, 0), At(2026, 12, 9, 8, 0));
    row("weekdays from Wednesday", 1, MondayToFriday, At(2026, 12, 9, 8, 0),
        At(2026, 12, 10, 8, 0));
    row("weekdays from Thursday", 1, MondayToFriday, At(2026, 12, 10, 8, 0),
        At(2026, 12, 11, 8, 0));
    row("weekdays from Friday", 1, MondayToFriday, At(2026, 12, 11, 8, 0), At(2026, 12, 14, 8, 0));
    row("weekdays from Saturday", 1, MondayToFriday, At(2026, 12, 12, 8, 0),
        At(2026, 12, 14, 8, 0));
    row("weekdays from Sunday", 1, MondayToFriday, At(2026, 12, 13, 8, 0), At(2026, 12, 14, 8, 0));
    row("weekdays ignore the count", 5, MondayToFriday, At(2026, 12, 10, 8, 0),
        At(2026, 12, 11, 8, 0));
    row("weekdays from a month's last Friday", 1, MondayToFriday, At(2026, 7, 31, 17, 30),
        At(2026, 8, 3, 17, 30));
}

void TestReminderTime::nextOccurrence() {
    QFETCH(int, count);
    QFETCH(int, unit);
    QFETCH(QDateTime, base);
    QFETCH(QDateTime, expected);
    const std::optional<QDateTime> next = NextOccurrence(count, unit, base);
    QVERIFY(next);
    QCOMPARE(*next, expected);
}

void TestReminderTime::noNextOccurrence_data() {
    QTest::addColumn<int>("unit");
    QTest::newRow("no repeat") << 0;
    QTest::newRow("past the last unit") << 8;
    QTest::newRow("negative") << -1;
}

void TestReminderTime::noNextOccurrence() {
    QFETCH(int, unit);
    QVERIFY(!NextOccurrence(2, unit, At(2026, 12, 10, 9, 0)));
}

QTEST_GUILESS_MAIN(TestReminderTime)
#include "tst_reminder_time.moc"
