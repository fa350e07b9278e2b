"""Renders a dialog's four state images from its layout table.

The background (frame, art pieces and static controls) is painted once; each state image is
a copy of it with every control drawn in that state's look, clipped to the control's
rectangle. So the four images are the same pixel for pixel outside the controls."""
import importlib
import sys

import cairo
from PIL import Image

from . import chooser, controls, main_dialog, notice, page_shell
from .art import DialogArt
from .controls import STATES
from .theme import Scale

PAINTERS = {"main_dialog": main_dialog, "language_chooser": chooser, "notice": notice}

# The window shape is cut where the art is pure white, so nothing inside may be that white.
_CLAMP = [min(v, 250) for v in range(256)] * 3


def painter_for(table):
    """The module drawing a dialog: the one named after it (skinart/<dialog>.py), else the
    plain panel for a page."""
    if table.dialog in PAINTERS:
        return PAINTERS[table.dialog]
    try:
        return importlib.import_module(f"{__package__}.{table.dialog}")
    except ModuleNotFoundError as missing:
        if missing.name != f"{__package__}.{table.dialog}" or not table.dialog.startswith("page_"):
            raise
        return page_shell


def look_for(painter, kind):
    """The state look of a kind, or None for pieces that are the same in every state."""
    if kind in getattr(painter, "STATIC", {}) or kind in controls.STATIC:
        return None
    look = getattr(painter, "LOOKS", {}).get(kind) or controls.LOOKS.get(kind)
    if look is None:
        print(f"skin art: no look for control kind {kind!r}; drawn as a command button", file=sys.stderr)
        look = controls.command
    return look


def static_for(painter, kind):
    return getattr(painter, "STATIC", {}).get(kind) or controls.STATIC.get(kind)


def new_surface(art):
    return cairo.ImageSurface(cairo.FORMAT_RGB24, art.width, art.height)


def paint_background(art, painter):
    surface = new_surface(art)
    ctx = cairo.Context(surface)
    painter.background(ctx, art)
    for p in art.table.rows:
        if p.kind != "art":
            static = static_for(painter, p.kind)
            if static:
                static(ctx, art.sc.rect(p), art.sc, p, art)
    return surface


def paint_state(art, painter, base, state, extra=()):
    surface = new_surface(art)
    ctx = cairo.Context(surface)
    ctx.set_source_surface(base)
    ctx.paint()
    controls_of = [(p, look_for(painter, p.kind)) for p in art.table.rows if p.kind != "art"]
    for p, look in list(controls_of) + list(extra):
        if look is None:
            continue
        rect = art.sc.rect(p)
        ctx.save()
        ctx.rectangle(rect.l, rect.t, rect.w, rect.h)
        ctx.clip()
        look(ctx, rect, art.sc, state, p, art)
        ctx.restore()
    if hasattr(painter, "frame"):
        painter.frame(ctx, art)
    return surface


def outside_mask(art, painter):
    """White (255) where the window is not, from the painter's shape without antialiasing:
    a pixel belongs to the window exactly when its centre lies inside the shape."""
    if not hasattr(painter, "shape"):
        return None
    surface = cairo.ImageSurface(cairo.FORMAT_A8, art.width, art.height)
    ctx = cairo.Context(surface)
    ctx.set_antialias(cairo.ANTIALIAS_NONE)
    painter.shape(ctx, art)
    ctx.fill()
    surface.flush()
    inside = Image.frombuffer("L", (art.width, art.height), bytes(surface.get_data()), "raw", "L",
                              surface.get_stride(), 1)
    return inside.point(lambda v: 0 if v else 255)


def to_image(surface, outside=None):
    surface.flush()
    image = Image.frombuffer("RGB", (surface.get_width(), surface.get_height()), bytes(surface.get_data()),
                             "raw", "BGRX", surface.get_stride(), 1)
    image = image.point(_CLAMP)
    if outside is not None:
        image.paste((255, 255, 255), (0, 0) + image.size, outside)
    return image


def render_dialog(table, percent):
    """{state: PIL image} of one dialog at one scale."""
    art = DialogArt(Scale(percent), table)
    painter = painter_for(table)
    base = paint_background(art, painter)
    outside = outside_mask(art, painter)
    return {state: to_image(paint_state(art, painter, base, state), outside) for state in STATES}
