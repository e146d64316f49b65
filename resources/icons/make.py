#!/usr/bin/python3
"""The program's icon: a crescent moon and the house sparkles on the night
sky of the main menu, in a rounded square. Run with /usr/bin/python3; it
rewrites stellarion.svg next to it, and stellarion-maskable.svg, the same
icon on a full night-sky square for the installed web app, whose launchers
cut any shape out of the middle. The build renders the PNG sizes from
those files."""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "pictures", "src"))
from house import CREAM, GOLD, GOLD_LIGHT, INK, NIGHT, NIGHT_LIGHT, WHITE, Num  # noqa: E402

SIZE = 256


def Sparkle(cx, cy, outer, fill):
    """The four-pointed star every picture family uses."""
    inner = outer * 0.34
    parts = []
    for i in range(8):
        radius = outer if i % 2 == 0 else inner
        angle = math.pi * i / 4 - math.pi / 2
        parts.append(("M" if i == 0 else "L") +
                     f"{Num(cx + radius * math.cos(angle))} {Num(cy + radius * math.sin(angle))}")
    return f'<path d="{"".join(parts)}Z" fill="{fill}"/>\n'


def Icon():
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
           f'viewBox="0 0 {SIZE} {SIZE}">\n<defs>\n']
    out.append(f'<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
               f'<stop offset="0" stop-color="{NIGHT}"/>'
               f'<stop offset="1" stop-color="{NIGHT_LIGHT}"/></linearGradient>\n')
    out.append(f'<linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">'
               f'<stop offset="0" stop-color="{GOLD_LIGHT}"/>'
               f'<stop offset="1" stop-color="{GOLD}"/></linearGradient>\n')
    # The crescent is a disc with an offset disc cut out of it.
    out.append('<mask id="cut" maskUnits="userSpaceOnUse" x="0" y="0" width="256" height="256">'
               '<rect width="256" height="256" fill="#fff"/>'
               '<circle cx="142" cy="104" r="62" fill="#000"/></mask>\n</defs>\n')
    out.append(f'<rect x="10" y="10" width="236" height="236" rx="46" fill="url(#sky)" '
               f'stroke="{INK}" stroke-width="6"/>\n')
    out.append('<circle cx="112" cy="138" r="76" fill="url(#gold)" mask="url(#cut)"/>\n')
    out.append(Sparkle(184, 82, 40, WHITE))
    out.append(Sparkle(184, 82, 20, GOLD_LIGHT))
    out.append(Sparkle(196, 184, 18, GOLD))
    out.append(Sparkle(62, 58, 12, CREAM))
    out.append('</svg>\n')
    return "".join(out)


# A maskable icon's launcher keeps at least the circle of 40 % of its size
# around the centre: the rounded square, shrunk to this share, stays inside.
MASKABLE_SHARE = 0.68


def Maskable():
    """The icon shrunk onto a full square of the night sky."""
    icon = Icon()
    body = icon[icon.index(">") + 1:icon.rindex("</svg>")]
    offset = Num(SIZE * (1 - MASKABLE_SHARE) / 2)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n<rect width="{SIZE}" height="{SIZE}" fill="{NIGHT}"/>\n'
            f'<g transform="translate({offset} {offset}) scale({MASKABLE_SHARE})">{body}</g>\n</svg>\n')


for name, make in (("stellarion.svg", Icon), ("stellarion-maskable.svg", Maskable)):
    with open(os.path.join(HERE, name), "w", encoding="utf-8") as f:
        f.write(make())
