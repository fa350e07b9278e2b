"""The Orvix One from above with its buttons as parts of their own, for the button page:
the shell of the lighting page's mouse (mouse_light.py), the two side buttons under the
thumb and the two DPI buttons behind the wheel added to it. A part is drawn at rest, lit
(the button a picture points at) or held (the Altlayer key that is pressed).

The parts by slot: 0 left button, 1 right button, 2 the wheel pressed, 3 the front side
button, 4 the rear one, 7 and 8 the wheel turned up and down, 9 and 10 the DPI buttons;
5, 6 and 11 have no button on the mouse and no part."""
import math

import cairo

from . import theme as t
from .mouse_light import body_path, mouse

SLOT_PARTS = {0: "left", 1: "right", 2: "wheel", 3: "side.front", 4: "side.rear", 7: "wheel", 8: "wheel",
              9: "dpi.up", 10: "dpi.down"}
# What the wheel's slots show beside the lit wheel.
WHEEL_SIGNS = {2: "press", 7: "up", 8: "down"}

LIT_TOP = t.ACCENT_SOFT
LIT = t.ACCENT
# The held key: light steel with dark stripes, nothing like the accent of the lit button.
HELD = t.hex_colour("c7ced8")
HELD_STRIPE = t.hex_colour("6b7380")


class Mouse:
    """The mouse's geometry: its top at `top`, `h` long and 0.6 h wide (the lighting page's
    proportions), the side buttons on the left flank (right hand) or on the right."""

    def __init__(self, cx, top, h, left_handed=False):
        self.cx, self.top, self.h = cx, top, h
        self.w = h * 0.60
        self.side = 1 if left_handed else -1

    def y(self, fraction):
        return self.top + self.h * fraction

    def x(self, fraction):
        return self.cx + self.w * fraction

    def wheel(self):
        return t.Rect(math.floor(self.x(-0.05)), math.floor(self.y(0.10)), math.ceil(self.x(0.05)),
                      math.ceil(self.y(0.25)))

    def dpi(self, which):
        top = {"dpi.up": 0.365, "dpi.down": 0.415}[which]
        return t.Rect(math.floor(self.x(-0.065)), math.floor(self.y(top)), math.ceil(self.x(0.065)),
                      math.ceil(self.y(top + 0.038)))

    def side_button(self, which):
        """A pad standing a little out of the flank."""
        top = {"side.front": 0.395, "side.rear": 0.505}[which]
        outer, inner = self.x(0.535 * self.side), self.x(0.43 * self.side)
        return t.Rect(math.floor(min(outer, inner)), math.floor(self.y(top)), math.ceil(max(outer, inner)),
                      math.ceil(self.y(top + 0.095)))

    def main_button_path(self, ctx, which):
        """The left or right button: the shell in front of the grooves on its side of the split."""
        s = -1 if which == "left" else 1
        cx = self.cx
        ctx.move_to(cx, self.top - 1)
        ctx.line_to(cx, self.y(0.34))
        ctx.line_to(self.x(0.18 * s), self.y(0.34))
        ctx.curve_to(self.x(0.30 * s), self.y(0.36), self.x(0.40 * s), self.y(0.36), self.x(0.47 * s), self.y(0.30))
        ctx.line_to(self.x(0.62 * s), self.y(0.26))
        ctx.line_to(self.x(0.62 * s), self.top - 1)
        ctx.close_path()


def draw(ctx, m, sc, lit=None, held=(), glow=0.3):
    """The mouse with the part of slot `lit` (or none) lit and the side buttons in `held`
    ("side.front", "side.rear") shown as held."""
    line = max(1.0, sc.f(1.1))
    mouse(ctx, m.cx, m.top, m.w, m.h, t.ACCENT, glow, line)
    part = SLOT_PARTS.get(lit)
    if part in ("left", "right"):
        main_button(ctx, m, sc, part)
    for which in ("dpi.up", "dpi.down"):
        small_button(ctx, m.dpi(which), sc, "lit" if part == which else "rest")
    for which in ("side.front", "side.rear"):
        small_button(ctx, m.side_button(which), sc, "lit" if part == which else "rest")
        if which in held:
            held_mark(ctx, m, m.side_button(which), sc)
    if part == "wheel":
        lit_wheel(ctx, m, sc, WHEEL_SIGNS[lit])


def lit_glow(ctx, rect, sc, strength=0.55):
    t.radial_glow(ctx, rect.cx, rect.cy, rect.w / 2 + sc.f(10), rect.h / 2 + sc.f(10),
                  t.with_alpha(LIT, strength))


def main_button(ctx, m, sc, which):
    ctx.save()
    body_path(ctx, m.cx, m.top, m.w, m.h)
    ctx.clip()
    m.main_button_path(ctx, which)
    ctx.set_source(t.vertical(m.top, m.y(0.36), t.with_alpha(LIT_TOP, 0.85), t.with_alpha(LIT, 0.55)))
    ctx.fill()
    # The button's edge along the split and the groove, lit brighter than its face.
    m.main_button_path(ctx, which)
    ctx.set_line_width(max(1.5, sc.f(2)))
    t.source(ctx, LIT_TOP)
    ctx.stroke()
    ctx.restore()
    # The wheel stays dark in front of the lit button, so the two read apart.
    wheel = m.wheel()
    t.fill_shape(ctx, wheel.inset(-sc.line()), t.Corners.all(wheel.w * 0.35), t.hex_colour("0b0c0f"))
    t.fill_shape(ctx, wheel, t.Corners.all(wheel.w * 0.35), t.hex_colour("2a2e35"))


