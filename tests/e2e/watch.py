#!/usr/bin/env python3
"""Runs the pet on a virtual display for a while, saving screenshots, then ends it through its
menu's exit (so its state is saved).

Usage: watch.py --exe NuvPet.exe --root PET_ROOT --pettool PETTOOL --out FOLDER
                [--seconds 30] [--every 5]
"""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pet_e2e import FIRST_NAME, Pet, answer_name_box, inside_point  # noqa: E402
from screen import Screen  # noqa: E402


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--exe", required=True)
    parser.add_argument("--root", required=True)
    parser.add_argument("--pettool", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--seconds", type=float, default=30)
    parser.add_argument("--every", type=float, default=5)
    args = parser.parse_args(argv[1:])
    os.makedirs(args.out, exist_ok=True)
    screen = Screen(os.environ["DISPLAY"], args.out)
    pet = Pet(args.root, args.pettool, args.out)
    process = subprocess.Popen(["wine", os.path.abspath(args.exe)], cwd=args.root,
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    if not pet.state["PetName"]:
        answer_name_box(screen, pet, FIRST_NAME)
    started = time.monotonic()
    number = 0
    while time.monotonic() - started < args.seconds and process.poll() is None:
        time.sleep(args.every)
        number += 1
        screen.shot(f"screen-{number:02d}")
        print(f"{args.out}/screen-{number:02d}.png", flush=True)
    if process.poll() is None:
        pets = [w for w in screen.windows() if (w.width, w.height) == (pet.width, pet.height)]
        if pets:
            x, y = inside_point(pet, 0)
            screen.click(pets[0].x + x, pets[0].y + y, 3)
            time.sleep(0.5)
            menus = [w for w in screen.windows() if w.id != pets[0].id]
            screen.keys(*pet.menu_keys(903), window=menus[0] if menus else None)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    for name in os.listdir(args.out):
        if name.endswith(".ppm"):
            os.remove(os.path.join(args.out, name))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
