#!/usr/bin/python3
"""The Kitchen, scene 4: the inn's kitchen in warm morning light.

What stands where (screen pixels, 1024 x 768; the find list covers y 660 and below):
- left: the window onto the morning sea (x 48..238, y 92..290) with a gingham
  curtain and herbs drying from its top; the sill at y 296; below it the stone
  sink in the worktop (worktop top y 430, x 0..340), cupboard doors under it;
  a small spice shelf on the wall right of the window (y 232).
- middle: the brick chimney breast (x 372..652) with the copper pans hanging on
  a rail, the mantel shelf at y 286, and under it the black iron range in its
  arched alcove (hot plates at y 410, oven doors below).
- right: the teal dresser (x 676..1024): plate shelves at y 166, 262 and 356,
  the dresser top at y 404, drawers and cupboard below.
- front: the scrubbed kitchen table (top y 514..552, x 300..724) with the cake.
- props in front: a rack of drying herbs hanging before the dresser's top, a
  basket of vegetables on the floor at the left, a sack of flour at the right.
- the ten objects: rolling pin on the worktop before the bread, whisk hanging
  on the tiles left of the tap, ladle hanging on the pan rail right of the small
  pan, egg and lemon on the table, teapot and grater on the dresser top, pepper
  mill on the spice shelf, mortar on the worktop right of the sink, hourglass on
  the mantel.
- the six shells (counted in the second stage): a scallop on the window sill,
  a cowrie by the sink, a whelk on the mantel, a scallop in the fruit bowl on the
  dresser, a sea snail on the floor under the table, a cockle on the floor partly
  behind the flour sack.
- the four bonus stars: on the wall left of the window, on the chimney by the
  mantel's spice jars, among the drying herbs before the dresser, on the floor
  between the basket and the table.
"""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import paint as P
import scenes as S
import ui_art
from scenes import Layer, Sheet, W, H, light, darken, box_mask, paste_rgb, finish, cyl
from scenes import IRON, SILVER, BRASS, COPPER

KIT_WALL_TOP = 52       # below the ceiling beam
KIT_TILES = 300         # top of the tiled lower wall
KIT_FLOOR = 572         # where the wall meets the floor
KIT_WINDOW = (48, 92, 238, 290)
KIT_SILL = 296          # top of the window sill
KIT_COUNTER = 430       # top of the worktop at the left
KIT_COUNTER_X = 340     # its right end
KIT_SPICE_SHELF = (252, 232, 352)   # x0, top, x1 of the spice shelf
KIT_CHIMNEY = (372, 652)
KIT_MANTEL = 286        # top of the mantel shelf
KIT_STOVE = (404, 620)  # the range's x extent
KIT_STOVE_TOP = 410     # its hot plates
KIT_PAN_RAIL = 104      # the rail of copper pans on the chimney breast
KIT_DRESSER = 676       # left edge of the dresser
KIT_SHELVES = (166, 262, 356)
KIT_DRESSER_TOP = 404
KIT_TABLE = (300, 514, 724, 552)   # the table top: x0, back edge y, x1, front edge y

WARM_SUN = (255, 206, 130)


# ================================================================ the room

def kitchen_wall(c):
    """Warm plaster above, cream glazed tiles with blue-teal corner motifs below."""
    plaster = P.fbm(W, H, 401, ((180, 0.5), (50, 0.3), (12, 0.2)))
    wall = P.gradient_map(plaster, [(0.0, (170, 120, 70)), (0.5, (200, 150, 92)), (1.0, (222, 178, 116))])
    c.paste(wall.convert("RGBA"), (0, 0))
    # a faint stencilled band under the beam
    band = Layer()
    for x in range(-10, W + 40, 44):
        band.ell((x, KIT_WALL_TOP + 14, x + 12, KIT_WALL_TOP + 26), (120, 40, 40, 90))
        band.poly([(x + 22, KIT_WALL_TOP + 12), (x + 28, KIT_WALL_TOP + 20), (x + 22, KIT_WALL_TOP + 28),
                   (x + 16, KIT_WALL_TOP + 20)], (30, 90, 96, 90))
    band.rect((0, KIT_WALL_TOP + 34, W, KIT_WALL_TOP + 36), (120, 40, 40, 70))
    band.onto(c)
    # tiles: 30 px squares with grout, alternate tiles with a small teal motif
    tiles = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(tiles)
    rng = random.Random(403)
    ts = 30
    for row, y in enumerate(range(KIT_TILES, KIT_FLOOR, ts)):
        for col, x in enumerate(range(0, W, ts)):
            t = rng.uniform(0.9, 1.04)
            base = tuple(int(min(255, v * t)) for v in (236, 222, 190))
            d.rectangle((x + 1, y + 1, x + ts - 2, y + ts - 2), fill=base + (255,))
            if (row + col) % 2 == 0:
                cx, cy = x + ts / 2, y + ts / 2
                d.polygon([(cx, cy - 8), (cx + 8, cy), (cx, cy + 8), (cx - 8, cy)], fill=(48, 110, 120, 255))
                d.ellipse((cx - 3, cy - 3, cx + 3, cy + 3), fill=base + (255,))
                for ox, oy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
                    d.pieslice((cx + ox * 15 - 5, cy + oy * 15 - 5, cx + ox * 15 + 5, cy + oy * 15 + 5), 0, 360,
                               fill=(60, 120, 128, 255))
    grout = box_mask((0, KIT_TILES, W, KIT_FLOOR))
    P.fill(c, (150, 130, 100), grout)
    tm = tiles.getchannel("A")
    c.alpha_composite(tiles)
    P.bevel(c, tm, 2, 0.5, 0.3)
    gloss = P.curve(P.fbm(W, H, 405, ((60, 0.6), (20, 0.4))), lambda t: max(0.0, t - 0.55) * 1.6)
    P.add_light(c, (60, 50, 40), ImageChops.multiply(gloss, tm), 0.8)
    P.multiply(c, (214, 200, 180), grout, 0.6)
    # a wooden rail on top of the tiles
    rail = Layer()
    rail.rect((0, KIT_TILES - 8, W, KIT_TILES + 4), (255, 255, 255, 255), 2)
    rm = rail.mask()
    P.fill(c, P.drop_shadow(rm, (0, 5), 4, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 407, [(0.0, (70, 42, 22)), (0.6, (128, 84, 46)), (1.0, (166, 114, 64))], lines=H / 6), rm)
    P.bevel(c, rm, 2, 0.45, 0.5)


def kitchen_window(c):
    """The window onto the morning sea: frame, glazing, a gingham curtain, the sill, herbs drying."""
    x0, y0, x1, y1 = KIT_WINDOW
    ww, wh = x1 - x0, y1 - y0
    horizon = int(wh * 0.6)
    view = Image.new("RGBA", (ww, wh))
    view.paste(P.vgradient(ww, horizon, [(0.0, (120, 170, 196)), (0.5, (196, 206, 200)), (0.85, (252, 222, 170)),
                                         (1.0, (255, 236, 190))]), (0, 0))
    view.paste(P.vgradient(ww, wh - horizon, [(0.0, (120, 170, 180)), (0.3, (60, 130, 140)), (1.0, (30, 86, 98))]),
               (0, horizon))
    view.alpha_composite(ui_art.cloud_bank((ww, wh), 407, [(30, 40, 40, 8), (150, 60, 40, 7)],
                                             (250, 240, 226), (230, 196, 170), rim=(255, 250, 230), softness=4))
    view = P.to_rgba(view)
    # the low sun and its path on the water
    P.add_light(view, (255, 230, 160), P.curve(P.radial_field(ww, wh, ww * 0.7, horizon - 14, 60),
                                               lambda t: (1 - t) ** 2))
    d = ImageDraw.Draw(view)
    d.ellipse((ww * 0.7 - 10, horizon - 24, ww * 0.7 + 10, horizon - 4), fill=(255, 248, 220, 255))
    d.polygon([(0, horizon), (0, horizon - 10), (40, horizon - 14), (80, horizon - 4), (100, horizon)],
              fill=(96, 120, 130, 255))
    rng = random.Random(409)
    for _ in range(40):
        gx = ww * 0.7 + rng.gauss(0, 14)
        gy = horizon + 3 + rng.random() ** 1.4 * (wh - horizon - 6)
        gl = rng.uniform(3, 9)
        d.line([(gx - gl / 2, gy), (gx + gl / 2, gy)], fill=(255, 244, 210, 200), width=1)
    for _ in range(3):  # gulls
        gx, gy = rng.uniform(20, ww - 30), rng.uniform(20, horizon - 40)
        d.line([(gx, gy), (gx + 5, gy - 3), (gx + 10, gy)], fill=(90, 90, 100, 255), width=1)
    paste_rgb(c, view, (x0, y0))
    # frame and glazing bars (painted cream)
    frame = Layer()
    fc = (226, 214, 186, 255)
    frame.rect((x0 - 10, y0 - 10, x1 + 10, y0 + 2), fc)
    frame.rect((x0 - 10, y0 - 10, x0 + 2, y1 + 6), fc)
    frame.rect((x1 - 2, y0 - 10, x1 + 10, y1 + 6), fc)
    frame.rect(((x0 + x1) / 2 - 4, y0, (x0 + x1) / 2 + 4, y1), fc)
    frame.rect((x0, (y0 + y1) / 2 - 3, x1, (y0 + y1) / 2 + 3), fc)
    fm = frame.onto(c, shadow=0.45, offset=(3, 4), radius=4)
    P.bevel(c, fm, 2, 0.4, 0.4)
    sheen = Layer()
    for gx in (x0 + 12, (x0 + x1) / 2 + 12):
        sheen.poly([(gx, y1 - 8), (gx + 24, y0 + 8), (gx + 38, y0 + 8), (gx + 14, y1 - 8)], (255, 255, 255, 26))
    sheen.onto(c)
    # the sill
    sill = Layer()
    sill.rect((x0 - 22, KIT_SILL, x1 + 22, KIT_SILL + 14), (255, 255, 255, 255), 2)
    sm = sill.mask()
    P.fill(c, P.drop_shadow(sm, (0, 6), 5, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (236, 226, 200)), (0.42, (226, 214, 186)), (1.0, (170, 156, 130))]), sm)
    P.bevel(c, sm, 2, 0.5, 0.45)
    # a short gingham curtain on a brass rod across the top third
    rod_y = y0 + 6
    cur = Layer()
    cur.poly([(x0 - 4, rod_y), (x1 + 4, rod_y), (x1 + 2, rod_y + 56), (x1 - 20, rod_y + 64),
              ((x0 + x1) / 2 + 8, rod_y + 50), ((x0 + x1) / 2 - 8, rod_y + 50), (x0 + 20, rod_y + 64),
              (x0 - 2, rod_y + 56)], (255, 255, 255, 255))
    cm = cur.mask()
    P.fill(c, P.drop_shadow(cm, (3, 5), 4, 0.4), Image.new("L", (W, H), 255))
    check = Image.new("RGB", (W, H), (240, 228, 206))
    cd = ImageDraw.Draw(check)
    for k in range(0, W, 12):
        cd.rectangle((k, 0, k + 5, H), fill=(196, 120, 120))
    for k in range(0, H, 12):
        cd.rectangle((0, k, W, k + 5), fill=(196, 120, 120))
    for yy in range(0, H, 12):
        for xx in range(0, W, 12):
            cd.rectangle((xx, yy, xx + 5, yy + 5), fill=(140, 40, 50))
    P.fill(c, check, cm)
    row = Image.new("L", (W, 1))
    row.putdata([int(170 + 85 * math.sin(2 * math.pi * x / 15.0)) for x in range(W)])
    P.multiply(c, Image.merge("RGB", [P.blur(row.resize((W, H)), 1.5)] * 3), cm, 0.4)
    P.add_light(c, (120, 80, 50), ImageChops.multiply(cm, P.curve(P.radial_field(W, H, 150, 120, 140),
                                                                   lambda t: (1 - t) ** 2)), 0.6)
    rod = Layer()
    rod.rect((x0 - 8, rod_y - 3, x1 + 8, rod_y + 2), P.BRASS + (255,), 2)
    rm = rod.onto(c, shadow=0.4, offset=(1, 2), radius=1)
    P.bevel(c, rm, 1, 0.6, 0.4)


