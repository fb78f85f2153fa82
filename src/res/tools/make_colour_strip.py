"""Generates 137.bmp: the colour strip the colour picker is drawn from.

201 x 17 pixels, 8 bits per pixel:
  - column 0 is grey, column 1, column 200, row 0 and row 16 are a near-black frame;
  - columns 2 to 191 run through the hues red, yellow, green, cyan, blue, magenta and
    back to red, each column going from a pale tint in row 1 through the pure hue in
    row 8 to a dark shade in row 15;
  - columns 192 to 199 are white in rows 1 to 7 and near-black in rows 8 to 15.

A 256-colour palette cannot hold every hue of every row, so each row gets its own
number of evenly spaced hues and every column takes the nearest of them. Rows close
to the pure hue spread their colours widest and get the most hues; the pale and dark
rows, whose colours lie close together, get fewer. No dithering: each pixel of the
strip is a colour the user can pick, so neighbouring pixels should agree.

Run from anywhere: python3 make_colour_strip.py
"""

import colorsys
import os

from bmp_writer import write_indexed8

WIDTH = 201
HEIGHT = 17
GREY = (134, 134, 134)
NEAR_BLACK = (4, 4, 4)
WHITE = (255, 255, 255)

FIRST_HUE_COLUMN = 2
LAST_HUE_COLUMN = 191
FIRST_PLAIN_COLUMN = 192  # white above the pure-hue row, near-black from it down
LAST_PLAIN_COLUMN = 199
FIRST_INNER_ROW = 1
PURE_ROW = 8
LAST_INNER_ROW = 15
# Row 1 is 7/8 of the way to white, row 15 7/8 of the way to black.
RAMP_STEPS = 8
PALETTE_SIZE = 256
FIXED_COLOURS = (GREY, NEAR_BLACK, WHITE)
# Even the palest row shows red, yellow, green, cyan, blue and magenta.
MIN_HUES_PER_ROW = 6


def chroma_fraction(row):
    """How far a row's colours spread compared with the pure-hue row."""
    return 1 - abs(row - PURE_ROW) / RAMP_STEPS


def hues_per_row():
    """Shares the free palette entries out so the largest colour step of any row is smallest."""
    rows = range(FIRST_INNER_ROW, LAST_INNER_ROW + 1)
    budget = PALETTE_SIZE - len(FIXED_COLOURS)
    counts = {row: MIN_HUES_PER_ROW for row in rows}
    while sum(counts.values()) < budget:
        coarsest = max(rows, key=lambda row: chroma_fraction(row) / counts[row])
        counts[coarsest] += 1
    return counts


def shade(hue_fraction, row):
    red, green, blue = colorsys.hsv_to_rgb(hue_fraction, 1.0, 1.0)
    pure = (red * 255, green * 255, blue * 255)
    if row < PURE_ROW:
        towards_white = (PURE_ROW - row) / RAMP_STEPS
        mixed = [c + (255 - c) * towards_white for c in pure]
    else:
        towards_black = (row - PURE_ROW) / RAMP_STEPS
        mixed = [c * (1 - towards_black) for c in pure]
    return tuple(int(round(c)) for c in mixed)


def hue_colour(column, row, counts):
    # The first and the last hue column are both red, closing the circle.
    hue = (column - FIRST_HUE_COLUMN) / (LAST_HUE_COLUMN - FIRST_HUE_COLUMN)
    steps = counts[row]
    step = round(hue * steps) % steps
    return shade(step / steps, row)


def pixel_colour(column, row, counts):
    if column == 0:
        return GREY
    if column in (1, WIDTH - 1) or row in (0, HEIGHT - 1):
        return NEAR_BLACK
    if FIRST_PLAIN_COLUMN <= column <= LAST_PLAIN_COLUMN:
        return WHITE if row < PURE_ROW else NEAR_BLACK
    return hue_colour(column, row, counts)


def main():
    counts = hues_per_row()
    palette = list(FIXED_COLOURS)
    index_of = {colour: index for index, colour in enumerate(palette)}
    rows = []
    for row in range(HEIGHT):
        indices = []
        for column in range(WIDTH):
            colour = pixel_colour(column, row, counts)
            if colour not in index_of:
                index_of[colour] = len(palette)
                palette.append(colour)
            indices.append(index_of[colour])
        rows.append(indices)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "137.bmp")
    write_indexed8(out, palette, rows)
    print(f"137.bmp: {len(palette)} palette entries used; hues per row {counts}")


if __name__ == "__main__":
    main()
