#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop notes at start: a Data.db with four notes (shown with Chinese rich-edit text,
# minimised, trashed, on top) opens two note windows at their stored geometry, one 35x32 tile
# and nothing for the trashed note. Dragging a title strip writes Position once, to where the
# window is; typing into a note and clicking elsewhere stores Content and Rtf; Ctrl+W puts a
# note on top and Ctrl+Q turns it into its tile.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop 1024x768x24

db=$(e2e_data_folder)/Data.db
rtf_file=${VELMAR_SOURCE_DIR:?}/tests/data/notes/chinese_gb2312.rtf

# The program's first start creates Data.db with its own schema statements.
e2e_start_app
tables_at_least() { [ "$(e2e_db "select count(*) from sqlite_master where type='table'" 2>/dev/null)" -ge "$1" ]; }
e2e_wait_for 10 tables_at_least 4 || e2e_fail "Data.db was not created"
# Ended once it runs (the tray icon shows), when it answers SIGTERM by saving and ending.
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_end_app

rtf=$(sed "s/'/''/g" "$rtf_file")
sqlite3 "$db" <<SQL
INSERT INTO Note(Id,ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)
VALUES (1,0,'120,140','old text','$rtf',8454143,1,1,0,0,'230,170','46000','46000','0',0,0),
       (2,0,'500,100','minimised','',16744448,2,1,0,0,'172,120','46000','46000','0',0,0),
       (3,0,'300,420','trashed','',255,3,1,0,0,'200,150','46000','46000','0',0,0),
       (4,0,'620,380','on top','',12615680,1,1,1,0,'190,140','46000','46000','0',0,0);
-- Every write of Position is logged, so the test sees how often it was written.
CREATE TABLE PositionLog(Seq INTEGER PRIMARY KEY, NoteId INTEGER, Value TEXT);
CREATE TRIGGER LogPosition AFTER UPDATE OF Position ON Note
BEGIN INSERT INTO PositionLog(NoteId, Value) VALUES(new.Id, new.Position); END;
SQL

e2e_start_app

e2e_wait_for 15 e2e_window_at "120 140 230 170" || e2e_fail "the shown note is not at 120,140 230x170"
e2e_wait_for 5 e2e_window_at "620 380 190 140" || e2e_fail "the on-top note is not at 620,380 190x140"
e2e_wait_for 5 e2e_window_at "500 100 35 32" || e2e_fail "no 35x32 tile at 500,100"
shown=$(e2e_window_at "120 140 230 170")
ontop=$(e2e_window_at "620 380 190 140")
[ "$(e2e_count_windows 200x150)" = 0 ] || e2e_fail "a window opened for the trashed note"
[ "$(e2e_count_windows 172x120)" = 0 ] || e2e_fail "the minimised note opened as a window"
xprop -id "$ontop" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    e2e_fail "the on-top note does not stay above: $(xprop -id "$ontop" _NET_WM_STATE)"
sleep 0.5
e2e_screenshot notes-at-start

# Drag the shown note by its title strip.
xdotool mousemove 200 150 mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((200 + step * 10)) $((150 + step * 15)); sleep 0.05; done
xdotool mouseup 1
position_written() { [ "$(e2e_db 'select count(*) from PositionLog')" -ge 1 ]; }
e2e_wait_for 5 position_written || e2e_fail "the drag wrote no Position"
read -r x y _ _ <<<"$(e2e_window_geometry "$shown")"
[ "$x,$y" = "180,230" ] || e2e_fail "the note is at $x,$y after the drag, not 180,230"
writes=$(e2e_db "select NoteId || ':' || Value from PositionLog" | tr '\n' ' ')
[ "$writes" = "1:180,230 " ] || e2e_fail "Position writes after one drag: $writes"

# Type into the on-top note, then click into the other note: the text is stored.
xdotool mousemove 700 450 click 1
sleep 0.3
xdotool type --delay 20 "typed by xdotool "
xdotool mousemove 250 300 click 1
content_has() { e2e_db "select Content from Note where Id=$1" | grep -q "$2"; }
e2e_wait_for 10 content_has 4 'typed by xdotool' ||
    e2e_fail "Content after typing: $(e2e_db 'select Content from Note where Id=4')"
rtf4=$(e2e_db 'select Rtf from Note where Id=4')
[[ $rtf4 == '{\rtf1'*'typed by xdotool'* ]] ||
    e2e_fail "Rtf after typing: $rtf4"
content1=$(e2e_db 'select Content from Note where Id=1')
[ "$content1" = "old text" ] || e2e_fail "the unchanged note's Content was rewritten: $content1"
e2e_screenshot notes-after-typing

# The note that has the focus now (note 1): Ctrl+W keeps it above, Ctrl+Q makes it a tile.
xdotool key ctrl+w
e2e_wait_for 5 sh -c "xprop -id $shown _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
    e2e_fail "Ctrl+W did not keep the note above: $(xprop -id "$shown" _NET_WM_STATE)"
[ "$(e2e_db 'select Type3, ParentId from Note where Id=1')" = "1|0" ] ||
    e2e_fail "Ctrl+W stored $(e2e_db 'select Type3, ParentId from Note where Id=1')"
xdotool key ctrl+q
e2e_wait_for 5 e2e_window_at "180 230 35 32" || e2e_fail "Ctrl+Q showed no tile at 180,230"
[ "$(e2e_db 'select Type from Note where Id=1')" = 2 ] || e2e_fail "Ctrl+Q did not store Type 2"
[ "$(e2e_count_windows 230x170)" = 0 ] || e2e_fail "the minimised note is still mapped"
