#!/usr/bin/python3
"""Writes the keyframe animations of the dialogs and menus, and the hint burst
with its pictures.

Usage: tools/content/animations.py

Output (relative to the repository root):
- content/animations/UniversalDialog/MessageDialogStart.xml, MessageDialogClose.xml
  (the window is DialogWindow.png beside them, painted by ui_art.py);
- content/animations/PlayerProfiles/, PlayerName/, OptionsMenu/: DialogStart.xml,
  DialogClose.xml, animating the menu panels under content/images/menus/;
- content/GUI/HintAnim/HintFIN.xml and its pictures.

How the player treats these files shapes them:
- between two keyframes every property moves linearly, so an overshoot needs
  its own keyframe; every keyframe also costs two frame updates of standstill
  (a sequence starts its next step one update after the previous one ended),
  so keyframes sit where the motion turns anyway (the overshoot peak, the
  rest position) rather than in the middle of a movement;
- the tree of each object starts at its first keyframe whatever its time
  stamp, so every object starts at 0 and a late entrance is a held keyframe;
- (x, y) is the unscaled top-left corner; scale and angle act about the
  picture's centre, so a panel zooms in place while x, y stay 0;
- the menus build their widgets, and a message dialog its text and buttons,
  when the opening reports "finished": its last keyframe is the window at
  rest (0, 0, scale 100, angle 0, white, opaque) and the closing starts from
  exactly there; the last object in drawing order is the one whose end
  counts, so in the hint burst the magnifier is on top and has the most
  keyframes.

Deterministic: no randomness; PNGs are written by paint.save.
"""

import math
import os
import sys

from PIL import Image, ImageChops

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CONTENT = os.path.join(ROOT, "content")


# ================================================================ writing animation files

REST = {"x": 0, "y": 0, "z": 0, "ScaleX": 100, "ScaleY": 100, "Angle": 0,
        "Red": 255, "Green": 255, "Blue": 255, "Alpha": 255}
ORDER = ("x", "y", "z", "ScaleX", "ScaleY", "Angle", "Red", "Green", "Blue", "Alpha")


def fmt(v):
    """Integers as integers, anything else with at most two decimals."""
    if isinstance(v, int) or float(v).is_integer():
        return str(int(round(v)))
    return ("%.2f" % v).rstrip("0").rstrip(".")


def key(t, **values):
    """One image keyframe: time stamp t and the values that differ from REST."""
    v = dict(REST)
    for name, value in values.items():
        name = {"scale": None, "a": "Alpha", "angle": "Angle"}.get(name, name)
        if name is None:
            v["ScaleX"] = v["ScaleY"] = value
        else:
            v[name] = value
    return (t, v)


