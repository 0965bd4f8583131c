#!/usr/bin/python3
"""Paints the pictures of the menus, the scene furniture and the mini-game screens.

Usage: tools/content/ui_art.py [--only SUBSTRING ...] [--sheet PNG]

Writes every picture under content/ (relative to the repository root). With
--sheet, also writes a contact sheet of everything painted to the given path
(keep it out of content/). The output is the same on every run: all
randomness is seeded.
"""

import argparse
import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

ASSETS = []


def asset(path):
    def register(fn):
        ASSETS.append((path, fn))
        return fn
    return register


def paste_layer(canvas, layer):
    canvas.alpha_composite(P.to_rgba(layer))
    return canvas


# ================================================================ shared drawings

# The standard button: a burgundy plate with a gold rim and a cream label area.
BTN_SIZE = (128, 64)
BTN_PLATE = (4, 8, 124, 50)
BTN_LABEL = (13, 14, 115, 44)


def burgundy_plate(size, box, radius, seed=1, rim=2):
    """RGBA burgundy plate with shadow, gloss and gold rim."""
    w, h = size
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    plate = P.rrect_mask(size, box, radius)
    paste_layer(img, P.drop_shadow(plate, (0, 3), 3, 0.55))
    body = P.vgradient(w, h, [(0.0, (168, 52, 68)), (0.45, P.BURGUNDY), (1.0, (62, 10, 22))])
    P.soft_light(body, P.fbm(w, h, seed, ((8, 0.6), (3, 0.4))).point(lambda i: 112 + i // 8))
    P.fill(img, body, plate)
    x0, y0, x1, y1 = box
    gloss = P.rrect_mask(size, (x0 + 4, y0 + 2, x1 - 4, y0 + (y1 - y0) * 0.45), radius * 0.7)
    P.fill(img, (255, 220, 220, 46), P.blur(gloss, 1.5))
    P.bevel(img, plate, depth=3, light=0.35, dark=0.4)
    P.gold_frame(img, box, radius, width=rim)
    return img


def cream_label(img, box, radius):
    """A recessed cream label area with a fine gold line (in place)."""
    w, h = img.size
    m = P.rrect_mask((w, h), box, radius)
    cream = P.vgradient(w, h, [(0.0, (255, 250, 232)), (0.5, P.CREAM), (1.0, (226, 204, 160))])
    P.fill(img, cream, m)
    P.inner_shadow(img, m, radius=2, offset=(1, 2), strength=0.45, colour=(70, 20, 10))
    x0, y0, x1, y1 = box
    ring = ImageChops.subtract(m, P.rrect_mask((w, h), (x0 + 1, y0 + 1, x1 - 1, y1 - 1), radius - 1))
    P.fill(img, (150, 108, 40, 200), ring)
    return img


def gold_diamond(img, cx, cy, r, light=True):
    w, h = img.size
    m = P.poly_mask((w, h), [(cx, cy - r), (cx + r * 0.8, cy), (cx, cy + r), (cx - r * 0.8, cy)])
    P.fill(img, P.metal(w, h), m)
    P.fill(img, (90, 56, 16, 140), ImageChops.subtract(m, P.poly_mask(
        (w, h), [(cx, cy - r + 1.2), (cx + r * 0.8 - 1, cy), (cx, cy + r - 1.2), (cx - r * 0.8 + 1, cy)])))
    if light:
        P.fill(img, (255, 250, 220, 200), P.ellipse_mask((w, h), (cx - r * 0.45, cy - r * 0.55,
                                                                  cx + r * 0.05, cy - r * 0.05)))
    return img


def lantern(size, lit=True, seed=3):
    """A brass ship's lantern with a warm glow, drawn on a 100 x 100 design grid (RGBA)."""
    w, h = size
    k = min(w, h) / 100.0
    ss = 4 if min(w, h) >= 48 else 8

    def pts(seq):
        return [(x * k, y * k) for x, y in seq]

    img = Image.new("RGBA", size, (0, 0, 0, 0))
    glass = P.poly_mask(size, pts([(30, 36), (70, 36), (74, 78), (26, 78)]), ss)
    if lit:
        paste_layer(img, P.glow(glass, (255, 196, 90), 12 * k, 1.6))
    body_parts = [
        P.poly_mask(size, pts([(36, 16), (64, 16), (78, 34), (22, 34)]), ss),        # roof
        P.rrect_mask(size, (20 * k, 32 * k, 80 * k, 39 * k), 2 * k, ss),           # roof rim
        P.rrect_mask(size, (22 * k, 76 * k, 78 * k, 84 * k), 2 * k, ss),            # base rim
        P.poly_mask(size, pts([(28, 84), (72, 84), (66, 93), (34, 93)]), ss),        # foot
        P.rrect_mask(size, (44 * k, 10 * k, 56 * k, 17 * k), 2 * k, ss),            # cap
    ]
    ring = P.ring_mask(size, (39 * k, 1 * k, 61 * k, 19 * k), 3.4 * k, ss)
    ring = ImageChops.multiply(ring, P.poly_mask(size, pts([(0, 0), (100, 0), (100, 12), (0, 12)]), ss))
    metal_mask = ring
    for m in body_parts:
        metal_mask = ImageChops.lighter(metal_mask, m)
    outline = ImageChops.lighter(metal_mask, glass).filter(ImageFilter.MaxFilter(3 if k >= 0.6 else 1))
    if k < 0.6:
        outline = P.blur(outline, 0.6).point(lambda i: min(255, i * 3))
    paste_layer(img, P.drop_shadow(outline, (max(1, int(2 * k)), max(1, int(2 * k))), 2 * k, 0.5))
    P.fill(img, (52, 28, 10), outline)
    if lit:
        flame_glass = P.radial_field(w, h, 50 * k, 62 * k, 26 * k, 30 * k)
        gl = P.gradient_map(flame_glass, [(0.0, (255, 250, 210)), (0.35, (255, 214, 110)),
                                           (0.8, (232, 142, 46)), (1.0, (186, 92, 30))])
    else:
        gl = P.vgradient(w, h, [(0.0, (70, 96, 100)), (1.0, (30, 50, 56))])
    P.fill(img, gl, glass)
    if lit:
        flame = P.ellipse_mask(size, (45 * k, 50 * k, 55 * k, 72 * k), ss)
        P.fill(img, (255, 255, 236), P.blur(flame, 1.2 * k))
    bars = P.mask_from(size, lambda d, s: [d.line([(x0 * k * s, 36 * k * s), (x1 * k * s, 78 * k * s)],
                                                  fill=255, width=max(1, int(2.6 * k * s)))
                                           for x0, x1 in ((30, 26), (50, 50), (70, 74))], ss)
    metal_mask = ImageChops.lighter(metal_mask, bars)
    P.fill(img, P.metal(w, h, seed=seed), metal_mask)
    P.bevel(img, metal_mask, depth=max(1, int(2 * k)), light=0.5, dark=0.45)
    if lit and k >= 0.6:
        P.fill(img, (255, 255, 255, 90), P.poly_mask(size, pts([(33, 40), (38, 40), (36, 74), (31, 74)]), ss))
    return img


def padlock(size, box, closed=True, seed=5):
    """A brass padlock inside box (RGBA layer)."""
    x0, y0, x1, y1 = box
    bw, bh = x1 - x0, y1 - y0
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    body = P.rrect_mask(size, (x0, y0 + bh * 0.42, x1, y1), bw * 0.14)
    lift = 0 if closed else bh * 0.16
    sx0, sx1 = x0 + bw * 0.18, x1 - bw * 0.18
    shackle = P.mask_from(size, lambda d, s: d.arc(
        (sx0 * s, (y0 - lift) * s, sx1 * s, (y0 + bh * 0.75 - lift) * s), 180, 360,
        fill=255, width=int(bw * 0.13 * s)))
    legs = P.mask_from(size, lambda d, s: [
        d.rectangle(((sx0) * s, (y0 + bh * 0.37 - lift) * s, (sx0 + bw * 0.13) * s, (y0 + bh * 0.5) * s), fill=255),
        d.rectangle(((sx1 - bw * 0.13) * s, (y0 + bh * 0.37 - lift) * s, sx1 * s,
                     (y0 + bh * (0.5 if closed else 0.42)) * s), fill=255)])
    if not closed:
        legs = ImageChops.multiply(legs, P.invert(P.mask_from(size, lambda d, s: d.rectangle(
            ((sx1 - bw * 0.13) * s, (y0 + bh * 0.3) * s, sx1 * s, (y0 + bh * 0.42) * s), fill=255))))
    shackle = ImageChops.lighter(shackle, legs)
    all_m = ImageChops.lighter(shackle, body)
    paste_layer(img, P.drop_shadow(all_m, (2, 3), 3, 0.55))
    steel = P.metal(size[0], size[1], [(0.0, (80, 80, 84)), (0.4, (220, 222, 226)), (1.0, (96, 96, 102))], seed)
    P.fill(img, steel, shackle)
    P.bevel(img, shackle, 2, 0.4, 0.4)
    P.fill(img, P.metal(size[0], size[1], seed=seed + 1), body)
    P.bevel(img, body, 3, 0.5, 0.5)
    kh = P.mask_from(size, lambda d, s: [
        d.ellipse(((x0 + bw * 0.42) * s, (y0 + bh * 0.58) * s, (x0 + bw * 0.58) * s, (y0 + bh * 0.72) * s), fill=255),
        d.polygon([((x0 + bw * 0.46) * s, (y0 + bh * 0.66) * s), ((x0 + bw * 0.54) * s, (y0 + bh * 0.66) * s),
                   ((x0 + bw * 0.57) * s, (y0 + bh * 0.86) * s), ((x0 + bw * 0.43) * s, (y0 + bh * 0.86) * s)],
                  fill=255)])
    P.engrave(img, kh, 1, 0.85, 0.5)
    return img


def parchment_panel(size, seed, radius=16, corner_ornaments=True, frame_inset=7):
    """Cream parchment dialog panel with a thin gold frame (RGBA)."""
    w, h = size
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    m = P.rrect_mask(size, (0, 0, w, h), radius)
    P.fill(img, P.parchment(w, h, seed, edge=14), m)
    # outer rim: a thin dark-gold edge so the panel reads on any backdrop
    rim = ImageChops.subtract(m, P.rrect_mask(size, (2, 2, w - 2, h - 2), radius - 2))
    P.fill(img, (122, 84, 34, 255), rim)
    i = frame_inset
    P.gold_frame(img, (i, i, w - i, h - i), max(4, radius - i), width=3)
    line = ImageChops.subtract(P.rrect_mask(size, (i + 6, i + 6, w - i - 6, h - i - 6), max(2, radius - i - 4)),
                               P.rrect_mask(size, (i + 7, i + 7, w - i - 7, h - i - 7), max(2, radius - i - 5)))
    P.fill(img, (168, 124, 52, 170), line)
    if corner_ornaments:
        for cx, cy in ((i + 14, i + 14), (w - i - 14, i + 14), (i + 14, h - i - 14), (w - i - 14, h - i - 14)):
            gold_diamond(img, cx, cy, 6)
    return img


def gold_divider(img, cx, y, half_width, seed=0):
    """A thin gold rule that fades out at both ends, with a diamond in the middle (in place)."""
    w, h = img.size
    line = Image.new("L", (w, h), 0)
    ImageDraw.Draw(line).rectangle((cx - half_width, y, cx + half_width, y + 1), fill=255)
    fade = P.radial_field(w, h, cx, y, half_width, 6)
    fade = P.invert(P.curve(fade, lambda t: t ** 2.2))
    P.fill(img, (160, 114, 38, 230), ImageChops.multiply(line, fade))
    P.fill(img, (255, 238, 180, 120), ImageChops.multiply(P.shift(line, 0, 1), fade))
    gold_diamond(img, cx, y + 1, 6)
    return img


def recessed_well(img, box, radius, stops, seed=0):
    """A dark inset area (list boxes, find list) with an inner shadow (in place)."""
    w, h = img.size
    m = P.rrect_mask((w, h), box, radius)
    x0, y0, x1, y1 = box
    g = Image.new("RGB", (w, h), stops[0][1])
    g.paste(P.vgradient(int(x1 - x0), int(y1 - y0), stops), (int(x0), int(y0)))
    P.soft_light(g, P.fbm(w, h, seed, ((24, 0.5), (6, 0.5))).point(lambda i: 116 + i // 10))
    P.fill(img, g, m)
    P.inner_shadow(img, m, radius=4, offset=(2, 3), strength=0.7)
    hl = ImageChops.subtract(P.shift(m, 0, 1), m)
    P.fill(img, (255, 236, 190, 120), hl)
    return m


# ================================================================ buttons and menu pieces

@asset("images/menus/BtnBase.png")
def btn_base():
    img = burgundy_plate(BTN_SIZE, BTN_PLATE, 11)
    cream_label(img, BTN_LABEL, 7)
    for cx in (8.5, 119.5):
        gold_diamond(img, cx, 29, 3.2, light=False)
    return img


@asset("images/menus/BtnFrame.png")
def btn_frame():
    size = BTN_SIZE
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    P.gold_frame(img, (1, 5, 127, 53), 13, width=4)
    for cx, cy in ((7, 11), (121, 11), (7, 47), (121, 47)):
        m = P.ellipse_mask(size, (cx - 2.6, cy - 2.6, cx + 2.6, cy + 2.6))
        P.fill(img, P.metal(*size), m)
        P.bevel(img, m, 1, 0.7, 0.5)
    return img


MAIN_BTN_SIZE = (260, 48)


def main_button(hover):
    size = MAIN_BTN_SIZE
    w, h = size
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    box = (8, 5, w - 8, h - 5)
    shape = P.mask_from(size, lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in ((box[0] + 14, box[1]), (box[2] - 14, box[1]), (box[2], h / 2),
                                     (box[2] - 14, box[3]), (box[0] + 14, box[3]), (box[0], h / 2))], fill=255))
    paste_layer(img, P.drop_shadow(shape, (0, 3), 3, 0.6))
    if hover:
        body = P.vgradient(w, h, [(0.0, (150, 44, 56)), (0.5, (104, 22, 38)), (1.0, (58, 8, 20))])
        P.add_light(body, (90, 46, 8), P.radial_field(w, h, w * 0.45, h * 0.5, w * 0.55, h * 0.9).point(
            lambda i: max(0, 255 - i)), 0.8)
    else:
        body = P.vgradient(w, h, [(0.0, (34, 92, 98)), (0.5, (18, 58, 66)), (1.0, (8, 30, 36))])
    P.soft_light(body, P.fbm(w, h, 11, ((12, 0.5), (4, 0.5))).point(lambda i: 118 + i // 12))
    P.fill(img, body, P.opacity(shape, 0.86))
    P.fill(img, (255, 255, 255, 34 if hover else 22), P.blur(P.poly_mask(
        size, [(box[0] + 16, box[1] + 2), (box[2] - 16, box[1] + 2), (box[2] - 24, h / 2 - 2),
               (box[0] + 24, h / 2 - 2)]), 2))
    inner = P.mask_from(size, lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in ((box[0] + 17, box[1] + 4), (box[2] - 17, box[1] + 4), (box[2] - 5, h / 2),
                                     (box[2] - 17, box[3] - 4), (box[0] + 17, box[3] - 4), (box[0] + 5, h / 2))],
        outline=255, width=int(1.3 * s)))
    P.fill(img, (246, 214, 120, 235 if hover else 150), inner)
    edge = ImageChops.subtract(shape, P.mask_from(size, lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in ((box[0] + 15, box[1] + 1), (box[2] - 15, box[1] + 1), (box[2] - 1, h / 2),
                                     (box[2] - 15, box[3] - 1), (box[0] + 15, box[3] - 1), (box[0] + 1, h / 2))],
        fill=255)))
    P.fill(img, (130, 92, 34, 230), edge)
    for cx in (box[0] + 2, box[2] - 2):
        gold_diamond(img, cx, h / 2, 5 if hover else 4)
    return img


@asset("images/menus/BtnPlaceholderN.png")
def btn_placeholder_n():
    return main_button(False)


@asset("images/menus/BtnPlaceholderO.png")
def btn_placeholder_o():
    return main_button(True)


