#!/usr/bin/python3
"""Draws every catalogued picture on one contact sheet for review.

Reads all manifests under resources/pictures/manifest/, takes each listed
picture's rendered PNG (resources/pictures/<id>.png) at its own pixel size and
lays them out in id order on a neutral grey ground, wrapped into rows about
1,200 pixels wide, with each id printed under its picture. Pixels of a keyed
picture that carry its key colour are shown as a light checker, so the shape
the program will actually draw stands out.

Pictures whose PNG is missing (not rendered yet) are skipped with a note on
stderr, as are PNGs whose size differs from their manifest line (those are
still shown).

Usage: tools/pictures/contact-sheet.py [OUTPUT.png]   (default /tmp/contact-sheet.png)
Needs python3-pil; prints the id labels in Tahoma when fonts-wine is installed.
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))

ROW_WIDTH = 1200          # wrap rows at about this width
MARGIN = 12               # around the sheet and between cells
LABEL_HEIGHT = 16         # room for the id under each picture
GROUND = (128, 128, 128)
LABEL_COLOUR = (255, 255, 255)
CHECKER = ((236, 236, 236), (204, 204, 204))
CHECKER_SQUARE = 4
LABEL_FONT = "/usr/share/wine/fonts/tahomabd.ttf"


def LoadRenderer():
    """The manifest reader and picture folder of render.py beside this file."""
    sys.dont_write_bytecode = True
    sys.path.insert(0, HERE)
    import render
    return render


def ShowKey(image, key):
    """Replaces every pixel of the key colour with a light checker."""
    out = image.copy()
    src = image.load()
    dst = out.load()
    width, height = image.size
    for y in range(height):
        for x in range(width):
            if src[x, y] == key:
                dst[x, y] = CHECKER[(x // CHECKER_SQUARE + y // CHECKER_SQUARE) % 2]
    return out


def LoadPictures(renderer):
    """[(id, image)] in id order, each ready to paste; notes problems on stderr."""
    pictures = []
    for pid, row in sorted(renderer.ReadManifest().items()):
        width, height, key, _source, _description, where = row
        path = os.path.join(renderer.PICTURES, f"{pid}.png")
        if not os.path.exists(path):
            print(f"contact-sheet: {pid} ({where}) not rendered yet, skipped", file=sys.stderr)
            continue
        image = Image.open(path).convert("RGB")
        if image.size != (width, height):
            print(f"contact-sheet: {pid} ({where}) is {image.size[0]} x {image.size[1]}, "
                  f"manifest says {width} x {height}", file=sys.stderr)
        if key is not None:
            image = ShowKey(image, key)
        pictures.append((pid, image))
    return pictures


def Layout(pictures):
    """Places the cells left to right, wrapping at ROW_WIDTH.

    Returns the sheet size and [(id, image, x, y, cell width)].
    """
    placed = []
    x, y, row_height, sheet_width = MARGIN, MARGIN, 0, 0
    for pid, image in pictures:
        cell_width = max(image.size[0], 32)
        cell_height = image.size[1] + LABEL_HEIGHT
        if x > MARGIN and x + cell_width > ROW_WIDTH - MARGIN:
            x, y, row_height = MARGIN, y + row_height + MARGIN, 0
        placed.append((pid, image, x, y, cell_width))
        x += cell_width + MARGIN
        row_height = max(row_height, cell_height)
        sheet_width = max(sheet_width, x)
    return (max(sheet_width, ROW_WIDTH), y + row_height + MARGIN), placed


def Font():
    try:
        return ImageFont.truetype(LABEL_FONT, 12)
    except OSError:
        return ImageFont.load_default()


def main(argv):
    output = argv[0] if argv else "/tmp/contact-sheet.png"
    renderer = LoadRenderer()
    pictures = LoadPictures(renderer)
    size, placed = Layout(pictures)
    sheet = Image.new("RGB", size, GROUND)
    draw = ImageDraw.Draw(sheet)
    font = Font()
    for pid, image, x, y, cell_width in placed:
        sheet.paste(image, (x + (cell_width - image.size[0]) // 2, y))
        label = str(pid)
        label_width = draw.textlength(label, font=font)
        draw.text((x + (cell_width - label_width) / 2, y + image.size[1] + 2), label,
                  fill=LABEL_COLOUR, font=font)
    sheet.save(output)
    print(f"contact sheet of {len(placed)} picture(s) written to {output}")


if __name__ == "__main__":
    main(sys.argv[1:])
