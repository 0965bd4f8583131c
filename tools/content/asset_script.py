#!/usr/bin/python3
"""The command line shared by the picture generators: a registry of the pictures a
script paints and run(), its main().

    ASSETS = Assets("images/minigames/screen15")
    asset = ASSETS.add

    @asset("Bg.png")
    def background():
        return ...                    # a PIL image

    if __name__ == "__main__":
        run(ASSETS, __doc__, preview, ["/tmp/x_preview.png"])

run() understands --only SUBSTRING (repeatable: paint only the paths containing
one of them) and --preview (then call preview(*paths), which writes those files;
paths inside content/ are refused). Pictures are written with paint.save.
"""

import argparse
import os
import sys

from PIL import Image

sys.dont_write_bytecode = True  # no __pycache__ beside the generators
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import paint as P  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CONTENT = os.path.join(ROOT, "content")


class Assets:
    """Pictures by their path under content/, in the order they were added, each with
    the function that paints it (no arguments, returns a PIL image)."""

    def __init__(self, folder=""):
        self.folder = folder
        self.items = []

    def add(self, name):
        """Decorator: fn paints folder/name."""
        path = self.folder + "/" + name if self.folder else name

        def register(fn):
            if any(p == path for p, _ in self.items):
                raise ValueError("painted twice: " + path)
            self.items.append((path, fn))
            return fn
        return register

    def __iter__(self):
        return iter(self.items)

    def matching(self, only):
        """The (path, painter) pairs whose path contains one of the texts in only (all if empty)."""
        return [(p, fn) for p, fn in self.items if not only or any(o in p for o in only)]


def in_content(path):
    """True when path lies inside the repository's content/ folder."""
    path = os.path.abspath(path)
    return os.path.commonpath([path, CONTENT]) == CONTENT


def load(rel):
    """A painted picture from content/ as RGBA."""
    path = os.path.join(CONTENT, rel)
    if not os.path.exists(path):
        sys.exit("paint %s first" % rel)
    return Image.open(path).convert("RGBA")


def paint_all(assets, only=(), width=52):
    """Paint and save the matching assets under content/, one line per file."""
    chosen = assets.matching(only)
    for n, (rel, fn) in enumerate(chosen, 1):
        img = fn()
        path = os.path.join(CONTENT, rel)
        P.save(img, path)
        print("%-*s %4d x %-4d %8d bytes (%d/%d)" % (width, rel, img.size[0], img.size[1], os.path.getsize(path),
                                                     n, len(chosen)), flush=True)


def run(assets, doc, preview=None, preview_paths=(), width=52, argv=None):
    """main() of a generator: doc's first line describes it; width pads the path column."""
    ap = argparse.ArgumentParser(description=doc.strip().splitlines()[0])
    ap.add_argument("--only", action="append", default=[], metavar="SUBSTRING",
                    help="paint only paths containing this text")
    if preview is not None:
        ap.add_argument("--preview", action="store_true", help="also write " + ", ".join(preview_paths))
    args = ap.parse_args(argv)
    wants_preview = getattr(args, "preview", False)
    if wants_preview:
        for path in preview_paths:
            if in_content(path):
                sys.exit("the preview %s does not belong in content/" % path)
    paint_all(assets, args.only, width)
    if wants_preview:
        preview(*preview_paths)
        print("preview: " + ", ".join(preview_paths))
