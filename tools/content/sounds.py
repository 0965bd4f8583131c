#!/usr/bin/python3
"""Synthesises the game's sound effects into content/sounds/sfx/*.wav and writes
their catalogue, content/config/sfx.xml.

Every effect is built from a few small ingredients: decaying sine modes (wood,
card, metal and bells ring at a handful of frequencies), filtered noise bursts
(clicks, paper, cloth) and soft band-limited tones (blips and the buzzer). Each
is shaped by a fast attack and a smooth decay, faded in and out over a few ms,
and scaled to a fixed peak below full scale. Noise comes from fixed seeds, so the
files come out byte for byte the same on every run.

The piano puzzle (MG_Screen18) names its sounds after its key areas; the eight
keys PIANO_NOTE_1 ... PIANO_NOTE_8 are the C major scale from middle C (C4) up
to C5.
"""

import math
import os
import sys
import wave

import numpy as np

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SFX_DIR = "content/sounds/sfx/"
CATALOGUE = "content/config/sfx.xml"
SR = 44100


# ---------------------------------------------------------------- ingredients

def samples(duration):
    return int(round(duration * SR))


def timeline(duration):
    return np.arange(samples(duration)) / SR


def silence(duration, channels=1):
    n = samples(duration)
    return np.zeros(n) if channels == 1 else np.zeros((n, channels))


def envelope(t, attack, tau):
    """A linear rise over `attack` seconds, then an exponential decay with time
    constant `tau`."""
    rise = np.clip(t / attack, 0.0, 1.0) if attack > 0 else np.ones_like(t)
    return rise * np.exp(-np.maximum(t - attack, 0.0) / tau)


def modes(duration, f0, ratios, amps, taus, attack=0.0006, glide=0.0):
    """A struck object: decaying sines at f0 * ratio. `glide` bends every mode
    down by that fraction over the first 30 ms (the give of a soft surface)."""
    t = timeline(duration)
    bend = 1.0 + glide * np.exp(-t / 0.03)
    out = np.zeros_like(t)
    for ratio, amp, tau in zip(ratios, amps, taus):
        freq = f0 * ratio * bend
        if f0 * ratio > 0.45 * SR:
            continue
        phase = 2 * math.pi * np.cumsum(freq) / SR
        out += amp * np.sin(phase) * envelope(t, attack, tau)
    return out


def noise(rng, duration):
    return rng.standard_normal(samples(duration))


def burst(rng, duration, attack, tau):
    t = timeline(duration)
    return noise(rng, duration) * envelope(t, attack, tau)


def biquad(x, kind, freq, q=0.707):
    """A second-order filter after the usual audio-EQ cookbook formulas."""
    w = 2 * math.pi * freq / SR
    alpha = math.sin(w) / (2 * q)
    cw = math.cos(w)
    if kind == "low":
        b = [(1 - cw) / 2, 1 - cw, (1 - cw) / 2]
    elif kind == "high":
        b = [(1 + cw) / 2, -(1 + cw), (1 + cw) / 2]
    elif kind == "band":
        b = [alpha, 0.0, -alpha]
    else:
        raise ValueError(kind)
    a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    b0, b1, b2 = b[0] / a0, b[1] / a0, b[2] / a0
    a1, a2 = a1 / a0, a2 / a0
    out = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(x.tolist()):
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, y
        out[i] = y
    return np.array(out)


def lowpass(x, freq, q=0.707):
    return biquad(x, "low", freq, q)


def highpass(x, freq, q=0.707):
    return biquad(x, "high", freq, q)


def bandpass(x, freq, q):
    return biquad(x, "band", freq, q)


def tone(duration, freq, harmonics, attack, tau):
    """A band-limited tone: `harmonics` is a list of (number, amplitude); `freq`
    is a number or a frequency track."""
    t = timeline(duration)
    f = np.full_like(t, freq) if np.isscalar(freq) else freq
    phase = 2 * math.pi * np.cumsum(f) / SR
    out = np.zeros_like(t)
    for number, amp in harmonics:
        if np.max(f) * number < 0.45 * SR:
            out += amp * np.sin(number * phase)
    return out * envelope(t, attack, tau)


