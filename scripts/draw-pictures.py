#!/usr/bin/env python3
"""Draws the window's pictures into resources/pictures/ as PNG files.

Nothing is taken from elsewhere: every pixel comes from the drawing code below, and the PNG
writer needs only the standard library (zlib). Run it again after changing a drawing:

    python3 scripts/draw-pictures.py

The three button glyphs are 26 x 26 in 24-bit colour on a white ground (the program draws the
ground transparent), the application icon is 32 x 32 in 16 colours, and the library hall is
209 x 165 in 24-bit colour.
"""

import math
import os
import struct
import zlib

WHITE = (255, 255, 255)
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "pictures")


# ---- PNG writing -------------------------------------------------------------------------

def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_rgb_png(path, pixels):
    """pixels: rows of (r, g, b) tuples."""
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    _write(path, [_chunk(b"IHDR", header), _chunk(b"IDAT", zlib.compress(raw, 9)), _chunk(b"IEND", b"")])


def write_indexed_png(path, indexes, palette, transparent=None):
    """indexes: rows of palette indexes (0..15), written 4 bits per pixel."""
    height, width = len(indexes), len(indexes[0])
    rows = []
    for row in indexes:
        packed = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            packed.append(high << 4 | low)
        rows.append(b"\0" + bytes(packed))
    header = struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)
    chunks = [_chunk(b"IHDR", header), _chunk(b"PLTE", bytes(c for p in palette for c in p))]
    if transparent is not None:
        chunks.append(_chunk(b"tRNS", bytes(0 if i == transparent else 255 for i in range(len(palette)))))
    chunks += [_chunk(b"IDAT", zlib.compress(b"".join(rows), 9)), _chunk(b"IEND", b"")]
    _write(path, chunks)


def _write(path, chunks):
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + b"".join(chunks))


# ---- A small canvas ----------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height, ground):
        self.width, self.height = width, height
        self.pixels = [[ground] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def polygon(self, points, colour):
        """Fills a polygon by pixel centres, even-odd rule."""
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(max(ys)) + 1)):
            cy = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= cy < by) or (by <= cy < ay):
                    xs.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for left, right in zip(xs[0::2], xs[1::2]):
                for x in range(int(math.ceil(left - 0.5)), int(math.floor(right - 0.5)) + 1):
                    self.put(x, y, colour)

    def ellipse(self, cx, cy, rx, ry, colour, top_only=False):
        for y in range(self.height):
            for x in range(self.width):
                dx, dy = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0 and (not top_only or y + 0.5 <= cy):
                    self.put(x, y, colour)


# ---- Glyphs: 26 x 26 on white ------------------------------------------------------------

GREEN_DARK = (0, 96, 0)
GREEN = (0, 168, 0)
GREEN_LIGHT = (120, 224, 120)


def shaded_bar(c, x0, y0, x1, y1):
    """A green bar with a dark outline and a light upper-left edge."""
    c.rect(x0, y0, x1, y1, GREEN_DARK)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, GREEN)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 1, GREEN_LIGHT)
    c.rect(x0 + 1, y0 + 1, x0 + 1, y1 - 1, GREEN_LIGHT)


def draw_plus():
    c = Canvas(26, 26, WHITE)
    # Both outlines first, then both fillings, so that the crossing shows no outline.
    c.rect(3, 10, 22, 15, GREEN_DARK)
    c.rect(10, 3, 15, 22, GREEN_DARK)
    c.rect(4, 11, 21, 14, GREEN)
    c.rect(11, 4, 14, 21, GREEN)
    c.rect(4, 11, 10, 11, GREEN_LIGHT)
    c.rect(15, 11, 21, 11, GREEN_LIGHT)
    c.rect(11, 4, 14, 4, GREEN_LIGHT)
    c.rect(4, 11, 4, 14, GREEN_LIGHT)
    c.rect(11, 4, 11, 10, GREEN_LIGHT)
    c.rect(11, 15, 11, 21, GREEN_LIGHT)
    return c.pixels


def draw_minus():
    c = Canvas(26, 26, WHITE)
    shaded_bar(c, 3, 10, 22, 15)
    return c.pixels


