#!/usr/bin/env python3
"""Draws the Geoplait icons: three GPS tracks plaited into one, on a map-coloured tile.

Writes the PNG images of icon groups 1 and 1001 and the scalable SVG into resources/icons/.
The images are committed; run this again only to change the artwork.
"""
import math
import pathlib
import struct
import zlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons"

TILE = (232, 240, 214)
BORDER = (74, 110, 58)
STRANDS = [(214, 58, 47), (47, 111, 214), (240, 160, 32)]
MERGED = (32, 32, 32)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The drawing lives on a 32 by 32 grid; smaller images scale it.
BRAID_START, BRAID_END, END_X, MID_Y = 3.5, 22.0, 27.0, 16.0
PERIOD = 16.0
STROKE = 2.8


def strand_point(i, x):
    fade = 1.0 - (x - BRAID_START) / (BRAID_END - BRAID_START)
    phase = 2 * math.pi * (x / PERIOD + i / 3.0)
    return MID_Y + 8.0 * fade * math.sin(phase), math.cos(phase)


def strand_polyline(i, steps=60):
    xs = [BRAID_START + (BRAID_END - BRAID_START) * k / steps for k in range(steps + 1)]
    return [(x, strand_point(i, x)[0]) for x in xs]


def distance_to_polyline(px, py, points):
    best = float("inf")
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(px - ax - t * dx, py - ay - t * dy))
    return best


POLYLINES = [strand_polyline(i) for i in range(3)]


def inside_tile(x, y, inset=1.0, radius=6.0):
    lo, hi = inset, 32.0 - inset
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return lo <= x <= hi and lo <= y <= hi and math.hypot(x - cx, y - cy) <= radius


def colour_at(x, y, colours):
    """The colour at a point of the 32-grid, or None where the icon is transparent."""
    if not inside_tile(x, y):
        return colours.get("outside")
    if not inside_tile(x, y, inset=2.2, radius=4.8):
        return colours["border"]
    # A strand lies over another where its wave is nearer the viewer; that is the plait.
    top, top_depth = None, -2.0
    for i, line in enumerate(POLYLINES):
        if BRAID_START - 1 <= x <= BRAID_END + 1 and distance_to_polyline(x, y, line) <= STROKE / 2:
            depth = strand_point(i, min(max(x, BRAID_START), BRAID_END))[1]
            if depth > top_depth:
                top, top_depth = colours["strands"][i], depth
    if top is not None:
        return top
    if BRAID_END <= x <= END_X and abs(y - MID_Y) <= STROKE / 2:
        return colours["merged"]
    if math.hypot(x - END_X, y - MID_Y) <= 2.6:
        return colours["merged"]
    return colours["tile"]


COLOURS = {"tile": TILE, "border": BORDER, "strands": STRANDS, "merged": MERGED}
# Two colours and no transparency: the corners are white.
MONO = {"tile": WHITE, "border": BLACK, "strands": [BLACK] * 3, "merged": BLACK, "outside": WHITE}


def render(size, colours, samples):
    """RGBA rows; samples by samples points a pixel, averaged."""
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc, hits = [0, 0, 0], 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) * scale,
                                  (py + (sy + 0.5) / samples) * scale, colours)
                    if c is not None:
                        hits += 1
                        acc = [a + b for a, b in zip(acc, c)]
            if hits == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * hits / samples ** 2)
                row.append(tuple(round(a / hits) for a in acc) + (alpha,))
        rows.append(row)
    return rows


def mix(a, b):
    return tuple((x + y) // 2 for x, y in zip(a, b))


# The 16-colour images keep the artwork's own colours, with one half tone between each line
# and the tile, in place of colours that rounding would invent.
SIXTEEN = ([(0, 0, 0, 0), TILE + (255,), BORDER + (255,), BORDER + (128,), MERGED + (255,),
            mix(MERGED, TILE) + (255,), mix(BORDER, TILE) + (255,)] + [c + (255,) for c in STRANDS] +
           [mix(c, TILE) + (255,) for c in STRANDS])


def nearest(rows, palette):
    def distance(p, q):
        return sum((a - b) ** 2 for a, b in zip(p, q))
    return [[min(palette, key=lambda q: distance(p, q)) if p[3] else palette[0] for p in row]
            for row in rows]


def quantise(rows, limit):
    """Rounds colours until they fit a palette of limit entries."""
    if limit == 16:
        rows = nearest(rows, SIXTEEN)
    step = 1
    while True:
        q = [[tuple(min(255, round(v / step) * step) for v in p) if p[3] else (0, 0, 0, 0)
              for p in row] for row in rows]
        palette = sorted({p for row in q for p in row})
        if len(palette) <= limit:
            return q, palette
        step += 1


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def write_png(path, rows, bits):
    rows, palette = quantise(rows, 1 << bits)
    index = {p: i for i, p in enumerate(palette)}
    size = len(rows)
    raw = bytearray()
    for row in rows:
        raw.append(0)
        acc, filled = 0, 0
        for p in row:
            acc = (acc << bits) | index[p]
            filled += bits
            if filled == 8:
                raw.append(acc)
                acc, filled = 0, 0
        if filled:
            raw.append(acc << (8 - filled))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, bits, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(p[:3]) for p in palette))
    if any(p[3] < 255 for p in palette):
        png += chunk(b"tRNS", bytes(p[3] for p in palette))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    path.write_bytes(png)


def hex_colour(c):
    return "#%02x%02x%02x" % c


def write_svg(path):
    def points(line):
        return " ".join("%.2f,%.2f" % p for p in line)

    # Each strand is cut into short pieces, drawn in the order of their depth, so that the
    # strands pass over and under one another as in the images.
    pieces = []
    for i, line in enumerate(POLYLINES):
        for a, b in zip(line, line[1:]):
            depth = strand_point(i, (a[0] + b[0]) / 2)[1]
            pieces.append((depth, i, a, b))
    pieces.sort()
    strokes = "\n".join(
        '  <line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="%s"/>'
        % (a[0], a[1], b[0], b[1], hex_colour(STRANDS[i])) for _, i, a, b in pieces)
    path.write_text(f"""<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect x="1.6" y="1.6" width="28.8" height="28.8" rx="5.4" fill="{hex_colour(TILE)}"
        stroke="{hex_colour(BORDER)}" stroke-width="1.2"/>
  <g stroke-width="{STROKE}" stroke-linecap="round">
{strokes}
  </g>
  <line x1="{BRAID_END}" y1="{MID_Y}" x2="{END_X}" y2="{MID_Y}" stroke="{hex_colour(MERGED)}"
        stroke-width="{STROKE}"/>
  <circle cx="{END_X}" cy="{MID_Y}" r="2.6" fill="{hex_colour(MERGED)}"/>
</svg>
""")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    # Icon group 1: one image, 32 by 32 at 8 bits per pixel.
    write_png(OUT / "group1-32x32-8bit.png", render(32, COLOURS, 4), 8)
    # Icon group 1001: 32 by 32 at 4 bits, 32 by 32 monochrome, 16 by 16 at 4 bits.
    write_png(OUT / "group1001-32x32-4bit.png", render(32, COLOURS, 3), 4)
    write_png(OUT / "group1001-32x32-1bit.png", render(32, MONO, 1), 1)
    write_png(OUT / "group1001-16x16-4bit.png", render(16, COLOURS, 3), 4)
    write_svg(OUT / "geoplait.svg")


if __name__ == "__main__":
    main()
