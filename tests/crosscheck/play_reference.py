"""A second, independent implementation of the play engine behind pointer
play: the move rules with a moving block, move execution, drop placement,
autoplay and the game end, written from the game rules for the cross-check
of `solitaire-deal --play`. The deal, the single-card rules and the layout
come from reference.py and layout_reference.py; the pointer events are in
play_pointer.py."""
import layout_reference as lay
import reference as ref
from reference import code, rank, suit

SWITCH = {"Foundation": "Sounds_Foundation", "Autoplay": "Sounds_Autoplay", "Tableau": "Sounds_Tableau",
          "Eddy": "Sounds_Foundation", "Stock": "Sounds_Stock", "Redeal": "Sounds_Redeal",
          "Shuffle": "Sounds_Shuffle", "Pairing": "Sounds_Pairing", "Face_up": "Sounds_FaceUp",
          "card_up": "Sounds_CardUp", "card_down": "Sounds_CardDown", "Won": "Sounds_GameWon"}
KIND = {"stock": 2, "fila": 4, "dest": 5, "appogg": 6}
GROUP_SIZE = {"stock": 3, "dest": 16, "fila": 26, "appogg": 8}


def initial_state():
    s = {"Cards_Shadowed": "Y", "Cards_Animate": "N", "Deal_Animation": "N", "Piles_TT": "N",
         "Speed_Move_Card": "0", "Redeal_Animation": "Y", "Winning_Animation": "N", "ConfirmQuitGame": "N"}
    s["Sounds_Enabled"] = "Y"
    for switch in set(SWITCH.values()):
        s[switch] = "Y"
    return s


