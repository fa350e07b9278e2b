"""The lighting page: the page panel with a showcase of the lit mouse on the left, the
effect and colour choices with their captions, the palette in a tray, the number boxes,
the custom colour's socket and the strip's frame. Rows of zero size are controls that do
not show: nothing is drawn for them."""
import math

from . import controls
from . import theme as t
from .mouse_light import mouse
from .panel import page_panel
from .theme import Corners, Rect

# The display colours of the visible palette buttons, index 0..15 (the page's palette
# table; indices 16..32 have buttons of zero size).
PALETTE = ("0590fe", "0071ff", "0000ff", "5c18e6", "8118e6", "c518e6", "f8047c", "ff0000",
           "f77900", "e7dc00", "c2f208", "00ff00", "18a62a", "13ec96", "0de2d9", "00bef4")


def visible(rect):
    return rect.w > 0 and rect.h > 0


def showcase(ctx, art):
    sc = art.sc
    box = art.rect("art.showcase")
    controls.recessed(ctx, box, sc, t.hex_colour("0b0c0f"))
    inner = box.inset(sc.line(2))
    ctx.save()
    ctx.rectangle(inner.l, inner.t, inner.w, inner.h)
    ctx.clip()
    # A faint grid on the display plate, and the mouse lit in the accent.
    step = sc.f(24)
    t.source(ctx, t.with_alpha(t.ACCENT, 0.045))
    x = inner.l + step / 2
    while x < inner.r:
        ctx.rectangle(math.floor(x), inner.t, sc.line(), inner.h)
        x += step
    y = inner.t + step / 2
    while y < inner.b:
        ctx.rectangle(inner.l, math.floor(y), inner.w, sc.line())
        y += step
    ctx.fill()
    h = inner.h * 0.80
    mouse(ctx, inner.cx, inner.t + (inner.h - h) / 2, h * 0.60, h, t.ACCENT, 1.0, sc.f(1.2))
    ctx.restore()
    # Corner ticks of the plate.
    arm, thick = sc.px(10), sc.line(2)
    for x, y, dx, dy in ((inner.l, inner.t, 1, 1), (inner.r, inner.t, -1, 1),
                         (inner.l, inner.b, 1, -1), (inner.r, inner.b, -1, -1)):
        left = x if dx > 0 else x - arm
        top = y if dy > 0 else y - thick
        t.fill_shape(ctx, Rect(left, top, left + arm, top + thick), Corners(), t.with_alpha(t.ACCENT, 0.5))
        left = x if dx > 0 else x - thick
        top = y if dy > 0 else y - arm
        t.fill_shape(ctx, Rect(left, top, left + thick, top + arm), Corners(), t.with_alpha(t.ACCENT, 0.5))


def palette_tray(ctx, art):
    """A recessed tray behind the palette and one behind the custom colour's tools."""
    sc = art.sc
    chips = [r for r in art.rects("palette") if visible(r)]
    grid = chips[0]
    for r in chips[1:]:
        grid = grid.union(r)
    pad = sc.px(5)
    controls.recessed(ctx, grid.inset(-pad), sc, t.hex_colour("0c0d10"))
    tools = art.rect("custom.button").union(art.rect("number.blue")).union(art.rect("strip.custom"))
    controls.recessed(ctx, tools.inset(-sc.px(3)), sc, t.hex_colour("0c0d10"))


def background(ctx, art):
    page_panel(ctx, art.bounds, art.sc)
    showcase(ctx, art)
    palette_tray(ctx, art)


# ---- static pieces ----------------------------------------------------------------------

def title(ctx, rect, sc, placement=None, art=None):
    """A section caption: an accent tick before the program's text and a rule that fades
    out under it. The R, G and B captions under the boxes carry no decoration."""
    if placement.role in ("title.effect", "title.colour"):
        tick = Rect(rect.l, rect.t + sc.px(3), rect.l + sc.line(3), rect.b - sc.px(3))
        t.fill_shape(ctx, tick, Corners(), t.ACCENT)
        y = rect.b - sc.line()
        ctx.set_source(t.horizontal(rect.l, rect.r, t.EDGE, t.with_alpha(t.EDGE, 0)))
        ctx.rectangle(rect.l, y, rect.w, sc.line())
        ctx.fill()


def swatch(ctx, rect, sc, placement=None, art=None):
    """The custom colour's socket; the program fills it with the colour."""
    controls.swatch_frame(ctx, rect, sc)


# ---- looks ----------------------------------------------------------------------------

