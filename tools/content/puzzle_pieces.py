#!/usr/bin/python3
"""Paints the loose pieces of two puzzles: the chocolates and the beer pipes.

Usage: tools/content/puzzle_pieces.py [--only SUBSTRING ...] [--preview]

Writes under content/images/minigames/ (relative to the repository root):
    screen28/Choc1.png  round dark truffle with gold dust        (80 x 80)
    screen28/Choc2.png  milk chocolate heart with pink drizzle   (80 x 80)
    screen28/Choc3.png  square white praline with cocoa stripes  (80 x 80)
    screen2/StraightH.png, StraightV.png, Corner.png, Blank.png  (96 x 96)
    screen2/Tap.png     the ivory tap handle                     (40 x 110)

With --preview, also writes under /tmp: choc_preview.png (every chocolate in
its cavity), choc_loose.png (twelve chocolates on the table), pipes_preview.png
(the path laid) and pipes_scrambled.png (the path pieces turned wrongly).
Deterministic: all randomness is seeded.

Where things are (screen pixels):
- chocolate box: cavity (column c, row r) centred at (347 + 110 c, 304 + 110 r),
  its type in ui_art.CHOC_CAVITY_TYPES; a chocolate is drawn at centre - 40.
  The chocolates keep a 3-4 pixel gap to their cavity's rim: round radius 32,
  heart = the cavity's heart curve at size 34 instead of 38, square 62 x 62;
- pipe grid: 7 x 5 tiles of 96 x 96 from (176, 134); the pipe is 22 pixels
  wide and crosses each used edge at its centre, with a brass collar 7 pixels
  deep and 30 wide; Corner joins the left and the top edge (turn it clockwise
  by k quarter turns: 1 = top-right, 2 = right-bottom, 3 = bottom-left);
  every tile looks right turned by any quarter turn, StraightH turned by a
  half turn is the same picture;
- Tap.png is drawn at (924, 318), over Bg2's handle (x 936..952, y 330..418).
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
import ui_art  # noqa: E402  (the box's cavity layout)
from asset_script import Assets, load, run  # noqa: E402

CHOC_DIR = "images/minigames/screen28"
PIPE_DIR = "images/minigames/screen2"

# ---------------------------------------------------------------- chocolates

CHOC = 80                      # picture size
CHOC_ROUND_R = 32              # cavity radius 36
CHOC_HEART_R = 34              # cavity heart size 38
CHOC_SQUARE = (9, 9, 71, 71)   # cavity 68 x 68
CHOC_SQUARE_RADIUS = 9
LOOSE_SPOTS = [(x, y) for y in (200, 340, 480) for x in (40, 140)] + \
              [(x, y) for y in (200, 340, 480) for x in (804, 904)]

# ---------------------------------------------------------------- pipes

TILE = 96
GRID_ORIGIN = (176, 134)
GRID_COLS, GRID_ROWS = 7, 5
PIPE_R = 11.0                  # half the pipe's width
BEND_R = 48.0                  # centre line of the elbow around the tile corner
COLLAR_DEPTH = 7.0
COLLAR_R = 15.0
TAP_AT = (924, 318)
TAP_SIZE = (40, 110)

# solved path: (column, row) -> picture and clockwise quarter turns
PIPE_PATH = [((0, 2), "StraightH", 0), ((1, 2), "Corner", 0), ((1, 1), "StraightV", 0),
             ((1, 0), "Corner", 2), ((2, 0), "StraightH", 0), ((3, 0), "Corner", 3),
             ((3, 1), "StraightV", 0), ((3, 2), "StraightV", 0), ((3, 3), "Corner", 1),
             ((4, 3), "StraightH", 0), ((5, 3), "Corner", 0), ((5, 2), "Corner", 2),
             ((6, 2), "StraightH", 0)]

COPPER = [(0.0, (46, 18, 8)), (0.25, (104, 46, 22)), (0.5, (156, 78, 40)), (0.72, (200, 112, 62)),
          (0.88, (234, 156, 100)), (1.0, (255, 214, 168))]
BRASS_RAMP = [(0.0, (60, 38, 10)), (0.3, (128, 90, 30)), (0.6, (190, 146, 62)), (0.85, (236, 200, 120)),
              (1.0, (255, 240, 190))]
OLD_BRASS = [(0.0, (40, 28, 10)), (0.35, (92, 68, 30)), (0.65, (140, 108, 52)), (0.88, (186, 156, 96)),
             (1.0, (224, 204, 150))]
IRON_RAMP = [(0.0, (24, 36, 40)), (0.5, (44, 62, 66)), (1.0, (66, 86, 88))]

PREVIEWS = ["/tmp/choc_preview.png", "/tmp/choc_loose.png", "/tmp/pipes_preview.png", "/tmp/pipes_scrambled.png"]

ASSETS = Assets()
asset = ASSETS.add


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def ramp_lookup(stops):
    """A function 0..1 -> colour along the ramp stops (256 steps)."""
    cols = P.ramp(stops)
    return lambda t: cols[int(clamp(t) * 255)]


# ================================================================ relief shading

LIGHT = (-0.45, -0.62, 0.64)


def _norm(v):
    n = math.sqrt(sum(c * c for c in v))
    return tuple(c / n for c in v)


def shade_relief(w, h, height, albedo, gloss, metal, ss, shininess=40.0, light=LIGHT, ambient=0.34):
    """Light a height field (final-pixel units) lit from the top left.

    albedo is a list of RGB tuples, gloss and metal lists of 0..1 values, all
    w * h long (w, h at supersampled size); metal tints the highlight with the
    albedo, like gold leaf. Returns an RGB image."""
    L = _norm(light)
    Hv = _norm((L[0], L[1], L[2] + 1.0))
    k = ss / 2.0
    out = bytearray(w * h * 3)
    for y in range(h):
        row = y * w
        up = max(0, y - 1) * w
        dn = min(h - 1, y + 1) * w
        for x in range(w):
            i = row + x
            xl, xr = max(0, x - 1), min(w - 1, x + 1)
            dx = (height[row + xr] - height[row + xl]) * k
            dy = (height[dn + x] - height[up + x]) * k
            inv = 1.0 / math.sqrt(dx * dx + dy * dy + 1.0)
            nx, ny, nz = -dx * inv, -dy * inv, inv
            diff = nx * L[0] + ny * L[1] + nz * L[2]
            diff = diff if diff > 0 else 0.0
            sp = nx * Hv[0] + ny * Hv[1] + nz * Hv[2]
            sp = sp if sp > 0 else 0.0
            g = gloss[i]
            # a sharp glint plus a broad sheen; the rim catches a little bounce light
            glint = g * (sp ** shininess + 0.18 * sp ** 6)
            rim = (1.0 - nz) ** 2 * 0.25
            r, gg, b = albedo[i]
            m = metal[i]
            f = ambient + 0.85 * diff + rim * 0.4
            sr = 255 * (1 - m) + r * 1.3 * m
            sg = 255 * (1 - m) + gg * 1.3 * m
            sb = 245 * (1 - m) + b * 1.3 * m
            o = i * 3
            out[o] = min(255, int(r * f + sr * glint))
            out[o + 1] = min(255, int(gg * f + sg * glint))
            out[o + 2] = min(255, int(b * f + sb * glint))
    return Image.frombytes("RGB", (w, h), bytes(out))


def box_blur(data, w, h, r):
    """Separable box blur of a list of floats (w x h), radius r."""
    def one_pass(src, n, stride, count, step):
        out = list(src)
        for k in range(count):
            base = k * step
            vals = [src[base + i * stride] for i in range(n)]
            acc = [0.0]
            for v in vals:
                acc.append(acc[-1] + v)
            for i in range(n):
                a, b = max(0, i - r), min(n, i + r + 1)
                out[base + i * stride] = (acc[b] - acc[a]) / (b - a)
        return out
    rows = one_pass(data, w, 1, h, w)
    return one_pass(rows, h, w, w, 1)


def pillow_height(mask, ss, radius, top, dome=0.0):
    """Height of a soft-edged slab: rounded edge `radius` pixels deep, flat `top`,
    plus a gentle dome rising `dome` more towards the middle."""
    b = list(P.blur(mask, radius * ss).getdata())
    d = list(P.blur(mask, radius * ss * 3).getdata())
    out = []
    for v, u in zip(b, d):
        t = clamp((v / 255.0 - 0.5) / 0.5)
        edge = math.sqrt(max(0.0, 1.0 - (1.0 - t) ** 2))
        out.append(top * edge + dome * clamp((u / 255.0 - 0.5) / 0.5) ** 1.5 * edge)
    return out


def stroke_mask(size, points, width, ss):
    """Mask (supersampled size) of a smooth pen line through the points (final units)."""
    samples = P.catmull(points, 10)
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    r = width * ss / 2
    prev = None
    for x, y in samples:
        x, y = x * ss, y * ss
        if prev is not None:
            n = max(1, int(math.hypot(x - prev[0], y - prev[1]) / 2))
            for j in range(1, n):
                u = j / n
                ix, iy = prev[0] + (x - prev[0]) * u, prev[1] + (y - prev[1]) * u
                d.ellipse((ix - r, iy - r, ix + r, iy + r), fill=255)
        d.ellipse((x - r, y - r, x + r, y + r), fill=255)
        prev = (x, y)
    return m


def finish_piece(rgb_big, mask_big, ss, size, shadow=(2, 3), shadow_blur=2.2, shadow_alpha=0.6,
                 outline=(30, 14, 6, 150)):
    """Scale the lit piece down, outline it and lay it on a small soft shadow."""
    rgb = rgb_big.resize(size, Image.Resampling.LANCZOS)
    mask = mask_big.resize(size, Image.Resampling.LANCZOS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    if shadow:
        P.cast_shadow(img, mask, shadow, shadow_blur, shadow_alpha, (20, 8, 2))
    piece = rgb.convert("RGBA")
    piece.putalpha(mask)
    img.alpha_composite(piece)
    if outline:
        inner = mask.filter(ImageFilter.MinFilter(3))
        P.fill(img, outline, ImageChops.subtract(mask, inner))
    return img


def chocolate(name, shininess):
    """Register the chocolate CHOC_DIR/name. Its painter gets the supersampling ss and
    the painted side n (CHOC * ss) and returns the n x n mask and the height, albedo,
    gloss and metal lists (metal None: no gold on it); here it is lit and scaled down."""
    def register(paint_fn):
        @asset(CHOC_DIR + "/" + name)
        def painted():
            ss = 4
            n = CHOC * ss
            mask, height, albedo, gloss, metal = paint_fn(ss, n)
            if metal is None:
                metal = [0.0] * (n * n)
            rgb = shade_relief(n, n, height, albedo, gloss, metal, ss, shininess)
            return finish_piece(rgb, mask, ss, (CHOC, CHOC))
        return paint_fn
    return register


def zigzag(cx, rows):
    """A pen line swinging across x = cx: one point per (y, half width) row, the first on the left."""
    return [(cx + (half if k % 2 else -half), y) for k, (y, half) in enumerate(rows)]


def roughen(height, n, seed, octaves, amount):
    """The n x n height list with fbm bumps of up to +-amount."""
    rough = P.fbm(n, n, seed, octaves).getdata()
    return [hh + (rv - 128) / 128.0 * amount for hh, rv in zip(height, rough)]


def raised(height, values, amount):
    """The height list raised by amount where values (0..255 per pixel) are full."""
    return [hh + v / 255.0 * amount for hh, v in zip(height, values)]


def mottled(size, seed, base, dark, light, cell=10, amount=1.0):
    """Albedo list: a colour mottled between dark and light."""
    n = P.fbm(size[0], size[1], seed, ((cell * 4, 0.5), (cell, 0.35), (max(2, cell // 3), 0.15)))
    stops = [(0.0, P.mix(base, dark, amount)), (0.5, base), (1.0, P.mix(base, light, amount))]
    return list(P.gradient_map(n, stops).getdata())


def blend_in(albedo, colour_list_or_colour, mask_data, power=1.0):
    """Mix a colour (or per-pixel colours) into an albedo list through mask values."""
    out = []
    single = isinstance(colour_list_or_colour, tuple)
    for i, (a, m) in enumerate(zip(albedo, mask_data)):
        t = (m / 255.0) ** power
        c = colour_list_or_colour if single else colour_list_or_colour[i]
        out.append((a[0] + (c[0] - a[0]) * t, a[1] + (c[1] - a[1]) * t, a[2] + (c[2] - a[2]) * t))
    return out


@chocolate("Choc1.png", shininess=36.0)
def choc_round(ss, n):
    """Dark chocolate truffle: a cocoa-rough ball, a dark drizzle, gold dust and a gold leaf flake."""
    size = (n, n)
    cx = cy = 40.0
    R = CHOC_ROUND_R
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).ellipse(((cx - R) * ss, (cy - R) * ss, (cx + R) * ss, (cy + R) * ss), fill=255)
    # a zigzag of milk chocolate over the lower half, reaching the sides of the ball
    rows = []
    for k in range(7):
        yy = -4 + 26 * k / 6.0
        rows.append((cy + yy, 0.86 * math.sqrt(max(0.0, R * R - yy * yy))))
    drizzle = ImageChops.multiply(stroke_mask(size, zigzag(cx, rows), 2.8, ss), mask)
    driz = list(drizzle.getdata())
    height = []
    for y in range(n):
        for x in range(n):
            dx, dy = (x + 0.5) / ss - cx, (y + 0.5) / ss - cy
            r2 = dx * dx + dy * dy
            height.append(0.62 * math.sqrt(max(0.0, R * R - r2)))
    height = roughen(height, n, 2801, ((28, 0.6), (10, 0.4)), 0.3)
    height = raised(height, P.blur(drizzle, 1.6 * ss).getdata(), 2.4)
    albedo = mottled(size, 2803, (66, 34, 20), (40, 20, 12), (92, 52, 30), cell=8)
    albedo = blend_in(albedo, (136, 80, 46), driz)
    gloss = [0.75 + 0.25 * (d / 255.0) for d in driz]
    # gold dust: fine flecks, thickest on the crown; a small gold leaf flake
    rng = random.Random(2807)
    dust = Image.new("L", size, 0)
    dd = ImageDraw.Draw(dust)
    for _ in range(170):
        a = rng.uniform(0, 2 * math.pi)
        r = R * 0.92 * math.sqrt(rng.random()) * rng.uniform(0.35, 1.0)
        x, y = cx + 7 + math.cos(a) * r * 0.8, cy - 9 + math.sin(a) * r * 0.7
        s = rng.uniform(0.35, 0.85) * ss
        dd.ellipse((x * ss - s, y * ss - s, x * ss + s, y * ss + s), fill=rng.randint(170, 255))
    leaf = [(cx + 2, cy - 19), (cx + 10, cy - 22), (cx + 17, cy - 18), (cx + 14, cy - 14), (cx + 18, cy - 9),
            (cx + 8, cy - 9), (cx + 4, cy - 13)]
    dd.polygon([(x * ss, y * ss) for x, y in leaf], fill=255)
    dust = ImageChops.multiply(dust, mask)
    dust_d = list(dust.getdata())
    gold = mottled(size, 2809, (222, 172, 70), (150, 100, 30), (255, 232, 150), cell=3)
    albedo = blend_in(albedo, gold, dust_d)
    height = raised(height, P.blur(dust, 0.3 * ss).getdata(), 0.5)
    gloss = [max(gv, dv / 255.0 * 1.2) for gv, dv in zip(gloss, dust_d)]
    metal = [dv / 255.0 for dv in dust_d]
    return mask, height, albedo, gloss, metal


@chocolate("Choc2.png", shininess=44.0)
def choc_heart(ss, n):
    """Milk chocolate heart, glossy, with a zigzag of strawberry pink drizzle."""
    size = (n, n)
    cx = cy = 40.0
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).polygon([(x * ss, y * ss) for x, y in ui_art.heart_points(cx, cy, CHOC_HEART_R, 200)],
                                 fill=255)
    mask = P.blur(mask, 2.5 * ss).point(lambda v: 0 if v < 110 else 255 if v > 146 else (v - 110) * 255 // 36)
    height = pillow_height(mask, ss, 5.0, 7.0, dome=4.0)
    height = roughen(height, n, 2811, ((16, 0.6), (5, 0.4)), 0.12)
    # drizzle: one pen line swinging left and right down the heart
    rows = []
    for k in range(8):
        u = k / 7.0
        rows.append((cy - 22 + 50 * u, 30 * (1 - 0.55 * u)))
    drizzle = ImageChops.multiply(stroke_mask(size, zigzag(cx, rows), 3.0, ss), mask.filter(ImageFilter.MinFilter(9)))
    height = raised(height, P.blur(drizzle, 1.4 * ss).getdata(), 1.6)
    driz = list(drizzle.getdata())
    albedo = mottled(size, 2813, (150, 88, 50), (118, 64, 36), (176, 112, 68), cell=12, amount=0.7)
    albedo = blend_in(albedo, (238, 128, 156), driz)
    gloss = [0.6 + 0.3 * (d / 255.0) for d in driz]
    return mask, height, albedo, gloss, None


@chocolate("Choc3.png", shininess=30.0)
def choc_square(ss, n):
    """White chocolate praline: a soft-edged square, diagonal cocoa stripes, a hazelnut on top."""
    size = (n, n)
    x0, y0, x1, y1 = CHOC_SQUARE
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((x0 * ss, y0 * ss, x1 * ss - 1, y1 * ss - 1),
                                           radius=CHOC_SQUARE_RADIUS * ss, fill=255)
    height = pillow_height(mask, ss, 5.5, 8.0, dome=1.5)
    # cocoa stripes, piped diagonally and slightly wavy
    stripes = Image.new("L", size, 0)
    for k in range(-4, 5):
        off = k * 6.0
        pts = [(off + j * 10 + (1.0 if j % 2 else -1.0), 80 + off - j * 10) for j in range(9)]
        stripes = ImageChops.lighter(stripes, stroke_mask(size, pts, 2.2, ss))
    inner = mask.filter(ImageFilter.MinFilter(4 * ss + 1))
    stripes = ImageChops.multiply(stripes, P.blur(inner, 1.5 * ss))
    # a roasted hazelnut in the middle; the stripes stop short of it
    ncx, ncy = 40.0, 39.0
    nut = Image.new("L", size, 0)
    ImageDraw.Draw(nut).ellipse(((ncx - 9) * ss, (ncy - 8) * ss, (ncx + 9) * ss, (ncy + 9) * ss), fill=255)
    ImageDraw.Draw(nut).polygon([((ncx - 4) * ss, (ncy - 6) * ss), (ncx * ss, (ncy - 12) * ss),
                                 ((ncx + 4) * ss, (ncy - 6) * ss)], fill=255)
    nut = P.blur(nut, 0.5 * ss)
    gap = P.blur(nut.filter(ImageFilter.MaxFilter(4 * ss + 1)), ss)
    stripes = ImageChops.subtract(stripes, gap)
    str_h = list(P.blur(stripes, 1.2 * ss).getdata())
    nut_d = list(nut.getdata())
    nut_h = P.blur(nut, 3 * ss)
    nut_hd = list(nut_h.getdata())
    height = raised(height, str_h, 1.2)
    height = [hh + (nv / 255.0) ** 0.8 * 7.0 for hh, nv in zip(height, nut_hd)]
    height = roughen(height, n, 2821, ((14, 0.6), (4, 0.4)), 0.12)
    albedo = mottled(size, 2823, (238, 218, 178), (214, 186, 140), (252, 240, 214), cell=12, amount=0.6)
    # a warm caramel tone deepening towards the sides so the square reads on cream cloth
    edge = list(P.blur(mask, 4 * ss).getdata())
    albedo = blend_in(albedo, (196, 150, 96), [255 - e if m > 0 else 0 for e, m in zip(edge, mask.getdata())], 1.4)
    albedo = blend_in(albedo, (92, 50, 28), list(stripes.getdata()))
    # the nut: toasted brown with fine lengthwise streaks and a pale tip
    streak = P.noise(n, n, 1, 2825, cell_y=24).resize((n, n))
    nut_col = P.gradient_map(streak, [(0.0, (110, 60, 26)), (0.6, (160, 96, 44)), (1.0, (196, 132, 70))])
    tip = P.radial_field(n, n, ncx * ss, (ncy - 8) * ss, 8 * ss)
    nut_col.paste((226, 190, 132), (0, 0), P.curve(tip, lambda t: (1 - t) ** 2))
    albedo = blend_in(albedo, list(nut_col.getdata()), nut_d)
    gloss = [0.35 + 0.25 * (sv / 255.0) + 0.2 * (nv / 255.0) for sv, nv in zip(str_h, nut_d)]
    return mask, height, albedo, gloss, None


# ================================================================ pipe tiles

def sym4(gray):
    """Average an 'L' square with its quarter turns: looks the same turned any way."""
    r90 = gray.transpose(Image.Transpose.ROTATE_90)
    r180 = gray.transpose(Image.Transpose.ROTATE_180)
    r270 = gray.transpose(Image.Transpose.ROTATE_270)
    return P.normalise(Image.blend(Image.blend(gray, r180, 0.5), Image.blend(r90, r270, 0.5), 0.5), 1)


def pixel_centres(n, ss):
    """(x, y, fx, fy) for each pixel of an n x n picture painted ss times larger, row by
    row; fx, fy is the pixel's centre in final pixels."""
    for y in range(n):
        fy = (y + 0.5) / ss
        for x in range(n):
            yield x, y, (x + 0.5) / ss, fy


