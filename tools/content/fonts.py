#!/usr/bin/python3
"""Generate the game's bitmap fonts (BMFont XML + 8-bit page PNGs).

Source faces are Debian's DejaVu TrueType fonts. Output goes to content/fonts/:
for every font one <name>.fnt and its pages <name>_0.png, <name>_1.png, ...

Usage:  /usr/bin/python3 tools/content/fonts.py [output-dir]

How the engine places a glyph (and therefore what this generator writes):
the glyph rectangle is drawn with its left edge at the pen position and its
top at lineTop + yoffset; afterwards the pen moves by xadvance - xoffset, and
before a glyph the pen moves by kerning(previous, current). xoffset is never
added to the position, so every glyph here has xoffset 0 and its rectangle
starts at the pen origin, the left side bearing being transparent columns.

Ink left of the origin: a column there that holds less than half a pixel of
coverage in total (the faint antialiasing fringe of the feet of serif 'A',
'V', 'y', ...) is dropped. Real ink (the hooks of 'j' and 'J', Sans accents
of 'ì', 'ï', ...) is neither clipped nor shifted: the rectangle starts at the
leftmost kept column (bearing b < 0), xadvance is widened by -b, and every
kerning pair that ends in that glyph, from every first glyph, is made b
pixels tighter. Behind any previous glyph the ink thus lands exactly where
the face puts it and the following glyph keeps its place; only at the start
of a line (no previous glyph) the glyph's ink sits at the pen, -b pixels
right of its true spot, like left-aligned ink.

Deterministic: the same system fonts and Pillow give byte-identical files.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont, features

FACE_DIR = "/usr/share/fonts/truetype/dejavu/"

# (file stem, face file, pixel size, bold flag)
FONTS = [
    ("CheltenhamBT28", "DejaVuSerif.ttf", 28, 0),
    ("CheltenhamBT22", "DejaVuSerif.ttf", 22, 0),
    ("CheltenhamBT20", "DejaVuSerif.ttf", 20, 0),
    ("CheltenhamBT16", "DejaVuSerif.ttf", 16, 0),
    ("TimesNewRoman17B", "DejaVuSerif-Bold.ttf", 17, 1),
    ("PH_big", "DejaVuSans.ttf", 36, 0),
    ("PH_medium", "DejaVuSans.ttf", 24, 0),
    ("PH_small", "DejaVuSans.ttf", 16, 0),
]

# Printable Latin-1; codes are Unicode code points (0..255).
CODES = list(range(32, 127)) + list(range(160, 256))
BLANKS = {32, 160}          # glyphs with an advance but no ink
SOFT_HYPHEN = 173           # invisible inside a line: no ink, no advance
KERN_CODES = [c for c in CODES if c not in BLANKS and c != SOFT_HYPHEN]

DUST = 128                  # a bearing column with less ink than this is dropped
SPACING = 2                 # free pixels between packed rectangles
PAGE_SIZES = (128, 256, 512)  # square pages; several 512 pages if one is not enough

# Kerning is measured with HarfBuzz (Pillow's raqm layout) as the difference
# between a pair laid out with and without the 'kern' feature; ligatures are
# off in both so that a pair stays two glyphs, as it is in the engine.
KERN_ON = ["kern", "-liga", "-clig", "-dlig"]
KERN_OFF = ["-kern", "-liga", "-clig", "-dlig"]


def round_half_up(value):
    return int(math.floor(value + 0.5))


def column_ink(image, x, box):
    """Total coverage (0..255 per pixel) of column x inside box's rows."""
    return sum(image.crop((x, box[1], x + 1, box[3])).getdata())


def render_glyphs(face, size):
    """Render every code; returns (font, ascent, descent, glyphs by code).

    A glyph is a dict with the cropped image (or None), bearing (<= 0, the
    leftmost ink column relative to the origin, 0 when the ink starts right
    of it), yoffset and the rounded advance.
    """
    font = ImageFont.truetype(face, size, layout_engine=ImageFont.Layout.BASIC)
    ascent, descent = font.getmetrics()
    margin = size * 2
    glyphs = {}
    for code in CODES:
        ch = chr(code)
        advance = round_half_up(font.getlength(ch))
        if code == SOFT_HYPHEN:
            advance = 0
        glyph = {"image": None, "bearing": 0, "yoffset": 0, "advance": advance}
        if code not in BLANKS and code != SOFT_HYPHEN:
            canvas = Image.new("L", (advance + 3 * margin, ascent + descent + 2 * margin), 0)
            ImageDraw.Draw(canvas).text((margin, margin), ch, font=font, fill=255)
            box = canvas.getbbox()
            if box is None:
                raise SystemExit("no ink for U+%04X in %s" % (code, face))
            left = min(box[0], margin)
            # Antialiasing dust left of the origin (a column holding less
            # than half a pixel of coverage) is dropped rather than carried.
            while left < margin and column_ink(canvas, left, box) < DUST:
                left += 1
            glyph["image"] = canvas.crop((left, box[1], box[2], box[3]))
            glyph["bearing"] = left - margin
            glyph["yoffset"] = box[1] - margin
        glyphs[code] = glyph
    return font, ascent, descent, glyphs


