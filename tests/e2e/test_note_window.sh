#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The note window's place and size survive a restart: dragging the top-left corner writes the
# new corner with the new size, and a note restored from a tile that was dragged elsewhere
# stays there. Notes, tiles and the notepad carry the skip-taskbar and skip-pager states. A
# stored size far beyond the screen opens a note no larger than the screen, leaves the row as
# it was, and the program still ends on SIGTERM.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop 1024x768x24

# The program's first start creates Data.db.
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_end_app

e2e_db "INSERT INTO Note(Id,ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)
VALUES (1,0,'200,200','corner','',8454143,1,1,0,0,'200,150','46000','46000','0',0,0),
       (2,0,'600,150','Tile tooltip line','',16744448,1,1,0,0,'172,120','46000','46000','0',0,0)"

# Ends the program with SIGTERM and fails unless it ends, with code 0, within ten seconds.
end_app_within_ten_seconds() {
    kill -TERM "$E2E_APP_PID"
    e2e_wait_for 10 sh -c "! kill -0 $E2E_APP_PID" || e2e_fail "the program did not end on SIGTERM"
    e2e_expect_app_end "SIGTERM"
}

has_skip_states() {
    local states
    states=$(xprop -id "$1" _NET_WM_STATE)
    [[ $states == *_NET_WM_STATE_SKIP_TASKBAR* && $states == *_NET_WM_STATE_SKIP_PAGER* ]]
}

# Presses the left button at one point, moves in steps to another and releases it.
drag() {
    local x=$1 y=$2 to_x=$3 to_y=$4 step
    xdotool mousemove --sync "$x" "$y" mousedown 1
    sleep 0.1
    for step in 1 2 3 4 5; do
        xdotool mousemove $((x + (to_x - x) * step / 5)) $((y + (to_y - y) * step / 5))
        sleep 0.05
    done
    xdotool mouseup 1
}

e2e_start_app
e2e_wait_for 15 e2e_window_at "200 200 200 150" || e2e_fail "note 1 is not at 200,200 200x150"
e2e_wait_for 5 e2e_window_at "600 150 172 120" || e2e_fail "note 2 is not at 600,150 172x120"
e2e_wait_for 5 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"
note1=$(e2e_window_at "200 200 200 150")
read -r notepad _ < <(e2e_app_windows 84x61)
has_skip_states "$note1" || e2e_fail "note states: $(xprop -id "$note1" _NET_WM_STATE)"
has_skip_states "$notepad" || e2e_fail "notepad states: $(xprop -id "$notepad" _NET_WM_STATE)"

# The top-left corner piece (6x6) dragged 30 left and 20 up.
drag 202 202 172 182
corner_written() { e2e_db_is "select Position || ' ' || Size from Note where Id=1" "170,180 230,170"; }
e2e_wait_for 5 corner_written ||
    e2e_fail "after the corner drag: $(e2e_db 'select Position, Size from Note where Id=1')"
e2e_window_at "170 180 230 170" >/dev/null || e2e_fail "note 1 is not at 170,180 230x170"

# Note 2 to its tile, the tile dragged elsewhere, then restored with a double click.
e2e_click_at 680 220
xdotool key ctrl+q
e2e_wait_for 5 e2e_window_at "600 150 35 32" || e2e_fail "Ctrl+Q showed no tile at 600,150"
tile=$(e2e_window_at "600 150 35 32")
has_skip_states "$tile" || e2e_fail "tile states: $(xprop -id "$tile" _NET_WM_STATE)"
sleep 0.3 # until the window manager has placed the new window
drag 615 165 815 365
e2e_wait_for 5 e2e_window_at "800 350 35 32" || e2e_fail "the tile did not move to 800,350: $(e2e_app_windows 35x32)"
xdotool mousemove --sync 815 365 click --repeat 2 --delay 100 1
e2e_wait_for 5 e2e_window_at "800 350 172 120" || e2e_fail "note 2 was not restored at 800,350"
e2e_wait_for 5 e2e_db_is "select Position || ' ' || Type from Note where Id=2" "800,350 1" ||
    e2e_fail "after the restore: $(e2e_db 'select Position, Type from Note where Id=2')"
note2=$(e2e_window_at "800 350 172 120")
has_skip_states "$note2" || e2e_fail "restored note states: $(xprop -id "$note2" _NET_WM_STATE)"
e2e_screenshot note-window-moved
end_app_within_ten_seconds

# A restart shows both notes where the user left them. A tile restored where it appeared
# brings its note back to the same place.
e2e_start_app
e2e_wait_for 15 e2e_window_at "170 180 230 170" || e2e_fail "after a restart note 1 is not at 170,180 230x170"
e2e_wait_for 5 e2e_window_at "800 350 172 120" || e2e_fail "after a restart note 2 is not at 800,350"
e2e_click_at 880 420
xdotool key ctrl+q
e2e_wait_for 5 e2e_window_at "800 350 35 32" || e2e_fail "Ctrl+Q showed no tile at 800,350"
sleep 0.3
xdotool mousemove --sync 815 365 click --repeat 2 --delay 100 1
e2e_wait_for 5 e2e_window_at "800 350 172 120" || e2e_fail "note 2 did not come back at 800,350: $(e2e_app_windows 172x120)"
e2e_db_is "select Position from Note where Id=2" "800,350" ||
    e2e_fail "the restore in place wrote $(e2e_db 'select Position from Note where Id=2')"
end_app_within_ten_seconds

# A size far beyond the screen: the note opens as large as the screen, the row keeps its value.
e2e_db "UPDATE Note SET Size='100000,100000' WHERE Id=1"
e2e_start_app
e2e_wait_for 15 e2e_window_at "170 180 1024 768" || e2e_fail "the huge note is not 1024x768 at 170,180"
e2e_screenshot note-window-huge
end_app_within_ten_seconds
e2e_db_is "select Size from Note where Id=1" "100000,100000" ||
    e2e_fail "the huge note's Size was rewritten: $(e2e_db 'select Size from Note where Id=1')"
