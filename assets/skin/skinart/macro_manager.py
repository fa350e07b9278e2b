"""The macro manager: a title strip, the set selector over the well of the macro names on
the left, the editor plate on the right where the sequence list editor and the timeline
editor (child windows of their own tables) take turns, and the button bar of New, Delete,
the editor switch, OK and Cancel.

The editor plate is drawn here and by both editors alike, so an editor joins the manager
without a seam and the place looks finished before an editor is shown."""
from . import controls
from . import form_dialog as form
from . import popup
from . import theme as t

LOOKS = dict(form.LOOKS, sets=form.dropdown, new=controls.dialog_button, delete=controls.dialog_button,
             switch=controls.dialog_button)
# The program puts an owner-drawn list box on "macros" and an editor window on "editor".
STATIC = dict(form.STATIC, macros=controls.nothing, editor=controls.nothing)
shape = form.shape
frame = form.frame

PLATE_EDGE = t.hex_colour("2b3038")


def editor_plate(ctx, rect, sc):
    """The plate of the editors: a hairline rim round a dark body lit faintly from the top."""
    line = sc.line()
    t.fill_shape(ctx, rect, t.Corners(), PLATE_EDGE)
    body = rect.inset(line)
    t.fill_shape(ctx, body, t.Corners(), t.vertical(body.t, body.b, t.hex_colour("16181c"), t.PANEL,
                                                  t.hex_colour("101215")))
    ctx.save()
    ctx.rectangle(body.l, body.t, body.w, body.h)
    ctx.clip()
    t.radial_glow(ctx, body.cx, body.t, body.w * 0.6, sc.f(90), t.with_alpha(t.ACCENT, 0.035))
    ctx.restore()
    t.hline(ctx, body.l, body.r, body.t, line, t.with_alpha(t.WHITE, 0.04))


def list_well(ctx, rect, sc):
    """The recess a list box sits in; the list paints its rows over the inside."""
    controls.recessed(ctx, rect, sc, t.hex_colour("0c0e11"))


def background(ctx, art):
    sc = art.sc
    form.body(ctx, art, ("new", "delete", "switch", "ok", "cancel"))
    list_well(ctx, art.rect("art.macros"), sc)
    editor_plate(ctx, art.rect("editor"), sc)
    # The theme's speed marks in the bar's free stretch between the switch and OK.
    switch, ok = art.rect("switch"), art.rect("ok")
    if ok.l - switch.r > sc.px(80):
        popup.speed_marks(ctx, ok.l - sc.px(18), ok.t + sc.px(8), ok.b - sc.px(8), sc)
