"""The pet's frames as the program has them (its picture sheet) compared with a screenshot."""

GREEN = (0, 255, 0)


class Sheet:
    """Frames of `width` x `height`, `per_row` in a row, cut out of a sheet picture (Shot), as
    the program shows them at `zoom`: each pixel a square of zoom x zoom."""

    def __init__(self, shot, width, height, per_row, count, zoom=1):
        self.shot, self.per_row, self.count, self.zoom = shot, per_row, count, zoom
        self.frame_width, self.frame_height = width, height
        self.width, self.height = width * zoom, height * zoom

    def pixel(self, frame, x, y):
        left = frame % self.per_row * self.frame_width
        top = frame // self.per_row * self.frame_height
        return self.shot.at(left + x // self.zoom, top + y // self.zoom)

    def mask(self, frame):
        return tuple(self.pixel(frame, x, y) != GREEN
                     for y in range(self.height) for x in range(self.width))


def mismatches(shot, background, window, sheet, frame, limit=50, covered=()):
    """Pixels of the window's rectangle on screen that differ from `frame` (inside its shape)
    or from the desktop behind it (outside its shape); counting stops at `limit`. Pixels in
    the `covered` windows (other windows that may lie above) are not judged."""
    wrong = 0
    for y in range(sheet.height):
        sy = window.y + y
        for x in range(sheet.width):
            sx = window.x + x
            if not shot.inside(sx, sy) or any(c.contains(sx, sy) for c in covered):
                continue
            expected = sheet.pixel(frame, x, y)
            if expected == GREEN:
                expected = background.at(sx, sy)
            if shot.at(sx, sy) != expected:
                wrong += 1
                if wrong >= limit:
                    return wrong
    return wrong


def matching_frame(shot, background, window, sheet, covered=()):
    """The number of the frame the window shows exactly, or None."""
    for frame in range(sheet.count):
        if mismatches(shot, background, window, sheet, frame, 1, covered) == 0:
            return frame
    return None


def picture_matches(shot, left, top, picture):
    """Pixels of `picture` (a Shot) that differ from the screenshot at (left, top)."""
    wrong = 0
    for y in range(picture.height):
        for x in range(picture.width):
            if shot.inside(left + x, top + y) and shot.at(left + x, top + y) != picture.at(x, y):
                wrong += 1
    return wrong