def measure_kerning(face, size):
    """Kerning amounts in whole pixels, {(first, second): amount}, non-zero only."""
    font = ImageFont.truetype(face, size, layout_engine=ImageFont.Layout.RAQM)
    pairs = {}
    for first in KERN_CODES:
        a = chr(first)
        for second in KERN_CODES:
            text = a + chr(second)
            delta = font.getlength(text, features=KERN_ON) - font.getlength(text, features=KERN_OFF)
            amount = round_half_up(delta)
            if amount:
                pairs[(first, second)] = amount
    return pairs


def pack(sizes, page_size):
    """Shelf-pack rectangles {code: (w, h)} into square pages of page_size.

    Returns {code: (page, x, y)} and the page count.
    """
    order = sorted(sizes, key=lambda c: (-sizes[c][1], -sizes[c][0], c))
    placed = {}
    page, x, y, shelf = 0, 0, 0, 0
    for code in order:
        w, h = sizes[code]
        if w > page_size or h > page_size:
            return None, 0
        if x + w > page_size:
            x, y, shelf = 0, y + shelf + SPACING, 0
        if y + h > page_size:
            page, x, y, shelf = page + 1, 0, 0, 0
        placed[code] = (page, x, y)
        x += w + SPACING
        shelf = max(shelf, h)
    return placed, page + 1


def choose_layout(sizes):
    for page_size in PAGE_SIZES:
        placed, pages = pack(sizes, page_size)
        if placed is not None and pages == 1:
            return page_size, placed, pages
    page_size = PAGE_SIZES[-1]
    placed, pages = pack(sizes, page_size)
    if placed is None:
        raise SystemExit("a glyph does not fit on a %d page" % page_size)
    return page_size, placed, pages


def build_font(out_dir, stem, face_file, size, bold):
    face = os.path.join(FACE_DIR, face_file)
    font, ascent, descent, glyphs = render_glyphs(face, size)
    kerning = measure_kerning(face, size)

    # Ink left of the origin: tighten every pair that ends in that glyph so
    # the ink lands where the face puts it (see the module comment).
    for second, glyph in glyphs.items():
        if glyph["bearing"] < 0:
            for first in CODES:
                amount = kerning.get((first, second), 0) + glyph["bearing"]
                kerning[(first, second)] = amount
    kerning = {pair: amount for pair, amount in kerning.items() if amount}

    inked = {c: g["image"].size for c, g in glyphs.items() if g["image"] is not None}
    page_size, placed, page_count = choose_layout(inked)

    pages = [Image.new("L", (page_size, page_size), 0) for _ in range(page_count)]
    for code, (page, x, y) in placed.items():
        pages[page].paste(glyphs[code]["image"], (x, y))
    page_files = []
    for index, image in enumerate(pages):
        name = "%s_%d.png" % (stem, index)
        image.save(os.path.join(out_dir, name), optimize=True)
        page_files.append(name)

    family = font.getname()[0]
    line_height = ascent + descent
    lines = ['<?xml version="1.0"?>', "<font>"]
    lines.append(
        '  <info face="%s" size="%d" bold="%d" italic="0" charset="" unicode="1" '
        'stretchH="100" smooth="1" aa="1" padding="0,0,0,0" spacing="%d,%d"/>'
        % (family, size, bold, SPACING, SPACING))
    lines.append(
        '  <common lineHeight="%d" base="%d" scaleW="%d" scaleH="%d" pages="%d" packed="0"/>'
        % (line_height, ascent, page_size, page_size, page_count))
    lines.append("  <pages>")
    for index, name in enumerate(page_files):
        lines.append('    <page id="%d" file="%s"/>' % (index, name))
    lines.append("  </pages>")
    lines.append('  <chars count="%d">' % len(CODES))
    for code in CODES:
        glyph = glyphs[code]
        if glyph["image"] is None:
            page, x, y, w, h = 0, 0, 0, 0, 0
        else:
            page, x, y = placed[code]
            w, h = glyph["image"].size
        xadvance = glyph["advance"] - glyph["bearing"]
        lines.append(
            '    <char id="%d" x="%d" y="%d" width="%d" height="%d" xoffset="0" '
            'yoffset="%d" xadvance="%d" page="%d" chnl="15"/>'
            % (code, x, y, w, h, glyph["yoffset"], xadvance, page))
    lines.append("  </chars>")
    lines.append('  <kernings count="%d">' % len(kerning))
    for (first, second) in sorted(kerning):
        lines.append('    <kerning first="%d" second="%d" amount="%d"/>'
                     % (first, second, kerning[(first, second)]))
    lines.append("  </kernings>")
    lines.append("</font>")
    with open(os.path.join(out_dir, stem + ".fnt"), "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    return line_height, page_size, page_count, len(kerning)


def main():
    if not features.check("raqm"):
        raise SystemExit("Pillow without raqm: kerning cannot be measured")
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "content", "fonts"))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else default_out
    os.makedirs(out_dir, exist_ok=True)
    # Remove pages of an earlier run that may have needed more of them.
    stems = {stem for stem, _, _, _ in FONTS}
    for name in sorted(os.listdir(out_dir)):
        base, ext = os.path.splitext(name)
        if ext == ".png" and base.rpartition("_")[0] in stems:
            os.remove(os.path.join(out_dir, name))
    for stem, face_file, size, bold in FONTS:
        line_height, page_size, page_count, pairs = build_font(out_dir, stem, face_file, size, bold)
        print("%-18s lineHeight %2d, %d page(s) of %d, %d kerning pairs"
              % (stem, line_height, page_count, page_size, pairs))


if __name__ == "__main__":
    main()
