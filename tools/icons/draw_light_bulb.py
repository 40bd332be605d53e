#!/usr/bin/env python3
"""Draws the info window's icon, a lit light bulb with rays, at 32 x 32 and 16 x 16 pixels.

Usage: draw_light_bulb.py OUTPUT_DIRECTORY
"""

import math
import sys
from pathlib import Path

from palette_icon import BLACK, GREY, OLIVE, SILVER, WHITE, YELLOW, write_icons
from shapes import Box, Disc, stroke, union

CENTRE_X, CENTRE_Y = 0.50, 0.40    # of the glass
# Degrees, clockwise from the right, with the smallest size that draws the ray; none points down.
RAYS = ((-90, 32), (-40, 16), (-140, 16), (5, 16), (175, 16), (45, 32), (135, 32))


def ray(degrees):
    angle = math.radians(degrees)
    inner, outer = 0.34, 0.46
    return stroke(CENTRE_X + inner * math.cos(angle), CENTRE_Y + inner * math.sin(angle),
                  CENTRE_X + outer * math.cos(angle), CENTRE_Y + outer * math.sin(angle), 0.03)


# Back to front; see palette_icon for what a shape holds.
SHAPES = [(ray(degrees), OLIVE, None, smallest) for degrees, smallest in RAYS]
SHAPES += [
    (union(Disc(CENTRE_X, CENTRE_Y, 0.25), Box(0.38, 0.50, 0.62, 0.74, 0.02)),
     YELLOW, OLIVE, 16),                                                        # glass and neck
    (Disc(0.42, 0.32, 0.07), WHITE, None, 16),                                  # highlight
    (Box(0.36, 0.70, 0.64, 0.88, 0.03), SILVER, BLACK, 16),                     # screw base
    (Box(0.37, 0.76, 0.63, 0.79, 0.0), GREY, None, 32),                         # thread
    (Box(0.37, 0.82, 0.63, 0.85, 0.0), GREY, None, 32),                         # thread
    (Box(0.44, 0.86, 0.56, 0.94, 0.03), BLACK, None, 16),                       # contact
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    write_icons(SHAPES, Path(sys.argv[1]), "light_bulb")


if __name__ == "__main__":
    main()
