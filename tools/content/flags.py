#!/usr/bin/python3
"""Paints the small language flags that config.xml names for each language."""

import os
import sys

from PIL import Image, ImageDraw, ImageFilter

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT = os.path.join(ROOT, "content", "images", "menus", "flags")
WIDTH, HEIGHT = 48, 32


def union_jack(draw):
    blue, red, white = (1, 33, 105), (200, 16, 46), (255, 255, 255)
    draw.rectangle([0, 0, WIDTH, HEIGHT], fill=blue)
    for width, colour in ((8, white), (3, red)):
        draw.line([0, 0, WIDTH, HEIGHT], fill=colour, width=width)
        draw.line([0, HEIGHT, WIDTH, 0], fill=colour, width=width)
    draw.rectangle([WIDTH // 2 - 5, 0, WIDTH // 2 + 5, HEIGHT], fill=white)
    draw.rectangle([0, HEIGHT // 2 - 5, WIDTH, HEIGHT // 2 + 5], fill=white)
    draw.rectangle([WIDTH // 2 - 3, 0, WIDTH // 2 + 3, HEIGHT], fill=red)
    draw.rectangle([0, HEIGHT // 2 - 3, WIDTH, HEIGHT // 2 + 3], fill=red)


def tricolour(draw):
    for i, colour in enumerate(((20, 20, 20), (221, 0, 0), (255, 206, 0))):
        draw.rectangle([0, i * HEIGHT // 3, WIDTH, (i + 1) * HEIGHT // 3], fill=colour)


def flag(painter):
    face = Image.new("RGB", (WIDTH, HEIGHT))
    painter(ImageDraw.Draw(face))
    # A soft light from the upper left, as if printed on parchment.
    light = Image.linear_gradient("L").rotate(45, expand=False).resize((WIDTH, HEIGHT))
    face = Image.composite(face, Image.blend(face, Image.new("RGB", face.size, (0, 0, 0)), 0.25),
                           light.point(lambda v: 255 - v // 2))
    picture = Image.new("RGBA", (WIDTH + 4, HEIGHT + 4), (0, 0, 0, 0))
    shadow = Image.new("RGBA", picture.size, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).rectangle([3, 3, WIDTH + 2, HEIGHT + 2], fill=(40, 20, 10, 140))
    picture.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(1)))
    picture.paste(face, (1, 1))
    ImageDraw.Draw(picture).rectangle([1, 1, WIDTH, HEIGHT], outline=(190, 150, 70))
    return picture


def main():
    os.makedirs(OUT, exist_ok=True)
    for code, painter in (("EN", union_jack), ("DE", tricolour)):
        path = os.path.join(OUT, code + ".png")
        flag(painter).save(path, optimize=True)
        print("wrote", os.path.relpath(path, ROOT))
    return 0


if __name__ == "__main__":
    sys.exit(main())
