#!/usr/bin/env python3
"""Checks the built sample pet root with pettool.

Usage: sample_pet_test.py PETTOOL ROOT check
       sample_pet_test.py PETTOOL ROOT sim
       sample_pet_test.py PETTOOL ROOT lists PETS PETSRC
       sample_pet_test.py PETTOOL ROOT golden EVENTS... GOLDEN

check: `pettool check` starts 토리, and 보리 in a copy of the root where it is the active pet,
       with no warning.
sim:   24 virtual hours of 토리 with seed 1: every range of the action choice is visited, the
       pet levels up, no tick shows a missing animation, all three balloon kinds open.
golden: 200 virtual seconds of 토리 with seed 1 playing the events files one after the other
       print exactly the JSON lines of GOLDEN: the menu's five games won with their cursors
       and result balloons, then drag, menus, balloons and the tray.
lists: the lists kept in pets/ for reading are the ones tools/petart writes into PETSRC.
Every run works on a fresh copy of the pet root, as the pet writes its files: `check` may
write nothing but the log, which the test verifies.
"""

import hashlib
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

RANGES = [(0, 199), (200, 299), (300, 399), (410, 419), (420, 429), (430, 439), (440, 449)]
failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def tree_digest(root, skip=()):
    digest = hashlib.sha256()
    for folder, _, files in sorted(os.walk(root)):
        if os.path.relpath(folder, root) in skip:
            continue
        for name in sorted(files):
            path = os.path.join(folder, name)
            digest.update(os.path.relpath(path, root).encode())
            with open(path, "rb") as f:
                digest.update(f.read())
    return digest.hexdigest()


def run(args):
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return result.returncode, result.stdout.decode("utf-8", "replace"), \
        result.stderr.decode("utf-8", "replace")


def check_pet(pettool, root, name, label):
    code, out, err = run([pettool, "check", root, "--name", name])
    expect(code == 0, "%s: pettool check exit code %d: %s" % (label, code, err))
    for line in out.splitlines():
        expect(not line.startswith("warning:"), "%s: %s" % (label, line))
        expect("() - " not in line, "%s: the log reports a failure: %s" % (label, line))
    expect("[ Create Memory Device Context ]" in out, "%s: the start did not finish" % label)


def make_active(root, pet):
    """Marks `pet` active in the root's PET.CFG (stored complemented)."""
    path = os.path.join(root, "DATA", "PET.CFG")
    with open(path, "rb") as f:
        text = bytes(b ^ 0xFF for b in f.read()).decode("ascii", "replace")
    lines = []
    for line in text.split("\r\n"):
        if line.startswith("Ps("):
            fields = line[3:-1].split(",")
            fields[3] = "True" if fields[1] == pet else "False"
            line = "Ps(" + ",".join(fields) + ")"
        lines.append(line)
    with open(path, "wb") as f:
        f.write(bytes(b ^ 0xFF for b in "\r\n".join(lines).encode("ascii")))


def check(pettool, root):
    check_pet(pettool, root, "토리", "TORI")
    with tempfile.TemporaryDirectory() as temp:
        copy = os.path.join(temp, "root")
        shutil.copytree(root, copy)
        make_active(copy, "BORI")
        check_pet(pettool, copy, "보리", "BORI")


def events_of(args):
    """The JSON events of a simulated run; ticks only as counts of missing animations."""
    process = subprocess.Popen(args, stdout=subprocess.PIPE)
    events, ticks, missing = [], 0, 0
    for raw in process.stdout:
        if raw.startswith(b'{"t":') and b'"ev":"tick"' in raw:
            ticks += 1
            missing += b'"anim":-1,' in raw
            continue
        events.append(json.loads(raw))
    expect(process.wait() == 0, "pettool sim failed")
    return events, ticks, missing


def sim(pettool, root):
    started = time.time()
    events, ticks, missing = events_of([pettool, "sim", root, "--seconds", "86400", "--seed", "1",
                                        "--name", "토리", "--trace"])
    seconds = time.time() - started
    expect(events and events[0].get("ev") in ("action", "start"), "no events")
    starts = [e for e in events if e["ev"] == "start"]
    expect(starts and starts[0]["ok"], "the pet did not start")
    actions = [e["id"] for e in events if e["ev"] == "action"]
    for lo, hi in RANGES:
        count = sum(1 for a in actions if lo <= a <= hi)
        expect(count > 0, "no action of %d..%d in 24 hours" % (lo, hi))
        print("actions %d..%d: %d" % (lo, hi, count))
    levels = [e["level"] for e in events if e["ev"] == "level"]
    expect(levels, "the pet never levelled up")
    expect(ticks > 600000, "only %d ticks" % ticks)
    expect(missing == 0, "%d ticks showed a missing animation" % missing)
    kinds = {e["kind"] for e in events if e["ev"] == "balloon"}
    expect(kinds == {0, 1, 2}, "balloon kinds seen: %s" % sorted(kinds))
    outings = actions.count(301)
    expect(outings > 0, "the pet never went out")
    sounds = {e["file"] for e in events if e["ev"] == "sound"}
    end = [e for e in events if e["ev"] == "end"]
    expect(end and end[0]["t"] == 86400000, "the run did not reach 24 hours")
    print("%d actions, %d ticks, levels %s, %d outings, %d sounds, %d balloons, %.1f s" %
          (len(actions), ticks, levels, outings, len(sounds),
           sum(1 for e in events if e["ev"] == "balloon"), seconds))
    if end:
        print("at the end: %s" % json.dumps(end[0]["state"]))


def lists(pets, petsrc):
    for pet in ("tori", "bori"):
        for name in ("animations.txt", "sounds.txt", "pictures.txt"):
            kept = os.path.join(pets, pet, name)
            if not os.path.exists(kept):
                continue
            with open(kept, "rb") as a, open(os.path.join(petsrc, pet, "art", name), "rb") as b:
                expect(a.read() == b.read(), "%s differs from what petart writes" % kept)


def golden(pettool, root, events_files, expected_path):
    events = os.path.join(os.path.dirname(root), "golden.events")
    with open(events, "wb") as out:
        for name in events_files:
            with open(name, "rb") as part:
                out.write(part.read())
    run_out = subprocess.run([pettool, "sim", root, "--seconds", "200", "--seed", "1", "--name",
                              "토리", "--events", events], stdout=subprocess.PIPE).stdout
    with open(expected_path, "rb") as f:
        expected = f.read()
    if run_out != expected:
        got, want = run_out.splitlines(), expected.splitlines()
        line = next((i for i, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
        expect(False, "line %d differs:\n got %s\nwant %s" % (
            line + 1, got[line] if line < len(got) else b"(end)", want[line] if line < len(want) else b"(end)"))


def main(argv):
    if len(argv) < 4 or argv[3] not in ("check", "sim", "lists", "golden"):
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    pettool, built, mode = argv[1], argv[2], argv[3]
    with tempfile.TemporaryDirectory() as temp:
        root = os.path.join(temp, "petroot")
        shutil.copytree(built, root)
        before = tree_digest(root, skip=("ETCS",))
        if mode == "check":
            check(pettool, root)
            expect(tree_digest(root, skip=("ETCS",)) == before, "check wrote more than its log")
        elif mode == "sim":
            sim(pettool, root)
        elif mode == "golden":
            golden(pettool, root, argv[4:-1], argv[-1])
        else:
            lists(argv[4], argv[5])
    for message in failures:
        print("FAIL: " + message)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
