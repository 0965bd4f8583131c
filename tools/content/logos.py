#!/usr/bin/python3
"""Writes the studio logo shown at start-up, before the main menu: the mark and
name of "Quill Games" and their keyframe animation.

Usage: tools/content/logos.py

Output (relative to the repository root), all in content/animations/Logo/:
- LogoMark.png: a cream and gold quill with a dark ink nib over a deep teal
  medallion ringed in gold, writing a small golden flourish;
- LogoName.png: "Quill Games" in DejaVu Serif Bold, cream to gold, with a soft
  amber glow and a thin rule with a diamond beneath;
- LogoGlow.png: a soft amber light, used behind the mark and (stretched)
  behind the name for the glow pulse;
- QuillGames.xml: the animation, drawn at (0, 0) of the 1024 x 768 screen
  over black, so every picture sits where it shows on screen.

Timeline (ms): the mark fades in and grows slightly (0-800), the name rises
and fades in below it (500-1300), everything holds, the light behind pulses
once (1750-2550), and all fades out to black (2800-3500).

Every object has keyframes at the same time stamps, so the standstill each
keyframe adds is the same for all of them and they end together; the name is
the last object, whose end is the end of the animation.

Deterministic: no randomness; PNGs are written by paint.save.
"""

import math
import os
import sys

from PIL import Image, ImageChops, ImageFilter

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
from animations import CONTENT, anim_xml, centred, key, write  # noqa: E402

FOLDER = "animations/Logo"
SCREEN = (1024, 768)
MARK_CENTRE = (512, 322)
NAME_CENTRE = (512, 508)

INK_DARK = (22, 20, 30)


# ================================================================ pictures

def radial(size, r, fn, cx=None, cy=None):
    """'L' mask of fn(d) for the distance d (0 at the centre, 1 at radius r)."""
    w, h = size
    cx = w / 2.0 if cx is None else cx
    cy = h / 2.0 if cy is None else cy
    f = P.radial_field(w, h, cx, cy, r)
    return f.point([max(0, min(255, int(round(255 * fn(i / 255.0))))) for i in range(256)])


def logo_glow():
    size = (360, 360)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    P.fill(img, (232, 150, 56), radial(size, 179, lambda d: 0.75 * (1 - d) ** 2.0))
    P.fill(img, (255, 214, 140), radial(size, 110, lambda d: 0.45 * (1 - d) ** 1.8))
    return img


def quill_outline(base, tip, bend, samples=48):
    """Points of the quill: the axis from base to tip bends sideways by `bend`.

    Returns (left side, right side, axis point function)."""
    bx, by = base
    tx, ty = tip
    ax, ay = tx - bx, ty - by
    length = math.hypot(ax, ay)
    ux, uy = ax / length, ay / length
    nx, ny = -uy, ux          # normal, to the left of the direction of travel

    def axis(t):
        off = bend * math.sin(math.pi * t)
        return (bx + ax * t + nx * off, by + ay * t + ny * off)

    def normal_at(t):
        e = 0.002
        p0, p1 = axis(max(0.0, t - e)), axis(min(1.0, t + e))
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        d = math.hypot(dx, dy)
        return -dy / d, dx / d

    def width(t, side):
        # the vane starts above the bare quill, widest at about 0.55, pointed tip
        start = 0.2
        if t <= start:
            return 0.0
        u = (t - start) / (1 - start)
        shape = math.sin(math.pi * u ** 0.8) ** 0.9 * (1 - u) ** 0.15
        return (33.0 if side < 0 else 22.0) * shape

    left, right = [], []
    for i in range(samples + 1):
        t = i / samples
        p = axis(t)
        n = normal_at(t)
        wl, wr = width(t, -1), width(t, 1)
        left.append((p[0] + n[0] * wl, p[1] + n[1] * wl))
        right.append((p[0] - n[0] * wr, p[1] - n[1] * wr))
    return left, right, axis, normal_at, width


