"""A DPI level row of the main page: a card of its own, drawn whole in every state (it is
not a page, so its resting picture carries the resting looks too). The strip along its top
is lit when the level is the active one; the check box, the presets and the number field
follow the theme's faces; the slider's picture is the groove's bed with a tick at each
preset, over which the program draws the groove and the thumb."""
from . import controls
from . import theme as t
from .theme import Corners, Rect

PLATE = t.hex_colour("15181c")
PRESET_LEVELS = (1, 10, 20, 30, 41)
# The program's slider thumb, in layout pixels: the ticks stand under its centre.
THUMB_WIDTH = 11


def plate(ctx, rect, sc):
    """The card: a flat plate with a hairline at its foot that parts it from the next row."""
    t.fill_shape(ctx, rect, Corners(), PLATE)
    t.hline(ctx, rect.l + sc.px(6), rect.r - sc.px(6), rect.b - sc.line(), sc.line(), t.EDGE_DIM)


def background(ctx, art):
    plate(ctx, art.bounds, art.sc)


def strip(ctx, rect, sc, state, placement=None, art=None):
    """Pressed is also the look of the active level: an accent bar with a lit edge."""
    line = sc.line()
    if state == "pressed":
        t.fill_shape(ctx, rect, Corners(0, sc.f(5), 0, 0), t.horizontal(rect.l, rect.r, t.hex_colour("0c5b7d"),
                                                                        t.ACCENT_DEEP, t.with_alpha(t.ACCENT_DEEP, 0.5)))
        t.hline(ctx, rect.l, rect.r - sc.px(5), rect.t, line, t.ACCENT)
        t.vline(ctx, rect.l, rect.t, rect.b, sc.line(3), t.ACCENT)
        return
    if state == "disabled":
        t.fill_shape(ctx, rect, Corners(0, sc.f(5), 0, 0), t.hex_colour("181a1d"))
        t.hatch(ctx, rect, sc.f(5), t.with_alpha(t.WHITE, 0.03), sc.f(1.2))
        return
    top = t.hex_colour("262b33") if state == "hover" else t.hex_colour("1d2127")
    t.fill_shape(ctx, rect, Corners(0, sc.f(5), 0, 0), t.horizontal(rect.l, rect.r, top, t.with_alpha(top, 0.35)))
    edge = t.with_alpha(t.ACCENT, 0.75) if state == "hover" else t.EDGE
    t.vline(ctx, rect.l, rect.t, rect.b, sc.line(3 if state == "hover" else 2), edge)
    if state == "hover":
        t.hline(ctx, rect.l, rect.r - sc.px(5), rect.t, line, t.with_alpha(t.ACCENT, 0.45))


def check(ctx, rect, sc, state, placement=None, art=None):
    """Pressed is also the "on" look: a lit box with a tick."""
    side = min(rect.w, rect.h)
    box = Rect(rect.l + (rect.w - side) // 2, rect.t + (rect.h - side) // 2,
               rect.l + (rect.w - side) // 2 + side, rect.t + (rect.h - side) // 2 + side)
    line = sc.line()
    edge, fill = {
        "normal": (t.EDGE_HI, t.RECESS),
        "hover": (t.ACCENT_SOFT, t.hex_colour("16323f")),
        "pressed": (t.ACCENT, t.ACCENT_DARK),
        "disabled": (t.hex_colour("2a2d32"), t.hex_colour("141518")),
    }[state]
    t.fill_shape(ctx, box, Corners(), edge)
    t.fill_shape(ctx, box.inset(line), Corners(), fill)
    if state == "pressed":
        inner = box.inset(line)
        ctx.save()
        ctx.set_line_width(max(1.5, sc.f(2)))
        t.source(ctx, t.TEXT_HI)
        ctx.move_to(inner.l + inner.w * 0.2, inner.t + inner.h * 0.52)
        ctx.line_to(inner.l + inner.w * 0.42, inner.t + inner.h * 0.76)
        ctx.line_to(inner.l + inner.w * 0.82, inner.t + inner.h * 0.24)
        ctx.stroke()
        ctx.restore()


def slider(ctx, rect, sc, state, placement=None, art=None):
    """The groove's bed: a tick at every preset level, above and below the groove."""
    colour = {"normal": t.EDGE_HI, "hover": t.ACCENT_SOFT, "pressed": t.ACCENT,
              "disabled": t.hex_colour("2a2d32")}[state]
    thumb = sc.px(THUMB_WIDTH)
    travel = rect.w - thumb
    tick = max(1, sc.px(2))
    for level in PRESET_LEVELS:
        x = rect.l + thumb // 2 + round(travel * (level - 1) / 40)
        t.vline(ctx, x, rect.t, rect.t + tick, sc.line(), colour)
        t.vline(ctx, x, rect.b - tick, rect.b, sc.line(), colour)


def number(ctx, rect, sc, state, placement=None, art=None):
    """The field under the program's number box; its edge shows the state."""
    edge = {"normal": t.EDGE, "hover": t.with_alpha(t.ACCENT, 0.6), "pressed": t.ACCENT,
            "disabled": t.hex_colour("25272b")}[state]
    t.fill_shape(ctx, rect, Corners(), edge)
    t.fill_shape(ctx, rect.inset(sc.line()), Corners(), t.RECESS if state != "disabled" else t.hex_colour("141518"))


def preset(ctx, rect, sc, state, placement=None, art=None):
    """A small key under the slider; the program letters its DPI value on it."""
    c = sc.f(3)
    if state == "normal":
        t.fill_shape(ctx, rect, Corners(c, 0, c, 0), t.hex_colour("1f232a"))
        t.hline(ctx, rect.l, rect.r, rect.b - sc.line(), sc.line(), t.EDGE)
        return
    controls.face(ctx, rect, sc, state, Corners(c, 0, c, 0))


LOOKS = {"strip": strip, "check": check, "slider": slider, "number": number, "preset": preset}


def row_in_state(ctx, rect, sc, state, table):
    """The whole card at `rect` in one state, as the row window shows it: the page draws it
    into its own pictures where the rows stand."""
    ctx.save()
    ctx.rectangle(rect.l, rect.t, rect.w, rect.h)
    ctx.clip()
    plate(ctx, rect, sc)
    for p in table.rows:
        look = LOOKS.get(p.kind)
        if look is None:
            continue
        box = sc.rect(p).moved(rect.l, rect.t)
        ctx.save()
        ctx.rectangle(box.l, box.t, box.w, box.h)
        ctx.clip()
        look(ctx, box, sc, state, p)
        ctx.restore()
    ctx.restore()
