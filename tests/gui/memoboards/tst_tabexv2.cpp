// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTabExV2.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// A caption the strip measures as wide as wanted, give or take one character.
QString CaptionOfWidth(const TTabExV2& strip, int width) {
    QString caption;
    while (strip.MeasureCaption(caption + u'x') <= width)
        caption += u'x';
    return caption;
}

} // namespace

class TestTabExV2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { FHost.reset(); }

    void widthsAndLeftsFollowTheCaptions();
    void removingTheMiddleTabClosesTheGap();
    void activationRaisesTheNewTabAndLowersTheOld();
    void aTabWithTagZeroIsNeverActive();
    void doubleClickActivatesThenOpensTheRename();
    void renameIsReportedWhicheverWayItEnds_data();
    void renameIsReportedWhicheverWayItEnds();
    void renameResizesTheTabAndMovesTheFollowingOnes();
    void arrowsShowOnlyWhenTheRowDoesNotFit();
    void rightArrowStopsOnceTheLastTabIsInView();
    void ensureVisibleEndsOnANarrowHost_data();
    void ensureVisibleEndsOnANarrowHost();
    void hoverBoldsOnlyInactiveTabs();

private:
    TTabPanel* Append(int id, const QString& caption) {
        return FStrip->AppendTab(id, caption, 20, 80, 255);
    }

    std::unique_ptr<QWidget> FHost;
    TTabExV2* FStrip = nullptr;
};

void TestTabExV2::init() {
    FHost = std::make_unique<QWidget>();
    FHost->resize(671, 30);
    FStrip = new TTabExV2(FHost.get());
    FHost->show();
}

void TestTabExV2::widthsAndLeftsFollowTheCaptions() {
    const QString middle = CaptionOfWidth(*FStrip, 150);
    const int middleWidth = FStrip->MeasureCaption(middle);
    QVERIFY(middleWidth > 80 && middleWidth < 200);
    TTabPanel* first = Append(1, QStringLiteral("Tab1"));
    TTabPanel* second = Append(2, middle);
    TTabPanel* third = Append(3, CaptionOfWidth(*FStrip, 260));
    QVERIFY(FStrip->MeasureCaption(QStringLiteral("Tab1")) < 80);

    QCOMPARE(first->geometry(), QRect(26, 10, 80, 20));
    QCOMPARE(second->geometry(), QRect(112, 10, middleWidth, 20));
    QCOMPARE(third->geometry(), QRect(112 + middleWidth + 6, 10, 200, 20));
    QCOMPARE(first->alignment(), Qt::AlignCenter);
    QVERIFY(second->alignment() & Qt::AlignLeft);
    QVERIFY(third->alignment() & Qt::AlignLeft);
    QCOMPARE(FStrip->TabCount(), 3);
    QCOMPARE(FStrip->ActiveTab(), nullptr);
}

void TestTabExV2::removingTheMiddleTabClosesTheGap() {
    Append(1, QStringLiteral("Tab1"));
    Append(2, CaptionOfWidth(*FStrip, 150));
    TTabPanel* third = Append(3, QStringLiteral("Tab3"));
    FStrip->ActivateTab(third);
    FStrip->RemoveTab(2);
    QCOMPARE(FStrip->TabCount(), 2);
    QCOMPARE(third->x(), 112);
    QCOMPARE(FStrip->TabById(2), nullptr);
    QCOMPARE(FStrip->ActiveTab(), nullptr);
}

void TestTabExV2::activationRaisesTheNewTabAndLowersTheOld() {
    TTabPanel* a = Append(1, QStringLiteral("A"));
    TTabPanel* b = Append(2, QStringLiteral("B"));
    QSignalSpy changes(FStrip, &TTabExV2::OnChange);
    FStrip->ActivateTab(a);
    QCOMPARE(a->geometry().top(), 0);
    QCOMPARE(a->height(), 30);
    FStrip->ActivateTab(b);
    QCOMPARE(a->height(), 20);
    QCOMPARE(a->y(), 10);
    QCOMPARE(b->height(), 30);
    QCOMPARE(b->y(), 0);
    QCOMPARE(FStrip->ActiveIndex(), 1);
    FStrip->ActivateTab(b); // already active: nothing
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(0).value<TTabPanel*>(), b);
}

void TestTabExV2::aTabWithTagZeroIsNeverActive() {
    TTabPanel* zero = Append(0, QStringLiteral("Zero"));
    QSignalSpy changes(FStrip, &TTabExV2::OnChange);
    QTest::mouseClick(zero, Qt::LeftButton);
    FStrip->ActivateTab(zero);
    QCOMPARE(FStrip->ActiveTab(), nullptr);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(zero->height(), 20);
}

void TestTabExV2::doubleClickActivatesThenOpensTheRename() {
    Append(1, QStringLiteral("One"));
    TTabPanel* two = Append(2, QStringLiteral("Two"));
    FStrip->ActivateTabById(1);
    QTest::mouseDClick(two, Qt::LeftButton);
    QCOMPARE(FStrip->ActiveTab(), two);
    QLineEdit* edit = FStrip->RenameEdit();
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("Two"));
    QCOMPARE(edit->x(), two->x());
    QCOMPARE(edit->width(), two->width());
    QCOMPARE(edit->y(), two->y() + two->height() / 2 - edit->height() / 2);
}

