"""The looks of the controls in their four states: normal, hover, pressed, disabled.

Every look draws inside the control's rectangle only and carries no text: the program
draws the labels, white or light grey, centred on these faces, so every face stays dark.
Hover brightens and lights the edge, pressed sinks the face and lights the accent,
disabled flattens and greys everything."""
import math
from dataclasses import dataclass

import cairo

from . import theme as t
from .theme import Corners, Rect

STATES = ("normal", "hover", "pressed", "disabled")


@dataclass(frozen=True)
class Face:
    top: tuple
    bottom: tuple
    border: tuple
    highlight: tuple   # the 1-px light line under the top edge
    glow: tuple        # light fading in from the edge, or None
    sunk: bool         # pressed: shadow at the top instead of light


FACES = {
    "normal": Face(t.RAISED, t.RAISED_LOW, t.EDGE, t.with_alpha(t.WHITE, 0.07), None, False),
    "hover": Face(t.hex_colour("323842"), t.hex_colour("242830"), t.mix(t.EDGE, t.ACCENT, 0.6),
                  t.with_alpha(t.WHITE, 0.12), t.with_alpha(t.ACCENT, 0.20), False),
    "pressed": Face(t.hex_colour("0d0f12"), t.hex_colour("15181c"), t.ACCENT,
                    t.with_alpha(t.BLACK, 0.6), t.with_alpha(t.ACCENT, 0.12), True),
    "disabled": Face(t.hex_colour("141518"), t.hex_colour("141518"), t.hex_colour("25272b"),
                     t.with_alpha(t.WHITE, 0.0), None, False),
}

ACCENT_FACES = {
    "normal": Face(t.hex_colour("0c4d6a"), t.ACCENT_DARK, t.mix(t.ACCENT, t.EDGE, 0.35),
                   t.with_alpha(t.ACCENT_SOFT, 0.30), None, False),
    "hover": Face(t.hex_colour("106489"), t.hex_colour("0a4560"), t.ACCENT_SOFT,
                  t.with_alpha(t.ACCENT_SOFT, 0.45), t.with_alpha(t.ACCENT_SOFT, 0.28), False),
    "pressed": Face(t.hex_colour("041a25"), t.hex_colour("072838"), t.ACCENT,
                    t.with_alpha(t.BLACK, 0.6), t.with_alpha(t.ACCENT, 0.18), True),
    "disabled": FACES["disabled"],
}


def face(ctx, rect, sc, state, corners=Corners(), faces=FACES):
    """A bevelled button face; returns the rectangle inside its border."""
    f = faces[state]
    line = sc.line()
    t.fill_shape(ctx, rect, corners, f.border)
    inner = rect.inset(line)
    inner_corners = corners.shrunk(line)
    t.fill_shape(ctx, inner, inner_corners, t.vertical(inner.t, inner.b, f.top, f.bottom))
    ctx.save()
    t.chamfer_path(ctx, inner, inner_corners)
    ctx.clip()
    if state == "disabled":
        # Flat, grey and faintly hatched: out of use at a glance, whatever the control.
        t.hatch(ctx, inner, sc.f(5), t.with_alpha(t.WHITE, 0.035), sc.f(1.2))
    elif f.sunk:
        # A pressed face is lit from below by the accent and shadowed under its top edge.
        shadow = sc.line(2)
        ctx.set_source(t.vertical(inner.t, inner.t + shadow * 2, f.highlight, t.with_alpha(t.BLACK, 0)))
        ctx.rectangle(inner.l, inner.t, inner.w, shadow * 2)
        ctx.fill()
        if f.glow:
            ctx.set_source(t.vertical(inner.b - inner.h * 0.7, inner.b, t.with_alpha(f.glow, 0), f.glow))
            ctx.rectangle(inner.l, inner.t, inner.w, inner.h)
            ctx.fill()
    else:
        t.hline(ctx, inner.l, inner.r, inner.t, line, f.highlight)
        t.hline(ctx, inner.l, inner.r, inner.b - line, line, t.with_alpha(t.BLACK, 0.25))
        if f.glow:
            t.inner_glow(ctx, inner, inner_corners, f.glow, sc.line(4))
    ctx.restore()
    return inner


