#!/usr/bin/python3
"""Paints the story slides, the credits and the chapter card.

Usage: tools/content/story.py

Writes (relative to the repository root)
    content/story/intro/   01.png .. 05.png and slides.xml
    content/story/safe/    01.png .. 02.png and slides.xml
    content/story/ending/  01.png .. 04.png and slides.xml
    content/story/credits/ 01.png .. 05.png (text painted in; DE/ the German ones)
    content/config/credits/slides.xml       (points at the credits pictures; slidesDE.xml)
    content/images/menus/transition/Bg.png  (behind the chapter caption plate)

Story slides carry no text: the story screen draws the caption from the label
table in a parchment band at y 612..676, and the MENU and SKIP buttons sit in
the bottom corners, so nothing important is painted there. The credits zoom
by up to 15 % about the centre, so their text stays in the middle 80 %.
Deterministic: every random choice comes from a seeded random.Random.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
W, H = 1024, 768
K = 2  # drawn layers are painted K times larger and scaled down (smooth edges)

SILVER = [(0.0, (92, 98, 108)), (0.3, (238, 241, 246)), (0.55, (168, 174, 184)),
          (0.8, (214, 218, 226)), (1.0, (84, 88, 98))]
SKIN = (238, 196, 164)
HAIR = (122, 52, 30)


# ================================================================ helpers

Layer = P.Layer


def canvas_of(img):
    return P.to_rgba(img.copy())


def glow(canvas, x, y, r, colour, strength=1.0, ry=None):
    """Soft additive light around a point."""
    f = P.radial_field(W, H, x, y, r, ry)
    P.add_light(canvas, colour, P.curve(f, lambda t: (1 - t) ** 2), strength)


def finish(canvas, seed, vig=0.6):
    """Painterly finish: brush-like mottling, fine grain and a vignette."""
    P.soft_light(canvas, P.curve(P.fbm(W, H, seed, ((96, 0.5), (24, 0.3), (6, 0.2))),
                                 lambda t: 0.38 + 0.24 * t))
    P.soft_light(canvas, P.grain(W, H, seed + 1, 7))
    P.vignette(canvas, vig, 0.45)
    return canvas.convert("RGB")


def stars(layer, rng, n, ymax, colour=(255, 246, 220)):
    for _ in range(n):
        x, y = rng.uniform(0, W), rng.uniform(0, ymax) ** 1.0
        r = rng.choice((0.6, 0.8, 1.0, 1.4))
        a = int(rng.uniform(90, 230) * (1 - y / ymax * 0.6))
        layer.ell((x - r, y - r, x + r, y + r), colour + (a,))


def sparkle(canvas, x, y, r, colour=(255, 252, 235)):
    lay = Layer()
    for dx, dy in ((1, 0), (0, 1)):
        t = r * 0.12
        lay.poly([(x - dx * r, y - dy * r), (x + dy * t, y + dx * t), (x + dx * r, y + dy * r),
                  (x - dy * t, y - dx * t)], colour + (255,))
    glow(canvas, x, y, r * 1.6, (120, 110, 80), 0.8)
    lay.onto(canvas)


def wallpaper(bg, fg, dark=0.55, seed=3, tile_px=72):
    """Damask wall of the inn, dimmed by dark."""
    wall = P.tile(P.damask_tile(tile_px, tile_px, bg, fg, seed), W, H)
    wall = P.to_rgba(wall)
    P.multiply(wall, (0, 0, 0), None, 1 - dark)
    return wall


def clouds(canvas, seed, colour, y0, y1, strength=0.5):
    f = P.fbm(W, H, seed, ((220, 0.6), (70, 0.3), (20, 0.1)), stretch=4.0)
    band = P.vgradient(W, H, [(0, (0, 0, 0)), (y0 / H, (0, 0, 0)), ((y0 + y1) / 2 / H, (255, 255, 255)),
                              (y1 / H, (0, 0, 0)), (1, (0, 0, 0))]).convert("L")
    m = ImageChops.multiply(P.curve(f, lambda t: max(0.0, t - 0.5) * 2), band)
    P.screen(canvas, colour, m, strength)


# ================================================================ figures

def mira_back(lay, cx, feet, h, rng):
    """Mira seen from behind, walking to the door with her suitcase."""
    u = h / 100.0
    coat = (56, 78, 84, 255)
    lay.poly([(cx - 6 * u, feet - 2 * u), (cx - 4 * u, feet - 30 * u), (cx - 1 * u, feet - 30 * u),
              (cx - 2 * u, feet - 2 * u)], (40, 30, 28, 255))                        # legs
    lay.poly([(cx + 1 * u, feet - 2 * u), (cx + 1 * u, feet - 30 * u), (cx + 4 * u, feet - 30 * u),
              (cx + 5 * u, feet - 2 * u)], (40, 30, 28, 255))
    lay.ell((cx - 8 * u, feet - 4 * u, cx - 1 * u, feet + 1 * u), (30, 20, 18, 255))  # shoes
    lay.ell((cx + 1 * u, feet - 4 * u, cx + 8 * u, feet + 1 * u), (30, 20, 18, 255))
    lay.poly([(cx - 10 * u, feet - 78 * u), (cx + 10 * u, feet - 78 * u), (cx + 15 * u, feet - 26 * u),
              (cx - 15 * u, feet - 26 * u)], coat)                                   # coat
    lay.line([(cx, feet - 70 * u), (cx, feet - 27 * u)], (40, 58, 62, 255), 0.8 * u)
    lay.rect((cx - 12 * u, feet - 58 * u, cx + 12 * u, feet - 54 * u), (42, 60, 64, 255))  # belt
    lay.poly([(cx - 9 * u, feet - 80 * u), (cx + 9 * u, feet - 80 * u), (cx + 11 * u, feet - 72 * u),
              (cx - 11 * u, feet - 72 * u)], P.BURGUNDY + (255,))                   # scarf
    lay.ell((cx - 7 * u, feet - 96 * u, cx + 7 * u, feet - 79 * u), HAIR + (255,))   # head
    lay.ell((cx - 4 * u, feet - 101 * u, cx + 4 * u, feet - 93 * u), shade3(HAIR, 0.85))  # bun
    lay.poly([(cx - 10 * u, feet - 76 * u), (cx - 14 * u, feet - 48 * u), (cx - 11 * u, feet - 47 * u),
              (cx - 7 * u, feet - 72 * u)], shade3(coat, 0.9))                       # left arm
    lay.poly([(cx + 10 * u, feet - 76 * u), (cx + 17 * u, feet - 46 * u), (cx + 14 * u, feet - 45 * u),
              (cx + 7 * u, feet - 72 * u)], shade3(coat, 0.9))                       # right arm
    # suitcase in the right hand
    sx, sy = cx + 14 * u, feet - 44 * u
    lay.arc((sx + 2 * u, sy - 3 * u, sx + 10 * u, sy + 5 * u), 180, 360, (60, 34, 20, 255), 1.5 * u)
    lay.rect((sx - 3 * u, sy + 1 * u, sx + 17 * u, sy + 30 * u), (120, 70, 38, 255), 2 * u)
    for fx in (0.2, 0.8):
        lay.rect((sx - 3 * u + 20 * u * fx - 1 * u, sy + 1 * u, sx - 3 * u + 20 * u * fx + 1 * u,
                  sy + 30 * u), (78, 44, 24, 255))
    lay.rect((sx + 5 * u, sy + 14 * u, sx + 9 * u, sy + 17 * u), P.BRASS + (255,))


def shade3(c, f):
    return P.shade(c[:3], f) + (255,)


def mira_front(lay, cx, top, u):
    """Mira from the waist up, smiling (her shoulders about 36 u wide)."""
    hair = HAIR + (255,)
    lay.ell((cx - 26 * u, top - 2 * u, cx + 26 * u, top + 58 * u), hair)                # hair behind
    lay.poly([(cx - 24 * u, top + 30 * u), (cx + 24 * u, top + 30 * u), (cx + 28 * u, top + 80 * u),
              (cx - 28 * u, top + 80 * u)], hair)
    lay.rect((cx - 7 * u, top + 40 * u, cx + 7 * u, top + 60 * u), shade3(SKIN, 0.9))     # neck
    lay.poly([(cx - 40 * u, top + 70 * u), (cx - 18 * u, top + 58 * u), (cx + 18 * u, top + 58 * u),
              (cx + 40 * u, top + 70 * u), (cx + 44 * u, top + 170 * u), (cx - 44 * u, top + 170 * u)],
             P.CREAM + (255,))                                                        # blouse
    lay.poly([(cx - 30 * u, top + 74 * u), (cx - 14 * u, top + 70 * u), (cx, top + 96 * u),
              (cx + 14 * u, top + 70 * u), (cx + 30 * u, top + 74 * u), (cx + 34 * u, top + 170 * u),
              (cx - 34 * u, top + 170 * u)], P.BURGUNDY + (255,))                     # waistcoat
    lay.poly([(cx - 14 * u, top + 58 * u), (cx, top + 76 * u), (cx + 14 * u, top + 58 * u)],
             shade3(SKIN, 0.95))                                                      # collar
    for y in (104, 122, 140):
        lay.ell((cx - 2 * u, top + y * u, cx + 2 * u, top + (y + 4) * u), P.GOLD + (255,))
    lay.ell((cx - 20 * u, top + 2 * u, cx + 20 * u, top + 50 * u), SKIN + (255,))        # face
    lay.poly([(cx - 22 * u, top + 20 * u), (cx - 16 * u, top - 2 * u), (cx + 8 * u, top - 4 * u),
              (cx + 22 * u, top + 18 * u), (cx + 4 * u, top + 8 * u)], hair)           # fringe
    for sx in (-1, 1):
        ex = cx + sx * 8 * u
        lay.arc((ex - 4 * u, top + 22 * u, ex + 4 * u, top + 30 * u), 200, 340, (70, 36, 26, 255), 1.4 * u)
        lay.ell((ex - 5 * u, top + 31 * u, ex + 3 * u + 2 * u, top + 36 * u), (236, 150, 140, 120))
    lay.arc((cx - 8 * u, top + 30 * u, cx + 8 * u, top + 42 * u), 20, 160, (150, 56, 56, 255), 1.6 * u)


def bottle(lay, x, base, h, colour, rng):
    w = h * 0.32
    c = colour + (235,)
    lay.rect((x - w / 2, base - h * 0.62, x + w / 2, base), c, w * 0.25)
    lay.poly([(x - w / 2, base - h * 0.6), (x - w * 0.16, base - h * 0.8), (x + w * 0.16, base - h * 0.8),
              (x + w / 2, base - h * 0.6)], c)
    lay.rect((x - w * 0.16, base - h, x + w * 0.16, base - h * 0.78), c)
    lay.rect((x - w * 0.2, base - h * 1.02, x + w * 0.2, base - h * 0.94), (150, 96, 56, 255))
    lay.rect((x - w * 0.34, base - h * 0.45, x + w * 0.34, base - h * 0.22), P.PARCHMENT + (230,))
    lay.rect((x - w * 0.36, base - h * 0.58, x - w * 0.22, base - h * 0.1), (255, 240, 210, 90))


def lantern(canvas, x, y, s, lit=True):
    """A hanging brass lantern with its glow; (x, y) is the hook."""
    if lit:
        glow(canvas, x, y + 30 * s, 170 * s, (150, 96, 30), 0.9)
    lay = Layer()
    dark = (54, 36, 20, 255)
    lay.line([(x, y), (x, y + 8 * s)], dark, 2 * s)
    lay.arc((x - 6 * s, y + 2 * s, x + 6 * s, y + 14 * s), 180, 360, dark, 2 * s)
    lay.poly([(x - 16 * s, y + 18 * s), (x, y + 8 * s), (x + 16 * s, y + 18 * s)], P.BRASS + (255,))
    lay.rect((x - 13 * s, y + 18 * s, x + 13 * s, y + 50 * s),
             (255, 214, 120, 255) if lit else (70, 60, 50, 255))
    for fx in (-13, -1, 11):
        lay.rect((x + fx * s, y + 18 * s, x + (fx + 2) * s, y + 50 * s), dark)
    lay.rect((x - 17 * s, y + 50 * s, x + 17 * s, y + 55 * s), P.BRASS + (255,))
    if lit:
        lay.ell((x - 4 * s, y + 28 * s, x + 4 * s, y + 44 * s), (255, 250, 220, 255))
    lay.onto(canvas)


# ================================================================ the inn by the sea

def seaside(night, seed):
    rng = random.Random(seed)
    if night:
        sky = [(0.0, (6, 14, 30)), (0.45, (14, 34, 56)), (0.66, (36, 52, 74)), (1.0, (20, 30, 44))]
    else:
        sky = [(0.0, (14, 28, 50)), (0.3, (40, 56, 86)), (0.48, (150, 82, 90)), (0.6, (240, 150, 70)),
               (0.67, (255, 206, 120)), (1.0, (120, 70, 50))]
    c = P.to_rgba(P.vgradient(W, H, sky))
    clouds(c, seed + 1, (120, 80, 100) if not night else (40, 56, 80), 180, 420, 0.55)
    st = Layer()
    stars(st, rng, 260 if night else 110, 380 if night else 240)
    st.onto(c)
    # moon
    mx, my = (180, 120) if night else (860, 110)
    glow(c, mx, my, 120, (60, 60, 50), 0.8)
    moon = Layer()
    moon.ell((mx - 26, my - 26, mx + 26, my + 26), (250, 240, 210, 255))
    if not night:
        moon.ell((mx - 14, my - 32, mx + 34, my + 20), (0, 0, 0, 0))
    moon.onto(c)
    horizon = 470
    # far headland with the lighthouse
    land = Layer()
    land.poly([(0, horizon), (0, 446), (120, 440), (250, 452), (300, horizon)], (34, 30, 48, 255))
    land.poly([(300, horizon), (330, 452), (390, 446), (430, horizon)], (40, 34, 52, 255))
    land.rect((357, 408, 365, 448), (60, 54, 70, 255))
    land.rect((354, 402, 368, 410), (250, 230, 170, 255))
    land.onto(c)
    glow(c, 361, 406, 60, (170, 130, 60), 0.9)
    # sea
    sea = P.vgradient(W, H - horizon, [(0, (60, 78, 96) if night else (150, 110, 100)),
                                      (0.25, (24, 52, 66)), (1, (8, 24, 34))])
    c.paste(sea, (0, horizon))
    sh = Layer()
    for _ in range(520):
        y = rng.uniform(horizon + 2, H)
        d = (y - horizon) / (H - horizon)
        x = rng.uniform(0, 620)
        ln = rng.uniform(6, 30) * (0.4 + d)
        col = (255, 200, 130) if (not night and x < 500) else (200, 210, 220)
        sh.rect((x, y, x + ln, y + 0.8 + d), col + (int(rng.uniform(40, 120) * (1 - d * 0.5)),))
    sh.onto(c)
    # the hill the inn stands on
    hill = Layer()
    hill.poly([(430, H), (470, 600), (520, 560), (600, 540), (1024, 530), (1024, H)], (28, 44, 30, 255))
    hill.poly([(430, H), (470, 600), (520, 560), (560, 575), (510, H)], (62, 56, 52, 255))  # cliff
    hill.poly([(700, 560), (760, 560), (640, H), (540, H)], (96, 80, 62, 200))              # path
    hill.onto(c)
    inn(c, 600, 545, night, rng)
    # lamps along the path
    for px, py in ((704, 585), (672, 640), (614, 720)):
        glow(c, px, py, 40, (150, 110, 50), 0.9)
        l2 = Layer()
        l2.rect((px - 1.5, py, px + 1.5, py + 22), (30, 24, 20, 255))
        l2.ell((px - 4, py - 5, px + 4, py + 3), (255, 236, 170, 255))
        l2.onto(c)
    return c


def inn(c, x0, ground, night, rng):
    """The half-timbered inn: walls x0..x0+360, roof, chimneys and lit windows."""
    lay = Layer()
    x1 = x0 + 360
    top = ground - 170
    beam = (62, 40, 30, 255)
    lay.rect((x0 + 60, top - 170, x0 + 82, top - 60), (110, 60, 46, 255))       # chimneys
    lay.rect((x1 - 70, top - 160, x1 - 48, top - 60), (110, 60, 46, 255))
    lay.poly([(x0 - 16, top + 4), (x0 + 50, top - 120), (x1 - 50, top - 120), (x1 + 16, top + 4)],
             (58, 56, 70, 255))                                                  # roof
    lay.rect((x0, top, x1, ground), (214, 196, 168, 255))                          # plaster
    lay.rect((x0 - 4, top, x1 + 4, top + 8), beam)
    lay.rect((x0 - 4, top + 80, x1 + 4, top + 88), beam)
    for bx in range(x0, x1 + 1, 72):
        lay.rect((bx - 4, top, bx + 4, ground), beam)
    for bx in range(x0, x1 - 1, 72):
        lay.line([(bx + 4, top + 80), (bx + 36, top + 8)], beam, 5)
    lay.poly([(x0 + 140, top - 10), (x0 + 180, top - 78), (x0 + 220, top - 10)], (200, 182, 156, 255))
    win = (255, 214, 130, 255)
    wins = [(x0 + 14, top + 20), (x0 + 86, top + 20), (x0 + 230, top + 20), (x0 + 302, top + 20),
            (x0 + 14, top + 104), (x0 + 86, top + 104), (x0 + 230, top + 104), (x0 + 302, top + 104)]
    lit = wins if night else [w for i, w in enumerate(wins) if i not in (0, 3)]
    for wx, wy in wins:
        col = win if (wx, wy) in lit else (40, 44, 58, 255)
        lay.rect((wx, wy, wx + 44, wy + 50), col)
        lay.rect((wx + 20, wy, wx + 24, wy + 50), beam)
        lay.rect((wx, wy + 23, wx + 44, wy + 27), beam)
        lay.rect((wx - 3, wy - 3, wx + 47, wy + 1), beam)
    lay.ell((x0 + 166, top - 50, x0 + 194, top - 20), win)                         # gable window
    lay.rect((x0 + 156, top + 100, x0 + 204, ground), (128, 52, 34, 255), 18)      # door
    lay.rect((x0 + 156, ground - 20, x0 + 204, ground), (128, 52, 34, 255))
    lay.rect((x0 + 120, top + 100, x0 + 144, top + 130), P.BURGUNDY + (255,), 3)  # sign
    lay.ell((x0 + 128, top + 108, x0 + 136, top + 122), P.GOLD + (255,))
    lay.onto(c, shadow=0.3)
    for wx, wy in lit:
        glow(c, wx + 22, wy + 25, 70, (120, 74, 20), 0.8)
    for lx in (x0 + 150, x0 + 212):
        glow(c, lx, top + 110, 40, (190, 130, 50), 1.0)
        l2 = Layer()
        l2.ell((lx - 5, top + 104, lx + 5, top + 118), (255, 240, 190, 255))
        l2.onto(c)
    if night:   # a garland of little lights under the eaves
        g = Layer()
        for i in range(25):
            t = i / 24
            x = x0 - 10 + (x1 - x0 + 20) * t
            y = top + 14 + 10 * math.sin(t * math.pi * 4) ** 2
            g.ell((x - 3, y - 3, x + 3, y + 3), (255, 226, 150, 255))
            glow(c, x, y, 18, (110, 80, 30), 0.7)
        g.onto(c)
    # smoke from the chimneys
    sm = Layer()
    for cx0 in (x0 + 71, x1 - 59):
        for i in range(14):
            sm.ell((cx0 - 8 - i * 2 + i * 3, top - 180 - i * 16, cx0 + 8 + i * 2 + i * 3, top - 160 - i * 14),
                   (200, 200, 210, max(0, 40 - i * 3)))
    sm.onto(c, blur=6)


# ================================================================ slides

def intro_letter():
    c = wallpaper((96, 40, 34), (120, 56, 42), 0.35)
    table = P.to_rgba(P.wood(W, 360, 11, lines=24))
    c.paste(table, (0, 408))
    P.multiply(c, (40, 30, 30), P.linear_field(W, H).point(lambda i: 0 if i < 134 else min(255, (i - 134) * 2)), 0.6)
    # the letter: parchment, tilted, with lines of handwriting
    pw, ph = 460, 330
    paper = P.to_rgba(P.parchment(pw, ph, 21, edge=12))
    hand = Layer(pw, ph, K)
    rng = random.Random(23)
    for row in range(9):
        y = 46 + row * 28
        x = 40 if row else 40
        end = pw - 40 if row not in (0, 8) else pw // 2
        if row == 8:
            x = pw // 2
            end = pw - 50
        while x < end - 20:
            wl = rng.uniform(24, 70)
            pts = []
            for i in range(int(wl / 3)):
                pts.append((x + i * 3, y + math.sin(i * 1.9 + rng.random()) * 5 * rng.uniform(0.4, 1)))
            hand.line(pts, P.INK + (220,), 1.2)
            x += wl + rng.uniform(8, 14)
    paper.alpha_composite(hand.im.resize((pw, ph), Image.Resampling.LANCZOS))
    seal = Layer()
    paper = paper.rotate(-5, resample=Image.Resampling.BICUBIC, expand=True)
    big = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    big.paste(paper, (220, 250))
    c.alpha_composite(P.drop_shadow(big.getchannel("A"), (8, 10), 10, 0.55))
    c.alpha_composite(big)
    seal.ell((610, 530, 666, 586), (140, 30, 40, 255))
    seal.ell((620, 540, 656, 576), (110, 20, 32, 255))
    seal.onto(c, shadow=0.5)
    # the candle
    cx = 820
    glow(c, cx, 230, 520, (170, 100, 30), 0.85)
    can = Layer()
    can.ell((cx - 70, 500, cx + 70, 540), P.BRASS + (255,))
    can.rect((cx - 12, 470, cx + 12, 520), P.GOLD_DARK + (255,))
    can.ell((cx - 40, 460, cx + 40, 486), P.BRASS + (255,))
    can.rect((cx - 26, 290, cx + 26, 474), (246, 234, 204, 255))
    can.ell((cx - 26, 282, cx + 26, 298), (255, 248, 226, 255))
    can.line([(cx, 290), (cx, 270)], (40, 30, 20, 255), 2)
    can.onto(c, shadow=0.4)
    P.multiply(c, (150, 120, 90), Layer_rect_mask((cx + 4, 290, cx + 26, 474)), 0.6)
    flame = Layer()
    flame.poly([(cx, 206), (cx - 12, 250), (cx - 8, 268), (cx, 272), (cx + 8, 268), (cx + 12, 250)],
               (255, 190, 80, 255))
    flame.poly([(cx, 226), (cx - 6, 254), (cx, 266), (cx + 6, 254)], (255, 250, 220, 255))
    glow(c, cx, 246, 80, (255, 180, 70), 0.9)
    flame.onto(c)
    return finish(c, 31)


def Layer_rect_mask(box):
    return P.blur(P.rrect_mask((W, H), box, 2), 3)


def stone_wall(seed):
    rng = random.Random(seed)
    base = P.gradient_map(P.fbm(W, H, seed), [(0, (40, 32, 30)), (1, (80, 66, 56))])
    c = P.to_rgba(base)
    lay = Layer()
    y = 0
    row = 0
    while y < H:
        bh = rng.randint(44, 60)
        x = -rng.randint(0, 60) if row % 2 else 0
        while x < W:
            bw = rng.randint(80, 140)
            g = rng.randint(88, 128)
            col = (g + 12, g - 2, g - 16, 255)
            lay.rect((x + 3, y + 3, x + bw - 3, y + bh - 3), col, 8)
            x += bw
        y += bh
        row += 1
    stones = lay.image()
    P.fill(c, stones, Image.new("L", (W, H), 255))
    P.bevel(c, stones.getchannel("A"), depth=4, light=0.3, dark=0.5)
    P.soft_light(c, P.curve(P.fbm(W, H, seed + 4, ((20, 0.5), (5, 0.5))), lambda t: 0.3 + 0.4 * t))
    return c


def cellar_door(opened):
    c = stone_wall(41)
    P.multiply(c, (60, 40, 30), None, 0.35)
    dx0, dx1, dtop, dbot = 362, 662, 150, 600
    arch = Layer()
    arch.rect((dx0 - 26, dtop + 150 - 26, dx1 + 26, dbot + 4), (70, 60, 54, 255))
    arch.ell((dx0 - 26, dtop - 26, dx1 + 26, dtop + 300 + 26), (70, 60, 54, 255))
    arch.onto(c, shadow=0.5)
    hole = Layer()
    hole.rect((dx0, dtop + 150, dx1, dbot), (255, 255, 255, 255))
    hole.ell((dx0, dtop, dx1, dtop + 300), (255, 255, 255, 255))
    hm = hole.mask()
    # floor
    floor = P.to_rgba(P.gradient_map(P.fbm(W, 168, 43, ((40, 0.6), (10, 0.4))),
                                     [(0, (40, 30, 26)), (1, (86, 70, 58))]))
    c.paste(floor, (0, 600))
    if opened:
        inside = P.vgradient(W, H, [(0.15, (255, 236, 170)), (0.6, (240, 170, 80)), (1.0, (160, 90, 40))])
        P.fill(c, inside, hm)
        # steps leading down into the light
        st = Layer()
        for i in range(5):
            y = 440 + i * 32
            st.rect((dx0 + 30 - i * 6, y, dx1 - 30 + i * 6, y + 12), (170, 110, 60, 200))
        st.onto(c)
        glow(c, 512, 420, 420, (190, 120, 40), 1.0)
        spill = Layer()
        spill.poly([(dx0, 600), (dx1, 600), (dx1 + 180, H), (dx0 - 180, H)], (255, 200, 110, 120))
        spill.onto(c, blur=14)
        # the door leaf swung inwards, seen edge on at the left
        leaf = Layer()
        leaf.poly([(dx0, dtop + 120), (dx0 + 70, dtop + 170), (dx0 + 70, dbot - 30), (dx0, dbot)],
                  (86, 50, 28, 255))
        for yy in (dtop + 200, dbot - 90):
            leaf.poly([(dx0, yy), (dx0 + 70, yy + 30), (dx0 + 70, yy + 42), (dx0, yy + 14)], (34, 30, 30, 255))
        leaf.onto(c, shadow=0.3)
        lock = Layer()   # the opened padlock on the floor
        lock.rect((700, 640, 760, 690), P.BRASS + (255,), 8)
        lock.arc((706, 608, 766, 664), 200, 350, (150, 150, 150, 255), 7)
        lock.onto(c, shadow=0.5)
    else:
        planks = P.to_rgba(P.wood(W, H, 45, vertical=True, lines=60))
        P.fill(c, planks, hm)
        seams = Layer()
        for x in range(dx0 + 50, dx1, 50):
            seams.rect((x - 1.5, dtop, x + 1.5, dbot), (30, 18, 10, 200))
        for yy in (dtop + 150, dbot - 110):
            seams.rect((dx0, yy, dx1, yy + 22), (36, 32, 34, 255))
            for x in range(dx0 + 20, dx1, 46):
                seams.ell((x - 4, yy + 7, x + 4, yy + 15), (90, 86, 86, 255))
        seams.onto(c)
        P.inner_shadow(c, hm, radius=10, offset=(6, 8), strength=0.6)
        P.fill(c, (0, 0, 0, 70), P.blur(hm, 2).point(lambda i: 0 if i > 250 else i))
        # the old lock: a heavy brass padlock on a hasp
        lock = Layer()
        lx, ly = 512, 360
        lock.rect((lx - 60, ly - 16, lx + 60, ly + 4), (40, 36, 36, 255), 4)
        lock.arc((lx - 30, ly - 40, lx + 30, ly + 30), 180, 360, (150, 150, 156, 255), 9)
        lock.rect((lx - 44, ly, lx + 44, ly + 80), P.BRASS + (255,), 12)
        lock.ell((lx - 8, ly + 24, lx + 8, ly + 40), (24, 16, 10, 255))
        lock.poly([(lx - 5, ly + 34), (lx + 5, ly + 34), (lx + 7, ly + 60), (lx - 7, ly + 60)], (24, 16, 10, 255))
        lock.onto(c, shadow=0.6)
        bm = lock.mask()
        P.bevel(c, bm, depth=4, light=0.45, dark=0.45)
        glow(c, lx - 20, ly + 20, 40, (80, 60, 20), 0.6)
    # a lantern on the wall at the right
    lantern(c, 780, 200, 1.4, True)
    return finish(c, 47 if opened else 49, 0.7)


def locket_image(size, seed=5):
    """The silver locket, front on, as an RGBA picture of size x size."""
    s = size
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    body = P.ellipse_mask((s, s), (s * 0.18, s * 0.22, s * 0.82, s * 0.95))
    bail = P.ring_mask((s, s), (s * 0.43, s * 0.06, s * 0.57, s * 0.25), s * 0.03)
    silver = P.gradient_map(P.linear_field(s, s, True), SILVER)
    P.fill(img, silver, P.mask_add(body, bail))
    P.bevel(img, body, depth=max(2, s // 60), light=0.7, dark=0.55)
    ring = P.ring_mask((s, s), (s * 0.25, s * 0.3, s * 0.75, s * 0.87), s * 0.012)
    P.engrave(img, ring, depth=2, dark=0.5)
    flower = P.text_mask((s, s), (s * 0.5, s * 0.58), "\u2766", P.SANS, int(s * 0.3), anchor="mm", ss=2)
    P.engrave(img, flower, depth=2, dark=0.45)
    P.fill(img, (255, 255, 255, 110), P.blur(P.ellipse_mask((s, s), (s * 0.3, s * 0.3, s * 0.46, s * 0.44)), s / 40))
    return img


def paste_piece(c, piece, x, y, angle):
    p = piece.rotate(angle, resample=Image.Resampling.BICUBIC, expand=True)
    big = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    big.paste(p, (int(x - p.width / 2), int(y - p.height / 2)))
    c.alpha_composite(P.drop_shadow(big.getchannel("A"), (6, 8), 7, 0.6))
    c.alpha_composite(big)


def velvet(colour, seed):
    f = P.fbm(W, H, seed, ((260, 0.5), (90, 0.35), (30, 0.15)), stretch=1.8)
    folds = P.curve(f, lambda t: 0.5 + 0.5 * math.sin(t * 9.0))
    img = P.gradient_map(P.blur(folds, 14), [(0, P.shade(colour, 0.6)), (0.6, colour), (1, P.shade(colour, 1.3))])
    return P.to_rgba(img)


def chain(c, pts, seed):
    lay = Layer()
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        n = int(math.hypot(x1 - x0, y1 - y0) / 9)
        for i in range(n):
            t = i / max(1, n)
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            r = 4.5 if i % 2 else 3.5
            lay.ell((x - r, y - 3, x + r, y + 3), None, (210, 214, 222, 255), 1.6)
    lay.onto(c, shadow=0.5)


def broken_locket():
    c = velvet((22, 66, 72), 51)
    glow(c, 512, 330, 420, (90, 60, 30), 0.6)
    s = 420
    loc = locket_image(s)
    cx, cy = s / 2, s * 0.6
    # jagged cuts from the centre out to the rim, splitting it into four pieces
    rng = random.Random(53)
    angles = [-100, -10, 80, 170]
    pieces = []
    for a0, a1 in zip(angles, angles[1:] + [angles[0] + 360]):
        pts = [(cx + rng.uniform(-6, 6), cy + rng.uniform(-6, 6))]
        for a in (a0, (a0 + a1) / 2, a1):
            for rr in ((0.3, 0.6, 1.0) if a != (a0 + a1) / 2 else (1.0,)):
                pts.append((cx + math.cos(math.radians(a)) * s * 0.6 * rr + rng.uniform(-8, 8),
                            cy + math.sin(math.radians(a)) * s * 0.6 * rr + rng.uniform(-8, 8)))
        pts = [pts[0]] + pts[1:4] + [pts[4]] + list(reversed(pts[5:8]))
        m = P.poly_mask((s, s), pts)
        piece = loc.copy()
        piece.putalpha(ImageChops.multiply(loc.getchannel("A"), m))
        pieces.append((piece, (a0 + a1) / 2))
    chain(c, [(240, 250), (300, 200), (420, 170), (470, 190)], 55)
    for i, (piece, mid) in enumerate(pieces):
        dx = math.cos(math.radians(mid)) * 80
        dy = math.sin(math.radians(mid)) * 64
        paste_piece(c, piece, 520 + dx, 330 + dy, (-8, 12, -14, 6)[i])
    sparkle(c, 430, 260, 22)
    sparkle(c, 640, 420, 14)
    return finish(c, 57)


def mira_arrives():
    c = P.to_rgba(P.vgradient(W, H, [(0, (30, 40, 70)), (0.4, (170, 96, 90)), (0.6, (250, 180, 100)),
                                    (1, (120, 80, 60))]))
    clouds(c, 61, (140, 90, 110), 60, 300, 0.6)
    sea = Layer()
    sea.rect((0, 420, 400, H), (40, 70, 84, 255))
    for i in range(60):
        y = 424 + (i * 37) % 300
        x = (i * 71) % 380
        sea.rect((x, y, x + 30, y + 1.5), (255, 200, 140, 110))
    sea.onto(c)
    # the inn's front wall, close up
    wall = Layer()
    wall.rect((400, 0, W, 620), (214, 194, 164, 255))
    wall.onto(c)
    beam = (62, 40, 30, 255)
    fr = Layer()
    for x in (400, 560, 880, 1016):
        fr.rect((x - 8, 0, x + 8, 620), beam)
    fr.rect((392, 120, W, 136), beam)
    fr.line([(560, 136), (400, 330)], beam, 12)
    fr.line([(880, 136), (1016, 330)], beam, 12)
    # the door with its window
    fr.rect((630, 200, 820, 620), (120, 48, 32, 255), 90)
    fr.rect((630, 400, 820, 620), (120, 48, 32, 255))
    fr.rect((612, 600, 838, 620), (90, 80, 74, 255))
    fr.ell((680, 240, 770, 330), (255, 214, 130, 255))
    fr.line([(725, 240), (725, 330)], beam, 5)
    fr.line([(680, 285), (770, 285)], beam, 5)
    fr.ell((788, 430, 802, 444), P.BRASS + (255,))
    # windows either side
    for wx in (430, 900):
        fr.rect((wx, 200, wx + 96 if wx < 900 else wx + 90, 330), (255, 210, 130, 255))
        fr.rect((wx + 44, 200, wx + 50, 330), beam)
        fr.rect((wx, 262, wx + 96, 268), beam)
    fr.onto(c, shadow=0.3)
    for gx, gy in ((478, 265), (945, 265), (725, 285)):
        glow(c, gx, gy, 110, (130, 80, 20), 0.8)
    # ground
    g = Layer()
    g.rect((0, 600, W, H), (70, 58, 48, 255))
    g.onto(c)
    cob = Layer()
    rng = random.Random(63)
    for _ in range(300):
        x, y = rng.uniform(0, W), rng.uniform(604, H)
        r = rng.uniform(6, 12)
        cob.ell((x - r, y - r * 0.5, x + r, y + r * 0.5), (100 + rng.randint(-14, 14), 86, 70, 200))
    cob.onto(c, blur=0.6)
    glow(c, 725, 620, 240, (130, 80, 30), 0.7, 80)
    lantern(c, 585, 230, 1.3, True)
    lantern(c, 862, 230, 1.3, True)
    sh = Layer()
    sh.ell((400, 586, 520, 608), (0, 0, 0, 110))
    sh.onto(c, blur=5)
    m = Layer()
    mira_back(m, 452, 598, 330, rng)
    m.onto(c)
    P.bevel(c, m.mask(), depth=5, light=0.25, dark=0.35)
    glow(c, 560, 400, 160, (80, 50, 20), 0.6)
    return finish(c, 67)


def bar_back(seed):
    """The back wall of the taproom: panelling, shelves of bottles, lanterns."""
    c = wallpaper((110, 60, 34), (132, 76, 42), 0.45, seed)
    panel = P.to_rgba(P.wood(W, 300, seed + 1, lines=30))
    c.paste(panel, (0, 468))
    rng = random.Random(seed)
    for sy in (170, 310):
        sh = Layer()
        sh.rect((60, sy, 964, sy + 14), (90, 54, 30, 255))
        sh.onto(c, shadow=0.5)
        b = Layer()
        x = 80
        while x < 950:
            if not (380 < x < 640) or sy == 170:
                h = rng.uniform(70, 110)
                bottle(b, x, sy, h, rng.choice([(40, 90, 60), (110, 40, 30), (170, 120, 40), (50, 70, 90)]), rng)
            x += rng.uniform(38, 56)
        b.onto(c, shadow=0.35)
    return c


def safe_open():
    c = bar_back(71)
    glow(c, 512, 300, 400, (110, 70, 20), 0.6)
    sx0, sy0, sx1, sy1 = 392, 300, 632, 520
    body = Layer()
    body.rect((sx0, sy0, sx1, sy1), (60, 66, 70, 255), 10)
    body.onto(c, shadow=0.6)
    P.bevel(c, body.mask(), depth=5, light=0.35, dark=0.5)
    inner = Layer()
    inner.rect((sx0 + 22, sy0 + 22, sx1 - 22, sy1 - 22), (22, 20, 22, 255), 4)
    inner.onto(c)
    P.inner_shadow(c, inner.mask(), radius=12, offset=(8, 10), strength=0.8)
    glow(c, 512, 440, 90, (90, 70, 40), 0.8)
    pouch = Layer()
    pouch.poly([(462, 476), (470, 430), (500, 410), (524, 410), (554, 430), (562, 476)], P.BURGUNDY + (255,))
    pouch.ell((454, 462, 570, 490), shade3(P.BURGUNDY, 1.15))
    pouch.onto(c, shadow=0.4)
    piece = locket_image(120).crop((0, 40, 70, 120))
    paste_piece(c, piece, 512, 446, -20)
    sparkle(c, 520, 430, 26)
    door = Layer()   # the door swung out to the right, seen at an angle
    door.poly([(sx1, sy0 + 2), (sx1 + 110, sy0 - 20), (sx1 + 110, sy1 + 24), (sx1, sy1 - 2)], (74, 80, 86, 255))
    door.poly([(sx1 + 110, sy0 - 20), (sx1 + 124, sy0 - 16), (sx1 + 124, sy1 + 20), (sx1 + 110, sy1 + 24)],
              (40, 44, 48, 255))
    door.ell((sx1 + 32, 370, sx1 + 84, 444), (150, 150, 150, 255))
    door.ell((sx1 + 42, 384, sx1 + 74, 430), (90, 92, 96, 255))
    door.onto(c, shadow=0.5)
    P.bevel(c, door.mask(), depth=3, light=0.3, dark=0.4)
    top = Layer()    # the counter below
    top.rect((0, 530, W, 556), (120, 74, 40, 255))
    top.onto(c, shadow=0.5)
    front = P.to_rgba(P.wood(W, H - 556, 73, lines=20, stops=[(0, (30, 18, 10)), (0.6, (70, 40, 22)), (1, (110, 70, 40))]))
    c.paste(front, (0, 556))
    lantern(c, 190, 20, 1.5, True)
    lantern(c, 834, 20, 1.5, True)
    return finish(c, 75)


def locket_piece_cloth():
    c = P.to_rgba(P.wood(W, H, 81, lines=36))
    P.multiply(c, (150, 110, 80), None, 0.5)
    cloth = Layer()
    cloth.poly([(180, 140), (840, 110), (880, 560), (150, 590)], (240, 230, 206, 255))
    cloth.onto(c, shadow=0.5)
    folds = P.curve(P.fbm(W, H, 83, ((200, 0.6), (60, 0.4)), stretch=2.2), lambda t: 0.5 + 0.5 * math.sin(t * 7))
    cm = cloth.mask()
    P.multiply(c, (170, 150, 120), ImageChops.multiply(P.invert(folds), cm), 0.6)
    # embroidered border
    emb = Layer()
    emb.line([(200, 160), (820, 132), (858, 540), (172, 568), (200, 160)], P.BURGUNDY + (200,), 3)
    emb.onto(c)
    glow(c, 512, 340, 260, (110, 80, 40), 0.35)
    loc = locket_image(300)
    piece = loc.copy()
    m = P.poly_mask((300, 300), [(150, 180), (150, 0), (300, 0), (300, 300), (200, 300), (175, 240)])
    piece.putalpha(ImageChops.multiply(loc.getchannel("A"), m))
    piece = piece.crop(piece.getbbox())
    paste_piece(c, piece, 512, 340, 10)
    sparkle(c, 522, 300, 34)
    sparkle(c, 470, 390, 16)
    return finish(c, 85)


def family_album():
    c = P.to_rgba(P.wood(W, H, 91, lines=40))
    P.multiply(c, (120, 90, 70), None, 0.4)
    glow(c, 512, 320, 520, (130, 90, 40), 0.7)
    cover = Layer()
    cover.rect((96, 96, 928, 576), P.BURGUNDY + (255,), 14)
    cover.onto(c, shadow=0.6)
    for side, (x0, x1) in enumerate(((112, 512), (512, 912))):
        page = P.to_rgba(P.parchment(x1 - x0, 460, 93 + side, edge=10))
        c.paste(page, (x0, 106))
    spine = P.hgradient(W, H, [(0.44, (0, 0, 0)), (0.5, (255, 255, 255)), (0.56, (0, 0, 0))]).convert("L")
    P.multiply(c, (150, 110, 80), P.mask_mul(spine, P.rrect_mask((W, H), (112, 106, 912, 566), 4)), 0.7)
    rng = random.Random(95)
    photos = [(150, 140, 330, 290, -3), (300, 330, 470, 520, 4), (560, 150, 720, 330, 3), (740, 130, 880, 300, -4),
              (580, 370, 860, 530, -2)]
    for i, (x0, y0, x1, y1, ang) in enumerate(photos):
        pw, ph = x1 - x0, y1 - y0
        ph_img = Image.new("RGBA", (pw * K, ph * K), (250, 244, 230, 255))
        d = ImageDraw.Draw(ph_img)
        inner = (10 * K, 10 * K, (pw - 10) * K, (ph - 10) * K)
        d.rectangle(inner, fill=(170, 130, 90, 255))
        d.rectangle((10 * K, (ph * 0.62) * K, (pw - 10) * K, (ph - 10) * K), fill=(130, 96, 64, 255))
        n = rng.randint(1, 3) if i != 4 else 4
        for j in range(n):
            fx = (pw - 20) * (j + 1) / (n + 1) + 10
            hh = (ph - 20) * (0.5 if j % 2 else 0.62)
            r = min(pw, ph) * 0.09
            fy = ph - 10 - hh
            d.ellipse(((fx - r) * K, fy * K, (fx + r) * K, (fy + 2 * r) * K), fill=(70, 46, 30, 255))
            d.rounded_rectangle(((fx - 2.2 * r) * K, (fy + 2 * r) * K, (fx + 2.2 * r) * K, (ph - 10) * K),
                                radius=r * K, fill=(70, 46, 30, 255))
        ph_img = ph_img.resize((pw, ph), Image.Resampling.LANCZOS)
        paste_piece(c, ph_img, (x0 + x1) / 2, (y0 + y1) / 2, ang)
    corners = Layer()
    for x0, y0, x1, y1, _ in photos:
        for cx, cy, sx, sy in ((x0, y0, 1, 1), (x1, y0, -1, 1), (x0, y1, 1, -1), (x1, y1, -1, -1)):
            corners.poly([(cx - 4 * sx, cy - 4 * sy), (cx + 22 * sx, cy - 4 * sy), (cx - 4 * sx, cy + 22 * sy)],
                         (40, 30, 26, 230))
    corners.onto(c)
    # the locket, whole again, lying beside the album
    paste_piece(c, locket_image(160), 930, 560, -25)
    return finish(c, 97)


def mira_at_bar():
    c = bar_back(101)
    lantern(c, 200, 20, 1.6, True)
    lantern(c, 824, 20, 1.6, True)
    glow(c, 512, 300, 380, (120, 80, 30), 0.7)
    m = Layer()
    mira_front(m, 512, 230, 1.5)
    m.onto(c, shadow=0.4)
    P.bevel(c, m.mask(), depth=6, light=0.25, dark=0.3)
    top = Layer()
    top.rect((0, 470, W, 498), (130, 80, 44, 255))
    top.onto(c, shadow=0.6)
    P.bevel(c, top.mask(), depth=3, light=0.4, dark=0.4)
    front = P.to_rgba(P.wood(W, H - 498, 103, lines=20, stops=[(0, (30, 18, 10)), (0.6, (70, 40, 22)),
                                                                (1, (110, 70, 40))]))
    c.paste(front, (0, 498))
    pan = Layer()
    for x in range(0, W, 128):
        pan.rect((x + 12, 520, x + 116, 600), (0, 0, 0, 50), 6)
    pan.onto(c)
    # her hands on a tankard and a second tankard for the first guest
    tk = Layer()
    for tx in (440, 640):
        tk.rect((tx - 30, 390, tx + 30, 476), (196, 170, 120, 255), 6)
        tk.ell((tx - 32, 380, tx + 32, 398), (250, 244, 226, 255))
        tk.arc((tx + 20, 408, tx + 52, 456), 270, 90, (150, 120, 80, 255), 7)
        tk.rect((tx - 30, 404, tx + 30, 410), (120, 90, 60, 255))
        tk.rect((tx - 30, 454, tx + 30, 460), (120, 90, 60, 255))
    tk.ell((414, 420, 446, 450), SKIN + (255,))
    tk.onto(c, shadow=0.5)
    return finish(c, 105)


def inn_at_night():
    c = seaside(True, 111)
    return finish(c, 113, 0.5)


def inn_at_dusk():
    c = seaside(False, 121)
    return finish(c, 123, 0.5)


# ================================================================ credits and the chapter card

CREDITS = [
    [("title", "Lantern Inn"), ("subtitle", "The Broken Locket"), ("gap", ""),
     ("body", "a game by"), ("head", "Quill Games")],
    [("head", "Quill Games"), ("gap", ""), ("body", "Programming, art, sound and music:"),
     ("body", "the Quill Games team"), ("gap", ""),
     ("small", "All pictures, sounds and music were made"),
     ("small", "with our own generator scripts.")],
    [("head", "Built with"), ("gap", ""),
     ("small", "SDL 1.2 \u2013 GNU LGPL 2.1"), ("small", "SDL_image 1.2 \u2013 zlib licence"),
     ("small", "SDL_mixer 1.2 \u2013 zlib licence"), ("small", "OpenGL via Mesa \u2013 MIT licence"),
     ("small", "GLU \u2013 SGI Free Software License B"), ("small", "TinyXML \u2013 zlib licence"),
     ("small", "utfcpp \u2013 Boost Software License 1.0"), ("small", "libpng \u2013 libpng licence"),
     ("small", "libjpeg \u2013 IJG licence")],
    [("head", "Tools"), ("gap", ""),
     ("small", "GCC and CMake"), ("small", "GoogleTest \u2013 BSD 3-clause licence"),
     ("small", "nlohmann/json \u2013 MIT licence"), ("small", "Python with Pillow \u2013 HPND licence"),
     ("small", "and NumPy \u2013 BSD licence"), ("small", "vorbis-tools \u2013 BSD licence"),
     ("gap", ""), ("body", "Fonts: DejaVu"), ("small", "Bitstream Vera licence")],
    [("title", "Thank you"), ("title", "for playing!"), ("gap", ""), ("lantern", "")],
]

# The same slides for German players: the game picks slidesDE.xml in German.
CREDITS_DE = [
    [("title", "Lantern Inn"), ("subtitle", "Das zerbrochene Medaillon"), ("gap", ""),
     ("body", "ein Spiel von"), ("head", "Quill Games")],
    [("head", "Quill Games"), ("gap", ""), ("body", "Programmierung, Grafik, Ton und Musik:"),
     ("body", "das Team von Quill Games"), ("gap", ""),
     ("small", "Alle Bilder, Kl\u00e4nge und Melodien entstanden"),
     ("small", "mit unseren eigenen Generator-Skripten.")],
    [("head", "Erstellt mit"), ("gap", ""),
     ("small", "SDL 1.2 \u2013 GNU LGPL 2.1"), ("small", "SDL_image 1.2 \u2013 zlib-Lizenz"),
     ("small", "SDL_mixer 1.2 \u2013 zlib-Lizenz"), ("small", "OpenGL \u00fcber Mesa \u2013 MIT-Lizenz"),
     ("small", "GLU \u2013 SGI Free Software License B"), ("small", "TinyXML \u2013 zlib-Lizenz"),
     ("small", "utfcpp \u2013 Boost Software License 1.0"), ("small", "libpng \u2013 libpng-Lizenz"),
     ("small", "libjpeg \u2013 IJG-Lizenz")],
    [("head", "Werkzeuge"), ("gap", ""),
     ("small", "GCC und CMake"), ("small", "GoogleTest \u2013 BSD-Lizenz (3 Klauseln)"),
     ("small", "nlohmann/json \u2013 MIT-Lizenz"), ("small", "Python mit Pillow \u2013 HPND-Lizenz"),
     ("small", "und NumPy \u2013 BSD-Lizenz"), ("small", "vorbis-tools \u2013 BSD-Lizenz"),
     ("gap", ""), ("body", "Schriften: DejaVu"), ("small", "Bitstream-Vera-Lizenz")],
    [("title", "Danke"), ("title", "f\u00fcrs Spielen!"), ("gap", ""), ("lantern", "")],
]

STYLES = {  # font, px, colour, line height
    "title": (P.SERIF_BOLD, 54, P.BURGUNDY, 70),
    "subtitle": (P.SERIF, 36, P.INK, 50),
    "head": (P.SERIF_BOLD, 40, P.BURGUNDY, 56),
    "body": (P.SERIF, 28, P.INK, 40),
    "small": (P.SERIF, 25, P.INK, 34),
    "gap": (None, 0, None, 16),
    "lantern": (None, 0, None, 150),
}

PANEL = (150, 110, 874, 658)  # within the middle 80 % (102..922 x 77..691)


def credits_background(seed):
    c = wallpaper((96, 34, 40), (114, 46, 50), 0.55, seed, 96)
    glow(c, 512, 384, 560, (120, 70, 20), 0.8)
    P.vignette(c, 0.7, 0.35)
    return c


def credits_slide(lines, seed):
    c = credits_background(seed)
    x0, y0, x1, y1 = PANEL
    panel = P.to_rgba(P.parchment(x1 - x0, y1 - y0, seed + 2, edge=16))
    big = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    big.paste(panel, (x0, y0))
    pm = P.rrect_mask((W, H), PANEL, 14)
    c.alpha_composite(P.drop_shadow(pm, (6, 8), 10, 0.6))
    P.fill(c, big, pm)
    P.gold_frame(c, PANEL, 14, width=4)
    P.gold_frame(c, (x0 + 14, y0 + 14, x1 - 14, y1 - 14), 8, width=2)
    total = sum(STYLES[k][3] for k, _ in lines)
    y = (y0 + y1) / 2 - total / 2
    for kind, text in lines:
        path, px, colour, lh = STYLES[kind]
        if kind == "lantern":
            lantern(c, 512, y + 10, 2.2, True)
        elif text:
            m = P.text_mask((W, H), (512, y + lh / 2), text, path, px, anchor="mm", ss=2)
            assert m.getbbox()[0] >= x0 + 24 and m.getbbox()[2] <= x1 - 24, text
            P.fill(c, (255, 246, 220, 120), P.shift(m, 1, 1))
            P.fill(c, colour, m)
        if kind == "head" or (kind == "subtitle"):
            orn = Layer()
            orn.line([(412, y + lh + 2), (612, y + lh + 2)], P.GOLD + (255,), 1.5)
            orn.poly([(512, y + lh - 4), (518, y + lh + 2), (512, y + lh + 8), (506, y + lh + 2)], P.GOLD + (255,))
            orn.onto(c)
        y += lh
    return c.convert("RGB")


def chapter_card():
    c = wallpaper(P.DEEP_TEAL, P.shade(P.TEAL, 0.8), 0.8, 131, 84)
    wains = P.to_rgba(P.wood(W, 200, 133, lines=20))
    c.paste(wains, (0, 568))
    rail = Layer()
    rail.rect((0, 556, W, 574), (110, 70, 36, 255))
    rail.onto(c, shadow=0.6)
    glow(c, 512, 384, 520, (90, 70, 30), 0.7)
    for x in (150, 874):
        sc = Layer()   # wall sconces with candles
        sc.rect((x - 6, 300, x + 6, 360), P.BRASS + (255,), 3)
        sc.ell((x - 30, 290, x + 30, 304), P.BRASS + (255,))
        sc.rect((x - 8, 246, x + 8, 294), (246, 234, 204, 255))
        sc.poly([(x, 214), (x - 7, 236), (x, 244), (x + 7, 236)], (255, 214, 120, 255))
        glow(c, x, 232, 260, (150, 96, 30), 0.9)
        sc.onto(c, shadow=0.4)
    return finish(c, 135, 0.75)


# ================================================================ output

STORIES = {
    "intro": [(intro_letter, 6000), (inn_at_dusk, 4500), (lambda: cellar_door(False), 5000),
              (broken_locket, 5000), (mira_arrives, 5000)],
    "safe": [(safe_open, 5000), (locket_piece_cloth, 5000)],
    "ending": [(lambda: cellar_door(True), 5000), (family_album, 5500), (mira_at_bar, 5000),
               (inn_at_night, 6000)],
}


def slides_xml(entries):
    rows = "".join('  <SlideImage id="%d" file="%s"%s/>\n' % (i + 1, f, extra) for i, (f, extra) in enumerate(entries))
    return '<?xml version="1.0" encoding="UTF-8"?>\n<Slides>\n' + rows + "</Slides>\n"


def write_text(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def check_slide(img, path):
    """Every picture is a whole, opaque screen and not a flat fill."""
    assert img.size == (W, H) and img.mode == "RGB", path
    lo, hi = img.convert("L").getextrema()
    assert hi - lo > 80, "%s looks flat" % path


def main():
    only = sys.argv[1:]

    def wanted(name):
        return not only or any(o in name for o in only)

    # Gathered first as (path, painter, is a slide), so each line can say how far the run is.
    pictures = []
    texts = []
    for name, slides in STORIES.items():
        folder = os.path.join(ROOT, "content", "story", name)
        entries = []
        for i, (fn, delay) in enumerate(slides):
            fname = "%02d.png" % (i + 1)
            entries.append((fname, ' delay="%d" caption="STORY_%s_%d"' % (delay, name.upper(), i + 1)))
            if wanted(name + fname):
                pictures.append((os.path.join(folder, fname), fn, True))
        texts.append((os.path.join(folder, "slides.xml"), slides_xml(entries)))
    for suffix, credits in (("", CREDITS), ("DE", CREDITS_DE)):
        sub = suffix + "/" if suffix else ""
        entries = []
        for i, lines in enumerate(credits):
            fname = "%02d.png" % (i + 1)
            entries.append(("../../story/credits/" + sub + fname, ""))
            if wanted("credits" + sub + fname):
                pictures.append((os.path.join(ROOT, "content", "story", "credits", sub + fname),
                                 lambda lines=lines, seed=141 + i * 10: credits_slide(lines, seed), True))
        texts.append((os.path.join(ROOT, "content", "config", "credits", "slides%s.xml" % suffix),
                      slides_xml(entries)))
    if wanted("transition"):
        pictures.append((os.path.join(ROOT, "content", "images", "menus", "transition", "Bg.png"), chapter_card, False))
    for n, (path, fn, slide) in enumerate(pictures, 1):
        img = fn()
        if slide:
            check_slide(img, path)
        P.save(img, path)
        print("wrote %s (%d/%d)" % (os.path.relpath(path, ROOT), n, len(pictures)), flush=True)
    for path, text in texts:
        write_text(path, text)
        print("wrote", os.path.relpath(path, ROOT))


if __name__ == "__main__":
    main()
