"""A second, independent implementation of the deal and of the single-card
pile rules, written from the game rules rather than from the C++ code. The
cross-check feeds both the same synthetic games and compares the tables."""

SUIT_ROWS = [
    "004 002 003 001 004 002 001 003", "001 003 002 004 004 003 002 001",
    "002 004 003 001 003 004 001 002", "003 004 002 001 002 003 001 004",
    "004 002 003 001 001 003 004 002", "001 004 002 003 004 001 002 003",
    "002 001 003 004 003 001 002 004", "003 002 001 004 002 004 001 003",
    "004 003 001 002 001 002 003 004", "002 001 004 003 004 002 001 003",
    "003 001 004 002 001 002 004 003", "003 002 004 001 001 004 003 002",
    "002 003 004 001 004 001 003 002",
]
STEP_ROWS = [
    "025 018 013 022 021 020 015 015", "020 019 012 013 018 018 023 017",
    "030 021 019 019 013 022 020 018", "051 016 014 018 021 021 017 019",
    "018 019 019 023 013 016 015 020", "017 021 014 019 019 016 018 017",
    "048 016 013 014 019 020 020 016", "011 021 021 023 017 018 022 020",
    "022 016 013 013 019 017 022 013", "024 013 020 021 021 014 015 022",
]
SUITS = [[int(x) for x in row.split()] for row in SUIT_ROWS]
STEPS = [[int(x) for x in row.split()] for row in STEP_ROWS]


def suit(card):
    if card > 52:
        card -= 52
    return 0 if card <= 13 else 1 if card <= 26 else 2 if card <= 39 else 3


def rank(card):
    if card > 52:
        card -= 52
    return (card - 1) % 13 + 1


def red(card):
    return suit(card) < 2


def first_free(deck, start, forward):
    rng = range(max(start, 0), len(deck)) if forward else range(min(start, len(deck) - 1), -1, -1)
    for i in rng:
        if deck[i] == 0:
            return i
    for i in range(len(deck)):
        if deck[i] == 0:
            return i
    return -1


def shuffle(number, n):
    deck = [0] * n
    copies = 4 if n <= 52 else 8
    g = ("0" * 13 + number)[-13:]
    d = [int(ch) for ch in g]
    w = int(g[1] + g[5] + g[11])
    a, b, c = 1, 7, 13
    pool = list(range(1, 14))
    for z in range(1, 14):
        t = d[z - 1]
        zero = t == 0
        if z <= 10:
            s = g[:z - 1] + g[z + 3:]
        else:
            s = g[z - 9:z]
        row = SUITS[int(s) % 13]
        k = int(g[a - 1] + g[b - 1] + g[c - 1]) % 13
        if k > len(pool) - 1:
            k = len(pool) - 1 if zero else 0
        r = pool.pop(k)
        a, b, c = [x + 1 if x < 13 else 1 for x in (a, b, c)]
        w -= t
        for i in range(1, copies + 1):
            w += STEPS[t][i - 1]
            if w >= n:
                w %= n
            elif w < 0:
                w = 0
            card = (row[i - 1] - 1) * 13 + r + (52 if i > 4 else 0)
            if deck[w] == 0:
                deck[w] = card
            else:
                w = first_free(deck, w, zero)
                if w != -1:
                    deck[w] = card
    return deck


class Table:
    """Piles as lists of cards, bottom first; faces by card number."""

    def __init__(self, p):
        self.p = p
        self.stock = [[], [], []]
        self.dest = [[] for _ in range(16)]
        self.fila = [[] for _ in range(26)]
        self.appogg = [[] for _ in range(8)]
        self.face = {}
        self.credits = 0
        self.block = 1  # cards moving together; the deal-time sweep moves one

    def set_faces(self, pile, mode, digit):
        if mode >= 1:
            for card in pile[-mode:]:
                self.face[card] = digit
        elif mode in (-1, -2):
            first = "1" if mode == -1 else "0"
            other = "0" if mode == -1 else "1"
            for i, card in enumerate(pile):
                self.face[card] = first if i % 2 == 0 else other
        elif mode == -3:
            for i, card in enumerate(pile):
                self.face[card] = "1" if i == 0 else "0"


