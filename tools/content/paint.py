#!/usr/bin/python3
"""Painting helpers shared by the content generators.

Pillow only (no numpy), so every generator runs with Debian's python3-pil.
Everything here is deterministic: noise comes from random.Random(seed), never
from Pillow's own noise effects, and PNGs are written without metadata.

Conventions:
- colours are RGB or RGBA tuples of 0..255 ints;
- "mask" means an 'L' image of the canvas size, 255 = fully covered;
- "ramp stops" are lists of (position 0..1, colour) pairs, positions ascending;
- shapes are drawn supersampled (SS times larger) and scaled down, so edges are
  anti-aliased.
"""

import math
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont, ImageMath

SS = 4

# The palette of the game (see GAME.md, "Look").
HONEY = (226, 172, 78)
AMBER = (212, 126, 40)
TEAL = (28, 86, 92)
DEEP_TEAL = (13, 46, 54)
BURGUNDY = (120, 28, 46)
DARK_BURGUNDY = (66, 12, 24)
CREAM = (247, 236, 208)
PARCHMENT = (234, 214, 170)
INK = (60, 36, 22)
GOLD = (214, 172, 84)
GOLD_LIGHT = (255, 232, 150)
GOLD_DARK = (116, 78, 26)
BRASS = (190, 146, 62)
WOOD_DARK = (44, 26, 16)
WOOD = (92, 54, 30)
WOOD_LIGHT = (142, 92, 52)

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
SERIF = os.path.join(FONT_DIR, "DejaVuSerif.ttf")
SERIF_BOLD = os.path.join(FONT_DIR, "DejaVuSerif-Bold.ttf")
SERIF_ITALIC = os.path.join(FONT_DIR, "DejaVuSerif-Italic.ttf")
SANS = os.path.join(FONT_DIR, "DejaVuSans.ttf")
SANS_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    """Linear mix of two colours (same length), t in 0..1."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def shade(c, f):
    """Multiply a colour's RGB by f (alpha kept)."""
    out = tuple(max(0, min(255, int(round(v * f)))) for v in c[:3])
    return out + tuple(c[3:])


def rgba(c, a=255):
    return tuple(c[:3]) + (a,)


def ramp(stops, n=256):
    """n colours interpolated along the ramp stops."""
    out = []
    for i in range(n):
        t = i / (n - 1)
        if t <= stops[0][0]:
            out.append(tuple(stops[0][1]))
            continue
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if t <= p1:
                u = 0.0 if p1 == p0 else (t - p0) / (p1 - p0)
                out.append(mix(c0, c1, u))
                break
        else:
            out.append(tuple(stops[-1][1]))
    return out


def gradient_map(gray, stops):
    """Colour an 'L' image through a ramp: black maps to stop 0, white to the last."""
    cols = ramp(stops)
    nch = len(cols[0])
    bands = [gray.point([c[i] for c in cols]) for i in range(nch)]
    return Image.merge("RGBA" if nch == 4 else "RGB", bands)


# ---------------------------------------------------------------- scalar fields

def linear_field(w, h, vertical=True):
    """'L' ramp 0..255 from top to bottom (or left to right)."""
    g = Image.linear_gradient("L")
    if not vertical:
        g = g.transpose(Image.Transpose.ROTATE_90).transpose(Image.Transpose.FLIP_LEFT_RIGHT)
    return g.resize((w, h), Image.Resampling.BILINEAR)


def radial_field(w, h, cx, cy, rx, ry=None):
    """'L' field: 0 at (cx, cy), 255 at the ellipse of radii (rx, ry) and beyond."""
    ry = rx if ry is None else ry
    out = Image.new("L", (w, h), 255)
    g = _unit_disc().resize((max(1, int(2 * rx)), max(1, int(2 * ry))),
                                          Image.Resampling.BILINEAR)
    out.paste(g, (int(round(cx - rx)), int(round(cy - ry))))
    return out


_disc = []


def _unit_disc():
    """256 x 256 'L': distance from the centre, 255 at radius 128 and beyond."""
    if not _disc:
        n = 256
        data = bytearray(n * n)
        for y in range(n):
            dy = (y + 0.5 - n / 2) ** 2
            for x in range(n):
                d = math.sqrt((x + 0.5 - n / 2) ** 2 + dy) / (n / 2)
                data[y * n + x] = min(255, int(round(255 * d)))
        _disc.append(Image.frombytes("L", (n, n), bytes(data)))
    return _disc[0]


