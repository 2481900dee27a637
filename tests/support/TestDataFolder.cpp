// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDataFolder.h"

#include "frmData.h"
#include "untClock.h"
#include "untPaths.h"

#include <QDir>

TestDataFolder::TestDataFolder() {
    for (const char* name : {"data", "config", "runtime"})
        QDir(FRoot.path()).mkdir(QString::fromLatin1(name));
    qputenv("XDG_DATA_HOME", QFile::encodeName(FRoot.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(FRoot.filePath(QStringLiteral("config"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(FRoot.filePath(QStringLiteral("runtime"))));
    VelmarPaths::SetDataFolderOverride({});
    TfmData::Instance().Disconnect();
    TfmData::Instance().FailNextStatements(0);
}

TestDataFolder::~TestDataFolder() {
    TfmData::Instance().Disconnect();
    TfmData::Instance().FailNextStatements(0);
    Clock::Reset();
}

QString TestDataFolder::DataFolder() const {
    return VelmarPaths::DataFolder();
}
