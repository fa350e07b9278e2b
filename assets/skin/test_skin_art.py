#!/usr/bin/env python3
"""Checks the drawn skin images against the layout tables.

    test_skin_art.py SKIN_DIR LAYOUT_DIR

Reads the tables on its own, so that a fault in the generator's reading or scaling shows."""
import importlib
import itertools
import os
import sys
import unittest

from PIL import Image, ImageChops, ImageDraw

SCALES = (100, 150, 200)
STATES = ("normal", "hover", "pressed", "disabled")
FLAG_LOOKS = ("normal", "hover", "pressed")
FLAG_COUNT = 17
# Pieces that look the same in every state; every other control must show its state.
STATIC_KINDS = {"art", "name", "swatch", "quickhelp", "page", "badge", "title", "message"}
SKIN_DIR, LAYOUT_DIR = None, None


def mul_div(value, percent):
    return (value * percent * 96 // 100 * 2 + 96) // 192


def read_table(path):
    """{role: (x, y, w, h)} in table order."""
    rows = {}
    for line in open(path, encoding="utf-8"):
        if line.strip() and not line.lstrip().startswith("#"):
            role, layout = line.split(None, 1)
            rows[role] = tuple(int(f) for f in layout.split(",")[1:5])
    return rows


def tables():
    return {name[:-len(".layout")]: read_table(os.path.join(LAYOUT_DIR, name))
            for name in sorted(os.listdir(LAYOUT_DIR)) if name.endswith(".layout")}


def box(rect, percent):
    """Device rectangle that lies inside the control however the toolkit rounds it."""
    x, y, w, h = rect
    left, top = mul_div(x, percent), mul_div(y, percent)
    return (left, top, min(mul_div(x + w, percent), left + mul_div(w, percent)),
            min(mul_div(y + h, percent), top + mul_div(h, percent)))


def load(name):
    path = os.path.join(SKIN_DIR, name)
    if not os.path.exists(path):
        raise AssertionError(f"missing image {name}")
    return Image.open(path).convert("RGB")


def mask_where(image, test):
    """255 where every channel passes `test`."""
    bands = [b.point(lambda v: 255 if test(v) else 0) for b in image.split()]
    return ImageChops.darker(ImageChops.darker(bands[0], bands[1]), bands[2])


def differs(a, b, rect=None):
    if rect:
        a, b = a.crop(rect), b.crop(rect)
    return ImageChops.difference(a, b).getbbox() is not None


def static_kinds(dialog):
    """The kinds drawn once into the background: the common ones and those the dialog's own
    art module (skinart/<dialog>.py) declares static."""
    kinds = set(STATIC_KINDS)
    if has_own_art(dialog):
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        sys.dont_write_bytecode = True
        module = importlib.import_module(f"skinart.{dialog}")
        kinds |= set(getattr(module, "STATIC", {}))
    return kinds


def controls(rows, dialog):
    """The controls that show: a control of zero width or height exists but has no pixels."""
    static = static_kinds(dialog)
    return {role: rect for role, rect in rows.items()
            if role != "dialog" and role.split(".")[0] not in static and rect[2] > 0 and rect[3] > 0}


def has_own_art(dialog):
    return os.path.exists(os.path.join(os.path.dirname(os.path.abspath(__file__)), "skinart", f"{dialog}.py"))


def rim(image, width):
    """The image with everything but its outer `width` pixels blacked out."""
    w, h = image.size
    band = image.copy()
    band.paste((0, 0, 0), (width, width, w - width, h - width))
    return band


class DialogImages(unittest.TestCase):
    def test_every_state_image_has_the_dialog_size_times_the_scale(self):
        for dialog, rows in tables().items():
            _, _, w, h = rows["dialog"]
            for percent, state in itertools.product(SCALES, STATES):
                with self.subTest(dialog=dialog, percent=percent, state=state):
                    image = load(f"{dialog}_{state}@{percent}.png")
                    self.assertEqual(image.size, (mul_div(w, percent), mul_div(h, percent)))

    def test_the_shape_has_no_white_inside_and_no_near_white_edge(self):
        for dialog, rows in tables().items():
            for percent, state in itertools.product(SCALES, STATES):
                with self.subTest(dialog=dialog, percent=percent, state=state):
                    image = load(f"{dialog}_{state}@{percent}.png")
                    white = mask_where(image, lambda v: v == 255)
                    near = mask_where(image, lambda v: v > 250)
                    self.assertIsNone(ImageChops.subtract(near, white).getbbox(),
                                      "a colour this close to white belongs outside the window")
                    if dialog.startswith("page_"):
                        self.assertIsNone(white.getbbox(), "a page shell is a plain rectangle")
                    # White reached from the border is outside; any other white is a hole.
                    filled = image.copy()
                    w, h = image.size
                    border = [(x, y) for x in range(w) for y in (0, h - 1)] + \
                             [(x, y) for y in range(h) for x in (0, w - 1)]
                    for point in border:
                        if filled.getpixel(point) == (255, 255, 255):
                            ImageDraw.floodfill(filled, point, (255, 0, 255), thresh=0)
                    self.assertIsNone(mask_where(filled, lambda v: v == 255).getbbox(), "white inside the window")
                    for role, rect in rows.items():
                        if role != "dialog" and not role.startswith("art."):
                            self.assertIsNone(white.crop(box(rect, percent)).getbbox(), f"{role} is cut by the shape")

    def test_states_differ_inside_every_control_and_nowhere_else(self):
        for dialog, rows in tables().items():
            active = controls(rows, dialog)
            for percent in SCALES:
                images = {s: load(f"{dialog}_{s}@{percent}.png") for s in STATES}
                for state in STATES[1:]:
                    with self.subTest(dialog=dialog, percent=percent, state=state):
                        outside = ImageChops.difference(images["normal"], images[state])
                        for rect in active.values():
                            outside.paste((0, 0, 0), box(rect, percent))
                        self.assertIsNone(outside.getbbox(), "pixels outside the controls change with the state")
                for role, rect in active.items():
                    for a, b in itertools.combinations(STATES, 2):
                        with self.subTest(dialog=dialog, percent=percent, role=role, states=(a, b)):
                            self.assertTrue(differs(images[a], images[b], box(rect, percent)),
                                            f"{role} looks the same {a} and {b}")

    def test_page_shells_are_the_main_dialogs_page_panel(self):
        """A page without art of its own is the panel; one with its own art keeps the
        panel's rim (its outer line and the dark line inside it), so it joins the frame."""
        main = tables()["main_dialog"]
        for dialog in (d for d in tables() if d.startswith("page_")):
            for percent in SCALES:
                with self.subTest(dialog=dialog, percent=percent):
                    frame = load(f"main_dialog_normal@{percent}.png").crop(box(main["page"], percent))
                    shell = load(f"{dialog}_normal@{percent}.png")
                    self.assertEqual(frame.size, shell.size)
                    if has_own_art(dialog):
                        width = 2 * max(1, percent // 100)
                        frame, shell = rim(frame, width), rim(shell, width)
                    self.assertFalse(differs(frame, shell), "the page does not join the frame")


def visible_boxes(rows, kind, percent):
    return [box(rect, percent) for role, rect in rows.items()
            if role.split(".")[0] == kind and rect[2] > 0 and rect[3] > 0]


def blacked_out(image, boxes):
    image = image.copy()
    for b in boxes:
        image.paste((0, 0, 0), b)
    return image


class ButtonPageImages(unittest.TestCase):
    """The button page's pictures beside its state pictures: the slots' fixed and menu-open
    looks, cut from pictures of the whole page, and the two hands' backgrounds."""

    def test_the_fixed_and_open_slot_looks_are_their_own_and_change_only_the_slots(self):
        rows = tables()["page_buttons"]
        _, _, w, h = rows["dialog"]
        for percent in SCALES:
            slots = visible_boxes(rows, "slot", percent)
            for look in ("fixed", "open"):
                images = {s: load(f"page_buttons_{look}_{s}@{percent}.png") for s in STATES}
                for state, image in images.items():
                    with self.subTest(look=look, percent=percent, state=state):
                        self.assertEqual(image.size, (mul_div(w, percent), mul_div(h, percent)))
                        assignable = load(f"page_buttons_{state}@{percent}.png")
                        self.assertFalse(differs(blacked_out(image, slots), blacked_out(assignable, slots)),
                                         "pixels outside the slots differ from the page")
                        for slot in slots:
                            self.assertTrue(differs(image, assignable, slot), f"the {look} look is the assignable one")
                for a, b in itertools.combinations(STATES, 2):
                    for slot in slots:
                        with self.subTest(look=look, percent=percent, states=(a, b), slot=slot):
                            self.assertTrue(differs(images[a], images[b], slot))
            for slot in slots:
                with self.subTest(percent=percent, slot=slot):
                    self.assertTrue(differs(load(f"page_buttons_fixed_normal@{percent}.png"),
                                            load(f"page_buttons_open_normal@{percent}.png"), slot))

    def test_the_hands_differ_only_where_the_orientation_shows(self):
        rows = tables()["page_buttons"]
        for percent in SCALES:
            right = load(f"page_buttons_right@{percent}.png")
            left = load(f"page_buttons_left@{percent}.png")
            # The orientation places reach above the hover pictures; the mouse keeps inside
            # the pictures, so that none of it shows beside a picture that covers it.
            areas = []
            for layer in ("normal", "layer"):
                a, p = box(rows[f"art.orientation.{layer}"], percent), box(rows[f"picture.{layer}"], percent)
                areas.append((max(a[0], p[0]), max(a[1], p[1]), min(a[2], p[2]), min(a[3], p[3])))
            with self.subTest(percent=percent):
                self.assertFalse(differs(right, load(f"page_buttons_normal@{percent}.png")),
                                 "the right hand's background is the page's resting picture")
                self.assertFalse(differs(blacked_out(left, areas), blacked_out(right, areas)))
                for area in areas:
                    self.assertTrue(differs(left, right, area), "both hands look alike")


class MacroManagerImages(unittest.TestCase):
    """The macro manager's editors: child windows on its editor plate, the recording look of
    Start Record and the sequence list's row icons."""

    EDITORS = ("macro_list_editor", "macro_adjust")
    ROW_ICONS = 4

    def test_the_editors_join_the_managers_editor_plate(self):
        editor = tables()["macro_manager"]["editor"]
        for dialog, percent in itertools.product(self.EDITORS, SCALES):
            with self.subTest(dialog=dialog, percent=percent):
                plate = load(f"macro_manager_normal@{percent}.png").crop(box(editor, percent))
                shown = load(f"{dialog}_normal@{percent}.png")
                self.assertEqual(plate.size, shown.size, "the editor does not fit the manager's editor area")
                width = max(1, percent // 100)
                self.assertFalse(differs(rim(plate, width), rim(shown, width)), "the editor does not join the plate")

    def test_the_recording_look_differs_from_start_record_only_at_the_button(self):
        rows = tables()["macro_list_editor"]
        _, _, w, h = rows["dialog"]
        for percent in SCALES:
            record = box(rows["record"], percent)
            looks = {}
            for state in STATES:
                image = load(f"macro_list_editor_recording_{state}@{percent}.png")
                looks[state] = image.crop(record)
                with self.subTest(percent=percent, state=state):
                    self.assertEqual(image.size, (mul_div(w, percent), mul_div(h, percent)))
                    plain = load(f"macro_list_editor_{state}@{percent}.png")
                    self.assertFalse(differs(blacked_out(image, [record]), blacked_out(plain, [record])),
                                     "pixels outside the record button differ from the editor")
                    self.assertTrue(differs(image, plain, record), "recording looks like Start Record")
            with self.subTest(percent=percent):
                red = sum(1 for r, g, b in looks["normal"].getdata() if r - max(g, b) > 80)
                self.assertGreater(red, 0, "the recording look shows no red")
            for a, b in itertools.combinations(STATES, 2):
                with self.subTest(percent=percent, states=(a, b)):
                    self.assertTrue(differs(looks[a], looks[b]))

    def test_the_row_icons_are_four_distinct_glyphs_on_a_transparent_ground(self):
        for percent in SCALES:
            side = mul_div(16, percent)
            path = os.path.join(SKIN_DIR, f"macro_row_icons@{percent}.png")
            with self.subTest(percent=percent):
                icons = Image.open(path)
                self.assertEqual(icons.mode, "RGBA")
                self.assertEqual(icons.size, (self.ROW_ICONS * side, side))
            cells = [icons.crop((i * side, 0, (i + 1) * side, side)) for i in range(self.ROW_ICONS)]
            for index, cell in enumerate(cells):
                with self.subTest(percent=percent, icon=index):
                    alpha = cell.getchannel("A")
                    self.assertEqual(alpha.getpixel((0, 0)), 0, "the row shows through the corners")
                    self.assertGreater(sum(1 for v in alpha.getdata() if v == 255), side * side // 8, "no glyph")
            for i, j in itertools.combinations(range(self.ROW_ICONS), 2):
                with self.subTest(percent=percent, icons=(i, j)):
                    self.assertTrue(differs(cells[i], cells[j]))


class SingleImages(unittest.TestCase):
    def test_every_flag_exists_in_every_look_and_scale_and_all_differ(self):
        for percent in SCALES:
            normals = []
            for index in range(FLAG_COUNT):
                looks = {look: load(f"flag_{index}_{look}@{percent}.png") for look in FLAG_LOOKS}
                for look, image in looks.items():
                    with self.subTest(index=index, look=look, percent=percent):
                        self.assertEqual(image.size, (mul_div(32, percent), mul_div(17, percent)))
                for a, b in itertools.combinations(FLAG_LOOKS, 2):
                    with self.subTest(index=index, percent=percent, looks=(a, b)):
                        self.assertTrue(differs(looks[a], looks[b]))
                normals.append(looks["normal"])
            for i, j in itertools.combinations(range(FLAG_COUNT), 2):
                with self.subTest(percent=percent, flags=(i, j)):
                    self.assertTrue(differs(normals[i], normals[j]), "two languages share a flag")

    def test_the_windows_profile_look_is_its_own_in_every_state(self):
        main = tables()["main_dialog"]
        marker = main["winprofile.1"]
        for percent in SCALES:
            on = {s: load(f"winprofile_on_{s}@{percent}.png") for s in STATES}
            for state, image in on.items():
                with self.subTest(percent=percent, state=state):
                    self.assertEqual(image.size, (mul_div(marker[2], percent), mul_div(marker[3], percent)))
                    off = load(f"main_dialog_{state}@{percent}.png").crop(box(marker, percent))
                    self.assertTrue(differs(image, off), "both markers look alike")
            for a, b in itertools.combinations(STATES, 2):
                with self.subTest(percent=percent, states=(a, b)):
                    self.assertTrue(differs(on[a], on[b]))

    def test_the_badge_has_its_place_size(self):
        _, _, w, h = tables()["main_dialog"]["badge"]
        for percent in SCALES:
            with self.subTest(percent=percent):
                badge = load(f"badge@{percent}.png")
                self.assertEqual(badge.size, (mul_div(w, percent), mul_div(h, percent)))
                self.assertIsNone(mask_where(badge, lambda v: v > 250).getbbox())


if __name__ == "__main__":
    SKIN_DIR, LAYOUT_DIR = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
