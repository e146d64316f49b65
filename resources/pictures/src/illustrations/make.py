#!/usr/bin/python3
"""Writes the SVG sources of the report illustrations.

The family: ruling planets and sign symbols (142 x 142), starstones
(100 x 100), rating symbols (18 x 24, rendered again at 36 x 48) and report
icons (48 x 50, rendered again at 96 x 100). Every picture is drawn unkeyed
on a white ground. The viewBox of each source is the small picture's pixel
size, so one unit is one pixel at 1x; straight 1-unit outlines sit on .5
coordinates to stay crisp.

Usage: PYTHONPATH=resources/pictures/src /usr/bin/python3 -m illustrations.make
(rewrites every *.svg beside this file)
"""
import math
import os
from functools import partial

from house import (Document, Gradient, Num, SignGlyph, Star, Write, AIR, CREAM, EARTH, FIRE, GOLD,
                   GOLD_LIGHT, INK, NIGHT, NIGHT_LIGHT, TITLE_RED, WATER, WHITE)

HERE = os.path.dirname(os.path.abspath(__file__))

NAVY = NIGHT_LIGHT
LIGHT_GOLD = GOLD_LIGHT

# These drawings were laid out at two decimals.
F = partial(Num, places=2)

HEART_RED = "#E8304B"
SMILEY_YELLOW = "#FFD43B"
CLOVER_GREEN = "#4FA02E"
THUMB_GOLD = "#F7A531"

# Outline colour of the "empty" rating symbols: light, but clearly visible
# on the white report page.
EMPTY_LINE = "#9AA2C6"

OUT = {}  # file name -> SVG text


def Svg(name, width, height, body, defs=""):
    """Keeps a picture for writing, on the white of the report page."""
    OUT[name] = Document(width, height, body, defs, ground=WHITE)


def Star4(cx, cy, r, fill=GOLD):
    """A sparkle whose waist crosses each diagonal 0.28 r from the centre."""
    return Star(cx, cy, r, fill, inner=0.28 * math.sqrt(2), places=2)


def Star5(cx, cy, r, fill=GOLD, stroke=None, inner=0.45):
    """A five-point star, point up."""
    return Star(cx, cy, r, fill, points=5, inner=inner, stroke=stroke, places=2)


# ---------------------------------------------------------------------------
# Rating symbols, 18 x 24. Ten stand side by side 18 units apart, so every
# shape keeps at least one clear unit on the left and right.

def RatingPair(stem, shape, full_fill, detail=None):
    """shape(fill, line) and detail(colour) return SVG bodies."""
    body_empty = shape(WHITE, EMPTY_LINE)
    body_full = shape(full_fill, INK)
    if detail:
        body_empty += detail(EMPTY_LINE)
        body_full += detail(INK)
    Svg(f"rating-{stem}-empty.svg", 18, 24, body_empty)
    Svg(f"rating-{stem}-full.svg", 18, 24, body_full)


HAND_PATH = (
    # A thumbs-up: the fist turned to the right, the thumb raised; the
    # folded fingers' tips sit on .5 rows so the creases stay crisp at 1x.
    "M6.5,12 L8,5 C8.3,3.5 9.3,2.8 10.3,3 C11.5,3.3 11.8,4.5 11.6,5.8 L11,10.5"
    " L14.5,10.5 C15.8,10.5 16.5,11.4 16.5,12.5 C16.5,13.3 16,13.9 15.4,14.1"
    " C16,14.4 16.4,15 16.4,15.7 C16.4,16.5 15.9,17.1 15.2,17.3"
    " C15.8,17.6 16.1,18.2 16.1,18.9 C16.1,19.9 15.3,20.5 14.3,20.5"
    " L8.5,20.5 C7.4,20.5 6.5,19.7 6.5,18.6 Z")


def HandShape(fill, line):
    cuff = NAVY if line == INK else WHITE
    return (f'<rect x="2.5" y="11.5" width="4" height="10" fill="{cuff}" stroke="{line}" '
            f'stroke-width="1"/>'
            f'<path d="{HAND_PATH}" fill="{fill}" stroke="{line}" '
            f'stroke-width="1" stroke-linejoin="round"/>'
            f'<path d="M12,14.1 L15.2,14.1 M12,17.3 L15,17.3" fill="none" stroke="{line}" '
            f'stroke-width="0.9" stroke-linecap="round"/>')


# The heart keeps the picture's two right columns clear: the tenth heart of
# a row ends at x 232, well inside a 240-wide page.
HEART_PATH = ("M8,21 C5.8,18.6 1.5,14.8 1.5,10 C1.5,7 3.3,5 5.4,5"
              " C6.6,5 7.5,5.8 8,6.9 C8.5,5.8 9.4,5 10.6,5"
              " C12.7,5 14.5,7 14.5,10 C14.5,14.8 10.2,18.6 8,21 Z")


def HeartShape(fill, line):
    body = (f'<path d="{HEART_PATH}" fill="{fill}" stroke="{line}" '
            f'stroke-width="1" stroke-linejoin="round"/>')
    if line == INK:
        body += ('<path d="M3.9,10.2 C3.9,8.6 4.6,7.6 5.6,7.4" fill="none" '
                 f'stroke="{WHITE}" stroke-width="1.2" stroke-linecap="round"/>')
    return body


def SmileyShape(fill, line):
    return (f'<circle cx="9" cy="12.5" r="7.5" fill="{fill}" stroke="{line}" '
            f'stroke-width="1"/>')


def SmileyDetail(colour):
    return (f'<rect x="6" y="9" width="2" height="3" rx="0.8" fill="{colour}"/>'
            f'<rect x="10" y="9" width="2" height="3" rx="0.8" fill="{colour}"/>'
            f'<path d="M5.3,14 C6.6,17.3 11.4,17.3 12.7,14" fill="none" '
            f'stroke="{colour}" stroke-width="1.3" stroke-linecap="round"/>')


def CoinsShape(fill, line):
    # Three coins stacked, each a rim band under its face, the top one
    # shifted left so the pile reads as loose coins; every edge on a .5
    # row so each coin's rim is a crisp line at 1x.
    side = "#D69A2A" if line == INK else WHITE
    coins = ""
    for cx, top in ((9, 16.5), (9, 12.5), (8, 8.5)):
        left, right = cx - 6.5, cx + 6.5
        coins += (f'<path d="M{F(left)},{F(top + 2)} V{F(top + 4)} A6.5,2 0 0 0 {F(right)},'
                  f'{F(top + 4)} V{F(top + 2)} Z" fill="{side}" stroke="{line}" '
                  f'stroke-width="1" stroke-linejoin="round"/>'
                  f'<ellipse cx="{F(cx)}" cy="{F(top + 2)}" rx="6.5" ry="2" fill="{fill}" '
                  f'stroke="{line}" stroke-width="1"/>')
    return coins


def CloverLeaf(cx, cy, angle, size):
    """One heart-shaped leaf, tip at (cx, cy), lobes outwards at angle."""
    s = size
    pts = [(0.62, -0.42, 0.72, -0.98, 0.36, -1.1),
           (0.16, -1.16, 0.04, -1.02, 0, -0.9)]
    d = "M0,0"
    for c1x, c1y, c2x, c2y, x, y in pts:
        d += f" C{F(c1x * s)},{F(c1y * s)} {F(c2x * s)},{F(c2y * s)} {F(x * s)},{F(y * s)}"
    for c2x, c2y, c1x, c1y, x, y in [(-0.04, -1.02, -0.16, -1.16, -0.36, -1.1),
                                     (-0.72, -0.98, -0.62, -0.42, 0, 0)]:
        d += f" C{F(c2x * s)},{F(c2y * s)} {F(c1x * s)},{F(c1y * s)} {F(x * s)},{F(y * s)}"
    return f'<path transform="translate({F(cx)},{F(cy)}) rotate({F(angle)})" d="{d}Z"/>'


def Clover(cx, cy, size, fill, line, stem_to, width=1):
    leaves = "".join(CloverLeaf(cx, cy, a, size) for a in (-45, 45, 135, 225))
    return (f'<path d="M{F(cx)},{F(cy)} {stem_to}" fill="none" stroke="{line}" '
            f'stroke-width="{F(width * 1.6)}" stroke-linecap="round"/>'
            f'<g fill="{fill}" stroke="{line}" stroke-width="{F(width)}" '
            f'stroke-linejoin="round">{leaves}</g>')


def CloverShape(fill, line):
    # Small enough to leave two clear columns between neighbours, so a row
    # of full clovers stays ten clovers instead of one hedge.
    return Clover(8.5, 11.5, 5.6, fill, line, "Q9.5,16.5 12,21")


def MakeRatings():
    RatingPair("hand", HandShape, THUMB_GOLD)
    RatingPair("heart", HeartShape, HEART_RED)
    RatingPair("smiley", SmileyShape, SMILEY_YELLOW, SmileyDetail)
    RatingPair("coins", CoinsShape, GOLD)
    RatingPair("clover", CloverShape, CLOVER_GREEN)


# ---------------------------------------------------------------------------
# Report icons, 48 x 50, drawn at (2, 39) left of the rating rows.

SKIN = "#F6C79C"
SKIN_SHADE = "#E9AE7E"


def OutlineAttrs(width=1):
    return (f'stroke="{INK}" stroke-width="{F(width)}" stroke-linejoin="round" '
            f'stroke-linecap="round"')


def IconHandshake():
    # Two hands clasped on a round badge as wide as the heart and the smiley
    # beside it, seen from the side: a navy and a red sleeve come in from the
    # rim, each ending in a white cuff; the left hand's four fingers lie as
    # separate bars over the right hand, whose thumb crosses above them.
    # Edges sit on half units so that every outline is one crisp pixel at 1x.
    line = OutlineAttrs()
    cx, cy, r = 24, 27.5, 20
    fingers = "".join(
        f'<rect x="19.5" y="{top}" width="{right - 19.5}" height="3" rx="1.5" '
        f'fill="{SKIN}" {line}/>'
        for top, right in ((24.5, 32.5), (27.5, 32), (30.5, 31), (33.5, 29)))
    hands = (
        # Sleeves widening towards the rim, as forearms seen from the side.
        f'<path d="M12.5,21.5 L1.5,18.5 L1.5,39.5 L12.5,35.5 Z" fill="{NAVY}" {line}/>'
        f'<path d="M35.5,21.5 L46.5,18.5 L46.5,39.5 L35.5,35.5 Z" fill="{TITLE_RED}" {line}/>'
        # The right hand behind, from its cuff to under the left fingers.
        f'<path d="M34.5,22.5 L24.5,22.5 L24.5,34.5 L31.5,35.5 L34.5,34.5 Z" '
        f'fill="{SKIN_SHADE}" {line}/>'
        # The left hand's back, then its fingers.
        f'<path d="M14.5,22.5 L22.5,23.5 L22.5,36.5 L14.5,35.5 Z" fill="{SKIN}" {line}/>'
        + fingers +
        # The right thumb across the top of the left hand.
        f'<path d="M33.5,21.5 L20.5,21.5 C18.5,21.5 18.5,24.5 20.5,24.5 L33.5,24.5 Z" '
        f'fill="{SKIN_SHADE}" {line}/>'
        f'<rect x="12.5" y="20.5" width="3" height="16" fill="{WHITE}" {line}/>'
        f'<rect x="32.5" y="20.5" width="3" height="16" fill="{WHITE}" {line}/>'
    )
    defs = (f'<clipPath id="badge"><circle cx="{cx}" cy="{cy}" r="{r - 0.5}"/></clipPath>'
            + Gradient("badgefill", "#DCE8FF", "#9DBCEF"))
    body = (
        f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#badgefill)" {line}/>'
        f'<g clip-path="url(#badge)">{hands}</g>'
        f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" {line}/>'
        + Star4(42, 6.5, 4.5) + Star4(6, 9, 3)
    )
    Svg("icon-handshake.svg", 48, 50, body, defs)