def logo_mark():
    size = (280, 280)
    w, h = size
    c = 140.0
    r = 96.0
    img = Image.new("RGBA", size, (0, 0, 0, 0))

    # ---- medallion: deep teal, lighter in the middle, a gold ring and a faint halo
    disc = P.ellipse_mask(size, (c - r, c - r, c + r, c + r))
    img.alpha_composite(P.glow(disc, (214, 150, 70), 9, 0.45))
    teal = P.gradient_map(P.radial_field(w, h, c - 18, c - 22, r * 1.35),
                          [(0.0, (44, 118, 124)), (0.55, P.TEAL), (1.0, (8, 32, 40))])
    P.fill(img, teal, disc)
    P.fill(img, (255, 232, 170, 70), P.ring_mask(size, (c - r + 10, c - r + 10, c + r - 10, c + r - 10), 1))
    band = P.mask_sub(disc, P.ellipse_mask(size, (c - r + 5, c - r + 5, c + r - 5, c + r - 5)))
    gold = P.gradient_map(P.linear_field(w, h, True),
                          [(0.0, P.GOLD_LIGHT), (0.4, P.GOLD), (0.75, P.GOLD_DARK), (1.0, P.GOLD)])
    P.fill(img, gold, band)
    P.bevel(img, band, depth=2, light=0.6, dark=0.4)

    # ---- the quill, nib at the lower left, feather tip out of the ring at the top right
    base, tip = (114.0, 184.0), (228.0, 42.0)
    left, right, axis, normal_at, width = quill_outline(base, tip, -14.0)
    vane = P.poly_mask(size, left + right[::-1])
    # two small splits in the vane make it read as a feather
    for t0, side, depth in ((0.5, -1, 0.7), (0.68, 1, 0.75), (0.82, -1, 0.6)):
        p, n = axis(t0), normal_at(t0)
        wv = width(t0, side) + 2
        s = -1 if side > 0 else 1
        edge = (p[0] + s * n[0] * wv, p[1] + s * n[1] * wv)
        inner_p = (p[0] + s * n[0] * wv * (1 - depth), p[1] + s * n[1] * wv * (1 - depth))
        q = axis(t0 - 0.05)
        edge2 = (q[0] + s * n[0] * (wv + 3), q[1] + s * n[1] * (wv + 3))
        notch = P.poly_mask(size, [edge, inner_p, edge2])
        vane = P.mask_sub(vane, notch)

    # shadow of the quill on the medallion
    shaft_pts = [axis(i / 40 * 1.0) for i in range(41)]
    shaft = P.mask_from(size, lambda d, s: d.line([(x * s, y * s) for x, y in shaft_pts],
                                                  fill=255, width=int(3 * s), joint="curve"))
    nib_t0, nib_t1 = -0.17, 0.03
    p_tip, p_root = axis(nib_t0), axis(nib_t1)
    n0 = normal_at(0.0)
    half = 5.0
    nib_pts = [p_tip,
               (p_root[0] + n0[0] * half, p_root[1] + n0[1] * half),
               (p_root[0] - n0[0] * half, p_root[1] - n0[1] * half)]
    # axis(t) for t < 0 extends the straight line beyond the base
    nib = P.poly_mask(size, nib_pts)
    whole = P.mask_add(P.mask_add(vane, shaft), nib)
    img.alpha_composite(P.drop_shadow(whole, (4, 5), 4, 0.5))

    # a golden flourish written by the nib, curling under it
    def flourish(d, s):
        pts = []
        for i in range(61):
            u = i / 60.0
            x = p_tip[0] - 2 + 84 * u
            y = p_tip[1] + 3 + 7 * math.sin(math.pi * u * 1.5) - 14 * u * u
            pts.append((x, y))
        for i in range(len(pts) - 1):
            u = i / 60.0
            wd = max(1.0, 4.2 * math.sin(math.pi * min(1.0, u * 1.15)))
            d.line([(pts[i][0] * s, pts[i][1] * s), (pts[i + 1][0] * s, pts[i + 1][1] * s)],
                   fill=255, width=int(wd * s))
    swash = P.mask_from(size, flourish)
    swash = ImageChops.multiply(swash, P.ellipse_mask(size, (c - r + 8, c - r + 8, c + r - 8, c + r - 8)))
    img.alpha_composite(P.glow(swash, (255, 190, 90), 2.5, 0.8))
    P.fill(img, (236, 196, 110), swash)
    P.fill(img, (255, 246, 210, 120), P.shift(P.blur(swash, 0.4), 0, -1))

    # vane: cream at the tip, warm gold towards the quill, the right half in shade
    feather = P.gradient_map(P.linear_field(w, h, True),
                             [(0.0, (255, 250, 232)), (0.35, P.CREAM), (0.7, (238, 204, 130)),
                              (1.0, P.GOLD)])
    P.fill(img, feather, vane)
    right_half = P.poly_mask(size, shaft_pts + right[::-1])
    P.multiply(img, (224, 184, 120), ImageChops.multiply(right_half, vane), 0.9)
    # barbs: fine lines from the shaft towards the edges, sloping to the tip
    def barbs(d, s):
        for i in range(34):
            t = 0.23 + i * 0.022
            if t > 0.96:
                break
            p = axis(t)
            for side in (-1, 1):
                wv = width(t + 0.06, side) if t + 0.06 < 1 else 0
                if wv <= 1:
                    continue
                q = axis(min(1.0, t + 0.07))
                nq = normal_at(min(1.0, t + 0.07))
                sgn = 1 if side < 0 else -1
                end = (q[0] + sgn * nq[0] * wv * 0.95, q[1] + sgn * nq[1] * wv * 0.95)
                d.line([(p[0] * s, p[1] * s), (end[0] * s, end[1] * s)], fill=255, width=int(0.8 * s))
    lines = ImageChops.multiply(P.mask_from(size, barbs), P.blur(vane, 0.5))
    P.fill(img, (150, 104, 40, 120), lines)
    P.bevel(img, vane, depth=2, light=0.5, dark=0.25)
    # edge line so the cream reads against the dark
    outline = P.mask_sub(vane.filter(ImageFilter.MaxFilter(3)), vane)
    P.fill(img, (150, 100, 36, 170), outline)

    # shaft: a bright rachis tapering to the tip, the bare quill below the vane
    def rachis(d, s):
        n = 40
        for i in range(n):
            t0, t1 = i / n, (i + 1) / n
            wd = 3.2 * (1 - t0) + 0.6
            a, b = axis(t0), axis(t1)
            d.line([(a[0] * s, a[1] * s), (b[0] * s, b[1] * s)], fill=255, width=max(1, int(wd * s)))
    rach = P.mask_from(size, rachis)
    P.fill(img, (255, 250, 236), rach)
    P.fill(img, (176, 130, 60, 150), P.mask_sub(P.shift(rach, 1, 1), rach))

    # nib: dark ink metal with a slit, a breather hole and a glint
    P.fill(img, P.rgba(INK_DARK), nib)
    P.fill(img, (70, 74, 92, 200), P.poly_mask(size, [p_tip, nib_pts[1], axis(-0.04)]))
    mid = axis(-0.06)
    slit = P.mask_from(size, lambda d, s: d.line([(p_tip[0] * s, p_tip[1] * s), (mid[0] * s, mid[1] * s)],
                                                 fill=255, width=int(0.9 * s)))
    P.fill(img, (0, 0, 0, 230), slit)
    hole = P.ellipse_mask(size, (mid[0] - 1.3, mid[1] - 1.3, mid[0] + 1.3, mid[1] + 1.3))
    P.fill(img, (0, 0, 0), hole)
    g = axis(-0.01)
    P.fill(img, (230, 236, 250, 170), P.ellipse_mask(size, (g[0] - 2.2, g[1] - 1.0, g[0] + 1.2, g[1] + 1.6)))
    # a wet drop of ink at the point
    P.fill(img, P.rgba(INK_DARK), P.ellipse_mask(size, (p_tip[0] - 2.5, p_tip[1] - 1.5, p_tip[0] + 2.5, p_tip[1] + 3.5)))
    return img


