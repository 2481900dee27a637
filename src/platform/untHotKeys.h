// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untHotKeyTable.h"

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>

struct xcb_connection_t;

// System-wide hot keys: passive key grabs on the X root window, taken for each combination also
// with NumLock and CapsLock held, and a native event filter that reports a grabbed combination
// when it is pressed, whatever window has the focus. The id of a combination is its stored
// shortcut value. Without an X server (a Wayland or offscreen session) nothing is grabbed.
class THotKeyService : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit THotKeyService(QObject* parent = nullptr);
    ~THotKeyService() override;

    bool IsAvailable() const { return FConnection != nullptr; }

    // Grabs the combination of a stored shortcut value. True when it is ours (also when it
    // already was); false when the value is not valid, hot keys are not available, or another
    // client holds the combination (nothing of it is then kept).
    bool Register(int shortcut);
    // Grabs the commands' stored values (in command-index order), once per distinct value.
    THotKeyRegistration RegisterCommands(const QList<int>& values);
    void UnregisterAll();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // Queued: the receiver may open modal windows.
    void HotKeyPressed(int id);

private:
    struct TGrab {
        int id;
        quint8 keycode;
        quint16 modifiers;
    };

    bool GrabWithLocks(quint8 keycode, quint16 modifiers);
    void UngrabWithLocks(quint8 keycode, quint16 modifiers);
    QList<quint16> LockCombinations() const;

    xcb_connection_t* FConnection = nullptr;
    quint32 FRoot = 0;
    quint16 FAltMask = 0;
    quint16 FNumLockMask = 0;
    QList<TGrab> FGrabs;
};
