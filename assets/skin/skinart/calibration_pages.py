"""The calibration wizard's pages: the recess of the wizard with the frame of the sensor
image (a fine grid until the program draws the image into it), the frame of the running
bar, and the page's button, lit for the steps that go on."""
from . import controls
from . import theme as t
from .theme import Corners


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
    if art.has("art.progress"):
        controls.recessed(ctx, art.rect("art.progress").inset(-sc.line()), sc)


def go_on(ctx, rect, sc, state, placement=None, art=None):
    controls.accent_button(ctx, rect, sc, state, Corners(sc.f(6), 0, sc.f(6), 0))


LOOKS = {"button": go_on}
