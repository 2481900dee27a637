#include "untProgramFolders.h"

#include "untPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFolders {

QString Installed() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/velmarnotes")) +
           u'/';
}

QString Find(const QString& relativePath) {
    if (relativePath.isEmpty())
        return {};
    for (const QString& folder : {VelmarPaths::DataFolder(), Installed()}) {
        const QString path = folder + relativePath;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace ProgramFolders
