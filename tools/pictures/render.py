#!/usr/bin/python3
"""Renders the picture catalogue from its vector sources.

Reads every manifest under resources/pictures/manifest/*.tsv and, for each
picture, renders its SVG source with rsvg-convert at the picture's exact pixel
size, then writes resources/pictures/<id>.png as an opaque RGB image.

Keyed pictures: every pixel less than half covered becomes exactly the key
colour and every other pixel becomes fully opaque, so edges against the key
are hard and no fringe shows when the program drops the key colour. An opaque
pixel that happens to equal the key is nudged by one step of green.

Unkeyed pictures are composited over white.

Every picture is stored with a palette of at most 256 colours, which halves
the program's download. A picture that already has that few keeps its exact
colours; a richer one is reduced by median cut without dithering, the key
colour keeping an entry of its own that no other pixel shares. zopflipng then
packs the file losslessly.

Usage: tools/pictures/render.py [ID ...]   (no ids: render all)
Needs Debian's librsvg2-bin, python3-pil, zopfli and fonts-wine (for Tahoma).
"""
import os
import subprocess
import sys
import tempfile

from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PICTURES = os.path.join(ROOT, "resources", "pictures")
MANIFEST_DIR = os.path.join(PICTURES, "manifest")
SOURCES = os.path.join(PICTURES, "src")

FONTS_CONF = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>/usr/share/wine/fonts</dir>
</fontconfig>
"""


def ParseKey(text):
    if text in ("", "-"):
        return None
    parts = [int(p) for p in text.split(",")]
    if len(parts) != 3 or not all(0 <= p <= 255 for p in parts):
        raise ValueError("bad key colour: " + text)
    return tuple(parts)


def ReadManifest():
    """Returns {id: (width, height, key, source, description, file:line)}."""
    rows = {}
    for name in sorted(os.listdir(MANIFEST_DIR)):
        if not name.endswith(".tsv"):
            continue
        path = os.path.join(MANIFEST_DIR, name)
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line.strip() or line.startswith("#"):
                    continue
                cells = line.split("\t")
                if len(cells) < 7:
                    raise ValueError(f"{name}:{number}: expected 7 tab-separated cells")
                pid, width, height, key, _partner, source, description = cells[:7]
                pid = int(pid)
                if pid in rows:
                    raise ValueError(f"{name}:{number}: id {pid} listed twice")
                rows[pid] = (int(width), int(height), ParseKey(key), source,
                             description, f"{name}:{number}")
    return rows


def Harden(image, key):
    """Thresholds coverage against the key colour."""
    out = Image.new("RGB", image.size)
    src = image.load()
    dst = out.load()
    for y in range(image.size[1]):
        for x in range(image.size[0]):
            r, g, b, a = src[x, y]
            if a < 128:
                dst[x, y] = key
            elif (r, g, b) == key:
                dst[x, y] = Nudged(key)
            else:
                dst[x, y] = (r, g, b)
    return out


def Nudged(colour):
    r, g, b = colour
    return (r, g - 1 if g else 1, b)


# A picture drawn over part of another as the same drawing takes that
# picture's colours, so that the two stay pixel for pixel alike: the main
# menu's title band lies over the same rows of the background.
SharedColours = {329: 331}


def Indexed(image, palette):
    """image with every pixel the nearest of palette's at most 256 colours.

    A tie goes to the earlier colour: palettes come sorted, so that a colour
    maps alike whatever other colours a picture has."""
    def Nearest(colour):
        return min(range(len(palette)),
                   key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))
    lookup = {colour: Nearest(colour) for _count, colour in image.getcolors(1 << 24)}
    indexed = Image.new("P", image.size)
    indexed.putpalette([channel for colour in palette for channel in colour])
    indexed.putdata([lookup[pixel] for pixel in image.getdata()])
    return indexed


def Paletted(image, key, shared=None):
    """The picture as at most 256 colours, the key colour kept exact.

    shared: the colours to use instead of the picture's own."""
    colours = image.getcolors(256)
    if colours is not None and shared is None:
        return Indexed(image, sorted(colour for _count, colour in colours))
    opaque = [colour for colour in (shared or []) if colour != key]
    if not opaque:
        reduced = image.quantize(255 if key else 256, method=Image.Quantize.MEDIANCUT,
                                 dither=Image.Dither.NONE).convert("RGB")
        opaque = [Nudged(colour) if colour == key else colour
                  for _count, colour in reduced.getcolors(256)]
    opaque.sort()
    indexed = Indexed(image, opaque)
    if key is None:
        return indexed
    # The key takes the last entry, which no other pixel is mapped to.
    indexed.putpalette([channel for colour in opaque for channel in colour] +
                       [0, 0, 0] * (255 - len(opaque)) + list(key))
    indexed.putdata([255 if original == key else index
                     for original, index in zip(image.getdata(), indexed.getdata())])
    return indexed


def Render(pid, row, env):
    width, height, key, source, _description, where = row
    svg = os.path.join(SOURCES, source)
    if not os.path.exists(svg):
        raise FileNotFoundError(f"{where}: missing source {source}")
    with tempfile.NamedTemporaryFile(suffix=".png") as tmp:
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height),
                        svg, "-o", tmp.name], check=True, env=env)
        image = Image.open(tmp.name).convert("RGBA")
    if image.size != (width, height):
        raise ValueError(f"{where}: rendered {image.size}, wanted {(width, height)}")
    if key is not None:
        out = Harden(image, key)
    else:
        white = Image.new("RGBA", image.size, (255, 255, 255, 255))
        out = Image.alpha_composite(white, image).convert("RGB")
    path = os.path.join(PICTURES, f"{pid}.png")
    shared = None
    if pid in SharedColours:
        donor = Image.open(os.path.join(PICTURES, f"{SharedColours[pid]}.png")).convert("RGB")
        shared = [colour for _count, colour in donor.getcolors(256)]
    Paletted(out, key, shared).save(path)
    subprocess.run(["zopflipng", "-y", path, path], check=True,
                   stdout=subprocess.DEVNULL)


def main(argv):
    rows = ReadManifest()
    wanted = [int(a) for a in argv] if argv else sorted(rows)
    # The pictures others share colours with come first.
    wanted.sort(key=lambda pid: pid in SharedColours)
    with tempfile.TemporaryDirectory() as tmp:
        conf = os.path.join(tmp, "fonts.conf")
        with open(conf, "w") as f:
            f.write(FONTS_CONF)
        env = dict(os.environ, FONTCONFIG_FILE=conf)
        for pid in wanted:
            if pid not in rows:
                raise KeyError(f"id {pid} is not in any manifest")
            Render(pid, rows[pid], env)
    print(f"rendered {len(wanted)} picture(s)")


if __name__ == "__main__":
    main(sys.argv[1:])
