"""The media-player dialog: a title strip, the drop-down of the players with a play sign
beside it, and the button bar of OK and Cancel."""
import math

from . import form_dialog as form
from . import theme as t

LOOKS = dict(form.LOOKS, player=form.dropdown)
STATIC = dict(form.STATIC)
shape = form.shape
frame = form.frame


def play_sign(ctx, box, sc):
    """A lit ring round a play triangle, with the bars of a level meter under it."""
    r = min(box.w, box.h) / 2 - sc.f(2)
    cx, cy = box.cx, box.cy
    t.radial_glow(ctx, cx, cy, r * 1.4, r * 1.4, t.with_alpha(t.ACCENT, 0.12))
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    t.source(ctx, t.ACCENT)
    ctx.fill()
    ctx.arc(cx, cy, r - sc.f(2.5), 0, 2 * math.pi)
    ctx.set_source(t.vertical(cy - r, cy + r, t.hex_colour("0f3344"), t.hex_colour("0a1a22")))
    ctx.fill()
    side = r * 0.9
    t.polygon(ctx, [(cx - side * 0.38, cy - side * 0.5), (cx + side * 0.55, cy), (cx - side * 0.38, cy + side * 0.5)])
    t.source(ctx, t.TEXT_HI)
    ctx.fill()


def background(ctx, art):
    form.body(ctx, art)
    play_sign(ctx, art.rect("art.emblem"), art.sc)
