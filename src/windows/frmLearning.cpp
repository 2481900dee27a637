// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmLearning.h"

#include "EKButton.h"
#include "untClock.h"
#include "untErrorBoundary.h"
#include "untParam.h"
#include "untPicShow.h"
#include "untStayOnTop.h"

#include <QCheckBox>
#include <QImage>
#include <QTimer>

// The resource initialiser must be called from the global namespace, and it must be called at
// all: the linker drops an unreferenced resource object from a static library.
static void InitWelcomeResources() {
    Q_INIT_RESOURCE(welcome);
}

namespace {
constexpr QSize FormSize(380, 308);
} // namespace

TfmLearning::TfmLearning(QWidget* parent)
    : TSkinnedDialog(QStringLiteral("fmLearning"), FormSize, QStringLiteral("learning_bg"), parent),
      FPicShow(new TPicShow(this)), FCbxShow(new QCheckBox(this)), FTimer(new QTimer(this)) {
    InitWelcomeResources();
    setWindowTitle(QStringLiteral("Welcome - Velmar Notes"));
    SetStaysOnTop(*this, true);

    TEKButton* close = CreateCloseButton(323);
    close->setObjectName(QStringLiteral("edbtnClose"));
    connect(close, &TEKButton::OnClick, this, &TfmLearning::reject);

    FPicShow->setObjectName(QStringLiteral("PicShow"));
    FPicShow->setGeometry(12, 34, 356, 228);

    // The check box's own text is the label: a click on it toggles the box.
    FCbxShow->setObjectName(QStringLiteral("cbxShow"));
    FCbxShow->setText(QStringLiteral("Show this dialog at startup"));
    FCbxShow->setGeometry(14, 276, 220, 20);
    FCbxShow->setChecked(true);

    TEKButton* ok = CreateButton(QStringLiteral("ekbtnOK"), {270, 271, 88, 24},
                                 QStringLiteral("closebtn"), QStringLiteral("closebtn_"));
    connect(ok, &TEKButton::OnClick, this, &TfmLearning::accept);

    FTimer->setObjectName(QStringLiteral("Timer"));
    connect(FTimer, &QTimer::timeout, this, &TfmLearning::TimerTimer);
}

const QStringList& TfmLearning::SlideNames() {
    static const QStringList names = {
        QStringLiteral("wl_cratenotes"), QStringLiteral("wl_note_area"),
        QStringLiteral("wl_toolbar1"),   QStringLiteral("wl_boolbar2"),
        QStringLiteral("wl_openmenu"),   QStringLiteral("wl_menu"),
    };
    return names;
}

void TfmLearning::showEvent(QShowEvent* event) {
    FNextIndex = 0;
    FShownSlide.clear();
    FCbxShow->setChecked(ReadSetting(SysConfig::IsShowWelcome));
    // The first slide at once, the others every five seconds.
    FTimer->start(1);
    TSkinnedDialog::showEvent(event);
}

void TfmLearning::TimerTimer() {
    FTimer->setInterval(SlideIntervalMs);
    const QStringList& slides = SlideNames();
    if (FNextIndex >= slides.size())
        FNextIndex = 0;
    FShownSlide = slides[FNextIndex++];
    FPicShow->SetPicture(QImage(QStringLiteral(":/welcome/%1.jpg").arg(FShownSlide)));
    FPicShow->SetStyle(1 + RandomSource::Next(TPicShow::StyleCount));
    FPicShow->Execute();
}

void TfmLearning::done(int result) {
    FTimer->stop();
    // A failed write is shown by the error handler; the window closes all the same.
    RunGuarded([this] {
        WriteBoolSetting(QString::fromLatin1(SysConfig::IsShowWelcome.key), FCbxShow->isChecked());
    });
    TSkinnedDialog::done(result);
}
