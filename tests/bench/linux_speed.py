#!/usr/bin/env python3
"""nuvpet beside the classic X11 desktop toys, on one virtual display of one size.

Usage: linux_speed.py --exe nuvpet --root PET_ROOT [--seconds N] [--runs N] [--baseline OTHER_NUVPET]
       linux_speed.py --exe nuvpet --root PET_ROOT --soak MINUTES

Runs nuvpet, oneko and xpenguins -n 1 one after the other for N seconds each (default 60) on a
1024x768 Xvfb while the pointer moves (XTEST moves, as a mouse), and prints for each the CPU
time used (percent of one core), the resident memory at the end and its growth over the second
half of the run; for nuvpet also the X resources it holds at the start and the end (xrestop
when installed), the time from its start to its first frame and the cost of a frame change
(shape plus paint), from its log. nuvpet's pet is named first, in a run of its own, as on a
user's first start; its random draws start from one seed (NUVPET_SEED) in every run, so that
runs and builds compare. --runs repeats the round; --baseline measures another build of nuvpet
(an earlier one) in each round too, before this one. --profile prints, for each round, nuvpet's
CPU time and X requests per kind of wake-up (NUVPET_WAKE_PROFILE), and the baseline's too when
it has the table.
With --soak, nuvpet alone runs for MINUTES while the pointer moves, and its resident memory
and X resources (xrestop) are printed every minute.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time


def cpu_seconds(pid):
    """CPU time of all the process's threads, in nanoseconds precision (schedstat)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as f:
            total += int(f.read().split()[0])
    return total / 1e9


def rss_kib(pid):
    return int(re.search(r"VmRSS:\s+(\d+)", open(f"/proc/{pid}/status").read()).group(1))


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout


def answer_name_box(pid, env, seconds=15):
    """A fresh root's pet asks for its name first: named, it goes about its life. Without this
    the figures would be those of a dialog under the moving pointer."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for window in xdotool(env, "search", "--onlyvisible", "--pid", str(pid), ".").split():
            if xdotool(env, "getwindowname", window).strip() not in ("", "nuvpet"):
                xdotool(env, "windowfocus", "--sync", window)
                xdotool(env, "type", "--delay", "40", "Mongsil")
                xdotool(env, "key", "--window", window, "Return")
                time.sleep(2)
                return True
        time.sleep(0.2)
    return False


def name_pet(exe, root, env):
    """Runs nuvpet once on `root` to answer its first start's name box; the log is cleared."""
    process = subprocess.Popen([exe, root], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    time.sleep(1)
    if not answer_name_box(process.pid, env):
        print("nuvpet: no name box answered", file=sys.stderr)
    process.terminate()
    process.wait(10)
    log = os.path.join(root, "ETCS", "PETLOG.TXT")
    if os.path.exists(log):
        os.remove(log)


def measure(command, seconds, env, cwd=None):
    process = subprocess.Popen(command, env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    time.sleep(3)  # started and settled
    start_cpu, start = cpu_seconds(process.pid), time.monotonic()
    half_rss = None
    while time.monotonic() - start < seconds:
        subprocess.run(["xdotool", "mousemove_relative", "--", "7", "3"], env=env)
        subprocess.run(["xdotool", "mousemove_relative", "--", "-7", "-3"], env=env)
        if half_rss is None and time.monotonic() - start >= seconds / 2:
            half_rss = rss_kib(process.pid)
        time.sleep(0.1)
    used = cpu_seconds(process.pid) - start_cpu
    elapsed = time.monotonic() - start
    rss = rss_kib(process.pid)
    process.terminate()
    process.wait(10)
    return {"cpu_percent": round(100 * used / elapsed, 3), "rss_mib": round(rss / 1024, 1),
            "rss_growth_kib": rss - (half_rss or rss)}


def x_resources(pid, env):
    """xrestop's figures for the client of process `pid`."""
    out = subprocess.run(["xrestop", "-b", "-m", "1"], env=env, capture_output=True,
                         text=True).stdout
    for block in re.split(r"(?m)^(?=\d+ - )", out):
        if re.search(rf"PID:\s*{pid}\b", block):
            fields = dict(re.findall(r"(?m)^\s+(\w[\w ]*?)\s*:\s*~?(\S+)", block))
            return {k: fields.get(k) for k in ("windows", "GCs", "pixmaps", "pictures", "cursors",
                                               "unknowns", "total bytes")}
    return None


def soak(args, env, root):
    process = subprocess.Popen([os.path.abspath(args.exe), root], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    start = time.monotonic()
    minute = 0
    while minute <= args.soak:
        if time.monotonic() - start >= minute * 60 + 5:
            print(f"minute {minute:3}: rss {rss_kib(process.pid)} KiB, cpu "
                  f"{cpu_seconds(process.pid):.2f} s, X {x_resources(process.pid, env)}",
                  flush=True)
            minute += 1
        subprocess.run(["xdotool", "mousemove_relative", "--", "7", "3"], env=env)
        subprocess.run(["xdotool", "mousemove_relative", "--", "-7", "-3"], env=env)
        time.sleep(0.1)
    process.terminate()
    process.wait(10)


def measure_round(args, env, root, results):
    programs = [("nuvpet", [os.path.abspath(args.exe), root])]
    if args.baseline:
        programs.insert(0, ("nuvpet (baseline)", [os.path.abspath(args.baseline), root]))
    for name, command in (("oneko", ["/usr/games/oneko"]),
                          ("xpenguins -n 1", ["xpenguins", "-n", "1"])):
        if shutil.which(command[0]):
            programs.append((name, command))
    for name, command in programs:
        run_env = env
        if name.startswith("nuvpet") and args.profile:
            run_env = dict(env, NUVPET_WAKE_PROFILE=profile_file(args.profile, name))
        results.setdefault(name, []).append(measure(command, args.seconds, run_env))


def profile_file(profile, name):
    return profile + (".baseline" if "baseline" in name else "")


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--root", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--runs", type=int, default=1, help="rounds of measurements")
    parser.add_argument("--baseline", help="another nuvpet measured in each round too")
    parser.add_argument("--soak", type=int, default=0, help="minutes of nuvpet alone")
    parser.add_argument("--profile", action="store_true", help="nuvpet's CPU per wake-up")
    args = parser.parse_args(argv[1:])
    display = ":57" if not args.soak else ":56"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display, NO_AT_BRIDGE="1", NUVPET_SEED="1")
    work = tempfile.mkdtemp()
    if args.profile:
        args.profile = os.path.join(work, "wake-profile.txt")
    try:
        time.sleep(1.5)
        root = os.path.join(work, "root")
        shutil.copytree(args.root, root)
        log = os.path.join(root, "ETCS", "PETLOG.TXT")
        name_pet(os.path.abspath(args.exe), root, env)
        if args.soak:
            soak(args, env, root)
            return 0
        results = {}
        for _ in range(args.runs):
            measure_round(args, env, root, results)
        text = open(log, "rb").read().decode("cp949", errors="replace")
        timings = [line for line in text.splitlines() if "[ Frame Timings :" in line]
        for name, runs in results.items():
            cpu = [figures["cpu_percent"] for figures in runs]
            print(f"{name:18} cpu % {cpu} (mean {sum(cpu) / len(cpu):.3f}), last run {runs[-1]}")
        if timings:
            print(f"nuvpet's last run: {timings[-1].split(': ', 1)[1]}")
        for name in results:
            path = profile_file(args.profile, name) if args.profile else ""
            if name.startswith("nuvpet") and os.path.exists(path):
                print(f"{name}, per round:\n{open(path).read()}", end="")
    finally:
        xvfb.terminate()
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
