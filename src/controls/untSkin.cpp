// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSkin.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <map>
#include <utility>

// The resource initialiser must be called from the global namespace, and it must be called at
// all: the linker drops an unreferenced resource object from a static library.
static void InitSkinResources() {
    Q_INIT_RESOURCE(skin);
    Q_INIT_RESOURCE(listwindows); // the find, trash and reminder lists (their own script)
}

namespace {

Q_LOGGING_CATEGORY(lcSkin, "velmar.notes.skin")

using CacheKey = std::pair<QString, qreal>;

// std::map keeps its elements in place, so the references handed out stay valid as it grows.
std::map<CacheKey, QPixmap>& Cache() {
    static std::map<CacheKey, QPixmap> cache;
    return cache;
}

// Lower-case picture name -> resource path, listed once.
const QHash<QString, QString>& SkinIndex() {
    static const QHash<QString, QString> index = [] {
        InitSkinResources();
        // Free the rendered pictures while the application object still exists.
        qAddPostRoutine([] { Cache().clear(); });
        QHash<QString, QString> paths;
        QDirIterator it(QStringLiteral(":/skin"), {QStringLiteral("*.svg")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            paths.insert(QFileInfo(path).completeBaseName().toLower(), path);
        }
        return paths;
    }();
    return index;
}

QPixmap Render(const QString& path, qreal devicePixelRatio) {
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize();
    QImage image(int(std::ceil(size.width() * devicePixelRatio)),
                 int(std::ceil(size.height() * devicePixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace

bool SkinExists(const QString& name) {
    return SkinIndex().contains(name.toLower());
}

const QPixmap& SkinPixmap(const QString& name) {
    return SkinPixmap(name, qGuiApp->devicePixelRatio());
}

const QPixmap& SkinPixmap(const QString& name, qreal devicePixelRatio) {
    const QString key = name.toLower();
    auto& cache = Cache();
    const auto found = cache.find({key, devicePixelRatio});
    if (found != cache.end())
        return found->second;

    const QString path = SkinIndex().value(key);
    if (path.isEmpty()) {
        qCCritical(lcSkin) << "no skin picture named" << name;
        static const QPixmap none;
        return none;
    }
    return cache.emplace(CacheKey{key, devicePixelRatio}, Render(path, devicePixelRatio))
        .first->second;
}
