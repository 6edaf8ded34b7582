#!/usr/bin/env python3
"""Writes the README's list of games, by category, from assets/games/*.game.

usage: games_list.py [--check] README GAMES_FOLDER
With --check nothing is written; the exit status is 1 when the list in the
README differs from the sources."""
import pathlib
import sys

BEGIN = "<!-- games list: written by scripts/games_list.py from assets/games -->"
END = "<!-- end of games list -->"
# The chooser's category codes, in the order of its icon table.
CATEGORIES = {
    2: "Canfield", 3: "Forty Thieves", 4: "FreeCell", 5: "Klondike", 6: "Pairing",
    7: "Simple games", 8: "Spider", 9: "One deck", 10: "Two decks", 11: "Fan",
    12: "Baker's Dozen", 13: "Row games",
}


def read_game(path):
    """Number, category code and name of one source (the part before [rules])."""
    number, category, name = None, None, None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.strip() == "[rules]":
            break
        key, eq, value = line.partition("=")
        key = key.strip()
        if not eq or key.startswith("#"):
            continue
        if key == "name":
            name = value.strip()
        elif key in ("number", "type"):
            n = int(value.split("#")[0])
            if key == "number":
                number = n
            else:
                category = n
    if number is None or name is None:
        sys.exit(f"{path}: no number or name")
    return number, category, name


def games_list(folder):
    games = [read_game(p) for p in sorted(pathlib.Path(folder).glob("*.game"))]
    lines = [BEGIN, "", f"{len(games)} games, by the category under which the game chooser shows them.", ""]
    for code, title in CATEGORIES.items():
        names = sorted((name, number) for number, category, name in games if category == code)
        if names:
            lines.append(f"- **{title}** ({len(names)}): " + ", ".join(f"{n} ({num})" for n, num in names))
    others = sorted((name, number) for number, category, name in games if category not in CATEGORIES)
    if others:
        lines.append("- **Other**: " + ", ".join(f"{n} ({num})" for n, num in others))
    lines += ["", "The number after each name is its game number.", END]
    return "\n".join(lines)


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    if len(args) != 2:
        sys.exit(__doc__)
    readme, folder = pathlib.Path(args[0]), args[1]
    text = readme.read_text(encoding="utf-8")
    if BEGIN not in text or END not in text:
        sys.exit(f"{readme}: the markers of the games list are missing")
    head, rest = text.split(BEGIN, 1)
    _, tail = rest.split(END, 1)
    updated = head + games_list(folder) + tail
    if check:
        if updated != text:
            print(f"{readme}: the games list is out of date; run scripts/games_list.py {readme} {folder}")
            return 1
        return 0
    if updated != text:
        readme.write_text(updated, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
