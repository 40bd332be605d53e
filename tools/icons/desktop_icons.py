"""The larger icons that desktops show in menus and launchers.

From the same description as the window icons (see palette_icon.py) this draws smooth RGBA
PNGs of 48, 64 and 128 pixels and a scalable SVG. All of them have every shape, and outlines
as thick, relative to the icon, as at 32 pixels. Only the Python standard library is used.
"""

import struct
import zlib

from palette_icon import PALETTE, TRANSPARENT, chunk, colour_at

SIZES = (48, 64, 128)
OUTLINE = 1.0 / 32
SAMPLES = 4    # per pixel and direction, for smooth edges
SVG_SIDE = 128


def smooth_pixel(shapes, size, left, top, step):
    """RGBA of the pixel at (LEFT, TOP), averaged over samples STEP apart."""
    opaque = []
    for row in range(SAMPLES):
        for column in range(SAMPLES):
            colour = colour_at(shapes, left + (column + 0.5) * step, top + (row + 0.5) * step,
                               size, OUTLINE)
            if colour != TRANSPARENT:
                opaque.append(PALETTE[colour])
    if not opaque:
        return (0, 0, 0, 0)
    red, green, blue = (round(sum(part) / len(opaque)) for part in zip(*opaque))
    return (red, green, blue, round(255 * len(opaque) / SAMPLES ** 2))


def smooth_png(shapes, size):
    step = 1.0 / (size * SAMPLES)
    raw = bytearray()
    for row in range(size):
        raw.append(0)
        for column in range(size):
            raw.extend(smooth_pixel(shapes, size, column / size, row / size, step))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def svg(shapes, title):
    """An outlined shape is drawn in its outline colour, then its inset in its fill colour."""
    elements = []
    for shape, fill, edge, _ in shapes:
        layers = [(shape, fill)] if edge is None else [(shape, edge), (shape.inset(OUTLINE), fill)]
        for layer, colour in layers:
            red, green, blue = PALETTE[colour]
            elements.append(f'  {layer.svg(SVG_SIDE)} fill="#{red:02x}{green:02x}{blue:02x}"/>')
    return "\n".join(
        [f'<svg xmlns="http://www.w3.org/2000/svg" width="{SVG_SIDE}" height="{SVG_SIDE}" '
         f'viewBox="0 0 {SVG_SIDE} {SVG_SIDE}">',
         f"  <title>{title}</title>"] + elements + ["</svg>", ""])


def write_desktop_icons(shapes, output_directory, name, title):
    """Writes NAME_48.png, NAME_64.png, NAME_128.png and NAME.svg into the directory."""
    for size in SIZES:
        (output_directory / f"{name}_{size}.png").write_bytes(smooth_png(shapes, size))
    (output_directory / f"{name}.svg").write_text(svg(shapes, title), encoding="utf-8")
