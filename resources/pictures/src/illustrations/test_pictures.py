#!/usr/bin/python3
"""Checks the rendered rating symbols against the rows the program draws.

Ten symbols of a kind stand 18 units apart from x 55, so a symbol's clear
columns on its left and right are the gap to its neighbours, and the tenth
one's right clear columns its margin on a 240-wide page.

Run after tools/pictures/render.py, from resources/pictures/src:
    /usr/bin/python3 -m unittest illustrations.test_pictures
"""
import os
import unittest

from PIL import Image

PICTURES = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
WHITE = (255, 255, 255)

# Kind -> empty and full symbols at 1x, the same at double size, and the
# fewest clear units between two neighbours.
RATINGS = {
    "hand": ((375, 376), (369, 370), 2),
    "heart": ((373, 374), (367, 368), 2),
    "smiley": ((371, 372), (364, 365), 2),
    "coins": ((400, 402), (401, 391), 2),
    # Full clovers closer than this read as one hedge at 1x.
    "clover": ((394, 396), (395, 397), 4),
}


def ClearColumns(pid):
    """Plain white columns at the left and at the right of a picture."""
    image = Image.open(os.path.join(PICTURES, f"{pid}.png")).convert("RGB")
    pixels = image.load()
    width, height = image.size
    drawn = [x for x in range(width) if any(pixels[x, y] != WHITE for y in range(height))]
    return drawn[0], width - 1 - drawn[-1]


class RatingSymbolTest(unittest.TestCase):
    def test_neighbours_in_a_row_stay_apart(self):
        for kind, (small, double, gap) in RATINGS.items():
            for scale, pids in ((1, small), (2, double)):
                for pid in pids:
                    with self.subTest(kind=kind, pid=pid):
                        left, right = ClearColumns(pid)
                        self.assertGreaterEqual(left + right, gap * scale)
                        self.assertGreaterEqual(min(left, right), scale)

    def test_the_tenth_heart_keeps_off_the_page_edge(self):
        for pid, scale in ((373, 1), (374, 1), (367, 2), (368, 2)):
            with self.subTest(pid=pid):
                self.assertGreaterEqual(ClearColumns(pid)[1], 2 * scale)


if __name__ == "__main__":
    unittest.main()
