#!/usr/bin/python3
"""Writes the SVG sources of the main menu family.

The main menu background, its title band, the menu list, the side bars and
corner pieces of the landscape and square layouts, the screen-edge fillers,
the three corner icons, the popup frame and the maker's logo share one
palette, one star shape and one set of zodiac glyphs, so they are generated
here from common parts. Coordinates are layout units (1x pixels).

Usage: PYTHONPATH=resources/pictures/src /usr/bin/python3 -m mainmenu.make
(rewrites the *.svg files next to it)
"""
import math
import os
import random
from functools import partial

import house
from house import (Document, Gradient, Num, SignGlyph, Write, AIR, CREAM, EARTH, FIRE, GOLD,
                   GOLD_LIGHT, INK, NIGHT, NIGHT_LIGHT, TITLE_RED, WATER, WHITE)

HERE = os.path.dirname(os.path.abspath(__file__))

RED = TITLE_RED

# Colours the program fills next to the side bars on 320 x 320 screens.
TEAL = "#42BEAD"          # RGB(66, 190, 173), below the left bar
TEAL_DEEP = "#2C8F87"     # top of the left bar
SAND = "#FFDB73"          # RGB(255, 219, 115), below the right bar
SAND_DEEP = GOLD          # top of the right bar

# The corner icons' bezel: a deeper gold and a dark gold-brown edge that
# keep it distinct from the side bars' own gold.
BEZEL_DEEP = "#D9A22E"
BEZEL_EDGE = "#7A5214"

FONT = 'font-family="Tahoma"'


# These drawings were laid out at two decimals.
Fmt = partial(Num, places=2)


def Star(cx, cy, outer, fill, points=4):
    """The menu's stars: sparkles with a 0.34 waist, five-point stars with 0.45."""
    inner = 0.34 if points == 4 else 0.45
    return house.Star(cx, cy, outer, fill, points, inner, places=2) + "\n"


def Pixel(x, y, fill, size=1):
    return f'<rect x="{x}" y="{y}" width="{size}" height="{size}" fill="{fill}"/>\n'



# The program's sign order, and each sign's element accent.
SIGNS = [("aries", FIRE), ("leo", FIRE), ("sagittarius", FIRE),
         ("taurus", EARTH), ("virgo", EARTH), ("capricorn", EARTH),
         ("gemini", AIR), ("libra", AIR), ("aquarius", AIR),
         ("cancer", WATER), ("scorpio", WATER), ("pisces", WATER)]


def Crescent(cx, cy, radius, fill, cut_dx, cut_dy, cut_radius, ident):
    """A crescent: a disc with an offset disc masked out."""
    return (f'<mask id="{ident}" maskUnits="userSpaceOnUse" x="{Fmt(cx - radius - 2)}" '
            f'y="{Fmt(cy - radius - 2)}" width="{Fmt(2 * radius + 4)}" height="{Fmt(2 * radius + 4)}">'
            f'<rect x="{Fmt(cx - radius - 2)}" y="{Fmt(cy - radius - 2)}" width="{Fmt(2 * radius + 4)}" '
            f'height="{Fmt(2 * radius + 4)}" fill="#fff"/>'
            f'<circle cx="{Fmt(cx + cut_dx)}" cy="{Fmt(cy + cut_dy)}" r="{Fmt(cut_radius)}" fill="#000"/>'
            f'</mask>\n<circle cx="{Fmt(cx)}" cy="{Fmt(cy)}" r="{Fmt(radius)}" fill="{fill}" '
            f'mask="url(#{ident})"/>\n')


# ---------------------------------------------------------------------------
# Main menu background (330 / 331) and its title band (329).

SKY_GRADIENT = Gradient("sky", NIGHT, NIGHT_LIGHT, vector=(0, 0, 0, 320), absolute=True)

# Areas of the background that stay plain sky: the menu list (portrait
# y 225..305, landscape and square y 208..288), the corner icons (portrait
# row at the top right, square column at the right), the title band, the
# seams with the fillers and the columns that meet the corner pieces.
CALM = [(24, 196, 216, 314),     # menu list, both placements
        (176, 0, 240, 26),       # icons, portrait
        (214, 46, 240, 114),     # icons, 240 x 240 layouts
        (8, 68, 232, 130),       # title band
        (0, 0, 240, 3), (0, 316, 240, 320), (0, 0, 4, 320), (236, 0, 240, 320),
        (10, 136, 62, 186),      # crescent moon
        (64, 132, 214, 194)]     # constellation


