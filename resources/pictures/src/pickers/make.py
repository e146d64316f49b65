#!/usr/bin/python3
"""Writes the SVG sources of the picker, topic list, numerology and extras pictures.

Many of these pictures share parts: the twelve sign glyphs, the sign names
and date ranges, stars, hearts and rounded buttons. This script draws them all
from one set of definitions and writes one SVG per picture family into this
folder; tools/pictures/render.py then renders each SVG at the small and the
double size listed in resources/pictures/manifest/pickers.tsv.

Every SVG uses a viewBox equal to the small picture's pixel size, so one unit
is one pixel at 1x and two pixels at 2x. One-unit outlines sit on .5
coordinates so that they stay crisp at 1x.

Text widths are measured with the Tahoma files that render.py also uses, so a
label that would be too wide for its cell is narrowed horizontally instead of
running into its neighbour.

Usage: PYTHONPATH=resources/pictures/src /usr/bin/python3 -m pickers.make
"""
import math
import os
from functools import partial
from xml.sax.saxutils import escape

from PIL import ImageFont

from pickers.lettering import Lettering
from house import (Document, Gradient, Num, SignGlyph, Star, Write, AIR, CREAM, EARTH, FIRE, GOLD,
                   GOLD_LIGHT, INK, NIGHT, NIGHT_LIGHT, TITLE_RED, WATER, WHITE)

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/wine/fonts"

NAVY = NIGHT
NAVY2 = NIGHT_LIGHT
LIGHT_GOLD = GOLD_LIGHT

# This family's sparkles are slimmer than the house default.
Star4 = partial(Star, inner=0.32)
Star5 = partial(Star, points=5, inner=0.45)

# Page grounds of the screens these pictures sit on.
COMPAT_GROUND = "rgb(153,204,255)"
FORECAST_GROUND = "rgb(206,255,49)"
PROFILE_GROUND = "rgb(255,255,153)"
NUMEROLOGY_GROUND = "rgb(255,153,255)"
EXTRAS_BUTTON_GROUND = "rgb(252,252,203)"

# The twelve signs in the program's order: name, element, first and last day.
SIGNS = [
    ("Aries", FIRE, "Mar 21", "Apr 19"),
    ("Leo", FIRE, "Jul 23", "Aug 22"),
    ("Sagittarius", FIRE, "Nov 22", "Dec 21"),
    ("Taurus", EARTH, "Apr 20", "May 20"),
    ("Virgo", EARTH, "Aug 23", "Sep 22"),
    ("Capricorn", EARTH, "Dec 22", "Jan 19"),
    ("Gemini", AIR, "May 21", "Jun 21"),
    ("Libra", AIR, "Sep 23", "Oct 22"),
    ("Aquarius", AIR, "Jan 20", "Feb 18"),
    ("Cancer", WATER, "Jun 22", "Jul 22"),
    ("Scorpio", WATER, "Oct 23", "Nov 21"),
    ("Pisces", WATER, "Feb 19", "Mar 20"),
]


_fonts = {}


def TextWidth(text, size, bold=True):
    """Advance width of text in Tahoma at the given pixel size."""
    key = bold
    if key not in _fonts:
        name = "tahomabd.ttf" if bold else "tahoma.ttf"
        _fonts[key] = ImageFont.truetype(os.path.join(FONT_DIR, name), 400)
    return _fonts[key].getlength(text) * size / 400.0


def Text(x, y, text, size, fill, bold=True, anchor="middle", max_width=None,
         weight=None):
    """Tahoma text with its baseline at y; narrowed to max_width if wider.

    The Tahoma Bold face available here draws thin stems, so bold text is
    thickened by an outline in its own colour, 5% of the size wide (3.5%
    below 12 units, where more would close the gap over an i), which gives
    it the weight of the program's own bold lettering. weight overrides that
    fraction (also for regular text, 0 = none)."""
    if weight is None:
        weight = (0.05 if size >= 12 else 0.035) if bold else 0.0
    attrs = (f'font-family="Tahoma" font-size="{Num(size)}" '
             f'font-weight="{"bold" if bold else "normal"}" '
             f'fill="{fill}" text-anchor="{anchor}"')
    if weight > 0:
        attrs += (f' stroke="{fill}" stroke-width="{Num(weight * size)}" '
                  f'stroke-linejoin="round"')
    width = TextWidth(text, size, bold)
    if max_width is not None and width > max_width:
        # Narrowed text is anchored at its start, placed from the measured
        # width, because text-anchor is not applied to the scaled advance.
        k = max_width / width
        start = {"start": x, "middle": x - max_width / 2.0, "end": x - max_width}[anchor]
        attrs = attrs.replace(f'text-anchor="{anchor}"', 'text-anchor="start"')
        return (f'<text transform="translate({Num(start)} {Num(y)}) scale({k:.3f} 1)" '
                f'{attrs}>{escape(text)}</text>')
    return f'<text x="{Num(x)}" y="{Num(y)}" {attrs}>{escape(text)}</text>'


