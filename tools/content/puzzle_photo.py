#!/usr/bin/python3
"""Paints the pictures of two drag-and-drop puzzles: grandmother's torn photograph
(screen 22) and her motto laid out in letter tiles (screen 32).

Usage: tools/content/puzzle_photo.py [--only SUBSTRING ...] [--preview]

Writes under content/images/minigames/ (relative to the repository root):
    screen22/Bg.png          an open photo album on the table, the photo's place empty
    screen22/BgFinished.png  the same with the photograph whole in its place
    screen22/Piece0.png ...  the twelve jigsaw pieces of the photograph
      Piece11.png
    screen32/Bg.png          a writing desk, a cream card with six letter places
    screen32/BgFinished.png  the card with the motto LUX MEA written in gold
    screen32/L.png U.png X.png M.png E.png A.png   the letter tiles

With --preview, also writes /tmp/jigsaw_preview.png (half the pieces placed, the
rest scattered), /tmp/jigsaw_done.png (all pieces placed) and
/tmp/letters_preview.png (L, U, X placed, M, E, A on the desk), and checks that
the placed pieces cover the photograph exactly. Deterministic: all randomness
is seeded.

Where things are (screen pixels):
- the photograph (480 x 360) lies with its top-left at (272, 170); it is cut
  into 4 x 3 cells of 120 x 120; piece n = 4 r + c (column c, row r) is a
  168 x 168 picture: its cell plus a 24 pixel margin on every side, so placed
  it goes at (272 + 120 c - 24, 170 + 120 r - 24); tabs reach at most 22 pixels
  beyond the cell, the photograph's outer edges are straight;
- the letter places on the card (80 x 96 each, top-left): L (196, 300),
  U (288, 300), X (380, 300), M (564, 300), E (656, 300), A (748, 300); a tile
  picture is 80 x 96 and goes exactly over its place;
- the bottom strip (y 690..768) is plain table in both, for the buttons in the
  corners and the caption between them.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
from asset_script import Assets, load, run  # noqa: E402

W, H = 1024, 768
SIZE = (W, H)
JIGSAW_DIR = "images/minigames/screen22"
LETTERS_DIR = "images/minigames/screen32"
PREVIEW_JIGSAW = "/tmp/jigsaw_preview.png"
PREVIEW_DONE = "/tmp/jigsaw_done.png"
PREVIEW_LETTERS = "/tmp/letters_preview.png"

# The photograph and its cut.
PHOTO_W, PHOTO_H = 480, 360
PHOTO_X, PHOTO_Y = 272, 170
PHOTO_BORDER = 10
COLS, ROWS = 4, 3
CELL = 120
MARGIN = 24
PIECE = CELL + 2 * MARGIN          # 168
TAB_REACH = 20.6                   # how far a tab stands out of its cell at most (22 with its soft edge)
CUT_SS = 8                         # supersampling of the piece shapes

# The motto.
MOTTO = "LUXMEA"
LETTER_PLACES = {"L": (196, 300), "U": (288, 300), "X": (380, 300),
                 "M": (564, 300), "E": (656, 300), "A": (748, 300)}
TILE_W, TILE_H = 80, 96
CARD_BOX = (150, 200, 874, 500)

ASSETS = Assets()
asset = ASSETS.add


def piece_origin(n):
    """Screen position of piece n's picture when it lies in its place."""
    c, r = n % COLS, n // COLS
    return PHOTO_X + CELL * c - MARGIN, PHOTO_Y + CELL * r - MARGIN


# ================================================================ shared helpers


def hgrad(w, h, stops):
    """Horizontal gradient with stop 0 at the left edge (paint.hgradient starts at the right)."""
    return P.hgradient(w, h, stops).transpose(Image.Transpose.FLIP_LEFT_RIGHT)


def gold_diamond(c, cx, cy, r):
    m = P.poly_mask(c.size, [(cx, cy - r), (cx + r * 0.8, cy), (cx, cy + r), (cx - r * 0.8, cy)])
    P.cast_shadow(c, m, (1, 1), 1, 0.4)
    P.fill(c, P.metal(*c.size), m)
    P.bevel(c, m, 1, 0.6, 0.45)


def small_lantern(c, cx, top, k, lit=True, seed=0, glow=True):
    """A brass lantern, `k` pixels per design unit (the design is 20 wide, 34 tall)."""
    size = c.size

    def pts(seq):
        return [(cx + x * k, top + y * k) for x, y in seq]

    glass = P.poly_mask(size, pts([(-6, 10), (6, 10), (7, 25), (-7, 25)]))
    metal_m = P.ring_mask(size, (cx - 2.6 * k, top - 0.2 * k, cx + 2.6 * k, top + 5 * k), 1.1 * k)
    metal_m = ImageChops.multiply(metal_m, P.poly_mask(size, pts([(-4, -1), (4, -1), (4, 3), (-4, 3)])))
    for seg in (pts([(-3, 3), (3, 3), (9, 9), (-9, 9)]),            # roof
                 pts([(-9.5, 8.5), (9.5, 8.5), (9.5, 10.5), (-9.5, 10.5)]),
                 pts([(-8.5, 24.5), (8.5, 24.5), (8.5, 27), (-8.5, 27)]),
                 pts([(-6, 27), (6, 27), (4, 30), (-4, 30)])):
        metal_m = ImageChops.lighter(metal_m, P.poly_mask(size, seg))
    bars = P.mask_from(size, lambda d, s: [d.line([((cx + x0 * k) * s, (top + 10 * k) * s),
                                                    ((cx + x1 * k) * s, (top + 25 * k) * s)],
                                                   fill=255, width=max(1, int(0.9 * k * s)))
                                            for x0, x1 in ((-6, -7), (0, 0), (6, 7))])
    metal_m = ImageChops.lighter(metal_m, bars)
    if glow and lit:
        P.glow_at(c, cx, top + 17 * k, 34 * k, (150, 90, 30), 0.7, 1.8)
    P.cast_shadow(c, ImageChops.lighter(metal_m, glass), (max(1, k * 0.6), max(1, k * 0.8)), max(1, k * 0.7), 0.5)
    if lit:
        gl = P.gradient_map(P.radial_field(size[0], size[1], cx, top + 18 * k, 8 * k, 10 * k),
                            [(0.0, (255, 250, 214)), (0.4, (255, 214, 110)), (1.0, (214, 120, 40))])
    else:
        gl = P.vgradient(size[0], size[1], [(0.0, (70, 96, 100)), (1.0, (30, 50, 56))])
    P.fill(c, gl, glass)
    P.fill(c, P.metal(size[0], size[1], seed=seed), metal_m)
    P.bevel(c, metal_m, max(1, int(k * 0.7)), 0.5, 0.45)
    P.fill(c, (70, 44, 14, 200), ImageChops.subtract(metal_m, P.blur(metal_m, 0.6).point(
        lambda i: 255 if i > 250 else 0)))


# ================================================================ the photograph

def sepia_ramp():
    return [(0.0, (36, 24, 16)), (0.22, (78, 54, 36)), (0.5, (142, 106, 70)), (0.78, (206, 174, 126)),
            (1.0, (248, 234, 202))]


_photo = []


