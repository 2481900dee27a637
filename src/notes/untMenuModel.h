// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "untMemoboardDB.h"

#include <functional>
#include <vector>

class QMenu;

// Turns the store's menu model into menu entries: an entry with items becomes a submenu, a
// clickable one an action that runs `click` with its parent's tag and its own tag. A menu with
// measured entries draws its entries 15 px wider than the style would.
using TMenuItemClick = std::function<void(int parentTag, int tag)>;
void FillMenu(QMenu& menu, const std::vector<TMenuItem>& items, int parentTag,
              const TMenuItemClick& click);
// Removes every entry and submenu, before the menu is filled anew.
void ClearMenu(QMenu& menu);
