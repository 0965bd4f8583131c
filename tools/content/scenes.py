#!/usr/bin/python3
"""Paints the hidden-object scenes and writes their data files.

Usage: tools/content/scenes.py [--only NAME] [--sheet PNG]

Writes (relative to the repository root)
    content/config/scene/sceneIndex.xml            the scenes the game knows
    content/scenes/Taproom/Taproom.xml, TaproomDE.xml
                                                   the items: English and German names
    content/scenes/Taproom/*.png, *.jpg            every item's picture, the room's as a JPEG
    content/config/scene/Taproom/ItemGroups.xml    typeId -> item group
    content/config/scene/Taproom/Renderers.xml     item group -> renderer
    content/config/scene/Taproom/Mechanics.xml     the find-list stages

One function per scene paints the room, paints each item on its own sheet,
cropped to the object, and lists where it goes: taproom() here, the others in
scene_library.py, scene_musicroom.py and scene_kitchen.py, which share this
file's helpers. --only NAME paints one scene (the index still lists all). The two
scene files differ only in the items' names. An item's index is the position
of its Item element, so new items are appended, never inserted, once a scene
has been played (saved games name items by index).

Items by typeId: 1-99 ordinary objects (one each), 100 locket pieces, 201-205
stacked collectables (coins, bottle caps, keys, feathers, shells), 300-399
decoys (never asked for), 400 bonus stars, 500-599 foreground props, 600 the
room, 601-699 more of the room drawn below it (the view out of a window),
700 rain, 701-799 animated scenery. Everything findable stays above y 660 (the dashboard covers the bottom
100 pixels) and 8 pixels inside the left and right edges. With --sheet the
script also writes a contact sheet of the item pictures (outside content/).
Deterministic: every random choice comes from a seeded random.Random.
"""

import argparse
import math
import os
import random
import sys
import time

from PIL import Image, ImageChops, ImageDraw, ImageFilter

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
import ui_art  # noqa: E402  (the brass lantern and the cloud banks of the menus)

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
W, H = 1024, 768
K = 2  # room layers are drawn K times larger and scaled down (smooth edges)

# Where the find list and its buttons cover the scene, and the margins kept
# free at the sides: a findable item must lie inside FIND_AREA.
FIND_AREA = (8, 0, 1016, 660)

# typeId ranges (GAME.md, "Items and rules")
ROOM_TYPE = 600
LOCKET_TYPE = 100
COIN_TYPE = 201
CAP_TYPE = 202
KEY_TYPE = 203
FEATHER_TYPE = 204
SHELL_TYPE = 205
STAR_TYPE = 400
RAIN_TYPE = 700
GROUP_ROOM, GROUP_PROP, GROUP_BONUS, GROUP_FIND = 6, 5, 4, 1


# ================================================================ room helpers

Layer = P.Layer


def light(canvas, x, y, r, colour, strength=1.0, ry=None, power=2.0):
    """Soft additive light around a point."""
    f = P.radial_field(canvas.size[0], canvas.size[1], x, y, r, ry)
    P.add_light(canvas, colour, P.curve(f, lambda t: (1 - t) ** power), strength)


def darken(canvas, x, y, r, strength, ry=None, colour=(0, 0, 0)):
    """Soft shade around a point (multiply)."""
    f = P.radial_field(canvas.size[0], canvas.size[1], x, y, r, ry)
    P.multiply(canvas, colour, P.curve(f, lambda t: (1 - t) ** 1.5), strength)


def box_mask(box, size=(W, H)):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rectangle(box, fill=255)
    return m


def paste_rgb(canvas, img, xy, mask=None):
    """Paste an RGB(A) picture onto the canvas at xy, through an optional full-size mask."""
    full = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    full.paste(P.to_rgba(img), xy)
    if mask is not None:
        full.putalpha(ImageChops.multiply(full.getchannel("A"), mask))
    canvas.alpha_composite(full)


def finish(canvas, seed, vig=0.55):
    """Painterly finish of a room: brush-like mottling, fine grain, a vignette."""
    P.soft_light(canvas, P.curve(P.fbm(W, H, seed, ((96, 0.5), (24, 0.3), (6, 0.2))),
                                 lambda t: 0.4 + 0.2 * t))
    P.soft_light(canvas, P.grain(W, H, seed + 1, 6))
    P.vignette(canvas, vig, 0.5, cx=W / 2, cy=H * 0.42)
    return canvas.convert("RGB")


def homography(src, dst):
    """Coefficients for Image.transform(PERSPECTIVE): maps each dst point onto its src point."""
    rows, rhs = [], []
    for (u, v), (x, y) in zip(src, dst):
        rows.append([x, y, 1, 0, 0, 0, -u * x, -u * y])
        rhs.append(u)
        rows.append([0, 0, 0, x, y, 1, -v * x, -v * y])
        rhs.append(v)
    n = 8
    a = [r + [b] for r, b in zip(rows, rhs)]
    for c in range(n):  # Gauss-Jordan with partial pivoting
        p = max(range(c, n), key=lambda r: abs(a[r][c]))
        a[c], a[p] = a[p], a[c]
        for r in range(n):
            if r != c and a[r][c]:
                f = a[r][c] / a[c][c]
                a[r] = [x - f * y for x, y in zip(a[r], a[c])]
    return [a[i][n] / a[i][i] for i in range(n)]


