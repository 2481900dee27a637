#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In a Wayland session with an X server (WAYLAND_DISPLAY set, here to a socket that does not
# exist, and DISPLAY set) the program runs on X11 and shows its notes at their stored places.
# Without any X server it says why and ends with code 1.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"

# No X server at all: a Wayland session without XWayland, and an X server that is gone.
expect_refusal() {
    local says=$1 status
    shift
    set +e
    env "$@" "$E2E_BIN/velmarnotes" >"$E2E_ARTIFACTS/refusal.log" 2>&1
    status=$?
    set -e
    [ "$status" -eq 1 ] || e2e_fail "without an X server ($*) it ended with $status"
    grep -q "$says" "$E2E_ARTIFACTS/refusal.log" ||
        e2e_fail "without an X server ($*) it said: $(cat "$E2E_ARTIFACTS/refusal.log")"
}
expect_refusal "turn on XWayland" -u DISPLAY WAYLAND_DISPLAY=wayland-9 XDG_SESSION_TYPE=wayland
expect_refusal "cannot reach the X server of DISPLAY=:97" DISPLAY=:97

e2e_start_desktop
data=$(e2e_data_folder)
mkdir -p "$data"
# Two notes at their places; the schema is the program's own, made by a first start.
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the first start showed no tray icon"
kill -TERM "$E2E_APP_PID"
e2e_expect_app_end
sqlite3 "$data/Data.db" <<SQL
INSERT INTO Note(Id,ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)
VALUES (1,0,'130,150','first','',8454143,1,1,0,0,'200,160','46000','46000','0',0,0),
       (2,0,'600,330','second','',16744448,1,1,1,0,'220,150','46000','46000','0',0,0);
SQL

notes_at() { e2e_app_windows | awk '$4 >= 200 && $5 >= 150 {print $2 "," $3 "," $4 "x" $5}' | sort | tr '\n' ' '; }
notes_are() { [ "$(notes_at)" = "$1" ]; }
WAYLAND_DISPLAY=wayland-missing XDG_SESSION_TYPE=wayland e2e_start_app
e2e_wait_for 15 notes_are "130,150,200x160 600,330,220x150 " ||
    e2e_fail "in the Wayland session the notes are at: $(notes_at)"
grep -q "Wayland session: Velmar Notes uses X11 through DISPLAY=$DISPLAY" \
    "$E2E_ARTIFACTS/velmarnotes.log" || e2e_fail "the program did not choose X11 itself"
e2e_screenshot wayland_session
kill -TERM "$E2E_APP_PID"
e2e_expect_app_end "the program in the Wayland session"
