// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <limits>
#include <stdexcept>
#include <utility>

// config.ini beside Data.db. Every access reads the file anew, so a value written is seen by
// the next read anywhere; it is parsed again only when its bytes changed. Booleans are stored as
// "1"/"0"; integers in decimal and read as decimal or "0x" hexadecimal; a value that is no integer
// reads as the default. Section and key names match without regard to case.
//
// A write that would not change how the key reads leaves the file alone. Otherwise the file is
// replaced whole (a write that fails leaves the old one), keeping its entries we do not know,
// its comments, its line ends and its byte-order mark.

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct BoolSetting {
    const char* key;
    bool fallback;
};
// A stored value outside min..max reads as the fallback.
struct IntSetting {
    const char* key;
    int fallback;
    int min = std::numeric_limits<int>::min();
    int max = std::numeric_limits<int>::max();
};
struct TextSetting {
    const char* key;
    const char* fallback;
};

// Section "sysconfig", every key with its default.
namespace SysConfig {
inline constexpr IntSetting NotepadDisply{"NotepadDisply", 1}; // 1 both, 2 notepad, 3 tray
inline constexpr BoolSetting OnTheTop{"onthetop", true};
inline constexpr BoolSetting ShowAllDeskNotes{"showalldesknotes", true};
inline constexpr BoolSetting ExitReminder{"ExitReminder", false}; // true: exit without asking
inline constexpr BoolSetting IsShowWelcome{"IsShowWelcome", true};
inline constexpr BoolSetting AutoRun{"AutoRun", true};
inline constexpr IntSetting DefautNoteType{"DefautNoteType", 0, 0, 3}; // the note kinds
inline constexpr TextSetting FontName{"FontName", "Tahoma"};
inline constexpr IntSetting FontSize{"FontSize", 0, 0, 15}; // index into FontSizeList()
inline constexpr IntSetting NoteColor{"NoteColor", 12615680, 0, 0xFFFFFF}; // 0x00BBGGRR
inline constexpr BoolSetting ReminderIsPlaySound{"ReminderIsPlaySound", true};
inline constexpr BoolSetting IsRepeatSound{"IsRepeatSound", true};
inline constexpr TextSetting RepeatTime{"RepeatTime", "30"};
inline constexpr TextSetting ReminderSount{"ReminderSount", "reminder.wav"};
inline constexpr TextSetting Snoozefor{"Snoozefor", "5"};
} // namespace SysConfig

// The point sizes that FontSize indexes.
const QStringList& FontSizeList();

// The font new notes' text starts in: the settings' face and its size from the size list.
std::pair<QString, int> NewNoteFont();

// data folder + "config.ini", creating the folder when it is missing.
QString SettingsPath();

bool ReadBoolSetting(const QString& key, bool fallback);
void WriteBoolSetting(const QString& key, bool value);
int ReadIntSetting(const QString& key, int fallback);
void WriteIntSetting(const QString& key, int value);
QString ReadTextSetting(const QString& key, const QString& fallback);
void WriteTextSetting(const QString& key, const QString& value);

bool ReadSetting(BoolSetting setting);
int ReadSetting(IntSetting setting);
QString ReadSetting(TextSetting setting);

// Section "hotkey": the nine commands' shortcut values, in command-index order.
QString HotKeyCommandName(int index); // empty for an index outside 0..8
int ReadHotKey(int index);            // 0 (no hot key) when missing
// Writes each "name=value" line's value as an integer under its name, in list order.
void StoreHotKeys(const QStringList& lines);
