#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# First start creates the data folder and Data.db; a second start ends at once with exit
# code 0 while the first keeps running; SIGTERM ends the first cleanly.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

data=$(e2e_data_folder)
[ ! -e "$data" ] || e2e_fail "the data folder exists before the first start"

e2e_start_app
first=$E2E_APP_PID
tables() {
    e2e_db "select name from sqlite_master where type='table' order by name" 2>/dev/null | tr '\n' ' '
}
has_all_tables() { [ "$(tables)" = "FindInfo Memoboard Note User sqlite_sequence " ]; }
# The four tables are created one statement at a time: wait for all of them.
e2e_wait_for 10 has_all_tables || e2e_fail "Data.db was not created with its tables: $(tables)"
[ "$(stat -c %a "$data")" = 700 ] || e2e_fail "data folder mode is $(stat -c %a "$data"), not 700"

before=$(stat -c %Y.%s "$data/Data.db")
set +e
timeout 2 "$E2E_BIN/velmarnotes" >"$E2E_ARTIFACTS/second.log" 2>&1
second_status=$?
set -e
[ "$second_status" -eq 0 ] || e2e_fail "second start ended with $second_status (124 = still running after 2 s)"
[ ! -s "$E2E_ARTIFACTS/second.log" ] || e2e_fail "second start printed: $(cat "$E2E_ARTIFACTS/second.log")"
[ "$(stat -c %Y.%s "$data/Data.db")" = "$before" ] || e2e_fail "second start touched Data.db"
kill -0 "$first" 2>/dev/null || e2e_fail "the first copy ended"

e2e_end_app
