#!/usr/bin/python3
"""Play a keyframe animation file the way the engine's AnimationPlayer does and
draw it as a strip of frames.

What is reproduced, step for step:
- reading: the root element is the Scene (name, loop, length); every Object
  (file, type) and its KeyFrames (TimeStamp, TypeInterpolator, Type; image
  keyframes also x, y, z, ScaleX, ScaleY, Angle, Red, Green, Blue, Alpha);
  a missing attribute reads as 0; a second keyframe with the same time stamp
  is dropped; Angle is stored negated; elements are sorted by int(z), stably;
  pictures are found relative to the animation file's folder;
- building: per element a sequence of [setters of the first keyframe's values]
  [one parallel of linear tweens per pair of consecutive image keyframes]
  [a delay of length - last time stamp, when that is not 0], looped when the
  scene loops. Only properties that change by more than 0.01 get a tween;
  alpha always gets one; z is never tweened;
- stepping: the Tiny action rules, fed a fixed number of milliseconds per
  update (16 by default, the frame loop's cap). A sequence moves on to its
  next child one update after the previous child has finished, and a parallel
  notices that its children are done one update late, so every keyframe adds
  two updates of standstill: the real playback is longer than the time stamps
  say. The animation reports "finished" when the tree of the last element in
  drawing order has finished;
- drawing: translate(x + pivotX, y + pivotY), rotate(stored angle) with y
  pointing down (a positive file Angle turns the picture counter-clockwise on
  screen), scale(ScaleX / 100, ScaleY / 100), translate(-pivotX, -pivotY),
  picture at (0, 0) tinted by int(Red, Green, Blue, Alpha).

Usage:
  /usr/bin/python3 tools/content/anim_preview.py ANIM.xml [-o OUT.png]
      [--step MS] [--every MS] [--columns N] [--cell PX] [--ideal]

Prints the timeline (element, update count at which its tree finished, values
after the last update) and writes the strip (default /tmp/anim_<name>.png):
one cell every --every ms of playback, plus the frame after "finished". The
dashed rectangle is (0, 0, Screen Width, Screen Height), i.e. where a picture
of that size rests. --ideal samples the keyframes by their time stamps instead
(no update overhead), to judge the intended motion.
"""

import argparse
import math
import os
import sys
import xml.etree.ElementTree as ET

import numpy as np
from PIL import Image, ImageDraw, ImageFont

PROPS = ("x", "y", "z", "angle", "sx", "sy", "r", "g", "b", "a")
TWEENED = ("x", "y", "angle", "sx", "sy", "r", "g", "b")   # alpha is added always
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


# ---------------------------------------------------------------- reading

def num(el, name, integer=False):
    text = el.get(name)
    if text is None:
        return 0
    try:
        return int(float(text)) if integer else float(text)
    except ValueError:
        return 0


class KeyFrame:
    def __init__(self, el):
        self.time = num(el, "TimeStamp", True)
        self.kind = num(el, "Type", True)
        self.values = None
        if self.kind == 0:
            self.values = {
                "x": num(el, "x"), "y": num(el, "y"), "z": num(el, "z"),
                "sx": num(el, "ScaleX"), "sy": num(el, "ScaleY"),
                "angle": -num(el, "Angle"),
                "r": num(el, "Red", True), "g": num(el, "Green", True),
                "b": num(el, "Blue", True), "a": num(el, "Alpha", True),
            }


