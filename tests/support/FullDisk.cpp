// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullDisk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

QString FullDevice(const QString& folder) {
    const QString node = QDir(folder).filePath(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | S_IRUSR | S_IWUSR, makedev(1, 7)) ==
        0)
        return node;
    return QStringLiteral("/dev/full");
}

SmallFileSystem::SmallFileSystem(const QString& folder, int bytes) : FFolder(folder) {
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) !=
        0)
        FReason = QStringLiteral("cannot mount a small file system (%1); it needs root")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

SmallFileSystem::~SmallFileSystem() {
    if (Mounted())
        ::umount2(QFile::encodeName(FFolder).constData(), MNT_DETACH);
}
