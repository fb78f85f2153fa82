"""Generates the window icon: a T-shirt with a pencil drawing on it, at four sizes.

The editor draws the pictures of one piece of clothing, so the icon shows one: a blue
T-shirt with a white collar, cuffs and hem, and a yellow pencil lying across its lower
right, its point just below the hem. Every size is 24 bits per pixel on the bar colour, the
colour the icon is shown on, with a dark outline and a few flat colours.

  id   size       picture
  300  16 x 16    drawn by hand
  301  32 x 32    drawn by hand, the same design in more detail
  302  48 x 48    the 16 x 16 picture, each pixel made 3 x 3
  303  256 x 256  the 32 x 32 picture, each pixel made 8 x 8

The pictures are pixel grids, one string a row, one letter a pixel (see LEGEND). The
large sizes repeat pixels and never blend them, so every size keeps hard edges.

Run from anywhere: python3 make_window_icon.py
"""

import os

from bmp_writer import write_fewest_bits

BAR = (237, 237, 216)

LEGEND = {
    ".": BAR,
    "k": (44, 36, 52),  # outline
    "b": (66, 133, 222),  # shirt
    "l": (140, 190, 250),  # shirt, lit side
    "d": (40, 90, 175),  # shirt, shaded side
    "t": (248, 248, 240),  # collar, cuffs and hem
    "h": (255, 240, 150),  # pencil, lit side
    "y": (255, 204, 40),  # pencil
    "Y": (222, 140, 20),  # pencil, shaded side
    "w": (244, 206, 150),  # bare wood of the point
    "W": (206, 158, 104),  # bare wood, shaded side
    "g": (70, 66, 80),  # lead
    "m": (216, 216, 226),  # metal band
    "M": (150, 150, 165),  # metal band, shaded side
    "p": (244, 130, 150),  # eraser
    "P": (200, 90, 115),  # eraser, shaded side
}

ICON_16 = [
    "................",
    "..kkk...kkk.....",
    ".klltkkktbdk....",
    "klbbtttttbbdk...",
    "klbbbbbbbbbdk...",
    "ktkbbbbbbbktk...",
    "kkklbbbbbdkkk...",
    "..klbbbbbdk...kk",
    "..klbbbbbdk.kppk",
    "..klbbbbbdkkppPk",
    "..klbbbbbkkmmMk.",
    "..ktttttkhyyYk..",
    "..kkkkkkhyyYk...",
    ".......kwwWk....",
    "......kgWkk.....",
    "......kkk.......",
]

ICON_32 = [
    "................................",
    "................................",
    ".......kkkk......kkkk...........",
    "....kkkllltk....ktbbbkkk........",
    "...klllbbbbtkkkktbbbbbbdk.......",
    "..klbbbbbbbttttttbbbbbbbdk......",
    "..klbbbbbbbbbbbbbbbbbbbbdk......",
    "..klbbbbbbbbbbbbbbbbbbbbdk......",
    "..klbbbbbbbbbbbbbbbbbbbbdk......",
    "..klbbbbbbbbbbbbbbbbbbbbdk......",
    "..ktttkbbbbbbbbbbbbbbktttk......",
    "..ktttkbbbbbbbbbbbbbbktttk..kk..",
    "..kkkklbbbbbbbbbbbbbbdkkkk.kppk.",
    "......klbbbbbbbbbbbbdk....kpppPk",
    "......klbbbbbbbbbbbbdk...kppppPk",
    "......klbbbbbbbbbbbbdk..kmpppPPk",
    "......klbbbbbbbbbbbbdk.kmmmpPPk.",
    "......klbbbbbbbbbbbbdkkhymmMPk..",
    "......klbbbbbbbbbbbbdkhyyyMMk...",
    "......klbbbbbbbbbbbbkhyyyYYk....",
    "......klbbbbbbbbbbbkhyyyYYk.....",
    "......klbbbbbbbbbbkhyyyYYk......",
    "......klbbbbbbbbbkhyyyYYk.......",
    "......klbbbbbbbbkhyyyYYk........",
    "......kttttttttkhyyyYYk.........",
    "......ktttttttkhyyyYYk..........",
    "......kkkkkkkkwwyyYYk...........",
    ".............kwwwYYk............",
    ".............kwwWWk.............",
    "............kggWkk..............",
    "............kgkk................",
    ".............k..................",
]

# id, picture, how many times each pixel is repeated across and down
ICONS = [
    (300, ICON_16, 1),
    (301, ICON_32, 1),
    (302, ICON_16, 3),
    (303, ICON_32, 8),
]


def check(grid):
    """A picture must be square and use only letters of the legend."""
    for y, row in enumerate(grid):
        if len(row) != len(grid):
            raise ValueError(f"row {y} is {len(row)} pixels wide, not {len(grid)}")
        unknown = set(row) - set(LEGEND)
        if unknown:
            raise ValueError(f"row {y} uses letters not in the legend: {sorted(unknown)}")


def render(grid, scale):
    """Rows of colours, each pixel of the grid repeated scale times across and down."""
    rows = []
    for line in grid:
        row = [LEGEND[key] for key in line for _ in range(scale)]
        rows.extend(list(row) for _ in range(scale))
    return rows


def main():
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    for bitmap_id, grid, scale in ICONS:
        check(grid)
        write_fewest_bits(os.path.join(out_dir, f"{bitmap_id}.bmp"), render(grid, scale))
    print(f"{len(ICONS)} window icons written")


if __name__ == "__main__":
    main()