def shade_under(img, ss, covered, radius, strength):
    """Darken the plate softly under the shape where covered(fx, fy) holds (in place)."""
    n = img.size[0]
    m = Image.new("L", (n, n), 0)
    mp = m.load()
    for x, y, fx, fy in pixel_centres(n, ss):
        if covered(fx, fy):
            mp[x, y] = 255
    img.paste((4, 6, 6), (0, 0), P.opacity(P.blur(m, radius * ss), strength))


def paint_pixels(img, ss, colour_at):
    """Set each pixel for which colour_at(fx, fy) gives a colour (in place)."""
    px = img.load()
    for x, y, fx, fy in pixel_centres(img.size[0], ss):
        col = colour_at(fx, fy)
        if col is not None:
            px[x, y] = col


def iron_plate(ss):
    """The riveted iron plate under every piece (RGB, supersampled), the same turned any way."""
    n = TILE * ss
    tex = sym4(P.fbm(n, n, 2901, ((40, 0.45), (12, 0.35), (3, 0.2))))
    spots = sym4(P.fbm(n, n, 2903, ((60, 0.6), (20, 0.4))))
    base = P.gradient_map(P.curve(tex, lambda t: 0.3 + 0.5 * t), IRON_RAMP)
    # a faint rust bloom here and there
    rust = P.curve(spots, lambda t: clamp((t - 0.72) / 0.28) * 0.5)
    base.paste((96, 58, 36), (0, 0), rust)
    data = list(base.getdata())
    out = []
    for x, y, fx, fy in pixel_centres(n, ss):
        e = min(fx, fy, TILE - fx, TILE - fy)
        r, g, b = data[y * n + x]
        if e < 1.0:
            c = (14, 18, 20)
        elif e < 3.0:
            # the bevel: bright just inside the outline, easing into the face
            t = (e - 1.0) / 2.0
            f = 1.9 - 0.8 * t
            c = (r * f + 18, g * f + 18, b * f + 16)
        elif e < 4.0:
            c = (r * 0.7, g * 0.7, b * 0.7)
        else:
            # the face dims a touch towards its edges
            f = 0.9 + 0.1 * clamp((e - 4.0) / 20.0)
            c = (r * f, g * f, b * f)
        out.append(tuple(min(255, int(v)) for v in c))
    img = Image.new("RGB", (n, n))
    img.putdata(out)
    for cx, cy in ((9, 9), (TILE - 9, 9), (9, TILE - 9), (TILE - 9, TILE - 9)):
        rivet(img, cx, cy, 3.6, ss, IRON_RIVET)
    return img


