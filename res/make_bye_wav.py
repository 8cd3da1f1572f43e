#!/usr/bin/env python3
"""Writes bye.wav: a soft two-note farewell chime, 16-bit mono PCM at 22 050 Hz."""
import math
import struct
import sys
import wave

RATE = 22050
NOTES = [(659.25, 0.18), (523.25, 0.42)]  # E5 then C5


def samples():
    for frequency, seconds in NOTES:
        count = int(RATE * seconds)
        for i in range(count):
            t = i / RATE
            envelope = min(1.0, i / (0.01 * RATE)) * math.exp(-4.0 * t / seconds)
            tone = math.sin(2 * math.pi * frequency * t) + 0.3 * math.sin(4 * math.pi * frequency * t)
            yield int(12000 * envelope * tone / 1.3)


def main(path):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main(sys.argv[1])
