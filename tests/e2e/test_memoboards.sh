#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memoboards from the menus: New Memoboard makes a board named as typed, whose window opens on
# "Tab1" with the built-in background; a note made on the tab is typed into and stored on it; a
# second tab is added and renamed in place; the board is exported through its Tools menu to a
# file velmar-cli reads back, deleted, imported from the main menu and opens again with both
# tabs and the note; a desktop note moved to the tab leaves the desktop. Screenshots show the
# board tiled and centred.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

BOARD=689x542
board_window() { e2e_app_windows $BOARD | head -n1; }

start_program() {
    e2e_start_app
    e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"
    e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
}

# Opens a toolbar button's menu of the board window: 1 new note ... 5 trash.
board_button() {
    local left top
    read -r _ left top _ _ < <(board_window)
    e2e_click_at $((left + 12 + ($1 - 1) * 42 + 18)) $((top + 35 + 18))
}

# Waits for the file dialog and answers it with a path.
answer_file_dialog() {
    e2e_wait_for 10 sh -c "xdotool search --onlyvisible --name '$1' | grep -q ." ||
        e2e_fail "no file dialog '$1'"
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 10 "$2"
    xdotool key Return
}

start_program

# Tray menu, Memoboards, New Memoboard...
e2e_open_tray_menu
xdotool key Down Down Down Down Right Return
e2e_wait_for 10 e2e_has_window 399x147 || e2e_fail "New Memoboard... showed no dialog"
xdotool type --delay 20 "Ideas"
xdotool key Return
e2e_wait_for 10 e2e_has_window $BOARD || e2e_fail "the new memoboard's window did not open"
e2e_db_is "select Caption from Memoboard where ParentId=0" "Ideas" ||
    e2e_fail "memoboards: $(e2e_db "select * from Memoboard")"
TAB=$(e2e_db "select Id from Memoboard where ParentId<>0")
e2e_db_is "select Caption, Position, Bgimg from Memoboard where Id=$TAB" "Tab1|3|" ||
    e2e_fail "first tab: $(e2e_db "select * from Memoboard where Id=$TAB")"
sleep 0.5
e2e_screenshot board_tiled

# A new note on the tab, typed into and stored there once the page is clicked.
board_button 1
e2e_wait_for 10 e2e_db_is "select ParentId from Note" "$TAB" ||
    e2e_fail "the new note's row: $(e2e_db "select Id, ParentId from Note")"
xdotool type --delay 20 "written on the board"
read -r _ left top _ _ < <(board_window)
e2e_click_at $((left + 500)) $((top + 450)) # the page
e2e_wait_for 10 e2e_db_is "select Content from Note" "written on the board" ||
    e2e_fail "the typed text was not stored: $(e2e_db "select Id, Content from Note")"

# A second tab from the Memo board menu, renamed in place.
board_button 2
sleep 0.5
xdotool key Down Down Return
e2e_wait_for 10 e2e_db_is "select count(*) from Memoboard where ParentId<>0" 2 ||
    e2e_fail "New Tab stored: $(e2e_db "select * from Memoboard")"
TAB2=$(e2e_db "select max(Id) from Memoboard")
xdotool mousemove --sync $((left + 9 + 112 + 40)) $((top + 78 + 15)) click --repeat 2 1
sleep 0.5
e2e_click_at $((left + 9 + 112 + 40)) $((top + 78 + 15)) # into the rename edit
xdotool key ctrl+a
xdotool type --delay 20 "Second"
xdotool key Return
e2e_wait_for 10 e2e_db_is "select Caption from Memoboard where Id=$TAB2" "Second" ||
    e2e_fail "the rename stored: $(e2e_db "select Id, Caption from Memoboard")"
e2e_screenshot two_tabs

# Export through the Tools menu, checked with velmar-cli.
EXPORTED=$E2E_ROOT/Ideas.mbir
board_button 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Return
answer_file_dialog "Export Memoboard" "$EXPORTED"
e2e_wait_for 10 test -s "$EXPORTED" || e2e_fail "the export wrote no file"
CHECK=$E2E_ROOT/check
mkdir -p "$CHECK"
"$E2E_BIN/velmar-cli" import-memoboard "$EXPORTED" --data-dir "$CHECK" >/dev/null ||
    e2e_fail "velmar-cli does not read the exported file"
"$E2E_BIN/velmar-cli" list-memoboards --data-dir "$CHECK" | grep -q "Ideas" ||
    e2e_fail "velmar-cli lists: $("$E2E_BIN/velmar-cli" list-memoboards --data-dir "$CHECK")"

# Delete Memoboard: the box, OK, the window closes and the rows are gone.
board_button 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Down Return
e2e_wait_for 10 e2e_has_window 403x150 || e2e_fail "Delete Memoboard asked nothing"
read -r _ bx by _ _ < <(e2e_app_windows 403x150)
e2e_click_at $((bx + 245)) $((by + 124))
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --classname '^velmarnotes$' | while read -r id; do xwininfo -id \$id; done | grep -q 'Width: 689'" ||
    e2e_fail "the deleted memoboard's window stayed open"
e2e_db_is "select count(*) from Memoboard" 0 || e2e_fail "rows left: $(e2e_db "select * from Memoboard")"

# Import from the main menu: Tools, Import Memoboard.
e2e_open_tray_menu
xdotool key Down Down Down Down Down Right Down Down Down Down Return
answer_file_dialog "Import Memoboard" "$EXPORTED"
e2e_wait_for 10 e2e_has_window $BOARD || e2e_fail "the imported memoboard did not open"
e2e_db_is "select Caption from Memoboard order by Id" "$(printf 'Ideas\nTab1\nSecond')" ||
    e2e_fail "imported: $(e2e_db "select * from Memoboard")"
NEWTAB=$(e2e_db "select Id from Memoboard where Caption='Tab1'")
e2e_db_is "select Content from Note where ParentId=$NEWTAB and Type=1" "written on the board" ||
    e2e_fail "imported notes: $(e2e_db "select Id, ParentId, Type, Content from Note")"
sleep 0.5
e2e_screenshot imported

# Image Position, Center, from the page's menu (Move to... is unavailable with one board).
read -r _ left top _ _ < <(board_window)
e2e_click_at $((left + 500)) $((top + 450)) 3
sleep 0.5
xdotool key Down Down Down Down Down Right Down Down Return
e2e_wait_for 10 e2e_db_is "select Position from Memoboard where Caption='Second'" 2 ||
    e2e_fail "Center stored: $(e2e_db "select Id, Caption, Position from Memoboard")"
sleep 0.5
e2e_screenshot board_centred

# A desktop note moved to the first tab leaves the desktop for the board.
e2e_click_tray_icon 1
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "no desktop note"
read -r _ nx ny _ _ < <(e2e_app_windows 172x120)
DESK=$(e2e_db "select max(Id) from Note")
e2e_click_at $((nx + 86)) $((ny + 12)) 3 # the title: the Note menu
sleep 0.5
xdotool key Down Right Right Return
e2e_wait_for 10 e2e_db_is "select ParentId from Note where Id=$DESK" "$NEWTAB" ||
    e2e_fail "Move To stored: $(e2e_db "select Id, ParentId from Note")"
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --classname '^velmarnotes$' | while read -r id; do xwininfo -id \$id; done | grep -q 'Width: 172'" ||
    e2e_fail "the moved note stayed on the desktop"
sleep 0.5
e2e_screenshot moved_note

e2e_end_app
