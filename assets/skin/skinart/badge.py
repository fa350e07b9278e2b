"""The edition badge, shown as a picture over the header. It is drawn over the header's own
pixels at its place, so it sits on the frame without a seam."""
from . import theme as t
from .lettering import letter, measure


def badge(ctx, box, sc):
    line = sc.line()
    lean = sc.f(8)
    top, bottom = box.t + sc.px(5), box.b - sc.px(6)
    left, right = box.l + sc.px(2), box.r - sc.px(2)
    plate = [(left + lean, top), (right, top), (right - lean, bottom), (left, bottom)]
    t.polygon(ctx, plate)
    t.source(ctx, t.ACCENT)
    ctx.fill()
    inset = [(left + lean + line * 2, top + line), (right - line * 1.2, top + line),
             (right - lean - line * 2, bottom - line), (left + line * 1.2, bottom - line)]
    t.polygon(ctx, inset)
    ctx.set_source(t.vertical(top, bottom, t.hex_colour("12394b"), t.hex_colour("0a1820")))
    ctx.fill()
    # A lit wedge at the leading end.
    wedge = sc.f(10)
    t.polygon(ctx, [(left + lean + line * 2, top + line), (left + lean + line * 2 + wedge, top + line),
                    (left + line * 1.2 + wedge, bottom - line), (left + line * 1.2, bottom - line)])
    ctx.set_source(t.vertical(top, bottom, t.ACCENT_SOFT, t.ACCENT))
    ctx.fill()

    text_left = left + wedge + lean + sc.px(4)
    text_right = right - lean / 2 - sc.px(4)
    big_h, small_h = sc.px(11), max(5, sc.px(6))
    big_stroke = sc.f(2)
    big_w = measure("TOURNAMENT", big_h, big_stroke, sc.f(1))
    span = text_right - text_left
    big_x = text_left + (span - big_w) / 2
    gap = sc.px(4)
    block = big_h + gap + small_h
    y = (top + bottom - block) / 2
    letter(ctx, "TOURNAMENT", big_x, y, big_h, big_stroke, t.TEXT_HI, sc.f(1), 0.12)
    small_stroke = sc.line()
    natural = measure("EDITION", small_h, small_stroke)
    tracking = (big_w - natural - sc.f(6)) / 6
    letter(ctx, "EDITION", round(big_x + sc.f(2)), round(y + big_h + gap), small_h, small_stroke,
           t.ACCENT_SOFT, round(tracking), snap=True)
