#!/usr/bin/env python3
"""Checks the button page's hover pictures against the page's layout table.

    test_button_pictures.py SKIN_DIR LAYOUT_DIR

Reads the table on its own and finds the lit button by comparing pictures, so that a
picture drawn for the wrong slot or the wrong Altlayer case shows."""
import itertools
import os
import sys
import unittest

from PIL import Image, ImageChops

SCALES = (100, 150, 200)
COUNT = 60
# Slots of one layer without a button on the mouse: their pictures light nothing.
NO_BUTTON = (5, 6, 11)
WITH_BUTTON = tuple(s for s in range(12) if s not in NO_BUTTON)
# The first picture of each Altlayer case: front side button held, rear, both, neither.
CASE_FRONT, CASE_REAR, CASE_BOTH, CASE_NEITHER = 12, 24, 36, 48
SKIN_DIR, LAYOUT_DIR = None, None


def mul_div(value, percent):
    return (value * percent * 96 // 100 * 2 + 96) // 192


def read_table(path):
    rows = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.lstrip().startswith("#"):
                role, layout = line.split(None, 1)
                rows[role] = tuple(int(v) for v in layout.split(",")[1:5])
    return rows


_cache = {}


def picture(index, percent):
    key = (index, percent)
    if key not in _cache:
        path = os.path.join(SKIN_DIR, f"button_picture_{index}@{percent}.png")
        if not os.path.exists(path):
            raise AssertionError(f"missing picture {os.path.basename(path)}")
        with Image.open(path) as image:
            _cache[key] = image.convert("RGB")
    return _cache[key]


def changed(a, b):
    """The bounding box of the pixels that differ, or None."""
    return ImageChops.difference(a, b).getbbox()


def centre(box):
    return ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)


def without_edge(image, percent):
    """The picture with its left edge (where the notch points at the slot) blacked out."""
    band = image.copy()
    band.paste((0, 0, 0), (0, 0, mul_div(12, percent), image.height))
    return band


def lit(index, resting, percent):
    """Where picture `index` differs from the resting picture of its case, notch aside."""
    return changed(without_edge(picture(index, percent), percent), without_edge(picture(resting, percent), percent))


class Pictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.table = read_table(os.path.join(LAYOUT_DIR, "page_buttons.layout"))

    def test_every_picture_has_the_size_of_its_place(self):
        _, _, w, h = self.table["picture.normal"]
        self.assertEqual(self.table["picture.layer"][2:], (w, h))
        for percent, index in itertools.product(SCALES, range(COUNT)):
            with self.subTest(percent=percent, index=index):
                self.assertEqual(picture(index, percent).size, (mul_div(w, percent), mul_div(h, percent)))

    def test_slots_without_a_button_light_nothing_and_every_other_slot_lights_its_own(self):
        for percent in SCALES:
            for first in (0, CASE_FRONT, CASE_REAR, CASE_BOTH, CASE_NEITHER):
                resting = first + NO_BUTTON[0]
                for slot in NO_BUTTON[1:]:
                    with self.subTest(percent=percent, case=first, slot=slot):
                        self.assertIsNone(changed(picture(first + slot, percent), picture(resting, percent)))
                regions = {}
                for slot in WITH_BUTTON:
                    with self.subTest(percent=percent, case=first, slot=slot):
                        regions[slot] = lit(first + slot, resting, percent)
                        self.assertIsNotNone(regions[slot], "nothing is lit")
                for a, b in itertools.combinations(WITH_BUTTON, 2):
                    with self.subTest(percent=percent, case=first, slots=(a, b)):
                        self.assertTrue(changed(picture(first + a, percent), picture(first + b, percent)))

    def test_a_slot_lights_the_same_button_in_both_layers_and_every_case(self):
        for percent in SCALES:
            normal = {slot: lit(slot, NO_BUTTON[0], percent) for slot in WITH_BUTTON}
            for first in (CASE_FRONT, CASE_REAR, CASE_BOTH, CASE_NEITHER):
                for slot in WITH_BUTTON:
                    with self.subTest(percent=percent, case=first, slot=slot):
                        layer = lit(first + slot, first + NO_BUTTON[0], percent)
                        # A lit side button under a held mark may show less of its glow.
                        for got, want in zip(layer, normal[slot]):
                            self.assertLessEqual(abs(got - want), mul_div(3, percent))

    def test_the_lit_button_is_where_the_slot_sits_on_the_mouse(self):
        for percent in SCALES:
            at = {slot: centre(lit(slot, NO_BUTTON[0], percent)) for slot in WITH_BUTTON}
            middle = at[2][0]
            with self.subTest(percent=percent):
                self.assertLess(at[0][0], middle, "the left button is left of the wheel")
                self.assertGreater(at[1][0], middle, "the right button is right of the wheel")
                self.assertLess(at[3][0], at[0][0], "the side buttons sit on the left flank")
                self.assertLess(at[3][1], at[4][1], "slot 3 is the front side button")
                self.assertLess(at[9][1], at[10][1], "DPI up is in front of DPI down")
                self.assertLess(at[2][1], at[9][1], "the wheel is in front of the DPI buttons")
                for slot in (7, 8, 9, 10):
                    self.assertAlmostEqual(at[slot][0], middle, delta=mul_div(2, percent))
                up, down = lit(7, NO_BUTTON[0], percent), lit(8, NO_BUTTON[0], percent)
                self.assertLess(up[1], down[1], "scrolling up shows its sign above the wheel")
                self.assertGreater(down[3], up[3], "scrolling down shows its sign below the wheel")

    def test_the_held_side_buttons_follow_the_altlayer_case(self):
        for percent in SCALES:
            rest = NO_BUTTON[0]
            neither = picture(CASE_NEITHER + rest, percent)
            front = changed(picture(CASE_FRONT + rest, percent), neither)
            rear = changed(picture(CASE_REAR + rest, percent), neither)
            both = changed(picture(CASE_BOTH + rest, percent), neither)
            with self.subTest(percent=percent):
                self.assertIsNotNone(front)
                self.assertIsNotNone(rear)
                self.assertLess(centre(front)[1], centre(rear)[1], "the front side button is slot 3")
                self.assertEqual(both, (min(front[0], rear[0]), min(front[1], rear[1]),
                                        max(front[2], rear[2]), max(front[3], rear[3])))
                # No key held: the layer's picture is the normal layer's but for its sign in
                # the top left corner.
                sign = changed(neither, picture(rest, percent))
                self.assertIsNotNone(sign)
                self.assertLessEqual(sign[2], mul_div(48, percent))
                self.assertLessEqual(sign[3], mul_div(36, percent))

    def test_the_notch_stands_level_with_the_slot_button(self):
        px, py, _, _ = self.table["picture.normal"]
        for percent in SCALES:
            column = mul_div(1, percent)
            for index in range(COUNT):
                slot = index if index < 12 else 12 + (index - 12) % 12
                x, y, w, h = self.table[f"slot.{slot + 1}"]
                with self.subTest(percent=percent, index=index):
                    image = picture(index, percent)
                    edge = [y_ for y_ in range(image.height) if image.getpixel((column, y_))[2] > 200]
                    if w == 0 or h == 0:
                        self.assertEqual(edge, [], "a slot that does not show gets no notch")
                        continue
                    self.assertEqual((edge[0], edge[-1] + 1), (mul_div(y - py, percent), mul_div(y - py + h, percent)))
                    self.assertEqual(len(edge), edge[-1] + 1 - edge[0], "the notch is one piece")

    def test_the_caption_strip_stays_free(self):
        px, py, _, _ = self.table["picture.normal"]
        x, y, w, h = self.table["art.caption.normal"]
        for percent in SCALES:
            box = (mul_div(x - px, percent), mul_div(y - py, percent), mul_div(x - px + w, percent),
                   mul_div(y - py + h, percent))
            first = picture(0, percent).crop(box)
            for index in range(1, COUNT):
                with self.subTest(percent=percent, index=index):
                    self.assertIsNone(changed(picture(index, percent).crop(box), first))


if __name__ == "__main__":
    SKIN_DIR, LAYOUT_DIR = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