def accent_bar(ctx, left, right, y, sc, state):
    """The lit strip that marks hover and pressed along a control's edge."""
    if state == "pressed":
        t.hline(ctx, left, right, y, sc.line(2), t.ACCENT)
    elif state == "hover":
        t.hline(ctx, left, right, y, sc.line(1), t.with_alpha(t.ACCENT, 0.7))


def command(ctx, rect, sc, state, placement=None, art=None):
    c = sc.f(6)
    inner = face(ctx, rect, sc, state, Corners(c, 0, c, 0))
    accent_bar(ctx, inner.l + sc.px(8), inner.r - sc.px(8), inner.b - sc.line(2), sc, state)


def accent_button(ctx, rect, sc, state, corners=Corners()):
    inner = face(ctx, rect, sc, state, corners, ACCENT_FACES)
    if state == "pressed":
        t.hline(ctx, inner.l, inner.r, inner.b - sc.line(2), sc.line(2), t.ACCENT)


def tab(ctx, rect, sc, state, placement=None, art=None):
    corners = Corners(0, sc.f(10), 0, 0)
    faces = dict(FACES)
    faces["normal"] = Face(t.hex_colour("20242a"), t.hex_colour("181a1e"), t.EDGE_DIM,
                           t.with_alpha(t.WHITE, 0.06), None, False)
    # The selected tab opens onto the page: the panel's own dark, lit from the top.
    faces["pressed"] = Face(t.hex_colour("15181c"), t.PANEL, t.mix(t.EDGE, t.ACCENT, 0.45),
                            t.with_alpha(t.WHITE, 0.0), None, False)
    inner = face(ctx, rect, sc, state, corners, faces)
    ctx.save()
    t.chamfer_path(ctx, inner, corners.shrunk(sc.line()))
    ctx.clip()
    if state == "pressed":
        bar = sc.line(2)
        t.hline(ctx, inner.l, inner.r, inner.t, bar, t.ACCENT)
        ctx.set_source(t.vertical(inner.t + bar, inner.t + inner.h * 0.8,
                                  t.with_alpha(t.ACCENT, 0.22), t.with_alpha(t.ACCENT, 0)))
        ctx.rectangle(inner.l, inner.t + bar, inner.w, inner.h)
        ctx.fill()
    elif state == "hover":
        t.hline(ctx, inner.l, inner.r, inner.t, sc.line(1), t.with_alpha(t.ACCENT, 0.8))
    ctx.restore()


def slot(ctx, rect, sc, state, placement=None, art=None):
    """A profile slot: a button with a status light at its left end (lit = selected)."""
    inner = face(ctx, rect, sc, state, Corners(sc.f(6), 0, 0, 0))
    accent_bar(ctx, inner.l, inner.r, inner.b - sc.line(2), sc, state)
    led = Rect(inner.l + sc.px(7), math.floor(inner.cy - sc.f(4.5) + 0.5),
               inner.l + sc.px(7) + sc.line(3), math.floor(inner.cy + sc.f(4.5) + 0.5))
    colours = {"normal": t.hex_colour("343a43"), "hover": t.mix(t.EDGE, t.ACCENT, 0.6),
               "pressed": t.ACCENT, "disabled": t.hex_colour("232529")}
    if state == "pressed":
        t.radial_glow(ctx, led.cx, led.cy, sc.f(9), sc.f(11), t.with_alpha(t.ACCENT, 0.35))
    t.fill_shape(ctx, led, Corners(), colours[state])
    if state == "pressed":
        t.fill_shape(ctx, Rect(led.l, led.t, led.r, led.t + sc.line()), Corners(), t.ACCENT_SOFT)


