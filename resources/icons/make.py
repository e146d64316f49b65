#!/usr/bin/python3
"""The program's icon: a crescent moon and the house sparkles on the night
sky of the main menu, in a rounded square. The build renders the PNG sizes
from the stellarion.svg this rewrites next to it, and the installed web
app's maskable icon from stellarion-maskable.svg: the same icon on a full
night-sky square, as launchers cut any shape out of its middle.

Usage: PYTHONPATH=resources/pictures/src /usr/bin/python3 resources/icons/make.py
"""
import os

from house import Document, Gradient, Star, Write, CREAM, GOLD, GOLD_LIGHT, INK, NIGHT, NIGHT_LIGHT, WHITE

HERE = os.path.dirname(os.path.abspath(__file__))

SIZE = 256


def Sparkle(cx, cy, outer, fill):
    """The main menu's four-pointed star."""
    return Star(cx, cy, outer, fill, inner=0.34)


def Parts():
    """The icon's body and definitions."""
    defs = [Gradient("sky", NIGHT, NIGHT_LIGHT), Gradient("gold", GOLD_LIGHT, GOLD),
            # The crescent is a disc with an offset disc cut out of it.
            '<mask id="cut" maskUnits="userSpaceOnUse" x="0" y="0" width="256" height="256">'
            '<rect width="256" height="256" fill="#fff"/>'
            '<circle cx="142" cy="104" r="62" fill="#000"/></mask>']
    body = [f'<rect x="10" y="10" width="236" height="236" rx="46" fill="url(#sky)" '
            f'stroke="{INK}" stroke-width="6"/>',
            '<circle cx="112" cy="138" r="76" fill="url(#gold)" mask="url(#cut)"/>',
            Sparkle(184, 82, 40, WHITE),
            Sparkle(184, 82, 20, GOLD_LIGHT),
            Sparkle(196, 184, 18, GOLD),
            Sparkle(62, 58, 12, CREAM)]
    return body, defs


def Icon():
    body, defs = Parts()
    return Document(SIZE, SIZE, body, defs)


# A maskable icon's launcher keeps at least the circle of 40 % of its size
# around the centre: the moon and sparkles, shrunk to this share, stay
# inside (the large sparkle's tip comes nearest, at 35 %).
MASKABLE_SHARE = 0.85


def Maskable():
    """The web app's one large icon, for launchers that cut a shape out of it
    and for those that show it whole: the sky fills the square, without the
    rounded frame."""
    body, defs = Parts()
    offset = SIZE * (1 - MASKABLE_SHARE) / 2
    shrunk = [f'<rect width="{SIZE}" height="{SIZE}" fill="url(#sky)"/>',
              f'<g transform="translate({offset:g} {offset:g}) scale({MASKABLE_SHARE})">', *body[1:], '</g>']
    return Document(SIZE, SIZE, shrunk, defs)


if __name__ == "__main__":
    Write(HERE, "stellarion.svg", Icon())
    Write(HERE, "stellarion-maskable.svg", Maskable())
