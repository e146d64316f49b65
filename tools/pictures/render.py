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


def Paletted(image, key):
    """The picture as at most 256 colours, the key colour kept exact."""
    colours = image.getcolors(256)
    if colours is not None:
        palette = [colour for _count, colour in colours]
        indexed = Image.new("P", image.size)
        indexed.putpalette([channel for colour in palette for channel in colour])
        lookup = {colour: index for index, colour in enumerate(palette)}
        indexed.putdata([lookup[pixel] for pixel in image.getdata()])
        return indexed
    indexed = image.quantize(255 if key else 256, method=Image.Quantize.MEDIANCUT,
                             dither=Image.Dither.NONE)
    if key is None:
        return indexed
    entries = indexed.getpalette()[:3 * 255]
    palette = [tuple(entries[i:i + 3]) for i in range(0, len(entries), 3)]
    palette = [Nudged(colour) if colour == key else colour for colour in palette]
    palette += [(0, 0, 0)] * (255 - len(palette)) + [key]
    indexed.putpalette([channel for colour in palette for channel in colour])
    pixels = [255 if original == key else index
              for original, index in zip(image.getdata(), indexed.getdata())]
    indexed.putdata(pixels)
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
    Paletted(out, key).save(path)
    subprocess.run(["zopflipng", "-y", path, path], check=True,
                   stdout=subprocess.DEVNULL)


def main(argv):
    rows = ReadManifest()
    wanted = [int(a) for a in argv] if argv else sorted(rows)
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
