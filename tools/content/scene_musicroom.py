#!/usr/bin/python3
"""Paints the Music room (scene 3) and writes its files; run through scenes.py --only MusicRoom.

Upstairs at the inn on a rainy evening: burgundy damask above dark panelling,
lamp and candle light, the sea and the harbour lights seen through rain.

What stands where (screen pixels):
- the arched window at the left (glass x 62..238, y 100..356) with teal curtains;
  its panes are faintly tinted glass, so the harbour view (item 1, below the room)
  and the rain (item 2, between the two) show through them only; the window seat
  with its cushions below it;
- the upright piano in the middle (x 310..630), candles on its swinging sconces,
  the music desk, the bench in front; a large painting above it;
- the gramophone on its record cabinet (x 660..810) with the brass horn, a wall
  shelf above it (y 200);
- the longcase clock at the right (x 870..990): the dial at the top, the trunk's
  glass door (x 896..966, y 252..452) where the pendulum (item 3, animated) swings
  about its pivot at (931, 258);
- a rug on the floor; in front: a cello leaning at the left, a music stand in the
  middle and a standing lamp between the gramophone and the clock (props).
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
import scenes as S  # noqa: E402
import ui_art  # noqa: E402

W, H = S.W, S.H
Layer = S.Layer
Sheet = S.Sheet
light, darken, box_mask, paste_rgb = S.light, S.darken, S.box_mask, S.paste_rgb
cyl, BRASS, SILVER, IRON = S.cyl, S.BRASS, S.SILVER, S.IRON

# ================================================================ the room's measures

MR_CORNICE = 44          # bottom of the crown moulding
MR_RAIL = 392            # top of the panelling (chair rail)
MR_FLOOR = 548           # where the wall meets the floor
MR_GLASS = (62, 100, 238, 356)   # the window's glass: a round-topped arch
MR_SILL = 358
MR_SEAT = 446            # top of the window seat's cushion
MR_PIANO = (310, 630)    # the piano case's x range
MR_PIANO_TOP = 294       # the piano's lid
MR_KEYS = 414            # top of the keys
MR_DESK = 378            # the music desk's ledge
MR_BENCH = 498           # the bench's seat
MR_CABINET = (660, 810, 446)     # the record cabinet: x range and top
MR_SHELF = 200           # the wall shelf above the gramophone
MR_CLOCK = (870, 992)    # the longcase clock's outer x range
MR_PIVOT = (931, 258)    # where the pendulum hangs
MR_CLOCK_DOOR = (896, 252, 966, 452)   # the trunk's glass door
MR_LAMP = (836, 226)     # the standing lamp's shade (a prop): its light on the wall

GLASS_ALPHA = 58


def glass_mask(size=(W, H), box=MR_GLASS):
    """The window's glass: a rectangle under a half-round top."""
    x0, y0, x1, y1 = box
    r = (x1 - x0) / 2
    return P.mask_from(size, lambda d, s: (d.rectangle((x0 * s, (y0 + r) * s, x1 * s, y1 * s), fill=255),
                                           d.pieslice((x0 * s, y0 * s, x1 * s, (y0 + 2 * r) * s), 180, 360, fill=255)))


def glazing_bars():
    """The window's glazing bars as a mask: one upright, the arch's spring line, two transoms."""
    x0, y0, x1, y1 = MR_GLASS
    cx, r = (x0 + x1) / 2, (x1 - x0) / 2
    bars = Layer()
    white = (255, 255, 255, 255)
    bars.rect((cx - 3.5, y0, cx + 3.5, y1), white)
    for y in (y0 + r, y0 + r + (y1 - y0 - r) / 3, y0 + r + 2 * (y1 - y0 - r) / 3):
        bars.rect((x0, y - 3, x1, y + 3), white)
    for a in (-135, -45):   # two radial bars in the fan light
        t = math.radians(a)
        bars.line([(cx, y0 + r), (cx + math.cos(t) * r, y0 + r + math.sin(t) * r)], white, 5)
    return ImageChops.multiply(bars.mask(), glass_mask())


# ---------------------------------------------------------------- the view and the rain (below the room)

VIEW_BOX = (50, 88, 250, 368)   # the view's picture: the glass and a margin under the frame


def harbour_view():
    """A rainy evening over the harbour, the size of the window (RGBA, opaque)."""
    x0, y0, x1, y1 = VIEW_BOX
    ww, wh = x1 - x0, y1 - y0
    horizon = int(wh * 0.6)
    view = Image.new("RGBA", (ww, wh))
    view.paste(P.vgradient(ww, horizon, [(0.0, (22, 28, 46)), (0.45, (46, 52, 76)), (0.8, (96, 78, 92)),
                                         (1.0, (150, 104, 90))]), (0, 0))
    view.paste(P.vgradient(ww, wh - horizon, [(0.0, (50, 62, 74)), (0.2, (26, 48, 58)), (1.0, (10, 22, 30))]),
               (0, horizon))
    view.alpha_composite(ui_art.cloud_bank((ww, wh), 31, [(40, 40, 80, 26), (160, 70, 70, 22), (90, 120, 90, 18)],
                                           (30, 34, 52), (70, 66, 86), rim=(120, 100, 110), softness=6))
    d = ImageDraw.Draw(view)
    # the far shore with the lighthouse, the harbour wall and two masts
    d.polygon([(0, horizon), (0, horizon - 12), (40, horizon - 16), (90, horizon - 7), (120, horizon)],
              fill=(36, 34, 48))
    d.rectangle((150, horizon - 30, 154, horizon - 6), fill=(200, 196, 188))
    d.rectangle((149, horizon - 33, 155, horizon - 30), fill=(60, 40, 44))
    d.polygon([(120, horizon), (150, horizon - 6), (200, horizon - 6), (200, horizon)], fill=(34, 32, 44))
    view = P.to_rgba(view)
    P.add_light(view, (255, 226, 150), P.curve(P.radial_field(ww, wh, 152, horizon - 31, 20), lambda t: (1 - t) ** 2))
    beam = Layer(ww, wh)
    beam.poly([(152, horizon - 31), (20, horizon - 60), (26, horizon - 44)], (255, 230, 170, 40))
    beam.onto(view, blur=3)
    quay = Layer(ww, wh)
    quay.poly([(0, horizon + 40), (110, horizon + 24), (200, horizon + 30), (200, horizon + 44), (0, horizon + 56)],
              (24, 22, 28, 255))
    for mx, top in ((60, 60), (74, 74)):
        quay.line([(mx, horizon + 30), (mx, horizon - top)], (30, 28, 34, 255), 2)
    quay.poly([(40, horizon + 34), (96, horizon + 32), (90, horizon + 40), (46, horizon + 41)], (34, 30, 36, 255))
    quay.onto(view)
    rng = random.Random(33)
    lamps = [(18, horizon + 38), (100, horizon + 26), (176, horizon + 28), (134, horizon + 27)]
    for lx, ly in lamps:
        P.add_light(view, (255, 190, 100), P.curve(P.radial_field(ww, wh, lx, ly - 6, 14), lambda t: (1 - t) ** 2))
        d = ImageDraw.Draw(view)
        d.ellipse((lx - 1.5, ly - 8, lx + 1.5, ly - 5), fill=(255, 230, 170))
        # long broken reflections on the wet water
        for k in range(10):
            ry = ly + 8 + k * 6 + rng.uniform(-1, 1)
            hw = rng.uniform(1.5, 4) * (1 - k / 12)
            d.line([(lx - hw, ry), (lx + hw, ry)], fill=(255, 190, 110, int(170 * (1 - k / 11))), width=1)
    # mist and a cold sheen over everything
    mist = P.curve(P.fbm(ww, wh, 35, ((40, 0.6), (12, 0.4)), stretch=3.0), lambda t: 0.25 * t)
    P.fill(view, (120, 130, 150), mist)
    return view


def rain_drop():
    """One soft rain streak, white, fading in from the top (RGBA, 3 x 24)."""
    w, h = 3, 24
    img = Image.new("RGBA", (w, h), (255, 255, 255, 0))
    for y in range(h):
        t = y / (h - 1)
        a = int(255 * (t ** 1.4))
        for x, f in ((0, 0.35), (1, 1.0), (2, 0.35)):
            img.putpixel((x, y), (255, 255, 255, int(a * f)))
    return img


# ---------------------------------------------------------------- the room itself

def wallpaper():
    """Burgundy damask with a faint stripe, darkened (RGBA, the whole screen)."""
    tile = P.damask_tile(56, 64, (84, 20, 34), (110, 36, 50), 3)
    c = P.to_rgba(P.tile(tile, W, H))
    stripes = Layer()
    for x in range(0, W, 56):
        stripes.rect((x - 1, 0, x + 1, H), (150, 100, 70, 60))
    stripes.onto(c)
    P.multiply(c, (0, 0, 0), None, 0.22)
    P.soft_light(c, P.fbm(W, H, 302, ((160, 0.6), (40, 0.4))).point(lambda i: 100 + i // 5))
    return c


def mr_cornice(c):
    """The dark ceiling band, a cream crown moulding and a thin gilt picture rail."""
    ceil = P.wood(W, 30, 311, [(0.0, (22, 12, 8)), (1.0, (50, 30, 18))], lines=4)
    paste_rgb(c, ceil, (0, 0))
    mould = Layer()
    mould.rect((-4, 26, W + 4, MR_CORNICE), (255, 255, 255, 255))
    mm = mould.mask()
    P.fill(c, P.drop_shadow(mm, (0, 8), 7, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (236, 220, 184)), (0.045, (196, 172, 130)), (0.058, (120, 96, 70)),
                                 (1.0, (120, 96, 70))]), mm)
    beads = Layer()
    for x in range(0, W, 12):
        beads.ell((x, 37, x + 7, 42), (90, 66, 44, 200))
    P.fill(c, beads.image(), mm)
    P.bevel(c, mm, 2, 0.5, 0.5)
    rail = Layer()
    rail.rect((-4, 66, W + 4, 70), (255, 255, 255, 255))
    rm = rail.onto(c, shadow=0.4, offset=(0, 2), radius=2)
    P.fill(c, P.metal(W, H, seed=313), rm)


def mr_wainscot(c):
    """Dark panelling from the chair rail down to the floor."""
    top, bottom = MR_RAIL, MR_FLOOR
    body = P.wood(W, bottom - top, 321, [(0.0, (34, 18, 12)), (0.5, (56, 30, 20)), (1.0, (80, 46, 28))],
                  vertical=True, lines=W / 40)
    full = Image.new("RGB", (W, H))
    full.paste(body, (0, top))
    area = box_mask((0, top, W, bottom))
    P.fill(c, full, area)
    panels = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(panels)
    for x0 in range(14, W, 128):
        d.rounded_rectangle((x0, top + 30, x0 + 108, bottom - 24), radius=5, fill=255)
    inset = P.blur(panels, 1)
    P.bevel(c, ImageChops.multiply(P.invert(inset), area), 4, 0.3, 0.6)
    P.inner_shadow(c, inset, 4, (3, 4), 0.6)
    rail = box_mask((0, top, W, top + 16))
    P.fill(c, P.wood(W, H, 323, [(0.0, (48, 26, 16)), (1.0, (112, 70, 40))], lines=H / 5), rail)
    P.bevel(c, rail, 2, 0.45, 0.5)
    P.fill(c, (0, 0, 0, 120), P.blur(P.shift(rail, 0, 4), 3))
    sk = box_mask((0, bottom - 12, W, bottom))
    P.fill(c, (36, 20, 12), sk)
    P.bevel(c, sk, 1, 0.3, 0.3)


