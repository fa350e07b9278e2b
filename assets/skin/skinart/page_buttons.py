"""The button assignment page: the page panel with the two layers side by side, each a
heading over its column of slot buttons and the mouse beside them, where the hover
pictures appear. The slot buttons have three looks: the assignable one of the page's
state pictures (a face with a drop-down arrow: it opens the function menu), the fixed one
(a flat face with a lock: it opens nothing) and the look while its menu is open.

Beside the four state pictures the page has pictures of its own (`extra_images`):
page_buttons_fixed_<state> and page_buttons_open_<state>, the page with every slot in the
fixed or the menu-open look, to cut those looks from; page_buttons_right and
page_buttons_left, the page's resting background with the mouse for the right or the left
hand at the two "art.orientation" places (the right-handed one is the normal picture)."""
import functools
import math
from types import SimpleNamespace

from . import button_display as display
from . import controls, render
from . import mouse_buttons as mb
from . import theme as t
from .art import DialogArt
from .panel import page_panel
from .theme import Corners, Rect, Scale

# The arrow's part of an assignable slot, in layout pixels from its right end; the program
# keeps the label clear of it.
ARROW_ZONE = 16


def visible(rect):
    return rect.w > 0 and rect.h > 0


# ---- background -------------------------------------------------------------------------

def divider(ctx, art):
    """A rule between the layers that fades out at both ends."""
    sc = art.sc
    left, right = art.rect("picture.normal"), art.rect("slot.13")
    x = math.floor((left.r + right.l) / 2)
    top, bottom = art.rect("title.normal").t, left.b
    ctx.set_source(t.vertical(top, bottom, t.with_alpha(t.EDGE, 0), t.EDGE, t.with_alpha(t.EDGE, 0)))
    ctx.rectangle(x, top, sc.line(), bottom - top)
    ctx.fill()


def resting_mouse(ctx, art, layer, left_handed):
    """The mouse at a layer's orientation place, kept inside the plate of the hover picture
    that covers it (the place reaches above the picture)."""
    sc = art.sc
    area = art.rect(f"art.orientation.{layer}")
    plate = art.rect(f"picture.{layer}").inset(sc.line(2))
    box = Rect(max(area.l, plate.l), max(area.t, plate.t), min(area.r, plate.r), min(area.b, plate.b))
    ctx.save()
    ctx.rectangle(box.l, box.t, box.w, box.h)
    ctx.clip()
    m = mb.Mouse(box.cx, box.t + sc.px(4), box.h - sc.px(10), left_handed)
    mb.draw(ctx, m, sc, glow=0.45)
    ctx.restore()


def background_for(left_handed):
    def background(ctx, art):
        sc = art.sc
        page_panel(ctx, art.bounds, sc)
        divider(ctx, art)
        for layer in ("normal", "layer"):
            box = art.rect(f"picture.{layer}")
            display.plate(ctx, box, sc)
            display.layer_sign(ctx, box, sc, layer == "layer")
            caption = art.rect(f"art.caption.{layer}")
            display.caption_strip(ctx, caption, sc)
            area = art.rect(f"art.orientation.{layer}")
            display.pointer_hint(ctx, Rect(box.l, area.b, box.r, caption.t), sc)
            resting_mouse(ctx, art, layer, left_handed)
    return background


background = background_for(False)


# ---- static pieces ----------------------------------------------------------------------

def heading(ctx, rect, sc, placement=None, art=None):
    """A layer's heading: an accent tick before the program's text, a rule fading out under it."""
    tick = Rect(rect.l, rect.t + sc.px(3), rect.l + sc.line(3), rect.b - sc.px(3))
    t.fill_shape(ctx, tick, Corners(), t.ACCENT)
    ctx.set_source(t.horizontal(rect.l, rect.r, t.EDGE, t.with_alpha(t.EDGE, 0)))
    ctx.rectangle(rect.l, rect.b - sc.line(), rect.w, sc.line())
    ctx.fill()


# ---- slot looks ---------------------------------------------------------------------------

def slot_corners(sc):
    return Corners(sc.f(5), 0, sc.f(5), 0)


def arrow(ctx, cx, cy, sc, colour, up=False):
    half = sc.f(3.5)
    rise = half * 0.6 * (-1 if up else 1)
    t.polygon(ctx, [(cx - half, cy - rise), (cx + half, cy - rise), (cx, cy + rise)])
    t.source(ctx, colour)
    ctx.fill()


def arrow_zone(ctx, inner, sc, state, up=False):
    """The drop-down part at the right end: a seam and the arrow."""
    zone_l = inner.r - sc.px(ARROW_ZONE) + sc.line()
    seam = {"normal": t.EDGE_DIM, "hover": t.with_alpha(t.ACCENT, 0.45), "pressed": t.with_alpha(t.ACCENT, 0.6),
            "disabled": t.hex_colour("202226")}[state]
    t.vline(ctx, zone_l, inner.t + sc.px(3), inner.b - sc.px(3), sc.line(), seam)
    ink = {"normal": t.GLYPH, "hover": t.TEXT_HI, "pressed": t.ACCENT_SOFT, "disabled": t.hex_colour("3a3e45")}[state]
    arrow(ctx, (zone_l + inner.r) / 2, inner.cy, sc, ink, up)


