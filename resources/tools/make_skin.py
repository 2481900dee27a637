#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the skin pictures of the notes, the notepad and the dialogs as SVG into resources/skin/.

Run it after changing a picture here; the SVG files it writes are committed and compiled into
the program (resources/skin/skin.qrc). Every picture is drawn at the pixel size its window
gives it; the program renders the SVG at the screen's device-pixel ratio, so it stays crisp on
HiDPI screens.

Pictures that lie on a note are drawn in translucent black and white only, so they take the
note's colour, whichever of the 26 it is and whether lightened or not. The message box and the
note information window have a light slate-teal chrome of their own.
"""

from pathlib import Path

SKIN = Path(__file__).resolve().parent.parent / "skin"

FONT = "Tahoma, DejaVu Sans, sans-serif"
SLATE = "#46626A"  # the message box's title colour
FRAME = "#8FA7AE"
NOTE_FRAME = "#BFC8C4"  # the note's one-pixel frame line

# Translucent inks for artwork that lies on a note's colour.
DARK = "rgba(0,0,0,0.50)"
DARKER = "rgba(0,0,0,0.70)"
LIGHT = "rgba(255,255,255,0.55)"


def rgba(paint):
    """SVG 1.1 has no rgba(): split it into a colour and an opacity."""
    if not paint.startswith("rgba("):
        return paint, 1.0
    r, g, b, a = paint[5:-1].split(",")
    return f"rgb({r},{g},{b})", float(a)


def fill(paint):
    colour, alpha = rgba(paint)
    return f'fill="{colour}"' + (f' fill-opacity="{alpha}"' if alpha < 1 else "")


def stroke(paint, width=1.0):
    colour, alpha = rgba(paint)
    text = f'stroke="{colour}" stroke-width="{width}"'
    return text + (f' stroke-opacity="{alpha}"' if alpha < 1 else "")


def svg(width, height, body, defs=""):
    defs = f"<defs>{defs}</defs>\n" if defs else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{defs}{body}</svg>\n')


def gradient(ident, top, bottom):
    return (f'<linearGradient id="{ident}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            '</linearGradient>')


def engraved(draw):
    """A shape pressed into the note: a light copy one pixel lower under the dark one."""
    return f'<g transform="translate(0,1)">{draw(LIGHT)}</g>\n{draw(DARK)}\n'


# --- message box and note information chrome -------------------------------------------------

def note_glyph(x, y):
    """The small sticky note at the left of a title strip, 18×18."""
    return (f'<g transform="translate({x},{y})">'
            f'<path d="M1.5,3.5 A2,2 0 0 1 3.5,1.5 H16.5 V12 L12,16.5 H3.5 A2,2 0 0 1 1.5,14.5 Z" '
            f'fill="#FFE27A" stroke="#C49A2C"/>'
            f'<path d="M16.5,12 H13.5 A1.5,1.5 0 0 0 12,13.5 V16.5 Z" fill="#F2C94C" '
            f'stroke="#C49A2C" stroke-linejoin="round"/>'
            f'<path d="M4.5,6.5 H13.5 M4.5,9.5 H13.5 M4.5,12.5 H9.5" stroke="#C49A2C" '
            f'stroke-linecap="round"/></g>')


def window_tab(x, width, height, hover, kind):
    """A window button hanging from the top edge: kind "close" has a cross, "min" a bar."""
    r = 4
    right = x + width - 0.5
    bottom = height - 0.5
    shape = (f"M{x + 0.5},0 V{bottom - r} A{r},{r} 0 0 0 {x + 0.5 + r},{bottom} "
             f"H{right - r} A{r},{r} 0 0 0 {right},{bottom - r} V0")
    ident = f"{kind}{int(hover)}{x}"
    if hover:
        colours = ("#F08A84", "#C8413A", "#A3302B") if kind == "close" else (
            TEAL_TOP, TEAL_LOW, TEAL_EDGE)
        colours += ("#FFFFFF",)
    else:
        colours = ("#F4F8F9", "#D6E1E4", FRAME, SLATE)
    top, low, edge, ink = colours
    cx, cy, arm = x + width / 2, height / 2 - 0.5, 3.5
    if kind == "close":
        glyph = (f"M{cx - arm},{cy - arm} L{cx + arm},{cy + arm} "
                 f"M{cx + arm},{cy - arm} L{cx - arm},{cy + arm}")
    elif kind == "max":
        glyph = (f"M{cx - arm},{cy - arm + 0.5} H{cx + arm} V{cy + arm} H{cx - arm} Z "
                 f"M{cx - arm},{cy - arm + 1.5} H{cx + arm}")
    elif kind == "restore":
        glyph = (f"M{cx - arm + 2},{cy - arm} H{cx + arm} V{cy + arm - 2} "
                 f"M{cx - arm},{cy - arm + 2} H{cx + arm - 2} V{cy + arm} H{cx - arm} Z")
    else:
        glyph = f"M{cx - arm},{cy + arm - 1} H{cx + arm}"
    if kind in ("close", "min"):
        ink_line = f'{stroke(ink, 1.6)} stroke-linecap="round"'
    else:  # outlines of a window
        ink_line = f'fill="none" {stroke(ink, 1.2)} stroke-linejoin="round"'
    return (gradient(ident, top, low),
            f'<path d="{shape}" fill="url(#{ident})" {stroke(edge)}/>\n'
            f'<path d="{glyph}" {ink_line}/>\n')


def close_tab(x, width, height, hover):
    """The close button: a tab hanging from the top edge with a cross."""
    return window_tab(x, width, height, hover, "close")


def chrome(width, height, footer_top, extra=""):
    """Window background: white body, title strip 28 high, footer band, rounded frame."""
    defs = gradient("title", "#FBFDFD", "#D9E5E8") + gradient("foot", "#F3F7F8", "#E2EAEC")
    r = 4
    w, h = width - 1, height - 1
    title = f"M1,28 V{1 + r} A{r},{r} 0 0 1 {1 + r},1 H{w - r} A{r},{r} 0 0 1 {w},{1 + r} V28 Z"
    foot = (f"M1,{footer_top} H{w} V{h - r} A{r},{r} 0 0 1 {w - r},{h} H{1 + r} "
            f"A{r},{r} 0 0 1 1,{h - r} Z")
    body = (f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="4.5" '
            f'fill="#FFFFFF"/>\n'
            f'<path d="{title}" fill="url(#title)"/>\n'
            f'<rect x="1" y="28" width="{width - 2}" height="1" fill="#B5C8CD"/>\n'
            f'<rect x="1" y="29" width="{width - 2}" height="1" fill="#EEF3F4"/>\n'
            f'<path d="{foot}" fill="url(#foot)"/>\n'
            f'<rect x="1" y="{footer_top}" width="{width - 2}" height="1" fill="#D5E0E3"/>\n'
            f'{note_glyph(13, 5)}\n{extra}'
            f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="4.5" '
            f'fill="none" {stroke(FRAME)}/>\n')
    return defs, body


def message_background():
    defs, body = chrome(403, 150, 103)
    return svg(403, 150, body, defs)


def note_info_background():
    # The close button shows its own picture only under the mouse; at rest the background
    # carries its look.
    close_defs, close = close_tab(242, 45, 19, hover=False)
    panel = ('<rect x="28.5" y="50.5" width="242" height="45" rx="4" fill="#F4F8F9" '
             f'{stroke("#DCE6E9")}/>\n')
    title = (f'<text x="40" y="19" font-family="{FONT}" font-size="13" fill="{SLATE}">'
             'Note Information</text>\n')
    defs, body = chrome(299, 143, 100, panel + title + close)
    return svg(299, 143, body, defs + close_defs)


def button(label, hover):
    ident = "face"
    if hover:
        defs = gradient(ident, "#6BBACD", "#2E7F95")
        edge, ink, gloss = "#276F80", "#FFFFFF", 0.25
    else:
        defs = gradient(ident, "#FFFFFF", "#DAE5E8")
        edge, ink, gloss = FRAME, SLATE, 0.7
    body = ('<rect x="0.5" y="0.5" width="87" height="23" rx="4" '
            f'fill="url(#{ident})" {stroke(edge)}/>\n'
            f'<rect x="1.5" y="1.5" width="85" height="10" rx="3" fill="#FFFFFF" '
            f'fill-opacity="{gloss}"/>\n'
            f'<text x="44" y="16" text-anchor="middle" font-family="{FONT}" font-size="12" '
            f'font-weight="bold" fill="{ink}">{label}</text>\n')
    return svg(88, 24, body, defs)


def window_button(hover, kind):
    defs, body = window_tab(0, 46, 18, hover, kind)
    return svg(46, 18, body, defs)


def close_button(hover):
    return window_button(hover, "close")


# --- note pieces (translucent, tinted by the note's colour) ----------------------------------

def arrow(width, up, hover):
    cx = width / 2
    tip, base = (4.0, 8.5) if up else (9.0, 4.5)
    points = f"{cx - 3.5},{base} {cx + 3.5},{base} {cx},{tip}"
    if hover:
        # Under the mouse the arrow stands on a light key.
        key = (f'<rect x="0.5" y="0.5" width="{width - 1}" height="12" rx="3" '
               f'{fill(LIGHT)} {stroke("rgba(0,0,0,0.30)")}/>\n')
        return svg(width, 13, key + f'<polygon points="{points}" {fill(DARKER)}/>\n')
    return svg(width, 13, engraved(lambda ink: f'<polygon points="{points}" {fill(ink)}/>'))


def scroll_track():
    # Uniform along its length: the bar stretches it to its own width.
    body = (f'<rect x="0" y="5" width="16" height="3" {fill("rgba(0,0,0,0.16)")}/>\n'
            f'<rect x="0" y="5" width="16" height="1" {fill("rgba(0,0,0,0.14)")}/>\n'
            f'<rect x="0" y="8" width="16" height="1" {fill(LIGHT)}/>\n')
    return svg(16, 13, body)


def scroll_thumb():
    defs = ('<linearGradient id="thumb" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.95"/>'
            '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0.55"/></linearGradient>')
    grip = "".join(f"M{x},4.5 V8.5 " for x in (19.5, 23.5, 27.5))
    body = ('<rect x="0.5" y="1.5" width="46" height="10" rx="5" fill="url(#thumb)" '
            f'{stroke("rgba(0,0,0,0.38)")}/>\n'
            f'<path d="{grip}" {stroke("rgba(0,0,0,0.35)")}/>\n')
    return svg(47, 13, body, defs)


def corner(path):
    return svg(6, 6, f'<path d="{path}" fill="none" {stroke(NOTE_FRAME)}/>\n')


def resize_grip():
    dots = [(7, 1), (7, 4), (4, 4), (7, 7), (4, 7), (1, 7)]
    return svg(8, 8, engraved(
        lambda ink: "".join(f'<rect x="{x - 1}" y="{y - 1.5}" width="1.6" height="1.6" '
                            f'{fill(ink)}/>' for x, y in dots)))


def title_logo():
    # Two overlapping note shapes and the product name, pressed into the title strip. The name
    # is centred on the space right of the shapes, so a wider fallback font still fits.
    def draw(ink):
        return (f'<g {fill("none")} {stroke(ink, 1.2)} stroke-linejoin="round">'
                '<path d="M8.5,6.5 H18.5 V13 L15,16.5 H8.5 Z"/>'
                '<path d="M11.5,3.5 H21.5 V10"/></g>'
                f'<text x="51" y="15.5" text-anchor="middle" font-family="{FONT}" '
                f'font-size="12.5" font-weight="bold" font-style="italic" {fill(ink)}>Velmar'
                '</text>')
    return svg(89, 23, engraved(draw))


def edit_icon():
    def draw(ink):
        return ('<g transform="rotate(-45 12.5 12)">'
                f'<path d="M4.5,9.5 H16.5 L20.5,12 L16.5,14.5 H4.5 Z" {fill("none")} '
                f'{stroke(ink, 1.2)} stroke-linejoin="round"/>'
                f'<path d="M7.5,9.5 V14.5 M16.5,9.5 V14.5" {stroke(ink)}/>'
                f'<path d="M19,11 L20.5,12 L19,13 Z" {fill(ink)}/></g>'
                f'<path d="M5,20.5 H11" {stroke(ink)} stroke-linecap="round"/>')
    return svg(25, 24, engraved(draw))


def alarm_clock(ink, face, hands, due):
    bells = (f'<path d="M3.5,7 A3.6,3.6 0 0 1 8,2.8 Z M19.5,7 A3.6,3.6 0 0 0 15,2.8 Z" '
             f'{fill(ink)}/>')
    feet = f'<path d="M6.5,19.5 L5,21 M16.5,19.5 L18,21" {stroke(ink, 1.4)} stroke-linecap="round"/>'
    body = f'<circle cx="11.5" cy="12.5" r="7" {fill(face)} {stroke(ink, 1.4)}/>'
    hand = (f'<path d="M11.5,8.5 V12.5 H14.5" fill="none" {stroke(hands, 1.3)} '
            'stroke-linecap="round" stroke-linejoin="round"/>')
    rings = ""
    if due:
        rings = (f'<path d="M1,11 L2.5,12 M1,15 L2.5,14 M22,11 L20.5,12 M22,15 L20.5,14" '
                 f'{stroke(ink, 1.1)} stroke-linecap="round"/>')
    return bells + feet + body + hand + rings


def alarm_icon(due):
    if due:
        # Due: in its own alarm red, to be seen on any note colour.
        return svg(23, 23, alarm_clock("#C0302A", "#FFF4F0", "#7A1E1A", True))
    return svg(23, 23, engraved(lambda ink: alarm_clock(ink, "rgba(255,255,255,0.35)", ink,
                                                        False)))


# --- the notepad, its menu and the tray icons -------------------------------------------------

TEAL_TOP, TEAL_LOW, TEAL_EDGE = "#6BBACD", "#2E7F95", "#276F80"  # the hover buttons' face
PAPER, PAPER_EDGE, PAPER_FOLD = "#FFE27A", "#C49A2C", "#F2C94C"


def sticky_note(x, y, size, lines=True):
    """A yellow sticky note with a folded lower-right corner, `size` pixels square."""
    s, f = size, size * 0.3
    body = (f"M{x + 0.5},{y + 2.5} A2,2 0 0 1 {x + 2.5},{y + 0.5} H{x + s - 0.5} "
            f"V{y + s - f} L{x + s - f},{y + s - 0.5} H{x + 2.5} A2,2 0 0 1 {x + 0.5},{y + s - 2.5} Z")
    fold = (f"M{x + s - 0.5},{y + s - f} H{x + s - f + 1.5} A1.5,1.5 0 0 0 "
            f"{x + s - f},{y + s - f + 1.5} V{y + s - 0.5} Z")
    text = ""
    if lines:
        rows = [y + s * r for r in (0.3, 0.48, 0.66)]
        text = "".join(f"M{x + s * 0.2},{row:.1f} H{x + s * (0.8 if i < 2 else 0.5)} "
                       for i, row in enumerate(rows))
        text = f'<path d="{text}" {stroke(PAPER_EDGE)} stroke-linecap="round"/>'
    return (f'<path d="{body}" fill="{PAPER}" {stroke(PAPER_EDGE)}/>'
            f'<path d="{fold}" fill="{PAPER_FOLD}" {stroke(PAPER_EDGE)} stroke-linejoin="round"/>'
            + text)


def notepad():
    """The notepad window, 84×61: a small pad with a ring binding on its left edge. The add
    button lies on it at (17, 5), the menu button at (63, 7), the reminder picture at (61, 37)."""
    defs = gradient("pad", "#FBFDFD", "#D3E0E4") + gradient("well", "#E9F0F2", "#F8FBFB")
    rings = "".join(
        f'<circle cx="8.5" cy="{y}" r="2.2" fill="#FFFFFF" {stroke(FRAME)}/>'
        f'<path d="M3,{y} H8.5" {stroke(SLATE, 1.4)} stroke-linecap="round"/>'
        for y in (11.5, 22.5, 33.5, 44.5))
    body = ('<rect x="0.5" y="0.5" width="83" height="60" rx="3.5" fill="url(#pad)"/>\n'
            f'<rect x="14.5" y="2.5" width="48" height="49" rx="4" fill="url(#well)" '
            f'{stroke("#C9D7DB")}/>\n'
            f'<path d="M14.5,2.5 V58.5" {stroke("#C9D7DB")}/>\n'
            f'{rings}\n'
            f'<text x="38.5" y="58.5" text-anchor="middle" font-family="{FONT}" font-size="7.5" '
            f'font-weight="bold" font-style="italic" fill="{SLATE}">Velmar</text>\n'
            f'<rect x="0.5" y="0.5" width="83" height="60" rx="3.5" fill="none" '
            f'{stroke(FRAME)}/>\n')
    return svg(84, 61, body, defs)


def add_note_button(hover):
    """The notepad's add button, 42×43: a sticky note with a green plus badge."""
    glow = ""
    if hover:
        glow = (f'<rect x="0.5" y="0.5" width="41" height="42" rx="5" fill="#FFFFFF" '
                f'fill-opacity="0.8" {stroke(TEAL_EDGE)}/>\n')
    badge_fill = "#3FA34D" if hover else "#4CAF50"
    badge = (f'<circle cx="30.5" cy="31.5" r="7.5" fill="{badge_fill}" {stroke("#2E7D32")}/>'
             f'<path d="M30.5,27.5 V35.5 M26.5,31.5 H34.5" {stroke("#FFFFFF", 2.2)} '
             'stroke-linecap="round"/>')
    return svg(42, 43, glow + sticky_note(6, 6, 28) + badge + "\n")


