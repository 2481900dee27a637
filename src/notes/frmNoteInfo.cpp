// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmNoteInfo.h"

#include "EKButton.h"
#include "frmNote.h"
#include "untDB.h"
#include "untDateTime.h"
#include "untNoteDB.h"
#include "untSkinImage.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcNoteInfo, "velmar.notes.info")

namespace {

constexpr QSize FormSize(299, 143);
constexpr int CornerDiameter = 9;

// A stored date-time number as the locale writes a date and time by default; empty when the
// text is no number.
QString DisplayTime(const QString& stored) {
    const std::optional<QDateTime> moment = DateTimeText::ToDateTime(stored);
    return moment ? QLocale().toString(*moment, QLocale::ShortFormat) : QString();
}

} // namespace

// It stays on top: it is modal, and a note that stays on top must not hide it from the user.
TfmNoteInfo::TfmNoteInfo(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("fmNoteInfo"));
    setWindowTitle(QStringLiteral("Note Info"));
    setFixedSize(FormSize);
    setMask(RoundedRegion(FormSize, CornerDiameter));

    auto* image1 = new TSkinImage(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(rect());
    image1->LoadPicture(QStringLiteral("noteinfo_bg"));

    auto* imgTitle = new TSkinImage(this);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, 1, 403, 27);
    new WindowDragHelper(imgTitle, this);

    CreateLabel(QStringLiteral("Label1"), {43, 57}, QStringLiteral("Create Time:"));
    CreateLabel(QStringLiteral("Label2"), {41, 78}, QStringLiteral("Modifty Time:"));
    FLblctime = CreateLabel(QStringLiteral("lblctime"), {126, 57});
    FLblmtime = CreateLabel(QStringLiteral("lblmtime"), {126, 78});

    auto* ekbtnOK = new TEKButton(this);
    ekbtnOK->setObjectName(QStringLiteral("ekbtnOK"));
    ekbtnOK->SetBtnType(btEnter);
    ekbtnOK->SetPictures(QStringLiteral("ok"), QStringLiteral("ok_"), QStringLiteral("ok_"));
    ekbtnOK->setGeometry(188, 106, 88, 24);
    connect(ekbtnOK, &TEKButton::OnClick, this, &QDialog::accept);

    // Shows its picture only under the mouse; created last so that it lies over the title strip.
    auto* imgClose = new TEKButton(this);
    imgClose->setObjectName(QStringLiteral("imgClose"));
    imgClose->SetBtnType(btEnter);
    imgClose->SetPictures({}, QStringLiteral("close_left"), QStringLiteral("close_left"));
    imgClose->setGeometry(242, 0, 45, 19);
    connect(imgClose, &TEKButton::OnClick, this, &QDialog::reject);
}

QLabel* TfmNoteInfo::CreateLabel(const QString& name, const QPoint& place, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    label->setFont(verdana);
    label->move(place);
    label->adjustSize();
    return label;
}

void TfmNoteInfo::SetNote(int noteId, QWidget* note) {
    FNoteId = noteId;
    FNote = note;
}

void TfmNoteInfo::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfmNoteInfo::changeEvent(QEvent* event) {
    // Qt tells the window that gains the activation before the one that loses it: act once the
    // note has been told of its deactivation (and has started its deferred one).
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &TfmNoteInfo::FormActivate, Qt::QueuedConnection);
    QDialog::changeEvent(event);
}

// A text control keeps painting its selection while another window is active, so the note's
// selection stays visible without help; only the times are read here.
void TfmNoteInfo::FormShow() {
    Dataset times;
    try {
        NoteDB::GetNoteTimes(FNoteId, times);
    } catch (const DatabaseError& error) {
        // The window still opens, showing what it showed before.
        qCWarning(lcNoteInfo) << "note times of" << FNoteId << "unreadable:" << error.what();
        return;
    }
    if (times.IsEmpty())
        return;
    FLblctime->setText(DisplayTime(times.FieldByName(QStringLiteral("CreateTime")).AsString()));
    FLblmtime->setText(DisplayTime(times.FieldByName(QStringLiteral("ModifyTime")).AsString()));
    FLblctime->adjustSize();
    FLblmtime->adjustSize();
}

// The note has just lost the activation to this window: it counts as active, so that its
// deferred deactivation neither lightens nor saves it while its information is open.
void TfmNoteInfo::FormActivate() {
    if (auto* note = qobject_cast<TfmNote*>(FNote.data()))
        note->HoldActive();
}
