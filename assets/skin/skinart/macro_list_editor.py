"""The sequence list editor, a child window on the macro manager's editor plate: the well of
the list of key, mouse and delay rows on the left; on the right a card with Start Record,
the delay recording switch with its hint and the loop switch with the count field, and
under it the place of the hint.

The switches show "off" in the normal and hover pictures and "on" in the pressed one. The
delay switch is a button face with a toggle at its left end: the program draws its label
on the face, centred in the part right of SWITCH_ZONE. The loop switch is the toggle
alone: the program draws its label beside it, left-aligned from LOOP_LABEL.

Beside the state pictures the editor has pictures of its own (`extra_images`):
macro_list_editor_recording_<state>, the editor with Start Record in its recording look
(a lit red dot and rim), to cut the button from while it stops a recording; and
macro_row_icons, the list's row icons side by side (ROW_ICONS, ROW_ICON layout pixels
square each), on a transparent ground."""
import functools
import math
from types import SimpleNamespace

import cairo
from PIL import Image

from . import controls, render
from . import form_dialog as form
from . import theme as t
from .art import DialogArt
from .macro_manager import editor_plate, list_well
from .theme import Corners, Rect, Scale

# The part at the left end of the delay switch and of Start Record that the toggle or the
# dot takes, in layout pixels; the program keeps the label clear of it.
SWITCH_ZONE = 30
RECORD_ZONE = 24
# Where the loop switch's label begins, in layout pixels from the switch's left edge: the
# toggle's width and a gap, so the label stands over the count field.
LOOP_LABEL = 22
# The toggle's track, in layout pixels.
TOGGLE = (18, 10)
# The row icons in the image's order, with the event kinds of the rows they mark.
ROW_ICONS = (("press", 138), ("release", 137), ("mouse", 146), ("delay", 135))
ROW_ICON = 16

RED = t.hex_colour("ff4a55")
RED_DEEP = t.hex_colour("4a1218")
RED_DARK = t.hex_colour("2a0b0f")


# ---- background -------------------------------------------------------------------------

def card(ctx, rect, sc):
    """A slightly raised card on the plate: a dim edge, a lit hairline along its top."""
    line = sc.line()
    t.fill_shape(ctx, rect, Corners(0, sc.f(6), 0, 0), t.EDGE_DIM)
    inner = rect.inset(line)
    t.fill_shape(ctx, inner, Corners(0, sc.f(6), 0, 0).shrunk(line),
                 t.vertical(inner.t, inner.b, t.hex_colour("191c21"), t.hex_colour("14161a")))
    t.hline(ctx, inner.l, inner.r - sc.px(6), inner.t, line, t.with_alpha(t.WHITE, 0.05))


def divider(ctx, left, right, y, sc):
    ctx.set_source(t.horizontal(left, right, t.with_alpha(t.EDGE_DIM, 0), t.EDGE_DIM, t.with_alpha(t.EDGE_DIM, 0)))
    ctx.rectangle(left, y, right - left, sc.line())
    ctx.fill()


def tick(ctx, rect, sc, colour):
    """An accent tick standing at the left of a caption or a hint."""
    t.fill_shape(ctx, Rect(rect.l, rect.t, rect.l + sc.line(2), rect.b), Corners(), colour)


def caption(ctx, rect, sc):
    """The list's caption: a rule that fades out under the program's text."""
    ctx.set_source(t.horizontal(rect.l, rect.r, t.EDGE, t.with_alpha(t.EDGE, 0)))
    ctx.rectangle(rect.l, rect.b - sc.line(), rect.w, sc.line())
    ctx.fill()


