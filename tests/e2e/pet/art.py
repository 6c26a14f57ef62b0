"""The pictures of the test pet "DUBU" (두부): a soft tofu-white creature, its frames, menu
icons, gauge cells, balloons, loading and end pictures, and its cursors."""

import math

from drawing import GREEN, Ellipse, Picture, Polygon, RoundRect, Stroke

FRAME_W, FRAME_H = 96, 112
GROUND = 82  # the bottom of the body: the last 30 rows stand below the screen's ground line

BODY = (250, 247, 232)
LINE = (74, 62, 52)
EYE = (30, 26, 24)
CHEEK = (246, 160, 170)
MOUTH = (200, 70, 80)
RED = (226, 64, 84)
WHITE = (255, 255, 255)


class Pose:
    """A body: box (left, top, right) standing on `bottom`, eyes looking `look` pixels aside."""

    def __init__(self, height=58, width=60, look=0, lift=0, eyes="open", mouth="smile",
                 cheeks=True, arms=False, extra=None):
        self.height, self.width, self.look, self.lift = height, width, look, lift
        self.eyes, self.mouth, self.cheeks, self.arms, self.extra = eyes, mouth, cheeks, arms, extra


def draw_pose(p, pose):
    cx = FRAME_W / 2
    bottom = GROUND - pose.lift
    left, right, top = cx - pose.width / 2, cx + pose.width / 2, bottom - pose.height
    if pose.arms:
        for side in (-1, 1):
            arm = Stroke([(cx + side * (pose.width / 2 - 4), top + 26),
                          (cx + side * (pose.width / 2 + 8), top + 8)], 7)
            p.outlined(arm, BODY, LINE, 2)
    for fx in (cx - 14, cx + 14):
        p.outlined(Ellipse(fx + pose.look / 2, bottom - 1, 8, 4), BODY, LINE, 2)
    p.outlined(RoundRect(left, top, right, bottom - 2, 20), BODY, LINE, 2)
    ex, ey = cx + pose.look, top + 24
    for side in (-10, 10):
        if pose.eyes == "open":
            p.paint(Ellipse(ex + side, ey, 3.5, 5), EYE)
            p.paint(Ellipse(ex + side + 1, ey - 2, 1.4), WHITE)
        elif pose.eyes == "wide":
            p.paint(Ellipse(ex + side, ey, 5, 6), EYE)
            p.paint(Ellipse(ex + side + 1.5, ey - 2, 2), WHITE)
        elif pose.eyes == "happy":
            p.paint(Stroke([(ex + side - 4, ey + 1), (ex + side, ey - 3), (ex + side + 4, ey + 1)], 2.2), EYE)
        else:  # closed
            p.paint(Stroke([(ex + side - 4, ey), (ex + side + 4, ey)], 2.2), EYE)
    if pose.cheeks:
        for side in (-17, 17):
            p.paint(Ellipse(ex + side, ey + 10, 5, 3), CHEEK)
    my = ey + 11
    if pose.mouth == "smile":
        p.paint(Stroke([(ex - 4, my), (ex, my + 3), (ex + 4, my)], 2), LINE)
    elif pose.mouth == "open":
        p.outlined(Ellipse(ex, my + 2, 4.5, 4), MOUTH, LINE, 1.5)
    elif pose.mouth == "o":
        p.outlined(Ellipse(ex, my + 3, 3, 3.5), MOUTH, LINE, 1.5)
    if pose.extra:
        pose.extra(p, cx, top)


def heart(p, x, y, size, colour=RED):
    r = size / 4
    p.paint(Ellipse(x - r, y, r * 1.05), colour)
    p.paint(Ellipse(x + r, y, r * 1.05), colour)
    p.paint(Polygon([(x - 2 * r, y + r * 0.3), (x + 2 * r, y + r * 0.3), (x, y + 2.3 * r)]), colour)


def sleep_mark(p, cx, top):
    p.paint(Stroke([(cx + 24, top - 14), (cx + 32, top - 14), (cx + 24, top - 6),
                    (cx + 32, top - 6)], 2), (90, 110, 200))


def hearts_above(p, cx, top):
    heart(p, cx + 30, top - 8, 12)


# Frames by number; walking frames face left and have mirrored twins facing right.
POSES = [
    Pose(),                                            # 0 standing
    Pose(height=61, width=62),                         # 1 breathing in
    Pose(eyes="closed"),                               # 2 blinking
    Pose(look=-6, lift=0, height=57),                  # 3 walking left
    Pose(look=-6, lift=2, height=60),                  # 4 walking left, the other step
    None,                                              # 5 walking right (mirror of 3)
    None,                                              # 6 walking right (mirror of 4)
    Pose(height=55, width=64, eyes="wide", mouth="o"), # 7 turning
    Pose(height=60, eyes="happy", mouth="open"),       # 8 happy
    Pose(height=58, lift=8, eyes="happy", mouth="open", arms=True),  # 9 happy jump
    Pose(height=70, width=50, eyes="wide", mouth="o", arms=True),    # 10 lifted
    Pose(height=62, width=56, eyes="wide", mouth="open", arms=True), # 11 falling
    Pose(height=46, width=72, eyes="closed", mouth="smile"),         # 12 landed
    Pose(height=54, eyes="closed", mouth="smile", extra=sleep_mark), # 13 sleeping
    Pose(height=59, eyes="happy", mouth="smile"),                    # 14 stroked
    Pose(height=61, eyes="happy", mouth="open", extra=hearts_above), # 15 stroked, loving it
]


