#!/usr/bin/env python3
"""Draws the program's icons and cursors from vector shapes and writes .ico and .cur files.

Usage: iconmaker.py OUTPUT_FOLDER
       iconmaker.py --pet-cursors OUTPUT_FOLDER

The second form draws the sample pet's five game cursors instead of the program's pictures.

Every picture is described in a unit square (0..1 on both axes, y downwards) as a list of
layers, top layer last; each pixel is sampled on a 6 x 6 grid, so edges come out smooth at
any size. Images are 32-bit BGRA with straight alpha, plus the 1-bit mask older systems read.
"""

import math
import os
import struct
import sys

SUBSAMPLES = 6


class Ellipse:
    def __init__(self, cx, cy, rx, ry=None):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, rx if ry is None else ry

    def contains(self, x, y):
        dx, dy = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0

    def grown(self, d):
        return Ellipse(self.cx, self.cy, self.rx + d, self.ry + d)


def _segment_distance(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    length2 = vx * vx + vy * vy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / length2))
    qx, qy = ax + t * vx - px, ay + t * vy - py
    return math.sqrt(qx * qx + qy * qy)


class Polygon:
    """A closed polygon (even-odd rule), optionally widened by `margin` all round."""

    def __init__(self, points, margin=0.0):
        self.points, self.margin = points, margin

    def _inside(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside

    def contains(self, x, y):
        if self._inside(x, y):
            return True
        if self.margin <= 0:
            return False
        pts = self.points
        return any(_segment_distance(x, y, *pts[i - 1], *pts[i]) <= self.margin
                   for i in range(len(pts)))

    def grown(self, d):
        return Polygon(self.points, self.margin + d)


class Stroke:
    """A thick polyline with round ends and joints."""

    def __init__(self, points, width):
        self.points, self.width = points, width

    def contains(self, x, y):
        half = self.width / 2
        return any(_segment_distance(x, y, *self.points[i], *self.points[i + 1]) <= half
                   for i in range(len(self.points) - 1))

    def grown(self, d):
        return Stroke(self.points, self.width + 2 * d)


class RoundRect:
    def __init__(self, left, top, right, bottom, radius):
        self.box, self.radius = (left, top, right, bottom), radius

    def contains(self, x, y):
        left, top, right, bottom = self.box
        r = self.radius
        qx = max(left + r - x, 0.0, x - (right - r))
        qy = max(top + r - y, 0.0, y - (bottom - r))
        return qx * qx + qy * qy <= r * r and left <= x <= right and top <= y <= bottom

    def grown(self, d):
        left, top, right, bottom = self.box
        return RoundRect(left - d, top - d, right + d, bottom + d, self.radius + d)


def outlined(shape, fill, outline, width):
    """Two layers: the shape widened in the outline colour, then the shape itself."""
    return [(shape.grown(width), outline), (shape, fill)]


def render(layers, size):
    """Returns rows of (b, g, r, a), top row first."""
    rows = []
    step = 1.0 / (size * SUBSAMPLES)
    for py in range(size):
        row = []
        for px in range(size):
            sums = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUBSAMPLES):
                y = (py * SUBSAMPLES + sy + 0.5) * step
                for sx in range(SUBSAMPLES):
                    x = (px * SUBSAMPLES + sx + 0.5) * step
                    for shape, colour in reversed(layers):
                        if shape.contains(x, y):
                            sums[0] += colour[0]
                            sums[1] += colour[1]
                            sums[2] += colour[2]
                            sums[3] += 1
                            break
            covered = sums[3]
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (round(sums[i] / covered) for i in range(3))
            row.append((b, g, r, round(255 * covered / (SUBSAMPLES * SUBSAMPLES))))
        rows.append(row)
    return rows