def IsCalm(x, y, margin=0):
    for left, top, right, bottom in CALM:
        if left - margin <= x <= right + margin and top - margin <= y <= bottom + margin:
            return True
    return False


def SkyDust(seed, count, width, height, calm=None):
    """Scattered one-unit star dots and a few small sparkles."""
    rng = random.Random(seed)
    out = []
    placed = 0
    colours = [WHITE, CREAM, GOLD_LIGHT, "#AEB8F0", "#7F8CCF", "#7F8CCF"]
    while placed < count:
        x = rng.randrange(2, width - 2)
        y = rng.randrange(2, height - 2)
        if calm and calm(x, y):
            continue
        out.append(Pixel(x, y, rng.choice(colours)))
        placed += 1
    return "".join(out)


def TitleArt():
    """The logotype "Stellarion" with its orbit and star, band y 72..126."""
    out = []
    out.append(Gradient("titlegold", GOLD_LIGHT, GOLD, vector=(0, 80, 0, 108), absolute=True))
    out.append(Gradient("orbit", (0, GOLD, 0), (0.5, GOLD), (1, GOLD_LIGHT),
                        vector=(22, 0, 218, 0), absolute=True))
    # Orbit under the word: an ellipse arc rising to the right to a star.
    out.append('<path d="M26 118.5C70 125 150 124 206 109" fill="none" stroke="url(#orbit)" '
               'stroke-width="1.6" stroke-linecap="round"/>\n')
    # Word: "Stellar", dotless i, "on"; the i's dot is a star.
    left = 23
    text = "Stellar\u0131on"
    # Tahoma's bold is light at this size: a thin stroke of the same paint
    # thickens the letters; the ink copy one unit down-right is the shadow.
    out.append(f'<text x="{left + 1}" y="109" {FONT} font-weight="bold" font-size="40" '
               f'fill="{INK}" stroke="{INK}" stroke-width="1.2" '
               f'stroke-linejoin="round">{text}</text>\n')
    out.append(f'<text x="{left}" y="108" {FONT} font-weight="bold" font-size="40" '
               f'fill="url(#titlegold)" stroke="url(#titlegold)" stroke-width="1.2" '
               f'stroke-linejoin="round">{text}</text>\n')
    dot_x = left + 131.28 + 12.08 / 2
    out.append(Star(dot_x, 79, 6, WHITE))
    out.append(Star(dot_x, 79, 3, GOLD_LIGHT))
    out.append(Star(211, 108, 5, GOLD_LIGHT))
    out.append(Star(24.5, 121, 2.5, GOLD))
    return "".join(out)


def MidSky():
    """Crescent moon and a small constellation between title and list."""
    out = []
    out.append(Crescent(36, 160, 15, GOLD_LIGHT, 7, -5, 13.5, "moon"))
    out.append(Star(54, 146, 3, CREAM))
    points = [(76, 152), (101, 142), (124, 155), (149, 149), (172, 166), (199, 157), (188, 184)]
    line = "M" + "L".join(f"{x} {y}" for x, y in points[:6]) + f"M{points[4][0]} {points[4][1]}L{points[6][0]} {points[6][1]}"
    out.append(f'<path d="{line}" fill="none" stroke="#5A68B4" stroke-width="1" '
               f'stroke-linejoin="round"/>\n')
    sizes = [4, 3, 5, 3, 4, 5.5, 3]
    for (x, y), size in zip(points, sizes):
        out.append(Star(x, y, size, GOLD if size >= 4 else GOLD_LIGHT))
    return "".join(out)


def TopSky():
    """A few sparkles in the upper sky (left of the icons)."""
    out = []
    for x, y, size, colour in [(26, 24, 4, GOLD_LIGHT), (64, 46, 2.5, CREAM),
                               (104, 18, 3.5, GOLD), (146, 40, 2.5, GOLD_LIGHT),
                               (170, 58, 3, CREAM), (12, 60, 2.5, GOLD),
                               (14, 300, 3, GOLD_LIGHT), (222, 206, 3.5, GOLD),
                               (12, 214, 2.5, CREAM), (226, 300, 2.5, GOLD_LIGHT),
                               (226, 150, 3, GOLD_LIGHT), (16, 112, 2.5, CREAM),
                               (228, 128, 2.5, CREAM)]:
        out.append(Star(x, y, size, colour))
    return "".join(out)


