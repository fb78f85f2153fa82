"""Generates the mannequin, head and DP guide bitmaps.

  195 / 196  male / female body mannequin, 75 x 125
  193 / 194  male / female head, 25 x 25: the 40 x 40 hair square of the body,
             (19, 7) male, (20, 8) female, drawn again at 25 / 40 of the size
  183 / 188  DP guide of a top: body rows 29.. (female one column to the left)
  184 / 189  DP guide of a set outfit: male rows 36.., female rows 35..
  187 / 190  DP guide of bottoms: rows 46..
  201 / 202  DP guide of a total coordination: the top 83 rows of the body
  241 / 242  DP guide of hair: the top 83 rows (female one column to the left)
  185        a spare guide, the same picture as 201
  186        DP guide of socks: lower legs and feet of the female body, enlarged
  199        blank DP guide, all white

White is the transparent colour of all of them, so the figures never use pure white.
The guides repeat the bodies in light greys so that coloured paint stands out on them.

The figures are described as shapes (ellipses, tapered capsules, outlines given row by
row) in body pixel coordinates, where (x, y) is the centre of body pixel (x, y). Every
picture samples those shapes at the centres of its own pixels, which lets the same
figure be drawn at 1:1, shrunk for the heads and enlarged for the socks guide. A
1-pixel outline is then put around each figure and along the edges between skin, hair
and clothes, and the faces are placed by hand.

Run from anywhere: python3 make_mannequins.py
"""

import os

from bmp_writer import write_fewest_bits

BODY_WIDTH = 75
BODY_HEIGHT = 125
DP_WIDTH = 75
DP_HEIGHT = 83
HEAD_SIZE = 25
HAIR_SQUARE = 40

WHITE = (255, 255, 255)

# Colours of the mannequins by the key a pixel is drawn with.
COLOURS = {
    "skin": (242, 204, 172),
    "skin_shade": (226, 180, 148),
    "skin_line": (150, 98, 74),
    "male_hair": (104, 72, 48),
    "male_hair_light": (142, 102, 70),
    "male_hair_line": (58, 38, 26),
    "female_hair": (132, 74, 46),
    "female_hair_light": (176, 110, 70),
    "female_hair_line": (72, 38, 24),
    "cloth": (158, 160, 168),
    "cloth_shade": (136, 138, 146),
    "cloth_line": (86, 88, 96),
    "eye": (52, 40, 40),
    "eye_light": (250, 250, 250),
    "mouth": (196, 96, 92),
    "blush": (244, 172, 162),
}

# The same keys in the light greys of the DP guides.
GUIDE_COLOURS = {
    "skin": (236, 236, 236),
    "skin_shade": (222, 222, 222),
    "skin_line": (168, 168, 168),
    "male_hair": (214, 214, 214),
    "male_hair_light": (226, 226, 226),
    "male_hair_line": (160, 160, 160),
    "female_hair": (214, 214, 214),
    "female_hair_light": (226, 226, 226),
    "female_hair_line": (160, 160, 160),
    "cloth": (224, 224, 224),
    "cloth_shade": (214, 214, 214),
    "cloth_line": (168, 168, 168),
    "eye": (176, 176, 176),
    "eye_light": (236, 236, 236),
    "mouth": (196, 196, 196),
    "blush": (230, 230, 230),
}


# ---------------------------------------------------------------------------
# Shape helpers. u is the horizontal distance from the figure's axis.

