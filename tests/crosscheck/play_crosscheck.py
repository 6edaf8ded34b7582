#!/usr/bin/env python3
"""Plays random scripts of meaningful pointer events (drags of top cards and
runs onto other piles' next-card places, clicks, the stock, double clicks,
peeks, autoplay) over random synthetic games with both `solitaire-deal --play`
and play_reference.py, and compares the outputs line by line.

usage: play_crosscheck.py BUILD_DIR [GAMES] [SEED] [EVENTS]"""
import os
import random
import subprocess
import sys
import tempfile

import crosscheck
import play_pointer
from reference import rank


def play_game(rnd, number):
    """A synthetic game with the parameters pointer play reads."""
    p, _ = crosscheck.random_game(rnd, number)
    p.update({2: rnd.choice([0, 1, 1, 10]), 11: rnd.choice([-1, -1, -12, -5, -6, -2, 0, 1, 3]),
              12: rnd.choice([0, 0, -11]), 16: rnd.choice([0, 1, 2]), 17: rnd.choice([0, 1, 1, 1]),
              20: rnd.choice([0, 0, 1, 2, 3, 4]), 31: rnd.choice([0, 0, 0, 1]), 32: rnd.choice([0, 0, 1]),
              13: rnd.choice([-1, 1, 2, 3]), 14: rnd.choice([0, 0, 1]), 15: rnd.choice([0, 0, 1]),
              19: rnd.choice([1, 1, 3]), 247: rnd.choice([0, 2]), 248: rnd.choice([0, 4])})
    if rnd.random() < 0.5:
        p[8] = 1
    if rnd.random() < 0.08:
        p[3] = 8  # rows take no dropped cards; a card below the top is picked alone
    if rnd.random() < 0.2:
        p[204] = rnd.choice([1, 2])
        p.update({204 + k: rnd.choice([0, 1, 2, 4]) for k in range(1, p[262])})
    elif p[263] > 0 and rnd.random() < 0.2:
        # Stock clicks deal to the reserves: every one, in threes, or alternating.
        p.update({238 + n: rnd.choice([0, 1, 2]) for n in range(p[263])})
        p[238] = rnd.choice([1, 3, 4])
    if p[261] > 0 and rnd.random() < 0.2:
        # Foundations that take anything, cards face up: autoplay can win.
        p.update({25: 104, 17: 1, 31: 0})
        p.update({68 + j: 12 for j in range(p[261])})
        p.update({294 + k: 52 for k in range(p[262])})
        p.update({329 + n: 52 for n in range(p[263])})
    elif rnd.random() < 0.1:
        p[35] = 9  # won with no empty row, lost below a score of 100
    elif rnd.random() < 0.15:
        # A pair game: the first foundation holds the selection; no foundation takes cards.
        p.update({30: rnd.choice([10, 13, 14]), 31: 0, 3: 1 if p[3] == 8 else p[3]})
        p.update({68 + j: 4 for j in range(p[261])})
    elif rnd.random() < 0.2:
        p[35] = rnd.choice([2, 12, 15, 3, 4])  # waste-building families, pairs to 14 or 13
        if p[35] in (3, 4):
            # Dest1 holds the selection: it takes no card and gives none.
            p.update({68 + j: 4 for j in range(p[261])})
            p[16] = 0
        if p[35] == 4:  # a pyramid of face-up cards
            p[3] = 4
            p.update({294 + k: 52 for k in range(p[262])})
    source = "number = %d\ntype = 1\nname = Synthetic %d\n" % (number, number)
    source += "".join("param[%d] = %d\n" % (k, v) for k, v in sorted(p.items()))
    return p, source


def point_on(rnd, play, key, e):
    """A point that the hit test maps onto card e of the pile, or None."""
    x, y = play.place(key, e)
    for _ in range(12):
        px, py = x + rnd.randrange(play.cw), y + rnd.randrange(play.ch)
        h = play.hit(px, py)
        if h and h[0] == key and h[2] == e:
            return px, py
    return None


def piles(play, groups):
    keys = [("stock", i) for i in range(3)] + [("dest", j) for j in range(play.foundations())] + \
        [("fila", k) for k in range(play.rows())] + [("appogg", n) for n in range(play.reserves())]
    return [k for k in keys if k[0] in groups and play.placed(k)]


