#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the skin pictures of the find, trash and reminder lists as SVG into resources/skin/.

The three windows share one shape, so they share one look: the dialogs' slate-teal chrome
(make_skin.py) with a banner naming the window, the minimise and close tabs at rest, a framed
panel behind the grid, and picture buttons that turn teal under the mouse ("_" appended to the
name). The pictures are listed in resources/skin/listwindows.qrc, which this script writes too;
run it after changing a picture here and commit what it writes. Every picture is drawn at the
pixel size its window gives it and rendered at the screen's device-pixel ratio, so it stays crisp
at 2x.
"""

from make_skin import (FONT, FRAME, SKIN, SLATE, TEAL_EDGE, TEAL_LOW, TEAL_TOP, alarm_clock,
                       chrome, gradient, magnifier, question, stroke, svg,
                       title_text, window_tab)

WIDTH = 488
PANEL_EDGE = "#B5C8CD"


def framed(x, y, width, height):
    """A white panel with the dialogs' thin frame (behind a grid or a group of controls)."""
    return (f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{width - 1}" height="{height - 1}" '
            f'fill="#FFFFFF" {stroke(PANEL_EDGE)}/>\n')


def trash_can(ink, x, y, scale=1.0):
    """A waste bin with a lid, 20 units square."""
    return (f'<g transform="translate({x},{y}) scale({scale})">'
            f'<path d="M4.5,6.5 H15.5 L14.5,18.5 H5.5 Z" fill="#FFFFFF" fill-opacity="0.7" '
            f'{stroke(ink, 1.4)} stroke-linejoin="round"/>'
            f'<path d="M3,4.5 H17 M8,4.5 V2.5 H12 V4.5 M8,9 V16 M12,9 V16" fill="none" '
            f'{stroke(ink, 1.4)} stroke-linecap="round"/></g>')


def banner(icon, heading, line):
    """The band under the title strip: an icon, the window's name and what it is for."""
    return ('<rect x="1" y="30" width="486" height="52" fill="url(#banner)"/>\n'
            f'{icon}\n'
            f'<text x="62" y="52" font-family="{FONT}" font-size="15" font-weight="bold" '
            f'fill="{SLATE}">{heading}</text>\n'
            f'<text x="62" y="70" font-family="{FONT}" font-size="11" fill="{SLATE}">{line}'
            '</text>\n')


def list_background(height, title, icon, heading, line, panels):
    close_defs, close = window_tab(WIDTH - 58, 46, 18, False, "close")
    min_defs, minimise = window_tab(WIDTH - 104, 46, 18, False, "min")
    extra = (banner(icon, heading, line) + panels + title_text(title) + close + minimise)
    defs, body = chrome(WIDTH, height, height - 6, extra)
    return svg(WIDTH, height, body,
               defs + close_defs + min_defs + gradient("banner", "#EEF5F7", "#FFFFFF"))


def find_background():
    icon = f'<g transform="translate(22,38) scale(1.4)">{magnifier(TEAL_LOW)}</g>'
    return list_background(380, "Find Notes", icon, "Find Notes",
                           "Search the text of every note", framed(14, 96, 465, 257))


def trash_background():
    return list_background(321, "Trash List", trash_can(TEAL_LOW, 20, 38, 1.6), "Trash List",
                           "Restore a note or delete it for good", framed(17, 93, 454, 149))


def alarm_background():
    icon = (f'<g transform="translate(22,39) scale(1.4)">'
            f'{alarm_clock(TEAL_LOW, "#FFFFFF", TEAL_LOW, False)}</g>')
    return list_background(433, "Reminder List", icon, "Reminder List",
                           "Snooze, clear or advance your reminders",
                           framed(16, 90, 454, 165) + framed(16, 258, 454, 52))