def frames():
    out = []
    for number, pose in enumerate(POSES):
        if pose is None:
            out.append(out[number - 2].mirrored())
            continue
        p = Picture(FRAME_W, FRAME_H)
        draw_pose(p, pose)
        out.append(p)
    return out


def gauge_bar():
    """Cells of 16 x 16: middle value at x 0, empty at 16, high at 32, low at 64."""
    bar = Picture(80, 16, (212, 208, 200))
    cells = {0: ((250, 196, 40), (170, 120, 10)), 16: ((236, 236, 236), (170, 170, 170)),
             32: ((84, 190, 96), (30, 110, 40)), 48: ((200, 200, 200), (150, 150, 150)),
             64: ((232, 82, 70), (140, 30, 24))}
    for x, (fill, line) in cells.items():
        bar.outlined(RoundRect(x + 2, 2, x + 14, 14, 4), fill, line, 1.2)
    return bar


def menu_icons():
    """Icons of 16 x 16 stacked downwards: play, catch, stroke, tag, status, options, exit."""
    icons = Picture(16, 16 * 20)

    def at(n):
        return 16 * n

    icons.outlined(Ellipse(8, at(0) + 8, 5.5), (250, 140, 60), (150, 70, 20), 1.2)
    icons.paint(Stroke([(3, at(0) + 8), (13, at(0) + 8)], 1.2), (150, 70, 20))
    icons.outlined(RoundRect(4, at(1) + 6, 12, at(1) + 14, 2), BODY, LINE, 1.2)
    for x in (5, 8, 11):
        icons.outlined(RoundRect(x - 1.3, at(1) + 2, x + 1.3, at(1) + 8, 1.3), BODY, LINE, 1)
    heart(icons, 8, at(2) + 6, 13)
    icons.paint(Polygon([(8, at(3) + 1), (10, at(3) + 6), (15, at(3) + 6), (11, at(3) + 9),
                         (13, at(3) + 15), (8, at(3) + 11), (3, at(3) + 15), (5, at(3) + 9),
                         (1, at(3) + 6), (6, at(3) + 6)]), (240, 190, 30))
    icons.outlined(Ellipse(8, at(4) + 8, 6), (70, 130, 220), (30, 60, 140), 1)
    icons.paint(Stroke([(8, at(4) + 7), (8, at(4) + 12)], 2), WHITE)
    icons.paint(Ellipse(8, at(4) + 4.5, 1.2), WHITE)
    for k in range(8):
        a = k * math.pi / 4
        icons.paint(Stroke([(8, at(5) + 8), (8 + 6.5 * math.cos(a), at(5) + 8 + 6.5 * math.sin(a))], 2.6),
                    (120, 120, 130))
    icons.paint(Ellipse(8, at(5) + 8, 4.6), (120, 120, 130))
    icons.paint(Ellipse(8, at(5) + 8, 2), (230, 230, 230))
    icons.paint(Stroke([(4, at(6) + 4), (12, at(6) + 12)], 2.6), (210, 50, 50))
    icons.paint(Stroke([(12, at(6) + 4), (4, at(6) + 12)], 2.6), (210, 50, 50))
    return icons


def objects():
    """The object picture: the typing and link balloon at (24, 43), 233 x 203; the message
    balloon at (49, 329), 182 x 183; small things for the outing at the right."""
    p = Picture(300, 520)
    # Typing and link balloons: white, the tail pointing down at the pet's head.
    left, top = 24, 43
    p.outlined(RoundRect(left + 10, top + 14, left + 222, top + 146, 26), WHITE, (96, 96, 110), 2)
    p.outlined(Polygon([(left + 116, top + 140), (left + 144, top + 140), (left + 130, top + 166)]),
               WHITE, (96, 96, 110), 2)
    p.paint(RoundRect(left + 112, top + 132, left + 148, top + 143, 3), WHITE)
    # Message balloon: deep blue for the yellow text.
    left, top = 49, 329
    navy, rim = (38, 48, 112), (150, 170, 232)
    p.outlined(RoundRect(left + 4, top + 8, left + 178, top + 152, 24), navy, rim, 2)
    p.outlined(Polygon([(left + 78, top + 146), (left + 104, top + 146), (left + 91, top + 168)]),
               navy, rim, 2)
    p.paint(RoundRect(left + 74, top + 138, left + 108, top + 149, 3), navy)
    # The outing's things: a flower and a ball.
    p.paint(Stroke([(278, 30), (278, 44)], 3), (60, 150, 60))
    for dx, dy in ((-6, 0), (6, 0), (0, -6), (0, 6)):
        p.paint(Ellipse(278 + dx, 24 + dy, 5), (240, 120, 170))
    p.paint(Ellipse(278, 24, 4), (250, 220, 60))
    p.outlined(Ellipse(278, 78, 14), (70, 140, 230), (20, 60, 130), 2)
    p.paint(Stroke([(266, 78), (290, 78)], 3), WHITE)
    return p


