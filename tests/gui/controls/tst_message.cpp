// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"
#include "frmMessage.h"
#include "untWindowShape.h"

#include "MouseEvents.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

// A named part of the box; a missing one is a broken test setup, not a test result.
template <typename T> T* Child(const QWidget& box, const char* name) {
    T* child = box.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("the message box has no %s", name);
    return child;
}

// Shows the box modally, has `act` run once the modal loop runs, and answers exec()'s result.
template <typename Act> int ExecAndDo(TfmMessage& box, Act act) {
    QTimer::singleShot(0, &box, act);
    return box.exec();
}

} // namespace

class TestMessage : public QObject {
    Q_OBJECT

private slots:
    void isABorderlessRoundedBoxOnTop();
    void layout_data();
    void layout();
    void showsTitleAndMessage();
    void answers_data();
    void answers();
    void escapeAnswersCancel();
    void checkBoxRowIsHiddenOnTheNextUse();
    void showCancelKeepsTheLastCallersChoice();
    void clickingTheCheckBoxTextTogglesIt();
    void clickingTheCheckBoxGivesTheFocusBack();
    void nextAnswerForTest_data();
    void nextAnswerForTest();
    void titleStripMovesTheBox();
};

void TestMessage::isABorderlessRoundedBoxOnTop() {
    TfmMessage box;
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QCOMPARE(box.size(), QSize(403, 150));
    QCOMPARE(box.mask(), RoundedRegion(QSize(403, 150), 9));
    QCOMPARE(Child<QWidget>(box, "imgBG")->geometry(), QRect(0, 0, 403, 150));
    QCOMPARE(Child<QWidget>(box, "imgTitle")->geometry(), QRect(0, 1, 403, 27));
    QCOMPARE(Child<QWidget>(box, "ekbtnClose")->geometry(), QRect(340, 0, 46, 18));
    QVERIFY(box.ShowCancel());
    QVERIFY(!box.ShowCheckBox());
}

void TestMessage::layout_data() {
    QTest::addColumn<bool>("showCancel");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<bool>("showCheckBox");
    QTest::addColumn<int>("okLeft");
    QTest::addColumn<int>("messageTop");
    QTest::newRow("OK and Cancel, one line") << true << 1 << false << 201 << 62;
    QTest::newRow("OK alone stands where Cancel would") << false << 1 << false << 298 << 62;
    QTest::newRow("two lines sit higher") << true << 2 << false << 201 << 54;
    QTest::newRow("two lines above the check box") << true << 2 << true << 201 << 50;
    QTest::newRow("one line above the check box") << false << 1 << true << 298 << 62;
}

void TestMessage::layout() {
    QFETCH(bool, showCancel);
    QFETCH(int, lineCount);
    QFETCH(bool, showCheckBox);
    QFETCH(int, okLeft);
    QFETCH(int, messageTop);
    TfmMessage box;
    box.SetShowCancel(showCancel);
    box.SetLineCount(lineCount);
    box.SetShowCheckBox(showCheckBox);
    box.SetMessage(QStringLiteral("Will restore selected note from the Trash."));
    box.show();

    QCOMPARE(Child<QWidget>(box, "ekbtnOK")->geometry(), QRect(okLeft, 112, 88, 24));
    QCOMPARE(Child<QWidget>(box, "ekbtnCancel")->isVisible(), showCancel);
    QCOMPARE(Child<QWidget>(box, "ekbtnCancel")->geometry(), QRect(298, 112, 88, 24));
    const QLabel* message = Child<QLabel>(box, "lblMes");
    QCOMPARE(message->pos(), QPoint(23, messageTop));
    QCOMPARE(message->width(), 363);
    QCOMPARE(box.cbx()->isVisible(), showCheckBox);
    QCOMPARE(box.lblcbx()->isVisible(), showCheckBox);
    QCOMPARE(box.cbx()->pos(), QPoint(23, 81));
    QCOMPARE(box.lblcbx()->geometry().topLeft(), QPoint(41, 82));
    QCOMPARE(box.lblcbx()->width(), 345);
    QCOMPARE(box.focusWidget(), Child<QWidget>(box, "btnF"));
    QCOMPARE(box.geometry().center(), box.screen()->availableGeometry().center());
}

void TestMessage::showsTitleAndMessage() {
    TfmMessage box;
    const QString message = QStringLiteral("Application will exit.You will not access to your "
                                           "notes and reminder until you restart.");
    box.SetTitle(QStringLiteral("Velmar Notes will close"));
    box.SetMessage(message);
    box.SetLineCount(2);
    box.show();
    const QLabel* caption = Child<QLabel>(box, "lblCaption");
    QCOMPARE(caption->text(), QStringLiteral("Velmar Notes will close"));
    QCOMPARE(caption->pos(), QPoint(40, 8));
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(70, 98, 106));
    QCOMPARE(caption->font().pixelSize(), 13);
    const QLabel* label = Child<QLabel>(box, "lblMes");
    QCOMPARE(label->text(), message);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().pixelSize(), 12);
    // The two lines fit between the title strip and the buttons.
    QVERIFY(label->height() > label->fontMetrics().height());
    QVERIFY(label->geometry().bottom() < 112);
}

