#!/usr/bin/env python3
"""Writes the pictures the skin toolkit's Windows tests and demo read, into an install-like
folder: Skin/ with state pictures and single pictures, Gif/ with animations.

    make_test_art.py OUT_FOLDER

The test pictures are plain colours, so a test can tell which picture a control shows by one
pixel; the demo's pictures look like a small dialog of the suite, in the graphite and cyan of
the skin art."""
import os
import sys

from PIL import Image, ImageDraw

# One colour per state, far apart, none of them white.
STATE_COLOURS = {
    "normal": (40, 60, 90),
    "hover": (60, 110, 160),
    "pressed": (10, 140, 60),
    "disabled": (90, 90, 90),
}
WHITE = (255, 255, 255)


def solid_states(folder, dialog, size, percent, states=STATE_COLOURS):
    for state, colour in states.items():
        Image.new("RGB", size, colour).save(os.path.join(folder, f"{dialog}_{state}@{percent}.png"))


def framed_shape(folder):
    """A white frame around a dark rounded shape with a white hole: the window-region test."""
    image = Image.new("RGB", (120, 80), WHITE)
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle((10, 10, 109, 69), radius=12, fill=(30, 30, 40))
    draw.rectangle((50, 30, 69, 49), fill=WHITE)
    image.save(os.path.join(folder, "shape_normal@100.png"))


def flag(folder):
    image = Image.new("RGBA", (32, 17), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rectangle((2, 2, 29, 14), fill=(200, 30, 30, 255))
    image.save(os.path.join(folder, "flag_test@100.png"))
    image.resize((64, 34)).save(os.path.join(folder, "flag_test@200.png"))


def animation(path, colours, duration, size=(40, 20)):
    frames = [Image.new("RGB", size, c) for c in colours]
    frames[0].save(path, save_all=True, append_images=frames[1:], duration=duration, loop=0, disposal=1)


def progress(path):
    """A block of light running along a dark bar."""
    frames = []
    for i in range(12):
        image = Image.new("RGB", (128, 15), (14, 16, 19))
        draw = ImageDraw.Draw(image)
        draw.rectangle((0, 0, 127, 14), outline=(54, 60, 69))
        x = 2 + i * 10
        draw.rectangle((x, 3, min(x + 24, 125), 11), fill=(28, 196, 255))
        frames.append(image)
    frames[0].save(path, save_all=True, append_images=frames[1:], duration=80, loop=0)


# The demo dialog: 480 x 330 at 96 DPI, rounded corners cut by white.
DEMO_W, DEMO_H = 480, 330
DEMO_FACES = {  # the face of a button in each state: fill, edge, accent bar
    "normal": ((38, 42, 49), (54, 60, 69), None),
    "hover": ((48, 54, 63), (76, 83, 94), (100, 216, 255)),
    "pressed": ((10, 70, 97), (28, 196, 255), (28, 196, 255)),
    "disabled": ((28, 31, 36), (38, 42, 48), None),
}
DEMO_BUTTONS = [(20, 60, 110, 28), (140, 60, 110, 28), (260, 60, 110, 28), (380, 60, 80, 28),
                (20, 250, 130, 26), (340, 290, 60, 26), (404, 290, 60, 26), (20, 290, 120, 26)]


def demo(folder, percent):
    s = percent / 100

    def box(x, y, w, h):
        return tuple(round(v * s) for v in (x, y, x + w, y + h))

    for state, (fill, edge, accent) in DEMO_FACES.items():
        image = Image.new("RGB", (round(DEMO_W * s), round(DEMO_H * s)), WHITE)
        draw = ImageDraw.Draw(image)
        draw.rounded_rectangle(box(0, 0, DEMO_W - 1, DEMO_H - 1), radius=round(14 * s), fill=(18, 20, 24),
                               outline=(54, 60, 69), width=max(1, round(s)))
        draw.rectangle(box(1, 1, DEMO_W - 3, 40), fill=(23, 25, 29))
        draw.line(box(1, 41, DEMO_W - 3, 0), fill=(28, 196, 255), width=max(1, round(s)))
        draw.rounded_rectangle(box(12, 100, DEMO_W - 24, 136), radius=round(6 * s), fill=(14, 16, 19),
                               outline=(38, 42, 48))
        for (x, y, w, h) in DEMO_BUTTONS:
            draw.rounded_rectangle(box(x, y, w, h), radius=round(5 * s), fill=fill, outline=edge,
                                   width=max(1, round(s)))
            if accent:
                draw.line(box(x + 8, y + h - 3, w - 16, 0), fill=accent, width=max(1, round(2 * s)))
        image.save(os.path.join(folder, f"demo_{state}@{percent}.png"))


def main():
    out = sys.argv[1]
    skin = os.path.join(out, "Skin")
    gif = os.path.join(out, "Gif")
    os.makedirs(skin, exist_ok=True)
    os.makedirs(gif, exist_ok=True)
    solid_states(skin, "solid", (200, 100), 100)
    # Only the normal picture: the other states fall back to it.
    solid_states(skin, "onlynormal", (200, 100), 100, {"normal": STATE_COLOURS["normal"]})
    # Only the 200 % art: every DPI falls back to it.
    solid_states(skin, "only200", (400, 200), 200, {"normal": STATE_COLOURS["pressed"]})
    # 100 % and 150 % in different colours: 144 DPI must take the 150 % art.
    solid_states(skin, "twoscales", (200, 100), 100, {"normal": STATE_COLOURS["normal"]})
    solid_states(skin, "twoscales", (300, 150), 150, {"normal": STATE_COLOURS["hover"]})
    framed_shape(skin)
    flag(skin)
    for percent in (100, 150, 200):
        demo(skin, percent)
    animation(os.path.join(gif, "three_frames.gif"), [(200, 0, 0), (0, 200, 0), (0, 0, 200)], 20)
    animation(os.path.join(gif, "zero_delay.gif"), [(200, 0, 0), (0, 200, 0)], 0)
    progress(os.path.join(gif, "demo_progress.gif"))
    Image.new("RGB", (30, 20), (250, 200, 0)).save(os.path.join(gif, "still.jpg"), quality=95)


if __name__ == "__main__":
    main()