def glide(duration, start, end, curve=0.04):
    """A frequency track that moves from start to end with time constant curve."""
    t = timeline(duration)
    return end + (start - end) * np.exp(-t / curve)


def mix(length, *parts):
    """Adds (offset seconds, signal) parts into a buffer of `length` seconds."""
    out = np.zeros(samples(length))
    for at, signal in parts:
        begin = samples(at)
        end = min(len(out), begin + len(signal))
        out[begin:end] += signal[:end - begin]
    return out


def pan(signal, position):
    """Equal-power placement of a mono signal; position -1 (left) to 1 (right)."""
    angle = (position + 1) * math.pi / 4
    return np.stack([signal * math.cos(angle), signal * math.sin(angle)], axis=1)


def finish(signal, peak_db=-3.0, fade_in=0.002, fade_out=0.008):
    """Removes any DC offset, fades both ends and scales to the given peak."""
    x = np.array(signal, dtype=float)
    if x.ndim == 1:
        x = x[:, None]
    x = x - x.mean(axis=0)
    n = len(x)
    a, b = samples(fade_in), samples(fade_out)
    ramp_in = 0.5 - 0.5 * np.cos(np.linspace(0, math.pi, a))
    ramp_out = 0.5 + 0.5 * np.cos(np.linspace(0, math.pi, b))
    x[:a] *= ramp_in[:, None]
    x[n - b:] *= ramp_out[:, None]
    peak = np.max(np.abs(x))
    assert peak > 0, "silent effect"
    x *= 10 ** (peak_db / 20) / peak
    return x


