"""The timeline editor, a child window on the macro manager's editor plate: a tool strip
along its top with the zoom buttons at its right end, the recesses of the key column, the
time scale, the bar band and the two scroll bars, joined in one grid, and the Add and
Delete buttons at its foot.

The band's recess carries faint stripes, one every BAND_ROW layout pixels from its top, so
the bars the program draws read row by row. The key names, the scale's ticks, the bars and
every text are the program's; the buttons carry their icons and no label."""
import math

import cairo

from . import controls
from . import theme as t
from .macro_manager import editor_plate
from .theme import Corners, Rect

BAND_ROW = 15
WELL = t.hex_colour("0c0e11")


# ---- background -------------------------------------------------------------------------

def tool_strip(ctx, art):
    """A darker strip under the plate's top edge, down to the captions' top."""
    sc = art.sc
    line = sc.line()
    bottom = art.rect("label.keys").t - line
    strip = Rect(line, line, art.width - line, bottom)
    t.fill_shape(ctx, strip, Corners(), t.vertical(strip.t, strip.b, t.hex_colour("1b1e23"), t.hex_colour("15171b")))
    t.hatch(ctx, strip, sc.f(4), t.with_alpha(t.WHITE, 0.015), sc.f(1))
    t.hline(ctx, strip.l, strip.r, strip.b - line, line, t.BLACK)
    ctx.set_source(t.horizontal(strip.l, strip.r, t.with_alpha(t.ACCENT, 0.05), t.with_alpha(t.ACCENT, 0.35),
                                t.with_alpha(t.ACCENT, 0.6)))
    ctx.rectangle(strip.l, strip.b - 2 * line, strip.w, line)
    ctx.fill()


def recess(ctx, rect, sc):
    """A recess just round `rect`: its rim lies in the gap beside the area, the inside plain."""
    controls.recessed(ctx, rect.inset(-sc.line()), sc, WELL)


def band_stripes(ctx, art):
    sc = art.sc
    band = art.table.get("band")
    rows = band.h // BAND_ROW
    for row in range(1, rows, 2):
        stripe = sc.box(band.x, band.y + row * BAND_ROW, band.w, BAND_ROW)
        t.fill_shape(ctx, stripe, Corners(), t.with_alpha(t.WHITE, 0.028))
    # A hairline under every row, fainter than the stripes.
    for row in range(1, rows):
        y = sc.px(band.y + row * BAND_ROW) - sc.line()
        t.hline(ctx, sc.px(band.x), sc.px(band.x + band.w), y, sc.line(), t.with_alpha(t.WHITE, 0.02))


def background(ctx, art):
    sc = art.sc
    editor_plate(ctx, art.bounds, sc)
    tool_strip(ctx, art)
    for role in ("label.keys", "scale", "keys", "band", "vscroll", "hscroll"):
        recess(ctx, art.rect(role), sc)
    # The cells beside the scale and where the scroll bars meet close the grid.
    vscroll, hscroll, scale = art.rect("vscroll"), art.rect("hscroll"), art.rect("scale")
    recess(ctx, Rect(vscroll.l, scale.t, vscroll.r, scale.b), sc)
    recess(ctx, Rect(vscroll.l, hscroll.t, vscroll.r, hscroll.b), sc)
    band_stripes(ctx, art)


# ---- looks ------------------------------------------------------------------------------

def ink_for(state):
    return {"normal": t.hex_colour("c9ced6"), "hover": t.TEXT_HI, "pressed": t.ACCENT_SOFT,
            "disabled": t.hex_colour("3a3e45")}[state]


def pair_face(ctx, rect, sc, state, first):
    """One of two buttons that stand side by side: together they have the dialog button's
    cut corners, the first its top left one, the second its bottom right one."""
    c = sc.f(5)
    corners = Corners(c, 0, 0, 0) if first else Corners(0, 0, c, 0)
    inner = controls.face(ctx, rect, sc, state, corners)
    controls.accent_bar(ctx, inner.l + sc.px(4), inner.r - sc.px(4), inner.b - sc.line(2), sc, state)
    return inner


def plus_minus(ctx, cx, cy, arm, thick, colour, plus):
    x0, y0 = round(cx - arm), round(cy - thick / 2)
    t.source(ctx, colour)
    ctx.rectangle(x0, y0, round(cx + arm) - x0, thick)
    if plus:
        x1, y1 = round(cx - thick / 2), round(cy - arm)
        ctx.rectangle(x1, y1, thick, round(cy + arm) - y1)
    ctx.fill()


def add(ctx, rect, sc, state, placement=None, art=None):
    inner = pair_face(ctx, rect, sc, state, True)
    plus_minus(ctx, inner.cx, inner.cy - sc.f(0.5), sc.f(5), sc.line(2), ink_for(state), True)


def delete(ctx, rect, sc, state, placement=None, art=None):
    inner = pair_face(ctx, rect, sc, state, False)
    plus_minus(ctx, inner.cx, inner.cy - sc.f(0.5), sc.f(5), sc.line(2), ink_for(state), False)


def magnifier(ctx, inner, sc, colour, plus):
    """A lens with its handle to the lower right, a plus or a minus in the lens."""
    r = sc.f(5)
    cx, cy = inner.cx - sc.f(1.5), inner.cy - sc.f(1.5)
    ctx.save()
    t.source(ctx, colour)
    ctx.set_line_width(max(1.0, sc.f(1.5)))
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.stroke()
    ctx.set_line_width(max(1.5, sc.f(2.4)))
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    a = math.pi / 4
    ctx.move_to(cx + (r + sc.f(0.8)) * math.cos(a), cy + (r + sc.f(0.8)) * math.sin(a))
    ctx.line_to(cx + (r + sc.f(4.5)) * math.cos(a), cy + (r + sc.f(4.5)) * math.sin(a))
    ctx.stroke()
    ctx.restore()
    plus_minus(ctx, cx, cy, sc.f(2.5), sc.line(), colour, plus)


def zoom(ctx, rect, sc, state, placement=None, art=None):
    """Zoom out (the first of the pair) and zoom in: a magnifier with a minus or a plus."""
    zoom_in = placement is not None and placement.role == "zoom.in"
    inner = pair_face(ctx, rect, sc, state, not zoom_in)
    magnifier(ctx, inner, sc, ink_for(state), zoom_in)


LOOKS = {"add": add, "delete": delete, "zoom": zoom}
# The program draws the key names, the scale and the bars, and puts standard scroll bars
# on their places; the recesses under them are the background's.
STATIC = {"label": controls.nothing, "scale": controls.nothing, "keys": controls.nothing, "band": controls.nothing,
          "vscroll": controls.nothing, "hscroll": controls.nothing}
