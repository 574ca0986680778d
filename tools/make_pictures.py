#!/usr/bin/env python3
"""Draws the game's three 500 x 125 scene pictures into dat/ as 24-bit BMP.

Standard library only; a fixed random seed per picture keeps the output
byte-for-byte the same on every run.
"""

import math
import os
import random
import struct

W, H = 500, 125
HERE = os.path.dirname(os.path.abspath(__file__))
DAT = os.path.normpath(os.path.join(HERE, "..", "dat"))


# ------------------------------------------------------------------ canvas

class Canvas:
    """A float RGB image with alpha blending and a few soft shapes."""

    def __init__(self, w=W, h=H):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0)] * w for _ in range(h)]

    def set(self, x, y, c):
        self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def blend(self, x, y, c, a):
        """Mixes colour c over the pixel with opacity a (0..1)."""
        if a <= 0.0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        a = min(a, 1.0)
        r, g, b = self.px[y][x]
        self.px[y][x] = (r + (c[0] - r) * a, g + (c[1] - g) * a, b + (c[2] - b) * a)

    def fill(self, inside, box, c, alpha=1.0, ss=4):
        """Fills the points where inside(x, y) holds, with ss*ss samples a pixel
        so the edges come out smooth."""
        x0, y0, x1, y1 = (int(math.floor(v)) for v in box)
        step = 1.0 / ss
        for y in range(max(0, y0), min(self.h, y1 + 1)):
            for x in range(max(0, x0), min(self.w, x1 + 1)):
                hits = 0
                for sy in range(ss):
                    for sx in range(ss):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if hits:
                    self.blend(x, y, c, alpha * hits / (ss * ss))

    def glow(self, cx, cy, radius, c, strength):
        """A soft round light that fades out with distance."""
        for y in range(max(0, int(cy - radius)), min(self.h, int(cy + radius) + 1)):
            for x in range(max(0, int(cx - radius)), min(self.w, int(cx + radius) + 1)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) / radius
                if d < 1.0:
                    self.blend(x, y, c, strength * (1.0 - d) ** 2)

    def bmp(self):
        """The picture as an uncompressed 24-bit BMP (bottom-up rows, BGR,
        each row padded to a multiple of four bytes)."""
        row_pad = (4 - (self.w * 3) % 4) % 4
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            for r, g, b in self.px[y]:
                data += bytes((clamp(b), clamp(g), clamp(r)))
            data += b"\0" * row_pad
        header_size = 14 + 40
        file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
        info_header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0,
                                  len(data), 2835, 2835, 0, 0)
        return file_header + info_header + bytes(data)


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def gradient(stops, t):
    """Colour at t along a list of (position, colour) stops."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


def ridge(x, waves, base):
    """A hill line: base height plus a few sine waves (amp, period, phase)."""
    return base + sum(a * math.sin(x / p + ph) for a, p, ph in waves)


# ------------------------------------------------------------ shared parts

def paint_sky(cv, stops, horizon):
    for y in range(horizon + 8):
        c = gradient(stops, y / horizon)
        for x in range(cv.w):
            cv.set(x, y, c)


def paint_cloud(cv, cx, cy, size, c, strength, rng):
    """A cloud as a cluster of soft puffs, flatter than it is wide."""
    for _ in range(7):
        px = cx + rng.uniform(-1.6, 1.6) * size
        py = cy + rng.uniform(-0.3, 0.3) * size
        r = size * rng.uniform(0.6, 1.1)
        for y in range(max(0, int(py - r)), min(cv.h, int(py + r) + 1)):
            for x in range(max(0, int(px - 2 * r)), min(cv.w, int(px + 2 * r) + 1)):
                d = math.hypot((x - px) / 2.0, (y - py) * 1.2) / r
                if d < 1.0:
                    cv.blend(x, y, c, strength * (1.0 - d * d))


def paint_hills(cv, waves, base, c, haze=None, haze_depth=0):
    """A row of hills, filled down to the bottom; haze lightens their tops."""
    for x in range(cv.w):
        top = ridge(x, waves, base)
        for y in range(max(0, int(top)), cv.h):
            a = 1.0 if y > top else 1.0 - (top - int(top))
            col = c
            if haze is not None and haze_depth:
                col = mix(haze, c, (y - top) / haze_depth)
            cv.blend(x, y, col, a)


def paint_plain(cv, horizon, near, far, rng, blade_dark, blade_light, density=1.0):
    """The grass plain: a gradient from the far edge to the near one, then
    blades that grow taller and thicker toward the viewer."""
    for y in range(horizon, cv.h):
        t = (y - horizon) / (cv.h - horizon)
        base = mix(far, near, t ** 0.8)
        for x in range(cv.w):
            # a gentle roll in the ground so it is not a flat wash
            roll = 0.5 + 0.5 * math.sin(x / 37.0 + y / 9.0) * math.sin(x / 91.0 - y / 23.0)
            cv.set(x, y, mix(base, blade_dark, 0.12 * roll))
    count = int(5200 * density)
    for _ in range(count):
        t = rng.random() ** 0.7
        y0 = horizon + 1 + t * (cv.h - horizon - 1)
        x0 = rng.uniform(0, cv.w)
        height = 1.0 + t * t * 9.0 * rng.uniform(0.6, 1.2)
        lean = rng.uniform(-0.35, 0.35)
        colour = blade_dark if rng.random() < 0.55 else blade_light
        alpha = 0.25 + 0.45 * t
        steps = max(1, int(height * 2))
        for i in range(steps + 1):
            f = i / steps
            cv.blend(int(x0 + lean * height * f * f), int(y0 - height * f),
                     colour, alpha * (1.0 - 0.5 * f))


def paint_flowers(cv, horizon, colours, rng, count):
    for _ in range(count):
        t = rng.random() ** 0.8
        y = horizon + 3 + t * (cv.h - horizon - 5)
        x = rng.uniform(2, cv.w - 2)
        r = 0.5 + t * 1.8
        c = rng.choice(colours)
        cv.fill(lambda px, py: (px - x) ** 2 + (py - y) ** 2 <= r * r,
                (x - r - 1, y - r - 1, x + r + 1, y + r + 1), c, 0.9)
        if r > 1.4:  # a yellow heart on the nearer ones
            cv.blend(int(x), int(y), (250, 220, 90), 0.9)


# ------------------------------------------------------------------ scenes

def draw_center():
    """The field: a wide green plain under a soft spring sky."""
    rng = random.Random(1204)
    cv = Canvas()
    horizon = 62
    paint_sky(cv, [(0.0, (160, 205, 240)), (0.7, (205, 230, 245)), (1.0, (232, 244, 240))], horizon)
    for cx, cy, s in ((70, 16, 9), (205, 28, 6), (330, 12, 10), (450, 32, 6)):
        paint_cloud(cv, cx, cy, s, (255, 255, 255), 0.55, rng)
    paint_hills(cv, [(5, 53, 0.4), (3, 21, 1.9), (1.5, 9, 0.3)], horizon - 9,
                (178, 212, 196), haze=(215, 232, 230), haze_depth=10)
    paint_hills(cv, [(4, 71, 2.2), (2, 27, 0.8), (1, 11, 1.3)], horizon - 3,
                (168, 214, 168), haze=(196, 228, 200), haze_depth=8)
    paint_plain(cv, horizon, near=(160, 214, 160), far=(204, 240, 200), rng=rng,
                blade_dark=(118, 178, 118), blade_light=(214, 250, 206))
    paint_flowers(cv, horizon, [(255, 255, 255), (255, 236, 120), (250, 200, 220), (205, 195, 250)],
                  rng, 130)
    return cv


def draw_another():
    """The Another world: the same plain turned strange — a dusk that never
    ends, pale grass, hills hanging from the sky and a dark sun."""
    rng = random.Random(4242)
    cv = Canvas()
    horizon = 66
    paint_sky(cv, [(0.0, (58, 40, 92)), (0.55, (92, 78, 136)), (0.85, (84, 140, 150)),
                   (1.0, (150, 196, 190))], horizon)
    # faint pale stars
    for _ in range(70):
        x, y = rng.randrange(W), rng.randrange(int(horizon * 0.6))
        cv.blend(x, y, (230, 225, 255), rng.uniform(0.2, 0.7))
    # hills hang upside down from the top edge, a mirror of the world below
    for x in range(W):
        bottom = ridge(x, [(6, 47, 1.1), (3, 19, 0.2), (1.5, 8, 2.0)], 15)
        for y in range(0, min(H, int(bottom) + 1)):
            a = 1.0 if y < int(bottom) else bottom - int(bottom)
            cv.blend(x, y, mix((18, 30, 44), (52, 96, 108), y / max(bottom, 1)), a)
    # the dark sun, with a thin pale ring around it
    sx, sy, sr = 372, 34, 14
    cv.glow(sx, sy, 46, (190, 240, 230), 0.35)
    cv.fill(lambda x, y: (x - sx) ** 2 + (y - sy) ** 2 <= (sr + 2) ** 2,
            (sx - sr - 3, sy - sr - 3, sx + sr + 3, sy + sr + 3), (225, 250, 240), 0.9)
    cv.fill(lambda x, y: (x - sx) ** 2 + (y - sy) ** 2 <= sr * sr,
            (sx - sr - 1, sy - sr - 1, sx + sr + 1, sy + sr + 1), (22, 12, 34))
    # far hills, ghostly teal
    paint_hills(cv, [(4, 61, 0.7), (2.5, 23, 2.5), (1, 10, 0.1)], horizon - 7,
                (112, 150, 160), haze=(160, 200, 196), haze_depth=9)
    # the plain: pale, almost bleached, with violet shadows in the grass
    paint_plain(cv, horizon, near=(206, 214, 222), far=(226, 236, 226), rng=rng,
                blade_dark=(150, 130, 178), blade_light=(246, 250, 240), density=0.9)
    # floating shapes: dark diamonds with their faint shadows on the grass
    for cx, cy, s in ((88, 40, 7), (150, 26, 4), (236, 47, 5), (300, 20, 3), (452, 44, 6)):
        def diamond(x, y, cx=cx, cy=cy, s=s):
            return abs(x - cx) / s + abs(y - cy) / (s * 1.7) <= 1.0
        cv.fill(diamond, (cx - s - 1, cy - 2 * s - 1, cx + s + 1, cy + 2 * s + 1), (28, 18, 44), 0.95)
        cv.blend(int(cx - s * 0.3), int(cy - s * 0.5), (200, 240, 235), 0.5)
        shadow_y = horizon + 6 + (cy / horizon) * 40
        cv.fill(lambda x, y, cx=cx, sy=shadow_y, s=s: ((x - cx) / (s * 1.6)) ** 2 + ((y - sy) / 1.6) ** 2 <= 1,
                (cx - 2 * s, shadow_y - 3, cx + 2 * s, shadow_y + 3), (110, 90, 140), 0.35)
    # dark flowers, like holes in the pale grass
    paint_flowers(cv, horizon, [(60, 40, 90), (40, 80, 90), (90, 30, 70)], rng, 70)
    return cv


def draw_end():
    """The ending: a sword standing in the grass as the sun comes up behind it."""
    rng = random.Random(777)
    cv = Canvas()
    horizon = 70
    paint_sky(cv, [(0.0, (118, 132, 196)), (0.45, (196, 170, 200)), (0.8, (250, 200, 170)),
                   (1.0, (255, 232, 186))], horizon)
    sx, sy = 250, horizon + 2
    # rays: a soft fan of light spreading from the sun
    for y in range(horizon + 4):
        for x in range(W):
            dx, dy = x - sx, sy - y
            dist = math.hypot(dx, dy)
            if dist < 1:
                continue
            ang = math.atan2(dy, dx)
            ray = max(0.0, math.sin(ang * 13.0 + 0.4)) ** 3
            fall = max(0.0, 1.0 - dist / 300.0)
            cv.blend(x, y, (255, 246, 214), 0.32 * ray * fall)
    for cx, cy, s in ((80, 22, 8), (170, 10, 6), (360, 16, 9), (450, 36, 6)):
        paint_cloud(cv, cx, cy, s, (255, 214, 200), 0.45, rng)
    cv.glow(sx, sy, 120, (255, 240, 200), 0.55)
    cv.fill(lambda x, y: (x - sx) ** 2 + (y - sy) ** 2 <= 15 ** 2,
            (sx - 16, sy - 16, sx + 16, sy + 16), (255, 250, 226))
    paint_hills(cv, [(4, 57, 1.5), (2, 19, 0.4), (1, 9, 2.2)], horizon - 6,
                (160, 150, 178), haze=(236, 206, 196), haze_depth=8)
    paint_hills(cv, [(3, 83, 0.1), (1.5, 31, 1.2), (0.8, 12, 0.6)], horizon - 1,
                (140, 180, 140), haze=(214, 214, 170), haze_depth=6)
    paint_plain(cv, horizon, near=(134, 186, 132), far=(206, 224, 170), rng=rng,
                blade_dark=(92, 140, 96), blade_light=(246, 236, 180))
    # the light reaching across the grass toward the viewer
    for y in range(horizon, H):
        for x in range(W):
            spread = 14 + (y - horizon) * 1.6
            d = abs(x - sx) / spread
            if d < 1:
                cv.blend(x, y, (255, 238, 196), 0.28 * (1 - d) ** 2)
    paint_flowers(cv, horizon, [(255, 255, 240), (255, 220, 150), (250, 190, 200)], rng, 90)
    paint_sword(cv, 250, 108)
    # a few blades in front of the sword's foot, so it stands in the grass
    for _ in range(40):
        x0, y0 = rng.uniform(242, 259), rng.uniform(106, 112)
        height, lean = rng.uniform(3, 8), rng.uniform(-0.4, 0.4)
        colour = (92, 140, 96) if rng.random() < 0.5 else (226, 230, 170)
        for i in range(int(height * 2) + 1):
            f = i / (height * 2)
            cv.blend(int(x0 + lean * height * f * f), int(y0 - height * f), colour, 0.7 * (1 - 0.5 * f))
    return cv


def paint_sword(cv, x, ground):
    """A katana driven point-down into the ground: blade, round guard, a
    wrapped hilt, all dark against the sun with a rim of light on one edge."""
    top_blade = ground - 52
    # long shadow falling toward the viewer
    cv.fill(lambda px, py: abs(px - x - (py - ground) * 0.15) < 1.6 - (py - ground) * 0.05,
            (x - 4, ground, x + 8, H - 1), (70, 100, 72), 0.45)

    def blade_x(py):  # a gentle curve, like a real blade
        f = (py - top_blade) / (ground - top_blade)
        return x + 1.2 * math.sin(f * math.pi * 0.8)

    def blade(px, py):
        if not (top_blade <= py <= ground):
            return False
        half = 1.9 - 0.4 * (py - top_blade) / (ground - top_blade)
        return abs(px - blade_x(py)) <= half

    cv.fill(blade, (x - 4, top_blade, x + 5, ground), (96, 96, 112))
    for py in range(top_blade, ground):  # bright cutting edge catching the dawn
        cv.blend(int(blade_x(py) + 1.2), py, (255, 236, 214), 0.85)
        cv.blend(int(blade_x(py) - 0.6), py, (150, 150, 170), 0.5)
    # habaki (the collar) and the tsuba (the round guard)
    cv.fill(lambda px, py: abs(px - x) <= 2.4 and top_blade - 3 <= py <= top_blade,
            (x - 3, top_blade - 4, x + 3, top_blade + 1), (210, 170, 90))
    gy = top_blade - 4.5
    cv.fill(lambda px, py: ((px - x) / 7.5) ** 2 + ((py - gy) / 2.3) ** 2 <= 1,
            (x - 9, gy - 3, x + 9, gy + 3), (48, 40, 46))
    cv.fill(lambda px, py: ((px - x) / 7.5) ** 2 + ((py - gy + 1.2) / 1.0) ** 2 <= 1,
            (x - 9, gy - 3, x + 9, gy), (255, 222, 170), 0.45)
    # tsuka (the hilt), wrapped in cord with a diamond pattern
    h0, h1 = gy - 2, gy - 26
    cv.fill(lambda px, py: abs(px - x) <= 2.6 and h1 <= py <= h0,
            (x - 4, h1, x + 4, h0), (40, 34, 56))
    for py in range(int(h1) + 1, int(h0)):
        d = abs((py - int(h1)) % 6 - 3) - 1.5  # two crossing zigzags
        for px in {int(round(x + d)), int(round(x - d))}:
            cv.blend(px, py, (226, 214, 236), 0.5)
        cv.blend(x + 2, py, (255, 226, 180), 0.35)
    # kashira (the cap)
    cv.fill(lambda px, py: abs(px - x) <= 2.8 and h1 - 2.5 <= py <= h1,
            (x - 4, h1 - 3, x + 4, h1 + 1), (200, 164, 90))
    # a little glint where the sun meets the guard
    cv.glow(x + 6, gy, 7, (255, 255, 236), 0.6)


def main():
    os.makedirs(DAT, exist_ok=True)
    for name, draw in (("center", draw_center), ("another", draw_another), ("end", draw_end)):
        path = os.path.join(DAT, name + ".bmp")
        with open(path, "wb") as f:
            f.write(draw().bmp())
        print("make_pictures: wrote", path)


if __name__ == "__main__":
    main()
