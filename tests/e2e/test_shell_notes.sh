#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notepad and the tray icon create notes at the cascade places with their rows; typed text
# is stored when the note loses the activation; Exit asks, ends with code 0, and the next start
# shows the same notes at the same places; with "Exit direct without tips" ticked the next Exit
# ends at once.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

notes_at() { e2e_app_windows 172x120 | awk '{print $2 "," $3}' | sort | tr '\n' ' '; }
notes_are() { [ "$(notes_at)" = "$1" ]; }

# Starts the program and waits for its notepad and tray icon.
start_program() {
    e2e_start_app
    e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"
    e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
}

# Exit from the tray menu: Tools, then its last entry.
choose_exit() {
    e2e_open_tray_menu
    xdotool key Down Down Down Down Down Right Down Down Down Down Down Down Down Return
}

# Waits for the exit box and answers it; with "tick" the check box is ticked first.
answer_exit_box() {
    local bx by
    e2e_wait_for 10 e2e_has_window 403x150 || e2e_fail "Exit showed no confirmation box"
    read -r _ bx by _ _ < <(e2e_app_windows 403x150)
    [ "${1:-}" != tick ] || e2e_click_at $((bx + 45)) $((by + 88)) # the check box's text
    e2e_click_at $((bx + 245)) $((by + 124))                        # OK
}

start_program
read -r _ left top _ _ < <(e2e_app_windows 84x61)
# The work area ends above the 32-pixel tray panel: 768 - 32 - 61 - 4.
[ "$left,$top" = "856,671" ] || e2e_fail "notepad at $left,$top"
e2e_screenshot notepad

e2e_click_tray_icon 1
e2e_wait_for 10 e2e_db_is "select Position, Size, Type, Type3 from Note" "341,256|172,120|1|0" ||
    e2e_fail "the tray icon's click stored: $(e2e_db "select * from Note")"
e2e_wait_for 10 notes_are "341,256 " || e2e_fail "notes at: $(notes_at)"

e2e_click_at $((left + 38)) $((top + 26)) # the add button
e2e_wait_for 10 e2e_db_is "select Position, Size from Note where Id=2" "411,326|172,120" ||
    e2e_fail "the add button stored: $(e2e_db "select * from Note")"
e2e_wait_for 10 notes_are "341,256 411,326 " || e2e_fail "notes at: $(notes_at)"

xdotool type --delay 20 "written on the desktop"
e2e_click_at 150 600 # the desktop: the note loses the activation
e2e_wait_for 10 e2e_db_is "select Content from Note where Id=2" "written on the desktop" ||
    e2e_fail "the typed text was not stored: $(e2e_db "select Id, Content from Note")"
e2e_screenshot two_notes

e2e_click_at $((left + 73)) $((top + 20)) # the menu button
e2e_wait_for 10 e2e_has_window 188x258 || e2e_fail "the menu button opened no menu"
e2e_screenshot menu
xdotool key Escape

choose_exit
e2e_screenshot exit_box
answer_exit_box
e2e_expect_app_end
! grep -qi '^ExitReminder' "$(e2e_data_folder)/config.ini" ||
    e2e_fail "OK without the tick stored ExitReminder"

start_program
e2e_wait_for 10 notes_are "341,256 411,326 " || e2e_fail "after the restart notes at: $(notes_at)"
e2e_screenshot restarted

choose_exit
answer_exit_box tick
e2e_expect_app_end
grep -Eqi '^ExitReminder *= *1$' "$(e2e_data_folder)/config.ini" || e2e_fail "ExitReminder was not stored"

start_program
choose_exit # no box this time
e2e_expect_app_end
e2e_db_is "select count(*) from Note" 2 || e2e_fail "rows: $(e2e_db "select * from Note")"
