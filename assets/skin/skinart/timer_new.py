"""The new-timer dialog: a title strip, the name and seconds fields sunk into the body, a
stopwatch beside them and the button bar of OK and Cancel."""
import math

import cairo

from . import form_dialog as form
from . import theme as t
from .theme import Corners, Rect

LOOKS = form.LOOKS
STATIC = dict(form.STATIC, name=form.field, seconds=form.number_field)
shape = form.shape
frame = form.frame


def stopwatch(ctx, box, sc):
    """A stopwatch counting down: a ring of ticks, the time left as a lit arc and a hand at
    its end, the crown on top."""
    r = min(box.w, box.h) / 2 - sc.f(6)
    cx, cy = box.cx, box.cy + sc.f(5)
    t.radial_glow(ctx, cx, cy, r * 1.35, r * 1.35, t.with_alpha(t.ACCENT, 0.10))
    crown = Rect(round(cx - sc.f(6)), round(cy - r - sc.f(9)), round(cx + sc.f(6)), round(cy - r - sc.f(3)))
    t.fill_shape(ctx, crown, Corners(sc.f(2), sc.f(2), 0, 0), t.EDGE_HI)
    t.fill_shape(ctx, Rect(round(cx - sc.f(2)), crown.b, round(cx + sc.f(2)), round(cy - r + sc.f(1))), Corners(),
                 t.EDGE)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    t.source(ctx, t.EDGE)
    ctx.fill()
    ctx.arc(cx, cy, r - sc.f(3), 0, 2 * math.pi)
    ctx.set_source(t.vertical(cy - r, cy + r, t.hex_colour("15181c"), t.hex_colour("0c0d10")))
    ctx.fill()
    ctx.save()
    for i in range(60):
        angle = -math.pi / 2 + i * math.pi / 30
        major = i % 5 == 0
        outer, inner = r - sc.f(6), r - sc.f(12 if major else 9)
        ctx.move_to(cx + outer * math.cos(angle), cy + outer * math.sin(angle))
        ctx.line_to(cx + inner * math.cos(angle), cy + inner * math.sin(angle))
        ctx.set_line_width(max(1.0, sc.f(1.6 if major else 0.9)))
        t.source(ctx, t.GLYPH if major else t.EDGE_HI)
        ctx.stroke()
    # The time left: two thirds of the round, lit.
    left = 2 * math.pi * 0.68
    start, end = -math.pi / 2, -math.pi / 2 + left
    ctx.set_line_width(sc.f(3))
    ctx.set_line_cap(cairo.LINE_CAP_BUTT)
    ctx.arc(cx, cy, r - sc.f(16), start, end)
    ctx.set_source(t.horizontal(cx - r, cx + r, t.ACCENT_SOFT, t.ACCENT))
    ctx.stroke()
    hand = r - sc.f(20)
    ctx.set_line_width(max(1.5, sc.f(2)))
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.move_to(cx, cy)
    ctx.line_to(cx + hand * math.cos(end), cy + hand * math.sin(end))
    t.source(ctx, t.TEXT_HI)
    ctx.stroke()
    ctx.restore()
    ctx.arc(cx, cy, sc.f(3.5), 0, 2 * math.pi)
    t.source(ctx, t.ACCENT)
    ctx.fill()


def background(ctx, art):
    form.body(ctx, art)
    form.rule(ctx, art, "label.name", "name", "name")
    stopwatch(ctx, art.rect("art.dial"), art.sc)
