#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the welcome window's six slides, resources/welcome/wl_*.jpg (356x228, a picture and a
# caption each), from our own program: velmarnotes runs under a private Xvfb with fresh data
# folders, xdotool makes and fills a note and opens the main menu, and ImageMagick grabs those
# windows and lays them out. Run it again whenever the windows change.
#
# The note editor's palette, the memoboard window and the find, reminder and trash lists are
# drawn here as simplified pictures in the program's colours (draw_* below); once those windows
# exist, grab them like the note and the menu instead.
#
# Needs: a built velmarnotes, Xvfb, xdotool, xwininfo, ImageMagick (import, convert).
# Usage: resources/tools/make_welcome_slides.sh [BUILD_DIR]   (default: build)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build_dir=${1:-$source_dir/build}
program=$build_dir/bin/velmarnotes
out=$source_dir/resources/welcome
[ -x "$program" ] || { echo "no program at $program: build velmarnotes first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export VELMAR_NO_ANIMATION=1
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -m 0700 -p "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/VelmarNotes" "$XDG_CONFIG_HOME"
# No welcome window over the windows being grabbed.
printf '[sysconfig]\nIsShowWelcome=0\n' >"$XDG_DATA_HOME/VelmarNotes/config.ini"

wait_for() { # SECONDS COMMAND...
    for ((t = 0; t < $1 * 10; t++)); do "${@:2}" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# A white root, so that the rounded corners of a grabbed window are white as on the slide.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -wr 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/display"
export DISPLAY=:$(head -n1 "$work/display")
"$program" >"$work/velmarnotes.log" 2>&1 &
pids+=($!)

# The id of velmarnotes' mapped window of that size, and its place.
window_of_size() { # WIDTHxHEIGHT
    local id
    for id in $(xdotool search --onlyvisible --classname '^velmarnotes$' 2>/dev/null); do
        xwininfo -id "$id" | awk -v id="$id" -v size="$1" '
            /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
            /^ *Width:/ {w=$2} /^ *Height:/ {h=$2}
            END {if (w "x" h == size) {print id, x, y; found=1} exit !found}' && return 0
    done
    return 1
}
grab() { # WIDTHxHEIGHT FILE
    local id x y
    wait_for 10 window_of_size "$1" || {
        echo "no window of $1; the program wrote:" >&2
        cat "$work/velmarnotes.log" >&2
        exit 1
    }
    read -r id x y < <(window_of_size "$1")
    import -window root -crop "$1+$x+$y" +repage "$2"
}

grab 84x61 "$work/notepad.png"
read -r _ pad_x pad_y < <(window_of_size 84x61)
xdotool mousemove --sync $((pad_x + 38)) $((pad_y + 26)) click 1 # the add button
grab 172x120 "$work/note_new.png"
xdotool type --delay 30 "Shopping: milk, bread"
xdotool key Return
xdotool type --delay 30 "Call Anna at five"
sleep 0.5
grab 172x120 "$work/note_text.png"
xdotool mousemove --sync $((pad_x + 73)) $((pad_y + 20)) click 1 # the menu button
grab 188x258 "$work/menu.png"

font=DejaVu-Sans
bold=DejaVu-Sans-Bold
ink='#46626A'
teal='#2E7F95'
frame='#B5C8CD'

# A window of the program, simplified: white body, title strip with its title, frame.
draw_window() { # WIDTH HEIGHT TITLE FILE [DRAW...]
    local w=$1 h=$2 title=$3 file=$4
    shift 4
    convert -size "${w}x${h}" xc:white \
        -fill '#E4EDEF' -draw "rectangle 0,0 $((w - 1)),20" \
        -fill none -stroke "$frame" -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) 4,4" \
        -stroke none -fill "$ink" -font "$bold" -pointsize 10 -annotate +8+14 "$title" \
        -font "$font" "$@" "$file"
}

# A list window with a header row and rows of text.
draw_list() { # WIDTH TITLE FILE ROW...
    local w=$1 title=$2 file=$3 y=48 args=()
    shift 3
    args+=(-fill '#F2F6F7' -draw "rectangle 6,26 $((w - 7)),38" -fill "$ink" -pointsize 9
        -annotate +10+35 "Note")
    for row in "$@"; do
        args+=(-annotate +10+$y "$row")
        y=$((y + 14))
    done
    draw_window "$w" 110 "$title" "$file" "${args[@]}"
}

draw_palette() {
    local args=() x=8 label
    for label in B I U S; do
        args+=(-fill '#F2F6F7' -stroke "$frame" -draw "roundrectangle $x,28 $((x + 22)),50 3,3"
            -stroke none -fill "$ink" -font "$bold" -pointsize 12 -annotate +$((x + 7))+44 "$label")
        x=$((x + 27))
    done
    x=8
    for colour in '#000000' '#C0392B' '#2E7F95' '#3D8B37' '#E0A800'; do
        args+=(-fill "$colour" -draw "rectangle $x,60 $((x + 16)),76")
        x=$((x + 21))
    done
    args+=(-fill "$ink" -font "$font" -pointsize 9 -annotate +8+96 "Tahoma  10")
    draw_window 120 108 "Palette" "$work/palette.png" "${args[@]}"
}

draw_memoboard() {
    local args=() x=8 tab
    for tab in Home Work Ideas; do
        args+=(-fill '#EEF5F7' -stroke "$frame" -draw "roundrectangle $x,26 $((x + 56)),44 4,4"
            -stroke none -fill "$ink" -pointsize 10 -annotate +$((x + 10))+39 "$tab")
        x=$((x + 60))
    done
    args+=(-fill '#FBF3D5' -stroke "$frame" -draw "rectangle 6,44 273,163" -stroke none)
    draw_window 280 170 "Memoboard" "$work/memoboard.png" "${args[@]}"
    convert "$work/note_text.png" -resize 50% "$work/note_small.png"
    convert "$work/memoboard.png" "$work/note_small.png" -geometry +20+60 -composite \
        "$work/note_small.png" -geometry +140+85 -composite "$work/memoboard.png"
}

# One slide: a white 356x228 picture, the parts laid out above a caption.
slide() { # NAME CAPTION [IMAGE +X+Y]...
    local name=$1 caption=$2 args=()
    shift 2
    while [ $# -gt 0 ]; do
        args+=("$1" -geometry "$2" -composite)
        shift 2
    done
    convert -size 356x228 xc:white "${args[@]}" \
        -fill '#EEF5F7' -draw 'rectangle 0,194 355,227' \
        -fill "$teal" -font "$bold" -pointsize 11 -gravity south -annotate +0+11 "$caption" \
        -quality 90 "$out/$name.jpg"
}

draw_palette
draw_memoboard
convert "$work/menu.png" -resize 72% "$work/menu_small.png"
draw_list 150 "Find Notes" "$work/find.png" "Shopping: milk, bread" "Call Anna at five"
draw_list 150 "Reminder List" "$work/reminders.png" "Call Anna at five    17:00"
draw_list 150 "Trash List" "$work/trash.png" "Old list" "Yesterday's plan"

slide wl_cratenotes "Click + on the notepad or the tray icon" \
    "$work/note_new.png" +40+40 "$work/notepad.png" +240+70
slide wl_note_area "Type in a note; drag its title to move it" "$work/note_text.png" +92+36
slide wl_toolbar1 "Format the text from the palette" \
    "$work/note_text.png" +30+36 "$work/palette.png" +210+42
slide wl_boolbar2 "Gather notes on the tabs of a memoboard" "$work/memoboard.png" +38+14
slide wl_openmenu "The notepad's menu holds every command" \
    "$work/menu_small.png" +60+8 "$work/notepad.png" +240+110
slide wl_menu "Find notes, see reminders, restore from the trash" \
    "$work/find.png" +8+10 "$work/reminders.png" +198+10 "$work/trash.png" +103+80
echo "slides written to $out"
