// SPDX-License-Identifier: GPL-3.0-or-later
#include "untParam.h"

#include "untPaths.h"

// Only the narrow (UTF-8) interface is used, so no character conversion library is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION // this file holds the template bodies for the whole program
#include <SimpleIni.h>

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <memory>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const SysConfigSection = "sysconfig";
const char* const HotKeySection = "hotkey";
const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Section and key names are matched without regard to (ASCII) case; values keep their UTF-8
// text.
using CaseInsensitiveIni = CSimpleIniTempl<char, SI_GenericNoCase<char>, SI_ConvertA<char>>;

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

QString StoredText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
QString StoredText(int value) {
    return QString::number(value);
}
QString StoredText(const char* value) {
    return QString::fromUtf8(value);
}

// The fallback of the setting named `key`, as stored text; nullopt when none of them has that
// name.
template <typename... Settings>
std::optional<QString> FallbackText(const QString& key, const Settings&... settings) {
    std::optional<QString> text;
    const auto consider = [&](const auto& setting) {
        if (key.compare(QLatin1String(setting.key), Qt::CaseInsensitive) == 0)
            text = StoredText(setting.fallback);
    };
    (consider(settings), ...);
    return text;
}

// How a key of ours reads while it is missing, as the text that would be stored; nullopt for a
// key the program does not know.
std::optional<QString> MissingKeyText(const char* section, const QString& key) {
    if (qstrcmp(section, HotKeySection) == 0) {
        for (int index = 0; !HotKeyCommandName(index).isEmpty(); ++index)
            if (key.compare(HotKeyCommandName(index), Qt::CaseInsensitive) == 0)
                return QStringLiteral("0"); // no hot key
        return std::nullopt;
    }
    using namespace SysConfig;
    return FallbackText(key, NotepadDisply, OnTheTop, ShowAllDeskNotes, ExitReminder, IsShowWelcome,
                        AutoRun, DefautNoteType, FontName, FontSize, NoteColor, ReminderIsPlaySound,
                        IsRepeatSound, RepeatTime, ReminderSount, Snoozefor);
}

// Cuts off and answers what follows the file's last section or entry line: blank and comment
// lines. The parser keeps a comment only above a section or entry and would drop these.
QByteArray SplitOffTail(QByteArray& bytes) {
    // Lines are [start, end), ended by a CR, an LF or the end of the bytes; from the last up.
    qsizetype end = bytes.size();
    while (end > 0) {
        qsizetype start = end;
        while (start > 0 && bytes[start - 1] != '\n' && bytes[start - 1] != '\r')
            --start;
        const QByteArray line = bytes.mid(start, end - start).trimmed();
        if (!line.isEmpty() && !line.startsWith(';') && !line.startsWith('#'))
            break;
        end = start > 0 ? start - 1 : 0;
    }
    const QByteArray tail = bytes.mid(end).trimmed();
    bytes.truncate(end);
    return tail.isEmpty() ? tail : tail + '\n';
}

QString SettingsFileName() {
    return VelmarPaths::DataFolder() + QStringLiteral("config.ini");
}

