#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so plainly and ends with code 1, touching no notes.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"

set +e
env -u DISPLAY "$E2E_BIN/velmarnotes" >"$E2E_ARTIFACTS/stdout.log" 2>"$E2E_ARTIFACTS/stderr.log"
status=$?
set -e
[ "$status" -eq 1 ] || e2e_fail "ended with $status"
grep -q "needs a graphical desktop session: no display was found" "$E2E_ARTIFACTS/stderr.log" ||
    e2e_fail "it said: $(cat "$E2E_ARTIFACTS/stderr.log")"
[ ! -e "$(e2e_data_folder)" ] || e2e_fail "the data folder was created"