IRON_RIVET = [(0.0, (20, 26, 28)), (0.5, (70, 86, 88)), (0.85, (130, 146, 144)), (1.0, (190, 200, 196))]
BRASS_RIVET = [(0.0, (70, 44, 12)), (0.5, (168, 124, 48)), (0.85, (236, 200, 120)), (1.0, (255, 244, 200))]


def rivet(img, cx, cy, r, ss, stops):
    """A domed rivet with a ring of shade around it, lit from the front (in place)."""
    n = img.size[0]
    look = ramp_lookup(stops)
    shade_m = Image.new("L", img.size, 0)
    ImageDraw.Draw(shade_m).ellipse(((cx - r - 1.2) * ss, (cy - r - 1.2) * ss, (cx + r + 1.2) * ss,
                                     (cy + r + 1.2) * ss), fill=150)
    img.paste((0, 0, 0), (0, 0), P.blur(shade_m, 0.8 * ss))
    x0, x1 = int((cx - r) * ss) - 1, int((cx + r) * ss) + 2
    y0, y1 = int((cy - r) * ss) - 1, int((cy + r) * ss) + 2
    px = img.load()
    for y in range(max(0, y0), min(n, y1)):
        for x in range(max(0, x0), min(n, x1)):
            d = math.hypot((x + 0.5) / ss - cx, (y + 0.5) / ss - cy) / r
            if d < 1.0:
                px[x, y] = look(math.sqrt(1 - d * d) ** 1.4)


