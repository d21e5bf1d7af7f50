#!/usr/bin/env python3
"""Draws the grid's cell glyphs: the check boxes (ASGCHK01-08), radio buttons (ASGRAD01-08), leaf nodes
(ASGLEAFCLOSE/OPEN) and XP nodes (XPNODEC/O), in the sizes and colour depths the grid expects. The
bottom-left pixel's colour (magenta) is the transparent colour. Run it here to make the files again."""
import struct

KEY = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
NAVY = (0, 0, 128)
GREEN = (0, 128, 0)
# The 16 colours of the standard palette, in the usual order.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]
# Colours given as (r, g, b); the files store them blue first.


def blank(w, h):
    return [[KEY] * w for _ in range(h)]


def rect(p, x0, y0, x1, y1, border, fill):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            p[y][x] = border if edge else fill


def check_mark(p, x0, y0, colour):
    # A two-pixel tick: down three steps, then up five.
    pts = [(0, 2), (1, 3), (2, 4), (3, 3), (4, 2), (5, 1), (6, 0)]
    for dx, dy in pts:
        for t in (0, 1):
            p[y0 + dy + t][x0 + dx] = colour


def disc(p, cx, cy, radius, colour):
    for y in range(len(p)):
        for x in range(len(p[0])):
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                p[y][x] = colour


def write(name, pixels, bits):
    h = len(pixels)
    w = len(pixels[0])
    rows = []
    if bits == 24:
        palette = b""
        for row in reversed(pixels):
            data = b"".join(bytes((b, g, r)) for r, g, b in row)
            rows.append(data + b"\0" * ((4 - len(data) % 4) % 4))
    else:
        colours = list(VGA) if bits == 4 else list(VGA)
        for row in pixels:
            for c in row:
                if c not in colours:
                    colours.append(c)
        size = 1 << bits
        assert len(colours) <= size, name
        colours += [(0, 0, 0)] * (size - len(colours))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
        for row in reversed(pixels):
            idx = [colours.index(c) for c in row]
            if bits == 8:
                data = bytes(idx)
            else:
                idx += [0] * (len(idx) % 2)
                data = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
            rows.append(data + b"\0" * ((4 - len(data) % 4) % 4))
    image = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(image), 2835, 2835,
                       0 if bits == 24 else (1 << bits), 0)
    with open(name + ".bmp", "wb") as f:
        f.write(header + info + palette + image)


def check_box(size, offset, checked, enabled, face, bits, name):
    p = blank(size, size)
    box = 13
    fill = WHITE if enabled else SILVER
    border = NAVY if enabled else GREY
    rect(p, offset, offset, offset + box - 1, offset + box - 1, border, fill)
    if checked:
        check_mark(p, offset + 3, offset + 3, face if enabled else GREY)
    write(name, p, bits)


def radio(on, enabled, bits, name, ring):
    p = blank(16, 16)
    disc(p, 7.5, 7.5, 6.5, ring if enabled else GREY)
    disc(p, 7.5, 7.5, 5.5, WHITE if enabled else SILVER)
    if on:
        disc(p, 7.5, 7.5, 2.5, BLACK if enabled else GREY)
    write(name, p, bits)


def leaf(open_, name):
    p = blank(16, 16)
    # A small page with a folded corner; the open leaf shows lines of text on it.
    rect(p, 3, 1, 12, 14, GREY, WHITE)
    if open_:
        for y in (4, 7, 10):
            for x in range(5, 11):
                p[y][x] = (0, 0, 160)
    write(name, p, 8)


def xp_node(open_, name):
    p = blank(9, 9)
    rect(p, 0, 0, 8, 8, (120, 152, 181), WHITE)
    for x, y in ((0, 0), (8, 0), (0, 8), (8, 8)):
        p[y][x] = KEY  # rounded corners
    for x in range(2, 7):
        p[4][x] = BLACK
    if not open_:
        for y in range(2, 7):
            p[y][4] = BLACK
    write(name, p, 24)


check_box(20, 3, True, True, GREEN, 4, "ASGCHK01")
check_box(20, 3, False, True, GREEN, 4, "ASGCHK02")
check_box(20, 3, True, False, GREEN, 4, "ASGCHK03")
check_box(20, 3, False, False, GREEN, 4, "ASGCHK04")
check_box(16, 1, True, True, (33, 161, 33), 24, "ASGCHK05")
check_box(16, 1, False, True, (33, 161, 33), 24, "ASGCHK06")
check_box(16, 1, True, False, (33, 161, 33), 24, "ASGCHK07")
check_box(16, 1, False, False, (33, 161, 33), 24, "ASGCHK08")
radio(True, True, 4, "ASGRAD01", NAVY)
radio(False, True, 4, "ASGRAD02", NAVY)
radio(True, False, 4, "ASGRAD03", NAVY)
radio(False, False, 4, "ASGRAD04", NAVY)
radio(True, True, 8, "ASGRAD05", (28, 81, 128))
radio(False, True, 8, "ASGRAD06", (28, 81, 128))
radio(True, False, 8, "ASGRAD07", (28, 81, 128))
radio(False, False, 8, "ASGRAD08", (28, 81, 128))
leaf(False, "ASGLEAFCLOSE")
leaf(True, "ASGLEAFOPEN")
xp_node(False, "XPNODEC")
xp_node(True, "XPNODEO")
