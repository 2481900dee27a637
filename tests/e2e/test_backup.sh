#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program makes the day's backup of Data.db when it starts (readable by its owner only), and
# `velmar-cli backup FILE` run again and again while notes are being made and typed gives copies
# that SQLite finds sound, while every note's text still reaches Data.db.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

data=$(e2e_data_folder)
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
daily=$data/backups/Data-$(date +%F).db
e2e_wait_for 10 test -s "$daily" || e2e_fail "no daily backup at start: $(ls -la "$data" "$data/backups" 2>&1)"
[ "$(stat -c %a "$daily")" = 600 ] || e2e_fail "the daily backup has mode $(stat -c %a "$daily")"
[ "$(sqlite3 "$daily" 'pragma integrity_check')" = ok ] || e2e_fail "the daily backup is not sound"

# Notes are made and typed into while copies are taken; every new note makes the one before it
# lose the activation, which stores its text.
(
    for i in $(seq 4); do
        e2e_click_tray_icon 1
        xdotool type --delay 10 "note $i typed during a backup"
    done
    e2e_click_at 150 600 # the desktop: the last note loses the activation too
) &
typing=$!
e2e_track "$typing"
copies=0
while kill -0 "$typing" 2>/dev/null; do
    copies=$((copies + 1))
    "$E2E_BIN/velmar-cli" backup "$E2E_ROOT/copy-$copies.db" >/dev/null ||
        e2e_fail "velmar-cli backup failed while notes were typed"
    sleep 0.3
done
wait "$typing" || e2e_fail "typing into the notes failed"
[ "$copies" -ge 2 ] || e2e_fail "only $copies copies were taken while typing"

for ((i = 1; i <= copies; i++)); do
    copy=$E2E_ROOT/copy-$i.db
    [ "$(sqlite3 "$copy" 'pragma integrity_check')" = ok ] || e2e_fail "copy $i is not sound"
    sqlite3 "$copy" 'select count(*) from Note' >/dev/null || e2e_fail "copy $i holds no notes"
done
e2e_log "$copies sound copies"
all_typed() {
    [ "$(sqlite3 "$data/Data.db" "select count(*) from Note where Content like 'note _ typed during a backup'")" = 4 ]
}
e2e_wait_for 10 all_typed ||
    e2e_fail "a note's text was lost: $(sqlite3 "$data/Data.db" 'select Id, Content from Note')"
kill -TERM "$E2E_APP_PID"
e2e_expect_app_end
