// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteCascade.h"

#include <QtTest>

class TestNoteCascade : public QObject {
    Q_OBJECT

private slots:
    void twelveNotesOnA1024x768Screen();
    void startsAgainAtTheBottomEdge();
};

void TestNoteCascade::twelveNotesOnA1024x768Screen() {
    const QSize screen(1024, 768);
    TNoteCascade cascade(screen);
    const QList<QPoint> expected = {{341, 256}, {411, 326}, {481, 256}, {551, 326},
                                    {621, 256}, {691, 326}, {761, 256}, {831, 326},
                                    {901, 256}, {341, 386}, {411, 316}, {481, 386}};
    QList<QPoint> places;
    for (int i = 0; i < expected.size(); ++i)
        places.append(cascade.Next(QSize(172, 120), screen));
    QCOMPARE(places, expected);
}

void TestNoteCascade::startsAgainAtTheBottomEdge() {
    // 250 high: after the second note the next top (153) plus a note's height passes the
    // bottom, so the cascade starts again from a third of the screen.
    const QSize screen(1024, 250);
    const QSize note(172, 120);
    TNoteCascade cascade(screen);
    QCOMPARE(cascade.Next(note, screen), QPoint(341, 83));
    QCOMPARE(cascade.Next(note, screen), QPoint(411, 153));
    QCOMPARE(cascade.Next(note, screen), QPoint(341, 153));
    QCOMPARE(cascade.NextLeft(), 341);
    QCOMPARE(cascade.NextTop(), 153);
    QVERIFY(!cascade.CascadeDown());
}

QTEST_MAIN(TestNoteCascade)
#include "tst_notecascade.moc"
