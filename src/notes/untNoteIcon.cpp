// SPDX-License-Identifier: GPL-3.0-or-later
#include "untNoteIcon.h"

#include <QGuiApplication>
#include <QPixmap>

const QIcon& NoteWindowIcon() {
    static const QIcon icon = [] {
        const QIcon application = QGuiApplication::windowIcon();
        QIcon small;
        if (application.isNull())
            return small;
        for (const int side : {16, 32})
            small.addPixmap(application.pixmap(side, side));
        return small;
    }();
    return icon;
}
