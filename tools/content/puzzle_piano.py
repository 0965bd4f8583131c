#!/usr/bin/python3
"""Paints the pictures of the piano puzzle (screen 18): grandmother's little piano.

Usage: tools/content/puzzle_piano.py [--only SUBSTRING ...] [--preview]

Writes under content/images/minigames/screen18/ (relative to the repository root):
    Bg.png       the piano seen from the front, her tune on the music desk
    BgDE.png     the same with the German note names (B is H)
    NoteLit.png  the golden mark laid over a sheet note once it has been played

With --preview, also writes /tmp/piano_preview.png: the background with the
mark over the first three notes. Deterministic: all randomness is seeded.

Where things are (screen pixels):
- key i (0..7, C D E F G A B C) covers x 192 + 80 i .. 192 + 80 i + 78,
  y 470 .. 700, with a 2 pixel dark gap between the keys;
- the staff on the sheet music: bottom line (E4) at y 278, a line every 14
  pixels upwards; note k's head is centred at x 300 + 64 k and
  y 278 - (p - 2) * 7 for its pitch p (0 = C4 ... 7 = C5);
- the band y 10..90 between x 160 and 864 is plain dark wallpaper for the
  caption, the top corners are left for the buttons.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
from asset_script import Assets, load, run  # noqa: E402

W, H = 1024, 768
SIZE = (W, H)
OUT_DIR = "images/minigames/screen18"
PREVIEW = "/tmp/piano_preview.png"

# The keys.
KEY_X0, KEY_STEP, KEY_W = 192, 80, 78
KEY_Y0, KEY_Y1 = 470, 700
KEY_NAMES = "CDEFGABC"
# German players call B "H": their picture, BgDE.png, is the game's in German.
KEY_NAMES_DE = "CDEFGAHC"
KEYS_X1 = KEY_X0 + 7 * KEY_STEP + KEY_W          # 830: right edge of the last key

# The tune on the sheet.
STAFF_BOTTOM = 278
STAFF_GAP = 14
STAFF_LINES = [STAFF_BOTTOM - STAFF_GAP * i for i in range(5)]   # 278 .. 222
TUNE = [0, 2, 4, 7, 5, 4, 2, 0]
NOTE_X0, NOTE_STEP = 300, 64
NOTE_LETTER_Y = 318
SHEET_BOX = (230, 180, 820, 342)
STAFF_X = (244, 794)

NOTE_LIT_SIZE = (44, 44)

# Wood of the case.
MAHOGANY = [(0.0, (34, 14, 10)), (0.5, (72, 30, 20)), (1.0, (110, 52, 32))]
ROSEWOOD = [(0.0, (40, 20, 14)), (0.55, (88, 44, 26)), (1.0, (132, 76, 44))]
SHEET_INK = (44, 26, 18)

ASSETS = Assets(OUT_DIR)
asset = ASSETS.add


def note_head_centre(k):
    """Centre of note k's head on the sheet."""
    return NOTE_X0 + NOTE_STEP * k, STAFF_BOTTOM - (TUNE[k] - 2) * 7


def note_letter(p, names=KEY_NAMES):
    return names[p]


# ================================================================ helpers

def wood_piece(c, mask, seed, stops, vertical=False, lines=None, shadow=(0, 6), radius=6, strength=0.55,
              depth=2):
    """A wooden piece of the case: drop shadow, grain and a bevel."""
    if shadow:
        P.cast_shadow(c, mask, shadow, radius, strength)
    P.fill(c, P.wood(W, H, seed, stops, vertical=vertical, lines=lines or (W / 12 if vertical else H / 6)), mask)
    P.bevel(c, mask, depth, 0.4, 0.5)


# ================================================================ the room and the case

