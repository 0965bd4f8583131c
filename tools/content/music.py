#!/usr/bin/python3
"""Composes and synthesises the game's music loops into content/music/*.ogg (a menu
theme, a story theme for the intro and the ending, and one theme per hidden-object
scene) and writes the scene-to-music table content/config/scene/music.xml.

Each loop is a whole number of bars. Notes are mixed into a circular buffer:
whatever rings past the last bar (note tails, pad releases, the reverb) wraps
around onto the first bars, and the reverb and the final tone shaping are
circular too, so the end of the file flows into its start without a click or a
gap. Melodies are written out by hand; repeats are varied with seeded passing
notes, and every note gets a slightly humanised time and strength from a fixed
seed, so each run gives the same bytes (Ogg serial numbers are fixed as well).

The encoder treats the two ends of a file as edges and may disturb them a
little. So the file starts a few ms before the first downbeat, at one of the
quietest instants there: each candidate is encoded, decoded again (oggdec), and
the one whose end runs most smoothly into its start is kept.

Instruments are additive or FM voices with their own envelopes: harp, music
box, vibraphone, electric piano, piano, nylon guitar, a soft pad, strings, a
round bass and a pizzicato bass.
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile
import wave

import numpy as np

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
MUSIC_DIR = "content/music/"
TABLE = "content/config/scene/music.xml"
SR = 44100
PEAK_DB = -3.0
QUALITY = 3


def hz(name):
    """Frequency of a note such as 'A4', 'F#3' or 'Bb2' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone, rest = steps[name[0]], name[1:]
    if rest.startswith("#"):
        semitone, rest = semitone + 1, rest[1:]
    elif rest.startswith("b"):
        semitone, rest = semitone - 1, rest[1:]
    return 440.0 * 2 ** ((semitone + 12 * (int(rest) - 4)) / 12)


def timeline(seconds):
    return np.arange(int(round(seconds * SR))) / SR


def adsr(t, attack, hold, release, tau=None):
    """Rise over `attack`, sustain (decaying with `tau` when given) until `hold`,
    then a smooth release over `release` seconds."""
    env = np.clip(t / attack, 0.0, 1.0)
    env = 0.5 - 0.5 * np.cos(math.pi * env)
    if tau:
        env = env * np.exp(-np.maximum(t - attack, 0.0) / tau)
    after = np.clip((t - hold) / release, 0.0, 1.0)
    return env * (0.5 + 0.5 * np.cos(math.pi * after))


def pluck_env(t, tau, attack=0.003, length=None):
    """A struck or plucked envelope: quick rise, exponential decay, and a short
    fade at the very end so a cut note never clicks."""
    env = np.clip(t / attack, 0.0, 1.0) * np.exp(-np.maximum(t - attack, 0.0) / tau)
    end = t[-1] if length is None else length
    return env * np.clip((end - t) / 0.05, 0.0, 1.0)


# ---------------------------------------------------------------- instruments
# Each takes a frequency, a length in seconds (how long the note is held) and a
# strength, and returns a mono signal including its natural decay.

def harp(freq, held, strength, rng):
    t = timeline(min(3.2, max(held, 0.3) + 2.2))
    out = np.zeros_like(t)
    scale = (220.0 / freq) ** 0.35
    for n in range(1, 9):
        f = freq * n * (1 + 0.0002 * n * n)
        if f > 9000:
            break
        amp = abs(math.sin(math.pi * n * 0.17)) / n ** 1.25
        tau = 1.6 * scale / (1 + 0.55 * (n - 1))
        out += amp * np.sin(2 * math.pi * f * t + rng.uniform(0, 6.28)) * pluck_env(t, tau, 0.004)
    return strength * out


def music_box(freq, held, strength, rng):
    t = timeline(2.6)
    partials = [(1.0, 1.0, 1.3), (2.0, 0.18, 0.5), (3.0, 0.05, 0.25), (5.93, 0.07, 0.06)]
    out = np.zeros_like(t)
    for ratio, amp, tau in partials:
        out += amp * np.sin(2 * math.pi * freq * ratio * t + rng.uniform(0, 6.28)) * pluck_env(t, tau, 0.002)
    return strength * out


def vibraphone(freq, held, strength, rng):
    t = timeline(min(3.5, held + 2.5))
    partials = [(1.0, 1.0, 1.8), (3.98, 0.16, 0.45), (9.85, 0.03, 0.08)]
    out = np.zeros_like(t)
    for ratio, amp, tau in partials:
        out += amp * np.sin(2 * math.pi * freq * ratio * t + rng.uniform(0, 6.28)) * pluck_env(t, tau, 0.003)
    tremolo = 1.0 - 0.18 * (0.5 - 0.5 * np.cos(2 * math.pi * 4.6 * t))
    # The player damps the bar a little after the note's written length.
    damp = np.clip(1.0 - (t - held - 0.6) / 0.8, 0.0, 1.0)
    return strength * out * tremolo * damp


def electric_piano(freq, held, strength, rng):
    """Two-operator FM: a soft bell at the strike that mellows into a round tone."""
    t = timeline(min(4.0, held + 1.2))
    index = 1.3 * np.exp(-t / 0.35) + 0.25
    mod = np.sin(2 * math.pi * freq * t)
    body = np.sin(2 * math.pi * freq * t + index * mod) * pluck_env(t, 1.6, 0.004)
    tine = 0.12 * np.sin(2 * math.pi * freq * 7.0 * t) * pluck_env(t, 0.05, 0.001)
    release = np.clip(1.0 - (t - held) / 0.5, 0.0, 1.0)
    return strength * (body + tine) * release


