#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reminders that ring, heard for real. A PulseAudio null sink takes what libcanberra plays and
# parec records its monitor; sox says whether a recording is silent. A notifications service of
# our own and dbus-monitor watch the test's private session bus.
#
# 1. A Data.db with a note due a minute ago: within a few seconds of the start the notepad's red
#    clock, the second (red) tray icon and the note's due picture show, a notification with the
#    note's first line reaches the bus, and the chime is heard and repeats every RepeatTime
#    seconds. A click on the red tray icon hides both indicators and nothing sounds for
#    RepeatTime + 5 seconds. The notification's "Show" brings the minimised note back.
# 2. A reminder set one minute ahead through the Set Reminder panel rings when it falls due.
# 3. Ended while its chime plays, five times over, the program ends with exit code 0.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"

e2e_skip() {
    e2e_log "SKIPPED: $*"
    exit 77
}
for tool in pulseaudio pactl parec sox dbus-monitor import convert sqlite3; do
    command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done
notifyd=$E2E_BIN/velmar_fake_notifyd
[ -x "$notifyd" ] || e2e_fail "$notifyd is not built"

e2e_start_desktop 1024x768x24

repeat_seconds=3
# Every check that follows a start allows this long; the log tells how long it took.
deadline=5

# --- the session's sound server, notifications service and bus monitor ----------------------
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=vn" --load=module-native-protocol-unix \
    >"$E2E_ARTIFACTS/pulseaudio.log" 2>&1 &
e2e_track $!
e2e_wait_for 10 pactl info || e2e_skip "no PulseAudio server could start here (see pulseaudio.log)"
pactl set-default-sink vn

mkfifo "$E2E_ROOT/notifyd.in"
"$notifyd" <"$E2E_ROOT/notifyd.in" >"$E2E_ARTIFACTS/notifications.log" \
    2>"$E2E_ARTIFACTS/notifyd.err" &
e2e_track $!
exec 7>"$E2E_ROOT/notifyd.in" # held open, so the service keeps reading its commands
e2e_wait_for 10 grep -q ready "$E2E_ARTIFACTS/notifyd.err" ||
    e2e_fail "the notifications service did not start: $(cat "$E2E_ARTIFACTS/notifyd.err")"

dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$E2E_ARTIFACTS/dbus-monitor.log" 2>&1 &
e2e_track $!

# --- helpers ----------------------------------------------------------------------------------

# red_share X Y W H: the share of clearly red pixels in that part of the screen (the due
# pictures are red, nothing else the program draws is).
red_share() {
    import -window root png:- 2>/dev/null |
        convert png:- -crop "${3}x${4}+${1}+${2}" +repage \
            -fx '(r>0.55 && g<0.4 && b<0.4) ? 1 : 0' -format '%[fx:mean]' info:
}
is_red() { awk -v share="$(red_share "$@")" 'BEGIN { exit !(share > 0.03) }'; }

notepad_clock_red() {
    local left top
    read -r _ left top _ _ < <(e2e_app_windows 84x61) || return 1
    is_red $((left + 61)) $((top + 37)) 20 24
}

# The program's tray icons, "id left top" each, and the red one among them.
tray_icons() { e2e_app_windows 24x24 | awk '{print $1, $2, $3}'; }
red_tray_icon() {
    local id left top
    while read -r id left top; do
        is_red "$left" "$top" 24 24 && { echo "$id $left $top"; return 0; }
    done < <(tray_icons)
    return 1
}
tray_icon_count_is() { [ "$(tray_icons | wc -l)" = "$1" ]; }

# note_clock_red LEFT TOP WIDTH: the due picture at the note's top right.
note_clock_red() { is_red $(($1 + $3 - 29)) $(($2 + 6)) 20 24; }

# record SECONDS NAME: records the sink's monitor that long into NAME.wav.
record() {
    parec -d vn.monitor --file-format=wav "$E2E_ARTIFACTS/$2.wav" &
    local pid=$!
    sleep "$1"
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
}
# loudest NAME: the largest amplitude (0 to 1) in NAME.wav.
loudest() { sox "$E2E_ARTIFACTS/$1.wav" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}'; }
is_heard() { awk -v peak="$(loudest "$1")" 'BEGIN { exit !(peak > 0.01) }'; }
is_silent() { awk -v peak="$(loudest "$1")" 'BEGIN { exit !(peak < 0.001) }'; }