def small_button(ctx, rect, sc, look):
    """A DPI or side button: a pill with a dark rim."""
    corners = t.Corners.all(min(rect.w, rect.h) * 0.32)
    line = sc.line()
    if look == "lit":
        lit_glow(ctx, rect, sc)
        t.fill_shape(ctx, rect, corners, LIT_TOP)
        inner = rect.inset(line)
        t.fill_shape(ctx, inner, corners.shrunk(line), t.vertical(inner.t, inner.b, LIT_TOP, LIT))
        return
    t.fill_shape(ctx, rect, corners, t.hex_colour("0b0c0f"))
    inner = rect.inset(line)
    t.fill_shape(ctx, inner, corners.shrunk(line), t.vertical(inner.t, inner.b, t.hex_colour("3a404a"),
                                                             t.hex_colour("23272e")))
    t.hline(ctx, inner.l + line, inner.r - line, inner.t, line, t.with_alpha(t.WHITE, 0.12))


def held_mark(ctx, m, rect, sc):
    """A held side button: striped steel, and the thumb's press as an arrow from outside."""
    corners = t.Corners.all(min(rect.w, rect.h) * 0.32)
    line = sc.line()
    grown = rect.inset(-sc.line(2))
    t.fill_shape(ctx, grown, t.Corners.all(min(grown.w, grown.h) * 0.32), HELD)
    inner = rect.inset(line)
    t.fill_shape(ctx, inner, corners.shrunk(line), HELD)
    ctx.save()
    t.chamfer_path(ctx, inner, corners.shrunk(line))
    ctx.clip()
    t.hatch(ctx, inner, sc.f(4), HELD_STRIPE, sc.f(1.4))
    ctx.restore()
    # Two chevrons outside the flank, pointing at the button.
    cy = rect.cy
    tip = (rect.l - sc.f(4)) if m.side < 0 else (rect.r + sc.f(4))
    reach = sc.f(5)
    ctx.save()
    ctx.set_line_width(max(1.5, sc.f(2)))
    ctx.set_line_cap(cairo.LINE_CAP_SQUARE)
    ctx.set_line_join(cairo.LINE_JOIN_MITER)
    t.source(ctx, HELD)
    for k in range(2):
        x = tip + m.side * (k * sc.f(5))
        ctx.move_to(x + m.side * reach, cy - reach)
        ctx.line_to(x, cy)
        ctx.line_to(x + m.side * reach, cy + reach)
        ctx.stroke()
    ctx.restore()


def lit_wheel(ctx, m, sc, sign):
    wheel = m.wheel()
    lit_glow(ctx, wheel, sc, 0.6)
    corners = t.Corners.all(wheel.w * 0.35)
    t.fill_shape(ctx, wheel.inset(-sc.line()), corners, t.hex_colour("0b0c0f"))
    t.fill_shape(ctx, wheel, corners, t.vertical(wheel.t, wheel.b, LIT_TOP, LIT))
    # The wheel's ribs, dark across the lit tyre.
    step = max(2, sc.px(3))
    for y in range(wheel.t + step, wheel.b - 1, step):
        t.hline(ctx, wheel.l + sc.line(), wheel.r - sc.line(), y, sc.line(), t.with_alpha(t.BLACK, 0.35))
    ctx.save()
    ctx.set_line_width(max(1.5, sc.f(2)))
    ctx.set_line_cap(cairo.LINE_CAP_SQUARE)
    ctx.set_line_join(cairo.LINE_JOIN_MITER)
    t.source(ctx, LIT_TOP)
    half = sc.f(5)
    if sign == "up":
        for k in range(2):
            y = wheel.t - sc.f(4) - k * sc.f(5)
            ctx.move_to(wheel.cx - half, y)
            ctx.line_to(wheel.cx, y - half)
            ctx.line_to(wheel.cx + half, y)
            ctx.stroke()
    elif sign == "down":
        for k in range(2):
            y = wheel.b + sc.f(4) + k * sc.f(5)
            ctx.move_to(wheel.cx - half, y)
            ctx.line_to(wheel.cx, y + half)
            ctx.line_to(wheel.cx + half, y)
            ctx.stroke()
    else:
        # Pressed down: rings spreading round the wheel.
        for k, alpha in ((1, 0.9), (2, 0.45)):
            grow = sc.f(3.5) * k
            box = t.Rect(round(wheel.l - grow), round(wheel.t - grow), round(wheel.r + grow), round(wheel.b + grow))
            t.source(ctx, t.with_alpha(LIT_TOP, alpha))
            ctx.set_line_width(max(1.0, sc.f(1.3)))
            t.chamfer_path(ctx, box, t.Corners.all(box.w * 0.4))
            ctx.stroke()
    ctx.restore()