def piano(freq, held, strength, rng):
    t = timeline(min(4.5, held + 1.5))
    out = np.zeros_like(t)
    bright = min(1.0, 0.5 + 0.5 * strength)
    scale = (262.0 / freq) ** 0.3
    for n in range(1, 11):
        f = freq * n * math.sqrt(1 + 0.0004 * n * n)
        if f > 8000:
            break
        amp = bright ** (n - 1) * (0.7 if n == 1 else 1.0) / n ** 1.2 * math.exp(-0.1 * n)
        fast, slow = 0.12 * scale / (1 + 0.25 * n), 2.2 * scale / (1 + 0.35 * n)
        env = 0.5 * pluck_env(t, fast, 0.003) + 0.5 * pluck_env(t, slow, 0.003)
        for detune in (-0.5, 0.0, 0.6):
            out += amp / 3 * env * np.sin(2 * math.pi * (f + detune) * t + rng.uniform(0, 6.28))
    release = np.clip(1.0 - (t - held) / 0.35, 0.0, 1.0)
    return strength * out * release


def pad(freq, held, strength, rng, attack=0.7, release=1.4, harmonics=7, detune=0.0025):
    """A soft, slowly breathing pad: two slightly detuned voices with gently
    rolled-off harmonics (returned separately so they can sit left and right)."""
    t = timeline(held + release)
    env = adsr(t, attack, held, release)
    voices = []
    for sign in (-1, 1):
        f = freq * (1 + sign * detune)
        wobble = 1 + 0.0015 * np.sin(2 * math.pi * (0.21 + 0.05 * sign) * t + rng.uniform(0, 6.28))
        phase = 2 * math.pi * np.cumsum(np.full_like(t, f) * wobble) / SR
        voice = np.zeros_like(t)
        for n in range(1, harmonics + 1):
            if f * n > 6000:
                break
            voice += np.sin(n * phase + rng.uniform(0, 6.28)) / n ** 1.8
        voices.append(strength * env * voice)
    return voices


def strings(freq, held, strength, rng):
    """Section strings: like the pad, with a slower bowed swell, more harmonics
    and a little more spread between the two voices."""
    return pad(freq, held, strength, rng, attack=0.9, release=1.2, harmonics=9, detune=0.003)


def bass(freq, held, strength, rng):
    t = timeline(held + 0.6)
    tone = np.sin(2 * math.pi * freq * t) + 0.28 * np.sin(4 * math.pi * freq * t) \
        + 0.08 * np.sin(6 * math.pi * freq * t)
    env = adsr(t, 0.02, held, 0.5, tau=2.5)
    return strength * tone * env


def guitar(freq, held, strength, rng):
    """A nylon-string guitar plucked a fifth of the way along the string: bright
    at the pluck, mellowing quickly; the hand damps it soon after its length."""
    t = timeline(min(2.6, held + 0.9))
    out = np.zeros_like(t)
    scale = (196.0 / freq) ** 0.3
    for n in range(1, 13):
        f = freq * n * (1 + 0.00008 * n * n)
        if f > 8000:
            break
        amp = max(abs(math.sin(math.pi * n * 0.2)), 0.08) / n ** 1.1
        tau = 1.1 * scale / (1 + 0.7 * (n - 1))
        out += amp * np.sin(2 * math.pi * f * t + rng.uniform(0, 6.28)) * pluck_env(t, tau, 0.002)
    damp = np.clip(1.0 - (t - held - 0.08) / 0.18, 0.0, 1.0)
    return strength * out * damp


def pizzicato(freq, held, strength, rng):
    """A plucked double bass: a round, short thump that dies within a second
    whatever its written length."""
    t = timeline(1.1)
    out = np.zeros_like(t)
    for n in range(1, 7):
        tau = 0.42 / (1 + 0.6 * (n - 1))
        out += np.sin(2 * math.pi * freq * n * t + rng.uniform(0, 6.28)) / n ** 1.5 * pluck_env(t, tau, 0.006)
    return strength * out


# ---------------------------------------------------------------- arranging

class Loop:
    """A circular stereo buffer of a whole number of bars."""

    def __init__(self, bpm, beats_per_bar, bars, seed):
        self.beat = SR * 60.0 / bpm
        self.beats_per_bar = beats_per_bar
        self.bars = bars
        self.length = int(round(bars * beats_per_bar * self.beat))
        self.out = np.zeros((self.length, 2))
        self.rng = np.random.default_rng(seed)

    def seconds(self, beats):
        return beats * self.beat / SR

    def add(self, beat, signal, position=0.0, gain=1.0, swing=0.006):
        """Mixes a mono signal (or a left/right pair of voices) in at a beat,
        wrapping whatever passes the end of the loop back onto its start."""
        start = int(round(beat * self.beat + self.rng.normal(0.0, swing) * SR)) % self.length
        if isinstance(signal, list):
            spread = 0.35
            stereo = sum(placed(voice, position + s * spread) for voice, s in zip(signal, (-1, 1)))
        else:
            stereo = placed(signal, position)
        stereo = stereo * gain
        n = min(len(stereo), self.length)
        first = min(n, self.length - start)
        self.out[start:start + first] += stereo[:first]
        if first < n:
            self.out[:n - first] += stereo[first:n]

    def play(self, instrument, beat, name, beats, strength, position=0.0, gain=1.0, swing=0.006):
        jitter = float(np.clip(self.rng.normal(1.0, 0.06), 0.85, 1.15))
        signal = instrument(hz(name), self.seconds(beats), strength * jitter, self.rng)
        self.add(beat, signal, position, gain, swing)


