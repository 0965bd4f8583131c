#!/usr/bin/python3
"""Measures the game against its four performance targets and prints a report.

Usage: tools/bench-targets/measure_targets.py [--runs N] [--menu-runs N] [--seed N]
           [--json FILE] [--use-display] [--no-sparse-run] [--skip-autoplay]

Build first (release build in build/):
    cmake -S . -B build && cmake --build build --target quill-game quill-bench-bare-window

The targets:
  1. start to the first drawn frame within 1.2x of build/quill-bench-bare-window,
     both timed from outside: spawn to the first-frame line on the stdout pipe;
  2. start to the main menu, logos skipped with a click, under 400 ms;
  3. p95 of frame work under 14 ms on every screen of a whole --autoplay
     --fixed-step run that draws every frame;
  4. resident memory over that run: peak under 200 MiB, and the second half
     no higher than the first half plus 5 MiB (VmRSS sampled every 100 ms).

By default the script starts its own Xvfb (1280x1024x24, -nolisten tcp,
-noreset) on the first free display from :140 up and stops it at the end.
With --use-display it uses $DISPLAY instead, e.g.
    xvfb-run -a -s "-screen 0 1280x1024x24" tools/bench-targets/measure_targets.py --use-display
(Debian's xvfb-run has that screen by default; others may start smaller than
the 1024x768 window, which the script refuses).
Every run gets SDL_AUDIODRIVER=dummy, LIBGL_ALWAYS_SOFTWARE=1,
GALLIUM_DRIVER=llvmpipe, QUILL_SEED and a fresh APPDATA folder. This is a
benchmark, not a test: figures depend on the machine and on what else runs on
it, so the report gives the load average too.
"""

import argparse
import json
import os
import queue
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

WINDOW_W, WINDOW_H = 1024, 768

START_RATIO_LIMIT = 1.2
MENU_LIMIT_MS = 400.0
FRAME_P95_LIMIT_MS = 14.0
RSS_PEAK_LIMIT_MIB = 200.0
RSS_GROWTH_LIMIT_MIB = 5.0
RSS_SAMPLE_S = 0.1

FIRST_FRAME_RE = re.compile(r"^Timing: ([0-9.]+) first frame drawn$")
ON_TOP_RE = re.compile(r"^Timing: ([0-9.]+) (.+) on top$")
FRAME_WORK_RE = re.compile(
    r"^Timing: frame work on (.+): (\d+) frames, median ([0-9.]+) ms, "
    r"p95 ([0-9.]+) ms, largest ([0-9.]+) ms$")


def log(message):
    print(message, file=sys.stderr, flush=True)


def verdict(ok):
    return "PASS" if ok else "MISS"


# ---------------------------------------------------------------- display

class OwnXvfb:
    """An Xvfb of our own on the first display number nobody holds."""

    def __init__(self, first=140, last=400):
        self.proc = None
        self.display = None
        for number in range(first, last):
            if (os.path.exists("/tmp/.X%d-lock" % number)
                    or os.path.exists("/tmp/.X11-unix/X%d" % number)):
                continue
            # -noreset: otherwise the server resets each time its last client
            # leaves, and a program starting during the reset finds no display.
            proc = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp", "-noreset"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if self._wait_ready(proc, ":%d" % number):
                self.proc = proc
                self.display = ":%d" % number
                return
            # Someone took the number between our look and the start.
            self._stop(proc)
        raise RuntimeError("no free X display number in :%d..:%d" % (first, last - 1))

    @staticmethod
    def _wait_ready(proc, display):
        env = dict(os.environ, DISPLAY=display)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if proc.poll() is not None:
                return False
            probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return True
            time.sleep(0.05)
        return False

    @staticmethod
    def _stop(proc):
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()

    def close(self):
        if self.proc:
            self._stop(self.proc)
            self.proc = None


def display_geometry(env):
    out = subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                         capture_output=True, text=True)
    if out.returncode != 0:
        return None
    width, height = out.stdout.split()
    return int(width), int(height)


