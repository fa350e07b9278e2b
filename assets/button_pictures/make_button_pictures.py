#!/usr/bin/env python3
"""Draws the button page's 60 hover pictures at 100, 150 and 200 %.

    make_button_pictures.py LAYOUT_DIR OUT_DIR

button_picture_<n>@<percent>.png, 188 x 242 at 100 %: the Orvix One from above on a display
plate, the button of the slot lit, an accent notch at the plate's left edge level with the
slot's button on the page, and the strip at the plate's foot left free for a caption
("art.caption.*" of page_buttons.layout).

Pictures 0..11 are slot n of the normal layer. Pictures 12..59 show slot b (12..23) of the
Altlayer layer in four cases, by which side buttons carry the Altlayer key: b only the
front one (slot 3), b + 12 only the rear one (slot 4), b + 24 both, b + 36 neither. The
side buttons that carry the key are drawn held. Slots without a button on the mouse (5, 6,
11 and their twins) light nothing."""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "skin"))

import cairo  # noqa: E402

from skinart import button_display as display  # noqa: E402
from skinart import mouse_buttons as mb  # noqa: E402
from skinart import render  # noqa: E402
from skinart.layout import read_table  # noqa: E402
from skinart.theme import Rect, Scale  # noqa: E402

SCALES = (100, 150, 200)
COUNT = 60
SLOTS_PER_LAYER = 12
# Which side buttons carry the Altlayer key in each case of the layer's pictures.
LAYER_CASES = (("side.front",), ("side.rear",), ("side.front", "side.rear"), ())
# The mouse's centre line, right of the middle: the held marks stand left of its flank.
MOUSE_CENTRE = 100


def file_name(index, percent):
    return f"button_picture_{index}@{percent}.png"


def subject(index):
    """(slot whose button is lit, held side buttons, Altlayer layer) of picture `index`."""
    if index < SLOTS_PER_LAYER:
        return index, (), False
    case, offset = divmod(index - SLOTS_PER_LAYER, SLOTS_PER_LAYER)
    return SLOTS_PER_LAYER + offset, LAYER_CASES[case], True


class Places:
    """What the pictures take from the page's table: their size, the caption strip and the
    row of every slot button, in the picture's own coordinates (96 DPI)."""

    def __init__(self, table):
        normal, layer = table.get("picture.normal"), table.get("picture.layer")
        self.size = (normal.w, normal.h)
        caption = table.get("art.caption.normal")
        self.caption = (caption.x - normal.x, caption.y - normal.y, caption.w, caption.h)
        self.rows = {}
        for slot in range(2 * SLOTS_PER_LAYER):
            p = table.get(f"slot.{slot + 1}")
            picture = normal if slot < SLOTS_PER_LAYER else layer
            if p.w > 0 and p.h > 0:
                self.rows[slot] = (p.y - picture.y, p.h)


def draw_picture(index, percent, places):
    sc = Scale(percent)
    w, h = sc.px(places.size[0]), sc.px(places.size[1])
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    box = Rect(0, 0, w, h)
    slot, held, layer = subject(index)
    display.plate(ctx, box, sc)
    display.layer_sign(ctx, box, sc, layer)
    caption = sc.box(*places.caption)
    display.caption_strip(ctx, caption, sc)
    # The mouse fills the plate down to the caption, clear of the notch and the layer sign.
    ctx.save()
    inner = box.inset(sc.line(2))
    ctx.rectangle(inner.l, inner.t, inner.w, caption.t - inner.t)
    ctx.clip()
    top = 14
    m = mb.Mouse(sc.f(MOUSE_CENTRE), sc.f(top), sc.f(places.caption[1] - top - 12))
    mb.draw(ctx, m, sc, lit=slot % SLOTS_PER_LAYER, held=held)
    ctx.restore()
    if slot in places.rows:
        row_top, row_height = places.rows[slot]
        display.notch(ctx, box, sc, sc.px(row_top), sc.px(row_top + row_height))
    return render.to_image(surface)


def main():
    layout_dir, out_dir = sys.argv[1:3]
    places = Places(read_table(os.path.join(layout_dir, "page_buttons.layout")))
    os.makedirs(out_dir, exist_ok=True)
    for percent in SCALES:
        for index in range(COUNT):
            draw_picture(index, percent, places).save(os.path.join(out_dir, file_name(index, percent)))


if __name__ == "__main__":
    main()