void TestMessage::answers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << QStringLiteral("ekbtnOK") << TfmMessage::ResultOK;
    QTest::newRow("Cancel") << QStringLiteral("ekbtnCancel") << TfmMessage::ResultCancel;
    QTest::newRow("close") << QStringLiteral("ekbtnClose") << TfmMessage::ResultCancel;
}

void TestMessage::answers() {
    QFETCH(QString, button);
    QFETCH(int, result);
    TfmMessage box;
    TEKButton* pressed = box.findChild<TEKButton*>(button);
    QVERIFY(pressed);
    // The press alone answers; no release follows.
    QCOMPARE(ExecAndDo(box, [pressed] { PressAt(pressed, {10, 10}); }), result);
    QVERIFY(!box.isVisible());
}

void TestMessage::escapeAnswersCancel() {
    TfmMessage box;
    box.SetShowCancel(false);
    QCOMPARE(ExecAndDo(box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); }),
             TfmMessage::ResultCancel);
}

void TestMessage::checkBoxRowIsHiddenOnTheNextUse() {
    TfmMessage box;
    box.SetShowCheckBox(true);
    box.lblcbx()->setText(QStringLiteral("Exit direct without tips"));
    bool rowShown = false;
    QCOMPARE(ExecAndDo(box,
                       [&box, &rowShown] {
                           rowShown = box.cbx()->isVisible() && box.lblcbx()->isVisible();
                           PressAt(Child<QWidget>(box, "ekbtnOK"), {10, 10});
                       }),
             TfmMessage::ResultOK);
    QVERIFY(rowShown);
    QVERIFY(!box.ShowCheckBox());

    box.show();
    QVERIFY(!box.cbx()->isVisible());
    QVERIFY(!box.lblcbx()->isVisible());
}

void TestMessage::showCancelKeepsTheLastCallersChoice() {
    TfmMessage box;
    box.SetShowCancel(false);
    box.show();
    box.hide();
    QVERIFY(!box.ShowCancel());
    box.show();
    QVERIFY(!Child<QWidget>(box, "ekbtnCancel")->isVisible());
}

void TestMessage::clickingTheCheckBoxTextTogglesIt() {
    TfmMessage box;
    box.SetShowCheckBox(true);
    box.lblcbx()->setText(QStringLiteral("Exit direct without tips"));
    box.show();
    QVERIFY(!box.cbx()->isChecked());
    QTest::mouseClick(box.lblcbx(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(box.cbx()->isChecked());
    QTest::mouseClick(box.lblcbx(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!box.cbx()->isChecked());
}

void TestMessage::clickingTheCheckBoxGivesTheFocusBack() {
    TfmMessage box;
    box.SetShowCheckBox(true);
    box.show();
    box.cbx()->setFocus();
    QCOMPARE(box.focusWidget(), box.cbx());
    box.cbx()->click();
    QVERIFY(box.cbx()->isChecked());
    QCOMPARE(box.focusWidget(), Child<QWidget>(box, "btnF"));
}

void TestMessage::nextAnswerForTest_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("OK, ticked") << TfmMessage::ResultOK << true;
    QTest::newRow("Cancel, not ticked") << TfmMessage::ResultCancel << false;
}

void TestMessage::nextAnswerForTest() {
    QFETCH(int, result);
    QFETCH(bool, ticked);
    TfmMessage box;
    box.SetTitle(QStringLiteral("Empty Trash"));
    box.SetShowCheckBox(true);
    box.cbx()->setChecked(!ticked);
    TfmMessage::SetNextAnswerForTest(result, ticked);
    QCOMPARE(box.exec(), result);
    QCOMPARE(box.cbx()->isChecked(), ticked);
    QVERIFY(!box.isVisible());
    QVERIFY(!box.ShowCheckBox());
    QCOMPARE(Child<QLabel>(box, "lblCaption")->text(), QStringLiteral("Empty Trash"));

    // Used once: the next exec() waits for a person again.
    QCOMPARE(ExecAndDo(box,
                       [&box] {
                           PressAt(Child<QWidget>(box, "ekbtnClose"), {5, 5});
                       }),
             TfmMessage::ResultCancel);
}

void TestMessage::titleStripMovesTheBox() {
    TfmMessage box;
    box.show();
    const QPoint before = box.pos();
    DragBy(Child<QWidget>(box, "imgTitle"), {100, 10}, {-60, 35});
    QCOMPARE(box.pos(), before + QPoint(-60, 35));
}

QTEST_MAIN(TestMessage)
#include "tst_message.moc"
