"""The language chooser: a narrow pop-up with a title strip and a column of item rows."""
import math

from . import popup
from . import theme as t

CORNER = 4


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, popup.corners(art, CORNER))


def background(ctx, art):
    sc = art.sc
    popup.body(ctx, art, CORNER)
    title = art.rect("art.title")
    popup.title_strip(ctx, art, title)
    r = title.h * 0.3
    popup.globe(ctx, title.l + sc.px(12), title.cy - sc.f(0.5), r, sc, t.ACCENT_SOFT)
    popup.speed_marks(ctx, title.r - sc.px(8), title.t + sc.px(5), title.b - sc.px(6), sc)
    # Faint rules in the gaps between the rows.
    items = sorted(art.rects("item"), key=lambda r: r.t)
    for upper, lower in zip(items, items[1:]):
        y = math.floor((upper.b + lower.t) / 2)
        ctx.set_source(t.horizontal(upper.l, upper.r, t.with_alpha(t.EDGE, 0), t.EDGE, t.with_alpha(t.EDGE, 0)))
        ctx.rectangle(upper.l, y, upper.w, sc.line())
        ctx.fill()


def frame(ctx, art):
    popup.rim(ctx, art, CORNER)