def in_ellipse(u, y, cu, cy, rx, ry):
    return ((u - cu) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def in_capsule(u, y, u0, y0, r0, u1, y1, r1):
    """Inside a segment from (u0, y0) to (u1, y1) thickened by a radius that runs
    from r0 to r1."""
    du, dy = u1 - u0, y1 - y0
    t = ((u - u0) * du + (y - y0) * dy) / (du * du + dy * dy)
    t = max(0.0, min(1.0, t))
    pu, py = u0 + t * du, y0 + t * dy
    r = r0 + t * (r1 - r0)
    return (u - pu) ** 2 + (y - py) ** 2 <= r * r


def in_foot(a, y, top, bottom, inner, outer_top, outer_bottom, corner):
    """A foot seen from the front: its outer side spreads from the ankle down to the
    sole, its inner side is straight and both lower corners are rounded."""
    if y < top or y > bottom:
        return False
    spread = min(1.0, (y - top) / ((bottom - top) * 0.6))
    outer = outer_top + (outer_bottom - outer_top) * spread
    shrink = 0.0
    if y > bottom - corner:
        d = y - (bottom - corner)
        shrink = corner - (corner * corner - d * d) ** 0.5
    return inner + shrink <= a <= outer - shrink


def interpolate(table, y):
    """Piecewise linear value of a sorted [(y, value)] table; None outside it."""
    if y < table[0][0] or y > table[-1][0]:
        return None
    for (ya, va), (yb, vb) in zip(table, table[1:]):
        if ya <= y <= yb:
            return va + (vb - va) * (y - ya) / (yb - ya) if yb > ya else va
    return table[-1][1]


def in_profile(u, y, table):
    half = interpolate(table, y)
    return half is not None and abs(u) <= half


# ---------------------------------------------------------------------------
# The figures. Each returns the key of the region at body point (x, y), or None.

class Figure:
    def __init__(self, axis, hair_square, hair_key):
        self.axis = axis
        self.hair_square = hair_square
        self.hair_key = hair_key

    def region(self, x, y):
        raise NotImplementedError


class MaleFigure(Figure):
    TORSO = [(39.5, 3.6), (40.5, 8.0), (41.5, 11.0), (42.5, 12.8), (43.5, 13.7),
             (45.0, 14.2), (50.0, 13.6), (62.0, 11.4), (72.0, 10.6), (79.0, 10.9),
             (84.0, 10.6), (86.0, 7.0)]

    def __init__(self):
        super().__init__(axis=37, hair_square=(19, 7), hair_key="male_hair")

    def hair(self, u, y):
        if not in_ellipse(u, y, 0, 23.2, 10.9, 11.9):
            return False
        a = abs(u)
        if a >= 8.6:  # sideburns
            return y <= 27.5
        # A fringe of short tufts.
        fringe = [18.6, 18.6, 19.6, 19.6, 18.6, 19.6, 19.6, 18.6, 19.6]
        return y <= fringe[min(int(a + 0.5), len(fringe) - 1)]

    def region(self, x, y):
        u = x - self.axis
        if self.hair(u, y):
            return "male_hair"
        if in_ellipse(u, y, 0, 25.6, 9.7, 11.6):
            return "skin"
        if in_ellipse(abs(u), y, 9.6, 27.2, 1.9, 2.7):  # ears
            return "skin"
        if abs(u) <= 3.6 and 34 <= y <= 42:
            return "skin"
        a = abs(u)
        # Arms and hands.
        if in_capsule(a, y, 14.6, 47.0, 3.5, 20.2, 76.0, 2.8):
            return "skin"
        if in_ellipse(a, y, 21.0, 80.6, 3.0, 3.9):
            return "skin"
        torso = in_profile(u, y, self.TORSO)
        leg = (in_capsule(a, y, 5.6, 82.0, 5.0, 5.0, 115.0, 3.4)
               or in_foot(a, y, 115.0, 123.3, 1.6, 8.4, 10.4, 1.8))
        if torso or leg:
            if 74.5 <= y <= 90.5:
                return "cloth"
            return "skin"
        return None

    def details(self, x, y, key):
        """Shading that belongs to the shapes rather than to the face."""
        u = x - self.axis
        a = abs(u)
        if key == "cloth" and y in (75, 76) and a <= 11:
            return "cloth_shade"  # waistband
        if key == "skin" and y == 38 and a <= 3:
            return "skin_shade"  # under the chin
        if key == "cloth" and u == 0 and 86 <= y <= 89:
            return "cloth_line"  # seam between the legs
        if key == "skin" and u == 0 and y == 68:
            return "skin_shade"  # navel
        if key == "skin" and y == 55 and 3 <= a <= 8:
            return "skin_shade"  # chest
        if key == "skin" and y == 56 and a in (2, 9):
            return "skin_shade"
        return key


class FemaleFigure(Figure):
    TORSO = [(39.5, 3.2), (41.0, 6.5), (42.0, 8.8), (43.0, 10.2), (44.0, 11.0),
             (46.0, 11.3), (50.0, 10.8), (56.0, 9.6), (61.0, 8.4), (66.0, 8.2),
             (72.0, 9.8), (78.0, 11.5), (83.0, 11.6), (86.0, 9.6), (88.0, 5.0)]

    def __init__(self):
        super().__init__(axis=38, hair_square=(20, 8), hair_key="female_hair")

    def hair_front(self, u, y):
        a = abs(u)
        # Locks falling in front of the shoulders.
        if in_capsule(a, y, 10.0, 26.0, 2.1, 11.1, 44.4, 1.5):
            return True
        if not in_ellipse(u, y, 0, 24.8, 11.6, 12.3):
            return False
        # Curtain bangs parted in the middle.
        return y <= 18.6 + 0.45 * a or a >= 7.6

    def hair_back(self, u, y):
        if in_ellipse(u, y, 0, 24.8, 11.6, 12.3):
            return True
        return 24.8 <= y <= 42.5 and abs(u) <= 11.6 + max(0.0, y - 30.0) * 0.04

    def region(self, x, y):
        u = x - self.axis
        a = abs(u)
        if self.hair_front(u, y):
            return "female_hair"
        if in_ellipse(u, y, 0, 27.2, 9.2, 10.7):
            return "skin"
        if a <= 3.1 and 35 <= y <= 43:
            return "skin"
        if in_capsule(a, y, 12.0, 47.0, 2.9, 19.2, 76.5, 2.3):
            return "skin"
        if in_ellipse(a, y, 19.8, 80.4, 2.6, 3.5):
            return "skin"
        torso = in_profile(u, y, self.TORSO)
        leg = (in_capsule(a, y, 5.4, 84.0, 5.4, 4.3, 115.5, 3.0)
               or in_foot(a, y, 115.5, 123.3, 1.3, 7.3, 8.9, 1.6))
        if torso or leg:
            if 75.5 <= y <= 86.5:
                return "cloth"
            if 48.5 <= y <= 57.5 and torso:
                return "cloth"
            if 42.5 <= y <= 48.5 and 5.5 <= a <= 7.0 and torso:
                return "cloth"  # straps
            return "skin"
        if self.hair_back(u, y):
            return "female_hair"
        return None

    def details(self, x, y, key):
        u = x - self.axis
        a = abs(u)
        if key == "cloth" and y in (76, 77) and a <= 12:
            return "cloth_shade"  # waistband
        if key == "cloth" and 51 <= y <= 55 and u == 0:
            return "cloth_shade"
        if key == "cloth" and y == 56 and 1 <= a <= 6:
            return "cloth_shade"
        if key == "skin" and y == 39 and a <= 2:
            return "skin_shade"  # under the chin
        if key == "cloth" and u == 0 and 84 <= y <= 86:
            return "cloth_line"  # seam between the legs
        if key == "skin" and u == 0 and y == 67:
            return "skin_shade"
        return key


# ---------------------------------------------------------------------------
# Rasterising.

def line_key(key):
    if key.endswith("hair") or key.endswith("hair_light"):
        return key.split("_")[0] + "_hair_line"
    if key.startswith("cloth"):
        return "cloth_line"
    return "skin_line"


def outline(grid):
    """Puts a 1-pixel line around every figure and along region edges.

    An empty pixel next to the figure (4 neighbours) becomes the line of the most
    important region it touches: hair before clothes before skin. Inside, a hair or
    clothes pixel that touches skin becomes its own line, so the fringe, the locks
    and the hems are drawn on the hair or clothes side.
    """
    height, width = len(grid), len(grid[0])
    rank = {"skin": 0, "cloth": 1, "hair": 2}

    def kind(key):
        if key is None:
            return None
        if "hair" in key:
            return "hair"
        return "cloth" if key.startswith("cloth") else "skin"

    out = [row[:] for row in grid]
    for y in range(height):
        for x in range(width):
            key = grid[y][x]
            around = [grid[ny][nx] for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))
                      if 0 <= nx < width and 0 <= ny < height]
            if key is None:
                touched = [k for k in around if k is not None]
                if touched:
                    best = max(touched, key=lambda k: rank[kind(k)])
                    out[y][x] = line_key(best)
            elif kind(key) in ("hair", "cloth"):
                if any(k is not None and kind(k) == "skin" for k in around):
                    out[y][x] = line_key(key)
    return out


