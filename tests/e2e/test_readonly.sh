#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Notes in a place that cannot be written (a read-only file system when the test runs as root,
# else a read-only folder and file): they are shown, the user is told once that changes cannot
# be saved, typing and leaving a note neither crashes nor says it again, and the notepad shows
# although config.ini cannot be written. A folder standing where config.ini belongs does not
# keep the notepad away either.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

data=$(e2e_data_folder)
mounted=

e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_end_app
e2e_db "INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)
        VALUES(0,'200,200','stored before','',8454143,1,1,0,0,'230,170','46000','46000','0',0,0);"
cp -a "$data" "$E2E_ROOT/prepared"
if [ "$(id -u)" = 0 ]; then
    e2e_mount_tmpfs 4m "$data"
    mounted=1
    cp -a "$E2E_ROOT/prepared/." "$data/"
    mount -o remount,ro "$data"
    e2e_log "read-only file system"
else
    chmod 0444 "$data/Data.db" && chmod 0555 "$data"
    e2e_log "read-only folder and file"
fi
sum=$(sha256sum <"$data/Data.db")


e2e_start_app
e2e_wait_for 15 e2e_window_at "200 200 230 170" || e2e_fail "the stored note is not shown"
e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"
e2e_count_boxes 4
[ "$E2E_BOXES" = 1 ] || e2e_fail "$E2E_BOXES messages at start, not 1"
e2e_click_at 300 230
xdotool type --delay 20 "typed where nothing can be saved"
e2e_click_at 600 600 # the desktop: the note loses the activation
e2e_count_boxes 4
[ "$E2E_BOXES" = 1 ] || e2e_fail "$E2E_BOXES messages after typing, not 1"
kill -0 "$E2E_APP_PID" || e2e_fail "the program ended"
[ "$(sha256sum <"$data/Data.db")" = "$sum" ] || e2e_fail "Data.db changed"
e2e_end_app "SIGTERM on a read-only place"

if [ -n "$mounted" ]; then
    umount "$data"
    mounted=
else
    chmod 0700 "$data" && chmod 0600 "$data/Data.db"
fi
rm -f "$data/config.ini" && mkdir "$data/config.ini"
e2e_start_app
e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "a folder named config.ini kept the notepad away"
e2e_end_app "SIGTERM with a folder named config.ini"
