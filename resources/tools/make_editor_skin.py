#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The editor palette's pictures: its background, the page tabs, each page's picture of its
buttons at rest, and every button's hover, latched and unavailable look.

make_skin.py writes them together with the other skin pictures; run that script. Every button is
one glyph drawn in a 16×16 design box, centred on the button: at rest in slate on the page, under
the mouse (and latched) on a teal key in white, unavailable in a pale grey on the page colour. The
hover and unavailable pictures are opaque, so they cover the resting glyph under them. Buttons that
are unavailable at times (cut, copy, undo, redo, and the ones a note cannot use) have a "_h"
picture.
"""

from make_skin import (FONT, FRAME, SLATE, TEAL_EDGE, TEAL_LOW, TEAL_TOP, gradient, stroke,
                       svg)

PAGE = "#F7FAFB"       # the face of both pages
PAGE_EDGE = "#C9D7DB"
GREY = "#B9C4C7"       # unavailable glyphs
WHITE = "#FFFFFF"


def line(d, ink, width=1.4):
    return (f'<path d="{d}" fill="none" {stroke(ink, width)} stroke-linecap="round" '
            'stroke-linejoin="round"/>')


def text(x, y, label, ink, size=13, weight="bold", style="normal", decoration=""):
    return (f'<text x="{x}" y="{y}" text-anchor="middle" font-family="{FONT}" font-size="{size}" '
            f'font-weight="{weight}" font-style="{style}" fill="{ink}">{label}</text>'
            + decoration)


# --- glyphs, each in a 16×16 box -------------------------------------------------------------

def g_paste(ink):
    return (f'<rect x="2.5" y="2.5" width="11" height="13" rx="1.5" fill="none" {stroke(ink, 1.3)}/>'
            f'<rect x="5.5" y="1" width="5" height="3" rx="1" fill="{ink}"/>'
            + line("M5,8 H11 M5,10.5 H11 M5,13 H9", ink, 1.1))


def g_cut(ink):
    return (f'<circle cx="4.5" cy="12" r="2.3" fill="none" {stroke(ink, 1.3)}/>'
            f'<circle cx="11.5" cy="12" r="2.3" fill="none" {stroke(ink, 1.3)}/>'
            + line("M6,10.3 L11.5,1.5 M10,10.3 L4.5,1.5", ink, 1.3))


def g_copy(ink):
    return (f'<rect x="1.5" y="1.5" width="8.5" height="10" rx="1" fill="none" {stroke(ink, 1.2)}/>'
            f'<rect x="6" y="5" width="8.5" height="10" rx="1" fill="{PAGE}" {stroke(ink, 1.2)}/>')


def g_bold(ink):
    return text(8, 13, "B", ink, 14)


def g_italic(ink):
    return text(8, 13, "I", ink, 14, "bold", "italic")


def g_underline(ink):
    return text(8, 12, "U", ink, 13) + line("M3,15 H13", ink, 1.4)


def g_forecolor(ink):
    return text(8, 11.5, "A", ink, 13) + '<rect x="2" y="13" width="12" height="3" fill="#D0342C"/>'


def g_hilitecolor(ink):
    return (line("M4,11 L10,3 L13,5.5 L7,13.5 Z M4,11 L3,13.5 L7,13.5", ink, 1.2)
            + '<rect x="1" y="14" width="14" height="2" fill="#F2D43C"/>')


def g_lines(ink, starts):
    rows = [3, 6.5, 10, 13.5]
    widths = [12, 8, 12, 8]
    return line("".join(f"M{s(w)},{y} h{w} " for y, w, s in zip(rows, widths, starts)), ink, 1.5)


def g_left(ink):
    return g_lines(ink, [lambda w: 2] * 4)


def g_center(ink):
    return g_lines(ink, [lambda w: 8 - w / 2] * 4)


def g_right(ink):
    return g_lines(ink, [lambda w: 14 - w] * 4)


def g_undo(ink):
    return line("M4,6 H10.5 A4,4 0 0 1 10.5,14 H6", ink, 1.6) + line("M6.5,3 L3.5,6 L6.5,9", ink, 1.6)


def g_redo(ink):
    return line("M12,6 H5.5 A4,4 0 0 0 5.5,14 H10", ink, 1.6) + line("M9.5,3 L12.5,6 L9.5,9", ink, 1.6)


def g_list(ink):
    dots = "".join(f'<circle cx="3" cy="{y}" r="1.5" fill="{ink}"/>' for y in (3.5, 8, 12.5))
    return dots + line("M6.5,3.5 H14 M6.5,8 H14 M6.5,12.5 H14", ink, 1.4)


def g_printer(ink):
    return (f'<rect x="4.5" y="1.5" width="7" height="4" fill="none" {stroke(ink, 1.2)}/>'
            f'<rect x="1.5" y="5.5" width="13" height="6" rx="1.5" fill="none" {stroke(ink, 1.3)}/>'
            f'<rect x="4.5" y="9.5" width="7" height="5" fill="{PAGE}" {stroke(ink, 1.2)}/>'
            f'<circle cx="12" cy="7.8" r="0.8" fill="{ink}"/>')


def g_memoboard(ink):
    return (f'<rect x="1.5" y="3.5" width="10" height="9" rx="1" fill="none" {stroke(ink, 1.3)}/>'
            + line("M1.5,6 H11.5", ink, 1.1) + line("M9,12 H15 M12.5,9.5 L15,12 L12.5,14.5", ink, 1.5))


def g_info(ink):
    return (f'<circle cx="8" cy="8" r="6.5" fill="none" {stroke(ink, 1.3)}/>'
            f'<circle cx="8" cy="4.8" r="1.1" fill="{ink}"/>' + line("M8,7.5 V12", ink, 1.8))


def g_bgcolor(ink):
    return (f'<path d="M2.5,2.5 H13.5 V10 L10,13.5 H2.5 Z" fill="#FFE27A" {stroke(ink, 1.2)} '
            'stroke-linejoin="round"/>'
            f'<path d="M13.5,10 H10 V13.5" fill="none" {stroke(ink, 1.1)}/>'
            '<rect x="5" y="5" width="3" height="3" fill="#7FB2F0"/>'
            '<rect x="8" y="5" width="3" height="3" fill="#F08A84"/>')


def g_trash(ink):
    return (line("M2,4 H14 M6,4 V2.5 H10 V4", ink, 1.3)
            + line("M3.5,4 L4.5,15 H11.5 L12.5,4", ink, 1.3) + line("M6.5,7 V12.5 M9.5,7 V12.5", ink, 1.1))


def g_pic(ink):
    return (f'<rect x="1.5" y="2.5" width="13" height="11" rx="1" fill="none" {stroke(ink, 1.3)}/>'
            f'<circle cx="5.5" cy="6" r="1.4" fill="{ink}"/>'
            f'<path d="M2,13 L6.5,8.5 L9,11 L11,9 L14,12.5 V13 Z" fill="{ink}"/>')


def g_obj(ink):
    return line("M10.5,4.5 L5,10 A1.8,1.8 0 0 0 7.5,12.5 L13,7 A3.2,3.2 0 0 0 8.5,2.5 "
                "L3,8 A4.6,4.6 0 0 0 9.5,14.5 L14,10", ink, 1.3)


def g_emin(ink):
    return (f'<rect x="1.5" y="1.5" width="13" height="9" rx="1" fill="none" {stroke(ink, 1.2)} '
            'stroke-dasharray="2 1.5"/>' + f'<rect x="1.5" y="11.5" width="8" height="3" rx="0.5" '
            f'fill="{ink}"/>' + line("M12,4 V9 M10,7 L12,9 L14,7", ink, 1.3))


def g_onthetop(ink):
    return (line("M5.5,1.5 H10.5 M6.5,1.5 V6.5 L4,9 H12 L9.5,6.5 V1.5", ink, 1.3)
            + line("M8,9 V15", ink, 1.4))


def g_alarm(ink):
    return (f'<circle cx="8" cy="9" r="5.5" fill="none" {stroke(ink, 1.3)}/>'
            + line("M8,6 V9 H10.5", ink, 1.2)
            + f'<path d="M1.5,4.5 A3,3 0 0 1 5,1.5 Z M14.5,4.5 A3,3 0 0 0 11,1.5 Z" fill="{ink}"/>'
            + line("M4.5,13.5 L3,15 M11.5,13.5 L13,15", ink, 1.2))


def g_alarm_repeat(ink):
    return (f'<circle cx="7" cy="8.5" r="4.8" fill="none" {stroke(ink, 1.2)}/>'
            + line("M7,6 V8.5 H9", ink, 1.1)
            + f'<path d="M0.8,4.5 A2.6,2.6 0 0 1 3.8,1.8 Z M13.2,4.5 A2.6,2.6 0 0 0 10.2,1.8 Z" '
            f'fill="{ink}"/>' + line("M10,14.5 A3,3 0 1 0 15,11.5", ink, 1.2)
            + f'<path d="M15.8,10.2 L15,12.6 L13,11.2 Z" fill="{ink}"/>')


def g_arrow(ink):
    return f'<path d="M5.5,7 H10.5 L8,10 Z" fill="{ink}"/>'


def g_close(ink):
    return line("M4.5,4.5 L11.5,11.5 M11.5,4.5 L4.5,11.5", ink, 1.6)


# name: (width, height, glyph, label). A label is written under the glyph (the tall Paste key).
BUTTONS = {
    "paste": (35, 51, g_paste, "Paste"),
    "cut": (21, 24, g_cut, None),
    "copy": (21, 27, g_copy, None),
    "bold": (23, 23, g_bold, None),
    "italic": (24, 23, g_italic, None),
    "underline": (24, 23, g_underline, None),
    "forecolor": (24, 23, g_forecolor, None),
    "hilitecolor": (24, 23, g_hilitecolor, None),
    "left": (23, 23, g_left, None),
    "center": (24, 23, g_center, None),
    "right": (24, 23, g_right, None),
    "undo": (28, 24, g_undo, None),
    "redo": (28, 24, g_redo, None),
    "list": (24, 23, g_list, None),
    "printer": (24, 23, g_printer, None),
    "edtmemoboard": (25, 23, g_memoboard, None),
    "info": (24, 23, g_info, None),
    "bgcolor": (24, 23, g_bgcolor, None),
    "trash": (24, 23, g_trash, None),
    "pic": (24, 23, g_pic, None),
    "obj": (23, 23, g_obj, None),
    "emin": (24, 23, g_emin, None),
    "onthetop": (24, 23, g_onthetop, None),
    "alarm": (20, 23, g_alarm, None),
    "alarm_repeat": (20, 23, g_alarm_repeat, None),
    "arrow": (7, 23, g_arrow, None),
}

# Where each button lies on its page (left, top), as the palette places them.
FONT_PAGE = {"paste": (10, 39), "cut": (45, 39), "copy": (45, 63), "bold": (78, 37),
             "italic": (103, 37), "underline": (129, 37), "forecolor": (155, 37),
             "hilitecolor": (181, 37), "left": (78, 68), "center": (103, 68), "right": (129, 68),
             "undo": (9, 98), "redo": (40, 98), "list": (78, 98)}
NOTE_PAGE = {"printer": (7, 7), "edtmemoboard": (31, 7), "info": (58, 7), "bgcolor": (84, 7),
             "trash": (114, 7), "pic": (7, 37), "obj": (32, 37), "emin": (60, 37),
             "onthetop": (85, 37), "alarm": (7, 67), "arrow": (27, 67)}
NOTE_PAGE_REPEAT = {"alarm_repeat": (7, 97), "arrow": (27, 97)}


def glyph_at(name, x, y, ink):
    """The button's glyph (and label) centred on the button at (x, y)."""
    width, height, glyph, label = BUTTONS[name]
    if name == "arrow":  # the arrow is narrower than the design box
        return f'<g transform="translate({x - 4.5},{y + height / 2 - 8})">{glyph(ink)}</g>'
    top = y + (height - 16) / 2 - (6 if label else 0)
    body = f'<g transform="translate({x + (width - 16) / 2},{top})">{glyph(ink)}</g>'
    if label:
        body += text(x + width / 2, y + height - 7, label, ink, 9, "normal")
    return body