def logo_name():
    size = (600, 140)
    w, h = size
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    text = "Quill Games"
    m = P.text_mask(size, (w / 2, 62), text, P.SERIF_BOLD, 66, anchor="mm", ss=2)
    # the rule: two thin gold lines meeting at a small diamond
    cy = 112

    def rule(d, s):
        for sgn in (-1, 1):
            x0, x1 = w / 2 + sgn * 14, w / 2 + sgn * 150
            d.polygon([(x0 * s, (cy - 1.2) * s), (x1 * s, cy * s), (x0 * s, (cy + 1.2) * s)], fill=255)
        d.polygon([((w / 2) * s, (cy - 6) * s), ((w / 2 + 6) * s, cy * s),
                   ((w / 2) * s, (cy + 6) * s), ((w / 2 - 6) * s, cy * s)], fill=255)
    r = P.mask_from(size, rule)
    both = P.mask_add(m, r)
    img.alpha_composite(P.glow(both, (226, 140, 50), 10, 0.8))
    img.alpha_composite(P.glow(both, (255, 200, 110), 3, 0.7))
    img.alpha_composite(P.drop_shadow(both, (2, 3), 2, 0.6))
    box = m.getbbox()
    face = Image.new("RGB", size, P.GOLD)
    face.paste(P.vgradient(w, box[3] - box[1], [(0.0, (255, 248, 226)), (0.45, P.CREAM),
                                                (0.7, (240, 204, 128)), (1.0, P.GOLD)]), (0, box[1]))
    P.fill(img, face, m)
    P.bevel(img, m, depth=2, light=0.45, dark=0.3)
    P.fill(img, P.GOLD, r)
    P.fill(img, (255, 236, 170, 200), P.mask_mul(r, P.shift(r, 0, 1)).point(lambda i: i // 2))
    return img


PICTURES = {
    "LogoGlow.png": logo_glow,
    "LogoMark.png": logo_mark,
    "LogoName.png": logo_name,
}


# ================================================================ timeline

# the same time stamps for every object: start, the name begins, the mark is in,
# the name is in, the pulse rises, peaks, settles, the fade-out begins, black
TIMES = (0, 500, 800, 1300, 1750, 2150, 2550, 2800, 3500)
LENGTH = TIMES[-1]


def track(pos, z, values):
    """values: per time stamp a dict of key() arguments (scale, a, dy, sx, sy)."""
    keys = []
    for t, v in zip(TIMES, values):
        v = dict(v)
        dy = v.pop("dy", 0)
        keys.append(key(t, z=z, x=pos[0], y=round(pos[1] + dy, 2), **v))
    return keys


def logo_objects(sizes):
    mark = centred(sizes["LogoMark.png"], *MARK_CENTRE)
    name = centred(sizes["LogoName.png"], *NAME_CENTRE)
    glow = centred(sizes["LogoGlow.png"], *MARK_CENTRE)
    name_glow = centred(sizes["LogoGlow.png"], NAME_CENTRE[0], NAME_CENTRE[1] - 6)

    def sc(x, y):
        return {"ScaleX": x, "ScaleY": y}

    objs = []
    # warm light behind the mark: comes up with it, pulses once, fades with all
    objs.append(("LogoGlow.png", track(glow, 0, [
        dict(scale=70, a=0), dict(scale=84, a=60), dict(scale=92, a=96), dict(scale=96, a=96),
        dict(scale=96, a=96), dict(scale=112, a=210), dict(scale=98, a=100), dict(scale=98, a=100),
        dict(scale=104, a=0)])))
    # the same light stretched wide behind the name, pulsing a touch later in spirit
    objs.append(("LogoGlow.png", track(name_glow, 0, [
        dict(a=0, **sc(150, 30)), dict(a=0, **sc(150, 30)), dict(a=24, **sc(160, 32)),
        dict(a=64, **sc(175, 36)), dict(a=64, **sc(175, 36)), dict(a=150, **sc(190, 42)),
        dict(a=64, **sc(176, 36)), dict(a=64, **sc(176, 36)), dict(a=0, **sc(184, 38))])))
    # the mark: fades in growing slightly 0-800 (linear, so 500 lies on the way)
    objs.append(("LogoMark.png", track(mark, 1, [
        dict(scale=90, a=0), dict(scale=96.25, a=159), dict(scale=100, a=255), dict(),
        dict(), dict(scale=101.5), dict(), dict(), dict(scale=103, a=0)])))
    # the name rises 12 px into place and fades in 500-1300; drawn last, ends last
    objs.append(("LogoName.png", track(name, 1, [
        dict(a=0, dy=12), dict(a=0, dy=12), dict(a=96, dy=7.5), dict(),
        dict(), dict(), dict(), dict(), dict(a=0)])))
    return objs


def main():
    sizes = {}
    for file_name, fn in PICTURES.items():
        img = fn()
        sizes[file_name] = img.size
        P.save(img, os.path.join(CONTENT, FOLDER, file_name))
        print("wrote", os.path.join("content", FOLDER, file_name))
    write(os.path.join(FOLDER, "QuillGames.xml"), anim_xml("QuillGames", LENGTH, SCREEN, logo_objects(sizes)))


if __name__ == "__main__":
    main()
