"""The flags of the 17 interface languages, drawn as vectors, in the language button's
looks. Index order is the language table's: 0 Danish … 16 Vietnamese."""
import math

import cairo

from . import theme as t
from .theme import Corners

LOOKS = ("normal", "hover", "pressed")
SIZE = (32, 17)
PAPER = t.hex_colour("f2f2f2")   # flag white, kept off pure white like all the art


def c(text):
    return t.hex_colour(text)


def band(ctx, x, y, w, h, colour):
    t.source(ctx, colour)
    ctx.rectangle(x, y, w, h)
    ctx.fill()


def stripes(ctx, fw, fh, colours, vertical=False, weights=None):
    weights = weights or [1] * len(colours)
    total, pos = sum(weights), 0
    for colour, weight in zip(colours, weights):
        if vertical:
            band(ctx, fw * pos / total, 0, fw * weight / total, fh, colour)
        else:
            band(ctx, 0, fh * pos / total, fw, fh * weight / total, colour)
        pos += weight


def star(ctx, cx, cy, r, turn=0.0):
    """A five-pointed star with one point at angle `turn` (radians, 0 = up)."""
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.382
        angle = turn + i * math.pi / 5
        (ctx.move_to if i == 0 else ctx.line_to)(cx + radius * math.sin(angle), cy - radius * math.cos(angle))
    ctx.close_path()


def nordic(field, cross, size, bars):
    fw, fh = size
    x0, x1, y0, y1 = bars

    def draw(ctx):
        band(ctx, 0, 0, fw, fh, field)
        band(ctx, x0, 0, x1 - x0, fh, cross)
        band(ctx, 0, y0, fw, y1 - y0, cross)
    return size, draw


def tricolour(colours, vertical, size=(3, 2), weights=None):
    return size, lambda ctx: stripes(ctx, size[0], size[1], colours, vertical, weights)


def union_jack():
    blue, red = c("012169"), c("c8102e")

    def draw(ctx):
        band(ctx, 0, 0, 60, 30, blue)
        ctx.set_line_cap(cairo.LINE_CAP_BUTT)
        for width, colour in ((6, PAPER), (2, red)):
            ctx.set_line_width(width)
            t.source(ctx, colour)
            ctx.move_to(0, 0)
            ctx.line_to(60, 30)
            ctx.move_to(60, 0)
            ctx.line_to(0, 30)
            ctx.stroke()
        band(ctx, 25, 0, 10, 30, PAPER)
        band(ctx, 0, 10, 60, 10, PAPER)
        band(ctx, 27, 0, 6, 30, red)
        band(ctx, 0, 12, 60, 6, red)
    return (60, 30), draw


def japan():
    def draw(ctx):
        band(ctx, 0, 0, 3, 2, PAPER)
        t.source(ctx, c("bc002d"))
        ctx.arc(1.5, 1, 0.6, 0, 2 * math.pi)
        ctx.fill()
    return (3, 2), draw


def korea():
    red, blue, ink = c("cd2e3a"), c("0047a0"), c("111111")

    def draw(ctx):
        band(ctx, 0, 0, 3, 2, PAPER)
        ctx.save()
        ctx.translate(1.5, 1)
        ctx.rotate(math.atan2(2, 3))
        r = 0.5
        # The taeguk: red above, blue below, the two halves swirled into each other.
        t.source(ctx, red)
        ctx.arc(0, 0, r, math.pi, 2 * math.pi)
        ctx.fill()
        t.source(ctx, blue)
        ctx.arc(0, 0, r, 0, math.pi)
        ctx.fill()
        t.source(ctx, red)
        ctx.arc(-r / 2, 0, r / 2, 0, math.pi)
        ctx.fill()
        t.source(ctx, blue)
        ctx.arc(r / 2, 0, r / 2, math.pi, 2 * math.pi)
        ctx.fill()
        ctx.restore()
        # The four trigrams on the diagonals; a broken bar is two short ones.
        patterns = {(-1, -1): (1, 1, 1), (1, 1): (0, 0, 0), (1, -1): (0, 1, 0), (-1, 1): (1, 0, 1)}
        for (sx, sy), bars in patterns.items():
            ctx.save()
            ctx.translate(1.5, 1)
            angle = math.atan2(sy * 2, sx * 3)
            ctx.rotate(angle)
            t.source(ctx, ink)
            for i, solid in enumerate(bars):
                x = 0.78 + i * 0.11
                if solid:
                    ctx.rectangle(x, -0.25, 0.075, 0.5)
                else:
                    ctx.rectangle(x, -0.25, 0.075, 0.21)
                    ctx.rectangle(x, 0.04, 0.075, 0.21)
            ctx.fill()
            ctx.restore()
    return (3, 2), draw


def china():
    def draw(ctx):
        band(ctx, 0, 0, 30, 20, c("ee1c25"))
        t.source(ctx, c("ffde00"))
        star(ctx, 5, 5, 3)
        for x, y in ((10, 2), (12, 4), (12, 7), (10, 9)):
            star(ctx, x, y, 1, math.atan2(5 - x, -(5 - y)))
        ctx.fill()
    return (30, 20), draw


