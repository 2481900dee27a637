// SPDX-License-Identifier: GPL-3.0-or-later
#include "untReminderScheduler.h"

#include "untAlarmDB.h"
#include "untClock.h"
#include "untDateTime.h"
#include "untDesktopNotifier.h"
#include "untDueEntry.h"
#include "untNoteDB.h"
#include "untParam.h"
#include "untSoundPlayer.h"
#include "untWorkstation.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <climits>

namespace {
Q_LOGGING_CATEGORY(lcScheduler, "velmar.reminders.scheduler")

constexpr int DefaultRepeatSeconds = 30;
constexpr qsizetype NotificationTitleLength = 80;

// RepeatTime holds seconds as text. Anything but a positive whole number would repeat without
// pause or not at all, so it counts as the default.
int RepeatIntervalMs() {
    const QString text = ReadSetting(SysConfig::RepeatTime);
    bool isNumber = false;
    const int seconds = text.trimmed().toInt(&isNumber);
    if (!isNumber || seconds <= 0) {
        qCWarning(lcScheduler) << "RepeatTime" << text << "is no number of seconds; repeating every"
                               << DefaultRepeatSeconds << "s";
        return DefaultRepeatSeconds * 1000;
    }
    return seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000;
}

// The note's first line with text, shortened for a notification's title.
QString NotificationTitle(int noteId) {
    std::optional<NoteRecord> note;
    try {
        note = NoteDB::ReadNote(noteId);
    } catch (const DatabaseError& error) {
        qCWarning(lcScheduler) << "note" << noteId
                               << "unreadable for its notification:" << error.what();
    }
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
    const QStringList lines = note ? note->content.split(lineBreak) : QStringList{};
    for (const QString& line : lines) {
        const QString title = line.simplified();
        if (!title.isEmpty())
            return title.size() > NotificationTitleLength
                       ? title.first(NotificationTitleLength - 1) + u'\u2026'
                       : title;
    }
    return QStringLiteral("Reminder");
}
} // namespace

TReminderScheduler::TReminderScheduler(TSoundPlayer& sound, TDesktopNotifier* notifier,
                                       QObject* parent)
    : QObject(parent), FSound(sound), FNotifier(notifier), FIsLocked(IsWorkstationLocked),
      FCheckTimer(this), FSoundTimer(this) {
    FCheckTimer.setObjectName(QStringLiteral("timerCheckDue"));
    FCheckTimer.setInterval(CheckPeriodMs);
    connect(&FCheckTimer, &QTimer::timeout, this, &TReminderScheduler::CheckDue);
    FSoundTimer.setObjectName(QStringLiteral("timerPlaySound"));
    connect(&FSoundTimer, &QTimer::timeout, this, &TReminderScheduler::PlaySoundTick);
    if (FNotifier)
        connect(FNotifier, &TDesktopNotifier::ShowRequested, this,
                &TReminderScheduler::ShowNoteRequested);
}

void TReminderScheduler::SetLockTest(std::function<bool()> isLocked) {
    FIsLocked = std::move(isLocked);
}

void TReminderScheduler::Start() {
    ReloadDueList();
    CheckDue();
    FCheckTimer.start();
}

void TReminderScheduler::ReloadDueList() {
    FDueList.clear();
    Alarm::LoadDueList(FDueList, [this] { StopIndicators(); });
}

void TReminderScheduler::CheckDue() {
    // To the millisecond, as the store decides what is due.
    const QDateTime now = Clock::Now();
    // By index and re-checking the size: a listener may reload the list while it is walked.
    const qsizetype count = FDueList.size();
    for (qsizetype i = 0; i < count && i < FDueList.size(); ++i) {
        std::optional<TDueEntry> entry = TDueEntry::Parse(FDueList.at(i));
        if (!entry) {
            qCWarning(lcScheduler) << "due-list entry" << FDueList.at(i) << "skipped";
            continue;
        }
        const std::optional<QDateTime> due = DateTimeText::ToDateTime(entry->dueText);
        if (!due || now < *due || entry->signalled)
            continue;
        entry->signalled = true;
        FDueList[i] = entry->Text();
        emit NoteDue(entry->noteId);
        NotifyDue(entry->noteId, *due);
        if (!FIndicatorsShown)
            SignalDue();
    }
}

int TReminderScheduler::FirstDueNoteId() const {
    const QDateTime now = Clock::Now();
    for (const QString& text : FDueList) {
        const std::optional<TDueEntry> entry = TDueEntry::Parse(text);
        if (!entry)
            continue;
        const std::optional<QDateTime> due = DateTimeText::ToDateTime(entry->dueText);
        if (due && *due <= now)
            return entry->noteId;
    }
    return 0;
}

void TReminderScheduler::Acknowledge() {
    StopIndicators();
}

void TReminderScheduler::PlaySoundTick() {
    if (!ReadSetting(SysConfig::IsRepeatSound)) {
        FSoundTimer.stop();
        return;
    }
    if (!FIsLocked())
        FSound.Play(ReadSetting(SysConfig::ReminderSount));
}

void TReminderScheduler::SignalDue() {
    SetIndicatorsShown(true);
    if (!ReadSetting(SysConfig::ReminderIsPlaySound))
        return;
    FSound.Play(QString::fromLatin1(FirstSound));
    if (ReadSetting(SysConfig::IsRepeatSound))
        FSoundTimer.start(RepeatIntervalMs());
    else
        FSoundTimer.stop();
}

void TReminderScheduler::NotifyDue(int noteId, const QDateTime& due) {
    if (!FNotifier)
        return;
    const QString when = QLocale().toString(due, QLocale::ShortFormat);
    FNotifier->Notify(noteId, NotificationTitle(noteId), when);
}

void TReminderScheduler::SetIndicatorsShown(bool shown) {
    if (FIndicatorsShown == shown)
        return;
    FIndicatorsShown = shown;
    emit IndicatorsChanged(shown);
}

void TReminderScheduler::StopIndicators() {
    SetIndicatorsShown(false);
    FSoundTimer.stop();
    // A chime under way when the user acknowledges it ends there, not a second later.
    FSound.Stop();
}
