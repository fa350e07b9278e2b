"""The display plate of the button page's mouse: the page shows it at rest at the places of
the hover pictures, and every hover picture is the same plate with the mouse lit, so a
picture appears without a seam. Sizes are in layout pixels from the plate's top left."""
from . import controls
from . import theme as t
from .theme import Corners, Rect

PLATE = t.hex_colour("0b0c0f")


def plate(ctx, box, sc):
    """A recess with a faint grid and accent ticks on its right corners."""
    controls.recessed(ctx, box, sc, PLATE)
    inner = box.inset(sc.line(2))
    ctx.save()
    ctx.rectangle(inner.l, inner.t, inner.w, inner.h)
    ctx.clip()
    step = sc.f(16)
    t.source(ctx, t.with_alpha(t.ACCENT, 0.04))
    x = inner.l + step / 2
    while x < inner.r:
        ctx.rectangle(round(x), inner.t, sc.line(), inner.h)
        x += step
    y = inner.t + step / 2
    while y < inner.b:
        ctx.rectangle(inner.l, round(y), inner.w, sc.line())
        y += step
    ctx.fill()
    ctx.restore()
    arm, thick = sc.px(8), sc.line(2)
    for y, dy in ((inner.t, 1), (inner.b, -1)):
        top = y if dy > 0 else y - thick
        t.fill_shape(ctx, Rect(inner.r - arm, top, inner.r, top + thick), Corners(), t.with_alpha(t.ACCENT, 0.5))
        top = y if dy > 0 else y - arm
        t.fill_shape(ctx, Rect(inner.r - thick, top, inner.r, top + arm), Corners(), t.with_alpha(t.ACCENT, 0.5))


def layer_sign(ctx, box, sc, layer):
    """Two stacked plates in the top left corner: the lower one lit for the normal layer,
    the upper one for the Altlayer layer."""
    x, y, w, h, lean = box.l + sc.f(12), box.t + sc.f(10), sc.f(20), sc.f(6), sc.f(5)
    for k, lit in ((1, not layer), (0, layer)):
        top = y + k * sc.f(7)
        t.polygon(ctx, [(x + lean, top), (x + w + lean, top), (x + w, top + h), (x, top + h)])
        if lit:
            t.source(ctx, t.ACCENT)
            ctx.fill()
        else:
            ctx.set_line_width(max(1.0, sc.f(1.1)))
            t.source(ctx, t.EDGE_HI)
            ctx.stroke()


def caption_strip(ctx, box, sc):
    """The band at the plate's foot that the pictures keep free for a caption."""
    t.fill_shape(ctx, box, Corners(sc.f(4), 0, sc.f(4), 0), t.hex_colour("15181c"))
    t.hline(ctx, box.l, box.r, box.t, sc.line(), t.EDGE_DIM)


def notch(ctx, box, sc, top, bottom):
    """The plate's left edge lit from `top` to `bottom` (a slot button's rows), with a point
    towards the button."""
    bar = sc.line(3)
    t.fill_shape(ctx, Rect(box.l, top, box.l + bar, bottom), Corners(), t.ACCENT)
    cy = (top + bottom) / 2
    t.polygon(ctx, [(box.l + bar, cy - sc.f(5)), (box.l + bar + sc.f(6), cy), (box.l + bar, cy + sc.f(5))])
    t.source(ctx, t.ACCENT)
    ctx.fill()


def pointer_hint(ctx, box, sc):
    """At rest, in the plate's empty part: a dim button with the pointer on it, which says
    where the picture comes from."""
    cx, cy = box.cx, box.cy
    bar = Rect(round(cx - sc.f(34)), round(cy - sc.f(7)), round(cx + sc.f(26)), round(cy + sc.f(7)))
    corners = Corners(sc.f(4), 0, sc.f(4), 0)
    t.outline(ctx, bar, corners, t.EDGE, sc.line())
    t.hline(ctx, bar.l + sc.px(6), bar.r - sc.px(18), round(bar.cy), sc.line(), t.EDGE_DIM)
    # The arrow pointer, its tip on the button's right part.
    x, y, s = bar.r - sc.f(12), bar.cy - sc.f(1), sc.f(1)
    points = [(0, 0), (0, 15), (3.6, 11.4), (6.2, 17.2), (8.6, 16.2), (6.1, 10.6), (11, 10.6)]
    t.polygon(ctx, [(x + px * s, y + py * s) for px, py in points])
    t.source(ctx, t.with_alpha(t.GLYPH, 0.55))
    ctx.fill_preserve()
    ctx.set_line_width(max(1.0, sc.f(1)))
    t.source(ctx, PLATE)
    ctx.stroke()
