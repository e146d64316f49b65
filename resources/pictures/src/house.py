"""The house palette every picture family draws with (imported by the
families' make.py generators)."""

NIGHT = "#141A3C"        # night navy: skies, dark grounds
NIGHT_LIGHT = "#243068"  # the lighter navy of gradients
GOLD = "#F2C14E"         # stars, highlights, accents
GOLD_LIGHT = "#FFE08A"
CREAM = "#FFF6DE"
INK = "#1B1E36"          # outlines
TITLE_RED = "#8E0404"    # the program's own title colour
WHITE = "#FFFFFF"
# Element accents.
FIRE = "#E0552B"
EARTH = "#5E8C31"
AIR = "#3B8FD8"
WATER = "#2A5BAF"
