"""What a dialog's painter works with: the scale, the layout table and the device size."""
from dataclasses import dataclass

from .layout import Table, mul_div
from .theme import Rect, Scale


@dataclass(frozen=True)
class DialogArt:
    sc: Scale
    table: Table

    @property
    def width(self):
        return mul_div(self.table.size.w, self.sc.percent)

    @property
    def height(self):
        return mul_div(self.table.size.h, self.sc.percent)

    @property
    def bounds(self):
        return Rect(0, 0, self.width, self.height)

    def rect(self, role):
        return self.sc.rect(self.table.get(role))

    def rects(self, kind):
        return [self.sc.rect(p) for p in self.table.of_kind(kind)]

    def has(self, role):
        return any(p.role == role for p in self.table.rows)

    def union(self, kinds):
        rects = [r for kind in kinds for r in self.rects(kind)]
        result = rects[0]
        for r in rects[1:]:
            result = result.union(r)
        return result
