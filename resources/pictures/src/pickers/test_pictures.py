#!/usr/bin/python3
"""Checks the rendered picker pictures against the pages that draw them.

- Every picture of pickers.tsv exists at its listed size.
- Opaque pictures that sit on a page ground are painted in exactly that
  ground where they draw nothing (their corners), so no seam shows.
- Everything drawn in a sign grid, topic list or menu lies inside the tap
  rectangle of its cell or row, at both sizes.
- The compatibility grids keep the ring's boxes clear of the ink dividers,
  and a plain row between the ring and the sign names.

Run after tools/pictures/render.py:
    /usr/bin/python3 resources/pictures/src/pickers/check.py
Prints each failure and exits with status 1 if there is any.
"""
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = os.path.normpath(os.path.join(HERE, "..", ".."))
MANIFEST = os.path.join(PICTURES, "manifest", "pickers.tsv")

COMPAT = (153, 204, 255)
FORECAST = (206, 255, 49)
PROFILE = (255, 255, 153)
NUMEROLOGY = (255, 153, 255)
BUTTON = (252, 252, 203)

# Small picture id -> ground colour it is painted on.
GROUNDS = {340: COMPAT, 342: COMPAT, 346: FORECAST, 345: FORECAST,
           350: PROFILE, 351: PROFILE, 349: PROFILE, 357: NUMEROLOGY,
           356: NUMEROLOGY, 461: BUTTON, 455: BUTTON, 453: BUTTON}

GRID_COLUMNS = [(0, 50), (60, 110), (120, 170), (182, 232)]  # inclusive
FORECAST_ROWS = [(0, 69), (74, 145), (150, 217)]
PROFILE_ROWS = [(0, 69), (70, 145), (146, 217)]
TOPIC_ROWS = [(0, 19), (22, 39), (42, 61), (64, 81), (84, 101), (104, 123),
              (126, 143), (146, 165), (168, 185), (188, 207), (210, 229)]
MENU_ROWS = [(34 * n, 34 * n + 29) for n in range(6)]

failures = []


def Fail(message):
    failures.append(message)


def ReadManifest():
    rows = {}
    with open(MANIFEST, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cells = line.rstrip("\n").split("\t")
            partner = None if cells[4] == "-" else int(cells[4])
            rows[int(cells[0])] = (int(cells[1]), int(cells[2]), partner)
    return rows


def Load(pid):
    return Image.open(os.path.join(PICTURES, f"{pid}.png")).convert("RGB")


def Inside(value, bands):
    return any(a <= value <= b for a, b in bands)


def CheckDrawnWithin(pid, image, ground, columns, rows, scale):
    """Every pixel that is not ground must fall in some column and row band."""
    bands_x = [(int(a * scale), int((b + 1) * scale) - 1) for a, b in columns]
    bands_y = [(int(a * scale), int((b + 1) * scale) - 1) for a, b in rows]
    pixels = image.load()
    width, height = image.size
    for y in range(height):
        for x in range(width):
            if pixels[x, y] != ground and not (Inside(x, bands_x) and Inside(y, bands_y)):
                Fail(f"{pid}: drawn pixel at ({x}, {y}) lies outside every tap band")
                return


def main():
    rows = ReadManifest()
    images = {}
    for pid, (width, height, _partner) in sorted(rows.items()):
        path = os.path.join(PICTURES, f"{pid}.png")
        if not os.path.exists(path):
            Fail(f"{pid}: not rendered")
            continue
        images[pid] = Load(pid)
        if images[pid].size != (width, height):
            Fail(f"{pid}: size {images[pid].size}, listed {(width, height)}")
    if failures:
        return

    for small, ground in GROUNDS.items():
        for pid in (small, rows[small][2]):
            image = images[pid]
            w, h = image.size
            for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
                if image.getpixel(corner) != ground:
                    Fail(f"{pid}: corner {corner} is {image.getpixel(corner)}, "
                         f"not the page ground {ground}")

    everything = [(0, 10000)]
    for small, ground, columns, bands in (
            (345, FORECAST, GRID_COLUMNS, FORECAST_ROWS),
            (351, PROFILE, GRID_COLUMNS, PROFILE_ROWS),
            (349, PROFILE, everything, TOPIC_ROWS),
            (356, NUMEROLOGY, everything, MENU_ROWS)):
        for pid in (small, rows[small][2]):
            scale = images[pid].size[0] / images[small].size[0]
            CheckDrawnWithin(pid, images[pid], ground, columns, bands, scale)

    # Compatibility grids: the 1-unit dividers fall between the column and
    # row bands, and no divider crosses a ring box (x offset .. + 31,
    # y offset .. + 26).
    ink = (0x1B, 0x1E, 0x36)
    for pid in (335, 337):
        pixels = images[pid].load()
        for x in (40, 80, 121, 161, 200):
            if pixels[x, 20] != ink:
                Fail(f"{pid}: no divider at column {x}")
        if pixels[20, 41] != ink:
            Fail(f"{pid}: no divider at row 41")
        for rx in (3, 44, 84, 125, 165, 204):
            for ry in (0, 43):
                for y in range(ry, ry + 27):
                    for x in range(rx, rx + 32):
                        if pixels[x, y] == ink:
                            Fail(f"{pid}: divider pixel ({x}, {y}) inside the ring box at ({rx}, {ry})")
                            break

    # The selection ring is transparent inside and opaque on its edge.
    key = (255, 204, 255)
    ring = images[344].load()
    ring_rows = [y for y in range(27) if any(ring[x, y] != key for x in range(32))]
    middle = (ring_rows[0] + ring_rows[-1]) // 2
    if ring[16, middle] != key or ring[0, middle] == key or ring[16, 0] == key:
        Fail("344: ring is not an opaque edge around a transparent middle")

    # Under the ring, one row of plain tile keeps it off the sign names: the
    # tiles are shaded top to bottom only, so that row is one flat colour
    # across the ring's width.
    for pid in (335, 337):
        pixels = images[pid].load()
        for rx in (3, 44, 84, 125, 165, 204):
            for ry in (0, 43):
                y = ry + ring_rows[-1] + 1
                row = {pixels[x, y] for x in range(rx, rx + 32)}
                if len(row) != 1:
                    Fail(f"{pid}: the row under the ring at ({rx}, {ry}) is not plain tile")


if __name__ == "__main__":
    main()
    for message in failures:
        print(message)
    print("ok" if not failures else f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)
