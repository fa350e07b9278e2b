"""The page panel: the dark plate at the main dialog's page rectangle on which every page
is shown. The page shells draw the very same plate, so a page joins the frame seamlessly."""
from . import theme as t
from .theme import Corners, Rect


def page_panel(ctx, rect, sc, placement=None, art=None):
    line = sc.line()
    t.fill_shape(ctx, rect, Corners(), t.hex_colour("2b3038"))
    inner = rect.inset(line)
    t.fill_shape(ctx, inner, Corners(), t.BLACK)
    body = inner.inset(line)
    t.fill_shape(ctx, body, Corners(), t.vertical(body.t, body.b, t.hex_colour("16191d"), t.PANEL,
                                                t.hex_colour("0f1114")))
    # A faint pool of light under the tabs gives the plate depth without a busy texture.
    ctx.save()
    ctx.rectangle(body.l, body.t, body.w, body.h)
    ctx.clip()
    t.radial_glow(ctx, body.cx, body.t, body.w * 0.55, sc.f(120), t.with_alpha(t.ACCENT, 0.05))
    ctx.restore()
    t.hline(ctx, body.l, body.r, body.t, line, t.with_alpha(t.WHITE, 0.05))

    # Accent brackets on the four corners.
    arm, thick = sc.px(16), sc.line(2)
    colour = t.with_alpha(t.ACCENT, 0.75)
    for x, y, dx, dy in ((body.l, body.t, 1, 1), (body.r, body.t, -1, 1),
                         (body.l, body.b, 1, -1), (body.r, body.b, -1, -1)):
        left = x if dx > 0 else x - arm
        top = y if dy > 0 else y - thick
        t.fill_shape(ctx, Rect(left, top, left + arm, top + thick), Corners(), colour)
        left = x if dx > 0 else x - thick
        top = y if dy > 0 else y - arm
        t.fill_shape(ctx, Rect(left, top, left + thick, top + arm), Corners(), colour)