void TestTabExV2::renameIsReportedWhicheverWayItEnds_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("finish (a click on the frame)") << QStringLiteral("finish");
    QTest::newRow("another tab clicked") << QStringLiteral("other tab");
    QTest::newRow("Enter") << QStringLiteral("enter");
}

void TestTabExV2::renameIsReportedWhicheverWayItEnds() {
    QFETCH(QString, ending);
    TTabPanel* one = Append(1, QStringLiteral("One"));
    TTabPanel* two = Append(2, QStringLiteral("Two"));
    QSignalSpy renamed(FStrip, &TTabExV2::TabRenamed);
    FStrip->BeginRename(one);
    FStrip->RenameEdit()->setText(QStringLiteral("Ideas"));
    if (ending == u"finish")
        QVERIFY(FStrip->FinishRename());
    else if (ending == u"other tab")
        QTest::mouseClick(two, Qt::LeftButton);
    else
        QTest::keyClick(FStrip->RenameEdit(), Qt::Key_Return);
    QVERIFY(!FStrip->RenameEdit()->isVisible());
    QCOMPARE(one->text(), QStringLiteral("Ideas"));
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(renamed.at(0).at(0).value<TTabPanel*>(), one);
    QCOMPARE(renamed.at(0).at(1).toString(), QStringLiteral("Ideas"));
    QCOMPARE(FStrip->ActiveTab(), ending == u"other tab" ? two : one);
    QVERIFY(!FStrip->FinishRename());
}

void TestTabExV2::renameResizesTheTabAndMovesTheFollowingOnes() {
    TTabPanel* one = Append(1, QStringLiteral("One"));
    TTabPanel* two = Append(2, QStringLiteral("Two"));
    const QString wide = CaptionOfWidth(*FStrip, 150);
    FStrip->BeginRename(one);
    FStrip->RenameEdit()->setText(wide);
    FStrip->EndRename();
    QCOMPARE(one->width(), FStrip->MeasureCaption(wide));
    QCOMPARE(two->x(), one->x() + one->width() + 6);
    // Escape leaves the caption as it was.
    FStrip->BeginRename(one);
    FStrip->RenameEdit()->setText(QStringLiteral("dropped"));
    QTest::keyClick(FStrip->RenameEdit(), Qt::Key_Escape);
    QCOMPARE(one->text(), wide);
}

void TestTabExV2::arrowsShowOnlyWhenTheRowDoesNotFit() {
    Append(1, QStringLiteral("One"));
    QVERIFY(FStrip->Arrows()->isHidden());
    for (int id = 2; id <= 8; ++id)
        Append(id, CaptionOfWidth(*FStrip, 90));
    QVERIFY(!FStrip->Arrows()->isHidden());
    QCOMPARE(FStrip->Arrows()->geometry(), QRect(671 - 30 - 3, 3, 30, 15));
    // The first tab scrolled off to the left also shows them.
    for (int id = 8; id >= 3; --id)
        FStrip->RemoveTab(id);
    FStrip->UpdateArrows(false);
    QVERIFY(FStrip->Arrows()->isHidden());
}

void TestTabExV2::rightArrowStopsOnceTheLastTabIsInView() {
    for (int id = 1; id <= 8; ++id)
        Append(id, CaptionOfWidth(*FStrip, 90));
    TTabPanel* last = FStrip->Tab(7);
    int steps = 0;
    while (last->x() + last->width() > 671 - 35) {
        const int before = last->x();
        FStrip->ScrollTabs(1);
        QCOMPARE(last->x(), before - 5);
        QVERIFY(++steps < 200);
    }
    const int settled = last->x();
    FStrip->ScrollTabs(1);
    QCOMPARE(last->x(), settled);
    FStrip->ScrollTabs(0);
    QCOMPARE(last->x(), settled + 5);
    FStrip->ScrollTabs(7); // no such arrow
    QCOMPARE(last->x(), settled + 5);
}

void TestTabExV2::ensureVisibleEndsOnANarrowHost_data() {
    QTest::addColumn<int>("hostWidth");
    QTest::addColumn<int>("left");
    for (const int width : {40, 215, 230, 240, 260})
        for (const int left : {-300, 0, 300})
            QTest::addRow("host %d, tab at %d", width, left) << width << left;
}

void TestTabExV2::ensureVisibleEndsOnANarrowHost() {
    QFETCH(int, hostWidth);
    QFETCH(int, left);
    TTabPanel* tab = Append(1, CaptionOfWidth(*FStrip, 260)); // 200 wide
    FHost->resize(hostWidth, 30);
    tab->move(left, tab->y());
    FStrip->EnsureVisible(tab); // ends, wherever the tab may be left
    const int right = tab->x() + tab->width();
    if (hostWidth > 200 + 50) {
        QVERIFY(tab->x() >= 15);
        QVERIFY(right <= hostWidth - 35);
    }
}

void TestTabExV2::hoverBoldsOnlyInactiveTabs() {
    TTabPanel* one = Append(1, QStringLiteral("One"));
    TTabPanel* two = Append(2, QStringLiteral("Two"));
    FStrip->ActivateTab(one);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(two, &enter);
    QVERIFY(two->font().bold());
    QCoreApplication::sendEvent(two, &leave);
    QVERIFY(!two->font().bold());
    QCoreApplication::sendEvent(one, &enter);
    QVERIFY(!one->font().bold());
}

QTEST_MAIN(TestTabExV2)
#include "tst_tabexv2.moc"
