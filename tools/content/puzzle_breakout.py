#!/usr/bin/python3
"""Paints the pictures of the breakout puzzle: the arcade cabinet in the cellar door's lock.

Usage: tools/content/puzzle_breakout.py [--only SUBSTRING ...] [--preview]

Writes into content/images/minigames/screen15/ (relative to the repository root):
- Bg.png      1024 x 768, the cellar door with the cabinet's screen set into it;
              the dark play field covers x 112..912, y 100..768, the bezel lies
              outside it, and the top rail (y 10..90) holds the two buttons at
              (24, 13) and (872, 13) with a dark caption plate between them;
- Ball.png    20 x 20, a silver locket bead;
- Bar.png     128 x 20, the brass paddle;
- Brick1.png .. Brick4.png, 88 x 28 enamel tiles: burgundy, honey, teal, ivory.

With --preview, also lays the bricks, bar and ball over the background as the
puzzle starts and writes that to /tmp/breakout_preview.png (never into
content/). The output is the same on every run: all randomness is seeded.
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

OUT_DIR = "images/minigames/screen15"
PREVIEW = "/tmp/breakout_preview.png"

W, H = 1024, 768
CH = H + 32                           # the background is painted this tall and cropped: no bevel at the bottom
CANVAS = (W, CH)
FIELD = (112, 100, 912, 768)          # the ball's walls: left, top, right; open at the bottom
CAPTION_PLATE = (164, 16, 860, 84)    # dark plate between the two buttons
BUTTONS = ((24, 13), (872, 13))       # 128 x 64 each
CABINET = (70, 60, 954, 800)          # the cabinet's wooden case, set into the door
BEZEL = 14                            # brass lip around the screen

BALL_SIZE = (20, 20)
BAR_SIZE = (128, 20)
BRICK_SIZE = (88, 28)

IRON = [(0.0, (58, 58, 62)), (0.35, (40, 40, 44)), (1.0, (18, 18, 22))]
BRASS_STOPS = [(0.0, (120, 84, 30)), (0.25, (240, 206, 128)), (0.5, (204, 160, 74)),
               (0.75, (168, 122, 48)), (1.0, (104, 70, 24))]

ASSETS = Assets(OUT_DIR)
asset = ASSETS.add


# ================================================================ the door and the cabinet

def door_planks(seed=151):
    """Dark oak planks, standing, with grooves between them (RGBA)."""
    stops = [(0.0, (24, 14, 8)), (0.45, (46, 28, 15)), (0.85, (68, 43, 24)), (1.0, (86, 56, 32))]
    img = P.wood(W, CH, seed, stops, vertical=True, lines=W / 22, wobble=3.0).convert("RGBA")
    rng = random.Random(seed)
    edges = [-96 + 136 * k for k in range(10)]
    grooves = Image.new("L", CANVAS, 0)
    for x0, x1 in zip(edges, edges[1:]):
        P.multiply(img, P.shade((255, 255, 255), rng.uniform(0.78, 1.0)), P.rect_mask(CANVAS, (x0 + 3, 0, x1, CH)))
        ImageDraw.Draw(grooves).rectangle((x1, 0, x1 + 2, CH), fill=255)
    P.fill(img, (6, 3, 2, 235), grooves)
    P.fill(img, (255, 206, 150, 34), P.shift(grooves, 3, 0))
    # old scuffs and dark knots
    knots = P.fbm(W, CH, seed + 4, ((40, 0.6), (12, 0.4))).point(lambda i: 255 if i > 226 else 0)
    P.fill(img, (10, 5, 3, 120), P.blur(knots, 2))
    return img


def rivet(img, cx, cy, r, seed=0):
    """A domed iron rivet with a soft shadow (in place)."""
    size = img.size
    m = P.ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r))
    P.cast_shadow(img, m, (1, 2), 1.5, 0.7)
    dome = P.gradient_map(P.radial_field(size[0], size[1], cx - r * 0.35, cy - r * 0.4, r * 1.9),
                          [(0.0, (150, 146, 140)), (0.35, (76, 74, 74)), (1.0, (20, 20, 22))])
    P.fill(img, dome, m)


def iron_strap(img, box, seed, rivets=()):
    """A hammered iron band across the door (in place); rivets are x positions."""
    x0, y0, x1, y1 = box
    m = P.rrect_mask((W, CH), box, 3)
    P.cast_shadow(img, m, (0, 5), 5, 0.75)
    iron = Image.new("RGB", (W, CH), (18, 18, 22))
    iron.paste(P.vgradient(int(x1 - x0), int(y1 - y0), IRON), (int(x0), int(y0)))
    hammer = P.fbm(W, CH, seed, ((14, 0.5), (5, 0.3), (2, 0.2)))
    P.soft_light(iron, hammer.point(lambda i: 100 + i // 5))
    rust = P.fbm(W, CH, seed + 1, ((30, 0.6), (6, 0.4))).point(lambda i: min(255, max(0, (i - 170) * 3)))
    iron = iron.convert("RGBA")
    P.fill(iron, (90, 44, 20, 70), P.blur(rust, 2))
    P.fill(img, iron, m)
    P.bevel(img, m, 3, 0.32, 0.6)
    cy = (y0 + y1) / 2
    for x in rivets:
        rivet(img, x, cy, min(7, (y1 - y0) * 0.2), seed)
    return m


def escutcheon(img, cx, cy):
    """The door's brass lock plate with its keyhole (in place)."""
    size = img.size
    plate = P.rrect_mask(size, (cx - 22, cy - 46, cx + 22, cy + 46), 10)
    P.cast_shadow(img, plate, (3, 4), 4, 0.7)
    P.fill(img, P.metal(W, CH, BRASS_STOPS, seed=161), plate)
    soft = P.fbm(W, CH, 162, ((10, 0.5), (3, 0.5))).point(lambda i: 108 + i // 8)
    P.soft_light(img, Image.composite(soft, Image.new("L", size, 128), plate), 0.6)
    P.bevel(img, plate, 3, 0.55, 0.55)
    inner = ImageChops.subtract(P.rrect_mask(size, (cx - 17, cy - 41, cx + 17, cy + 41), 7),
                                P.rrect_mask(size, (cx - 16, cy - 40, cx + 16, cy + 40), 6))
    P.fill(img, (90, 58, 18, 200), inner)
    hole = P.mask_from(size, lambda d, s: (
        d.ellipse(((cx - 7) * s, (cy - 16) * s, (cx + 7) * s, (cy - 2) * s), fill=255),
        d.polygon([((cx - 4) * s, (cy - 6) * s), ((cx + 4) * s, (cy - 6) * s), ((cx + 7) * s, (cy + 16) * s),
                   ((cx - 7) * s, (cy + 16) * s)], fill=255)))
    P.engrave(img, hole, 1, 0.92, 0.55)
    for y in (cy - 33, cy + 33):
        m = P.ellipse_mask(size, (cx - 3.5, y - 3.5, cx + 3.5, y + 3.5))
        P.fill(img, P.metal(W, CH, seed=3), m)
        P.bevel(img, m, 1, 0.6, 0.6)
        P.fill(img, (70, 44, 12, 210), P.mask_from(size, lambda d, s, y=y: d.line(
            [((cx - 2.5) * s, y * s), ((cx + 2.5) * s, y * s)], fill=255, width=s)))


def screw(img, cx, cy, r=4, angle=35):
    size = img.size
    m = P.ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r))
    P.cast_shadow(img, m, (1, 1), 1, 0.6)
    P.fill(img, P.metal(W, CH, seed=4), m)
    P.bevel(img, m, 1, 0.6, 0.6)
    dx, dy = math.cos(math.radians(angle)) * r * 0.75, math.sin(math.radians(angle)) * r * 0.75
    P.fill(img, (64, 40, 12, 220), P.mask_from(size, lambda d, s: d.line(
        [((cx - dx) * s, (cy - dy) * s), ((cx + dx) * s, (cy + dy) * s)], fill=255, width=s)))


