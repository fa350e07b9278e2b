"""The calibration wizard: a title strip, the introduction, the three steps joined by a
track, the recess in which its pages show, and Cancel on a button bar."""
from . import controls, popup
from . import theme as t
from .theme import Corners, Rect

CORNER = 4

LOOKS = {"cancel": controls.dialog_button, "exit": controls.close}


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, popup.corners(art, CORNER))


def steps(ctx, art):
    sc = art.sc
    rects = [art.rect(role) for role in ("title.first", "title.second", "title.finish")]
    y = rects[0].b - sc.px(4)
    # The track under the step names, with a marker under each step.
    t.hline(ctx, rects[0].l, rects[-1].r, y, sc.line(2), t.EDGE_DIM)
    for r in rects:
        t.hline(ctx, r.l + sc.px(8), r.r - sc.px(8), y, sc.line(2), t.EDGE)
        mark = Rect(round(r.cx) - sc.px(3), y - sc.px(2), round(r.cx) + sc.px(3), y + sc.px(4))
        t.fill_shape(ctx, mark, Corners.all(sc.f(2)), t.with_alpha(t.ACCENT, 0.6))
    for left, right in zip(rects, rects[1:]):
        x = round((left.r + right.l) / 2)
        h = sc.px(6)
        ctx.save()
        t.source(ctx, t.with_alpha(t.ACCENT, 0.55))
        ctx.set_line_width(max(1.0, sc.f(1.5)))
        ctx.move_to(x - h / 2, left.cy - h)
        ctx.line_to(x + h / 2, left.cy)
        ctx.line_to(x - h / 2, left.cy + h)
        ctx.stroke()
        ctx.restore()


def background(ctx, art):
    sc = art.sc
    popup.body(ctx, art, CORNER)
    popup.title_strip(ctx, art, art.rect("art.title"))
    steps(ctx, art)
    page = art.rect("art.page")
    controls.recessed(ctx, page.inset(-sc.line(2)), sc)
    cancel = art.rect("cancel")
    strip = Rect(0, cancel.t - sc.px(6), art.width, art.height)
    t.fill_shape(ctx, strip, Corners(), t.vertical(strip.t, strip.b, t.hex_colour("101215"), t.hex_colour("0c0d10")))
    t.hline(ctx, strip.l, strip.r, strip.t, sc.line(), t.BLACK)
    popup.speed_marks(ctx, art.width - sc.px(20), cancel.t + sc.px(6), cancel.b - sc.px(6), sc)


def frame(ctx, art):
    popup.rim(ctx, art, CORNER)
