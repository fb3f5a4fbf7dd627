#!/usr/bin/env python3
"""Draws the six beam pictures of the settings dialog into data/img/.

Each picture is a beam seen from the side: a long strip, lit from above, that the
schematic stretches along the beam. Only the standard library is used and the noise is
seeded, so running the script again gives the same bytes.

Usage: scripts/make_beam_images.py [output directory]
"""

import math
import os
import random
import struct
import sys

WIDTH = 320
HEIGHT = 32


def write_bmp(path, pixels):
    """Writes rows of (r, g, b) tuples, top row first, as an uncompressed 24-bit BMP."""
    row_size = (WIDTH * 3 + 3) // 4 * 4
    image_size = row_size * HEIGHT
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + image_size, 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    body = bytearray()
    for row in reversed(pixels):  # BMP rows run from the bottom up
        for r, g, b in row:
            body += bytes((b, g, r))
        body += bytes(row_size - WIDTH * 3)
    with open(path, "wb") as file:
        file.write(header + info + body)


def clamp(value):
    return max(0, min(255, int(round(value))))


def lighting(v):
    """Brightness across the beam, v from 0 (top edge) to 1 (bottom edge): a round body
    lit from above, brightest a third of the way down, dark at both edges."""
    body = math.sin(math.pi * (0.08 + 0.84 * v))
    highlight = math.exp(-((v - 0.3) / 0.12) ** 2)
    return 0.35 + 0.55 * body + 0.35 * highlight


def edged(rows):
    """Darkens the top and bottom rows so the beam has a visible outline."""
    for x in range(WIDTH):
        for y in (0, HEIGHT - 1):
            r, g, b = rows[y][x]
            rows[y][x] = (r * 0.45, g * 0.45, b * 0.45)
    return [[tuple(clamp(c) for c in pixel) for pixel in row] for row in rows]


class Value_Noise:
    """Smoothly interpolated random values on a grid, summed over a few octaves."""

    def __init__(self, seed, cells_x, cells_y):
        rng = random.Random(seed)
        self.cells_x = cells_x
        self.cells_y = cells_y
        self.grid = [[rng.random() for _ in range(cells_x + 1)] for _ in range(cells_y + 1)]

    def single(self, u, v):
        gx = u * self.cells_x
        gy = v * self.cells_y
        x0 = min(int(gx), self.cells_x - 1)
        y0 = min(int(gy), self.cells_y - 1)
        fx = gx - x0
        fy = gy - y0
        sx = fx * fx * (3 - 2 * fx)
        sy = fy * fy * (3 - 2 * fy)
        top = self.grid[y0][x0] * (1 - sx) + self.grid[y0][x0 + 1] * sx
        bottom = self.grid[y0 + 1][x0] * (1 - sx) + self.grid[y0 + 1][x0 + 1] * sx
        return top * (1 - sy) + bottom * sy


def octaves(seed, sizes):
    layers = [Value_Noise(seed + i, cx, cy) for i, (cx, cy) in enumerate(sizes)]

    def noise(u, v):
        total = 0.0
        weight = 1.0
        norm = 0.0
        for layer in layers:
            total += layer.single(u, v) * weight
            norm += weight
            weight *= 0.5
        return total / norm

    return noise


def gradient(base):
    """A coloured round bar: the base colour shaded by the lighting, whitened in the
    highlight."""
    rows = []
    for y in range(HEIGHT):
        v = (y + 0.5) / HEIGHT
        light = lighting(v)
        shine = math.exp(-((v - 0.3) / 0.08) ** 2) * 0.55
        row = []
        for x in range(WIDTH):
            colour = [c * min(light, 1.0) for c in base]
            row.append(tuple(c + (255 - c) * shine for c in colour))
        rows.append(row)
    return edged(rows)


def chrome():
    """Polished metal: bright and dark bands reflecting the surroundings, a sharp
    highlight, a faint blue cast and a trace of brushing along the beam."""
    rng = random.Random(7)
    brush = [rng.uniform(-6, 6) for _ in range(HEIGHT)]
    rows = []
    for y in range(HEIGHT):
        v = (y + 0.5) / HEIGHT
        bands = (
            0.55
            + 0.30 * math.cos(2 * math.pi * (v * 1.6 - 0.25))
            + 0.40 * math.exp(-((v - 0.28) / 0.06) ** 2)
            - 0.35 * math.exp(-((v - 0.62) / 0.10) ** 2)
            + 0.15 * math.exp(-((v - 0.85) / 0.05) ** 2)
        )
        grey = 40 + 200 * max(0.0, min(bands, 1.0))
        row = []
        for x in range(WIDTH):
            streak = brush[y] * math.sin(x * 0.05 + y)
            level = grey + streak
            row.append((level * 0.95, level * 0.97, level * 1.04))
        rows.append(row)
    return edged(rows)


def wood():
    """Planed timber: long grain lines bent by noise, early and late wood, two knots."""
    bend = octaves(11, [(6, 2), (14, 3), (40, 6)])
    fibre = octaves(23, [(160, 16)])
    knots = [(70, 0.45, 9.0), (235, 0.65, 7.0)]
    rows = []
    for y in range(HEIGHT):
        v = (y + 0.5) / HEIGHT
        light = 0.75 + 0.25 * lighting(v)
        row = []
        for x in range(WIDTH):
            u = x / WIDTH
            offset = (bend(u, v) - 0.5) * 7.0
            for kx, kv, radius in knots:
                dx = (x - kx) / radius
                dy = (v - kv) * HEIGHT / (radius * 0.6)
                d2 = dx * dx + dy * dy
                offset += 4.0 * math.exp(-d2) * (1 if y >= kv * HEIGHT else -1)
            ring = 0.5 + 0.5 * math.sin((y + offset) * 1.15)
            late = ring ** 3
            grain = (fibre(u, v) - 0.5) * 0.25
            knot_dark = sum(
                math.exp(-(((x - kx) / (radius * 0.45)) ** 2 + ((v - kv) * HEIGHT / (radius * 0.35)) ** 2))
                for kx, kv, radius in knots
            )
            shade = light * (1.0 - 0.38 * late + grain - 0.45 * min(knot_dark, 1.0))
            row.append((196 * shade, 140 * shade, 84 * shade))
        rows.append(row)
    return edged(rows)


def stone():
    """Granite: grey mottling in a few sizes, dark and light grains, a slight warm tint."""
    mottle = octaves(31, [(12, 2), (30, 4), (80, 8)])
    rng = random.Random(41)
    rows = []
    for y in range(HEIGHT):
        v = (y + 0.5) / HEIGHT
        light = 0.8 + 0.2 * lighting(v)
        row = []
        for x in range(WIDTH):
            level = 70 + 120 * mottle(x / WIDTH, v)
            grain = rng.random()
            if grain < 0.035:
                level *= 0.6
            elif grain > 0.985:
                level = level + (255 - level) * 0.6
            level *= light
            row.append((level * 1.02, level, level * 0.95))
        rows.append(row)
    return edged(rows)


IMAGES = {
    "chrome.bmp": chrome,
    "green.bmp": lambda: gradient((40, 190, 70)),
    "blue.bmp": lambda: gradient((50, 100, 220)),
    "red.bmp": lambda: gradient((210, 45, 40)),
    "wood.bmp": wood,
    "stone.bmp": stone,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "img")
    os.makedirs(out_dir, exist_ok=True)
    for name, draw in IMAGES.items():
        write_bmp(os.path.join(out_dir, name), draw())


if __name__ == "__main__":
    main()
