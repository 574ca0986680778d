#!/usr/bin/env python3
"""Writes the story scripts dat/kiriha.dat (Japanese) from tools/story/kiriha.txt,
and dat/kiriha_CODE.dat from tools/story/kiriha_CODE.txt for each language
po/LINGUAS lists.

The source is plain UTF-8 text, one script line a line. Each line becomes code
page 932 with a CR LF end and is scrambled with the game's one-byte mask
(kScrambleMask in src/engine/text_utils.h): every byte of 32 and above is
XORed with it. The output depends only on the source, byte for byte.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DAT = os.path.normpath(os.path.join(HERE, "..", "dat"))
LINGUAS = os.path.normpath(os.path.join(HERE, "..", "po", "LINGUAS"))


def stories():
    """(source, target) of the Japanese story and of each listed language's."""
    with open(LINGUAS, encoding="utf-8") as f:
        codes = [code for line in f for code in line.split("#", 1)[0].split()]
    return [(os.path.join(HERE, "story", "kiriha.txt"), os.path.join(DAT, "kiriha.dat"))] + [
        (os.path.join(HERE, "story", f"kiriha_{code}.txt"), os.path.join(DAT, f"kiriha_{code}.dat")) for code in codes]

MASK = 0x0B
# Widest line the five-line console shows without wrapping, in code page 932 bytes.
MAX_LINE_BYTES = 56


def scramble(data):
    return bytes(b ^ MASK if b >= 32 else b for b in data)


def write_story(SOURCE, TARGET):
    with open(SOURCE, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    out = bytearray()
    for number, line in enumerate(lines, 1):
        if "//" in line:
            sys.exit(f"{SOURCE}:{number}: '//' would start a comment")
        try:
            encoded = line.encode("cp932")
        except UnicodeEncodeError as error:
            sys.exit(f"{SOURCE}:{number}: not in code page 932: {error}")
        if len(encoded) > MAX_LINE_BYTES:
            sys.exit(f"{SOURCE}:{number}: {len(encoded)} bytes, wider than the console")
        out += scramble(encoded) + b"\r\n"
    os.makedirs(os.path.dirname(TARGET), exist_ok=True)
    with open(TARGET, "wb") as f:
        f.write(out)


def main():
    for source, target in stories():
        write_story(source, target)


if __name__ == "__main__":
    main()
