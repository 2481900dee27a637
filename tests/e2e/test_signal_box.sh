#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A modal message box never keeps the program from ending: SIGTERM or SIGHUP while the Exit
# box is up, or while the notice of a start on an unreadable Data.db is up, saves the notes and
# ends with exit code 0.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

data=$(e2e_data_folder)
for signal in TERM HUP; do
    rm -rf "$data"
    e2e_start_app
    e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "SIG$signal: the tray icon did not appear"
    e2e_click_tray_icon 1
    e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "SIG$signal: no new note"
    xdotool type --delay 20 "saved at SIG$signal"
    # Exit from the tray menu: Tools, then its last entry.
    e2e_open_tray_menu
    xdotool key Down Down Down Down Down Right Down Down Down Down Down Down Down Return
    e2e_wait_for 10 e2e_has_window 403x150 || e2e_fail "SIG$signal: Exit showed no box"
    kill -"$signal" "$E2E_APP_PID"
    e2e_expect_app_end "SIG$signal with the Exit box up"
    e2e_db_is "select Content from Note" "saved at SIG$signal" ||
        e2e_fail "SIG$signal: the note holds $(e2e_db 'select Content from Note')"
done

# The notice about an unreadable Data.db at start.
rm -rf "$data" && mkdir -m 0700 -p "$data"
head -c 5000 /dev/urandom >"$data/Data.db"
e2e_start_app
e2e_wait_for 15 e2e_has_window 403x150 || e2e_fail "no notice at start"
e2e_end_app "SIGTERM with the start notice up"
