// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include <QLabel>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void showsNameVersionAndLicence();
};

void TestAbout::showsNameVersionAndLicence() {
    TfmAbout about;
    const auto text = [&about](const char* name) {
        const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    };
    QCOMPARE(text("lblName"), QStringLiteral("Velmar Notes"));
    QCOMPARE(text("lblVersion"), QStringLiteral("Version " VELMAR_EXPECTED_VERSION));
    QCOMPARE(
        text("lblLicence"),
        QStringLiteral("Free software under the GNU General Public License, version 3 or later\n"
                       "(GPL-3.0-or-later), with no warranty."));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Velmar Notes"));
    const auto* icon = about.findChild<QLabel*>(QStringLiteral("imgIcon"));
    QVERIFY(icon);
    QCOMPARE(icon->pixmap().size(), QSize(64, 64));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
