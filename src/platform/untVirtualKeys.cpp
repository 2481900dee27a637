// SPDX-License-Identifier: GPL-3.0-or-later
#include "untVirtualKeys.h"

#include <X11/keysym.h>

#include <algorithm>
#include <vector>

namespace {

struct VirtualKey {
    int virtualKey;
    quint32 keysym;
    Qt::Key qtKey;
    Qt::Key shiftedQtKey; // what Qt reports for the key with Shift on a US layout
    bool onKeypad;
    QString name;
};

// Keys whose codes run in parallel in all three systems; nameOf(i) names the i-th.
template <typename NameOf>
void AddRun(std::vector<VirtualKey>& table, int count, int firstVirtualKey, quint32 firstKeysym,
            int firstQtKey, bool onKeypad, NameOf nameOf) {
    for (int i = 0; i < count; ++i)
        table.push_back({firstVirtualKey + i, firstKeysym + i, Qt::Key(firstQtKey + i),
                         Qt::Key_unknown, onKeypad, nameOf(i)});
}

std::vector<VirtualKey> BuildTable() {
    std::vector<VirtualKey> table;
    const auto character = [](char first) {
        return [first](int i) { return QString(QChar(first + i)); };
    };
    const auto numbered = [](const char* prefix, int first) {
        return [=](int i) { return QLatin1String(prefix) + QString::number(first + i); };
    };
    AddRun(table, 26, 'A', XK_a, Qt::Key_A, false, character('A'));
    AddRun(table, 10, '0', XK_0, Qt::Key_0, false, character('0'));
    AddRun(table, 24, 0x70, XK_F1, Qt::Key_F1, false, numbered("F", 1));
    AddRun(table, 10, 0x60, XK_KP_0, Qt::Key_0, true, numbered("Num ", 0));

    const Qt::Key shiftedDigits[] = {Qt::Key_ParenRight,  Qt::Key_Exclam,    Qt::Key_At,
                                     Qt::Key_NumberSign,  Qt::Key_Dollar,    Qt::Key_Percent,
                                     Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                                     Qt::Key_ParenLeft};
    for (VirtualKey& key : table) {
        if (key.virtualKey >= '0' && key.virtualKey <= '9' && !key.onKeypad)
            key.shiftedQtKey = shiftedDigits[key.virtualKey - '0'];
    }

    const VirtualKey named[] = {
        {0x08, XK_BackSpace, Qt::Key_Backspace, Qt::Key_unknown, false, "Backspace"},
        {0x09, XK_Tab, Qt::Key_Tab, Qt::Key_Backtab, false, "Tab"},
        {0x0D, XK_Return, Qt::Key_Return, Qt::Key_unknown, false, "Enter"},
        {0x13, XK_Pause, Qt::Key_Pause, Qt::Key_unknown, false, "Pause"},
        {0x1B, XK_Escape, Qt::Key_Escape, Qt::Key_unknown, false, "Esc"},
        {0x20, XK_space, Qt::Key_Space, Qt::Key_unknown, false, "Space"},
        {0x21, XK_Prior, Qt::Key_PageUp, Qt::Key_unknown, false, "PgUp"},
        {0x22, XK_Next, Qt::Key_PageDown, Qt::Key_unknown, false, "PgDn"},
        {0x23, XK_End, Qt::Key_End, Qt::Key_unknown, false, "End"},
        {0x24, XK_Home, Qt::Key_Home, Qt::Key_unknown, false, "Home"},
        {0x25, XK_Left, Qt::Key_Left, Qt::Key_unknown, false, "Left"},
        {0x26, XK_Up, Qt::Key_Up, Qt::Key_unknown, false, "Up"},
        {0x27, XK_Right, Qt::Key_Right, Qt::Key_unknown, false, "Right"},
        {0x28, XK_Down, Qt::Key_Down, Qt::Key_unknown, false, "Down"},
        {0x2D, XK_Insert, Qt::Key_Insert, Qt::Key_unknown, false, "Ins"},
        {0x2E, XK_Delete, Qt::Key_Delete, Qt::Key_unknown, false, "Del"},
        {0x6A, XK_KP_Multiply, Qt::Key_Asterisk, Qt::Key_unknown, true, "Num *"},
        {0x6B, XK_KP_Add, Qt::Key_Plus, Qt::Key_unknown, true, "Num +"},
        {0x6D, XK_KP_Subtract, Qt::Key_Minus, Qt::Key_unknown, true, "Num -"},
        {0x6E, XK_KP_Decimal, Qt::Key_Period, Qt::Key_unknown, true, "Num ."},
        {0x6F, XK_KP_Divide, Qt::Key_Slash, Qt::Key_unknown, true, "Num /"},
        // The OEM keys, as they lie on a US layout.
        {0xBA, XK_semicolon, Qt::Key_Semicolon, Qt::Key_Colon, false, ";"},
        {0xBB, XK_equal, Qt::Key_Equal, Qt::Key_Plus, false, "="},
        {0xBC, XK_comma, Qt::Key_Comma, Qt::Key_Less, false, ","},
        {0xBD, XK_minus, Qt::Key_Minus, Qt::Key_Underscore, false, "-"},
        {0xBE, XK_period, Qt::Key_Period, Qt::Key_Greater, false, "."},
        {0xBF, XK_slash, Qt::Key_Slash, Qt::Key_Question, false, "/"},
        {0xC0, XK_grave, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, false, "`"},
        {0xDB, XK_bracketleft, Qt::Key_BracketLeft, Qt::Key_BraceLeft, false, "["},
        {0xDC, XK_backslash, Qt::Key_Backslash, Qt::Key_Bar, false, "\\"},
        {0xDD, XK_bracketright, Qt::Key_BracketRight, Qt::Key_BraceRight, false, "]"},
        {0xDE, XK_apostrophe, Qt::Key_Apostrophe, Qt::Key_QuoteDbl, false, "'"},
    };
    table.insert(table.end(), std::begin(named), std::end(named));
    return table;
}

const std::vector<VirtualKey>& Table() {
    static const std::vector<VirtualKey> table = BuildTable();
    return table;
}

template <typename Predicate> const VirtualKey* FindKey(Predicate matches) {
    const auto& table = Table();
    const auto found = std::find_if(table.begin(), table.end(), matches);
    return found == table.end() ? nullptr : &*found;
}

const VirtualKey* FindVirtualKey(int virtualKey) {
    return FindKey([virtualKey](const VirtualKey& key) { return key.virtualKey == virtualKey; });
}

// The key a shortcut value names, or nullptr when the value is not valid.
const VirtualKey* KeyOfShortcut(int shortcut) {
    constexpr int knownBits = 0xFF | ShortcutShift | ShortcutCtrl | ShortcutAlt;
    if (shortcut <= 0 || (shortcut & ~knownBits) != 0)
        return nullptr;
    return FindVirtualKey(ShortcutVirtualKey(shortcut));
}

const VirtualKey* FindQtKey(Qt::Key qtKey, bool onKeypad) {
    if (qtKey == Qt::Key_unknown) // also the mark of a key that has no shifted symbol
        return nullptr;
    return FindKey([=](const VirtualKey& key) {
        return key.onKeypad == onKeypad && (key.qtKey == qtKey || key.shiftedQtKey == qtKey);
    });
}

} // namespace

