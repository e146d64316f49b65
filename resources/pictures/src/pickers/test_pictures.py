#!/usr/bin/python3
"""Checks the rendered picker pictures against the pages that draw them.

- Every picture of pickers.tsv exists at its listed size.
- Opaque pictures that sit on a page ground are painted in exactly that
  ground where they draw nothing (their corners), so no seam shows.
- Everything drawn in a sign grid, topic list or menu lies inside the tap
  rectangle of its cell or row, at both sizes.
- The compatibility grids keep the ring's boxes clear of the ink dividers,
  and a plain row between the ring and the sign names.
- The quarter-VGA sign tiles' names and dates keep one clear pixel from
  every cell border and stand out from their tile at 4.5:1 or more, which
  also fails a blurred, downscaled lettering.
- The double-size sign tiles' three lines (name, first day, last day) keep
  a clear pixel row between them and one clear pixel from every border.

Run after tools/pictures/render.py, from resources/pictures/src:
    /usr/bin/python3 -m unittest pickers.test_pictures
"""
import os
import unittest

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


ROWS = ReadManifest()


def Load(pid):
    return Image.open(os.path.join(PICTURES, f"{pid}.png")).convert("RGB")


def BothSizes(small):
    """The small picture's id and its double-size partner's."""
    return (small, ROWS[small][2])


def Inside(value, bands):
    return any(a <= value <= b for a, b in bands)


# Compatibility grids: ring boxes' x and y offsets, 32 x 27 each.
RING_X = (3, 44, 84, 125, 165, 204)
RING_Y = (0, 43)
INK = (0x1B, 0x1E, 0x36)
KEY = (255, 204, 255)


def RingRows():
    """Rows of the selection ring picture that it draws in."""
    ring = Load(344).load()
    return [y for y in range(27) if any(ring[x, y] != KEY for x in range(32))]


def StrayPixel(image, ground, columns, rows, scale):
    """The first pixel that is not ground outside every column and row band."""
    bands_x = [(int(a * scale), int((b + 1) * scale) - 1) for a, b in columns]
    bands_y = [(int(a * scale), int((b + 1) * scale) - 1) for a, b in rows]
    pixels = image.load()
    width, height = image.size
    for y in range(height):
        for x in range(width):
            if pixels[x, y] != ground and not (Inside(x, bands_x) and Inside(y, bands_y)):
                return (x, y)
    return None


