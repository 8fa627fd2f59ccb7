#!/usr/bin/env python3
"""Synthesises the password window's three short sounds as 16-bit mono PCM WAV files.

Usage: scripts/make-sounds.py [output folder]   (default: resources/sounds)
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050


def tone(frequency, seconds, volume=0.5, glide_to=None, overtone=0.25):
    """A sine tone with a soft overtone, short attack and exponential decay."""
    count = int(RATE * seconds)
    phase = 0.0
    samples = []
    for i in range(count):
        t = i / count
        f = frequency if glide_to is None else frequency + (glide_to - frequency) * t
        phase += 2 * math.pi * f / RATE
        attack = min(1.0, i / (0.008 * RATE))
        envelope = attack * math.exp(-4.0 * t)
        value = math.sin(phase) + overtone * math.sin(2 * phase)
        samples.append(volume * envelope * value / (1 + overtone))
    return samples


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def write(path, samples):
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767)) for s in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources" / "sounds"
    folder.mkdir(parents=True, exist_ok=True)
    # Two low falling beeps: something is wrong.
    error = tone(330, 0.14, glide_to=300) + silence(0.05) + tone(247, 0.22, glide_to=220)
    # A rising major arpeggio: the way is open.
    success = tone(523, 0.11) + tone(659, 0.11) + tone(784, 0.26)
    # A slow falling glide: goodbye.
    goodbye = tone(587, 0.18) + tone(440, 0.18) + tone(392, 0.36, glide_to=370)
    for name, samples in (("error", error), ("success", success), ("exit", goodbye)):
        write(folder / f"{name}.wav", samples)


if __name__ == "__main__":
    main()
