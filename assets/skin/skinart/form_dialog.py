"""What the small dialogs that collect a button's value share (the timer dialogs, the
shortcut, program and media-player dialogs): the profile dialog's cut shape, title strip,
button bar and rim, fields sunk into the body, the drop-down of a choice and the check box.
The program draws every text; the art carries none."""
from . import controls, popup
from . import theme as t
from .theme import Corners, Rect

CORNER = 8
# The drop-down's arrow part at its right end, in layout pixels (the combo keeps its label
# clear of it and draws the arrow in it).
DROP_ZONE = 16


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, popup.corners(art, CORNER))


def frame(ctx, art):
    popup.rim(ctx, art, CORNER)


def body(ctx, art, bar_roles=("ok", "cancel")):
    """The body with its title strip, and the button bar under the buttons of `bar_roles`."""
    sc = art.sc
    popup.body(ctx, art, CORNER)
    popup.title_strip(ctx, art, art.rect("art.title"))
    buttons = art.union(bar_roles)
    bar = Rect(0, buttons.t - sc.px(10), art.width, art.height)
    t.fill_shape(ctx, bar, Corners(), t.vertical(bar.t, bar.b, t.hex_colour("101215"), t.hex_colour("0c0d10")))
    t.hline(ctx, bar.l, bar.r, bar.t, sc.line(), t.BLACK)
    t.hline(ctx, bar.l, bar.r, bar.t + sc.line(), sc.line(), t.hex_colour("24282e"))
    # The theme's speed marks at the bar's right end, as many as keep clear of the buttons.
    right, top, bottom = art.width - sc.px(20), buttons.t + sc.px(8), buttons.b - sc.px(8)
    mark, gap = sc.f(10), sc.f(4)
    room = right - buttons.r - sc.px(16) - (bottom - top)
    count = min(3, int((room + gap) // (mark + gap)))
    if count > 0:
        popup.speed_marks(ctx, right, top, bottom, sc, count)


def rule(ctx, art, left_role, right_role, below_role):
    """A hairline under a row of fields, as under the profile dialog's name."""
    sc = art.sc
    under = art.rect(below_role)
    t.hline(ctx, art.rect(left_role).l, art.rect(right_role).r + sc.px(3), under.b + sc.px(8), sc.line(),
            t.hex_colour("24282e"))


# ---- static pieces ----------------------------------------------------------------------

def field(ctx, rect, sc, placement=None, art=None):
    """The recess round an edit field, a little larger than the field, as the profile
    dialog's; the field paints its own inside."""
    controls.recessed(ctx, rect.inset(-sc.px(3), -sc.px(2)), sc)


def snug_field(ctx, rect, sc, placement=None, art=None):
    """A field with a button right beside it: the recess keeps clear of the button."""
    controls.recessed(ctx, rect.inset(-sc.px(2), -sc.px(2)), sc)


def number_field(ctx, rect, sc, placement=None, art=None):
    """The recess round a number box, which paints its field and arrows itself."""
    controls.recessed(ctx, rect.inset(-sc.px(2), -sc.px(2)), sc)


# ---- looks ------------------------------------------------------------------------------

DROP_FACES = {
    "normal": controls.Face(t.hex_colour("15181c"), t.hex_colour("0f1114"), t.EDGE,
                            t.with_alpha(t.BLACK, 0.45), None, False),
    "hover": controls.Face(t.hex_colour("1a1f25"), t.hex_colour("13161a"), t.mix(t.EDGE, t.ACCENT, 0.6),
                           t.with_alpha(t.WHITE, 0.06), t.with_alpha(t.ACCENT, 0.16), False),
    "pressed": controls.Face(t.hex_colour("0b0d10"), t.hex_colour("101317"), t.ACCENT,
                             t.with_alpha(t.BLACK, 0.6), t.with_alpha(t.ACCENT, 0.10), True),
    "disabled": controls.FACES["disabled"],
}


def dropdown(ctx, rect, sc, state, placement=None, art=None):
    """A choice that drops a menu: a field-dark face showing the chosen value, and a raised
    part at its right end under the arrow the combo draws. Pressed is also the look while
    the menu is open."""
    if rect.w <= 0 or rect.h <= 0:
        return
    corners = Corners(0, 0, sc.f(5), 0)
    inner = controls.face(ctx, rect, sc, state, corners, DROP_FACES)
    zone = Rect(inner.r - sc.px(DROP_ZONE) + sc.line(), inner.t, inner.r, inner.b)
    raised = {"normal": (t.RAISED, t.RAISED_LOW), "hover": (t.hex_colour("323842"), t.hex_colour("242830")),
              "pressed": (t.hex_colour("0c4d6a"), t.ACCENT_DARK),
              "disabled": (t.hex_colour("17181b"), t.hex_colour("17181b"))}[state]
    ctx.save()
    t.chamfer_path(ctx, inner, corners.shrunk(sc.line()))
    ctx.clip()
    t.fill_shape(ctx, zone, Corners(), t.vertical(zone.t, zone.b, *raised))
    seam = {"normal": t.EDGE, "hover": t.with_alpha(t.ACCENT, 0.55), "pressed": t.ACCENT,
            "disabled": t.hex_colour("25272b")}[state]
    t.vline(ctx, zone.l - sc.line(), zone.t, zone.b, sc.line(), seam)
    ctx.restore()
    controls.accent_bar(ctx, inner.l + sc.px(4), zone.l - sc.px(4), inner.b - sc.line(2), sc, state)


def check_box(rect, sc):
    """The box of a check box: square, at the left end, centred in the height."""
    side = min(rect.h, sc.px(14))
    top = rect.t + (rect.h - side) // 2
    return Rect(rect.l, top, rect.l + side, top + side)


def check(ctx, rect, sc, state, placement=None, art=None):
    """A check box whose text the program draws to the right of the box. Pressed is also the
    "on" look: a lit box with a tick."""
    if rect.w <= 0 or rect.h <= 0:
        return
    box = check_box(rect, sc)
    line = sc.line()
    if state == "hover":
        ctx.set_source(t.horizontal(box.r, rect.r, t.with_alpha(t.ACCENT, 0.12), t.with_alpha(t.ACCENT, 0)))
        ctx.rectangle(box.r, rect.t, rect.r - box.r, rect.h)
        ctx.fill()
    edge, fill = {
        "normal": (t.EDGE_HI, t.RECESS),
        "hover": (t.ACCENT_SOFT, t.hex_colour("16323f")),
        "pressed": (t.ACCENT, None),
        "disabled": (t.hex_colour("2a2d32"), t.hex_colour("141518")),
    }[state]
    t.fill_shape(ctx, box, Corners(), edge)
    inner = box.inset(line)
    if fill:
        t.fill_shape(ctx, inner, Corners(), fill)
        return
    controls.ticked_box(ctx, inner, sc)


LOOKS = {"ok": controls.dialog_button, "cancel": controls.dialog_button, "exit": controls.close}
STATIC = {"label": controls.nothing}
