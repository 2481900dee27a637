#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Data.db that is not ours or cannot be read (not SQLite, another program's tables, damaged
# pages, cut short) is moved aside to Data.db.unreadable-YYYYMMDD-HHMMSS unchanged, the user is
# told where, and the new notes are saved in a new Data.db. A folder named Data.db is left
# where it is and the notes go to another file. Our own file with a newer version's extra
# table and column is used as it is, without a word.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

data=$(e2e_data_folder)
box_shown() { e2e_has_window 403x150; }

# A sound database of ours as the program makes it, with 40 notes of 2 KB each.
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_end_app
cp "$data/Data.db" "$E2E_ROOT/ours.db"
filler=$(head -c 2000 /dev/zero | tr '\0' 'n')
for i in $(seq 40); do
    echo "INSERT INTO Note(ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType) VALUES(0,'10,10','$filler','',255,3,1,0,0,'172,120','46000','46000','0',0,0);"
done | sqlite3 "$E2E_ROOT/ours.db"

make_case() {
    rm -rf "$data" && mkdir -m 0700 -p "$data"
    case $1 in
    garbage) head -c 30000 /dev/urandom >"$data/Data.db" ;;
    foreign) sqlite3 "$data/Data.db" "CREATE TABLE Photos(Id INTEGER PRIMARY KEY, Path TEXT);
                                       INSERT INTO Photos(Path) VALUES('/pictures/a.jpg');" ;;
    damaged) cp "$E2E_ROOT/ours.db" "$data/Data.db"
             # Page 3 overwritten: no b-tree page starts with 0xff.
             head -c 4096 /dev/zero | tr '\0' '\377' |
                 dd of="$data/Data.db" bs=4096 seek=2 conv=notrunc status=none ;;
    truncated) cp "$E2E_ROOT/ours.db" "$data/Data.db"
               truncate -s $(($(stat -c %s "$data/Data.db") / 2)) "$data/Data.db" ;;
    esac
}

type_new_note() {
    e2e_click_tray_icon 1
    e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "$1: the tray icon made no note"
    xdotool type --delay 20 "written after $1"
}

for kind in garbage foreign damaged truncated; do
    make_case "$kind"
    sum=$(sha256sum <"$data/Data.db")
    e2e_start_app
    e2e_wait_for 15 box_shown || e2e_fail "$kind: no message at start"
    e2e_screenshot "$kind-message"
    moved=("$data"/Data.db.unreadable-*)
    [ "${#moved[@]}" = 1 ] && [ -f "${moved[0]}" ] ||
        e2e_fail "$kind: not moved aside: $(ls -la "$data")"
    [[ $(basename "${moved[0]}") =~ ^Data\.db\.unreadable-[0-9]{8}-[0-9]{6}$ ]] ||
        e2e_fail "$kind: moved to ${moved[0]}"
    [ "$(sha256sum <"${moved[0]}")" = "$sum" ] || e2e_fail "$kind: the moved file was changed"
    grep -qF "moved an unreadable database aside to \"${moved[0]}\"" "$E2E_ARTIFACTS/velmarnotes.log" ||
        e2e_fail "$kind: the log does not name where the file went"
    e2e_answer_box
    type_new_note "$kind"
    e2e_wait_for 10 e2e_db_is "select count(*) from Note where Content='written after $kind'" 1 ||
        e2e_fail "$kind: the new note was not saved in the new Data.db: $(e2e_db 'select Content from Note')"
    [ "$(sha256sum <"${moved[0]}")" = "$sum" ] || e2e_fail "$kind: the moved file was written to"
    e2e_end_app "$kind"
done

# A folder where Data.db belongs: left alone, the notes go to Data-2.db.
rm -rf "$data" && mkdir -m 0700 -p "$data/Data.db" && echo keep >"$data/Data.db/inside"
e2e_start_app
e2e_wait_for 15 box_shown || e2e_fail "folder: no message at start"
e2e_answer_box
type_new_note folder
saved_in_other_file() {
    [ "$(sqlite3 "$data/Data-2.db" "select count(*) from Note where Content='written after folder'")" = 1 ]
}
e2e_wait_for 10 saved_in_other_file || e2e_fail "folder: the note was not saved in Data-2.db"
[ "$(cat "$data/Data.db/inside")" = keep ] || e2e_fail "folder: the folder was changed"
e2e_end_app folder

# A newer version's file: an extra table and an extra column are kept, and used as they are.
rm -rf "$data" && mkdir -m 0700 -p "$data"
cp "$E2E_ROOT/ours.db" "$data/Data.db"
sqlite3 "$data/Data.db" "CREATE TABLE Tags(Id INTEGER PRIMARY KEY, Name TEXT);
                         ALTER TABLE Note ADD COLUMN Pinned INTEGER DEFAULT 0;
                         UPDATE Note SET Type=1 WHERE Id=1;"
e2e_start_app
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "newer file: the tray icon did not appear"
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "newer file: its shown note did not open"
sleep 1
! box_shown || e2e_fail "newer file: a message was shown"
! ls "$data" | grep -q unreadable || e2e_fail "newer file: moved aside"
e2e_end_app "newer file"
