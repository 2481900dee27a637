// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "TestDataFolder.h"
#include "WindowsTestSupport.h"
#include "frmLearning.h"
#include "untClock.h"
#include "untParam.h"
#include "untPicShow.h"

#include <QCheckBox>
#include <QImage>
#include <QSet>
#include <QTimer>
#include <QtTest>

namespace {

// Shows the slides of `ticks` timer ticks and answers their names.
QStringList TickSlides(TfmLearning& window, int ticks) {
    QStringList shown;
    for (int tick = 0; tick < ticks; ++tick) {
        window.TimerTimer();
        shown.append(window.ShownSlide());
    }
    return shown;
}

} // namespace

class TestLearning : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void isAStayOnTopWindowOfItsSize();
    void firstSlideAtOnceThenEveryFiveSeconds();
    void slidesFollowInOrderAndStartAgain();
    void everySlideIsAPictureOfTheSlideShowsSize();
    void transitionsAreChosenAtRandomFromAllStyles();
    void everyShowStartsAtTheFirstSlide();
    void checkBoxFollowsTheSetting_data();
    void checkBoxFollowsTheSetting();
    void closingStoresTheCheckBox_data();
    void closingStoresTheCheckBox();
    void tickingTheBoxAgainStoresIt();
    void nothingIsStoredWhileItShows();

private:
    std::unique_ptr<TestDataFolder> FFolder;
};

void TestLearning::init() {
    FFolder = std::make_unique<TestDataFolder>();
}

void TestLearning::cleanup() {
    FFolder.reset();
}

void TestLearning::isAStayOnTopWindowOfItsSize() {
    TfmLearning window;
    QCOMPARE(window.size(), QSize(380, 308));
    QCOMPARE(window.windowTitle(), QStringLiteral("Welcome - Velmar Notes"));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(Child<QCheckBox>(window, "cbxShow")->text(),
             QStringLiteral("Show this dialog at startup"));
    QCOMPARE(Child<TPicShow>(window, "PicShow")->geometry(), QRect(12, 34, 356, 228));
}

void TestLearning::firstSlideAtOnceThenEveryFiveSeconds() {
    TfmLearning window;
    window.show();
    QVERIFY(window.Timer()->isActive());
    QCOMPARE(window.Timer()->interval(), 1);
    QVERIFY(window.ShownSlide().isEmpty());
    QTRY_COMPARE(window.ShownSlide(), QStringLiteral("wl_cratenotes"));
    QCOMPARE(window.Timer()->interval(), TfmLearning::SlideIntervalMs);
}

void TestLearning::slidesFollowInOrderAndStartAgain() {
    TfmLearning window;
    window.show();
    QCOMPARE(TickSlides(window, 7),
             QStringList({"wl_cratenotes", "wl_note_area", "wl_toolbar1", "wl_boolbar2",
                          "wl_openmenu", "wl_menu", "wl_cratenotes"}));
}

void TestLearning::everySlideIsAPictureOfTheSlideShowsSize() {
    TfmLearning window;
    window.show();
    QList<QImage> pictures;
    for (int tick = 0; tick < TfmLearning::SlideNames().size(); ++tick) {
        window.TimerTimer();
        const QImage& picture = window.PicShow()->Picture();
        QVERIFY2(!picture.isNull(), qPrintable(window.ShownSlide()));
        QCOMPARE(picture.size(), QSize(356, 228));
        // Six different pictures, not one picture six times.
        QVERIFY2(!pictures.contains(picture), qPrintable(window.ShownSlide()));
        pictures.append(picture);
    }
}

void TestLearning::transitionsAreChosenAtRandomFromAllStyles() {
    RandomSource::Seed(7);
    TfmLearning window;
    window.show();
    QSet<int> effects;
    for (int tick = 0; tick < 60; ++tick) {
        window.TimerTimer();
        const int style = window.PicShow()->Style();
        QVERIFY(style >= 1 && style <= TPicShow::StyleCount);
        effects.insert(window.PicShow()->Effect());
    }
    QVERIFY(effects.size() > 1);
}

void TestLearning::everyShowStartsAtTheFirstSlide() {
    TfmLearning window;
    window.show();
    TickSlides(window, 3);
    window.reject();
    window.show();
    QCOMPARE(TickSlides(window, 1), QStringList({"wl_cratenotes"}));
}

void TestLearning::checkBoxFollowsTheSetting_data() {
    QTest::addColumn<QString>("stored"); // empty: not written
    QTest::addColumn<bool>("checked");
    QTest::newRow("absent") << QString() << true;
    QTest::newRow("true") << "1" << true;
    QTest::newRow("false") << "0" << false;
}

void TestLearning::checkBoxFollowsTheSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    if (!stored.isEmpty())
        WriteTextSetting(QStringLiteral("IsShowWelcome"), stored);
    TfmLearning window;
    window.show();
    QCOMPARE(Child<QCheckBox>(window, "cbxShow")->isChecked(), checked);
}

void TestLearning::closingStoresTheCheckBox_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<bool>("untick");
    QTest::addColumn<QString>("stored");
    QTest::newRow("close button, box cleared") << "edbtnClose" << true << "0";
    QTest::newRow("close picture, box cleared") << "ekbtnOK" << true << "0";
    QTest::newRow("Escape, box cleared") << "Escape" << true << "0";
    // The stored choice is kept as it is: no entry still reads as set.
    QTest::newRow("close picture, box kept") << "ekbtnOK" << false << "<missing>";
}

void TestLearning::closingStoresTheCheckBox() {
    QFETCH(QString, closeBy);
    QFETCH(bool, untick);
    QFETCH(QString, stored);
    TfmLearning window;
    window.show();
    auto* box = Child<QCheckBox>(window, "cbxShow");
    if (untick) // a click on the text toggles the box
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, box->height() / 2));
    QCOMPARE(box->isChecked(), !untick);
    if (closeBy == QLatin1String("Escape"))
        QTest::keyClick(&window, Qt::Key_Escape);
    else
        QTest::mousePress(Child<TEKButton>(window, qPrintable(closeBy)), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.Timer()->isActive());
    QCOMPARE(StoredText(QStringLiteral("IsShowWelcome")), stored);
}

void TestLearning::tickingTheBoxAgainStoresIt() {
    WriteBoolSetting(QStringLiteral("IsShowWelcome"), false);
    TfmLearning window;
    window.show();
    Child<QCheckBox>(window, "cbxShow")->setChecked(true);
    window.accept();
    QCOMPARE(StoredText(QStringLiteral("IsShowWelcome")), QStringLiteral("1"));
}

void TestLearning::nothingIsStoredWhileItShows() {
    TfmLearning window;
    window.show();
    Child<QCheckBox>(window, "cbxShow")->setChecked(false);
    TickSlides(window, 2);
    QVERIFY(!SettingsFileExists());
}

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
