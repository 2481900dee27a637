// SPDX-License-Identifier: GPL-3.0-or-later
#include "untAutorun.h"

#include "untPlatformLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autorun {
namespace {
// Desktop-entry Exec values quote arguments that hold blanks or reserved characters.
QString QuotedExec(const QString& path) {
    QString escaped = path;
    for (const char* reserved : {"\\", "\"", "`", "$"})
        escaped.replace(QString::fromLatin1(reserved), u'\\' + QString::fromLatin1(reserved));
    return u'"' + escaped + u'"';
}
} // namespace

QString EntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/VelmarNotes.desktop");
}

bool EnableAutorun() {
    const QString path = EntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qCWarning(lcPlatform) << "cannot create the folder of" << path;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qCWarning(lcPlatform) << "cannot write" << path << ":" << file.errorString();
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Velmar Notes\n"
                                         "Comment=Sticky notes on the desktop\n"
                                         "Exec=%1\n"
                                         "Icon=velmarnotes\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(QuotedExec(QCoreApplication::applicationFilePath()));
    const QByteArray bytes = entry.toUtf8();
    // Flushed by hand: commit() does not notice a flush that failed.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        qCWarning(lcPlatform) << "cannot write" << path << ":" << file.errorString();
        return false;
    }
    return true;
}

void DisableAutorun() {
    QFile::remove(EntryPath());
}

bool IsEnabled() {
    return QFile::exists(EntryPath());
}
} // namespace Autorun
