#!/usr/bin/python3
"""Render sample text with the game's bitmap fonts, the way the engine does.

Reads only the .fnt files and their page PNGs. Per glyph: the rectangle is
drawn at (pen, lineTop + yoffset), then the pen moves by xadvance - xoffset;
before a glyph the kerning of (previous, current) is added when there is a
previous glyph. Text is UTF-8; a code without glyph (e.g. above 255) draws
nothing and breaks kerning, a line feed starts a new line.

Usage:
  /usr/bin/python3 tools/content/font_preview.py OUT.png [--text TEXT] [--guides] [FONT.fnt ...]
Without font files every .fnt in content/fonts is shown, one band per font.
With --guides the line top (teal) and baseline (red) of every line are drawn.
"""

import argparse
import glob
import os
import xml.etree.ElementTree as ET

from PIL import Image

SAMPLE = ("Lantern Inn: The Broken Locket \u2014 Zo\u00eb & M\u00fcller, Gr\u00f6\u00dfe, Caf\u00e9.\n"
          "AVATAR Wave To. Ta Te Ty Yo P. F, LT \u00bfQu\u00e9? jij \u00c5ngstr\u00f6m 0123456789")

PAPER = (242, 228, 196)     # parchment
INK = (90, 24, 30)          # burgundy


class BitmapFont:
    def __init__(self, path):
        root = ET.parse(path).getroot()
        folder = os.path.dirname(path)
        common = root.find("common")
        self.name = os.path.basename(path)
        self.line_height = int(common.get("lineHeight"))
        self.base = int(common.get("base", "0"))
        self.pages = [Image.open(os.path.join(folder, page.get("file")))
                      for page in root.find("pages").findall("page")]
        self.chars = {}
        for char in root.find("chars").findall("char"):
            record = {k: int(char.get(k)) for k in
                      ("id", "x", "y", "width", "height", "xoffset", "yoffset", "xadvance", "page")}
            self.chars[record["id"] & 0xFFFF] = record
        self.kerning = {}
        kernings = root.find("kernings")
        if kernings is not None:
            for pair in kernings.findall("kerning"):
                second = int(pair.get("second"))
                if second < 256:
                    self.kerning[(int(pair.get("first")), second)] = int(pair.get("amount"))

    def codes(self, text):
        return [ord(ch) for ch in text]

    def text_width(self, text):
        width, previous = 0, None
        for code in self.codes(text):
            if code in (10, 13):
                previous = None
                continue
            glyph = self.chars.get(code)
            if glyph is None:
                previous = None
                continue
            width += glyph["xadvance"] - glyph["xoffset"]
            if previous is not None:
                width += self.kerning.get((previous, code), 0)
            previous = code
        return width

    def draw(self, target, x, y, text, colour, guides=False):
        """Alpha-blend text onto the RGB image target; returns nothing."""
        solid = Image.new("RGB", (1, 1), colour)
        pen, line, previous = 0, 0, None
        if guides:
            self._guides(target, x, y + line)
        for code in self.codes(text):
            if code == 13:
                previous = None
                continue
            if code == 10:
                previous, pen = None, 0
                line += self.line_height
                if guides:
                    self._guides(target, x, y + line)
                continue
            glyph = self.chars.get(code)
            if glyph is None:
                previous = None
                continue
            if previous is not None:
                pen += self.kerning.get((previous, code), 0)
            if glyph["width"] > 0 and glyph["height"] > 0:
                gx, gy = glyph["x"], glyph["y"]
                mask = self.pages[glyph["page"]].convert("L").crop(
                    (gx, gy, gx + glyph["width"], gy + glyph["height"]))
                target.paste(solid.resize(mask.size), (x + pen, y + line + glyph["yoffset"]), mask)
            pen += glyph["xadvance"] - glyph["xoffset"]
            previous = code

    def _guides(self, target, x, top):
        width = target.size[0]
        for px in range(x, width):
            if 0 <= top < target.size[1]:
                target.putpixel((px, top), (120, 190, 190))
            if 0 <= top + self.base < target.size[1]:
                target.putpixel((px, top + self.base), (230, 120, 120))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_dir = os.path.normpath(os.path.join(here, "..", "..", "content", "fonts"))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("fonts", nargs="*")
    parser.add_argument("--text", default=SAMPLE)
    parser.add_argument("--guides", action="store_true")
    args = parser.parse_intermixed_args()
    paths = args.fonts or sorted(glob.glob(os.path.join(default_dir, "*.fnt")))
    fonts = [BitmapFont(path) for path in paths]
    text = args.text.replace("\\n", "\n")
    lines = text.split("\n")
    margin = 16
    fonts_label = None
    for font in fonts:
        if font.name.startswith("PH_small"):
            fonts_label = font
    width = margin * 2 + max(max(f.text_width(l) for l in lines) for f in fonts)
    bands = [f.line_height * len(lines) + margin + (fonts_label.line_height if fonts_label else 0)
             for f in fonts]
    image = Image.new("RGB", (width, sum(bands) + margin), PAPER)
    y = margin
    for font, band in zip(fonts, bands):
        if fonts_label:
            fonts_label.draw(image, margin, y, "%s  (lineHeight %d)" % (font.name, font.line_height),
                             (110, 110, 110))
            y += fonts_label.line_height
        font.draw(image, margin, y, text, INK, args.guides)
        y += band - (fonts_label.line_height if fonts_label else 0)
    image.save(args.out)
    print(args.out, image.size)


if __name__ == "__main__":
    main()
