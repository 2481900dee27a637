// SPDX-License-Identifier: GPL-3.0-or-later
#include "untFileChooser.h"
#include "untSwatchMenu.h"

#include <QSignalSpy>
#include <QtTest>

class TestSwatchMenu : public QObject {
    Q_OBJECT

private slots:
    void entriesHaveTheFixedSize();
    void entryCarriesItsValueAndSwatches();
    void pickingAnEntryReportsItsValue();
    void actionOfAnotherMenuHasNoSwatches();
    void nextChosenFileIsAnsweredWithoutADialog();
};

void TestSwatchMenu::entriesHaveTheFixedSize() {
    TSwatchMenu menu;
    menu.AddSwatch(1, Qt::red, Qt::white);
    QAction* second = menu.AddSwatch(2, Qt::blue, Qt::cyan);
    const QRect first = menu.actionGeometry(menu.actions().first());
    QCOMPARE(first.size(), QSize(TSwatchMenu::ItemWidth, TSwatchMenu::ItemHeight));
    QCOMPARE(menu.actionGeometry(second).top(), first.bottom() + 1);
}

void TestSwatchMenu::entryCarriesItsValueAndSwatches() {
    TSwatchMenu menu;
    QAction* entry = menu.AddSwatch(12615680, QColor(0, 128, 192), QColor(65, 193, 255));
    QCOMPARE(entry->data().toInt(), 12615680);
    QCOMPARE(entry->text(), QString());
    QCOMPARE(menu.Swatches(entry), std::make_pair(QColor(0, 128, 192), QColor(65, 193, 255)));
}

void TestSwatchMenu::pickingAnEntryReportsItsValue() {
    TSwatchMenu menu;
    menu.AddSwatch(7, Qt::red, Qt::white);
    QAction* picked = menu.AddSwatch(9, Qt::blue, Qt::cyan);
    QSignalSpy chosen(&menu, &TSwatchMenu::SwatchChosen);
    picked->trigger();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first().first().toInt(), 9);
}

void TestSwatchMenu::actionOfAnotherMenuHasNoSwatches() {
    TSwatchMenu menu;
    QAction stranger(QStringLiteral("other"));
    QCOMPARE(menu.Swatches(&stranger), std::make_pair(QColor(Qt::black), QColor(Qt::black)));
}

void TestSwatchMenu::nextChosenFileIsAnsweredWithoutADialog() {
    FileChooser::SetNextChosenFileForTest(QStringLiteral("/tmp/bell.wav"));
    QCOMPARE(FileChooser::ChooseOpenFile(nullptr, {}, {}, {}), QStringLiteral("/tmp/bell.wav"));
    FileChooser::SetNextChosenFileForTest({});
    QCOMPARE(FileChooser::ChooseOpenFile(nullptr, {}, {}, {}), QString());
}

QTEST_MAIN(TestSwatchMenu)
#include "tst_swatchmenu.moc"