def Background(view_box=None, width=240, height=320):
    body = ["<defs>\n", SKY_GRADIENT, "</defs>\n",
            '<rect x="0" y="0" width="240" height="320" fill="url(#sky)"/>\n',
            SkyDust(330, 120, 240, 320, calm=lambda x, y: IsCalm(x, y, 2)),
            TopSky(), MidSky(), TitleArt()]
    return Document(width, height, "".join(body), view_box=view_box)


# ---------------------------------------------------------------------------
# Menu list (332 / 328): five rows of 16 units.

LABELS = ["Matchmaker by Sign", "Horoscopes 2010", "Zodiac Signs", "Numerology",
          "Extras \u2026"]


def Heart(cx, cy, size, fill):
    s = size
    return (f'<path d="M{Fmt(cx)} {Fmt(cy + 0.42 * s)}'
            f'C{Fmt(cx - 0.14 * s)} {Fmt(cy + 0.3 * s)} {Fmt(cx - 0.5 * s)} {Fmt(cy + 0.04 * s)} '
            f'{Fmt(cx - 0.5 * s)} {Fmt(cy - 0.2 * s)}'
            f'C{Fmt(cx - 0.5 * s)} {Fmt(cy - 0.46 * s)} {Fmt(cx - 0.16 * s)} {Fmt(cy - 0.56 * s)} '
            f'{Fmt(cx)} {Fmt(cy - 0.28 * s)}'
            f'C{Fmt(cx + 0.16 * s)} {Fmt(cy - 0.56 * s)} {Fmt(cx + 0.5 * s)} {Fmt(cy - 0.46 * s)} '
            f'{Fmt(cx + 0.5 * s)} {Fmt(cy - 0.2 * s)}'
            f'C{Fmt(cx + 0.5 * s)} {Fmt(cy + 0.04 * s)} {Fmt(cx + 0.14 * s)} {Fmt(cy + 0.3 * s)} '
            f'{Fmt(cx)} {Fmt(cy + 0.42 * s)}Z" fill="{fill}"/>\n')


def RowIcon(index, top):
    """The 12 x 12 icon of a menu row; top is the row's first icon line."""
    x0, y0 = 5, top
    out = []
    if index == 0:      # two linked hearts
        out.append(Heart(x0 + 3.6, y0 + 4.4, 7.6, FIRE))
        out.append(Heart(x0 + 8.2, y0 + 7.4, 7.6, GOLD).replace(
            "/>", f' stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>'))
    elif index == 1:    # calendar page with a star
        out.append(f'<rect x="{x0 + 0.5}" y="{y0 + 0.5}" width="11" height="11" rx="1.5" '
                   f'fill="{CREAM}" stroke="{INK}" stroke-width="1"/>\n')
        out.append(f'<rect x="{x0 + 1}" y="{y0 + 1}" width="10" height="3" fill="{FIRE}"/>\n')
        out.append(Star(x0 + 6, y0 + 8, 4, NIGHT_LIGHT, points=5))
    elif index == 2:    # zodiac wheel
        cx, cy = x0 + 6, y0 + 6
        out.append(f'<circle cx="{cx}" cy="{cy}" r="5.5" fill="{NIGHT}" stroke="{GOLD}" '
                   f'stroke-width="1"/>\n')
        spokes = []
        for k in range(4):
            a = math.pi * k / 4
            spokes.append(f"M{Fmt(cx + 5 * math.cos(a))} {Fmt(cy + 5 * math.sin(a))}"
                          f"L{Fmt(cx - 5 * math.cos(a))} {Fmt(cy - 5 * math.sin(a))}")
        out.append(f'<path d="{"".join(spokes)}" stroke="{GOLD_LIGHT}" stroke-width="0.8"/>\n')
        out.append(f'<circle cx="{cx}" cy="{cy}" r="2" fill="{GOLD}"/>\n')
    elif index == 3:    # number tile
        out.append(f'<rect x="{x0 + 0.5}" y="{y0 + 0.5}" width="11" height="11" rx="2" '
                   f'fill="{GOLD_LIGHT}" stroke="{GOLD}" stroke-width="1"/>\n')
        out.append(f'<text x="{x0 + 6}" y="{y0 + 10}" {FONT} font-weight="bold" '
                   f'font-size="11" text-anchor="middle" fill="{INK}">9</text>\n')
    else:               # sparkle
        out.append(Star(x0 + 5, y0 + 6.5, 6, GOLD_LIGHT))
        out.append(Star(x0 + 10.2, y0 + 2.6, 2.4, GOLD))
        out.append(Star(x0 + 10.4, y0 + 10.2, 1.8, CREAM))
    return "".join(out)