HEART = ("M0.5 0.97C0.22 0.74 0 0.54 0 0.3C0 0.12 0.14 0 0.29 0C0.39 0 0.46 0.05 0.5 0.14"
         "C0.54 0.05 0.61 0 0.71 0C0.86 0 1 0.12 1 0.3C1 0.54 0.78 0.74 0.5 0.97Z")


def Heart(x, y, w, h, fill, stroke=INK):
    """A heart in the box (x, y, w, h), with a 1-unit outline unless stroke is None."""
    outline = ""
    if stroke:
        outline = (f' stroke="{stroke}" stroke-width="{1.0 / min(w, h):.4f}" '
                   f'stroke-linejoin="round"')
    return (f'<path transform="translate({Num(x)} {Num(y)}) scale({Num(w)} {Num(h)})" '
            f'd="{HEART}" fill="{fill}"{outline}/>')


def Box(x0, y0, x1, y1, fill, stroke=INK, radius=4.0):
    """A rounded box covering pixels x0..x1, y0..y1 (inclusive), 1-unit outline."""
    if stroke is None:
        return (f'<rect x="{Num(x0)}" y="{Num(y0)}" width="{Num(x1 - x0 + 1)}" '
                f'height="{Num(y1 - y0 + 1)}" rx="{Num(radius)}" fill="{fill}"/>')
    return (f'<rect x="{Num(x0 + 0.5)}" y="{Num(y0 + 0.5)}" width="{Num(x1 - x0)}" '
            f'height="{Num(y1 - y0)}" rx="{Num(radius)}" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="1"/>')


# ---------------------------------------------------------------------------
# Compatibility picker
# ---------------------------------------------------------------------------

# Cell column bands of the two grids and the selection ring's x offsets.
COMPAT_COLUMNS = [(0, 39), (41, 79), (81, 120), (122, 160), (162, 199), (201, 239)]
COMPAT_ROWS = [(0, 40), (42, 82)]
RING_X = [3, 44, 84, 125, 165, 204]
RING_Y = [0, 43]


# Inside each 41-row tile: the ring's box (the top RING_H rows of the ring
# picture) frames the glyph, and under it, clear of the ring, the name and
# the two days of the date range, each on its own line so that all of them
# keep a legible size within the 38-unit-wide tiles. At double size the
# lines keep a pixel row apart (a descender of one line above the capitals
# of the next) and the last ends a pixel above the tile's lower edge. The
# second row's ring sits a row and a half lower in its tile than the
# first's, so its last date sits half a unit higher, by row.
RING_H = 16
GLYPH_SIZE = 12
NAME_SIZE, NAME_BASE = 7.5, 23
DATE_SIZE, DATE_BASES = 6.5, ((30.5, 38), (30.5, 37.5))
# Room left on each side of a label, so that the widest names and dates
# stay a pixel clear of the dividers at double size.
LABEL_SIDE = 1.5


# The 1x tiles' pixel lettering: capital rows of the name and the two date
# lines below the ring's box and its plain row, the last line ending two
# rows above the grid's bottom edge.
PIXEL_TOPS = (17, 26, 33)


def PixelLabels(cx, top, tops, sign, name_colour, date_colour):
    """A sign's name and date range in pixel lettering, centred on cx, the
    lines' capital rows at top + tops."""
    name, _element, first, last = sign
    lines = ((name, name_colour), (first.upper() + "\u2013", date_colour),
             (last.upper(), date_colour))
    return [Lettering(text, cx, top + dy, colour) for (text, colour), dy in zip(lines, tops)]


def CompatTextLabels(mid, ry, width, sign, row):
    """A tile's name and date range in Tahoma, narrowed to the tile's width."""
    name, _element, first, last = sign
    room = width + 1 - 2 * LABEL_SIDE
    labels = [Text(mid, ry + NAME_BASE, name, NAME_SIZE, INK, max_width=room)]
    for day, base in zip((first + "\u2013", last), DATE_BASES[row]):
        labels.append(Text(mid, ry + base, day, DATE_SIZE, DATE_INK, bold=False,
                           max_width=room, weight=0.02))
    return labels


def CompatGrid(top, bottom, glyph_colour, pixel_lettering=False):
    """Two rows of six signs on tiles separated by 1-unit ink lines; the
    labels in pixel lettering for the 1x picture."""
    body = []
    for row in range(2):
        y0, y1 = COMPAT_ROWS[row]
        ry = RING_Y[row]
        for col in range(6):
            sign = SIGNS[row * 6 + col]
            x0, x1 = COMPAT_COLUMNS[col]
            body.append(f'<rect x="{x0}" y="{y0}" width="{x1 - x0 + 1}" '
                        f'height="{y1 - y0 + 1}" fill="url(#tile)"/>')
            cx = RING_X[col] + 16
            body.append(SignGlyph(sign[0].lower(), cx, ry + RING_H / 2.0, GLYPH_SIZE,
                                  glyph_colour, 1.5))
            mid = (x0 + x1 + 1) / 2.0
            if pixel_lettering:
                body.extend(PixelLabels(mid, ry, PIXEL_TOPS, sign, INK, DATE_INK))
            else:
                body.extend(CompatTextLabels(mid, ry, x1 - x0, sign, row))
    return Document(240, 83, body, [Gradient("tile", top, bottom)], ground=INK)


