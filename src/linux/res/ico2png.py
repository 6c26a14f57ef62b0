#!/usr/bin/env python3
"""Writes the largest 32-bit picture of an .ico file as a PNG: ico2png.py IN.ico OUT.png"""

import struct
import sys
import zlib


def main(argv):
    data = open(argv[1], "rb").read()
    count = struct.unpack_from("<H", data, 4)[0]
    best = None
    for i in range(count):
        w, h, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        if bits == 32 and (best is None or w > best[0]):
            best = (w, h, offset)
    w, h, offset = best
    header = struct.unpack_from("<I", data, offset)[0]
    pixels = data[offset + header:offset + header + w * h * 4]
    rows = []
    for y in range(h - 1, -1, -1):  # bottom-up BGRA
        row = pixels[y * w * 4:(y + 1) * w * 4]
        rows.append(b"\0" + b"".join(bytes((row[i + 2], row[i + 1], row[i], row[i + 3]))
                                     for i in range(0, len(row), 4)))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b"")
    open(argv[2], "wb").write(png)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