def stones(box, seed, stops, size=(34, 22), mortar=(38, 30, 26)):
    """Rough field-stone masonry filling box (RGBA layer of the screen)."""
    rng = random.Random(seed)
    x0, y0, x1, y1 = box
    back = Layer()
    back.rect(box, mortar + (255,))
    lay = Layer()
    cols = P.ramp(stops)
    y = y0
    row = 0
    while y < y1:
        h = size[1] * rng.uniform(0.8, 1.25)
        x = x0 - (row % 2) * size[0] * 0.5
        while x < x1:
            w = size[0] * rng.uniform(0.7, 1.4)
            c = cols[int(rng.random() * 255)]
            lay.rect((max(x0, x + 1.5), y + 1.5, min(x1, x + w - 1.5), min(y1, y + h - 1.5)), c + (255,),
                     r=min(w, h) * 0.3)
            x += w
        y += h
        row += 1
    img = back.image()
    top = lay.image()
    m = top.getchannel("A")
    img.alpha_composite(top)
    P.soft_light(img, P.fbm(W, H, seed + 1, ((24, 0.4), (6, 0.3), (2, 0.3))).point(lambda i: 90 + i // 3))
    P.bevel(img, m, 2, 0.25, 0.45, hl=(255, 220, 180))
    return img


# ================================================================ the taproom: the room itself

TAP_WALL_TOP = 60       # below the ceiling beam
TAP_WAINSCOT = 376      # top of the panelling
TAP_FLOOR = 548         # where the wall meets the floor
TAP_BAR_X = 640         # left end of the bar and of its back wall
TAP_COUNTER = 424       # top of the counter
TAP_COUNTER_FRONT = 444
TAP_COUNTER_BASE = 612
TAP_SHELVES = (168, 290)   # top of the two shelves behind the bar
TAP_MANTEL = 292        # top of the mantelpiece
TAP_SILL = 334          # top of the window sill
TAP_TABLE = (104, 456, 344, 500)   # the round table's top (ellipse box)
TAP_WINDOW = (44, 104, 224, 322)
TAP_FIRE = (334, 566)   # the fireplace's outer x range
TAP_LANTERN = (806, 60)   # where the hanging lantern (a prop) hangs from the beam
TAP_SCONCE = (602, 178)


def taproom_window(c):
    """The window onto the sea at dusk, with its frame, sill and curtains."""
    x0, y0, x1, y1 = TAP_WINDOW
    ww, wh = x1 - x0, y1 - y0
    horizon = int(wh * 0.58)
    view = Image.new("RGBA", (ww, wh))
    view.paste(P.vgradient(ww, horizon, [(0.0, (26, 36, 70)), (0.35, (70, 58, 96)), (0.62, (168, 88, 86)),
                                         (0.85, (236, 148, 80)), (1.0, (255, 204, 120))]), (0, 0))
    view.paste(P.vgradient(ww, wh - horizon, [(0.0, (60, 70, 84)), (0.15, (28, 70, 80)), (1.0, (10, 34, 44))]),
               (0, horizon))
    view.alpha_composite(ui_art.cloud_bank((ww, wh), 11, [(40, 60, 60, 10), (140, 84, 50, 8)],
                                           (120, 80, 110), (210, 120, 90), rim=(255, 190, 120), softness=4))
    d = ImageDraw.Draw(view)
    # the headland and the lighthouse far away, glints on the water
    d.polygon([(0, horizon), (0, horizon - 9), (30, horizon - 12), (70, horizon - 5), (96, horizon)],
              fill=(40, 32, 50))
    d.rectangle((56, horizon - 26, 60, horizon - 8), fill=(226, 220, 210))
    d.rectangle((55, horizon - 29, 61, horizon - 26), fill=(60, 40, 44))
    view = P.to_rgba(view)
    P.add_light(view, (255, 230, 150), P.curve(P.radial_field(ww, wh, 58, horizon - 28, 16), lambda t: (1 - t) ** 2))
    rng = random.Random(12)
    d = ImageDraw.Draw(view)
    for _ in range(46):
        gx, gy = rng.uniform(0, ww), horizon + 3 + (rng.random() ** 1.6) * (wh - horizon - 6)
        gl = rng.uniform(3, 10) * (0.5 + (gy - horizon) / (wh - horizon))
        a = int(200 * (1 - (gy - horizon) / (wh - horizon)) + 40)
        d.line([(gx, gy), (gx + gl, gy)], fill=(255, 200, 130, a), width=1)
    paste_rgb(c, view, (x0, y0))
    # window light spilling onto the wall
    light(c, (x0 + x1) / 2, (y0 + y1) / 2, 230, (90, 60, 60), 0.5, 200, power=2.5)
    # frame and glazing bars
    frame = Layer()
    fc = (46, 28, 18, 255)
    frame.rect((x0 - 10, y0 - 10, x1 + 10, y0 + 2), fc)
    frame.rect((x0 - 10, y1 - 2, x1 + 10, y1 + 6), fc)
    frame.rect((x0 - 10, y0 - 10, x0 + 2, y1 + 6), fc)
    frame.rect((x1 - 2, y0 - 10, x1 + 10, y1 + 6), fc)
    frame.rect(((x0 + x1) / 2 - 4, y0, (x0 + x1) / 2 + 4, y1), fc)
    for fy in (y0 + wh / 3, y0 + 2 * wh / 3):
        frame.rect((x0, fy - 3, x1, fy + 3), fc)
    fm = frame.onto(c, shadow=0.45, offset=(3, 4), radius=4)
    P.bevel(c, fm, 2, 0.35, 0.4)
    # glass sheen
    sheen = Layer()
    for gx in (x0 + 14, (x0 + x1) / 2 + 14):
        sheen.poly([(gx, y1 - 8), (gx + 26, y0 + 8), (gx + 40, y0 + 8), (gx + 14, y1 - 8)], (255, 255, 255, 22))
    sheen.onto(c)
    # the sill
    sill = Layer()
    sill.rect((x0 - 20, TAP_SILL, x1 + 20, TAP_SILL + 14), (120, 76, 42, 255), 2)
    sm = sill.onto(c, shadow=0.55, offset=(0, 6), radius=5)
    P.fill(c, P.wood(W, H, 15, [(0.0, (88, 54, 30)), (0.6, (134, 88, 50)), (1.0, (170, 116, 66))], lines=H / 6), sm)
    P.bevel(c, sm, 2, 0.45, 0.45)
    # curtain rod and the two drapes
    rod = Layer()
    rod.rect((x0 - 36, y0 - 26, x1 + 36, y0 - 20), P.BRASS + (255,), 3)
    for ex in (x0 - 40, x1 + 40):
        rod.ell((ex - 6, y0 - 29, ex + 6, y0 - 17), P.GOLD + (255,))
    rm = rod.onto(c, shadow=0.4, offset=(2, 3), radius=2)
    P.bevel(c, rm, 1, 0.6, 0.4)
    for side in (-1, 1):
        cur = Layer()
        ex = x0 - 34 if side < 0 else x1 + 34
        inner = x0 + 16 if side < 0 else x1 - 16
        pts = [(ex, y0 - 22), (inner, y0 - 22), (inner - side * 4, y0 + 40), (ex + side * 22, y0 + 128),
               (ex + side * 16, y0 + 142), (ex + side * 30, y1 + 4), (ex - side * 14, y1 + 4),
               (ex - side * 6, y0 + 142), (ex - side * 10, y0 + 60)]
        cur.poly(pts, (118, 30, 44, 255))
        cm = cur.onto(c, shadow=0.5, offset=(side * 4, 5), radius=6)
        row = Image.new("L", (W, 1))
        row.putdata([int(150 + 105 * math.sin(2 * math.pi * x / 13.0)) for x in range(W)])
        folds = row.resize((W, H), Image.Resampling.NEAREST)
        folds = folds.transform((W, H), Image.Transform.AFFINE, (1, side * 0.12, -side * 0.12 * y0, 0, 1, 0),
                                Image.Resampling.BILINEAR)
        P.multiply(c, Image.merge("RGB", [P.blur(folds, 1.5)] * 3), cm, 0.45)
        window_light = P.curve(P.radial_field(W, H, (x0 + x1) / 2, y0 + 100, 200), lambda t: (1 - t) ** 2)
        P.add_light(c, (255, 170, 150), ImageChops.multiply(cm, window_light), 0.25)


def taproom_dartboard(c, cx, cy, r):
    lay = Layer()
    lay.ell((cx - r - 6, cy - r - 6, cx + r + 6, cy + r + 6), (40, 26, 20, 255))
    black, cream = (30, 26, 24, 255), (226, 206, 160, 255)
    red, green = (160, 36, 36, 255), (34, 100, 60, 255)
    for i in range(20):
        a0 = -99 + i * 18
        lay.pie((cx - r, cy - r, cx + r, cy + r), a0, a0 + 18, red if i % 2 else green)
        lay.pie((cx - r * 0.93, cy - r * 0.93, cx + r * 0.93, cy + r * 0.93), a0, a0 + 18, black if i % 2 else cream)
        lay.pie((cx - r * 0.64, cy - r * 0.64, cx + r * 0.64, cy + r * 0.64), a0, a0 + 18, red if i % 2 else green)
        lay.pie((cx - r * 0.57, cy - r * 0.57, cx + r * 0.57, cy + r * 0.57), a0, a0 + 18, black if i % 2 else cream)
    lay.ell((cx - r * 0.14, cy - r * 0.14, cx + r * 0.14, cy + r * 0.14), green)
    lay.ell((cx - r * 0.06, cy - r * 0.06, cx + r * 0.06, cy + r * 0.06), red)
    lay.ell((cx - r, cy - r, cx + r, cy + r), None, (200, 200, 200, 120), 0.8)
    m = lay.onto(c, shadow=0.5, offset=(4, 5), radius=5)
    P.bevel(c, m, 3, 0.25, 0.4)
    # two darts stuck in the board
    darts = Layer()
    for dx, dy, ang in ((-10, -14, 200), (14, 6, 215)):
        tx, ty = cx + dx, cy + dy
        a = math.radians(ang)
        ex, ey = tx + math.cos(a) * 22, ty + math.sin(a) * 22 * 0.6
        darts.line([(tx, ty), (ex, ey)], (70, 70, 74, 255), 2)
        darts.poly([(ex, ey), (ex + math.cos(a) * 9 - 4, ey - 5), (ex + math.cos(a) * 11, ey + 2)], (200, 60, 50, 255))
    darts.onto(c, shadow=0.4, offset=(3, 3), radius=2)


def barrel_head(c, cx, cy, r, seed):
    """A barrel lying on its side, seen end-on: staves, two iron hoops and a wooden bung."""
    disc = P.ellipse_mask((W, H), (cx - r, cy - r, cx + r, cy + r))
    P.fill(c, P.drop_shadow(disc, (5, 7), 7, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, seed, [(0.0, (70, 40, 20)), (0.6, (128, 82, 42)), (1.0, (166, 112, 60))],
                     vertical=True, lines=W / 14), disc)
    staves = Layer()
    for x in range(int(cx - r), int(cx + r), max(8, int(r / 3.5))):
        staves.rect((x, cy - r, x + 1.2, cy + r), (34, 18, 8, 200))
    P.fill(c, staves.image(), disc)
    for rr, wdt in ((r, r * 0.09), (r * 0.78, r * 0.05)):
        ring = P.ring_mask((W, H), (cx - rr, cy - rr, cx + rr, cy + rr), wdt)
        P.fill(c, P.metal(W, H, [(0.0, (40, 38, 40)), (0.5, (110, 106, 104)), (1.0, (34, 32, 34))]), ring)
        P.bevel(c, ring, 1, 0.4, 0.5)
    P.multiply(c, (60, 40, 30), ImageChops.multiply(
        P.curve(P.radial_field(W, H, cx - r * 0.3, cy - r * 0.35, r * 1.5), lambda t: t ** 1.4), disc), 0.7)
    bung = P.ellipse_mask((W, H), (cx - r * 0.16, cy + r * 0.3, cx + r * 0.16, cy + r * 0.62))
    P.fill(c, (92, 56, 28), bung)
    P.bevel(c, bung, 2, 0.5, 0.5)


def taproom_fireplace(c):
    """Stone chimney breast, mantelpiece, the fire and the hearth."""
    fx0, fx1 = TAP_FIRE
    cx = (fx0 + fx1) / 2
    stone_stops = [(0.0, (70, 58, 50)), (0.5, (104, 88, 74)), (1.0, (136, 116, 94))]
    breast = stones((fx0 + 16, TAP_WALL_TOP, fx1 - 16, TAP_MANTEL), 21, stone_stops, (38, 24))
    shadow_m = P.blur(box_mask((fx0 + 16, TAP_WALL_TOP, fx1 - 16, TAP_MANTEL)), 10)
    P.fill(c, (0, 0, 0, 120), P.shift(shadow_m, 8, 0))
    c.alpha_composite(breast)
    surround = stones((fx0, TAP_MANTEL + 14, fx1, TAP_FLOOR + 6), 23, stone_stops, (36, 22))
    P.fill(c, (0, 0, 0, 130), P.shift(P.blur(box_mask((fx0, TAP_MANTEL, fx1, TAP_FLOOR)), 10), 8, 0))
    c.alpha_composite(surround)
    # the opening: an arch of soot and firelight
    ox0, ox1, oy0 = cx - 72, cx + 72, TAP_MANTEL + 84
    hole = Layer()
    hole.rect((ox0, oy0 + 40, ox1, TAP_FLOOR + 4), (255, 255, 255, 255))
    hole.pie((ox0, oy0, ox1, oy0 + 90), 180, 360, (255, 255, 255, 255))
    hm = hole.mask()
    arch = Layer()
    arch.rect((ox0 - 12, oy0 + 38, ox1 + 12, TAP_FLOOR + 4), (255, 255, 255, 255))
    arch.pie((ox0 - 12, oy0 - 12, ox1 + 12, oy0 + 102), 180, 360, (255, 255, 255, 255))
    am = arch.mask()
    P.fill(c, (96, 60, 40), ImageChops.subtract(am, hm))
    P.bevel(c, am, 3, 0.3, 0.5)
    inside = P.gradient_map(P.radial_field(W, H, cx, TAP_FLOOR - 20, 150, 170),
                            [(0.0, (150, 70, 24)), (0.35, (70, 30, 14)), (0.8, (20, 12, 10)), (1.0, (10, 8, 8))])
    P.fill(c, inside, hm)
    P.inner_shadow(c, hm, 8, (4, 8), 0.8)
    # the back of the fireplace: sooty bricks
    bricks = Layer()
    for row, by in enumerate(range(int(oy0 + 10), TAP_FLOOR - 40, 14)):
        for bx in range(int(ox0) - 20 + (row % 2) * 14, int(ox1), 28):
            bricks.rect((bx + 1, by + 1, bx + 27, by + 13), (60, 30, 22, 110))
    P.fill(c, bricks.image(), hm)
    # logs and fire
    logs = Layer()
    logs.rect((cx - 58, TAP_FLOOR - 22, cx + 50, TAP_FLOOR - 8), (70, 42, 24, 255), 7)
    logs.rect((cx - 40, TAP_FLOOR - 32, cx + 62, TAP_FLOOR - 18), (86, 52, 28, 255), 7)
    # sawn ends: bark round pale wood with a charred ring, so they read as logs
    for ex, ey in ((cx + 44, TAP_FLOOR - 24), (cx + 54, TAP_FLOOR - 34)):
        logs.ell((ex, ey, ex + 14, ey + 16), (52, 30, 16, 255))
        logs.ell((ex + 2, ey + 2, ex + 12, ey + 14), (150, 104, 60, 255))
        logs.ell((ex + 5, ey + 5, ex + 9, ey + 11), (96, 60, 32, 255))
    lm = logs.onto(c)
    P.bevel(c, lm, 2, 0.3, 0.5)
    light(c, cx, TAP_FLOOR - 40, 90, (255, 150, 50), 0.8, 70)
    flames = Layer()
    rng = random.Random(25)
    for i in range(9):
        fxx = cx - 44 + i * 11 + rng.uniform(-3, 3)
        fh = rng.uniform(36, 66) * (1 - abs(i - 4) / 7.0)
        flames.poly([(fxx - 9, TAP_FLOOR - 26), (fxx - 4, TAP_FLOOR - 26 - fh * 0.6), (fxx + rng.uniform(-3, 3),
                     TAP_FLOOR - 26 - fh), (fxx + 5, TAP_FLOOR - 26 - fh * 0.5), (fxx + 9, TAP_FLOOR - 26)],
                    (255, 150, 40, 220))
    flames.onto(c, blur=1.5)
    inner_f = Layer()
    for i in range(5):
        fxx = cx - 26 + i * 13
        fh = 30 * (1 - abs(i - 2) / 4.0) + 8
        inner_f.poly([(fxx - 6, TAP_FLOOR - 26), (fxx, TAP_FLOOR - 26 - fh), (fxx + 6, TAP_FLOOR - 26)],
                     (255, 236, 150, 230))
    inner_f.onto(c, blur=1.5)
    # the kettle's hook and chain (the kettle itself is an item)
    chain = Layer()
    chain.line([(cx - 30, oy0 + 30), (cx - 30, oy0 + 70)], (30, 24, 22, 255), 3)
    chain.onto(c)
    # mantelpiece
    mantel = Layer()
    mantel.rect((fx0 - 16, TAP_MANTEL, fx1 + 16, TAP_MANTEL + 18), (255, 255, 255, 255), 2)
    mantel.rect((fx0 - 4, TAP_MANTEL + 18, fx1 + 4, TAP_MANTEL + 26), (255, 255, 255, 255), 1)
    mm = mantel.mask()
    P.fill(c, P.drop_shadow(mm, (0, 8), 6, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 27, [(0.0, (60, 34, 18)), (0.55, (112, 68, 36)), (1.0, (150, 100, 56))], lines=H / 5), mm)
    P.bevel(c, mm, 2, 0.45, 0.5)


def plank_texture(wood_seed, stops, plank_seed, plank_w, tones=(0.82, 1.12), seam=(24, 12, 6), joint=(28, 14, 8),
                  gaps=(220, 380), nails=None, size=(1280, 640)):
    """Floor boards seen from above: wood grain, each board its own tone, dark
    seams between boards and across them at random gaps (with two nails each
    when `nails` gives their colour). Lay it into a room with lay_floor()."""
    tw, th = size
    tex = P.to_rgba(P.wood(tw, th, wood_seed, stops, vertical=True, lines=tw / 14))
    rng = random.Random(plank_seed)
    d = ImageDraw.Draw(tex)
    for x in range(0, tw, plank_w):
        tone = rng.uniform(*tones)
        P.multiply(tex, tuple(int(min(255, 255 * tone)) for _ in range(3)),
                   box_mask((x, 0, x + plank_w, th), (tw, th)))
        d.rectangle((x, 0, x + 2, th), fill=seam + (255,))
        y = rng.uniform(0, th)
        while y < th:
            d.rectangle((x, y, x + plank_w, y + 2), fill=joint + (255,))
            if nails:
                for nx in (x + 12, x + plank_w - 12):
                    d.ellipse((nx - 2, y + 6, nx + 2, y + 10), fill=nails + (255,))
            y += rng.uniform(*gaps)
    return tex


def lay_floor(c, tex, floor_y, vanish_y, shade, spread=128):
    """A flat floor texture laid in perspective from the wall's foot (floor_y) to
    the screen's bottom, vanishing towards (W / 2, vanish_y), its far part in
    the room's shade (a colour multiplied in at the wall, none at the front)."""
    tw, th = tex.size
    vx = W / 2
    k = (H - vanish_y) / (floor_y - vanish_y)
    back_l, back_r = -spread, W + spread
    front_l, front_r = vx + (back_l - vx) * k, vx + (back_r - vx) * k
    coeffs = homography([(0, 0), (tw, 0), (tw, th), (0, th)],
                        [(back_l, floor_y), (back_r, floor_y), (front_r, H), (front_l, H)])
    floor = tex.transform((W, H), Image.Transform.PERSPECTIVE, coeffs, Image.Resampling.BICUBIC)
    P.multiply(floor, P.vgradient(W, H, [(0.0, shade), (floor_y / H, shade), (1.0, (255, 255, 255))]))
    P.fill(c, floor, box_mask((0, floor_y, W, H)))


def taproom_floor(c):
    tex = plank_texture(31, [(0.0, (58, 34, 18)), (0.5, (96, 60, 32)), (1.0, (128, 84, 46))], 33, 80,
                        seam=(26, 14, 8), joint=(30, 16, 8), gaps=(200, 360), nails=(40, 30, 24))
    # the far floor lies in the shade of the room
    lay_floor(c, tex, TAP_FLOOR, 220.0, (130, 120, 110))
    # skirting board
    sk = box_mask((0, TAP_FLOOR - 12, TAP_BAR_X, TAP_FLOOR))
    P.fill(c, (40, 24, 14), sk)
    P.bevel(c, sk, 1, 0.3, 0.3)
    P.fill(c, (0, 0, 0, 110), P.blur(box_mask((0, TAP_FLOOR, W, TAP_FLOOR + 8)), 4))


def taproom_wainscot(c):
    top, bottom = TAP_WAINSCOT, TAP_FLOOR
    lay = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    body = P.wood(W, bottom - top, 41, [(0.0, (40, 22, 12)), (0.5, (60, 36, 20)), (1.0, (84, 52, 28))],
                  vertical=True, lines=W / 36)
    area = box_mask((0, top, TAP_BAR_X, bottom))
    full = Image.new("RGB", (W, H))
    full.paste(body, (0, top))
    P.fill(lay, full, area)
    panels = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(panels)
    for x0, x1 in ((10, 110), (126, 226), (242, 318), (582, 630)):
        d.rounded_rectangle((x0, top + 34, x1, bottom - 26), radius=5, fill=255)
    inset = P.blur(panels, 1)
    P.bevel(lay, ImageChops.multiply(P.invert(inset), area), 4, 0.3, 0.6)
    P.inner_shadow(lay, inset, 4, (3, 4), 0.6)
    rail = box_mask((0, top, TAP_BAR_X, top + 18))
    P.fill(lay, P.wood(W, H, 43, [(0.0, (50, 30, 16)), (1.0, (110, 70, 38))], lines=H / 5), rail)
    P.bevel(lay, rail, 2, 0.4, 0.5)
    P.fill(lay, (0, 0, 0, 120), P.blur(P.shift(rail, 0, 4), 3))
    c.alpha_composite(lay)


def taproom_bar(c):
    """The back wall behind the bar, its shelves, a barrel rack, the tap and the counter."""
    bx = TAP_BAR_X
    # back wall: dark vertical boards
    boards = P.wood(W - bx, TAP_COUNTER - TAP_WALL_TOP, 51, [(0.0, (34, 20, 12)), (0.5, (56, 34, 20)),
                                                            (1.0, (78, 50, 30))], vertical=True, lines=40)
    full = Image.new("RGB", (W, H))
    full.paste(boards, (bx, TAP_WALL_TOP))
    area = box_mask((bx, TAP_WALL_TOP, W, TAP_COUNTER))
    P.fill(c, full, area)
    seams = Layer()
    for x in range(bx + 40, W, 48):
        seams.rect((x, TAP_WALL_TOP, x + 1.5, TAP_COUNTER), (14, 8, 4, 200))
    seams.onto(c)
    P.fill(c, (0, 0, 0, 150), P.shift(P.blur(box_mask((bx - 8, TAP_WALL_TOP, bx, TAP_COUNTER)), 6), -4, 0))
    # the corner post between wall and bar
    post = Layer()
    post.rect((bx - 12, TAP_WALL_TOP, bx + 4, TAP_COUNTER), (255, 255, 255, 255))
    pm = post.mask()
    P.fill(c, P.drop_shadow(pm, (5, 0), 5, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 53, [(0.0, (44, 26, 14)), (0.6, (86, 54, 30)), (1.0, (120, 80, 44))], vertical=True,
                     lines=W / 10), pm)
    P.bevel(c, pm, 2, 0.35, 0.5)
    # barrel rack: two barrel heads lying on a cradle at the right
    for i, (hx, hy, hr) in enumerate(((906, 352, 56), (1000, 362, 46))):
        barrel_head(c, hx, hy, hr, 55 + i)
    cradle = Layer()
    cradle.rect((860, 404, W, 416), (60, 36, 20, 255))
    cm = cradle.onto(c, shadow=0.5, offset=(0, 4), radius=3)
    P.bevel(c, cm, 1, 0.3, 0.5)
    # shelves with brackets
    for sy in TAP_SHELVES:
        sh = Layer()
        sh.rect((bx + 14, sy, W + 4, sy + 12), (255, 255, 255, 255), 1)
        for kx in (bx + 40, bx + 200, bx + 360):
            sh.poly([(kx, sy + 12), (kx + 6, sy + 12), (kx + 6, sy + 40), (kx, sy + 40)], (255, 255, 255, 255))
            sh.poly([(kx + 6, sy + 12), (kx + 30, sy + 12), (kx + 6, sy + 36)], (255, 255, 255, 255))
        m = sh.mask()
        P.fill(c, P.drop_shadow(m, (0, 6), 5, 0.6), Image.new("L", (W, H), 255))
        P.fill(c, P.wood(W, H, 57 + sy, [(0.0, (70, 42, 22)), (0.6, (120, 76, 40)), (1.0, (160, 108, 60))],
                         lines=H / 4), m)
        P.bevel(c, m, 2, 0.45, 0.5)
    # the counter: top board and panelled front
    front = P.wood(W - bx + 16, TAP_COUNTER_BASE - TAP_COUNTER_FRONT, 61,
                   [(0.0, (46, 26, 14)), (0.5, (80, 46, 24)), (1.0, (112, 70, 38))], vertical=True, lines=36)
    fm = box_mask((bx - 16, TAP_COUNTER_FRONT, W, TAP_COUNTER_BASE))
    full = Image.new("RGB", (W, H))
    full.paste(front, (bx - 16, TAP_COUNTER_FRONT))
    P.fill(c, P.drop_shadow(fm, (-8, 6), 10, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, full, fm)
    panels = Layer()
    for x in range(bx + 2, W, 128):
        panels.rect((x, TAP_COUNTER_FRONT + 26, x + 108, TAP_COUNTER_BASE - 30), (255, 255, 255, 255), 4)
    pan = panels.mask()
    P.bevel(c, ImageChops.multiply(P.invert(pan), fm), 3, 0.3, 0.55)
    P.inner_shadow(c, pan, 4, (3, 4), 0.55)
    P.multiply(c, (150, 120, 100), pan, 0.35)
    top = Layer()
    top.rect((bx - 24, TAP_COUNTER, W + 6, TAP_COUNTER_FRONT + 2), (255, 255, 255, 255), 3)
    tm = top.mask()
    P.fill(c, P.drop_shadow(tm, (0, 6), 5, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 63, [(0.0, (92, 56, 30)), (0.55, (146, 96, 54)), (1.0, (184, 130, 76))], lines=H / 3), tm)
    P.bevel(c, tm, 2, 0.55, 0.5)
    # brass foot rail
    rail = Layer()
    rail.rect((bx - 10, TAP_COUNTER_BASE - 26, W, TAP_COUNTER_BASE - 18), (255, 255, 255, 255), 4)
    for x in range(bx + 40, W, 160):
        rail.rect((x, TAP_COUNTER_BASE - 20, x + 6, TAP_COUNTER_BASE - 2), (255, 255, 255, 255))
    rm = rail.mask()
    P.fill(c, P.drop_shadow(rm, (2, 4), 3, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, seed=65), rm)
    P.bevel(c, rm, 2, 0.6, 0.45)
    P.fill(c, (0, 0, 0, 130), P.blur(box_mask((bx - 16, TAP_COUNTER_BASE - 2, W, TAP_COUNTER_BASE + 10)), 5))
    # the beer tap on the counter: a brass tower on its foot, a rounded head
    # with the spout bent down over the drip tray, the tall lever on top
    tx = 714
    ct = TAP_COUNTER
    tray = Layer()
    tray.rect((tx + 8, ct - 4, tx + 52, ct + 4), (60, 60, 64, 255), 2)
    tray.rect((tx + 12, ct - 6, tx + 48, ct - 3), (90, 90, 96, 255), 1)
    tray.onto(c, shadow=0.4, offset=(2, 2), radius=2)
    tap = Layer()
    tap.ell((tx - 20, ct - 9, tx + 20, ct + 1), (255, 255, 255, 255))
    tap.rect((tx - 7, ct - 62, tx + 7, ct - 4), (255, 255, 255, 255), 3)
    tap.rect((tx - 12, ct - 72, tx + 40, ct - 56), (255, 255, 255, 255), 8)
    tap.rect((tx + 26, ct - 62, tx + 38, ct - 36), (255, 255, 255, 255), 4)
    tap.rect((tx + 28, ct - 38, tx + 36, ct - 30), (255, 255, 255, 255), 2)
    tm = tap.mask()
    P.fill(c, P.drop_shadow(tm, (4, 4), 3, 0.5), Image.new("L", (W, H), 255))
    P.fill(c, P.metal(W, H, seed=67), tm)
    P.bevel(c, tm, 2, 0.6, 0.45)
    handle = Layer()
    handle.rect((tx + 6, ct - 128, tx + 20, ct - 70), (30, 22, 20, 255), 6)
    handle.rect((tx + 5, ct - 104, tx + 21, ct - 94), P.CREAM + (255,), 2)
    handle.ell((tx + 5, ct - 134, tx + 21, ct - 118), (30, 22, 20, 255))
    hm = handle.onto(c, shadow=0.5, offset=(3, 3), radius=3)
    P.bevel(c, hm, 2, 0.5, 0.5)
    # a drop of beer hanging from the spout
    drop = Layer()
    drop.ell((tx + 30, ct - 30, tx + 34, ct - 25), (220, 160, 40, 230))
    drop.onto(c)


def taproom_table(c):
    x0, y0, x1, y1 = TAP_TABLE
    cx = (x0 + x1) / 2
    wood_img = P.wood(W, H, 71, [(0.0, (70, 40, 20)), (0.55, (122, 78, 42)), (1.0, (162, 112, 64))], lines=H / 4)
    # pedestal and foot
    ped = Layer()
    ped.rect((cx - 13, y1 - 4, cx + 13, 622), (255, 255, 255, 255), 4)
    ped.poly([(cx - 13, 600), (cx - 62, 630), (cx - 58, 638), (cx, 622), (cx + 58, 638), (cx + 62, 630),
              (cx + 13, 600)], (255, 255, 255, 255))
    pm = ped.mask()
    P.fill(c, (0, 0, 0, 120), P.blur(P.ellipse_mask((W, H), (cx - 90, 622, cx + 90, 648)), 6))
    P.fill(c, wood_img, pm)
    round_shade = P.hgradient(W, H, [(0.0, (80, 80, 80)), ((cx - 6) / W, (255, 255, 255)),
                                     ((cx + 14) / W, (90, 90, 90)), (1.0, (90, 90, 90))])
    P.multiply(c, round_shade, pm, 0.6)
    P.bevel(c, pm, 2, 0.3, 0.5)
    # the top: a thick round board seen from slightly above
    edge = Layer()
    edge.ell((x0, y0 + 10, x1, y1 + 10), (255, 255, 255, 255))
    em = edge.mask()
    P.fill(c, P.drop_shadow(em, (0, 10), 10, 0.55), Image.new("L", (W, H), 255))
    P.fill(c, P.shade((86, 50, 26), 1.0), em)
    top = Layer()
    top.ell((x0, y0, x1, y1), (255, 255, 255, 255))
    tm = top.mask()
    P.fill(c, wood_img, tm)
    P.bevel(c, tm, 2, 0.4, 0.3)
    light(c, cx - 30, y0 + 8, 110, (90, 60, 30), 0.6, 26)


def taproom_room():
    """The taproom without any item: 1024 x 768, opaque."""
    wall = P.tile(P.damask_tile(64, 64, (24, 70, 74), (38, 92, 94), 1), W, H)
    c = P.to_rgba(wall)
    P.multiply(c, (0, 0, 0), None, 0.25)
    P.soft_light(c, P.fbm(W, H, 2, ((160, 0.6), (40, 0.4))).point(lambda i: 100 + i // 5))
    taproom_window(c)
    taproom_dartboard(c, 278, 160, 40)
    taproom_wainscot(c)
    taproom_fireplace(c)
    taproom_floor(c)
    # hearth slab in front of the fire
    hearth = Layer()
    fx0, fx1 = TAP_FIRE
    hearth.poly([(fx0 - 8, TAP_FLOOR), (fx1 + 8, TAP_FLOOR), (fx1 + 26, TAP_FLOOR + 34), (fx0 - 26, TAP_FLOOR + 34)],
                (255, 255, 255, 255))
    hm = hearth.mask()
    P.fill(c, P.drop_shadow(hm, (0, 5), 4, 0.6), Image.new("L", (W, H), 255))
    P.fill(c, P.vgradient(W, H, [(0.0, (50, 42, 38)), (TAP_FLOOR / H, (72, 62, 54)), (1.0, (96, 84, 72))]), hm)
    P.soft_light(c, P.fbm(W, H, 35, ((12, 0.5), (3, 0.5))).point(lambda i: 96 + i // 4))
    P.bevel(c, hm, 2, 0.35, 0.45)
    taproom_bar(c)
    taproom_table(c)
    # the ceiling and its beam, with iron hooks
    ceil = P.wood(W, 26, 81, [(0.0, (20, 12, 8)), (1.0, (46, 28, 16))], lines=4)
    paste_rgb(c, ceil, (0, 0))
    beam = Layer()
    beam.rect((-4, 22, W + 4, TAP_WALL_TOP), (255, 255, 255, 255))
    bm = beam.mask()
    P.fill(c, P.drop_shadow(bm, (0, 10), 8, 0.65), Image.new("L", (W, H), 255))
    P.fill(c, P.wood(W, H, 83, [(0.0, (40, 24, 12)), (0.55, (84, 52, 28)), (1.0, (118, 76, 42))], lines=H / 6), bm)
    P.bevel(c, bm, 3, 0.4, 0.6)
    hooks = Layer()
    for hx, hy in ((604, 204), (702, 466), (TAP_LANTERN[0], TAP_WALL_TOP - 4)):
        hooks.ell((hx - 3, hy - 3, hx + 3, hy + 3), (40, 34, 30, 255))
    hooks.onto(c, shadow=0.5, offset=(1, 2), radius=1)
    # lights: the fire, the wall lantern, the hanging lantern over the bar, the lamp over the table
    light(c, 450, 500, 380, (120, 56, 16), 0.8, 260)
    light(c, 450, 590, 220, (120, 70, 30), 0.6, 90)
    lamp = ui_art.lantern((64, 64), True, 87)
    light(c, TAP_SCONCE[0], TAP_SCONCE[1], 300, (110, 64, 24), 0.7, 320)
    arm = Layer()
    arm.rect((TAP_SCONCE[0] - 3, TAP_SCONCE[1] - 48, TAP_SCONCE[0] + 3, TAP_SCONCE[1] - 30), (30, 20, 12, 255))
    arm.rect((TAP_SCONCE[0] - 12, TAP_SCONCE[1] - 52, TAP_SCONCE[0] + 12, TAP_SCONCE[1] - 46), (30, 20, 12, 255), 2)
    arm.onto(c, shadow=0.4, offset=(2, 3), radius=2)
    c.alpha_composite(lamp, (TAP_SCONCE[0] - 32, TAP_SCONCE[1] - 40))
    light(c, TAP_SCONCE[0], TAP_SCONCE[1], 60, (255, 170, 80), 0.5)
    light(c, TAP_LANTERN[0], 180, 340, (120, 70, 24), 0.75, 300)
    light(c, TAP_LANTERN[0], 150, 70, (255, 180, 90), 0.4)
    light(c, 220, 380, 260, (90, 54, 24), 0.5, 200)
    return finish(c, 91, 0.6)



# ================================================================ item sheets

OUTLINE = (38, 22, 12)
IRON = [(0.0, (34, 34, 38)), (0.3, (150, 150, 156)), (0.55, (92, 92, 98)), (1.0, (30, 30, 34))]
SILVER = [(0.0, (96, 100, 108)), (0.3, (246, 246, 248)), (0.55, (176, 180, 188)), (0.8, (210, 214, 220)),
          (1.0, (88, 92, 100))]
BRASS = [(0.0, P.GOLD_DARK), (0.3, P.GOLD_LIGHT), (0.55, P.GOLD), (0.8, P.BRASS), (1.0, P.GOLD_DARK)]
COPPER = [(0.0, (96, 40, 18)), (0.3, (250, 170, 120)), (0.55, (184, 96, 54)), (1.0, (80, 34, 16))]


def cyl(c, hi=1.3, lo=0.5):
    """Colour stops of a lit cylinder across its width (light from the upper left)."""
    c = tuple(c[:3])
    return [(0.0, P.shade(c, lo)), (0.25, P.shade(c, hi)), (0.5, c), (0.85, P.shade(c, 0.75)), (1.0, P.shade(c, lo))]


class Sheet:
    """One item's drawing sheet. Design coordinates are pixels from (0, 0) at
    the sheet's inner corner; a margin around it leaves room for the outline,
    the shadow and rotation. Masks are drawn SS times larger (smooth edges)."""

    PAD = 8

    def __init__(self, w, h):
        self.w, self.h = int(math.ceil(w)) + 2 * self.PAD, int(math.ceil(h)) + 2 * self.PAD
        self.size = (self.w, self.h)
        self.img = Image.new("RGBA", self.size, (0, 0, 0, 0))

    def _b(self, box, s):
        return [(v + self.PAD) * s for v in box]

    def _p(self, pts, s):
        return [((x + self.PAD) * s, (y + self.PAD) * s) for x, y in pts]

    def mask(self, fn):
        return P.mask_from(self.size, fn)

    def ell(self, box):
        return self.mask(lambda d, s: d.ellipse(self._b(box, s), fill=255))

    def rect(self, box, r=0):
        return self.mask(lambda d, s: d.rounded_rectangle(self._b(box, s), radius=r * s, fill=255) if r
                         else d.rectangle(self._b(box, s), fill=255))

    def poly(self, pts):
        return self.mask(lambda d, s: d.polygon(self._p(pts, s), fill=255))

    def line(self, pts, width):
        return self.mask(lambda d, s: d.line(self._p(pts, s), fill=255, width=max(1, int(width * s)), joint="curve"))

    def lines(self, segments, width):
        """Union of several polylines, each a list of points."""
        return self.mask(lambda d, s: [d.line(self._p(pts, s), fill=255, width=max(1, int(width * s)), joint="curve")
                                       for pts in segments])

    def ells(self, boxes):
        """Union of several ellipses."""
        return self.mask(lambda d, s: [d.ellipse(self._b(box, s), fill=255) for box in boxes])

    def arc(self, box, a0, a1, width):
        return self.mask(lambda d, s: d.arc(self._b(box, s), a0, a1, fill=255, width=max(1, int(width * s))))

    def pie(self, box, a0, a1):
        return self.mask(lambda d, s: d.pieslice(self._b(box, s), a0, a1, fill=255))

    def ring(self, box, width):
        return self.mask(lambda d, s: d.ellipse(self._b(box, s), outline=255, width=max(1, int(width * s))))

    def glyph(self, ch, path, px, cx, cy):
        return self.mask(lambda d, s: d.text(((cx + self.PAD) * s, (cy + self.PAD) * s), ch, fill=255,
                                             font=P.font(path, int(px * s)), anchor="mm"))

    def curve_pts(self, p0, p1, p2, n=24):
        """Points of a quadratic Bezier curve."""
        return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                 (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]) for t in (i / n for i in range(n + 1))]

    # -- painting
    def paint(self, mask, colour):
        P.fill(self.img, colour, mask)
        return mask

    def grad(self, mask, stops, vertical=False, box=None):
        """Fill with a ramp across the mask's box (left to right, or top to bottom)."""
        box = box or mask.getbbox()
        if not box:
            return mask
        x0, y0, x1, y1 = [int(v) for v in box]
        g = (P.vgradient if vertical else P.hgradient)(max(1, x1 - x0), max(1, y1 - y0), stops)
        full = Image.new("RGB", self.size, stops[0][1] if not vertical else stops[-1][1])
        full.paste(g, (x0, y0))
        P.fill(self.img, full, mask)
        return mask

    def rgrad(self, mask, cx, cy, r, stops, ry=None):
        f = P.radial_field(self.w, self.h, cx + self.PAD, cy + self.PAD, r, ry)
        P.fill(self.img, P.gradient_map(f, stops), mask)
        return mask

    def bevel(self, mask, depth=2, light=0.5, dark=0.45):
        P.bevel(self.img, mask, depth, light, dark)
        return mask

    def grain(self, mask, seed, strength=0.5, vertical=True):
        """Overlay wood grain on what is painted in mask."""
        g = P.wood(self.w, self.h, seed, [(0.0, (60, 60, 60)), (1.0, (230, 230, 230))], vertical=vertical,
                   lines=(self.w if vertical else self.h) / 10).convert("L")
        base = self.img.convert("RGB")
        res = ImageChops.soft_light(base, Image.merge("RGB", [g] * 3))
        P.fill(self.img, res, P.opacity(mask, strength))

    def shade_by(self, mask, cx, cy, r, strength=0.5, colour=(40, 24, 16)):
        """Darken what lies far from (cx, cy) inside mask (round objects)."""
        f = P.curve(P.radial_field(self.w, self.h, cx + self.PAD, cy + self.PAD, r), lambda t: t ** 1.6)
        P.multiply(self.img, colour, ImageChops.multiply(f, mask), strength)

    def gloss(self, mask, a=110):
        P.fill(self.img, (255, 255, 255, a), mask)

    def done(self, rot=0, outline=OUTLINE, shadow=0.35, scale=1.0):
        """Outline, small shadow, rotation; cropped to the drawn object (RGBA)."""
        img = self.img
        if scale != 1.0:
            img = img.resize((max(1, int(self.w * scale)), max(1, int(self.h * scale))), Image.Resampling.LANCZOS)
        if rot:
            img = img.rotate(rot, Image.Resampling.BICUBIC, expand=True)
        a = img.getchannel("A")
        grown = a.filter(ImageFilter.MaxFilter(3))
        out = Image.new("RGBA", img.size, (0, 0, 0, 0))
        if shadow:
            out.alpha_composite(P.drop_shadow(grown, (2, 2), 1.6, shadow))
        ol = Image.new("RGBA", img.size, outline + (255,))
        ol.putalpha(P.opacity(grown, 0.85))
        out.alpha_composite(ol)
        out.alpha_composite(img)
        a = out.getchannel("A").point(lambda i: 0 if i < 14 else i)
        out.putalpha(a)
        return out.crop(a.getbbox())


# ================================================================ taproom objects

def tankard():
    s = Sheet(60, 64)
    body = s.rect((2, 12, 44, 64), 5)
    s.grad(body, cyl((200, 172, 122)))
    for y in (20, 54):
        s.grad(s.paint(ImageChops.multiply(s.rect((2, y, 44, y + 5)), body), (0, 0, 0)), cyl((128, 92, 56)))
    handle = s.arc((30, 20, 58, 54), 270, 90, 6)
    s.grad(handle, cyl((190, 160, 112)))
    s.bevel(handle, 1, 0.4, 0.4)
    foam = s.mask(lambda d, sc: [d.ellipse(s._b(b, sc), fill=255) for b in
                                ((0, 4, 46, 20), (4, 0, 22, 14), (18, -2, 36, 12), (30, 2, 46, 16))])
    s.rgrad(foam, 14, 2, 40, [(0.0, (255, 254, 246)), (0.6, (246, 236, 210)), (1.0, (206, 188, 150))])
    drip = s.rect((8, 14, 14, 30), 3)
    s.paint(drip, (248, 240, 218))
    s.gloss(s.rect((8, 32, 12, 52), 2), 70)
    return s.done()


def horseshoe():
    s = Sheet(50, 52)
    shoe = s.arc((4, 2, 46, 48), -62, 242, 11)
    s.rgrad(shoe, 18, 14, 40, [(0.0, (176, 172, 170)), (0.5, (110, 106, 106)), (1.0, (56, 52, 54))])
    rust = P.curve(P.fbm(s.w, s.h, 7, ((6, 0.6), (2, 0.4))), lambda t: max(0.0, t - 0.6) * 2.5)
    P.fill(s.img, (130, 70, 36, 170), ImageChops.multiply(rust, shoe))
    s.bevel(shoe, 2, 0.55, 0.5)
    for a in (-40, -8, 30, 150, 188, 220):
        r = 19.5
        x, y = 25 + r * math.cos(math.radians(a)), 25 + r * math.sin(math.radians(a))
        s.paint(s.rect((x - 1.6, y - 2.2, x + 1.6, y + 2.2), 0.8), (30, 26, 26))
    return s.done()


def pocket_watch():
    s = Sheet(44, 78)
    cx, cy, r = 22, 24, 17
    chain = s.line(s.curve_pts((22, 4), (46, 40), (18, 76), 30), 2.6)
    s.grad(chain, BRASS, vertical=True)
    links = s.mask(lambda d, sc: [d.line(s._p([(x - 1, y), (x + 1, y)], sc), fill=255, width=int(1.2 * sc))
                                  for x, y in s.curve_pts((22, 4), (46, 40), (18, 76), 22)])
    P.fill(s.img, (90, 60, 20, 200), ImageChops.multiply(links, chain))
    bow = s.ring((17, -1, 27, 8), 2.2)
    s.grad(bow, BRASS)
    crown = s.rect((19, 5, 25, 10), 1)
    s.grad(crown, BRASS)
    case = s.ell((cx - r, cy - r, cx + r, cy + r))
    s.rgrad(case, cx - 6, cy - 8, r * 2, [(0.0, P.GOLD_LIGHT), (0.5, P.GOLD), (1.0, P.GOLD_DARK)])
    s.bevel(case, 2, 0.6, 0.5)
    face = s.ell((cx - r + 4, cy - r + 4, cx + r - 4, cy + r - 4))
    s.rgrad(face, cx - 4, cy - 5, r * 1.6, [(0.0, (255, 252, 240)), (1.0, (214, 200, 170))])
    for i in range(12):
        a = math.radians(i * 30)
        x0, y0 = cx + math.cos(a) * (r - 6.5), cy + math.sin(a) * (r - 6.5)
        x1, y1 = cx + math.cos(a) * (r - 8.5 - (i % 3 == 0)), cy + math.sin(a) * (r - 8.5 - (i % 3 == 0))
        s.paint(s.line([(x0, y0), (x1, y1)], 1.1), (40, 30, 24))
    s.paint(s.line([(cx, cy), (cx + 1, cy - 8)], 1.4), (30, 24, 20))
    s.paint(s.line([(cx, cy), (cx + 6, cy + 2)], 1.4), (30, 24, 20))
    s.paint(s.ell((cx - 1.5, cy - 1.5, cx + 1.5, cy + 1.5)), (30, 24, 20))
    s.gloss(s.ell((cx - 9, cy - 11, cx - 1, cy - 6)), 90)
    return s.done()


def tobacco_pipe():
    s = Sheet(72, 40)
    stem = s.line(s.curve_pts((30, 30), (44, 30), (70, 8), 20), 4.5)
    s.grad(stem, [(0.0, (70, 46, 30)), (1.0, (30, 22, 18))])
    s.paint(s.line([(63, 14), (71, 7)], 4.5), (24, 20, 18))
    bowl = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((2, 4, 28, 36), sc), radius=10 * sc, fill=255),
                                 d.rectangle(s._b((14, 26, 34, 34), sc), fill=255)))
    s.grad(bowl, cyl((128, 70, 36)))
    s.bevel(bowl, 2, 0.5, 0.5)
    rim = s.ell((2, 1, 28, 9))
    s.paint(rim, (110, 62, 32))
    s.paint(s.ell((5, 3, 25, 8)), (34, 20, 14))
    s.paint(s.ell((8, 4, 20, 7)), (180, 80, 30, 200))
    s.gloss(s.rect((6, 12, 10, 28), 2), 60)
    return s.done()


def dice_pair():
    s = Sheet(60, 36)

    def die(x, y, size, face, top_pips, col, pip):
        k = size * 0.32
        front = s.rect((x, y + k, x + size, y + k + size), 3)
        topf = s.poly([(x, y + k), (x + k, y), (x + k + size, y), (x + size, y + k)])
        side = s.poly([(x + size, y + k), (x + k + size, y), (x + k + size, y + size), (x + size, y + k + size)])
        s.grad(front, [(0.0, col), (1.0, P.shade(col, 0.85))], vertical=True)
        s.paint(topf, P.shade(col, 1.12))
        s.paint(side, P.shade(col, 0.7))
        for px, py in face:
            cx, cy = x + size * px, y + k + size * py
            s.paint(s.ell((cx - size * 0.09, cy - size * 0.09, cx + size * 0.09, cy + size * 0.09)), pip)
        for px, py in top_pips:
            cx, cy = x + k * (1 - py) + size * px, y + k * py
            s.paint(s.ell((cx - size * 0.07, cy - size * 0.04, cx + size * 0.07, cy + size * 0.04)), pip)
        s.bevel(front, 1, 0.5, 0.3)

    five = [(0.25, 0.25), (0.75, 0.25), (0.5, 0.5), (0.25, 0.75), (0.75, 0.75)]
    three = [(0.25, 0.25), (0.5, 0.5), (0.75, 0.75)]
    die(0, 4, 24, five, [(0.5, 0.5)], (246, 238, 220), (30, 24, 20))
    die(32, 8, 20, three, [(0.3, 0.5), (0.7, 0.5)], (176, 32, 36), (250, 244, 230))
    return s.done()


def key_shape(s, x, y, length, bow_r, rot_deg, stops):
    """A bit key hanging from (x, y): bow ring at the top, shaft and bit, rotated about the top."""
    a = math.radians(rot_deg)

    def tr(px, py):
        return (x + px * math.cos(a) - py * math.sin(a), y + px * math.sin(a) + py * math.cos(a))

    bow = s.mask(lambda d, sc: d.ellipse(s._b((tr(0, bow_r)[0] - bow_r, tr(0, bow_r)[1] - bow_r,
                                                 tr(0, bow_r)[0] + bow_r, tr(0, bow_r)[1] + bow_r), sc),
                                           outline=255, width=int(bow_r * 0.55 * sc)))
    shaft = s.line([tr(0, bow_r * 2 - 1), tr(0, length)], max(2.2, bow_r * 0.45))
    b = bow_r
    bit = s.poly([tr(0, length - b * 1.4), tr(b * 1.1, length - b * 1.4), tr(b * 1.1, length - b * 0.9),
                  tr(b * 0.6, length - b * 0.9), tr(b * 0.6, length - b * 0.5),
                  tr(b * 1.1, length - b * 0.5), tr(b * 1.1, length), tr(0, length)])
    m = ImageChops.lighter(ImageChops.lighter(bow, shaft), bit)
    s.grad(m, stops)
    s.bevel(m, 1, 0.55, 0.45)


def key_ring():
    s = Sheet(62, 64)
    ring = s.ring((18, 0, 40, 22), 3.2)
    s.grad(ring, IRON)
    s.bevel(ring, 1, 0.5, 0.4)
    key_shape(s, 24, 18, 40, 6, 28, BRASS)
    key_shape(s, 29, 20, 44, 6.5, 2, IRON)
    key_shape(s, 34, 18, 34, 5, -30, COPPER)
    s.paint(ImageChops.multiply(ring, s.rect((14, 14, 44, 24))), (150, 150, 156))
    return s.done()


def spyglass():
    s = Sheet(112, 30)
    segs = [((0, 3, 56, 27), (96, 56, 30), True), ((54, 5, 80, 25), None, False), ((78, 7, 98, 23), None, False),
            ((96, 8, 108, 22), None, False)]
    for box, col, leather in segs:
        m = s.rect(box, 2)
        if leather:
            s.grad(m, [(0.0, P.shade(col, 0.6)), (0.3, P.shade(col, 1.35)), (0.6, col), (1.0, P.shade(col, 0.5))],
                   vertical=True)
            stitch = s.mask(lambda d, sc: [d.line(s._p([(x, 4), (x + 3, 26)], sc), fill=255, width=int(0.8 * sc))
                                           for x in range(8, 50, 6)])
            P.fill(s.img, (60, 34, 18, 160), ImageChops.multiply(stitch, m))
        else:
            s.grad(m, BRASS, vertical=True)
        s.bevel(m, 1, 0.5, 0.4)
    for x0, x1, y0, y1 in ((0, 6, 1, 29), (50, 58, 2, 28), (76, 81, 5, 25), (94, 98, 6, 24)):
        band = s.rect((x0, y0, x1, y1), 1.5)
        s.grad(band, BRASS, vertical=True)
        s.bevel(band, 1, 0.6, 0.45)
    lens = s.ell((106, 9, 111, 21))
    s.rgrad(lens, 108, 12, 6, [(0.0, (230, 240, 255)), (1.0, (70, 90, 110))])
    return s.done(rot=8)


def candle():
    s = Sheet(44, 84)
    glow = P.blur(s.ell((12, -2, 32, 30)), 4)
    P.fill(s.img, (255, 200, 110, 90), glow)
    wax = s.rect((14, 22, 30, 70), 2)
    s.grad(wax, cyl((246, 234, 206), 1.05, 0.75))
    drip = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((15, 22, 19, 40), sc), radius=2 * sc, fill=255),
                                 d.rounded_rectangle(s._b((24, 22, 28, 32), sc), radius=2 * sc, fill=255)))
    s.paint(drip, (252, 246, 226))
    s.paint(s.ell((14, 19, 30, 25)), (236, 222, 190))
    s.paint(s.line([(22, 21), (22, 15)], 1.2), (40, 30, 24))
    flame = s.poly(s.curve_pts((17, 16), (20, -6), (22, -2), 10) + s.curve_pts((22, -2), (25, 6), (27, 16), 10))
    s.paint(flame, (255, 176, 60))
    s.paint(s.ell((19, 4, 25, 16)), (255, 250, 214))
    holder = s.mask(lambda d, sc: (d.ellipse(s._b((0, 68, 44, 82), sc), fill=255),
                                   d.rectangle(s._b((10, 64, 34, 74), sc), fill=255)))
    s.grad(holder, BRASS)
    s.bevel(holder, 1, 0.6, 0.4)
    ring = s.ring((34, 64, 44, 76), 2.4)
    s.grad(ring, BRASS)
    return s.done()


