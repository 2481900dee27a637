# SPDX-License-Identifier: GPL-3.0-or-later
# Shared fixture of the end-to-end tests; source it from a test script.
# It gives the test its own X server (Xvfb on a display number it picks itself), a window
# manager (openbox), a tray host (tint2), a private D-Bus session bus and fresh XDG folders,
# and stops every process it started, by its id, when the script exits for any reason.
set -euo pipefail

E2E_NAME=$(basename "${BASH_SOURCE[1]}" .sh)
E2E_BIN=${VELMAR_BIN_DIR:?VELMAR_BIN_DIR must name the folder of the built programs}
E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/velmar-e2e.XXXXXX")
E2E_ARTIFACTS=${VELMAR_BUILD_DIR:-$E2E_ROOT}/e2e-artifacts/$E2E_NAME
E2E_PIDS=()
mkdir -p "$E2E_ARTIFACTS"

export XDG_DATA_HOME=$E2E_ROOT/data XDG_CONFIG_HOME=$E2E_ROOT/config
export XDG_RUNTIME_DIR=$E2E_ROOT/runtime XDG_CACHE_HOME=$E2E_ROOT/cache
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
export VELMAR_NO_ANIMATION=1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

e2e_log() { printf '[%s] %s\n' "$E2E_NAME" "$*" >&2; }
e2e_fail() {
    e2e_log "FAIL: $*"
    exit 1
}

# Remembers a background process so that cleanup stops it.
e2e_track() { E2E_PIDS+=("$1"); }

# e2e_mount_tmpfs SIZE DIR: mounts a memory file system of SIZE (mode 0700) on DIR, which
# cleanup unmounts again (needs root).
E2E_MOUNTS=()
e2e_mount_tmpfs() { mount -t tmpfs -o "size=$1,mode=0700" tmpfs "$2" && E2E_MOUNTS+=("$2"); }

