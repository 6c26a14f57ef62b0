#!/usr/bin/env python3
"""End-to-end test of nuvpet, the Linux program, on a virtual X display.

Usage: linux_e2e.py --exe nuvpet --root PET_ROOT --pettool PETTOOL --out FOLDER [--wm NAME]

On a fresh copy of the pet root the program must show the pet on the ground line with the
pixels of one of its frames and an X shape equal to that frame's, animate it, let it be dragged
200 pixels up and land, be thrown, open its menu on a right click and from the tray icon with
the gauges, play the stroke game with its cursor on the whole screen and the catch game
following the pointer (also with the pointer polled, as without XInput 2), and end through
the menu's exit: the end picture, both configuration files rewritten and readable. A second
start on the same root is refused without touching its files; on a root whose pet talks in
link balloons, the Hangul text is typed in and the link opens in the (fake) browser; SIGTERM during a game ends the program with the cursors put back.
The display is prepared by e2e-linux.sh (tray host, named root cursor, fake browser).
"""

import json
import os
import re
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
sys.path.insert(0, HERE)

import pet_e2e as base  # noqa: E402
from pet_e2e import Failure, check, dump, fresh_copy, inside_point, read_log  # noqa: E402
from screen import Screen  # noqa: E402
from xwin import Display, read_cursor  # noqa: E402

PROGRAM = "nuvpet"
LINK_BLUE = (0, 0, 255)
LINK_ADDRESS = "http://example.org/nuvpet-link"  # the advertisement's link


class LinuxScreen(Screen):
    def __init__(self, display, folder):
        super().__init__(display, folder)
        self.x = Display(display)

    def windows(self, program=PROGRAM):
        return self.x.windows(program)


class LinuxRun(base.Run):
    def __init__(self, exe, root, screen, wrapper=(), env=None):
        self.root, self.screen = root, screen
        self.started = time.monotonic()
        self.process = subprocess.Popen([*wrapper, exe, root], stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        env=env)


base.Run = LinuxRun


def cursor_size(path):
    """Width and height of the first picture of a .cur file."""
    with open(path, "rb") as f:
        head = f.read(8)
    return head[6] or 256, head[7] or 256


def talking_root(root, pettool, work):
    """A copy of `root` whose pet does nothing but talk (balloons typed in) and show its
    advertisement message, Hangul text with a link."""
    target = fresh_copy(root, work, "talk")
    pet = base.Pet(root, pettool, work)
    ani = os.path.join(target, "PETS", pet.name + ".ANI")
    text = bytes(b ^ 0xFF for b in open(ani, "rb").read()).decode("cp949")

    def weights(m):
        fields = m.group(0).split(";")
        weight = {"146": " 5000", "149": " 5000"}.get(fields[0], " 0")
        fields[2:7] = [weight] * 5
        return ";".join(fields)
    text = re.sub(r"(?m)^1\d\d;[^\n]*", weights, text)
    with open(ani, "wb") as f:
        f.write(bytes(b ^ 0xFF for b in text.encode("cp949")))
    message = ("1;\t100;\t하늘다람쥐는<BR>날개 없이 날아요.<BR>"
               "<LINK=http:/\t/example.org/nuvpet-link>더 알아보기</LINK>;\r\n")
    with open(os.path.join(target, "DATA", pet.name + ".CMC"), "wb") as f:
        f.write(bytes(b ^ 0xFF for b in message.encode("cp949")))
    return target