def tube_colour(t, along, look, streaks):
    """Colour of a tube at distance t (0 centre .. 1 edge) from its axis."""
    v = math.sqrt(max(0.0, 1.0 - t * t))
    s = streaks[min(len(streaks) - 1, int(t * (len(streaks) - 1)))]
    return look(clamp(v * 0.92 + s + 0.03 * math.cos(along * 0.21)))


def streak_table(seed, n=64, amount=0.06):
    rng = random.Random(seed)
    return [rng.uniform(-amount, amount) for _ in range(n)]


def pipe_tile(kind):
    """A plate with its pipe: 'straight' (left-right), 'corner' (left-top) or 'blank'."""
    ss = 4
    img = iron_plate(ss)
    c = TILE / 2.0
    copper = ramp_lookup(COPPER)
    brass = ramp_lookup(BRASS_RAMP)
    iron = ramp_lookup([(0.0, (16, 22, 24)), (0.55, (58, 72, 74)), (0.9, (108, 122, 120)),
                        (1.0, (150, 160, 156))])
    streaks = streak_table(2911)
    bstreaks = streak_table(2913, amount=0.04)

    def axis(fx, fy):
        """(distance from the pipe's axis, position along it) for this piece."""
        if kind == "straight":
            return abs(fy - c), abs(fx - c)
        return abs(math.hypot(fx, fy) - BEND_R), math.atan2(fy, fx) * BEND_R

    def ends(fx, fy):
        """(distance across, depth into the tile) when inside an end collar's box, else None."""
        hits = []
        if abs(fy - c) < COLLAR_R and fx < COLLAR_DEPTH:
            hits.append((abs(fy - c), fx))
        if kind == "straight" and abs(fy - c) < COLLAR_R and fx > TILE - COLLAR_DEPTH:
            hits.append((abs(fy - c), TILE - fx))
        if kind == "corner" and abs(fx - c) < COLLAR_R and fy < COLLAR_DEPTH:
            hits.append((abs(fx - c), fy))
        return hits[0] if hits else None

    def strap(fx, fy):
        """(distance across the pipe, distance along) inside the middle strap, else None."""
        if kind == "straight":
            across, along = fy - c, fx - c
        else:
            ang = math.atan2(fy, fx) - math.pi / 4
            across, along = math.hypot(fx, fy) - BEND_R, ang * BEND_R
        if abs(along) < 4.0 and abs(across) < 19.0:
            return across, along
        return None

    def covered(fx, fy):
        return axis(fx, fy)[0] < PIPE_R + 2 or ends(fx, fy) or strap(fx, fy)

    def colour_at(fx, fy):
        d, along = axis(fx, fy)
        col = None
        if d < PIPE_R:
            col = tube_colour(d / PIPE_R, along, copper, streaks)
            # a thin dark line where the tube turns away
            if d > PIPE_R - 0.9:
                col = P.mix(col, (30, 10, 4), 0.6)
        st = strap(fx, fy)
        if st is not None:
            across, al = st
            if abs(across) < PIPE_R + 1.2:
                t = abs(across) / (PIPE_R + 1.2)
                col = iron(clamp(math.sqrt(1 - t * t) * 0.85 + 0.05))
            else:
                col = iron(0.45)
            if abs(al) > 3.2:
                col = P.mix(col, (10, 12, 12), 0.7)
        e = ends(fx, fy)
        if e is not None:
            across, depth = e
            col = tube_colour(across / COLLAR_R, 0.0, brass, bstreaks)
            if across > COLLAR_R - 0.9:
                col = P.mix(col, (40, 24, 6), 0.7)
            if depth > COLLAR_DEPTH - 1.0:
                col = P.mix(col, (36, 20, 6), 0.75)       # where the pipe leaves the collar
            elif depth > COLLAR_DEPTH - 2.0:
                col = P.mix(col, (255, 236, 180), 0.25)
            elif depth < 0.8:
                col = P.mix(col, (24, 14, 4), 0.55)       # the joint between two tiles
        return col

    if kind != "blank":
        # soft shade of the pipe on the plate, the same on every side
        shade_under(img, ss, covered, 3.2, 0.75)
        paint_pixels(img, ss, colour_at)
        # bolts through the collars and rivets on the strap feet
        bolts = [(3.6, c - 11.8), (3.6, c + 11.8)]
        if kind == "straight":
            bolts += [(TILE - 3.6, c - 11.8), (TILE - 3.6, c + 11.8)]
            bolts_iron = [(c, c - 16.0), (c, c + 16.0)]
        else:
            bolts += [(c - 11.8, 3.6), (c + 11.8, 3.6)]
            k = math.sqrt(0.5)
            bolts_iron = [((BEND_R - 16.0) * k, (BEND_R - 16.0) * k), ((BEND_R + 16.0) * k, (BEND_R + 16.0) * k)]
        for bx, by in bolts:
            rivet(img, bx, by, 1.9, ss, BRASS_RIVET)
        for bx, by in bolts_iron:
            rivet(img, bx, by, 2.2, ss, IRON_RIVET)
    else:
        valve_wheel(img, c, c, ss)
    return img.resize((TILE, TILE), Image.Resampling.LANCZOS)


