// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untParam.h"

#include <QFile>
#include <QString>
#include <QTimer>
#include <QWidget>

// A named control of a window; a missing one is a broken test setup, not a test result.
template <typename T> T* Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("%s has no %s", qPrintable(window.objectName()), name);
    return child;
}

// A "sysconfig" setting's text as config.ini holds it; "<missing>" when it is not written.
inline QString StoredText(const QString& key) {
    return ReadTextSetting(key, QStringLiteral("<missing>"));
}

inline bool SettingsFileExists() {
    return QFile::exists(SettingsPath());
}

inline QByteArray SettingsFileContent() {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `act` once the modal loop of `dialog` runs, and answers exec()'s result.
template <typename Dialog, typename Act> int ExecAndDo(Dialog& dialog, Act act) {
    QTimer::singleShot(0, &dialog, act);
    return dialog.exec();
}
