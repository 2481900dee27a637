// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteAnimation.h"

#include "untWindowShape.h"

#include <QWidget>
#include <QtTest>

// The show and hide animations, run for real (the other note tests turn them off).
class TestNoteAnimation : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("VELMAR_NO_ANIMATION", "0"); }
    void cleanup() { qputenv("VELMAR_NO_ANIMATION", "1"); }

    void showRevealsTheWindowAndEndsWithItsRoundedOutline_data();
    void showRevealsTheWindowAndEndsWithItsRoundedOutline();
    void hideCoversTheWindowBeforeItIsHidden();
    void hideOfAHiddenWindowOrWithoutAnimationsIsImmediate();
};

void TestNoteAnimation::showRevealsTheWindowAndEndsWithItsRoundedOutline_data() {
    QTest::addColumn<NoteAnimation>("kind");
    QTest::addColumn<QPoint>("firstVisible"); // a point revealed early, the other one late
    QTest::addColumn<QPoint>("lastVisible");
    QTest::newRow("from the centre") << NoteAnimation::Centre << QPoint(86, 60) << QPoint(2, 60);
    QTest::newRow("from the top-left") << NoteAnimation::Roll << QPoint(8, 8) << QPoint(165, 110);
}

void TestNoteAnimation::showRevealsTheWindowAndEndsWithItsRoundedOutline() {
    QFETCH(NoteAnimation, kind);
    QFETCH(QPoint, firstVisible);
    QFETCH(QPoint, lastVisible);
    QWidget window;
    window.resize(172, 120);
    window.show();
    AnimateNoteShow(window, kind);
    QTRY_VERIFY(window.mask().contains(firstVisible) && !window.mask().contains(lastVisible));
    QTRY_COMPARE(window.mask(), RoundedRegion(QSize(172, 120), 9));
}

void TestNoteAnimation::hideCoversTheWindowBeforeItIsHidden() {
    QWidget window;
    window.resize(172, 120);
    window.show();
    bool done = false;
    AnimateNoteHide(window, NoteAnimation::Roll, [&] {
        done = true;
        window.hide();
    });
    QVERIFY(!done);
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!window.mask().contains(QPoint(165, 110)));
    QTRY_VERIFY(done);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.mask(), RoundedRegion(QSize(172, 120), 9)); // ready for the next show
}

void TestNoteAnimation::hideOfAHiddenWindowOrWithoutAnimationsIsImmediate() {
    QWidget window;
    int done = 0;
    AnimateNoteHide(window, NoteAnimation::Centre, [&] { ++done; });
    QCOMPARE(done, 1);
    window.show();
    qputenv("VELMAR_NO_ANIMATION", "1");
    AnimateNoteHide(window, NoteAnimation::Centre, [&] { ++done; });
    QCOMPARE(done, 2);
}

QTEST_MAIN(TestNoteAnimation)
#include "tst_noteanimation.moc"
