// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfCorpus.h"

#include <QDir>
#include <QFile>

namespace RtfCorpus {

QString Folder() {
    return qEnvironmentVariable("VELMAR_RTF_CORPUS");
}

QStringList Files() {
    QStringList files;
    if (Folder().isEmpty())
        return files;
    for (const QFileInfo& info :
         QDir(Folder()).entryInfoList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
        files.append(info.absoluteFilePath());
    return files;
}

QString Path(const QString& name) {
    return QDir(Folder()).filePath(name);
}

QByteArray Read(const QString& name) {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace RtfCorpus
