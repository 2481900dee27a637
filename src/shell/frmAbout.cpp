// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "untAppIcon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}
} // namespace

QString TfmAbout::VersionText() {
    return QStringLiteral("Version " VELMAR_VERSION);
}

QString TfmAbout::LicenceText() {
    return QStringLiteral("Free software under the GNU General Public License, version 3 or later\n"
                          "(GPL-3.0-or-later), with no warranty.");
}

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(QStringLiteral("About Velmar Notes"));

    auto* icon = NamedLabel("imgIcon", {}, this);
    icon->setPixmap(AppIcon().pixmap(64, 64));
    auto* name = NamedLabel("lblName", QStringLiteral("Velmar Notes"), this);
    QFont bigger = name->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.5);
    bigger.setBold(true);
    name->setFont(bigger);
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(NamedLabel("lblVersion", VersionText(), this));
    text->addWidget(NamedLabel(
        "lblDescription", QStringLiteral("Sticky notes, memoboards and reminders on your desktop."),
        this));
    text->addWidget(NamedLabel("lblLicence", LicenceText(), this));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("btnOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