def window_glyph(ctx, rect, sc, ink, filled=None):
    """A small window: outline, a thicker title bar, and (filled) lit panes."""
    box = Rect(rect.l + sc.px(5), rect.t + sc.px(6), rect.r - sc.px(5), rect.b - sc.px(5))
    line = sc.line()
    if filled:
        t.fill_shape(ctx, box.inset(line), Corners(), filled)
    t.outline(ctx, box, Corners(), ink, line)
    t.hline(ctx, box.l, box.r, box.t, sc.line(3), ink)
    if filled:
        mid = math.floor(box.cx)
        t.vline(ctx, mid, box.t, box.b, line, ink)


def winprofile(ctx, rect, sc, state, placement=None, art=None):
    """The "windows profile" marker of a slot that is not the Windows profile: outline only."""
    faces = dict(FACES)
    faces["normal"] = Face(t.hex_colour("1e2126"), t.hex_colour("181a1e"), t.EDGE_DIM,
                           t.with_alpha(t.WHITE, 0.05), None, False)
    face(ctx, rect, sc, state, Corners.all(sc.f(3)), faces)
    ink = {"normal": t.GLYPH, "hover": t.ACCENT_SOFT, "pressed": t.ACCENT,
           "disabled": t.hex_colour("3a3e45")}[state]
    window_glyph(ctx, rect, sc, ink)


def winprofile_on(ctx, rect, sc, state, placement=None, art=None):
    """The marker of the slot that IS the Windows profile: a lit, filled window."""
    face(ctx, rect, sc, state, Corners.all(sc.f(3)), ACCENT_FACES)
    ink, panes = {
        "normal": (t.ACCENT_SOFT, t.with_alpha(t.ACCENT, 0.55)),
        "hover": (t.hex_colour("b4ecff"), t.with_alpha(t.ACCENT_SOFT, 0.75)),
        "pressed": (t.ACCENT, t.with_alpha(t.ACCENT, 0.35)),
        "disabled": (t.hex_colour("4a4e55"), t.hex_colour("2e3035")),
    }[state]
    window_glyph(ctx, rect, sc, ink, panes)


def language(ctx, rect, sc, state, placement=None, art=None):
    """The frame of the language button; the program draws the flag into it."""
    border = {"normal": t.EDGE, "hover": t.ACCENT_SOFT, "pressed": t.ACCENT,
              "disabled": t.hex_colour("2a2c30")}[state]
    inside = {"normal": t.RECESS, "hover": t.hex_colour("16323f"), "pressed": t.hex_colour("05141b"),
              "disabled": t.hex_colour("18191b")}[state]
    t.fill_shape(ctx, rect, Corners(), border)
    t.fill_shape(ctx, rect.inset(sc.line()), Corners(), inside)


def caption_button(ctx, rect, sc, state, glyph):
    """Min and Exit: a glyph on a face that shows itself only when the pointer is near."""
    corners = Corners.all(sc.f(3))
    if state == "normal":
        t.fill_shape(ctx, rect, corners, t.with_alpha(t.WHITE, 0.03))
    elif state == "disabled":
        pass
    else:
        face(ctx, rect, sc, state, corners)
    ink = {"normal": t.GLYPH, "hover": t.TEXT_HI, "pressed": t.ACCENT,
           "disabled": t.hex_colour("3a3e45")}[state]
    t.source(ctx, ink)
    w = max(1.5, sc.f(1.6))
    if glyph == "min":
        x0 = math.floor(rect.cx - sc.f(5))
        t.hline(ctx, x0, x0 + sc.px(10), math.floor(rect.cy + sc.f(3)), sc.line(2), ink)
    else:
        half = sc.f(4.5)
        ctx.save()
        ctx.set_line_width(w)
        ctx.set_line_cap(cairo.LINE_CAP_SQUARE)
        ctx.move_to(rect.cx - half, rect.cy - half)
        ctx.line_to(rect.cx + half, rect.cy + half)
        ctx.move_to(rect.cx + half, rect.cy - half)
        ctx.line_to(rect.cx - half, rect.cy + half)
        ctx.stroke()
        ctx.restore()


