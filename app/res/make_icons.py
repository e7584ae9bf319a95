#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files (32-bit images).

  protoquill.ico  the application icon: a quill over a page, 16/32/48 px
  add.ico         the "Add" button: a page with a plus sign, 16 px
  copy.ico        the "Copy" button: two pages, 16 px

Run once after a change: python3 make_icons.py (the .ico files are checked in).
Everything is drawn here from shapes; no outside artwork.
"""
import math
import struct
import sys
from pathlib import Path

SS = 4  # supersampling per axis


def render(size, shapes):
    """shapes: list of (inside(x, y) -> bool, (r, g, b, a)) painted in order,
    in a 0..1 coordinate space. Returns rows of BGRA bytes, bottom row first."""
    rows = []
    for py in range(size - 1, -1, -1):
        row = bytearray()
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    x = (px + (sx + 0.5) / SS) / size
                    y = (py + (sy + 0.5) / SS) / size
                    col = (0, 0, 0, 0)
                    for inside, c in shapes:
                        if inside(x, y):
                            col = blend(col, c)
                    a = col[3] / 255.0
                    acc[0] += col[0] * a
                    acc[1] += col[1] * a
                    acc[2] += col[2] * a
                    acc[3] += a
            n = SS * SS
            alpha = acc[3] / n
            if alpha > 0:
                r, g, b = (acc[i] / acc[3] for i in range(3))
            else:
                r = g = b = 0
            row += bytes((int(b), int(g), int(r), int(round(alpha * 255))))
        rows.append(bytes(row))
    return rows


def blend(under, over):
    a = over[3] / 255.0
    if a >= 1.0 or under[3] == 0:
        return over
    return tuple(int(under[i] * (1 - a) + over[i] * a) for i in range(3)) + (
        int(max(under[3], over[3])),)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def segment(ax, ay, bx, by, width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= width / 2
    return inside


def feather(ax, ay, bx, by, width):
    """A leaf shape from (ax, ay) (the nib) to (bx, by), widest near the top."""
    length = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / length, (by - ay) / length

    def inside(x, y):
        t = ((x - ax) * ux + (y - ay) * uy) / length
        if not 0.0 <= t <= 1.0:
            return False
        d = abs(-(x - ax) * uy + (y - ay) * ux)
        half = width / 2 * math.sin(math.pi * t ** 0.8)
        return d <= half
    return inside


INK = (30, 50, 110, 255)
PAGE = (250, 250, 245, 255)
EDGE = (90, 90, 100, 255)
BLUE = (40, 100, 200, 255)
GREEN = (30, 140, 60, 255)
CREAM = (255, 244, 214, 255)


def app_icon():
    return [
        (rounded(0.03, 0.03, 0.97, 0.97, 0.16), BLUE),
        (rect(0.18, 0.14, 0.70, 0.86), EDGE),
        (rect(0.21, 0.17, 0.67, 0.83), PAGE),
        (rect(0.27, 0.30, 0.58, 0.34), (150, 160, 190, 255)),
        (rect(0.27, 0.42, 0.55, 0.46), (150, 160, 190, 255)),
        (rect(0.27, 0.54, 0.50, 0.58), (150, 160, 190, 255)),
        (feather(0.40, 0.20, 0.88, 0.90, 0.26), CREAM),
        (segment(0.40, 0.20, 0.86, 0.88, 0.035), (170, 120, 50, 255)),
        (segment(0.38, 0.17, 0.44, 0.27, 0.06), INK),
    ]


def add_icon():
    return [
        (rect(0.12, 0.04, 0.72, 0.96), EDGE),
        (rect(0.18, 0.10, 0.66, 0.90), PAGE),
        (rounded(0.42, 0.06, 0.98, 0.62, 0.28), GREEN),
        (rect(0.50, 0.31, 0.90, 0.37), PAGE),
        (rect(0.67, 0.14, 0.73, 0.54), PAGE),
    ]


def copy_icon():
    return [
        (rect(0.04, 0.30, 0.60, 0.98), EDGE),
        (rect(0.10, 0.36, 0.54, 0.92), PAGE),
        (rect(0.38, 0.02, 0.96, 0.70), EDGE),
        (rect(0.44, 0.08, 0.90, 0.64), PAGE),
        (rect(0.50, 0.20, 0.84, 0.25), BLUE),
        (rect(0.50, 0.34, 0.80, 0.39), BLUE),
        (rect(0.50, 0.48, 0.76, 0.53), BLUE),
    ]


def ico(images):
    """images: list of (size, rows) -> .ico bytes with 32-bit DIB images."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    data = b""
    offset = 6 + 16 * len(images)
    for size, rows in images:
        mask_row = ((size + 31) // 32) * 4
        bmp = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                          size * size * 4 + mask_row * size, 0, 0, 0, 0)
        bmp += b"".join(rows)
        bmp += b"\0" * (mask_row * size)  # the alpha channel decides; mask all shown
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(bmp),
                               offset)
        data += bmp
        offset += len(bmp)
    return header + entries + data


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    # The shapes above are drawn with y pointing up.
    def flipped(shapes):
        return [((lambda f: lambda x, y: f(x, 1 - y))(f), c) for f, c in shapes]
    (out / "protoquill.ico").write_bytes(
        ico([(s, render(s, flipped(app_icon()))) for s in (16, 32, 48)]))
    (out / "add.ico").write_bytes(ico([(16, render(16, flipped(add_icon())))]))
    (out / "copy.ico").write_bytes(ico([(16, render(16, flipped(copy_icon())))]))


if __name__ == "__main__":
    main()
