"""What the small pop-up windows share: a cut shape, a dark body, a lit title strip and the
window's rim."""
import math

from . import theme as t
from .theme import Corners


def corners(art, size):
    return Corners.all(art.sc.f(size))


def body(ctx, art, corner):
    chamfer = corners(art, corner)
    t.fill_shape(ctx, art.bounds, chamfer, t.vertical(0, art.height, t.hex_colour("1a1d21"), t.hex_colour("121417")))


def title_strip(ctx, art, box):
    sc = art.sc
    line = sc.line()
    t.fill_shape(ctx, box, Corners(), t.vertical(box.t, box.b, t.hex_colour("20242a"), t.hex_colour("15181c")))
    t.hatch(ctx, box, sc.f(4), t.with_alpha(t.WHITE, 0.02), sc.f(1))
    t.hline(ctx, box.l, box.r, box.b - line, line, t.BLACK)
    ctx.set_source(t.horizontal(box.l, box.r, t.with_alpha(t.ACCENT, 0.95), t.with_alpha(t.ACCENT, 0.5),
                                t.with_alpha(t.ACCENT, 0.1)))
    ctx.rectangle(box.l, box.b - 2 * line, box.w, line)
    ctx.fill()


def rim(ctx, art, corner):
    sc = art.sc
    line = sc.line()
    chamfer = corners(art, corner)
    t.outline(ctx, art.bounds, chamfer, t.hex_colour("3c424b"), line)
    t.outline(ctx, art.bounds.inset(line), chamfer.shrunk(line), t.BLACK, line)


def speed_marks(ctx, right, top, bottom, sc, count=3):
    """Slanted accent marks, the theme's motif, ending at `right`."""
    lean = bottom - top
    w, gap = sc.f(10), sc.f(4)
    for i in range(count):
        x = right - (i + 1) * w - i * gap - lean
        t.polygon(ctx, [(x + lean, top), (x + w + lean, top), (x + w, bottom), (x, bottom)])
        t.source(ctx, t.with_alpha(t.ACCENT, 0.45 - i * 0.12))
        ctx.fill()


def globe(ctx, cx, cy, r, sc, colour):
    """A small globe: the sign of the language choice."""
    ctx.save()
    ctx.set_line_width(max(1.0, sc.f(1.1)))
    t.source(ctx, colour)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.stroke()
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(r * 0.45, r)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    ctx.stroke()
    ctx.move_to(cx - r, cy)
    ctx.line_to(cx + r, cy)
    ctx.move_to(cx, cy - r)
    ctx.line_to(cx, cy + r)
    ctx.stroke()
    ctx.restore()