def anim_xml(name, length, screen, objects, loop=0):
    """objects: [(file, [(time, values), ...]), ...] in document order."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<Scene name="%s" loop="%d" length="%d">' % (name, loop, length),
             '  <Screen Width="%d" Height="%d"/>' % screen]
    for file_name, keys in objects:
        times = [t for t, _ in keys]
        assert times == sorted(set(times)), (name, file_name, times)
        assert times[0] == 0 and times[-1] <= length, (name, file_name, times)
        lines.append('  <Object file="%s" type="0">' % file_name)
        for t, v in keys:
            attrs = " ".join('%s="%s"' % (k, fmt(v[k])) for k in ORDER)
            lines.append('    <KeyFrame TimeStamp="%d" TypeInterpolator="0" Type="0" %s/>' % (t, attrs))
        lines.append('  </Object>')
    lines.append('</Scene>')
    return "\n".join(lines) + "\n"


def write(rel, text):
    path = os.path.join(CONTENT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("wrote", os.path.relpath(path, ROOT))


# ================================================================ dialog openings and closings

def opening(picture, start_scale, peak_scale, peak_t, rest_t):
    """Zoom and fade in to a small overshoot, then settle at rest.

    Keyframes only where the motion stops: start, overshoot peak, rest."""
    return [(picture, [
        key(0, scale=start_scale, a=0),
        key(peak_t, scale=peak_scale),
        key(rest_t),
    ])]


def closing(picture, swell_scale, swell_t, end_scale, end_t):
    """A slight swell from rest, then shrink and fade out completely."""
    return [(picture, [
        key(0),
        key(swell_t, scale=swell_scale),
        key(end_t, scale=end_scale, a=0),
    ])]


DIALOGS = [
    # folder, opening name, closing name, picture (relative to the folder), size
    ("animations/UniversalDialog", "MessageDialogStart", "MessageDialogClose",
     "DialogWindow.png", (359, 257), (76, 104, 170, 260), (103, 60, 80, 200)),
    ("animations/PlayerProfiles", "DialogStart", "DialogClose",
     "../../images/menus/profile/Bg.png", (500, 440), (78, 103, 170, 260), (102, 60, 82, 200)),
    ("animations/PlayerName", "DialogStart", "DialogClose",
     "../../images/menus/profile/NameInputBg.png", (440, 280), (78, 103, 170, 260), (102, 60, 82, 200)),
    ("animations/OptionsMenu", "DialogStart", "DialogClose",
     "../../images/menus/options/Bg.png", (460, 400), (78, 103, 170, 260), (102, 60, 82, 200)),
]


def write_dialogs():
    for folder, open_name, close_name, picture, size, o, c in DIALOGS:
        src = os.path.normpath(os.path.join(CONTENT, folder, picture))
        with Image.open(src) as im:
            assert im.size == size, (src, im.size)
        write(os.path.join(folder, open_name + ".xml"),
              anim_xml(open_name, o[3], size, opening(picture, *o)))
        write(os.path.join(folder, close_name + ".xml"),
              anim_xml(close_name, c[3], size, closing(picture, *c)))


# ================================================================ hint burst pictures

HINT = "GUI/HintAnim"
HINT_BOX = (256, 256)
HINT_CENTRE = (128, 128)


def radial(size, r, fn):
    """'L' mask of fn(d) for the distance d (0 at the centre, 1 at radius r)."""
    w, h = size
    f = P.radial_field(w, h, w / 2.0, h / 2.0, r)
    return f.point([max(0, min(255, int(round(255 * fn(i / 255.0))))) for i in range(256)])


def hint_glow():
    size = (200, 200)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    P.fill(img, (255, 190, 84), radial(size, 99, lambda d: 0.9 * (1 - d) ** 1.4))
    P.fill(img, (255, 238, 180), radial(size, 70, lambda d: 0.8 * (1 - d) ** 1.6))
    return img


def hint_ring():
    size = (200, 200)
    w, h = size
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    band = P.ring_mask(size, (10, 10, w - 10, h - 10), 4)
    img.alpha_composite(P.glow(band, (255, 184, 72), 5, 1.6))
    P.fill(img, (255, 226, 140), band)
    thin = P.ring_mask(size, (11, 11, w - 11, h - 11), 1.5)
    P.fill(img, (255, 252, 230), thin)
    return img


def hint_rays():
    size = (240, 240)
    w, h = size
    cx, cy = w / 2.0, h / 2.0
    n = 12

    def draw(d, s):
        for i in range(n):
            a = i * 2 * math.pi / n - math.pi / 2
            length = 116 if i % 2 == 0 else 84
            half = math.radians(8.0 if i % 2 == 0 else 6.0)
            tip = (cx + math.cos(a) * length, cy + math.sin(a) * length)
            left = (cx + math.cos(a - half) * 14, cy + math.sin(a - half) * 14)
            right = (cx + math.cos(a + half) * 14, cy + math.sin(a + half) * 14)
            d.polygon([(cx * s, cy * s), (left[0] * s, left[1] * s), (tip[0] * s, tip[1] * s),
                       (right[0] * s, right[1] * s)], fill=255)

    rays = P.blur(P.mask_from(size, draw), 1.0)
    fade = radial(size, 118, lambda d: min(1.0, 1.3 * (1 - d) ** 0.8))
    rays = ImageChops.multiply(rays, fade)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    img.alpha_composite(P.glow(rays, (255, 170, 60), 4, 1.2))
    P.fill(img, (255, 232, 160), rays)
    return img


def hint_sparkle():
    size = (56, 56)
    w, h = size
    c = w / 2.0
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    img.alpha_composite(P.glow(radial(size, 26, lambda d: (1 - d) ** 2.2), (255, 186, 70), 0, 0.8))

    def star(points, long_r, short_r, phase):
        def draw(d, s):
            pts = []
            for i in range(points * 2):
                a = phase + i * math.pi / points
                r = long_r if i % 2 == 0 else short_r
                pts.append(((c + math.cos(a) * r) * s, (c + math.sin(a) * r) * s))
            d.polygon(pts, fill=255)
        return P.mask_from(size, draw)

    big = star(4, 27, 3.6, -math.pi / 2)
    small = star(4, 13, 2.8, -math.pi / 4)
    img.alpha_composite(P.glow(big, (255, 206, 96), 1.5, 1.3))
    P.fill(img, (255, 214, 120), small)
    P.fill(img, (255, 240, 186), big)
    P.fill(img, (255, 255, 248), radial(size, 7, lambda d: (1 - d) ** 0.8))
    return img


def hint_glint():
    size = (20, 20)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    P.fill(img, (255, 200, 96), radial(size, 10, lambda d: 0.9 * (1 - d) ** 1.6))
    P.fill(img, (255, 252, 236), radial(size, 4.5, lambda d: (1 - d) ** 0.6))
    return img


def hint_magnifier():
    """A brass magnifying glass: lens centred in the picture, handle to the lower right,
    so that turning and zooming about the picture's centre keep the lens in place."""
    size = (176, 176)
    w, h = size
    c = 88.0
    r_out, r_in = 41.0, 33.0
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    diag = (math.cos(math.pi / 4), math.sin(math.pi / 4))

    def bar(r0, r1, half):
        nx, ny = -diag[1], diag[0]
        p0 = (c + diag[0] * r0, c + diag[1] * r0)
        p1 = (c + diag[0] * r1, c + diag[1] * r1)
        return [(p0[0] + nx * half, p0[1] + ny * half), (p1[0] + nx * half, p1[1] + ny * half),
                (p1[0] - nx * half, p1[1] - ny * half), (p0[0] - nx * half, p0[1] - ny * half)]

    rim = P.ellipse_mask(size, (c - r_out, c - r_out, c + r_out, c + r_out))
    lens = P.ellipse_mask(size, (c - r_in, c - r_in, c + r_in, c + r_in))
    ferrule = P.poly_mask(size, bar(r_out - 3, r_out + 14, 7.5))
    grip_end = r_out + 58
    gr = 8.5
    grip = P.mask_add(P.poly_mask(size, bar(r_out + 13, grip_end - gr, gr)),
                      P.ellipse_mask(size, (c + diag[0] * (grip_end - gr) - gr, c + diag[1] * (grip_end - gr) - gr,
                                            c + diag[0] * (grip_end - gr) + gr, c + diag[1] * (grip_end - gr) + gr)))
    shape = P.mask_add(P.mask_add(rim, ferrule), grip)

    # a warm halo so the glass reads on any part of a room
    img.alpha_composite(P.glow(P.mask_add(shape, lens), (255, 200, 90), 6, 0.9))
    img.alpha_composite(P.drop_shadow(shape, (2, 3), 3, 0.45))

    # grip: dark burgundy lacquer with a sheen along its length
    lacquer = Image.new("RGBA", size, P.rgba(P.DARK_BURGUNDY))
    sheen = P.poly_mask(size, bar(r_out + 15, grip_end - 5, 2.4))
    sheen = ImageChops.multiply(P.blur(P.shift(sheen, -2, 1), 1.2), grip)
    P.fill(img, lacquer, grip)
    P.fill(img, P.rgba(P.BURGUNDY), P.opacity(ImageChops.multiply(P.blur(grip, 3), grip), 0.9))
    P.fill(img, (236, 150, 150, 150), sheen)

    # brass rim and ferrule
    brass = P.metal(w, h, seed=7, brushed=False)
    band = P.mask_sub(rim, lens)
    P.fill(img, brass, P.mask_add(band, ferrule))
    P.bevel(img, P.mask_add(band, ferrule), depth=2, light=0.7, dark=0.45)
    for rr in (r_out - 0.8, r_in + 0.8):
        P.fill(img, (116, 78, 26, 200), P.ring_mask(size, (c - rr, c - rr, c + rr, c + rr), 1))

    # glass: pale teal, see-through, with a bright arc and a small glint
    glass = P.vgradient(w, h, [(0.0, (240, 250, 250)), (0.45, (196, 226, 230)), (1.0, (140, 184, 196))])
    P.fill(img, glass, P.opacity(lens, 0.34))
    # the lens edge catches more light than its middle
    edge = P.curve(P.radial_field(w, h, c, c, r_in), lambda t: max(0.0, (t - 0.6) / 0.4) ** 2)
    edge = ImageChops.multiply(edge, lens)
    P.fill(img, (255, 250, 232), P.opacity(edge, 0.55))
    arc = P.mask_sub(P.ellipse_mask(size, (c - 25, c - 25, c + 25, c + 25)),
                     P.ellipse_mask(size, (c - 20, c - 27, c + 30, c + 23)))
    arc = ImageChops.multiply(arc, P.poly_mask(size, [(0, 0), (w, 0), (0, h)]))
    P.fill(img, (255, 255, 255, 220), P.blur(arc, 0.6))
    P.fill(img, (255, 255, 255, 235), P.ellipse_mask(size, (c + 10, c + 11, c + 16, c + 17)))
    return img