DATE_INK = "#3A3F5C"


def CompatRing():
    """The red selection ring framing a grid cell's glyph (32 x 27): drawn in
    the top RING_H rows only, so it never reaches the name under the glyph."""
    return Document(32, 27, [
        f'<rect x="1" y="1" width="30" height="{RING_H - 2}" rx="5" fill="none" '
        'stroke="#D8141E" stroke-width="2"/>',
    ])


# The banner is drawn at the title origin; on the 240-unit-high layouts the
# "I am:" label is written over its rows 31 to 40 and on the 240 x 240 ones
# the Back icon covers its x 210 to 212 in rows 1 to 17, so the panel keeps
# to x 3..209, y 0..30 and leaves the rest plain ground.
BANNER_PANEL = (3, 0, 209, 30)


def CompatTitle():
    """Matchmaker by Sign banner, 213 x 41, on the picker's blue ground."""
    x0, y0, x1, y1 = BANNER_PANEL
    mid = (x0 + x1 + 1) / 2.0
    defs = [Gradient("panel", NAVY2, NAVY), Gradient("heart", "#F0506A", "#B8102E")]
    big, small, gap = 16, 12, 4
    wide = TextWidth("Matchmaker", big)
    start = mid - (wide + gap + TextWidth("by Sign", small)) / 2.0
    body = [
        Box(x0, y0, x1, y1, "url(#panel)", radius=6),
        f'<rect x="{x0 + 2.5}" y="{y0 + 2.5}" width="{x1 - x0 - 4}" height="{y1 - y0 - 4}" '
        f'rx="4" fill="none" stroke="{GOLD}" stroke-width="1" opacity="0.9"/>',
        # A pair of hearts at each end, the back one gold, the front one red.
        Heart(x0 + 5, 5, 14, 12, GOLD),
        Heart(x0 + 10, 10, 15, 14, "url(#heart)"),
        Heart(x1 - 18, 5, 14, 12, GOLD),
        Heart(x1 - 24, 10, 15, 14, "url(#heart)"),
        Text(start, 21.5, "Matchmaker", big, LIGHT_GOLD, anchor="start"),
        Text(start + wide + gap, 21.5, "by Sign", small, CREAM, anchor="start"),
    ]
    return Document(213, 41, body, defs, ground=COMPAT_GROUND)


def MatchButton():
    """The Match button, 90 x 15."""
    defs = [Gradient("face", "#C0282E", TITLE_RED)]
    body = [
        Box(0, 0, 89, 14, "url(#face)", radius=4),
        Heart(15, 4, 8, 7, LIGHT_GOLD, stroke=None),
        Heart(67, 4, 8, 7, LIGHT_GOLD, stroke=None),
        Text(45, 11.5, "Match", 11, WHITE),
    ]
    return Document(90, 15, body, defs, ground=COMPAT_GROUND)


# ---------------------------------------------------------------------------
# Sign pickers (forecast and profile)
# ---------------------------------------------------------------------------

# Twelve cells, four to a row, placed inside the tap bands of both grids:
# columns [0, 50], [60, 110], [120, 170], [182, 232]; rows [0, 70),
# [74, 146), [150, 218) (the profile grid's bands contain these).
CELL_X = [0, 60, 120, 182]
CELL_Y = [1, 76, 150]
CELL_W = 50
CELL_H = 68


# Capital rows of the 1x cells' pixel lettering, from the cell's top.
CELL_PIXEL_TOPS = (37, 47, 55)
# The double-size cells' name and days: a clear pixel row between the lines.
CELL_NAME_SIZE, CELL_NAME_BASE = 9.5, 44
CELL_DATE_SIZE, CELL_DATE_BASES = 8, (53.5, 62.5)