def MenuList():
    out = ["<defs>\n",
           Gradient("plate", "#33449A", NIGHT),
           "</defs>\n"]
    for index, label in enumerate(LABELS):
        top = 16 * index
        out.append(f'<rect x="0.5" y="{top + 2.5}" width="175" height="13" rx="4" '
                   f'fill="url(#plate)" stroke="{GOLD}" stroke-width="1"/>\n')
        out.append(RowIcon(index, top + 3))
        out.append(f'<text x="21" y="{top + 13}" {FONT} font-weight="bold" font-size="12" '
                   f'fill="{CREAM}">{label}</text>\n')
        out.append(f'<path d="M166.5 {top + 5.5}L170 {top + 9}L166.5 {top + 12.5}" fill="none" '
                   f'stroke="{GOLD}" stroke-width="1.4" stroke-linecap="round" '
                   f'stroke-linejoin="round"/>\n')
    return Document(176, 80, "".join(out))


# ---------------------------------------------------------------------------
# Corner icons (162/163 exit, 479/480 help, 481/478 information).

def IconTile(symbol, fill_top, fill_bottom, ident):
    """A coloured face set in a square gold bezel.

    The icons are drawn unkeyed, over the night sky on portrait layouts and
    over the gold side bars on the others, so the whole square is part of
    the button: a gold bezel with a dark gold edge reads as a plate on the
    sky and as a set-in button on the bars, where a dark ground would show
    as a black square."""
    out = ["<defs>", Gradient(ident, fill_top, fill_bottom),
           Gradient(f"{ident}bezel", GOLD_LIGHT, BEZEL_DEEP), "</defs>\n",
           f'<rect x="0.5" y="0.5" width="16" height="16" fill="url(#{ident}bezel)" '
           f'stroke="{BEZEL_EDGE}" stroke-width="1"/>\n',
           f'<rect x="2.5" y="2.5" width="12" height="12" rx="2.5" fill="url(#{ident})" '
           f'stroke="{INK}" stroke-width="1"/>\n', symbol]
    return Document(17, 17, "".join(out))


def ExitIcon():
    cross = (f'<path d="M5.5 5.5L11.5 11.5M11.5 5.5L5.5 11.5" stroke="{WHITE}" '
             f'stroke-width="2" stroke-linecap="round"/>\n')
    return IconTile(cross, "#C0281C", RED, "exitfill")


def HelpIcon():
    mark = (f'<path d="M6.2 6.6C6.2 4.9 7.4 4 8.9 4C10.4 4 11.5 4.9 11.5 6.2'
            f'C11.5 8 9 8.3 9 10" fill="none" stroke="{CREAM}" stroke-width="1.8" '
            f'stroke-linecap="round"/>\n'
            f'<rect x="8" y="11" width="2" height="2" fill="{CREAM}"/>\n')
    return IconTile(mark, "#33449A", NIGHT, "helpfill")


def InfoIcon():
    mark = (f'<rect x="7" y="4" width="3" height="2" fill="{CREAM}"/>\n'
            f'<path d="M6 7H10V11H11V13H6V11H7V9H6Z" fill="{CREAM}"/>\n')
    return IconTile(mark, "#33449A", NIGHT, "infofill")


# ---------------------------------------------------------------------------
# Side bars (438 left, 437 right), corner pieces (441, 440), fillers.

def Medallion(name, accent, cx, cy):
    return (f'<circle cx="{cx}" cy="{cy}" r="11.5" fill="{NIGHT_LIGHT}" stroke="{INK}" '
            f'stroke-width="1"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="10" fill="none" stroke="{accent}" '
            f'stroke-width="1"/>\n' + SignGlyph(name, cx, cy, 13, GOLD_LIGHT, 1.4))


MEDALLION_Y = [76, 105, 134, 163, 192, 221]