def choice(ctx, rect, sc, state, placement=None, art=None):
    """A choice: a face with a round light at its left end, lit when chosen (pressed is
    the chosen look of the program's check buttons)."""
    if not visible(rect):
        return
    inner = controls.face(ctx, rect, sc, state, Corners(sc.f(4), 0, sc.f(4), 0))
    r = sc.f(4.5)
    cx, cy = inner.l + sc.f(10), inner.cy
    ring = {"normal": t.EDGE_HI, "hover": t.ACCENT_SOFT, "pressed": t.ACCENT,
            "disabled": t.hex_colour("2c2f34")}[state]
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    t.source(ctx, t.BLACK)
    ctx.fill_preserve()
    ctx.set_line_width(sc.f(1.2))
    t.source(ctx, ring)
    ctx.stroke()
    if state == "pressed":
        t.radial_glow(ctx, cx, cy, r * 2.2, r * 2.2, t.with_alpha(t.ACCENT, 0.45))
        ctx.arc(cx, cy, r * 0.55, 0, 2 * math.pi)
        t.source(ctx, t.ACCENT_SOFT)
        ctx.fill()
    elif state == "hover":
        ctx.arc(cx, cy, r * 0.35, 0, 2 * math.pi)
        t.source(ctx, t.with_alpha(t.ACCENT, 0.5))
        ctx.fill()


def chip(ctx, rect, sc, state, colour):
    """A colour button: the colour in a dark socket; hover lights the rim, the selected
    (pressed) look rings it in bright white and accent, disabled greys the colour."""
    line = sc.line()
    rim = {"normal": t.EDGE, "hover": t.ACCENT_SOFT, "pressed": t.TEXT_HI,
           "disabled": t.hex_colour("25272b")}[state]
    t.fill_shape(ctx, rect, Corners(), t.BLACK)
    t.outline(ctx, rect, Corners(), rim, line if state in ("normal", "disabled") else sc.line(2))
    if state == "pressed":
        t.outline(ctx, rect.inset(sc.line(2)), Corners(), t.ACCENT, line)
        face = rect.inset(sc.line(4))
    else:
        face = rect.inset(sc.line(3))
    if state == "disabled":
        grey = sum(colour[:3]) / 3
        colour = t.mix(colour, (grey, grey, grey, 1.0), 0.8)
        colour = t.mix(colour, t.BLACK, 0.6)
    shade = t.vertical(face.t, face.b, t.mix(colour, t.WHITE, 0.18 if state == "hover" else 0.08), colour,
                       t.mix(colour, t.BLACK, 0.25))
    t.fill_shape(ctx, face, Corners(), shade)
    t.hline(ctx, face.l, face.r, face.t, line, t.with_alpha(t.WHITE, 0.25 if state != "disabled" else 0.05))


def palette(ctx, rect, sc, state, placement=None, art=None):
    if not visible(rect):
        return
    index = int(placement.role.split(".", 1)[1])
    colour = t.hex_colour(PALETTE[index]) if index < len(PALETTE) else t.hex_colour("808080")
    chip(ctx, rect, sc, state, colour)


def custom(ctx, rect, sc, state, placement=None, art=None):
    """The custom colour button: its socket's rim in the state's look; the program paints
    the colour inside, 4 pixels in."""
    line = sc.line()
    rim = {"normal": t.EDGE, "hover": t.ACCENT_SOFT, "pressed": t.TEXT_HI,
           "disabled": t.hex_colour("25272b")}[state]
    t.fill_shape(ctx, rect, Corners(), t.BLACK)
    t.outline(ctx, rect, Corners(), rim, line if state in ("normal", "disabled") else sc.line(2))
    if state == "pressed":
        t.outline(ctx, rect.inset(sc.line(2)), Corners(), t.ACCENT, line)
    inside = {"normal": t.RECESS, "hover": t.hex_colour("16323f"), "pressed": t.hex_colour("05141b"),
              "disabled": t.hex_colour("18191b")}[state]
    t.fill_shape(ctx, rect.inset(sc.line(3)), Corners(), inside)


def number(ctx, rect, sc, state, placement=None, art=None):
    """Under the number boxes (which paint their own field): the field's rim per state."""
    border = {"normal": t.EDGE, "hover": t.ACCENT_SOFT, "pressed": t.ACCENT,
              "disabled": t.hex_colour("2a2c30")}[state]
    t.fill_shape(ctx, rect, Corners(), border)
    t.fill_shape(ctx, rect.inset(sc.line()), Corners(), t.RECESS)


def strip(ctx, rect, sc, state, placement=None, art=None):
    """The colour strip's frame: its picture leaves the outer pixels to this rim."""
    border = {"normal": t.EDGE, "hover": t.ACCENT_SOFT, "pressed": t.ACCENT,
              "disabled": t.hex_colour("2a2c30")}[state]
    t.fill_shape(ctx, rect, Corners.all(sc.f(3)), border)
    t.fill_shape(ctx, rect.inset(sc.line()), Corners.all(sc.f(2)), t.BLACK)


def picture(ctx, rect, sc, state, placement=None, art=None):
    """The frame of the breathing animation."""
    border = {"normal": t.EDGE_DIM, "hover": t.EDGE, "pressed": t.ACCENT,
              "disabled": t.hex_colour("1c1e21")}[state]
    t.fill_shape(ctx, rect, Corners(), border)
    t.fill_shape(ctx, rect.inset(sc.line()), Corners(), t.hex_colour("0b0c0f"))


LOOKS = {"effect": choice, "source": choice, "mode": choice, "flow": choice, "palette": palette,
         "custom": custom, "number": number, "strip": strip, "picture": picture}
STATIC = {"title": title, "swatch": swatch}
