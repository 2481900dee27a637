// SPDX-License-Identifier: GPL-3.0-or-later
#include "untWriteTrouble.h"

#include <sqlite3.h>

#include <set>

WriteTrouble TroubleOfSqliteCode(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return WriteTrouble::Busy;
    case SQLITE_FULL:
        return WriteTrouble::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: // the journal cannot be made beside the file
        return WriteTrouble::ReadOnly;
    default:
        return WriteTrouble::Other;
    }
}

namespace WriteTroubles {
namespace {
struct State {
    std::set<WriteTrouble> reported;
    std::function<void(WriteTrouble)> handler;
};

State& TheState() {
    static State state;
    return state;
}
} // namespace

void Report(WriteTrouble trouble) {
    State& state = TheState();
    if (!state.reported.insert(trouble).second)
        return;
    if (state.handler)
        state.handler(trouble);
}

bool WasReported(WriteTrouble trouble) {
    return TheState().reported.contains(trouble);
}

void SetHandler(std::function<void(WriteTrouble)> handler) {
    TheState().handler = std::move(handler);
}

void ResetForTest() {
    TheState().reported.clear();
}
} // namespace WriteTroubles