def deal(p, number):
    """p: dict parameter -> value. Returns (deck, table, base ranks, score)."""
    n = p.get(265, 0)
    deck = shuffle(number, n)
    shuffled = list(deck)
    t = Table(p)
    base = [p.get(36 + j, 0) for j in range(16)]
    tableau_base = [p.get(100 + k, 0) for k in range(26)]

    def take(pile, count):
        for _ in range(count):
            card = deck.pop(0)
            pile.append(card)
            t.face[card] = "0"

    def take_rank(pile, r):
        for i, card in enumerate(deck):
            if rank(card) == r:
                deck.pop(i)
                pile.append(card)
                t.face[card] = "0"
                return

    for j in range(p.get(261, 0)):
        code = p.get(84 + j, 0)
        f = None
        if code in (0, 92, 96):
            if code == 92:
                base[j] = base[0]
        elif code == 20:
            f = deck[0]
        elif code == 21:
            used = {suit(t.dest[i][0]) for i in range(j) if t.dest[i]}
            f = next((c for c in deck if suit(c) not in used), deck[-1])
        elif 51 <= code <= 63:
            f = next(c for c in deck if rank(c) == code - 50)
        elif code == 91:
            f = (deck[0] + 13 * (j + 1) - 1) % n + 1
        elif code in (93, 94):
            f = 13 * j + 1
        elif code >= 100:
            f = code - 100
        else:
            f = code + 13 * j
        if f is not None:
            t.dest[j].append(f)
            t.face[f] = "1"
            base[j] = rank(f)
            t.credits += 1
            deck.remove(f)
    if p.get(246, 0):
        v = p[246]
        card = v - 100 if v > 100 else v
        t.stock[2].append(card)
        t.face[card] = "1"
        t.credits += 1
        deck.remove(card)
    for k in range(26):
        if p.get(268 + k, 0) > 1000:
            take_rank(t.fila[k], p[268 + k] - 1000)
            t.set_faces(t.fila[k], p.get(294 + k, 0), "1")
    take(t.stock[0], p.get(266, 0))
    if p.get(6, 0) == 0:
        t.set_faces(t.stock[0], p.get(266, 0), "1")
    if p.get(267, 0) > 0:
        take(t.stock[1], p[267])
        t.set_faces(t.stock[1], len(t.stock[1]), "1")
    for k in range(26):
        if 1 <= p.get(268 + k, 0) <= 1000:
            take(t.fila[k], p[268 + k])
            t.set_faces(t.fila[k], p.get(294 + k, 0), "1")
    if p.get(320, 0) > 0:
        before = len(t.stock[2])
        take(t.stock[2], p[320])
        for card in t.stock[2][before:]:
            t.face[card] = "1"
        t.credits += p[320]
    for l in range(8):
        if p.get(321 + l, 0) > 0:
            take(t.appogg[l], p[321 + l])
            t.set_faces(t.appogg[l], p.get(329 + l, 0), "1")
    if p.get(1, 0) == 1:
        take(t.dest[0], 1)
        t.face[t.dest[0][-1]] = "1"
        t.credits += 1
        base = [rank(t.dest[0][-1])] * 16
    for k in range(26):
        if tableau_base[k] == 91:
            tableau_base[k] = 13 if base[0] == 1 else base[0] - 1
    if p.get(10, 0) == 1:
        take(t.dest[0], 1)
        t.face[t.dest[0][-1]] = "1"
        t.credits += 1
    t.base = base
    t.tableau_base = tableau_base
    if p.get(84, 0) == 93:
        sweep(t)
    t.credits += p.get(33, 0) & 0xFF
    score = -n + 5 * t.credits
    return shuffled, t, base, score


def take_out(t, card):
    """Removes a card from wherever it lies, searching in the fixed order."""
    rows = t.fila[:t.p.get(262, 0)]
    for pile in [t.stock[1]] + rows + t.dest + [t.stock[0], t.stock[2]] + t.appogg:
        if card in pile:
            pile.remove(card)
            return


def try_foundation(t, card):
    for j in range(t.p.get(261, 0)):
        if foundation_check(t, card, j, from_play=False):
            take_out(t, card)
            t.dest[j].append(card)
            t.face[card] = "1"
            t.credits += 1
            return True
    return False


