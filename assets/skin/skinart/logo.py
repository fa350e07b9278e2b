"""The product logo: the ORVIX ONE emblem and wordmark under the maker's name NORVEL."""
import math

import cairo

from . import theme as t
from .lettering import letter, measure
from .theme import Corners, Rect

WORDMARK_SLANT = 0.16


def emblem(ctx, box, sc):
    """An octagonal ring cut by a diagonal slash, with a lit core."""
    side = min(box.w, box.h)
    ring = Rect(box.l, box.t, box.l + side, box.t + side)
    c = side * 0.3
    thick = max(2, round(side * 0.17))
    ctx.save()
    ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    t.chamfer_path(ctx, ring, Corners.all(c))
    t.chamfer_path(ctx, ring.inset(thick), Corners.all(c).shrunk(thick))
    ctx.set_source(t.vertical(ring.t, ring.b, t.ACCENT_SOFT, t.ACCENT, t.ACCENT_DEEP))
    ctx.fill()
    ctx.restore()
    # The slash: a dark cut from the lower left to the upper right, so the ring reads as moving.
    ctx.save()
    ctx.set_line_width(max(1.0, side * 0.09))
    t.source(ctx, t.hex_colour("15181c"))
    ctx.move_to(ring.l - 1, ring.b - side * 0.18)
    ctx.line_to(ring.r + 1, ring.t - side * 0.12)
    ctx.stroke()
    ctx.restore()
    core = side * 0.16
    t.polygon(ctx, [(ring.cx, ring.cy - core), (ring.cx + core, ring.cy), (ring.cx, ring.cy + core),
                    (ring.cx - core, ring.cy)])
    t.source(ctx, t.TEXT_HI)
    ctx.fill()


def logo(ctx, box, sc):
    emblem(ctx, box, sc)
    left = box.l + box.h + sc.px(8)
    maker_h = max(5, sc.px(6))
    word_h = box.h - maker_h - sc.px(3)
    word_top = box.b - word_h
    stroke = max(1.0, word_h * 0.19)
    first = measure("ORVIX", word_h, stroke, sc.f(1.5))
    light = t.vertical(word_top, word_top + word_h, t.TEXT_HI, t.hex_colour("aeb5c0"))
    letter(ctx, "ORVIX", left, word_top, word_h, stroke, light, sc.f(1.5), WORDMARK_SLANT)
    accent = t.vertical(word_top, word_top + word_h, t.ACCENT_SOFT, t.ACCENT)
    second = left + first + sc.f(7)
    width = measure("ONE", word_h, stroke, sc.f(1.5))
    letter(ctx, "ONE", second, word_top, word_h, stroke, accent, sc.f(1.5), WORDMARK_SLANT)
    # The maker's name spaced out over the wordmark, upright and quiet.
    maker_stroke = sc.line()
    maker_left = math.floor(left + word_h * WORDMARK_SLANT)
    maker_w = letter(ctx, "NORVEL", maker_left, box.t, maker_h, maker_stroke, t.CAPTION, sc.px(3), snap=True)
    # A hairline runs on from the maker's name to the end of the wordmark.
    rule_left = maker_left + maker_w + sc.px(5)
    rule_right = second + width + word_h * WORDMARK_SLANT
    y = box.t + maker_h // 2
    ctx.set_source(t.horizontal(rule_left, rule_right, t.with_alpha(t.CAPTION, 0.8), t.with_alpha(t.CAPTION, 0)))
    ctx.rectangle(rule_left, y, rule_right - rule_left, sc.line())
    ctx.fill()
