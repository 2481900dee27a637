// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The background pictures of tab pages.
namespace MemoboardBackground {

// The built-in background "memo_bg".
QPixmap Default();
// The picture file at `path` (a bare name is looked for in the program's folders), scaled down
// to the largest screen when it is larger, and shared by every tab showing it. "memo_bg" when
// the path is empty or the file is missing, unreadable or no picture; the log says why.
QPixmap Load(const QString& path);

} // namespace MemoboardBackground