def SideBar(left_side):
    signs = SIGNS[:6] if left_side else SIGNS[6:]
    top, bottom = (TEAL_DEEP, TEAL) if left_side else (SAND_DEEP, SAND)
    out = ["<defs>\n", Gradient("bar", top, bottom, vector=(0, 0, 0, 240), absolute=True), "</defs>\n",
           '<rect x="0" y="0" width="40" height="240" fill="url(#bar)"/>\n']
    cx = 20 if left_side else 20.5
    for (name, accent), cy in zip(signs, MEDALLION_Y):
        out.append(Medallion(name, accent, cx, cy))
    if left_side:
        # A star medallion heads the left column; the right column keeps
        # its top (x 22..39, y 2..57) plain for the three icons.
        out.append(f'<circle cx="{cx}" cy="29" r="11.5" fill="{NIGHT_LIGHT}" stroke="{INK}" '
                   f'stroke-width="1"/>\n')
        out.append(f'<circle cx="{cx}" cy="29" r="10" fill="none" stroke="{GOLD}" '
                   f'stroke-width="1"/>\n')
        out.append(Star(cx, 29.6, 7.5, GOLD_LIGHT, points=5))
    return Document(40, 240, "".join(out))


def CornerPiece(left_side):
    """Caps above the side bars on 320 x 320 screens (bars start at y 50)."""
    if left_side:
        width, height = 41, 51
        sky_x, bar_x = 40, 0
        colour = TEAL_DEEP
    else:
        width, height = 41, 55
        sky_x, bar_x = 0, 1
        colour = SAND_DEEP
    out = ["<defs>\n", SKY_GRADIENT, "</defs>\n",
           f'<rect x="{sky_x}" y="0" width="1" height="{height}" fill="url(#sky)"/>\n',
           f'<rect x="{bar_x}" y="0" width="40" height="{height}" fill="{colour}"/>\n']
    if left_side:
        out.append(Crescent(19, 25, 11, CREAM, 5.5, -4, 9.5, "capmoon"))
        out.append(Star(29, 38, 2.6, CREAM))
    # The right cap stays plain: the three icons cover its x 23..40, y 2..57.
    return Document(width, height, "".join(out))


def TallFiller(top):
    """462 above / 463 below the portrait background, 240 x 40 units."""
    colour = NIGHT if top else NIGHT_LIGHT
    seed = 462 if top else 463
    rng = random.Random(seed)
    out = [f'<rect x="0" y="0" width="240" height="40" fill="{colour}"/>\n']
    # Stars of at least one unit so they survive the program's halving.
    for _ in range(18):
        x = rng.randrange(4, 236)
        y = rng.randrange(4, 36)
        out.append(Pixel(x, y, rng.choice([WHITE, CREAM, GOLD_LIGHT, "#9AA6E6"])))
    for x, y, size in ([(40, 16, 3), (132, 10, 2.5), (206, 24, 3)] if top else
                       [(24, 20, 3), (110, 28, 2.5), (190, 14, 3)]):
        out.append(Star(x, y, size, GOLD_LIGHT))
    return Document(480, 80, "".join(out), view_box="0 0 240 40")


def WideFiller(left_side):
    """464 left of the left bar / 465 right of the right bar, 40 x 240 units."""
    top, bottom = (TEAL_DEEP, TEAL) if left_side else (SAND_DEEP, SAND)
    star = CREAM if left_side else "#B98A2A"
    out = ["<defs>\n", Gradient("bar", top, bottom, vector=(0, 0, 0, 240), absolute=True), "</defs>\n",
           '<rect x="0" y="0" width="40" height="240" fill="url(#bar)"/>\n']
    for cy, size in zip(MEDALLION_Y, (3, 2, 3, 2, 3, 2)):
        out.append(Star(20, cy, size, star))
    out.append(Star(20, 30, 3, star))
    return Document(80, 480, "".join(out), view_box="0 0 40 240")


# ---------------------------------------------------------------------------
# Popup frame (166/170 title bar, 167/171 and 168/172 border tiles,
# 169/173 bottom bar). Across the frame, from the outside in: one ink
# column, two navy columns, one gold column that edges the white panel.

