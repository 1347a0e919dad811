#!/usr/bin/env python3
"""Draws the wizard's picture (120 x 260, 256 colours) and the program's icon.

The files it writes are committed beside it; run it again only to change the art:
    python3 src/res/make_art.py src/res
"""
import math
import struct
import sys


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


WIDTH, HEIGHT = 120, 260
TOP, BOTTOM = (24, 28, 74), (22, 112, 128)      # indigo night into teal
DISCS = [  # centre x, centre y, radius, light colour, dark colour
    (46, 104, 30, (250, 190, 90), (214, 120, 40)),    # amber
    (76, 122, 26, (238, 110, 90), (170, 58, 52)),     # coral
    (56, 146, 22, (150, 210, 230), (70, 140, 180)),   # sky
]
LEVELS_BACKGROUND, LEVELS_DISC = 160, 28


def build():
    palette = [lerp(TOP, BOTTOM, i / (LEVELS_BACKGROUND - 1)) for i in range(LEVELS_BACKGROUND)]
    disc_base = []
    for _, _, _, light, dark in DISCS:
        disc_base.append(len(palette))
        palette += [lerp(light, dark, i / (LEVELS_DISC - 1)) for i in range(LEVELS_DISC)]
    rim = len(palette)
    palette.append((255, 255, 255))
    horizon = len(palette)
    palette.append((170, 220, 225))
    assert len(palette) <= 256
    palette += [(0, 0, 0)] * (256 - len(palette))

    pixels = [[0] * WIDTH for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        level = round(y / (HEIGHT - 1) * (LEVELS_BACKGROUND - 1))
        for x in range(WIDTH):
            pixels[y][x] = level
    for index, (cx, cy, r, _, _) in enumerate(DISCS):
        for y in range(cy - r - 1, cy + r + 2):
            for x in range(cx - r - 1, cx + r + 2):
                d = math.hypot(x - cx, y - cy)
                if d <= r - 1:
                    # Lit from the upper left.
                    t = min(1.0, max(0.0, ((x - cx) + (y - cy)) / (2.2 * r) + 0.5))
                    pixels[y][x] = disc_base[index] + round(t * (LEVELS_DISC - 1))
                elif d <= r:
                    pixels[y][x] = rim
    for x in range(10, WIDTH - 10):
        pixels[206][x] = horizon
    return palette, pixels


def write_bmp(path, palette, pixels):
    row = (WIDTH + 3) & ~3
    image = b"".join(bytes(pixels[y]) + b"\0" * (row - WIDTH) for y in reversed(range(HEIGHT)))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(image), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + colours + image)


def write_icon(path):
    size = 32
    rows = []
    for y in reversed(range(size)):
        row = b""
        for x in range(size):
            colour, alpha = (0, 0, 0), 0
            for cx, cy, r, light, dark in DISCS:
                # The picture's three discs, scaled into the icon.
                sx, sy, sr = (cx - 59) * 0.31 + 16, (cy - 122) * 0.31 + 16, r * 0.31
                d = math.hypot(x - sx, y - sy)
                if d <= sr:
                    t = min(1.0, max(0.0, ((x - sx) + (y - sy)) / (2.2 * sr) + 0.5))
                    colour, alpha = lerp(light, dark, t), 255
            row += bytes((colour[2], colour[1], colour[0], alpha))
        rows.append(row)
    image = b"".join(rows)
    mask = b"\0" * (4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(image) + len(mask), 0, 0, 0, 0)
    data = info + image + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + data)


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    palette, pixels = build()
    write_bmp(f"{folder}/wizard.bmp", palette, pixels)
    write_icon(f"{folder}/setup.ico")