def dib_image(rows):
    """The BITMAPINFOHEADER, XOR bits and AND mask of one icon or cursor image."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(px) for row in reversed(rows) for px in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def icon_file(images, hotspot=None):
    """An .ico (hotspot None) or .cur file of (size, rows) images."""
    kind = 1 if hotspot is None else 2
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, rows in images:
        blob = dib_image(rows)
        if hotspot is None:
            planes, bits = 1, 32
        else:
            planes, bits = round(hotspot[0] * size), round(hotspot[1] * size)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits, len(blob),
                           offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


BLACK = (30, 24, 20)
WHITE = (255, 255, 255)
ORANGE = (244, 150, 52)
DARK_ORANGE = (160, 80, 20)
PINK = (240, 120, 140)


def pet_face():
    """The pet's head: a round orange cat face."""
    layers = []
    for ear in ([(0.10, 0.45), (0.16, 0.06), (0.45, 0.26)],
                [(0.90, 0.45), (0.84, 0.06), (0.55, 0.26)]):
        layers += outlined(Polygon(ear), ORANGE, DARK_ORANGE, 0.035)
    layers += outlined(Ellipse(0.5, 0.57, 0.42, 0.37), ORANGE, DARK_ORANGE, 0.035)
    layers += [(Polygon([(0.16, 0.12), (0.38, 0.26), (0.20, 0.36)]), PINK),
               (Polygon([(0.84, 0.12), (0.62, 0.26), (0.80, 0.36)]), PINK),
               (Ellipse(0.5, 0.72, 0.22, 0.16), WHITE),
               (Ellipse(0.33, 0.53, 0.065, 0.09), BLACK),
               (Ellipse(0.67, 0.53, 0.065, 0.09), BLACK),
               (Ellipse(0.35, 0.50, 0.022), WHITE),
               (Ellipse(0.69, 0.50, 0.022), WHITE),
               (Polygon([(0.44, 0.64), (0.56, 0.64), (0.5, 0.71)]), PINK),
               (Stroke([(0.40, 0.76), (0.5, 0.80), (0.60, 0.76)], 0.035), BLACK)]
    return layers


def paw_print():
    """The tray icon: a paw print."""
    brown = (150, 84, 40)
    layers = outlined(Ellipse(0.5, 0.66, 0.27, 0.22), ORANGE, brown, 0.05)
    for cx, cy in ((0.18, 0.40), (0.37, 0.20), (0.63, 0.20), (0.82, 0.40)):
        layers += outlined(Ellipse(cx, cy, 0.10, 0.125), ORANGE, brown, 0.05)
    return layers


def closed_hand():
    """The drag cursor: a closed hand seen from the back, knuckles up."""
    outline = 0.03
    layers = outlined(RoundRect(0.20, 0.30, 0.78, 0.86, 0.16), WHITE, BLACK, outline)
    for x in (0.26, 0.40, 0.54, 0.68):
        layers += outlined(RoundRect(x - 0.065, 0.22, x + 0.065, 0.46, 0.065), WHITE, BLACK,
                           outline)
    layers += outlined(Stroke([(0.16, 0.52), (0.30, 0.62), (0.50, 0.60)], 0.13), WHITE, BLACK,
                       outline)
    layers += [(Stroke([(0.33, 0.46), (0.33, 0.40)], 0.02), BLACK),
               (Stroke([(0.47, 0.46), (0.47, 0.40)], 0.02), BLACK),
               (Stroke([(0.61, 0.46), (0.61, 0.40)], 0.02), BLACK)]
    return layers


def fish():
    """The catch cursor: a small blue fish, nose at the top left where the hot spot is."""
    blue, dark = (70, 150, 230), (20, 50, 110)
    tail = Polygon([(0.64, 0.60), (0.90, 0.90), (0.88, 0.62), (0.92, 0.40), (0.66, 0.50)])
    body = Polygon([(0.04, 0.10), (0.22, 0.12), (0.48, 0.24), (0.70, 0.48), (0.72, 0.60),
                    (0.58, 0.70), (0.34, 0.62), (0.14, 0.42), (0.06, 0.24)])
    layers = outlined(tail, blue, dark, 0.035) + outlined(body, blue, dark, 0.035)
    layers += [(Stroke([(0.30, 0.22), (0.46, 0.50), (0.40, 0.60)], 0.03), dark),
               (Ellipse(0.17, 0.22, 0.055), WHITE),
               (Ellipse(0.17, 0.22, 0.03), BLACK),
               (Ellipse(0.44, 0.46, 0.035), (250, 210, 60)),
               (Ellipse(0.54, 0.54, 0.03), (250, 210, 60))]
    return layers


SKIN, SKIN_DARK = (252, 224, 196), (120, 72, 40)


def pointing_hand(fill=WHITE, outline=BLACK):
    """A hand pointing up with its index finger; the finger tip is the hot spot."""
    w = 0.03
    layers = outlined(RoundRect(0.28, 0.42, 0.80, 0.92, 0.13), fill, outline, w)
    for left, top in ((0.42, 0.40), (0.55, 0.43), (0.68, 0.47)):
        layers += outlined(RoundRect(left, top, left + 0.13, top + 0.22, 0.065), fill, outline, w)
    layers += outlined(RoundRect(0.28, 0.04, 0.42, 0.62, 0.07), fill, outline, w)
    layers += outlined(Stroke([(0.32, 0.70), (0.17, 0.56)], 0.12), fill, outline, w)
    return layers