def sample(figure, width, height, to_body, keep=None):
    grid = []
    for py in range(height):
        row = []
        for px in range(width):
            bx, by = to_body(px, py)
            key = figure.region(bx, by)
            if key is not None and keep is not None and not keep(bx, by):
                key = None
            row.append(key)
        grid.append(row)
    return grid


def hair_light(grid, figure, to_body, centre, radii):
    """Lightens a band of the hair, the shine of the head's curve."""
    cy, rx, ry = centre, radii[0], radii[1]
    hair = figure.hair_key
    for py, row in enumerate(grid):
        for px, key in enumerate(row):
            if key != hair:
                continue
            bx, by = to_body(px, py)
            u = bx - figure.axis
            d = (u / rx) ** 2 + ((by - cy) / ry) ** 2
            if 0.50 <= d <= 0.68 and by < cy - 5.5 and abs(u) >= 2.5:
                row[px] = hair + "_light"


def apply_details(grid, figure):
    for y, row in enumerate(grid):
        for x, key in enumerate(row):
            if key in ("skin", "cloth"):
                row[x] = figure.details(x, y, key)


def put(grid, axis, pixels, mirror=True):
    """Places hand-drawn pixels given as (u, y, key) around the axis column."""
    for u, y, key in pixels:
        for uu in ({u, -u} if mirror else {u}):
            grid[y][axis + uu] = key


