#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A full disk (a small file system mounted for the test, which needs root): typing into a note
# tells the user once; a note added meanwhile is not shown as if it existed; once space is
# freed, everything typed is saved without another word.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
if [ "$(id -u)" != 0 ]; then
    e2e_log "skipped: mounting a small file system needs root"
    exit 0
fi
e2e_start_desktop

data=$(e2e_data_folder)
mkdir -p "$data"
e2e_mount_tmpfs 1m "$data" || e2e_fail "cannot mount a small file system"


e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_click_tray_icon 1
e2e_wait_for 10 e2e_db_is "select count(*) from Note" 1 || e2e_fail "the new note has no row"
xdotool type --delay 20 "before "
e2e_wait_for 10 e2e_db_is "select Content from Note" "before " || e2e_fail "no save before the disk filled"

dd if=/dev/zero of="$data/filler" bs=4k status=none 2>/dev/null || true
xdotool type --delay 20 "typed on a full disk"
e2e_count_boxes 5
[ "$E2E_BOXES" = 1 ] || e2e_fail "$E2E_BOXES messages on a full disk, not 1"
e2e_db_is "select Content from Note" "before " || e2e_fail "a save on a full disk claims success"

# A new note: no row, so no window that looks like a note.
e2e_click_tray_icon 1
e2e_count_boxes 3
[ "$E2E_BOXES" = 2 ] || e2e_fail "the note that could not be added said nothing ($E2E_BOXES messages)"
[ "$(e2e_count_windows 172x120)" = 1 ] || e2e_fail "a note without a row is shown"
# Back into the first note: more text, no more messages.
e2e_click_at 400 300
xdotool key ctrl+End
xdotool type --delay 20 " and more"
e2e_count_boxes 3
[ "$E2E_BOXES" = 2 ] || e2e_fail "the full disk was reported again ($E2E_BOXES messages)"

rm -f "$data/filler"
e2e_wait_for 20 e2e_db_is "select Content from Note" "before typed on a full disk and more" ||
    e2e_fail "the text was not saved when space was back: $(e2e_db 'select Content from Note')"
[ "$(e2e_db 'pragma integrity_check')" = ok ] || e2e_fail "Data.db is damaged"
e2e_end_app
