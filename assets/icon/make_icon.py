#!/usr/bin/env python3
"""Draws the Orvix One program icon (a mouse seen from above) into a Windows .ico file
with 16x16 and 32x32 images, 32-bit with alpha. Usage: make_icon.py OUTPUT.ico"""
import struct
import sys

BODY = (40, 40, 48)       # dark grey shell
EDGE = (0, 100, 250)      # the default light colour of profile one
WHEEL = (230, 230, 235)


def pixel(x, y, size):
    """Colour and alpha of one pixel, in coordinates 0..1 across the icon."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    cx, rx = 0.5, 0.30
    top, bottom = 0.08, 0.92
    if not (top <= v <= bottom):
        return None
    # A capsule: half ellipses at both ends, straight in between.
    if v < top + rx:
        dy = (top + rx - v) / rx
    elif v > bottom - rx:
        dy = (v - (bottom - rx)) / rx
    else:
        dy = 0.0
    half = rx * max(0.0, 1 - dy * dy) ** 0.5
    if abs(u - cx) > half:
        return None
    if abs(u - cx) > half - 1.5 / size:
        return EDGE
    if 0.46 <= u <= 0.54 and 0.20 <= v <= 0.34:
        return WHEEL
    if abs(u - cx) < 0.6 / size and v < 0.42:
        return EDGE   # the split between the two buttons
    return BODY


def image(size):
    rows = []
    mask_rows = []
    for y in reversed(range(size)):          # bitmaps are stored bottom-up
        row = b""
        mask_bits = []
        for x in range(size):
            c = pixel(x, y, size)
            if c is None:
                row += b"\0\0\0\0"
                mask_bits.append(1)
            else:
                r, g, b = c
                row += bytes((b, g, r, 255))
                mask_bits.append(0)
        rows.append(row)
        mask = bytearray((size + 31) // 32 * 4)
        for x, bit in enumerate(mask_bits):
            if bit:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def main():
    sizes = (16, 32)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