def IconHeart():
    body = (
        f'<path d="M24,45.5 C17,39.5 4.5,31 4.5,19 C4.5,12 9.5,7.5 15,7.5'
        f' C19,7.5 22.3,9.8 24,13.2 C25.7,9.8 29,7.5 33,7.5'
        f' C38.5,7.5 43.5,12 43.5,19 C43.5,31 31,39.5 24,45.5 Z"'
        f' fill="{HEART_RED}" {OutlineAttrs()}/>'
        f'<path d="M10,20 C9.5,15.5 12,12.5 15.5,12.3" fill="none" '
        f'stroke="{WHITE}" stroke-width="2.4" stroke-linecap="round"/>'
        + Star4(40, 6.5, 5) + Star4(7, 38, 3.5) + Star4(43, 36, 2.6)
    )
    Svg("icon-heart.svg", 48, 50, body)


def IconSmiley():
    body = (
        f'<circle cx="24" cy="26" r="19.5" fill="{SMILEY_YELLOW}" {OutlineAttrs()}/>'
        f'<ellipse cx="17.5" cy="20.5" rx="2.4" ry="3.6" fill="{INK}"/>'
        f'<ellipse cx="30.5" cy="20.5" rx="2.4" ry="3.6" fill="{INK}"/>'
        f'<ellipse cx="12.5" cy="29" rx="3" ry="2" fill="#F59A4C"/>'
        f'<ellipse cx="35.5" cy="29" rx="3" ry="2" fill="#F59A4C"/>'
        f'<path d="M14,29.5 C17,37.5 31,37.5 34,29.5" fill="none" stroke="{INK}" '
        f'stroke-width="2.4" stroke-linecap="round"/>'
        + Star4(43, 6.5, 4.5) + Star4(5.5, 9, 3)
    )
    Svg("icon-smiley.svg", 48, 50, body)


def Coin(cx, cy, rx=7, ry=2.6, depth=2.5):
    line = OutlineAttrs()
    return (f'<path d="M{F(cx - rx)},{F(cy)} L{F(cx - rx)},{F(cy + depth)}'
            f' A{F(rx)},{F(ry)} 0 0 0 {F(cx + rx)},{F(cy + depth)} L{F(cx + rx)},{F(cy)} Z"'
            f' fill="#D69A2A" {line}/>'
            f'<ellipse cx="{F(cx)}" cy="{F(cy)}" rx="{F(rx)}" ry="{F(ry)}" fill="{GOLD}" {line}/>')


def IconLoot():
    line = OutlineAttrs()
    body = (
        # The money bag with its tied neck and flared top.
        f'<path d="M17,17 C9,23 5.5,31 6.5,38 C7.5,44.5 13,46.5 21,46.5'
        f' C29,46.5 34.5,44.5 35.5,38 C36.5,31 33,23 25,17 Z" fill="#C98F3C" {line}/>'
        f'<path d="M16.5,17 C13,12 13.5,8 15.5,7.5 C17,7.2 18,9.5 21,9.5'
        f' C24,9.5 25,7.2 26.5,7.5 C28.5,8 29,12 25.5,17 Z" fill="#C98F3C" {line}/>'
        f'<path d="M15.5,15.5 L26.5,15.5 L26.5,18.5 L15.5,18.5 Z" fill="{TITLE_RED}" {line}/>'
        f'<text x="21" y="39.5" text-anchor="middle" font-family="Tahoma" '
        f'font-weight="bold" font-size="17" fill="{CREAM}">$</text>'
        + Coin(38, 42) + Coin(38, 37) + Coin(39, 32)
        + Star4(40, 9, 4.5) + Star4(33, 19.5, 2.6) + Star4(6, 12, 3)
    )
    Svg("icon-loot.svg", 48, 50, body)


def IconLuck():
    # A gold horseshoe, open end up, with a four-leaf clover in front.
    shoe = ("M8.5,8.5 L15.5,8.5 L15.5,22 C15.5,28 19,31.5 24,31.5"
            " C29,31.5 32.5,28 32.5,22 L32.5,8.5 L39.5,8.5 L39.5,22"
            " C39.5,32 33,38.5 24,38.5 C15,38.5 8.5,32 8.5,22 Z")
    nails = "".join(f'<circle cx="{F(x)}" cy="{F(y)}" r="1.1" fill="{INK}"/>'
                    for x, y in ((12, 13), (12, 20), (13.2, 27), (36, 13), (36, 20), (34.8, 27)))
    body = (f'<path d="{shoe}" fill="{GOLD}" {OutlineAttrs()}/>' + nails
            + Clover(24, 28, 10.5, CLOVER_GREEN, INK, "Q27,38 33,46.5")
            + Star4(43, 42, 3.5) + Star4(5, 43, 2.6))
    Svg("icon-luck.svg", 48, 50, body)


def MakeIcons():
    IconHandshake()
    IconHeart()
    IconSmiley()
    IconLoot()
    IconLuck()


# ---------------------------------------------------------------------------
# Starstones, 100 x 100, drawn at layout (120, 60) right of the page label.
# Each stone lies on a cream disc; the word of the stone may reach four
# units into the picture's left edge, so the disc keeps clear of it.

STONE_CX, STONE_CY = 55, 51


def StoneDisc():
    return (f'<circle cx="{STONE_CX}" cy="{STONE_CY}" r="42" fill="{CREAM}" '
            f'stroke="{LIGHT_GOLD}" stroke-width="2"/>')


def Poly(points, fill, extra=""):
    d = "M" + " L".join(f"{F(x)},{F(y)}" for x, y in points) + "Z"
    return f'<path d="{d}" fill="{fill}" {extra}/>'


def Shade(points, tones, light=-135, bias=0.0):
    """Picks a tone for a facet from the direction of its centre.

    tones run dark to light; the light comes from the top left."""
    mx = sum(p[0] for p in points) / len(points) - STONE_CX
    my = sum(p[1] for p in points) / len(points) - STONE_CY
    angle = math.atan2(my, mx)
    b = (math.cos(angle - math.radians(light)) + 1) / 2 + bias
    b = min(max(b, 0.0), 0.999)
    return tones[int(b * len(tones))]


def Brilliant(outer, table, tones, table_tone, outline=INK):
    """A faceted stone seen from above.

    outer: 2n girdle points; table: n points, table[k] facing outer[2k]."""
    n = len(table)
    body = ""
    for k in range(n):
        o0, o1, o2 = outer[2 * k], outer[2 * k + 1], outer[(2 * k + 2) % (2 * n)]
        t0, t1 = table[k], table[(k + 1) % n]
        a = [o0, o1, t0]
        b = [o1, o2, t1]
        star = [t0, t1, o1]
        body += Poly(a, Shade(a, tones, bias=0.12))
        body += Poly(b, Shade(b, tones, bias=-0.12))
        body += Poly(star, Shade(star, tones, bias=0.05))
    body += Poly(table, table_tone)
    d = "M" + " L".join(f"{F(x)},{F(y)}" for x, y in outer) + "Z"
    body += (f'<path d="{d}" fill="none" stroke="{outline}" stroke-width="1" '
             f'stroke-linejoin="round"/>')
    return body


def Ring(n, rx, ry, cx=STONE_CX, cy=STONE_CY, phase=0.0):
    return [(cx + rx * math.cos(2 * math.pi * (i + phase) / n - math.pi / 2),
             cy + ry * math.sin(2 * math.pi * (i + phase) / n - math.pi / 2))
            for i in range(n)]


# A deeper gold for the sparkles, which would vanish on the cream disc in
# the house gold.
SPARKLE = "#E0A21C"


def Sparkles(x, y, r=7):
    """A glint at (x, y) and a small star near the bottom left of the disc."""
    return (Star4(x, y, r, SPARKLE) + Star4(x, y, r * 0.4, WHITE)
            + Star4(x - 62, y + 60, r * 0.5, SPARKLE))


def StoneRuby():
    tones = ["#6E0716", "#9A0E25", "#C2183A", "#E0365A", "#F27A8E"]
    outer = Ring(16, 30, 23)
    table = Ring(8, 15, 11.5)
    body = StoneDisc() + Brilliant(outer, table, tones, "#D62848")
    body += Poly([(44, 44), (50, 41), (53, 44), (47, 47)], "#FFB3BF")
    body += Sparkles(82, 27)
    Svg("stone-ruby.svg", 100, 100, body)


def StoneSapphire():
    tones = ["#0E2560", "#173C8E", "#2458BA", "#3F7BDA", "#86AEEE"]
    outer = Ring(16, 28.5, 28.5)
    table = Ring(8, 14, 14, phase=0.0)
    body = StoneDisc() + Brilliant(outer, table, tones, "#2F66C8")
    body += Poly([(45, 43), (51, 39), (54, 42), (48, 46)], "#B8D0FF")
    body += Sparkles(83, 24)
    Svg("stone-sapphire.svg", 100, 100, body)


def StoneTopaz():
    # A pear cut, point up, with the same facet scheme as the round stones.
    tones = ["#9A5410", "#C9771C", "#E8982E", "#F7BC4E", "#FFE08A"]
    outer = []
    for i in range(16):
        t = 2 * math.pi * i / 16 - math.pi / 2
        x, y = math.cos(t), math.sin(t)
        # Narrow the top half towards a point.
        w = 22 * (1 - 0.55 * max(0.0, -y) ** 1.4) if y < 0 else 22
        outer.append((STONE_CX + w * x, STONE_CY + 4 + (34 if y < 0 else 24) * y))
    table = [(STONE_CX + (x - STONE_CX) * 0.5, STONE_CY + 4 + (y - STONE_CY - 4) * 0.5)
             for x, y in outer[0::2]]
    body = StoneDisc() + Brilliant(outer, table, tones, "#F2AE3E")
    body += Poly([(47, 48), (52, 44), (55, 47), (50, 51)], "#FFF0C2")
    body += Sparkles(80, 22)
    Svg("stone-topaz.svg", 100, 100, body)


def StoneEmerald():
    # Step cut: three nested octagons with trapezoid facets between them.
    tones = ["#0E4A27", "#17693A", "#22874C", "#3AAE68", "#7FD9A0"]

    def Octagon(w, h, c):
        x0, x1, y0, y1 = STONE_CX - w, STONE_CX + w, STONE_CY - h, STONE_CY + h
        return [(x0 + c, y0), (x1 - c, y0), (x1, y0 + c), (x1, y1 - c),
                (x1 - c, y1), (x0 + c, y1), (x0, y1 - c), (x0, y0 + c)]

    rings = [Octagon(25, 31, 9), Octagon(19.5, 25.5, 7), Octagon(13.5, 19.5, 5)]
    body = StoneDisc()
    for outer, inner in zip(rings, rings[1:]):
        for i in range(8):
            quad = [outer[i], outer[(i + 1) % 8], inner[(i + 1) % 8], inner[i]]
            body += Poly(quad, Shade(quad, tones, bias=0.08 if inner is rings[2] else -0.05))
    body += Poly(rings[2], "#2A9A57")
    body += Poly([(47, 35), (52, 35), (45, 50), (43, 46)], "#5CC486")
    d = "M" + " L".join(f"{F(x)},{F(y)}" for x, y in rings[0]) + "Z"
    body += f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'
    body += Sparkles(84, 22)
    Svg("stone-emerald.svg", 100, 100, body)


