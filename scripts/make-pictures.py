#!/usr/bin/env python3
"""Draws the program's pictures (logo, about, closing, lock and key) as PNG files.

Shapes are signed distance functions; each pixel is covered by the fraction of the shape's edge
that falls inside it, which gives smooth edges without supersampling.

Usage: scripts/make-pictures.py [output folder]   (default: resources/pictures)
"""
import math
import struct
import sys
import zlib
from pathlib import Path

# --- shapes: functions (x, y) -> signed distance in pixels, negative inside ----------------


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(cx, cy, hw, hh, radius=0.0):
    def d(x, y):
        qx = abs(x - cx) - hw + radius
        qy = abs(y - cy) - hh + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return d


def segment(ax, ay, bx, by, half_width):
    def d(x, y):
        px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
        t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - vx * t, py - vy * t) - half_width
    return d


def polygon(points):
    def d(x, y):
        best = float("inf")
        inside = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            vx, vy, px, py = bx - ax, by - ay, x - ax, y - ay
            t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
            best = min(best, math.hypot(px - vx * t, py - vy * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best
    return d


def star(cx, cy, outer, inner, tips=5, turn=-math.pi / 2):
    points = []
    for i in range(tips * 2):
        r = outer if i % 2 == 0 else inner
        a = turn + i * math.pi / tips
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(points)


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


def crescent(cx, cy, r, shift):
    return subtract(circle(cx, cy, r), circle(cx + shift, cy - shift * 0.35, r * 0.86))


# --- colours --------------------------------------------------------------------------------


def solid(r, g, b, a=255):
    return lambda x, y: (r, g, b, a)


def vertical(top, bottom, height):
    def c(x, y):
        t = max(0.0, min(1.0, y / height))
        return tuple(round(top[i] + (bottom[i] - top[i]) * t) for i in range(4))
    return c


# --- rendering ------------------------------------------------------------------------------


def render(width, height, layers):
    rows = []
    for j in range(height):
        row = bytearray()
        for i in range(width):
            x, y = i + 0.5, j + 0.5
            r = g = b = a = 0.0
            for shape, paint in layers:
                cover = max(0.0, min(1.0, 0.5 - shape(x, y)))
                if cover <= 0.0:
                    continue
                pr, pg, pb, pa = paint(x, y)
                alpha = cover * pa / 255.0
                out = alpha + a * (1 - alpha)
                if out > 0:
                    r = (pr * alpha + r * a * (1 - alpha)) / out
                    g = (pg * alpha + g * a * (1 - alpha)) / out
                    b = (pb * alpha + b * a * (1 - alpha)) / out
                a = out
            row += bytes((round(r), round(g), round(b), round(a * 255)))
        rows.append(bytes(row))
    return rows


def write_png(path, width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    Path(path).write_bytes(png)


GREEN = (18, 110, 72, 255)
DARK_GREEN = (8, 62, 42, 255)
GOLD = solid(236, 190, 72)
EVERYWHERE = lambda x, y: -1.0  # noqa: E731


def logo():
    size = 96
    return size, size, [
        (box(48, 48, 46, 46, 16), vertical(GREEN, DARK_GREEN, size)),
        (crescent(44, 50, 28, 11), GOLD),
        (star(64, 34, 10, 4.2), GOLD),
    ]


def about():
    w, h = 220, 150
    beam = segment(50, 62, 170, 62, 3)
    post = segment(110, 40, 110, 124, 3.5)
    foot = box(110, 128, 34, 5, 3)
    cords = union(segment(50, 62, 34, 98, 1.2), segment(50, 62, 66, 98, 1.2),
                  segment(170, 62, 154, 98, 1.2), segment(170, 62, 186, 98, 1.2))
    pans = union(intersect(circle(50, 92, 20), box(50, 104, 22, 8)),
                 intersect(circle(170, 92, 20), box(170, 104, 22, 8)))
    return w, h, [
        (box(110, 75, 108, 73, 18), vertical((236, 246, 238, 255), (196, 226, 206, 255), h)),
        (union(beam, post, foot), solid(*DARK_GREEN[:3])),
        (cords, solid(90, 90, 90)),
        (pans, GOLD),
        (crescent(110, 26, 13, 5), GOLD),
        (circle(110, 40, 5), GOLD),
    ]


def closing():
    w, h = 600, 300
    layers = [(EVERYWHERE, vertical((14, 22, 58, 255), (92, 58, 112, 255), h))]
    seeds = [(37, 31), (92, 64), (141, 22), (205, 48), (262, 17), (318, 58), (377, 26),
             (431, 71), (486, 35), (548, 54), (70, 118), (529, 120), (165, 102), (455, 110)]
    for i, (x, y) in enumerate(seeds):
        layers.append((circle(x, y, 1.2 + (i % 3) * 0.5), solid(255, 250, 225, 230)))
    layers.append((crescent(520, 60, 26, 10), solid(250, 232, 160)))
    mosque = union(
        box(300, 262, 120, 38),                            # hall
        intersect(circle(300, 224, 62), box(300, 200, 62, 40)),  # main dome
        box(300, 218, 64, 6),
        segment(300, 148, 300, 166, 1.8),                  # finial
        intersect(circle(210, 236, 26), box(210, 222, 26, 14)),
        intersect(circle(390, 236, 26), box(390, 222, 26, 14)),
        box(150, 230, 9, 70), polygon([(141, 160), (159, 160), (150, 132)]),  # minarets
        box(450, 230, 9, 70), polygon([(441, 160), (459, 160), (450, 132)]),
        box(300, 298, 300, 4),
    )
    layers.append((mosque, solid(10, 14, 30)))
    door = union(box(300, 280, 14, 20), circle(300, 260, 14))
    layers.append((door, solid(232, 190, 96, 200)))
    for x in (240, 270, 330, 360):
        layers.append((union(box(x, 262, 6, 10), circle(x, 252, 6)), solid(232, 190, 96, 160)))
    layers.append((crescent(300, 146, 5, 2), GOLD))
    return w, h, layers


def lock():
    size = 64
    shackle = subtract(intersect(circle(32, 26, 15), box(32, 22, 16, 16)), circle(32, 26, 9))
    legs = union(box(20, 33, 3, 6), box(44, 33, 3, 6))
    body = box(32, 44, 20, 15, 4)
    hole = union(circle(32, 41, 4.5), polygon([(29, 43), (35, 43), (34, 52), (30, 52)]))
    return size, size, [
        (union(shackle, legs), solid(120, 128, 140)),
        (body, vertical((246, 204, 92, 255), (196, 146, 40, 255), size)),
        (hole, solid(60, 44, 20)),
    ]


def key():
    size = 64
    bow = subtract(circle(18, 32, 13), circle(18, 32, 5.5))
    shaft = box(40, 32, 18, 3.5, 1.5)
    teeth = union(box(50, 39, 3, 5), box(57, 38, 2.5, 4))
    return size, size, [
        (union(bow, shaft, teeth), vertical((246, 204, 92, 255), (196, 146, 40, 255), size)),
    ]


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources" / "pictures"
    folder.mkdir(parents=True, exist_ok=True)
    for name, make in (("logo", logo), ("about", about), ("closing", closing), ("lock", lock), ("key", key)):
        width, height, layers = make()
        write_png(folder / f"{name}.png", width, height, render(width, height, layers))


if __name__ == "__main__":
    main()
