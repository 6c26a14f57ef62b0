#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into corpus/<target>/ (run once; the files are kept).

The start target's seeds come from the sample pets as the build packs them: give the pet root
(default build/native/petroot) as the argument."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(header, width, height, bits, compression=0, masks=(), palette=(), colors_used=0,
        data=b"", image_size=0):
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression,
                           image_size or len(data), 2835, 2835, colors_used, 0)
        if header > 40:
            info += b"".join(struct.pack("<I", m) for m in masks)
        info = info.ljust(header, b"\0")
    extra = b"".join(struct.pack("<I", m) for m in masks) if header == 40 else b""
    entry = 3 if header == 12 else 4
    table = b"".join(bytes((b, g, r, 0)[:entry]) for r, g, b in palette)
    offset = 14 + len(info) + len(extra) + len(table)
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    return head + info + extra + table + data


def rows(values, width, bits):
    out = b""
    for row in values:
        if bits < 8:
            packed = bytearray((width * bits + 7) // 8)
            for x, v in enumerate(row):
                shift = 8 - bits * (x % (8 // bits) + 1)
                packed[x * bits // 8] |= v << shift
            row_bytes = bytes(packed)
        else:
            row_bytes = b"".join(v.to_bytes(bits // 8, "little") for v in row)
        out += row_bytes.ljust((len(row_bytes) + 3) // 4 * 4, b"\0")
    return out


GREY = [(i * 40 % 256, i * 90 % 256, i * 20 % 256) for i in range(16)]


def bmp_seeds():
    return {
        "rgb24.bmp": bmp(40, 3, 2, 24, data=rows([[0xFF, 0xFF00, 0xFF0000]] * 2, 3, 24)),
        "topdown24.bmp": bmp(40, 2, -2, 24, data=rows([[0xFF00, 0]] * 2, 2, 24)),
        "pal8.bmp": bmp(40, 3, 3, 8, palette=GREY[:5], colors_used=5,
                        data=rows([[0, 1, 4], [2, 3, 9], [4, 4, 4]], 3, 8)),
        "pal4.bmp": bmp(40, 5, 2, 4, palette=GREY, data=rows([[1, 2, 3, 4, 15]] * 2, 5, 4)),
        "pal1.bmp": bmp(40, 9, 2, 1, palette=GREY[:2], data=rows([[1, 0] * 4 + [1]] * 2, 9, 1)),
        "rgb16.bmp": bmp(40, 2, 2, 16, data=rows([[0x7FFF, 0x03E0]] * 2, 2, 16)),
        "fields16.bmp": bmp(40, 2, 1, 16, 3, masks=(0xF800, 0x07E0, 0x1F),
                            data=rows([[0x07E0, 0xF800]], 2, 16)),
        "alpha32.bmp": bmp(40, 2, 1, 32, 6, masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000),
                           data=rows([[0x80FF00FF, 0x1234]], 2, 32)),
        "v4.bmp": bmp(108, 2, 1, 32, 3, masks=(0xFF0000, 0xFF00, 0xFF, 0),
                      data=rows([[1, 2]], 2, 32)),
        "v5.bmp": bmp(124, 1, 1, 24, data=rows([[0xABCDEF]], 1, 24)),
        "core8.bmp": bmp(12, 2, 1, 8, palette=GREY * 16, data=rows([[1, 2]], 2, 8)),
        "rle8.bmp": bmp(40, 6, 3, 8, 1, palette=GREY[:4], colors_used=4,
                        data=bytes([3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 1, 0, 1, 3, 0, 1])),
        "rle4.bmp": bmp(40, 8, 2, 4, 2, palette=GREY[:4], colors_used=4,
                        data=bytes([5, 0x12, 0, 3, 0x30, 0x10, 0, 0, 2, 0x33, 0, 1])),
    }


def rgn(count, per_row, width, height, frames):
    out = struct.pack("<4H", count, per_row, width, height)
    for runs in frames:
        out += struct.pack("<H", len(runs))
        for run in runs:
            out += struct.pack("<3H", *run)
    return out


def rgn_seeds():
    ring = [[(0, y, 3), (13, y, 3)] for y in range(16)]
    return {
        "empty.rgn": rgn(0, 0, 0, 0, []),
        "two.rgn": rgn(2, 2, 4, 2, [[(0, 0, 4), (0, 1, 4)], [(5, 1, 2)]]),
        "overlap.rgn": rgn(3, 2, 8, 4, [[(1, 0, 3), (2, 0, 3)], [], [(65535, 5, 9)]]),
        "ring.rgn": rgn(2, 1, 16, 16, [sum(ring, []), sum(ring[::2], [])]),
    }


def decoded(path):
    with open(path, "rb") as f:
        return bytes(b ^ 0xFF for b in f.read())


def start_seeds(root):
    """Each sample pet's script and state file, and the sample script with sizes that no
    picture can hold."""
    seeds = {}
    for pet in ("TORI", "BORI"):
        script = decoded(os.path.join(root, "PETS", pet + ".ANI"))
        state = decoded(os.path.join(root, "DATA", pet + ".CFG"))
        seeds[pet.lower() + ".seed"] = script + b"\0" + state
    tori = decoded(os.path.join(root, "PETS", "TORI.ANI"))
    frame = tori[tori.index(b"[CONFIG]"):].split(b"Size;", 1)[1].split(b";", 1)[0]
    icon = tori[tori.index(b"[RES_ICON]"):].split(b"Size;", 1)[1].split(b";", 1)[0]
    hostile = {
        "frame-size.seed": (b"Size;" + frame + b";", b"Size;2000000000,2000000000;"),
        "icon-size.seed": (b"Size;" + icon + b";", b"Size;2147483647,2147483647;"),
        "icon-size-40000.seed": (b"Size;" + icon + b";", b"Size;40000,40000;"),
    }
    for name, (old, new) in hostile.items():
        seeds[name] = tori.replace(old, new, 1)
    return seeds


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    write("bmp_fuzzer", bmp_seeds())
    write("rgn_fuzzer", rgn_seeds())
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "build", "native",
                                                              "petroot")
    if os.path.isdir(root):
        write("start_fuzzer", start_seeds(root))
    else:
        print("no pet root at %s: the start target's seeds are not written" % root)