def placed(signal, position):
    """Equal-power panning of a mono signal; -1 is left, 1 is right."""
    angle = (max(-1.0, min(1.0, position)) + 1) * math.pi / 4
    return np.stack([signal * math.cos(angle), signal * math.sin(angle)], axis=1)


def circular_filter(x, response):
    """Applies a frequency response (a function of Hz) to the loop as a whole,
    wrapping around its ends."""
    spectrum = np.fft.rfft(x, axis=0)
    freqs = np.fft.rfftfreq(len(x), 1.0 / SR)
    return np.fft.irfft(spectrum * response(freqs)[:, None], n=len(x), axis=0)


def reverb(x, seed, seconds=2.4, decay=0.32, wet=0.22):
    """A small hall: a few early reflections and a dense, darkening tail of
    decaying noise (different on each side), convolved around the loop."""
    rng = np.random.default_rng(seed)
    n = int(seconds * SR)
    t = np.arange(n) / SR
    tails = []
    for channel in range(2):
        tail = rng.standard_normal(n) * np.exp(-t / decay)
        # Higher frequencies die away sooner, as in a furnished room.
        spectrum = np.fft.rfft(tail)
        freqs = np.fft.rfftfreq(n, 1.0 / SR)
        tail = np.fft.irfft(spectrum / (1 + (freqs / 3500.0) ** 2), n=n)
        tail[:int(0.02 * SR)] = 0.0
        for delay, gain in ((0.011, 0.5), (0.019, 0.35), (0.027 + 0.004 * channel, 0.28), (0.041, 0.2)):
            tail[int(delay * SR)] += gain * np.max(np.abs(tail))
        tails.append(tail / math.sqrt(np.sum(tail ** 2)))
    ir = np.zeros((len(x), 2))
    ir[:n] = np.stack(tails, axis=1)
    wet_signal = np.fft.irfft(np.fft.rfft(x, axis=0) * np.fft.rfft(ir, axis=0), n=len(x), axis=0)
    return x + wet * wet_signal


def master(x, rms_db=None):
    """Gentle tone shaping (a little less sub-bass and top), then a fixed peak.
    With `rms_db` the loop is turned down further where its average level
    (RMS, dBFS) would be higher, so that denser arrangements do not sound
    louder than the sparse ones."""
    shaped = circular_filter(x, lambda f: (1 / (1 + (f / 9000.0) ** 4))
                             * ((f / 35.0) ** 2 / (1 + (f / 35.0) ** 2)))
    shaped = shaped * (10 ** (PEAK_DB / 20) / np.max(np.abs(shaped)))
    if rms_db is not None:
        rms = math.sqrt(float(np.mean(shaped ** 2)))
        shaped = shaped * min(1.0, 10 ** (rms_db / 20) / rms)
    return shaped


def quiet_starts(x, before=0.2, count=6, apart=0.005):
    """Places where the file may start: the quietest instants of the last
    `before` seconds ahead of the first downbeat, as amounts to turn the loop
    by. Turning leaves the loop itself unchanged."""
    n = int(before * SR)
    window = np.concatenate([x[-n:], x[:1]])
    slope = np.abs(np.diff(window, axis=0, append=window[-1:]))
    cost = np.abs(window).sum(axis=1) + 4 * slope.sum(axis=1)
    picks = []
    for i in np.argsort(cost, kind="stable"):
        if all(abs(int(i) - p) >= apart * SR for p in picks):
            picks.append(int(i))
        if len(picks) == count:
            break
    return [n - i for i in picks]


def ornament(rng, phrase, scale, chance):
    """Varies a repeat: some longer notes break into a note and a neighbour."""
    varied = []
    for bar in phrase:
        notes = []
        for beat, name, length in bar:
            if length >= 1 and rng.random() < chance:
                index = scale.index(name) if name in scale else None
                if index is not None and 0 < index < len(scale) - 1:
                    neighbour = scale[index + (1 if rng.random() < 0.5 else -1)]
                    notes += [(beat, name, length - 0.5), (beat + length - 0.5, neighbour, 0.5)]
                    continue
            notes.append((beat, name, length))
        varied.append(notes)
    return varied


def melody(loop, instrument, first_bar, phrase, strength, position=0.0, gain=1.0):
    for i, bar in enumerate(phrase):
        for beat, name, length in bar:
            accent = 1.0 if beat == 0 else 0.85
            loop.play(instrument, (first_bar + i) * loop.beats_per_bar + beat, name, length,
                      strength * accent, position, gain)


# ---------------------------------------------------------------- the themes

