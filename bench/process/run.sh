#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up with many notes: the real velmarnotes against a floor program of ours
# (bench_floor_windows: N frameless top-level windows, each with a QTextEdit holding the same
# text), both started under a private Xvfb + openbox desktop.
#
# For each count of notes (1, 50, 200) and each program it measures, from outside the process:
#   map time   from the start of the process until all N note windows (172x120) are viewable;
#   peak       the peak resident memory (VmHWM) at the end of the run;
#   idle CPU   the CPU time the process spends in the IDLE_SECONDS after the last window appeared;
#   start CPU  the CPU time the process spent until the last window appeared;
#   X CPU      the CPU time the X server (Xvfb) spent from the start of the process to the end of
#              the idle time: what the windows cost the display server (requests, clipping,
#              painting), read from /proc like the process's own.
# It prints one Markdown table with the medians of REPEAT runs and the ratios program / floor.
#
# usage: bench/process/run.sh [BUILD_DIR]        (default BUILD_DIR: build beside this script's
#        repository; it is configured when missing, and the three programs are built first)
# environment: COUNTS ("1 50 200"), REPEAT (3), IDLE_SECONDS (10), MAP_TIMEOUT (60 seconds)
set -euo pipefail

SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=$(realpath -m "${1:-$SOURCE_DIR/build}")
COUNTS=${COUNTS:-"1 50 200"}
REPEAT=${REPEAT:-3}
IDLE_SECONDS=${IDLE_SECONDS:-10}
MAP_TIMEOUT=${MAP_TIMEOUT:-60}
NOTE_TEXT=$SOURCE_DIR/bench/process/note.txt
NOTE_GEOMETRY=172x120 # the size every note row and floor window has (NoteGrid.h)

[ -f "$BUILD_DIR/CMakeCache.txt" ] || cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target velmarnotes bench_floor_windows bench_notes_db -- -j2 >/dev/null

export VELMAR_BIN_DIR=$BUILD_DIR/bin VELMAR_BUILD_DIR=$BUILD_DIR/bench-process
# The end-to-end fixture gives the private desktop and stops what it started on exit.
source "$SOURCE_DIR/tests/e2e/fixture.sh"
unset VELMAR_NO_ANIMATION # the fixture turns animations off for tests; users have them on
e2e_start_desktop 1280x1024x24
CLOCK_TICKS=$(getconf CLK_TCK)

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Reads the root window's substructure events (xev) and prints one line once `n` top-level
# windows of the note size have been mapped: the window manager's frame of each note is a child
# of the root, configured to the note's size before it is mapped. Watching events costs the
# measured process nothing, unlike polling the window tree of 200 windows.
# shellcheck disable=SC2016 # an awk program, not shell
MAP_WATCH='
/^[A-Za-z]+ event,/ { type = $1; next }
/^    / && match($0, /window 0x[0-9a-f]+/) {
    win = substr($0, RSTART + 7, RLENGTH - 7)
    if ((type == "CreateNotify" || type == "ConfigureNotify") &&
        match($0, /width [0-9]+, height [0-9]+/)) {
        split(substr($0, RSTART, RLENGTH), f, /[ ,]+/)
        size[win] = f[2] "x" f[4]
    } else if (type == "MapNotify" && size[win] == want && !(win in shown)) {
        shown[win] = 1
        if (++count >= n) { print "mapped"; fflush(); exit }
    } else if (type == "UnmapNotify" && (win in shown)) {
        delete shown[win]
        count--
    }
}'

# Starts the watcher for `count` note windows; its line arrives on file descriptor MAPS.
# (mawk reads a pipe line by line only when interactive; otherwise it waits for a full buffer.)
start_map_watch() {
    local count=$1 folder=$2
    mkfifo "$folder/maps"
    (
        echo "$BASHPID" >"$folder/xev.pid"
        exec stdbuf -oL xev -root -event substructure 2>/dev/null
    ) | mawk -W interactive -v n="$count" -v want="$NOTE_GEOMETRY" "$MAP_WATCH" >"$folder/maps" &
    e2e_track $!
    exec {MAPS}<"$folder/maps"
    e2e_wait_for 5 test -s "$folder/xev.pid" || e2e_fail "xev did not start"
    e2e_track "$(cat "$folder/xev.pid")"
    sleep 0.3 # until xev has selected the root window's events
}

stop_map_watch() {
    exec {MAPS}<&-
    stop_process "$(cat "$1/xev.pid")"
}

cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