def playing_card():
    s = Sheet(38, 52)
    card = s.rect((0, 0, 38, 52), 4)
    s.grad(card, [(0.0, (255, 252, 244)), (1.0, (228, 218, 196))], vertical=True)
    s.paint(ImageChops.subtract(s.rect((3, 3, 35, 49), 3), s.rect((4, 4, 34, 48), 3)), (180, 30, 40))
    red = (190, 24, 36)
    s.paint(s.glyph("\u2665", P.SANS, 22, 19, 27), red)
    s.paint(s.glyph("A", P.SERIF_BOLD, 10, 8, 10), red)
    s.paint(s.glyph("\u2665", P.SANS, 7, 8, 18), red)
    s.paint(s.glyph("A", P.SERIF_BOLD, 10, 30, 42), red)
    return s.done(rot=-18)


def ship_in_bottle():
    s = Sheet(104, 50)
    stand = s.mask(lambda d, sc: (d.rectangle(s._b((12, 38, 84, 46), sc), fill=255),
                                  d.pieslice(s._b((14, 30, 34, 50), sc), 180, 360, fill=255),
                                  d.pieslice(s._b((62, 30, 82, 50), sc), 180, 360, fill=255)))
    s.grad(stand, [(0.0, (150, 98, 54)), (1.0, (70, 40, 20))], vertical=True)
    s.bevel(stand, 1, 0.5, 0.5)
    glass = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((0, 4, 74, 40), sc), radius=14 * sc, fill=255),
                                  d.polygon(s._p([(70, 10), (88, 16), (88, 28), (70, 34)], sc), fill=255),
                                  d.rectangle(s._b((86, 15, 98, 29), sc), fill=255)))
    s.grad(glass, [(0.0, (120, 170, 150, 120)), (0.3, (210, 240, 230, 140)), (0.6, (110, 160, 146, 110)),
                   (1.0, (60, 100, 90, 150))], vertical=True)
    sea = ImageChops.multiply(s.rect((4, 28, 72, 38), 4), glass)
    s.paint(sea, (34, 92, 120))
    hull = s.poly([(18, 26), (58, 26), (52, 33), (24, 33)])
    s.paint(hull, (110, 56, 28))
    s.paint(s.line([(38, 8), (38, 27)], 1.4), (70, 40, 20))
    s.paint(s.line([(28, 12), (28, 27)], 1.2), (70, 40, 20))
    for box in ((30, 9, 46, 17), (30, 17, 48, 25), (21, 13, 35, 24)):
        sail = s.rect(box, 2)
        s.grad(sail, [(0.0, (255, 250, 236)), (1.0, (220, 206, 176))])
    s.paint(s.poly([(39, 7), (39, 3), (45, 5)]), (180, 30, 40))
    cork = s.rect((96, 16, 104, 28), 2)
    s.grad(cork, [(0.0, (200, 150, 100)), (1.0, (140, 96, 56))], vertical=True)
    s.gloss(s.rect((8, 8, 64, 12), 2), 120)
    s.gloss(s.rect((74, 14, 86, 17), 1), 90)
    return s.done()


