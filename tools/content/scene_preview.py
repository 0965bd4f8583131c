#!/usr/bin/python3
"""Composes a hidden-object scene from its scene file, as the game draws it.

Usage: tools/content/scene_preview.py SCENE.xml OUT.png [--goals] [--dashboard]

Items are drawn in ascending layer, items of one layer in ascending index
(the position of the Item element in the file); each picture is placed at its
(x, y) and its colour and alpha are multiplied by R, G, B, A / 255. Pictures
are looked up in the scene file's folder.

--goals      outline every goal (typeIds 1-99 and the stacked kinds 201-205)
             and label it with its item index; objects in gold, coins and
             other stacked kinds in green
--dashboard  draw the find-list panel content/GUI/Dashboard.png over the
             bottom of the screen, with the places of the MENU and HINT buttons
"""

import argparse
import os
import sys
import xml.etree.ElementTree as ET

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
BUTTONS = ((0, 708), (123, 708))
BUTTON_SIZE = (128, 64)


def read_scene(path):
    root = ET.parse(path).getroot()
    if root.tag != "Scene":
        raise ValueError("%s: the root is <%s>, not <Scene>" % (path, root.tag))
    screen = root.find("Screen")
    size = (int(screen.get("width")), int(screen.get("height"))) if screen is not None else (1024, 768)
    items = []
    for index, e in enumerate(root.findall("Item")):
        items.append({
            "index": index, "name": e.get("name", ""), "image": e.get("image"),
            "layer": int(e.get("layer", "0")), "x": float(e.get("x", "0")), "y": float(e.get("y", "0")),
            "rgba": tuple(int(e.get(k, "255")) for k in "RGBA"), "typeId": int(e.get("typeId", "0")),
        })
    return size, items


def modulate(picture, rgba):
    if tuple(rgba) == (255, 255, 255, 255):
        return picture
    return Image.merge("RGBA", [band.point(lambda v, f=f: v * max(0, min(255, f)) // 255)
                                for band, f in zip(picture.split(), rgba)])


def is_goal(type_id):
    return 1 <= type_id <= 99 or 201 <= type_id <= 205


def compose(scene_path, goals=False, dashboard=False):
    size, items = read_scene(scene_path)
    folder = os.path.dirname(os.path.abspath(scene_path))
    canvas = Image.new("RGBA", size, (0, 0, 0, 255))
    placed = []
    for it in sorted(items, key=lambda i: (i["layer"], i["index"])):
        picture = Image.open(os.path.join(folder, it["image"])).convert("RGBA")
        picture = modulate(picture, it["rgba"])
        layer = Image.new("RGBA", size, (0, 0, 0, 0))
        xy = (int(round(it["x"])), int(round(it["y"])))
        layer.paste(picture, xy)
        canvas.alpha_composite(layer)
        placed.append((it, xy, picture))
    if dashboard:
        dash = Image.open(os.path.join(ROOT, "content", "GUI", "Dashboard.png")).convert("RGBA")
        canvas.alpha_composite(dash, (0, size[1] - dash.size[1]))
        d = ImageDraw.Draw(canvas)
        for x, y in BUTTONS:
            d.rounded_rectangle((x + 6, y + 10, x + BUTTON_SIZE[0] - 6, y + BUTTON_SIZE[1] - 14), 8,
                                outline=(200, 160, 90), width=2)
    if goals:
        d = ImageDraw.Draw(canvas)
        font = ImageFont.truetype(FONT, 12)
        for it, xy, picture in placed:
            if not is_goal(it["typeId"]):
                continue
            colour = (255, 214, 40) if it["typeId"] <= 99 else (80, 255, 120)
            a = picture.getchannel("A").point(lambda v: 255 if v >= 64 else 0)
            full = Image.new("L", size, 0)
            full.paste(a, xy)
            ring = ImageChops.subtract(full.filter(ImageFilter.MaxFilter(5)), full)
            canvas.paste(colour + (255,), (0, 0), ring)
            label = str(it["index"])
            tx, ty = xy[0] + picture.size[0] - 4, xy[1] - 8
            tw = d.textlength(label, font=font)
            d.rounded_rectangle((tx - 2, ty - 1, tx + tw + 2, ty + 13), 3, fill=(0, 0, 0, 200))
            d.text((tx, ty), label, fill=colour, font=font)
    return canvas.convert("RGB")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("scene", help="the scene file, e.g. content/scenes/Taproom/Taproom.xml")
    ap.add_argument("out", help="the PNG to write")
    ap.add_argument("--goals", action="store_true", help="outline the goals and label them with their index")
    ap.add_argument("--dashboard", action="store_true", help="draw the find-list panel at the bottom")
    args = ap.parse_args()
    compose(args.scene, args.goals, args.dashboard).save(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