def menu_button(hover):
    """The notepad's menu button, 20×27: a key with three lines."""
    if hover:
        defs = gradient("key", TEAL_TOP, TEAL_LOW)
        edge, ink = TEAL_EDGE, "#FFFFFF"
    else:
        defs = gradient("key", "#FFFFFF", "#DAE5E8")
        edge, ink = FRAME, SLATE
    lines = "".join(f"M6,{y} H14 " for y in (9.5, 13.5, 17.5))
    body = (f'<rect x="0.5" y="0.5" width="19" height="26" rx="4" fill="url(#key)" '
            f'{stroke(edge)}/>\n'
            f'<path d="{lines}" {stroke(ink, 1.6)} stroke-linecap="round"/>\n')
    return svg(20, 27, body, defs)


def magnifier(ink):
    return (f'<circle cx="10" cy="10" r="6" fill="#FFFFFF" fill-opacity="0.6" {stroke(ink, 2)}/>'
            f'<path d="M14.5,14.5 L20,20" {stroke(ink, 3)} stroke-linecap="round"/>')


def board(ink):
    tabs = (f'<path d="M3.5,7.5 V5 A1.5,1.5 0 0 1 5,3.5 H9 L10.5,7.5 M10.5,7.5 V5 '
            f'A1.5,1.5 0 0 1 12,3.5 H15 L16.5,7.5" fill="none" {stroke(ink, 1.4)}/>')
    return (tabs + f'<rect x="2.5" y="7.5" width="19" height="14" rx="1.5" fill="#FFFFFF" '
            f'fill-opacity="0.6" {stroke(ink, 1.4)}/>' + sticky_note(6, 10, 8, lines=False)
            + sticky_note(14, 12, 6, lines=False))


