#!/usr/bin/env python3
"""Draws the main window's binoculars icon at 32 x 32 and 16 x 16 pixels.

Usage: draw_binoculars.py OUTPUT_DIRECTORY
"""

import sys
from pathlib import Path

from palette_icon import AQUA, BLACK, BLUE, GREY, NAVY, SILVER, WHITE, box, disc, write_icons

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


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    write_icons(SHAPES, Path(sys.argv[1]), "binoculars")


if __name__ == "__main__":
    main()
