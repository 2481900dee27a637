#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Typed text is saved while the note keeps the activation: a SIGKILL 3 s after typing keeps it.
# Then the program is killed with SIGKILL at least 30 times at random moments while notes are
# made and typed into: Data.db stays sound, and nothing it held before a kill is missing after.
# Under the usual umask 022 the data folder is 0700 and Data.db and config.ini 0600.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop
umask 022

data=$(e2e_data_folder)
# An existing folder open to everyone is narrowed at start.
mkdir -m 0755 -p "$data"

content_has() { e2e_db "select Content from Note" | grep -q "$1"; }

e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
# The tray icon stays where the tray host docked it; the kill loop clicks there straight away,
# which keeps every round short, whether the program is still alive or not.
read -r _ tray_x tray_y _ _ < <(e2e_app_windows 24x24) || e2e_fail "no tray icon to click"
e2e_click_tray_icon 1
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "the tray icon made no note"
xdotool type --delay 20 "kept without leaving the note"
sleep 3
kill -KILL "$E2E_APP_PID"
wait "$E2E_APP_PID" 2>/dev/null || true
content_has 'kept without leaving the note' ||
    e2e_fail "the text typed 3 s before SIGKILL was lost: $(e2e_db 'select Id, Content from Note')"

[ "$(stat -c %a "$data")" = 700 ] || e2e_fail "data folder mode $(stat -c %a "$data")"
[ "$(stat -c %a "$data/Data.db")" = 600 ] || e2e_fail "Data.db mode $(stat -c %a "$data/Data.db")"

# Every token the database held before a kill must still be there after the next one.
tokens() { sqlite3 "$data/Data.db" "select Content from Note" | { grep -o 'tok[0-9]*x' || true; } | sort -u; }
kills=${VELMAR_KILL_LOOP:-30}
before=$(tokens)
for ((i = 1; i <= kills; i++)); do
    e2e_start_app
    pid=$E2E_APP_PID
    # A random moment within 3 s: counted from the start on odd rounds (the kill may fall into
    # the start itself), from the tray icon's appearance on even ones, while the script makes
    # a note, types into it and drags it.
    delay=$(awk -v s="$RANDOM$i" 'BEGIN { srand(s); rand(); printf "%.2f", rand() * 3 }')
    [ $((i % 2)) = 1 ] || e2e_wait_for 10 e2e_has_window 24x24 || true
    (sleep "$delay"; kill -KILL "$pid" 2>/dev/null) &
    killer=$!
    if e2e_wait_for 5 e2e_has_window 24x24; then
        xdotool mousemove $((tray_x + 12)) $((tray_y + 12)) click 1
        xdotool type --delay 15 "tok${i}x and more" 2>/dev/null || true
        xdotool mousemove 421 271 mousedown 1 mousemove 451 301 mouseup 1 2>/dev/null || true
    fi
    wait "$killer" || true
    wait "$pid" 2>/dev/null || true
    [ "$(sqlite3 "$data/Data.db" 'pragma integrity_check')" = ok ] ||
        e2e_fail "Data.db is damaged after kill $i (at ${delay} s)"
    after=$(tokens)
    lost=$(comm -23 <(echo "$before") <(echo "$after"))
    [ -z "$lost" ] || e2e_fail "kill $i (at ${delay} s) lost committed text: $lost"
    before=$after
    # To the trash, where the text stays but no window opens: every start shows one note at most.
    sqlite3 -cmd ".timeout 2000" "$data/Data.db" "UPDATE Note SET Type=3"
done
e2e_log "$kills kills; $(echo "$before" | grep -c tok || true) typed notes kept"

# A last, gentle end: the program starts on the file the kills left, writes config.ini
# (Tools > Hide All Desktop Notes) owner-only, and ends with code 0.
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "no start after the kill loop"
e2e_open_tray_menu
xdotool key Down Down Down Down Down Right Down Down Down Return
e2e_wait_for 10 grep -qi '^showalldesknotes *= *0' "$data/config.ini" ||
    e2e_fail "Hide All Desktop Notes wrote no config.ini"
[ "$(stat -c %a "$data/config.ini")" = 600 ] || e2e_fail "config.ini mode $(stat -c %a "$data/config.ini")"
e2e_end_app
