"""The profile dialog: a title strip, the name and program fields sunk into the body, small
browse buttons beside the programs, and the button bar of OK and Cancel."""
from . import controls, popup
from . import theme as t
from .theme import Corners, Rect

CORNER = 8


def browse(ctx, rect, sc, state, placement=None, art=None):
    """A small button with three dots: the program is looked for on disk."""
    controls.dialog_button(ctx, rect, sc, state, placement, art)
    ink = t.TEXT_HI if state != "disabled" else t.hex_colour("5a5f66")
    dot = max(2, sc.px(2))
    gap = max(2, sc.px(3))
    x = round(rect.cx - (3 * dot + 2 * gap) / 2)
    y = round(rect.cy + dot / 2)
    for i in range(3):
        t.fill_shape(ctx, Rect(x + i * (dot + gap), y, x + i * (dot + gap) + dot, y + dot), Corners(), ink)


def field(ctx, rect, sc, placement=None, art=None):
    controls.recessed(ctx, rect.inset(-sc.px(3), -sc.px(2)), sc)


LOOKS = {"browse": browse, "ok": controls.dialog_button, "cancel": controls.dialog_button, "exit": controls.close}
STATIC = {"name": field, "program": field, "label": controls.nothing, "hint": controls.nothing}


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, popup.corners(art, CORNER))


def background(ctx, art):
    sc = art.sc
    popup.body(ctx, art, CORNER)
    popup.title_strip(ctx, art, art.rect("art.title"))
    # An accent line under the name, the heart of the dialog.
    name = art.rect("name")
    t.hline(ctx, art.rect("label.name").l, name.r + sc.px(3), name.b + sc.px(8), sc.line(), t.hex_colour("24282e"))
    buttons = art.union(["ok", "cancel"])
    bar = Rect(0, buttons.t - sc.px(10), art.width, art.height)
    t.fill_shape(ctx, bar, Corners(), t.vertical(bar.t, bar.b, t.hex_colour("101215"), t.hex_colour("0c0d10")))
    t.hline(ctx, bar.l, bar.r, bar.t, sc.line(), t.BLACK)
    t.hline(ctx, bar.l, bar.r, bar.t + sc.line(), sc.line(), t.hex_colour("24282e"))
    popup.speed_marks(ctx, art.width - sc.px(20), buttons.t + sc.px(8), buttons.b - sc.px(8), sc)


def frame(ctx, art):
    popup.rim(ctx, art, CORNER)
