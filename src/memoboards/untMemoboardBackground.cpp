// SPDX-License-Identifier: GPL-3.0-or-later
#include "untMemoboardBackground.h"

#include "untProgramFolders.h"
#include "untSkin.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QLoggingCategory>
#include <QScreen>

namespace {

Q_LOGGING_CATEGORY(lcBackground, "velmar.memoboards.background")

// No page shows more of a picture than the largest screen holds.
QSize LargestScreen() {
    QSize largest(1920, 1200);
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size() * screen->devicePixelRatio());
    return largest;
}

QString ExistingFile(const QString& path) {
    if (QFileInfo::exists(path))
        return path;
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QString() : ProgramFolders::Find(name);
}

// The picture read from the file, scaled while it is decoded when it is larger than needed.
QPixmap Read(const QString& file) {
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const QSize largest = LargestScreen();
    if (size.isValid() && (size.width() > largest.width() || size.height() > largest.height()))
        reader.setScaledSize(size.scaled(largest, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcBackground) << "background picture" << file
                                << "not shown:" << reader.errorString();
        return {};
    }
    return QPixmap::fromImage(image);
}

// One decoded copy per file and version, however many tabs show it; emptied while the
// application object still exists.
QHash<QString, QPixmap>& Cache() {
    static QHash<QString, QPixmap>* cache = [] {
        static QHash<QString, QPixmap> pictures;
        qAddPostRoutine([] { pictures.clear(); });
        return &pictures;
    }();
    return *cache;
}

} // namespace

namespace MemoboardBackground {

QPixmap Default() {
    return SkinPixmap(QStringLiteral("memo_bg"));
}

QPixmap Load(const QString& path) {
    if (path.isEmpty())
        return Default();
    const QString file = ExistingFile(path);
    if (file.isEmpty()) {
        qCWarning(lcBackground) << "background picture" << path << "is missing";
        return Default();
    }
    QHash<QString, QPixmap>& cache = Cache();
    const QString key = file + u'|' + QFileInfo(file).lastModified().toString(Qt::ISODateWithMs);
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    const QPixmap picture = Read(file);
    if (picture.isNull())
        return Default();
    cache.insert(key, picture);
    return picture;
}

} // namespace MemoboardBackground