def assignable(ctx, rect, sc, state, placement=None, art=None):
    """A slot that opens the function menu: the skin's button face with a drop-down arrow."""
    if not visible(rect):
        return
    inner = controls.face(ctx, rect, sc, state, slot_corners(sc))
    controls.accent_bar(ctx, inner.l + sc.px(6), inner.r - sc.px(ARROW_ZONE + 4), inner.b - sc.line(2), sc, state)
    arrow_zone(ctx, inner, sc, state)


FIXED_FACES = {
    "normal": controls.Face(t.hex_colour("191c20"), t.hex_colour("15171b"), t.EDGE_DIM,
                            t.with_alpha(t.WHITE, 0.03), None, False),
    "hover": controls.Face(t.hex_colour("1e2126"), t.hex_colour("181a1e"), t.EDGE,
                           t.with_alpha(t.WHITE, 0.06), None, False),
    "pressed": controls.Face(t.hex_colour("101215"), t.hex_colour("14161a"), t.EDGE,
                             t.with_alpha(t.BLACK, 0.5), None, True),
    "disabled": controls.FACES["disabled"],
}


def lock(ctx, cx, cy, sc, colour):
    """A small padlock: this slot's function is fixed."""
    body = Rect(round(cx - sc.f(4)), round(cy - sc.f(1)), round(cx + sc.f(4)), round(cy + sc.f(5)))
    t.fill_shape(ctx, body, Corners(), colour)
    ctx.save()
    ctx.set_line_width(max(1.0, sc.f(1.4)))
    t.source(ctx, colour)
    r = sc.f(2.6)
    ctx.arc(cx, body.t - sc.f(0.5), r, math.pi, 2 * math.pi)
    ctx.move_to(cx - r, body.t - sc.f(0.5))
    ctx.line_to(cx - r, body.t + 0.5)
    ctx.move_to(cx + r, body.t - sc.f(0.5))
    ctx.line_to(cx + r, body.t + 0.5)
    ctx.stroke()
    ctx.restore()


def fixed(ctx, rect, sc, state, placement=None, art=None):
    """A slot that cannot be assigned: a flat, darker face without the accent, a lock at its
    right end."""
    if not visible(rect):
        return
    inner = controls.face(ctx, rect, sc, state, slot_corners(sc), FIXED_FACES)
    ink = {"normal": t.CAPTION, "hover": t.GLYPH, "pressed": t.GLYPH, "disabled": t.hex_colour("33363c")}[state]
    zone_l = inner.r - sc.px(ARROW_ZONE) + sc.line()
    lock(ctx, (zone_l + inner.r) / 2, inner.cy - sc.f(1), sc, ink)


def menu_open(ctx, rect, sc, state, placement=None, art=None):
    """A slot while its menu is open: the accent face, the arrow turned up."""
    if not visible(rect):
        return
    corners = slot_corners(sc)
    inner = controls.face(ctx, rect, sc, state, corners, controls.ACCENT_FACES)
    ctx.save()
    t.chamfer_path(ctx, inner, corners.shrunk(sc.line()))
    ctx.clip()
    t.hline(ctx, inner.l, inner.r, inner.b - sc.line(2), sc.line(2),
            t.ACCENT if state != "disabled" else t.hex_colour("25272b"))
    ctx.restore()
    arrow_zone(ctx, inner, sc, state, up=True)


LOOKS = {"slot": assignable, "manager": controls.command, "orientation": controls.command}
STATIC = {"title": heading, "picture": controls.nothing}


# ---- the page's pictures of its own -------------------------------------------------------

def _painter(slot_look=assignable, left_handed=False):
    return SimpleNamespace(background=background_for(left_handed), LOOKS=dict(LOOKS, slot=slot_look), STATIC=STATIC)


@functools.lru_cache(maxsize=8)
def _base(table, percent, left_handed):
    art = DialogArt(Scale(percent), table)
    return art, render.paint_background(art, _painter(left_handed=left_handed))


def _in_look(table, percent, slot_look, state):
    art, base = _base(table, percent, False)
    return render.to_image(render.paint_state(art, _painter(slot_look), base, state))


def _resting(table, percent, left_handed):
    art, base = _base(table, percent, left_handed)
    return render.to_image(render.paint_state(art, _painter(left_handed=left_handed), base, "normal"))


def extra_images(table, percent):
    """(name without the scale, function making the image) for each picture of its own."""
    images = []
    for name, look in (("fixed", fixed), ("open", menu_open)):
        for state in controls.STATES:
            images.append((f"page_buttons_{name}_{state}",
                           functools.partial(_in_look, table, percent, look, state)))
    for hand, left in (("right", False), ("left", True)):
        images.append((f"page_buttons_{hand}", functools.partial(_resting, table, percent, left)))
    return images
