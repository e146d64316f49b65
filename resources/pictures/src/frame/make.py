#!/usr/bin/python3
"""Writes the SVG sources of the report frame family.

The family: the report title band and its right end, the header box edges,
the screen-edge fillers of report pages, the scroll arrows, the page
navigation buttons, the small Back icon, the message panel buttons and the
on-screen keyboard (top bar, two key pages, lit Shift key).

Every drawing is laid out in the units of its small picture: 1 unit is 1
pixel at quarter-VGA size and 2 pixels in the double-size partner, which
tools/pictures/render.py renders from the same file. One-unit outlines sit
on half-unit coordinates so that the small rendering stays crisp.

Usage: PYTHONPATH=resources/pictures/src /usr/bin/python3 -m frame.make
(rewrites the SVGs beside it)
"""
import os
from functools import partial

from house import (ACROSS, DOWN, Document, Gradient, Num, Points, Star, Write, CREAM, GOLD,
                   GOLD_LIGHT, INK, NIGHT, NIGHT_LIGHT, WHITE)

HERE = os.path.dirname(os.path.abspath(__file__))

NAVY_DARK = NIGHT
NAVY = NIGHT_LIGHT

Star5 = partial(Star, points=5, inner=0.45)

# Colours the program itself paints next to these pictures.
HEADER_GREY = "#777777"      # RGB(119, 119, 119), strip under the header box line
PANEL_GROUND = "#505762"     # RGB(80, 87, 98), message and confirmation panel

FONT = 'font-family="Tahoma" font-weight="bold"'


# ---------------------------------------------------------------------------
# Title band, its right end and the header box edges.
#
# The band's sky runs from night navy at the top to blue at row 28, where the
# program draws its black line; the same absolute gradient in the right end
# (80 x 28, drawn at x 240) makes the two join without a seam.

BAND_SKY_BOTTOM = 28


def BandSky(width, height):
    defs = Gradient("sky", NAVY_DARK, NAVY, vector=(0, 0, 0, BAND_SKY_BOTTOM), absolute=True)
    body = f'<rect x="0" y="0" width="{width}" height="{height}" fill="url(#sky)"/>\n'
    return defs, body


def TitleBand():
    defs, body = BandSky(240, 30)
    # A small constellation in the right part, clear of the header box
    # (which reaches x 167 at most).
    body += Star(181.5, 9.5, 3.5, GOLD_LIGHT)
    body += Star(197.5, 19.5, 2.5, GOLD)
    body += Star5(213.5, 10.5, 5, GOLD)
    body += Star(230.5, 20.5, 2.5, GOLD_LIGHT)
    body += f'<rect x="171" y="18" width="1" height="1" fill="{GOLD_LIGHT}"/>\n'
    body += f'<rect x="224" y="4" width="1" height="1" fill="{GOLD_LIGHT}"/>\n'
    return Document(240, 30, body, defs)


def TitleBandEnd():
    defs, body = BandSky(80, 28)
    body += Star(12.5, 14.5, 2.5, GOLD)
    body += Star(33.5, 8.5, 3.5, GOLD_LIGHT)
    body += Star(52.5, 18.5, 2.5, GOLD_LIGHT)
    body += Star5(68.5, 9.5, 4, GOLD)
    body += f'<rect x="23" y="21" width="1" height="1" fill="{GOLD_LIGHT}"/>\n'
    body += f'<rect x="61" y="4" width="1" height="1" fill="{GOLD_LIGHT}"/>\n'
    return Document(80, 28, body, defs)


