"""The brand's own angular capitals, drawn as stroked polylines.

Only names that are never translated are lettered in the art: the product, the maker, the
edition and the SW/FW captions. Every glyph lives in a cell of height 1 and its own width;
C is the size of the 45-degree cuts that give the letters their machined look."""
import cairo

from .theme import source

C = 0.24


def _glyphs():
    c = C
    g = {}
    g["O"] = (0.78, [[(c, 0), (0.78 - c, 0), (0.78, c), (0.78, 1 - c), (0.78 - c, 1), (c, 1), (0, 1 - c), (0, c), None]])
    g["D"] = (0.76, [[(0, 0), (0.76 - c, 0), (0.76, c), (0.76, 1 - c), (0.76 - c, 1), (0, 1), None]])
    g["R"] = (0.72, [[(0, 1), (0, 0), (0.72 - c, 0), (0.72, c), (0.72, 0.36), (0.72 - c * 0.7, 0.53), (0, 0.53)],
                     [(0.38, 0.53), (0.72, 1)]])
    g["V"] = (0.78, [[(0, 0), (0.39, 1), (0.78, 0)]])
    g["I"] = (0.0, [[(0, 0), (0, 1)]])
    g["X"] = (0.76, [[(0, 0), (0.76, 1)], [(0.76, 0), (0, 1)]])
    g["N"] = (0.74, [[(0, 1), (0, 0), (0.74, 1), (0.74, 0)]])
    g["E"] = (0.62, [[(0.62, 0), (0, 0), (0, 1), (0.62, 1)], [(0, 0.5), (0.5, 0.5)]])
    g["F"] = (0.6, [[(0.6, 0), (0, 0), (0, 1)], [(0, 0.5), (0.5, 0.5)]])
    g["L"] = (0.6, [[(0, 0), (0, 1), (0.6, 1)]])
    g["T"] = (0.7, [[(0, 0), (0.7, 0)], [(0.35, 0), (0.35, 1)]])
    g["U"] = (0.74, [[(0, 0), (0, 1 - c), (c, 1), (0.74 - c, 1), (0.74, 1 - c), (0.74, 0)]])
    g["A"] = (0.76, [[(0, 1), (0, c), (c, 0), (0.76 - c, 0), (0.76, c), (0.76, 1)], [(0, 0.56), (0.76, 0.56)]])
    g["M"] = (0.9, [[(0, 1), (0, 0), (0.45, 0.55), (0.9, 0), (0.9, 1)]])
    g["S"] = (0.7, [[(0.7, 0), (c, 0), (0, c), (0, 0.5 - c * 0.5), (c * 0.5, 0.5), (0.7 - c * 0.5, 0.5),
                     (0.7, 0.5 + c * 0.5), (0.7, 1 - c), (0.7 - c, 1), (0, 1)]])
    g["W"] = (1.0, [[(0, 0), (0.22, 1), (0.5, 0.36), (0.78, 1), (1, 0)]])
    g[" "] = (0.36, [])
    return g


GLYPHS = _glyphs()


def measure(text, height, stroke, tracking=0.0):
    """Width in pixels of `text` lettered at `height` with strokes of `stroke` pixels."""
    inner = height - stroke
    widths = [GLYPHS[ch][0] * inner + stroke for ch in text]
    return sum(widths) + tracking * (len(text) - 1)


def _on_grid(value, stroke):
    """Puts a stroke's centre where its edges fall on whole pixels."""
    return round(value - stroke / 2) + stroke / 2


def letter(ctx, text, x, top, height, stroke, paint, tracking=0.0, slant=0.0, snap=False):
    """Letters `text` with its outer left edge at x and its cap line at top. `slant` leans
    the letters forward (pixels of lean per pixel of height); `snap` keeps upright strokes
    of whole-pixel width on the pixel grid, for small captions."""
    inner = height - stroke
    bottom = top + height
    ctx.save()
    ctx.set_line_width(stroke)
    ctx.set_line_join(cairo.LINE_JOIN_MITER)
    ctx.set_miter_limit(2.0)
    ctx.set_line_cap(cairo.LINE_CAP_SQUARE)
    pen = x
    for ch in text:
        width, lines = GLYPHS[ch]
        for line in lines:
            closed = line[-1] is None
            points = line[:-1] if closed else line
            for i, (gx, gy) in enumerate(points):
                px = pen + stroke / 2 + gx * inner
                py = top + stroke / 2 + gy * inner
                px += (bottom - py) * slant
                if snap:
                    px, py = _on_grid(px, stroke), _on_grid(py, stroke)
                (ctx.move_to if i == 0 else ctx.line_to)(px, py)
            if closed:
                ctx.close_path()
        pen += width * inner + stroke + tracking
    if isinstance(paint, tuple):
        source(ctx, paint)
    else:
        ctx.set_source(paint)
    ctx.stroke()
    ctx.restore()
    return pen - tracking - x
