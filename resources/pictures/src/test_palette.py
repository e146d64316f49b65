#!/usr/bin/python3
"""Checks that every picture is kept with a palette, and the palette step.

- Every rendered picture has at most 256 colours, so it is stored indexed
  (a picture rendered without the step would double its bytes unnoticed).
- The main menu's title band is exactly the background's rows it covers.
- The step keeps a picture of 256 colours or fewer exactly, keeps the key
  colour to the key pixels alone, and maps a colour the same way in every
  picture that shares a palette.

Run from resources/pictures/src:
    /usr/bin/python3 -m unittest test_palette
"""
import glob
import importlib.util
import os
import unittest

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = os.path.normpath(os.path.join(HERE, ".."))
RENDER = os.path.join(HERE, "..", "..", "..", "tools", "pictures", "render.py")

found = importlib.util.spec_from_file_location("render", RENDER)
render = importlib.util.module_from_spec(found)
found.loader.exec_module(render)

KEY = (255, 0, 255)


def Gradient(width, height):
    """More than 256 colours: every pixel its own."""
    image = Image.new("RGB", (width, height))
    image.putdata([(x * 7 % 256, y * 11 % 256, (x + y) % 256)
                   for y in range(height) for x in range(width)])
    return image


def Pixels(image):
    return list(image.convert("RGB").getdata())


class CatalogueTest(unittest.TestCase):
    def test_every_picture_has_at_most_256_colours(self):
        for path in glob.glob(os.path.join(PICTURES, "*.png")):
            with self.subTest(picture=os.path.basename(path)):
                self.assertIsNotNone(Image.open(path).convert("RGB").getcolors(256))

    def test_title_band_is_the_backgrounds_rows(self):
        band = Image.open(os.path.join(PICTURES, "329.png")).convert("RGB")
        background = Image.open(os.path.join(PICTURES, "331.png")).convert("RGB")
        self.assertEqual(Pixels(band), Pixels(background.crop((0, 144, 480, 252))))


class PaletteTest(unittest.TestCase):
    def test_few_colours_stay_exact(self):
        image = Gradient(16, 16)  # 256 colours
        self.assertEqual(Pixels(render.Paletted(image, None)), Pixels(image))

    def test_many_colours_come_down_to_256_and_the_key_stays_alone(self):
        image = Gradient(40, 40)
        image.paste(KEY, (0, 0, 10, 40))
        image.putpixel((20, 20), render.Nudged(KEY))  # an opaque pixel next to the key
        pixels = Pixels(render.Paletted(image, KEY))
        self.assertLessEqual(len(set(pixels)), 256)
        for original, kept in zip(Pixels(image), pixels):
            self.assertEqual(original == KEY, kept == KEY)

    def test_shared_colours_map_alike(self):
        whole = Gradient(40, 40)
        part = whole.crop((5, 10, 35, 30))
        shared = [colour for _count, colour in render.Paletted(whole, None).convert("RGB").getcolors(256)]
        kept_whole = render.Paletted(whole, None, shared).convert("RGB")
        self.assertEqual(Pixels(render.Paletted(part, None, shared)), Pixels(kept_whole.crop((5, 10, 35, 30))))


if __name__ == "__main__":
    unittest.main()
