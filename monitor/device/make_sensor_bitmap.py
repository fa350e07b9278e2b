#!/usr/bin/env python3
"""Writes the empty sensor image bitmap the monitor fills in during calibration:
an 8-bit bitmap of 32 by 30 pixels with a 256-entry grey palette, pixels at offset 1078."""
import struct
import sys

WIDTH, HEIGHT = 32, 30
PIXEL_OFFSET = 14 + 40 + 256 * 4


def sensor_bitmap():
    pixels = bytes(WIDTH * HEIGHT)
    file_header = struct.pack("<2sIHHI", b"BM", PIXEL_OFFSET + len(pixels), 0, 0, PIXEL_OFFSET)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    palette = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(256))
    return file_header + info_header + palette + pixels


if __name__ == "__main__":
    data = sensor_bitmap()
    assert len(data) == PIXEL_OFFSET + WIDTH * HEIGHT
    with open(sys.argv[1], "wb") as out:
        out.write(data)