def kitchen_counter(c):
    """The worktop at the left with the stone sink, its brass tap and the cupboards under it."""
    x1 = KIT_COUNTER_X
    top, front = KIT_COUNTER, KIT_COUNTER + 14
    body = box_mask((-4, front, x1, KIT_FLOOR))
    P.fill(c, P.drop_shadow(body, (8, 0), 8, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 411, [(0.0, (70, 40, 22)), (0.5, (110, 70, 38)), (1.0, (140, 94, 54))], vertical=True,
                     lines=W / 12), body)
    doors = Layer()
    for dx0, dx1 in ((8, 112), (262, 332)):
        doors.rect((dx0, front + 16, dx1, KIT_FLOOR - 16), (255, 255, 255, 255), 3)
    dm = doors.mask()
    P.bevel(c, ImageChops.multiply(P.invert(dm), body), 3, 0.3, 0.55)
    P.inner_shadow(c, dm, 3, (2, 3), 0.5)
    knobs = Layer()
    for kx in (100, 274):
        knobs.ell((kx - 4, 496, kx + 4, 504), P.BRASS + (255,))
    km = knobs.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    P.bevel(c, km, 1, 0.6, 0.4)
    # the stone sink, its front standing out of the cupboards
    sink = Layer()
    sink.rect((124, top - 4, 254, 520), (255, 255, 255, 255), 5)
    sm = sink.mask()
    P.fill(c, P.drop_shadow(sm, (4, 6), 6, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (240, 234, 220)), (0.6, (214, 206, 190)), (1.0, (170, 160, 146))]), sm)
    P.soft_light(c, P.fbm(W, H, 413, ((8, 0.5), (2, 0.5))).point(lambda i: 110 + i // 8))
    P.bevel(c, sm, 3, 0.5, 0.5)
    P.fill(c, (0, 0, 0, 60), box_mask((126, 470, 252, 472)))
    # the worktop board
    wt = Layer()
    wt.rect((-6, top, x1 + 6, front), (255, 255, 255, 255), 2)
    wm = ImageChops.subtract(wt.mask(), box_mask((128, top, 250, front)))
    P.fill(c, P.drop_shadow(wm, (0, 6), 5, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 415, [(0.0, (110, 72, 40)), (0.55, (176, 128, 76)), (1.0, (210, 164, 104))], lines=H / 3),
           wm)
    P.bevel(c, wm, 2, 0.5, 0.5)
    basin = Layer()
    basin.rect((132, top - 2, 246, top + 12), (90, 86, 80, 255), 3)
    basin.onto(c)
    # the tap: a brass swan neck out of the tiles, each part lit like a small cylinder
    tap = Layer()
    tap.ell((178, top - 92, 196, top - 74), (255, 255, 255, 255))
    tap.rect((186, top - 88, 214, top - 78), (255, 255, 255, 255), 4)
    tap.rect((206, top - 86, 216, top - 60), (255, 255, 255, 255), 3)
    tap.rect((198, top - 102, 203, top - 86), (255, 255, 255, 255), 1)
    tap.rect((190, top - 106, 211, top - 100), (255, 255, 255, 255), 3)
    tm = tap.mask()
    P.fill(c, P.drop_shadow(tm, (4, 4), 3, 0.55), Image.new("L", (W, H), 255))
    brass = (196, 148, 60)
    kitchen_tap_part(c, tm, (186, top - 88, 214, top - 78), brass, False)    # the arm
    kitchen_tap_part(c, tm, (206, top - 84, 216, top - 60), brass, True)     # the spout
    kitchen_tap_part(c, tm, (198, top - 102, 203, top - 86), brass, True)    # the stem
    kitchen_tap_part(c, tm, (190, top - 106, 211, top - 100), brass, False)  # the handle
    rose = P.ellipse_mask((W, H), (178, top - 92, 196, top - 74))
    P.fill(c, P.gradient_map(P.radial_field(W, H, 183, top - 88, 13), [(0.0, (255, 240, 180)), (0.35, (226, 180, 84)),
                                                                       (1.0, (110, 70, 24))]), rose)
    P.bevel(c, tm, 2, 0.6, 0.55)
    P.fill(c, (60, 36, 12, 200), ImageChops.subtract(tm, tm.filter(ImageFilter.MinFilter(3))))
    glints = Layer()
    glints.ell((181, top - 90, 186, top - 85), (255, 250, 220, 230))
    glints.rect((190, top - 87, 205, top - 85), (255, 248, 210, 190), 1)
    glints.rect((208, top - 80, 210, top - 64), (255, 248, 210, 170), 1)
    glints.rect((193, top - 105, 207, top - 104), (255, 248, 210, 170))
    glints.onto(c, blur=0.5)
    drop = Layer()
    drop.ell((209, top - 56, 213, top - 50), (200, 230, 240, 200))
    drop.onto(c)
    P.fill(c, (0, 0, 0, 120), P.blur(box_mask((-4, KIT_FLOOR - 2, x1, KIT_FLOOR + 8)), 4))


def kitchen_across(c, mask, a0, a1, stops, vertical=False):
    """Fill mask on the canvas with the colour ramp stops laid exactly across x a0..a1 (or y, if vertical)."""
    n = max(2, int(round(a1 - a0)))
    cols = P.ramp(stops, n)
    strip = Image.new("RGB", (n, 1) if not vertical else (1, n))
    strip.putdata([tuple(int(v) for v in col[:3]) for col in cols])
    full = Image.new("RGB", (W, H), tuple(int(v) for v in cols[0][:3]))
    if vertical:
        full.paste(strip.resize((W, n)), (0, int(round(a0))))
        full.paste(Image.new("RGB", (W, H), tuple(int(v) for v in cols[-1][:3])), (0, int(round(a0)) + n))
    else:
        full.paste(strip.resize((n, H)), (int(round(a0)), 0))
        full.paste(Image.new("RGB", (W, H), tuple(int(v) for v in cols[-1][:3])), (int(round(a0)) + n, 0))
    P.fill(c, full, mask)


def kitchen_tap_part(c, tap_mask, box, colour, upright):
    """Shade one straight part of the brass tap inside box like a lit cylinder (across x if upright, else y)."""
    x0, y0, x1, y1 = box
    part = ImageChops.multiply(tap_mask, box_mask((x0 - 1, y0 - 1, x1 + 1, y1 + 1)))
    if upright:
        kitchen_across(c, part, x0, x1 + 1, S.cyl(colour, 1.45, 0.45))
    else:
        kitchen_across(c, part, y0, y1 + 1, S.cyl(colour, 1.45, 0.45), vertical=True)


def kitchen_spice_shelf(c):
    """A small wall shelf between the window and the chimney."""
    x0, ty, x1 = KIT_SPICE_SHELF
    sh = Layer()
    sh.rect((x0, ty, x1, ty + 9), (255, 255, 255, 255), 1)
    for kx in (x0 + 12, x1 - 18):
        sh.poly([(kx, ty + 9), (kx + 6, ty + 9), (kx + 6, ty + 32), (kx, ty + 32)], (255, 255, 255, 255))
        sh.poly([(kx + 6, ty + 9), (kx + 20, ty + 9), (kx + 6, ty + 26)], (255, 255, 255, 255))
    m = sh.mask()
    P.fill(c, P.drop_shadow(m, (2, 6), 4, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 421, [(0.0, (70, 42, 22)), (0.6, (120, 76, 40)), (1.0, (160, 108, 60))], lines=H / 4), m)
    P.bevel(c, m, 2, 0.45, 0.5)


def copper_pan_shape(lay, cx, top, r):
    """A round pan hanging by its handle from a hook at (cx, top), drawn into lay in white; returns its centre."""
    hl = r * 1.5
    lay.rect((cx - r * 0.16, top, cx + r * 0.16, top + hl), (255, 255, 255, 255), r * 0.12)
    lay.ell((cx - r, top + hl - 4, cx + r, top + hl - 4 + 2 * r), (255, 255, 255, 255))
    return (cx, top + hl - 4 + r)


def kitchen_chimney(c):
    """The brick chimney breast, its copper pans on a rail, the mantel and the iron range in its alcove."""
    cx0, cx1 = KIT_CHIMNEY
    brick_stops = [(0.0, (120, 56, 36)), (0.5, (156, 78, 50)), (1.0, (186, 104, 70))]
    P.fill(c, (0, 0, 0, 130), P.shift(P.blur(box_mask((cx0, KIT_WALL_TOP, cx1, KIT_FLOOR)), 10), 8, 0))
    breast = S.stones((cx0, KIT_WALL_TOP, cx1, KIT_FLOOR), 431, brick_stops, (40, 16), mortar=(150, 120, 96))
    c.alpha_composite(breast)
    # limewash over the upper bricks, worn thin in places
    wash = P.curve(P.fbm(W, H, 433, ((40, 0.5), (10, 0.3), (3, 0.2))), lambda t: min(1.0, max(0.0, t - 0.3) * 1.6))
    P.fill(c, (226, 206, 170), ImageChops.multiply(ImageChops.multiply(wash, box_mask((cx0, KIT_WALL_TOP, cx1,
                                                                                        KIT_MANTEL))),
                                                   P.vgradient(W, H, [(0.0, (170,) * 3), (1.0, (60,) * 3)])
                                                   .convert("L")))
    # the rail of copper pans
    rail = Layer()
    rail.rect((cx0 + 20, KIT_PAN_RAIL - 3, cx1 - 20, KIT_PAN_RAIL + 3), (255, 255, 255, 255), 3)
    for bx in (cx0 + 24, cx1 - 28):
        rail.rect((bx, KIT_PAN_RAIL - 8, bx + 4, KIT_PAN_RAIL + 8), (255, 255, 255, 255), 1)
    rm = rail.mask()
    P.fill(c, P.drop_shadow(rm, (3, 5), 3, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, [(0.0, (40, 38, 40)), (0.5, (120, 116, 114)), (1.0, (30, 30, 32))], seed=435), rm)
    pans = [(cx0 + 58, 30), (cx0 + 136, 38), (cx0 + 214, 26)]
    for i, (px, r) in enumerate(pans):
        hook = Layer()
        hook.arc((px - 5, KIT_PAN_RAIL - 4, px + 5, KIT_PAN_RAIL + 12), 300, 240, (40, 36, 34, 255), 2)
        hook.onto(c)
        pan = Layer()
        centre = copper_pan_shape(pan, px, KIT_PAN_RAIL + 10, r)
        pm = pan.mask()
        P.fill(c, P.drop_shadow(pm, (5, 6), 5, 0.55), Image.new("L", (W, H), 255))
        f = P.radial_field(W, H, centre[0] - r * 0.4, centre[1] - r * 0.4, r * 1.9)
        P.fill(c, P.gradient_map(f, [(0.0, (255, 200, 150)), (0.25, (226, 130, 76)), (0.6, (170, 84, 44)),
                                     (1.0, (90, 40, 20))]), pm)
        P.bevel(c, pm, 2, 0.5, 0.5)
        ring = P.ring_mask((W, H), (centre[0] - r * 0.72, centre[1] - r * 0.72, centre[0] + r * 0.72,
                                    centre[1] + r * 0.72), 2)
        P.fill(c, (120, 56, 28, 150), ring)
        hole = P.ellipse_mask((W, H), (px - 3, KIT_PAN_RAIL + 13, px + 3, KIT_PAN_RAIL + 19))
        P.fill(c, (50, 30, 22), hole)
        light(c, centre[0] - r * 0.35, centre[1] - r * 0.4, r * 0.4, (255, 230, 190), 0.55)
    # the alcove for the range: an arch of dark soot over the opening
    ox0, ox1, oy0 = KIT_STOVE[0] - 8, KIT_STOVE[1] + 8, KIT_MANTEL + 30
    hole = Layer()
    hole.rect((ox0, oy0 + 40, ox1, KIT_FLOOR), (255, 255, 255, 255))
    hole.pie((ox0, oy0, ox1, oy0 + 80), 180, 360, (255, 255, 255, 255))
    hm = hole.mask()
    inside = P.gradient_map(P.radial_field(W, H, (ox0 + ox1) / 2, KIT_STOVE_TOP, 170, 200),
                            [(0.0, (90, 58, 40)), (0.5, (50, 32, 24)), (1.0, (22, 16, 14))])
    P.fill(c, inside, hm)
    P.inner_shadow(c, hm, 8, (4, 8), 0.8)
    # the stove pipe: a round iron flue rising out of the range into the dark of the chimney throat
    px0, px1, ptop = 536, 562, oy0 + 6
    pipe = box_mask((px0, ptop, px1, KIT_STOVE_TOP))
    P.fill(c, P.drop_shadow(pipe, (6, 0), 5, 0.5), Image.new("L", (W, H), 255))
    iron = [(0.0, (14, 14, 16)), (0.18, (60, 58, 60)), (0.3, (128, 124, 122)), (0.4, (64, 62, 64)),
            (0.8, (26, 26, 28)), (0.93, (70, 50, 38)), (1.0, (20, 18, 18))]
    kitchen_across(c, pipe, px0, px1, iron)
    collars = Layer()
    for cy0, cy1 in ((KIT_STOVE_TOP - 12, KIT_STOVE_TOP), (366, 372)):
        collars.rect((px0 - 3, cy0, px1 + 3, cy1), (255, 255, 255, 255), 1)
    cm = collars.mask()
    kitchen_across(c, cm, px0 - 3, px1 + 3, [(t, P.shade(col, 1.2)) for t, col in iron])
    P.bevel(c, cm, 1, 0.5, 0.5)
    rivets = Layer()
    for rx in (px0 + 2, px0 + 13, px1 - 4):
        rivets.ell((rx - 1, KIT_STOVE_TOP - 7, rx + 1, KIT_STOVE_TOP - 5), (150, 146, 140, 255))
    rivets.onto(c)
    # the damper's handle across the pipe
    damper = Layer()
    damper.rect((px0 - 8, 386, px1 + 4, 389), (255, 255, 255, 255), 1)
    damper.ell((px0 - 12, 384, px0 - 5, 391), (255, 255, 255, 255))
    dm = damper.mask()
    P.fill(c, P.drop_shadow(dm, (2, 2), 1, 0.6), Image.new("L", (W, H), 255))
    kitchen_across(c, dm, 384, 392, [(0.0, (40, 40, 42)), (0.3, (140, 136, 130)), (1.0, (20, 20, 22))], True)
    # the top fades into the soot of the flue; the fire's glow warms its right side
    fade = Image.new("RGBA", (W, H), (0, 0, 0, 255))
    kitchen_across(fade, Image.new("L", (W, H), 255), ptop, ptop + 24, [(0.0, (255,) * 3), (1.0, (0,) * 3)], True)
    P.fill(c, (22, 16, 14, 255), ImageChops.multiply(pipe, fade.convert("L")))
    light(c, px1 - 2, 396, 14, (255, 150, 80), 0.25)
    kitchen_range(c)
    # the mantel shelf
    mantel = Layer()
    mantel.rect((cx0 - 14, KIT_MANTEL, cx1 + 14, KIT_MANTEL + 16), (255, 255, 255, 255), 2)
    mantel.rect((cx0 - 2, KIT_MANTEL + 16, cx1 + 2, KIT_MANTEL + 24), (255, 255, 255, 255), 1)
    mm = mantel.mask()
    P.fill(c, P.drop_shadow(mm, (0, 8), 6, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 439, [(0.0, (60, 34, 18)), (0.55, (112, 68, 36)), (1.0, (150, 100, 56))], lines=H / 5), mm)
    P.bevel(c, mm, 2, 0.45, 0.5)
    # the mantel's frill: a scalloped cloth edge
    frill = Layer()
    frill.rect((cx0 - 10, KIT_MANTEL + 14, cx1 + 10, KIT_MANTEL + 20), (236, 226, 204, 255))
    for x in range(cx0 - 10, cx1 + 10, 14):
        frill.pie((x, KIT_MANTEL + 12, x + 14, KIT_MANTEL + 28), 0, 180, (236, 226, 204, 255))
    fm = frill.onto(c, shadow=0.4, offset=(1, 3), radius=2)
    P.fill(c, (150, 40, 50, 255), ImageChops.multiply(fm, box_mask((0, KIT_MANTEL + 17, W, KIT_MANTEL + 18))))


def kitchen_range(c):
    """The black iron range: hot plates, a brass rail, the fire door and two oven doors."""
    x0, x1 = KIT_STOVE
    top = KIT_STOVE_TOP
    iron = [(0.0, (16, 16, 18)), (0.5, (54, 52, 54)), (1.0, (24, 22, 24))]
    body = Layer()
    body.rect((x0, top + 10, x1, KIT_FLOOR - 6), (255, 255, 255, 255), 3)
    body.rect((x0 + 6, KIT_FLOOR - 8, x0 + 20, KIT_FLOOR + 6), (255, 255, 255, 255))
    body.rect((x1 - 20, KIT_FLOOR - 8, x1 - 6, KIT_FLOOR + 6), (255, 255, 255, 255))
    bm = body.mask()
    P.fill(c, P.drop_shadow(bm, (6, 6), 6, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.hgradient(W, H, [(0.0, iron[0][1]), (x0 / W, (40, 38, 40)), ((x0 + 40) / W, (70, 68, 70)),
                                 (x1 / W, (20, 20, 22)), (1.0, (20, 20, 22))]), bm)
    P.bevel(c, bm, 2, 0.35, 0.5)
    plate = Layer()
    plate.rect((x0 - 8, top, x1 + 8, top + 12), (255, 255, 255, 255), 2)
    plm = plate.mask()
    P.fill(c, P.drop_shadow(plm, (0, 5), 4, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (90, 88, 90)), (top / H, (90, 88, 90)), ((top + 12) / H, (30, 30, 32)),
                                 (1.0, (30, 30, 32))]), plm)
    P.bevel(c, plm, 1, 0.5, 0.5)
    # doors: the fire door in the middle with a glowing grille, the ovens either side
    doors = Layer()
    mid = (x0 + x1) / 2
    for dx0, dx1 in ((x0 + 12, mid - 36), (mid + 36, x1 - 12)):
        doors.rect((dx0, top + 44, dx1, KIT_FLOOR - 26), (255, 255, 255, 255), 4)
    doors.rect((mid - 28, top + 44, mid + 28, top + 96), (255, 255, 255, 255), 4)
    dm = doors.mask()
    P.fill(c, (44, 42, 44), dm)
    P.bevel(c, dm, 2, 0.45, 0.6)
    grille = Layer()
    for gx in range(int(mid - 20), int(mid + 20), 8):
        grille.rect((gx, top + 56, gx + 4, top + 84), (255, 140, 40, 255), 1)
    gm = grille.onto(c)
    light(c, mid, top + 70, 40, (255, 120, 30), 0.6, 30)
    P.fill(c, (255, 220, 130, 160), P.blur(gm, 1))
    fittings = Layer()
    for hx in ((x0 + 12 + mid - 36) / 2, (mid + 36 + x1 - 12) / 2):
        fittings.rect((hx - 18, top + 58, hx + 18, top + 64), (255, 255, 255, 255), 3)
        fittings.ell((hx - 8, top + 90, hx + 8, top + 106), (255, 255, 255, 255))
    fittings.rect((x0 - 4, top + 20, x1 + 4, top + 28), (255, 255, 255, 255), 4)   # the brass towel rail
    fm = fittings.mask()
    P.fill(c, P.drop_shadow(fm, (2, 3), 2, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, seed=441), fm)
    P.bevel(c, fm, 2, 0.6, 0.45)
    # two round hot plates seen from the front: raised rims on the top plate
    rims = Layer()
    for hx in (x0 + 54, x1 - 54):
        rims.ell((hx - 40, top - 3, hx + 40, top + 5), (60, 58, 60, 255))
    rims.onto(c)
    light(c, (x0 + x1) / 2, top + 6, 200, (40, 30, 24), 0.3, 20)


def kitchen_dresser(c):
    """The teal dresser: plate shelves with a rail, a cornice, the top board, drawers and the cupboard."""
    x0 = KIT_DRESSER
    teal = [(0.0, (18, 58, 64)), (0.5, (30, 88, 94)), (1.0, (44, 110, 114))]
    back = box_mask((x0 + 14, 86, W, KIT_DRESSER_TOP))
    P.fill(c, P.drop_shadow(back, (-8, 4), 10, 0.55), Image.new("L", (W, H), 255))
    boards = P.wood(W, H, 451, [(0.0, (14, 44, 50)), (0.5, (24, 70, 76)), (1.0, (34, 86, 90))], vertical=True,
                    lines=W / 14)
    P.fill(c, boards, back)
    seams = Layer()
    for x in range(x0 + 50, W, 44):
        seams.rect((x, 86, x + 1.5, KIT_DRESSER_TOP), (6, 20, 24, 200))
    seams.onto(c)
    P.inner_shadow(c, back, 8, (6, 8), 0.55)
    # sides, cornice and shelves
    frame = Layer()
    frame.rect((x0, 60, x0 + 16, KIT_DRESSER_TOP), (255, 255, 255, 255), 2)
    frame.rect((x0 - 10, 60, W + 4, 88), (255, 255, 255, 255), 3)
    for sy in KIT_SHELVES:
        frame.rect((x0 + 14, sy, W + 4, sy + 10), (255, 255, 255, 255), 1)
        frame.rect((x0 + 14, sy - 22, W + 4, sy - 18), (255, 255, 255, 255), 1)   # the plate rail
    fm = frame.mask()
    P.fill(c, P.drop_shadow(fm, (0, 6), 5, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 453, teal, lines=H / 5), fm)
    P.bevel(c, fm, 2, 0.5, 0.5)
    cornice = Layer()
    for x in range(x0 - 6, W + 4, 18):
        cornice.pie((x, 80, x + 18, 98), 0, 180, (255, 255, 255, 255))
    com = cornice.mask()
    P.fill(c, P.wood(W, H, 455, teal, lines=H / 5), com)
    P.bevel(c, com, 1, 0.4, 0.5)
    P.fill(c, (214, 172, 84, 180), box_mask((x0 - 10, 70, W, 72)))
    # the lower part: top board, drawers, cupboard doors
    lower = box_mask((x0 - 4, KIT_DRESSER_TOP + 12, W, KIT_FLOOR + 2))
    P.fill(c, P.drop_shadow(lower, (-8, 6), 10, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 457, teal, vertical=True, lines=W / 10), lower)
    panels = Layer()
    for dx in range(x0 + 8, W - 20, 116):
        panels.rect((dx, KIT_DRESSER_TOP + 22, dx + 104, KIT_DRESSER_TOP + 58), (255, 255, 255, 255), 3)
        panels.rect((dx, KIT_DRESSER_TOP + 68, dx + 104, KIT_FLOOR - 12), (255, 255, 255, 255), 3)
    pan = panels.mask()
    P.bevel(c, ImageChops.multiply(P.invert(pan), lower), 3, 0.35, 0.55)
    P.inner_shadow(c, pan, 3, (2, 3), 0.55)
    knobs = Layer()
    for dx in range(x0 + 8, W - 20, 116):
        knobs.ell((dx + 46, KIT_DRESSER_TOP + 36, dx + 58, KIT_DRESSER_TOP + 44), P.BRASS + (255,))
        knobs.ell((dx + 88, KIT_DRESSER_TOP + 104, dx + 96, KIT_DRESSER_TOP + 112), P.BRASS + (255,))
    km = knobs.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    P.bevel(c, km, 1, 0.6, 0.4)
    top = Layer()
    top.rect((x0 - 14, KIT_DRESSER_TOP, W + 6, KIT_DRESSER_TOP + 14), (255, 255, 255, 255), 3)
    tm = top.mask()
    P.fill(c, P.drop_shadow(tm, (0, 6), 5, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 459, [(0.0, (110, 72, 40)), (0.55, (170, 122, 72)), (1.0, (206, 160, 100))],
                     lines=H / 3), tm)
    P.bevel(c, tm, 2, 0.5, 0.5)
    P.fill(c, (0, 0, 0, 130), P.blur(box_mask((x0 - 4, KIT_FLOOR, W, KIT_FLOOR + 10)), 5))


def kitchen_floor(c):
    """Terracotta floor tiles in perspective."""
    tw, th = 1400, 560
    tex = Image.new("RGBA", (tw, th), (96, 60, 40, 255))
    d = ImageDraw.Draw(tex)
    rng = random.Random(461)
    ts = 70
    for y in range(0, th, ts):
        for x in range(0, tw, ts):
            t = rng.uniform(0.82, 1.1)
            col = tuple(int(min(255, v * t)) for v in (176, 92, 56))
            d.rectangle((x + 3, y + 3, x + ts - 3, y + ts - 3), fill=col + (255,))
    P.soft_light(tex, P.fbm(tw, th, 463, ((30, 0.5), (8, 0.3), (2, 0.2))).point(lambda i: 90 + i // 3))
    S.lay_floor(c, tex, KIT_FLOOR, 260.0, (150, 130, 120), spread=140)
    P.fill(c, (0, 0, 0, 110), P.blur(box_mask((0, KIT_FLOOR, W, KIT_FLOOR + 6)), 3))


def kitchen_table(c):
    """The scrubbed pine table in front, seen from a little above."""
    x0, ty0, x1, ty1 = KIT_TABLE
    wood_img = P.wood(W, H, 471, [(0.0, (150, 104, 60)), (0.55, (206, 160, 106)), (1.0, (232, 196, 140))],
                      lines=H / 3)
    legs = Layer()
    for lx in (x0 + 22, x1 - 46):
        legs.rect((lx, ty1, lx + 24, 700), (255, 255, 255, 255), 2)
    for lx in (x0 + 60, x1 - 84):
        legs.rect((lx, ty1 - 6, lx + 18, 640), (255, 255, 255, 255), 2)
    lm = legs.mask()
    P.fill(c, (0, 0, 0, 110), P.blur(P.ellipse_mask((W, H), (x0 - 20, 630, x1 + 20, 700)), 10))
    P.fill(c, P.wood(W, H, 473, [(0.0, (90, 56, 30)), (0.5, (150, 104, 60)), (1.0, (110, 72, 40))], vertical=True,
                     lines=W / 8), lm)
    P.bevel(c, lm, 2, 0.35, 0.5)
    apron = box_mask((x0 + 8, ty1, x1 - 8, ty1 + 26))
    P.fill(c, P.drop_shadow(apron, (0, 6), 6, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 475, [(0.0, (100, 64, 34)), (1.0, (150, 104, 60))], lines=H / 4), apron)
    P.bevel(c, apron, 2, 0.3, 0.5)
    top = Layer()
    top.poly([(x0 + 16, ty0), (x1 - 16, ty0), (x1, ty1), (x0, ty1)], (255, 255, 255, 255))
    tm = top.mask()
    P.fill(c, P.drop_shadow(tm, (0, 8), 8, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, wood_img, tm)
    P.bevel(c, tm, 2, 0.5, 0.4)
    edge = box_mask((x0, ty1, x1, ty1 + 8))
    P.fill(c, P.wood(W, H, 477, [(0.0, (120, 80, 44)), (1.0, (176, 130, 80))], lines=H / 6), edge)
    P.bevel(c, edge, 1, 0.4, 0.4)


def kitchen_room():
    """The kitchen without any item: 1024 x 768, opaque."""
    c = Image.new("RGBA", (W, H), (0, 0, 0, 255))
    kitchen_wall(c)
    kitchen_window(c)
    kitchen_floor(c)
    kitchen_counter(c)
    kitchen_spice_shelf(c)
    kitchen_chimney(c)
    kitchen_dresser(c)
    kitchen_table(c)
    # the ceiling and its beam
    ceil = P.wood(W, 22, 481, [(0.0, (30, 18, 10)), (1.0, (60, 38, 20))], lines=4)
    paste_rgb(c, ceil, (0, 0))
    beam = Layer()
    beam.rect((-4, 18, W + 4, KIT_WALL_TOP), (255, 255, 255, 255))
    bm = beam.mask()
    P.fill(c, P.drop_shadow(bm, (0, 10), 8, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 483, [(0.0, (50, 30, 16)), (0.55, (96, 62, 34)), (1.0, (130, 88, 50))], lines=H / 6), bm)
    P.bevel(c, bm, 3, 0.4, 0.6)
    hooks = Layer()
    for hx in (760, 960):
        hooks.ell((hx - 3, KIT_WALL_TOP - 6, hx + 3, KIT_WALL_TOP), (40, 34, 30, 255))
    hooks.onto(c)
    # morning light: the window's glow, sunbeams across the room onto table and floor
    light(c, 143, 190, 260, (110, 80, 50), 0.6, 220, power=2.2)
    beams = Layer()
    x0, y0, x1, y1 = KIT_WINDOW
    beams.poly([(x0 + 20, y0 + 10), (x1, y0 + 40), (700, 640), (420, 700)], (255, 255, 255, 255))
    shaft = beams.image(blur=30).getchannel("A")
    shaft = ImageChops.multiply(shaft, P.curve(P.radial_field(W, H, 200, 200, 700, 600), lambda t: (1 - t) ** 1.2))
    P.add_light(c, (110, 84, 46), shaft, 0.55)
    spots = Layer()
    spots.poly([(330, 520), (470, 514), (520, 552), (360, 552)], (255, 255, 255, 255))
    spots.poly([(440, 600), (560, 590), (640, 650), (500, 668)], (255, 255, 255, 255))
    P.add_light(c, (120, 90, 50), spots.image(blur=12).getchannel("A"), 0.5)
    light(c, 510, 480, 360, (80, 50, 24), 0.45, 260)
    light(c, 860, 260, 300, (60, 46, 30), 0.35, 260)
    darken(c, 1024, 560, 360, 0.25)
    return finish(c, 491, 0.55)


# ================================================================ the ordinary objects

def rolling_pin():
    """A pale wooden rolling pin with turned handles, lying."""
    s = Sheet(96, 18)
    body = s.rect((18, 0, 78, 18), 6)
    s.grad(body, cyl((226, 186, 130), 1.15, 0.55), vertical=True)
    s.grain(body, 501, 0.45, vertical=False)
    for hx0, hx1 in ((0, 20), (76, 96)):
        h = s.rect((hx0, 5, hx1, 13), 4)
        s.grad(h, cyl((190, 130, 74), 1.3, 0.5), vertical=True)
        s.bevel(h, 1, 0.5, 0.4)
    for x in (18, 76):
        s.paint(s.rect((x, 3, x + 2, 15), 1), (150, 100, 56))
    s.gloss(s.rect((24, 3, 72, 6), 2), 80)
    return s.done(rot=6)


def whisk():
    """A balloon whisk hanging by the ring of its wooden handle."""
    s = Sheet(34, 84)
    s.paint(s.ring((12, 0, 22, 10), 2), (60, 56, 56))
    handle = s.rect((12, 8, 22, 38), 4)
    s.grad(handle, cyl((170, 110, 60), 1.3, 0.5))
    s.grain(handle, 503, 0.5)
    s.grad(s.rect((11, 36, 23, 42), 2), SILVER)
    wires = Image.new("L", s.size, 0)
    for k, wdt in enumerate((34, 26, 17, 8)):
        x0 = 17 - wdt / 2
        wires = ImageChops.lighter(wires, s.mask(lambda d, sc, x0=x0, wdt=wdt: d.ellipse(
            s._b((x0, 30, x0 + wdt, 84), sc), outline=255, width=max(1, int(1.6 * sc)))))
    wires = ImageChops.multiply(wires, s.rect((-4, 42, 40, 90)))
    s.grad(wires, SILVER)
    return s.done(rot=-4)



def ladle():
    """A steel ladle with a deep round bowl and a hooked handle."""
    s = Sheet(40, 104)
    handle = s.line([(20, 8), (20, 74)], 5)
    s.grad(handle, SILVER)
    s.paint(s.arc((12, -4, 28, 14), 180, 360, 3.5), (150, 154, 160))
    s.paint(s.ring((16, 14, 24, 22), 1.6), (70, 74, 80))
    bowl = s.mask(lambda d, sc: d.chord(s._b((0, 60, 40, 104), sc), 0, 180, fill=255))
    bowl = ImageChops.lighter(bowl, s.rect((0, 78, 40, 84)))
    s.rgrad(bowl, 12, 82, 34, [(0.0, (250, 252, 255)), (0.4, (186, 190, 198)), (1.0, (80, 84, 92))])
    s.paint(s.ell((0, 76, 40, 86)), (90, 94, 102))
    s.paint(s.ell((2, 77.5, 38, 84.5)), (140, 146, 154))
    s.bevel(bowl, 1, 0.6, 0.4)
    s.gloss(s.ell((8, 88, 16, 96)), 150)
    return s.done()


def egg():
    """A brown hen's egg standing on its end."""
    s = Sheet(18, 24)
    m = s.mask(lambda d, sc: (d.ellipse(s._b((0, 6, 18, 24), sc), fill=255),
                              d.ellipse(s._b((2, 0, 16, 18), sc), fill=255)))
    s.rgrad(m, 6, 8, 20, [(0.0, (255, 240, 214)), (0.45, (226, 180, 130)), (1.0, (150, 100, 60))])
    s.gloss(s.ell((4, 5, 8, 10)), 160)
    return s.done(rot=-12)


def lemon():
    """A lemon with pointed ends and a green leaf."""
    s = Sheet(38, 26)
    body = s.mask(lambda d, sc: (d.ellipse(s._b((4, 2, 34, 26), sc), fill=255),
                                 d.polygon(s._p([(0, 14), (6, 9), (6, 19)], sc), fill=255),
                                 d.polygon(s._p([(38, 13), (32, 8), (32, 19)], sc), fill=255)))
    s.rgrad(body, 14, 9, 28, [(0.0, (255, 250, 170)), (0.45, (250, 214, 40)), (1.0, (176, 130, 10))])
    dots = P.curve(P.fbm(s.w, s.h, 505, ((2, 0.6), (1, 0.4))), lambda t: max(0.0, t - 0.6) * 1.5)
    P.fill(s.img, (190, 150, 20, 150), ImageChops.multiply(dots, body))
    s.gloss(s.ell((10, 6, 18, 10)), 140)
    leaf = s.poly(s.curve_pts((30, 6), (34, -2), (42, -2), 8) + s.curve_pts((42, -2), (38, 6), (30, 6), 8))
    s.paint(leaf, (70, 130, 50))
    return s.done()


def grater():
    """A tin box grater with a handle on top and rows of holes."""
    s = Sheet(40, 64)
    s.paint(s.arc((10, 0, 30, 16), 180, 360, 3.4), (60, 40, 30))
    side = s.poly([(26, 12), (38, 16), (38, 64), (30, 60)])
    s.grad(side, [(0.0, (120, 124, 130)), (1.0, (70, 74, 80))])
    front = s.poly([(6, 12), (26, 12), (30, 60), (2, 64)])
    s.grad(front, SILVER)
    holes = s.mask(lambda d, sc: [d.ellipse(s._b((x + (y - 12) * -0.07, y, x + 3 + (y - 12) * -0.07, y + 2), sc),
                                            fill=255) for y in range(18, 58, 5) for x in range(7 + (y // 5) % 2 * 3,
                                                                                                27, 6)])
    s.paint(ImageChops.multiply(holes, front), (40, 42, 48))
    s.paint(s.rect((6, 10, 27, 14), 1), (150, 154, 160))
    s.bevel(front, 1, 0.5, 0.4)
    return s.done()


def pepper_mill():
    """A turned wooden pepper mill with a knob on top."""
    s = Sheet(22, 60)
    wood = (120, 66, 34)
    body = s.poly(s.curve_pts((4, 60), (0, 40), (7, 28), 10) + s.curve_pts((15, 28), (22, 40), (18, 60), 10))
    body = ImageChops.lighter(body, s.rect((5, 14, 17, 30), 3))
    top = s.ell((3, 8, 19, 20))
    s.grad(body, cyl(wood, 1.45, 0.45))
    s.grain(body, 507, 0.5)
    s.grad(top, cyl(P.shade(wood, 1.1), 1.45, 0.45))
    s.paint(s.rect((3, 19, 19, 22), 1), (50, 28, 14))
    for y in (40, 44):
        s.paint(ImageChops.multiply(s.rect((0, y, 22, y + 1.4)), body), (60, 30, 14))
    knob = s.ell((8, 0, 14, 8))
    s.grad(knob, BRASS)
    s.paint(s.rect((10, 6, 12, 10)), (90, 60, 20))
    s.bevel(body, 1, 0.4, 0.4)
    return s.done()


def mortar():
    """A grey stone mortar with its pestle leaning in it."""
    s = Sheet(52, 48)
    pestle = s.line([(24, 26), (44, 0)], 7)
    s.grad(pestle, cyl((200, 196, 188), 1.2, 0.55))
    s.paint(s.ell((39, -3, 49, 6)), (214, 210, 200))
    bowl = s.mask(lambda d, sc: (d.chord(s._b((0, 2, 48, 50), sc), 0, 180, fill=255),
                                 d.rectangle(s._b((14, 40, 34, 48), sc), fill=255)))
    bowl = ImageChops.lighter(bowl, s.rect((0, 22, 48, 28), 2))
    s.grad(bowl, cyl((170, 164, 156), 1.3, 0.5))
    speck = P.curve(P.fbm(s.w, s.h, 509, ((2, 0.5), (1, 0.5))), lambda t: max(0.0, t - 0.55) * 2)
    P.fill(s.img, (90, 86, 82, 140), ImageChops.multiply(speck, bowl))
    s.paint(s.ell((2, 21, 46, 29)), (92, 86, 80))
    s.paint(s.ell((5, 22.5, 43, 27.5)), (60, 54, 50))
    s.paint(ImageChops.multiply(pestle, s.rect((0, 0, 52, 25))), (210, 206, 198))
    s.grad(ImageChops.multiply(pestle, s.rect((0, 0, 52, 25))), cyl((200, 196, 188), 1.2, 0.55))
    s.bevel(bowl, 2, 0.4, 0.4)
    s.paint(s.rect((12, 46, 36, 48), 1), (120, 114, 108))
    return s.done()


def hourglass():
    """A kitchen hourglass: two glass bulbs between turned wooden ends, sand running."""
    s = Sheet(30, 54)
    glass = s.mask(lambda d, sc: (d.polygon(s._p(s.curve_pts((6, 6), (2, 22), (14, 27), 10)
                                                 + s.curve_pts((16, 27), (28, 22), (24, 6), 10), sc), fill=255),
                                  d.polygon(s._p(s.curve_pts((6, 48), (2, 32), (14, 27), 10)
                                                 + s.curve_pts((16, 27), (28, 32), (24, 48), 10), sc), fill=255)))
    s.grad(glass, [(0.0, (170, 200, 200, 150)), (0.3, (240, 250, 250, 170)), (1.0, (140, 170, 170, 150))])
    sand_top = ImageChops.multiply(glass, s.rect((0, 16, 30, 27)))
    s.paint(sand_top, (226, 186, 110))
    sand_bot = ImageChops.multiply(glass, s.poly([(2, 48), (15, 36), (28, 48)]))
    s.paint(sand_bot, (214, 170, 96))
    s.paint(s.rect((14.4, 26, 15.6, 40)), (226, 186, 110))
    for y0 in (0, 48):
        cap = s.rect((0, y0, 30, y0 + 6), 2)
        s.grad(cap, cyl((130, 76, 38), 1.3, 0.5))
        s.bevel(cap, 1, 0.5, 0.4)
    for x in (1.5, 26):
        post = s.rect((x, 5, x + 2.5, 49), 1)
        s.grad(post, cyl((130, 76, 38), 1.3, 0.5))
    s.gloss(s.rect((8, 8, 10, 18), 1), 150)
    return s.done()


# ================================================================ shells and stars

def scallop(colour=(236, 150, 130), w=30):
    """A scallop shell: a fan of ribs over two small ears at the hinge."""
    s = Sheet(w, w * 0.9)
    h = w * 0.9
    fan = s.pie((0, -h * 0.15, w, h * 1.85 - h * 0.15), 180, 360)
    fan = ImageChops.multiply(fan, s.rect((0, 0, w, h * 0.8)))
    fan = s.mask(lambda d, sc: d.pieslice(s._b((0, 0, w, h * 1.6), sc), 200, 340, fill=255))
    fan = ImageChops.lighter(fan, s.mask(lambda d, sc: d.chord(s._b((0, 0, w, h * 0.7), sc), 180, 360, fill=255)))
    ears = s.poly([(w * 0.3, h * 0.66), (w * 0.5, h * 0.78), (w * 0.7, h * 0.66), (w * 0.66, h), (w * 0.34, h)])
    fan = ImageChops.lighter(fan, ears)
    s.rgrad(fan, w / 2, h * 0.8, w * 0.8, [(0.0, P.shade(colour, 0.75)), (0.5, colour), (1.0, P.shade(colour, 1.2))])
    ribs = s.lines([[(w / 2, h * 0.86), (w / 2 + math.cos(math.radians(a)) * w, h * 0.86 - math.sin(math.radians(a))
                     * w)] for a in range(26, 160, 13)], max(1.0, w / 26))
    P.fill(s.img, P.shade(colour, 0.55) + (200,), ImageChops.multiply(ribs, fan))
    s.paint(ImageChops.multiply(ears, s.rect((0, h * 0.82, w, h))), P.shade(colour, 0.85))
    s.bevel(fan, 1, 0.5, 0.4)
    return s.done(outline=(70, 40, 30))


def whelk():
    """A banded whelk lying on its side: stepped whorls up to a sharp spire, the flared orange mouth below."""
    s = Sheet(28, 42)
    # whorls from the apex down: (centre y, half width); the body whorl is the last and largest
    whorls = [(3, 2.2), (7.5, 4.2), (12.5, 6.6), (18.5, 9.4), (27, 13.5)]
    shape = s.poly([(14, 0), (11, 5), (17, 5)])
    for i, (cy, hw) in enumerate(whorls):
        hh = hw * (0.75 if i < 4 else 0.9)
        shape = ImageChops.lighter(shape, s.ell((14 - hw, cy - hh, 14 + hw, cy + hh)))
    canal = s.poly([(8, 32), (20, 32), (13, 42), (10, 41)])
    shape = ImageChops.lighter(shape, canal)
    s.rgrad(shape, 10, 12, 34, [(0.0, (252, 240, 218)), (0.45, (226, 192, 146)), (1.0, (150, 100, 62))])
    spiral = [s.curve_pts((14 - hw, cy - hw * 0.1), (14, cy + hw * 0.35), (14 + hw, cy - hw * 0.1), 10)
              for cy, hw in whorls[2:]]
    bands = s.lines(spiral + [s.curve_pts((1.5, 25), (14, 29), (26.5, 25), 12),
                              s.curve_pts((3, 31), (14, 35), (25, 31), 12)], 1.5)
    P.fill(s.img, (150, 84, 48, 190), ImageChops.multiply(bands, shape))
    sutures = s.lines([s.curve_pts((14 - hw, cy + hw * 0.6), (14, cy + hw * 1.05), (14 + hw, cy + hw * 0.6), 10)
                       for cy, hw in whorls[:4]], 1.0)
    P.fill(s.img, (90, 54, 30, 230), ImageChops.multiply(sutures, shape))
    s.shade_by(shape, 9, 14, 30, 0.5)
    # the opening: a flared orange lip round a deep glossy throat
    lip = s.poly(s.curve_pts((15, 18), (30, 22), (20, 38), 12) + [(14, 36), (13, 26)])
    s.rgrad(lip, 20, 27, 11, [(0.0, (255, 214, 170)), (0.6, (236, 150, 96)), (1.0, (196, 104, 66))])
    throat = s.poly(s.curve_pts((16, 21), (25, 24), (19, 34), 10) + [(15, 30)])
    s.rgrad(throat, 17, 27, 8, [(0.0, (120, 56, 40)), (1.0, (196, 110, 80))])
    s.gloss(s.ell((8, 14, 12, 24)), 130)
    s.gloss(s.ell((20, 22, 22, 26)), 150)
    return s.done(rot=68, outline=(70, 42, 26))


def cowrie():
    """A glossy tiger cowrie tipped towards the viewer: the high, dark-spotted pale back above, the cream base
    below with the long slit across it, combed by white teeth, both ends drawn out into short lips."""
    s = Sheet(38, 26)
    body = s.mask(lambda d, sc: (d.ellipse(s._b((1, 0, 37, 26), sc), fill=255),
                                 d.polygon(s._p([(0, 17), (5, 11), (6, 22)], sc), fill=255),
                                 d.polygon(s._p([(38, 17), (33, 11), (32, 22)], sc), fill=255)))
    s.rgrad(body, 14, 4, 32, [(0.0, (255, 248, 232)), (0.35, (226, 198, 160)), (0.75, (170, 124, 80)),
                              (1.0, (106, 68, 38))])
    back = ImageChops.multiply(body, s.ell((-1, -9, 39, 17)))
    rng = random.Random(511)
    spots = []
    while len(spots) < 36:
        x, y, r = rng.uniform(4, 34), rng.uniform(2, 14), rng.uniform(0.8, 1.9)
        if ((x - 19) / 17) ** 2 + ((y - 8) / 8) ** 2 < 1.0:
            spots.append((x - r, y - r * 0.85, x + r, y + r * 0.85))
    s.rgrad(ImageChops.multiply(s.ells(spots), back), 14, 4, 30, [(0.0, (130, 80, 44)), (1.0, (60, 32, 16))])
    s.shade_by(body, 15, 4, 32, 0.35)
    # the base, tipped towards the viewer: a dark slit combed by teeth
    base = ImageChops.subtract(body, back)
    s.rgrad(base, 19, 15, 22, [(0.0, (255, 248, 236)), (1.0, (214, 190, 160))])
    slit = s.line(s.curve_pts((2, 19.5), (19, 21.5), (36, 19.5), 14), 2.2)
    s.paint(slit, (70, 38, 22))
    teeth = s.lines([[(x, 17.8 + (abs(x - 19) / 17) ** 2 * -0.6), (x, 23.2 - (abs(x - 19) / 17) ** 2 * 1.5)]
                     for x in [4.5 + i * 1.8 for i in range(17)]], 0.8)
    P.fill(s.img, (250, 240, 222, 240), ImageChops.multiply(teeth, base))
    s.gloss(s.ell((8, 1.5, 24, 7)), 200)
    s.gloss(s.ell((11, 2.5, 17, 5)), 250)
    s.gloss(s.ell((28, 6, 32, 9)), 130)
    return s.done(rot=8, outline=(60, 36, 22))


def cockle():
    """A ribbed cockle shell, round with a curled hinge."""
    s = Sheet(26, 24)
    body = s.mask(lambda d, sc: (d.ellipse(s._b((0, 2, 26, 24), sc), fill=255),
                                 d.polygon(s._p([(9, 4), (13, 0), (17, 4)], sc), fill=255)))
    s.rgrad(body, 13, 2, 26, [(0.0, (255, 246, 226)), (0.5, (236, 200, 150)), (1.0, (180, 120, 80))])
    ribs = s.lines([[(13, 2), (13 + math.cos(math.radians(a)) * 30, 2 + math.sin(math.radians(a)) * 30)]
                    for a in range(20, 170, 15)], 1.2)
    P.fill(s.img, (150, 96, 60, 180), ImageChops.multiply(ribs, body))
    arcs = s.lines([s.curve_pts((3, y), (13, y + 5), (23, y), 8) for y in (12, 18)], 1)
    P.fill(s.img, (180, 110, 70, 120), ImageChops.multiply(arcs, body))
    s.bevel(body, 1, 0.5, 0.4)
    return s.done(rot=-8, outline=(70, 44, 30))


def sea_snail():
    """A small sea snail shell seen from the side: cream and sand with pale pink-brown bands, a clear pointed spire
    over the round body whorl, the pearly opening at the lower right."""
    s = Sheet(24, 28)
    whorls = [(2.5, 1.8), (6, 3.6), (10, 6.0), (19, 12.0)]   # (centre y, half width), apex first
    shape = s.poly([(12, 0), (10.2, 3), (13.8, 3)])
    for i, (cy, hw) in enumerate(whorls):
        hh = hw * (0.72 if i < 3 else 0.75)
        shape = ImageChops.lighter(shape, s.ell((12 - hw, cy - hh, 12 + hw, cy + hh)))
    s.rgrad(shape, 8, 8, 26, [(0.0, (255, 248, 232)), (0.45, (236, 212, 176)), (1.0, (176, 132, 100))])
    bands = s.lines([s.curve_pts((12 - hw, cy), (12, cy + hw * 0.4), (12 + hw, cy), 10) for cy, hw in whorls[1:3]] +
                    [s.curve_pts((1, 17), (12, 21), (23, 17), 12), s.curve_pts((2.5, 22.5), (12, 26.5), (21.5, 22.5),
                                                                            12)], 1.6)
    P.fill(s.img, (206, 132, 118, 170), ImageChops.multiply(bands, shape))
    sutures = s.lines([s.curve_pts((12 - hw, cy + hw * 0.55), (12, cy + hw * 1.0), (12 + hw, cy + hw * 0.55), 10)
                       for cy, hw in whorls[:3]], 0.9)
    P.fill(s.img, (110, 70, 50, 230), ImageChops.multiply(sutures, shape))
    s.shade_by(shape, 8, 8, 26, 0.4)
    mouth = s.ell((12, 15, 23.5, 27))
    s.rgrad(mouth, 17, 20, 8, [(0.0, (255, 238, 230)), (0.6, (244, 200, 190)), (1.0, (210, 150, 140))])
    s.rgrad(s.ell((14.5, 18, 21, 25)), 18, 22, 5, [(0.0, (120, 70, 60)), (1.0, (180, 120, 110))])
    s.gloss(s.ell((5, 13, 9, 17)), 170)
    s.gloss(s.ell((10.5, 4, 12.5, 6)), 140)
    return s.done(rot=-12, outline=(70, 44, 30))


def bonus_star(size=24, rot=0):
    """A small golden star with a soft glow around it."""
    s = Sheet(size, size)
    pts = []
    for i in range(10):
        a = math.radians(-90 + i * 36)
        r = size / 2 if i % 2 == 0 else size * 0.21
        pts.append((size / 2 + math.cos(a) * r, size / 2 + math.sin(a) * r * 1.02))
    star = s.poly(pts)
    glow = P.blur(star, 3)
    P.fill(s.img, (255, 220, 120, 150), glow)
    s.rgrad(star, size * 0.4, size * 0.35, size * 0.7, [(0.0, (255, 252, 210)), (0.45, P.GOLD_LIGHT),
                                                         (1.0, (200, 140, 40))])
    s.bevel(star, 1, 0.6, 0.4)
    s.paint(s.ell((size * 0.44, size * 0.3, size * 0.56, size * 0.42)), (255, 255, 240, 220))
    img = s.done(rot=rot, outline=(120, 76, 20), shadow=0.2)
    return img


# ================================================================ kitchen decoys

def cake():
    """A two-layer sponge cake with cream, strawberries on top, on a glass stand."""
    s = Sheet(84, 74)
    stand = s.mask(lambda d, sc: (d.ellipse(s._b((0, 50, 84, 60), sc), fill=255),
                                  d.rectangle(s._b((38, 56, 46, 70), sc), fill=255),
                                  d.ellipse(s._b((26, 66, 58, 74), sc), fill=255)))
    s.grad(stand, [(0.0, (190, 210, 210, 200)), (0.3, (250, 255, 255, 230)), (1.0, (150, 176, 176, 200))])
    sponge = s.rect((6, 18, 78, 54), 4)
    s.grad(sponge, cyl((222, 170, 96), 1.15, 0.6))
    s.paint(ImageChops.multiply(sponge, s.rect((0, 33, 84, 38))), (176, 40, 56))
    s.paint(ImageChops.multiply(sponge, s.rect((0, 37, 84, 40))), (250, 240, 222))
    cream = s.mask(lambda d, sc: (d.ellipse(s._b((6, 12, 78, 26), sc), fill=255),
                                  [d.ellipse(s._b((x, 20, x + 10, 30), sc), fill=255) for x in range(6, 72, 8)]))
    s.grad(cream, cyl((255, 250, 238), 1.02, 0.8))
    for x, y in ((20, 8), (36, 5), (52, 6), (66, 10), (28, 13), (46, 13)):
        berry = s.poly([(x - 5, y + 2), (x + 5, y + 2), (x, y + 10)])
        berry = ImageChops.lighter(berry, s.ell((x - 5, y - 1, x + 5, y + 6)))
        s.rgrad(berry, x - 2, y + 1, 9, [(0.0, (255, 120, 120)), (0.5, (210, 30, 40)), (1.0, (120, 10, 20))])
        s.paint(s.poly([(x - 3, y - 1), (x, y - 4), (x + 3, y - 1)]), (70, 130, 50))
    s.gloss(s.rect((10, 40, 14, 52), 2), 50)
    return s.done()


def stockpot():
    """A big copper stock pot with a lid and two handles."""
    s = Sheet(76, 56)
    for hx in (0, 66):
        s.paint(s.ring((hx, 16, hx + 12, 30), 3), (120, 60, 30))
    body = s.rect((6, 12, 70, 56), 5)
    s.grad(body, COPPER)
    s.paint(ImageChops.multiply(body, s.rect((0, 44, 76, 47))), (120, 56, 26))
    lid = s.ell((4, 6, 72, 18))
    s.grad(lid, COPPER)
    s.paint(s.ell((32, 0, 44, 10)), (70, 44, 30))
    s.bevel(body, 2, 0.5, 0.4)
    s.gloss(s.rect((14, 20, 19, 50), 2), 70)
    return s.done()


def frying_pan():
    """A black iron frying pan on the stove, its long handle to the right."""
    s = Sheet(96, 22)
    handle = s.poly([(58, 4), (96, 0), (96, 6), (60, 10)])
    s.grad(handle, IRON, vertical=True)
    pan = s.mask(lambda d, sc: (d.ellipse(s._b((0, 0, 64, 14), sc), fill=255),
                                d.polygon(s._p([(2, 7), (62, 7), (56, 22), (8, 22)], sc), fill=255)))
    s.grad(pan, [(0.0, (20, 20, 22)), (0.3, (90, 88, 92)), (1.0, (16, 16, 18))])
    s.paint(s.ell((4, 1.5, 60, 12.5)), (40, 40, 44))
    s.bevel(pan, 1, 0.4, 0.4)
    return s.done()


def spice_jar(colour, h=30, seed=0):
    """A little glass spice jar with a cork and a paper label, filled with a coloured spice."""
    s = Sheet(18, h)
    glass = s.rect((0, 6, 18, h), 3)
    s.grad(glass, [(0.0, (200, 220, 220, 140)), (0.3, (250, 255, 255, 170)), (1.0, (150, 170, 170, 150))])
    spice = ImageChops.multiply(glass, s.rect((1.5, 12 + seed % 3 * 2, 16.5, h - 1.5), 2))
    s.grad(spice, cyl(colour, 1.2, 0.6))
    cork = s.rect((3, 0, 15, 8), 2)
    s.grad(cork, cyl((200, 150, 96), 1.2, 0.6))
    lab = s.rect((2, h * 0.5, 16, h * 0.5 + 9), 1)
    s.paint(lab, P.PARCHMENT)
    s.paint(s.rect((5, h * 0.5 + 3, 13, h * 0.5 + 4.5)), (110, 40, 40, 200))
    s.gloss(s.rect((2, 10, 4, h - 4), 1), 110)
    return s.done()


def milk_jug(colour=(240, 234, 220), band=(40, 90, 150)):
    """A glazed jug with a spout and a handle."""
    s = Sheet(46, 48)
    s.paint(s.arc((28, 10, 46, 36), 270, 90, 4), P.shade(colour, 0.85))
    body = s.poly(s.curve_pts((8, 6), (2, 30), (8, 48), 10) + s.curve_pts((32, 48), (38, 30), (32, 6), 10))
    body = ImageChops.lighter(body, s.poly([(4, 0), (12, 6), (8, 10)]))
    s.grad(body, cyl(colour, 1.06, 0.62))
    s.paint(ImageChops.multiply(body, s.rect((0, 14, 46, 18))), band)
    s.paint(ImageChops.multiply(body, s.rect((0, 38, 46, 40))), band)
    s.paint(s.ell((7, 3, 33, 9)), P.shade(colour, 0.7))
    return s.done()


def cutting_board():
    """A round-ended wooden chopping board leaning upright, with a hole in its handle."""
    s = Sheet(50, 80)
    board = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((0, 20, 50, 80), sc), radius=10 * sc, fill=255),
                                  d.rounded_rectangle(s._b((16, 0, 34, 26), sc), radius=7 * sc, fill=255)))
    s.grad(board, cyl((200, 150, 90), 1.15, 0.6))
    s.grain(board, 521, 0.6)
    hole = s.ell((21, 5, 29, 13))
    s.img.putalpha(ImageChops.subtract(s.img.getchannel("A"), hole))
    s.bevel(board, 2, 0.45, 0.45)
    return s.done()


def onion(colour=(200, 120, 60)):
    """A round onion with a dry tip and papery lines."""
    s = Sheet(26, 30)
    body = s.mask(lambda d, sc: (d.ellipse(s._b((0, 6, 26, 30), sc), fill=255),
                                 d.polygon(s._p([(9, 10), (13, 0), (17, 10)], sc), fill=255)))
    s.rgrad(body, 9, 12, 26, [(0.0, P.shade(colour, 1.4)), (0.5, colour), (1.0, P.shade(colour, 0.45))])
    lines = s.lines([s.curve_pts((13, 4), (13 + k * 1.4, 18), (13 + k * 0.5, 30), 8) for k in (-8, -4, 4, 8)], 0.9)
    P.fill(s.img, P.shade(colour, 0.6) + (160,), ImageChops.multiply(lines, body))
    s.paint(s.line([(13, 2), (15, -4)], 1.6), (150, 120, 70))
    return s.done()


def carrot(rot=0):
    """A carrot with its green tops."""
    s = Sheet(20, 64)
    for dx in (-5, 0, 5):
        s.paint(s.line(s.curve_pts((10, 18), (10 + dx, 8), (10 + dx * 1.6, 0), 8), 2.4), (80, 140, 50))
    body = s.poly([(3, 16), (17, 16), (11, 64), (9, 64)])
    body = ImageChops.lighter(body, s.ell((3, 13, 17, 21)))
    s.grad(body, cyl((236, 120, 30), 1.25, 0.55))
    rings = s.lines([[(4 + y * 0.05, y), (10 + y * 0.02, y + 1)] for y in range(24, 58, 7)], 0.9)
    P.fill(s.img, (170, 70, 20, 180), ImageChops.multiply(rings, body))
    return s.done(rot=rot)


def garlic_braid():
    """A braid of garlic bulbs hanging from a string."""
    s = Sheet(34, 120)
    s.paint(s.line([(17, 0), (17, 112)], 2.2), (190, 160, 100))
    for i, y in enumerate(range(18, 116, 16)):
        x = 17 + (-7 if i % 2 else 7)
        bulb = s.mask(lambda d, sc, x=x, y=y: (d.ellipse(s._b((x - 10, y - 6, x + 10, y + 12), sc), fill=255),
                                               d.polygon(s._p([(x - 3, y - 4), (x, y - 12), (x + 3, y - 4)], sc),
                                                         fill=255)))
        s.rgrad(bulb, x - 4, y - 2, 18, [(0.0, (255, 252, 240)), (0.5, (232, 220, 196)), (1.0, (170, 150, 126))])
        seg = s.lines([s.curve_pts((x + k, y - 5), (x + k * 1.6, y + 3), (x + k * 0.6, y + 11), 6) for k in (-4, 0, 4)],
                      0.8)
        P.fill(s.img, (170, 140, 150, 150), ImageChops.multiply(seg, bulb))
    return s.done()


def herb_bunch(colour=(90, 130, 60), seed=0):
    """A bunch of herbs hung upside down to dry, tied with red string."""
    s = Sheet(34, 70)
    rng = random.Random(531 + seed)
    s.paint(s.line([(17, 0), (17, 12)], 1.4), (150, 40, 40))
    for i in range(14):
        ex = 17 + rng.uniform(-16, 16)
        ey = rng.uniform(46, 70)
        stem = s.line(s.curve_pts((17, 14), ((17 + ex) / 2, ey * 0.5), (ex, ey), 10), 1.2)
        s.paint(stem, P.shade(colour, 0.6))
        for t in (0.45, 0.65, 0.85):
            lx = 17 + (ex - 17) * t
            ly = 14 + (ey - 14) * t
            leaf = s.poly([(lx - 2.2, ly - 3), (lx + 2.2, ly - 3), (lx + rng.uniform(-2, 2), ly + 6)])
            s.paint(leaf, P.shade(colour, rng.uniform(0.75, 1.25)))
    s.paint(s.rect((13, 10, 21, 16), 2), (170, 40, 40))
    return s.done()


def flour_bowl():
    """A cream mixing bowl heaped with flour."""
    s = Sheet(60, 34)
    heap = s.ell((8, 0, 52, 18))
    s.rgrad(heap, 24, 4, 30, [(0.0, (255, 255, 252)), (1.0, (220, 214, 200))])
    bowl = s.mask(lambda d, sc: d.chord(s._b((0, -14, 60, 34), sc), 0, 180, fill=255))
    bowl = ImageChops.multiply(bowl, s.rect((0, 10, 60, 34)))
    s.grad(bowl, cyl((232, 222, 196), 1.08, 0.6))
    s.paint(ImageChops.multiply(bowl, s.rect((0, 16, 60, 19))), (40, 96, 110))
    s.paint(s.rect((0, 9, 60, 13), 2), (244, 236, 214))
    return s.done()


def butter_dish():
    """A pat of butter on a small blue-rimmed dish."""
    s = Sheet(44, 22)
    dish = s.ell((0, 10, 44, 22))
    s.grad(dish, [(0.0, (250, 248, 240)), (1.0, (190, 184, 170))], vertical=True)
    s.paint(s.ring((1, 11, 43, 21), 1.4), (40, 80, 150))
    top = s.poly([(8, 8), (28, 2), (38, 8), (18, 14)])
    front = s.poly([(8, 8), (18, 14), (18, 18), (8, 12)])
    side = s.poly([(18, 14), (38, 8), (38, 12), (18, 18)])
    s.paint(top, (255, 236, 150))
    s.paint(front, (236, 200, 100))
    s.paint(side, (246, 214, 120))
    return s.done()


def pear(colour=(190, 200, 70)):
    """A green-gold pear with a stalk."""
    s = Sheet(24, 34)
    body = s.mask(lambda d, sc: (d.ellipse(s._b((0, 12, 24, 34), sc), fill=255),
                                 d.ellipse(s._b((5, 3, 19, 22), sc), fill=255)))
    s.rgrad(body, 8, 14, 26, [(0.0, P.shade(colour, 1.35)), (0.5, colour), (1.0, P.shade(colour, 0.5))])
    s.paint(s.line([(12, 5), (14, -2)], 1.6), (90, 60, 30))
    s.gloss(s.ell((5, 16, 9, 22)), 100)
    return s.done()


def crock(colour=(200, 180, 150), h=44, label=True):
    """A salt-glazed stoneware crock with a blue band and a wooden lid."""
    s = Sheet(40, h)
    body = s.rect((2, 6, 38, h), 6)
    s.grad(body, cyl(colour, 1.15, 0.6))
    s.paint(ImageChops.multiply(body, s.rect((0, h * 0.3, 40, h * 0.3 + 3))), (50, 80, 130))
    lid = s.rect((0, 0, 40, 8), 3)
    s.grad(lid, cyl((160, 110, 60), 1.3, 0.5))
    s.paint(s.ell((16, -3, 24, 3)), (130, 86, 44))
    if label:
        s.paint(s.glyph("\u2766", P.SANS, 14, 20, h * 0.62), (50, 80, 130, 200))
    return s.done()


def tea_caddy():
    """A square tin tea caddy painted burgundy with a gold pattern."""
    s = Sheet(30, 40)
    body = s.rect((0, 6, 30, 40), 2)
    s.grad(body, cyl(P.BURGUNDY, 1.4, 0.5))
    lid = s.rect((-1, 0, 31, 8), 2)
    s.grad(lid, BRASS)
    s.paint(s.glyph("\u273f", P.SANS, 16, 15, 24), P.GOLD)
    s.paint(ImageChops.subtract(s.rect((3, 11, 27, 37), 1), s.rect((4, 12, 26, 36), 1)), P.GOLD)
    return s.done()


def standing_plate(colour=(40, 70, 150), r=26):
    """A plate stood on its edge on a shelf (the Taproom's flowered plate)."""
    return S.plate(colour, r)


def hanging_cup(colour=(40, 90, 150)):
    """A cup hanging by its handle from the shelf's edge: handle up, its mouth turned to the left."""
    s = Sheet(36, 28)
    s.paint(s.arc((22, 6, 36, 20), 280, 80, 3.2), (230, 226, 214))
    cup = s.poly(s.curve_pts((2, 2), (2, 26), (14, 27), 10) + s.curve_pts((14, 27), (28, 26), (28, 2), 10))
    s.grad(cup, cyl((246, 242, 232), 1.05, 0.66))
    s.paint(ImageChops.multiply(cup, s.rect((0, 9, 30, 12))), colour)
    s.paint(s.ell((2, 0, 28, 5)), (200, 194, 180))
    return s.done(rot=90)


def pumpkin():
    """A ribbed orange pumpkin with a curled stalk."""
    s = Sheet(60, 44)
    parts = [(0, 8, 26, 44), (34, 8, 60, 44), (8, 6, 36, 44), (24, 6, 52, 44), (16, 4, 44, 44)]
    col = (226, 120, 34)
    for i, box in enumerate(parts):
        m = s.ell(box)
        cx = (box[0] + box[2]) / 2
        s.rgrad(m, cx - 4, 14, 30, [(0.0, P.shade(col, 1.35)), (0.5, col), (1.0, P.shade(col, 0.5))])
        s.bevel(m, 1, 0.3, 0.5)
    s.paint(s.line(s.curve_pts((30, 8), (30, 0), (38, -2), 8), 4), (96, 100, 50))
    return s.done()


# ================================================================ foreground props

def prop_herb_rack():
    """A wooden drying rack hung from the beam on two chains, with bunches of herbs and a garlic braid."""
    s = Sheet(330, 150)
    for x in (30, 296):
        chain = s.mask(lambda d, sc, x=x: [d.ellipse(s._b((x - 4, y, x + 4, y + 10), sc), outline=255,
                                                     width=max(1, int(2 * sc))) for y in range(0, 36, 7)])
        s.paint(chain, (50, 44, 40))
    bar = s.rect((0, 36, 330, 50), 5)
    s.grad(bar, [(0.0, (150, 100, 56)), (1.0, (80, 48, 24))], vertical=True)
    s.grain(bar, 541, 0.6, vertical=False)
    s.bevel(bar, 2, 0.5, 0.5)
    rng = random.Random(543)
    for i, x in enumerate(range(22, 320, 36)):
        colour = [(90, 130, 60), (120, 140, 70), (150, 110, 140), (100, 120, 50)][i % 4]
        bunch = herb_bunch(colour, seed=i).resize((34 + rng.randint(-2, 4), 80 + rng.randint(-6, 16)),
                                                   Image.Resampling.LANCZOS)
        s.img.alpha_composite(bunch, (s.PAD + x - bunch.size[0] // 2, s.PAD + 44))
    return s.done(shadow=0.45)


def prop_vegetable_basket():
    """A big wicker basket of vegetables on the floor at the front left."""
    s = Sheet(230, 190)
    s.paint(s.arc((40, 0, 190, 120), 190, 350, 8), (150, 110, 60))
    for img, x, y in ((pumpkin().resize((96, 70), Image.Resampling.LANCZOS), 70, 40),
                      (carrot(-40).resize((40, 96), Image.Resampling.LANCZOS), 20, 14),
                      (carrot(-20), 44, 22), (onion(), 150, 52), (onion((220, 190, 140)), 172, 62),
                      (S.apple((190, 40, 36), 14), 126, 60), (carrot(30), 176, 16)):
        s.img.alpha_composite(img, (s.PAD + x, s.PAD + y))
    body = s.poly([(0, 92), (230, 92), (206, 190), (24, 190)])
    s.grad(body, cyl((196, 150, 86), 1.2, 0.5))
    weave = s.lines([[(0, y), (230, y)] for y in range(100, 190, 8)] + [[(x, 92), (x + 8, 190)]
                                                                           for x in range(6, 230, 12)], 1.6)
    P.fill(s.img, (110, 76, 36, 170), ImageChops.multiply(weave, body))
    s.grain(body, 545, 0.3, vertical=False)
    rim = s.rect((-4, 86, 234, 100), 6)
    s.grad(rim, [(0.0, (210, 166, 100)), (1.0, (140, 100, 50))], vertical=True)
    s.bevel(rim, 2, 0.5, 0.5)
    return s.done(shadow=0.45)


def prop_flour_sack():
    """A fat sack of flour, its neck turned down, standing at the front right."""
    s = Sheet(190, 290)
    body = s.poly(s.curve_pts((30, 40), (-20, 150), (10, 290), 20) + s.curve_pts((180, 290), (210, 150), (160, 40),
                                                                                   20))
    s.rgrad(body, 80, 110, 200, [(0.0, (236, 220, 190)), (0.6, (196, 174, 136)), (1.0, (120, 100, 70))])
    tex = P.curve(P.fbm(s.w, s.h, 547, ((2, 0.5), (1, 0.5))), lambda t: 0.4 + 0.2 * t)
    P.multiply(s.img, Image.merge("RGB", [tex] * 3), body, 0.4)
    folds = s.lines([s.curve_pts((60, 60), (40, 150), (50, 280), 12), s.curve_pts((140, 60), (160, 160), (150, 280),
                                                                                  12)], 3)
    P.fill(s.img, (110, 90, 60, 120), P.blur(ImageChops.multiply(folds, body), 2))
    neck = s.poly([(24, 10), (166, 10), (170, 48), (20, 48)])
    s.grad(neck, [(0.0, (230, 214, 180)), (1.0, (170, 150, 110))], vertical=True)
    s.paint(s.ell((30, 0, 160, 22)), (250, 250, 246))
    s.paint(s.rect((20, 44, 170, 52), 2), (150, 40, 40))
    return s.done(shadow=0.45)


# ================================================================ the kitchen: its items

# The ordinary objects of the Kitchen, typeId = position + 1; the first stage asks for all of them.
KITCHEN_OBJECTS = [
    ("Rolling pin", "Nudelholz"), ("Whisk", "Rührbesen"), ("Ladle", "Kelle"), ("Egg", "Ei"),
    ("Teapot", "Teekanne"), ("Lemon", "Zitrone"), ("Grater", "Reibe"), ("Pepper mill", "Pfeffermühle"),
    ("Mortar", "Mörser"), ("Hourglass", "Sanduhr"),
]

# Decoys: (English, German, typeId)
KITCHEN_DECOY = {
    "plate": ("Plate", "Teller", 301), "cup": ("Cup", "Tasse", 302), "jug": ("Jug", "Krug", 303),
    "spice": ("Spice jar", "Gewürzglas", 304), "pot": ("Stock pot", "Suppentopf", 305),
    "pan": ("Frying pan", "Bratpfanne", 306), "cake": ("Cake", "Torte", 307), "bread": ("Bread", "Brot", 308),
    "board": ("Chopping board", "Schneidebrett", 309), "crock": ("Crock", "Steintopf", 310),
    "onion": ("Onion", "Zwiebel", 311), "carrot": ("Carrot", "Möhre", 312), "garlic": ("Garlic", "Knoblauch", 313),
    "herbs": ("Herbs", "Kräuter", 314), "flour": ("Flour bowl", "Mehlschüssel", 315),
    "butter": ("Butter", "Butter", 316), "pear": ("Pear", "Birne", 317), "apple": ("Apple", "Apfel", 318),
    "caddy": ("Tea caddy", "Teedose", 319), "bottle": ("Bottle", "Flasche", 320),
    "cloth": ("Tea towel", "Geschirrtuch", 321), "honey": ("Honey jar", "Honigglas", 322),
    "cheese": ("Cheese", "Käse", 323), "bowl": ("Fruit bowl", "Obstschale", 324), "plant": ("Basil", "Basilikum", 325),
    "bucket": ("Bucket", "Eimer", 326), "broom": ("Broom", "Besen", 327), "pumpkin": ("Pumpkin", "Kürbis", 328),
    "candle": ("Candle", "Kerze", 329), "flowers": ("Flowers", "Blumen", 330),
}

DIM = S.DIM
DIMMER = S.DIMMER
SHADE = (200, 186, 176, 255)     # things in the alcove or under the table
TEAL_CAST = (190, 212, 208, 255)  # things against the dresser's teal back


def kitchen_items(sc):
    """Everything in the kitchen except the room itself, in file order."""
    def obj(n, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de = KITCHEN_OBJECTS[n - 1]
        sc.add(en, de, "".join(w[0].upper() + w[1:] for w in en.split()) + ".png", picture, n, layer, at, anchor, tint)

    def decoy(kind, image, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de, t = KITCHEN_DECOY[kind]
        sc.add(en, de, image, picture, t, layer, at, anchor, tint)

    def shell(image, picture, layer, at, tint=(255, 255, 255, 255)):
        sc.add("Shell", "Muschel", image, picture, S.SHELL_TYPE, layer, at, "bottom", tint)

    def star(image, picture, layer, at):
        sc.add("Star", "Stern", image, picture, S.STAR_TYPE, layer, at, "middle")

    sill = KIT_SILL + 2
    counter = KIT_COUNTER + 3
    mantel = KIT_MANTEL + 2
    top = KIT_DRESSER_TOP + 3
    table = KIT_TABLE[1] + 22

    # -- the ordinary objects, typeId 1..10
    obj(1, rolling_pin(), 14, (80, counter + 2))
    obj(2, whisk(), 6, (124, KIT_TILES + 6), "top")
    obj(3, ladle(), 6, (624, KIT_PAN_RAIL - 6), "top")
    obj(4, egg(), 24, (402, table + 12))
    obj(5, S.teapot(), 12, (772, top))
    obj(6, lemon(), 24, (664, table + 14))
    obj(7, grater(), 12, (946, top))
    obj(8, pepper_mill(), 8, (338, KIT_SPICE_SHELF[1] + 1))
    obj(9, mortar(), 13, (300, counter))
    obj(10, hourglass(), 10, (428, mantel))

    # -- shells: six of them, all counted in the second stage
    shell("ShellScallop.png", scallop(), 10, (122, sill))
    shell("ShellWhelk.png", whelk(), 10, (606, mantel))
    shell("ShellCowrie.png", cowrie(), 14, (268, counter))
    shell("ShellScallop2.png", scallop((236, 200, 150), 26), 8, (858, KIT_SHELVES[1] - 8), tint=TEAL_CAST)
    shell("ShellCockle.png", cockle(), 30, (839, 652), tint=DIM)
    shell("ShellSnail.png", sea_snail(), 28, (392, 628), tint=SHADE)

    # -- decoys: the window sill and the window
    decoy("plant", "Basil.png", S.pot_plant(), 9, (62, sill))
    decoy("bottle", "BottleBlue.png", S.bottle((44, 90, 140), 56, "flask", label=None, seed=2), 9, (190, sill))
    decoy("honey", "HoneyJar.png", S.jar(), 9, (232, sill))
    decoy("herbs", "HerbsSage.png", herb_bunch((120, 140, 110), 7), 4, (214, KIT_WINDOW[1] + 70), "top")
    decoy("garlic", "Garlic.png", garlic_braid(), 3, (308, KIT_WALL_TOP + 4), "top")
    # the spice shelf
    for i, (colour, h) in enumerate((((170, 60, 30), 30), ((200, 150, 40), 26), ((90, 110, 50), 32))):
        decoy("spice", "Spice%d.png" % (i + 1), spice_jar(colour, h, i), 7, (270 + i * 21, KIT_SPICE_SHELF[1] + 1))
    # the worktop
    decoy("board", "ChoppingBoard.png", cutting_board(), 11, (54, counter - 1))
    decoy("crock", "Crock.png", crock(), 11, (20, counter))
    decoy("bread", "Bread.png", S.bread(), 12, (78, counter - 16))
    decoy("onion", "Onion.png", onion(), 13, (108, counter))
    decoy("cloth", "TeaTowel.png", S.towel(), 15, (196, KIT_COUNTER + 8), "top")
    decoy("bottle", "BottleOil.png", S.bottle((170, 150, 50), 70, "wine", seed=1), 12, (326, counter))
    decoy("onion", "OnionRed.png", onion((150, 50, 80)), 13, (250, counter + 1))
    # the mantel shelf
    decoy("candle", "Candle.png", S.candle(), 9, (386, mantel))
    decoy("caddy", "TeaCaddy.png", tea_caddy(), 9, (466, mantel))
    decoy("crock", "CrockSmall.png", crock((210, 196, 170), 34, False), 9, (502, mantel))
    decoy("spice", "Spice4.png", spice_jar((120, 40, 30), 30, 1), 9, (530, mantel))
    decoy("spice", "Spice5.png", spice_jar((220, 200, 140), 28, 2), 9, (550, mantel))
    decoy("plate", "PlateRed.png", standing_plate((150, 30, 40), 22), 8, (640, mantel))
    # the range
    decoy("pot", "StockPot.png", stockpot(), 8, (462, KIT_STOVE_TOP + 2))
    decoy("pan", "FryingPan.png", frying_pan(), 8, (582, KIT_STOVE_TOP + 4))
    decoy("cloth", "TeaTowel.png", S.towel(), 9, (458, KIT_STOVE_TOP + 18), "top", SHADE)
    # the dresser: plates on the top shelf (partly behind the herb rack)
    for i, (x, colour) in enumerate(((724, (40, 70, 150)), (794, (150, 30, 40)), (864, (40, 70, 150)),
                                     (934, (30, 110, 100)), (998, (150, 30, 40)))):
        decoy("plate", "Plate%d.png" % (i + 1), standing_plate(colour), 5, (x, KIT_SHELVES[0] + 2))
    # the middle shelf and the cups hanging under the top shelf
    decoy("jug", "Jug.png", milk_jug(), 6, (716, KIT_SHELVES[1] + 2))
    decoy("plate", "PlateBig.png", standing_plate((40, 70, 150), 30), 5, (786, KIT_SHELVES[1] + 2))
    decoy("bowl", "FruitBowl.png", S.wooden_bowl(), 6, (866, KIT_SHELVES[1] + 2))
    decoy("plate", "Plate3.png", standing_plate((40, 70, 150)), 5, (944, KIT_SHELVES[1] + 2))
    decoy("jug", "JugYellow.png", milk_jug((226, 180, 80), (120, 40, 40)), 6, (998, KIT_SHELVES[1] + 2))
    for i, (x, colour) in enumerate(((740, (40, 90, 150)), (826, (150, 30, 40)), (912, (40, 90, 150)),
                                     (990, (30, 110, 100)))):
        decoy("cup", "CupHanging%d.png" % (i + 1), hanging_cup(colour), 6, (x, KIT_SHELVES[0] + 10), "top")
    # the bottom shelf
    decoy("crock", "CrockBlue.png", crock((176, 190, 196), 40), 6, (722, KIT_SHELVES[2] + 2))
    decoy("plate", "Plate2.png", standing_plate((150, 30, 40)), 5, (792, KIT_SHELVES[2] + 2))
    decoy("caddy", "TeaCaddy.png", tea_caddy(), 6, (852, KIT_SHELVES[2] + 2), tint=TEAL_CAST)
    decoy("plate", "Plate4.png", standing_plate((30, 110, 100)), 5, (914, KIT_SHELVES[2] + 2))
    decoy("flowers", "Flowers.png", S.vase_with_flowers(), 6, (972, KIT_SHELVES[2] + 2))
    # the dresser top
    decoy("jug", "Jug.png", milk_jug(), 11, (712, top))
    decoy("cheese", "Cheese.png", S.cheese(), 12, (838, top))
    decoy("pear", "Pear.png", pear(), 13, (880, top))
    decoy("apple", "Apple.png", S.apple(), 13, (902, top + 1))
    decoy("bread", "BreadLoaf.png", S.bread(), 11, (994, top))
    # the table
    decoy("flour", "FlourBowl.png", flour_bowl(), 20, (360, table + 4))
    decoy("cake", "Cake.png", cake(), 20, (520, table + 6))
    decoy("plate", "PlateTable.png", S.plate((40, 70, 150), 18).resize((36, 20), Image.Resampling.LANCZOS), 19,
          (440, table + 6))
    decoy("butter", "Butter.png", butter_dish(), 21, (610, table + 12))
    decoy("apple", "AppleGreen.png", S.apple((130, 170, 50)), 22, (690, table + 10))
    decoy("carrot", "Carrot.png", carrot(-76), 22, (452, table + 16))
    # the floor
    decoy("bucket", "Bucket.png", S.bucket(), 26, (252, 606), tint=DIM)
    decoy("broom", "Broom.png", S.broom(), 22, (744, 600), tint=DIM)
    decoy("pumpkin", "Pumpkin.png", pumpkin(), 27, (630, 626), tint=SHADE)
    decoy("onion", "Onion.png", onion(), 29, (452, 652), tint=DIM)

    # -- bonus stars, one hint each
    star("Star.png", bonus_star(24, 8), 12, (548, 256))
    star("Star2.png", bonus_star(22, -12), 7, (884, 170))
    star("Star3.png", bonus_star(26, 0), 30, (300, 640))
    star("Star.png", bonus_star(24, 8), 4, (26, 212))

    # -- foreground props: the herb rack, the vegetable basket, the flour sack
    sc.add("Herb rack", "Kräutergestell", "PropHerbRack.png", prop_herb_rack(), 501, 52, (862, KIT_WALL_TOP - 2),
           "top")
    sc.add("Vegetable basket", "Gemüsekorb", "PropBasket.png", prop_vegetable_basket(), 502, 51, (112, 512), "top")
    sc.add("Flour sack", "Mehlsack", "PropFlourSack.png", prop_flour_sack(), 503, 50, (940, 480), "top")


def kitchen():
    """Paints and writes the Kitchen, scene 4."""
    sc = S.Scene("Kitchen", "content/scenes/Kitchen/")
    sc.add("Kitchen", "Küche", "Kitchen.jpg", kitchen_room(), S.ROOM_TYPE, 0, (W / 2, 0), "top")
    kitchen_items(sc)
    S.check_scene(sc)
    first = [(("name", en), ("typeId", i + 1), ("pick", "first"), ("count", 1))
             for i, (en, _de) in enumerate(KITCHEN_OBJECTS)]
    shells = [(("name", "COUNT_SHELLS"), ("typeId", S.SHELL_TYPE), ("pick", "all"))]
    S.write_scene_files(sc, "content/config/scene/Kitchen/", [("STACKED_ITEM_LIST", first),
                                                               S.screen_step("MG_Screen28", 4),
                                                               ("FIND_X_ITEMS", shells)])
    return sc