def wrench(ink):
    return (f'<path d="M19.5,4.5 A5,5 0 0 0 13,10.5 L4,19.5 A1.8,1.8 0 0 0 6.5,22 L15.5,13 '
            f'A5,5 0 0 0 21.5,6.5 L18.5,9.5 L16.5,7.5 Z" fill="#FFFFFF" fill-opacity="0.6" '
            f'{stroke(ink, 1.5)} stroke-linejoin="round"/>')


def question(ink):
    return (f'<circle cx="12" cy="12" r="9.5" fill="#FFFFFF" fill-opacity="0.6" '
            f'{stroke(ink, 1.6)}/>'
            f'<path d="M8.8,9.5 A3.2,3.2 0 1 1 13.2,12.4 C12.3,12.9 12,13.4 12,14.6" fill="none" '
            f'{stroke(ink, 2)} stroke-linecap="round"/>'
            f'<circle cx="12" cy="18" r="1.3" fill="{ink}"/>')


def new_note_icon(ink):
    return (sticky_note(2, 2, 19) + f'<circle cx="18" cy="18" r="5" fill="#4CAF50" '
            f'{stroke("#2E7D32")}/><path d="M18,15.5 V20.5 M15.5,18 H20.5" '
            f'{stroke("#FFFFFF", 1.6)} stroke-linecap="round"/>')