def key_face(width, height, ident):
    return (gradient(ident, TEAL_TOP, TEAL_LOW),
            f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="3" '
            f'fill="url(#{ident})" {stroke(TEAL_EDGE)}/>')


def hover_picture(name):
    width, height, _, _ = BUTTONS[name]
    defs, face = key_face(width, height, "key")
    return svg(width, height, face + glyph_at(name, 0, 0, WHITE) + "\n", defs)


def unavailable_picture(name):
    width, height, _, _ = BUTTONS[name]
    face = f'<rect x="0" y="0" width="{width}" height="{height}" fill="{PAGE}"/>'
    return svg(width, height, face + glyph_at(name, 0, 0, GREY) + "\n")


def page_picture(buttons, extra=""):
    body = (f'<rect x="0.5" y="0.5" width="220" height="126" rx="4" fill="{PAGE}" '
            f'{stroke(PAGE_EDGE)}/>\n{extra}')
    for table in buttons:
        for name, (x, y) in table.items():
            body += glyph_at(name, x, y, SLATE) + "\n"
    return svg(221, 127, body)


def font_page():
    # Group lines between clipboard, character and paragraph keys.
    rules = line("M71.5,36 V122", PAGE_EDGE, 1) + line("M5,95.5 H70", PAGE_EDGE, 1)
    return page_picture([FONT_PAGE], rules)