// config.ini's bytes: empty while it or its folder is missing, or a folder stands in its place;
// nullopt when it is there but cannot be read whole. Read with plain system calls: settings are
// read often, and a QFile costs several times more than the read itself for a file of a few
// hundred bytes.
std::optional<QByteArray> ReadSettingsFile() {
    const int fd = ::open(QFile::encodeName(SettingsFileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? std::optional<QByteArray>(QByteArray())
                                                   : std::nullopt;
    std::optional<QByteArray> bytes(std::in_place);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        bytes.reset();
    else if (S_ISREG(info.st_mode)) {
        // The size is a hint: the file may change while it is read.
        bytes->resize(qsizetype(info.st_size) + 1);
        qsizetype filled = 0;
        for (;;) {
            if (filled == bytes->size())
                bytes->resize(filled * 2);
            const ssize_t got = ::read(fd, bytes->data() + filled, size_t(bytes->size() - filled));
            if (got > 0)
                filled += got;
            else if (got == 0)
                break;
            else if (errno != EINTR) {
                bytes.reset();
                break;
            }
        }
        if (bytes)
            bytes->truncate(filled);
    }
    ::close(fd);
    return bytes;
}

// config.ini as it lay on disk when read; Save() writes it back in the shape it was read in.
class IniFile {
public:
    explicit IniFile(const QByteArray& source) : FSource(source) {
        FIni.SetSpaces(false); // "key=value", as the file has always been written
        QByteArray bytes = source;
        FByteOrderMark = bytes.startsWith(ByteOrderMark);
        FCrLf = bytes.contains("\r\n");
        FTail = SplitOffTail(bytes);
        FIni.LoadData(bytes.constData(), static_cast<size_t>(bytes.size()));
    }

    // The file's bytes this was parsed from.
    const QByteArray& Source() const { return FSource; }

    QString Read(const char* section, const QString& key, bool* found) const {
        const QByteArray name = key.toUtf8();
        const char* value = FIni.GetValue(section, name.constData(), nullptr);
        *found = value != nullptr;
        return value ? QString::fromUtf8(value) : QString();
    }

    // The text the key reads as now: stored, or its default's while missing.
    std::optional<QString> CurrentText(const char* section, const QString& key) const {
        bool found = false;
        const QString text = Read(section, key, &found);
        return found ? std::optional<QString>(text) : MissingKeyText(section, key);
    }

    // The integer the key reads as now; a stored text that is no integer reads as the default.
    std::optional<int> CurrentInteger(const char* section, const QString& key) const {
        bool found = false;
        const QString text = Read(section, key, &found);
        if (const std::optional<int> stored = found ? ParseInteger(text) : std::nullopt)
            return stored;
        const std::optional<QString> missing = MissingKeyText(section, key);
        return missing ? ParseInteger(*missing) : std::nullopt;
    }

    void Write(const char* section, const QString& key, const QString& value) {
        FIni.SetValue(section, key.toUtf8().constData(), value.toUtf8().constData());
    }

    // Replaces the file whole through a temporary file beside it: a write that fails (full disk,
    // read-only folder) leaves the old file as it was.
    void Save() const {
        std::string text;
        if (FIni.Save(text, false) < 0)
            throw SettingsError("Cannot write the settings");
        QByteArray bytes = QByteArray::fromStdString(text) + FTail;
        // A reader takes a mark at the start for the file's own, so an entry whose name starts
        // with one (two files joined together) keeps it only behind a mark of the file's.
        if (FByteOrderMark || bytes.startsWith(ByteOrderMark))
            bytes.prepend(ByteOrderMark);
        // Comments come back with the line ends they were read with.
        bytes.replace("\r\n", "\n");
        if (FCrLf)
            bytes.replace("\n", "\r\n");
        QSaveFile file(SettingsPath());
        // Flushed by hand: Qt 6.4's commit() puts the file in place even when flushing its
        // buffer failed (a full disk), which would leave a cut config.ini.
        if (!file.open(QIODevice::WriteOnly) || !VelmarPaths::MakePrivate(file) ||
            file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
            throw SettingsError("Cannot write " + file.fileName().toStdString() + ": " +
                                file.errorString().toStdString());
    }

private:
    QByteArray FSource;
    CaseInsensitiveIni FIni{true, false, false};
    bool FByteOrderMark = false;
    bool FCrLf = false;
    QByteArray FTail; // comment lines after the last entry, which the parser would drop
};

// The file as it reads now, for reading only. It is read from disk every time, so a change made
// by anyone shows at once, but parsed only when its bytes differ from the last parse: a window
// asks for several settings in a row, and a parse costs far more than the read.
std::shared_ptr<const IniFile> CurrentIniFile() {
    static std::shared_ptr<const IniFile> lastParsed; // settings are read on one thread only
    // A file that cannot be read reads as its defaults.
    const QByteArray bytes = ReadSettingsFile().value_or(QByteArray());
    if (!lastParsed || lastParsed->Source() != bytes)
        lastParsed = std::make_shared<const IniFile>(bytes);
    return lastParsed;
}

// The file as it reads now, for changing and saving. One that cannot be read is not written
// either: saving would replace it with the few entries written here.
IniFile EditableIniFile() {
    const std::optional<QByteArray> bytes = ReadSettingsFile();
    if (!bytes)
        throw SettingsError("Cannot read " + SettingsFileName().toStdString());
    return IniFile(*bytes);
}

int ReadInt(const char* section, const QString& key, int fallback) {
    bool found = false;
    const QString text = CurrentIniFile()->Read(section, key, &found);
    return found ? ParseInteger(text).value_or(fallback) : fallback;
}

void WriteValue(IniFile& file, const char* section, const QString& key, const QString& value) {
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

std::pair<QString, int> NewNoteFont() {
    const QStringList& sizes = FontSizeList();
    const int index = ReadSetting(SysConfig::FontSize);
    const QString size = index >= 0 && index < sizes.size() ? sizes[index] : sizes.first();
    return {ReadSetting(SysConfig::FontName), size.toInt()};
}

QString SettingsPath() {
    VelmarPaths::EnsureDataFolder();
    return SettingsFileName();
}

bool ReadBoolSetting(const QString& key, bool fallback) {
    return ReadInt(SysConfigSection, key, fallback ? 1 : 0) != 0;
}

void WriteBoolSetting(const QString& key, bool value) {
    IniFile file = EditableIniFile();
    const std::optional<int> now = file.CurrentInteger(SysConfigSection, key);
    if (!now || (*now != 0) != value)
        WriteValue(file, SysConfigSection, key, StoredText(value));
}

int ReadIntSetting(const QString& key, int fallback) {
    return ReadInt(SysConfigSection, key, fallback);
}

void WriteIntSetting(const QString& key, int value) {
    IniFile file = EditableIniFile();
    if (file.CurrentInteger(SysConfigSection, key) != value)
        WriteValue(file, SysConfigSection, key, StoredText(value));
}

QString ReadTextSetting(const QString& key, const QString& fallback) {
    bool found = false;
    const QString text = CurrentIniFile()->Read(SysConfigSection, key, &found);
    return found ? text : fallback;
}

void WriteTextSetting(const QString& key, const QString& value) {
    IniFile file = EditableIniFile();
    if (file.CurrentText(SysConfigSection, key) != value)
        WriteValue(file, SysConfigSection, key, value);
}

bool ReadSetting(BoolSetting setting) {
    return ReadBoolSetting(QString::fromLatin1(setting.key), setting.fallback);
}

int ReadSetting(IntSetting setting) {
    const int value = ReadIntSetting(QString::fromLatin1(setting.key), setting.fallback);
    return value >= setting.min && value <= setting.max ? value : setting.fallback;
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
    IniFile file = EditableIniFile();
    bool changed = false;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString name = line.left(equals);
        const int value = ParseInteger(line.mid(equals + 1)).value_or(0);
        if (file.CurrentInteger(HotKeySection, name) == value)
            continue;
        file.Write(HotKeySection, name, StoredText(value));
        changed = true;
    }
    if (changed)
        file.Save();
}
