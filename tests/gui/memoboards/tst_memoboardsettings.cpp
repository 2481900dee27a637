// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMemoboardSettings.h"

#include "MemoboardTestSupport.h"
#include "untFileChooser.h"
#include "untNoteColors.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

TMemoboardSettingsValues SampleValues(int placement = 3) {
    TMemoboardSettingsValues values;
    values.MemoboardName = QStringLiteral("Ideas");
    values.TabName = QStringLiteral("Tab1");
    values.TabColor = 255;
    values.PageColor = 65535;
    values.Placement = placement;
    return values;
}

} // namespace

class TestMemoboardSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { FFixture = std::make_unique<MemoboardFixture>(); }
    void cleanup() { FFixture.reset(); }

    void loadShowsThePageAndMarksThePlacement_data();
    void loadShowsThePageAndMarksThePlacement();
    void okWithAnEmptyNameKeepsTheDialogOpen_data();
    void okWithAnEmptyNameKeepsTheDialogOpen();
    void swatchesColourThePreviewOfTheirPage();
    void clearImageGivesNoPlacementWhateverIsMarked();
    void selectImageThenResetDefaultForgetsTheChosenFile();

private:
    std::unique_ptr<MemoboardFixture> FFixture;
};

void TestMemoboardSettings::loadShowsThePageAndMarksThePlacement_data() {
    QTest::addColumn<int>("placement");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<bool>("preview");
    QTest::newRow("none") << 0 << QStringLiteral("rbTile") << false;
    QTest::newRow("top left") << 1 << QStringLiteral("rbTopLeft") << true;
    QTest::newRow("centre") << 2 << QStringLiteral("rbCenter") << true;
    QTest::newRow("tile") << 3 << QStringLiteral("rbTile") << true;
}

void TestMemoboardSettings::loadShowsThePageAndMarksThePlacement() {
    QFETCH(int, placement);
    QFETCH(QString, marked);
    QFETCH(bool, preview);
    TfmMemoboardSettings dialog;
    dialog.Load(SampleValues(placement), 2);
    QCOMPARE(dialog.CurrentPage(), 2);
    QVERIFY(dialog.findChild<QRadioButton*>(marked)->isChecked());
    QCOMPARE(!dialog.imgBk()->pixmap().isNull(), preview);
    QCOMPARE(dialog.edtMemoboardName()->text(), QStringLiteral("Ideas"));
    QCOMPARE(dialog.edtTabName()->text(), QStringLiteral("Tab1"));
    QCOMPARE(dialog.Values().Placement, placement);
    dialog.ShowPage(1);
    QCOMPARE(dialog.CurrentPage(), 1);
}

void TestMemoboardSettings::okWithAnEmptyNameKeepsTheDialogOpen_data() {
    QTest::addColumn<bool>("emptyMemoboardName");
    QTest::newRow("memoboard name") << true;
    QTest::newRow("tab name") << false;
}

void TestMemoboardSettings::okWithAnEmptyNameKeepsTheDialogOpen() {
    QFETCH(bool, emptyMemoboardName);
    TfmMemoboardSettings dialog;
    dialog.Load(SampleValues(), 1);
    dialog.show();
    (emptyMemoboardName ? dialog.edtMemoboardName() : dialog.edtTabName())->clear();
    dialog.ekbtnOKClick();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    (emptyMemoboardName ? dialog.edtMemoboardName() : dialog.edtTabName())
        ->setText(QStringLiteral("Named"));
    dialog.ekbtnOKClick();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestMemoboardSettings::swatchesColourThePreviewOfTheirPage() {
    TfmMemoboardSettings dialog;
    dialog.Load(SampleValues(), 1);
    dialog.show();
    QWidget* pageSwatch = dialog.findChild<QWidget*>(QStringLiteral("nb1"))
                              ->findChild<QWidget*>(QStringLiteral("swatch8388672"));
    QTest::mouseClick(pageSwatch, Qt::LeftButton);
    QCOMPARE(dialog.Values().PageColor, 8388672);
    QCOMPARE(dialog.pnlMemoboard()->palette().color(QPalette::Window), ColorFromValue(8388672));
    QCOMPARE(dialog.Values().TabColor, 255);
    dialog.ShowPage(2);
    QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("nb2"))
                          ->findChild<QWidget*>(QStringLiteral("swatch65408")),
                      Qt::LeftButton);
    QCOMPARE(dialog.Values().TabColor, 65408);
    QCOMPARE(TfmMemoboardSettings::SwatchColors.size(), std::size_t(18));
}

void TestMemoboardSettings::clearImageGivesNoPlacementWhateverIsMarked() {
    TfmMemoboardSettings dialog;
    dialog.Load(SampleValues(), 1);
    dialog.rbTopLeft()->setChecked(true);
    dialog.btnClearImgClick();
    QVERIFY(dialog.imgBk()->pixmap().isNull());
    QCOMPARE(dialog.Values().Placement, 0);
    dialog.btnResetImgClick();
    QCOMPARE(dialog.Values().Placement, 1);
}

void TestMemoboardSettings::selectImageThenResetDefaultForgetsTheChosenFile() {
    TfmMemoboardSettings dialog;
    TMemoboardSettingsValues values = SampleValues(0);
    values.Bgimg = QStringLiteral("/somewhere/old.jpg");
    dialog.Load(values, 1);
    FileChooser::SetNextChosenFileForTest(QStringLiteral("/pictures/sea.jpg"));
    dialog.btnSelectImgClick();
    QCOMPARE(dialog.Values().NewImage, QStringLiteral("/pictures/sea.jpg"));
    QCOMPARE(dialog.Values().Placement, 3);
    dialog.btnResetImgClick();
    QCOMPARE(dialog.Values().NewImage, QString());
    QCOMPARE(dialog.Values().Bgimg, QString());
    QVERIFY(!dialog.imgBk()->pixmap().isNull());
}

QTEST_MAIN(TestMemoboardSettings)
#include "tst_memoboardsettings.moc"
