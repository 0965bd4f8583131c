#!/usr/bin/python3
"""The Library, scene 2: grandmother's study at the Lantern Inn.

Painted and written by `library()` (run `scenes.py --only Library`). The room:
burgundy damask wallpaper above dark panelling, a coffered ceiling with a
crown moulding, a tall bookcase on the left and a narrower one cut by the right
edge, an arched window onto the moonlit sea in the middle with teal curtains,
the writing desk under it with a lit oil lamp, a fireplace with its mantelpiece
on the right, and a patterned rug on the plank floor.

What stands where (goals):
- locket piece: on the edge of the rug in front of the desk (596, 628)
- Globe: on a stack of books at the right end of the desk; Magnifier: on the open book on the desk;
  Quill pen: leaning by the inkwell on the desk
- Hourglass: left bookcase, second shelf; Owl: left bookcase, top shelf;
  Padlock: left bookcase, bottom shelf, half behind the palm
- Reading glasses: the window sill; Butterfly: on the wallpaper right of the window
- Chess piece: right bookcase, second shelf; Fan: right bookcase, third shelf
- Hand bell and Rose: on the mantelpiece; Compass: on the rug
- Teddy bear: on the floor by the hearth, half behind the reading chair
- keys (six): hanging on a nail left of the window, on the desk by the lamp, on
  the left bookcase's top shelf, under the desk, on the right bookcase's top
  shelf, on the hearth

Decoys: books standing and lying on the shelves, the desk and the floor,
scrolls, papers, letters, candles, a mantel clock, a bust, vases, a teapot and
cups, pictures on the walls. Foreground props: the reading chair (right), the
standing lamp (between bookcase and desk), a potted palm (left).

Stages: 1) the locket piece, objects 1-7 and four of the six keys; the book-swap
puzzle comes after it; 2) objects 8-14.
"""

import math
import random

from PIL import Image, ImageChops, ImageDraw

import paint as P
import scenes as S
from scenes import W, H, Layer, Sheet, cyl, light, box_mask, paste_rgb

# ---------------------------------------------------------------- layout of the room

CEIL = 30            # bottom of the ceiling boards
MOULD = 58           # bottom of the crown moulding: the wall starts here
WAINSCOT = 432       # top of the panelling
FLOOR = 566          # where the wall meets the floor
LEFT_CASE = (10, 302)        # the tall bookcase (outer x range)
RIGHT_CASE = (934, 1040)     # the bookcase cut by the right edge
CASE_TOP = 60                # top of both bookcases' cornice
BOARDS = (168, 278, 388, 498)  # top of each shelf board: things stand on these
BOARD_T = 10                 # thickness of a shelf board
CASE_BASE = 578              # bottom of the bookcases (they stand in front of the wall)
WINDOW = (382, 104, 578, 378)  # the glazed opening; its top is a round arch
SILL = 378                   # top of the window sill
DESK = (328, 652)            # the desk's x range
DESK_TOP = 452               # the desk's working surface (things stand on it)
DESK_FOOT = 600
FIRE = (684, 916)            # the chimney breast's x range
MANTEL = 338                 # top of the mantelpiece
HEARTH = 594                 # front edge of the hearth slab
LAMP = (372, DESK_TOP)       # the oil lamp on the desk (foot centre)
CHIMNEY_X = (FIRE[0] + FIRE[1]) / 2

FULL = Image.new("L", (W, H), 255)


def bezier(p0, p1, p2, n=24):
    """Points of a quadratic Bezier curve."""
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]) for t in (i / n for i in range(n + 1))]


def wood_img(w, h, seed, stops, vertical=False, lines=None):
    """Wood grain of the given size with the given colour stops (RGB)."""
    return P.wood(max(2, int(w)), max(2, int(h)), seed, stops, vertical=vertical, lines=lines)


def fill_wood(c, mask, seed, stops, vertical=False, lines=None):
    """Fill the canvas through mask with wood grain covering the mask's box."""
    box = mask.getbbox()
    if not box:
        return mask
    x0, y0, x1, y1 = box
    tex = wood_img(x1 - x0, y1 - y0, seed, stops, vertical, lines)
    full = Image.new("RGB", (W, H))
    full.paste(tex, (x0, y0))
    P.fill(c, full, mask)
    return mask


DARK_WOOD = [(0.0, (30, 16, 10)), (0.5, (58, 32, 18)), (1.0, (86, 52, 30))]
MID_WOOD = [(0.0, (52, 28, 14)), (0.55, (98, 58, 30)), (1.0, (136, 90, 52))]
LIGHT_WOOD = [(0.0, (76, 44, 22)), (0.55, (132, 84, 44)), (1.0, (176, 122, 70))]


