"""Pixel pictures for the test pet: shapes painted with hard edges, written as RGB PNG files.

Shapes are those of tools/iconmaker (Ellipse, Polygon, Stroke, RoundRect), used here in pixel
coordinates. A picture starts filled with one colour (pure green where it must be see-through)
and shapes are painted over it in order, each pixel tested at its centre.
"""

import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "tools", "iconmaker"))
import iconmaker  # noqa: E402  (the shapes and the .cur writer)

Ellipse = iconmaker.Ellipse
Polygon = iconmaker.Polygon
Stroke = iconmaker.Stroke
RoundRect = iconmaker.RoundRect

GREEN = (0, 255, 0)


class Picture:
    def __init__(self, width, height, fill=GREEN):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def paint(self, shape, colour, dx=0.0, dy=0.0):
        """Paints every pixel whose centre lies in `shape` moved by (dx, dy)."""
        for y in range(self.height):
            cy = y + 0.5 - dy
            row = self.rows[y]
            for x in range(self.width):
                if shape.contains(x + 0.5 - dx, cy):
                    row[x] = colour

    def outlined(self, shape, fill, outline, width, dx=0.0, dy=0.0):
        self.paint(shape.grown(width), outline, dx, dy)
        self.paint(shape, fill, dx, dy)

    def put(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                if 0 <= left + x < self.width and 0 <= top + y < self.height:
                    self.rows[top + y][left + x] = other.rows[y][x]

    def mirrored(self):
        out = Picture(self.width, self.height)
        out.rows = [list(reversed(row)) for row in self.rows]
        return out

    def png(self):
        raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in self.rows)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))

    def save(self, path):
        write_bytes(path, self.png())


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def cursor_file(layers, hotspot):
    """A 32 x 32 .cur file of iconmaker layers drawn in the unit square."""
    return iconmaker.icon_file([(32, iconmaker.render(layers, 32))], hotspot)


def wave_file(seconds=0.15, rate=8000, pitch=880):
    """A short beep as an 8-bit mono .WAV file."""
    import math
    count = int(seconds * rate)
    samples = bytes(int(128 + 90 * math.sin(2 * math.pi * pitch * i / rate)) for i in range(count))
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    return (b"RIFF" + struct.pack("<I", 36 + count) + b"WAVEfmt " + struct.pack("<I", 16) + fmt +
            b"data" + struct.pack("<I", count) + samples)
