// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMessage.h"

#include "EKButton.h"
#include "untScreenPlace.h"
#include "untSkinImage.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <optional>

namespace {

constexpr QSize FormSize(403, 150);
constexpr int CornerDiameter = 9;
constexpr int OKLeft = 201;
constexpr int CancelLeft = 298;
constexpr int ButtonTop = 112;
constexpr int MessageLeft = 23;
constexpr int MessageWidth = 363;
constexpr int CheckTextWidth = 345;
const QColor CaptionColor(70, 98, 106);

struct TestAnswer {
    int result;
    bool ticked;
};
std::optional<TestAnswer> NextTestAnswer;

QFont TahomaPixels(int pixels) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

// lblMes's top: two lines start higher, and higher still above the check-box row.
int MessageTop(int lineCount, bool showCheckBox) {
    if (lineCount != 2)
        return 62;
    return showCheckBox ? 50 : 54;
}

} // namespace

TfmMessage::TfmMessage(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FImgBG(new TSkinImage(this)), FImgTitle(new TSkinImage(this)), FLblCaption(new QLabel(this)),
      FLblMes(new QLabel(this)), FCbx(new QCheckBox(this)), FLblCbx(new QLabel(this)),
      FEkbtnOK(CreateButton(QStringLiteral("ekbtnOK"), {OKLeft, ButtonTop, 88, 24},
                            QStringLiteral("ok"), QStringLiteral("ok_"))),
      FEkbtnCancel(CreateButton(QStringLiteral("ekbtnCancel"), {CancelLeft, ButtonTop, 88, 24},
                                QStringLiteral("Cancel"), QStringLiteral("Cancel_"))),
      FEkbtnClose(CreateButton(QStringLiteral("ekbtnClose"), {340, 0, 46, 18},
                               QStringLiteral("close_left_"), QStringLiteral("close_left"))),
      FBtnF(new QPushButton(this)) {
    setObjectName(QStringLiteral("fmMessage"));
    setFixedSize(FormSize);
    setMask(RoundedRegion(FormSize, CornerDiameter));

    FImgBG->setObjectName(QStringLiteral("imgBG"));
    FImgBG->setGeometry(rect());
    FImgBG->LoadPicture(QStringLiteral("msg_bg"));
    FImgBG->lower();

    FImgTitle->setObjectName(QStringLiteral("imgTitle"));
    FImgTitle->setGeometry(0, 1, FormSize.width(), 27);
    new WindowDragHelper(FImgTitle, this);

    FLblCaption->setObjectName(QStringLiteral("lblCaption"));
    FLblCaption->setFont(TahomaPixels(13));
    FLblCaption->move(40, 8);
    // The title lies on the drag strip: let presses on it reach the strip.
    FLblCaption->setAttribute(Qt::WA_TransparentForMouseEvents);

    FLblMes->setObjectName(QStringLiteral("lblMes"));
    FLblMes->setFont(TahomaPixels(12));
    FLblMes->setWordWrap(true);

    FCbx->setObjectName(QStringLiteral("cbx"));
    FCbx->move(23, 81);
    FCbx->resize(FCbx->sizeHint());
    FLblCbx->setObjectName(QStringLiteral("lblcbx"));
    FLblCbx->setFont(TahomaPixels(12));
    FLblCbx->setAutoFillBackground(true);
    QPalette white = FLblCbx->palette();
    white.setColor(QPalette::Window, Qt::white);
    FLblCbx->setPalette(white);
    FLblCbx->move(41, 82);
    FLblCbx->installEventFilter(this);
    connect(FCbx, &QCheckBox::clicked, FBtnF, [this] { FBtnF->setFocus(); });

    // An invisible button that holds the keyboard focus, so no key acts on the check box.
    FBtnF->setObjectName(QStringLiteral("btnF"));
    FBtnF->setGeometry(388, 36, 1, 0);
    FBtnF->setAutoDefault(false);

    connect(FEkbtnOK, &TEKButton::OnClick, this, &TfmMessage::ekbtnOKClick);
    connect(FEkbtnCancel, &TEKButton::OnClick, this, &TfmMessage::ekbtnCancelClick);
    connect(FEkbtnClose, &TEKButton::OnClick, this, &TfmMessage::ekbtnCancelClick);
}

TEKButton* TfmMessage::CreateButton(const QString& name, const QRect& geometry, const QString& pic,
                                    const QString& picHover) {
    return TEKButton::CreateDialogButton(this, name, geometry, pic, picHover);
}

int TfmMessage::exec() {
    if (NextTestAnswer) {
        const TestAnswer answer = *NextTestAnswer;
        NextTestAnswer.reset();
        FormShow();
        FCbx->setChecked(answer.ticked);
        FormHide();
        setResult(answer.result);
        return answer.result;
    }
    return QDialog::exec();
}

void TfmMessage::SetNextAnswerForTest(int result, bool checkBoxTicked) {
    NextTestAnswer = TestAnswer{result, checkBoxTicked};
}

void TfmMessage::reject() {
    done(ResultCancel);
}

void TfmMessage::showEvent(QShowEvent* event) {
    FormShow();
    CentreOnScreen(*this);
    QDialog::showEvent(event);
}

void TfmMessage::hideEvent(QHideEvent* event) {
    FormHide();
    QDialog::hideEvent(event);
}

void TfmMessage::FormShow() {
    FLblCaption->setText(FTitle);
    QPalette caption = FLblCaption->palette();
    caption.setColor(QPalette::WindowText, CaptionColor);
    FLblCaption->setPalette(caption);
    FLblCaption->adjustSize();

    FLblMes->setText(FMessage);
    const int top = MessageTop(FLineCount, FShowCheckBox);
    FLblMes->setGeometry(MessageLeft, top, MessageWidth, FLblMes->heightForWidth(MessageWidth));

    FLblCbx->resize(CheckTextWidth, FLblCbx->sizeHint().height());
    FCbx->setVisible(FShowCheckBox);
    FLblCbx->setVisible(FShowCheckBox);

    FEkbtnOK->move(FShowCancel ? OKLeft : CancelLeft, ButtonTop);
    FEkbtnCancel->setVisible(FShowCancel);
    FBtnF->setFocus();
}

void TfmMessage::FormHide() {
    FShowCheckBox = false;
}

bool TfmMessage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FLblCbx && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            FLblCbx->rect().contains(mouse->position().toPoint())) {
            FCbx->toggle();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmMessage::ekbtnOKClick() {
    done(ResultOK);
}

// Cancel and the close button answer alike.
void TfmMessage::ekbtnCancelClick() {
    done(ResultCancel);
}