# ---------------------------------------------------------------- processes

class Run:
    """A spawned program whose stdout lines arrive with the time they were read."""

    def __init__(self, argv, env, cwd):
        self.lines = queue.Queue()
        self.all_lines = []
        self.spawned = time.perf_counter()
        self.proc = subprocess.Popen(argv, env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                     bufsize=0)
        self.ended = None
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        for raw in iter(self.proc.stdout.readline, b""):
            now = time.perf_counter()
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            self.all_lines.append(line)
            self.lines.put((now, line))
        self.proc.stdout.close()
        self.proc.wait()
        self.ended = time.perf_counter()
        self.lines.put((self.ended, None))

    def ms_since_spawn(self, at):
        return (at - self.spawned) * 1000.0

    def next_line(self, deadline):
        """(time, line), (time, None) at the end of output, or None at the deadline."""
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            return None
        try:
            return self.lines.get(timeout=remaining)
        except queue.Empty:
            return None

    def wait_for(self, pattern, timeout):
        """The first line matching pattern: (time, match), or None."""
        deadline = time.monotonic() + timeout
        while True:
            item = self.next_line(deadline)
            if item is None or item[1] is None:
                return None
            match = pattern.match(item[1])
            if match:
                return item[0], match

    def stop(self, timeout=15):
        """Asks the game to end (SIGTERM: it saves and quits), then insists."""
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
        try:
            self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self._reader.join(timeout=5)

    def tail(self, count=8):
        return "\n".join("    " + line for line in self.all_lines[-count:])


