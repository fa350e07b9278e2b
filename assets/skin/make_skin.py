#!/usr/bin/env python3
"""Draws the configuration program's skin images from the layout tables.

    make_skin.py --layouts DIR --list                 names of every image it makes
    make_skin.py --layouts DIR --out DIR              makes them
    make_skin.py --layouts DIR --preview OUT.png [--scale PERCENT] [--badge]

For each table <dialog>.layout: <dialog>_<state>@<percent>.png, the full window in each of
the states normal, hover, pressed and disabled. Beside them: winprofile_on_<state>@<percent>.png,
flag_<index>_<look>@<percent>.png and badge@<percent>.png, and the pictures a dialog's art
module adds with `extra_images(table, percent)` (<name>@<percent>.png). Every image is drawn
from vectors at each scale, so none is a resized bitmap.
"""
import argparse
import os
import sys

# The build runs this from the source tree, which must stay free of byte-code caches.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinart import extras, flags, preview, render  # noqa: E402
from skinart.controls import STATES  # noqa: E402
from skinart.layout import read_tables  # noqa: E402

SCALES = (100, 150, 200)


def image_jobs(tables):
    """(file name, function making the image) for every image, in a fixed order."""
    main = next(t for t in tables if t.dialog == "main_dialog")
    jobs = []
    for percent in SCALES:
        for table in tables:
            jobs.append(([f"{table.dialog}_{s}@{percent}.png" for s in STATES],
                         lambda table=table, percent=percent: [render.render_dialog(table, percent)[s] for s in STATES]))
            extra_images = getattr(render.painter_for(table), "extra_images", None)
            for name, make in extra_images(table, percent) if extra_images else ():
                jobs.append(([f"{name}@{percent}.png"], lambda make=make: [make()]))
        jobs.append(([f"winprofile_on_{s}@{percent}.png" for s in STATES],
                     lambda percent=percent: [extras.winprofile_on(main, percent)[s] for s in STATES]))
        for index in range(len(flags.FLAGS)):
            jobs.append(([f"flag_{index}_{look}@{percent}.png" for look in flags.LOOKS],
                         lambda index=index, percent=percent: [extras.flag_image(index, look, percent)
                                                               for look in flags.LOOKS]))
        jobs.append(([f"badge@{percent}.png"], lambda percent=percent: [extras.badge_image(main, percent)]))
    return jobs


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--layouts", required=True, help="folder of the .layout tables")
    parser.add_argument("--list", action="store_true", help="print the names of the images and stop")
    parser.add_argument("--out", help="folder to write the images into")
    parser.add_argument("--preview", help="write a labelled preview of the main dialog")
    parser.add_argument("--scale", type=int, default=100, choices=SCALES)
    parser.add_argument("--badge", action="store_true", help="show the edition badge in the preview")
    args = parser.parse_args()

    tables = read_tables(args.layouts)
    if args.list:
        for names, _ in image_jobs(tables):
            print("\n".join(names))
        return
    if args.preview:
        main_table = next(t for t in tables if t.dialog == "main_dialog")
        preview.compose(main_table, args.scale, args.badge).write_to_png(args.preview)
        return
    if not args.out:
        parser.error("one of --list, --out or --preview is needed")
    os.makedirs(args.out, exist_ok=True)
    for names, make in image_jobs(tables):
        for name, image in zip(names, make()):
            image.save(os.path.join(args.out, name))


if __name__ == "__main__":
    main()