def valve_wheel(img, cx, cy, ss):
    """A small valve wheel of old, darkened brass with four spokes on an iron boss (in place).
    Kept quiet: the plates without a pipe should not draw the eye."""
    n = img.size[0]
    brass = ramp_lookup(OLD_BRASS)
    iron = ramp_lookup(IRON_RIVET)
    R_OUT, R_IN, SPOKE, HUB = 17.0, 13.5, 2.0, 5.0
    mid, half = (R_OUT + R_IN) / 2, (R_OUT - R_IN) / 2

    def covered(fx, fy):
        fx, fy = fx - cx, fy - cy
        r = math.hypot(fx, fy)
        return r < 8.5 or R_IN - 1 < r < R_OUT + 1 or (r < R_OUT and min(abs(fx), abs(fy)) < SPOKE + 1)

    def colour_at(fx, fy):
        fx, fy = fx - cx, fy - cy
        r = math.hypot(fx, fy)
        col = None
        if r < 8.0:
            t = r / 8.0
            col = iron(clamp(0.25 + 0.5 * math.sqrt(1 - t * t)))
            if r > 7.2:
                col = (14, 18, 20)
        across = min(abs(fx), abs(fy))
        if across < SPOKE and HUB - 0.5 < r < mid:
            t = across / SPOKE
            col = brass(clamp(math.sqrt(1 - t * t) * 0.8 + 0.05))
        if abs(r - mid) < half:
            t = abs(r - mid) / half
            col = brass(clamp(math.sqrt(1 - t * t) * 0.95 + 0.03 * math.cos(math.atan2(fy, fx) * 12)))
            if t > 0.86:
                col = P.mix(col, (50, 30, 6), 0.6)
        if r < HUB:
            t = r / HUB
            col = brass(clamp(math.sqrt(1 - t * t) ** 1.3))
            if r > HUB - 0.8:
                col = P.mix(col, (50, 30, 6), 0.7)
        return col

    shade_under(img, ss, covered, 3.0, 0.8)
    paint_pixels(img, ss, colour_at)
    # a square spindle end in the hub
    s = 1.6
    sq = Image.new("L", (n, n), 0)
    ImageDraw.Draw(sq).rectangle(((cx - s) * ss, (cy - s) * ss, (cx + s) * ss, (cy + s) * ss), fill=200)
    img.paste((60, 40, 10), (0, 0), sq)


