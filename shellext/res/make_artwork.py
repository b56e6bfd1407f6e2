#!/usr/bin/env python3
"""Draws the shell extension's pictures and writes them as BMP/ICO files here:
  folder.bmp      (101) 14x14, 24-bit: a yellow folder
  folder_add.bmp  (102) 14x14, 24-bit: the same folder with a black plus sign
  arrow.bmp       (103) 14x14, 16 colours: a small right arrow, blue and purple
  vtshellext.ico  MAINICON, 32x32, 16 colours: the folder, drawn twice as large
Background everywhere: light grey 192,192,192 (the menu maps it to the 3-D face).
Run it again after changing a picture; the outputs are kept in the repository."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

COLOURS = {
    ".": (192, 192, 192),  # background
    "K": (0, 0, 0),        # black
    "O": (128, 96, 0),     # folder outline
    "Y": (255, 216, 48),   # folder face
    "L": (255, 240, 160),  # folder highlight
    "D": (208, 160, 0),    # folder back
    "B": (0, 0, 255),      # arrow body
    "P": (128, 0, 128),    # arrow edge
}

FOLDER = [
    "..............",
    "..............",
    ".OOOO.........",
    "ODDDDO........",
    "ODDDDDOOOOOOO.",
    "ODOOOOOOOOOOOO",
    "ODOLLLLLLLLLLO",
    "ODOLYYYYYYYYO.",
    "OOLYYYYYYYYYO.",
    "OOYYYYYYYYYO..",
    "OLYYYYYYYYYO..",
    "OOOOOOOOOOOO..",
    "..............",
    "..............",
]

PLUS = [  # drawn over the folder, "." leaves the folder pixel
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..........K...",
    "..........K...",
    "........KKKKK.",
    "..........K...",
    "..........K...",
    "..............",
]

ARROW = [
    "..............",
    "..............",
    "..............",
    "......PP......",
    "......PBP.....",
    "......PBBP....",
    "..PPPPPBBBP...",
    "..PBBBBBBBBP..",
    "..PPPPPBBBP...",
    "......PBBP....",
    "......PBP.....",
    "......PP......",
    "..............",
    "..............",
]

# The standard 16-colour palette; grey 192 is entry 7, blue 12, purple 5.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def overlay(base, top):
    return ["".join(t if t != "." else b for b, t in zip(rb, rt)) for rb, rt in zip(base, top)]


def nearest16(rgb):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(PALETTE16[i], rgb)))


def info_header(width, height, bits, colours):
    row = ((width * bits + 31) // 32) * 4
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, row * abs(height), 2835, 2835, colours, 0)


def pixel_rows_24(picture):
    out = b""
    for line in reversed(picture):  # bottom-up
        row = b"".join(bytes(reversed(COLOURS[c])) for c in line)
        out += row + b"\0" * ((-len(row)) % 4)
    return out


def pixel_rows_4(picture):
    out = b""
    for line in reversed(picture):
        idx = [nearest16(COLOURS[c]) for c in line]
        if len(idx) % 2:
            idx.append(0)
        row = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        out += row + b"\0" * ((-len(row)) % 4)
    return out


def palette_bytes():
    return b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)


def write_bmp(name, picture, bits):
    w, h = len(picture[0]), len(picture)
    if bits == 24:
        body = info_header(w, h, 24, 0) + pixel_rows_24(picture)
    else:
        body = info_header(w, h, 4, 16) + palette_bytes() + pixel_rows_4(picture)
    offset = 14 + 40 + (16 * 4 if bits == 4 else 0)
    data = b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def write_icon(name, picture):
    big = [("".join(c * 2 for c in line)) for line in picture for _ in range(2)]
    big = [line + "." * (32 - len(line)) for line in big] + ["." * 32] * (32 - len(big))
    xor = pixel_rows_4(big)
    and_mask = b"\0" * (4 * 32)  # fully opaque
    image = info_header(32, 64, 4, 16) + palette_bytes() + xor + and_mask
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + image)


if __name__ == "__main__":
    for picture in (FOLDER, PLUS, ARROW):
        assert len(picture) == 14 and all(len(line) == 14 for line in picture)
    write_bmp("folder.bmp", FOLDER, 24)
    write_bmp("folder_add.bmp", overlay(FOLDER, PLUS), 24)
    write_bmp("arrow.bmp", ARROW, 4)
    write_icon("vtshellext.ico", FOLDER)
