// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSetAlarm.h"

#include "EKButton.h"
#include "frmMessage.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untAlarmDB.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untErrorBoundary.h"
#include "untNoteAnimation.h"
#include "untNoteDB.h"
#include "untParam.h"
#include "untReminderTime.h"
#include "untSkinImage.h"
#include "untStayOnTop.h"
#include "untWindowDrag.h"
#include "untWindowShape.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTimeEdit>

namespace {

constexpr int CornerDiameter = 9;
constexpr int TitleHeight = 28;
const QColor StatusOutline(9, 171, 193);

// The snooze units in the order of cbxSnoozefor.
enum SnoozeUnit { SnoozeMinutes = 0, SnoozeHours = 1, SnoozeDays = 2 };

QDateTime AfterSnooze(const QDateTime& from, int amount, int unit) {
    switch (unit) {
    case SnoozeHours:
        return from.addSecs(qint64{amount} * 3600);
    case SnoozeDays:
        return from.addDays(amount);
    default:
        return from.addSecs(qint64{amount} * 60);
    }
}

// The time picker's time of day as the stored value takes it: whole minutes.
QTime WholeMinute(const QTime& time) {
    return QTime(time.hour(), time.minute(), 0, time.msec());
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QLineEdit* NewNumberField(QWidget* parent, const char* name, const QRect& geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    field->setMaxLength(6);
    return field;
}

QComboBox* NewChoice(QWidget* parent, const char* name, const QStringList& items,
                     const QRect& geometry) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QString::fromLatin1(name));
    choice->addItems(items);
    choice->setGeometry(geometry);
    return choice;
}

QGroupBox* NewGroup(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* group = new QGroupBox(caption, parent);
    group->setGeometry(geometry);
    return group;
}

} // namespace

TfmSetAlarm::TfmSetAlarm(TfmMessage& message, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), FMessage(message) {
    setObjectName(QStringLiteral("fmSetAlarm"));
    setWindowTitle(QStringLiteral("Set Reminder"));
    setFixedSize(FormWidth, FormHeight);
    setMask(RoundedRegion(size(), CornerDiameter));
    // Opening beside the note leaves the note active; a click into the panel activates it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    CreateControls();
    FFocusChanged = connect(qApp, &QApplication::focusChanged, this,
                            [this](QWidget*, QWidget* now) { NoteActivated(now); });
}

TfmSetAlarm::~TfmSetAlarm() {
    disconnect(FFocusChanged);
}

void TfmSetAlarm::CreateControls() {
    auto* imgBG = new TSkinImage(this);
    imgBG->setObjectName(QStringLiteral("imgBG"));
    imgBG->setGeometry(rect());
    imgBG->LoadPicture(QStringLiteral("setalarm_bg"));

    auto* imgTitle = new TSkinImage(this);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, 0, FormWidth, TitleHeight);
    new WindowDragHelper(imgTitle, this);

    // The close button shows its picture only under the mouse; at rest the background shows.
    FImgClose = TEKButton::CreateDialogButton(this, QStringLiteral("imgClose"), {383, 0, 46, 18},
                                              {}, QStringLiteral("close_left"));
    FImgOK = TEKButton::CreateDialogButton(this, QStringLiteral("imgOK"), {325, 239, 88, 24},
                                           QStringLiteral("ok"), QStringLiteral("ok_"));
    connect(FImgClose, &TEKButton::OnClick, this, &TfmSetAlarm::CloseAndSave);
    connect(FImgOK, &TEKButton::OnClick, this, &TfmSetAlarm::CloseAndSave);

    CreateStatusGroup();
    CreateDateTimeGroup();
    CreateRepeatGroup();
}

