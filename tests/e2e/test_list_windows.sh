#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The list windows for real: an empty trash shows its message; Ctrl+T trashes a note, the Trash
# List from the tray menu lists it and its preview, Restore brings the note's window back at its
# place with Type 1; Find Notes finds the note by a word typed into it and Go to Note shakes it;
# the Reminder List lists a due reminder with its preview.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

e2e_start_app
e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"

# choose_in_menu KEYS...: opens the tray menu and walks it with the keys.
choose_in_menu() {
    e2e_open_tray_menu
    xdotool key "$@"
}
choose_trash_list() { choose_in_menu Down Down Down Down Down Right Down Return; }

# window_of WIDTHxHEIGHT: "left top" of velmarnotes' window of that size, waiting for it.
window_of() {
    e2e_wait_for 10 e2e_has_window "$1" || e2e_fail "no window $1 appeared"
    e2e_app_windows "$1" | head -n1 | awk '{print $2, $3}'
}

# answer_box NAME [ok-only]: waits for the message box and presses its OK button, which sits
# further right when the box has no Cancel.
answer_box() {
    local bx by ok=245
    [ "${2:-}" != ok-only ] || ok=342
    read -r bx by < <(window_of 403x150)
    e2e_screenshot "box_$1"
    e2e_click_at $((bx + ok)) $((by + 124))
    e2e_wait_for 10 no_window 403x150 || e2e_fail "the message box stayed open"
}
no_window() { ! e2e_has_window "$1"; }

# An empty trash: its message instead of a window.
choose_trash_list
answer_box empty_trash ok-only
! e2e_has_window 488x321 || e2e_fail "the empty trash opened a window"

# A note with a word typed into it.
e2e_click_tray_icon 1
e2e_wait_for 10 e2e_window_at "341 256 172 120" || e2e_fail "the new note did not appear"
xdotool type --delay 20 "buy marmalade today"
e2e_click_at 150 600
e2e_wait_for 10 e2e_db_is "select Content from Note where Id=1" "buy marmalade today" ||
    e2e_fail "the typed text was not stored: $(e2e_db "select Id, Content from Note")"

# Ctrl+T trashes it.
e2e_click_at 427 330
xdotool key ctrl+t
e2e_wait_for 10 e2e_db_is "select Type from Note where Id=1" 3 ||
    e2e_fail "Ctrl+T did not trash the note: $(e2e_db "select Id, Type from Note")"
e2e_wait_for 10 no_window 172x120 || e2e_fail "the trashed note is still shown"

# The Trash List lists it; selecting it shows the preview at the window's preview place.
choose_trash_list
read -r tx ty < <(window_of 488x321)
e2e_click_at $((tx + 80)) $((ty + 103))
e2e_wait_for 10 e2e_window_at "$((tx + 260)) $((ty + 247)) 172 120" ||
    e2e_fail "no preview at the trash list's preview place: $(e2e_app_windows)"
e2e_screenshot trash_list

# Restore: the note's window is back at its place, Type 1.
e2e_click_at $((tx + 172)) $((ty + 261))
answer_box restore
e2e_wait_for 10 e2e_db_is "select Type from Note where Id=1" 1 ||
    e2e_fail "Restore did not store Type 1: $(e2e_db "select Id, Type from Note")"
e2e_wait_for 10 e2e_window_at "341 256 172 120" ||
    e2e_fail "the restored note is not back at its place: $(e2e_app_windows 172x120)"
e2e_screenshot restored

# Find Notes finds it by a word typed into it; Go to Note shakes it.
choose_in_menu Down Return
read -r fx fy < <(window_of 488x380)
e2e_click_at $((fx + 120)) $((fy + 122)) # the search box
xdotool type --delay 20 "MARMALADE"
xdotool key Return
e2e_click_at $((fx + 80)) $((fy + 175)) # the first row of the grid
e2e_wait_for 10 e2e_window_at "$((fx + 250)) $((fy + 311)) 172 120" ||
    e2e_fail "the search listed no note to preview: $(e2e_app_windows)"
e2e_screenshot find_notes
# The shake lasts about a second: the note's own window is watched, which is quick to ask.
note_id=$(e2e_window_at "341 256 172 120") || e2e_fail "the note is not at its place"
note_shaken() { [ "$(e2e_window_geometry "$note_id")" != "341 256 172 120" ]; }
e2e_click_at $((fx + 67)) $((fy + 323)) # Go to Note
e2e_wait_for 5 note_shaken || e2e_fail "Go to Note did not shake the note"
e2e_wait_for 5 e2e_window_at "341 256 172 120" || e2e_fail "the shaken note did not come home"

# A due reminder is listed in the Reminder List with its preview.
e2e_db "update Note set Type2=2, NTime='45000', TimeOut=0, TimeOutType=0 where Id=1"
choose_in_menu Down Down Return
read -r rx ry < <(window_of 488x433)
e2e_click_at $((rx + 200)) $((ry + 100))
e2e_wait_for 10 e2e_window_at "$((rx + 240)) $((ry + 358)) 172 120" ||
    e2e_fail "no preview in the reminder list: $(e2e_app_windows)"
e2e_screenshot reminder_list

e2e_end_app