def photograph():
    """Grandmother as a young woman in front of the Lantern Inn, an old sepia print (RGB, 480 x 360)."""
    if _photo:
        return _photo[0]
    iw, ih = PHOTO_W - 2 * PHOTO_BORDER, PHOTO_H - 2 * PHOTO_BORDER     # 460 x 340 picture area
    K = 3                      # painted three times larger, then scaled down
    w, h = iw * K, ih * K
    big = (w, h)
    lum = Image.new("L", big, 0)
    warm = Image.new("L", big, 0)         # where lamplight and the low sun tint the print
    d_l = ImageDraw.Draw(lum)
    d_w = ImageDraw.Draw(warm)

    def S(seq):
        return [(x * K, y * K) for x, y in seq]

    def B(box):
        return [v * K for v in box]

    def put(value, mask):
        lum.paste(Image.composite(Image.new("L", big, value) if isinstance(value, int) else value, lum, mask))

    def pmask(seq):
        m = Image.new("L", big, 0)
        ImageDraw.Draw(m).polygon(S(seq), fill=255)
        return m

    def emask(box):
        m = Image.new("L", big, 0)
        ImageDraw.Draw(m).ellipse(B(box), fill=255)
        return m

    horizon = 150
    # --- sky: dusk, bright over the sea, clouds lit from below
    lum.paste(P.vgradient(w, h, [(0.0, (112, 112, 112)), (0.22, (150, 150, 150)),
                                 (horizon / ih, (236, 236, 236)), (1.0, (236, 236, 236))]).convert("L"))
    clouds = P.fbm(w, h, 2201, ((60 * K, 0.5), (20 * K, 0.3), (6 * K, 0.2)), stretch=3.5)
    clouds = P.curve(clouds, lambda t: max(0.0, min(1.0, (t - 0.52) / 0.3)) ** 1.4)
    sky_only = P.vgradient(w, h, [(0.0, (255, 255, 255)), (0.3, (200, 200, 200)),
                                  ((horizon - 20) / ih, (70, 70, 70)), (horizon / ih, (0, 0, 0)),
                                  (1.0, (0, 0, 0))]).convert("L")
    cloud_m = ImageChops.multiply(clouds, sky_only)
    put(P.vgradient(w, h, [(0.0, (178, 178, 178)), (0.4, (214, 214, 214)), (1.0, (230, 230, 230))]).convert("L"),
        P.opacity(cloud_m, 0.75))
    under = ImageChops.subtract(cloud_m, P.shift(cloud_m, 0, -4 * K))
    put(246, P.opacity(P.blur(under, K), 0.6))
    # the sun low over the water on the left
    sx, sy = 70 * K, 134 * K
    sun_glow = P.curve(P.radial_field(w, h, sx, sy, 120 * K, 60 * K), lambda t: (1 - t) ** 2)
    put(250, P.opacity(sun_glow, 0.7))
    put(255, P.blur(emask((61, 125, 79, 143)), K))
    warm.paste(P.opacity(sun_glow, 0.5), (0, 0), P.opacity(sun_glow, 0.5))
    # gulls
    rng = random.Random(2203)
    for gx, gy, gs in ((206, 52, 7), (236, 38, 5.5), (176, 70, 4.5), (128, 30, 6), (300, 24, 4)):
        flap = rng.uniform(-0.4, 0.4)
        wing = [(gx - gs, gy - gs * (0.3 + flap)), (gx - gs * 0.45, gy - gs * 0.55), (gx, gy),
                (gx + gs * 0.45, gy - gs * 0.55), (gx + gs, gy - gs * (0.3 - flap))]
        d_l.line(S(wing), fill=60, width=int(1.3 * K), joint="curve")
    # --- sea: light at the horizon, darker towards the cliff, wavelets and the sun's path
    sea = pmask([(0, horizon), (iw, horizon), (iw, 262), (0, 262)])
    put(P.vgradient(w, h, [(0.0, (0, 0, 0)), (horizon / ih, (170, 170, 170)), (0.62, (120, 120, 120)),
                           (0.78, (92, 92, 92)), (1.0, (92, 92, 92))]).convert("L"), sea)
    waves = P.noise(w, h, 40 * K, 2205, cell_y=K)
    waves = P.curve(waves, lambda t: max(0.0, (t - 0.62) / 0.38))
    fade_far = P.vgradient(w, h, [(0.0, (0, 0, 0)), (horizon / ih, (60, 60, 60)), (0.75, (255, 255, 255)),
                                  (1.0, (255, 255, 255))]).convert("L")
    put(200, P.opacity(ImageChops.multiply(ImageChops.multiply(waves, sea), fade_far), 0.45))
    glitter = P.noise(w, h, 6 * K, 2207, cell_y=K)
    glitter = P.curve(glitter, lambda t: max(0.0, (t - 0.55) / 0.45))
    path = P.curve(P.radial_field(w, h, sx, 200 * K, 34 * K, 70 * K), lambda t: (1 - t) ** 1.2)
    put(252, ImageChops.multiply(ImageChops.multiply(glitter, path), sea))
    warm.paste(200, (0, 0), P.opacity(ImageChops.multiply(path, sea), 0.6))
    # the headland with the lighthouse far off on the left
    head = pmask([(0, 128), (12, 124), (34, 123), (58, 130), (88, 142), (112, horizon + 1), (0, horizon + 1)])
    put(P.vgradient(w, h, [(0.0, (118, 118, 118)), (1.0, (96, 96, 96))]).convert("L"), head)
    put(214, pmask([(34, 104), (40, 104), (41.5, 124), (32.5, 124)]))
    put(110, pmask([(33, 101), (41, 101), (37, 96)]))
    put(255, P.blur(emask((34, 100.5, 40, 105)), K * 0.5))
    beam = pmask([(37, 102), (0, 96), (0, 108)])
    put(250, P.opacity(P.blur(beam, 3 * K), 0.35))
    # --- the cliff top in front: grass, a path to the inn, a rail fence along the edge
    ground_pts = [(0, 262), (60, 259), (130, 256), (200, 254), (260, 257), (iw, 256), (iw, ih), (0, ih)]
    ground = pmask(ground_pts)
    g_tex = P.fbm(w, h, 2209, ((30 * K, 0.4), (8 * K, 0.3), (2 * K, 0.3)), stretch=2.0)
    put(P.gradient_map(g_tex, [(0.0, (72, 72, 72)), (1.0, (128, 128, 128))]).convert("L"), ground)
    # light falls across the grass from the left
    put(150, P.opacity(ImageChops.multiply(ground, P.curve(P.radial_field(w, h, 0, 270 * K, 260 * K, 60 * K),
                                                          lambda t: (1 - t) ** 1.5)), 0.5))
    blades = Image.new("L", big, 0)
    bd = ImageDraw.Draw(blades)
    rng = random.Random(2211)
    for _ in range(900):
        x = rng.uniform(0, iw)
        y = rng.uniform(258, ih)
        ln = 2 + (y - 250) / 22
        lean = rng.uniform(-1.2, 1.2)
        bd.line(S([(x, y), (x + lean, y - ln)]), fill=rng.choice((255, 170)), width=max(1, int(0.5 * K)))
    put(44, P.opacity(blades, 0.45))
    path_m = pmask(P.catmull([(333, 262), (337, 274), (322, 292), (296, 316), (278, ih + 4)], 8) +
                   P.catmull([(336, ih + 4), (350, 316), (364, 290), (356, 274), (353, 262)], 8))
    put(P.gradient_map(P.fbm(w, h, 2213, ((10 * K, 0.5), (3 * K, 0.5))), [(0.0, (128, 128, 128)),
                                                                           (1.0, (172, 172, 172))]).convert("L"),
        P.blur(path_m, K))
    fence = Image.new("L", big, 0)
    fd = ImageDraw.Draw(fence)
    for i in range(9):
        x = 6 + i * 27
        y = 258 - i * 0.4
        fd.rectangle(B((x, y - 17, x + 2.6, y + 1)), fill=255)
    for yy in (246, 252):
        fd.line(S([(0, yy + 1), (232, yy - 3)]), fill=255, width=int(1.4 * K))
    put(70, fence)
    # --- the inn: timber-framed plaster, slate roof, a gable over the door, two chimneys
    base = 262
    x0, x1, eave = 240, 446, 122
    for cx0, top in ((266, 38), (414, 44)):
        put(82, pmask([(cx0, top), (cx0 + 14, top), (cx0 + 14, 80), (cx0, 80)]))
        put(56, pmask([(cx0 - 2, top - 4), (cx0 + 16, top - 4), (cx0 + 16, top + 1), (cx0 - 2, top + 1)]))
        smoke = Image.new("L", big, 0)
        sd = ImageDraw.Draw(smoke)
        for i in range(12):
            t = i / 11
            cx = cx0 + 7 + 40 * t ** 1.4
            cy = top - 6 - 30 * t
            r = 3 + 9 * t
            sd.ellipse(B((cx - r, cy - r * 0.7, cx + r, cy + r * 0.7)), fill=int(200 * (1 - t)))
        put(210, P.opacity(P.blur(smoke, 4 * K), 0.7))
    walls = pmask([(x0, eave), (x1, eave), (x1, base), (x0, base)])
    plaster = P.fbm(w, h, 2215, ((14 * K, 0.5), (3 * K, 0.5)))
    put(P.gradient_map(plaster, [(0.0, (168, 168, 168)), (1.0, (200, 200, 200))]).convert("L"), walls)
    roof = pmask([(x0 - 16, eave + 2), (x1 + 16, eave + 2), (x1 - 20, 70), (x0 + 20, 70)])
    put(P.vgradient(w, h, [(0.0, (70, 70, 70)), (eave / ih, (52, 52, 52)), (1.0, (52, 52, 52))]).convert("L"), roof)
    rows = Image.new("L", big, 0)
    rd = ImageDraw.Draw(rows)
    for y in range(74, eave, 6):
        rd.line(S([(x0 - 20, y), (x1 + 20, y)]), fill=255, width=max(1, int(0.6 * K)))
    put(96, ImageChops.multiply(rows, roof))
    put(104, P.blur(ImageChops.subtract(roof, P.shift(roof, 0, 2 * K)), 0.5 * K))
    put(40, pmask([(x0 - 18, eave), (x1 + 18, eave), (x1 + 18, eave + 4), (x0 - 18, eave + 4)]))
    gx = 343
    put(52, pmask([(gx - 44, eave + 4), (gx + 44, eave + 4), (gx, 58)]))
    put(P.gradient_map(plaster, [(0.0, (176, 176, 176)), (1.0, (206, 206, 206))]).convert("L"),
        pmask([(gx - 36, eave + 4), (gx + 36, eave + 4), (gx, 68)]))
    # beams
    frame = Image.new("L", big, 0)
    fd = ImageDraw.Draw(frame)
    fd.rectangle(B((x0, eave + 2, x1, eave + 5)), fill=255)
    fd.rectangle(B((x0, 186, x1, 189)), fill=255)
    fd.rectangle(B((x0, base - 4, x1, base)), fill=255)
    for x in (x0, 290, 396, x1 - 3.5):
        fd.rectangle(B((x, eave, x + 3.5, base)), fill=255)
    for xa in (290, 396):
        fd.line(S([(xa + 2, 126), (xa + 2 + (30 if xa < 300 else -30), 186)]), fill=255, width=int(2.2 * K))
    fd.line(S([(gx - 40, eave + 4), (gx, 62), (gx + 40, eave + 4)]), fill=255, width=int(3 * K))
    put(58, frame)

    def window(box, panes=(2, 2), light=250, arch=False):
        bx0, by0, bx1, by1 = box
        put(60, pmask([(bx0 - 2, by0 - 2), (bx1 + 2, by0 - 2), (bx1 + 2, by1 + 3), (bx0 - 2, by1 + 3)]))
        glass = emask(box) if arch else pmask([(bx0, by0), (bx1, by0), (bx1, by1), (bx0, by1)])
        put(light, glass)
        d_w.polygon(S([(bx0, by0), (bx1, by0), (bx1, by1), (bx0, by1)]), fill=255)
        bars = Image.new("L", big, 0)
        bd2 = ImageDraw.Draw(bars)
        for i in range(1, panes[0]):
            x = bx0 + (bx1 - bx0) * i / panes[0]
            bd2.line(S([(x, by0), (x, by1)]), fill=255, width=int(1.2 * K))
        for i in range(1, panes[1]):
            y = by0 + (by1 - by0) * i / panes[1]
            bd2.line(S([(bx0, y), (bx1, y)]), fill=255, width=int(1.2 * K))
        put(70, ImageChops.multiply(bars, glass))
        put(150, pmask([(bx0 - 3, by1 + 2), (bx1 + 3, by1 + 2), (bx1 + 3, by1 + 4.5), (bx0 - 3, by1 + 4.5)]))

    for bx in (252, 302, 372, 414):
        window((bx, 136, bx + 22, 170), (2, 2), 246 if bx != 414 else 226)
    window((gx - 8, 84, gx + 8, 100), (2, 2), 248, arch=True)
    for bx in (254, 404):
        window((bx, 202, bx + 28, 240), (2, 3), 248)
    # the inn sign beside the door: a board on a bracket
    put(46, pmask([(300, 193), (322, 193), (322, 195), (300, 195)]))
    put(66, pmask([(298, 198), (322, 198), (322, 218), (298, 218)]))
    lm = P.text_mask(big, (310 * K, 208 * K), "INN", P.SERIF_BOLD, 8 * K, anchor="mm")
    put(214, lm)
    # the door, arched, with a glowing fanlight, and the lantern over it
    door = Image.new("L", big, 0)
    dd = ImageDraw.Draw(door)
    dd.rectangle(B((gx - 13, 222, gx + 13, base)), fill=255)
    dd.pieslice(B((gx - 13, 209, gx + 13, 235)), 180, 360, fill=255)
    put(40, door.filter(ImageFilter.MaxFilter(2 * K + 1)))
    put(74, door)
    fan = Image.new("L", big, 0)
    ImageDraw.Draw(fan).pieslice(B((gx - 10, 212, gx + 10, 232)), 180, 360, fill=255)
    put(236, fan)
    d_w.pieslice(B((gx - 10, 212, gx + 10, 232)), 180, 360, fill=255)
    put(140, emask((gx + 7, 240, gx + 10, 243)))
    # lantern on its bracket
    put(44, pmask([(gx - 1, 194), (gx + 1, 194), (gx + 1, 198), (gx - 1, 198)]))
    put(44, pmask([(gx - 6, 198), (gx + 6, 198), (gx + 4, 194), (gx - 4, 194)]))
    put(255, pmask([(gx - 4.5, 198), (gx + 4.5, 198), (gx + 4, 207), (gx - 4, 207)]))
    put(44, pmask([(gx - 5.5, 207), (gx + 5.5, 207), (gx + 4, 209.5), (gx - 4, 209.5)]))
    lamp = P.curve(P.radial_field(w, h, gx * K, 203 * K, 40 * K), lambda t: (1 - t) ** 2.2)
    put(255, P.opacity(lamp, 0.55))
    warm.paste(255, (0, 0), lamp)
    d_w.rectangle(B((gx - 5, 197, gx + 5, 208)), fill=255)
    # lamplight from the windows and the door falling on the path
    spill = P.blur(pmask([(gx - 12, base), (gx + 12, base), (gx + 22, 286), (gx - 18, 286)]), 6 * K)
    put(214, P.opacity(spill, 0.5))
    # flower boxes and tubs
    rng = random.Random(2217)
    for bx in (254, 404):
        put(64, pmask([(bx - 2, 243), (bx + 30, 243), (bx + 30, 248), (bx - 2, 248)]))
        for _ in range(14):
            fx, fy = bx + rng.uniform(0, 28), 243 + rng.uniform(-3, 1)
            r = rng.uniform(0.8, 1.6)
            put(rng.choice((226, 110)), emask((fx - r, fy - r, fx + r, fy + r)))
    # the grass meets the wall with a soft shadow
    put(50, P.opacity(P.blur(pmask([(x0, base - 2), (x1, base - 2), (x1 + 4, base + 4), (x0 - 4, base + 4)]), 2 * K),
                      0.7))
    # --- grandmother, young, waving, her hat in her other hand
    fig = Image.new("L", big, 0)
    cx = 150

    def smask(seq):
        """Smooth closed shape through the points."""
        n = len(seq)
        out = []
        for i in range(n):
            p0, p1, p2, p3 = seq[i - 1], seq[i], seq[(i + 1) % n], seq[(i + 2) % n]
            for s in range(8):
                t = s / 8
                out.append(tuple(0.5 * ((2 * b) + (-a + c_) * t + (2 * a - 5 * b + 4 * c_ - d) * t * t +
                                        (-a + 3 * b - 3 * c_ + d) * t ** 3) for a, b, c_, d in zip(p0, p1, p2, p3)))
        return pmask(out)

    def limb(seq):
        """A tapering stroke through (x, y, width) points."""
        m = Image.new("L", big, 0)
        md = ImageDraw.Draw(m)
        for x, y, wd in P.catmull(seq, 10):
            r = wd / 2
            md.ellipse(B((x - r, y - r, x + r, y + r)), fill=255)
        return m

    def shape_in(value, mask):
        """Paint one shape of her figure and remember it in the figure's mask."""
        put(value, mask)
        fig.paste(255, (0, 0), mask)

    # her shadow on the grass, long towards the right (the sun is low on the left)
    sh = Image.new("L", big, 0)
    ImageDraw.Draw(sh).polygon(S([(cx - 8, 320), (cx + 10, 320), (cx + 96, 306), (cx + 80, 300)]), fill=255)
    put(56, P.opacity(P.blur(sh, 3 * K), 0.55))
    # hair falling to the shoulders behind the face
    shape_in(46, smask([(cx - 12, 152), (cx, 147.5), (cx + 12, 151.5), (cx + 15.5, 163), (cx + 14, 176), (cx + 17, 186),
                    (cx + 11, 191), (cx + 7, 184), (cx - 7, 184), (cx - 12, 191), (cx - 18, 187), (cx - 14.5, 176),
                    (cx - 15.5, 162)]))
    # legs and shoes
    shape_in(170, smask([(cx - 8.5, 282), (cx - 3, 282), (cx - 4, 300), (cx - 4.6, 313), (cx - 7.2, 313),
                     (cx - 8, 300)]))
    shape_in(158, smask([(cx + 3, 282), (cx + 8.5, 282), (cx + 8, 300), (cx + 7.2, 313), (cx + 4.6, 313),
                     (cx + 4, 300)]))
    shape_in(40, smask([(cx - 11, 317), (cx - 9, 312.5), (cx - 4, 312), (cx - 2.5, 316), (cx - 4, 319.5),
                    (cx - 10, 319.5)]))
    shape_in(40, smask([(cx + 2.5, 316), (cx + 4, 312), (cx + 9, 312.5), (cx + 11.5, 317), (cx + 10, 319.5),
                    (cx + 4, 319.5)]))
    # the skirt, full and swinging a little in the wind
    skirt = smask([(cx - 10, 219), (cx + 10, 219), (cx + 17, 240), (cx + 26, 264), (cx + 32, 282), (cx + 22, 287),
                   (cx + 10, 284.5), (cx, 288), (cx - 10, 285), (cx - 20, 288), (cx - 27, 283), (cx - 22, 262),
                   (cx - 16, 240)])
    shape_in(216, skirt)
    # the bodice, a V neckline and puffed sleeves
    bodice = smask([(cx - 13, 188), (cx - 6, 185), (cx + 6, 185), (cx + 13, 188), (cx + 12, 202), (cx + 10, 220),
                    (cx - 10, 220), (cx - 12, 202)])
    shape_in(210, bodice)
    put(186, pmask([(cx - 5.5, 185), (cx + 5.5, 185), (cx, 194)]))
    shape_in(200, smask([(cx - 19, 190), (cx - 14, 184), (cx - 8, 186), (cx - 8, 196), (cx - 16, 199)]))
    shape_in(200, smask([(cx + 8, 186), (cx + 14, 184), (cx + 19, 190), (cx + 16, 199), (cx + 8, 196)]))
    # arms: the left down at her side, the right waving
    shape_in(180, limb([(cx - 15, 196, 5.6), (cx - 18, 213, 5.0), (cx - 20, 230, 4.2)]))
    shape_in(182, limb([(cx + 15, 195, 5.6), (cx + 24, 202, 5.0), (cx + 30, 205, 4.8), (cx + 33, 192, 4.4),
                    (cx + 35, 178, 4.0)]))
    shape_in(188, smask([(cx + 31.8, 177), (cx + 31.8, 171), (cx + 33.2, 167.6), (cx + 35.6, 166.6), (cx + 38, 167.6),
                     (cx + 39.4, 171), (cx + 38.6, 176), (cx + 35.2, 178.6)]))
    shape_in(188, limb([(cx + 32.4, 174.5, 2.2), (cx + 30.6, 172, 2.0), (cx + 29.8, 170.2, 1.8)]))
    # the straw hat held by its brim, then the hand over it
    shape_in(198, smask([(cx - 44, 238), (cx - 36, 231.5), (cx - 24, 230), (cx - 12, 233), (cx - 8, 239),
                     (cx - 16, 245), (cx - 30, 246.5), (cx - 41, 243.5)]))
    shape_in(186, smask([(cx - 34, 236), (cx - 32, 228), (cx - 25, 225), (cx - 18, 228), (cx - 16, 236),
                     (cx - 25, 238.5)]))
    put(76, smask([(cx - 34, 233), (cx - 16, 233), (cx - 16, 236.5), (cx - 25, 238), (cx - 34, 236.5)]))
    put(150, P.opacity(ImageChops.subtract(smask([(cx - 44, 238), (cx - 36, 231.5), (cx - 24, 230), (cx - 12, 233),
                                                  (cx - 8, 239), (cx - 16, 245), (cx - 30, 246.5),
                                                  (cx - 41, 243.5)]),
                                           P.shift(smask([(cx - 44, 238), (cx - 36, 231.5), (cx - 24, 230),
                                                          (cx - 12, 233), (cx - 8, 239), (cx - 16, 245),
                                                          (cx - 30, 246.5), (cx - 41, 243.5)]), 0, -2 * K)), 0.8))
    shape_in(184, smask([(cx - 24, 229), (cx - 19, 228), (cx - 16.5, 233), (cx - 18, 238), (cx - 23, 238)]))
    # the neck and face, her fringe swept to one side
    shape_in(178, smask([(cx - 3.5, 175), (cx + 3.5, 175), (cx + 3.8, 187), (cx - 3.8, 187)]))
    face = smask([(cx - 8, 161), (cx, 156.5), (cx + 8, 160.5), (cx + 8.6, 168.5), (cx + 6, 177.5), (cx, 181.5),
                  (cx - 6, 177.5), (cx - 8.6, 168.5)])
    shape_in(200, face)
    put(46, smask([(cx - 10, 160), (cx - 4, 152.5), (cx + 6, 152.5), (cx + 11, 159), (cx + 9.5, 165), (cx + 5, 160),
                   (cx - 2, 161.5), (cx - 8.5, 167)]))
    # the belt with its buckle, polka dots, folds
    put(66, pmask([(cx - 10.8, 215), (cx + 10.8, 215), (cx + 10.5, 221), (cx - 10.5, 221)]))
    put(200, smask([(cx - 2.5, 215.5), (cx + 2.5, 215.5), (cx + 2.5, 220.5), (cx - 2.5, 220.5)]))
    put(66, smask([(cx - 1.2, 217), (cx + 1.2, 217), (cx + 1.2, 219), (cx - 1.2, 219)]))
    dots = Image.new("L", big, 0)
    dtd = ImageDraw.Draw(dots)
    rng = random.Random(2219)
    for j, y in enumerate(range(186, 290, 5)):
        for x in range(cx - 34 + (j % 2) * 3, cx + 36, 6):
            xx, yy = x + rng.uniform(-0.5, 0.5), y + rng.uniform(-0.5, 0.5)
            dtd.ellipse(B((xx - 0.9, yy - 0.9, xx + 0.9, yy + 0.9)), fill=255)
    put(150, ImageChops.multiply(dots, ImageChops.lighter(skirt, bodice)))
    folds = Image.new("L", big, 0)
    fod = ImageDraw.Draw(folds)
    for fx0, fx1 in ((cx - 6, cx - 16), (cx + 1, cx + 2), (cx + 7, cx + 19), (cx - 12, cx - 24)):
        fod.line(S([(fx0, 226), (fx1, 286)]), fill=255, width=int(2.2 * K))
    put(140, P.opacity(ImageChops.multiply(P.blur(folds, 1.5 * K), skirt), 0.75))
    put(150, P.opacity(ImageChops.multiply(P.blur(pmask([(cx - 30, 279), (cx + 34, 279), (cx + 34, 290),
                                                          (cx - 30, 290)]), 2 * K), skirt), 0.5))
    # face: eyes, brows, nose, a smile, the shade under the chin; the locket on its chain
    put(56, emask((cx - 5.3, 166.4, cx - 2.9, 168.6)))
    put(56, emask((cx + 1.9, 166.4, cx + 4.3, 168.6)))
    d_l.line(S([(cx - 6.2, 164.6), (cx - 2.6, 163.8)]), fill=80, width=K)
    d_l.line(S([(cx + 1.6, 163.8), (cx + 5.2, 164.6)]), fill=80, width=K)
    d_l.line(S([(cx + 0.8, 168.5), (cx + 1.6, 172.5), (cx + 0.4, 173)]), fill=150, width=K)
    d_l.arc(B((cx - 3.6, 172.4, cx + 3.8, 177.4)), 15, 165, fill=96, width=K)
    put(160, P.opacity(P.blur(emask((cx - 6, 179, cx + 6, 188)), K), 0.6))
    d_l.arc(B((cx - 5, 180, cx + 5, 197)), 30, 150, fill=150, width=max(1, int(0.5 * K)))
    put(246, emask((cx - 1.9, 193.5, cx + 1.9, 197.5)))
    warm.paste(255, (0, 0), emask((cx - 2, 193.5, cx + 2, 197.5)))
    # the low sun lights her left side; the right falls into shade
    side = hgrad(w, h, [(0.0, (255, 255, 255)), ((cx - 16) / iw, (255, 255, 255)),
                              ((cx + 14) / iw, (0, 0, 0)), (1.0, (0, 0, 0))]).convert("L")
    dark = ImageChops.multiply(fig, P.invert(side))
    lum.paste(Image.composite(ImageChops.multiply(lum, Image.new("L", big, 170)), lum, P.opacity(dark, 0.75)))
    rim = ImageChops.subtract(fig, P.shift(P.blur(fig, 0.5 * K), 2 * K, 0))
    put(250, P.opacity(rim, 0.35))
    warm.paste(255, (0, 0), P.opacity(rim, 0.5))

    # --- down to size, toned, aged
    lum = lum.resize((iw, ih), Image.Resampling.LANCZOS)
    warm = P.blur(warm.resize((iw, ih), Image.Resampling.LANCZOS), 1.0)
    lum = P.curve(lum, lambda t: 0.07 + 0.9 * t)           # faded blacks, a touch of softness
    lum = Image.blend(lum, P.blur(lum, 0.6), 0.35)
    pic = P.gradient_map(lum, sepia_ramp()).convert("RGBA")
    P.add_light(pic, (70, 34, 0), warm, 0.8)
    P.soft_light(pic, P.blur(P.grain(iw, ih, 2221, 16), 0.5))
    P.soft_light(pic, P.fbm(iw, ih, 2223, ((80, 0.6), (20, 0.4))).point(lambda i: 112 + i // 8))
    P.vignette(pic, 0.45, 0.35, colour=(70, 40, 20))
    rng = random.Random(2225)
    spots = Image.new("L", (iw, ih), 0)
    sdr = ImageDraw.Draw(spots)
    for _ in range(16):
        x, y, r = rng.uniform(0, iw), rng.uniform(0, ih), rng.uniform(0.8, 2.6)
        sdr.ellipse((x - r, y - r, x + r, y + r), fill=rng.randint(120, 220))
    P.fill(pic, (120, 78, 40), P.blur(spots, 0.8))
    pale = Image.new("L", (iw, ih), 0)
    pdr = ImageDraw.Draw(pale)
    for _ in range(9):
        x, y, r = rng.uniform(0, iw), rng.uniform(0, ih), rng.uniform(0.6, 1.8)
        pdr.ellipse((x - r, y - r, x + r, y + r), fill=rng.randint(120, 200))
    for _ in range(3):
        x, y = rng.uniform(0, iw), rng.uniform(0, ih)
        a = rng.uniform(-0.5, 0.5)
        ln = rng.uniform(30, 80)
        pdr.line([(x, y), (x + math.cos(a) * ln, y + math.sin(a) * ln)], fill=90, width=1)
    P.fill(pic, (250, 238, 212), P.blur(pale, 0.5))
    # the print on its paper, a white border gone ivory with age
    photo = Image.new("RGBA", (PHOTO_W, PHOTO_H), (0, 0, 0, 255))
    paper = P.parchment(PHOTO_W, PHOTO_H, 2227, light=(246, 240, 224), dark=(226, 214, 188),
                        burn=(170, 140, 100), edge=6)
    photo.paste(paper, (0, 0))
    photo.paste(pic, (PHOTO_BORDER, PHOTO_BORDER))
    b = PHOTO_BORDER
    edge = ImageChops.subtract(P.rect_mask((PHOTO_W, PHOTO_H), (b, b, PHOTO_W - b, PHOTO_H - b)),
                               P.rect_mask((PHOTO_W, PHOTO_H), (b + 1, b + 1, PHOTO_W - b - 1, PHOTO_H - b - 1)))
    P.fill(photo, (60, 40, 24, 110), edge)
    # a crease across the top right corner
    crease = P.mask_from((PHOTO_W, PHOTO_H), lambda d, s: d.line([(396 * s, 0), (PHOTO_W * s, 66 * s)],
                                                                 fill=255, width=s))
    P.fill(photo, (255, 250, 236, 110), crease)
    P.fill(photo, (60, 40, 20, 60), P.shift(crease, 1, 1))
    _photo.append(photo.convert("RGB"))
    return _photo[0]


# ================================================================ the jigsaw cut

def tab_curve(rng):
    """One edge's profile in cell units: (t, n) with t 0..1 along the edge and n the
    height of the tab (towards the neighbour), smooth and at most TAB_REACH high."""
    c = 0.5 + rng.uniform(-0.05, 0.05)
    s = rng.uniform(0.94, 1.04)
    neck, head = 0.062 * s, 0.118 * s
    lean = rng.uniform(-0.012, 0.012)
    key = [(0.0, 0.0), (0.16, rng.uniform(-0.012, 0.012)), (c - 0.17, rng.uniform(-0.02, 0.0)),
           (c - neck - 0.015, 0.012), (c - neck, 0.05), (c - head + lean, 0.098), (c - head * 0.82 + lean, 0.15),
           (c - head * 0.38 + lean, 0.178), (c + lean, 0.184), (c + head * 0.38 + lean, 0.178),
           (c + head * 0.82 + lean, 0.15), (c + head + lean, 0.098), (c + neck, 0.05), (c + neck + 0.015, 0.012),
           (c + 0.17, rng.uniform(-0.02, 0.0)), (0.84, rng.uniform(-0.012, 0.012)), (1.0, 0.0)]
    pts = P.catmull(key, 14)
    top = max(n for _, n in pts)
    f = min(1.0, TAB_REACH / CELL / top)
    return [(t, n * f) for t, n in pts]


_cut = []


def cut():
    """The shared edges of the cut, in photo pixels:
    horiz[r][c] runs left to right along y = 120 r under cell (c, r - 1), r = 1..ROWS-1;
    vert[c][r] runs top to bottom along x = 120 c right of cell (c - 1, r), c = 1..COLS-1."""
    if _cut:
        return _cut[0]
    rng = random.Random(2231)
    horiz = {}
    vert = {}
    for r in range(1, ROWS):
        for c in range(COLS):
            sign = rng.choice((-1, 1))
            horiz[(r, c)] = [(CELL * (c + t), CELL * (r + sign * n)) for t, n in tab_curve(rng)]
    for c in range(1, COLS):
        for r in range(ROWS):
            sign = rng.choice((-1, 1))
            vert[(c, r)] = [(CELL * (c + sign * n), CELL * (r + t)) for t, n in tab_curve(rng)]
    _cut.append((horiz, vert))
    return _cut[0]


def piece_outline(n):
    """Closed outline of piece n in photo pixels, clockwise from its top-left corner."""
    horiz, vert = cut()
    c, r = n % COLS, n // COLS
    x0, y0, x1, y1 = CELL * c, CELL * r, CELL * (c + 1), CELL * (r + 1)
    top = horiz[(r, c)] if r > 0 else [(x0, y0), (x1, y0)]
    right = vert[(c + 1, r)] if c < COLS - 1 else [(x1, y0), (x1, y1)]
    bottom = list(reversed(horiz[(r + 1, c)])) if r < ROWS - 1 else [(x1, y1), (x0, y1)]
    left = list(reversed(vert[(c, r)])) if c > 0 else [(x0, y1), (x0, y0)]
    return top + right[1:] + bottom[1:] + left[1:-1]


def piece_masks(n):
    """(shape, cover) masks of piece n, PIECE x PIECE: shape is the piece's own area,
    anti-aliased; cover is that area grown by just under a pixel (and clipped to the
    photograph), so that on every boundary pixel the piece lying on top is fully
    opaque and neighbours leave no seam showing the table through."""
    c, r = n % COLS, n // COLS
    ox, oy = CELL * c - MARGIN, CELL * r - MARGIN
    s = CUT_SS
    big = Image.new("L", (PIECE * s, PIECE * s), 0)
    ImageDraw.Draw(big).polygon([((x - ox) * s, (y - oy) * s) for x, y in piece_outline(n)], fill=255)
    grown = big.filter(ImageFilter.MaxFilter(2 * s - 1))
    shape = big.resize((PIECE, PIECE), Image.Resampling.BOX)
    cover = grown.resize((PIECE, PIECE), Image.Resampling.BOX)
    inside = P.rect_mask((PIECE, PIECE), (-ox, -oy, -ox + PHOTO_W, -oy + PHOTO_H))
    return ImageChops.multiply(shape, inside), ImageChops.multiply(cover, inside)


def piece_picture(n, finish=True):
    """Piece n (RGBA, PIECE x PIECE): the photograph cut to shape; with finish, the cut
    edge gets a fine dark line, a bevel and a soft highlight, like a cardboard piece."""
    c, r = n % COLS, n // COLS
    ox, oy = CELL * c - MARGIN, CELL * r - MARGIN
    img = Image.new("RGBA", (PIECE, PIECE), (0, 0, 0, 0))
    img.paste(photograph(), (-ox, -oy))
    shape, cover = piece_masks(n)
    if finish:
        # the cut edge: fluffed, slightly darker cardboard, then a raised rim
        inner = shape.filter(ImageFilter.MinFilter(3))
        rim = ImageChops.subtract(shape, inner)
        P.bevel(img, shape, 3, 0.42, 0.36, hl=(255, 246, 222), sh=(40, 22, 10))
        P.fill(img, (48, 30, 18, 100), rim)
        sheen = P.curve(P.radial_field(PIECE, PIECE, MARGIN + 30, MARGIN + 26, 110, 100),
                        lambda t: (1 - t) ** 2)
        P.fill(img, (255, 244, 220, 34), ImageChops.multiply(sheen, shape))
        # the paper's surface: a faint cardboard tooth
        tooth = P.grain(PIECE, PIECE, 2233 + n, 6)
        base = img.copy()
        P.soft_light(base, tooth)
        img = Image.composite(base, img, shape)
    img.putalpha(cover)
    return img


# ================================================================ screen 22: the photo album

def honey_table(seed):
    """A honey-coloured oak table top in broad planks, light from the top left (RGBA)."""
    stops = [(0.0, (112, 66, 30)), (0.45, (146, 92, 46)), (0.8, (172, 118, 62)), (1.0, (192, 140, 80))]
    c = P.blur(P.wood(W, H, seed, stops, lines=H / 30, wobble=3.5), 0.8).convert("RGBA")
    seams = Image.new("L", SIZE, 0)
    sd = ImageDraw.Draw(seams)
    rng = random.Random(seed)
    for y in range(-40, H, 170):
        sd.rectangle((0, y, W, y + 1), fill=255)
        x = rng.randint(200, 820)
        sd.rectangle((x, y, x + 1, y + 170), fill=200)
    P.fill(c, (44, 24, 10, 190), seams)
    P.fill(c, (255, 220, 160, 50), P.shift(seams, 0, 2))
    P.glow_at(c, 140, 40, 900, (70, 46, 16), 0.8, 1.4, 700)
    return c


def photo_corner(c, x, y, dx, dy):
    """A black paper photo corner at (x, y), its right angle pointing (dx, dy)."""
    a = 26
    pts = [(x + dx * 4, y + dy * 4), (x - dx * (a - 4), y + dy * 4), (x + dx * 4, y - dy * (a - 4))]
    m = P.poly_mask(SIZE, pts)
    P.cast_shadow(c, m, (2, 2), 2, 0.5)
    P.fill(c, P.vgradient(W, H, [(0.0, (44, 36, 32)), (1.0, (20, 16, 14))]), m)
    P.bevel(c, m, 1, 0.35, 0.4)


def album_page_texture(w, h, seed, stops):
    m = P.fbm(w, h, seed, ((90, 0.6), (24, 0.4)))
    img = P.gradient_map(P.curve(m, lambda t: 0.3 + 0.5 * t), stops).convert("RGBA")
    fib = P.fbm(w, h, seed + 1, ((10, 0.6), (4, 0.4)), stretch=4.0)
    P.soft_light(img, fib.point(lambda i: 124 + i // 32))
    return img


PAGE_STOPS = [(0.0, (10, 30, 34)), (0.5, (22, 56, 60)), (1.0, (40, 80, 82))]
ALBUM_PAGE = (222, 98, 812, 620)


def album_scene():
    """The table, the open album, the photo's empty place; the place itself stays calm."""
    c = honey_table(2241)
    px0, py0, px1, py1 = ALBUM_PAGE
    # the album: a burgundy leather cover under two dark teal pages, the left page
    # running off the screen
    cover = P.rrect_mask(SIZE, (-60, py0 - 14, px1 + 14, py1 + 16), 10)
    P.cast_shadow(c, cover, (8, 12), 14, 0.65)
    leather = P.gradient_map(P.fbm(W, H, 2243, ((40, 0.4), (8, 0.3), (2, 0.3))),
                             [(0.0, (60, 12, 22)), (0.6, (104, 26, 40)), (1.0, (132, 42, 54))])
    P.fill(c, leather, cover)
    P.bevel(c, cover, 4, 0.35, 0.55)
    tool = ImageChops.subtract(P.rrect_mask(SIZE, (-50, py0 - 8, px1 + 8, py1 + 10), 7),
                               P.rrect_mask(SIZE, (-49, py0 - 7, px1 + 7, py1 + 9), 6))
    P.fill(c, (214, 172, 84, 150), tool)
    # page stack edges under the right page
    for i in range(4, 0, -1):
        edge = P.rrect_mask(SIZE, (px0, py0 + i, px1 + i * 1.2, py1 + i * 1.4), 3)
        P.fill(c, P.shade((34, 70, 72), 0.75 + 0.05 * i), edge)
    page_r = P.rrect_mask(SIZE, ALBUM_PAGE, 3)
    page_l = P.rrect_mask(SIZE, (-40, py0, px0 - 6, py1), 3)
    tex = album_page_texture(W, H, 2245, PAGE_STOPS)
    for pm in (page_l, page_r):
        P.fill(c, tex, pm)
    # the gutter: both pages curve down into the spine
    gutter = hgrad(W, H, [(0.0, (0, 0, 0)), ((px0 - 60) / W, (0, 0, 0)), ((px0 - 6) / W, (255, 255, 255)),
                                (px0 / W, (0, 0, 0)), ((px0 + 5) / W, (255, 255, 255)), ((px0 + 46) / W, (0, 0, 0)),
                                (1.0, (0, 0, 0))]).convert("L")
    P.multiply(c, (10, 6, 4), ImageChops.multiply(gutter, ImageChops.lighter(page_l, page_r)), 0.75)
    P.fill(c, (10, 20, 20), P.rect_mask(SIZE, (px0 - 6, py0, px0, py1)))
    # the left page: a smaller snapshot, mostly off the screen, and a line of writing
    snap = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    sm = P.poly_mask(SIZE, [(-30, 160), (150, 150), (158, 290), (-22, 300)])
    P.cast_shadow(snap, sm, (3, 4), 4, 0.6)
    old = P.gradient_map(P.fbm(W, H, 2247, ((40, 0.5), (10, 0.5)), stretch=2.0),
                         [(0.0, (96, 72, 48)), (0.5, (168, 136, 96)), (1.0, (214, 190, 150))])
    P.fill(snap, (238, 228, 206), sm)
    inner_pic = P.poly_mask(SIZE, [(-20, 168), (141, 159), (148, 280), (-14, 290)])
    P.fill(snap, old, inner_pic)
    # a boat on the water in the small snapshot
    hull = P.poly_mask(SIZE, [(40, 238), (108, 234), (98, 248), (50, 251)])
    P.fill(snap, (70, 50, 34), hull)
    P.fill(snap, (226, 206, 170), P.poly_mask(SIZE, [(74, 186), (74, 234), (100, 232)]))
    P.fill(snap, (200, 180, 150), P.poly_mask(SIZE, [(70, 194), (70, 235), (50, 236)]))
    P.fill(snap, (80, 60, 40), P.mask_from(SIZE, lambda d, s: d.line([(72 * s, 182 * s), (73 * s, 238 * s)],
                                                                     fill=255, width=int(1.5 * s))))
    P.fill(snap, (150, 120, 86, 160), P.poly_mask(SIZE, [(-20, 244), (144, 236), (148, 240), (-20, 249)]))
    c.alpha_composite(snap)
    for x, y, dx, dy in ((150, 150, 1, -1), (158, 290, 1, 1)):
        photo_corner(c, x, y, dx, dy)
    note = P.text_mask(SIZE, (14, 336), "1956", P.SERIF_ITALIC, 17, ss=2)
    P.fill(c, (226, 214, 180, 200), note)
    # the right page: the place for the photograph, a little darker, its edge
    # pressed into the paper and traced with a dashed pencil line
    x0, y0, x1, y1 = PHOTO_X, PHOTO_Y, PHOTO_X + PHOTO_W, PHOTO_Y + PHOTO_H
    place = P.rect_mask(SIZE, (x0, y0, x1, y1))
    P.multiply(c, (150, 170, 170), place, 0.5)
    P.inner_shadow(c, place, 3, (2, 2), 0.45)
    P.fill(c, (150, 200, 196, 70), ImageChops.subtract(P.shift(place, 1, 1), place))
    dash = Image.new("L", SIZE, 0)
    dd = ImageDraw.Draw(dash)
    inset = 7
    for xa in range(x0 + inset, x1 - inset, 12):
        for yy in (y0 + inset, y1 - inset - 1):
            dd.rectangle((xa, yy, min(xa + 6, x1 - inset - 1), yy + 1), fill=255)
    for ya in range(y0 + inset, y1 - inset, 12):
        for xx in (x0 + inset, x1 - inset - 1):
            dd.rectangle((xx, ya, xx + 1, min(ya + 6, y1 - inset - 1)), fill=255)
    P.fill(c, (190, 214, 206, 80), dash)
    # the caption in white ink under the place, and a pressed flower in the corner
    cap = P.text_mask(SIZE, (512, 572), "Lantern Inn, 1958", P.SERIF_ITALIC, 22, anchor="mm", ss=2)
    P.fill(c, (20, 30, 30, 120), P.blur(P.shift(cap, 1, 1), 0.8))
    P.fill(c, (238, 226, 196, 225), cap)
    for sgn in (-1, 1):
        fl = P.brush_mask(SIZE, P.catmull([(512 + sgn * 178, 574, 1.2), (512 + sgn * 196, 570, 1.6),
                                           (512 + sgn * 214, 576, 1.2), (512 + sgn * 226, 572, 0.6)], 8))
        P.fill(c, (238, 226, 196, 170), fl)
    pressed_flower(c, 781, 146)
    return c


def pressed_flower(c, x, y):
    """A small pressed sea pink lying on the page (in place)."""
    stem = P.brush_mask(SIZE, P.catmull([(x + 10, y + 92, 1.6), (x + 9, y + 56, 1.4), (x + 5, y + 24, 1.2),
                                         (x, y, 1.0)], 10))
    leaf = P.poly_mask(SIZE, P.catmull([(x + 9, y + 62), (x + 16, y + 50), (x + 22, y + 40), (x + 14, y + 44),
                                        (x + 8, y + 54)], 6))
    P.cast_shadow(c, ImageChops.lighter(stem, leaf), (2, 2), 2, 0.5)
    P.fill(c, (110, 120, 70), stem)
    P.fill(c, (100, 116, 64), leaf)
    head = Image.new("L", SIZE, 0)
    rng = random.Random(2249)
    for i in range(9):
        a = 2 * math.pi * i / 9 + rng.uniform(-0.2, 0.2)
        r = rng.uniform(5, 8)
        head = ImageChops.lighter(head, P.ellipse_mask(SIZE, (x + math.cos(a) * r - 5, y + math.sin(a) * r - 5,
                                                              x + math.cos(a) * r + 5, y + math.sin(a) * r + 5)))
    P.cast_shadow(c, head, (2, 2), 2, 0.5)
    P.fill(c, P.gradient_map(P.radial_field(W, H, x, y, 14), [(0.0, (250, 210, 210)), (1.0, (190, 110, 120))]), head)
    P.bevel(c, head, 2, 0.3, 0.35)
    P.fill(c, (230, 190, 110), P.ellipse_mask(SIZE, (x - 2.5, y - 2.5, x + 2.5, y + 2.5)))


def table_props(c):
    """A cup of tea and a magnifying glass on the table, along its top edge."""
    # the tea cup, seen from above, top right
    cx, cy = 918, 70
    saucer = P.ellipse_mask(SIZE, (cx - 70, cy - 62, cx + 70, cy + 62))
    P.cast_shadow(c, saucer, (6, 8), 8, 0.55)
    P.fill(c, P.gradient_map(P.radial_field(W, H, cx - 20, cy - 20, 100), [(0.0, (252, 246, 232)),
                                                                          (1.0, (200, 186, 160))]), saucer)
    P.fill(c, (30, 86, 92, 200), P.ring_mask(SIZE, (cx - 62, cy - 55, cx + 62, cy + 55), 2.5))
    cup = P.ellipse_mask(SIZE, (cx - 44, cy - 40, cx + 44, cy + 40))
    handle = P.ring_mask(SIZE, (cx - 86, cy - 14, cx - 56, cy + 16), 6)
    P.cast_shadow(c, ImageChops.lighter(cup, handle), (5, 6), 5, 0.5)
    P.fill(c, (236, 226, 206), handle)
    P.bevel(c, handle, 2, 0.5, 0.4)
    P.fill(c, P.gradient_map(P.radial_field(W, H, cx - 14, cy - 14, 70), [(0.0, (255, 250, 240)),
                                                                         (1.0, (210, 196, 170))]), cup)
    P.fill(c, (30, 86, 92, 220), P.ring_mask(SIZE, (cx - 40, cy - 36, cx + 40, cy + 36), 3))
    tea = P.ellipse_mask(SIZE, (cx - 34, cy - 30, cx + 34, cy + 30))
    P.fill(c, P.gradient_map(P.radial_field(W, H, cx + 10, cy + 8, 50), [(0.0, (150, 84, 30)),
                                                                        (1.0, (82, 40, 14))]), tea)
    P.inner_shadow(c, tea, 4, (-2, -3), 0.5)
    P.fill(c, (255, 240, 210, 120), P.blur(P.ellipse_mask(SIZE, (cx - 20, cy - 18, cx - 4, cy - 10)), 2))
    # the magnifying glass, top left
    gx, gy, gr = 70, 42, 40
    ux, uy = math.cos(math.radians(-6)), math.sin(math.radians(-6))

    def along(t, wd):
        return gx + ux * t, gy + uy * t, wd

    handle = P.brush_mask(SIZE, [along(gr + 20, 11), along(gr + 36, 13), along(gr + 64, 12), along(gr + 88, 11),
                                 along(gr + 96, 8)])
    ferrule = P.brush_mask(SIZE, [along(gr - 2, 9), along(gr + 10, 9), along(gr + 20, 12)])
    ring = P.ring_mask(SIZE, (gx - gr, gy - gr, gx + gr, gy + gr), 7)
    lens = P.ellipse_mask(SIZE, (gx - gr + 6, gy - gr + 6, gx + gr - 6, gy + gr - 6))
    P.cast_shadow(c, ImageChops.lighter(ImageChops.lighter(ring, ImageChops.lighter(handle, ferrule)), lens),
                  (8, 10), 8, 0.5)
    P.fill(c, P.wood(W, H, 2251, [(0.0, (46, 16, 12)), (0.6, (96, 34, 28)), (1.0, (132, 58, 44))], lines=110),
           handle)
    P.bevel(c, handle, 3, 0.5, 0.5)
    P.fill(c, P.metal(W, H, seed=2255), ferrule)
    P.bevel(c, ferrule, 2, 0.6, 0.5)
    base = c.copy()
    zoom = base.crop((gx - gr, gy - gr, gx + gr, gy + gr)).resize((int(gr * 2.5), int(gr * 2.5)),
                                                                   Image.Resampling.BICUBIC)
    zl = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    zl.paste(zoom, (int(gx - gr * 1.25), int(gy - gr * 1.25)))
    P.fill(c, zl, lens)
    P.fill(c, (200, 230, 230, 40), lens)
    P.fill(c, (255, 255, 255, 110), P.blur(P.poly_mask(SIZE, [(gx - 26, gy - 14), (gx - 14, gy - 28),
                                                              (gx - 7, gy - 25), (gx - 21, gy - 10)]), 2))
    P.fill(c, P.metal(W, H, seed=2253), ring)
    P.bevel(c, ring, 2, 0.6, 0.5)


def album_background():
    c = album_scene()
    table_props(c)
    P.vignette(c, 0.5, 0.45)
    return c


_album = []


def album_bg_cached():
    if not _album:
        _album.append(album_background())
    return _album[0].copy()


@asset(JIGSAW_DIR + "/Bg.png")
def jigsaw_bg():
    return album_bg_cached()


@asset(JIGSAW_DIR + "/BgFinished.png")
def jigsaw_finished():
    c = album_bg_cached()
    x0, y0 = PHOTO_X, PHOTO_Y
    place = P.rect_mask(SIZE, (x0, y0, x0 + PHOTO_W, y0 + PHOTO_H))
    P.glow_at(c, 512, 350, 420, (110, 70, 20), 0.55, 2.0, 300)
    P.cast_shadow(c, place, (4, 6), 7, 0.6)
    photo = photograph().convert("RGBA")
    # the mended photograph: the cuts only just show
    lines = Image.new("L", (PHOTO_W, PHOTO_H), 0)
    for n in range(COLS * ROWS):
        shape, _ = piece_masks(n)
        rim = ImageChops.subtract(shape, shape.filter(ImageFilter.MinFilter(3)))
        c_, r_ = n % COLS, n // COLS
        lines.paste(ImageChops.lighter(lines.crop((CELL * c_ - MARGIN, CELL * r_ - MARGIN,
                                                   CELL * c_ - MARGIN + PIECE, CELL * r_ - MARGIN + PIECE)), rim),
                    (CELL * c_ - MARGIN, CELL * r_ - MARGIN))
    outer = ImageChops.subtract(P.rect_mask((PHOTO_W, PHOTO_H), (0, 0, PHOTO_W, PHOTO_H)),
                                P.rect_mask((PHOTO_W, PHOTO_H), (1, 1, PHOTO_W - 1, PHOTO_H - 1)))
    lines = ImageChops.subtract(lines, outer)
    P.fill(photo, (60, 40, 24, 36), lines)
    sheen = P.curve(P.radial_field(PHOTO_W, PHOTO_H, 120, 80, 420, 320), lambda t: (1 - t) ** 2)
    P.fill(photo, (255, 246, 220, 30), sheen)
    c.paste(photo, (x0, y0))
    # the album's photo corners hold it again
    for x, y, dx, dy in ((x0, y0, -1, -1), (x0 + PHOTO_W, y0, 1, -1), (x0, y0 + PHOTO_H, -1, 1),
                         (x0 + PHOTO_W, y0 + PHOTO_H, 1, 1)):
        photo_corner(c, x, y, dx, dy)
    return c


for _n in range(COLS * ROWS):
    asset(JIGSAW_DIR + "/Piece%d.png" % _n)(lambda _n=_n: piece_picture(_n))


# ================================================================ screen 32: the motto card

DESK_STOPS = [(0.0, (40, 16, 10)), (0.5, (70, 28, 18)), (0.85, (96, 42, 26)), (1.0, (112, 54, 32))]


def writing_desk(seed):
    """A dark mahogany desk with a deep teal leather writing surface (RGBA)."""
    c = P.blur(P.wood(W, H, seed, DESK_STOPS, lines=H / 18), 0.8).convert("RGBA")
    leather_box = (70, 118, 954, 664)
    lm = P.rrect_mask(SIZE, leather_box, 6)
    P.inner_shadow(c, P.rrect_mask(SIZE, (leather_box[0] - 6, leather_box[1] - 6, leather_box[2] + 6,
                                          leather_box[3] + 6), 8), 3, (2, 2), 0.6)
    tex = P.fbm(W, H, seed + 1, ((50, 0.4), (12, 0.35), (4, 0.25)))
    leather = P.gradient_map(tex, [(0.0, (12, 42, 46)), (0.55, (20, 60, 64)), (1.0, (32, 78, 80))])
    P.fill(c, leather, lm)
    P.inner_shadow(c, lm, 5, (2, 3), 0.55)
    x0, y0, x1, y1 = leather_box
    tool = ImageChops.subtract(P.rrect_mask(SIZE, (x0 + 12, y0 + 12, x1 - 12, y1 - 12), 4),
                               P.rrect_mask(SIZE, (x0 + 14, y0 + 14, x1 - 14, y1 - 14), 3))
    tool2 = ImageChops.subtract(P.rrect_mask(SIZE, (x0 + 19, y0 + 19, x1 - 19, y1 - 19), 3),
                                P.rrect_mask(SIZE, (x0 + 20, y0 + 20, x1 - 20, y1 - 20), 2))
    P.fill(c, (206, 160, 72, 190), tool)
    P.fill(c, (206, 160, 72, 120), tool2)
    P.glow_at(c, 90, 90, 820, (80, 46, 14), 0.8, 1.5, 640)
    return c


def inkwell_and_quill(c):
    """A cut-glass inkwell in a brass collar at the top right, a quill lying beside it."""
    cx, cy = 962, 64
    # the quill along the top of the desk, its nib towards the inkwell
    ax, ay, bx, by = 904, 100, 600, 30
    ln = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / ln, (by - ay) / ln
    vx, vy = -uy, ux

    def at(t, off):
        return ax + ux * t * ln + vx * off, ay + uy * t * ln + vy * off

    ts = [0.24 + 0.76 * i / 24 for i in range(25)]
    prof = [math.sin(math.pi * min(1.0, (t - 0.24) / 0.77)) ** 0.42 * (1 - 0.3 * (t - 0.24)) for t in ts]
    side1 = [at(t, -21 * p) for t, p in zip(ts, prof)]
    side2 = [at(t, 14 * p) for t, p in zip(ts, prof)]
    feather = P.poly_mask(SIZE, side1 + list(reversed(side2)))
    shaft = P.brush_mask(SIZE, [at(0.02, 0) + (3.0,), at(0.3, 0) + (2.8,), at(0.7, 0) + (1.8,), at(1.0, 0) + (0.8,)])
    desk = c.copy()
    P.cast_shadow(c, ImageChops.lighter(feather, shaft), (5, 7), 4, 0.5)
    P.fill(c, P.gradient_map(P.radial_field(W, H, 700, 40, 220, 70), [(0.0, (252, 246, 230)),
                                                                     (1.0, (206, 190, 160))]), feather)
    barbs = Image.new("L", SIZE, 0)
    bd = ImageDraw.Draw(barbs)
    rng = random.Random(2305)
    for i in range(90):
        t = 0.26 + 0.72 * i / 89
        for sgn, reach in ((-1, 23), (1, 16)):
            x0, y0 = at(t, 0)
            x1, y1 = at(t + 0.045, sgn * reach)
            bd.line([(x0, y0), (x1, y1)], fill=rng.choice((140, 220, 255)), width=1)
    P.fill(c, (150, 126, 96, 110), ImageChops.multiply(barbs, feather))
    # a notch or two in the vane, as real feathers have
    for t, off in ((0.55, -18), (0.72, 12)):
        notch = P.poly_mask(SIZE, [at(t - 0.01, off * 1.3), at(t + 0.03, off * 0.35), at(t + 0.035, off * 1.3)])
        P.fill(c, desk, ImageChops.multiply(notch, feather))
    P.fill(c, (240, 228, 200), shaft)
    P.fill(c, (255, 255, 255, 120), P.brush_mask(SIZE, [at(0.05, -0.6) + (0.8,), at(0.6, -0.6) + (0.6,)]))
    nib = P.poly_mask(SIZE, [at(-0.035, 0), at(0.03, -2.6), at(0.03, 2.6)])
    P.fill(c, (40, 30, 30), nib)
    # the inkwell
    well = P.rrect_mask(SIZE, (cx - 40, cy - 36, cx + 40, cy + 40), 14)
    P.cast_shadow(c, well, (8, 10), 8, 0.6)
    glass = P.gradient_map(P.radial_field(W, H, cx - 16, cy - 14, 70), [(0.0, (120, 130, 150)), (0.5, (40, 44, 70)),
                                                                        (1.0, (14, 14, 28))])
    P.fill(c, glass, well)
    facets = Image.new("L", SIZE, 0)
    fd = ImageDraw.Draw(facets)
    for x in range(cx - 30, cx + 31, 15):
        fd.line([(x, cy - 32), (x, cy + 36)], fill=255, width=1)
    P.fill(c, (200, 210, 240, 70), ImageChops.multiply(facets, well))
    P.bevel(c, well, 3, 0.5, 0.5)
    collar = P.ellipse_mask(SIZE, (cx - 24, cy - 24, cx + 24, cy + 4))
    P.fill(c, P.metal(W, H, seed=2301), collar)
    P.bevel(c, collar, 2, 0.6, 0.5)
    ink = P.ellipse_mask(SIZE, (cx - 15, cy - 18, cx + 15, cy - 1))
    P.fill(c, (10, 8, 20), ink)
    P.fill(c, (120, 120, 160, 120), P.ellipse_mask(SIZE, (cx - 9, cy - 15, cx - 2, cy - 12)))
    P.fill(c, (255, 255, 255, 70), P.blur(P.rrect_mask(SIZE, (cx - 32, cy - 22, cx - 26, cy + 30), 3), 1.5))
    # a drop of ink on the desk by the nib
    P.fill(c, (14, 10, 24, 220), P.ellipse_mask(SIZE, (880, 108, 888, 114)))


def desk_lantern(c):
    """A small lit lantern at the top left of the desk, its light over the card."""
    small_lantern(c, 58, 12, 3.2, lit=True, seed=2303, glow=False)
    P.glow_at(c, 58, 66, 520, (110, 66, 20), 0.55, 1.8)
    P.glow_at(c, 58, 66, 90, (255, 170, 70), 0.35, 1.6)


def sealing_wax(c):
    """A stick of burgundy sealing wax and a brass seal, bottom left on the leather."""
    a = math.radians(-16)
    ux, uy = math.cos(a), math.sin(a)
    x0, y0 = 110, 612

    def at(t, off):
        return x0 + ux * t - uy * off, y0 + uy * t + ux * off

    stick = P.poly_mask(SIZE, [at(0, -7), at(112, -7), at(114, 0), at(112, 7), at(0, 7), at(-2, 0)])
    P.cast_shadow(c, stick, (4, 6), 4, 0.55)
    P.fill(c, P.vgradient(W, H, [(0.0, (150, 36, 52)), (570 / H, (166, 44, 60)), (600 / H, (128, 28, 44)),
                                 (624 / H, (76, 12, 26)), (1.0, (76, 12, 26))]), stick)
    P.fill(c, (255, 200, 200, 90), P.brush_mask(SIZE, [at(6, -3.5) + (1.6,), at(106, -3.5) + (1.6,)]))
    P.bevel(c, stick, 2, 0.35, 0.5)
    tip = P.poly_mask(SIZE, [at(-2, 0), at(0, -7), at(10, -7), at(13, 0), at(10, 7), at(0, 7)])
    P.fill(c, (40, 12, 14, 200), ImageChops.multiply(P.blur(tip, 1.5), stick))
    P.fill(c, (30, 20, 16), P.brush_mask(SIZE, [at(-1, 0) + (1.4,), at(-7, -1) + (1.2,)]))
    seal = P.ellipse_mask(SIZE, (836, 566, 896, 626))
    P.cast_shadow(c, seal, (4, 6), 5, 0.55)
    P.fill(c, P.gradient_map(P.radial_field(W, H, 856, 584, 50), [(0.0, (190, 52, 66)), (1.0, (96, 16, 30))]), seal)
    P.bevel(c, seal, 3, 0.35, 0.55)
    lm = P.glyph_mask(SIZE, 866, 596, "L", P.SERIF_BOLD, 26, ink_centred=True)
    P.engrave(c, lm, 1, 0.5, 0.35, ink=(90, 14, 28, 230))


def card(c, finished):
    """Grandmother's card with the gold frame, the lantern ornament and the six places."""
    x0, y0, x1, y1 = CARD_BOX
    m = P.rrect_mask(SIZE, CARD_BOX, 8)
    P.cast_shadow(c, m, (8, 12), 12, 0.6)
    paper = Image.new("RGB", SIZE, (0, 0, 0))
    paper.paste(P.parchment(x1 - x0, y1 - y0, 2311, light=(252, 244, 222), dark=(226, 206, 160),
                            burn=(170, 126, 70), edge=16), (x0, y0))
    P.fill(c, paper, m)
    P.gold_frame(c, (x0 + 12, y0 + 12, x1 - 12, y1 - 12), 6, width=4)
    fine = ImageChops.subtract(P.rrect_mask(SIZE, (x0 + 22, y0 + 22, x1 - 22, y1 - 22), 4),
                               P.rrect_mask(SIZE, (x0 + 23, y0 + 23, x1 - 23, y1 - 23), 3))
    P.fill(c, (170, 124, 50, 170), fine)
    for cx, cy in ((x0 + 22, y0 + 22), (x1 - 22, y0 + 22), (x0 + 22, y1 - 22), (x1 - 22, y1 - 22)):
        gold_diamond(c, cx, cy, 6)
    # the lantern ornament between two gilt scrolls at the top
    mid = (x0 + x1) / 2
    if finished:
        P.glow_at(c, mid, 258, 120, (150, 90, 20), 0.6, 1.8)
    small_lantern(c, mid, 222, 1.9, lit=True, seed=2313, glow=False)
    for sgn in (-1, 1):
        scroll = P.brush_mask(SIZE, P.catmull([(mid + sgn * 26, 260, 2.2), (mid + sgn * 60, 252, 2.0),
                                               (mid + sgn * 100, 262, 1.6), (mid + sgn * 130, 256, 1.2),
                                               (mid + sgn * 138, 248, 0.9), (mid + sgn * 130, 244, 0.8)], 10))
        P.cast_shadow(c, scroll, (1, 1), 1, 0.35)
        P.fill(c, P.metal(W, H, seed=2315), scroll)
    # a gilt rule under the places, fading at both ends
    if not finished:
        rule = P.rect_mask(SIZE, (190, 418, 834, 419))
        fade = P.invert(P.curve(P.radial_field(W, H, 512, 418, 330, 8), lambda t: t ** 2.2))
        P.fill(c, (170, 124, 50, 150), ImageChops.multiply(rule, fade))
    # the dot between the two words
    gold_diamond(c, 512, 348, 6)


def letter_places(c):
    """The six places pressed into the card: a shallow recess with a fine rim."""
    for ch in MOTTO:
        x, y = LETTER_PLACES[ch]
        m = P.rrect_mask(SIZE, (x + 2, y + 2, x + TILE_W - 2, y + TILE_H - 2), 9)
        P.multiply(c, (226, 206, 170), m, 0.6)
        P.inner_shadow(c, m, 3, (2, 2), 0.35, colour=(90, 60, 30))
        P.fill(c, (255, 250, 236, 150), ImageChops.subtract(P.shift(m, 1, 1), m))
        ring = ImageChops.subtract(P.rrect_mask(SIZE, (x + 7, y + 7, x + TILE_W - 7, y + TILE_H - 7), 6),
                                   P.rrect_mask(SIZE, (x + 8, y + 8, x + TILE_W - 8, y + TILE_H - 8), 5))
        P.fill(c, (176, 138, 80, 70), ring)


def desk_scene(finished):
    c = writing_desk(2321)
    desk_lantern(c)
    inkwell_and_quill(c)
    sealing_wax(c)
    card(c, finished)
    return c


@asset(LETTERS_DIR + "/Bg.png")
def letters_bg():
    c = desk_scene(False)
    letter_places(c)
    P.vignette(c, 0.5, 0.45)
    return c


@asset(LETTERS_DIR + "/BgFinished.png")
def letters_finished():
    c = desk_scene(True)
    # the motto in raised gold where the tiles went, glowing softly
    ink = Image.new("L", SIZE, 0)
    for ch in MOTTO:
        x, y = LETTER_PLACES[ch]
        ink = ImageChops.lighter(ink, P.glyph_mask(SIZE, x + TILE_W / 2, y + TILE_H / 2, ch, P.SERIF_BOLD, 78,
                                                   ink_centred=True))
    P.glow_at(c, 512, 348, 420, (120, 80, 20), 0.45, 2.0, 110)
    c.alpha_composite(P.glow(ink, (255, 200, 90), 10, 1.1))
    P.cast_shadow(c, ink, (2, 3), 2, 0.5)
    gold = P.gradient_map(P.linear_field(W, H), [(0.0, P.GOLD_DARK), (312 / H, (255, 240, 170)),
                                                  (350 / H, (226, 174, 70)), (386 / H, (150, 100, 30)),
                                                  (1.0, P.GOLD_DARK)])
    P.fill(c, gold, ink)
    P.bevel(c, ink, 2, 0.6, 0.45)
    # a flourish under the motto (no words: the card serves every language)
    flour = Image.new("L", SIZE, 0)
    for sgn in (-1, 1):
        flour = ImageChops.lighter(flour, P.brush_mask(SIZE, P.catmull(
            [(512 + sgn * 10, 440, 2.6), (512 + sgn * 60, 432, 2.4), (512 + sgn * 130, 446, 2.0),
             (512 + sgn * 196, 436, 1.6), (512 + sgn * 230, 426, 1.2), (512 + sgn * 222, 416, 0.9),
             (512 + sgn * 206, 420, 0.8)], 12)))
    flour = ImageChops.lighter(flour, P.poly_mask(SIZE, [(512, 432), (520, 440), (512, 448), (504, 440)]))
    P.cast_shadow(c, flour, (1, 2), 1, 0.4)
    P.fill(c, P.metal(W, H, seed=2331), flour)
    P.vignette(c, 0.5, 0.45)
    return c


def letter_tile(ch):
    """A boxwood type block with the letter cut in and inked burgundy (RGBA, 80 x 96)."""
    w, h = TILE_W, TILE_H
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    body = P.rrect_mask(size, (1, 1, w - 3, h - 4), 9)
    P.cast_shadow(img, body, (2, 3), 1.5, 0.55)
    seed = 2341 + MOTTO.index(ch)
    grain_ = P.wood(w, h, seed, [(0.0, (196, 140, 76)), (0.5, (216, 166, 100)), (1.0, (236, 194, 130))],
                    vertical=True, lines=6)
    P.fill(img, grain_, body)
    P.multiply(img, (160, 110, 60), ImageChops.multiply(body, P.linear_field(w, h)), 0.35)
    P.bevel(img, body, 4, 0.6, 0.55, sh=(50, 24, 8))
    face = P.rrect_mask(size, (6, 6, w - 8, h - 9), 6)
    P.fill(img, (80, 40, 10, 60), ImageChops.subtract(face, P.rrect_mask(size, (7, 7, w - 9, h - 10), 5)))
    P.fill(img, (255, 236, 190, 70), ImageChops.subtract(P.shift(face, 1, 1), face))
    lm = P.glyph_mask(size, (w - 2) / 2, (h - 3) / 2, ch, P.SERIF_BOLD, 58, ink_centred=True)
    P.fill(img, (255, 230, 180, 150), ImageChops.subtract(P.shift(lm, 1, 1), lm))
    P.fill(img, (60, 24, 10, 150), ImageChops.subtract(P.shift(lm, -1, -1), lm))
    ink = P.vgradient(w, h, [(0.0, (150, 40, 56)), (1.0, (96, 16, 32))])
    P.fill(img, ink, lm)
    P.fill(img, (255, 200, 200, 60), ImageChops.subtract(lm, P.shift(lm, 1, 1)))
    return img


for _ch in MOTTO:
    asset(LETTERS_DIR + "/%s.png" % _ch)(lambda _ch=_ch: letter_tile(_ch))


# ================================================================ main

def check_cut():
    """The placed pieces (unfinished, so only the cut matters) must give back the
    photograph exactly, on any table colour."""
    worst = 0
    for table in ((255, 0, 255, 255), (0, 255, 0, 255)):
        canvas = Image.new("RGBA", SIZE, table)
        for n in range(COLS * ROWS):
            canvas.alpha_composite(piece_picture(n, finish=False), piece_origin(n))
        got = canvas.crop((PHOTO_X, PHOTO_Y, PHOTO_X + PHOTO_W, PHOTO_Y + PHOTO_H)).convert("RGB")
        diff = ImageChops.difference(got, photograph())
        worst = max(worst, max(hi for _, hi in diff.getextrema()))
    return worst


def preview(jigsaw_path, done_path, letters_path):
    bg = load(JIGSAW_DIR + "/Bg.png")
    pieces = [load(JIGSAW_DIR + "/Piece%d.png" % n) for n in range(COLS * ROWS)]
    scatter = [(24, 96), (40, 300), (836, 150), (820, 330), (30, 500), (840, 506)]
    pv = bg.copy()
    for n in range(6):
        pv.alpha_composite(pieces[n], piece_origin(n))
    for n, xy in zip(range(6, 12), scatter):
        pv.alpha_composite(pieces[n], xy)
    pv.convert("RGB").save(jigsaw_path)
    done = bg.copy()
    for n in range(COLS * ROWS):
        done.alpha_composite(pieces[n], piece_origin(n))
    done.convert("RGB").save(done_path)
    print("cut check: largest difference between the placed pieces and the photograph: %d" % check_cut())
    lb = load(LETTERS_DIR + "/Bg.png")
    for ch in "LUX":
        lb.alpha_composite(load(LETTERS_DIR + "/%s.png" % ch), LETTER_PLACES[ch])
    for ch, xy in zip("MEA", ((300, 548), (520, 562), (700, 540))):
        lb.alpha_composite(load(LETTERS_DIR + "/%s.png" % ch), xy)
    lb.convert("RGB").save(letters_path)


if __name__ == "__main__":
    run(ASSETS, __doc__, preview, [PREVIEW_JIGSAW, PREVIEW_DONE, PREVIEW_LETTERS])
