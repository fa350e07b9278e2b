"""The advanced page. Its resting picture is the frame's page panel itself, so the page
joins the frame without a seam; the program draws the resting controls (check boxes,
choice outlines, grooves) over it. The pictures of the other states carry the looks: lit
under the pointer, accent when on or pressed, hatched grey when out of use."""
from . import controls
from . import theme as t
from .panel import page_panel
from .theme import Corners, Rect


def background(ctx, art):
    page_panel(ctx, art.bounds, art.sc)


def check_box(rect, sc):
    """The box of a check button: square, at the left end, centred in the height."""
    side = min(rect.h, sc.px(14))
    top = rect.t + (rect.h - side) // 2
    return Rect(rect.l, top, rect.l + side, top + side)


def check(ctx, rect, sc, state, placement=None, art=None):
    if state == "normal":
        return
    box = check_box(rect, sc)
    line = sc.line()
    if state == "disabled":
        t.fill_shape(ctx, box, Corners(), t.hex_colour("25272b"))
        t.fill_shape(ctx, box.inset(line), Corners(), t.hex_colour("141518"))
        return
    if state == "hover":
        t.fill_shape(ctx, box, Corners(), t.ACCENT_SOFT)
        t.fill_shape(ctx, box.inset(line), Corners(), t.hex_colour("16323f"))
        ctx.set_source(t.horizontal(box.r, rect.r, t.with_alpha(t.ACCENT, 0.10), t.with_alpha(t.ACCENT, 0)))
        ctx.rectangle(box.r, rect.t, rect.r - box.r, rect.h)
        ctx.fill()
        return
    # Pressed is also the "on" look: a lit box with a tick.
    t.fill_shape(ctx, box, Corners(), t.ACCENT)
    inner = box.inset(line)
    controls.ticked_box(ctx, inner, sc)


def choice(ctx, rect, sc, state, placement=None, art=None):
    """A segment of a choice: invisible at rest (the program outlines it), a face under the
    pointer, the accent face when chosen."""
    if state == "normal":
        return
    if state == "pressed":
        controls.accent_button(ctx, rect, sc, "normal")
        t.hline(ctx, rect.l + sc.line(), rect.r - sc.line(), rect.b - sc.line(2), sc.line(2), t.ACCENT)
        return
    controls.face(ctx, rect, sc, state)


def button(ctx, rect, sc, state, placement=None, art=None):
    if state == "normal":
        return
    controls.command(ctx, rect, sc, state)


def field(ctx, rect, sc, state, placement=None, art=None):
    """Sliders and number boxes draw themselves; the pictures only light their edge."""
    if state == "normal":
        return
    colour = {"hover": t.with_alpha(t.ACCENT, 0.35), "pressed": t.with_alpha(t.ACCENT, 0.6),
              "disabled": t.hex_colour("1a1b1e")}[state]
    t.outline(ctx, rect, Corners(), colour, sc.line())


LOOKS = {"check": check, "choice": choice, "button": button, "slider": field, "number": field}
