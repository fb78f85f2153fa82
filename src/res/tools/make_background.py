"""Generates 198.bmp: the checkerboard drawn behind every picture.

75 x 125 pixels of 8 x 8 squares, white and light grey, white at the top-left.
Run from anywhere: python3 make_background.py
"""

import os

from bmp_writer import write_fewest_bits

WIDTH = 75
HEIGHT = 125
SQUARE = 8
WHITE = (255, 255, 255)
LIGHT_GREY = (204, 204, 204)


def main():
    rows = [[WHITE if (x // SQUARE + y // SQUARE) % 2 == 0 else LIGHT_GREY
             for x in range(WIDTH)]
            for y in range(HEIGHT)]
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "198.bmp")
    write_fewest_bits(out, rows)


if __name__ == "__main__":
    main()
