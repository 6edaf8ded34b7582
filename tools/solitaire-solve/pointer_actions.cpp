#include "pointer_actions.h"

#include <optional>

#include "engine/hit_test.h"
#include "engine/move_rules.h"
#include "engine/table_play.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "table_key.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {

struct Point {
    int x, y;
};

// A point that hits card `index` of the pile (-1: the empty pile itself),
// tried at the corners the fans leave uncovered.
std::optional<Point> pointOn(const Game& game, const TableGeometry& g, PileRef ref, int index) {
    const BlockRect r = cardRect(game, g, ref, std::max(index, 0));
    const Point tries[] = {{r.left + 2, r.top + 2},
                           {r.right - 2, r.bottom - 2},
                           {r.left + 2, r.bottom - 2},
                           {r.right - 2, r.top + 2},
                           {(r.left + r.right) / 2, (r.top + r.bottom) / 2}};
    for (const Point& p : tries) {
        const Hit hit = hitTest(game, g, p.x, p.y);
        if (hit.pile && *hit.pile == ref && hit.index == index) return p;
    }
    return std::nullopt;
}

bool fits(int v) { return v >= -32768 && v <= 32767; }

class Generator {
public:
    Generator(Game& game, const TableGeometry& g, Symmetry symmetry, std::vector<PointerAction>& out)
        : game_(game), g_(g), rules_(game), out_(out), symmetry_(symmetry),
          shift_(game.state.read(field::Cards_Shadowed) != "N" ? LiftOffset : 0) {}

    void run() {
        const GameParams& p = game_.params;
        const int family = param::family(p);
        const bool pairs = p[param::PairSum] != 0;
        const bool topClicks = family == 2 || family == 3 || family == 4 || family == 12 || family == 15;
        if (placed({PileGroup::Stock, StockEntry})) click({PileGroup::Stock, StockEntry}, top({PileGroup::Stock, StockEntry}));
        const PileRef waste{PileGroup::Stock, WasteEntry};
        if (placed(waste)) {
            const int t = top(waste);
            if (t < 0 || pairs || family == 4) click(waste, t);
            if (t >= 0 && !pairs) drags(waste, t);
        }
        for (int k = 0; k < param::rowsInUse(p); ++k) {
            const PileRef row{PileGroup::Tableau, k};
            if (!placed(row)) continue;
            const std::string& text = game_.piles.pile(row);
            const int n = cardCount(text);
            for (int i = 0; i < n; ++i) {
                const int card = cardAt(text, i);
                if (card <= 0) continue;
                const bool up = game_.cards.faceUp(card);
                const bool isTop = i == n - 1;
                if (pairs) {
                    if (up) click(row, i);
                    continue;
                }
                if (isTop && (!up || topClicks)) click(row, i);
                if (family == 4 && up && !isTop) click(row, i);
                if ((up || p[param::TableauDisplay] == OneLongRow) && (isTop || mayLiftRun(k, card))) drags(row, i);
            }
        }
        for (int j = 0; j < param::foundationsInUse(p); ++j) {
            const PileRef f{PileGroup::Foundation, j};
            if (!placed(f) || top(f) < 0) continue;
            if (pairs) click(f, top(f));
            else if (p[param::FoundationPickup] != 0) drags(f, top(f));
        }
        for (int n = 0; n < param::reservesInUse(p); ++n) {
            const PileRef r{PileGroup::Reserve, n};
            if (!placed(r)) continue;
            const std::string& text = game_.piles.pile(r);
            const int count = cardCount(text);
            for (int i = 0; i < count; ++i) {
                const int card = cardAt(text, i);
                if (card <= 0 || !game_.cards.faceUp(card)) continue;
                if (i != count - 1 && p[param::ReservePickup] != param::AnyReserveCard && !pairs) continue;
                if (pairs) click(r, i);
                else drags(r, i);
            }
        }
    }

private:
    bool placed(PileRef r) const { return game_.positions.placed(r.group, r.entry); }
    int top(PileRef r) const { return cardCount(game_.piles.pile(r)) - 1; }

