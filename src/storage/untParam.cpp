#include "untParam.h"

#include "untPaths.h"

// Only the narrow (UTF-8) interface is used, so no character conversion library is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION // this file holds the template bodies for the whole program
#include <SimpleIni.h>

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {
const char* const SysConfigSection = "sysconfig";
const char* const HotKeySection = "hotkey";

// Section and key names are matched without regard to (ASCII) case; values keep their UTF-8
// text.
using CaseInsensitiveIni = CSimpleIniTempl<char, SI_GenericNoCase<char>, SI_ConvertA<char>>;

struct IniFile {
    CaseInsensitiveIni ini{true, false, false};

    IniFile() {
        // The parser would try to read a folder standing in the file's place as a file.
        ini.SetSpaces(false); // "key=value", as the file has always been written
        const QString path = SettingsPath();
        if (QFileInfo(path).isFile())
            ini.LoadFile(QFile::encodeName(path).constData());
    }

    QString Read(const char* section, const QString& key, bool* found) const {
        const QByteArray name = key.toUtf8();
        const char* value = ini.GetValue(section, name.constData(), nullptr);
        *found = value != nullptr;
        return value ? QString::fromUtf8(value) : QString();
    }

    void Write(const char* section, const QString& key, const QString& value) {
        ini.SetValue(section, key.toUtf8().constData(), value.toUtf8().constData());
    }

    void Save() {
        const QString path = SettingsPath();
        if (ini.SaveFile(QFile::encodeName(path).constData()) < 0)
            throw SettingsError("Cannot write " + path.toStdString());
    }
};

// Decimal, or hexadecimal after "0x"; nullopt for anything else.
std::optional<int> ParseInteger(const QString& raw) {
    const QString text = raw.trimmed();
    bool ok = false;
    int value = 0;
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        value = static_cast<int>(text.mid(2).toUInt(&ok, 16));
    else
        value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int ReadInt(const char* section, const QString& key, int fallback) {
    bool found = false;
    const QString text = IniFile().Read(section, key, &found);
    return found ? ParseInteger(text).value_or(fallback) : fallback;
}

void WriteValue(const char* section, const QString& key, const QString& value) {
    IniFile file;
    file.Write(section, key, value);
    file.Save();
}
} // namespace

const QStringList& FontSizeList() {
    static const QStringList sizes = {
        QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
        QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
        QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
        QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};
    return sizes;
}

QString SettingsPath() {
    VelmarPaths::EnsureDataFolder();
    return VelmarPaths::DataFolder() + QStringLiteral("config.ini");
}

bool ReadBoolSetting(const QString& key, bool fallback) {
    return ReadInt(SysConfigSection, key, fallback ? 1 : 0) != 0;
}

void WriteBoolSetting(const QString& key, bool value) {
    WriteValue(SysConfigSection, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

int ReadIntSetting(const QString& key, int fallback) {
    return ReadInt(SysConfigSection, key, fallback);
}

void WriteIntSetting(const QString& key, int value) {
    WriteValue(SysConfigSection, key, QString::number(value));
}

QString ReadTextSetting(const QString& key, const QString& fallback) {
    bool found = false;
    const QString text = IniFile().Read(SysConfigSection, key, &found);
    return found ? text : fallback;
}

void WriteTextSetting(const QString& key, const QString& value) {
    WriteValue(SysConfigSection, key, value);
}

bool ReadSetting(BoolSetting setting) {
    return ReadBoolSetting(QString::fromLatin1(setting.key), setting.fallback);
}

int ReadSetting(IntSetting setting) {
    return ReadIntSetting(QString::fromLatin1(setting.key), setting.fallback);
}

QString ReadSetting(TextSetting setting) {
    return ReadTextSetting(QString::fromLatin1(setting.key), QString::fromUtf8(setting.fallback));
}

QString HotKeyCommandName(int index) {
    static const char* const names[] = {"FindNotes",   "ReminderList", "DateTime",
                                        "RadomColors", "AlwaysOnTop",  "DefaultNote",
                                        "TrashList",   "ShowAll",      "HideAll"};
    if (index < 0 || index >= static_cast<int>(std::size(names)))
        return {};
    return QString::fromLatin1(names[index]);
}

int ReadHotKey(int index) {
    const QString name = HotKeyCommandName(index);
    return name.isEmpty() ? 0 : ReadInt(HotKeySection, name, 0);
}

void StoreHotKeys(const QStringList& lines) {
    IniFile file;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const int value = ParseInteger(line.mid(equals + 1)).value_or(0);
        file.Write(HotKeySection, line.left(equals), QString::number(value));
    }
    file.Save();
}