def cabinet(img):
    """The cabinet's walnut case and the brass bezel around the screen (in place)."""
    size = (W, CH)
    case = P.rrect_mask(size, CABINET, 12)
    P.cast_shadow(img, case, (8, 6), 12, 0.85)
    walnut = P.wood(W, CH, 171, [(0.0, (30, 14, 8)), (0.5, (62, 30, 16)), (0.85, (96, 52, 28)),
                                (1.0, (120, 70, 38))], vertical=True, lines=W / 24)
    walnut = P.blur(walnut, 0.6)
    P.fill(img, walnut, case)
    P.bevel(img, case, 4, 0.38, 0.6)
    # a fine gold line inlaid along the case
    x0, y0, x1, y1 = CABINET
    inlay = ImageChops.subtract(P.rrect_mask(size, (x0 + 8, y0 + 8, x1 - 8, y1 + 40), 8),
                                P.rrect_mask(size, (x0 + 10, y0 + 10, x1 - 10, y1 + 40), 6))
    P.fill(img, (196, 150, 70, 150), inlay)
    # the brass bezel: a bevelled band with the screen's opening cut out
    fx0, fy0, fx1, fy1 = FIELD
    outer = P.rrect_mask(size, (fx0 - BEZEL, fy0 - BEZEL, fx1 + BEZEL, fy1 + 40), 8)
    opening = P.rect_mask(CANVAS, FIELD)
    band = ImageChops.subtract(outer, opening)
    P.cast_shadow(img, band, (2, 3), 3, 0.6)
    P.fill(img, P.hgradient(W, CH, [(0.0, (110, 74, 26)), (0.1, (226, 188, 108)), (0.5, (192, 148, 66)),
                                   (0.9, (150, 106, 40)), (1.0, (96, 64, 22))]), band)
    brushed = P.noise(W, CH, 1, 181, cell_y=1).resize((W, 12)).resize((W, CH), Image.Resampling.BICUBIC)
    P.soft_light(img, Image.composite(P.curve(brushed, lambda t: 0.42 + 0.16 * t), Image.new("L", size, 128), band),
                 0.8)
    P.bevel(img, band, 3, 0.55, 0.55)
    # a moulded groove halfway across the band
    g = BEZEL // 2
    groove = ImageChops.subtract(P.rect_mask(CANVAS, (fx0 - g - 1, fy0 - g - 1, fx1 + g + 1, fy1 + 40)),
                                 P.rect_mask(CANVAS, (fx0 - g, fy0 - g, fx1 + g, fy1 + 40)))
    P.fill(img, (92, 60, 20, 170), groove)
    P.fill(img, (255, 236, 170, 110),
           ImageChops.subtract(P.rect_mask(CANVAS, (fx0 - g, fy0 - g, fx1 + g, fy1 + 40)),
                               P.rect_mask(CANVAS, (fx0 - g + 1, fy0 - g + 1, fx1 + g - 1, fy1 + 40))))
    # the bevel's inner edge: a shadowed step down to the glass
    step = ImageChops.subtract(P.rect_mask(CANVAS, (fx0 - 3, fy0 - 3, fx1 + 3, fy1 + 40)), opening)
    P.fill(img, (40, 24, 8, 230), step)
    P.fill(img, (255, 236, 180, 90),
           ImageChops.subtract(P.rect_mask(CANVAS, (fx0 - 5, fy0 - 5, fx1 + 5, fy1 + 40)),
                               P.rect_mask(CANVAS, (fx0 - 3, fy0 - 3, fx1 + 3, fy1 + 40))))
    for sx in (fx0 - BEZEL / 2, fx1 + BEZEL / 2):
        for sy in (fy0 + 40, 440, 730):
            screw(img, sx, sy, 3.5, 30 + sy % 60)


