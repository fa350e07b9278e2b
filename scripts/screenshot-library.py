#!/usr/bin/env python3
"""Writes a small macro library and timer list into an install folder's "config", so that
the button page's menus and the timer editor have something to show in the screenshots:
    screenshot-library.py INSTALL_FOLDER
The files are in the program's own format: INI files whose records are struct texts (every
byte as two upper-case hexadecimal digits, then the sum of the bytes modulo 256)."""
import os
import struct
import sys


def struct_text(data):
    return data.hex().upper() + "%02X" % (sum(data) % 256)


def macro(name, events, loops=1):
    record = name.encode("ascii").ljust(52, b"\0") + struct.pack("<ii", loops, len(events))
    record += b"".join(struct.pack("<BBH", key, direction, delay) for key, direction, delay in events)
    return record.ljust(2060, b"\0")


def timer(seconds, name):
    return struct.pack("<i", seconds) + name.encode("ascii").ljust(100, b"\0")


def typed(word, delay=30):
    # Key codes of the letters a..z are 4..29; 1 presses, 2 releases.
    return [e for c in word for e in ((ord(c) - ord("a") + 4, 1, delay), (ord(c) - ord("a") + 4, 2, delay))]


def main():
    config = os.path.join(sys.argv[1], "config")
    sets = {
        "World of Warcraft": [macro("Mount", typed("mount", 120)), macro("Heal", typed("h"), 2)],
        "Shooter": [macro("Reload", typed("r")), macro("Grenade", typed("g"))],
    }
    lines = ["[SetMacro]", "number=%d" % len(sets)] + ["%d=%s" % (i, n) for i, n in enumerate(sets)]
    for name, macros in sets.items():
        lines += ["[%s]" % name, "number=%d" % len(macros)] + ["%d=%s" % (i, struct_text(m)) for i, m in enumerate(macros)]
    with open(os.path.join(config, "Preset_sequence.dat"), "w", newline="\r\n") as out:
        out.write("\n".join(lines) + "\n")
    timers = [timer(60, "Respawn"), timer(300, "Tea")]
    lines = ["[Timer]", "Count=%d" % len(timers)] + ["%d=%s" % (i, struct_text(t)) for i, t in enumerate(timers)]
    with open(os.path.join(config, "Timer.ini"), "w", newline="\r\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
