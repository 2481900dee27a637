// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAlarmList.h"

#include "EKButton.h"
#include "frmNote.h"
#include "frmUntil.h"
#include "untAlarmDB.h"
#include "untClock.h"
#include "untDB.h"
#include "untDateTime.h"
#include "untNoteDB.h"
#include "untNoteListModel.h"
#include "untParam.h"
#include "untReminderTime.h"
#include "untSkin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>

namespace {

const TListWindowLayout Layout{"fmAlarmList",
                               QStringLiteral("Reminder List"),
                               QSize(488, 433),
                               QStringLiteral("alarmlist_bg"),
                               TfmAlarmList::HelpTopic,
                               416,
                               449};

// The cell texts of the icon column.
const QString DueCell = QStringLiteral("1");
const QString PendingCell = QStringLiteral("0");

enum Column { IconColumn = 0, DateColumn = 1, TimeColumn = 2, TextColumn = 3 };

// Draws the icon column: the due or the pending picture by the cell's text.
class TReminderIconDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background(option);
        initStyleOption(&background, index);
        const QString cell = background.text;
        background.text.clear();
        const QWidget* view = option.widget;
        view->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);
        if (cell != DueCell && cell != PendingCell)
            return;
        const QPixmap& icon = SkinPixmap(cell == DueCell ? QStringLiteral("n_alarm_timeto")
                                                         : QStringLiteral("n_alarm"));
        const QSize size =
            icon.deviceIndependentSize().toSize().scaled(option.rect.size(), Qt::KeepAspectRatio);
        QRect place({}, size);
        place.moveCenter(option.rect.center());
        painter->drawPixmap(place, icon);
    }
};

QString DueCellOf(const QDateTime& dueTime) {
    return Clock::Now() >= dueTime ? DueCell : PendingCell;
}

QDateTime MomentOf(const QString& text) {
    return DateTimeText::FromNumber(DateTimeText::ParseNumber(text).value_or(0));
}

} // namespace

TfmAlarmList::TfmAlarmList(TfmMessage& message) : TListWindow(Layout, message) {
    CreateGrid(this, {17, 91, 452, 163}, {23, 80, 80, 300});
    Grid()->setItemDelegateForColumn(IconColumn, new TReminderIconDelegate(Grid()));
    CreateReminderControls();
    CreatePreviewMarker(this, {240, 358});
}

