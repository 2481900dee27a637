// SPDX-License-Identifier: GPL-3.0-or-later
#include "untProgramFiles.h"

#include "untPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString InstalledProgramFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/velmarnotes")) +
           u'/';
}

QString ProgramFilePath(const QString& relativePath) {
    for (const QString& folder : {VelmarPaths::DataFolder(), InstalledProgramFolder()}) {
        const QString path = folder + relativePath;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
