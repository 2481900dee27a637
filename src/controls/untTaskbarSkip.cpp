// SPDX-License-Identifier: GPL-3.0-or-later
#include "untTaskbarSkip.h"

#include "untX11Connection.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

struct StateAtoms {
    xcb_atom_t state;
    std::array<xcb_atom_t, 2> skip;
};

const StateAtoms& Atoms(xcb_connection_t* connection) {
    // One X server per program: the atoms are asked for once.
    static const StateAtoms atoms{InternAtom(connection, "_NET_WM_STATE"),
                                  {InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                   InternAtom(connection, "_NET_WM_STATE_SKIP_PAGER")}};
    return atoms;
}

// Asks the window manager to add the states to a mapped window.
void AddStatesToMappedWindow(xcb_connection_t* connection, xcb_window_t window) {
    const StateAtoms& atoms = Atoms(connection);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.state;
    message.data.data32[0] = 1; // add
    message.data.data32[1] = atoms.skip[0];
    message.data.data32[2] = atoms.skip[1];
    message.data.data32[3] = 1; // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Follows one window: marks it before each map, and has the window manager add the states
// where Qt replaces them (a stay-on-top window's states at its map) or makes a new native
// window for it (some changes of its flags).
class TaskbarSkipKeeper : public QObject {
public:
    TaskbarSkipKeeper(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), FWindow(window), FConnection(connection) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous())
            MarkBeforeMap();
        else if (event->type() == QEvent::WinIdChange && FWindow.isVisible())
            AddAfterMap();
        return false;
    }

private:
    xcb_window_t NativeWindow() const {
        return static_cast<xcb_window_t>(FWindow.windowHandle()->winId());
    }

    void MarkBeforeMap() {
        // Before the map the property is ours to write, and Qt keeps what it finds there as
        // long as it has no states of its own to set.
        const StateAtoms& atoms = Atoms(FConnection);
        xcb_change_property(FConnection, XCB_PROP_MODE_REPLACE, NativeWindow(), atoms.state,
                            XCB_ATOM_ATOM, 32, atoms.skip.size(), atoms.skip.data());
        AddAfterMap();
    }

    // Queued behind the map request, so the window manager manages the window first.
    void AddAfterMap() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (FWindow.isVisible() && FWindow.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                    AddStatesToMappedWindow(FConnection, NativeWindow());
            },
            Qt::QueuedConnection);
    }

    QWidget& FWindow;
    xcb_connection_t* FConnection;
};

} // namespace

void KeepOffTaskbar(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection && window.isWindow())
        new TaskbarSkipKeeper(window, connection);
}
