#!/usr/bin/python3
"""Synthesise the four WAVE clips that korvane.rc embeds as resources 107..110.

    gen_sounds.py [OUTPUT_DIR]      (default: resources/sounds of this repository)

Output is deterministic: pure arithmetic, no randomness, so a re-run
reproduces the committed files byte for byte.  Every clip is 16-bit PCM with
a canonical 44-byte header; the frame counts are chosen so that the file
sizes come out exactly as the resource table expects.
"""

import math
import os
import struct
import sys
import wave


def fade_window(i, n, attack, release):
    """Raised-cosine fade-in over `attack` frames and fade-out over `release`
    frames; exactly 0 at the first and the last frame, so a clip never starts
    or stops with a click."""
    g = 1.0
    if i < attack:
        g *= 0.5 - 0.5 * math.cos(math.pi * i / attack)
    j = n - 1 - i
    if j < release:
        g *= 0.5 - 0.5 * math.cos(math.pi * j / release)
    return g


def bell(t, freq, tau, partials, attack=0.004):
    """A struck tone starting at t = 0: a short attack, then each partial
    (multiple, level, decay factor) dies away exponentially; higher partials
    decay faster, which keeps the tail soft."""
    if t < 0.0:
        return 0.0
    rise = 1.0 if t >= attack else 0.5 - 0.5 * math.cos(math.pi * t / attack)
    s = 0.0
    for mult, level, decay in partials:
        s += level * math.exp(-t / (tau * decay)) * math.sin(2.0 * math.pi * freq * mult * t)
    return rise * s


def render_click(rate, n):
    # A soft "tock": a woody low body under a brief bright tick, all gone in
    # about 60 ms; the rest of the 0.2 s is silence.
    out = []
    for i in range(n):
        t = i / rate
        s = 0.55 * bell(t, 2200.0, 0.006, [(1, 1.0, 1.0)], attack=0.0008)
        s += 0.45 * bell(t, 1100.0, 0.010, [(1, 1.0, 1.0)], attack=0.0008)
        s += 0.60 * bell(t, 330.0, 0.018, [(1, 1.0, 1.0), (2, 0.3, 0.5)], attack=0.0015)
        out.append((s * fade_window(i, n, 8, int(0.02 * rate)),))
    return out


# Start-up chime: an ascending C major arpeggio (C5 E5 G5 C6), each note a
# small bell placed a little further right, so the chord opens across the
# stereo field and rings out together.
CHIME_NOTES = (
    # start (s), frequency (Hz), pan (-1 left .. +1 right)
    (0.00, 523.25, -0.50),
    (0.13, 659.26, -0.15),
    (0.26, 783.99, 0.15),
    (0.39, 1046.50, 0.50),
)
CHIME_PARTIALS = ((1, 1.0, 1.0), (2, 0.28, 0.45), (3, 0.10, 0.30), (4.2, 0.04, 0.2))


def render_chime(rate, n):
    gains = []
    for _, _, pan in CHIME_NOTES:
        angle = (pan + 1.0) * math.pi / 4.0  # equal-power pan law
        gains.append((math.cos(angle), math.sin(angle)))
    out = []
    for i in range(n):
        t = i / rate
        left = right = 0.0
        for (start, freq, _), (gl, gr) in zip(CHIME_NOTES, gains):
            s = bell(t - start, freq, 0.55, CHIME_PARTIALS, attack=0.006)
            left += gl * s
            right += gr * s
        g = fade_window(i, n, 16, int(0.30 * rate))
        out.append((left * g, right * g))
    return out


def render_correct(rate, n):
    # Two quick rising notes, C6 then G6: short, bright and clearly "yes".
    out = []
    for i in range(n):
        t = i / rate
        s = bell(t, 1046.50, 0.10, ((1, 1.0, 1.0), (2, 0.20, 0.5)))
        s += 1.1 * bell(t - 0.085, 1567.98, 0.14, ((1, 1.0, 1.0), (2, 0.15, 0.5)))
        out.append((s * fade_window(i, n, 8, int(0.06 * rate)),))
    return out


def render_wrong(rate, n):
    # Two low falling pulses (A3 then F#3) with a few soft harmonics: a mild
    # "uh-uh", reedy enough to mean "no" but without a square wave's edge.
    pulses = ((0.00, 0.20, 220.0), (0.24, 0.25, 185.0))
    harmonics = ((1, 1.0), (2, 0.45), (3, 0.22), (4, 0.08))
    spans = [(int(start * rate), int(length * rate), freq) for start, length, freq in pulses]
    out = []
    for i in range(n):
        s = 0.0
        for first, count, freq in spans:
            k = i - first
            if 0 <= k < count:
                # each pulse has its own 12 ms attack and 40 ms release
                g = fade_window(k, count, int(0.012 * rate), int(0.040 * rate))
                u = k / rate
                for mult, level in harmonics:
                    s += g * level * math.sin(2.0 * math.pi * freq * mult * u)
        out.append((s * fade_window(i, n, 8, int(0.03 * rate)),))
    return out


# id, sample rate, channels, frames, peak level (fraction of full scale),
# renderer.  File size = 44 + frames * channels * 2: 107 -> 8,848;
# 108 -> 287,248; 109 -> 22,094; 110 -> 22,092.  The peaks leave headroom
# and roughly even out loudness: the sustained "wrong" buzz would otherwise
# sound louder than the short decaying clips.
SOUNDS = (
    (107, 22050, 1, 4402, 0.60, render_click),
    (108, 44100, 2, 71801, 0.70, render_chime),
    (109, 22050, 1, 11025, 0.70, render_correct),
    (110, 22050, 1, 11024, 0.50, render_wrong),
)


def to_pcm16(frames, level):
    """Scale so the loudest sample sits at `level` of full scale, round to
    16-bit little-endian PCM, channels interleaved."""
    peak = max(abs(v) for frame in frames for v in frame) or 1.0
    k = level * 32767.0 / peak
    values = [int(round(v * k)) for frame in frames for v in frame]
    return struct.pack("<%dh" % len(values), *values)


def write_wave(path, rate, channels, frames, level):
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(to_pcm16(frames, level))


def generate(out_dir):
    """Write 107.wav .. 110.wav into out_dir; return the paths written."""
    os.makedirs(out_dir, exist_ok=True)
    paths = []
    for sound_id, rate, channels, count, level, render in SOUNDS:
        path = os.path.join(out_dir, "%d.wav" % sound_id)
        write_wave(path, rate, channels, render(rate, count), level)
        paths.append(path)
    return paths


def main(argv):
    if len(argv) > 2:
        sys.stderr.write("usage: gen_sounds.py [OUTPUT_DIR]\n")
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) == 2 else os.path.normpath(os.path.join(here, "..", "resources", "sounds"))
    for path in generate(out_dir):
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