notified() { grep -q "^notify .* $1|" "$E2E_ARTIFACTS/notifications.log"; }
notification_id() { awk -v title="$1" 'index($0, " " title "|") { print $2; exit }' \
    "$E2E_ARTIFACTS/notifications.log"; }
monitor_saw() { grep -q "string \"$1\"" "$E2E_ARTIFACTS/dbus-monitor.log"; }
# Whether a sound is playing into the sink now.
sound_playing() { [ -n "$(pactl list short sink-inputs)" ]; }

# NTime text of now plus an offset such as '-60 seconds' ('.' as the decimal separator, which
# the program reads in any locale).
ntime() {
    sqlite3 :memory: "select printf('%.10f', julianday('now', 'localtime', '$1') - julianday('1899-12-30'))"
}

seconds_since() { echo $(($(date +%s) - $1)); }

# --- Data.db and config.ini -------------------------------------------------------------------

# The first start creates Data.db with the program's own schema statements.
e2e_start_app
tables_at_least() { [ "$(e2e_db "select count(*) from sqlite_master where type='table'" 2>/dev/null)" -ge "$1" ]; }
e2e_wait_for 10 tables_at_least 4 || e2e_fail "Data.db was not created"
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the tray icon did not appear"
e2e_end_app

e2e_db "INSERT INTO Note(Id,ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,
    CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)
    VALUES (1,0,'200,150','Call the bakery','',8454143,1,2,0,0,'200,150','46000','46000',
            '$(ntime '-60 seconds')',0,0)"
printf '[sysconfig]\nRepeatTime=%s\n' "$repeat_seconds" >>"$(e2e_data_folder)/config.ini"

# --- 1. due while the program was closed ------------------------------------------------------

parec -d vn.monitor --file-format=wav "$E2E_ARTIFACTS/first.wav" &
first_recording=$!
started=$(date +%s)
e2e_start_app
e2e_wait_for $deadline notepad_clock_red || e2e_fail "the notepad shows no red clock"
e2e_wait_for $deadline tray_icon_count_is 2 || e2e_fail "no second tray icon: $(tray_icons)"
e2e_wait_for $deadline red_tray_icon || e2e_fail "neither tray icon is the red clock"
e2e_wait_for $deadline note_clock_red 200 150 200 || e2e_fail "the note shows no due picture"
e2e_wait_for $deadline notified "Call the bakery" ||
    e2e_fail "no notification: $(cat "$E2E_ARTIFACTS/notifications.log")"
monitor_saw "Call the bakery" || e2e_fail "dbus-monitor saw no Notify call"
e2e_log "indicators, due picture and notification $(seconds_since "$started") s after the start"
e2e_screenshot due_at_start
sleep 1
kill -TERM "$first_recording"
wait "$first_recording" 2>/dev/null || true
is_heard first || e2e_fail "the chime was not heard (loudest $(loudest first))"

record $((repeat_seconds + 1)) repeating
is_heard repeating || e2e_fail "the sound did not repeat (loudest $(loudest repeating))"

read -r _ icon_left icon_top < <(red_tray_icon)
e2e_click_at $((icon_left + 12)) $((icon_top + 12))
e2e_wait_for $deadline tray_icon_count_is 1 || e2e_fail "the red tray icon stayed after its click"
! notepad_clock_red || e2e_fail "the notepad's red clock stayed after the click"
# The click cuts a chime under way short; what the sound server had buffered still plays out.
sleep 0.5
record $((repeat_seconds + 5)) acknowledged
is_silent acknowledged || e2e_fail "the sound went on after the click (loudest $(loudest acknowledged))"
e2e_screenshot acknowledged
# The click opened the reminder list at the due note; put it out of the note's way.
reminder_list=$(xdotool search --onlyvisible --name '^Reminder List$' | head -n 1)
[ -n "$reminder_list" ] || e2e_fail "the click opened no reminder list"
xdotool windowminimize --sync "$reminder_list"
note_clock_red 200 150 200 || e2e_fail "the note lost its due picture on acknowledging"