def mr_floor(c):
    """Floor boards in perspective and a burgundy rug with a teal border."""
    tex = S.plank_texture(331, [(0.0, (54, 30, 16)), (0.5, (92, 56, 30)), (1.0, (124, 80, 44))], 333, 72,
                          tones=(0.84, 1.1))
    S.lay_floor(c, tex, MR_FLOOR, 200.0, (120, 110, 104))
    P.fill(c, (0, 0, 0, 110), P.blur(box_mask((0, MR_FLOOR, W, MR_FLOOR + 8)), 4))
    # the rug: a flat texture mapped onto the floor
    rw, rh = 720, 300
    rug = Image.new("RGBA", (rw, rh), (0, 0, 0, 0))
    rl = Layer(rw, rh)
    rl.rect((0, 0, rw, rh), (34, 70, 76, 255), 10)
    rl.rect((18, 18, rw - 18, rh - 18), (200, 150, 70, 255), 6)
    rl.rect((26, 26, rw - 26, rh - 26), (116, 26, 40, 255), 4)
    for i in range(0, rw - 60, 40):   # the border's small diamonds
        for y in (9, rh - 9):
            rl.poly([(30 + i, y), (40 + i, y - 6), (50 + i, y), (40 + i, y + 6)], (200, 150, 70, 255))
    cx, cy = rw / 2, rh / 2
    rl.poly([(cx - 200, cy), (cx, cy - 100), (cx + 200, cy), (cx, cy + 100)], (40, 80, 84, 255))
    rl.poly([(cx - 170, cy), (cx, cy - 84), (cx + 170, cy), (cx, cy + 84)], (140, 36, 50, 255))
    rl.ell((cx - 50, cy - 30, cx + 50, cy + 30), (214, 166, 84, 255))
    rl.ell((cx - 34, cy - 20, cx + 34, cy + 20), (40, 80, 84, 255))
    for sx in (-1, 1):
        for sy in (-1, 1):
            rl.ell((cx + sx * 270 - 26, cy + sy * 80 - 20, cx + sx * 270 + 26, cy + sy * 80 + 20), (40, 80, 84, 255))
            rl.ell((cx + sx * 270 - 12, cy + sy * 80 - 9, cx + sx * 270 + 12, cy + sy * 80 + 9), (214, 166, 84, 255))
    rug.alpha_composite(rl.image())
    P.soft_light(rug, P.fbm(rw, rh, 335, ((20, 0.5), (4, 0.5))).point(lambda i: 90 + i // 3))
    P.soft_light(rug, P.grain(rw, rh, 336, 18))
    fringe = Layer(rw, rh)
    for x in range(2, rw, 6):
        fringe.line([(x, 0), (x, 4)], (226, 208, 170, 255), 2)
    coeffs = S.homography([(0, 0), (rw, 0), (rw, rh), (0, rh)], [(236, 582), (806, 582), (900, 730), (130, 730)])
    placed = rug.transform((W, H), Image.Transform.PERSPECTIVE, coeffs, Image.Resampling.BICUBIC)
    P.fill(c, P.drop_shadow(placed.getchannel("A"), (0, 3), 3, 0.5), Image.new("L", (W, H), 255))
    c.alpha_composite(placed)


def mr_window(c):
    """The window frame, glazing bars, sill, the window seat and the teal curtains.
    The glass itself is made see-through at the end (mr_glass)."""
    x0, y0, x1, y1 = MR_GLASS
    glass = glass_mask()
    # cold light of the evening onto the wall
    light(c, (x0 + x1) / 2, (y0 + y1) / 2, 240, (40, 50, 70), 0.6, 220, power=2.5)
    frame_outer = glass.filter(ImageFilter.MaxFilter(25))
    P.fill(c, P.drop_shadow(frame_outer, (4, 6), 6, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 341, [(0.0, (40, 24, 16)), (0.6, (78, 48, 30)), (1.0, (104, 66, 40))], lines=H / 6),
           frame_outer)
    P.bevel(c, frame_outer, 3, 0.35, 0.5)
    inner = glass.filter(ImageFilter.MaxFilter(7))
    P.fill(c, (30, 18, 12), ImageChops.subtract(inner, glass))
    bars = glazing_bars()
    P.fill(c, P.drop_shadow(bars, (1, 2), 2, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, (62, 38, 24), bars)
    P.bevel(c, bars, 1, 0.4, 0.5)
    # the sill
    sill = Layer()
    sill.rect((x0 - 26, MR_SILL, x1 + 26, MR_SILL + 14), (255, 255, 255, 255), 2)
    sm = sill.mask()
    P.fill(c, P.drop_shadow(sm, (0, 6), 5, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 343, [(0.0, (84, 50, 28)), (0.6, (130, 84, 48)), (1.0, (166, 112, 64))], lines=H / 6), sm)
    P.bevel(c, sm, 2, 0.45, 0.45)
    # the window seat: a panelled box with a long teal cushion
    seat = Layer()
    seat.rect((x0 - 34, MR_SEAT + 10, x1 + 34, MR_FLOOR + 6), (255, 255, 255, 255))
    sem = seat.mask()
    P.fill(c, P.drop_shadow(sem, (0, 4), 6, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 345, [(0.0, (46, 26, 14)), (0.5, (80, 48, 26)), (1.0, (108, 68, 38))], vertical=True,
                     lines=W / 12), sem)
    pan = Layer()
    for px in (x0 - 22, (x0 + x1) / 2 + 4):
        pan.rect((px, MR_SEAT + 34, px + (x1 - x0) / 2 + 8, MR_FLOOR - 14), (255, 255, 255, 255), 3)
    P.inner_shadow(c, pan.mask(), 3, (2, 3), 0.6)
    P.bevel(c, sem, 2, 0.35, 0.5)
    cush = Layer()
    cush.rect((x0 - 30, MR_SEAT - 6, x1 + 30, MR_SEAT + 16), (255, 255, 255, 255), 9)
    cm = cush.mask()
    P.fill(c, P.drop_shadow(cm, (0, 5), 4, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (20, 60, 66)), (MR_SEAT / H - 0.01, (46, 112, 116)),
                                 ((MR_SEAT + 16) / H, (16, 46, 52)), (1.0, (16, 46, 52))]), cm)
    P.soft_light(c, P.fbm(W, H, 347, ((3, 0.6), (1, 0.4))).point(lambda i: 110 + i // 8))
    P.bevel(c, cm, 3, 0.35, 0.4)
    # curtain rod and the two teal velvet drapes
    rod = Layer()
    rod.rect((x0 - 52, y0 - 30, x1 + 52, y0 - 24), P.BRASS + (255,), 3)
    for ex in (x0 - 56, x1 + 56):
        rod.ell((ex - 7, y0 - 34, ex + 7, y0 - 20), P.GOLD + (255,))
    rm = rod.onto(c, shadow=0.4, offset=(2, 3), radius=2)
    P.bevel(c, rm, 1, 0.6, 0.4)
    for side in (-1, 1):
        cur = Layer()
        ex = x0 - 48 if side < 0 else x1 + 48
        inner_x = x0 + 6 if side < 0 else x1 - 6
        tie_y = y0 + 190
        pts = [(ex, y0 - 26), (inner_x, y0 - 26), (inner_x - side * 2, y0 + 60), (ex + side * 16, tie_y - 10),
               (ex + side * 12, tie_y + 6), (ex + side * 30, MR_SEAT - 4), (ex - side * 16, MR_SEAT - 4),
               (ex - side * 8, tie_y + 6), (ex - side * 12, y0 + 80)]
        cur.poly(pts, (30, 84, 90, 255))
        cm = cur.onto(c, shadow=0.5, offset=(side * 4, 5), radius=6)
        row = Image.new("L", (W, 1))
        row.putdata([int(150 + 105 * math.sin(2 * math.pi * x / 11.0)) for x in range(W)])
        folds = row.resize((W, H), Image.Resampling.NEAREST)
        folds = folds.transform((W, H), Image.Transform.AFFINE, (1, side * 0.1, -side * 0.1 * y0, 0, 1, 0),
                                Image.Resampling.BILINEAR)
        P.multiply(c, Image.merge("RGB", [P.blur(folds, 1.5)] * 3), cm, 0.5)
        P.add_light(c, (120, 200, 200), ImageChops.multiply(cm, P.curve(
            P.radial_field(W, H, inner_x, y0 + 120, 90), lambda t: (1 - t) ** 2)), 0.25)
        tie = Layer()
        tie.rect((ex - 20 + side * 14, tie_y - 4, ex + 20 + side * 14, tie_y + 5), P.GOLD + (255,), 4)
        tie.ell((ex + side * 14 - 6, tie_y - 6, ex + side * 14 + 6, tie_y + 8), P.GOLD_DARK + (255,))
        tm = tie.onto(c, shadow=0.4, offset=(1, 2), radius=2)
        P.bevel(c, tm, 1, 0.5, 0.4)
        tassel = Layer()
        tassel.poly([(ex + side * 14 - 3, tie_y + 6), (ex + side * 14 + 3, tie_y + 6), (ex + side * 14 + 6, tie_y + 26),
                     (ex + side * 14 - 6, tie_y + 26)], P.GOLD + (255,))
        tassel.onto(c, shadow=0.3, offset=(1, 2), radius=1)
    # pelmet over the rod
    pel = Layer()
    pel.poly([(x0 - 60, y0 - 38), (x1 + 60, y0 - 38), (x1 + 60, y0 - 14)] +
             [(x1 + 60 - i * (x1 - x0 + 120) / 12, y0 - 14 + (10 if i % 2 else 0)) for i in range(1, 12)] +
             [(x0 - 60, y0 - 14)], (120, 28, 46, 255))
    pm = pel.onto(c, shadow=0.5, offset=(0, 5), radius=4)
    P.fill(c, P.vgradient(W, H, [(0.0, (150, 40, 60)), (0.1, (96, 20, 36)), (1.0, (96, 20, 36))]), pm)
    trim = Layer()
    trim.rect((x0 - 60, y0 - 38, x1 + 60, y0 - 34), P.GOLD + (255,))
    trim.onto(c)
    P.bevel(c, pm, 2, 0.4, 0.5)


def mr_glass(room):
    """Makes the window's panes see-through: faint blue glass with a sheen and a few
    running drops. room is the finished RGB room; returns RGBA."""
    glass = ImageChops.subtract(glass_mask(), glazing_bars().filter(ImageFilter.MaxFilter(3)))
    glass = glass.point(lambda v: 255 if v > 127 else 0)
    out = room.convert("RGBA")
    x0, y0, x1, y1 = MR_GLASS
    tint = Image.new("RGBA", (W, H), (110, 130, 156, GLASS_ALPHA))
    sheen = Layer()
    for gx in (x0 + 10, (x0 + x1) / 2 + 12):
        sheen.poly([(gx, y1 - 6), (gx + 34, y0 + 40), (gx + 50, y0 + 40), (gx + 16, y1 - 6)], (255, 255, 255, 40))
    tint.alpha_composite(sheen.image(1))
    drops = Layer()
    rng = random.Random(351)
    for _ in range(26):
        dx, dy = rng.uniform(x0 + 4, x1 - 4), rng.uniform(y0 + 60, y1 - 20)
        ln = rng.uniform(6, 22)
        drops.line([(dx, dy), (dx + rng.uniform(-1, 1), dy + ln)], (200, 214, 232, 70), 1)
        drops.ell((dx - 1.6, dy + ln - 1, dx + 1.6, dy + ln + 2.4), (230, 238, 250, 150))
    tint.alpha_composite(drops.image())
    # the inside of the room faintly mirrored: warm glow low in the glass
    P.add_light(tint, (70, 40, 20), P.curve(P.radial_field(W, H, (x0 + x1) / 2 + 60, y1, 160, 120),
                                            lambda t: (1 - t) ** 2), 0.8)
    ta = tint.getchannel("A")
    tint.putalpha(ImageChops.multiply(ta, glass))
    rgb = Image.composite(tint.convert("RGB"), out.convert("RGB"), glass)
    out = rgb.convert("RGBA")
    out.putalpha(ImageChops.subtract(Image.new("L", (W, H), 255), ImageChops.subtract(glass, ta)))
    return out


def wood_fill(c, mask, seed, stops, vertical=False, lines=None, shadow=(0, 6), radius=6, strength=0.55):
    """Drop shadow, wood grain and a bevel for one shape of the room."""
    if shadow:
        P.fill(c, P.drop_shadow(mask, shadow, radius, strength), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, seed, stops, vertical=vertical, lines=lines or (W / 10 if vertical else H / 5)), mask)
    P.bevel(c, mask, 2, 0.4, 0.5)


MAHOGANY = [(0.0, (34, 14, 10)), (0.5, (72, 30, 20)), (1.0, (110, 52, 32))]
ROSEWOOD = [(0.0, (40, 20, 14)), (0.55, (88, 44, 26)), (1.0, (132, 76, 44))]


def mr_piano(c):
    """The upright piano: lid, panelled upper case with fretwork, swinging brass
    candle sconces, the music desk, the keys, the lower case with pedals, and the bench."""
    px0, px1 = MR_PIANO
    top = MR_PIANO_TOP
    white = (255, 255, 255, 255)
    body = Layer()
    body.rect((px0, top + 10, px1, MR_FLOOR - 2), white)
    bm = body.mask()
    wood_fill(c, bm, 361, MAHOGANY, vertical=True, shadow=(8, 4), radius=10, strength=0.6)
    # upper case panels and the fretwork in the middle
    pan = Layer()
    pan.rect((px0 + 22, top + 26, px0 + 120, MR_DESK - 8), white, 4)
    pan.rect((px1 - 120, top + 26, px1 - 22, MR_DESK - 8), white, 4)
    pm = pan.mask()
    P.inner_shadow(c, pm, 3, (2, 3), 0.6)
    P.multiply(c, (170, 130, 110), pm, 0.4)
    fret_box = (px0 + 126, top + 24, px1 - 126, MR_DESK - 8)
    fm = box_mask(fret_box)
    P.fill(c, (150, 100, 56), fm)   # the silk behind the fretwork
    P.fill(c, P.fbm(W, H, 363, ((3, 0.5), (1, 0.5))).convert("RGB").point(lambda i: 100 + i // 2), P.opacity(fm, 0.3))
    fret = Layer()
    fx0, fy0, fx1, fy1 = fret_box
    for i in range(7):
        x = fx0 + 8 + i * (fx1 - fx0 - 16) / 6
        fret.arc((x - 14, fy0 + 6, x + 14, fy1 - 20), 0, 360, (60, 26, 16, 255), 3)
        fret.line([(x, fy0), (x, fy1)], (60, 26, 16, 255), 2)
    fret.rect((fx0, fy0, fx1, fy0 + 6), (60, 26, 16, 255))
    fret.rect((fx0, fy1 - 6, fx1, fy1), (60, 26, 16, 255))
    P.fill(c, fret.image(), fm)
    P.inner_shadow(c, fm, 3, (2, 3), 0.55)
    # the lid, a little overhanging
    lid = Layer()
    lid.rect((px0 - 10, top, px1 + 10, top + 14), white, 3)
    lm = lid.mask()
    wood_fill(c, lm, 365, ROSEWOOD, shadow=(0, 6), radius=5)
    # the music desk: a ledge with a slanted board above it
    desk = Layer()
    desk.poly([(px0 + 104, MR_DESK - 40), (px1 - 104, MR_DESK - 40), (px1 - 98, MR_DESK), (px0 + 98, MR_DESK)], white)
    dm = desk.mask()
    wood_fill(c, dm, 367, MAHOGANY, shadow=(0, 4), radius=4, strength=0.5)
    ledge = Layer()
    ledge.rect((px0 + 90, MR_DESK, px1 - 90, MR_DESK + 8), white, 2)
    wood_fill(c, ledge.mask(), 369, ROSEWOOD, shadow=(0, 4), radius=3)
    # the keys: cheeks at both ends, the key bed, white and black keys
    cheeks = Layer()
    cheeks.rect((px0 - 4, MR_KEYS - 12, px0 + 22, MR_KEYS + 40), white, 3)
    cheeks.rect((px1 - 22, MR_KEYS - 12, px1 + 4, MR_KEYS + 40), white, 3)
    bed = Layer()
    bed.rect((px0 - 6, MR_KEYS + 26, px1 + 6, MR_KEYS + 42), white, 2)
    wood_fill(c, bed.mask(), 371, ROSEWOOD, shadow=(0, 8), radius=6)
    keys = Layer()
    kx0, kx1 = px0 + 22, px1 - 22
    n = 36
    kw = (kx1 - kx0) / n
    keys.rect((kx0, MR_KEYS - 4, kx1, MR_KEYS + 26), (236, 228, 206, 255))
    for i in range(n + 1):
        keys.line([(kx0 + i * kw, MR_KEYS - 4), (kx0 + i * kw, MR_KEYS + 26)], (120, 110, 96, 255), 0.8)
    for i in range(n):
        if i % 7 in (0, 1, 3, 4, 5):
            bx = kx0 + (i + 1) * kw
            keys.rect((bx - kw * 0.32, MR_KEYS - 4, bx + kw * 0.32, MR_KEYS + 13), (24, 20, 20, 255), 1)
    km = keys.onto(c)
    P.multiply(c, P.vgradient(W, H, [(0.0, (255, 255, 255)), ((MR_KEYS + 10) / H, (255, 255, 255)),
                                     ((MR_KEYS + 26) / H, (200, 186, 160)), (1.0, (200, 186, 160))]), km)
    fall = Layer()
    fall.rect((kx0, MR_KEYS - 14, kx1, MR_KEYS - 4), white, 2)
    wood_fill(c, fall.mask(), 373, MAHOGANY, shadow=(0, 3), radius=2, strength=0.6)
    wood_fill(c, cheeks.mask(), 375, ROSEWOOD, shadow=(2, 4), radius=3)
    # lower case: two long panels, the toe blocks and the pedals
    low = Layer()
    low.rect((px0 + 30, MR_KEYS + 58, (px0 + px1) / 2 - 8, MR_FLOOR - 26), white, 4)
    low.rect(((px0 + px1) / 2 + 8, MR_KEYS + 58, px1 - 30, MR_FLOOR - 26), white, 4)
    lwm = low.mask()
    P.inner_shadow(c, lwm, 3, (2, 3), 0.6)
    P.multiply(c, (170, 130, 110), lwm, 0.35)
    for x in (px0 + 8, px1 - 28):
        toe = Layer()
        toe.rect((x, MR_FLOOR - 20, x + 20, MR_FLOOR + 4), white, 2)
        wood_fill(c, toe.mask(), 377 + x, ROSEWOOD, shadow=(2, 3), radius=2)
    ped = Layer()
    cx = (px0 + px1) / 2
    for dx in (-24, 0, 24):
        ped.rect((cx + dx - 5, MR_FLOOR - 14, cx + dx + 5, MR_FLOOR + 2), white, 3)
    pdm = ped.mask()
    P.fill(c, P.drop_shadow(pdm, (1, 3), 2, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, seed=379), pdm)
    P.bevel(c, pdm, 1, 0.6, 0.4)
    # brass candle sconces swinging out from the upper case
    for sx in (px0 + 26, px1 - 26):
        arm = Layer()
        side = -1 if sx < cx else 1
        arm.line([(sx, MR_DESK - 20), (sx + side * 18, MR_DESK - 30), (sx + side * 26, MR_DESK - 46)],
                 (255, 255, 255, 255), 3)
        arm.ell((sx - 6, MR_DESK - 26, sx + 6, MR_DESK - 14), white)
        arm.ell((sx + side * 26 - 14, MR_DESK - 50, sx + side * 26 + 14, MR_DESK - 42), white)
        am = arm.mask()
        P.fill(c, P.drop_shadow(am, (3, 4), 3, 0.5), Image.new("L", (W, H), 255))
        P.fill(c, P.metal(W, H, seed=381), am)
        P.bevel(c, am, 1, 0.6, 0.45)
    # the bench in front of the piano
    bench = Layer()
    bx0, bx1 = px0 + 70, px1 - 70
    bench.rect((bx0, MR_BENCH, bx1, MR_BENCH + 16), white, 4)
    for lx in (bx0 + 8, bx1 - 20):
        bench.rect((lx, MR_BENCH + 14, lx + 12, MR_BENCH + 98), white, 3)
    bench.rect((bx0 + 14, MR_BENCH + 30, bx1 - 14, MR_BENCH + 40), white, 2)
    bem = bench.mask()
    P.fill(c, (0, 0, 0, 130), P.blur(P.ellipse_mask((W, H), (bx0 - 20, MR_BENCH + 90, bx1 + 20, MR_BENCH + 112)), 6))
    wood_fill(c, bem, 383, ROSEWOOD, vertical=True, shadow=(4, 6), radius=6)
    seat = Layer()
    seat.rect((bx0 + 4, MR_BENCH - 8, bx1 - 4, MR_BENCH + 4), white, 6)
    stm = seat.mask()
    P.fill(c, P.drop_shadow(stm, (0, 3), 3, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (120, 30, 46)), ((MR_BENCH - 8) / H, (150, 44, 60)),
                                 ((MR_BENCH + 4) / H, (80, 16, 30)), (1.0, (80, 16, 30))]), stm)
    P.bevel(c, stm, 2, 0.4, 0.4)
    studs = Layer()
    for x in range(int(bx0 + 10), int(bx1 - 6), 10):
        studs.ell((x - 1.5, MR_BENCH + 2, x + 1.5, MR_BENCH + 5), P.GOLD + (255,))
    studs.onto(c)


def mr_gramophone(c):
    """The record cabinet with an open shelf, the gramophone box with its turntable and
    tone arm, and the flaring brass horn; the wall shelf above it."""
    x0, x1, top = MR_CABINET
    white = (255, 255, 255, 255)
    cab = Layer()
    cab.rect((x0, top + 10, x1, MR_FLOOR + 4), white)
    for lx in (x0 + 4, x1 - 16):
        cab.rect((lx, MR_FLOOR, lx + 12, MR_FLOOR + 16), white, 2)
    cm = cab.mask()
    wood_fill(c, cm, 391, ROSEWOOD, vertical=True, shadow=(6, 6), radius=8, strength=0.6)
    hole = box_mask((x0 + 14, top + 28, x1 - 14, MR_FLOOR - 20))
    P.fill(c, P.vgradient(W, H, [(0.0, (20, 10, 8)), ((top + 28) / H, (20, 10, 8)), ((MR_FLOOR - 20) / H,
                                                                                     (50, 28, 18)), (1.0, (50, 28, 18))]),
           hole)
    P.inner_shadow(c, hole, 6, (4, 6), 0.8)
    shelf = box_mask((x0 + 14, top + 66, x1 - 14, top + 72))
    P.fill(c, (92, 54, 30), shelf)
    P.bevel(c, shelf, 1, 0.4, 0.4)
    ctop = Layer()
    ctop.rect((x0 - 6, top, x1 + 6, top + 12), white, 2)
    wood_fill(c, ctop.mask(), 393, MAHOGANY, shadow=(0, 5), radius=4)
    # the gramophone box
    gx0, gx1 = x0 + 14, x1 - 14
    gbox = Layer()
    gbox.rect((gx0, top - 40, gx1, top), white, 2)
    gm = gbox.mask()
    wood_fill(c, gm, 395, [(0.0, (70, 36, 20)), (0.5, (124, 70, 38)), (1.0, (164, 104, 56))], shadow=(3, 4), radius=3)
    inset = Layer()
    inset.rect((gx0 + 8, top - 32, gx1 - 8, top - 8), white, 2)
    P.inner_shadow(c, inset.mask(), 2, (1, 2), 0.5)
    crank = Layer()
    crank.line([(gx1, top - 20), (gx1 + 14, top - 20), (gx1 + 14, top - 6)], white, 3)
    crank.ell((gx1 + 10, top - 8, gx1 + 20, top - 2), (60, 30, 20, 255))
    km = crank.mask()
    P.fill(c, P.metal(W, H, seed=397), km)
    # the record on the turntable, seen from slightly above
    rec = Layer()
    rcx, rcy = (gx0 + gx1) / 2 - 6, top - 44
    rec.ell((rcx - 50, rcy - 9, rcx + 50, rcy + 9), (20, 18, 20, 255))
    rec.ell((rcx - 13, rcy - 3, rcx + 13, rcy + 3), (170, 40, 40, 255))
    rec.ell((rcx - 1.5, rcy - 1, rcx + 1.5, rcy + 1), (220, 220, 220, 255))
    rec.onto(c, shadow=0.4, offset=(0, 2), radius=2)
    grooves = Layer()
    grooves.ell((rcx - 40, rcy - 7, rcx + 40, rcy + 7), None, (70, 70, 76, 150), 0.6)
    grooves.ell((rcx - 28, rcy - 5, rcx + 28, rcy + 5), None, (70, 70, 76, 150), 0.6)
    grooves.onto(c)
    # the horn: a brass tube flaring from the back of the box up to a wide bell facing the room
    hx, hy = gx1 - 16, top - 46      # the neck
    bcx, bcy, brx, bry = 708, 292, 50, 58   # the bell's mouth, turned a little towards the room
    ctrl = (hx + 10, bcy + 36)
    horn = Layer()
    n = 60
    for i in range(n + 1):
        t = i / n
        x = (1 - t) ** 2 * hx + 2 * (1 - t) * t * ctrl[0] + t * t * bcx
        y = (1 - t) ** 2 * hy + 2 * (1 - t) * t * ctrl[1] + t * t * bcy
        r = 5 * (bry / 5.0) ** (t ** 2.2)
        horn.ell((x - r * brx / bry, y - r, x + r * brx / bry, y + r), white)
    hm = horn.mask()
    P.fill(c, P.drop_shadow(hm, (6, 8), 8, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, [(0.0, P.GOLD_DARK), (0.35, P.GOLD_LIGHT), (0.6, P.GOLD), (1.0, P.GOLD_DARK)], seed=399), hm)
    P.multiply(c, (90, 60, 30), ImageChops.multiply(hm, P.curve(P.radial_field(W, H, bcx - 30, bcy - 40, 170),
                                                                 lambda t: t ** 1.3)), 0.8)
    petals = Layer()
    for k in range(-3, 4):
        a = math.radians(k * 24 + 20)
        petals.line(S.Sheet.curve_pts(None, (hx - 2, hy - 4), (ctrl[0] + k * 5, ctrl[1]),
                                       (bcx + brx * math.cos(a), bcy + bry * math.sin(a)), 16), (110, 70, 20, 150), 1.2)
    P.fill(c, petals.image(), hm)
    P.bevel(c, hm, 3, 0.5, 0.5)
    bem = P.ellipse_mask((W, H), (bcx - brx + 5, bcy - bry + 5, bcx + brx - 5, bcy + bry - 5))
    P.fill(c, P.gradient_map(P.radial_field(W, H, bcx + 8, bcy + 10, brx, bry),
                             [(0.0, (16, 10, 6)), (0.4, (60, 36, 14)), (0.8, (170, 124, 56)), (1.0, (236, 200, 130))]),
           bem)
    rim = P.ring_mask((W, H), (bcx - brx + 1, bcy - bry + 1, bcx + brx - 1, bcy + bry - 1), 6)
    P.fill(c, P.metal(W, H, seed=401), rim)
    P.bevel(c, rim, 2, 0.6, 0.5)
    # the tone arm resting on the record
    arm = Layer()
    arm.line([(gx1 - 18, top - 46), (rcx + 30, top - 52), (rcx + 14, top - 44)], white, 3)
    arm.rect((rcx + 8, top - 48, rcx + 18, top - 40), white, 2)
    am = arm.mask()
    P.fill(c, P.drop_shadow(am, (2, 3), 2, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, [(0.0, (80, 80, 86)), (0.4, (230, 230, 236)), (1.0, (90, 90, 96))], seed=403), am)
    # the wall shelf above, on two brackets
    sh = Layer()
    sh.rect((x0 - 14, MR_SHELF, x1 + 30, MR_SHELF + 12), white, 1)
    for kx in (x0 + 10, x1 - 4):
        sh.poly([(kx, MR_SHELF + 12), (kx + 6, MR_SHELF + 12), (kx + 6, MR_SHELF + 40), (kx, MR_SHELF + 40)], white)
        sh.poly([(kx + 6, MR_SHELF + 12), (kx + 28, MR_SHELF + 12), (kx + 6, MR_SHELF + 34)], white)
    wood_fill(c, sh.mask(), 405, ROSEWOOD, shadow=(0, 6), radius=5, strength=0.6)


def mr_clock(c):
    """The longcase clock: hood with the painted dial, the trunk with its glass door
    (dark inside, two brass weights: the pendulum swings in front of them), the base."""
    cx0, cx1 = MR_CLOCK
    cx = (cx0 + cx1) / 2
    white = (255, 255, 255, 255)
    dx0, dy0, dx1, dy1 = MR_CLOCK_DOOR
    case = Layer()
    case.rect((cx0 + 14, 236, cx1 - 14, 476), white)           # trunk
    case.rect((cx0 + 2, 470, cx1 - 2, MR_FLOOR + 6), white, 2)  # base
    case.rect((cx0 + 6, 86, cx1 - 6, 240), white, 3)           # hood
    case.pie((cx0 + 10, 56, cx1 - 10, 116), 180, 360, white)   # the hood's arch
    cm = case.mask()
    wood_fill(c, cm, 411, MAHOGANY, vertical=True, shadow=(8, 4), radius=10, strength=0.65)
    mould = Layer()
    for y in (82, 232, 466, MR_FLOOR - 6):
        w = 2 if y in (82, 232) else 0
        mould.rect((cx0 - w, y, cx1 + w, y + 10), white, 2)
    mm = mould.mask()
    wood_fill(c, mm, 413, ROSEWOOD, shadow=(0, 4), radius=3)
    finial = Layer()
    for fx in (cx0 + 10, cx, cx1 - 10):
        finial.ell((fx - 5, 48 if fx == cx else 70, fx + 5, 58 if fx == cx else 80), white)
        finial.rect((fx - 2, 56 if fx == cx else 78, fx + 2, 88), white)
    fm = finial.mask()
    P.fill(c, P.drop_shadow(fm, (2, 3), 2, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, seed=415), fm)
    P.bevel(c, fm, 1, 0.6, 0.4)
    # the dial: brass square with a cream chapter ring and the hands
    dcx, dcy, r = cx, 160, 42
    plate = Layer()
    plate.rect((dcx - r - 8, dcy - r - 8, dcx + r + 8, dcy + r + 8), white, 3)
    pm = plate.mask()
    P.fill(c, P.metal(W, H, seed=417), pm)
    P.bevel(c, pm, 2, 0.5, 0.5)
    face = P.ellipse_mask((W, H), (dcx - r, dcy - r, dcx + r, dcy + r))
    P.fill(c, P.gradient_map(P.radial_field(W, H, dcx - 10, dcy - 12, r * 1.6),
                             [(0.0, (252, 244, 222)), (1.0, (206, 188, 150))]), face)
    P.inner_shadow(c, face, 3, (1, 2), 0.5)
    marks = Layer()
    for i in range(12):
        a = math.radians(i * 30 - 90)
        marks.line([(dcx + math.cos(a) * (r - 4), dcy + math.sin(a) * (r - 4)),
                    (dcx + math.cos(a) * (r - 10), dcy + math.sin(a) * (r - 10))], (40, 30, 24, 255), 1.6)
    marks.line([(dcx, dcy), (dcx - 14, dcy - 14)], (30, 24, 20, 255), 2.6)   # hour hand at half past ten
    marks.line([(dcx, dcy), (dcx + 1, dcy + 30)], (30, 24, 20, 255), 1.8)
    marks.ell((dcx - 3, dcy - 3, dcx + 3, dcy + 3), (30, 24, 20, 255))
    marks.onto(c)
    for ox, oy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):   # gilt spandrels in the corners
        sp = Layer()
        sx, sy = dcx + ox * (r + 2), dcy + oy * (r + 2)
        sp.ell((sx - 5, sy - 5, sx + 5, sy + 5), P.GOLD_LIGHT + (255,))
        sp.onto(c)
    glint = Layer()
    glint.poly([(dcx - 30, dcy - 20), (dcx - 14, dcy - 36), (dcx - 8, dcy - 32), (dcx - 24, dcy - 16)],
               (255, 255, 255, 50))
    glint.onto(c)
    for colx in (cx0 + 12, cx1 - 22):   # small columns at the hood's sides
        col = Layer()
        col.rect((colx, 96, colx + 10, 228), white, 3)
        com = col.mask()
        P.fill(c, P.hgradient(W, H, [(0.0, (60, 40, 20)), ((colx + 3) / W, (230, 190, 110)), ((colx + 10) / W,
                                                                                              (70, 46, 20)),
                                     (1.0, (70, 46, 20))]), com)
    # the trunk's door: its frame and the dark inside with two weights
    door = Layer()
    door.rect((dx0 - 8, dy0 - 8, dx1 + 8, dy1 + 8), white, 4)
    wood_fill(c, door.mask(), 419, ROSEWOOD, vertical=True, shadow=(0, 3), radius=3)
    inside = box_mask((dx0, dy0, dx1, dy1))
    P.fill(c, P.gradient_map(P.radial_field(W, H, (dx0 + dx1) / 2, dy0 + 80, 90, 150),
                             [(0.0, (62, 36, 24)), (0.6, (32, 18, 12)), (1.0, (16, 8, 6))]), inside)
    grain = P.wood(W, H, 421, [(0.0, (120, 120, 120)), (1.0, (200, 200, 200))], vertical=True, lines=W / 8)
    P.multiply(c, grain, inside, 0.3)
    weights = Layer()
    for wx, wy in ((dx0 + 11, 282), (dx1 - 11, 298)):
        weights.line([(wx, dy0), (wx, wy)], (120, 110, 90, 255), 1.2)
        weights.rect((wx - 7, wy, wx + 7, wy + 46), (255, 255, 255, 255), 3)
    wm = weights.mask()
    chains = ImageChops.subtract(wm, P.blur(wm, 0).point(lambda v: 0))
    P.fill(c, P.metal(W, H, [(0.0, P.GOLD_DARK), (0.4, P.GOLD_LIGHT), (1.0, P.GOLD_DARK)], seed=423), chains)
    P.multiply(c, (170, 150, 120), wm, 0.3)
    P.inner_shadow(c, inside, 6, (3, 5), 0.7)
    # the pendulum's hanger: a small bracket at the pivot
    hook = Layer()
    px, py = MR_PIVOT
    hook.rect((px - 6, dy0, px + 6, py + 3), (90, 70, 40, 255), 2)
    hook.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    # the base's raised panel
    bp = Layer()
    bp.rect((cx0 + 18, 486, cx1 - 18, MR_FLOOR - 14), white, 3)
    P.inner_shadow(c, bp.mask(), 3, (2, 3), 0.6)


def mr_wall_lights(c):
    """Two brass sconces with candles beside the painting over the piano, and their light."""
    for sx in (346, 594):
        sc = Layer()
        sc.rect((sx - 8, 150, sx + 8, 176), (255, 255, 255, 255), 4)
        sc.line([(sx, 170), (sx, 190), (sx - 2, 196)], (255, 255, 255, 255), 3)
        sc.ell((sx - 14, 190, sx + 14, 200), (255, 255, 255, 255))
        sm = sc.mask()
        P.fill(c, P.drop_shadow(sm, (3, 4), 3, 0.5), Image.new("L", (W, H), 255))
        P.fill(c, P.metal(W, H, seed=431 + sx), sm)
        P.bevel(c, sm, 1, 0.6, 0.45)
        wax = Layer()
        wax.rect((sx - 4, 162, sx + 4, 192), (244, 234, 208, 255), 2)
        wax.onto(c)
        flame = Layer()
        flame.poly([(sx - 3, 160), (sx, 146), (sx + 3, 160)], (255, 200, 90, 255))
        flame.ell((sx - 3, 154, sx + 3, 162), (255, 244, 200, 255))
        flame.onto(c, blur=0.6)
        light(c, sx, 160, 200, (110, 60, 24), 0.8, 220)
        light(c, sx, 155, 40, (255, 190, 100), 0.6)


def music_room_room():
    """The music room without any item: 1024 x 768, RGBA with see-through window panes."""
    c = wallpaper()
    mr_cornice(c)
    mr_wainscot(c)
    mr_floor(c)
    mr_window(c)
    mr_wall_lights(c)
    mr_piano(c)
    mr_gramophone(c)
    mr_clock(c)
    # lights: the candles, the standing lamp by the clock, warmth over the piano, cool at the window
    light(c, MR_LAMP[0], MR_LAMP[1] + 20, 320, (120, 70, 26), 0.75, 340)
    light(c, MR_LAMP[0], MR_LAMP[1] + 10, 90, (255, 180, 90), 0.35)
    light(c, 470, 420, 330, (90, 50, 22), 0.55, 220)
    light(c, 520, 660, 360, (70, 40, 18), 0.5, 110)
    darken(c, 0, H, 420, 0.35)
    room = S.finish(c, 441, 0.6)
    return mr_glass(room)


# ================================================================ the pendulum (animated scenery)

PENDULUM_ROD = 120       # pivot to the bob's centre
PENDULUM_BOB = 13        # the bob's radius
PENDULUM_SWING = 10.0    # degrees either side
PENDULUM_STEPS = 12      # keyframes per full swing (equal steps of phase: eased at the turns)
# The player holds every keyframe for two 16 ms updates and takes whole updates per
# tween: 124 ms steps are eight updates each, so a swing takes (12 * 10 + 3 + 3) * 16
# = 2016 ms. The restart of the loop holds the pendulum at the right turn for three
# updates more; PENDULUM_HOLD keeps it as long at the left turn.
PENDULUM_STEP_MS = 124
PENDULUM_HOLD = 16


def pendulum():
    """Rod and brass bob hanging from the centre of the picture (its top half is empty),
    so that the player's rotation about the picture's centre swings it about its pivot."""
    half_h = PENDULUM_ROD + PENDULUM_BOB + 3
    w, h = 2 * (PENDULUM_BOB + 3), 2 * half_h
    big = 4
    img = Image.new("RGBA", (w * big, h * big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    cx, py = w / 2 * big, half_h * big
    by = py + PENDULUM_ROD * big
    d.rectangle((cx - 2.5 * big, py - 2 * big, cx + 2.5 * big, py + 6 * big), fill=(70, 54, 30, 255))   # suspension
    d.rectangle((cx - 1.4 * big, py, cx + 1.4 * big, by), fill=(150, 116, 52, 255))                    # rod
    r = PENDULUM_BOB * big
    d.ellipse((cx - r, by - r, cx + r, by + r), fill=(200, 156, 70, 255))
    img = img.resize((w, h), Image.Resampling.LANCZOS)
    # shading of the rod and the bob: a lit brass disc
    a = img.getchannel("A")
    rod = box_mask((0, half_h - 2, w, half_h + PENDULUM_ROD - PENDULUM_BOB), (w, h))
    P.fill(img, P.hgradient(w, h, [(0.0, P.GOLD_DARK), (0.42, P.GOLD_LIGHT), (0.6, P.GOLD), (1.0, P.GOLD_DARK)]),
           ImageChops.multiply(a, rod))
    bob = P.ellipse_mask((w, h), (w / 2 - r / big, half_h + PENDULUM_ROD - r / big, w / 2 + r / big,
                                  half_h + PENDULUM_ROD + r / big))
    P.fill(img, P.gradient_map(P.radial_field(w, h, w / 2 - 4, half_h + PENDULUM_ROD - 5, r / big * 1.9),
                               [(0.0, (255, 244, 190)), (0.35, P.GOLD), (0.8, P.GOLD_DARK), (1.0, (70, 44, 14))]), bob)
    ring = P.ring_mask((w, h), (w / 2 - 8, half_h + PENDULUM_ROD - 8, w / 2 + 8, half_h + PENDULUM_ROD + 8), 1)
    P.fill(img, (120, 84, 30, 160), ring)
    return img


def pendulum_xml(size):
    """The looping swing: the file Angle follows a cosine sampled at equal steps of phase,
    so the keyframes crowd where the pendulum turns and it eases in and out there; a
    short hold at the left turn matches the loop's restart at the right one."""
    keys = []
    for i in range(PENDULUM_STEPS + 1):
        angle = PENDULUM_SWING * math.cos(2 * math.pi * i / PENDULUM_STEPS)
        t = i * PENDULUM_STEP_MS + (PENDULUM_HOLD if i > PENDULUM_STEPS // 2 else 0)
        keys.append((t, angle))
        if i == PENDULUM_STEPS // 2:
            keys.append((t + PENDULUM_HOLD, angle))
    rows = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<Scene name="Pendulum" loop="1" length="%d">' % keys[-1][0],
            '  <Screen Width="%d" Height="%d"/>' % size,
            '  <Object file="Pendulum.png" type="0">']
    for t, angle in keys:
        text = ("%.2f" % angle).rstrip("0").rstrip(".")
        rows.append('    <KeyFrame TimeStamp="%d" TypeInterpolator="0" Type="0" x="0" y="0" z="0" ScaleX="100"'
                    ' ScaleY="100" Angle="%s" Red="255" Green="255" Blue="255" Alpha="255"/>'
                    % (t, "0" if text == "-0" else text))
    rows += ['  </Object>', '</Scene>']
    return "\n".join(rows) + "\n"


# ================================================================ music-room objects

def violin():
    """A violin: varnished body with C-bouts and f-holes, black fingerboard, scroll, strings."""
    s = Sheet(40, 118)
    body = ImageChops.lighter(s.ell((5, 38, 35, 70)), s.ell((2, 66, 38, 110)))
    body = ImageChops.lighter(body, s.rect((9, 56, 31, 84)))
    for sx in (-1, 1):
        body = ImageChops.subtract(body, s.ell((20 + sx * 22 - 8, 62, 20 + sx * 22 + 8, 80)))
    s.rgrad(body, 14, 60, 62, [(0.0, (236, 150, 60)), (0.5, (184, 84, 26)), (1.0, (96, 36, 12))])
    s.bevel(body, 2, 0.5, 0.5)
    edge = ImageChops.subtract(body, body.filter(ImageFilter.MinFilter(5)))
    s.paint(edge, (80, 34, 14, 200))
    for fx, sgn in ((12, 1), (28, -1)):
        s.paint(s.line(s.curve_pts((fx, 70), (fx + sgn * 3, 78), (fx, 88), 8), 1.3), (30, 12, 6))
    s.paint(s.rect((17, 6, 23, 74), 2), (26, 20, 20))           # fingerboard
    s.paint(s.rect((16, 96, 24, 110), 2), (26, 20, 20))         # tailpiece
    s.paint(s.rect((13, 84, 27, 87), 1), (230, 210, 170))       # bridge
    scroll = s.ell((14, -1, 26, 11))
    s.rgrad(scroll, 18, 3, 10, [(0.0, (220, 140, 60)), (1.0, (110, 46, 16))])
    s.paint(s.ring((16.5, 1.5, 23.5, 8.5), 1.2), (80, 30, 10))
    s.paint(s.rect((16, 9, 24, 20), 1), (150, 70, 26))
    for py in (11, 16):
        s.paint(s.line([(11, py), (29, py)], 2), (30, 20, 14))
    strings = s.lines([[(18 + i * 1.3, 10), (18.5 + i * 1.0, 98)] for i in range(4)], 0.5)
    s.paint(strings, (240, 236, 220, 220))
    s.gloss(s.ell((8, 72, 16, 90)), 60)
    return s.done(rot=-32)


def metronome():
    """A wooden pyramid metronome with its scale plate and the swinging rod."""
    s = Sheet(44, 64)
    body = s.poly([(13, 0), (31, 0), (44, 58), (0, 58)])
    s.grad(body, cyl((124, 64, 32), 1.35, 0.5))
    s.grain(body, 451, 0.5)
    s.bevel(body, 2, 0.45, 0.5)
    plate = s.poly([(17, 6), (27, 6), (33, 48), (11, 48)])
    s.grad(plate, [(0.0, (250, 240, 210)), (1.0, (214, 196, 156))], vertical=True)
    ticks = s.lines([[(20, y), (24, y)] for y in range(10, 46, 4)], 0.8)
    s.paint(ticks, (80, 60, 40))
    s.paint(s.line([(22, 50), (30, 4)], 1.8), (200, 200, 206))
    s.paint(s.rect((24.5, 16, 30.5, 23), 1.5), P.GOLD)
    base = s.rect((-2, 54, 46, 64), 2)
    s.grad(base, [(0.0, (110, 60, 30)), (1.0, (50, 26, 12))], vertical=True)
    s.bevel(base, 1, 0.5, 0.4)
    return s.done()


def tuning_fork():
    """A steel tuning fork: two long prongs, the stem and a ball foot."""
    s = Sheet(20, 74)
    fork = s.mask(lambda d, sc: (d.arc(s._b((2, 28, 18, 46), sc), 0, 180, fill=255, width=int(4 * sc)),
                                 d.rectangle(s._b((2, 0, 6, 37), sc), fill=255),
                                 d.rectangle(s._b((14, 0, 18, 37), sc), fill=255),
                                 d.rectangle(s._b((8, 44, 12, 68), sc), fill=255),
                                 d.ellipse(s._b((6, 64, 14, 74), sc), fill=255)))
    s.grad(fork, SILVER)
    s.bevel(fork, 1, 0.6, 0.45)
    return s.done(rot=-38)


def trumpet():
    """A brass trumpet: mouthpiece, long lead pipe, three valves, the loop and a wide bell."""
    s = Sheet(116, 44)
    tube = s.lines([[(4, 14), (84, 14)], [(40, 14), (36, 22), (40, 30), (86, 30), (90, 22), (86, 14)]], 3.6)
    bell = s.poly([(80, 10), (112, 0), (112, 30), (80, 18)])
    bell = ImageChops.lighter(bell, s.ell((106, -1, 116, 31)))
    valves = s.mask(lambda d, sc: [d.rounded_rectangle(s._b((x, 8, x + 7, 34), sc), radius=2 * sc, fill=255)
                                   for x in (50, 60, 70)])
    caps = s.mask(lambda d, sc: [d.rounded_rectangle(s._b((x - 1, 2, x + 8, 7), sc), radius=2 * sc, fill=255)
                                 for x in (50, 60, 70)])
    stems = s.mask(lambda d, sc: [d.rectangle(s._b((x + 2.5, 5, x + 4.5, 9), sc), fill=255) for x in (50, 60, 70)])
    metal = ImageChops.lighter(ImageChops.lighter(tube, bell), ImageChops.lighter(valves, stems))
    s.grad(metal, BRASS, vertical=True)
    s.bevel(metal, 1, 0.6, 0.45)
    s.grad(caps, [(0.0, (250, 246, 236)), (1.0, (200, 190, 170))], vertical=True)
    mouth = s.poly([(0, 10), (6, 12), (6, 16), (0, 18)])
    s.grad(mouth, SILVER, vertical=True)
    s.paint(s.ell((109, 2, 114, 28)), (120, 80, 20))
    s.gloss(s.rect((10, 12.5, 80, 13.5)), 150)
    return s.done(rot=6)


def harmonica():
    """A harmonica: silver cover plates over a wooden comb with its row of holes."""
    s = Sheet(64, 22)
    comb = s.rect((1, 7, 63, 15), 1)
    s.paint(comb, (150, 100, 50))
    holes = s.mask(lambda d, sc: [d.rectangle(s._b((4 + i * 6, 9, 8 + i * 6, 13), sc), fill=255) for i in range(10)])
    s.paint(holes, (30, 20, 14))
    for y0, y1 in ((0, 8), (14, 22)):
        plate = s.rect((0, y0, 64, y1), 3)
        s.grad(plate, SILVER, vertical=True)
        s.bevel(plate, 1, 0.6, 0.5)
    s.paint(s.glyph("\u266a", P.SANS_BOLD, 8, 32, 4), (120, 120, 130))
    return s.done(rot=14)


def drum():
    """A small snare drum with red shell, gold cords and two crossed sticks on its head."""
    s = Sheet(64, 60)
    shell = s.rect((2, 20, 62, 54), 3)
    s.grad(shell, cyl((176, 32, 40), 1.4, 0.5))
    for y in (20, 50):
        hoop = s.rect((0, y - 2, 64, y + 5), 2)
        s.grad(hoop, cyl((236, 226, 200), 1.05, 0.6))
    cords = s.lines([[(4 + i * 8, 24), (8 + i * 8, 48), (12 + i * 8, 24)] for i in range(7)], 1.3)
    s.paint(ImageChops.multiply(cords, shell), P.GOLD_LIGHT)
    head = s.ell((0, 12, 64, 28))
    s.grad(head, [(0.0, (252, 248, 236)), (1.0, (214, 204, 180))], vertical=True)
    s.paint(s.ring((0, 12, 64, 28), 2), (200, 190, 160))
    for a, b in (((8, 2), (48, 22)), ((58, 4), (20, 22))):
        st = s.line([a, b], 3)
        s.grad(st, cyl((210, 170, 110)))
        s.paint(s.ell((a[0] - 2.5, a[1] - 2.5, a[0] + 2.5, a[1] + 2.5)), (220, 190, 130))
    return s.done()


def music_box():
    """A music box: an inlaid wooden chest with the lid open, a tiny dancer and the winding key."""
    s = Sheet(60, 56)
    lid = s.poly([(6, 2), (50, 2), (52, 24), (4, 24)])
    s.grad(lid, cyl((130, 62, 34), 1.3, 0.55))
    mirror = s.rect((12, 6, 44, 21), 2)
    s.grad(mirror, [(0.0, (200, 214, 220)), (0.5, (150, 170, 180)), (1.0, (110, 126, 136))])
    inside = s.rect((4, 24, 52, 30))
    s.paint(inside, (140, 30, 50))
    dancer = s.mask(lambda d, sc: (d.ellipse(s._b((26, 8, 30, 12), sc), fill=255),
                                   d.polygon(s._p([(28, 12), (22, 22), (34, 22)], sc), fill=255),
                                   d.line(s._p([(28, 22), (28, 28)], sc), fill=255, width=int(1.2 * sc)),
                                   d.line(s._p([(24, 13), (32, 10)], sc), fill=255, width=int(1 * sc))))
    s.paint(dancer, (240, 170, 190))
    box = s.rect((2, 28, 54, 56), 2)
    s.grad(box, cyl((150, 76, 40), 1.3, 0.5))
    s.grain(box, 461, 0.5, vertical=False)
    s.bevel(box, 2, 0.45, 0.5)
    s.paint(s.ring((18, 34, 38, 50), 1.4), P.GOLD)
    s.paint(s.glyph("\u266b", P.SANS_BOLD, 12, 28, 42), P.GOLD_LIGHT)
    key = s.mask(lambda d, sc: (d.rectangle(s._b((54, 40, 58, 43), sc), fill=255),
                                d.ellipse(s._b((55, 32, 61, 40), sc), fill=255),
                                d.ellipse(s._b((55, 43, 61, 51), sc), fill=255)))
    s.grad(key, BRASS)
    return s.done()


def flute():
    """A silver flute: the long tube with its keys and the lip plate near the head."""
    s = Sheet(136, 14)
    tube = s.rect((0, 4, 136, 11), 3)
    s.grad(tube, SILVER, vertical=True)
    s.bevel(tube, 1, 0.5, 0.4)
    s.paint(s.rect((18, 2, 28, 6), 2), (230, 232, 238))
    s.paint(s.ell((21, 3, 25, 6)), (40, 40, 46))
    keys = s.mask(lambda d, sc: [d.ellipse(s._b((x, 2.5, x + 6, 8.5), sc), fill=255) for x in range(48, 124, 9)])
    s.grad(keys, [(0.0, (250, 250, 255)), (1.0, (150, 154, 164))], vertical=True)
    rings = s.mask(lambda d, sc: [d.ellipse(s._b((x + 1.5, 4, x + 4.5, 7), sc), fill=255) for x in range(48, 124, 9)])
    s.paint(rings, (80, 84, 94))
    for x in (40, 128):
        s.paint(s.rect((x, 3.5, x + 2, 11.5)), (150, 150, 160))
    return s.done(rot=-10)


def tambourine():
    """A tambourine: a wooden hoop with a skin head, pairs of jingles and a ribbon."""
    s = Sheet(62, 70)
    hoop = s.ell((0, 0, 62, 62))
    s.rgrad(hoop, 22, 20, 64, [(0.0, (200, 140, 70)), (1.0, (110, 64, 30))])
    head = s.ell((5, 5, 57, 57))
    s.rgrad(head, 24, 22, 46, [(0.0, (252, 240, 214)), (0.8, (226, 204, 160)), (1.0, (190, 164, 120))])
    s.paint(s.glyph("\u2605", P.SANS, 16, 31, 31), (176, 40, 50, 200))
    for i in range(6):
        a = math.radians(i * 60 + 30)
        jx, jy = 31 + math.cos(a) * 28, 31 + math.sin(a) * 28
        s.paint(s.rect((jx - 6, jy - 3.5, jx + 6, jy + 3.5), 1.5), (60, 36, 20))
        jingle = s.ells([(jx - 6, jy - 3, jx - 0.5, jy + 3), (jx + 0.5, jy - 3, jx + 6, jy + 3)])
        s.grad(jingle, SILVER)
    rib = s.poly([(30, 58), (34, 58), (40, 70), (32, 64), (24, 70)])
    s.paint(rib, (170, 40, 60))
    return s.done(rot=12, scale=0.86)


def triangle_instrument():
    """A steel triangle open at one corner, hanging from a red cord, with its beater."""
    s = Sheet(54, 66)
    s.paint(s.line([(24, 0), (24, 12)], 1.4), (190, 40, 50))
    tri = s.lines([[(20, 14), (2, 58), (50, 58), (28, 14)]], 3.4)
    s.grad(tri, SILVER)
    s.bevel(tri, 1, 0.6, 0.45)
    beater = s.line([(40, 30), (54, 66)], 2.4)
    s.grad(beater, IRON)
    s.paint(s.ell((36, 26, 43, 33)), (60, 60, 66))
    return s.done()


def opera_glasses():
    """Opera glasses: two gilt barrels with mother-of-pearl bands and a handle."""
    s = Sheet(60, 58)
    handle = s.line([(44, 24), (58, 58)], 4)
    s.grad(handle, cyl((236, 226, 210), 1.05, 0.6))
    for bx in (4, 30):
        barrel = s.rect((bx, 6, bx + 22, 36), 4)
        s.grad(barrel, [(0.0, (170, 160, 150)), (0.3, (252, 246, 240)), (0.6, (216, 206, 200)), (1.0, (150, 140, 130))])
        for y0 in (4, 30):
            band = s.rect((bx - 1, y0, bx + 23, y0 + 7), 3)
            s.grad(band, BRASS)
            s.bevel(band, 1, 0.6, 0.4)
        lens = s.ell((bx + 2, 30, bx + 20, 38))
        s.rgrad(lens, bx + 8, 32, 12, [(0.0, (210, 230, 240)), (1.0, (60, 80, 100))])
    bridge = s.rect((24, 14, 32, 22), 2)
    s.grad(bridge, BRASS, vertical=True)
    s.paint(s.ell((24, 2, 32, 10)), P.GOLD)
    return s.done(rot=-8)


def hand_bell():
    """A brass hand bell with a turned wooden handle."""
    s = Sheet(44, 62)
    handle = s.mask(lambda d, sc: (d.ellipse(s._b((15, 0, 29, 12), sc), fill=255),
                                   d.rounded_rectangle(s._b((18, 8, 26, 30), sc), radius=3 * sc, fill=255)))
    s.grad(handle, cyl((70, 34, 18), 1.6, 0.5))
    bell = s.poly(s.curve_pts((14, 28), (12, 46), (0, 54), 12) + [(44, 54)] +
                  s.curve_pts((44, 54), (32, 46), (30, 28), 12)[1:])
    bell = ImageChops.lighter(bell, s.ell((13, 24, 31, 34)))
    bell = ImageChops.lighter(bell, s.rect((0, 50, 44, 58), 3))
    s.grad(bell, BRASS)
    s.bevel(bell, 2, 0.55, 0.45)
    s.paint(s.ell((18, 56, 26, 62)), (90, 66, 30))
    return s.done()


def lyre():
    """A small lyre: two curved gilt arms on a sound box, a crossbar and seven strings."""
    s = Sheet(54, 70)
    arms = s.lines([s.curve_pts((14, 60), (-6, 30), (8, 4), 16), s.curve_pts((40, 60), (60, 30), (46, 4), 16)], 5)
    s.grad(arms, BRASS)
    s.bevel(arms, 1, 0.6, 0.45)
    bar = s.rect((4, 6, 50, 12), 3)
    s.grad(bar, cyl((140, 80, 40)))
    s.paint(s.ell((0, 2, 10, 12)), P.GOLD)
    s.paint(s.ell((44, 2, 54, 12)), P.GOLD)
    box = s.rect((8, 56, 46, 70), 4)
    s.grad(box, cyl((150, 84, 40), 1.3, 0.5))
    s.bevel(box, 1, 0.5, 0.45)
    strings = s.lines([[(15 + i * 4, 12), (15 + i * 4, 58)] for i in range(7)], 0.8)
    s.paint(strings, (246, 240, 220))
    return s.done()


def maracas():
    """A pair of maracas with painted heads and wooden handles, crossed."""
    s = Sheet(62, 64)
    for (hx, hy), (ex, ey), col in (((16, 18), (40, 62), (214, 60, 40)), ((44, 20), (18, 62), (230, 176, 40))):
        stick = s.line([(hx, hy), (ex, ey)], 4.5)
        s.grad(stick, cyl((170, 120, 70)))
        head = s.ell((hx - 14, hy - 16, hx + 14, hy + 14))
        s.rgrad(head, hx - 5, hy - 7, 24, [(0.0, P.shade(col, 1.5)), (0.5, col), (1.0, P.shade(col, 0.5))])
        band = ImageChops.multiply(head, s.rect((hx - 16, hy - 4, hx + 16, hy + 1)))
        s.paint(band, (40, 110, 100))
        dots = s.ells([(hx + dx - 1.5, hy - 10 - 1.5, hx + dx + 1.5, hy - 10 + 1.5) for dx in (-6, 0, 6)])
        s.paint(ImageChops.multiply(dots, head), (250, 244, 220))
        s.gloss(s.ell((hx - 9, hy - 12, hx - 2, hy - 6)), 110)
    return s.done()


FEATHER_COLOURS = {
    "Peacock": ((96, 150, 70), (40, 86, 60)), "Red": ((226, 58, 46), (140, 24, 30)),
    "White": ((252, 250, 244), (186, 180, 172)), "Yellow": ((250, 208, 64), (196, 128, 20)),
    "Blue": ((80, 140, 226), (30, 54, 140)), "Brown": ((184, 134, 80), (100, 62, 30)),
}
FEATHER_SEEDS = {"Peacock": 11, "Red": 12, "White": 13, "Yellow": 14, "Blue": 15, "Brown": 16}


def feather(kind, rot=0):
    """A feather standing on its quill: a pale shaft running from the bare quill to the tip, a vane of
    fine barbs with a few splits in its edge, soft fluffy barbs at the base; the peacock's carries its
    eye near the tip, the brown one darker bars."""
    light_c, dark_c = FEATHER_COLOURS[kind]
    rng = random.Random(FEATHER_SEEDS[kind])
    fw, fh = 30, 80
    top, base, quill_end = 2.0, 58.0, 80.0          # the vane's tip and base, the quill's end
    s = Sheet(fw, fh)
    shaft_pts = s.curve_pts((15, quill_end), (12, 38), (17, top), 40)

    def shaft_x(y):
        """x of the shaft at height y (the curve is sampled densely; nearest sample)."""
        return min(shaft_pts, key=lambda p: abs(p[1] - y))[0]

    def half_width(y, side):
        """Half-width of the vane at height y on one side (-1 left, +1 right): round tip, fuller left."""
        t = (y - top) / (base - top)
        full = 12.0 if side < 0 else 10.0
        if t < 0.18:
            return full * math.sqrt(max(0.0, t) / 0.18)
        if t < 0.72:
            return full
        return full * (1.0 - 0.6 * (t - 0.72) / 0.28)

    ys = [top + (base - top) * i / 40 for i in range(41)]
    left = [(shaft_x(y) - half_width(y, -1), y) for y in ys]
    right = [(shaft_x(y) + half_width(y, 1), y) for y in ys]
    vane = s.poly(left + right[::-1])
    # splits: a few barbs part from their neighbours, cut in from the edge slanting towards the base
    cuts = []
    for side, n in ((-1, 3), (1, 2)):
        for y in rng.sample(range(int(top) + 10, int(base) - 6, 5), n):
            hw = half_width(y, side)
            x_edge = shaft_x(y) + side * (hw + 1)
            depth = hw * rng.uniform(0.45, 0.7)
            cuts.append([(x_edge, y - 2.5), (x_edge - side * depth, y + depth * 0.55)])
    vane = ImageChops.subtract(vane, s.lines(cuts, 1.1))
    # colour: darker towards the edges, light along the shaft
    s.grad(vane, [(0.0, P.shade(dark_c, 0.9)), (0.3, light_c), (0.5, P.shade(light_c, 1.08)), (0.72, light_c),
                  (1.0, dark_c)])
    if kind == "Brown":
        bars = s.lines([[(0, y), (fw, y - 6)] for y in range(10, 58, 7)], 2.2)
        P.fill(s.img, (86, 50, 22, 190), ImageChops.multiply(bars, vane))
    if kind == "Peacock":
        ex, ey = shaft_x(16) + 0.5, 16
        s.paint(ImageChops.multiply(s.ell((ex - 10, ey - 12, ex + 10, ey + 12)), vane), (196, 150, 50))
        s.paint(s.ell((ex - 7.5, ey - 9, ex + 7.5, ey + 9)), (40, 160, 120))
        s.paint(s.ell((ex - 5, ey - 6, ex + 5, ey + 6.5)), (30, 70, 170))
        s.paint(s.ell((ex - 3, ey - 3.5, ex + 2.5, ey + 3)), (16, 24, 70))
        s.gloss(s.ell((ex - 3, ey - 5, ex - 0.5, ey - 2.5)), 90)
    # fine barbs, slanting out and up towards the tip, alternately light and dark
    dark_barbs, light_barbs = [], []
    for i, y in enumerate(range(int(top) + 3, int(base) + 2)):
        for side in (-1, 1):
            hw = half_width(y, side) + 2
            x0 = shaft_x(y)
            (dark_barbs if (i + (side > 0)) % 2 else light_barbs).append(
                [(x0, y), (x0 + side * hw * 0.55, y - hw * 0.3), (x0 + side * hw, y - hw * 0.5)])
    P.fill(s.img, P.shade(dark_c, 0.75) + (120,), ImageChops.multiply(s.lines(dark_barbs, 0.55), vane))
    P.fill(s.img, P.shade(light_c, 1.2) + (110,), ImageChops.multiply(s.lines(light_barbs, 0.45), vane))
    # the fluff at the base: loose curling barbs spreading from the shaft below the vane
    fluff_c = P.shade(light_c, 1.15) if kind != "White" else (255, 255, 252)
    fluff = []
    for k in range(26):
        y = base - 10 + k * 0.7
        side = -1 if k % 2 else 1
        x0 = shaft_x(y)
        reach = rng.uniform(7, 12) * (1.0 - k / 40)
        fluff.append([(x0, y), (x0 + side * reach * 0.4, y + rng.uniform(-2, 1)),
                      (x0 + side * reach * 0.8, y + rng.uniform(0, 3)), (x0 + side * reach, y + rng.uniform(2, 6))])
    P.fill(s.img, fluff_c + (170,), s.lines(fluff, 1.4).filter(ImageFilter.GaussianBlur(0.9)))
    P.fill(s.img, fluff_c + (230,), s.lines(fluff[1::2], 0.6))
    P.fill(s.img, P.shade(dark_c, 1.05) + (170,), s.lines(fluff[::3], 0.5))
    # the shaft: a pale quill, bare below the fluff, thinning to the tip
    quill = s.line([p for p in shaft_pts if p[1] >= base - 6], 2.0)
    rachis = s.line([p for p in shaft_pts if p[1] <= base], 1.3)
    tip = s.line([p for p in shaft_pts if p[1] <= top + 16], 0.8)
    pale = (236, 226, 200) if kind != "White" else (214, 204, 182)
    s.paint(ImageChops.subtract(rachis, s.rect((0, top - 4, fw, top + 14))), pale)
    s.paint(tip, pale)
    s.paint(quill, (244, 236, 214) if kind != "White" else (222, 212, 190))
    s.gloss(s.line([(p[0] - 0.4, p[1]) for p in shaft_pts if p[1] >= base], 0.6), 130)
    return s.done(rot=rot, shadow=0.3)


# ================================================================ music-room decoys

def sheet_music(w=44, h=58, seed=0, rot=0, pages=1):
    """Pages of sheet music: cream paper with staves, notes and a title line."""
    rng = random.Random(seed)
    s = Sheet(w + 6 * (pages - 1), h + 4 * (pages - 1))
    for p in range(pages - 1, -1, -1):
        ox, oy = p * 6, p * 4
        page = s.rect((ox, oy, ox + w, oy + h), 1)
        s.grad(page, [(0.0, (250, 244, 226)), (1.0, (222, 208, 176))], vertical=True)
        if p == 0:
            s.paint(s.rect((w * 0.25, h * 0.06, w * 0.75, h * 0.06 + 2)), (60, 40, 30))
            for k in range(int((h - 12) / 11)):
                y0 = 12 + k * 11
                staff = s.lines([[(4, y0 + j * 1.6), (w - 4, y0 + j * 1.6)] for j in range(5)], 0.5)
                s.paint(staff, (70, 60, 50, 200))
                notes = s.ells([(x - 1.3, y0 + rng.randint(0, 6) - 1, x + 1.3, y0 + rng.randint(0, 6) + 1)
                                for x in range(8, int(w - 4), 5)])
                s.paint(notes, (30, 24, 20))
        s.bevel(page, 1, 0.3, 0.25)
    return s.done(rot=rot, shadow=0.3)


def record(r=30, label=(170, 40, 40)):
    """A shellac record: black grooves and a coloured label."""
    s = Sheet(2 * r, 2 * r)
    disc = s.ell((0, 0, 2 * r, 2 * r))
    s.rgrad(disc, r * 0.7, r * 0.6, r * 2, [(0.0, (70, 70, 76)), (0.4, (26, 24, 28)), (1.0, (12, 12, 14))])
    for k in range(5):
        rr = r * (0.45 + k * 0.1)
        s.paint(s.ring((r - rr, r - rr, r + rr, r + rr), 0.6), (60, 60, 66, 160))
    lab = s.ell((r * 0.62, r * 0.62, r * 1.38, r * 1.38))
    s.paint(lab, label)
    s.paint(s.ell((r - 1.6, r - 1.6, r + 1.6, r + 1.6)), (10, 10, 10))
    s.gloss(s.pie((r * 0.1, r * 0.1, r * 1.9, r * 1.9), 200, 240), 40)
    return s.done()


def record_sleeve(colour, w=48, tilt=0):
    """A record in its paper sleeve: the centre hole shows the label."""
    s = Sheet(w, w)
    sl = s.rect((0, 0, w, w), 1)
    s.grad(sl, [(0.0, P.shade(colour, 1.2)), (1.0, P.shade(colour, 0.7))], vertical=True)
    s.paint(s.ell((w * 0.32, w * 0.32, w * 0.68, w * 0.68)), (20, 18, 20))
    s.paint(s.ell((w * 0.4, w * 0.4, w * 0.6, w * 0.6)), (200, 170, 90))
    s.paint(s.rect((4, 4, w - 4, 8)), (240, 226, 190, 200))
    s.bevel(sl, 1, 0.4, 0.4)
    return s.done(rot=tilt)


def cushion(colour, w=64, h=44, rot=0):
    """A plump velvet cushion with gold piping and corner tassels."""
    s = Sheet(w + 8, h + 8)
    body = s.mask(lambda d, sc: d.polygon(s._p(
        s.curve_pts((4, 4), (w / 2 + 4, 12), (w + 4, 4), 10) + s.curve_pts((w + 4, 4), (w - 4, h / 2 + 4), (w + 4, h + 4),
                                                                          10)[1:] +
        s.curve_pts((w + 4, h + 4), (w / 2 + 4, h - 4), (4, h + 4), 10)[1:] +
        s.curve_pts((4, h + 4), (12, h / 2 + 4), (4, 4), 10)[1:], sc), fill=255))
    s.rgrad(body, w * 0.4, h * 0.35, w * 0.75, [(0.0, P.shade(colour, 1.5)), (0.5, colour), (1.0, P.shade(colour, 0.45))])
    edge = ImageChops.subtract(body, body.filter(ImageFilter.MinFilter(5)))
    s.paint(edge, P.GOLD)
    for x, y in ((4, 4), (w + 4, 4), (4, h + 4), (w + 4, h + 4)):
        s.paint(s.ell((x - 3, y - 3, x + 3, y + 3)), P.GOLD_LIGHT)
    s.paint(s.ell((w / 2, h / 2, w / 2 + 8, h / 2 + 8)), P.shade(colour, 0.6))
    return s.done(rot=rot)


def bust():
    """A small plaster bust of a composer on a square plinth."""
    s = Sheet(40, 62)
    plinth = s.rect((6, 48, 34, 62), 1)
    s.grad(plinth, cyl((60, 40, 30), 1.4, 0.6))
    plaster = [(0.0, (250, 246, 236)), (0.6, (216, 208, 192)), (1.0, (150, 140, 126))]
    chest = s.poly(s.curve_pts((2, 48), (4, 30), (20, 28), 10) + s.curve_pts((20, 28), (36, 30), (38, 48), 10))
    s.rgrad(chest, 14, 32, 30, plaster)
    head = s.ell((10, 2, 30, 28))
    s.rgrad(head, 16, 10, 22, plaster)
    hair = s.mask(lambda d, sc: [d.ellipse(s._b((x - 5, y - 5, x + 5, y + 5), sc), fill=255)
                                 for x, y in ((10, 8), (12, 3), (20, 1), (28, 3), (31, 9), (8, 15), (32, 15))])
    s.rgrad(ImageChops.subtract(hair, s.ell((13, 8, 27, 28))), 16, 4, 24, plaster)
    s.paint(s.line([(16, 14), (19, 14)], 1), (150, 140, 126))
    s.paint(s.line([(22, 14), (25, 14)], 1), (150, 140, 126))
    s.paint(s.line([(20, 16), (19, 20)], 1), (170, 160, 146))
    return s.done()


def hat_box(colour):
    """A round hat box with a lid and a ribbon."""
    s = Sheet(56, 44)
    body = s.rect((2, 10, 54, 44), 3)
    s.grad(body, cyl(colour, 1.3, 0.55))
    lid = s.ell((0, 2, 56, 18))
    s.grad(lid, [(0.0, P.shade(colour, 1.3)), (1.0, P.shade(colour, 0.9))], vertical=True)
    s.paint(ImageChops.multiply(s.rect((24, 0, 32, 44)), ImageChops.lighter(body, lid)), (236, 220, 180))
    s.paint(s.ells([(16, 0, 28, 8), (28, 0, 40, 8)]), (236, 220, 180))
    return s.done()


def folding_fan():
    """An open folding fan: ribs and painted paper."""
    s = Sheet(70, 40)
    paper = s.pie((0, 0, 70, 70), 200, 340)
    paper = ImageChops.subtract(paper, s.pie((22, 22, 48, 48), 190, 350))
    s.rgrad(paper, 35, 35, 36, [(0.0, (200, 60, 80)), (0.7, (236, 130, 140)), (1.0, (250, 226, 220))])
    ribs = s.lines([[(35, 35), (35 + math.cos(math.radians(a)) * 35, 35 + math.sin(math.radians(a)) * 35)]
                    for a in range(200, 345, 14)], 0.9)
    s.paint(ImageChops.multiply(ribs, paper), (120, 30, 50, 200))
    s.paint(s.glyph("\u273f", P.SANS, 12, 22, 14), (250, 240, 230, 200))
    s.paint(s.glyph("\u273f", P.SANS, 10, 48, 12), (250, 240, 230, 200))
    s.paint(s.ell((31, 31, 39, 39)), (60, 30, 20))
    return s.done()


def oil_lamp():
    """A small oil lamp: brass foot, green glass font and a tall glass chimney."""
    s = Sheet(30, 70)
    glow = P.blur(s.ell((4, 10, 26, 40)), 5)
    P.fill(s.img, (255, 200, 110, 110), glow)
    chimney = s.poly(s.curve_pts((11, 2), (10, 24), (6, 32), 8) + s.curve_pts((24, 32), (20, 24), (19, 2), 8))
    s.grad(chimney, [(0.0, (220, 230, 230, 120)), (0.3, (255, 255, 255, 170)), (1.0, (180, 190, 190, 110))])
    s.paint(s.poly([(13, 30), (15, 20), (17, 30)]), (255, 200, 90))
    font = s.ell((2, 32, 28, 52))
    s.rgrad(font, 10, 38, 20, [(0.0, (120, 200, 150)), (1.0, (20, 80, 50))])
    s.gloss(s.ell((7, 36, 13, 42)), 110)
    foot = s.mask(lambda d, sc: (d.rectangle(s._b((11, 50, 19, 62), sc), fill=255),
                                 d.ellipse(s._b((3, 60, 27, 70), sc), fill=255)))
    s.grad(foot, BRASS)
    s.bevel(foot, 1, 0.6, 0.4)
    return s.done()


def candlestick(h=56):
    """A tall brass candlestick with a lit candle."""
    s = Sheet(24, h + 30)
    glow = P.blur(s.ell((4, -2, 20, 24)), 4)
    P.fill(s.img, (255, 200, 110, 90), glow)
    wax = s.rect((8, 18, 16, 18 + h * 0.5), 2)
    s.grad(wax, cyl((246, 236, 210), 1.05, 0.75))
    flame = s.poly(s.curve_pts((9, 16), (12, -2), (12, 2), 8) + s.curve_pts((12, 2), (14, 8), (15, 16), 8))
    s.paint(flame, (255, 180, 60))
    s.paint(s.ell((10, 8, 14, 16)), (255, 248, 210))
    stem = s.mask(lambda d, sc: (d.rectangle(s._b((9, 18 + h * 0.5, 15, h + 24), sc), fill=255),
                                 d.ellipse(s._b((4, 16 + h * 0.5, 20, 22 + h * 0.5), sc), fill=255),
                                 d.ellipse(s._b((7, 12 + h * 0.75, 17, 18 + h * 0.75), sc), fill=255),
                                 d.ellipse(s._b((0, h + 20, 24, h + 30), sc), fill=255)))
    s.grad(stem, BRASS)
    s.bevel(stem, 1, 0.6, 0.4)
    return s.done()


# ================================================================ music-room props (in front of everything)

def prop_cello():
    """A cello leaning against the wall: varnished body, f-holes, fingerboard, scroll, endpin."""
    s = Sheet(120, 360)
    body = ImageChops.lighter(s.ell((14, 120, 106, 220)), s.ell((6, 206, 114, 330)))
    body = ImageChops.lighter(body, s.rect((26, 180, 94, 250)))
    for sx in (-1, 1):
        body = ImageChops.subtract(body, s.ell((60 + sx * 62 - 18, 198, 60 + sx * 62 + 18, 236)))
    s.rgrad(body, 42, 190, 170, [(0.0, (226, 130, 50)), (0.5, (160, 66, 22)), (1.0, (76, 26, 8))])
    s.grain(body, 471, 0.35, vertical=False)
    s.bevel(body, 3, 0.5, 0.5)
    edge = ImageChops.subtract(body, body.filter(ImageFilter.MinFilter(7)))
    s.paint(edge, (70, 26, 8, 210))
    for fx, sgn in ((36, 1), (84, -1)):
        s.paint(s.line(s.curve_pts((fx, 214), (fx + sgn * 8, 236), (fx, 262), 10), 2.6), (30, 10, 4))
    s.paint(s.rect((54, 24, 66, 230), 4), (24, 18, 18))
    s.paint(s.rect((50, 290, 70, 322), 4), (24, 18, 18))
    s.paint(s.rect((40, 262, 80, 268), 2), (230, 206, 160))
    strings = s.lines([[(56 + i * 2.6, 24), (55 + i * 3.4, 294)] for i in range(4)], 0.9)
    s.paint(strings, (240, 232, 210, 220))
    neck = s.rect((52, 10, 68, 40), 3)
    s.grad(neck, cyl((150, 64, 22)))
    scroll = s.ell((50, -6, 70, 14))
    s.rgrad(scroll, 56, -2, 14, [(0.0, (220, 130, 50)), (1.0, (100, 40, 12))])
    s.paint(s.ring((54, -2, 66, 10), 2), (70, 26, 8))
    for py in (18, 28):
        s.paint(s.line([(40, py), (80, py)], 3.5), (30, 20, 14))
    s.paint(s.line([(60, 330), (60, 356)], 3), (150, 150, 156))
    s.gloss(s.ell((24, 236, 40, 290)), 50)
    return s.done(rot=-9, shadow=0.45)


def prop_music_stand():
    """An iron music stand with an open score on its desk."""
    s = Sheet(140, 300)
    iron = [(0.0, (20, 18, 18)), (0.4, (90, 86, 84)), (1.0, (24, 22, 22))]
    legs = s.lines([[(70, 120), (70, 270)], [(70, 262), (16, 300)], [(70, 262), (124, 300)], [(70, 262), (76, 300)]], 5)
    s.grad(legs, iron)
    desk = s.poly([(0, 26), (140, 26), (134, 124), (6, 124)])
    s.grad(desk, iron, vertical=True)
    bars = s.lines([[(x, 30), (x, 118)] for x in range(14, 132, 14)], 2.4)
    s.paint(ImageChops.multiply(P.invert(bars), desk), (40, 36, 34))
    s.paint(s.rect((0, 116, 140, 126), 2), (50, 46, 44))
    s.bevel(desk, 2, 0.4, 0.5)
    for ox, sgn in ((8, -1), (70, 1)):
        page = s.poly([(ox, 8), (ox + 62, 4 + (4 if sgn > 0 else 0)), (ox + 62, 114), (ox, 118)])
        s.grad(page, [(0.0, (250, 244, 226)), (1.0, (214, 200, 168))] if sgn > 0 else
               [(0.0, (214, 200, 168)), (1.0, (250, 244, 226))])
        for k in range(8):
            y0 = 18 + k * 12
            staff = s.lines([[(ox + 5, y0 + j * 1.8), (ox + 57, y0 + j * 1.8)] for j in range(5)], 0.6)
            s.paint(staff, (70, 60, 50, 200))
            notes = s.ells([(x - 1.6, y0 + (x * 7 + k * 3) % 7 - 1, x + 1.6, y0 + (x * 7 + k * 3) % 7 + 1.4)
                            for x in range(ox + 10, ox + 56, 6)])
            s.paint(notes, (30, 24, 20))
    s.paint(s.line([(70, 6), (70, 116)], 1.6), (140, 120, 90))
    return s.done(shadow=0.45)


def prop_floor_lamp():
    """A standing lamp with a fringed silk shade, lit, on a brass pole."""
    s = Sheet(110, 470)
    glow = P.blur(s.ell((-10, -10, 120, 120)), 16)
    P.fill(s.img, (255, 190, 100, 70), glow)
    pole = s.rect((51, 80, 59, 452), 3)
    s.grad(pole, BRASS)
    s.bevel(pole, 1, 0.6, 0.4)
    for y in (180, 300):
        knob = s.ell((46, y, 64, y + 12))
        s.grad(knob, BRASS)
    foot = s.mask(lambda d, sc: (d.ellipse(s._b((16, 446, 94, 470), sc), fill=255),
                                 d.polygon(s._p([(44, 430), (66, 430), (80, 456), (30, 456)], sc), fill=255)))
    s.grad(foot, BRASS)
    s.bevel(foot, 2, 0.6, 0.45)
    shade_m = s.poly([(26, 10), (84, 10), (106, 78), (4, 78)])
    s.grad(shade_m, [(0.0, (150, 50, 40)), (0.3, (250, 190, 120)), (0.6, (236, 150, 90)), (1.0, (130, 40, 36))])
    pleats = s.lines([[(30 + i * 5.5, 10), (8 + i * 10, 78)] for i in range(11)], 0.9)
    P.fill(s.img, (120, 40, 30, 120), ImageChops.multiply(pleats, shade_m))
    s.paint(s.rect((24, 6, 86, 12), 2), P.GOLD)
    s.paint(s.rect((2, 74, 108, 80), 2), P.GOLD)
    fringe = s.lines([[(x, 80), (x, 92)] for x in range(4, 108, 4)], 1.4)
    s.paint(fringe, P.GOLD_LIGHT)
    s.paint(s.ell((50, 2, 60, 10)), P.GOLD)
    return s.done(shadow=0.4)


# ================================================================ the scene's items

# The ordinary objects, typeId = position + 1: the first seven are asked for by
# the first stage, the other seven by the second (after the piano puzzle).
MUSIC_OBJECTS = [
    ("Violin", "Geige"), ("Metronome", "Metronom"), ("Tuning fork", "Stimmgabel"), ("Trumpet", "Trompete"),
    ("Harmonica", "Mundharmonika"), ("Drum", "Trommel"), ("Music box", "Spieldose"),
    ("Flute", "Flöte"), ("Tambourine", "Tamburin"), ("Triangle", "Triangel"), ("Opera glasses", "Opernglas"),
    ("Bell", "Glocke"), ("Lyre", "Lyra"), ("Maracas", "Rasseln"),
]
MUSIC_FIRST_STAGE = 7
FEATHERS_ASKED = 4

MUSIC_DECOY = {
    "sheet": ("Sheet music", "Noten", 301), "vase": ("Vase", "Vase", 302), "picture": ("Picture", "Bild", 303),
    "candle": ("Candle", "Kerze", 304), "book": ("Book", "Buch", 305), "lamp": ("Lamp", "Lampe", 306),
    "cushion": ("Cushion", "Kissen", 307), "record": ("Record", "Schallplatte", 308),
    "sleeve": ("Record sleeve", "Plattenhülle", 309), "bust": ("Bust", "Büste", 310),
    "hatbox": ("Hat box", "Hutschachtel", 311), "fan": ("Fan", "Fächer", 312), "cup": ("Teacup", "Teetasse", 313),
    "plant": ("Plant", "Pflanze", 314), "basket": ("Basket", "Korb", 315),
}

DIM = S.DIM
DIMMER = S.DIMMER
WALL_CAST = (226, 176, 170, 255)    # a burgundy cast for things on the wallpaper
COOL = (200, 208, 220, 255)         # window light


def music_room_items(sc):
    """Everything in the music room after the room, the view, the rain and the pendulum, in file order."""
    def obj(n, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de = MUSIC_OBJECTS[n - 1]
        sc.add(en, de, "".join(w[0].upper() + w[1:] for w in en.split()) + ".png", picture, n, layer, at, anchor, tint)

    def decoy(kind, image, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de, t = MUSIC_DECOY[kind]
        sc.add(en, de, image, picture, t, layer, at, anchor, tint)

    def feather_at(kind, rot, layer, at, tint=(255, 255, 255, 255)):
        sc.add("Feather", "Feder", "Feather%s.png" % kind, feather(kind, rot), S.FEATHER_TYPE, layer, at, "bottom", tint)

    px0, px1 = MR_PIANO
    lid = MR_PIANO_TOP + 2
    cx0, cx1, ctop = MR_CABINET
    shelf = MR_SHELF + 2
    sill = MR_SILL + 2
    seat = MR_SEAT - 4

    # -- the ordinary objects, typeId 1..14
    obj(1, violin(), 12, (196, seat + 2))
    obj(2, metronome(), 10, (566, lid))
    obj(3, tuning_fork(), 9, (240, sill), tint=COOL)
    obj(4, trumpet(), 24, (716, 602), tint=DIM)
    obj(5, harmonica(), 16, (428, MR_BENCH - 4))
    obj(6, drum(), 26, (956, 636))
    obj(7, music_box(), 8, (714, shelf))
    obj(8, flute(), 27, (470, 640), tint=DIM)
    obj(9, tambourine(), 3, (690, 76), "top", tint=WALL_CAST)
    obj(10, triangle_instrument(), 4, (786, MR_SHELF + 14), "top")
    obj(11, opera_glasses(), 9, (106, sill), tint=COOL)
    obj(12, hand_bell(), 10, (362, lid))
    obj(13, lyre(), 3, (800, 82), "top", tint=WALL_CAST)
    obj(14, maracas(), 22, (92, 632), tint=DIM)

    # -- feathers: six colours, any four are asked for
    feather_at("Peacock", 84, 12, (578, MR_DESK + 1))
    feather_at("Red", -62, 26, (866, 616), DIM)
    feather_at("White", 18, 9, (180, sill), COOL)
    feather_at("Yellow", -72, 23, (164, 646), DIM)
    feather_at("Blue", -48, 13, (806, ctop + 4))
    feather_at("Brown", -82, 12, (90, seat + 5))

    # -- decoys: the piano's lid and its candles
    decoy("vase", "Vase.png", S.vase_with_flowers(), 9, (424, lid))
    decoy("picture", "PhotoFrame.png", S.framed_picture(40, 50, "portrait"), 9, (474, lid))
    decoy("book", "BookRed.png", S.book((120, 28, 46), 44, 12, lying=True), 9, (518, lid))
    decoy("book", "BookTeal.png", S.book((30, 80, 90), 40, 11, lying=True), 10, (522, lid - 11))
    decoy("candle", "Candlestick.png", candlestick(46), 9, (610, lid))
    decoy("candle", "CandleShort.png", candlestick(24), 11, (px0 - 1, MR_DESK - 44))
    decoy("candle", "CandleShort.png", candlestick(24), 11, (px1 + 1, MR_DESK - 44))
    decoy("sheet", "ScoreOpen.png", sheet_music(118, 40, 1), 11, (470, MR_DESK + 1))
    # the walls
    decoy("picture", "Painting.png", S.framed_picture(190, 118, "ship"), 2 + 1, (470, 88), "top")
    decoy("picture", "PortraitLeft.png", S.framed_picture(38, 48, "portrait"), 3, (346, 86), "top", WALL_CAST)
    decoy("picture", "PortraitRight.png", S.framed_picture(40, 50, "portrait"), 3, (594, 84), "top", WALL_CAST)
    # the wall shelf
    decoy("bust", "Bust.png", bust(), 8, (668, shelf))
    decoy("book", "BookGreen.png", S.book((40, 90, 60), 46, 12), 8, (748, shelf))
    decoy("book", "BookBrown.png", S.book((110, 70, 36), 52, 13), 8, (762, shelf))
    decoy("book", "BookBlue.png", S.book((40, 60, 120), 42, 11), 8, (775, shelf))
    decoy("lamp", "OilLamp.png", oil_lamp(), 8, (800, shelf))
    # the window sill and the window seat
    decoy("plant", "Plant.png", S.pot_plant(), 8, (54, sill), tint=COOL)
    decoy("cup", "Teacup.png", S.teacup(), 8, (140, sill + 1), tint=COOL)
    decoy("cushion", "CushionRed.png", cushion((130, 30, 50), 60, 42, 8), 10, (46, seat + 4))
    decoy("cushion", "CushionGold.png", cushion((200, 150, 60), 54, 40, -10), 10, (252, seat + 2))
    decoy("book", "BookSeat.png", S.book((90, 40, 70), 50, 13, lying=True), 11, (126, seat + 3))
    decoy("sheet", "SheetSeat.png", sheet_music(40, 52, 7, rot=80), 11, (156, seat + 4))
    # the gramophone's cabinet
    for i, (col, x) in enumerate((((150, 40, 40), 692), ((40, 90, 110), 722), ((180, 140, 60), 756))):
        decoy("sleeve", "Sleeve%d.png" % (i + 1), record_sleeve(col, 34, (-6, 4, -2)[i]), 6, (x, ctop + 66))
    decoy("record", "RecordLow.png", record(14, (40, 90, 120)), 6, (780, ctop + 66))
    # the bench and the floor
    decoy("fan", "Fan.png", folding_fan(), 15, (522, MR_BENCH - 3))
    decoy("sheet", "SheetBench.png", sheet_music(40, 50, 3, rot=-76, pages=2), 14, (466, MR_BENCH - 2))
    decoy("record", "Record.png", record(28), 18, (646, MR_FLOOR + 10))
    decoy("record", "RecordBlue.png", record(22, (40, 80, 150)), 28, (770, 652), tint=DIM)
    decoy("sheet", "SheetFloor1.png", sheet_music(40, 52, 11, rot=28), 26, (294, 630), tint=DIM)
    decoy("sheet", "SheetFloor2.png", sheet_music(38, 50, 13, rot=-12), 27, (548, 656), tint=DIM)
    decoy("sheet", "SheetFloor3.png", sheet_music(40, 50, 17, rot=64, pages=3), 25, (860, 622), tint=DIM)
    decoy("hatbox", "HatBox.png", hat_box((60, 110, 120)), 21, (50, 600), tint=DIM)
    decoy("basket", "Basket.png", S.basket(), 24, (994, 650), tint=DIM)
    decoy("sleeve", "SleeveFloor.png", record_sleeve((120, 40, 70), 44, 14), 20, (618, 580), tint=DIM)
    decoy("cushion", "CushionFloor.png", cushion((36, 96, 100), 66, 40, 4), 20, (230, 612), tint=DIM)
    decoy("candle", "CandleFloor.png", candlestick(60), 19, (1000, 548))
    decoy("vase", "VaseShelf.png", S.vase_with_flowers(), 7, (838, shelf), tint=DIM)
    decoy("book", "BookFloor1.png", S.book((60, 40, 90), 56, 14, lying=True), 21, (900, 606), tint=DIM)
    decoy("book", "BookFloor2.png", S.book((140, 100, 40), 50, 13, lying=True), 22, (896, 592), tint=DIM)
    decoy("sleeve", "SleeveSeat.png", record_sleeve((50, 70, 120), 42, -8), 19, (160, 572), tint=DIM)

    # -- foreground props: the cello, the music stand, the standing lamp
    sc.add("Cello", "Cello", "PropCello.png", prop_cello(), 501, 51, (296, 292), "top")
    sc.add("Music stand", "Notenständer", "PropMusicStand.png", prop_music_stand(), 502, 52, (610, 700))
    sc.add("Standing lamp", "Stehlampe", "PropLamp.png", prop_floor_lamp(), 503, 50, (MR_LAMP[0] - 4, 186), "top")


def music_room():
    """Paints and writes the Music room, scene 3."""
    sc = S.Scene("MusicRoom", "content/scenes/MusicRoom/")
    sc.add("Music room", "Musikzimmer", "MusicRoom.png", music_room_room(), S.ROOM_TYPE, 2, (W / 2, 0), "top")
    sc.add("View", "Aussicht", "View.png", harbour_view(), 601, 0, ((VIEW_BOX[0] + VIEW_BOX[2]) / 2, VIEW_BOX[1]),
           "top")
    drop = rain_drop()
    # the rain is laid over the whole screen from (0, 0): the room hides it but in the window
    sc.add("Rain", "Regen", "RainDrop.png", drop, S.RAIN_TYPE, 1, (drop.size[0] / 2, 0), "top",
           tint=(200, 210, 230, 170), major=60, angle=-8)
    pend = pendulum()
    sc.add("Pendulum", "Pendel", "Pendulum.png", pend, 701, 3, MR_PIVOT, "middle", info="Pendulum.xml")
    music_room_items(sc)
    check_layout(sc)
    S.check_scene(sc)
    first = [(("name", en), ("typeId", i + 1), ("pick", "first"), ("count", 1))
             for i, (en, _de) in enumerate(MUSIC_OBJECTS[:MUSIC_FIRST_STAGE])]
    first.append((("name", "Feather"), ("typeId", S.FEATHER_TYPE), ("pick", "all"), ("count", FEATHERS_ASKED)))
    second = [(("name", en), ("typeId", i + 1 + MUSIC_FIRST_STAGE), ("pick", "first"), ("count", 1))
              for i, (en, _de) in enumerate(MUSIC_OBJECTS[MUSIC_FIRST_STAGE:])]
    S.write_scene_files(sc, "content/config/scene/MusicRoom/",
                        [("STACKED_ITEM_LIST", first), S.screen_step("MG_Screen18", 3, "screen18.xml"),
                         ("STACKED_ITEM_LIST", second)],
                        renderer_rules=((3, S.RAIN_TYPE), (4, 701)),
                        files={"Pendulum.xml": pendulum_xml(pend.size), "Pendulum.png": pend})
    return sc


def check_layout(sc):
    """What this scene's layering relies on: the rain covers the screen from (0, 0), the
    view lies under the window, the pendulum hangs with its picture's centre on the pivot
    and stays inside the clock's door over the whole swing, and nothing but the glass of
    the room is see-through. Raises naming what is wrong."""
    problems = []
    by_type = {it["typeId"]: it for it in sc.items}
    rain = by_type[S.RAIN_TYPE]
    if (rain["x"], rain["y"]) != (0, 0):
        problems.append("the rain starts at %d,%d, not 0,0" % (rain["x"], rain["y"]))
    pend = by_type[701]
    pw, ph = sc.images[pend["image"]].size
    if (pend["x"] + pw / 2, pend["y"] + ph / 2) != MR_PIVOT:
        problems.append("the pendulum's centre %s is not the pivot %s" % ((pend["x"] + pw / 2, pend["y"] + ph / 2),
                                                                          MR_PIVOT))
    reach = PENDULUM_ROD + PENDULUM_BOB
    sway = PENDULUM_ROD * math.sin(math.radians(PENDULUM_SWING)) + PENDULUM_BOB
    dx0, dy0, dx1, dy1 = MR_CLOCK_DOOR
    px, py = MR_PIVOT
    if px - sway < dx0 or px + sway > dx1 or py + reach > dy1:
        problems.append("the swinging pendulum leaves the clock's door")
    room = sc.images[sc.items[0]["image"]]
    see_through = room.getchannel("A").point(lambda v: 255 if v < 255 else 0)
    outside = ImageChops.subtract(see_through, glass_mask().filter(ImageFilter.MaxFilter(3)))
    if outside.getbbox():
        problems.append("the room is see-through outside the window at %s" % (outside.getbbox(),))
    view = by_type[601]
    vw, vh = sc.images[view["image"]].size
    gx0, gy0, gx1, gy1 = MR_GLASS
    if not (view["x"] <= gx0 and view["y"] <= gy0 and view["x"] + vw >= gx1 and view["y"] + vh >= gy1):
        problems.append("the view does not cover the window")
    if problems:
        raise ValueError("MusicRoom:\n  " + "\n  ".join(problems))
