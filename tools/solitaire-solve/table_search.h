#pragma once
// Depth-first search over the tables reachable from a dealt game by the
// pointer actions of pointer_actions.h, with the tables already seen kept
// by key. Children are tried in the order of moveRank (table_key.h).
// Best-first search takes over what it leaves open (table_search.cpp).
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/pointer_feedback.h"
#include "pointer_actions.h"

namespace vantrel {
struct Game;
}

namespace solitaire_solve {

struct SearchLimits {
    uint64_t states = 2'000'000;  // tables remembered; the key table stays below 1 GiB
    double seconds = 60;
    int depth = 3000;  // actions in one line
    // One search alone; by default both in turn.
    enum class Aim { ByTable, Depth, Best } aim = Aim::ByTable;
};

enum class Outcome { Won, Lost, Unknown };

struct SearchResult {
    Outcome outcome = Outcome::Unknown;
    uint64_t states = 0;
    double seconds = 0;
    std::vector<PointerAction> line;  // the winning line
};

// The most states a limit may ask for: a key table of 512 MiB.
inline constexpr uint64_t MaxStates = 40'000'000;

// `root`: a dealt table prepared as a play script starts from it; the
// search works on copies.
SearchResult solve(const vantrel::Game& root, const vantrel::TableGeometry& geometry, const SearchLimits& limits);

// "won states=N seconds=S moves=M", "lost ..." or "unknown ...".
std::string resultLine(const SearchResult& result);

}  // namespace solitaire_solve