def quill():
    s = Sheet(40, 96)
    vane = s.poly(s.curve_pts((20, 90), (-2, 50), (30, 0), 24) + s.curve_pts((30, 0), (36, 40), (22, 70), 20))
    s.grad(vane, [(0.0, (200, 196, 190)), (0.45, (250, 248, 242)), (1.0, (170, 166, 160))])
    barbs = s.mask(lambda d, sc: [d.line(s._p([(22 + (y - 50) * -0.1, y), (8 + (y - 50) * 0.05, y + 8)], sc),
                                          fill=255, width=int(0.9 * sc)) for y in range(16, 78, 7)])
    P.fill(s.img, (150, 146, 140, 150), ImageChops.multiply(barbs, vane))
    notch = s.poly([(10, 48), (4, 52), (12, 54)])
    P.fill(s.img, (0, 0, 0, 0), notch)
    s.img.putalpha(ImageChops.subtract(s.img.getchannel("A"), notch))
    shaft = s.line(s.curve_pts((21, 96), (19, 50), (30, 2), 24), 1.8)
    s.paint(shaft, (236, 226, 200))
    s.paint(s.line([(21, 88), (21, 96)], 2), (60, 40, 30))
    return s.done(rot=-14)


def anchor():
    s = Sheet(70, 76)
    m = s.glyph("\u2693", P.SANS_BOLD, 82, 35, 38)
    s.grad(m, IRON, vertical=False)
    s.bevel(m, 2, 0.5, 0.55)
    rope = s.line(s.curve_pts((34, 10), (70, 30), (46, 64), 20), 2.4)
    s.paint(rope, (196, 156, 96))
    along = s.curve_pts((34, 10), (70, 30), (46, 64), 18)
    twist = s.lines([[(x - 1.2, y - 1.2), (x + 1.2, y + 1.2)] for x, y in along], 0.8)
    P.fill(s.img, (110, 80, 40, 200), ImageChops.multiply(twist, rope))
    return s.done()


