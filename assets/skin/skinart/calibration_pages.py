"""The calibration wizard's pages: the recess of the wizard with the frame of the sensor
image (a fine grid until the program draws the image into it), the frame of the running
bar, and the page's button, lit for the steps that go on."""
import math

from . import controls
from . import theme as t
from .theme import Corners, Rect


def background(ctx, art):
    sc = art.sc
    t.fill_shape(ctx, art.bounds, Corners(), t.vertical(0, art.height, t.RECESS, t.hex_colour("0c0d10")))
    if art.has("art.image"):
        image = art.rect("art.image")
        controls.recessed(ctx, image, sc, t.hex_colour("07080a"))
        inner = image.inset(sc.line(2))
        step = max(2, inner.w // 15)
        for x in range(inner.l + step, inner.r, step):
            t.vline(ctx, x, inner.t, inner.b, 1, t.with_alpha(t.ACCENT, 0.07))
        for y in range(inner.t + step, inner.b, step):
            t.hline(ctx, inner.l, inner.r, y, 1, t.with_alpha(t.ACCENT, 0.07))
    if art.has("art.figure"):
        figure(ctx, art.rect("art.figure"), sc)
    if art.has("art.progress"):
        controls.recessed(ctx, art.rect("art.progress").inset(-sc.line()), sc)


def figure(ctx, box, sc):
    """A mouse on its pad, circling: what the user does while the wizard measures."""
    pad = Rect(box.l, box.t + round(box.h * 0.45), box.r, box.b)
    ctx.save()
    t.polygon(ctx, [(pad.l + pad.w * 0.12, pad.t), (pad.r - pad.w * 0.12, pad.t), (pad.r, pad.b), (pad.l, pad.b)])
    ctx.set_source(t.vertical(pad.t, pad.b, t.hex_colour("1b1f25"), t.hex_colour("111317")))
    ctx.fill_preserve()
    t.source(ctx, t.EDGE)
    ctx.set_line_width(sc.line())
    ctx.stroke()
    # The circling path, dashed in the accent.
    cx, cy = box.cx, pad.t + pad.h * 0.5
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(box.w * 0.30, pad.h * 0.32)
    ctx.arc(0, 0, 1, 0.3, 2 * math.pi - 0.3)
    ctx.restore()
    ctx.set_dash([sc.f(4), sc.f(3)])
    ctx.set_line_width(max(1.0, sc.f(1.5)))
    t.source(ctx, t.with_alpha(t.ACCENT, 0.8))
    ctx.stroke()
    ctx.set_dash([])
    # The mouse: a rounded body with its wheel, above the path's start.
    mw, mh = box.w * 0.16, box.h * 0.62
    mx, my = cx + box.w * 0.22 - mw / 2, cy - mh * 0.82
    ctx.new_path()
    ctx.arc(mx + mw / 2, my + mw / 2, mw / 2, math.pi, 0)
    ctx.line_to(mx + mw, my + mh - mw / 2)
    ctx.arc(mx + mw / 2, my + mh - mw / 2, mw / 2, 0, math.pi)
    ctx.close_path()
    ctx.set_source(t.vertical(my, my + mh, t.RAISED, t.RAISED_LOW))
    ctx.fill_preserve()
    t.source(ctx, t.ACCENT_SOFT)
    ctx.set_line_width(max(1.0, sc.f(1.2)))
    ctx.stroke()
    t.fill_shape(ctx, Rect(round(mx + mw / 2 - sc.f(1.5)), round(my + mh * 0.14), round(mx + mw / 2 + sc.f(1.5)),
                           round(my + mh * 0.3)), Corners(), t.ACCENT)
    ctx.restore()


def go_on(ctx, rect, sc, state, placement=None, art=None):
    controls.accent_button(ctx, rect, sc, state, Corners(sc.f(6), 0, sc.f(6), 0))


LOOKS = {"button": go_on}
