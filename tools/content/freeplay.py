#!/usr/bin/python3
"""Paints the free-play menu's scene thumbnails and their frame, and writes its layout file.

Usage: tools/content/freeplay.py [--only SUBSTRING ...] [--preview]

Writes (relative to the repository root):
    content/images/menus/freeplay/Taproom.jpg    each hidden-object scene composed as
    content/images/menus/freeplay/Library.jpg    the game draws it, shrunk to 200 x 150
    content/images/menus/freeplay/MusicRoom.jpg  like a small painting (sharpened, a
    content/images/menus/freeplay/Kitchen.jpg    soft vignette, no text, opaque)
    content/images/menus/freeplay/Frame.png      224 x 174 carved gilt frame; its window,
                                                 x 12..211, y 12..161, is fully transparent
    content/config/FreeplayMenu.xml              the thumbnails in the order of the flow

Run after scenes.py: the thumbnails are made from the scenes' pictures. The game
draws the frame at a thumbnail's position plus (-12, -12).

With --preview, also writes /tmp/freeplay_preview.png (the framed thumbnails on
the menu background at their slots) and /tmp/freeplay_zoom.png (one framed
thumbnail at three times its size). Deterministic: all randomness is seeded.
"""

import argparse
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402
from asset_script import CONTENT, Assets, load, run  # noqa: E402
from scene_preview import compose  # noqa: E402

OUT_DIR = "images/menus/freeplay"
MENU_XML = "config/FreeplayMenu.xml"
PREVIEW = "/tmp/freeplay_preview.png"
ZOOM = "/tmp/freeplay_zoom.png"

# The scenes in the order of the game's flow: picture name, label key of the name.
SCENES = [("Taproom", "SCENE_TAPROOM"), ("Library", "SCENE_LIBRARY"),
          ("MusicRoom", "SCENE_MUSIC_ROOM"), ("Kitchen", "SCENE_KITCHEN")]

THUMB = (200, 150)
BORDER = 12
FRAME = (THUMB[0] + 2 * BORDER, THUMB[1] + 2 * BORDER)    # 224 x 174
JPEG_QUALITY = 88

# The menu's slots (top-left of a thumbnail on the 1024 x 768 background).
SLOTS = [(x, y) for y in (132, 400) for x in (50, 410, 770)]

ASSETS = Assets(OUT_DIR)
asset = ASSETS.add


# ================================================================ thumbnails

