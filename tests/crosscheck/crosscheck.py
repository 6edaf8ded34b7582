#!/usr/bin/env python3
"""Deals many random synthetic games with both the program (through the
gamesdat compiler and solitaire-deal) and the Python references
(reference.py, layout_reference.py), and compares the printed tables, pile
rules and layouts line by line.

usage: crosscheck.py BUILD_DIR [GAMES] [SEED]"""
import os
import random
import subprocess
import sys
import tempfile

import layout_reference
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
    random_layout(rnd, p)
    source = "number = %d\ntype = 1\nname = Synthetic %d\n" % (number, number)
    source += "".join("param[%d] = %d\n" % (k, v) for k, v in sorted(p.items()))
    return p, source


def random_layout(rnd, p):
    """Placement codes, display modes and counts for the layout; only the
    arrangements whose arithmetic is fully defined for the drawn counts."""
    n, d, r = p[262], p[261], p[263]
    digit = lambda: rnd.choice([1, 1, 2, 2, 3, 4, 5, 6, 9, 0, 7])
    p[3], p[4], p[5] = rnd.choice([1, 1, 2, 3, 4, 5, 6, 7]), rnd.choice([1, 2, 3, 3, 4, 5, 7]), \
        rnd.choice([1, 2, 3, 3, 4, 5, 7])
    p[7], p[8] = rnd.choice([0, 1]), rnd.choice([0, 1])
    p[260] = rnd.choice([0, 1, 2, 2, 3])
    p[249], p[250] = rnd.choice([3, 4, 5, 11, 13, 16, 19, 21]), digit()
    choices = [1, 2, 3, 11, 12, 13, 21, 52, 54] + ([14, 15] if n >= 2 else [])
    fa_choices = [1, 2, 8, 17] + ([7, 9, 13] if n >= d else [])
    ta = rnd.choice(choices + [10, 18, 20])
    rows = rnd.choice([k for k in (1, 2, 3) if n % k == 0])  # whole rows only
    if ta == 20 and d == 0:
        ta = 1
    p[253], p[254] = ta, digit()
    if ta in (10, 18):
        p[255] = rows
    if ta == 18:
        p[254] = rnd.randint(1, 5 - rows)
    p[251], p[252] = rnd.choice([1, 2, 8, 17] if ta == 20 else fa_choices), digit()
    p[256], p[257] = rnd.choice([5, 5, 6, 11, 12] + ([4, 7] if r <= n else [])), digit()
    if rnd.random() < 0.3:
        p[264], p[258] = 1, rnd.choice([6, 7, 16])
        p[259] = rnd.randint(2, 4) if p[258] == 16 else digit()


def random_area(rnd):
    width, height = rnd.choice([(640, 480), (800, 600), (1024, 768), (1280, 1024), (1920, 1080), (700, 450)])
    top = rnd.choice([5, 30, 52])
    screen_h = rnd.choice([height, height + 200, 1080])
    return {"width": width - 17, "height": height, "top": top, "bottom": height - 30,
            "screenw": max(width, rnd.choice([640, 1024, 1920])), "screenh": screen_h,
            "winh": rnd.choice([height, height - 100]), "shadow": rnd.choice([0, 9]),
            "card": rnd.choice("BBML")}


def layout_option(a):
    return "width=%d,height=%d,top=%d,bottom=%d,screen=%dx%d,winh=%d,shadow=%d,card=%s" % (
        a["width"], a["height"], a["top"], a["bottom"], a["screenw"], a["screenh"], a["winh"], a["shadow"],
        a["card"])


def compile_games(build, folder, games):
    """Writes the (parameters, source) pairs as game files numbered from 0 and
    compiles them; returns the parameters by number and GAMES.DAT's path
    (None when the compiler refused them)."""
    for number, (_, source) in enumerate(games):
        with open(os.path.join(folder, "g%03d.game" % number), "w") as f:
            f.write(source)
    dat = os.path.join(folder, "GAMES.DAT")
    done = subprocess.run([os.path.join(build, "gamesdat"), dat, folder], capture_output=True, text=True)
    if done.returncode != 0:
        print(done.stderr)
        return None, None
    return {number: p for number, (p, _) in enumerate(games)}, dat


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 150
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261207
    rnd = random.Random(seed)
    with tempfile.TemporaryDirectory() as tmp:
        games, dat = compile_games(build, tmp, [random_game(rnd, number) for number in range(count)])
        if not dat:
            print("0 passed, 1 failed")
            return 1
        failures = 0
        checks = 0
        for number, p in games.items():
            for _ in range(3):
                deal = "".join(rnd.choice("0123456789") for _ in range(rnd.choice([13, 13, 13, 5, 16])))
                area = random_area(rnd)
                run = subprocess.run([os.path.join(build, "solitaire-deal"), "--games", dat, "--game",
                                      str(number), "--deal", deal, "--rules", "--layout", layout_option(area)],
                                     capture_output=True, text=True)
                shuffled, table, base, score = reference.deal(p, deal[-13:])
                expected = reference.print_table(p, shuffled, table, base, score) + \
                    reference.print_rules(p, table) + layout_reference.report(p, table, area)
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
