"""The main dialog's frame: header with logo and version field, the tab rail, the page
panel, the command row, the slot trays and the footer. Every piece is placed from the
layout table, so a moved control moves in the art with it."""
import math

from . import controls
from . import theme as t
from .lettering import letter
from .logo import logo
from .panel import page_panel
from .theme import Corners, Rect

# Where the program paints the two version numbers (white Arial, 14 px cells); they are
# part of its painting code, not of the layout table.
SOFTWARE_TEXT = (212, 12)
FIRMWARE_TEXT = (314, 12)
CORNER = 10


def shape(ctx, art):
    t.chamfer_path(ctx, art.bounds, Corners.all(art.sc.f(CORNER)))


def footer_button(ctx, rect, sc, state, placement, art):
    """OK, Apply and Cancel form one segmented bar: only its outer ends are cut, and OK,
    the button that saves and closes, carries the accent."""
    group = [p for p in art.table.rows if p.kind in ("ok", "apply", "cancel")]
    joined_left = any(p.x + p.w == placement.x and p.y == placement.y for p in group)
    joined_right = any(p.x == placement.x + placement.w and p.y == placement.y for p in group)
    c = sc.f(7)
    corners = Corners(0 if joined_left else c, 0, 0 if joined_right else c, 0)
    if placement.kind == "ok":
        controls.accent_button(ctx, rect, sc, state, corners)
    else:
        inner = controls.face(ctx, rect, sc, state, corners)
        controls.accent_bar(ctx, inner.l + sc.px(6), inner.r - sc.px(6), inner.b - sc.line(2), sc, state)


LOOKS = {"ok": footer_button, "apply": footer_button, "cancel": footer_button}
STATIC = {"page": page_panel}


def header(ctx, art):
    sc = art.sc
    box = art.rect("art.header")
    line = sc.line()
    t.fill_shape(ctx, box, Corners(), t.vertical(box.t, box.b, t.hex_colour("1f2329"), t.hex_colour("16191d")))
    t.hatch(ctx, box, sc.f(4), t.with_alpha(t.WHITE, 0.018), sc.f(1))

    # The brand plate: a darker slab under the logo and the versions, ending in a slanted,
    # lit edge.
    versions = art.rect("art.versions")
    end = versions.r + sc.px(34)
    slant = box.h * 0.45
    plate = [(box.l, box.t), (end, box.t), (end - slant, box.b), (box.l, box.b)]
    t.polygon(ctx, plate)
    ctx.set_source(t.vertical(box.t, box.b, t.hex_colour("121418"), t.hex_colour("0f1114")))
    ctx.fill()
    t.hatch(ctx, Rect(box.l, box.t, math.ceil(end), box.b), sc.f(3), t.with_alpha(t.WHITE, 0.022), sc.f(1))
    ctx.save()
    ctx.set_line_width(sc.f(2))
    ctx.move_to(end, box.t)
    ctx.line_to(end - slant, box.b)
    ctx.set_source(t.vertical(box.t, box.b, t.with_alpha(t.ACCENT, 0.0), t.with_alpha(t.ACCENT, 0.9)))
    ctx.stroke()
    ctx.restore()

    hex_mesh(ctx, Rect(math.floor(end - slant), box.t, box.r, box.b), sc)

    # Speed marks on the right of the header, fading towards the window controls.
    marks_right = art.rect("min").l - sc.px(18)
    for i in range(4):
        w, gap = sc.f(26), sc.f(9)
        x = marks_right - (i + 1) * w - i * gap
        y0, y1 = box.b - sc.px(19), box.b - sc.px(11)
        lean = (y1 - y0)
        t.polygon(ctx, [(x + lean, y0), (x + w + lean, y0), (x + w, y1), (x, y1)])
        t.source(ctx, t.with_alpha(t.ACCENT, 0.30 - i * 0.06))
        ctx.fill()

    # The bottom edge: a dark seam over a lit line that fades out to the right.
    t.hline(ctx, box.l, box.r, box.b - line, line, t.BLACK)
    ctx.set_source(t.horizontal(box.l, box.r, t.with_alpha(t.ACCENT, 0.95), t.with_alpha(t.ACCENT, 0.75),
                                t.with_alpha(t.ACCENT, 0.25), t.with_alpha(t.ACCENT, 0.08)))
    ctx.rectangle(box.l, box.b - 2 * line, box.w, line)
    ctx.fill()
    glow = t.vertical(box.b - sc.px(14), box.b - 2 * line, t.with_alpha(t.ACCENT, 0), t.with_alpha(t.ACCENT, 0.10))
    ctx.set_source(glow)
    ctx.rectangle(box.l, box.b - sc.px(14), box.w, sc.px(14) - 2 * line)
    ctx.fill()


def hex_mesh(ctx, box, sc):
    """A faint honeycomb that rises out of the header towards its right end."""
    r = sc.f(9)
    w, h = math.sqrt(3) * r, 1.5 * r
    ctx.save()
    ctx.rectangle(box.l, box.t, box.w, box.h)
    ctx.clip()
    ctx.push_group()
    ctx.set_line_width(sc.f(1))
    t.source(ctx, t.ACCENT)
    row = 0
    y = box.t - r
    while y < box.b + r:
        x = box.l - w + (w / 2 if row % 2 else 0)
        while x < box.r + w:
            for i in range(6):
                angle = math.pi / 6 + i * math.pi / 3
                (ctx.move_to if i == 0 else ctx.line_to)(x + r * math.cos(angle), y + r * math.sin(angle))
            ctx.close_path()
            x += w
        y += h
        row += 1
    ctx.stroke()
    ctx.pop_group_to_source()
    fade = t.horizontal(box.l, box.r, t.with_alpha(t.BLACK, 0), t.with_alpha(t.BLACK, 0.05), t.with_alpha(t.BLACK, 0.11))
    ctx.mask(fade)
    ctx.restore()