def SignCell(x, y, sign, style, pixel_lettering):
    name, element, first, last = sign
    cx = x + CELL_W / 2.0
    out = []
    if style == "forecast":
        out.append(Box(x, y, x + CELL_W - 1, y + CELL_H - 1, "url(#tile)", radius=5))
        out.append(Star4(x + 6.5, y + 7, 3, GOLD))
        out.append(Star4(x + 43.5, y + 7, 3, GOLD))
        out.append(f'<circle cx="{Num(cx)}" cy="{y + 19}" r="14.5" fill="{CREAM}" '
                   f'stroke="{GOLD}" stroke-width="1.5"/>')
        out.append(SignGlyph(name.lower(), cx, y + 19, 19, element, 2.2))
        name_colour, date_colour = LIGHT_GOLD, CREAM
    else:
        out.append(Box(x, y, x + CELL_W - 1, y + CELL_H - 1, "url(#tile)", radius=5))
        out.append(f'<circle cx="{Num(cx)}" cy="{y + 19}" r="14.5" fill="{element}" '
                   f'stroke="{INK}" stroke-width="1"/>')
        out.append(SignGlyph(name.lower(), cx, y + 19, 19, WHITE, 2.2))
        name_colour, date_colour = INK, "#5A3E12"
    if pixel_lettering:
        return out + PixelLabels(cx, y, CELL_PIXEL_TOPS, sign, name_colour, date_colour)
    out.append(Text(cx, y + CELL_NAME_BASE, name, CELL_NAME_SIZE, name_colour, max_width=CELL_W - 6))
    # Both days centred on the cell, the dash hanging after the first.
    first_base, last_base = y + CELL_DATE_BASES[0], y + CELL_DATE_BASES[1]
    out.append(Text(cx, first_base, first, CELL_DATE_SIZE, date_colour, bold=False, weight=0.03))
    dash_x = cx + TextWidth(first, CELL_DATE_SIZE, False) / 2.0 + 1.5
    out.append(f'<path d="M{Num(dash_x)} {Num(first_base - 0.39 * CELL_DATE_SIZE)}h3.5" stroke="{date_colour}" stroke-width="1"/>')
    out.append(Text(cx, last_base, last, CELL_DATE_SIZE, date_colour, bold=False, weight=0.03))
    return out


