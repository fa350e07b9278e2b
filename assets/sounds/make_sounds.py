#!/usr/bin/env python3
"""Speaks every phrase of the list with espeak-ng and stores it as a canonical wave file:
a 44-byte header, 16-bit PCM, one channel. The monitor scales the samples in place and
relies on exactly that layout.

usage: make_sounds.py <phrase list> <output folder>
"""
import os
import subprocess
import sys
import tempfile
import wave


def read_list(path):
    sounds = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            name, sep, words = line.partition("\t")
            if not sep or not name.endswith(".wav") or not words.strip() or os.path.basename(name) != name:
                sys.exit(f"{path}:{number}: expected '<file>.wav<TAB><words>'")
            sounds.append((name, words.strip()))
    return sounds


def speak(words, raw_path):
    subprocess.run(["espeak-ng", "-v", "en-us", "-s", "150", "-w", raw_path, words], check=True)


def write_canonical(raw_path, out_path):
    # espeak-ng's own header may carry a streaming size; take the samples up to the end of
    # the file and write them back behind a plain header.
    with open(raw_path, "rb") as f:
        raw = f.read()
    with wave.open(raw_path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1 or w.getcomptype() != "NONE":
            sys.exit(f"{raw_path}: espeak-ng did not write 16-bit mono PCM")
        rate = w.getframerate()
    data_at = raw.find(b"data") + 8
    samples = raw[data_at:]
    samples = samples[: len(samples) // 2 * 2]
    tmp = out_path + ".part"
    with wave.open(tmp, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(samples)
    with open(tmp, "rb") as f:
        header = f.read(44)
    if len(header) != 44 or header[36:40] != b"data":
        sys.exit(f"{out_path}: header is not the canonical 44 bytes")
    os.replace(tmp, out_path)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    list_path, out_dir = sys.argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        raw_path = os.path.join(work, "raw.wav")
        for name, words in read_list(list_path):
            speak(words, raw_path)
            write_canonical(raw_path, os.path.join(out_dir, name))


if __name__ == "__main__":
    main()
