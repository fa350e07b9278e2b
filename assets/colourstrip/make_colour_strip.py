#!/usr/bin/env python3
"""Draws the custom colour strip's two pictures at 100, 150 and 200 %.

    make_colour_strip.py OUT_DIR

colour_strip@<percent>.png: the strip (176 x 28 at 100 %), a dark bezel round a colour band
at 6,6 to 169,21: pure white at its left end (the strip's "no colour"), the hues from red
round to red again, then darker down to black at the right end; each column a little
lighter at the top and deeper at the bottom. Outside the bezel the picture is transparent,
so the page's rim shows.
colour_strip_marker@<percent>.png: the ring that marks the picked point, its centre 6 layout
pixels from its top-left corner."""
import colorsys
import math
import os
import sys

sys.dont_write_bytecode = True

import cairo  # noqa: E402
from PIL import Image  # noqa: E402

SCALES = (100, 150, 200)
WIDTH, HEIGHT = 176, 28
BAND = (6, 6, 170, 22)   # left, top, right, bottom (one past) at 100 %
WHITE_END = 4            # layout pixels of pure white at the band's left end
WHITE_BLEND = 8          # white fading into red
DARK_END = 14            # the last hue fading to black
MARKER_OFFSET = 6


def px(value, percent):
    """Windows' MulDiv(value, dpi, 96) for the DPI of `percent`."""
    dpi = 96 * percent // 100
    return (value * dpi * 2 + 96) // 192


def band_colour(u, v, left_white, blend, dark):
    """The band's colour at column fraction u (0..1 over the band's width in pixels given
    by the three lengths) and row fraction v (0 top .. 1 bottom)."""
    if u < left_white:
        return (255, 255, 255)
    if u < left_white + blend:
        k = (u - left_white) / blend
        base = (1.0, 1.0 - k, 1.0 - k)
    elif u > 1 - dark:
        k = (u - (1 - dark)) / dark
        base = tuple(c * (1 - k) for c in colorsys.hsv_to_rgb(0.0, 1.0, 1.0))
    else:
        hue = (u - left_white - blend) / (1 - dark - left_white - blend)
        base = colorsys.hsv_to_rgb(hue % 1.0, 1.0, 1.0)
        # Rows: lighter at the top, deeper at the bottom, pure hue in the middle.
        if v < 0.5:
            lift = (0.5 - v) / 0.5 * 0.30
            base = tuple(c + (1 - c) * lift for c in base)
        else:
            deep = (v - 0.5) / 0.5 * 0.35
            base = tuple(c * (1 - deep) for c in base)
    colour = tuple(min(254, round(c * 255)) for c in base)
    return colour


def strip(percent):
    w, h = px(WIDTH, percent), px(HEIGHT, percent)
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    line = max(1, percent // 100)
    left, top, right, bottom = (px(v, percent) for v in BAND)
    # The bezel: black with a lit inner edge, one line in from the picture's border.
    for x in range(line, w - line):
        for y in range(line, h - line):
            image.putpixel((x, y), (10, 11, 13, 255))
    for x in range(left - line, right + line):
        image.putpixel((x, top - line), (4, 5, 6, 255))
        image.putpixel((x, bottom), (54, 60, 69, 255))
    band_w, band_h = right - left, bottom - top
    lw, bl, dk = (px(WHITE_END, percent) / band_w, px(WHITE_BLEND, percent) / band_w, px(DARK_END, percent) / band_w)
    for x in range(band_w):
        u = (x + 0.5) / band_w
        for y in range(band_h):
            v = y / max(1, band_h - 1)
            image.putpixel((left + x, top + y), band_colour(u, v, lw, bl, dk) + (255,))
    return image


def marker(percent):
    offset = px(MARKER_OFFSET, percent)
    size = 2 * offset + 1
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, size, size)
    ctx = cairo.Context(surface)
    c = offset + 0.5
    r = offset - max(1.0, percent / 100 * 1.2)
    ctx.arc(c, c, r, 0, 2 * math.pi)
    ctx.set_line_width(percent / 100 * 3.2)
    ctx.set_source_rgba(0.04, 0.04, 0.05, 0.9)
    ctx.stroke()
    ctx.arc(c, c, r, 0, 2 * math.pi)
    ctx.set_line_width(percent / 100 * 1.4)
    ctx.set_source_rgba(0.98, 0.98, 0.98, 1.0)
    ctx.stroke()
    surface.flush()
    # Cairo keeps premultiplied BGRA; PNG wants straight RGBA.
    data = surface.get_data()
    image = Image.new("RGBA", (size, size))
    stride = surface.get_stride()
    for y in range(size):
        for x in range(size):
            b, g, rr, a = data[y * stride + 4 * x: y * stride + 4 * x + 4]
            if a:
                image.putpixel((x, y), (min(255, rr * 255 // a), min(255, g * 255 // a), min(255, b * 255 // a), a))
    return image


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for percent in SCALES:
        strip(percent).save(os.path.join(out, f"colour_strip@{percent}.png"))
        marker(percent).save(os.path.join(out, f"colour_strip_marker@{percent}.png"))


if __name__ == "__main__":
    main()