def menu_theme():
    """Warm, cosy and a little mysterious: A minor in 3/4 at 90 bpm. Harp
    arpeggios over a soft pad and bass; a music box sings the tune."""
    loop = Loop(90, 3, 32, seed=9001)
    chords = [  # bass, pad voicing, arpeggio (six quavers)
        ("A2", ["A3", "C4", "E4"], ["A2", "E3", "A3", "C4", "E4", "C4"]),
        ("F2", ["A3", "C4", "F4"], ["F2", "C3", "F3", "A3", "C4", "A3"]),
        ("C3", ["G3", "C4", "E4"], ["C3", "G3", "C4", "E4", "G4", "E4"]),
        ("G2", ["G3", "B3", "D4"], ["G2", "D3", "G3", "B3", "D4", "B3"]),
        ("A2", ["A3", "C4", "E4"], ["A2", "E3", "A3", "C4", "E4", "C4"]),
        ("F2", ["A3", "C4", "F4"], ["F2", "C3", "F3", "A3", "C4", "A3"]),
        ("D3", ["A3", "D4", "F4"], ["D3", "A3", "D4", "F4", "A4", "F4"]),
        ("E2", ["G#3", "B3", "E4"], ["E2", "B2", "E3", "G#3", "B3", "G#3"]),
    ]
    tune_a = [
        [(0, "E5", 1), (1, "A5", 1), (2, "B5", 1)],
        [(0, "C6", 2), (2, "A5", 1)],
        [(0, "G5", 1.5), (1.5, "E5", 0.5), (2, "G5", 1)],
        [(0, "D5", 3)],
        [(0, "E5", 1), (1, "A5", 1), (2, "B5", 1)],
        [(0, "C6", 1), (1, "D6", 1), (2, "C6", 1)],
        [(0, "B5", 1), (1, "A5", 1), (2, "F5", 1)],
        [(0, "B5", 1), (1, "G#5", 2)],
    ]
    tune_b = [
        [(0, "C6", 2), (2, "B5", 1)],
        [(0, "A5", 2), (2, "C6", 1)],
        [(0, "E6", 1.5), (1.5, "D6", 0.5), (2, "C6", 1)],
        [(0, "B5", 2), (2, "D6", 1)],
        [(0, "C6", 1), (1, "B5", 1), (2, "A5", 1)],
        [(0, "A5", 1), (1, "G5", 1), (2, "F5", 1)],
        [(0, "F5", 1.5), (1.5, "E5", 0.5), (2, "D5", 1)],
        [(0, "E5", 3)],
    ]
    # A quiet pass: a few long notes that lead back to the tune at the top.
    tune_rest = [
        [(0, "E5", 3)], [], [(0, "G5", 3)], [],
        [(0, "A5", 3)], [], [(0, "F5", 3)], [(0, "E5", 2)],
    ]
    a_minor = ["D5", "E5", "F5", "G5", "A5", "B5", "C6", "D6", "E6"]
    tune_a2 = ornament(loop.rng, tune_a, a_minor, 0.45)

    intensity = [0.8, 0.9, 1.0, 0.65]
    for bar in range(loop.bars):
        root, voicing, arpeggio = chords[bar % 8]
        level = intensity[bar // 8]
        beat = bar * 3
        loop.play(bass, beat, root, 2.6, 0.55 * level, 0.0)
        for name in voicing:
            loop.add(beat, pad(hz(name), loop.seconds(3.0), 0.075 * level, loop.rng), 0.0)
        for i, name in enumerate(arpeggio):
            loop.play(harp, beat + 0.5 * i, name, 0.5, (0.3 if i else 0.38) * level, -0.35 + 0.12 * i)
    melody(loop, music_box, 0, tune_a, 0.42, 0.2)
    melody(loop, music_box, 8, tune_a2, 0.45, 0.2)
    melody(loop, music_box, 16, tune_b, 0.48, 0.2)
    melody(loop, music_box, 24, tune_rest, 0.3, 0.2)
    return loop


def inn_theme():
    """Calm and unobtrusive, for the rooms and the puzzles: F major in 4/4 at
    80 bpm. Electric piano chords, a round bass, a faint pad, and a vibraphone
    tune that comes and goes."""
    loop = Loop(80, 4, 20, seed=9002)
    chords = [  # bass (beat 1, beat 3), electric piano voicing, pad voicing
        (("F2", "C3"), ["A3", "C4", "E4", "G4"], ["F3", "A3", "C4"]),
        (("A2", "E2"), ["G3", "C4", "E4", "A4"], ["E3", "A3", "C4"]),
        (("Bb2", "F2"), ["A3", "D4", "F4", "A4"], ["F3", "Bb3", "D4"]),
        (("C3", "G2"), ["Bb3", "D4", "E4", "G4"], ["G3", "Bb3", "E4"]),
    ]
    tune_a = [
        [(0, "A5", 1.5), (1.5, "G5", 0.5), (2, "F5", 1), (3, "C5", 1)],
        [(0, "E5", 2), (2, "G5", 1), (3, "A5", 1)],
        [(0, "D5", 1.5), (1.5, "F5", 0.5), (2, "A5", 2)],
        [(0, "G5", 3)],
        [(0, "A5", 1.5), (1.5, "G5", 0.5), (2, "F5", 1), (3, "A5", 1)],
        [(0, "C6", 2), (2, "A5", 1), (3, "G5", 1)],
        [(0, "F5", 1), (1, "G5", 1), (2, "A5", 1), (3, "F5", 1)],
        [(0, "E5", 2), (2, "G5", 2)],
    ]
    tune_b = [
        [(0, "C6", 2), (2, "A5", 1), (3, "F5", 1)],
        [(0, "E5", 1), (1, "G5", 1), (2, "C6", 2)],
        [(0, "D6", 1.5), (1.5, "C6", 0.5), (2, "A5", 1), (3, "F5", 1)],
        [(0, "G5", 2), (2, "E5", 1), (3, "G5", 1)],
        [(0, "A5", 2), (2, "F5", 1), (3, "G5", 1)],
        [(0, "A5", 1.5), (1.5, "G5", 0.5), (2, "E5", 2)],
        [(0, "D5", 1), (1, "F5", 1), (2, "A5", 1), (3, "G5", 1)],
        [(0, "E5", 4)],
    ]
    comp = [(0, 1.4, 1.0), (1.5, 1.0, 0.7), (2.5, 1.4, 0.8)]  # beat, length, accent
    for bar in range(loop.bars):
        (root, fifth), keys, voicing = chords[bar % 4]
        beat = bar * 4
        level = 0.8 if bar < 4 else 1.0
        loop.play(bass, beat, root, 1.8, 0.42 * level)
        loop.play(bass, beat + 2, fifth, 1.8, 0.34 * level)
        for at, length, accent in comp:
            for i, name in enumerate(keys):
                loop.play(electric_piano, beat + at + 0.012 * i, name, length,
                          0.13 * accent * level, -0.3 + 0.2 * i, swing=0.004)
        for name in voicing:
            loop.add(beat, pad(hz(name), loop.seconds(4.0), 0.04 * level, loop.rng, 1.2, 1.8), 0.0)
    melody(loop, vibraphone, 4, tune_a, 0.36, 0.25)
    melody(loop, vibraphone, 12, tune_b, 0.36, 0.25)
    return loop


def story_theme():
    """Tender and a little wistful, for the intro and the ending: G major in 3/4
    at 72 bpm. A piano with broken chords and a simple tune; strings join on
    the second pass."""
    loop = Loop(72, 3, 24, seed=9003)
    chords = [  # bass, left-hand quavers, string voicing
        ("G2", ["G2", "D3", "G3", "B3", "D4", "B3"], ["G3", "B3", "D4"]),
        ("F#2", ["F#2", "D3", "A3", "D4", "F#4", "D4"], ["F#3", "A3", "D4"]),
        ("E2", ["E2", "B2", "E3", "G3", "B3", "G3"], ["E3", "G3", "B3"]),
        ("C3", ["C3", "G3", "C4", "E4", "G4", "E4"], ["E3", "G3", "C4"]),
        ("B2", ["B2", "D3", "G3", "B3", "D4", "B3"], ["D3", "G3", "B3"]),
        ("A2", ["A2", "E3", "A3", "C4", "E4", "C4"], ["E3", "A3", "C4"]),
        ("D3", ["D3", "A3", "C4", "G4", "A4", "G4"], ["C4", "D4", "G4"]),
        ("D2", ["D3", "A3", "C4", "F#4", "A4", "F#4"], ["C4", "D4", "F#4"]),
    ]
    tune_a = [
        [(0, "B4", 2), (2, "D5", 1)],
        [(0, "C5", 1), (1, "B4", 1), (2, "A4", 1)],
        [(0, "G4", 2), (2, "B4", 1)],
        [(0, "E5", 3)],
        [(0, "D5", 2), (2, "G5", 1)],
        [(0, "E5", 1.5), (1.5, "D5", 0.5), (2, "C5", 1)],
        [(0, "B4", 1), (1, "A4", 1), (2, "G4", 1)],
        [(0, "A4", 3)],
    ]
    tune_b = [
        [(0, "D5", 2), (2, "G5", 1)],
        [(0, "F#5", 1), (1, "E5", 1), (2, "D5", 1)],
        [(0, "E5", 1.5), (1.5, "F#5", 0.5), (2, "G5", 1)],
        [(0, "G5", 2), (2, "E5", 1)],
        [(0, "D5", 1), (1, "B4", 1), (2, "D5", 1)],
        [(0, "C5", 1), (1, "E5", 1), (2, "A5", 1)],
        [(0, "G5", 1.5), (1.5, "F#5", 0.5), (2, "E5", 1)],
        [(0, "F#5", 3)],
    ]
    g_major = ["E4", "F#4", "G4", "A4", "B4", "C5", "D5", "E5", "F#5", "G5", "A5"]
    tune_a3 = ornament(loop.rng, tune_a, g_major, 0.35)
    intensity = [0.85, 1.0, 0.8]
    for bar in range(loop.bars):
        root, broken, voicing = chords[bar % 8]
        level = intensity[bar // 8]
        beat = bar * 3
        loop.play(bass, beat, root, 2.8, 0.2 * level)
        for i, name in enumerate(broken):
            loop.play(piano, beat + 0.5 * i, name, 3.0 - 0.5 * i, (0.2 if i else 0.26) * level,
                      -0.25 + 0.06 * i)
        if bar >= 8:
            string_level = 0.05 if bar < 16 else 0.035
            for name in voicing:
                loop.add(beat, strings(hz(name), loop.seconds(3.0), string_level, loop.rng), 0.0)
    melody(loop, piano, 0, tune_a, 0.42, 0.15)
    melody(loop, piano, 8, tune_b, 0.45, 0.15)
    melody(loop, piano, 16, tune_a3, 0.38, 0.15)
    return loop


def library_theme():
    """Calm, bookish and a little mysterious, for the library: D minor in 4/4 at
    64 bpm. Rolling harp quavers over soft strings and a low bass; a music box
    tune that lingers on the leading note C#."""
    loop = Loop(64, 4, 16, seed=9004)
    chords = [  # bass, string voicing, harp quavers
        ("D2", ["D3", "F3", "A3"], ["D3", "A3", "D4", "F4", "A4", "F4", "D4", "A3"]),
        ("Bb1", ["D3", "F3", "A3"], ["Bb2", "F3", "A3", "D4", "F4", "D4", "A3", "F3"]),
        ("G2", ["D3", "F3", "Bb3"], ["G2", "D3", "F3", "Bb3", "D4", "Bb3", "F3", "D3"]),
        ("A1", ["C#3", "E3", "A3"], ["A2", "E3", "A3", "C#4", "E4", "C#4", "A3", "E3"]),
        ("D2", ["D3", "F3", "A3"], ["D3", "A3", "D4", "F4", "A4", "F4", "D4", "A3"]),
        ("C2", ["C3", "F3", "A3"], ["C3", "F3", "A3", "C4", "F4", "C4", "A3", "F3"]),
        ("Bb1", ["D3", "F3", "Bb3"], ["Bb2", "F3", "Bb3", "D4", "F4", "D4", "Bb3", "F3"]),
        ("A1", ["C#3", "E3", "G3"], ["A2", "E3", "G3", "C#4", "E4", "C#4", "G3", "E3"]),
    ]
    tune_a = [
        [(0, "A5", 1.5), (1.5, "G5", 0.5), (2, "F5", 1), (3, "E5", 1)],
        [(0, "D5", 2), (2, "F5", 1), (3, "A5", 1)],
        [(0, "Bb5", 1.5), (1.5, "A5", 0.5), (2, "G5", 1), (3, "D5", 1)],
        [(0, "C#5", 3), (3, "E5", 1)],
        [(0, "A5", 1.5), (1.5, "G5", 0.5), (2, "F5", 1), (3, "A5", 1)],
        [(0, "C6", 2), (2, "A5", 1), (3, "F5", 1)],
        [(0, "D6", 1), (1, "C6", 1), (2, "Bb5", 1), (3, "F5", 1)],
        [(0, "E5", 2), (2, "C#5", 1), (3, "E5", 1)],
    ]
    tune_b = [
        [(0, "D6", 2), (2, "C6", 1), (3, "A5", 1)],
        [(0, "Bb5", 1.5), (1.5, "A5", 0.5), (2, "F5", 2)],
        [(0, "G5", 1), (1, "Bb5", 1), (2, "D6", 2)],
        [(0, "C#6", 2), (2, "A5", 1), (3, "E5", 1)],
        [(0, "F5", 1), (1, "E5", 1), (2, "D5", 1), (3, "A5", 1)],
        [(0, "A5", 2), (2, "G5", 1), (3, "F5", 1)],
        [(0, "F5", 1.5), (1.5, "E5", 0.5), (2, "D5", 2)],
        [(0, "E5", 3)],
    ]
    intensity = [0.85, 0.95, 1.0, 0.75]
    for bar in range(loop.bars):
        root, voicing, quavers = chords[bar % 8]
        level = intensity[bar // 4]
        beat = bar * 4
        loop.play(bass, beat, root, 3.4, 0.36 * level)
        for name in voicing:
            loop.add(beat, strings(hz(name), loop.seconds(4.0), 0.06 * level, loop.rng), 0.0)
        for i, name in enumerate(quavers):
            loop.play(harp, beat + 0.5 * i, name, 0.5, (0.3 if i % 4 else 0.36) * level, -0.4 + 0.08 * i)
    # The second time round, a high string line answers the tune.
    for bar, name in enumerate(["A4", "A4", "Bb4", "A4", "F4", "F4", "D4", "C#4"]):
        loop.add((8 + bar) * 4, strings(hz(name), loop.seconds(4.0), 0.035, loop.rng), -0.3)
    melody(loop, music_box, 0, tune_a, 0.4, 0.25)
    melody(loop, music_box, 8, tune_b, 0.42, 0.25)
    return loop


def music_room_theme():
    """A gentle piano waltz on a rainy evening, for the music room: E flat major
    in 3/4 at 96 bpm. Bass on the downbeat and soft chords on two and three,
    a tune that turns wistful over A flat minor, and high notes dripping now
    and then like rain on the window; strings join quietly on the second pass."""
    loop = Loop(96, 3, 32, seed=9005)
    chords = [  # bass, chord on beats two and three
        ("Eb2", ["G3", "Bb3", "Eb4"]), ("C3", ["G3", "C4", "Eb4"]),
        ("Ab2", ["Ab3", "C4", "Eb4"]), ("Bb2", ["Ab3", "D4", "F4"]),
        ("Eb2", ["G3", "Bb3", "Eb4"]), ("G2", ["G3", "Bb3", "D4"]),
        ("Ab2", ["Ab3", "C4", "Eb4"]), ("Bb2", ["F3", "Bb3", "D4"]),
        ("C3", ["G3", "C4", "Eb4"]), ("Ab2", ["Ab3", "C4", "Eb4"]),
        ("F2", ["F3", "Ab3", "C4"]), ("Bb2", ["Ab3", "D4", "F4"]),
        ("G2", ["G3", "Bb3", "Eb4"]), ("Ab2", ["Ab3", "Cb4", "Eb4"]),
        ("Bb2", ["Ab3", "D4", "F4"]), ("Eb2", ["G3", "Bb3", "Eb4"]),
    ]
    tune = [
        [(0, "Bb4", 1), (1, "Eb5", 1), (2, "G5", 1)],
        [(0, "G5", 2), (2, "F5", 1)],
        [(0, "Eb5", 2), (2, "C5", 1)],
        [(0, "D5", 1.5), (1.5, "Eb5", 0.5), (2, "F5", 1)],
        [(0, "G5", 2), (2, "Bb5", 1)],
        [(0, "Bb5", 1.5), (1.5, "G5", 0.5), (2, "D5", 1)],
        [(0, "C6", 1), (1, "Bb5", 1), (2, "Ab5", 1)],
        [(0, "F5", 3)],
        [(0, "Eb5", 1), (1, "G5", 1), (2, "C6", 1)],
        [(0, "C6", 1.5), (1.5, "Bb5", 0.5), (2, "Ab5", 1)],
        [(0, "Ab5", 2), (2, "F5", 1)],
        [(0, "D5", 2), (2, "F5", 1)],
        [(0, "Eb5", 1.5), (1.5, "F5", 0.5), (2, "G5", 1)],
        [(0, "Eb5", 2), (2, "Cb5", 1)],
        [(0, "D5", 1), (1, "F5", 1), (2, "Ab5", 1)],
        [(0, "G5", 3)],
    ]
    eb_major = ["Bb4", "C5", "D5", "Eb5", "F5", "G5", "Ab5", "Bb5", "C6"]
    tune2 = ornament(loop.rng, tune, eb_major, 0.35)
    drops = ["Bb5", "C6", "Eb6", "F6", "G6", "Bb6"]
    for bar in range(loop.bars):
        root, chord = chords[bar % 16]
        level = 0.85 if bar < 16 else 1.0
        beat = bar * 3
        loop.play(piano, beat, root, 2.6, 0.28 * level, -0.2)
        for at in (1, 2):
            for i, name in enumerate(chord):
                loop.play(piano, beat + at + 0.01 * i, name, 0.8, 0.14 * level, -0.1 + 0.08 * i, swing=0.004)
        if bar >= 16:
            for name in chord:
                loop.add(beat, strings(hz(name), loop.seconds(3.0), 0.035, loop.rng), 0.0)
        # Rain on the window: now and then a soft high note, anywhere in the bar.
        for quaver in range(6):
            if loop.rng.random() < 0.14:
                name = drops[int(loop.rng.integers(len(drops)))]
                loop.play(piano, beat + 0.5 * quaver, name, 0.5, 0.07, float(loop.rng.uniform(-0.7, 0.7)))
    melody(loop, piano, 0, tune, 0.36, 0.1)
    melody(loop, piano, 16, tune2, 0.38, 0.1)
    return loop


def kitchen_theme():
    """Bright and cosy, a morning in the kitchen: D major in 4/4 at 120 bpm. A
    strummed nylon guitar and a bouncing pizzicato bass; a harp sings the tune,
    a music box takes it over on the repeat, and the last bars rest on long
    notes before it all starts again."""
    loop = Loop(120, 4, 32, seed=9006)
    chords = [  # bass (beat 1, beat 3), guitar voicing
        (("D2", "A2"), ["D3", "A3", "D4", "F#4"]), (("G2", "D2"), ["G3", "B3", "D4", "G4"]),
        (("E2", "B2"), ["E3", "B3", "D4", "G4"]), (("A2", "E2"), ["E3", "A3", "C#4", "G4"]),
        (("D2", "A2"), ["D3", "A3", "D4", "F#4"]), (("B2", "F#2"), ["F#3", "B3", "D4", "F#4"]),
        (("G2", "D2"), ["G3", "B3", "D4", "G4"]), (("A2", "E2"), ["E3", "A3", "C#4", "E4"]),
        (("G2", "D2"), ["G3", "B3", "D4", "G4"]), (("A2", "E2"), ["E3", "A3", "C#4", "E4"]),
        (("F#2", "C#3"), ["F#3", "A3", "C#4", "F#4"]), (("B2", "F#2"), ["F#3", "B3", "D4", "F#4"]),
        (("G2", "D2"), ["G3", "B3", "D4", "G4"]), (("F#2", "A2"), ["F#3", "A3", "D4", "F#4"]),
        (("E2", "B2"), ["E3", "B3", "D4", "G4"]), (("A2", "C#3"), ["E3", "A3", "C#4", "G4"]),
    ]
    tune_a = [
        [(0, "F#5", 0.5), (0.5, "A5", 0.5), (1, "D6", 1), (2, "A5", 1), (3, "F#5", 1)],
        [(0, "G5", 1.5), (1.5, "B5", 0.5), (2, "D6", 1), (3, "B5", 1)],
        [(0, "G5", 1), (1, "E5", 0.5), (1.5, "F#5", 0.5), (2, "G5", 1), (3, "B5", 1)],
        [(0, "A5", 1.5), (1.5, "G5", 0.5), (2, "E5", 2)],
        [(0, "F#5", 0.5), (0.5, "A5", 0.5), (1, "D6", 1), (2, "C#6", 0.5), (2.5, "D6", 0.5), (3, "A5", 1)],
        [(0, "B5", 1.5), (1.5, "A5", 0.5), (2, "F#5", 1), (3, "D5", 1)],
        [(0, "E5", 0.5), (0.5, "F#5", 0.5), (1, "G5", 1), (2, "B5", 1), (3, "G5", 1)],
        [(0, "A5", 3), (3.5, "E5", 0.5)],
    ]
    tune_b = [
        [(0, "B5", 1), (1, "D6", 1), (2, "B5", 0.5), (2.5, "A5", 0.5), (3, "G5", 1)],
        [(0, "A5", 1), (1, "C#6", 1), (2, "E6", 1.5), (3.5, "C#6", 0.5)],
        [(0, "C#6", 1.5), (1.5, "A5", 0.5), (2, "F#5", 2)],
        [(0, "D6", 1), (1, "C#6", 0.5), (1.5, "B5", 0.5), (2, "F#5", 2)],
        [(0, "G5", 0.5), (0.5, "A5", 0.5), (1, "B5", 1), (2, "D6", 1), (3, "B5", 1)],
        [(0, "A5", 1.5), (1.5, "F#5", 0.5), (2, "D5", 1), (3, "F#5", 1)],
        [(0, "E5", 1), (1, "G5", 1), (2, "B5", 1), (3, "D6", 1)],
        [(0, "C#6", 1.5), (1.5, "B5", 0.5), (2, "A5", 1.5), (3.5, "E5", 0.5)],
    ]
    # The resting pass: long notes that lead back to the tune at the top.
    tune_rest = [
        [(0, "D6", 4)], [(0, "B5", 4)], [(0, "C#6", 2), (2, "A5", 2)], [(0, "B5", 4)],
        [(0, "B5", 2), (2, "D6", 2)], [(0, "A5", 4)], [(0, "G5", 2), (2, "B5", 2)], [(0, "A5", 3)],
    ]
    d_major = ["D5", "E5", "F#5", "G5", "A5", "B5", "C#6", "D6", "E6"]
    tune_a2 = ornament(loop.rng, tune_a, d_major, 0.3)
    # Strokes of the strum: beat, down (True) or up, strength.
    strum = [(0, True, 0.6), (1, True, 1.0), (1.5, False, 0.55), (2.5, False, 0.6), (3, True, 0.95),
             (3.5, False, 0.55)]
    for bar in range(loop.bars):
        (root, other), voicing = chords[bar % 16]
        level = 0.75 if bar >= 24 else 1.0
        beat = bar * 4
        loop.play(pizzicato, beat, root, 1.0, 0.42 * level, 0.0)
        loop.play(pizzicato, beat + 2, other, 1.0, 0.36 * level, 0.0)
        if bar % 2 == 1 and bar < 24:
            loop.play(pizzicato, beat + 3.5, other, 0.5, 0.22, 0.0)
        for k, (at, down, accent) in enumerate(strum):
            length = strum[k + 1][0] - at if k + 1 < len(strum) else 4 - at
            order = voicing if down else voicing[::-1]
            for i, name in enumerate(order):
                loop.play(guitar, beat + at + 0.025 * i, name, length, 0.15 * accent * level,
                          -0.35 + 0.05 * i, swing=0.003)
    melody(loop, harp, 0, tune_a, 0.38, 0.3)
    melody(loop, harp, 8, tune_b, 0.4, 0.3)
    melody(loop, music_box, 16, tune_a2, 0.24, 0.3)
    melody(loop, harp, 24, tune_rest, 0.3, 0.3)
    return loop


# (file, composer, Ogg serial number, highest RMS in dBFS or None)
THEMES = [
    ("MenuTheme.ogg", menu_theme, 7101, None),
    ("InnTheme.ogg", inn_theme, 7102, None),
    ("StoryTheme.ogg", story_theme, 7103, None),
    ("LibraryTheme.ogg", library_theme, 7104, -18.6),
    ("MusicRoomTheme.ogg", music_room_theme, 7105, -19.0),
    ("KitchenTheme.ogg", kitchen_theme, 7106, -20.3),
]

# Scene ids: 9999 the menus, 1-4 the hidden-object scenes (with their story
# slides and mini-games), 100 the intro and the ending.
SCENE_MUSIC = [("9999", "MenuTheme.ogg"), ("1", "InnTheme.ogg"), ("2", "LibraryTheme.ogg"),
               ("3", "MusicRoomTheme.ogg"), ("4", "KitchenTheme.ogg"), ("100", "StoryTheme.ogg")]


def encode(path, signal, serial, work):
    pcm = np.round(np.clip(signal, -1.0, 1.0) * 32767).astype("<i2")
    source = os.path.join(work, "loop.wav")
    with wave.open(source, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(SR)
        out.writeframes(pcm.tobytes())
    subprocess.run(["oggenc", "-Q", "-q", str(QUALITY), "--serial", str(serial),
                    "-a", "Quill Games", "-t", os.path.splitext(os.path.basename(path))[0],
                    "-o", path, source], check=True)


def joint_error(path):
    """How far the decoded file jumps where its end runs into its start: the
    distance of each side's first sample from where the other side's last two
    samples point."""
    raw = subprocess.run(["oggdec", "-Q", "-R", "-b", "16", "-e", "0", "-s", "1", "-o", "-", path],
                         check=True, stdout=subprocess.PIPE).stdout
    x = np.frombuffer(raw, "<i2").reshape(-1, 2).astype(float) / 32768
    forward = np.abs(x[0] - (2 * x[-1] - x[-2]))
    backward = np.abs(x[-1] - (2 * x[0] - x[1]))
    return float(max(forward.max(), backward.max()))


def write_loop(relative, mixed, serial):
    """Encodes the loop from each candidate start and keeps the file whose
    decoded joint is smoothest: the encoder treats the two ends of a file as
    edges, and how much it disturbs them depends on the material there."""
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    best = None
    starts = quiet_starts(mixed)
    print("encoding %s from %d candidate starts" % (relative, len(starts)), flush=True)
    with tempfile.TemporaryDirectory() as work:
        for k, shift in enumerate(starts):
            candidate = os.path.join(work, "candidate%d.ogg" % k)
            encode(candidate, np.roll(mixed, shift, axis=0), serial, work)
            error = joint_error(candidate)
            if best is None or error < best[0]:
                best = (error, shift, candidate)
        shutil.copyfile(best[2], path)
    return best[0], best[1]


def table():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', '<SceneMusic path="%s">' % MUSIC_DIR]
    for index, file in SCENE_MUSIC:
        lines += ['  <Scene index="%s">' % index, '    <Music file="%s"/>' % file, "  </Scene>"]
    lines.append("</SceneMusic>")
    return "\n".join(lines) + "\n"


def main():
    for n, (file, composer, serial, rms_db) in enumerate(THEMES, 1):
        # A theme takes ten seconds or more to compose and mix before it is encoded.
        print("composing %s%s (%d/%d)" % (MUSIC_DIR, file, n, len(THEMES)), flush=True)
        loop = composer()
        mixed = master(reverb(loop.out, serial), rms_db)
        jump, shift = write_loop(MUSIC_DIR + file, mixed, serial)
        rms = 20 * math.log10(math.sqrt(float(np.mean(mixed ** 2))))
        print("wrote %s%s  %d bars, %.2f s, rms %.1f dBFS, starts %.1f ms before the "
              "downbeat, jump at the joint %.4f" % (MUSIC_DIR, file, loop.bars, loop.length / SR,
                                                    rms, 1000.0 * shift / SR, jump))
    path = os.path.join(ROOT, TABLE)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(table())
    print("wrote", TABLE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