def note(name):
    """Frequency of a note such as 'C4' or 'F#5' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone, rest = semitone + 1, rest[1:]
    elif rest.startswith("b"):
        semitone, rest = semitone - 1, rest[1:]
    return 440.0 * 2 ** ((semitone + 12 * (int(rest) - 4)) / 12)


# ---------------------------------------------------------------- the effects
# Each maker takes a variant number (0, 1, 2, ...) and returns a finished signal.

def wood_tick(v):
    """Hover: a small, light wooden tick."""
    rng = np.random.default_rng(100 + v)
    f0 = (1520, 1610, 1440)[v]
    body = modes(0.07, f0, [1, 2.57, 4.9], [1.0, 0.32, 0.1], [0.012, 0.006, 0.003])
    click = lowpass(highpass(burst(rng, 0.07, 0.0003, 0.0015), 1500), 6500)
    return finish(lowpass(body + 0.5 * click, 7000), -6.0, 0.0005, 0.01)


def wood_tap(v):
    """Press: a slightly deeper tap on a wooden button."""
    rng = np.random.default_rng(110 + v)
    f0 = (520, 560, 490)[v]
    body = modes(0.14, f0, [1, 2.76, 5.4], [1.0, 0.4, 0.12], [0.04, 0.016, 0.007])
    thump = modes(0.14, 150 + 10 * v, [1], [0.7], [0.028], glide=0.3)
    click = lowpass(burst(rng, 0.14, 0.0003, 0.002), 4500)
    return finish(lowpass(body + thump + 0.45 * click, 5000), -3.0, 0.0005, 0.02)


def soft_key(v):
    """Text input: a soft typewriter key - a little snap and a padded thunk."""
    rng = np.random.default_rng(120 + v)
    snap = bandpass(burst(rng, 0.09, 0.0002, 0.0025), (3200, 3600, 2900)[v], 1.2)
    thunk = modes(0.09, (880, 940, 830)[v], [1, 2.6, 4.2], [1.0, 0.35, 0.15],
                  [0.018, 0.008, 0.004])
    low = modes(0.09, 190, [1], [0.5], [0.02], glide=0.2)
    return finish(lowpass(mix(0.09, (0, 1.6 * snap), (0.011, thunk + low)), 6000),
                  -6.0, 0.0004, 0.012)


def checkbox(check):
    """A click with a little two-note blip, rising when ticked, falling when cleared."""
    rng = np.random.default_rng(130 if check else 131)
    click = lowpass(burst(rng, 0.03, 0.0003, 0.002), 5000)
    first, second = ("E6", "B6") if check else ("B5", "E5")
    blip = lambda n: tone(0.09, note(n), [(1, 1.0), (2, 0.15), (3, 0.05)], 0.002, 0.03)
    out = mix(0.17, (0, 0.5 * click), (0.004, 0.5 * blip(first)), (0.05, 0.55 * blip(second)))
    return finish(lowpass(out, 6000), -4.0, 0.0005, 0.02)


def bell(duration, freq, strike=1.0):
    """A small celesta-like bell: nearly harmonic partials, the upper ones short."""
    return modes(duration, freq, [1, 2.0, 3.01, 4.16, 5.43],
                 [1.0, 0.32, 0.12, 0.08 * strike, 0.05 * strike],
                 [0.32, 0.16, 0.08, 0.03, 0.015], attack=0.0015)


def chime(v):
    """Item found: a bright little chime of two or three rising bell notes."""
    notes = (("C6", "G6"), ("D6", "A6"), ("C6", "E6", "G6"))[v]
    step = 0.075 if len(notes) == 2 else 0.055
    parts = [(i * step, (0.8 + 0.2 * i) * bell(0.6 - i * step, note(n))) for i, n in enumerate(notes)]
    return finish(lowpass(mix(0.6, *parts), 7500), -3.0, 0.001, 0.08)


def thud(v):
    """A miss: a muted, low thud, like a fingertip on a padded table."""
    rng = np.random.default_rng(140 + v)
    f0 = (105, 118, 94)[v]
    body = modes(0.22, f0, [1, 1.9], [1.0, 0.25], [0.055, 0.025], attack=0.002, glide=0.45)
    cloth = lowpass(burst(rng, 0.22, 0.001, 0.012), 700)
    return finish(lowpass(body + 0.35 * cloth, 1200), -3.0, 0.001, 0.04)


def sparkle(_):
    """Hint: a rising shimmer of tiny bells over a brightening breath of air."""
    rng = np.random.default_rng(150)
    length = 0.9
    scale = ["C6", "D6", "E6", "G6", "A6", "C7", "D7", "E7", "G7"]
    out = silence(length, 2)
    pings = 16
    for i in range(pings):
        at = 0.02 + 0.55 * (i / (pings - 1)) ** 1.15 + rng.uniform(-0.012, 0.012)
        degree = min(len(scale) - 1, int(round(i * (len(scale) - 1) / (pings - 1) + rng.uniform(-1, 1))))
        level = 0.35 + 0.35 * math.sin(math.pi * (i + 1) / (pings + 1))
        ping = level * bell(length - at, note(scale[max(degree, 0)]) * rng.uniform(0.997, 1.003), 0.4)
        target = out[samples(at):]
        target[:len(ping)] += pan(ping, rng.uniform(-0.6, 0.6))[:len(target)]
    t = timeline(length)
    for channel in range(2):
        air = noise(rng, length)
        air = bandpass(air, 2500, 0.6) + 0.6 * bandpass(air, 5500, 0.8) * np.clip(t / 0.6, 0, 1)
        out[:, channel] += 0.18 * air * np.sin(math.pi * np.clip(t / 0.8, 0, 1)) ** 2
    out[:, 0] = lowpass(out[:, 0], 8000)
    out[:, 1] = lowpass(out[:, 1], 8000)
    return finish(out, -3.0, 0.003, 0.12)


def keypad_click(_):
    """Safe keypad: a firm little button click with a short soft beep."""
    rng = np.random.default_rng(160)
    click = modes(0.15, 1250, [1, 2.3, 3.9], [1.0, 0.4, 0.2], [0.012, 0.006, 0.003])
    click += 0.5 * lowpass(burst(rng, 0.15, 0.0003, 0.002), 5000)
    beep = tone(0.12, 1175, [(1, 1.0), (2, 0.1), (3, 0.05)], 0.004, 0.035)
    return finish(lowpass(mix(0.15, (0, click), (0.008, 0.5 * beep)), 6000), -3.0, 0.0005, 0.02)


def buzzer(_):
    """Wrong combination: two short, low, rounded buzzes."""
    out = silence(0.52)
    for at in (0.0, 0.23):
        t = timeline(0.2)
        # Two slightly detuned hollow tones (odd harmonics) give a gentle growl.
        harmonics = [(1, 1.0), (3, 0.35), (5, 0.18), (7, 0.1), (9, 0.06), (11, 0.035)]
        buzz = tone(0.2, 98.0, harmonics, 0.008, 10.0) + 0.7 * tone(0.2, 99.3, harmonics, 0.008, 10.0)
        gate = np.clip((0.2 - t) / 0.04, 0, 1) ** 2
        begin = samples(at)
        out[begin:begin + len(buzz)] += buzz * gate
    return finish(lowpass(lowpass(out, 1400), 1800), -7.0, 0.004, 0.03)


def creak_and_clunk(_):
    """Safe door: a short creak of the old hinge, then the clunk of the bolt."""
    rng = np.random.default_rng(170)
    length = 0.95
    creak_len = 0.55
    # Stick-slip friction: an uneven train of impulses whose rate wanders up and
    # down; each impulse rings the door's wooden and iron resonances.
    n = samples(creak_len)
    train = np.zeros(n)
    t = 0.0
    while True:
        progress = t / creak_len
        rate = 95 + 150 * math.sin(math.pi * progress) ** 1.5 + 25 * math.sin(17 * t)
        t += (1.0 / rate) * rng.uniform(0.8, 1.2)
        if t >= creak_len:
            break
        train[int(t * SR)] += rng.uniform(0.6, 1.0) * math.sin(math.pi * progress) ** 0.6
    creak = (bandpass(train, 620, 9) + 0.8 * bandpass(train, 1350, 11)
             + 0.5 * bandpass(train, 2450, 12) + 0.3 * bandpass(train, 300, 5))
    clunk = modes(0.4, 62, [1, 1.7], [1.0, 0.4], [0.08, 0.04], attack=0.001, glide=0.4)
    latch = modes(0.4, 1040, [1, 2.71, 4.13], [0.5, 0.3, 0.15], [0.05, 0.025, 0.012])
    knock = lowpass(burst(rng, 0.4, 0.0005, 0.008), 1500)
    out = mix(length, (0.02, 1.7 * creak / np.max(np.abs(creak))),
              (0.58, clunk + 0.5 * latch + 0.5 * knock))
    return finish(lowpass(out, 5000), -3.0, 0.002, 0.06)


def paper_grains(rng, duration, density, centre, q=0.9):
    """Crackly paper: short noise grains at random moments, band-passed."""
    n = samples(duration)
    grains = np.zeros(n)
    count = int(density * duration)
    for _ in range(count):
        at = int(rng.uniform(0, n - 200))
        size = int(rng.uniform(40, 220))
        shape = np.hanning(size) * rng.uniform(0.3, 1.0)
        grains[at:at + size] += shape * rng.standard_normal(size)
    return bandpass(highpass(grains, 900), centre, q)


def letter_pick(_):
    """Letter puzzle, pick up: a card lifted off paper - a brief crisp rustle."""
    rng = np.random.default_rng(180)
    t = timeline(0.16)
    rustle = paper_grains(rng, 0.16, 260, 3800) * envelope(t, 0.01, 0.05)
    flick = lowpass(burst(rng, 0.16, 0.0003, 0.002), 4000)
    return finish(lowpass(rustle + 0.4 * flick, 8000), -4.0, 0.002, 0.03)


def letter_drop(_):
    """Letter puzzle, drop: a card laid down on the card - a soft papery pat."""
    rng = np.random.default_rng(181)
    pat = lowpass(burst(rng, 0.12, 0.0008, 0.01), 2600)
    body = modes(0.12, 240, [1, 2.3], [0.6, 0.2], [0.02, 0.01], glide=0.2)
    rustle = paper_grains(rng, 0.12, 120, 3000) * envelope(timeline(0.12), 0.002, 0.025)
    return finish(lowpass(pat + body + 0.5 * rustle, 6000), -4.0, 0.0008, 0.02)


def jigsaw_pick(_):
    """Jigsaw, pick up: a small cardboard piece lifted - a light clicky snick."""
    rng = np.random.default_rng(190)
    snick = modes(0.08, 1250, [1, 2.4, 3.7], [1.0, 0.45, 0.2], [0.01, 0.005, 0.003])
    scrape = bandpass(burst(rng, 0.08, 0.0005, 0.006), 2600, 1.5)
    return finish(lowpass(snick + 0.7 * scrape, 6500), -4.0, 0.0005, 0.015)


def jigsaw_drop(_):
    """Jigsaw, drop: the piece set down - a duller, lower click."""
    rng = np.random.default_rng(191)
    body = modes(0.11, 690, [1, 2.3, 3.9], [1.0, 0.35, 0.12], [0.018, 0.008, 0.004])
    thump = modes(0.11, 170, [1], [0.6], [0.02], glide=0.25)
    click = lowpass(burst(rng, 0.11, 0.0003, 0.0025), 3500)
    return finish(lowpass(body + thump + 0.45 * click, 5000), -4.0, 0.0005, 0.02)


def chocolate_pick(_):
    """Chocolate box, pick up: a soft tap on thin cardboard and a whisper of paper cup."""
    rng = np.random.default_rng(200)
    tap = modes(0.12, 380, [1, 2.2, 3.6], [1.0, 0.3, 0.1], [0.025, 0.012, 0.006], glide=0.15)
    cup = paper_grains(rng, 0.12, 140, 2600) * envelope(timeline(0.12), 0.004, 0.03)
    click = lowpass(burst(rng, 0.12, 0.0005, 0.003), 2500)
    return finish(lowpass(tap + 0.6 * cup + 0.4 * click, 4500), -4.0, 0.0008, 0.02)


def chocolate_drop(_):
    """Chocolate box, drop: the chocolate settles in its tray - a padded cardboard pat."""
    rng = np.random.default_rng(201)
    tap = modes(0.15, 290, [1, 2.1, 3.4], [1.0, 0.3, 0.1], [0.035, 0.014, 0.007], glide=0.25)
    box = modes(0.15, 130, [1], [0.7], [0.03], glide=0.2)
    cup = paper_grains(rng, 0.15, 120, 2200) * envelope(timeline(0.15), 0.01, 0.035)
    return finish(lowpass(tap + box + 0.5 * cup, 3500), -4.0, 0.001, 0.03)


def pipe_click(_):
    """Pipe turned: a soft click with a faint ring of brass."""
    rng = np.random.default_rng(210)
    ring = modes(0.2, 610, [1, 2.72, 5.1], [0.6, 0.35, 0.12], [0.06, 0.03, 0.012])
    click = modes(0.2, 1900, [1, 2.2], [0.8, 0.3], [0.006, 0.003])
    noise_click = lowpass(burst(rng, 0.2, 0.0003, 0.002), 5000)
    return finish(lowpass(ring + click + 0.4 * noise_click, 6000), -4.0, 0.0005, 0.04)


def book_press(_):
    """Book touched: a soft knock on a cloth spine and a brief rustle of pages."""
    rng = np.random.default_rng(220)
    knock = modes(0.2, 185, [1, 2.4, 3.9], [1.0, 0.3, 0.1], [0.03, 0.014, 0.006], glide=0.2)
    cloth = lowpass(burst(rng, 0.2, 0.001, 0.01), 1800)
    pages = paper_grains(rng, 0.2, 200, 3400) * envelope(timeline(0.2), 0.02, 0.05)
    return finish(lowpass(knock + 0.4 * cloth + 0.5 * pages, 6000), -3.0, 0.001, 0.04)


def book_swap(_):
    """Two books swapped: a riffle of pages, a slide, and a soft knock as they settle."""
    rng = np.random.default_rng(221)
    length = 0.5
    t = timeline(length)
    riffle = np.zeros(samples(length))
    for i in range(9):
        at = 0.02 + 0.028 * i + rng.uniform(-0.004, 0.004)
        flap = paper_grains(rng, 0.05, 600, 2600 + 160 * i, 0.7) * envelope(timeline(0.05), 0.006, 0.012)
        begin = samples(at)
        riffle[begin:begin + len(flap)] += flap * (0.6 + 0.4 * math.sin(math.pi * i / 8))
    slide = bandpass(noise(rng, length), 1500, 0.8) * np.sin(math.pi * np.clip((t - 0.05) / 0.3, 0, 1)) ** 2
    knock = modes(0.15, 165, [1, 2.4], [1.0, 0.3], [0.035, 0.015], glide=0.25)
    out = mix(length, (0, riffle), (0, 0.08 * slide), (0.33, 0.8 * knock))
    return finish(lowpass(out, 7000), -3.0, 0.003, 0.06)


def blip(duration, freq, tau, up=0.0):
    """A rounded retro blip: a soft triangle-like tone with a tiny pitch flick."""
    f = glide(duration, freq * (1 + up), freq, 0.01)
    return tone(duration, f, [(1, 1.0), (3, 1 / 9), (5, 1 / 25), (2, 0.08)], 0.002, tau)


def breakout_bar(_):
    return finish(lowpass(blip(0.11, note("C5"), 0.045, 0.06), 5000), -3.0, 0.001, 0.02)


def breakout_brick(v):
    freq = note(("E5", "G5", "A5")[v])
    return finish(lowpass(blip(0.12, freq, 0.04, 0.08) + 0.35 * blip(0.12, 2 * freq, 0.02), 6000),
                  -3.0, 0.001, 0.02)


def breakout_wall(_):
    return finish(lowpass(blip(0.08, note("G4"), 0.03, 0.04), 4000), -5.0, 0.001, 0.015)


def piano(freq, rng):
    """A gentle piano-like note: slightly stretched partials on three detuned
    strings, a quick first decay into a long soft aftersound, and a felt thump."""
    length = 0.8
    t = timeline(length)
    out = np.zeros_like(t)
    stretch = 0.0004
    for n in range(1, 11):
        partial = freq * n * math.sqrt(1 + stretch * n * n)
        if partial > 0.4 * SR:
            break
        amp = (1.0 / n ** 1.1) * (0.6 if n == 1 else 1.0) * math.exp(-0.12 * n)
        fast, slow = 0.09 / (1 + 0.25 * n), 0.9 / (1 + 0.35 * n)
        env = envelope(t, 0.003, fast) * 0.55 + envelope(t, 0.003, slow) * 0.45
        for detune in (-0.6, 0.0, 0.7):
            phase = rng.uniform(0, 2 * math.pi)
            out += amp / 3 * env * np.sin(2 * math.pi * (partial + detune) * t + phase)
    felt = lowpass(burst(rng, length, 0.001, 0.006), 900)
    return lowpass(out + 0.25 * felt, 5000)


def piano_note(v):
    rng = np.random.default_rng(230 + v)
    name = ("C4", "D4", "E4", "F4", "G4", "A4", "B4", "C5")[v]
    return finish(piano(note(name), rng), -3.0, 0.001, 0.12)


# (name, maker, number of variants, file stem). Names with more than one variant
# become a RandomSound; the game picks one at random each time.
EFFECTS = [
    ("BUTTON_OVER", wood_tick, 3, "ButtonOver"),
    ("BUTTON_PRESS", wood_tap, 3, "ButtonPress"),
    ("TEXT_INPUT", soft_key, 3, "TextInput"),
    ("CHECKBOX_CHECK", lambda v: checkbox(True), 1, "CheckboxCheck"),
    ("CHECKBOX_UNCHECK", lambda v: checkbox(False), 1, "CheckboxUncheck"),
    ("HINT_ITEM", sparkle, 1, "HintSparkle"),
    ("SFX_SCENE_ITEM_COLLECTED", chime, 3, "ItemCollected"),
    ("SFX_SCENE_ITEM_MISS", thud, 3, "ItemMiss"),
    ("SAFE_BTN_CLICK", keypad_click, 1, "SafeButton"),
    ("SAFE_OPEN_SUCCESS", creak_and_clunk, 1, "SafeOpen"),
    ("SAFE_WRONG_COMBINATION", buzzer, 1, "SafeWrong"),
    ("LETTER_PRESS", letter_pick, 1, "LetterPress"),
    ("LETTER_RELEASE", letter_drop, 1, "LetterRelease"),
    ("JIGSAW_PRESS", jigsaw_pick, 1, "JigsawPress"),
    ("JIGSAW_RELEASE", jigsaw_drop, 1, "JigsawRelease"),
    ("CHOCOLATE_PRESS", chocolate_pick, 1, "ChocolatePress"),
    ("CHOCOLATE_RELEASE", chocolate_drop, 1, "ChocolateRelease"),
    ("PIPE_CLICK", pipe_click, 1, "PipeClick"),
    ("MG_BOOK_PRESS", book_press, 1, "BookPress"),
    ("MG_BOOK_SWAP", book_swap, 1, "BookSwap"),
    ("BREAKOUT_BAR", breakout_bar, 1, "BreakoutBar"),
    ("BREAKOUT_BRICK", breakout_brick, 3, "BreakoutBrick"),
    ("BREAKOUT_WALL", breakout_wall, 1, "BreakoutWall"),
] + [("PIANO_NOTE_%d" % (i + 1), (lambda i: lambda v: piano_note(i))(i), 1, "PianoNote%d" % (i + 1))
     for i in range(8)]


def write_wav(relative, signal):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    pcm = np.round(np.clip(signal, -1.0, 1.0) * 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(signal.shape[1])
        out.setsampwidth(2)
        out.setframerate(SR)
        out.writeframes(pcm.tobytes())


def catalogue(entries):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<SFX defaultPath="%s">' % SFX_DIR]
    for name, files in entries:
        if len(files) == 1:
            lines.append('  <Sound name="%s" path="%s"/>' % (name, files[0]))
        else:
            lines.append('  <RandomSound name="%s">' % name)
            lines.extend('    <Sound path="%s"/>' % f for f in files)
            lines.append("  </RandomSound>")
    lines.append("</SFX>")
    return "\n".join(lines) + "\n"


def main():
    entries = []
    for name, maker, variants, stem in EFFECTS:
        files = []
        for v in range(variants):
            file = "%s%s.wav" % (stem, v + 1 if variants > 1 else "")
            signal = maker(v)
            rms = math.sqrt(float(np.mean(signal ** 2)))
            assert rms > 0.01, "%s is nearly silent" % file
            write_wav(SFX_DIR + file, signal)
            print("wrote %s%s  %.3f s  peak %.1f dBFS" % (
                SFX_DIR, file, len(signal) / SR, 20 * math.log10(np.max(np.abs(signal)))))
            files.append(file)
        entries.append((name, files))
    path = os.path.join(ROOT, CATALOGUE)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(catalogue(entries))
    print("wrote", CATALOGUE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
