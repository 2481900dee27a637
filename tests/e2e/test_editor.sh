#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The note's pencil shows the editor palette beside the note without taking the activation from
# it; Bold on the selected text, then a click elsewhere, stores \b in Rtf; Ctrl+I on a selection
# stores \i; the palette goes away when the note is minimised from it. The screenshots
# editor_font.png and editor_note.png (both pages) stay in the test's artifact folder.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
e2e_start_desktop

e2e_start_app
e2e_wait_for 10 e2e_has_window 84x61 || e2e_fail "the notepad did not appear"

e2e_click_tray_icon 1
e2e_wait_for 10 e2e_db_is "select Position from Note" "341,256" || e2e_fail "no new note"
note=$(e2e_wait_for 10 e2e_window_at "341 256 172 120" && e2e_window_at "341 256 172 120") ||
    e2e_fail "the new note is not at 341,256"
xdotool type --delay 20 "make this bold"

active_is_note() { [ "$(xdotool getactivewindow)" = "$note" ]; }
# The palette stands left of the note, 2 px apart, tops aligned: 341 - 239 - 2 = 100.
palette_shown() { e2e_window_at "100 256 239 170" >/dev/null; }
palette_hidden() { ! e2e_has_window 239x170; }
# rtf_has WORD: the note's Rtf holds the control word (\b, not \blue).
rtf_has() { e2e_db "select Rtf from Note where Id=1" | grep -qE -- "\\\\$1([^a-z0-9]|$)"; }
open_palette() {
    e2e_click_at $((341 + 16)) $((256 + 18)) # the pencil
    e2e_wait_for 10 palette_shown || e2e_fail "the pencil showed no palette: $(e2e_app_windows)"
}
click_elsewhere_and_wait_for() {
    e2e_click_at 150 600 # the desktop: the note loses the activation
    e2e_wait_for 10 rtf_has "$1" || e2e_fail "Rtf holds no \\$1: $(e2e_db "select Rtf from Note")"
}

open_palette
e2e_wait_for 5 active_is_note || e2e_fail "the palette took the activation"
e2e_screenshot editor_font

xdotool key ctrl+a
e2e_click_at $((100 + 10 + 78 + 11)) $((256 + 34 + 37 + 11)) # Bold
e2e_wait_for 5 active_is_note || e2e_fail "Bold took the activation from the note"
click_elsewhere_and_wait_for b
e2e_wait_for 10 palette_hidden || e2e_fail "the palette stayed after the note lost the activation"

e2e_click_at $((341 + 80)) $((256 + 60)) # back into the text
e2e_wait_for 5 active_is_note || e2e_fail "the note did not take the activation back"
xdotool key ctrl+a ctrl+i
click_elsewhere_and_wait_for i

e2e_click_at $((341 + 80)) $((256 + 60))
e2e_wait_for 5 active_is_note || e2e_fail "the note did not take the activation back"
open_palette
e2e_click_at $((100 + 94 + 40)) $((256 + 12 + 11)) # the Note tab
sleep 0.3
e2e_screenshot editor_note
e2e_click_at $((100 + 10 + 60 + 12)) $((256 + 34 + 37 + 11)) # Minimize Note
e2e_wait_for 10 e2e_db_is "select Type from Note where Id=1" 2 || e2e_fail "the note was not minimised"
e2e_wait_for 10 palette_hidden || e2e_fail "the palette stayed beside the minimised note"

e2e_end_app
