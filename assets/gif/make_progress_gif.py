#!/usr/bin/env python3
"""Draws "Gif/ProgressbarAnimation.gif": the calibration wizard's running bar, an endless
loop of lit segments sweeping through a dark groove in the theme's accent colour.

    make_progress_gif.py OUT.gif

The bar is 128 by 15 pixels (its place in the wizard's measuring page); the wizard
stretches it at larger scales."""
import sys

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 128, 15
FRAMES = 24
DELAY_MS = 60
GROOVE = (14, 16, 19)
EDGE = (54, 60, 69)
ACCENT = (28, 196, 255)
SEGMENT, GAP = 10, 4


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def frame(index):
    image = Image.new("RGB", (WIDTH, HEIGHT), GROOVE)
    draw = ImageDraw.Draw(image)
    draw.rectangle((0, 0, WIDTH - 1, HEIGHT - 1), outline=EDGE)
    # A pulse of light runs left to right; each segment glows by its distance to it.
    head = (index / FRAMES) * (WIDTH + 40) - 20
    x = 3
    while x + SEGMENT <= WIDTH - 3:
        centre = x + SEGMENT / 2
        glow = max(0.0, 1.0 - abs(centre - head) / 36)
        colour = mix((22, 44, 56), ACCENT, glow)
        draw.rectangle((x, 3, x + SEGMENT - 1, HEIGHT - 4), fill=colour)
        x += SEGMENT + GAP
    return image.convert("P", palette=Image.ADAPTIVE, colors=64)


def main():
    frames = [frame(i) for i in range(FRAMES)]
    frames[0].save(sys.argv[1], save_all=True, append_images=frames[1:], duration=DELAY_MS, loop=0,
                   optimize=False, disposal=1)


if __name__ == "__main__":
    main()