def PopupTitle():
    out = ["<defs>\n",
           Gradient("titlebar", "#33449A", NIGHT),
           Gradient("closefill", "#C0281C", RED), "</defs>\n",
           f'<rect x="0" y="0" width="240" height="26" fill="{INK}"/>\n',
           '<rect x="1" y="1" width="238" height="25" fill="url(#titlebar)"/>\n',
           f'<rect x="3" y="25" width="234" height="1" fill="{GOLD}"/>\n',
           Star(13, 13, 6, GOLD_LIGHT), Star(24.5, 7.5, 2.5, GOLD), Star(26, 18.5, 2, CREAM),
           # Close box: the tap box is x 212..232, y 0..19.
           f'<rect x="214.5" y="4.5" width="15" height="15" rx="3" fill="url(#closefill)" '
           f'stroke="{GOLD}" stroke-width="1"/>\n',
           f'<path d="M218.5 8.5L225.5 15.5M225.5 8.5L218.5 15.5" stroke="{WHITE}" '
           f'stroke-width="2" stroke-linecap="round"/>\n']
    return Document(240, 26, "".join(out))


def PopupSide(left_side):
    columns = [INK, NIGHT_LIGHT, NIGHT_LIGHT, GOLD]
    if not left_side:
        columns.reverse()
    out = [f'<rect x="{x}" y="0" width="1" height="30" fill="{colour}"/>\n'
           for x, colour in enumerate(columns)]
    return Document(4, 30, "".join(out))


def PopupBottom():
    out = [f'<rect x="0" y="0" width="240" height="10" fill="{INK}"/>\n',
           f'<rect x="1" y="0" width="238" height="9" fill="{NIGHT_LIGHT}"/>\n',
           f'<rect x="3" y="0" width="234" height="1" fill="{GOLD}"/>\n',
           Star(120, 5, 3.5, GOLD_LIGHT), Star(108, 5, 2, GOLD), Star(132, 5, 2, GOLD)]
    return Document(240, 10, "".join(out))


# ---------------------------------------------------------------------------
# Maker's logo (165 / 164), shown on white in the About box. Its top rows
# stay white: the About box writes "by" just above and into them.

def MakerLogo():
    out = ["<defs>\n",
           Gradient("mark", TEAL, TEAL_DEEP), "</defs>\n",
           '<rect x="0" y="0" width="103" height="29" fill="#FFFFFF"/>\n',
           # The mark: a teal drop-cornered tile with a white T and a gold spark.
           f'<path d="M2.5 10.5A6 6 0 0 1 8.5 4.5H23.5V20.5A6 6 0 0 1 17.5 26.5H2.5Z" '
           f'fill="url(#mark)" stroke="{INK}" stroke-width="1"/>\n',
           f'<path d="M6 9H18V12H13.5V23H10.5V12H6Z" fill="{WHITE}"/>\n',
           Star(19.5, 18.5, 3.6, GOLD_LIGHT),
           f'<text x="27" y="22" {FONT} font-weight="bold" font-size="16">'
           f'<tspan fill="{NIGHT_LIGHT}" stroke="{NIGHT_LIGHT}" stroke-width="0.5">Tessa</tspan>'
           f'<tspan fill="{TEAL_DEEP}" stroke="{TEAL_DEEP}" stroke-width="0.5">line</tspan>'
           f'</text>\n']
    return Document(103, 29, "".join(out))


# ---------------------------------------------------------------------------

def main():
    Write(HERE, "background.svg", Background())
    Write(HERE, "title.svg", Background(view_box="0 72 240 54", width=240, height=54))
    Write(HERE, "menulist.svg", MenuList())
    Write(HERE, "icon-exit.svg", ExitIcon())
    Write(HERE, "icon-help.svg", HelpIcon())
    Write(HERE, "icon-info.svg", InfoIcon())
    Write(HERE, "sidebar-left.svg", SideBar(True))
    Write(HERE, "sidebar-right.svg", SideBar(False))
    Write(HERE, "corner-left.svg", CornerPiece(True))
    Write(HERE, "corner-right.svg", CornerPiece(False))
    Write(HERE, "filler-top.svg", TallFiller(True))
    Write(HERE, "filler-bottom.svg", TallFiller(False))
    Write(HERE, "filler-left.svg", WideFiller(True))
    Write(HERE, "filler-right.svg", WideFiller(False))
    Write(HERE, "popup-title.svg", PopupTitle())
    Write(HERE, "popup-left.svg", PopupSide(True))
    Write(HERE, "popup-right.svg", PopupSide(False))
    Write(HERE, "popup-bottom.svg", PopupBottom())
    Write(HERE, "logo.svg", MakerLogo())


if __name__ == "__main__":
    main()
