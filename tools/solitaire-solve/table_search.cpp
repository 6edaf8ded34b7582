#include "table_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/move_execution.h"
#include "engine/table_play.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "safe_moves.h"
#include "silent_host.h"
#include "table_key.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {

// Open addressing over 64-bit keys; 0 marks a free slot.
class KeySet {
public:
    explicit KeySet(uint64_t states) {
        size_t size = 1024;
        while (size < states * 2) size *= 2;
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
          symmetry_(symmetry(root.params)), homeIsSafe_(homeIsSafe(root.params)),
          stockRunCap_(stockRunCap(root)) {
        frames_.push_back(std::make_unique<Frame>());
        frames_[0]->game = root;
    }

    // Passes with a growing bound on the moves in a row that gain nothing
    // (moveRank's last tier; stock clicks aside): a short bound keeps the
    // early passes on lines that make progress, the last pass has none.
    SearchResult run() {
        const auto start = std::chrono::steady_clock::now();
        const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
        SearchResult result;
        for (const int bound : StallBounds) {
            const Pass pass = search(bound, result, elapsed);
            if (pass != Pass::Bounded) {
                result.outcome = pass == Pass::Won ? Outcome::Won : pass == Pass::Complete ? Outcome::Lost : Outcome::Unknown;
                break;
            }
        }
        result.seconds = elapsed();
        return result;
    }

private:
    static constexpr int Unbounded = 1 << 30;
    static constexpr int StallBounds[] = {12, 48, Unbounded};

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
            Frame& f = *frames_[d];
            if (f.next >= f.children.size()) {
                --d;
                continue;
            }
            const Child c = f.children[f.next++];
            if (c.stall > stallBound) {
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

    // Lists the frame's children; true when one of them wins (the line is
    // then in `result`).
    bool expand(int d, SearchResult& result) {
        Frame& f = *frames_[d];
        f.children.clear();
        f.next = 0;
        scratch_ = f.game;
        candidateActions(scratch_, g_, symmetry_, actions_);
        const Progress before = progress(f.game);
        for (const PointerAction& a : actions_) {
            scratch_ = f.game;
            host_.won = false;
            apply(play_, a);
            if (host_.won) {
                result.outcome = Outcome::Won;
                result.line.clear();
                for (int i = 1; i <= d; ++i) result.line.push_back(frames_[i]->via);
                result.line.push_back(a);
                return true;
            }
            if (!scratch_.inProgress) continue;
            const bool forced = homeIsSafe_ && a.home && safeHome(f.game, scratch_);
            int stockRun = 0;
            if (!forced && a.kind == PointerAction::Click && stockOnly(f.game, scratch_)) {
                stockRun = f.stockRun + 1;
                if (stockRun > stockRunCap_) continue;
            }
            const uint64_t key = tableKey(scratch_, symmetry_);
            if (forced) f.children.clear();
            if (key != f.key && !keys_.contains(key)) {
                const MoveRank rank = moveRank(before, progress(scratch_));
                const int stall = rank.tier < 2 ? 0 : stockRun > 0 ? f.stall : f.stall + 1;
                f.children.push_back({a, key, rank, stockRun, stall});
            }
            if (forced) return false;
        }
        std::stable_sort(f.children.begin(), f.children.end(),
                         [](const Child& a, const Child& b) { return a.rank < b.rank; });
        return false;
    }

    const TableGeometry g_;
    const SearchLimits limits_;
    KeySet keys_;
    Game scratch_;
    SilentHost host_;
    MoveExecutor executor_;
    TablePlay play_;
    std::vector<std::unique_ptr<Frame>> frames_;
    std::vector<PointerAction> actions_;
    const Symmetry symmetry_;
    const bool homeIsSafe_;
    const int stockRunCap_;
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
