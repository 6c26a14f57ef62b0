#!/usr/bin/env python3
"""Fails when a file of the portable core includes anything but the C++ standard library and
the core's own headers: operating-system headers belong to the shells alone. The base (src/base)
is the bottom layer: its files include the standard library and the base only. The folders of
the core include one another without a cycle."""
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


def folder_graph(src):
    """Folder -> {included folder: the first file that includes it}, between core folders."""
    graph = {}
    for path in core_files(src):
        folder = path.relative_to(src).parts[0]
        for bracket, name in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            target = name.split("/")[0]
            if bracket == '"' and "/" in name and target != folder and (src / name).is_file():
                graph.setdefault(folder, {}).setdefault(target, path.relative_to(src.parent))
    return graph


def find_cycle(graph):
    """The folders of one include cycle, the first repeated at the end; empty when there is none."""
    done = set()

    def visit(folder, trail):
        if folder in trail:
            return trail[trail.index(folder):] + [folder]
        if folder in done:
            return []
        for target in sorted(graph.get(folder, {})):
            cycle = visit(target, trail + [folder])
            if cycle:
                return cycle
        done.add(folder)
        return []

    for folder in sorted(graph):
        cycle = visit(folder, [])
        if cycle:
            return cycle
    return []


def cycle_lines(src):
    graph = folder_graph(src)
    cycle = find_cycle(graph)
    if not cycle:
        return []
    steps = [f"  {a} -> {b} ({graph[a][b]})" for a, b in zip(cycle, cycle[1:])]
    return ["include cycle between core folders: " + " -> ".join(cycle)] + steps


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src").resolve()
    found = list(offences(src))
    for line in found:
        print(line)
    print(f"{len(found)} include(s) of the core reach outside it" if found else "the core includes no OS header")
    cycle = cycle_lines(src)
    for line in cycle or ["the core's folders include one another without a cycle"]:
        print(line)
    return 1 if found or cycle else 0


if __name__ == "__main__":
    sys.exit(main())
