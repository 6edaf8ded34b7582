#!/usr/bin/env python3
"""Deals many random synthetic games with both the program (through the
gamesdat compiler and solitaire-deal) and reference.py, and compares the
printed tables and pile rules line by line.

usage: crosscheck.py BUILD_DIR [GAMES] [SEED]"""
import os
import random
import subprocess
import sys
import tempfile

import reference

FACE_MODES = [1, 2, 3, 52, -1, -2, -3, 0, 7]


def random_game(rnd, number):
    p = {}
    n = rnd.choice([52, 104])
    p[265] = n
    decks = n // 52
    family = rnd.choice(["none", "none", "first", "suit", "rank", "other", "nineone", "aces", "number"])
    max_f = {"none": 16, "first": 8, "suit": 8, "rank": 8, "other": 4 * decks,
             "nineone": 4 * decks, "aces": 4 * decks, "number": 1}[family]
    f = rnd.randint(0 if family == "none" else 1, max_f)
    p[261] = f
    starts = 0
    for j in range(f):
        if family == "none":
            code = 0
        elif j > 0 and rnd.random() < 0.2:
            code = 92
        else:
            code = {"first": 20, "suit": 21, "rank": 50 + rnd.randint(1, 13), "other": rnd.randint(1, 13),
                    "nineone": 91, "aces": 93, "number": 100 + rnd.randint(1, n)}[family]
            if family == "other" and code + 13 * j > n:
                code = 0
        if family == "aces" and j == 0:
            code = 93  # start code 93 on the first foundation also runs the sweep
        p[84 + j] = code
        if code not in (0, 92, 96):
            starts += 1
        if code in (0, 92):
            p[36 + j] = rnd.choice([1, 13, 5, -1, 0, 86, 87, 92, 82])
        p[52 + j] = rnd.choice([0, 1, 1, 2, 7])
        p[68 + j] = rnd.choice(reference.GENERIC_CODES + reference.SPECIAL_CODES + [10])
    p[25] = rnd.choice([13, 13, 0, 5, 104])
    p[21] = rnd.choice([0, 1])
    fixed = starts
    if family == "none" and rnd.random() < 0.3:
        card = rnd.randint(1, n)
        p[246] = card + 100 if rnd.random() < 0.5 and card > 0 else card
        fixed += 1
    if f >= 1 and family in ("none", "first") and rnd.random() < 0.2:
        p[rnd.choice([1, 10])] = 1
        fixed += 1
    rows = rnd.randint(1, 26)
    p[262] = rows
    reserves = rnd.randint(0, 8)
    p[263] = reserves
    remaining = n - fixed
    rank_rows = [k for k in range(rows) if rnd.random() < 0.1]
    for k in rank_rows:
        p[268 + k] = 1000 + rnd.randint(1, 13)
    remaining -= len(rank_rows)
    p[266] = rnd.randint(0, remaining // 2)
    remaining -= p[266]
    p[267] = rnd.randint(0, min(4, remaining))
    remaining -= p[267]
    p[320] = rnd.randint(0, min(3, remaining))
    remaining -= p[320]
    for l in range(reserves):
        p[321 + l] = rnd.randint(0, min(3, remaining))
        remaining -= p[321 + l]
        p[329 + l] = rnd.choice(FACE_MODES)
        p[229 + l + 1] = rnd.choice([0, 0, 4, 8, 9, 13])
    counted = [k for k in range(rows) if k not in rank_rows]
    if not counted:
        p[266] += remaining
        remaining = 0
    for i, k in enumerate(counted):
        share = remaining if i == len(counted) - 1 else rnd.randint(0, remaining // max(1, len(counted) - i) * 2)
        share = min(share, remaining)
        p[268 + k] = share
        remaining -= share
    for k in range(rows):
        p[294 + k] = rnd.choice(FACE_MODES)
        p[100 + k] = rnd.choice([-1, 13, 1, 0, 86, 87, 92, 91, 82, 5])
        p[126 + k] = rnd.choice([0, 0, 1, 2, 3])
        p[152 + k] = rnd.choice(reference.GENERIC_CODES + reference.SPECIAL_CODES)
        p[178 + k] = rnd.choice([0, 0, 1])
    p[6] = rnd.choice([0, 1])
    p[33] = rnd.choice([0, 0, 3, 300, -1])
    source = "number = %d\ntype = 1\nname = Synthetic %d\n" % (number, number)
    source += "".join("param[%d] = %d\n" % (k, v) for k, v in sorted(p.items()))
    return p, source


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 150
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261207
    rnd = random.Random(seed)
    games = {}
    with tempfile.TemporaryDirectory() as tmp:
        for number in range(count):
            p, source = random_game(rnd, number)
            games[number] = p
            with open(os.path.join(tmp, "g%03d.game" % number), "w") as f:
                f.write(source)
        dat = os.path.join(tmp, "GAMES.DAT")
        done = subprocess.run([os.path.join(build, "gamesdat"), dat, tmp], capture_output=True, text=True)
        if done.returncode != 0:
            print(done.stderr)
            print("0 passed, 1 failed")
            return 1
        failures = 0
        checks = 0
        for number, p in games.items():
            for _ in range(3):
                deal = "".join(rnd.choice("0123456789") for _ in range(rnd.choice([13, 13, 13, 5, 16])))
                run = subprocess.run([os.path.join(build, "solitaire-deal"), "--games", dat, "--game",
                                      str(number), "--deal", deal, "--rules"], capture_output=True, text=True)
                shuffled, table, base, score = reference.deal(p, deal[-13:])
                expected = reference.print_table(p, shuffled, table, base, score) + \
                    reference.print_rules(p, table)
                got = run.stdout.splitlines()
                checks += 1
                if run.returncode != 0 or got != expected:
                    failures += 1
                    if failures <= 5:
                        print("game %d deal %s (exit %d) differs:" % (number, deal, run.returncode))
                        print(run.stderr.strip())
                        for i, (a, b) in enumerate(zip(expected + [""] * 999, got + [""] * 999)):
                            if a != b:
                                print("  line %d\n    expected: %s\n    program:  %s" % (i + 1, a, b))
                                break
                        print("  parameters: %s" % sorted(p.items()))
        print("%d passed, %d failed" % (checks - failures, failures))
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
