"""Draws the pictures and the warning sound of the example gauges into the folder given
(default: the examples folder, one level up from this script).

    python3 make_art.py [FOLDER]

Every picture is drawn on pure black, which the gauges use as the transparent colour where
a picture lies over another one.
"""
import math
import os
import struct
import sys
import wave

from raster import Canvas, mix, save_png

BLACK = (0, 0, 0)
WHITE = (245, 245, 240)


def dial_face(size=220):
    """A round instrument: a bevelled bezel, a black face and four screws in the corners."""
    c = Canvas(size, size, BLACK)
    mid = size / 2
    outer = mid - 1
    face = outer - 10

    def bezel(d, a):
        # Light from the upper left: brighter where the angle faces it.
        light = 0.5 + 0.5 * math.cos(math.radians(a - 315))
        edge = (d - face) / (outer - face)
        base = mix((38, 38, 42), (120, 120, 126), light)
        return mix(base, (18, 18, 20), abs(edge - 0.5) * 1.2)
    c.disc(mid, mid, outer, bezel, r_inner=face)
    c.disc(mid, mid, face, lambda d, a: mix((14, 14, 16), (4, 4, 5), d / face))
    for sx, sy in ((12, 12), (size - 12, 12), (12, size - 12), (size - 12, size - 12)):
        screw(c, sx, sy)
    return c.pixels()


def screw(c, x, y, r=6):
    c.disc(x, y, r, lambda d, a: mix((150, 150, 156), (60, 60, 66), d / r))
    c.line(x - r * 0.7, y + r * 0.7, x + r * 0.7, y - r * 0.7, 1.6, (40, 40, 44))


def needle(size=180):
    """A white needle pointing up from the picture's centre, with a short tail and a hub."""
    c = Canvas(size, size, BLACK)
    mid = size / 2
    tip = 8
    c.polygon([(mid, tip), (mid + 3.5, tip + 14), (mid + 3.5, mid + 24), (mid - 3.5, mid + 24),
               (mid - 3.5, tip + 14)], WHITE)
    c.polygon([(mid - 5, mid + 22), (mid + 5, mid + 22), (mid + 4, mid + 34),
               (mid - 4, mid + 34)], (200, 200, 196))
    c.disc(mid, mid, 11, lambda d, a: mix((110, 110, 116), (36, 36, 40), d / 11))
    c.disc(mid, mid, 3, (20, 20, 22))
    return c.pixels()


def push_button(width, height, lit):
    """A rounded push button, dark grey, or glowing amber when lit."""
    c = Canvas(width, height, BLACK)
    rim = (90, 90, 96)
    c.rounded_rect(0.5, 0.5, width - 0.5, height - 0.5, 6, rim)
    if lit:
        top, bottom = (255, 200, 90), (230, 130, 10)
    else:
        top, bottom = (78, 78, 84), (40, 40, 44)
    c.rounded_rect(2.5, 2.5, width - 2.5, height - 2.5, 5,
                   lambda x, y: mix(top, bottom, y / height))
    return c.pixels()


def swap_button(width=44, height=30):
    """A button with two opposite arrows: exchange the active and the standby frequency."""
    c = Canvas(width, height, BLACK)
    c.rounded_rect(0.5, 0.5, width - 0.5, height - 0.5, 6, (90, 90, 96))
    c.rounded_rect(2.5, 2.5, width - 2.5, height - 2.5, 5,
                   lambda x, y: mix((78, 78, 84), (40, 40, 44), y / height))
    y1, y2 = height * 0.36, height * 0.66
    c.line(12, y1, width - 14, y1, 2.2, WHITE)
    c.polygon([(width - 9, y1), (width - 15, y1 - 4.5), (width - 15, y1 + 4.5)], WHITE)
    c.line(14, y2, width - 12, y2, 2.2, WHITE)
    c.polygon([(9, y2), (15, y2 - 4.5), (15, y2 + 4.5)], WHITE)
    return c.pixels()


def chime(path, seconds=0.7, rate=22050):
    """A two-tone warning chime, 16-bit mono."""
    frames = bytearray()
    half = seconds / 2
    for i in range(int(seconds * rate)):
        t = i / rate
        tone = 880.0 if t < half else 660.0
        local = t % half
        envelope = min(1.0, local * 80) * math.exp(-local * 5)
        sample = 0.45 * envelope * math.sin(2 * math.pi * tone * t)
        frames += struct.pack("<h", int(sample * 32767))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..")
    art = os.path.join(out, "art")
    os.makedirs(art, exist_ok=True)
    save_png(os.path.join(art, "dial_face.png"), dial_face())
    save_png(os.path.join(art, "needle.png"), needle())
    save_png(os.path.join(art, "button_off.png"), push_button(80, 32, False))
    save_png(os.path.join(art, "button_on.png"), push_button(80, 32, True))
    save_png(os.path.join(art, "swap.png"), swap_button())
    chime(os.path.join(art, "chime.wav"))


if __name__ == "__main__":
    main()