def spain():
    def draw(ctx):
        stripes(ctx, 3, 2, [c("aa151b"), c("f1bf00"), c("aa151b")], weights=[1, 2, 1])
        # A plain shield in place of the arms, which are too fine for a button.
        t.source(ctx, c("aa151b"))
        ctx.rectangle(0.72, 0.72, 0.36, 0.48)
        ctx.fill()
        t.source(ctx, c("f1bf00"))
        ctx.rectangle(0.78, 0.78, 0.24, 0.2)
        ctx.fill()
    return (3, 2), draw


def traditional_chinese():
    """A neutral emblem: the glyph 繁 (traditional) on a red field."""
    def draw(ctx):
        band(ctx, 0, 0, 32, 17, c("b3121f"))
        ctx.select_font_face("WenQuanYi Micro Hei", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
        ctx.set_font_size(15)
        glyph = "繁"
        extents = ctx.text_extents(glyph)
        t.source(ctx, c("ffd54a"))
        ctx.move_to(16 - extents.width / 2 - extents.x_bearing, 8.5 - extents.height / 2 - extents.y_bearing)
        ctx.show_text(glyph)
    return (32, 17), draw


def turkey():
    def draw(ctx):
        band(ctx, 0, 0, 1.5, 1, c("e30a17"))
        t.source(ctx, PAPER)
        ctx.arc(0.5, 0.5, 0.25, 0, 2 * math.pi)
        ctx.fill()
        t.source(ctx, c("e30a17"))
        ctx.arc(0.5625, 0.5, 0.2, 0, 2 * math.pi)
        ctx.fill()
        t.source(ctx, PAPER)
        star(ctx, 0.86, 0.5, 0.125, -math.pi / 2)
        ctx.fill()
    return (1.5, 1), draw


def vietnam():
    def draw(ctx):
        band(ctx, 0, 0, 3, 2, c("da251d"))
        t.source(ctx, c("ffff00"))
        star(ctx, 1.5, 1.03, 0.6)
        ctx.fill()
    return (3, 2), draw


FLAGS = [
    nordic(c("c8102e"), PAPER, (37, 28), (12, 16, 12, 16)),                         # Danish
    union_jack(),                                                                  # English
    nordic(PAPER, c("002f6c"), (18, 11), (5, 8, 4, 7)),                            # Finnish
    tricolour([c("0055a4"), PAPER, c("ef4135")], True),                            # French
    tricolour([c("141414"), c("dd0000"), c("ffce00")], False, (5, 3)),             # German
    tricolour([c("009246"), PAPER, c("ce2b37")], True),                            # Italian
    japan(),                                                                       # Japanese
    korea(),                                                                       # Korean
    tricolour([PAPER, c("dc143c")], False, (8, 5)),                                # Polish
    tricolour([PAPER, c("0039a6"), c("d52b1e")], False),                           # Russian
    china(),                                                                       # Simplified Chinese
    spain(),                                                                       # Spanish
    nordic(c("006aa7"), c("fecc00"), (16, 10), (5, 7, 4, 6)),                      # Swedish
    tricolour([c("a51931"), PAPER, c("2d2a4a"), PAPER, c("a51931")], False, (9, 6), [1, 1, 2, 1, 1]),  # Thai
    traditional_chinese(),                                                         # Traditional Chinese
    turkey(),                                                                      # Turkish
    vietnam(),                                                                     # Vietnamese
]


def draw_flag(ctx, index, rect, look):
    """The flag filling `rect`, with the look's frame and light."""
    (fw, fh), draw = FLAGS[index]
    ctx.save()
    ctx.rectangle(rect.l, rect.t, rect.w, rect.h)
    ctx.clip()
    ctx.save()
    ctx.translate(rect.l, rect.t)
    ctx.scale(rect.w / fw, rect.h / fh)
    draw(ctx)
    ctx.restore()
    # A soft gloss on the upper half, like a printed button.
    ctx.set_source(t.vertical(rect.t, rect.cy, t.with_alpha(t.WHITE, 0.16), t.with_alpha(t.WHITE, 0)))
    ctx.rectangle(rect.l, rect.t, rect.w, rect.h / 2)
    ctx.fill()
    line = max(1, rect.h // 17)
    if look == "hover":
        t.fill_shape(ctx, rect, Corners(), t.with_alpha(t.WHITE, 0.14))
        t.outline(ctx, rect, Corners(), t.ACCENT_SOFT, line)
    elif look == "pressed":
        t.fill_shape(ctx, rect, Corners(), t.with_alpha(t.BLACK, 0.38))
        t.hline(ctx, rect.l, rect.r, rect.t + line, line, t.with_alpha(t.BLACK, 0.5))
        t.outline(ctx, rect, Corners(), t.ACCENT, line)
    else:
        t.outline(ctx, rect, Corners(), t.with_alpha(t.BLACK, 0.85), line)
    ctx.restore()
