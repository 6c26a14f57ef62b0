#!/usr/bin/env python3
"""End-to-end test of NuvPet.exe under Wine on a virtual display.

Usage: pet_e2e.py --exe NuvPet.exe --root PET_ROOT --pettool PETTOOL --out FOLDER

On a fresh copy of the pet root (in a folder whose name has a space and Hangul) the program must
show the pet on the ground line with the shape and pixels of one of its frames, animate it, let it
be dragged and dropped back to the ground, open its menu on a right click (on the pet and on the
tray icon), write its Run value (the program and its root) through the options submenu, show the
option checked on the next opening (also for the value of an earlier version, through cmd.exe) and
remove the value on a second choice, play the stroke game to its balloon, and end through the
menu's exit: the end picture centred on the screen, both configuration files rewritten and
readable, the process gone within 5 seconds, no GDI object left. A second start on the root of a
running pet must be refused with a message, without a byte of the root changed, the first program
running on. A run on a root without .\\DATA\\PET.CFG must show the start-up error and end, a start
on a named root that is not there a message and status 3. The Run value the menu wrote, run from
another folder as a new session runs it, must start the pet in its root. Screenshots and a summary
(summary.json) are left in FOLDER.
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from frames import Sheet, matching_frame, picture_matches  # noqa: E402
from screen import Screen, Shot, Window, run  # noqa: E402

GROUND_MARGIN = 30
STROKED = 52  # the animation a stroke plays in the stroke game
# The two-monitor X server of the end-to-end scripts: Xorg's dummy driver with a second output.
FIRST_OUTPUT, SECOND_OUTPUT, SECOND_MODE = "DUMMY0", "DUMMY1", "800x600_second"
FIRST_NAME = "Mongsil"  # the name given on a first run
APPLICATION = "NuvPET"  # the caption of the program's own messages
ALREADY_RUNNING = 4  # the exit status of a second program on a running pet's root
YELLOW = (255, 255, 0)
RUN_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def dump(pettool, path):
    result = subprocess.run([pettool, "dump", path], capture_output=True, text=True)
    check(result.returncode == 0, f"pettool dump {path} failed: {result.stderr.strip()}")
    data = json.loads(result.stdout)
    check(data.get("ok"), f"pettool dump {path} reports a problem: {data.get('log')}")
    return data


def run_value(folder):
    """The program's value under the current user's Run key, or None. Read from an export:
    `reg query` prints through the console's code page, which loses Hangul."""
    path = os.path.join(folder, "run-key.reg")
    wine_tool("wine", "reg", "export", RUN_KEY, path, "/y")
    with open(path, "rb") as f:
        text = f.read().decode("utf-16")
    prefix = f'"{APPLICATION}"="'
    for line in text.splitlines():
        if line.startswith(prefix) and line.endswith('"'):
            return re.sub(r"\\(.)", r"\1", line[len(prefix):-1])
    return None


def import_run_value(folder, value):
    """Writes the program's Run value through a .reg file (the value has quotes and Hangul)."""
    path = os.path.join(folder, "run-key-import.reg")
    escaped = value.replace("\\", "\\\\").replace('"', '\\"')
    key = RUN_KEY.replace("HKCU", "HKEY_CURRENT_USER")
    with open(path, "w", encoding="utf-16", newline="\r\n") as f:
        f.write(f'Windows Registry Editor Version 5.00\n\n[{key}]\n"{APPLICATION}"="{escaped}"\n')
    wine_tool("wine", "reg", "import", path)


def wine_tool(*args):
    """Runs a Wine tool (reg, winepath) to its output. Now and then one fails to start while
    the prefix is busy: up to three tries, then its own message."""
    for _ in range(3):
        result = subprocess.run(args, capture_output=True, stdin=subprocess.DEVNULL)
        if result.returncode == 0:
            return result.stdout.decode()
        time.sleep(1)
    raise RuntimeError(f"{' '.join(args)} failed with {result.returncode}: "
                       f"{result.stderr.decode(errors='replace')}")


def delete_run_value():
    subprocess.run(["wine", "reg", "delete", RUN_KEY, "/v", APPLICATION, "/f"],
                   capture_output=True, stdin=subprocess.DEVNULL)


def windows_path(path):
    return wine_tool("winepath", "-w", path).strip()


def read_log(root):
    path = os.path.join(root, "ETCS", "PETLOG.TXT")
    with open(path, "rb") as f:
        return f.read().decode("cp949", errors="replace")


def gdi_counts(log):
    return [line for line in log.splitlines() if "[ GDI Objects :" in line]


def places_between(first, last, farthest=64):
    """The places of a window that moved in a line from `first` to `last`: both ends first,
    then the points between (only ends beyond `farthest` pixels)."""
    dx, dy = last.x - first.x, last.y - first.y
    steps = max(abs(dx), abs(dy))
    if steps == 0:
        return [last]
    places = [last, first]
    if steps <= farthest:
        places += [Window(last.id, last.name, first.x + round(dx * i / steps),
                          first.y + round(dy * i / steps), last.width, last.height)
                   for i in range(1, steps)]
    return places