def lib_wall(c):
    """Deep burgundy damask wallpaper with a soft mottle, a picture rail and the panelling below."""
    paper = P.tile(P.damask_tile(60, 72, (92, 22, 36), (118, 38, 52), 3), W, H)
    paste_rgb(c, paper, (0, 0))
    P.multiply(c, (0, 0, 0), None, 0.22)
    P.soft_light(c, P.fbm(W, H, 202, ((180, 0.6), (48, 0.4))).point(lambda i: 96 + i // 4))
    # faint vertical seams of the paper lengths
    seams = Layer()
    for x in range(40, W, 120):
        seams.rect((x, MOULD, x + 1, WAINSCOT), (30, 6, 12, 60))
    seams.onto(c)
    # picture rail
    rail = box_mask((0, 92, W, 98))
    P.fill(c, P.drop_shadow(rail, (0, 3), 2, 0.5), FULL)
    fill_wood(c, rail, 204, MID_WOOD, lines=3)
    P.bevel(c, rail, 1, 0.4, 0.4)
    # panelling
    top, bottom = WAINSCOT, FLOOR
    area = box_mask((0, top, W, bottom))
    fill_wood(c, area, 206, DARK_WOOD, vertical=True, lines=W / 40)
    panels = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(panels)
    for x in range(-20, W, 112):
        d.rounded_rectangle((x + 14, top + 30, x + 100, bottom - 22), radius=4, fill=255)
    P.bevel(c, ImageChops.multiply(P.invert(P.blur(panels, 1)), area), 4, 0.25, 0.6)
    P.inner_shadow(c, P.blur(panels, 1), 4, (3, 4), 0.55)
    cap = box_mask((0, top - 4, W, top + 14))
    P.fill(c, P.drop_shadow(cap, (0, 5), 3, 0.6), FULL)
    fill_wood(c, cap, 208, MID_WOOD, lines=4)
    P.bevel(c, cap, 2, 0.45, 0.5)
    skirting = box_mask((0, bottom - 14, W, bottom))
    fill_wood(c, skirting, 210, DARK_WOOD, lines=3)
    P.bevel(c, skirting, 1, 0.3, 0.4)


def lib_ceiling(c):
    """Coffered ceiling boards and a stepped crown moulding with dentils."""
    ceil = box_mask((0, 0, W, CEIL))
    fill_wood(c, ceil, 212, [(0.0, (18, 10, 6)), (1.0, (44, 26, 16))], lines=3)
    beams = Layer()
    for x in range(-30, W, 170):
        beams.rect((x, 0, x + 22, CEIL), (255, 255, 255, 255))
    bm = beams.mask()
    fill_wood(c, bm, 214, DARK_WOOD, vertical=True, lines=40)
    P.bevel(c, bm, 2, 0.25, 0.5)
    steps = [(CEIL, CEIL + 10, (112, 70, 38)), (CEIL + 10, CEIL + 20, (72, 42, 22)), (CEIL + 20, MOULD, (126, 82, 44))]
    for y0, y1, col in steps:
        m = box_mask((0, y0, W, y1))
        P.fill(c, col, m)
        P.bevel(c, m, 1, 0.45, 0.45)
    dent = Layer()
    for x in range(0, W, 14):
        dent.rect((x + 2, CEIL + 11, x + 9, CEIL + 19), (150, 102, 56, 255))
    dm = dent.onto(c)
    P.bevel(c, dm, 1, 0.4, 0.5)
    gild = box_mask((0, MOULD - 5, W, MOULD - 3))
    P.fill(c, P.GOLD, gild)
    P.fill(c, (0, 0, 0, 150), P.blur(box_mask((0, MOULD, W, MOULD + 6)), 4))


def paint_books(lay, x0, x1, base, max_h, rng, gaps=()):
    """A row of book spines standing on a shelf from x0 to x1 (the gaps stay free), drawn onto lay."""
    cols = [(110, 26, 40), (30, 82, 88), (40, 70, 46), (96, 58, 30), (36, 46, 84), (150, 104, 40), (70, 30, 50),
            (128, 60, 32), (22, 54, 62), (160, 140, 100)]
    x = x0
    while x < x1 - 6:
        gap = next((g for g in gaps if g[0] <= x < g[1]), None)
        if gap:
            x = gap[1]
            continue
        nxt = min([g[0] for g in gaps if g[0] > x] + [x1])
        if rng.random() < 0.1 and nxt - x > 44:
            # a stack of books lying flat
            y = base
            for k in range(rng.randint(2, 4)):
                bh = rng.uniform(7, 11)
                bw = rng.uniform(34, min(46, nxt - x))
                col = rng.choice(cols)
                off = rng.uniform(-2, 2)
                lay.rect((x + off, y - bh, x + off + bw, y), col + (255,), 1)
                lay.rect((x + off + 1, y - bh + 1.5, x + off + bw - 2, y - bh + 3), P.shade(col, 1.4) + (255,))
                lay.rect((x + off + bw - 3, y - bh + 1, x + off + bw - 1, y - 1), (230, 214, 176, 255))
                y -= bh
            x += 50
            continue
        bw = rng.uniform(9, 18)
        if x + bw > nxt:
            if nxt - x < 7:
                x = nxt
                continue
            bw = nxt - x
        bh = max_h * rng.uniform(0.62, 0.94)
        col = rng.choice(cols)
        dark, hi = P.shade(col, 0.55), P.shade(col, 1.45)
        if rng.random() < 0.08 and nxt - x > bh * 0.4 + bw:
            # a book leaning on its neighbour
            lean = bh * 0.35
            lay.poly([(x, base), (x + bw, base), (x + bw + lean, base - bh * 0.94), (x + lean, base - bh)],
                     col + (255,))
            lay.poly([(x + bw * 0.2, base), (x + bw * 0.45, base), (x + bw * 0.45 + lean, base - bh * 0.95),
                      (x + bw * 0.2 + lean, base - bh * 0.99)], hi + (120,))
            x += bw + lean + 2
            continue
        lay.rect((x + 0.5, base - bh, x + bw - 0.5, base), col + (255,), 1.2)
        lay.rect((x + bw * 0.18, base - bh + 1, x + bw * 0.42, base - 1), hi + (110,))
        lay.rect((x + bw - 2.5, base - bh, x + bw - 0.5, base), dark + (200,))
        band = P.GOLD if rng.random() < 0.7 else (200, 190, 160)
        for by in (base - bh + bh * 0.08, base - bh * 0.16):
            lay.rect((x + 1, by, x + bw - 1, by + 2), band + (230,))
        if bh > 40 and rng.random() < 0.6:
            lay.rect((x + 2.5, base - bh * 0.68, x + bw - 2.5, base - bh * 0.48), P.shade(col, 0.6) + (255,))
            lay.rect((x + 3.5, base - bh * 0.62, x + bw - 3.5, base - bh * 0.6), band + (200,))
        x += bw + rng.uniform(0, 1.2)


def bookcase(c, x0, x1, seed, gaps):
    """A tall bookcase: cornice, sides, shelves full of books (gaps per shelf left free) and a cupboard base."""
    rng = random.Random(seed)
    ix0, ix1 = x0 + 16, x1 - 16
    outer = box_mask((x0, CASE_TOP, x1, CASE_BASE))
    P.fill(c, P.drop_shadow(outer, (8, 6), 10, 0.7), FULL)
    # back of the shelves: dark boards
    back = box_mask((ix0, CASE_TOP + 24, ix1, BOARDS[-1]))
    fill_wood(c, back, seed + 1, [(0.0, (20, 11, 6)), (0.6, (40, 22, 12)), (1.0, (58, 34, 18))],
              vertical=True, lines=30)
    seam = Layer()
    for x in range(int(ix0) + 30, int(ix1), 34):
        seam.rect((x, CASE_TOP + 24, x + 1.2, BOARDS[-1]), (8, 4, 2, 180))
    seam.onto(c)
    tops = [CASE_TOP + 24] + [b + BOARD_T for b in BOARDS[:-1]]
    books = Layer()
    for k, (t, b) in enumerate(zip(tops, BOARDS)):
        paint_books(books, ix0 + 2, ix1 - 1, b, b - t - 8, rng, gaps[k] if k < len(gaps) else ())
    bm = books.onto(c)
    P.bevel(c, bm, 1, 0.25, 0.35)
    P.soft_light(c, P.fbm(W, H, seed + 3, ((6, 0.5), (2, 0.5))).point(lambda i: 108 + i // 6))
    for t, b in zip(tops, BOARDS):
        # the shelf above casts its shade, the depth darkens the back
        comp = box_mask((ix0, t, ix1, b))
        shade = P.vgradient(W, H, [(0.0, (70, 60, 60)), (t / H, (70, 60, 60)), ((t + 36) / H, (255, 255, 255)),
                                   (1.0, (255, 255, 255))])
        P.multiply(c, shade, comp, 0.8)
        P.fill(c, (0, 0, 0, 120), ImageChops.multiply(P.blur(box_mask((ix0, t - 4, ix0 + 10, b)), 5), comp))
    # carcass: sides, cornice, shelf boards, base
    frame = Layer()
    frame.rect((x0, CASE_TOP + 14, ix0, CASE_BASE), (255, 255, 255, 255))
    frame.rect((ix1, CASE_TOP + 14, x1, CASE_BASE), (255, 255, 255, 255))
    for b in BOARDS:
        frame.rect((ix0 - 1, b, ix1 + 1, b + BOARD_T), (255, 255, 255, 255))
    frame.rect((x0, BOARDS[-1], x1, CASE_BASE), (255, 255, 255, 255))
    fm = frame.mask()
    fill_wood(c, fm, seed + 5, MID_WOOD, vertical=True, lines=60)
    P.bevel(c, fm, 2, 0.4, 0.55)
    for b in BOARDS[:-1]:
        P.fill(c, (0, 0, 0, 140), ImageChops.multiply(P.blur(box_mask((ix0, b + BOARD_T, ix1, b + BOARD_T + 6)), 3),
                                                     P.invert(fm)))
    # cupboard doors with brass knobs
    doors = Layer()
    mid = (x0 + x1) / 2
    for dx0, dx1 in ((ix0, mid - 3), (mid + 3, ix1)):
        doors.rect((dx0, BOARDS[-1] + 18, dx1, CASE_BASE - 12), (255, 255, 255, 255), 3)
    dm = doors.mask()
    P.inner_shadow(c, dm, 3, (2, 3), 0.5)
    P.bevel(c, dm, 2, 0.35, 0.4)
    knobs = Layer()
    for kx in (mid - 10, mid + 10):
        if ix0 < kx < ix1:
            knobs.ell((kx - 3.5, (BOARDS[-1] + CASE_BASE) / 2 - 3.5, kx + 3.5, (BOARDS[-1] + CASE_BASE) / 2 + 3.5),
                      P.GOLD + (255,))
    km = knobs.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    P.bevel(c, km, 1, 0.6, 0.4)
    cornice = Layer()
    cornice.rect((x0 - 8, CASE_TOP, x1 + 8, CASE_TOP + 10), (255, 255, 255, 255), 2)
    cornice.rect((x0 - 3, CASE_TOP + 10, x1 + 3, CASE_TOP + 24), (255, 255, 255, 255))
    cm = cornice.mask()
    P.fill(c, P.drop_shadow(cm, (0, 6), 4, 0.55), FULL)
    fill_wood(c, cm, seed + 7, LIGHT_WOOD, lines=4)
    P.bevel(c, cm, 2, 0.5, 0.5)
    P.fill(c, P.GOLD + (200,), box_mask((x0 - 3, CASE_TOP + 13, x1 + 3, CASE_TOP + 15)))
    plinth = box_mask((x0 - 4, CASE_BASE - 10, x1 + 4, CASE_BASE))
    fill_wood(c, plinth, seed + 9, DARK_WOOD, lines=3)
    P.bevel(c, plinth, 1, 0.35, 0.45)


def lib_window(c):
    """The arched window onto the moonlit sea, its frame, sill and teal velvet curtains."""
    x0, y0, x1, y1 = WINDOW
    ww, wh = x1 - x0, y1 - y0
    r = ww / 2
    opening = P.mask_from((W, H), lambda d, s: (d.rectangle((x0 * s, (y0 + r) * s, x1 * s, y1 * s), fill=255),
                                                d.ellipse((x0 * s, y0 * s, x1 * s, (y0 + 2 * r) * s), fill=255)))
    horizon = int(wh * 0.64)
    view = Image.new("RGB", (ww, wh))
    view.paste(P.vgradient(ww, horizon, [(0.0, (8, 14, 34)), (0.6, (22, 40, 72)), (1.0, (56, 80, 110))]), (0, 0))
    view.paste(P.vgradient(ww, wh - horizon, [(0.0, (30, 50, 70)), (0.3, (14, 34, 48)), (1.0, (6, 16, 24))]),
               (0, horizon))
    view = P.to_rgba(view)
    clouds = S.ui_art.cloud_bank((ww, horizon), 41, [(30, 50, 40, 8), (110, 70, 30, 6)], (30, 40, 66),
                                 (70, 84, 110), rim=(190, 200, 210), softness=4)
    view.alpha_composite(clouds)
    d = ImageDraw.Draw(view)
    rng = random.Random(43)
    for _ in range(40):
        sx, sy = rng.uniform(0, ww), rng.uniform(0, horizon * 0.7)
        d.point((sx, sy), fill=(230, 236, 255, int(rng.uniform(90, 230))))
    # the moon and its path on the water
    mx, my = ww * 0.68, horizon * 0.3
    P.add_light(view, (120, 130, 150), P.curve(P.radial_field(ww, wh, mx, my, 60), lambda t: (1 - t) ** 2))
    d = ImageDraw.Draw(view)
    d.ellipse((mx - 13, my - 13, mx + 13, my + 13), fill=(250, 246, 226))
    d.ellipse((mx - 6, my - 5, mx + 1, my + 2), fill=(228, 224, 204))
    for _ in range(60):
        gy = horizon + 2 + rng.random() ** 1.4 * (wh - horizon - 4)
        spread = 6 + (gy - horizon) * 0.5
        gx = mx + rng.uniform(-spread, spread)
        gl = rng.uniform(3, 9)
        d.line([(gx - gl / 2, gy), (gx + gl / 2, gy)], fill=(220, 226, 240, int(rng.uniform(80, 200))), width=1)
    # the headland with the lighthouse far away
    d.polygon([(0, horizon), (0, horizon - 14), (40, horizon - 18), (80, horizon - 6), (104, horizon)],
              fill=(14, 18, 30))
    d.rectangle((26, horizon - 40, 30, horizon - 17), fill=(150, 150, 150))
    d.rectangle((25, horizon - 44, 31, horizon - 40), fill=(30, 24, 30))
    P.add_light(view, (255, 220, 140), P.curve(P.radial_field(ww, wh, 28, horizon - 42, 14), lambda t: (1 - t) ** 2))
    paste_rgb(c, view, (x0, y0), opening)
    # moonlight spilling into the room
    light(c, (x0 + x1) / 2, y1 + 10, 200, (40, 50, 70), 0.6, 120)
    # frame, glazing bars and the sash
    frame = Layer()
    fc = (255, 255, 255, 255)
    frame.rect((x0 - 12, y0 + r, x0 + 2, y1 + 4), fc)
    frame.rect((x1 - 2, y0 + r, x1 + 12, y1 + 4), fc)
    frame.arc((x0 - 12, y0 - 12, x1 + 12, y0 + 2 * r + 12), 180, 360, fc, 14)
    cx = (x0 + x1) / 2
    frame.rect((cx - 4, y0, cx + 4, y1), fc)
    for fy in (y0 + r + 10, y0 + r + 90, y0 + r + 170):
        if fy < y1 - 8:
            frame.rect((x0, fy - 3, x1, fy + 3), fc)
    frame.line([(cx, y0 + r), (x0 + 22, y0 + 40)], fc, 5)
    frame.line([(cx, y0 + r), (x1 - 22, y0 + 40)], fc, 5)
    fmask = frame.mask()
    P.fill(c, P.drop_shadow(fmask, (3, 4), 4, 0.5), FULL)
    fill_wood(c, fmask, 222, [(0.0, (40, 24, 14)), (0.6, (74, 46, 26)), (1.0, (104, 68, 38))], lines=20)
    P.bevel(c, fmask, 2, 0.4, 0.45)
    sheen = Layer()
    for gx in (x0 + 16, cx + 16):
        sheen.poly([(gx, y1 - 10), (gx + 30, y0 + 60), (gx + 44, y0 + 60), (gx + 14, y1 - 10)], (220, 230, 255, 22))
    P.fill(c, sheen.image(), opening)
    # the sill
    sill = Layer()
    sill.rect((x0 - 26, SILL, x1 + 26, SILL + 14), (255, 255, 255, 255), 2)
    sm = sill.mask()
    P.fill(c, P.drop_shadow(sm, (0, 6), 5, 0.6), FULL)
    fill_wood(c, sm, 224, LIGHT_WOOD, lines=3)
    P.bevel(c, sm, 2, 0.45, 0.45)
    # curtain pole and the two drapes
    rod = Layer()
    rod.rect((x0 - 70, y0 - 30, x1 + 70, y0 - 23), P.BRASS + (255,), 3)
    for ex in (x0 - 74, x1 + 74):
        rod.ell((ex - 7, y0 - 34, ex + 7, y0 - 20), P.GOLD + (255,))
    rm = rod.onto(c, shadow=0.45, offset=(2, 4), radius=3)
    P.bevel(c, rm, 1, 0.6, 0.4)
    for side in (-1, 1):
        cur = Layer()
        ex = x0 - 72 if side < 0 else x1 + 72
        inner = x0 + 6 if side < 0 else x1 - 6
        tie = y0 + 176
        pts = ([(ex, y0 - 26), (inner, y0 - 26)] +
               bezier((inner, y0 - 26), (inner - side * 10, tie - 80), (ex + side * 16, tie), 12) +
               bezier((ex + side * 16, tie), (ex + side * 30, tie + 90), (ex + side * 34, FLOOR + 6),
                                       12) +
               [(ex - side * 16, FLOOR + 6), (ex - side * 12, tie + 10), (ex - side * 8, y0 + 60)])
        cur.poly(pts, (255, 255, 255, 255))
        cm = cur.mask()
        P.fill(c, P.drop_shadow(cm, (side * 5, 6), 8, 0.55), FULL)
        P.fill(c, (26, 84, 90), cm)
        row = Image.new("L", (W, 1))
        row.putdata([int(150 + 105 * math.sin(2 * math.pi * x / 15.0)) for x in range(W)])
        folds = row.resize((W, H), Image.Resampling.NEAREST)
        P.multiply(c, Image.merge("RGB", [P.blur(folds, 2)] * 3), cm, 0.5)
        P.multiply(c, P.vgradient(W, H, [(0.0, (255, 255, 255)), (0.5, (200, 200, 200)), (1.0, (120, 120, 120))]),
                   cm, 0.6)
        P.add_light(c, (90, 110, 120), ImageChops.multiply(cm, P.curve(P.radial_field(W, H, inner, y0 + 120, 120),
                                                                        lambda t: (1 - t) ** 2)), 0.35)
        # a gold tasselled tie-back gathering the drape
        gx0, gx1 = sorted((ex + side * 18, ex - side * 14))
        tb = Layer()
        tb.rect((gx0 - 3, tie - 5, gx1 + 3, tie + 5), P.GOLD + (255,), 4)
        tx = (gx0 + gx1) / 2
        tb.line([(tx, tie + 2), (tx + side * 2, tie + 24)], P.GOLD_DARK + (255,), 3)
        tb.ell((tx - 5, tie + 18, tx + 5, tie + 28), P.GOLD + (255,))
        tb.poly([(tx - 5, tie + 24), (tx + 5, tie + 24), (tx + 8, tie + 44), (tx - 8, tie + 44)], P.GOLD + (255,))
        tm = tb.onto(c, shadow=0.45, offset=(2, 3), radius=2)
        P.bevel(c, tm, 1, 0.6, 0.45)
        fr = Layer()
        for k in range(-6, 7, 2):
            fr.line([(tx + k * 0.6, tie + 28), (tx + k, tie + 44)], (120, 80, 24, 200), 0.8)
        fr.onto(c)


def lib_fireplace(c):
    """A dark wood chimney piece with a marble slip, the fire, a brass fender and the mantelpiece."""
    fx0, fx1 = FIRE
    cx = CHIMNEY_X
    breast = box_mask((fx0, MOULD, fx1, FLOOR))
    P.fill(c, (0, 0, 0, 110), P.shift(P.blur(breast, 12), 10, 0))
    P.fill(c, (0, 0, 0, 110), P.shift(P.blur(breast, 12), -10, 0))
    # marble surround
    surround = box_mask((fx0 + 10, MANTEL + 14, fx1 - 10, FLOOR + 8))
    marble = P.gradient_map(P.fbm(W, H, 231, ((60, 0.4), (14, 0.35), (4, 0.25)), stretch=2.5),
                            [(0.0, (96, 88, 84)), (0.5, (160, 150, 140)), (0.8, (196, 186, 172)),
                             (1.0, (220, 212, 198))])
    veins = P.curve(P.fbm(W, H, 233, ((40, 0.6), (10, 0.4)), stretch=2.0), lambda t: max(0.0, 1 - abs(t - 0.5) * 14))
    P.fill(c, marble, surround)
    P.fill(c, (70, 60, 58, 150), ImageChops.multiply(veins, surround))
    P.bevel(c, surround, 2, 0.4, 0.45)
    # wooden pilasters either side
    pil = Layer()
    for px in (fx0 + 10, fx1 - 44):
        pil.rect((px, MANTEL + 14, px + 34, FLOOR + 8), (255, 255, 255, 255))
    pm = pil.mask()
    P.fill(c, P.drop_shadow(pm, (3, 0), 4, 0.5), FULL)
    fill_wood(c, pm, 235, MID_WOOD, vertical=True, lines=30)
    P.bevel(c, pm, 2, 0.4, 0.5)
    flutes = Layer()
    for px in (fx0 + 10, fx1 - 44):
        for k in range(3):
            flutes.rect((px + 7 + k * 8, MANTEL + 40, px + 11 + k * 8, FLOOR - 16), (255, 255, 255, 255), 2)
    P.inner_shadow(c, flutes.mask(), 2, (1, 2), 0.6)
    # the opening with the fire
    ox0, ox1, oy0 = cx - 62, cx + 62, MANTEL + 86
    hole = Layer()
    hole.rect((ox0, oy0 + 40, ox1, FLOOR + 8), (255, 255, 255, 255))
    hole.pie((ox0, oy0, ox1, oy0 + 84), 180, 360, (255, 255, 255, 255))
    hm = hole.mask()
    inside = P.gradient_map(P.radial_field(W, H, cx, FLOOR - 10, 120, 150),
                            [(0.0, (160, 76, 26)), (0.35, (74, 32, 14)), (0.8, (22, 12, 10)), (1.0, (10, 8, 8))])
    P.fill(c, inside, hm)
    P.inner_shadow(c, hm, 8, (4, 8), 0.8)
    bricks = Layer()
    for row, by in enumerate(range(int(oy0 + 10), FLOOR - 30, 12)):
        for bx in range(int(ox0) - 20 + (row % 2) * 12, int(ox1), 24):
            bricks.rect((bx + 1, by + 1, bx + 23, by + 11), (60, 30, 22, 100))
    P.fill(c, bricks.image(), hm)
    logs = Layer()
    logs.rect((cx - 50, FLOOR - 18, cx + 44, FLOOR - 4), (70, 42, 24, 255), 7)
    logs.rect((cx - 36, FLOOR - 28, cx + 52, FLOOR - 15), (86, 52, 28, 255), 7)
    for ex, ey in ((cx + 38, FLOOR - 20), (cx + 46, FLOOR - 30)):
        logs.ell((ex, ey, ex + 13, ey + 15), (52, 30, 16, 255))
        logs.ell((ex + 2, ey + 2, ex + 11, ey + 13), (150, 104, 60, 255))
    lm = logs.onto(c)
    P.bevel(c, lm, 2, 0.3, 0.5)
    light(c, cx, FLOOR - 36, 80, (255, 150, 50), 0.8, 60)
    flames = Layer()
    rng = random.Random(237)
    for i in range(8):
        fxx = cx - 38 + i * 11 + rng.uniform(-3, 3)
        fh = rng.uniform(32, 58) * (1 - abs(i - 3.5) / 6.5)
        flames.poly([(fxx - 9, FLOOR - 22), (fxx - 4, FLOOR - 22 - fh * 0.6), (fxx + rng.uniform(-3, 3),
                     FLOOR - 22 - fh), (fxx + 5, FLOOR - 22 - fh * 0.5), (fxx + 9, FLOOR - 22)], (255, 150, 40, 220))
    flames.onto(c, blur=1.5)
    inner_f = Layer()
    for i in range(4):
        fxx = cx - 20 + i * 13
        fh = 26 * (1 - abs(i - 1.5) / 3.0) + 8
        inner_f.poly([(fxx - 6, FLOOR - 22), (fxx, FLOOR - 22 - fh), (fxx + 6, FLOOR - 22)], (255, 236, 150, 230))
    inner_f.onto(c, blur=1.5)
    # the hearth slab and a brass fender
    hearth = Layer()
    hearth.poly([(fx0 - 14, FLOOR + 6), (fx1 + 14, FLOOR + 6), (fx1 + 30, HEARTH), (fx0 - 30, HEARTH)],
                (255, 255, 255, 255))
    hm2 = hearth.mask()
    P.fill(c, P.drop_shadow(hm2, (0, 5), 4, 0.6), FULL)
    P.fill(c, marble, hm2)
    P.multiply(c, (150, 140, 130), hm2, 0.6)
    P.bevel(c, hm2, 2, 0.4, 0.45)
    fender = Layer()
    fender.rect((ox0 - 16, FLOOR + 2, ox1 + 16, FLOOR + 10), (255, 255, 255, 255), 3)
    for x in range(int(ox0 - 10), int(ox1 + 14), 12):
        fender.rect((x, FLOOR - 8, x + 3, FLOOR + 4), (255, 255, 255, 255))
    fender.rect((ox0 - 16, FLOOR - 12, ox1 + 16, FLOOR - 7), (255, 255, 255, 255), 2)
    fdm = fender.mask()
    P.fill(c, P.drop_shadow(fdm, (2, 4), 3, 0.5), FULL)
    P.fill(c, P.metal(W, H, seed=239), fdm)
    P.bevel(c, fdm, 1, 0.6, 0.45)
    # the mantelpiece
    mantel = Layer()
    mantel.rect((fx0 - 18, MANTEL, fx1 + 18, MANTEL + 14), (255, 255, 255, 255), 2)
    mantel.rect((fx0 - 6, MANTEL + 14, fx1 + 6, MANTEL + 26), (255, 255, 255, 255), 1)
    mm = mantel.mask()
    P.fill(c, P.drop_shadow(mm, (0, 8), 6, 0.6), FULL)
    fill_wood(c, mm, 241, LIGHT_WOOD, lines=5)
    P.bevel(c, mm, 2, 0.45, 0.5)
    P.fill(c, P.GOLD + (190,), box_mask((fx0 - 6, MANTEL + 18, fx1 + 6, MANTEL + 20)))


def lib_desk(c):
    """The writing desk under the window: leather-topped board, drawers with brass pulls, turned legs."""
    x0, x1 = DESK
    legs = Layer()
    for lx in (x0 + 10, x1 - 30):
        legs.rect((lx, DESK_TOP + 80, lx + 20, DESK_FOOT), (255, 255, 255, 255), 5)
        legs.ell((lx - 3, DESK_TOP + 96, lx + 23, DESK_TOP + 112), (255, 255, 255, 255))
    lgm = legs.mask()
    P.fill(c, (0, 0, 0, 130), P.blur(P.ellipse_mask((W, H), (x0 - 10, DESK_FOOT - 10, x1 + 10, DESK_FOOT + 16)), 8))
    fill_wood(c, lgm, 251, MID_WOOD, vertical=True, lines=20)
    P.bevel(c, lgm, 2, 0.45, 0.5)
    # the dark space under the desk
    P.fill(c, (0, 0, 0, 110), P.blur(box_mask((x0 + 30, DESK_TOP + 80, x1 - 30, DESK_FOOT - 4)), 10))
    apron = Layer()
    apron.rect((x0, DESK_TOP + 6, x1, DESK_TOP + 82), (255, 255, 255, 255), 2)
    am = apron.mask()
    P.fill(c, P.drop_shadow(am, (0, 8), 8, 0.6), FULL)
    fill_wood(c, am, 253, MID_WOOD, lines=6)
    P.bevel(c, am, 2, 0.35, 0.5)
    drawers = Layer()
    mid = (x0 + x1) / 2
    for dx0, dx1 in ((x0 + 14, mid - 64), (mid - 56, mid + 56), (mid + 64, x1 - 14)):
        drawers.rect((dx0, DESK_TOP + 20, dx1, DESK_TOP + 72), (255, 255, 255, 255), 2)
    dm = drawers.mask()
    P.inner_shadow(c, dm, 3, (2, 3), 0.55)
    P.bevel(c, dm, 2, 0.35, 0.4)
    pulls = Layer()
    for px in ((x0 + 14 + mid - 64) / 2, mid, (mid + 64 + x1 - 14) / 2):
        pulls.arc((px - 10, DESK_TOP + 40, px + 10, DESK_TOP + 56), 0, 180, P.GOLD + (255,), 3)
        pulls.ell((px - 12, DESK_TOP + 42, px - 8, DESK_TOP + 46), P.GOLD + (255,))
        pulls.ell((px + 8, DESK_TOP + 42, px + 12, DESK_TOP + 46), P.GOLD + (255,))
    pm = pulls.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    P.bevel(c, pm, 1, 0.6, 0.4)
    # the top: a board seen slightly from above, with a green leather inlay
    top = Layer()
    top.rect((x0 - 8, DESK_TOP - 16, x1 + 8, DESK_TOP + 8), (255, 255, 255, 255), 3)
    tm = top.mask()
    P.fill(c, P.drop_shadow(tm, (0, 6), 4, 0.5), FULL)
    fill_wood(c, tm, 255, LIGHT_WOOD, lines=5)
    P.bevel(c, tm, 2, 0.4, 0.5)
    inlay = Layer()
    inlay.rect((x0 + 10, DESK_TOP - 13, x1 - 10, DESK_TOP - 1), (255, 255, 255, 255), 2)
    im = inlay.mask()
    P.fill(c, (34, 72, 52), im)
    P.soft_light(c, P.fbm(W, H, 257, ((8, 0.5), (2, 0.5))).point(lambda i: 100 + i // 4))
    P.inner_shadow(c, im, 2, (1, 2), 0.5)
    P.fill(c, P.GOLD + (150,), ImageChops.subtract(im, P.rrect_mask((W, H), (x0 + 12, DESK_TOP - 11, x1 - 12,
                                                                              DESK_TOP - 3), 2)))
    edge = box_mask((x0 - 8, DESK_TOP, x1 + 8, DESK_TOP + 8))
    P.multiply(c, (120, 90, 70), edge, 0.5)


def oil_lamp(c, x, base):
    """The oil lamp on the desk: a brass font on a foot, a glass chimney and its glow (painted into the room)."""
    lay = Layer()
    lay.ell((x - 20, base - 8, x + 20, base + 2), (255, 255, 255, 255))
    lay.rect((x - 5, base - 34, x + 5, base - 4), (255, 255, 255, 255))
    lay.ell((x - 22, base - 62, x + 22, base - 28), (255, 255, 255, 255))
    lay.rect((x - 12, base - 70, x + 12, base - 58), (255, 255, 255, 255), 3)
    bm = lay.mask()
    P.fill(c, P.drop_shadow(bm, (4, 3), 3, 0.5), FULL)
    P.fill(c, P.hgradient(W, H, [(0.0, P.GOLD_DARK), ((x - 14) / W, P.GOLD_LIGHT), ((x + 4) / W, P.GOLD),
                                 ((x + 22) / W, P.GOLD_DARK), (1.0, P.GOLD_DARK)]), bm)
    P.bevel(c, bm, 2, 0.6, 0.45)
    glass = Layer()
    glass.poly([(x - 9, base - 70), (x + 9, base - 70), (x + 15, base - 92), (x + 8, base - 118), (x + 8, base - 136),
                (x - 8, base - 136), (x - 8, base - 118), (x - 15, base - 92)], (255, 236, 190, 110))
    glass.onto(c)
    light(c, x, base - 92, 24, (255, 200, 110), 1.0)
    flame = Layer()
    flame.poly([(x - 4, base - 78), (x, base - 102), (x + 4, base - 78)], (255, 250, 220, 255))
    flame.onto(c, blur=1)
    sheen = Layer()
    sheen.rect((x - 6, base - 128, x - 4, base - 96), (255, 255, 255, 120))
    sheen.onto(c)


def lib_floor(c):
    """A plank floor in perspective and a patterned rug before the desk."""
    tex = S.plank_texture(271, [(0.0, (54, 30, 16)), (0.5, (92, 56, 30)), (1.0, (124, 80, 44))], 273, 64)
    vx, vy = W / 2, 230.0   # where the floor's lines meet; the rug follows them
    S.lay_floor(c, tex, FLOOR, vy, (120, 110, 100))
    P.fill(c, (0, 0, 0, 120), P.blur(box_mask((0, FLOOR, W, FLOOR + 8)), 4))
    # the rug: drawn flat, then laid into the floor's perspective
    rw, rh = 900, 420
    rug = Image.new("RGBA", (rw, rh), (0, 0, 0, 0))
    rd = ImageDraw.Draw(rug)
    rd.rectangle((0, 0, rw, rh), fill=(110, 26, 36, 255))
    rd.rectangle((14, 14, rw - 14, rh - 14), fill=(20, 62, 66, 255))
    rd.rectangle((34, 34, rw - 34, rh - 34), fill=(214, 164, 80, 255))
    rd.rectangle((40, 40, rw - 40, rh - 40), fill=(120, 30, 42, 255))
    for x in range(60, rw - 50, 40):
        rd.polygon([(x, 24), (x + 10, 14), (x + 20, 24), (x + 10, 34)], fill=(214, 164, 80, 255))
        rd.polygon([(x, rh - 24), (x + 10, rh - 34), (x + 20, rh - 24), (x + 10, rh - 14)], fill=(214, 164, 80, 255))
    cxr, cyr = rw / 2, rh / 2
    rd.polygon([(cxr - 260, cyr), (cxr, cyr - 150), (cxr + 260, cyr), (cxr, cyr + 150)], fill=(22, 66, 70, 255))
    rd.polygon([(cxr - 220, cyr), (cxr, cyr - 124), (cxr + 220, cyr), (cxr, cyr + 124)], fill=(150, 40, 50, 255))
    rd.ellipse((cxr - 90, cyr - 60, cxr + 90, cyr + 60), fill=(230, 190, 110, 255))
    rd.ellipse((cxr - 70, cyr - 44, cxr + 70, cyr + 44), fill=(24, 70, 74, 255))
    for ang in range(0, 360, 30):
        a = math.radians(ang)
        px, py = cxr + math.cos(a) * 50, cyr + math.sin(a) * 30
        rd.ellipse((px - 8, py - 6, px + 8, py + 6), fill=(220, 170, 90, 255))
    for qx, qy in ((110, 100), (rw - 110, 100), (110, rh - 100), (rw - 110, rh - 100)):
        rd.polygon([(qx - 40, qy), (qx, qy - 30), (qx + 40, qy), (qx, qy + 30)], fill=(24, 70, 74, 255))
        rd.ellipse((qx - 10, qy - 8, qx + 10, qy + 8), fill=(226, 180, 100, 255))
    P.soft_light(rug, P.fbm(rw, rh, 275, ((3, 0.5), (1, 0.5))).point(lambda i: 100 + i // 4))
    back_y, front_y = FLOOR + 40, H + 180
    bl, br = 170, 860
    kf = (front_y - vy) / (back_y - vy)
    dst = [(bl, back_y), (br, back_y), (vx + (br - vx) * kf, front_y), (vx + (bl - vx) * kf, front_y)]
    coeffs = S.homography([(0, 0), (rw, 0), (rw, rh), (0, rh)], dst)
    laid = rug.transform((W, H), Image.Transform.PERSPECTIVE, coeffs, Image.Resampling.BICUBIC)
    rm = laid.getchannel("A")
    P.fill(c, P.drop_shadow(rm, (0, 3), 3, 0.6), FULL)
    P.multiply(laid, P.vgradient(W, H, [(0.0, (150, 140, 130)), (back_y / H, (150, 140, 130)),
                                        (1.0, (255, 255, 255))]))
    c.alpha_composite(laid)
    fringe = Layer()
    for x in range(bl + 4, br - 2, 5):
        fringe.line([(x, back_y), (x - 1, back_y - 5)], (226, 208, 170, 220), 1.2)
    fringe.onto(c)


def library_room():
    """The library without any item: 1024 x 768, opaque."""
    c = Image.new("RGBA", (W, H), (0, 0, 0, 255))
    lib_wall(c)
    lib_window(c)
    lib_floor(c)
    lib_fireplace(c)
    lib_desk(c)
    lib_ceiling(c)
    # free places on each shelf (from the top), where items will stand
    bookcase(c, *LEFT_CASE, 281, [[(50, 94), (230, 274)], [(100, 148), (180, 222)], [(56, 106), (234, 270)],
                                  [(146, 190)]])
    bookcase(c, *RIGHT_CASE, 291, [[(962, 992)], [(960, 994)], [(956, 1018)], []])
    oil_lamp(c, *LAMP)
    # a nail for the hanging key
    nail = Layer()
    nail.ell((362, 306, 367, 311), (40, 34, 30, 255))   # seen through the key's bow
    nail.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    # the lights: fire, lamp on the desk, the standing lamp, the candles on the mantel
    light(c, CHIMNEY_X, 520, 360, (110, 50, 16), 0.8, 240)
    light(c, CHIMNEY_X, 600, 200, (110, 64, 28), 0.6, 80)
    light(c, LAMP[0], LAMP[1] - 90, 300, (120, 74, 28), 0.85, 260)
    light(c, LAMP[0] + 40, DESK_TOP - 6, 200, (90, 60, 24), 0.6, 40)
    light(c, 318, 230, 260, (100, 60, 26), 0.6, 240)
    light(c, 318, 200, 60, (255, 190, 100), 0.35)
    light(c, 800, MANTEL - 40, 200, (80, 48, 20), 0.5, 120)
    return S.finish(c, 299, 0.6)


# ================================================================ the goals

SILVER = S.SILVER
BRASS = S.BRASS
IRON = S.IRON
COPPER = S.COPPER


def globe():
    """A small desk globe: teal sea with cream land, a brass meridian ring on a turned wooden stand."""
    s = Sheet(50, 68)
    foot = s.mask(lambda d, sc: (d.ellipse(s._b((8, 60, 42, 68), sc), fill=255),
                                 d.rectangle(s._b((22, 44, 28, 62), sc), fill=255),
                                 d.ellipse(s._b((17, 52, 33, 58), sc), fill=255)))
    s.grad(foot, cyl((120, 72, 36)))
    s.bevel(foot, 1, 0.5, 0.45)
    ball = s.ell((6, 4, 44, 42))
    s.rgrad(ball, 18, 14, 40, [(0.0, (90, 170, 170)), (0.5, (34, 104, 112)), (1.0, (12, 46, 54))])
    land = s.mask(lambda d, sc: (d.polygon(s._p([(14, 12), (22, 9), (26, 14), (22, 20), (24, 28), (18, 32), (14, 24),
                                                  (10, 18)], sc), fill=255),
                                 d.polygon(s._p([(30, 10), (38, 14), (40, 22), (34, 24), (30, 18)], sc), fill=255),
                                 d.polygon(s._p([(30, 28), (36, 28), (34, 36), (28, 34)], sc), fill=255)))
    s.rgrad(ImageChops.multiply(land, ball), 18, 14, 40, [(0.0, (246, 226, 170)), (0.6, (200, 170, 104)),
                                                          (1.0, (110, 90, 50))])
    grid = s.mask(lambda d, sc: (d.ellipse(s._b((14, 4, 36, 42), sc), outline=255, width=int(0.7 * sc)),
                                 d.line(s._p([(6, 23), (44, 23)], sc), fill=255, width=int(0.7 * sc))))
    P.fill(s.img, (230, 220, 180, 90), ImageChops.multiply(grid, ball))
    s.gloss(s.ell((13, 9, 23, 16)), 90)
    ring = s.arc((1, -1, 49, 47), 100, 400, 2.6)
    s.grad(ring, BRASS)
    s.bevel(ring, 1, 0.6, 0.4)
    s.paint(s.ell((23, 1, 27, 5)), P.GOLD)
    return s.done()


def magnifier():
    """A magnifying glass with a brass rim and a turned wooden handle."""
    s = Sheet(36, 74)
    handle = s.rect((13, 38, 23, 74), 4)
    s.grad(handle, cyl((120, 50, 30)))
    s.paint(s.rect((12, 36, 24, 44), 2), P.GOLD)
    s.paint(s.rect((13, 68, 23, 72), 2), P.GOLD)
    lens = s.ell((2, 2, 34, 34))
    s.rgrad(lens, 12, 10, 34, [(0.0, (236, 246, 250, 230)), (0.6, (150, 190, 200, 190)), (1.0, (90, 130, 140, 210))])
    rim = s.ring((0, 0, 36, 36), 4)
    s.grad(rim, BRASS)
    s.bevel(rim, 1, 0.6, 0.45)
    s.gloss(s.ell((8, 7, 16, 14)), 170)
    return s.done(rot=-38)


def hourglass():
    """An hourglass: two wooden discs on turned posts, a glass with sand running down."""
    s = Sheet(36, 60)
    glass = s.poly(bezier((7, 6), (4, 26), (17, 30), 10) + bezier((17, 30), (4, 34), (7, 54), 10) +
                   bezier((29, 54), (32, 34), (19, 30), 10) + bezier((19, 30), (32, 26), (29, 6), 10))
    s.grad(glass, [(0.0, (180, 200, 200, 120)), (0.3, (250, 255, 255, 170)), (1.0, (140, 160, 160, 120))])
    sand_top = ImageChops.multiply(glass, s.poly([(8, 18), (28, 18), (18, 30)]))
    s.grad(sand_top, cyl((226, 180, 96), 1.15, 0.7))
    sand_bot = ImageChops.multiply(glass, s.poly([(18, 38), (30, 53), (6, 53)]))
    s.grad(sand_bot, cyl((226, 180, 96), 1.15, 0.7))
    s.paint(s.line([(18, 30), (18, 44)], 0.9), (226, 180, 96))
    for y in (0, 54):
        disc = s.rect((0, y, 36, y + 6), 2)
        s.grad(disc, cyl((126, 76, 36)))
        s.bevel(disc, 1, 0.5, 0.45)
    posts = s.mask(lambda d, sc: [d.rounded_rectangle(s._b((x, 5, x + 3.5, 55), sc), radius=1.5 * sc, fill=255)
                                  for x in (1.5, 31)])
    s.grad(posts, cyl((140, 86, 42)))
    s.gloss(s.rect((10, 8, 12, 22), 1), 120)
    return s.done()


def quill_pen():
    """A long quill with a dark brown-barred feather and a gilt nib."""
    s = Sheet(34, 100)
    vane = s.poly(bezier((18, 80), (0, 46), (24, 0), 24) + bezier((24, 0), (34, 36), (20, 66), 20))
    s.grad(vane, [(0.0, (150, 120, 90)), (0.45, (236, 220, 190)), (1.0, (130, 100, 74))])
    bars = s.lines([[(4, y), (32, y - 6)] for y in range(10, 80, 9)], 2.5)
    P.fill(s.img, (90, 56, 34, 170), ImageChops.multiply(bars, vane))
    shaft = s.line(bezier((18, 100), (17, 50), (24, 2), 24), 1.8)
    s.paint(shaft, (244, 232, 206))
    nib = s.poly([(16.5, 86), (19.5, 86), (18.4, 100), (17.6, 100)])
    s.grad(nib, BRASS)
    return s.done(rot=-24)


def reading_glasses():
    """Round wire spectacles, temples folded behind."""
    s = Sheet(60, 26)
    temples = s.lines([[(4, 10), (18, 22), (30, 21)], [(56, 10), (44, 22), (34, 21)]], 1.6)
    s.paint(temples, P.GOLD_DARK)
    for x in (1, 33):
        lens = s.ell((x + 1, 3, x + 25, 24))
        s.grad(lens, [(0.0, (200, 226, 230, 90)), (0.4, (250, 255, 255, 150)), (1.0, (170, 200, 210, 90))])
        rim = s.ring((x, 2, x + 26, 25), 2.2)
        s.grad(rim, BRASS)
        s.gloss(s.ell((x + 6, 6, x + 12, 11)), 170)
    bridge = s.arc((24, 4, 36, 14), 200, 340, 2.2)
    s.grad(bridge, BRASS)
    return s.done(rot=6)


def chess_knight():
    """A black chess knight with ivory highlights on a round base."""
    s = Sheet(34, 56)
    base = s.mask(lambda d, sc: (d.ellipse(s._b((0, 46, 34, 56), sc), fill=255),
                                 d.rectangle(s._b((0, 44, 34, 51), sc), fill=255),
                                 d.ellipse(s._b((0, 40, 34, 48), sc), fill=255)))
    s.grad(base, cyl((54, 44, 40), 1.8, 0.6))
    head = s.glyph("\u265e", P.SANS, 52, 16, 24)
    s.grad(head, cyl((60, 48, 44), 1.9, 0.6))
    s.bevel(head, 1, 0.55, 0.4)
    s.paint(s.rect((3, 44, 31, 46), 1), P.GOLD)
    return s.done()


def owl():
    """A bronze owl figurine on a little plinth: tufted ears, big amber eyes, folded wings."""
    s = Sheet(40, 54)
    plinth = s.rect((2, 46, 38, 54), 2)
    s.grad(plinth, cyl((70, 40, 24)))
    body = s.mask(lambda d, sc: (d.ellipse(s._b((4, 14, 36, 50), sc), fill=255),
                                 d.ellipse(s._b((6, 4, 34, 30), sc), fill=255),
                                 d.polygon(s._p([(6, 12), (7, 0), (15, 8)], sc), fill=255),
                                 d.polygon(s._p([(34, 12), (33, 0), (25, 8)], sc), fill=255)))
    s.rgrad(body, 14, 14, 44, [(0.0, (226, 170, 96)), (0.5, (150, 96, 46)), (1.0, (70, 40, 20))])
    belly = s.ell((11, 26, 29, 46))
    s.rgrad(belly, 18, 32, 18, [(0.0, (240, 200, 140)), (1.0, (170, 118, 62))])
    marks = s.mask(lambda d, sc: [d.arc(s._b((x - 3, y - 2, x + 3, y + 2), sc), 0, 180, fill=255, width=int(1 * sc))
                                  for x in (15, 20, 25) for y in (31, 36, 41)])
    P.fill(s.img, (110, 70, 30, 200), ImageChops.multiply(marks, belly))
    for x, sgn in ((4, 1), (36, -1)):
        wing = s.poly(bezier((x, 22), (x + sgn * 2, 42), (x + sgn * 10, 48), 10) + [(x + sgn * 8, 26)])
        s.grad(wing, cyl((120, 74, 36)))
    for ex in (14, 26):
        s.paint(s.ell((ex - 6, 10, ex + 6, 22)), (250, 236, 200))
        s.paint(s.ell((ex - 4, 12, ex + 4, 20)), (230, 150, 30))
        s.paint(s.ell((ex - 2, 14, ex + 2, 18)), (20, 14, 10))
        s.gloss(s.ell((ex - 2.6, 12.6, ex - 0.6, 14.6)), 220)
    s.paint(s.poly([(18, 20), (22, 20), (20, 26)]), (70, 44, 20))
    s.bevel(body, 1, 0.4, 0.4)
    return s.done()


def butterfly():
    """A butterfly resting on the wall, wings spread: amber and teal with eyespots."""
    s = Sheet(48, 36)
    up = s.mask(lambda d, sc: (d.polygon(s._p(bezier((24, 16), (6, -8), (0, 6), 10) + [(4, 18)], sc), fill=255),
                               d.polygon(s._p(bezier((24, 16), (42, -8), (48, 6), 10) + [(44, 18)], sc), fill=255)))
    low = s.mask(lambda d, sc: (d.polygon(s._p(bezier((24, 18), (4, 20), (10, 34), 10) + [(22, 26)], sc), fill=255),
                                d.polygon(s._p(bezier((24, 18), (44, 20), (38, 34), 10) + [(26, 26)], sc),
                                          fill=255)))
    wings = ImageChops.lighter(up, low)
    s.rgrad(wings, 24, 18, 28, [(0.0, (250, 190, 80)), (0.6, (220, 120, 34)), (1.0, (120, 50, 20))])
    inner_wings = [bezier((24, 16), (8, -4), (3, 7), 10) + [(6, 17)],
                   bezier((24, 16), (40, -4), (45, 7), 10) + [(42, 17)],
                   bezier((24, 18), (7, 21), (12, 31), 10) + [(22, 25)],
                   bezier((24, 18), (41, 21), (36, 31), 10) + [(26, 25)]]
    edge = ImageChops.subtract(wings, s.mask(lambda d, sc: [d.polygon(s._p(pts, sc), fill=255) for pts in inner_wings]))
    s.paint(edge, (40, 26, 20))
    for x, y, r in ((9, 7, 3.4), (39, 7, 3.4), (14, 27, 2.4), (34, 27, 2.4)):
        s.paint(s.ell((x - r, y - r, x + r, y + r)), (30, 96, 110))
        s.paint(s.ell((x - r * 0.4, y - r * 0.4, x + r * 0.4, y + r * 0.4)), (250, 240, 210))
    for x, y in ((4, 12), (44, 12), (7, 5), (41, 5)):
        s.paint(s.ell((x - 1.2, y - 1.2, x + 1.2, y + 1.2)), (250, 240, 210))
    body = s.rect((22.5, 8, 25.5, 30), 1.5)
    s.paint(body, (40, 26, 20))
    s.paint(s.lines([[(23.5, 9), (19, 1)], [(24.5, 9), (29, 1)]], 0.9), (40, 26, 20))
    return s.done(shadow=0.4)


def padlock():
    """An iron padlock: a shackle over a brass body with a keyhole."""
    s = Sheet(34, 44)
    shackle = s.arc((6, 0, 28, 26), 180, 360, 4)
    shackle = ImageChops.lighter(shackle, s.lines([[(8, 12), (8, 22)], [(26, 12), (26, 22)]], 4))
    s.grad(shackle, IRON)
    s.bevel(shackle, 1, 0.5, 0.45)
    body = s.rect((0, 18, 34, 44), 5)
    s.grad(body, BRASS)
    s.bevel(body, 2, 0.6, 0.5)
    hole = s.mask(lambda d, sc: (d.ellipse(s._b((14, 25, 20, 31), sc), fill=255),
                                 d.polygon(s._p([(15.5, 29), (18.5, 29), (19.5, 37), (14.5, 37)], sc), fill=255)))
    P.engrave(s.img, hole, 1, 0.85, 0.5)
    return s.done(rot=-8)


def hand_bell():
    """A brass hand bell with a black wooden handle."""
    s = Sheet(40, 56)
    handle = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((16, 8, 24, 24), sc), radius=3 * sc, fill=255),
                                   d.ellipse(s._b((13, 0, 27, 12), sc), fill=255)))
    s.grad(handle, cyl((44, 30, 26), 2.0, 0.6))
    bell = s.poly(bezier((12, 24), (10, 42), (0, 50), 12) + [(40, 50)] + bezier((28, 24), (30, 42), (40, 50), 12)[::-1])
    bell = ImageChops.lighter(bell, s.ell((11, 20, 29, 30)))
    bell = ImageChops.lighter(bell, s.rect((0, 47, 40, 53), 3))
    s.grad(bell, BRASS)
    s.bevel(bell, 2, 0.55, 0.45)
    s.paint(s.rect((3, 44, 37, 46)), (130, 90, 30))
    s.paint(s.ell((17, 50, 23, 56)), (90, 66, 30))
    return s.done()


def rose():
    """A single red rose lying down: a full bloom, leaves and a thorny stem."""
    s = Sheet(86, 34)
    stem = s.line(bezier((24, 18), (54, 22), (86, 16), 16), 2.6)
    s.paint(stem, (60, 100, 44))
    thorns = s.mask(lambda d, sc: [d.polygon(s._p([(x, 19 + (x - 24) * 0.02), (x + 3, 19), (x + 1.5, 15)], sc),
                                             fill=255) for x in (42, 58, 72)])
    s.paint(thorns, (60, 100, 44))
    for lx, ly, sgn in ((48, 20, -1), (64, 19, 1)):
        leaf = s.poly(bezier((lx, ly), (lx + 6, ly + sgn * 12), (lx + 16, ly + sgn * 10), 8) +
                      bezier((lx + 16, ly + sgn * 10), (lx + 8, ly + sgn * 2), (lx, ly), 8))
        s.grad(leaf, cyl((70, 130, 56)), vertical=True)
        s.paint(s.line([(lx, ly), (lx + 14, ly + sgn * 9)], 0.8), (40, 80, 30))
    sepal = s.poly([(22, 12), (30, 18), (22, 24), (26, 18)])
    s.paint(sepal, (60, 110, 44))
    bloom = s.ell((0, 2, 28, 32))
    s.rgrad(bloom, 12, 12, 24, [(0.0, (236, 80, 90)), (0.5, (180, 24, 44)), (1.0, (96, 10, 24))])
    petals = s.mask(lambda d, sc: [d.arc(s._b(b, sc), a0, a1, fill=255, width=int(1.3 * sc)) for b, a0, a1 in
                                   (((6, 8, 22, 26), 200, 340), ((8, 10, 20, 22), 20, 200),
                                    ((10, 12, 18, 20), 180, 360),
                                    ((4, 6, 24, 28), 30, 150), ((11.5, 14, 16.5, 18.5), 0, 270))])
    P.fill(s.img, (90, 6, 20, 220), ImageChops.multiply(petals, bloom))
    s.gloss(s.ell((6, 6, 12, 10)), 70)
    return s.done(rot=8)


def folding_fan():
    """An open folding fan: cream paper painted with a burgundy flower, dark ribs and a tassel."""
    s = Sheet(70, 44)
    leaf = s.pie((0, 4, 70, 74), 200, 340)
    inner = s.pie((22, 26, 48, 52), 200, 340)
    paper = ImageChops.subtract(leaf, inner)
    s.rgrad(paper, 35, 39, 36, [(0.0, (250, 240, 216)), (0.7, (236, 214, 176)), (1.0, (200, 172, 126))])
    band = ImageChops.subtract(s.pie((2, 6, 68, 72), 200, 340), s.pie((6, 10, 64, 68), 200, 340))
    s.paint(ImageChops.multiply(band, paper), P.BURGUNDY)
    for fx, fy in ((35, 14), (22, 20), (48, 20)):
        s.paint(s.ells([(fx + math.cos(k * 1.2566) * 3 - 2.6, fy + math.sin(k * 1.2566) * 3 - 2.6,
                         fx + math.cos(k * 1.2566) * 3 + 2.6, fy + math.sin(k * 1.2566) * 3 + 2.6)
                        for k in range(5)]), (170, 40, 56))
        s.paint(s.ell((fx - 1.4, fy - 1.4, fx + 1.4, fy + 1.4)), P.GOLD)
    ribs = s.lines([[(35, 39), (35 + math.cos(math.radians(a)) * 35, 39 + math.sin(math.radians(a)) * 35)]
                    for a in range(202, 340, 10)], 0.9)
    P.fill(s.img, (120, 90, 60, 140), ImageChops.multiply(ribs, paper))
    guards = s.lines([[(35, 40), (35 + math.cos(math.radians(a)) * 35, 39 + math.sin(math.radians(a)) * 35)]
                      for a in (200, 340)], 2.4)
    s.paint(ImageChops.lighter(guards, inner), (70, 40, 24))
    s.paint(s.ell((32, 36, 38, 42)), P.GOLD)
    return s.done(rot=-10)


def teddy_bear():
    """A small worn teddy bear sitting up, with a burgundy bow."""
    s = Sheet(54, 62)
    fur = (150, 98, 52)
    parts = [(2, 34, 18, 50), (36, 34, 52, 50), (12, 26, 42, 58), (4, 48, 22, 62), (32, 48, 50, 62),
             (10, 0, 22, 12), (32, 0, 44, 12), (10, 2, 44, 32)]
    body = s.ells(parts)
    s.rgrad(body, 20, 14, 52, [(0.0, P.shade(fur, 1.4)), (0.5, fur), (1.0, P.shade(fur, 0.5))])
    tex = P.curve(P.fbm(s.w, s.h, 317, ((2, 0.5), (1, 0.5))), lambda t: 0.42 + 0.16 * t)
    P.multiply(s.img, Image.merge("RGB", [tex] * 3), body, 0.5)
    for box in ((13, 3, 19, 9), (35, 3, 41, 9), (7, 53, 17, 60), (37, 53, 47, 60)):
        s.paint(s.ell(box), (214, 176, 120))
    s.paint(s.ell((18, 38, 36, 54)), (204, 160, 104))
    snout = s.ell((19, 16, 35, 28))
    s.paint(snout, (222, 186, 132))
    s.paint(s.ell((24, 17, 30, 21)), (40, 24, 16))
    s.paint(s.arc((23, 19, 27, 25), 0, 180, 1), (40, 24, 16))
    s.paint(s.arc((27, 19, 31, 25), 0, 180, 1), (40, 24, 16))
    for ex in (19, 35):
        s.paint(s.ell((ex - 2.2, 10, ex + 2.2, 14.4)), (20, 14, 10))
        s.gloss(s.ell((ex - 1.4, 10.6, ex, 12)), 200)
    bow = s.mask(lambda d, sc: (d.polygon(s._p([(27, 33), (16, 27), (16, 38)], sc), fill=255),
                                d.polygon(s._p([(27, 33), (38, 27), (38, 38)], sc), fill=255),
                                d.ellipse(s._b((24, 30, 30, 36), sc), fill=255)))
    s.grad(bow, cyl(P.BURGUNDY, 1.6, 0.6), vertical=True)
    return s.done()


def locket_piece():
    """The broken half of grandmother's silver heart locket: the left lobe of the heart, an engraved curl and
    flower, a jagged break down the middle and the loop where the chain ran."""
    s = Sheet(30, 38)
    edge = bezier((22, 38), (2, 24), (1, 12), 12) + bezier((1, 12), (2, 1), (11, 1), 10)[1:] + \
        bezier((11, 1), (18, 1), (22, 7), 8)[1:]
    crack = [(22, 7), (19, 11), (23, 15), (19, 20), (24, 24), (20, 29), (23, 33), (22, 38)]
    half = s.poly(edge + crack[1:])
    s.rgrad(half, 7, 8, 34, [(0.0, (255, 255, 255)), (0.3, (222, 226, 234)), (0.7, (150, 156, 170)),
                              (1.0, (80, 84, 98))])
    s.bevel(half, 2, 0.75, 0.55)
    rim = s.line(bezier((21, 34), (5, 23), (4, 13), 12) + bezier((4, 13), (5, 4), (11, 4), 8)[1:] +
                 bezier((11, 4), (16, 4), (19, 8), 6)[1:], 0.9)
    P.engrave(s.img, rim, 1, 0.5, 0.55)
    curls = s.lines([bezier((8, 12), (12, 8), (14, 13), 8), bezier((14, 13), (12, 18), (9, 16), 8),
                     bezier((9, 22), (13, 24), (16, 30), 8)], 0.9)
    P.engrave(s.img, curls, 1, 0.55, 0.5)
    flower = s.ells([(8 + math.cos(k * 1.2566) * 2 - 1.3, 23 + math.sin(k * 1.2566) * 2 - 1.3,
                      8 + math.cos(k * 1.2566) * 2 + 1.3, 23 + math.sin(k * 1.2566) * 2 + 1.3) for k in range(5)])
    P.engrave(s.img, flower, 1, 0.45, 0.5)
    broken = s.line(crack, 1.2)
    s.paint(ImageChops.multiply(broken, half), (70, 74, 86))
    loop = s.ring((7, -5, 15, 3), 1.8)
    s.grad(loop, SILVER)
    s.gloss(s.ell((4, 7, 9, 13)), 220)
    return s.done(rot=-12, outline=(30, 30, 40), shadow=0.45)


KEY_LOOKS = {
    # name: (metal stops, bow shape, length, bow radius, rotation)
    "brass": (BRASS, "ring", 50, 7, -60),
    "iron": (IRON, "trefoil", 56, 8, 70),
    "silver": (SILVER, "heart", 44, 7, -20),
    "copper": (COPPER, "oval", 48, 7, 100),
    "dark": ([(0.0, (30, 24, 20)), (0.3, (120, 100, 80)), (0.6, (70, 56, 44)), (1.0, (24, 20, 16))], "ring", 40, 6,
             12),
    "gilt": (BRASS, "trefoil", 46, 7, -100),
}


def old_key(look):
    """An old bit key of one of several looks (metal, bow shape, length), lying at an angle."""
    stops, bow, length, br, rot = KEY_LOOKS[look]
    s = Sheet(br * 2 + 14, length + 4)
    cx = br + 7
    if bow == "ring":
        bm = s.ring((cx - br, 0, cx + br, 2 * br), br * 0.6)
    elif bow == "oval":
        bm = ImageChops.subtract(s.ell((cx - br, 0, cx + br, 2.4 * br)),
                                 s.ell((cx - br * 0.45, br * 0.5, cx + br * 0.45, 1.9 * br)))
    elif bow == "heart":
        outer = s.mask(lambda d, sc: (d.ellipse(s._b((cx - br, 0, cx, br), sc), fill=255),
                                      d.ellipse(s._b((cx, 0, cx + br, br), sc), fill=255),
                                      d.polygon(s._p([(cx - br, br * 0.55), (cx + br, br * 0.55), (cx, br * 2.2)], sc),
                                                fill=255)))
        bm = ImageChops.subtract(outer, s.ell((cx - br * 0.35, br * 0.35, cx + br * 0.35, br * 1.05)))
    else:  # trefoil
        r = br * 0.55
        outer = s.ells([(cx - r, 0, cx + r, 2 * r), (cx - br - r * 0.3, br * 0.7, cx - br + r * 1.7, br * 0.7 + 2 * r),
                        (cx + br - r * 1.7, br * 0.7, cx + br + r * 0.3, br * 0.7 + 2 * r)])
        bm = ImageChops.subtract(outer, s.ell((cx - r * 0.5, br * 0.9, cx + r * 0.5, br * 0.9 + r)))
    top = br * 2 - 1 if bow != "oval" else br * 2.3
    collar = s.rect((cx - br * 0.4, top, cx + br * 0.4, top + 3), 1)
    shaft = s.line([(cx, top), (cx, length)], max(2.4, br * 0.42))
    b = br
    bit = s.poly([(cx, length - b * 1.5), (cx + b * 1.15, length - b * 1.5), (cx + b * 1.15, length - b * 1.0),
                   (cx + b * 0.6, length - b * 1.0), (cx + b * 0.6, length - b * 0.55),
                   (cx + b * 1.15, length - b * 0.55),
                   (cx + b * 1.15, length), (cx, length)])
    m = ImageChops.lighter(ImageChops.lighter(bm, shaft), ImageChops.lighter(bit, collar))
    s.grad(m, stops)
    s.bevel(m, 1, 0.6, 0.45)
    return s.done(rot=rot)


# ================================================================ decoys

def scroll(length=60, colour=P.PARCHMENT, ribbon=P.BURGUNDY):
    """A rolled parchment lying down, tied with a ribbon."""
    s = Sheet(length, 18)
    roll = s.rect((4, 2, length - 4, 16), 2)
    s.grad(roll, cyl(colour, 1.1, 0.6), vertical=True)
    for x in (0, length - 8):
        end = s.ell((x, 1, x + 8, 17))
        s.paint(end, P.shade(colour, 0.9))
        s.paint(s.ring((x + 1.5, 4, x + 6.5, 14), 0.8), P.shade(colour, 0.6))
    tie = s.rect((length * 0.45, 1, length * 0.45 + 5, 17))
    s.grad(tie, cyl(ribbon))
    s.paint(s.poly([(length * 0.45 + 2, 16), (length * 0.45 - 3, 22), (length * 0.45 + 1, 21)]), ribbon)
    return s.done()


def papers(seed=0):
    """A loose pile of written sheets, slightly fanned."""
    s = Sheet(64, 22)
    rng = random.Random(seed)
    for k in range(4):
        dx, dy = rng.uniform(-3, 3), k * -1.5
        sheet = s.poly([(2 + dx, 20 + dy), (56 + dx, 18 + dy), (62 + dx, 8 + dy), (10 + dx, 8 + dy)])
        s.grad(sheet, [(0.0, (236, 224, 196)), (1.0, (250, 244, 226))], vertical=True)
        lines = s.lines([[(12 + dx + i, 11 + dy + i * 2.2), (56 + dx - i, 10 + dy + i * 2.2)] for i in range(4)], 0.6)
        P.fill(s.img, (80, 70, 90, 120), ImageChops.multiply(lines, sheet))
    return s.done()


def letter(seal=(150, 26, 36)):
    """A folded letter with a red wax seal, lying flat."""
    s = Sheet(44, 28)
    env = s.rect((0, 0, 44, 28), 1)
    s.grad(env, [(0.0, (246, 236, 210)), (1.0, (214, 198, 160))], vertical=True)
    s.paint(s.lines([[(0, 0), (22, 16), (44, 0)]], 1), (180, 160, 120))
    s.paint(s.ell((17, 11, 27, 21)), seal)
    s.paint(s.ring((19, 13, 25, 19), 0.8), P.shade(seal, 0.6))
    return s.done(rot=-6)


def open_book():
    """An open book lying on the desk: two pages of text with a ribbon marker."""
    s = Sheet(84, 30)
    cover = s.poly([(0, 26), (42, 30), (84, 26), (80, 6), (42, 10), (4, 6)])
    s.paint(cover, (90, 30, 36))
    for pts in ([(5, 24), (42, 28), (42, 8), (8, 3)], [(79, 24), (42, 28), (42, 8), (76, 3)]):
        page = s.poly(pts)
        s.grad(page, [(0.0, (230, 216, 186)), (0.5, (250, 244, 226)), (1.0, (220, 206, 176))])
        xs = [p[0] for p in pts]
        a, b = min(xs) + 5, max(xs) - 5
        lines = s.lines([[(a, 8 + i * 3.2), (b, 9 + i * 3.2)] for i in range(5)], 0.7)
        P.fill(s.img, (70, 60, 70, 130), ImageChops.multiply(lines, page))
    s.paint(s.line([(42, 8), (42, 28)], 1), (150, 130, 100))
    s.paint(s.poly([(46, 27), (49, 27), (49, 34), (47.5, 32), (46, 34)]), P.BURGUNDY)
    return s.done()


def book_stack(colours, seed=0):
    """A few books lying one on another, slightly out of line."""
    rng = random.Random(seed)
    hs = [rng.uniform(8, 11) for _ in colours]
    s = Sheet(60, sum(hs) + 2)
    y = sum(hs) + 2
    for col, h in zip(colours, hs):
        w = rng.uniform(46, 58)
        x = rng.uniform(0, 60 - w)
        cover = s.rect((x, y - h, x + w, y), 1.5)
        s.grad(cover, [(0.0, P.shade(col, 1.35)), (0.5, col), (1.0, P.shade(col, 0.55))], vertical=True)
        pages = s.rect((x + w - 4, y - h + 1.5, x + w - 1, y - 1.5))
        s.paint(pages, (232, 218, 186))
        s.paint(s.rect((x + 4, y - h * 0.62, x + w - 8, y - h * 0.5)), P.GOLD + (200,))
        y -= h
    return s.done()


def mantel_clock(scale=1.0):
    """A dark wood mantel clock with an arched top, a cream dial and brass feet."""
    s = Sheet(56, 62)
    case = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((2, 22, 54, 58), sc), radius=3 * sc, fill=255),
                                 d.pieslice(s._b((2, 0, 54, 44), sc), 180, 360, fill=255)))
    s.grad(case, cyl((92, 50, 28)))
    s.grain(case, 331, 0.5)
    s.bevel(case, 2, 0.45, 0.5)
    for x in (4, 46):
        s.paint(s.ell((x, 56, x + 8, 62)), P.GOLD)
    bez = s.ell((11, 10, 45, 44))
    s.grad(bez, BRASS)
    dial = s.ell((14, 13, 42, 41))
    s.rgrad(dial, 24, 22, 24, [(0.0, (255, 250, 236)), (1.0, (214, 200, 170))])
    for i in range(12):
        a = math.radians(i * 30)
        s.paint(s.line([(28 + math.cos(a) * 11, 27 + math.sin(a) * 11), (28 + math.cos(a) * 13, 27 + math.sin(a) * 13)],
                       1), (40, 30, 24))
    s.paint(s.lines([[(28, 27), (28, 18)], [(28, 27), (34, 29)]], 1.4), (30, 24, 20))
    s.gloss(s.ell((17, 16, 27, 22)), 90)
    return s.done(scale=scale)


def bust():
    """A small plaster bust of a bearded poet with a laurel wreath, on a square plinth."""
    s = Sheet(40, 60)
    plinth = s.rect((8, 48, 32, 60), 1)
    s.grad(plinth, cyl((200, 192, 178), 1.15, 0.6))
    chest = s.poly(bezier((2, 48), (4, 30), (20, 30), 10) + bezier((20, 30), (36, 30), (38, 48), 10))
    neck = s.rect((15, 22, 25, 34), 3)
    head = s.ell((10, 2, 30, 28))
    beard = s.poly(bezier((11, 16), (12, 32), (20, 34), 8) + bezier((20, 34), (28, 32), (29, 16), 8))
    m = ImageChops.lighter(ImageChops.lighter(chest, neck), ImageChops.lighter(head, beard))
    s.rgrad(m, 14, 10, 40, [(0.0, (250, 246, 236)), (0.6, (206, 198, 184)), (1.0, (140, 132, 120))])
    s.bevel(m, 1, 0.4, 0.4)
    hair = s.ells([(9 + k * 4, 1 + abs(k - 2) * 1.5, 16 + k * 4, 8 + abs(k - 2) * 1.5) for k in range(5)])
    s.rgrad(hair, 14, 2, 20, [(0.0, (240, 234, 222)), (1.0, (170, 162, 148))])
    leaves = s.lines([[(11, 8), (29, 8)]], 1.6)
    s.paint(leaves, (110, 130, 90))
    for ex in (16, 24):
        s.paint(s.ell((ex - 2.2, 11, ex + 2.2, 14)), (150, 140, 126))
    s.paint(s.line([(20, 13), (19, 18), (21, 19)], 1), (160, 150, 136))
    curls = s.lines([[(14, 24), (16, 30)], [(20, 24), (20, 32)], [(26, 24), (24, 30)]], 0.9)
    P.fill(s.img, (150, 140, 126, 200), ImageChops.multiply(curls, beard))
    s.paint(s.lines([[(6, 40), (14, 36)], [(34, 40), (26, 36)]], 1), (170, 160, 146))
    return s.done()


def candlestick(h=70, lit=True):
    """A tall brass candlestick with a cream candle (lit or not)."""
    s = Sheet(26, h + 20)
    top = 20
    if lit:
        P.fill(s.img, (255, 200, 110, 90), P.blur(s.ell((5, 0, 21, 26)), 4))
        flame = s.poly(bezier((10, 16), (12, -2), (13, 2), 8) + bezier((13, 2), (15, 8), (16, 16), 8))
        s.paint(flame, (255, 176, 60))
        s.paint(s.ell((11, 7, 15, 16)), (255, 250, 214))
    s.paint(s.line([(13, 19), (13, 14)], 1), (40, 30, 24))
    wax = s.rect((9, top - 2, 17, top + h * 0.4), 1.5)
    s.grad(wax, cyl((246, 234, 206), 1.05, 0.75))
    s.paint(s.rect((9, top - 2, 11, top + 8), 1), (252, 246, 228))
    metal = s.mask(lambda d, sc: (d.ellipse(s._b((4, top + h * 0.38, 22, top + h * 0.46), sc), fill=255),
                                  d.rectangle(s._b((10.5, top + h * 0.42, 15.5, top + h - 6), sc), fill=255),
                                  d.ellipse(s._b((8, top + h * 0.6, 18, top + h * 0.68), sc), fill=255),
                                  d.ellipse(s._b((0, top + h - 10, 26, top + h), sc), fill=255)))
    s.grad(metal, BRASS)
    s.bevel(metal, 1, 0.6, 0.4)
    return s.done()


def landscape(w, h):
    """A gilt-framed landscape painting: hills, the sea and the inn's lighthouse at sunset."""
    s = Sheet(w, h)
    frame = s.rect((0, 0, w, h), 2)
    s.grad(frame, BRASS, vertical=True)
    s.bevel(frame, 3, 0.5, 0.5)
    inner = s.rect((9, 9, w - 9, h - 9))
    s.grad(inner, [(0.0, (60, 70, 100)), (0.45, (220, 150, 100)), (0.55, (240, 190, 120)), (1.0, (240, 190, 120))],
           vertical=True)
    sea = ImageChops.multiply(inner, s.rect((0, h * 0.56, w, h)))
    s.grad(sea, [(0.0, (60, 100, 110)), (1.0, (20, 50, 60))], vertical=True)
    hills = ImageChops.multiply(inner, s.poly([(0, h * 0.6), (w * 0.2, h * 0.42), (w * 0.45, h * 0.56),
                                               (w * 0.7, h * 0.48), (w, h * 0.62), (w, h), (w * 0.55, h),
                                               (w * 0.4, h * 0.7), (0, h * 0.78)]))
    s.grad(hills, [(0.0, (70, 90, 50)), (1.0, (30, 46, 30))], vertical=True)
    s.paint(s.rect((w * 0.72, h * 0.3, w * 0.72 + 5, h * 0.5)), (240, 236, 226))
    s.paint(s.rect((w * 0.72 - 1, h * 0.27, w * 0.72 + 6, h * 0.3)), (120, 40, 40))
    s.paint(s.rect((w * 0.3, h * 0.7, w * 0.38, h * 0.76)), (230, 210, 170))
    s.paint(s.poly([(w * 0.29, h * 0.7), (w * 0.34, h * 0.65), (w * 0.39, h * 0.7)]), (140, 50, 40))
    P.soft_light(s.img, P.fbm(s.w, s.h, 341, ((6, 0.5), (2, 0.5))).point(lambda i: 100 + i // 4), 0.8)
    s.bevel(inner, 2, 0.0, 0.6)
    return s.done()


def urn():
    """A small blue-and-white porcelain urn with a lid."""
    s = Sheet(26, 40)
    body = s.poly(bezier((8, 10), (-6, 24), (6, 36), 10) + bezier((20, 36), (32, 24), (18, 10), 10))
    body = ImageChops.lighter(body, s.rect((6, 34, 20, 40), 2))
    s.grad(body, cyl((226, 230, 236), 1.05, 0.55))
    s.paint(ImageChops.multiply(body, s.lines([[(0, 16), (26, 16)], [(0, 31), (26, 31)]], 2)), (40, 70, 140))
    s.paint(ImageChops.multiply(body, s.ell((9, 19, 17, 28))), (40, 70, 140))
    lid = s.mask(lambda d, sc: (d.ellipse(s._b((6, 5, 20, 12), sc), fill=255), d.ellipse(s._b((10, 0, 16, 6), sc),
                                                                                           fill=255)))
    s.grad(lid, cyl((226, 230, 236), 1.05, 0.55))
    return s.done()


# ================================================================ foreground props

def prop_wing_chair():
    """The reading chair in the right foreground: a teal velvet wing-back seen from its left front."""
    s = Sheet(262, 350)
    velvet = (28, 84, 90)
    back = s.poly(bezier((70, 350), (54, 160), (80, 24), 16) + bezier((80, 24), (160, -6), (250, 20), 16) +
                  [(262, 60), (262, 350)])
    s.grad(back, [(0.0, P.shade(velvet, 0.7)), (0.4, P.shade(velvet, 1.2)), (1.0, P.shade(velvet, 0.55))])
    tufts = s.mask(lambda d, sc: [d.ellipse(s._b((x - 2.5, y - 2.5, x + 2.5, y + 2.5), sc), fill=255)
                                  for y in range(60, 200, 34) for x in range(120 + (y // 34 % 2) * 17, 250, 34)])
    P.fill(s.img, (6, 30, 34, 200), ImageChops.multiply(tufts, back))
    P.fill(s.img, (120, 180, 180, 60), ImageChops.multiply(P.shift(tufts, -2, -2), back))
    crest = s.line(bezier((80, 24), (160, -6), (250, 20), 16) + [(262, 60)], 3)
    s.grad(crest, BRASS)
    wing = s.poly(bezier((0, 170), (-6, 70), (46, 40), 16) + bezier((46, 40), (96, 36), (104, 120), 16) +
                  [(110, 210), (30, 240)])
    P.multiply(s.img, (10, 30, 34), ImageChops.multiply(P.blur(P.shift(wing, 16, 6), 10), back), 0.7)
    s.grad(wing, [(0.0, P.shade(velvet, 0.8)), (0.35, P.shade(velvet, 1.45)), (1.0, P.shade(velvet, 0.6))])
    s.bevel(wing, 4, 0.35, 0.55)
    piping = s.line(bezier((0, 170), (-6, 70), (46, 40), 16) + bezier((46, 40), (96, 36), (104, 120), 16)[1:], 3)
    s.grad(piping, BRASS)
    seat = s.poly([(40, 240), (262, 226), (262, 292), (44, 300)])
    s.grad(seat, [(0.0, P.shade(velvet, 1.3)), (1.0, P.shade(velvet, 0.6))], vertical=True)
    cushion_edge = s.line([(40, 244), (262, 230)], 3)
    s.paint(cushion_edge, P.shade(velvet, 1.6))
    arm = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((14, 200, 96, 330), sc), radius=16 * sc, fill=255),
                                d.ellipse(s._b((4, 182, 104, 238), sc), fill=255)))
    s.grad(arm, [(0.0, P.shade(velvet, 0.7)), (0.35, P.shade(velvet, 1.4)), (1.0, P.shade(velvet, 0.55))])
    scroll_m = s.ell((14, 190, 58, 232))
    s.rgrad(scroll_m, 30, 204, 26, [(0.0, P.shade(velvet, 1.7)), (1.0, P.shade(velvet, 0.7))])
    s.paint(s.ring((24, 200, 48, 222), 2), P.shade(velvet, 0.5))
    s.bevel(arm, 3, 0.35, 0.5)
    nails = s.ells([(x - 1.6, 236 - (x - 10) * 0.05 - 1.6, x + 1.6, 236 - (x - 10) * 0.05 + 1.6)
                    for x in range(18, 96, 7)])
    s.paint(nails, P.GOLD)
    skirt = s.rect((44, 296, 262, 330))
    s.grad(skirt, [(0.0, P.shade(velvet, 0.8)), (1.0, P.shade(velvet, 0.45))], vertical=True)
    legs = s.mask(lambda d, sc: [d.polygon(s._p(pts, sc), fill=255) for pts in
                                 ([(22, 326), (40, 326), (36, 350), (26, 350)],
                                  [(150, 326), (166, 326), (162, 350), (154, 350)])])
    s.grad(legs, cyl((90, 50, 26)))
    # the fire's warm light on the side facing it
    P.fill(s.img, (255, 180, 90, 40), ImageChops.multiply(P.blur(s.rect((-8, 40, 60, 330)), 20), s.img.getchannel("A")))
    return s.done(shadow=0.5, scale=0.8)


def prop_floor_lamp():
    """A standing lamp: a fringed burgundy shade lit from within on a tall brass pole and a round foot."""
    s = Sheet(104, 470)
    pole = s.rect((49, 70, 55, 452), 2)
    s.grad(pole, BRASS)
    for y in (160, 300):
        knob = s.ell((46, y, 58, y + 12))
        s.grad(knob, BRASS)
    foot = s.mask(lambda d, sc: (d.ellipse(s._b((18, 448, 86, 470), sc), fill=255),
                                 d.polygon(s._p([(44, 440), (60, 440), (70, 458), (34, 458)], sc), fill=255)))
    s.grad(foot, BRASS)
    s.bevel(foot, 1, 0.6, 0.45)
    glow = P.blur(s.poly([(24, 86), (80, 86), (100, 130), (4, 130)]), 10)
    P.fill(s.img, (255, 200, 120, 110), glow)
    shade = s.poly(bezier((28, 0), (52, -6), (76, 0), 10) + [(100, 78)] + bezier((100, 78), (52, 90), (4, 78), 10)[1:])
    s.grad(shade, [(0.0, (110, 30, 36)), (0.3, (230, 120, 90)), (0.6, (190, 70, 60)), (1.0, (90, 20, 30))])
    P.fill(s.img, (255, 210, 140, 120), ImageChops.multiply(shade, P.blur(s.ell((30, 20, 80, 90)), 10)))
    trims = s.lines([bezier((28, 1), (52, -5), (76, 1), 10), bezier((100, 77), (52, 89), (4, 77), 10)], 2.4)
    s.paint(trims, P.GOLD)
    # the fringe follows the shade's curved lower rim
    sag = [(x, (1 - ((x - 52) / 48) ** 2) * 11) for x in range(6, 100, 3)]
    fringe = s.lines([[(x, 78 + dy), (x, 92 + dy)] for x, dy in sag], 1.2)
    s.paint(fringe, (220, 170, 80))
    return s.done(shadow=0.45)


def prop_palm():
    """A potted palm in the front left corner: arching fronds over a blue-and-white pot."""
    s = Sheet(230, 380)
    rng = random.Random(351)
    fronds = [(-150, 150), (-128, 170), (-110, 190), (-90, 160), (-70, 180), (-48, 150), (-30, 130), (-160, 110),
              (-100, 120), (-60, 110)]
    for ang, length in fronds:
        a = math.radians(ang)
        base = (110, 250)
        tip = (base[0] + math.cos(a) * length, base[1] + math.sin(a) * length * 1.3)
        ctrl = ((base[0] + tip[0]) / 2 - math.cos(a) * 10, min(base[1], tip[1]) - 40)
        spine = bezier(base, ctrl, tip, 20)
        leaflets = []
        for i in range(4, len(spine) - 1):
            (x0, y0), (x1, y1) = spine[i], spine[i + 1]
            dx, dy = x1 - x0, y1 - y0
            n = math.hypot(dx, dy) or 1
            nx, ny = -dy / n, dx / n
            ll = 26 * math.sin(math.pi * i / len(spine)) + 6
            for sgn in (-1, 1):
                leaflets.append([(x0, y0), (x0 + sgn * nx * ll + dx * 1.5, y0 + sgn * ny * ll + dy * 1.5 + 8)])
        m = s.lines(leaflets, 3.2)
        col = (46 + rng.randint(0, 30), 96 + rng.randint(0, 40), 44)
        s.grad(m, [(0.0, P.shade(col, 0.6)), (0.5, P.shade(col, 1.25)), (1.0, P.shade(col, 0.7))], vertical=True)
        s.paint(s.line(spine, 2.2), P.shade(col, 0.6))
    pot = s.poly([(56, 250), (164, 250), (150, 380), (70, 380)])
    s.grad(pot, cyl((224, 226, 226), 1.05, 0.55))
    band = ImageChops.multiply(pot, s.lines([[(50, y), (170, y)] for y in (270, 360)], 6))
    s.paint(band, (40, 70, 140))
    motif = ImageChops.multiply(pot, s.mask(lambda d, sc: [d.ellipse(s._b((x - 8, 306, x + 8, 322), sc), outline=255,
                                                                      width=int(2.5 * sc)) for x in (84, 110, 136)]))
    s.paint(motif, (40, 70, 140))
    rim = s.rect((50, 244, 170, 258), 3)
    s.grad(rim, cyl((230, 232, 232), 1.05, 0.55))
    return s.done(shadow=0.45)


# ================================================================ the items

LIBRARY_OBJECTS = [
    ("Globe", "Globus"), ("Magnifier", "Lupe"), ("Hourglass", "Sanduhr"), ("Quill pen", "Federkiel"),
    ("Reading glasses", "Lesebrille"), ("Chess piece", "Schachfigur"), ("Owl", "Eule"),
    ("Butterfly", "Schmetterling"), ("Compass", "Kompass"), ("Padlock", "Schloss"), ("Hand bell", "Glocke"),
    ("Rose", "Rose"), ("Fan", "Fächer"), ("Teddy bear", "Teddybär"),
]
LIBRARY_FIRST_STAGE = 7     # objects 1..7; objects 8..14 come after the puzzle
LIBRARY_KEYS_ASKED = 4

DECOYS = {
    "book": ("Book", "Buch", 301), "books": ("Books", "Bücher", 302), "scroll": ("Scroll", "Schriftrolle", 303),
    "cup": ("Teacup", "Teetasse", 304), "vase": ("Vase", "Vase", 305), "picture": ("Picture", "Bild", 306),
    "clock": ("Clock", "Uhr", 307), "candle": ("Candle", "Kerze", 308), "inkwell": ("Inkwell", "Tintenfass", 309),
    "papers": ("Papers", "Papiere", 310), "letter": ("Letter", "Brief", 311), "plant": ("Plant", "Pflanze", 312),
    "teapot": ("Teapot", "Teekanne", 313), "apple": ("Apple", "Apfel", 314), "bust": ("Bust", "Büste", 315),
    "openbook": ("Open book", "Offenes Buch", 316), "plate": ("Plate", "Teller", 317),
}

DIM = S.DIM
DIMMER = S.DIMMER
WALL_CAST = (226, 196, 196, 255)     # a touch of the wallpaper's red for things on the wall
SHELF_DIM = (196, 178, 164, 255)     # things deep in the bookcase


def library_items(sc):
    """Everything in the library except the room itself, in file order."""
    def obj(n, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de = LIBRARY_OBJECTS[n - 1]
        sc.add(en, de, "".join(w[0].upper() + w[1:] for w in en.split()) + ".png", picture, n, layer, at, anchor, tint)

    def decoy(kind, image, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de, t = DECOYS[kind]
        sc.add(en, de, image, picture, t, layer, at, anchor, tint)

    def key_at(look, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        sc.add("Key", "Schlüssel", "Key%s.png" % look.capitalize(), old_key(look), S.KEY_TYPE, layer, at, anchor, tint)

    shelf = [b for b in BOARDS]
    # -- the locket piece: the first rule of the first stage
    sc.add("Locket piece", "Medaillonteil", "LocketPiece.png", locket_piece(), S.LOCKET_TYPE, 30, (596, 628))

    # -- the ordinary objects, typeId 1..14
    stack = book_stack([(110, 26, 40), (96, 58, 30), (30, 82, 88)], 4)
    obj(1, globe(), 14, (620, DESK_TOP - stack.size[1] + 10))
    obj(2, magnifier(), 16, (470, DESK_TOP + 2))
    obj(3, hourglass(), 8, (201, shelf[1]), tint=SHELF_DIM)
    obj(4, quill_pen(), 15, (560, DESK_TOP - 2))
    obj(5, reading_glasses(), 10, (430, SILL + 2))
    obj(6, chess_knight(), 8, (977, shelf[1]))
    obj(7, owl(), 8, (72, shelf[0]), tint=SHELF_DIM)
    obj(8, butterfly(), 3, (648, 134), "top", WALL_CAST)
    obj(9, S.compass(), 31, (706, 648), tint=DIM)
    obj(10, padlock(), 8, (168, shelf[3]), tint=SHELF_DIM)
    obj(11, hand_bell(), 12, (900, MANTEL + 1))
    obj(12, rose(), 12, (758, MANTEL + 2))
    obj(13, folding_fan(), 8, (979, shelf[2]), tint=SHELF_DIM)
    obj(14, teddy_bear(), 32, (818, 646), tint=DIM)

    # -- keys: six places, four of them are asked for
    key_at("brass", 4, (352, 300), "top", DIM)
    key_at("iron", 17, (404, DESK_TOP + 2))
    key_at("silver", 8, (252, shelf[0]), tint=SHELF_DIM)
    key_at("copper", 28, (470, 598), tint=DIMMER)
    key_at("dark", 8, (976, shelf[0]), tint=SHELF_DIM)
    key_at("gilt", 26, (764, HEARTH - 2))

    # -- decoys: the left bookcase
    decoy("scroll", "Scroll.png", scroll(46), 9, (124, shelf[1]))
    decoy("bust", "Bust.png", bust(), 8, (80, shelf[2]), tint=SHELF_DIM)
    decoy("candle", "CandleShelf.png", candlestick(44, False), 8, (252, shelf[2]), tint=SHELF_DIM)
    decoy("books", "BooksShelf.png", book_stack([(30, 82, 88), (110, 26, 40), (150, 104, 40)], 1), 9,
          (240, shelf[3]))
    decoy("book", "BookGreen.png", S.book((40, 70, 46), 60, 14), 9, (106, shelf[0]), tint=SHELF_DIM)
    decoy("book", "BookLying.png", S.book((120, 40, 50), 52, 12, lying=True), 9, (160, shelf[0] + 1))
    decoy("book", "BookRed.png", S.book((130, 34, 44), 66, 15), 9, (40, shelf[2]), tint=SHELF_DIM)
    decoy("plate", "Plate.png", S.plate((30, 82, 88), 18), 7, (48, shelf[1]), tint=SHELF_DIM)
    decoy("vase", "VaseSmall.png", urn(), 9, (150, shelf[2]), tint=SHELF_DIM)
    decoy("clock", "CarriageClock.png", mantel_clock(0.6), 9, (200, shelf[2]), tint=SHELF_DIM)
    decoy("picture", "PortraitSmall.png", S.framed_picture(30, 40, "portrait"), 7, (262, shelf[1]),
          tint=SHELF_DIM)
    decoy("scroll", "ScrollShelf.png", scroll(40, (226, 206, 160), (40, 70, 46)), 9, (84, shelf[3]))
    # the right bookcase
    decoy("scroll", "ScrollTeal.png", scroll(40, (226, 206, 160), (30, 82, 88)), 9, (206, shelf[0]), tint=SHELF_DIM)
    decoy("book", "BookBlue.png", S.book((36, 46, 84), 54, 13), 9, (1004, shelf[1]), tint=SHELF_DIM)
    decoy("book", "BookOchre.png", S.book((150, 104, 40), 56, 13, lying=True), 9, (984, shelf[3] + 1))
    # the wall
    decoy("picture", "Landscape.png", landscape(170, 126), 2, (CHIMNEY_X, 132), "top")
    decoy("picture", "Portrait.png", S.framed_picture(40, 52, "portrait"), 2, (664, 178), "top", WALL_CAST)
    # the window sill
    decoy("plant", "Plant.png", S.pot_plant(), 9, (546, SILL + 2))
    decoy("candle", "CandleSill.png", candlestick(48), 9, (400, SILL + 2))
    decoy("books", "BooksSill.png", book_stack([(70, 30, 50), (40, 70, 46)], 2), 9, (496, SILL + 2))
    # the desk
    decoy("books", "BooksDesk.png", stack, 12, (622, DESK_TOP + 2))
    decoy("openbook", "OpenBook.png", open_book(), 13, (478, DESK_TOP + 6))
    decoy("papers", "Papers.png", papers(3), 12, (540, DESK_TOP + 4))
    decoy("inkwell", "Inkwell.png", S.inkwell(), 14, (578, DESK_TOP + 2))
    decoy("letter", "Letter.png", letter(), 13, (420, DESK_TOP + 5))
    decoy("cup", "Teacup.png", S.teacup(), 16, (340, DESK_TOP + 4))
    decoy("candle", "CandleDesk.png", candlestick(56), 11, (520, DESK_TOP - 4))
    # the mantelpiece
    decoy("clock", "MantelClock.png", mantel_clock(), 11, (CHIMNEY_X, MANTEL + 2))
    decoy("candle", "CandleMantel.png", candlestick(70), 10, (716, MANTEL + 2))
    decoy("candle", "CandleMantel2.png", candlestick(62), 10, (862, MANTEL + 2))
    decoy("vase", "Vase.png", S.vase_with_flowers(), 11, (836, MANTEL + 2))
    decoy("letter", "LetterMantel.png", letter((40, 70, 120)), 11, (740, MANTEL + 3), tint=DIM)
    # the hearth and the floor
    decoy("teapot", "Teapot.png", S.teapot(), 24, (670, HEARTH))
    decoy("cup", "Teacup.png", S.teacup(), 24, (716, HEARTH + 1))
    decoy("books", "BooksHearth.png", book_stack([(36, 46, 84), (110, 26, 40)], 6), 23, (636, HEARTH + 14), tint=DIM)
    decoy("books", "BooksFloor.png", book_stack([(36, 46, 84), (110, 26, 40), (40, 70, 46), (128, 60, 32)], 5), 24,
          (252, 654), tint=DIM)
    decoy("papers", "PapersFloor.png", papers(7), 22, (246, 606), tint=DIM)
    decoy("letter", "LetterFloor.png", letter((150, 26, 36)), 26, (416, 602), tint=DIMMER)
    decoy("letter", "LetterRug.png", letter((40, 70, 46)), 27, (318, 666), tint=DIM)
    decoy("scroll", "ScrollFloor.png", scroll(58, (236, 220, 180), (40, 70, 46)), 29, (640, 656), tint=DIM)
    decoy("openbook", "OpenBookFloor.png", open_book(), 29, (430, 660), tint=DIM)

    # -- foreground props: the reading chair, the standing lamp, the palm
    sc.add("Reading chair", "Lesesessel", "PropChair.png", prop_wing_chair(), 501, 52, (924, 452), "top")
    sc.add("Standing lamp", "Stehlampe", "PropLamp.png", prop_floor_lamp(), 502, 51, (318, 186), "top")
    sc.add("Palm", "Palme", "PropPalm.png", prop_palm(), 503, 50, (90, 424), "top", (214, 206, 196, 255))


def library():
    """Paints and writes the Library, scene 2."""
    sc = S.Scene("Library", "content/scenes/Library/")
    sc.add("Library", "Bibliothek", "Library.jpg", library_room(), S.ROOM_TYPE, 0, (W / 2, 0), "top")
    library_items(sc)
    S.check_scene(sc)
    first = [(("name", "Locket piece"), ("typeId", S.LOCKET_TYPE), ("pick", "first"), ("count", 1))]
    first += [(("name", en), ("typeId", i + 1), ("pick", "first"), ("count", 1))
              for i, (en, _de) in enumerate(LIBRARY_OBJECTS[:LIBRARY_FIRST_STAGE])]
    first.append((("name", "Key"), ("typeId", S.KEY_TYPE), ("pick", "all"), ("count", LIBRARY_KEYS_ASKED)))
    second = [(("name", en), ("typeId", i + 1), ("pick", "first"), ("count", 1))
              for i, (en, _de) in enumerate(LIBRARY_OBJECTS) if i >= LIBRARY_FIRST_STAGE]
    S.write_scene_files(sc, "content/config/scene/Library/", [("STACKED_ITEM_LIST", first),
                                                               S.screen_step("MG_Screen10", 2),
                                                               ("STACKED_ITEM_LIST", second)])
    return sc
