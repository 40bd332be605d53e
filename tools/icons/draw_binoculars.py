#!/usr/bin/env python3
"""Draws the main window's binoculars icon at 32 x 32 and 16 x 16 pixels.

The picture is described once, in a unit square, by simple shapes; each size is rasterised
from that description using the 16 standard Windows colours plus one transparent entry, and
written as a palette PNG. Only the Python standard library is used.

Usage: draw_binoculars.py OUTPUT_DIRECTORY
"""

import math
import struct
import sys
import zlib
from pathlib import Path

BLACK, NAVY, GREY, SILVER, BLUE, AQUA, WHITE = 0, 4, 8, 7, 12, 14, 15
TRANSPARENT = 16

# The 16 standard Windows colours, in their usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def box(left, top, right, bottom, radius):
    """Signed distance to a rounded rectangle: negative inside."""
    centre_x, centre_y = (left + right) / 2, (top + bottom) / 2
    half_w, half_h = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        dx, dy = abs(x - centre_x) - half_w, abs(y - centre_y) - half_h
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0) - radius

    return distance


def disc(centre_x, centre_y, radius):
    """Signed distance to a circle: negative inside."""
    return lambda x, y: math.hypot(x - centre_x, y - centre_y) - radius


# Back to front: each shape has a fill colour, an outline colour (None for no outline) and the
# smallest icon size that still has room for it.
SHAPES = []
for side in (0.0, 0.5):
    SHAPES += [
        (box(0.15 + side, 0.06, 0.35 + side, 0.36, 0.04), GREY, BLACK, 16),    # eyepiece
        (box(0.04 + side, 0.28, 0.46 + side, 0.80, 0.08), NAVY, BLACK, 16),    # barrel
        (box(0.09 + side, 0.32, 0.17 + side, 0.62, 0.03), BLUE, None, 32),     # sheen
        (disc(0.25 + side, 0.74, 0.20), SILVER, BLACK, 16),                    # lens rim
        (disc(0.25 + side, 0.74, 0.14), BLUE, BLACK, 32),                      # glass
        (disc(0.25 + side, 0.74, 0.13), BLUE, None, 16),                       # glass, small
        (disc(0.21 + side, 0.70, 0.05), AQUA, None, 16),                       # reflection
        (disc(0.20 + side, 0.69, 0.02), WHITE, None, 32),                      # glint
    ]
SHAPES += [
    (box(0.42, 0.36, 0.58, 0.56, 0.03), SILVER, BLACK, 16),   # bridge
    (disc(0.50, 0.40, 0.07), GREY, BLACK, 32),                # focus wheel
]


def rasterise(size):
    """One palette index per pixel, row by row, sampled at the pixel centres."""
    outline = 1.0 / size
    rows = []
    for row in range(size):
        y = (row + 0.5) / size
        pixels = []
        for column in range(size):
            x = (column + 0.5) / size
            colour = TRANSPARENT
            for distance, fill, edge, smallest in SHAPES:
                inside = distance(x, y) if size >= smallest else 1.0
                if inside <= 0:
                    colour = edge if edge is not None and inside > -outline else fill
            pixels.append(colour)
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


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    output = Path(sys.argv[1])
    for size in (32, 16):
        (output / f"binoculars_{size}.png").write_bytes(palette_png(rasterise(size)))


if __name__ == "__main__":
    main()
