#!/usr/bin/env python3
"""Writes the two answer sounds into content/.

sample3.wav: a short bright two-note chime played after a correct answer.
sample2.wav: a short low buzz played after a wrong answer.

Both are mono 16-bit PCM at 22050 Hz and shorter than half a second.
The output is deterministic, so running the script again gives the same files.

    python3 scripts/make_sounds.py [output-folder]
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.6 * 32767


def envelope(t, length, attack=0.005, decay=6.0):
    """Quick fade-in, exponential decay, and a short fade-out at the end."""
    a = min(1.0, t / attack)
    tail = min(1.0, (length - t) / 0.02)
    return a * math.exp(-decay * t) * max(0.0, tail)


def chime():
    """Two bell-like notes (E6 then A6) with a few soft partials."""
    length = 0.40
    notes = [(0.00, 1318.5), (0.09, 1760.0)]
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        v = 0.0
        for start, freq in notes:
            if t < start:
                continue
            u = t - start
            e = envelope(u, length - start, decay=9.0)
            v += e * (math.sin(2 * math.pi * freq * u)
                      + 0.35 * math.sin(2 * math.pi * 2 * freq * u)
                      + 0.15 * math.sin(2 * math.pi * 3 * freq * u))
        samples.append(v / 1.5)
    return samples


def buzz():
    """A low, rough tone: a band-limited square wave at 110 Hz with a slight wobble."""
    length = 0.30
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        freq = 110.0 * (1.0 + 0.03 * math.sin(2 * math.pi * 18 * t))
        phase = 2 * math.pi * freq * t
        v = sum(math.sin(k * phase) / k for k in range(1, 16, 2))
        e = min(1.0, t / 0.01) * min(1.0, (length - t) / 0.04)
        samples.append(0.8 * e * v)
    return samples


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        frames = b"".join(
            struct.pack("<h", max(-32767, min(32767, int(round(s * PEAK))))) for s in samples)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "content")
    write(os.path.join(out, "sample3.wav"), chime())
    write(os.path.join(out, "sample2.wav"), buzz())


if __name__ == "__main__":
    main()
