"""Generates the tool palette's button faces, one BMP for each button when up and pressed.

Every face is 24 bits per pixel and drawn on the bar colour. An up face is a raised
button: light top and left edges, dark bottom and right edges. A pressed face is the
same button sunken: the edges swapped, a slightly darker fill and the picture moved one
pixel right and down. The pressed face is the one a selected tool or option shows.

  up / pressed  size     picture
  Tools, with a two-pixel edge:
  141 / 208     30 x 30  rectangle: a grey rectangle with a darker outline
  142 / 209     30 x 30  ellipse: a grey ellipse with a darker outline
  140 / 207     30 x 30  line: a diagonal black line
  145 / 212     30 x 30  flood fill: a paint bucket pouring
  139 / 230     30 x 30  pencil
  146 / 228     30 x 30  colour picker: an eyedropper
  143 / 210     30 x 30  airbrush: a spray can and a few dots
  144 / 211     30 x 30  eraser: an eraser block
  147 / 233     30 x 30  selection: a dotted rectangle
  138 / 205     30 x 30  magnifier: a magnifying glass
  Options, with a one-pixel edge:
  152 / 234, 153 / 213, 154 / 214, 155 / 215
                48 x 12  line widths: a line 1, 3, 5 and 7 pixels thick
  158 / 218     48 x 17  fill style: an outlined empty rectangle
  159 / 229     48 x 17  fill style: an outlined rectangle filled grey
  160 / 219     48 x 17  fill style: a grey rectangle without outline
  161 / 220     24 x 25  spray size: a small cluster of dots
  162 / 221     24 x 25  spray size: a larger cluster
  163 / 235     48 x 25  spray size: the largest cluster
  172 / 231, 173 / 223, 174 / 224, 175 / 232
                48 x 12  zoom: "2x", "4x", "6x" and "10x", each followed by a black square
                         growing with the zoom (2, 4, 6 and 8 pixels)
  177 / 222, 178 / 225, 179 / 226, 180 / 227
                48 x 12  eraser size: black squares of 2, 4, 6 and 8 pixels; 10 would
                         touch the edges of a 12-pixel button
  156 / 216     48 x 25  selection, transparent: a dotted box through which a red heart shows
  157 / 217     48 x 25  selection, opaque: the dotted box filled white, hiding the heart

Pictures are drawn as hard pixels in face coordinates of the up face; the pressed face
draws them one pixel further right and down. Drawing outside the edges is an error.

Run from anywhere: python3 make_palette_faces.py
"""

import math
import os

from bmp_writer import write_fewest_bits

BAR = (237, 237, 214)
PRESSED_FILL = (222, 222, 196)
EDGE_LIGHT = (255, 255, 255)
EDGE_DARK = (96, 96, 80)
EDGE_SHADOW = (174, 174, 150)  # the inner dark edge of a two-pixel edge
EDGE_SOFT_LIGHT = (247, 247, 236)  # the inner light edge of a two-pixel edge

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
OUTLINE = (40, 40, 40)
DARK_GREY = (96, 96, 96)
GREY = (168, 168, 168)

TOOL_SIZE = (30, 30)
TOOL_EDGE = 2
OPTION_EDGE = 1


class Face:
    """One button face: the fill, the picture and the edges."""

    def __init__(self, width, height, edge, pressed):
        self.width = width
        self.height = height
        self.edge = edge
        self.pressed = pressed
        self.fill = PRESSED_FILL if pressed else BAR
        self.rows = [[self.fill] * width for _ in range(height)]

    def stamp(self, picture):
        shift = 1 if self.pressed else 0
        for (x, y), colour in picture.pixels.items():
            px, py = x + shift, y + shift
            inside = (self.edge <= px < self.width - self.edge and
                      self.edge <= py < self.height - self.edge)
            if not inside:
                raise ValueError(f"picture pixel ({x}, {y}) runs into the edge")
            self.rows[py][px] = colour

    def draw_edges(self):
        top_left, bottom_right = EDGE_LIGHT, EDGE_DARK
        inner_top_left, inner_bottom_right = EDGE_SOFT_LIGHT, EDGE_SHADOW
        if self.pressed:
            top_left, bottom_right = EDGE_DARK, EDGE_LIGHT
            inner_top_left, inner_bottom_right = EDGE_SHADOW, EDGE_SOFT_LIGHT
        rings = [(top_left, bottom_right), (inner_top_left, inner_bottom_right)]
        for ring in range(self.edge):
            light, dark = rings[ring]
            left, top = ring, ring
            right, bottom = self.width - 1 - ring, self.height - 1 - ring
            for x in range(left, right + 1):
                self.rows[top][x] = light
                self.rows[bottom][x] = dark
            for y in range(top, bottom + 1):
                self.rows[y][left] = light
                self.rows[y][right] = dark
            # The corners where light meets dark go to the dark edge.
            self.rows[top][right] = dark
            self.rows[bottom][left] = dark