void TfmSetAlarm::CreateStatusGroup() {
    QGroupBox* group = NewGroup(this, QStringLiteral("Reminder Status"), {12, 36, 416, 88});
    FSheStatus = new QFrame(group);
    FSheStatus->setObjectName(QStringLiteral("sheStatus"));
    FSheStatus->setGeometry(10, 20, 72, 61);
    FSheStatus->setStyleSheet(QStringLiteral("QFrame#sheStatus { background: white; border: 1px "
                                             "solid %1; }")
                                  .arg(StatusOutline.name()));
    FImgStatus = new TSkinImage(FSheStatus);
    FImgStatus->setObjectName(QStringLiteral("imgStatus"));
    FImgStatus->setGeometry(12, 6, 48, 48);

    FCkbxSetAlarm =
        NewCheckBox(group, "ckbxSetAlarm", QStringLiteral("Reminder"), {96, 22, 120, 20});
    FImgSnoozefor =
        TEKButton::CreateDialogButton(group, QStringLiteral("imgSnoozefor"), {96, 52, 88, 24},
                                      QStringLiteral("Snoozefor"), QStringLiteral("Snoozefor_"));
    FEdtSnoozefor = NewNumberField(group, "edtSnoozefor", {190, 53, 40, 22});
    FCbxSnoozefor =
        NewChoice(group, "cbxSnoozefor",
                  {QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days")},
                  {236, 53, 80, 22});
    FImgClearAlarm =
        TEKButton::CreateDialogButton(group, QStringLiteral("imgClearAlarm"), {322, 52, 88, 24},
                                      QStringLiteral("ClearAlarm"), QStringLiteral("ClearAlarm_"));
    connect(FCkbxSetAlarm, &QCheckBox::toggled, this, &TfmSetAlarm::ckbxSetAlarmClick);
    connect(FImgSnoozefor, &TEKButton::OnClick, this,
            [this] { RunGuarded([this] { imgSnoozeforClick(); }); });
    connect(FImgClearAlarm, &TEKButton::OnClick, this,
            [this] { RunGuarded([this] { imgClearAlarmClick(); }); });
}

void TfmSetAlarm::CreateDateTimeGroup() {
    QGroupBox* group = NewGroup(this, QStringLiteral("Set DateTime"), {12, 132, 196, 96});
    FDtpkDate = new QDateEdit(group);
    FDtpkDate->setObjectName(QStringLiteral("dtpkDate"));
    FDtpkDate->setGeometry(12, 26, 172, 22);
    FDtpkDate->setCalendarPopup(true);
    FDtpkDate->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    FDtpkTime = new QTimeEdit(group);
    FDtpkTime->setObjectName(QStringLiteral("dtpkTime"));
    FDtpkTime->setGeometry(12, 58, 172, 22);
    FDtpkTime->setDisplayFormat(QLocale().timeFormat(QLocale::ShortFormat));
    connect(FDtpkDate, &QDateEdit::dateChanged, this, &TfmSetAlarm::dtpkDateChange);
    connect(FDtpkTime, &QTimeEdit::timeChanged, this, &TfmSetAlarm::dtpkTimeChange);
}

void TfmSetAlarm::CreateRepeatGroup() {
    QGroupBox* group = NewGroup(this, QStringLiteral("Repeat Every"), {220, 132, 208, 96});
    FCkbxRepeat =
        NewCheckBox(group, "ckbxRepeat", QStringLiteral("Repeat Every"), {12, 26, 180, 20});
    FEdtNumber = NewNumberField(group, "edtNumber", {12, 58, 48, 22});
    FCbxRepeat =
        NewChoice(group, "cbxRepeat",
                  {QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days"),
                   QStringLiteral("Weeks"), QStringLiteral("Months"), QStringLiteral("Years"),
                   QStringLiteral("Monday through Friday")},
                  {66, 58, 130, 22});
    connect(FCkbxRepeat, &QCheckBox::toggled, this, &TfmSetAlarm::ckbxRepeatClick);
    connect(FEdtNumber, &QLineEdit::textEdited, this, [this] { FModified = true; });
    connect(FCbxRepeat, &QComboBox::activated, this, [this] { FModified = true; });
}

TfmNote* TfmSetAlarm::Note() const {
    return FNote;
}

void TfmSetAlarm::ToggleFor(TfmNote* note) {
    if (!note)
        return;
    if (isVisible() && FNote == note) {
        Discard();
        return;
    }
    OpenFor(note);
}

void TfmSetAlarm::OpenFor(TfmNote* note) {
    Follow(note);
    // A memoboard note's panel stays above the memoboard window.
    SetStaysOnTop(*this, note->InMemoboard());
    FormShow();
}

void TfmSetAlarm::Follow(TfmNote* note) {
    Forget();
    FNote = note;
    FNote->installEventFilter(this);
}

void TfmSetAlarm::Forget() {
    if (FNote)
        FNote->removeEventFilter(this);
    FNote = nullptr;
}

void TfmSetAlarm::FormShow() {
    const QString snooze = ReadSetting(SysConfig::Snoozefor);
    FEdtNumber->setText(FNote->RepeatCount() != 0 ? QString::number(FNote->RepeatCount()) : snooze);
    FCkbxSetAlarm->setEnabled(false);
    SetRepeatControlsEnabled(false);
    FCkbxRepeat->setChecked(false);
    FEdtSnoozefor->setText(snooze);
    FCbxSnoozefor->setCurrentIndex(SnoozeMinutes);
    FCbxRepeat->setCurrentIndex(int(RepeatUnit::Minutes) - 1);
    if (FNote->HasReminder()) {
        FCkbxSetAlarm->setEnabled(true);
        FCkbxSetAlarm->setChecked(true);
        SetSnoozeControlsVisible(Clock::Now() >= FNote->ReminderTime());
        SetDue(FNote->ReminderTime());
    } else {
        FCkbxSetAlarm->setChecked(false);
        FCkbxSetAlarm->setEnabled(false);
        SetSnoozeControlsVisible(false);
        SetDue(Clock::Now());
    }
    if (NoteRepeats()) {
        SetRepeatControlsEnabled(true);
        FCkbxRepeat->setChecked(true);
        FCbxRepeat->setCurrentIndex(FNote->RepeatUnit() - 1);
    }
    PlaceBesideNote();
    SlideIn();
    FModified = false;
    UpdateStatus();
}

void TfmSetAlarm::PlaceBesideNote() {
    const QRect note(FNote->mapToGlobal(QPoint(0, 0)), FNote->size());
    const QScreen* screen = QGuiApplication::screenAt(note.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenRight = screen ? screen->geometry().x() + screen->geometry().width() : 0;
    FPlacedRight = screenRight >= note.x() + note.width() + FormWidth;
    move(FPlacedRight ? note.x() + note.width() + NoteGap : note.x() - FormWidth - NoteGap,
         note.y());
}

void TfmSetAlarm::SlideIn() {
    setMask(RoundedRegion(size(), CornerDiameter));
    show();
    raise();
    AnimateNoteShow(*this, FPlacedRight ? NoteAnimation::SlideRight : NoteAnimation::SlideLeft);
}

void TfmSetAlarm::SlideOut() {
    Forget();
    if (FSliding)
        return;
    FSliding = true;
    AnimateNoteHide(*this, FPlacedRight ? NoteAnimation::SlideRight : NoteAnimation::SlideLeft,
                    [this] {
                        FSliding = false;
                        // Opened again for another note while sliding out: it stays.
                        if (!FNote)
                            hide();
                    });
}

void TfmSetAlarm::Discard() {
    FModified = false;
    // The activation goes back to the note, whose own deactivation then runs as usual.
    if (isActiveWindow() && FNote && FNote->isVisible())
        FNote->activateWindow();
    if (isVisible())
        SlideOut();
    else
        Forget();
}

void TfmSetAlarm::CloseAndSave() {
    if (FModified && FNote) {
        int count = 0;
        if (FCkbxRepeat->isChecked()) {
            const std::optional<int> amount =
                ReadAmount(FEdtNumber, QStringLiteral("The repeat count"));
            if (!amount)
                return;
            count = *amount;
        }
        bool saved = false;
        RunGuarded([this, count, &saved] {
            Save(count);
            saved = true;
        });
        if (!saved)
            return;
    }
    Discard();
}

std::optional<int> TfmSetAlarm::ReadAmount(QLineEdit* field, const QString& what) {
    bool isNumber = false;
    const int amount = field->text().trimmed().toInt(&isNumber);
    if (isNumber && amount > 0)
        return amount;
    FMessage.SetTitle(QStringLiteral("Set Reminder"));
    FMessage.SetMessage(QStringLiteral("%1 must be a whole number greater than 0.").arg(what));
    FMessage.SetShowCancel(false);
    FMessage.SetLineCount(1);
    FMessage.exec();
    field->setFocus();
    field->selectAll();
    return std::nullopt;
}

int TfmSetAlarm::SelectedRepeatUnit() const {
    return FCbxRepeat->currentIndex() + 1;
}

// A window keeps its last repeat fields when its reminder is removed; only a live reminder
// repeats.
bool TfmSetAlarm::NoteRepeats() const {
    return FNote && FNote->HasReminder() && FNote->RepeatUnit() != int(RepeatUnit::None);
}

// A new reminder gets its due time and repeat first and only then the flag, so a failed write
// never leaves a note marked as having a reminder without a due time.
void TfmSetAlarm::Save(int repeatCount) {
    const int count = FCkbxRepeat->isChecked() ? repeatCount : 0;
    const int unit = FCkbxRepeat->isChecked() ? SelectedRepeatUnit() : int(RepeatUnit::None);
    const int id = FNote->NoteId();
    const QString dueText = DateTimeText::FromDateTime(FDue);
    if (FNote->HasReminder()) {
        if (FCkbxSetAlarm->isChecked())
            Alarm::SetReminderTime(id, dueText);
        else
            NoteDB::SetReminderFlag(id, false);
        Alarm::SetRepeat(id, count, unit);
    } else if (FCkbxSetAlarm->isChecked()) {
        if (Alarm::SetReminder(id, dueText, count, unit))
            NoteDB::SetReminderFlag(id, true);
    }
    TfmUntil::Instance().ReloadNote(*FNote);
    emit ReminderSaved(FNote);
    FNote->UpdateReminderIcon();
    TfmUntil::Instance().ReloadDueList();
}

void TfmSetAlarm::SetDue(const QDateTime& due) {
    FDue = due;
    const QSignalBlocker blockDate(FDtpkDate);
    const QSignalBlocker blockTime(FDtpkTime);
    FDtpkDate->setDate(due.date());
    FDtpkTime->setTime(due.time());
}

void TfmSetAlarm::SetSnoozeControlsVisible(bool visible) {
    for (QWidget* control :
         {static_cast<QWidget*>(FImgSnoozefor), static_cast<QWidget*>(FImgClearAlarm),
          static_cast<QWidget*>(FEdtSnoozefor), static_cast<QWidget*>(FCbxSnoozefor)})
        control->setVisible(visible);
}

void TfmSetAlarm::SetRepeatControlsEnabled(bool enabled) {
    FEdtNumber->setEnabled(enabled);
    FCbxRepeat->setEnabled(enabled);
}

void TfmSetAlarm::UpdateStatus() {
    QString picture = QStringLiteral("sa_status_none");
    if (FCkbxSetAlarm->isChecked())
        picture = Clock::Now() >= FDue ? QStringLiteral("sa_status_due")
                                       : QStringLiteral("sa_status_pending");
    FImgStatus->LoadPicture(picture);
}

void TfmSetAlarm::dtpkDateChange() {
    FDue.setDate(FDtpkDate->date());
    FCkbxSetAlarm->setChecked(true);
    FModified = true;
    UpdateStatus();
}

void TfmSetAlarm::dtpkTimeChange() {
    const QTime time = WholeMinute(FDtpkTime->time());
    FDue.setTime(time);
    {
        const QSignalBlocker block(FDtpkTime);
        FDtpkTime->setTime(time);
    }
    FCkbxSetAlarm->setChecked(true);
    FModified = true;
    UpdateStatus();
}

void TfmSetAlarm::ckbxRepeatClick(bool checked) {
    if (!FNote)
        return;
    if (checked) {
        if (!NoteRepeats()) {
            FCkbxSetAlarm->setEnabled(true);
            FCkbxSetAlarm->setChecked(true);
        }
        SetRepeatControlsEnabled(true);
        FModified = true;
    } else {
        if (!NoteRepeats() && !FNote->HasReminder()) {
            // Back where the panel opened: a note without a reminder, nothing to write.
            FCkbxSetAlarm->setChecked(false);
            FCkbxSetAlarm->setEnabled(false);
            FModified = false;
        } else {
            FModified = true;
        }
        SetRepeatControlsEnabled(false);
    }
    UpdateStatus();
}

void TfmSetAlarm::ckbxSetAlarmClick(bool checked) {
    if (NoteRepeats() && !checked) {
        FCkbxRepeat->setChecked(false);
        SetRepeatControlsEnabled(false);
    }
    FModified = true;
    SetSnoozeControlsVisible(false);
    UpdateStatus();
}

void TfmSetAlarm::imgSnoozeforClick() {
    const std::optional<int> amount =
        ReadAmount(FEdtSnoozefor, QStringLiteral("The snooze amount"));
    if (!amount)
        return;
    SetDue(AfterSnooze(Clock::Now(), *amount, FCbxSnoozefor->currentIndex()));
    SetSnoozeControlsVisible(false);
    FModified = true;
    UpdateStatus();
}

void TfmSetAlarm::imgClearAlarmClick() {
    if (NoteRepeats()) {
        const std::optional<int> count = ReadAmount(FEdtNumber, QStringLiteral("The repeat count"));
        if (!count)
            return;
        if (const std::optional<QDateTime> next =
                NextOccurrence(*count, SelectedRepeatUnit(), Clock::Now()))
            SetDue(*next);
    } else {
        FCkbxSetAlarm->setChecked(false);
        FCkbxSetAlarm->setEnabled(false);
    }
    SetSnoozeControlsVisible(false);
    FModified = true;
    UpdateStatus();
}

void TfmSetAlarm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The note counts as active while its panel is: it neither fades nor saves meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && FNote)
        FNote->HoldActive();
}

bool TfmSetAlarm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FNote) {
        switch (event->type()) {
        case QEvent::Move:
            if (isVisible() && !FSliding)
                PlaceBesideNote();
            break;
        case QEvent::Hide:
        case QEvent::Close:
            Discard();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmSetAlarm::NoteActivated(QWidget* now) {
    auto* note = now ? qobject_cast<TfmNote*>(now->window()) : nullptr;
    if (note && FNote && note != FNote && isVisible())
        Discard();
}

void TfmSetAlarm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CloseAndSave();
        return;
    case Qt::Key_Escape:
        Discard();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
