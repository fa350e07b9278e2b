#!/usr/bin/env python3
"""Makes the media of the main page's double-click test from code alone:

    make_double_click.py <output folder>

double_click.bmp   the test picture: a mouse whose left button is lit, with two rings
                   beside it (24-bit, drawn at twice the button's 42 x 23 so that it stays
                   sharp when stretched to larger scales)
double_click.avi   the clip played on a double click: the button flashes twice and the
                   rings spread (42 x 23, uncompressed 8-bit frames with a palette, the
                   kind the Windows animation control plays without a codec)
double_click.wav   the sound: two clicks and a short chime (16-bit PCM, one channel)

Everything is written with the standard library; the files are made again only when this
script changes."""
import math
import os
import random
import struct
import sys
import wave

BACKGROUND = (0x12, 0x14, 0x18)
BODY = (0x2a, 0x2f, 0x37)
EDGE = (0x4c, 0x53, 0x5e)
ACCENT = (0x1c, 0xc4, 0xff)
LIGHT = (0xe6, 0xe9, 0xee)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def coverage(inside, x, y, samples=4):
    """How much of the pixel (x, y) the shape covers, by supersampling."""
    hits = 0
    for i in range(samples):
        for j in range(samples):
            if inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def rounded_rect(l, t, r, b, radius):
    def inside(x, y):
        if not (l <= x <= r and t <= y <= b):
            return False
        cx = min(max(x, l + radius), r - radius)
        cy = min(max(y, t + radius), b - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def ring(cx, cy, radius, width, start, end):
    """An arc of a ring, between the angles start and end (radians, 0 to the right)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        a = math.atan2(y - cy, x - cx)
        return abs(d - radius) <= width / 2 and start <= a <= end
    return inside


def scene(width, height, lit, rings):
    """One picture as rows of (r, g, b): `lit` 0..1 lights the left button, `rings` is a
    list of (radius factor, strength) for the rings beside the mouse."""
    s = height / 23.0  # layout pixels to picture pixels
    body = rounded_rect(6 * s, 2.5 * s, 17 * s, 20.5 * s, 5 * s)
    body_in = rounded_rect(7 * s, 3.5 * s, 16 * s, 19.5 * s, 4 * s)
    left_button = rounded_rect(7.6 * s, 4.1 * s, 11.2 * s, 9.5 * s, 2.2 * s)
    cx, cy = 11.5 * s, 9 * s
    arcs = [(ring(cx, cy, (8 + 8 * f) * s, 1.6 * s, -0.75, 0.75), strength) for f, strength in rings]
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            colour = BACKGROUND
            colour = mix(colour, EDGE, coverage(body, x, y))
            colour = mix(colour, BODY, coverage(body_in, x, y))
            button = coverage(left_button, x, y)
            if button:
                colour = mix(colour, mix(BODY, ACCENT, 0.25 + 0.75 * lit), button)
            for arc, strength in arcs:
                c = coverage(arc, x, y)
                if c:
                    colour = mix(colour, mix(ACCENT, LIGHT, 0.3), c * strength)
            row.append(colour)
        rows.append(row)
    return rows


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def palette_of(frames):
    """Every colour the frames use, at most 256 of them."""
    colours = sorted({c for frame in frames for row in frame for c in row})
    if len(colours) > 256:
        # Too many shades: keep 256 spread over the list; the nearest stands in.
        step = len(colours) / 256
        colours = [colours[int(i * step)] for i in range(256)]
    return colours


def nearest(palette, cache, colour):
    if colour not in cache:
        cache[colour] = min(range(len(palette)),
                            key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))
    return cache[colour]


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, data):
    return kind + struct.pack("<I", len(data) + 4) + fourcc + data


def write_avi(path, frames, fps):
    height, width = len(frames[0]), len(frames[0][0])
    palette = palette_of(frames)
    cache = {}
    stride = (width + 3) // 4 * 4
    images = []
    for frame in frames:
        data = bytearray()
        for row in reversed(frame):  # bottom-up
            line = bytes(nearest(palette, cache, c) for c in row)
            data += line + bytes(stride - len(line))
        images.append(bytes(data))
    size = stride * height
    bih = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, size, 0, 0, len(palette), 0)
    bih += b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    microseconds = 1000000 // fps
    avih = struct.pack("<14I", microseconds, size * fps, 0, 0x10, len(frames), 0, 1, size, width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"DIB ", 0, 0, 0, 0, 1, fps, 0, len(frames), size,
                       0xFFFFFFFF, 0, 0, 0, width, height)
    hdrl = chunk(b"avih", avih) + riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bih))
    movi_data = b""
    index = b""
    for image in images:
        # Offsets count from the "movi" code of the list.
        index += struct.pack("<4sIII", b"00db", 0x10, 4 + len(movi_data), len(image))
        movi_data += chunk(b"00db", image)
    body = riff_list(b"LIST", b"hdrl", hdrl) + riff_list(b"LIST", b"movi", movi_data) + chunk(b"idx1", index)
    with open(path, "wb") as f:
        f.write(riff_list(b"RIFF", b"AVI ", body))


def write_wav(path, rate=22050):
    random.seed(7)  # the same bytes at every build
    samples = [0.0] * int(rate * 0.45)

    def click(at):
        start = int(at * rate)
        for n in range(int(0.012 * rate)):
            envelope = math.exp(-n / (0.0025 * rate))
            tone = math.sin(2 * math.pi * 2400 * n / rate)
            samples[start + n] += 0.55 * envelope * (0.6 * tone + 0.4 * random.uniform(-1, 1))

    def chime(at, frequency, loudness):
        start = int(at * rate)
        for n in range(len(samples) - start):
            envelope = math.exp(-n / (0.07 * rate)) * min(1.0, n / (0.004 * rate))
            samples[start + n] += loudness * envelope * math.sin(2 * math.pi * frequency * n / rate)

    click(0.0)
    click(0.09)
    chime(0.16, 1318.5, 0.28)
    chime(0.16, 1975.5, 0.16)
    peak = max(abs(s) for s in samples) or 1.0
    data = b"".join(struct.pack("<h", round(s / peak * 0.8 * 32767)) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(data)


def clip_frames(width, height):
    """The button flashes twice, then two rings spread from it and fade."""
    frames = []
    for n in range(14):
        lit = 1.0 if n in (0, 1, 4, 5) else (0.35 if n in (2, 3) else 0.15)
        rings = []
        if n >= 4:
            spread = (n - 4) / 9
            rings = [(spread, 1 - spread), (max(0.0, spread - 0.25), max(0.0, 1 - spread) * 0.8)]
        frames.append(scene(width, height, lit, rings))
    return frames


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "double_click.bmp"), scene(84, 46, 1.0, [(0.3, 0.9), (0.0, 0.6)]))
    write_avi(os.path.join(folder, "double_click.avi"), clip_frames(42, 23), fps=15)
    write_wav(os.path.join(folder, "double_click.wav"))


if __name__ == "__main__":
    main()
