"""The theme's colours and the drawing primitives every piece of art is made of.

All drawing happens in device pixels: a Scale turns 96-DPI layout units into pixels, and
edges are snapped to whole pixels so that 1-px details stay crisp at every scale."""
import math
from dataclasses import dataclass

import cairo

from .layout import device_rect, mul_div


def hex_colour(text, alpha=1.0):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) / 255 for i in (0, 2, 4)) + (alpha,)


def with_alpha(colour, alpha):
    return colour[:3] + (alpha,)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


# Graphite surfaces from the deepest recess to the raised faces. Nothing in the art is
# brighter than TEXT_HI, so no pixel inside a window shape can be taken for the white
# that marks the outside.
BLACK = hex_colour("0a0b0d")
RECESS = hex_colour("0e1013")
PANEL = hex_colour("121418")
BODY = hex_colour("17191d")
BODY_LOW = hex_colour("111316")
RAISED = hex_colour("262a31")
RAISED_LOW = hex_colour("1c1f24")
EDGE = hex_colour("363c45")
EDGE_DIM = hex_colour("262a30")
EDGE_HI = hex_colour("4c535e")
GLYPH = hex_colour("9aa1ab")
CAPTION = hex_colour("646b75")
TEXT_HI = hex_colour("e6e9ee")

# The one accent: an electric cyan, and its deep tone for faces that carry white labels.
ACCENT = hex_colour("1cc4ff")
ACCENT_SOFT = hex_colour("64d8ff")
ACCENT_DEEP = hex_colour("0a4661")
ACCENT_DARK = hex_colour("072f42")

WHITE = (1.0, 1.0, 1.0, 1.0)


class Scale:
    """A display scale in percent; px() rounds like the program's MulDiv."""

    def __init__(self, percent):
        self.percent = percent
        self.s = percent / 100

    def px(self, value):
        if isinstance(value, int):
            return mul_div(value, self.percent)
        return math.floor(value * self.s + 0.5)

    def f(self, value):
        return value * self.s

    def line(self, width=1):
        """A crisp line thickness: whole pixels, never thinner than one."""
        return max(1, int(width * self.s + 1e-9))

    def rect(self, placement):
        return Rect(*device_rect(placement, self.percent))

    def box(self, x, y, w, h):
        """A rectangle given in layout units, snapped edge by edge."""
        return Rect(self.px(x), self.px(y), self.px(x + w), self.px(y + h))


@dataclass(frozen=True)
class Rect:
    l: int
    t: int
    r: int
    b: int

    @property
    def w(self):
        return self.r - self.l

    @property
    def h(self):
        return self.b - self.t

    @property
    def cx(self):
        return (self.l + self.r) / 2

    @property
    def cy(self):
        return (self.t + self.b) / 2

    def inset(self, dx, dy=None):
        dy = dx if dy is None else dy
        return Rect(self.l + dx, self.t + dy, self.r - dx, self.b - dy)

    def moved(self, dx, dy):
        return Rect(self.l + dx, self.t + dy, self.r + dx, self.b + dy)

    def union(self, other):
        return Rect(min(self.l, other.l), min(self.t, other.t), max(self.r, other.r), max(self.b, other.b))


@dataclass(frozen=True)
class Corners:
    """Chamfer sizes in device pixels, clockwise from the top left."""
    tl: float = 0
    tr: float = 0
    br: float = 0
    bl: float = 0

    def shrunk(self, d):
        # An inset outline of a 45-degree chamfer keeps its angle: the cut shortens by
        # (sqrt 2 - 1) for every pixel of inset.
        k = d * (math.sqrt(2) - 1)
        return Corners(*(max(0.0, c - k) if c else 0 for c in (self.tl, self.tr, self.br, self.bl)))

    @staticmethod
    def all(c):
        return Corners(c, c, c, c)


def source(ctx, colour):
    ctx.set_source_rgba(*colour)


def chamfer_path(ctx, rect, corners=Corners()):
    l, t, r, b = rect.l, rect.t, rect.r, rect.b
    c = corners
    ctx.move_to(l + c.tl, t)
    ctx.line_to(r - c.tr, t)
    ctx.line_to(r, t + c.tr)
    ctx.line_to(r, b - c.br)
    ctx.line_to(r - c.br, b)
    ctx.line_to(l + c.bl, b)
    ctx.line_to(l, b - c.bl)
    ctx.line_to(l, t + c.tl)
    ctx.close_path()


def polygon(ctx, points):
    ctx.move_to(*points[0])
    for point in points[1:]:
        ctx.line_to(*point)
    ctx.close_path()


def vertical(top, bottom, *stops):
    """A vertical gradient from evenly spread colour stops."""
    gradient = cairo.LinearGradient(0, top, 0, bottom)
    for i, colour in enumerate(stops):
        gradient.add_color_stop_rgba(i / (len(stops) - 1), *colour)
    return gradient


def horizontal(left, right, *stops):
    gradient = cairo.LinearGradient(left, 0, right, 0)
    for i, colour in enumerate(stops):
        gradient.add_color_stop_rgba(i / (len(stops) - 1), *colour)
    return gradient


def fill_shape(ctx, rect, corners, paint):
    chamfer_path(ctx, rect, corners)
    if isinstance(paint, tuple):
        source(ctx, paint)
    else:
        ctx.set_source(paint)
    ctx.fill()


def outline(ctx, rect, corners, colour, width):
    """A border of `width` pixels just inside the shape, drawn as a filled ring so that
    its edges sit on whole pixels."""
    ctx.save()
    ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    chamfer_path(ctx, rect, corners)
    chamfer_path(ctx, rect.inset(width), corners.shrunk(width))
    source(ctx, colour)
    ctx.fill()
    ctx.restore()


def inner_glow(ctx, rect, corners, colour, depth):
    """Light that fades from the shape's edge inwards over `depth` pixels."""
    for i in range(depth):
        alpha = colour[3] * (1 - i / depth) ** 2
        outline(ctx, rect.inset(i), corners.shrunk(i), with_alpha(colour, alpha), 1)


def hline(ctx, left, right, y, thickness, colour):
    source(ctx, colour)
    ctx.rectangle(left, y, right - left, thickness)
    ctx.fill()


def vline(ctx, x, top, bottom, thickness, colour):
    source(ctx, colour)
    ctx.rectangle(x, top, thickness, bottom - top)
    ctx.fill()


def hatch(ctx, rect, spacing, colour, width=1.0):
    """Fine diagonal lines, the carbon texture of the header plates."""
    ctx.save()
    ctx.rectangle(rect.l, rect.t, rect.w, rect.h)
    ctx.clip()
    source(ctx, colour)
    ctx.set_line_width(width)
    x = rect.l - rect.h
    while x < rect.r:
        ctx.move_to(x, rect.b)
        ctx.line_to(x + rect.h, rect.t)
        x += spacing
    ctx.stroke()
    ctx.restore()


def radial_glow(ctx, cx, cy, rx, ry, colour):
    """A soft elliptic pool of light."""
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(rx, ry)
    glow = cairo.RadialGradient(0, 0, 0, 0, 0, 1)
    glow.add_color_stop_rgba(0, *colour)
    glow.add_color_stop_rgba(1, *with_alpha(colour, 0))
    ctx.set_source(glow)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.fill()
    ctx.restore()
