"""Pointer events over the play reference: the hit test, press, move,
release and double click, and the script lines of `solitaire-deal --play`."""
import layout_reference as lay
import reference as ref
from play_reference import Play
from reference import code


class PointerPlay(Play):
    def hit(self, x, y):
        """(pile key, card, index in the pile) under the point, or None."""
        inside = lambda r: r[0] <= x <= r[2] and r[1] <= y <= r[3]  # edges included
        for i in range(3):
            pile = self.t.stock[i]
            if self.placed(("stock", i)) and inside(self.rect(("stock", i), 0)):
                return ("stock", i), pile[-1] if pile else 0, len(pile) - 1
        order = range(self.rows() - 1, -1, -1) if self.q(3) == 4 else range(self.rows())
        for k in order:
            key = ("fila", k)
            if not self.placed(key):
                continue
            rects = [self.rect(key, e) for e in range(len(self.t.fila[k]))] or [self.rect(key, 0)]
            box = (rects[0][0], rects[0][1], max(r[2] for r in rects), max(r[3] for r in rects))
            if not inside(box):
                continue
            for e in range(len(self.t.fila[k]) - 1, -1, -1):
                if self.t.fila[k][e] != 0 and inside(rects[e]):
                    return key, self.t.fila[k][e], e
            if self.q(3) != 4:
                break
        for g, count in (("dest", 16), ("appogg", self.reserves())):
            for i in range(count):
                key, pile = (g, i), self.pile((g, i))
                if not self.placed(key):
                    continue
                rects = [self.rect(key, e) for e in range(len(pile))] or [self.rect(key, 0)]
                box = (rects[0][0], rects[0][1], max(r[2] for r in rects), max(r[3] for r in rects))
                if not inside(box):
                    continue
                if g == "dest" or not pile:
                    return key, pile[-1] if pile else 0, len(pile) - 1
                under = [e for e in range(len(pile)) if inside(rects[e])]
                return (key, pile[under[-1]], under[-1]) if under else (key, 0, -1)
        return None

    def press(self, button, x, y):
        if not self.playing or self.dragged:
            return
        self.moved = False
        h = self.hit(x, y)
        picked, height, peeked = None, self.ch, False
        key, card, e = h if h else (None, 0, -1)
        left, family = button == "left", self.q(35)
        # Pair games: a left press on a row card selects it; the stock still
        # deals; nothing is picked up.
        if self.q(30) != 0:
            if left and key and key[0] == "fila" and card > 0:
                self.pair_selection(card)
            elif left and key == ("stock", 0):
                self.stock_click()
            return
        top = key is not None and e == len(self.pile(key)) - 1
        if key and key[0] == "fila" and card > 0 and left and family in (2, 12, 15):
            # Only a row's top card can go to the second waste.
            if not top:
                pass
            elif self.waste_building_allows(card):
                picked = card
            else:
                self.out.append("beep")
        elif key and key[0] == "fila" and card > 0 and left and top and family == 3:
            self.pairing_pick(card)
        elif key and key[0] == "fila" and card > 0 and left and family == 4:
            if self.exposed(card):
                self.pairing_pick(card)
        elif key and key[0] == "fila" and card > 0:
            k, pile = key[1], self.t.fila[key[1]]
            if left and top:
                if not self.up(card):
                    self.t.face[card] = "1"
                    self.sound("Face_up")
                elif self.run_size_ok(card, False):
                    picked = card
            elif not left or not self.run_ok(k, e):
                if left and self.q(3) == 8 and self.up(card):
                    picked = card
                elif not left and self.up(card):
                    self.out.append("peek " + code(card))
                    peeked = True
            elif self.up(card) and self.run_size_ok(card, False):
                picked = card
                height = self.place(key, len(pile) - 1)[1] + self.ch - self.place(key, e)[1]
        elif not left:
            if key and key[0] == "appogg" and card > 0 and self.q(5) in (1, 2) and self.up(card):
                self.out.append("peek " + code(card))
                peeked = True
        elif key == ("stock", 0) and family == 4 and self.t.stock[0] and self.t.dest[0]:
            self.pairing_pick(self.t.stock[0][-1])
        elif key == ("stock", 0):
            self.stock_click()
        elif key == ("stock", 1):
            if card > 0 and family == 4:
                self.pairing_pick(card)
            elif card > 0:
                picked = card
            elif self.q(14) > 0 and not self.t.stock[0] and not self.t.stock[1]:
                self.execute(0, "Mazzo_Redeal")
        elif key and key[0] == "dest" and card > 0:
            held = len(self.t.dest[key[1]])
            if self.q(16) == 1 or (self.q(16) == 2 and held > 1):
                picked = card
        elif key and key[0] == "appogg" and card > 0:
            pile = self.t.appogg[key[1]]
            if e == len(pile) - 1 and self.up(card):
                picked = card
            elif e < len(pile) - 1 and self.q(12) == -11 and self.up(card):
                picked = card
                height = self.place(key, len(pile) - 1)[1] + self.ch - self.place(key, e)[1]
        if not left:
            if not peeked:
                self.out.append("beep")
            return
        if not picked:
            # A refused pick leaves no source mark behind: it belongs to a held block.
            self.source_marker = 0
        else:
            cx, cy = self.place(key, e)
            self.dragged, self.block_h = picked, height
            self.grab = (x - cx, y - cy)
            self.block = (cx, cy, cx + self.cw, cy + height)
            if self.state.get("Cards_Shadowed") != "N":
                self.grab = (self.grab[0] + 7, self.grab[1] + 7)
                self.sound("card_up")
            if family in (2, 12, 15):
                # The card goes to the second waste at once.
                self.dragged = 0
                self.execute(picked, "Waste")
                if self.won:
                    self.end_game()

    def waste_building_allows(self, card):
        """Families 2, 15 and 12: a card one rank from the second waste's top."""
        d = self.t.stock[2][-1] if self.t.stock[2] else None
        family, r = self.q(35), ref.rank(card)
        ace_king = d is not None and {ref.rank(d), r} == {1, 13}
        if family == 12:
            return d is not None and (abs(ref.rank(d) - r) == 1 or ace_king)
        if ace_king:
            return family == 15
        one_apart = lambda t, m: ref.rule_check(self.t, t, m, -1, 0, False, False, 2, 1, 0)
        return one_apart(d, card) or (d is not None and one_apart(card, d))

    def exposed(self, card):
        """Family 4's pyramid: nothing left in the rows after the card's row, or
        gaps in the next row at the card's index and the one after it."""
        rows = self.rows()
        k = next((k for k in range(rows - 1, -1, -1) if card in self.t.fila[k]), None)
        if k is None:
            return False
        if all(all(c == 0 for c in self.t.fila[r]) for r in range(k + 1, rows)):
            return True
        index, below = self.t.fila[k].index(card), self.t.fila[k + 1] if k + 1 < rows else []
        return index + 1 < len(below) and below[index] == 0 and below[index + 1] == 0

    def toggle_selection(self, card):
        selection = self.t.dest[0]
        if card in selection:
            selection.remove(card)
        else:
            selection.append(card)
        return selection

    def pairing_pick(self, card):
        """Families 3 and 4: two cards whose ranks make 14 (13) are discarded."""
        selection = self.toggle_selection(card)
        if len(selection) >= 3:
            self.out.append("beep")
            if card in selection:
                selection.remove(card)
            return
        if sum(ref.rank(c) for c in selection) == (14 if self.q(35) == 3 else 13):
            self.execute(0, "Selezionate_Dest")
            if self.won:
                self.end_game()

    def pair_selection(self, card):
        """Pair games: cards whose ranks add up to parameter 30 are discarded,
        and the empty rows refilled from the stock."""
        selection = self.toggle_selection(card)
        if sum(ref.rank(c) for c in selection) == self.q(30):
            self.execute(0, "Selezionate_Dest")
            self.execute(0, "Selezionate_Fila")
            if self.won:
                self.end_game()

    def move(self, x, y):
        if self.dragged:
            self.moved = True
            left, top = x - self.grab[0], y - self.grab[1]
            self.block = (left, top, left + self.cw, top + self.block_h)
        elif self.marker:
            r = self.rect(("stock", 0 if self.q(7) == 1 else 1), 0)
            if not (r[0] <= x <= r[2] and r[1] <= y <= r[3]):
                self.marker = False

    def release(self, x, y):
        if self.marker:
            stock = self.t.stock[0]
            self.execute(stock[-1] if stock else 0, "Mazzo_Vis")
            self.marker = False
        if self.dragged:
            if not (self.moved and self.place_dropped(self.dragged, self.block)):
                if self.state.get("Cards_Shadowed") != "N":
                    self.sound("card_down")
            elif self.won:
                self.end_game()
            self.dragged, self.source_marker = 0, 0
        self.fill_empty_rows()
        if self.autoplay_active():
            while self.autoplay_pass():
                self.fill_empty_rows()

    def double_click(self, x, y):
        if not self.playing or self.dragged:
            return
        h = self.hit(x, y)
        if not h or h[1] <= 0 or not self.up(h[1]):
            return
        key, card, e = h
        top = e == len(self.pile(key)) - 1
        if (key == ("stock", 1) and top) or (key[0] == "fila" and top) or key[0] == "appogg":
            self.send_to_foundation(card, False, True)
            if self.won:
                self.end_game()

    def event(self, words):
        """Runs one script line (already split) and returns its report."""
        self.out = ["> " + " ".join(words)]
        verb, args = words[0], words[1:]
        if verb in ("press", "release"):
            x, y = int(args[1]), int(args[2])
            self.press(args[0], x, y) if verb == "press" else self.release(x, y)
        elif verb == "move":
            self.move(int(args[0]), int(args[1]))
        elif verb == "dblclick":
            self.double_click(int(args[0]), int(args[1]))
        elif verb == "autoplay":
            switched_on = args[0] == "on" and not self.autoplay
            self.autoplay = args[0] == "on"
            if switched_on and self.autoplay_active():
                self.autoplay_sequence()
        elif verb == "set" and args[0] == "Score":
            self.score = int(args[1])
        elif verb == "set":
            self.state[args[0]] = args[1]
        return self.out + self.report()


def start(p, number, area):
    """Deals the game and lays it out; returns the play and the deal's report."""
    shuffled, table, base, score = ref.deal(p, number)
    if p.get(35, 0) == 9:
        score = 0  # family 9 keeps no score
    layout = lay.Layout(p, area)
    layout.run()
    head = ref.print_table(p, shuffled, table, base, score) + lay.report(p, table, area)
    return PointerPlay(p, table, layout, score), head