def wallpaper(c):
    """Burgundy damask above the piano, dim, lit warmly from below."""
    tile = P.damask_tile(72, 100, (58, 16, 24), (74, 24, 32), seed=3)
    paper = P.tile(tile, W, H).convert("RGBA")
    P.soft_light(paper, P.fbm(W, H, 1801, ((120, 0.5), (30, 0.3), (6, 0.2))).point(lambda i: 108 + i // 6))
    c.alpha_composite(paper)
    # darker towards the ceiling; a warm wash above the piano's lid
    P.multiply(c, (0, 0, 0), P.invert(P.linear_field(W, H)), 0.45)
    P.glow_at(c, 512, 150, 520, (90, 40, 16), 0.6, 1.6, 180)


def sconce_candle(c, x, y, seed):
    """A brass candle sconce swinging out from the case, the candle lit."""
    side = -1 if x < W / 2 else 1
    arm = P.Layer(W, H, 3)
    white = (255, 255, 255, 255)
    ax = x - side * 58
    arm.line([(ax, y + 64), (ax + side * 22, y + 54), (x - side * 12, y + 44), (x, y + 26)], white, 5)
    arm.ell((ax - 9, y + 55, ax + 9, y + 73), white)
    arm.ell((x - 22, y + 20, x + 22, y + 30), white)
    arm.rect((x - 10, y + 12, x + 10, y + 24), white, 3)
    am = arm.mask()
    P.cast_shadow(c, am, (5, 7), 5, 0.55)
    P.fill(c, P.metal(W, H, seed=seed), am)
    P.bevel(c, am, 2, 0.6, 0.5)
    # the candle, a little burnt down and dripping
    cand = P.Layer(W, H, 3)
    cand.rect((x - 8, y - 40, x + 8, y + 14), white, 3)
    cand.ell((x + 2, y - 30, x + 8, y - 16), white)
    cm = cand.mask()
    P.cast_shadow(c, cm, (4, 5), 4, 0.45)
    P.fill(c, P.hgradient(W, H, [(0.0, (168, 140, 104)), ((x - 6) / W, (250, 236, 206)),
                                 ((x + 8) / W, (176, 150, 110)), (1.0, (176, 150, 110))]), cm)
    wick = P.Layer(W, H, 3)
    wick.line([(x, y - 40), (x + 1, y - 46)], (30, 20, 14, 255), 1.6)
    wick.onto(c)
    flame = P.ellipse_mask(SIZE, (x - 6, y - 72, x + 6, y - 42))
    P.glow_at(c, x, y - 56, 260, (150, 80, 24), 0.8, 1.8)
    P.glow_at(c, x, y - 56, 60, (255, 180, 90), 0.7, 1.5)
    P.add_light(c, (255, 170, 70), P.blur(flame, 9), 0.9)
    P.fill(c, (255, 214, 120), flame)
    P.fill(c, (255, 252, 226), P.blur(P.ellipse_mask(SIZE, (x - 3, y - 62, x + 3, y - 46)), 1))
    P.fill(c, (90, 110, 200, 130), P.blur(P.ellipse_mask(SIZE, (x - 3, y - 47, x + 3, y - 41)), 1))


def upper_case(c):
    """The lid, the panelled upper case and the music desk with its ledge."""
    white = (255, 255, 255, 255)
    body = P.Layer()
    body.rect((100, 112, 924, H + 10), white)
    wood_piece(c, body.mask(), 1811, MAHOGANY, vertical=True, shadow=(0, 10), radius=16, strength=0.7)
    lid = P.Layer()
    lid.rect((84, 96, 940, 118), white, 4)
    wood_piece(c, lid.mask(), 1813, ROSEWOOD, shadow=(0, 8), radius=7, depth=3)
    # a brass edge along the lid's front
    edge = P.rrect_mask(SIZE, (88, 114, 936, 118), 1)
    brass = Image.new("RGB", SIZE)
    brass.paste(P.metal(W, 6, seed=1815), (0, 113))
    P.fill(c, brass, edge)
    # side panels with fretwork over faded silk
    for x0, x1 in ((116, 190), (834, 908)):
        pan = P.rrect_mask(SIZE, (x0, 138, x1, 348), 6)
        P.fill(c, P.vgradient(W, H, [(0.0, (120, 64, 40)), (1.0, (70, 32, 22))]), pan)
        fret = P.Layer()
        cx = (x0 + x1) / 2
        for k in range(3):
            yy = 146 + k * 66
            fret.arc((cx - 24, yy, cx + 24, yy + 66), 0, 360, (52, 22, 14, 255), 4)
            fret.arc((cx - 10, yy + 16, cx + 10, yy + 50), 0, 360, (52, 22, 14, 255), 3)
        fret.line([(cx, 138), (cx, 348)], (52, 22, 14, 255), 3)
        P.fill(c, fret.image(), pan)
        P.inner_shadow(c, pan, 4, (2, 3), 0.7)
        P.fill(c, (255, 200, 150, 40), ImageChops.subtract(P.shift(pan, 1, 1), pan))
    # the music desk: a slanted board, a little lighter where the light falls
    desk = P.Layer()
    desk.poly([(206, 150), (818, 150), (826, 338), (198, 338)], white)
    dm = desk.mask()
    wood_piece(c, dm, 1817, ROSEWOOD, shadow=(0, 6), radius=8, depth=3)
    P.multiply(c, (0, 0, 0), ImageChops.multiply(P.linear_field(W, H, True), dm), 0.25)
    P.fill(c, (214, 172, 84, 190), P.mask_from(SIZE, lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in ((216, 160), (808, 160), (815, 330), (209, 330))], outline=255,
        width=int(1.4 * s))))
    # the area between the desk and the fallboard, with a gold inlay line
    band = P.rrect_mask(SIZE, (118, 360, 906, 398), 4)
    P.inner_shadow(c, band, 3, (1, 2), 0.5)
    P.fill(c, (214, 172, 84, 150), P.mask_from(SIZE, lambda d, s: d.rounded_rectangle(
        (126 * s, 368 * s, 898 * s, 390 * s), radius=3 * s, outline=255, width=int(1.2 * s))))


