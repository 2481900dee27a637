// SPDX-License-Identifier: GPL-3.0-or-later
#include "untPaths.h"

#include "untStorageLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VelmarPaths {
namespace {
constexpr QFileDevice::Permissions kOwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kOwnerOnlyFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString& Override() {
    static QString folder;
    return folder;
}

QString WithSlash(QString path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

// Narrows a folder that already exists to 0700: a folder made by an older version or by hand
// may be readable by everyone. Done once per folder, since the path is checked before every
// statement.
void NarrowOnce(const QString& folder) {
    static QString narrowed;
    if (folder == narrowed)
        return;
    narrowed = folder;
    const QByteArray name = QFile::encodeName(folder);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0 || (status.st_mode & 07777) == S_IRWXU)
        return;
    if (::chmod(name.constData(), S_IRWXU) != 0)
        qCWarning(lcStorage) << "cannot make the data folder private:" << folder;
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
    if (QDir(folder).exists()) {
        NarrowOnce(folder);
        return true;
    }
    // The user's data location itself may be missing on a fresh account.
    QDir parent(folder);
    parent.cdUp();
    if (!QDir().mkpath(parent.path()) || !QDir().mkdir(folder, kOwnerOnlyFolder))
        return false;
    NarrowOnce(folder);
    return true;
}

QString DatabasePath() {
    EnsureDataFolder();
    return DatabaseFile();
}

QString DatabaseFile() {
    return DataFolder() +
           QLatin1String(DatabaseNameTakenByFolder() ? FallbackDatabaseName : "Data.db");
}

bool DatabaseNameTakenByFolder() {
    return QFileInfo(DataFolder() + QStringLiteral("Data.db")).isDir();
}

void SetDataFolderOverride(const QString& folder) {
    Override() = folder;
}

bool CreatePrivateFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return errno == EEXIST;
    // The umask may have taken bits away that the owner needs.
    const bool ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    ::close(fd);
    return ok;
}

bool MakePrivate(QFileDevice& file) {
    return file.setPermissions(kOwnerOnlyFile);
}

} // namespace VelmarPaths