@asset(PIPE_DIR + "/StraightH.png")
def straight_h():
    img = pipe_tile("straight")
    # make the half turn exact, down to the last bit of filtering
    return Image.blend(img, img.transpose(Image.Transpose.ROTATE_180), 0.5)


@asset(PIPE_DIR + "/StraightV.png")
def straight_v():
    return straight_h().transpose(Image.Transpose.ROTATE_90)


@asset(PIPE_DIR + "/Corner.png")
def corner():
    return pipe_tile("corner")


@asset(PIPE_DIR + "/Blank.png")
def blank():
    return pipe_tile("blank")


# ================================================================ the tap handle

@asset(PIPE_DIR + "/Tap.png")
def tap_handle():
    """An ivory tap handle: round knob, burgundy enamel band between gold rings,
    a tapering ivory grip and a brass ferrule at the foot."""
    ss = 4
    w, h = TAP_SIZE
    W_, H_ = w * ss, h * ss
    cx = w / 2.0
    # (top y, bottom y, half width at top, half width at bottom, material)
    segments = [
        (1.0, 22.0, None, 16.5, "ivory"),       # the knob: rounded top
        (22.0, 26.0, 15.5, 15.5, "gold"),
        (26.0, 40.0, 15.0, 14.0, "enamel"),
        (40.0, 44.0, 14.5, 14.5, "gold"),
        (44.0, 91.0, 13.0, 10.0, "ivory"),
        (91.0, 95.0, 11.8, 11.8, "gold"),
        (95.0, 100.0, 9.5, 9.5, "brass"),
        (100.0, 109.0, 11.0, 11.0, "brass"),    # the nut it screws onto
    ]

    def halfwidth(fy):
        for y0, y1, a, b, mat in segments:
            if y0 <= fy < y1:
                if a is None:
                    # knob: a flattened ellipse over its lower half's full width
                    t = (fy - y0) / (y1 - y0)
                    k = clamp((t - 0.0) / 0.62)
                    return b * math.sqrt(max(0.0, 1 - (1 - k) ** 2)), mat
                u = (fy - y0) / (y1 - y0)
                return a + (b - a) * u, mat
        return 0.0, None

    mats = {"ivory": ((236, 220, 184), 0.5, 0.0), "gold": ((226, 176, 74), 1.0, 1.0),
            "enamel": ((132, 26, 44), 0.8, 0.0), "brass": ((196, 150, 64), 0.9, 1.0)}
    height, albedo, gloss, metal = [], [], [], []
    mask = Image.new("L", (W_, H_), 0)
    mp = mask.load()
    grain = list(P.noise(W_, H_, 2, 2931, cell_y=40).getdata())
    for y in range(H_):
        fy = (y + 0.5) / ss
        hw, mat = halfwidth(fy)
        for x in range(W_):
            fx = (x + 0.5) / ss - cx
            if mat is None or abs(fx) >= hw:
                height.append(0.0)
                albedo.append((60, 40, 20))
                gloss.append(0.0)
                metal.append(0.0)
                continue
            mp[x, y] = 255
            body = math.sqrt(hw * hw - fx * fx)
            col, gl, mt = mats[mat]
            if mat == "ivory":
                # faint lengthwise grain in the ivory, yellowing towards the foot
                g = (grain[y * W_ + x] - 128) / 128.0
                col = P.mix(col, (214, 190, 140), clamp(fy / 140.0 + 0.15 * g))
            if mat == "brass" and fy >= 100.0:
                body = min(body, hw * 0.86)     # the nut's flat face
            height.append(body * 0.9)
            albedo.append(col)
            gloss.append(gl)
            metal.append(mt)
    # a small gold diamond on the enamel band
    dm = Image.new("L", (W_, H_), 0)
    ImageDraw.Draw(dm).polygon([(cx * ss, 28.5 * ss), ((cx + 4.5) * ss, 33 * ss), (cx * ss, 37.5 * ss),
                                ((cx - 4.5) * ss, 33 * ss)], fill=255)
    dmd = list(dm.getdata())
    albedo = blend_in(albedo, (236, 190, 90), dmd)
    metal = [max(mv, dv / 255.0) for mv, dv in zip(metal, dmd)]
    height = raised(height, dmd, 0.6)
    height = box_blur(height, W_, H_, 2)
    height = box_blur(height, W_, H_, 2)
    rgb = shade_relief(W_, H_, height, albedo, gloss, metal, ss, 30.0, light=(-0.55, -0.35, 0.76), ambient=0.42)
    return finish_piece(rgb, mask, ss, (w, h), shadow=None, outline=(40, 22, 10, 170))