def sheet_music(c, names=KEY_NAMES):
    """The parchment with grandmother's tune: treble clef, eight quarter notes, letters."""
    x0, y0, x1, y1 = SHEET_BOX
    sw, sh = x1 - x0, y1 - y0
    paper = P.parchment(sw, sh, 1821, light=(250, 240, 214), dark=(214, 190, 140), burn=(160, 112, 60), edge=12)
    full = Image.new("RGB", SIZE, (0, 0, 0))
    full.paste(paper, (x0, y0))
    # the sheet lies on the slanted desk: the top edge a touch narrower, a dog-ear lower right
    shape = P.poly_mask(SIZE, [(x0 + 3, y0), (x1 - 2, y0 + 1), (x1, y1 - 20), (x1 - 18, y1), (x0, y1)])
    P.cast_shadow(c, shape, (5, 6), 6, 0.6)
    P.fill(c, full, shape)
    ear = P.poly_mask(SIZE, [(x1, y1 - 20), (x1 - 18, y1), (x1 - 15, y1 - 15)])
    P.fill(c, P.drop_shadow(ear, (-2, -2), 2, 0.35), shape)
    P.fill(c, (226, 206, 162), ear)
    P.fill(c, (150, 110, 60, 120), P.mask_from(SIZE, lambda d, s: d.line(
        [(x1 * s, (y1 - 20) * s), ((x1 - 18) * s, y1 * s)], fill=255, width=s)))
    # light falls on the sheet from the candles and the lamp above
    P.multiply(c, (120, 80, 50), ImageChops.multiply(P.curve(P.radial_field(W, H, 525, 240, 360, 150),
                                                               lambda t: t ** 2), shape), 0.35)

    ink = Image.new("L", SIZE, 0)

    def add(m):
        nonlocal ink
        ink = ImageChops.lighter(ink, m)

    # staff lines, ruled by hand: a fraction of a pixel of wander
    rng = random.Random(1823)
    sx0, sx1 = STAFF_X
    for y in STAFF_LINES:
        pts = []
        for i in range(9):
            pts.append((sx0 + (sx1 - sx0) * i / 8, y + rng.uniform(-0.25, 0.25), 1.7))
        pts[0] = (sx0, y, 1.7)
        add(P.brush_mask(SIZE, P.catmull(pts, 6)))
    # bar lines: the start, the middle of the tune, and the closing double bar
    top, bot = STAFF_LINES[-1], STAFF_LINES[0]
    for x, wd in ((sx0, 1.8), ((note_head_centre(3)[0] + note_head_centre(4)[0]) / 2, 1.8),
                  (sx1 - 8, 1.8), (sx1 - 1.5, 4.0)):
        add(P.mask_from(SIZE, lambda d, s, x=x, wd=wd: d.rectangle(((x - wd / 2) * s, top * s,
                                                                     (x + wd / 2) * s, (bot + 0.8) * s), fill=255)))
    add(treble_clef())
    for k in range(len(TUNE)):
        add(quarter_note(k))
    # the letters under the notes, in grandmother's hand
    rng = random.Random(1827)
    letters = Image.new("L", SIZE, 0)
    for k, p in enumerate(TUNE):
        cx, _ = note_head_centre(k)
        letters = ImageChops.lighter(letters, P.glyph_mask(SIZE, cx + rng.uniform(-1.5, 1.5),
                                                           NOTE_LETTER_Y + rng.uniform(-1.5, 1.5),
                                                           note_letter(p, names), P.SERIF_ITALIC, 22, rng.uniform(-7, 5)))
    # a little heart doodled in the top corner, and a flourish under the top edge
    heart = P.poly_mask(SIZE, heart_points(792, 200, 9))
    heart = ImageChops.subtract(heart, P.poly_mask(SIZE, heart_points(792, 200.6, 6.4)))
    flourish = Image.new("L", SIZE, 0)
    for sgn in (-1, 1):
        flourish = ImageChops.lighter(flourish, P.brush_mask(SIZE, P.catmull(
            [(525 + sgn * 8, 199, 1.8), (525 + sgn * 30, 194, 1.6), (525 + sgn * 58, 200, 1.3),
             (525 + sgn * 76, 197, 1.0), (525 + sgn * 84, 193, 0.8), (525 + sgn * 79, 190, 0.8)], 10)))
    flourish = ImageChops.lighter(flourish, P.poly_mask(SIZE, [(525, 193), (530, 198), (525, 203), (520, 198)]))
    # ink: slightly uneven, a little bled into the paper
    mottle = P.fbm(W, H, 1829, ((24, 0.5), (6, 0.5))).point(lambda i: 200 + i // 5)
    P.fill(c, (120, 80, 40, 50), P.blur(ink, 1.2))
    P.fill(c, SHEET_INK, ImageChops.multiply(ink, mottle))
    P.fill(c, (40, 24, 16, 90), P.blur(letters, 1.0))
    P.fill(c, (52, 28, 20), ImageChops.multiply(letters, mottle))
    P.fill(c, (150, 40, 52, 200), heart)
    P.fill(c, (110, 70, 36, 170), flourish)


def heart_points(cx, cy, r, n=64):
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((cx + x * r / 17, cy + y * r / 17))
    return pts


def treble_clef():
    """A pen-drawn G clef whose spiral curls round the G line (y 264)."""
    s = STAFF_GAP
    gx, gy = 266, STAFF_LINES[1]

    def pt(u, v, wd):
        return (gx + u * s, gy + v * s, wd)

    body = [
        pt(0.12, 0.28, 1.6), pt(0.42, -0.05, 2.0), pt(0.22, -0.50, 2.4), pt(-0.35, -0.52, 2.8),
        pt(-0.82, 0.05, 4.2), pt(-0.70, 0.82, 4.0), pt(-0.05, 1.22, 3.0), pt(0.70, 0.98, 2.4),
        pt(1.00, 0.28, 3.4), pt(0.78, -0.55, 3.6), pt(0.15, -1.25, 3.2), pt(-0.45, -2.05, 3.0),
        pt(-0.55, -3.05, 2.6), pt(-0.18, -3.95, 2.0), pt(0.20, -4.05, 1.8), pt(0.34, -3.45, 2.0),
        pt(0.05, -2.55, 2.2), pt(-0.10, -1.60, 2.2), pt(0.02, 0.00, 2.2), pt(0.18, 1.60, 2.2),
        pt(0.22, 2.45, 2.0), pt(-0.05, 2.95, 1.9), pt(-0.50, 2.95, 1.8), pt(-0.62, 2.62, 1.6),
    ]
    m = P.brush_mask(SIZE, P.catmull(body, 14))
    bx, by = gx - 0.42 * s, gy + 2.62 * s
    ball = P.ellipse_mask(SIZE, (bx - 4.4, by - 4.2, bx + 4.4, by + 4.2))
    return ImageChops.lighter(m, ball)


def quarter_note(k):
    """Filled, tilted oval head with its stem (and the ledger line for C4)."""
    cx, cy = note_head_centre(k)
    p = TUNE[k]
    head = Image.new("L", (80, 80), 0)
    ImageDraw.Draw(head).ellipse((40 - 32, 40 - 24, 40 + 32, 40 + 24), fill=255)
    head = head.rotate(22, Image.Resampling.BICUBIC).resize((20, 20), Image.Resampling.LANCZOS)
    m = Image.new("L", SIZE, 0)
    m.paste(head, (int(cx - 10), int(cy - 10)))
    up = p < 6   # below the middle line: stem up on the right, else down on the left
    if up:
        stem = (cx + 6.6, cy - 46, cx + 8.2, cy - 1)
    else:
        stem = (cx - 8.2, cy + 1, cx - 6.6, cy + 46)
    m = ImageChops.lighter(m, P.mask_from(SIZE, lambda d, s: d.rectangle(
        [v * s for v in stem], fill=255)))
    if cy > STAFF_BOTTOM + STAFF_GAP / 2:
        ledger = P.mask_from(SIZE, lambda d, s: d.rectangle(((cx - 13) * s, (cy - 0.85) * s, (cx + 13) * s,
                                                             (cy + 0.85) * s), fill=255))
        m = ImageChops.lighter(m, ledger)
    return m


def fallboard(c):
    """The fallboard folded up above the keys, a brass lyre in the middle, the red felt."""
    white = (255, 255, 255, 255)
    fb = P.Layer()
    fb.rect((118, 402, 906, 462), white, 4)
    fm = fb.mask()
    wood_piece(c, fm, 1831, ROSEWOOD, shadow=(0, 5), radius=5, depth=3)
    P.fill(c, (214, 172, 84, 160), P.mask_from(SIZE, lambda d, s: d.rounded_rectangle(
        (132 * s, 412 * s, 892 * s, 452 * s), radius=4 * s, outline=255, width=int(1.2 * s))))
    # a brass lyre with three strings
    lyre = P.Layer(W, H, 3)
    cx, cy = 512, 432
    lyre.arc((cx - 26, cy - 20, cx - 2, cy + 22), 100, 260, white, 3.5)
    lyre.arc((cx + 2, cy - 20, cx + 26, cy + 22), 280, 80, white, 3.5)
    lyre.rect((cx - 18, cy - 17, cx + 18, cy - 13), white, 2)
    lyre.rect((cx - 12, cy + 12, cx + 12, cy + 17), white, 2)
    for dx in (-6, 0, 6):
        lyre.line([(cx + dx, cy - 13), (cx + dx, cy + 12)], white, 1)
    lm = lyre.mask()
    P.cast_shadow(c, lm, (1, 2), 1.5, 0.6)
    P.fill(c, P.metal(W, H, seed=1833), lm)
    P.bevel(c, lm, 1, 0.6, 0.4)
    for x in (150, 874):
        gl = P.poly_mask(SIZE, [(x, 424), (x + 8, 432), (x, 440), (x - 8, 432)])
        P.fill(c, P.metal(W, H, seed=1835), gl)
        P.bevel(c, gl, 1, 0.6, 0.4)
    # the felt strip the keys slide under
    felt = P.rect_mask(SIZE, (186, 462, 836, 470))
    P.fill(c, P.vgradient(W, H, [(0.0, (110, 20, 34)), (462 / H, (130, 28, 44)), (470 / H, (60, 8, 18)),
                                 (1.0, (60, 8, 18))]), felt)


def cheeks_and_rail(c):
    """The cheek blocks at both ends of the keys, the keybed and the key slip below."""
    # dark key bed showing through the gaps
    P.fill(c, (14, 6, 4), P.rect_mask(SIZE, (186, KEY_Y0, 836, KEY_Y1 + 4)))
    white = (255, 255, 255, 255)
    for x0, x1 in ((108, 189), (833, 916)):
        ch = P.Layer()
        ch.rect((x0, 446, x1, 716), white, 5)
        wood_piece(c, ch.mask(), 1841 + x0, ROSEWOOD, vertical=True, shadow=(0, 6), radius=6, depth=3)
        pan = P.rrect_mask(SIZE, (x0 + 12, 470, x1 - 12, 690), 6)
        P.inner_shadow(c, pan, 3, (2, 3), 0.55)
        P.fill(c, (255, 210, 160, 40), ImageChops.subtract(P.shift(pan, 1, 1), pan))
        ros = P.ellipse_mask(SIZE, ((x0 + x1) / 2 - 14, 566, (x0 + x1) / 2 + 14, 594))
        P.cast_shadow(c, ros, (1, 2), 2, 0.6)
        P.fill(c, P.metal(W, H, seed=1843), ros)
        P.bevel(c, ros, 2, 0.6, 0.5)
        P.fill(c, (110, 70, 24, 200), P.ring_mask(SIZE, ((x0 + x1) / 2 - 8, 572, (x0 + x1) / 2 + 8, 588), 1.4))
    rail = P.Layer()
    rail.rect((100, 702, 924, 724), white, 3)
    wood_piece(c, rail.mask(), 1847, ROSEWOOD, shadow=(0, 8), radius=8, depth=3)
    low = P.rrect_mask(SIZE, (130, 736, 894, H + 20), 6)
    P.inner_shadow(c, low, 4, (2, 3), 0.6)
    P.fill(c, (214, 172, 84, 140), P.mask_from(SIZE, lambda d, s: d.line(
        [(100 * s, 709 * s), (924 * s, 709 * s)], fill=255, width=int(1.0 * s))))


def ivory_key(c, i, names=KEY_NAMES):
    """Key i: a big ivory key filling exactly its rectangle, its letter cut in near the bottom."""
    x0 = KEY_X0 + KEY_STEP * i
    y0, y1 = KEY_Y0, KEY_Y1
    kw, kh = KEY_W, y1 - y0
    rng = random.Random(1851 + i)
    tint = rng.uniform(-0.5, 1.0)
    base = P.mix((250, 238, 208), (240, 220, 178), 0.5 + 0.4 * tint)
    key = P.vgradient(kw, kh, [(0.0, P.shade(base, 0.74)), (0.10, P.shade(base, 0.93)), (0.3, base),
                               (0.86, P.shade(base, 0.94)), (0.90, P.shade(base, 1.03)),
                               (0.915, P.shade(base, 0.84)), (1.0, P.shade(base, 0.7))]).convert("RGBA")
    # ivory's fine lengthwise grain and a faint mottle of age
    streaks = P.noise(kw, kh, 3, 1861 + i, cell_y=60)
    P.soft_light(key, streaks.point(lambda v: 116 + v // 10))
    P.soft_light(key, P.fbm(kw, kh, 1871 + i, ((30, 0.6), (8, 0.4))).point(lambda v: 114 + v // 9))
    # rounded sides: light on the left edge, shade on the right
    side = P.hgradient(kw, kh, [(0.0, (255, 255, 255)), (0.06, (128, 128, 128)), (0.9, (128, 128, 128)),
                                (1.0, (40, 40, 40))]).convert("L")
    P.soft_light(key, side, 0.7)
    # the letter, engraved and inked in burgundy
    lm = P.glyph_mask((kw, kh), kw / 2, kh - 52, names[i], P.SERIF_BOLD, 40)
    P.engrave(key, lm, 1, light=0.6, ink=(112, 26, 40, 235))
    P.fill(key, (60, 10, 20, 90), ImageChops.subtract(P.shift(lm, -1, -1), lm))
    # a small gold dot over the letter, like a child's piano
    dot = P.ellipse_mask((kw, kh), (kw / 2 - 4, kh - 96, kw / 2 + 4, kh - 88))
    P.fill(key, (200, 150, 60), dot)
    P.fill(key, (255, 240, 190, 200), P.ellipse_mask((kw, kh), (kw / 2 - 2.5, kh - 95, kw / 2, kh - 92)))
    c.paste(key.convert("RGB"), (x0, y0))


def shade_keys(c):
    """Shadow of the fallboard over the keys' far ends, warm light over the middle."""
    keys = P.rect_mask(SIZE, (KEY_X0, KEY_Y0, KEYS_X1, KEY_Y1))
    top = P.vgradient(W, H, [(0.0, (0, 0, 0)), (KEY_Y0 / H, (0, 0, 0)), ((KEY_Y0 + 26) / H, (255, 255, 255)),
                             (1.0, (255, 255, 255))]).convert("L")
    P.multiply(c, (40, 20, 10), ImageChops.multiply(keys, P.invert(top)), 0.45)
    # the end cheeks shade the outer keys a little
    for x in (KEY_X0, KEYS_X1):
        P.multiply(c, (60, 30, 20), ImageChops.multiply(keys, P.curve(P.radial_field(W, H, x, 560, 60, 180),
                                                                      lambda t: (1 - t) ** 2)), 0.35)


# ================================================================ pictures

@asset("Bg.png")
def piano_bg(names=KEY_NAMES):
    c = Image.new("RGBA", SIZE, (0, 0, 0, 255))
    wallpaper(c)
    upper_case(c)
    sheet_music(c, names)
    fallboard(c)
    cheeks_and_rail(c)
    for i in range(8):
        ivory_key(c, i, names)
    shade_keys(c)
    for x in (60, 964):
        sconce_candle(c, x, 236, 1881 + x)
    # lamplight from above the piano, and the room falling away at the corners
    P.glow_at(c, 512, 330, 560, (70, 44, 18), 0.7, 1.6, 420)
    P.vignette(c, 0.5, 0.45, cy=420)
    return c


@asset("BgDE.png")
def piano_bg_de():
    return piano_bg(KEY_NAMES_DE)


@asset("NoteLit.png")
def note_lit():
    w, h = NOTE_LIT_SIZE
    cx, cy = w / 2, h / 2
    f = P.radial_field(w, h, cx, cy, 21)
    # alpha: soft bright core, a fuller ring at radius ~13, nothing at the edge
    def alpha(t):
        r = t * 21
        ring = math.exp(-((r - 13.0) / 3.4) ** 2)
        core = 0.42 * math.exp(-(r / 7.5) ** 2)
        halo = 0.38 * max(0.0, 1 - r / 21) ** 1.5
        return min(1.0, ring * 0.92 + core + halo) * (1.0 if r < 19 else max(0.0, (21 - r) / 2))
    a = P.curve(f, alpha)
    col = P.gradient_map(f, [(0.0, (255, 250, 214)), (0.35, (255, 226, 140)), (0.62, (255, 196, 72)),
                             (0.85, (232, 148, 40)), (1.0, (214, 120, 30))])
    img = col.convert("RGBA")
    img.putalpha(a)
    # four small sparkle rays
    rays = P.mask_from((w, h), lambda d, s: [d.polygon([((cx + dx * 20) * s, (cy + dy * 20) * s),
                                                        ((cx + dy * 2) * s, (cy + dx * 2) * s),
                                                        ((cx - dy * 2) * s, (cy - dx * 2) * s)], fill=255)
                                             for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))], 8)
    rays = ImageChops.multiply(rays, P.curve(f, lambda t: 0.0 if t < 0.55 else min(1.0, (t - 0.55) * 4)))
    P.fill(img, (255, 246, 200, 170), rays)
    return img


# ================================================================ main

def preview(path):
    bg = load(OUT_DIR + "/Bg.png")
    lit = load(OUT_DIR + "/NoteLit.png")
    for k in range(3):
        x, y = note_head_centre(k)
        bg.alpha_composite(lit, (int(x - 22), int(y - 22)))
    bg.convert("RGB").save(path)


if __name__ == "__main__":
    run(ASSETS, __doc__, preview, [PREVIEW])