def thumbnail(name):
    """The scene as the game composes it, shrunk to a small painting."""
    room = compose(os.path.join(CONTENT, "scenes", name, name + ".xml"))
    w, h = room.size
    # keep 4:3: cut the longer side evenly
    if w * 3 > h * 4:
        cw = h * 4 // 3
        room = room.crop(((w - cw) // 2, 0, (w - cw) // 2 + cw, h))
    elif w * 3 < h * 4:
        ch = w * 3 // 4
        room = room.crop((0, (h - ch) // 2, w, (h - ch) // 2 + ch))
    img = room.resize(THUMB, Image.Resampling.LANCZOS)
    img = img.filter(ImageFilter.UnsharpMask(radius=1.0, percent=55, threshold=2))
    # a touch of warm varnish, dimmer corners
    P.multiply(img, (255, 246, 228), None, 0.6)
    P.vignette(img, 0.45, 0.4)
    # the frame's lip shades the painting's top and left edges a little
    tw, th = THUMB
    lip = Image.new("L", THUMB, 0)
    ImageDraw.Draw(lip).rectangle((0, 0, tw - 1, 1), fill=255)
    ImageDraw.Draw(lip).rectangle((0, 0, 1, th - 1), fill=255)
    P.multiply(img, (0, 0, 0), P.blur(lip, 1.6), 0.45)
    return img.convert("RGB")


def write_thumbnail(name, width=52):
    rel = "%s/%s.jpg" % (OUT_DIR, name)
    path = os.path.join(CONTENT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img = thumbnail(name)
    img.save(path, "JPEG", quality=JPEG_QUALITY, optimize=True)
    print("%-*s %4d x %-4d %8d bytes" % (width, rel, img.size[0], img.size[1], os.path.getsize(path)))


# ================================================================ the frame

SS = 4                                   # the frame's height field is worked out 4 times finer
LIGHT = (-0.5, -0.62, 0.6)               # from the top left, in front

GOLD_RAMP = [(0.0, (40, 22, 8)), (0.28, (104, 66, 22)), (0.52, (178, 128, 50)), (0.72, (222, 176, 88)),
             (0.88, (246, 216, 136)), (1.0, (255, 242, 192))]
BOLE_RAMP = [(0.0, (26, 10, 6)), (0.45, (86, 38, 22)), (0.8, (150, 92, 48)), (1.0, (196, 146, 80))]
WOOD_RAMP = [(0.0, (16, 8, 4)), (0.5, (52, 30, 16)), (1.0, (108, 70, 38))]
SIGHT_RAMP = [(0.0, (34, 20, 8)), (0.4, (92, 60, 22)), (0.75, (168, 122, 50)), (1.0, (232, 196, 120))]
GOLD, BOLE, WOOD, SIGHT = range(4)
RAMPS = [P.ramp(r) for r in (GOLD_RAMP, BOLE_RAMP, WOOD_RAMP, SIGHT_RAMP)]


def frac(x):
    return x - math.floor(x)


def profile(d, t):
    """Height and material of the moulding at d pixels in from the outer edge,
    t pixels along the side: a wood fillet, a twisted rope, a cove, a row of
    pearls and the sight edge falling to the picture."""
    if d < 1.0:
        return 0.6 + 0.6 * d, WOOD
    if d < 6.4:
        q = (d - 3.7) / 2.7
        dome = math.sqrt(max(0.0, 1.0 - q * q))
        # strands leaning across the rope, rounded, with grooves between them
        m = abs(frac((t - 0.9 * d) / 4.6) - 0.5) * 2.0
        strand = math.sqrt(max(0.0, 1.0 - m * m))
        return 1.2 + 3.0 * dome * (0.72 + 0.28 * strand), GOLD
    if d < 8.4:
        c = (d - 7.4) / 1.0
        return 1.0 + 0.5 * c * c, BOLE
    if d < 10.6:
        q = (d - 9.5) / 1.1
        m = (frac(t / 2.6) - 0.5) * 2.6 / 1.25
        return 1.5 + 1.2 * math.sqrt(max(0.0, 1.0 - q * q - m * m)), GOLD
    return 1.5 - 1.1 * (d - 10.6) / 1.4, SIGHT


def rosette(dx, dy):
    """Height and material of the carved rosette in a corner, or None outside it;
    dx, dy from its centre in pixels. A dark sunk ring sets it off the rope."""
    r = math.hypot(dx, dy) / 5.8
    if r >= 1.0:
        return None
    if r > 0.86:
        return 0.9, BOLE
    r /= 0.86
    a = math.atan2(dy, dx)
    petals = 0.4 + 0.6 * abs(math.cos(4.0 * a)) ** 0.5
    h = 1.0 + 3.8 * math.sqrt(1.0 - r * r) * (petals if r > 0.34 else 1.0)
    if r < 0.34:
        h += 1.2 * math.sqrt(1.0 - (r / 0.34) ** 2)
    return h, GOLD


def frame_heights():
    """Height and material of every fine sample (row by row); the window is 0, -1."""
    w, h = FRAME[0] * SS, FRAME[1] * SS
    fw, fh = FRAME
    heights = [0.0] * (w * h)
    materials = [-1] * (w * h)
    centres = [(6.0, 6.0), (fw - 6.0, 6.0), (6.0, fh - 6.0), (fw - 6.0, fh - 6.0)]
    for y in range(h):
        v = (y + 0.5) / SS
        for x in range(w):
            u = (x + 0.5) / SS
            if BORDER <= u <= fw - BORDER and BORDER <= v <= fh - BORDER:
                continue
            d = min(u, v, fw - u, fh - v)
            t = u if d in (v, fh - v) else v
            ht, mat = profile(d, t)
            if (u < BORDER or u > fw - BORDER) and (v < BORDER or v > fh - BORDER):
                cx, cy = min(centres, key=lambda c: abs(c[0] - u) + abs(c[1] - v))
                carved = rosette(u - cx, v - cy)
                if carved is not None:
                    ht, mat = carved
            heights[y * w + x] = ht
            materials[y * w + x] = mat
    return heights, materials


def shade_frame():
    """The frame lit from the top left, at the fine size (RGBA)."""
    w, h = FRAME[0] * SS, FRAME[1] * SS
    heights, materials = frame_heights()
    ln = math.sqrt(sum(c * c for c in LIGHT))
    lx, ly, lz = (c / ln for c in LIGHT)
    hx, hy, hz = lx, ly, lz + 1.0
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    hx, hy, hz = hx / hn, hy / hn, hz / hn
    k = SS / 2.0 * 0.7                    # slope per fine sample, a little softened
    out = bytearray(w * h * 4)
    for y in range(h):
        row = y * w
        up = row - w if y > 0 else None
        down = row + w if y < h - 1 else None
        for x in range(w):
            i = row + x
            mat = materials[i]
            if mat < 0:
                continue
            left = heights[i - 1] if x > 0 else 0.0
            right = heights[i + 1] if x < w - 1 else 0.0
            top = heights[up + x] if up is not None else 0.0
            bottom = heights[down + x] if down is not None else 0.0
            nx, ny = -(right - left) * k, -(bottom - top) * k
            nn = math.sqrt(nx * nx + ny * ny + 1.0)
            nx, ny, nz = nx / nn, ny / nn, 1.0 / nn
            diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
            shine = max(0.0, nx * hx + ny * hy + nz * hz) ** 28
            lum = min(1.0, 0.1 + 0.85 * diffuse + (0.35 * shine if mat in (GOLD, SIGHT) else 0.0))
            r, g, b = RAMPS[mat][int(lum * 255)]
            o = i * 4
            out[o:o + 4] = bytes((r, g, b, 255))
    return Image.frombytes("RGBA", (w, h), bytes(out))


@asset("Frame.png")
def frame():
    fw, fh = FRAME
    img = shade_frame().reduce(SS)
    window = P.rect_mask(FRAME, (BORDER, BORDER, fw - BORDER, fh - BORDER))
    border = P.invert(window)
    # worn gilt: fine mottling, and the corners a little darker with old polish
    grain = P.fbm(fw, fh, 7, ((6, 0.4), (2, 0.35), (1, 0.25)))
    P.soft_light(img, grain.point(lambda i: 108 + i // 6))
    P.multiply(img, (150, 120, 96), P.curve(P.radial_field(fw, fh, fw / 2, fh / 2, fw * 0.72, fh * 0.78),
                                            lambda t: max(0.0, t - 0.6) / 0.4), 0.5)
    # a thin dark line where the sight edge meets the picture
    line = P.mask_sub(P.rect_mask(FRAME, (BORDER - 1, BORDER - 1, fw - BORDER + 1, fh - BORDER + 1)), window)
    P.fill(img, (20, 10, 4, 150), line)
    img.putalpha(border)
    return img


# ================================================================ the layout file

def menu_xml():
    rows = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<FreeplayMenu imagePath="content/images/menus/freeplay/" frameTexture="Frame.png"'
            ' frameTextureOffsetX="-%d" frameTextureOffsetY="-%d">' % (BORDER, BORDER)]
    for name, key in SCENES:
        rows.append('  <Screen texture="%s.jpg" name="%s"/>' % (name, key))
    rows.append("</FreeplayMenu>")
    return "\n".join(rows) + "\n"


def write_menu_xml():
    path = os.path.join(CONTENT, MENU_XML)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(menu_xml())
    print("wrote content/" + MENU_XML)


# ================================================================ preview

def framed(name):
    """A thumbnail in its frame, as the game lays them (224 x 174 RGBA)."""
    img = Image.new("RGBA", FRAME, (0, 0, 0, 0))
    img.paste(load("%s/%s.jpg" % (OUT_DIR, name)), (BORDER, BORDER))
    img.alpha_composite(load(OUT_DIR + "/Frame.png"))
    return img


def preview(path, zoom_path):
    bg = load(OUT_DIR + "/Bg.png")
    empty = load(OUT_DIR + "/Empty.png")
    for n, (x, y) in enumerate(SLOTS):
        if n < len(SCENES):
            name = SCENES[n][0]
            bg.alpha_composite(load("%s/%s.jpg" % (OUT_DIR, name)), (x, y))
            bg.alpha_composite(load(OUT_DIR + "/Frame.png"), (x - BORDER, y - BORDER))
        else:
            bg.alpha_composite(empty, (x, y))
    bg.crop((20, 100, 1004, 582)).convert("RGB").save(path)
    big = framed(SCENES[0][0])
    big = big.resize((big.size[0] * 3, big.size[1] * 3), Image.Resampling.NEAREST)
    sheet = Image.new("RGBA", big.size, (40, 70, 74, 255))
    sheet.alpha_composite(big)
    sheet.convert("RGB").save(zoom_path)


# ================================================================ main

def main(argv=None):
    argv = sys.argv[1:] if argv is None else list(argv)
    ap = argparse.ArgumentParser(description=__doc__.strip().splitlines()[0])
    ap.add_argument("--only", action="append", default=[], metavar="SUBSTRING",
                    help="write only paths containing this text")
    ap.add_argument("--preview", action="store_true", help="also write %s, %s" % (PREVIEW, ZOOM))
    only = ap.parse_args(argv).only

    def wanted(rel):
        return not only or any(o in rel for o in only)

    # the thumbnails are JPEGs of their own quality, so they are written here, not by the registry
    for name, _ in SCENES:
        if wanted("%s/%s.jpg" % (OUT_DIR, name)):
            write_thumbnail(name)
    if wanted(MENU_XML):
        write_menu_xml()
    run(ASSETS, __doc__, preview, [PREVIEW, ZOOM], argv=argv)
    return 0


if __name__ == "__main__":
    sys.exit(main())