def HeaderEdge(left):
    """Rounded top corner of the white header box (4 x 30).

    Its outline is pure black, like the line the program draws along the top
    of the box from x 8 to the right edge.
    """
    # Hard-stop gradient: the two grey rows under the black top line, then white.
    defs = Gradient("face", (0, HEADER_GREY), (0.1, HEADER_GREY), (0.1, WHITE), (1, WHITE),
                    vector=(0, 0, 0, 30), absolute=True)
    if left:
        outer = "M0,30 V3.5 A3.5,3.5 0 0 1 3.5,0 H4 V30 Z"
        inner = "M1,30 V3 A2,2 0 0 1 3,1 H4 V30 Z"
    else:
        outer = "M4,30 V3.5 A3.5,3.5 0 0 0 0.5,0 H0 V30 Z"
        inner = "M3,30 V3 A2,2 0 0 0 1,1 H0 V30 Z"
    body = (f'<path d="{outer}" fill="#000000"/>\n'
            f'<path d="{inner}" fill="url(#face)"/>\n')
    return Document(4, 30, body, defs)


# ---------------------------------------------------------------------------
# Screen-edge fillers of report pages (tall and wide screens).
#
# Drawn unscaled on double-resolution screens and halved on the others, so
# their details are at least two pixels thick and sit on even pixels.

FILLER_GROUND = "#EEF0F8"


def FillerOrnament(cx, cy, vertical):
    """A gold star between two fading rules, centred on (cx, cy)."""
    body = ""
    rule = "#C9CFE6"
    if vertical:
        body += f'<rect x="{Num(cx - 1)}" y="{Num(cy - 150)}" width="2" height="130" fill="url(#ruleA)"/>\n'
        body += f'<rect x="{Num(cx - 1)}" y="{Num(cy + 20)}" width="2" height="130" fill="url(#ruleB)"/>\n'
        small = [(cx, cy - 32), (cx, cy + 32)]
    else:
        body += f'<rect x="{Num(cx - 150)}" y="{Num(cy - 1)}" width="130" height="2" fill="url(#ruleA)"/>\n'
        body += f'<rect x="{Num(cx + 20)}" y="{Num(cy - 1)}" width="130" height="2" fill="url(#ruleB)"/>\n'
        small = [(cx - 32, cy), (cx + 32, cy)]
    # Both rules fade out away from the star.
    direction = DOWN if vertical else ACROSS
    defs = (Gradient("ruleA", (0, rule, 0), (1, rule), vector=direction)
            + Gradient("ruleB", (0, rule), (1, rule, 0), vector=direction))
    body += Star5(cx, cy, 12, GOLD, stroke="#C99A2E")
    for x, y in small:
        body += Star(x, y, 6, GOLD_LIGHT)
    return defs, body


def FillerAcross(page_below):
    """466 (above the page) and 467 (below it), 480 x 80."""
    # The ground lightens towards the page so the white page runs into it.
    top, bottom = (FILLER_GROUND, WHITE) if page_below else (WHITE, FILLER_GROUND)
    defs = Gradient("ground", top, bottom)
    body = '<rect x="0" y="0" width="480" height="80" fill="url(#ground)"/>\n'
    more_defs, ornament = FillerOrnament(240, 40, vertical=False)
    return Document(480, 80, body + ornament, defs + more_defs)


def FillerSide(page_right):
    """468 (left of the page) and 469 (right of it), 80 x 480.

    The top 62 rows carry on the title band across the side: its sky (rows
    0-55, layout rows 0-27), the black line (56-57) and the grey strip
    (58-61) that the program draws under the band.
    """
    left, right = (FILLER_GROUND, WHITE) if page_right else (WHITE, FILLER_GROUND)
    ground = Gradient("ground", left, right, vector=ACROSS)
    defs = ground + Gradient("sky", NAVY_DARK, NAVY, vector=(0, 0, 0, 56), absolute=True)
    body = ('<rect x="0" y="0" width="80" height="480" fill="url(#ground)"/>\n'
            '<rect x="0" y="0" width="80" height="56" fill="url(#sky)"/>\n'
            '<rect x="0" y="56" width="80" height="2" fill="#000000"/>\n'
            f'<rect x="0" y="58" width="80" height="4" fill="{HEADER_GREY}"/>\n')
    if page_right:
        body += Star(22, 20, 6, GOLD_LIGHT) + Star5(52, 36, 8, GOLD)
    else:
        body += Star5(28, 34, 8, GOLD) + Star(58, 18, 6, GOLD_LIGHT)
    more_defs, ornament = FillerOrnament(40, 270, vertical=True)
    return Document(80, 480, body + ornament, defs + more_defs)