    // A card under others lifts with them only when the press's own run
    // checks pass: a quick refusal before every target is asked.
    bool mayLiftRun(int k, int card) {
        return game_.params[param::TableauDisplay] == OneLongRow ||
               (rules_.runCheck(card, k) && rules_.runSizeCheck(card, false));
    }

    void click(PileRef ref, int index) {
        const auto at = pointOn(game_, g_, ref, index);
        if (at) out_.push_back({PointerAction::Click, int16_t(at->x), int16_t(at->y), 0, 0});
    }

    // Every pile the card may go to; the press decides whether it lifts.
    void drags(PileRef from, int index) {
        const int card = cardAt(game_.piles.pile(from), index);
        std::optional<Point> at;
        BlockRect r;
        const GameParams& p = game_.params;
        const auto target = [&](PileRef to) {
            if (to == from || !placed(to)) return;
            // A run check leaves its row's top card as the marker a drop may
            // not land on. The press sets it to the source row's, never a
            // target here; a marker left by an earlier check would wrongly
            // refuse its row.
            game_.play.sourceMarker = 0;
            if (!rules_.canGoToPile(card, to)) return;
            if (!at) {
                if (!(at = pointOn(game_, g_, from, index))) return;
                r = cardRect(game_, g_, from, index);
            }
            const BlockRect t = nextCardRect(game_, g_, to);
            const int toX = t.left + at->x - r.left + shift_, toY = t.top + at->y - r.top + shift_;
            if (fits(toX) && fits(toY))
                out_.push_back({PointerAction::Drag, int16_t(at->x), int16_t(at->y), int16_t(toX), int16_t(toY),
                                to.group == PileGroup::Foundation});
        };
        // Of interchangeable empty piles the first stands for all.
        const auto group = [&](PileGroup kind, int inUse, bool interchangeable) {
            bool emptyTried = false;
            for (int i = 0; i < inUse; ++i) {
                const PileRef to{kind, i};
                const bool empty = game_.piles.pile(to).empty() && to != from;
                if (interchangeable && empty && emptyTried) continue;
                emptyTried = emptyTried || empty;
                target(to);
            }
        };
        // Foundations first: the search tries the children in this order
        // when their scores tie.
        group(PileGroup::Foundation, param::foundationsInUse(p), symmetry_.foundations);
        group(PileGroup::Tableau, param::rowsInUse(p), symmetry_.rows);
        group(PileGroup::Reserve, param::reservesInUse(p), symmetry_.reserves);
    }

    Game& game_;
    const TableGeometry& g_;
    MoveRules rules_;
    std::vector<PointerAction>& out_;
    const Symmetry symmetry_;
    int shift_;
};

}  // namespace

void candidateActions(Game& game, const TableGeometry& geometry, Symmetry symmetry, std::vector<PointerAction>& out) {
    out.clear();
    Generator(game, geometry, symmetry, out).run();
}

void apply(TablePlay& play, const PointerAction& a) {
    play.reset();
    play.press(MouseButton::Left, a.x, a.y);
    if (a.kind == PointerAction::Drag) {
        play.move(a.toX, a.toY);
        play.release(MouseButton::Left, a.toX, a.toY);
    } else {
        play.release(MouseButton::Left, a.x, a.y);
    }
}

void writeScript(std::ostream& out, const PointerAction& a) {
    out << "press left " << a.x << ' ' << a.y << '\n';
    if (a.kind == PointerAction::Drag) {
        out << "move " << a.toX << ' ' << a.toY << '\n';
        out << "release left " << a.toX << ' ' << a.toY << '\n';
    } else {
        out << "release left " << a.x << ' ' << a.y << '\n';
    }
}

}  // namespace solitaire_solve
