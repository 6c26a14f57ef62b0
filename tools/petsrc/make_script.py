#!/usr/bin/env python3
"""Fills in a pet script template with the lists that tools/petart writes.

Usage: make_script.py TEMPLATE OUT [--set NAME=VALUE ...] [--art FOLDER]

In the template (UTF-8), @NAME@ is replaced by the value given with --set NAME=VALUE, and from
the output folder of `petart draw` given with --art:
  @ANIMATIONS@       the [ANILIST] lines of animations.txt, @ANIMATION_COUNT@ their number
  @SOUNDS@           the [RES_SOUND] lines of sounds.txt
  @OBJECTS@          the object record lines of pictures.txt
@ACTION_COUNT@ becomes the number of record lines of the [ACTLIST] section. A placeholder left
without a value is an error, so a template and its build cannot drift apart silently.
"""

import os
import re
import sys

PLACEHOLDER = re.compile(r"@([A-Z_]+)@")


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\r\n") for line in f if line.strip()]


def object_records(pictures_txt):
    """The record lines ("0 ; 233 , 203 ; 24 , 43 ; 0 ; balloon ;") of petart's picture guide."""
    return [line.strip() for line in read_lines(pictures_txt)
            if re.match(r"^\s+\d+ ;.*;$", line)]


def art_values(folder):
    animations = read_lines(os.path.join(folder, "animations.txt"))
    return {
        "ANIMATIONS": "\n".join(animations),
        "ANIMATION_COUNT": str(len(animations)),
        "SOUNDS": "\n".join(read_lines(os.path.join(folder, "sounds.txt"))),
        "OBJECTS": "\n".join(object_records(os.path.join(folder, "pictures.txt"))),
    }


def section_records(text, name):
    """The number of lines of a section that hold a record (not blank once comments go)."""
    match = re.search(r"^\[" + name + r"\][^\n]*\n(.*?)(?=^\[|\Z)", text, re.S | re.M | re.I)
    if not match:
        return 0
    lines = (line.split("//")[0].replace("\t", "").strip() for line in match.group(1).split("\n"))
    return sum(1 for line in lines if line)


def fill(template, values):
    missing = []

    def value(match):
        name = match.group(1)
        if name in values:
            return values[name]
        missing.append(name)
        return match.group(0)

    text = PLACEHOLDER.sub(value, template)
    if "ACTION_COUNT" in missing:
        missing.remove("ACTION_COUNT")
        text = text.replace("@ACTION_COUNT@", str(section_records(text, "ACTLIST")))
    return text, missing


def main(argv):
    args = argv[1:]
    if len(args) < 2:
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    template_path, out_path, rest = args[0], args[1], args[2:]
    values = {}
    while rest:
        option = rest.pop(0)
        if option == "--set" and rest and "=" in rest[0]:
            name, value = rest.pop(0).split("=", 1)
            values[name] = value
        elif option == "--art" and rest:
            values.update(art_values(rest.pop(0)))
        else:
            sys.stderr.write("make_script.py: unknown or incomplete option %s\n" % option)
            return 2
    with open(template_path, encoding="utf-8") as f:
        text, missing = fill(f.read(), values)
    if missing:
        sys.stderr.write("make_script.py: %s: no value for %s\n" %
                         (template_path, ", ".join("@%s@" % m for m in sorted(set(missing)))))
        return 1
    with open(out_path + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(out_path + ".tmp", out_path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
