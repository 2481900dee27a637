// SPDX-License-Identifier: GPL-3.0-or-later
#include "OfficeConverter.h"

#include <QDir>
#include <QProcess>
#include <QUrl>

QString ConvertWithOffice(const QString& office, const QString& work, const QStringList& arguments,
                          const QString& folder, const QStringList& files) {
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make ") + folder;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QDir(work).filePath(QStringLiteral("home")));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString profile = QUrl::fromLocalFile(QDir(work).filePath(QStringLiteral("profile")))
                                .toString(QUrl::FullyEncoded);
    process.start(office, QStringList{QStringLiteral("--headless"), QStringLiteral("--norestore"),
                                      QStringLiteral("-env:UserInstallation=") + profile} +
                              arguments + QStringList{QStringLiteral("--outdir"), folder} + files);
    if (!process.waitForFinished(300000))
        return QStringLiteral("LibreOffice did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromLocal8Bit(process.readAll());
    return {};
}