def minimise(ctx, rect, sc, state, placement=None, art=None):
    caption_button(ctx, rect, sc, state, "min")


def close(ctx, rect, sc, state, placement=None, art=None):
    caption_button(ctx, rect, sc, state, "exit")


def item(ctx, rect, sc, state, placement=None, art=None):
    """A row of the language chooser: a lit bar under the pointer."""
    if state == "normal":
        return
    if state == "disabled":
        t.fill_shape(ctx, rect, Corners(), t.hex_colour("1a1b1e"))
        return
    top, bottom = (t.hex_colour("0f5677"), t.hex_colour("0a3a51")) if state == "hover" else \
        (t.hex_colour("041822"), t.hex_colour("06283a"))
    t.fill_shape(ctx, rect, Corners(), t.vertical(rect.t, rect.b, top, bottom))
    t.vline(ctx, rect.l, rect.t, rect.b, sc.line(2), t.ACCENT if state == "pressed" else t.ACCENT_SOFT)


def dialog_button(ctx, rect, sc, state, placement=None, art=None):
    c = sc.f(6)
    inner = face(ctx, rect, sc, state, Corners(c, 0, c, 0))
    accent_bar(ctx, inner.l + sc.px(8), inner.r - sc.px(8), inner.b - sc.line(2), sc, state)


# Static pieces: drawn once into the background, the same in every state.

def ticked_box(ctx, inner, sc):
    """The inside of a check box that is on: a lit face with a tick."""
    t.fill_shape(ctx, inner, Corners(), t.vertical(inner.t, inner.b, t.hex_colour("0c4d6a"), t.ACCENT_DARK))
    ctx.save()
    ctx.set_line_width(max(1.5, sc.f(2)))
    t.source(ctx, t.TEXT_HI)
    ctx.move_to(inner.l + inner.w * 0.2, inner.t + inner.h * 0.52)
    ctx.line_to(inner.l + inner.w * 0.42, inner.t + inner.h * 0.74)
    ctx.line_to(inner.l + inner.w * 0.8, inner.t + inner.h * 0.26)
    ctx.stroke()
    ctx.restore()


def recessed(ctx, rect, sc, fill=t.RECESS):
    line = sc.line()
    t.fill_shape(ctx, rect, Corners(), t.hex_colour("2a2e35"))
    t.fill_shape(ctx, Rect(rect.l, rect.t, rect.r - line, rect.b - line), Corners(), t.BLACK)
    inner = rect.inset(line)
    t.fill_shape(ctx, inner, Corners(), t.vertical(inner.t, inner.b, t.with_alpha(fill, 1), t.mix(fill, t.PANEL, 0.6)))
    t.hline(ctx, inner.l, inner.r, inner.t, line, t.with_alpha(t.BLACK, 0.5))


def name_field(ctx, rect, sc, placement=None, art=None):
    recessed(ctx, rect, sc)


def swatch_frame(ctx, rect, sc, placement=None, art=None):
    """The frame around the slot colour; the program fills its inside."""
    line = sc.line()
    t.fill_shape(ctx, rect, Corners(), t.EDGE)
    t.fill_shape(ctx, rect.inset(line), Corners(), t.BLACK)
    t.fill_shape(ctx, rect.inset(2 * line), Corners(), t.RECESS)


def quickhelp_strip(ctx, rect, sc, placement=None, art=None):
    recessed(ctx, rect, sc, t.hex_colour("0c0d10"))


def nothing(ctx, rect, sc, placement=None, art=None):
    pass


LOOKS = {
    "tab": tab, "command": command, "slot": slot, "winprofile": winprofile, "language": language,
    "min": minimise, "exit": close, "item": item, "yes": dialog_button, "no": dialog_button,
    "ok": dialog_button, "apply": dialog_button, "cancel": dialog_button,
}

STATIC = {
    "name": name_field, "swatch": swatch_frame, "quickhelp": quickhelp_strip,
    # Shown as pictures or text of the program's own; the background under them stays.
    "badge": nothing, "title": nothing, "message": nothing,
}
