#!/usr/bin/env python3
"""Draws the ten memory chapters' 500 x 125 pictures into dat/: memory0.jpg
(序) and memory9.jpg (終) as JPEG, the others as 24-bit BMP.

Standard library only, with the scene parts of make_pictures.py; a fixed
random seed per picture keeps the output the same on every run.
"""

import math
import os
import random

from jpeg_writer import encode
from make_pictures import (DAT, H, W, Canvas, mix, paint_cloud, paint_flowers, paint_hills, paint_plain,
                           paint_sky, paint_sword)


def figure(cv, x, ground, c, alpha=1.0):
    """A small standing sword master seen from afar: head, body, a blade."""
    cv.fill(lambda px, py: (px - x) ** 2 + (py - ground + 15) ** 2 <= 5.5, (x - 3, ground - 19, x + 3, ground - 12), c, alpha)
    cv.fill(lambda px, py: abs(px - x) <= 2.6 - (ground - py) * 0.05 and ground - 13 <= py <= ground,
            (x - 4, ground - 14, x + 4, ground), c, alpha)
    cv.fill(lambda px, py: abs(px - x - 4 - (ground - py) * 0.35) <= 0.6 and ground - 14 <= py <= ground - 4,
            (x + 2, ground - 15, x + 10, ground - 3), c, alpha)


def fog(cv, top, bottom, c, strength):
    for y in range(max(0, top), min(H, bottom)):
        a = strength * math.sin(math.pi * (y - top) / max(1, bottom - top))
        for x in range(W):
            cv.blend(x, y, c, a * (0.8 + 0.2 * math.sin(x / 23.0 + y / 5.0)))


def field(cv, rng, horizon, sky, near, far, dark, light, density=1.0):
    paint_sky(cv, sky, horizon)
    paint_hills(cv, [(4, 61, 0.9), (2, 23, 1.7)], horizon - 5, mix(far, sky[-1][1], 0.4))
    paint_plain(cv, horizon, near=near, far=far, rng=rng, blade_dark=dark, blade_light=light, density=density)


def draw_0():
    """序: a misty dawn at the edge of the field, a girl just risen."""
    rng = random.Random(100)
    cv = Canvas()
    field(cv, rng, 64, [(0.0, (188, 196, 220)), (0.8, (236, 222, 214)), (1.0, (246, 236, 222))],
          (150, 190, 160), (206, 220, 204), (110, 150, 120), (220, 236, 214), 0.8)
    cv.glow(120, 60, 90, (255, 236, 206), 0.5)
    figure(cv, 300, 96, (70, 76, 92))
    fog(cv, 40, 110, (240, 240, 244), 0.55)
    return cv


def draw_1():
    """一: morning, a green-painted sword fallen in the grass."""
    rng = random.Random(101)
    cv = Canvas()
    field(cv, rng, 58, [(0.0, (150, 200, 244)), (1.0, (222, 240, 250))],
          (150, 206, 150), (200, 236, 196), (100, 170, 110), (214, 250, 206))
    for cx, cy, s in ((90, 14, 8), (380, 22, 9)):
        paint_cloud(cv, cx, cy, s, (255, 255, 255), 0.6, rng)
    cv.fill(lambda x, y: abs((y - 100) - (x - 250) * 0.12) <= 1.6 and 190 <= x <= 300, (188, 88, 302, 112), (40, 150, 70))
    cv.fill(lambda x, y: abs(x - 186) <= 2.5 and 90 <= y - (x - 250) * 0.12 + 8 <= 100, (180, 80, 192, 100), (60, 50, 40))
    figure(cv, 330, 100, (60, 90, 70))
    return cv


def draw_2():
    """二: stairs cut down into the earth, another sky below."""
    rng = random.Random(102)
    cv = Canvas()
    field(cv, rng, 60, [(0.0, (226, 196, 150)), (1.0, (246, 230, 200))],
          (170, 190, 130), (214, 220, 170), (120, 140, 90), (230, 236, 190))
    for i in range(6):
        y0 = 72 + i * 8
        w = 34 - i * 4
        cv.fill(lambda x, y, y0=y0, w=w: abs(x - 250) <= w and y0 <= y <= y0 + 8, (210, y0, 290, y0 + 9),
                mix((120, 100, 80), (30, 24, 30), i / 5))
    return cv


def draw_3():
    """三: night, a sword of light driven into the ground."""
    rng = random.Random(103)
    cv = Canvas()
    field(cv, rng, 66, [(0.0, (20, 24, 60)), (1.0, (60, 70, 120))],
          (40, 70, 60), (70, 96, 90), (30, 50, 44), (100, 130, 120), 0.7)
    for _ in range(80):
        cv.blend(rng.randrange(W), rng.randrange(60), (255, 255, 230), rng.uniform(0.3, 0.9))
    cv.glow(250, 80, 70, (180, 230, 255), 0.6)
    cv.fill(lambda x, y: abs(x - 250) <= 1.5 and 40 <= y <= 100, (246, 38, 254, 102), (240, 250, 255))
    return cv