def clock_icon(ink):
    return f'<g transform="translate(0.5,0)">{alarm_clock(ink, "#FFFFFF", ink, False)}</g>'


MENU_ITEMS = {
    # picture stem: (caption, icon, has a submenu)
    "findnotes": ("Find Notes", magnifier, False),
    "alarmlist": ("Reminder List", clock_icon, False),
    "newnote": ("New Note", new_note_icon, True),
    "memoboard": ("Memoboards", board, True),
    "tool": ("Tools", wrench, True),
    "help": ("Help", question, True),
}


def menu_item(stem, highlighted):
    """A top entry of the main popup menu, 188×43: icon, caption and, for a submenu, an arrow."""
    caption, icon, submenu = MENU_ITEMS[stem]
    if highlighted:
        defs = gradient("item", TEAL_TOP, TEAL_LOW)
        ink, line = "#FFFFFF", TEAL_EDGE
    else:
        defs = gradient("item", "#FFFFFF", "#EDF3F5")
        ink, line = SLATE, "#D5E0E3"
    arrow = (f'<path d="M175.5,17.5 L180,21.5 L175.5,25.5" fill="none" {stroke(ink, 1.6)} '
             'stroke-linecap="round" stroke-linejoin="round"/>' if submenu else "")
    body = (f'<rect x="0" y="0" width="188" height="43" fill="url(#item)"/>\n'
            f'<rect x="0" y="42" width="188" height="1" fill="{line}"/>\n'
            f'<g transform="translate(10,9.5)">{icon(ink)}</g>\n'
            f'<text x="46" y="26.5" font-family="{FONT}" font-size="13" fill="{ink}">{caption}'
            f'</text>\n{arrow}\n')
    return svg(188, 43, body, defs)


