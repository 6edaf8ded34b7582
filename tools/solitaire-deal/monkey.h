#pragma once
// solitaire-deal --monkey: random pointer events over every game of the
// games file and over synthetic games, with the table checked after each.
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

namespace vantrel {
class GamesFile;
struct Game;
struct GameListEntry;
}  // namespace vantrel

namespace solitaire_deal {

// For tests of the checks themselves: called after every event with the
// number of events played before it, ahead of the checks, free to break the
// table on purpose.
using PlantFault = std::function<void(vantrel::Game& game, long played)>;

// Plays `events` random events; 0 when every check held, 1 after the first
// failure, which is reported on `out` as the game, the deal, the layout and
// a --play script that repeats it.
int playMonkey(const vantrel::GamesFile& games, const std::vector<vantrel::GameListEntry>& list, long events,
               std::uint64_t seed, std::ostream& out, const PlantFault& plantFault = {});

}  // namespace solitaire_deal
