#!/usr/bin/env python3
"""Draws the lighting page's breathing animation, "Gif\\Breathing_Animation.gif": the Orvix
One from above on a dark display plate, its lights swelling and fading like a breath.

    make_breathing.py OUT.gif

The mouse is the one of the page's showcase (skinart/mouse_light.py), so both look alike.
97 x 70 pixels (the picture's place at 96 DPI), 32 frames of 90 ms, looping."""
import math
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "skin"))

import cairo  # noqa: E402
from PIL import Image  # noqa: E402

from skinart import theme as t  # noqa: E402
from skinart.mouse_light import mouse  # noqa: E402

WIDTH, HEIGHT = 97, 70
FRAMES = 32
FRAME_MS = 90
# The glow never goes fully dark: a breathing light rests dim between breaths.
DIM, BRIGHT = 0.06, 1.0


def glow_at(frame):
    phase = frame / FRAMES
    breath = 0.5 - 0.5 * math.cos(2 * math.pi * phase)
    return DIM + (BRIGHT - DIM) * breath ** 1.6


def draw(glow):
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, WIDTH, HEIGHT)
    ctx = cairo.Context(surface)
    t.source(ctx, t.EDGE_DIM)
    ctx.paint()
    t.fill_shape(ctx, t.Rect(1, 1, WIDTH - 1, HEIGHT - 1), t.Corners(), t.hex_colour("0b0c0f"))
    ctx.save()
    ctx.rectangle(1, 1, WIDTH - 2, HEIGHT - 2)
    ctx.clip()
    h = 58
    mouse(ctx, WIDTH / 2, (HEIGHT - h) / 2, h * 0.60, h, t.ACCENT, glow, 1.0)
    ctx.restore()
    surface.flush()
    return Image.frombuffer("RGB", (WIDTH, HEIGHT), bytes(surface.get_data()), "raw", "BGRX",
                            surface.get_stride(), 1).copy()


def main():
    frames = [draw(glow_at(i)) for i in range(FRAMES)]
    # One palette for every frame (taken from the dimmest and the brightest side by side),
    # so that the colours do not flicker from frame to frame.
    sample = Image.new("RGB", (WIDTH * 2, HEIGHT))
    sample.paste(frames[0], (0, 0))
    sample.paste(frames[FRAMES // 2], (WIDTH, 0))
    palette = sample.quantize(colors=255, method=Image.Quantize.MEDIANCUT)
    indexed = [f.quantize(palette=palette, dither=Image.Dither.NONE) for f in frames]
    indexed[0].save(sys.argv[1], save_all=True, append_images=indexed[1:], duration=FRAME_MS, loop=0,
                    optimize=False, disposal=1)


if __name__ == "__main__":
    main()