# ---------------------------------------------------------------------------
# Scroll arrows, 14 x 7: solid ink triangles. The sloping sides run through
# the middle of each row's outermost pixel, so that pixel is three quarters
# covered and the next one a quarter: a clean 45-degree staircase from two
# pixels wide at the tip to fourteen at the base.

def ScrollArrow(up):
    if up:
        points = [(7, -0.5), (14.5, 7), (-0.5, 7)]
    else:
        points = [(7, 7.5), (14.5, 0), (-0.5, 0)]
    body = f'<polygon points="{Points(points)}" fill="{INK}"/>\n'
    return Document(14, 7, body)


# ---------------------------------------------------------------------------
# Navigation buttons: cream-to-gold rounded tiles with a navy glyph. They sit
# on the grey bottom bar, on the pastel extras page and on the title band.

TILE_DEFS = Gradient("tile", CREAM, GOLD_LIGHT)


def Tile(width, height, radius=4, left=0):
    """A rounded tile over the picture, or over its part right of left."""
    return (f'<rect x="{left + 0.5}" y="0.5" width="{width - 1 - left}" height="{height - 1}" '
            f'rx="{radius}" fill="url(#tile)" stroke="{INK}" stroke-width="1"/>\n')


def ArrowGlyph(width, height, pointing_left):
    """A broad arrow centred in the tile."""
    cy = height / 2
    half = 7 if height > 20 else 5          # half height of the head
    shaft = 3 if height > 20 else 2         # half height of the shaft
    tip, neck, tail = 7, 16, 25             # x positions, pointing left
    points = [(tip, cy), (neck, cy - half), (neck, cy - shaft), (tail, cy - shaft),
              (tail, cy + shaft), (neck, cy + shaft), (neck, cy + half)]
    if not pointing_left:
        points = [(width - x, y) for x, y in points]
    return f'<polygon points="{Points(points)}" fill="{NAVY}"/>\n'


def HouseGlyph(width, height):
    """A house: roof, walls, a door in the tile's colour and a chimney."""
    cx = width / 2
    if height > 20:
        ridge, eave, floor, half_roof, half_wall = 5, 14, 23, 11, 7
        door_w, door_h = 4, 6
        chimney = (20, 7, 3, 5)
    else:
        ridge, eave, floor, half_roof, half_wall = 2, 9, 16, 9, 6
        door_w, door_h = 4, 4
        chimney = (20, 3, 2, 4)
    cx_, cy_, cw, ch = chimney
    roof = [(cx, ridge), (cx + half_roof, eave), (cx - half_roof, eave)]
    body = f'<rect x="{cx_}" y="{cy_}" width="{cw}" height="{ch}" fill="{NAVY}"/>\n'
    body += f'<polygon points="{Points(roof)}" fill="{NAVY}"/>\n'
    body += (f'<rect x="{Num(cx - half_wall)}" y="{eave}" width="{2 * half_wall}" '
             f'height="{floor - eave}" fill="{NAVY}"/>\n')
    body += (f'<rect x="{Num(cx - door_w / 2)}" y="{floor - door_h}" width="{door_w}" '
             f'height="{door_h}" fill="{GOLD_LIGHT}"/>\n')
    return body


# On the 240 x 240 layouts the short Back button stands at x 142, over the
# last two units of the header box's right edge (x 140 … 143), so its tile
# leaves those two columns to the box.
SHORT_BACK_LEFT = 2


