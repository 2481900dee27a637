// SPDX-License-Identifier: GPL-3.0-or-later
#include "EKButton.h"

#include "MouseEvents.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TBtnType)

namespace {

const QString Normal = QStringLiteral("ok");
const QString Hover = QStringLiteral("ok_");
const QString Clicked = QStringLiteral("Cancel_");

void Configure(TEKButton& button, TBtnType type, TEKControl* group = nullptr) {
    button.SetBtnType(type);
    button.SetPictures(Normal, Hover, Clicked);
    button.SetGroupControl(group);
}

} // namespace

class TestEKButton : public QObject {
    Q_OBJECT

private slots:
    void showsItsNormalPictureOnceConfigured();
    void hoverSwapsPictures_data();
    void hoverSwapsPictures();
    void pressActsAtOnceAndRaisesOnClick_data();
    void pressActsAtOnceAndRaisesOnClick();
    void otherButtonsDoNothing();
    void pressingAnotherInTheGroupLeavesOneSelected_data();
    void pressingAnotherInTheGroupLeavesOneSelected();
    void selectedButtonIgnoresHover();
    void selectButtonRaisesNoClick();
    void buttonWithoutGroupStaysSelected();
    void groupForgetsADestroyedButton();
};

void TestEKButton::showsItsNormalPictureOnceConfigured() {
    TEKButton button;
    Configure(button, btEnter);
    QCOMPARE(button.PictureName(), Normal);
    QCOMPARE(button.sizeHint(), QSize(88, 24));
}

void TestEKButton::hoverSwapsPictures_data() {
    QTest::addColumn<TBtnType>("type");
    QTest::addColumn<QString>("underMouse");
    QTest::newRow("btEnter") << btEnter << Hover;
    QTest::newRow("btThird") << btThird << Hover;
    QTest::newRow("btClick has no hover") << btClick << Normal;
}

void TestEKButton::hoverSwapsPictures() {
    QFETCH(TBtnType, type);
    QFETCH(QString, underMouse);
    TEKControl group;
    TEKButton button;
    Configure(button, type, &group);
    QSignalSpy entered(&button, &TEKButton::OnMouseEnter);
    QSignalSpy left(&button, &TEKButton::OnMouseLeave);

    SendEnter(&button);
    QCOMPARE(button.PictureName(), underMouse);
    QCOMPARE(entered.count(), 1);
    SendLeave(&button);
    QCOMPARE(button.PictureName(), Normal);
    QCOMPARE(left.count(), 1);
}

void TestEKButton::pressActsAtOnceAndRaisesOnClick_data() {
    QTest::addColumn<TBtnType>("type");
    QTest::addColumn<QString>("afterPress");
    QTest::addColumn<bool>("selected");
    QTest::newRow("btEnter keeps its hover") << btEnter << Hover << false;
    QTest::newRow("btThird") << btThird << Clicked << true;
    QTest::newRow("btClick") << btClick << Clicked << true;
}

void TestEKButton::pressActsAtOnceAndRaisesOnClick() {
    QFETCH(TBtnType, type);
    QFETCH(QString, afterPress);
    QFETCH(bool, selected);
    TEKControl group;
    TEKButton button;
    Configure(button, type, &group);
    QSignalSpy clicked(&button, &TEKButton::OnClick);

    SendEnter(&button);
    PressAt(&button, {5, 5}); // no release: the press alone acts
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(button.PictureName(), afterPress);
    QCOMPARE(button.Selected(), selected);
    QCOMPARE(group.Current(), selected ? &button : nullptr);
}

void TestEKButton::otherButtonsDoNothing() {
    TEKControl group;
    TEKButton button;
    Configure(button, btClick, &group);
    QSignalSpy clicked(&button, &TEKButton::OnClick);
    PressAt(&button, {5, 5}, Qt::RightButton);
    PressAt(&button, {5, 5}, Qt::MiddleButton);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(button.PictureName(), Normal);
    QVERIFY(!button.Selected());
}

void TestEKButton::pressingAnotherInTheGroupLeavesOneSelected_data() {
    QTest::addColumn<TBtnType>("type");
    QTest::newRow("btClick") << btClick;
    QTest::newRow("btThird") << btThird;
}

void TestEKButton::pressingAnotherInTheGroupLeavesOneSelected() {
    QFETCH(TBtnType, type);
    TEKControl group;
    TEKButton buttons[3];
    for (TEKButton& button : buttons)
        Configure(button, type, &group);

    for (int pressed : {0, 2, 1, 1}) {
        PressAt(&buttons[pressed], {5, 5});
        SendLeave(&buttons[pressed]);
        QCOMPARE(group.Current(), &buttons[pressed]);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(buttons[i].Selected(), i == pressed);
            QCOMPARE(buttons[i].PictureName(), i == pressed ? Clicked : Normal);
        }
    }
}

void TestEKButton::selectedButtonIgnoresHover() {
    TEKControl group;
    TEKButton button;
    Configure(button, btThird, &group);
    PressAt(&button, {5, 5});
    SendLeave(&button);
    QCOMPARE(button.PictureName(), Clicked);
    SendEnter(&button);
    QCOMPARE(button.PictureName(), Clicked);
}

void TestEKButton::selectButtonRaisesNoClick() {
    TEKControl group;
    TEKButton first;
    TEKButton second;
    Configure(first, btClick, &group);
    Configure(second, btClick, &group);
    QSignalSpy firstClicked(&first, &TEKButton::OnClick);
    QSignalSpy secondClicked(&second, &TEKButton::OnClick);

    group.SelectButton(&first);
    group.SelectButton(&second);
    QCOMPARE(firstClicked.count(), 0);
    QCOMPARE(secondClicked.count(), 0);
    QCOMPARE(group.Current(), &second);
    QCOMPARE(second.PictureName(), Clicked);
    QCOMPARE(first.PictureName(), Normal);
    QVERIFY(!first.Selected());
}

void TestEKButton::buttonWithoutGroupStaysSelected() {
    TEKButton button;
    Configure(button, btThird);
    PressAt(&button, {5, 5});
    SendLeave(&button);
    QVERIFY(button.Selected());
    QCOMPARE(button.PictureName(), Clicked);
}

void TestEKButton::groupForgetsADestroyedButton() {
    TEKControl group;
    TEKButton kept;
    Configure(kept, btClick, &group);
    {
        TEKButton gone;
        Configure(gone, btClick, &group);
        PressAt(&gone, {5, 5});
        QCOMPARE(group.Current(), &gone);
    }
    QCOMPARE(group.Current(), nullptr);
    PressAt(&kept, {5, 5});
    QCOMPARE(group.Current(), &kept);
    QVERIFY(kept.Selected());
}

QTEST_MAIN(TestEKButton)
#include "tst_ekbutton.moc"
