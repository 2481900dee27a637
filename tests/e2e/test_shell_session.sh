#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Leaving the desktop session loses no typed word: text typed into a note that still has the
# focus is in Data.db after SIGTERM, after SIGHUP and after the X server goes away, and the
# program ends with exit code 0 each time.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop


# Starts the program, makes a note from the tray icon and types TEXT into it, which keeps the
# focus; answers once the note's window shows the typing (its row exists from the start).
type_into_new_note() {
    local count
    e2e_start_app
    e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
    count=$(e2e_db "select count(*) from Note" 2>/dev/null || echo 0)
    e2e_click_tray_icon 1
    e2e_wait_for 10 e2e_db_is "select count(*) from Note" $((count + 1)) || e2e_fail "no new note row"
    xdotool type --delay 20 "$1"
    # The text is not stored while the note keeps the focus.
    e2e_db_is "select Content from Note order by Id desc limit 1" "" ||
        e2e_fail "the text was stored before the session ended"
}

for signal in TERM HUP; do
    type_into_new_note "kept at SIG$signal"
    e2e_screenshot "before_sig$signal"
    kill -"$signal" "$E2E_APP_PID"
    e2e_expect_app_end "SIG$signal"
    e2e_db_is "select Content from Note order by Id desc limit 1" "kept at SIG$signal" ||
        e2e_fail "after SIG$signal: $(e2e_db "select Id, Content from Note")"
done

type_into_new_note "kept when X went away"
kill -TERM "${E2E_PIDS[0]}" # the X server, the first process the fixture started
e2e_expect_app_end "the end of the X connection"
e2e_db_is "select Content from Note order by Id desc limit 1" "kept when X went away" ||
    e2e_fail "after the X server ended: $(e2e_db "select Id, Content from Note")"
grep -q "X11 connection broke\|X connection" "$E2E_ARTIFACTS/velmarnotes.log" ||
    e2e_fail "the program did not end by the X connection's loss: $(tail -3 "$E2E_ARTIFACTS/velmarnotes.log")"
