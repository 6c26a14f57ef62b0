#!/usr/bin/env python3
"""Speed of NuvPet.exe under Wine: start to first frame, CPU while the pet idles, the frame
change, GDI objects and memory over a run.

Usage: wine_speed.py --exe NuvPet.exe --root PET_ROOT --pettool PETTOOL --out FOLDER
                [--starts 5] [--idle 60]

Each start runs on a fresh copy of the pet root with the Wine server already running; the
program's log gives the time from the creation of its process to the end of the first paint.
The idle run samples the process's CPU time (/proc) and its memory over --idle seconds with no
input, then ends the pet through its menu. Prints the figures as JSON.
"""

import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from pet_e2e import Pet, fresh_copy, inside_point, read_log  # noqa: E402
from screen import Screen  # noqa: E402


def windows_process(launcher_pid):
    """The Linux pid of the Windows program started by `wine`: the launcher execs into it."""
    for _ in range(200):
        try:
            with open(f"/proc/{launcher_pid}/cmdline", "rb") as f:
                program = f.read().split(b"\0")[0].decode(errors="replace")
        except OSError:
            program = ""
        if program.lower().endswith("nuvpet.exe"):
            return launcher_pid
        time.sleep(0.05)
    raise RuntimeError("the launcher did not become NuvPet.exe")


def wine_server():
    """The wine server of this prefix."""
    prefix = ("WINEPREFIX=" + os.environ.get("WINEPREFIX", "")).encode()
    for pid in [int(p) for p in os.listdir("/proc") if p.isdigit()]:
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                program = f.read().split(b"\0")[0].decode(errors="replace")
            with open(f"/proc/{pid}/environ", "rb") as f:
                environment = f.read().split(b"\0")
        except OSError:
            continue
        if os.path.basename(program).startswith("wineserver") and prefix in environment:
            return pid
    return None


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def memory_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        status = f.read()
    return {key: int(re.search(rf"{key}:\s+(\d+)", status).group(1)) for key in ("VmRSS", "RssAnon")}


def end_through_menu(screen, pet, process):
    pets = [w for w in screen.windows() if (w.width, w.height) == (pet.width, pet.height)]
    if pets:
        x, y = inside_point(pet, 0)
        x, y = pets[0].x + x, pets[0].y + y
        screen.click(x, y, 3)
        menu = screen.wait_window(lambda w: w.x == x and w.bottom == y, 5, "menu")
        screen.keys(*pet.menu_keys(903), window=menu)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def figure(log, label):
    lines = [line for line in log.splitlines() if label in line]
    return lines[-1].split(": ", 1)[1] if lines else None


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    for name in ("--exe", "--root", "--pettool", "--out"):
        parser.add_argument(name, required=True)
    parser.add_argument("--starts", type=int, default=5)
    parser.add_argument("--idle", type=float, default=60)
    args = parser.parse_args(argv[1:])
    os.makedirs(args.out, exist_ok=True)
    exe = os.path.abspath(args.exe)
    screen = Screen(os.environ["DISPLAY"], args.out)
    pet = Pet(args.root, args.pettool, args.out)
    results = {"first_frame_ms": [], "window_ms": []}

    if screen.windows():
        raise RuntimeError(f"the display is not empty: {screen.windows()}")
    for n in range(args.starts):
        root = fresh_copy(args.root, args.out, f"start-{n}")
        started = time.monotonic()
        process = subprocess.Popen(["wine", exe], cwd=root, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        screen.wait_window(lambda w: (w.width, w.height) == (pet.width, pet.height), 20, "pet")
        results["window_ms"].append(round((time.monotonic() - started) * 1000))
        time.sleep(1)
        end_through_menu(screen, pet, process)
        timings = figure(read_log(root), "[ Frame Timings :")
        results["first_frame_ms"].append(int(re.search(r"first frame (\d+) ms", timings).group(1)))

    root = fresh_copy(args.root, args.out, "idle")
    process = subprocess.Popen(["wine", exe], cwd=root, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pid = windows_process(process.pid)
    screen.wait_window(lambda w: (w.width, w.height) == (pet.width, pet.height), 20, "pet")
    screen.move(5, screen.height // 2)
    time.sleep(3)
    server = wine_server()
    server_before = cpu_seconds(server) if server else 0
    cpu_before, memory_before, clock = cpu_seconds(pid), memory_kb(pid), time.monotonic()
    samples = []
    while time.monotonic() - clock < args.idle:
        time.sleep(min(60.0, args.idle))
        samples.append(memory_kb(pid)["RssAnon"])
    cpu = cpu_seconds(pid) - cpu_before
    server_cpu = cpu_seconds(server) - server_before if server else 0
    elapsed = time.monotonic() - clock
    memory_after = memory_kb(pid)
    end_through_menu(screen, pet, process)
    log = read_log(root)

    summary = {
        "first_frame_ms_median": (statistics.median(results["first_frame_ms"])
                                  if results["first_frame_ms"] else None),
        "first_frame_ms": results["first_frame_ms"],
        "window_seen_ms": results["window_ms"],
        "idle_seconds": round(elapsed, 1),
        "idle_cpu_percent_of_one_core": round(100 * cpu / elapsed, 2),
        "wineserver_cpu_percent_meanwhile": round(100 * server_cpu / elapsed, 2),
        "memory_kb_before": memory_before,
        "memory_kb_after": memory_after,
        "anonymous_kb_each_minute": samples,
        "frame_timings": figure(log, "[ Frame Timings :"),
        "gdi": figure(log, "[ GDI Objects :"),
    }
    with open(os.path.join(args.out, "speed.json"), "w") as f:
        json.dump(summary, f, indent=2)
    print(json.dumps(summary, indent=2))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