HINT_PICTURES = {
    "HintGlow.png": hint_glow,
    "HintRays.png": hint_rays,
    "HintRing.png": hint_ring,
    "HintSparkle.png": hint_sparkle,
    "HintGlint.png": hint_glint,
    "HintMagnifier.png": hint_magnifier,
}


# ================================================================ hint burst timeline

def centred(picture_size, cx, cy):
    """Top-left corner that puts the (unscaled) picture's centre at (cx, cy)."""
    return cx - picture_size[0] / 2.0, cy - picture_size[1] / 2.0


def hint_objects(sizes):
    cx, cy = HINT_CENTRE
    objs = []

    def at(name, dx=0.0, dy=0.0):
        x, y = centred(sizes[name], cx + dx, cy + dy)
        return {"x": round(x, 2), "y": round(y, 2)}

    # soft light blooming behind everything
    p = at("HintGlow.png")
    objs.append(("HintGlow.png", [
        key(0, z=0, scale=30, a=0, **p),
        key(220, z=0, scale=105, a=235, **p),
        key(1200, z=0, scale=120, a=0, **p),
    ]))
    # slowly turning rays
    p = at("HintRays.png")
    objs.append(("HintRays.png", [
        key(0, z=1, scale=40, angle=0, a=0, **p),
        key(260, z=1, scale=92, angle=15, a=230, **p),
        key(1100, z=1, scale=106, angle=60, a=0, **p),
    ]))
    # two expanding rings, the second a little later
    p = at("HintRing.png")
    objs.append(("HintRing.png", [
        key(0, z=2, scale=10, a=0, **p),
        key(80, z=2, scale=34, a=255, **p),
        key(520, z=2, scale=124, a=0, **p),
    ]))
    objs.append(("HintRing.png", [
        key(0, z=2, scale=10, a=0, **p),
        key(240, z=2, scale=10, a=0, **p),
        key(320, z=2, scale=32, a=220, **p),
        key(780, z=2, scale=118, a=0, **p),
    ]))
    # sparkles flying out: a diagonal wave at once, an upright wave a little later
    for i in range(8):
        diagonal = i % 2 == 0
        ang = math.radians(45 * i + 45)
        r1, r2 = (40, 114) if diagonal else (36, 100)
        spin = 90 if i % 4 < 2 else -90
        start = 0 if diagonal else 200
        p0 = at("HintSparkle.png")
        p1 = at("HintSparkle.png", math.cos(ang) * r1, math.sin(ang) * r1)
        p2 = at("HintSparkle.png", math.cos(ang) * r2, math.sin(ang) * r2)
        big = 100 if diagonal else 82
        keys = [key(0, z=4, scale=20, a=0, **p0)]
        if start:
            keys.append(key(start, z=4, scale=20, a=0, **p0))
        keys += [key(start + 120, z=4, scale=big, a=255, **p1),
                 key(start + 680, z=4, scale=int(big * 0.35), angle=spin, a=0, **p2)]
        objs.append(("HintSparkle.png", keys))
    # glints twinkling around the glass while it settles
    glints = [(300, 20, 72), (430, 200, 84), (560, 110, 66), (690, 290, 80), (820, 160, 90), (950, 330, 62)]
    for start, deg, r in glints:
        a = math.radians(deg)
        p = at("HintGlint.png", math.cos(a) * r, -math.sin(a) * r)
        objs.append(("HintGlint.png", [
            key(0, z=4, scale=20, a=0, **p),
            key(start, z=4, scale=20, a=0, **p),
            key(start + 130, z=4, scale=140, a=255, **p),
            key(start + 300, z=4, scale=30, a=0, **p),
        ]))
    # the magnifier pops in with a wobble, breathes, and bows out; it is drawn last
    # and has the most keyframes, so its end is the end of the animation
    p = at("HintMagnifier.png")
    objs.append(("HintMagnifier.png", [
        key(0, z=9, scale=20, angle=30, a=0, **p),
        key(230, z=9, scale=116, angle=-8, **p),
        key(350, z=9, scale=95, angle=4, **p),
        key(450, z=9, **p),
        key(750, z=9, scale=104, angle=-5, **p),
        key(1050, z=9, **p),
        key(1350, z=9, scale=120, a=0, **p),
    ]))
    return objs


def write_hint():
    sizes = {}
    for name, fn in HINT_PICTURES.items():
        img = fn()
        sizes[name] = img.size
        P.save(img, os.path.join(CONTENT, HINT, name))
        print("wrote", os.path.join("content", HINT, name))
    write(os.path.join(HINT, "HintFIN.xml"), anim_xml("HintFIN", 1350, HINT_BOX, hint_objects(sizes)))


def main():
    write_dialogs()
    write_hint()


if __name__ == "__main__":
    main()
