"""Shared drawing for the window icons.

An icon is described once, in a unit square, as a list of shapes drawn back to front. Each
shape is a signed distance function (see shapes.py), a fill colour, an outline colour (None
for no outline) and the smallest icon size that still has room for it. Each size is rasterised
from that description using the 16 standard Windows colours plus one transparent entry, and
written as a palette PNG. Only the Python standard library is used.
"""

import struct
import zlib

BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
TRANSPARENT = 16

# The 16 standard Windows colours, in their usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def colour_at(shapes, x, y, size, outline):
    """Palette index at a point of an icon SIZE pixels wide, with outlines OUTLINE wide."""
    colour = TRANSPARENT
    for distance, fill, edge, smallest in shapes:
        inside = distance(x, y) if size >= smallest else 1.0
        if inside <= 0:
            colour = edge if edge is not None and inside > -outline else fill
    return colour


def rasterise(shapes, size):
    """One palette index per pixel, row by row, sampled at the pixel centres."""
    outline = 1.0 / size
    rows = []
    for row in range(size):
        y = (row + 0.5) / size
        pixels = []
        for column in range(size):
            x = (column + 0.5) / size
            pixels.append(colour_at(shapes, x, y, size, outline))
        rows.append(pixels)
    return rows


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def palette_png(rows):
    height, width = len(rows), len(rows[0])
    colours = PALETTE + [(255, 255, 255)]
    alpha = bytes([255] * len(PALETTE) + [0])
    raw = b"".join(b"\x00" + bytes(pixels) for pixels in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(colour) for colour in colours))
            + chunk(b"tRNS", alpha)
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_icons(shapes, output_directory, name):
    """Writes NAME_32.png and NAME_16.png into the directory."""
    for size in (32, 16):
        (output_directory / f"{name}_{size}.png").write_bytes(palette_png(rasterise(shapes, size)))
