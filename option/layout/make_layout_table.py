#!/usr/bin/env python3
"""Turns a .layout file into a C++ header with its table of roles and layout strings.

    make_layout_table.py IN.layout OUT.h NAME

The header defines `constexpr LayoutLine NAME[]` (LayoutLine comes from "LayoutTable.h").
Lines starting with "#" and empty lines are skipped; every other line is a role, blanks and
a layout string. The layout strings are checked here so that a broken table fails the build.
"""
import re
import sys

LAYOUT = re.compile(r"^[^,]{1,39},( *-?\d+,){4}[^,]*$")


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            parts = line.split(None, 1)
            if len(parts) != 2 or not LAYOUT.match(parts[1].rstrip() if parts[1].rstrip().endswith(",") else parts[1]):
                sys.exit(f"{path}:{number}: not a role and a layout string: {line!r}")
            rows.append((parts[0], parts[1].rstrip()))
    roles = [r for r, _ in rows]
    duplicates = {r for r in roles if roles.count(r) > 1}
    if duplicates:
        sys.exit(f"{path}: roles given twice: {sorted(duplicates)}")
    return rows


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    source, target, name = sys.argv[1:4]
    rows = read_table(source)
    with open(target, "w", encoding="utf-8") as out:
        out.write(f"// Generated from {source.split('/')[-1]} at build time. Do not edit.\n")
        out.write("#pragma once\n\n#include \"LayoutTable.h\"\n\nnamespace orvix {\n\n")
        out.write(f"inline constexpr LayoutLine {name}[] = {{\n")
        for role, layout in rows:
            out.write(f"    {{{c_string(role)}, {c_string(layout)}}},\n")
        out.write("};\n\n}  // namespace orvix\n")


if __name__ == "__main__":
    main()
