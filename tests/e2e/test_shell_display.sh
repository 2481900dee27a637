#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# NotepadDisply 2 shows the notepad and no tray icon, 3 the tray icon and no notepad; "Hide All
# Desktop Notes" keeps the notes hidden across a restart until "Show All Desktop Notes".
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

config=$(e2e_data_folder)/config.ini
no_window() { ! e2e_has_window "$1"; }
notes_on_screen() { [ "$(e2e_count_windows 172x120)" = "$1" ]; }

set_display() {
    mkdir -p "$(e2e_data_folder)"
    printf '[sysconfig]\nNotepadDisply = %s\n' "$1" >"$config"
}

# Tools > Show All (2 steps down) or Hide All (3 steps down) from the tray menu.
choose_tools_entry() {
    local steps=$1
    e2e_open_tray_menu
    xdotool key Down Down Down Down Down Right
    for ((i = 0; i < steps; i++)); do xdotool key Down; done
    xdotool key Return
}

# NotepadDisply 2: the notepad, whose add button still makes notes, and no tray icon.
set_display 2
e2e_start_app
e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "NotepadDisply 2 shows no notepad"
read -r _ left top _ _ < <(e2e_app_windows 84x61)
e2e_click_at $((left + 38)) $((top + 26))
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "the add button made no note"
no_window 24x24 || e2e_fail "NotepadDisply 2 shows a tray icon"
e2e_screenshot display_2
e2e_end_app

# NotepadDisply 3: the tray icon and no notepad.
set_display 3
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "NotepadDisply 3 shows no tray icon"
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "the stored note did not open"
no_window 84x61 || e2e_fail "NotepadDisply 3 shows the notepad"
e2e_screenshot display_3

choose_tools_entry 3 # Hide All Desktop Notes
e2e_wait_for 10 no_window 172x120 || e2e_fail "Hide All left a note on the screen"
grep -Eqi '^showalldesknotes *= *0$' "$config" || e2e_fail "Hide All was not stored"
e2e_end_app

e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_click_tray_icon 1 # a new note shows even while the others are hidden
e2e_wait_for 10 e2e_db_is "select count(*) from Note" 2 || e2e_fail "the tray icon made no note"
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "the new note is not on the screen"
notes_on_screen 1 || e2e_fail "the hidden note came back at the restart"
e2e_screenshot hidden_after_restart

choose_tools_entry 2 # Show All Desktop Notes
e2e_wait_for 10 notes_on_screen 2 || e2e_fail "Show All did not bring the hidden note back"
grep -Eqi '^showalldesknotes *= *1$' "$config" || e2e_fail "Show All was not stored"
e2e_end_app
