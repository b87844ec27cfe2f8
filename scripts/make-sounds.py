#!/usr/bin/env python3
"""Writes the program's three sounds into resources/sounds (click, warning, failure)."""
import math
import pathlib
import wave

OUT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "sounds"


def tone(name, parts, rate=22050):
    frames = bytearray()
    for freq, ms, vol in parts:
        n = int(rate * ms / 1000)
        for i in range(n):
            env = min(1.0, i / 200.0, (n - i) / 400.0)
            v = int(127 + vol * env * 127 * math.sin(2 * math.pi * freq * i / rate)) if freq else 128
            frames.append(max(0, min(255, v)))
    with wave.open(str(OUT / name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


tone("A1.wav", [(1200, 40, 0.5)])
tone("A2.wav", [(660, 120, 0.6), (0, 40, 0), (660, 120, 0.6)])
tone("A3.wav", [(440, 180, 0.7), (330, 260, 0.7)])
