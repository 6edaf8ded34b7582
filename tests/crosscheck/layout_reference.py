"""A second, independent implementation of the pile layout and of the card
positions inside a pile, for the cross-check."""

UNPLACED = {"stock": -10000, "dest": -10001, "fila": -10002, "appogg": -10003}
CARD = {"B": (71, 96, 0), "M": (59, 80, 1), "L": (25, 32, 2)}


def trunc(x):
    return int(x)  # toward zero


def code(p, row_slot, arr_slot):
    return str(p.get(row_slot, 0))[0], p.get(arr_slot, 0)


class Layout:
    def __init__(self, p, area):
        self.p = p
        self.a = area
        self.cw, self.ch, self.size = CARD[area["card"]]
        self.pos = {g: [[UNPLACED[g], UNPLACED[g]] for _ in range(28)] for g in UNPLACED}
        self.sd, self.sa = code(p, 250, 249)
        self.fd, self.fa = code(p, 252, 251)
        self.td, self.ta = code(p, 254, 253)
        self.rd, self.ra = code(p, 257, 256)
        self.wd, self.wa = code(p, 259, 258)
        self.s, self.d, self.n, self.r = p.get(260, 0), p.get(261, 0), p.get(262, 0), p.get(263, 0)
        self.w2 = p.get(264, 0)

    def R(self, digit):
        rows = {"1": self.R1, "2": self.R2, "3": self.R3, "4": self.R4, "5": self.R5, "6": self.R6, "9": 15}
        return rows.get(digit, self.R1)

    def run(self):
        a = self.a
        small = a["height"] < 500
        self.W = a["width"] - (10 if small else 0) - 2
        self.m = 5 if small else 10
        self.forced = 0
        for _ in range(2):
            again = self.one_pass()
            if not again:
                break
        if self.ta not in (52, 54):
            self.fix_ups()
        self.final()

    def one_pass(self):
        a, cw, ch, p = self.a, self.cw, self.ch, self.p
        top, bottom = a["top"], a["bottom"]
        m = self.m
        self.R1 = top + m + (15 if self.sd == "1" else 0)
        self.R2 = self.R1 + m + ch + (15 if self.sd == "2" or self.sa == 3 else 0)
        self.R3 = self.R2 + m + ch
        self.R4 = self.R3 + m + ch
        self.R5 = a["winh"] - 50 - ch if a["winh"] > 0.8 * a["screenh"] else a["screenh"] - 30 - ch
        self.R6 = self.R2 + trunc((self.R3 - self.R2) / 2)
        if self.ta == 15:
            self.R1 = top + 15
            self.R2 = self.R1 + 5 + ch
            self.R3 = self.R2 + 5 + ch
        self.C1 = max(top + trunc((bottom - top - (3 * ch + 20)) / 2), top + 2)
        self.Q1 = max(top + trunc((bottom - top - (4 * ch + 30)) / 2), top + 2)
        self.Q = {"1": self.Q1, "2": self.Q1 + ch + 10, "3": self.Q1 + 2 * (ch + 10), "4": self.Q1 + 3 * (ch + 10)}
        W = self.W
        F = 3 if W < 650 else 10
        if self.s > 0:
            F += a["shadow"]
            if self.sa in (3, 4, 5, 16, 19) or self.wa == 4:
                F += 15
        self.F = F
        rowset = (self.sd if self.s > 0 else " ") + (self.fd if self.d > 0 else " ") + \
            (self.rd if self.r > 0 else " ")
        self.fan_v, self.fan_h = ch, cw
        if p.get(3, 0) == 1:
            R = {"1": self.R1, "2": self.R2, "3": self.R3, "4": self.R4}
            below = {"1": "234", "2": "34", "3": "4"}.get(self.td)
            if below is not None:
                self.fan_v = a["height"] - R[self.td]
                for digit in below:
                    if digit in rowset:
                        self.fan_v = R[digit] - R[self.td]
                        break
        if self.ta in (52, 54):
            self.special_tableau()
            return False
        self.tableau()
        self.stock()
        self.foundations()
        if self.ta == 20:
            self.tableau_020()
        self.reserves()
        self.second_waste()
        return self.collision()

    def fx(self, i):
        return self.pos["fila"][i][0]

    def set(self, group, i, x=None, y=None):
        if x is not None:
            self.pos[group][i][0] = x
        if y is not None:
            self.pos[group][i][1] = y

    def follow(self, start, gap):
        for i in range(start, self.n):
            self.set("fila", i, self.fx(i - 1) + self.cw + gap, self.pos["fila"][0][1])

    def tableau(self):
        n, cw, W, F, ta = self.n, self.cw, self.W, self.F, self.ta
        if ta not in (1, 2, 3, 10, 11, 12, 13, 14, 15, 18, 20, 21) or n <= 0:
            self.K = 0
            return
        self.set("fila", 0, y=self.R(self.td))
        if ta in (1, 14, 15):
            K = min(max(trunc((W - n * cw) / (n + 1)), 4), 20)
            if ta == 1 and (self.sa == 4 or self.wa == 4):
                K = max(K, 15)
            x0 = trunc((W - (n * cw + (n - 1) * K)) / 2)
            if x0 < F:
                if ta in (14, 15):
                    K = min(max(K - trunc((F - x0) / (n - 1) + 0.99), 4), 20)
                    x0 = F - 2 if self.a["screenw"] < 650 else F
                else:
                    x0 = F
            self.K = K
            self.set("fila", 0, x0)
            if ta in (14, 15) and (self.sa == 4 or self.wa == 4) and K < 15 and self.s > 0:
                for i in range(1, n):
                    self.set("fila", i, self.fx(i - 1) + cw + (15 if i < self.s else K), self.pos["fila"][0][1])
            else:
                self.follow(1, K)
        elif ta == 2:
            K = 5 if W < 650 else 10
            self.K = K
            x0 = self.forced if self.forced != 0 else trunc((W - n * cw - (n - 1) * K) / 2)
            self.set("fila", 0, x0)
            self.follow(1, K)
        elif ta in (3, 12, 11, 21):
            G = 1 if ta in (3, 12) else 2
            K = trunc((W - (G + n) * cw - 2 - 30) / (n + 1 + G))
            K = 4 if K < 4 else 15 if K > 20 else K
            if ta == 21:
                K = 2
            self.K = K
            x0 = max(trunc((W - 10 - 30 + K - ((G + n) * cw + (n - 1 + G) * K)) / 2), F)
            x0 += (22 + cw) * G + (15 if ta in (11, 12) else 0)
            self.set("fila", 0, x0)
            self.follow(1, K)
        elif ta == 10:
            K = trunc(0.85 * cw)
            self.K = K
            rows = self.p.get(255, 0)
            if rows == 1:
                self.set("fila", 0, 15, self.C1)
                self.follow(1, K)
            else:
                self.rows_of(15, self.R1, rows, K, lambda row: self.R(str(row + 1)))
        elif ta == 13:
            G = self.a["shadow"] if self.a["shadow"] >= 1 else 9
            if self.a["screenh"] < 500:
                G = -11
            self.K = 4
            self.set("fila", 0, 2 * G + 30)
            self.follow(1, 4)
        elif ta == 18:
            rows = self.p.get(255, 0)
            per = trunc(n / rows)
            K = max(trunc((W - per * cw - 2) / (per + 1)), trunc(1.5 * cw))
            self.K = K
            x0 = 15 if self.a["screenh"] < 500 else F + 10
            if rows == 1:
                self.set("fila", 0, x0, self.Q[self.td])
                self.follow(1, K)
            else:
                self.rows_of(x0, self.Q[self.td], rows, K, lambda row: self.Q[str(int(self.td) + row)])
        elif ta == 20:
            self.K = 10

    def rows_of(self, x0, y0, rows, K, row_y):
        per = trunc(self.n / rows)
        self.set("fila", 0, x0, y0)
        row = 0
        for i in range(1, self.n):
            if i % per == 0:
                row += 1
                x = x0
            else:
                x = self.fx(i - 1) + self.cw + K
            self.set("fila", i, x, row_y(row))

    def stock(self):
        if self.s <= 0:
            return
        p, cw, sa = self.p, self.cw, self.sa
        y = self.R(self.sd)
        st = self.pos["stock"]
        if sa not in (3, 4, 5, 11, 13, 16, 19, 21):
            return
        st[0][1] = y
        st[1][1] = y
        fx0 = self.fx(0)
        if sa == 4:
            has7, has8 = p.get(7, 0) == 1, p.get(8, 0) == 1
            if has7 and has8:
                st[0][0], st[1][0] = fx0, self.fx(1)
            elif has8:
                st[1][0] = fx0
            elif has7:
                st[0][0] = fx0
        elif sa == 5:
            st[0][0] = self.F
            for i in range(1, self.s):
                st[i][0] = st[i - 1][0] + self.F + cw
                st[i][1] = y
        elif sa == 3:
            st[0][0] = fx0 - cw - 22
            if p.get(8, 0) == 1:
                st[1][0], st[1][1] = st[0][0], self.R2
        elif sa == 11:
            st[1][0] = fx0 - cw - 45
            st[0][0] = st[1][0] - cw - 15
        elif sa == 13:
            G = self.a["shadow"]
            if G > 1:
                G = trunc(G / 2)
            if self.a["screenh"] < 500:
                G = 0
            st[0][0] = G + 15
            if self.s > 1:
                st[1][0] = st[0][0] + cw + 15
        elif sa in (16, 19):
            slot = 0 if p.get(7, 0) == 1 else 1
            st[slot][0] = fx0 - cw - (30 if sa == 16 else 60)
        elif sa == 21:
            st[1][0] = fx0 - cw - 15
            st[0][0] = st[1][0] - cw - 20

    def foundations(self):
        d, n, cw, W, F = self.d, self.n, self.cw, self.W, self.F
        self.P = max(trunc(self.K / 3), 1)
        if d <= 0 or self.fa not in (1, 2, 7, 8, 9, 13, 17):
            return
        y = self.R(self.fd)
        dx = [None] * d
        fa = self.fa
        if fa == 13 and self.a["screenh"] >= 500:
            fa = 7
        if fa == 7:
            dx = [self.fx(n - d + i) for i in range(d)]
        elif fa == 9:
            dx[d - 1] = self.fx(n - 1)
            for i in range(d - 2, -1, -1):
                dx[i] = dx[i + 1] - self.P - cw
        elif fa == 13:
            dx[d - 1] = self.fx(n - 1)
            for i in range(d - 2, -1, -1):
                dx[i] = dx[i + 1] - cw - 1
        elif fa == 1:
            self.P = max(trunc((W - d * cw - 2) / (d + 1)), 1)
            dx[0] = self.P
            for i in range(1, d):
                dx[i] = dx[i - 1] + cw + self.P
        elif fa == 2:
            self.P = max(trunc(self.K / 2), 1)
            dx[0] = trunc((W - d * cw - (d - 1) * self.P) / 2)
            for i in range(1, d):
                dx[i] = dx[i - 1] + cw + self.P
        elif fa == 8:
            dx[d - 1] = W - cw - F - 5
            for i in range(d - 2, -1, -1):
                dx[i] = dx[i + 1] - F - cw
        elif fa == 17:
            G, g = (10, 1) if self.a["screenh"] < 500 else (20, 3)
            slot = self.pos["stock"][1 if self.p.get(8, 0) == 1 else 0]
            dx[0] = slot[0] + cw + G
            y = slot[1]
            for i in range(1, d):
                dx[i] = dx[i - 1] + g + cw
        for i in range(d):
            self.set("dest", i, dx[i], y)

    def tableau_020(self):
        n, d, cw = self.n, self.d, self.cw
        dest = self.pos["dest"]
        x = trunc((dest[d - 1][0] + cw - dest[0][0] - n * cw - (n - 1) * 10) / 2)
        self.set("fila", 0, dest[0][0] + x)
        self.follow(1, 10)

    def reserves(self):
        r, n, cw = self.r, self.n, self.cw
        if r <= 0 or self.ra not in (4, 5, 6, 7, 11, 12):
            return
        y = self.R(self.rd)
        ax = []
        if self.ra == 6:
            ax = [self.fx(0) + i * (self.P + cw) for i in range(r)]
        elif self.ra == 4:
            ax = [self.fx(i) for i in range(r)]
        elif self.ra == 5:
            ax = [self.F + i * (self.F + cw) for i in range(r)]
        elif self.ra == 7:
            ax = [self.fx(n - r + i) for i in range(r)]
        elif self.ra == 11:
            ax = [self.pos["stock"][1][0]]
        elif self.ra == 12:
            ax = [self.fx(0) - cw - (45 if n < 8 else 22)]
        for i, x in enumerate(ax):
            self.set("appogg", i, x, y)

    def second_waste(self):
        if self.w2 <= 0:
            return
        st = self.pos["stock"]
        if self.wa == 16:
            above = str(int(self.wd) - 1) if self.wd.isdigit() else "1"
            st[2] = [st[0][0], self.R(above) + 15 + self.ch + 5]
        elif self.wa == 6:
            st[2] = [self.fx(1), self.R(self.wd)]
        elif self.wa == 7:
            st[2] = [self.fx(self.n - 1), self.R(self.wd)]

    def collision(self):
        self.forced = 0
        if self.ra != 5 or self.r <= 0:
            return False
        l, t = self.pos["appogg"][self.r - 1]
        rr, b = l + self.cw, t + self.ch
        for j in range(self.n):
            fx, fy = self.pos["fila"][j]
            wl, wr, wt, wb = fx - 85, fx + self.cw + 85, fy, fy + self.ch
            inside = lambda x, y: wl <= x <= wr and wt <= y <= wb
            hit = any(inside(x, y) for x in (l, rr) for y in (t, b))
            if not hit:
                for edge in (l, rr):
                    if wl <= edge <= wr:
                        y = t
                        while y <= b:
                            if wt <= y <= wb:
                                hit = True
                            y += 50
            if hit:
                self.forced = l + self.cw + 86
                if self.forced <= 0:
                    self.forced = self.F
                return True
        return False

    def special_tableau(self):
        a, cw, ch, W = self.a, self.cw, self.ch, self.W
        fila, st, dest = self.pos["fila"], self.pos["stock"], self.pos["dest"]
        if self.ta == 52:
            G = 25 if a["height"] < 500 else 35
            fx1 = trunc((W - 4 * cw - 3 * G) / 2) + cw + 15
            if fx1 - cw - 3 * G - 25 < 0:
                fx1 = cw + 3 * G + 25
            fx0 = fx1 + cw + G
            xs = [fx0, fx1, fx0, fx0 + cw + G, fx0, -10000, -10000, -10000]
            fy0 = max(a["top"] + trunc((a["bottom"] - a["top"] - (3 * ch + 3 * G)) / 2), self.R1)
            fy1 = fy0 + G + ch
            ys = [fy0, fy1, fy1, fy1, fy1 + G + ch]
            for i, x in enumerate(xs):
                fila[i][0] = x
            for i, y in enumerate(ys):
                fila[i][1] = y
            st[0] = [fx1 - cw - 3 * G, fy0]
            st[1] = [fx1 - cw - 3 * G, fy1]
            corners = [(fx1 + 7, fy0 + 7), (xs[3] - 7, fy0 + 7), (fx1 + 7, ys[4] - 7), (xs[3] - 7, ys[4] - 7)]
            for i, (x, y) in enumerate(corners):
                dest[i] = [x, y]
        else:
            G = 15 if a["screenh"] < 500 else 40
            st[0] = [G, self.R1]
            st[1] = [G, self.R2 + 10]
            G = trunc(cw / 2) + 3
            x0 = trunc((W - cw) / 2)
            while True:
                xs = [x0 - k * G for k in range(7)]
                if st[0][0] + cw + 3 >= xs[5]:
                    x0 += 3
                else:
                    break
            x2 = W - G - cw
            if x2 < xs[5] + 6 * cw + 5 * 6:
                x2 = xs[5] + 6 * cw + 5 * 6 + 3
            st[2] = [x2, self.R1]
            G = 8 if a["screenh"] < 500 else -4
            ys = [self.R1]
            for k in range(1, 8):
                ys.append(ys[-1] + trunc(ch / 2) - G)
            for i, x in enumerate(xs):
                fila[i][0] = x
            for i, y in enumerate(ys):
                fila[i][1] = y

    def fix_ups(self):
        st, dest, fila = self.pos["stock"], self.pos["dest"], self.pos["fila"]
        if st[1][1] == -10000:
            st[1][1] = st[0][1]
        for i in (1, 2, 3):
            if dest[i][1] == -10000:
                dest[i][1] = dest[0][1]
        for i in range(1, 7):
            if fila[i][1] == -10000:
                fila[i][1] = fila[0][1]

    def final(self):
        fila, dest = self.pos["fila"], self.pos["dest"]
        if self.p.get(3, 0) == 2:
            self.fan_h = fila[1][0] - fila[0][0] if fila[0][1] == fila[1][1] else dest[0][0] - fila[0][0]


