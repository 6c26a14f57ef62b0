#!/ usr / bin / env python3
"""Fails when a file of the portable core includes anything but the C++ standard library and
the core's own headers: operating-system headers belong to the shells alone. The base (src/base)
is the bottom layer: its files include the standard library and the base only."""
import pathlib
import re
import sys

SHELLS = {"win32", "hook", "linux"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def core_files(src):
    for path in sorted(src.rglob("*")):
        if path.suffix in {".h", ".cpp", ".inc"} and path.relative_to(src).parts[0] not in SHELLS:
            yield path


def offences(src):
    for path in core_files(src):
        for bracket, name in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            standard = bracket == "<" and "/" not in name and "." not in name
            own = bracket == '"' and ((src / name).is_file() or (path.parent / name).is_file())
            upward = own and path.relative_to(src).parts[0] == "base" and not name.startswith("base/") \
                and not (path.parent / name).is_file()
            if upward or not (standard or own):
                close = ">" if bracket == "<" else '"'
                yield f"{path.relative_to(src.parent)}: #include {bracket}{name}{close}"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src").resolve()
    found = list(offences(src))
    for line in found:
        print(line)
    print(f"{len(found)} include(s) of the core reach outside it" if found else "the core includes no OS header")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