def Luminance(colour):
    """Relative luminance of an sRGB colour."""
    def Linear(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (Linear(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def Contrast(a, b):
    light, dark = sorted((Luminance(a), Luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def RowGround(pixels, x0, x1, y):
    """The tile's own colour in row y: the tiles are shaded top to bottom,
    so it is the most common colour across the row."""
    row = [pixels[x, y] for x in range(x0, x1 + 1)]
    return max(set(row), key=row.count)


class PickerPicturesTest(unittest.TestCase):
    def test_every_picture_is_rendered_at_its_listed_size(self):
        for pid, (width, height, _partner) in sorted(ROWS.items()):
            with self.subTest(pid=pid):
                path = os.path.join(PICTURES, f"{pid}.png")
                self.assertTrue(os.path.exists(path), "not rendered")
                self.assertEqual(Load(pid).size, (width, height))

    def test_corners_are_the_page_ground(self):
        for small, ground in GROUNDS.items():
            for pid in BothSizes(small):
                image = Load(pid)
                w, h = image.size
                for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
                    with self.subTest(pid=pid, corner=corner):
                        self.assertEqual(image.getpixel(corner), ground)

    def test_drawings_stay_inside_their_tap_bands(self):
        everything = [(0, 10000)]
        for small, ground, columns, bands in (
                (345, FORECAST, GRID_COLUMNS, FORECAST_ROWS),
                (351, PROFILE, GRID_COLUMNS, PROFILE_ROWS),
                (349, PROFILE, everything, TOPIC_ROWS),
                (356, NUMEROLOGY, everything, MENU_ROWS)):
            for pid in BothSizes(small):
                with self.subTest(pid=pid):
                    image = Load(pid)
                    scale = image.size[0] / ROWS[small][0]
                    self.assertIsNone(StrayPixel(image, ground, columns, bands, scale))

    def test_the_back_icon_keeps_its_corner_on_square_layouts(self):
        # On the 240 x 240 layouts the Back icon (222, 1)-(238, 17) lies
        # over the banner's x 210-212 and just right of the topic list's
        # first row, whose last three columns stay plain for it.
        for small, x0, x1, rows in ((340, 210, 212, range(1, 18)), (349, 217, 219, range(0, 8))):
            for pid in BothSizes(small):
                image = Load(pid)
                scale = image.size[0] // ROWS[small][0]
                pixels = image.load()
                drawn = [(x, y) for y in range(rows.start * scale, rows.stop * scale)
                         for x in range(x0 * scale, (x1 + 1) * scale) if pixels[x, y] != GROUNDS[small]]
                with self.subTest(pid=pid):
                    self.assertEqual(drawn, [])

    def test_compatibility_dividers_stay_off_the_ring_boxes(self):
        # The 1-unit dividers are the ink lines across the whole grid; they
        # fall between the column and row bands, and none crosses a ring box.
        for pid in (335, 337):
            image = Load(pid)
            pixels = image.load()
            width, height = image.size
            columns = [x for x in range(width) if all(pixels[x, y] == INK for y in range(height))]
            rows = [y for y in range(height) if all(pixels[x, y] == INK for x in range(width))]
            with self.subTest(pid=pid):
                self.assertEqual(columns, [40, 80, 121, 161, 200])
                self.assertEqual(rows, [41])
                for rx in RING_X:
                    self.assertEqual([x for x in columns if rx <= x < rx + 32], [])
                for ry in RING_Y:
                    self.assertEqual([y for y in rows if ry <= y < ry + 27], [])

    def test_ring_is_an_opaque_edge_round_a_transparent_middle(self):
        ring = Load(344).load()
        rows = RingRows()
        middle = (rows[0] + rows[-1]) // 2
        self.assertEqual(ring[16, middle], KEY)
        self.assertNotEqual(ring[0, middle], KEY)
        self.assertNotEqual(ring[16, 0], KEY)

    def test_a_plain_tile_row_keeps_the_ring_off_the_names(self):
        # The tiles are shaded top to bottom only, so the row under the ring
        # is one flat colour across the ring's width.
        below = RingRows()[-1] + 1
        for pid in (335, 337):
            pixels = Load(pid).load()
            for rx in RING_X:
                for ry in RING_Y:
                    with self.subTest(pid=pid, ring=(rx, ry)):
                        row = {pixels[x, ry + below] for x in range(rx, rx + 32)}
                        self.assertEqual(len(row), 1)


class SignLetteringTest(unittest.TestCase):
    """The 1x tiles' lettering, inside the box (x0, y0)-(x1, y1) of each tile
    that holds the labels: the columns x0 and x1 and the row y1 touch the
    cell's border or the picture's edge and must stay plain tile."""

    def CheckLabels(self, pid, boxes):
        pixels = Load(pid).load()
        for x0, y0, x1, y1 in boxes:
            inked = 0
            for y in range(y0, y1 + 1):
                ground = RowGround(pixels, x0, x1, y)
                for x in range(x0, x1 + 1):
                    colour = pixels[x, y]
                    if colour == ground:
                        continue
                    inked += 1
                    where = f"{pid}: ({x}, {y}) in the tile at ({x0}, {y0})"
                    self.assertTrue(x0 < x < x1 and y < y1, f"{where} touches the border")
                    self.assertGreaterEqual(Contrast(colour, ground), 4.5, f"{where} is faint")
            self.assertGreater(inked, 100, f"{pid}: no lettering in the tile at ({x0}, {y0})")

    def test_compatibility_tiles(self):
        below_ring = RingRows()[-1] + 1
        columns = [(0, 39), (41, 79), (81, 120), (122, 160), (162, 199), (201, 239)]
        boxes = [(x0, ry + below_ring, x1, bottom)
                 for ry, bottom in zip(RING_Y, (40, 82)) for x0, x1 in columns]
        for pid in (335, 337):
            with self.subTest(pid=pid):
                self.CheckLabels(pid, boxes)

    def test_forecast_and_profile_tiles(self):
        # Cells of 50 x 68 with a 1-unit outline and 5-unit corners: the
        # labels lie under the glyph's disc, above the corners' rows.
        boxes = [(x + 1, y + 36, x + 48, y + 61)
                 for y in (1, 76, 150) for x in (0, 60, 120, 182)]
        for pid in (345, 351):
            with self.subTest(pid=pid):
                self.CheckLabels(pid, boxes)


# Smoothed lettering fades into the tile: a pixel this close to the tile's
# colour in every channel is not seen (nor is the palette's rounding of
# the tile's shading).
UNSEEN = 24


def InkedRows(pixels, x0, y0, x1, y1, corners=None, inset=10):
    """The rows of the box that hold anything seen on the tile's own colour,
    and the first such pixel on the box's outer columns or its last row.
    From the row `corners` on, the sides move in by `inset` pixels, clear of
    rounded corners."""
    rows, stray = [], None
    for y in range(y0, y1 + 1):
        if corners is not None and y == corners:
            x0, x1 = x0 + inset, x1 - inset
        ground = RowGround(pixels, x0, x1, y)
        inked = [x for x in range(x0, x1 + 1)
                 if max(abs(a - b) for a, b in zip(pixels[x, y], ground)) > UNSEEN]
        if inked:
            rows.append(y)
        if stray is None and inked and (inked[0] == x0 or inked[-1] == x1 or y == y1):
            stray = (inked[0], y)
    return rows, stray


def Runs(rows):
    """Consecutive rows gathered into runs."""
    runs = []
    for y in rows:
        if runs and runs[-1][-1] == y - 1:
            runs[-1].append(y)
        else:
            runs.append([y])
    return runs


class DoubleSizeLetteringTest(unittest.TestCase):
    """The double-size tiles' labels, in the box (x0, y0)-(x1, y1) of each
    tile whose outer columns and last row touch a divider, an outline or the
    picture's edge: nothing is drawn on them, and the name and the two date
    lines are three runs of rows with a clear row between each."""

    def CheckTiles(self, pid, boxes):
        pixels = Load(pid).load()
        for box in boxes:
            with self.subTest(pid=pid, box=box):
                rows, stray = InkedRows(pixels, *box)
                self.assertIsNone(stray, "a label touches the tile's border")
                self.assertEqual(len(Runs(rows)), 3, "the name and the dates are not three lines apart")

    def test_compatibility_tiles(self):
        # Double size: the dividers are the columns 80-81, 160-161, 242-243,
        # 322-323, 400-401 and the row 82.
        below_ring = 2 * (RingRows()[-1] + 1)
        columns = [(0, 79), (82, 159), (162, 241), (244, 321), (324, 399), (402, 479)]
        boxes = [(x0, 2 * ry + below_ring, x1, bottom)
                 for ry, bottom in zip(RING_Y, (81, 164)) for x0, x1 in columns]
        for pid in (336, 338):
            self.CheckTiles(pid, boxes)

    def test_forecast_and_profile_tiles(self):
        # Under the glyph's disc, inside the 1-unit outline and, in the
        # lowest rows, clear of the 5-unit corners' curves.
        boxes = [(2 * x + 2, 2 * (y + 36), 2 * x + 97, 2 * (y + 66), 2 * (y + 62))
                 for y in (1, 76, 150) for x in (0, 60, 120, 182)]
        for pid in (347, 352):
            self.CheckTiles(pid, boxes)


if __name__ == "__main__":
    unittest.main()
