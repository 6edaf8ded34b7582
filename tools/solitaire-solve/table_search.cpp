#include "table_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>

#include "engine/move_execution.h"
#include "engine/table_play.h"
#include "home_reach.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "safe_moves.h"
#include "silent_host.h"
#include "table_key.h"
#include "waste_order.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {

// Open addressing over 64-bit keys; 0 marks a free slot.
class KeySet {
public:
    explicit KeySet(uint64_t states) {
        size_t size = 1024;
        // At most two thirds full: 512 MiB for the most states a limit asks.
        while (size < states + states / 2) size *= 2;
        slots_.assign(size, 0);
    }
    // False when the key was there already.
    bool insert(uint64_t key) {
        key = key ? key : 1;
        for (size_t i = key & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == key) return false;
            if (slots_[i] == 0) {
                slots_[i] = key;
                return true;
            }
        }
    }
    void clear() { std::fill(slots_.begin(), slots_.end(), 0); }
    bool contains(uint64_t key) const {
        key = key ? key : 1;
        for (size_t i = key & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == key) return true;
            if (slots_[i] == 0) return false;
        }
    }

private:
    std::vector<uint64_t> slots_;
};

struct Child {
    PointerAction action;
    uint64_t key;
    MoveRank rank;
    int stockRun;
    int stall;
    bool mixed;  // a run of mixed suits moved, left to the last pass where runsMixSuits
};

struct Frame {
    Game game;
    uint64_t key = 0;
    PointerAction via;
    std::vector<Child> children;
    size_t next = 0;
    int stockRun = 0;  // stock-only actions that led here in a row
    int stall = 0;     // actions that led here in a row and gained nothing
};

class Search {
public:
    Search(const Game& root, const TableGeometry& g, const SearchLimits& limits)
        : g_(g), limits_(limits), keys_(std::min(limits.states, MaxStates)), host_(g), executor_(scratch_, host_),
          play_(scratch_, executor_, host_, host_, &host_, nullptr, [] { return false; }),
          symmetry_(symmetry(root)), homeIsSafe_(homeIsSafe(root)), wasteHomeIsSafe_(wasteHomeIsSafe(root.params)),
          chains_(chainFoundations(root)), mixedRuns_(runsMixSuits(root)),
          stockRunCap_(stockRunCap(root)), aim_(limits.aim), waste_(root.params), eager_(root),
          coverWeight_(root.params[param::RunSizeMode] != AnyRunSize && progress(root).hidden > 0 ? CoverWeight : 0) {
        frames_.push_back(std::make_unique<Frame>());
        frames_[0]->game = root;
    }

    // Passes with a growing bound on the moves in a row that gain nothing
    // (moveRank's last tier; stock clicks aside): a short bound keeps the
    // early passes on lines that make progress, the last pass has none.
    // A table they leave open at half the limits is searched best-first
    // with the other half: it aims where the wide trees of the two-deck
    // building games lose the passes.
    SearchResult run() {
        const auto start = std::chrono::steady_clock::now();
        const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
        SearchResult result;
        const auto outcome = [this](Pass pass) {
            return pass == Pass::Won                        ? Outcome::Won
                   : pass == Pass::Complete && !incomplete_ ? Outcome::Lost
                                                            : Outcome::Unknown;
        };
        const SearchLimits whole = limits_;
        if (aim_ != SearchLimits::Aim::Best) {
            if (aim_ == SearchLimits::Aim::ByTable) {
                limits_.seconds = whole.seconds / 2;
                limits_.states = std::max<uint64_t>(whole.states / 2, 1);
            }
            for (const int bound : StallBounds) {
                const Pass pass = search(bound, result, elapsed);
                if (pass != Pass::Bounded) {
                    result.outcome = outcome(pass);
                    break;
                }
            }
        }
        if (result.outcome == Outcome::Unknown && aim_ != SearchLimits::Aim::Depth) {
            limits_.seconds = whole.seconds;
            limits_.states = std::max<uint64_t>(whole.states - std::min(whole.states, result.states), 1);
            result.outcome = outcome(bestFirst(result, elapsed));
        }
        result.seconds = elapsed();
        return result;
    }

private:
    static constexpr int Unbounded = 1 << 30;
    static constexpr int AnyRunSize = -1;
    static constexpr int StallBounds[] = {12, 48, Unbounded};
    // About 4 KiB an open table, 16 bytes a step of the lines: with the
    // key table the search stays below 1 GiB.
    static constexpr size_t OpenTables = 50'000;
    static constexpr size_t MaxSteps = 12'000'000;
    // Beside 4 x the table's score: rows in order, and cards under the
    // waste's top, which wait there for the stock's next pass if any.
    static constexpr int OrderWeight = 3;
    static constexpr int WasteWeight = 16;
    static constexpr int BlockWeight = 24;  // a card holding up one wanted sooner
    static constexpr int HomeLostWeight = 16;  // a card no longer able to go home, as one home counts
    // A card lying on a face-down one, where runs do not move whole: each
    // is then a move of its own before the card below turns, and without
    // the weight the search builds on those rows instead of freeing one.
    static constexpr int CoverWeight = 32;