e2e_cleanup() {
    local status=$?
    local pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
    done
    for mount in "${E2E_MOUNTS[@]}"; do umount -l "$mount" 2>/dev/null || true; done
    rm -rf "$E2E_ROOT"
    [ "$status" -eq 0 ] && e2e_log "passed" || e2e_log "failed (exit $status)"
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# e2e_wait_for SECONDS COMMAND...: polls the command every 0.1 s until it succeeds.
e2e_wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    for ((t = 0; t < tries; t++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Starts the desktop session: X server, D-Bus, window manager, tray host. The X server's id is
# in E2E_XVFB_PID.
e2e_start_desktop() {
    local geometry=${1:-1024x768x24}
    local fd_file=$E2E_ROOT/display
    Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$fd_file" \
        2>"$E2E_ARTIFACTS/xvfb.log" &
    E2E_XVFB_PID=$!
    e2e_track "$E2E_XVFB_PID"
    e2e_wait_for 10 test -s "$fd_file" || e2e_fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$fd_file")
    e2e_wait_for 10 xdpyinfo || e2e_fail "display $DISPLAY does not answer"

    local bus_file=$E2E_ROOT/bus
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$bus_file" \
        2>"$E2E_ARTIFACTS/dbus.log" &
    e2e_track $!
    e2e_wait_for 10 test -s "$bus_file" || e2e_fail "the D-Bus session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$bus_file")

    openbox --sm-disable >"$E2E_ARTIFACTS/openbox.log" 2>&1 &
    e2e_track $!
    e2e_wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        e2e_fail "openbox did not take the screen"

    tint2 -c "$(dirname "${BASH_SOURCE[0]}")/tint2rc" >"$E2E_ARTIFACTS/tint2.log" 2>&1 &
    e2e_track $!
    e2e_wait_for 10 xdotool search --classname tint2 ||
        e2e_fail "the tray host did not start"
    e2e_log "desktop on $DISPLAY"
}

# The welcome window shows at every start until its box is cleared, and stays on top of the
# windows a test drives: a test sees it only when it sets E2E_WELCOME=1. Otherwise the start
# finds IsShowWelcome=0 written beforehand (the data folder made as the program makes it).
e2e_hide_welcome() {
    local file
    file=$(e2e_data_folder)/config.ini
    mkdir -m 0700 -p "$(e2e_data_folder)"
    if [ -e "$file" ] && [ ! -f "$file" ]; then
        return 0 # a test that puts something else there sees the welcome window
    elif grep -qi '^IsShowWelcome' "$file" 2>/dev/null; then
        return 0
    elif grep -qi '^\[sysconfig\]' "$file" 2>/dev/null; then
        sed -i '/^\[sysconfig\]/I a IsShowWelcome=0' "$file"
    else
        printf '[sysconfig]\nIsShowWelcome=0\n' >>"$file"
    fi
}

# Starts velmarnotes in the background; its id is in E2E_APP_PID.
e2e_start_app() {
    [ "${E2E_WELCOME:-0}" = 1 ] || e2e_hide_welcome
    "$E2E_BIN/velmarnotes" >>"$E2E_ARTIFACTS/velmarnotes.log" 2>&1 &
    E2E_APP_PID=$!
    e2e_track "$E2E_APP_PID"
}

# e2e_expect_app_end [WHAT]: waits for the program started last to end and fails unless its
# exit code is 0; WHAT names the cause in the message.
e2e_expect_app_end() {
    local status
    set +e
    wait "$E2E_APP_PID"
    status=$?
    set -e
    [ "$status" -eq 0 ] || e2e_fail "${1:-the program} ended with $status"
}

# e2e_end_app [WHAT]: asks the program started last to end (SIGTERM) and fails unless it ends
# with exit code 0.
e2e_end_app() {
    kill -TERM "$E2E_APP_PID"
    e2e_expect_app_end "${1:-SIGTERM}"
}

e2e_data_folder() { echo "$XDG_DATA_HOME/VelmarNotes"; }

# e2e_db SQL: runs one statement on the program's Data.db and prints the rows, waiting a while
# when the program holds the database.
e2e_db() { sqlite3 -cmd ".timeout 2000" "$(e2e_data_folder)/Data.db" "$1"; }
# e2e_db_is SQL EXPECTED: whether the statement prints exactly EXPECTED.
e2e_db_is() { [ "$(e2e_db "$1")" = "$2" ]; }

e2e_screenshot() { import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null || true; }

# e2e_app_windows [WIDTHxHEIGHT]: one line "id left top width height" per mapped top-level
# window of velmarnotes (only those of that size when given), in screen coordinates.
e2e_app_windows() {
    local size=${1:-} id info
    for id in $(xdotool search --onlyvisible --classname '^velmarnotes$' 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        awk -v id="$id" -v size="$size" '
            /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
            /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 }
            END { if (size == "" || size == w "x" h) print id, x, y, w, h }' <<<"$info"
    done
}

# e2e_has_window WIDTHxHEIGHT: whether velmarnotes has a mapped window of that size.
e2e_has_window() { e2e_app_windows "$1" | grep -q .; }

# e2e_count_windows WIDTHxHEIGHT: how many mapped windows of that size velmarnotes has.
e2e_count_windows() { e2e_app_windows "$1" | wc -l; }

# e2e_window_geometry WINDOW: "left top width height" of a mapped window, in screen coordinates.
e2e_window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}

# e2e_window_at "LEFT TOP WIDTH HEIGHT": prints the id of velmarnotes' mapped window with that
# geometry; fails when there is none.
e2e_window_at() {
    local id left top width height
    while read -r id left top width height; do
        [ "$left $top $width $height" = "$1" ] && { echo "$id"; return 0; }
    done < <(e2e_app_windows)
    return 1
}

# e2e_click_at X Y [BUTTON]: moves the mouse there and clicks.
e2e_click_at() { xdotool mousemove --sync "$1" "$2" click "${3:-1}"; }

# e2e_click_tray_icon [BUTTON]: clicks the middle of the program's tray icon (24x24 in tint2rc).
# The tray host may re-dock the icon for a moment, so it is looked for until it is there.
e2e_click_tray_icon() {
    local id x y w h
    for _ in $(seq 100); do
        if read -r id x y w h < <(e2e_app_windows 24x24); then
            e2e_click_at $((x + w / 2)) $((y + h / 2)) "${1:-1}"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "no tray icon of velmarnotes"
}

# e2e_open_tray_menu: right-clicks the tray icon and waits for the main popup menu (188x258).
e2e_open_tray_menu() {
    e2e_click_tray_icon 3
    e2e_wait_for 10 e2e_has_window 188x258 || e2e_fail "the main menu did not open"
}

# e2e_answer_box: clicks OK of the program's message box (403x150) that is up, where a notice
# has its only button, and waits for the box to close.
e2e_answer_box() {
    local bx by
    read -r _ bx by _ _ < <(e2e_app_windows 403x150) || e2e_fail "no message box to answer"
    e2e_click_at $((bx + 333)) $((by + 123))
    e2e_wait_for 5 sh -c "! xwininfo -root -tree | grep -q ' 403x150+'" ||
        e2e_fail "the message box did not close on OK"
}

# e2e_count_boxes SECONDS: answers every message box that appears within SECONDS and adds their
# number to E2E_BOXES.
E2E_BOXES=0
e2e_count_boxes() {
    local end=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$end" ]; do
        if e2e_has_window 403x150; then
            E2E_BOXES=$((E2E_BOXES + 1))
            e2e_answer_box
        fi
        sleep 0.2
    done
}
