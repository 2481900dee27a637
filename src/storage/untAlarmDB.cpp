// SPDX-License-Identifier: GPL-3.0-or-later
#include "untAlarmDB.h"

#include "untClock.h"
#include "untDateTime.h"
#include "untDueEntry.h"
#include "untStorageLog.h"

bool Alarm::SetReminder(int noteId, const QString& dueText, int repeatCount, int repeatUnit) {
    return RunSQLParams(
        QStringLiteral("UPDATE Note SET NTime=:NTime,TimeOut=:tmout,TimeOutType=:tmouttype "
                       "WHERE id=:Pid "),
        {{QStringLiteral("NTime"), dueText},
         {QStringLiteral("tmout"), repeatCount},
         {QStringLiteral("tmouttype"), repeatUnit},
         {QStringLiteral("Pid"), noteId}});
}

bool Alarm::SetReminderTime(int noteId, const QString& dueText) {
    return RunSQLParams(QStringLiteral("UPDATE Note SET NTime=:NTime WHERE id=:Pid "),
                        {{QStringLiteral("NTime"), dueText}, {QStringLiteral("Pid"), noteId}});
}

bool Alarm::SetRepeat(int noteId, int repeatCount, int repeatUnit) {
    return RunSQLParams(
        QStringLiteral("UPDATE Note SET TimeOut=:TimeOut, TimeOutType=:TimeOutType WHERE id=:Pid "),
        {{QStringLiteral("TimeOut"), repeatCount},
         {QStringLiteral("TimeOutType"), repeatUnit},
         {QStringLiteral("Pid"), noteId}});
}

void Alarm::ListReminders(Dataset& dataset) {
    QueryInto(QStringLiteral(" select ParentId,Id,Content,Rtf,Color,  "
                             "Type2,Size,NTime,TimeOut,TimeOutType  from note nt  where "
                             "nt.Type<>3 and nt.type2=2"),
              dataset);
}

void Alarm::LoadDueList(QStringList& list, const std::function<void()>& noneDue) {
    Dataset dataset;
    QueryInto(QStringLiteral(" select ParentId,id,NTime,TimeOut,TimeOutType from note  WHERE "
                             "Type<>3 and Type2=2 order by NTime"),
              dataset);
    // Compared as date-times to the millisecond: the 15 digits of a stored text may round a
    // whole minute up by a few microseconds, which would keep it from being due on time.
    const QDateTime now = Clock::Now();
    bool anyDue = false;
    for (const Dataset::Row row : dataset) {
        const int id = static_cast<int>(row.FieldByName(QStringLiteral("id")).AsInteger());
        const QString dueText = row.FieldByName(QStringLiteral("NTime")).AsString();
        const std::optional<QDateTime> due = DateTimeText::ToDateTime(dueText);
        if (!due) {
            qCWarning(lcStorage) << "note" << id
                                 << "has a reminder time that is no date-time:" << dueText;
            continue;
        }
        list.append(TDueEntry{id, dueText, false}.Text());
        anyDue = anyDue || *due <= now;
    }
    if (!anyDue && noneDue)
        noneDue();
}
