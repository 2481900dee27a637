// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

// The program's connection to the X server; none outside an X11 session. The offscreen platform
// may answer the X11 interface too, without a connection.
inline xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != u"xcb")
        return nullptr;
    return x11->connection();
}