def draw_4():
    """四: a white church standing alone on the field."""
    rng = random.Random(104)
    cv = Canvas()
    field(cv, rng, 70, [(0.0, (170, 200, 230)), (1.0, (236, 236, 240))],
          (150, 190, 150), (196, 220, 190), (110, 150, 110), (220, 240, 210))
    cv.fill(lambda x, y: 220 <= x <= 280 and 55 <= y <= 92, (218, 54, 282, 93), (246, 244, 240))
    cv.fill(lambda x, y: y >= 30 + abs(x - 250) * 0.8 and y <= 56 and 216 <= x <= 284, (214, 28, 286, 57), (180, 70, 70))
    cv.fill(lambda x, y: (abs(x - 250) <= 1 and 14 <= y <= 30) or (abs(y - 20) <= 1 and 245 <= x <= 255),
            (243, 12, 257, 31), (200, 170, 80))
    cv.fill(lambda x, y: abs(x - 250) <= 6 and 74 <= y <= 92, (243, 73, 257, 93), (90, 60, 50))
    return cv


def draw_5():
    """五: the deep green, grass grown over everything."""
    rng = random.Random(105)
    cv = Canvas()
    field(cv, rng, 40, [(0.0, (90, 120, 100)), (1.0, (150, 176, 140))],
          (40, 100, 50), (80, 140, 80), (20, 70, 30), (120, 190, 110), 2.0)
    paint_flowers(cv, 40, [(200, 30, 40)], rng, 40)
    return cv


def draw_6():
    """六: the Another world, grey grass under a heavy sky, a shadow far off."""
    rng = random.Random(106)
    cv = Canvas()
    field(cv, rng, 62, [(0.0, (70, 66, 84)), (1.0, (130, 128, 136))],
          (130, 130, 134), (160, 160, 166), (96, 96, 104), (190, 190, 196))
    fog(cv, 50, 80, (170, 168, 180), 0.4)
    figure(cv, 380, 82, (20, 18, 30), 0.8)
    return cv


def draw_7():
    """七: the unknowable king, a white blade falling through the dark."""
    cv = Canvas()
    paint_sky(cv, [(0.0, (10, 8, 16)), (1.0, (30, 26, 40))], H - 8)
    cv.glow(250, 62, 120, (230, 230, 255), 0.35)
    cv.fill(lambda x, y: abs((x - 250) - (y - 62) * 0.6) <= 2.2 - abs(y - 62) * 0.03, (150, 0, 350, H - 1), (250, 250, 255))
    return cv


def draw_8():
    """八: the nameless sword, standing in the last light of the depths."""
    rng = random.Random(108)
    cv = Canvas()
    field(cv, rng, 70, [(0.0, (40, 30, 60)), (0.7, (120, 90, 130)), (1.0, (200, 170, 170))],
          (90, 110, 100), (140, 140, 130), (60, 80, 70), (190, 180, 170), 0.8)
    cv.glow(250, 60, 80, (255, 230, 200), 0.6)
    paint_sword(cv, 250, 108)
    return cv


def draw_9():
    """終: a clear day, the last scrolls left on the grass."""
    rng = random.Random(109)
    cv = Canvas()
    field(cv, rng, 56, [(0.0, (110, 170, 240)), (1.0, (210, 236, 252))],
          (140, 204, 140), (196, 236, 190), (96, 170, 100), (220, 252, 210))
    for cx, cy, s in ((60, 12, 8), (200, 24, 7), (420, 14, 10)):
        paint_cloud(cv, cx, cy, s, (255, 255, 255), 0.7, rng)
    for cx, cy, a in ((120, 96, 0.2), (200, 104, -0.3), (330, 92, 0.1), (410, 110, 0.4)):
        def scroll(x, y, cx=cx, cy=cy, a=a):
            u = (x - cx) * math.cos(a) + (y - cy) * math.sin(a)
            v = -(x - cx) * math.sin(a) + (y - cy) * math.cos(a)
            return abs(u) <= 12 and abs(v) <= 4
        cv.fill(scroll, (cx - 14, cy - 10, cx + 14, cy + 10), (250, 244, 226))
    figure(cv, 260, 80, (80, 90, 110), 0.5)
    return cv


def main():
    os.makedirs(DAT, exist_ok=True)
    for index, draw in enumerate((draw_0, draw_1, draw_2, draw_3, draw_4, draw_5, draw_6, draw_7, draw_8, draw_9)):
        cv = draw()
        jpeg = index in (0, 9)
        path = os.path.join(DAT, f"memory{index}.{'jpg' if jpeg else 'bmp'}")
        with open(path, "wb") as f:
            f.write(encode(cv.w, cv.h, lambda x, y: tuple(max(0, min(255, int(round(v)))) for v in cv.get(x, y)))
                    if jpeg else cv.bmp())
        print("make_chapter_pictures: wrote", path)


if __name__ == "__main__":
    main()
