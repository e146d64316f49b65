#!/usr/bin/python3
"""Checks the rendered frame pictures against the places the program puts them.

Run after tools/pictures/render.py, from resources/pictures/src:
    /usr/bin/python3 -m unittest frame.test_pictures
Works on the PNGs, so it also catches what the renderer's anti-aliasing and
key hardening do to the drawings.
"""
import os
import unittest

from PIL import Image

PICTURES = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
KEY = (255, 204, 255)
NAVY = (0x24, 0x30, 0x68)

# Key rectangles of the keyboard, relative to the key area, bounds inclusive
# (x0, x1, y0, y1). The bottom row ends at 162, below the 162-row picture.
ROW_Y = [(7, 41), (47, 81), (88, 121), (128, 162)]


def Row(ranges, row):
    y0, y1 = ROW_Y[row]
    return [(x0, x1, y0, y1) for x0, x1 in ranges]


TEN = [(0, 24), (25, 48), (49, 72), (73, 96), (97, 120), (121, 144), (145, 168),
       (169, 192), (193, 216), (217, 240)]
BOTTOM = Row([(0, 60), (61, 179), (180, 240)], 3)
LETTER_KEYS = (Row(TEN, 0)
               + Row([(12, 36), (37, 60), (61, 84), (85, 108), (109, 132), (133, 156),
                      (157, 180), (181, 204), (205, 229)], 1)
               + Row([(0, 32), (36, 60), (61, 84), (85, 108), (109, 132), (133, 156),
                      (157, 180), (181, 204), (208, 240)], 2)
               + BOTTOM)
SYMBOL_KEYS = (Row(TEN, 0) + Row(TEN, 1)
               + Row([(36, 69), (70, 103), (104, 136), (137, 170), (171, 204), (208, 240)], 2)
               + BOTTOM)


def Load(pid):
    return Image.open(os.path.join(PICTURES, f"{pid}.png")).convert("RGB")


class KeyboardTest(unittest.TestCase):
    def CheckKeysInside(self, pid, scale, keys):
        """Every pixel off the navy ground belongs to exactly one key rectangle,
        and every key rectangle holds a drawn key."""
        image = Load(pid)
        pixels = image.load()
        width, height = image.size
        used = set()
        for y in range(scale, height):           # row 0 is the ink edge of the panel
            for x in range(width):
                if pixels[x, y] == NAVY:
                    continue
                ux, uy = x // scale, y // scale
                hits = [k for k in keys if k[0] <= ux <= k[1] and k[2] <= uy <= k[3]]
                self.assertEqual(len(hits), 1, f"{pid}: pixel ({x}, {y}) in {hits}")
                used.add(hits[0])
        self.assertEqual(used, set(keys), f"{pid}: keys without a drawing")

    def test_letter_and_symbol_keys_lie_inside_their_rectangles(self):
        for pid, scale, keys in ((443, 1, LETTER_KEYS), (444, 2, LETTER_KEYS),
                                 (445, 1, SYMBOL_KEYS), (446, 2, SYMBOL_KEYS)):
            with self.subTest(pid=pid):
                self.CheckKeysInside(pid, scale, keys)

    def test_lit_shift_matches_the_page_outside_the_shift_key(self):
        for page, lit, s in ((443, 447, 1), (444, 448, 2)):
            with self.subTest(lit=lit):
                under = Load(page).crop((0, 86 * s, 33 * s, 123 * s))
                over = Load(lit)
                self.assertEqual(over.size, under.size)
                changed = 0
                for y in range(over.size[1]):
                    for x in range(over.size[0]):
                        if over.getpixel((x, y)) != under.getpixel((x, y)):
                            changed += 1
                            # Shift rectangle x 0-32, y 88-121 of the key area.
                            self.assertTrue(x // s <= 32 and 2 <= y // s <= 35, (x, y))
                self.assertGreater(changed, 100 * s * s, "the lit key looks unlit")

    def test_caption_strip_is_light_and_empty(self):
        for pid, s in ((449, 1), (442, 1), (450, 2), (451, 2)):
            with self.subTest(pid=pid):
                image = Load(pid)
                for y in range(4 * s, 21 * s):
                    row = {image.getpixel((x, y)) for x in range(image.size[0])}
                    self.assertEqual(len(row), 1, f"{pid}: decoration in row {y}")
                    self.assertGreater(min(row.pop()), 200, f"{pid}: row {y} is dark")

    def test_selected_field_is_black_where_the_program_fills_black(self):
        # The program fills (18, 27)-(220, 55) black under selected text; the
        # field must be that black all round it, and white when not selected.
        for pid, s, colour in ((442, 1, (0, 0, 0)), (451, 2, (0, 0, 0)),
                               (449, 1, (255, 255, 255)), (450, 2, (255, 255, 255))):
            with self.subTest(pid=pid):
                image = Load(pid)
                for x, y in ((12, 27), (225, 27), (12, 53), (225, 53), (120, 25), (120, 54)):
                    self.assertEqual(image.getpixel((x * s, y * s)), colour, (x, y))


class FrameTest(unittest.TestCase):
    def test_header_edges_follow_the_box_lines(self):
        # Row 0 black, then two grey rows, then white; the outer column is the
        # black outline, the outer top corner is transparent.
        for pid, s, left in ((322, 1, True), (323, 2, True), (326, 1, False), (319, 2, False)):
            with self.subTest(pid=pid):
                image = Load(pid)
                inner = 3 * s if left else 0
                outer = 0 if left else 4 * s - 1
                self.assertEqual(image.getpixel((outer, 0)), KEY)
                for y in range(s):
                    self.assertEqual(image.getpixel((inner, y)), (0, 0, 0))
                for y in range(s, 3 * s):
                    self.assertEqual(image.getpixel((inner, y)), (119, 119, 119))
                for y in range(4 * s, 30 * s):
                    self.assertEqual(image.getpixel((outer, y)), (0, 0, 0))
                    self.assertEqual(image.getpixel((inner, y)), (255, 255, 255))

    def test_band_end_continues_the_title_band(self):
        band, end = Load(360), Load(439)
        for y in range(28):
            a, b = band.getpixel((239, y)), end.getpixel((0, y))
            self.assertLessEqual(max(abs(p - q) for p, q in zip(a, b)), 2, f"row {y}")

    def test_panel_buttons_sit_on_the_panel_ground(self):
        for pid in (471, 472, 473, 474):
            with self.subTest(pid=pid):
                image = Load(pid)
                w, h = image.size
                for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
                    self.assertEqual(image.getpixel(corner), (80, 87, 98))
                centre = image.getpixel((w // 2, h // 2))
                self.assertLess(sum(centre), 3 * 110, "too light for white lettering")

    def test_scroll_arrows_are_crisp_mirrored_triangles(self):
        for up, down in ((477, 475), (470, 476)):
            a, b = Load(up), Load(down)
            w, h = a.size
            widths = []
            for y in range(h):
                row = [a.getpixel((x, y)) for x in range(w)]
                self.assertTrue(all(p == KEY or sum(p) < 150 for p in row), f"{up} row {y}")
                widths.append(sum(p != KEY for p in row))
                mirrored = [b.getpixel((x, h - 1 - y)) != KEY for x in range(w)]
                self.assertEqual([p != KEY for p in row], mirrored, f"{down} row {y}")
            self.assertEqual(widths, sorted(widths), f"{up} is not a triangle")
            self.assertEqual(widths[-1], w)


if __name__ == "__main__":
    unittest.main()
