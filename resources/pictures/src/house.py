"""What every picture family draws with: the house palette, number
formatting, stars, gradients, the sign glyphs and whole SVG documents.

The families' generators import it as a top-level module, so they run with
resources/pictures/src on the module path:
    PYTHONPATH=resources/pictures/src /usr/bin/python3 -m pickers.make
"""
import math
import os

NIGHT = "#141A3C"        # night navy: skies, dark grounds
NIGHT_LIGHT = "#243068"  # the lighter navy of gradients
GOLD = "#F2C14E"         # stars, highlights, accents
GOLD_LIGHT = "#FFE08A"
CREAM = "#FFF6DE"
INK = "#1B1E36"          # outlines
TITLE_RED = "#8E0404"    # the program's own title colour
WHITE = "#FFFFFF"
# Element accents.
FIRE = "#E0552B"
EARTH = "#5E8C31"
AIR = "#3B8FD8"
WATER = "#2A5BAF"


def Num(value, places=3):
    """Formats a coordinate to places decimals, without trailing zeros.

    The report illustrations and the main menu were laid out at two
    decimals; their renderings depend on it, so they keep passing 2."""
    text = f"{value:.{places}f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def Points(points, places=3):
    """A polygon's points attribute."""
    return " ".join(f"{Num(x, places)},{Num(y, places)}" for x, y in points)


def StarPoints(cx, cy, outer, inner, points=4):
    """Corners of a star of the given radii, its first point straight up."""
    corners = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        angle = math.pi * i / points
        corners.append((cx + r * math.sin(angle), cy - r * math.cos(angle)))
    return corners


def Star(cx, cy, outer, fill, points=4, inner=0.4, stroke=None, width=1.0, places=3):
    """A star (four points: a sparkle), inner being the waist's share of the
    outer radius; outlined when stroke is given."""
    outline = (f' stroke="{stroke}" stroke-width="{Num(width)}" stroke-linejoin="round"'
               if stroke else "")
    corners = StarPoints(cx, cy, outer, outer * inner, points)
    return f'<polygon points="{Points(corners, places)}" fill="{fill}"{outline}/>'


# Directions of gradients, as x1 y1 x2 y2 over the painted shape's box.
DOWN = (0, 0, 0, 1)
ACROSS = (0, 0, 1, 0)


def Gradient(ident, *stops, vector=DOWN, absolute=False):
    """A linear gradient along vector: over the painted shape's box, or in
    the drawing's own units when absolute (so that separate shapes share
    one continuous gradient). Stops are colours spread evenly from 0 to 1,
    or (offset, colour) and (offset, colour, opacity) tuples."""
    units = ' gradientUnits="userSpaceOnUse"' if absolute else ""
    x1, y1, x2, y2 = (Num(v) for v in vector)
    out = [f'<linearGradient id="{ident}"{units} x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">']
    for i, stop in enumerate(stops):
        if isinstance(stop, str):
            stop = (i / (len(stops) - 1), stop)
        offset, colour = stop[:2]
        opacity = f' stop-opacity="{Num(stop[2])}"' if len(stop) > 2 else ""
        out.append(f'<stop offset="{Num(offset)}" stop-color="{colour}"{opacity}/>')
    return "".join(out) + "</linearGradient>\n"


def Document(width, height, body, defs="", view_box=None, ground=None):
    """A whole SVG document, width x height pixels, showing view_box (the
    same size from the origin unless given); ground paints the view first.
    body and defs are markup or sequences of markup."""
    if not isinstance(body, str):
        body = "\n".join(body)
    if not isinstance(defs, str):
        defs = "".join(defs)
    box = view_box or f"0 0 {width} {height}"
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
           f'viewBox="{box}">\n']
    if defs:
        out.append(f"<defs>\n{defs.strip()}\n</defs>\n")
    if ground:
        x, y, w, h = box.split()
        out.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{ground}"/>\n')
    out.append(body.rstrip("\n") + "\n</svg>\n")
    return "".join(out)


def Write(folder, name, document):
    """Writes one SVG source into its family's folder."""
    with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
        f.write(document)


