"""The acceptance dialogs (the lift-off trial's and the calibration's): a title strip, the
question, the frame of the time bar and a button bar with Cancel and the lit Accept."""
from . import controls, popup
from . import theme as t
from .theme import Corners, Rect

CORNER = 8


def accept(ctx, rect, sc, state, placement=None, art=None):
    controls.accent_button(ctx, rect, sc, state, Corners(sc.f(6), 0, sc.f(6), 0))


LOOKS = {"accept": accept, "cancel": controls.dialog_button, "exit": controls.close}


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, popup.corners(art, CORNER))


def background(ctx, art):
    sc = art.sc
    popup.body(ctx, art, CORNER)
    popup.title_strip(ctx, art, art.rect("art.title"))
    # The time bar sits in a recess; the program fills it.
    bar = art.rect("art.progress")
    controls.recessed(ctx, bar.inset(-sc.line(2)), sc)
    buttons = art.union(["accept", "cancel"])
    strip = Rect(0, buttons.t - sc.px(12), art.width, art.height)
    t.fill_shape(ctx, strip, Corners(), t.vertical(strip.t, strip.b, t.hex_colour("101215"), t.hex_colour("0c0d10")))
    t.hline(ctx, strip.l, strip.r, strip.t, sc.line(), t.BLACK)
    t.hline(ctx, strip.l, strip.r, strip.t + sc.line(), sc.line(), t.hex_colour("24282e"))
    popup.speed_marks(ctx, buttons.r + sc.px(48), buttons.t + sc.px(6), buttons.b - sc.px(6), sc)


def frame(ctx, art):
    popup.rim(ctx, art, CORNER)