def background(ctx, art):
    sc = art.sc
    editor_plate(ctx, art.bounds, sc)
    list_well(ctx, art.rect("art.sequence"), sc)
    caption(ctx, art.rect("label.sequence"), sc)
    sequence, record, hint = art.rect("art.sequence"), art.rect("record"), art.rect("label.hint")
    left, right = record.l - sc.px(11), art.width - sc.px(4)
    times = art.rect("times")
    tools = Rect(left, sequence.t, right, times.b + sc.px(12))
    card(ctx, tools, sc)
    delays, loop = art.rect("delays"), art.rect("loop")
    divider(ctx, tools.l + sc.px(8), tools.r - sc.px(8), (record.b + delays.t) // 2, sc)
    divider(ctx, tools.l + sc.px(8), tools.r - sc.px(8), (art.rect("label.delays").b + loop.t) // 2, sc)
    # The place of the hint: a quieter card down to the foot of the list, with a tick.
    note = Rect(left, hint.t - sc.px(8), right, sequence.b)
    t.fill_shape(ctx, note, Corners(), t.hex_colour("131519"))
    t.outline(ctx, note, Corners(), t.with_alpha(t.EDGE_DIM, 0.7), sc.line())
    tick(ctx, Rect(note.l + sc.px(4), hint.t + sc.px(2), 0, hint.t + sc.px(14)), sc, t.with_alpha(t.ACCENT, 0.7))


# ---- looks ------------------------------------------------------------------------------

def toggle(ctx, rect, sc, state):
    """The toggle of a switch: a track with a knob, left and dark when off, right and lit
    when on (the pressed look)."""
    top = round(rect.cy - sc.f(TOGGLE[1] / 2))
    track = Rect(rect.l, top, rect.l + sc.px(TOGGLE[0]), top + sc.px(TOGGLE[1]))
    line = sc.line()
    on = state == "pressed"
    edge, fill, knob = {
        "normal": (t.EDGE_HI, t.RECESS, t.GLYPH),
        "hover": (t.ACCENT_SOFT, t.hex_colour("16323f"), t.TEXT_HI),
        "pressed": (t.ACCENT, None, t.TEXT_HI),
        "disabled": (t.hex_colour("2a2d32"), t.hex_colour("141518"), t.hex_colour("33363c")),
    }[state]
    c = track.h / 2
    t.fill_shape(ctx, track, Corners.all(c * 0.7), edge)
    inner = track.inset(line)
    t.fill_shape(ctx, inner, Corners.all(c * 0.7).shrunk(line),
                 fill if fill else t.vertical(inner.t, inner.b, t.hex_colour("0c5b7d"), t.ACCENT_DEEP))
    side = inner.h - 2 * line
    x = inner.r - line - side if on else inner.l + line
    t.fill_shape(ctx, Rect(x, inner.t + line, x + side, inner.t + line + side), Corners.all(side * 0.3), knob)


def delay_switch(ctx, rect, sc, state, placement=None, art=None):
    """A button face with the toggle at its left end; the label goes on the face."""
    c = sc.f(6)
    inner = controls.face(ctx, rect, sc, state, Corners(c, 0, c, 0))
    zone_r = rect.l + sc.px(SWITCH_ZONE)
    toggle(ctx, Rect(inner.l + sc.px(5), inner.t, zone_r, inner.b), sc, state)
    controls.accent_bar(ctx, zone_r, inner.r - sc.px(8), inner.b - sc.line(2), sc, state)


def loop_switch(ctx, rect, sc, state, placement=None, art=None):
    """The toggle alone at the left end, a faint light behind the label under the pointer."""
    if state == "hover":
        x = rect.l + sc.px(LOOP_LABEL) - sc.px(4)
        ctx.set_source(t.horizontal(x, rect.r, t.with_alpha(t.ACCENT, 0.12), t.with_alpha(t.ACCENT, 0)))
        ctx.rectangle(x, rect.t, rect.r - x, rect.h)
        ctx.fill()
    toggle(ctx, rect, sc, state)


def record_dot(ctx, cx, cy, sc, colour, ring, glow=None):
    r = sc.f(4.5)
    if glow:
        t.radial_glow(ctx, cx, cy, r * 2.6, r * 2.6, glow)
    t.source(ctx, ring)
    ctx.arc(cx, cy, r + sc.f(1.5), 0, 2 * math.pi)
    ctx.fill()
    t.source(ctx, colour)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.fill()


def _dot_centre(rect, sc):
    return rect.l + sc.f(RECORD_ZONE) / 2 + sc.f(2), rect.cy


def record(ctx, rect, sc, state, placement=None, art=None):
    """Start Record: the skin's button face with a dim record dot at its left end."""
    c = sc.f(6)
    inner = controls.face(ctx, rect, sc, state, Corners(c, 0, c, 0))
    colour = {"normal": t.hex_colour("8a3a42"), "hover": t.hex_colour("d0505b"), "pressed": RED,
              "disabled": t.hex_colour("33363c")}[state]
    ring = {"normal": t.hex_colour("121417"), "hover": t.hex_colour("121417"), "pressed": t.hex_colour("0a0b0d"),
            "disabled": t.hex_colour("141518")}[state]
    record_dot(ctx, *_dot_centre(rect, sc), sc, colour, ring)
    controls.accent_bar(ctx, rect.l + sc.px(RECORD_ZONE), inner.r - sc.px(8), inner.b - sc.line(2), sc, state)


RECORDING_FACES = {
    "normal": controls.Face(t.hex_colour("3a1419"), RED_DARK,
                            t.mix(RED, t.EDGE, 0.35), t.with_alpha(RED, 0.25), None, False),
    "hover": controls.Face(t.hex_colour("4d1a20"), t.hex_colour("2e0d12"), RED, t.with_alpha(RED, 0.4),
                           t.with_alpha(RED, 0.22), False),
    "pressed": controls.Face(t.hex_colour("12070a"), t.hex_colour("1e0a0e"), RED, t.with_alpha(t.BLACK, 0.6),
                             t.with_alpha(RED, 0.14), True),
    "disabled": controls.FACES["disabled"],
}


def recording(ctx, rect, sc, state, placement=None, art=None):
    """Start Record while it records (it reads Stop Record then): a deep red face, a lit
    red dot with its glow and a red strip along its foot."""
    c = sc.f(6)
    inner = controls.face(ctx, rect, sc, state, Corners(c, 0, c, 0), RECORDING_FACES)
    lit = state != "disabled"
    colour = RED if lit else t.hex_colour("3a3e45")
    ring = t.hex_colour("f2b8bd") if state == "hover" else (RED_DEEP if lit else t.hex_colour("141518"))
    ctx.save()
    t.chamfer_path(ctx, inner, Corners(c, 0, c, 0).shrunk(sc.line()))
    ctx.clip()
    record_dot(ctx, *_dot_centre(rect, sc), sc, colour, ring, t.with_alpha(RED, 0.45) if lit else None)
    if lit:
        t.hline(ctx, rect.l + sc.px(RECORD_ZONE), inner.r - sc.px(8), inner.b - sc.line(2), sc.line(2),
                t.with_alpha(RED, 0.9 if state == "pressed" else 0.6))
    ctx.restore()


LOOKS = {"record": record, "delays": delay_switch, "loop": loop_switch}
# The program puts a real list box on "sequence" and an edit field on "times".
STATIC = {"label": controls.nothing, "sequence": controls.nothing, "times": form.number_field}


# ---- the editor's pictures of its own -----------------------------------------------------

@functools.lru_cache(maxsize=4)
def _recording_base(table, percent):
    art = DialogArt(Scale(percent), table)
    return art, render.paint_background(art, _recording_painter())


def _recording_painter():
    return SimpleNamespace(background=background, LOOKS=dict(LOOKS, record=recording), STATIC=STATIC)


def _recording(table, percent, state):
    art, base = _recording_base(table, percent)
    return render.to_image(render.paint_state(art, _recording_painter(), base, state))


def key_icon(ctx, box, sc, pressed):
    """A key cap with an arrow: pointing down onto a pressed, lit key, or up off a
    released one."""
    u = box.w / 16
    line = sc.line()
    cap_t = box.t + round(u * (10 if pressed else 9))
    cap = Rect(box.l + round(u * 2), cap_t, box.r - round(u * 2), cap_t + round(u * 5))
    t.fill_shape(ctx, cap, Corners.all(u * 1.5), t.ACCENT if pressed else t.GLYPH)
    t.fill_shape(ctx, cap.inset(line), Corners.all(u * 1.5).shrunk(line),
                 t.hex_colour("0c4d6a") if pressed else t.hex_colour("2c3139"))
    cx = box.l + u * 8
    shaft = max(line, round(u * 2))
    x = round(cx - shaft / 2)
    ink = t.ACCENT_SOFT if pressed else t.TEXT_HI
    if pressed:
        t.fill_shape(ctx, Rect(x, box.t + round(u * 1), x + shaft, box.t + round(u * 5)), Corners(), ink)
        t.polygon(ctx, [(cx - u * 4, box.t + u * 5), (cx + u * 4, box.t + u * 5), (cx, box.t + u * 9)])
    else:
        t.fill_shape(ctx, Rect(x, box.t + round(u * 4), x + shaft, box.t + round(u * 8)), Corners(), ink)
        t.polygon(ctx, [(cx - u * 4, box.t + u * 4), (cx + u * 4, box.t + u * 4), (cx, box.t)])
    t.source(ctx, ink)
    ctx.fill()


def mouse_icon(ctx, box, sc):
    """A small mouse seen from above, its left button lit."""
    u = box.w / 16
    line = max(1.0, u)
    l, r, top, bottom = box.l + u * 3.5, box.l + u * 12.5, box.t + u * 1, box.t + u * 15
    rad = (r - l) / 2
    cx = (l + r) / 2

    def outline_path():
        ctx.new_path()
        ctx.arc(cx, top + rad, rad, math.pi, 2 * math.pi)
        ctx.line_to(r, bottom - rad)
        ctx.arc(cx, bottom - rad, rad, 0, math.pi)
        ctx.close_path()

    outline_path()
    t.source(ctx, t.hex_colour("2c3139"))
    ctx.fill()
    # The left button: the upper left quarter, lit.
    split = top + rad + u * 1.5
    ctx.save()
    outline_path()
    ctx.clip()
    t.source(ctx, t.ACCENT)
    ctx.rectangle(l, top, cx - l, split - top)
    ctx.fill()
    ctx.restore()
    outline_path()
    ctx.set_line_width(line)
    t.source(ctx, t.GLYPH)
    ctx.stroke()
    ctx.move_to(l, split)
    ctx.line_to(r, split)
    ctx.move_to(cx, top)
    ctx.line_to(cx, split)
    ctx.stroke()


def delay_icon(ctx, box, sc):
    """A clock face: a ring, the hands at a quarter past."""
    u = box.w / 16
    cx, cy, r = box.l + u * 8, box.t + u * 8, u * 6.5
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    t.source(ctx, t.hex_colour("2c3139"))
    ctx.fill()
    ctx.set_line_width(max(1.0, u * 1.3))
    ctx.arc(cx, cy, r - u * 0.65, 0, 2 * math.pi)
    t.source(ctx, t.GLYPH)
    ctx.stroke()
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_width(max(1.0, u * 1.5))
    ctx.move_to(cx, cy - u * 4)
    ctx.line_to(cx, cy)
    ctx.line_to(cx + u * 3, cy)
    t.source(ctx, t.ACCENT)
    ctx.stroke()
    ctx.set_line_cap(cairo.LINE_CAP_BUTT)


def row_icons(percent):
    """The four row icons side by side, each ROW_ICON layout pixels square."""
    sc = Scale(percent)
    side = sc.px(ROW_ICON)
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, side * len(ROW_ICONS), side)
    ctx = cairo.Context(surface)
    for i, (name, _) in enumerate(ROW_ICONS):
        box = Rect(i * side, 0, (i + 1) * side, side)
        ctx.save()
        ctx.rectangle(box.l, box.t, box.w, box.h)
        ctx.clip()
        if name in ("press", "release"):
            key_icon(ctx, box, sc, name == "press")
        elif name == "mouse":
            mouse_icon(ctx, box, sc)
        else:
            delay_icon(ctx, box, sc)
        ctx.restore()
    surface.flush()
    return Image.frombuffer("RGBA", (surface.get_width(), surface.get_height()), bytes(surface.get_data()),
                            "raw", "BGRa", surface.get_stride(), 1)


def extra_images(table, percent):
    """(name without the scale, function making the image) for each picture of its own."""
    images = [(f"macro_list_editor_recording_{state}", functools.partial(_recording, table, percent, state))
              for state in controls.STATES]
    images.append(("macro_row_icons", functools.partial(row_icons, percent)))
    return images