class Element:
    def __init__(self, el, folder, notes):
        self.file = el.get("file", "")
        self.type = num(el, "type", True)
        self.keys = {}
        for k in el.findall("KeyFrame"):
            kf = KeyFrame(k)
            if kf.time in self.keys:
                notes.append("%s: second keyframe at %d ms dropped" % (self.file, kf.time))
                continue
            self.keys[kf.time] = kf
        self.times = sorted(self.keys)
        self.last_time = self.times[-1] if self.times else 0
        self.texture = None
        if self.type == 0:
            path = folder + self.file
            if os.path.exists(path):
                self.texture = Image.open(path).convert("RGBA")
            else:
                notes.append("%s: picture not found (%s)" % (self.file, path))
        w, h = self.texture.size if self.texture else (0, 0)
        self.pivot = (w / 2.0, h / 2.0)
        self.v = dict.fromkeys(PROPS, 0.0)
        self.reset()

    def first(self):
        # the keyframe "after -2": time stamps below -1 are never reached
        for t in self.times:
            if t >= -1:
                return self.keys[t]
        return None

    def reset(self):
        f = self.first()
        if f is not None and f.values:
            self.v.update(f.values)


def load(path):
    notes = []
    root = ET.parse(path).getroot()
    scene = root
    screen = scene.find("Screen")
    anim = {
        "name": scene.get("name", "anim noname"),
        "loop": num(scene, "loop", True) != 0,
        "length": num(scene, "length", True),
        "width": num(screen, "Width", True) if screen is not None else 0,
        "height": num(screen, "Height", True) if screen is not None else 0,
        "notes": notes,
    }
    folder = path[:path.rfind("/") + 1] if "/" in path else ""
    elements = [Element(o, folder, notes) for o in scene.findall("Object")]
    # stable sort by the integer part of z: lower z is drawn first
    order = sorted(range(len(elements)), key=lambda i: (int(elements[i].v["z"]), i))
    anim["elements"] = [elements[i] for i in order]
    for e in anim["elements"]:
        f = e.first()
        if f is not None and f.time != 0:
            notes.append("%s: first keyframe at %d ms; playback starts it at 0 anyway" % (e.file, f.time))
        if e.last_time > anim["length"]:
            notes.append("%s: keyframe at %d ms beyond the scene length %d" % (e.file, e.last_time, anim["length"]))
    return anim


# ---------------------------------------------------------------- Tiny actions

class Action:
    def __init__(self):
        self.listener = None
        self.index = -1
        self.running = False

    def start(self, listener, index):
        self.listener, self.index, self.running = listener, index, True

    def finish(self):
        self.running = False
        if self.listener is not None:
            self.listener.action_finished(self.index)

    def update(self, ms):
        pass


class Setter(Action):
    def __init__(self, target, key, value):
        super().__init__()
        self.target, self.key, self.value = target, key, value

    def start(self, listener, index):
        super().start(listener, index)
        self.target[self.key] = self.value

    def update(self, ms):
        if self.running:
            self.finish()


class RelIncrementator(Action):
    def __init__(self, length, target, key, amount):
        super().__init__()
        self.length, self.target, self.key, self.amount = length, target, key, amount

    def start(self, listener, index):
        self.elapsed = 0
        self.begin = self.target[self.key]
        super().start(listener, index)
        if self.length > 0:
            self.inv = np.float32(1.0) / np.float32(self.length)
        else:
            self.finish()

    def update(self, ms):
        if not self.running:
            return
        self.elapsed += ms
        self.target[self.key] = float(np.float32(self.inv * np.float32(self.elapsed) * np.float32(self.amount)
                                                 + np.float32(self.begin)))
        if self.elapsed >= self.length:
            self.target[self.key] = float(np.float32(self.begin) + np.float32(self.amount))
            self.finish()


class Delay(Action):
    def __init__(self, length):
        super().__init__()
        self.length = length

    def start(self, listener, index):
        self.elapsed = 0
        super().start(listener, index)

    def update(self, ms):
        self.elapsed += ms
        if self.running and self.elapsed >= self.length:
            self.finish()


class Sequence(Action):
    def __init__(self):
        super().__init__()
        self.children = []

    def action_finished(self, index):
        pass

    def start(self, listener, index):
        self.current = 0
        super().start(listener, index)
        if self.children:
            self.children[0].start(self, 0)
        else:
            self.finish()

    def update(self, ms):
        if not self.running:
            return
        if self.children[self.current].running:
            self.children[self.current].update(ms)
        else:
            self.current += 1
            if self.current < len(self.children):
                self.children[self.current].start(self, self.current)
            else:
                self.finish()


