"""The single images beside the dialogs: the second look of the "windows profile" marker,
the flags and the edition badge. Each is drawn over the main dialog's own pixels at its
place, so it matches the frame it is shown on."""
import functools

import cairo

from . import controls, flags, render
from .art import DialogArt
from .badge import badge
from .theme import Rect, Scale


@functools.lru_cache(maxsize=4)
def _main_normal(main_table, percent):
    art = DialogArt(Scale(percent), main_table)
    painter = render.painter_for(main_table)
    return art, render.paint_state(art, painter, render.paint_background(art, painter), "normal")


def _on_frame(main_table, percent, role, draw):
    """`draw(ctx, rect, sc)` over the main dialog's normal pixels at the rectangle of `role`."""
    art, base = _main_normal(main_table, percent)
    p, px = main_table.get(role), art.sc.px
    box = Rect(px(p.x), px(p.y), px(p.x) + px(p.w), px(p.y) + px(p.h))
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, box.w, box.h)
    ctx = cairo.Context(surface)
    ctx.set_source_surface(base, -box.l, -box.t)
    ctx.paint()
    draw(ctx, Rect(0, 0, box.w, box.h), art.sc)
    return render.to_image(surface)


def winprofile_on(main_table, percent):
    """{state: image} of the marker of the slot that is the Windows profile."""
    role = main_table.of_kind("winprofile")[0].role
    return {state: _on_frame(main_table, percent, role,
                             lambda ctx, rect, sc, state=state: controls.winprofile_on(ctx, rect, sc, state))
            for state in controls.STATES}


def badge_image(main_table, percent):
    return _on_frame(main_table, percent, "badge", badge)


def flag_image(index, look, percent):
    sc = Scale(percent)
    w, h = sc.px(flags.SIZE[0]), sc.px(flags.SIZE[1])
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    flags.draw_flag(ctx, index, Rect(0, 0, w, h), look)
    return render.to_image(surface)
