#!/usr/bin/env python3
"""Draws the settings window banner (437 x 67, RGBA) and writes banner.png.

A horizontal gradient with a chain of soft rings and facets, rounded corners
and a bottom edge that fades out, so the banner blends into the window face.
Run it again after changing the drawing; the output is deterministic.
"""
import math
import os
import struct
import zlib

WIDTH, HEIGHT = 437, 67
CORNER_RADIUS = 9
FADE_ROWS = 6

LEFT_COLOUR = (22, 58, 96)
RIGHT_COLOUR = (92, 36, 110)


def lerp(a, b, t):
    return a + (b - a) * t


def background(x, y):
    t = x / (WIDTH - 1)
    shade = 1.0 - 0.25 * (y / (HEIGHT - 1))
    return [lerp(LEFT_COLOUR[i], RIGHT_COLOUR[i], t) * shade for i in range(3)]


def ring_light(x, y):
    """Brightness added by the rings: soft bands around a row of centres."""
    light = 0.0
    for k in range(7):
        cx = 150 + k * 42
        cy = 33 + 9 * math.sin(k * 1.3)
        radius = 14 + 5 * ((k * 3) % 4)
        d = math.hypot(x - cx, y - cy)
        light += 0.42 * math.exp(-((d - radius) ** 2) / 6.0)
        light += 0.12 * math.exp(-(d ** 2) / (2 * radius ** 2))
    return light


def facet_light(x, y):
    """Faint diagonal facets towards the left end."""
    if x > 140:
        return 0.0
    band = (x + 2 * y) % 36
    edge = min(band, 36 - band) / 18.0
    return 0.18 * (1 - edge) * (1 - x / 140)


def corner_alpha(x, y):
    """Coverage of the rounded corners, antialiased over one pixel."""
    cx = min(max(x + 0.5, CORNER_RADIUS), WIDTH - CORNER_RADIUS)
    cy = min(max(y + 0.5, CORNER_RADIUS), HEIGHT - CORNER_RADIUS)
    d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
    return min(max(CORNER_RADIUS - d + 0.5, 0.0), 1.0)


def pixel(x, y):
    base = background(x, y)
    light = ring_light(x, y) + facet_light(x, y)
    rgb = [min(255, round(c + (255 - c) * min(light, 1.0))) for c in base]
    alpha = corner_alpha(x, y)
    rows_from_bottom = HEIGHT - 1 - y
    if rows_from_bottom < FADE_ROWS:
        alpha *= (rows_from_bottom + 1) / (FADE_ROWS + 1)
    return rgb + [round(255 * alpha)]


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def encode_rows(rows):
    """Every row with the Paeth filter (type 4)."""
    out = bytearray()
    previous = bytes(len(rows[0]))
    for row in rows:
        out.append(4)
        for i, value in enumerate(row):
            left = row[i - 4] if i >= 4 else 0
            up_left = previous[i - 4] if i >= 4 else 0
            out.append((value - paeth(left, previous[i], up_left)) & 0xFF)
        previous = row
    return bytes(out)


def chunk(kind, body):
    crc = zlib.crc32(kind + body) & 0xFFFFFFFF
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)


def main():
    rows = [bytes(v for x in range(WIDTH) for v in pixel(x, y)) for y in range(HEIGHT)]
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
           chunk(b"IDAT", zlib.compress(encode_rows(rows), 9)) + chunk(b"IEND", b""))
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "banner.png")
    with open(target, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
