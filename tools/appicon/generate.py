#!/usr/bin/env python3
"""Draws Panelry's application icon: a comic page of three panels on an
amber tile, a speech bubble in the first panel and a grinning face in the
second. Drawn here from circles, ellipses and rectangles (no image of
anyone else's), with the standard library only, so it needs nothing to be
installed. Writes desktop/icons/panelry-<size>.png for each size.

    tools/appicon/generate.py
"""
import math
import os
import struct
import zlib

SIZES = (48, 128, 256)
SAMPLES = 4  # per pixel side: 16 samples smooth the edges

AMBER = (245, 184, 46, 255)
INK = (34, 34, 34, 255)
PAPER = (255, 255, 255, 255)
STROKE = 0.028


def rounded_square(inset, radius):
    def inside(x, y):
        lo, hi = inset + radius, 1 - inset - radius
        dx = max(lo - x, 0, x - hi)
        dy = max(lo - y, 0, y - hi)
        return x >= inset and x <= 1 - inset and y >= inset and y <= 1 - inset and dx * dx + dy * dy <= radius * radius
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s = (side(a, b, x, y), side(b, c, x, y), side(c, a, x, y))
        return all(v >= 0 for v in s) or all(v <= 0 for v in s)
    return inside


def arc(cx, cy, r, width, start, end):
    """A stroke along a circle between two angles (radians, y pointing down)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        angle = math.atan2(y - cy, x - cx)
        return abs(d - r) <= width / 2 and start <= angle <= end
    return inside


def panel(x0, y0, x1, y1):
    return [(rect(x0, y0, x1, y1), INK),
            (rect(x0 + STROKE, y0 + STROKE, x1 - STROKE, y1 - STROKE), PAPER)]


def scene():
    shapes = [(rounded_square(0.02, 0.2), AMBER)]
    shapes += panel(0.13, 0.13, 0.49, 0.49)
    shapes += panel(0.51, 0.13, 0.87, 0.49)
    shapes += panel(0.13, 0.51, 0.87, 0.87)
    # Speech bubble with its tail, in the first panel.
    shapes += [(triangle((0.22, 0.33), (0.29, 0.35), (0.19, 0.44)), INK),
               (ellipse(0.31, 0.28, 0.135, 0.095), INK),
               (triangle((0.23, 0.33), (0.28, 0.345), (0.205, 0.415)), PAPER),
               (ellipse(0.31, 0.28, 0.135 - STROKE, 0.095 - STROKE), PAPER)]
    # A grinning face in the second.
    shapes += [(ellipse(0.69, 0.31, 0.125, 0.125), INK),
               (ellipse(0.69, 0.31, 0.125 - STROKE, 0.125 - STROKE), PAPER),
               (ellipse(0.65, 0.28, 0.018, 0.026), INK),
               (ellipse(0.73, 0.28, 0.018, 0.026), INK),
               (arc(0.69, 0.31, 0.07, STROKE, 0.35, math.pi - 0.35), INK)]
    # A horizon and a sun in the wide panel below.
    shapes += [(rect(0.13, 0.74, 0.87, 0.74 + STROKE), INK),
               (ellipse(0.72, 0.63, 0.06, 0.06), INK)]
    return shapes


def render(size, shapes):
    rows = []
    for py in range(size):
        row = bytearray([0])  # PNG filter: none
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = (0, 0, 0, 0)
                    for inside, c in shapes:
                        if inside(x, y):
                            colour = c
                    for i in range(4):
                        total[i] += colour[i] * colour[3] if i < 3 else colour[3]
            alpha = total[3]
            n = SAMPLES * SAMPLES
            if alpha:
                row += bytes([round(total[0] / alpha), round(total[1] / alpha), round(total[2] / alpha),
                              round(alpha / n)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                  + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    folder = os.path.join(root, "desktop", "icons")
    os.makedirs(folder, exist_ok=True)
    shapes = scene()
    for size in SIZES:
        write_png(os.path.join(folder, "panelry-%d.png" % size), size, render(size, shapes))


if __name__ == "__main__":
    main()