class Parallel(Action):
    def __init__(self):
        super().__init__()
        self.children = []

    def action_finished(self, index):
        pass

    def start(self, listener, index):
        super().start(listener, index)
        for i, c in enumerate(self.children):
            c.start(self, i)
        if not self.children:
            self.finish()

    def update(self, ms):
        if not self.running:
            return
        alive = 0
        for c in self.children:
            if c.running:
                c.update(ms)
                alive += 1
        if alive == 0:
            self.finish()


class Loop(Action):
    def __init__(self, child, count):
        super().__init__()
        self.child, self.count, self.done = child, count, 0

    def start(self, listener, index):
        self.child.start(self, -1)
        super().start(listener, index)
        self.done = 0

    def action_finished(self, index):
        if self.count != -1:
            self.done += 1
        if self.count == -1 or self.done < self.count:
            self.child.start(self, -1)
        else:
            self.finish()

    def update(self, ms):
        if self.running:
            self.child.update(ms)


def build(anim, e, z_offset=0):
    root = Sequence()
    keys = [e.keys[t] for t in e.times if t >= -1]
    if not keys:
        return root
    f = keys[0]
    if f.values:
        p = Parallel()
        for key in PROPS:
            p.children.append(Setter(e.v, key, f.values[key] + (z_offset if key == "z" else 0)))
        root.children.append(p)
    for k, n in zip(keys, keys[1:] + [None]):
        if n is None:
            remaining = anim["length"] - k.time
            if remaining != 0:
                root.children.append(Delay(remaining))
            break
        if k.values and n.values:
            dt = n.time - k.time
            p = Parallel()
            for key in TWEENED:
                d = n.values[key] - k.values[key]
                if abs(d) > 0.01:
                    p.children.append(RelIncrementator(dt, e.v, key, d))
            p.children.append(RelIncrementator(dt, e.v, "a", n.values["a"] - k.values["a"]))
            root.children.append(p)
    return Loop(root, -1) if anim["loop"] else root


class Player:
    """One animation played from update 0; records when each tree finishes."""

    def __init__(self, anim):
        self.anim = anim
        self.trees = [build(anim, e) for e in anim["elements"]]
        self.finished_at = [None] * len(self.trees)
        self.updates = 0
        self.reported = None
        for i, t in enumerate(self.trees):
            t.start(self, i)

    def action_finished(self, index):
        self.finished_at[index] = self.updates
        if index == len(self.trees) - 1 and self.reported is None:
            self.reported = self.updates

    def update(self, ms):
        self.updates += 1
        for t in self.trees:
            t.update(ms)


def ideal_values(anim, e, t):
    """Values at nominal time t, straight from the keyframes."""
    keys = [e.keys[s] for s in e.times if s >= -1 and e.keys[s].values]
    if not keys:
        return dict(e.v)
    base = keys[0].time
    t = t + base
    if t <= keys[0].time:
        return dict(keys[0].values)
    for k, n in zip(keys, keys[1:]):
        if t <= n.time:
            u = (t - k.time) / float(n.time - k.time)
            out = {p: k.values[p] + (n.values[p] - k.values[p]) * u for p in PROPS}
            out["z"] = keys[0].values["z"]
            return out
    out = dict(keys[-1].values)
    out["z"] = keys[0].values["z"]
    return out


# ---------------------------------------------------------------- drawing

