#!/usr/bin/python3
"""Reads the screen and the saved files for tools/drive-editor, with Pillow, not our code.

Each command prints one line and exits 0 when what it sees is right, 1 when not:
  shot DISPLAY PNG             saves the whole screen
  canvas DISPLAY OX OY shown|hidden
                               the canvas frame around the zoom-2 canvas at screen (OX, OY)
  drawn DISPLAY OX OY both|stroke
                               the stroke (and the rectangle, or not) on the zoom-2 canvas
  zoom DISPLAY X Y ZOOM        the stroke pixel under the pointer at (X, Y) is ZOOM screen
                               pixels high and lies 5 picture pixels right of the stroke's start
  saved FOLDER NAME            NAME.gif, NAMEDP.gif, NAMERp.gif decode; the wear picture
                               holds exactly the stroke and the rectangle, in black
  same FOLDER A B              A's three files are byte for byte B's
  clip PNG                     the picture copied out: the mirrored stroke black, the
                               empty pixels transparent
  pattern PNG                  writes the 3 x 2 PNG "another program" pastes
  pasted FOLDER NAME           NAME.gif holds the drawing, the mirrored stroke and the
                               pasted pattern at the top-left, and nothing else
"""
import sys
from pathlib import Path

from PIL import Image, ImageGrab

BLACK = (0, 0, 0)
BAR = (237, 237, 216)
WEAR, DP, HAIR = (75, 125), (75, 83), (25, 25)
# The drive paints a pencil stroke from (10, 20) to (30, 20), both ends included, and drags a
# rectangle from (40, 40) to (60, 70), which outlines columns 40..59 and rows 40..69.
STROKE = {(x, 20) for x in range(10, 31)}
RECT = {(x, y) for x in range(40, 60) for y in (40, 69)} | \
       {(x, y) for x in (40, 59) for y in range(40, 70)}
# With symmetry on, a pencil stroke from (10, 100) to (20, 100) and its mirror about column 37.
MIRRORED = {(x, 100) for x in range(10, 21)} | {(74 - x, 100) for x in range(10, 21)}
# The pasted pattern: red at (0, 0) and (2, 1) of a 3 x 2 picture, the rest transparent.
RED = (200, 30, 30)
PATTERN = {(0, 0), (2, 1)}


def screen(display):
    return ImageGrab.grab(xdisplay=display).convert("RGB")


def on_canvas(shot, ox, oy, pixels):
    """How many of the picture pixels show black on the zoom-2 canvas at (ox, oy)."""
    return sum(shot.getpixel((ox + 2 * x, oy + 2 * y)) == BLACK for x, y in pixels)


def canvas(display, ox, oy, want):
    shot = screen(display)
    frame = all(shot.getpixel((ox - 2, oy + dy)) == BLACK for dy in range(0, 250, 10)) and \
        all(shot.getpixel((ox + dx, oy - 2)) == BLACK for dx in range(0, 150, 10))
    filled = shot.getpixel((ox + 1, oy + 1)) != BAR
    shown = frame and filled
    return shown == (want == "shown"), f"canvas {'shown' if shown else 'not shown'} at {ox},{oy}"


def drawn(display, ox, oy, want):
    shot = screen(display)
    stroke, rect = on_canvas(shot, ox, oy, STROKE), on_canvas(shot, ox, oy, RECT)
    text = f"stroke {stroke}/{len(STROKE)} black, rectangle {rect}/{len(RECT)} black"
    # The mannequin under the rectangle has dark pixels but hardly any pure black ones.
    rect_ok = rect == len(RECT) if want == "both" else rect < len(RECT) // 2
    return stroke == len(STROKE) and rect_ok, text


def zoom(display, x, y, want):
    shot = screen(display)
    if shot.getpixel((x, y)) != BLACK:
        return False, f"no stroke under the pointer at {x},{y}: {shot.getpixel((x, y))}"
    top, bottom, left = y, y, x
    while shot.getpixel((x, top - 1)) == BLACK:
        top -= 1
    while shot.getpixel((x, bottom + 1)) == BLACK:
        bottom += 1
    while shot.getpixel((left - 1, y)) == BLACK:
        left -= 1
    high = bottom - top + 1
    # The pointer rests on picture pixel (15, 20): five pixels right of the stroke's start.
    placed = 5 * want <= x - left < 6 * want
    return high == want and placed, \
        f"stroke {high} px high (want {want}), pointer {x - left} px right of its start"


