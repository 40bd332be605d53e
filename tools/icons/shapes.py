"""Shapes of the icons, described in a unit square with y pointing down.

Every shape is a signed distance function: called with a point, it returns the distance to its
edge, negative inside. Rounded boxes and discs also know their SVG element and the shape that
lies a given width inside their edge, so that a drawing made of them can be written as a
scalable picture too.
"""

import math


class Box:
    """A rectangle with rounded corners."""

    def __init__(self, left, top, right, bottom, radius):
        self.left, self.top, self.right, self.bottom = left, top, right, bottom
        self.radius = radius

    def __call__(self, x, y):
        half_w = (self.right - self.left) / 2 - self.radius
        half_h = (self.bottom - self.top) / 2 - self.radius
        dx = abs(x - (self.left + self.right) / 2) - half_w
        dy = abs(y - (self.top + self.bottom) / 2) - half_h
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0) - self.radius

    def inset(self, width):
        """The points at least WIDTH inside this box."""
        return Box(self.left + width, self.top + width, self.right - width, self.bottom - width,
                   max(self.radius - width, 0.0))

    def svg(self, scale):
        return (f'<rect x="{self.left * scale:g}" y="{self.top * scale:g}" '
                f'width="{(self.right - self.left) * scale:g}" '
                f'height="{(self.bottom - self.top) * scale:g}" rx="{self.radius * scale:g}"')


class Disc:
    """A filled circle."""

    def __init__(self, centre_x, centre_y, radius):
        self.centre_x, self.centre_y, self.radius = centre_x, centre_y, radius

    def __call__(self, x, y):
        return math.hypot(x - self.centre_x, y - self.centre_y) - self.radius

    def inset(self, width):
        """The points at least WIDTH inside this disc."""
        return Disc(self.centre_x, self.centre_y, self.radius - width)

    def svg(self, scale):
        return (f'<circle cx="{self.centre_x * scale:g}" cy="{self.centre_y * scale:g}" '
                f'r="{self.radius * scale:g}"')



def stroke(x1, y1, x2, y2, half_width):
    """A straight stroke with round ends."""
    length_squared = (x2 - x1) ** 2 + (y2 - y1) ** 2

    def distance(x, y):
        along = ((x - x1) * (x2 - x1) + (y - y1) * (y2 - y1)) / length_squared
        along = min(max(along, 0.0), 1.0)
        return math.hypot(x - x1 - along * (x2 - x1), y - y1 - along * (y2 - y1)) - half_width

    return distance


def union(*distances):
    """One shape covering all the given ones, outlined as a whole."""
    return lambda x, y: min(distance(x, y) for distance in distances)
