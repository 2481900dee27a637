#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The welcome window shows on a first start and no more once its box is cleared; global hot
# keys work while another program has the focus, also with NumLock on, and run their commands
# (a new note, Find Notes); a combination another client grabbed first is reported by the
# hot-key dialog; Settings changes the new-note colour and the next note has it.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop
export E2E_WELCOME=1
export QT_LOGGING_RULES="velmar.*.info=true"
log=$E2E_ARTIFACTS/velmarnotes.log
config=$(e2e_data_folder)/config.ini

CtrlAltG=49223 # Ctrl+Alt+G: grabbed first by the other client
CtrlAltN=49230 # Ctrl+Alt+N: "DefaultNote"
CtrlShiftF=24646

start_program() {
    e2e_start_app
    e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"
    e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
}
note_count() { e2e_db "select count(*) from Note"; }
note_count_is() { [ "$(note_count)" = "$1" ]; }
no_window() { ! e2e_has_window "$1"; }
window_origin() { e2e_app_windows "$1" | awk '{print $2, $3; exit}'; }
# choose_entry TOP SUB: opens the TOP-th entry of the main menu (a submenu, whose first entry is
# then chosen) and goes SUB entries further down in it.
choose_entry() {
    local keys=()
    for _ in $(seq "$1"); do keys+=(Down); done
    keys+=(Right)
    for _ in $(seq "$2"); do keys+=(Down); done
    e2e_open_tray_menu
    xdotool key "${keys[@]}" Return
}

# Another client holds Ctrl+Alt+G: a second copy of the program with folders of its own, no
# notepad, no tray icon and no welcome window, whose only hot key is that combination.
other=$E2E_ROOT/other
mkdir -p "$other/data/VelmarNotes" "$other/config"
mkdir -m 0700 -p "$other/runtime"
printf '[sysconfig]\nNotepadDisply=0\nIsShowWelcome=0\n[hotkey]\nReminderList=%s\n' "$CtrlAltG" \
    >"$other/data/VelmarNotes/config.ini"
XDG_DATA_HOME=$other/data XDG_CONFIG_HOME=$other/config XDG_RUNTIME_DIR=$other/runtime \
    "$E2E_BIN/velmarnotes" >"$E2E_ARTIFACTS/other.log" 2>&1 &
e2e_track $!
e2e_wait_for 10 grep -q "1 hot keys registered" "$E2E_ARTIFACTS/other.log" ||
    e2e_fail "the other client did not grab its hot key: $(cat "$E2E_ARTIFACTS/other.log")"

# First start: the welcome window; its box cleared and closed, it is not shown again.
start_program
e2e_wait_for 10 e2e_has_window 380x308 || e2e_fail "no welcome window on the first start"
e2e_screenshot welcome
read -r wx wy < <(window_origin 380x308)
e2e_click_at $((wx + 40)) $((wy + 286))  # "Show this dialog at startup"
e2e_click_at $((wx + 314)) $((wy + 283)) # Close
e2e_wait_for 10 no_window 380x308 ||
    e2e_fail "the welcome window did not close"
grep -Eqi '^IsShowWelcome *= *0$' "$config" || e2e_fail "IsShowWelcome was not cleared"
e2e_end_app

printf '[hotkey]\nFindNotes=%s\nReminderList=%s\nDefaultNote=%s\n' "$CtrlShiftF" "$CtrlAltG" \
    "$CtrlAltN" >>"$config"
start_program
e2e_wait_for 10 grep -q "2 hot keys registered; 1 commands' hot keys not taken" "$log" ||
    e2e_fail "hot keys at start: $(grep -i 'hot key' "$log")"
sleep 1
! e2e_has_window 380x308 || e2e_fail "the welcome window showed although its box was cleared"

# Another program has the focus.
xmessage -geometry +20+20 "another program" &
e2e_track $!
e2e_wait_for 10 xdotool search --classname xmessage || e2e_fail "xmessage did not start"
xdotool windowactivate --sync "$(xdotool search --classname xmessage | head -n1)"
e2e_wait_for 10 note_count_is 0 || e2e_fail "notes before the hot key: $(note_count)"
xdotool key ctrl+alt+n
e2e_wait_for 10 note_count_is 1 || e2e_fail "Ctrl+Alt+N made no note"
xdotool key Num_Lock
xdotool windowactivate --sync "$(xdotool search --classname xmessage | head -n1)"
xdotool key ctrl+alt+n
e2e_wait_for 10 note_count_is 2 || e2e_fail "Ctrl+Alt+N with NumLock on made no note"
xdotool key Num_Lock
xdotool key ctrl+shift+f
e2e_wait_for 10 grep -q "hot key \"Ctrl+Shift+F\" runs \"FindNotes\"" "$log" ||
    e2e_fail "Ctrl+Shift+F did not run Find Notes"
find_window() { xdotool search --onlyvisible --name '^Find Notes$' 2>/dev/null | head -n 1; }
find_window_shown() { [ -n "$(find_window)" ]; }
e2e_wait_for 10 find_window_shown || e2e_fail "Ctrl+Shift+F showed no Find Notes window"
e2e_screenshot hot_keys
xdotool windowminimize --sync "$(find_window)" # out of the way of the dialogs that follow

# Settings: the fourth colour of the colour menu for new notes, then a note from the tray icon.
choose_entry 5 5 # Tools, Settings
e2e_wait_for 10 e2e_has_window 488x350 || e2e_fail "Settings did not open"
read -r sx sy < <(window_origin 488x350)
e2e_click_at $((sx + 130)) $((sy + 200)) # the note colour swatch
sleep 0.5
xdotool key Down Down Down Down Return
e2e_screenshot settings
e2e_click_at $((sx + 310)) $((sy + 321)) # OK
e2e_wait_for 10 no_window 488x350 ||
    e2e_fail "Settings did not close"
grep -Eqi '^NoteColor *= *16711935$' "$config" || e2e_fail "NoteColor: $(grep -i NoteColor "$config")"
e2e_click_tray_icon 1
e2e_wait_for 10 note_count_is 3 || e2e_fail "the tray icon made no note"
e2e_db_is "select Color from Note order by Id desc limit 1" 16711935 ||
    e2e_fail "the new note's colour: $(e2e_db 'select Id, Color from Note')"

# The hot-key dialog tells that Ctrl+Alt+G is held by another program.
choose_entry 5 6 # Tools, Hot Keys Settings
e2e_wait_for 10 e2e_has_window 455x357 || e2e_fail "Hot Keys Settings did not open"
read -r hx hy < <(window_origin 455x357)
e2e_click_at $((hx + 301)) $((hy + 337)) # OK
e2e_wait_for 10 e2e_has_window 403x150 || e2e_fail "no notice of the combination not taken"
e2e_screenshot not_taken
e2e_end_app