def compass():
    s = Sheet(46, 46)
    case = s.ell((0, 0, 46, 46))
    s.rgrad(case, 14, 12, 52, [(0.0, P.GOLD_LIGHT), (0.5, P.GOLD), (1.0, P.GOLD_DARK)])
    s.bevel(case, 2, 0.6, 0.5)
    face = s.ell((5, 5, 41, 41))
    s.rgrad(face, 18, 16, 36, [(0.0, (252, 246, 228)), (1.0, (210, 194, 160))])
    for i in range(8):
        a = math.radians(i * 45)
        l = 16 if i % 2 == 0 else 11
        pts = [(23 + math.cos(a) * l, 23 + math.sin(a) * l), (23 + math.cos(a + 0.35) * 4, 23 + math.sin(a + 0.35) * 4),
               (23, 23), (23 + math.cos(a - 0.35) * 4, 23 + math.sin(a - 0.35) * 4)]
        s.paint(s.poly(pts), (60, 50, 40) if i % 2 == 0 else (150, 130, 100))
    s.paint(s.poly([(23, 6), (27, 23), (19, 23)]), (196, 30, 36))
    s.paint(s.glyph("N", P.SERIF_BOLD, 7, 23, 11), (250, 244, 230))
    s.paint(s.ell((21, 21, 25, 25)), P.GOLD)
    s.gloss(s.ell((10, 8, 24, 16)), 80)
    return s.done()


def scissors():
    s = Sheet(64, 36)
    m = s.glyph("\u2702", P.SANS_BOLD, 62, 32, 17)
    s.grad(m, SILVER, vertical=True)
    s.bevel(m, 1, 0.5, 0.5)
    return s.done(rot=-20)


def ships_bell():
    s = Sheet(54, 78)
    bracket = s.mask(lambda d, sc: (d.rounded_rectangle(s._b((0, -6, 7, 22), sc), radius=2 * sc, fill=255),
                                    d.line(s._p(s.curve_pts((4, 14), (8, 0), (30, 2), 12), sc), fill=255,
                                           width=int(4 * sc), joint="curve"),
                                    d.rectangle(s._b((24, 0, 30, 14), sc), fill=255)))
    s.grad(bracket, IRON, vertical=True)
    s.bevel(bracket, 1, 0.4, 0.4)
    bell = s.poly(s.curve_pts((14, 14), (12, 44), (2, 56), 14) + [(52, 56)]
                  + s.curve_pts((42, 56), (40, 44), (40, 14), 14)[1:] + [(40, 14)])
    bell = ImageChops.lighter(bell, s.ell((13, 10, 41, 22)))
    bell = ImageChops.lighter(bell, s.rect((2, 52, 52, 60), 3))
    s.grad(bell, BRASS)
    s.bevel(bell, 2, 0.55, 0.45)
    s.paint(s.rect((4, 48, 50, 50)), (130, 90, 30))
    clapper = s.line([(27, 58), (27, 66)], 3)
    s.paint(clapper, (80, 60, 30))
    s.paint(s.ell((23, 64, 31, 72)), (90, 66, 30))
    rope = s.line([(27, 70), (28, 78)], 2.4)
    s.paint(rope, (200, 170, 120))
    return s.done()


def coin(flat=False, seed=0):
    s = Sheet(28, 28)
    if flat:
        edge = s.ell((0, 6, 28, 22))
        s.paint(edge, P.GOLD_DARK)
        face = s.ell((0, 4, 28, 19))
        s.rgrad(face, 9, 8, 26, [(0.0, (255, 244, 180)), (0.5, P.GOLD), (1.0, P.GOLD_DARK)], ry=14)
        s.paint(ImageChops.subtract(s.ell((4, 6, 24, 17)), s.ell((5, 7, 23, 16))), (150, 104, 34))
        s.gloss(s.ell((6, 6, 14, 9)), 140)
        return s.done(rot=(-10 if seed % 2 else 12))
    face = s.ell((0, 0, 28, 28))
    s.rgrad(face, 9, 8, 30, [(0.0, (255, 244, 180)), (0.5, P.GOLD), (1.0, P.GOLD_DARK)])
    s.bevel(face, 2, 0.6, 0.5)
    s.paint(ImageChops.subtract(s.ell((4, 4, 24, 24)), s.ell((5, 5, 23, 23))), (150, 104, 34))
    star = s.glyph("\u2605", P.SANS, 15, 14, 14)
    P.engrave(s.img, star, 1, 0.45, 0.6, ink=(176, 124, 40, 255))
    s.gloss(s.ell((6, 5, 13, 10)), 150)
    return s.done()


CAP_COLOURS = {"red": (196, 36, 40), "green": (40, 130, 70), "blue": (40, 80, 170), "silver": (190, 192, 198)}


def bottle_cap(colour, tilt=1.0, rot=0):
    s = Sheet(26, 26)
    c = CAP_COLOURS[colour]
    pts = []
    for i in range(42):
        a = math.pi * 2 * i / 42
        r = 13 if i % 2 == 0 else 11.2
        pts.append((13 + r * math.cos(a), 13 + r * math.sin(a)))
    rim = s.poly(pts)
    s.rgrad(rim, 8, 8, 22, [(0.0, P.shade(c, 1.35)), (0.6, c), (1.0, P.shade(c, 0.55))])
    top = s.ell((3.5, 3.5, 22.5, 22.5))
    s.rgrad(top, 9, 9, 20, [(0.0, P.shade(c, 1.45)), (0.5, P.shade(c, 1.1)), (1.0, P.shade(c, 0.8))])
    s.paint(ImageChops.subtract(s.ell((3.5, 3.5, 22.5, 22.5)), s.ell((4.5, 4.5, 21.5, 21.5))), P.shade(c, 0.6))
    s.paint(s.ring((8, 8, 18, 18), 1.4), (250, 244, 230, 200))
    s.gloss(s.ell((7, 6, 13, 10)), 150)
    img = s.done(shadow=0.4)
    if tilt != 1.0 or rot:
        w, h = img.size
        img = img.resize((w, max(1, int(h * tilt))), Image.Resampling.LANCZOS).rotate(rot, Image.Resampling.BICUBIC,
                                                                                       expand=True)
        a = img.getchannel("A").point(lambda i: 0 if i < 14 else i)
        img.putalpha(a)
        img = img.crop(a.getbbox())
    return img


# ================================================================ taproom decoys

def bottle(colour, h=80, kind="wine", label=P.PARCHMENT, seed=0):
    """An upright bottle: wine (tall shoulders), rum (squat) or flask (square)."""
    w = {"wine": h * 0.3, "rum": h * 0.42, "flask": h * 0.4}[kind]
    s = Sheet(w, h)
    neck_w = w * (0.3 if kind != "rum" else 0.26)
    cx = w / 2
    sh = {"wine": 0.52, "rum": 0.45, "flask": 0.34}[kind] * h
    if kind == "flask":
        body = s.rect((0, sh, w, h), 3)
        shoulder = s.poly([(0, sh + 2), (cx - neck_w / 2, sh - h * 0.12), (cx + neck_w / 2, sh - h * 0.12),
                           (w, sh + 2)])
        body = ImageChops.lighter(body, shoulder)
    else:
        body = s.rect((0, sh, w, h), w * 0.16)
        shoulder = s.poly(s.curve_pts((0, sh + w * 0.2), (0, sh - h * 0.06), (cx - neck_w / 2, sh - h * 0.16), 10)
                          + s.curve_pts((cx + neck_w / 2, sh - h * 0.16), (w, sh - h * 0.06), (w, sh + w * 0.2), 10))
        body = ImageChops.lighter(body, shoulder)
    neck = s.rect((cx - neck_w / 2, h * 0.06, cx + neck_w / 2, sh), 1)
    glass = ImageChops.lighter(body, neck)
    s.grad(glass, [(0.0, P.shade(colour, 0.45)), (0.22, P.shade(colour, 1.25)), (0.45, colour),
                   (0.8, P.shade(colour, 0.7)), (1.0, P.shade(colour, 0.4))])
    top = s.rect((cx - neck_w / 2 - 1, 0, cx + neck_w / 2 + 1, h * 0.12), 1.5)
    s.grad(top, cyl((150, 40, 40) if seed % 3 == 0 else (200, 160, 90) if seed % 3 == 1 else (40, 40, 44)))
    if label:
        ly0 = sh + (h - sh) * 0.22
        lab = s.rect((w * 0.1, ly0, w * 0.9, ly0 + (h - sh) * 0.45), 1.5)
        s.grad(lab, [(0.0, P.shade(label, 0.75)), (0.3, label), (1.0, P.shade(label, 0.7))])
        s.paint(s.rect((w * 0.25, ly0 + (h - sh) * 0.14, w * 0.75, ly0 + (h - sh) * 0.18)), (120, 40, 40, 200))
        s.paint(s.rect((w * 0.3, ly0 + (h - sh) * 0.26, w * 0.7, ly0 + (h - sh) * 0.29)), (80, 60, 40, 160))
    s.gloss(s.rect((w * 0.16, sh + 4, w * 0.26, h - 6), 2), 70)
    return s.done()


def book(colour, h=56, w=14, lying=False, seed=0):
    s = Sheet(w, h)
    spine = s.rect((0, 0, w, h), 1.5)
    s.grad(spine, cyl(colour, 1.25, 0.55))
    for y in (h * 0.12, h * 0.82):
        band = s.rect((0, y, w, y + 3))
        s.grad(band, BRASS)
    s.paint(s.rect((w * 0.25, h * 0.3, w * 0.75, h * 0.55), 1), P.shade(colour, 0.6))
    s.paint(s.rect((w * 0.3, h * 0.34, w * 0.7, h * 0.36)), (230, 200, 130, 200))
    s.paint(s.rect((w * 0.3, h * 0.42, w * 0.7, h * 0.44)), (230, 200, 130, 200))
    return s.done(rot=90 if lying else 0)


def plate(colour=(40, 70, 150), r=26):
    s = Sheet(2 * r, 2 * r)
    p = s.ell((0, 0, 2 * r, 2 * r))
    s.rgrad(p, r * 0.7, r * 0.6, r * 2.2, [(0.0, (255, 254, 248)), (0.7, (236, 230, 216)), (1.0, (190, 180, 164))])
    s.paint(s.ring((r * 0.12, r * 0.12, r * 1.88, r * 1.88), 2.5), colour)
    s.paint(s.ring((r * 0.45, r * 0.45, r * 1.55, r * 1.55), 1.2), colour)
    for i in range(8):
        a = math.radians(i * 45 + 22)
        x, y = r + math.cos(a) * r * 0.72, r + math.sin(a) * r * 0.72
        s.paint(s.ell((x - 2.2, y - 2.2, x + 2.2, y + 2.2)), colour)
    s.paint(s.glyph("\u273f", P.SANS, r * 0.7, r, r), P.shade(colour, 1.1))
    s.bevel(p, 2, 0.4, 0.3)
    return s.done()


def teacup():
    s = Sheet(48, 30)
    sauc = s.ell((0, 20, 48, 30))
    s.grad(sauc, [(0.0, (250, 248, 240)), (1.0, (196, 188, 176))], vertical=True)
    cup = s.poly(s.curve_pts((8, 6), (8, 24), (22, 25), 10) + s.curve_pts((22, 25), (36, 24), (36, 6), 10))
    s.grad(cup, cyl((246, 242, 232), 1.05, 0.7))
    s.paint(s.arc((32, 8, 46, 20), 280, 80, 3.2), (230, 226, 214))
    s.paint(s.ell((8, 3, 36, 9)), (130, 70, 40))
    s.paint(ImageChops.subtract(s.ell((8, 3, 36, 9)), s.ell((9.5, 4.2, 34.5, 8.4))), (236, 232, 220))
    s.paint(s.rect((9, 12, 35, 14)), (40, 90, 150))
    return s.done()


def apple(colour=(190, 40, 36), r=12):
    s = Sheet(2 * r, 2 * r + 6)
    body = s.mask(lambda d, sc: (d.ellipse(s._b((0, 5, r * 1.2, 2 * r + 5), sc), fill=255),
                                 d.ellipse(s._b((r * 0.8, 5, 2 * r, 2 * r + 5), sc), fill=255)))
    s.rgrad(body, r * 0.6, r * 0.8, r * 2.2,
            [(0.0, P.shade(colour, 1.5)), (0.45, colour), (1.0, P.shade(colour, 0.45))])
    s.paint(s.line([(r, 8), (r + 2, 0)], 1.6), (80, 50, 24))
    s.paint(s.poly([(r + 2, 3), (r + 9, -1), (r + 7, 4)]), (70, 130, 50))
    s.gloss(s.ell((r * 0.35, 8, r * 0.75, 12)), 120)
    return s.done()


def bread():
    s = Sheet(64, 30)
    loaf = ImageChops.lighter(s.ell((0, 2, 64, 30)), s.rect((4, 18, 60, 30)))
    s.rgrad(loaf, 24, 6, 46, [(0.0, (236, 176, 96)), (0.6, (186, 112, 46)), (1.0, (110, 60, 24))], ry=26)
    cuts = s.lines([[(x, 8), (x + 8, 18)] for x in (14, 28, 42)], 2.4)
    s.paint(ImageChops.multiply(cuts, loaf), (248, 216, 150))
    return s.done()


def rope_coil():
    s = Sheet(66, 44)
    under = s.ell((0, 2, 66, 44))
    s.paint(under, (70, 50, 26))
    rope = [(0.0, (120, 86, 42)), (0.45, (226, 192, 128)), (1.0, (110, 78, 38))]
    coil = Image.new("L", s.size, 0)
    for rx, ry, cy in ((30, 18, 24), (23, 13.5, 22), (16, 9, 20), (9, 5, 18)):
        m = s.ring((33 - rx, cy - ry, 33 + rx, cy + ry), 6)
        s.rgrad(m, 33, cy - ry * 0.2, rx + 4, rope, ry=ry + 4)
        coil = ImageChops.lighter(coil, m)
    twist = s.mask(lambda d, sc: [d.line(s._p([(x, 0), (x + 5, 44)], sc), fill=255, width=int(1.1 * sc))
                                  for x in range(-10, 72, 4)])
    P.fill(s.img, (80, 54, 22, 170), ImageChops.multiply(twist, coil))
    end = s.line(s.curve_pts((58, 26), (70, 38), (56, 42), 10), 5.5)
    s.grad(end, rope, vertical=True)
    s.paint(s.ell((52, 38, 60, 44)), (236, 210, 150))
    return s.done()


def broom():
    s = Sheet(40, 150)
    stick = s.line([(28, 0), (20, 110)], 5)
    s.grad(stick, cyl((150, 100, 56)))
    head = s.poly([(14, 104), (26, 104), (40, 150), (0, 150)])
    s.grad(head, [(0.0, (170, 136, 60)), (0.5, (226, 196, 110)), (1.0, (150, 116, 50))])
    straws = s.mask(lambda d, sc: [d.line(s._p([(16 + i * 0.6, 108), (2 + i * 2.1, 150)], sc), fill=255,
                                          width=int(0.8 * sc)) for i in range(18)])
    P.fill(s.img, (120, 90, 36, 150), ImageChops.multiply(straws, head))
    s.paint(s.rect((12, 106, 28, 112), 2), (120, 40, 40))
    return s.done()


def tricorn_hat():
    s = Sheet(70, 34)
    crown = s.ell((16, 0, 54, 30))
    s.grad(crown, cyl((48, 40, 44), 1.5, 0.6))
    brim = s.poly(s.curve_pts((0, 12), (30, 40), (70, 12), 16) + [(60, 30), (35, 34), (10, 30)])
    s.grad(brim, cyl((56, 46, 50), 1.5, 0.6))
    trim = s.line(s.curve_pts((1, 13), (30, 39), (69, 13), 20), 2)
    s.paint(trim, P.GOLD)
    s.paint(s.ell((30, 20, 40, 30)), (150, 30, 40))
    return s.done()


