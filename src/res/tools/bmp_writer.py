"""Writes uncompressed Windows BMP files (bottom row first, rows padded to 4 bytes).

Shared by the scripts that generate the bitmap resources in src/res. Pixels are
given top row first as lists of (red, green, blue) tuples or palette indices.
"""

import struct

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40
BI_RGB = 0
# 72 dots per inch, the resolution most tools write.
PIXELS_PER_METRE = 2835


def _row_stride(width, bit_count):
    return (width * bit_count + 31) // 32 * 4


def _write(path, width, height, bit_count, palette, pixel_rows):
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pixel_offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + len(palette_bytes)
    stride = _row_stride(width, bit_count)
    image_size = stride * height
    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + image_size, 0, 0, pixel_offset)
    info_header = struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, width, height, 1, bit_count,
                              BI_RGB, image_size, PIXELS_PER_METRE, PIXELS_PER_METRE,
                              len(palette), 0)
    body = bytearray()
    for row in reversed(pixel_rows):
        body += row
        body += bytes(stride - len(row))
    with open(path, "wb") as out:
        out.write(file_header + info_header + palette_bytes + bytes(body))


def write_rgb24(path, rows):
    """Writes a 24-bit BMP from rows of (red, green, blue) tuples."""
    height = len(rows)
    width = len(rows[0])
    packed = [bytes(channel for (r, g, b) in row for channel in (b, g, r)) for row in rows]
    _write(path, width, height, 24, [], packed)


def write_fewest_bits(path, rows):
    """Writes rows of (red, green, blue) tuples in the fewest bits a pixel that hold them
    exactly: 1, 4 or 8 with a palette of the colours used, in the order they first appear
    from the top row, or else 24. The program is several times smaller for it, and every
    byte of it is paged in at start-up."""
    palette = []
    index = {}
    for row in rows:
        for colour in row:
            if colour not in index:
                index[colour] = len(palette)
                palette.append(colour)
    bit_count = next((bits for bits in (1, 4, 8) if len(palette) <= 1 << bits), 24)
    if bit_count == 24:
        write_rgb24(path, rows)
        return
    height = len(rows)
    width = len(rows[0])
    pixels_per_byte = 8 // bit_count
    packed = []
    for row in rows:
        line = bytearray((width + pixels_per_byte - 1) // pixels_per_byte)
        for x, colour in enumerate(row):
            shift = 8 - bit_count * (x % pixels_per_byte + 1)
            line[x // pixels_per_byte] |= index[colour] << shift
        packed.append(bytes(line))
    _write(path, width, height, bit_count, palette, packed)


def write_indexed8(path, palette, rows):
    """Writes an 8-bit BMP with a palette of up to 256 (red, green, blue) entries."""
    if len(palette) > 256:
        raise ValueError(f"{len(palette)} colours do not fit an 8-bit palette")
    full_palette = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    height = len(rows)
    width = len(rows[0])
    _write(path, width, height, 8, full_palette, [bytes(row) for row in rows])