def saved(folder, name):
    files = [Path(folder, name + end) for end in (".gif", "DP.gif", "Rp.gif")]
    for path, size in zip(files, (WEAR, DP, HAIR)):
        if not path.is_file():
            return False, f"{path.name} missing"
        with Image.open(path) as picture:
            if picture.format != "GIF" or picture.size != size:
                return False, f"{path.name}: {picture.format} {picture.size}, want GIF {size}"
    with Image.open(files[0]) as picture:
        wear = picture.convert("RGBA")
    wrong = []
    for y in range(WEAR[1]):
        for x in range(WEAR[0]):
            rgba = wear.getpixel((x, y))
            want_black = (x, y) in STROKE or (x, y) in RECT
            if (rgba == (0, 0, 0, 255)) if want_black else (rgba[3] == 0):
                continue
            wrong.append(f"({x},{y})={rgba}")
    if wrong:
        return False, f"{name}.gif: {len(wrong)} pixels wrong, e.g. {' '.join(wrong[:5])}"
    return True, f"{name}.gif {WEAR}: stroke and rectangle black, the rest transparent; " \
        f"{name}DP.gif {DP}, {name}Rp.gif {HAIR}"


def clip(png):
    with Image.open(png) as picture:
        copied = picture.convert("RGBA")
    if copied.size != WEAR:
        return False, f"the copied picture is {copied.size}, want {WEAR}"
    black = sum(copied.getpixel(p) == (0, 0, 0, 255) for p in MIRRORED)
    empty = copied.getpixel((0, 0))[3] == 0 and copied.getpixel((74, 124))[3] == 0
    return black == len(MIRRORED) and empty, \
        f"copied {copied.size}: mirrored stroke {black}/{len(MIRRORED)} black, " \
        f"empty pixels {'transparent' if empty else 'not transparent'}"


def pattern(png):
    picture = Image.new("RGBA", (3, 2), (0, 0, 0, 0))
    for p in PATTERN:
        picture.putpixel(p, RED + (255,))
    picture.save(png)
    return True, png


def pasted(folder, name):
    with Image.open(Path(folder, name + ".gif")) as picture:
        wear = picture.convert("RGBA")
    wrong = []
    for y in range(WEAR[1]):
        for x in range(WEAR[0]):
            rgba = wear.getpixel((x, y))
            if (x, y) in PATTERN:
                want = RED + (255,)
            elif (x, y) in STROKE or (x, y) in RECT or (x, y) in MIRRORED:
                want = (0, 0, 0, 255)
            else:
                want = None
            if rgba == want or (want is None and rgba[3] == 0):
                continue
            wrong.append(f"({x},{y})={rgba}")
    if wrong:
        return False, f"{name}.gif: {len(wrong)} pixels wrong, e.g. {' '.join(wrong[:5])}"
    return True, f"{name}.gif: the mirrored stroke both sides of column 37 and the pasted " \
        f"pattern at (0,0) and (2,1), the rest as drawn"


def same(folder, a, b):
    for end in (".gif", "DP.gif", "Rp.gif"):
        if Path(folder, a + end).read_bytes() != Path(folder, b + end).read_bytes():
            return False, f"{b}{end} differs from {a}{end}"
    return True, f"{b}*.gif are byte for byte {a}*.gif"


def main(command, *args):
    if command == "shot":
        screen(args[0]).save(args[1])
        return True, args[1]
    if command in ("canvas", "drawn", "zoom"):
        check = {"canvas": canvas, "drawn": drawn, "zoom": zoom}[command]
        last = args[3] if command != "zoom" else int(args[3])
        return check(args[0], int(args[1]), int(args[2]), last)
    return {"saved": saved, "same": same, "clip": clip, "pattern": pattern,
            "pasted": pasted}[command](*args)


if __name__ == "__main__":
    ok, message = main(*sys.argv[1:])
    print(message)
    sys.exit(0 if ok else 1)