class Play:
    def __init__(self, p, table, layout, score):
        self.p, self.t, self.lay = p, table, layout
        self.cw, self.ch = layout.cw, layout.ch
        self.state = initial_state()
        self.score = score
        self.playing, self.won = True, False
        self.moves, self.passes, self.marker, self.clicks = 0, 1, False, 0
        self.autoplay = False
        self.dragged, self.moved, self.grab, self.block, self.block_h = 0, False, (0, 0), None, 0
        self.source_marker = 0
        self.out = []

    # ---- table access ----------------------------------------------------
    def q(self, n):
        return self.p.get(n, 0)

    def pile(self, key):
        g, i = key
        return {"stock": self.t.stock, "dest": self.t.dest, "fila": self.t.fila, "appogg": self.t.appogg}[g][i]

    def placed(self, key):
        x, y = self.lay.pos[key[0]][key[1]]
        return x > -10000 and y > -10000

    def place(self, key, e):
        return lay.card_place(self.lay, self.t, key[0], key[1], self.pile(key), e)

    def rect(self, key, e):
        x, y = self.place(key, e)
        return x, y, x + self.cw, y + self.ch

    def up(self, card):
        return self.t.face.get(card, "1") == "1"

    def rows(self):
        return min(max(self.q(262), 0), 26)

    def reserves(self):
        return min(max(self.q(263), 0), 8)

    def foundations(self):
        return min(max(self.q(261), 0), 16)

    def locate(self, card):
        """Where locating a card finds it, in the fixed search order."""
        keys = [("stock", 1)] + [("fila", k) for k in range(self.rows())] + [("dest", j) for j in range(16)] + \
            [("stock", 0), ("stock", 2)] + [("appogg", n) for n in range(8)]
        for key in keys:
            if card in self.pile(key):
                return key, self.pile(key).index(card)
        return None

    def block_size(self, card):
        where = self.locate(card)
        return len(self.pile(where[0])) - where[1] if where else 1

    # ---- output ----------------------------------------------------------
    def sound(self, name):
        if self.state.get("Sounds_Enabled") == "Y" and self.state.get(SWITCH[name]) == "Y":
            self.out.append("sound " + name)

    def report(self):
        def line(name, pile):
            if not pile:
                return "%s - -" % name
            return "%s %s %s" % (name, "".join(code(c) for c in pile),
                                 "".join("x" if c == 0 else self.t.face.get(c, "1") for c in pile))
        lines = [line(n, pile) for n, pile in zip(("Mazzo", "Mazzo_Vis", "Mazzo_Waste"), self.t.stock)]
        lines += [line("Dest%d" % (j + 1), self.t.dest[j]) for j in range(self.foundations())]
        lines += [line("Fila%d" % (k + 1), self.t.fila[k]) for k in range(self.rows())]
        lines += [line("Appogg%d" % (n + 1), self.t.appogg[n]) for n in range(self.reserves())]
        lines.append("score %d" % self.score)
        lines.append("state moves=%d pass=%d marker=%d clicks=%d won=%d playing=%d dragged=%d" % (
            self.moves, self.passes, self.marker, self.clicks, self.won, self.playing, self.dragged))
        return lines

    # ---- rules with the moving block ---------------------------------------
    def run_size_ok(self, card, to_empty):
        key, index = self.locate(card)
        pile = self.pile(key)
        length = len(pile) - index
        self.source_marker = pile[-1]
        m = self.q(11)
        e = sum(1 for k in range(self.rows()) if not self.t.fila[k])
        f = sum(1 for n in range(self.reserves()) if not self.t.appogg[n])
        if m == -1:
            return True
        if m == -12:
            return rank(card) == 13 or length == 1
        if m == -5:
            limit = f + 1 if e == 0 else f + e if to_empty else f + e + 1
        elif m == -6:
            limit = f + 1 if e == 0 else f + e
        elif m < 0:
            limit = max(e, 1)
        else:
            limit = m
        return limit >= length

    def run_ok(self, k, index):
        mode = self.q(2)
        if mode not in (1, 10):
            return True
        pile = self.t.fila[k]
        r_code = self.q(152 + k) if mode == 1 else 0
        for lower, upper in zip(pile[index:], pile[index + 1:]):
            if not ref.rule_check(self.t, lower, upper, self.t.tableau_base[k], k, self.q(178 + k) > 0, False,
                                  r_code, self.q(126 + k), self.t.base[0], from_play=False):
                return False
        return True

    def can_go(self, card, key):
        g, i = key
        block = self.block_size(card)
        self.t.block = block
        try:
            if g == "dest":
                return block == 1 and ref.can_go(self.t, card, "Dest", i)
            if g == "appogg":
                return block == 1 and ref.can_go(self.t, card, "Appogg", i)
            pile = self.t.fila[i]
            if not ref.can_go(self.t, card, "Fila", i):
                return False
            if self.q(152 + i) == 34 and pile and block != 1:
                return False
            if self.q(11) == -5 and block > 1 and not pile and not self.run_size_ok(card, True):
                return False
            return not (pile and pile[-1] == self.source_marker)
        finally:
            self.t.block = 1

    def waste_rule(self, card):
        waste = self.t.stock[1]
        if self.q(247) != 2 or not waste or waste[-1] == 0 or suit(waste[-1]) != suit(card):
            return False
        r, top = rank(card), rank(waste[-1])
        return top in (13 if r == 1 else r - 1, 1 if r == 13 else r + 1)

    # ---- move execution --------------------------------------------------
    def execute(self, card, action):
        if self.q(31) == 1 and self.moves == 0:
            where = self.locate(card) if card > 0 else None
            if not (where and where[0][0] == "fila" and action.startswith("Dest")):
                return False
        changed = self.dispatch(card, action)
        if changed:
            self.after_move()
        return changed

    def dispatch(self, card, action):
        number = lambda prefix: int(action[len(prefix):]) if action[len(prefix):].isdigit() else 0
        if action.startswith("Dest_Autoplay"):
            n = number("Dest_Autoplay")
            return 1 <= n <= self.foundations() and self.move_card(card, ("dest", n - 1), "Autoplay")
        if action.startswith("Dest"):
            n = number("Dest")
            return 1 <= n <= self.foundations() and self.move_card(card, ("dest", n - 1), "Foundation")
        if action.startswith("Fila"):
            n = number("Fila")
            return 1 <= n <= self.rows() and self.move_to_row(card, n - 1)
        if action.startswith("Appogg"):
            n = number("Appogg")
            return 1 <= n <= self.reserves() and self.move_card(card, ("appogg", n - 1), "Tableau")
        if action == "Stock02":
            return self.move_card(card, ("stock", 1), "Tableau")
        if action == "Waste":
            return self.move_card(card, ("stock", 2), "Eddy" if self.q(35) == 12 else None)
        if action == "Selezionate_Dest":
            return self.discard_selection()
        if action in ("Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal"):
            return self.stock_action(action)
        if action in ("Add_Tableaus", "Add_Tableaus_Last", "Fill_Tableaus", "Selezionate_Fila"):
            rows = [("fila", k) for k in range(self.rows())]
            gets = {"Add_Tableaus": lambda key: 1 <= self.q(204 + key[1]) <= 4,
                    "Add_Tableaus_Last": lambda key: True}.get(action, lambda key: not self.pile(key))
            return self.deal_from_stock(rows, gets)
        if action == "Add_Reserves" or action.startswith("Add_Reserve_"):
            n = number("Add_Reserve_")
            keys = [("appogg", n - 1)] if n else [("appogg", i) for i in range(self.reserves())]
            return self.deal_from_stock(keys, lambda key: 1 <= self.q(238 + key[1]) <= 4)
        return False

    def move_card(self, card, to, sound):
        where = self.locate(card)
        if not where or (where[0] == to and where[1] == len(self.pile(to)) - 1):
            return False
        self.pile(where[0]).pop(where[1])
        self.pile(to).append(card)
        self.t.face[card] = "1"
        if sound:
            self.sound(sound)
        return True

    def discard_selection(self):
        """Pair games: the selection (the text of Dest1) goes to the second
        waste; a pyramid (fan mode 4) keeps gaps where table cards were."""
        self.sound("Pairing")
        selection, changed = self.t.dest[0], False
        while selection:
            card = selection.pop(0)
            where = self.locate(card)
            if not where:
                continue
            key, index = where
            if self.q(3) == 4 and key not in (("stock", 0), ("stock", 1)):
                self.pile(key)[index] = 0
            else:
                self.pile(key).pop(index)
            self.t.stock[2].append(card)
            self.t.face[card] = "1"
            changed = True
        return changed

    def move_to_row(self, card, k):
        where = self.locate(card)
        if not where or where[0] == ("fila", k):
            return False
        source = self.pile(where[0])
        run = source[where[1]:]
        del source[where[1]:]
        for c in run:
            self.t.fila[k].append(c)
            self.t.face[c] = "1"
        self.sound("Tableau")
        return True

    def stock_action(self, action):
        """The empty stock first shows the marker; the next stock action (the
        release on it) counts the next pass, and for "Mazzo_Vis" with more
        than one waste card that pass is the redeal. Read this way, a game
        that allows redeals can redeal at all."""
        stock, waste = self.t.stock[0], self.t.stock[1]
        remain = self.passes < self.q(13) or self.q(13) == -1
        changed, counted = False, False
        if self.q(14) > 0 and remain and not stock:
            if not self.marker:
                self.marker = True
            else:
                self.passes += 1
                counted = True
                if action == "Mazzo_Vis" and len(waste) > 1:
                    self.redeal()
                    changed = True
        if stock and not counted:
            to = waste if action == "Mazzo_Vis" else self.t.stock[2]
            for _ in range(self.q(19)):
                if not stock:
                    break
                c = stock.pop()
                to.append(c)
                self.t.face[c] = "1"
                self.sound("Stock")
                changed = True
            if self.q(35) == 28:
                self.clicks += 1
        return changed

    def redeal(self):
        stock, waste = self.t.stock[0], self.t.stock[1]
        if self.state.get("Redeal_Animation") != "N":
            self.sound("Redeal")
        while waste:
            c = waste.pop()
            stock.append(c)
            self.t.face[c] = "0" if self.q(6) else "1"
        self.marker = False
        selection = self.t.dest[0]
        if self.q(35) == 4 and selection:
            # A selected waste card that went back into the stock leaves the selection.
            for i in (0, 1):
                if len(selection) > i and selection[i] == stock[0]:
                    del selection[i]
                    break

    def deal_from_stock(self, keys, gets):
        stock, changed = self.t.stock[0], False
        for key in keys:
            if not stock:
                break
            if gets(key):
                c = stock.pop()
                if self.q(3) == 8:
                    self.t.fila[0].append(0)  # one long row: a gap before each dealt card
                self.pile(key).append(c)
                self.t.face[c] = "1"
                self.sound("Shuffle")
                changed = True
        return changed

    def after_move(self):
        if self.q(35) != 9:
            self.score = -self.q(265) + 5 * self.q(33) + 5 * len(self.t.stock[2]) + \
                5 * sum(len(self.t.dest[j]) for j in range(self.foundations()))
        first = self.moves == 0
        self.moves = min(self.moves + 1, 2)
        self.won = self.is_won()
        if first and self.q(32) == 1:
            self.execute(0, "Fill_Tableaus")

    def is_won(self):
        rows = [self.t.fila[k] for k in range(self.rows())]
        family = self.q(35)
        if family == 9:
            return all(rows)
        if family in (21, 22):
            return not self.t.stock[0] and len(self.t.fila[0]) <= 4
        if family == 27:
            return all(len(r) == 1 for r in rows)
        empty_row = (lambda r: all(c == 0 for c in r)) if family == 4 else (lambda r: not r)
        return not self.t.stock[0] and not self.t.stock[1] and all(empty_row(r) for r in rows) and \
            all(not self.t.appogg[n] for n in range(self.reserves()))

    def stock_click(self):
        stock, waste = self.t.stock[0], self.t.stock[1]
        card = stock[-1] if stock else 0
        rows, last_row = self.rows(), self.q(203 + self.rows())
        if self.q(8) == 1:
            if self.q(15) != 1 or not waste:
                self.execute(card, "Mazzo_Vis")
        elif self.q(14) > 0 and not stock:
            self.execute(card, "Mazzo_Redeal")
        elif self.q(204) == 1 or last_row == 1:
            self.execute(card, "Add_Tableaus")
        elif self.q(204) == 2 or last_row == 2:
            if all(self.t.fila[k] for k in range(rows)):
                self.execute(card, "Add_Tableaus")
            else:
                self.out.append("message Before deal, fill any gaps in the tableau")
        elif self.q(238) == 1 or self.q(237 + self.reserves()) == 1:
            self.execute(card, "Add_Reserves")
        elif self.q(238) == 3:
            if len(stock) == 8:
                self.execute(card, "Add_Tableaus_Last")
            else:
                for _ in range(2):
                    self.execute(stock[-1] if stock else 0, "Add_Reserves")
        elif self.q(238) == 4 and stock:
            self.clicks += 1
            target = 1 if self.clicks % 2 else 2
            for _ in range(3):
                if stock:
                    self.execute(stock[-1], "Add_Reserve_%d" % target)
        elif self.q(258) != 0:
            self.execute(card, "Mazzo_Waste")

    # ---- drop placement ----------------------------------------------------
    def drop_candidates(self, rect):
        keys = [("dest", j) for j in range(self.foundations())]
        if self.q(3) != 8:
            keys += [("fila", k) for k in range(self.rows())]
        keys += [("appogg", n) for n in range(self.reserves())]
        if self.q(248) != 4:
            keys.append(("stock", 1))
        ranked = []
        for key in keys:
            if not self.placed(key):
                continue
            c = self.rect(key, len(self.pile(key)))
            if overlaps(rect, c):
                ranked.append(("%06d%03d%03d" % (overlap_area(rect, c), KIND[key[0]], key[1]), key))
        ranked.sort(reverse=True)
        return [key for _, key in ranked[:4]]

    def place_dropped(self, card, rect, target=None, autoplay=False):
        candidates = [target] if target else self.drop_candidates(rect)
        if self.q(31) == 1 and self.moves == 0:
            where = self.locate(card)
            if not where or where[0][0] != "fila":
                return False
            candidates = [key for key in candidates if key[0] == "dest"]
        for g, i in candidates:
            if g == "stock":
                done = self.waste_rule(card) and self.execute(card, "Stock02")
            elif not self.can_go(card, (g, i)):
                done = False
            elif g == "dest":
                done = self.execute(card, ("Dest_Autoplay%d" if autoplay else "Dest%d") % (i + 1))
            elif g == "appogg":
                done = self.execute(card, "Appogg%d" % (i + 1))
            else:
                done = self.execute(card, "Fila%d" % (i + 1))
            if done:
                return True
        return False

    # ---- autoplay and game end ---------------------------------------------
    def send_to_foundation(self, card, autoplay, fallback):
        if card <= 0 or not self.up(card):
            return False
        count = self.foundations()
        if autoplay and all(not self.t.dest[j] and self.t.base[j] == 92 for j in range(count)):
            return False
        for key in [("dest", j) for j in range(count)] + \
                ([("appogg", n) for n in range(self.reserves())] if fallback else []):
            if self.placed(key) and self.place_dropped(card, None, key, autoplay):
                return True
        return False

    def autoplay_active(self):
        # A game that has ended is not played on (its end stops autoplay).
        return self.autoplay and self.q(17) != 0 and self.playing

    def autoplay_pass(self):
        if not self.autoplay_active():
            return False
        top = lambda pile: pile[-1] if pile else 0
        anything = False
        while True:
            moved = False
            while True:
                round_moved = False
                for n in range(self.reserves()):
                    if self.send_to_foundation(top(self.t.appogg[n]), True, False):
                        round_moved = True
                if not round_moved:
                    break
                moved = True
            if self.send_to_foundation(top(self.t.stock[1]), True, False):
                moved = True
            for k in range(self.rows()):
                if self.send_to_foundation(top(self.t.fila[k]), True, False):
                    moved = True
                    if self.reserves() > 0:
                        break
            if not moved:
                break
            anything = True
        if self.won:
            self.end_game()
        return anything

    def autoplay_sequence(self):
        moved = self.autoplay_pass()
        while moved:
            self.fill_empty_rows()
            moved = self.autoplay_pass()

    def fill_empty_rows(self):
        source = self.q(20)
        stock, waste, first = self.t.stock[0], self.t.stock[1], self.t.appogg[0]
        if source not in (1, 2, 3, 4) or (self.q(31) == 1 and self.moves == 0) or not self.playing:
            return False
        if (source == 1 and not first) or (source > 1 and not stock and not waste):
            return False
        any_empty = False
        for k in range(self.rows()):
            if self.t.fila[k]:
                continue
            any_empty = True
            if source == 1:
                pile = first
            elif source == 3:
                pile = stock or waste
            else:
                pile = waste or stock
            if pile:
                self.execute(pile[-1], "Fila%d" % (k + 1))
        return any_empty

    def end_game(self):
        if not self.playing:
            return
        won = self.won if self.q(35) != 9 else self.score >= 100
        self.out.append("endgame " + ("won" if won else "lost"))
        self.playing, self.won = False, False
        self.dragged, self.source_marker = 0, 0
        if won:
            self.sound("Won")


def overlaps(b, c):
    inside = lambda x, y: c[0] <= x <= c[2] and c[1] <= y <= c[3]
    l, t, r, bt = b
    if any(inside(x, y) for x, y in ((l, t), (r, bt), (r, t), (l, bt))):
        return True
    if not (c[0] <= l <= c[2] or c[0] <= r <= c[2]):
        return False
    return any(c[1] <= y <= c[3] for y in range(t, bt + 1, 50))


def overlap_area(b, c):
    inside = lambda x, y: c[0] <= x <= c[2] and c[1] <= y <= c[3]
    l, t, r, bt = b
    if inside(l, t):
        return (c[2] - l) * (c[3] - t)
    if inside(r, bt):
        return (r - c[0]) * (bt - c[1])
    if inside(r, t):
        return (c[3] - t) * (r - c[0])
    if inside(l, bt):
        return (c[2] - l) * (bt - c[1])
    if not (c[0] <= l <= c[2] or c[0] <= r <= c[2]):
        return 0
    if any(c[1] <= y <= c[3] for y in range(t, bt + 1, 50)):
        return (r - c[0]) * (bt - t) if not c[0] <= l <= c[2] else (c[2] - l) * (bt - t)
    return 0