def source_point(rnd, play):
    keys = [k for k in piles(play, ("fila", "appogg", "dest", "stock")) if play.pile(k) and k != ("stock", 0)]
    if not keys:
        return None
    key = rnd.choice(keys)
    pile = play.pile(key)
    e = len(pile) - 1
    if len(pile) > 1 and key[0] in ("fila", "appogg") and rnd.random() < 0.4:
        e = rnd.randrange(len(pile) - 1)
    return point_on(rnd, play, key, e)


def pair_clicks(rnd, play):
    """Clicks on two cards whose ranks make the game's pair sum, when there are such."""
    family = play.q(35)
    target = play.q(30) or (14 if family == 3 else 13)
    cards = []
    for key in piles(play, ("fila",) if family != 4 else ("fila", "stock")):
        pile = play.pile(key)
        for e, card in enumerate(pile):
            fits = family != 3 or e == len(pile) - 1
            if card and fits and (family != 4 or key[0] == "stock" and e == len(pile) - 1 or play.exposed(card)):
                cards.append((key, e, card))
    need = target - sum(rank(c) for c in play.t.dest[0])  # the selection may hold cards already
    cards = [c for c in cards if c[2] not in play.t.dest[0]]
    picks = [(a,) for a in cards if rank(a[2]) == need] + \
        [(a, b) for a in cards for b in cards if a < b and rank(a[2]) + rank(b[2]) == need]
    lines = []
    for key, e, _ in rnd.choice(picks) if picks else cards[:1]:
        at = point_on(rnd, play, key, e)
        if at:
            lines += ["press left %d %d" % at, "release left %d %d" % at]
    return lines


def events(rnd, play):
    """Yields script lines, each chosen from the table as the reference sees it."""
    pairs = 6 if play.q(30) or play.q(35) in (3, 4) else 0
    kind = rnd.choices(["drag", "click", "stock", "dblclick", "peek", "autoplay", "stray", "set", "held", "pair"],
                       [10, 2, 4, 3, 1, 1, 1, 0.5, 0.5, pairs])[0]
    if kind == "pair":
        return pair_clicks(rnd, play)
    if kind == "drag":
        start = source_point(rnd, play)
        if not start:
            return []
        lines = ["press left %d %d" % start]
        targets = piles(play, ("dest", "fila", "appogg", "stock"))
        key = rnd.choice(targets) if targets else ("fila", 0)
        tx, ty = play.place(key, len(play.pile(key)))
        dx, dy = rnd.randint(-35, 35), rnd.randint(-35, 35)
        hit_key, _, e = play.hit(*start)
        cx, cy = play.place(hit_key, e)
        end = (tx + start[0] - cx + dx, ty + start[1] - cy + dy)
        for step in range(rnd.randint(1, 3), 0, -1):
            lines.append("move %d %d" % (end[0] + step * rnd.randint(-20, 20), end[1] + step * rnd.randint(-20, 20)))
        lines.append("move %d %d" % end)
        return lines + ["release left %d %d" % end]
    if kind == "click":
        at = source_point(rnd, play)
        return ["press left %d %d" % at, "release left %d %d" % at] if at else []
    if kind == "stock":
        if not play.placed(("stock", 0)):
            return []
        x, y = play.place(("stock", 0), 0)
        at = (x + rnd.randrange(play.cw), y + rnd.randrange(play.ch))
        lines = ["press left %d %d" % at]
        if rnd.random() < 0.25:
            lines.append("move %d %d" % (at[0] + play.cw + 5, at[1]))
        return lines + ["release left %d %d" % at]
    if kind == "dblclick":
        at = source_point(rnd, play)
        if not at:
            return []
        # As a window reports it: the second press comes as the double click, then its release.
        return (["press left %d %d" % at, "release left %d %d" % at] if rnd.random() < 0.5 else []) + \
            ["dblclick %d %d" % at, "release left %d %d" % at]
    if kind == "peek":
        at = source_point(rnd, play)
        return ["press right %d %d" % at, "release right %d %d" % at] if at else []
    if kind == "autoplay":
        return ["autoplay " + ("off" if play.autoplay else "on")]
    if kind == "stray":
        x, y = rnd.randint(-5, 1300), rnd.randint(-5, 1000)
        return rnd.choice([["press left %d %d" % (x, y), "release left %d %d" % (x, y)],
                           ["release left %d %d" % (x, y)], ["move %d %d" % (x, y)]])
    if kind == "held":
        # What a player may do while holding a card: press again, double click,
        # let go of the other button.
        start = source_point(rnd, play)
        other = source_point(rnd, play) or (0, 0)
        if not start:
            return []
        extra = rnd.choice(["press left %d %d", "press right %d %d", "dblclick %d %d", "release right %d %d"])
        return ["press left %d %d" % start, extra % other, "move %d %d" % other, "release left %d %d" % other]
    switch = rnd.choice(["Cards_Shadowed", "Cards_Shadowed", "Sounds_Enabled", "Sounds_Tableau", "Sounds_CardUp",
                         "Sounds_Autoplay", "Redeal_Animation"])
    return ["set %s %s" % (switch, rnd.choice("YN"))]