@asset("images/menus/main/choice_selector.png")
def choice_selector():
    w, h = 440, 108
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    g = P.radial_field(w, h, 210, 54, 230, 46)
    g = P.curve(g, lambda t: max(0.0, 1.0 - t) ** 1.7)
    paste_layer(img, P.glow(g, (255, 190, 90), 0, 0.62))
    core = P.curve(P.radial_field(w, h, 205, 54, 150, 26), lambda t: max(0.0, 1.0 - t) ** 2)
    paste_layer(img, P.glow(core, (255, 226, 150), 0, 0.45))
    for y in (25, 83):
        line = Image.new("L", size, 0)
        ImageDraw.Draw(line).rectangle((70, y, 370, y), fill=255)
        fade = P.invert(P.curve(P.radial_field(w, h, 220, y, 160, 3), lambda t: t ** 1.5))
        P.fill(img, (255, 222, 140, 210), ImageChops.multiply(line, fade))
    star = Image.new("RGBA", size, (0, 0, 0, 0))
    gold_diamond(star, 52, 54, 10)
    paste_layer(img, P.glow(star.getchannel("A"), (255, 210, 120), 6, 1.3))
    paste_layer(img, star)
    return img


# ================================================================ dialogs and panels

@asset("animations/UniversalDialog/DialogWindow.png")
def dialog_window():
    img = parchment_panel((359, 257), 21)
    return img


