#include "untPaths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace VelmarPaths {
namespace {
QString& Override() {
    static QString folder;
    return folder;
}

QString WithSlash(QString path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}
} // namespace

QString DataFolder() {
    if (!Override().isEmpty())
        return WithSlash(Override());
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return WithSlash(base) + QStringLiteral("VelmarNotes/");
}

bool EnsureDataFolder() {
    const QString folder = DataFolder();
    QDir dir(folder);
    if (dir.exists())
        return true;
    // The user's data location itself may be missing on a fresh account.
    QDir parent(folder);
    parent.cdUp();
    if (!QDir().mkpath(parent.path()) || !QDir().mkdir(folder))
        return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
}

QString DatabasePath() {
    EnsureDataFolder();
    return DataFolder() + QStringLiteral("Data.db");
}

void SetDataFolderOverride(const QString& folder) {
    Override() = folder;
}

} // namespace VelmarPaths
