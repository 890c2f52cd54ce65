#!/usr/bin/env python3
"""Holds src/ to the floors of src/floors.txt and to short files.

check_floors.py SRC QT_INCLUDE_DIR [MAX_LINES]
Prints one line per violation (file:line: rule) and exits 1 when there is any.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
WINDOW_MODULES = ("QtWidgets", "QtPrintSupport")


def read_table(path):
    lower, upper, shared, hubs = [], [], [], set()
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            kind, _, folder = line.partition(" ")
            folder = folder.strip()
            if kind == "lower":
                lower.append(folder)
            elif kind == "upper":
                upper.append(folder)
            elif kind == "shared":
                shared.append(folder)
            elif kind == "hub":
                hubs.add(folder)
            else:
                sys.exit(f"{path}:{number}: unknown kind {kind!r}")
    return lower, upper, shared, hubs


def folder_of(relative, folders):
    """The longest listed folder holding the file, or None."""
    best = None
    for folder in folders:
        if relative.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def window_headers(qt_include):
    names = set()
    for module in WINDOW_MODULES:
        directory = os.path.join(qt_include, module)
        if os.path.isdir(directory):
            names.update(os.listdir(directory))
            names.update(f"{module}/{name}" for name in os.listdir(directory))
        names.add(module)
    return names


def check(src, qt_include, max_lines=600):
    lower, upper, shared, hubs = read_table(os.path.join(src, "floors.txt"))
    widgets = window_headers(qt_include)
    if not widgets - set(WINDOW_MODULES):
        return [f"{qt_include}: no Qt Widgets headers found, cannot check"]
    every = lower + upper
    problems = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            relative = os.path.relpath(path, src)
            with open(path, encoding="utf-8", errors="replace") as source:
                lines = source.readlines()
            if len(lines) > max_lines:
                problems.append(f"{relative}:{len(lines)}: over {max_lines} lines; split it by job")
            home = folder_of(relative, every)
            if home is None and relative not in hubs:
                problems.append(f"{relative}:1: in no folder of floors.txt")
                continue
            for number, line in enumerate(lines, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                quoted, target = match.group(1) == '"', match.group(2)
                rule = judge(relative, home, quoted, target, lower, upper, shared, hubs, widgets)
                if rule:
                    problems.append(f"{relative}:{number}: {target}: {rule}")
    return problems


def judge(relative, home, quoted, target, lower, upper, shared, hubs, widgets):
    if not quoted:
        if home in lower and target in widgets:
            return "the lower floor includes no window header"
        return None
    if relative in hubs:
        return None
    if "/" not in target:
        return None  # beside the file, or generated for it
    there = folder_of(target, lower + upper)
    if there is None:
        return "not a folder of floors.txt"
    if there == home:
        return None
    if home in lower:
        if there in upper:
            return f"{home} is on the lower floor and may not include the upper floor"
        if lower.index(there) > lower.index(home):
            return f"{home} may include only folders below it ({there} is above it)"
        return None
    if there in lower:
        return None
    if any(target == s or target.startswith(s + "/") for s in shared):
        return None
    return f"{home} reaches {there} only through Forms"


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    max_lines = int(sys.argv[3]) if len(sys.argv) > 3 else 600
    problems = check(sys.argv[1], sys.argv[2], max_lines)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} violation(s) of the house's floors")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