def steps(p, size):
    mode3, mode5 = p.get(3, 0), p.get(5, 0)
    return {
        "down_up": (18, 14, 3)[size] if mode3 == 1 else 0,
        "down_down": (4, 4, 3)[size] if mode3 == 1 else 0,
        "side_up": (12, 10, 3)[size] if 2 in (mode3, mode5) else 0,
        "side_down": (4, 4, 3)[size] if 2 in (mode3, mode5) else 0,
        "tight": (7, 5, 3)[size] if mode3 == 6 else 0,
    }


def card_place(layout, table, group, i, pile, e):
    p = layout.p
    x, y = layout.pos[group][i]
    mode = {"fila": p.get(3, 0), "dest": p.get(4, 0), "appogg": p.get(5, 0)}.get(group)
    st = steps(p, layout.size)
    for card in pile[:e]:
        up = table.face.get(card) == "1"
        if (group in ("fila", "dest") and mode == 1) or (group == "appogg" and mode in (1, 5)):
            y += (st["down_up"] if up else st["down_down"]) if mode == 1 else 3
        if (group == "fila" and mode in (2, 4, 6)) or (group in ("dest", "appogg") and mode in (2, 4)):
            if mode == 2:
                x += st["side_up"] if up else st["side_down"]
            elif mode == 4:
                x += layout.cw + 6
            else:
                x += st["tight"]
    if mode == 7 and e > 0:
        y += st["down_up"]
    return x, y


def report(p, table, area):
    layout = Layout(p, area)
    layout.run()
    names = [("stock", i, name) for i, name in enumerate(("Mazzo", "Mazzo_Vis", "Mazzo_Waste"))]
    names += [("dest", j, "Dest%d" % (j + 1)) for j in range(min(p.get(261, 0), 16))]
    names += [("fila", k, "Fila%d" % (k + 1)) for k in range(min(p.get(262, 0), 26))]
    names += [("appogg", n, "Appogg%d" % (n + 1)) for n in range(min(p.get(263, 0), 8))]
    out = ["pos %s %d %d" % (name, layout.pos[g][i][0], layout.pos[g][i][1]) for g, i, name in names]
    out.append("fan %d %d" % (layout.fan_v, layout.fan_h))
    piles = {"stock": table.stock, "dest": table.dest, "fila": table.fila, "appogg": table.appogg}
    for g, i, name in names:
        x, y = layout.pos[g][i]
        if x < -9999 or y < -9999:
            continue
        pile = piles[g][i]
        for e in range(len(pile)):
            cx, cy = card_place(layout, table, g, i, pile, e)
            out.append("card %s %d %d %d" % (name, e, cx, cy))
    return out