def curve(gray, fn):
    """Apply fn: 0..1 -> 0..1 to an 'L' image."""
    return gray.point([max(0, min(255, int(round(255 * fn(i / 255.0))))) for i in range(256)])


def scale_l(gray, f, add=0):
    return gray.point([max(0, min(255, int(round(i * f + add)))) for i in range(256)])


def invert(gray):
    return gray.point([255 - i for i in range(256)])


def noise(w, h, cell, seed, cell_y=None):
    """Smooth value noise: random values on a grid of cell x cell_y pixels, bicubic."""
    cell_y = cell if cell_y is None else cell_y
    rng = random.Random(seed)
    sw = max(2, int(math.ceil(w / cell)) + 2)
    sh = max(2, int(math.ceil(h / cell_y)) + 2)
    small = Image.frombytes("L", (sw, sh), rng.randbytes(sw * sh))
    big = small.resize((sw * cell, sh * cell_y), Image.Resampling.BICUBIC)
    return big.crop((cell // 2, cell_y // 2, cell // 2 + w, cell_y // 2 + h))


def fbm(w, h, seed, octaves=((64, 0.5), (24, 0.3), (8, 0.2)), stretch=1.0):
    """Sum of noise octaves, normalised to the full 0..255 range.

    stretch > 1 elongates the features horizontally (wood, fibres, clouds)."""
    acc = None
    total = 0.0
    for i, (cell, weight) in enumerate(octaves):
        n = noise(w, h, max(1, int(cell * stretch)), seed * 131 + i * 7919, cell_y=max(1, int(cell)))
        f = ImageMath.eval("float(a) * %f" % weight, a=n)
        acc = f if acc is None else ImageMath.eval("a + b", a=acc, b=f)
        total += weight
    return normalise(ImageMath.eval("convert(a / %f, 'L')" % total, a=acc))


def normalise(gray, cutoff=0.5):
    from PIL import ImageOps
    return ImageOps.autocontrast(gray, cutoff=cutoff)


def grain(w, h, seed, amount=10):
    """Fine per-pixel grain centred on 128 (for overlay/soft-light)."""
    rng = random.Random(seed)
    n = Image.frombytes("L", (w, h), rng.randbytes(w * h))
    lo = 128 - amount
    return n.point([lo + (i * 2 * amount) // 255 for i in range(256)])


# ---------------------------------------------------------------- images from fields

def vgradient(w, h, stops):
    return gradient_map(linear_field(w, h, True), stops)


def hgradient(w, h, stops):
    return gradient_map(linear_field(w, h, False), stops)


def solid(w, h, colour):
    c = tuple(colour)
    return Image.new("RGBA" if len(c) == 4 else "RGB", (w, h), c)


def wood(w, h, seed, stops=None, vertical=False, lines=None, wobble=2.5):
    """Wood grain: long, gently wandering growth lines and fibre streaks (RGB).

    The grain runs horizontally unless vertical is set; lines is the number of
    growth lines across the board (default: one every 9 pixels)."""
    if vertical:
        return wood(h, w, seed, stops, False, lines, wobble).transpose(Image.Transpose.ROTATE_90)
    stops = stops or [(0.0, WOOD_DARK), (0.45, WOOD), (0.8, WOOD_LIGHT), (1.0, (170, 116, 66))]
    lines = lines or max(2.0, h / 9.0)
    y = linear_field(w, h, True)
    warp = fbm(w, h, seed, ((max(8, h), 0.6), (max(6, h // 3), 0.3), (max(4, h // 8), 0.1)), stretch=3.0)
    # phase in 0..1 across the board; the warp bends the lines up and down
    k = wobble * 4.0 / lines
    phase = ImageMath.eval("float(a) / 255.0 + (float(b) / 255.0 - 0.5) * %f" % k, a=y, b=warp)
    rings = ImageMath.eval("convert((phase * %f - int(phase * %f)) * 255.0, 'L')" % (lines, lines), phase=phase)
    # soft-edged lines: bright late wood fading into the darker early wood
    rings = rings.point([int(255 * (0.5 + 0.5 * math.cos(math.pi * (i / 255.0) ** 0.7 * 2))) for i in range(256)])
    rings = blur(rings, 0.7)
    fibre = noise(w, h, max(8, w // 6), seed + 3, cell_y=1)
    tone = fbm(w, h, seed + 9, ((max(16, w // 3), 0.6), (max(8, h // 2), 0.4)), stretch=3.0)
    field = ImageMath.eval("convert(float(a) * 0.45 + float(b) * 0.25 + float(c) * 0.30, 'L')",
                           a=rings, b=fibre, c=tone)
    return gradient_map(normalise(field, 1), stops)


def parchment(w, h, seed, light=CREAM, dark=(205, 176, 120), burn=(150, 104, 52), edge=18):
    """Parchment: mottled cream with fibres and a darker, burnt edge (RGB)."""
    mottle = fbm(w, h, seed, ((max(8, w // 4), 0.45), (48, 0.3), (12, 0.15), (3, 0.1)))
    mottle = curve(mottle, lambda t: 0.35 + 0.65 * t)
    img = gradient_map(mottle, [(0.0, dark), (0.55, mix(dark, light, 0.75)), (1.0, light)])
    fibres = fbm(w, h, seed + 5, ((6, 0.5), (2, 0.5)), stretch=5.0)
    fibres = curve(fibres, lambda t: max(0.0, t - 0.78) / 0.22)
    fill_rgb = Image.new("RGB", (w, h), mix(dark, burn, 0.3))
    img = Image.composite(fill_rgb, img, opacity(fibres, 0.18))
    if edge > 0:
        inner = Image.new("L", (w, h), 0)
        ImageDraw.Draw(inner).rectangle((edge, edge, w - 1 - edge, h - 1 - edge), fill=255)
        inner = inner.filter(ImageFilter.GaussianBlur(edge * 0.8))
        burnt = ImageChops.multiply(img, solid(w, h, mix(burn, (255, 255, 255), 0.35)))
        img = Image.composite(img, burnt, inner)
    return img


def damask_tile(tw, th, bg, fg, seed=0):
    """One repeat of a simple damask wallpaper motif (RGB, tileable)."""
    s = SS
    big = Image.new("RGB", (tw * s, th * s), bg)
    d = ImageDraw.Draw(big)
    cx, cy = tw * s / 2, th * s / 2

    def motif(x, y, k):
        # a stylised lily: centre drop, two curled leaves, stem, small diamond
        r = k * s
        d.ellipse((x - 3 * r, y - 9 * r, x + 3 * r, y + 1 * r), fill=fg)
        d.polygon([(x, y - 15 * r), (x - 2.2 * r, y - 7 * r), (x + 2.2 * r, y - 7 * r)], fill=fg)
        for sgn in (-1, 1):
            d.ellipse((x + sgn * 4 * r - 3 * r, y - 3 * r, x + sgn * 4 * r + 3 * r, y + 3 * r), fill=fg)
            d.ellipse((x + sgn * 4 * r - 1.6 * r, y - 1.6 * r, x + sgn * 4 * r + 1.6 * r, y + 1.6 * r), fill=bg)
            d.ellipse((x + sgn * 7 * r - 1.2 * r, y - 4.5 * r, x + sgn * 7 * r + 1.2 * r, y - 2.1 * r), fill=fg)
        d.rectangle((x - 0.6 * r, y, x + 0.6 * r, y + 7 * r), fill=fg)
        d.polygon([(x, y + 6 * r), (x - 2 * r, y + 8 * r), (x, y + 10 * r), (x + 2 * r, y + 8 * r)], fill=fg)

    k = min(tw, th) / 36.0
    motif(cx, cy + 2 * k * s, k)
    for ox, oy in ((0, 0), (tw * s, 0), (0, th * s), (tw * s, th * s)):
        motif(ox, oy + 2 * k * s, k * 0.55)
    return big.resize((tw, th), Image.Resampling.LANCZOS)


def tile(img, w, h):
    out = Image.new(img.mode, (w, h))
    tw, th = img.size
    for y in range(0, h, th):
        for x in range(0, w, tw):
            out.paste(img, (x, y))
    return out


# ---------------------------------------------------------------- masks and shapes

def mask_from(size, draw_fn, ss=SS):
    """Anti-aliased 'L' mask; draw_fn(draw, s) draws in white at scale s."""
    w, h = size
    big = Image.new("L", (w * ss, h * ss), 0)
    draw_fn(ImageDraw.Draw(big), ss)
    return big.resize((w, h), Image.Resampling.LANCZOS)


def rrect_mask(size, box, radius, ss=SS):
    x0, y0, x1, y1 = box
    return mask_from(size, lambda d, s: d.rounded_rectangle(
        (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), radius=radius * s, fill=255), ss)


def ellipse_mask(size, box, ss=SS):
    x0, y0, x1, y1 = box
    return mask_from(size, lambda d, s: d.ellipse((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), fill=255), ss)


def poly_mask(size, points, ss=SS):
    return mask_from(size, lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255), ss)


def ring_mask(size, box, width, ss=SS):
    x0, y0, x1, y1 = box
    return mask_from(size, lambda d, s: d.ellipse((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1),
                                                 outline=255, width=int(width * s)), ss)


def rect_mask(size, box):
    """Hard-edged mask of the pixels x0 <= x < x1, y0 <= y < y1."""
    m = Image.new("L", size, 0)
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).rectangle((x0, y0, x1 - 1, y1 - 1), fill=255)
    return m


def catmull(points, steps=12):
    """Catmull-Rom curve through the points (tuples of equal length), steps samples per span."""
    pts = [points[0]] + list(points) + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                                    (-a + 3 * b - 3 * c + d) * t3)
                             for a, b, c, d in zip(p0, p1, p2, p3)))
    out.append(tuple(points[-1]))
    return out


def brush_mask(size, samples, ss=SS):
    """Mask of a pen stroke: discs of the given widths along (x, y, width) samples."""
    def draw(d, s):
        prev = None
        for x, y, wd in samples:
            if prev is not None:
                # fill the space between two discs so fast curves stay solid
                px, py, pw = prev
                n = max(1, int(math.hypot(x - px, y - py) * 2))
                for j in range(1, n):
                    u = j / n
                    ix, iy, ir = px + (x - px) * u, py + (y - py) * u, (pw + (wd - pw) * u) / 2
                    d.ellipse(((ix - ir) * s, (iy - ir) * s, (ix + ir) * s, (iy + ir) * s), fill=255)
            r = wd / 2
            d.ellipse(((x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s), fill=255)
            prev = (x, y, wd)
    return mask_from(size, draw, ss)


def mask_mul(a, b):
    return ImageChops.multiply(a, b)


def mask_sub(a, b):
    return ImageChops.subtract(a, b)


def mask_add(a, b):
    return ImageChops.add(a, b)


def shift(im, dx, dy, fill=0):
    out = Image.new(im.mode, im.size, fill)
    out.paste(im, (int(dx), int(dy)))
    return out


def blur(im, r):
    return im.filter(ImageFilter.GaussianBlur(r)) if r > 0 else im


def opacity(mask, a):
    """Scale a mask by a (0..1)."""
    return mask.point([int(round(i * a)) for i in range(256)])


def edge_fade(size, margin, blur_r=None):
    """Mask that is 255 inside and fades to 0 towards the canvas edges."""
    w, h = size
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rectangle((margin, margin, w - 1 - margin, h - 1 - margin), fill=255)
    return blur(m, blur_r if blur_r is not None else margin * 0.7)


# ---------------------------------------------------------------- compositing

def to_rgba(img):
    return img if img.mode == "RGBA" else img.convert("RGBA")


def fill(canvas, paint, mask):
    """Paint a colour or an image onto an RGBA canvas through a mask (in place)."""
    if isinstance(paint, Image.Image):
        layer = to_rgba(paint).copy()
        a = ImageChops.multiply(layer.getchannel("A"), mask)
    else:
        c = tuple(paint)
        layer = Image.new("RGBA", canvas.size, rgba(c))
        a = mask if len(c) == 3 else opacity(mask, c[3] / 255.0)
    layer.putalpha(a)
    canvas.alpha_composite(layer)
    return canvas


def cast_shadow(canvas, mask, offset=(3, 4), radius=4, strength=0.6, colour=(0, 0, 0)):
    """Lay the drop shadow of a mask onto an RGBA canvas (in place)."""
    canvas.alpha_composite(drop_shadow(mask, offset, radius, strength, colour))
    return canvas


def under(canvas, layer):
    """Put layer beneath canvas (returns a new image)."""
    out = to_rgba(layer).copy()
    out.alpha_composite(canvas)
    return out


def multiply(canvas, colour_or_img, mask=None, strength=1.0):
    """Multiply-blend onto an RGB(A) canvas, optionally through a mask (in place)."""
    base = canvas.convert("RGB")
    other = colour_or_img if isinstance(colour_or_img, Image.Image) else solid(*canvas.size, colour_or_img[:3])
    prod = ImageChops.multiply(base, other.convert("RGB"))
    m = mask if mask is not None else Image.new("L", canvas.size, 255)
    if strength != 1.0:
        m = opacity(m, strength)
    out = Image.composite(prod, base, m)
    _write_rgb(canvas, out)
    return canvas


def screen(canvas, colour_or_img, mask=None, strength=1.0):
    """Screen-blend (lighten) onto a canvas, optionally through a mask (in place)."""
    base = canvas.convert("RGB")
    other = colour_or_img if isinstance(colour_or_img, Image.Image) else solid(*canvas.size, colour_or_img[:3])
    res = ImageChops.screen(base, other.convert("RGB"))
    m = mask if mask is not None else Image.new("L", canvas.size, 255)
    if strength != 1.0:
        m = opacity(m, strength)
    _write_rgb(canvas, Image.composite(res, base, m))
    return canvas


def add_light(canvas, colour, mask, strength=1.0):
    """Additive light through a mask (in place)."""
    base = canvas.convert("RGB")
    m = opacity(mask, strength) if strength != 1.0 else mask
    lightl = Image.new("RGB", canvas.size, (0, 0, 0))
    lightl.paste(tuple(colour[:3]), (0, 0), m)
    _write_rgb(canvas, ImageChops.add(base, lightl))
    return canvas


def glow_at(canvas, x, y, r, colour, strength=1.0, power=2.0, ry=None):
    """Additive light around a point, falling off as (1 - distance / r) ** power (in place)."""
    f = radial_field(canvas.size[0], canvas.size[1], x, y, r, ry)
    return add_light(canvas, colour, curve(f, lambda t: (1 - t) ** power), strength)


def soft_light(canvas, gray, strength=1.0):
    """Soft-light an 'L' texture (128 = neutral) over the canvas (in place)."""
    base = canvas.convert("RGB")
    res = ImageChops.soft_light(base, Image.merge("RGB", [gray] * 3))
    if strength != 1.0:
        res = Image.blend(base, res, strength)
    _write_rgb(canvas, res)
    return canvas


def _write_rgb(canvas, rgb):
    if canvas.mode == "RGBA":
        a = canvas.getchannel("A")
        rgb = rgb.convert("RGBA")
        rgb.putalpha(a)
    canvas.paste(rgb.convert(canvas.mode), (0, 0))


def vignette(canvas, strength=0.55, inner=0.55, colour=(0, 0, 0), cx=None, cy=None):
    """Darken towards the corners (in place)."""
    w, h = canvas.size
    cx = w / 2 if cx is None else cx
    cy = h / 2 if cy is None else cy
    f = radial_field(w, h, cx, cy, w * 0.75, h * 0.75)
    f = curve(f, lambda t: max(0.0, (t - inner) / (1 - inner)) ** 1.6)
    return multiply(canvas, colour, f, strength)


def drop_shadow(mask, offset=(3, 4), radius=4, strength=0.6, colour=(0, 0, 0)):
    """RGBA shadow layer of a mask."""
    m = blur(shift(mask, offset[0], offset[1]), radius)
    layer = Image.new("RGBA", mask.size, rgba(colour))
    layer.putalpha(opacity(m, strength))
    return layer


def glow(mask, colour, radius, strength=1.0):
    """RGBA glow layer around a mask."""
    m = blur(mask, radius)
    m = m.point([min(255, int(i * strength)) for i in range(256)])
    layer = Image.new("RGBA", mask.size, rgba(colour))
    layer.putalpha(m)
    return layer


def bevel(canvas, mask, depth=3, light=0.55, dark=0.5, hl=(255, 246, 220), sh=(0, 0, 0)):
    """Raised-edge shading for the shape in mask, light from the top left (in place)."""
    b = blur(mask, depth)
    d = max(1, depth // 2)
    hi = ImageChops.subtract(shift(b, d, d), shift(b, -d, -d))
    lo = ImageChops.subtract(shift(b, -d, -d), shift(b, d, d))
    hi = ImageChops.multiply(scale_l(hi, 2.0), mask)
    lo = ImageChops.multiply(scale_l(lo, 2.0), mask)
    fill(canvas, rgba(hl, int(255 * light)), hi)
    fill(canvas, rgba(sh, int(255 * dark)), lo)
    return canvas


def inner_shadow(canvas, mask, radius=4, offset=(2, 3), strength=0.6, colour=(0, 0, 0)):
    """Shadow cast inside a recessed shape (in place)."""
    outside = invert(mask)
    m = blur(shift(outside, offset[0], offset[1], fill=255), radius)
    fill(canvas, rgba(colour, int(255 * strength)), ImageChops.multiply(m, mask))
    return canvas


def gold_frame(canvas, box, radius, width=4, colours=None):
    """A thin bevelled gold band following a rounded rectangle (in place)."""
    x0, y0, x1, y1 = box
    w, h = canvas.size
    outer = rrect_mask((w, h), box, radius)
    inner = rrect_mask((w, h), (x0 + width, y0 + width, x1 - width, y1 - width), max(0, radius - width))
    band = ImageChops.subtract(outer, inner)
    colours = colours or [(0.0, GOLD_DARK), (0.35, GOLD_LIGHT), (0.6, GOLD), (1.0, GOLD_DARK)]
    metal = gradient_map(linear_field(w, h, True), colours)
    fill(canvas, drop_shadow(band, (1, 1), 1, 0.45), Image.new("L", (w, h), 255))
    fill(canvas, metal, band)
    bevel(canvas, band, depth=2, light=0.6, dark=0.45)
    return canvas


def metal(w, h, stops=None, seed=0, brushed=True):
    """Brass-like metal: vertical sheen with brushed streaks (RGB)."""
    stops = stops or [(0.0, GOLD_DARK), (0.3, GOLD_LIGHT), (0.55, GOLD), (0.8, BRASS), (1.0, GOLD_DARK)]
    img = vgradient(w, h, stops)
    if brushed:
        streaks = noise(w, h, 1, seed, cell_y=1).resize((max(2, w // 30), h)).resize((w, h), Image.Resampling.BICUBIC)
        soft_light(img, curve(streaks, lambda t: 0.4 + 0.2 * t), 0.8)
    return img


# ---------------------------------------------------------------- text

_font_cache = {}


def font(path, size):
    key = (path, size)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(path, size)
    return _font_cache[key]


def text_mask(size, xy, text, path, px, anchor="la", ss=1):
    m = Image.new("L", (size[0] * ss, size[1] * ss), 0)
    ImageDraw.Draw(m).text((xy[0] * ss, xy[1] * ss), text, font=font(path, px * ss), fill=255, anchor=anchor)
    return m if ss == 1 else m.resize(size, Image.Resampling.LANCZOS)


def glyph_mask(size, cx, cy, text, path, px, angle=0.0, ss=SS, ink_centred=False):
    """Mask of one glyph centred at (cx, cy), turned by angle degrees (anticlockwise).
    Centred on its font box, or on the ink itself with ink_centred."""
    n = int(px * 2.2) * ss
    big = Image.new("L", (n, n), 0)
    ImageDraw.Draw(big).text((n / 2, n / 2), text, font=font(path, px * ss), fill=255, anchor="mm")
    box = big.getbbox() if ink_centred else None
    if box:
        dx = n / 2 - (box[0] + box[2]) / 2
        dy = n / 2 - (box[1] + box[3]) / 2
        big = ImageChops.offset(big, int(round(dx)), int(round(dy)))
    if angle:
        big = big.rotate(angle, Image.Resampling.BICUBIC)
    small = big.resize((n // ss, n // ss), Image.Resampling.LANCZOS)
    out = Image.new("L", size, 0)
    out.paste(small, (int(round(cx - n / ss / 2)), int(round(cy - n / ss / 2))))
    return out


def engrave(canvas, mask, depth=1, dark=0.75, light=0.45, ink=None):
    """Engraved (cut-in) text or shape: dark fill, shadow up-left, highlight down-right."""
    fill(canvas, rgba((255, 244, 210), int(255 * light)), ImageChops.subtract(shift(mask, depth, depth), mask))
    if ink is not None:
        fill(canvas, ink, mask)
    else:
        fill(canvas, rgba((0, 0, 0), int(255 * dark)), mask)
    return canvas


def emboss_text(canvas, xy, text, path, px, colour, anchor="la", outline=None, shadow=0.6,
                gradient=None, ss=2):
    """Raised text with an optional outline, drop shadow and vertical colour gradient."""
    size = canvas.size
    m = text_mask(size, xy, text, path, px, anchor, ss)
    if outline:
        grown = m.filter(ImageFilter.MaxFilter(3))
        if shadow:
            fill(canvas, drop_shadow(grown, (2, 3), 3, shadow), Image.new("L", size, 255))
        fill(canvas, outline, grown)
    elif shadow:
        fill(canvas, drop_shadow(m, (2, 2), 2, shadow), Image.new("L", size, 255))
    if gradient:
        box = m.getbbox() or (0, 0, size[0], size[1])
        g = Image.new("RGB", size, gradient[0][1])
        bh = max(1, box[3] - box[1])
        g.paste(vgradient(size[0], bh, gradient), (0, box[1]))
        fill(canvas, g, m)
    else:
        fill(canvas, colour, m)
    return m


# ---------------------------------------------------------------- output

def bleed_alpha(img, radius=3):
    """Give fully transparent pixels the colour of their opaque neighbours.

    Textures are filtered linearly when scaled or rotated; black transparent
    pixels would otherwise show as dark fringes."""
    if img.mode != "RGBA":
        return img
    a = img.getchannel("A")
    lo, hi = a.getextrema()
    if lo == 255 or hi == 0:
        return img
    rgb = img.convert("RGB")
    pre = [ImageChops.multiply(c, a) for c in rgb.split()]
    ba = blur(a, radius)
    chans = []
    for p in pre:
        bp = blur(p, radius)
        chans.append(ImageMath.eval("convert(min(float(p) * 255.0 / max(float(q), 1.0), 255.0), 'L')", p=bp, q=ba))
    bled = Image.merge("RGB", chans)
    far = ba.point(lambda i: 255 if i == 0 else 0)
    bled = Image.composite(Image.new("RGB", img.size, 0), bled, far)
    transparent = a.point(lambda i: 255 if i == 0 else 0)
    out = Image.composite(bled, rgb, transparent).convert("RGBA")
    out.putalpha(a)
    return out


def save(img, path):
    """Write an optimised PNG: RGB when fully opaque, RGBA otherwise. A ".jpg" path
    gets a JPEG, for large opaque pictures such as a room: it decodes in a third of
    the time, which is what a scene's entry waits for."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if path.endswith(".jpg"):
        img.convert("RGB").save(path, "JPEG", quality=92, optimize=True)
        return path
    if img.mode == "RGBA":
        if img.getchannel("A").getextrema()[0] == 255:
            img = img.convert("RGB")
        else:
            img = bleed_alpha(img)
    elif img.mode != "RGB":
        img = img.convert("RGBA")
    img.save(path, "PNG", optimize=True)
    return path


class Layer:
    """A transparent sheet (the screen's size unless given), drawn `k` times larger
    and scaled down when used, for smooth edges."""

    def __init__(self, w=1024, h=768, k=2):
        self.w, self.h, self.k = w, h, k
        self.im = Image.new("RGBA", (w * k, h * k), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.im)

    def _box(self, b):
        return [v * self.k for v in b]

    def poly(self, pts, c):
        self.d.polygon([(x * self.k, y * self.k) for x, y in pts], fill=c)

    def rect(self, box, c, r=0):
        if r:
            self.d.rounded_rectangle(self._box(box), radius=r * self.k, fill=c)
        else:
            self.d.rectangle(self._box(box), fill=c)

    def ell(self, box, c, outline=None, width=1):
        self.d.ellipse(self._box(box), fill=c, outline=outline, width=int(width * self.k))

    def line(self, pts, c, width=1):
        self.d.line([(x * self.k, y * self.k) for x, y in pts], fill=c, width=max(1, int(width * self.k)), joint="curve")

    def arc(self, box, a0, a1, c, width=1):
        self.d.arc(self._box(box), a0, a1, fill=c, width=max(1, int(width * self.k)))

    def pie(self, box, a0, a1, c):
        self.d.pieslice(self._box(box), a0, a1, fill=c)

    def image(self, blur=0):
        small = self.im.resize((self.w, self.h), Image.Resampling.LANCZOS)
        return small.filter(ImageFilter.GaussianBlur(blur)) if blur else small

    def onto(self, canvas, blur=0, shadow=0.0, offset=(4, 6), radius=6):
        small = self.image(blur)
        if shadow:
            canvas.alpha_composite(drop_shadow(small.getchannel("A"), offset, radius, shadow))
        canvas.alpha_composite(small)
        return small.getchannel("A")

    def mask(self):
        return self.image().getchannel("A")
