#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Another program holds a read transaction on Data.db for longer than the program waits (a
# backup program, the sqlite3 shell): a drag and typed text made meanwhile are both stored once
# it lets go, and nothing is said.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

db=$(e2e_data_folder)/Data.db
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_click_tray_icon 1
e2e_wait_for 10 e2e_db_is "select Position from Note" "341,256" ||
    e2e_fail "the new note's row: $(e2e_db 'select Id, Position from Note')"

# The reader holds its transaction for 12 s; the program waits 5 s per write.
{ echo "BEGIN;"; echo "SELECT count(*) FROM Note;"; sleep 12; echo "COMMIT;"; } |
    sqlite3 "$db" >/dev/null &
reader=$!
e2e_track "$reader"
sleep 0.5
xdotool mousemove 421 271 mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((421 + step * 20)) $((271 + step * 20)); sleep 0.05; done
xdotool mouseup 1
xdotool type --delay 20 "typed while a reader holds the file"
wait "$reader"
e2e_wait_for 30 e2e_db_is "select Position from Note" "441,356" ||
    e2e_fail "the drag was not stored: $(e2e_db 'select Position from Note')"
e2e_wait_for 30 e2e_db_is "select Content from Note" "typed while a reader holds the file" ||
    e2e_fail "the text was not stored: $(e2e_db 'select Content from Note')"
! e2e_has_window 403x150 || e2e_fail "a busy database showed a message"
e2e_end_app