    enum class Pass { Won, Complete, Bounded, Limit };

    template <class Clock>
    Pass search(int stallBound, SearchResult& result, const Clock& elapsed) {
        keys_.clear();
        Frame& root = *frames_[0];
        root.key = tableKey(root.game, symmetry_);
        root.stall = 0;
        keys_.insert(root.key);
        uint64_t states = 1;
        ++result.states;
        bool cut = false, bounded = false;
        if (expand(0, result)) return Pass::Won;
        for (int d = 0; d >= 0;) {
            if (timeUp(elapsed)) return Pass::Limit;
            Frame& f = *frames_[d];
            if (f.next >= f.children.size()) {
                --d;
                continue;
            }
            const Child c = f.children[f.next++];
            if (c.stall > stallBound || (c.mixed && stallBound != Unbounded)) {
                bounded = true;
                continue;
            }
            if (!keys_.insert(c.key)) continue;
            ++result.states;
            if (++states >= limits_.states || ((states & 255) == 0 && elapsed() > limits_.seconds)) return Pass::Limit;
            if (d + 1 >= limits_.depth) {
                cut = true;
                continue;
            }
            if (frames_.size() <= size_t(d + 1)) frames_.push_back(std::make_unique<Frame>());
            scratch_ = f.game;
            apply(play_, c.action);
            Frame& child = *frames_[d + 1];
            std::swap(child.game, scratch_);  // scratch_ is overwritten before its next use
            child.key = c.key;
            child.via = c.action;
            child.stockRun = c.stockRun;
            child.stall = c.stall;
            ++d;
            if (expand(d, result)) return Pass::Won;
        }
        return bounded ? Pass::Bounded : cut ? Pass::Limit : Pass::Complete;
    }

    // Asked at every step, new table or not: where moves mostly lead to
    // tables already seen, the checks on new ones come too seldom.
    template <class Clock>
    bool timeUp(const Clock& elapsed) {
        return (++steps_ & 63) == 0 && elapsed() > limits_.seconds;
    }

    // Lists the frame's children; true when one of them wins (the line is
    // then in `result`).
    bool expand(int d, SearchResult& result) {
        Frame& f = *frames_[d];
        f.next = 0;
        PointerAction winning;
        if (children(f.game, f.key, f.stockRun, f.stall, f.children, nullptr, winning)) {
            result.line.clear();
            for (int i = 1; i <= d; ++i) result.line.push_back(frames_[i]->via);
            result.line.push_back(winning);
            return true;
        }
        std::stable_sort(f.children.begin(), f.children.end(),
                         [](const Child& a, const Child& b) { return a.rank < b.rank; });
        return false;
    }