def NavButton(kind, height):
    width = 32
    left = SHORT_BACK_LEFT if kind == "back" and height <= 20 else 0
    body = Tile(width, height, left=left)
    if kind == "previous":
        body += ArrowGlyph(width, height, pointing_left=True)
    elif kind == "next":
        body += ArrowGlyph(width, height, pointing_left=False)
    elif left:
        body += (f'<g transform="translate({Num(left / 2)} 0)">' + HouseGlyph(width, height)
                 + '</g>\n')
    else:
        body += HouseGlyph(width, height)
    return Document(width, height, body, TILE_DEFS)


def SmallBack():
    """The close box of the pickers: a U-turn arrow on a small tile, 17 x 17."""
    body = Tile(17, 17, radius=3)
    # Shaft: from the head, right, round a half turn and back left underneath.
    body += (f'<path d="M7,6 H10 A3,3 0 0 1 10,12 H5" fill="none" '
             f'stroke="{NAVY}" stroke-width="2"/>\n')
    body += f'<polygon points="{Points([(2, 6), (8, 1.5), (8, 10.5)])}" fill="{NAVY}"/>\n'
    return Document(17, 17, body, TILE_DEFS)


# ---------------------------------------------------------------------------
# Message and confirmation panel buttons, 210 x 31, unkeyed on the panel's
# ground. The program writes "ok", "yes" or "no" over them in white.

def PanelButton(pressed):
    if pressed:
        defs = Gradient("face", NAVY_DARK, "#2B3A7C")
        rim = "#0E1230"
        star = GOLD
    else:
        defs = Gradient("face", "#4A5DB0", NAVY)
        rim = "#6F82CF"
        star = GOLD_LIGHT
    body = f'<rect x="0" y="0" width="210" height="31" fill="{PANEL_GROUND}"/>\n'
    body += ('<rect x="0.5" y="0.5" width="209" height="30" rx="4" '
             f'fill="url(#face)" stroke="{INK}" stroke-width="1"/>\n')
    # A one-unit inner rim: a highlight along the top when raised, a shadow
    # along the top when pushed in.
    body += f'<rect x="4" y="1" width="202" height="1" fill="{rim}"/>\n'
    shift = 1 if pressed else 0
    body += Star5(17.5, 15.5 + shift, 5, star)
    body += Star5(192.5, 15.5 + shift, 5, star)
    return Document(210, 31, body, defs)


# ---------------------------------------------------------------------------
# Keyboard panel: a 240 x 60 top bar and a 240 x 162 key area.

CAPTION_GROUND = ("#F6F7FC", "#DCE1F1")


def KeyboardBar(selected):
    defs = Gradient("bar", *CAPTION_GROUND)
    body = '<rect x="0" y="0" width="240" height="60" fill="url(#bar)"/>\n'
    body += f'<rect x="0" y="0" width="240" height="1" fill="{INK}"/>\n'
    body += f'<rect x="0" y="1" width="240" height="2" fill="{GOLD}"/>\n'
    # Edit field (8, 21)-(232, 55): the drawn field covers pixels 8-231, 21-55,
    # so its outline stays clear of the black box (18, 27)-(220, 55) the program
    # fills under selected text (rows 27-54).
    if selected:
        body += ('<rect x="8.5" y="21.5" width="223" height="34" rx="3" '
                 f'fill="#000000" stroke="{GOLD}" stroke-width="1"/>\n')
    else:
        body += ('<rect x="8.5" y="21.5" width="223" height="34" rx="3" '
                 f'fill="{WHITE}" stroke="{INK}" stroke-width="1"/>\n')
        body += ('<rect x="10" y="23" width="220" height="1" fill="#C9CFE6"/>\n')
    return Document(240, 60, body, defs)


