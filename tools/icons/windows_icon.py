"""The Windows icon file: the 32 and 16 pixel icons as 16-colour bitmaps with a mask.

Each image is a BITMAPINFOHEADER, the 16 colours, the colour indices at four bits per pixel
and a one-bit mask whose set bits make a pixel transparent. Both are stored bottom row first,
each row padded to four bytes. Only the Python standard library is used.
"""

import struct

from palette_icon import PALETTE, TRANSPARENT, rasterise

SIZES = (32, 16)


def padded(row_bytes):
    return row_bytes + bytes(-len(row_bytes) % 4)


def bitmap(rows):
    size = len(rows)
    colours = b"".join(bytes((blue, green, red, 0)) for red, green, blue in PALETTE)
    indices = b"".join(
        padded(bytes((0 if high == TRANSPARENT else high) << 4
                     | (0 if low == TRANSPARENT else low)
                     for high, low in zip(row[0::2], row[1::2])))
        for row in reversed(rows))
    mask = b"".join(
        padded(bytes(sum(0x80 >> bit for bit in range(8) if row[start + bit] == TRANSPARENT)
                     for start in range(0, size, 8)))
        for row in reversed(rows))
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(indices) + len(mask), 0, 0, len(PALETTE), 0)
    return header + colours + indices + mask


def windows_icon(shapes):
    images = [bitmap(rasterise(shapes, size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, image in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size, size, len(PALETTE), 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def write_windows_icon(shapes, path):
    path.write_bytes(windows_icon(shapes))