stop_process() {
    kill -TERM "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# A fresh set of XDG folders for one run; for velmarnotes also its Data.db with N notes and a
# config.ini that skips the first-run welcome window.
prepare_run() {
    local program=$1 count=$2 folder=$3
    mkdir -p "$folder/data" "$folder/config"
    mkdir -m 0700 "$folder/runtime"
    if [ "$program" = velmarnotes ]; then
        "$E2E_BIN/bench_notes_db" "$folder/data/VelmarNotes" "$count" "$NOTE_TEXT" \
            2>"$folder/prepare.log"
        printf '[sysconfig]\nIsShowWelcome=0\n' >"$folder/data/VelmarNotes/config.ini"
    fi
}

# Runs one program once with `count` notes; adds "program count map_ms peak_kb idle_cpu_ms
# start_cpu_ms x_cpu_ms" to the results, with "-" for the map time when not all windows appeared
# within MAP_TIMEOUT.
measure_run() {
    local program=$1 count=$2 folder=$3
    local command=("$E2E_BIN/velmarnotes")
    [ "$program" = floor ] && command=("$E2E_BIN/bench_floor_windows" "$count" "$NOTE_TEXT")
    prepare_run "$program" "$count" "$folder"

    local start pid map_ms=- x_before
    start_map_watch "$count" "$folder"
    x_before=$(cpu_ticks "$E2E_XVFB_PID")
    start=$(now_ms)
    XDG_DATA_HOME=$folder/data XDG_CONFIG_HOME=$folder/config XDG_RUNTIME_DIR=$folder/runtime \
        "${command[@]}" >"$folder/output.log" 2>&1 &
    pid=$!
    e2e_track "$pid"
    if read -r -t "$MAP_TIMEOUT" -u "$MAPS" _; then
        map_ms=$(($(now_ms) - start))
    else
        e2e_log "$program with $count notes: not all windows appeared within $MAP_TIMEOUT s"
    fi
    stop_map_watch "$folder"

    local idle_ms=- peak_kb=- start_cpu_ms=- x_cpu_ms=-
    if kill -0 "$pid" 2>/dev/null; then
        local before
        before=$(cpu_ticks "$pid")
        start_cpu_ms=$((before * 1000 / CLOCK_TICKS))
        sleep "$IDLE_SECONDS"
        idle_ms=$((($(cpu_ticks "$pid") - before) * 1000 / CLOCK_TICKS))
        peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
        x_cpu_ms=$((($(cpu_ticks "$E2E_XVFB_PID") - x_before) * 1000 / CLOCK_TICKS))
    fi
    stop_process "$pid"
    echo "$program $count $map_ms $peak_kb $idle_ms $start_cpu_ms $x_cpu_ms" >>"$results"
}

# The median of the numbers on standard input ("-" when any run had none).
median() {
    sort -n | awk '{ v[NR] = $1 } $1 == "-" { missing = 1 }
        END { if (missing || NR == 0) print "-"; else print v[int((NR + 1) / 2)] }'
}

ratio() {
    if [ "$1" = - ] || [ "$2" = - ]; then echo -; else awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; fi
}
megabytes() {
    if [ "$1" = - ]; then echo -; else awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; fi
}

results=$E2E_ROOT/results
for count in $COUNTS; do
    for program in velmarnotes floor; do
        for ((run = 1; run <= REPEAT; run++)); do
            e2e_log "$program, $count notes, run $run of $REPEAT"
            measure_run "$program" "$count" "$E2E_ROOT/$program-$count-$run"
        done
    done
done
cp "$results" "$E2E_ARTIFACTS/results.txt"

column_of() { awk -v p="$1" -v n="$2" -v c="$3" '$1 == p && $2 == n { print $c }' "$results" | median; }

echo
echo "Start-up with N desktop notes: median of $REPEAT runs; X CPU from the start to the end of the idle time, start CPU until the last window appeared, idle CPU over ${IDLE_SECONDS} s after it"
echo
echo "| notes | map time velmarnotes | map time floor | ratio | peak velmarnotes | peak floor | ratio | X CPU velmarnotes | X CPU floor | ratio | start CPU velmarnotes | start CPU floor | idle CPU velmarnotes | idle CPU floor |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
for count in $COUNTS; do
    app_map=$(column_of velmarnotes "$count" 3) floor_map=$(column_of floor "$count" 3)
    app_peak=$(column_of velmarnotes "$count" 4) floor_peak=$(column_of floor "$count" 4)
    app_idle=$(column_of velmarnotes "$count" 5) floor_idle=$(column_of floor "$count" 5)
    app_cpu=$(column_of velmarnotes "$count" 6) floor_cpu=$(column_of floor "$count" 6)
    app_x=$(column_of velmarnotes "$count" 7) floor_x=$(column_of floor "$count" 7)
    echo "| $count | $app_map ms | $floor_map ms | $(ratio "$app_map" "$floor_map") |" \
        "$(megabytes "$app_peak") MB | $(megabytes "$floor_peak") MB | $(ratio "$app_peak" "$floor_peak") |" \
        "$app_x ms | $floor_x ms | $(ratio "$app_x" "$floor_x") |" \
        "$app_cpu ms | $floor_cpu ms | $app_idle ms | $floor_idle ms |"
done
