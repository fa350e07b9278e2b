"""Reads the dialogs' layout tables and turns their 96-DPI rectangles into device pixels."""
import os
from dataclasses import dataclass


@dataclass(frozen=True)
class Placement:
    role: str
    name: str
    x: int
    y: int
    w: int
    h: int

    @property
    def kind(self):
        """The part of the role before the dot: "tab.main" is a "tab", "art.logo" an "art"."""
        return self.role.split(".", 1)[0]


@dataclass(frozen=True)
class Table:
    dialog: str          # file name without ".layout": "main_dialog"
    size: Placement      # the "dialog" line
    rows: tuple          # every other line, in table order

    def get(self, role):
        for row in self.rows:
            if row.role == role:
                return row
        raise KeyError(f"{self.dialog}.layout has no role {role!r}")

    def of_kind(self, kind):
        return [row for row in self.rows if row.kind == kind]


def parse_line(line):
    """One table line: a role, blanks, then "name,x,y,w,h,tool-tip"."""
    role, layout = line.split(None, 1)
    fields = layout.split(",")
    if len(fields) < 6:
        raise ValueError(f"not a layout string: {layout!r}")
    x, y, w, h = (int(f.strip()) for f in fields[1:5])
    return Placement(role, fields[0], x, y, w, h)


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            try:
                rows.append(parse_line(line.strip()))
            except ValueError as error:
                raise SystemExit(f"{path}:{number}: {error}")
    sizes = [r for r in rows if r.role == "dialog"]
    if len(sizes) != 1:
        raise SystemExit(f"{path}: expected one 'dialog' line")
    name = os.path.splitext(os.path.basename(path))[0]
    return Table(name, sizes[0], tuple(r for r in rows if r.role != "dialog"))


def read_tables(folder):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".layout"))
    return [read_table(os.path.join(folder, n)) for n in names]


def mul_div(value, percent):
    """Windows' MulDiv(value, dpi, 96): rounds to nearest, halves away from zero."""
    dpi = 96 * percent // 100
    product = value * dpi
    sign = -1 if product < 0 else 1
    return sign * ((abs(product) * 2 + 96) // 192)


def device_rect(placement, percent):
    """The control's rectangle in device pixels as (left, top, right, bottom).

    A toolkit may scale the edges (x and x + w) or the origin and the size; the two differ
    by a pixel at 150 %. The smaller of the two is taken, so that whichever way the image is
    cut, everything that changes with the state lies inside it."""
    left, top = mul_div(placement.x, percent), mul_div(placement.y, percent)
    right = min(mul_div(placement.x + placement.w, percent), left + mul_div(placement.w, percent))
    bottom = min(mul_div(placement.y + placement.h, percent), top + mul_div(placement.h, percent))
    return left, top, right, bottom
