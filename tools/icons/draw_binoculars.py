#!/usr/bin/env python3
"""Draws the binoculars, the icon of the main window and of the program.

Writes the window icons of 32 x 32 and 16 x 16 pixels, the desktop icons of 48, 64 and 128
pixels and as SVG, and the Windows icon file binoculars.ico.

Usage: draw_binoculars.py OUTPUT_DIRECTORY
"""

import sys
from pathlib import Path

from desktop_icons import write_desktop_icons
from palette_icon import AQUA, BLACK, BLUE, GREY, NAVY, SILVER, WHITE, write_icons
from shapes import Box, Disc
from windows_icon import write_windows_icon

# Back to front: each shape has a fill colour, an outline colour (None for no outline) and the
# smallest icon size that still has room for it.
SHAPES = []
for side in (0.0, 0.5):
    SHAPES += [
        (Box(0.15 + side, 0.06, 0.35 + side, 0.36, 0.04), GREY, BLACK, 16),    # eyepiece
        (Box(0.04 + side, 0.28, 0.46 + side, 0.80, 0.08), NAVY, BLACK, 16),    # barrel
        (Box(0.09 + side, 0.32, 0.17 + side, 0.62, 0.03), BLUE, None, 32),     # sheen
        (Disc(0.25 + side, 0.74, 0.20), SILVER, BLACK, 16),                    # lens rim
        (Disc(0.25 + side, 0.74, 0.14), BLUE, BLACK, 32),                      # glass
        (Disc(0.25 + side, 0.74, 0.13), BLUE, None, 16),                       # glass, small
        (Disc(0.21 + side, 0.70, 0.05), AQUA, None, 16),                       # reflection
        (Disc(0.20 + side, 0.69, 0.02), WHITE, None, 32),                      # glint
    ]
SHAPES += [
    (Box(0.42, 0.36, 0.58, 0.56, 0.03), SILVER, BLACK, 16),   # bridge
    (Disc(0.50, 0.40, 0.07), GREY, BLACK, 32),                # focus wheel
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    output_directory = Path(sys.argv[1])
    write_icons(SHAPES, output_directory, "binoculars")
    write_desktop_icons(SHAPES, output_directory, "binoculars", "Quabbel 2 3 4")
    write_windows_icon(SHAPES, output_directory / "binoculars.ico")


if __name__ == "__main__":
    main()
