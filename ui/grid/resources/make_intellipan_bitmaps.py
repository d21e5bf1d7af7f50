#!/usr/bin/env python3
"""Draws the grid's IntelliPan anchor icons, 32 x 32 pixels in 24-bit colour, into INTLI1.bmp (both
directions), INTLI2.bmp (horizontal) and INTLI3.bmp (vertical). The top-left pixel's colour (magenta)
is the transparent colour the grid replaces when it draws them. Run it here to make the files again."""
import struct

SIZE = 32
KEY = (255, 0, 255)
RING = (64, 64, 64)
FACE = (255, 255, 255)
MARK = (0, 0, 0)


def blank():
    return [[KEY] * SIZE for _ in range(SIZE)]


def disc(pixels):
    c = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            if d <= 13.5:
                pixels[y][x] = RING if d > 12.2 else FACE
    for y in range(14, 18):
        for x in range(14, 18):
            pixels[y][x] = MARK


def triangle(pixels, tip, direction):
    # A filled arrow head of height 5 pointing in direction (dx, dy) with its tip at tip.
    tx, ty = tip
    dx, dy = direction
    for step in range(5):
        half = step
        for off in range(-half, half + 1):
            x = tx - dx * step + (off if dy else 0)
            y = ty - dy * step + (off if dx else 0)
            pixels[y][x] = MARK


def write(name, pixels):
    row_bytes = (SIZE * 3 + 3) & ~3
    image = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        image += row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(image), 0, 0, 14 + len(header))
    with open(name, "wb") as out:
        out.write(file_header + header + image)


def icon(vertical, horizontal):
    pixels = blank()
    disc(pixels)
    if vertical:
        triangle(pixels, (15, 5), (0, -1))
        triangle(pixels, (16, 26), (0, 1))
    if horizontal:
        triangle(pixels, (5, 16), (-1, 0))
        triangle(pixels, (26, 15), (1, 0))
    return pixels


write("INTLI1.bmp", icon(True, True))
write("INTLI2.bmp", icon(False, True))
write("INTLI3.bmp", icon(True, False))