class Picture:
    """Pixels of a button's picture, by (x, y); later drawing covers earlier."""

    def __init__(self):
        self.pixels = {}

    def put(self, x, y, colour):
        self.pixels[(x, y)] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def dotted_frame(self, x0, y0, x1, y1, colour, dash=2):
        """A frame drawn in dashes that run on round the corners."""
        path = ([(x, y0) for x in range(x0, x1)] + [(x1, y) for y in range(y0, y1)] +
                [(x, y1) for x in range(x1, x0, -1)] + [(x0, y) for y in range(y1, y0, -1)])
        for step, (x, y) in enumerate(path):
            if step // dash % 2 == 0:
                self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        error = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            double = 2 * error
            if double >= dy:
                error += dy
                x0 += sx
            if double <= dx:
                error += dx
                y0 += sy

    def sample(self, x0, y0, x1, y1, colour_at):
        """Colours each pixel of a box by colour_at(centre x, centre y), None leaving it."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                colour = colour_at(x + 0.5, y + 0.5)
                if colour is not None:
                    self.put(x, y, colour)

    def sprite(self, x0, y0, rows, legend):
        for dy, row in enumerate(rows):
            for dx, key in enumerate(row):
                if key != ".":
                    self.put(x0 + dx, y0 + dy, legend[key])

    def outline(self, colour, diagonal=False):
        """Puts colour on every empty pixel next to the picture."""
        steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        if diagonal:
            steps += [(1, 1), (1, -1), (-1, 1), (-1, -1)]
        around = set()
        for (x, y) in self.pixels:
            for (dx, dy) in steps:
                if (x + dx, y + dy) not in self.pixels:
                    around.add((x + dx, y + dy))
        for (x, y) in around:
            self.put(x, y, colour)

    def merge(self, other):
        self.pixels.update(other.pixels)


def along_and_across(x, y, origin, angle_degrees):
    """Coordinates of a point along a direction from origin and across it (to its right)."""
    angle = math.radians(angle_degrees)
    ax, ay = math.cos(angle), -math.sin(angle)  # screen y runs down
    dx, dy = x - origin[0], y - origin[1]
    return dx * ax + dy * ay, -dx * ay + dy * ax


# --- Tools -------------------------------------------------------------------------------

def draw_rectangle_tool(pic):
    pic.rect(6, 8, 23, 21, GREY)
    pic.frame(6, 8, 23, 21, DARK_GREY)


def draw_ellipse_tool(pic):
    cx, cy, rx, ry = 15.0, 15.0, 10.0, 7.5

    def inside(x, y):
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0

    body = Picture()
    body.sample(4, 6, 25, 24, lambda x, y: GREY if inside(x, y) else None)
    for (x, y) in list(body.pixels):
        if any((x + dx, y + dy) not in body.pixels
               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            body.put(x, y, DARK_GREY)
    pic.merge(body)


def draw_line_tool(pic):
    pic.line(5, 24, 24, 5, BLACK)


def draw_pencil_tool(pic):
    tip = (5.0, 25.0)
    length = 27.0
    half = 3.0
    cone = 7.5
    lead_end = 2.8
    lead = (50, 50, 60)

    def width_at(u):
        width = 0.9 + (half - 0.9) * min(u / cone, 1.0)
        end = length - half  # the rubber ends in a half circle
        if u > end:
            width = min(width, math.sqrt(max(half * half - (u - end) ** 2, 0.0)))
        return width

    def colour_at(x, y):
        u, v = along_and_across(x, y, tip, 45)
        if u < lead_end or u > length or abs(v) > width_at(u):
            return None
        if u < cone:
            return (238, 200, 150) if v > -0.8 else (205, 160, 110)  # bare wood
        if u < length - 6.5:
            if v > 1.0:
                return (255, 232, 110)
            if v >= -1.0:
                return (246, 196, 30)
            return (206, 150, 16)
        if u < length - 4.3:
            return (210, 210, 218) if v > -0.5 else (140, 140, 150)  # the metal band
        return (245, 150, 160) if v > -0.8 else (215, 110, 125)  # the rubber

    def lead_at(x, y):
        u, v = along_and_across(x, y, tip, 45)
        return lead if -0.6 <= u < lead_end + 0.6 and abs(v) <= width_at(u) + 0.3 else None

    body = Picture()
    body.sample(3, 3, 26, 26, colour_at)
    body.outline((70, 50, 30))
    body.sample(3, 20, 10, 26, lead_at)
    pic.merge(body)


def draw_colour_picker_tool(pic):
    tip = (9.0, 20.0)
    length = 20.0
    bulb_half = 3.6
    bulb_end = length - bulb_half

    def colour_at(x, y):
        u, v = along_and_across(x, y, tip, 45)
        if u < 0 or u > length:
            return None
        if u < 9.5:  # the glass tube, narrowing to the tip, paint in its lower part
            width = 1.2 if u < 2.5 else 1.8
            if abs(v) > width:
                return None
            if u < 5.5:
                return (40, 110, 220)
            return (205, 232, 250) if v > -0.5 else (160, 200, 230)
        if u < 11.5:  # the collar
            return (150, 150, 160) if abs(v) <= 3.0 else None
        width = bulb_half  # the rubber bulb, its end a half circle
        if u > bulb_end:
            width = math.sqrt(max(bulb_half ** 2 - (u - bulb_end) ** 2, 0.0))
        if abs(v) > width:
            return None
        if v > 1.2 and u < length - 2.5:
            return (120, 120, 130)
        return (60, 60, 70)

    body = Picture()
    body.sample(3, 3, 26, 26, colour_at)
    body.outline((30, 30, 40))
    pic.merge(body)
    # A drop falling from the tip.
    pic.sprite(4, 21, ["..o..", ".obo.", "obBbo", "obbbo", ".ooo."],
               {"o": (20, 60, 150), "b": (40, 110, 220), "B": (140, 190, 250)})


def draw_flood_fill_tool(pic):
    paint = (30, 100, 220)
    paint_light = (100, 165, 250)
    paint_dark = (20, 60, 150)
    rim = (235, 235, 242)
    body_light = (210, 210, 222)
    body_mid = (170, 170, 186)
    body_dark = (125, 125, 142)
    # The bucket leans over to the left, its mouth up and to the left, paint running
    # over the left of its rim. Drawn upright in its own coordinates: across to the
    # right, up from the middle of its bottom.
    bottom = (19.5, 20.5)
    lean = math.radians(35)
    up = (-math.sin(lean), -math.cos(lean))
    right = (math.cos(lean), -math.sin(lean))
    height = 11.0
    mouth_half, mouth_depth = 7.0, 2.8

    def bucket_at(x, y):
        dx, dy = x - bottom[0], y - bottom[1]
        across = dx * right[0] + dy * right[1]
        upward = dx * up[0] + dy * up[1]
        mouth = (across / mouth_half) ** 2 + ((upward - height) / mouth_depth) ** 2
        if mouth <= 0.45:
            return paint_light if across < -2.5 and upward > height else paint
        if mouth <= 1.0:
            return rim if upward > height else body_light
        half = 5.0 + 2.0 * upward / height
        rounded = (across / 5.0) ** 2 + (upward / 1.6) ** 2 <= 1.0
        if (0 <= upward <= height and abs(across) <= half) or rounded:
            if across < -half + 2.2:
                return body_light
            if across > half - 2.2:
                return body_dark
            return body_mid
        return None

    bucket = Picture()
    bucket.sample(3, 3, 26, 26, bucket_at)
    bucket.outline((60, 60, 72))
    pic.merge(bucket)
    # Paint running over the left of the rim and down, and a drop falling from it.
    stream = Picture()
    stream.sprite(4, 12, [
        "....b",
        "...bb",
        "..bB.",
        ".bB..",
        ".bB..",
        ".bb..",
        ".bb..",
        ".b...",
        ".....",
        ".b...",
        "bBb..",
        "bbb..",
    ], {"b": paint, "B": paint_light})
    stream.outline(paint_dark)
    for (x, y), colour in stream.pixels.items():
        if colour != paint_dark or (x, y) not in bucket.pixels:
            pic.put(x, y, colour)


def draw_airbrush_tool(pic):
    red = (210, 40, 40)
    red_light = (245, 125, 115)
    red_dark = (150, 20, 25)
    can = Picture()
    can.rect(15, 12, 23, 25, red)
    can.rect(16, 12, 16, 25, red_light)
    can.rect(22, 12, 22, 25, red_dark)
    can.rect(16, 9, 22, 11, (190, 190, 200))  # the shoulder
    can.rect(17, 6, 21, 8, (140, 140, 150))  # the cap
    can.rect(17, 9, 17, 11, (230, 230, 236))
    can.outline(OUTLINE)
    pic.merge(can)
    pic.rect(14, 6, 16, 6, BLACK)  # the nozzle
    for (x, y) in [(11, 6), (9, 4), (9, 8), (7, 6), (6, 3), (5, 9), (4, 6), (7, 11),
                   (11, 9), (12, 3), (3, 3)]:
        pic.put(x, y, red_dark)


def draw_eraser_tool(pic):
    centre = (14.5, 13.0)
    angle = 28
    half_length, half_width = 10.0, 4.6
    split = 1.5  # where the pink part meets the blue part, along the eraser

    def top_at(x, y):
        u, v = along_and_across(x, y, centre, angle)
        if abs(u) > half_length or abs(v) > half_width:
            return None
        if u < split:
            return (250, 170, 180) if v > -half_width + 1.6 else (255, 205, 212)
        return (110, 150, 235) if v > -half_width + 1.6 else (160, 190, 250)

    def side_at(x, y):
        for drop in range(1, 5):
            u, v = along_and_across(x, y - drop, centre, angle)
            if abs(u) <= half_length and abs(v) <= half_width:
                return (200, 110, 125) if u < split else (60, 95, 180)
        return None

    eraser = Picture()
    eraser.sample(2, 2, 27, 27, side_at)
    eraser.sample(2, 2, 27, 27, top_at)
    eraser.outline(OUTLINE)
    pic.merge(eraser)


def draw_selection_tool(pic):
    pic.dotted_frame(5, 7, 24, 22, BLACK)


def draw_magnifier_tool(pic):
    centre = (12.0, 12.0)
    radius = 7.5

    def colour_at(x, y):
        distance = math.hypot(x - centre[0], y - centre[1])
        if distance <= radius - 2.0:
            u, v = x - centre[0], y - centre[1]
            if -4.5 <= u <= -1.0 and -4.5 <= v <= -1.0 and distance >= 2.5:
                return WHITE  # the shine on the glass
            return (190, 225, 245)
        if distance <= radius:
            return (70, 70, 80)
        # The handle, from the rim out to the bottom right.
        u, v = along_and_across(x, y, centre, -45)
        if radius - 1 <= u <= radius + 10 and abs(v) <= 2.0:
            return (120, 70, 30) if u > radius + 2.5 else (70, 70, 80)
        return None

    glass = Picture()
    glass.sample(3, 3, 26, 26, colour_at)
    glass.outline(OUTLINE)
    pic.merge(glass)


# --- Options -----------------------------------------------------------------------------

def line_width_drawer(thickness):
    def draw(pic):
        top = 5 - thickness // 2
        pic.rect(8, top, 39, top + thickness - 1, BLACK)
    return draw


def fill_style_drawer(outlined, filled):
    def draw(pic):
        if filled:
            pic.rect(9, 3, 37, 12, GREY)
        if outlined:
            pic.frame(9, 3, 37, 12, BLACK)
    return draw


def dot_hash(x, y):
    value = (x * 374761393 + y * 668265263) & 0xFFFFFFFF
    value = (value ^ (value >> 13)) * 1274126177 & 0xFFFFFFFF
    return (value ^ (value >> 16)) & 0xFFFF


def spray_drawer(cx, cy, radius, density):
    """Single dots scattered over a disc, never two touching."""
    def draw(pic):
        disc = [(x, y)
                for y in range(int(cy - radius) - 1, int(cy + radius) + 2)
                for x in range(int(cx - radius) - 1, int(cx + radius) + 2)
                if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius]
        wanted = round(len(disc) * density)
        chosen = set()
        for (x, y) in sorted(disc, key=lambda p: dot_hash(*p)):
            if len(chosen) == wanted:
                break
            if not any((x + dx, y + dy) in chosen for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                chosen.add((x, y))
        for (x, y) in chosen:
            pic.put(x, y, BLACK)
    return draw


GLYPHS = {
    "2": [".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"],
    "4": ["#..#", "#..#", "#..#", "####", "...#", "...#", "...#"],
    "6": [".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."],
    "0": [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
}


def draw_text(pic, x, y, text, colour):
    for character in text:
        glyph = GLYPHS[character]
        pic.sprite(x, y, glyph, {"#": colour})
        x += len(glyph[0]) + 1
    return x


def zoom_drawer(label, square):
    def draw(pic):
        draw_text(pic, 10, 2, label, BLACK)
        left = 33 - square // 2
        pic.rect(left, 9 - square, left + square - 1, 8, BLACK)
    return draw


def eraser_size_drawer(square):
    def draw(pic):
        left = 23 - square // 2
        top = 5 - square // 2
        pic.rect(left, top, left + square - 1, top + square - 1, BLACK)
    return draw


HEART = [
    ".rrr...rrr.",
    "rwwrr.rrrrr",
    "rwrrrrrrrrr",
    "rrrrrrrrrrr",
    "rrrrrrrrrrd",
    ".rrrrrrrrd.",
    "..rrrrrrd..",
    "...rrrrd...",
    "....rrd....",
    ".....d.....",
]
HEART_LEGEND = {"r": (220, 30, 50), "w": (255, 160, 170), "d": (160, 10, 30)}


def selection_mode_drawer(opaque):
    def draw(pic):
        heart = Picture()
        heart.sprite(11, 7, HEART, HEART_LEGEND)
        heart.outline((110, 0, 20))
        pic.merge(heart)
        box = (17, 4, 38, 19)
        if opaque:
            pic.rect(*box, WHITE)
        pic.dotted_frame(*box, BLACK)
    return draw


FACES = [
    # up, pressed, (width, height), edge, drawer
    (141, 208, TOOL_SIZE, TOOL_EDGE, draw_rectangle_tool),
    (142, 209, TOOL_SIZE, TOOL_EDGE, draw_ellipse_tool),
    (140, 207, TOOL_SIZE, TOOL_EDGE, draw_line_tool),
    (145, 212, TOOL_SIZE, TOOL_EDGE, draw_flood_fill_tool),
    (139, 230, TOOL_SIZE, TOOL_EDGE, draw_pencil_tool),
    (146, 228, TOOL_SIZE, TOOL_EDGE, draw_colour_picker_tool),
    (143, 210, TOOL_SIZE, TOOL_EDGE, draw_airbrush_tool),
    (144, 211, TOOL_SIZE, TOOL_EDGE, draw_eraser_tool),
    (147, 233, TOOL_SIZE, TOOL_EDGE, draw_selection_tool),
    (138, 205, TOOL_SIZE, TOOL_EDGE, draw_magnifier_tool),
    (152, 234, (48, 12), OPTION_EDGE, line_width_drawer(1)),
    (153, 213, (48, 12), OPTION_EDGE, line_width_drawer(3)),
    (154, 214, (48, 12), OPTION_EDGE, line_width_drawer(5)),
    (155, 215, (48, 12), OPTION_EDGE, line_width_drawer(7)),
    (158, 218, (48, 17), OPTION_EDGE, fill_style_drawer(outlined=True, filled=False)),
    (159, 229, (48, 17), OPTION_EDGE, fill_style_drawer(outlined=True, filled=True)),
    (160, 219, (48, 17), OPTION_EDGE, fill_style_drawer(outlined=False, filled=True)),
    (161, 220, (24, 25), OPTION_EDGE, spray_drawer(11.5, 12.0, 4.6, 0.24)),
    (162, 221, (24, 25), OPTION_EDGE, spray_drawer(11.5, 12.0, 7.2, 0.19)),
    (163, 235, (48, 25), OPTION_EDGE, spray_drawer(23.5, 12.0, 10.0, 0.17)),
    (172, 231, (48, 12), OPTION_EDGE, zoom_drawer("2x", 2)),
    (173, 223, (48, 12), OPTION_EDGE, zoom_drawer("4x", 4)),
    (174, 224, (48, 12), OPTION_EDGE, zoom_drawer("6x", 6)),
    (175, 232, (48, 12), OPTION_EDGE, zoom_drawer("10x", 8)),
    (177, 222, (48, 12), OPTION_EDGE, eraser_size_drawer(2)),
    (178, 225, (48, 12), OPTION_EDGE, eraser_size_drawer(4)),
    (179, 226, (48, 12), OPTION_EDGE, eraser_size_drawer(6)),
    (180, 227, (48, 12), OPTION_EDGE, eraser_size_drawer(8)),
    (156, 216, (48, 25), OPTION_EDGE, selection_mode_drawer(opaque=False)),
    (157, 217, (48, 25), OPTION_EDGE, selection_mode_drawer(opaque=True)),
]


def render(size, edge, drawer, pressed):
    face = Face(size[0], size[1], edge, pressed)
    picture = Picture()
    drawer(picture)
    face.stamp(picture)
    face.draw_edges()
    return face.rows


def main():
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    for up_id, pressed_id, size, edge, drawer in FACES:
        for bitmap_id, pressed in ((up_id, False), (pressed_id, True)):
            write_fewest_bits(os.path.join(out_dir, f"{bitmap_id}.bmp"),
                        render(size, edge, drawer, pressed))
    print(f"{2 * len(FACES)} palette faces written")


if __name__ == "__main__":
    main()