def top_rail(img):
    """The top iron band with the brass caption plate (in place); calm and dark."""
    size = (W, CH)
    band = (0, 6, W, 92)
    iron_strap(img, band, 191)
    # a brass plate riveted to the band, enamelled dark teal in the middle
    px0, py0, px1, py1 = CAPTION_PLATE
    plate = P.rrect_mask(size, (px0 - 4, py0 - 2, px1 + 4, py1 + 2), 10)
    P.cast_shadow(img, plate, (2, 4), 4, 0.7)
    P.fill(img, P.metal(W, CH, BRASS_STOPS, seed=192), plate)
    P.bevel(img, plate, 3, 0.5, 0.6)
    well = (px0 + 7, py0 + 7, px1 - 7, py1 - 7)
    m = P.rrect_mask(size, well, 6)
    enamel = Image.new("RGB", size, (8, 26, 30))
    enamel.paste(P.vgradient(well[2] - well[0], well[3] - well[1],
                             [(0.0, (10, 32, 36)), (0.5, (14, 40, 44)), (1.0, (6, 20, 24))]), well[:2])
    P.soft_light(enamel, P.fbm(W, CH, 193, ((40, 0.5), (8, 0.5))).point(lambda i: 120 + i // 16))
    P.fill(img, enamel, m)
    P.inner_shadow(img, m, 4, (2, 3), 0.75)
    P.fill(img, (255, 236, 190, 90), ImageChops.subtract(P.shift(m, 0, 1), m))
    # a hairline of gold just inside the enamel, well clear of the caption
    x0, y0, x1, y1 = well
    line = ImageChops.subtract(P.rrect_mask(size, (x0 + 5, y0 + 5, x1 - 5, y1 - 5), 4),
                               P.rrect_mask(size, (x0 + 6, y0 + 6, x1 - 6, y1 - 6), 3))
    P.fill(img, (196, 152, 70, 120), line)
    for sx in (px0 + 2, px1 - 2):
        screw(img, sx, (py0 + py1) / 2, 3, 45)
    # rivets along the band, where the buttons leave it bare
    for x in (11, 1013):
        rivet(img, x, 49, 4.5)


def crt_screen(img):
    """The dark glass of the play field: teal glow, scanlines, vignette (in place)."""
    fx0, fy0, fx1, fy1 = FIELD
    fw, fh = fx1 - fx0, fy1 - fy0
    glow_f = P.radial_field(fw, fh, fw / 2, fh * 0.46, fw * 0.72, fh * 0.82)
    glass = P.gradient_map(P.curve(glow_f, lambda t: t ** 0.9),
                           [(0.0, (18, 52, 56)), (0.45, (11, 36, 40)), (0.8, (6, 20, 24)), (1.0, (3, 10, 12))])
    glass = glass.convert("RGBA")
    # a whisper of phosphor mottling, blurred so it compresses
    P.soft_light(glass, P.blur(P.fbm(fw, fh, 201, ((90, 0.6), (30, 0.4))), 2).point(lambda i: 120 + i // 16))
    # scanlines: every third row a little darker, every row after it a touch lighter
    lines = Image.new("L", (fw, fh), 0)
    d = ImageDraw.Draw(lines)
    for y in range(0, fh, 3):
        d.line((0, y, fw, y), fill=255)
    P.multiply(glass, (150, 160, 160), lines, 0.5)
    lift = P.shift(lines, 0, 1)
    P.add_light(glass, (4, 10, 10), ImageChops.multiply(lift, P.invert(glow_f)), 1.0)
    # the tube's corners fall off into black
    corner = P.curve(P.radial_field(fw, fh, fw / 2, fh * 0.45, fw * 0.7, fh * 0.78),
                     lambda t: max(0.0, (t - 0.55) / 0.45) ** 1.5)
    P.multiply(glass, (0, 0, 0), corner, 0.75)
    # a faint reflection of the cellar lamp on the curved glass, upper left
    sheen = Image.new("L", (fw, fh), 0)
    ImageDraw.Draw(sheen).ellipse((-120, -180, 360, 190), fill=255)
    sheen = ImageChops.multiply(P.blur(sheen, 60), P.invert(P.blur(P.shift(sheen, 40, 30), 50)))
    P.add_light(glass, (40, 44, 36), sheen, 0.35)
    img.paste(glass, (fx0, fy0))
    # the bezel's shadow on the glass
    field_m = P.rect_mask(CANVAS, (fx0, fy0, fx1, CH))
    P.inner_shadow(img, field_m, 10, (3, 5), 0.8)
    P.inner_shadow(img, field_m, 3, (1, 2), 0.6)


@asset("Bg.png")
def background():
    img = door_planks()
    fx0, fx1 = FIELD[0], FIELD[2]
    # iron bands across the door, showing either side of the cabinet
    for y in (268, 612):
        iron_strap(img, (0, y, W, y + 44), 210 + y, rivets=(22, 48, W - 48, W - 22))
    # hinge knuckles on the left door edge, the lock plate on the right
    for y in (262, 606):
        knuckle = P.rrect_mask((W, CH), (0, y - 6, 12, y + 62), 4)
        P.fill(img, P.vgradient(W, CH, IRON), knuckle)
        P.bevel(img, knuckle, 2, 0.4, 0.6)
    escutcheon(img, 1024 - 34, 444)
    # hand-forged nail heads holding the planks to the battens
    for x in (24, W - 24):
        for y in (150, 740) if x > W / 2 else (150, 444, 740):
            nail = P.rrect_mask((W, CH), (x - 5, y - 5, x + 5, y + 5), 2)
            P.cast_shadow(img, nail, (1, 2), 2, 0.7)
            P.fill(img, P.gradient_map(P.radial_field(W, CH, x - 2, y - 2, 10),
                                       [(0.0, (110, 106, 100)), (1.0, (26, 24, 24))]), nail)
            P.bevel(img, nail, 1, 0.35, 0.5)
    # warm lamplight from the upper left on the door
    P.add_light(img, (70, 38, 12), P.invert(P.curve(P.radial_field(W, CH, 120, 160, 760, 700),
                                                    lambda t: t ** 0.7)), 0.8)
    P.vignette(img, 0.6, 0.35)
    cabinet(img)
    top_rail(img)
    crt_screen(img)
    # leave the glass untouched by the last light pass; darken only the frame's corners
    edge = P.curve(P.radial_field(W, CH, W / 2, H * 0.45, W * 0.78, H * 0.9), lambda t: max(0.0, t - 0.6) / 0.4)
    frame = P.invert(P.rect_mask(CANVAS, (fx0, FIELD[1], fx1, CH)))
    P.multiply(img, (0, 0, 0), ImageChops.multiply(edge, frame), 0.45)
    return img.crop((0, 0, W, H)).convert("RGB")


# ================================================================ the ball, the bar and the bricks

@asset("Ball.png")
def ball():
    k = 8
    w, h = BALL_SIZE
    size = (w * k, h * k)
    r = 9.4 * k
    cx, cy = w * k / 2, h * k / 2
    m = P.ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r), 1)
    body = P.gradient_map(P.radial_field(size[0], size[1], cx - 3.2 * k, cy - 3.6 * k, r * 1.75),
                          [(0.0, (255, 255, 252)), (0.18, (236, 236, 234)), (0.5, (172, 176, 182)),
                           (0.8, (96, 100, 110)), (1.0, (52, 54, 62))])
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    P.fill(img, body, m)
    # warm brass bounce light along the lower right rim
    rim = P.curve(P.radial_field(size[0], size[1], cx - 2.5 * k, cy - 2.5 * k, r * 1.5),
                  lambda t: max(0.0, (t - 0.62) / 0.38))
    P.add_light(img, (120, 82, 20), ImageChops.multiply(rim, m), 0.8)
    hl = P.ellipse_mask(size, (cx - 6.2 * k, cy - 6.6 * k, cx - 1.0 * k, cy - 2.6 * k), 1)
    P.fill(img, (255, 255, 255, 240), P.blur(hl, 0.8 * k))
    P.fill(img, (255, 255, 255), P.ellipse_mask(size, (cx - 4.6 * k, cy - 5.6 * k, cx - 2.4 * k, cy - 3.8 * k), 1))
    outline = ImageChops.subtract(m, P.ellipse_mask(size, (cx - r + 0.9 * k, cy - r + 0.9 * k,
                                                           cx + r - 0.9 * k, cy + r - 0.9 * k), 1))
    P.fill(img, (30, 28, 34, 200), outline)
    return img.resize(BALL_SIZE, Image.Resampling.LANCZOS)


@asset("Bar.png")
def bar():
    k = 4
    w, h = BAR_SIZE
    size = (w * k, h * k)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    m = P.rrect_mask(size, (0, 0, size[0], size[1]), h * k / 2, 1)
    body = P.metal(size[0], size[1], [(0.0, (150, 108, 40)), (0.18, (255, 236, 168)), (0.4, (226, 182, 92)),
                                      (0.7, (176, 128, 50)), (1.0, (92, 60, 20))], seed=221)
    P.fill(img, body, m)
    # rounded ends catch the light like the caps of a cylinder
    ends = P.hgradient(size[0], size[1], [(0.0, (0, 0, 0)), (0.08, (255, 255, 255)), (0.92, (255, 255, 255)),
                                          (1.0, (0, 0, 0))]).convert("L")
    P.multiply(img, (70, 46, 16), ImageChops.multiply(P.invert(ends), m), 0.7)
    P.bevel(img, m, 3 * k, 0.45, 0.45)
    # a burgundy enamel inlay along the middle, with gold edges
    x0, x1 = 20 * k, size[0] - 20 * k
    inlay = P.rrect_mask(size, (x0, 7.5 * k, x1, 12.5 * k), 2.5 * k, 1)
    P.fill(img, (222, 186, 104), P.rrect_mask(size, (x0 - k, 6.5 * k, x1 + k, 13.5 * k), 3.5 * k, 1))
    enamel = P.vgradient(size[0], size[1], [(0.0, (170, 60, 74)), (0.45, P.BURGUNDY), (1.0, P.DARK_BURGUNDY)])
    P.fill(img, enamel, inlay)
    P.inner_shadow(img, inlay, k, (0, k), 0.5)
    for ex in (11 * k, size[0] - 11 * k):
        stud = P.ellipse_mask(size, (ex - 3 * k, 7 * k, ex + 3 * k, 13 * k), 1)
        P.fill(img, (90, 58, 18, 200), P.shift(stud, k / 2, k / 2))
        P.fill(img, P.gradient_map(P.radial_field(size[0], size[1], ex - k, 9 * k, 5 * k),
                                   [(0.0, (255, 246, 200)), (1.0, (170, 124, 48))]), stud)
    # a long glint along the upper face
    streak = P.rrect_mask(size, (14 * k, 2.4 * k, size[0] - 14 * k, 4.6 * k), 1.2 * k, 1)
    P.fill(img, (255, 252, 230, 170), P.blur(streak, 0.8 * k))
    outline = ImageChops.subtract(m, P.rrect_mask(size, (k, k, size[0] - k, size[1] - k), (h / 2 - 1) * k, 1))
    P.fill(img, (70, 44, 12, 210), outline)
    return img.resize(BAR_SIZE, Image.Resampling.LANCZOS)


# Enamel colours: (light, mid, dark) and the ornament.
BRICK_LOOKS = [
    (((196, 74, 92), P.BURGUNDY, (58, 8, 20)), "diamond"),
    (((255, 214, 128), (226, 160, 62), (150, 84, 22)), "lantern"),
    (((72, 156, 160), (32, 104, 110), (10, 50, 58)), "diamond"),
    (((255, 252, 238), (238, 224, 192), (188, 166, 124)), "lantern"),
]


def brick(index):
    k = 4
    w, h = BRICK_SIZE
    size = (w * k, h * k)
    (light, mid, dark), ornament = BRICK_LOOKS[index]
    ivory = index == 3
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    outer = P.rrect_mask(size, (0, 0, size[0], size[1]), 4 * k, 1)
    # the gold rim
    P.fill(img, P.metal(size[0], size[1], [(0.0, (255, 230, 150)), (0.4, (214, 170, 84)), (1.0, (110, 72, 22))],
                        seed=230 + index), outer)
    P.fill(img, (60, 36, 10, 220), ImageChops.subtract(outer, P.rrect_mask(
        size, (0.8 * k, 0.8 * k, size[0] - 0.8 * k, size[1] - 0.8 * k), 3.4 * k, 1)))
    face_box = (2.4 * k, 2.4 * k, size[0] - 2.4 * k, size[1] - 2.4 * k)
    face = P.rrect_mask(size, face_box, 2.6 * k, 1)
    enamel = P.vgradient(size[0], size[1], [(0.0, light), (0.42, mid), (1.0, dark)])
    P.soft_light(enamel, P.blur(P.fbm(size[0], size[1], 240 + index, ((40, 0.5), (12, 0.5))), k)
                 .point(lambda i: 114 + i // 9))
    P.fill(img, enamel, face)
    P.bevel(img, face, 2 * k, 0.5, 0.45)
    # ornament pressed into the enamel in the middle
    cx, cy = size[0] / 2, size[1] / 2
    ink = (130, 100, 50) if ivory else P.shade(dark, 0.7)
    if ornament == "diamond":
        dm = P.poly_mask(size, [(cx, cy - 6 * k), (cx + 5 * k, cy), (cx, cy + 6 * k), (cx - 5 * k, cy)], 1)
        P.fill(img, P.rgba(P.shade(dark, 0.5), 150), P.blur(P.shift(dm, 0, k), k))
        P.fill(img, P.metal(size[0], size[1], seed=250 + index), dm)
        P.fill(img, P.rgba(P.shade(dark, 0.6), 180), ImageChops.subtract(dm, P.poly_mask(
            size, [(cx, cy - 4.4 * k), (cx + 3.5 * k, cy), (cx, cy + 4.4 * k), (cx - 3.5 * k, cy)], 1)))
        for sx in (cx - 14 * k, cx + 14 * k):
            dot = P.ellipse_mask(size, (sx - 1.5 * k, cy - 1.5 * k, sx + 1.5 * k, cy + 1.5 * k), 1)
            P.engrave(img, dot, k, 0.45, 0.4, ink=P.rgba(ink, 180))
    else:
        # a lantern dot: a ring with a bright core, and little rays either side
        ring = P.ring_mask(size, (cx - 5 * k, cy - 5 * k, cx + 5 * k, cy + 5 * k), 1.4 * k, 1)
        P.engrave(img, ring, k, 0.5, 0.45, ink=P.rgba(ink, 200))
        core = P.ellipse_mask(size, (cx - 2.4 * k, cy - 2.4 * k, cx + 2.4 * k, cy + 2.4 * k), 1)
        P.fill(img, P.metal(size[0], size[1], seed=260 + index), core)
        rays = P.mask_from(size, lambda d, s: [d.line([((cx + sg * 8 * k) * s, cy * s), ((cx + sg * 15 * k) * s, cy * s)],
                                                      fill=255, width=int(1.2 * k * s)) for sg in (-1, 1)], 1)
        P.engrave(img, rays, k, 0.4, 0.4, ink=P.rgba(ink, 150))
    # glaze: a soft gloss over the top half
    gloss = P.rrect_mask(size, (5 * k, 3.4 * k, size[0] - 5 * k, 11 * k), 3 * k, 1)
    P.fill(img, (255, 255, 255, 70 if not ivory else 90), P.blur(gloss, 1.2 * k))
    P.fill(img, (255, 255, 255, 150), P.blur(P.rrect_mask(size, (8 * k, 3.6 * k, 30 * k, 4.8 * k), 0.6 * k, 1),
                                             0.5 * k))
    return img.resize(BRICK_SIZE, Image.Resampling.LANCZOS)


for _n in range(4):
    asset("Brick%d.png" % (_n + 1))(lambda _n=_n: brick(_n))


# ================================================================ main

def preview(path):
    """The opening layout of the puzzle, for a quick look."""
    canvas = load(OUT_DIR + "/Bg.png")
    for row, y in enumerate((160, 196, 232, 268)):
        tile_img = load(OUT_DIR + "/Brick%d.png" % (row + 1))
        for c in range(8):
            canvas.alpha_composite(tile_img, (128 + 96 * c, y))
    canvas.alpha_composite(load(OUT_DIR + "/Bar.png"), (448, 680))
    canvas.alpha_composite(load(OUT_DIR + "/Ball.png"), (512 - BALL_SIZE[0] // 2, 600 - BALL_SIZE[1] // 2))
    canvas.convert("RGB").save(path)


if __name__ == "__main__":
    run(ASSETS, __doc__, preview, [PREVIEW], width=44)
