// SPDX-License-Identifier: GPL-3.0-or-later
#include "untProgramFolders.h"

#include "untPaths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace ProgramFolders {
namespace {

std::optional<QByteArray> ContentHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result();
}

bool SameContent(const QString& first, const QString& second) {
    if (QFileInfo(first).size() != QFileInfo(second).size())
        return false;
    const auto firstHash = ContentHash(first);
    return firstHash && firstHash == ContentHash(second);
}

// The n-th name tried for a file: its own name first, then "stem (n).ext".
QString CandidateName(const QFileInfo& source, int n) {
    if (n == 1)
        return source.fileName();
    const QString suffix = source.suffix();
    const QString stem = suffix.isEmpty() ? source.fileName() : source.completeBaseName();
    return QStringLiteral("%1 (%2)").arg(stem).arg(n) +
           (suffix.isEmpty() ? QString() : u'.' + suffix);
}

} // namespace

QString Installed() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/velmarnotes")) +
           u'/';
}

QStringList SearchOrder() {
    return {VelmarPaths::DataFolder(), Installed()};
}

QString Find(const QString& relativePath) {
    if (relativePath.isEmpty())
        return {};
    for (const QString& folder : SearchOrder()) {
        const QString path = folder + relativePath;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList FileNames(const QString& pattern) {
    QStringList names;
    for (const QString& folder : SearchOrder()) {
        const QStringList inFolder =
            QDir(folder).entryList({pattern}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : inFolder) {
            if (!names.contains(name))
                names.append(name);
        }
    }
    return names;
}

QString CopyIntoDataFolder(const QString& sourcePath) {
    const QFileInfo source(sourcePath);
    if (!source.isFile() || !VelmarPaths::EnsureDataFolder())
        return {};
    const QDir dataFolder(VelmarPaths::DataFolder());
    for (int n = 1;; ++n) {
        const QString name = CandidateName(source, n);
        const QString target = dataFolder.filePath(name);
        if (!QFileInfo::exists(target))
            return QFile::copy(sourcePath, target) ? name : QString();
        if (SameContent(sourcePath, target))
            return name;
    }
}

} // namespace ProgramFolders
