#!/usr/bin/env python3
"""Fails when a folder of src/ includes a header from a folder above it, or
when a folder that must build without Qt includes a Qt header.

Usage: check_layers.py SRC_DIR

The order, lowest first (a folder may include its own headers and those of
lower ranks; folders of one rank do not include each other):

  0  model                      cards, piles, game definitions, state record
  1  view/layout, view/motion   pile layout and card paths, pure arithmetic
  2  engine                     rules, moves, the deal, autoplay, score
  3  shell/core, view           services without a window; drawing
  4  dialogs
  5  shell                      the program
  iqtest stands alone: it includes only itself and nobody includes it.
"""
import re
import sys
from pathlib import Path

# folder: (rank, must build without Qt)
LAYERS = {
    "model": (0, True),
    "view/layout": (1, True),
    "view/motion": (1, True),
    "engine": (2, True),
    "shell/core": (3, True),
    "view": (3, False),
    "dialogs": (4, False),
    "shell": (5, False),
    "iqtest": (None, False),
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
QT_HEADER = re.compile(r"^(Q|q\w*\.h$)")


def folder_of(path):
    """The layer a path inside src/ belongs to: its longest listed prefix."""
    best = None
    for name in LAYERS:
        if path == name or path.startswith(name + "/"):
            if best is None or len(name) > len(best):
                best = name
    return best


def forbidden(source_folder, header):
    """Why `source_folder` may not include the quoted `header`, or None."""
    if "/" not in header:
        return None  # a header beside the source
    target = folder_of(header)
    if target is None:
        return f"{header} is in no known folder"
    if target == source_folder:
        return None
    rank, target_rank = LAYERS[source_folder][0], LAYERS[target][0]
    if rank is None or target_rank is None:
        return f"{source_folder} and {target} share no code"
    if target_rank >= rank:
        return f"{source_folder} may not include {target} (it does not sit below)"
    return None


def check(src):
    problems = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in files:
        folder = folder_of(path.parent.relative_to(src).as_posix())
        if folder is None:
            problems.append(f"{path}: in no known folder; add it to the layers")
            continue
        qt_free = LAYERS[folder][1]
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, header = match.groups()
            if kind == "<":
                why = f"{folder} builds without Qt: <{header}>" if qt_free and QT_HEADER.match(header) else None
            else:
                why = forbidden(folder, header)
            if why:
                problems.append(f"{path.relative_to(src).as_posix()}:{number}: {why}")
    return files, problems


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    src = Path(sys.argv[1])
    files, problems = check(src)
    if not files:
        sys.exit(f"no sources below {src}")
    for problem in problems:
        print(problem)
    print(f"{len(files)} files, {len(problems)} forbidden includes")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