def framed_picture(w, h, kind="ship"):
    s = Sheet(w, h)
    frame = s.rect((0, 0, w, h), 2)
    s.grad(frame, BRASS, vertical=True)
    s.bevel(frame, 3, 0.5, 0.5)
    inner = s.rect((7, 7, w - 7, h - 7))
    if kind == "ship":
        s.grad(inner, [(0.0, (60, 80, 110)), (0.55, (210, 150, 100)), (0.62, (60, 100, 110)), (1.0, (20, 50, 60))],
               vertical=True)
        hull = s.poly([(w * 0.3, h * 0.62), (w * 0.7, h * 0.62), (w * 0.64, h * 0.72), (w * 0.36, h * 0.72)])
        s.paint(hull, (50, 30, 20))
        for mx, top in ((0.42, 0.2), (0.56, 0.26)):
            s.paint(s.line([(w * mx, h * top), (w * mx, h * 0.63)], 1.2), (50, 30, 20))
            s.paint(s.rect((w * (mx - 0.08), h * (top + 0.05), w * (mx + 0.08), h * 0.58), 2), (236, 224, 196))
        for i in range(6):
            y = h * (0.68 + i * 0.04)
            s.paint(s.line([(w * 0.12 + i * 9, y), (w * 0.26 + i * 9, y)], 1), (180, 200, 200, 140))
    else:  # an oval portrait of a lady in a burgundy dress
        oval = s.ell((7, 7, w - 7, h - 7))
        P.fill(s.img, (0, 0, 0, 0), inner)
        s.img.putalpha(ImageChops.subtract(s.img.getchannel("A"), ImageChops.subtract(inner, oval)))
        s.rgrad(oval, w / 2, h * 0.4, h * 0.7, [(0.0, (110, 120, 90)), (1.0, (40, 50, 40))])
        s.paint(ImageChops.multiply(s.ell((w * 0.18, h * 0.62, w * 0.82, h * 1.3)), oval), P.BURGUNDY)
        s.paint(s.ell((w * 0.34, h * 0.26, w * 0.66, h * 0.6)), (232, 196, 166))
        s.paint(s.mask(lambda d, sc: d.chord(s._b((w * 0.3, h * 0.2, w * 0.7, h * 0.52), sc), 180, 360, fill=255)),
                (190, 190, 196))
    s.bevel(inner, 2, 0.0, 0.6)
    return s.done()


def jar(colour=(230, 160, 40)):
    s = Sheet(34, 42)
    body = s.rect((0, 8, 34, 42), 8)
    s.grad(body, [(0.0, P.shade(colour, 0.5)), (0.3, P.shade(colour, 1.2)), (1.0, P.shade(colour, 0.55))])
    lid = s.rect((3, 0, 31, 10), 3)
    s.paint(lid, (240, 232, 214))
    s.paint(s.mask(lambda d, sc: [d.rectangle(s._b((x, 0, x + 3.5, 10), sc), fill=255) for x in range(3, 31, 7)]),
            (180, 40, 40))
    s.paint(s.line([(4, 10), (30, 10)], 1.2), (150, 120, 80))
    lab = s.rect((7, 18, 27, 32), 1)
    s.paint(lab, P.PARCHMENT)
    s.gloss(s.rect((4, 12, 8, 36), 2), 70)
    return s.done()


def cheese():
    s = Sheet(50, 32)
    top = s.poly([(0, 14), (40, 0), (50, 8), (10, 22)])
    side = s.poly([(0, 14), (10, 22), (10, 32), (0, 26)])
    front = s.poly([(10, 22), (50, 8), (50, 18), (10, 32)])
    s.paint(top, (250, 214, 100))
    s.paint(side, (230, 186, 70))
    s.grad(front, [(0.0, (236, 190, 76)), (1.0, (214, 164, 60))])
    for x, y, r in ((20, 24, 2.5), (34, 18, 3), (44, 14, 2), (4, 20, 1.6)):
        s.paint(s.ell((x - r, y - r, x + r, y + r)), (190, 140, 40))
    s.paint(s.poly([(40, 0), (50, 8), (50, 18), (46, 14)]), (200, 60, 40))
    return s.done()


def log(length=70, r=10):
    s = Sheet(length, 2 * r)
    bark = s.rect((0, 0, length - r, 2 * r), r * 0.6)
    s.grad(bark, [(0.0, (110, 80, 56)), (0.4, (80, 56, 36)), (1.0, (40, 26, 18))], vertical=True)
    lines = s.mask(lambda d, sc: [d.line(s._p([(x, 2), (x + 10, r * 2 - 2)], sc), fill=255, width=int(1 * sc))
                                  for x in range(4, int(length - r), 9)])
    P.fill(s.img, (40, 26, 16, 150), ImageChops.multiply(lines, bark))
    end = s.ell((length - 2 * r * 0.7, 0, length, 2 * r))
    s.rgrad(end, length - r * 0.7, r, r, [(0.0, (230, 190, 130)), (0.8, (196, 150, 96)), (1.0, (130, 90, 56))])
    s.paint(s.ring((length - r * 1.1, r * 0.5, length - r * 0.3, r * 1.5), 0.8), (160, 110, 66))
    return s.done()


def bucket():
    s = Sheet(50, 52)
    body = s.poly([(2, 14), (48, 14), (42, 52), (8, 52)])
    s.grad(body, cyl((150, 98, 56), 1.25, 0.5))
    staves = s.mask(lambda d, sc: [d.line(s._p([(x, 14), (25 + (x - 25) * 0.8, 52)], sc), fill=255, width=int(1 * sc))
                                   for x in range(9, 48, 8)])
    P.fill(s.img, (50, 30, 14, 170), ImageChops.multiply(staves, body))
    for y0 in (20, 42):
        band = ImageChops.multiply(s.rect((0, y0, 50, y0 + 4)), body)
        s.grad(band, IRON)
    s.paint(s.ell((2, 9, 48, 19)), (60, 36, 18))
    s.paint(s.ell((5, 11, 45, 18)), (30, 60, 70))
    s.paint(s.arc((4, 0, 46, 30), 180, 360, 2), (60, 60, 64))
    return s.done()


def life_ring():
    s = Sheet(64, 64)
    ring = s.ring((0, 0, 64, 64), 15)
    s.paint(ring, (236, 230, 216))
    for a in (0, 90, 180, 270):
        seg = ImageChops.multiply(ring, s.pie((-8, -8, 72, 72), a + 25, a + 65))
        s.paint(seg, (196, 40, 36))
    s.shade_by(ring, 20, 18, 56, 0.55)
    s.bevel(ring, 3, 0.5, 0.4)
    rope = s.ring((6, 6, 58, 58), 1.6)
    s.paint(ImageChops.multiply(rope, ring), (200, 170, 110))
    return s.done()


def wine_glass(fill=(120, 20, 36)):
    s = Sheet(22, 48)
    bowl = s.poly(s.curve_pts((1, 0), (0, 22), (11, 24), 10) + s.curve_pts((11, 24), (22, 22), (21, 0), 10))
    s.grad(bowl, [(0.0, (200, 220, 220, 110)), (0.3, (250, 255, 255, 160)), (1.0, (150, 170, 170, 110))])
    wine = ImageChops.multiply(bowl, s.rect((0, 11, 22, 26)))
    s.grad(wine, cyl(fill, 1.4, 0.6))
    s.paint(s.rect((10, 24, 12, 42)), (220, 236, 236, 170))
    s.paint(s.ell((2, 42, 20, 48)), (220, 236, 236, 170))
    s.gloss(s.rect((4, 3, 6, 16), 1), 150)
    return s.done(shadow=0.25)


def towel():
    s = Sheet(44, 62)
    cloth = s.poly([(2, 0), (42, 0), (40, 56), (30, 62), (20, 56), (10, 62), (4, 56)])
    s.grad(cloth, cyl((238, 230, 212), 1.05, 0.75))
    for y in (36, 44):
        s.paint(ImageChops.multiply(cloth, s.rect((0, y, 44, y + 4))), (150, 30, 40))
    folds = s.lines([[(x, 4), (x - 2, 54)] for x in (14, 28)], 1.2)
    P.fill(s.img, (140, 120, 100, 120), P.blur(ImageChops.multiply(folds, cloth), 1))
    return s.done()


def vase_with_flowers():
    s = Sheet(44, 78)
    for fx, fy, col in ((10, 10, (230, 200, 90)), (24, 4, (220, 120, 140)), (34, 14, (240, 236, 220)),
                        (18, 20, (200, 80, 80)), (30, 26, (230, 200, 90))):
        s.paint(s.line([(22, 50), (fx, fy + 4)], 1.6), (70, 110, 50))
        s.paint(s.poly([(fx - 2, fy + 14), (fx - 9, fy + 18), (fx - 3, fy + 20)]), (80, 130, 60))
        centres = [(fx + math.cos(k * 1.2566) * 4, fy + math.sin(k * 1.2566) * 4) for k in range(5)]
        petals = s.ells([(px - 3.5, py - 3.5, px + 3.5, py + 3.5) for px, py in centres])
        s.paint(petals, col)
        s.paint(s.ell((fx - 2, fy - 2, fx + 2, fy + 2)), (200, 140, 40))
    v = s.poly(s.curve_pts((14, 44), (2, 62), (12, 78), 10) + s.curve_pts((32, 78), (42, 62), (30, 44), 10))
    v = ImageChops.lighter(v, s.rect((13, 40, 31, 46), 2))
    s.grad(v, cyl((40, 96, 110), 1.4, 0.5))
    s.paint(ImageChops.multiply(v, s.rect((0, 58, 44, 62))), P.GOLD)
    return s.done()


def sack():
    s = Sheet(60, 70)
    body = s.poly(s.curve_pts((14, 14), (-6, 44), (6, 70), 12) + s.curve_pts((54, 70), (66, 44), (46, 14), 12))
    s.rgrad(body, 24, 34, 46, [(0.0, (214, 186, 136)), (0.7, (170, 140, 92)), (1.0, (110, 88, 56))])
    tex = P.curve(P.fbm(s.w, s.h, 17, ((2, 0.5), (1, 0.5))), lambda t: 0.4 + 0.2 * t)
    P.multiply(s.img, Image.merge("RGB", [tex] * 3), body, 0.4)
    neck = s.poly([(16, 4), (44, 4), (40, 16), (20, 16)])
    s.paint(neck, (190, 160, 110))
    s.paint(s.rect((16, 12, 44, 16), 1), (120, 70, 40))
    s.paint(s.glyph("M", P.SERIF_BOLD, 16, 30, 44), (90, 60, 40, 160))
    return s.done()


def wooden_bowl():
    s = Sheet(70, 40)
    for x, col in ((16, (190, 40, 36)), (34, (120, 170, 50)), (50, (200, 60, 36)), (26, (220, 170, 50))):
        a = s.ell((x - 11, 2 if x != 26 else 6, x + 11, 24 if x != 26 else 26))
        s.rgrad(a, x - 4, 8, 18, [(0.0, P.shade(col, 1.5)), (0.5, col), (1.0, P.shade(col, 0.5))])
    bowl = s.mask(lambda d, sc: d.chord(s._b((0, -6, 70, 40), sc), 0, 180, fill=255))
    bowl = ImageChops.multiply(bowl, s.rect((0, 16, 70, 40)))
    s.grad(bowl, [(0.0, (160, 104, 56)), (1.0, (70, 40, 20))], vertical=True)
    s.paint(s.rect((0, 15, 70, 19), 2), (110, 70, 36))
    return s.done()


def bellows():
    s = Sheet(40, 86)
    body = s.poly([(20, 0), (40, 26), (36, 62), (4, 62), (0, 26)])
    s.grad(body, cyl((120, 70, 36)))
    leather = s.poly([(4, 40), (36, 40), (36, 62), (4, 62)])
    s.paint(leather, (80, 46, 30))
    for y in (46, 52, 58):
        s.paint(s.line([(4, y), (36, y)], 1), (50, 28, 16))
    nozzle = s.poly([(16, 62), (24, 62), (22, 86), (18, 86)])
    s.grad(nozzle, BRASS)
    s.paint(s.ring((14, -6, 26, 6), 2.5), (70, 42, 24))
    return s.done(rot=-8)


def poker():
    s = Sheet(26, 120)
    rod = s.line([(12, 8), (12, 118)], 3.2)
    s.grad(rod, IRON)
    s.paint(s.ring((4, 0, 20, 16), 3), (50, 50, 54))
    s.paint(s.poly([(12, 106), (22, 100), (24, 104), (14, 112)]), (44, 44, 48))
    return s.done(rot=-6)


def kettle():
    s = Sheet(60, 56)
    s.paint(s.arc((12, 0, 48, 36), 190, 350, 3), (40, 38, 40))
    body = s.ell((4, 14, 56, 56))
    s.rgrad(body, 22, 24, 46, [(0.0, (110, 108, 110)), (0.5, (54, 52, 54)), (1.0, (20, 18, 20))])
    spout = s.poly([(50, 34), (60, 20), (62, 24), (54, 42)])
    s.paint(spout, (46, 44, 46))
    s.paint(s.ell((20, 11, 40, 19)), (70, 68, 70))
    s.paint(s.ell((27, 8, 33, 13)), (90, 88, 90))
    return s.done()


def keg():
    s = Sheet(46, 40)
    body = s.mask(lambda d, sc: d.ellipse(s._b((0, 0, 46, 40), sc), fill=255))
    body = ImageChops.multiply(body, s.rect((4, 0, 42, 40)))
    s.grad(body, [(0.0, (70, 40, 20)), (0.3, (170, 116, 64)), (0.7, (130, 82, 42)), (1.0, (60, 34, 16))], vertical=True)
    staves = s.lines([[(4, y), (42, y)] for y in range(6, 40, 7)], 0.8)
    P.fill(s.img, (50, 30, 14, 140), ImageChops.multiply(staves, body))
    for x in (10, 34):
        s.grad(ImageChops.multiply(body, s.rect((x - 2, 0, x + 2, 40))), IRON, vertical=True)
    s.paint(s.rect((20, 24, 26, 34), 1), (50, 30, 14))
    return s.done()


def teapot():
    s = Sheet(62, 44)
    col = (40, 96, 110)
    body = s.ell((10, 8, 50, 44))
    s.rgrad(body, 24, 18, 40, [(0.0, P.shade(col, 1.6)), (0.5, col), (1.0, P.shade(col, 0.45))])
    spout = s.poly([(46, 30), (60, 12), (62, 16), (48, 38)])
    s.grad(spout, cyl(col))
    s.paint(s.arc((0, 14, 20, 36), 90, 270, 3.4), P.shade(col, 0.8))
    s.paint(s.ell((20, 4, 40, 12)), P.shade(col, 1.1))
    s.paint(s.ell((27, 0, 33, 6)), P.GOLD)
    s.paint(ImageChops.multiply(body, s.rect((10, 24, 50, 27))), P.GOLD)
    s.gloss(s.ell((18, 12, 28, 20)), 90)
    return s.done()


def pot_plant():
    s = Sheet(46, 60)
    rng = random.Random(9)
    for i in range(9):
        a = math.radians(-160 + i * 18 + rng.uniform(-6, 6))
        l = rng.uniform(22, 34)
        x, y = 23 + math.cos(a) * l, 36 + math.sin(a) * l
        leaf = s.line(s.curve_pts((23, 36), ((23 + x) / 2 + rng.uniform(-6, 6), (36 + y) / 2 - 6), (x, y), 12), 4.5)
        s.paint(leaf, (60 + i * 6, 120 + (i % 3) * 14, 50))
    pot = s.poly([(8, 36), (38, 36), (34, 60), (12, 60)])
    s.grad(pot, cyl((176, 90, 56)))
    s.paint(s.rect((6, 34, 40, 40), 1), (190, 100, 62))
    return s.done()


