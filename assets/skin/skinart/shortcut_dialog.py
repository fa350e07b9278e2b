"""The shortcut dialog: a title strip, the field that shows the captured key sunk into the
body, the row of modifier check boxes, two keys drawn on the right (a modifier and the key,
joined by a plus) and the button bar of OK and Cancel."""
from . import form_dialog as form
from . import theme as t
from .theme import Corners, Rect

LOOKS = dict(form.LOOKS, modifier=form.check)
STATIC = dict(form.STATIC, key=form.field)
shape = form.shape
frame = form.frame


def keycap(ctx, box, sc, lit):
    """A key seen from the front and a little above: the skirt, and the top it is pressed on."""
    c = sc.f(4)
    t.fill_shape(ctx, box, Corners.all(c), t.hex_colour("0b0c0f"))
    skirt = box.inset(sc.line())
    t.fill_shape(ctx, skirt, Corners.all(c), t.vertical(skirt.t, skirt.b, t.hex_colour("2c3139"), t.hex_colour("16191d")))
    top = Rect(skirt.l + sc.px(4), skirt.t + sc.px(2), skirt.r - sc.px(4), skirt.b - sc.px(8))
    edge = t.ACCENT if lit else t.EDGE_HI
    t.fill_shape(ctx, top, Corners.all(c * 0.75), edge)
    face = top.inset(sc.line())
    t.fill_shape(ctx, face, Corners.all(c * 0.6), t.vertical(face.t, face.b, t.hex_colour("343a43"), t.hex_colour("262a31")))
    if lit:
        t.radial_glow(ctx, box.cx, box.b, box.w * 0.6, sc.f(8), t.with_alpha(t.ACCENT, 0.35))
        t.hline(ctx, skirt.l + sc.px(3), skirt.r - sc.px(3), skirt.b - sc.line(2), sc.line(2), t.ACCENT)


def keys(ctx, box, sc):
    height = min(box.h, sc.px(46))
    top = box.t + (box.h - height) // 2
    modifier = Rect(box.l, top + sc.px(6), box.l + sc.px(44), top + height)
    key = Rect(box.r - sc.px(58), top, box.r, top + height)
    keycap(ctx, modifier, sc, False)
    keycap(ctx, key, sc, True)
    cx, cy = (modifier.r + key.l) / 2, (modifier.t + modifier.b) / 2
    arm, thick = sc.f(6), sc.line(2)
    t.source(ctx, t.GLYPH)
    ctx.rectangle(round(cx - arm), round(cy - thick / 2), round(2 * arm), thick)
    ctx.rectangle(round(cx - thick / 2), round(cy - arm), thick, round(2 * arm))
    ctx.fill()


def background(ctx, art):
    form.body(ctx, art)
    keys(ctx, art.rect("art.keys"), art.sc)