    // The tables one action from `game` not seen yet, into `out` (and, when
    // `tables` is given, each child's table at its index); true, with the
    // action in `winning`, when one of them wins.
    bool children(const Game& game, uint64_t key, int stockRunBefore, int stallBefore, std::vector<Child>& out,
                  std::vector<Game>* tables, PointerAction& winning) {
        out.clear();
        scratch_ = game;
        candidateActions(scratch_, g_, symmetry_, actions_);
        const Progress before = progress(game);
        int homeableBefore = -1;
        probed_ = nullptr;  // frames reuse their tables: a new node at the same place
        for (const PointerAction& a : actions_) {
            scratch_ = game;
            host_.won = false;
            apply(play_, a);
            if (host_.won) {
                winning = a;
                return true;
            }
            if (!scratch_.inProgress) continue;
            if (a.home && chains_ && fullerChainTaken(probe(game), scratch_)) continue;
            const bool forced = a.home && (homeIsSafe_       ? safeHome(game, scratch_)
                                           : wasteHomeIsSafe_ ? onlyCardTaken(probe(game), scratch_)
                                                              : eagerHome(game, homeableBefore));
            int stockRun = 0;
            if (!forced && a.kind == PointerAction::Click && stockOnly(game, scratch_)) {
                stockRun = stockRunBefore + 1;
                if (stockRun > stockRunCap_) continue;
            }
            const uint64_t childKey = tableKey(scratch_, symmetry_);
            if (forced) out.clear();
            if (childKey != key && !keys_.contains(childKey)) {
                MoveRank rank = rankChild(before);
                // Also where the rows are waste piles: a card sent home there
                // may take the place another card waiting in them needed.
                if (a.home && (eager_.applies() || wasteHomeIsSafe_))
                    rank.score -= HomeLostWeight * homesLost(game, homeableBefore);
                const int stall = rank.tier < 2 ? 0 : stockRun > 0 ? stallBefore : stallBefore + 1;
                const bool mixed = mixedRuns_ && !a.home && a.kind == PointerAction::Drag && mixedRunMoved(game, scratch_);
                out.push_back({a, childKey, rank, stockRun, stall, mixed});
                if (tables) {
                    if (tables->size() < out.size()) tables->resize(out.size());
                    (*tables)[out.size() - 1] = scratch_;
                }
            }
            if (forced) return false;
        }
        return false;
    }

    // The node's table, copied once for the rule checks that may mark it.
    Game& probe(const Game& game) {
        if (probed_ != &game) {
            probe_ = game;
            probed_ = &game;
        }
        return probe_;
    }

    // Cards of the node that could go home; counted once for all its
    // children.
    int homeableAt(const Game& game, int& homeableBefore) {
        if (homeableBefore < 0) homeableBefore = homeable(probe(game));
        return homeableBefore;
    }

    // Cards the move home to scratch_ took the way home from.
    int homesLost(const Game& game, int& homeableBefore) {
        return solitaire_solve::homesLost(homeableAt(game, homeableBefore), scratch_);
    }

    // A move home taken at once though not certain to lose nothing: the
    // search no longer knows a deal lost once it dropped the other moves.
    bool eagerHome(const Game& game, int& homeableBefore) {
        if (!eager_.applies()) return false;
        if (!eager_.eager(game, homeableAt(game, homeableBefore), scratch_)) return false;
        incomplete_ = true;
        return true;
    }

    // Where the rows are waste piles, the order the foundations want their
    // cards in stands for the order of ranks.
    MoveRank rankChild(const Progress& before) {
        if (!waste_.applies()) return moveRank(before, progress(scratch_));
        Progress after = progress(scratch_);
        after.buried = 0;
        MoveRank rank = moveRank(before, after);
        rank.score -= BlockWeight * waste_.blocking(scratch_);
        return rank;
    }

    // Face-up cards of the rows on the next rank up, twice when of its suit.
    static int ordered(const Game& game) {
        int n = 0;
        for (int k = 0; k < param::rowsInUse(game.params); ++k) {
            const std::string& row = game.piles.tableau[k];
            for (int i = 1; i < cardCount(row); ++i) {
                const int below = cardAt(row, i - 1), card = cardAt(row, i);
                if (below <= 0 || card <= 0 || !game.cards.faceUp(below) || rankOf(card) + 1 != rankOf(below)) continue;
                n += suitOf(card) == suitOf(below) ? 2 : 1;
            }
        }
        return n;
    }