def sweep(t):
    rows = t.p.get(262, 0)
    depth = max((len(t.fila[k]) for k in range(rows)), default=0)
    order = [(d, k) for d in range(depth + 1) for k in range(rows)] if t.p.get(21, 0) == 0 else \
        [(d, k) for k in range(rows) for d in range(depth + 1)]
    for d, k in order:
        while d < len(t.fila[k]) and t.fila[k][d] != 0 and try_foundation(t, t.fila[k][d]):
            pass


def code(card):
    return "%03d" % card


def print_table(p, shuffled, t, base, score):
    out = ["deck " + "".join(code(c) for c in shuffled)]

    def line(name, pile):
        if not pile:
            return "%s - -" % name
        return "%s %s %s" % (name, "".join(code(c) for c in pile),
                             "".join("x" if c == 0 else t.face[c] for c in pile))

    for name, pile in zip(("Mazzo", "Mazzo_Vis", "Mazzo_Waste"), t.stock):
        out.append(line(name, pile))
    for j in range(p.get(261, 0)):
        out.append(line("Dest%d" % (j + 1), t.dest[j]))
    for k in range(p.get(262, 0)):
        out.append(line("Fila%d" % (k + 1), t.fila[k]))
    for l in range(p.get(263, 0)):
        out.append(line("Appogg%d" % (l + 1), t.appogg[l]))
    out.append("base " + " ".join(str(b) for b in base))
    out.append("score %d" % score)
    return out


# ---- single-card pile rules -------------------------------------------------

# Rule codes the synthetic games draw from: the generic rule's codes and the
# special codes whose answer on an empty pile is fully defined.
GENERIC_CODES = [0, 1, 2, 3, 6, 8, 9, 13, 57, 60]
SPECIAL_CODES = [4, 5, 12, 17, 19, 20, 25, 34, 35, 39, 44, 56]


def location(t, card):
    if card in t.stock[0]:
        return -99
    if card in t.stock[1]:
        return -98
    for j, pile in enumerate(t.dest):
        if card in pile:
            return -(j + 1)
    for k, pile in enumerate(t.fila):
        if card in pile:
            return k + 1
    for n, pile in enumerate(t.appogg):
        if card in pile:
            return -(n + 1 + 20)
    return 0


def balance(t, c, m):
    """Aces (81, 85) or Kings (84) spread evenly over the colours (and, for
    84 and 85, the suits) of the foundations whose base rank is the code."""
    if rank(m) != (13 if c == 84 else 1):
        return False
    listed = [j for j in range(16) if t.base[j] == c]
    half = len(listed) // 2
    colours = {True: 0, False: 0}
    suits = {}
    colours[red(m)] += 1
    suits[suit(m)] = 1
    for j in listed:
        if not t.dest[j]:
            continue
        bottom = t.dest[j][0]
        colours[red(bottom)] += 1
        if colours[True] > half or colours[False] > half:
            return False
        if c in (84, 85):
            suits[suit(bottom)] = suits.get(suit(bottom), 0) + 1
            if suits[suit(bottom)] > 1:
                return False
    return True


def empty_rule(t, b, m, o):
    if b in (81, 84, 85):
        return balance(t, b, m)
    if b in (82, 83):
        return False
    if b == 86:
        return t.block == 1
    if b == 87:
        loc = location(t, m)
        return loc in (-99, -98, 0)
    if b == 92:
        return all(rank(pile[0]) == rank(m) for pile in t.dest[:16] if pile)
    if b == -1:
        return True
    return rank(m) == b or o == -1


def generic(t, top, m, b, foundation, r_code, d, o, wrap, rt):
    rm = rank(m)
    if rt < 1:
        return empty_rule(t, b, m, o)
    if r_code in (0, 11) and suit(top) != suit(m):
        return False
    if r_code == 1 and red(top) != red(m):
        return False
    if r_code in (3, 27) and red(top) == red(m):
        return False
    if r_code == 6:
        return False
    result = False
    skip_down = False
    if d in (1, 2):
        if foundation:
            if rt == 13:
                result = rm == 1 and b != 1
                skip_down = True
            else:
                result = rm == rt + 1
        else:
            if rt == o and not wrap:
                result = False
                skip_down = True
            elif rt == 13:
                result = rm == 1
            else:
                result = rm == rt + 1
    if not skip_down and (d == 0 or (d == 2 and not result)):
        if foundation:
            result = rt == rm + 1 if rt != 1 else (rm == 13 and b != 13)
        else:
            if (rt == o or (rt == 1 and o in (81, 82, 83))) and not wrap:
                result = False
            elif rt == 1:
                result = rm == 13
            else:
                result = rt == rm + 1
    return result


