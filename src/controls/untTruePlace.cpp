// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTruePlace.h"

#include "untX11Connection.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstdlib>
#include <optional>

namespace {

// The window manager's placement can come after the move it reported: the place is read back
// soon, and once more a while later.
constexpr std::array<int, 2> CheckDelaysMs{100, 1000};
constexpr int SettleMs = 300;

class TruePlaceKeeper : public QObject {
public:
    TruePlaceKeeper(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), FWindow(window), FConnection(connection) {
        window.installEventFilter(this);
        for (QTimer& check : FChecks) {
            check.setSingleShot(true);
            connect(&check, &QTimer::timeout, this, &TruePlaceKeeper::Check);
        }
        for (std::size_t i = 0; i < FChecks.size(); ++i)
            FChecks[i].setInterval(CheckDelaysMs[i]);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Move)
            return false;
        if (event->spontaneous()) {
            for (QTimer& check : FChecks)
                check.start();
        } else {
            FOwnMove.start();
        }
        return false;
    }

private:
    // Where the X server has the window's top-left corner, in the window's own pixels.
    std::optional<QPoint> ServerPlace() const {
        const QWindow* handle = FWindow.windowHandle();
        if (!handle || !FWindow.isVisible())
            return std::nullopt;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data->root;
        const xcb_translate_coordinates_cookie_t cookie = xcb_translate_coordinates(
            FConnection, static_cast<xcb_window_t>(handle->winId()), root, 0, 0);
        xcb_translate_coordinates_reply_t* reply =
            xcb_translate_coordinates_reply(FConnection, cookie, nullptr);
        if (!reply)
            return std::nullopt;
        const QPoint place(reply->dst_x, reply->dst_y);
        std::free(reply);
        return place / FWindow.devicePixelRatioF();
    }

    // While the program moves the window (a drag, an animation) the window manager's placement
    // trails behind Qt's record: the check waits until the window has been still for a while.
    bool MovingNow() const {
        return QGuiApplication::mouseButtons() != Qt::NoButton ||
               (FOwnMove.isValid() && FOwnMove.elapsed() < SettleMs);
    }

    void Check() {
        if (MovingNow()) {
            static_cast<QTimer*>(sender())->start();
            return;
        }
        const std::optional<QPoint> place = ServerPlace();
        if (place && *place != FWindow.pos())
            FWindow.move(*place);
    }

    QWidget& FWindow;
    xcb_connection_t* FConnection;
    std::array<QTimer, CheckDelaysMs.size()> FChecks;
    QElapsedTimer FOwnMove;
};

} // namespace

void KeepTruePlace(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection && window.isWindow())
        new TruePlaceKeeper(window, connection);
}
