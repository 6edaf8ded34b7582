#pragma once
// Game definitions whose placement only works because the layout guards a
// degenerate case (a gap over zero piles, rows of zero piles, foundations
// that are not there). The game compiler reports them.
#include <string>
#include <vector>

namespace vantrel {

class GameParams;

// One message per problem; empty for a sound definition.
std::vector<std::string> layoutWarnings(const GameParams& params);

}  // namespace vantrel