def draw_diskette():
    c = Canvas(26, 26, WHITE)
    navy, blue, light = (0, 0, 112), (24, 72, 200), (96, 144, 240)
    grey, dark_grey, silver = (128, 128, 136), (64, 64, 72), (200, 200, 208)
    c.polygon([(2, 2), (21, 2), (24, 5), (24, 24), (2, 24)], navy)
    c.polygon([(3, 3), (20.5, 3), (23, 5.5), (23, 23), (3, 23)], blue)
    c.rect(3, 3, 22, 3, light)
    c.rect(3, 3, 3, 22, light)
    c.rect(7, 3, 18, 10, dark_grey)  # metal shutter
    c.rect(8, 3, 17, 9, silver)
    c.rect(14, 4, 16, 8, grey)  # the shutter's window
    c.rect(6, 14, 20, 23, dark_grey)  # paper label
    c.rect(7, 15, 19, 23, WHITE)
    for y in (17, 19, 21):
        c.rect(8, y, 18, y, (160, 160, 200))
    return c.pixels


# ---- The application icon: 32 x 32, 16 colours ------------------------------------------

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, OLIVE, NAVY, SILVER, GREY, YELLOW, BLUE, CYAN, WHITE16, MAGENTA = 0, 3, 4, 7, 8, 11, 12, 14, 15, 13


def draw_icon():
    """A yellow hard hat lying on a rolled plan. Magenta is the transparent ground."""
    c = Canvas(32, 32, MAGENTA)
    # The rolled plan: a cylinder lying across the lower half, its round end to the right.
    c.polygon([(2, 19), (25, 19), (25, 29), (2, 29)], BLACK)
    c.polygon([(3, 20), (25, 20), (25, 28), (3, 28)], WHITE16)
    c.rect(3, 26, 25, 27, SILVER)  # its shaded underside
    for x in (7, 12, 17, 22):  # the plan's blue lines showing on the roll
        c.rect(x, 21, x, 25, BLUE)
    c.rect(4, 23, 23, 23, CYAN)
    c.ellipse(25.5, 24.5, 4.5, 5.5, BLACK)
    c.ellipse(25.5, 24.5, 3.5, 4.5, WHITE16)
    c.ellipse(25.5, 24.5, 2.0, 2.6, SILVER)  # the spiral of the roll
    c.ellipse(25.5, 24.5, 0.9, 1.2, GREY)
    c.rect(26, 18, 30, 19, MAGENTA)
    # The hard hat: a dome with a ridge and a brim, resting on the roll.
    c.ellipse(14.5, 17.5, 10.5, 12.5, BLACK, top_only=True)
    c.ellipse(14.5, 17.5, 9.5, 11.5, YELLOW, top_only=True)
    c.ellipse(11.5, 12.0, 3.0, 4.0, WHITE16, top_only=True)  # the shine
    c.rect(13, 6, 15, 17, OLIVE)  # the ridge over the crown
    c.rect(14, 6, 14, 17, YELLOW)
    c.rect(1, 17, 29, 19, BLACK)  # the brim
    c.rect(2, 18, 28, 18, YELLOW)
    return c.pixels


# ---- The library hall: 209 x 165, traced ray by ray ---------------------------------------

EYE = 1.7        # eye height above the floor
HALF = 3.0       # half the width of the hall
WALL_TOP = 3.3   # where the vault springs
FAR = 42.0       # the end wall
GALLERY = (1.25, 1.75)  # the band of the gallery between the two tiers of bookcases
FOCAL = 118.0
CX, CY = 104.5, 70.0

BOOK_COLOURS = [(120, 30, 24), (150, 48, 30), (96, 60, 30), (60, 72, 40), (40, 48, 88), (170, 120, 50),
                (110, 20, 40), (70, 40, 24), (140, 90, 40), (30, 60, 60)]


def _hash(*values):
    h = 2166136261
    for v in values:
        h = ((h ^ (int(v) & 0xFFFFFFFF)) * 16777619) & 0xFFFFFFFF
    return h


def _mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def _bookcase(z, y, side):
    """The colour of a bookcase on a side wall at depth z and height y."""
    if GALLERY[0] <= y < GALLERY[1]:  # the gallery: a rail and dark balusters
        if y > GALLERY[1] - 0.12 or y < GALLERY[0] + 0.08:
            return (92, 52, 24)
        return (70, 40, 18) if (z * 6.0) % 1.0 < 0.3 else (36, 22, 12)
    if (z % 2.0) < 0.1:  # the uprights between two bookcases
        return (64, 36, 16)
    shelf = 0.38
    row = math.floor(y / shelf)
    within = y / shelf - row
    if within < 0.1:  # the shelf board
        return (110, 66, 30)
    width = 0.09 + 0.05 * (_hash(side, row, math.floor(z / 0.1)) % 3)
    book = math.floor(z / width)
    h = _hash(side, row, book, 7)
    if within > 0.72 + 0.2 * ((h >> 8) % 100) / 100.0:  # the space above a book
        return (28, 18, 10)
    colour = BOOK_COLOURS[h % len(BOOK_COLOURS)]
    if (z / width - book) < 0.15:  # the shadow between two spines
        colour = _mix(colour, (0, 0, 0), 0.5)
    return colour


