#!/usr/bin/env python3
"""Synthesises the program's two sounds into resources/sons/.

    python3 tools/generer_sons.py [DOSSIER]

DOSSIER defaults to resources/sons beside this script's folder.  Writes
click.wav (the soft click every button plays) and alarm.wav (one ring of the
alarm clock, replayed every 2 s while the alarm rings, so it must stay well
under 2 s and end in silence).  Both are PCM 16-bit mono at 44100 Hz.

Only the standard library is used, and the noise comes from a seeded
generator, so a run gives the same bytes on every machine.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 44100


def write_wav(path, samples):
    """Writes float samples in [-1, 1] as 16-bit little-endian PCM."""
    frames = bytearray()
    for s in samples:
        v = max(-1.0, min(1.0, s))
        frames += struct.pack("<h", int(round(v * 32767)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def normalise(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples]


def fade_edges(samples, fade_in_s, fade_out_s):
    """Short raised-cosine fades so neither end starts or stops on a jump."""
    n = len(samples)
    fi = max(1, int(fade_in_s * RATE))
    fo = max(1, int(fade_out_s * RATE))
    out = list(samples)
    for i in range(min(fi, n)):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fi)
    for i in range(min(fo, n)):
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fo)
    return out


def click():
    """A soft, dry tick: a damped low 'tock' under a brief, band-limited
    tap, about 40 ms long.  Kept quiet (peak -10 dBFS) because it plays
    on every button press."""
    rng = random.Random(7501)
    n = int(0.040 * RATE)
    out = []
    lp = 0.0
    for i in range(n):
        t = i / RATE
        body = math.sin(2 * math.pi * 620 * t) * math.exp(-t / 0.0070)
        ring = 0.45 * math.sin(2 * math.pi * 1850 * t + 0.6) * math.exp(-t / 0.0035)
        # One-pole low-passed noise for the 'tap' of the key itself.
        lp += 0.35 * (rng.uniform(-1.0, 1.0) - lp)
        tap = 0.6 * lp * math.exp(-t / 0.0012)
        out.append(body + ring + tap)
    out = fade_edges(out, 0.0004, 0.008)
    return normalise(out, 10 ** (-10 / 20))


def alarm():
    """A mechanical alarm-clock ring: a hammer beating at 20 Hz between two
    small bells.  Each strike excites the bell's inharmonic partials, which
    decay within a few tens of milliseconds, so the strikes stay distinct and
    give the ring its rattle.  1.2 s of ringing, then 80 ms of tail."""
    rng = random.Random(7502)
    ring_s = 1.20
    total = int((ring_s + 0.08) * RATE)
    strike_rate = 20.0
    bells = [1760.0, 1865.0]
    # Partial ratios and relative levels of a small steel bell.
    partials = [(1.0, 1.0), (2.32, 0.45), (4.07, 0.28), (5.95, 0.12)]
    strikes = []
    k = 0
    while k / strike_rate < ring_s:
        # A slightly uneven hammer sounds mechanical instead of electronic.
        at = k / strike_rate + rng.uniform(-0.0015, 0.0015)
        strikes.append((max(0.0, at), bells[k % 2], rng.uniform(0.85, 1.0)))
        k += 1

    out = [0.0] * total
    for at, f0, force in strikes:
        start = int(at * RATE)
        length = min(total - start, int(0.25 * RATE))
        for j in range(length):
            t = j / RATE
            v = 0.0
            for ratio, level in partials:
                # Higher partials die away faster, as in a real bell.
                v += level * math.sin(2 * math.pi * f0 * ratio * t) * math.exp(-t * (18.0 + 14.0 * ratio))
            v += 0.25 * rng.uniform(-1.0, 1.0) * math.exp(-t / 0.0008)  # the hammer's hit
            out[start + j] += force * v
    out = fade_edges(out, 0.002, 0.060)
    return normalise(out, 10 ** (-4 / 20))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sons")
    os.makedirs(folder, exist_ok=True)
    for name, samples in (("click.wav", click()), ("alarm.wav", alarm())):
        path = os.path.normpath(os.path.join(folder, name))
        write_wav(path, samples)
        print(f"{path}: {len(samples) / RATE * 1000:.0f} ms")


if __name__ == "__main__":
    main()