void TfmAlarmList::CreateReminderControls() {
    const auto label = [this](const char* name, const QString& text, const QRect& geometry) {
        auto* created = new QLabel(text, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setGeometry(geometry);
        return created;
    };
    FLblMessage = label("lblMessage", QStringLiteral("Reminder time:"), {24, 264, 90, 16});
    FLblAlarmTime = label("lblAlarmTime", {}, {118, 264, 200, 16});
    FLblNextRepeatCap =
        label("lblNextRepeatCap", QStringLiteral("Next Repeat:"), {24, 284, 90, 16});
    FLblNextRepeat = label("lblNextRepeat", {}, {118, 284, 200, 16});

    FImgSnoozefor =
        CreateButton(this, "imgSnoozefor", {24, 316, 88, 24}, QStringLiteral("Snoozefor"));
    connect(FImgSnoozefor, &TEKButton::OnClick, this,
            [this] { Guarded([this] { imgSnoozeforClick(); }); });
    FEdtSnoozefor = new QLineEdit(QStringLiteral("1"), this);
    FEdtSnoozefor->setObjectName(QStringLiteral("edtSnoozefor"));
    FEdtSnoozefor->setGeometry(118, 318, 44, 20);
    FCbxSnoozefor = new QComboBox(this);
    FCbxSnoozefor->setObjectName(QStringLiteral("cbxSnoozefor"));
    FCbxSnoozefor->addItems(
        {QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days")});
    FCbxSnoozefor->setGeometry(168, 318, 80, 20);

    connect(CreateButton(this, "imgClearAlarm", {24, 358, 88, 24}, QStringLiteral("ClearAlarm")),
            &TEKButton::OnClick, this, [this] { Guarded([this] { imgClearAlarmClick(); }); });
    connect(CreateButton(this, "imgTrashAlarm", {118, 358, 88, 24}, QStringLiteral("TrashAlarm")),
            &TEKButton::OnClick, this, [this] { Guarded([this] { imgTrashAlarmClick(); }); });
    connect(CreateButton(this, "imgToNote", {24, 389, 88, 24}, QStringLiteral("gotonote")),
            &TEKButton::OnClick, this, &TListWindow::GoToSelectedNote);
}

void TfmAlarmList::FormShow() {
    ClearSelectionDetails();
    FEdtSnoozefor->setText(ReadSetting(SysConfig::Snoozefor));
}

void TfmAlarmList::ClearSelectionDetails() {
    FLblAlarmTime->clear();
    FLblNextRepeat->clear();
    FLblMessage->hide();
    FLblNextRepeatCap->hide();
    FLblNextRepeat->hide();
    ShowSnoozeControls(false);
}

void TfmAlarmList::ShowSnoozeControls(bool show) {
    FImgSnoozefor->setVisible(show);
    FEdtSnoozefor->setVisible(show);
    FCbxSnoozefor->setVisible(show);
}

int TfmAlarmList::Fill() {
    Dataset reminders;
    Alarm::ListReminders(reminders);
    QList<TReminderRow> listed;
    QList<TNoteListRow> rows;
    listed.reserve(reminders.RecordCount());
    rows.reserve(reminders.RecordCount());
    for (const Dataset::Row note : reminders) {
        const auto integer = [&note](const char* name) {
            return static_cast<int>(note.FieldByName(QString::fromLatin1(name)).AsInteger());
        };
        const TReminderRow reminder{integer("Id"), integer("ParentId"),
                                    MomentOf(note.FieldByName(QStringLiteral("NTime")).AsString()),
                                    integer("TimeOut"), integer("TimeOutType")};
        listed.append(reminder);
        rows.append({reminder.NoteId,
                     reminder.ParentId,
                     {DueCellOf(reminder.DueTime), DateTimeText::DisplayDate(reminder.DueTime),
                      DateTimeText::DisplayTime(reminder.DueTime),
                      NoteListText(note.FieldByName(QStringLiteral("Content")).AsString())},
                     {}});
    }
    FReminders = std::move(listed);
    Model().SetRows(std::move(rows));
    return Model().NoteCount();
}

TfmAlarmList::TReminderRow* TfmAlarmList::SelectedReminder() {
    const int row = SelectedRow();
    return SelectedNote() && row < FReminders.size() ? &FReminders[row] : nullptr;
}

void TfmAlarmList::NoteSelected(const TNoteListRow& row) {
    const TReminderRow* reminder = SelectedReminder();
    if (!reminder)
        return;
    HidePreview();
    FLblMessage->show();
    ShowSnoozeControls(row.Cells.value(IconColumn) != PendingCell);
    FLblAlarmTime->setText(DateTimeText::ForDisplay(reminder->DueTime));
    const std::optional<QDateTime> next =
        NextOccurrence(reminder->RepeatCount, reminder->RepeatUnit, Clock::Now());
    FLblNextRepeatCap->setVisible(reminder->RepeatUnit != 0);
    FLblNextRepeat->setVisible(reminder->RepeatUnit != 0);
    FLblNextRepeat->setText(next ? DateTimeText::ForDisplay(*next) : QString());
    if (const std::optional<NoteRecord> record = NoteDB::ReadNote(row.NoteId))
        ShowPreview(*record);
}

std::optional<int> TfmAlarmList::SnoozeAmount() const {
    bool isNumber = false;
    const int amount = FEdtSnoozefor->text().trimmed().toInt(&isNumber);
    if (!isNumber || amount <= 0)
        return std::nullopt;
    return amount;
}

void TfmAlarmList::imgSnoozeforClick() {
    if (!SelectedReminder())
        return;
    const std::optional<int> amount = SnoozeAmount();
    if (!amount) {
        Confirm(QStringLiteral("Velmar Notes"),
                QStringLiteral("The snooze time must be a whole number greater than 0."), false, 1);
        return;
    }
    const QDateTime now = Clock::Now();
    QDateTime dueTime;
    switch (FCbxSnoozefor->currentIndex()) {
    case 1:
        dueTime = now.addSecs(qint64(*amount) * 3600);
        break;
    case 2:
        dueTime = now.addDays(*amount);
        break;
    default:
        dueTime = now.addSecs(qint64(*amount) * 60);
        break;
    }
    MoveReminder(SelectedRow(), dueTime);
    ShowSnoozeControls(false);
    SyncNote(*SelectedReminder());
}

void TfmAlarmList::MoveReminder(int row, const QDateTime& dueTime) {
    TReminderRow& reminder = FReminders[row];
    Alarm::SetReminderTime(reminder.NoteId, DateTimeText::FromDateTime(dueTime));
    reminder.DueTime = dueTime;
    Model().SetCell(row, IconColumn, DueCellOf(dueTime));
    Model().SetCell(row, DateColumn, DateTimeText::DisplayDate(dueTime));
    Model().SetCell(row, TimeColumn, DateTimeText::DisplayTime(dueTime));
}

void TfmAlarmList::SyncNote(const TReminderRow& reminder) {
    if (TfmNote* preview = Preview(); preview && preview->NoteId() == reminder.NoteId) {
        TfmUntil::Instance().ReloadNote(*preview);
        preview->UpdateReminderIcon();
    }
    if (TfmNote* own = OwnWindow(reminder.NoteId, reminder.ParentId)) {
        TfmUntil::Instance().ReloadNote(*own);
        own->UpdateReminderIcon();
    }
    TfmUntil::Instance().ReloadDueList();
}

void TfmAlarmList::imgClearAlarmClick() {
    const TReminderRow* selected = SelectedReminder();
    if (!selected)
        return;
    const TReminderRow reminder = *selected;
    const int row = SelectedRow();
    const QDateTime now = Clock::Now();
    const std::optional<QDateTime> first =
        NextOccurrence(reminder.RepeatCount, reminder.RepeatUnit, now);
    if (first) {
        const std::optional<QDateTime> second =
            NextOccurrence(reminder.RepeatCount, reminder.RepeatUnit, *first);
        MoveReminder(row, *first);
        FLblAlarmTime->setText(DateTimeText::ForDisplay(*first));
        FLblNextRepeat->setText(second ? DateTimeText::ForDisplay(*second) : QString());
        SyncNote(FReminders[row]);
        Fill();
        SelectRowQuietly(row);
        return;
    }
    NoteDB::SetReminderFlag(reminder.NoteId, false);
    if (TfmNote* own = OwnWindow(reminder.NoteId, reminder.ParentId)) {
        TfmUntil::Instance().ReloadNote(*own);
        own->UpdateReminderIcon();
    }
    HidePreview();
    TfmUntil::Instance().ReloadDueList();
    Fill();
    ClearSelectionDetails();
}

void TfmAlarmList::imgTrashAlarmClick() {
    const TReminderRow* selected = SelectedReminder();
    if (!selected)
        return;
    const TReminderRow reminder = *selected;
    TfmNote* own = OwnWindow(reminder.NoteId, reminder.ParentId);
    // A desktop note without a window is not touched.
    if (!own && reminder.ParentId == 0)
        return;
    NoteDB::SetState(reminder.NoteId, NoteState::Trashed);
    HidePreview();
    if (own && own->State() != NoteState::Trashed) {
        own->SetState(NoteState::Trashed);
        own->close();
    }
    TfmUntil::Instance().ReloadDueList();
    Fill();
    ClearSelectionDetails();
}