def heart_bitmap():
    p = Picture(14, 14)
    heart(p, 7, 5, 12)
    return p


def hangul_annyeong(p, x, y, scale, colour):
    """The word 안녕 drawn with strokes, its top-left corner at (x, y)."""
    w = 2.2 * scale / 10

    def s(points):
        p.paint(Stroke([(x + a * scale, y + b * scale) for a, b in points], w), colour)

    def ring(cx, cy, r):
        p.paint(Ellipse(x + cx * scale, y + cy * scale, r * scale + w / 2), colour)
        p.paint(Ellipse(x + cx * scale, y + cy * scale, r * scale - w / 2), BACKGROUND_END)

    ring(0.28, 0.3, 0.2)                         # ㅇ
    s([(0.62, 0.05), (0.62, 0.6)])               # ㅏ
    s([(0.62, 0.32), (0.8, 0.32)])
    s([(0.15, 0.68), (0.15, 0.95), (0.75, 0.95)])  # ㄴ
    o = 1.0
    s([(o + 0.1, 0.05), (o + 0.1, 0.45), (o + 0.5, 0.45)])  # ㄴ
    s([(o + 0.72, 0.02), (o + 0.72, 0.6)])                   # ㅕ
    s([(o + 0.55, 0.18), (o + 0.72, 0.18)])
    s([(o + 0.55, 0.38), (o + 0.72, 0.38)])
    ring(o + 0.42, 0.8, 0.17)                                # ㅇ


BACKGROUND_END = (255, 246, 222)


def end_picture():
    p = Picture(320, 200, BACKGROUND_END)
    p.outlined(RoundRect(4, 4, 316, 196, 18), BACKGROUND_END, (230, 170, 120), 3)
    pet = Picture(FRAME_W, FRAME_H, BACKGROUND_END)
    draw_pose(pet, Pose(height=60, eyes="happy", mouth="open", arms=True))
    p.put(pet, 24, 70)
    hangul_annyeong(p, 150, 48, 70, (200, 90, 60))
    for hx, hy, size in ((136, 150, 16), (290, 40, 14), (250, 160, 20)):
        heart(p, hx, hy, size)
    return p


def loading_picture(width, height):
    p = Picture(width, height, (236, 244, 252))
    p.outlined(RoundRect(3, 3, width - 3, height - 3, 16), (236, 244, 252), (120, 160, 210), 3)
    pet = Picture(FRAME_W, FRAME_H, (236, 244, 252))
    draw_pose(pet, Pose(eyes="closed", extra=sleep_mark))
    p.put(pet, width // 2 - FRAME_W // 2, 8)
    # Beside the two numbers: a clock left of the seconds, a bar left of the percentage.
    p.outlined(Ellipse(66, 140, 7), WHITE, (80, 110, 160), 1.5)
    p.paint(Stroke([(66, 140), (66, 135), (66, 140), (70, 142)], 1.5), (80, 110, 160))
    p.outlined(RoundRect(330, 134, 352, 146, 3), (160, 200, 240), (80, 110, 160), 1.5)
    return p


def cursors():
    """The five cursors of the cursor games, drawn in the unit square."""
    from iconmaker import closed_hand, fish, paw_print
    feather = [(Stroke([(0.1, 0.9), (0.85, 0.15)], 0.06), (90, 70, 50)),
               (Polygon([(0.2, 0.75), (0.35, 0.35), (0.85, 0.1), (0.65, 0.55)]), (240, 240, 250))]
    net = [(Stroke([(0.1, 0.1), (0.5, 0.5)], 0.07), (120, 80, 40)),
           (Ellipse(0.65, 0.65, 0.3), (200, 220, 240)),
           (Ellipse(0.65, 0.65, 0.24), (250, 250, 255))]
    return {"HAND.CUR": (closed_hand(), (0.47, 0.5)), "FISH.CUR": (fish(), (0.06, 0.09)),
            "PAW.CUR": (paw_print(), (0.5, 0.5)), "FEATHER.CUR": (feather, (0.1, 0.9)),
            "NET.CUR": (net, (0.1, 0.1))}


__all__ = ["frames", "gauge_bar", "menu_icons", "objects", "heart_bitmap", "end_picture",
           "loading_picture", "cursors", "GREEN", "FRAME_W", "FRAME_H"]
