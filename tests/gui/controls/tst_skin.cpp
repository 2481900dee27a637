// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSkin.h"
#include "untSkinImage.h"
#include "untWindowShape.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

// Whether any pixel of the picture is drawn (not fully transparent).
bool HasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

} // namespace

class TestSkin : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirDesignedSize_data();
    void picturesHaveTheirDesignedSize();
    void highRatioRendersMorePixelsAtTheSameSize_data();
    void highRatioRendersMorePixelsAtTheSameSize();
    void namesMatchWithoutRegardToCase();
    void eachPictureIsRenderedOnceAndShared();
    void unknownNameIsReportedAndEmpty();
    void imagePaintsItsPicture_data();
    void imagePaintsItsPicture();
    void roundedRegionCutsTheCorners_data();
    void roundedRegionCutsTheCorners();
};

void TestSkin::picturesHaveTheirDesignedSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const QList<std::pair<const char*, QSize>> pictures = {
        {"n_title", {89, 23}},       {"n_edit", {25, 24}},
        {"n_alarm", {23, 23}},       {"n_alarm_timeto", {23, 23}},
        {"n_resize2", {8, 8}},       {"n_topleft", {6, 6}},
        {"n_topright", {6, 6}},      {"n_bottomleft", {6, 6}},
        {"n_bottomright", {6, 6}},   {"b_bar2", {47, 13}},
        {"b_bg", {16, 13}},          {"arrow_up", {14, 13}},
        {"arrow_up2", {14, 13}},     {"arrow_down", {13, 13}},
        {"arrow_down2", {13, 13}},   {"ok", {88, 24}},
        {"ok_", {88, 24}},           {"Cancel", {88, 24}},
        {"Cancel_", {88, 24}},       {"close_left", {46, 18}},
        {"close_left_", {46, 18}},   {"msg_bg", {403, 150}},
        {"noteinfo_bg", {299, 143}},
    };
    const QList<std::pair<const char*, QSize>> dialogPictures = {
        {"settings_bg", {488, 350}}, {"sethotkeys_bg", {455, 357}}, {"hotkey_bg", {348, 170}},
        {"btab", {148, 33}},         {"btab2", {148, 33}},          {"btab3", {148, 33}},
        {"close", {46, 18}},         {"min_left", {46, 18}},        {"set_help", {18, 18}},
        {"sethotkey", {88, 24}},     {"sethotkey_", {88, 24}},
    };
    // The note editor palette: background, pages, tabs, and each button's looks.
    const QList<std::pair<const char*, QSize>> editorPictures = {
        {"editor_bg", {239, 170}},   {"editor_font", {221, 127}},
        {"editor_note", {221, 127}}, {"editor_close", {16, 15}},
        {"tab2", {80, 22}},          {"tab3", {80, 22}},
        {"paste", {35, 51}},         {"cut", {21, 24}},
        {"cut_h", {21, 24}},         {"copy", {21, 27}},
        {"copy_h", {21, 27}},        {"bold", {23, 23}},
        {"italic", {24, 23}},        {"underline", {24, 23}},
        {"forecolor", {24, 23}},     {"hilitecolor", {24, 23}},
        {"left", {23, 23}},          {"center", {24, 23}},
        {"right", {24, 23}},         {"undo", {28, 24}},
        {"undo_h", {28, 24}},        {"redo", {28, 24}},
        {"redo_h", {28, 24}},        {"list", {24, 23}},
        {"printer", {24, 23}},       {"edtmemoboard", {25, 23}},
        {"info", {24, 23}},          {"bgcolor", {24, 23}},
        {"trash", {24, 23}},         {"pic", {24, 23}},
        {"obj", {23, 23}},           {"emin", {24, 23}},
        {"emin_h", {24, 23}},        {"onthetop", {24, 23}},
        {"onthetop_h", {24, 23}},    {"alarm", {20, 23}},
        {"alarm_repeat", {20, 23}},  {"alarm_repeat_h", {20, 23}},
        {"arrow", {7, 23}},          {"arrow_h", {7, 23}},
    };
    const QList<std::pair<const char*, QSize>> memoboardPictures = {
        {"mb_top", {689, 28}},     {"mb_icon", {18, 18}},      {"mb_newnote", {36, 36}},
        {"mb_newnote_", {36, 36}}, {"mb_memoboard", {36, 36}}, {"mb_memoboard_", {36, 36}},
        {"mb_tool", {36, 36}},     {"mb_tool_", {36, 36}},     {"mb_print", {36, 36}},
        {"mb_print_", {36, 36}},   {"mb_trash", {36, 36}},     {"mb_trash_", {36, 36}},
        {"min_left_", {46, 18}},   {"close_", {46, 18}},       {"max", {46, 18}},
        {"max_", {46, 18}},        {"restore", {46, 18}},      {"restore1", {46, 18}},
        {"memo_bg", {160, 160}},   {"addmemo_bg", {399, 147}}, {"mbsettings_bg", {488, 482}},
    };
    for (const auto& [name, size] : pictures + dialogPictures + editorPictures + memoboardPictures)
        QTest::newRow(name) << QString::fromLatin1(name) << size;
}

void TestSkin::picturesHaveTheirDesignedSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY(SkinExists(name));
    const QPixmap& picture = SkinPixmap(name, 1.0);
    QCOMPARE(picture.size(), size);
    QVERIFY2(HasInk(picture), "the picture is blank");
}

void TestSkin::highRatioRendersMorePixelsAtTheSameSize_data() {
    picturesHaveTheirDesignedSize_data();
}

void TestSkin::highRatioRendersMorePixelsAtTheSameSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap& picture = SkinPixmap(name, 2.0);
    QCOMPARE(picture.size(), size * 2);
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
}

void TestSkin::namesMatchWithoutRegardToCase() {
    const QPixmap& designed = SkinPixmap(QStringLiteral("Cancel_"));
    QVERIFY(!designed.isNull());
    QCOMPARE(&SkinPixmap(QStringLiteral("CANCEL_")), &designed);
    QCOMPARE(&SkinPixmap(QStringLiteral("cancel_")), &designed);
    QVERIFY(&SkinPixmap(QStringLiteral("cancel")) != &designed);
    QVERIFY(SkinExists(QStringLiteral("N_TITLE")));
}

void TestSkin::eachPictureIsRenderedOnceAndShared() {
    const QPixmap& first = SkinPixmap(QStringLiteral("b_bar2"), 1.0);
    const qint64 key = first.cacheKey();
    const QPixmap& again = SkinPixmap(QStringLiteral("b_bar2"), 1.0);
    QCOMPARE(&again, &first);
    QCOMPARE(again.cacheKey(), key);
    // Another ratio is a rendering of its own; the first stays as it was.
    QVERIFY(SkinPixmap(QStringLiteral("b_bar2"), 2.0).cacheKey() != key);
    QCOMPARE(SkinPixmap(QStringLiteral("b_bar2"), 1.0).cacheKey(), key);
}

void TestSkin::unknownNameIsReportedAndEmpty() {
    QVERIFY(!SkinExists(QStringLiteral("no_such_picture")));
    QTest::ignoreMessage(QtCriticalMsg,
                         QRegularExpression(QStringLiteral("no skin picture named.*no_such")));
    QVERIFY(SkinPixmap(QStringLiteral("no_such_picture")).isNull());
}

void TestSkin::imagePaintsItsPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("stretch");
    QTest::newRow("at its size") << QStringLiteral("n_edit") << QSize(40, 30) << false;
    QTest::newRow("stretched") << QStringLiteral("b_bg") << QSize(120, 13) << true;
}

void TestSkin::imagePaintsItsPicture() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, stretch);
    TSkinImage image;
    image.resize(size);
    image.SetStretch(stretch);
    image.LoadPicture(name);

    // The picture over the window's background, as the image control should draw it.
    QImage expected(size, QImage::Format_ARGB32_Premultiplied);
    expected.fill(image.palette().color(QPalette::Window));
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, stretch);
        if (stretch)
            painter.drawPixmap(QRect(QPoint(), size), SkinPixmap(name, 1.0));
        else
            painter.drawPixmap(0, 0, SkinPixmap(name, 1.0));
    }
    const QImage painted = image.grab().toImage().convertToFormat(expected.format());
    QCOMPARE(painted, expected);

    image.LoadPicture(QString());
    expected.fill(image.palette().color(QPalette::Window));
    QCOMPARE(image.grab().toImage().convertToFormat(expected.format()), expected);
}

void TestSkin::roundedRegionCutsTheCorners_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("diameter");
    QTest::addColumn<int>("topRowInset");
    QTest::newRow("message box, 9") << QSize(403, 150) << 9 << 2;
    QTest::newRow("tile, 8") << QSize(35, 32) << 8 << 2;
    QTest::newRow("square corners, 0") << QSize(20, 10) << 0 << 0;
}

void TestSkin::roundedRegionCutsTheCorners() {
    QFETCH(QSize, size);
    QFETCH(int, diameter);
    QFETCH(int, topRowInset);
    const QRegion region = RoundedRegion(size, diameter);
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    QCOMPARE(region.boundingRect(), QRect(QPoint(0, 0), size));
    // The top row starts `topRowInset` in at both ends, and so does the bottom row.
    for (const int y : {0, bottom}) {
        QVERIFY(region.contains(QPoint(topRowInset, y)));
        QVERIFY(region.contains(QPoint(right - topRowInset, y)));
        if (topRowInset > 0) {
            QVERIFY(!region.contains(QPoint(topRowInset - 1, y)));
            QVERIFY(!region.contains(QPoint(right - topRowInset + 1, y)));
        }
    }
    // Below the corners every row is whole.
    QVERIFY(region.contains(QPoint(0, diameter / 2)));
    QVERIFY(region.contains(QPoint(right, bottom - diameter / 2)));
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
