#pragma once
// solitaire-deal --monkey: random pointer events over every game of the
// games file and over synthetic games, with the table checked after each.
#include <cstdint>
#include <ostream>
#include <vector>

namespace vantrel {
class GamesFile;
struct GameListEntry;
}  // namespace vantrel

namespace solitaire_deal {

// Plays `events` random events; 0 when every check held, 1 after the first
// failure, which is reported on `out` as the game, the deal, the layout and
// a --play script that repeats it.
int playMonkey(const vantrel::GamesFile& games, const std::vector<vantrel::GameListEntry>& list, long events,
               std::uint64_t seed, std::ostream& out);

}  // namespace solitaire_deal