def _vault(z, angle):
    """The wooden barrel vault: boards along the hall, dark ribs across it."""
    if (z % 2.4) < 0.22:
        return (74, 40, 16)
    board = math.floor(angle * 16)
    tone = 0.85 + 0.15 * ((_hash(board, 3) % 100) / 100.0)
    colour = _mix((150, 96, 48), (176, 120, 64), (board % 2) * 0.6)
    if angle * 16 - board < 0.08:
        colour = (96, 56, 24)
    return tuple(v * tone for v in colour)


def _floor(x, z):
    if abs(x) < 0.8:  # a red runner along the aisle
        return (130, 30, 28) if abs(x) < 0.7 else (180, 140, 60)
    plank = math.floor(x / 0.35)
    tone = 0.85 + 0.15 * ((_hash(plank, math.floor(z / 1.5 + plank * 0.37)) % 100) / 100.0)
    return tuple(v * tone for v in (120, 84, 52))


def _end_wall(x, y):
    """The far wall: an arched window full of daylight in the wood panelling."""
    if abs(x) < 1.1 and y < 3.0 and (y < 2.2 or x * x + (y - 2.2) ** 2 < 1.21):
        return (250, 244, 220)
    return (120, 76, 40)


def _trace(dx, dy):
    """The colour seen along a ray from the eye (at height 0) and its distance."""
    hits = []
    if dx != 0:
        t = HALF / abs(dx)
        y = dy * t
        if -EYE <= y < WALL_TOP and t < FAR:
            hits.append((t, _bookcase(t, y + EYE, 1 if dx > 0 else 0)))
    if dy < 0:
        t = -EYE / dy
        if t < FAR and abs(dx * t) <= HALF:
            hits.append((t, _floor(dx * t, t)))
    # The vault: x^2 + (y - WALL_TOP)^2 = HALF^2 above the springing.
    a = dx * dx + dy * dy
    b = -2 * dy * WALL_TOP
    cc = WALL_TOP * WALL_TOP - HALF * HALF
    disc = b * b - 4 * a * cc
    if a > 0 and disc >= 0:
        t = (-b + math.sqrt(disc)) / (2 * a)
        if 0 < t < FAR and dy * t >= WALL_TOP:
            angle = math.atan2(dy * t - WALL_TOP, dx * t) / math.pi
            hits.append((t, _vault(t, angle)))
    if not hits:
        return _end_wall(dx * FAR, dy * FAR + EYE), FAR
    distance, colour = min(hits, key=lambda h: h[0])
    return colour, distance


def _shade(colour, distance):
    """Light falls off into the hall; the far end glows warm."""
    fade = math.exp(-distance / 30.0)
    return _mix((70, 50, 30), colour, 0.25 + 0.75 * fade)


def draw_library():
    width, height, samples = 209, 165, 3
    pixels = []
    for py in range(height):
        row = []
        for px in range(width):
            total = [0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    dx = (px + (sx + 0.5) / samples - CX) / FOCAL
                    dy = (CY - (py + (sy + 0.5) / samples)) / FOCAL
                    colour, distance = _trace(dx, dy)
                    shaded = _shade(colour, distance) if distance < FAR else colour
                    for i in range(3):
                        total[i] += shaded[i]
            row.append(tuple(max(0, min(255, int(round(v / samples ** 2)))) for v in total))
        pixels.append(row)
    return pixels


def main():
    os.makedirs(OUT, exist_ok=True)
    write_rgb_png(os.path.join(OUT, "plus.png"), draw_plus())
    write_rgb_png(os.path.join(OUT, "minus.png"), draw_minus())
    write_rgb_png(os.path.join(OUT, "diskette.png"), draw_diskette())
    write_indexed_png(os.path.join(OUT, "hard_hat.png"), draw_icon(), VGA, transparent=MAGENTA)
    write_rgb_png(os.path.join(OUT, "library.png"), draw_library())


if __name__ == "__main__":
    main()
