#!/usr/bin/env python3
"""Draws the info window's small picture: the letter tiles Q and U, 37 x 23 pixels.

Written as a GIF89a with a global colour table of 256 entries (the 216 web-safe colours, then
black), one interlaced image and colour index 83 transparent. Only the Python standard library
is used.

Usage: draw_info_picture.py OUTPUT_FILE
"""

import struct
import sys
from pathlib import Path

WIDTH, HEIGHT = 37, 23
TRANSPARENT = 83    # a violet of the cube that the picture does not use


def web_safe(red, green, blue):
    """Index of a colour of the 6 x 6 x 6 cube; each component is a level 0 to 5."""
    return 36 * red + 6 * green + blue


PALETTE = [(51 * (index // 36), 51 * (index // 6 % 6), 51 * (index % 6)) for index in range(216)]
PALETTE += [(0, 0, 0)] * (256 - len(PALETTE))

FACE = web_safe(5, 5, 4)
RIM = web_safe(4, 3, 2)
SHADOW = web_safe(3, 2, 1)
INK = web_safe(0, 0, 0)

LETTERS = {
    "Q": [".#####.",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          "##.####",
          "##..##.",
          ".####.#"],
    "U": ["##...##",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          ".#####."],
}
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
}

TILE = 16    # a tile's side; its shadow lies one pixel further right and down
TILE_TOP = 2
TILES = (("Q", "10", 0), ("U", "1", 20))    # letter, score, left edge


def draw(pixels, left, top, glyph, colour):
    for row, line in enumerate(glyph):
        for column, mark in enumerate(line):
            if mark == "#":
                pixels[top + row][left + column] = colour


def draw_tile(pixels, letter, score, left):
    top = TILE_TOP
    corners = {(row, column) for row in (top, top + TILE - 1) for column in (left, left + TILE - 1)}
    for row in range(top, top + TILE):
        for column in range(left, left + TILE):
            if (row, column) not in corners:
                edge = row in (top, top + TILE - 1) or column in (left, left + TILE - 1)
                pixels[row][column] = RIM if edge else FACE
    for row in range(top + 1, top + TILE + 1):
        for column in range(left + 1, left + TILE + 1):
            if pixels[row][column] == TRANSPARENT:
                pixels[row][column] = SHADOW
    draw(pixels, left + 2, top + 2, LETTERS[letter], INK)
    right = left + TILE - 2
    for digit in reversed(score):
        right -= len(DIGITS[digit][0])
        draw(pixels, right, top + 10, DIGITS[digit], INK)
        right -= 1


def picture():
    pixels = [[TRANSPARENT] * WIDTH for _ in range(HEIGHT)]
    for letter, score, left in TILES:
        draw_tile(pixels, letter, score, left)
    return pixels


def interlaced(rows):
    """The rows in the order of the four interlace passes."""
    return [rows[row] for start, step in ((0, 8), (4, 8), (2, 4), (1, 2))
            for row in range(start, len(rows), step)]


def lzw(indices, minimum_code_size=8):
    """Variable-length LZW codes of the palette indices, packed least significant bit first."""
    clear, end = 1 << minimum_code_size, (1 << minimum_code_size) + 1
    table = {(index,): index for index in range(clear)}
    next_code, width = end + 1, minimum_code_size + 1
    bits, bit_count, out = 0, 0, bytearray()

    def emit(code):
        nonlocal bits, bit_count
        bits |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            bit_count -= 8

    emit(clear)
    current = (indices[0],)
    for index in indices[1:]:
        extended = current + (index,)
        if extended in table:
            current = extended
            continue
        emit(table[current])
        table[extended] = next_code
        next_code += 1
        # The decoder knows a code one step later, so it widens when this is one past the limit.
        if next_code > 1 << width:
            width += 1
        current = (index,)
    assert next_code < 4096, "a picture this small never fills the code table"
    emit(table[current])
    emit(end)
    if bit_count:
        out.append(bits & 0xFF)
    return bytes(out)


def sub_blocks(data):
    return b"".join(bytes([len(data[start:start + 255])]) + data[start:start + 255]
                    for start in range(0, len(data), 255)) + b"\x00"


def gif(pixels):
    global_table_of_256 = 0x80 | 0x70 | 0x07    # present, 8 bits per colour, 2 ** (7 + 1)
    screen = struct.pack("<HHBBB", WIDTH, HEIGHT, global_table_of_256, TRANSPARENT, 0)
    colours = b"".join(bytes(colour) for colour in PALETTE)
    transparency = b"\x21\xf9\x04" + struct.pack("<BHB", 0x01, 0, TRANSPARENT) + b"\x00"
    interlace = 0x40
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, interlace)
    indices = [index for row in interlaced(pixels) for index in row]
    data = b"\x08" + sub_blocks(lzw(indices))
    return b"GIF89a" + screen + colours + transparency + image + data + b"\x3b"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    Path(sys.argv[1]).write_bytes(gif(picture()))


if __name__ == "__main__":
    main()