# The classic sign symbols, drawn as strokes in a 24 x 24 box.
SIGN_GLYPHS = {
    "aries": "M12 21.5V9.5C12 5 10 3 7 3C4.6 3 3 4.8 3 7C3 9 4.3 10.5 6.2 10.5"
             "M12 9.5C12 5 14 3 17 3C19.4 3 21 4.8 21 7C21 9 19.7 10.5 17.8 10.5",
    "taurus": "M2.5 3C3.5 7.5 7 10 12 10C17 10 20.5 7.5 21.5 3"
              "M12 10A5.75 5.75 0 1 0 12.01 10",
    "gemini": "M3.5 3.5C9 5.5 15 5.5 20.5 3.5M3.5 20.5C9 18.5 15 18.5 20.5 20.5"
              "M8.5 5V19M15.5 5V19",
    "cancer": "M3 7C7 3.5 15 3 21 6.5M3 17.5C9 21 17 20.5 21 17"
              "M9.4 9.2A3.2 3.2 0 1 1 3 9.2A3.2 3.2 0 1 1 9.4 9.2"
              "M21 14.8A3.2 3.2 0 1 1 14.6 14.8A3.2 3.2 0 1 1 21 14.8",
    "leo": "M9.8 15.5C9 12 7.6 9.5 7.6 6.8C7.6 4 9.8 2.5 12.8 2.5C15.8 2.5 18 4.3 18 7.2"
           "C18 11.3 14 13.8 14 18C14 20.3 15.4 21.5 17.2 21.5C19 21.5 20.2 20.3 21 18.8"
           "M9.8 16A3.3 3.3 0 1 1 3.2 16A3.3 3.3 0 1 1 9.8 16",
    "virgo": "M2.5 5.5C3.6 4.8 4.8 5 4.8 7V19M4.8 8C4.8 5.6 6.3 4.5 7.7 4.5"
             "C9.2 4.5 10.3 5.5 10.3 7.5V19M10.3 8C10.3 5.6 11.8 4.5 13.2 4.5"
             "C14.7 4.5 15.8 5.5 15.8 7.5V15.5C15.8 19.5 18.8 20.6 20.3 18.6"
             "C21.8 16.6 20.8 12.5 18.6 12.9C16.5 13.3 16.2 18.5 12.8 21.5",
    "libra": "M3 20H21M3 15.8H8.3C6.6 14.5 5.6 12.8 5.6 10.8C5.6 7.3 8.4 4.6 12 4.6"
             "C15.6 4.6 18.4 7.3 18.4 10.8C18.4 12.8 17.4 14.5 15.7 15.8H21",
    "scorpio": "M2.5 5.5C3.6 4.8 4.8 5 4.8 7V19M4.8 8C4.8 5.6 6.3 4.5 7.7 4.5"
               "C9.2 4.5 10.3 5.5 10.3 7.5V19M10.3 8C10.3 5.6 11.8 4.5 13.2 4.5"
               "C14.7 4.5 15.8 5.5 15.8 7.5V17C15.8 19.3 17 20.3 18.8 20.3L21.5 17.6"
               "M18.3 17.2H21.9V20.8",
    "sagittarius": "M3.5 20.5L20.5 3.5M12 3.5H20.5V12M6.5 11.5L12.5 17.5",
    "capricorn": "M2.5 5.5C4 5 5 6 5.6 8L8.2 17.5L11.6 6C12 4.8 12.8 4.4 13.5 5.2V15.5"
                 "C13.5 19 15.3 20.8 17.5 20.8C19.8 20.8 21.3 19.2 21.3 17"
                 "C21.3 14.7 19.6 13.2 17.6 13.2C15.3 13.2 14.2 15.5 13.5 17.7"
                 "C12.6 20.4 11 21.7 9 21.5",
    "aquarius": "M2.5 10.5L6.3 6.7L10.1 10.5L13.9 6.7L17.7 10.5L21.5 6.7"
                "M2.5 17.3L6.3 13.5L10.1 17.3L13.9 13.5L17.7 17.3L21.5 13.5",
    "pisces": "M5.5 3C9.2 6.8 9.2 17.2 5.5 21M18.5 3C14.8 6.8 14.8 17.2 18.5 21M4 12H20",
}


def SignGlyph(name, cx, cy, size, colour, stroke):
    """A sign glyph centred on (cx, cy), size units square, stroke units wide."""
    s = size / 24.0
    return (f'<path transform="translate({Num(cx - size / 2)} {Num(cy - size / 2)}) '
            f'scale({s:.4f})" d="{SIGN_GLYPHS[name]}" fill="none" stroke="{colour}" '
            f'stroke-width="{stroke / s:.3f}" stroke-linecap="round" '
            f'stroke-linejoin="round"/>')