    // Best-first: the open table closest to a win is expanded next, its
    // depth a small penalty. The open tables are bounded (the farthest from
    // a win are dropped when full), so the search reports a limit, not a
    // loss, once it dropped one.
    template <class Clock>
    Pass bestFirst(SearchResult& result, const Clock& elapsed) {
        struct Step {
            uint32_t parent;
            PointerAction via;
        };
        struct Open {
            Game game;
            uint64_t key;
            uint32_t step;
            int depth, stockRun, stall;
        };
        std::vector<Step> steps{{0, {}}};
        std::vector<std::unique_ptr<Open>> pool;
        std::vector<uint32_t> free;
        std::set<std::pair<int, uint32_t>> open;  // (-priority, slot): best first
        const auto line = [&](uint32_t step, const PointerAction* last) {
            result.line.clear();
            for (; step != 0; step = steps[step].parent) result.line.push_back(steps[step].via);
            std::reverse(result.line.begin(), result.line.end());
            if (last) result.line.push_back(*last);
        };
        keys_.clear();
        pool.push_back(std::make_unique<Open>(Open{frames_[0]->game, tableKey(frames_[0]->game, symmetry_), 0, 0, 0, 0}));
        keys_.insert(pool[0]->key);
        open.insert({0, 0});
        ++result.states;
        uint64_t states = 1;
        bool dropped = false;
        std::vector<Child> kids;
        std::vector<Game> tables;
        while (!open.empty()) {
            if (timeUp(elapsed)) return Pass::Limit;
            const uint32_t slot = open.begin()->second;
            open.erase(open.begin());
            Open& node = *pool[slot];
            PointerAction winning;
            if (children(node.game, node.key, node.stockRun, node.stall, kids, &tables, winning)) {
                line(node.step, &winning);
                return Pass::Won;
            }
            const uint32_t parentStep = node.step;
            const int depth = node.depth + 1;
            free.push_back(slot);
            for (size_t i = 0; i < kids.size(); ++i) {
                const Child& c = kids[i];
                if (!keys_.insert(c.key)) continue;
                ++result.states;
                if (++states >= limits_.states || ((states & 255) == 0 && elapsed() > limits_.seconds))
                    return Pass::Limit;
                if (steps.size() >= MaxSteps) return Pass::Limit;
                if (depth >= limits_.depth) {
                    dropped = true;
                    continue;
                }
                steps.push_back({parentStep, c.action});
                const Game& t = tables[i];
                const int waiting = std::max(0, cardCount(t.piles.stock[WasteEntry]) - 1);
                const int order = waste_.applies() ? 0 : OrderWeight * ordered(t);
                const int covering = coverWeight_ ? coverWeight_ * progress(t).covering : 0;
                const int priority = 4 * c.rank.score + order - WasteWeight * waiting - depth - covering;
                if (open.size() >= OpenTables) {
                    const auto worst = std::prev(open.end());
                    if (-worst->first >= priority) {
                        dropped = true;
                        continue;
                    }
                    free.push_back(worst->second);
                    open.erase(worst);
                    dropped = true;
                }
                uint32_t to;
                if (!free.empty()) {
                    to = free.back();
                    free.pop_back();
                } else {
                    to = uint32_t(pool.size());
                    pool.push_back(std::make_unique<Open>());
                }
                Open& child = *pool[to];
                std::swap(child.game, tables[i]);  // tables[i] is overwritten before its next use
                child.key = c.key;
                child.step = uint32_t(steps.size() - 1);
                child.depth = depth;
                child.stockRun = c.stockRun;
                child.stall = c.stall;
                open.insert({-priority, to});
            }
        }
        return dropped ? Pass::Limit : Pass::Complete;
    }

    const TableGeometry g_;
    SearchLimits limits_;
    KeySet keys_;
    Game scratch_;
    Game probe_;  // a node's table, for the rule checks that may mark it
    const Game* probed_ = nullptr;
    SilentHost host_;
    MoveExecutor executor_;
    TablePlay play_;
    std::vector<std::unique_ptr<Frame>> frames_;
    std::vector<PointerAction> actions_;
    const Symmetry symmetry_;
    const bool homeIsSafe_;
    const bool wasteHomeIsSafe_;
    const bool chains_;  // of two foundations that take a card, only the one with fewer cards is tried
    const bool mixedRuns_;
    const int stockRunCap_;
    const SearchLimits::Aim aim_;
    WasteOrder waste_;
    const EagerHome eager_;
    const int coverWeight_;
    uint64_t steps_ = 0;
    bool incomplete_ = false;  // a move was taken alone that might not have been the only one worth trying
};

}  // namespace

SearchResult solve(const Game& root, const TableGeometry& geometry, const SearchLimits& limits) {
    return Search(root, geometry, limits).run();
}

std::string resultLine(const SearchResult& r) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", r.seconds);
    const std::string common = " states=" + std::to_string(r.states) + " seconds=" + seconds;
    switch (r.outcome) {
        case Outcome::Won: return "won" + common + " moves=" + std::to_string(r.line.size());
        case Outcome::Lost: return "lost" + common;
        case Outcome::Unknown: break;
    }
    return "unknown" + common;
}

}  // namespace solitaire_solve