def version_field(ctx, art):
    """A calm, recessed field behind the two version numbers, with their captions above."""
    sc = art.sc
    box = art.rect("art.versions")
    controls.recessed(ctx, box, sc, t.hex_colour("0a0b0e"))
    line = sc.line()
    divider = sc.px(FIRMWARE_TEXT[0] - 8)
    t.vline(ctx, divider, box.t + sc.px(4), box.b - sc.px(4), line, t.hex_colour("23272d"))
    cap_h = max(5, sc.px(5))
    for text, (x, y) in (("SW", SOFTWARE_TEXT), ("FW", FIRMWARE_TEXT)):
        letter(ctx, text, sc.px(x), sc.px(y) - cap_h - sc.px(2), cap_h, line, t.CAPTION, sc.px(1), snap=True)


def window_buttons_plate(ctx, art):
    sc = art.sc
    plate = art.rect("min").union(art.rect("exit")).inset(-sc.px(2))
    t.fill_shape(ctx, plate, Corners(sc.f(4), sc.f(7), sc.f(4), sc.f(4)), t.with_alpha(t.BLACK, 0.55))
    t.outline(ctx, plate, Corners(sc.f(4), sc.f(7), sc.f(4), sc.f(4)), t.EDGE_DIM, sc.line())


def tab_rail(ctx, art):
    sc = art.sc
    tabs = art.union(["tab"])
    page = art.rect("page")
    rail = Rect(page.l, tabs.b + sc.px(3), page.r, tabs.b + sc.px(4))
    t.fill_shape(ctx, rail, Corners(), t.horizontal(rail.l, rail.r, t.with_alpha(t.EDGE, 0.2), t.EDGE,
                                                     t.with_alpha(t.EDGE, 0.2)))


def command_row(ctx, art):
    """A rule that leads from the page's left edge to the profile commands."""
    sc = art.sc
    commands = art.union(["command"])
    page = art.rect("page")
    y = math.floor(commands.cy)
    left = page.l
    right = commands.l - sc.px(14)
    t.polygon(ctx, [(left, y - sc.px(3)), (left + sc.px(10), y - sc.px(3)), (left + sc.px(14), y + sc.px(3)),
                    (left + sc.px(4), y + sc.px(3))])
    t.source(ctx, t.ACCENT)
    ctx.fill()
    ctx.set_source(t.horizontal(left + sc.px(20), right, t.EDGE, t.with_alpha(t.EDGE, 0)))
    ctx.rectangle(left + sc.px(20), y, right - left - sc.px(20), sc.line())
    ctx.fill()


def slot_trays(ctx, art):
    """Under every slot button, a recessed tray that holds its swatch, name and marker."""
    sc = art.sc
    for p in art.table.of_kind("slot"):
        number = p.role.split(".", 1)[1]
        slot = sc.rect(p)
        parts = [art.rect(f"{kind}.{number}") for kind in ("swatch", "name", "winprofile")
                 if art.has(f"{kind}.{number}")]
        bottom = max(r.b for r in parts) + sc.px(3)
        tray = Rect(slot.l, slot.b, slot.r, bottom)
        corners = Corners(0, 0, sc.f(6), 0)
        t.fill_shape(ctx, tray, corners, t.EDGE_DIM)
        inner = Rect(tray.l + sc.line(), tray.t, tray.r - sc.line(), tray.b - sc.line())
        t.fill_shape(ctx, inner, corners.shrunk(sc.line()), t.vertical(inner.t, inner.b, t.hex_colour("0f1114"),
                                                                       t.hex_colour("131519")))


def footer(ctx, art):
    sc = art.sc
    bar = art.union(["language", "quickhelp", "ok", "apply", "cancel"])
    top = bar.t - sc.px(9)
    box = Rect(0, top, art.width, art.height)
    t.fill_shape(ctx, box, Corners(), t.vertical(box.t, box.b, t.hex_colour("101215"), t.hex_colour("0c0d10")))
    t.hline(ctx, box.l, box.r, box.t, sc.line(), t.BLACK)
    t.hline(ctx, box.l, box.r, box.t + sc.line(), sc.line(), t.hex_colour("24282e"))


def rim(ctx, art):
    """The window's edge: a light outer line and a dark inner one along the cut shape."""
    sc = art.sc
    line = sc.line()
    corners = Corners.all(sc.f(CORNER))
    t.outline(ctx, art.bounds, corners, t.hex_colour("3c424b"), line)
    t.outline(ctx, art.bounds.inset(line), corners.shrunk(line), t.BLACK, line)


def background(ctx, art):
    sc = art.sc
    t.fill_shape(ctx, art.bounds, Corners(), t.vertical(0, art.height, t.hex_colour("1b1e22"), t.BODY,
                                                        t.hex_colour("131518")))
    header(ctx, art)
    logo(ctx, art.rect("art.logo"), sc)
    version_field(ctx, art)
    window_buttons_plate(ctx, art)
    tab_rail(ctx, art)
    command_row(ctx, art)
    slot_trays(ctx, art)
    footer(ctx, art)


def frame(ctx, art):
    """Drawn over everything else, controls included."""
    rim(ctx, art)
