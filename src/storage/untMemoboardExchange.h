// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// The ".mbir" exchange file: one memoboard with its tabs and their notes, one record per line,
// lines ended by CR LF. Records name their parent by position only, so an import always makes
// new rows.

struct TExchangeResult {
    bool Ok = false;
    QString Error;       // why it failed, in words for the log and the command line
    int MemoboardId = 0; // import: the new memoboard
    int TabId = 0;       // import: the last tab read
};

// Shows an imported memoboard on a tab; supplied by the window side.
using TOpenMemoboard = std::function<void(int memoboardId, int tabId)>;

// The memoboard's records, every line ended by CR LF. `caption` is the memoboard's caption as
// its window shows it. A failing query throws DatabaseError.
QByteArray ExportMemoboardText(int memoboardId, const QString& caption);

// Writes the memoboard's records to `fileName`, owner-only, replacing a file only once the new
// one is complete; a failed write (a full disk) leaves no part of it behind. A device such as
// /dev/stdout is written in place.
TExchangeResult ExportMemoboard(int memoboardId, const QString& caption, const QString& fileName);

// Reads `fileName` into the store as a new memoboard in one transaction: either every record
// is stored or none is. On success `openMemoboard` (when given) shows the new memoboard on the
// last tab read.
TExchangeResult ImportMemoboard(const QString& fileName, const TOpenMemoboard& openMemoboard = {});
// The same for the file's bytes. A file whose last line has no line end was cut short and is
// refused, as is a record with another number of fields than its kind has, or a field that is
// not what its column holds (a number out of range, a position that is no pair of integers).
TExchangeResult ImportMemoboardText(const QByteArray& text,
                                    const TOpenMemoboard& openMemoboard = {});
