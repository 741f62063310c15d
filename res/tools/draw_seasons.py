#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the two season pictures, 120 x 234 pixels each, into res/bitmaps/.

bitmap146.svg is an autumn scene (shown from September to February) and
bitmap148.svg a green summer meadow with trees (March to August). They are
painted from many small overlapping blobs; a fixed seed per picture keeps
the output the same on every run.

Run from the repository root: python3 res/tools/draw_seasons.py
"""

import math
import random
from pathlib import Path

BITMAP_DIR = Path(__file__).resolve().parent.parent / "bitmaps"
WIDTH, HEIGHT = 120, 234


def header(title):
    return ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{WIDTH}" height="{HEIGHT}" viewBox="0 0 {WIDTH} {HEIGHT}">\n'
            f'  <title>{title}</title>\n')


def mix(colour_a, colour_b, amount):
    a = [int(colour_a[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(colour_b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join(f"{round(x + (y - x) * amount):02x}" for x, y in zip(a, b))


def vary(rng, colour, spread):
    channels = [int(colour[i:i + 2], 16) for i in (1, 3, 5)]
    shift = rng.uniform(-spread, spread)
    return "#" + "".join(f"{max(0, min(255, round(c + shift + rng.uniform(-spread, spread) / 2))):02x}"
                         for c in channels)


def gradient(name, stops, x2=0, y2=1):
    out = f'    <linearGradient id="{name}" x1="0" y1="0" x2="{x2}" y2="{y2}">\n'
    for offset, colour in stops:
        out += f'      <stop offset="{offset}" stop-color="{colour}"/>\n'
    return out + "    </linearGradient>\n"


def blob(x, y, rx, ry, colour, opacity=1.0):
    extra = f' fill-opacity="{opacity:.2f}"' if opacity < 1 else ""
    return f'  <ellipse cx="{x:.1f}" cy="{y:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" fill="{colour}"{extra}/>\n'


def polygon(points, colour, opacity=1.0):
    extra = f' fill-opacity="{opacity:.2f}"' if opacity < 1 else ""
    text = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return f'  <polygon points="{text}" fill="{colour}"{extra}/>\n'


def ridge(rng, top, roughness, step=4):
    """Points of a hill line across the picture, closed along the bottom."""
    points = [(0, HEIGHT)]
    y = top
    for x in range(0, WIDTH + step, step):
        y += rng.uniform(-roughness, roughness)
        points.append((x, y))
    points.append((WIDTH, HEIGHT))
    return points


def hill(base, amplitude, phase, period=140, step=3):
    points = [(0, HEIGHT)]
    for x in range(0, WIDTH + step, step):
        points.append((x, base - amplitude * math.sin(2 * math.pi * x / period + phase)))
    points.append((WIDTH, HEIGHT))
    return points


def branch_lines(rng, x, y, angle, length, width, colour, depth, out, shrink=(0.6, 0.75)):
    """A trunk that forks into thinner branches."""
    x2 = x + length * math.cos(angle)
    y2 = y - length * math.sin(angle)
    out.append(f'  <line x1="{x:.1f}" y1="{y:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" stroke="{colour}" '
               f'stroke-width="{width:.1f}" stroke-linecap="round"/>\n')
    if depth == 0:
        return
    for turn in (-0.55, 0.5):
        branch_lines(rng, x2, y2, angle + turn + rng.uniform(-0.2, 0.2),
                     length * rng.uniform(*shrink), width * 0.62, colour, depth - 1, out, shrink)


def crown(rng, cx, cy, rx, ry, shadow, middle, light, count, size, extra_colours=()):
    """A tree crown: dark blobs below and right, lighter ones towards the upper left."""
    out = ""
    for layer, colour, shift in ((0, shadow, 0.25), (1, middle, 0.0), (2, light, -0.3)):
        for _ in range(count):
            angle = rng.uniform(0, 2 * math.pi)
            distance = math.sqrt(rng.random())
            x = cx + rx * distance * math.cos(angle) + shift * rx * 0.4
            y = cy + ry * distance * math.sin(angle) + shift * ry * 0.5
            if layer == 2 and (x - cx) + (y - cy) > rx * 0.3:
                continue
            pick = colour
            if extra_colours and rng.random() < 0.3:
                pick = rng.choice(extra_colours)
            r = size * rng.uniform(0.5, 1.0) * (1.0 if layer < 2 else 0.7)
            out += blob(x, y, r, r * rng.uniform(0.75, 1.0), vary(rng, pick, 14))
    return out


def grass_strokes(rng, top, bottom, colours, count):
    out = ""
    for _ in range(count):
        x = rng.uniform(0, WIDTH)
        y = rng.uniform(top, bottom)
        depth = (y - top) / (bottom - top)
        length = 1.5 + 4 * depth
        lean = rng.uniform(-1.2, 1.2)
        out += (f'  <line x1="{x:.1f}" y1="{y:.1f}" x2="{x + lean:.1f}" y2="{y - length:.1f}" '
                f'stroke="{vary(rng, rng.choice(colours), 12)}" stroke-width="{0.5 + 0.6 * depth:.1f}" '
                f'stroke-linecap="round"/>\n')
    return out


def autumn():
    rng = random.Random(146)
    out = header("Autumn foliage")
    out += "  <defs>\n"
    out += gradient("sky", [(0, "#6d93c8"), (0.35, "#a9bfd8"), (0.55, "#f0d2a2"), (0.62, "#f4c98a")])
    out += gradient("field", [(0, "#b89a4a"), (0.5, "#9a7632"), (1, "#6b4a22")])
    out += gradient("lane", [(0, "#e8cf98"), (1, "#c9a66a")])
    out += "  </defs>\n"
    out += f'  <rect x="0" y="0" width="{WIDTH}" height="{HEIGHT}" fill="url(#sky)"/>\n'
    # Thin evening clouds.
    for _ in range(14):
        out += blob(rng.uniform(0, WIDTH), rng.uniform(18, 80), rng.uniform(8, 20), rng.uniform(1.2, 2.5),
                    rng.choice(["#f6e6d0", "#e8d4c8", "#ffffff"]), rng.uniform(0.35, 0.6))
    # Far hills in haze, then the wooded hill in autumn colours.
    out += polygon(hill(112, 6, 0.5), "#9c90a8")
    out += polygon(hill(120, 5, 2.5, 100), "#8d7a78")
    for _ in range(220):
        x = rng.uniform(-2, WIDTH + 2)
        base = 120 - 5 * math.sin(2 * math.pi * x / 100 + 2.5)
        y = rng.uniform(base - 1, 132)
        out += blob(x, y, rng.uniform(1.5, 3), rng.uniform(1.5, 2.6),
                    vary(rng, rng.choice(["#b0602a", "#c98a2e", "#8a4a2a", "#d4a540", "#7a6a3a"]), 16))
    # Field and the lane leading into the picture.
    out += polygon([(0, 130), (30, 128), (70, 131), (WIDTH, 129), (WIDTH, HEIGHT), (0, HEIGHT)], "url(#field)")
    out += polygon([(74, 131), (79, 131), (86, 160), (96, 195), (112, 234), (60, 234), (70, 195), (74, 160)],
                   "url(#lane)")
    out += grass_strokes(rng, 132, HEIGHT, ["#8a6a2a", "#a88840", "#6a5020", "#c0a050"], 420)
    # Birch with yellow leaves on the right, behind the big tree.
    out += f'  <line x1="100" y1="170" x2="101" y2="70" stroke="#e8e4dc" stroke-width="3"/>\n'
    for y in range(76, 168, 7):
        out += f'  <rect x="99" y="{y + rng.randint(0, 3)}" width="{rng.choice((2, 3))}" height="1" fill="#2a2620"/>\n'
    out += crown(rng, 101, 92, 17, 30, "#b07a18", "#e0b020", "#fff070", 70, 3.2)
    # The big maple on the left: trunk, branches, then the foliage.
    parts = []
    branch_lines(rng, 34, 200, math.pi / 2 + 0.05, 78, 8, "#3e2614", 3, parts, shrink=(0.5, 0.6))
    out += "".join(parts)
    out += crown(rng, 38, 76, 42, 50, "#8a1e10", "#d2401a", "#ffa030", 160, 5.0,
                 extra_colours=("#e87a18", "#f0b030", "#b02818"))
    # Leaves on the ground, thicker under the tree, and a few in the air.
    for _ in range(360):
        x = rng.gauss(38, 30)
        y = rng.uniform(150, HEIGHT)
        out += blob(x, y, rng.uniform(0.8, 1.8), rng.uniform(0.5, 1.1),
                    vary(rng, rng.choice(["#d2401a", "#f0a020", "#a02810", "#e8c040"]), 18))
    for _ in range(16):
        out += blob(rng.uniform(10, 115), rng.uniform(120, 190), 1.3, 0.8,
                    rng.choice(["#e05a18", "#f0b030"]))
    return out + "</svg>\n"


def summer():
    rng = random.Random(148)
    out = header("Summer meadow")
    out += "  <defs>\n"
    out += gradient("sky", [(0, "#2f6cc8"), (0.3, "#6aa4e4"), (0.5, "#c4e0f6")])
    out += gradient("meadow", [(0, "#8fd060"), (0.4, "#5fae3a"), (1, "#2f7a24")])
    out += "  </defs>\n"
    out += f'  <rect x="0" y="0" width="{WIDTH}" height="{HEIGHT}" fill="url(#sky)"/>\n'
    # Fair-weather clouds: bright tops over slightly shaded bases.
    for cx, cy, size in ((30, 34, 1.0), (92, 62, 0.8), (64, 20, 0.6)):
        for _ in range(14):
            x = cx + rng.uniform(-16, 16) * size
            y = cy + rng.uniform(-4, 3) * size
            r = rng.uniform(4, 8) * size
            out += blob(x, y + 2, r, r * 0.8, "#c8d4e4", 0.9)
        for _ in range(14):
            x = cx + rng.uniform(-14, 14) * size
            y = cy + rng.uniform(-6, 1) * size
            r = rng.uniform(3.5, 7) * size
            out += blob(x, y, r, r * 0.8, "#ffffff", 0.95)
    # Blue far hills, the edge of a forest, then the meadow.
    out += polygon(hill(110, 7, 1.0, 130), "#7aa0b8")
    out += polygon(hill(118, 4, 3.0, 90), "#5f8f70")
    for _ in range(200):
        x = rng.uniform(-2, WIDTH + 2)
        y = rng.uniform(117, 128)
        r = rng.uniform(1.6, 3.2)
        out += blob(x, y, r, r * 1.1, vary(rng, rng.choice(["#2f5a2a", "#3e7030", "#24482a"]), 12))
    out += polygon([(0, 127), (40, 125), (80, 128), (WIDTH, 126), (WIDTH, HEIGHT), (0, HEIGHT)], "url(#meadow)")
    out += grass_strokes(rng, 128, HEIGHT, ["#3f8a2a", "#6abf40", "#2a6a20", "#88cc50"], 520)
    # A slim poplar at the back and the two leafy trees in front.
    out += '  <line x1="18" y1="136" x2="18" y2="92" stroke="#4a3020" stroke-width="2"/>\n'
    out += crown(rng, 18, 106, 6, 20, "#1f4a1c", "#2f7028", "#5aa040", 40, 2.6)
    for trunk_x, base_y, height, crown_y, rx, ry, seed_count in ((88, 178, 56, 112, 30, 28, 130),
                                                                 (34, 150, 30, 124, 16, 15, 60)):
        parts = []
        branch_lines(rng, trunk_x, base_y, math.pi / 2, height * 0.75, 5 if rx > 20 else 3,
                     "#4a3222", 2, parts, shrink=(0.45, 0.55))
        out += "".join(parts)
        # Shadow on the grass first, so the trunk stands in it.
        out += blob(trunk_x + 4, base_y + 1, rx * 0.8, 3, "#245a1c", 0.55)
        out += f'  <line x1="{trunk_x}" y1="{base_y + 1}" x2="{trunk_x}" y2="{base_y - height * 0.5}" ' \
               f'stroke="#4a3222" stroke-width="{5 if rx > 20 else 3}"/>\n'
        out += crown(rng, trunk_x, crown_y, rx, ry, "#1e4a1a", "#3a8a2c", "#8ccf52", seed_count, 4.4 if rx > 20 else 3)
    # Flowers, more and larger towards the front.
    for _ in range(170):
        y = rng.uniform(132, HEIGHT - 2)
        depth = (y - 132) / (HEIGHT - 132)
        r = 0.5 + 1.0 * depth
        colour = rng.choice(["#ffffff", "#fff24a", "#ffd020", "#e83030", "#b070e0", "#ffffff"])
        out += blob(rng.uniform(0, WIDTH), y, r, r * 0.8, colour)
    return out + "</svg>\n"


def main():
    BITMAP_DIR.mkdir(exist_ok=True)
    (BITMAP_DIR / "bitmap146.svg").write_text(autumn())
    (BITMAP_DIR / "bitmap148.svg").write_text(summer())


if __name__ == "__main__":
    main()
