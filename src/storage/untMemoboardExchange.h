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

// Writes the memoboard's records to `fileName`, replacing the file only once it is complete.
// `caption` is the memoboard's caption as its window shows it.
TExchangeResult ExportMemoboard(int memoboardId, const QString& caption, const QString& fileName);

// Reads `fileName` into the store as a new memoboard in one transaction: either every record
// is stored or none is. On success `openMemoboard` (when given) shows the new memoboard on the
// last tab read.
TExchangeResult ImportMemoboard(const QString& fileName, const TOpenMemoboard& openMemoboard = {});