class LinuxTest(base.Test):
    menu_slack = 8
    COUNTS_GDI = False
    SEES_MONITOR_CHANGES = True

    def __init__(self, args):
        super().__init__(args)
        self.screen = LinuxScreen(os.environ["DISPLAY"], self.out)
        check(self.screen.x.name_root_cursor("left_ptr"), "the cursor theme has no left_ptr")
        self.ground = self.work_area_bottom()

    def work_area_bottom(self):
        out = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], capture_output=True,
                             text=True).stdout
        numbers = re.findall(r"-?\d+", out.split("=", 1)[-1]) if "=" in out else []
        if len(numbers) >= 4:
            return int(numbers[1]) + int(numbers[3])
        return self.screen.height

    def appears(self, run_):
        ground = self.ground
        super().appears(run_)
        self.ground = ground
        window = self.pet_window()
        check(self.on_ground(window), f"{window} is not on the work area's ground line {ground}")

    def shape_matches(self):
        self.step("the window's X shape is its frame's shape, pixel by pixel")
        for _ in range(10):
            window, frame, shot = self.matched_frame()
            rects = self.screen.x.shape(window)
            inputs = self.screen.x.shape(window, 2)
            again, frame2, _ = self.matched_frame()
            if frame2 != frame or (again.x, again.y) != (window.x, window.y):
                continue
            mask = self.pet.frames.mask(frame)
            w, h = self.pet.width, self.pet.height
            wrong = sum(1 for y in range(h) for x in range(w)
                        if any(l <= x < r and t <= y < b for l, t, r, b in rects) != mask[y * w + x])
            check(wrong == 0, f"the X shape differs from frame {frame} in {wrong} pixels")
            check(sorted(rects) == sorted(inputs), "the input shape differs from the shape")
            print(f"   frame {frame}: {len(rects)} rectangles, input shape equal")
            return
        raise Failure("the frame kept changing while its shape was read")

    def settings_file(self):
        home = os.environ.get("XDG_CONFIG_HOME", os.path.expanduser("~/.config"))
        return os.path.join(home, "nuvpet", "settings")

    def stored_zoom(self):
        path = self.settings_file()
        lines = open(path).read().splitlines() if os.path.exists(path) else []
        return next((line[5:] for line in lines if line.startswith("Zoom=")), None)

    def forget_zoom(self):
        path = self.settings_file()
        if os.path.exists(path):
            lines = open(path).read().splitlines(True)
            with open(path, "w") as f:
                f.writelines(line for line in lines if not line.startswith("Zoom="))

    def throw(self):
        self.step("the pet is thrown")
        window, frame, _ = self.matched_frame()
        px, py = inside_point(self.pet, frame)
        self.screen.xdotool("mousemove", window.x + px, window.y + py, "mousedown", 1)
        time.sleep(0.4)
        for _ in range(4):
            self.screen.xdotool("mousemove_relative", "--", 10, -10)
            time.sleep(0.05)
        released = self.pet_window()
        # A long quick move and the release: a throw up and to the right.
        self.screen.xdotool("mousemove_relative", "--", 150, -90, "mouseup", 1)
        # A drop falls straight down; a throw also flies sideways. It bounces off the screen's
        # edges fast enough to pass its starting column again, so the whole flight is watched.
        path = []
        for _ in range(10):
            time.sleep(0.05)
            path.append(self.pet_window())
        flying = max(path, key=lambda w: abs(w.x - released.x))
        check(abs(flying.x - released.x) > 40,
              f"the pet was not thrown: {released} -> {[(w.x, w.y) for w in path]}")
        landed = self.screen.wait_window(
            lambda w: w.width == self.pet.width and self.on_ground(w), 15, "thrown pet landing")
        print(f"   released at {released.x},{released.y}; flew to {flying.x},{flying.y}; "
              f"landed at x={landed.x}")
        self.screen.move(5, self.screen.height // 2)

    def stroke_game(self):
        before = read_cursor(self.screen.display)
        super().stroke_game()
        check(self.game_cursor_seen, "the stroke game's cursor never showed on the desktop")
        time.sleep(1.0)
        after = read_cursor(self.screen.display)
        check(after[:2] == before[:2], f"the cursor was not put back: {after[:4]} vs {before[:4]}")

    def game_starts(self):
        self.screen.move(5, self.screen.height // 2)
        self.game_cursor_seen = self.watch_cursor(3)
        if not self.game_cursor_seen and os.environ.get("NUV_E2E_WM_RUNNING"):
            # A window manager's own desktop cursor is not one of the theme's named cursors:
            # the game cursor shows over the pet.
            print("   the desktop's cursor is the window manager's: the cursor over the pet")
            window, frame, _ = self.matched_frame()
            px, py = inside_point(self.pet, frame)
            self.screen.move(window.x + px, window.y + py)
            self.game_cursor_seen = self.watch_cursor(2)

    def watch_cursor(self, seconds):
        """True when the cursor has the size of one of the pet's .cur files within `seconds`."""
        sizes = {cursor_size(os.path.join(self.args.root, "PETS", n))
                 for n in os.listdir(os.path.join(self.args.root, "PETS")) if n.endswith(".CUR")}
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            c = read_cursor(self.screen.display)
            if c and (c[0], c[1]) in sizes and c[:2] != self.default_cursor[:2]:
                return True
            time.sleep(0.05)
        return False

    def tray_menu(self):
        self.step("the tray icon opens the menu with its gauges")
        icons = [w for w in self.screen.windows() if w.width <= 48 and w.height <= 48]
        check(icons, f"no tray icon of the program: {self.screen.windows()}")
        icon = icons[0]
        x, y = icon.x + icon.width // 2, icon.y + icon.height // 2
        self.screen.click(x, y, 3)
        menu = self.screen.wait_window(lambda w: w.height > 100 and w.width > 60, 5,
                                       "menu from the tray icon")
        status, _ = self.status_submenu(menu, "tray-menu-status")
        print(f"   tray icon {icon}; status submenu {status}")

    def autostart(self, root):
        self.step("the options' start with the desktop writes and removes the autostart entry")
        entry = os.path.join(os.environ.get("XDG_CONFIG_HOME", os.path.expanduser("~/.config")),
                             "autostart", "nuvpet.desktop")
        for expected in (True, False):
            menu = self.open_menu()
            self.screen.keys(*self.pet.submenu_keys(902), "Down", "Down", "Return", window=menu)
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline and os.path.exists(entry) != expected:
                time.sleep(0.1)
            check(os.path.exists(entry) == expected,
                  f"the autostart entry is {'missing' if expected else 'still there'}")
            if expected:
                text = open(entry).read()
                check(f"Exec={self.args.exe} {root}\n" in text,
                      f"the autostart entry does not start this pet: {text!r}")
        print(f"   {entry} written, then removed")

    def catch_game(self):
        self.step("the catch game: the pet follows the pointer")
        menu = self.open_menu()
        self.screen.keys(*self.pet.menu_keys(210), window=menu)
        time.sleep(0.3)
        # The pet catches the pointer when it comes near: moves through XTEST, as a mouse.
        window = self.pet_window()
        self.screen.move(window.x + self.pet.width // 2, window.y - 60)
        caught = None
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline and caught is None:
            self.screen.xdotool("mousemove_relative", "--", 0, 1)
            self.screen.xdotool("mousemove_relative", "--", 0, -1)
            time.sleep(0.1)
            if self.hooked():
                caught = self.pet_window()
        check(caught is not None, "the pet never caught the pointer")
        for _ in range(10):
            self.screen.xdotool("mousemove_relative", "--", -15, 0)
            time.sleep(0.05)
        time.sleep(0.3)
        moved = self.pet_window()
        check(moved.x <= caught.x - 60, f"the pet did not follow the pointer: {caught} -> {moved}")
        print(f"   caught at {caught.x},{caught.y}; followed to {moved.x},{moved.y}")
        self.screen.move(5, self.screen.height // 2)
        self.screen.wait_window(lambda w: w.width == self.pet.width and self.on_ground(w), 30,
                                "pet back on the ground after the catch game")

    def hooked(self):
        """True while the pet hangs on the pointer: the game cursor shows and the pet window
        sits around the pointer."""
        return self.pet_window().contains(*self.screen.pointer())

    def log_figures(self, log):
        timings = [line for line in log.splitlines() if "[ Frame Timings :" in line]
        check(timings, "the log has no frame timings")
        self.summary["timings"] = timings[-1].split(": ", 1)[1]

    def second_instance(self, root):
        self.step("a second start on the same root is refused without touching its files")
        # The running pet saves now and then: what the second start does is read from its
        # system calls.
        trace = os.path.join(self.out, "second-start.strace")
        second = LinuxRun(self.args.exe, root, self.screen,
                          ["strace", "-f", "-qq", "-o", trace, "-e",
                           "trace=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,"
                           "truncate,mkdir"])
        # Under strace a start takes several times as long.
        box = self.screen.wait_window(lambda w: w.name == "NuvPET" and w.width > 100, 30,
                                      "message of the refused start")
        self.screen.shot("second-instance")
        self.screen.keys("Return", window=box)
        code = second.wait_end(5)
        check(code == 3, f"the refused start ended with status {code}")
        touched = []
        for line in open(trace, encoding="utf-8", errors="replace"):
            if root not in line or "NUVPET.LCK" in line:
                continue
            writes = re.search(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC", line)
            if writes or re.search(r"\b(rename|unlink|truncate|mkdir|creat)", line):
                touched.append(line.strip())
        check(not touched, f"the refused start touched the pet root: {touched[:3]}")
        print("   refused with a message; no file of the root opened for writing")

    def run_main(self):
        root = fresh_copy(self.args.root, self.work, "main")
        cfg_times = {n: os.path.getmtime(os.path.join(root, "DATA", n))
                     for n in ("PET.CFG", self.pet.name + ".CFG")}
        self.clear_pointer()
        self.default_cursor = read_cursor(self.screen.display)
        run_ = LinuxRun(self.args.exe, root, self.screen)
        try:
            self.appears(run_)
            self.shape_matches()
            self.animates()
            self.drag_and_drop()
            self.throw()
            self.menu()
            self.tray_menu()
            self.second_instance(root)
            self.autostart(root)
            self.stroke_game()
            self.catch_game()
            self.exit(run_, root, cfg_times)
        finally:
            run_.stop()

    def run_catch_polling(self):
        self.step("without XInput 2 the catch game reads the pointer on a timer")
        root = fresh_copy(self.args.root, self.work, "polling")
        self.clear_pointer()
        run_ = self.start(root, env=dict(os.environ, NUVPET_NO_XINPUT2="1"))
        try:
            self.catch_game()
            check(read_log(root).count("XInput 2가 없어") == 1,
                  "the log does not say once that the pointer is polled")
        finally:
            run_.stop()

    def balloon_text(self, shot, balloon):
        """Dark pixels of the balloon: inside its X shape, outside the pet's window."""
        pet = self.pet_window()
        shape = self.screen.x.shape(balloon)
        count = 0
        for left, top, right, bottom in shape:
            for y in range(balloon.y + top, balloon.y + bottom):
                for x in range(balloon.x + left, balloon.x + right):
                    if pet.contains(x, y):
                        continue
                    if shot.inside(x, y) and sum(shot.at(x, y)) < 150:
                        count += 1
        return count

    @staticmethod
    def link_pixels(shot, balloon):
        return [(x, y) for y in range(balloon.y, balloon.bottom)
                for x in range(balloon.x, balloon.x + balloon.width)
                if shot.inside(x, y) and shot.at(x, y) == LINK_BLUE]

    def wait_balloon_over(self, balloon, text_pixels, seconds=15):
        """Until the balloon's window is gone or shows a new balloon (its window is kept for the
        next one, which starts with less text while typed, or shows a link: a message balloon
        is shown whole)."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            place = (balloon.id, balloon.x, balloon.y, balloon.width, balloon.height)
            if all((w.id, w.x, w.y, w.width, w.height) != place for w in self.screen.windows()):
                return  # gone, or moved for a new balloon
            shot = self.screen.shot()
            if self.balloon_text(shot, balloon) < text_pixels - 20:
                return
            if self.link_pixels(shot, balloon):
                return
            time.sleep(0.1)

    def run_talk(self):
        """The pet alternates at random between talking and its advertisement (half each):
        both are met within a few actions."""
        self.step("talk balloons typed in Hangul, a link balloon whose link opens")
        root = talking_root(self.args.root, self.args.pettool, self.work)
        opened = os.environ.get("NUV_E2E_BROWSER_LOG")
        if opened and os.path.exists(opened):
            os.remove(opened)
        run_ = self.start(root)
        typed, address, seen = None, "", []
        started = time.monotonic()
        try:
            deadline = started + 240
            while time.monotonic() < deadline and not (typed and address == LINK_ADDRESS):
                balloon = self.screen.wait_window(
                    lambda w: w.width > self.pet.width and w.name != "NuvPET" and w.height > 40,
                    max(deadline - time.monotonic(), 1), "balloon")
                counts = []
                for _ in range(8):
                    shot = self.screen.shot()
                    counts.append(self.balloon_text(shot, balloon))
                    time.sleep(0.1)
                blue = self.link_pixels(shot, balloon)
                seen.append(f"{time.monotonic() - started:.0f}s {balloon.width}x{balloon.height}"
                            f"+{balloon.x}+{balloon.y} text {counts} blue {len(blue)}")
                if blue and address != LINK_ADDRESS:  # the pet's own texts have links too
                    self.screen.shot("link-balloon")
                    address = self.open_link(blue, opened)
                    seen[-1] += f" opened {address!r}"
                elif len(set(counts)) >= 3 and counts[-1] > counts[0] + 20 and not typed:
                    typed = counts
                    self.screen.shot("typed-balloon")
                if not blue:
                    self.wait_balloon_over(balloon, counts[-1])
            check(typed, f"no talk balloon was seen typing its text in; seen: {seen}")
            check(address == LINK_ADDRESS,
                  f"the browser was not given the link (got {address!r}); seen: {seen}")
            print(f"   text pixels while typing {typed}; link opened: {address}")
        finally:
            run_.stop()

    def open_link(self, blue, opened):
        if opened and os.path.exists(opened):
            os.remove(opened)  # an earlier link's address
        bx = sorted(p[0] for p in blue)[len(blue) // 2]
        by = sorted(p[1] for p in blue)[len(blue) // 2]
        self.screen.move(bx - 3, by)
        time.sleep(0.1)
        self.screen.click(bx, by)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if opened and os.path.exists(opened):
                return open(opened).read().strip()
            time.sleep(0.1)
        return ""

    def run_sigterm(self):
        self.step("SIGTERM during a game: the program ends and the cursors are back")
        root = fresh_copy(self.args.root, self.work, "sigterm")
        self.clear_pointer()
        before = self.default_cursor = read_cursor(self.screen.display)
        run_ = self.start(root)
        try:
            menu = self.open_menu()
            self.screen.keys(*self.pet.menu_keys(230), window=menu)
            self.screen.move(5, self.screen.height // 2)
            check(self.watch_cursor(3) or os.environ.get("NUV_E2E_WM_RUNNING"),
                  "the game's cursor did not show on the desktop")
            run_.process.send_signal(signal.SIGTERM)
            code = run_.wait_end(5)
            check(code is not None, "the program did not end on SIGTERM")
            after = None
            for _ in range(20):
                time.sleep(0.1)
                after = read_cursor(self.screen.display)
                if after == before:
                    break
            check(after is not None and after == before,
                  f"the cursor stayed changed after SIGTERM: {after and after[:4]} vs {before[:4]}")
            print(f"   ended with status {code}; cursor {after[:4]} as before")
        finally:
            run_.stop()

    STEPS = "main,zoom_setting,catch_polling,talk,sigterm,without_config"


if __name__ == "__main__":
    sys.exit(base.main(sys.argv, LinuxTest, "e2e-linux", __doc__,
                       only=LinuxTest.STEPS + ",two_monitors,zoomed"))