def tray_icon(reminder):
    """The tray icons, 24×24: the program's sticky note, or a ringing alarm clock."""
    if reminder:
        return svg(24, 24, f'<g transform="translate(0.5,0.5)">'
                           f'{alarm_clock("#C0302A", "#FFF4F0", "#7A1E1A", True)}</g>\n')
    return svg(24, 24, sticky_note(1.5, 1.5, 21) + "\n")



# --- the set-reminder panel -------------------------------------------------------------------

def set_alarm_background():
    """440×281: title strip, white body with the three groups laid over it, footer from 232.
    The close button shows its rest look here; its picture appears under the mouse."""
    close_defs, close = window_tab(383, 46, 18, False, "close")
    defs, body = chrome(440, 281, 232, title_text("Set Reminder") + close)
    return svg(440, 281, body, defs + close_defs)


def alarm_status(state):
    """The picture in the status box, 48×48: a grey clock with a slash for no reminder, a teal
    clock for a pending one and the ringing red clock for a due one."""
    if state == "due":
        clock = alarm_clock("#C0302A", "#FFF4F0", "#7A1E1A", True)
    elif state == "pending":
        clock = alarm_clock(TEAL_LOW, "#F4FAFB", SLATE, False)
    else:
        clock = (alarm_clock("#A9B7BB", "#FFFFFF", "#A9B7BB", False)
                 + f'<path d="M3,21 L20,4" {stroke("#8C9A9E", 1.6)} stroke-linecap="round"/>')
    return svg(48, 48, f'<g transform="translate(1,1) scale(2)">{clock}</g>\n')


