#pragma once
// Small sideways offsets that make fanned tableau piles look hand-laid.
// Rebuilt at every new game from a random source the caller supplies.
#include <array>
#include <functional>

namespace vantrel {

using JitterTable = std::array<int, 13>;
using JitterTables = std::array<JitterTable, 7>;

// Returns a random integer from 0 to `max` inclusive.
using RandomInt = std::function<int(int max)>;

// Entry 0 of every table is 0; the running sum of a table stays within -2..2
// so a pile never drifts far from its column.
JitterTables buildJitterTables(const RandomInt& random);

// Offset added by card `card` (from 0 at the bottom) of tableau pile `pile`.
int jitterOffset(const JitterTables& tables, int pile, int card);

}  // namespace vantrel
