// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for config.ini: whatever the file holds, every accessor answers without a
// crash, leak or hang, ranged settings read inside their range, and a write changes the entries
// it writes and nothing else the program reads.
#include "SettingsSnapshot.h"
#include "untParam.h"
#include "untPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const QString folder = QDir::temp().filePath(
        QStringLiteral("velmar-settings-fuzz-%1").arg(QCoreApplication::applicationPid()));
    QDir().mkpath(folder);
    VelmarPaths::SetDataFolderOverride(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(SettingsPath());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            Fail("cannot write the input to config.ini");
    }
    for (const IntSetting ranged :
         {SysConfig::DefautNoteType, SysConfig::FontSize, SysConfig::NoteColor}) {
        const int value = ReadSetting(ranged);
        if (value < ranged.min || value > ranged.max)
            Fail("a setting read outside its range");
    }
    const QMap<QString, QString> expected = WriteTwoChangedSettings();
    if (ReadEverySetting() != expected)
        Fail("a write changed what the file reads as beyond the entries it wrote");
    // The reader keeps its last parse. Leaving it holding that of a missing file every time makes
    // each input free what it allocated, so libFuzzer's per-input leak check stays quiet unless
    // something really leaks.
    QFile::remove(SettingsPath());
    ReadSetting(SysConfig::OnTheTop);
    return 0;
}
