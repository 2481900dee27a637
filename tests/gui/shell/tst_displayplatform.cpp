// SPDX-License-Identifier: GPL-3.0-or-later
#include "untDisplayPlatform.h"

#include <QtTest>

class TestDisplayPlatform : public QObject {
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void messages_data();
    void messages();
};

void TestDisplayPlatform::plan_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("qpa");
    QTest::addColumn<bool>("xAnswers");
    QTest::addColumn<TDisplayPlan>("expected");
    QTest::newRow("X11 session") << ":0"
                                 << ""
                                 << "" << true << TDisplayPlan::AsIs;
    QTest::newRow("Wayland with XWayland") << ":0"
                                           << "wayland-0"
                                           << "" << true << TDisplayPlan::UseX11;
    QTest::newRow("the user's own platform") << ":0"
                                             << "wayland-0"
                                             << "wayland" << true << TDisplayPlan::AsIs;
    QTest::newRow("offscreen without display") << ""
                                               << ""
                                               << "offscreen" << false << TDisplayPlan::AsIs;
    QTest::newRow("Wayland without X") << ""
                                       << "wayland-0"
                                       << "" << false << TDisplayPlan::NoXServer;
    QTest::newRow("X server gone") << ":7"
                                   << ""
                                   << "" << false << TDisplayPlan::NoXServer;
    QTest::newRow("Wayland, X server gone") << ":7"
                                            << "wayland-0"
                                            << "" << false << TDisplayPlan::NoXServer;
    QTest::newRow("nothing") << ""
                             << ""
                             << "" << false << TDisplayPlan::NoDisplay;
}

void TestDisplayPlatform::plan() {
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, qpa);
    QFETCH(bool, xAnswers);
    QFETCH(TDisplayPlan, expected);
    QCOMPARE(PlanDisplay({display, wayland, qpa}, xAnswers), expected);
}

void TestDisplayPlatform::messages_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("says");
    QTest::newRow("nothing") << ""
                             << ""
                             << "no display was found (DISPLAY is not set)";
    QTest::newRow("Wayland without X") << ""
                                       << "wayland-0"
                                       << "turn on XWayland";
    QTest::newRow("X server gone") << ":7"
                                   << ""
                                   << "cannot reach the X server of DISPLAY=:7";
}

void TestDisplayPlatform::messages() {
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, says);
    const TDisplayEnvironment environment{display, wayland, {}};
    const QString message = NoDisplayMessage(PlanDisplay(environment, false), environment);
    QVERIFY2(message.contains(says), qPrintable(message));
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