def picture_button(width, label, glyph, hover):
    """A button of the dialogs' kind with a small glyph before its label."""
    if hover:
        top, low, edge, ink, gloss = TEAL_TOP, TEAL_LOW, TEAL_EDGE, "#FFFFFF", 0.25
    else:
        top, low, edge, ink, gloss = "#FFFFFF", "#DAE5E8", FRAME, SLATE, 0.7
    text_x = (width + 16) / 2
    body = (f'<rect x="0.5" y="0.5" width="{width - 1}" height="23" rx="4" fill="url(#face)" '
            f'{stroke(edge)}/>\n'
            f'<rect x="1.5" y="1.5" width="{width - 3}" height="10" rx="3" fill="#FFFFFF" '
            f'fill-opacity="{gloss}"/>\n'
            f'<g transform="translate({text_x - len(label) * 3.4 - 18},4) scale(0.8)">'
            f'{glyph(ink)}</g>\n'
            f'<text x="{text_x}" y="16" text-anchor="middle" font-family="{FONT}" '
            f'font-size="11" font-weight="bold" fill="{ink}">{label}</text>\n')
    return svg(width, 24, body, gradient("face", top, low))


def arrow_glyph(ink):
    return (f'<path d="M3,10 H15 M10,5 L15,10 L10,15" fill="none" {stroke(ink, 2)} '
            'stroke-linecap="round" stroke-linejoin="round"/>')


def cross_glyph(ink):
    return f'<path d="M5,5 L15,15 M15,5 L5,15" {stroke(ink, 2.2)} stroke-linecap="round"/>'


def restore_glyph(ink):
    return (f'<path d="M5,8 A6,6 0 1 1 5,13" fill="none" {stroke(ink, 2)} '
            f'stroke-linecap="round"/><path d="M2,5 L5,9 L9,6" fill="none" {stroke(ink, 2)} '
            'stroke-linecap="round" stroke-linejoin="round"/>')


def bin_glyph(ink):
    return trash_can(ink, 0, 0)


def find_glyph(ink):
    return f'<g transform="scale(0.85)">{magnifier(ink)}</g>'


def printer(hover):
    """The print picture, 18×18: a printer with a sheet coming out."""
    ink = TEAL_EDGE if hover else TEAL_LOW
    face = "#D8EEF3" if hover else "#FFFFFF"
    return svg(18, 18,
               f'<rect x="4.5" y="1.5" width="9" height="5" fill="#FFFFFF" {stroke(ink)}/>'
               f'<rect x="1.5" y="6.5" width="15" height="7" rx="1.5" fill="{face}" '
               f'{stroke(ink)}/>'
               f'<rect x="4.5" y="10.5" width="9" height="6" fill="#FFFFFF" {stroke(ink)}/>'
               f'<path d="M6,13 H12 M6,15 H10" {stroke(ink, 0.8)}/>'
               f'<circle cx="14" cy="8.8" r="0.9" fill="{ink}"/>\n')


def help_picture(hover):
    ink = TEAL_EDGE if hover else TEAL_LOW
    under = '<circle cx="9" cy="9" r="8.5" fill="#D8EEF3"/>' if hover else ""
    return svg(18, 18, f'{under}<g transform="scale(0.75)">{question(ink)}</g>\n')


BUTTONS = {
    # picture: (width, label, glyph)
    "findout": (88, "Find", find_glyph),
    "gotonote": (88, "Go to Note", arrow_glyph),
    "ClearNote": (88, "Delete", cross_glyph),
    "RestoreNote": (88, "Restore", restore_glyph),
    "ClearAllNote": (181, "Empty Trash", bin_glyph),
    "TrashAlarm": (88, "Trash", bin_glyph),
}


def pictures():
    drawn = {
        "findnotes_bg": find_background,
        "trashlist_bg": trash_background,
        "alarmlist_bg": alarm_background,
        "lw_print": lambda: printer(False),
        "lw_print_": lambda: printer(True),
        "lw_help": lambda: help_picture(False),
        "lw_help_": lambda: help_picture(True),
    }
    for name, (width, label, glyph) in BUTTONS.items():
        for hover, suffix in ((False, ""), (True, "_")):
            drawn[name + suffix] = (lambda w=width, l=label, g=glyph, h=hover:
                                    picture_button(w, l, g, h))
    return drawn


def main():
    drawn = pictures()
    for name, draw in drawn.items():
        (SKIN / f"{name}.svg").write_text(draw())
    files = "\n".join(f"    <file>{name}.svg</file>" for name in sorted(drawn))
    (SKIN / "listwindows.qrc").write_text(
        f'<RCC>\n  <qresource prefix="/skin">\n{files}\n  </qresource>\n</RCC>\n')


if __name__ == "__main__":
    main()
