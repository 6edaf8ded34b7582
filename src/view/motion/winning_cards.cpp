#include "view/motion/winning_cards.h"

#include "model/game_number.h"

namespace vantrel {

namespace {

struct Pace {
    int count;
    int pause;
};

// By card size B, M, L: smaller cards need more of them to cover the table.
Pace paceFor(int kind, char size) {
    const int i = size == 'M' ? 1 : size == 'L' ? 2 : 0;
    static constexpr Pace Scatter[] = {{2000, 5}, {3000, 7}, {4000, 9}};
    static constexpr Pace Rows[] = {{1500, 18}, {2500, 22}, {3500, 25}};
    return kind == 2 ? Rows[i] : Scatter[i];
}

// A random integer from 0 to n - 1.
int below(RandomSource& random, int n) { return n <= 1 ? 0 : static_cast<int>(random.uniform(0, n - 1)); }

int randomFace(RandomSource& random) { return below(random, 51) + 1; }

void scatter(const WinningRequest& r, Pace pace, RandomSource& random, std::vector<WinningCard>& out) {
    const int w = r.cardW / 2, h = r.cardH / 2;
    for (int i = 0; i < pace.count; ++i) {
        WinningCard c;
        c.x = below(random, r.windowW + w) - w;
        c.y = below(random, r.windowH + h) - h;
        c.face = randomFace(random);
        if (i % 15 == 0) c.waitAfter = pace.pause;
        out.push_back(c);
    }
}

void rows(const WinningRequest& r, Pace pace, RandomSource& random, std::vector<WinningCard>& out) {
    const int advance = static_cast<int>(r.cardW / 5.8);
    int x = -20, y = r.tableTop;
    int row = 0;
    int restartLine = 0;
    for (int i = 0; i < pace.count; ++i) {
        WinningCard c{x, y, randomFace(random), (i + 1) % 20 == 0 ? pace.pause : 0};
        x += advance;
        if (x >= r.windowW) {
            ++row;
            x = row % 2 == 1 ? -(r.cardW / 3) : -(r.cardW / 4);
            c.waitAfter += WinningRowWait;
            y += WinningRowStep;
            if (y + r.cardH >= r.windowH) {
                // Back up the window, a little lower each time round.
                restartLine += WinningRowStep;
                if (restartLine > r.windowH) restartLine = r.tableTop + WinningRowStep;
                y = restartLine;
            }
        }
        out.push_back(c);
    }
}

}  // namespace

std::vector<WinningCard> planWinningAnimation(const WinningRequest& r, RandomSource& random) {
    const Pace pace = paceFor(r.kind, r.cardSize);
    std::vector<WinningCard> out;
    out.reserve(static_cast<size_t>(pace.count));
    if (r.kind == 2)
        rows(r, pace, random, out);
    else
        scatter(r, pace, random, out);
    return out;
}

}  // namespace vantrel