def StoneDiamond():
    # A brilliant seen from the side: crown above the girdle, pavilion below.
    tones = ["#8DB4DA", "#B7D4EF", "#DCEBFA", "#FFFFFF"]
    gl, gr, gy = 26, 84, 44          # girdle ends and height
    tl, tr, ty = 40, 70, 32          # table ends and height
    cx, cy = 55, 82                  # culet
    body = StoneDisc()
    crown = [((gl, gy), (tl, ty), (47.5, gy)), ((tl, ty), (47.5, gy), (55, ty)),
             ((55, ty), (47.5, gy), (62.5, gy)), ((55, ty), (62.5, gy), (tr, ty)),
             ((tr, ty), (62.5, gy), (gr, gy))]
    crown_tones = [tones[1], tones[3], tones[2], tones[3], tones[0]]
    for tri, tone in zip(crown, crown_tones):
        body += Poly(tri, tone)
    pav_tones = [tones[0], tones[2], tones[3], tones[1], tones[2], tones[0]]
    xs = [gl, 36, 47.5, 55, 62.5, 74, gr]
    for i in range(6):
        body += Poly([(xs[i], gy), (xs[i + 1], gy), (cx, cy)], pav_tones[i])
    outline = [(gl, gy), (tl, ty), (tr, ty), (gr, gy), (cx, cy)]
    d = "M" + " L".join(f"{F(x)},{F(y)}" for x, y in outline) + "Z"
    body += (f'<path d="M{gl},{gy} L{gr},{gy}" stroke="{INK}" stroke-width="1"/>'
             f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>')
    body += Sparkles(84, 24, 8)
    Svg("stone-diamond.svg", 100, 100, body)


def Cabochon(shape, base, shadow, highlight, extra=""):
    """A smooth polished stone: base, shading and markings clipped to the
    shape, then a highlight and the outline."""
    defs = f'<clipPath id="stone">{shape}</clipPath>'
    body = (shape.replace("/>", f' fill="{base}"/>', 1)
            + f'<g clip-path="url(#stone)">{shadow}{extra}</g>' + highlight
            + shape.replace("/>", f' fill="none" stroke="{INK}" stroke-width="1"/>', 1))
    return body, defs


def StoneMoonstone():
    # A milky, translucent oval cabochon lying wide, with the stone's blue
    # glow floating under its dome and a crescent of light on top.
    cx, cy = STONE_CX, STONE_CY + 2
    shape = f'<ellipse cx="{cx}" cy="{cy}" rx="31" ry="23"/>'
    defs = ('<radialGradient id="milk" cx="0.5" cy="0.42" r="0.62">'
            '<stop offset="0" stop-color="#F7F8FB"/><stop offset="0.7" stop-color="#DCE1EC"/>'
            '<stop offset="1" stop-color="#A3ABC4"/></radialGradient>'
            '<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#6FA6FF" stop-opacity="0.95"/>'
            '<stop offset="0.55" stop-color="#8DB8FF" stop-opacity="0.6"/>'
            '<stop offset="1" stop-color="#A9C8FF" stop-opacity="0"/></radialGradient>'
            '<radialGradient id="glow2" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#9F8CF0" stop-opacity="0.55"/>'
            '<stop offset="1" stop-color="#9F8CF0" stop-opacity="0"/></radialGradient>'
            '<mask id="crescent"><circle cx="41" cy="41" r="6.5" fill="#FFFFFF"/>'
            '<circle cx="44" cy="39" r="5.6" fill="#000000"/></mask>')
    shadow = (f'<ellipse cx="{cx}" cy="{cy}" rx="31" ry="23" fill="url(#milk)"/>'
              f'<ellipse cx="{cx + 2}" cy="{cy - 2}" rx="22" ry="12" fill="url(#glow)" '
              f'transform="rotate(-14 {cx + 2} {cy - 2})"/>'
              f'<ellipse cx="{cx + 12}" cy="{cy + 9}" rx="13" ry="7" fill="url(#glow2)" '
              f'transform="rotate(-14 {cx + 12} {cy + 9})"/>')
    highlight = ('<circle cx="41" cy="41" r="6.5" fill="#FFFFFF" mask="url(#crescent)"/>'
                 '<circle cx="72" cy="63" r="1.5" fill="#FFFFFF"/>')
    body, stone_defs = Cabochon(shape, "#DCE1EC", shadow, highlight)
    Svg("stone-moonstone.svg", 100, 100, StoneDisc() + body + Sparkles(83, 22),
        defs + stone_defs)


def StonePearl():
    # A pearl lying in an open oyster: the fluted upper shell stands open
    # behind it, the lower shell's nacre holds it and its lip curves in front.
    hx, hy = STONE_CX, 62          # hinge of the shell
    nacre = "#F8ECF1"
    shell = "#E3C3B4"
    ridge = "#C99E8E"
    defs = (Gradient("lid", "#FDF5F8", "#E7D2DE")
            + '<radialGradient id="pearl" cx="0.36" cy="0.32" r="0.75">'
              '<stop offset="0" stop-color="#FFFFFF"/><stop offset="0.45" stop-color="#F6ECEE"/>'
              '<stop offset="0.8" stop-color="#E2CDD6"/><stop offset="1" stop-color="#C7B3C9"/>'
              '</radialGradient>')
    # The open lid: a fan of seven flutes from the hinge.
    radius, flutes = 36.0, 7
    a0, a1 = math.radians(198), math.radians(342)
    edge = []
    for i in range(flutes + 1):
        t = a0 + (a1 - a0) * i / flutes
        edge.append((hx + radius * math.cos(t), hy + radius * math.sin(t)))
    d = f"M{F(hx)},{F(hy)} L{F(edge[0][0])},{F(edge[0][1])}"
    for (x0, y0), (x1, y1) in zip(edge, edge[1:]):
        mx, my = (x0 + x1) / 2, (y0 + y1) / 2
        bulge = 1.22  # each flute swells past the fan's arc
        d += f" Q{F(hx + (mx - hx) * bulge)},{F(hy + (my - hy) * bulge)} {F(x1)},{F(y1)}"
    d += " Z"
    lid = f'<path d="{d}" fill="url(#lid)" {OutlineAttrs()}/>'
    for x, y in edge[1:-1]:
        lid += (f'<path d="M{F(hx + (x - hx) * 0.3)},{F(hy + (y - hy) * 0.3)} L{F(hx + (x - hx) * 0.92)},'
                f'{F(hy + (y - hy) * 0.92)}" stroke="{ridge}" stroke-width="1" stroke-linecap="round"/>')
    # The lower shell: its nacre seen from above, then its lip in front.
    inside = f'<ellipse cx="{hx}" cy="{hy}" rx="32" ry="8.5" fill="{nacre}" {OutlineAttrs()}/>'
    lip = (f'<path d="M{hx - 32},{hy} A32,8.5 0 0 0 {hx + 32},{hy} C{hx + 31},{hy + 14} {hx + 18},{hy + 24}'
           f' {hx},{hy + 24} C{hx - 18},{hy + 24} {hx - 31},{hy + 14} {hx - 32},{hy} Z" fill="{shell}" '
           f'{OutlineAttrs()}/>')
    for dx in (-20, -10, 0, 10, 20):
        lip += (f'<path d="M{F(hx + dx * 1.3)},{F(hy + 8.5 - abs(dx) * 0.12)} Q{F(hx + dx * 1.05)},{hy + 16}'
                f' {F(hx + dx * 0.5)},{F(hy + 23 - abs(dx) * 0.1)}" fill="none" stroke="{ridge}" '
                f'stroke-width="1"/>')
    pearl = (f'<circle cx="{hx}" cy="{hy - 7}" r="12.5" fill="url(#pearl)" {OutlineAttrs()}/>'
             f'<ellipse cx="{hx - 4.5}" cy="{hy - 12}" rx="4" ry="2.6" fill="#FFFFFF" '
             f'transform="rotate(-35 {hx - 4.5} {hy - 12})"/>'
             f'<path d="M{hx + 4},{hy - 0.5} A9,9 0 0 0 {hx + 9.5},{hy - 6}" fill="none" '
             f'stroke="#B9E0D6" stroke-width="1.2" stroke-linecap="round"/>')
    body = StoneDisc() + lid + inside + pearl + lip + Sparkles(84, 22)
    Svg("stone-pearl.svg", 100, 100, body, defs)


def StoneOnyx():
    shape = '<rect x="29.5" y="25.5" width="51" height="51" rx="14"/>'
    shadow = ('<rect x="33" y="29" width="44" height="44" rx="11" fill="#2E2E3A"/>'
              '<rect x="37" y="33" width="36" height="36" rx="9" fill="#17171E"/>')
    highlight = ('<path d="M37,45 C37,38 39,34 46,33" fill="none" stroke="#FFFFFF" '
                 'stroke-width="2.5" stroke-linecap="round"/>'
                 '<circle cx="51" cy="33.5" r="1.5" fill="#FFFFFF"/>'
                 '<path d="M72,58 C72,64 70,67 65,68.5" fill="none" stroke="#6A6A7E" '
                 'stroke-width="1.5" stroke-linecap="round"/>')
    body, defs = Cabochon(shape, "#0B0B10", shadow, highlight)
    Svg("stone-onyx.svg", 100, 100, StoneDisc() + body + Sparkles(84, 22), defs)


def StoneSardonyx():
    # A cameo, the stone's best-known use: a woman's profile carved from
    # the white layer, standing on the red-brown sard, with a rim of the
    # white layer showing round it, in a gold frame.
    cx, cy = STONE_CX, STONE_CY
    defs = ('<radialGradient id="sard" cx="0.45" cy="0.4" r="0.65">'
            '<stop offset="0" stop-color="#B4502C"/><stop offset="0.7" stop-color="#8A3219"/>'
            '<stop offset="1" stop-color="#5E1B0F"/></radialGradient>')
    frame = (f'<ellipse cx="{cx}" cy="{cy}" rx="29" ry="36" fill="{GOLD}" {OutlineAttrs()}/>'
             f'<ellipse cx="{cx}" cy="{cy}" rx="26" ry="33" fill="none" stroke="#C98F2A" stroke-width="1"/>')
    for i in range(16):
        t = 2 * math.pi * i / 16
        frame += (f'<circle cx="{F(cx + 27.5 * math.cos(t))}" cy="{F(cy + 34.5 * math.sin(t))}" '
                  f'r="0.9" fill="{LIGHT_GOLD}"/>')
    stone = (f'<ellipse cx="{cx}" cy="{cy}" rx="24.5" ry="31.5" fill="#F3E6D4" {OutlineAttrs()}/>'
             f'<ellipse cx="{cx}" cy="{cy}" rx="22" ry="29" fill="url(#sard)"/>')
    # The profile faces left, drawn about the stone's centre.
    head = ("M6,-23 C-3,-25 -11,-19 -12,-11 L-12.5,-7 L-17,-0.5 L-13,1 L-14,4.5 L-12,5.5"
            " L-13.5,8 L-11,9.5 C-11,12.5 -9,14.5 -5.5,14.5 C-4.5,17 -4.5,20 -3.5,22"
            " C-8,23 -12,25 -13,27 L13,27 C12,24 9,22 8,20 C7,16 8,11 11,8"
            " C17,6 19,-3 17,-10 C15,-18 12,-22 6,-23 Z")
    carving = (f'<g transform="translate({cx + 1},{cy - 1})">'
               f'<path d="{head}" fill="#F7EEE2" stroke="#E2CFB8" stroke-width="0.8" stroke-linejoin="round"/>'
               '<circle cx="13" cy="-10" r="5.5" fill="#F7EEE2" stroke="#D9C3A8" stroke-width="0.8"/>'
               '<path d="M-4,-20 C2,-22 9,-19 12,-14 M-2,-16 C3,-17 8,-14 10,-10 M3,-4 C6,-5 9,-3 10,0"'
               ' fill="none" stroke="#D9C3A8" stroke-width="0.9" stroke-linecap="round"/>'
               '<path d="M-10,-4.5 C-9,-5.5 -7.5,-5.5 -6.5,-4.5" fill="none" stroke="#B9A084" '
               'stroke-width="0.9" stroke-linecap="round"/>'
               '<path d="M-13,27 C-6,22 4,22 13,27" fill="none" stroke="#D9C3A8" stroke-width="0.9"/>'
               '</g>')
    # Clip the bust to the sard.
    clip = f'<clipPath id="cameo"><ellipse cx="{cx}" cy="{cy}" rx="22" ry="29"/></clipPath>'
    body = (StoneDisc() + frame + stone + f'<g clip-path="url(#cameo)">{carving}</g>'
            + Sparkles(86, 21, 6))
    Svg("stone-sardonyx.svg", 100, 100, body, defs + clip)


def Blobs(seed, count, box, radii, colours):
    """Deterministic scattered dots, for moss and play of colour."""
    x0, y0, x1, y1 = box
    state = seed
    out = ""
    for _ in range(count):
        state = (state * 1103515245 + 12345) % 2147483648
        x = x0 + (state % 1000) / 1000 * (x1 - x0)
        state = (state * 1103515245 + 12345) % 2147483648
        y = y0 + (state % 1000) / 1000 * (y1 - y0)
        state = (state * 1103515245 + 12345) % 2147483648
        r = radii[0] + (state % 100) / 100 * (radii[1] - radii[0])
        colour = colours[(state // 100) % len(colours)]
        out += f'<circle cx="{F(x)}" cy="{F(y)}" r="{F(r)}" fill="{colour}"/>'
    return out


def StoneMossAgate():
    shape = ('<path d="M30,38 C34,26 50,21 64,24 C78,27 84,40 82,54 C80,68 68,78 52,77'
             ' C36,76 26,66 26,54 C26,47 27,43 30,38 Z"/>')
    moss = (
        '<path d="M34,70 C38,60 36,54 42,48 C46,44 44,38 50,36 M42,48 C48,50 52,46 56,50'
        ' C60,54 58,60 64,62 M56,50 C58,44 64,42 66,36 M50,36 C54,32 60,34 62,30"'
        ' fill="none" stroke="#3F6E2C" stroke-width="2" stroke-linecap="round"/>'
        + Blobs(7, 46, (30, 30, 76, 74), (1.2, 3.4), ["#3F6E2C", "#5E8C31", "#2C5022", "#79A64A"]))
    shadow = ('<path d="M86,30 C86,60 70,80 40,82 L90,90 Z" fill="#B9C7B4"/>')
    highlight = ('<path d="M36,38 C40,31 48,28 56,28" fill="none" stroke="#FFFFFF" '
                 'stroke-width="2.5" stroke-linecap="round"/>')
    body, defs = Cabochon(shape, "#DDE6D6", shadow, highlight, moss)
    Svg("stone-mossagate.svg", 100, 100, StoneDisc() + body + Sparkles(84, 22), defs)


def StoneTurquoise():
    shape = ('<path d="M32,36 C38,26 52,24 62,27 C74,30 84,38 82,52 C81,64 72,74 58,76'
             ' C44,78 30,72 27,60 C25,52 27,43 32,36 Z"/>')
    veins = ('<path d="M30,48 C38,46 42,50 48,47 C54,44 58,48 66,44 C72,41 76,43 84,40'
             ' M48,47 C47,54 52,58 50,66 C49,70 52,74 50,80 M66,44 C64,52 70,56 68,64'
             ' M36,62 C42,60 44,64 50,66 M58,26 C58,32 62,36 60,40"'
             ' fill="none" stroke="#5B4030" stroke-width="1.3" stroke-linecap="round"/>')
    shadow = ('<path d="M88,36 C86,66 70,80 40,82 L92,92 Z" fill="#2C9AA0"/>')
    highlight = ('<ellipse cx="44" cy="36" rx="6" ry="3" fill="#E6FFFD" '
                 'transform="rotate(-30 44 36)"/>')
    body, defs = Cabochon(shape, "#45C6C4", shadow, highlight, veins)
    Svg("stone-turquoise.svg", 100, 100, StoneDisc() + body + Sparkles(84, 22), defs)


def StoneOpal():
    # A milky oval cabochon whose play of colour shows as a patchwork of
    # bright flashes, each patch lit from its middle, under a clear dome.
    cx, cy = STONE_CX, STONE_CY + 1
    rx, ry = 31, 24
    shape = f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}"/>'
    colours = ["#2FD17A", "#1FA8E0", "#FF8A1F", "#8E5BFF", "#FF4F6E", "#C8E83A",
               "#19C2B0", "#3D6BFF", "#FFC93C"]
    # A jittered grid of corners shared by neighbouring patches.
    cols, rows = 5, 4
    x0, y0, w, h = cx - rx - 2, cy - ry - 2, (2 * rx + 4) / cols, (2 * ry + 4) / rows
    state = 29
    corners = {}
    for j in range(rows + 1):
        for i in range(cols + 1):
            state = (state * 1103515245 + 12345) % 2147483648
            jx = 0 if i in (0, cols) else ((state % 1000) / 1000 - 0.5) * w * 0.9
            state = (state * 1103515245 + 12345) % 2147483648
            jy = 0 if j in (0, rows) else ((state % 1000) / 1000 - 0.5) * h * 0.9
            corners[i, j] = (x0 + i * w + jx, y0 + j * h + jy)
    defs = ""
    patches = ""
    for j in range(rows):
        for i in range(cols):
            quad = [corners[i, j], corners[i + 1, j], corners[i + 1, j + 1], corners[i, j + 1]]
            colour = colours[(i * 4 + j * 7 + (i * j) % 3) % len(colours)]
            gid = f"flash{i}{j}"
            other = colours[(i * 4 + j * 7 + (i * j) % 3 + 4) % len(colours)]
            defs += Gradient(gid, colour, other, vector=(0, 0, 1, 1))
            patches += Poly(quad, f"url(#{gid})", 'fill-opacity="0.8"')
    defs += ('<radialGradient id="dome" cx="0.42" cy="0.36" r="0.7">'
             '<stop offset="0.55" stop-color="#FFFFFF" stop-opacity="0"/>'
             '<stop offset="1" stop-color="#2A3A6A" stop-opacity="0.45"/></radialGradient>')
    dome = (f'<ellipse cx="{cx - 8}" cy="{cy - 8}" rx="16" ry="10" fill="#FFFFFF" opacity="0.35"/>'
            f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="url(#dome)"/>')
    highlight = (f'<ellipse cx="44" cy="38" rx="9" ry="3.8" fill="#FFFFFF" opacity="0.9" '
                 f'transform="rotate(-22 44 38)"/>')
    body, stone_defs = Cabochon(shape, "#E4EEF3", "", highlight, patches + dome)
    Svg("stone-opal.svg", 100, 100, StoneDisc() + body + Sparkles(85, 24), defs + stone_defs)


def MakeStones():
    StoneMoonstone()
    StoneDiamond()
    StoneRuby()
    StoneTopaz()
    StoneEmerald()
    StoneSardonyx()
    StoneOnyx()
    StoneMossAgate()
    StoneSapphire()
    StoneTurquoise()
    StonePearl()
    StoneOpal()


# ---------------------------------------------------------------------------
# Glyphs, drawn as strokes in an 18 x 18 box.

PLANET_GLYPHS = {
    "sun": '<circle cx="9" cy="9" r="7"/><circle cx="9" cy="9" r="1.4" fill="{c}"/>',
    "moon": '<path d="M12,2.3 A7,7 0 1 0 12,15.7 A5.6,5.6 0 1 1 12,2.3 Z" fill="{c}"/>',
    "mercury": '<path d="M5,1 C5,4.6 13,4.6 13,1"/><circle cx="9" cy="8.5" r="3.8"/>'
               '<path d="M9,12.3 L9,17.5 M6,15 L12,15"/>',
    "venus": '<circle cx="9" cy="6.5" r="5"/><path d="M9,11.5 L9,17.5 M5.5,14.8 L12.5,14.8"/>',
    "mars": '<circle cx="7" cy="11" r="5"/><path d="M10.6,7.4 L16,2 M11,2 L16,2 L16,7"/>',
    "jupiter": '<path d="M3,5.5 C3,2 9,1.5 9,4.8 C9,8 6,11 3,13 L16,13 M12.5,4 L12.5,17.5"/>',
    "saturn": '<path d="M6,1 L6,13 M3,4 L9,4 M6,9 C8,6 13,6 13,9.5 C13,12.5 9.5,13.5 10,16'
              ' C10.4,17.6 12.4,17.8 13.5,16.6"/>',
    "uranus": '<path d="M4,2 L4,11 M14,2 L14,11 M4,6.5 L14,6.5 M9,2 L9,12.4"/>'
              '<circle cx="9" cy="14.8" r="2.4"/>',
    "neptune": '<path d="M3,3 C3,10.5 15,10.5 15,3 M9,1.5 L9,17.5 M5.5,14 L12.5,14"/>',
    "pluto": '<path d="M3.5,3 C3.5,10 14.5,10 14.5,3"/><circle cx="9" cy="4.2" r="2.6"/>'
             '<path d="M9,9.2 L9,17.5 M5.5,14 L12.5,14"/>',
}



def Glyph(markup, x, y, colour, width=1.7):
    """A glyph placed with its 18 x 18 box at (x, y)."""
    return (f'<g transform="translate({F(x)},{F(y)})" fill="none" stroke="{colour}" '
            f'stroke-width="{F(width)}" stroke-linecap="round" stroke-linejoin="round">'
            + markup.replace("{c}", colour) + '</g>')


# ---------------------------------------------------------------------------
# Ruling planets, 142 x 142, drawn at layout (90, 39). The page label and the
# planet's word are written over the picture's leftmost 25 units, so the
# night-sky disc starts right of them.

SKY_CX, SKY_CY, SKY_R = 84, 71, 56.5

# The planet's or sign's glyph stands in the bottom right corner, outside
# the disc: read in sequence on the 240 x 240 layouts, the page's Back
# button covers the picture's top right corner (x 118-141, y 0-17).
GLYPH_X, GLYPH_Y = 121.5, 121.5
assert math.hypot(GLYPH_X - SKY_CX, GLYPH_Y - SKY_CY) > SKY_R + 2

# Small stars scattered over the night disc (x, y, radius).
SKY_STARS = [(46, 42, 3.2), (60, 28, 2.2), (110, 30, 2.6), (128, 52, 2),
             (38, 78, 2.2), (48, 102, 3), (70, 116, 2), (102, 116, 2.8),
             (126, 96, 2.4), (36, 60, 1.6), (92, 22, 1.6), (115, 109, 1.6),
             (84, 120, 1.4), (40, 90, 1.4), (131, 76, 1.6), (78, 22, 1.2)]
# All of them stay inside the thin gold ring.
assert all(math.hypot(x - 84, y - 71) <= 50 for x, y, _r in SKY_STARS)


def NightDisc(gid="sky"):
    defs = Gradient(gid, NIGHT, NAVY)
    body = (f'<circle cx="{SKY_CX}" cy="{SKY_CY}" r="{SKY_R}" fill="url(#{gid})" '
            f'stroke="{INK}" stroke-width="1"/>'
            f'<circle cx="{SKY_CX}" cy="{SKY_CY}" r="{SKY_R - 2.5}" fill="none" '
            f'stroke="{GOLD}" stroke-width="1" opacity="0.55"/>')
    return body, defs


def SkyStars(clear_r, cx=SKY_CX, cy=SKY_CY, extra_clear=()):
    """Stars outside the planet's circle (and any extra clear circles)."""
    out = ""
    for x, y, r in SKY_STARS:
        if math.hypot(x - cx, y - cy) < clear_r + r + 3:
            continue
        if any(math.hypot(x - ex, y - ey) < er + r + 2 for ex, ey, er in extra_clear):
            continue
        out += Star4(x, y, r * 1.6, LIGHT_GOLD if r > 2 else GOLD) if r >= 2 else \
            f'<circle cx="{F(x)}" cy="{F(y)}" r="{F(r * 0.6)}" fill="{LIGHT_GOLD}"/>'
    return out


def Globe(gid, r, base, markings, shade=0.38, cx=SKY_CX, cy=SKY_CY, dx=-9, dy=-9):
    """A planet globe: base colour, markings clipped to it, a flat night
    shadow on the lower right, a highlight and an ink outline."""
    defs = f'<clipPath id="{gid}"><circle cx="{cx}" cy="{cy}" r="{F(r)}"/></clipPath>'
    shadow = (f'<path d="M0,0 L142,0 L142,142 L0,142 Z M{F(cx + dx - r)},{F(cy + dy)}'
              f' A{F(r)},{F(r)} 0 1 0 {F(cx + dx + r)},{F(cy + dy)}'
              f' A{F(r)},{F(r)} 0 1 0 {F(cx + dx - r)},{F(cy + dy)} Z" fill-rule="evenodd"'
              f' fill="{NIGHT}" opacity="{F(shade)}"/>')
    hl_r = r * 0.72
    a0, a1 = math.radians(200), math.radians(245)
    highlight = (f'<path d="M{F(cx + hl_r * math.cos(a0))},{F(cy + hl_r * math.sin(a0))}'
                 f' A{F(hl_r)},{F(hl_r)} 0 0 1 {F(cx + hl_r * math.cos(a1))},'
                 f'{F(cy + hl_r * math.sin(a1))}" fill="none" stroke="{WHITE}" '
                 f'stroke-width="{F(max(2, r / 12))}" stroke-linecap="round" opacity="0.75"/>')
    body = (f'<circle cx="{cx}" cy="{cy}" r="{F(r)}" fill="{base}"/>'
            f'<g clip-path="url(#{gid})">{markings}{shadow}</g>' + highlight
            + f'<circle cx="{cx}" cy="{cy}" r="{F(r)}" fill="none" stroke="{INK}" stroke-width="1"/>')
    return body, defs


def PlanetPicture(name, planet_body, planet_defs, clear_r, extra_clear=()):
    disc, disc_defs = NightDisc()
    body = (disc + SkyStars(clear_r, extra_clear=extra_clear) + planet_body
            + Glyph(PLANET_GLYPHS[name], GLYPH_X, GLYPH_Y, NAVY))
    Svg(f"planet-{name}.svg", 142, 142, body, disc_defs + "\n" + planet_defs)


def Bands(cx, r, stripes):
    """Horizontal bands over a globe: (top, bottom, colour, wave)."""
    out = ""
    for top, bottom, colour, wave in stripes:
        out += (f'<path d="M{F(cx - r - 2)},{F(top)} C{F(cx - r / 2)},{F(top - wave)}'
                f' {F(cx + r / 2)},{F(top + wave)} {F(cx + r + 2)},{F(top)}'
                f' L{F(cx + r + 2)},{F(bottom)} C{F(cx + r / 2)},{F(bottom + wave)}'
                f' {F(cx - r / 2)},{F(bottom - wave)} {F(cx - r - 2)},{F(bottom)} Z"'
                f' fill="{colour}"/>')
    return out


def PlanetSun():
    cx, cy = SKY_CX, SKY_CY
    rays = ""
    for i in range(16):
        a = 2 * math.pi * i / 16
        long_ray = i % 2 == 0
        tip = 47 if long_ray else 40
        half = math.radians(9 if long_ray else 8)
        pts = [(cx + 28 * math.cos(a - half), cy + 28 * math.sin(a - half)),
               (cx + tip * math.cos(a), cy + tip * math.sin(a)),
               (cx + 28 * math.cos(a + half), cy + 28 * math.sin(a + half))]
        rays += Poly(pts, GOLD if long_ray else "#F59E2B",
                     f'stroke="{INK}" stroke-width="1" stroke-linejoin="round"')
    body = (rays
            + f'<circle cx="{cx}" cy="{cy}" r="30" fill="{GOLD}" stroke="{INK}" stroke-width="1"/>'
            + f'<circle cx="{cx}" cy="{cy}" r="23" fill="{LIGHT_GOLD}"/>'
            + f'<circle cx="{cx}" cy="{cy}" r="14" fill="#FFF1C4"/>'
            + f'<path d="M{cx - 17},{cy - 6} A18,18 0 0 1 {cx - 5},{cy - 17}" fill="none" '
              f'stroke="{WHITE}" stroke-width="2.5" stroke-linecap="round"/>')
    PlanetPicture("sun", body, "", 48)


def PlanetMercury():
    craters = ""
    for x, y, r in ((-12, -10, 6), (8, -16, 4), (14, 4, 7), (-4, 12, 5), (-20, 8, 3.5),
                    (2, -2, 3), (20, -10, 3), (-10, 22, 3)):
        craters += (f'<circle cx="{F(SKY_CX + x)}" cy="{F(SKY_CY + y)}" r="{F(r)}" fill="#8E8A86"/>'
                    f'<path d="M{F(SKY_CX + x - r * 0.8)},{F(SKY_CY + y + r * 0.6)}'
                    f' A{F(r)},{F(r)} 0 0 0 {F(SKY_CX + x + r * 0.8)},{F(SKY_CY + y + r * 0.6)}"'
                    f' fill="none" stroke="#D6D2CC" stroke-width="1.2"/>')
    markings = ('<path d="M50,60 C60,50 70,66 84,58 C96,52 104,60 116,54 L116,70'
                ' C100,76 92,66 80,74 C68,82 60,72 50,78 Z" fill="#A29D97"/>' + craters)
    body, defs = Globe("globe", 31, "#B7B2AB", markings)
    PlanetPicture("mercury", body, defs, 31)


def PlanetVenus():
    markings = Bands(SKY_CX, 36, [(44, 50, "#F7E7B4", 4), (56, 61, "#E6C679", 5),
                                  (70, 76, "#F7E7B4", -4), (84, 89, "#E6C679", 5),
                                  (96, 101, "#F7E7B4", -3)])
    markings += ('<path d="M52,66 C62,60 72,70 84,64 C96,58 106,66 118,62" fill="none" '
                 'stroke="#FAEDC4" stroke-width="3" stroke-linecap="round"/>'
                 '<path d="M56,94 C66,90 76,96 88,92 C98,88 106,92 114,90" fill="none" '
                 'stroke="#D9B25E" stroke-width="2" stroke-linecap="round"/>')
    body, defs = Globe("globe", 36, "#EFD58F", markings)
    PlanetPicture("venus", body, defs, 36)


def PlanetMars():
    markings = ('<path d="M50,66 C58,58 66,64 74,60 C82,56 86,66 96,64 C104,62 110,56 120,60'
                ' L120,72 C110,70 104,78 94,76 C84,74 78,82 68,78 C60,75 56,80 50,78 Z"'
                ' fill="#A43A1C"/>'
                '<path d="M66,90 C72,86 80,90 86,88 C92,86 96,92 92,96 C86,100 74,98 66,90 Z"'
                ' fill="#A43A1C"/>'
                '<path d="M86,46 C92,44 98,48 96,52 C92,55 86,52 86,46 Z" fill="#B9472A"/>'
                f'<ellipse cx="{SKY_CX}" cy="{SKY_CY - 33}" rx="16" ry="8" fill="{WHITE}"/>'
                f'<ellipse cx="{SKY_CX + 2}" cy="{SKY_CY + 35}" rx="9" ry="4" fill="#F3E4DA"/>')
    body, defs = Globe("globe", 34, "#D4572E", markings)
    PlanetPicture("mars", body, defs, 34)


def PlanetJupiter():
    r = 45
    markings = Bands(SKY_CX, r, [(30, 38, "#E2C79E", 2), (42, 50, "#B9784A", 3),
                                 (52, 56, "#DDB98A", -2), (60, 66, "#F6EAD2", 1),
                                 (72, 80, "#C58A58", -3), (84, 88, "#E2C79E", 2),
                                 (94, 100, "#B9784A", 2), (104, 112, "#E2C79E", -2)])
    markings += (f'<ellipse cx="{SKY_CX + 14}" cy="{SKY_CY + 16}" rx="10" ry="5.5" fill="#C4502D" '
                 f'stroke="#8E3A20" stroke-width="1"/>'
                 f'<ellipse cx="{SKY_CX + 14}" cy="{SKY_CY + 16}" rx="5" ry="2.4" fill="#E07A52"/>')
    body, defs = Globe("globe", r, "#F0DDB8", markings, shade=0.34)
    PlanetPicture("jupiter", body, defs, r)


def RingedPlanet(r, base, markings, tilt, rx, ry, ring_fill, ring_line, ring_w,
                 gap_colour=None):
    """A globe with a ring: the back half behind it, the front half over it."""
    cx, cy = SKY_CX, SKY_CY
    globe, gdefs = Globe("globe", r, base, markings)

    def RingPath():
        inner_rx, inner_ry = rx - ring_w, ry - ring_w * ry / rx
        return (f'<path transform="rotate({F(tilt)} {cx} {cy})" fill-rule="evenodd" '
                f'd="M{F(cx - rx)},{cy} A{F(rx)},{F(ry)} 0 1 0 {F(cx + rx)},{cy}'
                f' A{F(rx)},{F(ry)} 0 1 0 {F(cx - rx)},{cy} Z'
                f' M{F(cx - inner_rx)},{cy} A{F(inner_rx)},{F(inner_ry)} 0 1 0 {F(cx + inner_rx)},{cy}'
                f' A{F(inner_rx)},{F(inner_ry)} 0 1 0 {F(cx - inner_rx)},{cy} Z"'
                f' fill="{ring_fill}" stroke="{ring_line}" stroke-width="1"/>')

    gap = ""
    if gap_colour:
        grx = rx - ring_w * 0.38
        gry = ry - ring_w * 0.38 * ry / rx
        gap = (f'<ellipse transform="rotate({F(tilt)} {cx} {cy})" cx="{cx}" cy="{cy}" '
               f'rx="{F(grx)}" ry="{F(gry)}" fill="none" stroke="{gap_colour}" stroke-width="1.2"/>')
    # The front half is the lower half of the ring in its own rotated frame.
    defs = (gdefs + f'<clipPath id="front"><rect transform="rotate({F(tilt)} {cx} {cy})" '
            f'x="0" y="{cy}" width="200" height="100"/></clipPath>')
    body = (RingPath() + gap + globe
            + f'<g clip-path="url(#front)">{RingPath()}{gap}</g>')
    return body, defs


def PlanetSaturn():
    markings = Bands(SKY_CX, 27, [(50, 55, "#E3BE72", 2), (60, 64, "#F6E4B4", -1),
                                  (74, 79, "#D9AE62", 2), (86, 90, "#E3BE72", -2)])
    body, defs = RingedPlanet(27, "#EDD08E", markings, -18, 52, 15,
                              "#E8CF94", INK, 15, gap_colour="#8C7446")
    # Keep the stars off the ring.
    PlanetPicture("saturn", body, defs, 27,
                  extra_clear=[(SKY_CX - 38, SKY_CY + 12, 12), (SKY_CX + 38, SKY_CY - 12, 12),
                               (SKY_CX - 20, SKY_CY + 8, 10), (SKY_CX + 20, SKY_CY - 8, 10)])


def PlanetUranus():
    markings = Bands(SKY_CX, 30, [(52, 58, "#B9EBEE", 1), (84, 90, "#86D1D8", -1)])
    body, defs = RingedPlanet(30, "#A4E0E4", markings, -78, 48, 11,
                              "#CFEFF2", "#5E8FB0", 3.5)
    PlanetPicture("uranus", body, defs, 30,
                  extra_clear=[(SKY_CX + 10, SKY_CY - 44, 10), (SKY_CX - 10, SKY_CY + 44, 10)])


def PlanetNeptune():
    r = 33
    markings = Bands(SKY_CX, r, [(46, 52, "#3563C4", 3), (62, 66, "#6E98E8", -2),
                                 (80, 86, "#2C55AE", 2), (92, 96, "#3563C4", -2)])
    markings += (f'<ellipse cx="{SKY_CX - 8}" cy="{SKY_CY + 6}" rx="8" ry="4.5" fill="#1C3B86"/>'
                 f'<path d="M{SKY_CX - 4},{SKY_CY + 13} C{SKY_CX + 2},{SKY_CY + 11} {SKY_CX + 8},'
                 f'{SKY_CY + 13} {SKY_CX + 12},{SKY_CY + 12}" fill="none" stroke="{WHITE}" '
                 f'stroke-width="1.6" stroke-linecap="round"/>'
                 f'<path d="M{SKY_CX + 2},{SKY_CY - 6} C{SKY_CX + 8},{SKY_CY - 8} {SKY_CX + 16},'
                 f'{SKY_CY - 6} {SKY_CX + 24},{SKY_CY - 7}" fill="none" stroke="#C9DBFF" '
                 f'stroke-width="1.6" stroke-linecap="round"/>')
    body, defs = Globe("globe", r, "#4677DA", markings)
    PlanetPicture("neptune", body, defs, r)


def PlanetMoon():
    cx, cy, r = SKY_CX, SKY_CY, 38
    # The lit crescent is the disc less the same disc shifted right and up.
    sx, sy = cx + 18, cy - 4
    d = math.hypot(sx - cx, sy - cy)
    mx, my = (cx + sx) / 2, (cy + sy) / 2
    h = math.sqrt(r * r - d * d / 4)
    ux, uy = -(sy - cy) / d, (sx - cx) / d
    p1 = (mx - h * ux, my - h * uy)   # upper meeting point
    p2 = (mx + h * ux, my + h * uy)   # lower meeting point
    crescent = (f"M{F(p1[0])},{F(p1[1])} A{r},{r} 0 1 0 {F(p2[0])},{F(p2[1])}"
                f" A{r},{r} 0 0 1 {F(p1[0])},{F(p1[1])} Z")
    defs = f'<clipPath id="lit"><path d="{crescent}"/></clipPath>'
    craters = ""
    for x, y, cr in ((-26, -6, 4.5), (-18, 16, 6), (-12, -24, 3.5), (-30, 12, 2.5),
                     (-8, 30, 3), (-4, -32, 2.2), (-22, -18, 2.4)):
        craters += (f'<circle cx="{F(cx + x)}" cy="{F(cy + y)}" r="{F(cr)}" fill="#D8CFB6"/>'
                    f'<path d="M{F(cx + x - cr * 0.8)},{F(cy + y + cr * 0.6)} A{F(cr)},{F(cr)} 0 0 0'
                    f' {F(cx + x + cr * 0.8)},{F(cy + y + cr * 0.6)}" fill="none" stroke="#FFFBEE"'
                    f' stroke-width="1.1"/>')
    body = (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#3A467E" stroke="#56639C" stroke-width="1"/>'
            f'<g clip-path="url(#lit)"><circle cx="{cx}" cy="{cy}" r="{r}" fill="#F5EED8"/>'
            f'<path d="M{cx - 34},{cy - 2} C{cx - 28},{cy - 10} {cx - 20},{cy - 4} {cx - 24},{cy + 6}'
            f' C{cx - 28},{cy + 12} {cx - 34},{cy + 8} {cx - 34},{cy - 2} Z" fill="#DDD3B8"/>'
            + craters + '</g>'
            f'<path d="{crescent}" fill="none" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>')
    PlanetPicture("moon", body, defs, r)


def PlanetPluto():
    r = 27
    cx, cy = SKY_CX, SKY_CY
    heart = (f'<path d="M{cx + 6},{cy + 20} C{cx - 6},{cy + 12} {cx - 12},{cy + 4} {cx - 10},{cy - 3}'
             f' C{cx - 8},{cy - 9} {cx - 1},{cy - 9} {cx + 3},{cy - 4}'
             f' C{cx + 7},{cy - 10} {cx + 15},{cy - 8} {cx + 16},{cy - 1}'
             f' C{cx + 17},{cy + 6} {cx + 12},{cy + 14} {cx + 6},{cy + 20} Z" fill="#F4E6CF"/>')
    markings = (f'<path d="M{cx - 30},{cy + 8} C{cx - 22},{cy + 2} {cx - 16},{cy + 14} {cx - 8},{cy + 16}'
                f' C{cx},{cy + 18} {cx + 4},{cy + 26} {cx + 2},{cy + 32} L{cx - 30},{cy + 32} Z"'
                f' fill="#7E4E33"/>'
                f'<path d="M{cx - 20},{cy - 22} C{cx - 10},{cy - 18} {cx},{cy - 24} {cx + 14},{cy - 20}'
                f' L{cx + 14},{cy - 30} L{cx - 20},{cy - 30} Z" fill="#B08866"/>' + heart)
    body, defs = Globe("globe", r, "#C9A27E", markings)
    PlanetPicture("pluto", body, defs, r)


def MakePlanets():
    PlanetNeptune()
    PlanetMars()
    PlanetSun()
    PlanetJupiter()
    PlanetVenus()
    PlanetMercury()
    PlanetSaturn()
    PlanetUranus()
    PlanetMoon()
    PlanetPluto()


# ---------------------------------------------------------------------------
# Sign symbols, 142 x 142, drawn at layout (90, 39) like the planets: a cream
# medallion ringed in the element colour, the figure inside it drawn in
# local coordinates centred on the medallion.

ELEMENT_OF = {"aries": FIRE, "leo": FIRE, "sagittarius": FIRE,
              "taurus": EARTH, "virgo": EARTH, "capricorn": EARTH,
              "gemini": AIR, "libra": AIR, "aquarius": AIR,
              "cancer": WATER, "scorpio": WATER, "pisces": WATER}

# Small stars on the ring (angles in degrees, clockwise from the right).
RING_STARS = (-150, -30, 30, 150, 90)


def Medallion(sign):
    colour = ELEMENT_OF[sign]
    body = (f'<circle cx="{SKY_CX}" cy="{SKY_CY}" r="{SKY_R}" fill="{colour}" '
            f'stroke="{INK}" stroke-width="1"/>'
            f'<circle cx="{SKY_CX}" cy="{SKY_CY}" r="{SKY_R - 6}" fill="{CREAM}" '
            f'stroke="{INK}" stroke-width="1"/>')
    for a in RING_STARS:
        t = math.radians(a)
        body += Star5(SKY_CX + (SKY_R - 3) * math.cos(t), SKY_CY + (SKY_R - 3) * math.sin(t),
                      3.6, LIGHT_GOLD, inner=0.42)
    return body


def SymbolPicture(name, sign, figure, defs="", clip=True):
    """figure: SVG in local coordinates, (0, 0) at the medallion's centre."""
    clip_defs = (f'<clipPath id="inside"><circle cx="0" cy="0" r="{F(SKY_R - 6.5)}"/></clipPath>'
                 if clip else "")
    group = (f'<g transform="translate({SKY_CX},{SKY_CY})"'
             + (' clip-path="url(#inside)"' if clip else "") + f'>{figure}</g>')
    body = (Medallion(sign) + group
            + SignGlyph(sign, GLYPH_X + 9, GLYPH_Y + 9, 18, ELEMENT_OF[sign], 1.7))
    Svg(f"symbol-{name}.svg", 142, 142, body, clip_defs + defs)


def Ink(width=1):
    return OutlineAttrs(width)


def P(d, fill, width=1, extra=""):
    """A path with the 1-unit ink outline."""
    return f'<path d="{d}" fill="{fill}" {Ink(width)} {extra}/>'


def Eye(x, y, r=2.2):
    return (f'<circle cx="{F(x)}" cy="{F(y)}" r="{F(r)}" fill="{INK}"/>'
            f'<circle cx="{F(x - r * 0.35)}" cy="{F(y - r * 0.35)}" r="{F(r * 0.38)}" fill="{WHITE}"/>')


def Fish(x, y, angle, fill, belly, flip=False):
    """A fish about 60 units long facing right (or left when flipped)."""
    body = (P("M30,0 C20,-15 -6,-16 -18,-2 L-32,-12 C-29,-4 -29,4 -32,12 L-18,2"
              " C-6,16 20,15 30,0 Z", fill)
            + f'<path d="M30,0 C20,10 2,13 -12,6 C0,4 18,4 30,0 Z" fill="{belly}"/>'
            + P("M-2,-12 C2,-20 10,-20 14,-12", fill)
            + P("M4,11 C6,16 10,17 12,12", fill)
            + f'<path d="M16,-9 C12,-4 12,4 16,9" fill="none" {Ink()}/>'
            + f'<path d="M2,-4 C4,-2 4,2 2,4 M-6,-6 C-4,-3 -4,3 -6,6" fill="none" '
              f'stroke="{WHITE}" stroke-width="1.2" stroke-linecap="round"/>'
            + Eye(22, -3, 2.4))
    scale = "scale(-1,1) " if flip else ""
    return f'<g transform="translate({F(x)},{F(y)}) rotate({F(angle)}) {scale}">{body}</g>'


def SymbolFish():
    figure = (Fish(-2, -19, 12, "#4C9BE0", "#BFE0FA")
              + Fish(2, 19, 12, "#2FA396", "#BDEBE4", flip=True)
              # The cord that ties each fish's mouth to the other's tail.
              + f'<path d="M29,-12 C41,-4 41,16 33,25 M-29,12 C-41,4 -41,-16 -33,-25" fill="none" '
                f'stroke="{SPARKLE}" stroke-width="2" stroke-linecap="round"/>'
              + "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="none" stroke="{AIR}" '
                        f'stroke-width="1"/>' for x, y, r in ((36, -28, 2.5), (42, -20, 1.6),
                                                              (-36, 28, 2.5), (-42, 20, 1.6))))
    SymbolPicture("fish", "pisces", figure)


def SymbolRam():
    horn = "#C99A5B"
    horn_dark = "#9C6F36"

    def Horn(sign):
        m = sign
        d = (f"M{6 * m},-26 C{20 * m},-44 {48 * m},-32 {44 * m},-8 C{41 * m},10 {20 * m},10"
             f" {21 * m},-6 C{22 * m},-15 {33 * m},-15 {32 * m},-5")
        return (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="12" stroke-linecap="round"/>'
                f'<path d="{d}" fill="none" stroke="{horn}" stroke-width="10" stroke-linecap="round"/>'
                f'<path d="{d}" fill="none" stroke="{horn_dark}" stroke-width="1.2" '
                f'stroke-dasharray="2.5 3.5"/>')

    wool = "#FFFFFF"
    figure = (
        Horn(1) + Horn(-1)
        # Ears
        + P("M14,-6 C22,-6 30,-2 32,4 C26,6 18,4 13,0 Z", "#EFE3CF")
        + P("M-14,-6 C-22,-6 -30,-2 -32,4 C-26,6 -18,4 -13,0 Z", "#EFE3CF")
        # Long face down to the muzzle
        + P("M-15,-22 C-17,-4 -13,14 -10,26 C-8,36 8,36 10,26 C13,14 17,-4 15,-22 Z", "#F4EBDD")
        + P("M-10,22 C-10,32 10,32 10,22 C8,17 -8,17 -10,22 Z", "#E8C3B0")
        + f'<path d="M-5,25 C-4,27 -2,27 -2,25 M5,25 C4,27 2,27 2,25 M0,28 L0,31" fill="none" {Ink()}/>'
        # Woolly crown
        + P("M-18,-20 C-22,-26 -16,-34 -10,-31 C-8,-38 0,-39 3,-33 C8,-38 16,-35 15,-29"
            " C21,-28 22,-20 17,-17 C12,-13 -12,-13 -18,-20 Z", wool)
        + Eye(-8, -4, 2.3) + Eye(8, -4, 2.3)
    )
    SymbolPicture("ram", "aries", figure)


def SymbolLion():
    mane = ""
    n = 18
    pts = []
    for i in range(n * 2):
        a = 2 * math.pi * i / (n * 2)
        r = 46 if i % 2 == 0 else 37
        pts.append((r * math.cos(a), r * math.sin(a) + 2))
    d = f"M{F(pts[0][0])},{F(pts[0][1])}"
    for i in range(1, len(pts) + 1, 2):
        c = pts[i % len(pts)]
        e = pts[(i + 1) % len(pts)]
        d += f" Q{F(c[0] * 0.92)},{F(c[1] * 0.92)} {F(e[0])},{F(e[1])}"
    mane += P(d + "Z", "#B9601F")
    mane += f'<circle cx="0" cy="2" r="34" fill="#D98330"/>'
    face = (
        # Ears
        P("M-26,-22 C-30,-32 -20,-36 -16,-28 Z", "#E9A441") + P("M26,-22 C30,-32 20,-36 16,-28 Z", "#E9A441")
        + P("M-24,-20 C-26,-34 -10,-34 0,-30 C10,-34 26,-34 24,-20 C30,-4 24,20 12,28"
            " C6,32 -6,32 -12,28 C-24,20 -30,-4 -24,-20 Z", "#F0B24C")
        + P("M-12,14 C-16,6 -8,2 0,6 C8,2 16,6 12,14 C10,20 4,22 0,20 C-4,22 -10,20 -12,14 Z", "#FFF1D6")
        + P("M-6,6 L6,6 L0,13 Z", "#5A2E1A")
        + f'<path d="M0,13 L0,17 M0,17 C-3,20 -6,19 -7,17 M0,17 C3,20 6,19 7,17" fill="none" {Ink()}/>'
        + f'<path d="M-13,-6 C-10,-10 -5,-10 -3,-6 M13,-6 C10,-10 5,-10 3,-6" fill="none" {Ink(1.4)}/>'
        + Eye(-9, -3, 2.3) + Eye(9, -3, 2.3)
        + "".join(f'<circle cx="{x}" cy="{y}" r="0.9" fill="{INK}"/>'
                  for x, y in ((-8, 13), (-10, 16), (8, 13), (10, 16)))
    )
    SymbolPicture("lion", "leo", mane + face)


def SymbolScales():
    gold, dark = GOLD, "#C98F26"
    figure = (
        # Stand: base and pillar
        P("M-18,40.5 L18,40.5 C18,34 10,32 4,31 L4,-24 L-4,-24 L-4,31 C-10,32 -18,34 -18,40.5 Z", gold)
        # Beam
        + P("M-37,-26.5 L37,-26.5 L37,-21.5 L-37,-21.5 Z", gold)
        + f'<circle cx="0" cy="-28" r="6" fill="{gold}" {Ink()}/>'
        + Star5(0, -28, 4.2, WHITE)
        # Chains and pans
        + "".join(
            f'<path d="M{x},-22 L{x - 13},10 M{x},-22 L{x + 13},10" fill="none" stroke="{dark}" '
            f'stroke-width="1.3"/>'
            + P(f"M{x - 15},10 L{x + 15},10 C{x + 13},22 {x - 13},22 {x - 15},10 Z", gold)
            + f'<circle cx="{x}" cy="-22" r="2.2" fill="{dark}" {Ink()}/>'
            for x in (-30, 30))
    )
    SymbolPicture("scales", "libra", figure)


def SymbolBull():
    hide, dark, horn = "#8B5A3C", "#6A4028", "#F3E6C8"
    figure = (
        # Horns sweeping out and up
        P("M-15,-24 C-26,-25 -32,-30 -32,-40 C-40,-32 -40,-14 -17,-11 Z", horn)
        + P("M15,-24 C26,-25 32,-30 32,-40 C40,-32 40,-14 17,-11 Z", horn)
        # Ears
        + P("M-16,-12 C-26,-14 -34,-10 -36,-4 C-28,-2 -20,-4 -15,-6 Z", dark)
        + P("M16,-12 C26,-14 34,-10 36,-4 C28,-2 20,-4 15,-6 Z", dark)
        # Head, wide at the brow, broad muzzle
        + P("M-18,-26 C-8,-30 8,-30 18,-26 C20,-12 16,4 15,12 C14,18 -14,18 -15,12"
            " C-16,4 -20,-12 -18,-26 Z", hide)
        + P("M-20,16 C-22,8 -12,4 0,4 C12,4 22,8 20,16 C18,30 -18,30 -20,16 Z", "#D8A98A")
        + P("M-9,12 C-7,9 -4,10 -4,13 C-4,16 -8,16 -9,12 Z", dark)
        + P("M9,12 C7,9 4,10 4,13 C4,16 8,16 9,12 Z", dark)
        # Tuft on the brow and the nose ring
        + P("M-8,-28 C-6,-20 -2,-24 0,-18 C2,-24 6,-20 8,-28 Z", dark)
        + f'<path d="M-6,22 C-6,32 6,32 6,22" fill="none" stroke="{INK}" stroke-width="4.2"/>'
        + f'<path d="M-6,22 C-6,32 6,32 6,22" fill="none" stroke="{GOLD}" stroke-width="2.4"/>'
        + Eye(-10, -6, 2.4) + Eye(10, -6, 2.4)
    )
    SymbolPicture("bull", "taurus", figure)


def SymbolCrab():
    shell, light, dark = "#D9482B", "#F07A52", "#A8301A"
    legs = ""
    for side in (1, -1):
        for i, (y, reach) in enumerate(((2, 40), (10, 42), (18, 38), (25, 31))):
            d = (f"M{14 * side},{y - 2} L{(reach - 10) * side},{y - 8 + i * 3}"
                 f" L{reach * side},{y + 6 + i * 4}")
            legs += (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="5" '
                     f'stroke-linejoin="round" stroke-linecap="round"/>'
                     f'<path d="{d}" fill="none" stroke="{shell}" stroke-width="3" '
                     f'stroke-linejoin="round" stroke-linecap="round"/>')
    claws = ""
    for side in (1, -1):
        m = side
        arm = f"M{10 * m},-4 L{22 * m},-16 L{26 * m},-24"
        claws += (f'<path d="{arm}" fill="none" stroke="{INK}" stroke-width="7" stroke-linejoin="round"/>'
                  f'<path d="{arm}" fill="none" stroke="{shell}" stroke-width="5" stroke-linejoin="round"/>'
                  + P(f"M{22 * m},-22 C{14 * m},-28 {14 * m},-40 {22 * m},-45 L{25 * m},-36"
                      f" L{29 * m},-46 C{38 * m},-42 {38 * m},-28 {30 * m},-22 Z", shell))
    figure = (
        legs + claws
        # Eye stalks
        + f'<path d="M-6,-8 L-8,-18 M6,-8 L8,-18" fill="none" stroke="{INK}" stroke-width="2"/>'
        + Eye(-8, -19, 3) + Eye(8, -19, 3)
        # Shell
        + P("M-28,6 C-28,-10 -14,-14 0,-14 C14,-14 28,-10 28,6 C28,20 14,28 0,28"
            " C-14,28 -28,20 -28,6 Z", shell)
        + f'<path d="M-20,-4 C-14,-9 -6,-10 0,-10" fill="none" stroke="{light}" stroke-width="3" '
          f'stroke-linecap="round"/>'
        + "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="{dark}"/>'
                  for x, y, r in ((-10, 6, 2.4), (10, 6, 2.4), (0, 14, 2), (-16, 14, 1.6), (16, 14, 1.6)))
        + f'<path d="M-7,-2 C-4,1 4,1 7,-2" fill="none" {Ink()}/>'
    )
    SymbolPicture("crab", "cancer", figure)


def SymbolScorpion():
    body_c, light = "#7A3B1E", "#B0612F"
    legs = ""
    for side in (1, -1):
        for i, y in enumerate((-2, 4, 10, 16)):
            d = f"M{8 * side},{y} L{(22 + i) * side},{y - 6 + i * 2} L{(32 - i) * side},{y + 6 + i * 3}"
            legs += (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="3.6" '
                     f'stroke-linejoin="round" stroke-linecap="round"/>'
                     f'<path d="{d}" fill="none" stroke="{light}" stroke-width="1.8" '
                     f'stroke-linejoin="round" stroke-linecap="round"/>')
    pincers = ""
    for m in (1, -1):
        arm = f"M{6 * m},-12 L{17 * m},-20 L{19 * m},-28"
        pincers += (f'<path d="{arm}" fill="none" stroke="{INK}" stroke-width="6" stroke-linejoin="round"/>'
                    f'<path d="{arm}" fill="none" stroke="{body_c}" stroke-width="4" stroke-linejoin="round"/>'
                    + P(f"M{15 * m},-26 C{9 * m},-32 {11 * m},-42 {17 * m},-44 L{19 * m},-36"
                        f" L{23 * m},-44 C{29 * m},-40 {27 * m},-30 {21 * m},-26 Z", body_c))
    # The tail: segments straight back from the body, curling round at its
    # end with the sting pointing forward.
    tail_pts = [(0, 25), (0, 31), (2, 37), (7, 41), (13, 41), (17, 37), (18, 31)]
    tail = ""
    for i, (x, y) in enumerate(tail_pts):
        r = 4.6 - i * 0.3
        tail += f'<circle cx="{x}" cy="{y}" r="{F(r)}" fill="{body_c}" {Ink()}/>'
    tail += P("M20,30 C21,24 19,20 14,18 C16,22 16,26 15,30 Z", "#4A2210")
    figure = (
        legs + pincers + tail
        + P("M-9,-8 C-9,-16 9,-16 9,-8 L8,-2 L-8,-2 Z", body_c)
        + P("M-9,-2 C-12,6 -10,16 0,24 C10,16 12,6 9,-2 Z", body_c)
        + f'<path d="M-10,4 L10,4 M-10,10 L10,10 M-8,16 L8,16" fill="none" {Ink()}/>'
        + f'<path d="M-5,-10 C-2,-12 2,-12 5,-10" fill="none" stroke="{light}" stroke-width="2" '
          f'stroke-linecap="round"/>'
        + f'<circle cx="-3" cy="-12" r="1.3" fill="{INK}"/><circle cx="3" cy="-12" r="1.3" fill="{INK}"/>'
    )
    SymbolPicture("scorpion", "scorpio", figure)


def SymbolWater():
    urn, band = "#C8693A", "#F2C14E"
    water, foam = "#3B8FD8", "#9FD0F6"
    figure = (
        # The stream falling from the lip into the waves below
        P("M-4,-22 C12,-26 22,-12 20,6 C19,16 22,24 26,30 L12,30 C8,22 6,12 8,2"
          " C9,-8 4,-14 -4,-14 Z", water)
        + f'<path d="M10,-18 C16,-12 16,-2 14,8 C13,16 15,22 18,28" fill="none" stroke="{foam}" '
          f'stroke-width="2" stroke-linecap="round"/>'
        # The urn, tipped to pour to the right
        + '<g transform="rotate(-35 -16 -20)">'
        + P("M-30,-38 L-2,-38 L-4,-32 C8,-26 10,-10 2,-2 C-4,4 -28,4 -34,-2"
            " C-42,-10 -40,-26 -28,-32 Z", urn)
        + P("M-33,-42 L1,-42 L1,-37 L-33,-37 Z", urn)
        + P("M-37,-18 L5,-18 L4,-11 L-36,-11 Z", band)
        + f'<path d="M-36,-26 C-46,-26 -46,-12 -36,-10" fill="none" stroke="{INK}" stroke-width="4"/>'
        + f'<path d="M-36,-26 C-46,-26 -46,-12 -36,-10" fill="none" stroke="{urn}" stroke-width="2"/>'
        + Star5(-16, -26, 3.5, band)
        + '</g>'
    )
    waves = ""
    for i, y in enumerate((28, 36, 44)):
        d = "M-48," + F(y)
        for k in range(7):
            x0 = -48 + k * 16
            d += f" C{x0 + 4},{y - 6} {x0 + 12},{y - 6} {x0 + 16},{y}"
        d += f" L56,{y + 9} L-48,{y + 9} Z"
        waves += P(d, (water, "#5AA7E6", "#2A5BAF")[i])
    SymbolPicture("water", "aquarius", waves + figure)


SKIN_TONE = "#F6CDA6"
HAIR = "#6E4326"


def Limb(d, fill, width):
    """A limb drawn as a thick stroke with an ink edge."""
    return (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="{F(width + 2)}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="{d}" fill="none" stroke="{fill}" stroke-width="{F(width)}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def SymbolCentaur():
    coat, dark = "#A0673A", "#6E4326"
    figure = (
        # Tail and the far legs
        P("M-30,0 C-40,-2 -46,10 -44,26 C-40,18 -37,10 -30,7 Z", dark)
        + Limb("M-16,16 L-14,28 L-15,38", "#8A5630", 4.5)
        + Limb("M12,14 L22,22 L18,30", "#8A5630", 4.5)
        # Horse body
        + P("M-31,4 C-31,-4 -23,-7 -14,-6 L10,-6 C19,-6 23,0 23,8 C23,16 17,20 8,20"
            " L-22,20 C-31,20 -33,12 -31,4 Z", coat)
        # Near legs with hooves
        + Limb("M-24,16 L-27,28 L-25,38", coat, 5)
        + Limb("M8,16 L9,28 L9,38", coat, 5)
        + "".join(P(f"M{x - 3.5},{y} L{x + 3.5},{y} L{x + 4},{y + 4} L{x - 4},{y + 4} Z", INK)
                  for x, y in ((-25, 38), (9, 38), (-15, 38)))
        # The rider's torso, rising from the horse's chest
        + P("M8,-3 C5,-13 7,-22 11,-26 L22,-26 C25,-20 23,-10 21,-2 Z", SKIN_TONE)
        + P("M7,-8 C12,-6 18,-6 22,-8 L21,-2 L8,-2 Z", "#C0392B")
        # Bow, string and arrow
        + f'<path d="M30,-46 C41,-38 41,-16 32,-8" fill="none" stroke="{INK}" stroke-width="3.4" '
          f'stroke-linecap="round"/>'
        + f'<path d="M30,-46 C41,-38 41,-16 32,-8" fill="none" stroke="#C98F26" stroke-width="1.8" '
          f'stroke-linecap="round"/>'
        + f'<path d="M30,-46 L7,-29 L32,-8" fill="none" stroke="{INK}" stroke-width="0.8"/>'
        + f'<path d="M4,-29 L41,-29" stroke="{INK}" stroke-width="1.6"/>'
        + P("M40,-32.5 L47,-29 L40,-25.5 Z", "#9AA2C6")
        + P("M4,-29 L1,-32.5 L6,-32 Z M4,-29 L1,-25.5 L6,-26 Z", "#C0392B")
        # Arms: one holds the bow out, the other draws the string
        + Limb("M20,-24 L37,-29", SKIN_TONE, 4)
        + Limb("M13,-23 L4,-22 L8,-29", SKIN_TONE, 4)
        # Head and hair
        + P("M10,-36 C10,-44 22,-46 23,-37 C23,-31 20,-27 16,-27 C12,-27 10,-31 10,-36 Z", SKIN_TONE)
        + P("M9,-35 C8,-45 20,-48 24,-40 C18,-41 14,-39 12,-33 Z", HAIR)
        + f'<circle cx="19.5" cy="-36" r="1.2" fill="{INK}"/>'
    )
    SymbolPicture("centaur", "sagittarius", f'<g transform="translate(-3,-2)">{figure}</g>')


def Wheat(x0, y0, x1, y1, n):
    """One wheat stalk from (x0, y0) to its ear at (x1, y1)."""
    ang = math.degrees(math.atan2(y1 - y0, x1 - x0))
    grains = ""
    for i in range(n):
        t = i * 4.2
        for side in (-1, 1):
            grains += (f'<ellipse cx="{F(-t)}" cy="{F(side * 2.6)}" rx="3.2" ry="1.7" '
                       f'transform="rotate({F(side * 28)} {F(-t)} {F(side * 2.6)})" '
                       f'fill="{GOLD}" {Ink(0.8)}/>')
    ear = (f'<g transform="translate({F(x1)},{F(y1)}) rotate({F(ang)})">'
           f'<path d="M2,0 L10,0" stroke="#C98F26" stroke-width="1"/>'
           + grains + f'<ellipse cx="1" cy="0" rx="3.4" ry="1.8" fill="{GOLD}" {Ink(0.8)}/></g>')
    return (f'<path d="M{F(x0)},{F(y0)} L{F(x1)},{F(y1)}" stroke="#C98F26" stroke-width="1.6"/>' + ear)


def SymbolVirgin():
    dress, trim = "#7FAF4A", "#4E7A2A"
    figure = (
        # Long hair behind the shoulders
        P("M-15,-30 C-19,-42 -9,-50 0,-50 C10,-50 19,-42 15,-30 C18,-14 17,-2 22,8"
          " L-22,8 C-17,-2 -18,-14 -15,-30 Z", HAIR)
        # Gown
        + P("M-34,56 C-34,16 -24,-6 -10,-11 L10,-11 C24,-6 34,16 34,56 Z", dress)
        + f'<path d="M-8,-10 C-4,-3 4,-3 8,-10" fill="{CREAM}" {Ink()}/>'
        + f'<path d="M-32,40 L32,40" stroke="{trim}" stroke-width="3"/>'
        # Neck and face
        + P("M-4,-20 L4,-20 L4,-10 L-4,-10 Z", SKIN_TONE)
        + P("M-10,-30 C-10,-40 10,-40 10,-30 C10,-22 6,-17 0,-17 C-6,-17 -10,-22 -10,-30 Z",
            SKIN_TONE)
        + P("M-11,-29 C-12,-40 -4,-44 1,-43 C7,-44 13,-38 11,-29 C8,-34 4,-37 0,-36"
            " C-4,-37 -8,-34 -11,-29 Z", HAIR)
        + f'<path d="M-6.5,-28 C-5.5,-26.5 -3.5,-26.5 -2.5,-28 M2.5,-28 C3.5,-26.5 5.5,-26.5 6.5,-28" '
          f'fill="none" {Ink()}/>'
        + f'<path d="M-2.5,-21.5 C-1,-20.5 1,-20.5 2.5,-21.5" fill="none" stroke="#B5473A" '
          f'stroke-width="1.2" stroke-linecap="round"/>'
        + '<circle cx="-6.5" cy="-23.5" r="1.8" fill="#F2A08A"/><circle cx="6.5" cy="-23.5" r="1.8" fill="#F2A08A"/>'
        # Sheaf of wheat in her arms
        + Wheat(-14, 34, 14, -8, 4) + Wheat(-10, 36, 24, 0, 4) + Wheat(-18, 32, 6, -14, 4)
        + P("M-6,18 L-1,12 L3,15 L-2,21 Z", "#C98F26")
        + Limb("M-24,4 C-22,18 -12,22 -2,16", dress, 6)
        + f'<circle cx="-1" cy="15" r="3.6" fill="{SKIN_TONE}" {Ink()}/>'
        + Limb("M24,4 C24,14 20,20 12,20", dress, 6)
        + f'<circle cx="10" cy="19" r="3.4" fill="{SKIN_TONE}" {Ink()}/>'
        # Her star beside her head
        + Star5(-25, -38, 5, GOLD, INK)
    )
    SymbolPicture("virgin", "virgo", figure)


def SymbolGoat():
    coat, dark, horn = "#B09274", "#7A5E44", "#E8DCC2"
    tail, tail_dark = "#2E8B9A", "#1E6470"
    scales = "".join(f'<path d="M{x - 3},{y} C{x - 2},{y + 3} {x + 2},{y + 3} {x + 3},{y}" '
                     f'fill="none" stroke="{tail_dark}" stroke-width="1"/>'
                     for x, y in ((4, 2), (11, 0), (18, 2), (8, 8), (15, 7), (22, 8), (25, 15),
                                  (19, 14), (26, 22)))
    figure = (
        # The fish tail, curling round behind, with its fin
        P("M-6,-8 C12,-12 34,-2 34,18 C34,32 20,38 12,30 C18,32 26,26 24,16"
          " C22,4 8,4 -6,14 Z", tail)
        + scales
        + P("M12,30 C6,31 1,26 0,21 C5,23 8,23 11,25 C11,20 13,16 17,13 C18,20 16,26 12,30 Z",
            "#59B7C2")
        # Forelegs folded under the chest
        + Limb("M-20,6 L-32,14 L-26,24", coat, 5)
        + Limb("M-8,10 L-14,24 L-7,30", coat, 5)
        + P("M-28,22 l4,-1 l1.5,4 l-4,1.2 Z M-9,28 l4,-1 l1.5,4 l-4,1.2 Z", INK)
        # Body and neck
        + P("M-28,-8 C-26,-18 -14,-20 -4,-14 L2,-6 C4,4 0,14 -8,16 C-18,18 -28,12 -28,-8 Z", coat)
        + P("M-27,-6 C-31,-18 -31,-28 -27,-34 L-16,-31 C-16,-23 -13,-17 -8,-13 Z", coat)
        + f'<path d="M-26,-12 C-20,-12 -14,-14 -10,-16" fill="none" stroke="{dark}" stroke-width="1"/>'
        # Ear, head, beard and horn
        + P("M-19,-35 C-13,-35 -7,-31 -5,-27 C-11,-27 -17,-29 -20,-32 Z", dark)
        + P("M-31,-41 C-25,-45 -17,-41 -17,-35 C-17,-31 -21,-29 -25,-27 L-35,-19"
            " C-39,-17 -43,-21 -41,-25 Z", coat)
        + P("M-37,-19 C-37,-13 -35,-7 -32,-3 C-31,-9 -31,-15 -31,-21 Z", "#E8DCC2")
        + P("M-29,-40 C-27,-50 -15,-54 -7,-46 C-3,-40 -5,-32 -9,-28 C-9,-36 -13,-44 -19,-44"
            " C-23,-44 -25,-42 -24,-38 Z", horn)
        + f'<path d="M-22,-46 L-21,-42 M-16,-47 L-16,-43 M-10,-44 L-11,-40" stroke="#B3A27E" '
          f'stroke-width="1"/>'
        + Eye(-26, -35, 1.9)
        + f'<circle cx="-39" cy="-23" r="0.9" fill="{INK}"/>'
    )
    SymbolPicture("goat", "capricorn", f'<g transform="translate(4,4)">{figure}</g>')


def Child(x, tunic, hair_path, flip):
    """One twin standing, facing the viewer; flip mirrors the hair."""
    s = -1 if flip else 1
    body = (
        Limb("M-4,20 L-4,36", SKIN_TONE, 4) + Limb("M4,20 L4,36", SKIN_TONE, 4)
        + P("M-8,36 L-2,36 L-2,39 L-9,39 Z M8,36 L2,36 L2,39 L9,39 Z", INK)
        + P("M-8,-10 L8,-10 C11,-4 13,12 14,22 L-14,22 C-13,12 -11,-4 -8,-10 Z", tunic)
        + f'<path d="M-12,14 L12,14" stroke="{GOLD}" stroke-width="2"/>'
        + P("M-3,-14 L3,-14 L3,-9 L-3,-9 Z", SKIN_TONE)
        + f'<circle cx="0" cy="-21" r="9" fill="{SKIN_TONE}" {Ink()}/>'
        + P(hair_path, HAIR)
        + f'<circle cx="-3.2" cy="-20" r="1.3" fill="{INK}"/><circle cx="3.2" cy="-20" r="1.3" fill="{INK}"/>'
        + f'<path d="M-3,-16 C-1.5,-14.5 1.5,-14.5 3,-16" fill="none" {Ink()}/>'
        + '<circle cx="-5.5" cy="-16.5" r="1.4" fill="#F2A08A"/><circle cx="5.5" cy="-16.5" r="1.4" fill="#F2A08A"/>'
    )
    mirror = f" scale({s},1)" if flip else ""
    return f'<g transform="translate({F(x)},0){mirror}">{body}</g>'


def SymbolTwins():
    hair_a = "M-9,-21 C-10,-31 -2,-33 2,-32 C8,-32 10,-27 9,-21 C6,-26 2,-27 -2,-25 C-5,-24 -7,-23 -9,-21 Z"
    hair_b = ("M-10,-18 C-12,-30 -4,-33 1,-32 C8,-32 11,-28 10,-18 C8,-22 7,-25 5,-26"
              " C1,-24 -4,-25 -6,-27 C-8,-24 -9,-21 -10,-18 Z")
    figure = (
        # Their outer arms, then the joined hands between them
        Limb("M-27,-6 L-32,10", SKIN_TONE, 4) + Limb("M27,-6 L32,10", SKIN_TONE, 4)
        + Child(-17, AIR, hair_a, False) + Child(17, FIRE, hair_b, True)
        + Limb("M-10,-6 L0,6 L10,-6", SKIN_TONE, 4)
        + f'<circle cx="0" cy="6" r="3" fill="{SKIN_TONE}" {Ink()}/>'
        + Star5(-17, -40, 5, GOLD, INK) + Star5(17, -40, 5, GOLD, INK)
    )
    SymbolPicture("twins", "gemini", f'<g transform="translate(0,3)">{figure}</g>')


def MakeSymbols():
    SymbolFish()
    SymbolRam()
    SymbolLion()
    SymbolScales()
    SymbolBull()
    SymbolCrab()
    SymbolScorpion()
    SymbolWater()
    SymbolCentaur()
    SymbolVirgin()
    SymbolGoat()
    SymbolTwins()


def main():
    MakeRatings()
    MakeIcons()
    MakeStones()
    MakePlanets()
    MakeSymbols()
    for name in sorted(OUT):
        Write(HERE, name, OUT[name])
    print(f"wrote {len(OUT)} SVG file(s)")


if __name__ == "__main__":
    main()
