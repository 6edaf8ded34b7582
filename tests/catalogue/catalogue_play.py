#!/usr/bin/env python3
"""Plays every game of the built GAMES.DAT with the random pointer player of
the cross-check (meaningful drags, clicks, stock clicks, double clicks,
autoplay) through `solitaire-deal --play`, and checks after every event that
each card of the pack lies in exactly one pile.

usage: catalogue_play.py BUILD_DIR [EVENTS] [SEED]"""
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "crosscheck"))
import crosscheck  # noqa: E402
import play_crosscheck  # noqa: E402
import play_pointer  # noqa: E402

# Games whose stock a click does not deal from: it only fills spaces (13s,
# Trusty Twelve), or the first move must be made before (Queen of Italy).
STOCK_ONLY_REFILLS = {"Thirteens", "Trusty Twelve", "Queen of Italy"}

AREA = {"width": 1920 - 17, "height": 1080, "top": 40, "bottom": 1020, "screenw": 1920, "screenh": 1080,
        "winh": 1080, "shadow": 9, "card": "B"}


def unscramble(text):
    return "".join(chr(ord(c) - 48 if ord(c) >= 80 else ord(c) + 48) for c in text)


def read_games(path):
    """Game number -> (name, parameter dict), from the data file itself."""
    section, numbers, rows = None, {}, []
    with open(path, encoding="latin-1") as f:
        for line in f.read().splitlines():
            if line.startswith("["):
                section = line[:7]
            elif section == "[Sect1]" and line:
                plain = unscramble(line)
                if plain[7] == "0":
                    numbers[int(plain[4:7])] = plain[10:60].rstrip()
            elif section == "[Sect2]" and line:
                rows.append(line)
    games = {}
    for number, name in numbers.items():
        p = {}
        for row in rows:
            cell = row[16 + 11 * number:26 + 11 * number]
            value = unscramble(cell).strip()
            if value and value != "0":
                p[int(row[:4])] = int(value)
        games[number] = name, p
    return games


def conservation_problem(p, lines):
    """Checks one printed table; the pair games' selection lives in Dest1."""
    pair_game = p.get(30, 0) != 0 or p.get(35, 0) in (3, 4)
    seen = {}
    for line in lines:
        words = line.split()
        if len(words) != 3 or not (words[0].startswith(("Mazzo", "Dest", "Fila", "Appogg"))):
            continue
        if pair_game and words[0] == "Dest1" or words[1] == "-":
            continue
        for i in range(0, len(words[1]), 3):
            card = int(words[1][i:i + 3])
            if card:
                seen[card] = seen.get(card, 0) + 1
    for card in range(1, p.get(265, 52) + 1):
        if seen.get(card, 0) != 1:
            return "card %d lies in %d piles" % (card, seen.get(card, 0))
    return None


def piles_after(output, events):
    """The pile lines printed after the given number of events."""
    table, seen = [], 0
    for line in output.splitlines():
        if line.startswith("> "):
            seen += 1
            if seen > events:
                break
            table = []
        elif line.split()[0].startswith(("Mazzo", "Dest", "Fila", "Appogg")):
            table.append(line)
    return table


def stock_click_moved(output):
    return piles_after(output, 0) != piles_after(output, 2)


def script_for(rnd, play, count):
    """Events chosen by the reference's view of the table; where the
    reference has no model of a game's special rules its view may drift,
    and the events stay meaningful pointer input all the same."""
    lines = []
    try:
        while len(lines) < count and play.playing:
            for line in play_crosscheck.events(rnd, play):
                lines.append(line)
                play.event(line.split())
    except Exception:  # the reference cannot follow this game any further
        pass
    return lines


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    rnd = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 20261208)
    dat = os.path.join(build, "GAMES.DAT")
    games = read_games(dat)
    failures, events = 0, 0
    deal_tool = os.path.join(build, "solitaire-deal")
    for number, (name, p) in sorted(games.items()):
        deal = "".join(rnd.choice("0123456789") for _ in range(13))
        play, _ = play_pointer.start(p, deal, AREA)
        lines = script_for(rnd, play, count)
        if p.get(7) == 1:  # first of all, one click on the stock
            x, y = play.place(("stock", 0), 0)
            lines = ["press left %d %d" % (x + 5, y + 5), "release left %d %d" % (x + 5, y + 5)] + lines
        script = "\n".join(lines) + "\n"
        command = [deal_tool, "--games", dat, "--game", str(number), "--deal", deal,
                   "--layout", crosscheck.layout_option(AREA), "--play", "/dev/stdin"]
        run = subprocess.run(command, input=script, capture_output=True, text=True)
        problem = None if run.returncode == 0 else "exit %d: %s" % (run.returncode, run.stderr.strip())
        table, event = [], "the deal"
        for line in run.stdout.splitlines() + ["> end"]:
            if problem:
                break
            if line.startswith("> "):
                problem = conservation_problem(p, table) if table else None
                if problem:
                    problem += " after " + event
                table, event = [], line[2:]
                events += 1
            else:
                table.append(line)
        if not problem and p.get(7) == 1 and (stock_click_moved(run.stdout) != (name not in STOCK_ONLY_REFILLS)):
            problem = "the first click on the stock " + ("moved" if name in STOCK_ONLY_REFILLS else "did not move") + \
                " cards"
        if problem:
            failures += 1
            print("game %d deal %s: %s" % (number, deal, problem))
    print("%d games, %d events, %d failed" % (len(games), events, failures))
    return 1 if failures or not games else 0


if __name__ == "__main__":
    sys.exit(main())