# --- settings and hot-key dialogs -------------------------------------------------------------

def title_text(text):
    return (f'<text x="40" y="19" font-family="{FONT}" font-size="13" fill="{SLATE}">'
            f'{text}</text>\n')


def gear(cx, cy, r, ink):
    teeth = "".join(
        f'<rect x="{cx - 2.5}" y="{cy - r - 3}" width="5" height="6" rx="1" fill="{ink}" '
        f'transform="rotate({a} {cx} {cy})"/>' for a in range(0, 360, 45))
    return (teeth + f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{ink}"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r * 0.45}" fill="#FFFFFF"/>')


def settings_background():
    """488×350: title strip, a banner over the tab row, the page panel and the footer. The close
    and minimise buttons show their rest look here; their pictures appear under the mouse."""
    close_defs, close = window_tab(430, 46, 18, False, "close")
    min_defs, minimise = window_tab(384, 46, 18, False, "min")
    banner = ('<rect x="1" y="30" width="486" height="60" fill="url(#banner)"/>\n'
              f'{gear(44, 60, 11, TEAL_LOW)}\n{sticky_note(58, 50, 22)}\n'
              f'<text x="96" y="57" font-family="{FONT}" font-size="15" font-weight="bold" '
              f'fill="{SLATE}">Settings</text>\n'
              f'<text x="96" y="75" font-family="{FONT}" font-size="11" fill="{SLATE}">'
              'New notes, start-up and reminders</text>\n')
    panel = (f'<rect x="8.5" y="123.5" width="471" height="180" fill="#FFFFFF" '
             f'{stroke("#B5C8CD")}/>\n')
    defs, body = chrome(488, 350, 302, banner + panel + title_text("Velmar Notes Settings")
                        + close + minimise)
    return svg(488, 350, body, defs + close_defs + min_defs
               + gradient("banner", "#EEF5F7", "#FFFFFF"))


def dialog_background(width, height, footer_top, title):
    """The hot-key dialogs: title strip, white body, footer."""
    defs, body = chrome(width, height, footer_top, title_text(title))
    return svg(width, height, body, defs)


def page_tab(state):
    """A tab of the settings dialog, 148×33, its text laid over by the dialog. state: "rest",
    "hover" or "pressed" (the pressed tab joins the white page panel below it)."""
    faces = {"rest": ("#FFFFFF", "#DAE5E8", FRAME),
             "hover": (TEAL_TOP, TEAL_LOW, TEAL_EDGE),
             "pressed": ("#FFFFFF", "#FFFFFF", "#B5C8CD")}
    top, low, edge = faces[state]
    r = 5
    shape = (f"M0.5,33 V{1 + r} A{r},{r} 0 0 1 {0.5 + r},1.5 H{147.5 - r} "
             f"A{r},{r} 0 0 1 147.5,{1 + r} V33")
    body = f'<path d="{shape}" fill="url(#tab)" {stroke(edge)}/>\n'
    if state == "pressed":
        body += f'<rect x="2" y="1.5" width="144" height="3" rx="1.5" fill="{TEAL_LOW}"/>\n'
    return svg(148, 33, body, gradient("tab", top, low))


def help_icon():
    return svg(18, 18, f'<g transform="scale(0.75)">{question(TEAL_LOW)}</g>\n')


# --- memoboard window ---------------------------------------------------------------------------

BOARD_TOP, BOARD_LOW = "#2F7E96", "#175468"  # the memoboard window's title strip


def board_title():
    """The memoboard window's title strip, 689×28, stretched to the window's width."""
    body = ('<rect x="0" y="0" width="689" height="28" fill="url(#strip)"/>\n'
            '<rect x="0" y="0" width="689" height="1" fill="#FFFFFF" fill-opacity="0.35"/>\n'
            '<rect x="0" y="27" width="689" height="1" fill="#0B3B4A"/>\n')
    return svg(689, 28, body, gradient("strip", BOARD_TOP, BOARD_LOW))


def board_icon():
    return svg(18, 18, f'<g transform="scale(0.75)">{board("#FFFFFF")}</g>\n')


def printer(ink):
    return (f'<rect x="6.5" y="2.5" width="11" height="7" fill="#FFFFFF" {stroke(ink, 1.3)}/>'
            f'<rect x="2.5" y="8.5" width="19" height="9" rx="2" fill="#FFFFFF" fill-opacity="0.6" '
            f'{stroke(ink, 1.4)}/>'
            f'<rect x="6.5" y="14.5" width="11" height="7" fill="#FFFFFF" {stroke(ink, 1.3)}/>'
            f'<path d="M8.5,17.5 H15.5 M8.5,19.5 H13.5" {stroke(ink, 1)} stroke-linecap="round"/>'
            f'<circle cx="18" cy="11.5" r="1" fill="{ink}"/>')


def trash_can(ink):
    return (f'<path d="M4.5,6.5 H19.5 M9.5,6.5 V4.5 A1,1 0 0 1 10.5,3.5 H13.5 A1,1 0 0 1 14.5,4.5 '
            f'V6.5" fill="none" {stroke(ink, 1.5)} stroke-linecap="round"/>'
            f'<path d="M6,6.5 L7,20.5 A1.5,1.5 0 0 0 8.5,21.5 H15.5 A1.5,1.5 0 0 0 17,20.5 L18,6.5" '
            f'fill="#FFFFFF" fill-opacity="0.6" {stroke(ink, 1.5)} stroke-linejoin="round"/>'
            f'<path d="M10,9.5 V18.5 M14,9.5 V18.5" {stroke(ink, 1.3)} stroke-linecap="round"/>')


BOARD_BUTTONS = {"newnote": new_note_icon, "memoboard": board, "tool": wrench,
                 "print": printer, "trash": trash_can}


def board_button(stem, hover):
    """A toolbar button of the memoboard window, 36×36: an icon on a glassy face that lights
    up under the mouse."""
    if hover:
        defs = gradient("face", "#FFFFFF", "#CFE9F0")
        edge, opacity, ink = "#FFFFFF", 1.0, SLATE
    else:
        defs = gradient("face", "#FFFFFF", "#FFFFFF")
        edge, opacity, ink = "#FFFFFF", 0.18, "#FFFFFF"
    body = (f'<rect x="0.5" y="0.5" width="35" height="35" rx="6" fill="url(#face)" '
            f'fill-opacity="{opacity}" {stroke(edge)} stroke-opacity="0.6"/>\n'
            f'<g transform="translate(6,6)">{BOARD_BUTTONS[stem](ink)}</g>\n')
    return svg(36, 36, body, defs)


def memo_background():
    """"memo_bg", the built-in page background, 160×160 and seamless when tiled: a soft
    linen paper with a faint woven grain and a few pale flecks."""
    import random
    rng = random.Random(1899)
    grain = "".join(f'<rect x="0" y="{y}" width="160" height="1" fill="#FFFFFF" '
                    f'fill-opacity="{0.18 + 0.12 * (y % 3 == 0):.2f}"/>' for y in range(0, 160, 4))
    grain += "".join(f'<rect x="{x}" y="0" width="1" height="160" fill="#C9B98F" '
                     f'fill-opacity="{0.10 + 0.06 * (x % 3 == 0):.2f}"/>' for x in range(2, 160, 4))
    flecks = "".join(
        f'<circle cx="{rng.uniform(3, 157):.1f}" cy="{rng.uniform(3, 157):.1f}" '
        f'r="{rng.uniform(0.4, 1.2):.1f}" fill="#A88F5A" fill-opacity="{rng.uniform(0.15, 0.35):.2f}"/>'
        for _ in range(70))
    body = f'<rect x="0" y="0" width="160" height="160" fill="#F3EAD3"/>\n{grain}\n{flecks}\n'
    return svg(160, 160, body)


PICTURES = {
    "msg_bg": message_background,
    "noteinfo_bg": note_info_background,
    "ok": lambda: button("OK", False),
    "ok_": lambda: button("OK", True),
    "Cancel": lambda: button("Cancel", False),
    "Cancel_": lambda: button("Cancel", True),
    "close_left_": lambda: close_button(False),
    "close_left": lambda: close_button(True),
    "arrow_up": lambda: arrow(14, True, False),
    "arrow_up2": lambda: arrow(14, True, True),
    "arrow_down": lambda: arrow(13, False, False),
    "arrow_down2": lambda: arrow(13, False, True),
    "b_bg": scroll_track,
    "b_bar2": scroll_thumb,
    "n_topleft": lambda: corner("M0.5,6 V5 A4.5,4.5 0 0 1 5,0.5 H6"),
    "n_topright": lambda: corner("M0,0.5 H1 A4.5,4.5 0 0 1 5.5,5 V6"),
    "n_bottomleft": lambda: corner("M0.5,0 V1 A4.5,4.5 0 0 0 5,5.5 H6"),
    "n_bottomright": lambda: corner("M5.5,0 V1 A4.5,4.5 0 0 1 1,5.5 H0"),
    "n_resize2": resize_grip,
    "n_title": title_logo,
    "n_edit": edit_icon,
    "n_alarm": lambda: alarm_icon(False),
    "n_alarm_timeto": lambda: alarm_icon(True),
    "mnote": notepad,
    "mf_addnote": lambda: add_note_button(False),
    "mf_addnote_": lambda: add_note_button(True),
    "mf_menu": lambda: menu_button(False),
    "mf_menu_": lambda: menu_button(True),
    "m_findnotes_": lambda: menu_item("findnotes", False),
    "m_findnotes": lambda: menu_item("findnotes", True),
    "m_alarmlist_": lambda: menu_item("alarmlist", False),
    "m_alarmlist": lambda: menu_item("alarmlist", True),
    "m_newnote_": lambda: menu_item("newnote", False),
    "m_newnote_n": lambda: menu_item("newnote", True),
    "m_memoboard_": lambda: menu_item("memoboard", False),
    "m_memoboard": lambda: menu_item("memoboard", True),
    "m_tool_": lambda: menu_item("tool", False),
    "m_tool_n": lambda: menu_item("tool", True),
    "m_help_": lambda: menu_item("help", False),
    "m_help": lambda: menu_item("help", True),
    "tray_main": lambda: tray_icon(False),
    "tray_reminder": lambda: tray_icon(True),
    "setalarm_bg": set_alarm_background,
    "Snoozefor": lambda: button("Snooze for", False),
    "Snoozefor_": lambda: button("Snooze for", True),
    "ClearAlarm": lambda: button("Clear", False),
    "ClearAlarm_": lambda: button("Clear", True),
    "sa_status_none": lambda: alarm_status("none"),
    "sa_status_pending": lambda: alarm_status("pending"),
    "sa_status_due": lambda: alarm_status("due"),
    "settings_bg": settings_background,
    "sethotkeys_bg": lambda: dialog_background(455, 357, 316, "Hot Keys Settings"),
    "hotkey_bg": lambda: dialog_background(348, 170, 126, "Set Hot Key"),
    "btab": lambda: page_tab("rest"),
    "btab2": lambda: page_tab("hover"),
    "btab3": lambda: page_tab("pressed"),
    "close": lambda: close_button(True),
    "min_left": lambda: window_button(True, "min"),
    "set_help": help_icon,
    "sethotkey": lambda: button("Set", False),
    "sethotkey_": lambda: button("Set", True),
    "learning_bg": lambda: dialog_background(380, 308, 266, "Welcome - Velmar Notes"),
    "closebtn": lambda: button("Close", False),
    "closebtn_": lambda: button("Close", True),
    "mb_top": board_title,
    "mb_icon": board_icon,
    **{f"mb_{stem}{'_' if hover else ''}": (lambda stem=stem, hover=hover: board_button(stem, hover))
       for stem in BOARD_BUTTONS for hover in (False, True)},
    "min_left_": lambda: window_button(False, "min"),
    "close_": lambda: window_button(False, "close"),
    "max_": lambda: window_button(False, "max"),
    "max": lambda: window_button(True, "max"),
    "restore1": lambda: window_button(False, "restore"),
    "restore": lambda: window_button(True, "restore"),
    "memo_bg": memo_background,
    "addmemo_bg": lambda: dialog_background(399, 147, 100, "Add Memoboard"),
    "mbsettings_bg": lambda: dialog_background(488, 482, 436, "Memoboard/Tab Settings"),
}


def main():
    import make_editor_skin  # the editor palette's pictures, drawn with the helpers above
    pictures = {**PICTURES, **make_editor_skin.pictures()}
    SKIN.mkdir(parents=True, exist_ok=True)
    for name, draw in pictures.items():
        (SKIN / f"{name}.svg").write_text(draw())
    files = "\n".join(f"    <file>{name}.svg</file>" for name in sorted(pictures))
    (SKIN / "skin.qrc").write_text(
        f'<RCC>\n  <qresource prefix="/skin">\n{files}\n  </qresource>\n</RCC>\n')


if __name__ == "__main__":
    main()
