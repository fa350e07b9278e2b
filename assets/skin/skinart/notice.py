"""The notice: a title strip, an emblem beside the message, and a button bar."""
from . import controls, popup
from . import theme as t
from .lettering import letter
from .theme import Corners, Rect

CORNER = 8

# The close button sits on the title strip; the buttons of the bar (OK of a notice, Yes
# and No of a question) have the one look.
LOOKS = {"ok": controls.dialog_button, "yes": controls.dialog_button, "no": controls.dialog_button}


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, popup.corners(art, CORNER))


def emblem(ctx, box, sc):
    """An octagonal accent ring around a lettered "i"."""
    c = box.w * 0.3
    ring = sc.line(2)
    t.fill_shape(ctx, box, Corners.all(c), t.vertical(box.t, box.b, t.ACCENT_SOFT, t.ACCENT_DEEP))
    inner = box.inset(ring)
    t.fill_shape(ctx, inner, Corners.all(c).shrunk(ring), t.vertical(inner.t, inner.b, t.hex_colour("0f3344"),
                                                                  t.hex_colour("0a1a22")))
    stem = sc.line(3)
    x = round(box.cx - stem / 2)
    dot = Rect(x, round(box.t + box.h * 0.22), x + stem, round(box.t + box.h * 0.22) + stem)
    t.fill_shape(ctx, dot, Corners(), t.TEXT_HI)
    letter(ctx, "I", x, dot.b + sc.px(2), round(box.b - box.h * 0.22) - dot.b - sc.px(2), stem, t.TEXT_HI, snap=True)


def background(ctx, art):
    sc = art.sc
    popup.body(ctx, art, CORNER)
    title = art.rect("art.title")
    popup.title_strip(ctx, art, title)
    emblem(ctx, art.rect("art.icon"), sc)
    buttons = art.union(["yes", "no", "ok"])
    bar = Rect(0, buttons.t - sc.px(10), art.width, art.height)
    t.fill_shape(ctx, bar, Corners(), t.vertical(bar.t, bar.b, t.hex_colour("101215"), t.hex_colour("0c0d10")))
    t.hline(ctx, bar.l, bar.r, bar.t, sc.line(), t.BLACK)
    t.hline(ctx, bar.l, bar.r, bar.t + sc.line(), sc.line(), t.hex_colour("24282e"))
    popup.speed_marks(ctx, buttons.l - sc.px(14), buttons.t + sc.px(10), buttons.b - sc.px(10), sc)


def frame(ctx, art):
    popup.rim(ctx, art, CORNER)
