#!/usr/bin/env python3
"""Draws the manager's pictures: the toolbar strip (toolbar.bmp, eleven 16 x 16
pictures on a magenta key colour) and the program icon (vantor.ico, 16 and 32 px).
Run it after changing a drawing; its outputs are kept in the repo beside it."""
import os
import struct

KEY = (255, 0, 255)
HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self, size, fill=KEY):
        self.size = size
        self.px = [[fill] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c); self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c); self.put(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def disc(self, cx, cy, r, c):
        for y in range(self.size):
            for x in range(self.size):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def ring(self, cx, cy, r, c, gap=None):
        import math
        for a in range(0, 360, 4):
            if gap and gap[0] <= a <= gap[1]:
                continue
            self.put(round(cx + r * math.cos(math.radians(a))), round(cy - r * math.sin(math.radians(a))), c)


OUTLINE = (40, 60, 90)
FOLDER = (244, 200, 80)
FOLDER_DARK = (196, 150, 40)
GREEN = (40, 150, 60)
RED = (200, 40, 40)
BLUE = (40, 100, 200)
GREY = (110, 110, 110)
WHITE = (255, 255, 255)


def folder(c, x=1, y=3):
    c.rect(x, y + 1, x + 5, y + 2, FOLDER_DARK)
    c.rect(x, y + 2, x + 12, y + 10, FOLDER)
    c.frame(x, y + 2, x + 12, y + 10, FOLDER_DARK)


def add():
    c = Canvas(16); folder(c)
    c.rect(9, 8, 15, 10, GREEN); c.rect(11, 6, 13, 12, GREEN)
    return c


def edit():
    c = Canvas(16); folder(c)
    for i in range(7):
        c.put(7 + i, 14 - i, BLUE); c.put(8 + i, 14 - i, BLUE); c.put(8 + i, 15 - i, OUTLINE)
    c.put(6, 15, OUTLINE)
    return c


def delete():
    c = Canvas(16); folder(c)
    for i in range(6):
        for d in (0, 1):
            c.put(9 + i + d, 7 + i, RED); c.put(14 - i + d, 7 + i, RED)
    return c


def sort():
    c = Canvas(16)
    for i, w in enumerate((4, 7, 10, 13)):
        c.rect(1, 2 + i * 3, w - 2, 3 + i * 3, GREY)
    c.rect(12, 1, 13, 10, BLUE)
    for i in range(4):
        c.rect(9 + i, 10 + i, 16 - i, 10 + i, BLUE)
    return c


def arrow(up):
    c = Canvas(16)
    for i in range(7):
        y = 1 + i if up else 14 - i
        c.rect(7 - i, y, 8 + i, y, GREEN)
    for y in range(8, 15) if up else range(1, 8):
        c.rect(5, y, 10, y, GREEN)
    return c


def refresh():
    c = Canvas(16)
    for r in (5, 6):
        c.ring(7.5, 8.5, r, GREEN, gap=(0, 60))
    # the arrow head at the open end, pointing down
    for i in range(4):
        c.rect(10 + i, 7 - i, 17 - i - 1 - i, 7 - i, GREEN)
    c.rect(10, 4, 15, 7, KEY)
    for i in range(4):
        c.rect(10 + i, 4 + i, 15 - i, 4 + i, GREEN)
    return c


def tray(c):
    c.rect(1, 11, 14, 14, GREY); c.rect(3, 11, 12, 12, (200, 200, 200))


def import_():
    c = Canvas(16); tray(c)
    c.rect(7, 1, 8, 8, BLUE)
    for i in range(4):
        c.rect(4 + i, 6 + i, 11 - i, 6 + i, BLUE)
    return c


def export():
    c = Canvas(16); tray(c)
    c.rect(7, 4, 8, 11, BLUE)
    for i in range(4):
        c.rect(4 + i, 4 - i, 11 - i, 4 - i, BLUE)
    return c


def options():
    c = Canvas(16)
    c.disc(7.5, 7.5, 5, GREY)
    for dx, dy in ((0, -6), (0, 6), (-6, 0), (6, 0), (-4.3, -4.3), (4.3, 4.3), (-4.3, 4.3), (4.3, -4.3)):
        c.disc(7.5 + dx, 7.5 + dy, 1.5, GREY)
    c.disc(7.5, 7.5, 2.2, KEY)
    return c


def help_():
    c = Canvas(16)
    c.disc(7.5, 7.5, 7.3, BLUE)
    for x, y in ((6, 4), (7, 3), (8, 3), (9, 3), (10, 4), (10, 5), (9, 6), (8, 7), (8, 8), (7, 7), (7, 8),
                 (6, 5), (8, 4), (9, 5), (8, 11), (7, 11), (7, 12), (8, 12), (9, 4)):
        c.put(x, y, WHITE)
    return c


PICTURES = [add, edit, delete, sort, lambda: arrow(True), lambda: arrow(False), refresh, import_, export,
            options, help_]


def bmp_bytes(width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def icon_canvas(size):
    c = Canvas(size, KEY)
    s = size / 16
    c.rect(int(1 * s), int(3 * s), int(6 * s), int(5 * s), FOLDER_DARK)
    c.rect(int(1 * s), int(4 * s), int(14 * s), int(14 * s), FOLDER)
    c.frame(int(1 * s), int(4 * s), int(14 * s), int(14 * s), FOLDER_DARK)
    # a blue arrow into the folder: the jump
    for i in range(int(4 * s)):
        c.rect(int(8 * s) - i, int(6 * s) + i, int(8 * s) + i, int(6 * s) + i, BLUE)
    c.rect(int(7 * s), int(6 * s + 4 * s), int(9 * s), int(12 * s), BLUE)
    return c


def ico_image(size):
    c = icon_canvas(size)
    pixels = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b = c.px[y][x]
            alpha = 0 if (r, g, b) == KEY else 255
            if alpha == 0:
                r = g = b = 0
            pixels += bytes((b, g, r, alpha))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = 0
        row = bytearray(mask_row)
        for x in range(size):
            if c.px[y][x] == KEY:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def main():
    strips = [p() for p in PICTURES]
    width = 16 * len(strips)
    with open(os.path.join(HERE, "toolbar.bmp"), "wb") as f:
        f.write(bmp_bytes(width, 16, lambda x, y: strips[x // 16].px[y][x % 16]))
    images = [ico_image(16), ico_image(32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(os.path.join(HERE, "vantor.ico"), "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
