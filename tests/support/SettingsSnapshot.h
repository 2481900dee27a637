// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untParam.h"

#include <QMap>
#include <QString>
#include <QVariant>

// Every value the program reads from config.ini, as text, by key name.
inline QMap<QString, QString> ReadEverySetting() {
    QMap<QString, QString> values;
    const auto add = [&values](const auto& setting) {
        values.insert(QString::fromLatin1(setting.key), QVariant(ReadSetting(setting)).toString());
    };
    using namespace SysConfig;
    add(NotepadDisply), add(OnTheTop), add(ShowAllDeskNotes), add(ExitReminder);
    add(IsShowWelcome), add(AutoRun), add(DefautNoteType), add(FontName), add(FontSize);
    add(NoteColor), add(ReminderIsPlaySound), add(IsRepeatSound), add(RepeatTime);
    add(ReminderSount), add(Snoozefor);
    for (int index = 0; !HotKeyCommandName(index).isEmpty(); ++index)
        values.insert(HotKeyCommandName(index), QString::number(ReadHotKey(index)));
    return values;
}

// Writes a note colour and a HideAll hot key that differ from what the file reads as now, and
// answers what every setting should read as afterwards.
inline QMap<QString, QString> WriteTwoChangedSettings() {
    QMap<QString, QString> expected = ReadEverySetting();
    const QString colourKey = QString::fromLatin1(SysConfig::NoteColor.key);
    const QString hideAllKey = HotKeyCommandName(8);
    const int colour = ReadSetting(SysConfig::NoteColor) ^ 1;
    const int hideAll = ReadHotKey(8) == 0 ? 16454 : 0;
    WriteIntSetting(colourKey, colour);
    StoreHotKeys({hideAllKey + u'=' + QString::number(hideAll)});
    expected[colourKey] = QString::number(colour);
    expected[hideAllKey] = QString::number(hideAll);
    return expected;
}