@asset("images/menus/TitleContainer.png")
def title_container():
    # A burgundy cloth band held by two rolled parchment ends. Light (cream or
    # white) text reads on it: the transition caption and the free-play
    # "nothing to replay" message, which is drawn in white.
    w, h = 560, 128
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    band_box = (18, 14, w - 18, h - 14)
    band = P.rrect_mask(size, band_box, 6)
    paste_layer(img, P.drop_shadow(band, (0, 4), 5, 0.55))
    cloth = P.vgradient(w, h, [(0.0, (70, 12, 26)), (0.3, (112, 26, 44)), (0.7, (94, 20, 36)),
                               (1.0, (48, 8, 18))])
    weave = P.fbm(w, h, 31, ((3, 0.5), (1, 0.5)), stretch=8.0).point(lambda i: 116 + i // 10)
    P.soft_light(cloth, weave)
    P.add_light(cloth, (46, 26, 12), P.invert(P.radial_field(w, h, w / 2, h * 0.4, w * 0.45, h * 0.6)), 0.9)
    P.fill(img, cloth, band)
    P.gold_frame(img, (band_box[0] + 24, band_box[1] + 7, band_box[2] - 24, band_box[3] - 7), 5, width=2)
    for sgn, x in ((-1, 18), (1, w - 18)):
        # a rolled parchment end: a vertical cylinder with curled caps
        roll_box = (x - 16, 4, x + 16, h - 4)
        roll = P.rrect_mask(size, roll_box, 15)
        paste_layer(img, P.drop_shadow(roll, (2, 4), 4, 0.5))
        paper = Image.new("RGB", size, (160, 120, 70))
        rw = roll_box[2] - roll_box[0]
        cyl = P.hgradient(rw, h, [(0.0, (150, 108, 58)), (0.3, (250, 236, 200)), (0.55, (236, 214, 168)),
                                  (1.0, (138, 98, 50))])
        paper.paste(cyl, (roll_box[0], 0))
        P.soft_light(paper, P.fbm(w, h, 40 + x, ((6, 0.5), (2, 0.5)), stretch=0.2).point(lambda i: 112 + i // 8))
        P.fill(img, paper, roll)
        for yy in (10, h - 10):
            cap = P.ellipse_mask(size, (x - 14, yy - 6, x + 14, yy + 6))
            P.fill(img, (214, 186, 136), cap)
            P.fill(img, (120, 84, 40), P.ellipse_mask(size, (x - 7, yy - 3, x + 7, yy + 3)))
            P.fill(img, (90, 60, 28), P.ellipse_mask(size, (x - 3, yy - 1.3, x + 3, yy + 1.3)))
        inside = P.rrect_mask(size, (roll_box[0] + 1, roll_box[1] + 1, roll_box[2] - 1, roll_box[3] - 1), 14)
        P.fill(img, (110, 76, 34, 160), ImageChops.subtract(roll, inside))
    return img


OPTIONS_SIZE = (460, 400)


@asset("images/menus/options/Bg.png")
def options_bg():
    w, h = OPTIONS_SIZE
    img = parchment_panel(OPTIONS_SIZE, 22)
    gold_divider(img, w // 2, 66, 150)
    return img


PROFILE_SIZE = (500, 440)
PROFILE_WELL = (36, 84, 276, 268)   # seven 24-pixel rows from (46, 92)


@asset("images/menus/profile/Bg.png")
def profile_bg():
    w, h = PROFILE_SIZE
    img = parchment_panel(PROFILE_SIZE, 23)
    gold_divider(img, w // 2, 66, 170)
    x0, y0, x1, y1 = PROFILE_WELL
    P.gold_frame(img, (x0 - 4, y0 - 4, x1 + 4, y1 + 4), 10, width=3)
    recessed_well(img, PROFILE_WELL, 7, [(0.0, (10, 38, 44)), (1.0, (22, 64, 70))], 5)
    return img


NAME_INPUT_SIZE = (440, 280)
NAME_FIELD = (50, 128, 390, 168)


@asset("images/menus/profile/NameInputBg.png")
def name_input_bg():
    w, h = NAME_INPUT_SIZE
    img = parchment_panel(NAME_INPUT_SIZE, 24)
    gold_divider(img, w // 2, 66, 150)
    x0, y0, x1, y1 = NAME_FIELD
    P.gold_frame(img, (x0 - 3, y0 - 3, x1 + 3, y1 + 3), 8, width=2)
    m = P.rrect_mask(img.size, NAME_FIELD, 6)
    P.fill(img, P.vgradient(w, h, [(0.0, (255, 252, 240)), (1.0, (246, 236, 210))]), m)
    P.inner_shadow(img, m, radius=3, offset=(1, 2), strength=0.35, colour=(80, 50, 20))
    return img


NAME_ROW = (220, 24)   # one list row of FONT_CheltenhamBT20 (line height 24)


@asset("images/menus/profile/NameBgN.png")
def name_row_normal():
    w, h = NAME_ROW
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    m = P.rrect_mask((w, h), (1, 1, w - 1, h - 1), 4)
    P.fill(img, (120, 200, 200, 22), m)
    line = Image.new("L", (w, h), 0)
    ImageDraw.Draw(line).rectangle((8, h - 1, w - 9, h - 1), fill=255)
    fade = P.invert(P.curve(P.radial_field(w, h, w / 2, h - 1, w / 2, 4), lambda t: t ** 3))
    P.fill(img, (214, 176, 96, 120), ImageChops.multiply(line, fade))
    return img


@asset("images/menus/profile/NameBgS.png")
def name_row_selected():
    w, h = NAME_ROW
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    m = P.rrect_mask(size, (0, 0, w, h), 5)
    body = P.vgradient(w, h, [(0.0, (176, 62, 70)), (0.5, (128, 32, 50)), (1.0, (86, 16, 32))])
    P.add_light(body, (70, 40, 8), P.invert(P.radial_field(w, h, w / 2, h / 2, w * 0.6, h)), 0.6)
    P.fill(img, body, m)
    P.fill(img, (255, 255, 255, 40), P.rrect_mask(size, (3, 1, w - 3, h * 0.45), 3))
    ring = ImageChops.subtract(m, P.rrect_mask(size, (1, 1, w - 1, h - 1), 4))
    P.fill(img, (240, 200, 110, 255), ring)
    for cx in (8, w - 8):
        gold_diamond(img, cx, h / 2, 4)
    return img


def arrow_button(up):
    w, h = 32, 32
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    disc = P.ellipse_mask(size, (1.5, 1.5, 30.5, 30.5))
    paste_layer(img, P.drop_shadow(disc, (1, 2), 1.5, 0.55))
    P.fill(img, P.metal(w, h, seed=3), disc)
    P.bevel(img, disc, 2, 0.6, 0.5)
    inner = P.ellipse_mask(size, (5, 5, 27, 27))
    P.fill(img, P.vgradient(w, h, [(0.0, (156, 46, 62)), (1.0, (70, 12, 26))]), inner)
    P.inner_shadow(img, inner, 1.5, (0, 1), 0.6)
    tri = [(16, 10), (23, 20), (9, 20)] if up else [(16, 22), (23, 12), (9, 12)]
    t = P.poly_mask(size, tri)
    paste_layer(img, P.drop_shadow(t, (0, 1), 0.8, 0.6))
    P.fill(img, P.vgradient(w, h, [(0.0, (255, 240, 200)), (1.0, (224, 190, 120))]), t)
    return img


@asset("images/menus/profile/ArrowUpN.png")
def arrow_up():
    return arrow_button(True)


@asset("images/menus/profile/ArrowDownN.png")
def arrow_down():
    return arrow_button(False)


def checkbox(ticked):
    w, h = 32, 32
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    outer = P.rrect_mask(size, (2, 2, 30, 30), 6)
    paste_layer(img, P.drop_shadow(outer, (1, 2), 1.5, 0.5))
    P.fill(img, P.metal(w, h, seed=7), outer)
    P.bevel(img, outer, 2, 0.6, 0.45)
    well = P.rrect_mask(size, (6, 6, 26, 26), 3)
    P.fill(img, P.vgradient(w, h, [(0.0, (236, 222, 190)), (1.0, (255, 250, 236))]), well)
    P.inner_shadow(img, well, 2, (1, 2), 0.5, (60, 30, 10))
    if ticked:
        tick = P.mask_from(size, lambda d, s: d.line(
            [(8 * s, 16 * s), (14 * s, 23 * s), (26 * s, 5 * s)], fill=255, width=int(4.2 * s), joint="curve"))
        paste_layer(img, P.drop_shadow(tick, (1, 1), 1, 0.5))
        P.fill(img, P.vgradient(w, h, [(0.0, (170, 44, 60)), (1.0, (96, 14, 32))]), tick)
        hl = P.mask_from(size, lambda d, s: d.line(
            [(9 * s, 15.4 * s), (14 * s, 21.2 * s), (25 * s, 5 * s)], fill=255, width=int(1.2 * s)))
        P.fill(img, (255, 200, 200, 90), hl)
    return img


@asset("images/menus/options/CheckboxOff.png")
def checkbox_off():
    return checkbox(False)


@asset("images/menus/options/CheckboxOn.png")
def checkbox_on():
    return checkbox(True)


SLIDER_RAIL = (220, 20)
SLIDER_GROOVE = (4, 16)   # groove rows; the fill tile is drawn at fillY = 5


@asset("images/menus/options/SliderRail.png")
def slider_rail():
    w, h = SLIDER_RAIL
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    outer = P.rrect_mask(size, (0, 1, w, h - 1), 8)
    P.fill(img, P.metal(w, h, seed=9), outer)
    P.bevel(img, outer, 2, 0.55, 0.45)
    groove = P.rrect_mask(size, (3, SLIDER_GROOVE[0], w - 3, SLIDER_GROOVE[1]), 5)
    P.fill(img, P.vgradient(w, h, [(0.0, (30, 16, 10)), (1.0, (74, 46, 26))]), groove)
    P.inner_shadow(img, groove, 2, (0, 2), 0.7)
    for x in range(23, w - 10, 22):
        tick = Image.new("L", size, 0)
        ImageDraw.Draw(tick).rectangle((x, 17, x, 18), fill=200)
        P.fill(img, (80, 50, 18), tick)
    return img


@asset("images/menus/options/SliderFill.png")
def slider_fill():
    w, h = 4, 10
    img = P.vgradient(w, h, [(0.0, (255, 236, 160)), (0.4, (240, 184, 80)), (1.0, (178, 104, 30))]).convert("RGBA")
    return img


@asset("images/menus/options/SliderThumb.png")
def slider_thumb():
    w, h = 24, 32
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    shape = P.poly_mask(size, [(3, 3), (21, 3), (21, 20), (12, 29), (3, 20)])
    shape = P.blur(shape, 0.4)
    paste_layer(img, P.drop_shadow(shape, (1, 2), 1.5, 0.6))
    P.fill(img, P.vgradient(w, h, [(0.0, (176, 56, 70)), (1.0, (82, 14, 30))]), shape)
    P.bevel(img, shape, 2, 0.45, 0.5)
    edge = ImageChops.subtract(shape, P.poly_mask(size, [(4.5, 4.5), (19.5, 4.5), (19.5, 19.4), (12, 26.8),
                                                          (4.5, 19.4)]))
    P.fill(img, P.metal(w, h, seed=4), edge)
    for y in (9, 13, 17):
        g = Image.new("L", size, 0)
        ImageDraw.Draw(g).rectangle((8, y, 15, y), fill=255)
        P.fill(img, (40, 6, 14, 200), g)
        P.fill(img, (255, 190, 190, 90), P.shift(g, 0, 1))
    return img


# ================================================================ painting helpers for scenes

def cloud_bank(size, seed, blobs, colour_top, colour_bottom, rim=None, softness=10):
    """Soft cloud: blurred union of ellipses, shaded top to bottom (RGBA layer)."""
    w, h = size
    rng = random.Random(seed)
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    ys = []
    for cx, cy, rx, ry in blobs:
        for _ in range(5):
            ox, oy = rng.uniform(-rx * 0.5, rx * 0.5), rng.uniform(-ry * 0.3, ry * 0.3)
            sx, sy = rx * rng.uniform(0.5, 0.9), ry * rng.uniform(0.6, 1.0)
            d.ellipse((cx + ox - sx, cy + oy - sy, cx + ox + sx, cy + oy + sy), fill=255)
        ys += [cy - ry, cy + ry]
    m = P.blur(m, softness)
    y0, y1 = int(min(ys)), int(max(ys))
    col = Image.new("RGB", size, colour_top)
    col.paste(P.vgradient(w, max(1, y1 - y0), [(0.0, colour_top), (1.0, colour_bottom)]), (0, y0))
    col.paste(colour_bottom, (0, y1, w, h))
    layer = col.convert("RGBA")
    layer.putalpha(m)
    if rim:
        edge = ImageChops.subtract(m, P.shift(m, 0, -4))
        r = Image.new("RGBA", size, P.rgba(rim))
        r.putalpha(P.blur(edge, 1.5))
        layer.alpha_composite(r)
    return layer


def stars(canvas, seed, count, region, max_y_fade):
    w, h = canvas.size
    rng = random.Random(seed)
    m = Image.new("L", (w, h), 0)
    big = Image.new("L", (w, h), 0)
    d, db = ImageDraw.Draw(m), ImageDraw.Draw(big)
    x0, y0, x1, y1 = region
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        b = int(255 * rng.uniform(0.3, 1.0) * max(0.0, 1.0 - y / max_y_fade))
        if rng.random() < 0.12:
            db.ellipse((x - 1.2, y - 1.2, x + 1.2, y + 1.2), fill=b)
        else:
            d.point((x, y), fill=b)
    P.add_light(canvas, (255, 246, 220), m)
    P.add_light(canvas, (255, 240, 210), P.blur(big, 0.6))
    P.add_light(canvas, (160, 170, 220), P.blur(big, 3), 0.7)


def window_pane(canvas, box, lit=1.0, arch=False, mullions=(1, 1), seed=0, frame=(40, 26, 22)):
    """A window with a frame and glazing bars; lit ones glow warm (in place)."""
    w, h = canvas.size
    x0, y0, x1, y1 = box
    if arch:
        r = (x1 - x0) / 2
        shape = P.mask_from((w, h), lambda d, s: (d.rectangle((x0 * s, (y0 + r) * s, x1 * s, y1 * s), fill=255),
                                                  d.pieslice((x0 * s, y0 * s, x1 * s, (y0 + 2 * r) * s), 180, 360,
                                                             fill=255)))
    else:
        shape = P.rrect_mask((w, h), box, 1.5)
    outer = shape.filter(ImageFilter.MaxFilter(5))
    if lit > 0:
        P.add_light(canvas, (255, 170, 70), P.blur(outer, 22), 0.45 * lit)
        P.add_light(canvas, (255, 190, 100), P.blur(outer, 7), 0.35 * lit)
    P.fill(canvas, frame, outer)
    if lit > 0:
        cx, cy = (x0 + x1) / 2, (y0 + y1) * 0.5 + (y1 - y0) * 0.15
        f = P.radial_field(w, h, cx, cy, (x1 - x0) * 0.9, (y1 - y0) * 0.8)
        g = P.gradient_map(f, [(0.0, P.mix((255, 236, 170), (110, 70, 50), 1 - lit)),
                                (0.6, P.mix((246, 172, 74), (80, 50, 40), 1 - lit)),
                                (1.0, P.mix((196, 104, 42), (50, 34, 30), 1 - lit))])
    else:
        g = P.vgradient(w, h, [(0.0, (44, 60, 76)), (1.0, (22, 30, 40))])
    P.fill(canvas, g, shape)
    bars = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(bars)
    nx, ny = mullions
    for i in range(1, nx + 1):
        x = x0 + (x1 - x0) * i / (nx + 1)
        d.rectangle((x - 1, y0, x + 1, y1), fill=255)
    for j in range(1, ny + 1):
        y = y0 + (y1 - y0) * j / (ny + 1) + (((x1 - x0) / 4) if arch else 0)
        d.rectangle((x0, y - 1, x1, y + 1), fill=255)
    P.fill(canvas, frame, ImageChops.multiply(bars, shape))
    sill = P.rrect_mask((w, h), (x0 - 4, y1 + 1, x1 + 4, y1 + 5), 1)
    P.fill(canvas, P.shade(frame, 1.5), sill)
    return shape


def textured(size, base_stops, seed, octaves=((40, 0.5), (10, 0.3), (3, 0.2)), stretch=1.0, contrast=0.5):
    """A colour ramp painted through fbm noise (RGB); contrast 0..1 narrows the ramp use."""
    w, h = size
    n = P.fbm(w, h, seed, octaves, stretch)
    lo = 0.5 - contrast / 2
    n = P.curve(n, lambda t: lo + t * contrast)
    return P.gradient_map(n, base_stops)


# ================================================================ main menu

@asset("images/menus/main/Bg.png")
def main_menu_bg():
    w, h = 1024, 768
    size = (w, h)
    horizon = 512
    img = Image.new("RGBA", size, (0, 0, 0, 255))
    sky = P.vgradient(w, horizon + 4, [
        (0.0, (8, 20, 36)), (0.28, (18, 46, 66)), (0.5, (40, 62, 84)), (0.66, (96, 66, 88)),
        (0.8, (176, 96, 80)), (0.92, (232, 150, 84)), (1.0, (252, 196, 118))])
    img.paste(sky, (0, 0))
    P.add_light(img, (150, 70, 20), P.invert(P.radial_field(w, h, 560, horizon, 560, 210)), 0.9)
    P.add_light(img, (120, 80, 30), P.invert(P.radial_field(w, h, 560, horizon, 220, 60)), 0.8)
    stars(img, 101, 260, (0, 0, w, 330), 360)
    # the moon, a thin crescent with a halo
    moon = ImageChops.subtract(P.ellipse_mask(size, (846, 72, 896, 122)), P.ellipse_mask(size, (858, 64, 910, 116)))
    P.add_light(img, (120, 130, 150), P.blur(P.ellipse_mask(size, (846, 72, 896, 122)), 26), 0.5)
    P.fill(img, (250, 242, 214), moon)
    # cloud banks lit from below by the afterglow
    for i, (blobs, top, bottom, rim) in enumerate([
        ([(620, 300, 150, 14), (760, 296, 120, 12), (880, 306, 90, 10)], (40, 44, 66), (120, 70, 84), (230, 140, 100)),
        ([(330, 380, 170, 12), (470, 372, 130, 14), (200, 388, 90, 9)], (74, 60, 84), (176, 96, 86), (255, 170, 110)),
        ([(700, 430, 220, 10), (900, 424, 140, 9), (540, 436, 90, 7)], (120, 72, 84), (210, 120, 84), (255, 196, 130)),
        ([(120, 226, 130, 9), (250, 220, 90, 8)], (26, 40, 60), (60, 54, 76), (140, 100, 110)),
    ]):
        paste_layer(img, cloud_bank(size, 300 + i, blobs, top, bottom, rim, softness=9))
    # distant headlands and the lighthouse
    far = P.poly_mask(size, [(0, horizon - 18), (60, horizon - 26), (140, horizon - 22), (230, horizon - 8),
                             (300, horizon), (0, horizon + 2)])
    P.fill(img, (70, 52, 74), far)
    head = P.poly_mask(size, [(360, horizon), (380, horizon - 14), (430, horizon - 20), (470, horizon - 16),
                              (500, horizon)])
    P.fill(img, (60, 44, 66), head)
    tower = P.poly_mask(size, [(418, horizon - 20), (428, horizon - 20), (426, horizon - 52), (420, horizon - 52)])
    P.fill(img, (86, 64, 80), tower)
    P.fill(img, (54, 40, 60), P.rrect_mask(size, (417, horizon - 58, 429, horizon - 52), 1))
    beam = P.poly_mask(size, [(423, horizon - 56), (250, horizon - 86), (250, horizon - 40)])
    beam = ImageChops.multiply(P.blur(beam, 4), P.invert(P.curve(P.radial_field(w, h, 423, horizon - 56, 190, 190),
                                                                   lambda t: t ** 0.8)))
    P.add_light(img, (255, 220, 150), beam, 0.35)
    P.add_light(img, (255, 220, 140), P.blur(P.ellipse_mask(size, (419, horizon - 58, 427, horizon - 50)), 5), 1.0)
    P.fill(img, (255, 246, 210), P.ellipse_mask(size, (420, horizon - 57, 426, horizon - 51)))
    # the sea: sky reflected, darker towards the shore, with glittering streaks
    sea_h = h - horizon
    sea = P.vgradient(w, sea_h, [(0.0, (150, 96, 84)), (0.08, (70, 66, 82)), (0.35, (22, 52, 64)),
                                 (1.0, (6, 22, 30))])
    img.paste(sea, (0, horizon))
    rng = random.Random(77)
    glints = Image.new("L", size, 0)
    d = ImageDraw.Draw(glints)
    for _ in range(300):
        depth = rng.random() ** 1.6
        y = horizon + 3 + depth * 230
        spread = 30 + (y - horizon) * 1.1
        x = 560 + rng.gauss(0, 0.8) * spread
        ln = rng.uniform(2, 9) * (1 + (y - horizon) / 90)
        d.line([(x - ln / 2, y), (x + ln / 2, y)], fill=int(255 * rng.uniform(0.4, 1.0) * max(0.12, 1 - depth)))
    P.add_light(img, (255, 190, 110), P.blur(glints, 0.9), 1.0)
    ripples = P.fbm(w, sea_h, 7, ((60, 0.5), (16, 0.5)), stretch=8.0)
    rip = Image.new("L", size, 128)
    rip.paste(P.curve(ripples, lambda t: 0.42 + 0.16 * t), (0, horizon))
    P.soft_light(img, rip)
    lh = Image.new("L", size, 0)
    ImageDraw.Draw(lh).rectangle((421, horizon + 2, 425, horizon + 60), fill=160)
    P.add_light(img, (255, 210, 140), P.blur(lh, 2), 0.6)
    # the land: the inn's headland on the right, a grassy bank in the front
    land = P.poly_mask(size, [(460, h), (500, 640), (548, 586), (600, 566), (700, 560), (1024, 552), (1024, h)])
    land_col = P.vgradient(w, h, [(0.0, (34, 40, 40)), (0.72, (24, 36, 34)), (1.0, (10, 16, 18))])
    P.soft_light(land_col, P.fbm(w, h, 12, ((30, 0.4), (8, 0.35), (2, 0.25)), 2.0).point(lambda i: 90 + i // 4))
    P.fill(img, land_col, land)
    cliff = P.poly_mask(size, [(460, h), (500, 640), (548, 586), (566, 600), (540, 660), (530, h)])
    rock = textured(size, [(0.0, (20, 20, 26)), (0.6, (46, 40, 46)), (1.0, (70, 58, 60))], 13,
                    ((24, 0.5), (6, 0.3), (2, 0.2)), 0.25, contrast=0.9)
    P.fill(img, rock, P.blur(cliff, 1.5))
    rimlight = ImageChops.subtract(land, P.shift(land, 2, 3))
    P.fill(img, (210, 130, 90, 120), rimlight)
    pool = P.invert(P.curve(P.radial_field(w, h, 770, 585, 240, 40), lambda t: t ** 0.7))
    P.add_light(img, (120, 70, 20), ImageChops.multiply(pool, land), 0.6)
    paint_inn(img)
    bank = P.poly_mask(size, [(0, 700), (120, 690), (260, 704), (400, 728), (520, 748), (600, h), (0, h)])
    bank_col = P.vgradient(w, h, [(0.0, (18, 26, 28)), (1.0, (6, 10, 12))])
    P.fill(img, bank_col, bank)
    grass(img, 55, [(0, 700), (120, 690), (260, 704), (400, 728), (520, 748), (600, h)], (14, 22, 22), 12)
    grass(img, 56, [(548, 586), (600, 566), (700, 560), (1024, 552)], (20, 26, 28), 8)
    # the path down from the inn with small lamp posts
    path = P.poly_mask(size, [(748, 572), (778, 572), (720, 640), (640, 700), (600, h), (530, h), (600, 690),
                              (690, 630)])
    gravel = P.vgradient(w, h, [(0.0, (96, 74, 60)), (0.75, (56, 48, 48)), (1.0, (34, 30, 32))])
    P.fill(img, gravel, P.opacity(path, 0.85))
    for x, y, s in ((706, 596, 0.7), (632, 664, 0.85), (566, 738, 1.0)):
        post = P.rrect_mask(size, (x - 1.5 * s, y - 30 * s, x + 1.5 * s, y), 1)
        P.fill(img, (20, 16, 16), post)
        lamp = P.ellipse_mask(size, (x - 4 * s, y - 38 * s, x + 4 * s, y - 28 * s))
        P.add_light(img, (255, 170, 70), P.blur(lamp, 14 * s), 0.9)
        P.add_light(img, (255, 200, 120), P.blur(lamp, 4 * s), 0.8)
        P.fill(img, (255, 236, 180), lamp)
    # a tree framing the right edge
    tree(img, 61, 1010, 600, 1.0)
    # keep the menu side calm: a soft shade behind the buttons
    shade_mask = P.invert(P.curve(P.radial_field(w, h, 40, 300, 560, 420), lambda t: t ** 1.3))
    P.multiply(img, (70, 60, 80), shade_mask, 0.45)
    P.vignette(img, 0.6, 0.45)
    P.emboss_text(img, (44, 12), "Lantern Inn", P.SERIF_BOLD, 54, P.GOLD, outline=(46, 20, 10),
                  gradient=[(0.0, (255, 240, 176)), (0.5, (238, 190, 92)), (1.0, (176, 112, 40))], shadow=0.7)
    # The subtitle below is the game's to draw, in the player's language.
    return img


def grass(canvas, seed, ridge, colour, height):
    """Tufts of grass standing on a ridge polyline (in place)."""
    w, h = canvas.size
    rng = random.Random(seed)
    m = Image.new("L", (w * 2, h * 2), 0)
    d = ImageDraw.Draw(m)
    for (xa, ya), (xb, yb) in zip(ridge, ridge[1:]):
        n = int(abs(xb - xa) / 3) + 1
        for i in range(n):
            t = i / n
            x, y = xa + (xb - xa) * t, ya + (yb - ya) * t
            hh = height * rng.uniform(0.4, 1.2)
            lean = rng.uniform(-0.5, 0.5) * hh
            d.polygon([(2 * (x - 1.5), 2 * (y + 2)), (2 * (x + 1.5), 2 * (y + 2)), (2 * (x + lean), 2 * (y - hh))],
                      fill=255)
    P.fill(canvas, colour, m.resize((w, h), Image.Resampling.LANCZOS))


def tree(canvas, seed, x, base, scale):
    """A dark, wind-bent coastal tree standing at (x, base) (in place)."""
    w, h = canvas.size
    size = (w, h)
    trunk = P.mask_from(size, lambda d, s: (
        d.polygon([((x - 9 * scale) * s, base * s), ((x + 12 * scale) * s, base * s),
                   ((x - 4 * scale) * s, (base - 150 * scale) * s), ((x - 30 * scale) * s, (base - 250 * scale) * s),
                   ((x - 38 * scale) * s, (base - 246 * scale) * s), ((x - 14 * scale) * s, (base - 150 * scale) * s)],
                  fill=255),
        d.line([((x - 6 * scale) * s, (base - 170 * scale) * s), ((x - 70 * scale) * s, (base - 210 * scale) * s)],
               fill=255, width=int(5 * scale * s))))
    crown = P.radial_field(w, h, x - 40 * scale, base - 262 * scale, 120 * scale, 80 * scale)
    leafy = P.fbm(w, h, seed, ((24, 0.5), (9, 0.3), (3, 0.2)))
    field = ImageChops.subtract(P.invert(crown), P.invert(leafy).point(lambda i: i // 2))
    foliage = field.point(lambda i: 255 if i > 34 else (i * 7 if i > 0 else 0))
    foliage = P.blur(foliage, 0.6)
    m = ImageChops.lighter(trunk, foliage)
    P.fill(canvas, P.vgradient(w, h, [(0.0, (22, 30, 34)), (1.0, (8, 12, 14))]), m)
    P.fill(canvas, (150, 90, 80, 70), ImageChops.subtract(m, P.shift(m, 3, 2)))


def paint_inn(img):
    """The Lantern Inn at dusk: plaster and timber, slate roofs, lit windows (in place)."""
    w, h = img.size
    size = (w, h)
    ground = 572
    plaster = textured(size, [(0.0, (46, 38, 42)), (1.0, (74, 60, 60))], 201, contrast=0.6)
    slate = textured(size, [(0.0, (30, 28, 40)), (1.0, (64, 56, 72))], 202, ((20, 0.5), (4, 0.5)), 4.0)
    beam = (40, 28, 26)
    # annex on the left with a lean-to roof
    annex = P.poly_mask(size, [(548, 458), (628, 430), (628, ground), (548, ground)])
    P.fill(img, plaster, annex)
    annex_roof = P.poly_mask(size, [(534, 464), (632, 424), (632, 404), (534, 446)])
    # main block
    walls = P.poly_mask(size, [(620, 384), (930, 384), (930, ground), (620, ground)])
    P.fill(img, plaster, walls)
    roof = P.poly_mask(size, [(600, 392), (950, 392), (902, 276), (648, 276)])
    gable = P.poly_mask(size, [(728, 394), (822, 394), (775, 318)])
    for m, col in ((roof, slate), (annex_roof, slate)):
        P.fill(img, col, m)
    rows = Image.new("L", size, 0)
    d = ImageDraw.Draw(rows)
    for y in range(282, 392, 9):
        d.line([(560, y), (960, y)], fill=90)
    for y in range(416, 462, 8):
        d.line([(536, y + 8), (630, y - 30)], fill=80)
    P.fill(img, (12, 10, 18), ImageChops.multiply(rows, ImageChops.lighter(roof, annex_roof)))
    rim = ImageChops.subtract(roof, P.shift(roof, 2, 2))
    P.fill(img, (220, 140, 100, 170), rim)
    P.fill(img, (20, 16, 22), P.rrect_mask(size, (596, 388, 954, 396), 2))
    # the front gable with a round window
    gable_wall = P.poly_mask(size, [(738, 396), (812, 396), (775, 332)])
    P.fill(img, slate, gable)
    P.fill(img, plaster, gable_wall)
    P.fill(img, (20, 16, 22), P.mask_from(size, lambda d, s: d.line(
        [(724 * s, 398 * s), (775 * s, 314 * s), (826 * s, 398 * s)], fill=255, width=5 * s)))
    # chimneys and smoke
    for x0, x1, top in ((664, 688, 232), (866, 890, 244)):
        ch = P.rrect_mask(size, (x0, top, x1, 330), 1)
        P.fill(img, (58, 40, 40), ch)
        P.fill(img, (30, 22, 24), P.rrect_mask(size, (x0 - 3, top - 6, x1 + 3, top + 2), 1))
        P.fill(img, (200, 120, 90, 110), ImageChops.subtract(ch, P.shift(ch, 2, 0)))
        smoke = Image.new("L", size, 0)
        sd = ImageDraw.Draw(smoke)
        rng = random.Random(x0)
        for i in range(14):
            t = i / 13
            cx = (x0 + x1) / 2 - 60 * t ** 1.3 + rng.uniform(-4, 4)
            cy = top - 10 - 110 * t
            r = 6 + 22 * t
            sd.ellipse((cx - r, cy - r * 0.7, cx + r, cy + r * 0.7), fill=int(150 * (1 - t)))
        P.fill(img, (120, 110, 130), P.blur(smoke, 8))
    # timber framing
    frame = Image.new("L", size, 0)
    d = ImageDraw.Draw(frame)
    d.rectangle((620, 384, 930, 389), fill=255)
    d.rectangle((620, 470, 930, 476), fill=255)
    d.rectangle((620, ground - 5, 930, ground), fill=255)
    for x in (620, 682, 744, 806, 868, 924):
        d.rectangle((x, 384, x + 6, ground), fill=255)
    for xa in (682, 868):
        d.line([(xa + 6, 389), (xa + 56, 470)], fill=255, width=4)
    d.rectangle((548, 470, 628, 475), fill=255)
    d.rectangle((548, 458, 553, ground), fill=255)
    P.fill(img, beam, ImageChops.multiply(frame, ImageChops.lighter(walls, annex)))
    # windows: upper floor, ground floor, annex, the gable's round light
    for x in (634, 696, 820, 882):
        window_pane(img, (x + 4, 404, x + 36, 450), lit=1.0 if x != 882 else 0.55, mullions=(1, 1))
    for x in (634, 696, 882):
        window_pane(img, (x + 2, 492, x + 38, 544), lit=1.0, mullions=(1, 2))
    window_pane(img, (566, 490, 608, 534), lit=0.8, mullions=(1, 1))
    window_pane(img, (762, 350, 788, 376), lit=0.9, arch=True, mullions=(1, 0))
    # the door, its light spilling onto the path, and the door lantern
    door = P.mask_from(size, lambda d, s: (d.rectangle((754 * s, 508 * s, 796 * s, ground * s), fill=255),
                                           d.pieslice((754 * s, 488 * s, 796 * s, 530 * s), 180, 360, fill=255)))
    P.fill(img, (36, 22, 18), door.filter(ImageFilter.MaxFilter(5)))
    P.fill(img, P.vgradient(w, h, [(0.0, (120, 60, 40)), (1.0, (70, 34, 24))]), door)
    spill = P.poly_mask(size, [(754, ground), (796, ground), (820, 600), (730, 600)])
    P.add_light(img, (200, 120, 50), P.blur(spill, 8), 0.5)
    for lx, ly in ((812, 500), (612, 470)):
        lamp = P.ellipse_mask(size, (lx - 5, ly - 7, lx + 5, ly + 7))
        P.add_light(img, (255, 160, 60), P.blur(lamp, 30), 1.0)
        P.add_light(img, (255, 200, 110), P.blur(lamp, 8), 1.0)
        P.fill(img, (30, 20, 14), P.rrect_mask(size, (lx - 6, ly - 11, lx + 6, ly - 7), 1))
        P.fill(img, (255, 230, 160), lamp)
    # the inn sign hanging from a bracket at the corner
    P.fill(img, (24, 18, 16), P.rrect_mask(size, (586, 476, 622, 479), 1))
    sign = P.rrect_mask(size, (584, 486, 614, 514), 3)
    P.fill(img, (24, 18, 16), P.mask_from(size, lambda d, s: [d.line([(x * s, 479 * s), (x * s, 487 * s)],
                                                                      fill=255, width=s) for x in (588, 610)]))
    P.fill(img, (90, 30, 36), sign)
    P.fill(img, (220, 170, 80, 200), ImageChops.subtract(sign, P.rrect_mask(size, (586, 488, 612, 512), 2)))
    P.fill(img, (240, 190, 90), P.ellipse_mask(size, (595, 494, 603, 505)))
    # warm light on the walls near the windows, and dusk shade on the right
    P.multiply(img, (150, 130, 170), P.hgradient(w, h, [(0.0, (0, 0, 0)), (0.78, (0, 0, 0)), (1.0, (255, 255, 255))])
               .convert("L"), 0.5)


# ================================================================ walls and menu backgrounds

def brick_wall(size, seed, box=None, brick=(84, 30), mortar=4, stops=None):
    """Staggered bricks with varied colour and recessed mortar (RGB)."""
    w, h = size
    rng = random.Random(seed)
    stops = stops or [(0.0, (56, 24, 22)), (0.5, (96, 42, 34)), (1.0, (128, 66, 46))]
    cols = P.ramp(stops)
    mortar_col = (34, 26, 24)
    img = Image.new("RGB", size, mortar_col)
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(img)
    dm = ImageDraw.Draw(m)
    bw, bh = brick
    for row, y in enumerate(range(-bh // 2, h, bh)):
        off = (row % 2) * bw // 2 - bw
        for x in range(off, w, bw):
            c = cols[int(rng.random() ** 0.9 * 255)]
            box_ = (x + mortar // 2, y + mortar // 2, x + bw - mortar // 2 - 1, y + bh - mortar // 2 - 1)
            d.rectangle(box_, fill=c)
            dm.rectangle(box_, fill=255)
    m = P.blur(m, 0.8)
    rgba = img.convert("RGBA")
    P.soft_light(rgba, P.fbm(w, h, seed, ((48, 0.3), (8, 0.35), (2, 0.35))).point(lambda i: 96 + i // 4))
    P.bevel(rgba, m, 3, 0.22, 0.5, hl=(255, 210, 170))
    return rgba


def wainscot(size, seed, top, rail_h=22, panel_w=220):
    """Dark wood panelling below y = top with a brass-capped rail (RGBA layer)."""
    w, h = size
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    body = P.wood(w, h - top, seed, [(0.0, (30, 17, 10)), (0.5, (44, 26, 14)), (1.0, (62, 38, 20))], vertical=True,
                  lines=w / 40)
    full = Image.new("RGB", size, (0, 0, 0))
    full.paste(body, (0, top))
    area = Image.new("L", size, 0)
    ImageDraw.Draw(area).rectangle((0, top, w, h), fill=255)
    P.fill(layer, full, area)
    panels = Image.new("L", size, 0)
    d = ImageDraw.Draw(panels)
    for x in range(-panel_w // 2 + (w // 2) % panel_w, w, panel_w):
        d.rounded_rectangle((x + 24, top + rail_h + 30, x + panel_w - 24, h - 40), radius=6, fill=255)
    inset = P.blur(panels, 1)
    P.bevel(layer, ImageChops.multiply(P.invert(inset), area), 4, 0.3, 0.7)
    P.inner_shadow(layer, inset, 4, (3, 4), 0.6)
    P.fill(layer, (255, 200, 140, 40), ImageChops.subtract(P.shift(inset, 1, 1), inset))
    rail = Image.new("L", size, 0)
    ImageDraw.Draw(rail).rectangle((0, top, w, top + rail_h), fill=255)
    P.fill(layer, P.wood(w, h, seed + 1, [(0.0, (34, 20, 12)), (1.0, (84, 52, 28))]), rail)
    cap = Image.new("L", size, 0)
    ImageDraw.Draw(cap).rectangle((0, top - 4, w, top + 2), fill=255)
    brass = Image.new("RGB", size)
    brass.paste(P.metal(w, 8, seed=seed), (0, top - 4))
    P.fill(layer, brass, cap)
    P.fill(layer, (0, 0, 0, 120), P.blur(P.shift(rail, 0, 4), 3))
    return layer


def sconce(canvas, x, y, scale=1.0, seed=0):
    """A wall lantern with its pool of warm light (in place)."""
    w, h = canvas.size
    s = int(90 * scale)
    light = P.invert(P.curve(P.radial_field(w, h, x, y, 380 * scale, 420 * scale), lambda t: t ** 0.55))
    P.add_light(canvas, (120, 62, 20), light, 0.7)
    P.add_light(canvas, (255, 170, 80), P.invert(P.curve(P.radial_field(w, h, x, y, 70 * scale), lambda t: t ** 0.6)),
                0.55)
    lamp = lantern((s, s), True, seed)
    arm = Image.new("L", (w, h), 0)
    ImageDraw.Draw(arm).rectangle((x - 3 * scale, y - 50 * scale, x + 3 * scale, y - 34 * scale), fill=255)
    P.fill(canvas, (30, 20, 12), arm)
    canvas.alpha_composite(lamp, (int(x - s / 2), int(y - s * 0.62)))


@asset("images/menus/bricks.png")
def widescreen_frame():
    w, h = 1920, 1200
    size = (w, h)
    img = brick_wall(size, 5, stops=[(0.0, (40, 20, 18)), (0.5, (66, 32, 26)), (1.0, (88, 48, 36))])
    paste_layer(img, wainscot(size, 6, 880))
    P.multiply(img, (126, 112, 108))
    for x in (330, w - 330):
        sconce(img, x, 470, 1.5, seed=x)
    # a beam along the top, in the upper margin
    beam = Image.new("L", size, 0)
    ImageDraw.Draw(beam).rectangle((0, 60, w, 124), fill=255)
    P.fill(img, P.wood(w, h, 8, [(0.0, (18, 10, 6)), (0.6, (40, 24, 14)), (1.0, (62, 38, 20))]), beam)
    P.fill(img, (0, 0, 0, 140), P.blur(P.shift(beam, 0, 8), 6))
    P.bevel(img, beam, 3, 0.2, 0.5)
    P.vignette(img, 0.75, 0.3)
    # a soft shadow around the middle, where the game picture sits
    frame = Image.new("L", size, 0)
    ImageDraw.Draw(frame).rectangle(((w - 1024) // 2 - 6, (h - 768) // 2 - 6, (w + 1024) // 2 + 6,
                                     (h + 768) // 2 + 6), fill=255)
    P.multiply(img, (0, 0, 0), P.blur(frame, 22), 0.7)
    # the game covers the middle: keep it flat, which also keeps the file small
    hidden = ((w - 1024) // 2 + 24, (h - 768) // 2 + 24, (w + 1024) // 2 - 24, (h + 768) // 2 - 24)
    img.paste((12, 8, 8, 255), hidden)
    return img


@asset("images/menus/freeplay/Bg.png")
def freeplay_bg():
    w, h = 1024, 768
    size = (w, h)
    img = P.tile(P.damask_tile(80, 110, (20, 62, 68), (30, 80, 86)), w, h).convert("RGBA")
    stripes = Image.new("L", size, 0)
    d = ImageDraw.Draw(stripes)
    for x in range(0, w, 80):
        d.rectangle((x - 2, 0, x - 1, h), fill=255)
        d.rectangle((x + 1, 0, x + 2, h), fill=255)
    P.fill(img, (34, 90, 94, 150), stripes)
    P.soft_light(img, P.fbm(w, h, 3, ((160, 0.6), (40, 0.25), (4, 0.15))).point(lambda i: 110 + i // 7))
    # a picture rail under the crown moulding
    crown = Image.new("L", size, 0)
    ImageDraw.Draw(crown).rectangle((0, 0, w, 70), fill=255)
    P.fill(img, P.wood(w, h, 14, [(0.0, (22, 12, 6)), (0.6, (44, 26, 14)), (1.0, (66, 40, 22))], lines=12), crown)
    trim = Image.new("RGB", size)
    trim.paste(P.metal(w, 6, seed=4), (0, 70))
    P.fill(img, trim, P.mask_from(size, lambda d_, s: d_.rectangle((0, 70 * s, w * s, 76 * s), fill=255)))
    P.fill(img, (0, 0, 0, 130), P.blur(P.mask_from(size, lambda d_, s: d_.rectangle((0, 74 * s, w * s, 86 * s),
                                                                                      fill=255)), 5))
    paste_layer(img, wainscot(size, 15, 640, rail_h=18, panel_w=256))
    # lamp light from above the middle, and dimmer corners
    P.add_light(img, (90, 58, 24), P.invert(P.curve(P.radial_field(w, h, w / 2, 60, 640, 520), lambda t: t ** 0.6)),
                0.8)
    P.vignette(img, 0.65, 0.35)
    return img


@asset("images/menus/freeplay/Empty.png")
def freeplay_empty():
    w, h = 200, 150
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    outer = P.rrect_mask(size, (0, 0, w, h), 6)
    P.fill(img, P.wood(w, h, 21, [(0.0, (30, 16, 8)), (0.6, (70, 42, 22)), (1.0, (104, 66, 34))]), outer)
    P.bevel(img, outer, 3, 0.35, 0.5)
    inner_box = (12, 12, w - 12, h - 12)
    P.gold_frame(img, (9, 9, w - 9, h - 9), 4, width=3)
    inner = P.rrect_mask(size, inner_box, 2)
    cloth = P.vgradient(w, h, [(0.0, (22, 58, 64)), (1.0, (10, 30, 36))])
    P.soft_light(cloth, P.fbm(w, h, 22, ((2, 0.5), (1, 0.5)), 1.0).point(lambda i: 112 + i // 8))
    P.add_light(cloth, (30, 50, 50), P.invert(P.radial_field(w, h, w / 2, h * 0.45, w * 0.5, h * 0.5)), 0.8)
    P.fill(img, cloth, inner)
    P.inner_shadow(img, inner, 5, (2, 3), 0.8)
    paste_layer(img, padlock(size, (w / 2 - 20, h / 2 - 32, w / 2 + 20, h / 2 + 22), True, 6))
    return img


@asset("images/menus/main/TestImage.png")
def test_image():
    w, h = 128, 128
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    card = P.rrect_mask(size, (4, 4, w - 4, h - 4), 12)
    paste_layer(img, P.drop_shadow(card, (0, 2), 2, 0.5))
    bg = P.gradient_map(P.radial_field(w, h, w / 2, h * 0.55, w * 0.7), [(0.0, (40, 96, 102)), (1.0, (10, 36, 44))])
    P.fill(img, bg, card)
    P.gold_frame(img, (4, 4, w - 4, h - 4), 12, width=3)
    paste_layer(img, lantern(size, True, 2).resize(size, Image.Resampling.LANCZOS))
    return img


@asset("Icon/Icon.png")
def window_icon():
    big = lantern((128, 128), True, 2)
    return big.resize((32, 32), Image.Resampling.LANCZOS)


def desktop_icon(size):
    """The lantern for the desktop's icon theme at size x size: painted large, then reduced."""
    def paint():
        big = lantern((max(128, 2 * size),) * 2, True, 2)
        return big.resize((size, size), Image.Resampling.LANCZOS)
    return paint


# The installed game's icon in the sizes desktops look for (hicolor theme).
for _size in (16, 24, 32, 48, 64, 128, 256):
    asset("Icon/hicolor/%d.png" % _size)(desktop_icon(_size))


@asset("images/cursors/Arrow.png")
def cursor_arrow():
    # The hot spot is the top-left pixel: the tip is painted solid at (0, 0).
    w, h = 32, 32
    size = (w, h)
    pts = [(-0.6, -0.6), (0.4, 23.5), (6.2, 18.2), (10.4, 27.6), (14.4, 25.8), (10.2, 16.6), (18.2, 16.0)]
    shape = P.poly_mask(size, pts, ss=8)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    paste_layer(img, P.drop_shadow(shape, (2, 2), 1.6, 0.55))
    P.fill(img, (46, 24, 8), shape)
    inner = P.poly_mask(size, [(1.4, 2.6), (2.2, 19.4), (6.9, 15.2), (11.3, 24.9), (12.6, 24.3), (8.2, 14.7),
                               (14.6, 14.4)], ss=8)
    brass = P.metal(w, h, [(0.0, (255, 240, 170)), (0.35, (230, 186, 90)), (0.7, (176, 120, 44)),
                           (1.0, (120, 76, 24))], brushed=False)
    P.fill(img, brass, inner)
    hl = P.poly_mask(size, [(1.6, 3.0), (2.1, 14.5), (6.6, 10.4)], ss=8)
    P.fill(img, (255, 252, 230, 150), hl)
    for xy in ((0, 0), (1, 1)):
        img.putpixel(xy, (46, 24, 8, 255))
    return img


# ================================================================ hidden-object scene furniture

DASH_SIZE = (1024, 100)
DASH_LIST = (372, 20, 990, 92)


@asset("GUI/Dashboard.png")
def dashboard():
    w, h = DASH_SIZE
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 255))
    body = P.wood(w, h, 31, [(0.0, (22, 12, 6)), (0.5, (48, 28, 14)), (1.0, (78, 48, 24))], lines=12)
    img.paste(body, (0, 0))
    P.multiply(img, P.vgradient(w, h, [(0.0, (255, 255, 255)), (1.0, (150, 140, 130))]))
    rim = Image.new("L", size, 0)
    ImageDraw.Draw(rim).rectangle((0, 0, w, 7), fill=255)
    brass = Image.new("RGB", size)
    brass.paste(P.metal(w, 8, seed=5), (0, 0))
    P.fill(img, brass, rim)
    P.bevel(img, rim, 2, 0.5, 0.4)
    P.fill(img, (0, 0, 0, 150), P.blur(P.shift(rim, 0, 4), 2))
    P.fill(img, (255, 236, 170, 200), P.mask_from(size, lambda d, s: d.rectangle((0, 0, w * s, s - 1), fill=255)))
    # the find list sits in a recessed teal inlay framed with brass
    x0, y0, x1, y1 = DASH_LIST
    P.gold_frame(img, (x0 - 4, y0 - 4, x1 + 4, y1 + 4), 9, width=3)
    recessed_well(img, DASH_LIST, 6, [(0.0, (8, 30, 36)), (1.0, (18, 54, 60))], 32)
    # a small round locket medallion between the buttons and the list
    cx, cy, r = 311, 54, 30
    disc = P.ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r))
    paste_layer(img, P.drop_shadow(disc, (2, 3), 3, 0.6))
    P.fill(img, P.metal(w, h, seed=8), disc)
    P.bevel(img, disc, 3, 0.55, 0.5)
    face = P.ellipse_mask(size, (cx - r + 6, cy - r + 6, cx + r - 6, cy + r - 6))
    silver = P.gradient_map(P.radial_field(w, h, cx - 8, cy - 10, r * 1.4),
                            [(0.0, (250, 250, 246)), (0.5, (184, 188, 192)), (1.0, (96, 100, 108))])
    P.fill(img, silver, face)
    P.inner_shadow(img, face, 2, (1, 2), 0.5)
    heart = P.mask_from(size, lambda d, s: (
        d.ellipse(((cx - 12) * s, (cy - 11) * s, (cx + 1) * s, (cy + 1) * s), fill=255),
        d.ellipse(((cx - 1) * s, (cy - 11) * s, (cx + 12) * s, (cy + 1) * s), fill=255),
        d.polygon([((cx - 11.5) * s, (cy - 3) * s), ((cx + 11.5) * s, (cy - 3) * s), (cx * s, (cy + 13) * s)],
                  fill=255)))
    crack = P.mask_from(size, lambda d, s: d.line([(cx * s, (cy - 8) * s), ((cx - 3) * s, (cy - 2) * s),
                                                   ((cx + 2) * s, (cy + 3) * s), ((cx - 1) * s, (cy + 12) * s)],
                                                  fill=255, width=int(1.6 * s)))
    P.engrave(img, heart, 1, 0.55, 0.6, ink=(140, 110, 60, 255))
    P.fill(img, (60, 40, 20, 230), ImageChops.multiply(crack, heart))
    # dark end caps with brass studs
    for x in (8, w - 8):
        for y in (24, 86):
            m = P.ellipse_mask(size, (x - 3, y - 3, x + 3, y + 3))
            P.fill(img, P.metal(w, h, seed=2), m)
            P.bevel(img, m, 1, 0.7, 0.5)
    P.multiply(img, (0, 0, 0), P.invert(P.curve(P.radial_field(w, h, w / 2, h / 2, w * 0.56, h * 1.2),
                                                lambda t: 1 - max(0.0, (t - 0.7) / 0.3))), 0.4)
    return img


@asset("GUI/CollectedItemParticle.png")
def collected_particle():
    w, h = 32, 32
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    c = 16
    halo = P.invert(P.curve(P.radial_field(w, h, c, c, 15), lambda t: t ** 0.5))
    paste_layer(img, P.glow(halo, (255, 190, 70), 0, 0.75))
    star = P.mask_from(size, lambda d, s: d.polygon(
        [(c * s + math.cos(a) * rr * s, c * s + math.sin(a) * rr * s)
         for i in range(8)
         for a, rr in [(i * math.pi / 4 - math.pi / 2, 15.5 if i % 2 == 0 else 3.2)]], fill=255))
    small = P.mask_from(size, lambda d, s: d.polygon(
        [(c * s + math.cos(a) * rr * s, c * s + math.sin(a) * rr * s)
         for i in range(8)
         for a, rr in [(i * math.pi / 4 - math.pi / 4 - math.pi / 2 + math.pi / 4 * 0, 8 if i % 2 == 1 else 2.4)]],
        fill=255))
    paste_layer(img, P.glow(star, (255, 214, 110), 1.5, 1.2))
    P.fill(img, (255, 226, 130), small)
    P.fill(img, (255, 244, 190), star)
    core = P.invert(P.curve(P.radial_field(w, h, c, c, 6), lambda t: t ** 0.7))
    P.fill(img, (255, 255, 250), core)
    return img


# ================================================================ mini-game: the safe (screen 5)

# Keys: index i at (376 + 64 (i mod 4), 224 + 64 (i div 4)), 64 x 64 each.
SAFE_KEY_ORIGIN = (376, 224)
SAFE_KEY_STEP = 64
SAFE_NUMBERS_AT = (330, 230)
SAFE_NUMBERS_SIZE = (304, 256)
SAFE_LAMP_SIZE = (150, 150)
SAFE_OPEN_LAMP_AT = (163, 200)
SAFE_LOCKED_LAMP_AT = (163, 366)
SAFE_SYMBOLS = [["1", "2", "3", "\u2605"], ["4", "5", "6", "\u263e"], ["7", "8", "9", "\u2600"],
                ["\u2665", "0", "\u2693", "\u266a"]]


def panelled_wall(size, seed, plank=96, stops=None):
    """Vertical tongue-and-groove wood panelling (RGBA)."""
    w, h = size
    stops = stops or [(0.0, (30, 17, 10)), (0.5, (58, 34, 18)), (1.0, (86, 54, 30))]
    img = P.wood(w, h, seed, stops, vertical=True, lines=w / 16).convert("RGBA")
    grooves = Image.new("L", size, 0)
    d = ImageDraw.Draw(grooves)
    rng = random.Random(seed)
    for x in range(0, w, plank):
        d.rectangle((x, 0, x + 2, h), fill=255)
        P.multiply(img, P.shade((255, 255, 255), rng.uniform(0.82, 1.0)),
                   P.mask_from(size, lambda dd, s, x=x: dd.rectangle(((x + 3) * s, 0, (x + plank) * s, h * s),
                                                                     fill=255), 1))
    P.fill(img, (10, 6, 4, 220), grooves)
    P.fill(img, (255, 210, 160, 40), P.shift(grooves, 3, 0))
    return img


def safe_door_layers(size):
    """The closed safe: body, door, keypad plate, lamp sockets, wheel (RGBA)."""
    w, h = size
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    body_box = (96, 112, 928, 716)
    body = P.rrect_mask(size, body_box, 26)
    paste_layer(img, P.drop_shadow(body, (10, 14), 18, 0.7))
    steel = P.vgradient(w, h, [(0.0, (60, 66, 70)), (0.5, (40, 44, 48)), (1.0, (22, 24, 28))])
    P.soft_light(steel, P.fbm(w, h, 51, ((60, 0.4), (8, 0.3), (2, 0.3))).point(lambda i: 104 + i // 6))
    P.fill(img, steel, body)
    P.bevel(img, body, 6, 0.35, 0.6)
    door_box = (128, 144, 896, 684)
    door = P.rrect_mask(size, door_box, 18)
    P.fill(img, (0, 0, 0, 200), ImageChops.subtract(door.filter(ImageFilter.MaxFilter(5)), door))
    enamel = P.vgradient(w, h, [(0.0, (26, 74, 72)), (0.5, (16, 52, 54)), (1.0, (8, 30, 34))])
    P.soft_light(enamel, P.fbm(w, h, 52, ((90, 0.5), (12, 0.3), (3, 0.2))).point(lambda i: 108 + i // 6))
    P.add_light(enamel, (60, 70, 50), P.invert(P.radial_field(w, h, 330, 250, 520, 420)), 0.6)
    P.fill(img, enamel, door)
    P.bevel(img, door, 5, 0.3, 0.55)
    # gold pinstripes and corner scrolls
    for inset, width in ((18, 3), (28, 1)):
        x0, y0, x1, y1 = door_box
        box = (x0 + inset, y0 + inset, x1 - inset, y1 - inset)
        ring = ImageChops.subtract(P.rrect_mask(size, box, 12), P.rrect_mask(
            size, (box[0] + width, box[1] + width, box[2] - width, box[3] - width), 12 - width))
        P.fill(img, (214, 172, 84, 230), ring)
    for cx, cy in ((170, 186), (854, 186), (170, 642), (854, 642)):
        gold_diamond(img, cx, cy, 9)
    # the lamp sockets (the lamp pictures are drawn over them)
    for ax, ay in (SAFE_OPEN_LAMP_AT, SAFE_LOCKED_LAMP_AT):
        cx, cy = ax + 75, ay + 62
        sock = P.ellipse_mask(size, (cx - 56, cy - 56, cx + 56, cy + 56))
        P.fill(img, (4, 14, 16, 200), sock)
        P.inner_shadow(img, sock, 6, (3, 4), 0.8)
        plate = P.rrect_mask(size, (ax + 30, ay + 114, ax + 120, ay + 150), 6)
        P.fill(img, (4, 14, 16, 160), plate)
    # the keypad plate with sixteen sockets
    kx, ky = SAFE_KEY_ORIGIN
    plate_box = (kx - 44, ky - 28, kx + 4 * SAFE_KEY_STEP + 22, ky + 4 * SAFE_KEY_STEP + 22)
    plate = P.rrect_mask(size, plate_box, 14)
    paste_layer(img, P.drop_shadow(plate, (4, 6), 6, 0.7))
    P.fill(img, P.metal(w, h, [(0.0, (120, 84, 30)), (0.25, (236, 200, 120)), (0.5, (200, 156, 70)),
                               (0.75, (170, 124, 50)), (1.0, (110, 74, 26))], seed=53), plate)
    P.bevel(img, plate, 4, 0.5, 0.55)
    inner = (plate_box[0] + 10, plate_box[1] + 10, plate_box[2] - 10, plate_box[3] - 10)
    P.fill(img, (90, 56, 18, 200), ImageChops.subtract(P.rrect_mask(size, inner, 8), P.rrect_mask(
        size, (inner[0] + 1, inner[1] + 1, inner[2] - 1, inner[3] - 1), 7)))
    for i in range(16):
        cx = kx + SAFE_KEY_STEP * (i % 4) + 32
        cy = ky + SAFE_KEY_STEP * (i // 4) + 32
        sock = P.ellipse_mask(size, (cx - 29, cy - 29, cx + 29, cy + 29))
        P.fill(img, (60, 36, 10, 160), sock)
        face = P.ellipse_mask(size, (cx - 25, cy - 25, cx + 25, cy + 25))
        P.fill(img, P.gradient_map(P.radial_field(w, h, cx - 6, cy - 8, 40),
                                   [(0.0, (252, 244, 222)), (1.0, (206, 184, 140))]), face)
        P.inner_shadow(img, face, 3, (2, 3), 0.5)
    for sx, sy in ((plate_box[0] + 12, plate_box[1] + 12), (plate_box[2] - 12, plate_box[1] + 12),
                   (plate_box[0] + 12, plate_box[3] - 12), (plate_box[2] - 12, plate_box[3] - 12)):
        m = P.ellipse_mask(size, (sx - 4, sy - 4, sx + 4, sy + 4))
        P.fill(img, P.metal(w, h, seed=1), m)
        P.bevel(img, m, 1, 0.6, 0.6)
        P.fill(img, (60, 36, 10, 200), P.mask_from(size, lambda d, s: d.line(
            [((sx - 3) * s, (sy - 3) * s), ((sx + 3) * s, (sy + 3) * s)], fill=255, width=s)))
    # the handle wheel
    wheel_centre = (784, 364)
    spoked_wheel(img, wheel_centre, 92)
    # the inn's lantern emblem in a gold cartouche
    cart = P.rrect_mask(size, (452, 556, 572, 640), 30)
    paste_layer(img, P.drop_shadow(cart, (2, 3), 3, 0.6))
    P.fill(img, P.metal(w, h, seed=54), cart)
    P.bevel(img, cart, 3, 0.5, 0.5)
    P.fill(img, (14, 44, 46), P.rrect_mask(size, (460, 564, 564, 632), 24))
    lamp = lantern((60, 60), True, 5)
    img.alpha_composite(lamp, (482, 568))
    # hinges on the left edge
    for y in (200, 560):
        hinge = P.rrect_mask(size, (108, y, 140, y + 90), 8)
        paste_layer(img, P.drop_shadow(hinge, (3, 3), 3, 0.6))
        P.fill(img, steel, hinge)
        P.bevel(img, hinge, 3, 0.5, 0.6)
    return img


def spoked_wheel(img, centre, r):
    w, h = img.size
    size = (w, h)
    cx, cy = centre
    shadow_m = P.ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r))
    paste_layer(img, P.drop_shadow(shadow_m, (6, 8), 8, 0.6))
    spokes = P.mask_from(size, lambda d, s: [
        d.line([(cx * s, cy * s), ((cx + math.cos(a) * r * 0.98) * s, (cy + math.sin(a) * r * 0.98) * s)],
               fill=255, width=int(12 * s))
        for a in [k * math.pi / 3 + math.pi / 6 for k in range(6)]])
    ringm = P.ring_mask(size, (cx - r * 0.78, cy - r * 0.78, cx + r * 0.78, cy + r * 0.78), 14)
    spokes = ImageChops.multiply(spokes, P.ellipse_mask(size, (cx - r * 0.78, cy - r * 0.78, cx + r * 0.78,
                                                               cy + r * 0.78)))
    knobs = Image.new("L", size, 0)
    for k in range(6):
        a = k * math.pi / 3 + math.pi / 6
        kx, ky = cx + math.cos(a) * r * 0.9, cy + math.sin(a) * r * 0.9
        knobs = ImageChops.lighter(knobs, P.ellipse_mask(size, (kx - 11, ky - 11, kx + 11, ky + 11)))
    hub = P.ellipse_mask(size, (cx - 26, cy - 26, cx + 26, cy + 26))
    m = ImageChops.lighter(ImageChops.lighter(spokes, ringm), ImageChops.lighter(knobs, hub))
    brass = P.metal(w, h, [(0.0, (110, 74, 26)), (0.3, (250, 220, 140)), (0.5, (206, 160, 72)),
                           (0.8, (150, 104, 40)), (1.0, (96, 62, 20))], seed=55)
    P.fill(img, brass, m)
    P.bevel(img, m, 4, 0.6, 0.6)
    P.fill(img, (250, 236, 190, 140), P.ellipse_mask(size, (cx - 14, cy - 18, cx + 2, cy - 6)))


def safe_room(size, seed):
    """The wall behind the bar that holds the safe (RGBA)."""
    w, h = size
    img = panelled_wall(size, seed)
    P.add_light(img, (100, 60, 20), P.invert(P.curve(P.radial_field(w, h, 300, 60, 700, 600), lambda t: t ** 0.6)),
                0.7)
    P.vignette(img, 0.7, 0.3)
    return img


@asset("images/minigames/screen5/Bg.png")
def safe_bg():
    size = (1024, 768)
    img = safe_room(size, 61)
    paste_layer(img, safe_door_layers(size))
    # Grandmother's slip with the code, taped to the door in the lower right: the
    # keypad's own glyphs (anchor, 1, 9, heart) written in brown ink.
    nw, nh = 224, 104
    note = Image.new("RGBA", (nw, nh), (0, 0, 0, 0))
    paper = P.rrect_mask((nw, nh), (0, 0, nw, nh), 3)
    P.fill(note, P.parchment(nw, nh, 67, light=(250, 240, 212), dark=(218, 194, 146), edge=9), paper)
    P.fill(note, (170, 130, 80, 60), P.mask_from((nw, nh), lambda d, s: d.line(
        [(nw * 0.62 * s, 0), (nw * 0.58 * s, nh * s)], fill=255, width=s)))    # an old fold
    rng = random.Random(68)
    ink = Image.new("L", (nw, nh), 0)
    for i, sym in enumerate(("\u2693", "1", "9", "\u2665")):
        path = P.SERIF_BOLD if sym.isdigit() else P.SANS
        px = {"\u2693": 58, "\u2665": 48}.get(sym, 50)
        n = px * 2 * 4
        g = Image.new("L", (n, n), 0)
        ImageDraw.Draw(g).text((n / 2, n / 2), sym, font=P.font(path, px * 4), fill=255, anchor="mm")
        g = g.rotate(rng.uniform(-9, 7), Image.Resampling.BICUBIC).resize((n // 4, n // 4), Image.Resampling.LANCZOS)
        cx, cy = 34 + 52 * i + rng.uniform(-2, 2), nh / 2 + 2 + rng.uniform(-3, 3)
        one = Image.new("L", (nw, nh), 0)
        one.paste(g, (int(round(cx - n / 8)), int(round(cy - n / 8))))
        ink = ImageChops.lighter(ink, one)
    mottle = P.fbm(nw, nh, 69, ((16, 0.5), (4, 0.5))).point(lambda i: 190 + i // 4)
    P.fill(note, (110, 70, 36, 70), P.blur(ink, 1.2))                      # a little bled into the paper
    P.fill(note, (58, 32, 20), ImageChops.multiply(ink, mottle))
    big = Image.new("RGBA", (nw + 40, nh + 60), (0, 0, 0, 0))
    big.alpha_composite(note, (20, 30))
    # a strip of yellowed tape over the top edge, holding it to the door
    tx = 20 + nw / 2
    tape = P.poly_mask(big.size, [(tx - 38, 14), (tx + 36, 12), (tx + 38, 46), (tx - 37, 48)])
    P.fill(big, (246, 232, 176, 150), tape)
    P.fill(big, (255, 255, 240, 60), ImageChops.multiply(tape, P.linear_field(*big.size, False).point(
        lambda i: 255 if 100 < i < 130 else 0)))
    P.fill(big, (200, 180, 120, 90), ImageChops.subtract(tape, P.poly_mask(
        big.size, [(tx - 37, 15), (tx + 35, 13), (tx + 37, 45), (tx - 36, 47)])))
    big = big.rotate(-5, Image.Resampling.BICUBIC, expand=True)
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    layer.alpha_composite(big, (730 - big.size[0] // 2, 588 - big.size[1] // 2))    # centred at (730, 588)
    paste_layer(img, P.drop_shadow(layer.getchannel("A"), (4, 6), 5, 0.6))
    paste_layer(img, layer)
    P.vignette(img, 0.35, 0.5)
    return img


@asset("images/minigames/screen5/Open.png")
def safe_open():
    w, h = 1024, 768
    size = (w, h)
    img = safe_room(size, 61)
    body_box = (96, 112, 928, 716)
    body = P.rrect_mask(size, body_box, 26)
    paste_layer(img, P.drop_shadow(body, (10, 14), 18, 0.7))
    steel = P.vgradient(w, h, [(0.0, (60, 66, 70)), (0.5, (40, 44, 48)), (1.0, (22, 24, 28))])
    P.fill(img, steel, body)
    P.bevel(img, body, 6, 0.35, 0.6)
    # the interior: a dark compartment with two shelves, lit from the room
    inner_box = (150, 166, 874, 662)
    inner = P.rrect_mask(size, inner_box, 10)
    cave = P.vgradient(w, h, [(0.0, (70, 22, 32)), (1.0, (26, 8, 14))])
    P.soft_light(cave, P.fbm(w, h, 63, ((3, 0.5), (1, 0.5))).point(lambda i: 108 + i // 6))
    P.fill(img, cave, inner)
    P.add_light(img, (80, 50, 24), ImageChops.multiply(P.invert(P.radial_field(w, h, 520, 300, 420, 320)), inner),
                0.8)
    P.inner_shadow(img, inner, 16, (8, 10), 0.9)
    for y in (400, 560):
        shelf = P.rrect_mask(size, (150, y, 874, y + 14), 2)
        P.fill(img, P.wood(w, h, y, [(0.0, (40, 22, 12)), (1.0, (110, 70, 36))]), shelf)
        P.fill(img, (0, 0, 0, 150), P.blur(P.shift(shelf, 0, 10), 6))
        P.bevel(img, shelf, 2, 0.4, 0.5)
    # the top shelf: a velvet box holding a piece of the silver locket
    box = P.rrect_mask(size, (430, 320, 600, 400), 8)
    paste_layer(img, P.drop_shadow(box, (4, 4), 6, 0.7))
    P.fill(img, P.vgradient(w, h, [(0.0, (150, 40, 58)), (1.0, (70, 12, 26))]), box)
    P.bevel(img, box, 3, 0.35, 0.5)
    P.fill(img, (40, 6, 14), P.rrect_mask(size, (446, 334, 584, 392), 6))
    # half of a round silver locket on a fine chain, with a glint
    chain = P.mask_from(size, lambda d, s: d.arc((454 * s, 318 * s, 514 * s, 386 * s), 10, 170, fill=255,
                                                 width=int(1.6 * s)))
    P.fill(img, (220, 222, 226), chain)
    half = P.mask_from(size, lambda d, s: d.chord((490 * s, 338 * s, 542 * s, 390 * s), 90, 270, fill=255))
    silver = P.gradient_map(P.radial_field(w, h, 504, 354, 44), [(0.0, (255, 255, 252)), (0.5, (196, 200, 206)),
                                                                  (1.0, (104, 108, 118))])
    paste_layer(img, P.drop_shadow(half, (2, 3), 3, 0.7))
    P.fill(img, silver, half)
    P.bevel(img, half, 2, 0.6, 0.5)
    rim = P.mask_from(size, lambda d, s: d.arc((495 * s, 343 * s, 537 * s, 385 * s), 90, 270, fill=255,
                                               width=int(1.4 * s)))
    P.fill(img, (120, 124, 132, 200), rim)
    hinge = P.rrect_mask(size, (512, 346, 520, 382), 2)
    P.fill(img, P.metal(w, h, [(0.0, (120, 124, 130)), (0.5, (236, 238, 240)), (1.0, (110, 114, 120))]), hinge)
    sparkle = P.mask_from(size, lambda d, s: d.polygon([(x * s, y * s) for x, y in (
        (502, 340), (504, 351), (515, 353), (504, 355), (502, 366), (500, 355), (489, 353), (500, 351))], fill=255))
    P.add_light(img, (255, 250, 220), P.blur(sparkle, 3), 0.9)
    P.fill(img, (255, 255, 255), sparkle)
    # bundles of letters and a coin stack
    for i, (x, y) in enumerate(((200, 340), (236, 330), (214, 318))):
        env = P.poly_mask(size, [(x, y + 40), (x + 120, y + 36), (x + 124, y + 64), (x + 4, y + 70)])
        paste_layer(img, P.drop_shadow(env, (2, 3), 3, 0.6))
        P.fill(img, P.shade((236, 220, 184), 0.9 + 0.05 * i), env)
        P.fill(img, (150, 40, 58), P.poly_mask(size, [(x + 54, y + 38), (x + 62, y + 38), (x + 66, y + 68),
                                                      (x + 58, y + 68)]))
    for i in range(7):
        coin = P.ellipse_mask(size, (690, 540 - i * 6, 750, 556 - i * 6))
        P.fill(img, P.metal(w, h, seed=i), coin)
        P.fill(img, (90, 60, 20, 160), ImageChops.subtract(coin, P.shift(coin, 0, -2)))
    # the lower shelf: a ledger
    ledger = P.rrect_mask(size, (240, 470, 420, 560), 4)
    paste_layer(img, P.drop_shadow(ledger, (3, 3), 4, 0.6))
    P.fill(img, P.vgradient(w, h, [(0.0, (36, 80, 80)), (1.0, (14, 40, 42))]), ledger)
    P.fill(img, (214, 172, 84), P.rrect_mask(size, (252, 480, 408, 484), 1))
    P.fill(img, (214, 172, 84), P.rrect_mask(size, (252, 546, 408, 550), 1))
    # the open door seen edge-on on the left, swung towards the viewer
    door = P.poly_mask(size, [(20, 120), (150, 150), (150, 680), (20, 720)])
    paste_layer(img, P.drop_shadow(door, (12, 6), 14, 0.7))
    face = P.hgradient(w, h, [(0.0, (14, 40, 42)), (0.15, (30, 80, 78)), (1.0, (30, 80, 78))])
    P.fill(img, face, door)
    P.bevel(img, door, 4, 0.4, 0.6)
    for y in (230, 420, 610):
        bolt = P.rrect_mask(size, (146, y - 11, 190, y + 11), 5)
        paste_layer(img, P.drop_shadow(bolt, (3, 4), 3, 0.6))
        cyl = Image.new("RGB", size, (0, 0, 0))
        cyl.paste(P.vgradient(50, 22, [(0.0, (110, 114, 120)), (0.3, (236, 238, 240)), (1.0, (70, 74, 80))]),
                  (144, y - 11))
        P.fill(img, cyl, bolt)
    P.fill(img, (214, 172, 84, 220), P.mask_from(size, lambda d, s: d.polygon(
        [(32 * s, 140 * s), (138 * s, 166 * s), (138 * s, 664 * s), (32 * s, 700 * s)], outline=255, width=3 * s)))
    P.vignette(img, 0.35, 0.5)
    return img


def safe_lamp(colour_on, colour_off, lit, closed_lock):
    w, h = SAFE_LAMP_SIZE
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    cx, cy, r = 75, 62, 46
    bezel = P.ellipse_mask(size, (cx - r - 8, cy - r - 8, cx + r + 8, cy + r + 8))
    glass = P.ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r))
    if lit:
        paste_layer(img, P.glow(bezel, colour_on, 10, 1.1))
    paste_layer(img, P.drop_shadow(bezel, (3, 4), 4, 0.7))
    P.fill(img, P.metal(w, h, seed=71), bezel)
    P.bevel(img, bezel, 3, 0.6, 0.6)
    f = P.radial_field(w, h, cx - 10, cy - 12, r * 1.5)
    if lit:
        g = P.gradient_map(f, [(0.0, (255, 255, 240)), (0.25, P.mix(colour_on, (255, 255, 255), 0.45)),
                               (0.7, colour_on), (1.0, P.shade(colour_on, 0.55))])
    else:
        g = P.gradient_map(f, [(0.0, P.mix(colour_off, (255, 255, 255), 0.25)), (0.5, colour_off),
                               (1.0, P.shade(colour_off, 0.45))])
    P.fill(img, g, glass)
    P.inner_shadow(img, glass, 4, (2, 3), 0.55)
    # facets of the glass and a window reflection
    facets = P.mask_from(size, lambda d, s: [d.line([((cx + math.cos(a) * r * 0.25) * s,
                                                       (cy + math.sin(a) * r * 0.25) * s),
                                                      ((cx + math.cos(a) * r) * s, (cy + math.sin(a) * r) * s)],
                                                     fill=255, width=s) for a in [k * math.pi / 4 for k in range(8)]])
    P.fill(img, (0, 0, 0, 40), ImageChops.multiply(facets, glass))
    P.fill(img, (255, 255, 255, 150 if lit else 90), P.blur(P.ellipse_mask(size, (cx - 30, cy - 34, cx - 6, cy - 20)),
                                                             2))
    plate = P.rrect_mask(size, (30, 114, 120, 148), 6)
    paste_layer(img, P.drop_shadow(plate, (2, 3), 2, 0.6))
    P.fill(img, P.metal(w, h, seed=72), plate)
    P.bevel(img, plate, 2, 0.5, 0.5)
    lock = padlock(size, (64, 116, 86, 146), closed_lock, 73)
    paste_layer(img, lock)
    return img


OPEN_GREEN = ((120, 236, 140), (18, 60, 30))
LOCKED_RED = ((255, 86, 60), (70, 16, 14))


@asset("images/minigames/screen5/OpenOn.png")
def safe_open_on():
    return safe_lamp(OPEN_GREEN[0], OPEN_GREEN[1], True, False)


@asset("images/minigames/screen5/OpenOff.png")
def safe_open_off():
    return safe_lamp(OPEN_GREEN[0], OPEN_GREEN[1], False, False)


@asset("images/minigames/screen5/LockedOn.png")
def safe_locked_on():
    return safe_lamp(LOCKED_RED[0], LOCKED_RED[1], True, True)


@asset("images/minigames/screen5/LockedOff.png")
def safe_locked_off():
    return safe_lamp(LOCKED_RED[0], LOCKED_RED[1], False, True)


def key_light(lit):
    # Glass caps: the engraved symbols of Numbers.png show through them.
    w = h = SAFE_KEY_STEP
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    c, r = 32, 25
    bezel = P.ellipse_mask(size, (c - r - 4, c - r - 4, c + r + 4, c + r + 4))
    glass = P.ellipse_mask(size, (c - r, c - r, c + r, c + r))
    if lit:
        halo = P.glow(bezel, (255, 190, 80), 4, 1.0)
        halo.putalpha(ImageChops.multiply(halo.getchannel("A"), P.invert(glass)))
        paste_layer(img, halo)
    else:
        paste_layer(img, P.drop_shadow(bezel, (1, 2), 2, 0.6))
    ring = ImageChops.subtract(bezel, glass)
    P.fill(img, P.metal(w, h, seed=81), ring)
    P.bevel(img, ring, 2, 0.6, 0.6)
    f = P.radial_field(w, h, c - 5, c - 6, r * 1.4)
    if lit:
        col = P.gradient_map(f, [(0.0, (255, 240, 150)), (0.5, (255, 190, 60)), (1.0, (226, 116, 24))])
        alpha = P.curve(f, lambda t: 0.5 + 0.4 * t ** 1.4)
    else:
        col = P.gradient_map(f, [(0.0, (90, 110, 110)), (1.0, (16, 30, 34))])
        alpha = P.curve(f, lambda t: 0.3 + 0.55 * t ** 1.5)
    layer = col.convert("RGBA")
    layer.putalpha(ImageChops.multiply(alpha, glass))
    img.alpha_composite(layer)
    P.inner_shadow(img, glass, 3, (1, 2), 0.35)
    P.fill(img, (255, 255, 255, 150 if lit else 110), P.blur(P.ellipse_mask(size, (c - 16, c - 18, c - 3, c - 11)),
                                                              1.2))
    return img


@asset("images/minigames/screen5/KeyLightOff.png")
def key_light_off():
    return key_light(False)


@asset("images/minigames/screen5/KeyLightOn.png")
def key_light_on():
    return key_light(True)


@asset("images/minigames/screen5/Numbers.png")
def safe_numbers():
    # Drawn at (330, 230), under the keys: each symbol sits at its key's centre.
    w, h = SAFE_NUMBERS_SIZE
    size = (w, h)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    ox, oy = SAFE_NUMBERS_AT
    kx, ky = SAFE_KEY_ORIGIN
    for row in range(4):
        for col in range(4):
            cx = kx - ox + SAFE_KEY_STEP * col + 32
            cy = ky - oy + SAFE_KEY_STEP * row + 32
            sym = SAFE_SYMBOLS[row][col]
            path = P.SERIF_BOLD if sym.isdigit() else P.SANS
            m = P.text_mask(size, (cx, cy), sym, path, 32 if sym.isdigit() else 30, anchor="mm", ss=2)
            P.engrave(img, m, 1, light=0.5, ink=(58, 30, 8, 235))
    return img


# ================================================================ mini-game: beer-tap pipes (screen 2)

def copper_pipe(img, points, width=16, seed=0):
    """A copper pipe along a polyline, with joints (in place)."""
    w, h = img.size
    size = (w, h)
    m = P.mask_from(size, lambda d, s: d.line([(x * s, y * s) for x, y in points], fill=255, width=int(width * s),
                                              joint="curve"))
    paste_layer(img, P.drop_shadow(m, (3, 5), 4, 0.6))
    P.fill(img, (150, 76, 40), m)
    core = P.mask_from(size, lambda d, s: d.line([(x * s, (y - width * 0.18) * s) for x, y in points],
                                                 fill=255, width=int(width * 0.3 * s), joint="curve"))
    P.fill(img, (250, 180, 120, 150), P.blur(ImageChops.multiply(core, m), 1.5))
    edge = ImageChops.subtract(m, P.shift(m, 0, -3))
    P.fill(img, (60, 24, 10, 160), edge)
    for x, y in points:
        j = P.rrect_mask(size, (x - width * 0.7, y - width * 0.7, x + width * 0.7, y + width * 0.7), 4)
        P.fill(img, P.metal(w, h, seed=seed), j)
        P.bevel(img, j, 2, 0.5, 0.5)


def barrel_side(img, box, seed=0):
    """A barrel lying on its side, seen from the front: its round head (in place)."""
    w, h = img.size
    size = (w, h)
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    head = P.ellipse_mask(size, box)
    paste_layer(img, P.drop_shadow(head, (6, 8), 8, 0.7))
    P.fill(img, P.wood(w, h, seed, [(0.0, (60, 34, 16)), (0.6, (120, 76, 38)), (1.0, (160, 106, 56))],
                       vertical=True, lines=w / 20), head)
    staves = Image.new("L", size, 0)
    d = ImageDraw.Draw(staves)
    for x in range(int(x0), int(x1), 22):
        d.line([(x, y0), (x, y1)], fill=200, width=2)
    P.fill(img, (30, 16, 8), ImageChops.multiply(staves, head))
    hoop = ImageChops.subtract(head, P.ellipse_mask(size, (x0 + 12, y0 + 12, x1 - 12, y1 - 12)))
    P.fill(img, P.metal(w, h, [(0.0, (40, 40, 44)), (0.5, (120, 120, 126)), (1.0, (30, 30, 34))]), hoop)
    P.bevel(img, hoop, 2, 0.4, 0.6)
    P.multiply(img, (60, 40, 30), ImageChops.multiply(P.curve(P.radial_field(w, h, cx - 20, cy - 24, (x1 - x0) * 0.6),
                                                              lambda t: t ** 1.5), head), 0.7)
    tap = P.rrect_mask(size, (cx - 10, cy - 10, cx + 10, cy + 10), 4)
    P.fill(img, P.metal(w, h, seed=seed + 1), tap)
    P.bevel(img, tap, 2, 0.6, 0.5)


@asset("images/minigames/screen2/Bg2.png")
def pipes_bg():
    w, h = 1024, 768
    size = (w, h)
    img = brick_wall(size, 201, brick=(76, 28), stops=[(0.0, (46, 24, 20)), (0.5, (80, 40, 30)),
                                                       (1.0, (108, 60, 42))])
    P.add_light(img, (110, 60, 20), P.invert(P.curve(P.radial_field(w, h, w / 2, 0, 800, 700), lambda t: t ** 0.6)),
                0.6)
    # the pipe board
    board_box = (140, 64, 884, 652)
    board = P.rrect_mask(size, board_box, 10)
    paste_layer(img, P.drop_shadow(board, (8, 12), 14, 0.75))
    planks = P.wood(w, h, 202, [(0.0, (76, 46, 24)), (0.5, (118, 76, 40)), (1.0, (156, 108, 60))], lines=h / 10)
    seams = Image.new("L", size, 0)
    d = ImageDraw.Draw(seams)
    for y in range(board_box[1] + 98, board_box[3], 98):
        d.rectangle((0, y, w, y + 1), fill=255)
    P.fill(img, planks, board)
    P.fill(img, (30, 16, 8, 200), ImageChops.multiply(seams, board))
    P.fill(img, (255, 220, 170, 50), ImageChops.multiply(P.shift(seams, 0, 2), board))
    P.add_light(img, (60, 40, 16), ImageChops.multiply(P.invert(P.radial_field(w, h, 512, 300, 520, 400)), board), 0.7)
    P.multiply(img, (90, 70, 60), ImageChops.multiply(P.curve(P.radial_field(w, h, 512, 358, 470, 360),
                                                              lambda t: max(0.0, t - 0.6) / 0.4), board), 0.8)
    frame = ImageChops.subtract(board, P.rrect_mask(size, (board_box[0] + 14, board_box[1] + 14, board_box[2] - 14,
                                                           board_box[3] - 14), 4))
    P.fill(img, P.wood(w, h, 203, [(0.0, (30, 16, 8)), (0.6, (64, 38, 18)), (1.0, (96, 60, 30))]), frame)
    P.bevel(img, frame, 4, 0.35, 0.6)
    for cx, cy in ((board_box[0] + 7, board_box[1] + 7), (board_box[2] - 7, board_box[1] + 7),
                   (board_box[0] + 7, board_box[3] - 7), (board_box[2] - 7, board_box[3] - 7)):
        plate = P.poly_mask(size, [(cx - 22, cy - 22), (cx + 22, cy - 22), (cx + 22, cy + 22), (cx - 22, cy + 22)])
        plate = ImageChops.multiply(plate, board)
        P.fill(img, P.metal(w, h, seed=cx), plate)
        P.bevel(img, plate, 2, 0.5, 0.5)
    # the keg on the left feeds the board; the tap on the right pours
    barrel_side(img, (-60, 280, 128, 468), 204)
    copper_pipe(img, [(60, 374), (176, 374)], 18, 1)
    copper_pipe(img, [(848, 374), (944, 374), (944, 430)], 18, 2)
    font_ = P.rrect_mask(size, (924, 416, 964, 470), 6)
    P.fill(img, P.metal(w, h, seed=5), font_)
    P.bevel(img, font_, 3, 0.6, 0.5)
    handle = P.rrect_mask(size, (936, 330, 952, 418), 7)
    P.fill(img, P.vgradient(w, h, [(0.0, (250, 236, 210)), (1.0, (150, 120, 90))]), handle)
    P.bevel(img, handle, 2, 0.5, 0.5)
    spout = P.poly_mask(size, [(934, 468), (954, 468), (950, 490), (938, 490)])
    P.fill(img, P.metal(w, h, seed=6), spout)
    # a tankard on the drip tray under the tap
    tray = P.rrect_mask(size, (900, 586, 1000, 600), 3)
    P.fill(img, P.metal(w, h, seed=7), tray)
    mug = P.rrect_mask(size, (916, 510, 976, 590), 8)
    paste_layer(img, P.drop_shadow(mug, (4, 4), 4, 0.6))
    glass = P.hgradient(w, h, [(0.0, (120, 70, 20)), (0.3, (240, 180, 70)), (0.6, (214, 140, 40)),
                               (1.0, (110, 60, 16))])
    P.fill(img, glass, mug)
    P.fill(img, (250, 244, 226), P.rrect_mask(size, (916, 510, 976, 526), 6))
    P.fill(img, (255, 255, 255, 80), P.rrect_mask(size, (924, 530, 930, 584), 3))
    hand = P.mask_from(size, lambda d_, s: d_.arc((962 * s, 524 * s, 996 * s, 574 * s), 270, 90, fill=255,
                                                  width=7 * s))
    P.fill(img, (200, 150, 80, 200), hand)
    P.vignette(img, 0.6, 0.4)
    return img


BEER_TOP = (246, 184, 64)
BEER_DEEP = (150, 72, 12)


@asset("images/minigames/screen2/beer.png")
def beer():
    w, h = 1024, 768
    size = (w, h)
    body = P.vgradient(w, h, [(0.0, BEER_TOP), (0.25, (226, 146, 40)), (1.0, BEER_DEEP)]).convert("RGBA")
    body.putalpha(P.linear_field(w, h).point(lambda i: 214 + i * 30 // 255))
    P.soft_light(body, P.fbm(w, h, 210, ((90, 0.6), (20, 0.4)), 0.3).point(lambda i: 112 + i // 8))
    rng = random.Random(211)
    bub = Image.new("L", size, 0)
    core = Image.new("L", size, 0)
    d, dc = ImageDraw.Draw(bub), ImageDraw.Draw(core)
    for _ in range(700):
        x, y = rng.uniform(0, w), rng.uniform(0, h) ** 1.0
        r = rng.choice((1.0, 1.4, 2.0, 2.8, 3.6))
        d.ellipse((x - r, y - r, x + r, y + r), outline=200, width=1)
        dc.ellipse((x - r * 0.5 - 0.5, y - r * 0.6, x - r * 0.1, y - r * 0.2), fill=255)
    P.fill(body, (255, 236, 170, 150), bub)
    P.fill(body, (255, 255, 240, 200), core)
    return body


@asset("images/minigames/screen2/foam.png")
def foam():
    # Drawn twice side by side and slid sideways: it tiles horizontally.
    w, h = 1024, 48
    size = (w, h)
    surface = 24
    rng = random.Random(220)
    top = Image.new("L", size, 0)
    d = ImageDraw.Draw(top)
    waves = [(rng.uniform(1.5, 4.0), rng.choice((3, 5, 8, 13, 21)), rng.uniform(0, 6.28)) for _ in range(4)]
    for x in range(w):
        y = 8 + sum(a * math.sin(2 * math.pi * k * x / w + p) for a, k, p in waves)
        d.line([(x, y), (x, h)], fill=255)
    lumps = Image.new("L", size, 0)
    dl = ImageDraw.Draw(lumps)
    for _ in range(160):
        x, r = rng.uniform(0, w), rng.uniform(4, 10)
        y = 8 + sum(a * math.sin(2 * math.pi * k * x / w + p) for a, k, p in waves) + rng.uniform(-1, 3)
        for ox in (-w, 0, w):
            dl.ellipse((x + ox - r, y - r * 0.8, x + ox + r, y + r * 0.8), fill=255)
    shape = ImageChops.lighter(top, lumps)
    fade = P.linear_field(w, h).point(lambda i: 255 if i * h / 255 < surface + 6 else
                                      max(0, int(255 * (1 - (i * h / 255 - surface - 6) / (h - surface - 6)))))
    shape = P.blur(ImageChops.multiply(shape, fade), 0.6)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    col = P.vgradient(w, h, [(0.0, (255, 252, 240)), (0.45, (250, 238, 206)), (0.7, (240, 206, 140)),
                             (1.0, BEER_TOP)])
    P.fill(img, col, shape)
    cells = Image.new("L", size, 0)
    dc = ImageDraw.Draw(cells)
    for _ in range(900):
        x, y, r = rng.uniform(0, w), rng.uniform(6, h - 6), rng.uniform(0.8, 2.6)
        for ox in (-w, 0, w):
            dc.ellipse((x + ox - r, y - r, x + ox + r, y + r), outline=255)
    P.fill(img, (196, 150, 90, 90), ImageChops.multiply(cells, shape))
    P.fill(img, (255, 255, 255, 120), ImageChops.multiply(P.shift(cells, -1, -1), shape))
    return img


@asset("images/minigames/screen2/beerfall.png")
def beerfall():
    # 8 frames of 356 x 240 in 4 columns and 2 rows; the stream leaves the right
    # edge near the top and splashes down at the bottom left (drawn mirrored on
    # the left side of the screen).
    fw, fh = 356, 240
    sheet = Image.new("RGBA", (fw * 4, fh * 2), (0, 0, 0, 0))
    path = []
    for i in range(121):
        t = i / 120
        x = 330 - 190 * t
        y = 16 + 214 * t ** 1.6
        path.append((x, y, 11 + 7 * t))
    for f in range(8):
        size = (fw, fh)
        frame = Image.new("RGBA", size, (0, 0, 0, 0))
        stream = P.mask_from(size, lambda d, s: [d.ellipse(((x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s),
                                                           fill=255) for x, y, r in path])
        lit = P.gradient_map(P.radial_field(fw, fh, 300, 20, 300, 260),
                             [(0.0, (255, 214, 110)), (0.6, (232, 150, 44)), (1.0, (180, 96, 20))])
        P.fill(frame, (lit.convert("RGBA")), P.opacity(stream, 0.9))
        streaks = Image.new("L", size, 0)
        d = ImageDraw.Draw(streaks)
        rng = random.Random(230)
        lanes = [(rng.uniform(-0.7, 0.7), rng.uniform(0, 1), rng.uniform(0.04, 0.1)) for _ in range(18)]
        for lane, ph, ln in lanes:
            for k in range(4):
                u0 = (ph + k / 4 + f / 32) % 1.0
                i0, i1 = int(u0 * 120), min(120, int((u0 + ln) * 120))
                pts = [(path[i][0] + lane * path[i][2] * 0.3, path[i][1] + lane * path[i][2]) for i in range(i0, i1)]
                if len(pts) > 1:
                    d.line(pts, fill=255, width=2)
        P.fill(frame, (255, 246, 200, 150), ImageChops.multiply(P.blur(streaks, 0.7), stream))
        edge = ImageChops.subtract(stream, P.shift(stream, 0, 2))
        P.fill(frame, (255, 240, 190, 160), edge)
        # the splash: a foamy crown and droplets flung out, varied per frame
        crown = Image.new("L", size, 0)
        dc = ImageDraw.Draw(crown)
        rng = random.Random(240 + f)
        base_x = path[-1][0]
        for _ in range(26):
            x = base_x + rng.gauss(0, 22)
            r = rng.uniform(5, 13)
            dc.ellipse((x - r, fh - 10 - r * 0.8, x + r, fh - 10 + r * 0.8), fill=255)
        crown = P.blur(crown, 1.2)
        P.fill(frame, (252, 240, 210, 235), crown)
        drops = Image.new("L", size, 0)
        dd = ImageDraw.Draw(drops)
        for _ in range(22):
            a = rng.uniform(math.pi * 1.05, math.pi * 1.95)
            dist = rng.uniform(14, 60)
            x = base_x + math.cos(a) * dist * 1.4
            y = fh - 16 + math.sin(a) * dist
            r = rng.uniform(1.5, 3.5)
            dd.ellipse((x - r, y - r * 1.2, x + r, y + r * 1.2), fill=255)
        P.fill(frame, (246, 190, 90, 230), drops)
        P.fill(frame, (255, 250, 230, 200), ImageChops.multiply(P.shift(drops, -1, -1), drops))
        sheet.alpha_composite(frame, ((f % 4) * fw, (f // 4) * fh))
    return sheet


# ================================================================ mini-game: book swap (screen 10)

# Slot i: x = 198 + 74 i, y = 257, 90 x 378. The books' heights rise in the
# answer order (1, 5, 2, 7, 6, 0, 4, 3): a clue the player can see.
BOOK_SIZE = (90, 378)
BOOK_ANSWER = (1, 5, 2, 7, 6, 0, 4, 3)
BOOK_LOOKS = [
    ((120, 28, 46), (214, 172, 84), "\u2605"),
    ((24, 82, 88), (226, 186, 96), "\u263e"),
    ((44, 86, 50), (220, 180, 90), "\u2663"),
    ((34, 46, 96), (230, 196, 110), "\u2693"),
    ((196, 136, 56), (96, 30, 30), "\u2600"),
    ((104, 62, 34), (230, 190, 100), "\u2665"),
    ((88, 40, 84), (226, 186, 96), "\u266a"),
    ((226, 206, 164), (110, 34, 40), "\u273f"),
]


def book_spine(index):
    w, h = BOOK_SIZE
    size = (w, h)
    rank = BOOK_ANSWER.index(index)
    bh = 290 + 12 * rank
    colour, gold, emblem = BOOK_LOOKS[index]
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    x0, x1 = 10, 80
    y0 = h - bh
    spine = P.rrect_mask(size, (x0, y0, x1, h), 5)
    paste_layer(img, P.drop_shadow(spine, (3, 0), 3, 0.6))
    leather = P.hgradient(w, h, [(0.0, P.shade(colour, 0.4)), (0.16, P.shade(colour, 0.8)),
                                 (0.34, P.mix(colour, (255, 240, 220), 0.22)), (0.55, colour),
                                 (0.84, P.shade(colour, 0.6)), (1.0, P.shade(colour, 0.35))])
    P.soft_light(leather, P.fbm(w, h, 300 + index, ((6, 0.4), (2, 0.6))).point(lambda i: 104 + i // 5))
    P.fill(img, leather, spine)
    # raised bands across the spine
    bands = [y0 + 26, y0 + 40, h - 50, h - 36]
    for y in bands:
        band = P.rrect_mask(size, (x0, y - 3, x1, y + 3), 2)
        P.fill(img, P.shade(colour, 0.6), band)
        P.bevel(img, band, 2, 0.5, 0.6)
        gl = Image.new("L", size, 0)
        ImageDraw.Draw(gl).rectangle((x0 + 2, y - 5, x1 - 2, y - 5), fill=255)
        ImageDraw.Draw(gl).rectangle((x0 + 2, y + 5, x1 - 2, y + 5), fill=255)
        P.fill(img, P.rgba(gold, 210), gl)
    # title label with gilt lines, and the emblem lower down
    ly0 = y0 + 62
    label = P.rrect_mask(size, (x0 + 8, ly0, x1 - 8, ly0 + 74), 3)
    lab_col = P.shade(colour, 0.55) if sum(colour) > 300 else P.mix(colour, (0, 0, 0), 0.5)
    P.fill(img, lab_col, label)
    P.fill(img, P.rgba(gold, 230), ImageChops.subtract(label, P.rrect_mask(size, (x0 + 9, ly0 + 1, x1 - 9,
                                                                                  ly0 + 73), 2)))
    rng = random.Random(400 + index)
    for k in range(4):
        yy = ly0 + 12 + k * 15
        ln = rng.uniform(24, 42)
        line = P.rrect_mask(size, (45 - ln / 2, yy, 45 + ln / 2, yy + 4), 2)
        P.fill(img, P.rgba(gold, 220), line)
    em = P.text_mask(size, (45, (ly0 + 74 + h - 56) / 2), emblem, P.SANS, 34, anchor="mm", ss=2)
    paste_layer(img, P.drop_shadow(em, (1, 1), 1, 0.6))
    P.fill(img, P.metal(w, h, [(0.0, P.mix(gold, (255, 255, 255), 0.4)), (1.0, P.shade(gold, 0.7))]), em)
    # the top edge catches the light
    P.fill(img, (255, 240, 220, 60), P.rrect_mask(size, (x0 + 3, y0 + 1, x1 - 3, y0 + 3), 1))
    return img


for _n in range(8):
    asset("images/minigames/screen10/book%d.png" % (_n + 1))(lambda _n=_n: book_spine(_n))


@asset("images/minigames/screen10/Bg10.png")
def books_bg():
    w, h = 1024, 768
    size = (w, h)
    img = P.tile(P.damask_tile(80, 110, (20, 62, 68), (30, 80, 86)), w, h).convert("RGBA")
    P.add_light(img, (100, 60, 20), P.invert(P.curve(P.radial_field(w, h, w / 2, 120, 700, 600),
                                                     lambda t: t ** 0.6)), 0.7)
    case_box = (150, 70, 874, 768)
    case = P.rrect_mask(size, case_box, 4)
    paste_layer(img, P.drop_shadow(case, (10, 0), 18, 0.8))
    dark = [(0.0, (26, 14, 8)), (0.6, (56, 32, 16)), (1.0, (84, 52, 26))]
    P.fill(img, P.wood(w, h, 501, dark, vertical=True, lines=w / 16), case)
    back_box = (176, 96, 848, 660)
    back = P.rrect_mask(size, back_box, 2)
    P.fill(img, P.wood(w, h, 502, [(0.0, (16, 8, 4)), (0.6, (34, 20, 10)), (1.0, (50, 30, 16))], vertical=True,
                       lines=w / 10), back)
    P.inner_shadow(img, back, 14, (6, 10), 0.85)
    P.add_light(img, (70, 40, 12), ImageChops.multiply(P.invert(P.radial_field(w, h, 512, 420, 380, 300)), back), 0.6)
    # shelf boards: the upper one above the books, the lower one they stand on
    for y0, y1 in ((228, 250), (635, 660)):
        board = P.rrect_mask(size, (176, y0, 848, y1), 2)
        P.fill(img, P.wood(w, h, 503 + y0, [(0.0, (40, 22, 10)), (0.6, (96, 60, 30)), (1.0, (136, 90, 48))]),
               board)
        P.bevel(img, board, 3, 0.4, 0.6)
        P.fill(img, (0, 0, 0, 170), ImageChops.multiply(P.blur(P.shift(board, 0, 10), 7), back))
    P.fill(img, (0, 0, 0, 120), P.blur(P.rrect_mask(size, (190, 250, 834, 258), 2), 4))
    # small things on the top shelf: a candle, an hourglass, a globe
    candle = P.rrect_mask(size, (236, 160, 254, 228), 3)
    P.fill(img, P.hgradient(w, h, [(0.0, (190, 170, 130)), (0.4, (250, 240, 214)), (1.0, (170, 150, 110))]), candle)
    flame = P.ellipse_mask(size, (240, 134, 250, 158))
    P.add_light(img, (255, 160, 60), P.blur(flame, 30), 0.9)
    P.add_light(img, (255, 200, 110), P.blur(flame, 8), 0.8)
    P.fill(img, (255, 240, 190), flame)
    holder = P.rrect_mask(size, (226, 222, 264, 230), 3)
    P.fill(img, P.metal(w, h, seed=3), holder)
    hx = 776 - 446    # the hourglass stands right of the globe, the card takes the middle
    glass = P.poly_mask(size, [(hx + 452, 160), (hx + 492, 160), (hx + 476, 194), (hx + 492, 226), (hx + 452, 226),
                               (hx + 468, 194)])
    P.fill(img, (200, 220, 220, 110), glass)
    P.fill(img, (230, 190, 110), P.poly_mask(size, [(hx + 460, 206), (hx + 484, 206), (hx + 490, 224),
                                                    (hx + 454, 224)]))
    for y in (154, 224):
        P.fill(img, P.wood(w, h, y, dark), P.rrect_mask(size, (hx + 446, y, hx + 498, y + 6), 2))
    # Grandmother's card leaning on the back wall: the books' emblems in the order
    # they belong, each in its book's colour (BOOK_LOOKS), outlined in ink.
    card_pts = [(296, 132), (634, 132), (642, 226), (288, 226)]     # top edge tilted back, away from us
    card = P.poly_mask(size, card_pts)
    P.fill(img, (0, 0, 0, 150), P.blur(P.poly_mask(size, [(306, 124), (652, 126), (652, 226), (300, 226)]), 6))
    paper = Image.new("RGB", size, (0, 0, 0))
    paper.paste(P.parchment(360, 100, 509, light=(252, 242, 216), dark=(222, 198, 150), edge=10), (285, 129))
    P.fill(img, paper, card)
    P.fill(img, (130, 36, 48, 200), ImageChops.subtract(
        P.poly_mask(size, [(304, 139), (626, 139), (632, 219), (298, 219)]),
        P.poly_mask(size, [(306, 141), (624, 141), (630, 217), (300, 217)])))       # a thin red border
    rng = random.Random(510)
    ink_outline = Image.new("L", size, 0)
    fills = []
    for i, book in enumerate(BOOK_ANSWER):
        colour, _gold, emblem = BOOK_LOOKS[book]
        cx, cy = 325 + 40.5 * i, 176 + rng.uniform(-1.5, 1.5)
        n = 38 * 2 * 4
        g = Image.new("L", (n, n), 0)
        ImageDraw.Draw(g).text((n / 2, n / 2), emblem, font=P.font(P.SANS_BOLD, 38 * 4), fill=255, anchor="mm")
        g = g.rotate(rng.uniform(-6, 6), Image.Resampling.BICUBIC).resize((n // 4, n // 4), Image.Resampling.LANCZOS)
        m = Image.new("L", size, 0)
        m.paste(g, (int(round(cx - n / 8)), int(round(cy - n / 8))))
        ink_outline = ImageChops.lighter(ink_outline, m.filter(ImageFilter.MaxFilter(5)))
        fills.append((colour, m))
    P.fill(img, (40, 20, 12, 70), P.blur(P.shift(ink_outline, 1, 2), 1.5))
    P.fill(img, (48, 24, 16), ink_outline)
    for colour, m in fills:
        P.fill(img, P.gradient_map(P.linear_field(w, h), [(0.0, colour), (130 / h, P.mix(colour, (255, 255, 255), 0.25)),
                                                          (226 / h, P.shade(colour, 0.8)), (1.0, colour)]), m)
    # the candle's light on the card's left half, the card's foot in shadow
    P.add_light(img, (70, 40, 10), ImageChops.multiply(card, P.invert(P.radial_field(w, h, 250, 150, 420, 200))),
                0.6)
    P.multiply(img, (120, 90, 70), ImageChops.multiply(card, P.linear_field(w, h).point(
        lambda i: max(0, min(255, (i - 190) * 12)))), 0.5)
    globe_c, gr = (700, 176), 40
    stand = P.poly_mask(size, [(690, 216), (710, 216), (720, 228), (680, 228)])
    P.fill(img, P.metal(w, h, seed=9), stand)
    ball = P.ellipse_mask(size, (globe_c[0] - gr, globe_c[1] - gr, globe_c[0] + gr, globe_c[1] + gr))
    sea = P.gradient_map(P.radial_field(w, h, globe_c[0] - 14, globe_c[1] - 14, gr * 1.8),
                         [(0.0, (120, 170, 160)), (0.6, (40, 96, 100)), (1.0, (12, 40, 46))])
    P.fill(img, sea, ball)
    lands = P.fbm(w, h, 505, ((14, 0.6), (5, 0.4))).point(lambda i: 255 if i > 150 else 0)
    P.fill(img, (196, 170, 110, 200), ImageChops.multiply(P.blur(lands, 0.7), ball))
    P.multiply(img, (40, 30, 30), ImageChops.multiply(P.curve(P.radial_field(w, h, globe_c[0] - 14, globe_c[1] - 14,
                                                                             gr * 1.9), lambda t: t ** 1.4), ball))
    P.fill(img, P.metal(w, h, seed=8), P.ring_mask(size, (globe_c[0] - gr - 6, globe_c[1] - gr - 6,
                                                          globe_c[0] + gr + 6, globe_c[1] + gr + 6), 3))
    # the cupboard below the books
    for x0 in (190, 516):
        door = P.rrect_mask(size, (x0, 676, x0 + 318, 768 + 20), 4)
        P.inner_shadow(img, door, 4, (2, 3), 0.6)
        P.bevel(img, door, 3, 0.25, 0.4)
    P.vignette(img, 0.55, 0.4)
    return img


# ================================================================ mini-game: chocolate box (screen 28)

# Cavities of the box tray, by row: type 1 round, 2 heart, 3 square; centre of
# cavity (column c, row r) = (347 + 110 c, 304 + 110 r).
CHOC_CAVITY_TYPES = [[1, 2, 3, 1], [2, 3, 1, 2], [3, 1, 2, 3]]
CHOC_ORIGIN = (347, 304)
CHOC_STEP = 110


def heart_points(cx, cy, r, n=64):
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((cx + x * r / 17, cy + y * r / 17 + r * 0.1))
    return pts


@asset("images/minigames/screen28/Bg.png")
def chocolate_bg():
    w, h = 1024, 768
    size = (w, h)
    img = P.wood(w, h, 601, [(0.0, (84, 50, 26)), (0.5, (112, 72, 40)), (1.0, (140, 96, 56))],
                 lines=h / 24).convert("RGBA")
    seams = Image.new("L", size, 0)
    for y in range(0, h, 128):
        ImageDraw.Draw(seams).rectangle((0, y, w, y + 1), fill=255)
    P.fill(img, (30, 16, 8, 200), seams)
    P.add_light(img, (90, 60, 24), P.invert(P.curve(P.radial_field(w, h, 512, 380, 700, 520), lambda t: t ** 0.7)),
                0.7)
    # a checked tea towel under the box
    towel = P.poly_mask(size, [(180, 150), (860, 130), (880, 690), (170, 700)])
    vert, horiz = Image.new("L", size, 0), Image.new("L", size, 0)
    for k in range(0, w, 44):
        ImageDraw.Draw(vert).rectangle((k, 0, k + 15, h), fill=110)
        ImageDraw.Draw(horiz).rectangle((0, k, w, k + 15), fill=110)
    check = ImageChops.add(vert, horiz)
    towel_col = Image.new("RGBA", size, (244, 236, 220, 255))
    P.fill(towel_col, (128, 30, 48), check)
    towel_col = towel_col.rotate(-1.5, Image.Resampling.BICUBIC, fillcolor=(244, 236, 220, 255))
    paste_layer(img, P.drop_shadow(towel, (4, 6), 6, 0.5))
    P.soft_light(towel_col, P.fbm(w, h, 602, ((3, 0.5), (1, 0.5))).point(lambda i: 116 + i // 10))
    P.fill(img, towel_col, towel)
    # the box: burgundy with a gold rim, a cream paper tray and shaped cavities
    box_box = (262, 214, 762, 614)
    box = P.rrect_mask(size, box_box, 14)
    paste_layer(img, P.drop_shadow(box, (8, 12), 12, 0.7))
    P.fill(img, P.vgradient(w, h, [(0.0, (150, 40, 58)), (1.0, (80, 14, 30))]), box)
    P.bevel(img, box, 5, 0.4, 0.6)
    P.gold_frame(img, (box_box[0] + 10, box_box[1] + 10, box_box[2] - 10, box_box[3] - 10), 8, width=4)
    tray = P.rrect_mask(size, (box_box[0] + 22, box_box[1] + 22, box_box[2] - 22, box_box[3] - 22), 6)
    P.fill(img, P.vgradient(w, h, [(0.0, (250, 236, 200)), (1.0, (226, 200, 150))]), tray)
    P.inner_shadow(img, tray, 6, (3, 4), 0.5)
    ox, oy = CHOC_ORIGIN
    for r, row in enumerate(CHOC_CAVITY_TYPES):
        for c, typ in enumerate(row):
            cx, cy = ox + CHOC_STEP * c, oy + CHOC_STEP * r
            cup = P.ellipse_mask(size, (cx - 46, cy - 46, cx + 46, cy + 46))
            P.fill(img, (70, 40, 24), cup)
            pleats = P.mask_from(size, lambda d_, s, cx=cx, cy=cy: [
                d_.line([(cx * s, cy * s), ((cx + math.cos(a) * 46) * s, (cy + math.sin(a) * 46) * s)],
                        fill=255, width=2 * s) for a in [k * math.pi / 12 for k in range(24)]])
            P.fill(img, (40, 20, 10, 150), ImageChops.multiply(pleats, cup))
            if typ == 1:
                hole = P.ellipse_mask(size, (cx - 36, cy - 36, cx + 36, cy + 36))
            elif typ == 2:
                hole = P.poly_mask(size, heart_points(cx, cy, 38))
            else:
                hole = P.rrect_mask(size, (cx - 34, cy - 34, cx + 34, cy + 34), 8)
            P.fill(img, (44, 22, 12), hole)
            P.inner_shadow(img, hole, 5, (3, 4), 0.8)
            P.fill(img, (255, 220, 180, 70), ImageChops.subtract(P.shift(hole, 1, 2), hole))
    # a gold ribbon across the upper left corner, tied in a bow
    ribbon = P.poly_mask(size, [(262, 262), (314, 214), (340, 214), (262, 288)])
    P.fill(img, P.metal(w, h, seed=11), ribbon)
    P.bevel(img, ribbon, 2, 0.5, 0.5)
    bx, by = 294, 238
    for ang in (-35, 145, 30, 210):
        lm = Image.new("L", size, 0)
        big = ang in (-35, 145)
        rx, ry = (30, 14) if big else (22, 7)
        cx, cy = bx + math.cos(math.radians(ang)) * rx * 0.9, by + math.sin(math.radians(ang)) * rx * 0.9
        ell = Image.new("L", (int(rx * 2 + 4) * 4, int(rx * 2 + 4) * 4), 0)
        ImageDraw.Draw(ell).ellipse((2 * 4, (rx - ry + 2) * 4, (2 * rx + 2) * 4, (rx + ry + 2) * 4), fill=255)
        ell = ell.rotate(-ang, Image.Resampling.BICUBIC).resize((int(rx * 2 + 4), int(rx * 2 + 4)),
                                                               Image.Resampling.LANCZOS)
        lm.paste(ell, (int(cx - rx - 2), int(cy - rx - 2)))
        paste_layer(img, P.drop_shadow(lm, (2, 3), 3, 0.55))
        P.fill(img, P.metal(w, h, seed=12 + ang), lm)
        P.bevel(img, lm, 2, 0.5, 0.55)
    knot = P.ellipse_mask(size, (bx - 9, by - 8, bx + 9, by + 8))
    P.fill(img, P.metal(w, h, seed=19), knot)
    P.bevel(img, knot, 2, 0.6, 0.6)
    P.vignette(img, 0.5, 0.4)
    return img


# ================================================================ main

def contact_sheet(items, path):
    cols = 6
    cell_w, cell_h = 300, 260
    rows = (len(items) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * cell_w, rows * cell_h), (96, 96, 100))
    d = ImageDraw.Draw(sheet)
    chk = P.tile(Image.frombytes("L", (16, 16), bytes(
        (150 if ((x // 8) + (y // 8)) % 2 else 120) for y in range(16) for x in range(16))), 280, 210)
    for i, (rel, img) in enumerate(items):
        x, y = (i % cols) * cell_w + 10, (i // cols) * cell_h + 8
        sheet.paste(Image.merge("RGB", [chk] * 3), (x, y))
        thumb = P.to_rgba(img).copy()
        f = min(280 / thumb.size[0], 210 / thumb.size[1], 4.0)
        thumb = thumb.resize((max(1, int(thumb.size[0] * f)), max(1, int(thumb.size[1] * f))),
                             Image.Resampling.LANCZOS)
        tx = x + (280 - thumb.size[0]) // 2
        ty = y + (210 - thumb.size[1]) // 2
        sheet.paste(thumb, (tx, ty), thumb)
        d.text((x, y + 214), rel.replace("images/", ""), fill=(255, 255, 255), font=P.font(P.SANS, 12))
        d.text((x, y + 230), "%d x %d" % img.size, fill=(220, 220, 200), font=P.font(P.SANS, 12))
    sheet.save(path)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--only", action="append", default=[], help="paint only paths containing this text")
    ap.add_argument("--sheet", help="also write a contact sheet PNG to this path (outside content/)")
    args = ap.parse_args()
    painted = []
    chosen = [(rel, fn) for rel, fn in ASSETS if not args.only or any(o in rel for o in args.only)]
    for n, (rel, fn) in enumerate(chosen, 1):
        img = fn()
        out = os.path.join(ROOT, "content", rel)
        P.save(img, out)
        painted.append((rel, Image.open(out)))
        print("%-52s %4d x %-4d %8d bytes (%d/%d)" % (rel, img.size[0], img.size[1], os.path.getsize(out),
                                                     n, len(chosen)), flush=True)
    if args.sheet:
        if os.path.abspath(args.sheet).startswith(os.path.join(ROOT, "content")):
            sys.exit("the contact sheet does not belong in content/")
        contact_sheet(painted, args.sheet)


if __name__ == "__main__":
    main()