bool IsValidShortcut(int shortcut) {
    return KeyOfShortcut(shortcut) != nullptr;
}

quint32 VirtualKeyToKeysym(int virtualKey) {
    const VirtualKey* key = FindVirtualKey(virtualKey);
    return key ? key->keysym : 0;
}

int KeysymToVirtualKey(quint32 keysym) {
    if (keysym >= XK_A && keysym <= XK_Z)
        keysym += XK_a - XK_A;
    const VirtualKey* key =
        FindKey([keysym](const VirtualKey& row) { return row.keysym == keysym; });
    return key ? key->virtualKey : 0;
}

QString ShortcutText(int shortcut) {
    const VirtualKey* key = KeyOfShortcut(shortcut);
    if (!key)
        return {};
    QString text;
    if (shortcut & ShortcutCtrl)
        text += QStringLiteral("Ctrl+");
    if (shortcut & ShortcutAlt)
        text += QStringLiteral("Alt+");
    if (shortcut & ShortcutShift)
        text += QStringLiteral("Shift+");
    return text + key->name;
}

QKeyCombination ShortcutToKeyCombination(int shortcut) {
    const VirtualKey* key = KeyOfShortcut(shortcut);
    if (!key)
        return {};
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, shortcut & ShortcutShift);
    modifiers.setFlag(Qt::ControlModifier, shortcut & ShortcutCtrl);
    modifiers.setFlag(Qt::AltModifier, shortcut & ShortcutAlt);
    modifiers.setFlag(Qt::KeypadModifier, key->onKeypad);
    return QKeyCombination(modifiers, key->qtKey);
}

int KeyCombinationToShortcut(QKeyCombination combination) {
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::MetaModifier)
        return 0;
    const bool onKeypad = modifiers & Qt::KeypadModifier;
    const VirtualKey* key = FindQtKey(combination.key(), onKeypad);
    // Without NumLock the keypad sends Home, End, Insert and the like: the keys of those names.
    if (!key && onKeypad)
        key = FindQtKey(combination.key(), false);
    if (!key)
        return 0;
    int shortcut = key->virtualKey;
    if (modifiers & Qt::ShiftModifier)
        shortcut |= ShortcutShift;
    if (modifiers & Qt::ControlModifier)
        shortcut |= ShortcutCtrl;
    if (modifiers & Qt::AltModifier)
        shortcut |= ShortcutAlt;
    return shortcut;
}
