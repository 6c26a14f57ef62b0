#!/usr/bin/env python3
"""Checks a screenshot (binary PPM) against a window shape.

Usage: check_shape.py SHOT.ppm LEFT TOP WIDTH HEIGHT RECTS COLOUR

RECTS is "l,t,r,b;l,t,r,b;..." in window coordinates and COLOUR "r,g,b". Every pixel of the
window's rectangle must have COLOUR exactly when it lies inside one of the rectangles.
Prints the number of wrong pixels and a few of them; exits 1 when there is any.
"""

import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("not an 8-bit binary PPM")
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def main(argv):
    if len(argv) != 8:
        sys.stderr.write(__doc__)
        return 2
    width, height, pixels = read_ppm(argv[1])
    left, top, w, h = (int(v) for v in argv[2:6])
    rects = [tuple(int(v) for v in r.split(",")) for r in argv[6].split(";") if r]
    colour = tuple(int(v) for v in argv[7].split(","))
    wrong = []
    for y in range(h):
        for x in range(w):
            sx, sy = left + x, top + y
            if not (0 <= sx < width and 0 <= sy < height):
                continue
            i = (sy * width + sx) * 3
            is_colour = tuple(pixels[i:i + 3]) == colour
            inside = any(l <= x < r and t <= y < b for l, t, r, b in rects)
            if is_colour != inside:
                wrong.append((x, y, tuple(pixels[i:i + 3]), inside))
    print(f"shape check: {len(wrong)} wrong pixels of {w * h}")
    for x, y, found, inside in wrong[:5]:
        print(f"  ({x}, {y}) {'inside' if inside else 'outside'} the shape has {found}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
