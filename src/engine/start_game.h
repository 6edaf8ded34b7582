#pragma once
// The start-of-game sequence: new game number, deal, score and clock reset,
// drawing, and the first autoplay.
namespace vantrel {

struct Catalogue;
struct Game;
class GameClock;
class RandomSource;
class StartGameHost;

enum class NumberMode { Keep = 0, Random = 2 };

struct StartGameOptions {
    bool newDeal = true;
    bool animate = true;
    NumberMode numberMode = NumberMode::Random;
    bool noRedraw = false;
};

inline constexpr int AutoplayDelayMs = 800;

// `catalogue` is read when no game is loaded yet.
void StartGame(Game& game, const Catalogue& catalogue, StartGameHost& host, GameClock& clock, RandomSource& random,
               const StartGameOptions& options = {});

}  // namespace vantrel