def matrix(e, v, k, ox, oy):
    """Affine map picture -> strip cell (k: cell scale, (ox, oy): cell origin in animation space)."""
    px, py = e.pivot
    a = math.radians(v["angle"])
    c, s = math.cos(a), math.sin(a)
    sx, sy = v["sx"] * 0.01, v["sy"] * 0.01
    # T(x+px, y+py) R(a) S(sx, sy) T(-px, -py), then the cell's own offset and scale
    m = np.array([[c * sx, -s * sy, 0.0], [s * sx, c * sy, 0.0], [0.0, 0.0, 1.0]])
    m = m @ np.array([[1, 0, -px], [0, 1, -py], [0, 0, 1.0]])
    m = np.array([[1, 0, v["x"] + px], [0, 1, v["y"] + py], [0, 0, 1.0]]) @ m
    m = np.array([[k, 0, -ox * k], [0, k, -oy * k], [0, 0, 1.0]]) @ m
    return m


def corners(e, v):
    w, h = e.texture.size
    m = matrix(e, v, 1.0, 0, 0)
    pts = [m @ np.array([u, t, 1.0]) for u, t in ((0, 0), (w, 0), (0, h), (w, h))]
    return [(p[0], p[1]) for p in pts]


def tinted(tex, v):
    col = [max(0, min(255, int(v[c]))) for c in ("r", "g", "b", "a")]
    if col == [255, 255, 255, 255]:
        return tex
    arr = np.asarray(tex, dtype=np.float32) * (np.array(col, dtype=np.float32) / 255.0)
    return Image.fromarray(np.clip(arr + 0.5, 0, 255).astype(np.uint8), "RGBA")