# Faces at 1:1, as (distance from the axis, row, key), mirrored.
MALE_FACE = [
    (3, 23, "male_hair_line"), (4, 23, "male_hair_line"), (5, 23, "male_hair_line"),
    (4, 26, "eye"), (4, 27, "eye"), (4, 28, "eye"),
    (0, 30, "skin_shade"),
    (2, 32, "mouth"), (1, 33, "mouth"), (0, 33, "mouth"),
    (6, 31, "blush"),
    (9, 27, "skin_shade"),
]

FEMALE_FACE = [
    (3, 25, "female_hair_line"), (4, 25, "female_hair_line"),
    (3, 28, "eye"), (4, 28, "eye"), (3, 29, "eye"), (4, 29, "eye"), (3, 30, "eye"),
    (4, 30, "eye"), (5, 28, "eye"),
    (0, 31, "skin_shade"),
    (2, 33, "mouth"), (1, 34, "mouth"), (0, 34, "mouth"),
    (6, 32, "blush"), (7, 32, "blush"),
]

# Faces on the 25 x 25 heads, in head pixels from the axis column 11.
MALE_HEAD_FACE = [
    (2, 10, "male_hair_line"), (3, 10, "male_hair_line"),
    (3, 12, "eye"), (3, 13, "eye"),
    (1, 16, "mouth"), (0, 16, "mouth"),
    (4, 15, "blush"),
]

FEMALE_HEAD_FACE = [
    (2, 11, "female_hair_line"), (3, 11, "female_hair_line"),
    (2, 13, "eye"), (3, 13, "eye"), (2, 14, "eye"), (3, 14, "eye"), (4, 13, "eye"),
    (1, 16, "mouth"), (0, 16, "mouth"),
    (4, 16, "blush"),
]


