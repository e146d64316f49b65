"""Pixel lettering for the quarter-VGA sign tiles.

At 1x a sign name or date range has six or seven pixels of height to live
in, where an outline face blurs: an i's dot runs into its stem ("Arles") and
digits turn grey. These letters are placed pixel by pixel instead: capitals
and digits six pixels high, lowercase four with ascenders to capital height,
two-pixel descenders, an i whose dot stands one clear row above its stem.
Dates are set in capitals ("MAR 21"), which need no descenders and so fit
two lines under a sign name.
Every glyph is a list of rows from the capital line down, '#' for ink; rows
below the baseline (row 5) are the descender.
"""

CAP_HEIGHT = 6
DESCENT = 2
SPACE = 2      # width of a word space, before the one-pixel letter gaps

GLYPHS = {
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#"],
    "B": ["###.", "#..#", "###.", "#..#", "#..#", "###."],
    "C": [".##", "#..", "#..", "#..", "#..", ".##"],
    "D": ["###.", "#..#", "#..#", "#..#", "#..#", "###."],
    "E": ["###", "#..", "##.", "#..", "#..", "###"],
    "F": ["###", "#..", "##.", "#..", "#..", "#.."],
    "G": [".###", "#...", "#...", "#.##", "#..#", ".###"],
    "J": ["..#", "..#", "..#", "..#", "#.#", ".#."],
    "L": ["#..", "#..", "#..", "#..", "#..", "###"],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#", "#..#"],
    "O": [".##.", "#..#", "#..#", "#..#", "#..#", ".##."],
    "P": ["###.", "#..#", "#..#", "###.", "#...", "#..."],
    "R": ["###.", "#..#", "#..#", "###.", "#.#.", "#..#"],
    "S": [".##", "#..", ".#.", "..#", "..#", "##."],
    "T": ["###", ".#.", ".#.", ".#.", ".#.", ".#."],
    "U": ["#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "V": ["#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#.."],
    "a": ["...", "...", ".##", "#.#", "#.#", ".##"],
    "b": ["#..", "#..", "##.", "#.#", "#.#", "##."],
    "c": ["...", "...", ".##", "#..", "#..", ".##"],
    "e": ["...", "...", ".#.", "###", "#..", ".##"],
    "g": ["...", "...", ".##", "#.#", "#.#", ".##", "..#", "##."],
    "i": ["#", ".", "#", "#", "#", "#"],
    "m": [".....", ".....", "####.", "#.#.#", "#.#.#", "#.#.#"],
    "n": ["...", "...", "##.", "#.#", "#.#", "#.#"],
    "o": ["...", "...", ".#.", "#.#", "#.#", ".#."],
    "p": ["...", "...", "##.", "#.#", "#.#", "##.", "#..", "#.."],
    "q": ["...", "...", ".##", "#.#", "#.#", ".##", "..#", "..#"],
    "r": ["..", "..", "##", "#.", "#.", "#."],
    "s": ["...", "...", ".##", "#..", "..#", "##."],
    "t": ["#.", "#.", "##", "#.", "#.", ".#"],
    "u": ["...", "...", "#.#", "#.#", "#.#", ".##"],
    "0": [".#.", "#.#", "#.#", "#.#", "#.#", ".#."],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "..#", "##."],
    "4": ["#.#", "#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "##.", "..#", "..#", "##."],
    "6": [".##", "#..", "##.", "#.#", "#.#", ".#."],
    "7": ["###", "..#", "..#", ".#.", ".#.", ".#."],
    "8": [".#.", "#.#", ".#.", "#.#", "#.#", ".#."],
    "9": [".#.", "#.#", "#.#", ".##", "..#", "##."],
    "\u2013": ["...", "...", "...", "###", "...", "..."],
}


def Width(text):
    """Pixel width of text, one clear column between letters."""
    widths = [SPACE if c == " " else len(GLYPHS[c][0]) for c in text]
    return sum(widths) + len(widths) - 1


def Pixels(text, left, top):
    """The ink pixels of text with its capital line at row top."""
    out = []
    x = left
    for c in text:
        if c == " ":
            x += SPACE + 1
            continue
        rows = GLYPHS[c]
        for dy, row in enumerate(rows):
            out.extend((x + dx, top + dy) for dx, ink in enumerate(row) if ink == "#")
        x += len(rows[0]) + 1
    return out


def Lettering(text, centre_x, top, fill):
    """text centred on centre_x (rounded to whole pixels), as SVG rectangles:
    one per horizontal run of ink."""
    left = int(round(centre_x - Width(text) / 2.0))
    runs = {}
    for x, y in sorted(Pixels(text, left, top), key=lambda p: (p[1], p[0])):
        row = runs.setdefault(y, [])
        if row and row[-1][1] == x:
            row[-1][1] = x + 1
        else:
            row.append([x, x + 1])
    return "".join(f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="1" fill="{fill}"/>'
                   for y, row in sorted(runs.items()) for x0, x1 in row)