# Key tiles: (x0, x1, y0, y1, label, style), pixel bounds inclusive, each one
# inside its key rectangle. Rows of tiles sit at y 8-39, 48-79, 88-119 and
# 128-159, inside the key rows 7-41, 47-81, 88-121 and 128-162.
ROWS_Y = [(8, 39), (48, 79), (88, 119), (128, 159)]


def KeyRow(labels, first_x, row):
    y0, y1 = ROWS_Y[row]
    return [(first_x + 24 * i, first_x + 24 * i + 21, y0, y1, label, "char")
            for i, label in enumerate(labels)]


def LetterKeys():
    keys = KeyRow("qwertyuiop", 1, 0) + KeyRow("asdfghjkl", 14, 1)
    y0, y1 = ROWS_Y[2]
    keys.append((1, 31, y0, y1, "shift", "function"))
    keys += KeyRow("zxcvbnm", 38, 2)
    keys.append((209, 238, y0, y1, "backspace", "function"))
    keys += BottomRow("123")
    return keys


def SymbolKeys():
    keys = KeyRow("1234567890", 1, 0) + KeyRow("-~:;()$#@*", 1, 1)
    y0, y1 = ROWS_Y[2]
    # Key rectangles . 36-69  , 70-103  ? 104-136  ! 137-170  ' 171-204.
    for (a, b), label in zip([(36, 69), (70, 103), (104, 136), (137, 170), (171, 204)],
                             ".,?!'"):
        keys.append((a + 1, b - 1, y0, y1, label, "char"))
    keys.append((209, 238, y0, y1, "backspace", "function"))
    keys += BottomRow("abc")
    return keys


def BottomRow(switch_label):
    y0, y1 = ROWS_Y[3]
    return [(1, 59, y0, y1, switch_label, "switch"),
            (62, 178, y0, y1, "space", "char"),
            (181, 238, y0, y1, "return", "function")]


KEY_DEFS = (Gradient("charkey", WHITE, CREAM)
            + Gradient("fnkey", "#E3E7F4", "#B9C2E0")
            + Gradient("litkey", GOLD_LIGHT, GOLD))


def KeyGlyph(kind, cx, cy, lit):
    """Shift, Backspace and Return glyphs centred on (cx, cy)."""
    if kind == "shift":
        arrow = [(cx, cy - 9), (cx + 8, cy), (cx + 4, cy), (cx + 4, cy + 8),
                 (cx - 4, cy + 8), (cx - 4, cy), (cx - 8, cy)]
        if lit:
            return f'<polygon points="{Points(arrow)}" fill="{INK}"/>\n'
        return (f'<polygon points="{Points(arrow)}" fill="{WHITE}" stroke="{INK}" '
                f'stroke-width="1.5" stroke-linejoin="round"/>\n')
    if kind == "backspace":
        shape = [(cx - 11, cy), (cx - 5, cy - 7), (cx + 10, cy - 7),
                 (cx + 10, cy + 7), (cx - 5, cy + 7)]
        x0, x1 = cx - 1, cx + 6
        return (f'<polygon points="{Points(shape)}" fill="{INK}"/>\n'
                f'<path d="M{Num(x0)},{Num(cy - 3.5)} L{Num(x1)},{Num(cy + 3.5)} '
                f'M{Num(x1)},{Num(cy - 3.5)} L{Num(x0)},{Num(cy + 3.5)}" '
                f'stroke="{WHITE}" stroke-width="2" stroke-linecap="round"/>\n')
    if kind == "return":
        # Down from the top right, then left to an arrow head.
        return (f'<path d="M{Num(cx + 12)},{Num(cy - 8)} V{Num(cy + 2)} H{Num(cx - 6)}" '
                f'fill="none" stroke="{INK}" stroke-width="3"/>\n'
                f'<polygon points="{Points([(cx - 14, cy + 2), (cx - 5, cy - 5), (cx - 5, cy + 9)])}" '
                f'fill="{INK}"/>\n')
    raise ValueError(kind)


