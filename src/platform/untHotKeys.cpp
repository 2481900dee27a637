// SPDX-License-Identifier: GPL-3.0-or-later
#include "untHotKeys.h"

#include "untVirtualKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QtGui/qguiapplication_platform.h>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace {

Q_LOGGING_CATEGORY(lcHotKeys, "velmar.platform.hotkeys")

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using MallocPtr = std::unique_ptr<T, FreeDeleter>;

struct KeySymbolsDeleter {
    void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

// The first keycode that carries keysym in the current keyboard mapping; 0 when none does.
xcb_keycode_t KeycodeOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym) {
    const MallocPtr<xcb_keycode_t> keycodes(xcb_key_symbols_get_keycode(symbols, keysym));
    return keycodes ? keycodes.get()[0] : XCB_NO_SYMBOL;
}

// The modifier bit of the key that carries keysym (Alt and NumLock lie on Mod1 and Mod2 on
// common layouts, but the mapping decides); fallback when no modifier holds it.
quint16 ModifierMaskOf(xcb_connection_t* connection, xcb_key_symbols_t* symbols,
                       xcb_keysym_t keysym, quint16 fallback) {
    const xcb_keycode_t wanted = KeycodeOf(symbols, keysym);
    const MallocPtr<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!mapping || wanted == XCB_NO_SYMBOL)
        return fallback;
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (keycodes[modifier * perModifier + i] == wanted)
                return quint16(1u << modifier);
        }
    }
    return fallback;
}

xcb_window_t RootOfDefaultScreen(xcb_connection_t* connection) {
    char* host = nullptr;
    int display = 0;
    int screenNumber = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screenNumber))
        std::free(host);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    return screens.data->root;
}

} // namespace

THotKeyService::THotKeyService(QObject* parent) : QObject(parent) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    FConnection = x11->connection();
    FRoot = RootOfDefaultScreen(FConnection);
    const KeySymbols symbols(xcb_key_symbols_alloc(FConnection));
    FAltMask = ModifierMaskOf(FConnection, symbols.get(), XK_Alt_L, XCB_MOD_MASK_1);
    FNumLockMask = ModifierMaskOf(FConnection, symbols.get(), XK_Num_Lock, XCB_MOD_MASK_2);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

// The grabs go with the X connection, which the application closes at its end.
THotKeyService::~THotKeyService() {
    if (QCoreApplication::instance())
        UnregisterAll();
}

QList<quint16> THotKeyService::LockCombinations() const {
    return {0, XCB_MOD_MASK_LOCK, FNumLockMask, quint16(FNumLockMask | XCB_MOD_MASK_LOCK)};
}

bool THotKeyService::Register(int shortcut) {
    if (!IsAvailable() || !IsValidShortcut(shortcut))
        return false;
    if (std::any_of(FGrabs.cbegin(), FGrabs.cend(),
                    [shortcut](const TGrab& grab) { return grab.id == shortcut; }))
        return true;

    const KeySymbols symbols(xcb_key_symbols_alloc(FConnection));
    const xcb_keycode_t keycode =
        KeycodeOf(symbols.get(), VirtualKeyToKeysym(ShortcutVirtualKey(shortcut)));
    if (keycode == XCB_NO_SYMBOL) {
        qCWarning(lcHotKeys) << "no key on this keyboard for" << ShortcutText(shortcut);
        return false;
    }
    quint16 modifiers = 0;
    if (shortcut & ShortcutShift)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (shortcut & ShortcutCtrl)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (shortcut & ShortcutAlt)
        modifiers |= FAltMask;
    if (!GrabWithLocks(keycode, modifiers)) {
        qCInfo(lcHotKeys) << ShortcutText(shortcut) << "is held by another program";
        return false;
    }
    FGrabs.append({shortcut, keycode, modifiers});
    return true;
}

// Checked requests: a combination another client holds answers BadAccess, and a partial grab
// is released again, so that a combination is either wholly ours or not at all.
bool THotKeyService::GrabWithLocks(quint8 keycode, quint16 modifiers) {
    QList<xcb_void_cookie_t> cookies;
    for (const quint16 locks : LockCombinations()) {
        cookies.append(xcb_grab_key_checked(FConnection, false, FRoot, modifiers | locks, keycode,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool grabbed = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        const MallocPtr<xcb_generic_error_t> error(xcb_request_check(FConnection, cookie));
        grabbed = grabbed && !error;
    }
    if (!grabbed)
        UngrabWithLocks(keycode, modifiers);
    return grabbed;
}

// Ungrabbing only ever releases this client's own grabs.
void THotKeyService::UngrabWithLocks(quint8 keycode, quint16 modifiers) {
    for (const quint16 locks : LockCombinations())
        xcb_ungrab_key(FConnection, keycode, FRoot, modifiers | locks);
    xcb_flush(FConnection);
}

THotKeyRegistration THotKeyService::RegisterCommands(const QList<int>& values) {
    return RegisterHotKeyTable(values, [this](int shortcut) { return Register(shortcut); });
}

void THotKeyService::UnregisterAll() {
    for (const TGrab& grab : std::as_const(FGrabs))
        UngrabWithLocks(grab.keycode, grab.modifiers);
    FGrabs.clear();
}

bool THotKeyService::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (FGrabs.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (press->event != FRoot)
        return false;
    const quint16 modifiers = press->state & 0xFF & ~(XCB_MOD_MASK_LOCK | FNumLockMask);
    const auto grab = std::find_if(FGrabs.cbegin(), FGrabs.cend(), [&](const TGrab& candidate) {
        return candidate.keycode == press->detail && candidate.modifiers == modifiers;
    });
    if (grab == FGrabs.cend())
        return false;
    const int id = grab->id;
    QMetaObject::invokeMethod(
        this, [this, id] { emit HotKeyPressed(id); }, Qt::QueuedConnection);
    return true;
}