# ================================================================ main

def preview(choc_path, loose_path, pipes_path, scrambled_path):
    bg = load(CHOC_DIR + "/Bg.png")
    chocs = {t: load(CHOC_DIR + "/Choc%d.png" % t) for t in (1, 2, 3)}
    placed = bg.copy()
    ox, oy = ui_art.CHOC_ORIGIN
    for r, row in enumerate(ui_art.CHOC_CAVITY_TYPES):
        for c, typ in enumerate(row):
            placed.alpha_composite(chocs[typ], (ox + ui_art.CHOC_STEP * c - 40, oy + ui_art.CHOC_STEP * r - 40))
    placed.convert("RGB").save(choc_path)
    loose = bg.copy()
    for i, (x, y) in enumerate(LOOSE_SPOTS):
        loose.alpha_composite(chocs[1 + i % 3], (x, y))
    loose.convert("RGB").save(loose_path)

    pics = {name: load(PIPE_DIR + "/%s.png" % name) for name in ("StraightH", "StraightV", "Corner", "Blank")}
    tap = load(PIPE_DIR + "/Tap.png")

    def board(turned):
        img = load(PIPE_DIR + "/Bg2.png")
        cells = {cell: (name, k) for cell, name, k in PIPE_PATH}
        for r in range(GRID_ROWS):
            for c in range(GRID_COLS):
                name, k = cells.get((c, r), ("Blank", 0))
                k = turned(c, r, name, k)
                pic = pics[name]
                for _ in range(k % 4):
                    pic = pic.transpose(Image.Transpose.ROTATE_270)   # a clockwise quarter turn
                img.alpha_composite(pic, (GRID_ORIGIN[0] + TILE * c, GRID_ORIGIN[1] + TILE * r))
        img.alpha_composite(tap, TAP_AT)
        return img.convert("RGB")

    board(lambda c, r, name, k: k).save(pipes_path)
    rng = random.Random(2941)
    board(lambda c, r, name, k: k if name == "Blank" else k + rng.randint(1, 3 if name == "Corner" else 1)
          ).save(scrambled_path)


if __name__ == "__main__":
    run(ASSETS, __doc__, preview, PREVIEWS)