def SignGrid(width, style, ground, tile_top, tile_bottom, pixel_lettering=False):
    body = []
    for i, sign in enumerate(SIGNS):
        body.extend(SignCell(CELL_X[i % 4], CELL_Y[i // 4], sign, style, pixel_lettering))
    return Document(width, 218, body, [Gradient("tile", tile_top, tile_bottom)],
               ground=ground)


def CrescentMoon(cx, cy, r, fill):
    """A crescent opening to the right."""
    return (f'<path d="M{Num(cx + r * 0.35)} {Num(cy - r * 0.94)}'
            f'A{Num(r)} {Num(r)} 0 1 0 {Num(cx + r * 0.35)} {Num(cy + r * 0.94)}'
            f'A{Num(r * 0.8)} {Num(r * 0.8)} 0 1 1 {Num(cx + r * 0.35)} {Num(cy - r * 0.94)}Z" '
            f'fill="{fill}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>')


def ForecastTitle():
    """Horoscopes 2010, 220 x 46, on the forecast picker's lime ground.

    The top right corner stays plain ground: the page's Back icon is drawn
    over it in the 240 x 320 layout."""
    defs = [Gradient("panel", NAVY2, NAVY)]
    body = [
        Box(0, 8, 219, 45, "url(#panel)", radius=7),
        CrescentMoon(22, 22, 14, GOLD),
        Star4(37, 5, 4, GOLD, stroke=INK),
        Star5(12, 38, 3.5, LIGHT_GOLD),
        Text(44, 36, "Horoscopes", 20, LIGHT_GOLD, anchor="start"),
        Box(166, 15, 211, 38, GOLD, radius=4),
        Text(188.5, 34, "2010", 17, NAVY),
        Star4(160, 14, 2.5, CREAM),
        Star4(103, 14.5, 2.5, CREAM),
    ]
    return Document(220, 46, body, defs, ground=FORECAST_GROUND)


def ProfileTitle():
    """Zodiac Signs, 240 x 57, on the profile picker's yellow ground.

    The top right corner stays plain ground for the page's Back icon."""
    defs = [Gradient("panel", NAVY2, NAVY)]
    body = [
        # A dome of night sky rising behind the panel, crowned by a star.
        f'<circle cx="120" cy="34" r="28.5" fill="{NAVY2}" stroke="{INK}" stroke-width="1"/>',
        Star5(120, 12, 5.5, GOLD, stroke=INK, width=0.8),
        Star4(101, 15, 2.5, LIGHT_GOLD),
        Star4(139, 15, 2.5, LIGHT_GOLD),
        Box(0, 17, 239, 56, "url(#panel)", radius=8),
        f'<circle cx="24" cy="36.5" r="13.5" fill="{CREAM}" stroke="{GOLD}" stroke-width="1.5"/>',
        SignGlyph("aries", 24, 36.5, 17, FIRE, 2.1),
        f'<circle cx="216" cy="36.5" r="13.5" fill="{CREAM}" stroke="{GOLD}" stroke-width="1.5"/>',
        SignGlyph("pisces", 216, 36.5, 17, WATER, 2.1),
        Text(120, 45, "Zodiac Signs", 23, LIGHT_GOLD),
        Star4(46, 24, 2.5, CREAM),
        Star4(194, 24, 2.5, CREAM),
        Star4(60, 7, 3, GOLD),
        Star4(178, 7, 3, GOLD),
    ]
    return Document(240, 57, body, defs, ground=PROFILE_GROUND)


# Topic rows: each 18 units high, centred in its tap band.
TOPIC_BANDS = [(0, 20), (22, 40), (42, 62), (64, 82), (84, 102), (104, 124),
               (126, 144), (146, 166), (168, 186), (188, 208), (210, 230)]
TOPICS = ["General Information", "About Love", "About Health", "Likes / Dislikes",
          "Problems / Solutions", "Planet Ruling", "Your Animal",
          "Your Color of choice", "Your Starstone", "Famous Persons",
          "Show Everything!"]


def TopicIcon(index, x, y):
    """A 14 x 14 icon with its top left at (x, y)."""
    cx, cy = x + 7, y + 7
    if index == 0:  # information
        return [f'<circle cx="{cx}" cy="{cy}" r="6.5" fill="{AIR}" stroke="{INK}" stroke-width="1"/>',
                f'<circle cx="{cx}" cy="{cy - 3}" r="1.2" fill="{WHITE}"/>',
                f'<rect x="{cx - 1}" y="{cy - 1}" width="2" height="5" fill="{WHITE}"/>']
    if index == 1:  # love
        return [Heart(x + 0.5, y + 1, 13, 12, "#D8283C")]
    if index == 2:  # health
        return [Box(x, y, x + 13, y + 13, EARTH, radius=3),
                f'<path d="M{cx - 1.5} {y + 3}h3v2.5h2.5v3h-2.5v2.5h-3v-2.5h-2.5v-3h2.5z" fill="{WHITE}"/>']
    if index == 3:  # likes and dislikes
        return [f'<circle cx="{x + 4.5}" cy="{y + 4.5}" r="4" fill="{EARTH}" stroke="{INK}" stroke-width="1"/>',
                f'<path d="M{x + 2.5} {y + 4.5}h4M{x + 4.5} {y + 2.5}v4" stroke="{WHITE}" stroke-width="1.2"/>',
                f'<circle cx="{x + 9.5}" cy="{y + 9.5}" r="4" fill="{FIRE}" stroke="{INK}" stroke-width="1"/>',
                f'<path d="M{x + 7.5} {y + 9.5}h4" stroke="{WHITE}" stroke-width="1.4"/>']
    if index == 4:  # problems and solutions: a light bulb
        return [f'<path d="M{cx} {y + 0.5}A4.8 4.8 0 0 1 {cx + 3} {y + 9}V{y + 10.5}H{cx - 3}V{y + 9}'
                f'A4.8 4.8 0 0 1 {cx} {y + 0.5}Z" fill="{LIGHT_GOLD}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>',
                f'<rect x="{cx - 2.5}" y="{y + 11}" width="5" height="2.5" fill="#8A8F9C" stroke="{INK}" stroke-width="0.8"/>']
    if index == 5:  # ruling planet: a ringed planet
        return [f'<circle cx="{cx}" cy="{cy}" r="4.5" fill="{GOLD}" stroke="{INK}" stroke-width="1"/>',
                f'<ellipse cx="{cx}" cy="{cy}" rx="7" ry="2.3" fill="none" stroke="{FIRE}" '
                f'stroke-width="1.3" transform="rotate(-20 {cx} {cy})"/>']
    if index == 6:  # animal: a paw print
        paw = "#7A4A22"
        return [f'<ellipse cx="{cx}" cy="{y + 9.8}" rx="3.6" ry="3" fill="{paw}"/>',
                f'<circle cx="{x + 2}" cy="{y + 6}" r="1.6" fill="{paw}"/>',
                f'<circle cx="{x + 5}" cy="{y + 2.6}" r="1.6" fill="{paw}"/>',
                f'<circle cx="{x + 9}" cy="{y + 2.6}" r="1.6" fill="{paw}"/>',
                f'<circle cx="{x + 12}" cy="{y + 6}" r="1.6" fill="{paw}"/>']
    if index == 7:  # colour of choice: four swatches
        return [f'<rect x="{x + 0.5}" y="{y + 0.5}" width="6" height="6" fill="{FIRE}" stroke="{INK}" stroke-width="1"/>',
                f'<rect x="{x + 7.5}" y="{y + 0.5}" width="6" height="6" fill="{GOLD}" stroke="{INK}" stroke-width="1"/>',
                f'<rect x="{x + 0.5}" y="{y + 7.5}" width="6" height="6" fill="{EARTH}" stroke="{INK}" stroke-width="1"/>',
                f'<rect x="{x + 7.5}" y="{y + 7.5}" width="6" height="6" fill="{AIR}" stroke="{INK}" stroke-width="1"/>']
    if index == 8:  # starstone: a cut gem
        return [f'<path d="M{x + 3.5} {y + 2.5}H{x + 10.5}L{x + 13.5} {y + 5.5}L{cx} {y + 13}'
                f'L{x + 0.5} {y + 5.5}Z" fill="#5BC8E8" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>',
                f'<path d="M{x + 0.5} {y + 5.5}H{x + 13.5}M{x + 5} {y + 5.5}L{cx} {y + 13}L{x + 9} {y + 5.5}" '
                f'fill="none" stroke="{INK}" stroke-width="0.7"/>',
                f'<path d="M{x + 4} {y + 5}L{x + 5.5} {y + 3}" stroke="{WHITE}" stroke-width="1"/>']
    if index == 9:  # famous persons: a star
        return [Star5(cx, cy + 0.5, 7, GOLD, stroke=INK)]
    # show everything: an open book
    return [f'<path d="M{cx} {y + 3}C{cx - 2} {y + 1.5} {x + 3} {y + 1.5} {x + 0.5} {y + 2.5}V{y + 12}'
            f'C{x + 3} {y + 11} {cx - 2} {y + 11} {cx} {y + 12.5}C{cx + 2} {y + 11} {x + 11} {y + 11} {x + 13.5} {y + 12}'
            f'V{y + 2.5}C{x + 11} {y + 1.5} {cx + 2} {y + 1.5} {cx} {y + 3}Z" fill="{CREAM}" stroke="{INK}" '
            f'stroke-width="1" stroke-linejoin="round"/>',
            f'<path d="M{cx} {y + 3}V{y + 12.5}" stroke="{INK}" stroke-width="1"/>']


# On the 240 x 240 layouts the list is drawn at (3, 10) and the Back icon at
# (222, 1) reaches down beside the first row's right end, so that row ends
# at x 216, two plain columns short of the icon, as the banners leave the
# icon its corner.
FIRST_TOPIC_RIGHT = 216


def TopicList():
    """Eleven topic rows, 220 x 230, on the profile picker's yellow ground."""
    defs = [Gradient("bar", WHITE, "#FFF0B8"), Gradient("all", NAVY2, NAVY)]
    body = []
    for i, (start, end) in enumerate(TOPIC_BANDS):
        top = start + (end - start - 18) // 2
        last = i == len(TOPICS) - 1
        right = FIRST_TOPIC_RIGHT if i == 0 else 219
        body.append(Box(0, top, right, top + 17, "url(#all)" if last else "url(#bar)",
                        radius=4))
        if last:
            body.append(Box(2, top + 2, 17, top + 15, NAVY2, stroke=None, radius=3))
        body.extend(TopicIcon(i, 3, top + 2))
        body.append(Text(23, top + 13, TOPICS[i], 11, LIGHT_GOLD if last else INK,
                         anchor="start"))
        if last:
            body.append(Star4(208, top + 9, 4, GOLD))
        else:
            body.append(f'<path d="M206.5 {top + 5.5}L210.5 {top + 9}L206.5 {top + 12.5}" '
                        f'fill="none" stroke="{TITLE_RED}" stroke-width="1.6" '
                        f'stroke-linecap="round" stroke-linejoin="round"/>')
    return Document(220, 230, body, defs, ground=PROFILE_GROUND)


# ---------------------------------------------------------------------------
# Numerology page
# ---------------------------------------------------------------------------

def NumerologyLogo():
    """NUMEROLOGY heading with the nine digits, 222 x 90, keyed."""
    defs = [Gradient("panel", NAVY2, NAVY)]
    body = [Box(0, 24, 221, 67, "url(#panel)", radius=9)]
    # Nine coins in a gentle arch over the panel.
    for i in range(9):
        cx = 19 + i * 23
        cy = 13 + abs(i - 4) * 1.5
        body.append(f'<circle cx="{cx}" cy="{Num(cy)}" r="9.5" fill="{GOLD}" '
                    f'stroke="{INK}" stroke-width="1"/>')
        body.append(Text(cx, cy + 4.5, str(i + 1), 13, NAVY))
    body.append(Text(111, 55, "NUMEROLOGY", 25, LIGHT_GOLD, max_width=200))
    # A ribbon of stars below.
    body.append(f'<path d="M40.5 78.5H95M127 78.5H181.5" stroke="{NAVY2}" stroke-width="3" '
                f'stroke-linecap="round"/>')
    body.append(Star5(111, 78.5, 9, GOLD, stroke=INK))
    body.append(Star4(28, 78.5, 5, GOLD, stroke=INK))
    body.append(Star4(194, 78.5, 5, GOLD, stroke=INK))
    return Document(222, 90, body, defs)


def ChevronPair(x, cy, colour):
    """A double arrow pointing right, 17 units wide, 16 high."""
    return (f'<path d="M{x} {cy - 7}L{x + 7} {cy}L{x} {cy + 7}M{x + 8} {cy - 7}'
            f'L{x + 15} {cy}L{x + 8} {cy + 7}" fill="none" stroke="{colour}" '
            f'stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>')


def NextButton():
    """The Next button, 140 x 36, on the numerology page's pink ground."""
    defs = [Gradient("face", NAVY2, NAVY)]
    width = TextWidth("Next", 20)
    start = 70 - (width + 8 + 17) / 2
    body = [
        Box(0, 0, 139, 35, "url(#face)", radius=8),
        '<rect x="2.5" y="2.5" width="134" height="30" rx="6" fill="none" '
        f'stroke="{GOLD}" stroke-width="1"/>',
        Text(start, 25, "Next", 20, LIGHT_GOLD, anchor="start"),
        ChevronPair(start + width + 9, 18, GOLD),
        Star4(14, 11, 3.5, LIGHT_GOLD),
        Star4(126, 25, 3.5, LIGHT_GOLD),
    ]
    return Document(140, 36, body, defs, ground=NUMEROLOGY_GROUND)


NUMEROLOGY_TOPICS = ["Life Path Number", "Birth Day Number", "Challenge Numbers",
                     "Pinnacle Cycles", "Period Cycles", "Personal Year Cycle"]


def NumerologyMenu():
    """Six topic rows, 220 x 202, each 30 units high at a 34-unit pitch."""
    defs = [Gradient("bar", WHITE, "#FFDDF4"), Gradient("badge", NAVY2, NAVY)]
    body = []
    for i, label in enumerate(NUMEROLOGY_TOPICS):
        top = 34 * i
        body.append(Box(0, top, 219, top + 29, "url(#bar)", radius=6))
        body.append(f'<circle cx="17" cy="{top + 15}" r="11.5" fill="url(#badge)" '
                    f'stroke="{INK}" stroke-width="1"/>')
        body.append(f'<circle cx="17" cy="{top + 15}" r="9.5" fill="none" '
                    f'stroke="{GOLD}" stroke-width="1"/>')
        body.append(Text(17, top + 20, str(i + 1), 14, LIGHT_GOLD))
        body.append(Text(36, top + 20, label, 13, INK, anchor="start"))
        body.append(f'<path d="M203.5 {top + 9.5}L209.5 {top + 15}L203.5 {top + 20.5}" '
                    f'fill="none" stroke="{TITLE_RED}" stroke-width="2" '
                    f'stroke-linecap="round" stroke-linejoin="round"/>')
    return Document(220, 202, body, defs, ground=NUMEROLOGY_GROUND)


# ---------------------------------------------------------------------------
# Extras page
# ---------------------------------------------------------------------------

def ExtrasHeading():
    """BIRTHDAY ANALYSIS, 220 x 19, keyed. The bottom row stays empty: the
    double-size copy is 39 pixels high but drawn 38 high."""
    defs = [Gradient("panel", NAVY2, NAVY)]
    body = [
        Box(0, 0, 219, 17, "url(#panel)", radius=6),
        Text(110, 13.5, "BIRTHDAY ANALYSIS", 13, LIGHT_GOLD),
        Star4(22, 9, 4, GOLD),
        Star4(198, 9, 4, GOLD),
    ]
    return Document(220, 19, body, defs)


def ExtrasPrompt():
    """Input your birth date:, 206 x 26, keyed."""
    defs = [Gradient("pill", WHITE, CREAM)]
    body = [
        Box(0, 0, 205, 25, "url(#pill)", radius=12.5),
        Text(103, 17.5, "Input your birth date:", 13, TITLE_RED),
        Star4(13.5, 13, 5, GOLD, stroke=INK),
        Star4(192.5, 13, 5, GOLD, stroke=INK),
    ]
    return Document(206, 26, body, defs)


def ExtrasTree():
    """The tree button icon, 20 x 20, on the button's pale yellow."""
    green = EARTH
    return Document(20, 20, [
        f'<path d="M8.5 19.5V12.5L6 10M11.5 19.5V12.5L14 9.5" fill="#8A5A2B" '
        f'stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>',
        '<rect x="8" y="11" width="4" height="8.5" fill="#8A5A2B"/>',
        f'<path d="M8.5 19.5V12M11.5 19.5V12" stroke="{INK}" stroke-width="1"/>',
        f'<path d="M5.5 13C2.6 13 1 11.3 1 9.2C1 7.4 2.2 6.2 3.6 5.9C3.8 3.2 5.9 1 8.7 1'
        f'C10.6 1 12.2 2 13 3.5C15.9 3.4 18.5 5.4 18.5 8.5C18.5 11.2 16.6 13 14 13Z" '
        f'fill="{green}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>',
        f'<circle cx="7" cy="6.5" r="1.4" fill="#8DC15A"/>',
        f'<circle cx="12.5" cy="8" r="1.4" fill="#8DC15A"/>',
        f'<circle cx="5" cy="10" r="1.1" fill="#8DC15A"/>',
        f'<circle cx="15" cy="10.5" r="1.1" fill="{FIRE}"/>',
        f'<circle cx="10" cy="4" r="1.1" fill="{FIRE}"/>',
    ], ground=EXTRAS_BUTTON_GROUND)


def ExtrasWheel():
    """The colour wheel button icon, 20 x 20."""
    colours = ["#E53935", "#FB8C00", "#FDD835", "#7CB342", "#26A69A", "#1E88E5",
               "#5E35B1", "#D81B60"]
    body = []
    cx = cy = 10
    r = 8.5
    for i, colour in enumerate(colours):
        a0 = math.radians(-90 + i * 45)
        a1 = math.radians(-90 + (i + 1) * 45)
        body.append(f'<path d="M{cx} {cy}L{Num(cx + r * math.cos(a0))} {Num(cy + r * math.sin(a0))}'
                    f'A{r} {r} 0 0 1 {Num(cx + r * math.cos(a1))} {Num(cy + r * math.sin(a1))}Z" '
                    f'fill="{colour}"/>')
    body.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{INK}" stroke-width="1"/>')
    body.append(f'<circle cx="{cx}" cy="{cy}" r="3" fill="{WHITE}" stroke="{INK}" stroke-width="1"/>')
    return Document(20, 20, body, ground=EXTRAS_BUTTON_GROUND)


def ExtrasSeal():
    """A red seal bearing a brush-drawn character for "year", 20 x 20."""
    ink = CREAM
    # Strokes as tapered brush shapes, in the seal's 20 x 20 box.
    strokes = [
        # the slanting first stroke
        "M7.6 2.6C7.9 2.3 8.6 2.4 8.7 2.9C8.4 4.3 7.4 6.1 5.4 7.4C5 7.5 4.8 7.2 5.1 6.9"
        "C6.3 5.6 7.2 4 7.6 2.6Z",
        # short top bar
        "M7.4 4.4H14.6C15 4.4 15.2 4.9 14.9 5.2L14.3 5.7H7.2Z",
        # upper bar
        "M6.5 8.1H13.9C14.3 8.1 14.5 8.6 14.2 8.9L13.6 9.4H6.3Z",
        # short left upright
        "M6.5 8.6H7.8V12.6H6.5Z",
        # middle bar
        "M6.5 11.7H14.2C14.6 11.7 14.8 12.2 14.5 12.5L13.9 13H6.5Z",
        # long bottom bar
        "M3.2 14.4H16.4C16.8 14.4 17.1 14.9 16.8 15.2L16.1 15.8H3Z",
        # the central upright with its brush tip
        "M10.2 4.6H11.6V17.4C11.6 18 11.1 18.2 10.7 17.8L10.2 17.2Z",
    ]
    body = [
        Box(0, 0, 19, 19, "#B3121B", radius=3),
        '<rect x="1.5" y="1.5" width="17" height="17" rx="2" fill="none" '
        f'stroke="{ink}" stroke-width="0.6" opacity="0.7"/>',
    ]
    for d in strokes:
        body.append(f'<path d="{d}" fill="{ink}"/>')
    return Document(20, 20, body, ground=EXTRAS_BUTTON_GROUND)


def main():
    Write(HERE, "compat-title.svg", CompatTitle())
    for who, top, bottom, glyph in (("me", "#F1FAE2", "#BADF90", "#2F5E16"),
                                    ("lover", "#F1F7FF", "#B3D1F5", "#1C4593")):
        Write(HERE, f"compat-grid-{who}.svg", CompatGrid(top, bottom, glyph))
        Write(HERE, f"compat-grid-{who}-1x.svg", CompatGrid(top, bottom, glyph, True))
    Write(HERE, "compat-ring.svg", CompatRing())
    Write(HERE, "compat-match.svg", MatchButton())
    Write(HERE, "forecast-title.svg", ForecastTitle())
    for suffix, pixels in (("", False), ("-1x", True)):
        Write(HERE, f"forecast-grid{suffix}.svg",
              SignGrid(232, "forecast", FORECAST_GROUND, "#33448A", NAVY, pixels))
        Write(HERE, f"profile-grid{suffix}.svg",
              SignGrid(240, "profile", PROFILE_GROUND, WHITE, "#FFE9B0", pixels))
    Write(HERE, "profile-title.svg", ProfileTitle())
    Write(HERE, "profile-topics.svg", TopicList())
    Write(HERE, "numerology-logo.svg", NumerologyLogo())
    Write(HERE, "numerology-next.svg", NextButton())
    Write(HERE, "numerology-topics.svg", NumerologyMenu())
    Write(HERE, "extras-heading.svg", ExtrasHeading())
    Write(HERE, "extras-prompt.svg", ExtrasPrompt())
    Write(HERE, "extras-tree.svg", ExtrasTree())
    Write(HERE, "extras-wheel.svg", ExtrasWheel())
    Write(HERE, "extras-seal.svg", ExtrasSeal())


if __name__ == "__main__":
    main()
