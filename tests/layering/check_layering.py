#!/usr/bin/env python3
"""Checks that each folder includes only from the folders beneath it, and
that the plain folders include no Qt header.

The folders are listed from the bottom up; a folder may include headers of
the folders listed before it. Run with the project root as argument."""

import pathlib
import re
import sys

LAYERS = [
    "common", "text", "zodiac", "engine", "ephemeris", "dasha", "ashtakavarga", "tables", "swiss", "atlas", "form", "reading",
    "drishti", "houses", "vargas", "strengths", "transits", "calculation", "chart", "timeline", "comparison", "output", "platform", "places",
    "document", "links", "app", "cli",
]
# Computation in these folders is plain C++ with the standard library only.
PLAIN = LAYERS[:LAYERS.index("output") + 1]

PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/', re.MULTILINE)
QT_INCLUDE = re.compile(r"^\s*#\s*include\s+<Q", re.MULTILINE)


def problems(root):
    for rank, folder in enumerate(LAYERS):
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            text = source.read_text(encoding="utf-8")
            name = source.relative_to(root)
            for included in PROJECT_INCLUDE.findall(text):
                if included != folder and (included not in LAYERS
                                           or LAYERS.index(included) > rank):
                    yield f"{name} includes from {included}/, a folder above it"
            if folder in PLAIN and QT_INCLUDE.search(text):
                yield f"{name} includes a Qt header in a plain folder"


def main():
    found = list(problems(pathlib.Path(sys.argv[1])))
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
