// SPDX-License-Identifier: GPL-3.0-or-later
#include "untAppIcon.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The initialiser must be called from the global namespace: the linker drops an unreferenced
// resource object from a static library.
static void InitShellResources() {
    Q_INIT_RESOURCE(shell);
}

const QIcon& AppIcon() {
    static const QIcon icon = [] {
        InitShellResources();
        QSvgRenderer renderer(QStringLiteral(":/shell/velmarnotes.svg"));
        QIcon sizes;
        for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
            painter.end();
            sizes.addPixmap(QPixmap::fromImage(image));
        }
        return sizes;
    }();
    return icon;
}

const QIcon& AppWindowIcon() {
    static const QIcon icon = [] {
        QIcon small;
        for (const int side : {16, 24, 32, 48})
            small.addPixmap(AppIcon().pixmap(side, side));
        return small;
    }();
    return icon;
}