def script_for(rnd, play, count):
    lines = []
    if play.q(68) == 12 and rnd.random() < 0.7:
        lines.append("autoplay on")
    if play.q(35) == 9 and rnd.random() < 0.5:
        lines.append("set Score 100")
    expected = [out for line in lines for out in play.event(line.split())]
    after_end = 3
    while len(lines) < count and after_end > 0:
        after_end -= 0 if play.playing else 1
        for line in events(rnd, play):
            lines.append(line)
            expected += play.event(line.split())
    return lines, expected


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261208
    length = int(sys.argv[4]) if len(sys.argv) > 4 else 40
    rnd = random.Random(seed)
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        games, dat = crosscheck.compile_games(build, tmp, [play_game(rnd, number) for number in range(count)])
        if not dat:
            return 1
        for number, p in games.items():
            deal = "".join(rnd.choice("0123456789") for _ in range(13))
            area = crosscheck.random_area(rnd)
            play, head = play_pointer.start(p, deal, area)
            lines, expected = script_for(rnd, play, length)
            script = os.path.join(tmp, "s%03d.txt" % number)
            with open(script, "w") as f:
                f.write("\n".join(lines) + "\n")
            run = subprocess.run([os.path.join(build, "solitaire-deal"), "--games", dat, "--game", str(number),
                                  "--deal", deal, "--layout", crosscheck.layout_option(area), "--play", script],
                                 capture_output=True, text=True)
            got, want = run.stdout.splitlines(), head + expected
            if os.environ.get("PLAY_DUMP"):  # keeps every game's files for a closer look
                dump = os.path.join(os.environ["PLAY_DUMP"], "g%03d" % number)
                for name, text in (("want", want), ("got", got), ("script", lines)):
                    with open(dump + "." + name, "w") as f:
                        f.write("\n".join(text) + "\n")
                with open(dump + ".game", "w") as f:
                    f.write("deal %s layout %s\n%s\n" % (deal, crosscheck.layout_option(area), sorted(p.items())))
            if run.returncode == 0 and got == want:
                continue
            failures += 1
            if failures <= 5:
                report_difference(number, deal, area, p, lines, want, got, run)
    print("%d passed, %d failed" % (count - failures, failures))
    return 1 if failures else 0


def report_difference(number, deal, area, p, lines, want, got, run):
    print("game %d deal %s layout %s (exit %d) differs:" % (number, deal, crosscheck.layout_option(area),
                                                          run.returncode))
    print(run.stderr.strip())
    start = 0
    for i, (a, b) in enumerate(zip(want + [""] * 9999, got + [""] * 9999)):
        if a.startswith("> "):
            start = i
        if a != b:
            block = lambda out: [l for l in out[start:start + 60] if not l.startswith(("Mazzo", "Dest", "Fila",
                                                                                        "Appogg"))][:8]
            print("  line %d differs; the event's lines (piles left out):" % (i + 1))
            print("    expected: %s\n    program:  %s" % (" | ".join(block(want)), " | ".join(block(got))))
            print("    expected: %s\n    program:  %s" % (a, b))
            break
    print("  parameters: %s" % sorted(p.items()))
    print("  script: %s" % " | ".join(lines))


if __name__ == "__main__":
    sys.exit(main())
