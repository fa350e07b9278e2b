"""The Orvix One seen from above with its lights: the lighting page's showcase and the
frames of the breathing animation are drawn by this one function, so both show the same
mouse. `glow` (0..1) is how brightly the lights shine."""
import math

import cairo

from . import theme as t


def body_path(ctx, cx, top, w, h):
    """The shell's outline: narrow at the buttons, widest at the palm."""
    half = w / 2
    ctx.move_to(cx, top)
    ctx.curve_to(cx + half * 0.78, top, cx + half * 0.96, top + h * 0.16, cx + half * 0.98, top + h * 0.40)
    ctx.curve_to(cx + half * 1.0, top + h * 0.62, cx + half * 1.02, top + h * 0.84, cx + half * 0.62, top + h * 0.97)
    ctx.curve_to(cx + half * 0.30, top + h * 1.01, cx - half * 0.30, top + h * 1.01, cx - half * 0.62, top + h * 0.97)
    ctx.curve_to(cx - half * 1.02, top + h * 0.84, cx - half * 1.0, top + h * 0.62, cx - half * 0.98, top + h * 0.40)
    ctx.curve_to(cx - half * 0.96, top + h * 0.16, cx - half * 0.78, top, cx, top)
    ctx.close_path()


def mouse(ctx, cx, top, w, h, light, glow=1.0, line=1.0):
    """The mouse with its top at `top`, `w` wide and `h` long, lit in `light`."""
    # The light that the underglow throws on the desk.
    if glow > 0:
        for spread, alpha in ((0.95, 0.10), (0.75, 0.16), (0.60, 0.22)):
            t.radial_glow(ctx, cx, top + h * 0.55, w * spread, h * spread * 0.72, t.with_alpha(light, alpha * glow))

    # Shell: dark graphite, lit from the top left.
    body_path(ctx, cx, top, w, h)
    shell = cairo.LinearGradient(cx - w / 2, top, cx + w / 2, top + h)
    shell.add_color_stop_rgba(0, *t.hex_colour("3a3f48"))
    shell.add_color_stop_rgba(0.45, *t.hex_colour("22262c"))
    shell.add_color_stop_rgba(1, *t.hex_colour("111317"))
    ctx.set_source(shell)
    ctx.fill_preserve()
    ctx.set_line_width(line)
    t.source(ctx, t.mix(t.hex_colour("4c535e"), light, 0.35 * glow))
    ctx.stroke()

    # The light strip that runs round the palm.
    ctx.save()
    body_path(ctx, cx, top, w, h)
    ctx.clip()
    ctx.set_line_width(max(line * 2.2, w * 0.035))
    strip = t.with_alpha(t.mix(t.hex_colour("1d2127"), light, 0.25 + 0.75 * glow), 1.0)
    ctx.new_path()
    ctx.arc(cx, top + h * 0.64, w * 0.52, math.radians(10), math.radians(170))
    t.source(ctx, strip)
    ctx.stroke()
    ctx.restore()

    # Buttons: the split and the side grooves.
    t.source(ctx, t.hex_colour("0b0c0f"))
    ctx.set_line_width(line)
    ctx.move_to(cx, top + h * 0.02)
    ctx.line_to(cx, top + h * 0.34)
    ctx.stroke()
    for side in (-1, 1):
        ctx.move_to(cx + side * w * 0.18, top + h * 0.34)
        ctx.curve_to(cx + side * w * 0.30, top + h * 0.36, cx + side * w * 0.40, top + h * 0.36,
                     cx + side * w * 0.47, top + h * 0.30)
        ctx.stroke()

    # The wheel, lit like the strip.
    wheel_w, wheel_h = w * 0.10, h * 0.15
    wx, wy = cx - wheel_w / 2, top + h * 0.10
    t.fill_shape(ctx, t.Rect(math.floor(wx), math.floor(wy), math.ceil(wx + wheel_w), math.ceil(wy + wheel_h)),
                 t.Corners.all(wheel_w * 0.35), t.hex_colour("0b0c0f"))
    inner = t.Rect(math.floor(wx + line), math.floor(wy + line), math.ceil(wx + wheel_w - line),
                   math.ceil(wy + wheel_h - line))
    t.fill_shape(ctx, inner, t.Corners.all(wheel_w * 0.25), t.mix(t.hex_colour("2a2e35"), light, 0.6 * glow))

    # The emblem on the palm: a lit chevron.
    ey, es = top + h * 0.62, w * 0.14
    ctx.move_to(cx - es, ey - es * 0.35)
    ctx.line_to(cx, ey + es * 0.45)
    ctx.line_to(cx + es, ey - es * 0.35)
    ctx.set_line_width(max(line * 1.6, w * 0.03))
    ctx.set_line_join(cairo.LINE_JOIN_MITER)
    t.source(ctx, t.mix(t.hex_colour("2a2e35"), light, 0.2 + 0.8 * glow))
    ctx.stroke()
    if glow > 0:
        t.radial_glow(ctx, cx, ey, es * 2.2, es * 1.6, t.with_alpha(light, 0.25 * glow))