def rule_check(t, top, m, b, index, wrap, foundation, r_code, d, o, from_play=True):
    rt = rank(top) if top is not None else (-1 if from_play else 0)
    rm = rank(m)
    if top == m:
        return False
    empty = rt < 1
    if r_code in (4, 5):
        return False
    if r_code == 12:
        return True
    if r_code == 17:
        return location(t, m) <= 0
    if r_code == 19:
        loc = location(t, m)
        return loc <= 0 and not (-28 <= loc <= -21)
    if r_code == 20:
        return rm == rt + 1 or (empty and rm == 1) or (rt == 13 and rm == 1)
    if r_code == 25:
        if empty:
            return True
        return suit(top) == suit(m) and (rm == rt + 2 if d == 1 else rm == rt - 2)
    if r_code == 34:
        if empty:
            return empty_rule(t, b, m, o)
        return red(top) != red(m) and rt == rm + 1
    if r_code == 35:
        if empty:
            return empty_rule(t, b, m, o)
        return rm in (rt + 1, rt - 1) or (rt, rm) in ((13, 1), (1, 13))
    if r_code in (39, 44):
        if rt >= 0:
            bad = (12, 13) if r_code == 39 else (13,)
            return rm == rt + 1 and rm not in bad
        return rm == 1
    if r_code == 56:
        return not empty and rm == rt
    return generic(t, top, m, b, foundation, r_code, d, o, wrap, rt)


def foundation_check(t, card, i, from_play=True):
    p = t.p
    pile = t.dest[i]
    r_code = p.get(68 + i, 0)
    if r_code == 10:
        return rank(card) == 12 and not pile
    if not (len(pile) < p.get(25, 0) or r_code in (20, 29)):
        return False
    if r_code == 20 and len(pile) >= 52:
        return False
    top = pile[-1] if pile else None
    if from_play:
        return rule_check(t, top, card, t.base[i], i, True, True, r_code, p.get(52 + i, 0), t.base[i])
    return rule_check(t, top, card, t.base[i], i, p.get(178 + i, 0) > 0, True, r_code, p.get(52 + i, 0),
                      t.base[0], from_play=False)


def can_go(t, card, kind, i):
    p = t.p
    if kind == "Dest":
        return foundation_check(t, card, i)
    if kind == "Fila":
        pile = t.fila[i]
        if pile and t.face.get(pile[-1]) == "0":
            return False
        top = pile[-1] if pile else None
        return rule_check(t, top, card, t.tableau_base[i], i, p.get(178 + i, 0) > 0, False,
                          p.get(152 + i, 0), p.get(126 + i, 0), t.base[0])
    kind_type = p.get(229 + i + 1, 0)
    if kind_type == 4:
        return False
    if kind_type == 8:
        return rank(card) == 13 and len(t.appogg[0]) < 3
    if kind_type == 13:
        return len(t.appogg[0]) < 5
    if t.appogg[i]:
        return False
    return kind_type != 9 or rank(card) >= 11


def print_rules(p, t):
    piles = [("Dest", j) for j in range(p.get(261, 0))] + \
            [("Fila", k) for k in range(p.get(262, 0))] + \
            [("Appogg", n) for n in range(p.get(263, 0))]
    sources = list(t.stock) + [t.dest[j] for j in range(p.get(261, 0))] + \
        [t.fila[k] for k in range(p.get(262, 0))] + [t.appogg[n] for n in range(p.get(263, 0))]
    out = []
    for pile in sources:
        if not pile or pile[-1] == 0:
            continue
        card = pile[-1]
        for kind, i in piles:
            out.append("rule %s %s%d %d" % (code(card), kind, i + 1, 1 if can_go(t, card, kind, i) else 0))
    return out
