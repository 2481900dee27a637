#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes resources/sounds/reminder.wav, the chime a due reminder rings.

Three soft bell strokes rising through a major chord (C6, E6, G6), each a few harmonics that
fade at their own pace, so the sound is bright at the stroke and mellow in its tail. Mono,
16 bit, 22050 Hz, about 1.3 s. The output is the same on every run; run the script after
changing a value here and commit the file it writes.
"""

import math
import struct
import wave
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "sounds" / "reminder.wav"

RATE = 22050
LENGTH = 1.3  # seconds
PEAK = 0.7  # of full scale, about -3 dB
ATTACK = 0.004  # seconds: a soft stroke without a click
FADE_OUT = 0.06  # seconds at the very end

# (start in seconds, fundamental in Hz)
STROKES = [(0.00, 1046.50), (0.16, 1318.51), (0.32, 1567.98)]
# (frequency ratio, amplitude, decay time constant in seconds): a slightly stretched
# fourth partial gives the bell its shimmer.
PARTIALS = [(1.0, 1.00, 0.45), (2.0, 0.30, 0.22), (3.0, 0.10, 0.12), (4.2, 0.05, 0.08)]


def stroke(t, fundamental):
    """One bell stroke t seconds after it started."""
    if t < 0:
        return 0.0
    envelope = min(1.0, t / ATTACK)
    return envelope * sum(
        amplitude * math.exp(-t / decay) * math.sin(2 * math.pi * fundamental * ratio * t)
        for ratio, amplitude, decay in PARTIALS
    )


def samples():
    count = int(RATE * LENGTH)
    raw = [sum(stroke(i / RATE - start, f) for start, f in STROKES) for i in range(count)]
    scale = PEAK / max(abs(s) for s in raw)
    fade = int(RATE * FADE_OUT)
    for i in range(count - fade, count):
        raw[i] *= (count - i) / fade
    return [round(s * scale * 32767) for s in raw]


def main():
    OUT.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(OUT), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main()
