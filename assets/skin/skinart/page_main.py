"""The main page. Its resting picture is the frame's page panel itself, so the page joins
the frame without a seam; the program draws the resting controls (grooves, thumbs, number
fields, choice rings) and the headings over it. The pictures of the other states carry
the looks: lit under the pointer, accent when chosen or pressed, grey when out of use.
Where a DPI level row stands, the other states show the row's own card in that state."""
import functools
import os

from . import controls
from . import dpi_level_row
from . import theme as t
from .layout import read_table
from .panel import page_panel
from .theme import Corners, Rect

ROW_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "option", "layout",
                         "dpi_level_row.layout")


def background(ctx, art):
    page_panel(ctx, art.bounds, art.sc)


@functools.lru_cache(maxsize=1)
def _row_table():
    return read_table(os.path.normpath(ROW_TABLE))


def ring(ctx, rect, sc):
    """The ring of a choice: a circle at the left end, centred in the height."""
    side = min(rect.h, sc.px(14))
    cx = rect.l + (min(rect.w, rect.h) - side) / 2 + side / 2
    return cx, rect.t + rect.h / 2, side / 2


def choice(ctx, rect, sc, state, placement=None, art=None):
    """A choice of the scroll section: the ring is lit under the pointer and carries the
    accent dot when chosen (the pressed picture is also the chosen look)."""
    if state == "normal":
        return
    cx, cy, r = ring(ctx, rect, sc)
    if state == "hover":
        ctx.set_source(t.horizontal(rect.l, rect.r, t.with_alpha(t.ACCENT, 0.12), t.with_alpha(t.ACCENT, 0)))
        ctx.rectangle(rect.l, rect.t, rect.w, rect.h)
        ctx.fill()
    edge = {"hover": t.ACCENT_SOFT, "pressed": t.ACCENT, "disabled": t.hex_colour("2a2d32")}[state]
    fill = {"hover": t.hex_colour("16323f"), "pressed": t.ACCENT_DARK, "disabled": t.hex_colour("141518")}[state]
    t.source(ctx, edge)
    ctx.arc(cx, cy, r, 0, 6.2832)
    ctx.fill()
    t.source(ctx, fill)
    ctx.arc(cx, cy, r - sc.line(), 0, 6.2832)
    ctx.fill()
    if state == "pressed":
        t.radial_glow(ctx, cx, cy, r * 1.6, r * 1.6, t.with_alpha(t.ACCENT, 0.35))
        t.source(ctx, t.ACCENT)
        ctx.arc(cx, cy, r * 0.45, 0, 6.2832)
        ctx.fill()


def field(ctx, rect, sc, state, placement=None, art=None):
    """Sliders and number boxes draw themselves; the pictures light a band behind them."""
    if state == "normal":
        return
    colour = {"hover": t.with_alpha(t.ACCENT, 0.10), "pressed": t.with_alpha(t.ACCENT, 0.2),
              "disabled": t.hex_colour("17181b")}[state]
    t.fill_shape(ctx, rect, Corners(), colour)
    edge = {"hover": t.with_alpha(t.ACCENT, 0.35), "pressed": t.with_alpha(t.ACCENT, 0.6),
            "disabled": t.hex_colour("222428")}[state]
    t.outline(ctx, rect, Corners(), edge, sc.line())


def test(ctx, rect, sc, state, placement=None, art=None):
    """The frame of the double-click test picture; the program draws the picture inside."""
    if state == "normal":
        return
    edge = {"hover": t.ACCENT_SOFT, "pressed": t.ACCENT, "disabled": t.hex_colour("2a2d32")}[state]
    t.fill_shape(ctx, rect, Corners(), edge)
    t.fill_shape(ctx, rect.inset(sc.line()), Corners(), t.RECESS)


def row(ctx, rect, sc, state, placement=None, art=None):
    if state == "normal":
        return
    dpi_level_row.row_in_state(ctx, rect, sc, state, _row_table())


LOOKS = {"choice": choice, "slider": field, "number": field, "test": test, "row": row}