def draw_frame(anim, values, box, k, label, checker=True):
    x0, y0, x1, y1 = box
    w, h = int(math.ceil((x1 - x0) * k)), int(math.ceil((y1 - y0) * k))
    cell = Image.new("RGBA", (w, h), (112, 112, 112, 255))
    if checker:
        d = ImageDraw.Draw(cell)
        step = 12
        for yy in range(0, h, step):
            for xx in range(0, w, step):
                if (xx // step + yy // step) % 2:
                    d.rectangle((xx, yy, xx + step - 1, yy + step - 1), fill=(124, 124, 124, 255))
    for e, v in zip(anim["elements"], values):
        if e.type != 0 or e.texture is None:
            continue
        m = matrix(e, v, k, x0, y0)
        inv = np.linalg.inv(m)
        layer = tinted(e.texture, v).transform((w, h), Image.Transform.AFFINE,
                                                tuple(inv[0]) + tuple(inv[1]), Image.Resampling.BILINEAR)
        cell.alpha_composite(layer)
    d = ImageDraw.Draw(cell)
    if anim["width"] > 0 and anim["height"] > 0:
        rx0, ry0 = (0 - x0) * k, (0 - y0) * k
        rx1, ry1 = (anim["width"] - x0) * k, (anim["height"] - y0) * k
        dash = 5
        for xx in range(int(rx0), int(rx1), dash * 2):
            d.line((xx, ry0, min(xx + dash, rx1), ry0), fill=(40, 200, 220, 255))
            d.line((xx, ry1, min(xx + dash, rx1), ry1), fill=(40, 200, 220, 255))
        for yy in range(int(ry0), int(ry1), dash * 2):
            d.line((rx0, yy, rx0, min(yy + dash, ry1)), fill=(40, 200, 220, 255))
            d.line((rx1, yy, rx1, min(yy + dash, ry1)), fill=(40, 200, 220, 255))
    d.text((4, 3), label, fill=(255, 255, 255, 255), font=ImageFont.truetype(LABEL_FONT, 12),
           stroke_width=2, stroke_fill=(0, 0, 0, 255))
    return cell


# ---------------------------------------------------------------- main

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("anim")
    ap.add_argument("-o", "--out")
    ap.add_argument("--step", type=int, default=16, help="milliseconds per update (default 16)")
    ap.add_argument("--every", type=int, default=40, help="milliseconds between strip cells (default 40)")
    ap.add_argument("--columns", type=int, default=6)
    ap.add_argument("--cell", type=int, default=260, help="largest cell width in pixels")
    ap.add_argument("--ideal", action="store_true", help="sample by time stamps, without update overhead")
    ap.add_argument("--max-ms", type=int, default=10000, help="stop a looping animation after this")
    args = ap.parse_args()

    anim = load(args.anim)
    print("%s: name %r, loop %d, length %d ms, screen %dx%d, %d objects"
          % (args.anim, anim["name"], anim["loop"], anim["length"], anim["width"], anim["height"],
             len(anim["elements"])))
    for n in anim["notes"]:
        print("  note:", n)

    samples = []   # (label, [values per element])
    if args.ideal:
        t = 0
        end = max([anim["length"]] + [e.last_time for e in anim["elements"]])
        while True:
            samples.append(("%d ms" % t, [ideal_values(anim, e, t) for e in anim["elements"]]))
            if t >= end:
                break
            t = min(end, t + args.every)
    else:
        player = Player(anim)
        next_sample = 0
        while True:
            now = player.updates * args.step
            if now >= next_sample:
                samples.append(("%d ms" % now, [dict(e.v) for e in anim["elements"]]))
                next_sample += args.every
            if player.reported is not None or now >= args.max_ms:
                break
            player.update(args.step)
        if player.reported is not None:
            done = player.reported * args.step
            samples.append(("end %d ms" % done, [dict(e.v) for e in anim["elements"]]))
            print("  finished after %d updates of %d ms = %d ms (time stamps say %d ms)"
                  % (player.reported, args.step, done, anim["length"]))
        else:
            print("  not finished after %d ms" % (player.updates * args.step))
        late = [i for i, f in enumerate(player.finished_at) if f is None or
                (player.reported is not None and f > player.reported)]
        if late and player.reported is not None:
            print("  note: still running when finished is reported:",
                  ", ".join("%s#%d" % (anim["elements"][i].file, i) for i in late))

    print("  %-3s %-34s %5s %5s  final values" % ("#", "object", "keys", "upd"))
    for i, e in enumerate(anim["elements"]):
        v = samples[-1][1][i]
        fin = "-" if args.ideal else str(player.finished_at[i])
        print("  %-3d %-34s %5d %5s  x %.2f y %.2f z %.0f scale %.2f/%.2f angle %.2f rgba %d,%d,%d,%d"
              % (i, e.file[-34:], len(e.times), fin, v["x"], v["y"], v["z"], v["sx"], v["sy"], -v["angle"] + 0.0,
                 int(v["r"]), int(v["g"]), int(v["b"]), int(v["a"])))

    # the area to show: the Screen box and everything visible at any sample
    xs, ys = [0.0, float(anim["width"])], [0.0, float(anim["height"])]
    for _, vals in samples:
        for e, v in zip(anim["elements"], vals):
            if e.texture is not None and v["a"] >= 1:
                for cx, cy in corners(e, v):
                    xs.append(cx)
                    ys.append(cy)
    margin = 10
    box = (math.floor(min(xs)) - margin, math.floor(min(ys)) - margin,
           math.ceil(max(xs)) + margin, math.ceil(max(ys)) + margin)
    k = min(1.0, args.cell / float(box[2] - box[0]))
    cells = [draw_frame(anim, vals, box, k, label) for label, vals in samples]
    cw, ch = cells[0].size
    cols = min(args.columns, len(cells))
    rows = (len(cells) + cols - 1) // cols
    gap = 4
    strip = Image.new("RGB", (cols * (cw + gap) + gap, rows * (ch + gap) + gap), (30, 30, 30))
    for i, c in enumerate(cells):
        strip.paste(c.convert("RGB"), (gap + (i % cols) * (cw + gap), gap + (i // cols) * (ch + gap)))
    out = args.out or "/tmp/anim_%s%s.png" % (os.path.splitext(os.path.basename(args.anim))[0],
                                               "_ideal" if args.ideal else "")
    strip.save(out)
    print("  strip:", out, "(%d frames, area %s, cell scale %.2f)" % (len(cells), box, k))


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    main()
