#!/usr/bin/env python3
"""Checks a screenshot (binary PPM) against a window shape.

Usage: check_shape.py SHOT.ppm LEFT TOP WIDTH HEIGHT RECTS COLOUR

RECTS is "l,t,r,b;l,t,r,b;..." in window coordinates and COLOUR "r,g,b". Every pixel of the
window's rectangle must have COLOUR exactly when it lies inside one of the rectangles.
Prints the number of wrong pixels and a few of them; exits 1 when there is any.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screen import Shot  # noqa: E402


def main(argv):
    if len(argv) != 8:
        sys.stderr.write(__doc__)
        return 2
    shot = Shot(argv[1])
    width, height = shot.width, shot.height
    left, top, w, h = (int(v) for v in argv[2:6])
    rects = [tuple(int(v) for v in r.split(",")) for r in argv[6].split(";") if r]
    colour = tuple(int(v) for v in argv[7].split(","))
    wrong = []
    for y in range(h):
        for x in range(w):
            sx, sy = left + x, top + y
            if not (0 <= sx < width and 0 <= sy < height):
                continue
            found = shot.at(sx, sy)
            inside = any(l <= x < r and t <= y < b for l, t, r, b in rects)
            if (found == colour) != inside:
                wrong.append((x, y, found, inside))
    print(f"shape check: {len(wrong)} wrong pixels of {w * h}")
    for x, y, found, inside in wrong[:5]:
        print(f"  ({x}, {y}) {'inside' if inside else 'outside'} the shape has {found}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