def tag_hand():
    """The tag cursor: "you're it!"."""
    return pointing_hand()


def fast_tag_hand():
    """The fast tag cursor: a yellow pointing hand with speed lines."""
    lines = [(Stroke([(0.86, y), (0.98, y)], 0.045), (235, 120, 30)) for y in (0.50, 0.64, 0.78)]
    return lines + pointing_hand((255, 214, 90), (120, 70, 10))


def open_hand():
    """The stroking cursor: an open palm, ready to pat."""
    w = 0.03
    layers = []
    for left, top in ((0.26, 0.16), (0.39, 0.08), (0.52, 0.10), (0.65, 0.18)):
        layers += outlined(RoundRect(left, top, left + 0.12, 0.60, 0.06), SKIN, SKIN_DARK, w)
    layers += outlined(Stroke([(0.30, 0.72), (0.12, 0.50)], 0.13), SKIN, SKIN_DARK, w)
    layers += outlined(RoundRect(0.25, 0.44, 0.78, 0.94, 0.16), SKIN, SKIN_DARK, w)
    layers += [(Ellipse(0.52, 0.70, 0.12, 0.08), (246, 196, 180))]
    return layers


def acorn():
    """The catch-and-carry cursor: an acorn the pet jumps for."""
    nut, nut_dark = (214, 140, 60), (110, 62, 22)
    cap, cap_dark = (140, 92, 48), (70, 42, 18)
    layers = outlined(Stroke([(0.50, 0.26), (0.58, 0.06)], 0.07), cap, cap_dark, 0.025)
    layers += outlined(Ellipse(0.50, 0.60, 0.27, 0.32), nut, nut_dark, 0.035)
    layers += [(Ellipse(0.40, 0.62, 0.06, 0.12), (240, 184, 110))]
    layers += outlined(Ellipse(0.50, 0.36, 0.36, 0.16), cap, cap_dark, 0.035)
    layers += [(Stroke([(0.28, 0.34), (0.72, 0.34)], 0.025), cap_dark),
               (Stroke([(0.34, 0.42), (0.66, 0.42)], 0.025), cap_dark)]
    return layers


def leaf():
    """The catch-and-bounce cursor: a falling leaf."""
    green, dark = (120, 190, 70), (40, 90, 30)
    blade = Polygon([(0.12, 0.88), (0.14, 0.60), (0.28, 0.34), (0.52, 0.16), (0.88, 0.10),
                     (0.84, 0.42), (0.68, 0.66), (0.42, 0.82)])
    layers = outlined(blade, green, dark, 0.035)
    layers += [(Stroke([(0.10, 0.92), (0.30, 0.70), (0.80, 0.16)], 0.035), dark),
               (Stroke([(0.46, 0.54), (0.40, 0.34)], 0.025), dark),
               (Stroke([(0.60, 0.40), (0.74, 0.48)], 0.025), dark)]
    return layers


# The pet's game cursors, in the order of the [RES_CURSOR] records of its script: 0 catch and
# carry (510), 1 fast tag (550), 2 tag (540), 3 stroke (530, also the hover cursor), 4 catch
# and bounce (520).
PET_CURSORS = [
    ("ACORN.CUR", acorn, (32,), (0.50, 0.55)),
    ("FASTTAG.CUR", fast_tag_hand, (32,), (0.35, 0.05)),
    ("TAG.CUR", tag_hand, (32,), (0.35, 0.05)),
    ("STROKE.CUR", open_hand, (32,), (0.50, 0.60)),
    ("LEAF.CUR", leaf, (32,), (0.50, 0.50)),
]

PICTURES = [
    # (file name, layers, sizes, hot spot as a fraction of the size or None for icons)
    ("nuvpet.ico", pet_face, (16, 32), None),
    ("tray.ico", paw_print, (16, 32), None),
    ("drag.cur", closed_hand, (32,), (0.47, 0.50)),
    ("catch.cur", fish, (32,), (0.06, 0.09)),
]


def main(argv):
    pictures = PICTURES
    if len(argv) == 3 and argv[1] == "--pet-cursors":
        pictures = PET_CURSORS
        argv = argv[:1] + argv[2:]
    if len(argv) != 2 or argv[1].startswith("--"):
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, drawing, sizes, hotspot in pictures:
        layers = drawing()
        data = icon_file([(size, render(layers, size)) for size in sizes], hotspot)
        path = os.path.join(folder, name)
        with open(path + ".tmp", "wb") as out:
            out.write(data)
        os.replace(path + ".tmp", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