def draw_body(figure, face):
    to_body = lambda px, py: (px, py)
    grid = sample(figure, BODY_WIDTH, BODY_HEIGHT, to_body)
    hair_light(grid, figure, to_body, 24.0, (11.0, 12.0))
    apply_details(grid, figure)
    grid = outline(grid)
    put(grid, figure.axis, face)
    return grid


def draw_head(figure, face):
    """The 40 x 40 hair square of the body at 25 / 40 of the size, the axis column
    of the body falling on head column 11."""
    scale = HAIR_SQUARE / HEAD_SIZE
    top = figure.hair_square[1]
    axis = 11
    to_body = lambda px, py: (figure.axis + (px - axis) * scale, top - 0.5 + (py + 0.5) * scale)
    grid = sample(figure, HEAD_SIZE, HEAD_SIZE, to_body)
    hair_light(grid, figure, to_body, 24.0, (11.0, 12.0))
    grid = outline(grid)
    # The square's lower edge cuts through the shoulders: no line along the cut.
    for x in range(HEAD_SIZE):
        if grid[HEAD_SIZE - 1][x] is not None and "line" in grid[HEAD_SIZE - 1][x]:
            if grid[HEAD_SIZE - 2][x] is not None and "line" not in grid[HEAD_SIZE - 2][x]:
                grid[HEAD_SIZE - 1][x] = grid[HEAD_SIZE - 2][x]
    put(grid, axis, face)
    return grid


def draw_socks_guide(figure):
    """Legs and feet below the shorts, twice the size, feet at the bottom of the frame;
    the legs run on past the top edge."""
    scale = 2.0
    top_row = 83.5      # body row at the top edge of the frame
    axis_column = 37    # the figure's axis in the frame

    def to_body(px, py):
        return (figure.axis + (px - axis_column) / scale, top_row + (py + 0.5) / scale - 0.5)

    grid = sample(figure, DP_WIDTH, DP_HEIGHT, to_body,
                  keep=lambda bx, by: abs(bx - figure.axis) < 13)
    grid = [["skin" if key is not None and key.startswith("cloth") else key for key in row]
            for row in grid]
    return outline(grid)


def window(grid, dx, dy):
    """The DP frame showing body pixel (x - dx, y - dy) at (x, y)."""
    height, width = len(grid), len(grid[0])
    out = []
    for y in range(DP_HEIGHT):
        row = []
        for x in range(DP_WIDTH):
            bx, by = x - dx, y - dy
            row.append(grid[by][bx] if 0 <= bx < width and 0 <= by < height else None)
        out.append(row)
    return out


def to_rgb(grid, colours):
    return [[WHITE if key is None else colours[key] for key in row] for row in grid]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    res = os.path.join(here, "..")

    def save(resource_id, grid, colours):
        write_fewest_bits(os.path.join(res, f"{resource_id}.bmp"), to_rgb(grid, colours))

    male, female = MaleFigure(), FemaleFigure()
    male_body = draw_body(male, MALE_FACE)
    female_body = draw_body(female, FEMALE_FACE)
    save(195, male_body, COLOURS)
    save(196, female_body, COLOURS)
    save(193, draw_head(male, MALE_HEAD_FACE), COLOURS)
    save(194, draw_head(female, FEMALE_HEAD_FACE), COLOURS)

    guides = {
        183: (male_body, 0, -29), 188: (female_body, -1, -29),
        184: (male_body, 0, -36), 189: (female_body, -1, -35),
        187: (male_body, 0, -46), 190: (female_body, -1, -46),
        201: (male_body, 0, 0), 202: (female_body, 0, 0),
        241: (male_body, 0, 0), 242: (female_body, -1, 0),
        185: (male_body, 0, 0),
    }
    for resource_id, (body, dx, dy) in guides.items():
        save(resource_id, window(body, dx, dy), GUIDE_COLOURS)
    save(186, draw_socks_guide(female), GUIDE_COLOURS)
    save(199, [[None] * DP_WIDTH for _ in range(DP_HEIGHT)], GUIDE_COLOURS)


if __name__ == "__main__":
    main()