def note_page():
    rules = line("M5,33.5 H216 M5,63.5 H216 M5,93.5 H216", PAGE_EDGE, 1)
    return page_picture([NOTE_PAGE, NOTE_PAGE_REPEAT], rules)


def palette_background():
    """239×170: a rounded slate-teal frame, the tab row, the close cross and the page well."""
    defs = gradient("body", "#FBFDFD", "#D9E5E8")
    tab = (f'<path d="M0.5,22 V4 A3.5,3.5 0 0 1 4,0.5 H76 A3.5,3.5 0 0 1 79.5,4 V22" '
           f'fill="#EEF3F4" {stroke(FRAME)}/>')
    body = (f'<rect x="0.5" y="0.5" width="238" height="169" rx="4.5" fill="url(#body)" '
            f'{stroke(FRAME)}/>\n'
            f'<g transform="translate(13,12)">{tab}</g>\n<g transform="translate(94,12)">{tab}</g>\n'
            f'<rect x="9.5" y="33.5" width="222" height="128" rx="4" fill="none" '
            f'{stroke("#B5C8CD")}/>\n'
            f'<g transform="translate(212,12.5)">{g_close(SLATE)}</g>\n')
    return svg(239, 170, body, defs)


def page_tab(chosen):
    """80×22: the chosen tab joins the page below it; the hover tab is a teal key."""
    if chosen:
        defs = gradient("tab", WHITE, PAGE)
        edge = "#B5C8CD"
    else:
        defs = gradient("tab", TEAL_TOP, TEAL_LOW)
        edge = TEAL_EDGE
    shape = "M0.5,22 V4 A3.5,3.5 0 0 1 4,0.5 H76 A3.5,3.5 0 0 1 79.5,4 V22"
    body = f'<path d="{shape}" fill="url(#tab)" {stroke(edge)}/>\n'
    if chosen:
        body += f'<rect x="3" y="1.5" width="74" height="2.5" rx="1.2" fill="{TEAL_LOW}"/>\n'
    return svg(80, 22, body, defs)


def close_hover():
    defs, face = key_face(16, 15, "close")
    return svg(16, 15, face + f'<g transform="translate(0,-0.5)">{g_close(WHITE)}</g>\n', defs)


def pictures():
    result = {
        "editor_bg": palette_background,
        "editor_font": font_page,
        "editor_note": note_page,
        "editor_close": close_hover,
        "tab2": lambda: page_tab(False),
        "tab3": lambda: page_tab(True),
    }
    for name in BUTTONS:
        result[name] = (lambda n: lambda: hover_picture(n))(name)
    for name in ("cut", "copy", "undo", "redo", "emin", "onthetop", "alarm_repeat", "arrow"):
        result[f"{name}_h"] = (lambda n: lambda: unavailable_picture(n))(name)
    return result