def basket():
    s = Sheet(64, 48)
    s.paint(s.arc((8, 0, 56, 40), 180, 360, 4), (150, 110, 60))
    body = s.poly([(0, 18), (64, 18), (56, 48), (8, 48)])
    s.grad(body, cyl((196, 150, 86), 1.2, 0.55))
    weave = s.lines([[(0, y), (64, y)] for y in range(22, 48, 5)] + [[(x, 18), (x + 2, 48)] for x in range(4, 64, 7)],
                    1)
    P.fill(s.img, (110, 76, 36, 170), ImageChops.multiply(weave, body))
    s.paint(s.rect((0, 16, 64, 21), 2), (160, 116, 62))
    cloth = s.poly([(14, 18), (24, 8), (40, 6), (50, 18)])
    s.paint(cloth, (230, 220, 196))
    s.paint(ImageChops.multiply(cloth, s.rect((0, 10, 64, 13))), (150, 30, 40))
    return s.done()


def inkwell():
    s = Sheet(30, 26)
    body = s.rect((0, 8, 30, 26), 4)
    s.grad(body, cyl((40, 46, 60), 1.6, 0.5))
    s.paint(s.rect((8, 2, 22, 10), 2), (50, 56, 70))
    s.paint(s.ell((9, 0, 21, 5)), (20, 20, 30))
    s.gloss(s.rect((4, 11, 7, 22), 1), 80)
    return s.done()


# ================================================================ taproom props (in front of everything)

def prop_barrel():
    """A standing barrel in the front left corner; much of it lies under the find list."""
    s = Sheet(176, 250)
    body = s.poly(s.curve_pts((12, 20), (-6, 125), (12, 250), 20) + s.curve_pts((164, 250), (182, 125), (164, 20), 20))
    s.grad(body, [(0.0, (40, 22, 10)), (0.2, (150, 96, 50)), (0.45, (122, 76, 38)), (0.8, (70, 40, 18)),
                  (1.0, (34, 18, 8))])
    staves = s.lines([s.curve_pts((88 + k * 16, 20), (88 + k * 20, 125), (88 + k * 16, 250), 16) for k in range(-5, 6)],
                     1.4)
    P.fill(s.img, (30, 16, 6, 170), ImageChops.multiply(staves, body))
    s.grain(body, 101, 0.55)
    for y in (44, 64, 196, 216):
        hoop = ImageChops.multiply(s.rect((-10, y, 190, y + 9)), body)
        s.grad(hoop, IRON, vertical=True)
        s.bevel(hoop, 1, 0.4, 0.5)
    top = s.ell((8, 0, 168, 42))
    s.paint(top, (44, 30, 22))
    lid = s.ell((16, 4, 160, 38))
    s.grad(lid, [(0.0, (150, 100, 56)), (1.0, (96, 60, 30))], vertical=True)
    s.grain(lid, 103, 0.5)
    boards = s.lines([[(x, 4), (x, 38)] for x in (52, 88, 124)], 1.2)
    P.fill(s.img, (50, 30, 14, 170), ImageChops.multiply(boards, lid))
    return s.done(shadow=0.45)


def prop_lantern():
    """The lantern hanging over the bar on a chain from the beam."""
    s = Sheet(72, 150)
    chain = s.mask(lambda d, sc: [d.ellipse(s._b((31, y, 41, y + 12), sc), outline=255, width=int(2.2 * sc))
                                  for y in range(0, 66, 9)])
    s.paint(chain, (40, 34, 30))
    lamp = ui_art.lantern((80, 80), True, 103)
    s.img.alpha_composite(lamp, (s.PAD - 4, s.PAD + 64))
    return s.done(shadow=0.3)


def prop_chair():
    """The back of a ladder-back chair in the foreground."""
    s = Sheet(150, 230)
    wood = [(0.0, (60, 34, 16)), (0.3, (150, 96, 52)), (0.6, (112, 68, 34)), (1.0, (50, 28, 12))]
    for x in (0, 130):
        post = s.rect((x, 0, x + 20, 230), 6)
        s.grad(post, wood)
        s.grain(post, 111 + x, 0.6)
        s.bevel(post, 2, 0.4, 0.5)
        s.paint(s.ell((x - 2, -6, x + 22, 12)), (120, 76, 40))
    for y in (24, 64, 104):
        slat = s.poly(s.curve_pts((12, y), (75, y + 14), (138, y), 12)
                      + s.curve_pts((138, y + 20), (75, y + 34), (12, y + 20), 12))
        s.grad(slat, [(0.0, (150, 96, 52)), (1.0, (80, 48, 24))], vertical=True)
        s.grain(slat, 117 + y, 0.6, vertical=False)
        s.bevel(slat, 2, 0.5, 0.5)
    seat = s.rect((-8, 168, 158, 186), 5)
    s.grad(seat, [(0.0, (160, 106, 58)), (1.0, (70, 40, 18))], vertical=True)
    s.grain(seat, 119, 0.6, vertical=False)
    s.bevel(seat, 2, 0.5, 0.5)
    return s.done(shadow=0.45)


# ================================================================ scene files

class Scene:
    """The items of one scene, in file order, with their pictures."""

    def __init__(self, name, folder):
        self.name = name
        self.folder = folder            # relative to the repository root, with a trailing slash
        self.items = []
        self.images = {}

    def add(self, en, de, image, picture, type_id, layer, at, anchor="bottom", tint=(255, 255, 255, 255),
            major=0, angle=0, info=""):
        """Append an item. at = (centre x, y) where y is the picture's bottom edge
        (anchor "bottom"), its top edge ("top") or its middle ("middle"). Rain
        reads its density (0..100) from `major` and its slant in degrees from
        `angle`; animated scenery names its animation file, beside the scene's
        pictures, in `info`."""
        w, h = picture.size
        cx, y = at
        top = {"bottom": y - h, "top": y, "middle": y - h / 2}[anchor]
        known = self.images.get(image)
        if known is not None and known.tobytes() != picture.tobytes():
            raise ValueError("%s: two different pictures under one name" % image)
        self.images[image] = picture
        self.items.append({"en": en, "de": de, "image": image, "typeId": type_id, "layer": layer,
                           "x": int(round(cx - w / 2)), "y": int(round(top)), "rgba": tuple(tint),
                           "major": int(major), "angle": angle, "info": info})
        return len(self.items) - 1

    def xml(self, column):
        rows = ['<?xml version="1.0" encoding="UTF-8"?>', "<Scene>",
                '  <Screen width="%d" height="%d" xOffset="0" yOffset="0"/>' % (W, H)]
        for it in self.items:
            r, g, b, a = it["rgba"]
            rows.append('  <Item name="%s" image="%s" layer="%d" majorGroupID="%d" minorGroupID="0" x="%d" y="%d"'
                        ' angle="%g" R="%d" G="%d" B="%d" A="%d" type="0" infoTip="%s" typeId="%d"/>'
                        % (xml_escape(it[column]), xml_escape(it["image"]), it["layer"], it["major"], it["x"],
                           it["y"], it["angle"], r, g, b, a, xml_escape(it["info"]), it["typeId"]))
        rows.append("</Scene>")
        return "\n".join(rows) + "\n"

    def compose(self, upto=None):
        """The screen as the game draws it: ascending layer, then ascending index."""
        canvas = Image.new("RGBA", (W, H), (0, 0, 0, 255))
        for i in draw_order(self.items)[:upto]:
            canvas.alpha_composite(*self.placed(i))
        return canvas

    def placed(self, i):
        it = self.items[i]
        pic = modulate(self.images[it["image"]], it["rgba"])
        layer = Image.new("RGBA", (W, H), (0, 0, 0, 0))
        layer.paste(pic, (it["x"], it["y"]))
        return layer, (0, 0)


def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def draw_order(items):
    return sorted(range(len(items)), key=lambda i: (items[i]["layer"], i))