class Bench:
    def __init__(self, args, display):
        self.args = args
        self.build = os.path.join(ROOT, args.build_dir)
        self.game = os.path.join(self.build, "quill-game")
        self.bare = os.path.join(self.build, "quill-bench-bare-window")
        self.display = display
        self.save_folders = []
        self.live = []

    def env(self):
        save = tempfile.mkdtemp(prefix="quill-targets-save-")
        self.save_folders.append(save)
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.display,
            "SDL_AUDIODRIVER": "dummy",
            "LIBGL_ALWAYS_SOFTWARE": "1",
            "GALLIUM_DRIVER": "llvmpipe",
            "QUILL_SEED": str(self.args.seed),
            "APPDATA": save,
        })
        return env

    def cleanup(self):
        for run in self.live:
            run.stop()
        self.live = []
        for folder in self.save_folders:
            shutil.rmtree(folder, ignore_errors=True)
        self.save_folders = []

    def spawn(self, argv, env=None):
        run = Run(argv, env or self.env(), ROOT)
        self.live.append(run)
        return run

    def click(self, env, x=WINDOW_W // 2, y=WINDOW_H // 2):
        # Not waited for: xdotool presses at once but lingers ~100 ms before it
        # exits, and the game's lines must be read meanwhile.
        return subprocess.Popen(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # ------------------------------------------------------------ target 1

    def first_frame(self, argv):
        """Spawn to first-frame line in ms, and the program's own figure."""
        run = self.spawn(argv)
        found = run.wait_for(FIRST_FRAME_RE, timeout=60)
        run.stop()
        if found is None:
            raise RuntimeError("%s drew no first frame:\n%s" % (argv[0], run.tail()))
        at, match = found
        return run.ms_since_spawn(at), float(match.group(1))

    def measure_start(self):
        runs = self.args.runs
        programs = [("bare", [self.bare]), ("game", [self.game, "--timings"])]
        # Once each, not counted: the first start after a build reads cold files.
        for name, argv in programs:
            self.first_frame(argv)
        samples = {"bare": [], "game": []}
        own = {"bare": [], "game": []}
        for index in range(runs):
            # Alternating, so a slow spell on the machine hits both alike.
            order = programs if index % 2 == 0 else programs[::-1]
            for name, argv in order:
                outside, inside = self.first_frame(argv)
                samples[name].append(outside)
                own[name].append(inside)
            log("  start run %d/%d: bare %.1f ms, game %.1f ms"
                % (index + 1, runs, samples["bare"][-1], samples["game"][-1]))
        bare = statistics.median(samples["bare"])
        game = statistics.median(samples["game"])
        ratio = game / bare
        return {
            "runs": runs,
            "bareMs": samples["bare"],
            "gameMs": samples["game"],
            "bareOwnMs": own["bare"],
            "gameOwnMs": own["game"],
            "bareMedianMs": bare,
            "gameMedianMs": game,
            "bareOwnMedianMs": statistics.median(own["bare"]),
            "gameOwnMedianMs": statistics.median(own["game"]),
            # Spawn to the program's own clock starting in main(): loading and
            # linking the libraries, static initialisers.
            "bareBeforeMainMs": statistics.median(
                a - b for a, b in zip(samples["bare"], own["bare"])),
            "gameBeforeMainMs": statistics.median(
                a - b for a, b in zip(samples["game"], own["game"])),
            "ratio": ratio,
            "limit": START_RATIO_LIMIT,
            "verdict": verdict(ratio <= START_RATIO_LIMIT),
        }

    # ------------------------------------------------------------ target 2

    def menu_once(self):
        env = self.env()
        run = self.spawn([self.game, "--timings"], env)
        clicks = []
        try:
            found = run.wait_for(FIRST_FRAME_RE, timeout=60)
            if found is None:
                raise RuntimeError("the game drew no first frame:\n%s" % run.tail())
            first_at = found[0]
            # One click at the first frame; another only if the game has not
            # said "Logos skipped" 300 ms later (the screen takes no input while
            # it fades in), as a player would click again.
            first_click_at = None
            skipped_at = None
            menu = None
            deadline = time.monotonic() + 30
            next_click = time.monotonic()
            while menu is None and time.monotonic() < deadline:
                if skipped_at is None and time.monotonic() >= next_click:
                    if first_click_at is None:
                        first_click_at = time.perf_counter()
                    clicks.append(self.click(env))
                    next_click = time.monotonic() + 0.3
                wake = deadline if skipped_at is not None else min(next_click, deadline)
                item = run.next_line(wake)
                if item is None:
                    continue
                if item[1] is None:
                    raise RuntimeError("the game ended before its main menu:\n%s" % run.tail())
                if item[1] == "Logos skipped" and skipped_at is None:
                    skipped_at = item[0]
                match = ON_TOP_RE.match(item[1])
                if match and match.group(2) == "MainMenu":
                    menu = (item[0], float(match.group(1)))
            if menu is None:
                raise RuntimeError("no main menu within 30 s:\n%s" % run.tail())
        finally:
            run.stop()
            for click in clicks:
                click.wait()
        return {
            "firstFrameMs": run.ms_since_spawn(first_at),
            "clickSentMs": run.ms_since_spawn(first_click_at),
            "clicks": len(clicks),
            "skippedMs": run.ms_since_spawn(skipped_at) if skipped_at is not None else None,
            "menuMs": run.ms_since_spawn(menu[0]),
            "menuOwnMs": menu[1],
        }

    def measure_menu(self):
        results = []
        for index in range(self.args.menu_runs):
            result = self.menu_once()
            results.append(result)
            log("  menu run %d/%d: main menu %.1f ms after spawn (%d click%s)"
                % (index + 1, self.args.menu_runs, result["menuMs"], result["clicks"],
                   "" if result["clicks"] == 1 else "s"))
        median = statistics.median(r["menuMs"] for r in results)
        return {
            "runs": results,
            "menuMedianMs": median,
            "menuOwnMedianMs": statistics.median(r["menuOwnMs"] for r in results),
            "firstFrameMedianMs": statistics.median(r["firstFrameMs"] for r in results),
            "clicksMedian": statistics.median(r["clicks"] for r in results),
            "limitMs": MENU_LIMIT_MS,
            "verdict": verdict(median < MENU_LIMIT_MS),
        }

    # ------------------------------------------------------------ targets 3 and 4

    def autoplay(self, extra, label):
        argv = [self.game, "--autoplay", "--fixed-step", "--timings"] + extra
        log("  autoplay run (%s): %s" % (label, " ".join(os.path.relpath(a, ROOT)
                                                        if a.startswith(ROOT) else a
                                                        for a in argv)))
        run = self.spawn(argv)
        samples = []
        high_water = [0.0]
        stop_sampling = threading.Event()

        def sample():
            path = "/proc/%d/status" % run.proc.pid
            while not stop_sampling.is_set():
                try:
                    with open(path) as status:
                        text = status.read()
                except OSError:
                    return
                now = time.perf_counter()
                rss = re.search(r"^VmRSS:\s+(\d+) kB", text, re.M)
                hwm = re.search(r"^VmHWM:\s+(\d+) kB", text, re.M)
                if rss:
                    samples.append((now - run.spawned, int(rss.group(1)) / 1024.0))
                if hwm:
                    high_water[0] = max(high_water[0], int(hwm.group(1)) / 1024.0)
                stop_sampling.wait(RSS_SAMPLE_S)

        sampler = threading.Thread(target=sample, daemon=True)
        sampler.start()
        screens = {}
        order = []
        # Each screen's arrival with the resident memory then, to tell where it grows.
        timeline = []
        last_report = time.monotonic()
        timed_out = False
        deadline = time.monotonic() + self.args.autoplay_timeout
        while True:
            item = run.next_line(deadline)
            if item is None:
                timed_out = True
                break
            if item[1] is None:
                break
            line = item[1]
            top = ON_TOP_RE.match(line)
            if top:
                order.append(top.group(2))
                timeline.append({"screen": top.group(2), "atS": item[0] - run.spawned,
                                 "rssMiB": samples[-1][1] if samples else None})
                if time.monotonic() - last_report > 30:
                    last_report = time.monotonic()
                    log("    %.0f s: %s" % (item[0] - run.spawned, top.group(2)))
            work = FRAME_WORK_RE.match(line)
            if work:
                screens[work.group(1)] = {
                    "frames": int(work.group(2)),
                    "medianMs": float(work.group(3)),
                    "p95Ms": float(work.group(4)),
                    "largestMs": float(work.group(5)),
                }
        if timed_out:
            run.stop()
        else:
            run.proc.wait()
        run._reader.join(timeout=5)
        stop_sampling.set()
        sampler.join(timeout=5)
        wall = ((run.ended or time.perf_counter()) - run.spawned)
        exit_code = run.proc.returncode
        if timed_out or exit_code != 0:
            log("  autoplay run (%s) did not finish cleanly (exit %s%s):\n%s"
                % (label, exit_code, ", timed out" if timed_out else "", run.tail(12)))
        # Screens in the order they first came to the top.
        ranked = [name for i, name in enumerate(order) if name not in order[:i]]
        ranked += sorted(name for name in screens if name not in ranked)
        return {
            "argv": argv[1:],
            "exitCode": exit_code,
            "timedOut": timed_out,
            "wallS": wall,
            "screenVisits": len(order),
            "screens": [dict(name=name, **screens[name]) for name in ranked if name in screens],
            "memory": memory_summary(samples, high_water[0]),
            "memoryRises": memory_rises(timeline, samples),
            "screenTimeline": timeline,
            # One sample a second is plenty for a plot.
            "rssSeries": [[round(at, 2), round(rss, 1)] for at, rss in samples[::10]],
        }

    def measure_frames(self, run):
        screens = run["screens"]
        misses = [s["name"] for s in screens if s["p95Ms"] >= FRAME_P95_LIMIT_MS]
        complete = run["exitCode"] == 0 and not run["timedOut"] and screens
        return {
            "limitMs": FRAME_P95_LIMIT_MS,
            "screens": screens,
            "missedScreens": misses,
            "verdict": verdict(not misses) if complete else "ERROR",
        }

    def measure_memory(self, run):
        memory = dict(run["memory"])
        complete = run["exitCode"] == 0 and not run["timedOut"] and memory["samples"] > 1
        if complete:
            peak_ok = memory["peakMiB"] < RSS_PEAK_LIMIT_MIB
            growth_ok = memory["secondHalfMaxMiB"] <= memory["firstHalfMaxMiB"] + RSS_GROWTH_LIMIT_MIB
            memory["peakVerdict"] = verdict(peak_ok)
            memory["growthVerdict"] = verdict(growth_ok)
            memory["verdict"] = verdict(peak_ok and growth_ok)
        else:
            memory["verdict"] = "ERROR"
        memory["peakLimitMiB"] = RSS_PEAK_LIMIT_MIB
        memory["growthLimitMiB"] = RSS_GROWTH_LIMIT_MIB
        return memory


def memory_rises(timeline, samples):
    """Growth of resident memory while each screen was on top, largest first."""
    points = [t for t in timeline if t["rssMiB"] is not None]
    if samples:
        points.append({"screen": None, "atS": samples[-1][0], "rssMiB": samples[-1][1]})
    rises = []
    for here, after in zip(points, points[1:]):
        rises.append({"screen": here["screen"], "fromS": here["atS"], "toS": after["atS"],
                      "riseMiB": after["rssMiB"] - here["rssMiB"]})
    return sorted(rises, key=lambda r: -r["riseMiB"])


def memory_summary(samples, high_water):
    if not samples:
        return {"samples": 0}
    start, end = samples[0][0], samples[-1][0]
    middle = (start + end) / 2.0
    first = [rss for at, rss in samples if at <= middle]
    second = [rss for at, rss in samples if at > middle] or first
    peak_at, peak = max(samples, key=lambda sample: sample[1])
    return {
        "samples": len(samples),
        "sampleIntervalS": RSS_SAMPLE_S,
        "peakMiB": peak,
        "peakAtS": peak_at,
        "highWaterMiB": high_water,
        "firstHalfMaxMiB": max(first),
        "secondHalfMaxMiB": max(second),
        "firstHalfMedianMiB": statistics.median(first),
        "secondHalfMedianMiB": statistics.median(second),
        "endMiB": samples[-1][1],
        "splitAtS": middle,
    }


# ---------------------------------------------------------------- report

def format_report(result):
    out = []
    env = result["environment"]
    out.append("Lantern Inn performance targets")
    out.append("=" * 31)
    out.append("Game:     %s (CMAKE_BUILD_TYPE=%s)" % (env["game"], env["buildType"]))
    out.append("Display:  %s (%s), window %dx%d at 0,0" % (env["display"], env["displaySource"],
                                                      WINDOW_W, WINDOW_H))
    out.append("GL:       Mesa llvmpipe (LIBGL_ALWAYS_SOFTWARE=1, GALLIUM_DRIVER=llvmpipe), "
               "SDL_AUDIODRIVER=dummy")
    out.append("Seed:     QUILL_SEED=%d, fresh APPDATA folder per run" % env["seed"])
    out.append("Machine:  %d CPUs, load average %s at start, %s at end (the runs count in it)"
               % (env["cpus"], env["loadStart"], env.get("loadEnd", "?")))
    out.append("")

    start = result.get("start")
    if start:
        out.append("1. Start to first drawn frame (spawn -> first-frame line on stdout), "
                   "%d runs each, alternating, after one warm-up run each" % start["runs"])
        out.append("   bare SDL+GL window: median %7.1f ms  (min %.1f, max %.1f; own clock %.1f ms)"
                   % (start["bareMedianMs"], min(start["bareMs"]), max(start["bareMs"]),
                      start["bareOwnMedianMs"]))
        out.append("   game:               median %7.1f ms  (min %.1f, max %.1f; own clock %.1f ms)"
                   % (start["gameMedianMs"], min(start["gameMs"]), max(start["gameMs"]),
                      start["gameOwnMedianMs"]))
        out.append("   spawn to main() (outside minus own clock, median): bare %.1f ms, game %.1f ms"
                   % (start["bareBeforeMainMs"], start["gameBeforeMainMs"]))
        out.append("   ratio game/bare %.2f (target <= %.1f): %s"
                   % (start["ratio"], start["limit"], start["verdict"]))
        out.append("   runs (ms): bare %s" % ", ".join("%.0f" % v for v in start["bareMs"]))
        out.append("              game %s" % ", ".join("%.0f" % v for v in start["gameMs"]))
        out.append("")

    menu = result.get("menu")
    if menu:
        out.append("2. Start to main menu, logos skipped by clicking the window centre at the "
                   "first frame (again after 300 ms if not taken), %d runs; times from spawn"
                   % len(menu["runs"]))
        out.append("   %-4s %12s %12s %7s %14s %14s %14s"
                   % ("run", "first frame", "click sent", "clicks", "logos skipped",
                      "menu (spawn)", "menu (own)"))
        for index, run in enumerate(menu["runs"]):
            skipped = ("%11.1f ms" % run["skippedMs"]) if run["skippedMs"] is not None else "?"
            out.append("   %-4d %9.1f ms %9.1f ms %7d %14s %11.1f ms %11.1f ms"
                       % (index + 1, run["firstFrameMs"], run["clickSentMs"], run["clicks"],
                          skipped, run["menuMs"], run["menuOwnMs"]))
        out.append("   median: main menu %.1f ms after spawn (game's own clock %.1f ms), "
                   "target < %.0f ms: %s"
                   % (menu["menuMedianMs"], menu["menuOwnMedianMs"], menu["limitMs"],
                      menu["verdict"]))
        out.append("")

    frames = result.get("frames")
    full = result.get("autoplay")
    if frames and full:
        out.append("3. Frame work per screen, --autoplay --fixed-step --timings (every frame "
                   "drawn), exit code %s, %d screen changes"
                   % (full["exitCode"], full["screenVisits"]))
        out.append("   %-22s %7s %10s %10s %11s  %s" % ("screen", "frames", "median", "p95",
                                                     "largest", "p95 < 14 ms"))
        for screen in frames["screens"]:
            out.append("   %-22s %7d %7.2f ms %7.2f ms %8.2f ms  %s"
                       % (screen["name"], screen["frames"], screen["medianMs"], screen["p95Ms"],
                          screen["largestMs"],
                          "ok" if screen["p95Ms"] < frames["limitMs"] else "MISS"))
        if frames["missedScreens"]:
            out.append("   missed on %d of %d screens: %s"
                       % (len(frames["missedScreens"]), len(frames["screens"]),
                          ", ".join(frames["missedScreens"])))
        out.append("   verdict: %s" % frames["verdict"])
        out.append("")

    memory = result.get("memory")
    if memory and full:
        out.append("4. Resident memory (VmRSS from /proc every %.1f s) during the run of item 3"
                   % RSS_SAMPLE_S)
        if memory.get("samples", 0) > 1:
            on_top = [t["screen"] for t in full.get("screenTimeline", [])
                      if t["atS"] <= memory["peakAtS"]]
            out.append("   %d samples; peak %.1f MiB at %.1f s on %s (VmHWM %.1f MiB), end %.1f MiB"
                       % (memory["samples"], memory["peakMiB"], memory["peakAtS"],
                          on_top[-1] if on_top else "?", memory["highWaterMiB"],
                          memory["endMiB"]))
            out.append("   first half  (to %.0f s): max %.1f MiB, median %.1f MiB"
                       % (memory["splitAtS"], memory["firstHalfMaxMiB"],
                          memory["firstHalfMedianMiB"]))
            out.append("   second half:            max %.1f MiB, median %.1f MiB"
                       % (memory["secondHalfMaxMiB"], memory["secondHalfMedianMiB"]))
            if "peakVerdict" in memory:
                out.append("   peak < %.0f MiB: %s; second-half max <= first-half max + %.0f MiB "
                           "(%.1f <= %.1f): %s"
                           % (RSS_PEAK_LIMIT_MIB, memory["peakVerdict"], RSS_GROWTH_LIMIT_MIB,
                              memory["secondHalfMaxMiB"],
                              memory["firstHalfMaxMiB"] + RSS_GROWTH_LIMIT_MIB,
                              memory["growthVerdict"]))
        rises = [r for r in full.get("memoryRises", []) if r["riseMiB"] >= 0.5][:6]
        if rises:
            out.append("   largest rises while one screen was on top: "
                       + ", ".join("%s %.1f-%.1f s %+.1f MiB" % (r["screen"], r["fromS"], r["toS"],
                                                                r["riseMiB"]) for r in rises))
        out.append("   verdict: %s" % memory["verdict"])
        out.append("")

    if full:
        out.append("Whole autoplay run, fixed step:")
        out.append("   every frame drawn:      %.1f s wall (exit code %s)"
                   % (full["wallS"], full["exitCode"]))
        sparse = result.get("autoplaySparse")
        if sparse:
            out.append("   --draw-every 10:        %.1f s wall (exit code %s); memory peak %.1f "
                       "MiB, first/second half max %.1f / %.1f MiB"
                       % (sparse["wallS"], sparse["exitCode"], sparse["memory"].get("peakMiB", 0),
                          sparse["memory"].get("firstHalfMaxMiB", 0),
                          sparse["memory"].get("secondHalfMaxMiB", 0)))
        out.append("")

    out.append("Summary")
    out.append("   %-52s %-28s %s" % ("target", "measured", "result"))
    rows = []
    if start:
        rows.append(("1. first frame within 1.2x of bare SDL+GL",
                     "%.2fx (%.0f / %.0f ms)" % (start["ratio"], start["gameMedianMs"],
                                                 start["bareMedianMs"]), start["verdict"]))
    if menu:
        rows.append(("2. main menu (logos clicked away) < 400 ms",
                     "%.0f ms" % menu["menuMedianMs"], menu["verdict"]))
    if frames:
        worst = max(frames["screens"], key=lambda s: s["p95Ms"]) if frames["screens"] else None
        rows.append(("3. frame work p95 < 14 ms on every screen",
                     "worst %s %.2f ms" % (worst["name"], worst["p95Ms"]) if worst else "-",
                     frames["verdict"]))
    if memory:
        rows.append(("4. RSS peak < 200 MiB, 2nd half <= 1st half + 5",
                     "%.1f MiB; %.1f vs %.1f MiB" % (memory.get("peakMiB", 0),
                                                      memory.get("secondHalfMaxMiB", 0),
                                                      memory.get("firstHalfMaxMiB", 0)),
                     memory["verdict"]))
    for row in rows:
        out.append("   %-52s %-28s %s" % row)
    return "\n".join(out)


def read_build_type(build):
    try:
        with open(os.path.join(build, "CMakeCache.txt")) as cache:
            for line in cache:
                if line.startswith("CMAKE_BUILD_TYPE:"):
                    return line.split("=", 1)[1].strip() or "?"
    except OSError:
        pass
    return "?"


def load_average():
    return "%.2f" % os.getloadavg()[0]


def main():
    parser = argparse.ArgumentParser(description="Measures the game's four performance targets.")
    parser.add_argument("--runs", type=int, default=7,
                        help="start runs per program for target 1 (default 7)")
    parser.add_argument("--menu-runs", type=int, default=7,
                        help="runs for target 2 (default 7)")
    parser.add_argument("--seed", type=int, default=1, help="QUILL_SEED of every run (default 1)")
    parser.add_argument("--json", metavar="FILE", help="also write the figures as JSON")
    parser.add_argument("--build-dir", default="build",
                        help="build folder, relative to the repository root (default build)")
    parser.add_argument("--use-display", action="store_true",
                        help="use $DISPLAY (e.g. under xvfb-run) instead of an Xvfb of our own")
    parser.add_argument("--no-sparse-run", action="store_true",
                        help="skip the second autoplay run with --draw-every 10")
    parser.add_argument("--skip-autoplay", action="store_true",
                        help="only targets 1 and 2 (no whole-game runs)")
    parser.add_argument("--autoplay-timeout", type=float, default=3600,
                        help="seconds before a whole-game run is given up (default 3600)")
    args = parser.parse_args()
    if args.runs < 1 or args.menu_runs < 1:
        parser.error("--runs and --menu-runs need at least 1")

    build = os.path.join(ROOT, args.build_dir)
    for program in ("quill-game", "quill-bench-bare-window"):
        if not os.access(os.path.join(build, program), os.X_OK):
            sys.exit("%s/%s is missing; build it with:\n  cmake -S . -B build && "
                     "cmake --build build --target quill-game quill-bench-bare-window"
                     % (args.build_dir, program))
    for tool in ("xdotool",) + (() if args.use_display else ("Xvfb",)):
        if shutil.which(tool) is None:
            sys.exit("%s is not installed" % tool)

    xvfb = None
    bench = None
    # SIGTERM ends the script as Ctrl-C does, so the finally below still runs.
    def interrupted(*_):
        raise KeyboardInterrupt()
    signal.signal(signal.SIGTERM, interrupted)
    try:
        if args.use_display:
            display = os.environ.get("DISPLAY")
            if not display:
                sys.exit("--use-display needs DISPLAY (run under xvfb-run -a)")
            source = "$DISPLAY"
        else:
            xvfb = OwnXvfb()
            display = xvfb.display
            source = "own Xvfb -screen 0 1280x1024x24 -nolisten tcp -noreset"
        geometry = display_geometry(dict(os.environ, DISPLAY=display))
        if geometry is None:
            sys.exit("cannot reach the X display %s" % display)
        if geometry[0] < WINDOW_W or geometry[1] < WINDOW_H:
            sys.exit("the screen of %s is %dx%d, smaller than the %dx%d window"
                     % (display, geometry[0], geometry[1], WINDOW_W, WINDOW_H))
        log("display %s (%dx%d)" % (display, geometry[0], geometry[1]))

        result = {"environment": {
            "game": os.path.relpath(os.path.join(build, "quill-game"), ROOT),
            "buildType": read_build_type(build),
            "display": display,
            "displaySource": source,
            "seed": args.seed,
            "cpus": os.cpu_count() or 0,
            "loadStart": load_average(),
        }}
        bench = Bench(args, display)

        log("1. start to first frame")
        result["start"] = bench.measure_start()
        bench.cleanup()
        log("2. start to main menu")
        result["menu"] = bench.measure_menu()
        bench.cleanup()
        if not args.skip_autoplay:
            log("3./4. whole game")
            result["autoplay"] = bench.autoplay([], "every frame drawn")
            bench.cleanup()
            result["frames"] = bench.measure_frames(result["autoplay"])
            result["memory"] = bench.measure_memory(result["autoplay"])
            if not args.no_sparse_run:
                result["autoplaySparse"] = bench.autoplay(["--draw-every", "10"],
                                                          "one frame in 10 drawn")
                bench.cleanup()
        result["environment"]["loadEnd"] = load_average()

        report = format_report(result)
        print(report, flush=True)
        if args.json:
            with open(args.json, "w") as out:
                json.dump(result, out, indent=2)
                out.write("\n")
            log("figures written to %s" % args.json)
    except KeyboardInterrupt:
        log("interrupted")
        return 130
    except RuntimeError as error:
        log("error: %s" % error)
        return 1
    finally:
        if bench:
            bench.cleanup()
        if xvfb:
            xvfb.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
