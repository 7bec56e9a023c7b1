#!/usr/bin/env python3
"""Draws the program icon: one 32 x 32 image in 16 colours, a corner of a
wooden board with its grid, a black stone and a white stone.

    res/make_icon.py > res/kivrano.ico

The .ico is kept in the repository, so the build does not need Python."""
import struct
import sys

SIZE = 32
# The 16 palette entries as (red, green, blue); unused ones stay black.
PALETTE = [
    (0, 0, 0),        # 0 black: stone, outline
    (222, 172, 96),   # 1 wood
    (96, 62, 24),     # 2 grid lines, board edge
    (255, 255, 255),  # 3 white stone
    (176, 176, 176),  # 4 white stone's shade
    (72, 72, 72),     # 5 black stone's highlight
    (190, 140, 70),   # 6 wood grain
] + [(0, 0, 0)] * 9
TRANSPARENT = None


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    # The board: a square with one-pixel rounded corners.
    for y in range(1, 31):
        for x in range(1, 31):
            if (x, y) in ((1, 1), (30, 1), (1, 30), (30, 30)):
                continue
            edge = x in (1, 30) or y in (1, 30)
            grain = (x * 3 + y * 7) % 23 == 0
            pixels[y][x] = 2 if edge else (6 if grain else 1)
    # The grid: lines every 7 pixels.
    for line in (5, 12, 19, 26):
        for t in range(5, 27):
            pixels[line][t] = 2
            pixels[t][line] = 2
    # Stones on the intersections (12, 12) and (19, 19), radius 6.
    for cx, cy, body, shade in ((12, 12, 0, 5), (19, 19, 3, 4)):
        for y in range(cy - 7, cy + 8):
            for x in range(cx - 7, cx + 8):
                d2 = (x - cx) ** 2 + (y - cy) ** 2
                if d2 <= 36:
                    colour = body
                    if body == 0 and (x - cx + 2) ** 2 + (y - cy + 2) ** 2 <= 3:
                        colour = shade
                    if body == 3 and (d2 >= 26 or (d2 >= 12 and (x - cx) + (y - cy) > 3)):
                        colour = shade
                    pixels[y][x] = colour
    return pixels


def ico(pixels):
    # The XOR image bottom-up, two pixels a byte, rows of 16 bytes.
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):
        row = pixels[y]
        for x in range(0, SIZE, 2):
            a = row[x] or 0
            b = row[x + 1] or 0
            xor.append((a << 4) | b)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is TRANSPARENT else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


sys.stdout.buffer.write(ico(draw()))