def modulate(picture, rgba):
    r, g, b, a = rgba
    if (r, g, b, a) == (255, 255, 255, 255):
        return picture
    bands = picture.split()
    return Image.merge("RGBA", [band.point(lambda v, f=f: v * f // 255) for band, f in zip(bands, (r, g, b, a))])


def is_goal(type_id):
    return 1 <= type_id <= LOCKET_TYPE or 201 <= type_id <= 205


def is_scenery(type_id):
    """The room, what is drawn below it, rain and animated scenery: never found."""
    return 600 <= type_id <= 799


def group_of(type_id):
    if is_scenery(type_id):
        return GROUP_ROOM
    if 500 <= type_id <= 599:
        return GROUP_PROP
    if type_id == STAR_TYPE:
        return GROUP_BONUS
    return GROUP_FIND


def visible_share(scene, index):
    """How much of an item's solid picture is not covered by the items drawn over it."""
    order = draw_order(scene.items)
    it = scene.items[index]
    own = Image.new("L", (W, H), 0)
    own.paste(scene.images[it["image"]].getchannel("A").point(lambda v: 255 if v >= 128 else 0), (it["x"], it["y"]))
    total = own.histogram()[255]
    cover = Image.new("L", (W, H), 0)
    for j in order[order.index(index) + 1:]:
        o = scene.items[j]
        a = modulate(scene.images[o["image"]], o["rgba"]).getchannel("A").point(lambda v: 255 if v >= 128 else 0)
        cover.paste(255, (o["x"], o["y"]), a)
    left = ImageChops.subtract(own, cover)
    return left.histogram()[255] / max(1, total)


def check_scene(scene, min_visible=0.5):
    """The rules every scene keeps; raises naming every broken one."""
    items = scene.items
    problems = []

    def need(ok, text):
        if not ok:
            problems.append(text)

    need(len(items) <= 128, "%d items: indices must stay within 0..127" % len(items))
    rooms = [i for i, it in enumerate(items) if it["typeId"] == ROOM_TYPE]
    need(rooms == [0], "the room must be the first and only item of typeId %d" % ROOM_TYPE)
    room_layer = items[0]["layer"] if items else 0
    ordinary = [it["typeId"] for it in items if 1 <= it["typeId"] <= 99]
    need(len(ordinary) == len(set(ordinary)), "an ordinary object appears twice")
    for i, it in enumerate(items):
        w, h = scene.images[it["image"]].size
        need(it["en"] and it["de"], "item %d has no name" % i)
        if it["typeId"] == ROOM_TYPE:
            need((it["x"], it["y"], w, h) == (0, 0, W, H) and 0 <= it["layer"] <= 5,
                 "the room must fill the screen, on layer 0..5")
        elif 601 <= it["typeId"] <= 699:
            need(it["layer"] < room_layer, "item %d (%s) must lie below the room" % (i, it["en"]))
        elif is_scenery(it["typeId"]):
            pass  # rain and animated scenery go where the scene needs them
        elif 500 <= it["typeId"] <= 599:
            need(it["layer"] >= 50, "prop %d (%s) must lie above the objects" % (i, it["en"]))
        else:
            need(room_layer < it["layer"] <= 40, "item %d (%s): layer %d" % (i, it["en"], it["layer"]))
        if is_goal(it["typeId"]) or it["typeId"] == STAR_TYPE:
            x0, y0, x1, y1 = FIND_AREA
            need(x0 <= it["x"] and it["x"] + w <= x1 and y0 <= it["y"] and it["y"] + h <= y1,
                 "goal %d (%s) at %d,%d %dx%d leaves the find area" % (i, it["en"], it["x"], it["y"], w, h))
            share = visible_share(scene, i)
            need(share >= min_visible, "goal %d (%s) is only %.0f%% visible" % (i, it["en"], share * 100))
    if problems:
        raise ValueError("%s:\n  " % scene.name + "\n  ".join(problems))


def write_text(relative, text):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    return path


def screen_step(screen_type, scene_id, config_file=None):
    """A stage that opens a puzzle from the scene and comes back to it; None
    (no stage) while the puzzle is not built yet (config.BUILT_MINIGAMES)."""
    import config
    if screen_type not in config.BUILT_MINIGAMES:
        return None
    attributes = [("type", screen_type), ("sceneId", scene_id), ("transition", "fade")]
    if config_file:
        attributes.append(("configFile", "content/config/minigames/" + config_file))
    return ("Screen", attributes)


def write_scene_files(scene, config_folder, stages, renderer_rules=(), files=None):
    """The scene's two item files, its pictures and its three rule files.
    stages: (identifier, rules) find-list stages and screen_step() entries, in order.
    renderer_rules: (renderer, typeId) pairs matched before the usual rules
    (3 rain, 4 animated scenery). files: more files for the scene folder, name
    -> picture or text (an animation and its frames, say)."""
    files = files or {}
    folder = os.path.join(ROOT, scene.folder)
    written = []

    def wrote(relative):
        # The pictures take most of a scene's writing time: a line each shows it moving.
        written.append(relative)
        print("wrote %s (%d/%d)" % (relative, len(written), len(scene.images) + len(files) + 5), flush=True)

    os.makedirs(folder, exist_ok=True)
    for stale in os.listdir(folder):
        if stale.endswith((".png", ".jpg", ".xml")) and stale not in scene.images and stale not in files and \
                stale not in (scene.name + ".xml", scene.name + "DE.xml"):
            os.remove(os.path.join(folder, stale))
    for name, picture in sorted(scene.images.items()):
        P.save(picture, os.path.join(folder, name))
        wrote(scene.folder + name)
    for name, thing in sorted(files.items()):
        if isinstance(thing, str):
            write_text(scene.folder + name, thing)
        else:
            P.save(thing, os.path.join(folder, name))
        wrote(scene.folder + name)
    for name, column in ((scene.name + ".xml", "en"), (scene.name + "DE.xml", "de")):
        write_text(scene.folder + name, scene.xml(column))
        wrote(scene.folder + name)
    types = sorted({it["typeId"] for it in scene.items}, key=lambda t: (-group_of(t), t))
    groups = ['<?xml version="1.0" encoding="UTF-8"?>', "<ItemGroupRules>"]
    groups += ['  <Rule groupId="%d" typeId="%d" type="0"/>' % (group_of(t), t) for t in types]
    groups.append("</ItemGroupRules>")
    write_text(config_folder + "ItemGroups.xml", "\n".join(groups) + "\n")
    wrote(config_folder + "ItemGroups.xml")
    write_text(config_folder + "Renderers.xml", "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        "<ItemRendererRules>"] + ['  <Rule renderer="%d" typeId="%d"/>' % rule for rule in renderer_rules] + [
        '  <Rule renderer="1" groupId="%d"/>' % GROUP_ROOM,
        '  <Rule renderer="1" groupId="%d"/>' % GROUP_PROP,
        '  <Rule renderer="0"/>',
        "</ItemRendererRules>"]) + "\n")
    wrote(config_folder + "Renderers.xml")
    mech = ['<?xml version="1.0" encoding="UTF-8"?>', "<SceneMechanics>"]
    for stage in stages:
        if stage is None:
            continue
        identifier, rules = stage
        if identifier == "Screen":
            mech.append("  <Screen %s/>" % " ".join('%s="%s"' % (k, xml_escape(str(v))) for k, v in rules))
            continue
        mech.append('  <CollectGroup identifier="%s">' % identifier)
        for rule in rules:
            mech.append("    <Collect %s/>" % " ".join('%s="%s"' % (k, xml_escape(str(v))) for k, v in rule))
        mech.append("  </CollectGroup>")
    mech.append("</SceneMechanics>")
    write_text(config_folder + "Mechanics.xml", "\n".join(mech) + "\n")
    wrote(config_folder + "Mechanics.xml")


def write_scene_index(entries):
    rows = ['<?xml version="1.0" encoding="UTF-8"?>', "<Indexes>"]
    rows += ['  <Index id="%d" fileName="%s" path="%s"/>' % e for e in entries]
    rows.append("</Indexes>")
    write_text("content/config/scene/sceneIndex.xml", "\n".join(rows) + "\n")
    print("wrote content/config/scene/sceneIndex.xml")


# ================================================================ the taproom: its items

# The ordinary objects of the Taproom, typeId = position + 1. The first seven
# are asked for by the first stage; the others wait for a later one.
TAPROOM_OBJECTS = [
    ("Tankard", "Bierkrug"), ("Horseshoe", "Hufeisen"), ("Pocket watch", "Taschenuhr"), ("Pipe", "Pfeife"),
    ("Dice", "Würfel"), ("Key ring", "Schlüsselbund"), ("Spyglass", "Fernrohr"), ("Candle", "Kerze"),
    ("Playing card", "Spielkarte"), ("Ship in a bottle", "Buddelschiff"), ("Quill", "Schreibfeder"),
    ("Anchor", "Anker"), ("Compass", "Kompass"), ("Scissors", "Schere"), ("Ship's bell", "Schiffsglocke"),
]
TAPROOM_FIRST_STAGE = 7     # objects 1..7
TAPROOM_COINS_ASKED = 5

# Decoys: (English, German, typeId)
DECOY = {
    "bottle": ("Bottle", "Flasche", 301), "book": ("Book", "Buch", 302), "plate": ("Plate", "Teller", 303),
    "cup": ("Cup", "Tasse", 304), "apple": ("Apple", "Apfel", 305), "bread": ("Bread", "Brot", 306),
    "rope": ("Rope", "Seil", 307), "broom": ("Broom", "Besen", 308), "hat": ("Hat", "Hut", 309),
    "picture": ("Picture", "Bild", 310), "jar": ("Honey jar", "Honigglas", 311), "cheese": ("Cheese", "Käse", 312),
    "log": ("Firewood", "Brennholz", 313), "bucket": ("Bucket", "Eimer", 314),
    "lifering": ("Life ring", "Rettungsring", 315), "glass": ("Wine glass", "Weinglas", 316),
    "towel": ("Towel", "Geschirrtuch", 317), "vase": ("Vase", "Vase", 318), "sack": ("Sack", "Sack", 319),
    "bowl": ("Fruit bowl", "Obstschale", 320), "bellows": ("Bellows", "Blasebalg", 321),
    "poker": ("Poker", "Schürhaken", 322), "kettle": ("Kettle", "Kessel", 323), "keg": ("Keg", "Fässchen", 324),
    "teapot": ("Teapot", "Teekanne", 325), "plant": ("Plant", "Pflanze", 326), "basket": ("Basket", "Korb", 327),
    "inkwell": ("Inkwell", "Tintenfass", 328),
}

# Warm shade for things away from the lamps, and a teal cast for things on the wall.
DIM = (214, 200, 186, 255)
DIMMER = (186, 170, 156, 255)
TEAL_CAST = (196, 218, 214, 255)


def taproom_items(sc):
    """Everything in the taproom except the room itself, in file order."""
    def obj(n, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de = TAPROOM_OBJECTS[n - 1]
        sc.add(en, de, "".join(w[0].upper() + w[1:] for w in en.replace("'", "").split()) + ".png", picture, n, layer,
               at, anchor, tint)

    def decoy(kind, image, picture, layer, at, anchor="bottom", tint=(255, 255, 255, 255)):
        en, de, t = DECOY[kind]
        sc.add(en, de, image, picture, t, layer, at, anchor, tint)

    def coin_at(image, picture, layer, at, tint=(255, 255, 255, 255)):
        sc.add("Coin", "Münze", image, picture, COIN_TYPE, layer, at, "bottom", tint)

    def cap_at(image, picture, layer, at, tint=(255, 255, 255, 255)):
        sc.add("Bottle cap", "Kronkorken", image, picture, CAP_TYPE, layer, at, "bottom", tint)

    # -- the ordinary objects, typeId 1..15
    obj(1, tankard(), 20, (150, 490))
    obj(2, horseshoe(), 4, (540, 22), "top", tint=DIM)
    obj(3, pocket_watch(), 12, (560, TAP_MANTEL - 42), "top")
    obj(4, tobacco_pipe(), 12, (352, TAP_MANTEL + 2), tint=DIM)
    obj(5, dice_pair(), 20, (270, 494))
    obj(6, key_ring(), 15, (702, 462), "top", tint=DIM)
    obj(7, spyglass(), 10, (748, TAP_SHELVES[0] + 3))  # in front of the bottles
    obj(8, candle(), 12, (398, TAP_MANTEL + 2))
    obj(9, playing_card(), 27, (338, 650), tint=DIM)
    obj(10, ship_in_bottle(), 10, (142, TAP_SILL + 2))
    obj(11, quill(), 12, (962, TAP_COUNTER - 14))
    obj(12, anchor(), 3, (292, 304), tint=TEAL_CAST)
    obj(13, compass(), 7, (962, TAP_SHELVES[1] + 2))
    obj(14, scissors(), 3, (604, 200), "top")
    obj(15, ships_bell(), 3, (612, 296), "top")

    # -- coins: eight places, any five of them are asked for
    flat_a, flat_b, face = coin(True, 0), coin(True, 1), coin()
    coin_at("Coin.png", face, 12, (474, TAP_MANTEL + 1))
    coin_at("CoinFlat.png", flat_a, 16, (782, TAP_COUNTER + 8))
    coin_at("CoinFlat2.png", flat_b, 30, (866, 652), DIM)
    coin_at("CoinFlat.png", flat_a, 10, (214, TAP_SILL + 6))
    coin_at("CoinFlat2.png", flat_b, 21, (206, 496))
    coin_at("Coin.png", face, 8, (880, TAP_SHELVES[0] + 1))
    coin_at("CoinFlat.png", flat_a, 29, (470, 614), DIM)
    coin_at("Coin.png", face, 17, (870, TAP_COUNTER + 2))  # on the bar, before the cup

    # -- bottle caps
    cap_at("CapRed.png", bottle_cap("red", 0.7, 15), 28, (246, 604))
    cap_at("CapGreen.png", bottle_cap("green", 0.7, -10), 16, (836, TAP_COUNTER + 7))
    cap_at("CapSilver.png", bottle_cap("silver", 0.75, 5), 26, (404, 574))
    cap_at("CapBlue.png", bottle_cap("blue"), 8, (868, TAP_SHELVES[1] + 1))
    cap_at("CapGreen2.png", bottle_cap("green", 0.7, 25), 30, (702, 644), DIM)
    cap_at("CapRed2.png", bottle_cap("red", 0.65, -30), 31, (216, 658), DIMMER)

    # -- decoys: the top shelf
    shelf0 = TAP_SHELVES[0] + 2
    decoy("bottle", "BottleGreen.png", bottle((40, 104, 60), 86, "wine", seed=0), 8, (684, shelf0))
    decoy("bottle", "BottleRum.png", bottle((120, 44, 30), 88, "rum", seed=1), 8, (806, shelf0))
    decoy("bottle", "BottleAmber.png", bottle((176, 120, 40), 72, "flask", seed=2), 8, (846, shelf0))
    decoy("bottle", "BottleBlue.png", bottle((44, 70, 120), 90, "wine", seed=3), 8, (918, shelf0))
    decoy("bottle", "BottleDark.png", bottle((30, 60, 40), 80, "rum", P.CREAM, seed=4), 8, (962, shelf0))
    decoy("bottle", "BottleRed.png", bottle((130, 30, 40), 92, "wine", seed=5), 8, (1004, shelf0))
    decoy("bottle", "BottleGreen.png", bottle((40, 104, 60), 86, "wine", seed=0), 9, (720, shelf0 + 1))
    decoy("lifering", "LifeRing.png", life_ring(), 2, (958, 76), "top", DIM)
    # the lower shelf
    shelf1 = TAP_SHELVES[1] + 2
    decoy("jar", "HoneyJar.png", jar(), 8, (676, shelf1))
    decoy("teapot", "Teapot.png", teapot(), 8, (726, shelf1))
    decoy("plate", "PlateBlue.png", plate(), 6, (790, shelf1 - 2))
    decoy("bottle", "BottleAmberTall.png", bottle((190, 130, 50), 78, "wine", seed=6), 9, (818, shelf1))
    decoy("keg", "Keg.png", keg(), 8, (914, shelf1))
    decoy("bottle", "BottleRum2.png", bottle((90, 50, 24), 76, "rum", seed=7), 9, (1002, shelf1))
    decoy("bottle", "BottleFlask.png", bottle((60, 110, 100), 66, "flask", seed=8), 9, (942, shelf1 + 1))
    # the counter
    decoy("glass", "WineGlass.png", wine_glass(), 16, (666, TAP_COUNTER + 4))
    decoy("glass", "WineGlassWhite.png", wine_glass((230, 200, 110)), 16, (808, TAP_COUNTER + 4))
    decoy("cup", "Teacup.png", teacup(), 16, (880, TAP_COUNTER + 6))
    decoy("towel", "Towel.png", towel(), 15, (926, TAP_COUNTER - 2), "top")
    decoy("inkwell", "Inkwell.png", inkwell(), 13, (962, TAP_COUNTER + 4))
    decoy("bottle", "BottleCounter.png", bottle((50, 90, 60), 70, "rum", seed=9), 16, (1000, TAP_COUNTER + 4))
    # the mantelpiece and the chimney breast
    decoy("picture", "ShipPainting.png", framed_picture(150, 104), 2, (450, 96), "top")
    decoy("vase", "Vase.png", vase_with_flowers(), 11, (440, TAP_MANTEL + 2))
    for i, colour in enumerate(((120, 28, 46), (30, 80, 90), (150, 110, 40))):
        decoy("book", "Book%d.png" % (i + 1), book(colour, h=[54, 48, 58][i], w=[14, 12, 15][i]), 11,
              (498 + i * 15, TAP_MANTEL + 2))
    decoy("book", "BookLying.png", book((70, 50, 90), 50, 12, lying=True), 10, (520, TAP_MANTEL + 2))
    decoy("picture", "Portrait.png", framed_picture(44, 56, "portrait"), 2, (598, 68), "top")
    # the fireplace
    decoy("kettle", "Kettle.png", kettle(), 5, (420, 440), "top", DIM)
    decoy("bellows", "Bellows.png", bellows(), 6, (338, 392), "top")
    decoy("poker", "Poker.png", poker(), 24, (574, 560))
    decoy("log", "Log.png", log(), 24, (352, 576))
    decoy("log", "Log2.png", log(58, 9), 25, (344, 584))
    decoy("rope", "Rope.png", rope_coil(), 25, (548, 584))
    # the window sill and the wall by the window
    decoy("plant", "Plant.png", pot_plant(), 9, (46, TAP_SILL + 2))
    decoy("apple", "AppleGreen.png", apple((130, 170, 50)), 11, (230, TAP_SILL + 2))
    decoy("hat", "Hat.png", tricorn_hat(), 3, (74, 384), "top")
    decoy("broom", "Broom.png", broom(), 22, (612, 560))
    # the table
    decoy("bowl", "FruitBowl.png", wooden_bowl(), 18, (238, 478))
    decoy("cheese", "Cheese.png", cheese(), 19, (318, 490))
    decoy("apple", "Apple.png", apple(), 21, (296, 498))
    decoy("plate", "Plate.png", plate((150, 30, 40), 20), 17, (190, 476))
    decoy("bread", "Bread.png", bread(), 18, (186, 472))
    # the floor
    decoy("bucket", "Bucket.png", bucket(), 28, (988, 654), tint=DIM)
    decoy("basket", "Basket.png", basket(), 27, (776, 650), tint=DIM)
    decoy("sack", "Sack.png", sack(), 26, (300, 598), tint=DIM)
    decoy("apple", "Apple.png", apple(), 28, (428, 626), tint=DIM)

    # -- foreground props: the barrel, the lantern over the bar, a chair
    sc.add("Barrel", "Fass", "PropBarrel.png", prop_barrel(), 501, 52, (80, 470), "top")
    sc.add("Lantern", "Laterne", "PropLantern.png", prop_lantern(), 502, 50, (TAP_LANTERN[0], TAP_WALL_TOP - 6), "top")
    sc.add("Chair", "Stuhl", "PropChair.png", prop_chair(), 503, 51, (660, 470), "top")


def taproom():
    """Paints and writes the Taproom, scene 1."""
    sc = Scene("Taproom", "content/scenes/Taproom/")
    sc.add("Taproom", "Gaststube", "Taproom.jpg", taproom_room(), ROOM_TYPE, 0, (W / 2, 0), "top")
    taproom_items(sc)
    check_scene(sc)
    first = [(("name", en), ("typeId", i + 1), ("pick", "first"), ("count", 1))
             for i, (en, _de) in enumerate(TAPROOM_OBJECTS[:TAPROOM_FIRST_STAGE])]
    first.append((("name", "Coin"), ("typeId", COIN_TYPE), ("pick", "all"), ("count", TAPROOM_COINS_ASKED)))
    caps = [(("name", "COUNT_BOTTLE_CAPS"), ("typeId", CAP_TYPE), ("pick", "all"))]
    write_scene_files(sc, "content/config/scene/Taproom/", [("STACKED_ITEM_LIST", first),
                                                           screen_step("MG_Screen2", 1, "screen2.xml"),
                                                           ("FIND_X_ITEMS", caps)])
    return sc


def scene_in(module, function):
    """A scene painted by a module of its own, imported when it is painted."""
    def paint():
        import importlib
        return getattr(importlib.import_module(module), function)()
    paint.module = module
    return paint


SCENES = [(1, "Taproom", taproom), (2, "Library", scene_in("scene_library", "library")),
          (3, "MusicRoom", scene_in("scene_musicroom", "music_room")),
          (4, "Kitchen", scene_in("scene_kitchen", "kitchen"))]


def contact_sheet(scene, path):
    cols, cell = 10, 128
    pics = sorted((k, v) for k, v in scene.images.items() if v.size != (W, H))
    rows = (len(pics) + cols - 1) // cols
    sheet = Image.new("RGBA", (cols * cell, rows * (cell + 16)), (40, 80, 84, 255))
    d = ImageDraw.Draw(sheet)
    for i, (name, pic) in enumerate(pics):
        x, y = (i % cols) * cell, (i // cols) * (cell + 16)
        f = min(1.0, (cell - 8) / max(pic.size))
        t = pic.resize((max(1, int(pic.size[0] * f)), max(1, int(pic.size[1] * f))), Image.Resampling.LANCZOS)
        sheet.alpha_composite(t, (x + (cell - t.size[0]) // 2, y + (cell - t.size[1]) // 2))
        d.text((x + 4, y + cell), name[:-4], fill=(255, 255, 255), font=P.font(P.SANS, 11))
    sheet.convert("RGB").save(path)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sheet", help="also write a contact sheet of the item pictures to this PNG (outside content/)")
    ap.add_argument("--only", metavar="NAME", help="paint only this scene (Taproom, Library, MusicRoom, Kitchen)")
    args = ap.parse_args()
    if args.only and args.only not in [name for _id, name, _fn in SCENES]:
        sys.exit("no scene %s" % args.only)
    if args.sheet and os.path.abspath(args.sheet).startswith(os.path.join(ROOT, "content")):
        sys.exit("the contact sheet does not belong in content/")
    start = time.time()
    index = []
    painting = [name for _id, name, _fn in SCENES if not args.only or args.only == name]
    for scene_id, name, fn in SCENES:
        module = getattr(fn, "module", None)
        if module and not os.path.exists(os.path.join(os.path.dirname(os.path.abspath(__file__)), module + ".py")):
            print("%s: not painted yet (%s.py is missing)" % (name, module))
            continue
        index.append((scene_id, name, "content/scenes/%s/" % name))
        if args.only and args.only != name:
            continue
        # Painting a room and its items takes seconds before the first file is written.
        print("%s (%d/%d): painting the room and its items" % (name, painting.index(name) + 1, len(painting)),
              flush=True)
        sc = fn()
        counts = {}
        for it in sc.items:
            t = it["typeId"]
            kind = ("room" if t == ROOM_TYPE else "scenery" if is_scenery(t) else "props" if 500 <= t <= 599
                    else "decoys" if 300 <= t <= 399 else "stars" if t == STAR_TYPE
                    else "locket pieces" if t == LOCKET_TYPE else "objects" if t < 100
                    else {COIN_TYPE: "coins", CAP_TYPE: "caps", KEY_TYPE: "keys", FEATHER_TYPE: "feathers",
                          SHELL_TYPE: "shells"}[t])
            counts[kind] = counts.get(kind, 0) + 1
        size = sum(os.path.getsize(os.path.join(ROOT, sc.folder, n)) for n in sc.images)
        print("%s: %d items (%s), %d pictures, %d bytes" % (name, len(sc.items), ", ".join(
            "%d %s" % (v, k) for k, v in sorted(counts.items())), len(sc.images), size))
        if args.sheet:
            contact_sheet(sc, args.sheet)
    write_scene_index(index)
    print("scenes.py: done in %.1f s" % (time.time() - start))


if __name__ == "__main__":
    main()
