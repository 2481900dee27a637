// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSingleInstance.h"

#include "untPaths.h"
#include "untPlatformLog.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::~SingleInstance() {
    if (FDescriptor >= 0)
        ::close(FDescriptor);
}

QString SingleInstance::LockPath() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QString folder =
        runtime.isEmpty() ? VelmarPaths::DataFolder() : QString::fromLocal8Bit(runtime);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + QStringLiteral("Velmar Notes.lock");
}

bool SingleInstance::Acquire() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        VelmarPaths::EnsureDataFolder();
    const QByteArray path = QFile::encodeName(LockPath());
    FDescriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (FDescriptor < 0) {
        const int error = errno;
        // No place for a lock: better a second copy than no program at all.
        qCWarning(lcPlatform).nospace() << "cannot create the single-copy lock " << LockPath()
                                        << " (" << std::strerror(error) << "); starting without it";
        return true;
    }
    if (::flock(FDescriptor, LOCK_EX | LOCK_NB) == 0)
        return true;
    ::close(FDescriptor);
    FDescriptor = -1;
    return false;
}
