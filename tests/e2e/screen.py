"""The virtual display as the end-to-end test sees it: screenshots as pixel arrays, the
program's windows with their places, the mouse and the keyboard (xdotool)."""

import re
import subprocess
import time


def run(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True).stdout


class Shot:
    """An 8-bit RGB picture read from a binary PPM file."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        fields, pos = [], 0
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
            raise ValueError(f"{path}: not an 8-bit binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1:]
        self.path = path

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height


class Window:
    def __init__(self, wid, name, x, y, width, height):
        self.id, self.name, self.x, self.y, self.width, self.height = wid, name, x, y, width, height

    @property
    def bottom(self):
        return self.y + self.height

    def contains(self, x, y):
        return self.x <= x < self.x + self.width and self.y <= y < self.bottom

    def __repr__(self):
        return f"<window {self.name!r} {self.width}x{self.height}+{self.x}+{self.y}>"


class Screen:
    def __init__(self, display, folder):
        self.display, self.folder = display, folder
        size = re.search(r"dimensions:\s+(\d+)x(\d+)", run("xdpyinfo", "-display", display))
        self.width, self.height = int(size.group(1)), int(size.group(2))
        self.count = 0

    def xdotool(self, *args):
        run("xdotool", *[str(a) for a in args])

    def shot(self, name=None):
        """A screenshot, kept in the output folder as NAME.png when a name is given."""
        self.count += 1
        path = f"{self.folder}/shot-{self.count:03d}.ppm"
        run("import", "-display", self.display, "-depth", "8", "-window", "root", path)
        if name:
            run("convert", path, f"{self.folder}/{name}.png")
        return Shot(path)

    def windows(self, program="nuvpet.exe"):
        """The viewable top-level windows of `program`."""
        out = []
        for _ in range(5):
            # A window that goes while the tree is read makes xwininfo fail: read it again.
            result = subprocess.run(["xwininfo", "-display", self.display, "-root", "-tree"],
                                    capture_output=True, text=True)
            if result.returncode == 0:
                break
            time.sleep(0.02)
        tree = result.stdout
        pattern = re.compile(r'^\s+(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)): '
                             r'\("([^"]*)" "[^"]*"\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)')
        for line in tree.splitlines():
            m = pattern.match(line)
            if not m or m.group(3).lower() != program:
                continue
            info = run("xwininfo", "-display", self.display, "-id", m.group(1), check=False)
            if "IsViewable" not in info:
                continue
            w, h, x, y = (int(m.group(i)) for i in range(4, 8))
            out.append(Window(m.group(1), m.group(2) or "", x, y, w, h))
        return out

    def wait_window(self, test, seconds, what):
        """Polls until a window satisfies `test`; returns it or raises."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            for window in self.windows():
                if test(window):
                    return window
            time.sleep(0.05)
        raise AssertionError(f"no {what} within {seconds} s; windows: {self.windows()}")

    def wait_gone(self, window, seconds):
        """Polls until `window` is no longer viewable; false when it still is."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if all(w.id != window.id for w in self.windows()):
                return True
            time.sleep(0.05)
        return False

    def pointer(self):
        """Where the pointer is."""
        out = run("xdotool", "getmouselocation", "--shell")
        where = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(where["X"]), int(where["Y"])

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def keys(self, *keys, window=None):
        """Presses keys; with a window, that window gets the keyboard first (without a window
        manager the keys go to the window under the pointer otherwise)."""
        if window is not None:
            self.xdotool("windowfocus", window.id)
        for key in keys:
            self.xdotool("key", key)
            time.sleep(0.12)