# "Show" on the notification brings the minimised note back.
e2e_click_at 300 250 # into the note's text
xdotool key ctrl+q
e2e_wait_for 10 e2e_db_is "select Type from Note where Id=1" 2 || e2e_fail "Ctrl+Q did not minimise the note"
e2e_wait_for 10 e2e_has_window 35x32 || e2e_fail "the note's tile did not appear"
echo "click $(notification_id 'Call the bakery') show" >&7
e2e_wait_for 10 e2e_has_window 200x150 || e2e_fail "Show did not bring the note back"
e2e_wait_for 10 e2e_db_is "select Type from Note where Id=1" 1 || e2e_fail "the shown note is not stored as shown"

e2e_end_app

# --- 2. a reminder set one minute ahead in the Set Reminder panel ------------------------------

# The first note's reminder is cleared; the second's is tomorrow at the time of day a minute
# from now.
expected_due=$(ntime '+60 seconds')
tomorrow=$(awk -v due="$expected_due" 'BEGIN { printf "%.10f", due + 1 }')
e2e_db "UPDATE Note SET Type2=1 WHERE Id=1"
e2e_db "INSERT INTO Note(Id,ParentId,Position,Content,Rtf,Color,Type,Type2,Type3,NoteType,Size,
    CreateTime,ModifyTime,NTime,TimeOut,TimeOutType)
    VALUES (2,0,'100,300','Water the plants','',16744448,1,2,0,0,'200,150','46000','46000',
            '$tomorrow',0,0)"

e2e_start_app
e2e_wait_for 10 e2e_window_at "100 300 200 150" || e2e_fail "the second note did not open"
! note_clock_red 100 300 200 || e2e_fail "tomorrow's reminder shows the due picture"
e2e_click_at $((100 + 200 - 29 + 10)) $((300 + 6 + 12)) # the note's clock
e2e_wait_for $deadline e2e_has_window 440x281 || e2e_fail "the clock opened no Set Reminder panel"
read -r _ panel_left panel_top _ _ < <(e2e_app_windows 440x281)
[ "$panel_left,$panel_top" = "302,300" ] || e2e_fail "the panel is at $panel_left,$panel_top"
e2e_screenshot set_reminder_panel
# The date picker's first section, one day back: today, a minute from now.
e2e_click_at $((panel_left + 12 + 12 + 8)) $((panel_top + 132 + 26 + 11))
xdotool key Home Down
e2e_click_at $((panel_left + 325 + 44)) $((panel_top + 239 + 12)) # OK
panel_closed() { ! e2e_has_window 440x281; }
e2e_wait_for $deadline panel_closed || e2e_fail "OK did not close the panel"
stored=$(e2e_db "SELECT NTime FROM Note WHERE Id=2")
awk -v stored="$stored" -v expected="$expected_due" \
    'BEGIN { d = stored - expected; exit !(d < 0.0007 && d > -0.0007) }' ||
    e2e_fail "stored NTime $stored, expected about $expected_due"

parec -d vn.monitor --file-format=wav "$E2E_ARTIFACTS/second.wav" &
second_recording=$!
# Due in a minute and checked every 30 s.
e2e_wait_for 100 notified "Water the plants" || e2e_fail "the reminder set in the panel did not ring"
# The notification came first; on a loaded machine the tray host takes a while to show the
# indicator again.
e2e_wait_for 10 red_tray_icon || e2e_fail "no red tray icon for the second reminder"
e2e_wait_for 10 note_clock_red 100 300 200 || e2e_fail "the second note shows no due picture"
sleep 1
kill -TERM "$second_recording"
wait "$second_recording" 2>/dev/null || true
is_heard second || e2e_fail "the second reminder was not heard (loudest $(loudest second))"
e2e_screenshot second_due
e2e_end_app

# --- 3. ending while the chime plays ----------------------------------------------------------

# The output driver plays each sound on a thread of its own, which must not be pulled from
# under it as the program ends.
e2e_db "UPDATE Note SET NTime='$(ntime '-60 seconds')',Type2=2 WHERE Id=1"
for round in 1 2 3 4 5; do
    e2e_start_app
    e2e_wait_for $deadline sound_playing || e2e_fail "no chime at start $round"
    e2e_end_app "SIGTERM while the chime played (start $round)"
done
