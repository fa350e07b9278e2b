"""A preview of the main dialog as the program will show it: the normal image with sample
labels where the program draws them, the first tab and the first slot selected, so the
look can be judged before the program exists."""
import cairo

from . import extras, render
from .art import DialogArt
from .main_dialog import FIRMWARE_TEXT, SOFTWARE_TEXT
from .theme import Scale, hex_colour

FONT = "Liberation Sans"   # metrics of Arial
TAB_LABELS = ["Main", "Button Assign", "Advanced", "Color", "Trophy", "Update"]
COMMAND_LABELS = ["Create", "Load", "Save", "Edit"]
SLOT_NAMES = ["Default", "FPS Arena", "MOBA", "Desktop", "Racing sim"]
SLOT_COLOURS = ["ff3030", "20c4ff", "30e060", "000000", "ffb020"]
QUICK_HELP = "Main settings for the selected device"
WHITE = (1, 1, 1, 1)
GREY = (115 / 255, 115 / 255, 115 / 255, 1)


def cell_font(ctx, cell_height, bold=False):
    """Arial by cell height, as the program's fonts are made (height 14 = 14-px cell)."""
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(cell_height / 1.149)


def text_at(ctx, text, x, top, cell_height, colour, bold=False):
    cell_font(ctx, cell_height, bold)
    ctx.set_source_rgba(*colour)
    ctx.move_to(x, top + ctx.font_extents()[0])
    ctx.show_text(text)


def centred(ctx, text, rect, cell_height, colour, bold=False):
    cell_font(ctx, cell_height, bold)
    ascent, descent = ctx.font_extents()[:2]
    width = ctx.text_extents(text).x_advance
    ctx.set_source_rgba(*colour)
    ctx.move_to(round(rect.cx - width / 2), round(rect.cy + (ascent - descent) / 2))
    ctx.show_text(text)


def paste(ctx, image_surface, rect):
    ctx.save()
    ctx.set_source_surface(image_surface, rect.l, rect.t)
    ctx.rectangle(rect.l, rect.t, rect.w, rect.h)
    ctx.fill()
    ctx.restore()


def pil_to_surface(image):
    data = bytearray(image.convert("RGBA").tobytes("raw", "BGRA"))
    return cairo.ImageSurface.create_for_data(data, cairo.FORMAT_ARGB32, image.width, image.height)


def compose(main_table, percent, with_badge=False):
    sc = Scale(percent)
    art = DialogArt(sc, main_table)
    images = render.render_dialog(main_table, percent)
    normal, pressed = (pil_to_surface(images[s]) for s in ("normal", "pressed"))
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, art.width, art.height)
    ctx = cairo.Context(surface)
    ctx.set_source_surface(normal)
    ctx.paint()
    s = sc.s

    tabs = art.rects("tab")
    paste(ctx, _cut(pressed, tabs[0]), tabs[0])
    for rect, label in zip(tabs, TAB_LABELS):
        centred(ctx, label, rect, 16 * s, WHITE if rect == tabs[0] else (0.82, 0.84, 0.87, 1), True)
    for rect, label in zip(art.rects("command"), COMMAND_LABELS):
        centred(ctx, label, rect, 14 * s, WHITE)
    slots = art.rects("slot")
    paste(ctx, _cut(pressed, slots[0]), slots[0])
    for i, rect in enumerate(slots):
        centred(ctx, f"Profile {i + 1}", rect, 14 * s, WHITE)
    for i, rect in enumerate(art.rects("swatch")):
        ctx.set_source_rgba(*hex_colour(SLOT_COLOURS[i]))
        inside = rect.inset(sc.px(3))
        ctx.rectangle(inside.l, inside.t, inside.w, inside.h)
        ctx.fill()
    for i, rect in enumerate(art.rects("name")):
        text_at(ctx, SLOT_NAMES[i], rect.l + sc.px(5), rect.t + (rect.h - 14 * s) / 2, 14 * s,
                WHITE if i == 0 else GREY)
    marker = art.rects("winprofile")[1]
    paste(ctx, pil_to_surface(extras.winprofile_on(main_table, percent)["normal"]), marker)
    paste(ctx, pil_to_surface(extras.flag_image(1, "normal", percent)), art.rect("language"))
    quick = art.rect("quickhelp")
    text_at(ctx, QUICK_HELP, quick.l + sc.px(6), quick.t + (quick.h - 14 * s) / 2, 14 * s, (0.85, 0.87, 0.9, 1))
    for role, label in (("ok", "OK"), ("apply", "Apply"), ("cancel", "Cancel")):
        centred(ctx, label, art.rect(role), 14 * s, WHITE, True)
    for (x, y), text in ((SOFTWARE_TEXT, "1.14"), (FIRMWARE_TEXT, "1.12")):
        text_at(ctx, text, sc.px(x), sc.px(y), 14 * s, WHITE)
    if with_badge:
        paste(ctx, pil_to_surface(extras.badge_image(main_table, percent)), art.rect("badge"))
    return surface


def _cut(surface, rect):
    part = cairo.ImageSurface(cairo.FORMAT_RGB24, rect.w, rect.h)
    ctx = cairo.Context(part)
    ctx.set_source_surface(surface, -rect.l, -rect.t)
    ctx.paint()
    return part