def KeyTile(key, lit=False):
    x0, x1, y0, y1, label, style = key
    width, height = x1 - x0 + 1, y1 - y0 + 1
    fill = "litkey" if lit else ("charkey" if style == "char" else "fnkey")
    body = (f'<rect x="{Num(x0 + 0.5)}" y="{Num(y0 + 0.5)}" width="{width - 1}" '
            f'height="{height - 1}" rx="4" fill="url(#{fill})" stroke="{INK}" '
            f'stroke-width="1"/>\n')
    cx = x0 + width / 2
    cy = y0 + height / 2
    if label in ("shift", "backspace", "return"):
        body += KeyGlyph(label, cx, cy, lit)
    elif label == "space":
        pass
    elif style == "switch":
        body += (f'<text x="{Num(cx)}" y="{Num(y0 + 21)}" {FONT} font-size="15" '
                 f'text-anchor="middle" fill="{INK}">{label}</text>\n')
    else:
        size = 17 if label.isalnum() else 19
        text = {"'": "&apos;", "&": "&amp;", "<": "&lt;"}.get(label, label)
        body += (f'<text x="{Num(cx)}" y="{Num(y0 + 21)}" {FONT} font-size="{size}" '
                 f'text-anchor="middle" fill="{INK}">{text}</text>\n')
    return body


def KeyArea(keys, shift_lit=False, origin=(0, 0), size=(240, 162)):
    # A flat ground: the lit Shift key (below) is cut from the same drawing
    # and must match the page pixel for pixel around its tile.
    body = f'<rect x="0" y="0" width="240" height="162" fill="{NAVY}"/>\n'
    body += f'<rect x="0" y="0" width="240" height="1" fill="{INK}"/>\n'
    for key in keys:
        body += KeyTile(key, lit=shift_lit and key[4] == "shift")
    width, height = size
    return Document(width, height, body, KEY_DEFS, view_box=f"{origin[0]} {origin[1]} {width} {height}")


# The lit Shift key is copied to key-area (0, 86), 33 x 37: the same drawing
# as the letters page seen through that window, with the Shift tile lit.
SHIFT_WINDOW = ((0, 86), (33, 37))


def main():
    files = {
        "title-band.svg": TitleBand(),
        "title-band-end.svg": TitleBandEnd(),
        "header-left.svg": HeaderEdge(left=True),
        "header-right.svg": HeaderEdge(left=False),
        "filler-above.svg": FillerAcross(page_below=True),
        "filler-below.svg": FillerAcross(page_below=False),
        "filler-left.svg": FillerSide(page_right=True),
        "filler-right.svg": FillerSide(page_right=False),
        "scroll-up.svg": ScrollArrow(up=True),
        "scroll-down.svg": ScrollArrow(up=False),
        "nav-previous.svg": NavButton("previous", 28),
        "nav-next.svg": NavButton("next", 28),
        "nav-back.svg": NavButton("back", 28),
        "nav-previous-short.svg": NavButton("previous", 18),
        "nav-next-short.svg": NavButton("next", 18),
        "nav-back-short.svg": NavButton("back", 18),
        "back-small.svg": SmallBack(),
        "panel-button.svg": PanelButton(pressed=False),
        "panel-button-pressed.svg": PanelButton(pressed=True),
        "keyboard-bar.svg": KeyboardBar(selected=False),
        "keyboard-bar-selected.svg": KeyboardBar(selected=True),
        "keyboard-letters.svg": KeyArea(LetterKeys()),
        "keyboard-symbols.svg": KeyArea(SymbolKeys()),
        "keyboard-shift-lit.svg": KeyArea(LetterKeys(), shift_lit=True,
                                          origin=SHIFT_WINDOW[0], size=SHIFT_WINDOW[1]),
    }
    for name, text in files.items():
        Write(HERE, name, text)
    print(f"wrote {len(files)} SVG files to {HERE}")


if __name__ == "__main__":
    main()
