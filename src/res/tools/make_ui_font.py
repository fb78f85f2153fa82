"""Generates fonts/ui_font.ttf: the editor's own text font, the Hangul font's glyphs for
exactly the characters the program's texts use, with the font's hinting kept so every
glyph renders as it does from the whole font.

The whole font is a 4.6 MB file whose Hangul syllables are built from component glyphs
spread across it; every syllable drawn pages in the 64 KB around each of its parts, about
3 MB for the first window's forty syllables. This file holds the same glyphs in a few
hundred kilobytes, embedded in the program; other characters (a Korean file name, Qt's own
dialog texts) are drawn from the installed font as before.

The font's licence reserves its names, so the subset is renamed "Pattik UI"; its copyright
and licence entries are kept, and fonts/OFL.txt goes with it.

Run after changing any text the program shows: python3 make_ui_font.py
(needs the Debian packages fonts-nanum and python3-fonttools). The window tests fail when
a shown text has a character missing here.
"""

import glob
import os

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE_FONT = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf"
FAMILY = "Pattik UI"
POSTSCRIPT_NAME = "PattikUI-Regular"


def characters_shown(source_root):
    """Printable ASCII, and every other character in the program's sources: the only text
    that is not ASCII there is the Korean the program shows."""
    wanted = {chr(code) for code in range(0x20, 0x7F)}
    for pattern in ("**/*.h", "**/*.cpp"):
        for path in glob.glob(os.path.join(source_root, pattern), recursive=True):
            with open(path, encoding="utf-8") as text:
                wanted.update(ch for ch in text.read() if ord(ch) > 0x7E)
    return sorted(wanted)


def rename(font):
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 16):
            names.setName(FAMILY, record.nameID, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID in (2, 17):
            names.setName("Regular", record.nameID, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID == 4:
            names.setName(FAMILY + " Regular", 4, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID == 6:
            names.setName(POSTSCRIPT_NAME, 6, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID == 3:
            names.setName(POSTSCRIPT_NAME, 3, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID not in (0, 5, 13, 14):
            names.removeNames(nameID=record.nameID)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source_root = os.path.join(here, "..", "..")
    out = os.path.join(here, "..", "fonts", "ui_font.ttf")
    wanted = characters_shown(source_root)

    options = subset.Options()
    options.hinting = True
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    options.drop_tables += ["TSI0", "TSI1", "TSI2", "TSI3", "TSI5"]
    font = TTFont(SOURCE_FONT)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(ch) for ch in wanted])
    subsetter.subset(font)
    rename(font)
    font.save(out)
    print(f"ui_font.ttf: {len(wanted)} characters, {os.path.getsize(out)} bytes")


if __name__ == "__main__":
    main()