class Pet:
    """What the test knows of the pet root: script, state, pictures."""

    def __init__(self, root, pettool, out, zoom=1):
        config = dump(pettool, os.path.join(root, "DATA", "PET.CFG"))
        self.name = config["pets"][config["activeIndex"]]["name"]
        self.script = dump(pettool, os.path.join(root, "PETS", self.name + ".ANI"))
        self.state = dump(pettool, os.path.join(root, "DATA", self.name + ".CFG"))
        cfg = self.script["config"]
        width, height = cfg["frameWidth"], cfg["frameHeight"]
        self.sheet = self.picture(pettool, root, self.name + ".BCF", out)
        per_row = max(self.sheet.width // width, 1)
        count = per_row * (self.sheet.height // height)
        self.frames = Sheet(self.sheet, width, height, per_row, count, zoom)
        self.width, self.height = self.frames.width, self.frames.height  # on the screen
        self.end_picture = self.picture(pettool, root, "PETEND.BCF", out)
        self.actions = {a["id"]: a for a in self.script["actions"]}
        self.animations = {a["id"]: a for a in self.script["animations"]}
        self.texts = {t["id"]: t["text"] for t in self.script["texts"]}

    @staticmethod
    def picture(pettool, root, name, out):
        png = os.path.join(out, name + ".png")
        ppm = os.path.join(out, name + ".ppm")
        subprocess.run([pettool, "topng", os.path.join(root, "PETS", name), png], check=True,
                       capture_output=True)
        run("convert", png, "-depth", "8", ppm)
        return Shot(ppm)

    def frames_of(self, action, *animations):
        """The frames the animations of `action`, and `animations`, show."""
        ids = self.actions[action]["animations"] + list(animations)
        return sorted({f for a in ids for f in self.animations[a]["frames"]})

    def menu_keys(self, command):
        """Keys that choose `command` in the popup menu: arrows from the first item."""
        s = self.state
        total = s["PetS0"] + s["PetS1"] + s["PetS2"] + s["PetS3"]
        points = s["PetPoint"]
        top, submenu = [], None
        for item in self.script["menu"]:
            low = item["statSumLow"]
            if low != -1 and not (low <= total <= item["statSumHigh"] and
                                  item["pointLow"] <= points <= item["pointHigh"]):
                continue
            kind = item["command"]
            if kind == 999:
                continue
            if kind == 911:
                submenu = None
            elif kind == 910:
                submenu = []
                top.append((kind, submenu))
            elif kind in (901, 902):
                top.append((kind, []))
            elif submenu is not None:
                submenu.append(kind)
            else:
                top.append((kind, None))
        for i, (kind, items) in enumerate(top):
            if kind == command:
                return ["Down"] * (i + 1) + ["Return"]
            if items and command in items:
                return ["Down"] * (i + 1) + ["Right"] + ["Down"] * items.index(command) + ["Return"]
        raise Failure(f"the menu has no item for command {command}")

    def submenu_keys(self, kind):
        """Keys that open the submenu of record kind `kind` (901 status, 902 options)."""
        keys = self.menu_keys(kind)
        return keys[:-1] + ["Right"]


class Run:
    """One run of the program on a copy of the pet root."""

    def __init__(self, exe, root, screen):
        self.root, self.screen = root, screen
        self.started = time.monotonic()
        self.process = subprocess.Popen(["wine", exe], cwd=root, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_end(self, seconds):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def fresh_copy(root, work, name, without=()):
    target = os.path.join(work, name)
    shutil.rmtree(target, ignore_errors=True)
    shutil.copytree(root, target)
    for part in without:
        os.remove(os.path.join(target, *part.split("\\")))
    log = os.path.join(target, "ETCS", "PETLOG.TXT")
    if os.path.exists(log):
        os.remove(log)
    return target


def snapshot(root):
    """Every file of `root` with its bytes."""
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, root)] = f.read()
    return files


def answer_name_box(screen, pet, name, seconds=20):
    """On a pet's first run: answers the name box (captioned with the script's text 204)."""
    caption = pet.texts.get(204, "")
    box = screen.wait_window(lambda w: w.name == caption and w.width > pet.width, seconds,
                             f"name box '{caption}'")
    time.sleep(0.3)
    screen.shot("name-box")
    screen.xdotool("windowfocus", box.id)
    screen.xdotool("type", "--delay", "40", name)
    screen.keys("Return", window=box)


def inside_point(pet, frame):
    """A point of the frame's shape near its middle (window coordinates)."""
    cx, cy = pet.width // 2, pet.height // 2
    best = None
    for y in range(pet.height):
        for x in range(pet.width):
            if pet.frames.pixel(frame, x, y) != (0, 255, 0):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if best is None or d < best[0]:
                    best = (d, x, y)
    return best[1], best[2]


def xrandr_monitors():
    """The X server's monitors as (x, y, width, height), the primary one first."""
    out = subprocess.run(["xrandr", "--listmonitors"], capture_output=True, text=True).stdout
    found = []
    for line in out.splitlines()[1:]:
        m = re.search(r"(\d+)/\d+x(\d+)/\d+\+(-?\d+)\+(-?\d+)", line)
        if m:
            w, h, x, y = (int(v) for v in m.groups())
            found.insert(0 if "*" in line else len(found), (x, y, w, h))
    return found


class Test:
    # How far the menu's corner may be from the click (a toolkit may flip it at an edge).
    menu_slack = 0
    COUNTS_GDI = True  # the program's log counts its GDI objects
    # Wine 8 keeps the monitors it found at its start: an output switched off later sends no
    # WM_DISPLAYCHANGE and leaves EnumDisplayMonitors as it was.
    SEES_MONITOR_CHANGES = False

    def __init__(self, args):
        args.exe, args.root, args.pettool = (os.path.abspath(p) for p in
                                             (args.exe, args.root, args.pettool))
        self.args = args
        self.out = os.path.abspath(args.out)
        self.work = os.path.join(self.out, "roots")
        os.makedirs(self.work, exist_ok=True)
        self.screen = Screen(os.environ["DISPLAY"], self.out)
        self.zoom = getattr(args, "zoom", 1)  # the zoom the pet is expected at
        self.pet = Pet(args.root, args.pettool, self.out, self.zoom)
        self.summary = {}
        self.ground = None

    def step(self, text):
        print(f"== {text}", flush=True)

    def pet_window(self, seconds=10):
        return self.screen.wait_window(
            self.is_pet, seconds, f"pet window of {self.pet.width}x{self.pet.height}")

    def is_pet(self, window):
        return (window.width, window.height) == (self.pet.width, self.pet.height)

    def matched_frame(self, moving=False):
        """A screenshot in which the pet window shows one of the frames exactly: the window
        where it was then, the frame and the shot. Unless `moving`, one taken while the pet
        stood still, as a click or a drag on it needs: a walking pet is waited for (20 s)."""
        tries, deadline = 0, time.monotonic() + (0 if moving else 20)
        seen, shot = [], None
        while tries < 8 or time.monotonic() < deadline:
            tries += 1
            window = self.pet_window()
            if shot:
                os.remove(shot.path)  # only the last one that showed no frame is kept
            shot = self.screen.shot()
            again = self.pet_window()
            seen.append((again.x, again.y))
            # A walking pet moves while the screen is read: it was at one of the places between.
            if moving:
                places = places_between(window, again)
            else:
                places = [again] if (again.x, again.y) == (window.x, window.y) else []
            others = [w for w in self.screen.windows() if w.id != window.id] if places else []
            for place in places:
                frame = matching_frame(shot, self.background, place, self.pet.frames, others)
                if frame is not None:
                    return place, frame, shot
            time.sleep(0.05)
        still = "" if moving else " standing still"
        raise Failure(f"the pet window never showed one of the frames exactly{still} in {tries} "
                      f"screenshots (at {sorted(set(seen))}; the last: {shot.path})")

    def start(self, root, **options):
        """A run on `root` up to its pet's window; the name box answered on a first run."""
        run_ = Run(self.args.exe, root, self.screen, **options)
        if not self.pet.state["PetName"]:
            answer_name_box(self.screen, self.pet, FIRST_NAME)
        self.pet_window(20)
        return run_

    def on_ground(self, window):
        return window.bottom == self.ground + GROUND_MARGIN * self.zoom

    def run_main(self):
        root = self.main_root = fresh_copy(self.args.root, self.work, "main 루트")
        cfg_times = {n: os.path.getmtime(os.path.join(root, "DATA", n))
                     for n in ("PET.CFG", self.pet.name + ".CFG")}
        self.clear_pointer()
        run_ = Run(self.args.exe, root, self.screen)
        try:
            self.appears(run_)
            self.animates()
            self.drag_and_drop()
            self.menu()
            self.stroke_game()
            self.tray_menu()
            self.start_with_desktop(root)
            self.exit(run_, root, cfg_times)
        finally:
            run_.stop()

    def clear_pointer(self):
        """The pointer out of the way; the screen without the pet, to compare with."""
        self.screen.move(5, self.screen.height // 2)
        time.sleep(0.2)
        self.background = self.screen.shot()

    def appears(self, run_):
        if not self.pet.state["PetName"]:
            self.step("the pet's first run asks for its name")
            answer_name_box(self.screen, self.pet, FIRST_NAME)
        self.step("the pet appears on the ground line")
        window = self.pet_window(20)
        self.summary["window_ms"] = round((time.monotonic() - run_.started) * 1000)
        # The ground line is the bottom of the usable desktop (the screen here).
        self.ground = self.screen.height
        check(self.on_ground(window), f"{window} does not stand on the ground line {self.ground}")
        window, frame, shot = self.matched_frame(moving=True)
        check(self.on_ground(window), f"{window} left the ground line")
        run("convert", shot.path, os.path.join(self.out, "pet.png"))
        print(f"   frame {frame} exactly at {window.x},{window.y}")

    def animates(self):
        self.step("the pet animates")
        masks, frames = set(), []
        deadline = time.monotonic() + 8
        while time.monotonic() < deadline and len(masks) < 2:
            _, frame, _ = self.matched_frame(moving=True)
            frames.append(frame)
            masks.add(self.pet.frames.mask(frame))
            time.sleep(0.15)
        check(len(masks) >= 2, f"the shape did not change: frames {frames}")
        print(f"   frames seen: {frames}")

    def drag_and_drop(self):
        self.step("the pet is dragged and dropped")
        window, frame, _ = self.matched_frame()
        px, py = inside_point(self.pet, frame)
        x, y = window.x + px, window.y + py
        self.screen.xdotool("mousemove", x, y, "mousedown", 1)
        time.sleep(0.4)
        for _ in range(20):
            self.screen.xdotool("mousemove_relative", "--", 0, -10)
            time.sleep(0.04)
        # A busy machine may let the window lag behind the pointer.
        lifted = self.screen.wait_window(
            lambda w: self.is_pet(w) and w.y < window.y - 100, 3,
            f"pet lifted over 100 px from {window}")
        self.screen.shot("drag")
        self.screen.xdotool("mouseup", 1)
        landed = self.screen.wait_window(
            lambda w: w.width == self.pet.width and self.on_ground(w), 6, "pet back on the ground")
        print(f"   lifted to y={lifted.y}, landed at x={landed.x}")

    def open_menu(self):
        # A pet that steps between the frame's match and the click may leave a clear pixel
        # under the pointer, and the click goes through: one more try then.
        try:
            return self.open_menu_once()
        except AssertionError:
            return self.open_menu_once()

    def open_menu_once(self):
        window, frame, _ = self.matched_frame()
        px, py = inside_point(self.pet, frame)
        x, y = window.x + px, window.y + py
        self.screen.click(x, y, 3)
        slack = self.menu_slack

        def at_click(w):
            if not slack:
                return w.bottom == y and w.x == x
            return any(abs(cx - x) <= slack and abs(cy - y) <= slack
                       for cx in (w.x, w.x + w.width) for cy in (w.y, w.bottom))

        return self.screen.wait_window(at_click, 5, f"menu with a corner at {x},{y}")

    def menu(self):
        self.step("the menu opens on a right click")
        menu = self.open_menu()
        time.sleep(0.3)
        self.screen.shot("menu")
        status, shot = self.status_submenu(menu, "menu-status")
        time.sleep(0.3)
        print(f"   status submenu {status} ({shot.path})")

    def status_submenu(self, menu, name):
        """Opens the status submenu of an open menu, checks its gauges and closes the menu."""
        self.screen.keys(*self.pet.submenu_keys(901), window=menu)
        time.sleep(0.4)
        shot = self.screen.shot(name)
        status = [w for w in self.screen.windows() if w.height > 4 * 16 and w.width >= 220]
        check(status, f"the status submenu with its gauges did not open ({name})")
        self.screen.keys("Escape", "Escape", window=menu)
        check(self.screen.wait_gone(menu, 3), f"the menu stays open after Escape ({name})")
        return status[0], shot

    def open_submenu(self, keys, what):
        """Opens the menu and, with `keys`, one of its submenus: the menu and the submenu."""
        menu = self.open_menu()
        ids = {w.id for w in self.screen.windows()}
        self.screen.keys(*keys, window=menu)
        right, left = menu.x + menu.width, menu.x  # where its left or its right edge may be
        submenu = self.screen.wait_window(
            lambda w: w.id not in ids and (abs(w.x - right) <= 4 or abs(w.x + w.width - left) <= 4),
            3, what)
        return menu, submenu

    def options_submenu(self):
        """Opens the menu and its options submenu (first item selected): the menu, the submenu
        and a screenshot."""
        menu, submenu = self.open_submenu(self.pet.submenu_keys(902), "options submenu")
        time.sleep(0.3)
        return menu, (submenu, self.screen.shot())

    def start_with_desktop(self, root):
        self.step("'start with the desktop' writes the Run value, shows its mark, removes it")
        delete_run_value()
        try:
            command = self.write_run_value(root)
            changed = self.remove_run_value()
            # The value of an earlier version, through cmd.exe, is the same choice: it shows the
            # mark (and is rewritten in the new form) and goes on the second choice.
            program, folder = re.fullmatch(r'"(.+)" "(.+)"', command).groups()
            import_run_value(self.out, f'cmd.exe /c start "" /d "{folder}" "{program}"')
            self.remove_run_value()
        finally:
            # A value left behind would start the program with every new wine server.
            delete_run_value()
        rows = (min(y for _, y in changed), max(y for _, y in changed))
        print(f"   {command}\n   check mark of {len(changed)} pixels in rows {rows}; removed")

    def write_run_value(self, root):
        menu, self.unchecked = self.options_submenu()
        self.screen.keys("Down", "Down", "Return")  # its third item
        check(self.screen.wait_gone(menu, 3), "the menu stays open after the choice")
        command = run_value(self.out)
        # The program itself, given its root: no console window at log-on.
        expected = f'"{windows_path(self.args.exe)}" "{windows_path(root)}"'
        check(command == expected, f"the Run value is {command!r}, not {expected!r}")
        self.run_command = command
        self.run_export = os.path.join(self.out, "run-key-written.reg")
        shutil.copyfile(os.path.join(self.out, "run-key.reg"), self.run_export)
        return command

    def remove_run_value(self):
        """Checks the mark on the next opening, chooses the item again; the pixels it changed."""
        menu, (submenu, shot) = self.options_submenu()
        before, old = self.unchecked
        check((before.width, before.height) == (submenu.width, submenu.height),
              f"the options submenu changed its size: {before} -> {submenu}")
        changed = [(x, y) for y in range(submenu.height) for x in range(submenu.width)
                   if shot.at(submenu.x + x, submenu.y + y) != old.at(before.x + x, before.y + y)]
        # The mark's column; the rest may differ where a balloon the pet opened covers the menu.
        mark = [(x, y) for x, y in changed if x < 24]
        check(len(mark) >= 8, f"no check mark in the submenu: {changed[:5]}... "
              f"({old.path}, {shot.path})")
        self.screen.shot("autostart-checked")
        check(run_value(self.out) == self.run_command, "the Run value is not the program's own")
        self.screen.keys("Down", "Down", "Return")
        check(self.screen.wait_gone(menu, 3), "the menu stays open after the choice")
        check(run_value(self.out) is None, "the Run value stays after the second choice")
        return mark

    def stroke_game(self):
        self.step("the stroke game ends with a balloon")
        keys = self.pet.menu_keys(230)
        opens = keys.index("Right") + 1  # the games submenu; its items once it shows
        menu, _ = self.open_submenu(keys[:opens], "games submenu")
        self.screen.keys(*keys[opens:])
        check(self.screen.wait_gone(menu, 3), "the menu stays open after the choice")
        self.game_starts()
        started = time.monotonic()
        window, frame, _ = self.matched_frame()
        playing = self.pet.frames_of(530, STROKED)
        check(frame in playing, f"the stroke game did not start: frame {frame} is not one of "
              f"its {playing}")
        px, py = inside_point(self.pet, frame)
        for i in range(60):
            self.screen.move(window.x + px + (i % 2) * 10 - 5, window.y + py + (i % 3) * 4)
            time.sleep(0.03)
        self.screen.move(5, self.screen.height // 2)
        seconds = self.pet.actions[530]["duration"] + 5 - (time.monotonic() - started)
        is_balloon = lambda w: (w.width, w.height) == (182, 183)  # noqa: E731
        self.screen.wait_window(is_balloon, max(seconds, 3), "balloon of the stroke game")
        deadline = time.monotonic() + 5  # the text may be typed in
        while True:
            time.sleep(0.2)
            # Read again each time: the window found first may have moved, or be one going.
            balloons = [w for w in self.screen.windows() if is_balloon(w)]
            shot = self.screen.shot("balloon")
            yellow, balloon = max(((self.pixels(shot, w, lambda p: p == YELLOW), w)
                                   for w in balloons), default=(0, None), key=lambda t: t[0])
            if yellow > 50 or time.monotonic() > deadline:
                break
        check(yellow > 50, f"the balloon shows no text ({yellow} yellow pixels in {balloons})")
        print(f"   balloon {balloon}, {yellow} pixels of text")

    def game_starts(self):
        time.sleep(0.3)

    @staticmethod
    def pixels(shot, w, test):
        return sum(1 for y in range(w.y, w.bottom) for x in range(w.x, w.x + w.width)
                   if shot.inside(x, y) and test(shot.at(x, y)))

    def tray_menu(self):
        self.step("the tray icon opens the menu")
        trays = [w for w in self.screen.windows("explorer.exe") if w.name == "Wine System Tray"]
        if not trays:
            print("   no tray window on this display: skipped")
            return
        tray = trays[0]
        # The first icon sits at the left of the tray window's client area.
        x, y = tray.x + 12, tray.y + tray.height - 14
        # The menu opens on the button's press; near the screen's top edge it opens below the
        # click, under the pointer, so it is closed before the button is let go. A pet playing
        # with the cursor may hold it elsewhere meanwhile, and a press at once on arrival is now
        # and then lost under Wine: then the click is tried again.
        for attempt in range(1, 4):
            self.screen.move(x, y)
            time.sleep(0.2)
            self.screen.xdotool("mousedown", 3)
            try:
                menu = self.screen.wait_window(
                    lambda w: w.x == x and (w.bottom == y or (w.height > y and w.y == 0)), 4,
                    f"menu at the tray icon's click {x},{y}")
                self.screen.keys("Escape", window=menu)
                break
            except AssertionError:
                self.screen.shot(f"tray-{attempt}")
                if attempt == 3:
                    raise
                print(f"   no menu (the pointer at {self.screen.pointer()}): tried again")
            finally:
                self.screen.xdotool("mouseup", 3)
            time.sleep(1)
        time.sleep(0.3)

    def exit(self, run_, root, cfg_times):
        self.step("the menu's exit ends the program")
        menu = self.open_menu()
        keys = self.pet.menu_keys(903)
        self.screen.keys(*keys[:-1], window=menu)
        chosen = time.monotonic()
        self.screen.keys(keys[-1])
        pic = self.pet.end_picture
        end = self.screen.wait_window(
            lambda w: (w.width, w.height) == (pic.width + 2, pic.height + 2), 5, "end picture")
        time.sleep(0.3)
        shot = self.screen.shot("end")
        wrong = picture_matches(shot, end.x + 1, end.y + 1, pic)
        check(wrong == 0, f"the end picture differs in {wrong} pixels ({shot.path})")
        cx = (self.screen.width - end.width) // 2
        cy = (self.screen.height - end.height) // 2
        check(abs(end.x - cx) <= 1 and abs(end.y - cy) <= 1, f"{end} is not centred")
        code = run_.wait_end(max(0.1, 5 - (time.monotonic() - chosen)))
        gone = time.monotonic() - chosen
        check(code is not None, "the program was still running 5 seconds after the exit")
        check(code == 0, f"the program ended with status {code}")
        self.summary["exit_s"] = round(gone, 2)
        for name, before in cfg_times.items():
            path = os.path.join(root, "DATA", name)
            check(os.path.getmtime(path) > before, f"{name} was not rewritten")
            dump(self.args.pettool, path)
        state = dump(self.args.pettool, os.path.join(root, "DATA", self.pet.name + ".CFG"))
        expected = self.pet.state["PetName"] or FIRST_NAME
        check(state["PetName"] == expected, f"the pet's name is {state['PetName']!r}")
        log = read_log(root)
        self.log_figures(log)
        print(f"   gone {gone:.1f} s after the exit; both files rewritten and readable")

    def log_figures(self, log):
        gdi = gdi_counts(log)
        check(gdi, "the log has no GDI count")
        check("live 0," in gdi[-1], f"GDI objects left: {gdi[-1]}")
        peak = int(gdi[-1].split("peak ")[1].split(";")[0])
        check(peak < 64, f"too many GDI objects at one time: {gdi[-1]}")
        timings = [line for line in log.splitlines() if "[ Frame Timings :" in line]
        self.summary["gdi"] = gdi[-1].split(": ", 1)[1]
        if timings:
            self.summary["timings"] = timings[-1].split(": ", 1)[1]

    def start_from_run_value(self):
        self.step("the Run value the menu wrote starts the pet in its root")
        # Put back as the program wrote it, and run as a new session runs it, from elsewhere.
        wine_tool("wine", "reg", "import", self.run_export)
        try:
            subprocess.run(["wine", "wineboot"], cwd=self.out, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            window = self.pet_window(20)
        finally:
            delete_run_value()
        self.screen.shot("autostart")
        starts = read_log(self.main_root).count("NUV Pet Start")
        check(starts == 2, f"the pet root's log tells {starts} starts, not 2")
        subprocess.run(["wine", "taskkill", "/im", "NuvPet.exe"], capture_output=True,
                       stdin=subprocess.DEVNULL)
        check(self.screen.wait_gone(window, 10), "the started pet did not end on a close request")
        print(f"   {window}")

    def run_without_config(self):
        self.step("a root without .\\DATA\\PET.CFG shows the start-up error")
        root = fresh_copy(self.args.root, self.work, "noconfig", without=["DATA\\PET.CFG"])
        run_ = Run(self.args.exe, root, self.screen)
        try:
            box = self.screen.wait_window(lambda w: w.name == "설정 오류", 20,
                                          "message box '설정 오류'")
            time.sleep(0.3)
            self.screen.shot("start-error")
            self.screen.keys("Return", window=box)
            code = run_.wait_end(5)
            check(code is not None, "the program did not end after the message")
            check(code == 1, f"the failed start ended with status {code}")
            log = read_log(root)
            check("InitPet() - CFG 파일의 내용을 읽는데 실패했습니다." in log,
                  "the log lacks the reason of the failed start")
            gdi = gdi_counts(log)
            check(not self.COUNTS_GDI or "live 0," in gdi[-1],
                  "GDI objects left after the failed start")
        finally:
            run_.stop()

    def run_missing_root(self):
        self.step("a pet root on the command line that is not there: a message, status 3")
        missing = windows_path(os.path.join(self.work, "no such root"))
        process = subprocess.Popen(["wine", self.args.exe, missing], cwd=self.out,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            box = self.screen.wait_window(lambda w: w.name == APPLICATION, 20,
                                          f"message box '{APPLICATION}'")
            self.screen.shot("missing-root")
            self.screen.keys("Return", window=box)
            code = process.wait(timeout=5)
            check(code == 3, f"the start on a missing root ended with status {code}")
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()

    def run_close_request(self):
        self.step("a close request ends the program without the end picture")
        root = fresh_copy(self.args.root, self.work, "close")
        run_ = self.start(root)
        try:
            self.second_start(run_, root)
            asked = time.monotonic()
            subprocess.run(["wine", "taskkill", "/im", "NuvPet.exe"], capture_output=True,
                           stdin=subprocess.DEVNULL)
            pic = self.pet.end_picture
            while run_.process.poll() is None and time.monotonic() - asked < 5:
                check(not [w for w in self.screen.windows()
                           if (w.width, w.height) == (pic.width + 2, pic.height + 2)],
                      "a close request showed the end picture")
                time.sleep(0.05)
            code = run_.wait_end(0.1)
            check(code == 0, f"the close request ended the program with status {code}")
            gdi = gdi_counts(read_log(root))
            check(gdi and "live 0," in gdi[-1], "GDI objects left after a close request")
            print(f"   gone {time.monotonic() - asked:.1f} s after the request")
        finally:
            run_.stop()

    def second_start(self, first, root):
        self.step("a second start on the running pet's root is refused")
        # The first program is held still meanwhile, so that every byte of the root can be
        # compared: its own saves would change the files otherwise.
        os.kill(first.process.pid, signal.SIGSTOP)
        try:
            before = snapshot(root)
            second = Run(self.args.exe, root, self.screen)
            try:
                pet = (self.pet.width, self.pet.height)
                box = self.screen.wait_window(
                    lambda w: w.name == APPLICATION and (w.width, w.height) != pet, 20,
                    f"message box '{APPLICATION}'")
                time.sleep(0.3)
                self.screen.shot("already-running")
                self.screen.keys("Return", window=box)
                code = second.wait_end(5)
            finally:
                second.stop()
            check(code == ALREADY_RUNNING, f"the second start ended with status {code}")
            after = snapshot(root)
            changed = sorted(n for n in set(before) | set(after) if before.get(n) != after.get(n))
            check(not changed, f"the second start changed {changed}")
        finally:
            os.kill(first.process.pid, signal.SIGCONT)
        check(first.process.poll() is None, "the first program ended")
        self.matched_frame(moving=True)
        print("   refused with a message; no file changed; the first runs on")

    def run_two_monitors(self):
        self.step("two monitors: the pet dropped on the second one lands on its ground")
        monitors = xrandr_monitors()
        check(len(monitors) == 2, f"the display does not show two monitors: {monitors}")
        first, second = monitors
        root = fresh_copy(self.args.root, self.work, "monitors")
        self.clear_pointer()
        run_ = self.start(root)
        try:
            self.ground = first[1] + first[3]
            self.screen.wait_window(lambda w: self.on_ground(w), 10, "pet on the first ground")
            self.drag_to(second[0] + second[2] // 2, second[1] + second[3] // 3)
            self.ground = second[1] + second[3]
            landed = self.screen.wait_window(
                lambda w: w.width == self.pet.width and self.on_ground(w), 10,
                f"pet on the second monitor's ground {self.ground}")
            self.screen.shot("second-monitor")
            for _ in range(30):  # it walks there, turning at the monitor's edges
                w = self.pet_window()
                check(second[0] <= w.x and w.x + w.width <= second[0] + second[2],
                      f"{w} left the second monitor {second}")
                time.sleep(0.1)
            print(f"   landed at {landed.x},{landed.y} on {second}; stayed on it for 3 s")
            if self.SEES_MONITOR_CHANGES:
                self.monitor_removed(run_, first, second)
        finally:
            run_.stop()

    def drag_to(self, x, y):
        window, frame, _ = self.matched_frame()
        px, py = inside_point(self.pet, frame)
        self.screen.xdotool("mousemove", window.x + px, window.y + py, "mousedown", 1)
        time.sleep(0.4)
        dx, dy = x - window.x - px, y - window.y - py
        for _ in range(20):
            self.screen.xdotool("mousemove_relative", "--", dx // 20, dy // 20)
            time.sleep(0.04)
        x, y = window.x + px + dx // 20 * 20, window.y + py + dy // 20 * 20
        deadline = time.monotonic() + 3  # a busy machine may let the window lag behind
        while True:
            time.sleep(0.3)
            held = self.pet_window()
            if held.contains(x, y):
                break
            check(time.monotonic() < deadline,
                  f"the dragged pet stayed at {held}, the pointer at {x},{y}")
        self.screen.xdotool("mouseup", 1)

    def monitor_removed(self, run_, first, second):
        self.step("the second monitor switched off: the pet comes back to the first one")
        subprocess.run(["xrandr", "--output", SECOND_OUTPUT, "--off"], check=True)
        try:
            self.ground = first[1] + first[3]
            back = self.screen.wait_window(
                lambda w: w.width == self.pet.width and self.on_ground(w) and
                w.x + w.width <= first[0] + first[2], 10, "pet back on the first monitor")
            check(run_.process.poll() is None, "the program ended")
            print(f"   back at {back.x},{back.y}")
        finally:
            subprocess.run(["xrandr", "--output", SECOND_OUTPUT, "--mode", SECOND_MODE,
                            "--right-of", FIRST_OUTPUT], check=True)
        time.sleep(1)
        check(run_.process.poll() is None, "the program ended when the monitor came back")
        self.pet_window()

    def run_zoomed(self):
        self.step(f"the pet at {self.zoom}x: every frame's pixels and shape scaled, dragged")
        root = fresh_copy(self.args.root, self.work, "zoomed")
        self.clear_pointer()
        run_ = Run(self.args.exe, root, self.screen)
        try:
            self.appears(run_)
            self.shape_matches()
            self.drag_and_drop()
        finally:
            run_.stop()

    def run_zoom_setting(self):
        self.step("the zoom chosen in the options submenu is kept for the next start")
        root = fresh_copy(self.args.root, self.work, "zoom setting")
        self.clear_pointer()
        run_ = Run(self.args.exe, root, self.screen)
        try:
            self.appears(run_)
            menu = self.open_menu()
            self.screen.keys(*self.pet.submenu_keys(902), "End", "Up", "Return", window=menu)
            doubled = self.wait_zoomed(2)
            check(self.stored_zoom() == "2", f"the setting holds {self.stored_zoom()!r}")
            run_.stop()
            run_ = Run(self.args.exe, root, self.screen)
            again = self.wait_zoomed(2, 20)
            print(f"   at 2x: {doubled}; after a new start: {again}")
        finally:
            run_.stop()
            self.forget_zoom()

    def wait_zoomed(self, zoom, seconds=10):
        margin = GROUND_MARGIN * zoom
        return self.screen.wait_window(
            lambda w: (w.width, w.height) == (self.pet.width * zoom, self.pet.height * zoom) and
            w.bottom == self.ground + margin, seconds, f"the pet at {zoom}x on the ground")

    def stored_zoom(self):
        out = subprocess.run(["wine", "reg", "query", "HKCU\\Software\\NuvPET", "/v", "Zoom"],
                             capture_output=True, text=True).stdout
        m = re.search(r"Zoom\s+REG_SZ\s+(\S+)", out)
        return m.group(1) if m else None

    def forget_zoom(self):
        subprocess.run(["wine", "reg", "delete", "HKCU\\Software\\NuvPET", "/v", "Zoom", "/f"],
                       capture_output=True)

    def shape_matches(self):
        """Nothing more to see: a frame matched on the screenshot has its shape already (the
        desktop shows outside it)."""

    STEPS = "main,zoom_setting,from_run_value,close_request,without_config,missing_root"

    def run_from_run_value(self):
        self.start_from_run_value()

    def main(self):
        started = time.monotonic()
        for step in (getattr(self.args, "only", "") or self.STEPS).split(","):
            getattr(self, "run_" + step)()
        self.summary["total_s"] = round(time.monotonic() - started, 1)
        with open(os.path.join(self.out, "summary.json"), "w") as f:
            json.dump(self.summary, f, indent=2, ensure_ascii=False)
        print(json.dumps(self.summary, indent=2, ensure_ascii=False))


def main(argv, test=Test, name="e2e", doc=__doc__, only=None):
    parser = argparse.ArgumentParser(description=doc.split("\n\n")[0])
    for option in ("--exe", "--root", "--pettool", "--out"):
        parser.add_argument(option, required=True)
    if only:
        parser.add_argument("--only", default="", help=f"runs to make: {only}")
        parser.add_argument("--zoom", type=int, default=1, help="the zoom the pet shows at")
    args = parser.parse_args(argv[1:])
    try:
        test(args).main()
    except (Failure, AssertionError) as failure:
        subprocess.run(["import", "-window", "root", os.path.join(args.out, "failure.png")])
        print(f"{name}: FAIL: {failure}", file=sys.stderr)
        return 1
    print(f"{name}: PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv, only=Test.STEPS + ",two_monitors,zoomed"))
